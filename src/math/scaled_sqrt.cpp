// SqrtShift: sqrt(x) * 2^s of 16- and 32-bit integers, a negative x counting as 0, by bands of
// the scale factor: a zero fill of the whole destination, byte tables of rounded roots shifted
// right (16S), the root in double precision scaled and rounded to single precision or kept in
// double, then truncated toward zero, or the saturated value.
#include <limits.h>
#include <math.h>

#include "core/convert.h"
#include "core/export.h"
#include "fixed/scale.h"
#include "math/scaled_bands.h"
#include "math/scaled_tables.h"

namespace {

using namespace qvx;
using scaled::Band;
using scaled::sqrtb0;
using scaled::sqrtb1;
using scaled::sqrtb2;

enum class Method {
  Fill,      // every element 0, through the fill primitive (before len is looked at)
  Tables2,   // sqrtb2[x >> 8] for x >= 4096, else sqrtb1[x >> 4]; shifted right by -s
  Tables3,   // as Tables2, but sqrtb0[x] for x < 32
  Single,    // sqrt(x) in double, times 2^s, rounded to single precision, truncated toward
             // zero; a value above the largest saturates
  Double,    // sqrt(x) * 2^s in double, truncated toward zero; above the largest saturates
  Saturate,  // the largest value for x > 0, 0 otherwise
};

// x >= 0, at most 32767.
inline int from_tables(int x, bool small_roots) {
  if (x >= 4096) return sqrtb2[x >> 8];
  if (small_roots && x < 32) return sqrtb0[x];
  return sqrtb1[x >> 4];
}

template <class T, int NB, class Fill>
inline QvxStatus sqrt_shift(const T* src, T* dst, int len, int s, const Band<Method> (&bands)[NB],
                            Fill fill) {
  const Method method = scaled::band_of(bands, s).method;
  if (method == Method::Fill) return fill(dst, len);
  if (len < 1) return QVX_STS_NO_ERR;
  // f gives the result for x >= 0.
  const auto run = [&](auto f) {
    scaled::each(src, dst, len, [&](T x) { return f(x < 0 ? T{0} : x); });
  };
  switch (method) {
    case Method::Fill:
      break;
    case Method::Tables2:
    case Method::Tables3: {
      const bool small_roots = method == Method::Tables3;
      run([&](T x) { return static_cast<T>(from_tables(x, small_roots) >> -s); });
      break;
    }
    case Method::Single: {
      const double p = scaled::pow2(s);
      run([&](T x) {
        return saturate_trunc<T>(static_cast<float>(sqrt(static_cast<double>(x)) * p));
      });
      break;
    }
    case Method::Double: {
      const double p = scaled::pow2(s);
      run([&](T x) { return saturate_trunc<T>(sqrt(static_cast<double>(x)) * p); });
      break;
    }
    case Method::Saturate:
      run([](T x) { return x > 0 ? scaled::top<T>() : T{0}; });
      break;
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
