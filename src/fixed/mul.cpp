// Scaled multiplication: MulShift (vector times vector) and MulCShift (vector times constant),
// for 8U, 16U, 16S, 32S and 16SC.  The exact product R is formed in 64 bits (every product of
// two 32-bit values fits) and the scale-and-saturate rule is applied to it.  The vector paths
// form 8- and 16-bit products exactly in lanes twice as wide and apply the rule there.
#include "core/convert.h"
#include "core/export.h"
#include "core/loops.h"
#include "core/scale_factor.h"
#include "fixed/mul.h"
#include "fixed/scale.h"

namespace {

using namespace qvx;
using fixed::Thresholds;
using simd::Vec;

// ---- real types ---------------------------------------------------------------------------

// R = a * b for each element pair (b an array or the constant), scaled and saturated; the
// vector path forms R exactly in lanes twice as wide.
template <class T, class B, class Fill>
inline QvxStatus mul(const T* a, B b, T* dst, int len, int sf, Thresholds t, Fill fill) {
  return fixed::scaled_call(fill, dst, len, sf, t, [&] {
    const auto elem = [&](T x, T y) {
      return fixed::scale_saturate<T>(int64_t(x) * int64_t(y), sf, t.H);
    };
    fixed::with_wide_kernel<T>(fixed::plan(sf, t), [&](auto scale) {
      map(len, Out<T>{dst},
          rule(elem, [scale](Vec<T> x, Vec<T> y) { return scale(fixed::mul_wide(x, y)); }),
          In<T>{a}, b);
    });
  });
}

// A real constant: below L or for a zero constant the zero fill; a positive power of two
// 2^k is the Shift primitive of the type at k + scaleFactor (with Shift's own thresholds);
// any other constant (negative ones included) the element rule.
template <class T, class Fill, class Shift>
inline QvxStatus mulc(const T* src, T val, T* dst, int len, int sf, Thresholds t, Fill fill,
                      Shift shift) {
  if (sf < t.L || val == 0) return fill(dst, len);
  int k;
  if (fixed::power_of_two(val, &k)) return shift(src, dst, len, fixed::sf_add(sf, k));
  return mul(src, constant(val), dst, len, sf, t, fill);
}

// ---- complex ------------------------------------------------------------------------------

template <class B>
inline QvxStatus mul_cx(const Qvx16sc* a, B b, Qvx16sc* dst, int len, int sf, Thresholds t) {
  const Qvx16s* pa = fixed::parts_of(a);
  Qvx16s* pd = fixed::parts_of(dst);
  return fixed::scaled_call(fixed::kSet16S, pd, twice(len), sf, t, [&] {
    const auto elem = [&](Cx<Qvx16s> x, Cx<Qvx16s> y) {
      return fixed::scale_saturate_cx(fixed::cx_mul(x, y), sf, t.H);
    };
    const fixed::Plan p = fixed::plan(sf, t);
    fixed::with_wide_kernel<int16_t>(p, [&](auto k) {
      const fixed::CxScale<decltype(k)> scale{k, p};
      map(len, OutDeinterleaved<Qvx16s>{pd},
          rule(elem, [scale](const Cx<Vec<int16_t>>& x, const Cx<Vec<int16_t>>& y) {
            return scale(fixed::cx_mul_wide(x, y));
          }),
          Deinterleaved<Qvx16s>{pa}, b);
    });
  });
}

// A complex constant: both parts zero, or below L, the zero fill on 2*len parts.  The
// constant (-32768, -32768) multiplies s by -32768 * ((s.re - s.im) + i(s.re + s.im)); up to
// scale factor 14 each part is that factor times 2^(sf + 15) in double precision, clamped and
// truncated toward zero (from -15 up the general rule's result; below, a fraction is
// truncated toward zero rather than rounded down).
inline QvxStatus mulc_cx(const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf,
                         Thresholds t) {
  if (sf < t.L || fixed::is_zero(val)) return fixed::kSet16S(fixed::parts_of(dst), twice(len));
  if (fixed::is_min_min(val) && sf <= 14) {
    const double m = -scale_factor<double>(sf + 15);  // sf + 15 in -15 .. 29 here
    const auto elem = [m](Cx<Qvx16s> s) {
      return Cx<Qvx16s>{saturate_trunc<Qvx16s>(static_cast<double>(s.re - s.im) * m),
                        saturate_trunc<Qvx16s>(static_cast<double>(s.re + s.im) * m)};
    };
    map(len, OutDeinterleaved<Qvx16s>{fixed::parts_of(dst)}, elements_only(elem),
        Deinterleaved<Qvx16s>{fixed::parts_of(src)});
    return QVX_STS_NO_ERR;
  }
  return mul_cx(src, complex_constant(val.re, val.im), dst, len, sf, t);
}

}  // namespace

// Each member: thresholds {H: sign fill from, L: zero fill below} and the fill used below L
// (for MulCShift also for a zero constant).  Below 0, the shifted product is clamped down to
// -H (16SC MulShift: down to L); below that it always lies within the bounds.
//
//   member            H    L    clamped right shifts   unclamped
//   MulShift_8U       8  -15    -7..-1                 -15..-8
//   MulShift_16U     16  -31    -15..-1                -31..-16
//   MulShift_16S     15  -30    -15..-1                -30..-16
//   MulShift_32S     31  -62    -31..-1                -62..-32
//   MulShift_16SC    15  -30    -30..-1                (none)
//   MulCShift_*      as MulShift_* of the type, 16SC: -15..-1 and -30..-16
QVX_DEFINE(QvxStatus, Vector_MulShift_8U,
           (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len, int sf)) {
  return mul(src1, In<Qvx8u>{src2}, dst, len, sf, Thresholds{8, -15}, fixed::kSet8U);
}
QVX_DEFINE(QvxStatus, Vector_MulShift_16U,
           (const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst, int len, int sf)) {
  return mul(src1, In<Qvx16u>{src2}, dst, len, sf, Thresholds{16, -31}, fixed::kSet16S);
}
QVX_DEFINE(QvxStatus, Vector_MulShift_16S,
           (const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst, int len, int sf)) {
  return mul(src1, In<Qvx16s>{src2}, dst, len, sf, Thresholds{15, -30}, fixed::kSet16S);
}
QVX_DEFINE(QvxStatus, Vector_MulShift_32S,
           (const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst, int len, int sf)) {
  return mul(src1, In<Qvx32s>{src2}, dst, len, sf, Thresholds{31, -62}, fixed::kSet32S);
}
QVX_DEFINE(QvxStatus, Vector_MulShift_16SC,
           (const Qvx16sc* src1, const Qvx16sc* src2, Qvx16sc* dst, int len, int sf)) {
  return mul_cx(src1, Deinterleaved<Qvx16s>{fixed::parts_of(src2)}, dst, len, sf,
                Thresholds{15, -30});
}

// MulCShift also names the Shift primitive its power-of-two constants go to.
QVX_DEFINE(QvxStatus, Vector_MulCShift_8U,
           (const Qvx8u* src, Qvx8u val, Qvx8u* dst, int len, int sf)) {
  return mulc(src, val, dst, len, sf, Thresholds{8, -15}, fixed::kSet8U,
              fixed::call<__qvx_Vector_Shift_8U>);
}
QVX_DEFINE(QvxStatus, Vector_MulCShift_16U,
           (const Qvx16u* src, Qvx16u val, Qvx16u* dst, int len, int sf)) {
  return mulc(src, val, dst, len, sf, Thresholds{16, -31}, fixed::kSet16S,
              fixed::call<__qvx_Vector_Shift_16U>);
}
QVX_DEFINE(QvxStatus, Vector_MulCShift_16S,
           (const Qvx16s* src, Qvx16s val, Qvx16s* dst, int len, int sf)) {
  return mulc(src, val, dst, len, sf, Thresholds{15, -30}, fixed::kSet16S,
              fixed::call<__qvx_Vector_Shift_16S>);
}
QVX_DEFINE(QvxStatus, Vector_MulCShift_32S,
           (const Qvx32s* src, Qvx32s val, Qvx32s* dst, int len, int sf)) {
  return mulc(src, val, dst, len, sf, Thresholds{31, -62}, fixed::kSet32S,
              fixed::call<__qvx_Vector_Shift_32S>);
}
QVX_DEFINE(QvxStatus, Vector_MulCShift_16SC,
           (const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf)) {
  return mulc_cx(src, val, dst, len, sf, Thresholds{15, -30});
}
