// Max, Min, MinMax of a vector and MinMaxDiff, the extremes of the element-wise differences
// of two vectors: the running extremes of extremes.h over one pass.
#include <stdint.h>

#include "core/export.h"
#include "stats/extremes.h"

namespace {

using namespace qvx::stats;

template <class T>
inline QvxStatus max_of(const T* src, int len, T* max) {
  Running<T, Greater> hi;
  scan<T>(len, [&](int i) { return src[i]; }, hi);
  *max = hi.best;
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus min_of(const T* src, int len, T* min) {
  Running<T, Less> lo;
  scan<T>(len, [&](int i) { return src[i]; }, lo);
  *min = lo.best;
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus min_max_of(const T* src, int len, T* min, T* max) {
  Running<T, Less> lo;
  Running<T, Greater> hi;
  scan<T>(len, [&](int i) { return src[i]; }, lo, hi);
  *min = lo.best;
  *max = hi.best;
  return QVX_STS_NO_ERR;
}

template <class R, class T, class Diff>
inline QvxStatus min_max_diff(const T* src1, const T* src2, int len, R* min, R* max, Diff diff) {
  Running<R, Less> lo;
  Running<R, Greater> hi;
  scan<R>(len, [&](int i) { return diff(src1[i], src2[i]); }, lo, hi);
  *min = lo.best;
  *max = hi.best;
  return QVX_STS_NO_ERR;
}

// The differences of MinMaxDiff, by member:
//   8U, 16S   both elements widened to 32 bits, exact
//   32S       two's-complement subtraction modulo 2^32
//   32F, 64F  subtraction in the element's precision
const auto widened = [](auto a, auto b) { return int32_t{a} - int32_t{b}; };
const auto wrapping = [](int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
};
const auto rounded = [](auto a, auto b) { return a - b; };

}  // namespace

// ---- Max ----
QVX_DEFINE(QvxStatus, Vector_Max_8U, (const Qvx8u* src, int len, Qvx8u* max)) {
  return max_of(src, len, max);
}
QVX_DEFINE(QvxStatus, Vector_Max_16U, (const Qvx16u* src, int len, Qvx16u* max)) {
  return max_of(src, len, max);
}
QVX_DEFINE(QvxStatus, Vector_Max_16S, (const Qvx16s* src, int len, Qvx16s* max)) {
  return max_of(src, len, max);
}
QVX_DEFINE(QvxStatus, Vector_Max_32S, (const Qvx32s* src, int len, Qvx32s* max)) {
  return max_of(src, len, max);
}
QVX_DEFINE(QvxStatus, Vector_Max_32F, (const Qvx32f* src, int len, Qvx32f* max)) {
  return max_of(src, len, max);
}
QVX_DEFINE(QvxStatus, Vector_Max_64F, (const Qvx64f* src, int len, Qvx64f* max)) {
  return max_of(src, len, max);
}

// ---- Min ----
QVX_DEFINE(QvxStatus, Vector_Min_8U, (const Qvx8u* src, int len, Qvx8u* min)) {
  return min_of(src, len, min);
}
QVX_DEFINE(QvxStatus, Vector_Min_16U, (const Qvx16u* src, int len, Qvx16u* min)) {
  return min_of(src, len, min);
}
QVX_DEFINE(QvxStatus, Vector_Min_16S, (const Qvx16s* src, int len, Qvx16s* min)) {
  return min_of(src, len, min);
}
QVX_DEFINE(QvxStatus, Vector_Min_32S, (const Qvx32s* src, int len, Qvx32s* min)) {
  return min_of(src, len, min);
}
QVX_DEFINE(QvxStatus, Vector_Min_32F, (const Qvx32f* src, int len, Qvx32f* min)) {
  return min_of(src, len, min);
}
QVX_DEFINE(QvxStatus, Vector_Min_64F, (const Qvx64f* src, int len, Qvx64f* min)) {
  return min_of(src, len, min);
}

// ---- MinMax ----
QVX_DEFINE(QvxStatus, Vector_MinMax_8U, (const Qvx8u* src, int len, Qvx8u* min, Qvx8u* max)) {
  return min_max_of(src, len, min, max);
}
QVX_DEFINE(QvxStatus, Vector_MinMax_16U,
           (const Qvx16u* src, int len, Qvx16u* min, Qvx16u* max)) {
  return min_max_of(src, len, min, max);
}
QVX_DEFINE(QvxStatus, Vector_MinMax_16S,
           (const Qvx16s* src, int len, Qvx16s* min, Qvx16s* max)) {
  return min_max_of(src, len, min, max);
}
QVX_DEFINE(QvxStatus, Vector_MinMax_32S,
           (const Qvx32s* src, int len, Qvx32s* min, Qvx32s* max)) {
  return min_max_of(src, len, min, max);
}
QVX_DEFINE(QvxStatus, Vector_MinMax_32F,
           (const Qvx32f* src, int len, Qvx32f* min, Qvx32f* max)) {
  return min_max_of(src, len, min, max);
}
QVX_DEFINE(QvxStatus, Vector_MinMax_64F,
           (const Qvx64f* src, int len, Qvx64f* min, Qvx64f* max)) {
  return min_max_of(src, len, min, max);
}

// ---- MinMaxDiff (16U is a second name of 16S: its elements are read as signed) ----
QVX_DEFINE(QvxStatus, Vector_MinMaxDiff_8U,
           (const Qvx8u* src1, const Qvx8u* src2, int len, Qvx32s* min, Qvx32s* max)) {
  return min_max_diff(src1, src2, len, min, max, widened);
}
QVX_DEFINE(QvxStatus, Vector_MinMaxDiff_16S,
           (const Qvx16s* src1, const Qvx16s* src2, int len, Qvx32s* min, Qvx32s* max)) {
  return min_max_diff(src1, src2, len, min, max, widened);
}
QVX_SECOND_NAME(Vector_MinMaxDiff_16S, Vector_MinMaxDiff_16U);
QVX_DEFINE(QvxStatus, Vector_MinMaxDiff_32S,
           (const Qvx32s* src1, const Qvx32s* src2, int len, Qvx32s* min, Qvx32s* max)) {
  return min_max_diff(src1, src2, len, min, max, wrapping);
}
QVX_DEFINE(QvxStatus, Vector_MinMaxDiff_32F,
           (const Qvx32f* src1, const Qvx32f* src2, int len, Qvx32f* min, Qvx32f* max)) {
  return min_max_diff(src1, src2, len, min, max, rounded);
}
QVX_DEFINE(QvxStatus, Vector_MinMaxDiff_64F,
           (const Qvx64f* src1, const Qvx64f* src2, int len, Qvx64f* min, Qvx64f* max)) {
  return min_max_diff(src1, src2, len, min, max, rounded);
}
