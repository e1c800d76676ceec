// Logical operations and byte swaps: every element against a bit-level model (only the low
// bits of a constant count: its assignment to the element keeps them; the bytes of each width
// reversed).
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>

#include "support/sweep.h"

namespace {

TEST(Logical, EveryElementMatchesTheBitModel) {
  const auto and_ = [](auto a, auto b, auto& d) { d = a & b; };
  const auto or_ = [](auto a, auto b, auto& d) { d = a | b; };
  const auto xor_ = [](auto a, auto b, auto& d) { d = a ^ b; };
  QVXT_MODEL_SWEEP(And_8U, and_), QVXT_MODEL_SWEEP(Or_8U, or_), QVXT_MODEL_SWEEP(Xor_8U, xor_);
  QVXT_MODEL_SWEEP(Not_8U, [](Qvx8u a, Qvx8u& d) { d = static_cast<Qvx8u>(~a); });
  QVXT_MODEL_SWEEP(AndC_8U, and_), QVXT_MODEL_SWEEP(OrC_8U, or_), QVXT_MODEL_SWEEP(XorC_8U, xor_);
  QVXT_MODEL_SWEEP(AndC_16S, and_), QVXT_MODEL_SWEEP(OrC_16S, or_), QVXT_MODEL_SWEEP(XorC_16S, xor_);
  QVXT_MODEL_SWEEP(AndC_32S, and_), QVXT_MODEL_SWEEP(OrC_32S, or_), QVXT_MODEL_SWEEP(XorC_32S, xor_);
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

}  // namespace
