// Thresholds: every member against its rule over random data (special values included)
// whose levels are often taken from the data or from each other, so that strict levels,
// equal and inverted levels, NaN elements, levels and values, signed zeros and the Val forms
// whose values equal their levels all occur.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "support/data.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

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

// The member on src gives want.
template <class T>
::testing::AssertionResult run(const Member<T>& m, const std::vector<T>& p,
                               const std::vector<T>& src, const std::vector<T>& want) {
  std::vector<T> d(src.size());
  if (m.fn(src.data(), d.data(), p.data(), static_cast<int>(src.size())) != 0)
    return ::testing::AssertionFailure() << "status";
  return same_elements(d.data(), want.data(), src.size());
}

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
  // The partner of each parameter: hi's is lo; a value's is its level.
  const int partner[3][4] = {{-1, 0}, {-1, 0, 0, 1}, {}};
  const int* pt = partner[m.params == 2 ? 0 : 1];
  model_rounds(m.name, 6, [&](int len, Rng& rng) {
    std::vector<T> src(len), want(len), p(4);
    fill_random(src.data(), src.size(), rng);
    for (int k = 0; k < m.params; ++k)
      p[k] = draw_param(rng, src, m.params > 1 && pt[k] >= 0 ? &p[pt[k]] : nullptr);
    for (int i = 0; i < len; ++i) want[i] = rule(src[i], p.data());
    return run(m, p, src, want) << " params " << show_scalar(p[0]) << " " << show_scalar(p[1])
                                << " " << show_scalar(p[2]) << " " << show_scalar(p[3]);
  });
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
