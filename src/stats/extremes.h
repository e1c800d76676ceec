// The running extremes of a single pass in index order: a running maximum (minimum) starts
// at the lowest (highest) value of its result type, finite for floating point, and is
// replaced only by a value strictly greater (smaller) under an ordered comparison, which
// NaN never passes and an equal value (+0.0 against -0.0 included) never passes either; its
// index starts at 0 and follows each replacement.
#ifndef QVX_STATS_EXTREMES_H
#define QVX_STATS_EXTREMES_H

#include <stdint.h>

#include "qvx_vector.h"

namespace qvx {
namespace stats {

// Start values per result type: of a maximum (also an empty Max), of a minimum.
template <class R>
struct Start;
template <>
struct Start<Qvx8u> {
  static constexpr Qvx8u of_max = 0, of_min = 255;
};
template <>
struct Start<Qvx16u> {
  static constexpr Qvx16u of_max = 0, of_min = 65535;
};
template <>
struct Start<Qvx16s> {
  static constexpr Qvx16s of_max = -32768, of_min = 32767;
};
template <>
struct Start<Qvx32s> {
  static constexpr Qvx32s of_max = INT32_MIN, of_min = INT32_MAX;
};
template <>
struct Start<Qvx32f> {
  static constexpr Qvx32f of_max = -3.4028234663852886e38f, of_min = 3.4028234663852886e38f;
};
template <>
struct Start<Qvx64f> {
  static constexpr Qvx64f of_max = -1.7976931348623157e308, of_min = 1.7976931348623157e308;
};

struct Greater {
  template <class R>
  static bool beats(R x, R best) { return x > best; }
  template <class R>
  static constexpr R start() { return Start<R>::of_max; }
};
struct Less {
  template <class R>
  static bool beats(R x, R best) { return x < best; }
  template <class R>
  static constexpr R start() { return Start<R>::of_min; }
};

template <class R, class Cmp>
struct Running {
  R best = Cmp::template start<R>();
  int at = 0;
  void see(R x, int i) {
    if (Cmp::beats(x, best)) {
      best = x;
      at = i;
    }
  }
};

// One pass over value(i), i = 0 .. len - 1, shown to every running extreme in turn.
template <class R, class Value, class... Run>
inline void scan(int len, Value value, Run&... run) {
  for (int i = 0; i < len; ++i) {
    const R x = value(i);
    (run.see(x, i), ...);
  }
}

}  // namespace stats
}  // namespace qvx

#endif
