// MaxIndex, MinIndex, MinMaxIndex: where the running extremes of extremes.h were last
// replaced, which is the first position of the extreme (0 when nothing replaced the start
// value, an empty vector included); found by the chunked pass and a search of one chunk.
#include "core/export.h"
#include "core/loops.h"
#include "stats/extremes.h"

namespace {

using namespace qvx;
using namespace qvx::stats;

template <bool kLo, bool kHi, class T>
inline Pair<T> indexes_of(const T* src, int len) {
  Pair<T> e;
  chunked<kLo, kHi>(len, true, [=](int i) { return simd::load(src + i); },
                    [=](int i) { return get(src + i); }, e);
  return e;
}

template <class T>
inline QvxStatus max_index(const T* src, int len, int* maxIndex) {
  *maxIndex = indexes_of<false, true>(src, len).hi.at;
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus min_index(const T* src, int len, int* minIndex) {
  *minIndex = indexes_of<true, false>(src, len).lo.at;
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus min_max_index(const T* src, int len, int* minIndex, int* maxIndex) {
  const Pair<T> e = indexes_of<true, true>(src, len);
  *minIndex = e.lo.at;
  *maxIndex = e.hi.at;
  return QVX_STS_NO_ERR;
}

}  // namespace

// Every member: an operation's row for each element type.
#define QVX_MAX_INDEX(Sfx, T)                                                                 \
  QVX_DEFINE(QvxStatus, Vector_MaxIndex_##Sfx, (const T* src, int len, int* maxIndex)) {      \
    return max_index(src, len, maxIndex);                                                     \
  }
#define QVX_MIN_INDEX(Sfx, T)                                                                 \
  QVX_DEFINE(QvxStatus, Vector_MinIndex_##Sfx, (const T* src, int len, int* minIndex)) {      \
    return min_index(src, len, minIndex);                                                     \
  }
#define QVX_MIN_MAX_INDEX(Sfx, T)                                                             \
  QVX_DEFINE(QvxStatus, Vector_MinMaxIndex_##Sfx,                                             \
             (const T* src, int len, int* minIndex, int* maxIndex)) {                         \
    return min_max_index(src, len, minIndex, maxIndex);                                       \
  }

QVX_EACH_ORDERED(QVX_MAX_INDEX)
QVX_EACH_ORDERED(QVX_MIN_INDEX)
QVX_EACH_ORDERED(QVX_MIN_MAX_INDEX)
