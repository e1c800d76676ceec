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

// MeanStdDev: single precision for 8U, double for every other member.
template <class T>
using Working = std::conditional_t<std::is_same<T, Qvx8u>::value, float, double>;

}  // namespace

// Mean: the 8U and 16U sums come from SumAbs (which sums the same values), with its status.
#define QVX_MEAN_OF_SUM_ABS(Sfx, T)                                                \
  QVX_DEFINE(QvxStatus, Vector_Mean_##Sfx, (const T* src, int len, T* mean)) {     \
    return mean_from(__qvx_Vector_SumAbs_##Sfx, src, len, mean);                   \
  }
#define QVX_MEAN(Sfx, T)                                                           \
  QVX_DEFINE(QvxStatus, Vector_Mean_##Sfx, (const T* src, int len, T* mean)) {     \
    return mean_of(sum_of(Value(), len, src), len, mean);                          \
  }
#define QVX_MEAN_STD_DEV(Sfx, T)                                                   \
  QVX_DEFINE(QvxStatus, Vector_MeanStdDev_##Sfx,                                   \
             (const T* src, int len, T* mean, T* stdDev)) {                        \
    return mean_std_dev<Working<T>>(src, len, mean, stdDev);                       \
  }
QVX_MEAN_OF_SUM_ABS(8U, Qvx8u)
QVX_MEAN_OF_SUM_ABS(16U, Qvx16u)
QVX_MEAN(16S, Qvx16s)
QVX_MEAN(32S, Qvx32s)
QVX_MEAN(32F, Qvx32f)
QVX_MEAN(64F, Qvx64f)
QVX_EACH_ORDERED(QVX_MEAN_STD_DEV)

// ---- StdDev: MeanStdDev with a private mean ----
#define QVX_STD_DEV(Sfx, T)                                                         \
  QVX_DEFINE(QvxStatus, Vector_StdDev_##Sfx, (const T* src, int len, T* stdDev)) { \
    T m;                                                                            \
    return __qvx_Vector_MeanStdDev_##Sfx(src, len, &m, stdDev);                     \
  }
QVX_EACH_ORDERED(QVX_STD_DEV)
