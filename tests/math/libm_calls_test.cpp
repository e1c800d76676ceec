// Which C math library functions the sine and cosine users call: this program defines sin,
// cos and sincos itself (the library's calls reach them through the dynamic linker), counts
// the calls and passes them on to the C library.  The values cannot tell one sincos call
// from a sin and a cos call; the counts can.
//
// No math header here: the definitions below must not meet the library's declarations.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "qvx_vector.h"

namespace {
struct Counts {
  int sin = 0, cos = 0, sincos = 0;
};
Counts g_counts;
template <class F>
F next_fn(const char* name) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
}  // namespace

extern "C" __attribute__((visibility("default"))) double sin(double x) noexcept {
  ++g_counts.sin;
  return next_fn<double (*)(double)>("sin")(x);
}
extern "C" __attribute__((visibility("default"))) double cos(double x) noexcept {
  ++g_counts.cos;
  return next_fn<double (*)(double)>("cos")(x);
}
extern "C" __attribute__((visibility("default"))) void sincos(double x, double* s,
                                                              double* c) noexcept {
  ++g_counts.sincos;
  next_fn<void (*)(double, double*, double*)>("sincos")(x, s, c);
}

namespace {

// The calls f makes, as "sin S cos C sincos K".
template <class F>
std::string counted(F f) {
  g_counts = Counts();
  f();
  return "sin " + std::to_string(g_counts.sin) + " cos " + std::to_string(g_counts.cos) +
         " sincos " + std::to_string(g_counts.sincos);
}

TEST(LibmCalls, SineAndCosineAsTheRulesCallThem) {
  const float f[6] = {0.5f, 1, 2, 3, 4, 5};
  // Beyond the single-precision fast path's range: elements the library call computes.
  const float big[6] = {3e5f, 1e6f, 2e7f, -4e8f, 5e9f, -6e10f};
  const double d[6] = {0.5, 1, 2, 3, 4, 5};
  float fo[6], fo2[6];
  double dout[6], dout2[6];
  Qvx16s s16[6];
  // Two separate calls per element (the single-precision members for the elements their
  // fast path leaves to the library, and none for the others).
  EXPECT_EQ(counted([&] { qvx_Vector_SinCos_32F(big, fo, fo2, 3); }), "sin 3 cos 3 sincos 0");
  EXPECT_EQ(counted([&] { qvx_Vector_SinCos_32F(f, fo, fo2, 3); }), "sin 0 cos 0 sincos 0");
  EXPECT_EQ(counted([&] { qvx_Vector_PolarToDescart_64F(d, d + 3, dout, 3); }),
            "sin 3 cos 3 sincos 0");
  EXPECT_EQ(counted([&] { qvx_Vector_PolarToDescart_32F(f, big, fo, 3); }),
            "sin 3 cos 3 sincos 0");
  EXPECT_EQ(counted([&] { qvx_Vector_PolarToDescart_32F(f, f + 3, fo, 3); }),
            "sin 0 cos 0 sincos 0");
  // One sincos call per element.
  EXPECT_EQ(counted([&] { qvx_Vector_PolarToDescart_16S(f, big, s16, 3); }),
            "sin 0 cos 0 sincos 3");
  EXPECT_EQ(counted([&] { qvx_Vector_PolarToDescart_16S(f, f + 3, s16, 3); }),
            "sin 0 cos 0 sincos 0");
  EXPECT_EQ(counted([&] {
              qvx_Vector_Exp_64FC(reinterpret_cast<const Qvx64fc*>(d),
                                  reinterpret_cast<Qvx64fc*>(dout2), 3);
            }),
            "sin 0 cos 0 sincos 3");
  EXPECT_EQ(counted([&] {
              qvx_Vector_Exp_32FC(reinterpret_cast<const Qvx32fc*>(big),
                                  reinterpret_cast<Qvx32fc*>(fo2), 3);
            }),
            "sin 0 cos 0 sincos 3");
  // The real members call their one function.
  EXPECT_EQ(counted([&] { qvx_Vector_Sin_64F(d, dout, 6); }), "sin 6 cos 0 sincos 0");
  EXPECT_EQ(counted([&] { qvx_Vector_Cos_32F(big, fo, 6); }), "sin 0 cos 6 sincos 0");
  EXPECT_EQ(counted([&] { qvx_Vector_Sin_32F(f, fo, 6); }), "sin 0 cos 0 sincos 0");
}

}  // namespace
