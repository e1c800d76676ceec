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
