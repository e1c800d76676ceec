// Multiply-accumulate.
#include <limits.h>

#include <cmath>

#include "check.h"

namespace arith_test {
namespace {

TEST(RealMulAdd, OperandRolesAndTheProductRoundedBeforeTheSum) {
  EXPECT_TRUE(gives(qvx_Vector_MulAdd_32F, 2, 3, 4, 10));
  EXPECT_TRUE(gives(qvx_Vector_MulCAdd_64F, 2, 3, 4, 10));
  EXPECT_TRUE(gives(qvx_Vector_MulCAddC_32F, 3, 2, 0.5, 6.5));
  // p*p + -(p*p rounded) is 0 with a rounded product, 2^-24 (2^-54) with a fused one.
  EXPECT_TRUE(gives(qvx_Vector_MulAdd_32F, kP32, kP32, -kP32Sq, 0));
  EXPECT_TRUE(gives(qvx_Vector_MulAdd_64F, kP64, kP64, -kP64Sq, 0));
  EXPECT_TRUE(gives(qvx_Vector_MulCAdd_32F, kP32, kP32, -kP32Sq, 0));
  EXPECT_TRUE(gives(qvx_Vector_MulCAdd_64F, kP64, kP64, -kP64Sq, 0));
  EXPECT_TRUE(gives(qvx_Vector_MulCAddC_32F, kP32, kP32, -kP32Sq, 0));
  EXPECT_TRUE(gives(qvx_Vector_MulCAddC_64F, kP64, kP64, -kP64Sq, 0));
  EXPECT_TRUE(gives(qvx_Vector_MulCAddC_64F, 1e300, 1e300, -1, kInf));
}

TEST(ComplexMulAdd, OrderOfEvaluationOfTheTwoForms) {
  EXPECT_TRUE(gives(qvx_Vector_MulAdd_64FC, C64{1, 2}, C64{3, 4}, C64{10, 20}, C64{5, 30}));
  EXPECT_TRUE(gives(qvx_Vector_MulCAdd_64FC, C64{3, 4}, C64{1, 2}, C64{10, 20}, C64{5, 30}));
  // x = (1, e), y or c = (1, 1), z = (0, e): the imaginary part is (1 + e) + e = 1 when
  // xr*yi enters first (MulAdd) and (e + e) + 1 = 1 + 2e when xi*cr does (MulCAdd, MulCAddC).
  const float e = 0x1p-24f;
  const double f = 0x1p-53;
  EXPECT_TRUE(gives(qvx_Vector_MulAdd_32FC, C32{1, e}, C32{1, 1}, C32{0, e}, C32{1 - e, 1}));
  EXPECT_TRUE(gives(qvx_Vector_MulAdd_64FC, C64{1, f}, C64{1, 1}, C64{0, f}, C64{1 - f, 1}));
  EXPECT_TRUE(gives(qvx_Vector_MulAdd_CToC_32F, 1, e, 1, 1, 0, e, 1 - e, 1));
  EXPECT_TRUE(gives(qvx_Vector_MulAdd_CToC_64F, 1, f, 1, 1, 0, f, 1 - f, 1));
  const C32 b32{1 - e, 1 + 2 * e};
  const C64 b64{1 - f, 1 + 2 * f};
  EXPECT_TRUE(gives(qvx_Vector_MulCAdd_32FC, C32{1, e}, C32{1, 1}, C32{0, e}, b32));
  EXPECT_TRUE(gives(qvx_Vector_MulCAdd_64FC, C64{1, f}, C64{1, 1}, C64{0, f}, b64));
  EXPECT_TRUE(gives(qvx_Vector_MulCAddC_32FC, C32{1, e}, C32{1, 1}, C32{0, e}, b32));
  EXPECT_TRUE(gives(qvx_Vector_MulCAddC_64FC, C64{1, f}, C64{1, 1}, C64{0, f}, b64));
  EXPECT_TRUE(gives(qvx_Vector_MulCAdd_CToC_32F, 1, e, 1, 1, 0, e, b32.re, b32.im));
  EXPECT_TRUE(gives(qvx_Vector_MulCAdd_CToC_64F, 1, f, 1, 1, 0, f, b64.re, b64.im));
  EXPECT_TRUE(gives(qvx_Vector_MulCAddC_CToC_32F, 1, e, 1, 1, 0, e, b32.re, b32.im));
  EXPECT_TRUE(gives(qvx_Vector_MulCAddC_CToC_64F, 1, f, 1, 1, 0, f, b64.re, b64.im));
  // The addend joins the first product before the second is subtracted: xr*yr = 1, zr = e,
  // xi*yi = -e give (1 + e) + e = 1, where 1 + (e + e) would be 1 + 2e.
  EXPECT_TRUE(gives(qvx_Vector_MulAdd_32FC, C32{1, e}, C32{1, -1}, C32{e, 0}, C32{1, e - 1}));
  EXPECT_TRUE(gives(qvx_Vector_MulCAdd_32FC, C32{1, e}, C32{1, -1}, C32{e, 0}, C32{1, e - 1}));
  // Each product is rounded before the addend joins it.
  EXPECT_TRUE(
      gives(qvx_Vector_MulAdd_32FC, C32{kP32, 0}, C32{kP32, 0}, C32{-kP32Sq, 0}, C32{0, 0}));
  EXPECT_TRUE(
      gives(qvx_Vector_MulCAddC_64FC, C64{kP64, 0}, C64{kP64, 0}, C64{-kP64Sq, 0}, C64{0, 0}));
}

TEST(IntegerMulCAddC, SaturationTruncationAndNan) {
  const auto g16 = [](auto... v) { return gives(qvx_Vector_MulCAddC_16S, v...); };
  const auto g32 = [](auto... v) { return gives(qvx_Vector_MulCAddC_32S, v...); };
  EXPECT_TRUE(g16(1000, 40, 0, 32767));
  EXPECT_TRUE(g16(-1000, 40, 0, -32768));
  EXPECT_TRUE(g16(7, 0.5f, 0, 3));
  EXPECT_TRUE(g16(-7, 0.5f, 0, -3));
  EXPECT_TRUE(g16(-1, 0.99f, 0, 0));
  EXPECT_TRUE(g16(32767, 1, 0.5f, 32767));
  EXPECT_TRUE(g16(-32768, 1, -0.5f, -32768));
  EXPECT_TRUE(g16(-32767, 1, -0.75f, -32767));
  EXPECT_TRUE(g16(5, 1, kInfF, 32767));
  EXPECT_TRUE(g16(5, -kInfF, 0, -32768));
  EXPECT_TRUE(g32(2000000000, 2, 0, INT_MAX));
  EXPECT_TRUE(g32(-2000000000, 2, 0, INT_MIN));
  EXPECT_TRUE(g32(INT_MAX, 1, 0.5, INT_MAX));
  EXPECT_TRUE(g32(INT_MAX, 1, -0.5, INT_MAX - 1));
  EXPECT_TRUE(g32(INT_MIN, 1, -0.5, INT_MIN));
  EXPECT_TRUE(g32(INT_MIN + 1, 1, -0.75, INT_MIN + 1));
  EXPECT_TRUE(g32(5, -0.5, 0, -2));
  EXPECT_TRUE(g32(5, 1, kInf, INT_MAX));
  // NaN passes both bound tests: the integer-indefinite INT_MIN, whose low 16 bits are 0.
  EXPECT_TRUE(g16(5, kNanF, 0, 0));
  EXPECT_TRUE(g16(5, 1, -kNanF, 0));
  EXPECT_TRUE(g16(0, kInfF, 0, 0));
  EXPECT_TRUE(g32(5, 1, kNan, INT_MIN));
  EXPECT_TRUE(g32(0, -kInf, 0, INT_MIN));
  // Working precision: 25 * 0.039999999f rounds to 1 in single precision (0.99999997 in
  // double would store 0); 2^24 + 1 is exact in double precision only.
  EXPECT_TRUE(g16(25, 0.03999999910593033f, 0, 1));
  EXPECT_TRUE(g32(16777217, 1, 0.5, 16777217));
}

TEST(MulAddModel, EveryMember) {
  const auto real = [](auto x, auto y, auto z, auto& d) { d = (x * y) + z; };
  // Form A (MulAdd) starts the imaginary part from xr*yi, form B from xi*cr.
  const auto form_a = [](auto x, auto y, auto z, auto& d) {
    d = {((x.re * y.re) + z.re) - (x.im * y.im), ((x.re * y.im) + z.im) + (x.im * y.re)};
  };
  const auto form_b = [](auto x, auto c, auto z, auto& d) {
    d = {((x.re * c.re) + z.re) - (x.im * c.im), ((x.im * c.re) + z.im) + (x.re * c.im)};
  };
  const auto split = [](auto form) {
    return [form](auto xr, auto xi, auto yr, auto yi, auto zr, auto zi, auto& dr, auto& di) {
      using C = Cx<decltype(xr)>;
      C d;
      form(C{xr, xi}, C{yr, yi}, C{zr, zi}, d);
      dr = d.re;
      di = d.im;
    };
  };
  const auto i16 = [](Qvx16s x, float m, float a, Qvx16s& d) {
    d = qvxt::saturating_store<Qvx16s>((static_cast<float>(x) * m) + a);
  };
  const auto i32 = [](Qvx32s x, double m, double a, Qvx32s& d) {
    d = qvxt::saturating_store<Qvx32s>((static_cast<double>(x) * m) + a);
  };
  SWEEP(MulAdd_32F, real), SWEEP(MulAdd_64F, real);
  SWEEP(MulAdd_32FC, form_a), SWEEP(MulAdd_64FC, form_a);
  SWEEP(MulAdd_CToC_32F, split(form_a)), SWEEP(MulAdd_CToC_64F, split(form_a));
  SWEEP(MulCAdd_32F, real), SWEEP(MulCAdd_64F, real);
  SWEEP(MulCAdd_32FC, form_b), SWEEP(MulCAdd_64FC, form_b);
  SWEEP(MulCAdd_CToC_32F, split(form_b)), SWEEP(MulCAdd_CToC_64F, split(form_b));
  SWEEP(MulCAddC_32F, real), SWEEP(MulCAddC_64F, real);
  SWEEP(MulCAddC_32FC, form_b), SWEEP(MulCAddC_64FC, form_b);
  SWEEP(MulCAddC_CToC_32F, split(form_b)), SWEEP(MulCAddC_CToC_64F, split(form_b));
  SWEEP(MulCAddC_16S, i16), SWEEP(MulCAddC_32S, i32);
}

}  // namespace
}  // namespace arith_test
