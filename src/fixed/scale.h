// The scale-and-saturate rule shared by every fixed-point primitive, written once.
//
// A primitive supplies only its exact result R (formed without overflow, passed as int64_t),
// its destination type D, and its two thresholds: H, the scale factor from which every
// nonzero R saturates to the bound of its sign, and L, the lowest scale factor still computed
// element by element.  Typical use:
//
//   QVX_DEFINE(QvxStatus, Vector_Foo_16S, (const Qvx16s* src, Qvx16s* dst, int len, int sf)) {
//     const fixed::Thresholds t{15, -16};
//     return fixed::scaled_call(fixed::kSet16S, dst, len, sf, t, [&] {
//       for (int i = 0; i < len; ++i) dst[i] = fixed::scale_saturate<Qvx16s>(R(i), sf, t.H);
//     });
//   }
//
// scaled_call() makes the call-level decisions in their fixed order: below L the destination
// is zero-filled through the named fill primitive (kSet8U, kSet16S or kSet32S), before any
// source is read and before len is looked at (the fill primitive makes its own len test);
// otherwise len < 1 returns at once; otherwise the body runs.  scale_saturate() is the
// per-element rule for every other scale factor.  Every int scale factor is accepted,
// INT_MIN and INT_MAX included: no shift count here reaches the width of its operand.
//
// plan() decodes a scale factor once per call into the step it selects, for kernels that
// choose a loop per step (vector paths) rather than branch per element.  The lane kernels
// for those loops (right shifts and saturating left shifts by a per-call count, for 8U, 16U,
// 16S and 32S lanes) are in fixed/shift_kernels.h, on the vector layer.
#ifndef QVX_FIXED_SCALE_H
#define QVX_FIXED_SCALE_H

#include <stdint.h>

#include "core/internal.h"
#include "core/loops.h"

namespace qvx {
namespace fixed {

// Saturation bounds of the destination types, and the usual sign-fill threshold H of each
// (the scale factor at which even R = 1 or R = -1 leaves the range).
template <class D> struct Bounds;
template <> struct Bounds<Qvx8u> {
  static constexpr int64_t lo = 0, hi = 255;
  static constexpr int H = 8;
};
template <> struct Bounds<Qvx8s> {
  static constexpr int64_t lo = -128, hi = 127;
  static constexpr int H = 7;
};
template <> struct Bounds<Qvx16u> {
  static constexpr int64_t lo = 0, hi = 65535;
  static constexpr int H = 16;
};
template <> struct Bounds<Qvx16s> {
  static constexpr int64_t lo = -32768, hi = 32767;
  static constexpr int H = 15;
};
template <> struct Bounds<Qvx32s> {
  static constexpr int64_t lo = -2147483647 - 1, hi = 2147483647;
  static constexpr int H = 31;
};

// The two thresholds of one primitive: sign fill from H upward, zero fill below L.
struct Thresholds {
  int H;
  int L;
};

// R clamped to the bounds of D.
template <class D>
inline D clamp(int64_t r) {
  if (r < Bounds<D>::lo) return static_cast<D>(Bounds<D>::lo);
  if (r > Bounds<D>::hi) return static_cast<D>(Bounds<D>::hi);
  return static_cast<D>(r);
}

// floor(r / 2^n) for n >= 0: the arithmetic right shift, rounding toward minus infinity.
// Shifts of 63 bits and more give the sign (0 or -1), as any larger division would.
inline int64_t floor_shift(int64_t r, int64_t n) { return r >> (n < 63 ? n : 63); }

// The per-element rule for one exact result R, scale factor sf (any int) and sign-fill
// threshold h.  (The zero fill below L is a call-level decision: see scaled_call.)
template <class D>
inline D scale_saturate(int64_t r, int sf, int h = Bounds<D>::H) {
  constexpr int64_t lo = Bounds<D>::lo, hi = Bounds<D>::hi;
  if (sf >= h) return static_cast<D>(r > 0 ? hi : r < 0 ? lo : 0);
  if (sf > 0) {
    // An R beyond the bounds saturates whatever it is shifted by, so clamping it first gives
    // the same result and keeps the product within 64 bits (|c| <= 2^31, shift <= 32).
    const int64_t c = clamp<D>(r);
    return clamp<D>(c * (int64_t(1) << (sf < 32 ? sf : 32)));
  }
  if (sf == 0) return clamp<D>(r);
  return clamp<D>(floor_shift(r, -static_cast<int64_t>(sf)));
}

// The fill primitives under the names the members' tables give them, so that a member can
// name its fill at its export line: kSet8U(dst, len) zero-fills len elements through
// __qvx_Vector_Set_8U, and so on.  Each accepts only destinations of its own width.
struct FillSet8U {
  template <class D>
  QvxStatus operator()(D* dst, int len) const {
    static_assert(sizeof(D) == 1, "the 8U fill writes 8-bit elements");
    return __qvx_Vector_Set_8U(0, reinterpret_cast<Qvx8u*>(dst), len);
  }
};
struct FillSet16S {
  template <class D>
  QvxStatus operator()(D* dst, int len) const {
    static_assert(sizeof(D) == 2, "the 16S fill writes 16-bit elements (complex: pass parts)");
    return __qvx_Vector_Set_16S(0, reinterpret_cast<Qvx16s*>(dst), len);
  }
};
struct FillSet32S {
  template <class D>
  QvxStatus operator()(D* dst, int len) const {
    static_assert(sizeof(D) == 4, "the 32S fill writes 32-bit elements");
    return __qvx_Vector_Set_32S(0, reinterpret_cast<Qvx32s*>(dst), len);
  }
};
constexpr FillSet8U kSet8U{};
constexpr FillSet16S kSet16S{};
constexpr FillSet32S kSet32S{};

// The call-level order of every scaled primitive: zero fill below L through `fill` (len
// passed on unchanged, no source read), then len < 1 returns, then body() computes the
// elements.  Returns the status of the call.
template <class Fill, class D, class Body>
inline QvxStatus scaled_call(Fill fill, D* dst, int len, int sf, Thresholds t, Body body) {
  if (sf < t.L) return fill(dst, len);
  if (len < 1) return QVX_STS_NO_ERR;
  body();
  return QVX_STS_NO_ERR;
}

// The step a scale factor selects, decoded once per call.
enum class Step {
  ZeroFill,  // sf < L
  Right,     // L <= sf <= -1: floor shift right by `shift` = -sf bits, then clamp
  Keep,      // sf == 0: clamp
  Left,      // 1 <= sf < H: shift left by `shift` = sf bits, then clamp
  SignFill,  // sf >= H: the bound of R's sign (`shift` = H: a saturating left shift by H
             // gives the same result for every R)
};
struct Plan {
  Step step;
  int shift;
};
inline Plan plan(int sf, Thresholds t) {
  if (sf < t.L) return {Step::ZeroFill, 0};
  if (sf >= t.H) return {Step::SignFill, t.H};
  if (sf > 0) return {Step::Left, sf};
  if (sf == 0) return {Step::Keep, 0};
  return {Step::Right, -sf};
}

// A scale factor moved by delta (k + scaleFactor, scaleFactor - k, scaleFactor + p - 23 and
// the like, where one primitive hands its work to another at a shifted scale), saturated to
// the int range.  A moved scale factor beyond the int range lies beyond every threshold on
// that side (sign fill from H, zero fill below L), so the saturated value has its effect.
inline int sf_add(int sf, int64_t delta) {
  const int64_t s = static_cast<int64_t>(sf) + delta;
  return s < INT32_MIN ? INT32_MIN : s > INT32_MAX ? INT32_MAX : static_cast<int>(s);
}

}  // namespace fixed
}  // namespace qvx

#endif
