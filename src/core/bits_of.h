// Elements handled as unsigned bit patterns of their width (copies, arrangements, look-ups).
#ifndef QVX_CORE_BITS_OF_H
#define QVX_CORE_BITS_OF_H

#include <stddef.h>
#include <stdint.h>

namespace qvx {

// The unsigned integer type of an element's width: floating-point elements are moved
// through it, so that no value is ever loaded into a floating-point register.
template <size_t Bytes>
struct BitsOf;
template <>
struct BitsOf<1> {
  typedef uint8_t type;
};
template <>
struct BitsOf<2> {
  typedef uint16_t type;
};
template <>
struct BitsOf<4> {
  typedef uint32_t type;
};
template <>
struct BitsOf<8> {
  typedef uint64_t type;
};
template <class T>
using bits_t = typename BitsOf<sizeof(T)>::type;

template <class T>
inline const bits_t<T>* as_bits(const T* p) {
  return reinterpret_cast<const bits_t<T>*>(p);
}
template <class T>
inline bits_t<T>* as_bits(T* p) {
  return reinterpret_cast<bits_t<T>*>(p);
}

}  // namespace qvx

#endif
