// LogShift: ln(x) * 2^s of 16- and 32-bit integers, by bands of the scale factor: a constant,
// steps at listed thresholds, a fixed-point approximation from byte tables (with or without a
// first-order correction), a double-precision log, a small table of ln 2 .. ln 7, or the
// saturated value.  x <= 0 gives the lowest value of the type in every band.
#include <limits.h>
#include <math.h>

#include "core/convert.h"
#include "core/export.h"
#include "core/loops.h"
#include "math/scaled_bands.h"
#include "math/scaled_tables.h"

namespace {

using namespace qvx;
using scaled::Band;
using scaled::qvx_Inv_sh20;
using scaled::qvx_log_sh27;
using scaled::qvx_logb_8U;
using scaled::qvx_mulLn2_sh27;
using scaled::Table;
using simd::Vec;

// ---- ln(x) * 2^27 in fixed point -------------------------------------------------------------

// b, the number of bits of x (x >= 1) above its top 8: from the bit length of the high byte
// for 16-bit data, of the highest nonzero byte of the top three for 32-bit data (all three
// looked up, the byte picked without a branch).
inline int excess_bits(Qvx16s x) { return qvx_logb_8U[x >> 8]; }
inline int excess_bits(Qvx32s x) {
  const uint32_t u = static_cast<uint32_t>(x);
  const int b3 = 16 + qvx_logb_8U[u >> 24], b2 = 8 + qvx_logb_8U[(u >> 16) & 255];
  const int b1 = qvx_logb_8U[(u >> 8) & 255];
  return scaled::pick((u >> 24) != 0, b3, scaled::pick((u >> 16) != 0, b2, b1));
}

// A(x) = ln(m) * 2^27 + b ln 2 * 2^27 for x = m * 2^b + (bits below m), m its top 8 bits.
template <class T>
inline uint32_t approx(T x) {
  const int b = excess_bits(x);
  return qvx_log_sh27[x >> b] + qvx_mulLn2_sh27[b];
}

// A(x) + C(x): C is the first-order term of ln(1 + r / (m * 2^b)), r / (m * 2^b) * 2^27, for
// the bits r below m, with qvx_Inv_sh20[m] = 2^20 / m: for 16-bit x, the b low bits placed in
// a 7-bit field times it; for 32-bit x, the 11 bits just below m times it, divided by 16.
inline uint32_t interpolated(Qvx16s x) {
  const int b = excess_bits(x);
  const uint32_t u = static_cast<uint32_t>(x), m = u >> b;
  const uint32_t r7 = (u << (7 - b)) & 127u;
  return qvx_log_sh27[m] + qvx_mulLn2_sh27[b] + r7 * qvx_Inv_sh20[m];
}
inline uint32_t interpolated(Qvx32s x) {
  const int b = excess_bits(x);
  const uint32_t u = static_cast<uint32_t>(x), m = u >> b;
  const uint32_t r11 = ((u << (23 - b)) >> 12) & 2047u;
  return qvx_log_sh27[m] + qvx_mulLn2_sh27[b] + ((r11 * qvx_Inv_sh20[m]) >> 4);
}

// ---- the bands ---------------------------------------------------------------------------------

// The result for x >= 1 in each band (x <= 0 gives the lowest value everywhere):
enum class Method {
  Zero,          // 0
  Steps,         // the number of thresholds of s that x has reached
  Approx,        // A(x) >> (27 - s), a floor
  Interpolated,  // (A(x) + C(x)) >> (27 - s), at most the largest value
  Double,        // log(x) * 2^s in double, truncated toward zero, saturated
  SmallTable,    // the small table's entry x for x <= 7, else the largest value
  Two,           // 0 for x = 1, the member's value of ln 2 for x = 2, else the largest value
  Saturate,      // 0 for x = 1, else the largest value
};

// The thresholds of a Steps band at one scale factor: the result is k from the k-th on.
struct StepList {
  int s;
  int32_t from[10];  // ascending, then zeros
};

// True when every scale factor of the member's Steps bands has its list.
template <int NB, int NS>
constexpr bool lists_complete(const Band<Method> (&bands)[NB], const StepList (&lists)[NS]) {
  for (int k = 0; k + 1 < NB; ++k) {
    if (bands[k].method != Method::Steps) continue;
    for (int s = bands[k].from; s < bands[k + 1].from; ++s) {
      int found = 0;
      for (const StepList& l : lists) found += l.s == s;
      if (found != 1) return false;
    }
  }
  return true;
}

template <class T>
inline T steps_result(const int32_t (&from)[10], T x) {
  T k = 0;
  for (int32_t t : from) k = static_cast<T>(k + (t != 0 && x >= t));
  return k;
}

// The bands of a few values (Zero, Steps, SmallTable, Two, Saturate) on registers: for
// x >= 1 the value of the last step x has reached, v0 before the first; for x <= 0 the lowest
// value.  The values never decrease along the steps of any band, so the value is v0 plus the
// rises of the steps reached, and every partial sum lies between v0 and the last value.
template <class T>
struct Staircase {
  T last;
  int n = 0;
  Vec<T> v0, from[10], rise[10];
  explicit Staircase(T first) : last(first), v0(simd::splat(first)) {}
  void step(T at, T value) {
    from[n] = simd::splat(at);
    rise[n] = simd::splat(static_cast<T>(value - last));
    last = value;
    ++n;
  }
  Vec<T> operator()(Vec<T> x) const {
    Vec<T> r = v0;
    for (int k = 0; k < n; ++k) r += (x >= from[k]) & rise[k];
    return simd::select(x > simd::zero<T>(), r, simd::splat(static_cast<T>(-scaled::top<T>() - 1)));
  }
};

template <class T, int NB, int NS>
inline QvxStatus log_shift(const T* src, T* dst, int len, int s, const Band<Method> (&bands)[NB],
                           const StepList (&steps)[NS], const Table<T, 8>& small, T two) {
  if (len < 1) return QVX_STS_NO_ERR;
  constexpr T lowest = static_cast<T>(-scaled::top<T>() - 1), top = scaled::top<T>();
  // f gives the result for x >= 1.  In the table bands it sees 1 in place of x <= 0 (so
  // that no table is read out of range) and the lowest value is picked without a branch; a
  // call of log is worth a branch that skips it.  With a staircase, blocks take the vector
  // path.
  const auto elem = [](auto f) {
    return [f](T x) {
      const bool low = x <= 0;
      return scaled::pick(low, lowest, f(scaled::pick(low, T{1}, x)));
    };
  };
  const auto run = [&](auto f) { scaled::each(src, dst, len, elem(f)); };
  const auto run_branch = [&](auto f) {
    scaled::each(src, dst, len, [f](T x) { return x <= 0 ? lowest : f(x); });
  };
  const auto run_stairs = [&](auto f, const Staircase<T>& st) {
    map(len, Out<T>{dst}, rule(elem(f), [&](Vec<T> x) { return st(x); }), In<T>{src});
  };
  Staircase<T> st(0);
  switch (scaled::band_of(bands, s).method) {
    case Method::Zero:
      run_stairs([](T) { return T{0}; }, st);
      break;
    case Method::Steps:
      for (const StepList& l : steps) {
        if (l.s != s) continue;
        for (int k = 0; k < 10 && l.from[k] != 0; ++k) st.step(static_cast<T>(l.from[k]), static_cast<T>(k + 1));
        run_stairs([&](T x) { return steps_result(l.from, x); }, st);
      }
      break;
    case Method::Approx:
      run([&](T x) { return static_cast<T>(approx(x) >> (27 - s)); });
      break;
    case Method::Interpolated:
      run([&](T x) {
        const uint32_t v = interpolated(x) >> (27 - s);
        return v > static_cast<uint32_t>(top) ? top : static_cast<T>(v);
      });
      break;
    case Method::Double: {
      const double p = scaled::pow2(s);
      run_branch([&](T x) { return saturate_trunc<T>(log(static_cast<double>(x)) * p); });
      break;
    }
    case Method::SmallTable:
      st = Staircase<T>(small[1]);
      for (int x = 2; x <= 7; ++x) st.step(static_cast<T>(x), small[x]);
      st.step(8, top);
      run_stairs([&](T x) { return x > 7 ? top : small[x]; }, st);
      break;
    case Method::Two:
      st.step(2, two);
      st.step(3, top);
      run_stairs([&](T x) { return x == 1 ? T{0} : x == 2 ? two : top; }, st);
      break;
    case Method::Saturate:
      st.step(2, top);
      run_stairs([&](T x) { return x == 1 ? T{0} : top; }, st);
      break;
  }
  return QVX_STS_NO_ERR;
}

// ---- the members ---------------------------------------------------------------------------------

constexpr Band<Method> kBands16S[] = {
    {INT_MIN, Method::Zero},   {-4, Method::Steps},      {1, Method::Approx},
    {8, Method::Interpolated}, {14, Method::SmallTable}, {15, Method::Two},
    {16, Method::Saturate},
};
constexpr StepList kSteps16S[] = {
    {0, {2, 5, 13, 34, 91, 245, 666, 1809, 4915, 13360}},
    {-1, {3, 21, 149, 1097, 8104}},
    {-2, {8, 404, 22027}},
    {-3, {55}},
    {-4, {2981}},
};

constexpr Band<Method> kBands32S[] = {
    {INT_MIN, Method::Zero},   {-4, Method::Steps},  {-1, Method::Approx},
    {8, Method::Interpolated}, {16, Method::Double}, {30, Method::SmallTable},
    {31, Method::Two},         {32, Method::Saturate},
};
// At s = -2 the steps to 3, 4 and 5 come at 22026, 1202604 and 65659969, one below where
// rnd(ln(x) / 4) takes them (and one below the 16-bit member's 22027).
constexpr StepList kSteps32S[] = {
    {-2, {8, 404, 22026, 1202604, 65659969}},
    {-3, {55, 162755, 485165196}},
    {-4, {2981}},
};

static_assert(lists_complete(kBands16S, kSteps16S) && lists_complete(kBands32S, kSteps32S),
              "a threshold list for every scale factor of the threshold bands");

}  // namespace

// Each member: its bands, its threshold lists, its table of ln 2 .. ln 7, and its value of
// ln 2 in the band of s = 15 (16S, rnd(ln 2 * 2^15)) or s = 31 (32S, floor(ln 2 * 2^31)).
QVX_DEFINE(QvxStatus, Vector_LogShift_16S, (const Qvx16s* src, Qvx16s* dst, int len, int sf)) {
  return log_shift(src, dst, len, sf, kBands16S, kSteps16S, scaled::qvx_Log_Tab_16S_14, Qvx16s{22713});
}
QVX_DEFINE(QvxStatus, Vector_LogShift_32S, (const Qvx32s* src, Qvx32s* dst, int len, int sf)) {
  return log_shift(src, dst, len, sf, kBands32S, kSteps32S, scaled::qvx_Log_Tab_32S_30,
                   Qvx32s{1488522235});
}
