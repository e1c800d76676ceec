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

#define QVX_TWO_VECTORS(Op, f)                                                             \
  QVX_DEFINE(QvxStatus, Vector_##Op##_8U,                                                  \
             (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len)) {                \
    return two_vectors(src1, src2, dst, len, f);                                           \
  }
// The operations with a constant, on 8U, 16S and 32S.
#define QVX_WITH_CONSTANT(Op, f)                                                           \
  QVX_WITH_CONSTANT_(Op, 8U, Qvx8u, f)                                                     \
  QVX_WITH_CONSTANT_(Op, 16S, Qvx16s, f)                                                   \
  QVX_WITH_CONSTANT_(Op, 32S, Qvx32s, f)
#define QVX_WITH_CONSTANT_(Op, Sfx, T, f)                                                  \
  QVX_DEFINE(QvxStatus, Vector_##Op##_##Sfx, (const T* src, int val, T* dst, int len)) {   \
    return with_constant(src, val, dst, len, f);                                           \
  }

QVX_TWO_VECTORS(And, bit_and)
QVX_TWO_VECTORS(Or, bit_or)
QVX_TWO_VECTORS(Xor, bit_xor)

// The complement is XOR with all ones.
QVX_DEFINE(QvxStatus, Vector_Not_8U, (const Qvx8u* src, Qvx8u* dst, int len)) {
  return with_constant(src, 0xFF, dst, len, bit_xor);
}

QVX_WITH_CONSTANT(AndC, bit_and)
QVX_WITH_CONSTANT(OrC, bit_or)
QVX_WITH_CONSTANT(XorC, bit_xor)
