// Elementary functions of real vectors: inverse and direct trigonometric functions, the
// exponential, the natural logarithm, the joint sine and cosine, and the square root.
#include "math/elementary.h"

#include <errno.h>
#include <string.h>

#include <limits>

#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"
#include "math/fast.h"
#include "math/kernels.h"

namespace {

using namespace qvx;
using namespace qvx::math;
using namespace qvx::math::kernels;

template <Domain D, double (*F)(double), class T>
inline QvxStatus real(const T* src, T* dst, int len) {
  return each(src, dst, len, element<D, F, T>);
}

// The sine is stored before the source element is read again for the cosine, so dstCos may
// be the source and dstSin may not.
template <class T>
inline QvxStatus sin_cos(const T* src, T* dst_sin, T* dst_cos, int len) {
  for (int i = 0; i < len; ++i) {
    put(dst_sin + i, narrow<T>(sin(static_cast<double>(get(src + i)))));
    put(dst_cos + i, narrow<T>(cos(opaque(static_cast<double>(get(src + i))))));
  }
  return QVX_STS_NO_ERR;
}

// The 32F members: the fast path where it is proven, else the element rule.
template <class K>
inline QvxStatus fast_real(const float* src, float* dst, int len) {
  float* const out[1] = {dst};
  fast::run<K>(&src, out, len);
  return QVX_STS_NO_ERR;
}

// The sign bit of each lane set where the lane holds a NaN, by integer arithmetic: the bits
// of infinity minus the bits of |x| are negative exactly for a NaN.  No comparison, so no
// exception flag and no mask register (materialising one costs dearly on some processors).
template <class V>
inline auto nan_signs(V v) {
  using T = simd::lane_t<V>;
  using U = simd::uint_t<T>;
  constexpr U kSign = U(1) << (8 * sizeof(U) - 1);
  const T inf = std::numeric_limits<T>::infinity();
  U inf_bits;
  memcpy(&inf_bits, &inf, sizeof inf_bits);
  return (inf_bits - (simd::as<U>(v) & ~kSign)) & kSign;
}

// The square root in the element's own precision (sqrtf, sqrt): the scalar and the packed
// square-root instructions round alike and give the same NaNs.  The library function also
// sets errno to EDOM for an element below zero; a block does the same when one of its roots
// is a NaN from a non-NaN element.
template <class T>
inline QvxStatus square_root(const T* src, T* dst, int len) {
  const auto elem = [](T x) -> T { return sqrt(x); };
  const auto block = [](auto v) {
    const auto r = simd::vsqrt(v);
    if (simd::byte_signs(nan_signs(r) & ~nan_signs(v)) != 0) errno = EDOM;
    return r;
  };
  map(len, Out<T>{dst}, rule(elem, block), In<T>{src});
  return QVX_STS_NO_ERR;
}

}  // namespace

// Member   C function   default NaN without a call when
// Acos     acos         |x| > 1
// Asin     asin         |x| > 1
// Atan     atan         -
// Cos      cos          -
// Sin      sin          -
// Tan      tan          -
// Exp      exp          -
// Log      log          x < 0
//
// The two rows of each: 32F through the fast kernel of the member's name, 64F through the
// C function in its domain.
#define QVX_ELEMENTARY(Op, D, f)                                                          \
  QVX_DEFINE(QvxStatus, Vector_##Op##_32F, (const Qvx32f* src, Qvx32f* dst, int len)) {   \
    return fast_real<Op>(src, dst, len);                                                  \
  }                                                                                       \
  QVX_DEFINE(QvxStatus, Vector_##Op##_64F, (const Qvx64f* src, Qvx64f* dst, int len)) {   \
    return real<Domain::D, f>(src, dst, len);                                             \
  }
QVX_ELEMENTARY(Acos, Unit, acos)
QVX_ELEMENTARY(Asin, Unit, asin)
QVX_ELEMENTARY(Atan, All, atan)
QVX_ELEMENTARY(Cos, All, cos)
QVX_ELEMENTARY(Sin, All, sin)
QVX_ELEMENTARY(Tan, All, tan)
QVX_ELEMENTARY(Exp, All, exp)
QVX_ELEMENTARY(Log, NonNegative, log)

// SinCos: the fast kernel's two outputs for 32F, the element loop for 64F.
QVX_DEFINE(QvxStatus, Vector_SinCos_32F,
           (const Qvx32f* src, Qvx32f* dstSin, Qvx32f* dstCos, int len)) {
  float* const out[2] = {dstSin, dstCos};
  fast::run<SinCos>(&src, out, len);
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_SinCos_64F,
           (const Qvx64f* src, Qvx64f* dstSin, Qvx64f* dstCos, int len)) {
  return sin_cos(src, dstSin, dstCos, len);
}

#define QVX_SQRT(Sfx, T, ...)                                                             \
  QVX_DEFINE(QvxStatus, Vector_Sqrt_##Sfx, (const T* src, T* dst, int len)) {             \
    return square_root(src, dst, len);                                                    \
  }
QVX_EACH_PRECISION(QVX_SQRT)
