// The register width of this build, fixed once.
//
// The same sources are compiled for the x86-64 baseline (SSE2: 16-byte registers), for
// x86-64-v3 (AVX2: 32 bytes) and for x86-64-v4 (AVX-512: 64 bytes, or 32 where the build says
// so with QVX_VECTOR_BYTES).  The instruction set comes from the compiler's target options;
// the library never asks the processor what it supports: the system loader picks the build
// (glibc-hwcaps).  Everything width-dependent derives from kBytes and the instruction-set
// file included here; family code never names a width.  A processor that none of these
// files serves stops the build rather than falling back to one of them.
#ifndef QVX_CORE_SIMD_TARGET_H
#define QVX_CORE_SIMD_TARGET_H

#if defined(__AVX512F__) && defined(__AVX512BW__) && defined(__AVX512VL__) && \
    defined(__AVX512DQ__)
#define QVX_ISA_AVX512 1
#ifndef QVX_VECTOR_BYTES
#define QVX_VECTOR_BYTES 64
#endif
#elif defined(__AVX2__)
#define QVX_ISA_AVX2 1
#define QVX_VECTOR_BYTES 32
#elif defined(__x86_64__) && defined(__SSE2__)
#define QVX_ISA_SSE2 1
#define QVX_VECTOR_BYTES 16
#else
// A processor without a file of its own must not get another's: the file defines which
// results (a failed conversion, a minimum of NaNs) the kernels' bits rest on.
#error "qvx_vector: no vector layer for this processor; add one to core/simd/ (see isa_sse2.h)"
#endif

namespace qvx {
namespace simd {

// Bytes in one register, and elements of T in one.
constexpr int kBytes = QVX_VECTOR_BYTES;
template <class T>
constexpr int kLanes = kBytes / static_cast<int>(sizeof(T));

}  // namespace simd
}  // namespace qvx

#if QVX_VECTOR_BYTES == 64
#include "core/simd/isa_avx512.h"
#elif QVX_VECTOR_BYTES == 32
#include "core/simd/isa_avx2.h"
#else
#include "core/simd/isa_sse2.h"
#endif

#endif
