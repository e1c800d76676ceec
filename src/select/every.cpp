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

// Every member: an operation's row for each element type, the complex ones after the real.
// In place, the second vector is the one updated.
#define QVX_EVERY(Op, Sfx, T)                                                           \
  QVX_DEFINE(QvxStatus, Vector_##Op##Every_##Sfx,                                       \
             (const T* src1, const T* src2, T* dst, int len)) {                         \
    return every<Op>(src1, src2, dst, len);                                             \
  }
#define QVX_EVERY_I(Op, Sfx, T)                                                         \
  QVX_DEFINE(QvxStatus, Vector_##Op##Every_##Sfx##_I, (const T* src, T* srcDst, int len)) { \
    return every<Op>(src, srcDst, srcDst, len);                                         \
  }
#define QVX_MAX_EVERY(Sfx, T) QVX_EVERY(Max, Sfx, T)
#define QVX_MIN_EVERY(Sfx, T) QVX_EVERY(Min, Sfx, T)
#define QVX_MAX_EVERY_I(Sfx, T) QVX_EVERY_I(Max, Sfx, T)
#define QVX_MIN_EVERY_I(Sfx, T) QVX_EVERY_I(Min, Sfx, T)

QVX_EACH_ORDERED(QVX_MAX_EVERY) QVX_EACH_COMPLEX(QVX_MAX_EVERY)
QVX_EACH_ORDERED(QVX_MIN_EVERY) QVX_EACH_COMPLEX(QVX_MIN_EVERY)
QVX_EACH_ORDERED(QVX_MAX_EVERY_I) QVX_EACH_COMPLEX(QVX_MAX_EVERY_I)
QVX_EACH_ORDERED(QVX_MIN_EVERY_I) QVX_EACH_COMPLEX(QVX_MIN_EVERY_I)
