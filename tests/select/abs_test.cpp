// Absolute values and differences, every member against an exact model (64-bit integers,
// one rounded subtraction): the wrap of Abs at the most negative integer, the saturation of
// AbsDiff_16S, the modulo-2^32 magnitude of AbsDiff_32S, exact unsigned differences,
// sign-bit clearing for floats (NaN payloads kept).
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>

#include <cmath>
#include <limits>

#include "select_check.h"

namespace {

using namespace qvxt;
using namespace select_test;

template <class T>
T sign_cleared(T v) {
  if constexpr (sizeof(T) == 4)
    return f32_bits(bits_of(v) & 0x7FFFFFFFu);
  else
    return f64_bits(bits_of(v) & 0x7FFFFFFFFFFFFFFFull);
}

// The exact magnitude in 64 bits, stored modulo 2^width (which changes only the most
// negative value of Abs and magnitudes of 2^31 and more of AbsDiff_32S).
template <class T>
T modular(int64_t m) {
  return static_cast<T>(static_cast<std::make_unsigned_t<T>>(static_cast<uint64_t>(m)));
}
template <class T>
T abs_model(T x) {
  if constexpr (std::is_floating_point<T>::value)
    return sign_cleared(x);
  else
    return modular<T>(std::llabs(static_cast<int64_t>(x)));
}
template <class T>
T abs_diff_model(T a, T b) {
  if constexpr (std::is_floating_point<T>::value) {
    return sign_cleared(static_cast<T>(a - b));
  } else {
    const int64_t m = std::llabs(static_cast<int64_t>(a) - static_cast<int64_t>(b));
    if (std::is_same<T, Qvx16s>::value) return static_cast<T>(m > 32767 ? 32767 : m);
    return modular<T>(m);
  }
}

template <class T>
void abs_sweep(const char* name, QvxStatus (*fn)(const T*, T*, int)) {
  // A unary call seen as a two-source one whose second source is ignored.
  const auto model = [](T a, T) { return abs_model(a); };
  binary_sweep<T>(
      name, [fn](const T* a, const T*, T* d, int n) { return fn(a, d, n); }, model,
      [](Rng&, T a) { return a; });
}

// b: random, equal to a, or a's neighbour.
template <class T>
T near(Rng& rng, T a) {
  switch (rng() % 4) {
    case 0:
      return a;
    case 1:
      if constexpr (std::is_floating_point<T>::value)
        return a + T(1);
      else
        return static_cast<T>(static_cast<int64_t>(a) + 1);
    default:
      return random_value<T>(rng);
  }
}

template <class T>
void diff_sweep(const char* name, QvxStatus (*fn)(const T*, const T*, T*, int)) {
  binary_sweep<T>(name, fn, abs_diff_model<T>, near<T>);
}

TEST(AbsModel, EveryMember) {
  abs_sweep("Abs_16S", qvx_Vector_Abs_16S);
  abs_sweep("Abs_32S", qvx_Vector_Abs_32S);
  abs_sweep("Abs_32F", qvx_Vector_Abs_32F);
  abs_sweep("Abs_64F", qvx_Vector_Abs_64F);
  diff_sweep("AbsDiff_8U", qvx_Vector_AbsDiff_8U);
  diff_sweep("AbsDiff_16U", qvx_Vector_AbsDiff_16U);
  diff_sweep("AbsDiff_16S", qvx_Vector_AbsDiff_16S);
  diff_sweep("AbsDiff_32S", qvx_Vector_AbsDiff_32S);
  diff_sweep("AbsDiff_32F", qvx_Vector_AbsDiff_32F);
  diff_sweep("AbsDiff_64F", qvx_Vector_AbsDiff_64F);
}

}  // namespace
