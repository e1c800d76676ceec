// Arithmetic with a constant.
#include <limits.h>

#include "cases.h"
#include "support/guarded.h"

namespace arith_test {
namespace {

using C32 = Qvx32fc;
using C64 = Qvx64fc;

// The complex product with a constant c, as the rule writes it.
template <class C>
C ref_mulc(C x, C c) {
  return {(c.re * x.re) - (c.im * x.im), (c.re * x.im) + (c.im * x.re)};
}

// The constant divided by the element x.
template <class C>
C ref_divcrev(C x, C c) {
  const auto d = (x.re * x.re) + (x.im * x.im);
  return {((x.re * c.re) + (x.im * c.im)) / d, ((x.re * c.im) - (x.im * c.re)) / d};
}

TEST(RealConstant, OperandOrder) {
  EXPECT_TRUE(const_gives(qvx_Vector_SubC_32F, 5.0f, 3.0f, 2.0f));
  EXPECT_TRUE(const_gives(qvx_Vector_SubCRev_32F, 5.0f, 3.0f, -2.0f));
  EXPECT_TRUE(const_gives(qvx_Vector_SubC_64F, 5.0, 3.0, 2.0));
  EXPECT_TRUE(const_gives(qvx_Vector_SubCRev_64F, 5.0, 3.0, -2.0));
  EXPECT_TRUE(const_gives(qvx_Vector_AddC_64F, -0.0, -0.0, -0.0));
  EXPECT_TRUE(const_gives(qvx_Vector_MulC_32F, 1.5f, -2.0f, -3.0f));
  EXPECT_TRUE(const_gives(qvx_Vector_DivCRev_64F, 4.0, 1.0, 0.25));
  EXPECT_TRUE(const_gives(qvx_Vector_DivCRev_32F, 4.0f, 1.0f, 0.25f));
  // A true quotient c / x.
  EXPECT_TRUE(const_gives(qvx_Vector_DivCRev_32F, 7.0f, 3.0f, 0.4285714328289032f));
}

TEST(RealConstant, DivCMultipliesByTheReciprocal) {
  // 5 * (1/3) and 3 * (1/10), not 5/3 = 1.6666666269302368 and 3/10 = 0.3.
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_32F, 5.0f, 3.0f, 1.6666667461395264f));
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_64F, 3.0, 10.0, 0.30000000000000004));
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_32F, 3.0f, 7.0f, 0.4285714626312256f));
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_64F, 3.0, 5.0, 0.6000000000000001));
}

TEST(RealConstant, ZeroDivisors) {
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_32F, 2.0f, 0.0f, kInfF));
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_32F, -2.0f, 0.0f, -kInfF));
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_32F, 0.0f, 0.0f, kNanF));
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_64F, 2.0, -0.0, -kInf));
  EXPECT_TRUE(const_gives(qvx_Vector_DivCRev_32F, 0.0f, 1.0f, kInfF));
  EXPECT_TRUE(const_gives(qvx_Vector_DivCRev_32F, -0.0f, 1.0f, -kInfF));
  EXPECT_TRUE(const_gives(qvx_Vector_DivCRev_64F, -0.0, 1.0, -kInf));
  EXPECT_TRUE(const_gives(qvx_Vector_DivCRev_64F, 0.0, 0.0, kNan));
}

TEST(ComplexConstant, PartsAreIndependentForAddAndSub) {
  EXPECT_TRUE(const_gives(qvx_Vector_AddC_32FC, C32{1, 2}, C32{10, 20}, C32{11, 22}));
  EXPECT_TRUE(const_gives(qvx_Vector_SubC_32FC, C32{1, 2}, C32{10, 20}, C32{-9, -18}));
  EXPECT_TRUE(const_gives(qvx_Vector_SubCRev_32FC, C32{1, 2}, C32{10, 20}, C32{9, 18}));
  EXPECT_TRUE(const_gives(qvx_Vector_AddC_64FC, C64{1, kInf}, C64{-kInf, 20}, C64{-kInf, kInf}));
  EXPECT_TRUE(const_gives(qvx_Vector_SubC_64FC, C64{1, 2}, C64{10, 20}, C64{-9, -18}));
  EXPECT_TRUE(const_gives(qvx_Vector_SubCRev_64FC, C64{1, -0.0}, C64{10, 0}, C64{9, 0}));
}

TEST(ComplexConstant, ProductRoundsEachProduct) {
  EXPECT_TRUE(const_gives(qvx_Vector_MulC_32FC, C32{1, 2}, C32{3, 4}, C32{-5, 10}));
  EXPECT_TRUE(const_gives(qvx_Vector_MulC_64FC, C64{1, 2}, C64{3, 4}, C64{-5, 10}));
  EXPECT_TRUE(
      const_gives(qvx_Vector_MulC_32FC, C32{kP32, kP32}, C32{kP32, kP32}, C32{0.0f, 2 * kP32Sq}));
  EXPECT_TRUE(
      const_gives(qvx_Vector_MulC_64FC, C64{kP64, -kP64}, C64{kP64, kP64}, C64{2 * kP64Sq, 0.0}));
  const double re[] = {1, kP64}, im[] = {2, kP64};
  double dre[2], dim[2];
  ASSERT_EQ(qvx_Vector_MulC_CToC_64F(re, im, 3, 4, dre, dim, 2), 0);
  EXPECT_EQ(dre[0], -5.0);
  EXPECT_EQ(dim[0], 10.0);
  ASSERT_EQ(qvx_Vector_MulC_CToC_64F(re + 1, im + 1, kP64, kP64, dre, dim, 1), 0);
  EXPECT_EQ(dre[0], 0.0);
  EXPECT_EQ(dim[0], 2 * kP64Sq);
}

TEST(ComplexConstant, DivCMultipliesByTheReciprocal) {
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_64FC, C64{-5, 10}, C64{3, 4}, C64{1, 2}));
  // The reciprocal (0.12, -0.16) is rounded to single precision before the product.
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_32FC, C32{-5, 10}, C32{3, 4},
                          C32{0.9999999403953552f, 1.9999998807907104f}));
  // d = 1 + 4096^2 = 16777217 is exact in double precision only: the reciprocal formed in
  // single precision would be (2^-24, -2^-12).
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_32FC, C32{1, 0}, C32{1, 4096},
                          C32{5.9604641222676946e-08f, -0.00024414061044808477f}));
  // d = 5: x * (0.2, -0.4), not x / c.
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_64FC, C64{3, 0}, C64{1, 2},
                          C64{0.6000000000000001, -1.2000000000000002}));
}

TEST(ComplexConstant, ZeroDivisors) {
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_32FC, C32{1, 2}, C32{0, 0}, C32{kNanF, kNanF}));
  EXPECT_TRUE(const_gives(qvx_Vector_DivC_64FC, C64{1, 2}, C64{0, 0}, C64{kNan, kNan}));
  EXPECT_TRUE(const_gives(qvx_Vector_DivCRev_64FC, C64{0, 1}, C64{1, 0}, C64{0, -1}));
  EXPECT_TRUE(const_gives(qvx_Vector_DivCRev_32FC, C32{0, 1}, C32{1, 0}, C32{0, -1}));
  EXPECT_TRUE(const_gives(qvx_Vector_DivCRev_32FC, C32{0, 0}, C32{1, 2}, C32{kNanF, kNanF}));
  EXPECT_TRUE(const_gives(qvx_Vector_DivCRev_64FC, C64{0, 0}, C64{1, 2}, C64{kNan, kNan}));
}

TEST(Constant, EmptyCountsTouchNothing) {
  qvxt::Guarded g(0, 0, qvxt::Place::End);
  float* f = g.as<float>();
  C64* c = g.as<C64>();
  for (int len : {0, -1, INT_MIN}) {
    EXPECT_EQ(qvx_Vector_DivC_32F(f, 0.0f, f, len), 0);
    EXPECT_EQ(qvx_Vector_DivC_64FC(c, C64{0, 0}, c, len), 0);
    EXPECT_EQ(qvx_Vector_DivCRev_64FC(c, C64{1, 0}, c, len), 0);
    EXPECT_EQ(qvx_Vector_MulC_CToC_32F(f, f, 1, 1, f, f, len), 0);
  }
}

// ---- sweeps against the reference models ----

const std::vector<std::vector<int>> kOnSource = {{0}};
const auto add = [](auto x, auto c) { return x + c; };
const auto sub = [](auto x, auto c) { return x - c; };
const auto subrev = [](auto x, auto c) { return c - x; };
const auto mul = [](auto x, auto c) { return x * c; };
const auto divrev = [](auto x, auto c) { return c / x; };
// The reciprocal in the element precision, then the product.
const auto divc = [](auto x, auto c) { return x * (decltype(c)(1) / c); };

TEST(ConstantSweep, Real) {
  check("AddC_32F", rule(qvx_Vector_AddC_32F, add, kOnSource));
  check("SubC_32F", rule(qvx_Vector_SubC_32F, sub, kOnSource));
  check("SubCRev_32F", rule(qvx_Vector_SubCRev_32F, subrev, kOnSource));
  check("MulC_32F", rule(qvx_Vector_MulC_32F, mul, kOnSource));
  check("DivC_32F", rule(qvx_Vector_DivC_32F, divc, kOnSource));
  check("DivCRev_32F", rule(qvx_Vector_DivCRev_32F, divrev, kOnSource));
  check("AddC_64F", rule(qvx_Vector_AddC_64F, add, kOnSource));
  check("SubC_64F", rule(qvx_Vector_SubC_64F, sub, kOnSource));
  check("SubCRev_64F", rule(qvx_Vector_SubCRev_64F, subrev, kOnSource));
  check("MulC_64F", rule(qvx_Vector_MulC_64F, mul, kOnSource));
  check("DivC_64F", rule(qvx_Vector_DivC_64F, divc, kOnSource));
  check("DivCRev_64F", rule(qvx_Vector_DivCRev_64F, divrev, kOnSource));
}

// The reciprocal of c: in double precision, and for single-precision data rounded to it.
C64 ref_divc(C64 x, C64 c) {
  const double d = (c.re * c.re) + (c.im * c.im);
  return ref_mulc(x, C64{c.re / d, (-c.im) / d});
}
C32 ref_divc(C32 x, C32 c) {
  const double cr = c.re, ci = c.im;
  const double d = (cr * cr) + (ci * ci);
  return ref_mulc(x, C32{static_cast<float>(cr / d), static_cast<float>((-ci) / d)});
}

template <class C>
void sweep_complex(QvxStatus (*addc)(const C*, C, C*, int), QvxStatus (*subc)(const C*, C, C*, int),
                   QvxStatus (*subcrev)(const C*, C, C*, int),
                   QvxStatus (*mulc)(const C*, C, C*, int), QvxStatus (*div)(const C*, C, C*, int),
                   QvxStatus (*divcrev)(const C*, C, C*, int)) {
  const std::string t = sizeof(C) == 8 ? "_32FC" : "_64FC";
  const auto parts = [](auto op) {
    return [op](C x, C c) { return C{op(x.re, c.re), op(x.im, c.im)}; };
  };
  check("AddC" + t, rule(addc, parts(add), kOnSource));
  check("SubC" + t, rule(subc, parts(sub), kOnSource));
  check("SubCRev" + t, rule(subcrev, parts(subrev), kOnSource));
  check("MulC" + t, rule(mulc, ref_mulc<C>, kOnSource));
  check("DivC" + t, rule(div, static_cast<C (*)(C, C)>(ref_divc), kOnSource));
  // The destination must not overlap the source here: separate arrays only.
  check("DivCRev" + t, rule(divcrev, ref_divcrev<C>, {}));
}

TEST(ConstantSweep, Complex32FC) {
  sweep_complex<C32>(qvx_Vector_AddC_32FC, qvx_Vector_SubC_32FC, qvx_Vector_SubCRev_32FC,
                     qvx_Vector_MulC_32FC, qvx_Vector_DivC_32FC, qvx_Vector_DivCRev_32FC);
}
TEST(ConstantSweep, Complex64FC) {
  sweep_complex<C64>(qvx_Vector_AddC_64FC, qvx_Vector_SubC_64FC, qvx_Vector_SubCRev_64FC,
                     qvx_Vector_MulC_64FC, qvx_Vector_DivC_64FC, qvx_Vector_DivCRev_64FC);
}

TEST(ConstantSweep, SplitComplex) {
  // Separate arrays only: the destination must not overlap the source.
  check("MulC_CToC_32F", rule(qvx_Vector_MulC_CToC_32F,
                              [](float xr, float xi, float cr, float ci) {
                                return ref_mulc(C32{xr, xi}, C32{cr, ci});
                              },
                              {}));
  check("MulC_CToC_64F", rule(qvx_Vector_MulC_CToC_64F,
                              [](double xr, double xi, double cr, double ci) {
                                return ref_mulc(C64{xr, xi}, C64{cr, ci});
                              },
                              {}));
}

}  // namespace
}  // namespace arith_test
