// Max, Min, MinMax of a vector and MinMaxDiff, the extremes of the element-wise differences
// of two vectors: the running extremes of extremes.h, in order-insensitive lanes for
// integers and in chunks with a search for floating point.
#include <stdint.h>

#include <type_traits>

#include "core/export.h"
#include "core/loops.h"
#include "stats/extremes.h"

namespace {

using namespace qvx;
using namespace qvx::stats;
using simd::as;
using simd::load;

// The extremes of value(i) over the elements; vvalue gives a step of them in registers:
// Step elements as a Pack (integers) or one register of R (floating point).
template <bool kLo, bool kHi, class R, int Step, class VValue, class Value>
inline Pair<R> extremes_of(int len, VValue vvalue, Value value) {
  Pair<R> e;
  if constexpr (std::is_floating_point<R>::value) {
    chunked<kLo, kHi>(len, false, vvalue, value, e);
  } else {
    lane_extremes<kLo, kHi, Step>(len, vvalue, value, e);
  }
  return e;
}

template <bool kLo, bool kHi, class T>
inline Pair<T> of_elements(const T* src, int len) {
  const auto value = [=](int i) { return get(src + i); };
  if constexpr (std::is_floating_point<T>::value) {
    return extremes_of<kLo, kHi, T, simd::kLanes<T>>(len, [=](int i) { return load(src + i); }, value);
  } else {
    return extremes_of<kLo, kHi, T, simd::kLanes<T>>(
        len, [=](int i) { return Pack<T, 1>{{load(src + i)}}; }, value);
  }
}

template <class T>
inline QvxStatus max_of(const T* src, int len, T* max) {
  *max = of_elements<false, true>(src, len).hi.best;
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus min_of(const T* src, int len, T* min) {
  *min = of_elements<true, false>(src, len).lo.best;
  return QVX_STS_NO_ERR;
}

template <class T>
inline QvxStatus min_max_of(const T* src, int len, T* min, T* max) {
  const Pair<T> e = of_elements<true, true>(src, len);
  *min = e.lo.best;
  *max = e.hi.best;
  return QVX_STS_NO_ERR;
}

// The differences of MinMaxDiff, by member, for one element pair and for a step of them
// in registers (the same values):
//   8U    both bytes widened, exact (-255 .. 255): 16-bit lanes
//   16S   both elements widened to 32 bits, exact (-65535 .. 65535): 32-bit lanes
//   32S   two's-complement subtraction modulo 2^32
//   32F, 64F  subtraction in the element's precision
struct Diff8U {
  using R = Qvx32s;
  static constexpr int kStep = simd::kLanes<uint8_t>;
  static R at(Qvx8u a, Qvx8u b) { return int32_t{a} - int32_t{b}; }
  static Pack<int16_t, 2> regs(const Qvx8u* a, const Qvx8u* b) {
    const Vec<uint8_t> x = load(a), y = load(b);
    return {{as<int16_t>(simd::widen_lo(x)) - as<int16_t>(simd::widen_lo(y)),
             as<int16_t>(simd::widen_hi(x)) - as<int16_t>(simd::widen_hi(y))}};
  }
};
struct Diff16S {
  using R = Qvx32s;
  static constexpr int kStep = simd::kLanes<int16_t>;
  static R at(Qvx16s a, Qvx16s b) { return int32_t{a} - int32_t{b}; }
  static Pack<int32_t, 2> regs(const Qvx16s* a, const Qvx16s* b) {
    const Vec<int16_t> x = load(a), y = load(b);
    return {{simd::widen_lo(x) - simd::widen_lo(y), simd::widen_hi(x) - simd::widen_hi(y)}};
  }
};
struct Diff32S {
  using R = Qvx32s;
  static constexpr int kStep = simd::kLanes<int32_t>;
  static R at(Qvx32s a, Qvx32s b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
  }
  static Pack<int32_t, 1> regs(const Qvx32s* a, const Qvx32s* b) {
    return {{as<int32_t>(as<uint32_t>(load(a)) - as<uint32_t>(load(b)))}};
  }
};
template <class T>
struct DiffRounded {
  using R = T;
  static constexpr int kStep = simd::kLanes<T>;
  static R at(T a, T b) { return a - b; }
  static Vec<T> regs(const T* a, const T* b) { return load(a) - load(b); }
};

template <class D, class T>
inline QvxStatus min_max_diff(const T* src1, const T* src2, int len, typename D::R* min,
                              typename D::R* max) {
  const Pair<typename D::R> e = extremes_of<true, true, typename D::R, D::kStep>(
      len, [=](int i) { return D::regs(src1 + i, src2 + i); },
      [=](int i) { return D::at(get(src1 + i), get(src2 + i)); });
  *min = e.lo.best;
  *max = e.hi.best;
  return QVX_STS_NO_ERR;
}

}  // namespace

// Max, Min and MinMax: an operation's row for each element type.
#define QVX_MAX(Sfx, T)                                                     \
  QVX_DEFINE(QvxStatus, Vector_Max_##Sfx, (const T* src, int len, T* max)) { \
    return max_of(src, len, max);                                           \
  }
#define QVX_MIN(Sfx, T)                                                     \
  QVX_DEFINE(QvxStatus, Vector_Min_##Sfx, (const T* src, int len, T* min)) { \
    return min_of(src, len, min);                                           \
  }
#define QVX_MIN_MAX(Sfx, T)                                                             \
  QVX_DEFINE(QvxStatus, Vector_MinMax_##Sfx, (const T* src, int len, T* min, T* max)) { \
    return min_max_of(src, len, min, max);                                              \
  }

QVX_EACH_ORDERED(QVX_MAX)
QVX_EACH_ORDERED(QVX_MIN)
QVX_EACH_ORDERED(QVX_MIN_MAX)

// ---- MinMaxDiff (16U is a second name of 16S: its elements are read as signed) ----
QVX_DEFINE(QvxStatus, Vector_MinMaxDiff_8U,
           (const Qvx8u* src1, const Qvx8u* src2, int len, Qvx32s* min, Qvx32s* max)) {
  return min_max_diff<Diff8U>(src1, src2, len, min, max);
}
QVX_DEFINE(QvxStatus, Vector_MinMaxDiff_16S,
           (const Qvx16s* src1, const Qvx16s* src2, int len, Qvx32s* min, Qvx32s* max)) {
  return min_max_diff<Diff16S>(src1, src2, len, min, max);
}
QVX_SECOND_NAME(Vector_MinMaxDiff_16S, Vector_MinMaxDiff_16U);
QVX_DEFINE(QvxStatus, Vector_MinMaxDiff_32S,
           (const Qvx32s* src1, const Qvx32s* src2, int len, Qvx32s* min, Qvx32s* max)) {
  return min_max_diff<Diff32S>(src1, src2, len, min, max);
}
QVX_DEFINE(QvxStatus, Vector_MinMaxDiff_32F,
           (const Qvx32f* src1, const Qvx32f* src2, int len, Qvx32f* min, Qvx32f* max)) {
  return min_max_diff<DiffRounded<Qvx32f>>(src1, src2, len, min, max);
}
QVX_DEFINE(QvxStatus, Vector_MinMaxDiff_64F,
           (const Qvx64f* src1, const Qvx64f* src2, int len, Qvx64f* min, Qvx64f* max)) {
  return min_max_diff<DiffRounded<Qvx64f>>(src1, src2, len, min, max);
}
