// Shared by the selection tests: literal cases repeated to a length that has whole register
// blocks of every width, unrolled, and an element tail, so that they hold on every path; and
// the model sweep of the two-source members.
#ifndef QVX_TEST_SELECT_CHECK_H
#define QVX_TEST_SELECT_CHECK_H

#include <float.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/data.h"
#include "support/sweep.h"

static_assert(FLT_EVAL_METHOD == 0, "reference models need float and double evaluation");

namespace select_test {

using qvxt::Rng;

constexpr size_t kCaseLen = 301;

// v repeated cyclically to kCaseLen elements (an empty v stays empty).
template <class T>
std::vector<T> repeat(const std::vector<T>& v) {
  std::vector<T> r;
  for (size_t i = 0; !v.empty() && i < kCaseLen; ++i) r.push_back(v[i % v.size()]);
  return r;
}

// Where a two-source call puts its result: a separate array, the first or the second source.
enum class Dst { Separate, First, Second };

// call(a, b, dst, len) with dst chosen by where; returns what dst holds afterwards.
template <class T>
std::vector<T> call_with(const std::function<QvxStatus(const T*, const T*, T*, int)>& call,
                         std::vector<T> a, std::vector<T> b, Dst where) {
  std::vector<T> d(a.size());
  T* dst = where == Dst::Separate ? d.data() : where == Dst::First ? a.data() : b.data();
  EXPECT_EQ(call(a.data(), b.data(), dst, static_cast<int>(a.size())), 0);
  return where == Dst::Separate ? d : where == Dst::First ? a : b;
}

// Every element of a two-source call against model(a[i], b[i]), bit for bit, for every
// sweep length and every destination in `wheres`.  b[i] is drawn by partner(rng, a[i]),
// which makes ties and other telling pairs frequent.
template <class T, class Model, class Partner>
void binary_sweep(const std::string& name,
                  const std::function<QvxStatus(const T*, const T*, T*, int)>& call,
                  std::vector<Dst> wheres, Model model, Partner partner) {
  Rng rng(std::hash<std::string>()(name));
  int failures = 0;
  for (int round = 0; round < 4 && failures < 3; ++round) {
    for (int len : qvxt::sweep_lengths()) {
      std::vector<T> a(len), b(len), want(len);
      qvxt::fill_random(a.data(), a.size(), rng);
      for (int i = 0; i < len; ++i) b[i] = partner(rng, a[i]);
      for (int i = 0; i < len; ++i) want[i] = model(a[i], b[i]);
      for (Dst where : wheres) {
        const std::vector<T> got = call_with(call, a, b, where);
        const auto r = qvxt::same_elements(got.data(), want.data(), want.size());
        if (!r && ++failures <= 3)
          ADD_FAILURE() << name << " len " << len << " dst " << static_cast<int>(where) << ": "
                        << r.message();
      }
    }
  }
}

}  // namespace select_test

#endif
