// Complex magnitude, phase, conjugates and polar form: models of the rules (zero rule,
// saturation, truncation, NaN to 0, sign-bit conjugation) calling the C math library element
// by element, on every pair of the parts' special values and on random elements.
#include "elementary_check.h"

namespace elem_test {
namespace {

using C16 = Qvx16sc;
using C32 = Qvx32fc;
using C64 = Qvx64fc;

template <class C>
std::vector<C> cdata(const std::string& name) {
  Rng rng(std::hash<std::string>()(name));
  std::vector<C> v;
  using P = part_of<C>;
  const P specials[] = {
      P(0), P(-0.0), P(1), P(-1), std::numeric_limits<P>::max(), std::numeric_limits<P>::lowest()};
  for (P a : specials)
    for (P b : specials) v.push_back(C{a, b});
  while (v.size() < 3000) v.push_back(qvxt::random_value<C>(rng));
  return v;
}

// Results: R is 32F for 16-bit and single-precision data, 64F for double.
template <class C>
using res_t = std::conditional_t<sizeof(C) == 16, double, float>;

template <class C>
res_t<C> model_ampl(C z) {
  return static_cast<res_t<C>>(hypot(static_cast<double>(z.re), static_cast<double>(z.im)));
}
template <class C>
res_t<C> model_ampl_sqr(C z) {
  const res_t<C> x = z.re, y = z.im;
  return x * x + y * y;
}
template <class C>
res_t<C> model_phase_of(C z) {
  return model_phase<res_t<C>>(z.re, z.im);
}
inline C16 model_conj(C16 z) {
  const int im = -z.im;
  return {z.re, static_cast<Qvx16s>(im > 32767 ? 32767 : im)};
}
template <class C>
C model_conj(C z) {
  C r = z;
  r.im = -z.im;  // negation flips the sign bit only, NaNs included
  return r;
}

TEST(Polar, MagnitudePhaseConjugate) {
  check_unary("Ampl_16SC", qvx_Vector_Ampl_16SC, cdata<C16>("Ampl_16SC"), model_ampl<C16>);
  check_unary("Ampl_32FC", qvx_Vector_Ampl_32FC, cdata<C32>("Ampl_32FC"), model_ampl<C32>);
  check_unary("Ampl_64FC", qvx_Vector_Ampl_64FC, cdata<C64>("Ampl_64FC"), model_ampl<C64>);
  check_unary("AmplSqr_16SC", qvx_Vector_AmplSqr_16SC, cdata<C16>("AmplSqr_16SC"),
              model_ampl_sqr<C16>);
  check_unary("AmplSqr_32FC", qvx_Vector_AmplSqr_32FC, cdata<C32>("AmplSqr_32FC"),
              model_ampl_sqr<C32>, Nan::Any);
  check_unary("AmplSqr_64FC", qvx_Vector_AmplSqr_64FC, cdata<C64>("AmplSqr_64FC"),
              model_ampl_sqr<C64>, Nan::Any);
  check_unary("Phase_16SC", qvx_Vector_Phase_16SC, cdata<C16>("Phase_16SC"), model_phase_of<C16>);
  check_unary("Phase_32FC", qvx_Vector_Phase_32FC, cdata<C32>("Phase_32FC"), model_phase_of<C32>);
  check_unary("Phase_64FC", qvx_Vector_Phase_64FC, cdata<C64>("Phase_64FC"), model_phase_of<C64>);
  check_unary("Conj_32FC", qvx_Vector_Conj_32FC, cdata<C32>("Conj_32FC"), model_conj<C32>);
  check_unary("Conj_64FC", qvx_Vector_Conj_64FC, cdata<C64>("Conj_64FC"), model_conj<C64>);
  // Every imaginary part of 16SC.
  std::vector<C16> all16;
  for (int y = -32768; y <= 32767; ++y)
    all16.push_back(C16{static_cast<Qvx16s>(y * 7), static_cast<Qvx16s>(y)});
  check_unary("Conj_16SC", qvx_Vector_Conj_16SC, all16, [](C16 z) { return model_conj(z); });
}

TEST(Polar, ConjFlipReversesTheConjugates) {
  const auto run = [](auto fn, auto data) {
    const size_t n = data.size();
    decltype(data) got(n);
    fn(data.data(), got.data(), static_cast<int>(n));
    for (size_t i = 0; i < n; ++i) data[n - 1 - i] = model_conj(data[n - 1 - i]);
    decltype(data) want(data.rbegin(), data.rend());
    return qvxt::same_elements(got.data(), want.data(), n);
  };
  EXPECT_TRUE(run(qvx_Vector_ConjFlip_16SC, cdata<C16>("ConjFlip_16SC")));
  EXPECT_TRUE(run(qvx_Vector_ConjFlip_32FC, cdata<C32>("ConjFlip_32FC")));
  EXPECT_TRUE(run(qvx_Vector_ConjFlip_64FC, cdata<C64>("ConjFlip_64FC")));
}

// Polar form: the magnitude and phase pair rules of the three types.
template <class C, class R>
void check_to_polar(const std::string& name, QvxStatus (*fn)(const part_of<C>*, R*, R*, int)) {
  using P = part_of<C>;
  Rng rng(std::hash<std::string>()(name));
  check_outputs<C, R>(
      name, 2,
      [fn](const C* s, R* const* d, int n) { fn(reinterpret_cast<const P*>(s), d[0], d[1], n); },
      values<C>(rng, 3000, {C{P(0), P(-0.0)}, C{P(0), P(-1)}, C{P(-0.0), P(0)}}),
      [](C z, R* r) {
        r[0] = static_cast<R>(hypot(static_cast<double>(z.re), static_cast<double>(z.im)));
        r[1] = model_phase<R>(z.re, z.im);
      },
      Nan::Any);
}

template <class R, class D>
void check_to_cartesian(const std::string& name, QvxStatus (*fn)(const R*, const R*, D*, int)) {
  Rng rng(std::hash<std::string>()(name));
  const std::vector<R> m = values<R>(rng, 3000, {R(40000), R(-1.9), R(32767.9), R(-32768.9)});
  const std::vector<R> p = values<R>(rng, 3000, {R(0), R(0), R(0), R(0)});
  const int n = static_cast<int>(m.size());
  std::vector<D> got(2 * n), want(2 * n), all(2 * n);
  per_element(
      name, n, [&](int i) { fn(&m[i], &p[i], &got[2 * i], 1); },
      [&](int i) {
        const double mm = m[i], pp = p[i];
        if constexpr (std::is_integral<D>::value) {
          double s, c;
          sincos(pp, &s, &c);
          want[2 * i] = qvxt::saturating_store<Qvx16s>(c * mm);
          want[2 * i + 1] = qvxt::saturating_store<Qvx16s>(s * mm);
        } else {
          const double c = cos(pp);
          want[2 * i] = static_cast<D>(mm * c);
          want[2 * i + 1] = static_cast<D>(mm * sin(pp));
        }
      },
      [&](int i) { return qvxt::same_elements(&got[2 * i], &want[2 * i], 2, Nan::Any); },
      [&] { fn(m.data(), p.data(), all.data(), n); },
      [&] { return qvxt::same_elements(all.data(), want.data(), 2 * n, Nan::Any); });
}

TEST(Polar, PolarForm) {
  check_to_polar<C16>("DescartToPolar_16S", qvx_Vector_DescartToPolar_16S);
  check_to_polar<C32>("DescartToPolar_32F", qvx_Vector_DescartToPolar_32F);
  check_to_polar<C64>("DescartToPolar_64F", qvx_Vector_DescartToPolar_64F);
  check_to_cartesian("PolarToDescart_16S", qvx_Vector_PolarToDescart_16S);
  check_to_cartesian("PolarToDescart_32F", qvx_Vector_PolarToDescart_32F);
  check_to_cartesian("PolarToDescart_64F", qvx_Vector_PolarToDescart_64F);
}

}  // namespace
}  // namespace elem_test
