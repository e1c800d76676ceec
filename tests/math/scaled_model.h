// Reference models of the scaled exponential, logarithm and square root, written from their
// rules: rounded values of exp and ln from long double (each one checked to lie far enough
// from a rounding boundary for long double to decide it), rounded square roots in integer
// arithmetic, and the floating-point bands as the C library computes them element by element.
// Nothing here uses the library's tables.
#ifndef QVX_TEST_MATH_SCALED_MODEL_H
#define QVX_TEST_MATH_SCALED_MODEL_H

#include <gtest/gtest.h>
#include <math.h>
#include <stdint.h>

#include <limits>
#include <vector>

#include "qvx_vector.h"

namespace smt {

constexpr long double kLn2 = 0.693147180559945309417232121458176568L;

// Counts the values that long double could not decide (a test expects none).
inline int& undecided() {
  static int n = 0;
  return n;
}

// long double carries 64 bits; expl and logl of the values here come within a few units of
// the last place, so a value more than 2^-50 (relative) away from the boundary is decided.
// (The closest entry of the tables, exp(42) * 2^-30 = 1619826016.50106, is 2^-40 away.)
inline bool decided(long double v, long double boundary) {
  return fabsl(v - boundary) > ldexpl(fmaxl(fabsl(v), 1.0L), -50);
}

// rnd(v): to nearest, halves upward, for v >= 0 (exact marks a value known exactly).
inline int64_t rnd(long double v, bool exact = false) {
  const long double f = floorl(v + 0.5L);
  if (!exact && !decided(v, f - 0.5L)) ++undecided();
  return static_cast<int64_t>(f);
}
inline int64_t floor_of(long double v) {
  const long double f = floorl(v);
  if (!decided(v, f) || !decided(v, f + 1)) ++undecided();
  return static_cast<int64_t>(f);
}

// Largest value of T, as int64_t.
template <class T>
constexpr int64_t kMax = std::numeric_limits<T>::max();
template <class T>
constexpr int64_t kMin = std::numeric_limits<T>::min();

// rnd(exp(x) * 2^s) saturated to the largest value of T (exp(0) * 2^s is exact: 2^-1 gives 1).
template <class T>
int64_t rnd_exp(int64_t x, int s) {
  const long double v = ldexpl(expl(static_cast<long double>(x)), s);
  if (v >= kMax<T>) return kMax<T>;
  return rnd(v, x == 0);
}

// rnd(ln(x) * 2^s) for x >= 1 (ln 1 = 0 is exact).
inline int64_t rnd_ln(int64_t x, int s) {
  return rnd(ldexpl(logl(static_cast<long double>(x)), s), x == 1);
}

// rnd(sqrt(n)) = (floor(2 sqrt(n)) + 1) / 2, with floor(2 sqrt(n)) = floor(sqrt(4n)).
inline int64_t rnd_sqrt(int64_t n) {
  int64_t r = static_cast<int64_t>(sqrtl(static_cast<long double>(4 * n)));
  while (r * r > 4 * n) --r;
  while ((r + 1) * (r + 1) <= 4 * n) ++r;
  return (r + 1) / 2;
}

// A floating-point value stored into T: truncated toward zero, above the largest value the
// largest value (v is never NaN or negative here).
template <class T>
int64_t trunc_sat(double v) {
  return v > static_cast<double>(kMax<T>) ? kMax<T> : static_cast<int64_t>(v);
}

// ---- exponential ----------------------------------------------------------------------------

template <class T>
int64_t exp_shift(int64_t x, int s) {
  if (sizeof(T) == 2) {
    if (s >= -16 && s <= 16) return rnd_exp<T>(x, s);
    // c = ln 2 * s rounded once to single precision.
    const float c = static_cast<float>(kLn2 * static_cast<long double>(s));
    const float t = static_cast<float>(x) + c;
    return trunc_sat<T>(static_cast<float>(exp(static_cast<double>(t))));
  }
  if (s >= -31 && s <= 31) return rnd_exp<T>(x, s);
  const double c = M_LN2 * static_cast<double>(s);
  return trunc_sat<T>(exp(static_cast<double>(x) + c));
}

// ---- logarithm ------------------------------------------------------------------------------

// The fixed-point approximation: x = m * 2^b + r, m its top 8 bits.
struct Split {
  int64_t m, b, r;
};
inline Split split(int64_t x) {
  int64_t b = 0;
  while ((x >> b) > 255) ++b;
  return {x >> b, b, x - ((x >> b) << b)};
}
inline int64_t A(int64_t x) {
  const Split p = split(x);
  return rnd_ln(p.m, 27) + rnd(ldexpl(static_cast<long double>(p.b) * kLn2, 27), p.b == 0);
}
inline int64_t inv20(int64_t m) { return ((int64_t{1} << 21) + m) / (2 * m); }  // rnd(2^20 / m)
template <class T>
int64_t C(int64_t x) {
  const Split p = split(x);
  if (sizeof(T) == 2) return (p.r << (7 - p.b)) * inv20(p.m);
  const int64_t r11 = p.b <= 11 ? p.r << (11 - p.b) : p.r >> (p.b - 11);
  return (r11 * inv20(p.m)) >> 4;
}

template <class T>
int64_t log_shift(int64_t x, int s) {
  const bool w16 = sizeof(T) == 2;
  const int64_t top = kMax<T>;
  if (x <= 0) return kMin<T>;
  if (s <= -5) return 0;
  if (s <= (w16 ? 0 : -2)) {
    int64_t v = rnd_ln(x, s);
    // 32S at s = -2: the steps to 3, 4 and 5 one early.
    if (!w16 && s == -2 && (x == 22026 || x == 1202604 || x == 65659969)) v += 1;
    return v;
  }
  if (s <= 7) return A(x) >> (27 - s);
  if (s <= (w16 ? 13 : 15)) return std::min(top, (A(x) + C<T>(x)) >> (27 - s));
  if (!w16 && s <= 29) return trunc_sat<T>(log(static_cast<double>(x)) * ldexp(1.0, s));
  if (s == (w16 ? 14 : 30)) {
    if (x > 7) return top;
    const long double v = ldexpl(logl(static_cast<long double>(x)), s);
    return w16 ? rnd(v, x == 1) : x == 1 ? 0 : floor_of(v);
  }
  if (s == (w16 ? 15 : 31)) {
    if (x == 1) return 0;
    if (x > 2) return top;
    const long double v = ldexpl(kLn2, s);
    return w16 ? rnd(v) : floor_of(v);
  }
  return x == 1 ? 0 : top;
}

// ---- square root ----------------------------------------------------------------------------

template <class T>
int64_t sqrt_shift(int64_t x, int s) {
  if (x < 0) x = 0;
  const int64_t top = kMax<T>;
  if (sizeof(T) == 2) {
    if (s < -7) return 0;
    if (s <= -1) {
      int64_t t;
      if (x >= 4096) t = rnd_sqrt(256 * (x >> 8));   // rnd(16 sqrt(x >> 8))
      else if (x < 32 && s >= -3) t = rnd_sqrt(x);
      else if (x < 32) t = (x >> 4) == 0 ? 4 : 5;    // the two first entries of the table
      else t = rnd_sqrt(16 * (x >> 4));
      return t >> -s;
    }
    if (s <= 14) return trunc_sat<T>(static_cast<float>(sqrt(static_cast<double>(x)) * ldexp(1.0, s)));
    return x > 0 ? top : 0;
  }
  if (s < -15) return 0;
  if (s <= 7) return trunc_sat<T>(static_cast<float>(sqrt(static_cast<double>(x)) * ldexp(1.0, s)));
  if (s <= 30) return trunc_sat<T>(sqrt(static_cast<double>(x)) * ldexp(1.0, s));
  return x > 0 ? top : 0;
}

}  // namespace smt

#endif
