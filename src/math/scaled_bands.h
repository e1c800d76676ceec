// What the scaled exponential, logarithm and square root share: the bands of scale factors
// that choose a member's method, exact powers of two, ln 2, and the element loop.
#ifndef QVX_MATH_SCALED_BANDS_H
#define QVX_MATH_SCALED_BANDS_H

#include <stdint.h>

#include "core/loops.h"
#include "qvx_vector.h"

namespace qvx {
namespace scaled {

// A band of scale factors: from `from` up to the next band's `from` - 1, the last band up to
// INT_MAX.  A member lists its bands in ascending order, the first from INT_MIN, so that every
// int scale factor falls in exactly one.
template <class Method>
struct Band {
  int from;
  Method method;
};

template <class Method, int N>
inline const Band<Method>& band_of(const Band<Method> (&bands)[N], int s) {
  int k = 0;
  while (k + 1 < N && bands[k + 1].from <= s) ++k;
  return bands[k];
}

// 2^s as a double, exactly, for -62 <= s <= 62.
inline double pow2(int s) {
  const double p = static_cast<double>(uint64_t{1} << (s < 0 ? -s : s));
  return s < 0 ? 1.0 / p : p;
}

// ln 2 rounded to double precision.
constexpr double kLn2 = 0.693147180559945309417232121458176568;

// The largest value of T.
template <class T>
constexpr T top() {
  return static_cast<T>((uint64_t{1} << (8 * sizeof(T) - 1)) - 1);
}

// a where c holds, else b, by a mask rather than a branch: the element loops of the table
// bands choose between entries by the magnitude of the data, which a branch would mispredict
// on mixed data about half of the time (and the compiler turns plain conditionals into
// branches there).
template <class T>
inline T pick(bool c, T a, T b) {
  const T m = static_cast<T>(-static_cast<T>(c));
  return static_cast<T>((a & m) | (b & ~m));
}

// dst[i] = f(src[i]) for i = 0 .. len - 1 by the loop driver's element loop: each element
// is read before its result is stored, so dst may be src.
template <class T, class F>
inline void each(const T* src, T* dst, int len, F f) {
  map(len, Out<T>{dst}, elements_only(f), In<T>{src});
}

}  // namespace scaled
}  // namespace qvx

#endif
