// Which primitive a primitive hands its work to (seen through support/interpose.h): the
// complex Add and Sub run the real form on 2*len parts, the count wrapping in 32 bits so that
// len >= 2^30 touches nothing; DivC multiplies through the MulC of its type, also when len < 1.
#include <gtest/gtest.h>
#include <limits.h>

#include <string>

#include "qvx_vector.h"
#include "support/guarded.h"
#include "support/interpose.h"

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
