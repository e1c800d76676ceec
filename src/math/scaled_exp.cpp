// ExpShift: exp(x) * 2^s of 16- and 32-bit integers.  Scale factors near 0 look the rounded
// result up in the block of their scale factor (the table band); all others compute exp in
// floating point and truncate (the computed band).
#include <math.h>

#include "core/convert.h"
#include "core/export.h"
#include "math/scaled_bands.h"
#include "math/scaled_tables.h"

namespace {

using namespace qvx;
using scaled::Table;

// Table band: the block of s holds rnd(exp(x) * 2^s) for the N values of x from x0 (0 for
// s <= 0, -W for s >= 1); below the window every result rounds to 0, above it to the
// saturated value, exactly as the blocks' last entries do.
// The entry is read at the index clamped into the block, then replaced without a branch
// where x lies outside the window.
template <class T, int N>
inline T from_block(const Table<T, N>& block, int x0, T x) {
  const int64_t k = static_cast<int64_t>(x) - x0;  // x + W overflows int at the top
  const T v = block[static_cast<int>(k < 0 ? 0 : k >= N ? N - 1 : k)];
  return scaled::pick(k < 0, T{0}, scaled::pick(k >= N, scaled::top<T>(), v));
}

// Computed band, 16S: c = ln 2 * s as a double product rounded once to single precision;
// x + c in single precision, exp of it in double, y rounded to single precision, then
// truncated toward zero (y above 32767 gives 32767).
struct ExpSingle {
  float c;
  explicit ExpSingle(int s) : c(static_cast<float>(scaled::kLn2 * static_cast<double>(s))) {}
  Qvx16s operator()(Qvx16s x) const {
    const float t = static_cast<float>(x) + c;
    const float y = static_cast<float>(exp(static_cast<double>(t)));
    return saturate_trunc<Qvx16s>(y);
  }
};

// Computed band, 32S: c = ln 2 * s, x + c and exp in double precision, truncated toward zero
// (y above 2147483647 gives 2147483647).
struct ExpDouble {
  double c;
  explicit ExpDouble(int s) : c(scaled::kLn2 * static_cast<double>(s)) {}
  Qvx32s operator()(Qvx32s x) const {
    return saturate_trunc<Qvx32s>(exp(static_cast<double>(x) + c));
  }
};

// Blocks for s = -Smax .. Smax, block index s + Smax.
template <class T, int N, int B, class Computed>
inline QvxStatus exp_shift(const T* src, T* dst, int len, int s, const Table<Table<T, N>, B>& blocks,
                           int W) {
  constexpr int Smax = (B - 1) / 2;
  if (len < 1) return QVX_STS_NO_ERR;
  if (s >= -Smax && s <= Smax) {
    const Table<T, N>& block = blocks[s + Smax];
    const int x0 = s <= 0 ? 0 : -W;
    scaled::each(src, dst, len, [&](T x) { return from_block(block, x0, x); });
  } else {
    scaled::each(src, dst, len, Computed(s));
  }
  return QVX_STS_NO_ERR;
}

}  // namespace

// Each member: the blocks of its table band (-16 .. 16, 25 values of x each; -31 .. 31, 45
// each), the offset W of the blocks for s >= 1 (x from -W), and the computed band for every
// other scale factor.
QVX_DEFINE(QvxStatus, Vector_ExpShift_16S, (const Qvx16s* src, Qvx16s* dst, int len, int sf)) {
  return exp_shift<Qvx16s, 25, 33, ExpSingle>(src, dst, len, sf, scaled::qvx_Exp_Tab_16S, 12);
}
QVX_DEFINE(QvxStatus, Vector_ExpShift_32S, (const Qvx32s* src, Qvx32s* dst, int len, int sf)) {
  return exp_shift<Qvx32s, 45, 63, ExpDouble>(src, dst, len, sf, scaled::qvx_Exp_Tab_32S, 22);
}
