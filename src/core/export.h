// The one way a function of the library is defined and exported.
//
//   QVX_DEFINE(QvxStatus, Vector_Add_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int len))
//   { ... }
//
// defines __qvx_Vector_Add_32F and binds qvx_Vector_Add_32F to the same address.  Both are
// the only symbols a source file exports; everything else is hidden by -fvisibility=hidden.
// QVX_SECOND_NAME(Vector_Copy_32S, Vector_Copy_32F) adds a second public name (and its
// __qvx_ twin) on the same address, for a type of the same bit layout.
#ifndef QVX_CORE_EXPORT_H
#define QVX_CORE_EXPORT_H

#include "core/internal.h"

#define QVX_DEFINE(Ret, N, Params)                                                   \
  extern "C" QVX_API Ret qvx_##N Params __attribute__((alias("__qvx_" #N)));       \
  extern "C" QVX_API Ret __qvx_##N Params

// The second name has other parameter types than the function it names, so it is bound at
// the assembler level rather than through a C++ alias declaration.
#define QVX_SECOND_NAME(N, N2)                                                       \
  __asm__(".globl qvx_" #N2 "\n\t.type qvx_" #N2 ", @function\n\t.set qvx_" #N2         \
          ", __qvx_" #N "\n\t.globl __qvx_" #N2 "\n\t.type __qvx_" #N2                  \
          ", @function\n\t.set __qvx_" #N2 ", __qvx_" #N)

// Families that take every ordered element type define each operation once for all of them:
// QVX_EACH_ORDERED(M) is M(suffix, type) for 8U, 16U, 16S, 32S, 32F and 64F, in that order.
#define QVX_EACH_ORDERED(M) \
  M(8U, Qvx8u) M(16U, Qvx16u) M(16S, Qvx16s) M(32S, Qvx32s) M(32F, Qvx32f) M(64F, Qvx64f)
// QVX_EACH_COMPLEX(M) is M(suffix, type) for 32FC and 64FC.
#define QVX_EACH_COMPLEX(M) M(32FC, Qvx32fc) M(64FC, Qvx64fc)
// Families of floating-point operations, whose real and complex members come in pairs of
// one precision: QVX_EACH_PRECISION(M, args...) is M(real suffix, real type, complex suffix,
// complex type, args...) for single and then double precision.
#define QVX_EACH_PRECISION(M, ...) \
  M(32F, Qvx32f, 32FC, Qvx32fc, __VA_ARGS__) M(64F, Qvx64f, 64FC, Qvx64fc, __VA_ARGS__)

#endif
