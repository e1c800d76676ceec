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

// ---- SumAbs: |element| ----
QVX_DEFINE(QvxStatus, Vector_SumAbs_8U, (const Qvx8u* src, int len, Qvx64f* sum)) {
  return reduce(Abs(), src, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_SumAbs_16U, (const Qvx16u* src, int len, Qvx64f* sum)) {
  return reduce(Abs(), src, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_SumAbs_16S, (const Qvx16s* src, int len, Qvx64f* sum)) {
  return reduce(Abs(), src, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_SumAbs_32S, (const Qvx32s* src, int len, Qvx64f* sum)) {
  return reduce(Abs(), src, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_SumAbs_32F, (const Qvx32f* src, int len, Qvx64f* sum)) {
  return reduce(Abs(), src, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_SumAbs_64F, (const Qvx64f* src, int len, Qvx64f* sum)) {
  return reduce(Abs(), src, len, sum);
}

// ---- SumAbsDiff: |src1[i] - src2[i]|, the difference in double ----
QVX_DEFINE(QvxStatus, Vector_SumAbsDiff_8U,
           (const Qvx8u* src1, const Qvx8u* src2, int len, Qvx64f* sum)) {
  return reduce(AbsDiff(), src1, src2, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_SumAbsDiff_16U,
           (const Qvx16u* src1, const Qvx16u* src2, int len, Qvx64f* sum)) {
  return reduce(AbsDiff(), src1, src2, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_SumAbsDiff_16S,
           (const Qvx16s* src1, const Qvx16s* src2, int len, Qvx64f* sum)) {
  return reduce(AbsDiff(), src1, src2, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_SumAbsDiff_32S,
           (const Qvx32s* src1, const Qvx32s* src2, int len, Qvx64f* sum)) {
  return reduce(AbsDiff(), src1, src2, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_SumAbsDiff_32F,
           (const Qvx32f* src1, const Qvx32f* src2, int len, Qvx64f* sum)) {
  return reduce(AbsDiff(), src1, src2, len, sum);
}
QVX_DEFINE(QvxStatus, Vector_SumAbsDiff_64F,
           (const Qvx64f* src1, const Qvx64f* src2, int len, Qvx64f* sum)) {
  return reduce(AbsDiff(), src1, src2, len, sum);
}

// ---- DotProd: src1[i] * src2[i] in double ----
QVX_DEFINE(QvxStatus, Vector_DotProd_8U,
           (const Qvx8u* src1, const Qvx8u* src2, int len, Qvx64f* dotProd)) {
  return reduce(Product(), src1, src2, len, dotProd);
}
QVX_DEFINE(QvxStatus, Vector_DotProd_16U,
           (const Qvx16u* src1, const Qvx16u* src2, int len, Qvx64f* dotProd)) {
  return reduce(Product(), src1, src2, len, dotProd);
}
QVX_DEFINE(QvxStatus, Vector_DotProd_16S,
           (const Qvx16s* src1, const Qvx16s* src2, int len, Qvx64f* dotProd)) {
  return reduce(Product(), src1, src2, len, dotProd);
}
QVX_DEFINE(QvxStatus, Vector_DotProd_32S,
           (const Qvx32s* src1, const Qvx32s* src2, int len, Qvx64f* dotProd)) {
  return reduce(Product(), src1, src2, len, dotProd);
}
QVX_DEFINE(QvxStatus, Vector_DotProd_32F,
           (const Qvx32f* src1, const Qvx32f* src2, int len, Qvx64f* dotProd)) {
  return reduce(Product(), src1, src2, len, dotProd);
}
QVX_DEFINE(QvxStatus, Vector_DotProd_64F,
           (const Qvx64f* src1, const Qvx64f* src2, int len, Qvx64f* dotProd)) {
  return reduce(Product(), src1, src2, len, dotProd);
}
