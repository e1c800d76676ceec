// Table look-up: the offset rule (signed indices, before the table pointer too), the full
// 16-bit signed range, the byte order of the two-source form, bit-exact entries, and every
// element against a model with the table flush against guard pages.
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

TEST(LookUp, IdentityTableAndOffset) {
  std::vector<Qvx8u> table(256), src(256), dst(256);
  for (int i = 0; i < 256; ++i) table[i] = src[i] = static_cast<Qvx8u>(i);
  qvx_Vector_LookUp_8U(src.data(), dst.data(), table.data(), 0, 256);
  EXPECT_TRUE(same_elements(dst.data(), src.data(), 256));

  // offset 10: value 10 reads entry 0, value 255 entry 245.
  const Qvx8u s[2] = {10, 255};
  Qvx8u d[2];
  qvx_Vector_LookUp_8U(s, d, table.data(), 10, 2);
  EXPECT_EQ(d[0], 0);
  EXPECT_EQ(d[1], 245);
}

TEST(LookUp, NegativeIndexReadsBeforeTheTablePointer) {
  // offset 100 and source 0 give index -100: the entry 100 places before the pointer.
  std::vector<Qvx32s> base(356);
  for (int i = 0; i < 356; ++i) base[i] = 1000 + i;
  const Qvx32s* table = base.data() + 100;
  const Qvx8u s[3] = {0, 99, 100};
  Qvx32s d[3];
  qvx_Vector_LookUp_8U_32S(s, d, table, 100, 3);
  EXPECT_EQ(d[0], 1000);  // table[-100]
  EXPECT_EQ(d[1], 1099);  // table[-1]
  EXPECT_EQ(d[2], 1100);  // table[0]

  // A negative offset: source -5 with offset -5 reads table[0].
  std::vector<Qvx64f> t64(20);
  for (int i = 0; i < 20; ++i) t64[i] = 0.5 * i;
  const Qvx16s s16[3] = {-5, 0, 14};
  Qvx64f d64[3];
  qvx_Vector_LookUp_16S_64F(s16, d64, t64.data(), -5, 3);
  EXPECT_EQ(d64[0], 0.0);
  EXPECT_EQ(d64[1], 2.5);
  EXPECT_EQ(d64[2], 9.5);
}

// Every 16-bit signed value through a 65536-entry table with offset -32768; the table sits
// between two guard pages (128 KiB is a whole number of pages), so an index outside
// 0..65535 would fault.
template <class D>
void full_signed_range(QvxStatus (*fn)(const Qvx16s*, D*, const D*, int, int), const char* name) {
  Rng rng(61);
  Guarded gt(65536 * sizeof(D), 0, Place::Start);
  D* table = gt.as<D>();
  fill_random(table, 65536, rng);
  std::vector<Qvx16s> src(65536);
  for (int i = 0; i < 65536; ++i) src[i] = static_cast<Qvx16s>(i - 32768);
  std::shuffle(src.begin(), src.end(), rng);
  std::vector<D> dst(65536), want(65536);
  for (int i = 0; i < 65536; ++i) want[i] = table[src[i] + 32768];
  ASSERT_EQ(fn(src.data(), dst.data(), table, -32768, 65536), 0);
  EXPECT_TRUE(same_elements(dst.data(), want.data(), 65536)) << name;
  // The three telling values.
  const Qvx16s ends[3] = {-32768, 0, 32767};
  D d3[3];
  fn(ends, d3, table, -32768, 3);
  EXPECT_TRUE(same_elements(&d3[0], &table[0], 1)) << name;
  EXPECT_TRUE(same_elements(&d3[1], &table[32768], 1)) << name;
  EXPECT_TRUE(same_elements(&d3[2], &table[65535], 1)) << name;
}

TEST(LookUp, FullSigned16BitRange) {
  full_signed_range<Qvx16s>(qvx_Vector_LookUp_16S, "LookUp_16S");
  full_signed_range<Qvx32s>(qvx_Vector_LookUp_16S_32S, "LookUp_16S_32S");
  full_signed_range<Qvx32f>(qvx_Vector_LookUp_16S_32F, "LookUp_16S_32F");
  full_signed_range<Qvx64f>(qvx_Vector_LookUp_16S_64F, "LookUp_16S_64F");
}

TEST(LookUp, EntriesAreCopiedBitForBit) {
  // Float tables of NaNs with payloads, signalling ones included, -0 and denormals.
  const uint32_t pat[5] = {0x7FA00001u, 0xFFC12345u, 0x80000000u, 0x00000001u, 0x7F800001u};
  Qvx32f table[256];
  for (int i = 0; i < 256; ++i) table[i] = f32_bits(pat[i % 5] + (i / 5 > 0 && i % 5 < 2 ? i : 0));
  Qvx8u src[256];
  for (int i = 0; i < 256; ++i) src[i] = static_cast<Qvx8u>(255 - i);
  Qvx32f dst[256], want[256];
  for (int i = 0; i < 256; ++i) want[i] = table[src[i]];
  qvx_Vector_LookUp_8U_32F(src, dst, table, 0, 256);
  EXPECT_TRUE(same_elements(dst, want, 256));
  EXPECT_EQ(reinterpret_cast<void*>(qvx_Vector_LookUp_8U_32F),
            reinterpret_cast<void*>(qvx_Vector_LookUp_8U_32S));
  EXPECT_EQ(reinterpret_cast<void*>(qvx_Vector_LookUp_16S_32F),
            reinterpret_cast<void*>(qvx_Vector_LookUp_16S_32S));
}

TEST(LookUp2, FirstSourceIsTheHighByte) {
  std::vector<Qvx8u> table(65536);
  for (int i = 0; i < 65536; ++i) table[i] = static_cast<Qvx8u>((i * 7) ^ (i >> 8));
  const Qvx8u hi[4] = {1, 2, 255, 0}, lo[4] = {2, 1, 255, 0};
  Qvx8u d[4];
  qvx_Vector_LookUp2_8U(hi, lo, d, table.data(), 0, 4);
  EXPECT_EQ(d[0], table[258]);
  EXPECT_EQ(d[1], table[513]);
  EXPECT_EQ(d[2], table[65535]);
  EXPECT_EQ(d[3], table[0]);
  // offset 258: (1, 2) reads entry 0; (0, 0) reads entry -258.
  const Qvx8u h2[2] = {1, 0}, l2[2] = {2, 0};
  qvx_Vector_LookUp2_8U(h2, l2, d, table.data() + 258, 258, 2);
  EXPECT_EQ(d[0], table[258]);
  EXPECT_EQ(d[1], table[0]);
}

// len < 1 reads nothing: every pointer, the table's included, is on a guard page.
TEST(LookUp, EmptyVectorsTouchNothing) {
  Guarded g(0, 0, Place::End);
  Qvx8u* p8 = g.as<Qvx8u>();
  Qvx16s* p16 = g.as<Qvx16s>();
  Qvx64f* p64 = g.as<Qvx64f>();
  for (int len : {0, -1, INT_MIN}) {
    EXPECT_EQ(qvx_Vector_LookUp_8U(p8, p8, p8, 0, len), 0);
    EXPECT_EQ(qvx_Vector_LookUp_16S_64F(p16, p64, p64, 5, len), 0);
    EXPECT_EQ(qvx_Vector_LookUp2_8U(p8, p8, p8, p8, 0, len), 0);
  }
}

// ---- sweeps against the model: table entries exactly for the values the data can take ----

// A table of `entries` entries, covering values first .. first+entries-1, at both ends flush
// against guard pages in turn; offsets place table[0] anywhere from far below to far above
// the first value.
template <class S, class D>
void sweep_lookup(QvxStatus (*fn)(const S*, D*, const D*, int, int), const char* name) {
  Rng rng(62);
  const int first = sizeof(S) == 1 ? 0 : -32768;
  const int entries = sizeof(S) == 1 ? 256 : 65536;
  Guarded gs, gd, gt;
  int round = 0;
  sweep(alignof(D), [&](int len, const Layout& lay) {
    const int offsets[] = {first, first - 1000, first + 1000, -70000, 70000, 0};
    const int offset = offsets[round % 6];
    gt.reset(entries * sizeof(D), 0, round % 2 ? Place::Start : Place::End);
    ++round;
    D* base = gt.as<D>();
    fill_random(base, entries, rng);
    const D* table =
        base + (static_cast<ptrdiff_t>(offset) - first);  // table[v - offset] = base[v - first]
    S* s = place<S>(gs, len, Layout{lay.offset / sizeof(S) * sizeof(S), lay.place});
    D* d = place<D>(gd, len, lay);
    fill_random(s, len, rng);
    std::vector<D> want(std::max(len, 0));
    for (int i = 0; i < len; ++i) want[i] = base[static_cast<int>(s[i]) - first];
    ASSERT_EQ(fn(s, d, table, offset, len), 0);
    ASSERT_TRUE(same_elements(d, want.data(), len))
        << name << " offset " << offset << " len " << len << " " << lay.str();
    ASSERT_TRUE(gd.canaries_intact()) << name;
  });
}

TEST(LookUp, EveryPairMatchesTheModel) {
  sweep_lookup<Qvx8u, Qvx8u>(qvx_Vector_LookUp_8U, "LookUp_8U");
  sweep_lookup<Qvx8u, Qvx16s>(qvx_Vector_LookUp_8U_16S, "LookUp_8U_16S");
  sweep_lookup<Qvx8u, Qvx32s>(qvx_Vector_LookUp_8U_32S, "LookUp_8U_32S");
  sweep_lookup<Qvx8u, Qvx32f>(qvx_Vector_LookUp_8U_32F, "LookUp_8U_32F");
  sweep_lookup<Qvx8u, Qvx64f>(qvx_Vector_LookUp_8U_64F, "LookUp_8U_64F");
  sweep_lookup<Qvx16s, Qvx16s>(qvx_Vector_LookUp_16S, "LookUp_16S");
  sweep_lookup<Qvx16s, Qvx32s>(qvx_Vector_LookUp_16S_32S, "LookUp_16S_32S");
  sweep_lookup<Qvx16s, Qvx32f>(qvx_Vector_LookUp_16S_32F, "LookUp_16S_32F");
  sweep_lookup<Qvx16s, Qvx64f>(qvx_Vector_LookUp_16S_64F, "LookUp_16S_64F");
}

TEST(LookUp2, EveryElementMatchesTheModel) {
  Rng rng(63);
  Guarded g1, g2, gd, gt;
  int round = 0;
  sweep(1, [&](int len, const Layout& lay) {
    const int offset = (round++ % 3 - 1) * 5000;  // -5000, 0, 5000
    gt.reset(65536, 0, round % 2 ? Place::Start : Place::End);
    Qvx8u* base = gt.as<Qvx8u>();
    fill_random(base, 65536, rng);
    const Qvx8u* table = base + offset;  // table[v - offset] = base[v]
    Qvx8u* a = place<Qvx8u>(g1, len, lay);
    Qvx8u* b = place<Qvx8u>(g2, len, lay);
    Qvx8u* d = place<Qvx8u>(gd, len, lay);
    fill_random(a, len, rng);
    fill_random(b, len, rng);
    std::vector<Qvx8u> want(std::max(len, 0));
    for (int i = 0; i < len; ++i) want[i] = base[a[i] * 256 + b[i]];
    ASSERT_EQ(qvx_Vector_LookUp2_8U(a, b, d, table, offset, len), 0);
    ASSERT_TRUE(same_elements(d, want.data(), len)) << "offset " << offset << " len " << len;
  });
}

}  // namespace
