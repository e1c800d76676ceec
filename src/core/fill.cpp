// Set: fill a vector with one value, stored as its bit pattern.
#include <string.h>

#include "core/export.h"
#include "core/loops.h"

namespace {

using namespace qvx;

// Every element is the constant: one expression for elements and registers.
constexpr auto same = [](auto c) { return c; };

template <class T>
inline QvxStatus fill(T val, T* dst, int len) {
  map(len, Out<T>{dst}, same, constant(val));
  return QVX_STS_NO_ERR;
}

// An element as the unsigned pattern of its width.
template <class U, class T>
inline U pattern(T v) {
  static_assert(sizeof(U) == sizeof(T), "same width");
  U u;
  memcpy(&u, &v, sizeof u);
  return u;
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_Set_8U, (Qvx8u val, Qvx8u* dst, int len)) {
  if (len < 1) return QVX_STS_NO_ERR;
  memset(dst, val, static_cast<size_t>(len));
  return QVX_STS_NO_ERR;
}

QVX_DEFINE(QvxStatus, Vector_Set_16S, (Qvx16s val, Qvx16s* dst, int len)) {
  return fill(val, dst, len);
}

QVX_DEFINE(QvxStatus, Vector_Set_32S, (Qvx32s val, Qvx32s* dst, int len)) {
  return fill(val, dst, len);
}

QVX_DEFINE(QvxStatus, Vector_Set_32F, (Qvx32f val, Qvx32f* dst, int len)) {
  Qvx32s bits;
  memcpy(&bits, &val, sizeof bits);
  return __qvx_Vector_Set_32S(bits, reinterpret_cast<Qvx32s*>(dst), len);
}

// The bit pattern is stored (never a floating-point value), so -0.0 and NaN payloads stay.
QVX_DEFINE(QvxStatus, Vector_Set_64F, (Qvx64f val, Qvx64f* dst, int len)) {
  return fill(pattern<uint64_t>(val), reinterpret_cast<uint64_t*>(dst), len);
}

// Complex values: one pattern of the element's width, or (64FC) the two parts alternating
// along the register.
QVX_DEFINE(QvxStatus, Vector_Set_16SC, (Qvx16sc val, Qvx16sc* dst, int len)) {
  return fill(pattern<uint32_t>(val), reinterpret_cast<uint32_t*>(dst), len);
}

QVX_DEFINE(QvxStatus, Vector_Set_32FC, (Qvx32fc val, Qvx32fc* dst, int len)) {
  return fill(pattern<uint64_t>(val), reinterpret_cast<uint64_t*>(dst), len);
}

QVX_DEFINE(QvxStatus, Vector_Set_64FC, (Qvx64fc val, Qvx64fc* dst, int len)) {
  map(len, OutInterleaved<uint64_t>{reinterpret_cast<uint64_t*>(dst)}, same,
      interleaved_constant(pattern<uint64_t>(val.re), pattern<uint64_t>(val.im)));
  return QVX_STS_NO_ERR;
}
