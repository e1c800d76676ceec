// The floating-point arithmetic, every member against its model (element-wise operations on
// two vectors, operations with a constant, multiply-accumulate), each operator one rounded
// IEEE operation (the tests build with -ffp-contract=off, and float and double are evaluated
// in their own type); and which primitive a primitive hands its work to (seen through
// support/interpose.h): the complex Add and Sub run the real form on 2*len parts, the count
// wrapping in 32 bits so that len >= 2^30 touches nothing; DivC multiplies through the MulC
// of its type, also when len < 1.
#include <float.h>
#include <gtest/gtest.h>
#include <limits.h>

#include <string>
#include <type_traits>

#include "qvx_vector.h"
#include "support/data.h"
#include "support/guarded.h"
#include "support/interpose.h"
#include "support/sweep.h"

static_assert(FLT_EVAL_METHOD == 0, "reference models need float and double evaluation");

#define RECORD(N, C, T)                                                              \
  QVXT_INTERPOSE __qvx_##N(const T* s, C c, T* d, int n) {                           \
    qvxt::g_seen.push_back({#N, s, d, n, 0});                                        \
    return qvxt::next<QvxStatus (*)(const T*, C, T*, int)>("__qvx_" #N)(s, c, d, n); \
  }
RECORD(Vector_Add_32F, const Qvx32f*, Qvx32f)
RECORD(Vector_Add_64F, const Qvx64f*, Qvx64f)
RECORD(Vector_Sub_32F, const Qvx32f*, Qvx32f)
RECORD(Vector_Sub_64F, const Qvx64f*, Qvx64f)
RECORD(Vector_MulC_32F, Qvx32f, Qvx32f)
RECORD(Vector_MulC_64F, Qvx64f, Qvx64f)
RECORD(Vector_MulC_32FC, Qvx32fc, Qvx32fc)
RECORD(Vector_MulC_64FC, Qvx64fc, Qvx64fc)
#undef RECORD

namespace {

template <class T>
using Cx = std::conditional_t<sizeof(T) == 4, Qvx32fc, Qvx64fc>;  // complex with parts of type T
#define SWEEP QVXT_MODEL_SWEEP

template <class C>
C cmul(C a, C b) {
  return {(a.re * b.re) - (a.im * b.im), (a.im * b.re) + (a.re * b.im)};
}
template <class C>
C cdiv(C a, C b) {
  const auto d = (b.re * b.re) + (b.im * b.im);
  return {((a.re * b.re) + (a.im * b.im)) / d, ((a.im * b.re) - (a.re * b.im)) / d};
}

// Models of the real operations, of complex ones applying a real one to each part, and of
// the split-array complex product.
const auto add = [](auto a, auto b, auto& d) { d = a + b; };
const auto sub = [](auto a, auto b, auto& d) { d = a - b; };
const auto mul = [](auto a, auto b, auto& d) { d = a * b; };
const auto parts = [](auto op) {
  return [op](auto a, auto b, auto& d) { op(a.re, b.re, d.re), op(a.im, b.im, d.im); };
};
const auto split_cmul = [](auto ar, auto ai, auto br, auto bi, auto& dr, auto& di) {
  using C = Cx<decltype(ar)>;
  const C d = cmul(C{ar, ai}, C{br, bi});
  dr = d.re, di = d.im;
};

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

template <class F, class S, class C, class D>
void expect_one(F fn, S s, C c, D d, int len, const std::string& name, int want_len) {
  SCOPED_TRACE(name + " len " + std::to_string(len));
  const auto seen = qvxt::calls([&] { EXPECT_EQ(fn(s, c, d, len), 0); });
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].name, name);
  EXPECT_EQ(seen[0].src, static_cast<const void*>(s));
  EXPECT_EQ(seen[0].dst, static_cast<void*>(d));
  EXPECT_EQ(seen[0].len, want_len);
}

TEST(Delegation, ComplexAddAndSubOnTwiceLenParts) {
  Qvx32fc a[3] = {}, d[3];
  Qvx64fc b[3] = {}, e[3];
  expect_one(qvx_Vector_Add_32FC, a, a + 1, d, 2, "Vector_Add_32F", 4);
  expect_one(qvx_Vector_Sub_64FC, b, b, e, 3, "Vector_Sub_64F", 6);
  // Arrays of no bytes on a guard page: any access faults.  2*len wraps to a negative,
  // empty, count for every len of 2^30 and more.
  qvxt::Guarded g(0, 0, qvxt::Place::End);
  Qvx32fc* p = g.as<Qvx32fc>();
  Qvx64fc* q = g.as<Qvx64fc>();
  for (int len : {0, -1, 1 << 30, INT_MAX}) {
    const int twice = static_cast<int>(2u * static_cast<unsigned>(len));
    expect_one(qvx_Vector_Add_32FC, p, p, p, len, "Vector_Add_32F", twice);
    expect_one(qvx_Vector_Sub_32FC, p, p, p, len, "Vector_Sub_32F", twice);
    expect_one(qvx_Vector_Add_64FC, q, q, q, len, "Vector_Add_64F", twice);
    expect_one(qvx_Vector_Sub_64FC, q, q, q, len, "Vector_Sub_64F", twice);
  }
}

TEST(Delegation, DivCThroughMulCEvenWhenEmpty) {
  Qvx32f f[4] = {};
  Qvx64f x[4] = {};
  Qvx32fc c[4] = {};
  Qvx64fc z[4] = {};
  for (int len : {4, 0, -2}) {
    expect_one(qvx_Vector_DivC_32F, f, 3.0f, f, len, "Vector_MulC_32F", len);
    expect_one(qvx_Vector_DivC_64F, x, 0.0, x, len, "Vector_MulC_64F", len);
    expect_one(qvx_Vector_DivC_32FC, c, Qvx32fc{3, 4}, c, len, "Vector_MulC_32FC", len);
    expect_one(qvx_Vector_DivC_64FC, z, Qvx64fc{0, 0}, z, len, "Vector_MulC_64FC", len);
  }
}

}  // namespace
