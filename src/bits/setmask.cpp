// Masked fill: one mask bit per element, 32 elements per mask word.
#include <stdint.h>

#include "core/export.h"

namespace {

// Word k of the mask governs elements 32k .. 32k+31.  LSB order gives element 32k+b bit b,
// MSB order bit 31-b; the word is consumed from its governing end by shifting, so a word
// whose remaining bits are all zero ends early.  Only ceil(len/32) words are read and the
// destination is only ever stored to.
template <bool Msb, class T>
inline QvxStatus set_mask(const Qvx32u* mask, int val, T* dst, int len) {
  if (len < 1) return QVX_STS_NO_ERR;
  const T v = static_cast<T>(val);  // the low bits of the element's width
  const uint32_t n = static_cast<uint32_t>(len);
  for (uint32_t first = 0; first < n; first += 32) {
    uint32_t m = *mask++;
    T* d = dst + first;
    const uint32_t count = n - first < 32 ? n - first : 32;
    uint32_t b = 0;
    // Eight elements per inner iteration while the word has bits left and a whole group of
    // eight lies within len.
    for (; m != 0 && count - b >= 8; b += 8) {
      for (uint32_t e = 0; e < 8; ++e) {
        if (Msb ? (m >> 31) != 0 : (m & 1u) != 0) d[b + e] = v;
        m = Msb ? m << 1 : m >> 1;
      }
    }
    for (; m != 0 && b < count; ++b) {
      if (Msb ? (m >> 31) != 0 : (m & 1u) != 0) d[b] = v;
      m = Msb ? m << 1 : m >> 1;
    }
  }
  return QVX_STS_NO_ERR;
}

}  // namespace

#define QVX_SET_MASK(Sfx, T)                                                                \
  QVX_DEFINE(QvxStatus, Vector_SetMask_LSB_##Sfx,                                           \
             (const Qvx32u* mask, int val, T* dst, int len)) {                              \
    return set_mask<false>(mask, val, dst, len);                                            \
  }                                                                                         \
  QVX_DEFINE(QvxStatus, Vector_SetMask_MSB_##Sfx,                                           \
             (const Qvx32u* mask, int val, T* dst, int len)) {                              \
    return set_mask<true>(mask, val, dst, len);                                             \
  }
QVX_SET_MASK(8U, Qvx8u)
QVX_SET_MASK(16S, Qvx16s)
QVX_SET_MASK(32S, Qvx32s)
