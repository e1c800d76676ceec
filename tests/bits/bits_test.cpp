// Logical operations, byte swaps and masked fills, every element against a bit-level model:
// only the low bits of a constant or fill value count (its assignment to the element keeps
// them), the bytes of each width reversed, the bit order inside a mask word (a partial last
// word included); and a zero mask touches no destination.
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

TEST(Logical, EveryElementMatchesTheBitModel) {
  const auto and_ = [](auto a, auto b, auto& d) { d = a & b; };
  const auto or_ = [](auto a, auto b, auto& d) { d = a | b; };
  const auto xor_ = [](auto a, auto b, auto& d) { d = a ^ b; };
  QVXT_MODEL_SWEEP(And_8U, and_), QVXT_MODEL_SWEEP(Or_8U, or_), QVXT_MODEL_SWEEP(Xor_8U, xor_);
  QVXT_MODEL_SWEEP(Not_8U, [](Qvx8u a, Qvx8u& d) { d = static_cast<Qvx8u>(~a); });
  QVXT_MODEL_SWEEP(AndC_8U, and_), QVXT_MODEL_SWEEP(OrC_8U, or_), QVXT_MODEL_SWEEP(XorC_8U, xor_);
#define SWEEP QVXT_MODEL_SWEEP
  SWEEP(AndC_16S, and_), SWEEP(OrC_16S, or_), SWEEP(XorC_16S, xor_);
  SWEEP(AndC_32S, and_), SWEEP(OrC_32S, or_), SWEEP(XorC_32S, xor_);
}

TEST(SwapByte, EveryElementIsItsBytesReversed) {
  const auto reversed = [](auto v, auto& d) {
    uint8_t b[sizeof v];
    memcpy(b, &v, sizeof b);
    std::reverse(b, b + sizeof b);
    memcpy(&d, b, sizeof b);
  };
  QVXT_MODEL_SWEEP(SwapByte_16S, reversed), QVXT_MODEL_SWEEP(SwapByte_32S, reversed);
  QVXT_MODEL_SWEEP(SwapByte_64S, reversed);
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
void mask_sweep(QvxStatus (*fn)(const Qvx32u*, int, T*, int), bool msb) {
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
    ASSERT_TRUE(same_elements(d.data(), want.data(), len))
        << (msb ? "MSB " : "LSB ") << sizeof(T) * 8 << "-bit, len " << len;
  }
}

TEST(SetMask, EveryElementMatchesTheModel) {
  mask_sweep(qvx_Vector_SetMask_LSB_8U, false), mask_sweep(qvx_Vector_SetMask_MSB_8U, true);
  mask_sweep(qvx_Vector_SetMask_LSB_16S, false), mask_sweep(qvx_Vector_SetMask_MSB_16S, true);
  mask_sweep(qvx_Vector_SetMask_LSB_32S, false), mask_sweep(qvx_Vector_SetMask_MSB_32S, true);
}

}  // namespace
