// The loop of every floating-point arithmetic primitive: an element rule f applied to
// operands of a few kinds, on 16-byte registers where the arrays allow it and one element
// at a time otherwise.
//
// An operand gives the value of element i as a scalar (at) or the values of the block of W
// elements starting at i as registers (vat); a destination stores either.  The rule f is a
// generic lambda, so the scalar and the register path evaluate the same expression; the
// complex kinds hand f a Cx (complex.h) of scalars or of registers.
//
//   R   real array                     W elements: one register
//   I   interleaved complex, gathered  W elements: two registers split into re and im
//   P   interleaved complex, by parts  the parts stay interleaved; W/2 elements a register
//   S   split complex (two arrays)     W elements: one register from each array
//   K   constant (real, complex, or interleaved pair for P)
#ifndef QVX_ARITH_KERNELS_H
#define QVX_ARITH_KERNELS_H

#include <stddef.h>
#include <stdint.h>

#include "arith/complex.h"
#include "core/loops.h"
#include "core/simd.h"
#include "qvx_vector.h"

namespace qvx {
namespace arith {

// Registers as plain GCC vector types (the same layout as __m128 and __m128d, without the
// may_alias attribute, which a template argument would drop with a warning).
typedef float f32x4 __attribute__((vector_size(16)));
typedef double f64x2 __attribute__((vector_size(16)));
template <class T>
struct Reg;
template <>
struct Reg<float> {
  using type = f32x4;
};
template <>
struct Reg<double> {
  using type = f64x2;
};
template <class T>
using reg_t = typename Reg<T>::type;

// Elements of T in one 16-byte register.
template <class T>
constexpr int kLanes = static_cast<int>(16 / sizeof(T));

// An array as the loop sees it: its start and the bytes between consecutive elements.
struct Span {
  const void* p;
  size_t stride;
};

// The scalars of a complex vector (no member access, so a null pointer with len < 1 is
// merely passed along).
inline const float* sc(const Qvx32fc* p) { return reinterpret_cast<const float*>(p); }
inline const double* sc(const Qvx64fc* p) { return reinterpret_cast<const double*>(p); }
inline float* sc(Qvx32fc* p) { return reinterpret_cast<float*>(p); }
inline double* sc(Qvx64fc* p) { return reinterpret_cast<double*>(p); }

// ---- operands ----

template <class T>
struct R {
  const T* p;
  int spans(Span* s) const {
    s[0] = {p, sizeof(T)};
    return 1;
  }
  T at(int i) const { return p[i]; }
  reg_t<T> vat(int i) const { return simd::vload(p + i); }
};

// Interleaved complex scalars (2*len of them): the element loop reads one pair; I and P
// differ only in how a block is loaded.
template <class T>
struct Interleaved {
  const T* p;
  int spans(Span* s) const {
    s[0] = {p, 2 * sizeof(T)};
    return 1;
  }
  Cx<T> at(int i) const { return {p[2 * size_t(i)], p[2 * size_t(i) + 1]}; }
};

template <class T>
struct I : Interleaved<T> {
  Cx<reg_t<T>> vat(int i) const {
    Cx<reg_t<T>> v;
    simd::deinterleave(this->p + 2 * size_t(i), v.re, v.im);
    return v;
  }
};

template <class T>
struct P : Interleaved<T> {
  reg_t<T> vat(int i) const { return simd::vload(this->p + 2 * size_t(i)); }
};

template <class T>
struct S {
  const T* re;
  const T* im;
  int spans(Span* s) const {
    s[0] = {re, sizeof(T)};
    s[1] = {im, sizeof(T)};
    return 2;
  }
  Cx<T> at(int i) const { return {re[i], im[i]}; }
  Cx<reg_t<T>> vat(int i) const { return {simd::vload(re + i), simd::vload(im + i)}; }
};

// A constant: the scalar for the element loop, the register for the vector path.
template <class T, class V>
struct K {
  T v;
  V r;
  int spans(Span*) const { return 0; }
  T at(int) const { return v; }
  V vat(int) const { return r; }
};
template <class T>
K<T, reg_t<T>> real_const(T v) {
  return {v, simd::splat(v)};
}
template <class T>
K<Cx<T>, Cx<reg_t<T>>> complex_const(T re, T im) {
  return {{re, im}, {simd::splat(re), simd::splat(im)}};
}
// For P operands: the pair (re, im) repeated along the register.
template <class T>
K<Cx<T>, reg_t<T>> pair_const(T re, T im) {
  return {{re, im}, simd::splat_pair(re, im)};
}

// ---- destinations ----

template <class T>
struct RD {
  static constexpr int W = kLanes<T>;
  T* p;
  int spans(Span* s) const {
    s[0] = {p, sizeof(T)};
    return 1;
  }
  void put(int i, T v) const { p[i] = v; }
  void vput(int i, reg_t<T> v) const { simd::vstore(p + i, v); }
};

template <class T>
struct ID {
  static constexpr int W = kLanes<T>;
  T* p;
  int spans(Span* s) const {
    s[0] = {p, 2 * sizeof(T)};
    return 1;
  }
  void put(int i, Cx<T> v) const {
    p[2 * size_t(i)] = v.re;
    p[2 * size_t(i) + 1] = v.im;
  }
  void vput(int i, Cx<reg_t<T>> v) const { simd::interleave(p + 2 * size_t(i), v.re, v.im); }
};

template <class T>
struct PD {
  static constexpr int W = kLanes<T> / 2;
  T* p;
  int spans(Span* s) const {
    s[0] = {p, 2 * sizeof(T)};
    return 1;
  }
  void put(int i, Cx<T> v) const {
    p[2 * size_t(i)] = v.re;
    p[2 * size_t(i) + 1] = v.im;
  }
  void vput(int i, reg_t<T> v) const { simd::vstore(p + 2 * size_t(i), v); }
};

template <class T>
struct SD {
  static constexpr int W = kLanes<T>;
  T* re;
  T* im;
  int spans(Span* s) const {
    s[0] = {re, sizeof(T)};
    s[1] = {im, sizeof(T)};
    return 2;
  }
  void put(int i, Cx<T> v) const {
    re[i] = v.re;
    im[i] = v.im;
  }
  void vput(int i, Cx<reg_t<T>> v) const {
    simd::vstore(re + i, v.re);
    simd::vstore(im + i, v.im);
  }
};

// ---- when the vector path gives the bits of the element loop ----

// The element loop reads all of element i before it stores element i.  A block loads all of
// its W elements before it stores them, and blocks go in ascending order; it therefore reads
// exactly what the element loop reads when a destination is the array itself (same element
// i) or lies at least one block away from it.  Arrays of different element widths (a real
// source of a complex result) must not overlap at all.
inline bool separate(Span d, Span s, int w, int len) {
  if (d.stride == s.stride) return blockwise(d.p, s.p, d.stride * size_t(w));
  return disjoint(d.p, d.stride * size_t(len), s.p, s.stride * size_t(len));
}

template <int W, class D, class... In>
inline bool vector_ok(int len, const D& dst, const In&... in) {
  if (!kSimd || len < W) return false;
  Span d[2], s[16];
  const int nd = dst.spans(d);
  int ns = 0;
  ((ns += in.spans(s + ns)), ...);
  for (int k = 0; k < nd; ++k) {
    for (int j = 0; j < ns; ++j)
      if (!separate(d[k], s[j], W, len)) return false;
    for (int j = k + 1; j < nd; ++j)
      if (!separate(d[k], d[j], W, len)) return false;
  }
  return true;
}

// dst[i] = f(in[i]...) for i in [0, len); nothing at all for len < 1.  Blocks go four to
// an iteration, each stored before the next is loaded, then one at a time; the element
// loop takes the rest.
template <class D, class F, class... In>
inline void map(int len, D dst, F f, In... in) {
  constexpr int W = D::W;
  const auto block = [&](int i) { dst.vput(i, f(in.vat(i)...)); };
  const auto four = [&](int i) {
    block(i);
    block(i + W);
    block(i + 2 * W);
    block(i + 3 * W);
  };
  const bool use_vec = vector_ok<W>(len, dst, in...);
  int i = 0;
  if (kSimd && use_vec) {
    for (; len - i >= 4 * W; i += 4 * W) four(i);
  }
  run<W>(
      len - i, use_vec, [&](int k) { block(i + k); },
      [&](int k) { dst.put(i + k, f(in.at(i + k)...)); });
}

// Applies a real rule to both parts of a Cx, or to a register of interleaved parts.
template <class Op, class T>
inline Cx<T> per_part(Op op, Cx<T> a, Cx<T> b) {
  return {op(a.re, b.re), op(a.im, b.im)};
}
template <class Op, class V>
inline V per_part(Op op, V a, V b) {
  return op(a, b);
}

}  // namespace arith
}  // namespace qvx

#endif
