// Copy (front to back, element by element, whatever the overlap) and Move (the destination
// always receives what the source held).
#include <stddef.h>
#include <stdint.h>

#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"

namespace {

using namespace qvx;

// Shortest vector worth the 16-byte path, in elements.
template <class T>
constexpr int min_block_len() { return sizeof(T) == 1 ? 16 : sizeof(T) == 2 ? 8 : 5; }

// Ascending 16-byte blocks, eight per iteration, each stored before the next is loaded: with
// the arrays at least 16 bytes apart every block then reads exactly what the ascending
// element loop would (data already copied, where the destination lies inside the source).
inline size_t blocks_up(const uint8_t* s, uint8_t* d, size_t nbytes) {
  size_t k = 0;
  for (; nbytes - k >= 128; k += 128) {
    for (size_t b = 0; b < 128; b += 16) simd::store(d + k + b, simd::load(s + k + b));
  }
  for (; nbytes - k >= 16; k += 16) simd::store(d + k, simd::load(s + k));
  return k;
}

// Descending 16-byte blocks over bytes [0, nbytes): the mirror image of blocks_up, for a
// destination that starts at least 16 bytes inside the source.
inline void blocks_down(const uint8_t* s, uint8_t* d, size_t nbytes) {
  size_t k = nbytes;
  for (; k >= 128; k -= 128) {
    for (size_t b = 16; b <= 128; b += 16) simd::store(d + k - b, simd::load(s + k - b));
  }
  for (; k >= 16; k -= 16) simd::store(d + k - 16, simd::load(s + k - 16));
}

template <class T>
inline void copy_up(const T* src, T* dst, int len) {
  int i = 0;
  if (kSimd && len >= min_block_len<T>() && apart(src, dst)) {
    const size_t done = blocks_up(reinterpret_cast<const uint8_t*>(src),
                                  reinterpret_cast<uint8_t*>(dst), sizeof(T) * size_t(len));
    i = static_cast<int>(done / sizeof(T));
  }
  for (; i < len; ++i) dst[i] = src[i];
}

template <class T>
inline void copy_down(const T* src, T* dst, int len) {
  int top = len;
  if (kSimd && len >= min_block_len<T>() && apart(src, dst)) {
    // The elements above the last whole block go first, from the top down.
    const size_t nbytes = sizeof(T) * size_t(len);
    const int blocked = static_cast<int>((nbytes & ~size_t(15)) / sizeof(T));
    for (int i = len - 1; i >= blocked; --i) dst[i] = src[i];
    blocks_down(reinterpret_cast<const uint8_t*>(src), reinterpret_cast<uint8_t*>(dst),
                nbytes & ~size_t(15));
    return;
  }
  for (int i = top - 1; i >= 0; --i) dst[i] = src[i];
}

template <class T>
inline QvxStatus copy(const T* src, T* dst, int len) {
  if (len < 1) return QVX_STS_NO_ERR;
  copy_up(src, dst, len);
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus move(const T* src, T* dst, int len) {
  if (len < 1) return QVX_STS_NO_ERR;
  // A destination that starts inside the source (dst == src included) is filled from the
  // top down; any other placement is safe front to back.
  const uintptr_t distance = reinterpret_cast<uintptr_t>(dst) - reinterpret_cast<uintptr_t>(src);
  if (distance < sizeof(T) * uintptr_t(len)) {
    copy_down(src, dst, len);
  } else {
    copy_up(src, dst, len);
  }
  return QVX_STS_NO_ERR;
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_Copy_8U, (const Qvx8u* src, Qvx8u* dst, int len)) {
  return copy(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Copy_16S, (const Qvx16s* src, Qvx16s* dst, int len)) {
  return copy(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Copy_32S, (const Qvx32s* src, Qvx32s* dst, int len)) {
  return copy(src, dst, len);
}
QVX_SECOND_NAME(Vector_Copy_32S, Vector_Copy_32F);
QVX_DEFINE(QvxStatus, Vector_Copy_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return copy(reinterpret_cast<const Qvx64s*>(src), reinterpret_cast<Qvx64s*>(dst), len);
}
QVX_DEFINE(QvxStatus, Vector_Copy_16SC, (const Qvx16sc* src, Qvx16sc* dst, int len)) {
  return __qvx_Vector_Copy_16S(reinterpret_cast<const Qvx16s*>(src),
                               reinterpret_cast<Qvx16s*>(dst), twice(len));
}
QVX_DEFINE(QvxStatus, Vector_Copy_32FC, (const Qvx32fc* src, Qvx32fc* dst, int len)) {
  return __qvx_Vector_Copy_32S(reinterpret_cast<const Qvx32s*>(src),
                               reinterpret_cast<Qvx32s*>(dst), twice(len));
}
QVX_DEFINE(QvxStatus, Vector_Copy_64FC, (const Qvx64fc* src, Qvx64fc* dst, int len)) {
  return __qvx_Vector_Copy_64F(reinterpret_cast<const Qvx64f*>(src),
                               reinterpret_cast<Qvx64f*>(dst), twice(len));
}

QVX_DEFINE(QvxStatus, Vector_Move_8U, (const Qvx8u* src, Qvx8u* dst, int len)) {
  return move(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Move_16S, (const Qvx16s* src, Qvx16s* dst, int len)) {
  return move(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Move_32S, (const Qvx32s* src, Qvx32s* dst, int len)) {
  return move(src, dst, len);
}
QVX_SECOND_NAME(Vector_Move_32S, Vector_Move_32F);
QVX_DEFINE(QvxStatus, Vector_Move_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return move(reinterpret_cast<const Qvx64s*>(src), reinterpret_cast<Qvx64s*>(dst), len);
}
QVX_DEFINE(QvxStatus, Vector_Move_16SC, (const Qvx16sc* src, Qvx16sc* dst, int len)) {
  return __qvx_Vector_Move_16S(reinterpret_cast<const Qvx16s*>(src),
                               reinterpret_cast<Qvx16s*>(dst), twice(len));
}
QVX_DEFINE(QvxStatus, Vector_Move_32FC, (const Qvx32fc* src, Qvx32fc* dst, int len)) {
  return __qvx_Vector_Move_32F(reinterpret_cast<const Qvx32f*>(src),
                               reinterpret_cast<Qvx32f*>(dst), twice(len));
}
QVX_DEFINE(QvxStatus, Vector_Move_64FC, (const Qvx64fc* src, Qvx64fc* dst, int len)) {
  return __qvx_Vector_Move_64F(reinterpret_cast<const Qvx64f*>(src),
                               reinterpret_cast<Qvx64f*>(dst), twice(len));
}
