// Scaled addition and subtraction: AddShift, SubShift (two vectors), AddCShift, SubCShift and
// SubCRevShift (a vector and a constant), for 8U, 16U, 16S, 32S and 16SC.  Each member
// forms the exact sum or difference R and applies the scale-and-saturate rule to it.
#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"
#include "fixed/scale.h"

namespace {

using namespace qvx;
using fixed::Step;
using fixed::Thresholds;
using simd::V;

// R = a + b, a - b or b - a, where a is the first source and b the second or the constant.
enum class Op { Add, Sub, SubRev };

template <Op op>
inline int64_t exact(int64_t a, int64_t b) {
  return op == Op::Add ? a + b : op == Op::Sub ? a - b : b - a;
}

// The second operand: another array, or a constant (16SC constants alternate real and
// imaginary part along the 16-bit parts; 16-byte blocks start on a real part).
template <class T>
struct Array {
  const T* p;
  T at(int i) const { return p[i]; }
  V block(int i) const { return simd::load(p + i); }
  bool apart_from(const void* d) const { return apart(p, d); }
};
template <class T>
struct Const {
  T v[2];
  V pattern;
  T at(int i) const { return v[i & 1]; }
  V block(int) const { return pattern; }
  bool apart_from(const void*) const { return true; }
};
inline Const<Qvx8u> constant(Qvx8u c) { return {{c, c}, _mm_set1_epi8(static_cast<char>(c))}; }
inline Const<Qvx16u> constant(Qvx16u c) {
  return {{c, c}, _mm_set1_epi16(static_cast<short>(c))};
}
inline Const<Qvx16s> constant(Qvx16s c) { return {{c, c}, _mm_set1_epi16(c)}; }
inline Const<Qvx32s> constant(Qvx32s c) { return {{c, c}, _mm_set1_epi32(c)}; }
inline Const<Qvx16s> constant(Qvx16sc c) {
  const uint32_t bits = static_cast<uint16_t>(c.re) | uint32_t(static_cast<uint16_t>(c.im)) << 16;
  return {{c.re, c.im}, _mm_set1_epi32(static_cast<int32_t>(bits))};
}

// The lane kernels of each element type:
//   sat(a, b)       R clamped to the type (the whole rule at scale factor 0; for left shifts
//                   the clamped R is shifted with saturation, which equals clamping R << s);
//   Right(n)(a, b)  floor(R / 2^n) clamped, for the n = 1 .. -L of the type's members.
template <class T> struct Lanes;

template <Op op, class T>
inline V sat(V a, V b) {
  if (op == Op::SubRev) return Lanes<T>::sub(b, a);
  return op == Op::Add ? Lanes<T>::add(a, b) : Lanes<T>::sub(a, b);
}
// R in widened lanes, where it cannot overflow.
template <Op op>
inline V wide16(V a, V b) {
  return op == Op::Add   ? _mm_add_epi16(a, b)
         : op == Op::Sub ? _mm_sub_epi16(a, b)
                         : _mm_sub_epi16(b, a);
}
template <Op op>
inline V wide32(V a, V b) {
  return op == Op::Add   ? _mm_add_epi32(a, b)
         : op == Op::Sub ? _mm_sub_epi32(a, b)
                         : _mm_sub_epi32(b, a);
}

template <> struct Lanes<Qvx8u> {
  using Shl = simd::ShlSatU8;
  static V add(V a, V b) { return _mm_adds_epu8(a, b); }
  static V sub(V a, V b) { return _mm_subs_epu8(a, b); }
  // R in 16-bit lanes (-255 .. 510), shifted, packed back with unsigned saturation.
  template <Op op>
  struct Right {
    V cnt;
    explicit Right(int n) : cnt(_mm_cvtsi32_si128(n)) {}
    V half(V a, V b) const {
      return _mm_sra_epi16(wide16<op>(a, b), cnt);
    }
    V operator()(V a, V b) const {
      return simd::narrow_s16_u8(half(simd::widen_lo_u8(a), simd::widen_lo_u8(b)),
                                 half(simd::widen_hi_u8(a), simd::widen_hi_u8(b)));
    }
  };
};

template <> struct Lanes<Qvx16u> {
  using Shl = simd::ShlSatU16;
  static V add(V a, V b) { return _mm_adds_epu16(a, b); }
  static V sub(V a, V b) { return _mm_subs_epu16(a, b); }
  // R in 32-bit lanes (-65535 .. 131070), shifted, negatives to 0, packed back.
  template <Op op>
  struct Right {
    V cnt;
    explicit Right(int n) : cnt(_mm_cvtsi32_si128(n)) {}
    V half(V a, V b) const {
      const V r = _mm_sra_epi32(wide32<op>(a, b), cnt);
      return _mm_andnot_si128(_mm_srai_epi32(r, 31), r);
    }
    V operator()(V a, V b) const {
      return simd::narrow_u16range_s32_u16(half(simd::widen_lo_u16(a), simd::widen_lo_u16(b)),
                                           half(simd::widen_hi_u16(a), simd::widen_hi_u16(b)));
    }
  };
};

template <> struct Lanes<Qvx16s> {
  using Shl = simd::ShlSatS16;
  static V add(V a, V b) { return _mm_adds_epi16(a, b); }
  static V sub(V a, V b) { return _mm_subs_epi16(a, b); }
  // R in 32-bit lanes (-65536 .. 65535), shifted (then always in range), packed back.
  template <Op op>
  struct Right {
    V cnt;
    explicit Right(int n) : cnt(_mm_cvtsi32_si128(n)) {}
    V half(V a, V b) const {
      return _mm_sra_epi32(wide32<op>(a, b), cnt);
    }
    V operator()(V a, V b) const {
      return simd::narrow_s32_s16(half(simd::widen_lo_s16(a), simd::widen_lo_s16(b)),
                                  half(simd::widen_hi_s16(a), simd::widen_hi_s16(b)));
    }
  };
};

template <> struct Lanes<Qvx32s> {
  using Shl = simd::ShlSatS32;
  static V add(V a, V b) { return simd::adds_s32(a, b); }
  static V sub(V a, V b) { return simd::subs_s32(a, b); }
  // R needs 33 bits, but floor(R / 2) fits 32: (a >> 1) + (b >> 1) plus the carry of the
  // two low bits (for a - b: minus the borrow).  The remaining n - 1 bits shift from there.
  template <Op op>
  struct Right {
    V cnt;
    explicit Right(int n) : cnt(_mm_cvtsi32_si128(n - 1)) {}
    static V half_sum(V x, V y) {
      const V carry = _mm_and_si128(_mm_and_si128(x, y), _mm_set1_epi32(1));
      return _mm_add_epi32(_mm_add_epi32(_mm_srai_epi32(x, 1), _mm_srai_epi32(y, 1)), carry);
    }
    static V half_diff(V x, V y) {  // floor((x - y) / 2)
      const V borrow = _mm_and_si128(_mm_andnot_si128(x, y), _mm_set1_epi32(1));
      return _mm_sub_epi32(_mm_sub_epi32(_mm_srai_epi32(x, 1), _mm_srai_epi32(y, 1)), borrow);
    }
    V operator()(V a, V b) const {
      const V h = op == Op::Add   ? half_sum(a, b)
                  : op == Op::Sub ? half_diff(a, b)
                                  : half_diff(b, a);
      return _mm_sra_epi32(h, cnt);
    }
  };
};

// One member: the call-level order of the rule, then one pass whose vector kernel is chosen
// once per call.  The element loop (the rule itself) takes the tail, short vectors and a
// destination closer than 16 bytes to a source, in-place use included.
template <Op op, class T, class B, class Fill>
inline QvxStatus addsub(const T* a, B b, T* dst, int len, int sf, Thresholds t, Fill fill) {
  return fixed::scaled_call(fill, dst, len, sf, t, [&] {
    constexpr int kW = 16 / sizeof(T);
    const bool vec = apart(a, dst) && b.apart_from(dst);
    auto elem = [&](int i) {
      dst[i] = fixed::scale_saturate<T>(exact<op>(a[i], b.at(i)), sf, t.H);
    };
    auto pass = [&](const auto& k) {
      run<kW>(
          len, vec, [&](int i) { simd::store(dst + i, k(simd::load(a + i), b.block(i))); }, elem);
    };
    const fixed::Plan p = fixed::plan(sf, t);
    if (p.step == Step::Right) {
      pass(typename Lanes<T>::template Right<op>(p.shift));
    } else if (p.step == Step::Keep) {
      pass([](V x, V y) { return sat<op, T>(x, y); });
    } else {  // Left or SignFill: the clamped R shifted with saturation
      const typename Lanes<T>::Shl shl(p.shift);
      pass([&shl](V x, V y) { return shl(sat<op, T>(x, y)); });
    }
  });
}

// The complex forms work on the 16-bit parts.
inline const Qvx16s* parts(const Qvx16sc* p) { return reinterpret_cast<const Qvx16s*>(p); }
inline Qvx16s* parts(Qvx16sc* p) { return reinterpret_cast<Qvx16s*>(p); }

}  // namespace

// Each member: R, thresholds {H: sign fill from, L: zero fill below} and the fill used
// below L.

#define QVX_SCALED_BINARY(Name, T, OP, H, L, FILL)                                              \
  QVX_DEFINE(QvxStatus, Name, (const T* src1, const T* src2, T* dst, int len, int sf)) {        \
    return addsub<OP>(src1, Array<T>{src2}, dst, len, sf, Thresholds{H, L}, fixed::FILL);       \
  }
#define QVX_SCALED_CONST(Name, T, OP, H, L, FILL)                                               \
  QVX_DEFINE(QvxStatus, Name, (const T* src, T val, T* dst, int len, int sf)) {                 \
    return addsub<OP>(src, constant(val), dst, len, sf, Thresholds{H, L}, fixed::FILL);         \
  }

//                 member                     type    R           H    L   zero fill
QVX_SCALED_BINARY(Vector_AddShift_8U,       Qvx8u,  Op::Add,     8,  -8, kSet8U)
QVX_SCALED_BINARY(Vector_AddShift_16U,      Qvx16u, Op::Add,    16, -16, kSet16S)
QVX_SCALED_BINARY(Vector_AddShift_16S,      Qvx16s, Op::Add,    15, -16, kSet16S)
QVX_SCALED_BINARY(Vector_AddShift_32S,      Qvx32s, Op::Add,    31, -32, kSet32S)
QVX_SCALED_BINARY(Vector_SubShift_8U,       Qvx8u,  Op::Sub,     8,  -7, kSet8U)
QVX_SCALED_BINARY(Vector_SubShift_16U,      Qvx16u, Op::Sub,    16, -15, kSet16S)
QVX_SCALED_BINARY(Vector_SubShift_16S,      Qvx16s, Op::Sub,    15, -16, kSet16S)
QVX_SCALED_BINARY(Vector_SubShift_32S,      Qvx32s, Op::Sub,    31, -32, kSet32S)
QVX_SCALED_CONST(Vector_AddCShift_8U,       Qvx8u,  Op::Add,     8,  -8, kSet8U)
QVX_SCALED_CONST(Vector_AddCShift_16U,      Qvx16u, Op::Add,    16, -16, kSet16S)
QVX_SCALED_CONST(Vector_AddCShift_16S,      Qvx16s, Op::Add,    15, -16, kSet16S)
QVX_SCALED_CONST(Vector_AddCShift_32S,      Qvx32s, Op::Add,    31, -32, kSet32S)
QVX_SCALED_CONST(Vector_SubCShift_8U,       Qvx8u,  Op::Sub,     8,  -7, kSet8U)
QVX_SCALED_CONST(Vector_SubCShift_16U,      Qvx16u, Op::Sub,    16, -15, kSet16S)
QVX_SCALED_CONST(Vector_SubCShift_16S,      Qvx16s, Op::Sub,    15, -16, kSet16S)
QVX_SCALED_CONST(Vector_SubCShift_32S,      Qvx32s, Op::Sub,    31, -32, kSet32S)
QVX_SCALED_CONST(Vector_SubCRevShift_8U,    Qvx8u,  Op::SubRev,  8,  -7, kSet8U)
QVX_SCALED_CONST(Vector_SubCRevShift_16U,   Qvx16u, Op::SubRev, 16, -15, kSet16S)
QVX_SCALED_CONST(Vector_SubCRevShift_16S,   Qvx16s, Op::SubRev, 15, -16, kSet16S)
QVX_SCALED_CONST(Vector_SubCRevShift_32S,   Qvx32s, Op::SubRev, 31, -32, kSet32S)

// Two complex vectors: the 16S form on the 2*len interleaved parts (its thresholds apply).
QVX_DEFINE(QvxStatus, Vector_AddShift_16SC,
           (const Qvx16sc* src1, const Qvx16sc* src2, Qvx16sc* dst, int len, int sf)) {
  return __qvx_Vector_AddShift_16S(parts(src1), parts(src2), parts(dst), twice(len), sf);
}
QVX_DEFINE(QvxStatus, Vector_SubShift_16SC,
           (const Qvx16sc* src1, const Qvx16sc* src2, Qvx16sc* dst, int len, int sf)) {
  return __qvx_Vector_SubShift_16S(parts(src1), parts(src2), parts(dst), twice(len), sf);
}

// A complex constant: each part against its own part of the constant, on the 2*len parts
// (the zero fill covers them all through the 16S fill primitive).  H 15, L -16, Set_16S.
QVX_DEFINE(QvxStatus, Vector_AddCShift_16SC,
           (const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf)) {
  return addsub<Op::Add>(parts(src), constant(val), parts(dst), twice(len), sf,
                         Thresholds{15, -16}, fixed::kSet16S);
}
QVX_DEFINE(QvxStatus, Vector_SubCShift_16SC,
           (const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf)) {
  return addsub<Op::Sub>(parts(src), constant(val), parts(dst), twice(len), sf,
                         Thresholds{15, -16}, fixed::kSet16S);
}
QVX_DEFINE(QvxStatus, Vector_SubCRevShift_16SC,
           (const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf)) {
  return addsub<Op::SubRev>(parts(src), constant(val), parts(dst), twice(len), sf,
                            Thresholds{15, -16}, fixed::kSet16S);
}
