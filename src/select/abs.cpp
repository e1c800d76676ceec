// Absolute values and absolute differences, in the element type.  What differs between the
// members is what happens to a result that does not fit: Abs of the most negative integer
// wraps to itself, AbsDiff_16S saturates at 32767, AbsDiff_32S keeps the magnitude modulo
// 2^32.  Floating-point results have their sign bit cleared and nothing else changed (a NaN
// keeps its payload).
//
// Each rule is given twice, for an element and for a register, where the register form
// needs other operations (no scalar bitwise operators on floats, no 33-bit lanes); both
// give the same bits.
#include <stdint.h>
#include <string.h>

#include <type_traits>

#include "core/export.h"
#include "core/loops.h"

namespace {

using namespace qvx;
using simd::as;
using simd::select;
using simd::splat;
using simd::uint_t;

// dst[i] = f(src[i]) and d[i] = f(a[i], b[i]).  Each block is read whole before it is
// stored, so a destination may be a source; other overlaps run the element loop.
template <class T, class F>
inline QvxStatus unary(const T* src, T* dst, int len, F f) {
  map(len, Out<T>{dst}, f, In<T>{src});
  return QVX_STS_NO_ERR;
}
template <class T, class F>
inline QvxStatus binary(const T* a, const T* b, T* d, int len, F f) {
  map(len, Out<T>{d}, f, In<T>{a}, In<T>{b});
  return QVX_STS_NO_ERR;
}

// ---- Abs ----

// (x XOR m) - m with m all ones for a negative x: the negation, wrapping for the most
// negative value.  Done in the unsigned lanes of the width, stored modulo 2^width.
template <class T>
inline T wrapping_abs(T x) {
  using U = uint_t<T>;
  const U m = x < 0 ? static_cast<U>(~U(0)) : U(0);
  return static_cast<T>(static_cast<U>((static_cast<U>(x) ^ m) - m));
}
template <class V>
inline V wrapping_abs_lanes(V x) {
  using T = simd::lane_t<V>;
  using U = uint_t<T>;
  if constexpr (sizeof(T) == 2) {
    // The larger of x and its wrapped negation: the most negative value is its own.
    return simd::vmax(x, as<T>(simd::zero<U>() - as<U>(x)));
  } else {
    const auto m = as<U>(x >> (8 * static_cast<int>(sizeof(U)) - 1));  // arithmetic shift
    return as<T>((as<U>(x) ^ m) - m);
  }
}
constexpr auto int_abs =
    rule([](auto x) { return wrapping_abs(x); }, [](auto x) { return wrapping_abs_lanes(x); });

// The sign bit cleared.
template <class T>
inline T clear_sign(T x) {
  using U = uint_t<T>;
  U b;
  memcpy(&b, &x, sizeof b);
  b &= static_cast<U>(~U(0)) >> 1;
  memcpy(&x, &b, sizeof b);
  return x;
}
template <class V>
inline V clear_sign_lanes(V x) {
  using U = uint_t<simd::lane_t<V>>;
  return as<simd::lane_t<V>>(as<U>(x) & splat(static_cast<U>(~U(0)) >> 1));
}
constexpr auto float_abs =
    rule([](auto x) { return clear_sign(x); }, [](auto x) { return clear_sign_lanes(x); });

// ---- AbsDiff ----

// Larger minus smaller: exact for 8U and 16U; modulo 2^32 for 32S, so a magnitude of 2^31
// or more reads as negative.  In registers: the larger and the smaller by lane, subtracted
// in unsigned lanes.
template <class T>
inline T larger_minus_smaller(T a, T b) {
  using U = uint_t<T>;
  const U x = static_cast<U>(a), y = static_cast<U>(b);
  return static_cast<T>(static_cast<U>(a > b ? x - y : y - x));
}
template <class V>
inline V larger_minus_smaller_lanes(V a, V b) {
  using T = simd::lane_t<V>;
  using U = uint_t<T>;
  return as<T>(as<U>(simd::vmax(a, b)) - as<U>(simd::vmin(a, b)));
}
constexpr auto int_abs_diff = rule([](auto a, auto b) { return larger_minus_smaller(a, b); },
                               [](auto a, auto b) { return larger_minus_smaller_lanes(a, b); });

// 16S: the exact magnitude (at most 65535) saturated to 32767.  In 16-bit lanes the
// magnitude is larger minus smaller read as unsigned; from 32768 up it reads negative as
// signed, and those lanes take 32767.
inline Qvx16s abs_diff_16s(Qvx16s a, Qvx16s b) {
  const int d = static_cast<int>(a) - static_cast<int>(b);
  const int m = d < 0 ? -d : d;
  return static_cast<Qvx16s>(m > 32767 ? 32767 : m);
}
inline Vec<Qvx16s> abs_diff_16s_lanes(Vec<Qvx16s> a, Vec<Qvx16s> b) {
  const Vec<Qvx16s> m = larger_minus_smaller_lanes(a, b);
  return select(m < 0, splat<Qvx16s>(32767), m);
}
constexpr auto saturated_abs_diff = rule(abs_diff_16s, abs_diff_16s_lanes);

// The difference rounded to the element's precision, then its sign bit cleared.
constexpr auto float_abs_diff = rule([](auto a, auto b) { return clear_sign(a - b); },
                                 [](auto a, auto b) { return clear_sign_lanes(a - b); });

// The rule of each member, by element type.
template <class T>
constexpr const auto& abs_rule() {
  if constexpr (std::is_floating_point<T>::value) return float_abs;
  else return int_abs;
}
template <class T>
constexpr const auto& abs_diff_rule() {
  if constexpr (std::is_floating_point<T>::value) return float_abs_diff;
  else if constexpr (std::is_same<T, Qvx16s>::value) return saturated_abs_diff;
  else return int_abs_diff;
}

}  // namespace

#define QVX_ABS(Sfx, T)                                                                   \
  QVX_DEFINE(QvxStatus, Vector_Abs_##Sfx, (const T* src, T* dst, int len)) {              \
    return unary(src, dst, len, abs_rule<T>());                                           \
  }
#define QVX_ABS_DIFF(Sfx, T)                                                              \
  QVX_DEFINE(QvxStatus, Vector_AbsDiff_##Sfx, (const T* src1, const T* src2, T* dst, int len)) { \
    return binary(src1, src2, dst, len, abs_diff_rule<T>());                              \
  }

// Abs has the signed and floating-point members only.
QVX_ABS(16S, Qvx16s) QVX_ABS(32S, Qvx32s) QVX_ABS(32F, Qvx32f) QVX_ABS(64F, Qvx64f)
QVX_EACH_ORDERED(QVX_ABS_DIFF)
