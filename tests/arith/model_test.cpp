// The floating-point arithmetic, every member against its model: element-wise operations on
// two vectors, operations with a constant, and multiply-accumulate.
#include "check.h"

namespace arith_test {
namespace {

TEST(ElementwiseModel, EveryMember) {
  const auto quo = [](auto a, auto b, auto& d) { d = a / b; };
  const auto cmul_ = [](auto a, auto b, auto& d) { d = cmul(a, b); };
  const auto cdiv_ = [](auto a, auto b, auto& d) { d = cdiv(a, b); };
  const auto rmul = [](auto a, auto b, auto& d) { d = {a * b.re, a * b.im}; };
  SWEEP(Add_32F, add), SWEEP(Add_64F, add), SWEEP(Sub_32F, sub), SWEEP(Sub_64F, sub);
  SWEEP(Add_32FC, parts(add)), SWEEP(Add_64FC, parts(add));
  SWEEP(Sub_32FC, parts(sub)), SWEEP(Sub_64FC, parts(sub));
  SWEEP(Mul_32F, mul), SWEEP(Mul_64F, mul), SWEEP(Mul_32FC, cmul_), SWEEP(Mul_64FC, cmul_);
  SWEEP(Mul_32F_32FC, rmul), SWEEP(Mul_64F_64FC, rmul);
  SWEEP(Mul_CToC_32F, split_cmul), SWEEP(Mul_CToC_64F, split_cmul);
  SWEEP(Div_32F, quo), SWEEP(Div_64F, quo), SWEEP(Div_32FC, cdiv_), SWEEP(Div_64FC, cdiv_);
}

TEST(ConstantModel, EveryMember) {
  const auto subrev = [](auto x, auto c, auto& d) { d = c - x; };
  const auto divrev = [](auto x, auto c, auto& d) { d = c / x; };
  const auto divc = [](auto x, auto c, auto& d) { d = x * (decltype(c)(1) / c); };
  const auto cmulc = [](auto x, auto c, auto& d) { d = cmul(x, c); };
  const auto cdivrev = [](auto x, auto c, auto& d) { d = cdiv(c, x); };
  // The reciprocal in double precision, rounded to the part type, then the product.
  const auto cdivc = [](auto x, auto c, auto& d) {
    using P = decltype(c.re);
    const double cr = c.re, ci = c.im, m = (cr * cr) + (ci * ci);
    d = cmul(x, decltype(c){static_cast<P>(cr / m), static_cast<P>((-ci) / m)});
  };
  SWEEP(AddC_32F, add), SWEEP(AddC_64F, add);
  SWEEP(AddC_32FC, parts(add)), SWEEP(AddC_64FC, parts(add));
  SWEEP(SubC_32F, sub), SWEEP(SubC_64F, sub);
  SWEEP(SubC_32FC, parts(sub)), SWEEP(SubC_64FC, parts(sub));
  SWEEP(SubCRev_32F, subrev), SWEEP(SubCRev_64F, subrev);
  SWEEP(SubCRev_32FC, parts(subrev)), SWEEP(SubCRev_64FC, parts(subrev));
  SWEEP(MulC_32F, mul), SWEEP(MulC_64F, mul), SWEEP(MulC_32FC, cmulc), SWEEP(MulC_64FC, cmulc);
  SWEEP(MulC_CToC_32F, split_cmul), SWEEP(MulC_CToC_64F, split_cmul);
  SWEEP(DivC_32F, divc), SWEEP(DivC_64F, divc), SWEEP(DivC_32FC, cdivc), SWEEP(DivC_64FC, cdivc);
  SWEEP(DivCRev_32F, divrev), SWEEP(DivCRev_64F, divrev);
  SWEEP(DivCRev_32FC, cdivrev), SWEEP(DivCRev_64FC, cdivrev);
}

TEST(MulAddModel, EveryMember) {
  const auto real = [](auto x, auto y, auto z, auto& d) { d = (x * y) + z; };
  // Form A (MulAdd) starts the imaginary part from xr*yi, form B from xi*cr.
  const auto form_a = [](auto x, auto y, auto z, auto& d) {
    d = {((x.re * y.re) + z.re) - (x.im * y.im), ((x.re * y.im) + z.im) + (x.im * y.re)};
  };
  const auto form_b = [](auto x, auto c, auto z, auto& d) {
    d = {((x.re * c.re) + z.re) - (x.im * c.im), ((x.im * c.re) + z.im) + (x.re * c.im)};
  };
  const auto split = [](auto form) {
    return [form](auto xr, auto xi, auto yr, auto yi, auto zr, auto zi, auto& dr, auto& di) {
      using C = Cx<decltype(xr)>;
      C d;
      form(C{xr, xi}, C{yr, yi}, C{zr, zi}, d);
      dr = d.re;
      di = d.im;
    };
  };
  const auto i16 = [](Qvx16s x, float m, float a, Qvx16s& d) {
    d = qvxt::saturating_store<Qvx16s>((static_cast<float>(x) * m) + a);
  };
  const auto i32 = [](Qvx32s x, double m, double a, Qvx32s& d) {
    d = qvxt::saturating_store<Qvx32s>((static_cast<double>(x) * m) + a);
  };
  SWEEP(MulAdd_32F, real), SWEEP(MulAdd_64F, real);
  SWEEP(MulAdd_32FC, form_a), SWEEP(MulAdd_64FC, form_a);
  SWEEP(MulAdd_CToC_32F, split(form_a)), SWEEP(MulAdd_CToC_64F, split(form_a));
  SWEEP(MulCAdd_32F, real), SWEEP(MulCAdd_64F, real);
  SWEEP(MulCAdd_32FC, form_b), SWEEP(MulCAdd_64FC, form_b);
  SWEEP(MulCAdd_CToC_32F, split(form_b)), SWEEP(MulCAdd_CToC_64F, split(form_b));
  SWEEP(MulCAddC_32F, real), SWEEP(MulCAddC_64F, real);
  SWEEP(MulCAddC_32FC, form_b), SWEEP(MulCAddC_64FC, form_b);
  SWEEP(MulCAddC_CToC_32F, split(form_b)), SWEEP(MulCAddC_CToC_64F, split(form_b));
  SWEEP(MulCAddC_16S, i16), SWEEP(MulCAddC_32S, i32);
}

}  // namespace
}  // namespace arith_test
