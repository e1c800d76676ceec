// Element-wise arithmetic of two vectors.
#include "check.h"

namespace arith_test {
namespace {

TEST(RealElementwise, OperandOrderTrueQuotientAndIeeeResults) {
  EXPECT_TRUE(gives(qvx_Vector_Sub_32F, 5, 3, 2));
  EXPECT_TRUE(gives(qvx_Vector_Div_32F, 1, 4, 0.25));
  // True quotients: 3 * (1/7) would be 0.4285714626312256, 3 * (1/5) 0.6000000000000001.
  EXPECT_TRUE(gives(qvx_Vector_Div_32F, 3, 7, 0.4285714328289032f));
  EXPECT_TRUE(gives(qvx_Vector_Div_64F, 3, 5, 0.6));
  EXPECT_TRUE(gives(qvx_Vector_Div_32F, 1, 0, kInfF));
  EXPECT_TRUE(gives(qvx_Vector_Div_32F, -1, 0, -kInfF));
  EXPECT_TRUE(gives(qvx_Vector_Div_32F, 1, -0.0f, -kInfF));
  EXPECT_TRUE(gives(qvx_Vector_Div_32F, 0, 0, kNanF));
  EXPECT_TRUE(gives(qvx_Vector_Div_64F, 1, -0.0, -kInf));
  EXPECT_TRUE(gives(qvx_Vector_Div_64F, 0, 0, kNan));
  // Signed zeros, overflow, and denormals kept (not flushed) on input and output.
  EXPECT_TRUE(gives(qvx_Vector_Add_32F, -0.0f, -0.0f, -0.0f));
  EXPECT_TRUE(gives(qvx_Vector_Sub_64F, -0.0, 0, -0.0));
  EXPECT_TRUE(gives(qvx_Vector_Mul_32F, -0.0f, 3, -0.0f));
  EXPECT_TRUE(gives(qvx_Vector_Mul_32F, FLT_MAX, 2, kInfF));
  EXPECT_TRUE(gives(qvx_Vector_Mul_32F, FLT_MIN, 0.5, FLT_MIN / 2));
  EXPECT_TRUE(gives(qvx_Vector_Add_32F, FLT_TRUE_MIN, FLT_TRUE_MIN, 2 * FLT_TRUE_MIN));
}

TEST(ComplexElementwise, ProductRoundsEachProduct) {
  EXPECT_TRUE(gives(qvx_Vector_Mul_32FC, C32{1, 2}, C32{3, 4}, C32{-5, 10}));
  EXPECT_TRUE(gives(qvx_Vector_Mul_64FC, C64{1, 2}, C64{3, 4}, C64{-5, 10}));
  EXPECT_TRUE(gives(qvx_Vector_Mul_CToC_32F, 1, 2, 3, 4, -5, 10));
  // re = p*p - p*p, and im = (-p)*p + p*p: 0 only when both products are rounded.
  EXPECT_TRUE(gives(qvx_Vector_Mul_32FC, C32{kP32, kP32}, C32{kP32, kP32}, C32{0, 2 * kP32Sq}));
  EXPECT_TRUE(gives(qvx_Vector_Mul_32FC, C32{kP32, -kP32}, C32{kP32, kP32}, C32{2 * kP32Sq, 0}));
  EXPECT_TRUE(gives(qvx_Vector_Mul_64FC, C64{kP64, kP64}, C64{kP64, kP64}, C64{0, 2 * kP64Sq}));
  EXPECT_TRUE(gives(qvx_Vector_Mul_64FC, C64{kP64, -kP64}, C64{kP64, kP64}, C64{2 * kP64Sq, 0}));
  EXPECT_TRUE(gives(qvx_Vector_Mul_CToC_32F, kP32, kP32, kP32, kP32, 0, 2 * kP32Sq));
  EXPECT_TRUE(gives(qvx_Vector_Mul_CToC_32F, kP32, -kP32, kP32, kP32, 2 * kP32Sq, 0));
  EXPECT_TRUE(gives(qvx_Vector_Mul_CToC_64F, kP64, kP64, kP64, kP64, 0, 2 * kP64Sq));
  EXPECT_TRUE(gives(qvx_Vector_Mul_CToC_64F, kP64, -kP64, kP64, kP64, 2 * kP64Sq, 0));
  // Real times complex.
  EXPECT_TRUE(gives(qvx_Vector_Mul_32F_32FC, 2, C32{3, 4}, C32{6, 8}));
  EXPECT_TRUE(gives(qvx_Vector_Mul_64F_64FC, kInf, C64{0, -1}, C64{kNan, -kInf}));
}

TEST(ComplexElementwise, QuotientTrueDivisionsWithoutSpecialCases) {
  EXPECT_TRUE(gives(qvx_Vector_Div_64FC, C64{-5, 10}, C64{3, 4}, C64{1, 2}));
  EXPECT_TRUE(gives(qvx_Vector_Div_32FC, C32{-5, 10}, C32{3, 4}, C32{1, 2}));
  // d = 5: 9 * (1/5) would be 1.8000000715255737, 3 * (1/5) 0.6000000000000001.
  EXPECT_TRUE(gives(qvx_Vector_Div_32FC, C32{9, 0}, C32{1, 2},
                    C32{1.7999999523162842f, -3.5999999046325684f}));
  EXPECT_TRUE(gives(qvx_Vector_Div_64FC, C64{3, 0}, C64{1, 2}, C64{0.6, -1.2}));
  // The numerator p*p + (-p)*p is 0 only with both products rounded; d = 2 p*p.
  EXPECT_TRUE(gives(qvx_Vector_Div_32FC, C32{kP32, -kP32}, C32{kP32, kP32}, C32{0, -1}));
  EXPECT_TRUE(gives(qvx_Vector_Div_64FC, C64{kP64, -kP64}, C64{kP64, kP64}, C64{0, -1}));
  // A zero divisor; d overflowing (1e40) or underflowing (1e-50) single precision, not
  // double precision.
  EXPECT_TRUE(gives(qvx_Vector_Div_32FC, C32{1, 0}, C32{0, 0}, C32{kNanF, kNanF}));
  EXPECT_TRUE(gives(qvx_Vector_Div_64FC, C64{1, 0}, C64{0, 0}, C64{kNan, kNan}));
  EXPECT_TRUE(gives(qvx_Vector_Div_32FC, C32{1, 0}, C32{1e20f, 0}, C32{0, 0}));
  EXPECT_TRUE(gives(qvx_Vector_Div_64FC, C64{1, 0}, C64{0x1p70, 0}, C64{0x1p-70, 0}));
  EXPECT_TRUE(gives(qvx_Vector_Div_32FC, C32{1, 0}, C32{1e-25f, 0}, C32{kInfF, kNanF}));
}

TEST(ElementwiseModel, EveryMember) {
  const auto quo = [](auto a, auto b, auto& d) { d = a / b; };
  const auto cmul_ = [](auto a, auto b, auto& d) { d = cmul(a, b); };
  const auto cdiv_ = [](auto a, auto b, auto& d) { d = cdiv(a, b); };
  const auto rmul = [](auto a, auto b, auto& d) { d = {a * b.re, a * b.im}; };
  SWEEP(Add_32F, add), SWEEP(Add_64F, add), SWEEP(Sub_32F, sub), SWEEP(Sub_64F, sub);
  SWEEP(Add_32FC, parts(add)), SWEEP(Add_64FC, parts(add));
  SWEEP(Sub_32FC, parts(sub)), SWEEP(Sub_64FC, parts(sub));
  SWEEP(Mul_32F, mul), SWEEP(Mul_64F, mul), SWEEP(Mul_32FC, cmul_), SWEEP(Mul_64FC, cmul_);
  SWEEP(Mul_32F_32FC, rmul), SWEEP(Mul_64F_64FC, rmul);
  SWEEP(Mul_CToC_32F, split_cmul), SWEEP(Mul_CToC_64F, split_cmul);
  SWEEP(Div_32F, quo), SWEEP(Div_64F, quo), SWEEP(Div_32FC, cdiv_), SWEEP(Div_64FC, cdiv_);
}

}  // namespace
}  // namespace arith_test
