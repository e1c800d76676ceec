// Pieces shared by the multiplication, multiply-accumulate and division families: the exact
// complex product of 16-bit parts, the power-of-two test of a constant, the calls of the
// primitives these families hand work to, and the lane kernels that form exact products in
// lanes twice as wide and apply the scale rule to them.
#ifndef QVX_FIXED_MUL_H
#define QVX_FIXED_MUL_H

#include <stdint.h>

#include "core/internal.h"
#include "core/loops.h"
#include "fixed/shift_kernels.h"
#include "fixed/scale.h"

namespace qvx {
namespace fixed {

// ---- element rules ------------------------------------------------------------------------

// The exact product a*b of complex 16-bit values, in 64-bit parts: re = a.re*b.re - a.im*b.im,
// im = a.re*b.im + a.im*b.re (the imaginary part of (-32768, -32768)^2 is +2^31, which no
// 32-bit integer holds).
inline Cx<int64_t> cx_mul(Cx<Qvx16s> a, Cx<Qvx16s> b) {
  const int64_t ar = a.re, ai = a.im, br = b.re, bi = b.im;
  return {ar * br - ai * bi, ar * bi + ai * br};
}
inline Cx<int64_t> cx_add(Cx<int64_t> a, Cx<Qvx16s> c) { return {a.re + c.re, a.im + c.im}; }

// Each part scaled and saturated to 16S on its own.
inline Cx<Qvx16s> scale_saturate_cx(Cx<int64_t> r, int sf, int h) {
  return {scale_saturate<Qvx16s>(r.re, sf, h), scale_saturate<Qvx16s>(r.im, sf, h)};
}

inline bool is_zero(Qvx16sc v) { return v.re == 0 && v.im == 0; }
inline bool is_min_min(Qvx16sc v) { return v.re == -32768 && v.im == -32768; }

// The 16-bit parts of a complex array.
inline Qvx16s* parts_of(Qvx16sc* p) { return reinterpret_cast<Qvx16s*>(p); }
inline const Qvx16s* parts_of(const Qvx16sc* p) { return reinterpret_cast<const Qvx16s*>(p); }

// True when v is a positive power of two; *k is then its exponent, found by counting up from
// 0 until 2^k is no longer below v.
inline bool power_of_two(int64_t v, int* k) {
  if (v <= 0 || (v & (v - 1)) != 0) return false;
  int e = 0;
  while ((int64_t(1) << e) < v) ++e;
  *k = e;
  return true;
}

// ---- the primitives these families call, by their __qvx_ names -----------------------------

// A primitive as a value that calls it, to hand to the member that delegates to it:
// call<__qvx_Vector_Shift_8U>.  Each callee is a type of its own and the call is direct.  (A
// plain function pointer in its place becomes an argument of the member's template, which
// changes what GCC inlines in the division file.)
template <auto F>
struct Call {
  template <class... A>
  QvxStatus operator()(A... a) const {
    return F(a...);
  }
};
template <auto F>
constexpr Call<F> call{};

// ---- lane kernels -------------------------------------------------------------------------
//
// An exact result R of an 8U, 16U, 16S or 32S operation held in lanes twice as wide as the
// type (8U: 16-bit lanes, 16U: unsigned 32-bit lanes, 16S: signed 32-bit lanes, 32S: signed
// 64-bit lanes), as two registers: the low and the high half of one register of the type.

using simd::wider_t;

template <class T>
struct Wide2 {
  Vec<wider_t<T>> lo, hi;
};

// A register of the type in wide lanes.  (Vec<T> does not deduce T: one overload per type.)
#define QVX_FIXED_WIDEN(T) \
  inline Wide2<T> widen(Vec<T> v) { return {simd::widen_lo(v), simd::widen_hi(v)}; }
QVX_FIXED_WIDEN(uint8_t)
QVX_FIXED_WIDEN(uint16_t)
QVX_FIXED_WIDEN(int16_t)
QVX_FIXED_WIDEN(int32_t)
#undef QVX_FIXED_WIDEN

template <class T>
inline Wide2<T> operator+(Wide2<T> a, Wide2<T> b) {
  return {a.lo + b.lo, a.hi + b.hi};
}

// The exact products a*b: 8U from 16-bit lanes; 16-bit lanes as their low and high 16 bits,
// interleaved into 32-bit lanes (the low bits multiplied as unsigned lanes, where they wrap
// by definition).
inline Wide2<uint8_t> mul_wide(Vec<uint8_t> a, Vec<uint8_t> b) {
  const Wide2<uint8_t> x = widen(a), y = widen(b);
  return {x.lo * y.lo, x.hi * y.hi};
}
#define QVX_FIXED_MUL_WIDE(T)                                                                    \
  inline Wide2<T> mul_wide(Vec<T> a, Vec<T> b) {                                                 \
    const Vec<T> l = simd::as<T>(simd::as<uint16_t>(a) * simd::as<uint16_t>(b));                 \
    const Vec<T> h = simd::mulhi(a, b);                                                          \
    return {simd::as<wider_t<T>>(simd::zip_lo(l, h)), simd::as<wider_t<T>>(simd::zip_hi(l, h))}; \
  }
QVX_FIXED_MUL_WIDE(uint16_t)
QVX_FIXED_MUL_WIDE(int16_t)
#undef QVX_FIXED_MUL_WIDE

// The scale rule on wide R, one kernel per step of the plan: R clamped (Keep), floor(R / 2^n)
// clamped (Right), R clamped and then shifted left with saturation (Left; at H this is the
// sign fill), each narrowed into a register of the type.
template <class T> struct Clamp;
template <>
struct Clamp<uint8_t> {  // R <= 65280
  static Vec<uint8_t> of(Wide2<uint8_t> r) {
    const Vec<uint16_t> top = simd::splat<uint16_t>(255);
    return simd::narrow<uint8_t>(simd::as<int16_t>(r.lo - simd::subs(r.lo, top)),
                                 simd::as<int16_t>(r.hi - simd::subs(r.hi, top)));
  }
};
template <>
struct Clamp<uint16_t> {  // R < 2^32
  static Vec<uint16_t> of(Wide2<uint16_t> r) {
    const Vec<uint32_t> top = simd::splat<uint32_t>(65535);
    const auto cut = [&](Vec<uint32_t> x) { return simd::as<int32_t>(simd::select((x >> 16) != 0, top, x)); };
    return simd::narrow<uint16_t>(cut(r.lo), cut(r.hi));
  }
};
template <>
struct Clamp<int16_t> {
  static Vec<int16_t> of(Wide2<int16_t> r) { return simd::narrow<int16_t>(r.lo, r.hi); }
};

template <class T>
struct KeepWide {
  Vec<T> operator()(Wide2<T> r) const { return Clamp<T>::of(r); }
};
template <class T>
struct RightWide {  // n = 1 .. the wide lane's bits - 1: every shifted R fits the signed lane
  int n;
  Vec<T> operator()(Wide2<T> r) const {
    using S = simd::sint_t<wider_t<T>>;
    return simd::narrow<T>(simd::as<S>(r.lo >> n), simd::as<S>(r.hi >> n));
  }
};
template <class T>
struct LeftWide {
  ShlSat<T> shl;
  Vec<T> operator()(Wide2<T> r) const { return shl(Clamp<T>::of(r)); }
};

// Calls f with the kernel of the plan's step (ZeroFill never reaches a kernel).
template <class T, class F>
inline void with_wide_kernel(Plan p, F f) {
  if (p.step == Step::Right) {
    f(RightWide<T>{p.shift});
  } else if (p.step == Step::Keep) {
    f(KeepWide<T>{});
  } else {
    f(LeftWide<T>{ShlSat<T>(p.shift)});
  }
}

// 32S: exact products (and sums with an addend, below 2^62 + 2^31) in 64-bit lanes, and the
// scale rule on them.  R clamped to 32 bits: R fits where its high half is the sign of its
// low half; elsewhere the bound of the high half's sign.
inline Wide2<int32_t> mul_wide(Vec<int32_t> a, Vec<int32_t> b) {
  const Wide2<int32_t> x = widen(a), y = widen(b);
  return {x.lo * y.lo, x.hi * y.hi};
}
template <>
struct Clamp<int32_t> {
  static Vec<int32_t> of(Wide2<int32_t> r) {
    const Vec<int32_t> a = simd::as<int32_t>(r.lo), b = simd::as<int32_t>(r.hi);
    const Vec<int32_t> low = simd::evens(a, b), high = simd::odds(a, b);
    return simd::select(high == (low >> 31), low, (high >> 31) ^ INT32_MAX);
  }
};
template <>
struct RightWide<int32_t> {  // n = 1 .. 62
  int n;
  Vec<int32_t> operator()(Wide2<int32_t> r) const { return Clamp<int32_t>::of({r.lo >> n, r.hi >> n}); }
};

// Complex products (plus addends) in 32-bit lanes.  The real part always fits a signed
// 32-bit lane.  The imaginary part reaches 2^31 + 32767 (all four product parts -32768 and
// a positive addend): it is summed with wrap-around, and since no true value lies below
// -2147450880 (-2147418112 from the products, -32768 from the addend), a lane below that
// stands for itself + 2^32.  A right shift shifts such a lane as the unsigned value; every
// other step stores 32767 for it.
struct CxWide {
  Wide2<int16_t> re, im;
};
inline Vec<int32_t> add_wrapping(Vec<int32_t> a, Vec<int32_t> b) {
  return simd::as<int32_t>(simd::as<uint32_t>(a) + simd::as<uint32_t>(b));
}
inline CxWide cx_mul_wide(const Cx<Vec<int16_t>>& a, const Cx<Vec<int16_t>>& b) {
  const Wide2<int16_t> rr = mul_wide(a.re, b.re), ii = mul_wide(a.im, b.im),
                       ri = mul_wide(a.re, b.im), ir = mul_wide(a.im, b.re);
  return {{rr.lo - ii.lo, rr.hi - ii.hi},
          {add_wrapping(ri.lo, ir.lo), add_wrapping(ri.hi, ir.hi)}};
}
inline CxWide cx_add_wide(const CxWide& r, const Cx<Vec<int16_t>>& c) {
  const Wide2<int16_t> cr = widen(c.re), ci = widen(c.im);
  return {{r.re.lo + cr.lo, r.re.hi + cr.hi},
          {add_wrapping(r.im.lo, ci.lo), add_wrapping(r.im.hi, ci.hi)}};
}

// The scale rule on both parts, with the kernel K of the plan's step for the real part.
template <class K>
struct CxScale {
  K k;
  Plan p;
  Cx<Vec<int16_t>> operator()(const CxWide& r) const {
    const Vec<int32_t> least = simd::splat<int32_t>(-2147450880);
    const Vec<int32_t> m_lo = r.im.lo < least, m_hi = r.im.hi < least;
    if (p.step == Step::Right) {
      const auto shr = [&](Vec<int32_t> x, Vec<int32_t> m) {
        return simd::select(m, simd::as<int32_t>(simd::as<uint32_t>(x) >> p.shift), x >> p.shift);
      };
      return {k(r.re), simd::narrow<int16_t>(shr(r.im.lo, m_lo), shr(r.im.hi, m_hi))};
    }
    return {k(r.re), simd::select(simd::narrow<int16_t>(m_lo, m_hi), simd::splat<int16_t>(32767),
                                  k(r.im))};
  }
};

}  // namespace fixed
}  // namespace qvx

#endif
