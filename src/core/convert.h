// Storing a floating-point value into an integer type: truncation toward zero, saturation to
// the destination range, and the x86 result for NaN.
#ifndef QVX_CORE_CONVERT_H
#define QVX_CORE_CONVERT_H

#include <stdint.h>

#include <limits>

#include "core/simd/target.h"

namespace qvx {

// The processor's truncating conversion: the value truncated toward zero when it fits a
// signed 32-bit integer, otherwise (NaN, out of range) the integer-indefinite -2147483648.
inline int32_t cvtt_i32(double v) { return simd::isa::trunc_i32(v); }
inline int32_t cvtt_i32(float v) { return simd::isa::trunc_i32(v); }

// The truncating store without saturation into D (8U, 8S, 16U, 16S or 32S): the low bits
// of the processor's conversion, so that NaN and values outside the signed 32-bit range
// store the low bits of -2147483648 (0 for the 8- and 16-bit types).
template <class D>
inline D wrap_trunc(double t) {
  static_assert(sizeof(D) <= 4, "integer destinations of at most 32 bits");
  return static_cast<D>(static_cast<uint32_t>(cvtt_i32(t)));
}

// Saturating truncation into D (8U, 8S, 16U, 16S or 32S): above the range gives its maximum,
// below gives its minimum (the comparisons are made in double precision, so a single
// 2147483648.0 compares above 2147483647), otherwise the value truncated toward zero.  A NaN
// fails both comparisons and stores the low bits of -2147483648: 0 for the 8- and 16-bit
// types, -2147483648 for 32S.
template <class D>
inline D saturate_trunc(double t) {
  static_assert(sizeof(D) <= 4, "integer destinations of at most 32 bits");
  const double hi = static_cast<double>(std::numeric_limits<D>::max());
  const double lo = static_cast<double>(std::numeric_limits<D>::min());
  if (t > hi) return std::numeric_limits<D>::max();
  if (t < lo) return std::numeric_limits<D>::min();
  return wrap_trunc<D>(t);
}

}  // namespace qvx

#endif
