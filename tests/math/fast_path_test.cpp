// The single-precision fast path (Sin, Cos, Tan, SinCos, Exp, Log, Atan, Asin, Acos): one
// table of the members and, for each, inputs of every reason an element leaves the fast
// path (outside the safe range, on its edges, special values, results near a rounding
// midpoint, results beyond the float normal range), mixed with ordinary values at every lane
// position.  Each input alone, repeated over whole registers and in the mixed vector must
// give the C library's float, errno and flags.  Under a rounding mode other than the default
// (and with flush-to-zero or denormals-are-zero) the element loop must run: directed
// rounding shows whether it did.  tools/verify_math runs the same rule over all 2^32 inputs.
#include <xmmintrin.h>

#include <algorithm>

#include "elementary_check.h"

namespace elem_test {
namespace {

using Call = void (*)(const float*, float* const*, int);
using Model = void (*)(float, float*);

struct Member {
  const char* name;
  int outs;
  Call call;
  Model model;
  double (*f)(double);             // for the search of results near a midpoint
  float ordinary_lo, ordinary_hi;  // ordinary arguments: kept by the fast path
  std::vector<float> edges;        // the safe range's bounds and the function's telling values
};

#define UNARY(N) [](const float* s, float* const* d, int n) { qvx_Vector_##N##_32F(s, d[0], n); }
#define MODEL(f) [](float x, float* r) { r[0] = static_cast<float>(f(static_cast<double>(x))); }

double c_sin_d(double x) { return sin(x); }
double c_cos_d(double x) { return cos(x); }
double c_tan_d(double x) { return tan(x); }
double c_exp_d(double x) { return exp(x); }
double c_log_d(double x) { return log(x); }
double c_atan_d(double x) { return atan(x); }
double c_asin_d(double x) { return asin(x); }
double c_acos_d(double x) { return acos(x); }
// The arc sine and cosine give the default NaN without a call beyond [-1, 1].
#define UNIT_MODEL(f)                                                            \
  [](float x, float* r) {                                                        \
    r[0] = fabsf(x) > 1 ? kNanF : static_cast<float>(f(static_cast<double>(x))); \
  }

const std::vector<Member>& members() {
  static const std::vector<Member> m = {
      {"Sin_32F", 1, UNARY(Sin), MODEL(sin), c_sin_d, -100, 100, {0x1p-12f, 0x1p17f, 3.1415927f}},
      {"Cos_32F", 1, UNARY(Cos), MODEL(cos), c_cos_d, -100, 100, {0x1p-12f, 0x1p17f, 1.5707964f}},
      {"Tan_32F", 1, UNARY(Tan), MODEL(tan), c_tan_d, -100, 100, {0x1p-12f, 0x1p17f, 1.5707964f}},
      {"SinCos_32F",
       2,
       [](const float* s, float* const* d, int n) { qvx_Vector_SinCos_32F(s, d[0], d[1], n); },
       [](float x, float* r) {
         r[0] = static_cast<float>(sin(static_cast<double>(x)));
         r[1] = static_cast<float>(cos(static_cast<double>(x)));
       },
       c_sin_d,
       -100,
       100,
       {0x1p-12f, 0x1p17f, 3.1415927f}},
      // exp: 88 and 89 bound the safe range; 88.72284 overflows the float range, below
      // -87.33655 the result is a float denormal, below -103.97 it is zero.
      {"Exp_32F",
       1,
       UNARY(Exp),
       MODEL(exp),
       c_exp_d,
       -80,
       80,
       {0x1p-24f, 88.0f, 89.0f, 88.72284f, -87.33655f, -103.97208f, 1e-30f}},
      {"Log_32F",
       1,
       UNARY(Log),
       [](float x, float* r) {
         r[0] = x < 0 ? kNanF : static_cast<float>(log(static_cast<double>(x)));
       },
       c_log_d,
       1e-30f,
       1e30f,
       {0x1p-126f, 1.0f, FLT_MAX, 0x1p-149f}},
      // atan: the reduction's thresholds tan(pi/8) and tan(3 pi/8) besides the safe range.
      {"Atan_32F",
       1,
       UNARY(Atan),
       MODEL(atan),
       c_atan_d,
       -100,
       100,
       {0x1p-12f, 0x1p64f, 0.41421357f, 2.4142137f}},
      {"Asin_32F", 1, UNARY(Asin), UNIT_MODEL(asin), c_asin_d, -1, 1, {0x1p-12f, 1.0f, 0.5f}},
      {"Acos_32F", 1, UNARY(Acos), UNIT_MODEL(acos), c_acos_d, -1, 1, {0x1p-12f, 1.0f, 0.5f}},
  };
  return m;
}

// Arguments whose double result lies within 2^-36 (relative) of the midpoint between two
// floats: the fast path cannot decide them and must hand them to the library.
std::vector<float> near_midpoints(const Member& m, float from, int want) {
  std::vector<float> out;
  float x = from;
  for (int k = 0; k < (1 << 21) && static_cast<int>(out.size()) < want; ++k) {
    x = nextafterf(x, INFINITY);
    const uint64_t b = qvxt::bits_of(fabs(m.f(x)));
    const int64_t d = static_cast<int64_t>(b & 0x1FFFFFFF) - 0x10000000;
    if (d >= -(1 << 17) && d <= (1 << 17)) out.push_back(x);
  }
  return out;
}

// Every reason to leave the fast path, and ordinary values, for one member.
std::vector<float> inputs(const Member& m, Rng& rng) {
  std::vector<float> v;
  for (float e : m.edges) {
    for (float s : {e, -e}) {
      float lo = s, hi = s;
      for (int k = 0; k < 3; ++k) {
        v.push_back(lo);
        v.push_back(hi);
        lo = nextafterf(lo, -INFINITY);
        hi = nextafterf(hi, INFINITY);
      }
    }
  }
  const float special[] = {0.0f,
                           -0.0f,
                           kInfF,
                           -kInfF,
                           kNanF,
                           qvxt::f32_bits(0x7FA00001u),
                           qvxt::f32_bits(0xFFC00123u),
                           FLT_MIN,
                           -FLT_MIN,
                           0x1p-149f,
                           1e38f,
                           -3e38f};
  v.insert(v.end(), special, special + sizeof special / sizeof special[0]);
  const std::vector<float> mid = near_midpoints(m, m.ordinary_lo > 0 ? 1.5f : 0.75f, 12);
  EXPECT_GE(mid.size(), 4u) << m.name << ": few results near a midpoint found";
  v.insert(v.end(), mid.begin(), mid.end());
  // Ordinary arguments, three times as many, so that blocks mix kept and library lanes.
  const size_t n = 3 * v.size();
  for (size_t k = 0; k < n; ++k) {
    const double u = static_cast<double>(rng() >> 11) * 0x1p-53;
    v.push_back(m.ordinary_lo > 0
                    ? static_cast<float>(m.ordinary_lo * pow(m.ordinary_hi / m.ordinary_lo, u))
                    : static_cast<float>(m.ordinary_lo + (m.ordinary_hi - m.ordinary_lo) * u));
  }
  std::shuffle(v.begin(), v.end(), rng);
  return v;
}

// One member on `src`: each element alone and repeated over kRepeat elements, then the
// whole vector, against the model (values, errno, flags).
void check_member(const Member& m, const std::vector<float>& src) {
  const int n = static_cast<int>(src.size()), o = m.outs;
  std::vector<float> got(2 * n), want(2 * n), all(2 * n), rep(2 * kRepeat), rep_in(kRepeat);
  per_element(
      m.name, n,
      [&](int i) {
        float* const d[2] = {&got[i], &got[n + i]};
        m.call(&src[i], d, 1);
        rep_in.assign(kRepeat, src[i]);
        float* const r[2] = {rep.data(), rep.data() + kRepeat};
        m.call(rep_in.data(), r, kRepeat);
      },
      [&](int i) {
        float r[2];
        m.model(src[i], r);
        want[i] = r[0];
        want[n + i] = r[1];
      },
      [&](int i) {
        ::testing::AssertionResult r = ::testing::AssertionSuccess();
        for (int k = 0; k < o && r; ++k) {
          r = qvxt::same_elements(&got[k * n + i], &want[k * n + i], 1);
          for (int j = 0; j < kRepeat && r; ++j)
            r = qvxt::same_elements(&rep[k * kRepeat + j], &want[k * n + i], 1);
        }
        return r;
      },
      [&] {
        float* const d[2] = {all.data(), all.data() + n};
        m.call(src.data(), d, n);
      },
      [&] {
        ::testing::AssertionResult r = ::testing::AssertionSuccess();
        for (int k = 0; k < o && r; ++k) r = qvxt::same_elements(&all[k * n], &want[k * n], n);
        return r;
      });
}

TEST(FastPath, EveryReasonToLeaveItGivesTheLibraryCall) {
  for (const Member& m : members()) {
    Rng rng(std::hash<std::string>()(m.name));
    check_member(m, inputs(m, rng));
  }
}

// The fast path only in the default mode: under directed rounding the element loop's
// conversion rounds up, down or toward zero, which the fast path's results would not show.
TEST(FastPath, OtherModesRunTheElementLoop) {
  struct Mode {
    const char* name;
    unsigned csr;
  };
  const Mode modes[] = {{"upward", 0x1F80 | 0x4000},
                        {"downward", 0x1F80 | 0x2000},
                        {"toward zero", 0x1F80 | 0x6000},
                        {"flush-to-zero and denormals-are-zero", 0x1F80 | 0x8000 | 0x40}};
  for (const Member& m : members()) {
    Rng rng(std::hash<std::string>()(m.name) + 2);
    const std::vector<float> src = inputs(m, rng);
    const int n = static_cast<int>(src.size());
    for (const Mode& mode : modes) {
      std::vector<float> got(2 * n), want(2 * n);
      float* const d[2] = {got.data(), got.data() + n};
      const unsigned saved = _mm_getcsr();
      _mm_setcsr(mode.csr);
      m.call(src.data(), d, n);
      for (int i = 0; i < n; ++i) {
        float r[2];
        m.model(src[i], r);
        want[i] = r[0];
        want[n + i] = r[1];
      }
      _mm_setcsr(saved);
      for (int k = 0; k < m.outs; ++k)
        EXPECT_TRUE(qvxt::same_elements(&got[k * n], &want[k * n], n))
            << m.name << ", " << mode.name;
    }
  }
}

}  // namespace
}  // namespace elem_test
