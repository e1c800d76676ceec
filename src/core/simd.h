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

// -- floating point --
// Overloads by element type, so one kernel template serves single and double precision.
inline VF vload(const float* p) { return _mm_loadu_ps(p); }
inline VD vload(const double* p) { return _mm_loadu_pd(p); }
inline void vstore(float* p, VF v) { _mm_storeu_ps(p, v); }
inline void vstore(double* p, VD v) { _mm_storeu_pd(p, v); }
inline VF splat(float v) { return _mm_set1_ps(v); }
inline VD splat(double v) { return _mm_set1_pd(v); }
// (re, im) replicated over the register: twice for singles, once for doubles.
inline VF splat_pair(float re, float im) { return _mm_setr_ps(re, im, re, im); }
inline VD splat_pair(double re, double im) { return _mm_setr_pd(re, im); }
// Interleaved complex data <-> separate registers of real and imaginary parts: 32 bytes at p
// hold four single-precision or two double-precision elements.
inline void deinterleave(const float* p, VF& re, VF& im) {
  const VF a = _mm_loadu_ps(p), b = _mm_loadu_ps(p + 4);
  re = _mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0));
  im = _mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1));
}
inline void deinterleave(const double* p, VD& re, VD& im) {
  VD a = _mm_loadu_pd(p), b = _mm_loadu_pd(p + 2);
  // Keeps both loads whole: folded into the unpacks they would become four half loads.
  __asm__("" : "+x"(a), "+x"(b));
  re = _mm_unpacklo_pd(a, b);
  im = _mm_unpackhi_pd(a, b);
}
inline void interleave(float* p, VF re, VF im) {
  _mm_storeu_ps(p, _mm_unpacklo_ps(re, im));
  _mm_storeu_ps(p + 4, _mm_unpackhi_ps(re, im));
}
inline void interleave(double* p, VD re, VD im) {
  _mm_storeu_pd(p, _mm_unpacklo_pd(re, im));
  _mm_storeu_pd(p + 2, _mm_unpackhi_pd(re, im));
}

// -- bits and arrangement --

}  // namespace simd
}  // namespace qvx

#endif
