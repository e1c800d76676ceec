// The generic sweep: every function of the table is called through its signature shape with
// random data (special values mixed in), at every length of the sweep, every start offset
// and with arrays flush against guard pages, in place where its row allows it, at every
// overlap where its row promises one, and for the scaled functions at scale factors from
// INT_MIN to INT_MAX.  Each call is made on the library under test and on its element-loop
// build with identical inputs; the results must agree bit for bit, no byte outside the
// arrays may change, sources must stay unchanged, and len < 1 must touch no memory (its
// arrays sit on a guard page).
#include <gtest/gtest.h>

#include "support/libs.h"
#include "support/rows.h"

namespace {

class Sweep : public ::testing::TestWithParam<qvxt::Row> {};

TEST_P(Sweep, AgreesWithElementLoops) {
  const qvxt::Row& r = GetParam();
  r.sweep(r, qvxt::main_lib(), qvxt::ref_lib());
}

INSTANTIATE_TEST_SUITE_P(EveryFunction, Sweep, ::testing::ValuesIn(qvxt::function_rows()),
                         [](const ::testing::TestParamInfo<qvxt::Row>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
