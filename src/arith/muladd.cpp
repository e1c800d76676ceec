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

// ---- MulAdd: src1*src2 + src3 ----
QVX_DEFINE(QvxStatus, Vector_MulAdd_32F,
           (const Qvx32f* src1, const Qvx32f* src2, const Qvx32f* src3, Qvx32f* dst, int len)) {
  map(len, Out<Qvx32f>{dst}, real_muladd, In<Qvx32f>{src1}, In<Qvx32f>{src2}, In<Qvx32f>{src3});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulAdd_64F,
           (const Qvx64f* src1, const Qvx64f* src2, const Qvx64f* src3, Qvx64f* dst, int len)) {
  map(len, Out<Qvx64f>{dst}, real_muladd, In<Qvx64f>{src1}, In<Qvx64f>{src2}, In<Qvx64f>{src3});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulAdd_32FC,
           (const Qvx32fc* src1, const Qvx32fc* src2, const Qvx32fc* src3, Qvx32fc* dst, int len)) {
  map(len, OutDeinterleaved<Qvx32f>{sc(dst)}, complex_muladd_vec, Deinterleaved<Qvx32f>{sc(src1)},
      Deinterleaved<Qvx32f>{sc(src2)}, Deinterleaved<Qvx32f>{sc(src3)});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulAdd_64FC,
           (const Qvx64fc* src1, const Qvx64fc* src2, const Qvx64fc* src3, Qvx64fc* dst, int len)) {
  map(len, OutDeinterleaved<Qvx64f>{sc(dst)}, complex_muladd_vec, Deinterleaved<Qvx64f>{sc(src1)},
      Deinterleaved<Qvx64f>{sc(src2)}, Deinterleaved<Qvx64f>{sc(src3)});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulAdd_CToC_32F,
           (const Qvx32f* src1Re, const Qvx32f* src1Im, const Qvx32f* src2Re, const Qvx32f* src2Im,
            const Qvx32f* src3Re, const Qvx32f* src3Im, Qvx32f* dstRe, Qvx32f* dstIm, int len)) {
  map(len, OutSplit<Qvx32f>{dstRe, dstIm}, complex_muladd_vec, Split<Qvx32f>{src1Re, src1Im},
      Split<Qvx32f>{src2Re, src2Im}, Split<Qvx32f>{src3Re, src3Im});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulAdd_CToC_64F,
           (const Qvx64f* src1Re, const Qvx64f* src1Im, const Qvx64f* src2Re, const Qvx64f* src2Im,
            const Qvx64f* src3Re, const Qvx64f* src3Im, Qvx64f* dstRe, Qvx64f* dstIm, int len)) {
  map(len, OutSplit<Qvx64f>{dstRe, dstIm}, complex_muladd_vec, Split<Qvx64f>{src1Re, src1Im},
      Split<Qvx64f>{src2Re, src2Im}, Split<Qvx64f>{src3Re, src3Im});
  return QVX_STS_NO_ERR;
}

// ---- MulCAdd: src1*val + src2 ----
QVX_DEFINE(QvxStatus, Vector_MulCAdd_32F,
           (const Qvx32f* src1, Qvx32f val, const Qvx32f* src2, Qvx32f* dst, int len)) {
  map(len, Out<Qvx32f>{dst}, real_muladd, In<Qvx32f>{src1}, constant(val), In<Qvx32f>{src2});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAdd_64F,
           (const Qvx64f* src1, Qvx64f val, const Qvx64f* src2, Qvx64f* dst, int len)) {
  map(len, Out<Qvx64f>{dst}, real_muladd, In<Qvx64f>{src1}, constant(val), In<Qvx64f>{src2});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAdd_32FC,
           (const Qvx32fc* src1, Qvx32fc val, const Qvx32fc* src2, Qvx32fc* dst, int len)) {
  map(len, OutDeinterleaved<Qvx32f>{sc(dst)}, complex_muladd_const,
      Deinterleaved<Qvx32f>{sc(src1)}, complex_constant(val.re, val.im),
      Deinterleaved<Qvx32f>{sc(src2)});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAdd_64FC,
           (const Qvx64fc* src1, Qvx64fc val, const Qvx64fc* src2, Qvx64fc* dst, int len)) {
  map(len, OutDeinterleaved<Qvx64f>{sc(dst)}, complex_muladd_const,
      Deinterleaved<Qvx64f>{sc(src1)}, complex_constant(val.re, val.im),
      Deinterleaved<Qvx64f>{sc(src2)});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAdd_CToC_32F,
           (const Qvx32f* src1Re, const Qvx32f* src1Im, Qvx32f valRe, Qvx32f valIm,
            const Qvx32f* src2Re, const Qvx32f* src2Im, Qvx32f* dstRe, Qvx32f* dstIm, int len)) {
  map(len, OutSplit<Qvx32f>{dstRe, dstIm}, complex_muladd_const, Split<Qvx32f>{src1Re, src1Im},
      complex_constant(valRe, valIm), Split<Qvx32f>{src2Re, src2Im});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAdd_CToC_64F,
           (const Qvx64f* src1Re, const Qvx64f* src1Im, Qvx64f valRe, Qvx64f valIm,
            const Qvx64f* src2Re, const Qvx64f* src2Im, Qvx64f* dstRe, Qvx64f* dstIm, int len)) {
  map(len, OutSplit<Qvx64f>{dstRe, dstIm}, complex_muladd_const, Split<Qvx64f>{src1Re, src1Im},
      complex_constant(valRe, valIm), Split<Qvx64f>{src2Re, src2Im});
  return QVX_STS_NO_ERR;
}

// ---- MulCAddC: src*mulVal + addVal ----
QVX_DEFINE(QvxStatus, Vector_MulCAddC_32F,
           (const Qvx32f* src, Qvx32f mulVal, Qvx32f addVal, Qvx32f* dst, int len)) {
  map(len, Out<Qvx32f>{dst}, real_muladd, In<Qvx32f>{src}, constant(mulVal), constant(addVal));
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAddC_64F,
           (const Qvx64f* src, Qvx64f mulVal, Qvx64f addVal, Qvx64f* dst, int len)) {
  map(len, Out<Qvx64f>{dst}, real_muladd, In<Qvx64f>{src}, constant(mulVal), constant(addVal));
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAddC_32FC,
           (const Qvx32fc* src, Qvx32fc mulVal, Qvx32fc addVal, Qvx32fc* dst, int len)) {
  map(len, OutDeinterleaved<Qvx32f>{sc(dst)}, complex_muladd_const, Deinterleaved<Qvx32f>{sc(src)},
      complex_constant(mulVal.re, mulVal.im), complex_constant(addVal.re, addVal.im));
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAddC_64FC,
           (const Qvx64fc* src, Qvx64fc mulVal, Qvx64fc addVal, Qvx64fc* dst, int len)) {
  map(len, OutDeinterleaved<Qvx64f>{sc(dst)}, complex_muladd_const, Deinterleaved<Qvx64f>{sc(src)},
      complex_constant(mulVal.re, mulVal.im), complex_constant(addVal.re, addVal.im));
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAddC_CToC_32F,
           (const Qvx32f* srcRe, const Qvx32f* srcIm, Qvx32f mulRe, Qvx32f mulIm, Qvx32f addRe,
            Qvx32f addIm, Qvx32f* dstRe, Qvx32f* dstIm, int len)) {
  map(len, OutSplit<Qvx32f>{dstRe, dstIm}, complex_muladd_const, Split<Qvx32f>{srcRe, srcIm},
      complex_constant(mulRe, mulIm), complex_constant(addRe, addIm));
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAddC_CToC_64F,
           (const Qvx64f* srcRe, const Qvx64f* srcIm, Qvx64f mulRe, Qvx64f mulIm, Qvx64f addRe,
            Qvx64f addIm, Qvx64f* dstRe, Qvx64f* dstIm, int len)) {
  map(len, OutSplit<Qvx64f>{dstRe, dstIm}, complex_muladd_const, Split<Qvx64f>{srcRe, srcIm},
      complex_constant(mulRe, mulIm), complex_constant(addRe, addIm));
  return QVX_STS_NO_ERR;
}

// ---- MulCAddC on integers ----
// The element is converted exactly to the working precision (single for 16S, double for
// 32S), multiplied and added with each step rounded there, then stored with saturation and
// truncation toward zero; a NaN stores the low bits of the processor's -2147483648.

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
