// Byte order reversed inside each 16-, 32- or 64-bit element.
#include <stdint.h>

#include "core/export.h"
#include "core/loops.h"

namespace {

using namespace qvx;

inline uint16_t swapped(uint16_t x) { return static_cast<uint16_t>((x << 8) | (x >> 8)); }
inline uint32_t swapped(uint32_t x) { return __builtin_bswap32(x); }
inline uint64_t swapped(uint64_t x) { return __builtin_bswap64(x); }

// U: the unsigned type of the element's width (the data are bit patterns).
template <class U, class T>
inline QvxStatus swap_bytes(const T* src, T* dst, int len) {
  static_assert(sizeof(U) == sizeof(T), "element width");
  map(len, Out<U>{reinterpret_cast<U*>(dst)},
      rule([](U x) { return swapped(x); }, [](Vec<U> x) { return simd::swap_bytes(x); }),
      In<U>{reinterpret_cast<const U*>(src)});
  return QVX_STS_NO_ERR;
}

}  // namespace

#define QVX_SWAP_BYTE(Sfx, T)                                                         \
  QVX_DEFINE(QvxStatus, Vector_SwapByte_##Sfx, (const T* src, T* dst, int len)) {     \
    return swap_bytes<simd::uint_t<T>>(src, dst, len);                                \
  }
QVX_SWAP_BYTE(16S, Qvx16s)
QVX_SWAP_BYTE(32S, Qvx32s)
QVX_SWAP_BYTE(64S, Qvx64s)
