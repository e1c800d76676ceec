// Extremes and their indexes: every member against the running extremes written out (start
// values, strict ordered comparisons, first occurrence), on data made of ties, zeros of
// both signs, NaNs, infinities and the finite start values, with the deciding elements
// planted at every position of vectors longer than a few blocks; the per-member differences
// of MinMaxDiff; the literal cases; and empty vectors.
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model.h"
#include "support/guarded.h"

namespace {

using st::Extremes;
using st::Rng;
using st::agree;

template <class T>
struct Members {
  QvxStatus (*max)(const T*, int, T*);
  QvxStatus (*min)(const T*, int, T*);
  QvxStatus (*min_max)(const T*, int, T*, T*);
  QvxStatus (*max_index)(const T*, int, int*);
  QvxStatus (*min_index)(const T*, int, int*);
  QvxStatus (*min_max_index)(const T*, int, int*, int*);
  const char* name;
};
#define MEMBERS(S, T)                                                                  \
  Members<T> {                                                                         \
    qvx_Vector_Max_##S, qvx_Vector_Min_##S, qvx_Vector_MinMax_##S,                     \
        qvx_Vector_MaxIndex_##S, qvx_Vector_MinIndex_##S, qvx_Vector_MinMaxIndex_##S, #S \
  }

template <class T>
T garbage() {
  T v;
  memset(&v, 0x5A, sizeof v);
  return v;
}

// Every member of the type on src[0 .. len), against the model.
template <class T>
::testing::AssertionResult all_agree(const Members<T>& m, const T* src, int len) {
  const Extremes<T> w = st::extremes<T>(len, [&](int i) { return src[i]; });
  T mx = garbage<T>(), mn = garbage<T>(), mn2 = garbage<T>(), mx2 = garbage<T>();
  int imx = -7, imn = -7, imn2 = -7, imx2 = -7;
  if (m.max(src, len, &mx) || m.min(src, len, &mn) || m.min_max(src, len, &mn2, &mx2) ||
      m.max_index(src, len, &imx) || m.min_index(src, len, &imn) ||
      m.min_max_index(src, len, &imn2, &imx2))
    return ::testing::AssertionFailure() << "a status other than 0";
  const struct {
    const char* what;
    ::testing::AssertionResult r;
  } checks[] = {{"Max", agree(mx, w.max)},           {"Min", agree(mn, w.min)},
                {"MinMax (min)", agree(mn2, w.min)}, {"MinMax (max)", agree(mx2, w.max)},
                {"MaxIndex", agree(imx, w.imax)},    {"MinIndex", agree(imn, w.imin)},
                {"MinMaxIndex (min)", agree(imn2, w.imin)},
                {"MinMaxIndex (max)", agree(imx2, w.imax)}};
  for (const auto& c : checks)
    if (!c.r) return ::testing::AssertionFailure() << c.what << "_" << m.name << ": " << c.r.message();
  return ::testing::AssertionSuccess();
}

// Vectors of pool values (ties everywhere) and of random values, at every length up to 300
// and every start offset, and a few long ones.
template <class T>
void random_vectors(const Members<T>& m) {
  Rng rng(std::hash<std::string>()(m.name));
  for (unsigned mix : {0u, 20u, 100u}) {
    st::at_every_offset(st::from_pool<T>(rng, 300, mix), true, [&](const T* p, int len, size_t off) {
      ASSERT_TRUE(all_agree(m, p, len)) << " len " << len << " offset " << off << " mix " << mix;
    });
    const auto v = st::from_pool<T>(rng, 70000, mix);
    ASSERT_TRUE(all_agree(m, v.data(), static_cast<int>(v.size())));
  }
}

// The elements that decide a result planted at every position p of a longer vector: a at p
// and b at a later position, over backgrounds of one repeated value or of mixed pool
// values.  For floating point: NaN backgrounds, ties of +0.0 and -0.0, infinities against
// the finite start values.
template <class T>
void planted(const Members<T>& m) {
  using L = std::numeric_limits<T>;
  Rng rng(std::hash<std::string>()(m.name) + 1);
  const int n = 520;
  std::vector<std::pair<T, T>> plants;
  std::vector<std::vector<T>> backgrounds;
  if constexpr (std::is_floating_point<T>::value) {
    const T nan = L::quiet_NaN(), inf = L::infinity();
    plants = {{T(0), -T(0)}, {-T(0), T(0)}, {inf, inf}, {-inf, -inf}, {L::max(), L::max()},
              {L::lowest(), L::lowest()}, {T(1), nan}, {nan, T(1)}};
    for (T b : {nan, -T(0), T(0), -inf, inf}) backgrounds.push_back(std::vector<T>(n, b));
  } else {
    plants = {{L::max(), L::max()}, {L::min(), L::min()}, {T(7), T(7)}, {L::max(), L::min()}};
    for (T b : {T(7), L::min(), L::max()}) backgrounds.push_back(std::vector<T>(n, b));
  }
  backgrounds.push_back(st::from_pool<T>(rng, n, 0));
  std::vector<T> buf(n + 64);
  for (const auto& bg : backgrounds)
    for (const auto& ab : plants)
      for (int p = 0; p < n; ++p) {
        T* v = buf.data() + p % (64 / sizeof(T));
        std::copy(bg.begin(), bg.end(), v);
        v[p] = ab.first;
        if (p + 1 < n) v[p + 1 + static_cast<int>(rng() % (n - p - 1))] = ab.second;
        ASSERT_TRUE(all_agree(m, v, n)) << " planted at " << p;
      }
}

TEST(Extremes, EveryValueAndIndexFormFollowsTheRunningExtremes) {
  random_vectors(MEMBERS(8U, Qvx8u));
  random_vectors(MEMBERS(16U, Qvx16u));
  random_vectors(MEMBERS(16S, Qvx16s));
  random_vectors(MEMBERS(32S, Qvx32s));
  random_vectors(MEMBERS(32F, Qvx32f));
  random_vectors(MEMBERS(64F, Qvx64f));
}

TEST(Extremes, DecidingElementsAtEveryPosition) {
  planted(MEMBERS(8U, Qvx8u));
  planted(MEMBERS(16U, Qvx16u));
  planted(MEMBERS(16S, Qvx16s));
  planted(MEMBERS(32S, Qvx32s));
  planted(MEMBERS(32F, Qvx32f));
  planted(MEMBERS(64F, Qvx64f));
}

// ---- MinMaxDiff ------------------------------------------------------------------------------

template <class S, class R, class Diff>
void check_diff(QvxStatus (*fn)(const S*, const S*, int, R*, R*), const char* name, Diff diff) {
  Rng rng(std::hash<std::string>()(name));
  for (unsigned mix : {0u, 30u, 100u}) {
    const std::vector<S> b = st::from_pool<S>(rng, 300, mix);
    std::vector<S> bb(b.size() + 64);
    st::at_every_offset(st::from_pool<S>(rng, 300, mix), true, [&](const S* p, int len, size_t off) {
      S* q = bb.data() + (off * 3) % (64 / sizeof(S));
      std::copy(b.begin(), b.end(), q);
      const Extremes<R> w = st::extremes<R>(len, [&](int i) { return diff(p[i], q[i]); });
      R mn = garbage<R>(), mx = garbage<R>();
      ASSERT_EQ(fn(p, q, len, &mn, &mx), 0);
      ASSERT_TRUE(agree(mn, w.min)) << name << " (min) len " << len << " offset " << off;
      ASSERT_TRUE(agree(mx, w.max)) << name << " (max) len " << len << " offset " << off;
    });
  }
}

TEST(Extremes, MinMaxDiffOfEachMember) {
  const auto exact = [](auto a, auto b) { return static_cast<Qvx32s>(int64_t{a} - int64_t{b}); };
  check_diff(qvx_Vector_MinMaxDiff_8U, "MinMaxDiff_8U", exact);
  check_diff(qvx_Vector_MinMaxDiff_16S, "MinMaxDiff_16S", exact);
  // The elements read as signed 16-bit values.
  check_diff(qvx_Vector_MinMaxDiff_16U, "MinMaxDiff_16U", [](Qvx16u a, Qvx16u b) {
    return static_cast<Qvx32s>(int64_t{static_cast<int16_t>(a)} - static_cast<int16_t>(b));
  });
  // Modulo 2^32.
  check_diff(qvx_Vector_MinMaxDiff_32S, "MinMaxDiff_32S", [](Qvx32s a, Qvx32s b) {
    return static_cast<Qvx32s>(static_cast<uint32_t>(int64_t{a} - int64_t{b}));
  });
  check_diff(qvx_Vector_MinMaxDiff_32F, "MinMaxDiff_32F", [](float a, float b) { return a - b; });
  check_diff(qvx_Vector_MinMaxDiff_64F, "MinMaxDiff_64F", [](double a, double b) { return a - b; });
}

// ---- literal cases ---------------------------------------------------------------------------

TEST(Extremes, LiteralCases) {
  const float fnan = std::numeric_limits<float>::quiet_NaN();
  const float finf = std::numeric_limits<float>::infinity();
  int i = -1, j = -1;
  const Qvx8u a8[] = {3, 7, 7, 1};
  EXPECT_EQ(qvx_Vector_MaxIndex_8U(a8, 4, &i), 0);
  EXPECT_EQ(i, 1);
  const Qvx16s a16[] = {5, -2, -2};
  EXPECT_EQ(qvx_Vector_MinIndex_16S(a16, 3, &i), 0);
  EXPECT_EQ(i, 1);
  const Qvx32s a32[] = {4, 4, 4};
  EXPECT_EQ(qvx_Vector_MinMaxIndex_32S(a32, 3, &i, &j), 0);
  EXPECT_EQ(i, 0);
  EXPECT_EQ(j, 0);

  const Qvx32f nan1[] = {fnan, 1.0f, fnan};
  float f = 0;
  EXPECT_EQ(qvx_Vector_Max_32F(nan1, 3, &f), 0);
  EXPECT_EQ(f, 1.0f);
  EXPECT_EQ(qvx_Vector_MaxIndex_32F(nan1, 3, &i), 0);
  EXPECT_EQ(i, 1);

  double d = 1;
  const Qvx64f zeros[] = {-0.0, 0.0};
  EXPECT_EQ(qvx_Vector_Max_64F(zeros, 2, &d), 0);
  EXPECT_TRUE(agree(d, -0.0));
  const Qvx64f zeros2[] = {0.0, -0.0};
  EXPECT_EQ(qvx_Vector_Max_64F(zeros2, 2, &d), 0);
  EXPECT_TRUE(agree(d, 0.0));
  EXPECT_EQ(qvx_Vector_Min_64F(zeros, 2, &d), 0);
  EXPECT_TRUE(agree(d, -0.0));

  // Only -inf: the finite start value stays; +inf is selected by a maximum.
  const Qvx32f minus_inf[] = {-finf, -finf};
  EXPECT_EQ(qvx_Vector_Max_32F(minus_inf, 1, &f), 0);
  EXPECT_EQ(f, -3.4028234663852886e38f);
  EXPECT_EQ(qvx_Vector_MaxIndex_32F(minus_inf, 2, &i), 0);
  EXPECT_EQ(i, 0);
  const Qvx32f plus_inf[] = {1.0f, finf};
  EXPECT_EQ(qvx_Vector_Max_32F(plus_inf, 2, &f), 0);
  EXPECT_EQ(f, finf);

  Qvx32s lo = 0, hi = 0;
  const Qvx16u u1[] = {65535}, u0[] = {0};
  EXPECT_EQ(qvx_Vector_MinMaxDiff_16U(u1, u0, 1, &lo, &hi), 0);
  EXPECT_EQ(lo, -1);
  EXPECT_EQ(hi, -1);
  const Qvx16u u40000[] = {40000};
  EXPECT_EQ(qvx_Vector_MinMaxDiff_16U(u40000, u0, 1, &lo, &hi), 0);
  EXPECT_EQ(hi, -25536);
  const Qvx32s s1[] = {2147483647, 0}, s2[] = {-1, 0};
  EXPECT_EQ(qvx_Vector_MinMaxDiff_32S(s1, s2, 2, &lo, &hi), 0);
  EXPECT_EQ(lo, INT32_MIN);
  EXPECT_EQ(hi, 0);
  const Qvx8u b1[] = {0, 255}, b2[] = {255, 0};
  EXPECT_EQ(qvx_Vector_MinMaxDiff_8U(b1, b2, 2, &lo, &hi), 0);
  EXPECT_EQ(lo, -255);
  EXPECT_EQ(hi, 255);
  const Qvx16s w1[] = {-32768}, w2[] = {32767};
  EXPECT_EQ(qvx_Vector_MinMaxDiff_16S(w1, w2, 1, &lo, &hi), 0);
  EXPECT_EQ(lo, -65535);
  const Qvx32f big[] = {1.0e8f}, one[] = {1.0f};
  float flo = 0, fhi = 0;
  EXPECT_EQ(qvx_Vector_MinMaxDiff_32F(big, one, 1, &flo, &fhi), 0);
  EXPECT_EQ(fhi, 1.0e8f);  // the 1 is lost in the single-precision difference
  EXPECT_EQ(flo, 1.0e8f);
}

// MinMaxDiff_16U is MinMaxDiff_16S under a second name.
TEST(Extremes, MinMaxDiff16UIsTheSameFunctionAs16S) {
  EXPECT_EQ(reinterpret_cast<void*>(qvx_Vector_MinMaxDiff_16U),
            reinterpret_cast<void*>(qvx_Vector_MinMaxDiff_16S));
}

// len < 1: the start values and index 0 are written, nothing is read (guard page).
TEST(Extremes, EmptyVectorsGiveTheStartValues) {
  qvxt::Guarded g(0, 0, qvxt::Place::End);
#define EMPTY(S, T)                                                                        \
  for (int len : {0, -1, INT_MIN}) {                                                       \
    const T* none = g.as<const T>();                                                       \
    T a = garbage<T>(), b = garbage<T>(), c = garbage<T>(), e = garbage<T>();              \
    int ia = -1, ib = -1, ic = -1, ie = -1;                                                \
    EXPECT_EQ(qvx_Vector_Max_##S(none, len, &a), 0);                                       \
    EXPECT_EQ(qvx_Vector_Min_##S(none, len, &b), 0);                                       \
    EXPECT_EQ(qvx_Vector_MinMax_##S(none, len, &c, &e), 0);                                \
    EXPECT_TRUE(agree(a, st::Start<T>::hi)) << #S " len " << len;                          \
    EXPECT_TRUE(agree(b, st::Start<T>::lo)) << #S " len " << len;                          \
    EXPECT_TRUE(agree(c, st::Start<T>::lo)) << #S " len " << len;                          \
    EXPECT_TRUE(agree(e, st::Start<T>::hi)) << #S " len " << len;                          \
    EXPECT_EQ(qvx_Vector_MaxIndex_##S(none, len, &ia), 0);                                 \
    EXPECT_EQ(qvx_Vector_MinIndex_##S(none, len, &ib), 0);                                 \
    EXPECT_EQ(qvx_Vector_MinMaxIndex_##S(none, len, &ic, &ie), 0);                         \
    EXPECT_EQ(ia | ib | ic | ie, 0) << #S " len " << len;                                  \
  }
  EMPTY(8U, Qvx8u)
  EMPTY(16U, Qvx16u)
  EMPTY(16S, Qvx16s)
  EMPTY(32S, Qvx32s)
  EMPTY(32F, Qvx32f)
  EMPTY(64F, Qvx64f)
#undef EMPTY
#define EMPTY_DIFF(S, T, R)                                                 \
  for (int len : {0, -1, INT_MIN}) {                                        \
    const T* none = g.as<const T>();                                        \
    R lo = garbage<R>(), hi = garbage<R>();                                 \
    EXPECT_EQ(qvx_Vector_MinMaxDiff_##S(none, none, len, &lo, &hi), 0);     \
    EXPECT_TRUE(agree(lo, st::Start<R>::lo)) << #S " len " << len;          \
    EXPECT_TRUE(agree(hi, st::Start<R>::hi)) << #S " len " << len;          \
  }
  EMPTY_DIFF(8U, Qvx8u, Qvx32s)
  EMPTY_DIFF(16S, Qvx16s, Qvx32s)
  EMPTY_DIFF(16U, Qvx16u, Qvx32s)
  EMPTY_DIFF(32S, Qvx32s, Qvx32s)
  EMPTY_DIFF(32F, Qvx32f, Qvx32f)
  EMPTY_DIFF(64F, Qvx64f, Qvx64f)
#undef EMPTY_DIFF
}

}  // namespace
