// The kernels of the single-precision fast path (math/fast.h) and the element rules they
// fall back on: the real members of math/elementary.cpp and the magnitude and phase of
// math/polar.cpp.
#ifndef QVX_MATH_KERNELS_H
#define QVX_MATH_KERNELS_H

#include <math.h>
#include <stdint.h>

#include <type_traits>

#include "core/convert.h"
#include "core/simd.h"
#include "math/elementary.h"
#include "math/fast.h"

namespace qvx {
namespace math {
namespace kernels {

// Where a member writes the default NaN without calling the library.  The tests are
// ordered comparisons in the element's own precision: a NaN element fails them and goes to
// the library function, which returns a NaN.
enum class Domain {
  All,         // every element goes to the library
  Unit,        // |x| > 1 gives NaN
  NonNegative  // x < 0 gives NaN (-0.0 goes to the library)
};

template <Domain D, class T>
inline bool outside(T x) {
  if (D == Domain::Unit) return fabs(x) > T(1);
  if (D == Domain::NonNegative) return x < T(0);
  return false;
}

// The element rule: F(x) in double (single precision: the element widened exactly and the
// result rounded once), or the default NaN outside the domain.
template <Domain D, double (*F)(double), class T>
inline T element(T x) {
  if (outside<D>(x)) return default_nan<T>();
  return narrow<T>(F(static_cast<double>(x)));
}

// ---- the single-precision kernels of the fast path (math/fast.h) --------------------------
//
// Each evaluates its function in double from the exact double of a float in its safe range,
// with a relative error below 2^-38 (derived below for each), inside the 2^-36 margin of the
// rounding test.  The polynomials are Chebyshev interpolants with their coefficients rounded
// to double, made and measured by tools/fit_math.py: it evaluates each rounded polynomial in
// 40-digit arithmetic at 2^14 + 1 evenly spaced points of its interval (the error curve is
// smooth with a handful of extrema, so the samples find its maximum) and prints the bound
// quoted here.  The evaluation then adds a few roundings of 2^-53 each.  Every safe argument
// keeps every intermediate a normal double, so the arithmetic raises inexact and nothing
// else.
using fast::D;
using fast::F;
using fast::I;
using fast::L;
using fast::U;

// Trigonometric reduction: x = h pi/2 + r with h an integer near x * 2/pi, or an even or odd
// one near it, and |r| at most pi/4 or pi/2 respectively (a hair more where the product
// rounds across a half).  pi/2 = P1 + P2 to 2^-87.8, P1 of 33 significant bits and P2 a full
// double.  For |x| < 2^17, |h| < 2^16.4: h P1 is exact, and so is x - h P1: both are
// multiples of 2^-35 (a float of at least 2^-12, and P1 a multiple of 2^-32) below 2^18,
// which 53 bits hold.  h P2 (below 2^-17) rounds by at most 2^-71, the parts miss pi/2 by
// h 2^-87.8 < 2^-71.4, and the last subtraction rounds once: the error of r is at most
// 2^-53 |r| + 2^-70.2, a relative error below 2^-42 for every float in the range, whose
// distance from a nonzero multiple of pi/2 exceeds 2^-28 (the nearest is 0x1.f9cbe2p+7,
// 2^-27.8 away, as tools/verify_math.cpp reports; for h = 0, r = x exactly).  An error d in
// r moves sin r and cos r by at most |d|, relative to the result at most as much as to r
// (where |r| <= pi/2 and the result is sin r, r / sin r <= pi/2 and the slope cos r shrinks
// it to below 1).  An even h = 2n takes the parts of pi, 2 P1 and 2 P2, and an odd h the same
// with n + 1/2 (exact): the same products, without forming h.
constexpr double kInvPi = 0x1.45f306dc9c883p-2;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr double kPio2a = 0x1.921fb544p0, kPio2b = 0x1.0b4611a626331p-34;
// The reduction's constants: 1/pi and 2/pi, the rounding constant, the parts of pi/2, 1/2
// and 1, and the parts of pi.
constexpr double kReduceValues[] = {kInvPi, kTwoOverPi, fast::kRoundMagic, kPio2a,
                                    kPio2b, 0.5,        1.0,               2 * kPio2a,
                                    2 * kPio2b};
constexpr auto kReduce = fast::coefs(kReduceValues);
// v with its sign flipped where the sign bit of the lane of sign is set; all ones where q is
// odd.
inline D flip(D v, L sign) { return simd::as<double>(simd::as<int64_t>(v) ^ sign); }
inline L odd(L q) { return -(q & 1); }

// r = x - h pi/2 by the two parts, or x - n pi for Pi.
template <bool Pi = false>
inline D reduce_by(D x, D h) {
  const D* c = fast::from_memory(kReduce) + (Pi ? 7 : 3);
  return (x - h * c[0]) - h * c[1];
}
// r + r^3 q(r^2): sin r for the coefficients of q.  The last three operations round at most
// 2^-51 relative to r^3 q(r^2), which is at most 0.36 |r| where the result exceeds 0.63 |r|;
// with the sum's own rounding the evaluation adds below 2^-51 relative.
template <size_t N>
inline D odd_series(D r, const fast::Coefs<N>& q) {
  const D u = r * r;
  return r + r * u * fast::polynomial(u, q);
}

// sin x = (-1)^k sin r with x = 2k pi/2 + r, |r| <= pi/2, and cos x = (-1)^(k+1) sin r with
// x = (2k + 1) pi/2 + r: one polynomial for both.  On |r| <= pi/2 its approximation error is
// below 2^-41.5; with the reduction and evaluation, below 2^-40.7.
constexpr double kSinWide[] = {-0x1.55555555549cbp-3,  0x1.1111110fc0488p-7,
                               -0x1.a01a0011bc7d8p-13, 0x1.71dd8de2b99adp-19,
                               -0x1.ae20c4ceb0f9ep-26, 0x1.54e75c89c6fa0p-33};
constexpr auto kSinHalfPi = fast::coefs(kSinWide);
template <bool Cosine>
inline D sin_or_cos(D x) {
  const D* c = fast::from_memory(kReduce);
  L k;  // k in the low bits
  if constexpr (Cosine) {
    // k the nearest integer to x/pi - 1/2, h = 2k + 1 = 2 (k + 1/2).
    const D r = reduce_by<true>(x, fast::round_near(x * c[0] - c[5], k, c[2]) + c[5]);
    return flip(odd_series(r, kSinHalfPi), (k + 1) << 63);
  }
  const D r = reduce_by<true>(x, fast::round_near(x * c[0], k, c[2]));
  return flip(odd_series(r, kSinHalfPi), k << 63);
}

// sin x and cos x together from |r| <= pi/4 and the quadrant k: sin x =
// (s, c, -s, -c)[k mod 4] and cos x = (c, -s, -c, s)[k mod 4] for s = sin r and c = cos r.
// On |r| <= pi/4 the sine's polynomial errs below 2^-45.6, the cosine's below 2^-39.5; with
// the reduction and evaluation, s below 2^-41.8 and c below 2^-39.2 (an error d in r moves
// cos r by |d sin r| <= 2^-42 r^2, below 2^-42.2 of cos r).
constexpr double kSinNarrow[] = {-0x1.555555555516bp-3, 0x1.1111110fd3d39p-7,
                                 -0x1.a019fd9b346d6p-13, 0x1.71d9a9f2f92d5p-19,
                                 -0x1.aa285701d01b8p-26};
constexpr auto kSinQuarterPi = fast::coefs(kSinNarrow);
constexpr double kCosNarrow[] = {0x1.5555555502cf2p-5, -0x1.6c16bf54e65aep-10,
                                 0x1.a015c47c8395cp-16, -0x1.25244dcc3a26dp-22};
constexpr auto kCosQuarterPi = fast::coefs(kCosNarrow);
struct Quadrant {
  D s, c;
  L k;  // k in the low bits
};
inline Quadrant quadrant(D x) {
  const D* c = fast::from_memory(kReduce);
  L k;
  const D h = fast::round_near(x * c[1], k, c[2]);
  const D r = reduce_by(x, h), u = r * r;
  // cos r = 1 - u/2 + u^2 q(u): 1 - u/2 rounds once (u/2 is exact) to at least 0.69, and
  // u^2 q(u) is below 2^-5.9; the sum adds below 2^-52.
  return {odd_series(r, kSinQuarterPi),
          (c[6] - c[5] * u) + u * u * fast::polynomial(u, kCosQuarterPi), k};
}

// Arguments with 2^-12 <= |x| < 2^17: below, sine, cosine and tangent are within a float's
// rounding of x or 1 and the library's double result may be exact; above, x - h P1 would
// no longer be exact.  In the range the results lie in the float normal range, far from its
// ends (kNormalResults): |sin x| and |cos x| are at least the argument's distance from the
// nearest zero, 2^-12 or 2^-27.8 (x itself, or a nonzero multiple of pi/2) times 2/pi, and
// |tan x| is below 2^31 (as Tan says).
constexpr auto kTrigRange = fast::range(fast::bits_of(0x1p-12f), fast::bits_of(0x1p17f));
inline I trig_safe(F x) { return fast::in_range(fast::magnitude_bits(x), kTrigRange); }

// The kernels: the safe range, a harmless argument, the evaluation in both halves of a
// block, and the element rule.
template <int Out, int Parts = 1, class Part = float>
struct Kernel {
  using Source = Part;
  static constexpr int kOut = Out;
  using Result = float;
  static constexpr int kParts = Parts;
  static constexpr bool kSplit = false;
  static constexpr int kChecked = Out;
  static constexpr bool kPairsOut = false;
  static constexpr bool kMayBeExact = false;
  static constexpr bool kNormalResults = false;
  static constexpr bool kLeavesRange = false;
  static constexpr float kHarmless = 1.0f;
};

template <bool Cosine>
struct SinOrCos : Kernel<1> {
  static constexpr bool kNormalResults = true;
  static I safe(F x) { return trig_safe(x); }
  static void eval(F x, D (&y)[1][2]) {
    y[0][0] = sin_or_cos<Cosine>(simd::to_double_lo(x));
    y[0][1] = sin_or_cos<Cosine>(simd::to_double_hi(x));
  }
  static void elem(float x, float* r) {
    r[0] = Cosine ? element<Domain::All, cos>(x) : element<Domain::All, sin>(x);
  }
};
using Sin = SinOrCos<false>;
using Cos = SinOrCos<true>;
// sin x and cos x of a safe argument, errors as the quadrant's s and c.
struct SineCosine {
  D sin, cos;
};
inline SineCosine sine_and_cosine(D x) {
  const Quadrant a = quadrant(x);
  const L o = odd(a.k);
  return {flip(simd::select(o, a.c, a.s), (a.k & 2) << 62),
          flip(simd::select(o, a.s, a.c), ((a.k + 1) & 2) << 62)};
}
struct SinCos : Kernel<2> {
  static constexpr bool kNormalResults = true;
  static I safe(F x) { return trig_safe(x); }
  static void eval(F x, D (&y)[2][2]) {
    for (int h = 0; h < 2; ++h) {
      const SineCosine t = sine_and_cosine(h ? simd::to_double_hi(x) : simd::to_double_lo(x));
      y[0][h] = t.sin;
      y[1][h] = t.cos;
    }
  }
  // The element loop's two calls, sine first.
  static void elem(float x, float* r) {
    r[0] = narrow<float>(sin(static_cast<double>(x)));
    r[1] = narrow<float>(cos(opaque(static_cast<double>(x))));
  }
};
// tan x = tan r for even h, -1/tan r for odd h, with h and |r| <= pi/4 as in the quadrant.
// tan r = r P(r^2) / Q(r^2), the Pade approximant of degree 3 over 3 in r^2 (tools/fit_math.py),
// errs below 2^-42.2 on that interval.  Its two polynomials have terms falling off fast (each
// value is at least 0.85 and 0.56 of the sum of its terms' magnitudes), so each evaluation
// errs below 2^-50.2, and r P and the quotient round once each.  An error d in r moves tan r
// by at most pi/2 as much relative (the slope over the value is 2/sin 2r): 2^-41.4 for the
// reduction's 2^-42.  Below 2^-40.7 in all.  Near a pole the float argument stays 2^-30 from
// it, so the quotient is below 2^31.
constexpr double kTanNumerator[] = {0x1.0000000000000p+0, -0x1.0690690690690p-3,
                                    0x1.6ea28d118b474p-9, -0x1.f09b28ba4d955p-18};
constexpr auto kTanP = fast::coefs(kTanNumerator);
constexpr double kTanDenominator[] = {0x1.0000000000000p+0, -0x1.d89d89d89d89ep-2,
                                      0x1.7de952f2466a4p-6, -0x1.b287c3a303e2bp-13};
constexpr auto kTanQ = fast::coefs(kTanDenominator);
struct Tan : Kernel<1> {
  static constexpr bool kNormalResults = true;
  static I safe(F x) { return trig_safe(x); }
  static void eval(F x, D (&y)[1][2]) {
    const D* c = fast::from_memory(kReduce);
    for (int h = 0; h < 2; ++h) {
      const D v = h ? simd::to_double_hi(x) : simd::to_double_lo(x);
      L k;
      const D r = reduce_by(v, fast::round_near(v * c[1], k, c[2])), u = r * r;
      const D num = r * fast::polynomial(u, kTanP), den = fast::polynomial(u, kTanQ);
      const L o = odd(k);
      y[0][h] = flip(simd::select(o, den, num) / simd::select(o, num, den), o << 63);
    }
  }
  static void elem(float x, float* r) { r[0] = element<Domain::All, tan>(x); }
};

// exp v = 2^t with t = v log2(e) rounded to double: 2^n 2^f, n the nearest integer to t and
// f = t - n, |f| <= 1/2, exact (t and n are multiples of t's ulp).  The product errs by half
// an ulp of t plus v times log2(e)'s rounding (2^-53): for |v| < 89 below 2^-47 + 2^-46.5,
// for |v| <= 120 (the power's argument) below 2^-45 + 2^-46.1, and an error d in t moves the
// result by d ln 2 relative: below 2^-46.2 and 2^-44.9.  2^f = 1 + f q(f) by a polynomial q of
// degree 7 (the interpolant of 2^f - 1 of degree 8, without its constant term, which rounds to
// 0), whose approximation error on |f| <= 1/2 is below 2^-39.7; f q(f) is at most 0.42 of the
// result, so its evaluation and the sum add below 2^-52: below 2^-39.7 in all.  An argument
// of 0 gives exactly 1.
// Safe: 2^-24 <= |x| (below, the result is within a float's rounding of 1) and x < 88.5 or
// x > -87, where 2^n is a normal double and the result a normal float, at least 2^-125.5 and
// below 2^127.7 (beyond, the library's results near the ends of the float range are its
// own).
constexpr double kExp2Poly[] = {0x1.62e42fef84cefp-1,  0x1.ebfbdff823cedp-3,  0x1.c6b08dd6fd49dp-5,
                                0x1.3b2ab7181b800p-7,  0x1.5d8745a6fa02fp-10, 0x1.4308ac8590f1ep-13,
                                0x1.00dc4a7206288p-16, 0x1.63d136589c213p-20};
constexpr auto kExp2 = fast::coefs(kExp2Poly);
constexpr double kExpReduceValues[] = {0x1.71547652b82fep0, fast::kRoundMagic, 1.0};
constexpr auto kExpReduce = fast::coefs(kExpReduceValues);
// exp v for |v| <= 120: 2^n is a normal double.
inline D exponential(D v) {
  const D* c = fast::from_memory(kExpReduce);
  L n;  // n in the low bits
  const D t = v * c[0];
  const D f = t - fast::round_near(t, n, c[1]);
  return (c[2] + f * fast::polynomial(f, kExp2)) * simd::as<double>((n + 1023) << 52);
}
struct Exp : Kernel<1> {
  static constexpr bool kNormalResults = true;
  static constexpr auto kBelow = fast::range(fast::bits_of(0x1p-24f), fast::bits_of(87.0f));
  static constexpr auto kAbove = fast::range(fast::bits_of(0x1p-24f), fast::bits_of(88.5f));
  static I safe(F x) {
    const U a = fast::magnitude_bits(x);
    return simd::select(fast::negative(x), fast::in_range(a, kBelow), fast::in_range(a, kAbove));
  }
  static void eval(F x, D (&y)[1][2]) {
    for (int h = 0; h < 2; ++h)
      y[0][h] = exponential(h ? simd::to_double_hi(x) : simd::to_double_lo(x));
  }
  static void elem(float x, float* r) { r[0] = element<Domain::All, exp>(x); }
};

// log x = e ln 2 + log m, x = 2^e m with m in [sqrt(1/2), sqrt 2], split on the float's bits.
// log m = 2 atanh s = 2 (s + s^3 q(s^2)), s = (m - 1)/(m + 1), |s| <= 0.1716: m - 1 and m + 1
// are exact (m has 24 significant bits), the quotient rounds once.  The polynomial q errs
// below 2^-43.1 relative to atanh s on that interval.  e ln 2 is one product by ln 2 rounded
// to double (2^-55.2 off): for |e| <= 149 below |e| 2^-53 absolute, 2^-51.5 relative to the
// result, which is at least 0.346 |e| for e != 0 (and e ln 2 is 0 for e = 0).  With e != 0
// the result is also at least a third of its largest term, so the two roundings of the sum
// stay below 2^-51; below 2^-42.9 in all.  Safe: positive normal floats except 1 (whose
// logarithm is exactly 0).
constexpr double kAtanhPoly[] = {0x1.5555555564e97p-2, 0x1.999998cafb89ap-3, 0x1.249323e52bb61p-3,
                                 0x1.c67ad9d7f596cp-4, 0x1.8c8c150c31d08p-4};
constexpr auto kAtanh = fast::coefs(kAtanhPoly);
// Fine: with the polynomial q of 6 coefficients below instead, which errs below 2^-50.4, and
// ln 2 in two parts, L1 of 32 significant bits (e L1 exact) and L2, summed with the smallest
// terms first: the result errs below 2^-49.4 (the power's logarithm).
constexpr double kAtanhFinePoly[] = {0x1.55555555553b8p-2, 0x1.9999999b8678ep-3,
                                     0x1.2492462af6c69p-3, 0x1.c71fccda9d943p-4,
                                     0x1.7382dbc1c0a4ap-4, 0x1.546a34a9487b4p-4};
constexpr auto kAtanhFine = fast::coefs(kAtanhFinePoly);
// 1, ln 2, and its two parts.
constexpr double kLogValues[] = {1.0, 0x1.62e42fefa39efp-1, 0x1.62e42feep-1, 0x1.a39ef35793c76p-33};
constexpr auto kLogConstants = fast::coefs(kLogValues);
// log(2^e m) from m and e as above.
template <bool Fine>
inline D log_of_parts(D m, D e) {
  const D* c = fast::from_memory(kLogConstants);
  const D s = (m - c[0]) / (m + c[0]), u = s * s, twice = s + s;
  if constexpr (Fine)
    return e * c[2] + (twice + (e * c[3] + twice * u * fast::polynomial(u, kAtanhFine)));
  else
    return (e * c[1] + twice) + twice * u * fast::polynomial(u, kAtanh);
}
// log x of positive normal floats, both halves of a block.
template <bool Fine>
inline void float_logarithm(F x, D (&y)[2]) {
  const U b = simd::as<uint32_t>(x);
  const I big = (I)((b & 0x7FFFFFu) > 0x3504F3u);  // significand above sqrt 2
  const I e = (I)(b >> 23) - 127 - big;
  const U halved = simd::as<uint32_t>(big) & 0x800000u;
  const F m = simd::as<float>(((b & 0x7FFFFFu) | 0x3F800000u) - halved);
  for (int h = 0; h < 2; ++h)
    y[h] = log_of_parts<Fine>(h ? simd::to_double_hi(m) : simd::to_double_lo(m),
                              h ? simd::to_double_hi(e) : simd::to_double_lo(e));
}
// A safe argument's logarithm lies between 2^-24 (at 1 - 2^-24) and 88 in magnitude.
struct Log : Kernel<1> {
  static constexpr bool kNormalResults = true;
  static constexpr float kHarmless = 2.0f;
  static constexpr auto kPositive = fast::range(fast::bits_of(0x1p-126f), 0x7F800000u);
  static I safe(F x) {
    const U b = simd::as<uint32_t>(x);
    return fast::in_range(b, kPositive) & (I)(b != fast::bits_of(1.0f));
  }
  static void eval(F x, D (&y)[1][2]) { float_logarithm<false>(x, y[0]); }
  static void elem(float x, float* r) { r[0] = element<Domain::NonNegative, log>(x); }
};

// ---- the inverse trigonometric functions -----------------------------------------------
//
// Their reductions need comparisons of the argument's magnitude; on the safe lanes (no NaN)
// an ordered comparison of doubles raises nothing.  The sign is the argument's (odd
// functions), put back on the result of |x|.
constexpr int64_t kSignBit = INT64_MIN;
inline L sign_of(D v) { return simd::as<int64_t>(v) & kSignBit; }
inline D absolute(D v) { return simd::as<double>(simd::as<int64_t>(v) & ~kSignBit); }

// atan a = off + atan t for a >= 0, t of magnitude at most tan(pi/8) (a hair more where the
// float thresholds round):
//   a <= tan(pi/8):            t = a,                off = 0
//   a <= tan(3 pi/8):          t = (a - 1)/(a + 1),  off = pi/4
//   beyond:                    t = -1/a,             off = pi/2.
// a - 1 and a + 1 are exact (a float), the quotient rounds once: t within 2^-53 relative,
// which moves atan t by less.  The polynomial errs below 2^-43.1 relative on that interval,
// its evaluation adds below 2^-51.  Where off is nonzero the result is at least pi/8 and
// atan t at most as large, so the sum's rounding and off's own (2^-54 relative) stay below
// 2^-51 of the result: below 2^-43 in all.  Safe: 2^-12 <= |x| < 2^64 (below, the result is
// within a float's rounding of x; above, every intermediate is still normal but the result
// is pi/2 rounded, which the library returns anyway).
constexpr double kAtanPoly[] = {-0x1.5555555552617p-2, 0x1.999999885eba1p-3,  -0x1.249240dab6c36p-3,
                                0x1.c7196390b8f13p-4,  -0x1.7415b6398c9aep-4, 0x1.377e1a8d965c1p-4,
                                -0x1.edc1c2341db5ap-5, 0x1.0dfb56562ec47p-5};
constexpr auto kAtan = fast::coefs(kAtanPoly);
// tan(pi/8) and tan(3 pi/8), 1, pi/4 and pi/2.
constexpr double kAtanValues[] = {0x1.a827999fcef32p-2, 0x1.3504f333f9de6p+1, 1.0,
                                  0x1.921fb54442d18p-1, 0x1.921fb54442d18p+0};
constexpr auto kAtanConstants = fast::coefs(kAtanValues);
// Its results lie between 2^-12.1 and pi/2 in magnitude.
struct Atan : Kernel<1> {
  static constexpr bool kNormalResults = true;
  static constexpr auto kRange = fast::range(fast::bits_of(0x1p-12f), fast::bits_of(0x1p64f));
  static I safe(F x) { return fast::in_range(fast::magnitude_bits(x), kRange); }
  static void eval(F x, D (&y)[1][2]) {
    for (int h = 0; h < 2; ++h) {
      const D v = h ? simd::to_double_hi(x) : simd::to_double_lo(x), a = absolute(v);
      const D* c = fast::from_memory(kAtanConstants);
      const L mid = a > c[0], big = a > c[1];
      const D zero{};
      const D num = simd::select(big, -c[2], simd::select(mid, a - c[2], a));
      const D den = simd::select(big, a, simd::select(mid, a + c[2], c[2]));
      const D off = simd::select(big, c[4], simd::select(mid, c[3], zero));
      y[0][h] = flip(off + odd_series(num / den, kAtan), sign_of(v));
    }
  }
  static void elem(float x, float* r) { r[0] = element<Domain::All, atan>(x); }
};

// asin a for 0 <= a < 1: a <= 1/2 by the odd polynomial in a; above, asin a = pi/2 - 2 asin s
// with s = sqrt((1 - a)/2) <= 1/2 (1 - a and the halving are exact, the root rounds once).
// acos x = pi/2 - asin x for |x| <= 1/2, 2 asin s for x > 1/2 and pi - 2 asin s for x < -1/2.
// The polynomial errs below 2^-42.0 relative on |t| <= 1/2, its evaluation adds below 2^-51.
// Where a term is subtracted from pi/2 or pi, the result is at least the term (asin 1/2 =
// pi/6 against pi/2), which doubles the relative error at most: below 2^-40.9 in all.
constexpr double kAsinPoly[] = {0x1.555555555ba9ep-3, 0x1.3333331332531p-4,  0x1.6db6f5e9ebd5fp-5,
                                0x1.f1beb9c0e2366p-6, 0x1.6f347ecc2a36ep-6,  0x1.14eef9e801545p-6,
                                0x1.144d373696928p-6, 0x1.17d322654b412p-10, 0x1.d06f22830b950p-6};
constexpr auto kAsin = fast::coefs(kAsinPoly);
// 1/2, 1, pi/2 and pi.
constexpr double kAsinValues[] = {0.5, 1.0, 0x1.921fb54442d18p+0, 0x1.921fb54442d18p+1};
constexpr auto kAsinConstants = fast::coefs(kAsinValues);
struct Arcsine {
  L small;  // |x| <= 1/2
  D w;      // asin |x| if small, else asin s
};
inline Arcsine arcsine(D a) {
  const D* c = fast::from_memory(kAsinConstants);
  const L small = a <= c[0];
  const D z = (c[1] - a) * c[0];
  const D t = simd::select(small, a, simd::vsqrt(z));
  const D u = simd::select(small, a * a, z);
  return {small, t + t * u * fast::polynomial(u, kAsin)};
}
// Safe: |x| < 1 (at 1 the results are exact multiples of pi/2 rounded), and for the arc sine
// 2^-12 <= |x| as well (below, the result is within a float's rounding of x), for the arc
// cosine too (the library's route for tiny arguments is its own).  The results lie between
// 2^-12 and pi/2 in magnitude, the arc cosine's between 2^-11.5 (at 1 - 2^-24) and pi.
constexpr auto kInverseRange = fast::range(fast::bits_of(0x1p-12f), fast::bits_of(1.0f));
struct Asin : Kernel<1> {
  static constexpr bool kNormalResults = true;
  static I safe(F x) { return fast::in_range(fast::magnitude_bits(x), kInverseRange); }
  static void eval(F x, D (&y)[1][2]) {
    for (int h = 0; h < 2; ++h) {
      const D v = h ? simd::to_double_hi(x) : simd::to_double_lo(x);
      const Arcsine s = arcsine(absolute(v));
      const D* c = fast::from_memory(kAsinConstants);
      y[0][h] = flip(simd::select(s.small, s.w, c[2] - (s.w + s.w)), sign_of(v));
    }
  }
  static void elem(float x, float* r) { r[0] = element<Domain::Unit, asin>(x); }
};
struct Acos : Kernel<1> {
  static constexpr bool kNormalResults = true;
  static I safe(F x) { return fast::in_range(fast::magnitude_bits(x), kInverseRange); }
  static void eval(F x, D (&y)[1][2]) {
    for (int h = 0; h < 2; ++h) {
      const D v = h ? simd::to_double_hi(x) : simd::to_double_lo(x);
      const L sign = sign_of(v);
      const Arcsine s = arcsine(absolute(v));
      const D* c = fast::from_memory(kAsinConstants);
      const D twice = s.w + s.w;
      const D far = simd::select(sign != 0, c[3] - twice, twice);
      y[0][h] = simd::select(s.small, c[2] - flip(s.w, sign), far);
    }
  }
  static void elem(float x, float* r) { r[0] = element<Domain::Unit, acos>(x); }
};

// ---- magnitude and phase of (x, y) pairs -----------------------------------------------
//
// The parts are floats, exact in double.  Zero and subnormal results fail the normal-range
// test and go to the library.
constexpr auto kFinite = fast::range(0, 0x7F800000u);
inline I finite(F x) { return fast::in_range(fast::magnitude_bits(x), kFinite); }
inline D half_of(F x, int h) { return h ? simd::to_double_hi(x) : simd::to_double_lo(x); }

// hypot(x, y) = sqrt(x^2 + y^2), safe for finite parts: the squares are exact (48 significant bits,
// and normal doubles for every float), the sum rounds once and the root once: below 2^-52 relative.
inline D hypotenuse(D x, D y) { return simd::vsqrt(x * x + y * y); }
// The element rules of the magnitude and the phase of x + yi, rounded to R.  16-bit parts
// have no negative zero, and atan2(0, 0) is +0: they need no zero rule.
template <class R, class P>
inline R magnitude(P x, P y) {
  return narrow<R>(hypot(static_cast<double>(x), static_cast<double>(y)));
}
template <class R, class P>
inline R angle(P x, P y) {
  if (std::is_integral<P>::value)
    return narrow<R>(atan2(static_cast<double>(y), static_cast<double>(x)));
  return phase<R>(static_cast<double>(y), static_cast<double>(x));
}
// The other lanes take (0, 0), whose root is exact: where all of a block's magnitudes are
// exact (the library raises no inexact then), so is the block's arithmetic.
struct Ampl : Kernel<1, 2> {
  static constexpr float kHarmless = 0.0f;
  static I safe(F x, F y) { return finite(x) & finite(y); }
  static void eval(F x, F y, D (&r)[1][2]) {
    for (int h = 0; h < 2; ++h) r[0][h] = hypotenuse(half_of(x, h), half_of(y, h));
  }
  template <class P>
  static void elem(P x, P y, float* r) {
    r[0] = magnitude<float>(x, y);
  }
};

// atan2(y, x) from a = |y| and b = |x| as the arc tangent above does from a/b, without
// dividing first: the thresholds compare a with b tan(pi/8) and b tan(3 pi/8) (the products
// round, which moves t at most a hair past tan(pi/8)), and t is a/b, (a - b)/(a + b) or -b/a,
// each one rounding: a - b and a + b are exact where a/b lies between the thresholds (the
// parts' exponents differ by 2 at most).  The smallest quotient, 2^-149 / 2^128, keeps its
// powers in the polynomial normal doubles.  Then pi - atan for x < 0 (at least pi/2, and pi
// errs by 2^-54 relative) and the sign of y: below 2^-42.9 in all.
inline D arc_tangent2(D y, D x) {
  const D* c = fast::from_memory(kAtanConstants);
  const D a = absolute(y), b = absolute(x);
  const L mid = a > b * c[0], big = a > b * c[1];
  const D num = simd::select(big, -b, simd::select(mid, a - b, a));
  const D den = simd::select(big, a, simd::select(mid, a + b, b));
  const D zero{};
  const D off = simd::select(big, c[4], simd::select(mid, c[3], zero));
  const D theta = off + odd_series(num / den, kAtan);
  const D* k = fast::from_memory(kAsinConstants);
  return flip(simd::select(sign_of(x) != 0, k[3] - theta, theta), sign_of(y));
}
// Safe: x and y normal floats whose exponents e(y) - e(x) lie in [-11, 100].  Below, |y/x| <
// 2^-11 and the library's atan2 may return the quotient itself, exact, where the fast
// arithmetic would raise inexact; above, the quotient's fourth power of its square, which
// the polynomial's evaluation forms, would leave the normal doubles and raise underflow
// (within the range it is 2^-808 at least).
constexpr auto kNormal = fast::range(0x00800000u, 0x7F800000u);
constexpr auto kExponentsApart = fast::range(static_cast<uint32_t>(-11), 101);
// The phase then lies between atan 2^-12 and pi in magnitude.
struct Phase : Kernel<1, 2> {
  static constexpr bool kNormalResults = true;
  static I safe(F x, F y) {
    const U ax = fast::magnitude_bits(x), ay = fast::magnitude_bits(y);
    return fast::in_range(ax, kNormal) & fast::in_range(ay, kNormal) &
           fast::in_range((ay >> 23) - (ax >> 23), kExponentsApart);
  }
  static void eval(F x, F y, D (&r)[1][2]) {
    for (int h = 0; h < 2; ++h) r[0][h] = arc_tangent2(half_of(y, h), half_of(x, h));
  }
  template <class P>
  static void elem(P x, P y, float* r) {
    r[0] = angle<float>(x, y);
  }
};
// Both, the magnitude first (the element loop's order of calls).
struct Polar : Kernel<2, 2> {
  static I safe(F x, F y) { return Phase::safe(x, y); }
  static void eval(F x, F y, D (&r)[2][2]) {
    for (int h = 0; h < 2; ++h) {
      const D xd = half_of(x, h), yd = half_of(y, h);
      r[0][h] = hypotenuse(xd, yd);
      r[1][h] = arc_tangent2(yd, xd);
    }
  }
  template <class P>
  static void elem(P x, P y, float* r) {
    r[0] = magnitude<float>(x, y);
    r[1] = angle<float>(x, y);
  }
};

// log r of a positive normal double r, as Log above but split on the double's bits: r =
// 2^e m with m in [sqrt(1/2), sqrt 2], m - 1 exact, m + 1 and the quotient rounding once each:
// s within 2^-52 relative, which moves 2 atanh s by as much relative (its slope is below 1.04
// there).  With the polynomial, e ln 2 and the sum as in Log (|e| <= 149 here): below 2^-42.8
// in all.
constexpr double kLogDoubleValues[] = {1.0, 0x1.6a09e667f3bcdp+0, 0.5, fast::kRoundMagic, 1023.0};
constexpr auto kLogDouble = fast::coefs(kLogDoubleValues);
inline D logarithm(D r) {
  const D* c = fast::from_memory(kLogDouble);
  const L b = simd::as<int64_t>(r);
  const D m1 = simd::as<double>((b & int64_t(0x000FFFFFFFFFFFFF)) | simd::as<int64_t>(c[0]));
  const L big = m1 > c[1];  // m1 in [1, 2): halved above sqrt 2
  const D m = simd::select(big, m1 * c[2], m1), zero{};
  // The biased exponent (1 .. 2046) as a double by the rounding constant's bits, exactly.
  const D biased = simd::as<double>((b >> 52) + simd::as<int64_t>(c[3])) - c[3];
  return log_of_parts<false>(m, (biased - c[4]) + simd::select(big, c[0], zero));
}

// ---- polar to Cartesian, and the complex exponential -------------------------------------

// The element rules.  Polar to Cartesian: (m cos p, m sin p) in double, cos and sin called
// separately.  The complex exponential of a + bi: m (cos b + i sin b) with m = exp(a) rounded
// to R and widened again, so a magnitude beyond R's range is infinite even where the cosine
// or sine is zero; one sincos call.
template <class R>
inline void cartesian(double m, double p, R* r) {
  const double c = cos(p), s = sin(opaque(p));
  r[0] = narrow<R>(m * c);
  r[1] = narrow<R>(m * s);
}
template <class R>
inline void complex_exp(double a, double b, R* r) {
  const double m = static_cast<double>(narrow<R>(exp(a)));
  double s, c;
  sincos(b, &s, &c);
  r[0] = narrow<R>(m * c);
  r[1] = narrow<R>(m * s);
}

// m times the cosine and sine above (both halves of a block, into y[0] and y[1]): below
// 2^-39.2 with the product's rounding.  Safe: p in
// the trigonometric range, where |cos p| and |sin p| exceed 2^-28, and 2^-90 <= |m| < 2^128,
// so that both products are normal floats (at least 2^-118) and at most |m|.
template <int Rows>
inline void times_cosine_sine(F m, F p, D (&y)[Rows][2]) {
  for (int h = 0; h < 2; ++h) {
    const SineCosine t = sine_and_cosine(half_of(p, h));
    const D md = half_of(m, h);
    y[0][h] = md * t.cos;
    y[1][h] = md * t.sin;
  }
}
constexpr auto kCartesianMagnitude = fast::range(fast::bits_of(0x1p-90f), 0x7F800000u);
struct Cartesian : Kernel<2, 2> {
  static constexpr bool kSplit = true, kPairsOut = true;
  // The products, the kernel's and the library's, lie between 2^-118 and |m|.
  static constexpr bool kNormalResults = true;
  static I safe(F m, F p) {
    return trig_safe(p) & fast::in_range(fast::magnitude_bits(m), kCartesianMagnitude);
  }
  static void eval(F m, F p, D (&y)[2][2]) { times_cosine_sine(m, p, y); }
  static void elem(float m, float p, float* r) { cartesian<float>(m, p, r); }
};
// Into 16-bit pairs: one sincos call, u = c m and v = s m in double, each stored truncated
// toward zero after saturation to [-32768, 32767] (a NaN stores 0).  The products as in
// Cartesian, whose error bound holds at every magnitude: below 2^-39.2 relative.  Safe: p in
// the trigonometric range and m finite (zeros and denormals included: the products stay
// normal doubles or zeros, and the saturation sees no infinity).
inline void cartesian16(double m, double p, int16_t* r) {
  double s, c;
  sincos(p, &s, &c);
  r[0] = saturate_trunc<int16_t>(c * m);
  r[1] = saturate_trunc<int16_t>(s * m);
}
struct Cartesian16 : Cartesian {
  using Result = int16_t;
  static I safe(F m, F p) { return trig_safe(p) & finite(m); }
  static void elem(float m, float p, int16_t* r) { cartesian16(m, p, r); }
};

// The exponential above rounded to float is the element rule's m wherever it passes the
// rounding test (it is checked as a third result), then m times the cosine and sine as in
// Cartesian.  Safe: b in the trigonometric range, and a = 0 (exp gives exactly 1, as the
// library does) or 2^-24 <= |a| with -64 < a < 88: m lies in [2^-93, 2^127), the products
// at least 2^-121.
constexpr auto kExpPositive = fast::range(fast::bits_of(0x1p-24f), fast::bits_of(88.0f));
constexpr auto kExpNegative = fast::range(fast::bits_of(0x1p-24f), fast::bits_of(64.0f));
struct ComplexExp : Kernel<2, 2> {
  static constexpr int kChecked = 3;
  // m and the products lie between 2^-121 and 2^127.
  static constexpr bool kNormalResults = true;
  static constexpr bool kPairsOut = true;
  static I safe(F a, F b) {
    const U m = fast::magnitude_bits(a);
    const I in = simd::select(fast::negative(a), fast::in_range(m, kExpNegative),
                              fast::in_range(m, kExpPositive));
    return trig_safe(b) & (in | (I)(m == U{}));
  }
  static void eval(F a, F b, D (&y)[3][2]) {
    for (int h = 0; h < 2; ++h) y[2][h] = exponential(half_of(a, h));
    times_cosine_sine(simd::to_float(y[2][0], y[2][1]), b, y);
  }
  static void elem(float a, float b, float* r) { complex_exp<float>(a, b, r); }
};

// The complex logarithm's element rule: log(hypot(b, a)), then the phase (its zero rule
// included).
template <class R>
inline void complex_log(double a, double b, R* r) {
  r[0] = narrow<R>(log(hypot(b, a)));
  r[1] = phase<R>(b, a);
}
// log |z| + i phase z for z = a + bi.  |z| = sqrt(a^2 + b^2) errs below 2^-52 relative
// (hypotenuse above) and the library's hypot below 1 ulp: the two differ by 2^-51 relative at
// most, so their logarithms differ by 2^-51 absolute, below 2^-39 relative to a logarithm of
// at least 2^-12; with the logarithm's own error (2^-42.8) and the library's log (2^-52):
// below 2^-38.8.  A lane whose logarithm comes out below 2^-12 in magnitude goes to the
// library: its third, checked result is 0 there (not a normal float: it fails the rounding
// test) and 1 elsewhere.  The phase as in Phase.  Safe: the phase's range, normal parts,
// where |z| is a normal double.
constexpr double kLogNearOneValues[] = {0x1p-12, 1.0};
constexpr auto kLogNearOne = fast::coefs(kLogNearOneValues);
struct ComplexLog : Kernel<2, 2> {
  static constexpr int kChecked = 3;
  static constexpr bool kPairsOut = true;
  static I safe(F a, F b) { return Phase::safe(a, b); }
  static void eval(F a, F b, D (&y)[3][2]) {
    const D* c = fast::from_memory(kLogNearOne);
    for (int h = 0; h < 2; ++h) {
      const D ad = half_of(a, h), bd = half_of(b, h);
      y[0][h] = logarithm(hypotenuse(ad, bd));
      y[1][h] = arc_tangent2(bd, ad);
      const D zero{};
      y[2][h] = simd::select(absolute(y[0][h]) < c[0], zero, c[1]);
    }
  }
  static void elem(float a, float b, float* r) { complex_log<float>(a, b, r); }
};

// The same of 16-bit pairs: their parts widen exactly to the floats the kernels take, and
// the element rules are the 16-bit ones.
template <class K>
struct Of16 : K {
  using Source = int16_t;
};

}  // namespace kernels
}  // namespace math
}  // namespace qvx

#endif
