// A small SSE2 layer: the few operations the kernels need, under names that say what they
// do.  Only unaligned loads and stores are used.  Kernels are written against these, so a
// wider build later means another layer file, not new kernels.
#ifndef QVX_CORE_SIMD_H
#define QVX_CORE_SIMD_H

#include <emmintrin.h>
#include <stdint.h>

namespace qvx {
namespace simd {

typedef __m128i V;   // 16 bytes of integers
typedef __m128 VF;   // four singles
typedef __m128d VD;  // two doubles

// ---- loads and stores (unaligned) ----
inline V load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
inline void store(void* p, V v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }
inline VF loadf(const float* p) { return _mm_loadu_ps(p); }
inline void storef(float* p, VF v) { _mm_storeu_ps(p, v); }
inline VD loadd(const double* p) { return _mm_loadu_pd(p); }
inline void stored(double* p, VD v) { _mm_storeu_pd(p, v); }
// The low 8 bytes only.
inline V load64(const void* p) { return _mm_loadl_epi64(static_cast<const __m128i*>(p)); }
inline void store64(void* p, V v) { _mm_storel_epi64(static_cast<__m128i*>(p), v); }

// ---- bit-level selection ----
// Lanes of a where mask is all ones, of b where it is all zeros.
inline V select(V mask, V a, V b) {
  return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}

// ---- widening (low and high halves) ----
inline V widen_lo_u8(V v) { return _mm_unpacklo_epi8(v, _mm_setzero_si128()); }
inline V widen_hi_u8(V v) { return _mm_unpackhi_epi8(v, _mm_setzero_si128()); }
inline V widen_lo_s8(V v) { return _mm_srai_epi16(_mm_unpacklo_epi8(v, v), 8); }
inline V widen_hi_s8(V v) { return _mm_srai_epi16(_mm_unpackhi_epi8(v, v), 8); }
inline V widen_lo_u16(V v) { return _mm_unpacklo_epi16(v, _mm_setzero_si128()); }
inline V widen_hi_u16(V v) { return _mm_unpackhi_epi16(v, _mm_setzero_si128()); }
inline V widen_lo_s16(V v) { return _mm_srai_epi32(_mm_unpacklo_epi16(v, v), 16); }
inline V widen_hi_s16(V v) { return _mm_srai_epi32(_mm_unpackhi_epi16(v, v), 16); }

// ---- 32-bit lane min/max (SSE2 has them only for 16-bit signed lanes) ----
inline V min_s32(V a, V b) { return select(_mm_cmplt_epi32(a, b), a, b); }
inline V max_s32(V a, V b) { return select(_mm_cmpgt_epi32(a, b), a, b); }
inline V clamp_s32(V v, V lo, V hi) { return min_s32(max_s32(v, lo), hi); }

// ---- narrowing with saturation ----
inline V narrow_s32_s16(V lo, V hi) { return _mm_packs_epi32(lo, hi); }
inline V narrow_s16_u8(V lo, V hi) { return _mm_packus_epi16(lo, hi); }
inline V narrow_s16_s8(V lo, V hi) { return _mm_packs_epi16(lo, hi); }
// Signed 32-bit lanes already within [0, 65535] into 16-bit lanes (SSE2 has no unsigned
// 32-to-16 pack): bias into the signed range, pack, and flip the bias back.
inline V narrow_u16range_s32_u16(V lo, V hi) {
  const V bias = _mm_set1_epi32(32768);
  V p = _mm_packs_epi32(_mm_sub_epi32(lo, bias), _mm_sub_epi32(hi, bias));
  return _mm_xor_si128(p, _mm_set1_epi16(static_cast<short>(0x8000)));
}

// ---- family helpers are added below, one section per subsystem ----

// -- fixed point --

// -- conversions --

// Four 32-bit lanes as doubles: lanes 0 and 1, then lanes 2 and 3.
inline VD i32_lo_pd(V v) { return _mm_cvtepi32_pd(v); }
inline VD i32_hi_pd(V v) { return _mm_cvtepi32_pd(_mm_shuffle_epi32(v, 0xEE)); }
// Four singles as doubles: lanes 0 and 1, then lanes 2 and 3.
inline VD f32_lo_pd(VF v) { return _mm_cvtps_pd(v); }
inline VD f32_hi_pd(VF v) { return _mm_cvtps_pd(_mm_movehl_ps(v, v)); }
// Two pairs of doubles truncated toward zero into four 32-bit lanes (a before b).
inline V trunc_pd_pair(VD a, VD b) {
  return _mm_unpacklo_epi64(_mm_cvttpd_epi32(a), _mm_cvttpd_epi32(b));
}
// Two pairs of doubles rounded to single precision, as four singles (a before b).
inline VF round_pd_pair(VD a, VD b) { return _mm_movelh_ps(_mm_cvtpd_ps(a), _mm_cvtpd_ps(b)); }
// NaN lanes replaced by +0.0, every other lane kept.
inline VF nan_to_zero(VF v) { return _mm_and_ps(v, _mm_cmpord_ps(v, v)); }
inline VD nan_to_zero(VD v) { return _mm_and_pd(v, _mm_cmpord_pd(v, v)); }

// -- floating point --

// -- bits and arrangement --

}  // namespace simd
}  // namespace qvx

#endif
