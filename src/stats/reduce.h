// The accumulation rule that every sum-like reduction shares (sums, dot products, norms,
// means and deviations): one accumulator starting at +0.0, each term formed by itself in
// the working precision, and the terms added one at a time in index order with one
// rounding per addition.  No partial sums are kept and nothing is regrouped, so a result
// is that of the plain loop below for every length and alignment.
#ifndef QVX_STATS_REDUCE_H
#define QVX_STATS_REDUCE_H

#include <stdint.h>

#include <cmath>

#include "qvx_vector.h"

namespace qvx {
namespace stats {

// The terms, as functions of the element (or of the pair of elements) of index i.  Every
// element is first converted to double, exactly (each value of 8U, 16U, 16S, 32S and 32F
// is a double); the term is then one or two double operations.
struct Value {
  template <class T>
  double operator()(T x) const { return static_cast<double>(x); }
};
// The sign is cleared after the conversion, so -32768 and -2147483648 give their
// magnitudes without an integer overflow.
struct Abs {
  template <class T>
  double operator()(T x) const { return std::fabs(static_cast<double>(x)); }
};
struct AbsDiff {
  template <class T>
  double operator()(T a, T b) const {
    return std::fabs(static_cast<double>(a) - static_cast<double>(b));
  }
};
struct Product {
  template <class T>
  double operator()(T a, T b) const { return static_cast<double>(a) * static_cast<double>(b); }
};
struct Square {
  template <class T>
  double operator()(T x) const {
    const double d = static_cast<double>(x);
    return d * d;
  }
};
struct SquareDiff {
  template <class T>
  double operator()(T a, T b) const {
    const double d = static_cast<double>(a) - static_cast<double>(b);
    return d * d;
  }
};

// The sequential sum of term(i) for i = 0 .. len - 1 in the working precision A; +0.0 for
// len < 1.
template <class A, class Term>
inline A accumulate(int len, Term term) {
  A s = A(0);
  for (int i = 0; i < len; ++i) s = s + term(i);
  return s;
}

// Sum of the terms of one vector and of two.
template <class Term, class T>
inline double sum_of(Term t, const T* src, int len) {
  return accumulate<double>(len, [&](int i) { return t(src[i]); });
}
template <class Term, class T>
inline double sum_of(Term t, const T* src1, const T* src2, int len) {
  return accumulate<double>(len, [&](int i) { return t(src1[i], src2[i]); });
}

// The two running sums of the mean and deviation, in the working precision P: S of the
// elements and Q of their squares, S updated before Q for each element, both in index
// order from +0.0.
template <class P>
struct SumAndSquares {
  P s;
  P q;
};
template <class P, class T>
inline SumAndSquares<P> sum_and_squares(const T* src, int len) {
  P s = P(0), q = P(0);
  for (int i = 0; i < len; ++i) {
    const P x = static_cast<P>(src[i]);
    s = s + x;
    q = q + x * x;
  }
  return {s, q};
}

}  // namespace stats
}  // namespace qvx

#endif
