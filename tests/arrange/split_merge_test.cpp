// Split and merge: telling cases, every element against a model for every width, and the
// round trip that restores the interleaved bits (NaN payloads included).
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

TEST(Split, TellingCase) {
  const Qvx16s s[6] = {1, 2, 3, 4, 5, 6};
  Qvx16s a[3], b[3];
  qvx_Vector_Split_16S(s, a, b, 3);
  const Qvx16s wa[3] = {1, 3, 5}, wb[3] = {2, 4, 6};
  EXPECT_TRUE(same_elements(a, wa, 3));
  EXPECT_TRUE(same_elements(b, wb, 3));
}

TEST(Merge, TellingCase) {
  const Qvx8u a[3] = {1, 3, 5}, b[3] = {2, 4, 6};
  Qvx8u d[6];
  qvx_Vector_Merge_8U(a, b, d, 3);
  const Qvx8u want[6] = {1, 2, 3, 4, 5, 6};
  EXPECT_TRUE(same_elements(d, want, 6));
}

template <class T>
void sweep_split(QvxStatus (*fn)(const T*, T*, T*, int), const char* name) {
  Rng rng(51);
  Guarded gs, g1, g2;
  sweep(alignof(T), [&](int len, const Layout& lay) {
    const size_t n = static_cast<size_t>(std::max(len, 0));
    T* s = place<T>(gs, 2 * n, lay);
    T* d1 = place<T>(g1, n, lay);
    T* d2 = place<T>(g2, n, lay);
    fill_random(s, 2 * n, rng);
    std::vector<T> w1(n), w2(n);
    for (size_t i = 0; i < n; ++i) {
      w1[i] = s[2 * i];
      w2[i] = s[2 * i + 1];
    }
    ASSERT_EQ(fn(s, d1, d2, len), 0);
    ASSERT_TRUE(same_elements(d1, w1.data(), n)) << name << " dst1 len " << len << " " << lay.str();
    ASSERT_TRUE(same_elements(d2, w2.data(), n)) << name << " dst2 len " << len << " " << lay.str();
    ASSERT_TRUE(gs.canaries_intact() && g1.canaries_intact() && g2.canaries_intact()) << name;
  });
}

template <class T>
void sweep_merge(QvxStatus (*fn)(const T*, const T*, T*, int), const char* name) {
  Rng rng(52);
  Guarded g1, g2, gd;
  sweep(alignof(T), [&](int len, const Layout& lay) {
    const size_t n = static_cast<size_t>(std::max(len, 0));
    T* a = place<T>(g1, n, lay);
    T* b = place<T>(g2, n, lay);
    T* d = place<T>(gd, 2 * n, lay);
    fill_random(a, n, rng);
    fill_random(b, n, rng);
    std::vector<T> want(2 * n);
    for (size_t i = 0; i < n; ++i) {
      want[2 * i] = a[i];
      want[2 * i + 1] = b[i];
    }
    ASSERT_EQ(fn(a, b, d, len), 0);
    ASSERT_TRUE(same_elements(d, want.data(), 2 * n)) << name << " len " << len << " " << lay.str();
    ASSERT_TRUE(g1.canaries_intact() && g2.canaries_intact() && gd.canaries_intact()) << name;
  });
}

TEST(Split, EveryWidthMatchesTheModel) {
  sweep_split<Qvx8u>(qvx_Vector_Split_8U, "Split_8U");
  sweep_split<Qvx16s>(qvx_Vector_Split_16S, "Split_16S");
  sweep_split<Qvx32s>(qvx_Vector_Split_32S, "Split_32S");
  sweep_split<Qvx32f>(qvx_Vector_Split_32F, "Split_32F");
  sweep_split<Qvx64f>(qvx_Vector_Split_64F, "Split_64F");
}

TEST(Merge, EveryWidthMatchesTheModel) {
  sweep_merge<Qvx8u>(qvx_Vector_Merge_8U, "Merge_8U");
  sweep_merge<Qvx16s>(qvx_Vector_Merge_16S, "Merge_16S");
  sweep_merge<Qvx32s>(qvx_Vector_Merge_32S, "Merge_32S");
  sweep_merge<Qvx32f>(qvx_Vector_Merge_32F, "Merge_32F");
  sweep_merge<Qvx64f>(qvx_Vector_Merge_64F, "Merge_64F");
}

// Interleaved data made only of NaNs with distinct payloads (quiet and signalling, both
// signs): split and merged back, every bit returns.
template <class T, class U>
void round_trip(QvxStatus (*split)(const T*, T*, T*, int),
                QvxStatus (*merge)(const T*, const T*, T*, int), U exponent, U quiet,
                const char* name) {
  Rng rng(53);
  const U sign = static_cast<U>(1) << (8 * sizeof(U) - 1);
  for (int len : {1, 2, 3, 7, 8, 15, 16, 17, 33, 100, 1001}) {
    std::vector<T> s(2 * len), a(len), b(len), back(2 * len);
    for (auto& x : s) {
      // A payload that is never 0 (so always a NaN), quiet or signalling, either sign.
      U bits = exponent | (static_cast<U>(rng()) & (quiet - 1)) | 1u;
      if (rng() & 1) bits |= quiet;
      if (rng() & 1) bits |= sign;
      memcpy(&x, &bits, sizeof x);
    }
    split(s.data(), a.data(), b.data(), len);
    merge(a.data(), b.data(), back.data(), len);
    ASSERT_TRUE(same_elements(back.data(), s.data(), s.size())) << name << " len " << len;
  }
}

TEST(SplitMerge, RoundTripKeepsNanPayloads) {
  round_trip<Qvx32f, uint32_t>(qvx_Vector_Split_32F, qvx_Vector_Merge_32F, 0x7F800000u, 0x00400000u,
                               "32F");
  round_trip<Qvx64f, uint64_t>(qvx_Vector_Split_64F, qvx_Vector_Merge_64F, 0x7FF0000000000000ull,
                               0x0008000000000000ull, "64F");
}

}  // namespace
