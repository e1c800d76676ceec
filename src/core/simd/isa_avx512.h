// The thin operations of x86-64-v4 with 64-byte registers (AVX-512 F, BW, DQ, VL): the ones
// whose instruction or lane order differs between instruction sets.  AVX-512 packs within
// each 16-byte quarter, so the narrowing operations put the quarters back in order; loads
// and stores of a partial register use byte masks, which is how tails are done.
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

#define QVX_MM(name) _mm512_##name

namespace qvx {
namespace simd {
namespace isa {

typedef __m512i Int;
typedef __m512 F32;
typedef __m512d F64;

constexpr bool kMasked = true;

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
// No such instruction: the sum, then the difference written into the even lanes only.
inline F32 addsub(F32 x, F32 y) { return _mm512_mask_sub_ps(_mm512_add_ps(x, y), 0x5555, x, y); }
inline F64 addsub(F64 x, F64 y) { return _mm512_mask_sub_pd(_mm512_add_pd(x, y), 0x55, x, y); }

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
inline Int f64_trunc_i32(F64 a, F64 b) {
  return _mm512_inserti64x4(_mm512_castsi256_si512(_mm512_cvttpd_epi32(a)), _mm512_cvttpd_epi32(b), 1);
}

// ---- stores that bypass the cache (to 64-byte aligned addresses) ----
inline void stream(void* p, Int v) { _mm512_stream_si512(static_cast<Int*>(p), v); }
inline void stream_fence() { _mm_sfence(); }

// The SSE control and status register (rounding mode, flush-to-zero, denormals-are-zero,
// exception masks and flags), read without changing it.
inline unsigned control_status() { return _mm_getcsr(); }

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
