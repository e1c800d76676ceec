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

// A unary primitive against an element model: model(x) gives the expected element.  Each
// element alone and repeated kRepeat times.
template <class S, class D, class M>
void check_unary(const std::string& name, QvxStatus (*fn)(const S*, D*, int),
                 const std::vector<S>& src, M model, Nan nan = Nan::Payload) {
  const int n = static_cast<int>(src.size());
  std::vector<D> got(src.size()), want(src.size()), all(src.size()), rep_out(kRepeat);
  std::vector<S> rep_in(kRepeat);
  per_element(
      name, n,
      [&](int i) {
        fn(&src[i], &got[i], 1);
        rep_in.assign(kRepeat, src[i]);
        fn(rep_in.data(), rep_out.data(), kRepeat);
      },
      [&](int i) { want[i] = model(src[i]); },
      [&](int i) {
        auto r = qvxt::same_elements(&got[i], &want[i], 1, nan);
        for (int k = 0; k < kRepeat && r; ++k) r = qvxt::same_elements(&rep_out[k], &want[i], 1, nan);
        return r;
      },
      [&] { fn(src.data(), all.data(), n); },
      [&] { return qvxt::same_elements(all.data(), want.data(), src.size(), nan); });
}

}  // namespace elem_test

#endif
