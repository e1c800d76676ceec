// Declarations of the __qvx_ names, generated from the table of every function, so that one
// primitive calls another through its exported double-underscore name (the call stays a call
// of the exported function).  A definition whose signature differs from its table row fails
// to compile against these declarations.
#ifndef QVX_CORE_INTERNAL_H
#define QVX_CORE_INTERNAL_H

#include "qvx_vector.h"

#define QVX_FN_ROW(N, ...) extern "C" QVX_API __VA_ARGS__ __qvx_##N;
#define QVX_SECOND_ROW(N, N2)
#define QVX_OBJECT_ROW(Name, T, Count)
#include "core/api_rows.h"

#endif
