// Set: fill a vector with one value, stored as its bit pattern.
#include <string.h>

#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"

namespace {

using namespace qvx;

// Real 16-, 32- and 64-bit fills store 16-byte blocks of the replicated pattern, then the
// tail element by element.
template <class T>
inline void fill_blocks(T val, T* dst, int len, simd::V pattern) {
  constexpr int kPerBlock = 16 / sizeof(T);
  run<kPerBlock>(
      len, true, [&](int i) { simd::store(dst + i, pattern); }, [&](int i) { dst[i] = val; });
}

// The complex fills store whole elements, eight per iteration.
template <class T>
inline void fill_elements(T val, T* dst, int len) {
  int i = 0;
  for (; len - i >= 8; i += 8) {
    for (int k = 0; k < 8; ++k) dst[i + k] = val;
  }
  for (; i < len; ++i) dst[i] = val;
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_Set_8U, (Qvx8u val, Qvx8u* dst, int len)) {
  if (len < 1) return QVX_STS_NO_ERR;
  memset(dst, val, static_cast<size_t>(len));
  return QVX_STS_NO_ERR;
}

QVX_DEFINE(QvxStatus, Vector_Set_16S, (Qvx16s val, Qvx16s* dst, int len)) {
  if (len < 1) return QVX_STS_NO_ERR;
  fill_blocks(val, dst, len, _mm_set1_epi16(val));
  return QVX_STS_NO_ERR;
}

QVX_DEFINE(QvxStatus, Vector_Set_32S, (Qvx32s val, Qvx32s* dst, int len)) {
  if (len < 1) return QVX_STS_NO_ERR;
  fill_blocks(val, dst, len, _mm_set1_epi32(val));
  return QVX_STS_NO_ERR;
}

QVX_DEFINE(QvxStatus, Vector_Set_32F, (Qvx32f val, Qvx32f* dst, int len)) {
  Qvx32s bits;
  memcpy(&bits, &val, sizeof bits);
  return __qvx_Vector_Set_32S(bits, reinterpret_cast<Qvx32s*>(dst), len);
}

QVX_DEFINE(QvxStatus, Vector_Set_64F, (Qvx64f val, Qvx64f* dst, int len)) {
  if (len < 1) return QVX_STS_NO_ERR;
  Qvx64s bits;
  memcpy(&bits, &val, sizeof bits);
  fill_blocks(bits, reinterpret_cast<Qvx64s*>(dst), len, _mm_set1_epi64x(bits));
  return QVX_STS_NO_ERR;
}

QVX_DEFINE(QvxStatus, Vector_Set_16SC, (Qvx16sc val, Qvx16sc* dst, int len)) {
  if (len < 1) return QVX_STS_NO_ERR;
  fill_elements(val, dst, len);
  return QVX_STS_NO_ERR;
}

QVX_DEFINE(QvxStatus, Vector_Set_32FC, (Qvx32fc val, Qvx32fc* dst, int len)) {
  if (len < 1) return QVX_STS_NO_ERR;
  fill_elements(val, dst, len);
  return QVX_STS_NO_ERR;
}

QVX_DEFINE(QvxStatus, Vector_Set_64FC, (Qvx64fc val, Qvx64fc* dst, int len)) {
  if (len < 1) return QVX_STS_NO_ERR;
  fill_elements(val, dst, len);
  return QVX_STS_NO_ERR;
}
