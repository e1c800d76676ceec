// The thin operations of the x86-64 baseline (SSE2, 16-byte registers): the ones whose
// instruction or lane order differs between instruction sets.  Everything else is written
// once in core/simd.h on GCC's generic vector types, or reaches the regular-named
// instructions through QVX_MM.
#ifndef QVX_CORE_SIMD_ISA_SSE2_H
#define QVX_CORE_SIMD_ISA_SSE2_H

#include <emmintrin.h>
#include <stddef.h>
#include <stdint.h>

// The intrinsic of this width for an instruction whose name is the same at every width
// (adds_epi16 -> _mm_adds_epi16).
#define QVX_MM(name) _mm_##name

namespace qvx {
namespace simd {
namespace isa {

typedef __m128i Int;
typedef __m128 F32;
typedef __m128d F64;

// No masked loads and stores: tails run the element loop.
constexpr bool kMasked = false;

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
// SSE2 has no such instruction: both results, then the lanes picked.  (Flipping the sign of
// y and adding would give the same numbers but flip the sign of a NaN y, which a true
// subtraction passes on unchanged, as the element loop does.)
inline F32 addsub(F32 x, F32 y) {
  const F32 pick = _mm_shuffle_ps(_mm_sub_ps(x, y), _mm_add_ps(x, y), _MM_SHUFFLE(3, 1, 2, 0));
  return _mm_shuffle_ps(pick, pick, _MM_SHUFFLE(3, 1, 2, 0));
}
inline F64 addsub(F64 x, F64 y) { return _mm_move_sd(_mm_add_pd(x, y), _mm_sub_pd(x, y)); }

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
// Two registers of doubles into one of singles (rounded) or of int32 lanes (truncated toward
// zero; NaN and out of range: -2147483648), a's lanes first.
inline F32 f64_f32(F64 a, F64 b) { return _mm_movelh_ps(_mm_cvtpd_ps(a), _mm_cvtpd_ps(b)); }
inline Int f64_trunc_i32(F64 a, F64 b) {
  return _mm_unpacklo_epi64(_mm_cvttpd_epi32(a), _mm_cvttpd_epi32(b));
}

// ---- stores that bypass the cache (to 16-byte aligned addresses) ----
inline void stream(void* p, Int v) { _mm_stream_si128(static_cast<Int*>(p), v); }
inline void stream_fence() { _mm_sfence(); }

// The SSE control and status register (rounding mode, flush-to-zero, denormals-are-zero,
// exception masks and flags), read without changing it.
inline unsigned control_status() { return _mm_getcsr(); }

// One bit per byte of v: its top bit.
inline uint64_t byte_signs(Int v) { return static_cast<uint32_t>(_mm_movemask_epi8(v)); }

// Masked loads and stores are not available; these are never called (kMasked is false).
inline Int load_bytes(const void*, size_t) { return _mm_setzero_si128(); }
inline void store_bytes(void*, Int, size_t) {}

}  // namespace isa
}  // namespace simd
}  // namespace qvx

#endif
