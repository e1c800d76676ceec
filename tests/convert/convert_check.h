// Drivers shared by the conversion tests: literal cases, a model check over many sources and
// scale factors, and one call of the size that streams its stores (beyond the sweep's
// lengths).
#ifndef QVX_TEST_CONVERT_CHECK_H
#define QVX_TEST_CONVERT_CHECK_H

#include <gtest/gtest.h>
#include <string.h>

#include <limits>
#include <type_traits>
#include <vector>

#include "model.h"
#include "support/data.h"

namespace cvtt {

template <class S, class D>
using Fn = QvxStatus (*)(const S*, D*, int, int);

// The function of a type suffix and its name, as the first two arguments of the checks, and
// the element type of each suffix.
#define QVXT_FN(PAIR) qvx_Vector_TypeConvertShift_##PAIR, #PAIR

// A literal case: xs at sf give exactly want (bit for bit, any NaN matching any NaN).
template <class S, class D>
void expect(Fn<S, D> fn, const char* name, int sf, const std::vector<S>& xs,
            const std::vector<D>& want) {
  std::vector<D> got(xs.size());
  ASSERT_EQ(fn(xs.data(), got.data(), static_cast<int>(xs.size()), sf), 0);
  EXPECT_TRUE(qvxt::same_elements(got.data(), want.data(), xs.size(), qvxt::Nan::Any))
      << name << " sf " << sf;
}

// Every value of an 8- or 16-bit type; for 32S every power of two of both signs with its
// neighbours, and for 32S and the floating types random values with their specials.
template <class S>
std::vector<S> sources() {
  std::vector<S> v;
  using L = std::numeric_limits<S>;
  if constexpr (std::is_integral<S>::value) {
    for (int64_t x = L::min(); sizeof(S) <= 2 && x <= L::max(); ++x) v.push_back(S(x));
    if (sizeof(S) <= 2) return v;
    for (int k = 0; k < 32; ++k)
      for (int64_t d = -1; d <= 1; ++d)
        v.insert(v.end(), {S((int64_t{1} << k) + d), S(d - (int64_t{1} << k))});
  }
  qvxt::Rng rng(99);
  v.resize(v.size() + 4001);
  qvxt::fill_random(v.data() + v.size() - 4001, 4001, rng);
  return v;
}

// The sources above at every scale factor of sfs against model(x, sf); the first mismatch of
// each function is reported.
template <class S, class D, class Model>
void check_model(Fn<S, D> fn, const char* name, Model model, const std::vector<int>& sfs,
                 qvxt::Nan nan = qvxt::Nan::Payload) {
  const std::vector<S> xs = sources<S>();
  std::vector<D> got(xs.size());
  for (int sf : sfs) {
    ASSERT_EQ(fn(xs.data(), got.data(), static_cast<int>(xs.size()), sf), 0);
    for (size_t i = 0; i < xs.size(); ++i) {
      const D want = model(xs[i], sf);
      if (!qvxt::same_scalar(got[i], want, nan)) {
        ADD_FAILURE() << name << " x " << qvxt::show_scalar(xs[i]) << " sf " << sf << ": got "
                      << qvxt::show_scalar(got[i]) << ", want " << qvxt::show_scalar(want);
        return;
      }
    }
  }
}

// One vector of more than 32 MiB, source and destination together (from there on the stores
// write around the cache), with the destination one element past a 16-byte boundary so that
// the elements before the first whole block go one by one; against the model, with the
// elements on both sides of the destination left alone.
template <class S, class D, class Model>
void check_large(Fn<S, D> fn, const char* name, Model model, int sf,
                 qvxt::Nan nan = qvxt::Nan::Payload) {
  const size_t n = (size_t(32) << 20) / (sizeof(S) + sizeof(D)) + 29;
  qvxt::Rng rng(777);
  std::vector<S> src(n);
  qvxt::fill_random(src.data(), n, rng);
  std::vector<D> got(n + 2), want(n + 2);
  memset(got.data(), 0x5A, got.size() * sizeof(D));
  want = got;
  for (size_t i = 0; i < n; ++i) want[i + 1] = model(src[i], sf);
  ASSERT_EQ(reinterpret_cast<uintptr_t>(got.data()) % 16, 0u);
  ASSERT_EQ(fn(src.data(), got.data() + 1, static_cast<int>(n), sf), 0);
  EXPECT_TRUE(qvxt::same_elements(got.data(), want.data(), n + 2, nan)) << name;
}

}  // namespace cvtt

#endif
