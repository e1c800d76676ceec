// Masked fill: the destination never touched under a zero mask, and every element against a
// model (the bit order inside a mask word, a partial last word included; the low bits of
// the value).
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
