// Logical operations between byte vectors, with a constant, and the complement.
#include <stdint.h>

#include "core/export.h"
#include "core/loops.h"

namespace {

using namespace qvx;

// One expression for elements and registers: the operators work on both.
constexpr auto bit_and = [](auto a, auto b) { return decltype(a)(a & b); };
constexpr auto bit_or = [](auto a, auto b) { return decltype(a)(a | b); };
constexpr auto bit_xor = [](auto a, auto b) { return decltype(a)(a ^ b); };

template <class Op>
inline QvxStatus two_vectors(const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len, Op op) {
  map(len, Out<Qvx8u>{dst}, op, In<Qvx8u>{src1}, In<Qvx8u>{src2});
  return QVX_STS_NO_ERR;
}

// Only the low bits of val that fit the element count (conversion modulo 2^width).
template <class T, class Op>
inline QvxStatus with_constant(const T* src, int val, T* dst, int len, Op op) {
  map(len, Out<T>{dst}, op, In<T>{src}, constant(static_cast<T>(val)));
  return QVX_STS_NO_ERR;
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_And_8U, (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len)) {
  return two_vectors(src1, src2, dst, len, bit_and);
}
QVX_DEFINE(QvxStatus, Vector_Or_8U, (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len)) {
  return two_vectors(src1, src2, dst, len, bit_or);
}
QVX_DEFINE(QvxStatus, Vector_Xor_8U, (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len)) {
  return two_vectors(src1, src2, dst, len, bit_xor);
}

// The complement is XOR with all ones.
QVX_DEFINE(QvxStatus, Vector_Not_8U, (const Qvx8u* src, Qvx8u* dst, int len)) {
  return with_constant(src, 0xFF, dst, len, bit_xor);
}

QVX_DEFINE(QvxStatus, Vector_AndC_8U, (const Qvx8u* src, int val, Qvx8u* dst, int len)) {
  return with_constant(src, val, dst, len, bit_and);
}
QVX_DEFINE(QvxStatus, Vector_AndC_16S, (const Qvx16s* src, int val, Qvx16s* dst, int len)) {
  return with_constant(src, val, dst, len, bit_and);
}
QVX_DEFINE(QvxStatus, Vector_AndC_32S, (const Qvx32s* src, int val, Qvx32s* dst, int len)) {
  return with_constant(src, val, dst, len, bit_and);
}
QVX_DEFINE(QvxStatus, Vector_OrC_8U, (const Qvx8u* src, int val, Qvx8u* dst, int len)) {
  return with_constant(src, val, dst, len, bit_or);
}
QVX_DEFINE(QvxStatus, Vector_OrC_16S, (const Qvx16s* src, int val, Qvx16s* dst, int len)) {
  return with_constant(src, val, dst, len, bit_or);
}
QVX_DEFINE(QvxStatus, Vector_OrC_32S, (const Qvx32s* src, int val, Qvx32s* dst, int len)) {
  return with_constant(src, val, dst, len, bit_or);
}
QVX_DEFINE(QvxStatus, Vector_XorC_8U, (const Qvx8u* src, int val, Qvx8u* dst, int len)) {
  return with_constant(src, val, dst, len, bit_xor);
}
QVX_DEFINE(QvxStatus, Vector_XorC_16S, (const Qvx16s* src, int val, Qvx16s* dst, int len)) {
  return with_constant(src, val, dst, len, bit_xor);
}
QVX_DEFINE(QvxStatus, Vector_XorC_32S, (const Qvx32s* src, int val, Qvx32s* dst, int len)) {
  return with_constant(src, val, dst, len, bit_xor);
}
