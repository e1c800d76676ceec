// The element loops a user would write for thresholds, element-wise maxima and absolute
// values.
#include "harness.h"

QVXB_LOOP(Vector_Threshold_16S, (const Qvx16s* s, Qvx16s* d, Qvx16s lo, Qvx16s hi, int len)) {
  for (int i = 0; i < len; ++i) d[i] = s[i] > hi ? hi : s[i] < lo ? lo : s[i];
}
QVXB_LOOP(Vector_ThresholdLTVal_32F, (const Qvx32f* s, Qvx32f* d, Qvx32f level, Qvx32f val, int len)) {
  for (int i = 0; i < len; ++i) d[i] = s[i] > level ? val : s[i];
}
QVXB_LOOP(Vector_MaxEvery_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = a[i] > b[i] ? a[i] : b[i];
}
QVXB_LOOP(Vector_MaxEvery_32FC, (const Qvx32fc* a, const Qvx32fc* b, Qvx32fc* d, int len)) {
  for (int i = 0; i < len; ++i) {
    const Qvx32fc x = a[i], y = b[i];
    d[i] = x.re * x.re + x.im * x.im > y.re * y.re + y.im * y.im ? x : y;
  }
}
QVXB_LOOP(Vector_Abs_16S, (const Qvx16s* s, Qvx16s* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<Qvx16s>(s[i] < 0 ? -s[i] : s[i]);
}
QVXB_LOOP(Vector_AbsDiff_8U, (const Qvx8u* a, const Qvx8u* b, Qvx8u* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<Qvx8u>(a[i] > b[i] ? a[i] - b[i] : b[i] - a[i]);
}
