// Multiply and add in one pass: x*y + z, x*c + z and x*c + k, real and complex, and the
// 16S and 32S forms of x*c + k computed in floating point and stored with saturation.

#include "arith/complex.h"
#include "arith/kernels.h"
#include "core/convert.h"
#include "core/export.h"

namespace {

using namespace qvx;
using namespace qvx::arith;

// The product is rounded, then the sum.
constexpr auto real_muladd = [](auto x, auto y, auto z) { return (x * y) + z; };
constexpr auto complex_muladd_vec = [](auto x, auto y, auto z) { return cmuladd_vec(x, y, z); };
constexpr auto complex_muladd_const = [](auto x, auto c, auto z) { return cmuladd_const(x, c, z); };

}  // namespace

// Rows of both precisions (QVX_EACH_PRECISION): T the real type, C the complex one.  Each
// form is one map of the rule over its operands: real arrays, interleaved complex arrays
// (C, read as pairs of T) and split complex arrays (CToC), with constants where the form
// has them.
#define QVX_MUL_ADD(Sfx, T, CSfx, C, ...)                                                  \
  QVX_DEFINE(QvxStatus, Vector_MulAdd_##Sfx,                                               \
             (const T* src1, const T* src2, const T* src3, T* dst, int len)) {             \
    map(len, Out<T>{dst}, real_muladd, In<T>{src1}, In<T>{src2}, In<T>{src3});             \
    return QVX_STS_NO_ERR;                                                                 \
  }                                                                                        \
  QVX_DEFINE(QvxStatus, Vector_MulAdd_##CSfx,                                              \
             (const C* src1, const C* src2, const C* src3, C* dst, int len)) {             \
    map(len, OutDeinterleaved<T>{sc(dst)}, complex_muladd_vec, Deinterleaved<T>{sc(src1)}, \
        Deinterleaved<T>{sc(src2)}, Deinterleaved<T>{sc(src3)});                           \
    return QVX_STS_NO_ERR;                                                                 \
  }                                                                                        \
  QVX_DEFINE(QvxStatus, Vector_MulAdd_CToC_##Sfx,                                          \
             (const T* src1Re, const T* src1Im, const T* src2Re, const T* src2Im,          \
              const T* src3Re, const T* src3Im, T* dstRe, T* dstIm, int len)) {            \
    map(len, OutSplit<T>{dstRe, dstIm}, complex_muladd_vec, Split<T>{src1Re, src1Im},      \
        Split<T>{src2Re, src2Im}, Split<T>{src3Re, src3Im});                               \
    return QVX_STS_NO_ERR;                                                                 \
  }
#define QVX_MUL_C_ADD(Sfx, T, CSfx, C, ...)                                                \
  QVX_DEFINE(QvxStatus, Vector_MulCAdd_##Sfx,                                              \
             (const T* src1, T val, const T* src2, T* dst, int len)) {                     \
    map(len, Out<T>{dst}, real_muladd, In<T>{src1}, constant(val), In<T>{src2});           \
    return QVX_STS_NO_ERR;                                                                 \
  }                                                                                        \
  QVX_DEFINE(QvxStatus, Vector_MulCAdd_##CSfx,                                             \
             (const C* src1, C val, const C* src2, C* dst, int len)) {                     \
    map(len, OutDeinterleaved<T>{sc(dst)}, complex_muladd_const, Deinterleaved<T>{sc(src1)}, \
        complex_constant(val.re, val.im), Deinterleaved<T>{sc(src2)});                     \
    return QVX_STS_NO_ERR;                                                                 \
  }                                                                                        \
  QVX_DEFINE(QvxStatus, Vector_MulCAdd_CToC_##Sfx,                                         \
             (const T* src1Re, const T* src1Im, T valRe, T valIm, const T* src2Re,         \
              const T* src2Im, T* dstRe, T* dstIm, int len)) {                             \
    map(len, OutSplit<T>{dstRe, dstIm}, complex_muladd_const, Split<T>{src1Re, src1Im},    \
        complex_constant(valRe, valIm), Split<T>{src2Re, src2Im});                         \
    return QVX_STS_NO_ERR;                                                                 \
  }
#define QVX_MUL_C_ADD_C(Sfx, T, CSfx, C, ...)                                              \
  QVX_DEFINE(QvxStatus, Vector_MulCAddC_##Sfx,                                             \
             (const T* src, T mulVal, T addVal, T* dst, int len)) {                        \
    map(len, Out<T>{dst}, real_muladd, In<T>{src}, constant(mulVal), constant(addVal));    \
    return QVX_STS_NO_ERR;                                                                 \
  }                                                                                        \
  QVX_DEFINE(QvxStatus, Vector_MulCAddC_##CSfx,                                            \
             (const C* src, C mulVal, C addVal, C* dst, int len)) {                        \
    map(len, OutDeinterleaved<T>{sc(dst)}, complex_muladd_const, Deinterleaved<T>{sc(src)}, \
        complex_constant(mulVal.re, mulVal.im), complex_constant(addVal.re, addVal.im));   \
    return QVX_STS_NO_ERR;                                                                 \
  }                                                                                        \
  QVX_DEFINE(QvxStatus, Vector_MulCAddC_CToC_##Sfx,                                        \
             (const T* srcRe, const T* srcIm, T mulRe, T mulIm, T addRe, T addIm, T* dstRe, \
              T* dstIm, int len)) {                                                        \
    map(len, OutSplit<T>{dstRe, dstIm}, complex_muladd_const, Split<T>{srcRe, srcIm},      \
        complex_constant(mulRe, mulIm), complex_constant(addRe, addIm));                   \
    return QVX_STS_NO_ERR;                                                                 \
  }

// ---- MulAdd: src1*src2 + src3 ----
QVX_EACH_PRECISION(QVX_MUL_ADD)
// ---- MulCAdd: src1*val + src2 ----
QVX_EACH_PRECISION(QVX_MUL_C_ADD)
// ---- MulCAddC: src*mulVal + addVal ----
QVX_EACH_PRECISION(QVX_MUL_C_ADD_C)

// ---- MulCAddC on integers ----
// The element is converted exactly to the working precision (single for 16S, double for
// 32S), multiplied and added with each step rounded there, then stored with saturation and
// truncation toward zero; a NaN stores the low bits of the processor's -2147483648.
// The two members are written out each: their register forms have nothing in common (16S
// widens to 32-bit lanes of single precision, 32S to half registers of double).

QVX_DEFINE(QvxStatus, Vector_MulCAddC_16S,
           (const Qvx16s* src, Qvx32f mulVal, Qvx32f addVal, Qvx16s* dst, int len)) {
  using namespace simd;
  const Vec<float> m = splat(mulVal), a = splat(addVal);
  const Vec<float> lo = splat(-32768.0f), hi = splat(32767.0f);
  // Lanes of 32-bit integers: converted exactly, multiplied and added in single precision,
  // clamped with the value kept where it is a NaN (ordered comparisons fail for it), then
  // truncated: a NaN gives -2147483648, whose low 16 bits (0) the sign-extending shift pair
  // keeps, and the saturating narrowing then changes nothing.
  const auto convert = [&](Vec<int32_t> w) {
    Vec<float> v = (to_float(w) * m) + a;
    v = select(v < lo, lo, select(v > hi, hi, v));
    const Vec<int32_t> t = trunc_i32(v);
    return as<int32_t>(as<uint32_t>(t) << 16) >> 16;
  };
  map(len, Out<Qvx16s>{dst},
      rule([&](Qvx16s x) { return saturate_trunc<Qvx16s>((static_cast<Qvx32f>(x) * mulVal) + addVal); },
           [&](Vec<int16_t> x) {
             return narrow<int16_t>(convert(widen_lo(x)), convert(widen_hi(x)));
           }),
      In<Qvx16s>{src});
  return QVX_STS_NO_ERR;
}

QVX_DEFINE(QvxStatus, Vector_MulCAddC_32S,
           (const Qvx32s* src, Qvx64f mulVal, Qvx64f addVal, Qvx32s* dst, int len)) {
  using namespace simd;
  const Vec<double> m = splat(mulVal), a = splat(addVal);
  const Vec<double> lo = splat(-2147483648.0), hi = splat(2147483647.0);
  // Half a register of elements per double register.  max(v, lo) gives lo for a NaN v, and
  // the truncating conversion of lo is -2147483648, the NaN result of the element rule; a
  // value above the top bound is clamped to it before the conversion.
  const auto value = [&](Vec<double> w) { return vmin(vmax((w * m) + a, lo), hi); };
  map(len, Out<Qvx32s>{dst},
      rule([&](Qvx32s x) { return saturate_trunc<Qvx32s>((static_cast<Qvx64f>(x) * mulVal) + addVal); },
           [&](Vec<int32_t> x) {
             return trunc_i32(value(to_double_lo(x)), value(to_double_hi(x)));
           }),
      In<Qvx32s>{src});
  return QVX_STS_NO_ERR;
}
