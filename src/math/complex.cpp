// Elementary functions of complex vectors: exponential, logarithm and principal square
// root, each from C math library calls in double precision; the 32FC members widen both
// parts exactly and round each part of the result once to single precision.
#include <limits>

#include "core/export.h"
#include "core/loops.h"
#include "math/elementary.h"
#include "math/fast.h"
#include "math/kernels.h"

namespace {

using namespace qvx;
using namespace qvx::math;

template <class P>
struct Complex;
template <>
struct Complex<float> {
  using type = Qvx32fc;
};
template <>
struct Complex<double> {
  using type = Qvx64fc;
};
template <class P>
using cx_t = typename Complex<P>::type;

constexpr double kInf = std::numeric_limits<double>::infinity();

// exp(a + bi), the element rule of math/kernels.h; the 32FC member takes the fast path of
// math/fast.h where it is proven.
template <class P>
inline cx_t<P> exponential(cx_t<P> z) {
  P r[2];
  kernels::complex_exp(z.re, z.im, r);
  return {r[0], r[1]};
}

// log(a + bi) = log(hypot(b, a)) + i phase.  The real part is stored before the source
// element is read again for the phase, so the destination must not be the source.
template <class P>
inline QvxStatus logarithm(const cx_t<P>* src, cx_t<P>* dst, int len) {
  const P* s = reinterpret_cast<const P*>(src);
  P* d = reinterpret_cast<P*>(dst);
  for (size_t i = 0; i < 2 * static_cast<size_t>(len > 0 ? len : 0); i += 2) {
    const double a = get(s + i), b = get(s + i + 1);
    put(d + i, narrow<P>(log(hypot(b, a))));  // as kernels::complex_log
    // The source element read again, after the real part is stored.
    put(d + i + 1, phase<P>(get(s + i + 1), get(s + i)));
  }
  return QVX_STS_NO_ERR;
}

// The principal square root of a + bi: non-negative real part, imaginary part with the
// sign of b.  Z is the exported zero object of the part type, read at each use.
template <class P>
inline cx_t<P> square_root(cx_t<P> z) {
  const double a = z.re, b = z.im;
  double re, im;
  if (!isfinite(a) || !isfinite(b)) {
    if (isinf(b)) {
      re = kInf, im = b;
    } else if (a == kInf) {
      re = kInf, im = copysign(fabs(b) * zero_object(P()), b);
    } else if (a == -kInf) {
      re = fabs(b) * zero_object(P()), im = copysign(kInf, b);
    } else {  // a or b is NaN
      re = fabs(a) + fabs(b);
      im = signbit(b) ? -re : re;
    }
  } else if (b == 0) {
    // Single precision: the single square root of the single |a| (exact in double).
    const double s = sizeof(P) == 4 ? static_cast<double>(sqrtf(fabsf(static_cast<float>(z.re)))) : sqrt(fabs(a));
    re = a > 0 ? s : 0.0;
    im = copysign(a > 0 ? 0.0 : s, b);
  } else {
    const double h = a * 0.5, k = b * 0.5;
    // Double precision has hypot for the magnitude; for single precision the sum of the
    // squares cannot overflow or underflow in double and is rooted directly.
    const double r = sizeof(P) == 4 ? sqrt(h * h + k * k) : hypot(h, k);
    // a = -0 takes the negative branch in single precision, the zero branch in double.
    const bool zero_branch = sizeof(P) == 4 ? a == 0 && !signbit(a) : a == 0;
    if (a > 0) {
      const double t = sqrt(h + r);
      re = t, im = k / t;
    } else if (!zero_branch) {
      double t = sqrt(r - h);
      if (b < 0) t = -t;
      re = k / t, im = t;
    } else {
      const double u = sqrt(fabs(k));
      re = u, im = b > 0 ? u : -u;
    }
  }
  return {narrow<P>(re), narrow<P>(im)};
}

}  // namespace

QVX_DEFINE(QvxStatus, Vector_Exp_32FC, (const Qvx32fc* src, Qvx32fc* dst, int len)) {
  const float* const from[1] = {reinterpret_cast<const float*>(src)};
  float* const out[1] = {reinterpret_cast<float*>(dst)};
  fast::run<kernels::ComplexExp>(from, out, len);
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_Exp_64FC, (const Qvx64fc* src, Qvx64fc* dst, int len)) {
  return each(src, dst, len, [](Qvx64fc z) { return exponential<double>(z); });
}
QVX_DEFINE(QvxStatus, Vector_Log_32FC, (const Qvx32fc* src, Qvx32fc* dst, int len)) {
  // Blocks read each element once; the element loop reads the source again after storing
  // the real part, which differs where the arrays overlap.
  const size_t bytes = sizeof(Qvx32fc) * static_cast<size_t>(len > 0 ? len : 0);
  if (!disjoint(src, bytes, dst, bytes)) return logarithm<float>(src, dst, len);
  const float* const from[1] = {reinterpret_cast<const float*>(src)};
  float* const out[1] = {reinterpret_cast<float*>(dst)};
  fast::run<kernels::ComplexLog>(from, out, len);
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_Log_64FC, (const Qvx64fc* src, Qvx64fc* dst, int len)) {
  return logarithm<double>(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Sqrt_32FC, (const Qvx32fc* src, Qvx32fc* dst, int len)) {
  return each(src, dst, len, [](Qvx32fc z) { return square_root<float>(z); });
}
QVX_DEFINE(QvxStatus, Vector_Sqrt_64FC, (const Qvx64fc* src, Qvx64fc* dst, int len)) {
  return each(src, dst, len, [](Qvx64fc z) { return square_root<double>(z); });
}
