// Which primitives the scaled elementary functions hand work to (seen through
// support/interpose.h): below its lowest computed band SqrtShift sets the whole destination
// to 0 through the integer fill of its width, with len passed on unchanged and the source
// unread; no other band and no other function calls anything.
#include <gtest/gtest.h>
#include <limits.h>

#include <vector>

#include "qvx_vector.h"
#include "support/interpose.h"

QVXT_RECORD_SET(Vector_Set_16S, Qvx16s)
QVXT_RECORD_SET(Vector_Set_32S, Qvx32s)

namespace {

TEST(ScaledDelegation, SqrtZeroFillThroughTheFillOfItsWidth) {
  qvxt::expect_zero_fill_below(qvx_Vector_SqrtShift_16S, "SqrtShift_16S", -7);
  qvxt::expect_zero_fill_below(qvx_Vector_SqrtShift_32S, "SqrtShift_32S", -15);
}

// Every other band of every member computes its elements itself (the fills are the only
// primitives these functions could reach).
TEST(ScaledDelegation, NoCallOutsideTheZeroFill) {
  std::vector<Qvx16s> a(20, 3), b(20);
  std::vector<Qvx32s> c(20, 3), d(20);
  for (int s = -40; s <= 40; ++s)
    for (int s2 : {s, s * 1000}) {
      const auto seen = qvxt::calls([&] {
        qvx_Vector_ExpShift_16S(a.data(), b.data(), 20, s2);
        qvx_Vector_ExpShift_32S(c.data(), d.data(), 20, s2);
        qvx_Vector_LogShift_16S(a.data(), b.data(), 20, s2);
        qvx_Vector_LogShift_32S(c.data(), d.data(), 20, s2);
        if (s2 >= -7) qvx_Vector_SqrtShift_16S(a.data(), b.data(), 20, s2);
        if (s2 >= -15) qvx_Vector_SqrtShift_32S(c.data(), d.data(), 20, s2);
      });
      EXPECT_TRUE(seen.empty()) << "s " << s2 << ": " << seen[0].name;
    }
}

}  // namespace
