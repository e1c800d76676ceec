// Complex vectors taken apart and put together: magnitude, squared magnitude, phase,
// conjugate (also in reversed order), and the conversions between Cartesian pairs and
// separate magnitude and phase vectors.
//
// Magnitudes and phases come from the C math library (hypot, atan2, sin, cos, sincos) in
// double precision; the 16-bit and single-precision members widen their parts exactly and
// round each result once to single precision.
#include <stddef.h>
#include <stdint.h>

#include <initializer_list>

#include "core/convert.h"
#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"
#include "math/elementary.h"
#include "math/fast.h"
#include "math/kernels.h"

namespace {

using namespace qvx;
using namespace qvx::math;

// The element rules of the magnitude and the phase of x + yi (math/kernels.h).
using kernels::angle;
using kernels::magnitude;

// x*x + y*y in the precision of the result: 16-bit parts are converted to single precision
// (exactly) and each product and the sum are rounded to single precision.
template <class R, class P>
inline R squared_magnitude(P x, P y) {
  const R a = static_cast<R>(x), b = static_cast<R>(y);
  return a * a + b * b;
}

// Conjugates.  16-bit: the imaginary part negated, -(-32768) saturated to 32767.  Floating
// point: the sign bit of the imaginary part flipped (+0 becomes -0, a NaN keeps its payload
// with the other sign) and the real part copied bit for bit, all on the bit patterns
// (conj_bits below).
inline Qvx16sc conjugate(Qvx16sc z) {
  return {z.re, static_cast<Qvx16s>(z.im == -32768 ? 32767 : -z.im)};
}

template <class C, class R>
inline QvxStatus ampl(const C* src, R* dst, int len) {
  return each(src, dst, len, [](C z) { return magnitude<R>(z.re, z.im); });
}
template <class C, class R>
inline QvxStatus phase_of(const C* src, R* dst, int len) {
  return each(src, dst, len, [](C z) { return angle<R>(z.re, z.im); });
}

// The parts of a complex array as an array of scalars (no member access: a null pointer
// with len < 1 is merely passed along).
template <class P, class C>
inline const P* parts(const C* p) {
  return reinterpret_cast<const P*>(p);
}
template <class P, class C>
inline P* parts(C* p) {
  return reinterpret_cast<P*>(p);
}

// Squared magnitudes on registers: the same IEEE products and sums, lane by lane.  16-bit
// parts are widened to 32-bit integers and converted to single precision exactly; a register
// of 16-bit pairs gives two registers of results.
template <class T>
inline QvxStatus ampl_sqr(const T* src, T* dst, int len) {
  map(len, Out<T>{dst}, [](auto z) { return z.re * z.re + z.im * z.im; }, Deinterleaved<T>{src});
  return QVX_STS_NO_ERR;
}
inline QvxStatus ampl_sqr_16sc(const Qvx16s* src, Qvx32f* dst, int len) {
  constexpr int W = kLanes<int16_t>;
  const auto elem = [](Cx<Qvx16s> z) { return squared_magnitude<float>(z.re, z.im); };
  const auto block = [](Cx<Vec<int16_t>> z) {
    const auto sum = [](Vec<int32_t> re, Vec<int32_t> im) {
      const Vec<float> x = simd::to_float(re), y = simd::to_float(im);
      return x * x + y * y;
    };
    return Block<float, W>{{sum(simd::widen_lo(z.re), simd::widen_lo(z.im)),
                            sum(simd::widen_hi(z.re), simd::widen_hi(z.im))}};
  };
  map(len, Out<float>{dst}, rule(elem, block), Deinterleaved<int16_t>{src});
  return QVX_STS_NO_ERR;
}

// The sign bit of an unsigned integer of T's width.
template <class U>
constexpr U kSign = U(1) << (8 * sizeof(U) - 1);

// Conjugates on registers of interleaved parts, with a register holding a mask of the
// imaginary lanes: the sign bit flipped there (floating point, on the bit patterns), or the
// saturating negation 0 - y (16-bit).  The source is Interleaved<U>, or mirrored for the
// conjugates in reverse order.
template <class U, class S>
inline QvxStatus conj_bits(S src, U* dst, int len) {
  const auto elem = [](Cx<U> z, Cx<U>) { return Cx<U>{z.re, z.im ^ kSign<U>}; };
  const auto block = [](Vec<U> z, Vec<U> im_lanes) { return z ^ im_lanes; };
  map(len, OutInterleaved<U>{dst}, rule(elem, block), src, interleaved_constant<U>(0, kSign<U>));
  return QVX_STS_NO_ERR;
}
template <class S>
inline QvxStatus conj_16sc(S src, Qvx16s* dst, int len) {
  const auto elem = [](Cx<Qvx16s> z, Cx<Qvx16s>) {
    const Qvx16sc c = conjugate(Qvx16sc{z.re, z.im});
    return Cx<Qvx16s>{c.re, c.im};
  };
  const auto block = [](Vec<int16_t> z, Vec<int16_t> im_lanes) {
    return simd::select(im_lanes, simd::subs(simd::zero<int16_t>(), z), z);
  };
  map(len, OutInterleaved<Qvx16s>{dst}, rule(elem, block), src,
      interleaved_constant<Qvx16s>(0, -1));
  return QVX_STS_NO_ERR;
}

// The single-precision magnitudes and phases of float and 16-bit pairs: the fast path of
// math/fast.h where it is proven, else the element rule (math/kernels.h).
template <class K>
inline QvxStatus fast_pairs(const typename K::Source* src, std::initializer_list<Qvx32f*> dst,
                            int len) {
  Qvx32f* out[K::kOut];
  int k = 0;
  for (Qvx32f* d : dst) out[k++] = d;
  fast::run<K>(&src, out, len);
  return QVX_STS_NO_ERR;
}

// Interleaved (x, y) pairs into a magnitude and a phase vector.
template <class P, class R>
inline QvxStatus to_polar(const P* src, R* magn, R* phase, int len) {
  for (int i = 0; i < len; ++i) {
    const P x = get(src + 2 * size_t(i)), y = get(src + 2 * size_t(i) + 1);
    put(magn + i, magnitude<R>(x, y));
    put(phase + i, angle<R>(x, y));
  }
  return QVX_STS_NO_ERR;
}

// Magnitude m and phase p into the pair (m cos p, m sin p) (math/kernels.h).
inline QvxStatus to_cartesian(const Qvx64f* magn, const Qvx64f* phase, Qvx64f* dst, int len) {
  for (int i = 0; i < len; ++i) {
    double r[2];
    kernels::cartesian(get(magn + i), get(phase + i), r);
    put(dst + 2 * size_t(i), r[0]);
    put(dst + 2 * size_t(i) + 1, r[1]);
  }
  return QVX_STS_NO_ERR;
}

}  // namespace

// ---- magnitude, squared magnitude, phase ----
// Member          result   magnitude (hypot)     squared magnitude       phase
// 16SC            32F      double, rounded       single precision        atan2, rounded
// 32FC            32F      double, rounded       single precision        zero rule, rounded
// 64FC            64F      double                double                  zero rule
// The members differ in kernel and precision as the table says: each is written out.
QVX_DEFINE(QvxStatus, Vector_Ampl_16SC, (const Qvx16sc* src, Qvx32f* dst, int len)) {
  return fast_pairs<kernels::Of16<kernels::Ampl>>(parts<Qvx16s>(src), {dst}, len);
}
QVX_DEFINE(QvxStatus, Vector_Ampl_32FC, (const Qvx32fc* src, Qvx32f* dst, int len)) {
  return fast_pairs<kernels::Ampl>(parts<Qvx32f>(src), {dst}, len);
}
QVX_DEFINE(QvxStatus, Vector_Ampl_64FC, (const Qvx64fc* src, Qvx64f* dst, int len)) {
  return ampl(src, dst, len);
}
QVX_DEFINE(QvxStatus, Vector_AmplSqr_16SC, (const Qvx16sc* src, Qvx32f* dst, int len)) {
  return ampl_sqr_16sc(parts<Qvx16s>(src), dst, len);
}
QVX_DEFINE(QvxStatus, Vector_AmplSqr_32FC, (const Qvx32fc* src, Qvx32f* dst, int len)) {
  return ampl_sqr(parts<Qvx32f>(src), dst, len);
}
QVX_DEFINE(QvxStatus, Vector_AmplSqr_64FC, (const Qvx64fc* src, Qvx64f* dst, int len)) {
  return ampl_sqr(parts<Qvx64f>(src), dst, len);
}
QVX_DEFINE(QvxStatus, Vector_Phase_16SC, (const Qvx16sc* src, Qvx32f* dst, int len)) {
  return fast_pairs<kernels::Of16<kernels::Phase>>(parts<Qvx16s>(src), {dst}, len);
}
QVX_DEFINE(QvxStatus, Vector_Phase_32FC, (const Qvx32fc* src, Qvx32f* dst, int len)) {
  return fast_pairs<kernels::Phase>(parts<Qvx32f>(src), {dst}, len);
}
QVX_DEFINE(QvxStatus, Vector_Phase_64FC, (const Qvx64fc* src, Qvx64f* dst, int len)) {
  return phase_of(src, dst, len);
}

// ---- conjugates, in order and reversed ----
// The parts of each member as P, and its conjugate: conj_16sc (saturating negation) for
// 16SC, conj_bits (on the bit patterns) for the floating-point members.
#define QVX_CONJ(Sfx, C, P, f)                                                            \
  QVX_DEFINE(QvxStatus, Vector_Conj_##Sfx, (const C* src, C* dst, int len)) {             \
    return f(Interleaved<P>{parts<P>(src)}, parts<P>(dst), len);                          \
  }
#define QVX_CONJ_FLIP(Sfx, C, P, f)                                                       \
  QVX_DEFINE(QvxStatus, Vector_ConjFlip_##Sfx, (const C* src, C* dst, int len)) {         \
    return f(mirrored(Interleaved<P>{parts<P>(src)}, len), parts<P>(dst), len);           \
  }
#define QVX_EACH_CONJ(M)                                                                  \
  M(16SC, Qvx16sc, Qvx16s, conj_16sc)                                                     \
  M(32FC, Qvx32fc, uint32_t, conj_bits)                                                   \
  M(64FC, Qvx64fc, uint64_t, conj_bits)
QVX_EACH_CONJ(QVX_CONJ)
QVX_EACH_CONJ(QVX_CONJ_FLIP)

// ---- polar form ----
// Member   pairs   magnitude, phase   to Cartesian
// 16S      16S     32F                one sincos call; truncated, saturated, NaN -> 0
// 32F      32F     32F                cos and sin, double, rounded to single
// 64F      64F     64F                cos and sin, double
// Likewise written out per member.
QVX_DEFINE(QvxStatus, Vector_DescartToPolar_16S,
           (const Qvx16s* src, Qvx32f* dstMagn, Qvx32f* dstPhase, int len)) {
  return fast_pairs<kernels::Of16<kernels::Polar>>(src, {dstMagn, dstPhase}, len);
}
QVX_DEFINE(QvxStatus, Vector_DescartToPolar_32F,
           (const Qvx32f* src, Qvx32f* dstMagn, Qvx32f* dstPhase, int len)) {
  return fast_pairs<kernels::Polar>(src, {dstMagn, dstPhase}, len);
}
QVX_DEFINE(QvxStatus, Vector_DescartToPolar_64F,
           (const Qvx64f* src, Qvx64f* dstMagn, Qvx64f* dstPhase, int len)) {
  return to_polar(src, dstMagn, dstPhase, len);
}
QVX_DEFINE(QvxStatus, Vector_PolarToDescart_16S,
           (const Qvx32f* srcMagn, const Qvx32f* srcPhase, Qvx16s* dst, int len)) {
  const Qvx32f* const src[2] = {srcMagn, srcPhase};
  fast::run<kernels::Cartesian16>(src, &dst, len);
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_PolarToDescart_32F,
           (const Qvx32f* srcMagn, const Qvx32f* srcPhase, Qvx32f* dst, int len)) {
  const Qvx32f* const src[2] = {srcMagn, srcPhase};
  fast::run<kernels::Cartesian>(src, &dst, len);
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_PolarToDescart_64F,
           (const Qvx64f* srcMagn, const Qvx64f* srcPhase, Qvx64f* dst, int len)) {
  return to_cartesian(srcMagn, srcPhase, dst, len);
}
