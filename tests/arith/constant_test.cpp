// Arithmetic with a constant.
#include "check.h"

namespace arith_test {
namespace {

TEST(RealConstant, OperandOrderAndTrueQuotientOfDivCRev) {
  EXPECT_TRUE(gives(qvx_Vector_SubC_32F, 5, 3, 2));
  EXPECT_TRUE(gives(qvx_Vector_SubCRev_32F, 5, 3, -2));
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_64F, 4, 1, 0.25));
  // 3 * (1/7) would be 0.4285714626312256.
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_32F, 7, 3, 0.4285714328289032f));
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_32F, 0, 1, kInfF));
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_32F, -0.0f, 1, -kInfF));
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_64F, -0.0, 1, -kInf));
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_64F, 0, 0, kNan));
}

TEST(RealConstant, DivCMultipliesByTheReciprocal) {
  // 5 * (1/3) and 3 * (1/10), not 5/3 = 1.6666666269302368 and 3/10 = 0.3.
  EXPECT_TRUE(gives(qvx_Vector_DivC_32F, 5, 3, 1.6666667461395264f));
  EXPECT_TRUE(gives(qvx_Vector_DivC_64F, 3, 10, 0.30000000000000004));
  // By zero: an infinite reciprocal.
  EXPECT_TRUE(gives(qvx_Vector_DivC_32F, 2, 0, kInfF));
  EXPECT_TRUE(gives(qvx_Vector_DivC_32F, -2, 0, -kInfF));
  EXPECT_TRUE(gives(qvx_Vector_DivC_32F, 0, 0, kNanF));
  EXPECT_TRUE(gives(qvx_Vector_DivC_64F, 2, -0.0, -kInf));
}

TEST(ComplexConstant, PartsAndProducts) {
  EXPECT_TRUE(gives(qvx_Vector_SubC_32FC, C32{1, 2}, C32{10, 20}, C32{-9, -18}));
  EXPECT_TRUE(gives(qvx_Vector_SubCRev_64FC, C64{1, 2}, C64{10, 20}, C64{9, 18}));
  EXPECT_TRUE(gives(qvx_Vector_MulC_32FC, C32{1, 2}, C32{3, 4}, C32{-5, 10}));
  EXPECT_TRUE(gives(qvx_Vector_MulC_CToC_64F, 1, 2, 3, 4, -5, 10));
  // Each product rounded (p*p - p*p = 0, see ComplexElementwise).
  EXPECT_TRUE(gives(qvx_Vector_MulC_32FC, C32{kP32, kP32}, C32{kP32, kP32}, C32{0, 2 * kP32Sq}));
  EXPECT_TRUE(gives(qvx_Vector_MulC_64FC, C64{kP64, -kP64}, C64{kP64, kP64}, C64{2 * kP64Sq, 0}));
  EXPECT_TRUE(gives(qvx_Vector_MulC_CToC_32F, kP32, -kP32, kP32, kP32, 2 * kP32Sq, 0));
  EXPECT_TRUE(gives(qvx_Vector_MulC_CToC_64F, kP64, kP64, kP64, kP64, 0, 2 * kP64Sq));
}

TEST(ComplexConstant, DivCByTheReciprocalDivCRevByTrueDivisions) {
  EXPECT_TRUE(gives(qvx_Vector_DivC_64FC, C64{-5, 10}, C64{3, 4}, C64{1, 2}));
  // d = 5: x * (0.2, -0.4), not x / c.
  EXPECT_TRUE(gives(qvx_Vector_DivC_64FC, C64{3, 0}, C64{1, 2},
                    C64{0.6000000000000001, -1.2000000000000002}));
  // The reciprocal (0.12, -0.16), formed in double precision, is rounded to single first.
  EXPECT_TRUE(gives(qvx_Vector_DivC_32FC, C32{-5, 10}, C32{3, 4},
                    C32{0.9999999403953552f, 1.9999998807907104f}));
  // d = 1 + 4096^2 = 16777217 and d = 1e40 fit double precision only: formed in single
  // precision the reciprocals would be (2^-24, -2^-12) and (0, 0).
  EXPECT_TRUE(gives(qvx_Vector_DivC_32FC, C32{1, 0}, C32{1, 4096},
                    C32{5.9604641222676946e-08f, -0.00024414061044808477f}));
  EXPECT_TRUE(
      gives(qvx_Vector_DivC_32FC, C32{1, 0}, C32{1e20f, 0}, C32{9.9999996826552254e-21f, 0}));
  EXPECT_TRUE(gives(qvx_Vector_DivC_32FC, C32{1, 2}, C32{0, 0}, C32{kNanF, kNanF}));
  EXPECT_TRUE(gives(qvx_Vector_DivC_64FC, C64{1, 2}, C64{0, 0}, C64{kNan, kNan}));
  // The constant over the element: c / i = -i c; 9 * (1/5) would be 1.8000000715255737 and
  // 3 * (1/5) 0.6000000000000001; d overflows single precision; zero elements.
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_64FC, C64{0, 1}, C64{1, 0}, C64{0, -1}));
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_32FC, C32{0, 1}, C32{1, 0}, C32{0, -1}));
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_32FC, C32{1, 2}, C32{9, 0},
                    C32{1.7999999523162842f, -3.5999999046325684f}));
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_64FC, C64{1, 2}, C64{3, 0}, C64{0.6, -1.2}));
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_32FC, C32{1e20f, 0}, C32{1, 0}, C32{0, 0}));
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_32FC, C32{0, 0}, C32{1, 2}, C32{kNanF, kNanF}));
  EXPECT_TRUE(gives(qvx_Vector_DivCRev_64FC, C64{0, 0}, C64{1, 2}, C64{kNan, kNan}));
}

TEST(ConstantModel, EveryMember) {
  const auto subrev = [](auto x, auto c, auto& d) { d = c - x; };
  const auto divrev = [](auto x, auto c, auto& d) { d = c / x; };
  const auto divc = [](auto x, auto c, auto& d) { d = x * (decltype(c)(1) / c); };
  const auto cmulc = [](auto x, auto c, auto& d) { d = cmul(x, c); };
  const auto cdivrev = [](auto x, auto c, auto& d) { d = cdiv(c, x); };
  // The reciprocal in double precision, rounded to the part type, then the product.
  const auto cdivc = [](auto x, auto c, auto& d) {
    using P = decltype(c.re);
    const double cr = c.re, ci = c.im, m = (cr * cr) + (ci * ci);
    d = cmul(x, decltype(c){static_cast<P>(cr / m), static_cast<P>((-ci) / m)});
  };
  SWEEP(AddC_32F, add), SWEEP(AddC_64F, add);
  SWEEP(AddC_32FC, parts(add)), SWEEP(AddC_64FC, parts(add));
  SWEEP(SubC_32F, sub), SWEEP(SubC_64F, sub);
  SWEEP(SubC_32FC, parts(sub)), SWEEP(SubC_64FC, parts(sub));
  SWEEP(SubCRev_32F, subrev), SWEEP(SubCRev_64F, subrev);
  SWEEP(SubCRev_32FC, parts(subrev)), SWEEP(SubCRev_64FC, parts(subrev));
  SWEEP(MulC_32F, mul), SWEEP(MulC_64F, mul), SWEEP(MulC_32FC, cmulc), SWEEP(MulC_64FC, cmulc);
  SWEEP(MulC_CToC_32F, split_cmul), SWEEP(MulC_CToC_64F, split_cmul);
  SWEEP(DivC_32F, divc), SWEEP(DivC_64F, divc), SWEEP(DivC_32FC, cdivc), SWEEP(DivC_64FC, cdivc);
  SWEEP(DivCRev_32F, divrev), SWEEP(DivCRev_64F, divrev);
  SWEEP(DivCRev_32FC, cdivrev), SWEEP(DivCRev_64FC, cdivrev);
}

}  // namespace
}  // namespace arith_test
