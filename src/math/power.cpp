// Powers: each element of a base vector raised to the element of an exponent vector (Pow)
// or to one constant exponent (PowC).  The special cases are settled before the C library's
// pow is called, in a fixed order; pow itself is called only for the last two cases, so the
// library's error reporting happens there and nowhere else.
#include <stdint.h>

#include <limits>
#include <type_traits>

#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"
#include "math/elementary.h"
#include "math/fast.h"
#include "math/kernels.h"

namespace {

using namespace qvx;
using namespace qvx::math;

// Member      magnitude from which every value is even   fill for a zero exponent
// Pow_32F     2^24                                        -
// Pow_64F     2^53                                        -
// PowC_32F    2^24                                        Set_32F
// PowC_64F    2^53                                        Set_64F
constexpr Qvx32f kEvenFrom32F = 16777216.0f;
constexpr Qvx64f kEvenFrom64F = 9007199254740992.0;

// The class of a finite exponent: the sign of a zero base's infinite result and whether a
// negative base may lose its sign depend on it.
enum class Parity { Even, Odd, NotInteger };

// even_from: the magnitude from which every value of T is an even integer (2^24 for single,
// 2^53 for double).  Below it, truncation to a 32-bit (single) or 64-bit (double) integer
// is exact, and comparing back tells integers from the rest; the lowest bit tells parity.
template <class T>
inline Parity parity(T y, T even_from) {
  using I = std::conditional_t<sizeof(T) == 4, int32_t, int64_t>;
  if (!(fabs(y) < even_from)) return Parity::Even;
  const I i = static_cast<I>(y);
  if (static_cast<T>(i) != y) return Parity::NotInteger;
  return (i & 1) != 0 ? Parity::Odd : Parity::Even;
}

// The library call, single precision by the single-precision rule.
template <class T>
inline T call_pow(T x, T y) {
  return narrow<T>(pow(static_cast<double>(x), static_cast<double>(y)));
}

// An infinite exponent, x neither 1 nor -1 nor NaN: +infinity when (|x| < 1) equals
// (y < 0), that is for a small base with y = -infinity or a large one with y = +infinity,
// and +0 otherwise.
template <class T>
inline T infinite_exponent(T x, T y) {
  return (fabs(x) < T(1)) == (y < T(0)) ? std::numeric_limits<T>::infinity() : T(0);
}

// The cases for a finite nonzero exponent y, whose class parity() gives (looked at only
// where a case depends on it):
//   x = 1                         1
//   x NaN                         y + x
//   x = +-0 and y < 0             -1/|x| (-infinity) for x = -0 and an odd y, else 1/|x|
//                                 (the divisions raise the division-by-zero flag)
//   x < 0 and y even              pow(|x|, y)
//   otherwise                     pow(x, y) (a NaN from the library for x < 0 and a
//                                 non-integer y)
template <class T, class Class>
inline T finite_exponent(T x, T y, Class parity) {
  if (x == T(1)) return T(1);
  if (isnan(x)) return y + x;
  if (x == T(0) && y < T(0)) {
    return signbit(x) && parity() == Parity::Odd ? T(-1) / fabs(x) : T(1) / fabs(x);
  }
  if (x < T(0) && parity() == Parity::Even) return call_pow(fabs(x), y);
  return call_pow(x, y);
}

// The dispatch's tests look at the bit patterns, which raise no flag: a comparison raises
// invalid for a signalling NaN, and the compiler may evaluate one ahead of an earlier return
// (x's ahead of the zero exponent's, say) in one build and not in another.
template <class T>
inline simd::uint_t<T> bits(T v) {
  return __builtin_bit_cast(simd::uint_t<T>, v);
}
template <class T>
inline simd::uint_t<T> magnitude(T v) {
  return bits(v) & ~(simd::uint_t<T>(1) << (8 * sizeof(T) - 1));
}
template <class T>
inline bool is_nan_bits(T x) {
  return magnitude(x) > bits(std::numeric_limits<T>::infinity());
}
template <class T>
inline bool is_one_bits(T x) {
  return bits(x) == bits(T(1));
}
template <class T>
inline bool is_zero_bits(T x) {
  return magnitude(x) == 0;
}
// A finite nonzero value of either sign: its magnitude's bits in 1 .. those of infinity - 1.
template <class T>
inline bool is_finite_nonzero_bits(T x) {
  return magnitude(x) - 1 < bits(std::numeric_limits<T>::infinity()) - 1;
}

// True when no case before the last can apply: x positive, finite and not 1 (its bits, sign
// included, between those of 0 and of infinity, and not those of 1), y finite and not zero,
// tested with one branch (none of the comparison chain that costs a loop of library calls
// its speed).
template <class T>
inline bool ordinary(T x, T y) {
  const simd::uint_t<T> bx = bits(x), one = bits(T(1)), my = magnitude(y),
                        inf = bits(std::numeric_limits<T>::infinity());
  return (bx - 1 < inf - 1) & (bx != one) & (my - 1 < inf - 1);
}

// Pow's element rule: the cases in their order, ordinary elements straight to the last one.
template <class T>
inline T power_of(T x, T y, T even_from) {
  if (__builtin_expect(ordinary(x, y), 1)) return call_pow(x, y);
  if (is_zero_bits(y)) return T(1);
  if (is_one_bits(x)) return T(1);
  if (is_nan_bits(y) || is_nan_bits(x)) return y + x;
  if (isinf(y)) return x == T(-1) ? T(1) : infinite_exponent(x, y);
  return finite_exponent(x, y, [y, even_from] { return parity(y, even_from); });
}
template <class T>
inline QvxStatus power(const T* base, const T* exponent, T* dst, int len, T even_from) {
  return each2(base, exponent, dst, len,
               [even_from](T x, T y) { return power_of(x, y, even_from); });
}

// The single-precision fast path (math/fast.h): x^y = exp(y log x) for the ordinary elements
// with x a normal float.  log x by the logarithm with the finer polynomial (below 2^-49.4
// relative), the product y log x rounding once more: t within |t| 2^-49.3.  The results the
// rounding test can keep lie in the float normal range, exp t in [2^-126, 2^128), so |t| <
// 89 there and t errs below 2^-42.8 absolute, which moves exp t by as much relative; with
// the exponential's own 2^-39.7 (its reduction holds for any double t of that size): below
// 2^-39.5.  t is held within [-120, 120] before the exponential, whose 2^n then stays a
// normal double; the lanes beyond give results outside the float range, which go to the
// library.  Below 2^-100 in magnitude t becomes 0 (whose powers in the polynomial would
// underflow): exp 0 is 1, a float, which sends the lane to the library as below.  A power
// can be a float exactly (4^0.5, 2^10), which the library returns without inexact: results
// near a float go to the library too.  Safe: x a positive normal float other than 1, y
// finite and not zero (where the rule's other cases are settled without pow).
constexpr double kPowerClampValues[] = {-120.0, 120.0, 0x1p-100};
constexpr auto kPowerClamp = fast::coefs(kPowerClampValues);
constexpr auto kNonZeroFinite = fast::range(1, 0x7F800000u);
struct Power : kernels::Kernel<1, 2> {
  static constexpr bool kSplit = true, kMayBeExact = true, kLeavesRange = true;
  static constexpr float kHarmless = 2.0f;
  static fast::I safe(fast::F x, fast::F y) {
    return kernels::Log::safe(x) & fast::in_range(fast::magnitude_bits(y), kNonZeroFinite);
  }
  static void eval(fast::F x, fast::F y, fast::D (&r)[1][2]) {
    fast::D lx[2];
    kernels::float_logarithm<true>(x, lx);
    const fast::D* c = fast::from_memory(kPowerClamp);
    for (int h = 0; h < 2; ++h) {
      const fast::D t = kernels::half_of(y, h) * lx[h], zero{};
      const fast::D held = simd::vmin(simd::vmax(t, c[0]), c[1]);
      r[0][h] = kernels::exponential(simd::select(kernels::absolute(t) < c[2], zero, held));
    }
  }
  static void elem(float x, float y, float* r) { r[0] = power_of(x, y, kEvenFrom32F); }
};

// PowC with an infinite exponent: 1 for |x| = 1, x + val for a NaN x, otherwise +infinity
// or +0 by the infinite-exponent rule.  A block selects among the three results.  It raises
// exactly the flags of its elements: the NaN and equality tests are quiet comparisons (a
// signalling NaN flags them, as it flags the element's own tests), the ordered |x| < 1 test
// sees the NaN lanes as 0, and the sum is formed in the NaN lanes only (elsewhere 0 + val).
template <class T>
inline QvxStatus infinite_constant(const T* src, T val, T* dst, int len) {
  const auto elem = [val](T x) {
    if (fabs(x) == T(1)) return T(1);
    if (isnan(x)) return x + val;
    return infinite_exponent(x, val);
  };
  const auto block = [val](simd::Vec<T> x) {
    using S = simd::sint_t<T>;
    const simd::Vec<T> zero = simd::zero<T>(), one = simd::splat(T(1));
    const auto nan = x != x;
    const simd::Vec<T> mag = simd::as<T>(simd::as<S>(x) & std::numeric_limits<S>::max());
    const simd::Vec<T> ordered = simd::select(nan, zero, mag);
    // +infinity where (|x| < 1) equals (val < 0).
    const auto big = val < T(0) ? ordered < one : ordered > one;
    const simd::Vec<T> sum = simd::select(nan, x, zero) + val;
    const simd::Vec<T> inf = simd::splat(std::numeric_limits<T>::infinity());
    const simd::Vec<T> inf_or_zero = simd::select(big, inf, zero);
    return simd::select(mag == one, one, simd::select(nan, sum, inf_or_zero));
  };
  map(len, Out<T>{dst}, rule(elem, block), In<T>{src});
  return QVX_STS_NO_ERR;
}

// PowC: a zero exponent fills the destination with 1 through the fill primitive, before
// len is looked at; otherwise the exponent is classified once and every element follows
// the cases of its class, which give what Pow gives with every exponent equal to val.
template <class T>
inline QvxStatus power_const(const T* src, T val, T* dst, int len, T even_from,
                             QvxStatus (*fill)(T, T*, int)) {
  if (val == T(0)) return fill(T(1), dst, len);
  if (len < 1) return QVX_STS_NO_ERR;
  if (isnan(val)) return each(src, dst, len, [val](T x) { return x == T(1) ? T(1) : x + val; });
  if (isinf(val)) return infinite_constant(src, val, dst, len);
  const Parity c = parity(val, even_from);
  return each(src, dst, len, [val, c](T x) { return finite_exponent(x, val, [c] { return c; }); });
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_Pow_32F,
           (const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len)) {
  const Qvx32f* const src[2] = {src1, src2};
  fast::run<Power>(src, &dst, len);
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_Pow_64F,
           (const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len)) {
  return power(src1, src2, dst, len, kEvenFrom64F);
}
QVX_DEFINE(QvxStatus, Vector_PowC_32F, (const Qvx32f* src, Qvx32f val, Qvx32f* dst, int len)) {
  // Zero, infinite and NaN exponents, told apart by the bits (a comparison of a NaN would
  // raise invalid), take the element rules.
  if (!is_finite_nonzero_bits(val))
    return power_const(src, val, dst, len, kEvenFrom32F, __qvx_Vector_Set_32F);
  if (len < 1) return QVX_STS_NO_ERR;
  // A finite nonzero exponent: every element gives what Pow gives with an exponent vector
  // filled with val, so Pow's fast path serves, a stretch at a time.  The exponent is
  // classified first, as the element loop does (its conversion may raise inexact).
  volatile Parity classified = parity(val, kEvenFrom32F);
  (void)classified;
  constexpr int kStretch = 512;
  float exponents[kStretch];
  for (float& e : exponents) e = val;
  for (int i = 0; i < len; i += kStretch) {
    const Qvx32f* const from[2] = {src + i, exponents};
    Qvx32f* const to = dst + i;
    fast::run<Power>(from, &to, len - i < kStretch ? len - i : kStretch);
  }
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_PowC_64F, (const Qvx64f* src, Qvx64f val, Qvx64f* dst, int len)) {
  return power_const(src, val, dst, len, kEvenFrom64F, __qvx_Vector_Set_64F);
}
