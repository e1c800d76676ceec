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

template <class T>
void sweep_real(QvxStatus (*add)(const T*, T, T*, int), QvxStatus (*sub)(const T*, T, T*, int),
                QvxStatus (*subrev)(const T*, T, T*, int), QvxStatus (*mul)(const T*, T, T*, int),
                QvxStatus (*div)(const T*, T, T*, int), QvxStatus (*divrev)(const T*, T, T*, int)) {
  const std::string t = sizeof(T) == 4 ? "_32F" : "_64F";
  check("AddC" + t, with_const(
                        add, [](T x, T c) { return x + c; }, kOnSource));
  check("SubC" + t, with_const(
                        sub, [](T x, T c) { return x - c; }, kOnSource));
  check("SubCRev" + t, with_const(
                           subrev, [](T x, T c) { return c - x; }, kOnSource));
  check("MulC" + t, with_const(
                        mul, [](T x, T c) { return x * c; }, kOnSource));
  check("DivC" + t, with_const(
                        div, [](T x, T c) { return x * (T(1) / c); }, kOnSource));
  check("DivCRev" + t, with_const(
                           divrev, [](T x, T c) { return c / x; }, kOnSource));
}

TEST(ConstantSweep, Real32F) {
  sweep_real<float>(qvx_Vector_AddC_32F, qvx_Vector_SubC_32F, qvx_Vector_SubCRev_32F,
                    qvx_Vector_MulC_32F, qvx_Vector_DivC_32F, qvx_Vector_DivCRev_32F);
}
TEST(ConstantSweep, Real64F) {
  sweep_real<double>(qvx_Vector_AddC_64F, qvx_Vector_SubC_64F, qvx_Vector_SubCRev_64F,
                     qvx_Vector_MulC_64F, qvx_Vector_DivC_64F, qvx_Vector_DivCRev_64F);
}

template <class C>
C ref_divc64(C x, C c) {
  const double d = (c.re * c.re) + (c.im * c.im);
  return ref_mulc(x, C{c.re / d, (-c.im) / d});
}
C32 ref_divc32(C32 x, C32 c) {
  const double cr = c.re, ci = c.im;
  const double d = (cr * cr) + (ci * ci);
  return ref_mulc(x, C32{static_cast<float>(cr / d), static_cast<float>((-ci) / d)});
}

template <class C>
void sweep_complex(QvxStatus (*add)(const C*, C, C*, int), QvxStatus (*sub)(const C*, C, C*, int),
                   QvxStatus (*subrev)(const C*, C, C*, int),
                   QvxStatus (*mul)(const C*, C, C*, int), QvxStatus (*div)(const C*, C, C*, int),
                   QvxStatus (*divrev)(const C*, C, C*, int), C (*ref_div)(C, C)) {
  const std::string t = sizeof(C) == 8 ? "_32FC" : "_64FC";
  check("AddC" + t, with_const(
                        add,
                        [](C x, C c) {
                          return C{x.re + c.re, x.im + c.im};
                        },
                        kOnSource));
  check("SubC" + t, with_const(
                        sub,
                        [](C x, C c) {
                          return C{x.re - c.re, x.im - c.im};
                        },
                        kOnSource));
  check("SubCRev" + t, with_const(
                           subrev,
                           [](C x, C c) {
                             return C{c.re - x.re, c.im - x.im};
                           },
                           kOnSource));
  check("MulC" + t, with_const(mul, ref_mulc<C>, kOnSource));
  check("DivC" + t, with_const(div, ref_div, kOnSource));
  // The destination must not overlap the source here: separate arrays only.
  check("DivCRev" + t, with_const(divrev, ref_divcrev<C>, {}));
}

TEST(ConstantSweep, Complex32FC) {
  sweep_complex<C32>(qvx_Vector_AddC_32FC, qvx_Vector_SubC_32FC, qvx_Vector_SubCRev_32FC,
                     qvx_Vector_MulC_32FC, qvx_Vector_DivC_32FC, qvx_Vector_DivCRev_32FC,
                     ref_divc32);
}
TEST(ConstantSweep, Complex64FC) {
  sweep_complex<C64>(qvx_Vector_AddC_64FC, qvx_Vector_SubC_64FC, qvx_Vector_SubCRev_64FC,
                     qvx_Vector_MulC_64FC, qvx_Vector_DivC_64FC, qvx_Vector_DivCRev_64FC,
                     ref_divc64<C64>);
}

template <class T>
Fn split_mulc(QvxStatus (*fn)(const T*, const T*, T, T, T*, T*, int)) {
  Fn r;
  auto c = constant<cx_t<T>>();
  r.src = {arr<T>(), arr<T>()};
  r.dst = {arr<T>(), arr<T>()};
  r.call = [fn, c](Ptrs s, Ptrs d, int len) {
    ASSERT_EQ(fn(static_cast<const T*>(s[0]), static_cast<const T*>(s[1]), c->re, c->im,
                 static_cast<T*>(d[0]), static_cast<T*>(d[1]), len),
              0);
  };
  r.ref = [c](Ptrs s, Ptrs d, size_t i) { pair_out<T>(d, i, ref_mulc(pair_at<T>(s, 0, i), *c)); };
  r.reroll = [c](qvxt::Rng& g) { draw(c, g); };
  return r;
}

TEST(ConstantSweep, SplitComplex) {
  check("MulC_CToC_32F", split_mulc(qvx_Vector_MulC_CToC_32F));
  check("MulC_CToC_64F", split_mulc(qvx_Vector_MulC_CToC_64F));
}

}  // namespace
}  // namespace arith_test
