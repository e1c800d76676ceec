// The thin operations of x86-64-v3 (AVX2, 32-byte registers): every operation of the vector
// layer that takes an instruction of its own, with the results of core/simd/isa_sse2.h.
// AVX2 packs and unpacks within each 16-byte half, so the narrowing operations put the halves
// back in order.  A v4 build that keeps 32-byte registers uses this file too, with
// AVX-512VL's masked loads and stores for tails.
#ifndef QVX_CORE_SIMD_ISA_AVX2_H
#define QVX_CORE_SIMD_ISA_AVX2_H

#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>

namespace qvx {
namespace simd {
namespace isa {

typedef __m256i Int;
typedef __m256 F32;
typedef __m256d F64;

#if defined(__AVX512BW__) && defined(__AVX512VL__)
constexpr bool kMasked = true;
#else
constexpr bool kMasked = false;
#endif

// ---- minimum and maximum of floating-point lanes ----
// a < b ? a : b and a > b ? a : b, lane by lane: the second operand wherever the comparison
// fails, that is where either lane is a NaN (b as it is, NaN or number, a signalling NaN not
// quieted) and where both are zeros of either sign (min(-0.0, +0.0) is +0.0).
inline F32 min(F32 a, F32 b) { return _mm256_min_ps(a, b); }
inline F32 max(F32 a, F32 b) { return _mm256_max_ps(a, b); }
inline F64 min(F64 a, F64 b) { return _mm256_min_pd(a, b); }
inline F64 max(F64 a, F64 b) { return _mm256_max_pd(a, b); }

// ---- integer arithmetic of 8- and 16-bit lanes ----
// Sums and differences saturated to the lane type's range.
inline Int adds_s8(Int a, Int b) { return _mm256_adds_epi8(a, b); }
inline Int adds_u8(Int a, Int b) { return _mm256_adds_epu8(a, b); }
inline Int adds_s16(Int a, Int b) { return _mm256_adds_epi16(a, b); }
inline Int adds_u16(Int a, Int b) { return _mm256_adds_epu16(a, b); }
inline Int subs_s8(Int a, Int b) { return _mm256_subs_epi8(a, b); }
inline Int subs_u8(Int a, Int b) { return _mm256_subs_epu8(a, b); }
inline Int subs_s16(Int a, Int b) { return _mm256_subs_epi16(a, b); }
inline Int subs_u16(Int a, Int b) { return _mm256_subs_epu16(a, b); }
// The high 16 bits of the 32-bit products of 16-bit lanes, signed or unsigned.
inline Int mulhi_s16(Int a, Int b) { return _mm256_mulhi_epi16(a, b); }
inline Int mulhi_u16(Int a, Int b) { return _mm256_mulhi_epu16(a, b); }
// The products of signed 16-bit lanes summed in pairs (lanes 2k and 2k + 1) into 32-bit
// lanes, wrapping: the one sum out of range, -32768 * -32768 twice, gives -2147483648.
inline Int madd_s16(Int a, Int b) { return _mm256_madd_epi16(a, b); }
// The sum of the absolute differences of each 8 bytes (unsigned), in the low 16 bits of its
// 64-bit lane, the other bits 0.
inline Int sad_u8(Int a, Int b) { return _mm256_sad_epu8(a, b); }

// ---- square roots of floating-point lanes ----
// Correctly rounded (IEEE 754): -0.0 stays -0.0, a NaN lane gives that NaN quieted, a
// negative lane the default NaN, whose sign bit is set (0xFFC00000, 0xFFF8000000000000).
inline F32 sqrt(F32 v) { return _mm256_sqrt_ps(v); }
inline F64 sqrt(F64 v) { return _mm256_sqrt_pd(v); }

// ---- lanes widened to twice their width: the low and the high half of the register ----
inline __m128i lo128(Int v) { return _mm256_castsi256_si128(v); }
inline __m128i hi128(Int v) { return _mm256_extracti128_si256(v, 1); }
inline Int widen_lo_s8(Int v) { return _mm256_cvtepi8_epi16(lo128(v)); }
inline Int widen_hi_s8(Int v) { return _mm256_cvtepi8_epi16(hi128(v)); }
inline Int widen_lo_u8(Int v) { return _mm256_cvtepu8_epi16(lo128(v)); }
inline Int widen_hi_u8(Int v) { return _mm256_cvtepu8_epi16(hi128(v)); }
inline Int widen_lo_s16(Int v) { return _mm256_cvtepi16_epi32(lo128(v)); }
inline Int widen_hi_s16(Int v) { return _mm256_cvtepi16_epi32(hi128(v)); }
inline Int widen_lo_u16(Int v) { return _mm256_cvtepu16_epi32(lo128(v)); }
inline Int widen_hi_u16(Int v) { return _mm256_cvtepu16_epi32(hi128(v)); }
inline Int widen_lo_s32(Int v) { return _mm256_cvtepi32_epi64(lo128(v)); }
inline Int widen_hi_s32(Int v) { return _mm256_cvtepi32_epi64(hi128(v)); }

// ---- a register of wide lanes loaded from narrower elements (half or quarter a register) ----
// One instruction with a memory operand: the kernels prefer it to widening in registers.
constexpr bool kWidenOnLoad = true;
inline __m128i load16(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
inline __m128i load8(const void* p) { return _mm_loadl_epi64(static_cast<const __m128i*>(p)); }
inline Int load_widen_s8_s16(const void* p) { return _mm256_cvtepi8_epi16(load16(p)); }
inline Int load_widen_u8_u16(const void* p) { return _mm256_cvtepu8_epi16(load16(p)); }
inline Int load_widen_s16_s32(const void* p) { return _mm256_cvtepi16_epi32(load16(p)); }
inline Int load_widen_u16_u32(const void* p) { return _mm256_cvtepu16_epi32(load16(p)); }
inline Int load_widen_s8_s32(const void* p) { return _mm256_cvtepi8_epi32(load8(p)); }
inline Int load_widen_u8_u32(const void* p) { return _mm256_cvtepu8_epi32(load8(p)); }
inline F64 load_widen_f32_f64(const void* p) { return _mm256_cvtps_pd(_mm_castsi128_ps(load16(p))); }
inline F64 load_widen_i32_f64(const void* p) { return _mm256_cvtepi32_pd(load16(p)); }

// ---- two registers of wide lanes narrowed with saturation, a's lanes first ----
inline Int in_order(Int packed) { return _mm256_permute4x64_epi64(packed, 0xD8); }
inline Int narrow_s16_s8(Int a, Int b) { return in_order(_mm256_packs_epi16(a, b)); }
inline Int narrow_s16_u8(Int a, Int b) { return in_order(_mm256_packus_epi16(a, b)); }
inline Int narrow_s32_s16(Int a, Int b) { return in_order(_mm256_packs_epi32(a, b)); }
inline Int narrow_s32_u16(Int a, Int b) { return in_order(_mm256_packus_epi32(a, b)); }

// ---- x - y in the even lanes, x + y in the odd ones ----
// Each lane a true subtraction or addition, rounded once, with the NaN that the operation
// on one element gives: the sign of y is never flipped on its own, so a NaN y keeps its sign.
inline F32 addsub(F32 x, F32 y) { return _mm256_addsub_ps(x, y); }
inline F64 addsub(F64 x, F64 y) { return _mm256_addsub_pd(x, y); }

// ---- double lanes rounded to the nearest integer, ties to even ----
// One instruction (the mode in its immediate, not the control register's); inexact where a
// lane changes; a lane rounding to zero keeps its sign.
constexpr bool kRoundInstruction = true;
inline F64 round_even(F64 v) { return _mm256_round_pd(v, _MM_FROUND_TO_NEAREST_INT); }

// ---- bytes and elements reordered inside a register ----
inline Int bytes_within_halves(Int v, __m128i order) {
  return _mm256_shuffle_epi8(v, _mm256_broadcastsi128_si256(order));
}
inline Int swap_bytes16(Int v) {
  return bytes_within_halves(v, _mm_setr_epi8(1, 0, 3, 2, 5, 4, 7, 6, 9, 8, 11, 10, 13, 12, 15, 14));
}
inline Int swap_bytes32(Int v) {
  return bytes_within_halves(v, _mm_setr_epi8(3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8, 15, 14, 13, 12));
}
inline Int swap_bytes64(Int v) {
  return bytes_within_halves(v, _mm_setr_epi8(7, 6, 5, 4, 3, 2, 1, 0, 15, 14, 13, 12, 11, 10, 9, 8));
}
template <int Bytes>
inline Int reverse(Int v) {
  if constexpr (Bytes == 8) return _mm256_permute4x64_epi64(v, 0x1B);
  if constexpr (Bytes == 4) return _mm256_permutevar8x32_epi32(v, _mm256_setr_epi32(7, 6, 5, 4, 3, 2, 1, 0));
  // Reverse within each half, then exchange the halves.
  const __m128i order = Bytes == 2
      ? _mm_setr_epi8(14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1)
      : _mm_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
  return _mm256_permute4x64_epi64(bytes_within_halves(v, order), 0x4E);
}

// ---- conversions between registers of 32-bit lanes and of doubles ----
inline F64 f32_lo_f64(F32 v) { return _mm256_cvtps_pd(_mm256_castps256_ps128(v)); }
inline F64 f32_hi_f64(F32 v) { return _mm256_cvtps_pd(_mm256_extractf128_ps(v, 1)); }
inline F64 i32_lo_f64(Int v) { return _mm256_cvtepi32_pd(lo128(v)); }
inline F64 i32_hi_f64(Int v) { return _mm256_cvtepi32_pd(hi128(v)); }
inline F32 f64_f32(F64 a, F64 b) {
  return _mm256_insertf128_ps(_mm256_castps128_ps256(_mm256_cvtpd_ps(a)), _mm256_cvtpd_ps(b), 1);
}

// ---- floating point to int32, truncated toward zero ----
// A value that is NaN or whose truncation lies outside the int32 range gives -2147483648
// (INT32_MIN, the processor's integer indefinite), never a bound of the range: the library's
// conversions store the low bits of that value.  Singles lane by lane; two registers of
// doubles into one, a's lanes first; and one element.
inline Int f32_trunc_i32(F32 v) { return _mm256_cvttps_epi32(v); }
inline Int f64_trunc_i32(F64 a, F64 b) {
  return _mm256_inserti128_si256(_mm256_castsi128_si256(_mm256_cvttpd_epi32(a)),
                                 _mm256_cvttpd_epi32(b), 1);
}
inline int32_t trunc_i32(float v) { return _mm_cvttss_si32(_mm_set_ss(v)); }
inline int32_t trunc_i32(double v) { return _mm_cvttsd_si32(_mm_set_sd(v)); }

// ---- stores that bypass the cache (to 32-byte aligned addresses) ----
inline void stream(void* p, Int v) { _mm256_stream_si256(static_cast<Int*>(p), v); }
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

inline uint64_t byte_signs(Int v) { return static_cast<uint32_t>(_mm256_movemask_epi8(v)); }

// ---- the first n bytes (n < 32) of a register, loaded or stored with a byte mask: the
// masked-off bytes are neither read nor written, so they may lie on an inaccessible page ----
#if defined(__AVX512BW__) && defined(__AVX512VL__)
inline Int load_bytes(const void* p, size_t n) {
  return _mm256_maskz_loadu_epi8(static_cast<__mmask32>(_bzhi_u32(~0u, static_cast<unsigned>(n))), p);
}
inline void store_bytes(void* p, Int v, size_t n) {
  _mm256_mask_storeu_epi8(p, static_cast<__mmask32>(_bzhi_u32(~0u, static_cast<unsigned>(n))), v);
}
#else
inline Int load_bytes(const void*, size_t) { return _mm256_setzero_si256(); }
inline void store_bytes(void*, Int, size_t) {}
#endif

}  // namespace isa
}  // namespace simd
}  // namespace qvx

#endif
