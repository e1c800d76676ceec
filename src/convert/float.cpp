// Conversions involving floating point: every element times the power-of-two factor of
// core/scale_factor.h, in the working precision of the member.  Integer sources give the product
// (a 32S value is rounded to single precision first where the destination is 32F); floating
// sources into integers are truncated toward zero with saturation and the x86 NaN result
// (saturate_trunc); 64F into 32F is rounded after the product.
#include <limits>
#include <type_traits>

#include "convert/blocks.h"
#include "core/convert.h"
#include "core/export.h"
#include "core/loops.h"
#include "core/scale_factor.h"

namespace {

using namespace qvx;
using simd::Vec;

template <class S, class D>
constexpr int block_width() {
  return kLanes<S> > kLanes<D> ? kLanes<S> : kLanes<D>;
}

// ---- registers of 32-bit lanes and the floating types ------------------------------------

// K registers of int32 lanes as registers of F, in order (exact, except int32 into float,
// which rounds to nearest).
template <class F, int K>
inline auto to_floating(const Pack<int32_t, K>& g) {
  if constexpr (std::is_same<F, float>::value) {
    Pack<float, K> r;
    for (int k = 0; k < K; ++k) r.v[k] = simd::to_float(g.v[k]);
    return r;
  } else {
    Pack<double, 2 * K> r;
    for (int k = 0; k < K; ++k) {
      r.v[2 * k] = simd::to_double_lo(g.v[k]);
      r.v[2 * k + 1] = simd::to_double_hi(g.v[k]);
    }
    return r;
  }
}

// Registers of floating values into int32 lanes by the saturating truncation into D: above
// D's range its maximum, below its minimum, NaN the low bits of the processor's
// -2147483648 (0 for the 8- and 16-bit types).  For 32S in single precision the truncation
// itself gives -2147483648 for NaN and for products below the range, and the lanes at or
// above 2^31 are turned into 2147483647.  Elsewhere the value is clamped into D's range
// first (both bounds are exact in the working precision): max(t, lo) gives lo for a NaN t,
// which is the NaN result for an unsigned D and for 32S; a signed 8- or 16-bit D has its
// NaN lanes set to +0 instead.
template <class D, class V>
inline V clamp_to(V t) {
  using P = simd::lane_t<V>;
  const V lo = simd::splat(static_cast<P>(std::numeric_limits<D>::min()));
  const V hi = simd::splat(static_cast<P>(std::numeric_limits<D>::max()));
  if constexpr (std::is_signed<D>::value && sizeof(D) < 4) {
    // Below the range the truncation gives the value itself or -2147483648, and the
    // saturating narrowing takes either to D's minimum: only the top needs the clamp.
    return simd::vmin(simd::select(t == t, t, V{}), hi);
  } else {
    return simd::vmin(simd::vmax(t, lo), hi);
  }
}
template <class D>
inline Vec<int32_t> trunc_into(Vec<float> t) {
  if constexpr (std::is_same<D, Qvx32s>::value) {
    return simd::trunc_i32(t) ^ (t >= 2147483648.0f);
  } else {
    return simd::trunc_i32(clamp_to<D>(t));
  }
}
template <class D>
inline Vec<int32_t> trunc_into(Vec<double> a, Vec<double> b) {
  return simd::trunc_i32(clamp_to<D>(a), clamp_to<D>(b));
}

// W elements of S (floating) times f in precision P, as int32 lanes truncated into D.
template <class D, class P, class S, int W>
inline Pack<int32_t, W / kLanes<int32_t>> scaled_trunc(const Block<S, W>& b, P f) {
  constexpr int K = W / kLanes<int32_t>;
  const auto x = cvt::as_pack<S, W>(b);
  Pack<int32_t, K> g;
  const Vec<P> fv = simd::splat(f);
  for (int k = 0; k < K; ++k) {
    if constexpr (std::is_same<S, float>::value && std::is_same<P, float>::value) {
      g.v[k] = trunc_into<D>(x.v[k] * fv);
    } else if constexpr (std::is_same<S, float>::value) {
      g.v[k] = trunc_into<D>(simd::to_double_lo(x.v[k]) * fv, simd::to_double_hi(x.v[k]) * fv);
    } else {
      g.v[k] = trunc_into<D>(x.v[2 * k] * fv, x.v[2 * k + 1] * fv);
    }
  }
  return g;
}

// ---- the three kinds of member ------------------------------------------------------------

// Integer source into F (float or double): x converted to F (exact, except 32S into float,
// which rounds to nearest), then times the factor of F's precision.
template <class S, class F>
inline QvxStatus int_to_float(const S* src, F* dst, int len, int scaleFactor) {
  if (len < 1) return QVX_STS_NO_ERR;
  const F f = scale_factor<F>(scaleFactor);
  constexpr int W = block_width<S, F>();
  map(len, Out<F>{dst},
      rule([f](S x) { return static_cast<F>(x) * f; },
           [f](const Pack<int32_t, W / kLanes<int32_t>>& b) {
             auto r = to_floating<F>(b);
             const Vec<F> fv = simd::splat(f);
             for (auto& v : r.v) v = v * fv;
             return cvt::from_pack<F, W>(r);
           }),
      cvt::InWide<S, int32_t>{src});
  return QVX_STS_NO_ERR;
}

// Floating source into integer D: t = x * f in the working precision P, then the saturating
// truncation with the x86 NaN result.
template <class P, class S, class D>
inline QvxStatus float_to_int(const S* src, D* dst, int len, int scaleFactor) {
  if (len < 1) return QVX_STS_NO_ERR;
  const P f = scale_factor<P>(scaleFactor);
  constexpr int W = block_width<S, D>();
  map(len, Out<D>{dst},
      rule([f](S x) { return saturate_trunc<D>(static_cast<double>(static_cast<P>(x) * f)); },
           [f](const Block<S, W>& b) {
             return cvt::from_pack<D, W>(cvt::narrow<D>(scaled_trunc<D, P, S, W>(b, f)));
           }),
      In<S>{src});
  return QVX_STS_NO_ERR;
}

// Between the floating types, in double precision: 32F is widened before the product, the
// product into 32F is rounded after it.
inline QvxStatus widen_32f_64f(const Qvx32f* src, Qvx64f* dst, int len, int scaleFactor) {
  if (len < 1) return QVX_STS_NO_ERR;
  const double f = scale_factor<double>(scaleFactor);
  constexpr int W = kLanes<float>;
  map(len, Out<Qvx64f>{dst},
      rule([f](float x) { return static_cast<double>(x) * f; },
           [f](Block<double, W> x) {
             const Vec<double> fv = simd::splat(f);
             for (auto& v : x.v) v = v * fv;
             return x;
           }),
      cvt::InWide<Qvx32f, double>{src});
  return QVX_STS_NO_ERR;
}

inline QvxStatus narrow_64f_32f(const Qvx64f* src, Qvx32f* dst, int len, int scaleFactor) {
  if (len < 1) return QVX_STS_NO_ERR;
  const double f = scale_factor<double>(scaleFactor);
  constexpr int W = kLanes<float>;
  map(len, Out<Qvx32f>{dst},
      rule([f](double x) { return static_cast<float>(x * f); },
           [f](const Block<double, W>& b) {
             const Vec<double> fv = simd::splat(f);
             return simd::to_float(b.v[0] * fv, b.v[1] * fv);
           }),
      In<Qvx64f>{src});
  return QVX_STS_NO_ERR;
}

}  // namespace

#define QVX_INT_TO_FLOAT(S, D, TS, TD)                                                       \
  QVX_DEFINE(QvxStatus, Vector_TypeConvertShift_##S##_##D,                                   \
             (const TS* src, TD* dst, int len, int scaleFactor)) {                           \
    return int_to_float(src, dst, len, scaleFactor);                                         \
  }
// P: the working precision of the product (the member's factor).
#define QVX_FLOAT_TO_INT(S, D, TS, TD, P)                                                    \
  QVX_DEFINE(QvxStatus, Vector_TypeConvertShift_##S##_##D,                                   \
             (const TS* src, TD* dst, int len, int scaleFactor)) {                           \
    return float_to_int<P>(src, dst, len, scaleFactor);                                      \
  }

QVX_INT_TO_FLOAT(8U, 32F, Qvx8u, Qvx32f)
QVX_INT_TO_FLOAT(8S, 32F, Qvx8s, Qvx32f)
QVX_INT_TO_FLOAT(16U, 32F, Qvx16u, Qvx32f)
QVX_INT_TO_FLOAT(16S, 32F, Qvx16s, Qvx32f)
QVX_INT_TO_FLOAT(32S, 32F, Qvx32s, Qvx32f)
QVX_INT_TO_FLOAT(8U, 64F, Qvx8u, Qvx64f)
QVX_INT_TO_FLOAT(8S, 64F, Qvx8s, Qvx64f)
QVX_INT_TO_FLOAT(16U, 64F, Qvx16u, Qvx64f)
QVX_INT_TO_FLOAT(16S, 64F, Qvx16s, Qvx64f)
QVX_INT_TO_FLOAT(32S, 64F, Qvx32s, Qvx64f)

QVX_FLOAT_TO_INT(32F, 8U, Qvx32f, Qvx8u, float)
QVX_FLOAT_TO_INT(32F, 8S, Qvx32f, Qvx8s, double)  // the one 32F member in double precision
QVX_FLOAT_TO_INT(32F, 16U, Qvx32f, Qvx16u, float)
QVX_FLOAT_TO_INT(32F, 16S, Qvx32f, Qvx16s, float)
QVX_FLOAT_TO_INT(32F, 32S, Qvx32f, Qvx32s, float)
QVX_FLOAT_TO_INT(64F, 8U, Qvx64f, Qvx8u, double)
QVX_FLOAT_TO_INT(64F, 8S, Qvx64f, Qvx8s, double)
QVX_FLOAT_TO_INT(64F, 16U, Qvx64f, Qvx16u, double)
QVX_FLOAT_TO_INT(64F, 16S, Qvx64f, Qvx16s, double)
QVX_FLOAT_TO_INT(64F, 32S, Qvx64f, Qvx32s, double)

QVX_DEFINE(QvxStatus, Vector_TypeConvertShift_32F_64F,
           (const Qvx32f* src, Qvx64f* dst, int len, int scaleFactor)) {
  return widen_32f_64f(src, dst, len, scaleFactor);
}
QVX_DEFINE(QvxStatus, Vector_TypeConvertShift_64F_32F,
           (const Qvx64f* src, Qvx32f* dst, int len, int scaleFactor)) {
  return narrow_64f_32f(src, dst, len, scaleFactor);
}
