// The thin operations of x86-64-v3 (AVX2, 32-byte registers): the ones whose instruction or
// lane order differs between instruction sets.  AVX2 packs and unpacks within each 16-byte
// half, so the narrowing operations put the halves back in order.  A v4 build that keeps
// 32-byte registers uses this file too, with AVX-512VL's masked loads and stores for tails.
#ifndef QVX_CORE_SIMD_ISA_AVX2_H
#define QVX_CORE_SIMD_ISA_AVX2_H

#include <immintrin.h>
#include <stddef.h>
#include <stdint.h>

#define QVX_MM(name) _mm256_##name

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

// ---- two registers of wide lanes narrowed with saturation, a's lanes first ----
inline Int in_order(Int packed) { return _mm256_permute4x64_epi64(packed, 0xD8); }
inline Int narrow_s16_s8(Int a, Int b) { return in_order(_mm256_packs_epi16(a, b)); }
inline Int narrow_s16_u8(Int a, Int b) { return in_order(_mm256_packus_epi16(a, b)); }
inline Int narrow_s32_s16(Int a, Int b) { return in_order(_mm256_packs_epi32(a, b)); }
inline Int narrow_s32_u16(Int a, Int b) { return in_order(_mm256_packus_epi32(a, b)); }

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

// ---- conversions whose widths differ per instruction set ----
inline __m128i trunc_f64_i32(F64 v) { return _mm256_cvttpd_epi32(v); }
// The low and the high half of the 32-bit lanes converted to double.
inline F64 i32_to_f64_lo(Int v) { return _mm256_cvtepi32_pd(_mm256_castsi256_si128(v)); }
inline F64 i32_to_f64_hi(Int v) { return _mm256_cvtepi32_pd(_mm256_extracti128_si256(v, 1)); }

// ---- stores that bypass the cache (to 32-byte aligned addresses) ----
inline void stream(void* p, Int v) { _mm256_stream_si256(static_cast<Int*>(p), v); }
inline void stream_fence() { _mm_sfence(); }

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
