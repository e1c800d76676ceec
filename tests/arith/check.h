// The check of the floating-point arithmetic, read off the primitive's signature (`const T*`
// a source, `T*` a destination, any other type before len a constant): model_sweep(name, fn,
// model) draws random data with special values and new constants at every call;
// model(args...) gets element i of each source, the constants and a reference to element i
// of each expected destination, and writes the rule's result there.  The models are one
// rounded IEEE operation per operator: the tests build with -ffp-contract=off and float and
// double are evaluated in their own type.
#ifndef QVX_TEST_ARITH_CHECK_H
#define QVX_TEST_ARITH_CHECK_H

#include <float.h>
#include <gtest/gtest.h>
#include <string.h>

#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "qvx_vector.h"
#include "support/data.h"
#include "support/sweep.h"

static_assert(FLT_EVAL_METHOD == 0, "reference models need float and double evaluation");

namespace arith_test {

using C32 = Qvx32fc;
using C64 = Qvx64fc;
template <class T>
using Cx = std::conditional_t<sizeof(T) == 4, C32, C64>;  // complex with parts of type T
using Result = ::testing::AssertionResult;

// Only destinations are compared.
template <class X>
Result check(const X&, size_t) { return ::testing::AssertionSuccess(); }

template <class P>  // a constant
struct Arg {
  P v{};
  void draw(qvxt::Rng& r, size_t) { v = qvxt::random_value<P>(r); }
  P pass() const { return v; }
  P at(size_t) const { return v; }
};
template <class T>  // a source
struct Arg<const T*> {
  std::vector<T> v;
  void draw(qvxt::Rng& r, size_t n) { v.resize(n), qvxt::fill_random(v.data(), n, r); }
  const T* pass() const { return v.data(); }
  T at(size_t i) const { return v[i]; }
};
template <class T>  // a destination: what the primitive wrote, and what it should have
struct Arg<T*> {
  std::vector<T> got, want;
  void draw(qvxt::Rng&, size_t n) {  // got: a pattern no rule gives
    want.assign(n, T{}), got.resize(n);
    if (n) memset(static_cast<void*>(got.data()), 0x5A, n * sizeof(T));
  }
  T* pass() { return got.data(); }
  T& at(size_t i) { return want[i]; }
  // Which NaN operand's payload survives is the processor's choice.
  friend Result check(const Arg& d, size_t n) {
    return qvxt::same_elements(d.got.data(), d.want.data(), n, qvxt::Nan::Any);
  }
};

// The arguments of one call; the last, for len, stays unused.
template <class... A>
struct Call {
  std::tuple<Arg<A>...> a;
  template <size_t... I>
  Result run(QvxStatus (*fn)(A...), int len, std::index_sequence<I...>) {
    if (fn(std::get<I>(a).pass()..., len) != 0) return ::testing::AssertionFailure() << "status";
    Result r = ::testing::AssertionSuccess();
    ((r = r ? check(std::get<I>(a), static_cast<size_t>(len)) : r), ...);
    return r;
  }
};

template <class... A, class F, size_t... I>
void sweep_(const std::string& name, QvxStatus (*fn)(A...), F model, std::index_sequence<I...> p) {
  qvxt::model_rounds(name, 8, [&](int len, qvxt::Rng& rng) {
    Call<A...> c;
    (std::get<I>(c.a).draw(rng, static_cast<size_t>(len)), ...);
    for (int i = 0; i < len; ++i) model(std::get<I>(c.a).at(i)...);
    return c.run(fn, len, p);
  });
}
template <class... A, class F>
void model_sweep(const std::string& name, QvxStatus (*fn)(A...), F model) {
  sweep_(name, fn, model, std::make_index_sequence<sizeof...(A) - 1>());
}
#define SWEEP(N, M) model_sweep(#N, qvx_Vector_##N, M)

// ---- shared models and values ----

template <class C>
C cmul(C a, C b) {
  return {(a.re * b.re) - (a.im * b.im), (a.im * b.re) + (a.re * b.im)};
}
template <class C>
C cdiv(C a, C b) {
  const auto d = (b.re * b.re) + (b.im * b.im);
  return {((a.re * b.re) + (a.im * b.im)) / d, ((a.im * b.re) - (a.re * b.im)) / d};
}

// Models of the real operations, of complex ones applying a real one to each part, and of
// the split-array complex product.
inline const auto add = [](auto a, auto b, auto& d) { d = a + b; };
inline const auto sub = [](auto a, auto b, auto& d) { d = a - b; };
inline const auto mul = [](auto a, auto b, auto& d) { d = a * b; };
inline const auto parts = [](auto op) {
  return [op](auto a, auto b, auto& d) { op(a.re, b.re, d.re), op(a.im, b.im, d.im); };
};
inline const auto split_cmul = [](auto ar, auto ai, auto br, auto bi, auto& dr, auto& di) {
  using C = Cx<decltype(ar)>;
  const C d = cmul(C{ar, ai}, C{br, bi});
  dr = d.re, di = d.im;
};

}  // namespace arith_test

#endif
