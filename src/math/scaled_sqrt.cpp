// SqrtShift: sqrt(x) * 2^s of 16- and 32-bit integers, a negative x counting as 0, by bands of
// the scale factor: a zero fill of the whole destination, byte tables of rounded roots shifted
// right (16S), the root in double precision scaled and rounded to single precision or kept in
// double, then truncated toward zero, or the saturated value.
#include <limits.h>
#include <math.h>

#include "core/convert.h"
#include "core/export.h"
#include "core/loops.h"
#include "fixed/scale.h"
#include "math/scaled_bands.h"
#include "math/scaled_tables.h"

namespace {

using namespace qvx;
using scaled::Band;
using scaled::sqrtb0;
using scaled::sqrtb1;
using scaled::sqrtb2;
using simd::Vec;

enum class Method {
  Fill,      // every element 0, through the fill primitive (before len is looked at)
  Tables2,   // sqrtb2[x >> 8] for x >= 4096, else sqrtb1[x >> 4]; shifted right by -s
  Tables3,   // as Tables2, but sqrtb0[x] for x < 32
  Single,    // sqrt(x) in double, times 2^s, rounded to single precision, truncated toward
             // zero; a value above the largest saturates
  Double,    // sqrt(x) * 2^s in double, truncated toward zero; above the largest saturates
  Saturate,  // the largest value for x > 0, 0 otherwise
};

// x >= 0, at most 32767.  All three entries are read (each index stays within its table)
// and the right one picked without a branch.
inline int from_tables(int x, bool small_roots) {
  const int t2 = sqrtb2[x >> 8], t1 = sqrtb1[(x >> 4) & 255], t0 = sqrtb0[x & 31];
  return scaled::pick(small_roots && x < 32, t0, scaled::pick(x >= 4096, t2, t1));
}

// ---- the computed bands on registers -------------------------------------------------------
//
// The square-root instructions are correctly rounded, as sqrt is, and every other step is
// the same IEEE operation as in the element rule, so the lanes give the element rule's bits.

// sqrt(x) * p in double precision for 32-bit lanes x >= 0: the low and the high half.
struct Roots {
  Vec<double> lo, hi;
  Roots(Vec<int32_t> x, Vec<double> p)
      : lo(simd::vsqrt(simd::to_double_lo(x)) * p), hi(simd::vsqrt(simd::to_double_hi(x)) * p) {}
};

// Single: the roots rounded to single precision, truncated; from 2^31 on the lane gets
// 2147483647 (the truncation alone gives -2147483648 there).
inline Vec<int32_t> single_lanes(Vec<int32_t> x, Vec<double> p) {
  const Roots r(x, p);
  const Vec<float> y = simd::to_float(r.lo, r.hi);
  return simd::trunc_i32(y) ^ (y >= 2147483648.0f);
}
// Double: the roots truncated, at most 2147483647.
inline Vec<int32_t> double_lanes(Vec<int32_t> x, Vec<double> p) {
  const Roots r(x, p);
  const Vec<double> top = simd::splat(2147483647.0);
  return simd::trunc_i32(simd::vmin(r.lo, top), simd::vmin(r.hi, top));
}

// Single for 16-bit x: the root of x as a single, times 2^s in single precision.  Scaling by
// a power of two commutes with rounding, and for every x below 2^24 the single root is the
// double root rounded to single precision (no such x has a double root on a single-precision
// half-way point; the exhaustive 16-bit tests check every x against the double formula), so
// these lanes give the element rule's bits at half the cost of double roots.
inline Vec<int32_t> single_lanes_small(Vec<int32_t> x, Vec<float> p) {
  const Vec<float> y = simd::vsqrt(simd::to_float(x)) * p;
  return simd::trunc_i32(y) ^ (y >= 2147483648.0f);
}

// A band kernel on registers of T, negative lanes already 0: 32-bit lanes directly, 16-bit
// lanes widened, computed, and narrowed back with saturation at 32767.
template <class T, class K>
inline Vec<T> on_lanes(Vec<T> x, K kernel) {
  if constexpr (sizeof(T) == 4) {
    return kernel(x);
  } else {
    return simd::narrow<int16_t>(kernel(simd::widen_lo(x)), kernel(simd::widen_hi(x)));
  }
}

template <class T, int NB, class Fill>
inline QvxStatus sqrt_shift(const T* src, T* dst, int len, int s, const Band<Method> (&bands)[NB],
                            Fill fill) {
  const Method method = scaled::band_of(bands, s).method;
  if (method == Method::Fill) return fill(dst, len);
  if (len < 1) return QVX_STS_NO_ERR;
  // f gives the result for x >= 0; the vector path's lanes g for lanes x >= 0.
  const auto run = [&](auto f) {
    scaled::each(src, dst, len, [&](T x) { return f(scaled::pick(x < 0, T{0}, x)); });
  };
  const auto run_lanes = [&](auto f, auto g) {
    map(len, Out<T>{dst},
        rule([&](T x) { return f(x < 0 ? T{0} : x); },
             [&](Vec<T> x) { return g(simd::vmax(x, simd::zero<T>())); }),
        In<T>{src});
  };
  switch (method) {
    case Method::Fill:
      break;
    case Method::Tables2:
    case Method::Tables3: {
      const bool small_roots = method == Method::Tables3;
      run([&](T x) { return static_cast<T>(from_tables(x, small_roots) >> -s); });  // x >= 0
      break;
    }
    case Method::Single: {
      const double p = scaled::pow2(s);
      const Vec<double> pv = simd::splat(p);
      const Vec<float> pf = simd::splat(static_cast<float>(p));
      run_lanes(
          [&](T x) { return saturate_trunc<T>(static_cast<float>(sqrt(static_cast<double>(x)) * p)); },
          [&](Vec<T> x) {
            return on_lanes<T>(x, [&](Vec<int32_t> w) {
              return sizeof(T) == 2 ? single_lanes_small(w, pf) : single_lanes(w, pv);
            });
          });
      break;
    }
    case Method::Double: {
      const double p = scaled::pow2(s);
      const Vec<double> pv = simd::splat(p);
      run_lanes([&](T x) { return saturate_trunc<T>(sqrt(static_cast<double>(x)) * p); },
                [&](Vec<T> x) { return on_lanes<T>(x, [&](Vec<int32_t> w) { return double_lanes(w, pv); }); });
      break;
    }
    case Method::Saturate: {
      const Vec<T> top = simd::splat(scaled::top<T>());
      run_lanes([](T x) { return x > 0 ? scaled::top<T>() : T{0}; },
                [&](Vec<T> x) { return simd::select(x > simd::zero<T>(), top, simd::zero<T>()); });
      break;
    }
  }
  return QVX_STS_NO_ERR;
}

// Single and Double appear twice where the largest value can only be reached in the upper of
// the two bands; the store saturates in both.
constexpr Band<Method> kBands16S[] = {
    {INT_MIN, Method::Fill}, {-7, Method::Tables2}, {-3, Method::Tables3},
    {0, Method::Single},     {8, Method::Single},   {15, Method::Saturate},
};
constexpr Band<Method> kBands32S[] = {
    {INT_MIN, Method::Fill}, {-15, Method::Single}, {8, Method::Double},
    {16, Method::Double},    {31, Method::Saturate},
};

}  // namespace

// Each member: its bands and the fill primitive of the zero fill.
QVX_DEFINE(QvxStatus, Vector_SqrtShift_16S, (const Qvx16s* src, Qvx16s* dst, int len, int sf)) {
  return sqrt_shift(src, dst, len, sf, kBands16S, fixed::kSet16S);
}
QVX_DEFINE(QvxStatus, Vector_SqrtShift_32S, (const Qvx32s* src, Qvx32s* dst, int len, int sf)) {
  return sqrt_shift(src, dst, len, sf, kBands32S, fixed::kSet32S);
}
