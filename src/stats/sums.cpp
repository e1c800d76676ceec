// Sums, sums of magnitudes, sums of absolute differences and dot products: one double,
// the terms of reduce.h added in index order from +0.0 (exact integer sums where
// exact_sums.h has them, the sequential loop otherwise).
#include "core/export.h"
#include "stats/exact_sums.h"

namespace {

using namespace qvx::stats;

template <class Term, class T>
inline QvxStatus reduce(Term t, const T* src, int len, Qvx64f* result) {
  *result = sum_of(t, len, src);
  return QVX_STS_NO_ERR;
}
template <class Term, class T>
inline QvxStatus reduce(Term t, const T* src1, const T* src2, int len, Qvx64f* result) {
  *result = sum_of(t, len, src1, src2);
  return QVX_STS_NO_ERR;
}

}  // namespace

// ---- Sum: the element; 8U is its own magnitude, so Sum_8U is SumAbs_8U ----
QVX_DEFINE(QvxStatus, Vector_Sum_8U, (const Qvx8u* src, int len, Qvx64f* sum)) {
  return __qvx_Vector_SumAbs_8U(src, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_Sum_16S, (const Qvx16s* src, int len, Qvx64f* sum)) {
  return reduce(Value(), src, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_Sum_32S, (const Qvx32s* src, int len, Qvx64f* sum)) {
  return reduce(Value(), src, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_Sum_32F, (const Qvx32f* src, int len, Qvx64f* sum)) {
  return reduce(Value(), src, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_Sum_64F, (const Qvx64f* src, int len, Qvx64f* sum)) {
  return reduce(Value(), src, len, sum);
}

// SumAbs, |element|; SumAbsDiff, |src1[i] - src2[i]| with the difference in double; DotProd,
// src1[i] * src2[i] in double: an operation's row for each element type.
#define QVX_SUM_ABS(Sfx, T)                                                          \
  QVX_DEFINE(QvxStatus, Vector_SumAbs_##Sfx, (const T* src, int len, Qvx64f* sum)) { \
    return reduce(Abs(), src, len, sum);                                             \
  }
#define QVX_SUM_ABS_DIFF(Sfx, T)                                          \
  QVX_DEFINE(QvxStatus, Vector_SumAbsDiff_##Sfx,                          \
             (const T* src1, const T* src2, int len, Qvx64f* sum)) {      \
    return reduce(AbsDiff(), src1, src2, len, sum);                       \
  }
#define QVX_DOT_PROD(Sfx, T)                                              \
  QVX_DEFINE(QvxStatus, Vector_DotProd_##Sfx,                             \
             (const T* src1, const T* src2, int len, Qvx64f* dotProd)) {  \
    return reduce(Product(), src1, src2, len, dotProd);                   \
  }

QVX_EACH_ORDERED(QVX_SUM_ABS)
QVX_EACH_ORDERED(QVX_SUM_ABS_DIFF)
QVX_EACH_ORDERED(QVX_DOT_PROD)
