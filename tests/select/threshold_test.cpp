// Thresholds: every member against its rule over random data (special values included)
// whose levels are often taken from the data or from each other, so that strict levels,
// equal and inverted levels, NaN elements, levels and values, signed zeros and the Val forms
// whose values equal their levels all occur.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <utility>
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
template <class T, class... A, size_t... I>
Member<T> member(const char* name, QvxStatus (*f)(const T*, T*, A...), std::index_sequence<I...>) {
  return {name, [f](const T* s, T* d, const T* p, int n) { return f(s, d, p[I]..., n); },
          sizeof...(I)};
}
template <class T, class... A>
Member<T> member(const char* name, QvxStatus (*f)(const T*, T*, A...)) {
  return member(name, f, std::make_index_sequence<sizeof...(A) - 1>());
}
#define M(N) member(#N, qvx_Vector_##N)

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
  const int pt[4] = {-1, 0, 0, 1};  // each parameter's partner: hi's is lo, a value's its level
  model_rounds(m.name, 6, [&](int len, Rng& rng) {
    std::vector<T> src(len), want(len), p(4);
    fill_random(src.data(), src.size(), rng);
    for (int k = 0; k < m.params; ++k)
      p[k] = draw_param(rng, src, m.params > 1 && pt[k] >= 0 ? &p[pt[k]] : nullptr);
    for (int i = 0; i < len; ++i) want[i] = rule(src[i], p.data());
    std::vector<T> d(len);
    if (m.fn(src.data(), d.data(), p.data(), len) != 0)
      return ::testing::AssertionFailure() << "status";
    return same_elements(d.data(), want.data(), len)
           << " params " << show_scalar(p[0]) << " " << show_scalar(p[1]) << " "
           << show_scalar(p[2]) << " " << show_scalar(p[3]);
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
