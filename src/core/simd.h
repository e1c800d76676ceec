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

// Shifts of every lane by one count per call.  Each helper is built once per call (the
// count and its constants in registers) and applied to every block.  SSE2 takes a shift
// count from a register, so one kernel serves every scale factor.

// Right shifts: logical for unsigned lanes (bits shifted in are 0), arithmetic (rounding
// toward minus infinity) for signed ones.  8-bit lanes shift as 16-bit lanes and drop the
// bits that crossed in from the neighbouring byte.  Counts up to the lane width - 1.
struct ShrU8 {
  V cnt, keep;
  explicit ShrU8(int n)
      : cnt(_mm_cvtsi32_si128(n)), keep(_mm_set1_epi8(static_cast<char>(0xFF >> n))) {}
  V operator()(V x) const { return _mm_and_si128(_mm_srl_epi16(x, cnt), keep); }
};
struct ShrU16 {
  V cnt;
  explicit ShrU16(int n) : cnt(_mm_cvtsi32_si128(n)) {}
  V operator()(V x) const { return _mm_srl_epi16(x, cnt); }
};
struct ShrS16 {
  V cnt;
  explicit ShrS16(int n) : cnt(_mm_cvtsi32_si128(n)) {}
  V operator()(V x) const { return _mm_sra_epi16(x, cnt); }
};
struct ShrS32 {
  V cnt;
  explicit ShrS32(int n) : cnt(_mm_cvtsi32_si128(n)) {}
  V operator()(V x) const { return _mm_sra_epi32(x, cnt); }
};

// Saturating left shifts by s = 1 .. H of the lane type (8U 8, 16U 16, 16S 15, 32S 31):
// x * 2^s clamped to the lane's range.  At s = H every nonzero lane becomes the bound of its
// sign, which is the sign fill.
struct ShlSatU8 {
  V cnt, keep, limit;
  explicit ShlSatU8(int s)
      : cnt(_mm_cvtsi32_si128(s)),
        keep(_mm_set1_epi8(static_cast<char>((0xFF << s) & 0xFF))),
        limit(_mm_set1_epi8(static_cast<char>(0xFF >> s))) {}
  V operator()(V x) const {
    // Lanes above 255 >> s overflow: all ones.  The others shift within their byte.
    const V fits = _mm_cmpeq_epi8(_mm_subs_epu8(x, limit), _mm_setzero_si128());
    const V shifted = _mm_and_si128(_mm_sll_epi16(x, cnt), keep);
    return _mm_or_si128(shifted, _mm_andnot_si128(fits, _mm_set1_epi8(-1)));
  }
};
struct ShlSatU16 {
  V cnt, limit;
  explicit ShlSatU16(int s)
      : cnt(_mm_cvtsi32_si128(s)), limit(_mm_set1_epi16(static_cast<short>(0xFFFF >> s))) {}
  V operator()(V x) const {
    const V fits = _mm_cmpeq_epi16(_mm_subs_epu16(x, limit), _mm_setzero_si128());
    return _mm_or_si128(_mm_sll_epi16(x, cnt), _mm_andnot_si128(fits, _mm_set1_epi16(-1)));
  }
};
struct ShlSatS16 {
  V cnt, lo, hi, low_bits;
  explicit ShlSatS16(int s)
      : cnt(_mm_cvtsi32_si128(s)),
        lo(_mm_set1_epi16(static_cast<short>(-32768 >> s))),
        hi(_mm_set1_epi16(static_cast<short>(32767 >> s))),
        low_bits(_mm_set1_epi16(static_cast<short>((1 << s) - 1))) {}
  V operator()(V x) const {
    // Clamped to [-32768 >> s, 32767 >> s] the shift is exact; the low end then lands on
    // -32768 itself, the high end on 32767 with its low s bits clear, which the lanes that
    // were above it get back.
    const V c = _mm_min_epi16(_mm_max_epi16(x, lo), hi);
    return _mm_or_si128(_mm_sll_epi16(c, cnt), _mm_and_si128(_mm_cmpgt_epi16(x, hi), low_bits));
  }
};
struct ShlSatS32 {
  V cnt, lo, hi;
  explicit ShlSatS32(int s)
      : cnt(_mm_cvtsi32_si128(s)),
        lo(_mm_set1_epi32(static_cast<int32_t>(INT32_MIN >> s))),
        hi(_mm_set1_epi32(INT32_MAX >> s)) {}
  V operator()(V x) const {
    const V over = _mm_cmpgt_epi32(x, hi);
    const V under = _mm_cmplt_epi32(x, lo);
    const V shifted = _mm_andnot_si128(_mm_or_si128(over, under), _mm_sll_epi32(x, cnt));
    return _mm_or_si128(shifted,
                        _mm_or_si128(_mm_and_si128(over, _mm_set1_epi32(INT32_MAX)),
                                     _mm_and_si128(under, _mm_set1_epi32(INT32_MIN))));
  }
};

// Saturating 32-bit addition and subtraction (SSE2 has them only for 8- and 16-bit lanes):
// where the wrapped result has the wrong sign, the bound of the true result's sign.
inline V adds_s32(V a, V b) {
  const V s = _mm_add_epi32(a, b);
  const V over = _mm_srai_epi32(_mm_and_si128(_mm_xor_si128(s, a), _mm_xor_si128(s, b)), 31);
  const V bound = _mm_xor_si128(_mm_srai_epi32(a, 31), _mm_set1_epi32(INT32_MAX));
  return select(over, bound, s);
}
inline V subs_s32(V a, V b) {
  const V d = _mm_sub_epi32(a, b);
  const V over = _mm_srai_epi32(_mm_and_si128(_mm_xor_si128(a, b), _mm_xor_si128(a, d)), 31);
  const V bound = _mm_xor_si128(_mm_srai_epi32(a, 31), _mm_set1_epi32(INT32_MAX));
  return select(over, bound, d);
}

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

// Byte order inside each 16-, 32- or 64-bit lane reversed: the 16-bit words are put in
// reverse order with word shuffles, then the two bytes of every word exchanged.
inline V swap_bytes16(V v) { return _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8)); }
inline V swap_bytes32(V v) {
  return swap_bytes16(_mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xB1), 0xB1));
}
inline V swap_bytes64(V v) {
  return swap_bytes16(_mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0x1B), 0x1B));
}

// The elements of a 16-byte block in reverse order, for elements of 1, 2, 4 or 8 bytes.
template <int Bytes>
inline V reverse_block(V v) {
  static_assert(Bytes == 1 || Bytes == 2 || Bytes == 4 || Bytes == 8, "element width");
  if (Bytes == 8) return _mm_shuffle_epi32(v, 0x4E);
  if (Bytes == 4) return _mm_shuffle_epi32(v, 0x1B);
  const V words = _mm_shuffle_epi32(_mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0x1B), 0x1B), 0x4E);
  return Bytes == 2 ? words : swap_bytes16(words);
}

// Two-channel data: the 16 bytes of a followed by the 16 bytes of b hold pairs (first,
// second); first_of / second_of gather one channel of them into one register.  Every form
// moves bits only (the 16-bit form packs values it has sign-extended, so the saturating
// pack never clips; the 8-bit form packs zero-extended bytes).
template <int Bytes>
inline V first_of(V a, V b) {
  if (Bytes == 1) {
    const V low = _mm_set1_epi16(0x00FF);
    return _mm_packus_epi16(_mm_and_si128(a, low), _mm_and_si128(b, low));
  }
  if (Bytes == 2) {
    return _mm_packs_epi32(_mm_srai_epi32(_mm_slli_epi32(a, 16), 16),
                           _mm_srai_epi32(_mm_slli_epi32(b, 16), 16));
  }
  if (Bytes == 4) {
    return _mm_castps_si128(_mm_shuffle_ps(_mm_castsi128_ps(a), _mm_castsi128_ps(b), 0x88));
  }
  return _mm_unpacklo_epi64(a, b);
}
template <int Bytes>
inline V second_of(V a, V b) {
  if (Bytes == 1) return _mm_packus_epi16(_mm_srli_epi16(a, 8), _mm_srli_epi16(b, 8));
  if (Bytes == 2) return _mm_packs_epi32(_mm_srai_epi32(a, 16), _mm_srai_epi32(b, 16));
  if (Bytes == 4) {
    return _mm_castps_si128(_mm_shuffle_ps(_mm_castsi128_ps(a), _mm_castsi128_ps(b), 0xDD));
  }
  return _mm_unpackhi_epi64(a, b);
}

// Interleaving: the pairs (a[k], b[k]) of the low (lo) or high (hi) half of the lanes.
template <int Bytes>
inline V interleave_lo(V a, V b) {
  if (Bytes == 1) return _mm_unpacklo_epi8(a, b);
  if (Bytes == 2) return _mm_unpacklo_epi16(a, b);
  if (Bytes == 4) return _mm_unpacklo_epi32(a, b);
  return _mm_unpacklo_epi64(a, b);
}
template <int Bytes>
inline V interleave_hi(V a, V b) {
  if (Bytes == 1) return _mm_unpackhi_epi8(a, b);
  if (Bytes == 2) return _mm_unpackhi_epi16(a, b);
  if (Bytes == 4) return _mm_unpackhi_epi32(a, b);
  return _mm_unpackhi_epi64(a, b);
}

}  // namespace simd
}  // namespace qvx

#endif
