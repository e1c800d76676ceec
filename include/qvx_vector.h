/*
 * qvx_vector -- vector primitives for signal and data processing.
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
 */
#ifndef QVX_VECTOR_H
#define QVX_VECTOR_H

#include <stdint.h>

#if defined(__GNUC__)
#define QVX_API __attribute__((visibility("default")))
#else
#define QVX_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---------------------------------------------------------------------------------------
 * Status codes
 * ------------------------------------------------------------------------------------- */
typedef int32_t QvxStatus;

#define QVX_STS_NO_ERR   0 /* "No error" */
#define QVX_STS_BAD_ARG  1 /* "Invalid, out of range or unsupported parameter" */
#define QVX_STS_NO_MEM   2 /* "Not enough memory for the function" */
#define QVX_STS_DATA_EXC 3 /* "Incorrect data found (exception) during the execution" */

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
 * qvx_Get/SetNumThreads  read and store the thread-count setting (initially -1).  The value
 *                     is stored unchecked and consulted by no primitive; the library starts
 *                     no threads.
 * ------------------------------------------------------------------------------------- */
QVX_API const char* qvx_GetVersion(void);
QVX_API const char* qvx_GetStringStatus(QvxStatus sts);
QVX_API void*       qvx_Malloc(int size);
QVX_API void        qvx_Free(void* ptr);
QVX_API void*       qvx_AlignPointer(void* ptr, int align);
QVX_API QvxStatus   qvx_GetNumThreads(int* numThreads);
QVX_API QvxStatus   qvx_SetNumThreads(int numThreads);

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
 * precision (1, 0) / (1e20, 0) is (0, 0), since d overflows).  NaN results may carry either
 * operand's payload.
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

/* ---- mean and standard deviation ---- */

/* ---- norms ---- */

/* ---- extremes and their indexes ---- */

/* ---- thresholds ---- */

/* ---- element-wise maximum and minimum ---- */

/* ---- absolute value and absolute difference ---- */

/* ---- floating-point elementary functions ---- */

/* ---- scaled-integer elementary functions ---- */

/* ---- complex magnitude, phase and polar form ---- */

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
