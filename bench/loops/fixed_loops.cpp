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
