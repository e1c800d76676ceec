// The thin operations of x86-64-v4 with 64-byte registers (AVX-512 F, BW, DQ, VL): every
// operation of the vector layer that takes an instruction of its own, with the results of
// core/simd/isa_sse2.h.  AVX-512 packs within each 16-byte quarter, so the narrowing
// operations put the quarters back in order; loads and stores of a partial register use
// byte masks, which is how tails are done.
#ifndef QVX_CORE_SIMD_ISA_AVX512_H
#define QVX_CORE_SIMD_ISA_AVX512_H

// GCC 12 warns that the intrinsics header's "undefined" registers (self-initialised on
// purpose, for lanes that an all-ones mask then overwrites) may be used uninitialised.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop
#include <stddef.h>
#include <stdint.h>

namespace qvx {
namespace simd {
namespace isa {

typedef __m512i Int;
typedef __m512 F32;
typedef __m512d F64;

constexpr bool kMasked = true;

// ---- minimum and maximum of floating-point lanes ----
// a < b ? a : b and a > b ? a : b, lane by lane: the second operand wherever the comparison
// fails, that is where either lane is a NaN (b as it is, NaN or number, a signalling NaN not
// quieted) and where both are zeros of either sign (min(-0.0, +0.0) is +0.0).
inline F32 min(F32 a, F32 b) { return _mm512_min_ps(a, b); }
inline F32 max(F32 a, F32 b) { return _mm512_max_ps(a, b); }
inline F64 min(F64 a, F64 b) { return _mm512_min_pd(a, b); }
inline F64 max(F64 a, F64 b) { return _mm512_max_pd(a, b); }

// ---- integer arithmetic of 8- and 16-bit lanes ----
// Sums and differences saturated to the lane type's range.
inline Int adds_s8(Int a, Int b) { return _mm512_adds_epi8(a, b); }
inline Int adds_u8(Int a, Int b) { return _mm512_adds_epu8(a, b); }
inline Int adds_s16(Int a, Int b) { return _mm512_adds_epi16(a, b); }
inline Int adds_u16(Int a, Int b) { return _mm512_adds_epu16(a, b); }
inline Int subs_s8(Int a, Int b) { return _mm512_subs_epi8(a, b); }
inline Int subs_u8(Int a, Int b) { return _mm512_subs_epu8(a, b); }
inline Int subs_s16(Int a, Int b) { return _mm512_subs_epi16(a, b); }
inline Int subs_u16(Int a, Int b) { return _mm512_subs_epu16(a, b); }
// The high 16 bits of the 32-bit products of 16-bit lanes, signed or unsigned.
inline Int mulhi_s16(Int a, Int b) { return _mm512_mulhi_epi16(a, b); }
inline Int mulhi_u16(Int a, Int b) { return _mm512_mulhi_epu16(a, b); }
// The products of signed 16-bit lanes summed in pairs (lanes 2k and 2k + 1) into 32-bit
// lanes, wrapping: the one sum out of range, -32768 * -32768 twice, gives -2147483648.
inline Int madd_s16(Int a, Int b) { return _mm512_madd_epi16(a, b); }
// The sum of the absolute differences of each 8 bytes (unsigned), in the low 16 bits of its
// 64-bit lane, the other bits 0.
inline Int sad_u8(Int a, Int b) { return _mm512_sad_epu8(a, b); }

// ---- square roots of floating-point lanes ----
// Correctly rounded (IEEE 754): -0.0 stays -0.0, a NaN lane gives that NaN quieted, a
// negative lane the default NaN, whose sign bit is set (0xFFC00000, 0xFFF8000000000000).
inline F32 sqrt(F32 v) { return _mm512_sqrt_ps(v); }
inline F64 sqrt(F64 v) { return _mm512_sqrt_pd(v); }

// ---- lanes widened to twice their width: the low and the high half of the register ----
inline __m256i lo256(Int v) { return _mm512_castsi512_si256(v); }
inline __m256i hi256(Int v) { return _mm512_extracti64x4_epi64(v, 1); }
inline Int widen_lo_s8(Int v) { return _mm512_cvtepi8_epi16(lo256(v)); }
inline Int widen_hi_s8(Int v) { return _mm512_cvtepi8_epi16(hi256(v)); }
inline Int widen_lo_u8(Int v) { return _mm512_cvtepu8_epi16(lo256(v)); }
inline Int widen_hi_u8(Int v) { return _mm512_cvtepu8_epi16(hi256(v)); }
inline Int widen_lo_s16(Int v) { return _mm512_cvtepi16_epi32(lo256(v)); }
inline Int widen_hi_s16(Int v) { return _mm512_cvtepi16_epi32(hi256(v)); }
inline Int widen_lo_u16(Int v) { return _mm512_cvtepu16_epi32(lo256(v)); }
inline Int widen_hi_u16(Int v) { return _mm512_cvtepu16_epi32(hi256(v)); }
inline Int widen_lo_s32(Int v) { return _mm512_cvtepi32_epi64(lo256(v)); }
inline Int widen_hi_s32(Int v) { return _mm512_cvtepi32_epi64(hi256(v)); }

// ---- a register of wide lanes loaded from narrower elements (half or quarter a register) ----
// One instruction with a memory operand: the kernels prefer it to widening in registers.
constexpr bool kWidenOnLoad = true;
inline __m256i load32(const void* p) { return _mm256_loadu_si256(static_cast<const __m256i*>(p)); }
inline __m128i load16(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
inline Int load_widen_s8_s16(const void* p) { return _mm512_cvtepi8_epi16(load32(p)); }
inline Int load_widen_u8_u16(const void* p) { return _mm512_cvtepu8_epi16(load32(p)); }
inline Int load_widen_s16_s32(const void* p) { return _mm512_cvtepi16_epi32(load32(p)); }
inline Int load_widen_u16_u32(const void* p) { return _mm512_cvtepu16_epi32(load32(p)); }
inline Int load_widen_s8_s32(const void* p) { return _mm512_cvtepi8_epi32(load16(p)); }
inline Int load_widen_u8_u32(const void* p) { return _mm512_cvtepu8_epi32(load16(p)); }
inline F64 load_widen_f32_f64(const void* p) { return _mm512_cvtps_pd(_mm256_castsi256_ps(load32(p))); }
inline F64 load_widen_i32_f64(const void* p) { return _mm512_cvtepi32_pd(load32(p)); }

// ---- two registers of wide lanes narrowed with saturation, a's lanes first ----
inline Int in_order(Int packed) {
  return _mm512_permutexvar_epi64(_mm512_setr_epi64(0, 2, 4, 6, 1, 3, 5, 7), packed);
}
inline Int narrow_s16_s8(Int a, Int b) { return in_order(_mm512_packs_epi16(a, b)); }
inline Int narrow_s16_u8(Int a, Int b) { return in_order(_mm512_packus_epi16(a, b)); }
inline Int narrow_s32_s16(Int a, Int b) { return in_order(_mm512_packs_epi32(a, b)); }
inline Int narrow_s32_u16(Int a, Int b) { return in_order(_mm512_packus_epi32(a, b)); }

// ---- x - y in the even lanes, x + y in the odd ones ----
// Each lane a true subtraction or addition, rounded once, with the NaN that the operation
// on one element gives: the sign of y is never flipped on its own, so a NaN y keeps its sign.
// No such instruction: the sum, then the difference written into the even lanes only.
inline F32 addsub(F32 x, F32 y) { return _mm512_mask_sub_ps(_mm512_add_ps(x, y), 0x5555, x, y); }
inline F64 addsub(F64 x, F64 y) { return _mm512_mask_sub_pd(_mm512_add_pd(x, y), 0x55, x, y); }

// ---- double lanes rounded to the nearest integer, ties to even ----
// One instruction (the mode in its immediate, not the control register's); inexact where a
// lane changes; a lane rounding to zero keeps its sign.
constexpr bool kRoundInstruction = true;
inline F64 round_even(F64 v) { return _mm512_roundscale_pd(v, _MM_FROUND_TO_NEAREST_INT); }

// ---- bytes and elements reordered inside a register ----
inline Int bytes_within_quarters(Int v, __m128i order) {
  return _mm512_shuffle_epi8(v, _mm512_broadcast_i32x4(order));
}
inline Int swap_bytes16(Int v) {
  return bytes_within_quarters(v, _mm_setr_epi8(1, 0, 3, 2, 5, 4, 7, 6, 9, 8, 11, 10, 13, 12, 15, 14));
}
inline Int swap_bytes32(Int v) {
  return bytes_within_quarters(v, _mm_setr_epi8(3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8, 15, 14, 13, 12));
}
inline Int swap_bytes64(Int v) {
  return bytes_within_quarters(v, _mm_setr_epi8(7, 6, 5, 4, 3, 2, 1, 0, 15, 14, 13, 12, 11, 10, 9, 8));
}
template <int Bytes>
inline Int reverse(Int v) {
  if constexpr (Bytes == 8) return _mm512_permutexvar_epi64(_mm512_setr_epi64(7, 6, 5, 4, 3, 2, 1, 0), v);
  if constexpr (Bytes == 4) {
    return _mm512_permutexvar_epi32(
        _mm512_setr_epi32(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0), v);
  }
  // Reverse within each quarter, then the quarters.
  const __m128i order = Bytes == 2
      ? _mm_setr_epi8(14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1)
      : _mm_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
  return _mm512_permutexvar_epi64(_mm512_setr_epi64(6, 7, 4, 5, 2, 3, 0, 1),
                                  bytes_within_quarters(v, order));
}

// ---- conversions between registers of 32-bit lanes and of doubles ----
inline F64 f32_lo_f64(F32 v) { return _mm512_cvtps_pd(_mm512_castps512_ps256(v)); }
inline F64 f32_hi_f64(F32 v) { return _mm512_cvtps_pd(_mm512_extractf32x8_ps(v, 1)); }
inline F64 i32_lo_f64(Int v) { return _mm512_cvtepi32_pd(lo256(v)); }
inline F64 i32_hi_f64(Int v) { return _mm512_cvtepi32_pd(hi256(v)); }
inline F32 f64_f32(F64 a, F64 b) {
  return _mm512_insertf32x8(_mm512_castps256_ps512(_mm512_cvtpd_ps(a)), _mm512_cvtpd_ps(b), 1);
}

// ---- floating point to int32, truncated toward zero ----
// A value that is NaN or whose truncation lies outside the int32 range gives -2147483648
// (INT32_MIN, the processor's integer indefinite), never a bound of the range: the library's
// conversions store the low bits of that value.  Singles lane by lane; two registers of
// doubles into one, a's lanes first; and one element.
inline Int f32_trunc_i32(F32 v) { return _mm512_cvttps_epi32(v); }
inline Int f64_trunc_i32(F64 a, F64 b) {
  return _mm512_inserti64x4(_mm512_castsi256_si512(_mm512_cvttpd_epi32(a)),
                            _mm512_cvttpd_epi32(b), 1);
}
inline int32_t trunc_i32(float v) { return _mm_cvttss_si32(_mm_set_ss(v)); }
inline int32_t trunc_i32(double v) { return _mm_cvttsd_si32(_mm_set_sd(v)); }

// ---- stores that bypass the cache (to 64-byte aligned addresses) ----
inline void stream(void* p, Int v) { _mm512_stream_si512(static_cast<Int*>(p), v); }
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

inline uint64_t byte_signs(Int v) { return _mm512_movepi8_mask(v); }

// ---- the first n bytes (n < 64) of a register, loaded or stored with a byte mask: the
// masked-off bytes are neither read nor written, so they may lie on an inaccessible page ----
inline __mmask64 first_bytes(size_t n) { return _bzhi_u64(~0ull, static_cast<unsigned>(n)); }
inline Int load_bytes(const void* p, size_t n) { return _mm512_maskz_loadu_epi8(first_bytes(n), p); }
inline void store_bytes(void* p, Int v, size_t n) { _mm512_mask_storeu_epi8(p, first_bytes(n), v); }

}  // namespace isa
}  // namespace simd
}  // namespace qvx

#endif
