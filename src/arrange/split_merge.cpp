// Two-channel interleaved data split into its channels, and two channels merged.
#include <stddef.h>
#include <stdint.h>

#include "core/bits_of.h"
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

#define QVX_SPLIT_MERGE(Sfx, T)                                                            \
  QVX_DEFINE(QvxStatus, Vector_Split_##Sfx, (const T* src, T* dst1, T* dst2, int len)) {   \
    return split_any(src, dst1, dst2, len);                                                \
  }                                                                                        \
  QVX_DEFINE(QvxStatus, Vector_Merge_##Sfx, (const T* src1, const T* src2, T* dst, int len)) { \
    return merge_any(src1, src2, dst, len);                                                \
  }
QVX_SPLIT_MERGE(8U, Qvx8u)
QVX_SPLIT_MERGE(16S, Qvx16s)
QVX_SPLIT_MERGE(32S, Qvx32s)
QVX_SPLIT_MERGE(32F, Qvx32f)
QVX_SPLIT_MERGE(64F, Qvx64f)
