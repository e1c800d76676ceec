// The accumulation rule that every sum-like reduction shares (sums, dot products, norms,
// means and deviations): one accumulator starting at +0.0, each term formed by itself in
// the working precision, and the terms added one at a time in index order with one
// rounding per addition.  No partial sums are kept and nothing is regrouped, so a result is
// that of the plain loop `s = s + term(i)` for every length and alignment.
//
// Two ways to get there faster, both giving exactly the loop's bits:
//  - The loop itself (chain), with the terms of a register's worth of elements formed at
//    once ahead of the additions: the dependency chain is then one addition per element.
//    This is the path of floating-point data.
//  - For integer data, exact sums in integer or double lanes (exact_sums.h), in chunks, while
//    every partial sum provably stays within the range where the working precision holds
//    integers exactly (2^53 in double, 2^24 in single): there the loop's additions are all
//    exact, so any order gives the same sum.  From the first chunk where that cannot be
//    shown on, the loop takes over with the exact sum so far.
#ifndef QVX_STATS_REDUCE_H
#define QVX_STATS_REDUCE_H

#include <stdint.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>
#include <utility>

#include "core/loops.h"
#include "core/simd.h"
#include "qvx_vector.h"

namespace qvx {
namespace stats {

using simd::Vec;

// ---- folding the lanes of a register -------------------------------------------------------

namespace detail {
// Lane i takes lane i + H (wrapping), for every lane.
template <int H, class V, size_t... I>
inline V rotate_down(V v, std::index_sequence<I...>) {
  return __builtin_shufflevector(v, v, ((I + H) % sizeof...(I))...);
}
template <int N, class V, class Op>
inline V fold_steps(V v, Op op) {
  if constexpr (N == 1) {
    return v;
  } else {
    constexpr int kLanesOfV = static_cast<int>(sizeof(V) / sizeof(v[0]));
    return fold_steps<N / 2>(op(v, rotate_down<N / 2>(v, std::make_index_sequence<kLanesOfV>())), op);
  }
}
}  // namespace detail

// The lanes of v folded with op, a register operation, halving the span each step; the
// order is fixed, so only for operations whose result does not depend on it (integer sums
// and extremes, exact sums).
template <class V, class Op>
inline simd::lane_t<V> fold_lanes(V v, Op op) {
  return detail::fold_steps<static_cast<int>(sizeof(V) / sizeof(v[0]))>(v, op)[0];
}

// ---- the terms -----------------------------------------------------------------------------
//
// Functions of the element (or of the pair of elements) converted to the working precision
// (each value of 8U, 16U, 16S, 32S and 32F is exactly a double; 8U exactly a float), for a
// scalar or for a register of doubles alike.

inline float magnitude(float x) { return std::fabs(x); }
inline double magnitude(double x) { return std::fabs(x); }
// The sign bit cleared, as fabs does.
inline Vec<double> magnitude(Vec<double> x) {
  return simd::as<double>(simd::as<uint64_t>(x) & uint64_t{0x7FFFFFFFFFFFFFFF});
}

struct Value {
  template <class X>
  X operator()(X x) const { return x; }
};
// The sign is cleared after the conversion, so -32768 and -2147483648 give their
// magnitudes without an integer overflow.
struct Abs {
  template <class X>
  X operator()(X x) const { return magnitude(x); }
};
struct AbsDiff {
  template <class X>
  X operator()(X a, X b) const { return magnitude(a - b); }
};
struct Product {
  template <class X>
  X operator()(X a, X b) const { return a * b; }
};
struct Square {
  template <class X>
  X operator()(X x) const { return x * x; }
};
struct SquareDiff {
  template <class X>
  X operator()(X a, X b) const {
    const X d = a - b;
    return d * d;
  }
};

// ---- the sequential loop -------------------------------------------------------------------

// Elements that convert to a register of doubles at once: kLanes<double> of them.
template <class T>
constexpr bool kWidensToDouble =
    std::is_same<T, double>::value || std::is_same<T, float>::value || std::is_same<T, int32_t>::value;

template <class T>
inline Vec<double> doubles(const T* p) {
  if constexpr (std::is_same<T, double>::value) {
    return simd::load(p);
  } else {
    return simd::load_widen<double>(p);
  }
}

// The terms of a register added to s one at a time, in lane order.
inline double add_lanes(double s, Vec<double> t) {
  for (int k = 0; k < simd::kLanes<double>; ++k) s = s + t[k];
  return s;
}

// s + term(i) for i = i0 .. len - 1, in order, in the working precision A.
template <class A, class T, class Term>
inline A chain(A s, int i, int len, Term t, const T* p) {
  if constexpr (kSimd && std::is_same<A, double>::value && kWidensToDouble<T>) {
    for (; len - i >= simd::kLanes<double>; i += simd::kLanes<double>) s = add_lanes(s, t(doubles(p + i)));
  }
  for (; i < len; ++i) s = s + t(static_cast<A>(get(p + i)));
  return s;
}
template <class A, class T, class Term>
inline A chain(A s, int i, int len, Term t, const T* p, const T* q) {
  if constexpr (kSimd && std::is_same<A, double>::value && kWidensToDouble<T>) {
    for (; len - i >= simd::kLanes<double>; i += simd::kLanes<double>)
      s = add_lanes(s, t(doubles(p + i), doubles(q + i)));
  }
  for (; i < len; ++i) s = s + t(static_cast<A>(get(p + i)), static_cast<A>(get(q + i)));
  return s;
}

// The two running sums of the mean and deviation: S of the elements and Q of their
// squares, S updated before Q for each element, both in index order from s[0] and s[1].
template <class A, class T>
inline void chain_sum_and_squares(A* s, int i, int len, const T* p) {
  A sum = s[0], sq = s[1];
  if constexpr (kSimd && std::is_same<A, double>::value && kWidensToDouble<T>) {
    for (; len - i >= simd::kLanes<double>; i += simd::kLanes<double>) {
      const Vec<double> x = doubles(p + i), xx = x * x;
      for (int k = 0; k < simd::kLanes<double>; ++k) {
        sum = sum + x[k];
        sq = sq + xx[k];
      }
    }
  }
  for (; i < len; ++i) {
    const A x = static_cast<A>(get(p + i));
    sum = sum + x;
    sq = sq + x * x;
  }
  s[0] = sum;
  s[1] = sq;
}

// ---- exact integer sums --------------------------------------------------------------------

// Below this magnitude every integer is exact in A.
template <class A>
constexpr int64_t kExactBelow = int64_t{1} << std::numeric_limits<A>::digits;

// Runs kernel k (exact_sums.h) over whole steps from element 0 while every partial sum of every
// one of its N sums provably stays within kExactBelow<A> in magnitude: before each chunk,
// the exact sums so far and the bound of a term say how many steps are safe.  Then hands
// the element index reached and the exact sums (as values of A) to tail, which finishes
// them by the loop.
template <class A, class K, class Tail>
inline void exact_then_loop(int len, K& k, A* out, Tail tail) {
  constexpr int N = K::kSums;
  int64_t s[N] = {};
  int i = 0;
  if constexpr (kSimd) {
    while (len - i >= K::kStep) {
      int64_t steps = std::min(K::kChunkSteps, (len - i) / K::kStep);
      for (int j = 0; j < N; ++j) {
        const int64_t room = kExactBelow<A> - (s[j] < 0 ? -s[j] : s[j]);
        steps = std::min(steps, room / (int64_t{K::kStep} * k.max_term(j)));
      }
      if (steps < 1) break;
      for (const int end = i + static_cast<int>(steps) * K::kStep; i < end; i += K::kStep) k.step(i);
      k.take(static_cast<int>(steps), s);
    }
  }
  for (int j = 0; j < N; ++j) out[j] = static_cast<A>(s[j]);
  tail(i, out);
}

// Kernel k sums its terms in double lanes, chunk by chunk, together with their magnitudes;
// a chunk counts when the sum of magnitudes stays below 2^53 minus the magnitude of the
// sum so far (then every partial sum, in any order, is an exact integer).  From the first
// chunk that does not, tail finishes by the loop.
template <class K, class Tail>
inline void double_sums_then_loop(int len, K& k, double* out, Tail tail) {
  constexpr int N = K::kSums;
  constexpr double kLimit = 9007199254740992.0;  // 2^53
  double s[N] = {};
  int i = 0;
  if constexpr (kSimd) {
    while (len - i >= K::kStep) {
      const int n = std::min(K::kChunkSteps, (len - i) / K::kStep) * K::kStep;
      for (int c = i; c < i + n; c += K::kStep) k.step(c);
      double sum[N], mag[N];
      k.take(sum, mag);
      bool fits = true;
      for (int j = 0; j < N; ++j) fits = fits && mag[j] < kLimit - std::fabs(s[j]);
      if (!fits) break;
      for (int j = 0; j < N; ++j) s[j] += sum[j];
      i += n;
    }
  }
  for (int j = 0; j < N; ++j) out[j] = s[j];
  tail(i, out);
}

}  // namespace stats
}  // namespace qvx

#endif
