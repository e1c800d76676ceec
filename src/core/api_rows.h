// Runs every row of api.def through three macros that the includer defines beforehand:
//   QVX_FN_ROW(N, Ret, Params)      every exported function N (Params: parameter types)
//   QVX_SECOND_ROW(N, N2)           N2 is a second public name of N
//   QVX_OBJECT_ROW(Name, T, Count)  every exported data object
// and undefines all of them afterwards, so the file can be included more than once.
#include "core/shapes.h"

#define SERVICE(N, R, P) QVX_FN_ROW(N, R, P)
#define SET(N, T) QVX_FN_ROW(N, QvxStatus, QVX_SIG_SET(T))
#define UNARY(N, S, D, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_UNARY(S, D))
#define UNARY_I(N, T) QVX_FN_ROW(N, QvxStatus, QVX_SIG_UNARY_I(T))
#define BINARY(N, S1, S2, D, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_BINARY(S1, S2, D))
#define CONST(N, S, C, D, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_CONST(S, C, D))
#define TERNARY(N, T, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_TERNARY(T))
#define MULCADD(N, T, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_MULCADD(T))
#define MULCADDC(N, S, C, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_MULCADDC(S, C))
#define CTOC_BINARY(N, T, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_CTOC_BINARY(T))
#define CTOC_CONST(N, T, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_CTOC_CONST(T))
#define CTOC_TERNARY(N, T, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_CTOC_TERNARY(T))
#define CTOC_MULCADD(N, T, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_CTOC_MULCADD(T))
#define CTOC_MULCADDC(N, T, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_CTOC_MULCADDC(T))
#define SCALED_UNARY(N, S, D, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_SCALED_UNARY(S, D))
#define SCALED_BINARY(N, T, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_SCALED_BINARY(T))
#define SCALED_CONST(N, T, C, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_SCALED_CONST(T, C))
#define MATH(N, S, D, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_UNARY(S, D))
#define SCALED_TERNARY(N, T, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_SCALED_TERNARY(T))
#define SCALED_MULCADD(N, T, C, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_SCALED_MULCADD(T, C))
#define SCALED_MULCADDC(N, T, C, IP) QVX_FN_ROW(N, QvxStatus, QVX_SIG_SCALED_MULCADDC(T, C))
#define REDUCE(N, S, R) QVX_FN_ROW(N, QvxStatus, QVX_SIG_REDUCE(S, R))
#define REDUCE2(N, S, R) QVX_FN_ROW(N, QvxStatus, QVX_SIG_REDUCE2(S, R))
#define REDUCE_PAIR(N, S, R) QVX_FN_ROW(N, QvxStatus, QVX_SIG_REDUCE_PAIR(S, R))
#define REDUCE2_PAIR(N, S, R) QVX_FN_ROW(N, QvxStatus, QVX_SIG_REDUCE2_PAIR(S, R))
#define THRESHOLD1(N, T) QVX_FN_ROW(N, QvxStatus, QVX_SIG_THRESHOLD1(T))
#define THRESHOLD2(N, T) QVX_FN_ROW(N, QvxStatus, QVX_SIG_THRESHOLD2(T))
#define THRESHOLD4(N, T) QVX_FN_ROW(N, QvxStatus, QVX_SIG_THRESHOLD4(T))
#define UNARY2(N, S, M, D) QVX_FN_ROW(N, QvxStatus, QVX_SIG_UNARY2(S, D))
#define TO_PAIRS(N, S, D) QVX_FN_ROW(N, QvxStatus, QVX_SIG_TO_PAIRS(S, D))
#define SETMASK(N, T) QVX_FN_ROW(N, QvxStatus, QVX_SIG_SETMASK(T))
#define SPLIT(N, T) QVX_FN_ROW(N, QvxStatus, QVX_SIG_SPLIT(T))
#define MERGE(N, T) QVX_FN_ROW(N, QvxStatus, QVX_SIG_MERGE(T))
#define LOOKUP(N, S, D) QVX_FN_ROW(N, QvxStatus, QVX_SIG_LOOKUP(S, D))
#define LOOKUP2(N, T) QVX_FN_ROW(N, QvxStatus, QVX_SIG_LOOKUP2(T))
#define SECOND(N, N2) QVX_SECOND_ROW(N, N2)
#define OBJECT(Name, T, Count) QVX_OBJECT_ROW(Name, T, Count)

#include "core/api.def"

#undef SERVICE
#undef SET
#undef UNARY
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
#undef MATH
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
#undef SECOND
#undef OBJECT
#undef QVX_FN_ROW
#undef QVX_SECOND_ROW
#undef QVX_OBJECT_ROW
