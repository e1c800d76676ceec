// The element loops a user would write for the statistics: one double accumulator, the terms
// added in index order, and the running extremes with their start values.
#include <math.h>

#include "harness.h"

QVXB_LOOP(Vector_Sum_16S, (const Qvx16s* src, int len, Qvx64f* sum)) {
  double s = 0.0;
  for (int i = 0; i < len; ++i) s += src[i];
  *sum = s;
}
QVXB_LOOP(Vector_Sum_32F, (const Qvx32f* src, int len, Qvx64f* sum)) {
  double s = 0.0;
  for (int i = 0; i < len; ++i) s += src[i];
  *sum = s;
}
QVXB_LOOP(Vector_DotProd_16S, (const Qvx16s* a, const Qvx16s* b, int len, Qvx64f* dot)) {
  double s = 0.0;
  for (int i = 0; i < len; ++i) s += (double)a[i] * (double)b[i];
  *dot = s;
}
QVXB_LOOP(Vector_SumAbsDiff_8U, (const Qvx8u* a, const Qvx8u* b, int len, Qvx64f* sum)) {
  double s = 0.0;
  for (int i = 0; i < len; ++i) s += fabs((double)a[i] - (double)b[i]);
  *sum = s;
}
QVXB_LOOP(Vector_Mean_64F, (const Qvx64f* src, int len, Qvx64f* mean)) {
  double s = 0.0;
  for (int i = 0; i < len; ++i) s += src[i];
  *mean = s / len;
}
QVXB_LOOP(Vector_Norm_32F, (const Qvx32f* src, int len, Qvx64f* norm)) {
  double s = 0.0;
  for (int i = 0; i < len; ++i) s += (double)src[i] * (double)src[i];
  *norm = len < 1 ? 0.0 : sqrt(s);
}
QVXB_LOOP(Vector_MinMax_16S, (const Qvx16s* src, int len, Qvx16s* min, Qvx16s* max)) {
  Qvx16s lo = 32767, hi = -32768;
  for (int i = 0; i < len; ++i) {
    if (src[i] < lo) lo = src[i];
    if (src[i] > hi) hi = src[i];
  }
  *min = lo;
  *max = hi;
}
QVXB_LOOP(Vector_MaxIndex_32F, (const Qvx32f* src, int len, int* maxIndex)) {
  float best = -3.4028234663852886e38f;
  int at = 0;
  for (int i = 0; i < len; ++i)
    if (src[i] > best) {
      best = src[i];
      at = i;
    }
  *maxIndex = at;
}
