// Multiply and add in one pass: x*y + z, x*c + z and x*c + k, real and complex, and the
// 16S and 32S forms of x*c + k computed in floating point and stored with saturation.
#include <emmintrin.h>

#include "arith/complex.h"
#include "arith/kernels.h"
#include "core/convert.h"
#include "core/export.h"

namespace {

using namespace qvx;
using namespace qvx::arith;

// The product is rounded, then the sum.
const auto real_muladd = [](auto x, auto y, auto z) { return (x * y) + z; };
const auto complex_muladd_vec = [](auto x, auto y, auto z) { return cmuladd_vec(x, y, z); };
const auto complex_muladd_const = [](auto x, auto c, auto z) { return cmuladd_const(x, c, z); };

}  // namespace

// ---- MulAdd: src1*src2 + src3 ----
QVX_DEFINE(QvxStatus, Vector_MulAdd_32F,
           (const Qvx32f* src1, const Qvx32f* src2, const Qvx32f* src3, Qvx32f* dst, int len)) {
  map(len, RD<Qvx32f>{dst}, real_muladd, R<Qvx32f>{src1}, R<Qvx32f>{src2}, R<Qvx32f>{src3});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulAdd_64F,
           (const Qvx64f* src1, const Qvx64f* src2, const Qvx64f* src3, Qvx64f* dst, int len)) {
  map(len, RD<Qvx64f>{dst}, real_muladd, R<Qvx64f>{src1}, R<Qvx64f>{src2}, R<Qvx64f>{src3});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulAdd_32FC,
           (const Qvx32fc* src1, const Qvx32fc* src2, const Qvx32fc* src3, Qvx32fc* dst, int len)) {
  map(len, ID<Qvx32f>{sc(dst)}, complex_muladd_vec, I<Qvx32f>{sc(src1)}, I<Qvx32f>{sc(src2)},
      I<Qvx32f>{sc(src3)});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulAdd_64FC,
           (const Qvx64fc* src1, const Qvx64fc* src2, const Qvx64fc* src3, Qvx64fc* dst, int len)) {
  map(len, ID<Qvx64f>{sc(dst)}, complex_muladd_vec, I<Qvx64f>{sc(src1)}, I<Qvx64f>{sc(src2)},
      I<Qvx64f>{sc(src3)});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulAdd_CToC_32F,
           (const Qvx32f* src1Re, const Qvx32f* src1Im, const Qvx32f* src2Re, const Qvx32f* src2Im,
            const Qvx32f* src3Re, const Qvx32f* src3Im, Qvx32f* dstRe, Qvx32f* dstIm, int len)) {
  map(len, SD<Qvx32f>{dstRe, dstIm}, complex_muladd_vec, S<Qvx32f>{src1Re, src1Im},
      S<Qvx32f>{src2Re, src2Im}, S<Qvx32f>{src3Re, src3Im});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulAdd_CToC_64F,
           (const Qvx64f* src1Re, const Qvx64f* src1Im, const Qvx64f* src2Re, const Qvx64f* src2Im,
            const Qvx64f* src3Re, const Qvx64f* src3Im, Qvx64f* dstRe, Qvx64f* dstIm, int len)) {
  map(len, SD<Qvx64f>{dstRe, dstIm}, complex_muladd_vec, S<Qvx64f>{src1Re, src1Im},
      S<Qvx64f>{src2Re, src2Im}, S<Qvx64f>{src3Re, src3Im});
  return QVX_STS_NO_ERR;
}

// ---- MulCAdd: src1*val + src2 ----
QVX_DEFINE(QvxStatus, Vector_MulCAdd_32F,
           (const Qvx32f* src1, Qvx32f val, const Qvx32f* src2, Qvx32f* dst, int len)) {
  map(len, RD<Qvx32f>{dst}, real_muladd, R<Qvx32f>{src1}, real_const(val), R<Qvx32f>{src2});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAdd_64F,
           (const Qvx64f* src1, Qvx64f val, const Qvx64f* src2, Qvx64f* dst, int len)) {
  map(len, RD<Qvx64f>{dst}, real_muladd, R<Qvx64f>{src1}, real_const(val), R<Qvx64f>{src2});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAdd_32FC,
           (const Qvx32fc* src1, Qvx32fc val, const Qvx32fc* src2, Qvx32fc* dst, int len)) {
  map(len, ID<Qvx32f>{sc(dst)}, complex_muladd_const, I<Qvx32f>{sc(src1)},
      complex_const(val.re, val.im), I<Qvx32f>{sc(src2)});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAdd_64FC,
           (const Qvx64fc* src1, Qvx64fc val, const Qvx64fc* src2, Qvx64fc* dst, int len)) {
  map(len, ID<Qvx64f>{sc(dst)}, complex_muladd_const, I<Qvx64f>{sc(src1)},
      complex_const(val.re, val.im), I<Qvx64f>{sc(src2)});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAdd_CToC_32F,
           (const Qvx32f* src1Re, const Qvx32f* src1Im, Qvx32f valRe, Qvx32f valIm,
            const Qvx32f* src2Re, const Qvx32f* src2Im, Qvx32f* dstRe, Qvx32f* dstIm, int len)) {
  map(len, SD<Qvx32f>{dstRe, dstIm}, complex_muladd_const, S<Qvx32f>{src1Re, src1Im},
      complex_const(valRe, valIm), S<Qvx32f>{src2Re, src2Im});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAdd_CToC_64F,
           (const Qvx64f* src1Re, const Qvx64f* src1Im, Qvx64f valRe, Qvx64f valIm,
            const Qvx64f* src2Re, const Qvx64f* src2Im, Qvx64f* dstRe, Qvx64f* dstIm, int len)) {
  map(len, SD<Qvx64f>{dstRe, dstIm}, complex_muladd_const, S<Qvx64f>{src1Re, src1Im},
      complex_const(valRe, valIm), S<Qvx64f>{src2Re, src2Im});
  return QVX_STS_NO_ERR;
}

// ---- MulCAddC: src*mulVal + addVal ----
QVX_DEFINE(QvxStatus, Vector_MulCAddC_32F,
           (const Qvx32f* src, Qvx32f mulVal, Qvx32f addVal, Qvx32f* dst, int len)) {
  map(len, RD<Qvx32f>{dst}, real_muladd, R<Qvx32f>{src}, real_const(mulVal), real_const(addVal));
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAddC_64F,
           (const Qvx64f* src, Qvx64f mulVal, Qvx64f addVal, Qvx64f* dst, int len)) {
  map(len, RD<Qvx64f>{dst}, real_muladd, R<Qvx64f>{src}, real_const(mulVal), real_const(addVal));
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAddC_32FC,
           (const Qvx32fc* src, Qvx32fc mulVal, Qvx32fc addVal, Qvx32fc* dst, int len)) {
  map(len, ID<Qvx32f>{sc(dst)}, complex_muladd_const, I<Qvx32f>{sc(src)},
      complex_const(mulVal.re, mulVal.im), complex_const(addVal.re, addVal.im));
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAddC_64FC,
           (const Qvx64fc* src, Qvx64fc mulVal, Qvx64fc addVal, Qvx64fc* dst, int len)) {
  map(len, ID<Qvx64f>{sc(dst)}, complex_muladd_const, I<Qvx64f>{sc(src)},
      complex_const(mulVal.re, mulVal.im), complex_const(addVal.re, addVal.im));
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAddC_CToC_32F,
           (const Qvx32f* srcRe, const Qvx32f* srcIm, Qvx32f mulRe, Qvx32f mulIm, Qvx32f addRe,
            Qvx32f addIm, Qvx32f* dstRe, Qvx32f* dstIm, int len)) {
  map(len, SD<Qvx32f>{dstRe, dstIm}, complex_muladd_const, S<Qvx32f>{srcRe, srcIm},
      complex_const(mulRe, mulIm), complex_const(addRe, addIm));
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_MulCAddC_CToC_64F,
           (const Qvx64f* srcRe, const Qvx64f* srcIm, Qvx64f mulRe, Qvx64f mulIm, Qvx64f addRe,
            Qvx64f addIm, Qvx64f* dstRe, Qvx64f* dstIm, int len)) {
  map(len, SD<Qvx64f>{dstRe, dstIm}, complex_muladd_const, S<Qvx64f>{srcRe, srcIm},
      complex_const(mulRe, mulIm), complex_const(addRe, addIm));
  return QVX_STS_NO_ERR;
}

// ---- MulCAddC on integers ----
// The element is converted exactly to the working precision (single for 16S, double for
// 32S), multiplied and added with each step rounded there, then stored with saturation and
// truncation toward zero; a NaN stores the low bits of the processor's -2147483648.

QVX_DEFINE(QvxStatus, Vector_MulCAddC_16S,
           (const Qvx16s* src, Qvx32f mulVal, Qvx32f addVal, Qvx16s* dst, int len)) {
  const auto elem = [&](int i) {
    const Qvx32f v = (static_cast<Qvx32f>(src[i]) * mulVal) + addVal;
    dst[i] = saturate_trunc<Qvx16s>(v);
  };
  // Eight elements a block: widened to 32-bit lanes, converted exactly, multiplied and added
  // in single precision.  The clamp passes the value as the second operand of max and min,
  // which return their second operand when either is a NaN, so a NaN stays a NaN; the
  // truncating conversion turns it into -2147483648, whose low 16 bits (0) the
  // sign-extending shift pair keeps, and the saturating pack then changes nothing.
  const simd::VF m = _mm_set1_ps(mulVal), a = _mm_set1_ps(addVal);
  const simd::VF lo = _mm_set1_ps(-32768.0f), hi = _mm_set1_ps(32767.0f);
  const auto convert = [&](simd::V w) {
    simd::VF v = _mm_add_ps(_mm_mul_ps(_mm_cvtepi32_ps(w), m), a);
    v = _mm_min_ps(hi, _mm_max_ps(lo, v));
    const simd::V t = _mm_cvttps_epi32(v);
    return _mm_srai_epi32(_mm_slli_epi32(t, 16), 16);
  };
  const auto vec = [&](int i) {
    const simd::V x = simd::load(src + i);
    simd::store(dst + i, simd::narrow_s32_s16(convert(simd::widen_lo_s16(x)),
                                              convert(simd::widen_hi_s16(x))));
  };
  run<8>(len, len >= 8 && blockwise(dst, src), vec, elem);
  return QVX_STS_NO_ERR;
}

QVX_DEFINE(QvxStatus, Vector_MulCAddC_32S,
           (const Qvx32s* src, Qvx64f mulVal, Qvx64f addVal, Qvx32s* dst, int len)) {
  const auto elem = [&](int i) {
    const Qvx64f v = (static_cast<Qvx64f>(src[i]) * mulVal) + addVal;
    dst[i] = saturate_trunc<Qvx32s>(v);
  };
  // Four elements a block, two per double register.  max(v, lo) gives lo for a NaN v, and
  // the truncating conversion of lo is -2147483648, the NaN result of the element rule; a
  // value above the top bound is clamped to it before the conversion.
  const simd::VD m = _mm_set1_pd(mulVal), a = _mm_set1_pd(addVal);
  const simd::VD lo = _mm_set1_pd(-2147483648.0), hi = _mm_set1_pd(2147483647.0);
  const auto convert = [&](simd::V w) {  // two elements in the low half of w
    simd::VD v = _mm_add_pd(_mm_mul_pd(_mm_cvtepi32_pd(w), m), a);
    v = _mm_min_pd(_mm_max_pd(v, lo), hi);
    return _mm_cvttpd_epi32(v);
  };
  const auto vec = [&](int i) {
    const simd::V x = simd::load(src + i);
    const simd::V r01 = convert(x), r23 = convert(_mm_unpackhi_epi64(x, x));
    simd::store(dst + i, _mm_unpacklo_epi64(r01, r23));
  };
  run<4>(len, len >= 4 && blockwise(dst, src), vec, elem);
  return QVX_STS_NO_ERR;
}
