// Complex magnitude, phase, conjugates and polar form: literal cases of the rules (zero
// rule, saturation, truncation, NaN to 0, sign-bit conjugation) and models calling the C
// math library element by element.
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
  using P = decltype(C{}.re);
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
  const C32 src[] = {{1, 2}, {3, 4}, {5, 6}};
  C32 dst[3];
  qvx_Vector_ConjFlip_32FC(src, dst, 3);
  const C32 want[] = {{5, -6}, {3, -4}, {1, -2}};
  EXPECT_TRUE(qvxt::same_elements(dst, want, 3));
}

TEST(Polar, LiteralCases) {
  const C16 c16[] = {{5, -32768}, {-32768, 7}, {0, 0}};
  C16 d16[3];
  qvx_Vector_Conj_16SC(c16, d16, 3);
  EXPECT_EQ(d16[0].im, 32767);
  EXPECT_EQ(d16[1].re, -32768);
  EXPECT_EQ(d16[1].im, -7);
  // +0 becomes -0, a NaN keeps its payload with the other sign.
  const C32 c32[] = {{-0.0f, 0.0f}, {1, qvxt::f32_bits(0x7FA00001u)}};
  C32 d32[2];
  qvx_Vector_Conj_32FC(c32, d32, 2);
  EXPECT_EQ(qvxt::bits_of(d32[0].re), 0x80000000u);
  EXPECT_EQ(qvxt::bits_of(d32[0].im), 0x80000000u);
  EXPECT_EQ(qvxt::bits_of(d32[1].im), 0xFFA00001u);

  float f;
  const C16 max16{32767, 32767}, min16{-32768, -32768}, zero16{0, 0};
  qvx_Vector_AmplSqr_16SC(&max16, &f, 1);
  EXPECT_EQ(f, 2147352576.0f);  // each product rounded to 1073676288 first
  qvx_Vector_Ampl_16SC(&min16, &f, 1);
  EXPECT_EQ(f, 46340.94921875f);
  qvx_Vector_Phase_16SC(&zero16, &f, 1);
  EXPECT_EQ(qvxt::bits_of(f), 0u);

  const float pi32 = static_cast<float>(kPi);
  const C32 phases[] = {{-0.0f, -0.0f}, {0.0f, -0.0f}, {-1, 0.0f}, {-0.0f, 0.0f}};
  float p[4];
  const Effects e = effects([&] { qvx_Vector_Phase_32FC(phases, p, 4); });
  EXPECT_EQ(p[0], -pi32);
  EXPECT_EQ(qvxt::bits_of(p[1]), 0x80000000u);
  EXPECT_EQ(p[2], pi32);
  EXPECT_EQ(p[3], pi32);
  EXPECT_EQ(e.err, 0);
  const C64 z64{-0.0, -0.0};
  double p64;
  qvx_Vector_Phase_64FC(&z64, &p64, 1);
  EXPECT_EQ(p64, -kPi);
}

// Polar form: the magnitude and phase pair rules of the three types.
template <class P, class R>
void check_to_polar(const std::string& name, QvxStatus (*fn)(const P*, R*, R*, int)) {
  Rng rng(std::hash<std::string>()(name));
  const std::vector<P> src = values<P>(rng, 6000, {P(0), P(-0.0), P(0), P(-1), P(-0.0), P(0)});
  const int n = static_cast<int>(src.size() / 2);
  std::vector<R> gm(n), gp(n), wm(n), wp(n), am(n), ap(n);
  per_element(
      name, n, [&](int i) { fn(&src[2 * i], &gm[i], &gp[i], 1); },
      [&](int i) {
        const P x = src[2 * i], y = src[2 * i + 1];
        wm[i] = static_cast<R>(hypot(static_cast<double>(x), static_cast<double>(y)));
        wp[i] = model_phase<R>(x, y);
      },
      [&](int i) {
        auto r = qvxt::same_elements(&gm[i], &wm[i], 1, Nan::Any);
        return r ? qvxt::same_elements(&gp[i], &wp[i], 1, Nan::Any) : r;
      },
      [&] { fn(src.data(), am.data(), ap.data(), n); },
      [&] {
        auto r = qvxt::same_elements(am.data(), wm.data(), n, Nan::Any);
        return r ? qvxt::same_elements(ap.data(), wp.data(), n, Nan::Any) : r;
      });
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
  check_to_polar("DescartToPolar_16S", qvx_Vector_DescartToPolar_16S);
  check_to_polar("DescartToPolar_32F", qvx_Vector_DescartToPolar_32F);
  check_to_polar("DescartToPolar_64F", qvx_Vector_DescartToPolar_64F);
  check_to_cartesian("PolarToDescart_16S", qvx_Vector_PolarToDescart_16S);
  check_to_cartesian("PolarToDescart_32F", qvx_Vector_PolarToDescart_32F);
  check_to_cartesian("PolarToDescart_64F", qvx_Vector_PolarToDescart_64F);

  // Saturation, truncation toward zero (-0.0 stored as 0) and NaN to 0.
  const float m[] = {40000, -1.9f, kNanF, -40000, 32767.9f, -32768.9f, kInfF};
  const float p[] = {0, 0, 0, 0, 0, 0, 0};
  Qvx16s d[14];
  qvx_Vector_PolarToDescart_16S(m, p, d, 7);
  const Qvx16s want[] = {32767, 0, -1, 0, 0, 0, -32768, 0, 32767, 0, -32768, 0, 32767, 0};
  EXPECT_TRUE(qvxt::same_elements(d, want, 14));
}

}  // namespace
}  // namespace elem_test
