// Extremes and their indexes: every member against the running extremes written out (start
// values, strict ordered comparisons, first occurrence), on data made of ties, zeros of
// both signs, NaNs, infinities and the finite start values, with the deciding elements
// planted at every position of vectors longer than a few blocks; and the per-member
// differences of MinMaxDiff.
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model.h"

namespace {

using st::Extremes;
using st::Rng;
using st::agree;
using st::garbage;

template <class T>
struct Members {
  QvxStatus (*max)(const T*, int, T*);
  QvxStatus (*min)(const T*, int, T*);
  QvxStatus (*min_max)(const T*, int, T*, T*);
  QvxStatus (*max_index)(const T*, int, int*);
  QvxStatus (*min_index)(const T*, int, int*);
  QvxStatus (*min_max_index)(const T*, int, int*, int*);
  const char* name;
};
#define MEMBERS(S, T)                                                                  \
  Members<T> {                                                                         \
    qvx_Vector_Max_##S, qvx_Vector_Min_##S, qvx_Vector_MinMax_##S,                     \
        qvx_Vector_MaxIndex_##S, qvx_Vector_MinIndex_##S, qvx_Vector_MinMaxIndex_##S, #S \
  }

// Every member of the type on src[0 .. len), against the model.
template <class T>
::testing::AssertionResult all_agree(const Members<T>& m, const T* src, int len) {
  const Extremes<T> w = st::extremes<T>(len, [&](int i) { return src[i]; });
  T mx = garbage<T>(), mn = garbage<T>(), mn2 = garbage<T>(), mx2 = garbage<T>();
  int imx = -7, imn = -7, imn2 = -7, imx2 = -7;
  if (m.max(src, len, &mx) || m.min(src, len, &mn) || m.min_max(src, len, &mn2, &mx2) ||
      m.max_index(src, len, &imx) || m.min_index(src, len, &imn) ||
      m.min_max_index(src, len, &imn2, &imx2))
    return ::testing::AssertionFailure() << "a status other than 0";
  const struct {
    const char* what;
    ::testing::AssertionResult r;
  } checks[] = {{"Max", agree(mx, w.max)},           {"Min", agree(mn, w.min)},
                {"MinMax (min)", agree(mn2, w.min)}, {"MinMax (max)", agree(mx2, w.max)},
                {"MaxIndex", agree(imx, w.imax)},    {"MinIndex", agree(imn, w.imin)},
                {"MinMaxIndex (min)", agree(imn2, w.imin)},
                {"MinMaxIndex (max)", agree(imx2, w.imax)}};
  for (const auto& c : checks)
    if (!c.r) return ::testing::AssertionFailure() << c.what << "_" << m.name << ": " << c.r.message();
  return ::testing::AssertionSuccess();
}

// Vectors of pool values (ties everywhere) and of random values; one longer than 65536
// elements, so that indexes do not fit 16 bits.
template <class T>
void random_vectors(const Members<T>& m) {
  Rng rng(std::hash<std::string>()(m.name));
  for (unsigned mix : {0u, 20u, 100u})
    for (size_t n : {300, 70000}) {
      const auto v = st::from_pool<T>(rng, n, mix);
      for (int len : st::lengths(n)) ASSERT_TRUE(all_agree(m, v.data(), len)) << " len " << len;
    }
}

// The elements that decide a result planted at every position p of a longer vector: a at p
// and b at a later position, over backgrounds of one repeated value or of mixed pool
// values.  For floating point: NaN backgrounds, ties of +0.0 and -0.0, infinities against
// the finite start values.
template <class T>
void planted(const Members<T>& m) {
  using L = std::numeric_limits<T>;
  Rng rng(std::hash<std::string>()(m.name) + 1);
  const int n = 520;
  std::vector<std::pair<T, T>> plants;
  std::vector<std::vector<T>> backgrounds;
  if constexpr (std::is_floating_point<T>::value) {
    const T nan = L::quiet_NaN(), inf = L::infinity();
    plants = {{T(0), -T(0)}, {-T(0), T(0)}, {inf, inf}, {-inf, -inf}, {L::max(), L::max()},
              {L::lowest(), L::lowest()}, {T(1), nan}, {nan, T(1)}};
    for (T b : {nan, -T(0), T(0), -inf, inf}) backgrounds.push_back(std::vector<T>(n, b));
  } else {
    plants = {{L::max(), L::max()}, {L::min(), L::min()}, {T(7), T(7)}, {L::max(), L::min()}};
    for (T b : {T(7), L::min(), L::max()}) backgrounds.push_back(std::vector<T>(n, b));
  }
  backgrounds.push_back(st::from_pool<T>(rng, n, 0));
  std::vector<T> buf(n + 64);
  for (const auto& bg : backgrounds)
    for (const auto& ab : plants)
      for (int p = 0; p < n; ++p) {
        T* v = buf.data() + p % (64 / sizeof(T));
        std::copy(bg.begin(), bg.end(), v);
        v[p] = ab.first;
        if (p + 1 < n) v[p + 1 + static_cast<int>(rng() % (n - p - 1))] = ab.second;
        ASSERT_TRUE(all_agree(m, v, n)) << " planted at " << p;
      }
}

template <class T>
void check(const Members<T>& m) {
  random_vectors(m);
  planted(m);
}

TEST(Extremes, EveryValueAndIndexFormFollowsTheRunningExtremes) {
  check(MEMBERS(8U, Qvx8u));
  check(MEMBERS(16U, Qvx16u));
  check(MEMBERS(16S, Qvx16s));
  check(MEMBERS(32S, Qvx32s));
  check(MEMBERS(32F, Qvx32f));
  check(MEMBERS(64F, Qvx64f));
}

// ---- MinMaxDiff ------------------------------------------------------------------------------

template <class S, class R, class Diff>
void check_diff(QvxStatus (*fn)(const S*, const S*, int, R*, R*), const char* name, Diff diff) {
  Rng rng(std::hash<std::string>()(name));
  for (unsigned mix : {0u, 30u, 100u}) {
    const std::vector<S> a = st::from_pool<S>(rng, 300, mix), b = st::from_pool<S>(rng, 300, mix);
    for (int len : st::lengths(a.size())) {
      const Extremes<R> w = st::extremes<R>(len, [&](int i) { return diff(a[i], b[i]); });
      R mn = garbage<R>(), mx = garbage<R>();
      ASSERT_EQ(fn(a.data(), b.data(), len, &mn, &mx), 0);
      ASSERT_TRUE(agree(mn, w.min)) << name << " (min) len " << len;
      ASSERT_TRUE(agree(mx, w.max)) << name << " (max) len " << len;
    }
  }
}

TEST(Extremes, MinMaxDiffOfEachMember) {
  const auto exact = [](auto a, auto b) { return static_cast<Qvx32s>(int64_t{a} - int64_t{b}); };
  check_diff(qvx_Vector_MinMaxDiff_8U, "MinMaxDiff_8U", exact);
  check_diff(qvx_Vector_MinMaxDiff_16S, "MinMaxDiff_16S", exact);
  // The elements read as signed 16-bit values.
  check_diff(qvx_Vector_MinMaxDiff_16U, "MinMaxDiff_16U", [](Qvx16u a, Qvx16u b) {
    return static_cast<Qvx32s>(int64_t{static_cast<int16_t>(a)} - static_cast<int16_t>(b));
  });
  // Modulo 2^32.
  check_diff(qvx_Vector_MinMaxDiff_32S, "MinMaxDiff_32S", [](Qvx32s a, Qvx32s b) {
    return static_cast<Qvx32s>(static_cast<uint32_t>(int64_t{a} - int64_t{b}));
  });
  check_diff(qvx_Vector_MinMaxDiff_32F, "MinMaxDiff_32F", [](float a, float b) { return a - b; });
  check_diff(qvx_Vector_MinMaxDiff_64F, "MinMaxDiff_64F", [](double a, double b) { return a - b; });
}

}  // namespace
