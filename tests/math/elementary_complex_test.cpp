// Complex exponential, logarithm and square root: models of the formulas calling the C math
// library element by element, on every pair of parts that reaches a branch and on random
// elements; the signs of NaN parts of the square root as literals.
#include "elementary_check.h"

namespace elem_test {
namespace {

using C32 = Qvx32fc;
using C64 = Qvx64fc;

// Part values whose pairs reach every branch: signed zeros, infinities, NaN, both signs,
// exp's overflow of the single magnitude (89), the largest parts (whose sum of squares
// overflows in the part type).
template <class P>
std::vector<P> part_specials() {
  const P inf = std::numeric_limits<P>::infinity();
  return {P(0), -P(0), inf, -inf, std::numeric_limits<P>::quiet_NaN(), P(1), P(-1), P(-4),
          P(3), P(4), P(89), P(710), P(-800), P(1e-40), P(0.5), std::numeric_limits<P>::max()};
}

// Every pair of special parts, then random elements.
template <class C>
std::vector<C> complex_data(const std::string& name) {
  using P = part_of<C>;
  std::vector<C> v;
  for (P a : part_specials<P>())
    for (P b : part_specials<P>()) v.push_back(C{a, b});
  Rng rng(std::hash<std::string>()(name));
  while (v.size() < 3000) v.push_back(qvxt::random_value<C>(rng));
  return v;
}

// The formulas, written from their rules in double; 32FC rounds each part once.
template <class C>
C model_exp(C z) {
  using P = part_of<C>;
  double m = exp(static_cast<double>(z.re));
  if (sizeof(P) == 4) m = static_cast<float>(m);  // the single magnitude, widened again
  double s, c;
  sincos(static_cast<double>(z.im), &s, &c);
  return {static_cast<P>(m * c), static_cast<P>(m * s)};
}

template <class C>
C model_log(C z) {
  using P = part_of<C>;
  return {static_cast<P>(log(hypot(static_cast<double>(z.im), static_cast<double>(z.re)))),
          model_phase<P>(z.re, z.im)};
}

template <class C>
C model_sqrt(C z) {
  using P = part_of<C>;
  const bool single = sizeof(P) == 4;
  const double a = z.re, b = z.im;
  const double zero = single ? fzero : dzero;
  const auto with_sign_of_b = [b](double v) { return signbit(b) ? -fabs(v) : fabs(v); };
  const auto out = [](double re, double im) { return C{static_cast<P>(re), static_cast<P>(im)}; };
  if (isinf(b)) return out(kInf, b);
  if (a == kInf) return out(kInf, copysign(fabs(b) * zero, b));
  if (a == -kInf) return out(fabs(b) * zero, with_sign_of_b(kInf));
  if (isnan(a) || isnan(b)) {
    const double s = fabs(a) + fabs(b);
    return out(s, signbit(b) ? -s : s);
  }
  if (b == 0) {
    const double s = single ? sqrtf(fabsf(z.re)) : sqrt(fabs(a));
    return a > 0 ? out(s, copysign(0.0, b)) : out(0.0, copysign(s, b));
  }
  const double h = a * 0.5, k = b * 0.5;
  const double r = single ? sqrt(h * h + k * k) : hypot(h, k);
  const bool positive_zero = a == 0 && !signbit(a);
  if (a > 0) {
    const double t = sqrt(h + r);
    return out(t, k / t);
  }
  if (a < 0 || (single && !positive_zero)) {
    const double t = b < 0 ? -sqrt(r - h) : sqrt(r - h);
    return out(k / t, t);
  }
  const double u = sqrt(fabs(k));
  return out(u, b > 0 ? u : -u);
}

TEST(ElementaryComplex, EveryMemberIsItsFormula) {
  check_unary("Exp_32FC", qvx_Vector_Exp_32FC, complex_data<C32>("Exp_32FC"), model_exp<C32>,
              Nan::Any);
  check_unary("Exp_64FC", qvx_Vector_Exp_64FC, complex_data<C64>("Exp_64FC"), model_exp<C64>,
              Nan::Any);
  check_unary("Log_32FC", qvx_Vector_Log_32FC, complex_data<C32>("Log_32FC"), model_log<C32>,
              Nan::Any);
  check_unary("Log_64FC", qvx_Vector_Log_64FC, complex_data<C64>("Log_64FC"), model_log<C64>,
              Nan::Any);
  check_unary("Sqrt_32FC", qvx_Vector_Sqrt_32FC, complex_data<C32>("Sqrt_32FC"),
              model_sqrt<C32>, Nan::Any);
  check_unary("Sqrt_64FC", qvx_Vector_Sqrt_64FC, complex_data<C64>("Sqrt_64FC"),
              model_sqrt<C64>, Nan::Any);
}

// One element through a primitive; parts compared bit for bit except that any NaN matches
// a NaN of the same sign.
template <class C>
::testing::AssertionResult gives(QvxStatus (*fn)(const C*, C*, int), C z, C want) {
  C d;
  fn(&z, &d, 1);
  const auto same = [](auto g, auto w) {
    if (isnan(g) && isnan(w)) return signbit(g) == signbit(w);
    return qvxt::bits_of(g) == qvxt::bits_of(w);
  };
  if (same(d.re, want.re) && same(d.im, want.im)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << qvxt::show_scalar(z.re) << ", " << qvxt::show_scalar(z.im) << ") gives ("
         << qvxt::show_scalar(d.re) << ", " << qvxt::show_scalar(d.im) << "), want ("
         << qvxt::show_scalar(want.re) << ", " << qvxt::show_scalar(want.im) << ")";
}

// What the formula check leaves open: the sign of a NaN part (it matches any NaN).
TEST(ElementaryComplex, SquareRootNanSigns) {
  EXPECT_TRUE(gives(qvx_Vector_Sqrt_64FC, C64{kInf, -kNan}, C64{kInf, -kNan}));
  EXPECT_TRUE(gives(qvx_Vector_Sqrt_64FC, C64{-kInf, kNan}, C64{kNan, kInf}));
  EXPECT_TRUE(gives(qvx_Vector_Sqrt_64FC, C64{kNan, -2}, C64{kNan, -kNan}));
  EXPECT_TRUE(gives(qvx_Vector_Sqrt_32FC, C32{-1, -kNanF}, C32{kNanF, -kNanF}));
}

// The zero objects are read at each use: a program that changes them changes the infinite
// real part branches, and nothing else.
TEST(ElementaryComplex, SquareRootReadsTheZeroObjects) {
  const double d_before = dzero;
  const float f_before = fzero;
  dzero = 2.0;
  fzero = 0.5f;
  EXPECT_TRUE(gives(qvx_Vector_Sqrt_64FC, C64{kInf, -3}, C64{kInf, -6}));
  EXPECT_TRUE(gives(qvx_Vector_Sqrt_64FC, C64{-kInf, -3}, C64{6, -kInf}));
  EXPECT_TRUE(gives(qvx_Vector_Sqrt_32FC, C32{kInfF, 3}, C32{kInfF, 1.5f}));
  EXPECT_TRUE(gives(qvx_Vector_Sqrt_32FC, C32{-kInfF, 3}, C32{1.5f, kInfF}));
  EXPECT_TRUE(gives(qvx_Vector_Sqrt_64FC, C64{-4, 0.0}, C64{0, 2}));
  dzero = 3.0;
  EXPECT_TRUE(gives(qvx_Vector_Sqrt_64FC, C64{kInf, 1}, C64{kInf, 3}));
  dzero = d_before;
  fzero = f_before;
  EXPECT_TRUE(gives(qvx_Vector_Sqrt_64FC, C64{kInf, -3}, C64{kInf, -0.0}));
}

}  // namespace
}  // namespace elem_test
