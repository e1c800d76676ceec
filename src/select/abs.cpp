// Absolute values and absolute differences, in the element type.  What differs between the
// members is what happens to a result that does not fit: Abs of the most negative integer
// wraps to itself, AbsDiff_16S saturates at 32767, AbsDiff_32S keeps the magnitude modulo
// 2^32.  Floating-point results have their sign bit cleared and nothing else changed (a NaN
// keeps its payload).
#include <stdint.h>
#include <string.h>

#include "core/export.h"

namespace {

template <class T>
inline QvxStatus unary(const T* src, T* dst, int len, T (*rule)(T)) {
  for (int i = 0; i < len; ++i) dst[i] = rule(src[i]);
  return QVX_STS_NO_ERR;
}
template <class T>
inline QvxStatus binary(const T* a, const T* b, T* d, int len, T (*rule)(T, T)) {
  for (int i = 0; i < len; ++i) d[i] = rule(a[i], b[i]);
  return QVX_STS_NO_ERR;
}

// (x XOR m) - m with m all ones for a negative x: the negation, wrapping for the most
// negative value.  Done in the unsigned type of the width, stored modulo 2^width.
template <class T, class U>
inline T wrapping_abs(T x) {
  const U m = x < 0 ? static_cast<U>(~U(0)) : U(0);
  return static_cast<T>(static_cast<U>((static_cast<U>(x) ^ m) - m));
}

inline float clear_sign(float x) {
  uint32_t b;
  memcpy(&b, &x, sizeof b);
  b &= 0x7FFFFFFFu;
  memcpy(&x, &b, sizeof b);
  return x;
}
inline double clear_sign(double x) {
  uint64_t b;
  memcpy(&b, &x, sizeof b);
  b &= 0x7FFFFFFFFFFFFFFFull;
  memcpy(&x, &b, sizeof b);
  return x;
}

template <class T>
inline T float_abs(T x) {
  return clear_sign(x);
}

// Larger minus smaller: exact for 8U and 16U; modulo 2^32 for 32S, so a magnitude of 2^31
// or more reads as negative.
template <class T, class U>
inline T larger_minus_smaller(T a, T b) {
  const U x = static_cast<U>(a), y = static_cast<U>(b);
  return static_cast<T>(static_cast<U>(a > b ? x - y : y - x));
}

// The exact magnitude (at most 65535) saturated to 32767.
inline Qvx16s abs_diff_16s(Qvx16s a, Qvx16s b) {
  const int d = static_cast<int>(a) - static_cast<int>(b);
  const int m = d < 0 ? -d : d;
  return static_cast<Qvx16s>(m > 32767 ? 32767 : m);
}

// The difference rounded to the element's precision, then its sign bit cleared.
template <class T>
inline T float_abs_diff(T a, T b) {
  return clear_sign(a - b);
}

}  // namespace

// ---- Abs ----
QVX_DEFINE(QvxStatus, Vector_Abs_16S, (const Qvx16s* src, Qvx16s* dst, int len)) {
  return unary(src, dst, len, wrapping_abs<Qvx16s, uint16_t>);
}
QVX_DEFINE(QvxStatus, Vector_Abs_32S, (const Qvx32s* src, Qvx32s* dst, int len)) {
  return unary(src, dst, len, wrapping_abs<Qvx32s, uint32_t>);
}
QVX_DEFINE(QvxStatus, Vector_Abs_32F, (const Qvx32f* src, Qvx32f* dst, int len)) {
  return unary(src, dst, len, float_abs<Qvx32f>);
}
QVX_DEFINE(QvxStatus, Vector_Abs_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return unary(src, dst, len, float_abs<Qvx64f>);
}

// ---- AbsDiff ----
QVX_DEFINE(QvxStatus, Vector_AbsDiff_8U,
           (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len)) {
  return binary(src1, src2, dst, len, larger_minus_smaller<Qvx8u, uint8_t>);
}
QVX_DEFINE(QvxStatus, Vector_AbsDiff_16U,
           (const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst, int len)) {
  return binary(src1, src2, dst, len, larger_minus_smaller<Qvx16u, uint16_t>);
}
QVX_DEFINE(QvxStatus, Vector_AbsDiff_16S,
           (const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst, int len)) {
  return binary(src1, src2, dst, len, abs_diff_16s);
}
QVX_DEFINE(QvxStatus, Vector_AbsDiff_32S,
           (const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst, int len)) {
  return binary(src1, src2, dst, len, larger_minus_smaller<Qvx32s, uint32_t>);
}
QVX_DEFINE(QvxStatus, Vector_AbsDiff_32F,
           (const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len)) {
  return binary(src1, src2, dst, len, float_abs_diff<Qvx32f>);
}
QVX_DEFINE(QvxStatus, Vector_AbsDiff_64F,
           (const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len)) {
  return binary(src1, src2, dst, len, float_abs_diff<Qvx64f>);
}
