// Means and sample standard deviations, written in the element type of the source.
//
//   m = S / n                 S the sum of the elements (reduce.h), n = len
//   v = (Q - m * S) / (n - 1) Q the sum of their squares, m unrounded
//   d = sqrt(v)               in double
//
// Every step runs for every len (no early return): len 0 gives NaN for both (0 / 0), len 1
// a NaN deviation (0 / 0), a negative len -0.0 for both.  The working precision is double,
// except for MeanStdDev_8U (and StdDev_8U through it), whose S, Q, m and v are single.
#include <stdint.h>

#include <cmath>
#include <type_traits>

#include "core/convert.h"
#include "core/export.h"
#include "stats/exact_sums.h"

namespace {

using namespace qvx;
using namespace qvx::stats;

// A mean stored into an integer type: truncated toward zero, NaN and values outside the
// signed 32-bit range giving the low bits of -2147483648.  Floating results are rounded to
// the element's precision.
template <class T>
inline T store_mean(double m) {
  if constexpr (std::is_integral<T>::value) return wrap_trunc<T>(m);
  else return static_cast<T>(m);
}
// A deviation is never negative; the integer deviations beyond the type's range (16S data
// spanning more than half the range, 32S likewise) saturate to its maximum, NaN stores as
// a mean does.
template <class T>
inline T store_dev(double d) {
  if constexpr (std::is_integral<T>::value) return saturate_trunc<T>(d);
  else return static_cast<T>(d);
}

template <class T>
inline QvxStatus mean_of(double s, int len, T* mean) {
  *mean = store_mean<T>(s / static_cast<double>(len));
  return QVX_STS_NO_ERR;
}

// The mean from a sum that another primitive computed, and that call's status.
template <class T>
inline QvxStatus mean_from(QvxStatus (*sum)(const T*, int, Qvx64f*), const T* src, int len,
                           T* mean) {
  double s;
  const QvxStatus st = sum(src, len, &s);
  mean_of(s, len, mean);
  return st;
}

// P is the working precision.  n - 1 is formed exactly (in 64 bits) and rounded once.
template <class P, class T>
inline QvxStatus mean_std_dev(const T* src, int len, T* mean, T* stdDev) {
  P a[2];
  sum_and_squares(src, len, a);
  const P m = a[0] / static_cast<P>(len);
  const P v = (a[1] - m * a[0]) / static_cast<P>(int64_t{len} - 1);
  *mean = store_mean<T>(static_cast<double>(m));
  *stdDev = store_dev<T>(std::sqrt(static_cast<double>(v)));
  return QVX_STS_NO_ERR;
}

}  // namespace

// ---- Mean: the 8U and 16U sums come from SumAbs ----
QVX_DEFINE(QvxStatus, Vector_Mean_8U, (const Qvx8u* src, int len, Qvx8u* mean)) {
  return mean_from(__qvx_Vector_SumAbs_8U, src, len, mean);
}
QVX_DEFINE(QvxStatus, Vector_Mean_16U, (const Qvx16u* src, int len, Qvx16u* mean)) {
  return mean_from(__qvx_Vector_SumAbs_16U, src, len, mean);
}
QVX_DEFINE(QvxStatus, Vector_Mean_16S, (const Qvx16s* src, int len, Qvx16s* mean)) {
  return mean_of(sum_of(Value(), len, src), len, mean);
}
QVX_DEFINE(QvxStatus, Vector_Mean_32S, (const Qvx32s* src, int len, Qvx32s* mean)) {
  return mean_of(sum_of(Value(), len, src), len, mean);
}
QVX_DEFINE(QvxStatus, Vector_Mean_32F, (const Qvx32f* src, int len, Qvx32f* mean)) {
  return mean_of(sum_of(Value(), len, src), len, mean);
}
QVX_DEFINE(QvxStatus, Vector_Mean_64F, (const Qvx64f* src, int len, Qvx64f* mean)) {
  return mean_of(sum_of(Value(), len, src), len, mean);
}

// ---- MeanStdDev: working precision per member ----
QVX_DEFINE(QvxStatus, Vector_MeanStdDev_8U,
           (const Qvx8u* src, int len, Qvx8u* mean, Qvx8u* stdDev)) {
  return mean_std_dev<float>(src, len, mean, stdDev);
}
QVX_DEFINE(QvxStatus, Vector_MeanStdDev_16U,
           (const Qvx16u* src, int len, Qvx16u* mean, Qvx16u* stdDev)) {
  return mean_std_dev<double>(src, len, mean, stdDev);
}
QVX_DEFINE(QvxStatus, Vector_MeanStdDev_16S,
           (const Qvx16s* src, int len, Qvx16s* mean, Qvx16s* stdDev)) {
  return mean_std_dev<double>(src, len, mean, stdDev);
}
QVX_DEFINE(QvxStatus, Vector_MeanStdDev_32S,
           (const Qvx32s* src, int len, Qvx32s* mean, Qvx32s* stdDev)) {
  return mean_std_dev<double>(src, len, mean, stdDev);
}
QVX_DEFINE(QvxStatus, Vector_MeanStdDev_32F,
           (const Qvx32f* src, int len, Qvx32f* mean, Qvx32f* stdDev)) {
  return mean_std_dev<double>(src, len, mean, stdDev);
}
QVX_DEFINE(QvxStatus, Vector_MeanStdDev_64F,
           (const Qvx64f* src, int len, Qvx64f* mean, Qvx64f* stdDev)) {
  return mean_std_dev<double>(src, len, mean, stdDev);
}

// ---- StdDev: MeanStdDev with a private mean ----
#define QVX_STD_DEV(Sfx, T)                                                         \
  QVX_DEFINE(QvxStatus, Vector_StdDev_##Sfx, (const T* src, int len, T* stdDev)) { \
    T m;                                                                            \
    return __qvx_Vector_MeanStdDev_##Sfx(src, len, &m, stdDev);                     \
  }
QVX_EACH_ORDERED(QVX_STD_DEV)
