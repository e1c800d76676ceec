// Elementary functions of real vectors: inverse and direct trigonometric functions, the
// exponential, the natural logarithm, the joint sine and cosine, and the square root.
#include "math/elementary.h"

#include <errno.h>
#include <string.h>

#include <limits>

#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"
#include "math/fast.h"

namespace {

using namespace qvx;
using namespace qvx::math;

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

template <Domain D, double (*F)(double), class T>
inline QvxStatus real(const T* src, T* dst, int len) {
  return each(src, dst, len, element<D, F, T>);
}

// The sine is stored before the source element is read again for the cosine, so dstCos may
// be the source and dstSin may not.
template <class T>
inline QvxStatus sin_cos(const T* src, T* dst_sin, T* dst_cos, int len) {
  for (int i = 0; i < len; ++i) {
    put(dst_sin + i, narrow<T>(sin(static_cast<double>(get(src + i)))));
    put(dst_cos + i, narrow<T>(cos(opaque(static_cast<double>(get(src + i))))));
  }
  return QVX_STS_NO_ERR;
}

// ---- the single-precision kernels of the fast path (math/fast.h) --------------------------
//
// Each evaluates its function in double from the exact double of a float in its safe range,
// with a relative error below 2^-48 (derived below for each), far inside the 2^-40 margin of
// the rounding test.  The polynomials are Taylor polynomials: their truncation error is the
// first omitted term (the series alternate with terms decreasing, or are bounded by a
// geometric tail), so the bound needs no fitting; the evaluation adds a few roundings of
// 2^-53 each.  Every safe argument keeps every intermediate a normal double, so the
// arithmetic raises inexact and nothing else.
using fast::D;
using fast::F;
using fast::I;
using fast::L;
using fast::U;

// Trigonometric reduction: x = k pi/2 + r with k the nearest integer to x * 2/pi and
// |r| <= pi/4 (a hair more when x * 2/pi rounds across a half).  pi/2 = P1 + P2 + P3 to 2^-122
// (P1 and P2 of 33 significant bits, P3 a full double).  For |x| < 2^17, |k| < 2^17: k P1
// and k P2 are exact, x - k P1 is exact (Sterbenz), and the two remaining subtractions round
// once each: the error of r is at most 2^-52 |r| + 2^-100, a relative error below 2^-51 for
// every float in the range, whose distance from a nonzero multiple of pi/2 exceeds 2^-28
// (the nearest is 0x1.f9cbe2p+7, 2^-27.8 away, as tools/verify_math.cpp reports).
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr double kPio2a = 0x1.921fb544p0, kPio2b = 0x1.0b4611a6p-34, kPio2c = 0x1.3198a2e037073p-69;
struct Quadrant {
  D r, r2;
  L q;  // k in the low bits
};
// The reduction's constants, and the cosine's 1 and 1/2.
constexpr double kReduceValues[] = {kTwoOverPi, fast::kRoundMagic, kPio2a, kPio2b, kPio2c,
                                    1.0, 0.5};
constexpr auto kReduce = fast::coefs(kReduceValues);
inline Quadrant reduce(D x) {
  const D* c = fast::from_memory(kReduce);
  L q;
  const D k = fast::round_near(x * c[0], q, c[1]);
  const D r = ((x - k * c[2]) - k * c[3]) - k * c[4];
  return {r, r * r, q};
}
// sin r = r + r^3 (-1/3! + r^2/5! - ... - r^12/15!): the first omitted term, r^17/17!, is
// below 2^-53 |r| for |r| <= 0.79; Horner in r^2 adds below 2^-52 relative.
constexpr double kSinTaylor[] = {-1.0 / 6, 1.0 / 120, -1.0 / 5040, 1.0 / 362880, -1.0 / 39916800,
                                 1.0 / 6227020800, -1.0 / 1307674368000};
constexpr auto kSin = fast::coefs(kSinTaylor);
inline D sin_r(const Quadrant& a) { return a.r + a.r * a.r2 * fast::horner(a.r2, kSin); }
// cos r = 1 - r^2/2 + r^4 (1/4! - r^2/6! + ... + r^12/16!): the first omitted term, r^18/18!,
// is below 2^-58 (cos r >= 0.7); the sum adds below 2^-51.
constexpr double kCosTaylor[] = {1.0 / 24, -1.0 / 720, 1.0 / 40320, -1.0 / 3628800, 1.0 / 479001600,
                                 -1.0 / 87178291200, 1.0 / 20922789888000};
constexpr auto kCos = fast::coefs(kCosTaylor);
inline D cos_r(const Quadrant& a) {
  const D* c = fast::from_memory(kReduce);
  return c[5] - c[6] * a.r2 + a.r2 * a.r2 * fast::horner(a.r2, kCos);
}
// The quadrant's choice of function and sign: sin x = (s, c, -s, -c)[k mod 4] and
// cos x = (c, -s, -c, s)[k mod 4].
inline L odd(L q) { return -(q & 1); }
inline D flip(D v, L sign) { return simd::as<double>(simd::as<int64_t>(v) ^ sign); }

// Arguments with 2^-12 <= |x| < 2^17: below, sine, cosine and tangent are within a float's
// rounding of x or 1 and the library's double result may be exact; above, the reduction
// needs more than three parts.
constexpr auto kTrigRange = fast::range(fast::bits_of(0x1p-12f), fast::bits_of(0x1p17f));
inline I trig_safe(F x) { return fast::in_range(fast::magnitude_bits(x), kTrigRange); }

// The kernels: the safe range, a harmless argument, the evaluation in both halves of a
// block, and the element rule.
template <int Out>
struct Kernel {
  static constexpr int kOut = Out;
  static constexpr float kHarmless = 1.0f;
  static constexpr bool kFaster = true;
};
// The exponential's and the logarithm's kernels are slower than the C library's own exp and
// log on two double lanes (measured on the SSE2 baseline: 0.7 and 0.9 times their speed), so
// that build keeps the element loop for them.
constexpr bool kWideDoubles = simd::kLanes<double> >= 4;

struct Sin : Kernel<1> {
  static I safe(F x) { return trig_safe(x); }
  static void eval(F x, D (&y)[1][2]) {
    for (int h = 0; h < 2; ++h) {
      const Quadrant a = reduce(h ? simd::to_double_hi(x) : simd::to_double_lo(x));
      y[0][h] = flip(simd::select(odd(a.q), cos_r(a), sin_r(a)), (a.q & 2) << 62);
    }
  }
  static void elem(float x, float* r) { r[0] = element<Domain::All, sin>(x); }
};
struct Cos : Kernel<1> {
  static I safe(F x) { return trig_safe(x); }
  static void eval(F x, D (&y)[1][2]) {
    for (int h = 0; h < 2; ++h) {
      const Quadrant a = reduce(h ? simd::to_double_hi(x) : simd::to_double_lo(x));
      y[0][h] = flip(simd::select(odd(a.q), sin_r(a), cos_r(a)), ((a.q + 1) & 2) << 62);
    }
  }
  static void elem(float x, float* r) { r[0] = element<Domain::All, cos>(x); }
};
struct SinCos : Kernel<2> {
  static I safe(F x) { return trig_safe(x); }
  static void eval(F x, D (&y)[2][2]) {
    for (int h = 0; h < 2; ++h) {
      const Quadrant a = reduce(h ? simd::to_double_hi(x) : simd::to_double_lo(x));
      const D s = sin_r(a), c = cos_r(a);
      const L o = odd(a.q);
      y[0][h] = flip(simd::select(o, c, s), (a.q & 2) << 62);
      y[1][h] = flip(simd::select(o, s, c), ((a.q + 1) & 2) << 62);
    }
  }
  // The element loop's two calls, sine first.
  static void elem(float x, float* r) {
    r[0] = narrow<float>(sin(static_cast<double>(x)));
    r[1] = narrow<float>(cos(opaque(static_cast<double>(x))));
  }
};
// tan x = s / c for even k, -c / s for odd k: two more roundings of 2^-53 and the quotient's.
// Near a pole the float argument stays 2^-30 from it, so the quotient is below 2^31.
struct Tan : Kernel<1> {
  static I safe(F x) { return trig_safe(x); }
  static void eval(F x, D (&y)[1][2]) {
    for (int h = 0; h < 2; ++h) {
      const Quadrant a = reduce(h ? simd::to_double_hi(x) : simd::to_double_lo(x));
      const D s = sin_r(a), c = cos_r(a);
      const L o = odd(a.q);
      y[0][h] = flip(simd::select(o, c, s) / simd::select(o, s, c), o << 63);
    }
  }
  static void elem(float x, float* r) { r[0] = element<Domain::All, tan>(x); }
};

// exp x = 2^n exp r, n the nearest integer to x / ln 2, r = x - n ln 2 with |r| <= 0.347.
// ln 2 = L1 + L2, L1 of 32 significant bits: n L1 is exact for |n| <= 2^8 and so is x - n L1
// (Sterbenz); r rounds once (2^-53 relative) plus n times L2's error (2^-98).  exp r by its
// Taylor polynomial of degree 13: the omitted tail is below 0.347^14/14! * 1.1 < 2^-57; Horner
// adds below 2^-51.  Safe: 2^-24 <= |x| (below, the result is within a float's rounding of 1)
// and x < 89 or x > -88, where 2^n and the result are normal doubles (results beyond the
// float range fail the rounding test and go to the library).
constexpr double kInvLn2 = 0x1.71547652b82fep0;
constexpr double kLn2a = 0x1.62e42feep-1, kLn2b = 0x1.a39ef35793c76p-33;
constexpr double kExpTaylor[] = {1.0, 1.0, 1.0 / 2, 1.0 / 6, 1.0 / 24, 1.0 / 120, 1.0 / 720,
                                 1.0 / 5040, 1.0 / 40320, 1.0 / 362880, 1.0 / 3628800,
                                 1.0 / 39916800, 1.0 / 479001600, 1.0 / 6227020800};
constexpr auto kExp = fast::coefs(kExpTaylor);
constexpr double kExpReduceValues[] = {kInvLn2, fast::kRoundMagic, kLn2a, kLn2b};
constexpr auto kExpReduce = fast::coefs(kExpReduceValues);
struct Exp : Kernel<1> {
  static constexpr bool kFaster = kWideDoubles;
  static constexpr auto kBelow = fast::range(fast::bits_of(0x1p-24f), fast::bits_of(88.0f));
  static constexpr auto kAbove = fast::range(fast::bits_of(0x1p-24f), fast::bits_of(89.0f));
  static I safe(F x) {
    const U a = fast::magnitude_bits(x);
    return simd::select(fast::negative(x), fast::in_range(a, kBelow), fast::in_range(a, kAbove));
  }
  static void eval(F x, D (&y)[1][2]) {
    for (int h = 0; h < 2; ++h) {
      const D v = h ? simd::to_double_hi(x) : simd::to_double_lo(x);
      const D* c = fast::from_memory(kExpReduce);
      L n;
      const D k = fast::round_near(v * c[0], n, c[1]);
      const D r = (v - k * c[2]) - k * c[3];
      y[0][h] = fast::horner(r, kExp) * simd::as<double>((n + 1023) << 52);
    }
  }
  static void elem(float x, float* r) { r[0] = element<Domain::All, exp>(x); }
};

// log x = e ln 2 + log m, x = 2^e m with m in [sqrt(1/2), sqrt 2], split on the float's bits.
// log m = 2 atanh s = 2 (s + s^3/3 + s^5/5 + ...), s = (m - 1)/(m + 1), |s| <= 0.1716: m - 1
// and m + 1 are exact (m has 24 significant bits), the quotient rounds once; the series to
// s^19 leaves a tail below s^21/21 / (1 - s^2) < 2^-55 |s|.  With e != 0 the result is at least
// a third of its largest term, so the three roundings of the sum stay below 2^-50.  Safe:
// positive normal floats except 1 (whose logarithm is exactly 0).
constexpr double kAtanhTaylor[] = {1.0 / 3, 1.0 / 5, 1.0 / 7, 1.0 / 9, 1.0 / 11,
                                   1.0 / 13, 1.0 / 15, 1.0 / 17, 1.0 / 19};
constexpr auto kAtanh = fast::coefs(kAtanhTaylor);
constexpr double kLogValues[] = {1.0, kLn2a, kLn2b};
constexpr auto kLogConstants = fast::coefs(kLogValues);
struct Log : Kernel<1> {
  static constexpr float kHarmless = 2.0f;
  static constexpr bool kFaster = kWideDoubles;
  static constexpr auto kPositive = fast::range(fast::bits_of(0x1p-126f), 0x7F800000u);
  static I safe(F x) {
    const U b = simd::as<uint32_t>(x);
    return fast::in_range(b, kPositive) & (I)(b != fast::bits_of(1.0f));
  }
  static void eval(F x, D (&y)[1][2]) {
    const U b = simd::as<uint32_t>(x);
    const I big = (I)((b & 0x7FFFFFu) > 0x3504F3u);  // significand above sqrt 2
    const I e = (I)(b >> 23) - 127 - big;
    const U halved = simd::as<uint32_t>(big) & 0x800000u;
    const F m = simd::as<float>(((b & 0x7FFFFFu) | 0x3F800000u) - halved);
    for (int h = 0; h < 2; ++h) {
      const D mh = h ? simd::to_double_hi(m) : simd::to_double_lo(m);
      const D eh = h ? simd::to_double_hi(e) : simd::to_double_lo(e);
      const D* c = fast::from_memory(kLogConstants);
      const D s = (mh - c[0]) / (mh + c[0]), s2 = s * s;
      const D tail = (s + s) * s2 * fast::horner(s2, kAtanh);
      y[0][h] = eh * c[1] + ((s + s) + (eh * c[2] + tail));
    }
  }
  static void elem(float x, float* r) { r[0] = element<Domain::NonNegative, log>(x); }
};

// The 32F members: the fast path where it is proven, else the element rule.
template <class K>
inline QvxStatus fast_real(const float* src, float* dst, int len) {
  float* const out[1] = {dst};
  fast::run<K>(src, out, len);
  return QVX_STS_NO_ERR;
}

// The sign bit of each lane set where the lane holds a NaN, by integer arithmetic: the bits
// of infinity minus the bits of |x| are negative exactly for a NaN.  No comparison, so no
// exception flag and no mask register (materialising one costs dearly on some processors).
template <class V>
inline auto nan_signs(V v) {
  using T = simd::lane_t<V>;
  using U = simd::uint_t<T>;
  constexpr U kSign = U(1) << (8 * sizeof(U) - 1);
  const T inf = std::numeric_limits<T>::infinity();
  U inf_bits;
  memcpy(&inf_bits, &inf, sizeof inf_bits);
  return (inf_bits - (simd::as<U>(v) & ~kSign)) & kSign;
}

// The square root in the element's own precision (sqrtf, sqrt): the scalar and the packed
// square-root instructions round alike and give the same NaNs.  The library function also
// sets errno to EDOM for an element below zero; a block does the same when one of its roots
// is a NaN from a non-NaN element.
template <class T>
inline QvxStatus square_root(const T* src, T* dst, int len) {
  const auto elem = [](T x) -> T { return sqrt(x); };
  const auto block = [](auto v) {
    const auto r = simd::vsqrt(v);
    if (simd::byte_signs(nan_signs(r) & ~nan_signs(v)) != 0) errno = EDOM;
    return r;
  };
  map(len, Out<T>{dst}, rule(elem, block), In<T>{src});
  return QVX_STS_NO_ERR;
}

}  // namespace

// Member   C function   default NaN without a call when
// Acos     acos         |x| > 1
// Asin     asin         |x| > 1
// Atan     atan         -
// Cos      cos          -
// Sin      sin          -
// Tan      tan          -
// Exp      exp          -
// Log      log          x < 0
QVX_DEFINE(QvxStatus, Vector_Acos_32F, (const Qvx32f* src, Qvx32f* dst, int len)) {
  return real<Domain::Unit, acos>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Acos_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return real<Domain::Unit, acos>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Asin_32F, (const Qvx32f* src, Qvx32f* dst, int len)) {
  return real<Domain::Unit, asin>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Asin_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return real<Domain::Unit, asin>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Atan_32F, (const Qvx32f* src, Qvx32f* dst, int len)) {
  return real<Domain::All, atan>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Atan_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return real<Domain::All, atan>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Cos_32F, (const Qvx32f* src, Qvx32f* dst, int len)) {
  return fast_real<Cos>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Cos_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return real<Domain::All, cos>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Sin_32F, (const Qvx32f* src, Qvx32f* dst, int len)) {
  return fast_real<Sin>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Sin_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return real<Domain::All, sin>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Tan_32F, (const Qvx32f* src, Qvx32f* dst, int len)) {
  return fast_real<Tan>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Tan_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return real<Domain::All, tan>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Exp_32F, (const Qvx32f* src, Qvx32f* dst, int len)) {
  return fast_real<Exp>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Exp_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return real<Domain::All, exp>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Log_32F, (const Qvx32f* src, Qvx32f* dst, int len)) {
  return fast_real<Log>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Log_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return real<Domain::NonNegative, log>(src, dst, len);
}

QVX_DEFINE(QvxStatus, Vector_SinCos_32F,
           (const Qvx32f* src, Qvx32f* dstSin, Qvx32f* dstCos, int len)) {
  float* const out[2] = {dstSin, dstCos};
  fast::run<SinCos>(src, out, len);
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_SinCos_64F,
           (const Qvx64f* src, Qvx64f* dstSin, Qvx64f* dstCos, int len)) {
  return sin_cos(src, dstSin, dstCos, len);
}

QVX_DEFINE(QvxStatus, Vector_Sqrt_32F, (const Qvx32f* src, Qvx32f* dst, int len)) {
  return square_root(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Sqrt_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return square_root(src, dst, len);
}
