// Elementary functions of real vectors: each member against the C math library called
// element by element (values, errno and exception flags), the domain checks (the default NaN,
// no call, so no errno and no flag) among them, and SinCos's aliasing.
#include "elementary_check.h"

namespace elem_test {
namespace {

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

// The rules in test form: the domain checks are ordered comparisons in the element's
// precision and write the default NaN; everything else is the C function in double.
template <class T>
T nan_of() {
  return std::numeric_limits<T>::quiet_NaN();
}
const auto unit = [](auto f) {
  return [f](auto x) { return fabs(x) > 1 ? nan_of<decltype(x)>() : in_double(x, f); };
};
const auto non_negative = [](auto f) {
  return [f](auto x) { return x < 0 ? nan_of<decltype(x)>() : in_double(x, f); };
};
const auto everywhere = [](auto f) { return [f](auto x) { return in_double(x, f); }; };

const auto c_acos = [](double x) { return acos(x); };
const auto c_asin = [](double x) { return asin(x); };
const auto c_atan = [](double x) { return atan(x); };
const auto c_cos = [](double x) { return cos(x); };
const auto c_sin = [](double x) { return sin(x); };
const auto c_tan = [](double x) { return tan(x); };
const auto c_exp = [](double x) { return exp(x); };
const auto c_log = [](double x) { return log(x); };

#define CHECK_REAL(N, rule, f)                                                   \
  check_unary(#N "_32F", qvx_Vector_##N##_32F, real_data<float>(#N "_32F"), rule(f)); \
  check_unary(#N "_64F", qvx_Vector_##N##_64F, real_data<double>(#N "_64F"), rule(f))

TEST(ElementaryReal, EveryMemberIsItsLibraryCall) {
  CHECK_REAL(Acos, unit, c_acos);
  CHECK_REAL(Asin, unit, c_asin);
  CHECK_REAL(Atan, everywhere, c_atan);
  CHECK_REAL(Cos, everywhere, c_cos);
  CHECK_REAL(Sin, everywhere, c_sin);
  CHECK_REAL(Tan, everywhere, c_tan);
  CHECK_REAL(Exp, everywhere, c_exp);
  CHECK_REAL(Log, non_negative, c_log);
  // The square roots in the element's own precision.
  check_unary("Sqrt_32F", qvx_Vector_Sqrt_32F, real_data<float>("Sqrt_32F"),
              [](float x) { return sqrtf(x); });
  check_unary("Sqrt_64F", qvx_Vector_Sqrt_64F, real_data<double>("Sqrt_64F"),
              [](double x) { return sqrt(x); });
}

TEST(ElementaryReal, SinCosAsTwoCalls) {
  const auto run = [](const std::string& name, auto fn, const auto& src) {
    using T = typename std::decay_t<decltype(src)>::value_type;
    const int n = static_cast<int>(src.size());
    std::vector<T> gs(n), gc(n), ws(n), wc(n), as(n), ac(n);
    per_element(
        name, n, [&](int i) { fn(&src[i], &gs[i], &gc[i], 1); },
        [&](int i) {
          ws[i] = in_double(src[i], c_sin);
          wc[i] = in_double(src[i], c_cos);
        },
        [&](int i) {
          auto r = qvxt::same_elements(&gs[i], &ws[i], 1);
          return r ? qvxt::same_elements(&gc[i], &wc[i], 1) : r;
        },
        [&] { fn(src.data(), as.data(), ac.data(), n); },
        [&] {
          auto r = qvxt::same_elements(as.data(), ws.data(), n);
          if (r) r = qvxt::same_elements(ac.data(), wc.data(), n);
          // dstCos may be the source.
          std::vector<T> inout(src), s(n);
          fn(inout.data(), s.data(), inout.data(), n);
          if (r) r = qvxt::same_elements(s.data(), ws.data(), n);
          if (r) r = qvxt::same_elements(inout.data(), wc.data(), n);
          return r;
        });
  };
  run("SinCos_32F", qvx_Vector_SinCos_32F, real_data<float>("SinCos_32F"));
  run("SinCos_64F", qvx_Vector_SinCos_64F, real_data<double>("SinCos_64F"));
}

}  // namespace
}  // namespace elem_test
