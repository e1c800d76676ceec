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

// Every member: an operation's row for each element type.
#define QVX_NORM(Sfx, T)                                                        \
  QVX_DEFINE(QvxStatus, Vector_Norm_##Sfx, (const T* src, int len, Qvx64f* norm)) { \
    return norm_of(src, len, norm);                                             \
  }
#define QVX_NORM_DIFF(Sfx, T)                                                             \
  QVX_DEFINE(QvxStatus, Vector_NormDiff_##Sfx,                                            \
             (const T* src1, const T* src2, int len, Qvx64f* norm)) {                     \
    return norm_diff_of(src1, src2, len, norm);                                           \
  }

QVX_EACH_ORDERED(QVX_NORM)
QVX_EACH_ORDERED(QVX_NORM_DIFF)
