// Euclidean norms of a vector and of the difference of two: the square root of the sum of
// squares of reduce.h (terms in double, added in index order from +0.0), with no scaling
// against overflow.
#include <cmath>

#include "core/export.h"
#include "stats/exact_sums.h"

namespace {

using namespace qvx::stats;

// An empty vector has the norm +0.0, without a square root being taken.
inline QvxStatus root(double s, int len, Qvx64f* norm) {
  *norm = len < 1 ? 0.0 : std::sqrt(s);
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus norm_of(const T* src, int len, Qvx64f* result) {
  return root(sum_of(Square(), len, src), len, result);
}
template <class T>
inline QvxStatus norm_diff_of(const T* src1, const T* src2, int len, Qvx64f* result) {
  return root(sum_of(SquareDiff(), len, src1, src2), len, result);
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_Norm_8U, (const Qvx8u* src, int len, Qvx64f* norm)) {
  return norm_of(src, len, norm);
}
QVX_DEFINE(QvxStatus, Vector_Norm_16U, (const Qvx16u* src, int len, Qvx64f* norm)) {
  return norm_of(src, len, norm);
}
QVX_DEFINE(QvxStatus, Vector_Norm_16S, (const Qvx16s* src, int len, Qvx64f* norm)) {
  return norm_of(src, len, norm);
}
QVX_DEFINE(QvxStatus, Vector_Norm_32S, (const Qvx32s* src, int len, Qvx64f* norm)) {
  return norm_of(src, len, norm);
}
QVX_DEFINE(QvxStatus, Vector_Norm_32F, (const Qvx32f* src, int len, Qvx64f* norm)) {
  return norm_of(src, len, norm);
}
QVX_DEFINE(QvxStatus, Vector_Norm_64F, (const Qvx64f* src, int len, Qvx64f* norm)) {
  return norm_of(src, len, norm);
}

QVX_DEFINE(QvxStatus, Vector_NormDiff_8U,
           (const Qvx8u* src1, const Qvx8u* src2, int len, Qvx64f* norm)) {
  return norm_diff_of(src1, src2, len, norm);
}
QVX_DEFINE(QvxStatus, Vector_NormDiff_16U,
           (const Qvx16u* src1, const Qvx16u* src2, int len, Qvx64f* norm)) {
  return norm_diff_of(src1, src2, len, norm);
}
QVX_DEFINE(QvxStatus, Vector_NormDiff_16S,
           (const Qvx16s* src1, const Qvx16s* src2, int len, Qvx64f* norm)) {
  return norm_diff_of(src1, src2, len, norm);
}
QVX_DEFINE(QvxStatus, Vector_NormDiff_32S,
           (const Qvx32s* src1, const Qvx32s* src2, int len, Qvx64f* norm)) {
  return norm_diff_of(src1, src2, len, norm);
}
QVX_DEFINE(QvxStatus, Vector_NormDiff_32F,
           (const Qvx32f* src1, const Qvx32f* src2, int len, Qvx64f* norm)) {
  return norm_diff_of(src1, src2, len, norm);
}
QVX_DEFINE(QvxStatus, Vector_NormDiff_64F,
           (const Qvx64f* src1, const Qvx64f* src2, int len, Qvx64f* norm)) {
  return norm_diff_of(src1, src2, len, norm);
}
