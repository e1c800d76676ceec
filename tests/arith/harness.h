// Reference models of the floating-point arithmetic rules and the sweep that holds every
// primitive against them: every length and start offset of qvxt::sweep, random data with
// special values, new random constants at every call, separate arrays and each allowed
// in-place use, guard pages around every array.
//
// The models are the rules written out in the element's own type.  This file is compiled
// with -ffp-contract=off and, on x86-64, float and double expressions are evaluated in
// their own precision (FLT_EVAL_METHOD 0), so each operator below is one rounded IEEE
// operation; ReferenceModels.RoundEveryOperation checks that at run time.
#ifndef QVX_TEST_ARITH_HARNESS_H
#define QVX_TEST_ARITH_HARNESS_H

#include <float.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qvx_vector.h"
#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

static_assert(FLT_EVAL_METHOD == 0, "reference models need float and double evaluation");

namespace arith_test {

// ---- reference models ----

template <class C>
C ref_cmul(C a, C b) {
  return {(a.re * b.re) - (a.im * b.im), (a.im * b.re) + (a.re * b.im)};
}

template <class C>
C ref_cdiv(C a, C b) {
  const auto d = (b.re * b.re) + (b.im * b.im);
  return {((a.re * b.re) + (a.im * b.im)) / d, ((a.im * b.re) - (a.re * b.im)) / d};
}

// MulAdd: x*y + z with the addend after the first product.
template <class C>
C ref_cmuladd(C x, C y, C z) {
  return {((x.re * y.re) + z.re) - (x.im * y.im), ((x.re * y.im) + z.im) + (x.im * y.re)};
}

// MulCAdd, MulCAddC: x*c + z, the imaginary part starting from xi*cr.
template <class C>
C ref_cmulcadd(C x, C c, C z) {
  return {((x.re * c.re) + z.re) - (x.im * c.im), ((x.im * c.re) + z.im) + (x.re * c.im)};
}

// The complex type whose parts are T.
template <class T>
struct CxOf;
template <>
struct CxOf<float> {
  using type = Qvx32fc;
};
template <>
struct CxOf<double> {
  using type = Qvx64fc;
};
template <class T>
using cx_t = typename CxOf<T>::type;

// ---- the sweep ----

// One array of a primitive: element size and alignment, random filling, comparison.
struct ArrType {
  size_t size;
  size_t align;
  void (*fill)(void*, size_t, qvxt::Rng&);
  ::testing::AssertionResult (*same)(const void* got, const void* want, size_t n);
};

template <class T>
ArrType arr() {
  return {sizeof(T), alignof(T),
          [](void* p, size_t n, qvxt::Rng& r) { qvxt::fill_random(static_cast<T*>(p), n, r); },
          [](const void* g, const void* w, size_t n) {
            // Which NaN operand's payload survives is the processor's choice.
            return qvxt::same_elements(static_cast<const T*>(g), static_cast<const T*>(w), n,
                                       qvxt::Nan::Any);
          }};
}

using Ptrs = void* const*;

// A primitive as the sweep sees it.
struct Fn {
  std::vector<ArrType> src, dst;
  // Calls the primitive on these arrays (and the current constants).
  std::function<void(Ptrs s, Ptrs d, int len)> call;
  // Element i of every destination from element i of every source, by the rule.
  std::function<void(Ptrs s, Ptrs d, size_t i)> ref;
  // Draws new constants.
  std::function<void(qvxt::Rng&)> reroll = [](qvxt::Rng&) {};
  // In-place uses to check: for each, the source that destination k is placed on.
  std::vector<std::vector<int>> in_place;
};

void check(const std::string& name, const Fn& fn);

// ---- builders for the common shapes ----

template <class T>
T at(Ptrs p, int k, size_t i) {
  return static_cast<const T*>(p[k])[i];
}
template <class T>
T& out(Ptrs p, int k, size_t i) {
  return static_cast<T*>(p[k])[i];
}

// A constant that is drawn anew for every call.
template <class C>
std::shared_ptr<C> constant() {
  return std::make_shared<C>();
}
template <class C>
void draw(const std::shared_ptr<C>& c, qvxt::Rng& r) {
  *c = qvxt::random_value<C>(r);
}

// dst = f(src1, src2)
template <class S1, class S2, class D, class F>
Fn binary(QvxStatus (*fn)(const S1*, const S2*, D*, int), F f, std::vector<std::vector<int>> ip) {
  Fn r;
  r.src = {arr<S1>(), arr<S2>()};
  r.dst = {arr<D>()};
  r.call = [fn](Ptrs s, Ptrs d, int len) {
    ASSERT_EQ(
        fn(static_cast<const S1*>(s[0]), static_cast<const S2*>(s[1]), static_cast<D*>(d[0]), len),
        0);
  };
  r.ref = [f](Ptrs s, Ptrs d, size_t i) { out<D>(d, 0, i) = f(at<S1>(s, 0, i), at<S2>(s, 1, i)); };
  r.in_place = ip;
  return r;
}

// dst = f(src, c)
template <class T, class C, class F>
Fn with_const(QvxStatus (*fn)(const T*, C, T*, int), F f, std::vector<std::vector<int>> ip) {
  Fn r;
  auto c = constant<C>();
  r.src = {arr<T>()};
  r.dst = {arr<T>()};
  r.call = [fn, c](Ptrs s, Ptrs d, int len) {
    ASSERT_EQ(fn(static_cast<const T*>(s[0]), *c, static_cast<T*>(d[0]), len), 0);
  };
  r.ref = [f, c](Ptrs s, Ptrs d, size_t i) { out<T>(d, 0, i) = f(at<T>(s, 0, i), *c); };
  r.reroll = [c](qvxt::Rng& g) { draw(c, g); };
  r.in_place = ip;
  return r;
}

// dst = f(src1, src2, src3)
template <class T, class F>
Fn ternary(QvxStatus (*fn)(const T*, const T*, const T*, T*, int), F f,
           std::vector<std::vector<int>> ip) {
  Fn r;
  r.src = {arr<T>(), arr<T>(), arr<T>()};
  r.dst = {arr<T>()};
  r.call = [fn](Ptrs s, Ptrs d, int len) {
    ASSERT_EQ(fn(static_cast<const T*>(s[0]), static_cast<const T*>(s[1]),
                 static_cast<const T*>(s[2]), static_cast<T*>(d[0]), len),
              0);
  };
  r.ref = [f](Ptrs s, Ptrs d, size_t i) {
    out<T>(d, 0, i) = f(at<T>(s, 0, i), at<T>(s, 1, i), at<T>(s, 2, i));
  };
  r.in_place = ip;
  return r;
}

// dst = f(src1, c, src2)
template <class T, class F>
Fn mulcadd(QvxStatus (*fn)(const T*, T, const T*, T*, int), F f, std::vector<std::vector<int>> ip) {
  Fn r;
  auto c = constant<T>();
  r.src = {arr<T>(), arr<T>()};
  r.dst = {arr<T>()};
  r.call = [fn, c](Ptrs s, Ptrs d, int len) {
    ASSERT_EQ(fn(static_cast<const T*>(s[0]), *c, static_cast<const T*>(s[1]),
                 static_cast<T*>(d[0]), len),
              0);
  };
  r.ref = [f, c](Ptrs s, Ptrs d, size_t i) {
    out<T>(d, 0, i) = f(at<T>(s, 0, i), *c, at<T>(s, 1, i));
  };
  r.reroll = [c](qvxt::Rng& g) { draw(c, g); };
  r.in_place = ip;
  return r;
}

// dst = f(src, m, a)
template <class S, class C, class F>
Fn mulcaddc(QvxStatus (*fn)(const S*, C, C, S*, int), F f, std::vector<std::vector<int>> ip) {
  Fn r;
  auto m = constant<C>(), a = constant<C>();
  r.src = {arr<S>()};
  r.dst = {arr<S>()};
  r.call = [fn, m, a](Ptrs s, Ptrs d, int len) {
    ASSERT_EQ(fn(static_cast<const S*>(s[0]), *m, *a, static_cast<S*>(d[0]), len), 0);
  };
  r.ref = [f, m, a](Ptrs s, Ptrs d, size_t i) { out<S>(d, 0, i) = f(at<S>(s, 0, i), *m, *a); };
  r.reroll = [m, a](qvxt::Rng& g) {
    draw(m, g);
    draw(a, g);
  };
  r.in_place = ip;
  return r;
}

// Split complex forms: each complex operand is a pair of arrays (re, im); the rule f takes
// and returns cx_t<T>.  Array pair k of the sources is s[2k], s[2k+1].
template <class T>
cx_t<T> pair_at(Ptrs s, int k, size_t i) {
  return {at<T>(s, 2 * k, i), at<T>(s, 2 * k + 1, i)};
}
template <class T>
void pair_out(Ptrs d, size_t i, cx_t<T> v) {
  out<T>(d, 0, i) = v.re;
  out<T>(d, 1, i) = v.im;
}

}  // namespace arith_test

#endif
