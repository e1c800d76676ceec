// Multiply-accumulate.
#include <limits.h>

#include "cases.h"
#include "support/guarded.h"

namespace arith_test {
namespace {

using C32 = Qvx32fc;
using C64 = Qvx64fc;

// ---- real ----

TEST(RealMulAdd, ProductIsRoundedBeforeTheSum) {
  EXPECT_TRUE(ternary_gives(qvx_Vector_MulAdd_32F, 2.0f, 3.0f, 4.0f, 10.0f));
  EXPECT_TRUE(mulcadd_gives(qvx_Vector_MulCAdd_64F, 2.0, 3.0, 4.0, 10.0));
  EXPECT_TRUE(mulcaddc_gives(qvx_Vector_MulCAddC_32F, 3.0f, 2.0f, 0.5f, 6.5f));
  // p*p - (p*p rounded) is 0 with a rounded product, 2^-24 (2^-54) with a fused one.
  EXPECT_TRUE(ternary_gives(qvx_Vector_MulAdd_32F, kP32, kP32, -kP32Sq, 0.0f));
  EXPECT_TRUE(ternary_gives(qvx_Vector_MulAdd_64F, kP64, kP64, -kP64Sq, 0.0));
  EXPECT_TRUE(mulcadd_gives(qvx_Vector_MulCAdd_32F, kP32, kP32, -kP32Sq, 0.0f));
  EXPECT_TRUE(mulcadd_gives(qvx_Vector_MulCAdd_64F, kP64, kP64, -kP64Sq, 0.0));
  EXPECT_TRUE(mulcaddc_gives(qvx_Vector_MulCAddC_32F, kP32, kP32, -kP32Sq, 0.0f));
  EXPECT_TRUE(mulcaddc_gives(qvx_Vector_MulCAddC_64F, kP64, kP64, -kP64Sq, 0.0));
  EXPECT_TRUE(ternary_gives(qvx_Vector_MulAdd_64F, kInf, 0.0, 1.0, kNan));
  EXPECT_TRUE(mulcaddc_gives(qvx_Vector_MulCAddC_64F, 1e300, 1e300, -1.0, kInf));
}

TEST(RealMulAdd, DestinationOnTheAddendAccumulates) {
  std::vector<float> x(kCaseLen, 2.0f), y(kCaseLen, 3.0f), acc(kCaseLen, 1.0f);
  ASSERT_EQ(qvx_Vector_MulAdd_32F(x.data(), y.data(), acc.data(), acc.data(), kCaseLen), 0);
  ASSERT_EQ(qvx_Vector_MulAdd_32F(x.data(), y.data(), acc.data(), acc.data(), kCaseLen), 0);
  EXPECT_TRUE(all_equal(acc, 13.0f));
  std::vector<double> s(kCaseLen, 0.5), sum(kCaseLen, 0.0);
  for (int k = 0; k < 3; ++k)
    ASSERT_EQ(qvx_Vector_MulCAdd_64F(s.data(), 4.0, sum.data(), sum.data(), kCaseLen), 0);
  EXPECT_TRUE(all_equal(sum, 6.0));
}

// ---- complex ----

TEST(ComplexMulAdd, LiteralResults) {
  EXPECT_TRUE(ternary_gives(qvx_Vector_MulAdd_64FC, C64{1, 2}, C64{3, 4}, C64{10, 20}, C64{5, 30}));
  EXPECT_TRUE(ternary_gives(qvx_Vector_MulAdd_32FC, C32{1, 2}, C32{3, 4}, C32{10, 20}, C32{5, 30}));
  EXPECT_TRUE(
      mulcadd_gives(qvx_Vector_MulCAdd_64FC, C64{3, 4}, C64{1, 2}, C64{10, 20}, C64{5, 30}));
  EXPECT_TRUE(
      mulcaddc_gives(qvx_Vector_MulCAddC_32FC, C32{3, 4}, C32{1, 2}, C32{10, 20}, C32{5, 30}));
}

// x = (1, e), multiplier (1, 1), addend (0, e) with e = 2^-24 (2^-53): the imaginary part
// is (1 + e) + e = 1 when xr*ci enters first (MulAdd) and (e + e) + 1 = 1 + 2e when xi*cr
// does (MulCAdd, MulCAddC).
TEST(ComplexMulAdd, WhichProductEntersTheImaginaryPartFirst) {
  const float e = 0x1p-24f;
  const C32 x{1, e}, c{1, 1}, z{0, e};
  const C32 vec{1 - e, 1}, cst{1 - e, 1 + 2 * e};
  EXPECT_TRUE(ternary_gives(qvx_Vector_MulAdd_32FC, x, c, z, vec));
  EXPECT_TRUE(mulcadd_gives(qvx_Vector_MulCAdd_32FC, x, c, z, cst));
  EXPECT_TRUE(mulcaddc_gives(qvx_Vector_MulCAddC_32FC, x, c, z, cst));
  const double f = 0x1p-53;
  const C64 x64{1, f}, c64{1, 1}, z64{0, f};
  EXPECT_TRUE(ternary_gives(qvx_Vector_MulAdd_64FC, x64, c64, z64, C64{1 - f, 1}));
  EXPECT_TRUE(mulcadd_gives(qvx_Vector_MulCAdd_64FC, x64, c64, z64, C64{1 - f, 1 + 2 * f}));
  EXPECT_TRUE(mulcaddc_gives(qvx_Vector_MulCAddC_64FC, x64, c64, z64, C64{1 - f, 1 + 2 * f}));

  // The split forms follow the same two formulas.
  const float xr[] = {1}, xi[] = {e}, zr[] = {0}, zi[] = {e}, cr[] = {1}, ci[] = {1};
  float re[1], im[1];
  ASSERT_EQ(qvx_Vector_MulAdd_CToC_32F(xr, xi, cr, ci, zr, zi, re, im, 1), 0);
  EXPECT_EQ(im[0], 1.0f);
  ASSERT_EQ(qvx_Vector_MulCAdd_CToC_32F(xr, xi, 1, 1, zr, zi, re, im, 1), 0);
  EXPECT_EQ(im[0], 1 + 2 * e);
  ASSERT_EQ(qvx_Vector_MulCAddC_CToC_32F(xr, xi, 1, 1, 0, e, re, im, 1), 0);
  EXPECT_EQ(re[0], 1 - e);
  EXPECT_EQ(im[0], 1 + 2 * e);
}

// The addend joins the first product before the second is subtracted: with xr*yr = 1,
// zr = e and xi*yi = -e, ((1 + e) - (-e)) = 1, where 1 + (e + e) would be 1 + 2e.
TEST(ComplexMulAdd, SumsAreNotRegrouped) {
  const float e = 0x1p-24f;
  EXPECT_TRUE(
      ternary_gives(qvx_Vector_MulAdd_32FC, C32{1, e}, C32{1, -1}, C32{e, 0}, C32{1, -(1 - e)}));
  // Form B: ((xr*cr) + zr) - (xi*ci) with xi*ci = -e.
  EXPECT_TRUE(
      mulcadd_gives(qvx_Vector_MulCAdd_32FC, C32{1, e}, C32{1, -1}, C32{e, 0}, C32{1, e - 1}));
  // And each product is rounded before the addend joins it.
  EXPECT_TRUE(ternary_gives(qvx_Vector_MulAdd_32FC, C32{kP32, 0}, C32{kP32, 0}, C32{-kP32Sq, 0},
                            C32{0, 0}));
  EXPECT_TRUE(mulcaddc_gives(qvx_Vector_MulCAddC_64FC, C64{kP64, 0}, C64{kP64, 0}, C64{-kP64Sq, 0},
                             C64{0, 0}));
}

// ---- integers ----

::testing::AssertionResult gives16(Qvx16s x, float m, float a, Qvx16s want) {
  return mulcaddc_gives(qvx_Vector_MulCAddC_16S, x, m, a, want);
}
::testing::AssertionResult gives32(Qvx32s x, double m, double a, Qvx32s want) {
  return mulcaddc_gives(qvx_Vector_MulCAddC_32S, x, m, a, want);
}

TEST(IntegerMulCAddC, SaturationAndTruncation16S) {
  EXPECT_TRUE(gives16(1000, 40, 0, 32767));
  EXPECT_TRUE(gives16(-1000, 40, 0, -32768));
  EXPECT_TRUE(gives16(7, 0.5f, 0, 3));
  EXPECT_TRUE(gives16(-7, 0.5f, 0, -3));
  EXPECT_TRUE(gives16(-1, 0.99f, 0, 0));
  EXPECT_TRUE(gives16(32767, 1, 0.5f, 32767));
  EXPECT_TRUE(gives16(32766, 1, 0.75f, 32766));
  EXPECT_TRUE(gives16(-32768, 1, 0, -32768));
  EXPECT_TRUE(gives16(-32768, 1, -0.5f, -32768));
  EXPECT_TRUE(gives16(-32767, 1, -0.75f, -32767));
  EXPECT_TRUE(gives16(5, 1, kInfF, 32767));
  EXPECT_TRUE(gives16(5, -kInfF, 0, -32768));
}

TEST(IntegerMulCAddC, NanStoresTheLowBitsOfTheIndefiniteInteger) {
  EXPECT_TRUE(gives16(5, kNanF, 0, 0));
  EXPECT_TRUE(gives16(5, 1, -kNanF, 0));
  EXPECT_TRUE(gives16(0, kInfF, 0, 0));
  EXPECT_TRUE(gives32(5, 1, kNan, INT_MIN));
  EXPECT_TRUE(gives32(0, -kInf, 0, INT_MIN));
}

TEST(IntegerMulCAddC, SaturationAndTruncation32S) {
  EXPECT_TRUE(gives32(2000000000, 2, 0, INT_MAX));
  EXPECT_TRUE(gives32(-2000000000, 2, 0, INT_MIN));
  EXPECT_TRUE(gives32(INT_MAX, 1, 0.5, INT_MAX));
  EXPECT_TRUE(gives32(INT_MAX, 1, -0.5, INT_MAX - 1));
  EXPECT_TRUE(gives32(INT_MIN, 1, -0.5, INT_MIN));
  EXPECT_TRUE(gives32(INT_MIN + 1, 1, -0.75, INT_MIN + 1));
  EXPECT_TRUE(gives32(5, -0.5, 0, -2));
  EXPECT_TRUE(gives32(5, 1, kInf, INT_MAX));
}

TEST(IntegerMulCAddC, WorkingPrecision) {
  // 25 * 0.039999999f is 0.99999997...: single precision rounds it to 1, which stores 1
  // (in double precision it would store 0).
  EXPECT_TRUE(gives16(25, 0.03999999910593033f, 0, 1));
  // 2^24 + 1 is exact in double precision only.
  EXPECT_TRUE(gives32(16777217, 1, 0, 16777217));
  EXPECT_TRUE(gives32(16777217, 1, 0.5, 16777217));
}

TEST(MulAdd, EmptyCountsTouchNothing) {
  qvxt::Guarded g(0, 0, qvxt::Place::End);
  float* f = g.as<float>();
  C32* c = g.as<C32>();
  for (int len : {0, -1, INT_MIN}) {
    EXPECT_EQ(qvx_Vector_MulAdd_32FC(c, c, c, c, len), 0);
    EXPECT_EQ(qvx_Vector_MulCAdd_CToC_32F(f, f, 1, 1, f, f, f, f, len), 0);
    EXPECT_EQ(qvx_Vector_MulCAddC_16S(g.as<Qvx16s>(), 1, 1, g.as<Qvx16s>(), len), 0);
    EXPECT_EQ(qvx_Vector_MulCAddC_32S(g.as<Qvx32s>(), 1, 1, g.as<Qvx32s>(), len), 0);
  }
}

// ---- sweeps against the reference models ----

template <class T>
T ref_muladd(T x, T y, T z) {
  return (x * y) + z;
}

Qvx16s ref_16s(Qvx16s x, float m, float a) {
  const float v = (static_cast<float>(x) * m) + a;
  if (v > 32767.0f) return 32767;
  if (v < -32768.0f) return -32768;
  if (std::isnan(v)) return 0;
  return static_cast<Qvx16s>(std::trunc(v));
}

Qvx32s ref_32s(Qvx32s x, double m, double a) {
  const double v = (static_cast<double>(x) * m) + a;
  if (v > 2147483647.0) return INT_MAX;
  if (v < -2147483648.0) return INT_MIN;
  if (std::isnan(v)) return INT_MIN;
  return static_cast<Qvx32s>(std::trunc(v));
}

TEST(MulAddSweep, Real) {
  check("MulAdd_32F", rule(qvx_Vector_MulAdd_32F, ref_muladd<float>, {{0}, {1}, {2}}));
  check("MulAdd_64F", rule(qvx_Vector_MulAdd_64F, ref_muladd<double>, {{0}, {1}, {2}}));
  check("MulCAdd_32F", rule(qvx_Vector_MulCAdd_32F, ref_muladd<float>, {{0}, {1}}));
  check("MulCAdd_64F", rule(qvx_Vector_MulCAdd_64F, ref_muladd<double>, {{0}, {1}}));
  check("MulCAddC_32F", rule(qvx_Vector_MulCAddC_32F, ref_muladd<float>, {{0}}));
  check("MulCAddC_64F", rule(qvx_Vector_MulCAddC_64F, ref_muladd<double>, {{0}}));
}

TEST(MulAddSweep, Integer) {
  check("MulCAddC_16S", rule(qvx_Vector_MulCAddC_16S, ref_16s, {{0}}));
  check("MulCAddC_32S", rule(qvx_Vector_MulCAddC_32S, ref_32s, {{0}}));
}

// Complex forms: the destination may be the addend, not a multiplied source.
TEST(MulAddSweep, Complex) {
  check("MulAdd_32FC", rule(qvx_Vector_MulAdd_32FC, ref_cmuladd<C32>, {{2}}));
  check("MulAdd_64FC", rule(qvx_Vector_MulAdd_64FC, ref_cmuladd<C64>, {{2}}));
  check("MulCAdd_32FC", rule(qvx_Vector_MulCAdd_32FC, ref_cmulcadd<C32>, {{1}}));
  check("MulCAdd_64FC", rule(qvx_Vector_MulCAdd_64FC, ref_cmulcadd<C64>, {{1}}));
  check("MulCAddC_32FC", rule(qvx_Vector_MulCAddC_32FC, ref_cmulcadd<C32>, {}));
  check("MulCAddC_64FC", rule(qvx_Vector_MulCAddC_64FC, ref_cmulcadd<C64>, {}));
}

// Split forms, each complex operand given as its two parts.
template <class T>
void sweep_split(QvxStatus (*muladd)(const T*, const T*, const T*, const T*, const T*, const T*, T*,
                                     T*, int),
                 QvxStatus (*mulcadd)(const T*, const T*, T, T, const T*, const T*, T*, T*, int),
                 QvxStatus (*mulcaddc)(const T*, const T*, T, T, T, T, T*, T*, int)) {
  using C = cx_t<T>;
  const std::string t = sizeof(T) == 4 ? "_32F" : "_64F";
  check("MulAdd_CToC" + t, rule(muladd,
                                [](T xr, T xi, T yr, T yi, T zr, T zi) {
                                  return ref_cmuladd(C{xr, xi}, C{yr, yi}, C{zr, zi});
                                },
                                {{4, 5}}));
  check("MulCAdd_CToC" + t, rule(mulcadd,
                                 [](T xr, T xi, T cr, T ci, T zr, T zi) {
                                   return ref_cmulcadd(C{xr, xi}, C{cr, ci}, C{zr, zi});
                                 },
                                 {{2, 3}}));
  check("MulCAddC_CToC" + t, rule(mulcaddc,
                                  [](T xr, T xi, T cr, T ci, T zr, T zi) {
                                    return ref_cmulcadd(C{xr, xi}, C{cr, ci}, C{zr, zi});
                                  },
                                  {}));
}

TEST(MulAddSweep, SplitComplex) {
  sweep_split<float>(qvx_Vector_MulAdd_CToC_32F, qvx_Vector_MulCAdd_CToC_32F,
                     qvx_Vector_MulCAddC_CToC_32F);
  sweep_split<double>(qvx_Vector_MulAdd_CToC_64F, qvx_Vector_MulCAdd_CToC_64F,
                      qvx_Vector_MulCAddC_CToC_64F);
}

}  // namespace
}  // namespace arith_test
