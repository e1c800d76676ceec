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

// A source read into registers of the wider lanes L, widened as it is loaded (integers into
// 16- or 32-bit lanes, singles and int32 into doubles): a kind of array for map() whose
// blocks are Pack<L, W / kLanes<L>>.
template <class S, class L>
struct InWide {
  const S* p;
  static constexpr int kWidth = kLanes<S>;
  static constexpr bool kMaskable = true;
  int spans(Span* s) const {
    s[0] = {p, sizeof(S)};
    return 1;
  }
  S at(int i) const { return get(p + i); }
  template <int W>
  Pack<L, W / kLanes<L>> vat(int i) const {
    if constexpr (!simd::isa::kWidenOnLoad && !std::is_floating_point<L>::value) {
      return widen<L>(as_pack<S, W>(blocks::load<S, W>(p + i)));
    }
    Pack<L, W / kLanes<L>> r;
    for (int k = 0; k < W / kLanes<L>; ++k) {
      const S* q = p + i + k * kLanes<L>;
      if constexpr (sizeof(S) == sizeof(L)) {
        r.v[k] = simd::as<L>(simd::load(q));
      } else if constexpr (std::is_floating_point<L>::value) {
        r.v[k] = simd::load_widen<L>(q);
      } else {
        r.v[k] = simd::as<L>(simd::load_widen<simd::sint_t<L>>(q));
      }
    }
    return r;
  }
  template <int W>
  Pack<L, W / kLanes<L>> vat_first(int i, int n) const {
    const auto b = as_pack<S, W>(blocks::load_first<S, W>(p + i, n));
    if constexpr (std::is_floating_point<L>::value) {
      Pack<L, W / kLanes<L>> r;
      for (int k = 0; k < W / kLanes<S>; ++k) {
        r.v[2 * k] = simd::to_double_lo(b.v[k]);
        r.v[2 * k + 1] = simd::to_double_hi(b.v[k]);
      }
      return r;
    } else {
      return widen<L>(b);
    }
  }
};

}  // namespace cvt
}  // namespace qvx

#endif
