// Shared by the selection tests: the model check of the two-source members.
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

template <class T>
using Call = std::function<QvxStatus(const T*, const T*, T*, int)>;

// Every element of a two-source call against model(a[i], b[i]), bit for bit, on random data
// of every sweep length (a new draw for each).  b[i] is drawn by partner(rng, a[i]), which
// makes ties and other telling pairs frequent.  call(a, b, d, len) returns d's contents in d.
template <class T, class Model, class Partner>
void binary_sweep(const std::string& name, const Call<T>& call, Model model, Partner partner) {
  Rng rng(std::hash<std::string>()(name));
  int failures = 0;
  for (int round = 0; round < 4 && failures < 3; ++round) {
    for (int len : qvxt::sweep_lengths()) {
      std::vector<T> a(len), b(len), want(len), d(len);
      qvxt::fill_random(a.data(), a.size(), rng);
      for (int i = 0; i < len; ++i) b[i] = partner(rng, a[i]);
      for (int i = 0; i < len; ++i) want[i] = model(a[i], b[i]);
      EXPECT_EQ(call(a.data(), b.data(), d.data(), len), 0);
      const auto r = qvxt::same_elements(d.data(), want.data(), want.size());
      if (!r && ++failures <= 3) ADD_FAILURE() << name << " len " << len << ": " << r.message();
    }
  }
}

}  // namespace select_test

#endif
