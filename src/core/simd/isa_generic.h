// The thin operations of the vector layer in portable code: GCC's and Clang's vector
// extensions (vector_size types, __builtin_shufflevector, __builtin_convertvector) and plain
// C++, no intrinsics, at the register width the build chooses (QVX_VECTOR_BYTES, 16 or 32).
// It serves any processor these compilers target, and it is the list of what a port to one
// must supply: every function below is an operation the kernels need.  Where an x86
// instruction's result is not the only reasonable one (the operand a minimum returns on a NaN,
// the result of a conversion that fails, the NaN of the square root of a negative number),
// the operation computes that result explicitly, so that this file gives the bits of
// core/simd/isa_sse2.h on any processor; a file for another instruction set must do the same.
// The one exception is the sign of a NaN made from numbers (0 * inf, the root of -1): that is
// the processor's default NaN, as in the element loops' scalar arithmetic (ARM's lacks x86's
// sign bit).
// Nothing here relies on undefined behaviour: wrapping arithmetic is done on unsigned lanes,
// and a conversion never sees a value out of its target's range.
#ifndef QVX_CORE_SIMD_ISA_GENERIC_H
#define QVX_CORE_SIMD_ISA_GENERIC_H

#include <fenv.h>
#include <float.h>
#include <stddef.h>
#include <stdint.h>

#include <limits>
#include <type_traits>
#include <utility>

static_assert(QVX_VECTOR_BYTES == 16 || QVX_VECTOR_BYTES == 32,
              "the portable vector layer has 16- or 32-byte registers");
// The kernels reinterpret registers between lane widths and take the low half of a wide lane
// for the even narrow lane, as on x86: the byte order must be little-endian.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "a little-endian processor");
// IEEE single and double precision, each evaluated in its own format.
static_assert(FLT_MANT_DIG == 24 && DBL_MANT_DIG == 53 && FLT_EVAL_METHOD == 0,
              "IEEE binary32 and binary64 arithmetic without excess precision");

namespace qvx {
namespace simd {
namespace isa {

// Registers of Bytes bytes (the build's width unless said otherwise) of T lanes.
template <class T, int Bytes = kBytes>
struct RegOf {
  typedef T type __attribute__((vector_size(Bytes)));
};
template <class T, int Bytes = kBytes>
using Reg = typename RegOf<T, Bytes>::type;
template <class T>
constexpr int kN = kBytes / static_cast<int>(sizeof(T));

typedef Reg<int64_t> Int;
typedef Reg<float> F32;
typedef Reg<double> F64;

// A register's bits seen as lanes of T, and back.
template <class T>
inline Reg<T> lanes(Int v) {
  return (Reg<T>)v;
}
template <class V>
inline Int bits(V v) {
  return (Int)v;
}

// The lanes at(0), at(1), ... at(Count - 1) of a followed by b (index n + k is lane k of b,
// for registers of n lanes), as a register of Count lanes: half, the same or twice as many.
namespace detail {
template <class V, class At, size_t... I>
inline auto shuffle(V a, V b, At at, std::index_sequence<I...>) {
  return __builtin_shufflevector(a, b, at(I)...);
}
}  // namespace detail
template <int Count, class V, class At>
inline auto shuffle(V a, V b, At at) {
  return detail::shuffle(a, b, at, std::make_index_sequence<Count>());
}
// The low (Hi false) or high half of the lanes of v; the lanes of a followed by those of b.
template <bool Hi, class T, int Bytes>
inline Reg<T, Bytes / 2> half(Reg<T, Bytes> v) {
  constexpr int n = Bytes / static_cast<int>(sizeof(T));
  return shuffle<n / 2>(v, v, [](size_t i) { return i + (Hi ? n / 2 : 0); });
}
template <class T, int Bytes>
inline Reg<T, 2 * Bytes> concat(Reg<T, Bytes> a, Reg<T, Bytes> b) {
  return shuffle<2 * Bytes / static_cast<int>(sizeof(T))>(a, b, [](size_t i) { return i; });
}

// v as a value the compiler cannot know, taken only after everything before it (so that the
// arithmetic on it stays between the calls around it).
template <class T>
inline T unknown(T v) {
  __asm__ volatile("" : "+m"(v) : : "memory");
  return v;
}

// No masked loads and stores: tails run the element loop.
constexpr bool kMasked = false;

// ---- minimum and maximum of floating-point lanes ----
// a < b ? a : b and a > b ? a : b, lane by lane, as x86's minimum and maximum instructions:
// the second operand wherever the comparison fails, that is where either lane is a NaN (b as
// it is, NaN or number, a signalling NaN not quieted) and where both are zeros of either sign
// (min(-0.0, +0.0) is +0.0).  An IEEE minNum or a processor's own minimum instruction gives
// other results for NaNs and zeros: only the selection is exact.
inline F32 min(F32 a, F32 b) { return a < b ? a : b; }
inline F32 max(F32 a, F32 b) { return a > b ? a : b; }
inline F64 min(F64 a, F64 b) { return a < b ? a : b; }
inline F64 max(F64 a, F64 b) { return a > b ? a : b; }

// ---- integer arithmetic of 8- and 16-bit lanes ----
// Sums and differences saturated to the lane type's range.  The wrapped result comes from the
// unsigned lanes; a signed one overflowed where its sign differs from both addends' (from the
// minuend's where the operands' signs differ), and is then the bound of the minuend's sign,
// (a >> bits - 1) ^ max.
template <class S>
inline Int saturated(Reg<S> a, Reg<S> wrapped, Reg<S> over) {
  constexpr int top = 8 * sizeof(S) - 1;
  return bits(over < 0 ? (a >> top) ^ static_cast<S>((1u << top) - 1) : wrapped);
}
template <class S>
inline Int adds_signed(Int x, Int y) {
  typedef std::make_unsigned_t<S> U;
  const Reg<S> a = lanes<S>(x), b = lanes<S>(y), s = (Reg<S>)(lanes<U>(x) + lanes<U>(y));
  return saturated<S>(a, s, (s ^ a) & (s ^ b));
}
template <class S>
inline Int subs_signed(Int x, Int y) {
  typedef std::make_unsigned_t<S> U;
  const Reg<S> a = lanes<S>(x), b = lanes<S>(y), d = (Reg<S>)(lanes<U>(x) - lanes<U>(y));
  return saturated<S>(a, d, (a ^ b) & (a ^ d));
}
// Unsigned: a sum that wrapped is below an addend (then all ones); a difference is 0 where
// the subtrahend is the larger.
template <class U>
inline Int adds_unsigned(Int x, Int y) {
  const Reg<U> s = lanes<U>(x) + lanes<U>(y);
  return bits(s | (Reg<U>)(s < lanes<U>(x)));
}
template <class U>
inline Int subs_unsigned(Int x, Int y) {
  const Reg<U> a = lanes<U>(x), b = lanes<U>(y);
  return bits((a - b) & (Reg<U>)(a >= b));
}
inline Int adds_s8(Int a, Int b) { return adds_signed<int8_t>(a, b); }
inline Int adds_u8(Int a, Int b) { return adds_unsigned<uint8_t>(a, b); }
inline Int adds_s16(Int a, Int b) { return adds_signed<int16_t>(a, b); }
inline Int adds_u16(Int a, Int b) { return adds_unsigned<uint16_t>(a, b); }
inline Int subs_s8(Int a, Int b) { return subs_signed<int8_t>(a, b); }
inline Int subs_u8(Int a, Int b) { return subs_unsigned<uint8_t>(a, b); }
inline Int subs_s16(Int a, Int b) { return subs_signed<int16_t>(a, b); }
inline Int subs_u16(Int a, Int b) { return subs_unsigned<uint16_t>(a, b); }

// The 32-bit products of 16-bit lanes (signed or unsigned by T), in a register of twice the
// width: exact, and within the range of their lane type.
template <class T>
using Products = Reg<std::conditional_t<std::is_signed<T>::value, int32_t, uint32_t>, 2 * kBytes>;
template <class T>
inline Products<T> products(Int a, Int b) {
  return __builtin_convertvector(lanes<T>(a), Products<T>) *
         __builtin_convertvector(lanes<T>(b), Products<T>);
}
// The high 16 bits of the 32-bit products of 16-bit lanes, signed or unsigned.
inline Int mulhi_s16(Int a, Int b) {
  return bits(__builtin_convertvector(products<int16_t>(a, b) >> 16, Reg<int16_t>));
}
inline Int mulhi_u16(Int a, Int b) {
  return bits(__builtin_convertvector(products<uint16_t>(a, b) >> 16, Reg<uint16_t>));
}
// The products of signed 16-bit lanes summed in pairs (lanes 2k and 2k + 1) into 32-bit
// lanes, wrapping: the one sum out of range, -32768 * -32768 twice, gives -2147483648.
inline Int madd_s16(Int a, Int b) {
  const Reg<uint32_t, 2 * kBytes> p = (Reg<uint32_t, 2 * kBytes>)products<int16_t>(a, b);
  return bits(shuffle<kN<uint32_t>>(p, p, [](size_t i) { return 2 * i; }) +
              shuffle<kN<uint32_t>>(p, p, [](size_t i) { return 2 * i + 1; }));
}
// The sum of the absolute differences of each 8 bytes (unsigned), in the low 16 bits of its
// 64-bit lane, the other bits 0: the differences added in pairs, fours, then eights, within
// the 64-bit lane (a sum does not depend on the order of the bytes).
inline Int sad_u8(Int x, Int y) {
  const Reg<uint8_t> a = lanes<uint8_t>(x), b = lanes<uint8_t>(y);
  Reg<uint64_t> s = (Reg<uint64_t>)(a > b ? a - b : b - a);
  s = (s & 0x00FF00FF00FF00FFu) + ((s >> 8) & 0x00FF00FF00FF00FFu);
  s = (s & 0x0000FFFF0000FFFFu) + ((s >> 16) & 0x0000FFFF0000FFFFu);
  return bits((s & 0xFFFFFFFFu) + (s >> 32));
}

// ---- square roots of floating-point lanes ----
// Correctly rounded (IEEE 754): -0.0 stays -0.0, a NaN lane gives that NaN quieted, a
// negative lane the processor's default NaN, the one its scalar square root gives in the
// element loops (x86's has its sign bit set, 0xFFC00000 and 0xFFF8000000000000; ARM's has
// not); the invalid-operation flag is raised for a signalling NaN and a negative number, as
// by the scalar operation.  The NaN lanes are settled here, told by integer comparisons (a
// floating-point one would raise the flag for a quiet NaN).  The compiler's built-in square
// root is one instruction where the processor has one; it calls the C library's sqrt where
// the result is a NaN, which reports a domain error for a negative argument: negative lanes
// take the root of 1 instead, and their NaN is made by the arithmetic, inf * 0 in those lanes
// alone (which raises the flag there and nowhere else).
template <class T, class S>
inline Reg<T> sqrt_lanes(Reg<T> v) {
  constexpr S inf = sizeof(T) == 4 ? S(0x7F800000) : S(0x7FF0000000000000);
  constexpr S quiet = S(1) << (sizeof(T) == 4 ? 22 : 51);
  const Reg<S> b = (Reg<S>)v, mag = b & std::numeric_limits<S>::max();
  const Reg<S> nan = mag > inf, neg = (b < 0) & (mag != 0) & (mag <= inf);
  const Reg<T> one = Reg<T>{} + T(1), infinity = (Reg<T>)(Reg<S>{} + inf);
  const Reg<T> in = neg ? one : v;
  const Reg<T> made = unknown(neg ? infinity : one) * (neg ? Reg<T>{} : one);
  Reg<T> r;
  for (int i = 0; i < kN<T>; ++i) {
    if constexpr (sizeof(T) == 4)
      r[i] = __builtin_sqrtf(in[i]);
    else
      r[i] = __builtin_sqrt(in[i]);
  }
  return (Reg<T>)(nan ? b | quiet : neg ? (Reg<S>)made : (Reg<S>)r);
}
inline F32 sqrt(F32 v) { return sqrt_lanes<float, int32_t>(v); }
inline F64 sqrt(F64 v) { return sqrt_lanes<double, int64_t>(v); }

// ---- lanes widened to twice their width: the low and the high half of the register ----
template <class From, class To, bool Hi>
inline Int widen(Int v) {
  return bits(__builtin_convertvector(half<Hi, From, kBytes>(lanes<From>(v)), Reg<To>));
}
inline Int widen_lo_s8(Int v) { return widen<int8_t, int16_t, false>(v); }
inline Int widen_hi_s8(Int v) { return widen<int8_t, int16_t, true>(v); }
inline Int widen_lo_u8(Int v) { return widen<uint8_t, uint16_t, false>(v); }
inline Int widen_hi_u8(Int v) { return widen<uint8_t, uint16_t, true>(v); }
inline Int widen_lo_s16(Int v) { return widen<int16_t, int32_t, false>(v); }
inline Int widen_hi_s16(Int v) { return widen<int16_t, int32_t, true>(v); }
inline Int widen_lo_u16(Int v) { return widen<uint16_t, uint32_t, false>(v); }
inline Int widen_hi_u16(Int v) { return widen<uint16_t, uint32_t, true>(v); }
inline Int widen_lo_s32(Int v) { return widen<int32_t, int64_t, false>(v); }
inline Int widen_hi_s32(Int v) { return widen<int32_t, int64_t, true>(v); }

// ---- a register of wide lanes loaded from narrower elements (half or quarter a register) ----
// A load of just the narrow elements and one conversion, where widening a whole register in
// registers would take shuffles too: the kernels prefer the load (kWidenOnLoad).
constexpr bool kWidenOnLoad = true;
template <class From, class To>
inline Reg<To> load_widen(const void* p) {
  Reg<From, kBytes * sizeof(From) / sizeof(To)> v;
  __builtin_memcpy(&v, p, sizeof v);
  return __builtin_convertvector(v, Reg<To>);
}
inline Int load_widen_s8_s16(const void* p) { return bits(load_widen<int8_t, int16_t>(p)); }
inline Int load_widen_u8_u16(const void* p) { return bits(load_widen<uint8_t, uint16_t>(p)); }
inline Int load_widen_s16_s32(const void* p) { return bits(load_widen<int16_t, int32_t>(p)); }
inline Int load_widen_u16_u32(const void* p) { return bits(load_widen<uint16_t, uint32_t>(p)); }
inline Int load_widen_s8_s32(const void* p) { return bits(load_widen<int8_t, int32_t>(p)); }
inline Int load_widen_u8_u32(const void* p) { return bits(load_widen<uint8_t, uint32_t>(p)); }
inline F64 load_widen_f32_f64(const void* p) { return load_widen<float, double>(p); }
inline F64 load_widen_i32_f64(const void* p) { return load_widen<int32_t, double>(p); }

// ---- two registers of wide lanes narrowed with saturation, a's lanes first ----
// Each lane clamped to the narrow type's range, then converted (exactly).
template <class From, class To>
inline Int narrow(Int a, Int b) {
  const auto clamp = [](Reg<From> v) {
    const Reg<From> lo = Reg<From>{} + From(std::numeric_limits<To>::min());
    const Reg<From> hi = Reg<From>{} + From(std::numeric_limits<To>::max());
    v = v < lo ? lo : v;
    return __builtin_convertvector(v > hi ? hi : v, Reg<To, kBytes / 2>);
  };
  return bits(concat<To, kBytes / 2>(clamp(lanes<From>(a)), clamp(lanes<From>(b))));
}
inline Int narrow_s16_s8(Int a, Int b) { return narrow<int16_t, int8_t>(a, b); }
inline Int narrow_s16_u8(Int a, Int b) { return narrow<int16_t, uint8_t>(a, b); }
inline Int narrow_s32_s16(Int a, Int b) { return narrow<int32_t, int16_t>(a, b); }
inline Int narrow_s32_u16(Int a, Int b) { return narrow<int32_t, uint16_t>(a, b); }

// ---- x - y in the even lanes, x + y in the odd ones ----
// Each lane a true subtraction or addition, rounded once, with the NaN that the operation
// on one element gives: the sign of y is never flipped on its own, so a NaN y keeps its sign.
// Both results, then the lanes picked (adding y with its sign flipped would give the same
// numbers but flip the sign of a NaN y), as on the x86-64 baseline: the exception flags are
// those of both operations on every lane.  Where both lanes are NaNs, the result is either's
// (quieted): the compiler may swap the operands of the sum, here as in the element loop.
template <class T>
inline Reg<T> addsub_lanes(Reg<T> x, Reg<T> y) {
  return shuffle<kN<T>>(x - y, x + y, [](size_t i) { return i % 2 ? i + kN<T> : i; });
}
inline F32 addsub(F32 x, F32 y) { return addsub_lanes<float>(x, y); }
inline F64 addsub(F64 x, F64 y) { return addsub_lanes<double>(x, y); }

// ---- double lanes rounded to the nearest integer, ties to even (magnitudes below 2^51) ----
// Adding and subtracting 1.5 * 2^52 rounds in the default mode, inexact where a lane
// changes; a lane rounding to zero keeps its sign, as with x86's instruction.  Kernels that
// hold the sum already round with it themselves (kRoundInstruction).
constexpr bool kRoundInstruction = false;
inline F64 round_even(F64 v) {
  const F64 magic = F64{} + 0x1.8p52;
  const Reg<int64_t> sign = (Reg<int64_t>)v & INT64_MIN;
  return (F64)((Reg<int64_t>)((v + magic) - magic) | sign);
}

// ---- bytes and elements reordered inside a register ----
// The bytes of every Bytes-byte lane in reverse order (their index in the register with its
// low bits flipped), and the lanes of Bytes bytes in reverse order.
template <int Bytes>
inline Int swap_bytes(Int v) {
  const Reg<uint8_t> b = lanes<uint8_t>(v);
  return bits(shuffle<kBytes>(b, b, [](size_t i) { return i ^ (Bytes - 1); }));
}
inline Int swap_bytes16(Int v) { return swap_bytes<2>(v); }
inline Int swap_bytes32(Int v) { return swap_bytes<4>(v); }
inline Int swap_bytes64(Int v) { return swap_bytes<8>(v); }
template <int Bytes>
inline Int reverse(Int v) {
  typedef std::conditional_t<
      Bytes == 1, uint8_t,
      std::conditional_t<Bytes == 2, uint16_t, std::conditional_t<Bytes == 4, uint32_t, uint64_t>>>
      T;
  const Reg<T> l = lanes<T>(v);
  return bits(shuffle<kN<T>>(l, l, [](size_t i) { return kN<T> - 1 - i; }));
}

// ---- conversions between registers of 32-bit lanes and of doubles ----
// The low or the high half of the lanes as doubles (exact).
inline F64 f32_lo_f64(F32 v) { return __builtin_convertvector(half<false, float, kBytes>(v), F64); }
inline F64 f32_hi_f64(F32 v) { return __builtin_convertvector(half<true, float, kBytes>(v), F64); }
inline F64 i32_lo_f64(Int v) {
  return __builtin_convertvector(half<false, int32_t, kBytes>(lanes<int32_t>(v)), F64);
}
inline F64 i32_hi_f64(Int v) {
  return __builtin_convertvector(half<true, int32_t, kBytes>(lanes<int32_t>(v)), F64);
}
// Two registers of doubles into one of singles (rounded in the current mode), a's lanes first.
inline F32 f64_f32(F64 a, F64 b) {
  return concat<float, kBytes / 2>(__builtin_convertvector(a, Reg<float, kBytes / 2>),
                                   __builtin_convertvector(b, Reg<float, kBytes / 2>));
}

// ---- floating point to int32, truncated toward zero ----
// A value that is NaN or whose truncation lies outside the int32 range gives -2147483648
// (INT32_MIN, x86's integer indefinite), never a bound of the range: the library's
// conversions store the low bits of that value.  In C++ such a conversion is undefined, and
// processors differ (ARM saturates, NaN to 0): the lanes in range are converted, the others
// replaced.  In range means above the greatest T whose truncation is below INT32_MIN (the
// float -2^31 - 256, the double -2^31 - 1) and below 2^31.  Exception flags are no part of
// the result: a lane out of range raises the invalid-operation flag on x86, here only where
// the comparison of a NaN raises it.  Singles lane by lane; two registers of doubles into
// one, a's lanes first; and one element.
template <class T>
constexpr T kBelowInt32 = sizeof(T) == 4 ? T(-2147483904.0) : T(-2147483649.0);
template <class T, int Bytes>
inline Reg<int32_t, Bytes * 4 / sizeof(T)> trunc_lanes(Reg<T, Bytes> v) {
  typedef Reg<int32_t, Bytes * 4 / sizeof(T)> I;
  const auto above = v > kBelowInt32<T>, in = above & (v < T(2147483648.0));
  const I converted = __builtin_convertvector(in ? v : Reg<T, Bytes>{}, I);
  return __builtin_convertvector(in, I) ? converted : I{} + INT32_MIN;
}
inline Int f32_trunc_i32(F32 v) { return bits(trunc_lanes<float, kBytes>(v)); }
inline Int f64_trunc_i32(F64 a, F64 b) {
  return bits(
      concat<int32_t, kBytes / 2>(trunc_lanes<double, kBytes>(a), trunc_lanes<double, kBytes>(b)));
}
template <class T>
inline int32_t trunc_scalar(T v) {
  return v > kBelowInt32<T> && v < T(2147483648.0) ? static_cast<int32_t>(v) : INT32_MIN;
}
inline int32_t trunc_i32(float v) { return trunc_scalar(v); }
inline int32_t trunc_i32(double v) { return trunc_scalar(v); }

// ---- stores that bypass the cache (to aligned addresses) ----
// Portable code has no store that bypasses the cache: a plain store leaves the same bytes,
// and there are no streaming stores for the fence to order.
inline void stream(void* p, Int v) { __builtin_memcpy(p, &v, sizeof v); }
inline void stream_fence() {}

// ---- the floating-point environment ----
// True when the floating-point unit runs in its default mode: rounding to nearest, neither
// subnormal results flushed to zero nor subnormal operands read as zero, no exception
// trapping.  Portable C reads only the rounding mode and the traps (<fenv.h>), and on x86 with
// glibc even those from the x87 unit's control word, not from the SSE unit's register that
// the compiled arithmetic uses; so the mode is observed in that arithmetic: 1 + 3/4 of an
// ulp rounds up and 1 + 1/4 of one down only to nearest, half the least normal number is 0
// only where results are flushed, and the least subnormal times 2^60 only where operands are.
// The exception flags these raise are restored (<fenv.h>), all but x86's denormal-operand
// flag, which C does not name.  Trapping is read with glibc's fegetexcept where there is one:
// on x86 from the x87 control word, which feenableexcept sets together with the SSE
// unit's, so traps enabled in the SSE unit alone are not seen (and the inexact probe traps).
inline bool default_fp_mode() {
#ifdef __GLIBC__
  if (fegetexcept() != 0) return false;
#endif
  fexcept_t raised;
  fegetexceptflag(&raised, FE_ALL_EXCEPT);
  const double one = unknown(1.0);
  bool ok = one + 0x1.8p-53 == 1 + 0x1p-52 && one + 0x1p-54 == 1 && unknown(DBL_MIN) * 0.5 != 0 &&
            unknown(FLT_MIN) * 0.5f != 0 && unknown(DBL_TRUE_MIN) * 0x1p60 != 0 &&
            unknown(FLT_TRUE_MIN) * 0x1p60f != 0;
  ok = unknown(ok);
  fesetexceptflag(&raised, FE_ALL_EXCEPT);
  return ok;
}

// v unchanged, through memory the compiler cannot see through (so that it neither merges
// nor moves the computations that use it).
inline double opaque(double v) {
  __asm__("" : "+m"(v));
  return v;
}

// One bit per byte of v: its top bit, byte 0's lowest.
inline uint64_t byte_signs(Int v) {
  const Reg<uint8_t> top = lanes<uint8_t>(v) >> 7;
  uint64_t r = 0;
  for (int i = 0; i < kBytes; ++i) r |= uint64_t(top[i]) << i;
  return r;
}

// Masked loads and stores are not available; these are never called (kMasked is false).
inline Int load_bytes(const void*, size_t) { return Int{}; }
inline void store_bytes(void*, Int, size_t) {}

}  // namespace isa
}  // namespace simd
}  // namespace qvx

#endif
