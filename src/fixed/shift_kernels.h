// The lane kernels of the scale rule: shifts of every lane of a register by one count per
// call, for 8U, 16U, 16S and 32S lanes.  Each kernel is built once per call (the count and
// its constants in registers) and applied to every block; the count comes from a register,
// so one kernel serves every scale factor.
#ifndef QVX_FIXED_SHIFT_KERNELS_H
#define QVX_FIXED_SHIFT_KERNELS_H

#include <stdint.h>

#include "core/simd.h"

namespace qvx {
namespace fixed {

using simd::Vec;

// floor(x / 2^n) for n = 1 .. the lane width - 1: logical for unsigned lanes (bits shifted in
// are 0), arithmetic (rounding toward minus infinity) for signed ones.  8-bit lanes shift as
// 16-bit lanes and drop the bits that crossed in from the neighbouring byte.
template <class T>
struct Shr {
  int n;
  explicit Shr(int count) : n(count) {}
  Vec<T> operator()(Vec<T> x) const { return x >> n; }
};
template <>
struct Shr<uint8_t> {
  int n;
  Vec<uint8_t> keep;
  explicit Shr(int count) : n(count), keep(simd::splat<uint8_t>(static_cast<uint8_t>(0xFF >> count))) {}
  Vec<uint8_t> operator()(Vec<uint8_t> x) const {
    return simd::as<uint8_t>(simd::as<uint16_t>(x) >> n) & keep;
  }
};

// x * 2^s clamped to the lane's range, for s = 1 .. H of the lane type (8U 8, 16U 16, 16S 15,
// 32S 31).  At s = H every nonzero lane becomes the bound of its sign, which is the sign fill.
template <class T>
struct ShlSat;

template <>
struct ShlSat<uint8_t> {
  int s;
  Vec<uint8_t> keep, limit;
  explicit ShlSat(int count)
      : s(count),
        keep(simd::splat<uint8_t>(static_cast<uint8_t>(0xFF << count))),
        limit(simd::splat<uint8_t>(static_cast<uint8_t>(0xFF >> count))) {}
  Vec<uint8_t> operator()(Vec<uint8_t> x) const {
    // Lanes above 255 >> s overflow: all ones.  The others shift within their byte (as
    // 16-bit lanes, dropping the bits that crossed into the neighbour).
    const Vec<uint8_t> over = simd::as<uint8_t>(simd::subs(x, limit) != 0);
    const Vec<uint8_t> shifted = simd::as<uint8_t>(simd::as<uint16_t>(x) << s) & keep;
    return shifted | over;
  }
};

template <>
struct ShlSat<uint16_t> {
  int s;  // at most 15: at s = 16 every lane is either 0 or over, and keep is 0
  Vec<uint16_t> keep, limit;
  explicit ShlSat(int count)
      : s(count < 16 ? count : 15),
        keep(simd::splat<uint16_t>(static_cast<uint16_t>(0xFFFF << count))),
        limit(simd::splat<uint16_t>(static_cast<uint16_t>(0xFFFF >> count))) {}
  Vec<uint16_t> operator()(Vec<uint16_t> x) const {
    const Vec<uint16_t> over = simd::as<uint16_t>(simd::subs(x, limit) != 0);
    return ((x << s) & keep) | over;
  }
};

template <>
struct ShlSat<int16_t> {
  int s;
  Vec<int16_t> lo, hi, low_bits;
  explicit ShlSat(int count)
      : s(count),
        lo(simd::splat<int16_t>(static_cast<int16_t>(-32768 >> count))),
        hi(simd::splat<int16_t>(static_cast<int16_t>(32767 >> count))),
        low_bits(simd::splat<int16_t>(static_cast<int16_t>((1 << count) - 1))) {}
  Vec<int16_t> operator()(Vec<int16_t> x) const {
    // Clamped to [-32768 >> s, 32767 >> s] the shift is exact; the low end then lands on
    // -32768 itself, the high end on 32767 with its low s bits clear, which the lanes that
    // were above it get back.
    const Vec<int16_t> c = simd::vmin(simd::vmax(x, lo), hi);
    return simd::as<int16_t>(simd::as<uint16_t>(c) << s) | ((x > hi) & low_bits);
  }
};

template <>
struct ShlSat<int32_t> {
  int s;
  Vec<int32_t> lo, hi;
  explicit ShlSat(int count)
      : s(count),
        lo(simd::splat<int32_t>(static_cast<int32_t>(INT32_MIN >> count))),
        hi(simd::splat<int32_t>(INT32_MAX >> count)) {}
  Vec<int32_t> operator()(Vec<int32_t> x) const {
    const Vec<int32_t> shifted = simd::as<int32_t>(simd::as<uint32_t>(x) << s);
    return simd::select(x > hi, simd::splat<int32_t>(INT32_MAX),
                        simd::select(x < lo, simd::splat<int32_t>(INT32_MIN), shifted));
  }
};

}  // namespace fixed
}  // namespace qvx

#endif
