// Reversal: telling cases, odd and even lengths in place, nothing written for len < 2 in
// place, and every element against a model for every width (NaN payloads kept).
#include <gtest/gtest.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

TEST(Flip, TellingCases) {
  const Qvx16s s[3] = {1, 2, 3};
  Qvx16s d[3];
  qvx_Vector_Flip_16S(s, d, 3);
  EXPECT_EQ(d[0], 3);
  EXPECT_EQ(d[1], 2);
  EXPECT_EQ(d[2], 1);

  const Qvx8u one = 42;
  Qvx8u got = 0;
  qvx_Vector_Flip_8U(&one, &got, 1);
  EXPECT_EQ(got, 42);

  Qvx32s v[5] = {1, 2, 3, 4, 5};
  qvx_Vector_Flip_32S_I(v, 5);
  const Qvx32s want[5] = {5, 4, 3, 2, 1};
  EXPECT_TRUE(same_elements(v, want, 5));
}

// In place with len 1 (and below) writes nothing: the array is on a read-only page.
TEST(Flip, InPlaceShortVectorsWriteNothing) {
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  void* p = mmap(nullptr, page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(p, MAP_FAILED);
  memset(p, 7, page);
  ASSERT_EQ(mprotect(p, page, PROT_READ), 0);
  for (int len : {1, 0, -1}) {
    EXPECT_EQ(qvx_Vector_Flip_8U_I(static_cast<Qvx8u*>(p), len), 0);
    EXPECT_EQ(qvx_Vector_Flip_16S_I(static_cast<Qvx16s*>(p), len), 0);
    EXPECT_EQ(qvx_Vector_Flip_32S_I(static_cast<Qvx32s*>(p), len), 0);
    EXPECT_EQ(qvx_Vector_Flip_32F_I(static_cast<Qvx32f*>(p), len), 0);
    EXPECT_EQ(qvx_Vector_Flip_64F_I(static_cast<Qvx64f*>(p), len), 0);
  }
  munmap(p, page);
}

template <class T>
void sweep_flip(QvxStatus (*fn)(const T*, T*, int), const char* name) {
  Rng rng(41);
  Guarded gs, gd;
  sweep(alignof(T), [&](int len, const Layout& lay) {
    T* s = place<T>(gs, len, lay);
    T* d = place<T>(gd, len, lay);
    fill_random(s, len, rng);
    std::vector<T> want(s, s + std::max(len, 0));
    std::reverse(want.begin(), want.end());
    std::vector<T> src_before(s, s + std::max(len, 0));
    ASSERT_EQ(fn(s, d, len), 0);
    ASSERT_TRUE(same_elements(d, want.data(), len)) << name << " len " << len << " " << lay.str();
    ASSERT_TRUE(same_elements(s, src_before.data(), len)) << name << ": source changed";
    ASSERT_TRUE(gs.canaries_intact() && gd.canaries_intact()) << name;
  });
}

template <class T>
void sweep_flip_in_place(QvxStatus (*fn)(T*, int), const char* name) {
  Rng rng(42);
  Guarded g;
  sweep(alignof(T), [&](int len, const Layout& lay) {
    T* p = place<T>(g, len, lay);
    fill_random(p, len, rng);
    std::vector<T> want(p, p + std::max(len, 0));
    std::reverse(want.begin(), want.end());
    ASSERT_EQ(fn(p, len), 0);
    ASSERT_TRUE(same_elements(p, want.data(), len)) << name << " len " << len << " " << lay.str();
    ASSERT_TRUE(g.canaries_intact()) << name;
  });
  // Odd and even lengths around the block sizes, with a unique value in every element.
  for (int len = 1; len <= 80; ++len) {
    std::vector<T> v(len), want(len);
    for (int i = 0; i < len; ++i) {
      uint64_t tag = 0x0101010101010101ull * static_cast<uint64_t>(i + 1);
      memcpy(&v[i], &tag, sizeof(T));
    }
    want = v;
    std::reverse(want.begin(), want.end());
    fn(v.data(), len);
    ASSERT_TRUE(same_elements(v.data(), want.data(), len)) << name << " len " << len;
  }
}

TEST(Flip, EveryWidthMatchesTheModel) {
  sweep_flip<Qvx8u>(qvx_Vector_Flip_8U, "Flip_8U");
  sweep_flip<Qvx16s>(qvx_Vector_Flip_16S, "Flip_16S");
  sweep_flip<Qvx32s>(qvx_Vector_Flip_32S, "Flip_32S");
  sweep_flip<Qvx32f>(qvx_Vector_Flip_32F, "Flip_32F");
  sweep_flip<Qvx64f>(qvx_Vector_Flip_64F, "Flip_64F");
}

TEST(Flip, InPlaceEveryWidthOddAndEvenLengths) {
  sweep_flip_in_place<Qvx8u>(qvx_Vector_Flip_8U_I, "Flip_8U_I");
  sweep_flip_in_place<Qvx16s>(qvx_Vector_Flip_16S_I, "Flip_16S_I");
  sweep_flip_in_place<Qvx32s>(qvx_Vector_Flip_32S_I, "Flip_32S_I");
  sweep_flip_in_place<Qvx32f>(qvx_Vector_Flip_32F_I, "Flip_32F_I");
  sweep_flip_in_place<Qvx64f>(qvx_Vector_Flip_64F_I, "Flip_64F_I");
}

TEST(Flip, SecondNamesShareTheFunction) {
  EXPECT_EQ(reinterpret_cast<void*>(qvx_Vector_Flip_32F),
            reinterpret_cast<void*>(qvx_Vector_Flip_32S));
  EXPECT_EQ(reinterpret_cast<void*>(qvx_Vector_Flip_32F_I),
            reinterpret_cast<void*>(qvx_Vector_Flip_32S_I));
}

}  // namespace
