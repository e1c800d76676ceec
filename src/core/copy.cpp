// Copy (front to back, element by element, whatever the overlap) and Move (the destination
// always receives what the source held).
#include <stddef.h>
#include <stdint.h>

#include "core/export.h"
#include "core/loops.h"

namespace {

using namespace qvx;
using simd::kBytes;

typedef Vec<uint8_t> Bytes;

// Copies of whole registers of bytes, ascending: with the destination at or before the source,
// or at least one register after it, every register read holds exactly what the ascending
// element loop reads there (see core/loops.h), whatever the element size and even when the
// distance is not a whole number of elements.  Four registers go per step where that stays
// true with all four loaded first.  Returns the bytes done (a multiple of kBytes).
inline size_t up(const uint8_t* s, uint8_t* d, size_t n, bool four) {
  size_t k = 0;
  if (four) {
    for (; n - k >= 4 * kBytes; k += 4 * kBytes) {
      const Bytes a = simd::load(s + k), b = simd::load(s + k + kBytes),
                  c = simd::load(s + k + 2 * kBytes), e = simd::load(s + k + 3 * kBytes);
      simd::store(d + k, a);
      simd::store(d + k + kBytes, b);
      simd::store(d + k + 2 * kBytes, c);
      simd::store(d + k + 3 * kBytes, e);
    }
  }
  for (; n - k >= kBytes; k += kBytes) simd::store(d + k, simd::load(s + k));
  return k;
}

// Large copies between arrays that share no byte: the destination is written with streaming
// stores from its first aligned register on (the bytes before it by one plain store).
inline size_t up_streaming(const uint8_t* s, uint8_t* d, size_t n) {
  simd::store(d, simd::load(s));
  size_t k = (kBytes - reinterpret_cast<uintptr_t>(d) % kBytes) % kBytes;
  for (; n - k >= 4 * kBytes; k += 4 * kBytes) {
    const Bytes a = simd::load(s + k), b = simd::load(s + k + kBytes),
                c = simd::load(s + k + 2 * kBytes), e = simd::load(s + k + 3 * kBytes);
    simd::stream(d + k, a);
    simd::stream(d + k + kBytes, b);
    simd::stream(d + k + 2 * kBytes, c);
    simd::stream(d + k + 3 * kBytes, e);
  }
  simd::isa::stream_fence();
  return k;
}

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
// it is written, which defines the result for every overlap.
template <class T>
inline void copy_up(const T* src, T* dst, int len) {
  const uint8_t* s = reinterpret_cast<const uint8_t*>(src);
  uint8_t* d = reinterpret_cast<uint8_t*>(dst);
  const size_t n = sizeof(T) * static_cast<size_t>(len);
  const uintptr_t sp = reinterpret_cast<uintptr_t>(s), dp = reinterpret_cast<uintptr_t>(d);
  size_t done = 0;
  if (kSimd && (dp <= sp || dp - sp >= kBytes)) {
    if (n >= kStreamBytes / 2 && disjoint(s, n, d, n)) done = up_streaming(s, d, n);
    done += up(s + done, d + done, n - done, dp <= sp || dp - sp >= 4 * kBytes);
    if (simd::isa::kMasked && done < n) {
      simd::store_first(d + done, simd::load_first(s + done, static_cast<int>(n - done)),
                        static_cast<int>(n - done));
      return;
    }
  }
  for (int i = static_cast<int>(done / sizeof(T)); i < len; ++i) put(dst + i, get(src + i));
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
