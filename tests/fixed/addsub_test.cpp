// Scaled addition and subtraction: the telling cases of each member, every member's H and L
// one step either side, the zero fill before the len test without reading the sources, and
// a sweep of every member against the exact model.
#include <gtest/gtest.h>
#include <limits.h>

#include <string>
#include <vector>

#include "model.h"
#include "qvx_vector.h"

namespace {

using fxt::Member;
using fxt::Rule;
using qvxt::part_t;

template <class T>
using BinFn = QvxStatus (*)(const T*, const T*, T*, int, int);
template <class T>
using ConstFn = QvxStatus (*)(const T*, T, T*, int, int);

enum class Op { Add, Sub, SubRev };
int64_t exact(Op op, int64_t a, int64_t b) {
  return op == Op::Add ? a + b : op == Op::Sub ? a - b : b - a;
}

template <class T>
std::vector<T> bin(BinFn<T> f, std::vector<T> a, std::vector<T> b, int sf) {
  std::vector<T> d(a.size(), T(0x5A));
  EXPECT_EQ(f(a.data(), b.data(), d.data(), static_cast<int>(a.size()), sf), 0);
  return d;
}
template <class T>
std::vector<T> con(ConstFn<T> f, std::vector<T> a, T val, int sf) {
  std::vector<T> d(a.size(), T(0x5A));
  EXPECT_EQ(f(a.data(), val, d.data(), static_cast<int>(a.size()), sf), 0);
  return d;
}
using V16 = std::vector<Qvx16s>;
using V8 = std::vector<Qvx8u>;
using VU16 = std::vector<Qvx16u>;
using V32 = std::vector<Qvx32s>;

TEST(AddSubShift, Signed16Cases) {
  EXPECT_EQ(bin<Qvx16s>(qvx_Vector_AddShift_16S, {30000, -32768}, {30000, -32768}, 0),
            (V16{32767, -32768}));
  EXPECT_EQ(bin<Qvx16s>(qvx_Vector_AddShift_16S, {30000, -32768}, {30000, -32768}, -1),
            (V16{30000, -32768}));
  EXPECT_EQ(bin<Qvx16s>(qvx_Vector_AddShift_16S, {-32768, 32767}, {-32768, 32767}, -16),
            (V16{-1, 0}));
  EXPECT_EQ(bin<Qvx16s>(qvx_Vector_AddShift_16S, {-32768, 32767}, {-32768, 32767}, -17),
            (V16{0, 0}));
  // Rounding toward minus infinity, not toward zero.
  EXPECT_EQ(bin<Qvx16s>(qvx_Vector_AddShift_16S, {1, -1}, {2, -2}, -1), (V16{1, -2}));
  EXPECT_EQ(bin<Qvx16s>(qvx_Vector_SubShift_16S, {-32768, 32767}, {32767, -32768}, -16),
            (V16{-1, 0}));
  EXPECT_EQ(con<Qvx16s>(qvx_Vector_SubCRevShift_16S, {-32768, 5}, 0, 0), (V16{32767, -5}));
  EXPECT_EQ(con<Qvx16s>(qvx_Vector_SubCShift_16S, {-32768, 5}, 1, 0), (V16{-32768, 4}));
  EXPECT_EQ(con<Qvx16s>(qvx_Vector_AddCShift_16S, {1, -1, 0}, 0, 15),
            (V16{32767, -32768, 0}));
}

TEST(AddSubShift, Unsigned8Cases) {
  EXPECT_EQ(bin<Qvx8u>(qvx_Vector_SubShift_8U, {10, 20}, {20, 10}, 0), (V8{0, 10}));
  EXPECT_EQ(bin<Qvx8u>(qvx_Vector_SubShift_8U, {11, 10}, {10, 11}, 8), (V8{255, 0}));
  EXPECT_EQ(bin<Qvx8u>(qvx_Vector_SubShift_8U, {255, 0}, {0, 255}, -7), (V8{1, 0}));
  EXPECT_EQ(bin<Qvx8u>(qvx_Vector_SubShift_8U, {255, 0}, {0, 255}, -8), (V8{0, 0}));
  EXPECT_EQ(bin<Qvx8u>(qvx_Vector_AddShift_8U, {255, 128}, {255, 127}, -8), (V8{1, 0}));
  EXPECT_EQ(bin<Qvx8u>(qvx_Vector_AddShift_8U, {255, 128}, {255, 127}, -9), (V8{0, 0}));
  EXPECT_EQ(bin<Qvx8u>(qvx_Vector_AddShift_8U, {200, 1, 0}, {100, 0, 0}, 0), (V8{255, 1, 0}));
  EXPECT_EQ(con<Qvx8u>(qvx_Vector_SubCRevShift_8U, {3, 200}, 100, -1), (V8{48, 0}));
  EXPECT_EQ(con<Qvx8u>(qvx_Vector_AddCShift_8U, {0, 1, 63}, 1, 2), (V8{4, 8, 255}));
}

TEST(AddSubShift, Unsigned16Cases) {
  EXPECT_EQ(bin<Qvx16u>(qvx_Vector_AddShift_16U, {65535, 1}, {65535, 0}, 15), (VU16{65535, 32768}));
  EXPECT_EQ(bin<Qvx16u>(qvx_Vector_AddShift_16U, {65535, 32768}, {65535, 32767}, -16),
            (VU16{1, 0}));
  EXPECT_EQ(bin<Qvx16u>(qvx_Vector_AddShift_16U, {65535}, {65535}, -17), (VU16{0}));
  EXPECT_EQ(bin<Qvx16u>(qvx_Vector_SubShift_16U, {65535, 0}, {0, 65535}, -15), (VU16{1, 0}));
  EXPECT_EQ(bin<Qvx16u>(qvx_Vector_SubShift_16U, {65535}, {0}, -16), (VU16{0}));
  EXPECT_EQ(con<Qvx16u>(qvx_Vector_SubCShift_16U, {5, 7}, 6, 16), (VU16{0, 65535}));
}

TEST(AddSubShift, Signed32Cases) {
  EXPECT_EQ(bin<Qvx32s>(qvx_Vector_AddShift_32S, {INT_MAX, INT_MIN}, {1, -1}, 0),
            (V32{INT_MAX, INT_MIN}));
  EXPECT_EQ(bin<Qvx32s>(qvx_Vector_AddShift_32S, {INT_MAX, INT_MIN}, {1, INT_MIN}, -1),
            (V32{1073741824, INT_MIN}));
  EXPECT_EQ(bin<Qvx32s>(qvx_Vector_AddShift_32S, {INT_MIN, INT_MAX}, {INT_MIN, INT_MAX}, -32),
            (V32{-1, 0}));
  EXPECT_EQ(bin<Qvx32s>(qvx_Vector_AddShift_32S, {INT_MIN, INT_MAX}, {INT_MIN, INT_MAX}, -33),
            (V32{0, 0}));
  EXPECT_EQ(bin<Qvx32s>(qvx_Vector_SubShift_32S, {INT_MIN, INT_MAX, -3}, {INT_MAX, INT_MIN, 0}, -1),
            (V32{INT_MIN, INT_MAX, -2}));
  EXPECT_EQ(con<Qvx32s>(qvx_Vector_SubCRevShift_32S, {INT_MIN, 1}, -1, 0), (V32{INT_MAX, -2}));
  EXPECT_EQ(con<Qvx32s>(qvx_Vector_AddCShift_32S, {1, 2, -2}, 0, 30),
            (V32{1073741824, INT_MAX, INT_MIN}));
}

TEST(AddSubShift, ComplexParts) {
  // The constant's real part goes to every real part, its imaginary part to every imaginary
  // part; each part saturates on its own.
  const Qvx16sc src[3] = {{0, 0}, {32767, -32768}, {-32768, 32767}};
  Qvx16sc dst[4] = {{9, 9}, {9, 9}, {9, 9}, {9, 9}};
  ASSERT_EQ(qvx_Vector_AddCShift_16SC(src, Qvx16sc{1, -1}, dst, 3, 0), 0);
  const Qvx16s want[8] = {1, -1, 32767, -32768, -32767, 32766, 9, 9};
  EXPECT_TRUE(qvxt::same_elements(reinterpret_cast<Qvx16s*>(dst), want, 8));
  ASSERT_EQ(qvx_Vector_SubCRevShift_16SC(src, Qvx16sc{1, -1}, dst, 3, 0), 0);
  const Qvx16s want_rev[8] = {1, -1, -32766, 32767, 32767, -32768, 9, 9};
  EXPECT_TRUE(qvxt::same_elements(reinterpret_cast<Qvx16s*>(dst), want_rev, 8));
  // len 2 is four parts: the fifth stays.
  const Qvx16sc a[3] = {{1, 2}, {3, 4}, {5, 6}};
  const Qvx16sc b[3] = {{10, 20}, {30, 40}, {50, 60}};
  ASSERT_EQ(qvx_Vector_SubShift_16SC(b, a, dst, 2, -1), 0);
  const Qvx16s want_sub[6] = {4, 9, 13, 18, 32767, -32768};
  EXPECT_TRUE(qvxt::same_elements(reinterpret_cast<Qvx16s*>(dst), want_sub, 6));
}

// ---- every member, as data -----------------------------------------------------------------

template <class T>
Member<T, 2> binary(BinFn<T> f, Op op, Rule u) {
  using P = part_t<T>;
  return {[f](const T* const* s, T* d, int len, int sf) { return f(s[0], s[1], d, len, sf); },
          [op, u](const P* const* s, size_t k, int sf) {
            return fxt::model(exact(op, s[0][k], s[1][k]), sf, u);
          }};
}

// The constant as its scalar parts (a complex constant: real, imaginary).
template <class T>
Member<T, 1> with_const(ConstFn<T> f, Op op, Rule u, T val) {
  using P = part_t<T>;
  P c[2];
  memcpy(c, &val, sizeof val);
  if (qvxt::parts<T>() == 1) c[1] = c[0];
  return {[f, val](const T* const* s, T* d, int len, int sf) { return f(s[0], val, d, len, sf); },
          [op, u, c0 = c[0], c1 = c[1]](const P* const* s, size_t k, int sf) {
            return fxt::model(exact(op, s[0][k], k % 2 ? c1 : c0), sf, u);
          }};
}

// Threshold check: the bound-and-one operands against each other at H - 1, H, H + 1, L - 1,
// L, L + 1 (and +-1), every pair of them, element by element against the model.
template <class T, int N>
void check_thresholds(const Member<T, N>& m, Rule u, const std::string& name) {
  using P = part_t<T>;
  const std::vector<int64_t> edge = {0, 1, 2, -1, -2, u.hi, u.hi - 1, u.lo, u.lo + 1};
  std::vector<P> vals;
  for (int64_t v : edge)
    if (v >= u.lo && v <= u.hi) vals.push_back(static_cast<P>(v));
  // Every ordered pair: the first operand from vals[i], the second from vals[j].
  std::vector<P> a, b;
  for (P x : vals)
    for (P y : vals) {
      a.push_back(x);
      b.push_back(y);
    }
  const int nparts = static_cast<int>(a.size());
  const int len = nparts / static_cast<int>(qvxt::parts<T>());
  for (int sf : {u.H - 1, u.H, u.H + 1, u.L - 1, u.L, u.L + 1, -1, 0, 1}) {
    std::vector<P> d(a.size(), P(0x5A));
    const T* srcs[2] = {reinterpret_cast<const T*>(a.data()), reinterpret_cast<const T*>(b.data())};
    ASSERT_EQ(m.call(srcs, reinterpret_cast<T*>(d.data()), len, sf), 0);
    const P* parts[2] = {a.data(), b.data()};
    for (int k = 0; k < len * static_cast<int>(qvxt::parts<T>()); ++k)
      EXPECT_EQ(static_cast<int64_t>(d[k]), m.want(parts, k, sf))
          << name << " sf " << sf << " operands " << int64_t(a[k]) << ", " << int64_t(b[k]);
  }
}

// Below L: zero fill of every part with the sources on a guard page (any read faults); with
// len < 1 at every scale factor: no access at all (every pointer on a guard page).
template <class T, int N>
void check_call_order(const Member<T, N>& m, Rule u, const std::string& name) {
  using P = part_t<T>;
  qvxt::Guarded nothing(0, 0, qvxt::Place::End);
  qvxt::Guarded out(9 * sizeof(T));
  const T* none[2] = {nothing.as<T>(), nothing.as<T>()};
  for (int sf : {u.L - 1, u.L - 2, INT_MIN, INT_MIN + 1}) {
    ASSERT_EQ(m.call(none, out.as<T>(), 9, sf), 0);
    const P* p = out.as<P>();
    for (size_t k = 0; k < 9 * qvxt::parts<T>(); ++k)
      ASSERT_EQ(static_cast<int64_t>(p[k]), 0) << name << " sf " << sf;
  }
  for (int len : {0, -1, INT_MIN})
    for (int sf : {INT_MIN, u.L - 1, u.L, -1, 0, 1, u.H, INT_MAX})
      EXPECT_EQ(m.call(none, nothing.as<T>(), len, sf), 0) << name;
  EXPECT_TRUE(out.canaries_intact()) << name;
}

template <class T, int N>
void check_member(const Member<T, N>& m, Rule u, const std::string& name, uint64_t seed) {
  SCOPED_TRACE(name);
  check_thresholds(m, u, name);
  check_call_order(m, u, name);
  fxt::sweep_member(m, seed);
}

template <class T>
void check_binary(BinFn<T> f, Op op, int H, int L, const std::string& name) {
  const Rule u = fxt::rule<part_t<T>>(H, L);
  check_member(binary(f, op, u), u, name, std::hash<std::string>()(name));
}

// Constant forms: the constant at its bounds, at 0 and at a middle value.
template <class T>
void check_const(ConstFn<T> f, Op op, int H, int L, const std::string& name) {
  using P = part_t<T>;
  const Rule u = fxt::rule<P>(H, L);
  const P consts[][2] = {{0, 0}, {static_cast<P>(u.hi), static_cast<P>(u.lo)},
                         {static_cast<P>(u.lo), static_cast<P>(u.hi)}, {static_cast<P>(1), 77}};
  for (const auto& c : consts) {
    T val;
    memcpy(&val, c, sizeof val);
    const std::string label = name + " val " + std::to_string(int64_t(c[0]));
    check_member(with_const(f, op, u, val), u, label, std::hash<std::string>()(label));
  }
}

// Every member with its thresholds {H, L}.
TEST(AddSubShift, AddShift) {
  check_binary<Qvx8u>(qvx_Vector_AddShift_8U, Op::Add, 8, -8, "AddShift_8U");
  check_binary<Qvx16u>(qvx_Vector_AddShift_16U, Op::Add, 16, -16, "AddShift_16U");
  check_binary<Qvx16s>(qvx_Vector_AddShift_16S, Op::Add, 15, -16, "AddShift_16S");
  check_binary<Qvx32s>(qvx_Vector_AddShift_32S, Op::Add, 31, -32, "AddShift_32S");
  check_binary<Qvx16sc>(qvx_Vector_AddShift_16SC, Op::Add, 15, -16, "AddShift_16SC");
}
TEST(AddSubShift, SubShift) {
  check_binary<Qvx8u>(qvx_Vector_SubShift_8U, Op::Sub, 8, -7, "SubShift_8U");
  check_binary<Qvx16u>(qvx_Vector_SubShift_16U, Op::Sub, 16, -15, "SubShift_16U");
  check_binary<Qvx16s>(qvx_Vector_SubShift_16S, Op::Sub, 15, -16, "SubShift_16S");
  check_binary<Qvx32s>(qvx_Vector_SubShift_32S, Op::Sub, 31, -32, "SubShift_32S");
  check_binary<Qvx16sc>(qvx_Vector_SubShift_16SC, Op::Sub, 15, -16, "SubShift_16SC");
}
TEST(AddSubShift, AddCShift) {
  check_const<Qvx8u>(qvx_Vector_AddCShift_8U, Op::Add, 8, -8, "AddCShift_8U");
  check_const<Qvx16u>(qvx_Vector_AddCShift_16U, Op::Add, 16, -16, "AddCShift_16U");
  check_const<Qvx16s>(qvx_Vector_AddCShift_16S, Op::Add, 15, -16, "AddCShift_16S");
  check_const<Qvx32s>(qvx_Vector_AddCShift_32S, Op::Add, 31, -32, "AddCShift_32S");
  check_const<Qvx16sc>(qvx_Vector_AddCShift_16SC, Op::Add, 15, -16, "AddCShift_16SC");
}
TEST(AddSubShift, SubCShift) {
  check_const<Qvx8u>(qvx_Vector_SubCShift_8U, Op::Sub, 8, -7, "SubCShift_8U");
  check_const<Qvx16u>(qvx_Vector_SubCShift_16U, Op::Sub, 16, -15, "SubCShift_16U");
  check_const<Qvx16s>(qvx_Vector_SubCShift_16S, Op::Sub, 15, -16, "SubCShift_16S");
  check_const<Qvx32s>(qvx_Vector_SubCShift_32S, Op::Sub, 31, -32, "SubCShift_32S");
  check_const<Qvx16sc>(qvx_Vector_SubCShift_16SC, Op::Sub, 15, -16, "SubCShift_16SC");
}
TEST(AddSubShift, SubCRevShift) {
  check_const<Qvx8u>(qvx_Vector_SubCRevShift_8U, Op::SubRev, 8, -7, "SubCRevShift_8U");
  check_const<Qvx16u>(qvx_Vector_SubCRevShift_16U, Op::SubRev, 16, -15, "SubCRevShift_16U");
  check_const<Qvx16s>(qvx_Vector_SubCRevShift_16S, Op::SubRev, 15, -16, "SubCRevShift_16S");
  check_const<Qvx32s>(qvx_Vector_SubCRevShift_32S, Op::SubRev, 31, -32, "SubCRevShift_32S");
  check_const<Qvx16sc>(qvx_Vector_SubCRevShift_16SC, Op::SubRev, 15, -16, "SubCRevShift_16SC");
}

}  // namespace
