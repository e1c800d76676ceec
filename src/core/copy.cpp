// Copy (front to back, element by element, whatever the overlap) and Move (the destination
// always receives what the source held).
#include <stddef.h>
#include <stdint.h>

#include "core/bits_of.h"
#include "core/export.h"
#include "core/loops.h"

namespace {

using namespace qvx;
using simd::kBytes;

typedef Vec<uint8_t> Bytes;

// Descending registers over bytes [0, n): loads before stores in each register, so a
// destination that starts inside the source (at a higher address) receives exactly the
// source's content.
inline void down(const uint8_t* s, uint8_t* d, size_t n) {
  size_t k = n;
  for (; k >= 4 * kBytes; k -= 4 * kBytes) {
    const Bytes a = simd::load(s + k - kBytes), b = simd::load(s + k - 2 * kBytes),
                c = simd::load(s + k - 3 * kBytes), e = simd::load(s + k - 4 * kBytes);
    simd::store(d + k - kBytes, a);
    simd::store(d + k - 2 * kBytes, b);
    simd::store(d + k - 3 * kBytes, c);
    simd::store(d + k - 4 * kBytes, e);
  }
  for (; k >= kBytes; k -= kBytes) simd::store(d + k - kBytes, simd::load(s + k - kBytes));
}

// Ascending copy of len elements: dst[i] = src[i] in order, each element read whole before
// it is written, which defines the result for every overlap.  The driver takes whole
// registers wherever they give that result (the destination at or before the source, or a
// register or more after it), streams large copies between disjoint arrays and ends on a
// masked register where the instruction set has one.
template <class T>
inline void copy_up(const T* src, T* dst, int len) {
  map(len, Out<T>{dst}, identity, In<T>{src});
}

// Descending: the elements above the last whole register first, from the top down, then
// the registers.
template <class T>
inline void copy_down(const T* src, T* dst, int len) {
  const size_t n = sizeof(T) * static_cast<size_t>(len);
  const int blocked = kSimd ? static_cast<int>((n - n % kBytes) / sizeof(T)) : 0;
  for (int i = len - 1; i >= blocked; --i) put(dst + i, get(src + i));
  if (kSimd) down(reinterpret_cast<const uint8_t*>(src), reinterpret_cast<uint8_t*>(dst), n - n % kBytes);
}

template <class T>
inline QvxStatus copy(const T* src, T* dst, int len) {
  if (len < 1) return QVX_STS_NO_ERR;
  copy_up(as_bits(src), as_bits(dst), len);
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus move(const T* src, T* dst, int len) {
  if (len < 1) return QVX_STS_NO_ERR;
  // A destination that starts inside the source (dst == src included) is filled from the
  // top down; any other placement is safe front to back.
  const uintptr_t distance = reinterpret_cast<uintptr_t>(dst) - reinterpret_cast<uintptr_t>(src);
  if (distance < sizeof(T) * uintptr_t(len)) {
    copy_down(as_bits(src), as_bits(dst), len);
  } else {
    copy_up(as_bits(src), as_bits(dst), len);
  }
  return QVX_STS_NO_ERR;
}

}  // namespace

// The rows of Copy (f = copy) and Move (f = move): the real members, 32F a second name of
// 32S, and the complex members as the real member of their part on 2*len parts.
#define QVX_COPY_ROWS(Op, f)                                                              \
  QVX_COPY_REAL(Op, f, 8U, Qvx8u)                                                         \
  QVX_COPY_REAL(Op, f, 16S, Qvx16s)                                                       \
  QVX_COPY_REAL(Op, f, 32S, Qvx32s)                                                       \
  QVX_SECOND_NAME(Vector_##Op##_32S, Vector_##Op##_32F);                                  \
  QVX_COPY_REAL(Op, f, 64F, Qvx64f)                                                       \
  QVX_COPY_PARTS(Op, 16SC, Qvx16sc, 16S, Qvx16s)                                          \
  QVX_COPY_PARTS(Op, 32FC, Qvx32fc, 32S, Qvx32s)                                          \
  QVX_COPY_PARTS(Op, 64FC, Qvx64fc, 64F, Qvx64f)
#define QVX_COPY_REAL(Op, f, Sfx, T)                                                      \
  QVX_DEFINE(QvxStatus, Vector_##Op##_##Sfx, (const T* src, T* dst, int len)) {           \
    return f(src, dst, len);                                                              \
  }
#define QVX_COPY_PARTS(Op, CSfx, C, Sfx, T)                                               \
  QVX_DEFINE(QvxStatus, Vector_##Op##_##CSfx, (const C* src, C* dst, int len)) {          \
    return __qvx_Vector_##Op##_##Sfx(reinterpret_cast<const T*>(src),                     \
                                     reinterpret_cast<T*>(dst), twice(len));              \
  }

QVX_COPY_ROWS(Copy, copy)
QVX_COPY_ROWS(Move, move)
