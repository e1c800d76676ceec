// Masked fill: the bit order inside a mask word, the number of mask words read (checked
// with the mask flush against a guard page), untouched elements, and every element against
// a model.
#include <gtest/gtest.h>
#include <limits.h>
#include <sys/mman.h>
#include <unistd.h>

#include <vector>

#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

template <class T>
using SetMaskFn = QvxStatus (*)(const Qvx32u*, int, T*, int);

TEST(SetMask, LsbTakesBitZeroFirst) {
  const Qvx32u mask[1] = {5};
  Qvx8u d[3] = {1, 2, 3};
  EXPECT_EQ(qvx_Vector_SetMask_LSB_8U(mask, 9, d, 3), 0);
  EXPECT_EQ(d[0], 9);
  EXPECT_EQ(d[1], 2);
  EXPECT_EQ(d[2], 9);
}

TEST(SetMask, MsbTakesBit31FirstAlsoInAPartialWord) {
  Qvx32u mask[2] = {0x80000000u, 0};
  Qvx16s d[33];
  for (int i = 0; i < 33; ++i) d[i] = static_cast<Qvx16s>(100 + i);
  qvx_Vector_SetMask_MSB_16S(mask, -7, d, 2);
  EXPECT_EQ(d[0], -7);
  EXPECT_EQ(d[1], 101);

  // Element 32 starts the second word at its bit 31; the low bits of that word lie past
  // len and are ignored.
  for (int i = 0; i < 33; ++i) d[i] = static_cast<Qvx16s>(100 + i);
  mask[0] = 0x40000001u;  // elements 1 and 31
  mask[1] = 0x80000000u | 0x7FFFFFFFu;
  qvx_Vector_SetMask_MSB_16S(mask, 0x12345, d, 33);  // low 16 bits: 0x2345
  for (int i = 0; i < 33; ++i) {
    const bool set = i == 1 || i == 31 || i == 32;
    EXPECT_EQ(d[i], set ? 0x2345 : 100 + i) << i;
  }
  mask[1] = 0x7FFFFFFFu;  // bit 31 clear: element 32 untouched, whatever the bits below
  for (int i = 0; i < 33; ++i) d[i] = static_cast<Qvx16s>(100 + i);
  qvx_Vector_SetMask_MSB_16S(mask, 1, d, 33);
  EXPECT_EQ(d[32], 132);
}

TEST(SetMask, ValueKeepsOnlyTheElementWidth) {
  const Qvx32u mask[1] = {0xFFFFFFFFu};
  Qvx8u d8[2];
  qvx_Vector_SetMask_LSB_8U(mask, 0x1FF, d8, 2);
  EXPECT_EQ(d8[0], 0xFF);
  Qvx32s d32[2];
  qvx_Vector_SetMask_LSB_32S(mask, INT_MIN, d32, 2);
  EXPECT_EQ(d32[1], INT_MIN);
}

// The mask sits flush against the guard page that follows it, holding exactly
// ceil(len/32) words: one word more read would fault.  The destination is flush too.
template <class T>
void reads_exactly_the_mask_words(SetMaskFn<T> fn, bool msb, const char* name) {
  Rng rng(31);
  for (int len : {1, 2, 31, 32, 33, 63, 64, 65, 95, 96, 97, 1000, 1024, 1025}) {
    const size_t words = (static_cast<size_t>(len) + 31) / 32;
    Guarded gm(words * 4, 0, Place::End), gd(len * sizeof(T), 0, Place::End);
    Qvx32u* mask = gm.as<Qvx32u>();
    T* d = gd.as<T>();
    fill_random(mask, words, rng);
    fill_random(d, len, rng);
    std::vector<T> before(d, d + len);
    ASSERT_EQ(fn(mask, 3, d, len), 0) << name;
    for (int j = 0; j < len; ++j) {
      const int b = msb ? 31 - j % 32 : j % 32;
      const bool set = (mask[j / 32] >> b) & 1u;
      ASSERT_EQ(d[j], set ? T(3) : before[j]) << name << " len " << len << " element " << j;
    }
    EXPECT_TRUE(gm.canaries_intact() && gd.canaries_intact()) << name << " len " << len;
  }
}

TEST(SetMask, ReadsExactlyCeilLenOver32Words) {
  reads_exactly_the_mask_words<Qvx8u>(qvx_Vector_SetMask_LSB_8U, false, "LSB_8U");
  reads_exactly_the_mask_words<Qvx16s>(qvx_Vector_SetMask_LSB_16S, false, "LSB_16S");
  reads_exactly_the_mask_words<Qvx32s>(qvx_Vector_SetMask_LSB_32S, false, "LSB_32S");
  reads_exactly_the_mask_words<Qvx8u>(qvx_Vector_SetMask_MSB_8U, true, "MSB_8U");
  reads_exactly_the_mask_words<Qvx16s>(qvx_Vector_SetMask_MSB_16S, true, "MSB_16S");
  reads_exactly_the_mask_words<Qvx32s>(qvx_Vector_SetMask_MSB_32S, true, "MSB_32S");
}

// With every mask bit 0 the destination is neither written nor read: it lies on pages that
// allow no access at all.
TEST(SetMask, ZeroMaskTouchesNoDestination) {
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  // len 32-bit elements fill the whole mapping.
  void* p = mmap(nullptr, 4 * page, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(p, MAP_FAILED);
  const int len = static_cast<int>(page);
  std::vector<Qvx32u> zero((len + 31) / 32, 0u);
  EXPECT_EQ(qvx_Vector_SetMask_LSB_8U(zero.data(), 1, static_cast<Qvx8u*>(p), len), 0);
  EXPECT_EQ(qvx_Vector_SetMask_MSB_16S(zero.data(), 1, static_cast<Qvx16s*>(p), len), 0);
  EXPECT_EQ(qvx_Vector_SetMask_LSB_32S(zero.data(), 1, static_cast<Qvx32s*>(p), len), 0);
  EXPECT_EQ(qvx_Vector_SetMask_MSB_32S(zero.data(), 1, static_cast<Qvx32s*>(p), len), 0);
  munmap(p, 4 * page);
}

template <class T>
void sweep_model(SetMaskFn<T> fn, bool msb, const char* name) {
  Rng rng(32);
  Guarded gm, gd;
  sweep(alignof(T), [&](int len, const Layout& lay) {
    const size_t words = (static_cast<size_t>(len) + 31) / 32;
    Qvx32u* mask = place<Qvx32u>(gm, words, Layout{lay.offset / 4 * 4, lay.place});
    T* d = place<T>(gd, len, lay);
    // Sparse, dense, empty and full words.
    for (size_t k = 0; k < words; ++k) {
      const uint32_t r = static_cast<uint32_t>(rng());
      const uint32_t kinds[] = {r,          r & static_cast<uint32_t>(rng()), 0u, 0xFFFFFFFFu, 1u,
                                0x80000000u};
      mask[k] = kinds[rng() % 6];
    }
    fill_random(d, len, rng);
    const int val = static_cast<int>(rng());
    std::vector<T> want(d, d + len);
    for (int j = 0; j < len; ++j) {
      const int b = msb ? 31 - j % 32 : j % 32;
      if ((mask[j / 32] >> b) & 1u) want[j] = static_cast<T>(val);
    }
    ASSERT_EQ(fn(mask, val, d, len), 0);
    ASSERT_TRUE(same_elements(d, want.data(), len)) << name << " len " << len << " " << lay.str();
    ASSERT_TRUE(gd.canaries_intact()) << name;
  });
}

TEST(SetMask, EveryElementMatchesTheModel) {
  sweep_model<Qvx8u>(qvx_Vector_SetMask_LSB_8U, false, "LSB_8U");
  sweep_model<Qvx16s>(qvx_Vector_SetMask_LSB_16S, false, "LSB_16S");
  sweep_model<Qvx32s>(qvx_Vector_SetMask_LSB_32S, false, "LSB_32S");
  sweep_model<Qvx8u>(qvx_Vector_SetMask_MSB_8U, true, "MSB_8U");
  sweep_model<Qvx16s>(qvx_Vector_SetMask_MSB_16S, true, "MSB_16S");
  sweep_model<Qvx32s>(qvx_Vector_SetMask_MSB_32S, true, "MSB_32S");
}

}  // namespace
