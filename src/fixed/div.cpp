// Scaled division: DivShift (src1 / src2), DivCShift (src / val) and DivCRevShift (val / src),
// for 8U, 16U, 16S, 32S and 16SC.  The quotient dividend * 2^scaleFactor / divisor is not
// formed exactly: each band of scale factors has its own way of computing it (the reciprocal
// table of 8-bit divisors, integer division, double precision, or a fixed-point reciprocal of
// a constant handed to MulCShift), and with it its own rounding.  No division traps.
#include <type_traits>

#include "convert/factor.h"
#include "core/convert.h"
#include "core/export.h"
#include "core/loops.h"
#include "fixed/mul.h"
#include "fixed/scale.h"

namespace {

using namespace qvx;
using fixed::Bounds;

// The saturated value of the sign of n / d: the upper bound when n and d have the same sign
// (a zero divisor counting as positive), the lower bound (0 for unsigned types) otherwise, 0
// for n = 0.  This is the result from the sign-fill threshold up, and of a zero divisor in
// most bands.
template <class T>
inline T sign_fill(int64_t n, int64_t d) {
  if (n == 0) return 0;
  return static_cast<T>((n > 0) == (d >= 0) ? Bounds<T>::hi : Bounds<T>::lo);
}

// ---- the ways of computing a quotient -----------------------------------------------------

// n / d for 8-bit n and d at scale factor -7 .. 15: the product n * (2^23 / d) from the
// exported table, shifted right by 23 - sf.  No correction step follows, so the quotient can
// be one below floor(n * 2^sf / d) (3 / 3 gives 0).  Entry 0 of the table is -1, so a zero
// divisor gives q = -1 for a nonzero n, which stores 255.
struct ByTable {
  static Qvx8u q(int64_t n, int64_t d, int sf) {
    const int32_t p = static_cast<int32_t>(n) * qvx_2In23Div8U_32S[d];
    const int32_t q = p >> (23 - sf);
    if (sf >= 1 && q > 255) return 255;
    return static_cast<Qvx8u>(q & 255);
  }
};

// n * 2^sf / (d + 1e-16) in double precision, the dividend scaled in precision P (exact for
// the operands of every member that uses it), the quotient clamped and truncated toward
// zero.  A zero divisor becomes 1e-16: x / 0 gives a huge quotient of x's sign, which
// saturates unless 2^sf is tiny, and 0 / 0 gives 0.
template <class P>
struct InDouble {
  template <class T>
  static T q(int64_t n, int64_t d, int sf) {
    const P scaled = static_cast<P>(n) * cvt::factor<P>(sf);
    return saturate_trunc<T>(static_cast<double>(scaled) / (static_cast<double>(d) + 1e-16));
  }
};

// The bands of a real DivShift or DivCRevShift member, from the top: the sign fill from H;
// the computing band [at, H - 1]; the integer-division band [idiv, at - 1] (none when idiv
// equals at); below it, the zero-divisor rule: a zero divisor gives the sign fill, any other
// the quotient 0.
struct Bands {
  int H, at, idiv;
};

template <class T, class Q>
inline T quotient(int64_t n, int64_t d, int sf, Bands b) {
  if (sf >= b.H) return sign_fill<T>(n, d);
  if (sf >= b.at) {
    if constexpr (std::is_same<Q, ByTable>::value) {
      return Q::q(n, d, sf);
    } else {
      return Q::template q<T>(n, d, sf);
    }
  }
  if (sf >= b.idiv) {
    // Integer division: the quotient truncated toward zero (-32768 / -1 = 32768 is formed
    // in 64 bits), then shifted right arithmetically by -sf bits.
    if (d == 0) return sign_fill<T>(n, d);
    return fixed::clamp<T>(fixed::floor_shift(n / d, -static_cast<int64_t>(sf)));
  }
  return d == 0 ? sign_fill<T>(n, d) : T(0);
}

template <class Q, class T>
inline QvxStatus div(const T* a, const T* b, T* dst, int len, int sf, Bands bands) {
  for (int i = 0; i < len; ++i) dst[i] = quotient<T, Q>(a[i], b[i], sf, bands);
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

template <class Q, class T, class Fill, class Top>
inline QvxStatus divcrev(const T* src, T val, T* dst, int len, int sf, Bands bands, Fill fill,
                         Top top) {
  if (val == 0) return fill(dst, len);
  if (!std::is_same<Top, SignFillEach>::value && sf >= bands.H) return top(dst, len);
  for (int i = 0; i < len; ++i) dst[i] = quotient<T, Q>(val, src[i], sf, bands);
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

template <class T, class Shift, class MulC>
inline QvxStatus divc(const T* src, T val, T* dst, int len, int sf, int H, const Recip& row,
                      Shift shift, MulC mulc) {
  if (sf >= H || val == 0) {
    for (int i = 0; i < len; ++i) dst[i] = sign_fill<T>(src[i], val);
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
  if (len < 1) return QVX_STS_NO_ERR;
  // Here -15 <= s' and sf < H: the shifts below are all within 1 .. 30.
  if constexpr (std::is_same<T, Qvx8u>::value) {
    const int64_t m = static_cast<int64_t>(round_shift(r, p));
    for (int i = 0; i < len; ++i) {
      const int64_t q = (int64_t(src[i]) * m) >> -s;
      dst[i] = static_cast<Qvx8u>(q > 255 ? 255 : q);
    }
  } else if constexpr (std::is_same<T, Qvx16u>::value) {
    const int64_t c = (int64_t((uint64_t(1) << 33) / static_cast<uint64_t>(v)) + 1) >> 1;
    for (int i = 0; i < len; ++i) {
      const int64_t q = (int64_t(src[i]) * c) >> (32 - sf);
      dst[i] = static_cast<Qvx16u>(q > 65535 ? 65535 : q);
    }
  } else if constexpr (std::is_same<T, Qvx16s>::value) {
    const int64_t c = (int64_t(1) << 32) / int64_t(val);  // truncated toward zero
    for (int i = 0; i < len; ++i)
      dst[i] = fixed::clamp<Qvx16s>((int64_t(src[i]) * c) >> (32 - sf));
  } else {  // 32S: Q = src * (2^sf / val) in double precision, clamped and truncated
    const double c = cvt::factor<double>(sf) / static_cast<double>(val);
    for (int i = 0; i < len; ++i) dst[i] = saturate_trunc<Qvx32s>(static_cast<double>(src[i]) * c);
  }
  return QVX_STS_NO_ERR;
}

// ---- complex division -------------------------------------------------------------------------

// For dividend a and divisor b the numerators of the quotient, exact:
// re = a.re*b.re + a.im*b.im, im = a.im*b.re - a.re*b.im; and |b|^2.
inline fixed::Cx numerators(Qvx16sc a, Qvx16sc b) {
  const int64_t ar = a.re, ai = a.im, br = b.re, bi = b.im;
  return {ar * br + ai * bi, ai * br - ar * bi};
}
inline double norm(Qvx16sc b) {
  return static_cast<double>(int64_t(b.re) * b.re + int64_t(b.im) * b.im);
}
inline Qvx16s part_sign(int64_t n) { return n > 0 ? 32767 : n < 0 ? -32768 : 0; }

// Each part: its numerator times f, clamped and truncated toward zero.
inline Qvx16sc cx_quotient(Qvx16sc a, Qvx16sc b, double f) {
  const fixed::Cx n = numerators(a, b);
  return {saturate_trunc<Qvx16s>(static_cast<double>(n.re) * f),
          saturate_trunc<Qvx16s>(static_cast<double>(n.im) * f)};
}
inline Qvx16sc cx_sign_fill(Qvx16sc a, Qvx16sc b) {
  const fixed::Cx n = numerators(a, b);
  return {part_sign(n.re), part_sign(n.im)};
}

// Sign fill from 46, double precision at -31 .. 45, zero fill below through the 16S fill.
constexpr fixed::Thresholds kCx{46, -31};

// a = dividend(i), b = divisor(i); f = 2^sf / (|b|^2 + 1e-16), or per call for a constant
// divisor (nonzero there) 2^sf / |b|^2.
template <class A, class B>
inline QvxStatus div_cx(A a, B b, Qvx16sc* dst, int len, int sf) {
  return fixed::scaled_call(fixed::kSet16S, fixed::parts_of(dst), twice(len), sf, kCx, [&] {
    if (sf >= kCx.H) {
      for (int i = 0; i < len; ++i) dst[i] = cx_sign_fill(a.at(i), b.at(i));
      return;
    }
    const double scale = cvt::factor<double>(sf);
    if constexpr (std::is_same<B, fixed::Val<Qvx16sc>>::value) {
      const double f = scale / norm(b.v);
      for (int i = 0; i < len; ++i) dst[i] = cx_quotient(a.at(i), b.v, f);
    } else {
      for (int i = 0; i < len; ++i) {
        const Qvx16sc d = b.at(i);
        dst[i] = cx_quotient(a.at(i), d, scale / (norm(d) + 1e-16));
      }
    }
  });
}

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
  return div<ByTable>(src1, src2, dst, len, sf, Bands{16, -7, -7});
}
QVX_DEFINE(QvxStatus, Vector_DivShift_16U,
           (const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst, int len, int sf)) {
  return div<InDouble<float>>(src1, src2, dst, len, sf, Bands{32, 0, -15});
}
QVX_DEFINE(QvxStatus, Vector_DivShift_16S,
           (const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst, int len, int sf)) {
  return div<InDouble<float>>(src1, src2, dst, len, sf, Bands{30, 0, -15});
}
QVX_DEFINE(QvxStatus, Vector_DivShift_32S,
           (const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst, int len, int sf)) {
  return div<InDouble<double>>(src1, src2, dst, len, sf, Bands{62, -31, -31});
}
QVX_DEFINE(QvxStatus, Vector_DivShift_16SC,
           (const Qvx16sc* src1, const Qvx16sc* src2, Qvx16sc* dst, int len, int sf)) {
  return div_cx(fixed::Vec<Qvx16sc>{src1}, fixed::Vec<Qvx16sc>{src2}, dst, len, sf);
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
  return divc(src, val, dst, len, sf, 16, Recip{23, 1, 32767, -15, false}, fixed::kShift8U,
              fixed::kMulCShift8U);
}
QVX_DEFINE(QvxStatus, Vector_DivCShift_16U,
           (const Qvx16u* src, Qvx16u val, Qvx16u* dst, int len, int sf)) {
  return divc(src, val, dst, len, sf, 32, Recip{31, 1, 65535, -15, false}, fixed::kShift16U,
              fixed::kMulCShift16U);
}
QVX_DEFINE(QvxStatus, Vector_DivCShift_16S,
           (const Qvx16s* src, Qvx16s val, Qvx16s* dst, int len, int sf)) {
  return divc(src, val, dst, len, sf, 30, Recip{31, 2, 32767, -15, true}, fixed::kShift16S,
              fixed::kMulCShift16S);
}
QVX_DEFINE(QvxStatus, Vector_DivCShift_32S,
           (const Qvx32s* src, Qvx32s val, Qvx32s* dst, int len, int sf)) {
  return divc(src, val, dst, len, sf, 62, Recip{63, 2, 2147483647, -31, true}, fixed::kShift32S,
              fixed::kMulCShift32S);
}
QVX_DEFINE(QvxStatus, Vector_DivCShift_16SC,
           (const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf)) {
  if (fixed::is_zero(val)) return fixed::kSet16S(fixed::parts_of(dst), twice(len));
  return div_cx(fixed::Vec<Qvx16sc>{src}, fixed::Val<Qvx16sc>{val}, dst, len, sf);
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
  return divcrev<ByTable>(src, val, dst, len, sf, Bands{16, -7, -7}, fixed::kSet8U, FillMax8U{});
}
QVX_DEFINE(QvxStatus, Vector_DivCRevShift_16U,
           (const Qvx16u* src, Qvx16u val, Qvx16u* dst, int len, int sf)) {
  return divcrev<InDouble<double>>(src, val, dst, len, sf, Bands{32, -15, -15}, fixed::kSet16S,
                                   FillMax16U{});
}
QVX_DEFINE(QvxStatus, Vector_DivCRevShift_16S,
           (const Qvx16s* src, Qvx16s val, Qvx16s* dst, int len, int sf)) {
  return divcrev<InDouble<double>>(src, val, dst, len, sf, Bands{30, -15, -15}, fixed::kSet16S,
                                   SignFillEach{});
}
QVX_DEFINE(QvxStatus, Vector_DivCRevShift_32S,
           (const Qvx32s* src, Qvx32s val, Qvx32s* dst, int len, int sf)) {
  return divcrev<InDouble<double>>(src, val, dst, len, sf, Bands{62, -31, -31}, fixed::kSet32S,
                                   SignFillEach{});
}
QVX_DEFINE(QvxStatus, Vector_DivCRevShift_16SC,
           (const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf)) {
  if (fixed::is_zero(val)) return fixed::kSet16S(fixed::parts_of(dst), twice(len));
  return div_cx(fixed::Val<Qvx16sc>{val}, fixed::Vec<Qvx16sc>{src}, dst, len, sf);
}
