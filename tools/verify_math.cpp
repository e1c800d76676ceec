// make verify-math: the single-precision elementary functions against their element rule
// (the C math library's double function, called element by element, rounded once to float),
// on every one of the 2^32 float inputs or on a stratified sample of them.
//
//   qvx_verify_math [--stratified] [--elements|--no-elements] [--only=Sin_32F,Exp_32F]
//   [--threads=N]
//
// The inputs go through in chunks, one chunk at a time per thread, checked against the rule
// computed here:
//   - in blocks of 1024 consecutive inputs: every result's bits (NaN bits included), and
//     errno and the five exception flags the whole call leaves, against those of the rule run
//     over the same elements in order.  Consecutive bit patterns are neighbouring values, so
//     a block lies mostly inside or outside a function's safe range;
//   - with --elements (the default of the stratified run), also element by element, the
//     library called with len 1: bits, errno and flags of each element alone, so a flag that
//     only some elements raise cannot hide in a block.  It takes several times as long.
// The library's own calls into the C math library are counted (this program takes over sin,
// cos, tan, exp and log and passes each call on): every such call is an element the fast
// path left to the library, its "fallback".  The stratified sample is every 1024th bit
// pattern (with a varying offset, so every low-bit residue occurs) plus the neighbourhood of
// every boundary of the functions' safe ranges and of the special values.
//
// The trigonometric kernels rest on one more fact, checked here too: no float argument in
// their safe range lies within 2^-30 of a nonzero multiple of pi/2 (the reduction's error is then
// below 2^-40 relative).
#include "verify_math.h"

#include <dlfcn.h>
#include <emmintrin.h>
#include <errno.h>
#include <fenv.h>
#include <float.h>
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <xmmintrin.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "qvx_vector.h"

namespace {

float from_bits(uint32_t b) {
  float f;
  memcpy(&f, &b, sizeof f);
  return f;
}
uint32_t to_bits(float f) {
  uint32_t b;
  memcpy(&b, &f, sizeof b);
  return b;
}

// ---- the functions and their element rules ----------------------------------------------

using Lib = void (*)(const float*, float* const*, int);
// The element rule of one element from its parts (one float, or the pair (x, y)).
using Rule = void (*)(const float*, float*);

float default_nan() { return from_bits(0x7FC00000u); }
// The 16-bit pair stored in one 32-bit input, as doubles.
struct Pair16 {
  double x, y;
};
Pair16 pair16(const float* p) {
  int16_t z[2];
  memcpy(z, p, sizeof z);
  return {static_cast<double>(z[0]), static_cast<double>(z[1])};
}
// atan2(y, x) rounded, but for a zero element: +0 for x = +0 and pi for x = -0, with the
// sign of y.
float phase_rule(float x, float y) {
  if (x == 0 && y == 0) return copysignf(signbit(x) ? (float)3.141592653589793 : 0.0f, y);
  return (float)atan2((double)y, (double)x);
}

// A double stored as a 16-bit part: saturated, else truncated toward zero by the processor's
// conversion (a NaN gives the low half of -2147483648, 0, and raises invalid), as a float.
float int16_part(double t) {
  if (t > 32767.0) return 32767;
  if (t < -32768.0) return -32768;
  return static_cast<float>(static_cast<int16_t>(_mm_cvttsd_si32(_mm_set_sd(t))));
}

// The power's rule: its special cases in their order, then pow in double, rounded.  Not
// inlined, so that no conversion of a constant exponent is folded away with its flag.
__attribute__((noinline)) float pow_rule(float x, float y) {
  // The first three cases look at the bits (no comparison, so no flag for a signalling NaN).
  const uint32_t bx = to_bits(x), by = to_bits(y);
  if ((by & 0x7FFFFFFFu) == 0) return 1;
  if (bx == 0x3F800000u) return 1;
  if ((by & 0x7FFFFFFFu) > 0x7F800000u || (bx & 0x7FFFFFFFu) > 0x7F800000u) return y + x;
  if (isinf(y)) return x == -1 ? 1 : (fabsf(x) < 1) == (y < 0) ? INFINITY : 0.0f;
  if (x > 0) return (float)pow((double)x, (double)y);
  // The parity by a truncating conversion below 2^24 (inexact for a fraction, as there).
  const auto parity = [y] {
    if (!(fabsf(y) < 0x1p24f)) return 0;
    const int32_t i = _mm_cvttss_si32(_mm_set_ss(y));
    return (float)i != y ? 2 : (i & 1);
  };
  if (x == 0 && y < 0) return signbit(x) && parity() == 1 ? -1 / fabsf(x) : 1 / fabsf(x);
  if (x < 0 && parity() == 0) return (float)pow(fabs((double)x), (double)y);
  return (float)pow((double)x, (double)y);
}

// PowC classifies its exponent once, before the elements, by the same conversion (so a
// fraction raises inexact even where no element calls pow).
float powc_rule(float x, float val) {
  volatile float v = val;
  volatile int32_t classified = _mm_cvttss_si32(_mm_set_ss(v));
  (void)classified;
  return pow_rule(x, val);
}

// A function of complex vectors, its results' parts taken apart.
template <QvxStatus (*Fn)(const Qvx32fc*, Qvx32fc*, int)>
void complex_lib(const float* s, float* const* d, int n) {
  thread_local std::vector<float> r;
  r.resize(2 * size_t(n));
  Fn(reinterpret_cast<const Qvx32fc*>(s), reinterpret_cast<Qvx32fc*>(r.data()), n);
  for (int i = 0; i < n; ++i) d[0][i] = r[2 * i], d[1][i] = r[2 * i + 1];
}

struct Function {
  const char* name;
  int outs;
  Lib lib;
  Rule rule;
  std::vector<float> edges;  // boundaries of the safe range and other telling values
  float lo, hi;              // ordinary arguments: uniform in [lo, hi], or log-uniform if lo > 0
  int parts = 1;             // floats per element: 1, or 2 for (x, y) pairs
  int calls = 0;             // library calls per element left to the library, if not outs
};

#define UNARY_LIB(N) \
  [](const float* s, float* const* d, int n) { qvx_Vector_##N##_32F(s, d[0], n); }

const std::vector<Function>& functions() {
  static const std::vector<Function> fs = {
      {"Sin_32F",
       1,
       UNARY_LIB(Sin),
       [](const float* x, float* r) { r[0] = (float)sin((double)x[0]); },
       {0x1p-12f, 0x1p17f, 1.5707964f, 3.1415927f, 1e4f, 1e5f},
       -100,
       100},
      {"Cos_32F",
       1,
       UNARY_LIB(Cos),
       [](const float* x, float* r) { r[0] = (float)cos((double)x[0]); },
       {0x1p-12f, 0x1p17f, 1.5707964f, 3.1415927f, 1e4f, 1e5f},
       -100,
       100},
      {"SinCos_32F",
       2,
       [](const float* s, float* const* d, int n) { qvx_Vector_SinCos_32F(s, d[0], d[1], n); },
       [](const float* x, float* r) {
         r[0] = (float)sin((double)x[0]);
         r[1] = (float)cos((double)x[0]);
       },
       {0x1p-12f, 0x1p17f, 1.5707964f, 3.1415927f},
       -100,
       100},
      {"Tan_32F",
       1,
       UNARY_LIB(Tan),
       [](const float* x, float* r) { r[0] = (float)tan((double)x[0]); },
       {0x1p-12f, 0x1p17f, 1.5707964f, 0.7853982f},
       -100,
       100},
      {"Exp_32F",
       1,
       UNARY_LIB(Exp),
       [](const float* x, float* r) { r[0] = (float)exp((double)x[0]); },
       {0x1p-24f, 87.0f, 88.5f, 88.72284f, -87.33655f, -103.97208f, 0.6931472f},
       -80,
       80},
      {"Log_32F",
       1,
       UNARY_LIB(Log),
       [](const float* x, float* r) { r[0] = x[0] < 0 ? default_nan() : (float)log((double)x[0]); },
       {0x1p-126f, 1.0f, FLT_MAX, 2.0f, 0.5f, 1.4142135f, 0.70710677f},
       1e-30f,
       1e30f},
      {"Atan_32F",
       1,
       UNARY_LIB(Atan),
       [](const float* x, float* r) { r[0] = (float)atan((double)x[0]); },
       {0x1p-12f, 0x1p64f, 0.41421357f, 2.4142137f, 1.0f},
       -100,
       100},
      {"Asin_32F",
       1,
       UNARY_LIB(Asin),
       [](const float* x, float* r) {
         r[0] = fabsf(x[0]) > 1 ? default_nan() : (float)asin((double)x[0]);
       },
       {0x1p-12f, 1.0f, 0.5f},
       -1,
       1},
      {"Acos_32F",
       1,
       UNARY_LIB(Acos),
       [](const float* x, float* r) {
         r[0] = fabsf(x[0]) > 1 ? default_nan() : (float)acos((double)x[0]);
       },
       {0x1p-12f, 1.0f, 0.5f},
       -1,
       1},
      {"Ampl_32FC",
       1,
       [](const float* s, float* const* d, int n) {
         qvx_Vector_Ampl_32FC(reinterpret_cast<const Qvx32fc*>(s), d[0], n);
       },
       [](const float* p, float* r) { r[0] = (float)hypot((double)p[0], (double)p[1]); },
       {},
       -100,
       100,
       2},
      {"Phase_32FC",
       1,
       [](const float* s, float* const* d, int n) {
         qvx_Vector_Phase_32FC(reinterpret_cast<const Qvx32fc*>(s), d[0], n);
       },
       [](const float* p, float* r) { r[0] = phase_rule(p[0], p[1]); },
       {},
       -100,
       100,
       2},
      {"DescartToPolar_32F",
       2,
       [](const float* s, float* const* d, int n) {
         qvx_Vector_DescartToPolar_32F(s, d[0], d[1], n);
       },
       [](const float* p, float* r) {
         r[0] = (float)hypot((double)p[0], (double)p[1]);
         r[1] = phase_rule(p[0], p[1]);
       },
       {},
       -100,
       100,
       2},
      // Polar (m, p) pairs: taken apart into a magnitude and a phase vector for the call.
      {"PolarToDescart_32F",
       2,
       [](const float* s, float* const* d, int n) {
         thread_local std::vector<float> m, p, r;
         m.resize(n), p.resize(n), r.resize(2 * size_t(n));
         for (int i = 0; i < n; ++i) m[i] = s[2 * i], p[i] = s[2 * i + 1];
         qvx_Vector_PolarToDescart_32F(m.data(), p.data(), r.data(), n);
         for (int i = 0; i < n; ++i) d[0][i] = r[2 * i], d[1][i] = r[2 * i + 1];
       },
       [](const float* x, float* r) {
         const double m = x[0], p = x[1];
         r[0] = (float)(m * cos(p));
         r[1] = (float)(m * sin(p));
       },
       {},
       -100,
       100,
       2},
      {"Pow_32F",
       1,
       [](const float* s, float* const* d, int n) {
         thread_local std::vector<float> x, y;
         x.resize(n), y.resize(n);
         for (int i = 0; i < n; ++i) x[i] = s[2 * i], y[i] = s[2 * i + 1];
         qvx_Vector_Pow_32F(x.data(), y.data(), d[0], n);
       },
       [](const float* p, float* r) { r[0] = pow_rule(p[0], p[1]); },
       {},
       0.1f,
       10,
       2},
      // A constant exponent, all 2^32 bases each: one that roots (exact results at the
      // squares) and one with a fraction and a sign.
      {"PowC_32F(0.5)",
       1,
       [](const float* s, float* const* d, int n) { qvx_Vector_PowC_32F(s, 0.5f, d[0], n); },
       [](const float* x, float* r) { r[0] = powc_rule(x[0], 0.5f); },
       {1.0f, 4.0f, 0x1p-126f},
       0.1f,
       10},
      {"PowC_32F(-2.75)",
       1,
       [](const float* s, float* const* d, int n) { qvx_Vector_PowC_32F(s, -2.75f, d[0], n); },
       [](const float* x, float* r) { r[0] = powc_rule(x[0], -2.75f); },
       {1.0f, 0x1p-126f, 1e13f},
       0.1f,
       10},
      {"PolarToDescart_16S",
       2,
       [](const float* s, float* const* d, int n) {
         thread_local std::vector<float> m, p;
         thread_local std::vector<int16_t> r;
         m.resize(n), p.resize(n), r.resize(2 * size_t(n));
         for (int i = 0; i < n; ++i) m[i] = s[2 * i], p[i] = s[2 * i + 1];
         qvx_Vector_PolarToDescart_16S(m.data(), p.data(), r.data(), n);
         for (int i = 0; i < n; ++i) d[0][i] = r[2 * i], d[1][i] = r[2 * i + 1];
       },
       [](const float* x, float* r) {
         double sn, cs;
         sincos((double)x[1], &sn, &cs);
         r[0] = int16_part(cs * (double)x[0]);
         r[1] = int16_part(sn * (double)x[0]);
       },
       {},
       -40000,
       40000,
       2,
       1},  // sincos
      {"Exp_32FC",
       2,
       complex_lib<qvx_Vector_Exp_32FC>,
       [](const float* x, float* r) {
         const double m = (float)exp((double)x[0]);
         double sn, cs;
         sincos((double)x[1], &sn, &cs);
         r[0] = (float)(m * cs);
         r[1] = (float)(m * sn);
       },
       {},
       -50,
       50,
       2},
      {"Log_32FC",
       2,
       complex_lib<qvx_Vector_Log_32FC>,
       [](const float* x, float* r) {
         r[0] = (float)log(hypot((double)x[1], (double)x[0]));
         r[1] = phase_rule(x[0], x[1]);
       },
       {},
       -100,
       100,
       2,
       3},  // hypot, log and atan2
      // 16-bit pairs: each 32-bit input pattern is one pair (x in its low half), so the
      // exhaustive run covers all 2^32 of them.
      {"Ampl_16SC",
       1,
       [](const float* s, float* const* d, int n) {
         qvx_Vector_Ampl_16SC(reinterpret_cast<const Qvx16sc*>(s), d[0], n);
       },
       [](const float* p, float* r) {
         const Pair16 z = pair16(p);
         r[0] = (float)hypot(z.x, z.y);
       },
       {},
       0,
       0},
      {"Phase_16SC",
       1,
       [](const float* s, float* const* d, int n) {
         qvx_Vector_Phase_16SC(reinterpret_cast<const Qvx16sc*>(s), d[0], n);
       },
       [](const float* p, float* r) {
         const Pair16 z = pair16(p);
         r[0] = (float)atan2(z.y, z.x);
       },
       {},
       0,
       0},
      {"DescartToPolar_16S",
       2,
       [](const float* s, float* const* d, int n) {
         qvx_Vector_DescartToPolar_16S(reinterpret_cast<const Qvx16s*>(s), d[0], d[1], n);
       },
       [](const float* p, float* r) {
         const Pair16 z = pair16(p);
         r[0] = (float)hypot(z.x, z.y);
         r[1] = (float)atan2(z.y, z.x);
       },
       {},
       0,
       0},
  };
  return fs;
}

// ---- one chunk --------------------------------------------------------------------------

struct Effects {
  int err, flags;
  bool operator!=(const Effects& o) const { return err != o.err || flags != o.flags; }
};
inline void barrier() { __asm__ volatile("" ::: "memory"); }
// The flags of the SSE unit, which is where the library and the C library's double
// functions raise them on x86-64 (fetestexcept also reads the x87 unit's, at many times the
// cost; the whole-block check below uses it and so sees both).
// The five IEEE flags only (0x3D): not the denormal-operand flag (0x02), an x86 extra that
// C's fenv leaves out (FE_ALL_EXCEPT) and that any comparison of a denormal may raise.
inline void clear_sse_flags() { _mm_setcsr(_mm_getcsr() & ~0x3Fu); }
inline int sse_flags() { return static_cast<int>(_mm_getcsr() & 0x3Du); }
template <class F>
Effects effects(F f) {
  errno = 0;
  feclearexcept(FE_ALL_EXCEPT);
  barrier();
  f();
  barrier();
  return {errno, fetestexcept(FE_ALL_EXCEPT)};
}
template <class F>
Effects sse_effects(F f) {
  errno = 0;
  clear_sse_flags();
  barrier();
  f();
  barrier();
  return {errno, sse_flags()};
}

struct Tally {
  long long inputs = 0, mismatches = 0, library_calls = 0;
  void add(const Tally& t) {
    inputs += t.inputs;
    mismatches += t.mismatches;
    library_calls += t.library_calls;
  }
};

constexpr int kBlock = 1024;

void report(const Function& f, long long* shown, const char* what, const float* x, const float* got,
            const float* want, Effects eg, Effects ew) {
  if ((*shown)++ >= 8) return;
  fprintf(stderr, "%s %s", f.name, what);
  for (int p = 0; p < f.parts; ++p) fprintf(stderr, " %a (0x%08x)", x[p], to_bits(x[p]));
  fprintf(stderr, ":");
  for (int k = 0; k < f.outs; ++k)
    fprintf(stderr, " got 0x%08x want 0x%08x", to_bits(got[k]), to_bits(want[k]));
  fprintf(stderr, " errno %d/%d flags 0x%x/0x%x\n", eg.err, ew.err, eg.flags, ew.flags);
}

// The same bits; but where a pair's NaN part meets another NaN (the other part's, or the
// default NaN that the library makes of an infinite argument), either may come out: the
// compiler picks the operand order of a product.  Any NaN matches a NaN there.
bool same_result(const Function& f, const float* x, float got, float want) {
  if (to_bits(got) == to_bits(want)) return true;
  return f.parts == 2 && (isnan(x[0]) || isnan(x[1])) && !isfinite(x[0]) && !isfinite(x[1]) &&
         isnan(got) && isnan(want);
}

// The inputs x[0..n) (n <= kBlock elements of f.parts floats) of one function: block call,
// then element calls.
Tally check(const Function& f, const float* x, int n, long long* shown, int elements) {
  Tally t;
  t.inputs = n;
  static thread_local std::vector<float> got[2], want[2];
  for (int k = 0; k < 2; ++k) {
    got[k].assign(kBlock, 0);
    want[k].assign(kBlock, 0);
  }
  float* g[2] = {got[0].data(), got[1].data()};
  float* w[2] = {want[0].data(), want[1].data()};
  verify::t_calls = 0;
  verify::t_counting = true;
  const Effects eg = effects([&] { f.lib(x, g, n); });
  verify::t_counting = false;
  t.library_calls = verify::t_calls / (f.calls ? f.calls : f.outs);
  const Effects ew = effects([&] {
    for (int i = 0; i < n; ++i) {
      float r[2];
      f.rule(x + f.parts * i, r);
      for (int k = 0; k < f.outs; ++k) w[k][i] = r[k];
    }
  });
  for (int i = 0; i < n; ++i) {
    bool same = true;
    for (int k = 0; k < f.outs; ++k) same &= same_result(f, x + f.parts * i, g[k][i], w[k][i]);
    if (!same) {
      ++t.mismatches;
      const float gi[2] = {g[0][i], g[1][i]}, wi[2] = {w[0][i], w[1][i]};
      report(f, shown, "bits", x + f.parts * i, gi, wi, eg, ew);
    }
  }
  if (eg != ew) {
    ++t.mismatches;
    fprintf(stderr, "%s block of %d from %a: errno %d/%d flags 0x%x/0x%x\n", f.name, n, x[0],
            eg.err, ew.err, eg.flags, ew.flags);
  }
  if (!elements) return t;
  for (int i = 0; i < n; ++i) {
    float gi[2] = {0, 0}, wi[2] = {0, 0};
    float* gp[2] = {&gi[0], &gi[1]};
    const Effects e1 = sse_effects([&] { f.lib(x + f.parts * i, gp, 1); });
    const Effects e2 = sse_effects([&] { f.rule(x + f.parts * i, wi); });
    bool same = e1 != e2 ? false : true;
    for (int k = 0; k < f.outs; ++k) same &= same_result(f, x + f.parts * i, gi[k], wi[k]);
    if (!same) {
      ++t.mismatches;
      report(f, shown, "alone", x + f.parts * i, gi, wi, e1, e2);
    }
  }
  return t;
}

// ---- the inputs -----------------------------------------------------------------------

// The k-th input of the run: every pattern, or the stratified sample's k-th; for pairs, the
// k-th of 2^28 (2^22 stratified) drawn pairs.
struct Inputs {
  bool stratified;
  std::vector<uint32_t> extra;  // the boundary neighbourhoods (stratified only)
  int parts = 1;
  long long count() const {
    if (parts == 2) return stratified ? (1LL << 22) : (1LL << 28);
    return stratified ? (1LL << 22) + static_cast<long long>(extra.size()) : (1LL << 32);
  }
  // The pair: one of ten kinds by k mod 10, the rest of k hashed: any bit patterns; ordinary
  // values; y near x tan(pi/8), x tan(3 pi/8) and x (the arc tangent's thresholds and a
  // ratio of 1); y a power of two times x (ratios from 2^-300 to 2^300 over the whole
  // exponent range); a special value (zeros, infinities, NaNs, the smallest and largest
  // floats) beside any pattern, either way round; a point near the unit circle; small
  // integers and halves.
  void pair(long long k, float* p) const {
    uint64_t h = static_cast<uint64_t>(k) * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull;
    const auto next = [&h] {
      h ^= h >> 29;
      h *= 0xBF58476D1CE4E5B9ull;
      h ^= h >> 32;
      return h;
    };
    const uint32_t a = static_cast<uint32_t>(next()), b = static_cast<uint32_t>(next() >> 32);
    const float x = from_bits(a), ordinary = static_cast<float>(static_cast<int32_t>(b)) * 0x1p-24f;
    const float nudge = 1 + static_cast<float>(static_cast<int32_t>(next()) >> 8) * 0x1p-46f;
    static const float special[] = {0.0f,    -0.0f,   INFINITY,     -INFINITY,
                                    NAN,     -NAN,    FLT_TRUE_MIN, -FLT_TRUE_MIN,
                                    FLT_MIN, FLT_MAX, -FLT_MAX,     1.0f};
    switch (k % 10) {
      case 0:
        p[0] = x, p[1] = from_bits(b);
        break;
      case 1:
        p[0] = static_cast<float>(static_cast<int32_t>(a)) * 0x1p-24f, p[1] = ordinary;
        break;
      case 2:
        p[0] = ordinary, p[1] = ordinary * 0.41421357f * nudge;
        break;
      case 3:
        p[0] = ordinary, p[1] = -ordinary * 2.4142137f * nudge;
        break;
      case 4:
        p[0] = -ordinary, p[1] = ordinary * nudge;
        break;
      case 5:
        p[0] = x, p[1] = ldexpf(x, static_cast<int>(b % 601) - 300) * nudge;
        break;
      case 6:
        p[0] = special[b % 12], p[1] = x;
        break;
      case 7:
        p[0] = x, p[1] = special[b % 12];
        break;
      case 9:  // small integers and halves: powers that are floats exactly
        p[0] = static_cast<float>(1 + b % 64) * ((a & 1) ? 0.25f : 1.0f);
        p[1] = static_cast<float>(static_cast<int>(a % 41) - 20) * 0.5f;
        break;
      default:  // on the unit circle, to a float's rounding: the logarithm's zero
        p[0] = static_cast<float>(cos(static_cast<double>(ordinary))) * nudge;
        p[1] = static_cast<float>(sin(static_cast<double>(ordinary)));
        break;
    }
  }
  uint32_t at(long long k) const {
    if (!stratified) return static_cast<uint32_t>(k);
    if (k < (1LL << 22))
      return static_cast<uint32_t>(k << 10) | ((static_cast<uint32_t>(k) * 613u) & 1023u);
    return extra[static_cast<size_t>(k - (1LL << 22))];
  }
};

std::vector<uint32_t> edges(const Function& f) {
  std::vector<float> values = f.edges;
  const float common[] = {0.0f, FLT_MIN, FLT_TRUE_MIN, 1.0f, FLT_MAX, INFINITY, NAN, 0.5f, 2.0f};
  values.insert(values.end(), common, common + sizeof common / sizeof common[0]);
  std::vector<uint32_t> out;
  for (float v : values)
    for (uint32_t sign : {0u, 0x80000000u})
      for (int d = -512; d <= 512; ++d) out.push_back(((to_bits(v) & 0x7FFFFFFFu) + d) | sign);
  // Signalling NaNs and NaN payloads.
  for (uint32_t b : {0x7F800001u, 0x7FA00000u, 0x7FC00001u, 0xFFFFFFFFu}) out.push_back(b);
  return out;
}

Tally run(const Function& f, const Inputs& in, int threads, int elements) {
  const long long total = in.count();
  const long long chunk = 1 << 16;
  std::atomic<long long> next{0};
  std::vector<Tally> tallies(threads);
  std::vector<long long> shown(threads, 0);
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t) {
    pool.emplace_back([&, t] {
      std::vector<float> x(2 * kBlock);
      for (;;) {
        const long long start = next.fetch_add(chunk);
        if (start >= total) break;
        const long long end = start + chunk < total ? start + chunk : total;
        for (long long b = start; b < end; b += kBlock) {
          const int n = static_cast<int>(end - b < kBlock ? end - b : kBlock);
          for (int i = 0; i < n; ++i) {
            if (f.parts == 2)
              in.pair(b + i, &x[2 * i]);
            else
              x[i] = from_bits(in.at(b + i));
          }
          tallies[t].add(check(f, x.data(), n, &shown[t], elements));
        }
      }
    });
  }
  for (auto& p : pool) p.join();
  Tally sum;
  for (const Tally& t : tallies) sum.add(t);
  return sum;
}

// The float in [2^-12, 2^17) nearest to a multiple of pi/2 (other than 0), and its distance,
// in long double: pi/2 to 2^-64 relative, so the distance is good to 2^-46 absolute.
void nearest_multiple_of_half_pi() {
  const long double half_pi = 1.5707963267948966192313216916397514L;
  long double best = 1;
  float at = 0;
  for (uint32_t b = to_bits(0x1p-12f); b < to_bits(0x1p17f); ++b) {
    const long double x = from_bits(b);
    const long double k = nearbyintl(x / half_pi);
    if (k == 0) continue;
    const long double r = fabsl(x - k * half_pi);
    if (r < best) {
      best = r;
      at = from_bits(b);
    }
  }
  printf(
      "Trigonometric reduction: the float nearest a multiple of pi/2 in [2^-12, 2^17) is %a,"
      " at distance 2^%.1f (the kernels need more than 2^-30).\n\n",
      at, static_cast<double>(log2l(best)));
}

// The share of ordinary arguments (uniform over a range a signal's values might take) that
// the fast path leaves to the library, over 2^24 of them.
double ordinary_fallback_rate(const Function& f) {
  std::vector<float> x(1 << 24), y(x.size()), z(x.size());
  uint64_t r = 0x9E3779B97F4A7C15ull;
  for (float& v : x) {
    r ^= r << 13;
    r ^= r >> 7;
    r ^= r << 17;
    const double u = static_cast<double>(r >> 11) * 0x1p-53;
    v = f.lo > 0 ? static_cast<float>(f.lo * pow(static_cast<double>(f.hi) / f.lo, u))
                 : static_cast<float>(f.lo + (f.hi - f.lo) * u);
    if (f.lo == f.hi) v = from_bits(static_cast<uint32_t>(r >> 32));  // any 16-bit pair
  }
  // Pairs of such values for the pair functions.
  const int n = static_cast<int>(x.size()) / f.parts;
  float* d[2] = {y.data(), z.data()};
  verify::t_calls = 0;
  verify::t_counting = true;
  f.lib(x.data(), d, n);
  verify::t_counting = false;
  return 100.0 * static_cast<double>(verify::t_calls / (f.calls ? f.calls : f.outs)) / n;
}

}  // namespace

int main(int argc, char** argv) {
  bool stratified = false;
  int elements = -1;  // the element pass: by default only in the stratified run
  int threads = 2;
  std::string only;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--stratified")
      stratified = true;
    else if (a == "--no-elements")
      elements = 0;
    else if (a == "--elements")
      elements = 1;
    else if (a.rfind("--only=", 0) == 0)
      only = "," + a.substr(7) + ",";
    else if (a.rfind("--threads=", 0) == 0)
      threads = atoi(a.c_str() + 10);
    else {
      fprintf(stderr,
              "usage: %s [--stratified] [--elements|--no-elements] [--only=Sin_32F,...] "
              "[--threads=N]\n",
              argv[0]);
      return 2;
    }
  }
  if (threads < 1) threads = 1;
  if (elements < 0) elements = stratified;
  verify::resolve();
  Dl_info lib;
  if (dladdr(reinterpret_cast<void*>(&qvx_Vector_Sin_32F), &lib) == 0) return 2;
  printf(
      "%s check of the single-precision elementary functions, %d threads, blocks of %d%s, %s\n\n",
      stratified ? "Stratified" : "Exhaustive", threads, kBlock,
      elements ? " and every element alone" : "", lib.dli_fname);
  bool trig = false;
  long long failed = 0;
  printf("| function | inputs | mismatches | fallbacks | fallback rate | seconds |\n");
  printf("|---|---:|---:|---:|---:|---:|\n");
  fflush(stdout);
  for (const Function& f : functions()) {
    if (!only.empty() && only.find("," + std::string(f.name) + ",") == std::string::npos) continue;
    trig |= !f.edges.empty() && f.edges[0] == 0x1p-12f;
    Inputs in{stratified, stratified && f.parts == 1 ? edges(f) : std::vector<uint32_t>(), f.parts};
    const auto t0 = std::chrono::steady_clock::now();
    const Tally t = run(f, in, threads, elements);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    printf("| %s | %lld | %lld | %lld | %.5f %% | %.0f |\n", f.name, t.inputs, t.mismatches,
           t.library_calls, 100.0 * t.library_calls / t.inputs, s);
    fflush(stdout);
    failed += t.mismatches;
  }
  printf("\n| function | ordinary arguments | fallback rate |\n|---|---|---:|\n");
  for (const Function& f : functions()) {
    if (!only.empty() && only.find("," + std::string(f.name) + ",") == std::string::npos) continue;
    char what[64];
    snprintf(what, sizeof what, "%s in [%g, %g]", f.lo > 0 ? "log-uniform" : "uniform",
             static_cast<double>(f.lo), static_cast<double>(f.hi));
    printf("| %s | %s | %.5f %% |\n", f.name, f.lo == f.hi ? "any 16-bit pairs" : what,
           ordinary_fallback_rate(f));
  }
  printf("\n");
  if (trig && !stratified) nearest_multiple_of_half_pi();
  printf("%s\n", failed ? "FAILED" : "All results, errno values and exception flags agree.");
  return failed ? 1 : 0;
}
