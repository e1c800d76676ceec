// Logical operations between byte vectors, with a constant, and the complement.
#include <stdint.h>

#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"

namespace {

using namespace qvx;


struct And {
  template <class T>
  static T elem(T a, T b) { return static_cast<T>(a & b); }
  static simd::V vec(simd::V a, simd::V b) { return _mm_and_si128(a, b); }
};
struct Or {
  template <class T>
  static T elem(T a, T b) { return static_cast<T>(a | b); }
  static simd::V vec(simd::V a, simd::V b) { return _mm_or_si128(a, b); }
};
struct Xor {
  template <class T>
  static T elem(T a, T b) { return static_cast<T>(a ^ b); }
  static simd::V vec(simd::V a, simd::V b) { return _mm_xor_si128(a, b); }
};

template <class Op>
inline QvxStatus two_vectors(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len) {
  if (len < 1) return QVX_STS_NO_ERR;
  run<16>(
      len, blockwise(dst, src1) && blockwise(dst, src2),
      [&](int i) { simd::store(dst + i, Op::vec(simd::load(src1 + i), simd::load(src2 + i))); },
      [&](int i) { dst[i] = Op::elem(src1[i], src2[i]); });
  return QVX_STS_NO_ERR;
}

// The constant's low bits, of the element's width, replicated across a register.
inline simd::V replicate(Qvx8u c) { return _mm_set1_epi8(static_cast<char>(c)); }
inline simd::V replicate(Qvx16s c) { return _mm_set1_epi16(c); }
inline simd::V replicate(Qvx32s c) { return _mm_set1_epi32(c); }

template <class Op, class T>
inline QvxStatus with_constant(const T* src, int val, T* dst, int len) {
  if (len < 1) return QVX_STS_NO_ERR;
  // Only the low bits of val that fit the element count (conversion modulo 2^width).
  const T c = static_cast<T>(val);
  const simd::V vc = replicate(c);
  run<16 / sizeof(T)>(
      len, blockwise(dst, src),
      [&](int i) { simd::store(dst + i, Op::vec(simd::load(src + i), vc)); },
      [&](int i) { dst[i] = Op::elem(src[i], c); });
  return QVX_STS_NO_ERR;
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_And_8U, (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len)) {
  return two_vectors<And>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Or_8U, (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len)) {
  return two_vectors<Or>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Xor_8U, (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len)) {
  return two_vectors<Xor>(src1, src2, dst, len);
}

// The complement is XOR with all ones.
QVX_DEFINE(QvxStatus, Vector_Not_8U, (const Qvx8u* src, Qvx8u* dst, int len)) {
  return with_constant<Xor>(src, 0xFF, dst, len);
}

QVX_DEFINE(QvxStatus, Vector_AndC_8U, (const Qvx8u* src, int val, Qvx8u* dst, int len)) {
  return with_constant<And>(src, val, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_AndC_16S, (const Qvx16s* src, int val, Qvx16s* dst, int len)) {
  return with_constant<And>(src, val, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_AndC_32S, (const Qvx32s* src, int val, Qvx32s* dst, int len)) {
  return with_constant<And>(src, val, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_OrC_8U, (const Qvx8u* src, int val, Qvx8u* dst, int len)) {
  return with_constant<Or>(src, val, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_OrC_16S, (const Qvx16s* src, int val, Qvx16s* dst, int len)) {
  return with_constant<Or>(src, val, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_OrC_32S, (const Qvx32s* src, int val, Qvx32s* dst, int len)) {
  return with_constant<Or>(src, val, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_XorC_8U, (const Qvx8u* src, int val, Qvx8u* dst, int len)) {
  return with_constant<Xor>(src, val, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_XorC_16S, (const Qvx16s* src, int val, Qvx16s* dst, int len)) {
  return with_constant<Xor>(src, val, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_XorC_32S, (const Qvx32s* src, int val, Qvx32s* dst, int len)) {
  return with_constant<Xor>(src, val, dst, len);
}
