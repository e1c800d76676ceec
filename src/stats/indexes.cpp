// MaxIndex, MinIndex, MinMaxIndex: where the running extremes of extremes.h were last
// replaced, which is the first position of the extreme (0 when nothing replaced the start
// value, an empty vector included).
#include "core/export.h"
#include "stats/extremes.h"

namespace {

using namespace qvx::stats;

template <class T>
inline QvxStatus max_index(const T* src, int len, int* maxIndex) {
  Running<T, Greater> hi;
  scan<T>(len, [&](int i) { return src[i]; }, hi);
  *maxIndex = hi.at;
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus min_index(const T* src, int len, int* minIndex) {
  Running<T, Less> lo;
  scan<T>(len, [&](int i) { return src[i]; }, lo);
  *minIndex = lo.at;
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus min_max_index(const T* src, int len, int* minIndex, int* maxIndex) {
  Running<T, Less> lo;
  Running<T, Greater> hi;
  scan<T>(len, [&](int i) { return src[i]; }, lo, hi);
  *minIndex = lo.at;
  *maxIndex = hi.at;
  return QVX_STS_NO_ERR;
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_MaxIndex_8U, (const Qvx8u* src, int len, int* maxIndex)) {
  return max_index(src, len, maxIndex);
}
QVX_DEFINE(QvxStatus, Vector_MaxIndex_16U, (const Qvx16u* src, int len, int* maxIndex)) {
  return max_index(src, len, maxIndex);
}
QVX_DEFINE(QvxStatus, Vector_MaxIndex_16S, (const Qvx16s* src, int len, int* maxIndex)) {
  return max_index(src, len, maxIndex);
}
QVX_DEFINE(QvxStatus, Vector_MaxIndex_32S, (const Qvx32s* src, int len, int* maxIndex)) {
  return max_index(src, len, maxIndex);
}
QVX_DEFINE(QvxStatus, Vector_MaxIndex_32F, (const Qvx32f* src, int len, int* maxIndex)) {
  return max_index(src, len, maxIndex);
}
QVX_DEFINE(QvxStatus, Vector_MaxIndex_64F, (const Qvx64f* src, int len, int* maxIndex)) {
  return max_index(src, len, maxIndex);
}

QVX_DEFINE(QvxStatus, Vector_MinIndex_8U, (const Qvx8u* src, int len, int* minIndex)) {
  return min_index(src, len, minIndex);
}
QVX_DEFINE(QvxStatus, Vector_MinIndex_16U, (const Qvx16u* src, int len, int* minIndex)) {
  return min_index(src, len, minIndex);
}
QVX_DEFINE(QvxStatus, Vector_MinIndex_16S, (const Qvx16s* src, int len, int* minIndex)) {
  return min_index(src, len, minIndex);
}
QVX_DEFINE(QvxStatus, Vector_MinIndex_32S, (const Qvx32s* src, int len, int* minIndex)) {
  return min_index(src, len, minIndex);
}
QVX_DEFINE(QvxStatus, Vector_MinIndex_32F, (const Qvx32f* src, int len, int* minIndex)) {
  return min_index(src, len, minIndex);
}
QVX_DEFINE(QvxStatus, Vector_MinIndex_64F, (const Qvx64f* src, int len, int* minIndex)) {
  return min_index(src, len, minIndex);
}

QVX_DEFINE(QvxStatus, Vector_MinMaxIndex_8U,
           (const Qvx8u* src, int len, int* minIndex, int* maxIndex)) {
  return min_max_index(src, len, minIndex, maxIndex);
}
QVX_DEFINE(QvxStatus, Vector_MinMaxIndex_16U,
           (const Qvx16u* src, int len, int* minIndex, int* maxIndex)) {
  return min_max_index(src, len, minIndex, maxIndex);
}
QVX_DEFINE(QvxStatus, Vector_MinMaxIndex_16S,
           (const Qvx16s* src, int len, int* minIndex, int* maxIndex)) {
  return min_max_index(src, len, minIndex, maxIndex);
}
QVX_DEFINE(QvxStatus, Vector_MinMaxIndex_32S,
           (const Qvx32s* src, int len, int* minIndex, int* maxIndex)) {
  return min_max_index(src, len, minIndex, maxIndex);
}
QVX_DEFINE(QvxStatus, Vector_MinMaxIndex_32F,
           (const Qvx32f* src, int len, int* minIndex, int* maxIndex)) {
  return min_max_index(src, len, minIndex, maxIndex);
}
QVX_DEFINE(QvxStatus, Vector_MinMaxIndex_64F,
           (const Qvx64f* src, int len, int* minIndex, int* maxIndex)) {
  return min_max_index(src, len, minIndex, maxIndex);
}
