// Table look-up: each source value, less an offset, indexes a caller's table.
#include <stddef.h>
#include <stdint.h>

#include "core/bits_of.h"
#include "core/export.h"

namespace {

using namespace qvx;

// v - offset in 32-bit int arithmetic (wrapping, never undefined), used with its sign.
inline ptrdiff_t index_of(int32_t v, int offset) {
  return static_cast<int32_t>(static_cast<uint32_t>(v) - static_cast<uint32_t>(offset));
}

// Runs body(i) for i = 0 .. len-1, Unroll calls per iteration of the main loop.
template <int Unroll, class Body>
inline void unrolled(int len, Body body) {
  int i = 0;
  for (; len - i >= Unroll; i += Unroll) {
    for (int k = 0; k < Unroll; ++k) body(i + k);
  }
  for (; i < len; ++i) body(i);
}

// Entries are copied as unsigned patterns of their width; 64-bit entries go four per
// iteration, narrower ones eight.
template <class S, class D>
inline QvxStatus look_up(const S* src, D* dst_d, const D* table_d, int offset, int len) {
  if (len < 1) return QVX_STS_NO_ERR;
  const bits_t<D>* table = as_bits(table_d);
  bits_t<D>* dst = as_bits(dst_d);
  unrolled<sizeof(D) == 8 ? 4 : 8>(
      len, [&](int i) { dst[i] = table[index_of(static_cast<int32_t>(src[i]), offset)]; });
  return QVX_STS_NO_ERR;
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_LookUp_8U,
           (const Qvx8u* src, Qvx8u* dst, const Qvx8u* table, int offset, int len)) {
  return look_up(src, dst, table, offset, len);
}
QVX_DEFINE(QvxStatus, Vector_LookUp_8U_16S,
           (const Qvx8u* src, Qvx16s* dst, const Qvx16s* table, int offset, int len)) {
  return look_up(src, dst, table, offset, len);
}
QVX_DEFINE(QvxStatus, Vector_LookUp_8U_32S,
           (const Qvx8u* src, Qvx32s* dst, const Qvx32s* table, int offset, int len)) {
  return look_up(src, dst, table, offset, len);
}
QVX_SECOND_NAME(Vector_LookUp_8U_32S, Vector_LookUp_8U_32F);
QVX_DEFINE(QvxStatus, Vector_LookUp_8U_64F,
           (const Qvx8u* src, Qvx64f* dst, const Qvx64f* table, int offset, int len)) {
  return look_up(src, dst, table, offset, len);
}
QVX_DEFINE(QvxStatus, Vector_LookUp_16S,
           (const Qvx16s* src, Qvx16s* dst, const Qvx16s* table, int offset, int len)) {
  return look_up(src, dst, table, offset, len);
}
QVX_DEFINE(QvxStatus, Vector_LookUp_16S_32S,
           (const Qvx16s* src, Qvx32s* dst, const Qvx32s* table, int offset, int len)) {
  return look_up(src, dst, table, offset, len);
}
QVX_SECOND_NAME(Vector_LookUp_16S_32S, Vector_LookUp_16S_32F);
QVX_DEFINE(QvxStatus, Vector_LookUp_16S_64F,
           (const Qvx16s* src, Qvx64f* dst, const Qvx64f* table, int offset, int len)) {
  return look_up(src, dst, table, offset, len);
}

// src1 is the high byte of the 16-bit index value, src2 the low one; four per iteration.
QVX_DEFINE(QvxStatus, Vector_LookUp2_8U, (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst,
                                          const Qvx8u* table, int offset, int len)) {
  if (len < 1) return QVX_STS_NO_ERR;
  unrolled<4>(len, [&](int i) {
    dst[i] = table[index_of(static_cast<int32_t>((src1[i] << 8) | src2[i]), offset)];
  });
  return QVX_STS_NO_ERR;
}
