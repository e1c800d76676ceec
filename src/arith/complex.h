// The complex formulas of the floating-point family, written once.
//
// T is a scalar (float, double) or a register of them (GCC gives registers the arithmetic
// operators lane by lane), so the element loop and the vector path evaluate the very same
// expression.  Every product, sum and quotient is a separate IEEE operation in the
// element's precision, in the order written here: the library is built with
// -ffp-contract=off, so nothing is fused into a multiply-add and nothing is reassociated.
// Multiplication and addition of two operands are commutative in IEEE arithmetic, so a*b and
// b*a give the same value; the grouping of the sums is what decides the last bit.
#ifndef QVX_ARITH_COMPLEX_H
#define QVX_ARITH_COMPLEX_H

#include "core/loops.h"

namespace qvx {
namespace arith {

// a * b = ((ar*br) - (ai*bi), (ai*br) + (ar*bi)).
template <class T>
inline Cx<T> cmul(Cx<T> a, Cx<T> b) {
  const T rr = a.re * b.re, ii = a.im * b.im, ir = a.im * b.re, ri = a.re * b.im;
  return {rr - ii, ir + ri};
}

// a / b with d = (br*br) + (bi*bi), both parts true divisions by d: no scaling, no special
// case for a zero or huge divisor (those give what the IEEE operations give).
template <class T>
inline Cx<T> cdiv(Cx<T> a, Cx<T> b) {
  const T d = (b.re * b.re) + (b.im * b.im);
  return {((a.re * b.re) + (a.im * b.im)) / d, ((a.im * b.re) - (a.re * b.im)) / d};
}

// The same product on registers of interleaved complex values (re, im, re, im, ...), without
// taking them apart: the even lanes get (ar*br) - (ai*bi), the odd lanes (ar*bi) + (ai*br),
// the same two sums as cmul (an IEEE sum does not depend on its operands' order).
template <class V>
inline V cmul_interleaved(V a, V b) {
  return simd::addsub(simd::dup_even(a) * b, simd::dup_odd(a) * simd::swap_pairs(b));
}

// x*y + z with the addend entering after the first product:
//   re = ((xr*yr) + zr) - (xi*yi),  im = ((xr*yi) + zi) + (xi*yr).
template <class T>
inline Cx<T> cmuladd_vec(Cx<T> x, Cx<T> y, Cx<T> z) {
  return {((x.re * y.re) + z.re) - (x.im * y.im), ((x.re * y.im) + z.im) + (x.im * y.re)};
}

// x*c + z for a constant multiplier c; the imaginary part starts from xi*cr:
//   re = ((xr*cr) + zr) - (xi*ci),  im = ((xi*cr) + zi) + (xr*ci).
// It differs from cmuladd_vec(x, c, z) only in which product enters the imaginary part
// first, which can change its last bit.
template <class T>
inline Cx<T> cmuladd_const(Cx<T> x, Cx<T> c, Cx<T> z) {
  return {((x.re * c.re) + z.re) - (x.im * c.im), ((x.im * c.re) + z.im) + (x.re * c.im)};
}

}  // namespace arith
}  // namespace qvx

#endif
