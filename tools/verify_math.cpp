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
// their safe range lies within 2^-48 of a nonzero multiple of pi/2 (the reduction's error is then
// below 2^-51 relative).
#include "verify_math.h"

#include <dlfcn.h>
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
using Rule = void (*)(float, float*);

float default_nan() { return from_bits(0x7FC00000u); }

struct Function {
  const char* name;
  int outs;
  Lib lib;
  Rule rule;
  std::vector<float> edges;  // boundaries of the safe range and other telling values
  float lo, hi;              // ordinary arguments: uniform in [lo, hi], or log-uniform if lo > 0
};

#define UNARY_LIB(N) \
  [](const float* s, float* const* d, int n) { qvx_Vector_##N##_32F(s, d[0], n); }

const std::vector<Function>& functions() {
  static const std::vector<Function> fs = {
      {"Sin_32F",
       1,
       UNARY_LIB(Sin),
       [](float x, float* r) { r[0] = (float)sin((double)x); },
       {0x1p-12f, 0x1p17f, 1.5707964f, 3.1415927f, 1e4f, 1e5f},
       -100,
       100},
      {"Cos_32F",
       1,
       UNARY_LIB(Cos),
       [](float x, float* r) { r[0] = (float)cos((double)x); },
       {0x1p-12f, 0x1p17f, 1.5707964f, 3.1415927f, 1e4f, 1e5f},
       -100,
       100},
      {"SinCos_32F",
       2,
       [](const float* s, float* const* d, int n) { qvx_Vector_SinCos_32F(s, d[0], d[1], n); },
       [](float x, float* r) {
         r[0] = (float)sin((double)x);
         r[1] = (float)cos((double)x);
       },
       {0x1p-12f, 0x1p17f, 1.5707964f, 3.1415927f},
       -100,
       100},
      {"Tan_32F",
       1,
       UNARY_LIB(Tan),
       [](float x, float* r) { r[0] = (float)tan((double)x); },
       {0x1p-12f, 0x1p17f, 1.5707964f, 0.7853982f},
       -100,
       100},
      {"Exp_32F",
       1,
       UNARY_LIB(Exp),
       [](float x, float* r) { r[0] = (float)exp((double)x); },
       {0x1p-24f, 88.0f, 89.0f, 88.72284f, -87.33655f, -103.97208f, 0.6931472f},
       -80,
       80},
      {"Log_32F",
       1,
       UNARY_LIB(Log),
       [](float x, float* r) { r[0] = x < 0 ? default_nan() : (float)log((double)x); },
       {0x1p-126f, 1.0f, FLT_MAX, 2.0f, 0.5f, 1.4142135f, 0.70710677f},
       1e-30f,
       1e30f},
      {"Atan_32F",
       1,
       UNARY_LIB(Atan),
       [](float x, float* r) { r[0] = (float)atan((double)x); },
       {0x1p-12f, 0x1p64f, 0.41421357f, 2.4142137f, 1.0f},
       -100,
       100},
      {"Asin_32F",
       1,
       UNARY_LIB(Asin),
       [](float x, float* r) { r[0] = fabsf(x) > 1 ? default_nan() : (float)asin((double)x); },
       {0x1p-12f, 1.0f, 0.5f},
       -1,
       1},
      {"Acos_32F",
       1,
       UNARY_LIB(Acos),
       [](float x, float* r) { r[0] = fabsf(x) > 1 ? default_nan() : (float)acos((double)x); },
       {0x1p-12f, 1.0f, 0.5f},
       -1,
       1},
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
inline void clear_sse_flags() { _mm_setcsr(_mm_getcsr() & ~0x3Fu); }
inline int sse_flags() { return static_cast<int>(_mm_getcsr() & 0x3Fu); }
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

void report(const Function& f, long long* shown, const char* what, float x, const float* got,
            const float* want, Effects eg, Effects ew) {
  if ((*shown)++ >= 8) return;
  fprintf(stderr, "%s %s x=%a (0x%08x):", f.name, what, x, to_bits(x));
  for (int k = 0; k < f.outs; ++k)
    fprintf(stderr, " got 0x%08x want 0x%08x", to_bits(got[k]), to_bits(want[k]));
  fprintf(stderr, " errno %d/%d flags 0x%x/0x%x\n", eg.err, ew.err, eg.flags, ew.flags);
}

// The inputs x[0..n) (n <= kBlock) of one function: block call, then element calls.
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
  t.library_calls = verify::t_calls / f.outs;
  const Effects ew = effects([&] {
    for (int i = 0; i < n; ++i) {
      float r[2];
      f.rule(x[i], r);
      for (int k = 0; k < f.outs; ++k) w[k][i] = r[k];
    }
  });
  for (int i = 0; i < n; ++i) {
    bool same = true;
    for (int k = 0; k < f.outs; ++k) same &= to_bits(g[k][i]) == to_bits(w[k][i]);
    if (!same) {
      ++t.mismatches;
      const float gi[2] = {g[0][i], g[1][i]}, wi[2] = {w[0][i], w[1][i]};
      report(f, shown, "bits", x[i], gi, wi, eg, ew);
    }
  }
  if (eg != ew) {
    ++t.mismatches;
    fprintf(stderr, "%s block of %d from x=%a: errno %d/%d flags 0x%x/0x%x\n", f.name, n, x[0],
            eg.err, ew.err, eg.flags, ew.flags);
  }
  if (!elements) return t;
  for (int i = 0; i < n; ++i) {
    float gi[2] = {0, 0}, wi[2] = {0, 0};
    float* gp[2] = {&gi[0], &gi[1]};
    const Effects e1 = sse_effects([&] { f.lib(x + i, gp, 1); });
    const Effects e2 = sse_effects([&] { f.rule(x[i], wi); });
    bool same = e1 != e2 ? false : true;
    for (int k = 0; k < f.outs; ++k) same &= to_bits(gi[k]) == to_bits(wi[k]);
    if (!same) {
      ++t.mismatches;
      report(f, shown, "alone", x[i], gi, wi, e1, e2);
    }
  }
  return t;
}

// ---- the inputs -----------------------------------------------------------------------

// The k-th input of the run: every pattern, or the stratified sample's k-th.
struct Inputs {
  bool stratified;
  std::vector<uint32_t> extra;  // the boundary neighbourhoods (stratified only)
  long long count() const {
    return stratified ? (1LL << 22) + static_cast<long long>(extra.size()) : (1LL << 32);
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
      std::vector<float> x(kBlock);
      for (;;) {
        const long long start = next.fetch_add(chunk);
        if (start >= total) break;
        const long long end = start + chunk < total ? start + chunk : total;
        for (long long b = start; b < end; b += kBlock) {
          const int n = static_cast<int>(end - b < kBlock ? end - b : kBlock);
          for (int i = 0; i < n; ++i) x[i] = from_bits(in.at(b + i));
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
      " at distance 2^%.1f (the kernels need more than 2^-48).\n\n",
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
  }
  float* d[2] = {y.data(), z.data()};
  verify::t_calls = 0;
  verify::t_counting = true;
  f.lib(x.data(), d, static_cast<int>(x.size()));
  verify::t_counting = false;
  return 100.0 * static_cast<double>(verify::t_calls / f.outs) / static_cast<double>(x.size());
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
    trig |= f.edges[0] == 0x1p-12f;
    Inputs in{stratified, stratified ? edges(f) : std::vector<uint32_t>()};
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
    printf("| %s | %s in [%g, %g] | %.5f %% |\n", f.name, f.lo > 0 ? "log-uniform" : "uniform",
           static_cast<double>(f.lo), static_cast<double>(f.hi), ordinary_fallback_rate(f));
  }
  printf("\n");
  if (trig && !stratified) nearest_multiple_of_half_pi();
  printf("%s\n", failed ? "FAILED" : "All results, errno values and exception flags agree.");
  return failed ? 1 : 0;
}
