// Elementary functions of real vectors, one table of the members: each against the C math
// library called element by element (values, errno and exception flags), the domain checks
// (the default NaN, no call, so no errno and no flag) among them, in both precisions on random
// values with the edges of the domains and ranges, and SinCos's aliasing.
//
// The single-precision fast path (every member but Sqrt) gets, besides, inputs of every
// reason an element leaves it (outside the safe range, on its edges, special values, results
// near a rounding midpoint, results beyond the float normal range) mixed with ordinary values
// at every lane position.  Under a rounding mode other than the default (and with
// flush-to-zero or denormals-are-zero) the element loop must run: directed rounding shows
// whether it did.  tools/verify_math runs the same rule over all 2^32 inputs.
#include <xmmintrin.h>

#include <algorithm>

#include "elementary_check.h"

namespace elem_test {
namespace {

template <class T>
using Call = void (*)(const T*, T* const*, int);

// The rules in test form: the domain checks are ordered comparisons in the element's
// precision and write the default NaN; everything else is the C function in double (f32,
// where given, in single precision).
enum Domain { kEverywhere, kUnit, kNonNegative };
struct Member {
  const char* name;
  double (*f)(double);
  double (*g)(double);  // the second result (SinCos's cosine), or null
  float (*f32)(float);
  Domain domain;
  Call<float> call32;
  Call<double> call64;
  float ordinary_lo, ordinary_hi;  // ordinary arguments: kept by the fast path (none: no path)
  std::vector<float> edges;        // the safe range's bounds and the function's telling values
};

#define CALLS(N, ...)                                                                      \
  [](const float* s, float* const* d, int n) { qvx_Vector_##N##_32F(s, __VA_ARGS__, n); }, \
      [](const double* s, double* const* d, int n) { qvx_Vector_##N##_64F(s, __VA_ARGS__, n); }

#define EDGES(...) std::vector<float>({__VA_ARGS__})

const std::vector<Member>& members() {
  static const std::vector<Member> m = {
      {"Sin", sin, nullptr, nullptr, kEverywhere, CALLS(Sin, d[0]), -100, 100,
       EDGES(0x1p-12f, 0x1p17f, 3.1415927f)},
      {"Cos", cos, nullptr, nullptr, kEverywhere, CALLS(Cos, d[0]), -100, 100,
       EDGES(0x1p-12f, 0x1p17f, 1.5707964f)},
      {"Tan", tan, nullptr, nullptr, kEverywhere, CALLS(Tan, d[0]), -100, 100,
       EDGES(0x1p-12f, 0x1p17f, 1.5707964f)},
      {"SinCos", sin, cos, nullptr, kEverywhere, CALLS(SinCos, d[0], d[1]), -100, 100,
       EDGES(0x1p-12f, 0x1p17f, 3.1415927f)},
      // exp: 87 and 88.5 bound the safe range; 88.72284 overflows the float range, below
      // -87.33655 the result is a float denormal, below -103.97 it is zero.
      {"Exp", exp, nullptr, nullptr, kEverywhere, CALLS(Exp, d[0]), -80, 80,
       EDGES(0x1p-24f, 87.0f, 88.5f, 88.72284f, -87.33655f, -103.97208f, 1e-30f)},
      {"Log", log, nullptr, nullptr, kNonNegative, CALLS(Log, d[0]), 1e-30f, 1e30f,
       EDGES(0x1p-126f, 1.0f, FLT_MAX, 0x1p-149f)},
      // atan: the reduction's thresholds tan(pi/8) and tan(3 pi/8) besides the safe range.
      {"Atan", atan, nullptr, nullptr, kEverywhere, CALLS(Atan, d[0]), -100, 100,
       EDGES(0x1p-12f, 0x1p64f, 0.41421357f, 2.4142137f)},
      {"Asin", asin, nullptr, nullptr, kUnit, CALLS(Asin, d[0]), -1, 1,
       EDGES(0x1p-12f, 1.0f, 0.5f)},
      {"Acos", acos, nullptr, nullptr, kUnit, CALLS(Acos, d[0]), -1, 1,
       EDGES(0x1p-12f, 1.0f, 0.5f)},
      {"Sqrt", sqrt, nullptr, sqrtf, kEverywhere, CALLS(Sqrt, d[0]), 0, 0, EDGES()},
  };
  return m;
}

template <class T>
void model(const Member& m, T x, T* r) {
  if ((m.domain == kUnit && fabs(x) > 1) || (m.domain == kNonNegative && x < 0)) {
    r[0] = std::numeric_limits<T>::quiet_NaN();
  } else if (sizeof(T) == 4 && m.f32 != nullptr) {
    r[0] = static_cast<T>(m.f32(static_cast<float>(x)));
  } else {
    r[0] = in_double(x, m.f);
    if (m.g != nullptr) r[1] = in_double(x, m.g);
  }
}

// Values at the edges of the domains and ranges: |x| = 1 and its neighbours, signed zeros,
// exp's overflow and underflow thresholds in both precisions, large trigonometric arguments.
template <class T>
std::vector<T> real_data(const std::string& name) {
  Rng rng(std::hash<std::string>()(name));
  const T one_up = nextafter(T(1), T(2)), one_down = nextafter(T(1), T(0));
  return values<T>(rng, 3000,
                   {T(1), T(-1), one_up, -one_up, one_down, -one_down, T(0), -T(0), T(88.72),
                    T(89), T(-103.9), T(709.78), T(710), T(-745.2), T(1e22), T(-1e300),
                    std::numeric_limits<T>::denorm_min(), -std::numeric_limits<T>::infinity(),
                    std::numeric_limits<T>::infinity(), std::numeric_limits<T>::quiet_NaN()});
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
std::vector<float> fast_path_inputs(const Member& m, Rng& rng) {
  std::vector<float> v;
  for (float e : m.edges) {
    for (float s : {e, -e}) {
      float lo = s, hi = s;
      for (int k = 0; k < 3; ++k) {
        v.insert(v.end(), {lo, hi});
        lo = nextafterf(lo, -INFINITY);
        hi = nextafterf(hi, INFINITY);
      }
    }
  }
  v.insert(v.end(), {0.0f, -0.0f, kInfF, -kInfF, kNanF, qvxt::f32_bits(0x7FA00001u),
                     qvxt::f32_bits(0xFFC00123u), FLT_MIN, -FLT_MIN, 0x1p-149f, 1e38f, -3e38f});
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

// One member on `src` against the model (values, errno, flags).
template <class T>
void check_member(const Member& m, Call<T> call, const std::string& name,
                  const std::vector<T>& src) {
  check_outputs<T, T>(name, m.g != nullptr ? 2 : 1, call, src, [&m](T x, T* r) { model(m, x, r); });
}

// SinCos's dstCos may be the source.
template <class T>
void sincos_in_place(QvxStatus (*fn)(const T*, T*, T*, int), const std::vector<T>& src) {
  const int n = static_cast<int>(src.size());
  std::vector<T> s(n), c(n), inout(src), s2(n);
  fn(src.data(), s.data(), c.data(), n);
  fn(inout.data(), s2.data(), inout.data(), n);
  EXPECT_TRUE(qvxt::same_elements(s2.data(), s.data(), n));
  EXPECT_TRUE(qvxt::same_elements(inout.data(), c.data(), n));
}

TEST(ElementaryReal, EveryMemberIsItsLibraryCall) {
  for (const Member& m : members()) {
    const std::string n32 = m.name + std::string("_32F"), n64 = m.name + std::string("_64F");
    std::vector<float> src32 = real_data<float>(n32);
    if (m.ordinary_hi > m.ordinary_lo) {
      Rng rng(std::hash<std::string>()(n32));
      const std::vector<float> fast = fast_path_inputs(m, rng);
      src32.insert(src32.begin(), fast.begin(), fast.end());
    }
    check_member(m, m.call32, n32, src32);
    check_member(m, m.call64, n64, real_data<double>(n64));
  }
  sincos_in_place(qvx_Vector_SinCos_32F, real_data<float>("SinCos_32F"));
  sincos_in_place(qvx_Vector_SinCos_64F, real_data<double>("SinCos_64F"));
}

// The fast path only in the default mode: under directed rounding the element loop's
// conversion rounds up, down or toward zero, which the fast path's results would not show.
TEST(FastPath, OtherModesRunTheElementLoop) {
  const struct {
    const char* name;
    unsigned csr;
  } modes[] = {{"upward", 0x1F80 | 0x4000},
               {"downward", 0x1F80 | 0x2000},
               {"toward zero", 0x1F80 | 0x6000},
               {"flush-to-zero and denormals-are-zero", 0x1F80 | 0x8000 | 0x40}};
  for (const Member& m : members()) {
    if (!(m.ordinary_hi > m.ordinary_lo)) continue;
    Rng rng(std::hash<std::string>()(m.name) + 2);
    const std::vector<float> src = fast_path_inputs(m, rng);
    const int n = static_cast<int>(src.size());
    for (const auto& mode : modes) {
      std::vector<float> got(2 * n), want(2 * n);
      float* const d[2] = {got.data(), got.data() + n};
      const unsigned saved = _mm_getcsr();
      _mm_setcsr(mode.csr);
      m.call32(src.data(), d, n);
      for (int i = 0; i < n; ++i) {
        float r[2] = {};
        model(m, src[i], r);
        want[i] = r[0];
        want[n + i] = r[1];
      }
      _mm_setcsr(saved);
      for (int k = 0; k < (m.g != nullptr ? 2 : 1); ++k)
        EXPECT_TRUE(qvxt::same_elements(&got[k * n], &want[k * n], n))
            << m.name << "_32F, " << mode.name;
    }
  }
}

}  // namespace
}  // namespace elem_test
