// Masked fill: the bit order inside a mask word (a partial last word included), the low bits
// of the value, the destination never read, and every element against a model.
#include <gtest/gtest.h>
#include <limits.h>

#include <algorithm>
#include <vector>

#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

template <class T>
using SetMaskFn = QvxStatus (*)(const Qvx32u*, int, T*, int);

// dst[i] starts as 100 + i; afterwards the elements listed in `set` hold `want` and the
// others are unchanged.
template <class T>
void expect_fill(SetMaskFn<T> fn, std::vector<Qvx32u> mask, int val, int len,
                 std::vector<int> set, T want) {
  std::vector<T> d(len);
  for (int i = 0; i < len; ++i) d[i] = static_cast<T>(100 + i);
  ASSERT_EQ(fn(mask.data(), val, d.data(), len), 0);
  for (int i = 0; i < len; ++i) {
    const bool is_set = std::find(set.begin(), set.end(), i) != set.end();
    EXPECT_EQ(d[i], is_set ? want : static_cast<T>(100 + i)) << "element " << i;
  }
}

TEST(SetMask, TellingCases) {
  expect_fill<Qvx8u>(qvx_Vector_SetMask_LSB_8U, {5u}, 9, 3, {0, 2}, 9);
  expect_fill<Qvx16s>(qvx_Vector_SetMask_MSB_16S, {0x80000000u}, -7, 2, {0}, -7);
  // Element 32 starts the second word at bit 31 (MSB) or bit 0 (LSB) although that word is
  // partial; the bits past len are ignored.
  expect_fill<Qvx16s>(qvx_Vector_SetMask_MSB_16S, {0x40000001u, 0xFFFFFFFFu}, 5, 33,
                      {1, 31, 32}, 5);
  expect_fill<Qvx16s>(qvx_Vector_SetMask_MSB_16S, {0u, 0x7FFFFFFFu}, 5, 33, {}, 0);
  expect_fill<Qvx16s>(qvx_Vector_SetMask_LSB_16S, {0x80000002u, 1u}, 5, 33, {1, 31, 32}, 5);
  // Only the value's low bits of the element width are stored.
  expect_fill<Qvx8u>(qvx_Vector_SetMask_LSB_8U, {~0u}, 0x1FF, 2, {0, 1}, 0xFF);
  expect_fill<Qvx32s>(qvx_Vector_SetMask_MSB_32S, {~0u}, INT_MIN, 2, {0, 1}, INT_MIN);
}

// With every mask bit 0 the destination is neither written nor read: it lies on a page that
// allows no access.
TEST(SetMask, ZeroMaskTouchesNoDestination) {
  Guarded none(0, 0, Place::End);  // the data pointer is the start of the guard page
  const std::vector<Qvx32u> zero(32, 0u);
  EXPECT_EQ(qvx_Vector_SetMask_LSB_8U(zero.data(), 1, none.as<Qvx8u>(), 1000), 0);
  EXPECT_EQ(qvx_Vector_SetMask_MSB_16S(zero.data(), 1, none.as<Qvx16s>(), 1000), 0);
  EXPECT_EQ(qvx_Vector_SetMask_LSB_32S(zero.data(), 1, none.as<Qvx32s>(), 1000), 0);
  EXPECT_EQ(qvx_Vector_SetMask_MSB_32S(zero.data(), 1, none.as<Qvx32s>(), 1000), 0);
}

// Element j follows bit j%32 (LSB) or 31 - j%32 (MSB) of word j/32.  (That exactly
// ceil(len/32) words are read is the sweep's: its masks end at a guard page.)
template <class T>
void model_sweep(SetMaskFn<T> fn, bool msb, const char* name) {
  Rng rng(32);
  for (int len : sweep_lengths()) {
    std::vector<Qvx32u> mask((static_cast<size_t>(len) + 31) / 32);
    for (size_t k = 0; k < mask.size(); ++k) {  // random, sparse, empty, full, single-bit words
      const uint32_t r = static_cast<uint32_t>(rng());
      const uint32_t kinds[] = {r, r & static_cast<uint32_t>(rng()), 0u, ~0u, 1u, 0x80000000u};
      mask[k] = kinds[rng() % 6];
    }
    std::vector<T> d(len);
    fill_random(d.data(), len, rng);
    std::vector<T> want = d;
    const int val = static_cast<int>(rng());
    for (int j = 0; j < len; ++j)
      if ((mask[j / 32] >> (msb ? 31 - j % 32 : j % 32)) & 1u) want[j] = static_cast<T>(val);
    ASSERT_EQ(fn(mask.data(), val, d.data(), len), 0);
    ASSERT_TRUE(same_elements(d.data(), want.data(), len)) << name << " len " << len;
  }
}

TEST(SetMask, EveryElementMatchesTheModel) {
  model_sweep<Qvx8u>(qvx_Vector_SetMask_LSB_8U, false, "LSB_8U");
  model_sweep<Qvx16s>(qvx_Vector_SetMask_LSB_16S, false, "LSB_16S");
  model_sweep<Qvx32s>(qvx_Vector_SetMask_LSB_32S, false, "LSB_32S");
  model_sweep<Qvx8u>(qvx_Vector_SetMask_MSB_8U, true, "MSB_8U");
  model_sweep<Qvx16s>(qvx_Vector_SetMask_MSB_16S, true, "MSB_16S");
  model_sweep<Qvx32s>(qvx_Vector_SetMask_MSB_32S, true, "MSB_32S");
}

}  // namespace
