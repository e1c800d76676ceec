// SLEEF's single-precision functions of at most 1 ulp error as baselines, with the library
// functions' signatures: "sleef" is the 8-lane AVX2 form (where the processor has AVX2),
// "sleef_sse" the 4-lane SSE2 form (for the baseline flavour).  Their results are SLEEF's
// own, not the C library's rounded once: they show what a user gives up accuracy-for-speed
// for.  Only built where SLEEF is installed (Debian: libsleef-dev); nothing else needs it.
#include <immintrin.h>
#include <sleef.h>

#include "harness.h"

// SLEEF's header declares its AVX2 functions only where the whole file targets AVX; this file
// is compiled for the baseline (the AVX2 callers alone carry the AVX2 target), so they are
// declared here, as the header would.
extern "C" {
struct SleefFloat8Pair {
  __m256 x, y;
};
#define QVXB_SLEEF_AVX2(f) __m256 Sleef_##f##f8_u10avx2(__m256);
QVXB_SLEEF_AVX2(sin)
QVXB_SLEEF_AVX2(cos)
QVXB_SLEEF_AVX2(tan)
QVXB_SLEEF_AVX2(exp)
QVXB_SLEEF_AVX2(log)
QVXB_SLEEF_AVX2(atan)
QVXB_SLEEF_AVX2(asin)
QVXB_SLEEF_AVX2(acos)
SleefFloat8Pair Sleef_sincosf8_u10avx2(__m256);
__m256 Sleef_powf8_u10avx2(__m256, __m256);
}

namespace {

#define QVXB_SLEEF(N, f)                                                                           \
  __attribute__((target("avx2,fma"))) void avx2_##N(const Qvx32f* s, Qvx32f* d, int len) {         \
    int i = 0;                                                                                     \
    for (; i + 8 <= len; i += 8)                                                                   \
      _mm256_storeu_ps(d + i, Sleef_##f##f8_u10avx2(_mm256_loadu_ps(s + i)));                      \
    for (; i < len; ++i) d[i] = Sleef_##f##f1_u10purec(s[i]);                                      \
  }                                                                                                \
  void sse2_##N(const Qvx32f* s, Qvx32f* d, int len) {                                             \
    int i = 0;                                                                                     \
    for (; i + 4 <= len; i += 4) _mm_storeu_ps(d + i, Sleef_##f##f4_u10sse2(_mm_loadu_ps(s + i))); \
    for (; i < len; ++i) d[i] = Sleef_##f##f1_u10purec(s[i]);                                      \
  }                                                                                                \
  const bool r1_##N = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") &&           \
                      qvxb::add_baseline("sleef", #N, reinterpret_cast<void*>(&avx2_##N));         \
  const bool r2_##N = qvxb::add_baseline("sleef_sse", #N, reinterpret_cast<void*>(&sse2_##N));

QVXB_SLEEF(Vector_Sin_32F, sin)
QVXB_SLEEF(Vector_Cos_32F, cos)
QVXB_SLEEF(Vector_Tan_32F, tan)
QVXB_SLEEF(Vector_Exp_32F, exp)
QVXB_SLEEF(Vector_Log_32F, log)
QVXB_SLEEF(Vector_Atan_32F, atan)
QVXB_SLEEF(Vector_Asin_32F, asin)
QVXB_SLEEF(Vector_Acos_32F, acos)

// pow: bases and exponents.
__attribute__((target("avx2,fma"))) void avx2_pow(const Qvx32f* a, const Qvx32f* b, Qvx32f* d,
                                                  int len) {
  int i = 0;
  for (; i + 8 <= len; i += 8)
    _mm256_storeu_ps(d + i, Sleef_powf8_u10avx2(_mm256_loadu_ps(a + i), _mm256_loadu_ps(b + i)));
  for (; i < len; ++i) d[i] = Sleef_powf1_u10purec(a[i], b[i]);
}
void sse2_pow(const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int len) {
  int i = 0;
  for (; i + 4 <= len; i += 4)
    _mm_storeu_ps(d + i, Sleef_powf4_u10sse2(_mm_loadu_ps(a + i), _mm_loadu_ps(b + i)));
  for (; i < len; ++i) d[i] = Sleef_powf1_u10purec(a[i], b[i]);
}
const bool r1_pow = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") &&
                    qvxb::add_baseline("sleef", "Vector_Pow_32F", reinterpret_cast<void*>(&avx2_pow));
const bool r2_pow = qvxb::add_baseline("sleef_sse", "Vector_Pow_32F", reinterpret_cast<void*>(&sse2_pow));

// sincos: both results of each register.
__attribute__((target("avx2,fma"))) void avx2_sincos(const Qvx32f* s, Qvx32f* ds, Qvx32f* dc,
                                                     int len) {
  int i = 0;
  for (; i + 8 <= len; i += 8) {
    const SleefFloat8Pair r = Sleef_sincosf8_u10avx2(_mm256_loadu_ps(s + i));
    _mm256_storeu_ps(ds + i, r.x);
    _mm256_storeu_ps(dc + i, r.y);
  }
  for (; i < len; ++i) {
    ds[i] = Sleef_sinf1_u10purec(s[i]);
    dc[i] = Sleef_cosf1_u10purec(s[i]);
  }
}
void sse2_sincos(const Qvx32f* s, Qvx32f* ds, Qvx32f* dc, int len) {
  int i = 0;
  for (; i + 4 <= len; i += 4) {
    const Sleef___m128_2 r = Sleef_sincosf4_u10sse2(_mm_loadu_ps(s + i));
    _mm_storeu_ps(ds + i, r.x);
    _mm_storeu_ps(dc + i, r.y);
  }
  for (; i < len; ++i) {
    ds[i] = Sleef_sinf1_u10purec(s[i]);
    dc[i] = Sleef_cosf1_u10purec(s[i]);
  }
}
const bool r1_sincos =
    __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") &&
    qvxb::add_baseline("sleef", "Vector_SinCos_32F", reinterpret_cast<void*>(&avx2_sincos));
const bool r2_sincos =
    qvxb::add_baseline("sleef_sse", "Vector_SinCos_32F", reinterpret_cast<void*>(&sse2_sincos));

}  // namespace
