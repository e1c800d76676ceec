// Scaled addition and subtraction: AddShift, SubShift (two vectors), AddCShift, SubCShift and
// SubCRevShift (a vector and a constant), for 8U, 16U, 16S, 32S and 16SC.  Each member
// forms the exact sum or difference R and applies the scale-and-saturate rule to it.
#include "core/export.h"
#include "core/loops.h"
#include "fixed/shift_kernels.h"
#include "fixed/scale.h"

namespace {

using namespace qvx;
using fixed::Step;
using fixed::Thresholds;
using simd::as;
using simd::Vec;

// R = a + b, a - b or b - a, where a is the first source and b the second or the constant.
enum class Op { Add, Sub, SubRev };

template <Op op>
inline int64_t exact(int64_t a, int64_t b) {
  return op == Op::Add ? a + b : op == Op::Sub ? a - b : b - a;
}
template <Op op, class V>
inline V exact_lanes(V a, V b) {
  return op == Op::Add ? a + b : op == Op::Sub ? a - b : b - a;
}

// R clamped to the lane type: the whole rule at scale factor 0.  (For left shifts the clamped
// R is shifted with saturation, which equals clamping R << s.)
template <Op op, class T>
inline Vec<T> saturated(Vec<T> a, Vec<T> b) {
  if (op == Op::SubRev) return simd::subs(b, a);
  return op == Op::Add ? simd::adds(a, b) : simd::subs(a, b);
}

// floor(R / 2^n) clamped, for the n = 1 .. -L of the type's members: R in lanes twice as
// wide (signed, where it cannot overflow), shifted, narrowed back with saturation (a
// negative R stores 0 in an unsigned type).  32-bit R needs 33 bits, but floor(R / 2) fits
// 32: (a >> 1) + (b >> 1) plus the carry of the two low bits (for a - b, minus the borrow);
// the remaining n - 1 bits shift from there.
template <Op op, class T>
struct Right {
  int n;
  explicit Right(int count) : n(count) {}
  Vec<T> operator()(Vec<T> a, Vec<T> b) const {
    using W = simd::sint_t<simd::wider_t<T>>;
    const auto half = [&](auto x, auto y) { return exact_lanes<op>(as<W>(x), as<W>(y)) >> n; };
    return simd::narrow<T>(half(simd::widen_lo(a), simd::widen_lo(b)),
                           half(simd::widen_hi(a), simd::widen_hi(b)));
  }
};
template <Op op>
struct Right<op, int32_t> {
  int n;
  explicit Right(int count) : n(count - 1) {}
  static Vec<int32_t> half_sum(Vec<int32_t> x, Vec<int32_t> y) {
    return (x >> 1) + (y >> 1) + (x & y & 1);
  }
  static Vec<int32_t> half_diff(Vec<int32_t> x, Vec<int32_t> y) {  // floor((x - y) / 2)
    return (x >> 1) - (y >> 1) - (~x & y & 1);
  }
  Vec<int32_t> operator()(Vec<int32_t> a, Vec<int32_t> b) const {
    const Vec<int32_t> h = op == Op::Add   ? half_sum(a, b)
                           : op == Op::Sub ? half_diff(a, b)
                                           : half_diff(b, a);
    return h >> n;
  }
};

// One member: the call-level order of the rule, then one pass whose block kernel is chosen
// once per call.  Kinds: the arrays (In/Out for real data, Interleaved/OutInterleaved for the
// complex constant forms, whose constant alternates real and imaginary part along the
// register).
// The fill covers `parts` elements of T at d (2*len for the complex forms).
template <Op op, class T, class Src, class B, class Dst, class Fill>
inline QvxStatus addsub(Src a, B b, Dst dst, T* d, int parts, int len, int sf, Thresholds t,
                        Fill fill) {
  return fixed::scaled_call(fill, d, parts, sf, t, [&] {
    const auto elem = [&](auto x, auto y) {
      return fixed::scale_saturate<T>(exact<op>(x, y), sf, t.H);
    };
    // Complex elements: each part on its own.
    const auto element = [&](auto x, auto y) {
      if constexpr (std::is_same<decltype(x), Cx<T>>::value) {
        return Cx<T>{elem(x.re, y.re), elem(x.im, y.im)};
      } else {
        return elem(x, y);
      }
    };
    const auto pass = [&](auto kernel) { map(len, dst, rule(element, kernel), a, b); };
    const fixed::Plan p = fixed::plan(sf, t);
    if (p.step == Step::Right) {
      pass(Right<op, T>(p.shift));
    } else if (p.step == Step::Keep) {
      pass([](Vec<T> x, Vec<T> y) { return saturated<op, T>(x, y); });
    } else {  // Left or SignFill: the clamped R shifted with saturation
      const fixed::ShlSat<T> shl(p.shift);
      pass([shl](Vec<T> x, Vec<T> y) { return shl(saturated<op, T>(x, y)); });
    }
  });
}

template <Op op, class T, class Fill>
inline QvxStatus two_vectors(const T* a, const T* b, T* d, int len, int sf, Thresholds t, Fill fill) {
  return addsub<op, T>(In<T>{a}, In<T>{b}, Out<T>{d}, d, len, len, sf, t, fill);
}
template <Op op, class T, class Fill>
inline QvxStatus with_constant(const T* a, T c, T* d, int len, int sf, Thresholds t, Fill fill) {
  return addsub<op, T>(In<T>{a}, constant(c), Out<T>{d}, d, len, len, sf, t, fill);
}
// A complex constant: each part against its own part of the constant; the zero fill covers
// the 2*len parts through the 16S fill primitive.
template <Op op>
inline QvxStatus complex_constant(const Qvx16sc* a, Qvx16sc c, Qvx16sc* d, int len, int sf) {
  const Qvx16s* s = reinterpret_cast<const Qvx16s*>(a);
  Qvx16s* p = reinterpret_cast<Qvx16s*>(d);
  return addsub<op, Qvx16s>(Interleaved<Qvx16s>{s}, interleaved_constant(c.re, c.im),
                            OutInterleaved<Qvx16s>{p}, p, twice(len), len, sf, Thresholds{15, -16},
                            fixed::kSet16S);
}

}  // namespace

// Each member: R, thresholds {H: sign fill from, L: zero fill below} and the fill used
// below L.

#define QVX_SCALED_BINARY(Name, T, OP, H, L, FILL)                                              \
  QVX_DEFINE(QvxStatus, Name, (const T* src1, const T* src2, T* dst, int len, int sf)) {        \
    return two_vectors<OP>(src1, src2, dst, len, sf, Thresholds{H, L}, fixed::FILL);            \
  }
#define QVX_SCALED_CONST(Name, T, OP, H, L, FILL)                                               \
  QVX_DEFINE(QvxStatus, Name, (const T* src, T val, T* dst, int len, int sf)) {                 \
    return with_constant<OP>(src, val, dst, len, sf, Thresholds{H, L}, fixed::FILL);            \
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
  return __qvx_Vector_AddShift_16S(reinterpret_cast<const Qvx16s*>(src1),
                                   reinterpret_cast<const Qvx16s*>(src2),
                                   reinterpret_cast<Qvx16s*>(dst), twice(len), sf);
}
QVX_DEFINE(QvxStatus, Vector_SubShift_16SC,
           (const Qvx16sc* src1, const Qvx16sc* src2, Qvx16sc* dst, int len, int sf)) {
  return __qvx_Vector_SubShift_16S(reinterpret_cast<const Qvx16s*>(src1),
                                   reinterpret_cast<const Qvx16s*>(src2),
                                   reinterpret_cast<Qvx16s*>(dst), twice(len), sf);
}

// A complex constant: H 15, L -16, the 16S fill on the 2*len parts.
QVX_DEFINE(QvxStatus, Vector_AddCShift_16SC,
           (const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf)) {
  return complex_constant<Op::Add>(src, val, dst, len, sf);
}
QVX_DEFINE(QvxStatus, Vector_SubCShift_16SC,
           (const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf)) {
  return complex_constant<Op::Sub>(src, val, dst, len, sf);
}
QVX_DEFINE(QvxStatus, Vector_SubCRevShift_16SC,
           (const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst, int len, int sf)) {
  return complex_constant<Op::SubRev>(src, val, dst, len, sf);
}
