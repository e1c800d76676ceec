// Complex vectors taken apart and put together: magnitude, squared magnitude, phase,
// conjugate (also in reversed order), and the conversions between Cartesian pairs and
// separate magnitude and phase vectors.
//
// Magnitudes and phases come from the C math library (hypot, atan2, sin, cos, sincos) in
// double precision; the 16-bit and single-precision members widen their parts exactly and
// round each result once to single precision.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <type_traits>

#include "core/convert.h"
#include "core/export.h"
#include "math/elementary.h"

namespace {

using namespace qvx;
using namespace qvx::math;

// The magnitude and the phase of x + yi, rounded to the result type R.
template <class R, class P>
inline R magnitude(P x, P y) {
  return narrow<R>(hypot(static_cast<double>(x), static_cast<double>(y)));
}
// 16-bit parts have no negative zero, and atan2(0, 0) is +0: they need no zero rule.
template <class R, class P>
inline R angle(P x, P y) {
  if (std::is_integral<P>::value)
    return narrow<R>(atan2(static_cast<double>(y), static_cast<double>(x)));
  return phase<R>(static_cast<double>(y), static_cast<double>(x));
}

// x*x + y*y in the precision of the result: 16-bit parts are converted to single precision
// (exactly) and each product and the sum are rounded to single precision.
template <class R, class P>
inline R squared_magnitude(P x, P y) {
  const R a = static_cast<R>(x), b = static_cast<R>(y);
  return a * a + b * b;
}

// Conjugates.  16-bit: the imaginary part negated, -(-32768) saturated to 32767.  Floating
// point: the sign bit of the imaginary part flipped (+0 becomes -0, a NaN keeps its payload
// with the other sign) and the real part copied bit for bit, all on the bit patterns.
inline Qvx16sc conjugate(Qvx16sc z) {
  return {z.re, static_cast<Qvx16s>(z.im == -32768 ? 32767 : -z.im)};
}
template <class C>
inline C conjugate(C z) {
  using U = std::conditional_t<sizeof(C) == 8, uint32_t, uint64_t>;
  U p[2];
  memcpy(p, &z, sizeof z);
  p[1] ^= U(1) << (8 * sizeof(U) - 1);
  C r;
  memcpy(&r, p, sizeof r);
  return r;
}

template <class C, class R>
inline QvxStatus ampl(const C* src, R* dst, int len) {
  return each(src, dst, len, [](C z) { return magnitude<R>(z.re, z.im); });
}
template <class C, class R>
inline QvxStatus ampl_sqr(const C* src, R* dst, int len) {
  return each(src, dst, len, [](C z) { return squared_magnitude<R>(z.re, z.im); });
}
template <class C, class R>
inline QvxStatus phase_of(const C* src, R* dst, int len) {
  return each(src, dst, len, [](C z) { return angle<R>(z.re, z.im); });
}
template <class C>
inline QvxStatus conj(const C* src, C* dst, int len) {
  return each(src, dst, len, [](C z) { return conjugate(z); });
}

// dst[i] = conjugate of src[len-1-i]: the first results overwrite source elements not yet
// read, so the destination must not overlap the source.
template <class C>
inline QvxStatus conj_flip(const C* src, C* dst, int len) {
  for (int i = 0; i < len; ++i) dst[i] = conjugate(src[len - 1 - i]);
  return QVX_STS_NO_ERR;
}

// Interleaved (x, y) pairs into a magnitude and a phase vector.
template <class P, class R>
inline QvxStatus to_polar(const P* src, R* magn, R* phase, int len) {
  for (int i = 0; i < len; ++i) {
    const P x = src[2 * size_t(i)], y = src[2 * size_t(i) + 1];
    magn[i] = magnitude<R>(x, y);
    phase[i] = angle<R>(x, y);
  }
  return QVX_STS_NO_ERR;
}

// Magnitude m and phase p into the pair (m cos p, m sin p), computed in double with cos
// and sin called separately.
template <class R, class D>
inline QvxStatus to_cartesian(const R* magn, const R* phase, D* dst, int len) {
  for (int i = 0; i < len; ++i) {
    const double m = magn[i], p = phase[i];
    const double c = cos(p), s = sin(opaque(p));
    dst[2 * size_t(i)] = narrow<D>(m * c);
    dst[2 * size_t(i) + 1] = narrow<D>(m * s);
  }
  return QVX_STS_NO_ERR;
}

// Into 16-bit pairs: one sincos call, u = c*m and v = s*m in double, each stored truncated
// toward zero after saturation to [-32768, 32767]; a NaN stores 0.
inline QvxStatus to_cartesian_16s(const Qvx32f* magn, const Qvx32f* phase, Qvx16s* dst, int len) {
  for (int i = 0; i < len; ++i) {
    const double m = magn[i];
    double s, c;
    sincos(static_cast<double>(phase[i]), &s, &c);
    dst[2 * size_t(i)] = saturate_trunc<Qvx16s>(c * m);
    dst[2 * size_t(i) + 1] = saturate_trunc<Qvx16s>(s * m);
  }
  return QVX_STS_NO_ERR;
}

}  // namespace

// ---- magnitude, squared magnitude, phase ----
// Member          result   magnitude (hypot)     squared magnitude       phase
// 16SC            32F      double, rounded       single precision        atan2, rounded
// 32FC            32F      double, rounded       single precision        zero rule, rounded
// 64FC            64F      double                double                  zero rule
QVX_DEFINE(QvxStatus, Vector_Ampl_16SC, (const Qvx16sc* src, Qvx32f* dst, int len)) {
  return ampl(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Ampl_32FC, (const Qvx32fc* src, Qvx32f* dst, int len)) {
  return ampl(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Ampl_64FC, (const Qvx64fc* src, Qvx64f* dst, int len)) {
  return ampl(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_AmplSqr_16SC, (const Qvx16sc* src, Qvx32f* dst, int len)) {
  return ampl_sqr(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_AmplSqr_32FC, (const Qvx32fc* src, Qvx32f* dst, int len)) {
  return ampl_sqr(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_AmplSqr_64FC, (const Qvx64fc* src, Qvx64f* dst, int len)) {
  return ampl_sqr(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Phase_16SC, (const Qvx16sc* src, Qvx32f* dst, int len)) {
  return phase_of(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Phase_32FC, (const Qvx32fc* src, Qvx32f* dst, int len)) {
  return phase_of(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Phase_64FC, (const Qvx64fc* src, Qvx64f* dst, int len)) {
  return phase_of(src, dst, len);
}

// ---- conjugates ----
QVX_DEFINE(QvxStatus, Vector_Conj_16SC, (const Qvx16sc* src, Qvx16sc* dst, int len)) {
  return conj(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Conj_32FC, (const Qvx32fc* src, Qvx32fc* dst, int len)) {
  return conj(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Conj_64FC, (const Qvx64fc* src, Qvx64fc* dst, int len)) {
  return conj(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_ConjFlip_16SC, (const Qvx16sc* src, Qvx16sc* dst, int len)) {
  return conj_flip(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_ConjFlip_32FC, (const Qvx32fc* src, Qvx32fc* dst, int len)) {
  return conj_flip(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_ConjFlip_64FC, (const Qvx64fc* src, Qvx64fc* dst, int len)) {
  return conj_flip(src, dst, len);
}

// ---- polar form ----
// Member   pairs   magnitude, phase   to Cartesian
// 16S      16S     32F                one sincos call; truncated, saturated, NaN -> 0
// 32F      32F     32F                cos and sin, double, rounded to single
// 64F      64F     64F                cos and sin, double
QVX_DEFINE(QvxStatus, Vector_DescartToPolar_16S,
           (const Qvx16s* src, Qvx32f* dstMagn, Qvx32f* dstPhase, int len)) {
  return to_polar(src, dstMagn, dstPhase, len);
}
QVX_DEFINE(QvxStatus, Vector_DescartToPolar_32F,
           (const Qvx32f* src, Qvx32f* dstMagn, Qvx32f* dstPhase, int len)) {
  return to_polar(src, dstMagn, dstPhase, len);
}
QVX_DEFINE(QvxStatus, Vector_DescartToPolar_64F,
           (const Qvx64f* src, Qvx64f* dstMagn, Qvx64f* dstPhase, int len)) {
  return to_polar(src, dstMagn, dstPhase, len);
}
QVX_DEFINE(QvxStatus, Vector_PolarToDescart_16S,
           (const Qvx32f* srcMagn, const Qvx32f* srcPhase, Qvx16s* dst, int len)) {
  return to_cartesian_16s(srcMagn, srcPhase, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_PolarToDescart_32F,
           (const Qvx32f* srcMagn, const Qvx32f* srcPhase, Qvx32f* dst, int len)) {
  return to_cartesian(srcMagn, srcPhase, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_PolarToDescart_64F,
           (const Qvx64f* srcMagn, const Qvx64f* srcPhase, Qvx64f* dst, int len)) {
  return to_cartesian(srcMagn, srcPhase, dst, len);
}
