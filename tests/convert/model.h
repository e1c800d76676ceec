// Exact models of the conversions, shared by the conversion tests and the differential fuzzer:
// integer to integer in exact integer arithmetic, and every conversion involving floating
// point in its working precision P.  No gtest here, so that the fuzzer can use it.
#ifndef QVX_TEST_CONVERT_MODEL_H
#define QVX_TEST_CONVERT_MODEL_H

#include <stdint.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "support/data.h"

namespace cvtt {

using T8U = Qvx8u; using T8S = Qvx8s; using T16U = Qvx16u; using T16S = Qvx16s;
using T32S = Qvx32s; using T32F = Qvx32f; using T64F = Qvx64f;

// Every integer pair with its zero-fill threshold L, source type first.
// clang-format off
#define QVXT_INT_PAIRS(X)                                           \
  X(8U, 8S, -7)   X(8U, 16U, -7)  X(8U, 16S, -7)   X(8U, 32S, -7)   \
  X(8S, 8U, -6)   X(8S, 16U, -6)  X(8S, 16S, -7)   X(8S, 32S, -7)   \
  X(16U, 8U, -15) X(16U, 8S, -15) X(16U, 16S, -15) X(16U, 32S, -15) \
  X(16S, 8U, -15) X(16S, 8S, -15) X(16S, 16U, -14) X(16S, 32S, -15) \
  X(32S, 8U, -30) X(32S, 8S, -31) X(32S, 16U, -30) X(32S, 16S, -31)

// Every conversion involving floating point with its working precision (F single, D double).
#define QVXT_FLOAT_MEMBERS(X)                                                             \
  X(8U, 32F, F)  X(8S, 32F, F)  X(16U, 32F, F)  X(16S, 32F, F)  X(32S, 32F, F)             \
  X(8U, 64F, D)  X(8S, 64F, D)  X(16U, 64F, D)  X(16S, 64F, D)  X(32S, 64F, D)             \
  X(32F, 8U, F)  X(32F, 8S, D)  X(32F, 16U, F)  X(32F, 16S, F)  X(32F, 32S, F)             \
  X(64F, 8U, D)  X(64F, 8S, D)  X(64F, 16U, D)  X(64F, 16S, D)  X(64F, 32S, D)             \
  X(32F, 64F, D) X(64F, 32F, D)
// clang-format on

// x * 2^sf exactly, rounded toward minus infinity, clamped to D; 0 below L.
template <class D>
D int_model(int64_t x, int sf, int L) {
  using Lim = std::numeric_limits<D>;
  if (sf < L) return 0;
  const __int128 v = sf >= 0 ? x * (static_cast<__int128>(1) << std::min(sf, 64))
                             : x >> std::min(-int64_t{sf}, int64_t{63});  // arithmetic: floor
  return static_cast<D>(std::clamp<__int128>(v, Lim::min(), Lim::max()));
}

// The factor: the sign bit and exponent field (9 or 12 bits) hold sf + bias modulo their
// width, the fraction is 0.  Exponent field 0 is a zero, all ones an infinity.
template <class P>
P factor(int sf) {
  constexpr int bias = std::numeric_limits<P>::max_exponent - 1, m = 4 * (bias + 1);
  const int e = static_cast<int>(((int64_t{sf} + bias) % m + m) % m), ex = e % (m / 2);
  const P mag = ex == 0 ? P(0) : ex == m / 2 - 1 ? std::numeric_limits<P>::infinity()
                                                 : std::ldexp(P(1), ex - bias);
  return e >= m / 2 ? -mag : mag;
}

// Per member: the working precision P, then the destination.
template <class P, class D>
struct FloatModel {
  template <class S>
  D operator()(S x, int sf) const {
    const P t = static_cast<P>(x) * factor<P>(sf);
    if constexpr (std::is_integral<D>::value) return qvxt::saturating_store<D>(t);
    else return static_cast<D>(t);
  }
};

}  // namespace cvtt

#endif
