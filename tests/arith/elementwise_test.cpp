// Element-wise arithmetic of two vectors.
#include <limits.h>

#include "cases.h"
#include "support/guarded.h"

namespace arith_test {
namespace {

using C32 = Qvx32fc;
using C64 = Qvx64fc;

TEST(ReferenceModels, RoundEveryOperation) {
  // Through volatile, so the compiler cannot fold the expressions away: a test build that
  // fused or widened would see 2^-24 (2^-54) instead of 0.
  volatile float p32 = kP32;
  volatile double p64 = kP64;
  const C32 m32 = ref_cmul(C32{p32, p32}, C32{p32, p32});
  const C64 m64 = ref_cmul(C64{p64, p64}, C64{p64, p64});
  EXPECT_EQ(m32.re, 0.0f);
  EXPECT_EQ(m64.re, 0.0);
  const float r32 = p32 * p32 - kP32Sq;
  const double r64 = p64 * p64 - kP64Sq;
  EXPECT_EQ(r32, 0.0f);
  EXPECT_EQ(r64, 0.0);
}

// ---- real ----

TEST(RealElementwise, OperandOrderAndIeeeResults) {
  EXPECT_TRUE(binary_gives(qvx_Vector_Sub_32F, 5.0f, 3.0f, 2.0f));
  EXPECT_TRUE(binary_gives(qvx_Vector_Sub_64F, 5.0, 3.0, 2.0));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32F, 1.0f, 4.0f, 0.25f));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_64F, 1.0, 4.0, 0.25));
  // A true quotient, not a product with a reciprocal (3 * (1/7) is 0.4285714626312256).
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32F, 3.0f, 7.0f, 0.4285714328289032f));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_64F, 3.0, 5.0, 0.6));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32F, 1.0f, 0.0f, kInfF));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32F, -1.0f, 0.0f, -kInfF));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32F, 1.0f, -0.0f, -kInfF));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32F, 0.0f, 0.0f, kNanF));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_64F, 1.0, -0.0, -kInf));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_64F, 0.0, 0.0, kNan));
}

TEST(RealElementwise, SignedZerosOverflowAndDenormals) {
  EXPECT_TRUE(binary_gives(qvx_Vector_Add_32F, -0.0f, -0.0f, -0.0f));
  EXPECT_TRUE(binary_gives(qvx_Vector_Add_32F, -0.0f, 0.0f, 0.0f));
  EXPECT_TRUE(binary_gives(qvx_Vector_Sub_32F, 0.0f, 0.0f, 0.0f));
  EXPECT_TRUE(binary_gives(qvx_Vector_Sub_64F, -0.0, 0.0, -0.0));
  EXPECT_TRUE(binary_gives(qvx_Vector_Mul_32F, -0.0f, 3.0f, -0.0f));
  EXPECT_TRUE(binary_gives(qvx_Vector_Mul_32F, FLT_MAX, 2.0f, kInfF));
  EXPECT_TRUE(binary_gives(qvx_Vector_Mul_64F, kInf, 0.0, kNan));
  // Denormal results are kept, not flushed to zero, and denormal inputs are not zero.
  EXPECT_TRUE(binary_gives(qvx_Vector_Mul_32F, FLT_MIN, 0.5f, FLT_MIN / 2));
  EXPECT_TRUE(binary_gives(qvx_Vector_Add_32F, FLT_TRUE_MIN, FLT_TRUE_MIN, 2 * FLT_TRUE_MIN));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_64F, DBL_MIN, 4.0, DBL_MIN / 4));
  EXPECT_TRUE(binary_gives(qvx_Vector_Sub_64F, DBL_TRUE_MIN, 0.0, DBL_TRUE_MIN));
}

// ---- complex ----

TEST(ComplexElementwise, ProductRoundsEachProduct) {
  EXPECT_TRUE(binary_gives(qvx_Vector_Mul_32FC, C32{1, 2}, C32{3, 4}, C32{-5, 10}));
  EXPECT_TRUE(binary_gives(qvx_Vector_Mul_64FC, C64{1, 2}, C64{3, 4}, C64{-5, 10}));
  // re = p*p - p*p: 0 only when both products are rounded.
  EXPECT_TRUE(
      binary_gives(qvx_Vector_Mul_32FC, C32{kP32, kP32}, C32{kP32, kP32}, C32{0.0f, 2 * kP32Sq}));
  EXPECT_TRUE(
      binary_gives(qvx_Vector_Mul_64FC, C64{kP64, kP64}, C64{kP64, kP64}, C64{0.0, 2 * kP64Sq}));
  // im = (-p)*p + p*p, likewise.
  EXPECT_TRUE(
      binary_gives(qvx_Vector_Mul_32FC, C32{kP32, -kP32}, C32{kP32, kP32}, C32{2 * kP32Sq, 0.0f}));
  EXPECT_TRUE(
      binary_gives(qvx_Vector_Mul_64FC, C64{kP64, -kP64}, C64{kP64, kP64}, C64{2 * kP64Sq, 0.0}));
}

TEST(ComplexElementwise, SplitProductIsTheSameFormula) {
  const float ar[] = {1, kP32, kP32}, ai[] = {2, kP32, -kP32};
  const float br[] = {3, kP32, kP32}, bi[] = {4, kP32, kP32};
  float re[3], im[3];
  ASSERT_EQ(qvx_Vector_Mul_CToC_32F(ar, ai, br, bi, re, im, 3), 0);
  EXPECT_EQ(re[0], -5.0f);
  EXPECT_EQ(im[0], 10.0f);
  EXPECT_EQ(re[1], 0.0f);
  EXPECT_EQ(im[1], 2 * kP32Sq);
  EXPECT_EQ(re[2], 2 * kP32Sq);
  EXPECT_EQ(im[2], 0.0f);
  const double dr[] = {kP64}, di[] = {kP64};
  double ore[1], oim[1];
  ASSERT_EQ(qvx_Vector_Mul_CToC_64F(dr, di, dr, di, ore, oim, 1), 0);
  EXPECT_EQ(ore[0], 0.0);
  EXPECT_EQ(oim[0], 2 * kP64Sq);
}

TEST(ComplexElementwise, QuotientDividesByTheSquaredMagnitude) {
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_64FC, C64{-5, 10}, C64{3, 4}, C64{1, 2}));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32FC, C32{-5, 10}, C32{3, 4}, C32{1, 2}));
  // True divisions by d = 5: 9/5 and -18/5, where 9 * (1/5) would be 1.8000000715255737.
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32FC, C32{9, 0}, C32{1, 2},
                           C32{1.7999999523162842f, -3.5999999046325684f}));
  // 3 * (1/5) would be 0.6000000000000001.
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_64FC, C64{3, 0}, C64{1, 2}, C64{0.6, -1.2}));
  // Numerator p*p + (-p)*p is 0 only with both products rounded; d = 2 p*p.
  EXPECT_TRUE(
      binary_gives(qvx_Vector_Div_32FC, C32{kP32, -kP32}, C32{kP32, kP32}, C32{0.0f, -1.0f}));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32FC, C32{kP32, kP32}, C32{kP32, kP32}, C32{1.0f, 0.0f}));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_64FC, C64{kP64, -kP64}, C64{kP64, kP64}, C64{0.0, -1.0}));
}

TEST(ComplexElementwise, QuotientHasNoSpecialCases) {
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32FC, C32{1, 0}, C32{0, 0}, C32{kNanF, kNanF}));
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_64FC, C64{1, 0}, C64{0, 0}, C64{kNan, kNan}));
  // d = 1e40 overflows single precision: 1e20 / inf and 0 / inf.
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32FC, C32{1, 0}, C32{1e20f, 0}, C32{0.0f, 0.0f}));
  // In double precision d is finite and the quotient is not zero.
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_64FC, C64{1, 0}, C64{0x1p70, 0}, C64{0x1p-70, 0.0}));
  // d underflows to 0 in single precision: 1e-25 / 0 and 0 / 0.
  EXPECT_TRUE(binary_gives(qvx_Vector_Div_32FC, C32{1, 0}, C32{1e-25f, 0}, C32{kInfF, kNanF}));
}

TEST(ComplexElementwise, RealTimesComplex) {
  EXPECT_TRUE(binary_gives(qvx_Vector_Mul_32F_32FC, 2.0f, C32{3, 4}, C32{6, 8}));
  EXPECT_TRUE(binary_gives(qvx_Vector_Mul_64F_64FC, -0.5, C64{3, -kInf}, C64{-1.5, kInf}));
  EXPECT_TRUE(binary_gives(qvx_Vector_Mul_32F_32FC, kInfF, C32{0, 1}, C32{kNanF, kInfF}));
}

TEST(ComplexElementwise, AddAndSubWorkOnTwiceLenScalars) {
  qvxt::Guarded ga(6 * sizeof(float), 0, qvxt::Place::End), gb(6 * sizeof(float)),
      gd(6 * sizeof(float), 0, qvxt::Place::End);
  C32* a = ga.as<C32>();
  C32* b = gb.as<C32>();
  C32* d = gd.as<C32>();
  for (int i = 0; i < 3; ++i) {
    a[i] = C32{float(i), float(10 * i)};
    b[i] = C32{0.5f, -0.25f};
  }
  ASSERT_EQ(qvx_Vector_Add_32FC(a, b, d, 3), 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(d[i].re, float(i) + 0.5f);
    EXPECT_EQ(d[i].im, float(10 * i) - 0.25f);
  }
  ASSERT_EQ(qvx_Vector_Sub_32FC(a, b, d, 3), 0);
  EXPECT_EQ(d[2].re, 1.5f);
  EXPECT_EQ(d[2].im, 20.25f);
  EXPECT_TRUE(gd.canaries_intact());
}

TEST(ComplexElementwise, EmptyAndEnormousCountsTouchNothing) {
  // Arrays of no bytes sit on a guard page: any access faults.  2*len wraps to a negative
  // count for len of 2^30 and more, which is empty too.
  qvxt::Guarded g(0, 0, qvxt::Place::End);
  C32* p = g.as<C32>();
  C64* q = g.as<C64>();
  for (int len : {0, -1, INT_MIN, 1 << 30, INT_MAX}) {
    EXPECT_EQ(qvx_Vector_Add_32FC(p, p, p, len), 0);
    EXPECT_EQ(qvx_Vector_Sub_32FC(p, p, p, len), 0);
    EXPECT_EQ(qvx_Vector_Add_64FC(q, q, q, len), 0);
    EXPECT_EQ(qvx_Vector_Sub_64FC(q, q, q, len), 0);
  }
  for (int len : {0, -1, INT_MIN}) {
    EXPECT_EQ(qvx_Vector_Mul_32FC(p, p, p, len), 0);
    EXPECT_EQ(qvx_Vector_Div_64FC(q, q, q, len), 0);
  }
}

// ---- sweeps against the reference models ----

const std::vector<std::vector<int>> kEither = {{0}, {1}};
const auto add = [](auto a, auto b) { return a + b; };
const auto sub = [](auto a, auto b) { return a - b; };
const auto mul = [](auto a, auto b) { return a * b; };
const auto quo = [](auto a, auto b) { return a / b; };

TEST(ElementwiseSweep, Real) {
  check("Add_32F", rule(qvx_Vector_Add_32F, add, kEither));
  check("Sub_32F", rule(qvx_Vector_Sub_32F, sub, kEither));
  check("Mul_32F", rule(qvx_Vector_Mul_32F, mul, kEither));
  check("Div_32F", rule(qvx_Vector_Div_32F, quo, kEither));
  check("Add_64F", rule(qvx_Vector_Add_64F, add, kEither));
  check("Sub_64F", rule(qvx_Vector_Sub_64F, sub, kEither));
  check("Mul_64F", rule(qvx_Vector_Mul_64F, mul, kEither));
  check("Div_64F", rule(qvx_Vector_Div_64F, quo, kEither));
}

// Complex addition and subtraction: each part by itself.
template <class C>
C add_parts(C a, C b) {
  return {a.re + b.re, a.im + b.im};
}
template <class C>
C sub_parts(C a, C b) {
  return {a.re - b.re, a.im - b.im};
}

TEST(ElementwiseSweep, Complex) {
  check("Add_32FC", rule(qvx_Vector_Add_32FC, add_parts<C32>, kEither));
  check("Sub_32FC", rule(qvx_Vector_Sub_32FC, sub_parts<C32>, kEither));
  check("Mul_32FC", rule(qvx_Vector_Mul_32FC, ref_cmul<C32>, kEither));
  check("Div_32FC", rule(qvx_Vector_Div_32FC, ref_cdiv<C32>, kEither));
  check("Add_64FC", rule(qvx_Vector_Add_64FC, add_parts<C64>, kEither));
  check("Sub_64FC", rule(qvx_Vector_Sub_64FC, sub_parts<C64>, kEither));
  check("Mul_64FC", rule(qvx_Vector_Mul_64FC, ref_cmul<C64>, kEither));
  check("Div_64FC", rule(qvx_Vector_Div_64FC, ref_cdiv<C64>, kEither));
  // The destination may be the complex source only.
  check("Mul_32F_32FC", rule(qvx_Vector_Mul_32F_32FC,
                             [](float a, C32 b) {
                               return C32{a * b.re, a * b.im};
                             },
                             {{1}}));
  check("Mul_64F_64FC", rule(qvx_Vector_Mul_64F_64FC,
                             [](double a, C64 b) {
                               return C64{a * b.re, a * b.im};
                             },
                             {{1}}));
}

TEST(ElementwiseSweep, SplitComplex) {
  // Sources (src1Re, src1Im) and (src2Re, src2Im); the destination pair may be either.
  check("Mul_CToC_32F", rule(qvx_Vector_Mul_CToC_32F,
                             [](float ar, float ai, float br, float bi) {
                               return ref_cmul(C32{ar, ai}, C32{br, bi});
                             },
                             {{0, 1}, {2, 3}}));
  check("Mul_CToC_64F", rule(qvx_Vector_Mul_CToC_64F,
                             [](double ar, double ai, double br, double bi) {
                               return ref_cmul(C64{ar, ai}, C64{br, bi});
                             },
                             {{0, 1}, {2, 3}}));
}

}  // namespace
}  // namespace arith_test
