// Shift: the scale-and-saturate rule applied to a vector with no other operation (R is the
// source element itself).  Scale factor 0 is a plain copy.
#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"
#include "fixed/scale.h"

namespace {

using namespace qvx;
using fixed::Step;
using fixed::Thresholds;

// The copy primitives used at scale factor 0, named as call-site data like the fills.
struct CallCopy8U {
  QvxStatus operator()(const Qvx8u* s, Qvx8u* d, int len) const {
    return __qvx_Vector_Copy_8U(s, d, len);
  }
};
struct CallCopy16S {
  template <class T>
  QvxStatus operator()(const T* s, T* d, int len) const {
    static_assert(sizeof(T) == 2, "the 16S copy moves 16-bit elements");
    return __qvx_Vector_Copy_16S(reinterpret_cast<const Qvx16s*>(s), reinterpret_cast<Qvx16s*>(d),
                                 len);
  }
};
struct CallCopy32S {
  QvxStatus operator()(const Qvx32s* s, Qvx32s* d, int len) const {
    return __qvx_Vector_Copy_32S(s, d, len);
  }
};
constexpr CallCopy8U kCopy8U{};
constexpr CallCopy16S kCopy16S{};
constexpr CallCopy32S kCopy32S{};

// The lane kernels of each element type: right shift and saturating left shift.
template <class T> struct Kernels;
template <> struct Kernels<Qvx8u> { using Shr = simd::ShrU8; using Shl = simd::ShlSatU8; };
template <> struct Kernels<Qvx16u> { using Shr = simd::ShrU16; using Shl = simd::ShlSatU16; };
template <> struct Kernels<Qvx16s> { using Shr = simd::ShrS16; using Shl = simd::ShlSatS16; };
template <> struct Kernels<Qvx32s> { using Shr = simd::ShrS32; using Shl = simd::ShlSatS32; };

// One pass over the vector with lane kernel k; the element loop (the rule itself) takes the
// tail, short vectors and arrays closer than 16 bytes, in-place use included.
template <class T, class K>
inline void shift_pass(const T* src, T* dst, int len, int sf, Thresholds t, const K& k) {
  run<16 / sizeof(T)>(
      len, apart(src, dst), [&](int i) { simd::store(dst + i, k(simd::load(src + i))); },
      [&](int i) { dst[i] = fixed::scale_saturate<T>(src[i], sf, t.H); });
}

template <class T, class Fill, class Copy>
inline QvxStatus shift(const T* src, T* dst, int len, int sf, Thresholds t, Fill fill, Copy copy) {
  if (sf == 0) return copy(src, dst, len);
  return fixed::scaled_call(fill, dst, len, sf, t, [&] {
    const fixed::Plan p = fixed::plan(sf, t);
    if (p.step == Step::Right) {
      shift_pass(src, dst, len, sf, t, typename Kernels<T>::Shr(p.shift));
    } else {  // Left or SignFill (a saturating shift by H)
      shift_pass(src, dst, len, sf, t, typename Kernels<T>::Shl(p.shift));
    }
  });
}

}  // namespace

// Each member: thresholds {H: sign fill from, L: zero fill below}, the fill used below L, the
// copy used at scale factor 0.
QVX_DEFINE(QvxStatus, Vector_Shift_8U, (const Qvx8u* src, Qvx8u* dst, int len, int sf)) {
  return shift(src, dst, len, sf, Thresholds{8, -7}, fixed::kSet8U, kCopy8U);
}
QVX_DEFINE(QvxStatus, Vector_Shift_16U, (const Qvx16u* src, Qvx16u* dst, int len, int sf)) {
  return shift(src, dst, len, sf, Thresholds{16, -15}, fixed::kSet16S, kCopy16S);
}
QVX_DEFINE(QvxStatus, Vector_Shift_16S, (const Qvx16s* src, Qvx16s* dst, int len, int sf)) {
  return shift(src, dst, len, sf, Thresholds{15, -15}, fixed::kSet16S, kCopy16S);
}
QVX_DEFINE(QvxStatus, Vector_Shift_32S, (const Qvx32s* src, Qvx32s* dst, int len, int sf)) {
  return shift(src, dst, len, sf, Thresholds{31, -31}, fixed::kSet32S, kCopy32S);
}
// Real and imaginary parts scale independently: the 16S form on 2*len parts.
QVX_DEFINE(QvxStatus, Vector_Shift_16SC, (const Qvx16sc* src, Qvx16sc* dst, int len, int sf)) {
  return __qvx_Vector_Shift_16S(reinterpret_cast<const Qvx16s*>(src),
                                reinterpret_cast<Qvx16s*>(dst), twice(len), sf);
}
