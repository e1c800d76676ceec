// Scaled multiply-accumulate: MulAddShift (src1 * src2 + src3), MulCAddShift (src1 * val +
// src2) and MulCAddCShift (src * mulVal + addVal), for 8U, 16U, 16S, 32S and 16SC.  The
// product and the addend are summed exactly (in 64 bits) and the scale-and-saturate rule is
// applied once, to the sum.  Some members leave the addend out at large right shifts and hand
// the product to the scaled multiplication instead; MulAddShift_32S computes most of its
// scale factors in double precision.
#include "core/convert.h"
#include "core/export.h"
#include "core/loops.h"
#include "core/scale_factor.h"
#include "fixed/mul.h"
#include "fixed/scale.h"

namespace {

using namespace qvx;
using fixed::call;
using fixed::Thresholds;
using simd::Vec;

// A range of scale factors [lo, hi] (empty when lo > hi).
struct Range {
  int lo, hi;
  bool has(int sf) const { return sf >= lo && sf <= hi; }
};
constexpr Range kNever{1, 0};

// The call of a member that never drops its addend.
struct NoCall {
  template <class... A>
  QvxStatus operator()(A...) const { return QVX_STS_NO_ERR; }
};
constexpr NoCall kNoCall{};

// The double-precision band of MulAddShift_32S in lanes: the same operations, each rounded
// to double, then clamped and truncated.
struct DoubleBand {
  Vec<double> f;
  Vec<double> clamped(Vec<double> x, Vec<double> y, Vec<double> z) const {
    const Vec<double> q = (x * y + z) * f;
    return simd::vmin(simd::vmax(q, simd::splat<double>(INT32_MIN)), simd::splat<double>(INT32_MAX));
  }
  Vec<int32_t> operator()(Vec<int32_t> x, Vec<int32_t> y, Vec<int32_t> z) const {
    using simd::to_double_hi;
    using simd::to_double_lo;
    return simd::trunc_i32(clamped(to_double_lo(x), to_double_lo(y), to_double_lo(z)),
                           clamped(to_double_hi(x), to_double_hi(y), to_double_hi(z)));
  }
};

// How the multiplier and the addend were passed, for handing them on.
template <class T>
inline const T* raw(In<T> b) { return b.p; }
template <class T, class V>
inline T raw(Const<T, V> b) { return b.v; }

// One real member: below L the zero fill; in `dropped` the product alone through `mul`
// (called with the first two operands as they were passed); in `in_double` (0 excluded)
// Q = ((double)a * (double)b + (double)c) * 2^sf, every operation rounded to double, clamped
// and truncated toward zero; elsewhere the rule on the exact R = a * b + c, which the vector
// path forms exactly in lanes twice as wide.
template <class T, class B, class C, class Fill, class Mul>
inline QvxStatus muladd(const T* a, B b, C c, T* dst, int len, int sf, Thresholds t, Fill fill,
                        Range dropped, Mul mul, Range in_double) {
  if (sf < t.L) return fill(dst, len);
  if (dropped.has(sf)) return mul(a, raw(b), dst, len, sf);
  return fixed::scaled_call(fill, dst, len, sf, t, [&] {
    if constexpr (sizeof(T) == 4) {  // only 32S has a double-precision band
      if (sf != 0 && in_double.has(sf)) {
        const double f = scale_factor<double>(sf);
        map(len, Out<T>{dst},
            rule(
                [f](T x, T y, T z) {
                  const double p = static_cast<double>(x) * static_cast<double>(y);
                  return saturate_trunc<T>((p + static_cast<double>(z)) * f);
                },
                DoubleBand{simd::splat(f)}),
            In<T>{a}, b, c);
        return;
      }
    }
    const auto elem = [&](T x, T y, T z) {
      return fixed::scale_saturate<T>(int64_t(x) * int64_t(y) + int64_t(z), sf, t.H);
    };
    fixed::with_wide_kernel<T>(fixed::plan(sf, t), [&](auto scale) {
      map(len, Out<T>{dst},
          rule(elem,
               [scale](Vec<T> x, Vec<T> y, Vec<T> z) {
                 return scale(fixed::mul_wide(x, y) + fixed::widen(z));
               }),
          In<T>{a}, b, c);
    });
  });
}

// Whether the complex multiplier is the constant (-32768, -32768).
inline bool min_min(Deinterleaved<Qvx16s>) { return false; }
template <class V>
inline bool min_min(const Const<Cx<Qvx16s>, V>& b) {
  return b.v.re == -32768 && b.v.im == -32768;
}

// One complex member: the rule on each exact part of a * b + c.  With the constant multiplier
// (-32768, -32768) the product is 32768 * ((s.im - s.re) + i(-s.re - s.im)); in
// `min_min_dropped` the addend is left out and each part is (s.im - s.re) and (-s.re - s.im)
// shifted right by -sf - 15 bits (always within range).
template <class B, class C>
inline QvxStatus muladd_cx(const Qvx16sc* a, B b, C c, Qvx16sc* dst, int len, int sf,
                           Thresholds t, Range min_min_dropped) {
  Qvx16s* pd = fixed::parts_of(dst);
  const Deinterleaved<Qvx16s> pa{fixed::parts_of(a)};
  return fixed::scaled_call(fixed::kSet16S, pd, twice(len), sf, t, [&] {
    if (min_min_dropped.has(sf) && min_min(b)) {
      const int n = -sf - 15;
      const auto elem = [n](Cx<Qvx16s> s) {
        const int32_t re = s.re, im = s.im;
        return Cx<Qvx16s>{static_cast<Qvx16s>((im - re) >> n),
                          static_cast<Qvx16s>((-re - im) >> n)};
      };
      map(len, OutDeinterleaved<Qvx16s>{pd}, elements_only(elem), pa);
      return;
    }
    const auto elem = [&](Cx<Qvx16s> x, Cx<Qvx16s> y, Cx<Qvx16s> z) {
      return fixed::scale_saturate_cx(fixed::cx_add(fixed::cx_mul(x, y), z), sf, t.H);
    };
    const fixed::Plan p = fixed::plan(sf, t);
    fixed::with_wide_kernel<int16_t>(p, [&](auto k) {
      const fixed::CxScale<decltype(k)> scale{k, p};
      map(len, OutDeinterleaved<Qvx16s>{pd},
          rule(elem,
               [scale](const Cx<Vec<int16_t>>& x, const Cx<Vec<int16_t>>& y,
                       const Cx<Vec<int16_t>>& z) {
                 return scale(fixed::cx_add_wide(fixed::cx_mul_wide(x, y), z));
               }),
          pa, b, c);
    });
  });
}

inline Deinterleaved<Qvx16s> deinterleaved(const Qvx16sc* p) { return {fixed::parts_of(p)}; }
inline auto cconst(Qvx16sc v) { return complex_constant(v.re, v.im); }

}  // namespace

// Each member: thresholds {H: sign fill from, L: zero fill below}, the fill used below L, the
// scale factors at which the addend is dropped and the multiplication primitive called there
// (with the member's own scale factor), and the double-precision band.  MulAddShift_32S
// rounds its right shifts -31 .. -1 toward zero there (and its left shifts 1 .. 30 give the
// exact rule's result, as the other 32S members' do); at 0 it clamps the exact R and at
// -40 .. -32 shifts it, always within range.
#define QVX_MULADD(Name, T, H, L, FILL, DROPPED, MUL, IN_DOUBLE)                               \
  QVX_DEFINE(QvxStatus, Name,                                                                 \
             (const T* src1, const T* src2, const T* src3, T* dst, int len, int sf)) {        \
    return muladd(src1, In<T>{src2}, In<T>{src3}, dst, len, sf, Thresholds{H, L},           \
                  fixed::FILL, DROPPED, MUL, IN_DOUBLE);                          \
  }
#define QVX_MULCADD(Name, T, H, L, FILL, DROPPED, MUL)                                         \
  QVX_DEFINE(QvxStatus, Name, (const T* src1, T val, const T* src2, T* dst, int len, int sf)) { \
    return muladd(src1, constant(val), In<T>{src2}, dst, len, sf, Thresholds{H, L},            \
                  fixed::FILL, DROPPED, MUL, kNever);                             \
  }
#define QVX_MULCADDC(Name, T, H, L, FILL, DROPPED, MUL)                                        \
  QVX_DEFINE(QvxStatus, Name, (const T* src, T mulVal, T addVal, T* dst, int len, int sf)) {   \
    return muladd(src, constant(mulVal), constant(addVal), dst, len, sf, Thresholds{H, L},        \
                  fixed::FILL, DROPPED, MUL, kNever);                             \
  }

//          member                   type     H    L   zero fill  addend dropped  called there                     double band
QVX_MULADD(Vector_MulAddShift_8U,    Qvx8u,   8, -15, kSet8U,  (Range{-15, -10}), call<__qvx_Vector_MulShift_8U>,  kNever)
QVX_MULADD(Vector_MulAddShift_16U,   Qvx16u, 16, -31, kSet16S, (Range{-31, -17}), call<__qvx_Vector_MulShift_16U>, kNever)
QVX_MULADD(Vector_MulAddShift_16S,   Qvx16s, 15, -30, kSet16S, kNever,            kNoCall,                         kNever)
QVX_MULADD(Vector_MulAddShift_32S,   Qvx32s, 31, -62, kSet32S, (Range{-62, -41}), call<__qvx_Vector_MulShift_32S>, (Range{-31, 30}))

QVX_MULCADD(Vector_MulCAddShift_8U,  Qvx8u,   8, -15, kSet8U,  kNever,            kNoCall)
QVX_MULCADD(Vector_MulCAddShift_16U, Qvx16u, 16, -31, kSet16S, (Range{-31, -17}), call<__qvx_Vector_MulCShift_16U>)
QVX_MULCADD(Vector_MulCAddShift_16S, Qvx16s, 15, -30, kSet16S, kNever,            kNoCall)
QVX_MULCADD(Vector_MulCAddShift_32S, Qvx32s, 31, -62, kSet32S, kNever,            kNoCall)

QVX_MULCADDC(Vector_MulCAddCShift_8U,  Qvx8u,   8, -15, kSet8U,  kNever,            kNoCall)
QVX_MULCADDC(Vector_MulCAddCShift_16U, Qvx16u, 16, -31, kSet16S, (Range{-31, -17}), call<__qvx_Vector_MulCShift_16U>)
QVX_MULCADDC(Vector_MulCAddCShift_16S, Qvx16s, 15, -30, kSet16S, kNever,            kNoCall)
QVX_MULCADDC(Vector_MulCAddCShift_32S, Qvx32s, 31, -62, kSet32S, kNever,            kNoCall)

// Complex: H 15, L -30, zero fill through Set_16S on the 2*len parts; the constant forms drop
// the addend at -30..-17 when the multiplier is (-32768, -32768).
QVX_DEFINE(QvxStatus, Vector_MulAddShift_16SC,
           (const Qvx16sc* src1, const Qvx16sc* src2, const Qvx16sc* src3, Qvx16sc* dst, int len,
            int sf)) {
  return muladd_cx(src1, deinterleaved(src2), deinterleaved(src3), dst, len, sf,
                   Thresholds{15, -30}, kNever);
}
QVX_DEFINE(QvxStatus, Vector_MulCAddShift_16SC,
           (const Qvx16sc* src1, Qvx16sc val, const Qvx16sc* src2, Qvx16sc* dst, int len,
            int sf)) {
  return muladd_cx(src1, cconst(val), deinterleaved(src2), dst, len, sf,
                   Thresholds{15, -30}, Range{-30, -17});
}
QVX_DEFINE(QvxStatus, Vector_MulCAddCShift_16SC,
           (const Qvx16sc* src, Qvx16sc mulVal, Qvx16sc addVal, Qvx16sc* dst, int len, int sf)) {
  return muladd_cx(src, cconst(mulVal), cconst(addVal), dst, len, sf,
                   Thresholds{15, -30}, Range{-30, -17});
}
