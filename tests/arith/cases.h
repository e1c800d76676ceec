// Literal cases: one input repeated over a vector long enough for the register path and
// the element tail, so that every position, whichever path computes it, must give the
// expected bits.
#ifndef QVX_TEST_ARITH_CASES_H
#define QVX_TEST_ARITH_CASES_H

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "harness.h"

namespace arith_test {

// 2 blocks of four singles, 3 more; 5 blocks of two doubles, 1 more.
constexpr int kCaseLen = 11;

template <class T>
::testing::AssertionResult all_equal(const std::vector<T>& got, const T& want) {
  for (size_t i = 0; i < got.size(); ++i) {
    ::testing::AssertionResult r = qvxt::same_elements(&got[i], &want, 1, qvxt::Nan::Any);
    if (!r) return ::testing::AssertionFailure() << "position " << i << ": " << r.message();
  }
  return ::testing::AssertionSuccess();
}

template <class S1, class S2, class D>
::testing::AssertionResult binary_gives(QvxStatus (*fn)(const S1*, const S2*, D*, int), S1 a, S2 b,
                                        D want) {
  std::vector<S1> x(kCaseLen, a);
  std::vector<S2> y(kCaseLen, b);
  std::vector<D> d(kCaseLen);
  fn(x.data(), y.data(), d.data(), kCaseLen);
  return all_equal(d, want);
}

template <class T, class C>
::testing::AssertionResult const_gives(QvxStatus (*fn)(const T*, C, T*, int), T x, C c, T want) {
  std::vector<T> s(kCaseLen, x), d(kCaseLen);
  fn(s.data(), c, d.data(), kCaseLen);
  return all_equal(d, want);
}

template <class T>
::testing::AssertionResult ternary_gives(QvxStatus (*fn)(const T*, const T*, const T*, T*, int),
                                         T a, T b, T c, T want) {
  std::vector<T> x(kCaseLen, a), y(kCaseLen, b), z(kCaseLen, c), d(kCaseLen);
  fn(x.data(), y.data(), z.data(), d.data(), kCaseLen);
  return all_equal(d, want);
}

template <class T>
::testing::AssertionResult mulcadd_gives(QvxStatus (*fn)(const T*, T, const T*, T*, int), T a, T c,
                                         T z, T want) {
  std::vector<T> x(kCaseLen, a), y(kCaseLen, z), d(kCaseLen);
  fn(x.data(), c, y.data(), d.data(), kCaseLen);
  return all_equal(d, want);
}

template <class S, class C>
::testing::AssertionResult mulcaddc_gives(QvxStatus (*fn)(const S*, C, C, S*, int), S x, C m, C a,
                                          S want) {
  std::vector<S> s(kCaseLen, x), d(kCaseLen);
  fn(s.data(), m, a, d.data(), kCaseLen);
  return all_equal(d, want);
}

// Values whose products tell a fused multiply-add from separate roundings.  p*p is exactly
// 1 + 2^-11 + 2^-24 (single) or 1 + 2^-26 + 2^-54 (double); rounded it loses the last term,
// so p*p - p*p is 0 when each product is rounded and +-2^-24 (+-2^-54) when one is fused.
constexpr float kP32 = 1.0f + 0x1p-12f;
constexpr float kP32Sq = 1.0f + 0x1p-11f;  // p*p rounded
constexpr double kP64 = 1.0 + 0x1p-27;
constexpr double kP64Sq = 1.0 + 0x1p-26;

constexpr float kInfF = std::numeric_limits<float>::infinity();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr float kNanF = std::numeric_limits<float>::quiet_NaN();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

}  // namespace arith_test

#endif
