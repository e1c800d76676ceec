// The benchmark harness: every function of the table can be timed through its signature
// shape, against the baselines that exist for it, in one run and back to back.
//
// Baselines are functions with the library function's own signature, registered by name:
//   user   the plain element loop a user would write, compiled as a user compiles it (-O3
//          for the flavour's instruction set: the compiler vectorises it where it can);
//   plain  the same loop compiled with -O2 -fno-tree-vectorize (one element at a time);
//   volk   VOLK's nearest kernel, dispatched for this processor (where VOLK is installed);
//   volk_sse  VOLK's best SSE-level implementation of that kernel (for the baseline flavour);
//   sleef, sleef_sse  SLEEF's 1-ulp single-precision functions, AVX2 and SSE2 forms (where
//          SLEEF is installed; bench/sleef.cpp);
//   mvec, mvec_sse  glibc's vector math library, AVX2 and SSE forms (bench/mvec.cpp).
// memcpy of the same bytes (everything the call reads plus everything it writes, half of it
// copied) is the baseline of every function.
//
// A loop file defines its baselines with QVXB_LOOP (bench/loops/*.cpp, compiled once per
// kind); bench/volk.cpp defines the VOLK ones.
#ifndef QVX_BENCH_HARNESS_H
#define QVX_BENCH_HARNESS_H

#include <string>

#include "qvx_vector.h"

namespace qvxb {

// Registers baseline `fn` of `kind` for the function `name` (without the qvx_ prefix).
bool add_baseline(const char* kind, const char* name, void* fn);

}  // namespace qvxb

#ifndef QVXB_LOOP_KIND
#define QVXB_LOOP_KIND "user"
#endif
#define QVXB_CAT2(a, b) a##b
#define QVXB_CAT(a, b) QVXB_CAT2(a, b)

// QVXB_LOOP(Vector_Add_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int len)) { ... }
// defines a baseline loop with the function's signature (returning nothing) and registers it
// under the loop kind this file is compiled as.
#define QVXB_LOOP(N, Params)                                                                 \
  static void QVXB_CAT(loop_, N) Params;                                                     \
  static const bool QVXB_CAT(registered_, N) = qvxb::add_baseline(                           \
      QVXB_LOOP_KIND, #N, reinterpret_cast<void*>(&QVXB_CAT(loop_, N)));                      \
  static void QVXB_CAT(loop_, N) Params

#endif
