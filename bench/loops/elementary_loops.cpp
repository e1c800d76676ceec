// The element loops a user would write for the elementary functions and the complex
// magnitude: one C math library call per element (in double precision, as the library's
// own rule makes them), and the plain arithmetic of the conjugate and squared magnitude.
#include <math.h>

#include "harness.h"

QVXB_LOOP(Vector_Sin_32F, (const Qvx32f* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<float>(sin(static_cast<double>(s[i])));
}
QVXB_LOOP(Vector_Cos_32F, (const Qvx32f* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<float>(cos(static_cast<double>(s[i])));
}
QVXB_LOOP(Vector_Tan_32F, (const Qvx32f* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<float>(tan(static_cast<double>(s[i])));
}
QVXB_LOOP(Vector_SinCos_32F, (const Qvx32f* s, Qvx32f* ds, Qvx32f* dc, int len)) {
  for (int i = 0; i < len; ++i) {
    ds[i] = static_cast<float>(sin(static_cast<double>(s[i])));
    dc[i] = static_cast<float>(cos(static_cast<double>(s[i])));
  }
}
QVXB_LOOP(Vector_Exp_32F, (const Qvx32f* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<float>(exp(static_cast<double>(s[i])));
}
QVXB_LOOP(Vector_Log_32F, (const Qvx32f* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<float>(log(static_cast<double>(s[i])));
}
QVXB_LOOP(Vector_Atan_32F, (const Qvx32f* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<float>(atan(static_cast<double>(s[i])));
}
// The arc sine and cosine of the benchmark's data, which lies in (0, 1), need no domain test.
QVXB_LOOP(Vector_Asin_32F, (const Qvx32f* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<float>(asin(static_cast<double>(s[i])));
}
QVXB_LOOP(Vector_Acos_32F, (const Qvx32f* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<float>(acos(static_cast<double>(s[i])));
}
QVXB_LOOP(Vector_Exp_64F, (const Qvx64f* s, Qvx64f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = exp(s[i]);
}
QVXB_LOOP(Vector_Pow_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) {
    d[i] = static_cast<float>(pow(static_cast<double>(a[i]), static_cast<double>(b[i])));
  }
}
QVXB_LOOP(Vector_PowC_32F, (const Qvx32f* a, Qvx32f c, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) {
    d[i] = static_cast<float>(pow(static_cast<double>(a[i]), static_cast<double>(c)));
  }
}
QVXB_LOOP(Vector_Ampl_32FC, (const Qvx32fc* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) {
    d[i] = static_cast<float>(hypot(static_cast<double>(s[i].re), static_cast<double>(s[i].im)));
  }
}
// The phase of the benchmark's data, whose parts lie in (0, 1), needs no zero rule.
QVXB_LOOP(Vector_Phase_32FC, (const Qvx32fc* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) {
    d[i] = static_cast<float>(atan2(static_cast<double>(s[i].im), static_cast<double>(s[i].re)));
  }
}
QVXB_LOOP(Vector_DescartToPolar_32F, (const Qvx32f* s, Qvx32f* m, Qvx32f* p, int len)) {
  for (int i = 0; i < len; ++i) {
    const double x = s[2 * i], y = s[2 * i + 1];
    m[i] = static_cast<float>(hypot(x, y));
    p[i] = static_cast<float>(atan2(y, x));
  }
}
QVXB_LOOP(Vector_PolarToDescart_32F, (const Qvx32f* m, const Qvx32f* p, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) {
    const double r = m[i], t = p[i];
    d[2 * i] = static_cast<float>(r * cos(t));
    d[2 * i + 1] = static_cast<float>(r * sin(t));
  }
}
QVXB_LOOP(Vector_PolarToDescart_16S, (const Qvx32f* m, const Qvx32f* p, Qvx16s* d, int len)) {
  const auto part = [](double t) {
    return static_cast<Qvx16s>(t > 32767.0 ? 32767 : t < -32768.0 ? -32768 : static_cast<int>(t));
  };
  for (int i = 0; i < len; ++i) {
    double s, c;
    sincos(static_cast<double>(p[i]), &s, &c);
    d[2 * i] = part(c * m[i]);
    d[2 * i + 1] = part(s * m[i]);
  }
}
QVXB_LOOP(Vector_Exp_32FC, (const Qvx32fc* s, Qvx32fc* d, int len)) {
  for (int i = 0; i < len; ++i) {
    const double m = static_cast<float>(exp(static_cast<double>(s[i].re)));
    const double b = s[i].im;
    d[i].re = static_cast<float>(m * cos(b));
    d[i].im = static_cast<float>(m * sin(b));
  }
}
// The logarithm of the benchmark's data, whose parts lie in (0, 1), needs no zero rule.
QVXB_LOOP(Vector_Log_32FC, (const Qvx32fc* s, Qvx32fc* d, int len)) {
  for (int i = 0; i < len; ++i) {
    const double a = s[i].re, b = s[i].im;
    d[i].re = static_cast<float>(log(hypot(b, a)));
    d[i].im = static_cast<float>(atan2(b, a));
  }
}
QVXB_LOOP(Vector_Sqrt_32F, (const Qvx32f* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = sqrtf(s[i]);
}
QVXB_LOOP(Vector_Sqrt_64F, (const Qvx64f* s, Qvx64f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = sqrt(s[i]);
}
QVXB_LOOP(Vector_Conj_32FC, (const Qvx32fc* s, Qvx32fc* d, int len)) {
  for (int i = 0; i < len; ++i) {
    d[i].re = s[i].re;
    d[i].im = -s[i].im;
  }
}
QVXB_LOOP(Vector_AmplSqr_32FC, (const Qvx32fc* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = s[i].re * s[i].re + s[i].im * s[i].im;
}
QVXB_LOOP(Vector_AmplSqr_16SC, (const Qvx16sc* s, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) {
    const float x = s[i].re, y = s[i].im;
    d[i] = x * x + y * y;
  }
}
