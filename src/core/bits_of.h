// Elements handled as unsigned bit patterns of their width (copies, arrangements, look-ups).
#ifndef QVX_CORE_BITS_OF_H
#define QVX_CORE_BITS_OF_H

#include "core/simd.h"

namespace qvx {

// The unsigned integer type of an element's width: floating-point elements are moved
// through it, so that no value is ever loaded into a floating-point register.
template <class T>
using bits_t = simd::uint_t<T>;

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
