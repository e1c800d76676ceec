// The thin operations of the x86-64 baseline (SSE2, 16-byte registers): every operation of
// the vector layer that takes an instruction of its own.  Everything else is written once in
// core/simd.h on GCC's generic vector types.  Where an instruction's result is not the only
// reasonable one (the operand a minimum returns on a NaN, the result of a conversion that
// fails), the comment beside the operation says which result the kernels rely on: another
// instruction set gives the same bits only by reproducing it.
#ifndef QVX_CORE_SIMD_ISA_SSE2_H
#define QVX_CORE_SIMD_ISA_SSE2_H

#include <emmintrin.h>
#include <stddef.h>
#include <stdint.h>

namespace qvx {
namespace simd {
namespace isa {

typedef __m128i Int;
typedef __m128 F32;
typedef __m128d F64;

// No masked loads and stores: tails run the element loop.
constexpr bool kMasked = false;

// ---- minimum and maximum of floating-point lanes ----
// a < b ? a : b and a > b ? a : b, lane by lane: the second operand wherever the comparison
// fails, that is where either lane is a NaN (b as it is, NaN or number, a signalling NaN not
// quieted) and where both are zeros of either sign (min(-0.0, +0.0) is +0.0).
inline F32 min(F32 a, F32 b) { return _mm_min_ps(a, b); }
inline F32 max(F32 a, F32 b) { return _mm_max_ps(a, b); }
inline F64 min(F64 a, F64 b) { return _mm_min_pd(a, b); }
inline F64 max(F64 a, F64 b) { return _mm_max_pd(a, b); }

// ---- integer arithmetic of 8- and 16-bit lanes ----
// Sums and differences saturated to the lane type's range.
inline Int adds_s8(Int a, Int b) { return _mm_adds_epi8(a, b); }
inline Int adds_u8(Int a, Int b) { return _mm_adds_epu8(a, b); }
inline Int adds_s16(Int a, Int b) { return _mm_adds_epi16(a, b); }
inline Int adds_u16(Int a, Int b) { return _mm_adds_epu16(a, b); }
inline Int subs_s8(Int a, Int b) { return _mm_subs_epi8(a, b); }
inline Int subs_u8(Int a, Int b) { return _mm_subs_epu8(a, b); }
inline Int subs_s16(Int a, Int b) { return _mm_subs_epi16(a, b); }
inline Int subs_u16(Int a, Int b) { return _mm_subs_epu16(a, b); }
// The high 16 bits of the 32-bit products of 16-bit lanes, signed or unsigned.
inline Int mulhi_s16(Int a, Int b) { return _mm_mulhi_epi16(a, b); }
inline Int mulhi_u16(Int a, Int b) { return _mm_mulhi_epu16(a, b); }
// The products of signed 16-bit lanes summed in pairs (lanes 2k and 2k + 1) into 32-bit
// lanes, wrapping: the one sum out of range, -32768 * -32768 twice, gives -2147483648.
inline Int madd_s16(Int a, Int b) { return _mm_madd_epi16(a, b); }
// The sum of the absolute differences of each 8 bytes (unsigned), in the low 16 bits of its
// 64-bit lane, the other bits 0.
inline Int sad_u8(Int a, Int b) { return _mm_sad_epu8(a, b); }

// ---- square roots of floating-point lanes ----
// Correctly rounded (IEEE 754): -0.0 stays -0.0, a NaN lane gives that NaN quieted, a
// negative lane the default NaN, whose sign bit is set (0xFFC00000, 0xFFF8000000000000).
inline F32 sqrt(F32 v) { return _mm_sqrt_ps(v); }
inline F64 sqrt(F64 v) { return _mm_sqrt_pd(v); }

// ---- lanes widened to twice their width: the low and the high half of the register ----
// Signed lanes take their sign from a comparison (any ALU port) rather than a shift.
inline Int widen_lo_s8(Int v) { return _mm_unpacklo_epi8(v, _mm_cmpgt_epi8(_mm_setzero_si128(), v)); }
inline Int widen_hi_s8(Int v) { return _mm_unpackhi_epi8(v, _mm_cmpgt_epi8(_mm_setzero_si128(), v)); }
inline Int widen_lo_u8(Int v) { return _mm_unpacklo_epi8(v, _mm_setzero_si128()); }
inline Int widen_hi_u8(Int v) { return _mm_unpackhi_epi8(v, _mm_setzero_si128()); }
inline Int widen_lo_s16(Int v) { return _mm_unpacklo_epi16(v, _mm_cmpgt_epi16(_mm_setzero_si128(), v)); }
inline Int widen_hi_s16(Int v) { return _mm_unpackhi_epi16(v, _mm_cmpgt_epi16(_mm_setzero_si128(), v)); }
inline Int widen_lo_u16(Int v) { return _mm_unpacklo_epi16(v, _mm_setzero_si128()); }
inline Int widen_hi_u16(Int v) { return _mm_unpackhi_epi16(v, _mm_setzero_si128()); }
inline Int widen_lo_s32(Int v) {
  return _mm_unpacklo_epi32(v, _mm_srai_epi32(v, 31));
}
inline Int widen_hi_s32(Int v) {
  return _mm_unpackhi_epi32(v, _mm_srai_epi32(v, 31));
}

// ---- a register of wide lanes loaded from narrower elements (half or quarter a register) ----
// SSE2 has no widening load: a whole register loaded and widened in registers takes fewer
// shuffles per element, so the kernels prefer that (kWidenOnLoad).
constexpr bool kWidenOnLoad = false;
inline Int load_half(const void* p) { return _mm_loadl_epi64(static_cast<const Int*>(p)); }
inline Int load_quarter(const void* p) {
  int32_t v;
  __builtin_memcpy(&v, p, sizeof v);
  return _mm_cvtsi32_si128(v);
}
inline Int load_widen_s8_s16(const void* p) { return widen_lo_s8(load_half(p)); }
inline Int load_widen_u8_u16(const void* p) { return widen_lo_u8(load_half(p)); }
inline Int load_widen_s16_s32(const void* p) { return widen_lo_s16(load_half(p)); }
inline Int load_widen_u16_u32(const void* p) { return widen_lo_u16(load_half(p)); }
inline Int load_widen_s8_s32(const void* p) {
  const Int v = load_quarter(p);
  const Int b = _mm_unpacklo_epi8(v, v);
  return _mm_srai_epi32(_mm_unpacklo_epi16(b, b), 24);
}
inline Int load_widen_u8_u32(const void* p) {
  const Int zero = _mm_setzero_si128();
  return _mm_unpacklo_epi16(_mm_unpacklo_epi8(load_quarter(p), zero), zero);
}
inline F64 load_widen_f32_f64(const void* p) { return _mm_cvtps_pd(_mm_castsi128_ps(load_half(p))); }
inline F64 load_widen_i32_f64(const void* p) { return _mm_cvtepi32_pd(load_half(p)); }

// ---- two registers of wide lanes narrowed with saturation, a's lanes first ----
inline Int narrow_s16_s8(Int a, Int b) { return _mm_packs_epi16(a, b); }
inline Int narrow_s16_u8(Int a, Int b) { return _mm_packus_epi16(a, b); }
inline Int narrow_s32_s16(Int a, Int b) { return _mm_packs_epi32(a, b); }
// SSE2 has no unsigned 32-to-16 pack: clamp into [0, 65535], bias into the signed range,
// pack, and flip the bias back.
inline Int narrow_s32_u16(Int a, Int b) {
  const Int zero = _mm_setzero_si128(), top = _mm_set1_epi32(65535);
  const auto clamp = [&](Int x) {
    x = _mm_and_si128(x, _mm_cmpgt_epi32(x, zero));
    const Int over = _mm_cmpgt_epi32(x, top);
    return _mm_or_si128(_mm_andnot_si128(over, x), _mm_and_si128(over, top));
  };
  const Int bias = _mm_set1_epi32(32768);
  const Int p = _mm_packs_epi32(_mm_sub_epi32(clamp(a), bias), _mm_sub_epi32(clamp(b), bias));
  return _mm_xor_si128(p, _mm_set1_epi16(static_cast<short>(0x8000)));
}

// ---- x - y in the even lanes, x + y in the odd ones ----
// Each lane a true subtraction or addition, rounded once, with the NaN that the operation
// on one element gives: the sign of y is never flipped on its own, so a NaN y keeps its sign.
// SSE2 has no such instruction: both results, then the lanes picked (adding y with its sign
// flipped would give the same numbers but flip the sign of a NaN y).
inline F32 addsub(F32 x, F32 y) {
  const F32 pick = _mm_shuffle_ps(_mm_sub_ps(x, y), _mm_add_ps(x, y), _MM_SHUFFLE(3, 1, 2, 0));
  return _mm_shuffle_ps(pick, pick, _MM_SHUFFLE(3, 1, 2, 0));
}
inline F64 addsub(F64 x, F64 y) { return _mm_move_sd(_mm_add_pd(x, y), _mm_sub_pd(x, y)); }

// ---- double lanes rounded to the nearest integer, ties to even (magnitudes below 2^51) ----
// SSE2 has no such instruction: adding and subtracting 1.5 * 2^52 rounds in the default
// mode, inexact where a lane changes; a lane rounding to zero keeps its sign, as with the
// instruction of later processors.  Kernels that hold the sum already round with it
// themselves (kRoundInstruction).
constexpr bool kRoundInstruction = false;
inline F64 round_even(F64 v) {
  const F64 magic = _mm_set1_pd(0x1.8p52), sign = _mm_set1_pd(-0.0);
  return _mm_or_pd(_mm_sub_pd(_mm_add_pd(v, magic), magic), _mm_and_pd(v, sign));
}

// ---- bytes and elements reordered inside a register ----
inline Int swap_bytes16(Int v) { return _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8)); }
inline Int swap_bytes32(Int v) {
  return swap_bytes16(_mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xB1), 0xB1));
}
inline Int swap_bytes64(Int v) {
  return swap_bytes16(_mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0x1B), 0x1B));
}
// The elements of the register in reverse order, for elements of 1, 2, 4 or 8 bytes.
template <int Bytes>
inline Int reverse(Int v) {
  if constexpr (Bytes == 8) return _mm_shuffle_epi32(v, 0x4E);
  if constexpr (Bytes == 4) return _mm_shuffle_epi32(v, 0x1B);
  const Int words =
      _mm_shuffle_epi32(_mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0x1B), 0x1B), 0x4E);
  if constexpr (Bytes == 2) return words;
  return swap_bytes16(words);
}

// ---- conversions between registers of 32-bit lanes and of doubles ----
// The low or the high half of the lanes as doubles (exact).
inline F64 f32_lo_f64(F32 v) { return _mm_cvtps_pd(v); }
inline F64 f32_hi_f64(F32 v) { return _mm_cvtps_pd(_mm_movehl_ps(v, v)); }
inline F64 i32_lo_f64(Int v) { return _mm_cvtepi32_pd(v); }
inline F64 i32_hi_f64(Int v) { return _mm_cvtepi32_pd(_mm_shuffle_epi32(v, 0xEE)); }
// Two registers of doubles into one of singles (rounded), a's lanes first.
inline F32 f64_f32(F64 a, F64 b) { return _mm_movelh_ps(_mm_cvtpd_ps(a), _mm_cvtpd_ps(b)); }

// ---- floating point to int32, truncated toward zero ----
// A value that is NaN or whose truncation lies outside the int32 range gives -2147483648
// (INT32_MIN, the processor's integer indefinite), never a bound of the range: the library's
// conversions store the low bits of that value.  Singles lane by lane; two registers of
// doubles into one, a's lanes first; and one element.
inline Int f32_trunc_i32(F32 v) { return _mm_cvttps_epi32(v); }
inline Int f64_trunc_i32(F64 a, F64 b) {
  return _mm_unpacklo_epi64(_mm_cvttpd_epi32(a), _mm_cvttpd_epi32(b));
}
inline int32_t trunc_i32(float v) { return _mm_cvttss_si32(_mm_set_ss(v)); }
inline int32_t trunc_i32(double v) { return _mm_cvttsd_si32(_mm_set_sd(v)); }

// ---- stores that bypass the cache (to 16-byte aligned addresses) ----
inline void stream(void* p, Int v) { _mm_stream_si128(static_cast<Int*>(p), v); }
inline void stream_fence() { _mm_sfence(); }

// True when the SSE control and status register holds its default mode: rounding to
// nearest, flush-to-zero and denormals-are-zero off, every exception masked (the exception
// flags, bits 0-5, may be set).
inline bool default_fp_mode() { return (_mm_getcsr() & ~0x3Fu) == 0x1F80u; }

// v unchanged, in a register the compiler cannot see through (so that it neither merges
// nor moves the computations that use it).
inline double opaque(double v) {
  __asm__("" : "+x"(v));
  return v;
}

// One bit per byte of v: its top bit.
inline uint64_t byte_signs(Int v) { return static_cast<uint32_t>(_mm_movemask_epi8(v)); }

// Masked loads and stores are not available; these are never called (kMasked is false).
inline Int load_bytes(const void*, size_t) { return _mm_setzero_si128(); }
inline void store_bytes(void*, Int, size_t) {}

}  // namespace isa
}  // namespace simd
}  // namespace qvx

#endif
