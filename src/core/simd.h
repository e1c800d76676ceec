// The vector layer: registers of the build's width as GCC vector types, one per lane type,
// and the operations the kernels need, written once for every width.
//
// A register of T is Vec<T> (kLanes<T> lanes).  GCC gives these types the arithmetic,
// bitwise, shift and comparison operators lane by lane (a comparison yields a mask of the
// same width: all ones where true), so most of a kernel is plain C++ that reads like its
// element rule; what needs an instruction of its own (saturating arithmetic, widening,
// narrowing with saturation, the truncating conversions, byte shuffles) is a function here,
// built on the thin per-instruction-set file that core/simd/target.h selects.  Loads and
// stores are unaligned.  Family code includes this header and core/loops.h, never an
// intrinsics header, and never names a width: kLanes<T> and the Block types of loops.h say
// how many elements a step takes.
#ifndef QVX_CORE_SIMD_H
#define QVX_CORE_SIMD_H

#include <stddef.h>
#include <stdint.h>

#include <type_traits>
#include <utility>

#include "core/simd/target.h"

namespace qvx {
namespace simd {

// ---- the register types ----------------------------------------------------------------

template <class T, int Bytes = kBytes>
struct VecOf {
  typedef T type __attribute__((vector_size(Bytes)));
};
template <class T>
using Vec = typename VecOf<T>::type;

// The lane type of a register type.
template <class V>
using lane_t = std::remove_cv_t<std::remove_reference_t<decltype(std::declval<V>()[0])>>;

// Signed and unsigned integers of a lane's width (comparisons give masks of the signed one).
template <size_t Bytes> struct IntOf;
template <> struct IntOf<1> { typedef int8_t s; typedef uint8_t u; };
template <> struct IntOf<2> { typedef int16_t s; typedef uint16_t u; };
template <> struct IntOf<4> { typedef int32_t s; typedef uint32_t u; };
template <> struct IntOf<8> { typedef int64_t s; typedef uint64_t u; };
template <class T> using sint_t = typename IntOf<sizeof(T)>::s;
template <class T> using uint_t = typename IntOf<sizeof(T)>::u;
template <class T> using Mask = Vec<sint_t<T>>;

// True for register types (and for the blocks of loops.h, which specialise it): what tells
// the register form of a rule from its element form.
template <class T, class = void>
struct IsBlock : std::false_type {};
template <class T>
struct IsBlock<T, std::void_t<decltype(std::declval<T&>()[0])>>
    : std::integral_constant<bool, !std::is_pointer<T>::value && !std::is_array<T>::value> {};
template <class T>
constexpr bool is_block = IsBlock<std::remove_cv_t<std::remove_reference_t<T>>>::value;

// The same bits as another lane type.
template <class To, class V>
inline Vec<To> as(V v) {
  static_assert(sizeof(V) == kBytes, "a whole register");
  return (Vec<To>)v;
}
template <class V>
inline isa::Int raw(V v) {
  return (isa::Int)v;
}
template <class T>
inline Vec<T> from_raw(isa::Int r) {
  return (Vec<T>)r;
}

// ---- loads, stores, constants ------------------------------------------------------------

template <class T>
inline Vec<T> load(const T* p) {
  Vec<T> v;
  __builtin_memcpy(&v, p, sizeof v);
  return v;
}
template <class T>
inline void store(T* p, Vec<T> v) {
  __builtin_memcpy(p, &v, sizeof v);
}
// The first n lanes (n < kLanes<T>) of a register, from or to memory that may end right
// after them; the other lanes load as 0.  Only where isa::kMasked holds.
template <class T>
inline Vec<T> load_first(const T* p, int n) {
  return from_raw<T>(isa::load_bytes(p, sizeof(T) * static_cast<size_t>(n)));
}
template <class T>
inline void store_first(T* p, Vec<T> v, int n) {
  isa::store_bytes(p, raw(v), sizeof(T) * static_cast<size_t>(n));
}
// A store that bypasses the cache, to an address aligned to kBytes.
template <class T>
inline void stream(T* p, Vec<T> v) {
  isa::stream(p, raw(v));
}

// x in every lane, bit for bit (-0.0 and signalling NaNs included): one broadcast.
namespace detail {
template <class T, size_t... I>
inline Vec<T> splat(T x, std::index_sequence<I...>) {
  return Vec<T>{(static_cast<void>(I), x)...};
}
}  // namespace detail
template <class T>
inline Vec<T> splat(T x) {
  return detail::splat(x, std::make_index_sequence<kLanes<T>>());
}
template <class T>
inline Vec<T> zero() {
  return Vec<T>{};
}

// ---- selection, extremes ---------------------------------------------------------------

// Lanes of a where the mask is all ones, of b where it is all zeros (for scalars: a where
// the condition holds), so that one expression serves the element loop and the register.
template <class V, class M>
inline V select(M mask, V a, V b) {
  return mask ? a : b;
}

// a where a < b, else b (and the mirror): for floating point the second operand on ties and
// NaNs, as the processor's minimum and maximum instructions.
template <class V>
inline V vmin(V a, V b) {
  return a < b ? a : b;
}
template <class V>
inline V vmax(V a, V b) {
  return a > b ? a : b;
}
// The same rule for floating-point registers, as one instruction each (GCC does not turn
// the comparisons into it).
inline Vec<float> vmin(Vec<float> a, Vec<float> b) {
  return (Vec<float>)isa::min((isa::F32)a, (isa::F32)b);
}
inline Vec<float> vmax(Vec<float> a, Vec<float> b) {
  return (Vec<float>)isa::max((isa::F32)a, (isa::F32)b);
}
inline Vec<double> vmin(Vec<double> a, Vec<double> b) {
  return (Vec<double>)isa::min((isa::F64)a, (isa::F64)b);
}
inline Vec<double> vmax(Vec<double> a, Vec<double> b) {
  return (Vec<double>)isa::max((isa::F64)a, (isa::F64)b);
}

// ---- saturating arithmetic ---------------------------------------------------------------

// 8- and 16-bit lanes: the instructions.
#define QVX_SATURATING(T, op, s) \
  inline Vec<T> op(Vec<T> a, Vec<T> b) { return from_raw<T>(isa::op##_##s(raw(a), raw(b))); }
QVX_SATURATING(int8_t, adds, s8)
QVX_SATURATING(uint8_t, adds, u8)
QVX_SATURATING(int16_t, adds, s16)
QVX_SATURATING(uint16_t, adds, u16)
QVX_SATURATING(int8_t, subs, s8)
QVX_SATURATING(uint8_t, subs, u8)
QVX_SATURATING(int16_t, subs, s16)
QVX_SATURATING(uint16_t, subs, u16)
#undef QVX_SATURATING

// 32-bit lanes: where the wrapped result has the wrong sign, the bound of the true sign.
inline Vec<int32_t> adds(Vec<int32_t> a, Vec<int32_t> b) {
  const Vec<int32_t> s = as<int32_t>(as<uint32_t>(a) + as<uint32_t>(b));
  const Vec<int32_t> over = ((s ^ a) & (s ^ b)) >> 31;
  return select(over, (a >> 31) ^ INT32_MAX, s);
}
inline Vec<int32_t> subs(Vec<int32_t> a, Vec<int32_t> b) {
  const Vec<int32_t> d = as<int32_t>(as<uint32_t>(a) - as<uint32_t>(b));
  const Vec<int32_t> over = ((a ^ b) & (a ^ d)) >> 31;
  return select(over, (a >> 31) ^ INT32_MAX, d);
}

// 16-bit products: the high 16 bits, and pairs of products summed into 32-bit lanes.
inline Vec<int16_t> mulhi(Vec<int16_t> a, Vec<int16_t> b) {
  return from_raw<int16_t>(isa::mulhi_s16(raw(a), raw(b)));
}
inline Vec<uint16_t> mulhi(Vec<uint16_t> a, Vec<uint16_t> b) {
  return from_raw<uint16_t>(isa::mulhi_u16(raw(a), raw(b)));
}
inline Vec<int32_t> madd(Vec<int16_t> a, Vec<int16_t> b) {
  return from_raw<int32_t>(isa::madd_s16(raw(a), raw(b)));
}
// Sums of absolute differences of each 8 bytes, in the 64-bit lanes.
inline Vec<uint64_t> sad(Vec<uint8_t> a, Vec<uint8_t> b) {
  return from_raw<uint64_t>(isa::sad_u8(raw(a), raw(b)));
}

// ---- widening and narrowing --------------------------------------------------------------

template <class T> struct Wider;
template <> struct Wider<int8_t> { typedef int16_t type; };
template <> struct Wider<uint8_t> { typedef uint16_t type; };
template <> struct Wider<int16_t> { typedef int32_t type; };
template <> struct Wider<uint16_t> { typedef uint32_t type; };
template <> struct Wider<int32_t> { typedef int64_t type; };
template <class T> using wider_t = typename Wider<T>::type;

// The low and high half of the lanes, each widened to twice its width (sign- or
// zero-extended by the lane type).
#define QVX_WIDEN(T, s)                                                                  \
  inline Vec<wider_t<T>> widen_lo(Vec<T> v) { return from_raw<wider_t<T>>(isa::widen_lo_##s(raw(v))); } \
  inline Vec<wider_t<T>> widen_hi(Vec<T> v) { return from_raw<wider_t<T>>(isa::widen_hi_##s(raw(v))); }
QVX_WIDEN(int8_t, s8)
QVX_WIDEN(uint8_t, u8)
QVX_WIDEN(int16_t, s16)
QVX_WIDEN(uint16_t, u16)
QVX_WIDEN(int32_t, s32)
#undef QVX_WIDEN

// kLanes<To> elements of a narrower type loaded into a register of To lanes: integers sign-
// or zero-extended by From into 16- or 32-bit lanes, singles and int32 exactly into doubles.
// Half or a quarter of a register's bytes are read.
template <class To, class From>
inline Vec<To> load_widen(const From* p) {
  constexpr bool s = std::is_signed<From>::value;
  if constexpr (std::is_same<To, double>::value) {
    static_assert(sizeof(From) == 4, "singles or int32 into doubles");
    if constexpr (std::is_same<From, float>::value) return (Vec<double>)isa::load_widen_f32_f64(p);
    else return (Vec<double>)isa::load_widen_i32_f64(p);
  } else if constexpr (sizeof(From) == 1 && sizeof(To) == 2) {
    return from_raw<To>(s ? isa::load_widen_s8_s16(p) : isa::load_widen_u8_u16(p));
  } else if constexpr (sizeof(From) == 2 && sizeof(To) == 4) {
    return from_raw<To>(s ? isa::load_widen_s16_s32(p) : isa::load_widen_u16_u32(p));
  } else {
    static_assert(sizeof(From) == 1 && sizeof(To) == 4, "2x or 4x the width");
    return from_raw<To>(s ? isa::load_widen_s8_s32(p) : isa::load_widen_u8_u32(p));
  }
}

// Two registers of wide lanes into one of narrow lanes, saturated to the narrow type, the
// lanes of a first.
template <class To, class V>
inline Vec<To> narrow(V a, V b);
template <>
inline Vec<int8_t> narrow<int8_t, Vec<int16_t>>(Vec<int16_t> a, Vec<int16_t> b) {
  return from_raw<int8_t>(isa::narrow_s16_s8(raw(a), raw(b)));
}
template <>
inline Vec<uint8_t> narrow<uint8_t, Vec<int16_t>>(Vec<int16_t> a, Vec<int16_t> b) {
  return from_raw<uint8_t>(isa::narrow_s16_u8(raw(a), raw(b)));
}
template <>
inline Vec<int16_t> narrow<int16_t, Vec<int32_t>>(Vec<int32_t> a, Vec<int32_t> b) {
  return from_raw<int16_t>(isa::narrow_s32_s16(raw(a), raw(b)));
}
template <>
inline Vec<uint16_t> narrow<uint16_t, Vec<int32_t>>(Vec<int32_t> a, Vec<int32_t> b) {
  return from_raw<uint16_t>(isa::narrow_s32_u16(raw(a), raw(b)));
}

// ---- conversions between integers and floating point -----------------------------------

// int32 lanes rounded to singles (to nearest, in the default rounding mode).
inline Vec<float> to_float(Vec<int32_t> v) { return __builtin_convertvector(v, Vec<float>); }
// The low and the high half of the lanes as doubles (exact).
inline Vec<double> to_double_lo(Vec<float> v) { return (Vec<double>)isa::f32_lo_f64((isa::F32)v); }
inline Vec<double> to_double_hi(Vec<float> v) { return (Vec<double>)isa::f32_hi_f64((isa::F32)v); }
inline Vec<double> to_double_lo(Vec<int32_t> v) { return (Vec<double>)isa::i32_lo_f64(raw(v)); }
inline Vec<double> to_double_hi(Vec<int32_t> v) { return (Vec<double>)isa::i32_hi_f64(raw(v)); }
// Two registers of doubles into one of singles (rounded to nearest), a's lanes first.
inline Vec<float> to_float(Vec<double> a, Vec<double> b) {
  return (Vec<float>)isa::f64_f32((isa::F64)a, (isa::F64)b);
}

// Truncated toward zero; NaN and values beyond the int32 range give -2147483648 (the
// integer indefinite of the instruction-set file), as the scalar conversions of
// core/convert.h.
inline Vec<int32_t> trunc_i32(Vec<float> v) {
  return from_raw<int32_t>(isa::f32_trunc_i32((isa::F32)v));
}
inline Vec<int32_t> trunc_i32(Vec<double> a, Vec<double> b) {
  return from_raw<int32_t>(isa::f64_trunc_i32((isa::F64)a, (isa::F64)b));
}

// ---- square roots ----------------------------------------------------------------------

// Correctly rounded, lane by lane (the IEEE 754 operation, bit for bit sqrt and sqrtf of the
// C library): -0.0 stays -0.0, a NaN stays that NaN (quieted), a negative lane gives the
// default NaN.
inline Vec<float> vsqrt(Vec<float> v) { return (Vec<float>)isa::sqrt((isa::F32)v); }
inline Vec<double> vsqrt(Vec<double> v) { return (Vec<double>)isa::sqrt((isa::F64)v); }

// ---- reordering --------------------------------------------------------------------------

namespace detail {
template <class V, size_t... I>
inline V evens(V a, V b, std::index_sequence<I...>) {
  return __builtin_shufflevector(a, b, (2 * I)...);
}
template <class V, size_t... I>
inline V odds(V a, V b, std::index_sequence<I...>) {
  return __builtin_shufflevector(a, b, (2 * I + 1)...);
}
template <class V, size_t... I>
inline V zip_lo(V a, V b, std::index_sequence<I...>) {
  return __builtin_shufflevector(a, b, (I / 2 + (I % 2) * sizeof...(I))...);
}
template <class V, size_t... I>
inline V zip_hi(V a, V b, std::index_sequence<I...>) {
  return __builtin_shufflevector(a, b, (sizeof...(I) / 2 + I / 2 + (I % 2) * sizeof...(I))...);
}
}  // namespace detail

// Pairs (x0, y0, x1, y1, ...) in the lanes of a then b: the xs, and the ys.
template <class V>
inline V evens(V a, V b) {
  return detail::evens(a, b, std::make_index_sequence<sizeof(V) / sizeof(lane_t<V>)>());
}
template <class V>
inline V odds(V a, V b) {
  return detail::odds(a, b, std::make_index_sequence<sizeof(V) / sizeof(lane_t<V>)>());
}
// The reverse: xs and ys interleaved into pairs, the first half of the lanes and the second.
template <class V>
inline V zip_lo(V x, V y) {
  return detail::zip_lo(x, y, std::make_index_sequence<sizeof(V) / sizeof(lane_t<V>)>());
}
template <class V>
inline V zip_hi(V x, V y) {
  return detail::zip_hi(x, y, std::make_index_sequence<sizeof(V) / sizeof(lane_t<V>)>());
}

// Interleaved pairs (x0, y0, x1, y1, ...) kept in place: each pair's first lane in both of
// its lanes, its second lane in both, and the two lanes of every pair exchanged.
namespace detail {
template <class V, size_t... I>
inline V dup_even(V v, std::index_sequence<I...>) {
  return __builtin_shufflevector(v, v, (I & ~size_t(1))...);
}
template <class V, size_t... I>
inline V dup_odd(V v, std::index_sequence<I...>) {
  return __builtin_shufflevector(v, v, (I | 1)...);
}
template <class V, size_t... I>
inline V swap_pairs(V v, std::index_sequence<I...>) {
  return __builtin_shufflevector(v, v, (I ^ 1)...);
}
}  // namespace detail
template <class V>
inline V dup_even(V v) {
  return detail::dup_even(v, std::make_index_sequence<sizeof(V) / sizeof(lane_t<V>)>());
}
template <class V>
inline V dup_odd(V v) {
  return detail::dup_odd(v, std::make_index_sequence<sizeof(V) / sizeof(lane_t<V>)>());
}
template <class V>
inline V swap_pairs(V v) {
  return detail::swap_pairs(v, std::make_index_sequence<sizeof(V) / sizeof(lane_t<V>)>());
}
// x - y in the even lanes, x + y in the odd ones (floating point).
inline Vec<float> addsub(Vec<float> x, Vec<float> y) {
  return (Vec<float>)isa::addsub((isa::F32)x, (isa::F32)y);
}
inline Vec<double> addsub(Vec<double> x, Vec<double> y) {
  return (Vec<double>)isa::addsub((isa::F64)x, (isa::F64)y);
}
// Double lanes of magnitude below 2^51 rounded to the nearest integer, ties to even: inexact
// where a lane changes, a lane rounding to zero with its sign.  kRoundInstruction: one
// instruction does it; otherwise it adds and subtracts 1.5 * 2^52, and a kernel that needs
// that sum anyway (for the integer in its low bits) subtracts from it itself.
constexpr bool kRoundInstruction = isa::kRoundInstruction;
inline Vec<double> round_even(Vec<double> v) { return (Vec<double>)isa::round_even((isa::F64)v); }

// The lanes in reverse order; the bytes of every lane in reverse order.
template <class V>
inline V reverse(V v) {
  return from_raw<lane_t<V>>(isa::reverse<sizeof(lane_t<V>)>(raw(v)));
}
template <class V>
inline V swap_bytes(V v) {
  constexpr size_t b = sizeof(lane_t<V>);
  static_assert(b == 2 || b == 4 || b == 8, "16-, 32- or 64-bit lanes");
  if constexpr (b == 2) return from_raw<lane_t<V>>(isa::swap_bytes16(raw(v)));
  if constexpr (b == 4) return from_raw<lane_t<V>>(isa::swap_bytes32(raw(v)));
  if constexpr (b == 8) return from_raw<lane_t<V>>(isa::swap_bytes64(raw(v)));
}
// Pairs of lanes (x0, y0, x1, y1, ...) in reverse order, the two lanes of each pair in their
// own order: a reversal of complex elements kept interleaved.
template <class V>
inline V reverse_pairs(V v) {
  using L = lane_t<V>;
  if constexpr (sizeof(L) < 8) {
    return as<L>(reverse(as<typename IntOf<2 * sizeof(L)>::u>(v)));
  } else {
    const V r = reverse(v);
    return zip_lo(odds(r, r), evens(r, r));
  }
}

// ---- the floating-point environment ------------------------------------------------------

// True when the floating-point unit runs in its default mode: rounding to nearest, no
// flushing of subnormals to zero, every exception masked (the exception flags may be set).
// A path that computes a result differently from the C library may stand in for it only
// there.
inline bool default_fp_mode() { return isa::default_fp_mode(); }

// v unchanged, hidden from the optimiser, which can then neither merge nor move the
// computations that use it.
inline double opaque(double v) { return isa::opaque(v); }

// ---- horizontal steps --------------------------------------------------------------------

// One bit per byte of a mask (its top bit), lane 0's bytes lowest.
template <class V>
inline uint64_t byte_signs(V m) {
  return isa::byte_signs(raw(m));
}

}  // namespace simd
}  // namespace qvx

#endif
