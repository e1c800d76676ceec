// Shared pieces of the arrangement primitives: elements handled as unsigned bit patterns of
// their width, and the test that two arrays share no byte.
#ifndef QVX_ARRANGE_BITS_OF_H
#define QVX_ARRANGE_BITS_OF_H

#include <stddef.h>
#include <stdint.h>

namespace qvx {

// The unsigned integer type of an element's width: floating-point elements are moved
// through it, so that no value is ever loaded into a floating-point register.
template <size_t Bytes> struct BitsOf;
template <> struct BitsOf<1> { typedef uint8_t type; };
template <> struct BitsOf<2> { typedef uint16_t type; };
template <> struct BitsOf<4> { typedef uint32_t type; };
template <> struct BitsOf<8> { typedef uint64_t type; };
template <class T> using bits_t = typename BitsOf<sizeof(T)>::type;

template <class T>
inline const bits_t<T>* as_bits(const T* p) { return reinterpret_cast<const bits_t<T>*>(p); }
template <class T>
inline bits_t<T>* as_bits(T* p) { return reinterpret_cast<bits_t<T>*>(p); }

// True when the byte ranges [a, a + a_bytes) and [b, b + b_bytes) do not overlap.
inline bool disjoint(const void* a, size_t a_bytes, const void* b, size_t b_bytes) {
  const uintptr_t x = reinterpret_cast<uintptr_t>(a), y = reinterpret_cast<uintptr_t>(b);
  return x >= y ? x - y >= b_bytes : y - x >= a_bytes;
}

}  // namespace qvx

#endif
