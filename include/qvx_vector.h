/*
 * qvx_vector -- vector primitives for signal and data processing.
 *
 * The library exports 491 functions, each under its public name and as __qvx_<name> (seven
 * of them under a second public name as well), and 11 data objects.
 *
 * Conventions shared by every primitive:
 *  - Names are qvx_Vector_<Operation>_<types>[_I]; a primitive that reads one type and
 *    writes another names both, source first.  "C" marks a constant operand, "Rev" the
 *    reversed operand order, "Shift" a fixed-point form with a scale factor, "_I" the
 *    in-place form whose one array is both source and destination.
 *  - Parameters: sources, then constants, then destinations, then len, then scaleFactor.
 *  - len counts elements (a complex element counts once).  len < 1 is an empty vector:
 *    an element-wise primitive then returns at once and touches no memory.
 *  - Every primitive returns QVX_STS_NO_ERR.  Out-of-range values are resolved by
 *    saturation or by the IEEE 754 rules of the default floating-point environment.
 *  - Pointers are not checked and need no particular alignment.
 *  - Floating-point work is done in the element's own precision, every product and sum
 *    rounded by itself (no fused multiply-add, no reassociation).
 *  - A destination may be a source of the same element width (in-place use) unless the
 *    family says otherwise.
 *  - Every function is also exported as __qvx_<name> at the same address.
 *  - NaN results: a NaN that enters an element's computation alone (one NaN operand and no
 *    other NaN made on the way) comes out quieted with its own payload and sign, in every
 *    build and on every path.  Where two NaNs meet in one operation (two NaN operands, or a
 *    NaN beside one that the arithmetic makes: 0 * inf, inf - inf, 0 / 0, inf / inf, or the
 *    two NaN parts of a complex constant's reciprocal in DivC), the result is a NaN in every
 *    build, but which of them comes out, payload and sign, may differ between the builds
 *    and between a vector and its tail.  Every other bit of every result is the same in
 *    every build.
 *
 * Parameter orders that differ from "sources, constants, destinations, len, scaleFactor":
 *    Set          the value first: Set(val, dst, len)
 *    MulCAdd      the constant between its sources: MulCAdd(src1, val, src2, dst, len)
 *    reductions   len after the sources, the result cells last (Sum(src, len, sum));
 *                 minimum before maximum, mean before deviation
 *    Threshold    levels and values after the destination: Threshold(src, dst, level..., len)
 *    SetMask      the mask first: SetMask(mask, val, dst, len)
 *    Split        two destinations: Split(src, dst1, dst2, len)
 *    LookUp       the table and its offset after the destination:
 *                 LookUp(src, dst, table, offset, len)
 *
 * Where complex results differ from std::complex: the complex product, quotient and
 * magnitude are the plain formulas of their families, with no special case for infinite
 * or NaN operands and no scaling.  An infinite operand of a product gives NaN parts
 * ((inf, inf) * (1, 0) is (NaN, NaN) here, an infinity under std::complex), and a divisor
 * whose squared magnitude overflows gives 0 or NaN where std::complex scales.
 *
 * Threads: every primitive may run in any number of threads at once; none keeps state,
 * takes a lock or allocates.  The thread-count setting is one int that any thread may read
 * and set at any time (atomic loads and stores), and each thread carries its own
 * zero-filled 4 MiB qvx_static_buf, which the library never touches.  Where the library is
 * linked into the program, glibc takes that copy out of each new thread's stack: a thread
 * needs a stack 4 MiB larger than what it uses, and under "ulimit -s 4096" or lower, or
 * "unlimited", a thread of the default size (std::thread) starts with under 8 KiB of stack
 * (see the README: a larger ulimit -s, or pthread_setattr_default_np).
 */
#ifndef QVX_VECTOR_H
#define QVX_VECTOR_H

#include <stdint.h>

/* The package version (doc/versioning.md: what a patch, minor and major release promise).
   qvx_GetVersion and qvxid name the interface, "QVX:1100:...", and stay as they are from
   release to release; only their first digit follows the major version. */
#define QVX_VERSION_MAJOR 1
#define QVX_VERSION_MINOR 2
#define QVX_VERSION_PATCH 0
#define QVX_VERSION_STRING "1.2.0"

#if defined(__GNUC__)
#define QVX_API __attribute__((visibility("default")))
#else
#define QVX_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- status codes ---- */
/* ---------------------------------------------------------------------------------------
 * Status codes: the type every primitive returns and its four codes, each with the message
 * qvx_GetStringStatus gives.  Every primitive returns QVX_STS_NO_ERR on every path; the
 * other three are defined for the ABI but never returned.
 * ------------------------------------------------------------------------------------- */
typedef int32_t QvxStatus;

#define QVX_STS_NO_ERR   0 /* "No error" */
#define QVX_STS_BAD_ARG  1 /* "Invalid, out of range or unsupported parameter" */
#define QVX_STS_NO_MEM   2 /* "Not enough memory for the function" */
#define QVX_STS_DATA_EXC 3 /* "Incorrect data found (exception) during the execution" */

/* ---- element types ---- */
/* ---------------------------------------------------------------------------------------
 * Element types, one per type suffix.  Complex values are interleaved pairs, real part
 * first; passed by value, a Qvx16sc occupies one 32-bit argument, real part in the low half.
 * ------------------------------------------------------------------------------------- */
typedef uint8_t  Qvx8u;   /* 8U  */
typedef int8_t   Qvx8s;   /* 8S  */
typedef uint16_t Qvx16u;  /* 16U */
typedef int16_t  Qvx16s;  /* 16S */
typedef uint32_t Qvx32u;  /* mask words */
typedef int32_t  Qvx32s;  /* 32S */
typedef int64_t  Qvx64s;  /* 64S */
typedef float    Qvx32f;  /* 32F */
typedef double   Qvx64f;  /* 64F */
typedef struct { Qvx16s re, im; } Qvx16sc; /* 16SC */
typedef struct { Qvx32f re, im; } Qvx32fc; /* 32FC */
typedef struct { Qvx64f re, im; } Qvx64fc; /* 64FC */

/* ---- library services ---- */
/* ---------------------------------------------------------------------------------------
 * Library services
 *
 * qvx_GetVersion      "QVX:1100:20240723:linux-x8664:svn:"; never null.
 * qvx_GetStringStatus the message of a status code; any code other than 0..3 (negative
 *                     ones included) gives "Unknown Status"; never null.
 * qvx_Malloc          a block of at least size bytes at a multiple of 64, or null for
 *                     size < 1, for sizes of 2147483584 and more, and when the C library
 *                     has no memory.  Release it with qvx_Free only.
 * qvx_Free            releases a qvx_Malloc block; null is accepted and ignored.
 * qvx_AlignPointer    (ptr + (align - 1)) & -align on the full address: for a power of two
 *                     the smallest multiple of align not below ptr; align 1 gives ptr,
 *                     align 0 gives null.  Nothing is validated.
 * qvx_GetNumThreads   writes the thread-count setting (initially -1) to *numThreads.
 * qvx_SetNumThreads   stores numThreads as the setting, unchecked.  No primitive consults
 *                     it; the library starts no threads.
 * ------------------------------------------------------------------------------------- */
QVX_API const char* qvx_GetVersion(void);
QVX_API const char* qvx_GetStringStatus(QvxStatus sts);
QVX_API void*       qvx_Malloc(int size);
QVX_API void        qvx_Free(void* ptr);
QVX_API void*       qvx_AlignPointer(void* ptr, int align);
QVX_API QvxStatus   qvx_GetNumThreads(int* numThreads);
QVX_API QvxStatus   qvx_SetNumThreads(int numThreads);

/* ---- exported data objects ---- */
/* ---------------------------------------------------------------------------------------
 * Exported data objects
 *
 * qvx_static_buf      4 MiB, 64-byte aligned, one zero-filled copy per thread; the library
 *                     never touches it.
 * qvx_nthreads        the thread-count setting (-1 until qvx_SetNumThreads).
 * dzero, fzero        0.0 constants.
 * qvx_2In16Div8U_32S  [i] = 65536 / i truncated, [0] = -1.
 * qvx_2In23Div8U_32S  [i] = 8388608 / i truncated, [0] = -1.
 * qvx_1Div8U_32F      [i] = 1 / i rounded to single precision, [0] = 2147483648.0.
 * qvx_8S_to_64F       [i] = magnitude of i read as a signed byte (i or 256 - i).
 * qvx_8SU_to_64F/_32F [i] = i - 128: index entry 128 with any signed or unsigned byte.
 * qvxid               "@(#)" followed by the version string (39 bytes with the NUL).
 * ------------------------------------------------------------------------------------- */
extern QVX_API __thread Qvx8u qvx_static_buf[4194304];
extern QVX_API int qvx_nthreads;
extern QVX_API double dzero;
extern QVX_API float fzero;
extern QVX_API const Qvx32s qvx_2In16Div8U_32S[256];
extern QVX_API const Qvx32s qvx_2In23Div8U_32S[256];
extern QVX_API const Qvx32f qvx_1Div8U_32F[256];
extern QVX_API const Qvx64f qvx_8S_to_64F[256];
extern QVX_API const Qvx64f qvx_8SU_to_64F[384];
extern QVX_API const Qvx32f qvx_8SU_to_32F[384];
extern QVX_API const char qvxid[39];

/* ---- fill, copy and move ---- */
/* ---------------------------------------------------------------------------------------
 * Fill, copy and move
 *
 * Values move as bit patterns: -0.0, NaN payloads and denormals are kept exactly.
 * Set     stores val into dst[0..len-1] (Set_8U stores the low 8 bits of val).
 * Copy    dst[i] = src[i] for i = 0, 1, ... in ascending order.  With dst at or before src
 *         the data arrive unchanged; with dst inside src (dst > src) the first dst - src
 *         elements repeat through the destination, exactly as the ascending loop gives.
 * Move    dst receives what src held before the call, whatever the overlap.
 * Copy_32F and Move_32F are second names of Copy_32S and Move_32S.  The complex forms
 * work on 2*len scalars; a complex vector must have fewer than 2^30 elements.
 * ------------------------------------------------------------------------------------- */
QVX_API QvxStatus qvx_Vector_Set_8U(Qvx8u val, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_Set_16S(Qvx16s val, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_Set_32S(Qvx32s val, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_Set_32F(Qvx32f val, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Set_64F(Qvx64f val, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Set_16SC(Qvx16sc val, Qvx16sc* dst, int len);
QVX_API QvxStatus qvx_Vector_Set_32FC(Qvx32fc val, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_Set_64FC(Qvx64fc val, Qvx64fc* dst, int len);

QVX_API QvxStatus qvx_Vector_Copy_8U(const Qvx8u* src, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_Copy_16S(const Qvx16s* src, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_Copy_32S(const Qvx32s* src, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_Copy_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Copy_64F(const Qvx64f* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Copy_16SC(const Qvx16sc* src, Qvx16sc* dst, int len);
QVX_API QvxStatus qvx_Vector_Copy_32FC(const Qvx32fc* src, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_Copy_64FC(const Qvx64fc* src, Qvx64fc* dst, int len);

QVX_API QvxStatus qvx_Vector_Move_8U(const Qvx8u* src, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_Move_16S(const Qvx16s* src, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_Move_32S(const Qvx32s* src, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_Move_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Move_64F(const Qvx64f* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Move_16SC(const Qvx16sc* src, Qvx16sc* dst, int len);
QVX_API QvxStatus qvx_Vector_Move_32FC(const Qvx32fc* src, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_Move_64FC(const Qvx64fc* src, Qvx64fc* dst, int len);

/* ---- floating-point arithmetic ---- */
/*
 * Element-wise arithmetic of two vectors, for real single (32F) and double (64F) precision
 * and complex data (32FC, 64FC interleaved; _CToC: separate arrays of real and imaginary
 * parts).  a = src1[i], b = src2[i]:
 *   Add a + b      Sub a - b      Mul a * b      Div a / b
 *   Mul_32F_32FC, Mul_64F_64FC    (a * b.re, a * b.im) with a real
 *   complex Mul    ((ar*br) - (ai*bi), (ai*br) + (ar*bi))
 *   complex Div    d = (br*br) + (bi*bi);
 *                  (((ar*br) + (ai*bi)) / d, ((ai*br) - (ar*bi)) / d)
 * Every product, sum and quotient is one IEEE 754 operation in the element's precision
 * (round to nearest), evaluated in the order shown: nothing is fused or regrouped.  Nothing
 * is scaled or special-cased: division by zero gives an infinity of the quotient's sign
 * (1 / -0.0 = -inf), 0 / 0 gives NaN, and a complex divisor of zero, or one whose squared
 * magnitude overflows or underflows, gives what the operations above give (in single
 * precision (1, 0) / (1e20, 0) is (0, 0), since d overflows).  Where two NaN operands meet,
 * either one's payload and sign may come out (the NaN rule at the top).  Unlike std::complex, infinite operands are not recovered: a complex
 * product with an infinite part gives NaN where a term is inf * 0 or inf - inf
 * ((inf, inf) * (1, 0) is (NaN, NaN); std::complex gives an infinity).
 * The complex Add and Sub work on the vector as 2*len reals through the real forms; 2*len
 * is computed with 32-bit wrap-around, so a complex vector must have fewer than 2^30
 * elements.
 * len < 1: nothing is read or written.  dst may be src1 or src2 itself (the same array)
 * and gives the result of separate arrays; for Mul_32F_32FC and Mul_64F_64FC dst may be the
 * complex source.  Other overlaps are undefined.
 */
QVX_API QvxStatus qvx_Vector_Add_32F(const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Add_64F(const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Add_32FC(const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst,
                                      int len);
QVX_API QvxStatus qvx_Vector_Add_64FC(const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst,
                                      int len);

QVX_API QvxStatus qvx_Vector_Sub_32F(const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Sub_64F(const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Sub_32FC(const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst,
                                      int len);
QVX_API QvxStatus qvx_Vector_Sub_64FC(const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst,
                                      int len);

QVX_API QvxStatus qvx_Vector_Mul_32F(const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Mul_64F(const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Mul_32F_32FC(const Qvx32f* src1, const Qvx32fc* src2, Qvx32fc* dst,
                                          int len);
QVX_API QvxStatus qvx_Vector_Mul_64F_64FC(const Qvx64f* src1, const Qvx64fc* src2, Qvx64fc* dst,
                                          int len);
QVX_API QvxStatus qvx_Vector_Mul_32FC(const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst,
                                      int len);
QVX_API QvxStatus qvx_Vector_Mul_64FC(const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst,
                                      int len);
QVX_API QvxStatus qvx_Vector_Mul_CToC_32F(const Qvx32f* src1Re, const Qvx32f* src1Im,
                                          const Qvx32f* src2Re, const Qvx32f* src2Im, Qvx32f* dstRe,
                                          Qvx32f* dstIm, int len);
QVX_API QvxStatus qvx_Vector_Mul_CToC_64F(const Qvx64f* src1Re, const Qvx64f* src1Im,
                                          const Qvx64f* src2Re, const Qvx64f* src2Im, Qvx64f* dstRe,
                                          Qvx64f* dstIm, int len);

QVX_API QvxStatus qvx_Vector_Div_32F(const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Div_64F(const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Div_32FC(const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst,
                                      int len);
QVX_API QvxStatus qvx_Vector_Div_64FC(const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst,
                                      int len);

/* ---- floating-point arithmetic with a constant ---- */
/*
 * One constant val with every element x = src[i]:
 *   AddC x + c    SubC x - c    SubCRev c - x    MulC x * c    DivCRev c / x
 *   complex AddC, SubC, SubCRev   each part with the same part of the constant
 *   complex MulC, MulC_CToC       ((cr*xr) - (ci*xi), (cr*xi) + (ci*xr))
 *   complex DivCRev               d = (xr*xr) + (xi*xi);
 *                                 (((xr*cr) + (xi*ci)) / d, ((xr*ci) - (xi*cr)) / d)
 *   DivC                          x * r, with the reciprocal r computed once per call:
 *     real:    r = 1 / c in the element precision, so the result may differ from x / c in
 *              the last place (DivC_32F of 5 by 3 gives 1.6666667461395264; DivC_64F of 3
 *              by 10 gives 0.30000000000000004);
 *     64FC:    d = (cr*cr) + (ci*ci), r = (cr / d, (-ci) / d);
 *     32FC:    the same in double precision, each part of r rounded to single precision,
 *              then the single-precision complex product (DivC_32FC of (-5, 10) by (3, 4)
 *              gives (0.99999994, 1.9999999)).
 * Each operation is one IEEE 754 operation in the element precision (except the 32FC
 * reciprocal), evaluated in the order shown, with no fused multiply-add.  Zero divisors give
 * the IEEE results: DivC by +-0 multiplies by an infinite reciprocal (0 elements give NaN,
 * others an infinity with the sign of x * c); DivC by (0, 0) gives NaN everywhere; DivCRev
 * by a zero element gives an infinity (by -0.0, of the opposite sign), by a complex (0, 0)
 * gives (NaN, NaN).
 * Complex constants are passed by value.  len < 1: nothing is read or written.
 * dst may be src itself, except for the complex DivCRev and MulC_CToC, whose destination
 * must not overlap the source.  Other overlaps are undefined.
 */
QVX_API QvxStatus qvx_Vector_AddC_32F(const Qvx32f* src, Qvx32f val, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_AddC_64F(const Qvx64f* src, Qvx64f val, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_AddC_32FC(const Qvx32fc* src, Qvx32fc val, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_AddC_64FC(const Qvx64fc* src, Qvx64fc val, Qvx64fc* dst, int len);

QVX_API QvxStatus qvx_Vector_SubC_32F(const Qvx32f* src, Qvx32f val, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_SubC_64F(const Qvx64f* src, Qvx64f val, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_SubC_32FC(const Qvx32fc* src, Qvx32fc val, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_SubC_64FC(const Qvx64fc* src, Qvx64fc val, Qvx64fc* dst, int len);

QVX_API QvxStatus qvx_Vector_SubCRev_32F(const Qvx32f* src, Qvx32f val, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_SubCRev_64F(const Qvx64f* src, Qvx64f val, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_SubCRev_32FC(const Qvx32fc* src, Qvx32fc val, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_SubCRev_64FC(const Qvx64fc* src, Qvx64fc val, Qvx64fc* dst, int len);

QVX_API QvxStatus qvx_Vector_MulC_32F(const Qvx32f* src, Qvx32f val, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_MulC_64F(const Qvx64f* src, Qvx64f val, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_MulC_32FC(const Qvx32fc* src, Qvx32fc val, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_MulC_64FC(const Qvx64fc* src, Qvx64fc val, Qvx64fc* dst, int len);
QVX_API QvxStatus qvx_Vector_MulC_CToC_32F(const Qvx32f* srcRe, const Qvx32f* srcIm, Qvx32f valRe,
                                           Qvx32f valIm, Qvx32f* dstRe, Qvx32f* dstIm, int len);
QVX_API QvxStatus qvx_Vector_MulC_CToC_64F(const Qvx64f* srcRe, const Qvx64f* srcIm, Qvx64f valRe,
                                           Qvx64f valIm, Qvx64f* dstRe, Qvx64f* dstIm, int len);

QVX_API QvxStatus qvx_Vector_DivC_32F(const Qvx32f* src, Qvx32f val, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_DivC_64F(const Qvx64f* src, Qvx64f val, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_DivC_32FC(const Qvx32fc* src, Qvx32fc val, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_DivC_64FC(const Qvx64fc* src, Qvx64fc val, Qvx64fc* dst, int len);

QVX_API QvxStatus qvx_Vector_DivCRev_32F(const Qvx32f* src, Qvx32f val, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_DivCRev_64F(const Qvx64f* src, Qvx64f val, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_DivCRev_32FC(const Qvx32fc* src, Qvx32fc val, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_DivCRev_64FC(const Qvx64fc* src, Qvx64fc val, Qvx64fc* dst, int len);

/* ---- floating-point multiply-accumulate ---- */
/*
 * Multiply and add, with the addend always an explicit operand:
 *   MulAdd    src1*src2 + src3      MulCAdd   src1*val + src2      MulCAddC  src*mulVal + addVal
 *   real      (x * y) + z: the product is rounded, then the sum (no fused multiply-add)
 *   complex MulAdd (x = src1, y = src2, z = src3):
 *             (((xr*yr) + zr) - (xi*yi), ((xr*yi) + zi) + (xi*yr))
 *   complex MulCAdd, MulCAddC (x the element, c the multiplier, z the addend):
 *             (((xr*cr) + zr) - (xi*ci), ((xi*cr) + zi) + (xr*ci))
 *   Each operation is rounded in the element's precision, in the order shown; the two
 *   complex forms differ in the product that enters the imaginary part first, which can
 *   change its last bit.
 *   MulCAddC_16S, MulCAddC_32S: the element is converted exactly to single (16S) or double
 *   (32S) precision, v = (x*mulVal) + addVal is computed there, and v is stored truncated
 *   toward zero after saturation: above 32767 (2147483647) stores that bound, below -32768
 *   (-2147483648) stores that bound.  A NaN v stores 0 (16S) or -2147483648 (32S).
 * len < 1: nothing is read or written.  The destination may be the addend array (src3 of
 * MulAdd, src2 of MulCAdd, with their split arrays), which then accumulates the products;
 * for the real and integer forms it may also be any source.  The complex forms must not
 * write over a multiplied source (src1 or src2 of MulAdd, src1 of MulCAdd, src of
 * MulCAddC).  Other overlaps are undefined.
 */
QVX_API QvxStatus qvx_Vector_MulAdd_32F(const Qvx32f* src1, const Qvx32f* src2, const Qvx32f* src3,
                                        Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_MulAdd_64F(const Qvx64f* src1, const Qvx64f* src2, const Qvx64f* src3,
                                        Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_MulAdd_32FC(const Qvx32fc* src1, const Qvx32fc* src2,
                                         const Qvx32fc* src3, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_MulAdd_64FC(const Qvx64fc* src1, const Qvx64fc* src2,
                                         const Qvx64fc* src3, Qvx64fc* dst, int len);
QVX_API QvxStatus qvx_Vector_MulAdd_CToC_32F(const Qvx32f* src1Re, const Qvx32f* src1Im,
                                             const Qvx32f* src2Re, const Qvx32f* src2Im,
                                             const Qvx32f* src3Re, const Qvx32f* src3Im,
                                             Qvx32f* dstRe, Qvx32f* dstIm, int len);
QVX_API QvxStatus qvx_Vector_MulAdd_CToC_64F(const Qvx64f* src1Re, const Qvx64f* src1Im,
                                             const Qvx64f* src2Re, const Qvx64f* src2Im,
                                             const Qvx64f* src3Re, const Qvx64f* src3Im,
                                             Qvx64f* dstRe, Qvx64f* dstIm, int len);

QVX_API QvxStatus qvx_Vector_MulCAdd_32F(const Qvx32f* src1, Qvx32f val, const Qvx32f* src2,
                                         Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_MulCAdd_64F(const Qvx64f* src1, Qvx64f val, const Qvx64f* src2,
                                         Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_MulCAdd_32FC(const Qvx32fc* src1, Qvx32fc val, const Qvx32fc* src2,
                                          Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_MulCAdd_64FC(const Qvx64fc* src1, Qvx64fc val, const Qvx64fc* src2,
                                          Qvx64fc* dst, int len);
QVX_API QvxStatus qvx_Vector_MulCAdd_CToC_32F(const Qvx32f* src1Re, const Qvx32f* src1Im,
                                              Qvx32f valRe, Qvx32f valIm, const Qvx32f* src2Re,
                                              const Qvx32f* src2Im, Qvx32f* dstRe, Qvx32f* dstIm,
                                              int len);
QVX_API QvxStatus qvx_Vector_MulCAdd_CToC_64F(const Qvx64f* src1Re, const Qvx64f* src1Im,
                                              Qvx64f valRe, Qvx64f valIm, const Qvx64f* src2Re,
                                              const Qvx64f* src2Im, Qvx64f* dstRe, Qvx64f* dstIm,
                                              int len);

QVX_API QvxStatus qvx_Vector_MulCAddC_32F(const Qvx32f* src, Qvx32f mulVal, Qvx32f addVal,
                                          Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_MulCAddC_64F(const Qvx64f* src, Qvx64f mulVal, Qvx64f addVal,
                                          Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_MulCAddC_32FC(const Qvx32fc* src, Qvx32fc mulVal, Qvx32fc addVal,
                                           Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_MulCAddC_64FC(const Qvx64fc* src, Qvx64fc mulVal, Qvx64fc addVal,
                                           Qvx64fc* dst, int len);
QVX_API QvxStatus qvx_Vector_MulCAddC_CToC_32F(const Qvx32f* srcRe, const Qvx32f* srcIm,
                                               Qvx32f mulRe, Qvx32f mulIm, Qvx32f addRe,
                                               Qvx32f addIm, Qvx32f* dstRe, Qvx32f* dstIm, int len);
QVX_API QvxStatus qvx_Vector_MulCAddC_CToC_64F(const Qvx64f* srcRe, const Qvx64f* srcIm,
                                               Qvx64f mulRe, Qvx64f mulIm, Qvx64f addRe,
                                               Qvx64f addIm, Qvx64f* dstRe, Qvx64f* dstIm, int len);
QVX_API QvxStatus qvx_Vector_MulCAddC_16S(const Qvx16s* src, Qvx32f mulVal, Qvx32f addVal,
                                          Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_MulCAddC_32S(const Qvx32s* src, Qvx64f mulVal, Qvx64f addVal,
                                          Qvx32s* dst, int len);

/* ---- scale factor and Shift ---- */
/* ---------------------------------------------------------------------------------------
 * The scale factor of every fixed-point ("Shift") primitive
 *
 * The exact integer result R of the operation is multiplied by 2^scaleFactor and saturated
 * to the destination type (8U 0..255, 16U 0..65535, 16S -32768..32767, 32S -2^31..2^31-1;
 * 16SC: each part as 16S, independently).  Every int scaleFactor is accepted:
 *   scaleFactor >= H    every nonzero R saturates: the upper bound for R > 0, the lower
 *                       bound for R < 0 (0 for unsigned types), 0 for R = 0.  H is 8 for
 *                       8U, 16 for 16U, 15 for 16S and 16SC, 31 for 32S.
 *   1 .. H-1            R * 2^scaleFactor, formed without overflow, then clamped.
 *   0                   R clamped.
 *   L .. -1             floor(R / 2^-scaleFactor): an arithmetic shift right, rounding
 *                       toward minus infinity (at -1: 5 gives 2, -5 gives -3, -1 gives -1),
 *                       then clamped (a negative R stores 0 in an unsigned type).
 *   below L             the whole destination is filled with 0 (also where a negative R would
 *                       have given -1) and no source is read.  L is per primitive; it is
 *                       listed with each family.
 * len < 1 writes nothing on every path.  The destination may be a source array itself
 * (in-place use) with the same result as separate arrays; other overlaps are undefined.
 *
 * Shift: R is the source element.  Thresholds: 8U H 8, L -7; 16U H 16, L -15; 16S H 15,
 * L -15; 32S H 31, L -31.  Scale factor 0 copies the vector unchanged.  At -15 a 16S -1
 * or -32768 still gives -1; from -16 on every element is 0.  Shift_16SC is Shift_16S on the
 * 2*len parts (a complex vector must have fewer than 2^30 elements).
 * ------------------------------------------------------------------------------------- */
QVX_API QvxStatus qvx_Vector_Shift_8U(const Qvx8u* src, Qvx8u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_Shift_16U(const Qvx16u* src, Qvx16u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_Shift_16S(const Qvx16s* src, Qvx16s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_Shift_32S(const Qvx32s* src, Qvx32s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_Shift_16SC(const Qvx16sc* src, Qvx16sc* dst, int len, int scaleFactor);

/* ---- scaled addition and subtraction ---- */
/* ---------------------------------------------------------------------------------------
 * Scaled addition and subtraction
 *
 * R is the exact sum or difference, formed without overflow:
 *   AddShift      src1 + src2          SubShift      src1 - src2
 *   AddCShift     src + val            SubCShift     src - val
 *   SubCRevShift  val - src
 * and the rule above stores R * 2^scaleFactor, rounded toward minus infinity and saturated
 * (scaleFactor 0 gives the plain saturating sum or difference; an unsigned difference below
 * 0 stores 0).  Thresholds, H (sign fill from) and L (zero fill below):
 *   Add and AddC:        8U H 8, L -8;   16U H 16, L -16;  16S and 16SC H 15, L -16;
 *                        32S H 31, L -32.
 *   Sub, SubC, SubCRev:  8U H 8, L -7;   16U H 16, L -15;  16S and 16SC H 15, L -16;
 *                        32S H 31, L -32.
 * Complex (16SC): real parts with real parts, imaginary with imaginary, each part scaled and
 * saturated as 16S on its own.  AddShift_16SC and SubShift_16SC are the 16S forms on the
 * 2*len parts.  The complex constant is passed by value (real part in the low 16 bits of
 * the 32-bit argument).  A complex vector must have fewer than 2^30 elements.
 * The destination may be either source array (in-place use) with the same result as
 * separate arrays.  len < 1 writes nothing.
 * ------------------------------------------------------------------------------------- */
QVX_API QvxStatus qvx_Vector_AddShift_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst,
                                         int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_AddShift_16U(const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_AddShift_16S(const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_AddShift_32S(const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_AddShift_16SC(const Qvx16sc* src1, const Qvx16sc* src2, Qvx16sc* dst,
                                           int len, int scaleFactor);

QVX_API QvxStatus qvx_Vector_SubShift_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst,
                                         int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubShift_16U(const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubShift_16S(const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubShift_32S(const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubShift_16SC(const Qvx16sc* src1, const Qvx16sc* src2, Qvx16sc* dst,
                                           int len, int scaleFactor);

QVX_API QvxStatus qvx_Vector_AddCShift_8U(const Qvx8u* src, Qvx8u val, Qvx8u* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_AddCShift_16U(const Qvx16u* src, Qvx16u val, Qvx16u* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_AddCShift_16S(const Qvx16s* src, Qvx16s val, Qvx16s* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_AddCShift_32S(const Qvx32s* src, Qvx32s val, Qvx32s* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_AddCShift_16SC(const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst,
                                            int len, int scaleFactor);

QVX_API QvxStatus qvx_Vector_SubCShift_8U(const Qvx8u* src, Qvx8u val, Qvx8u* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubCShift_16U(const Qvx16u* src, Qvx16u val, Qvx16u* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubCShift_16S(const Qvx16s* src, Qvx16s val, Qvx16s* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubCShift_32S(const Qvx32s* src, Qvx32s val, Qvx32s* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubCShift_16SC(const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst,
                                            int len, int scaleFactor);

QVX_API QvxStatus qvx_Vector_SubCRevShift_8U(const Qvx8u* src, Qvx8u val, Qvx8u* dst,
                                             int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubCRevShift_16U(const Qvx16u* src, Qvx16u val, Qvx16u* dst,
                                              int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubCRevShift_16S(const Qvx16s* src, Qvx16s val, Qvx16s* dst,
                                              int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubCRevShift_32S(const Qvx32s* src, Qvx32s val, Qvx32s* dst,
                                              int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SubCRevShift_16SC(const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst,
                                               int len, int scaleFactor);

/* ---- scaled multiplication ---- */
/* ---------------------------------------------------------------------------------------
 * Scaled multiplication
 *
 * R is the exact product, src1 * src2 (MulShift) or src * val (MulCShift), and the rule of
 * the scale factor (above) stores R * 2^scaleFactor, rounded toward minus infinity and
 * saturated.  Thresholds, H (sign fill from) and L (zero fill below):
 *   8U H 8, L -15;  16U H 16, L -31;  16S and 16SC H 15, L -30;  32S H 31, L -62.
 * (MulShift_16S: -32768 * -32768 gives 32767 at 0 and -15, 16384 at -16, 1 at -30, 0 below;
 * -32768 * 32767 gives -1 at -30.)
 * Complex (16SC): R.re = a.re*b.re - a.im*b.im and R.im = a.re*b.im + a.im*b.re, each exact
 * (the imaginary part of (-32768, -32768) * (-32768, -32768) is +2^31 and saturates to 32767
 * as any positive value would), each scaled and saturated as 16S on its own.
 * MulCShift:
 *  - A zero constant (16SC: both parts 0) sets the destination to 0 at every scaleFactor.
 *  - A positive power-of-two constant 2^k gives exactly Shift of the same type at
 *    scaleFactor + k, with Shift's own thresholds: MulCShift_16S with val 1 at -20 gives 0
 *    everywhere (Shift sets 0 below -15), where another constant would give -1 for a
 *    negative product; with val 4 at -2 it copies the source.  Negative constants are not
 *    shortcut.
 *  - MulCShift_16SC with val (-32768, -32768) at scaleFactor 14 and below: the parts are
 *    (s.im - s.re) * 2^(scaleFactor + 15) and -(s.re + s.im) * 2^(scaleFactor + 15),
 *    clamped and truncated toward zero.  Down to -15 this is the rule above; at -16 .. -30 a
 *    fraction is truncated toward zero instead of rounded down ((1, 0) at -16 gives (0, 0),
 *    not (-1, -1)).
 * The constant is passed by value (16SC: real part in the low 16 bits of the 32-bit
 * argument).  A complex vector must have fewer than 2^30 elements.  The destination may be
 * either source array (in-place use) with the result of separate arrays; other overlaps are
 * undefined.  len < 1 writes nothing.
 * ------------------------------------------------------------------------------------- */
QVX_API QvxStatus qvx_Vector_MulShift_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst,
                                         int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulShift_16U(const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulShift_16S(const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulShift_32S(const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulShift_16SC(const Qvx16sc* src1, const Qvx16sc* src2, Qvx16sc* dst,
                                           int len, int scaleFactor);

QVX_API QvxStatus qvx_Vector_MulCShift_8U(const Qvx8u* src, Qvx8u val, Qvx8u* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCShift_16U(const Qvx16u* src, Qvx16u val, Qvx16u* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCShift_16S(const Qvx16s* src, Qvx16s val, Qvx16s* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCShift_32S(const Qvx32s* src, Qvx32s val, Qvx32s* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCShift_16SC(const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst,
                                            int len, int scaleFactor);

/* ---- scaled multiply-accumulate ---- */
/* ---------------------------------------------------------------------------------------
 * Scaled multiply-accumulate
 *
 * R is the exact sum of a product and an addend:
 *   MulAddShift(src1, src2, src3, dst, ...)          src1 * src2 + src3
 *   MulCAddShift(src1, val, src2, dst, ...)          src1 * val + src2
 *   MulCAddCShift(src, mulVal, addVal, dst, ...)     src * mulVal + addVal
 * and the rule of the scale factor stores R * 2^scaleFactor, rounded toward minus infinity
 * and saturated (MulAddShift_16S: 2 * 3 + 1 gives 28672 at 12, 32767 at 13).  Thresholds as
 * for multiplication: 8U H 8, L -15;  16U H 16, L -31;  16S and 16SC H 15, L -30;  32S H 31,
 * L -62.  Constants are not special (mulVal 0 gives addVal scaled).  Complex: the exact
 * complex product plus the addend, part by part (the imaginary part reaches 2^31 + 32767).
 * Exceptions:
 *  - The addend is left out at these scale factors: the result is then the scaled product
 *    alone, exactly as MulShift or MulCShift of the type gives it (their thresholds and
 *    power-of-two shortcut included), so an addend that would carry into the kept bits is
 *    lost (MulAddShift_8U: 31 * 33 + 1 gives 0 at -10, but 2 at -9):
 *      MulAddShift_8U -15 .. -10;  MulAddShift_16U, MulCAddShift_16U, MulCAddCShift_16U
 *      -31 .. -17;  MulAddShift_32S -62 .. -41;  MulCAddShift_16SC and MulCAddCShift_16SC
 *      with the multiplier (-32768, -32768) at -30 .. -17, where the parts are
 *      (s.im - s.re) and (-s.re - s.im) shifted right by -scaleFactor - 15 bits
 *      (source (0, 4), addend (-1, -1) gives (1, -1) at -17 and (1, -3) at -16).
 *  - MulAddShift_32S at every scaleFactor from -31 to 30 except 0 computes
 *    ((double)src1 * src2 + src3) * 2^scaleFactor in double precision, the product and the
 *    sum each rounded to double, then clamps it and truncates toward zero: its right shifts
 *    round toward zero (1 * -4 + 1 at -1 gives -1, where MulCAddShift_32S gives -2) and
 *    products beyond 2^53 are rounded first.  At 0 and at -40 .. -32 it follows the rule.
 * The constants are passed by value (16SC: real part in the low 16 bits of the 32-bit
 * argument).  A complex vector must have fewer than 2^30 elements.  The destination may be
 * any source array (in-place use) with the result of separate arrays; other overlaps are
 * undefined.  len < 1 writes nothing.
 * ------------------------------------------------------------------------------------- */
QVX_API QvxStatus qvx_Vector_MulAddShift_8U(const Qvx8u* src1, const Qvx8u* src2, const Qvx8u* src3,
                                            Qvx8u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulAddShift_16U(const Qvx16u* src1, const Qvx16u* src2,
                                             const Qvx16u* src3, Qvx16u* dst, int len,
                                             int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulAddShift_16S(const Qvx16s* src1, const Qvx16s* src2,
                                             const Qvx16s* src3, Qvx16s* dst, int len,
                                             int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulAddShift_32S(const Qvx32s* src1, const Qvx32s* src2,
                                             const Qvx32s* src3, Qvx32s* dst, int len,
                                             int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulAddShift_16SC(const Qvx16sc* src1, const Qvx16sc* src2,
                                              const Qvx16sc* src3, Qvx16sc* dst, int len,
                                              int scaleFactor);

QVX_API QvxStatus qvx_Vector_MulCAddShift_8U(const Qvx8u* src1, Qvx8u val, const Qvx8u* src2,
                                             Qvx8u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCAddShift_16U(const Qvx16u* src1, Qvx16u val, const Qvx16u* src2,
                                              Qvx16u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCAddShift_16S(const Qvx16s* src1, Qvx16s val, const Qvx16s* src2,
                                              Qvx16s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCAddShift_32S(const Qvx32s* src1, Qvx32s val, const Qvx32s* src2,
                                              Qvx32s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCAddShift_16SC(const Qvx16sc* src1, Qvx16sc val,
                                               const Qvx16sc* src2, Qvx16sc* dst, int len,
                                               int scaleFactor);

QVX_API QvxStatus qvx_Vector_MulCAddCShift_8U(const Qvx8u* src, Qvx8u mulVal, Qvx8u addVal,
                                              Qvx8u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCAddCShift_16U(const Qvx16u* src, Qvx16u mulVal, Qvx16u addVal,
                                               Qvx16u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCAddCShift_16S(const Qvx16s* src, Qvx16s mulVal, Qvx16s addVal,
                                               Qvx16s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCAddCShift_32S(const Qvx32s* src, Qvx32s mulVal, Qvx32s addVal,
                                               Qvx32s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_MulCAddCShift_16SC(const Qvx16sc* src, Qvx16sc mulVal, Qvx16sc addVal,
                                                Qvx16sc* dst, int len, int scaleFactor);

/* ---- scaled division ---- */
/* ---------------------------------------------------------------------------------------
 * Scaled division
 *
 *   DivShift(src1, src2, dst, ...)     src1 / src2
 *   DivCShift(src, val, dst, ...)      src / val
 *   DivCRevShift(src, val, dst, ...)   val / src
 * The quotient dividend * 2^scaleFactor / divisor is saturated to the type; how it is
 * computed, and so how it is rounded, depends on the member and the scale factor.  No
 * division traps.
 * Sign fill: from the threshold H every element is the bound of the quotient's sign: the
 * upper bound when dividend and divisor have the same sign (a zero divisor counts as
 * positive), the lower bound (0 for 8U and 16U) otherwise, 0 for a zero dividend.  H: 8U 16,
 * 16U 32, 16S 30, 32S 62, 16SC 46 (16SC: each part by the sign of its numerator, below).
 * The ways of computing a quotient:
 *  - table (8U): (n * qvx_2In23Div8U_32S[d]) >> (23 - scaleFactor), above 255 saturated.
 *    There is no correction step: the result can be one below floor(n * 2^scaleFactor / d)
 *    (at 0: 3 / 3 gives 0, 9 / 3 gives 2, 10 / 4 gives 2; divisors that are powers of two
 *    are exact).  A zero divisor gives 255 for a nonzero dividend, 0 / 0 gives 0.
 *  - double: (dividend * 2^scaleFactor) / (divisor + 1e-16) in double precision, clamped
 *    and truncated toward zero (at 0: -7 / 2 gives -3, -1 / 2 gives 0).  A zero divisor
 *    gives the bound of the dividend's sign, and 0 / 0 gives 0, except that for the 32S
 *    members a small enough 2^scaleFactor leaves x / 0 within the range: it is then
 *    (x * 2^scaleFactor) / 1e-16 truncated (for x = 1 from -23 down; DivShift_32S of 1 / 0
 *    at -31 gives 4656612).
 *  - integer division: src1 / src2 truncated toward zero, then shifted right by
 *    -scaleFactor bits, rounding toward minus infinity (-7 / 2 at -1 gives -2); a zero
 *    divisor gives the sign fill.
 * Members (below the listed bands, where no other rule is given: a zero divisor gives the
 * bound of the dividend's sign (for DivCRevShift: of val), 0 for a zero dividend, and every
 * other element 0):
 *   DivShift_8U     table at -7 .. 15
 *   DivShift_16U    double at 0 .. 31, integer division at -15 .. -1
 *   DivShift_16S    double at 0 .. 29, integer division at -15 .. -1
 *   DivShift_32S    double at -31 .. 61
 *   DivCRevShift_8U     val 0: all 0.  From 16: all 255.  table at -7 .. 15
 *   DivCRevShift_16U    val 0: all 0.  From 32: all 65535.  double at -15 .. 31
 *   DivCRevShift_16S    val 0: all 0 (at every scaleFactor).  double at -15 .. 29
 *   DivCRevShift_32S    val 0: all 0.  double at -31 .. 61
 *   DivCShift (8U, 16U, 16S, 32S): val 0 gives the sign fill at every scaleFactor (the
 *     upper bound for positive elements, the lower for negative ones, 0 for 0).  A positive
 *     power of two val = 2^k gives exactly Shift of the type at scaleFactor - k (DivCShift_16S
 *     with val 4 at 0: -1 gives -1).  Any other val: the product of each element with a
 *     fixed-point reciprocal of val rounded to nearest, computed once per call, so a quotient
 *     is usually one unit, at times two units, away from the truncated one, in either
 *     direction (DivCShift_16S with val -3 at 0: 1 gives -1, -3 gives 0); at low scale
 *     factors the product is MulCShift of the type (rounding down), and DivCShift_32S
 *     computes src * (2^scaleFactor / val) in double precision at the others, truncated
 *     toward zero.
 *   16SC (all three): a = dividend, b = divisor.  double at -31 .. 45:
 *     f = 2^scaleFactor / (b.re^2 + b.im^2 + 1e-16)  (DivCShift_16SC: 2^scaleFactor /
 *     (val.re^2 + val.im^2)), re = (a.re*b.re + a.im*b.im) * f, im = (a.im*b.re - a.re*b.im) * f,
 *     each clamped and truncated toward zero ((1, 0) / (0, 1) gives (0, -1)); a zero divisor
 *     gives (0, 0).  Below -31, and for a constant of (0, 0), all 0.  From 46 each part is
 *     the bound of its numerator's sign, 0 for a zero numerator.
 * The constant is passed by value (16SC: real part in the low 16 bits of the 32-bit
 * argument).  A complex vector must have fewer than 2^30 elements.  The destination may be
 * either source array (in-place use) with the result of separate arrays; other overlaps are
 * undefined.  len < 1 writes nothing.
 * ------------------------------------------------------------------------------------- */
QVX_API QvxStatus qvx_Vector_DivShift_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst,
                                         int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivShift_16U(const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivShift_16S(const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivShift_32S(const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivShift_16SC(const Qvx16sc* src1, const Qvx16sc* src2, Qvx16sc* dst,
                                           int len, int scaleFactor);

QVX_API QvxStatus qvx_Vector_DivCShift_8U(const Qvx8u* src, Qvx8u val, Qvx8u* dst,
                                          int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivCShift_16U(const Qvx16u* src, Qvx16u val, Qvx16u* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivCShift_16S(const Qvx16s* src, Qvx16s val, Qvx16s* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivCShift_32S(const Qvx32s* src, Qvx32s val, Qvx32s* dst,
                                           int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivCShift_16SC(const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst,
                                            int len, int scaleFactor);

QVX_API QvxStatus qvx_Vector_DivCRevShift_8U(const Qvx8u* src, Qvx8u val, Qvx8u* dst,
                                             int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivCRevShift_16U(const Qvx16u* src, Qvx16u val, Qvx16u* dst,
                                              int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivCRevShift_16S(const Qvx16s* src, Qvx16s val, Qvx16s* dst,
                                              int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivCRevShift_32S(const Qvx32s* src, Qvx32s val, Qvx32s* dst,
                                              int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_DivCRevShift_16SC(const Qvx16sc* src, Qvx16sc val, Qvx16sc* dst,
                                               int len, int scaleFactor);

/* ---- integer conversions ---- */
/*
 * TypeConvertShift_<S>_<D>(src, dst, len, scaleFactor) for every ordered pair of 8U, 8S,
 * 16U, 16S and 32S: each element x (read with its own signedness) times 2^scaleFactor,
 * exactly, then saturated to D: 8U [0, 255], 8S [-128, 127], 16U [0, 65535],
 * 16S [-32768, 32767], 32S [-2147483648, 2147483647].  With s = scaleFactor:
 *  - s > 0: x * 2^s clamped, formed without wrap-around (from s = 8, 7, 16, 15 or 31 for
 *    an 8U, 8S, 16U, 16S or 32S destination every nonzero x gives the bound of its sign;
 *    0 gives 0).  Negative x into an unsigned destination gives 0 at every s.
 *  - s = 0: x clamped.
 *  - s < 0: x shifted right arithmetically by -s bits, floor(x / 2^-s), rounding toward
 *    minus infinity (3 gives 1, -3 gives -2, -1 stays -1), then clamped.
 *  - Below the zero-fill threshold L of the pair the whole destination is set to 0 without
 *    reading the source (negative elements included, which a shift would have left at -1):
 *                src \ dst    8U    8S   16U   16S   32S
 *                   8U        -     -7    -7    -7    -7
 *                   8S       -6     -    -6    -7    -7
 *                  16U      -15   -15     -   -15   -15
 *                  16S      -15   -15   -14     -   -15
 *                  32S      -30   -31   -30   -31     -
 *    e.g. 8S_16S at s = -7 turns -128 into -1, at s = -8 into 0.  Every scaleFactor from
 *    -2147483648 to 2147483647 is accepted.
 *  - len < 1 touches no memory.
 *  - 8U_8S, 8S_8U, 16U_16S and 16S_16U may run in place (dst equal to src).  Other
 *    overlaps give the result of converting one element at a time in ascending order, each
 *    element read before its own result is stored.
 */
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8U_8S(const Qvx8u* src, Qvx8s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8U_16U(const Qvx8u* src, Qvx16u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8U_16S(const Qvx8u* src, Qvx16s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8U_32S(const Qvx8u* src, Qvx32s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8S_8U(const Qvx8s* src, Qvx8u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8S_16U(const Qvx8s* src, Qvx16u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8S_16S(const Qvx8s* src, Qvx16s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8S_32S(const Qvx8s* src, Qvx32s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16U_8U(const Qvx16u* src, Qvx8u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16U_8S(const Qvx16u* src, Qvx8s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16U_16S(const Qvx16u* src, Qvx16s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16U_32S(const Qvx16u* src, Qvx32s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16S_8U(const Qvx16s* src, Qvx8u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16S_8S(const Qvx16s* src, Qvx8s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16S_16U(const Qvx16s* src, Qvx16u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16S_32S(const Qvx16s* src, Qvx32s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32S_8U(const Qvx32s* src, Qvx8u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32S_8S(const Qvx32s* src, Qvx8s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32S_16U(const Qvx32s* src, Qvx16u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32S_16S(const Qvx32s* src, Qvx16s* dst, int len, int scaleFactor);

/* ---- conversions involving floating point ---- */
/*
 * TypeConvertShift_<S>_<D>(src, dst, len, scaleFactor): dst[i] = src[i] * 2^scaleFactor,
 * the factor built in the precision of the member (single for the integer-to-32F members
 * and for 32F into 8U, 16U, 16S and 32S; double for everything else, including 32F_8S).
 *  - Integer into 32F or 64F: the product is exact (it is an integer times a power of two)
 *    except that a 32S value is first rounded to single precision (to nearest, ties to
 *    even) in 32S_32F.  A product beyond the range of the destination is an infinity.
 *  - 32F into 64F: widened, then multiplied in double precision.  64F into 32F: multiplied
 *    in double precision, then rounded to single precision (to nearest, ties to even).
 *    Infinities and NaNs pass as IEEE 754 arithmetic gives them; -0.0 stays -0.0.
 *  - 32F or 64F into an integer type: the product t is truncated toward zero (2.99 gives
 *    2, -1.5 gives -1, -0.5 gives 0) and saturated: t above the maximum gives the maximum,
 *    t below the minimum gives the minimum (+infinity and -infinity included).  Bounds:
 *    8U [0, 255], 8S [-128, 127], 16U [0, 65535], 16S [-32768, 32767],
 *    32S [-2147483648, 2147483647]; for 32F_32S the single product 2147483648.0 gives
 *    2147483647.  A NaN gives 0 in an 8- or 16-bit destination and -2147483648 in 32S.
 *  - scaleFactor: exactly 2^scaleFactor for -126..127 (single-precision factor) and
 *    -1022..1023 (double-precision factor).  Outside that range the factor is the value
 *    whose bit pattern is ((scaleFactor + 127) mod 2^32) << 23 taken modulo 2^32 (single)
 *    or ((scaleFactor + 1023) mod 2^32) << 52 taken modulo 2^64 (double): for a single
 *    factor 128 gives +infinity, -127 gives 0.0, -128 gives -infinity, -129 gives -2^127.
 *    Every scaleFactor is accepted.
 *  - len < 1 returns at once and touches no memory.
 *  - 32S_32F and 32F_32S may run in place (dst equal to src).  Other overlaps of src and
 *    dst are undefined.
 */
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8U_32F(const Qvx8u* src, Qvx32f* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8S_32F(const Qvx8s* src, Qvx32f* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16U_32F(const Qvx16u* src, Qvx32f* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16S_32F(const Qvx16s* src, Qvx32f* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32S_32F(const Qvx32s* src, Qvx32f* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8U_64F(const Qvx8u* src, Qvx64f* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_8S_64F(const Qvx8s* src, Qvx64f* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16U_64F(const Qvx16u* src, Qvx64f* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_16S_64F(const Qvx16s* src, Qvx64f* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32S_64F(const Qvx32s* src, Qvx64f* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32F_8U(const Qvx32f* src, Qvx8u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32F_8S(const Qvx32f* src, Qvx8s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32F_16U(const Qvx32f* src, Qvx16u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32F_16S(const Qvx32f* src, Qvx16s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32F_32S(const Qvx32f* src, Qvx32s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_64F_8U(const Qvx64f* src, Qvx8u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_64F_8S(const Qvx64f* src, Qvx8s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_64F_16U(const Qvx64f* src, Qvx16u* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_64F_16S(const Qvx64f* src, Qvx16s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_64F_32S(const Qvx64f* src, Qvx32s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_32F_64F(const Qvx32f* src, Qvx64f* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_TypeConvertShift_64F_32F(const Qvx64f* src, Qvx32f* dst, int len, int scaleFactor);

/* ---- sums and dot products ---- */
/*
 * One double-precision result from one vector or two, the term of each element added in
 * index order into one double accumulator that starts at +0.0:
 *   Sum         x                     (no 16U member: SumAbs_16U gives the same value)
 *   SumAbs      |x|
 *   SumAbsDiff  |a - b|
 *   DotProd     a * b
 * Each element is first converted to double (exactly) and the term is formed in double:
 * |x| clears the sign of the converted value (SumAbs_16S of -32768 is 32768.0), the
 * difference of two 32F elements is rounded once to double, never to single precision, and
 * a 32S product beyond 2^53 is rounded to double before it is added.  Every addition is
 * rounded by itself, one term at a time, never regrouped into partial sums: the result is
 * bit for bit that of the plain loop  s = +0.0; for (i = 0; i < len; ++i) s = s + term(i);
 * so an integer sum is exact while every partial sum stays below 2^53 in magnitude, and
 * Sum_64F of {1e16, 1, -1e16} is 0.0 while that of {1e16, -1e16, 1} is 1.0.  NaN and
 * infinite elements propagate by the IEEE 754 rules.  Sum_8U calls SumAbs_8U.
 * len < 1: the result is +0.0 and the sources are not read.  The result is written for
 * every len; it must not overlap a source.
 */
QVX_API QvxStatus qvx_Vector_Sum_8U(const Qvx8u* src, int len, Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_Sum_16S(const Qvx16s* src, int len, Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_Sum_32S(const Qvx32s* src, int len, Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_Sum_32F(const Qvx32f* src, int len, Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_Sum_64F(const Qvx64f* src, int len, Qvx64f* sum);

QVX_API QvxStatus qvx_Vector_SumAbs_8U(const Qvx8u* src, int len, Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_SumAbs_16U(const Qvx16u* src, int len, Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_SumAbs_16S(const Qvx16s* src, int len, Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_SumAbs_32S(const Qvx32s* src, int len, Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_SumAbs_32F(const Qvx32f* src, int len, Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_SumAbs_64F(const Qvx64f* src, int len, Qvx64f* sum);

QVX_API QvxStatus qvx_Vector_SumAbsDiff_8U(const Qvx8u* src1, const Qvx8u* src2, int len,
                                           Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_SumAbsDiff_16U(const Qvx16u* src1, const Qvx16u* src2, int len,
                                            Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_SumAbsDiff_16S(const Qvx16s* src1, const Qvx16s* src2, int len,
                                            Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_SumAbsDiff_32S(const Qvx32s* src1, const Qvx32s* src2, int len,
                                            Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_SumAbsDiff_32F(const Qvx32f* src1, const Qvx32f* src2, int len,
                                            Qvx64f* sum);
QVX_API QvxStatus qvx_Vector_SumAbsDiff_64F(const Qvx64f* src1, const Qvx64f* src2, int len,
                                            Qvx64f* sum);

QVX_API QvxStatus qvx_Vector_DotProd_8U(const Qvx8u* src1, const Qvx8u* src2, int len,
                                        Qvx64f* dotProd);
QVX_API QvxStatus qvx_Vector_DotProd_16U(const Qvx16u* src1, const Qvx16u* src2, int len,
                                         Qvx64f* dotProd);
QVX_API QvxStatus qvx_Vector_DotProd_16S(const Qvx16s* src1, const Qvx16s* src2, int len,
                                         Qvx64f* dotProd);
QVX_API QvxStatus qvx_Vector_DotProd_32S(const Qvx32s* src1, const Qvx32s* src2, int len,
                                         Qvx64f* dotProd);
QVX_API QvxStatus qvx_Vector_DotProd_32F(const Qvx32f* src1, const Qvx32f* src2, int len,
                                         Qvx64f* dotProd);
QVX_API QvxStatus qvx_Vector_DotProd_64F(const Qvx64f* src1, const Qvx64f* src2, int len,
                                         Qvx64f* dotProd);

/* ---- mean and standard deviation ---- */
/*
 * The arithmetic mean and the sample standard deviation, written in the element type of
 * the source.  With n = len, S the sum of the elements and Q the sum of their squares
 * (each added in index order from +0.0, S before Q for every element, as the sums above):
 *   m = S / n                    the mean
 *   v = (Q - m * S) / (n - 1)    m unrounded; the divisor n - 1 (sample deviation)
 *   d = sqrt(v)                  in double; a v below zero (from rounding) gives NaN
 * Working precision: double, except MeanStdDev_8U and StdDev_8U, whose S, Q, m and v are
 * single precision (v is then widened for the square root).  Both divisions run for every
 * n, so len 0 gives NaN (0 / 0), len 1 a NaN deviation, and a negative len -0.0 for both.
 * Stored results:
 *  - 32F: rounded to single precision; 64F: as computed.
 *  - Integer types: truncated toward zero.  A NaN, or a mean outside the signed 32-bit
 *    range, stores -2147483648 into 32S and 0 into 8U, 16U and 16S (so len 0 gives 0, or
 *    -2147483648 for 32S, and StdDev of one element gives 0, or -2147483648 for 32S).
 *    A deviation too large for its type (16S data spanning more than about half the 16-bit
 *    range, 32S likewise) is saturated to the type's maximum.
 * Mean_8U and Mean_16U take S from SumAbs_8U and SumAbs_16U; StdDev calls MeanStdDev of
 * its type with a private mean.  len < 1 reads nothing.  Both results are written for every
 * len; they must not overlap a source or each other.
 *
 * Cancellation: this one-pass formula loses accuracy when the mean is large against the
 * deviation.  Q and m * S then agree in their leading digits, which the subtraction
 * cancels, leaving the rounding errors of the sums; the relative error of v can reach
 * about (m / d)^2 * n * 2^-53 (2^-24 for 8U).  For one million 32F values of 100000 plus
 * Gaussian noise of deviation 0.05, MeanStdDev_32F gave a deviation of 0.37 in one run,
 * where the data's own is 0.05006.
 * Remedy: take the mean first, subtract it, then take the deviation of the differences,
 * which are near zero:
 *     qvx_Vector_Mean_32F(x, n, &m);
 *     qvx_Vector_SubC_32F(x, m, r, n);        r = x - m, exact for x near m
 *     qvx_Vector_StdDev_32F(r, n, &d);        0.05006 in the example
 * (subtracting any value near the mean works as well, the first element for instance).
 */
QVX_API QvxStatus qvx_Vector_Mean_8U(const Qvx8u* src, int len, Qvx8u* mean);
QVX_API QvxStatus qvx_Vector_Mean_16U(const Qvx16u* src, int len, Qvx16u* mean);
QVX_API QvxStatus qvx_Vector_Mean_16S(const Qvx16s* src, int len, Qvx16s* mean);
QVX_API QvxStatus qvx_Vector_Mean_32S(const Qvx32s* src, int len, Qvx32s* mean);
QVX_API QvxStatus qvx_Vector_Mean_32F(const Qvx32f* src, int len, Qvx32f* mean);
QVX_API QvxStatus qvx_Vector_Mean_64F(const Qvx64f* src, int len, Qvx64f* mean);

QVX_API QvxStatus qvx_Vector_MeanStdDev_8U(const Qvx8u* src, int len, Qvx8u* mean, Qvx8u* stdDev);
QVX_API QvxStatus qvx_Vector_MeanStdDev_16U(const Qvx16u* src, int len, Qvx16u* mean,
                                            Qvx16u* stdDev);
QVX_API QvxStatus qvx_Vector_MeanStdDev_16S(const Qvx16s* src, int len, Qvx16s* mean,
                                            Qvx16s* stdDev);
QVX_API QvxStatus qvx_Vector_MeanStdDev_32S(const Qvx32s* src, int len, Qvx32s* mean,
                                            Qvx32s* stdDev);
QVX_API QvxStatus qvx_Vector_MeanStdDev_32F(const Qvx32f* src, int len, Qvx32f* mean,
                                            Qvx32f* stdDev);
QVX_API QvxStatus qvx_Vector_MeanStdDev_64F(const Qvx64f* src, int len, Qvx64f* mean,
                                            Qvx64f* stdDev);

QVX_API QvxStatus qvx_Vector_StdDev_8U(const Qvx8u* src, int len, Qvx8u* stdDev);
QVX_API QvxStatus qvx_Vector_StdDev_16U(const Qvx16u* src, int len, Qvx16u* stdDev);
QVX_API QvxStatus qvx_Vector_StdDev_16S(const Qvx16s* src, int len, Qvx16s* stdDev);
QVX_API QvxStatus qvx_Vector_StdDev_32S(const Qvx32s* src, int len, Qvx32s* stdDev);
QVX_API QvxStatus qvx_Vector_StdDev_32F(const Qvx32f* src, int len, Qvx32f* stdDev);
QVX_API QvxStatus qvx_Vector_StdDev_64F(const Qvx64f* src, int len, Qvx64f* stdDev);

/* ---- norms ---- */
/*
 * Norm: sqrt(sum of x * x); NormDiff: sqrt(sum of d * d) with d = src1[i] - src2[i].
 * Each element is converted to double (exactly), the difference and the square are formed
 * in double (NormDiff_16U of {0} and {65535} is 65535.0), and the squares are added in
 * index order from +0.0, one rounding per addition, as the sums above; the square root is
 * correctly rounded.  No scaling against overflow: a sum of squares beyond the double
 * range gives +infinity (Norm_64F of {1e200, 1e200}).  NaN elements give NaN.
 * len < 1: the result is +0.0 and the sources are not read.  The result is written for
 * every len; it must not overlap a source.
 */
QVX_API QvxStatus qvx_Vector_Norm_8U(const Qvx8u* src, int len, Qvx64f* norm);
QVX_API QvxStatus qvx_Vector_Norm_16U(const Qvx16u* src, int len, Qvx64f* norm);
QVX_API QvxStatus qvx_Vector_Norm_16S(const Qvx16s* src, int len, Qvx64f* norm);
QVX_API QvxStatus qvx_Vector_Norm_32S(const Qvx32s* src, int len, Qvx64f* norm);
QVX_API QvxStatus qvx_Vector_Norm_32F(const Qvx32f* src, int len, Qvx64f* norm);
QVX_API QvxStatus qvx_Vector_Norm_64F(const Qvx64f* src, int len, Qvx64f* norm);

QVX_API QvxStatus qvx_Vector_NormDiff_8U(const Qvx8u* src1, const Qvx8u* src2, int len,
                                         Qvx64f* norm);
QVX_API QvxStatus qvx_Vector_NormDiff_16U(const Qvx16u* src1, const Qvx16u* src2, int len,
                                          Qvx64f* norm);
QVX_API QvxStatus qvx_Vector_NormDiff_16S(const Qvx16s* src1, const Qvx16s* src2, int len,
                                          Qvx64f* norm);
QVX_API QvxStatus qvx_Vector_NormDiff_32S(const Qvx32s* src1, const Qvx32s* src2, int len,
                                          Qvx64f* norm);
QVX_API QvxStatus qvx_Vector_NormDiff_32F(const Qvx32f* src1, const Qvx32f* src2, int len,
                                          Qvx64f* norm);
QVX_API QvxStatus qvx_Vector_NormDiff_64F(const Qvx64f* src1, const Qvx64f* src2, int len,
                                          Qvx64f* norm);

/* ---- extremes and their indexes ---- */
/*
 * Max, Min, MinMax: the largest and smallest element.  MinMaxDiff: the smallest and
 * largest of src1[i] - src2[i], formed as
 *   8U, 16S    in 32-bit integers, exactly
 *   16U        the same function as 16S, one address: elements are read as signed 16-bit
 *              values (65535 counts as -1, 40000 as -25536)
 *   32S        32-bit two's-complement subtraction, wrapping (2147483647 - (-1) is
 *              -2147483648)
 *   32F, 64F   in the element's precision (32F: rounded to single precision)
 * and reported as Qvx32s for the integer members.  MaxIndex, MinIndex, MinMaxIndex: the
 * index (from 0) of the first largest and first smallest element.
 * One pass in index order: a running maximum starts at the lowest value of its result type
 * and is replaced by an element only when the element is strictly greater; a running
 * minimum mirrors it from the highest value.  Start values (also the results of an empty
 * vector):
 *                 8U   16U        16S          32S            32F              64F
 *   maximum        0     0     -32768  -2147483648   -3.4028235e38   -1.7976931348623157e308
 *   minimum      255 65535      32767   2147483647    3.4028235e38    1.7976931348623157e308
 * (the 32S column holds for every integer MinMaxDiff).  Hence: ties keep the earliest
 * element, so an index is the first position of the extreme and of -0.0 and +0.0 the one
 * that comes first is reported; NaN is never selected (a vector of NaNs gives the start
 * values and index 0); a floating maximum that meets only -infinity keeps its finite start
 * value (Max_32F of {-inf} is -3.4028235e38), and likewise a minimum meeting only
 * +infinity.  The index results are 0 when nothing replaced the start value.
 * Every result is written for every len; len < 1 gives the start values and index 0 and
 * reads nothing.  Result cells must not overlap a source or each other.
 */
QVX_API QvxStatus qvx_Vector_Max_8U(const Qvx8u* src, int len, Qvx8u* max);
QVX_API QvxStatus qvx_Vector_Max_16U(const Qvx16u* src, int len, Qvx16u* max);
QVX_API QvxStatus qvx_Vector_Max_16S(const Qvx16s* src, int len, Qvx16s* max);
QVX_API QvxStatus qvx_Vector_Max_32S(const Qvx32s* src, int len, Qvx32s* max);
QVX_API QvxStatus qvx_Vector_Max_32F(const Qvx32f* src, int len, Qvx32f* max);
QVX_API QvxStatus qvx_Vector_Max_64F(const Qvx64f* src, int len, Qvx64f* max);

QVX_API QvxStatus qvx_Vector_Min_8U(const Qvx8u* src, int len, Qvx8u* min);
QVX_API QvxStatus qvx_Vector_Min_16U(const Qvx16u* src, int len, Qvx16u* min);
QVX_API QvxStatus qvx_Vector_Min_16S(const Qvx16s* src, int len, Qvx16s* min);
QVX_API QvxStatus qvx_Vector_Min_32S(const Qvx32s* src, int len, Qvx32s* min);
QVX_API QvxStatus qvx_Vector_Min_32F(const Qvx32f* src, int len, Qvx32f* min);
QVX_API QvxStatus qvx_Vector_Min_64F(const Qvx64f* src, int len, Qvx64f* min);

QVX_API QvxStatus qvx_Vector_MinMax_8U(const Qvx8u* src, int len, Qvx8u* min, Qvx8u* max);
QVX_API QvxStatus qvx_Vector_MinMax_16U(const Qvx16u* src, int len, Qvx16u* min, Qvx16u* max);
QVX_API QvxStatus qvx_Vector_MinMax_16S(const Qvx16s* src, int len, Qvx16s* min, Qvx16s* max);
QVX_API QvxStatus qvx_Vector_MinMax_32S(const Qvx32s* src, int len, Qvx32s* min, Qvx32s* max);
QVX_API QvxStatus qvx_Vector_MinMax_32F(const Qvx32f* src, int len, Qvx32f* min, Qvx32f* max);
QVX_API QvxStatus qvx_Vector_MinMax_64F(const Qvx64f* src, int len, Qvx64f* min, Qvx64f* max);

QVX_API QvxStatus qvx_Vector_MinMaxDiff_8U(const Qvx8u* src1, const Qvx8u* src2, int len,
                                           Qvx32s* min, Qvx32s* max);
QVX_API QvxStatus qvx_Vector_MinMaxDiff_16S(const Qvx16s* src1, const Qvx16s* src2, int len,
                                            Qvx32s* min, Qvx32s* max);
QVX_API QvxStatus qvx_Vector_MinMaxDiff_16U(const Qvx16u* src1, const Qvx16u* src2, int len,
                                            Qvx32s* min, Qvx32s* max);
QVX_API QvxStatus qvx_Vector_MinMaxDiff_32S(const Qvx32s* src1, const Qvx32s* src2, int len,
                                            Qvx32s* min, Qvx32s* max);
QVX_API QvxStatus qvx_Vector_MinMaxDiff_32F(const Qvx32f* src1, const Qvx32f* src2, int len,
                                            Qvx32f* min, Qvx32f* max);
QVX_API QvxStatus qvx_Vector_MinMaxDiff_64F(const Qvx64f* src1, const Qvx64f* src2, int len,
                                            Qvx64f* min, Qvx64f* max);

QVX_API QvxStatus qvx_Vector_MaxIndex_8U(const Qvx8u* src, int len, int* maxIndex);
QVX_API QvxStatus qvx_Vector_MaxIndex_16U(const Qvx16u* src, int len, int* maxIndex);
QVX_API QvxStatus qvx_Vector_MaxIndex_16S(const Qvx16s* src, int len, int* maxIndex);
QVX_API QvxStatus qvx_Vector_MaxIndex_32S(const Qvx32s* src, int len, int* maxIndex);
QVX_API QvxStatus qvx_Vector_MaxIndex_32F(const Qvx32f* src, int len, int* maxIndex);
QVX_API QvxStatus qvx_Vector_MaxIndex_64F(const Qvx64f* src, int len, int* maxIndex);

QVX_API QvxStatus qvx_Vector_MinIndex_8U(const Qvx8u* src, int len, int* minIndex);
QVX_API QvxStatus qvx_Vector_MinIndex_16U(const Qvx16u* src, int len, int* minIndex);
QVX_API QvxStatus qvx_Vector_MinIndex_16S(const Qvx16s* src, int len, int* minIndex);
QVX_API QvxStatus qvx_Vector_MinIndex_32S(const Qvx32s* src, int len, int* minIndex);
QVX_API QvxStatus qvx_Vector_MinIndex_32F(const Qvx32f* src, int len, int* minIndex);
QVX_API QvxStatus qvx_Vector_MinIndex_64F(const Qvx64f* src, int len, int* minIndex);

QVX_API QvxStatus qvx_Vector_MinMaxIndex_8U(const Qvx8u* src, int len, int* minIndex,
                                            int* maxIndex);
QVX_API QvxStatus qvx_Vector_MinMaxIndex_16U(const Qvx16u* src, int len, int* minIndex,
                                             int* maxIndex);
QVX_API QvxStatus qvx_Vector_MinMaxIndex_16S(const Qvx16s* src, int len, int* minIndex,
                                             int* maxIndex);
QVX_API QvxStatus qvx_Vector_MinMaxIndex_32S(const Qvx32s* src, int len, int* minIndex,
                                             int* maxIndex);
QVX_API QvxStatus qvx_Vector_MinMaxIndex_32F(const Qvx32f* src, int len, int* minIndex,
                                             int* maxIndex);
QVX_API QvxStatus qvx_Vector_MinMaxIndex_64F(const Qvx64f* src, int len, int* minIndex,
                                             int* maxIndex);

/* ---- thresholds ---- */
/*
 * Each element x = src[i] is compared with one or two levels; dst[i] receives
 *   ThresholdLT     level if x > level, else x     (an upper limit: the smaller of the two)
 *   ThresholdGT     level if x < level, else x     (a lower limit: the larger of the two)
 *   ThresholdLTVal  val if x > level, else x
 *   ThresholdGTVal  val if x < level, else x
 *   Threshold       levelHi if x > levelHi, else levelLo if x < levelLo, else x
 *   ThresholdVal    valHi if x > levelHi, else valLo if x < levelLo, else x
 * Levels and values come after dst and before len, in the order of the prototypes.
 * Every comparison is strict (an element equal to a level is kept) and made in the element
 * type: 8U and 16U as unsigned numbers (a 16U level 32768 lies above 100 and below 40000),
 * 16S and 32S as signed ones, 32F and 64F by ordered IEEE comparison, in which -0.0 equals
 * +0.0 and every comparison with a NaN is false: a NaN element is stored unchanged, a NaN
 * level replaces nothing, and a NaN val is stored wherever its test holds.  Infinities
 * compare as ordinary values.
 * Two levels: the upper test is made first and decides alone.  With equal levels L,
 * Threshold gives L everywhere and ThresholdVal gives valHi above L, valLo below L and L for
 * elements equal to L.  With inverted levels (levelLo > levelHi) every element above levelHi
 * becomes levelHi (valHi) and every other element except a NaN becomes levelLo (valLo): with
 * levelLo 10 and levelHi -10, 20 and 0 give -10, while -10 and -20 give 10.
 * Val forms whose values equal their levels (ThresholdLTVal/GTVal: val == level;
 * ThresholdVal: valLo == levelLo and valHi == levelHi; ordered equality, so never with a
 * NaN) store the level itself where a test holds.  The result is the same except for zeros
 * of opposite sign: ThresholdLTVal_32F with level +0.0 and val -0.0 turns 1.0 into +0.0.
 * Where only one of ThresholdVal's values equals its level, both are stored as given.
 * dst may be src (in-place use); other overlaps are not supported.  len < 1 writes nothing.
 */
QVX_API QvxStatus qvx_Vector_Threshold_8U(const Qvx8u* src, Qvx8u* dst, Qvx8u levelLo, Qvx8u levelHi, int len);
QVX_API QvxStatus qvx_Vector_Threshold_16U(const Qvx16u* src, Qvx16u* dst, Qvx16u levelLo, Qvx16u levelHi, int len);
QVX_API QvxStatus qvx_Vector_Threshold_16S(const Qvx16s* src, Qvx16s* dst, Qvx16s levelLo, Qvx16s levelHi, int len);
QVX_API QvxStatus qvx_Vector_Threshold_32S(const Qvx32s* src, Qvx32s* dst, Qvx32s levelLo, Qvx32s levelHi, int len);
QVX_API QvxStatus qvx_Vector_Threshold_32F(const Qvx32f* src, Qvx32f* dst, Qvx32f levelLo, Qvx32f levelHi, int len);
QVX_API QvxStatus qvx_Vector_Threshold_64F(const Qvx64f* src, Qvx64f* dst, Qvx64f levelLo, Qvx64f levelHi, int len);

QVX_API QvxStatus qvx_Vector_ThresholdVal_8U(const Qvx8u* src, Qvx8u* dst, Qvx8u levelLo, Qvx8u levelHi, Qvx8u valLo, Qvx8u valHi, int len);
QVX_API QvxStatus qvx_Vector_ThresholdVal_16U(const Qvx16u* src, Qvx16u* dst, Qvx16u levelLo, Qvx16u levelHi, Qvx16u valLo, Qvx16u valHi, int len);
QVX_API QvxStatus qvx_Vector_ThresholdVal_16S(const Qvx16s* src, Qvx16s* dst, Qvx16s levelLo, Qvx16s levelHi, Qvx16s valLo, Qvx16s valHi, int len);
QVX_API QvxStatus qvx_Vector_ThresholdVal_32S(const Qvx32s* src, Qvx32s* dst, Qvx32s levelLo, Qvx32s levelHi, Qvx32s valLo, Qvx32s valHi, int len);
QVX_API QvxStatus qvx_Vector_ThresholdVal_32F(const Qvx32f* src, Qvx32f* dst, Qvx32f levelLo, Qvx32f levelHi, Qvx32f valLo, Qvx32f valHi, int len);
QVX_API QvxStatus qvx_Vector_ThresholdVal_64F(const Qvx64f* src, Qvx64f* dst, Qvx64f levelLo, Qvx64f levelHi, Qvx64f valLo, Qvx64f valHi, int len);

QVX_API QvxStatus qvx_Vector_ThresholdLT_8U(const Qvx8u* src, Qvx8u* dst, Qvx8u level, int len);
QVX_API QvxStatus qvx_Vector_ThresholdLT_16U(const Qvx16u* src, Qvx16u* dst, Qvx16u level, int len);
QVX_API QvxStatus qvx_Vector_ThresholdLT_16S(const Qvx16s* src, Qvx16s* dst, Qvx16s level, int len);
QVX_API QvxStatus qvx_Vector_ThresholdLT_32S(const Qvx32s* src, Qvx32s* dst, Qvx32s level, int len);
QVX_API QvxStatus qvx_Vector_ThresholdLT_32F(const Qvx32f* src, Qvx32f* dst, Qvx32f level, int len);
QVX_API QvxStatus qvx_Vector_ThresholdLT_64F(const Qvx64f* src, Qvx64f* dst, Qvx64f level, int len);

QVX_API QvxStatus qvx_Vector_ThresholdGT_8U(const Qvx8u* src, Qvx8u* dst, Qvx8u level, int len);
QVX_API QvxStatus qvx_Vector_ThresholdGT_16U(const Qvx16u* src, Qvx16u* dst, Qvx16u level, int len);
QVX_API QvxStatus qvx_Vector_ThresholdGT_16S(const Qvx16s* src, Qvx16s* dst, Qvx16s level, int len);
QVX_API QvxStatus qvx_Vector_ThresholdGT_32S(const Qvx32s* src, Qvx32s* dst, Qvx32s level, int len);
QVX_API QvxStatus qvx_Vector_ThresholdGT_32F(const Qvx32f* src, Qvx32f* dst, Qvx32f level, int len);
QVX_API QvxStatus qvx_Vector_ThresholdGT_64F(const Qvx64f* src, Qvx64f* dst, Qvx64f level, int len);

QVX_API QvxStatus qvx_Vector_ThresholdLTVal_8U(const Qvx8u* src, Qvx8u* dst, Qvx8u level, Qvx8u val, int len);
QVX_API QvxStatus qvx_Vector_ThresholdLTVal_16U(const Qvx16u* src, Qvx16u* dst, Qvx16u level, Qvx16u val, int len);
QVX_API QvxStatus qvx_Vector_ThresholdLTVal_16S(const Qvx16s* src, Qvx16s* dst, Qvx16s level, Qvx16s val, int len);
QVX_API QvxStatus qvx_Vector_ThresholdLTVal_32S(const Qvx32s* src, Qvx32s* dst, Qvx32s level, Qvx32s val, int len);
QVX_API QvxStatus qvx_Vector_ThresholdLTVal_32F(const Qvx32f* src, Qvx32f* dst, Qvx32f level, Qvx32f val, int len);
QVX_API QvxStatus qvx_Vector_ThresholdLTVal_64F(const Qvx64f* src, Qvx64f* dst, Qvx64f level, Qvx64f val, int len);

QVX_API QvxStatus qvx_Vector_ThresholdGTVal_8U(const Qvx8u* src, Qvx8u* dst, Qvx8u level, Qvx8u val, int len);
QVX_API QvxStatus qvx_Vector_ThresholdGTVal_16U(const Qvx16u* src, Qvx16u* dst, Qvx16u level, Qvx16u val, int len);
QVX_API QvxStatus qvx_Vector_ThresholdGTVal_16S(const Qvx16s* src, Qvx16s* dst, Qvx16s level, Qvx16s val, int len);
QVX_API QvxStatus qvx_Vector_ThresholdGTVal_32S(const Qvx32s* src, Qvx32s* dst, Qvx32s level, Qvx32s val, int len);
QVX_API QvxStatus qvx_Vector_ThresholdGTVal_32F(const Qvx32f* src, Qvx32f* dst, Qvx32f level, Qvx32f val, int len);
QVX_API QvxStatus qvx_Vector_ThresholdGTVal_64F(const Qvx64f* src, Qvx64f* dst, Qvx64f level, Qvx64f val, int len);

/* ---- element-wise maximum and minimum ---- */
/*
 * MaxEvery   dst[i] = src1[i] if src1[i] > src2[i], else src2[i]
 * MinEvery   dst[i] = src1[i] if src1[i] < src2[i], else src2[i]
 * _I forms   srcDst[i] = src[i] where src[i] wins against srcDst[i] by the same rule, else
 *            srcDst[i] stays: the out-of-place form with src1 = src, src2 = dst = srcDst.
 * Comparisons are strict: unsigned for 8U and 16U, signed for 16S and 32S, ordered IEEE for
 * 32F and 64F.  Complex elements (32FC, 64FC) compare by their squared magnitude
 * re*re + im*im, computed in the element's precision with each product and the sum rounded
 * (no square root), and the winning element is copied whole, both parts.
 * Whenever the first argument does not win, the second one is the result, bit for bit: on
 * ties (equal values, +0.0 against -0.0, different complex numbers of equal squared
 * magnitude such as 1 and i, squared magnitudes that both overflow to infinity) and when
 * either side or its squared magnitude is a NaN.  So MaxEvery_32F of NaN and 1 gives 1, of
 * 1 and NaN gives NaN, and an _I form never writes a NaN from src.
 * dst may be src1 or src2; the _I forms may be given one array as both arguments.  Other
 * overlaps are not supported.  len < 1 writes nothing.
 */
QVX_API QvxStatus qvx_Vector_MaxEvery_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_16U(const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_16S(const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_32S(const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_32F(const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_64F(const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_32FC(const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_64FC(const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst, int len);

QVX_API QvxStatus qvx_Vector_MinEvery_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_16U(const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_16S(const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_32S(const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_32F(const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_64F(const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_32FC(const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_64FC(const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst, int len);

QVX_API QvxStatus qvx_Vector_MaxEvery_8U_I(const Qvx8u* src, Qvx8u* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_16U_I(const Qvx16u* src, Qvx16u* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_16S_I(const Qvx16s* src, Qvx16s* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_32S_I(const Qvx32s* src, Qvx32s* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_32F_I(const Qvx32f* src, Qvx32f* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_64F_I(const Qvx64f* src, Qvx64f* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_32FC_I(const Qvx32fc* src, Qvx32fc* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MaxEvery_64FC_I(const Qvx64fc* src, Qvx64fc* srcDst, int len);

QVX_API QvxStatus qvx_Vector_MinEvery_8U_I(const Qvx8u* src, Qvx8u* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_16U_I(const Qvx16u* src, Qvx16u* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_16S_I(const Qvx16s* src, Qvx16s* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_32S_I(const Qvx32s* src, Qvx32s* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_32F_I(const Qvx32f* src, Qvx32f* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_64F_I(const Qvx64f* src, Qvx64f* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_32FC_I(const Qvx32fc* src, Qvx32fc* srcDst, int len);
QVX_API QvxStatus qvx_Vector_MinEvery_64FC_I(const Qvx64fc* src, Qvx64fc* srcDst, int len);

/* ---- absolute value and absolute difference ---- */
/*
 * Abs_16S, Abs_32S   the magnitude of src[i], wrapping: the most negative value (-32768,
 *                    -2147483648) gives itself; no saturation.
 * Abs_32F, Abs_64F   src[i] with its sign bit cleared and nothing else changed: -0.0 gives
 *                    +0.0, -inf gives +inf, a NaN keeps its payload.
 * AbsDiff_8U, _16U   the exact difference of the larger and the smaller element.
 * AbsDiff_16S        |src1[i] - src2[i]| formed exactly, then saturated to 32767.
 * AbsDiff_32S        the larger element minus the smaller (signed comparison) modulo 2^32:
 *                    the exact magnitude read as an unsigned 32-bit number, so magnitudes of
 *                    2^31 and more read as negative (2147483647 and -1 give -2147483648).
 * AbsDiff_32F, _64F  src1[i] - src2[i] rounded to the element's precision, then its sign bit
 *                    cleared (a NaN difference too).
 * dst may be a source (in-place use); other overlaps are not supported.  len < 1 writes
 * nothing.
 */
QVX_API QvxStatus qvx_Vector_Abs_16S(const Qvx16s* src, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_Abs_32S(const Qvx32s* src, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_Abs_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Abs_64F(const Qvx64f* src, Qvx64f* dst, int len);

QVX_API QvxStatus qvx_Vector_AbsDiff_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_AbsDiff_16U(const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst, int len);
QVX_API QvxStatus qvx_Vector_AbsDiff_16S(const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_AbsDiff_32S(const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_AbsDiff_32F(const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_AbsDiff_64F(const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len);

/* ---- floating-point elementary functions ---- */
/*
 * Each element is computed by the C math library's double-precision function, so results
 * are the system libm's own values:
 *   Acos, Asin       acos, asin; an element of magnitude above 1 gives NaN (no call)
 *   Atan, Cos, Sin, Tan, Exp    atan, cos, sin, tan, exp
 *   Log              log; an element below 0 gives NaN (no call); -0.0 and +0.0 give
 *                    -infinity (from log)
 *   SinCos           dstSin[i] = sin(src[i]), dstCos[i] = cos(src[i]) (two calls)
 *   Sqrt_32F         sqrtf, in single precision; Sqrt_64F: sqrt.  Both correctly rounded;
 *                    a negative element gives NaN.
 * Single precision (32F, 32FC): each input is widened to double exactly, the function and
 * every intermediate step are evaluated in double, and each result is rounded once to
 * single precision (a result beyond the single range becomes infinity).  Only Sqrt_32F
 * works in single precision throughout.
 * The domain checks are ordered comparisons in the element's precision: a NaN element
 * passes them and the library returns a NaN for it.  The NaN the checks write is the
 * default positive quiet NaN (0x7FC00000, 0x7FF8000000000000).
 * Sin_32F, Cos_32F, Tan_32F, SinCos_32F, Exp_32F, Log_32F, Atan_32F, Asin_32F and Acos_32F
 * give these results, errno and exception flags for every input, faster: blocks are
 * evaluated in double with a proven error bound and a result is kept only where it lies
 * provably clear of every float rounding boundary; every other element (near a boundary,
 * outside the function's safe range, or under a rounding mode other than the default or
 * flush-to-zero) is the C library call, in element order (Exp_32F and Log_32F: in the
 * x86-64-v3 and v4 builds).  `make verify-math` checks all 2^32 inputs of each.
 * Exp_32FC (in the x86-64-v3 and v4 builds; each element's single-precision magnitude and
 * both parts proven) and Log_32FC do the same; `make verify-math` checks 2^28 drawn pairs.
 * The 64F and 64FC members, and the other 32F and 32FC members, call the library for every
 * element: a double result can be proven only equal to the correctly rounded one, which the
 * C library's double functions do not always return.
 *
 * Complex exponential of a + bi (Exp_32FC, Exp_64FC): m = exp(a); the sine and cosine of b
 * from one sincos call; result (m * cos b, m * sin b) in double.  For 32FC, m itself is
 * rounded to single precision before the products, so a magnitude beyond the single range
 * is infinite: Exp_32FC of (89, 0) gives (+infinity, NaN), Exp_64FC gives (exp(89), 0).
 * Complex logarithm of a + bi (Log_32FC, Log_64FC): real part log(hypot(b, a)) (z = 0 gives
 * -infinity); imaginary part atan2(b, a), except for a = +-0 and b = +-0, where it is +0
 * for a = +0 and pi for a = -0, with the sign of b (no atan2 call).
 * Complex square root (Sqrt_32FC, Sqrt_64FC), the principal root (real part >= 0,
 * imaginary part with the sign of b), in double; Z is the exported object dzero (64FC) or
 * fzero (32FC), read at each use:
 *   b = +-infinity                      (+infinity, b), whatever a is (NaN included)
 *   a = +infinity, b finite or NaN      (+infinity, |b| * Z with the sign of b)
 *   a = -infinity, b finite or NaN      (|b| * Z, +infinity with the sign of b)
 *   otherwise a or b NaN                (|a| + |b|, the same NaN negated when b's sign
 *                                       bit is set)
 *   b = +-0, a finite                   s = sqrt(|a|) (32FC: sqrtf of the single |a|);
 *                                       (s, +0) for a > 0, else (+0, s); the imaginary
 *                                       part takes the sign of b
 *   otherwise, h = a/2, k = b/2         r = hypot(h, k) (64FC) or sqrt(h*h + k*k) (32FC);
 *     a > 0                             t = sqrt(h + r): (t, k / t)
 *     a < 0, and a = -0 for 32FC        t = sqrt(r - h), negated for b < 0: (k / t, t)
 *     a = +0, and a = -0 for 64FC       u = sqrt(|k|): (u, u) for b > 0, (u, -u) for b < 0
 *   e.g. Sqrt_64FC of (-4, 0) is (0, 2), of (-4, -0.0) is (0, -2), of (3, 4) is (2, 1).
 *
 * Power (Pow: x = src1[i], y = src2[i]; PowC: y = val for every element).  N = 2^24 (32F)
 * or 2^53 (64F), from which every value of the type is an even integer.  The first case
 * that applies decides:
 *   1. y = +-0                          1
 *   2. x = 1                            1
 *   3. x or y NaN                       a NaN (y + x)
 *   4. y = +-infinity                   1 for x = -1; +infinity for |x| < 1 with
 *                                       y = -infinity and for |x| > 1 with y = +infinity;
 *                                       +0 otherwise
 *   5. x = +-0 and y < 0                -infinity for x = -0 and y an odd integer below N
 *                                       in magnitude, else +infinity (computed as -1/|x|
 *                                       and 1/|x|: the division-by-zero flag is raised)
 *   6. x < 0 and y an even integer or |y| >= N    pow(|x|, y)
 *   7. otherwise                        pow(x, y) (x < 0 with a non-integer y: NaN from pow)
 * Cases 1 to 5 make no library call, and Pow's tests of cases 1 to 3 look at the bits (no
 * flag for a signalling NaN there).  PowC gives, for every element, what Pow gives with an
 * exponent vector filled with val.  Pow_32F and PowC_32F (for a finite nonzero val) compute
 * case 7 faster where it is proven, as the elementary functions above do: x a positive normal
 * float, the result in the float normal range, clear of every float rounding boundary and of
 * every float (a power may be a float exactly).  PowC with val = +-0 fills dst with 1.0 through
 * qvx_Vector_Set_32F / _64F (which does nothing for len < 1), NaN elements included.
 *
 * errno and the floating-point exception flags are set by the library calls as the C math
 * library sets them (for example log(0) and pow overflow set ERANGE, sin(infinity) EDOM);
 * the NaNs of the domain checks and of power cases 1 to 5 involve no call.  NaN results
 * other than the default NaN above may carry any payload.
 * len < 1: nothing is read or written (PowC with val = 0 included).
 * dst may be the source (src1 or src2 for Pow) itself, except: the complex Log stores the
 * real part of a result before it reads the source element again, so its destination must
 * not be the source; SinCos stores the sine before it reads the source element again, so
 * dstSin must not be src (dstCos may be).  Other overlaps are undefined.
 */
QVX_API QvxStatus qvx_Vector_Acos_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Acos_64F(const Qvx64f* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Asin_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Asin_64F(const Qvx64f* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Atan_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Atan_64F(const Qvx64f* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Cos_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Cos_64F(const Qvx64f* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Sin_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Sin_64F(const Qvx64f* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Tan_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Tan_64F(const Qvx64f* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Exp_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Exp_64F(const Qvx64f* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Log_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Log_64F(const Qvx64f* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Exp_32FC(const Qvx32fc* src, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_Exp_64FC(const Qvx64fc* src, Qvx64fc* dst, int len);
QVX_API QvxStatus qvx_Vector_Log_32FC(const Qvx32fc* src, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_Log_64FC(const Qvx64fc* src, Qvx64fc* dst, int len);
QVX_API QvxStatus qvx_Vector_Pow_32F(const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Pow_64F(const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_PowC_32F(const Qvx32f* src, Qvx32f val, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_PowC_64F(const Qvx64f* src, Qvx64f val, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_SinCos_32F(const Qvx32f* src, Qvx32f* dstSin, Qvx32f* dstCos, int len);
QVX_API QvxStatus qvx_Vector_SinCos_64F(const Qvx64f* src, Qvx64f* dstSin, Qvx64f* dstCos, int len);
QVX_API QvxStatus qvx_Vector_Sqrt_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Sqrt_64F(const Qvx64f* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Sqrt_32FC(const Qvx32fc* src, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_Sqrt_64FC(const Qvx64fc* src, Qvx64fc* dst, int len);

/* ---- scaled-integer elementary functions ---- */
/*
 * ExpShift, LogShift and SqrtShift (src, dst, len, scaleFactor), 16S and 32S: exp(x), ln(x)
 * and sqrt(x) of every element x times 2^s, s = scaleFactor (a positive s enlarges the
 * result), stored in the source type.  Each function divides the scale factors into bands,
 * each with its own method: some bands round to nearest, others truncate toward zero, and
 * the logarithm's middle bands use a fixed-point approximation; the lists below are the
 * definition.  rnd(v) is v rounded to nearest with halves upward (the only half that arises
 * is exp(0) * 2^-1, which gives 1); "truncated" is toward zero.  MAX is 32767 / 2147483647,
 * MIN -32768 / -2147483648.  Every int scaleFactor is accepted.
 *
 * ExpShift_16S  -16 <= s <= 16  rnd(exp(x) * 2^s), saturated to MAX
 *               other s         c = ln 2 * s rounded to single precision (the exact product
 *                               rounded once; not ln 2 rounded to single and multiplied
 *                               by s, which differs at s = -21, 104 and others); y =
 *                               exp(x + c) with x + c in single precision and exp in
 *                               double, y rounded to single precision; y above MAX gives
 *                               MAX, else y truncated
 * ExpShift_32S  -31 <= s <= 31  rnd(exp(x) * 2^s), saturated to MAX
 *               other s         y = exp(x + ln 2 * s), all in double precision; y above MAX
 *                               gives MAX, else y truncated
 *
 * LogShift: x <= 0 gives MIN at every s.  For x >= 1 write x = m * 2^b + r, m its top 8 bits
 * (m = x, b = 0 for x < 256) and r < 2^b the bits below them; then
 *   A(x) = rnd(ln(m) * 2^27) + rnd(b * ln 2 * 2^27)   ln(x) * 2^27 without the bits r
 *   C(x) = r7 * rnd(2^20 / m)                         16S: r7 = r * 2^(7 - b)
 *   C(x) = (r11 * rnd(2^20 / m)) >> 4                 32S: r11 = the 11 bits of x below m
 * (C adds the first-order term of ln(1 + r / (m * 2^b)) in the units of A; >> is a floor).
 * LogShift_16S  s <= -5      0
 *               -4 .. 0      rnd(ln(x) * 2^s)
 *               1 .. 7       A(x) >> (27 - s)
 *               8 .. 13      (A(x) + C(x)) >> (27 - s), at most MAX
 *               14           rnd(ln(x) * 2^14) for x <= 7, MAX for x >= 8
 *               15           0 for x = 1, 22713 (rnd(ln 2 * 2^15)) for x = 2, else MAX
 *               s >= 16      0 for x = 1, MAX for x >= 2
 * LogShift_32S  s <= -5      0
 *               -4, -3       rnd(ln(x) * 2^s)
 *               -2           rnd(ln(x) / 4), except that 3, 4 and 5 are reached one step
 *                            early, from x = 22026, 1202604 and 65659969 (so 22026 gives
 *                            3 here and 2 in LogShift_16S)
 *               -1 .. 7      A(x) >> (27 - s): a floor, so s = 0 is not rnd(ln(x))
 *               8 .. 15      (A(x) + C(x)) >> (27 - s)
 *               16 .. 29     log(x) * 2^s in double precision, truncated; above MAX gives MAX
 *               30           floor(ln(x) * 2^30) for x <= 7, MAX for x >= 8
 *               31           0 for x = 1, 1488522235 (floor(ln 2 * 2^31)) for x = 2, else MAX
 *               s >= 32      0 for x = 1, MAX for x >= 2
 *
 * SqrtShift: a negative x counts as 0 in every band.
 * SqrtShift_16S s < -7       the whole destination is set to 0 by qvx_Vector_Set_16S, which
 *                            receives len unchanged (so len < 1 writes nothing)
 *               -7 .. -1     t >> -s (a floor) with t a rounded root from tables:
 *                            rnd(16 * sqrt(x >> 8)) for x >= 4096, else rnd(sqrt(16 *
 *                            (x >> 4))) (which is 4 or 5 for x < 32); from s = -3 on,
 *                            rnd(sqrt(x)) for x < 32
 *               0 .. 14      sqrt(x) in double precision times 2^s, rounded to single
 *                            precision, truncated; above MAX gives MAX
 *               s >= 15      MAX for x > 0, 0 for x <= 0
 * SqrtShift_32S s < -15      the whole destination is set to 0 by qvx_Vector_Set_32S (as
 *                            for 16S)
 *               -15 .. 7     sqrt(x) in double precision times 2^s, rounded to single
 *                            precision, truncated
 *               8 .. 30      sqrt(x) * 2^s in double precision, truncated; above MAX gives
 *                            MAX
 *               s >= 31      MAX for x > 0, 0 for x <= 0
 * The floating-point steps are IEEE 754 operations in the default rounding mode (sqrt
 * correctly rounded); exp and log are the C library's.
 *
 * len < 1 writes nothing.  dst may be src (in-place use) with the same result as separate
 * arrays; other overlaps are undefined.
 */
QVX_API QvxStatus qvx_Vector_ExpShift_16S(const Qvx16s* src, Qvx16s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_ExpShift_32S(const Qvx32s* src, Qvx32s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_LogShift_16S(const Qvx16s* src, Qvx16s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_LogShift_32S(const Qvx32s* src, Qvx32s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SqrtShift_16S(const Qvx16s* src, Qvx16s* dst, int len, int scaleFactor);
QVX_API QvxStatus qvx_Vector_SqrtShift_32S(const Qvx32s* src, Qvx32s* dst, int len, int scaleFactor);

/* ---- complex magnitude, phase and polar form ---- */
/*
 * For z = x + yi (16SC, 32FC, 64FC interleaved; DescartToPolar and PolarToDescart take the
 * same interleaved (x, y) pairs and are named by the part type 16S, 32F, 64F):
 *   Ampl        hypot(x, y)
 *   AmplSqr     x*x + y*y in the precision of the result: single for 16SC (parts converted
 *               exactly, each product and the sum rounded to single: (32767, 32767) gives
 *               2147352576) and 32FC, double for 64FC
 *   Phase       atan2(y, x), except for a zero element of 32FC or 64FC (x = +-0 and
 *               y = +-0): +0 for x = +0 and pi for x = -0, with the sign of y (no call)
 *   Conj        (x, -y): 16SC saturates -(-32768) to 32767; 32FC and 64FC flip the sign
 *               bit of y (+0 becomes -0, a NaN keeps its payload) and copy x bit for bit
 *   ConjFlip    dst[i] = Conj of src[len-1-i]
 *   DescartToPolar    dstMagn[i] = hypot(x, y), dstPhase[i] = Phase of (x, y)
 *   PolarToDescart    m = srcMagn[i], p = srcPhase[i]: (m * cos p, m * sin p) in double
 *               (cos and sin called separately).  16S: sin and cos from one sincos call,
 *               then each part is stored truncated toward zero after saturation (above
 *               32767 gives 32767, below -32768 gives -32768) and a NaN stores 0; -1.9 gives
 *               -1 and -0.0 gives 0.
 * hypot, atan2, sin, cos and sincos are the C math library's double-precision functions;
 * the 16SC/16S and 32FC/32F members widen their parts exactly, and round each magnitude,
 * phase or part once to single precision (Ampl_16SC of (-32768, -32768) gives 46340.949).
 * Magnitudes and phases of 16SC and 16S data are single precision (32F); of 64FC and 64F,
 * double.  errno and the floating-point flags are those of the library calls; NaN results
 * may carry any payload, except that Conj and ConjFlip move payloads exactly.
 * Ampl_32FC, Phase_32FC, DescartToPolar_32F and PolarToDescart_32F, and Ampl_16SC,
 * Phase_16SC, DescartToPolar_16S and PolarToDescart_16S, give these results, errno and flags
 * faster,
 * as the single-precision elementary functions do: blocks in double with a proven error
 * bound, a result kept only where it is provably clear of every float rounding boundary,
 * every other element the library call in element order.
 * len < 1: nothing is read or written.
 * dst may be src itself for Conj, and for Ampl, AmplSqr and Phase of 16SC data (4-byte
 * elements in and out).  ConjFlip's destination must not overlap its source (the first
 * results would overwrite elements not yet read), nor may any destination of
 * DescartToPolar or PolarToDescart overlap a source.  Other overlaps are undefined.
 */
QVX_API QvxStatus qvx_Vector_Ampl_16SC(const Qvx16sc* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Ampl_32FC(const Qvx32fc* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Ampl_64FC(const Qvx64fc* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_AmplSqr_16SC(const Qvx16sc* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_AmplSqr_32FC(const Qvx32fc* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_AmplSqr_64FC(const Qvx64fc* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_Conj_16SC(const Qvx16sc* src, Qvx16sc* dst, int len);
QVX_API QvxStatus qvx_Vector_Conj_32FC(const Qvx32fc* src, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_Conj_64FC(const Qvx64fc* src, Qvx64fc* dst, int len);
QVX_API QvxStatus qvx_Vector_ConjFlip_16SC(const Qvx16sc* src, Qvx16sc* dst, int len);
QVX_API QvxStatus qvx_Vector_ConjFlip_32FC(const Qvx32fc* src, Qvx32fc* dst, int len);
QVX_API QvxStatus qvx_Vector_ConjFlip_64FC(const Qvx64fc* src, Qvx64fc* dst, int len);
QVX_API QvxStatus qvx_Vector_Phase_16SC(const Qvx16sc* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Phase_32FC(const Qvx32fc* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Phase_64FC(const Qvx64fc* src, Qvx64f* dst, int len);
QVX_API QvxStatus qvx_Vector_DescartToPolar_16S(const Qvx16s* src, Qvx32f* dstMagn, Qvx32f* dstPhase,
                                                int len);
QVX_API QvxStatus qvx_Vector_DescartToPolar_32F(const Qvx32f* src, Qvx32f* dstMagn, Qvx32f* dstPhase,
                                                int len);
QVX_API QvxStatus qvx_Vector_DescartToPolar_64F(const Qvx64f* src, Qvx64f* dstMagn, Qvx64f* dstPhase,
                                                int len);
QVX_API QvxStatus qvx_Vector_PolarToDescart_16S(const Qvx32f* srcMagn, const Qvx32f* srcPhase,
                                                Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_PolarToDescart_32F(const Qvx32f* srcMagn, const Qvx32f* srcPhase,
                                                Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_PolarToDescart_64F(const Qvx64f* srcMagn, const Qvx64f* srcPhase,
                                                Qvx64f* dst, int len);

/* ---- logical operations, masks and byte order ---- */
/*
 * Bit patterns only: the type suffix gives the element width, no value is read as a number.
 * And/Or/Xor   dst[i] = src1[i] AND / OR / XOR src2[i], on bytes (wider data may be passed
 *              as bytes).  Not: dst[i] = all eight bits of src[i] inverted.
 * AndC/OrC/XorC  dst[i] = src[i] AND / OR / XOR val.  val is an int of which only the low
 *              8 bits (8U) or low 16 bits (16S) count; 32S uses all 32 bits.
 * SetMask_LSB/MSB  one mask bit per element: mask word k governs elements 32k .. 32k+31.
 *              LSB: element 32k+b follows bit b of mask[k] (bit 0 the least significant);
 *              MSB: it follows bit 31-b, also in a last, partial word (element 32k always
 *              follows bit 31).  Where the bit is 1, dst[j] = val (its low 8, low 16 or
 *              all 32 bits); where it is 0, dst[j] keeps its value.  Exactly ceil(len/32)
 *              mask words are read (the bits past len are ignored) and dst is never read;
 *              the mask must not overlap dst.
 * SwapByte     the bytes of each 16-, 32- or 64-bit element in reverse order
 *              (0x1234 -> 0x3412; bytes 01 02 .. 08 -> 08 07 .. 01).
 * dst may be the same array as a source (in-place use); each element's inputs are read
 * before its result is stored.  len < 1 writes nothing.
 */
QVX_API QvxStatus qvx_Vector_And_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_Or_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_Xor_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_Not_8U(const Qvx8u* src, Qvx8u* dst, int len);

QVX_API QvxStatus qvx_Vector_AndC_8U(const Qvx8u* src, int val, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_AndC_16S(const Qvx16s* src, int val, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_AndC_32S(const Qvx32s* src, int val, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_OrC_8U(const Qvx8u* src, int val, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_OrC_16S(const Qvx16s* src, int val, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_OrC_32S(const Qvx32s* src, int val, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_XorC_8U(const Qvx8u* src, int val, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_XorC_16S(const Qvx16s* src, int val, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_XorC_32S(const Qvx32s* src, int val, Qvx32s* dst, int len);

QVX_API QvxStatus qvx_Vector_SetMask_LSB_8U(const Qvx32u* mask, int val, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_SetMask_LSB_16S(const Qvx32u* mask, int val, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_SetMask_LSB_32S(const Qvx32u* mask, int val, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_SetMask_MSB_8U(const Qvx32u* mask, int val, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_SetMask_MSB_16S(const Qvx32u* mask, int val, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_SetMask_MSB_32S(const Qvx32u* mask, int val, Qvx32s* dst, int len);

QVX_API QvxStatus qvx_Vector_SwapByte_16S(const Qvx16s* src, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_SwapByte_32S(const Qvx32s* src, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_SwapByte_64S(const Qvx64s* src, Qvx64s* dst, int len);

/* ---- reversal, splitting and merging ---- */
/*
 * Elements move as bit patterns: -0.0, NaN payloads and denormals are kept exactly.
 * Flip       dst[i] = src[len-1-i].  src and dst must not overlap (use the _I form).
 * Flip_I     the len elements of srcDst in reverse order: srcDst[i] and srcDst[len-1-i]
 *            are exchanged for i < len/2; with an odd len the middle element is not
 *            written, len < 2 writes nothing.
 * Split      dst1[i] = src[2i], dst2[i] = src[2i+1]: a two-channel interleaved vector of
 *            len pairs (2*len elements) into its two channels of len elements each.
 * Merge      dst[2i] = src1[i], dst[2i+1] = src2[i]: the reverse of Split.
 *            For Split and Merge no destination may overlap a source.
 * Flip_32F and Flip_32F_I are second names of Flip_32S and Flip_32S_I; Split and Merge
 * have 32S and 32F functions of identical behaviour.  len < 1 writes nothing.
 */
QVX_API QvxStatus qvx_Vector_Flip_8U(const Qvx8u* src, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_Flip_16S(const Qvx16s* src, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_Flip_32S(const Qvx32s* src, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_Flip_32F(const Qvx32f* src, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Flip_64F(const Qvx64f* src, Qvx64f* dst, int len);

QVX_API QvxStatus qvx_Vector_Flip_8U_I(Qvx8u* srcDst, int len);
QVX_API QvxStatus qvx_Vector_Flip_16S_I(Qvx16s* srcDst, int len);
QVX_API QvxStatus qvx_Vector_Flip_32S_I(Qvx32s* srcDst, int len);
QVX_API QvxStatus qvx_Vector_Flip_32F_I(Qvx32f* srcDst, int len);
QVX_API QvxStatus qvx_Vector_Flip_64F_I(Qvx64f* srcDst, int len);

QVX_API QvxStatus qvx_Vector_Split_8U(const Qvx8u* src, Qvx8u* dst1, Qvx8u* dst2, int len);
QVX_API QvxStatus qvx_Vector_Split_16S(const Qvx16s* src, Qvx16s* dst1, Qvx16s* dst2, int len);
QVX_API QvxStatus qvx_Vector_Split_32S(const Qvx32s* src, Qvx32s* dst1, Qvx32s* dst2, int len);
QVX_API QvxStatus qvx_Vector_Split_32F(const Qvx32f* src, Qvx32f* dst1, Qvx32f* dst2, int len);
QVX_API QvxStatus qvx_Vector_Split_64F(const Qvx64f* src, Qvx64f* dst1, Qvx64f* dst2, int len);

QVX_API QvxStatus qvx_Vector_Merge_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len);
QVX_API QvxStatus qvx_Vector_Merge_16S(const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst, int len);
QVX_API QvxStatus qvx_Vector_Merge_32S(const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst, int len);
QVX_API QvxStatus qvx_Vector_Merge_32F(const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len);
QVX_API QvxStatus qvx_Vector_Merge_64F(const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len);

/* ---- table look-up ---- */
/*
 * dst[i] = table[v - offset], with v the source element widened to int (0..255 for 8U,
 * -32768..32767 for 16S) and, for LookUp2_8U, v = src1[i] * 256 + src2[i] (src1 the high
 * byte, 0..65535).  The index is formed in 32-bit int arithmetic and used with its sign,
 * so table[0] belongs to the source value offset and a negative index reads before the
 * table pointer; it is not checked against the table's size: the table must hold an entry
 * for every index the data produce (8U sources: offset 0 and 256 entries cover every value;
 * 16S: offset -32768 and 65536 entries).  Entries are copied as bit patterns (NaN payloads
 * kept); LookUp_8U_32F and LookUp_16S_32F are second names of the 32S forms.
 * len < 1 reads and writes nothing.  The destination must not overlap the source or the
 * table (each element is read before its result is stored, but nothing else is promised).
 */
QVX_API QvxStatus qvx_Vector_LookUp_8U(const Qvx8u* src, Qvx8u* dst, const Qvx8u* table, int offset, int len);
QVX_API QvxStatus qvx_Vector_LookUp_8U_16S(const Qvx8u* src, Qvx16s* dst, const Qvx16s* table, int offset, int len);
QVX_API QvxStatus qvx_Vector_LookUp_8U_32S(const Qvx8u* src, Qvx32s* dst, const Qvx32s* table, int offset, int len);
QVX_API QvxStatus qvx_Vector_LookUp_8U_32F(const Qvx8u* src, Qvx32f* dst, const Qvx32f* table, int offset, int len);
QVX_API QvxStatus qvx_Vector_LookUp_8U_64F(const Qvx8u* src, Qvx64f* dst, const Qvx64f* table, int offset, int len);
QVX_API QvxStatus qvx_Vector_LookUp_16S(const Qvx16s* src, Qvx16s* dst, const Qvx16s* table, int offset, int len);
QVX_API QvxStatus qvx_Vector_LookUp_16S_32S(const Qvx16s* src, Qvx32s* dst, const Qvx32s* table, int offset, int len);
QVX_API QvxStatus qvx_Vector_LookUp_16S_32F(const Qvx16s* src, Qvx32f* dst, const Qvx32f* table, int offset, int len);
QVX_API QvxStatus qvx_Vector_LookUp_16S_64F(const Qvx16s* src, Qvx64f* dst, const Qvx64f* table, int offset, int len);
QVX_API QvxStatus qvx_Vector_LookUp2_8U(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, const Qvx8u* table, int offset, int len);

#ifdef __cplusplus
}
#endif

#endif /* QVX_VECTOR_H */
