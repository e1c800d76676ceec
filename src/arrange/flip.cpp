// Reversal of a vector, into a second array or in place.
#include <stddef.h>
#include <stdint.h>

#include "arrange/bits_of.h"
#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"

namespace {

using namespace qvx;

// dst[i] = src[len-1-i], the destination written upward.  Whole 16-byte blocks of the
// destination take the mirrored source block with its elements reversed, when the arrays
// share no byte and the vector has at least 5 elements.
template <class U>
inline void flip(const U* src, U* dst, int len) {
  constexpr int kPerBlock = 16 / sizeof(U);
  const size_t bytes = sizeof(U) * static_cast<size_t>(len);
  const U* end = src + len;
  run<kPerBlock>(
      len, len >= 5 && disjoint(src, bytes, dst, bytes),
      [&](int i) {
        simd::store(dst + i, simd::reverse_block<sizeof(U)>(simd::load(end - i - kPerBlock)));
      },
      [&](int i) { dst[i] = end[-1 - i]; });
}

// srcDst[i] and srcDst[len-1-i] exchanged for i < len/2.  A block from the front and the
// mirrored block from the back are exchanged, each reversed, while the two do not meet;
// the elements left around the middle are exchanged one pair at a time.
template <class U>
inline void flip_in_place(U* p, int len) {
  constexpr int kPerBlock = 16 / sizeof(U);
  const int half = len / 2;
  int i = 0;
  if (kSimd) {
    for (; half - i >= kPerBlock; i += kPerBlock) {
      U* back = p + (len - i - kPerBlock);
      const simd::V f = simd::load(p + i);
      const simd::V b = simd::load(back);
      simd::store(p + i, simd::reverse_block<sizeof(U)>(b));
      simd::store(back, simd::reverse_block<sizeof(U)>(f));
    }
  }
  for (; i < half; ++i) {
    const U t = p[i];
    p[i] = p[len - 1 - i];
    p[len - 1 - i] = t;
  }
}

template <class T>
inline QvxStatus flip_any(const T* src, T* dst, int len) {
  if (len >= 1) flip(as_bits(src), as_bits(dst), len);
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus flip_any_in_place(T* p, int len) {
  if (len >= 2) flip_in_place(as_bits(p), len);
  return QVX_STS_NO_ERR;
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_Flip_8U, (const Qvx8u* src, Qvx8u* dst, int len)) {
  return flip_any(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Flip_16S, (const Qvx16s* src, Qvx16s* dst, int len)) {
  return flip_any(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Flip_32S, (const Qvx32s* src, Qvx32s* dst, int len)) {
  return flip_any(src, dst, len);
}
QVX_SECOND_NAME(Vector_Flip_32S, Vector_Flip_32F);
QVX_DEFINE(QvxStatus, Vector_Flip_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {
  return flip_any(src, dst, len);
}

QVX_DEFINE(QvxStatus, Vector_Flip_8U_I, (Qvx8u* srcDst, int len)) {
  return flip_any_in_place(srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_Flip_16S_I, (Qvx16s* srcDst, int len)) {
  return flip_any_in_place(srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_Flip_32S_I, (Qvx32s* srcDst, int len)) {
  return flip_any_in_place(srcDst, len);
}
QVX_SECOND_NAME(Vector_Flip_32S_I, Vector_Flip_32F_I);
QVX_DEFINE(QvxStatus, Vector_Flip_64F_I, (Qvx64f* srcDst, int len)) {
  return flip_any_in_place(srcDst, len);
}
