// Table look-up: the offset rule (signed indices, before the table pointer too), the full
// 16-bit signed range, the byte order of the two-source form, entries copied bit for bit,
// nothing read for empty vectors, and every element against a model.
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

TEST(LookUp, TellingCases) {
  std::vector<Qvx8u> id(256), all(256), d(256);
  for (int i = 0; i < 256; ++i) id[i] = all[i] = static_cast<Qvx8u>(i);
  qvx_Vector_LookUp_8U(all.data(), d.data(), id.data(), 0, 256);
  EXPECT_TRUE(same_elements(d.data(), all.data(), 256));
  const Qvx8u s8[2] = {10, 255}, w8[2] = {0, 245};  // offset 10: 10 reads table[0]
  qvx_Vector_LookUp_8U(s8, d.data(), id.data(), 10, 2);
  EXPECT_TRUE(same_elements(d.data(), w8, 2));

  // A negative offset: -5 with offset -5 reads table[0].
  Qvx64f t64[20];
  for (int i = 0; i < 20; ++i) t64[i] = 0.5 * i;
  const Qvx16s s16[3] = {-5, 0, 14};
  const Qvx64f w64[3] = {0.0, 2.5, 9.5};
  Qvx64f d64[3];
  qvx_Vector_LookUp_16S_64F(s16, d64, t64, -5, 3);
  EXPECT_TRUE(same_elements(d64, w64, 3));

  // offset -32768 and 65536 entries: -32768, 0 and 32767 read entries 0, 32768 and 65535.
  std::vector<Qvx16s> t16(65536);
  for (int i = 0; i < 65536; ++i) t16[i] = static_cast<Qvx16s>(i ^ 0x5A5A);
  const Qvx16s ends[3] = {-32768, 0, 32767}, wends[3] = {t16[0], t16[32768], t16[65535]};
  Qvx16s d16[3];
  qvx_Vector_LookUp_16S(ends, d16, t16.data(), -32768, 3);
  EXPECT_TRUE(same_elements(d16, wends, 3));

  // Two sources: the first is the high byte, so (1, 2) reads entry 258.
  std::vector<Qvx8u> t2(65536);
  for (int i = 0; i < 65536; ++i) t2[i] = static_cast<Qvx8u>((i * 7) ^ (i >> 8));
  const Qvx8u hi[3] = {1, 2, 255}, lo[3] = {2, 1, 255}, w2[3] = {t2[258], t2[513], t2[65535]};
  qvx_Vector_LookUp2_8U(hi, lo, d.data(), t2.data(), 0, 3);
  EXPECT_TRUE(same_elements(d.data(), w2, 3));
}

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
