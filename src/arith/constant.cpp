// Arithmetic between a floating-point vector and one constant.  Division by a constant is
// a multiplication by its reciprocal, computed once per call.
#include "arith/complex.h"
#include "arith/kernels.h"
#include "core/export.h"

namespace {

using namespace qvx;
using namespace qvx::arith;

// x is the element, c the constant.
constexpr auto add = [](auto x, auto c) { return x + c; };
constexpr auto sub = [](auto x, auto c) { return x - c; };
constexpr auto sub_rev = [](auto x, auto c) { return c - x; };
constexpr auto mul = [](auto x, auto c) { return x * c; };
constexpr auto div_rev = [](auto x, auto c) { return c / x; };
constexpr auto complex_mul = [](auto x, auto c) { return cmul(x, c); };
// The product with the element kept interleaved: ((xr*cr) - (xi*ci), (xi*cr) + (xr*ci)) in
// the lane order of cmul.
constexpr auto complex_mul_interleaved =
    rule([](auto x, auto c) { return cmul(x, c); },
         [](auto x, auto c) {
           return simd::addsub(x * simd::dup_even(c), simd::swap_pairs(x) * simd::dup_odd(c));
         });
constexpr auto complex_div_rev = [](auto x, auto c) { return cdiv(c, x); };

template <class T, class F>
inline QvxStatus real(const T* src, T val, T* dst, int len, F f) {
  map(len, Out<T>{dst}, f, In<T>{src}, constant(val));
  return QVX_STS_NO_ERR;
}

// Real and imaginary parts each with their own part of the constant, kept interleaved.
template <class T, class F>
inline QvxStatus interleaved(const T* src, T re, T im, T* dst, int len, F f) {
  map(len, OutInterleaved<T>{dst}, f, Interleaved<T>{src}, interleaved_constant(re, im));
  return QVX_STS_NO_ERR;
}
template <class T, class F>
inline QvxStatus by_parts(const T* src, T re, T im, T* dst, int len, F f) {
  return interleaved(src, re, im, dst, len, [f](auto x, auto c) { return per_part(f, x, c); });
}

template <class T, class F>
inline QvxStatus complex(const T* src, T re, T im, T* dst, int len, F f) {
  map(len, OutDeinterleaved<T>{dst}, f, Deinterleaved<T>{src}, complex_constant(re, im));
  return QVX_STS_NO_ERR;
}

}  // namespace

// Rows of the operations on 32F and 64F (`f` of each element and the constant) and on 32FC
// and 64FC (the expression given, of src, val, dst and len).
#define QVX_REAL_CONST(Op, f)                                                         \
  QVX_REAL_CONST_(Op, 32F, Qvx32f, f)                                                 \
  QVX_REAL_CONST_(Op, 64F, Qvx64f, f)
#define QVX_REAL_CONST_(Op, Sfx, T, f)                                                \
  QVX_DEFINE(QvxStatus, Vector_##Op##_##Sfx, (const T* src, T val, T* dst, int len)) { \
    return real(src, val, dst, len, f);                                               \
  }
#define QVX_COMPLEX_CONST(Op, ...)                                                    \
  QVX_COMPLEX_CONST_(Op, 32FC, Qvx32fc, __VA_ARGS__)                                  \
  QVX_COMPLEX_CONST_(Op, 64FC, Qvx64fc, __VA_ARGS__)
#define QVX_COMPLEX_CONST_(Op, Sfx, T, ...)                                           \
  QVX_DEFINE(QvxStatus, Vector_##Op##_##Sfx, (const T* src, T val, T* dst, int len)) { \
    return __VA_ARGS__;                                                               \
  }

// ---- AddC, SubC, SubCRev: by parts for the complex types ----
QVX_REAL_CONST(AddC, add)
QVX_COMPLEX_CONST(AddC, by_parts(sc(src), val.re, val.im, sc(dst), len, add))
QVX_REAL_CONST(SubC, sub)
QVX_COMPLEX_CONST(SubC, by_parts(sc(src), val.re, val.im, sc(dst), len, sub))
QVX_REAL_CONST(SubCRev, sub_rev)
QVX_COMPLEX_CONST(SubCRev, by_parts(sc(src), val.re, val.im, sc(dst), len, sub_rev))

// ---- MulC: the complex members' products kept interleaved ----
QVX_REAL_CONST(MulC, mul)
QVX_COMPLEX_CONST(MulC,
                  interleaved(sc(src), val.re, val.im, sc(dst), len, complex_mul_interleaved))
#define QVX_MUL_C_SPLIT(Sfx, T, ...)                                                    \
  QVX_DEFINE(QvxStatus, Vector_MulC_CToC_##Sfx,                                         \
             (const T* srcRe, const T* srcIm, T valRe, T valIm, T* dstRe, T* dstIm,     \
              int len)) {                                                               \
    map(len, OutSplit<T>{dstRe, dstIm}, complex_mul, Split<T>{srcRe, srcIm},            \
        complex_constant(valRe, valIm));                                                \
    return QVX_STS_NO_ERR;                                                              \
  }
QVX_EACH_PRECISION(QVX_MUL_C_SPLIT)

// ---- DivC: one reciprocal per call, then MulC ----
// The complex reciprocal is formed in double precision and rounded once per part (for 64FC
// the rounding changes nothing).
#define QVX_DIV_C(Sfx, T, CSfx, C, ...)                                                 \
  QVX_DEFINE(QvxStatus, Vector_DivC_##Sfx, (const T* src, T val, T* dst, int len)) {    \
    const T r = T(1) / val;                                                             \
    return __qvx_Vector_MulC_##Sfx(src, r, dst, len);                                   \
  }                                                                                     \
  QVX_DEFINE(QvxStatus, Vector_DivC_##CSfx, (const C* src, C val, C* dst, int len)) {   \
    const double cr = val.re, ci = val.im;                                              \
    const double d = (cr * cr) + (ci * ci);                                             \
    const C r = {static_cast<T>(cr / d), static_cast<T>((-ci) / d)};                    \
    return __qvx_Vector_MulC_##CSfx(src, r, dst, len);                                  \
  }
QVX_EACH_PRECISION(QVX_DIV_C)

// ---- DivCRev: the constant divided by each element ----
QVX_REAL_CONST(DivCRev, div_rev)
QVX_COMPLEX_CONST(DivCRev, complex(sc(src), val.re, val.im, sc(dst), len, complex_div_rev))
