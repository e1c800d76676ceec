// Scaled division: DivShift (src1 / src2), DivCShift (src / val) and DivCRevShift (val / src),
// for 8U, 16U, 16S, 32S and 16SC.  The quotient dividend * 2^scaleFactor / divisor is not
// formed exactly: each band of scale factors has its own way of computing it (the reciprocal
// table of 8-bit divisors, integer division, double precision, or a fixed-point reciprocal of
// a constant handed to MulCShift), and with it its own rounding.  No division traps.
#include <type_traits>

#include "core/convert.h"
#include "core/export.h"
#include "core/loops.h"
#include "core/scale_factor.h"
#include "fixed/mul.h"
#include "fixed/scale.h"

namespace {

using namespace qvx;
using fixed::Bounds;
using simd::Vec;

// The saturated value of the sign of n / d: the upper bound when n and d have the same sign
// (a zero divisor counting as positive), the lower bound (0 for unsigned types) otherwise, 0
// for n = 0.  This is the result from the sign-fill threshold up, and of a zero divisor in
// most bands.
template <class T>
inline T sign_fill(int64_t n, int64_t d) {
  if (n == 0) return 0;
  return static_cast<T>((n > 0) == (d >= 0) ? Bounds<T>::hi : Bounds<T>::lo);
}
template <class V>
inline V sign_fill_lanes(V n, V d) {
  using T = simd::lane_t<V>;
  if constexpr (std::is_unsigned<T>::value) {
    (void)d;
    return simd::as<T>(n != 0);  // all ones: the upper bound
  } else {
    const Vec<T> r = simd::select((n ^ d) < 0, simd::splat<T>(static_cast<T>(Bounds<T>::lo)),
                                  simd::splat<T>(static_cast<T>(Bounds<T>::hi)));
    return simd::select(n == 0, Vec<T>{}, r);
  }
}

// ---- the ways of computing a quotient -----------------------------------------------------

// n / d for 8-bit n and d at scale factor -7 .. 15: the product n * (2^23 / d) from the
// exported table, shifted right by 23 - sf.  No correction step follows, so the quotient can
// be one below floor(n * 2^sf / d) (3 / 3 gives 0).  Entry 0 of the table is -1, so a zero
// divisor gives q = -1 for a nonzero n, which stores 255.
inline Qvx8u by_table(int64_t n, int64_t d, int sf) {
  const int32_t p = static_cast<int32_t>(n) * qvx_2In23Div8U_32S[d];
  const int32_t q = p >> (23 - sf);
  if (sf >= 1 && q > 255) return 255;
  return static_cast<Qvx8u>(q & 255);
}

// n * 2^sf / (d + 1e-16) in double precision, the dividend scaled in precision P (exact for
// the operands of every member that uses it), the quotient clamped and truncated toward
// zero.  A zero divisor becomes 1e-16: x / 0 gives a huge quotient of x's sign, which
// saturates unless 2^sf is tiny, and 0 / 0 gives 0.
template <class T, class P>
inline T in_double(int64_t n, int64_t d, int sf) {
  const P scaled = static_cast<P>(n) * scale_factor<P>(sf);
  return saturate_trunc<T>(static_cast<double>(scaled) / (static_cast<double>(d) + 1e-16));
}

// Integer division: the quotient truncated toward zero (-32768 / -1 = 32768 is formed in 64
// bits), then shifted right arithmetically by -sf bits; a zero divisor gives the sign fill.
template <class T>
inline T by_integer_division(int64_t n, int64_t d, int sf) {
  if (d == 0) return sign_fill<T>(n, d);
  return fixed::clamp<T>(fixed::floor_shift(n / d, -static_cast<int64_t>(sf)));
}

// The bands of a real DivShift or DivCRevShift member, from the top: the sign fill from H;
// the computing band [at, H - 1] (by the table, or in double precision with the dividend
// scaled in P); the integer-division band [idiv, at - 1] (none when idiv equals at); below
// it, the zero-divisor rule: a zero divisor gives the sign fill, any other the quotient 0.
struct Bands {
  int H, at, idiv;
};
enum class Band { SignFill, Computing, IntegerDivision, Below };
inline Band band_of(int sf, Bands b) {
  return sf >= b.H ? Band::SignFill : sf >= b.at ? Band::Computing
                                   : sf >= b.idiv ? Band::IntegerDivision : Band::Below;
}

template <class T, class P>
inline T quotient(int64_t n, int64_t d, int sf, Band band) {
  switch (band) {
    case Band::SignFill: return sign_fill<T>(n, d);
    case Band::Computing:
      if constexpr (std::is_same<T, Qvx8u>::value) {
        return by_table(n, d, sf);
      } else {
        return in_double<T, P>(n, d, sf);
      }
    case Band::IntegerDivision: return by_integer_division<T>(n, d, sf);
    default: return d == 0 ? sign_fill<T>(n, d) : T(0);
  }
}

// ---- the same in lanes ----------------------------------------------------------------------
//
// For 16-bit operands the truncated quotient of the double-precision band and of the integer
// division is the exact quotient truncated toward zero (the double operations cannot round it
// across an integer: a quotient that is not an integer lies at least 1 / |n * 2^sf| of its
// size away from one).  Single precision keeps that property while |n * 2^sf| < 2^24 (its
// rounding error stays below 2^-24 of the quotient): from there down the lanes divide in
// single precision, above it in double precision as the element rule.  A zero divisor
// takes the sign fill (which the element rule's 1e-16 gives for 16-bit dividends).

// Each register of 32-bit lanes as two of doubles (exact), f applied to each pair, the
// results (integers within the int32 range) truncated back into one register.
template <class F>
inline Vec<int32_t> by_halves(Vec<int32_t> u, Vec<int32_t> v, F f) {
  return simd::trunc_i32(f(simd::to_double_lo(u), simd::to_double_lo(v)),
                         f(simd::to_double_hi(u), simd::to_double_hi(v)));
}

// (n * 2^sf) / (d + 1e-16) in double precision, clamped to [lo, hi], truncated: the element
// rule's operations, lane by lane.
struct DoubleQuotient {
  Vec<double> scale, lo, hi;
  DoubleQuotient(int sf, double l, double h)
      : scale(simd::splat(scale_factor<double>(sf))), lo(simd::splat(l)), hi(simd::splat(h)) {}
  Vec<double> operator()(Vec<double> n, Vec<double> d) const {
    const Vec<double> q = n * scale / (d + simd::splat(1e-16));
    return simd::vmin(simd::vmax(q, lo), hi);
  }
};

template <class T>
struct QuotientLanes;  // 16-bit lanes

template <class T>
struct SignFillQ {
  Vec<T> operator()(Vec<T> n, Vec<T> d) const { return sign_fill_lanes(n, d); }
};
template <class T>
struct BelowQ {
  Vec<T> operator()(Vec<T> n, Vec<T> d) const {
    return simd::select(d == 0, sign_fill_lanes(n, d), Vec<T>{});
  }
};
// 16-bit lanes in single precision: trunc(n * 2^sf / d), then shifted right by `shift` bits
// (the integer-division band; 0 elsewhere).
template <class T>
struct SingleQ {
  Vec<float> scale;
  int shift;
  Vec<T> operator()(Vec<T> n, Vec<T> d) const {
    const fixed::Wide2<T> x = fixed::widen(n), y = fixed::widen(d);
    const auto q = [&](auto u, auto v) {
      const Vec<float> a = simd::to_float(simd::as<int32_t>(u)) * scale;
      return simd::trunc_i32(a / simd::to_float(simd::as<int32_t>(v))) >> shift;
    };
    const Vec<T> r = simd::narrow<T>(q(x.lo, y.lo), q(x.hi, y.hi));
    return simd::select(d == 0, sign_fill_lanes(n, d), r);
  }
};
// 16-bit lanes in double precision.
template <class T>
struct DoubleQ {
  DoubleQuotient f;
  Vec<T> operator()(Vec<T> n, Vec<T> d) const {
    const fixed::Wide2<T> x = fixed::widen(n), y = fixed::widen(d);
    return simd::narrow<T>(by_halves(simd::as<int32_t>(x.lo), simd::as<int32_t>(y.lo), f),
                           by_halves(simd::as<int32_t>(x.hi), simd::as<int32_t>(y.hi), f));
  }
};
// 32S lanes: the element rule's double operations.
struct Double32Q {
  DoubleQuotient f;
  Vec<int32_t> operator()(Vec<int32_t> n, Vec<int32_t> d) const { return by_halves(n, d, f); }
};

// Calls k with the lane kernel of the band (`rev`: the computing band of DivCRevShift, which
// has no integer division and divides in double precision down to its end).
template <class T, class K>
inline void with_quotient_kernel(int sf, Band band, K k) {
  constexpr double lo = static_cast<double>(Bounds<T>::lo), hi = static_cast<double>(Bounds<T>::hi);
  switch (band) {
    case Band::SignFill: k(SignFillQ<T>{}); break;
    case Band::Below: k(BelowQ<T>{}); break;
    case Band::IntegerDivision:
      if constexpr (sizeof(T) == 2) k(SingleQ<T>{simd::splat(1.0f), -sf});
      break;
    default:
      if constexpr (sizeof(T) == 4) {
        k(Double32Q{DoubleQuotient(sf, lo, hi)});
      } else if (sf <= 8) {
        k(SingleQ<T>{simd::splat(scale_factor<float>(sf)), 0});
      } else {
        k(DoubleQ<T>{DoubleQuotient(sf, lo, hi)});
      }
  }
}

// DivShift and DivCRevShift of a real type: the quotient of n (an array, or the constant)
// by d (an array).  8U divides by the table in the element loop alone.
template <class T, class P, class N>
inline void divide(N n, const T* d, T* dst, int len, int sf, Bands bands) {
  const Band band = band_of(sf, bands);
  const auto elem = [sf, band](T x, T y) { return quotient<T, P>(x, y, sf, band); };
  if constexpr (sizeof(T) == 1) {
    map(len, Out<T>{dst}, elements_only(elem), n, In<T>{d});
  } else {
    with_quotient_kernel<T>(sf, band, [&](auto k) {
      map(len, Out<T>{dst}, rule(elem, k), n, In<T>{d});
    });
  }
}

template <class T, class P>
inline QvxStatus div(const T* a, const T* b, T* dst, int len, int sf, Bands bands) {
  divide<T, P>(In<T>{a}, b, dst, len, sf, bands);
  return QVX_STS_NO_ERR;
}

// Constant divided by a vector: a zero constant fills zeros through `fill`; from H up the
// unsigned types fill their upper bound through `top` (the signed ones take the sign fill of
// each element).
struct SignFillEach {
  template <class T>
  QvxStatus operator()(T*, int) const { return QVX_STS_NO_ERR; }
};
struct FillMax8U {
  QvxStatus operator()(Qvx8u* d, int len) const { return __qvx_Vector_Set_8U(255, d, len); }
};
struct FillMax16U {  // 65535 through the 16S fill: the bit pattern of -1
  QvxStatus operator()(Qvx16u* d, int len) const {
    return __qvx_Vector_Set_16S(-1, reinterpret_cast<Qvx16s*>(d), len);
  }
};

template <class T, class Fill, class Top>
inline QvxStatus divcrev(const T* src, T val, T* dst, int len, int sf, Bands bands, Fill fill,
                         Top top) {
  if (val == 0) return fill(dst, len);
  if (!std::is_same<Top, SignFillEach>::value && sf >= bands.H) return top(dst, len);
  divide<T, double>(constant(val), src, dst, len, sf, bands);
  return QVX_STS_NO_ERR;
}

// ---- division by a constant ------------------------------------------------------------------

// A constant that is not a power of two: one fixed-point reciprocal r of |val| per call,
// normalised by the shift p, and the scale s' = sf + p - e of the product by it.
//   r   floor(2^e / |val|); 8U reads it from the exported table; 32S computes 2^63 / |val|
//       in double precision and truncates it to 64 bits
//   p   the smallest p >= p0 with (r >> p) <= m_max
// The call goes to MulCShift when s' < s_min (or r is a power of two, where `pow2` says so);
// otherwise each element is multiplied here.
struct Recip {
  int e, p0;
  int64_t m_max;
  int s_min;
  bool pow2;
};

template <class T>
inline uint64_t reciprocal(int64_t v, const Recip& row) {
  if constexpr (std::is_same<T, Qvx8u>::value) {
    return static_cast<uint64_t>(qvx_2In23Div8U_32S[v]);
  } else if constexpr (std::is_same<T, Qvx32s>::value) {
    return static_cast<uint64_t>(9223372036854775808.0 / static_cast<double>(v));
  } else {
    return (uint64_t(1) << row.e) / static_cast<uint64_t>(v);
  }
}

// (r + 2^(q-1)) >> q: r rounded to nearest at bit q.
inline uint64_t round_shift(uint64_t r, int q) { return (r + (uint64_t(1) << (q - 1))) >> q; }



// The per-element products of the 16-bit reciprocal paths, in lanes: floor(src * c / 2^k)
// clamped, k = 32 - sf, |c| < 2^31.  With c = ch * 2^16 + cl (cl a 16-bit part, ch then
// within 16 bits as well) both partial products are exact in 32-bit lanes, and for k >= 16
// floor(src * c / 2^k) = (src * ch + floor(src * cl / 2^16)) >> (k - 16), which stays within
// 32 bits.
template <class T>
struct RecipSplit16 {
  T ch, cl;
  int n;  // k - 16
  Vec<T> operator()(Vec<T> s) const {
    const fixed::Wide2<T> a = fixed::mul_wide(s, simd::splat(ch)), b = fixed::mul_wide(s, simd::splat(cl));
    using S = simd::sint_t<simd::wider_t<T>>;
    return simd::narrow<T>(simd::as<S>((a.lo + (b.lo >> 16)) >> n),
                           simd::as<S>((a.hi + (b.hi >> 16)) >> n));
  }
};
template <class T>
inline RecipSplit16<T> split(int64_t c, int k) {
  const T cl = static_cast<T>(c & 0xFFFF);  // as the lane type reads it
  return {static_cast<T>((c - cl) / 65536), cl, k - 16};
}
// For k < 16: src * c is exact in double precision (below 2^47) and so is its scaling by
// 2^-k; floor and clamp give the element rule's 64-bit shift and clamp.
template <class T>
struct RecipDouble16 {
  Vec<double> c, scale, lo, hi;
  // floor(x) of the clamped x * c * 2^-k: the truncation, one less where it lies above.
  Vec<int32_t> floor(Vec<int32_t> s) const {
    const Vec<double> one = simd::splat(1.0);
    const auto v = [&](Vec<double> x) { return simd::vmin(simd::vmax(x * c * scale, lo), hi); };
    const Vec<double> a = v(simd::to_double_lo(s)), b = v(simd::to_double_hi(s));
    const Vec<int32_t> t = simd::trunc_i32(a, b);
    const Vec<double> ta = simd::to_double_lo(t), tb = simd::to_double_hi(t);
    return t - simd::trunc_i32(simd::select(ta > a, one, Vec<double>{}),
                               simd::select(tb > b, one, Vec<double>{}));
  }
  Vec<T> operator()(Vec<T> s) const {
    const fixed::Wide2<T> x = fixed::widen(s);
    return simd::narrow<T>(floor(simd::as<int32_t>(x.lo)), floor(simd::as<int32_t>(x.hi)));
  }
};
template <class T, class E>
inline void recip16(const T* src, T* dst, int len, int sf, int64_t c, E elem) {
  if (32 - sf >= 16) {
    map(len, Out<T>{dst}, rule(elem, split<T>(c, 32 - sf)), In<T>{src});
  } else {
    constexpr double lo = static_cast<double>(Bounds<T>::lo), hi = static_cast<double>(Bounds<T>::hi);
    const RecipDouble16<T> lanes{simd::splat(static_cast<double>(c)),
                                 simd::splat(scale_factor<double>(sf - 32)), simd::splat(lo - 1),
                                 simd::splat(hi + 1)};
    map(len, Out<T>{dst}, rule(elem, lanes), In<T>{src});
  }
}
// 8U: m <= 32767, so src * m fits 32-bit lanes; shifted right by -s', at most 255.
struct RecipLanes8 {
  uint16_t m;
  int n;
  Vec<uint8_t> operator()(Vec<uint8_t> s) const {
    const fixed::Wide2<uint8_t> x = fixed::widen(s);
    const fixed::RightWide<uint16_t> shr{n};
    const Vec<uint16_t> mm = simd::splat(m);
    return fixed::Clamp<uint8_t>::of({shr(fixed::mul_wide(x.lo, mm)), shr(fixed::mul_wide(x.hi, mm))});
  }
};
// 32S: Q = src * c in double precision, clamped and truncated: the element rule's operations.
struct RecipLanes32 {
  Vec<double> c, lo, hi;
  Vec<double> operator()(Vec<double> x, Vec<double>) const {
    return simd::vmin(simd::vmax(x * c, lo), hi);
  }
  Vec<int32_t> operator()(Vec<int32_t> s) const { return by_halves(s, s, *this); }
};

template <class T, class Shift, class MulC>
inline QvxStatus divc(const T* src, T val, T* dst, int len, int sf, int H, const Recip& row,
                      Shift shift, MulC mulc) {
  if (sf >= H || val == 0) {
    map(len, Out<T>{dst},
        rule([val](T x) { return sign_fill<T>(x, val); },
             [val](Vec<T> x) { return sign_fill_lanes(x, simd::splat(val)); }),
        In<T>{src});
    return QVX_STS_NO_ERR;
  }
  int k;
  if (fixed::power_of_two(val, &k)) return shift(src, dst, len, fixed::sf_add(sf, -k));

  const int64_t v = val < 0 ? -int64_t(val) : int64_t(val);
  const uint64_t r = reciprocal<T>(v, row);
  int p = row.p0;
  while ((r >> p) > static_cast<uint64_t>(row.m_max)) ++p;
  const int s = fixed::sf_add(sf, p - row.e);  // s'
  if (s < row.s_min || (row.pow2 && (r & (r - 1)) == 0)) {
    if constexpr (std::is_same<T, Qvx8u>::value) {
      // An 8-bit constant: r rounded at bit p + 7, the scale moved by 7 to match.
      const int q = p + 7;
      return mulc(src, static_cast<T>(round_shift(r, q) & 255), dst, len,
                  fixed::sf_add(sf, q - row.e));
    } else if constexpr (std::is_same<T, Qvx16u>::value) {
      return mulc(src, static_cast<T>(round_shift(r, p) & 65535), dst, len, s);
    } else {  // 16S, 32S: the sign of val on the rounded reciprocal (|m| < 2^31)
      const int64_t m = static_cast<int64_t>(round_shift(r, p));
      return mulc(src, static_cast<T>(val < 0 ? -m : m), dst, len, s);
    }
  }
  // Here -15 <= s' and sf < H: the shifts below are all within 1 .. 31.
  constexpr double lo = static_cast<double>(Bounds<T>::lo), hi = static_cast<double>(Bounds<T>::hi);
  if constexpr (std::is_same<T, Qvx8u>::value) {
    const int64_t m = static_cast<int64_t>(round_shift(r, p));
    const auto elem = [m, s](Qvx8u x) {
      const int64_t q = (int64_t(x) * m) >> -s;
      return static_cast<Qvx8u>(q > 255 ? 255 : q);
    };
    map(len, Out<T>{dst}, rule(elem, RecipLanes8{static_cast<uint16_t>(m), -s}), In<T>{src});
  } else if constexpr (std::is_same<T, Qvx16u>::value) {
    const int64_t c = (int64_t((uint64_t(1) << 33) / static_cast<uint64_t>(v)) + 1) >> 1;
    recip16(src, dst, len, sf, c, [c, sf](Qvx16u x) {
      const int64_t q = (int64_t(x) * c) >> (32 - sf);
      return static_cast<Qvx16u>(q > 65535 ? 65535 : q);
    });
  } else if constexpr (std::is_same<T, Qvx16s>::value) {
    const int64_t c = (int64_t(1) << 32) / int64_t(val);  // truncated toward zero
    recip16(src, dst, len, sf, c, [c, sf](Qvx16s x) {
      return fixed::clamp<Qvx16s>((int64_t(x) * c) >> (32 - sf));
    });
  } else {  // 32S: Q = src * (2^sf / val) in double precision, clamped and truncated
    const double c = scale_factor<double>(sf) / static_cast<double>(val);
    const auto elem = [c](Qvx32s x) { return saturate_trunc<Qvx32s>(static_cast<double>(x) * c); };
    map(len, Out<T>{dst}, rule(elem, RecipLanes32{simd::splat(c), simd::splat(lo), simd::splat(hi)}),
        In<T>{src});
  }
  return QVX_STS_NO_ERR;
}

// ---- complex division -------------------------------------------------------------------------

// For dividend a and divisor b the numerators of the quotient, exact:
// re = a.re*b.re + a.im*b.im, im = a.im*b.re - a.re*b.im; and |b|^2.
inline Cx<int64_t> numerators(Cx<Qvx16s> a, Cx<Qvx16s> b) {
  const int64_t ar = a.re, ai = a.im, br = b.re, bi = b.im;
  return {ar * br + ai * bi, ai * br - ar * bi};
}
inline double norm(Cx<Qvx16s> b) {
  return static_cast<double>(int64_t(b.re) * b.re + int64_t(b.im) * b.im);
}
inline Qvx16s part_sign(int64_t n) { return n > 0 ? 32767 : n < 0 ? -32768 : 0; }

// Each part: its numerator times f, clamped and truncated toward zero.
inline Cx<Qvx16s> cx_quotient(Cx<Qvx16s> a, Cx<Qvx16s> b, double f) {
  const Cx<int64_t> n = numerators(a, b);
  return {saturate_trunc<Qvx16s>(static_cast<double>(n.re) * f),
          saturate_trunc<Qvx16s>(static_cast<double>(n.im) * f)};
}
inline Cx<Qvx16s> cx_sign_fill(Cx<Qvx16s> a, Cx<Qvx16s> b) {
  const Cx<int64_t> n = numerators(a, b);
  return {part_sign(n.re), part_sign(n.im)};
}

// The sign fill, out of line: inlined beside the quotient's loop it costs that loop registers.
template <class A, class B>
[[gnu::noinline]] void cx_sign_fills(int len, OutDeinterleaved<Qvx16s> out, A a, B b) {
  map(len, out, elements_only(cx_sign_fill), a, b);
}

// Sign fill from 46, double precision at -31 .. 45, zero fill below through the 16S fill.
constexpr fixed::Thresholds kCx{46, -31};

// The same in lanes: numerators and |b|^2 are exact in double precision (below 2^31), and
// the element rule's operations follow in its order.  `guard`: f per element with 1e-16;
// otherwise f is the constant of the call.
struct CxQuotientLanes {
  Vec<double> scale, f, lo, hi;
  bool guard;
  // The parts of the quotients of lanes (xr, xi) by (yr, yi) given as doubles.
  Cx<Vec<double>> of(Vec<double> xr, Vec<double> xi, Vec<double> yr, Vec<double> yi) const {
    const Vec<double> g = guard ? scale / (yr * yr + yi * yi + simd::splat(1e-16)) : f;
    const auto sat = [&](Vec<double> v) { return simd::vmin(simd::vmax(v, lo), hi); };
    return {sat((xr * yr + xi * yi) * g), sat((xi * yr - xr * yi) * g)};
  }
  // 32-bit lanes of the parts: re and im of the quotients, truncated.
  Cx<Vec<int32_t>> of(Vec<int32_t> xr, Vec<int32_t> xi, Vec<int32_t> yr, Vec<int32_t> yi) const {
    using simd::to_double_hi;
    using simd::to_double_lo;
    const Cx<Vec<double>> l = of(to_double_lo(xr), to_double_lo(xi), to_double_lo(yr), to_double_lo(yi));
    const Cx<Vec<double>> h = of(to_double_hi(xr), to_double_hi(xi), to_double_hi(yr), to_double_hi(yi));
    return {simd::trunc_i32(l.re, h.re), simd::trunc_i32(l.im, h.im)};
  }
  Cx<Vec<int16_t>> operator()(const Cx<Vec<int16_t>>& a, const Cx<Vec<int16_t>>& b) const {
    const fixed::Wide2<int16_t> ar = fixed::widen(a.re), ai = fixed::widen(a.im),
                                br = fixed::widen(b.re), bi = fixed::widen(b.im);
    const Cx<Vec<int32_t>> l = of(ar.lo, ai.lo, br.lo, bi.lo), h = of(ar.hi, ai.hi, br.hi, bi.hi);
    return {simd::narrow<int16_t>(l.re, h.re), simd::narrow<int16_t>(l.im, h.im)};
  }
};

// a(i) / b(i): f = 2^sf / (|b|^2 + 1e-16), or for a constant divisor (nonzero there)
// f = 2^sf / |b|^2 once per call.
template <class A, class B>
inline QvxStatus div_cx(A a, B b, Qvx16sc* dst, int len, int sf) {
  Qvx16s* pd = fixed::parts_of(dst);
  return fixed::scaled_call(fixed::kSet16S, pd, twice(len), sf, kCx, [&] {
    const OutDeinterleaved<Qvx16s> out{pd};
    if (sf >= kCx.H) {
      cx_sign_fills(len, out, a, b);
      return;
    }
    const double scale = scale_factor<double>(sf);
    constexpr bool guard = std::is_same<B, Deinterleaved<Qvx16s>>::value;
    double f = 0;
    if constexpr (!guard) f = scale / norm(b.v);
    const CxQuotientLanes lanes{simd::splat(scale), simd::splat(f), simd::splat(-32768.0),
                                simd::splat(32767.0), guard};
    const auto elem = [scale, f](Cx<Qvx16s> x, Cx<Qvx16s> y) {
      return cx_quotient(x, y, guard ? scale / (norm(y) + 1e-16) : f);
    };
    map(len, out, rule(elem, lanes), a, b);
  });
}

inline Deinterleaved<Qvx16s> deinterleaved(const Qvx16sc* p) { return {fixed::parts_of(p)}; }
inline auto cconst(Qvx16sc v) { return complex_constant(v.re, v.im); }

}  // namespace

// ---- DivShift -------------------------------------------------------------------------------
//
//   member         sign fill from  computing band             integer division  below
//   DivShift_8U         16          -7..15 reciprocal table    (none)            a zero
//   DivShift_16U        32           0..31 double              -15..-1           divisor
//   DivShift_16S        30           0..29 double              -15..-1           gives the
//   DivShift_32S        62         -31..61 double              (none)            sign fill,
//                                                                                 else 0
//   DivShift_16SC       46         -31..45 double                                zero fill
// The 16-bit members scale the dividend in single precision, 32S in double.
QVX_DEFINE(QvxStatus, Vector_DivShift_8U,
           (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len, int sf)) {
  return div<Qvx8u, double>(src1, src2, dst, len, sf, Bands{16, -7, -7});
}
QVX_DEFINE(QvxStatus, Vector_DivShift_16U,
           (const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst, int len, int sf)) {
  return div<Qvx16u, float>(src1, src2, dst, len, sf, Bands{32, 0, -15});
}
QVX_DEFINE(QvxStatus, Vector_DivShift_16S,
           (const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst, int len, int sf)) {
  return div<Qvx16s, float>(src1, src2, dst, len, sf, Bands{30, 0, -15});
}
QVX_DEFINE(QvxStatus, Vector_DivShift_32S,
           (const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst, int len, int sf)) {
  return div<Qvx32s, double>(src1, src2, dst, len, sf, Bands{62, -31, -31});
}
QVX_DEFINE(QvxStatus, Vector_DivShift_16SC,
           (const Qvx16sc* src1, const Qvx16sc* src2, Qvx16sc* dst, int len, int sf)) {
  return div_cx(deinterleaved(src1), deinterleaved(src2), dst, len, sf);
}

// ---- DivCShift ------------------------------------------------------------------------------
//
// From the sign-fill threshold H up, and for val = 0, each element is the sign fill; a
// positive power of two val = 2^k is Shift at sf - k; any other constant goes through its
// reciprocal (Recip above):
//
//   member        H   r                  e  p0  m_max       delegated when    MulCShift constant, scale
//   DivCShift_8U  16  table[val]        23   1  32767       s' < -15          ((r + 2^(p+6)) >> (p+7)) & 255, s' + 7
//   DivCShift_16U 32  2^31 / val        31   1  65535       s' < -15          ((r + 2^(p-1)) >> p) & 65535, s'
//   DivCShift_16S 30  2^31 / |val|      31   2  32767       r = 2^j, s' < -15 sign(val) ((r + 2^(p-1)) >> p), s'
//   DivCShift_32S 62  2^63 / |val| (d)  63   2  2^31 - 1    r = 2^j, s' < -31 sign(val) ((r + 2^(p-1)) >> p), s'
//
// and otherwise, per element:
//   8U   m = (r + 2^(p-1)) >> p;           min((src * m) >> -s', 255)
//   16U  c = (2^33 / val + 1) >> 1;        min((src * c) >> (32 - sf), 65535)
//   16S  c = 2^32 / val (toward zero);     clamp((src * c) >> (32 - sf))
//   32S  c = 2^sf / val (double);          src * c clamped, truncated toward zero
// The 16SC member divides in double precision at -31 .. 45 (f = 2^sf / |val|^2 once per
// call), sign fill from 46, zero fill below -31 and for val = (0, 0).
QVX_DEFINE(QvxStatus, Vector_DivCShift_8U,
           (const Qvx8u* src, Qvx8u val, Qvx8u* dst, int len, int sf)) {
  return divc(src, val, dst, len, sf, 16, Recip{23, 1, 32767, -15, false},
              fixed::call<__qvx_Vector_Shift_8U>, fixed::call<__qvx_Vector_MulCShift_8U>);
}
QVX_DEFINE(QvxStatus, Vector_DivCShift_16U,
           (const Qvx16u* src, Qvx16u val, Qvx16u* dst, int len, int sf)) {
  return divc(src, val, dst, len, sf, 32, Recip{31, 1, 65535, -15, false},
              fixed::call<__qvx_Vector_Shift_16U>, fixed::call<__qvx_Vector_MulCShift_16U>);
}
QVX_DEFINE(QvxStatus, Vector_DivCShift_16S,
           (const Qvx16s* src, Qvx16s val, Qvx16s* dst, int len, int sf)) {
  return divc(src, val, dst, len, sf, 30, Recip{31, 2, 32767, -15, true},
              fixed::call<__qvx_Vector_Shift_16S>, fixed::call<__qvx_Vector_MulCShift_16S>);
}
QVX_DEFINE(QvxStatus, Vector_DivCShift_32S,
           (const Qvx32s* src, Qvx32s val, Qvx32s* dst, int len, int sf)) {
  return divc(src, val, dst, len, sf, 62, Recip{63, 2, 2147483647, -31, true},
              fixed::call<__qvx_Vector_Shift_32S>, fixed::call<__qvx_Vector_MulCShift_32S>);
}
QVX_DEFINE(QvxStatus, Vector_DivCShift_16SC,
           (const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf)) {
  if (fixed::is_zero(val)) return fixed::kSet16S(fixed::parts_of(dst), twice(len));
  return div_cx(deinterleaved(src), cconst(val), dst, len, sf);
}

// ---- DivCRevShift ---------------------------------------------------------------------------
//
//   member             val = 0          from H                  computing band            below
//   DivCRevShift_8U    fill 0 (Set_8U)  16: fill 255 (Set_8U)    -7..15 reciprocal table   src = 0 gives
//   DivCRevShift_16U   fill 0 (Set_16S) 32: fill 65535 (Set_16S) -15..31 double            the sign fill
//   DivCRevShift_16S   fill 0 (Set_16S) 30: sign fill            -15..29 double            of val, any
//   DivCRevShift_32S   fill 0 (Set_32S) 62: sign fill            -31..61 double            other src 0
//   DivCRevShift_16SC  fill 0 (Set_16S) 46: sign fill            -31..45 double            zero fill
// The dividend is scaled in double precision.
QVX_DEFINE(QvxStatus, Vector_DivCRevShift_8U,
           (const Qvx8u* src, Qvx8u val, Qvx8u* dst, int len, int sf)) {
  return divcrev(src, val, dst, len, sf, Bands{16, -7, -7}, fixed::kSet8U, FillMax8U{});
}
QVX_DEFINE(QvxStatus, Vector_DivCRevShift_16U,
           (const Qvx16u* src, Qvx16u val, Qvx16u* dst, int len, int sf)) {
  return divcrev(src, val, dst, len, sf, Bands{32, -15, -15}, fixed::kSet16S,
                                   FillMax16U{});
}
QVX_DEFINE(QvxStatus, Vector_DivCRevShift_16S,
           (const Qvx16s* src, Qvx16s val, Qvx16s* dst, int len, int sf)) {
  return divcrev(src, val, dst, len, sf, Bands{30, -15, -15}, fixed::kSet16S,
                                   SignFillEach{});
}
QVX_DEFINE(QvxStatus, Vector_DivCRevShift_32S,
           (const Qvx32s* src, Qvx32s val, Qvx32s* dst, int len, int sf)) {
  return divcrev(src, val, dst, len, sf, Bands{62, -31, -31}, fixed::kSet32S,
                                   SignFillEach{});
}
QVX_DEFINE(QvxStatus, Vector_DivCRevShift_16SC,
           (const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf)) {
  if (fixed::is_zero(val)) return fixed::kSet16S(fixed::parts_of(dst), twice(len));
  return div_cx(cconst(val), deinterleaved(src), dst, len, sf);
}
