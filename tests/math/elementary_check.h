// The check shared by the elementary-function tests: a primitive against a model of its
// element rule written in the test, which calls the C math library element by element.
//
// For every element the primitive is called alone (len 1) and the model is run on the same
// input, each with errno and the floating-point exception flags cleared beforehand: values,
// errno and flags must all agree, so the library makes exactly the C library calls of the
// rule (no extra call, none left out) and adds no exception of its own.  A second, whole-
// vector call must give the element-by-element values.
#ifndef QVX_TEST_MATH_ELEMENTARY_CHECK_H
#define QVX_TEST_MATH_ELEMENTARY_CHECK_H

#include <errno.h>
#include <fenv.h>
#include <float.h>
#include <gtest/gtest.h>
#include <math.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "qvx_vector.h"
#include "support/data.h"

static_assert(FLT_EVAL_METHOD == 0, "models need float and double evaluation");

namespace elem_test {

using qvxt::Nan;
using qvxt::Rng;

using qvxt::kInf, qvxt::kInfF, qvxt::kNan, qvxt::kNanF;
constexpr double kPi = 3.141592653589793;

// errno and the exception flags a piece of code leaves behind, starting from none.  The
// barriers keep the compiler from moving the code's loads before the clearing or its
// stores after the reading (the code reads and writes arrays in memory).
struct Effects {
  int err;
  int flags;
};
inline void barrier() { __asm__ volatile("" ::: "memory"); }
template <class F>
Effects effects(F f) {
  errno = 0;
  feclearexcept(FE_ALL_EXCEPT);
  barrier();
  f();
  barrier();
  const int flags = fetestexcept(FE_ALL_EXCEPT);
  return {errno, flags};
}

inline std::string show(Effects e) {
  std::ostringstream os;
  os << "errno " << e.err << " flags 0x" << std::hex << e.flags;
  return os.str();
}

// Element i by the library (len 1) and by the model; same(i) compares what they wrote.
// lib_all() calls the library on all n elements at once (its vector paths) and same_all()
// compares that with the model's results; errno and the flags of that call must be those
// of the model run over every element in order.
template <class Lib, class Model, class Same, class LibAll, class SameAll>
void per_element(const std::string& name, int n, Lib lib, Model model, Same same, LibAll lib_all,
                 SameAll same_all) {
  int failures = 0;
  for (int i = 0; i < n; ++i) {
    const Effects got = effects([&] { lib(i); });
    const Effects want = effects([&] { model(i); });
    const ::testing::AssertionResult r = same(i);
    if (!r) {
      if (++failures <= 5) ADD_FAILURE() << name << " element " << i << ": " << r.message();
    } else if (got.err != want.err || got.flags != want.flags) {
      if (++failures <= 5)
        ADD_FAILURE() << name << " element " << i << ": " << show(got)
                      << ", the C library calls: " << show(want);
    }
  }
  if (failures > 5) ADD_FAILURE() << name << ": " << failures << " failing elements in all";
  const Effects got = effects([&] { lib_all(); });
  const Effects want = effects([&] {
    for (int i = 0; i < n; ++i) model(i);
  });
  const ::testing::AssertionResult r = same_all();
  if (!r) ADD_FAILURE() << name << " whole vector: " << r.message();
  if (got.err != want.err || got.flags != want.flags)
    ADD_FAILURE() << name << " whole vector: " << show(got) << ", the C library calls: " << show(want);
}

// n random values of T: the special values of support/data.h mixed with `extra`.
template <class T>
std::vector<T> values(Rng& rng, size_t n, std::initializer_list<T> extra = {}) {
  std::vector<T> v(extra);
  while (v.size() < n) v.push_back(qvxt::random_value<T>(rng));
  return v;
}

template <class C>
using part_of = decltype(C{}.re);

// The model of a real function: f in double, rounded once to T.
template <class T, class F>
T in_double(T x, F f) {
  return static_cast<T>(f(static_cast<double>(x)));
}

// The phase of x + iy in R: atan2 in double, except that a floating-point zero element takes
// its phase from the signs of its parts (0 or pi, rounded once in advance).
template <class R, class P>
R model_phase(P x, P y) {
  if (std::is_floating_point<P>::value && x == 0 && y == 0) {
    const R mag = signbit(x) ? R(kPi) : R(0);
    return signbit(y) ? -mag : mag;
  }
  return static_cast<R>(atan2(static_cast<double>(y), static_cast<double>(x)));
}

// Calls on kRepeat copies of one element take the vector paths (whole registers of every
// build), whose values, errno and flags must be the element's own.
constexpr int kRepeat = 64;

// A primitive with `outs` destination arrays (one or two; call(src, dst, len) with dst[k]
// the k-th) against an element model (model(x, r) writes the expected r[k]): each element
// alone and repeated kRepeat times, then the whole vector.
template <class S, class D, class Call, class M>
void check_outputs(const std::string& name, int outs, Call call, const std::vector<S>& src, M model,
                   Nan nan = Nan::Payload) {
  const int n = static_cast<int>(src.size());
  std::vector<D> got(2 * n), want(2 * n), all(2 * n), rep(2 * kRepeat);
  std::vector<S> rep_in(kRepeat);
  const auto same = [&](const D* g, int stride, const D* w, int k) {
    ::testing::AssertionResult r = ::testing::AssertionSuccess();
    for (int o = 0; o < outs && r; ++o) r = qvxt::same_elements(g + o * stride, w + o * n, k, nan);
    return r;
  };
  per_element(
      name, n,
      [&](int i) {
        D* const d[2] = {&got[i], &got[n + i]};
        call(&src[i], d, 1);
        rep_in.assign(kRepeat, src[i]);
        D* const r[2] = {rep.data(), rep.data() + kRepeat};
        call(rep_in.data(), r, kRepeat);
      },
      [&](int i) {
        D r[2] = {};
        model(src[i], r);
        want[i] = r[0], want[n + i] = r[1];
      },
      [&](int i) {
        auto r = same(&got[i], n, &want[i], 1);
        for (int j = 0; j < kRepeat && r; ++j) r = same(&rep[j], kRepeat, &want[i], 1);
        return r;
      },
      [&] {
        D* const d[2] = {all.data(), all.data() + n};
        call(src.data(), d, n);
      },
      [&] { return same(all.data(), n, want.data(), n); });
}

// A unary primitive against an element model: model(x) gives the expected element.
template <class S, class D, class M>
void check_unary(const std::string& name, QvxStatus (*fn)(const S*, D*, int),
                 const std::vector<S>& src, M model, Nan nan = Nan::Payload) {
  check_outputs<S, D>(
      name, 1, [fn](const S* s, D* const* d, int n) { fn(s, d[0], n); }, src,
      [&](S x, D* r) { r[0] = model(x); }, nan);
}

}  // namespace elem_test

#endif
