// Powers: each element of a base vector raised to the element of an exponent vector (Pow)
// or to one constant exponent (PowC).  The special cases are settled before the C library's
// pow is called, in a fixed order; pow itself is called only for the last two cases, so the
// library's error reporting happens there and nowhere else.
#include <stdint.h>
#include <string.h>

#include <limits>
#include <type_traits>

#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"
#include "math/elementary.h"

namespace {

using namespace qvx;
using namespace qvx::math;

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

// True when no case before the last can apply: x positive, finite and not 1, y finite and
// not zero.  Tested on the bit patterns with one branch (no exception flag, and none of the
// comparison chain that costs a loop of library calls its speed).
template <class T>
inline bool ordinary(T x, T y) {
  using U = simd::uint_t<T>;
  constexpr U kSign = U(1) << (8 * sizeof(U) - 1);
  const T inf = std::numeric_limits<T>::infinity(), one = T(1);
  U bx, by, inf_bits, one_bits;
  memcpy(&bx, &x, sizeof bx);
  memcpy(&by, &y, sizeof by);
  memcpy(&inf_bits, &inf, sizeof inf_bits);
  memcpy(&one_bits, &one, sizeof one_bits);
  by &= ~kSign;
  return (bx - 1 < inf_bits - 1) & (bx != one_bits) & (by - 1 < inf_bits - 1);
}

// Pow: the cases in their order, ordinary elements straight to the last one.
template <class T>
inline QvxStatus power(const T* base, const T* exponent, T* dst, int len, T even_from) {
  return each2(base, exponent, dst, len, [even_from](T x, T y) {
    if (__builtin_expect(ordinary(x, y), 1)) return call_pow(x, y);
    if (y == T(0)) return T(1);
    if (x == T(1)) return T(1);
    if (isnan(y) || isnan(x)) return y + x;
    if (isinf(y)) return x == T(-1) ? T(1) : infinite_exponent(x, y);
    return finite_exponent(x, y, [y, even_from] { return parity(y, even_from); });
  });
}

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

// Member      magnitude from which every value is even   fill for a zero exponent
// Pow_32F     2^24                                        -
// Pow_64F     2^53                                        -
// PowC_32F    2^24                                        Set_32F
// PowC_64F    2^53                                        Set_64F
constexpr Qvx32f kEvenFrom32F = 16777216.0f;
constexpr Qvx64f kEvenFrom64F = 9007199254740992.0;

}  // namespace

QVX_DEFINE(QvxStatus, Vector_Pow_32F,
           (const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len)) {
  return power(src1, src2, dst, len, kEvenFrom32F);
}
QVX_DEFINE(QvxStatus, Vector_Pow_64F,
           (const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len)) {
  return power(src1, src2, dst, len, kEvenFrom64F);
}
QVX_DEFINE(QvxStatus, Vector_PowC_32F, (const Qvx32f* src, Qvx32f val, Qvx32f* dst, int len)) {
  return power_const(src, val, dst, len, kEvenFrom32F, __qvx_Vector_Set_32F);
}
QVX_DEFINE(QvxStatus, Vector_PowC_64F, (const Qvx64f* src, Qvx64f val, Qvx64f* dst, int len)) {
  return power_const(src, val, dst, len, kEvenFrom64F, __qvx_Vector_Set_64F);
}
