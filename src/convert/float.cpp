// Conversions involving floating point: every element times the power-of-two factor of
// factor.h, in the working precision of the member.  Integer sources give the product
// (a 32S value is rounded to single precision first where the destination is 32F); floating
// sources into integers are truncated toward zero with saturation and the x86 NaN result
// (saturate_trunc); 64F into 32F is rounded after the product.
#include <limits>
#include <type_traits>

#include "convert/blocks.h"
#include "convert/factor.h"
#include "core/convert.h"
#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"

namespace {

using namespace qvx;
using cvt::Lanes;
using simd::V;
using simd::VD;
using simd::VF;

// ---- four lanes of a product, scaled ----------------------------------------------------

template <class Mode>
inline void store_scaled(float* d, V g, float f) {
  cvt::put16<Mode>(d, _mm_mul_ps(_mm_cvtepi32_ps(g), _mm_set1_ps(f)));
}
template <class Mode>
inline void store_scaled(double* d, V g, double f) {
  const VD fv = _mm_set1_pd(f);
  cvt::put16<Mode>(d, _mm_mul_pd(simd::i32_lo_pd(g), fv));
  cvt::put16<Mode>(d + 2, _mm_mul_pd(simd::i32_hi_pd(g), fv));
}

// The bounds of an integer destination as values of the working precision.
template <class D, class P>
struct Bounds {
  static P lo() { return static_cast<P>(std::numeric_limits<D>::min()); }
  static P hi() { return static_cast<P>(std::numeric_limits<D>::max()); }
};

// The clamp of products to [min, max] of an 8- or 16-bit D, exact in floating point (both
// bounds are singles), with NaN lanes going to 0 as the processor's conversion gives them.
// max(t, lo) returns lo for a NaN t (the second operand is returned when one is NaN): that
// is already 0 for an unsigned D; a signed D has its NaN lanes set to +0.0 first.
template <class D>
inline VF clamp_range(VF t, VF lo, VF hi) {
  if constexpr (std::is_signed<D>::value) t = simd::nan_to_zero(t);
  return _mm_min_ps(_mm_max_ps(t, lo), hi);
}
template <class D>
inline VD clamp_range(VD t, VD lo, VD hi) {
  if constexpr (std::is_signed<D>::value) t = simd::nan_to_zero(t);
  return _mm_min_pd(_mm_max_pd(t, lo), hi);
}

// Four products t (single precision) stored by the saturating truncation into D, as four
// 32-bit lanes.  For 32S the truncation itself gives -2147483648 for NaN and for products
// below the range, and the lanes at or above 2^31 are turned into 2147483647.
template <class D>
inline V trunc_lanes(VF t) {
  if constexpr (std::is_same<D, Qvx32s>::value) {
    const VF big = _mm_cmpge_ps(t, _mm_set1_ps(2147483648.0f));
    return _mm_xor_si128(_mm_cvttps_epi32(t), _mm_castps_si128(big));
  } else {
    return _mm_cvttps_epi32(clamp_range<D>(t, _mm_set1_ps(Bounds<D, float>::lo()),
                                           _mm_set1_ps(Bounds<D, float>::hi())));
  }
}

// The same for two pairs of products in double precision, where every bound of D is exact.
// For 32S, max(t, lo) gives lo = -2147483648.0 for a NaN t, which truncates to the
// processor's -2147483648.
template <class D>
inline VD clamp_lanes(VD t) {
  const VD lo = _mm_set1_pd(Bounds<D, double>::lo()), hi = _mm_set1_pd(Bounds<D, double>::hi());
  if constexpr (std::is_same<D, Qvx32s>::value) {
    return _mm_min_pd(_mm_max_pd(t, lo), hi);
  } else {
    return clamp_range<D>(t, lo, hi);
  }
}
template <class D>
inline V trunc_lanes(VD a, VD b) {
  return simd::trunc_pd_pair(clamp_lanes<D>(a), clamp_lanes<D>(b));
}

// Four source elements from p, times f in the working precision P, stored into D.
template <class D, class P, class S>
inline V scaled_trunc(const S* p, P f) {
  if constexpr (std::is_same<S, float>::value && std::is_same<P, float>::value) {
    return trunc_lanes<D>(_mm_mul_ps(simd::loadf(p), _mm_set1_ps(f)));
  } else if constexpr (std::is_same<S, float>::value) {
    const VF x = simd::loadf(p);
    const VD fv = _mm_set1_pd(f);
    return trunc_lanes<D>(_mm_mul_pd(simd::f32_lo_pd(x), fv), _mm_mul_pd(simd::f32_hi_pd(x), fv));
  } else {
    const VD fv = _mm_set1_pd(f);
    return trunc_lanes<D>(_mm_mul_pd(simd::loadd(p), fv), _mm_mul_pd(simd::loadd(p + 2), fv));
  }
}

// ---- the three kinds of member ------------------------------------------------------------

// Integer source into F (float or double): x converted to F (exact, except 32S into float,
// which rounds to nearest), then times the factor of F's precision.
template <class S, class F>
inline QvxStatus int_to_float(const S* src, F* dst, int len, int scaleFactor) {
  if (len < 1) return QVX_STS_NO_ERR;
  const F f = cvt::factor<F>(scaleFactor);
  constexpr int G = Lanes<S>::kGroups;
  cvt::drive<4 * G>(
      src, dst, len,
      [&](auto mode, int i) {
        V g[G];
        Lanes<S>::load(src + i, g);
        for (int k = 0; k < G; ++k) store_scaled<decltype(mode)>(dst + i + 4 * k, g[k], f);
      },
      [&](int i) { cvt::put(dst + i, static_cast<F>(cvt::get(src + i)) * f); });
  return QVX_STS_NO_ERR;
}

// Floating source into integer D: t = x * f in the working precision P, then the saturating
// truncation with the x86 NaN result.
template <class P, class S, class D>
inline QvxStatus float_to_int(const S* src, D* dst, int len, int scaleFactor) {
  if (len < 1) return QVX_STS_NO_ERR;
  const P f = cvt::factor<P>(scaleFactor);
  constexpr int G = Lanes<D>::kGroups;
  cvt::drive<4 * G>(
      src, dst, len,
      [&](auto mode, int i) {
        V g[G];
        for (int k = 0; k < G; ++k) g[k] = scaled_trunc<D>(src + i + 4 * k, f);
        Lanes<D>::template store<decltype(mode)>(dst + i, g);
      },
      [&](int i) {
        const P t = static_cast<P>(cvt::get(src + i)) * f;
        cvt::put(dst + i, saturate_trunc<D>(static_cast<double>(t)));
      });
  return QVX_STS_NO_ERR;
}

// Between the floating types, in double precision: 32F is widened before the product, the
// product into 32F is rounded after it.
inline QvxStatus widen_32f_64f(const Qvx32f* src, Qvx64f* dst, int len, int scaleFactor) {
  if (len < 1) return QVX_STS_NO_ERR;
  const double f = cvt::factor<double>(scaleFactor);
  cvt::drive<4>(
      src, dst, len,
      [&](auto mode, int i) {
        const VF x = simd::loadf(src + i);
        const VD fv = _mm_set1_pd(f);
        cvt::put16<decltype(mode)>(dst + i, _mm_mul_pd(simd::f32_lo_pd(x), fv));
        cvt::put16<decltype(mode)>(dst + i + 2, _mm_mul_pd(simd::f32_hi_pd(x), fv));
      },
      [&](int i) { cvt::put(dst + i, static_cast<double>(cvt::get(src + i)) * f); });
  return QVX_STS_NO_ERR;
}

inline QvxStatus narrow_64f_32f(const Qvx64f* src, Qvx32f* dst, int len, int scaleFactor) {
  if (len < 1) return QVX_STS_NO_ERR;
  const double f = cvt::factor<double>(scaleFactor);
  cvt::drive<4>(
      src, dst, len,
      [&](auto mode, int i) {
        const VD fv = _mm_set1_pd(f);
        const VD a = _mm_mul_pd(simd::loadd(src + i), fv);
        const VD b = _mm_mul_pd(simd::loadd(src + i + 2), fv);
        cvt::put16<decltype(mode)>(dst + i, simd::round_pd_pair(a, b));
      },
      [&](int i) { cvt::put(dst + i, static_cast<float>(cvt::get(src + i) * f)); });
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
