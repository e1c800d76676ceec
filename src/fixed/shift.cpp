// Shift: the scale-and-saturate rule applied to a vector with no other operation (R is the
// source element itself).  Scale factor 0 is a plain copy.
#include "core/export.h"
#include "core/loops.h"
#include "fixed/shift_kernels.h"
#include "fixed/scale.h"

namespace {

using namespace qvx;
using fixed::Step;
using fixed::Thresholds;
using simd::Vec;

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

template <class T, class Fill, class Copy>
inline QvxStatus shift(const T* src, T* dst, int len, int sf, Thresholds t, Fill fill, Copy copy) {
  if (sf == 0) return copy(src, dst, len);
  return fixed::scaled_call(fill, dst, len, sf, t, [&] {
    const auto pass = [&](auto kernel) {
      map(len, Out<T>{dst},
          rule([&](T x) { return fixed::scale_saturate<T>(x, sf, t.H); }, kernel), In<T>{src});
    };
    const fixed::Plan p = fixed::plan(sf, t);
    if (p.step == Step::Right) {
      pass(fixed::Shr<T>(p.shift));
    } else {  // Left or SignFill (a saturating shift by H)
      pass(fixed::ShlSat<T>(p.shift));
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
