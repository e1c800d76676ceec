// The power-of-two factor 2^scaleFactor of the members that scale in floating point (the
// conversions involving floating point, and the fixed-point members that compute some of
// their results in floating point), built from its bit pattern: sign 0, biased exponent
// scaleFactor + bias, fraction 0.  Inside the exact range (-126..127 for single precision,
// -1022..1023 for double) this is 2^scaleFactor.  Outside it the same construction is kept,
// with unsigned wrap-around instead of overflow: the biased exponent is taken modulo 2^32 and
// shifted into place modulo 2^32 (single) or 2^64 (double), which gives 0.0, an infinity, a
// negative or another power of two (single: 128 gives +infinity, -127 gives 0.0, -128 gives
// -infinity, -129 gives -2^127).
#ifndef QVX_CORE_SCALE_FACTOR_H
#define QVX_CORE_SCALE_FACTOR_H

#include <stdint.h>
#include <string.h>

namespace qvx {

template <class P> P scale_factor(int scaleFactor);

template <>
inline float scale_factor<float>(int scaleFactor) {
  const uint32_t bits = (static_cast<uint32_t>(scaleFactor) + 127u) << 23;
  float f;
  memcpy(&f, &bits, sizeof f);
  return f;
}

template <>
inline double scale_factor<double>(int scaleFactor) {
  const uint64_t bits = static_cast<uint64_t>(static_cast<uint32_t>(scaleFactor) + 1023u) << 52;
  double f;
  memcpy(&f, &bits, sizeof f);
  return f;
}

}  // namespace qvx

#endif
