// Thresholds: the telling cases of the rules (strict levels, equal and inverted levels,
// unsigned 16U levels, NaN elements, levels and values, signed zeros, the Val forms whose
// values equal their levels), and every member against its rule over random data whose
// levels are often taken from the data.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "select_check.h"

namespace {

using namespace qvxt;
using namespace select_test;

// A member with its levels and values in one array p, in parameter order.
template <class T>
struct Member {
  std::string name;
  std::function<QvxStatus(const T*, T*, const T*, int)> fn;
  int params;
};
template <class T>
Member<T> member(const char* name, QvxStatus (*f)(const T*, T*, T, int)) {
  return {name, [f](const T* s, T* d, const T* p, int n) { return f(s, d, p[0], n); }, 1};
}
template <class T>
Member<T> member(const char* name, QvxStatus (*f)(const T*, T*, T, T, int)) {
  return {name, [f](const T* s, T* d, const T* p, int n) { return f(s, d, p[0], p[1], n); }, 2};
}
template <class T>
Member<T> member(const char* name, QvxStatus (*f)(const T*, T*, T, T, T, T, int)) {
  return {name,
          [f](const T* s, T* d, const T* p, int n) { return f(s, d, p[0], p[1], p[2], p[3], n); },
          4};
}
#define M(N) member(#N, qvx_Vector_##N)

// The member on src must give want.
template <class T>
::testing::AssertionResult run(const Member<T>& m, const std::vector<T>& p,
                               const std::vector<T>& src, const std::vector<T>& want) {
  std::vector<T> d(src.size());
  if (m.fn(src.data(), d.data(), p.data(), static_cast<int>(src.size())) != 0)
    return ::testing::AssertionFailure() << "status";
  return same_elements(d.data(), want.data(), src.size());
}

template <class T>
void expect(const Member<T>& m, std::vector<T> p, std::vector<T> src, std::vector<T> want) {
  ASSERT_EQ(static_cast<int>(p.size()), m.params) << m.name;
  EXPECT_TRUE(run(m, p, src, want)) << m.name;
}


TEST(Threshold, LevelsAreStrictAndTheUpperTestDecidesFirst) {
  expect(M(Threshold_16S), {-10, 10}, {-20, 20, 5, -10, 10, -11, 11, -32768, 32767},
         {-10, 10, 5, -10, 10, -10, 10, -10, 10});
  // Inverted levels: above levelHi gives levelHi, everything else levelLo (0 gives -10).
  expect(M(Threshold_16S), {10, -10}, {20, 0, -10, -20, -9, 10}, {-10, -10, 10, 10, -10, -10});
  expect(M(ThresholdVal_32S), {10, -10, 100, -100}, {20, 0, -20, -10, 10, -9},
         {-100, -100, 100, 100, -100, -100});
  expect(M(Threshold_32F), {1.0f, -1.0f}, {0.0f, -1.0f, kNanF, kInfF}, {-1.0f, 1.0f, kNanF, -1.0f});
  // Equal levels.
  expect(M(Threshold_8U), {7, 7}, {0, 6, 7, 8, 255}, {7, 7, 7, 7, 7});
  expect(M(ThresholdVal_16S), {0, 0, -1, 1}, {-5, 0, 7}, {-1, 0, 1});
  expect(M(ThresholdVal_64F), {2.0, 2.0, -3.0, 3.0}, {2.0, 1.0, 5.0}, {2.0, -3.0, 3.0});
  expect(M(ThresholdLT_8U), {100}, {200, 100, 50, 101, 99, 255, 0},
         {100, 100, 50, 100, 99, 100, 0});
  expect(M(ThresholdGT_8U), {100}, {50, 200, 100, 99}, {100, 200, 100, 100});
  expect(M(ThresholdLTVal_32S), {0, 7}, {1, 0, -5, 2147483647}, {7, 0, -5, 7});
  expect(M(ThresholdGTVal_32S), {-2147483647, 9}, {-2147483647 - 1, -2147483647}, {9, -2147483647});
}

TEST(Threshold, UnsignedLevelsAboveTheSignedRange) {
  expect(M(ThresholdGT_16U), {32768}, {100, 40000, 32767, 32768}, {32768, 40000, 32768, 32768});
  expect(M(ThresholdLT_16U), {40000}, {65535, 39999, 32768, 40001}, {40000, 39999, 32768, 40000});
  expect(M(ThresholdGTVal_16U), {1000, 0}, {999, 1000, 60000}, {0, 1000, 60000});
  expect(M(Threshold_16U), {100, 50000}, {60000, 99, 40000, 0}, {50000, 100, 40000, 100});
  expect(M(ThresholdVal_16U), {32768, 32769, 1, 65535}, {32767, 32768, 32769, 65535},
         {1, 32768, 32769, 65535});
  expect(M(ThresholdLTVal_8U), {128, 0}, {127, 128, 129, 255}, {127, 128, 0, 0});
  expect(M(Threshold_8U), {128, 200}, {127, 201, 150}, {128, 200, 150});
}

TEST(Threshold, NanElementsLevelsAndValues) {
  // A NaN element is stored unchanged, payload and sign included.
  const float nan_p = f32_bits(0xFFA12345u);  // negative, quiet, with a payload
  const double snan = f64_bits(0x7FF0000000000123ull);
  expect(M(ThresholdVal_32F), {-1.0f, 1.0f, -100.0f, 100.0f},
         {nan_p, 1.0f, 1.5f, -kInfF, kInfF, -1.0f}, {nan_p, 1.0f, 100.0f, -100.0f, 100.0f, -1.0f});
  expect(M(ThresholdGT_64F), {0.0}, {snan, -1.0}, {snan, 0.0});
  // A NaN level replaces nothing; the other level of two still does.
  expect(M(ThresholdLT_32F), {kNanF}, {1.0f, -kInfF, kInfF, nan_p}, {1.0f, -kInfF, kInfF, nan_p});
  expect(M(ThresholdGTVal_32F), {kNanF, 5.0f}, {1.0f, -kInfF}, {1.0f, -kInfF});
  expect(M(Threshold_64F), {kNan, 1.0}, {2.0, -kInf, snan}, {1.0, -kInf, snan});
  expect(M(Threshold_64F), {-1.0, kNan}, {2.0, -2.0}, {2.0, -1.0});
  expect(M(ThresholdVal_32F), {kNanF, kNanF, 1.0f, 2.0f}, {kInfF, -kInfF, 0.0f},
         {kInfF, -kInfF, 0.0f});
  // A NaN value is stored where its test holds.
  expect(M(ThresholdLTVal_64F), {1.0, kNan}, {2.0, 1.0, kNan, -kInf}, {kNan, 1.0, kNan, -kInf});
  expect(M(ThresholdVal_64F), {-1.0, 1.0, snan, kNan}, {-2.0, 2.0, 0.0}, {snan, kNan, 0.0});
  // Infinite levels: +inf is above every finite level and equal to itself.
  expect(M(ThresholdGT_32F), {-kInfF}, {-kInfF, -3.0f}, {-kInfF, -3.0f});
  expect(M(ThresholdLTVal_32F), {-kInfF, 0.5f}, {-kInfF, -3.0f, kInfF}, {-kInfF, 0.5f, 0.5f});
}

TEST(Threshold, SignedZerosCompareEqual) {
  expect(M(ThresholdLT_32F), {0.0f}, {-0.0f, 1e-30f, 0.0f, -1.0f}, {-0.0f, 0.0f, 0.0f, -1.0f});
  expect(M(ThresholdGT_64F), {-0.0}, {0.0, -1e-300, -0.0}, {0.0, -0.0, -0.0});
  expect(M(Threshold_32F), {-0.0f, 0.0f}, {0.0f, -0.0f, 1.0f, -1.0f}, {0.0f, -0.0f, 0.0f, -0.0f});
}

// Where a value equals its level, the level itself is stored: it shows only with zeros of
// opposite sign.  Where a value differs from its level, or only one of ThresholdVal's two
// values equals its level, the values are stored as given.
TEST(Threshold, ValueEqualToItsLevelStoresTheLevel) {
  expect(M(ThresholdLTVal_32F), {0.0f, -0.0f}, {1.0f, -1.0f, -0.0f}, {0.0f, -1.0f, -0.0f});
  expect(M(ThresholdLTVal_32F), {-0.0f, 0.0f}, {1.0f}, {-0.0f});
  expect(M(ThresholdLTVal_32F), {0.0f, -1e-45f}, {1.0f}, {-1e-45f});
  expect(M(ThresholdGTVal_64F), {0.0, -0.0}, {-1.0, 1.0}, {0.0, 1.0});
  expect(M(ThresholdGTVal_64F), {-0.0, 0.0}, {-1.0}, {-0.0});
  expect(M(ThresholdVal_32F), {0.0f, 0.0f, -0.0f, -0.0f}, {-1.0f, 1.0f, -0.0f},
         {0.0f, 0.0f, -0.0f});
  expect(M(ThresholdVal_64F), {-0.0, 0.0, 0.0, -0.0}, {-1.0, 1.0}, {-0.0, 0.0});
  expect(M(ThresholdVal_32F), {0.0f, 0.0f, -0.0f, 5.0f}, {-1.0f, 1.0f}, {-0.0f, 5.0f});
  expect(M(ThresholdVal_64F), {0.0, 0.0, 5.0, -0.0}, {-1.0, 1.0}, {5.0, -0.0});
  // Integers: the equal-value form gives the general rule's results.
  expect(M(ThresholdGTVal_16S), {-5, -5}, {-6, -5, 4}, {-5, -5, 4});
  expect(M(ThresholdVal_8U), {3, 9, 3, 9}, {0, 3, 10}, {3, 3, 9});
}

// ---- every member against its rule --------------------------------------------------------

// The rules as the header states them; p holds the levels and values in parameter order.
// The Val forms store the level where their values equal their levels (ordered equality).
const auto lt = [](auto x, auto p) { return x > p[0] ? p[0] : x; };
const auto gt = [](auto x, auto p) { return x < p[0] ? p[0] : x; };
const auto lt_val = [](auto x, auto p) { return x > p[0] ? (p[1] == p[0] ? p[0] : p[1]) : x; };
const auto gt_val = [](auto x, auto p) { return x < p[0] ? (p[1] == p[0] ? p[0] : p[1]) : x; };
const auto clamp = [](auto x, auto p) { return x > p[1] ? p[1] : x < p[0] ? p[0] : x; };
const auto clamp_val = [](auto x, auto p) {
  const bool as_levels = p[2] == p[0] && p[3] == p[1];
  return x > p[1] ? (as_levels ? p[1] : p[3]) : x < p[0] ? (as_levels ? p[0] : p[2]) : x;
};

// Levels and values: random (special values included), an element of the data (so that
// elements equal a level), or the parameter's partner (levelLo for levelHi, the level for
// its value), as it is or, if a zero, with the opposite sign.
template <class T>
T draw_param(Rng& rng, const std::vector<T>& src, const T* partner) {
  const unsigned pick = rng() % 8;
  if (pick >= 3 && pick <= 4 && !src.empty()) return src[rng() % src.size()];
  if (pick >= 5 && partner != nullptr) {
    if (pick == 7 && *partner == T(0)) return static_cast<T>(-*partner);
    return *partner;
  }
  return random_value<T>(rng);
}

template <class T, class Rule>
void model_sweep(const Member<T>& m, Rule rule) {
  Rng rng(std::hash<std::string>()(m.name));
  // The partner of each parameter: hi's is lo; a value's is its level.
  const int partner[3][4] = {{-1, 0}, {-1, 0, 0, 1}, {}};
  const int* pt = partner[m.params == 2 ? 0 : 1];
  int failures = 0;
  for (int round = 0; round < 6 && failures < 3; ++round) {
    for (int len : sweep_lengths()) {
      std::vector<T> src(len), want(len), p(4);
      fill_random(src.data(), src.size(), rng);
      for (int k = 0; k < m.params; ++k)
        p[k] = draw_param(rng, src, m.params > 1 && pt[k] >= 0 ? &p[pt[k]] : nullptr);
      for (int i = 0; i < len; ++i) want[i] = rule(src[i], p.data());
      const auto r = run(m, p, src, want);
      if (!r && ++failures <= 3) {
        ADD_FAILURE() << m.name << " len " << len << " params " << show_scalar(p[0]) << " "
                      << show_scalar(p[1]) << " " << show_scalar(p[2]) << " " << show_scalar(p[3])
                      << ": " << r.message();
      }
    }
  }
}

#define EVERY_TYPE(F, rule)                                                                   \
  model_sweep(M(F##_8U), rule), model_sweep(M(F##_16U), rule), model_sweep(M(F##_16S), rule), \
      model_sweep(M(F##_32S), rule), model_sweep(M(F##_32F), rule), model_sweep(M(F##_64F), rule)

TEST(ThresholdModel, EveryMember) {
  EVERY_TYPE(ThresholdLT, lt);
  EVERY_TYPE(ThresholdGT, gt);
  EVERY_TYPE(ThresholdLTVal, lt_val);
  EVERY_TYPE(ThresholdGTVal, gt_val);
  EVERY_TYPE(Threshold, clamp);
  EVERY_TYPE(ThresholdVal, clamp_val);
}

}  // namespace
