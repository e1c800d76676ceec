// Runs every row of api.def (or, where the includer defines QVX_ROWS_DEFS and maybe
// QVX_ROWS_DEFS2, of those family tables only) through macros the includer defines:
//   QVX_SHAPE_ROW(N, Shape, Ip, Nans, Types, Role...)  every function of a signature shape:
//       Shape its shape's name, Ip its in-place flags (IP_* of shapes.h; -1: the shape has
//       none), Nans what may come out where two NaNs meet in one element (Payload: the shape
//       moves bit patterns, so none ever meet; Any: arithmetic, which may return either),
//       Types the row's type arguments as text, Role... its parameters' roles (qvx_role);
//   QVX_SERVICE_ROW(N, Ret, Params)  every service (Ret N Params);
//   QVX_SECOND_ROW(N, N2)            N2 is a second public name of N;
//   QVX_OBJECT_ROW(Name, T, Count)   every exported data object.
// An includer that wants only each function's C type defines QVX_FN_ROW(N, Type...) instead of
// the first two.  Everything is undefined afterwards, so the file can be included again.
//
// This is the one place where a shape is defined: a new shape is one macro here.
#include "core/shapes.h"

#ifdef QVX_FN_ROW
#define QVX_SHAPE_ROW(N, Shape, Ip, Nans, Types, ...) QVX_FN_ROW(N, ::qvx_role::Fn<__VA_ARGS__>)
#define QVX_SERVICE_ROW(N, R, P) QVX_FN_ROW(N, ::qvx_role::Is<R P>)
#endif

#define SERVICE(N, R, P) QVX_SERVICE_ROW(N, R, P)
#define SECOND(N, N2) QVX_SECOND_ROW(N, N2)
#define OBJECT(Name, T, Count) QVX_OBJECT_ROW(Name, T, Count)

// ---- the shapes, each as the roles of its parameters -----------------------------------
// (in comments: the C signature; len and scaleFactor are int)
#define QVX_R ::qvx_role::
#define QVX_LOOKUP_N(S) (sizeof(S) == 1 ? 256 : 65536)
#define QVX_LOOKUP_MIN(S) (sizeof(S) == 1 ? 0 : -32768)

//   (T val, T* dst, len)
#define SET(N, T) QVX_SHAPE_ROW(N, SET, -1, Payload, #T, QVX_R Val<T>, QVX_R Out<T>, QVX_R Len)
//   (const S* src, D* dst, len)
#define UNARY(N, S, D, IP) \
  QVX_SHAPE_ROW(N, UNARY, IP, Payload, #S "," #D, QVX_R In<S>, QVX_R Out<D>, QVX_R Len)
//   as UNARY, for arithmetic on the elements
#define MATH(N, S, D, IP) \
  QVX_SHAPE_ROW(N, MATH, IP, Any, #S "," #D, QVX_R In<S>, QVX_R Out<D>, QVX_R Len)
//   (T* srcDst, len)
#define UNARY_I(N, T) QVX_SHAPE_ROW(N, UNARY_I, -1, Payload, #T, QVX_R InOut<T>, QVX_R Len)
//   (const S1* src1, const S2* src2, D* dst, len)
#define BINARY(N, S1, S2, D, IP)                                                                  \
  QVX_SHAPE_ROW(N, BINARY, IP, Any, #S1 "," #S2 "," #D, QVX_R In<S1>, QVX_R In<S2>, QVX_R Out<D>, \
                QVX_R Len)
//   (const S* src, C val, D* dst, len)
#define CONST(N, S, C, D, IP)                                                                 \
  QVX_SHAPE_ROW(N, CONST, IP, Any, #S "," #C "," #D, QVX_R In<S>, QVX_R Val<C>, QVX_R Out<D>, \
                QVX_R Len)
//   (const T* src1, const T* src2, const T* src3, T* dst, len)
#define TERNARY(N, T, IP)                                                                     \
  QVX_SHAPE_ROW(N, TERNARY, IP, Any, #T, QVX_R In<T>, QVX_R In<T>, QVX_R In<T>, QVX_R Out<T>, \
                QVX_R Len)
//   (const T* src1, T val, const T* src2, T* dst, len)
#define MULCADD(N, T, IP)                                                                      \
  QVX_SHAPE_ROW(N, MULCADD, IP, Any, #T, QVX_R In<T>, QVX_R Val<T>, QVX_R In<T>, QVX_R Out<T>, \
                QVX_R Len)
//   (const S* src, C mulVal, C addVal, S* dst, len)
#define MULCADDC(N, S, C, IP)                                                             \
  QVX_SHAPE_ROW(N, MULCADDC, IP, Any, #S "," #C, QVX_R In<S>, QVX_R Val<C>, QVX_R Val<C>, \
                QVX_R Out<S>, QVX_R Len)
//   (const T* aRe, const T* aIm, const T* bRe, const T* bIm, T* dRe, T* dIm, len)
#define CTOC_BINARY(N, T, IP)                                                                    \
  QVX_SHAPE_ROW(N, CTOC_BINARY, IP, Any, #T, QVX_R In<T>, QVX_R In<T>, QVX_R In<T>, QVX_R In<T>, \
                QVX_R Out<T>, QVX_R Out<T>, QVX_R Len)
//   (const T* sRe, const T* sIm, T cRe, T cIm, T* dRe, T* dIm, len)
#define CTOC_CONST(N, T, IP)                                                                      \
  QVX_SHAPE_ROW(N, CTOC_CONST, IP, Any, #T, QVX_R In<T>, QVX_R In<T>, QVX_R Val<T>, QVX_R Val<T>, \
                QVX_R Out<T>, QVX_R Out<T>, QVX_R Len)
//   three split sources, split destination, len
#define CTOC_TERNARY(N, T, IP)                                                                    \
  QVX_SHAPE_ROW(N, CTOC_TERNARY, IP, Any, #T, QVX_R In<T>, QVX_R In<T>, QVX_R In<T>, QVX_R In<T>, \
                QVX_R In<T>, QVX_R In<T>, QVX_R Out<T>, QVX_R Out<T>, QVX_R Len)
//   (sRe, sIm, valRe, valIm, aRe, aIm, dRe, dIm, len)
#define CTOC_MULCADD(N, T, IP)                                                        \
  QVX_SHAPE_ROW(N, CTOC_MULCADD, IP, Any, #T, QVX_R In<T>, QVX_R In<T>, QVX_R Val<T>, \
                QVX_R Val<T>, QVX_R In<T>, QVX_R In<T>, QVX_R Out<T>, QVX_R Out<T>, QVX_R Len)
//   (sRe, sIm, mulRe, mulIm, addRe, addIm, dRe, dIm, len)
#define CTOC_MULCADDC(N, T, IP)                                                        \
  QVX_SHAPE_ROW(N, CTOC_MULCADDC, IP, Any, #T, QVX_R In<T>, QVX_R In<T>, QVX_R Val<T>, \
                QVX_R Val<T>, QVX_R Val<T>, QVX_R Val<T>, QVX_R Out<T>, QVX_R Out<T>, QVX_R Len)
//   (const S* src, D* dst, len, scaleFactor)
#define SCALED_UNARY(N, S, D, IP) \
  QVX_SHAPE_ROW(N, SCALED_UNARY, IP, Any, #S "," #D, QVX_R In<S>, QVX_R Out<D>, QVX_R Len, QVX_R Sf)
//   (const T* src1, const T* src2, T* dst, len, scaleFactor)
#define SCALED_BINARY(N, T, IP)                                                                   \
  QVX_SHAPE_ROW(N, SCALED_BINARY, IP, Any, #T, QVX_R In<T>, QVX_R In<T>, QVX_R Out<T>, QVX_R Len, \
                QVX_R Sf)
//   (const T* src, C val, T* dst, len, scaleFactor)
#define SCALED_CONST(N, T, C, IP)                                                             \
  QVX_SHAPE_ROW(N, SCALED_CONST, IP, Any, #T "," #C, QVX_R In<T>, QVX_R Val<C>, QVX_R Out<T>, \
                QVX_R Len, QVX_R Sf)
//   (const T* src1, const T* src2, const T* src3, T* dst, len, scaleFactor)
#define SCALED_TERNARY(N, T, IP)                                                       \
  QVX_SHAPE_ROW(N, SCALED_TERNARY, IP, Any, #T, QVX_R In<T>, QVX_R In<T>, QVX_R In<T>, \
                QVX_R Out<T>, QVX_R Len, QVX_R Sf)
//   (const T* src1, C val, const T* src2, T* dst, len, scaleFactor)
#define SCALED_MULCADD(N, T, C, IP)                                                            \
  QVX_SHAPE_ROW(N, SCALED_MULCADD, IP, Any, #T "," #C, QVX_R In<T>, QVX_R Val<C>, QVX_R In<T>, \
                QVX_R Out<T>, QVX_R Len, QVX_R Sf)
//   (const T* src, C mulVal, C addVal, T* dst, len, scaleFactor)
#define SCALED_MULCADDC(N, T, C, IP)                                                             \
  QVX_SHAPE_ROW(N, SCALED_MULCADDC, IP, Any, #T "," #C, QVX_R In<T>, QVX_R Val<C>, QVX_R Val<C>, \
                QVX_R Out<T>, QVX_R Len, QVX_R Sf)
//   (const S* src, len, R* result); the result cells are written for every len
#define REDUCE(N, S, R) \
  QVX_SHAPE_ROW(N, REDUCE, -1, Any, #S "," #R, QVX_R In<S>, QVX_R Len, QVX_R Cell<R>)
//   (const S* src1, const S* src2, len, R* result)
#define REDUCE2(N, S, R) \
  QVX_SHAPE_ROW(N, REDUCE2, -1, Any, #S "," #R, QVX_R In<S>, QVX_R In<S>, QVX_R Len, QVX_R Cell<R>)
//   (const S* src, len, R* first, R* second)
#define REDUCE_PAIR(N, S, R)                                                               \
  QVX_SHAPE_ROW(N, REDUCE_PAIR, -1, Any, #S "," #R, QVX_R In<S>, QVX_R Len, QVX_R Cell<R>, \
                QVX_R Cell<R>)
//   (const S* src1, const S* src2, len, R* first, R* second)
#define REDUCE2_PAIR(N, S, R)                                                             \
  QVX_SHAPE_ROW(N, REDUCE2_PAIR, -1, Any, #S "," #R, QVX_R In<S>, QVX_R In<S>, QVX_R Len, \
                QVX_R Cell<R>, QVX_R Cell<R>)
//   (const T* src, T* dst, T level, len); the destination may be the source
#define THRESHOLD1(N, T)                                                                      \
  QVX_SHAPE_ROW(N, THRESHOLD1, IP_SRC1, Payload, #T, QVX_R In<T>, QVX_R Out<T>, QVX_R Val<T>, \
                QVX_R Len)
//   (const T* src, T* dst, T a, T b, len)
#define THRESHOLD2(N, T)                                                                      \
  QVX_SHAPE_ROW(N, THRESHOLD2, IP_SRC1, Payload, #T, QVX_R In<T>, QVX_R Out<T>, QVX_R Val<T>, \
                QVX_R Val<T>, QVX_R Len)
//   (const T* src, T* dst, T a, T b, T c, T d, len)
#define THRESHOLD4(N, T)                                                                      \
  QVX_SHAPE_ROW(N, THRESHOLD4, IP_SRC1, Payload, #T, QVX_R In<T>, QVX_R Out<T>, QVX_R Val<T>, \
                QVX_R Val<T>, QVX_R Val<T>, QVX_R Val<T>, QVX_R Len)
//   (const S* src, D* dst1, D* dst2, len); src holds M*len scalars
#define UNARY2(N, S, M, D)                                                                        \
  QVX_SHAPE_ROW(N, UNARY2, -1, Any, #S "," #M "," #D, QVX_R In<S, M>, QVX_R Out<D>, QVX_R Out<D>, \
                QVX_R Len)
//   (const S* src1, const S* src2, D* dst, len); dst holds 2*len scalars
#define TO_PAIRS(N, S, D)                                                                   \
  QVX_SHAPE_ROW(N, TO_PAIRS, -1, Any, #S "," #D, QVX_R In<S>, QVX_R In<S>, QVX_R Out<D, 2>, \
                QVX_R Len)
//   (const Qvx32u* mask, int val, T* dst, len)
#define SETMASK(N, T) \
  QVX_SHAPE_ROW(N, SETMASK, -1, Payload, #T, QVX_R Mask, QVX_R Val<int>, QVX_R InOut<T>, QVX_R Len)
//   (const T* src, T* dst1, T* dst2, len): len pairs taken apart
#define SPLIT(N, T) \
  QVX_SHAPE_ROW(N, SPLIT, -1, Payload, #T, QVX_R In<T, 2>, QVX_R Out<T>, QVX_R Out<T>, QVX_R Len)
//   (const T* src1, const T* src2, T* dst, len): len pairs made
#define MERGE(N, T) \
  QVX_SHAPE_ROW(N, MERGE, -1, Payload, #T, QVX_R In<T>, QVX_R In<T>, QVX_R Out<T, 2>, QVX_R Len)
//   (const S* src, D* dst, const D* table, int offset, len)
#define LOOKUP(N, S, D)                                                       \
  QVX_SHAPE_ROW(N, LOOKUP, -1, Payload, #S "," #D, QVX_R In<S>, QVX_R Out<D>, \
                QVX_R Tab<D, QVX_LOOKUP_N(S), QVX_LOOKUP_MIN(S)>, QVX_R Ofs, QVX_R Len)
//   (const Qvx8u* src1, const Qvx8u* src2, T* dst, const T* table, int offset, len)
#define LOOKUP2(N, T)                                                                        \
  QVX_SHAPE_ROW(N, LOOKUP2, -1, Payload, #T, QVX_R In<Qvx8u>, QVX_R In<Qvx8u>, QVX_R Out<T>, \
                QVX_R Tab<T, 65536, 0>, QVX_R Ofs, QVX_R Len)

#ifdef QVX_ROWS_DEFS
#include QVX_ROWS_DEFS
#ifdef QVX_ROWS_DEFS2
#include QVX_ROWS_DEFS2
#endif
#else
#include "core/api.def"
#endif

#undef SERVICE
#undef SECOND
#undef OBJECT
#undef QVX_LOOKUP_N
#undef QVX_LOOKUP_MIN
#undef SET
#undef UNARY
#undef MATH
#undef UNARY_I
#undef BINARY
#undef CONST
#undef TERNARY
#undef MULCADD
#undef MULCADDC
#undef CTOC_BINARY
#undef CTOC_CONST
#undef CTOC_TERNARY
#undef CTOC_MULCADD
#undef CTOC_MULCADDC
#undef SCALED_UNARY
#undef SCALED_BINARY
#undef SCALED_CONST
#undef SCALED_TERNARY
#undef SCALED_MULCADD
#undef SCALED_MULCADDC
#undef REDUCE
#undef REDUCE2
#undef REDUCE_PAIR
#undef REDUCE2_PAIR
#undef THRESHOLD1
#undef THRESHOLD2
#undef THRESHOLD4
#undef UNARY2
#undef TO_PAIRS
#undef SETMASK
#undef SPLIT
#undef MERGE
#undef LOOKUP
#undef LOOKUP2
#undef QVX_R
#undef QVX_FN_ROW
#undef QVX_SHAPE_ROW
#undef QVX_SERVICE_ROW
#undef QVX_SECOND_ROW
#undef QVX_OBJECT_ROW
