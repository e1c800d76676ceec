// Byte swaps: telling patterns and every element against a byte-reversal model, with
// separate arrays and in place.
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

TEST(SwapByte, TellingPatterns) {
  const Qvx16s s16[2] = {0x1234, static_cast<Qvx16s>(0x80FF)};
  Qvx16s d16[2];
  qvx_Vector_SwapByte_16S(s16, d16, 2);
  EXPECT_EQ(d16[0], 0x3412);
  EXPECT_EQ(static_cast<uint16_t>(d16[1]), 0xFF80);

  const uint8_t b32[4] = {0x11, 0x22, 0x33, 0x44};
  Qvx32s s32, d32;
  memcpy(&s32, b32, 4);
  qvx_Vector_SwapByte_32S(&s32, &d32, 1);
  uint8_t got32[4];
  memcpy(got32, &d32, 4);
  EXPECT_EQ(got32[0], 0x44);
  EXPECT_EQ(got32[1], 0x33);
  EXPECT_EQ(got32[2], 0x22);
  EXPECT_EQ(got32[3], 0x11);

  const uint8_t b64[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  Qvx64s s64, d64;
  memcpy(&s64, b64, 8);
  qvx_Vector_SwapByte_64S(&s64, &d64, 1);
  uint8_t got64[8];
  memcpy(got64, &d64, 8);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(got64[k], 8 - k) << k;
}

// The model: the element's bytes, in memory order, reversed.
template <class T>
T reversed_bytes(T v) {
  uint8_t b[sizeof(T)];
  memcpy(b, &v, sizeof b);
  std::reverse(b, b + sizeof b);
  memcpy(&v, b, sizeof b);
  return v;
}

template <class T>
void sweep_swap(QvxStatus (*fn)(const T*, T*, int), const char* name) {
  Rng rng(21);
  Guarded gs, gd;
  for (bool in_place : {false, true}) {
    sweep(alignof(T), [&](int len, const Layout& lay) {
      T* s = place<T>(gs, len, lay);
      fill_random(s, len, rng);
      std::vector<T> want(len);
      for (int i = 0; i < len; ++i) want[i] = reversed_bytes(s[i]);
      T* d = in_place ? s : place<T>(gd, len, lay);
      ASSERT_EQ(fn(s, d, len), 0);
      ASSERT_TRUE(same_elements(d, want.data(), len))
          << name << " len " << len << " " << lay.str() << (in_place ? " in place" : "");
      ASSERT_TRUE(gs.canaries_intact() && gd.canaries_intact());
    });
  }
}

TEST(SwapByte, EveryElementIsItsBytesReversed) {
  sweep_swap<Qvx16s>(qvx_Vector_SwapByte_16S, "SwapByte_16S");
  sweep_swap<Qvx32s>(qvx_Vector_SwapByte_32S, "SwapByte_32S");
  sweep_swap<Qvx64s>(qvx_Vector_SwapByte_64S, "SwapByte_64S");
}

}  // namespace
