// Table look-up: nothing read for empty vectors, and every element against a model (the
// offset rule with signed indices, before the table pointer too; the full 16-bit signed
// range; the byte order of the two-source form; entries copied bit for bit).
#include <gtest/gtest.h>
#include <limits.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

// len < 1 reads nothing: every pointer, the table's included, is on a guard page.
TEST(LookUp, EmptyVectorsTouchNothing) {
  Guarded g(0, 0, Place::End);
  Qvx8u* p = g.as<Qvx8u>();
  Qvx64f* q = g.as<Qvx64f>();
  for (int len : {0, -1, INT_MIN}) {
    EXPECT_EQ(qvx_Vector_LookUp_8U(p, p, p, 0, len), 0);
    EXPECT_EQ(qvx_Vector_LookUp_16S_64F(g.as<Qvx16s>(), q, q, 5, len), 0);
    EXPECT_EQ(qvx_Vector_LookUp2_8U(p, p, p, p, 0, len), 0);
  }
}

// The model: base holds an entry for every source value v at base[v - min]; the table
// pointer is placed so that table[v - offset] is that entry, for offsets from far below to
// far above the source range, so that indices fall before the pointer too.  Float entries include NaNs with payloads (signalling ones
// too), -0 and denormals, and must arrive bit for bit.
template <class S, class D>
void model_sweep(QvxStatus (*fn)(const S*, D*, const D*, int, int), const char* name) {
  Rng rng(62);
  const int min = std::numeric_limits<S>::min(), values = std::numeric_limits<S>::max() - min + 1;
  Guarded gt(values * sizeof(D), 0, Place::Start);
  D* base = gt.as<D>();
  fill_random(base, values, rng);
  auto check = [&](const std::vector<S>& s, int offset) {
    std::vector<D> d(s.size()), want(s.size());
    for (size_t i = 0; i < s.size(); ++i) want[i] = base[s[i] - min];
    const int len = static_cast<int>(s.size());
    ASSERT_EQ(fn(s.data(), d.data(), base + (offset - min), offset, len), 0);
    ASSERT_TRUE(same_elements(d.data(), want.data(), s.size()))
        << name << " offset " << offset << " len " << s.size();
  };
  // Every source value once, shuffled, at offset min: the table is base itself, which lies
  // between two guard pages for 16-bit values (a whole number of pages), so an index
  // outside 0 .. values-1 faults.
  std::vector<S> every(values);
  for (int v = 0; v < values; ++v) every[v] = static_cast<S>(min + v);
  std::shuffle(every.begin(), every.end(), rng);
  check(every, min);
  int round = 0;
  for (int len : sweep_lengths()) {
    const int offsets[] = {min, min - 1000, min + 1000, -70000, 70000, 0};
    std::vector<S> s(len);
    fill_random(s.data(), len, rng);
    check(s, offsets[round++ % 6]);
  }
}

// LookUp2_8U as a look-up of 16-bit values: the high byte in the first source.
QvxStatus look_up2(const Qvx16u* s, Qvx8u* d, const Qvx8u* table, int offset, int len) {
  std::vector<Qvx8u> hi(len), lo(len);
  for (int i = 0; i < len; ++i) {
    hi[i] = static_cast<Qvx8u>(s[i] >> 8);
    lo[i] = static_cast<Qvx8u>(s[i]);
  }
  return qvx_Vector_LookUp2_8U(hi.data(), lo.data(), d, table, offset, len);
}

TEST(LookUp, EveryFormMatchesTheModel) {
  model_sweep<Qvx8u, Qvx8u>(qvx_Vector_LookUp_8U, "LookUp_8U");
  model_sweep<Qvx8u, Qvx16s>(qvx_Vector_LookUp_8U_16S, "LookUp_8U_16S");
  model_sweep<Qvx8u, Qvx32f>(qvx_Vector_LookUp_8U_32F, "LookUp_8U_32F");
  model_sweep<Qvx8u, Qvx64f>(qvx_Vector_LookUp_8U_64F, "LookUp_8U_64F");
  model_sweep<Qvx16s, Qvx16s>(qvx_Vector_LookUp_16S, "LookUp_16S");
  model_sweep<Qvx16s, Qvx32f>(qvx_Vector_LookUp_16S_32F, "LookUp_16S_32F");
  model_sweep<Qvx16s, Qvx64f>(qvx_Vector_LookUp_16S_64F, "LookUp_16S_64F");
  model_sweep<Qvx16u, Qvx8u>(look_up2, "LookUp2_8U");
}

}  // namespace
