// Reversal of a vector, into a second array or in place.
#include <stddef.h>
#include <stdint.h>

#include "core/bits_of.h"
#include "core/export.h"
#include "core/loops.h"

namespace {

using namespace qvx;

// dst[i] = src[len-1-i], the destination written upward: a whole register of the
// destination is the mirrored source register with its lanes reversed, when the arrays
// share no byte (core/loops.h).
template <class U>
inline void flip(const U* src, U* dst, int len) {
  map(len, Out<U>{dst}, [](auto x) { return x; }, mirrored(In<U>{src}, len));
}

// srcDst[i] and srcDst[len-1-i] exchanged for i < len/2.  A register from the front and the
// mirrored register from the back are exchanged, each reversed, while the two do not meet;
// the elements left around the middle are exchanged one pair at a time.
template <class U>
inline void flip_in_place(U* p, int len) {
  constexpr int W = kLanes<U>;
  const int half = len / 2;
  int i = 0;
  if (kSimd) {
    for (; half - i >= W; i += W) {
      U* back = p + (len - i - W);
      const Vec<U> f = simd::load(p + i);
      const Vec<U> b = simd::load(back);
      simd::store(p + i, simd::reverse(b));
      simd::store(back, simd::reverse(f));
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
  flip(as_bits(src), as_bits(dst), len);
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus flip_any_in_place(T* p, int len) {
  if (len >= 2) flip_in_place(as_bits(p), len);
  return QVX_STS_NO_ERR;
}

}  // namespace

// The rows of one member: out of place and in place.
#define QVX_FLIP(Sfx, T)                                                               \
  QVX_DEFINE(QvxStatus, Vector_Flip_##Sfx, (const T* src, T* dst, int len)) {          \
    return flip_any(src, dst, len);                                                    \
  }                                                                                    \
  QVX_DEFINE(QvxStatus, Vector_Flip_##Sfx##_I, (T* srcDst, int len)) {                 \
    return flip_any_in_place(srcDst, len);                                             \
  }
QVX_FLIP(8U, Qvx8u)
QVX_FLIP(16S, Qvx16s)
QVX_FLIP(32S, Qvx32s)
QVX_SECOND_NAME(Vector_Flip_32S, Vector_Flip_32F);
QVX_SECOND_NAME(Vector_Flip_32S_I, Vector_Flip_32F_I);
QVX_FLIP(64F, Qvx64f)
