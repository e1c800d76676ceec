// Test data: random values with the special values of each type mixed in, and bit-exact
// comparison of results.
#ifndef QVX_TEST_DATA_H
#define QVX_TEST_DATA_H

#include <gtest/gtest.h>
#include <stdint.h>
#include <string.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "qvx_vector.h"

namespace qvxt {

using Rng = std::mt19937_64;

// The scalar part type of an element type (the type itself for real types).
template <class T> struct Part { using type = T; };
template <> struct Part<Qvx16sc> { using type = Qvx16s; };
template <> struct Part<Qvx32fc> { using type = Qvx32f; };
template <> struct Part<Qvx64fc> { using type = Qvx64f; };
template <class T> using part_t = typename Part<T>::type;
template <class T> constexpr size_t parts() { return sizeof(T) / sizeof(part_t<T>); }

constexpr float kInfF = std::numeric_limits<float>::infinity();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr float kNanF = std::numeric_limits<float>::quiet_NaN();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// A value stored into an integer type as the library's float-to-integer stores do:
// saturated at the bounds (ordered comparisons), a NaN as the low bits of the 32-bit integer
// indefinite -2147483648, anything else truncated toward zero.
template <class D>
D saturating_store(double t) {
  using L = std::numeric_limits<D>;
  if (t > static_cast<double>(L::max())) return L::max();
  if (t < static_cast<double>(L::min())) return L::min();
  if (std::isnan(t)) return static_cast<D>(static_cast<uint32_t>(INT32_MIN));
  return static_cast<D>(std::trunc(t));
}

// Floating-point values read from bit patterns, and back.
inline float f32_bits(uint32_t b) { float f; memcpy(&f, &b, 4); return f; }
inline double f64_bits(uint64_t b) { double d; memcpy(&d, &b, 8); return d; }
inline uint32_t bits_of(float f) { uint32_t b; memcpy(&b, &f, 4); return b; }
inline uint64_t bits_of(double d) { uint64_t b; memcpy(&b, &d, 8); return b; }

// One random scalar: a third uniform over every bit pattern, a third small magnitudes,
// a third the special values of the type (bounds, zeros, NaNs with payloads, infinities,
// denormals, values on both sides of the integer ranges).
template <class T>
T random_scalar(Rng& rng) {
  static_assert(std::is_arithmetic<T>::value, "scalar types only");
  const unsigned pick = rng() % 3;
  if constexpr (std::is_integral<T>::value) {
    using L = std::numeric_limits<T>;
    if (pick == 0) return static_cast<T>(rng());
    if (pick == 1) return static_cast<T>(static_cast<int64_t>(rng() % 601) - (L::is_signed ? 300 : 0));
    const T specials[] = {L::min(), L::max(), T(0), T(1), static_cast<T>(L::min() + 1),
                          static_cast<T>(L::max() - 1), static_cast<T>(-1), T(2), T(127), T(128)};
    return specials[rng() % (sizeof specials / sizeof specials[0])];
  } else {
    using L = std::numeric_limits<T>;
    if (pick == 0) {
      if constexpr (sizeof(T) == 4) return f32_bits(static_cast<uint32_t>(rng()));
      else return f64_bits(rng());
    }
    if (pick == 1) {
      // The exponent drawn before the digits, in statements of their own: the order of a
      // call's arguments is the compiler's (GCC takes them right to left on x86-64 and left
      // to right on ARM), and the digests must see the same data on every processor.
      const int exponent = static_cast<int>(rng() % 41) - 20;
      const double mag = std::ldexp(static_cast<double>(rng() % 1000000) / 1000.0, exponent);
      return static_cast<T>(rng() & 1 ? -mag : mag);
    }
    const T specials[] = {T(0), -T(0), L::infinity(), -L::infinity(), L::quiet_NaN(),
                          -L::quiet_NaN(), L::signaling_NaN(), L::max(), L::lowest(),
                          L::min(), L::denorm_min(), -L::denorm_min(), T(1), T(-1), T(0.5),
                          T(-0.5), T(2.5), T(-1.5), T(255.5), T(256), T(-128.5), T(32767.5),
                          T(-32768.5), T(65535.75), T(2147483520.0), T(2147483648.0),
                          T(-2147483904.0), T(1e20), T(-1e-20), T(1.0 / 3.0)};
    T v = specials[rng() % (sizeof specials / sizeof specials[0])];
    if (std::isnan(v) && (rng() & 1)) {
      // A NaN with a random payload, quiet or signalling.
      if constexpr (sizeof(T) == 4) {
        uint32_t b = bits_of(v) | (static_cast<uint32_t>(rng()) & 0x3FFFFFu) | 1u;
        v = f32_bits(b);
      } else {
        uint64_t b = bits_of(v) | (rng() & 0x7FFFFFFFFFFFFull) | 1u;
        v = f64_bits(b);
      }
    }
    return v;
  }
}

// A random element of any element type (complex: random parts).
template <class T>
T random_value(Rng& rng) {
  T v;
  part_t<T> p[parts<T>()];
  for (auto& x : p) x = random_scalar<part_t<T>>(rng);
  memcpy(&v, p, sizeof v);
  return v;
}

template <class T>
void fill_random(T* dst, size_t n, Rng& rng) {
  for (size_t i = 0; i < n; ++i) dst[i] = random_value<T>(rng);
}

// How float results are compared: every bit, or with any NaN equal to any other NaN (for
// operations whose NaN payload the processor chooses from one of several NaN operands).
enum class Nan { Payload, Any };

template <class P>
bool same_scalar(P a, P b, Nan nan) {
  if constexpr (std::is_floating_point<P>::value) {
    if (nan == Nan::Any && std::isnan(a) && std::isnan(b)) return true;
  }
  return memcmp(&a, &b, sizeof a) == 0;
}

template <class P>
std::string show_scalar(P v) {
  std::ostringstream os;
  if constexpr (std::is_floating_point<P>::value) {
    os.precision(std::numeric_limits<P>::max_digits10);
    os << v << " [0x" << std::hex << bits_of(v) << "]";
  } else {
    os << static_cast<int64_t>(v);
  }
  return os.str();
}

// Element-by-element comparison of n elements (`free`: one flag per scalar, where set any
// NaN matches any NaN); on a mismatch, the first differing element with both values.
template <class T>
::testing::AssertionResult same_elements(const T* got, const T* want, size_t n,
                                         Nan nan = Nan::Payload,
                                         const std::vector<char>* free = nullptr) {
  using P = part_t<T>;
  const P* g = reinterpret_cast<const P*>(got);
  const P* w = reinterpret_cast<const P*>(want);
  for (size_t i = 0; i < n * parts<T>(); ++i) {
    if (!same_scalar(g[i], w[i], free != nullptr && (*free)[i] ? Nan::Any : nan)) {
      return ::testing::AssertionFailure()
             << "element " << i / parts<T>() << (parts<T>() > 1 ? (i % 2 ? " (im)" : " (re)") : "")
             << ": got " << show_scalar(g[i]) << ", want " << show_scalar(w[i]);
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace qvxt

#endif
