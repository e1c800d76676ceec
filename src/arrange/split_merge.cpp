// Two-channel interleaved data split into its channels, and two channels merged.
#include <stddef.h>
#include <stdint.h>

#include "arrange/bits_of.h"
#include "core/export.h"
#include "core/loops.h"

namespace {

using namespace qvx;

// Pair i is src[2i], src[2i+1]: the interleaved array read as gathered pairs, the two
// channels as the parts of a split complex array.  The driver runs the register path only
// when no two of the three arrays share a byte.
constexpr auto same = [](auto pair) { return pair; };

template <class U>
inline void split(const U* src, U* dst1, U* dst2, int len) {
  map(len, OutSplit<U>{dst1, dst2}, same, Deinterleaved<U>{src});
}

template <class U>
inline void merge(const U* src1, const U* src2, U* dst, int len) {
  map(len, OutDeinterleaved<U>{dst}, same, Split<U>{src1, src2});
}

template <class T>
inline QvxStatus split_any(const T* src, T* dst1, T* dst2, int len) {
  if (len >= 1) split(as_bits(src), as_bits(dst1), as_bits(dst2), len);
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus merge_any(const T* src1, const T* src2, T* dst, int len) {
  if (len >= 1) merge(as_bits(src1), as_bits(src2), as_bits(dst), len);
  return QVX_STS_NO_ERR;
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_Split_8U, (const Qvx8u* src, Qvx8u* dst1, Qvx8u* dst2, int len)) {
  return split_any(src, dst1, dst2, len);
}
QVX_DEFINE(QvxStatus, Vector_Split_16S, (const Qvx16s* src, Qvx16s* dst1, Qvx16s* dst2, int len)) {
  return split_any(src, dst1, dst2, len);
}
QVX_DEFINE(QvxStatus, Vector_Split_32S, (const Qvx32s* src, Qvx32s* dst1, Qvx32s* dst2, int len)) {
  return split_any(src, dst1, dst2, len);
}
QVX_DEFINE(QvxStatus, Vector_Split_32F, (const Qvx32f* src, Qvx32f* dst1, Qvx32f* dst2, int len)) {
  return split_any(src, dst1, dst2, len);
}
QVX_DEFINE(QvxStatus, Vector_Split_64F, (const Qvx64f* src, Qvx64f* dst1, Qvx64f* dst2, int len)) {
  return split_any(src, dst1, dst2, len);
}

QVX_DEFINE(QvxStatus, Vector_Merge_8U,
           (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len)) {
  return merge_any(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Merge_16S,
           (const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst, int len)) {
  return merge_any(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Merge_32S,
           (const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst, int len)) {
  return merge_any(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Merge_32F,
           (const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len)) {
  return merge_any(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Merge_64F,
           (const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len)) {
  return merge_any(src1, src2, dst, len);
}
