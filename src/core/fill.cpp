// Set: fill a vector with one value, stored as its bit pattern.
#include <string.h>

#include <type_traits>

#include "core/export.h"
#include "core/loops.h"

namespace {

using namespace qvx;

// Every element is the constant: one expression for elements and registers.
constexpr auto same = [](auto c) { return c; };

// An element as the unsigned pattern of its width.
template <class U, class T>
inline U pattern(T v) {
  static_assert(sizeof(U) == sizeof(T), "same width");
  U u;
  memcpy(&u, &v, sizeof u);
  return u;
}

// An integer element as it is, any other as the unsigned pattern of its width, so that -0.0
// and NaN payloads stay; the 64FC element, wider than any lane, as its two parts alternating
// along the register.
template <class T>
inline QvxStatus set(T val, T* dst, int len) {
  if constexpr (sizeof(T) == 16) {
    map(len, OutInterleaved<uint64_t>{reinterpret_cast<uint64_t*>(dst)}, same,
        interleaved_constant(pattern<uint64_t>(val.re), pattern<uint64_t>(val.im)));
    return QVX_STS_NO_ERR;
  } else {
    using U = std::conditional_t<std::is_integral<T>::value, T, simd::uint_t<T>>;
    map(len, Out<U>{reinterpret_cast<U*>(dst)}, same, constant(pattern<U>(val)));
    return QVX_STS_NO_ERR;
  }
}

}  // namespace

#define QVX_SET(Sfx, T)                                                   \
  QVX_DEFINE(QvxStatus, Vector_Set_##Sfx, (T val, T* dst, int len)) {     \
    return set(val, dst, len);                                            \
  }

// Bytes: the C library's memset.
QVX_DEFINE(QvxStatus, Vector_Set_8U, (Qvx8u val, Qvx8u* dst, int len)) {
  if (len < 1) return QVX_STS_NO_ERR;
  memset(dst, val, static_cast<size_t>(len));
  return QVX_STS_NO_ERR;
}
QVX_SET(16S, Qvx16s)
QVX_SET(32S, Qvx32s)
// Set_32F is Set_32S on the same bits, called through its exported name.
QVX_DEFINE(QvxStatus, Vector_Set_32F, (Qvx32f val, Qvx32f* dst, int len)) {
  Qvx32s bits;
  memcpy(&bits, &val, sizeof bits);
  return __qvx_Vector_Set_32S(bits, reinterpret_cast<Qvx32s*>(dst), len);
}
QVX_SET(64F, Qvx64f)
QVX_SET(16SC, Qvx16sc)
QVX_SET(32FC, Qvx32fc)
QVX_SET(64FC, Qvx64fc)
