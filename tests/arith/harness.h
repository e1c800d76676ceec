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
#include <tuple>
#include <type_traits>
#include <utility>
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

// ---- a primitive described by its signature ----
//
// rule(fn, f, in_place) reads the parameters of fn: `const T*` is a source array, `T*` a
// destination array, any other type before the final len is a constant, drawn anew for
// every call.  f receives the element values of the sources and the constants in
// parameter order and returns the destination element (one destination) or a complex value
// whose parts go to the two destinations of a split form.

template <class P>
struct ArgKind {
  static constexpr int kind = 0;  // constant
};
template <class T>
struct ArgKind<const T*> {
  static constexpr int kind = 1;  // source
  using elem = T;
};
template <class T>
struct ArgKind<T*> {
  static constexpr int kind = 2;  // destination
  using elem = T;
};

template <class... A>
struct Rule {
  using Args = std::tuple<A...>;
  static constexpr size_t kParams = sizeof...(A) - 1;  // the last is len
  template <size_t I>
  using Arg = std::tuple_element_t<I, Args>;

  static constexpr int kind(size_t i) {
    constexpr int k[] = {ArgKind<A>::kind...};
    return k[i];
  }
  // The place of parameter i among the parameters of its kind.
  static constexpr int rank(size_t i) {
    int r = 0;
    for (size_t j = 0; j < i; ++j) r += kind(j) == kind(i);
    return r;
  }
  static constexpr size_t count(int k) {
    size_t n = 0;
    for (size_t j = 0; j < kParams; ++j) n += kind(j) == k;
    return n;
  }

  template <size_t I>
  static Arg<I> arg(Ptrs s, Ptrs d, const Args& c) {
    if constexpr (kind(I) == 1)
      return static_cast<Arg<I>>(s[rank(I)]);
    else if constexpr (kind(I) == 2)
      return static_cast<Arg<I>>(d[rank(I)]);
    else
      return std::get<I>(c);
  }
  template <size_t I>
  static auto value(Ptrs s, const Args& c, size_t i) {
    if constexpr (kind(I) == 1)
      return static_cast<Arg<I>>(s[rank(I)])[i];
    else
      return std::get<I>(c);
  }
  template <size_t I>
  static void draw(Args& c, qvxt::Rng& r) {
    if constexpr (kind(I) == 0) std::get<I>(c) = qvxt::random_value<Arg<I>>(r);
  }
  template <size_t I>
  static void add_array(Fn& fn) {
    if constexpr (kind(I) == 1) fn.src.push_back(arr<typename ArgKind<Arg<I>>::elem>());
    if constexpr (kind(I) == 2) fn.dst.push_back(arr<typename ArgKind<Arg<I>>::elem>());
  }

  template <class F, size_t... I, size_t... R>
  static Fn make(QvxStatus (*fn)(A...), F f, std::index_sequence<I...>, std::index_sequence<R...>) {
    Fn r;
    (add_array<I>(r), ...);
    auto c = std::make_shared<Args>();
    r.call = [fn, c](Ptrs s, Ptrs d, int len) { ASSERT_EQ(fn(arg<I>(s, d, *c)..., len), 0); };
    r.reroll = [c](qvxt::Rng& g) { (draw<I>(*c, g), ...); };
    r.ref = [f, c](Ptrs s, Ptrs d, size_t i) {
      const auto v = f(value<R>(s, *c, i)...);
      using D = typename ArgKind<Arg<kParams - 1>>::elem;
      if constexpr (count(2) == 1) {
        static_cast<D*>(d[0])[i] = v;
      } else {
        static_cast<D*>(d[0])[i] = v.re;
        static_cast<D*>(d[1])[i] = v.im;
      }
    };
    return r;
  }
};

template <class... A, class F>
Fn rule(QvxStatus (*fn)(A...), F f, std::vector<std::vector<int>> in_place) {
  using R = Rule<A...>;
  static_assert(R::kind(R::kParams - 1) == 2, "destinations come last, before len");
  Fn r = R::make(fn, f, std::make_index_sequence<R::kParams>(),
                 std::make_index_sequence<R::kParams - R::count(2)>());
  r.in_place = std::move(in_place);
  return r;
}

}  // namespace arith_test

#endif
