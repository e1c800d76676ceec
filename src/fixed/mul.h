// Pieces shared by the multiplication, multiply-accumulate and division families: the exact
// complex product of 16-bit parts, operands that are either arrays or constants, the power-of-
// two test of a constant, and the primitives these families hand work to, as named calls.
#ifndef QVX_FIXED_MUL_H
#define QVX_FIXED_MUL_H

#include <stdint.h>

#include "core/internal.h"
#include "core/loops.h"
#include "fixed/scale.h"

namespace qvx {
namespace fixed {

// ---- complex 16-bit values as exact parts ---------------------------------------------------

// A complex value with 64-bit parts: wide enough for every product and sum of the families
// (the imaginary part of (-32768, -32768)^2 is +2^31, which no 32-bit integer holds).
struct Cx {
  int64_t re, im;
};

// The exact product a*b: re = a.re*b.re - a.im*b.im, im = a.re*b.im + a.im*b.re.
inline Cx cx_mul(Qvx16sc a, Qvx16sc b) {
  const int64_t ar = a.re, ai = a.im, br = b.re, bi = b.im;
  return {ar * br - ai * bi, ar * bi + ai * br};
}
inline Cx cx_add(Cx a, Qvx16sc c) { return {a.re + c.re, a.im + c.im}; }

// Each part scaled and saturated to 16S on its own.
inline Qvx16sc scale_saturate_cx(Cx r, int sf, int h) {
  return {scale_saturate<Qvx16s>(r.re, sf, h), scale_saturate<Qvx16s>(r.im, sf, h)};
}

inline bool is_zero(Qvx16sc v) { return v.re == 0 && v.im == 0; }
inline bool is_min_min(Qvx16sc v) { return v.re == -32768 && v.im == -32768; }

// The 16-bit parts of a complex vector (for the fills on 2*len parts).
inline Qvx16s* parts_of(Qvx16sc* p) { return reinterpret_cast<Qvx16s*>(p); }

// ---- operands ---------------------------------------------------------------------------------

// An operand read element by element: an array, or a constant repeated along the vector.
// raw() is what the operand was passed as, for handing it on to another primitive.
template <class T>
struct Vec {
  const T* p;
  T at(int i) const { return p[i]; }
  const T* raw() const { return p; }
};
template <class T>
struct Val {
  T v;
  T at(int) const { return v; }
  T raw() const { return v; }
};

// ---- constants ----------------------------------------------------------------------------------

// True when v is a positive power of two; *k is then its exponent, found by counting up from
// 0 until 2^k is no longer below v.
inline bool power_of_two(int64_t v, int* k) {
  if (v <= 0 || (v & (v - 1)) != 0) return false;
  int e = 0;
  while ((int64_t(1) << e) < v) ++e;
  *k = e;
  return true;
}

// ---- the primitives these families call, by their __qvx_ names -----------------------------

#define QVX_FIXED_CALL_UNARY(Obj, N, T)                                                      \
  struct Call##N {                                                                          \
    QvxStatus operator()(const T* s, T* d, int len, int sf) const {                         \
      return __qvx_Vector_##N(s, d, len, sf);                                               \
    }                                                                                       \
  };                                                                                        \
  constexpr Call##N Obj{};
#define QVX_FIXED_CALL_BINARY(Obj, N, T)                                                     \
  struct Call##N {                                                                          \
    QvxStatus operator()(const T* a, const T* b, T* d, int len, int sf) const {             \
      return __qvx_Vector_##N(a, b, d, len, sf);                                            \
    }                                                                                       \
  };                                                                                        \
  constexpr Call##N Obj{};
#define QVX_FIXED_CALL_CONST(Obj, N, T)                                                      \
  struct Call##N {                                                                          \
    QvxStatus operator()(const T* a, T v, T* d, int len, int sf) const {                    \
      return __qvx_Vector_##N(a, v, d, len, sf);                                            \
    }                                                                                       \
  };                                                                                        \
  constexpr Call##N Obj{};

QVX_FIXED_CALL_UNARY(kShift8U, Shift_8U, Qvx8u)
QVX_FIXED_CALL_UNARY(kShift16U, Shift_16U, Qvx16u)
QVX_FIXED_CALL_UNARY(kShift16S, Shift_16S, Qvx16s)
QVX_FIXED_CALL_UNARY(kShift32S, Shift_32S, Qvx32s)
QVX_FIXED_CALL_BINARY(kMulShift8U, MulShift_8U, Qvx8u)
QVX_FIXED_CALL_BINARY(kMulShift16U, MulShift_16U, Qvx16u)
QVX_FIXED_CALL_BINARY(kMulShift32S, MulShift_32S, Qvx32s)
QVX_FIXED_CALL_CONST(kMulCShift8U, MulCShift_8U, Qvx8u)
QVX_FIXED_CALL_CONST(kMulCShift16U, MulCShift_16U, Qvx16u)
QVX_FIXED_CALL_CONST(kMulCShift16S, MulCShift_16S, Qvx16s)
QVX_FIXED_CALL_CONST(kMulCShift32S, MulCShift_32S, Qvx32s)

#undef QVX_FIXED_CALL_UNARY
#undef QVX_FIXED_CALL_BINARY
#undef QVX_FIXED_CALL_CONST

}  // namespace fixed
}  // namespace qvx

#endif
