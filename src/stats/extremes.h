// The running extremes of a single pass in index order: a running maximum (minimum) starts
// at the lowest (highest) value of its result type, finite for floating point, and is
// replaced only by a value strictly greater (smaller) under an ordered comparison, which
// NaN never passes and an equal value (+0.0 against -0.0 included) never passes either; its
// index starts at 0 and follows each replacement.
//
// Two vector paths give the same results:
//  - Integer values (not indexes): the extreme of a set of integers does not depend on the
//    order, so lanes keep extremes of their own elements and are folded at the end.
//  - Floating-point values and every index: the data go in chunks; lanes find each chunk's
//    extreme (a lane is replaced only by a strictly better element, so NaN never enters),
//    and the running extreme moves to a chunk only when the chunk's extreme is strictly
//    better.  The chunk where the final extreme was first reached is then searched from
//    its start for the first element equal to it: that is the element the sequential pass
//    keeps (its index, and its sign where the extreme is a zero).
#ifndef QVX_STATS_EXTREMES_H
#define QVX_STATS_EXTREMES_H

#include <stdint.h>

#include <limits>
#include <type_traits>

#include "core/loops.h"
#include "core/simd.h"
#include "qvx_vector.h"
#include "stats/reduce.h"

namespace qvx {
namespace stats {

using simd::Vec;

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

// The comparison of a running maximum and of a running minimum.  In registers they are
// simd::vmax(x, best) and simd::vmin(x, best), which keep the second operand on ties and
// NaN: a lane is replaced only by a strictly better element.
struct Greater {
  template <class R>
  static bool beats(R x, R best) { return x > best; }
  template <class R>
  static constexpr R start() { return Start<R>::of_max; }
  // Below every value of the lane type: where lanes of a narrower type than R start.
  template <class L>
  static constexpr L identity() { return std::numeric_limits<L>::lowest(); }
};
struct Less {
  template <class R>
  static bool beats(R x, R best) { return x < best; }
  template <class R>
  static constexpr R start() { return Start<R>::of_min; }
  template <class L>
  static constexpr L identity() { return std::numeric_limits<L>::max(); }
};

template <class R, class C>
struct Running {
  using Cmp = C;
  R best = Cmp::template start<R>();
  int at = 0;
  void see(R x, int i) {
    if (Cmp::beats(x, best)) {
      best = x;
      at = i;
    }
  }
};

// Register minimum and maximum, for folding lanes (NaN never reaches a lane).
constexpr auto kMin = [](auto a, auto b) { return simd::vmin(a, b); };
constexpr auto kMax = [](auto a, auto b) { return simd::vmax(a, b); };

// Which running extremes a pass keeps: the minimum, the maximum, or both.
template <class R>
struct Pair {
  Running<R, Less> lo;
  Running<R, Greater> hi;
};

// ---- integer values: order-insensitive lanes ---------------------------------------------

// vvalue(i) gives the values of elements i .. i + Step - 1 as a Pack of K registers of lane
// type L (which holds every value); the lane extremes are folded into the running
// extremes (their indexes are not kept), and the elements after the last whole step go
// through the sequential pass.
template <bool kLo, bool kHi, int Step, class R, class VValue, class Value>
inline void lane_extremes(int len, VValue vvalue, Value value, Pair<R>& e) {
  using P = decltype(vvalue(0));
  using L = simd::lane_t<decltype(P().v[0])>;
  constexpr int K = sizeof(P().v) / sizeof(P().v[0]);
  int i = 0;
  if constexpr (kSimd) {
    if (len >= Step) {
      // Two registers per register of a step, for the latency of the comparisons.
      Vec<L> lo[2][K], hi[2][K];
      const Vec<L> lo0 = simd::splat(Less::identity<L>()), hi0 = simd::splat(Greater::identity<L>());
      for (int k = 0; k < K; ++k) {
        lo[0][k] = lo[1][k] = lo0;
        hi[0][k] = hi[1][k] = hi0;
      }
      const auto see = [&](int a, const Pack<L, K>& x) {
        for (int k = 0; k < K; ++k) {
          if constexpr (kLo) lo[a][k] = simd::vmin(x.v[k], lo[a][k]);
          if constexpr (kHi) hi[a][k] = simd::vmax(x.v[k], hi[a][k]);
        }
      };
      for (; len - i >= 2 * Step; i += 2 * Step) {
        see(0, vvalue(i));
        see(1, vvalue(i + Step));
      }
      for (; len - i >= Step; i += Step) see(0, vvalue(i));
      Vec<L> l = simd::vmin(lo[0][0], lo[1][0]), h = simd::vmax(hi[0][0], hi[1][0]);
      for (int k = 1; k < K; ++k) {
        l = simd::vmin(l, simd::vmin(lo[0][k], lo[1][k]));
        h = simd::vmax(h, simd::vmax(hi[0][k], hi[1][k]));
      }
      if constexpr (kLo) e.lo.see(static_cast<R>(fold_lanes(l, kMin)), 0);
      if constexpr (kHi) e.hi.see(static_cast<R>(fold_lanes(h, kMax)), 0);
    }
  }
  for (; i < len; ++i) {
    const R x = value(i);
    if constexpr (kLo) e.lo.see(x, i);
    if constexpr (kHi) e.hi.see(x, i);
  }
}

// ---- floating-point values and indexes: chunks and a search ------------------------------

// A running extreme kept per chunk: its value, and the first element of the chunk where it
// was reached (-1: still the start value).
template <class R, class C>
struct ChunkBest {
  using Cmp = C;
  R best = Cmp::template start<R>();
  int chunk = -1;
};
template <class R>
struct ChunkPair {
  ChunkBest<R, Less> lo;
  ChunkBest<R, Greater> hi;
};

// Registers per chunk: the search at the end reads at most one chunk again.
constexpr int kChunkRegs = 64;

// The first index in [from, to) where value(i) == x (an element of the data equals x).
template <class R, class VValue, class Value>
inline int first_equal(int from, int to, R x, VValue vvalue, Value value) {
  constexpr int W = simd::kLanes<R>;
  int i = from;
  const Vec<R> xv = simd::splat(x);
  for (; to - i >= W; i += W) {
    const uint64_t hit = simd::byte_signs(vvalue(i) == xv);
    if (hit != 0) return i + __builtin_ctzll(hit) / static_cast<int>(sizeof(R));
  }
  for (; i < to; ++i)
    if (value(i) == x) return i;
  return from;
}

// The pass over value(i) (vvalue(i): elements i .. i + W - 1 as a register of R) in chunks.
template <bool kLo, bool kHi, class R, class VValue, class Value>
inline void chunk_extremes(int len, VValue vvalue, Value value, ChunkPair<R>& e) {
  constexpr int W = simd::kLanes<R>;
  constexpr int C = kChunkRegs * W;
  const Vec<R> lo0 = simd::splat(Less::start<R>()), hi0 = simd::splat(Greater::start<R>());
  for (int c = 0, end; c < len; c = end) {
    end = len - c > C ? c + C : len;
    Vec<R> lo[4], hi[4];
    for (int k = 0; k < 4; ++k) {
      lo[k] = lo0;
      hi[k] = hi0;
    }
    const auto see = [&](int k, Vec<R> x) {
      if constexpr (kLo) lo[k] = simd::vmin(x, lo[k]);
      if constexpr (kHi) hi[k] = simd::vmax(x, hi[k]);
    };
    int i = c;
    for (; end - i >= 4 * W; i += 4 * W)
      for (int k = 0; k < 4; ++k) see(k, vvalue(i + k * W));
    for (; end - i >= W; i += W) see(0, vvalue(i));
    if constexpr (kLo) {
      R m = fold_lanes(simd::vmin(simd::vmin(lo[0], lo[1]), simd::vmin(lo[2], lo[3])), kMin);
      for (int k = i; k < end; ++k) m = simd::vmin(value(k), m);
      if (m < e.lo.best) {
        e.lo.best = m;
        e.lo.chunk = c;
      }
    }
    if constexpr (kHi) {
      R m = fold_lanes(simd::vmax(simd::vmax(hi[0], hi[1]), simd::vmax(hi[2], hi[3])), kMax);
      for (int k = i; k < end; ++k) m = simd::vmax(value(k), m);
      if (m > e.hi.best) {
        e.hi.best = m;
        e.hi.chunk = c;
      }
    }
  }
}

// Where the sequential pass leaves a running extreme, from its ChunkBest: the start value
// and index 0 if nothing beat the start value; otherwise the first element of the chunk
// equal to the extreme, whose index is the sequential pass's and whose bits are the value's
// (they differ from the extreme's only for a zero, by the sign).  Without `index` the
// search runs for a zero only.
template <class R, class Cmp, class VValue, class Value>
inline void settle(const ChunkBest<R, Cmp>& b, bool index, int len, VValue vvalue, Value value,
                   Running<R, Cmp>& r) {
  if (b.chunk < 0) return;
  r.best = b.best;
  if (!index && b.best != R(0)) return;
  const int C = kChunkRegs * simd::kLanes<R>;
  const int to = len - b.chunk > C ? b.chunk + C : len;
  r.at = first_equal(b.chunk, to, b.best, vvalue, value);
  r.best = value(r.at);
}

// The running extremes of value(i) over [0, len) by the chunked pass (or, without vector
// paths, the sequential one); with `index` false the indexes are left at 0.
template <bool kLo, bool kHi, class R, class VValue, class Value>
inline void chunked(int len, bool index, VValue vvalue, Value value, Pair<R>& e) {
  if constexpr (kSimd) {
    ChunkPair<R> c;
    chunk_extremes<kLo, kHi>(len, vvalue, value, c);
    if constexpr (kLo) settle(c.lo, index, len, vvalue, value, e.lo);
    if constexpr (kHi) settle(c.hi, index, len, vvalue, value, e.hi);
  } else {
    for (int i = 0; i < len; ++i) {
      const R x = value(i);
      if constexpr (kLo) e.lo.see(x, i);
      if constexpr (kHi) e.hi.see(x, i);
    }
  }
}

}  // namespace stats
}  // namespace qvx

#endif
