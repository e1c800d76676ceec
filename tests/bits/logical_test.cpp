// Logical operations: the low bits of the constant, the complement, and every element
// against a bit-level model, with separate arrays and in place.
#include <gtest/gtest.h>
#include <limits.h>

#include <vector>

#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

// ---- telling cases ---------------------------------------------------------------------

TEST(LogicalConst, OnlyTheLowBitsOfTheConstantCount) {
  const Qvx8u s8[3] = {0xFF, 0x0F, 0xA5};
  Qvx8u d8[3];
  qvx_Vector_AndC_8U(s8, 0x1F0, d8, 3);
  EXPECT_EQ(d8[0], 0xF0);
  EXPECT_EQ(d8[1], 0x00);
  EXPECT_EQ(d8[2], 0xA0);
  qvx_Vector_OrC_8U(s8, -256, d8, 3);  // low byte 0: unchanged
  EXPECT_EQ(d8[2], 0xA5);

  const Qvx16s s16[2] = {0x1234, -1};
  Qvx16s d16[2];
  qvx_Vector_XorC_16S(s16, 0x7FFFF, d16, 2);  // above 65535: 0xFFFF counts
  EXPECT_EQ(static_cast<uint16_t>(d16[0]), 0xEDCB);
  EXPECT_EQ(d16[1], 0);
  qvx_Vector_AndC_16S(s16, 0x10000, d16, 2);  // low 16 bits all zero
  EXPECT_EQ(d16[0], 0);
  EXPECT_EQ(d16[1], 0);

  const Qvx32s s32[2] = {0x12345678, INT_MIN};
  Qvx32s d32[2];
  qvx_Vector_OrC_32S(s32, INT_MIN, d32, 2);  // all 32 bits count
  EXPECT_EQ(d32[0], static_cast<Qvx32s>(0x92345678u));
  EXPECT_EQ(d32[1], INT_MIN);
  qvx_Vector_XorC_32S(s32, -1, d32, 2);
  EXPECT_EQ(d32[0], ~0x12345678);
  EXPECT_EQ(d32[1], INT_MAX);
}

TEST(LogicalVectors, TellingBytes) {
  const Qvx8u a[4] = {0x0F, 0xF0, 0xAA, 0x00};
  const Qvx8u b[4] = {0xFF, 0x0F, 0x55, 0x00};
  Qvx8u d[4];
  qvx_Vector_And_8U(a, b, d, 4);
  EXPECT_EQ(d[0], 0x0F);
  EXPECT_EQ(d[1], 0x00);
  EXPECT_EQ(d[2], 0x00);
  EXPECT_EQ(d[3], 0x00);
  qvx_Vector_Or_8U(a, b, d, 4);
  EXPECT_EQ(d[0], 0xFF);
  EXPECT_EQ(d[1], 0xFF);
  EXPECT_EQ(d[2], 0xFF);
  EXPECT_EQ(d[3], 0x00);
  qvx_Vector_Xor_8U(a, b, d, 4);
  EXPECT_EQ(d[0], 0xF0);
  EXPECT_EQ(d[1], 0xFF);
  EXPECT_EQ(d[2], 0xFF);
  EXPECT_EQ(d[3], 0x00);
  qvx_Vector_Not_8U(a, d, 4);
  EXPECT_EQ(d[0], 0xF0);
  EXPECT_EQ(d[1], 0x0F);
  EXPECT_EQ(d[2], 0x55);
  EXPECT_EQ(d[3], 0xFF);
}

// ---- models and sweeps -------------------------------------------------------------------

enum class Op { And, Or, Xor };

uint32_t apply(Op op, uint32_t a, uint32_t b) {
  return op == Op::And ? (a & b) : op == Op::Or ? (a | b) : (a ^ b);
}

// The element's bits as an unsigned 32-bit value, and back.
template <class T>
uint32_t bits(T v) {
  return static_cast<uint32_t>(v) & (sizeof(T) == 4 ? 0xFFFFFFFFu : (1u << (8 * sizeof(T))) - 1);
}

// Where the destination goes: its own array, or over source 1 or source 2.
enum class Where { Separate, OnSrc1, OnSrc2 };

using Binary = QvxStatus (*)(const Qvx8u*, const Qvx8u*, Qvx8u*, int);

void sweep_binary(Binary fn, Op op, const char* name) {
  Rng rng(11);
  Guarded g1, g2, gd;
  for (Where where : {Where::Separate, Where::OnSrc1, Where::OnSrc2}) {
    sweep(1, [&](int len, const Layout& lay) {
      Qvx8u* a = place<Qvx8u>(g1, len, lay);
      Qvx8u* b = place<Qvx8u>(g2, len, lay);
      fill_random(a, len, rng);
      fill_random(b, len, rng);
      std::vector<Qvx8u> want(len);
      for (int i = 0; i < len; ++i) want[i] = static_cast<Qvx8u>(apply(op, a[i], b[i]));
      Qvx8u* d = where == Where::OnSrc1   ? a
                 : where == Where::OnSrc2 ? b
                                          : place<Qvx8u>(gd, len, lay);
      ASSERT_EQ(fn(a, b, d, len), 0);
      ASSERT_TRUE(same_elements(d, want.data(), len))
          << name << " len " << len << " " << lay.str() << " where " << static_cast<int>(where);
      ASSERT_TRUE(g1.canaries_intact() && g2.canaries_intact() && gd.canaries_intact());
    });
  }
}

TEST(LogicalVectors, EveryElementMatchesTheBitModel) {
  sweep_binary(qvx_Vector_And_8U, Op::And, "And_8U");
  sweep_binary(qvx_Vector_Or_8U, Op::Or, "Or_8U");
  sweep_binary(qvx_Vector_Xor_8U, Op::Xor, "Xor_8U");
}

template <class T>
void sweep_const(QvxStatus (*fn)(const T*, int, T*, int), Op op, const char* name) {
  Rng rng(12);
  Guarded gs, gd;
  const uint32_t width_mask = sizeof(T) == 4 ? 0xFFFFFFFFu : (1u << (8 * sizeof(T))) - 1;
  for (bool in_place : {false, true}) {
    sweep(alignof(T), [&](int len, const Layout& lay) {
      T* s = place<T>(gs, len, lay);
      fill_random(s, len, rng);
      // Constants beyond the element's width, negative ones and the int bounds.
      const int vals[] = {static_cast<int>(rng()), INT_MIN, INT_MAX, -1, 0x1F0, 0x12345};
      const int val = vals[rng() % 6];
      std::vector<T> want(len);
      for (int i = 0; i < len; ++i)
        want[i] = static_cast<T>(apply(op, bits(s[i]), static_cast<uint32_t>(val) & width_mask));
      T* d = in_place ? s : place<T>(gd, len, lay);
      ASSERT_EQ(fn(s, val, d, len), 0);
      ASSERT_TRUE(same_elements(d, want.data(), len))
          << name << " val " << val << " len " << len << " " << lay.str()
          << (in_place ? " in place" : "");
      ASSERT_TRUE(gs.canaries_intact() && gd.canaries_intact());
    });
  }
}

TEST(LogicalConst, EveryElementMatchesTheBitModel) {
  sweep_const<Qvx8u>(qvx_Vector_AndC_8U, Op::And, "AndC_8U");
  sweep_const<Qvx8u>(qvx_Vector_OrC_8U, Op::Or, "OrC_8U");
  sweep_const<Qvx8u>(qvx_Vector_XorC_8U, Op::Xor, "XorC_8U");
  sweep_const<Qvx16s>(qvx_Vector_AndC_16S, Op::And, "AndC_16S");
  sweep_const<Qvx16s>(qvx_Vector_OrC_16S, Op::Or, "OrC_16S");
  sweep_const<Qvx16s>(qvx_Vector_XorC_16S, Op::Xor, "XorC_16S");
  sweep_const<Qvx32s>(qvx_Vector_AndC_32S, Op::And, "AndC_32S");
  sweep_const<Qvx32s>(qvx_Vector_OrC_32S, Op::Or, "OrC_32S");
  sweep_const<Qvx32s>(qvx_Vector_XorC_32S, Op::Xor, "XorC_32S");
}

TEST(LogicalNot, EveryBitInvertedSeparateAndInPlace) {
  Rng rng(13);
  Guarded gs, gd;
  for (bool in_place : {false, true}) {
    sweep(1, [&](int len, const Layout& lay) {
      Qvx8u* s = place<Qvx8u>(gs, len, lay);
      fill_random(s, len, rng);
      std::vector<Qvx8u> want(len);
      for (int i = 0; i < len; ++i) want[i] = static_cast<Qvx8u>(255 - s[i]);
      Qvx8u* d = in_place ? s : place<Qvx8u>(gd, len, lay);
      ASSERT_EQ(qvx_Vector_Not_8U(s, d, len), 0);
      ASSERT_TRUE(same_elements(d, want.data(), len)) << "len " << len << " " << lay.str();
    });
  }
}

}  // namespace
