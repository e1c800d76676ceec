// The register width of this build, fixed once.
//
// The same sources are compiled for the x86-64 baseline (SSE2: 16-byte registers), for
// x86-64-v3 (AVX2: 32 bytes) and for x86-64-v4 (AVX-512: 64 bytes, or 32 where the build says
// so with QVX_VECTOR_BYTES).  The instruction set comes from the compiler's target options;
// the library never asks the processor what it supports: the system loader picks the build
// (glibc-hwcaps).  Every other processor gets the portable layer, core/simd/isa_generic.h
// (GCC's and Clang's vector extensions, 16-byte registers unless QVX_VECTOR_BYTES says 32),
// which reproduces the x86 files' results; an x86-64 build takes it too where it defines
// QVX_ISA_GENERIC, which is how the tests hold it to those results.  Everything
// width-dependent derives from kBytes and the instruction-set file included here; family
// code never names a width.
#ifndef QVX_CORE_SIMD_TARGET_H
#define QVX_CORE_SIMD_TARGET_H

#if defined(QVX_ISA_GENERIC) || !defined(__x86_64__) || !defined(__SSE2__)
#ifndef QVX_ISA_GENERIC
#define QVX_ISA_GENERIC 1
#endif
#ifndef QVX_VECTOR_BYTES
#define QVX_VECTOR_BYTES 16
#endif
#elif defined(__AVX512F__) && defined(__AVX512BW__) && defined(__AVX512VL__) && \
    defined(__AVX512DQ__)
#define QVX_ISA_AVX512 1
#ifndef QVX_VECTOR_BYTES
#define QVX_VECTOR_BYTES 64
#endif
#elif defined(__AVX2__)
#define QVX_ISA_AVX2 1
#define QVX_VECTOR_BYTES 32
#else
#define QVX_ISA_SSE2 1
#define QVX_VECTOR_BYTES 16
#endif

namespace qvx {
namespace simd {

// Bytes in one register, and elements of T in one.
constexpr int kBytes = QVX_VECTOR_BYTES;
template <class T>
constexpr int kLanes = kBytes / static_cast<int>(sizeof(T));

}  // namespace simd
}  // namespace qvx

#if defined(QVX_ISA_GENERIC)
#include "core/simd/isa_generic.h"
#elif QVX_VECTOR_BYTES == 64
#include "core/simd/isa_avx512.h"
#elif QVX_VECTOR_BYTES == 32
#include "core/simd/isa_avx2.h"
#else
#include "core/simd/isa_sse2.h"
#endif

#endif
