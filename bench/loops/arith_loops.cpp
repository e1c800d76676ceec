// The element loops a user would write for the floating-point arithmetic.
#include "harness.h"

QVXB_LOOP(Vector_Add_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = a[i] + b[i];
}
QVXB_LOOP(Vector_Sub_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = a[i] - b[i];
}
QVXB_LOOP(Vector_Mul_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = a[i] * b[i];
}
QVXB_LOOP(Vector_Div_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = a[i] / b[i];
}
QVXB_LOOP(Vector_Add_64F, (const Qvx64f* a, const Qvx64f* b, Qvx64f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = a[i] + b[i];
}
QVXB_LOOP(Vector_Mul_64F, (const Qvx64f* a, const Qvx64f* b, Qvx64f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = a[i] * b[i];
}
QVXB_LOOP(Vector_MulC_32F, (const Qvx32f* a, Qvx32f c, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = a[i] * c;
}
QVXB_LOOP(Vector_Mul_32FC, (const Qvx32fc* a, const Qvx32fc* b, Qvx32fc* d, int len)) {
  for (int i = 0; i < len; ++i) {
    const Qvx32fc x = a[i], y = b[i];
    d[i].re = x.re * y.re - x.im * y.im;
    d[i].im = x.im * y.re + x.re * y.im;
  }
}
QVXB_LOOP(Vector_MulC_32FC, (const Qvx32fc* a, Qvx32fc c, Qvx32fc* d, int len)) {
  for (int i = 0; i < len; ++i) {
    const Qvx32fc x = a[i];
    d[i].re = c.re * x.re - c.im * x.im;
    d[i].im = c.re * x.im + c.im * x.re;
  }
}
QVXB_LOOP(Vector_Mul_64FC, (const Qvx64fc* a, const Qvx64fc* b, Qvx64fc* d, int len)) {
  for (int i = 0; i < len; ++i) {
    const Qvx64fc x = a[i], y = b[i];
    d[i].re = x.re * y.re - x.im * y.im;
    d[i].im = x.im * y.re + x.re * y.im;
  }
}
QVXB_LOOP(Vector_MulAdd_32F, (const Qvx32f* a, const Qvx32f* b, const Qvx32f* c, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = a[i] * b[i] + c[i];
}
