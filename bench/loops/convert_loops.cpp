// The element loops a user would write for the conversions.
#include <math.h>

#include "harness.h"

QVXB_LOOP(Vector_TypeConvertShift_16S_32F, (const Qvx16s* s, Qvx32f* d, int len, int sf)) {
  const float f = ldexpf(1.0f, sf);
  for (int i = 0; i < len; ++i) d[i] = static_cast<float>(s[i]) * f;
}
QVXB_LOOP(Vector_TypeConvertShift_8S_32F, (const Qvx8s* s, Qvx32f* d, int len, int sf)) {
  const float f = ldexpf(1.0f, sf);
  for (int i = 0; i < len; ++i) d[i] = static_cast<float>(s[i]) * f;
}
QVXB_LOOP(Vector_TypeConvertShift_32F_16S, (const Qvx32f* s, Qvx16s* d, int len, int sf)) {
  const float f = ldexpf(1.0f, sf);
  for (int i = 0; i < len; ++i) {
    const float t = s[i] * f;
    d[i] = t >= 32767.0f ? 32767 : t <= -32768.0f ? -32768 : static_cast<Qvx16s>(t);
  }
}
QVXB_LOOP(Vector_TypeConvertShift_32F_64F, (const Qvx32f* s, Qvx64f* d, int len, int sf)) {
  const double f = ldexp(1.0, sf);
  for (int i = 0; i < len; ++i) d[i] = static_cast<double>(s[i]) * f;
}
QVXB_LOOP(Vector_TypeConvertShift_16S_8U, (const Qvx16s* s, Qvx8u* d, int len, int sf)) {
  for (int i = 0; i < len; ++i) {
    const int v = sf >= 0 ? s[i] << (sf < 16 ? sf : 16) : s[i] >> (-sf < 31 ? -sf : 31);
    d[i] = static_cast<Qvx8u>(v < 0 ? 0 : v > 255 ? 255 : v);
  }
}
