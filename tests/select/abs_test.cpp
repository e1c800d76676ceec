// Absolute values and differences: the wrap of Abs at the most negative integer, the
// saturation of AbsDiff_16S, the modulo-2^32 magnitude of AbsDiff_32S, exact unsigned
// differences, sign-bit clearing for floats (NaN payloads kept); every member against an
// exact model (64-bit integers, one rounded subtraction).
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>

#include <cmath>
#include <limits>

#include "select_check.h"

namespace {

using namespace qvxt;
using namespace select_test;

template <class T>
void expect_abs(const char* name, QvxStatus (*fn)(const T*, T*, int), std::vector<T> src,
                std::vector<T> want) {
  std::vector<T> d(src.size());
  EXPECT_EQ(fn(src.data(), d.data(), static_cast<int>(src.size())), 0);
  EXPECT_TRUE(same_elements(d.data(), want.data(), want.size())) << name;
}
template <class T>
void expect_diff(const char* name, QvxStatus (*fn)(const T*, const T*, T*, int), std::vector<T> a,
                 std::vector<T> b, std::vector<T> want) {
  std::vector<T> d(a.size());
  EXPECT_EQ(fn(a.data(), b.data(), d.data(), static_cast<int>(a.size())), 0);
  EXPECT_TRUE(same_elements(d.data(), want.data(), want.size())) << name;
}
#define EXPECT_ABS(N, ...) expect_abs(#N, qvx_Vector_##N, __VA_ARGS__)
#define EXPECT_DIFF(N, ...) expect_diff(#N, qvx_Vector_##N, __VA_ARGS__)


TEST(Abs, IntegersWrapAtTheMostNegativeValue) {
  EXPECT_ABS(Abs_16S, {-32768, -32767, -1, 0, 1, 32767}, {-32768, 32767, 1, 0, 1, 32767});
  EXPECT_ABS(Abs_32S, {INT_MIN, INT_MIN + 1, -1, 0, INT_MAX}, {INT_MIN, INT_MAX, 1, 0, INT_MAX});
}

TEST(Abs, FloatsClearTheSignBitOnly) {
  EXPECT_ABS(Abs_32F, {-0.0f, -kInfF, -1e-45f, f32_bits(0xFFA12345u), f32_bits(0xFF800001u), 2.5f},
             {0.0f, kInfF, 1e-45f, f32_bits(0x7FA12345u), f32_bits(0x7F800001u), 2.5f});
  EXPECT_ABS(Abs_64F, {-0.0, -kInf, f64_bits(0xFFF0000000000001ull), -3.0},
             {0.0, kInf, f64_bits(0x7FF0000000000001ull), 3.0});
}

TEST(AbsDiff, RangesOfEachType) {
  EXPECT_DIFF(AbsDiff_8U, {10, 250, 0, 255}, {250, 10, 255, 255}, {240, 240, 255, 0});
  EXPECT_DIFF(AbsDiff_16U, {0, 65535, 40000}, {65535, 0, 1}, {65535, 65535, 39999});
  // 65535, 32868, 32768, 32767 and 32767: saturated to 32767 from 32768 up.
  EXPECT_DIFF(AbsDiff_16S, {32767, -32768, 100, -1, 0, -100},
              {-32768, 100, -32668, 32766, -32767, 100}, {32767, 32767, 32767, 32767, 32767, 200});
  // Magnitudes of 2^31 and more read as negative: 2^31, 2^32 - 1.
  EXPECT_DIFF(AbsDiff_32S, {INT_MAX, INT_MIN, 5, INT_MIN, -3}, {-1, INT_MAX, 7, INT_MIN, INT_MAX},
              {INT_MIN, -1, 2, 0, INT_MIN + 2});
  // The difference is rounded (16777217 is not a single), then its sign bit cleared.
  EXPECT_DIFF(AbsDiff_32F, {16777216.0f, 1.0f, -0.0f, -3e38f}, {-1.0f, 1.0f, 0.0f, 3e38f},
              {16777216.0f, 0.0f, 0.0f, kInfF});
  EXPECT_DIFF(AbsDiff_64F, {1e308, 0.1, -0.0}, {-1e308, 0.3, -0.0},
              {kInf, 0.19999999999999998, 0.0});
}

TEST(AbsDiff, NanDifferencesHaveTheSignBitCleared) {
  const float a[] = {kInfF, -std::numeric_limits<float>::quiet_NaN(), 1.0f};
  const float b[] = {kInfF, 1.0f, f32_bits(0xFFC00001u)};
  float d[3];
  ASSERT_EQ(qvx_Vector_AbsDiff_32F(a, b, d, 3), 0);
  for (float v : d) EXPECT_TRUE(std::isnan(v) && !std::signbit(v)) << show_scalar(v);
  const double x[] = {-kInf, -std::numeric_limits<double>::quiet_NaN()};
  const double y[] = {-kInf, 0.0};
  double e[2];
  ASSERT_EQ(qvx_Vector_AbsDiff_64F(x, y, e, 2), 0);
  for (double v : e) EXPECT_TRUE(std::isnan(v) && !std::signbit(v)) << show_scalar(v);
}

// ---- every member against an exact model --------------------------------------------------

template <class T>
T sign_cleared(T v) {
  if constexpr (sizeof(T) == 4)
    return f32_bits(bits_of(v) & 0x7FFFFFFFu);
  else
    return f64_bits(bits_of(v) & 0x7FFFFFFFFFFFFFFFull);
}

// The exact magnitude in 64 bits, stored modulo 2^width (which changes only the most
// negative value of Abs and magnitudes of 2^31 and more of AbsDiff_32S).
template <class T>
T modular(int64_t m) {
  return static_cast<T>(static_cast<std::make_unsigned_t<T>>(static_cast<uint64_t>(m)));
}
template <class T>
T abs_model(T x) {
  if constexpr (std::is_floating_point<T>::value)
    return sign_cleared(x);
  else
    return modular<T>(std::llabs(static_cast<int64_t>(x)));
}
template <class T>
T abs_diff_model(T a, T b) {
  if constexpr (std::is_floating_point<T>::value) {
    return sign_cleared(static_cast<T>(a - b));
  } else {
    const int64_t m = std::llabs(static_cast<int64_t>(a) - static_cast<int64_t>(b));
    if (std::is_same<T, Qvx16s>::value) return static_cast<T>(m > 32767 ? 32767 : m);
    return modular<T>(m);
  }
}

template <class T>
void abs_sweep(const char* name, QvxStatus (*fn)(const T*, T*, int)) {
  // A unary call seen as a two-source one whose second source is ignored.
  const auto model = [](T a, T) { return abs_model(a); };
  binary_sweep<T>(
      name, [fn](const T* a, const T*, T* d, int n) { return fn(a, d, n); }, model,
      [](Rng&, T a) { return a; });
}

// b: random, equal to a, or a's neighbour.
template <class T>
T near(Rng& rng, T a) {
  switch (rng() % 4) {
    case 0:
      return a;
    case 1:
      if constexpr (std::is_floating_point<T>::value)
        return a + T(1);
      else
        return static_cast<T>(static_cast<int64_t>(a) + 1);
    default:
      return random_value<T>(rng);
  }
}

template <class T>
void diff_sweep(const char* name, QvxStatus (*fn)(const T*, const T*, T*, int)) {
  binary_sweep<T>(name, fn, abs_diff_model<T>, near<T>);
}

TEST(AbsModel, EveryMember) {
  abs_sweep("Abs_16S", qvx_Vector_Abs_16S);
  abs_sweep("Abs_32S", qvx_Vector_Abs_32S);
  abs_sweep("Abs_32F", qvx_Vector_Abs_32F);
  abs_sweep("Abs_64F", qvx_Vector_Abs_64F);
  diff_sweep("AbsDiff_8U", qvx_Vector_AbsDiff_8U);
  diff_sweep("AbsDiff_16U", qvx_Vector_AbsDiff_16U);
  diff_sweep("AbsDiff_16S", qvx_Vector_AbsDiff_16S);
  diff_sweep("AbsDiff_32S", qvx_Vector_AbsDiff_32S);
  diff_sweep("AbsDiff_32F", qvx_Vector_AbsDiff_32F);
  diff_sweep("AbsDiff_64F", qvx_Vector_AbsDiff_64F);
}

}  // namespace
