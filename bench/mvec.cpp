// glibc's vector math library (libmvec) as baselines, with the library functions'
// signatures: "mvec" the 8-lane AVX2 forms (where the processor has AVX2), "mvec_sse" the
// 4-lane SSE forms (for the baseline flavour).  What a compiler calls for a vectorised loop
// of sinf and its like under -ffast-math: results of up to 4 ulps, neither the C library's
// double results rounded once nor its errno.  Linked into the benchmark programs alone.
#include <immintrin.h>

#include "harness.h"

// libmvec's entry points, by the vector function ABI's names (b: SSE, d: AVX2).
extern "C" {
#define QVXB_MVEC_DECLARE(fn)      \
  __m256 _ZGVdN8v_##fn##f(__m256); \
  __m128 _ZGVbN4v_##fn##f(__m128); \
  float fn##f(float);
QVXB_MVEC_DECLARE(sin)
QVXB_MVEC_DECLARE(cos)
QVXB_MVEC_DECLARE(tan)
QVXB_MVEC_DECLARE(exp)
QVXB_MVEC_DECLARE(log)
QVXB_MVEC_DECLARE(atan)
QVXB_MVEC_DECLARE(asin)
QVXB_MVEC_DECLARE(acos)
}

namespace {

#define QVXB_MVEC(N, fn)                                                                      \
  __attribute__((target("avx2,fma"))) void avx2_##N(const Qvx32f* s, Qvx32f* d, int len) {    \
    int i = 0;                                                                                \
    for (; i + 8 <= len; i += 8)                                                              \
      _mm256_storeu_ps(d + i, _ZGVdN8v_##fn##f(_mm256_loadu_ps(s + i)));                      \
    for (; i < len; ++i) d[i] = fn##f(s[i]);                                                  \
  }                                                                                           \
  void sse_##N(const Qvx32f* s, Qvx32f* d, int len) {                                         \
    int i = 0;                                                                                \
    for (; i + 4 <= len; i += 4) _mm_storeu_ps(d + i, _ZGVbN4v_##fn##f(_mm_loadu_ps(s + i))); \
    for (; i < len; ++i) d[i] = fn##f(s[i]);                                                  \
  }                                                                                           \
  const bool r1_##N = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") &&      \
                      qvxb::add_baseline("mvec", #N, reinterpret_cast<void*>(&avx2_##N));     \
  const bool r2_##N = qvxb::add_baseline("mvec_sse", #N, reinterpret_cast<void*>(&sse_##N));

QVXB_MVEC(Vector_Sin_32F, sin)
QVXB_MVEC(Vector_Cos_32F, cos)
QVXB_MVEC(Vector_Tan_32F, tan)
QVXB_MVEC(Vector_Exp_32F, exp)
QVXB_MVEC(Vector_Log_32F, log)
QVXB_MVEC(Vector_Atan_32F, atan)
QVXB_MVEC(Vector_Asin_32F, asin)
QVXB_MVEC(Vector_Acos_32F, acos)

}  // namespace
