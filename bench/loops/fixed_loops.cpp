// The element loops a user would write for the fixed-point arithmetic: the exact result
// shifted by the scale factor (floor for right shifts) and clamped.
#include "harness.h"

namespace {
inline int scaled(int r, int sf) {
  return sf >= 0 ? r * (1 << (sf < 16 ? sf : 16)) : r >> (-sf < 31 ? -sf : 31);
}
inline Qvx16s clamp16(int v) { return static_cast<Qvx16s>(v < -32768 ? -32768 : v > 32767 ? 32767 : v); }
}  // namespace

QVXB_LOOP(Vector_Shift_16S, (const Qvx16s* s, Qvx16s* d, int len, int sf)) {
  for (int i = 0; i < len; ++i) d[i] = clamp16(scaled(s[i], sf));
}
QVXB_LOOP(Vector_AddShift_16S, (const Qvx16s* a, const Qvx16s* b, Qvx16s* d, int len, int sf)) {
  for (int i = 0; i < len; ++i) d[i] = clamp16(scaled(a[i] + b[i], sf));
}
QVXB_LOOP(Vector_AddShift_8U, (const Qvx8u* a, const Qvx8u* b, Qvx8u* d, int len, int sf)) {
  for (int i = 0; i < len; ++i) {
    const int v = scaled(a[i] + b[i], sf);
    d[i] = static_cast<Qvx8u>(v < 0 ? 0 : v > 255 ? 255 : v);
  }
}

// Multiplication, multiply-accumulate and division: the exact product (or sum) in 64 bits,
// shifted and clamped; the quotient by integer division (truncated toward zero; for a right
// shift the truncated quotient shifted), a zero divisor giving the bound of the dividend's
// sign.
namespace {
inline Qvx16s scaled16(long long r, int sf) {
  const long long v = sf >= 0 ? r * (1LL << (sf < 32 ? sf : 32)) : r >> (-sf < 63 ? -sf : 63);
  return static_cast<Qvx16s>(v < -32768 ? -32768 : v > 32767 ? 32767 : v);
}
inline Qvx16s quotient16(int n, int d, int sf) {
  if (d == 0) return static_cast<Qvx16s>(n > 0 ? 32767 : n < 0 ? -32768 : 0);
  if (sf < 0) return static_cast<Qvx16s>((n / d) >> -sf);
  const int q = n * (1 << sf) / d;  // sf 0 .. 15 here
  return static_cast<Qvx16s>(q < -32768 ? -32768 : q > 32767 ? 32767 : q);
}
}  // namespace

QVXB_LOOP(Vector_MulShift_16S, (const Qvx16s* a, const Qvx16s* b, Qvx16s* d, int len, int sf)) {
  for (int i = 0; i < len; ++i) d[i] = scaled16(static_cast<long long>(a[i]) * b[i], sf);
}
QVXB_LOOP(Vector_MulCShift_16S, (const Qvx16s* a, Qvx16s v, Qvx16s* d, int len, int sf)) {
  for (int i = 0; i < len; ++i) d[i] = scaled16(static_cast<long long>(a[i]) * v, sf);
}
QVXB_LOOP(Vector_MulAddShift_16S,
          (const Qvx16s* a, const Qvx16s* b, const Qvx16s* c, Qvx16s* d, int len, int sf)) {
  for (int i = 0; i < len; ++i) d[i] = scaled16(static_cast<long long>(a[i]) * b[i] + c[i], sf);
}
QVXB_LOOP(Vector_DivShift_16S, (const Qvx16s* a, const Qvx16s* b, Qvx16s* d, int len, int sf)) {
  for (int i = 0; i < len; ++i) d[i] = quotient16(a[i], b[i], sf);
}
QVXB_LOOP(Vector_DivCShift_16S, (const Qvx16s* a, Qvx16s v, Qvx16s* d, int len, int sf)) {
  for (int i = 0; i < len; ++i) d[i] = quotient16(a[i], v, sf);
}
