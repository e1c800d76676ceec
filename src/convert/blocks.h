// Pieces shared by the conversions: a block of elements of one integer type as registers of
// wider lanes (widened on load), and back (narrowed with saturation on store).
#ifndef QVX_CONVERT_BLOCKS_H
#define QVX_CONVERT_BLOCKS_H

#include <stdint.h>

#include <type_traits>

#include "core/loops.h"
#include "qvx_vector.h"

namespace qvx {
namespace cvt {

using simd::Vec;

// A block of W elements of T as K registers (K = 1: a lone register).
template <class T, int W>
inline Pack<T, W / kLanes<T>> as_pack(const Block<T, W>& b) {
  if constexpr (W == kLanes<T>) {
    return {{b}};
  } else {
    return b;
  }
}
template <class T, int W>
inline Block<T, W> from_pack(const Pack<T, W / kLanes<T>>& p) {
  if constexpr (W == kLanes<T>) {
    return p.v[0];
  } else {
    return p;
  }
}

// Registers of From into registers of To, of the same or twice the width per step: the same
// bits (a 16U value in a 16-bit lane keeps its bits; the kernels read it as unsigned), or
// each register widened (sign- or zero-extended by From) into two.
template <class To, class From, int K>
inline auto widen(const Pack<From, K>& p) {
  if constexpr (sizeof(To) == sizeof(From)) {
    Pack<To, K> r;
    for (int k = 0; k < K; ++k) r.v[k] = simd::as<To>(p.v[k]);
    return r;
  } else {
    using Next = simd::wider_t<From>;
    Pack<Next, 2 * K> r;
    for (int k = 0; k < K; ++k) {
      r.v[2 * k] = simd::widen_lo(p.v[k]);
      r.v[2 * k + 1] = simd::widen_hi(p.v[k]);
    }
    return widen<To>(r);
  }
}

// Registers of signed 16- or 32-bit lanes into registers of D, each lane saturated to D (a
// 16-bit lane that holds a 16U value is taken as its bits).
template <class D, class L, int K>
inline auto narrow(const Pack<L, K>& p) {
  if constexpr (sizeof(D) == sizeof(L)) {
    Pack<D, K> r;
    for (int k = 0; k < K; ++k) r.v[k] = simd::as<D>(p.v[k]);
    return r;
  } else if constexpr (sizeof(D) * 2 == sizeof(L)) {
    Pack<D, K / 2> r;
    for (int k = 0; k < K / 2; ++k) r.v[k] = simd::narrow<D>(p.v[2 * k], p.v[2 * k + 1]);
    return r;
  } else {  // 32-bit lanes into 8 bits: through 16-bit lanes, saturating at each step
    return narrow<D>(narrow<int16_t>(p));
  }
}

}  // namespace cvt
}  // namespace qvx

#endif
