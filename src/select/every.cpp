// Element-wise maximum and minimum of two vectors: at each position the element of the
// first vector when it wins, otherwise the element of the second, copied whole.
//
// "Wins" is a strict ordered comparison of keys: the value itself for real data (unsigned
// for 8U and 16U), the squared magnitude re*re + im*im for complex data, each product and
// the sum rounded in the element's precision.  Everything else (ties, signed zeros, a NaN
// on either side, keys overflowing to the same infinity) keeps the second argument, so an
// in-place form never writes a NaN from src.
#include <type_traits>

#include "core/export.h"
#include "core/loops.h"

namespace {

using namespace qvx;
using simd::select;

// wins(a, b): a wins against b.  pick(a, b): a where it wins, else b, for real elements and
// registers of them: the layer's maximum and minimum, which keep their second operand on
// ties and NaNs.
struct Max {
  template <class K>
  static auto wins(K a, K b) {
    return a > b;
  }
  template <class V>
  static V pick(V a, V b) {
    return simd::vmax(a, b);
  }
};
struct Min {
  template <class K>
  static auto wins(K a, K b) {
    return a < b;
  }
  template <class V>
  static V pick(V a, V b) {
    return simd::vmin(a, b);
  }
};

template <class Op>
struct Real {
  template <class V>
  V operator()(V a, V b) const {
    return Op::pick(a, b);
  }
};

// The squared magnitude, of one element and of a register of interleaved parts.  In the
// register each element's two lanes both hold it: re*re + im*im in one, im*im + re*re (the
// same rounded sum) in the other, so the comparison selects both parts of an element alike.
template <class T>
inline T key(Cx<T> x) {
  return x.re * x.re + x.im * x.im;
}
template <class V>
inline V key(V v) {
  const V sq = v * v;
  return sq + simd::swap_pairs(sq);
}

template <class Op>
struct Complex {
  template <class T>
  Cx<T> operator()(Cx<T> a, Cx<T> b) const {
    return Op::wins(key(a), key(b)) ? a : b;
  }
  template <class V>
  V operator()(V a, V b) const {
    return select(Op::wins(key(a), key(b)), a, b);
  }
};

// d[i] = a[i] if it wins against b[i], else b[i].  Each block is read whole before it is
// stored, so d may be a or b (the in-place forms pass d = b); other overlaps run the
// element loop.
template <class Op, class T>
inline QvxStatus every(const T* a, const T* b, T* d, int len) {
  if constexpr (std::is_arithmetic<T>::value) {
    map(len, Out<T>{d}, Real<Op>{}, In<T>{a}, In<T>{b});
  } else {
    using P = decltype(T::re);  // complex: whole elements, their parts kept interleaved
    const auto parts = [](auto* p) { return reinterpret_cast<decltype(&p->re)>(p); };
    map(len, OutInterleaved<P>{parts(d)}, Complex<Op>{}, Interleaved<P>{parts(a)},
        Interleaved<P>{parts(b)});
  }
  return QVX_STS_NO_ERR;
}

}  // namespace

// ---- MaxEvery ----
QVX_DEFINE(QvxStatus, Vector_MaxEvery_8U,
           (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len)) {
  return every<Max>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_16U,
           (const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst, int len)) {
  return every<Max>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_16S,
           (const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst, int len)) {
  return every<Max>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_32S,
           (const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst, int len)) {
  return every<Max>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_32F,
           (const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len)) {
  return every<Max>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_64F,
           (const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len)) {
  return every<Max>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_32FC,
           (const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst, int len)) {
  return every<Max>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_64FC,
           (const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst, int len)) {
  return every<Max>(src1, src2, dst, len);
}

// ---- MinEvery ----
QVX_DEFINE(QvxStatus, Vector_MinEvery_8U,
           (const Qvx8u* src1, const Qvx8u* src2, Qvx8u* dst, int len)) {
  return every<Min>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_16U,
           (const Qvx16u* src1, const Qvx16u* src2, Qvx16u* dst, int len)) {
  return every<Min>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_16S,
           (const Qvx16s* src1, const Qvx16s* src2, Qvx16s* dst, int len)) {
  return every<Min>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_32S,
           (const Qvx32s* src1, const Qvx32s* src2, Qvx32s* dst, int len)) {
  return every<Min>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_32F,
           (const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len)) {
  return every<Min>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_64F,
           (const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len)) {
  return every<Min>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_32FC,
           (const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst, int len)) {
  return every<Min>(src1, src2, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_64FC,
           (const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst, int len)) {
  return every<Min>(src1, src2, dst, len);
}

// ---- MaxEvery, in place: the second vector is the one updated ----
QVX_DEFINE(QvxStatus, Vector_MaxEvery_8U_I, (const Qvx8u* src, Qvx8u* srcDst, int len)) {
  return every<Max>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_16U_I, (const Qvx16u* src, Qvx16u* srcDst, int len)) {
  return every<Max>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_16S_I, (const Qvx16s* src, Qvx16s* srcDst, int len)) {
  return every<Max>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_32S_I, (const Qvx32s* src, Qvx32s* srcDst, int len)) {
  return every<Max>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_32F_I, (const Qvx32f* src, Qvx32f* srcDst, int len)) {
  return every<Max>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_64F_I, (const Qvx64f* src, Qvx64f* srcDst, int len)) {
  return every<Max>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_32FC_I, (const Qvx32fc* src, Qvx32fc* srcDst, int len)) {
  return every<Max>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MaxEvery_64FC_I, (const Qvx64fc* src, Qvx64fc* srcDst, int len)) {
  return every<Max>(src, srcDst, srcDst, len);
}

// ---- MinEvery, in place: the second vector is the one updated ----
QVX_DEFINE(QvxStatus, Vector_MinEvery_8U_I, (const Qvx8u* src, Qvx8u* srcDst, int len)) {
  return every<Min>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_16U_I, (const Qvx16u* src, Qvx16u* srcDst, int len)) {
  return every<Min>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_16S_I, (const Qvx16s* src, Qvx16s* srcDst, int len)) {
  return every<Min>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_32S_I, (const Qvx32s* src, Qvx32s* srcDst, int len)) {
  return every<Min>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_32F_I, (const Qvx32f* src, Qvx32f* srcDst, int len)) {
  return every<Min>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_64F_I, (const Qvx64f* src, Qvx64f* srcDst, int len)) {
  return every<Min>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_32FC_I, (const Qvx32fc* src, Qvx32fc* srcDst, int len)) {
  return every<Min>(src, srcDst, srcDst, len);
}
QVX_DEFINE(QvxStatus, Vector_MinEvery_64FC_I, (const Qvx64fc* src, Qvx64fc* srcDst, int len)) {
  return every<Min>(src, srcDst, srcDst, len);
}
