// Shared pieces of the floating-point elementary functions and of the complex magnitude and
// phase: the element loops around C math library calls, the single-precision rule, the NaN
// of the domain checks, the phase of a zero element and the exported zero objects.
//
// Every element of these families is computed by the C math library's double-precision
// function; the library's own work is the domain edges, the conversions and the complex
// formulas.  A 32F or 32FC member converts its inputs to double (exactly), computes in
// double and rounds each result once to single precision (`narrow`).  Nothing here reads or
// changes the floating-point environment: errno and the exception flags are whatever the
// C library calls and the IEEE operations written here make of them.
#ifndef QVX_MATH_ELEMENTARY_H
#define QVX_MATH_ELEMENTARY_H

#include <math.h>
#include <stdint.h>
#include <string.h>

#include "core/loops.h"
#include "qvx_vector.h"

namespace qvx {
namespace math {

// The NaN a domain check writes without calling the library: the default positive quiet
// NaN of the type (exponent all ones, top fraction bit set, sign clear).
template <class T>
inline T default_nan();
template <>
inline float default_nan<float>() {
  const uint32_t b = 0x7FC00000u;
  float f;
  memcpy(&f, &b, sizeof f);
  return f;
}
template <>
inline double default_nan<double>() {
  const uint64_t b = 0x7FF8000000000000ull;
  double d;
  memcpy(&d, &b, sizeof d);
  return d;
}

// A double result stored into an element of T: rounded once to single precision for float.
template <class T>
inline T narrow(double v) {
  return static_cast<T>(v);
}

// The same value, hidden from the optimiser: sin(p) next to cos(p) would otherwise be
// merged into one sincos call, where the rule makes two calls.
inline double opaque(double v) { return simd::opaque(v); }

// The exported zero object of the part type, read anew at each use: the object is writable
// and a program may change it, so its value is never assumed.
inline double zero_object(float) { return *static_cast<volatile const float*>(&fzero); }
inline double zero_object(double) { return *static_cast<volatile const double*>(&dzero); }

constexpr double kPi = 3.141592653589793;

// The phase of x + yi (parts in double), rounded once to R: atan2(y, x), except for a zero
// element (either sign of either part), whose phase is built from the signs: +0 for x = +0
// and pi for x = -0, with the sign of y.  The constants are rounded to R in advance, so the
// zero rule raises no exception flag.
template <class R>
inline R phase(double y, double x) {
  if (x == 0 && y == 0) return copysign(signbit(x) ? static_cast<R>(kPi) : R(0), static_cast<R>(y));
  return narrow<R>(atan2(y, x));
}

// dst[i] = f(src[i]) for i = 0 .. len-1; nothing at all for len < 1.  The loops around
// library calls are the loop driver's element loop alone (the call is the cost), with its
// byte-safe element accesses: a 32F result written in place over a 16SC source is only as
// aligned as the 16-bit parts.  f is best a lambda: a function pointer reaches the loop as a
// stored value, which the compiler then calls instead of inlining.
template <class S, class D, class F>
inline QvxStatus each(const S* src, D* dst, int len, F f) {
  map(len, Out<D>{dst}, elements_only(f), In<S>{src});
  return QVX_STS_NO_ERR;
}

template <class S1, class S2, class D, class F>
inline QvxStatus each2(const S1* a, const S2* b, D* dst, int len, F f) {
  map(len, Out<D>{dst}, elements_only(f), In<S1>{a}, In<S2>{b});
  return QVX_STS_NO_ERR;
}

}  // namespace math
}  // namespace qvx

#endif
