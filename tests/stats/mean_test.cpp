// Means and standard deviations: every member against the rule written out (sums in index
// order, m = S / n, v = (Q - m * S) / (n - 1) in the member's working precision, the square
// root in double, the stores; empty and one-element vectors included), and the cases its
// data seldom reach: the single precision of the 8U deviation, saturated 16S and 32S
// deviations.
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>

#include <cmath>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

#include "model.h"

namespace {

using st::Rng;
using st::agree;
using st::garbage;
using st::sequential;

// Results of the rule for one vector: P is the working precision of the deviation.
template <class T>
struct Want {
  T mean, mean_of_pair, dev;
};

template <class T>
T store(double v, bool deviation) {
  if constexpr (std::is_integral<T>::value) {
    // A deviation too large for the type saturates; everything else is the x86 store.
    if (deviation && v > double(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return st::trunc_store<T>(v);
  } else {
    return static_cast<T>(v);
  }
}

template <class P, class T>
Want<T> rule(const T* x, int n) {
  Want<T> w;
  const double s = sequential<double>(n, [&](int i) { return static_cast<double>(x[i]); });
  w.mean = store<T>(s / n, false);
  P S = 0, Q = 0;
  for (int i = 0; i < n; ++i) {
    const P v = static_cast<P>(x[i]);
    S = S + v;
    Q = Q + v * v;
  }
  const P m = S / static_cast<P>(n);
  const P var = (Q - m * S) / static_cast<P>(static_cast<int64_t>(n) - 1);
  w.mean_of_pair = store<T>(static_cast<double>(m), false);
  w.dev = store<T>(std::sqrt(static_cast<double>(var)), true);
  return w;
}

template <class T>
using MeanFn = QvxStatus (*)(const T*, int, T*);
template <class T>
using PairFn = QvxStatus (*)(const T*, int, T*, T*);

template <class P, class T>
void check(const char* name, MeanFn<T> mean, PairFn<T> pair, MeanFn<T> dev) {
  Rng rng(std::hash<std::string>()(name));
  std::vector<std::vector<T>> sets;
  for (size_t n : {70, 4099}) {
    std::vector<T> v(n);
    qvxt::fill_random(v.data(), n, rng);
    sets.push_back(v);
    sets.push_back(st::from_pool<T>(rng, n, 30));
    // The lowest value throughout (for 16S: squares of 2^30, in pairs of 2^31).
    sets.push_back(std::vector<T>(n, std::numeric_limits<T>::lowest()));
    // Values close together: the deviation is a small difference of large sums.
    const T base = qvxt::random_value<T>(rng);
    for (T& x : v) x = static_cast<T>(base + static_cast<T>(rng() % 3));
    if constexpr (std::is_floating_point<T>::value) {
      if (!std::isfinite(base)) continue;
    }
    sets.push_back(v);
  }
  for (const auto& v : sets)
    for (int len : st::lengths(v.size())) {
      const T* p = v.data();
      const Want<T> w = rule<P>(p, len);
      T m = garbage<T>(), m2 = garbage<T>(), d = garbage<T>(), d2 = garbage<T>();
      ASSERT_EQ(mean(p, len, &m), 0);
      ASSERT_EQ(pair(p, len, &m2, &d), 0);
      ASSERT_EQ(dev(p, len, &d2), 0);
      const std::string at = std::string(name) + " len " + std::to_string(len);
      ASSERT_TRUE(agree(m, w.mean)) << "Mean_" << at;
      ASSERT_TRUE(agree(m2, w.mean_of_pair)) << "MeanStdDev_" << at << " (mean)";
      ASSERT_TRUE(agree(d, w.dev)) << "MeanStdDev_" << at << " (deviation)";
      ASSERT_TRUE(agree(d2, w.dev)) << "StdDev_" << at;
    }
}

#define MEMBER(P, T) \
  check<P>(#T, qvx_Vector_Mean_##T, qvx_Vector_MeanStdDev_##T, qvx_Vector_StdDev_##T)

TEST(MeanStdDev, EveryMemberFollowsTheRule) {
  MEMBER(float, 8U);
  MEMBER(double, 16U);
  MEMBER(double, 16S);
  MEMBER(double, 32S);
  MEMBER(double, 32F);
  MEMBER(double, 64F);
}

// Cases the model's data seldom reach: the 8U deviation in single precision (300 elements
// of 255: Q ends at 19507460, not 19507500, the variance is negative and the stored
// deviation 0; 24 twos and a seven: m * 55 rounds to 121 and the deviation is 1, where
// double precision truncates 0.9999... to 0), and deviations beyond the type's range, which
// saturate (the largest 16S deviation is about 46341).
template <class T>
T dev(PairFn<T> fn, std::vector<T> v) {
  T m = garbage<T>(), d = garbage<T>();
  EXPECT_EQ(fn(v.data(), static_cast<int>(v.size()), &m, &d), 0);
  return d;
}

TEST(MeanStdDev, SinglePrecisionOf8UAndSaturatedDeviations) {
  EXPECT_EQ(dev<Qvx8u>(qvx_Vector_MeanStdDev_8U, std::vector<Qvx8u>(300, 255)), 0);
  std::vector<Qvx8u> twos(24, 2);
  twos.push_back(7);
  EXPECT_EQ(dev<Qvx8u>(qvx_Vector_MeanStdDev_8U, twos), 1);
  EXPECT_EQ(dev<Qvx16u>(qvx_Vector_MeanStdDev_16U, {twos.begin(), twos.end()}), 0);
  EXPECT_EQ(dev<Qvx16s>(qvx_Vector_MeanStdDev_16S, {-32768, 32767}), 32767);
  EXPECT_EQ(dev<Qvx16s>(qvx_Vector_MeanStdDev_16S, {-20000, 20000}), 28284);
  EXPECT_EQ(dev<Qvx32s>(qvx_Vector_MeanStdDev_32S, {INT32_MIN, INT32_MAX}), INT32_MAX);
  EXPECT_EQ(dev<Qvx32s>(qvx_Vector_MeanStdDev_32S, {-1000000000, 1000000000}), 1414213562);
}

}  // namespace
