// Parameter-type lists of the signature shapes of api.def, and the in-place flags.
#ifndef QVX_CORE_SHAPES_H
#define QVX_CORE_SHAPES_H

#define IP_NONE 0
#define IP_SRC1 1
#define IP_SRC2 2
#define IP_SRC3 4
// Every overlap of the destination with the (first) source, at any byte distance, gives the
// result of the ascending element loop (Move: the source's content before the call).
#define IP_OVERLAP 8

#define QVX_SIG_SET(T) (T, T*, int)
#define QVX_SIG_UNARY(S, D) (const S*, D*, int)
#define QVX_SIG_UNARY_I(T) (T*, int)
#define QVX_SIG_BINARY(S1, S2, D) (const S1*, const S2*, D*, int)
#define QVX_SIG_CONST(S, C, D) (const S*, C, D*, int)
#define QVX_SIG_TERNARY(T) (const T*, const T*, const T*, T*, int)
#define QVX_SIG_MULCADD(T) (const T*, T, const T*, T*, int)
#define QVX_SIG_MULCADDC(S, C) (const S*, C, C, S*, int)
#define QVX_SIG_CTOC_BINARY(T) (const T*, const T*, const T*, const T*, T*, T*, int)
#define QVX_SIG_CTOC_CONST(T) (const T*, const T*, T, T, T*, T*, int)
#define QVX_SIG_CTOC_TERNARY(T) \
  (const T*, const T*, const T*, const T*, const T*, const T*, T*, T*, int)
#define QVX_SIG_CTOC_MULCADD(T) (const T*, const T*, T, T, const T*, const T*, T*, T*, int)
#define QVX_SIG_CTOC_MULCADDC(T) (const T*, const T*, T, T, T, T, T*, T*, int)
#define QVX_SIG_SCALED_UNARY(S, D) (const S*, D*, int, int)
#define QVX_SIG_SCALED_BINARY(T) (const T*, const T*, T*, int, int)
#define QVX_SIG_SCALED_CONST(T, C) (const T*, C, T*, int, int)
#define QVX_SIG_SCALED_TERNARY(T) (const T*, const T*, const T*, T*, int, int)
#define QVX_SIG_SCALED_MULCADD(T, C) (const T*, C, const T*, T*, int, int)
#define QVX_SIG_SCALED_MULCADDC(T, C) (const T*, C, C, T*, int, int)
#define QVX_SIG_REDUCE(S, R) (const S*, int, R*)
#define QVX_SIG_REDUCE2(S, R) (const S*, const S*, int, R*)
#define QVX_SIG_REDUCE_PAIR(S, R) (const S*, int, R*, R*)
#define QVX_SIG_REDUCE2_PAIR(S, R) (const S*, const S*, int, R*, R*)
#define QVX_SIG_THRESHOLD1(T) (const T*, T*, T, int)
#define QVX_SIG_THRESHOLD2(T) (const T*, T*, T, T, int)
#define QVX_SIG_THRESHOLD4(T) (const T*, T*, T, T, T, T, int)
#define QVX_SIG_UNARY2(S, D) (const S*, D*, D*, int)
#define QVX_SIG_TO_PAIRS(S, D) (const S*, const S*, D*, int)
#define QVX_SIG_SETMASK(T) (const Qvx32u*, int, T*, int)
#define QVX_SIG_SPLIT(T) (const T*, T*, T*, int)
#define QVX_SIG_MERGE(T) (const T*, const T*, T*, int)
#define QVX_SIG_LOOKUP(S, D) (const S*, D*, const D*, int, int)
#define QVX_SIG_LOOKUP2(T) (const Qvx8u*, const Qvx8u*, T*, const T*, int, int)

#endif
