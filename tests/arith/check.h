// The models of the floating-point arithmetic, for the generic model sweep of
// support/sweep.h: one rounded IEEE operation per operator (the tests build with
// -ffp-contract=off, and float and double are evaluated in their own type).
#ifndef QVX_TEST_ARITH_CHECK_H
#define QVX_TEST_ARITH_CHECK_H

#include <float.h>
#include <gtest/gtest.h>

#include <type_traits>

#include "qvx_vector.h"
#include "support/data.h"
#include "support/sweep.h"

static_assert(FLT_EVAL_METHOD == 0, "reference models need float and double evaluation");

namespace arith_test {

using C32 = Qvx32fc;
using C64 = Qvx64fc;
template <class T>
using Cx = std::conditional_t<sizeof(T) == 4, C32, C64>;  // complex with parts of type T
#define SWEEP QVXT_MODEL_SWEEP

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
