// The statistics rules written out plainly, as the tests' reference: the sequential loop of
// a sum-like reduction (one accumulator from +0.0, terms added in index order), the running
// extremes with their start values, and the stores of integer means and deviations; data
// with many ties and special values.
#ifndef QVX_TEST_STATS_MODEL_H
#define QVX_TEST_STATS_MODEL_H

#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>
#include <string.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

#include "qvx_vector.h"
#include "support/data.h"

namespace st {

using qvxt::Rng;

// Results agree when their bits agree, or when both are NaN.
template <class R>
::testing::AssertionResult agree(R got, R want) {
  return qvxt::same_elements(&got, &want, 1, qvxt::Nan::Any);
}

// A result cell preset to a pattern no rule produces.
template <class T>
T garbage() {
  T v;
  memset(&v, 0x5A, sizeof v);
  return v;
}

// ---- sums ------------------------------------------------------------------------------------

// s = +0.0; s = s + term(i) for i = 0 .. n - 1, each addition rounded to A.
template <class A, class Term>
A sequential(int n, Term term) {
  A s = 0;
  for (int i = 0; i < n; ++i) s = s + term(i);
  return s;
}

// ---- extremes --------------------------------------------------------------------------------

// Start values of a running maximum and minimum, per result type.
template <class R> struct Start;
template <> struct Start<Qvx8u> { static constexpr Qvx8u hi = 0, lo = 255; };
template <> struct Start<Qvx16u> { static constexpr Qvx16u hi = 0, lo = 65535; };
template <> struct Start<Qvx16s> { static constexpr Qvx16s hi = -32768, lo = 32767; };
template <> struct Start<Qvx32s> { static constexpr Qvx32s hi = INT32_MIN, lo = INT32_MAX; };
template <> struct Start<Qvx32f> {
  static constexpr Qvx32f hi = -3.4028234663852886e38f, lo = 3.4028234663852886e38f;
};
template <> struct Start<Qvx64f> {
  static constexpr Qvx64f hi = -1.7976931348623157e308, lo = 1.7976931348623157e308;
};

template <class R>
struct Extremes {
  R min = Start<R>::lo, max = Start<R>::hi;
  int imin = 0, imax = 0;
};

// One pass in index order, each running value replaced only by a strictly better value.
template <class R, class Get>
Extremes<R> extremes(int n, Get get) {
  Extremes<R> e;
  for (int i = 0; i < n; ++i) {
    const R x = get(i);
    if (x < e.min) e.min = x, e.imin = i;
    if (x > e.max) e.max = x, e.imax = i;
  }
  return e;
}

// ---- integer results of means and deviations -------------------------------------------------

// Truncation toward zero into a signed 32-bit integer, NaN and values outside the range
// giving -2147483648, and the low bits of that into a narrower type.
template <class T>
T trunc_store(double v) {
  int64_t t = INT32_MIN;
  if (!std::isnan(v) && v > -2147483649.0 && v < 2147483648.0) t = static_cast<int64_t>(v);
  return static_cast<T>(static_cast<uint32_t>(static_cast<int64_t>(t)));
}

// ---- data ------------------------------------------------------------------------------------

// Values that decide extremes: the ends of the range, zeros of both signs, NaNs,
// infinities, the finite start values, and a few ordinary values (with repeats, so ties are
// common).
template <class T>
std::vector<T> pool() {
  using L = std::numeric_limits<T>;
  if constexpr (std::is_integral<T>::value) {
    return {L::min(), L::max(), T(0), T(1), static_cast<T>(L::min() + 1),
            static_cast<T>(L::max() - 1), T(7), static_cast<T>(-1), T(100)};
  } else {
    return {T(0), -T(0), L::infinity(), -L::infinity(), L::quiet_NaN(), -L::quiet_NaN(),
            L::max(), L::lowest(), L::denorm_min(), -L::denorm_min(), T(1), T(-1), T(0.5)};
  }
}

// n values drawn from the pool (`mix` of them random values of the whole type instead).
template <class T>
std::vector<T> from_pool(Rng& rng, size_t n, unsigned mix_percent) {
  const std::vector<T> p = pool<T>();
  std::vector<T> v(n);
  for (T& x : v)
    x = rng() % 100 < mix_percent ? qvxt::random_value<T>(rng) : p[rng() % p.size()];
  return v;
}

// The lengths a reduction is checked at on a vector of n elements: empty ones (whose
// results are rules too), the shortest, and the whole vector.  Tails, offsets and the
// agreement of every path are the generic sweep's.
inline std::vector<int> lengths(size_t n) {
  return {INT_MIN, -1, 0, 1, 2, 3, static_cast<int>(n)};
}

}  // namespace st

#endif
