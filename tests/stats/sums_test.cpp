// Sums, dot products and norms: every member against the plain sequential loop over data
// on which reassociated, pairwise, compensated, fused or single-precision accumulation
// gives other bits (checked below: the data tell those orders apart), the literal cases,
// empty vectors, and the exact integer range up to 2^53 with partial sums just below and
// just above it.
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

using st::Rng;
using st::agree;
using st::sequential;

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double k2p53 = 9007199254740992.0;

// The terms of the rules, on elements converted to double.
const auto value = [](auto x) { return static_cast<double>(x); };
const auto magnitude = [](auto x) { return std::fabs(static_cast<double>(x)); };
const auto abs_diff = [](auto a, auto b) {
  return std::fabs(static_cast<double>(a) - static_cast<double>(b));
};
const auto product = [](auto a, auto b) { return static_cast<double>(a) * static_cast<double>(b); };
const auto square = [](auto x) { return static_cast<double>(x) * static_cast<double>(x); };
const auto square_diff = [](auto a, auto b) {
  const double d = static_cast<double>(a) - static_cast<double>(b);
  return d * d;
};

template <class T>
using Fn1 = QvxStatus (*)(const T*, int, Qvx64f*);
template <class T>
using Fn2 = QvxStatus (*)(const T*, const T*, int, Qvx64f*);

// A sum, or a norm: +0.0 for an empty vector, the square root of the sum otherwise.
double finish(double s, int len, bool root) { return !root ? s : len < 1 ? 0.0 : std::sqrt(s); }

uint64_t seed_of(const std::string& s) { return std::hash<std::string>()(s); }

// ---- data ------------------------------------------------------------------------------------

// Magnitudes spread over 2^-span .. 2^span with both signs: nearly every addition rounds,
// so any other order of additions, any wider or compensated accumulator, gives other bits.
template <class T>
std::vector<T> wide(Rng& rng, size_t n, int span = 40) {
  std::vector<T> v(n);
  for (T& x : v) {
    // Full-width significands, so that products are not exact in double either.
    const double m = 1.0 + std::ldexp(static_cast<double>(rng() >> 12), -52);
    const double d = std::ldexp(m, static_cast<int>(rng() % (2 * span + 1)) - span);
    x = static_cast<T>(rng() & 1 ? -d : d);
  }
  return v;
}

// The vectors every member is checked on: the sweep's random data (special values mixed
// in), values from the extremes' pool, and for floating point the wide data above.  Short
// vectors are checked at every length.
template <class T>
std::vector<std::vector<T>> datasets(Rng& rng) {
  std::vector<std::vector<T>> sets;
  for (size_t n : {80, 1000, 4099}) {
    std::vector<T> v(n);
    qvxt::fill_random(v.data(), n, rng);
    sets.push_back(v);
    sets.push_back(st::from_pool<T>(rng, n, 30));
    if constexpr (std::is_floating_point<T>::value) {
      sets.push_back(wide<T>(rng, n));
      sets.push_back(wide<T>(rng, n, 2));
    }
  }
  return sets;
}

template <class T, class Term>
void check1(Fn1<T> fn, const char* name, Term term, bool root) {
  Rng rng(seed_of(name));
  for (const auto& v : datasets<T>(rng))
    st::at_every_offset(v, v.size() <= 80, [&](const T* p, int len, size_t off) {
      double got = kNan;
      ASSERT_EQ(fn(p, len, &got), 0);
      const double want = finish(sequential<double>(len, [&](int i) { return term(p[i]); }), len, root);
      ASSERT_TRUE(agree(got, want)) << name << " len " << len << " offset " << off;
    });
}

template <class T, class Term>
void check2(Fn2<T> fn, const char* name, Term term, bool root) {
  Rng rng(seed_of(name));
  const auto sets = datasets<T>(rng);
  for (size_t k = 0; k < sets.size(); ++k) {
    // The second source: another data set of the same length, at its own offset.
    std::vector<T> b = sets[(k + 1) % sets.size()];
    b.resize(sets[k].size(), T(3));
    std::vector<T> bb(b.size() + 64);
    st::at_every_offset(sets[k], sets[k].size() <= 80, [&](const T* p, int len, size_t off) {
      T* q = bb.data() + (off * 5 + 1) % (64 / sizeof(T));
      std::copy(b.begin(), b.end(), q);
      double got = kNan;
      ASSERT_EQ(fn(p, q, len, &got), 0);
      const double want =
          finish(sequential<double>(len, [&](int i) { return term(p[i], q[i]); }), len, root);
      ASSERT_TRUE(agree(got, want)) << name << " len " << len << " offset " << off;
    });
  }
}

#define ONE(N, term, root) check1(qvx_Vector_##N, #N, term, root)
#define TWO(N, term, root) check2(qvx_Vector_##N, #N, term, root)

TEST(Sums, EveryMemberIsTheSequentialLoop) {
  ONE(Sum_8U, value, false);
  ONE(Sum_16S, value, false);
  ONE(Sum_32S, value, false);
  ONE(Sum_32F, value, false);
  ONE(Sum_64F, value, false);
  ONE(SumAbs_8U, magnitude, false);
  ONE(SumAbs_16U, magnitude, false);
  ONE(SumAbs_16S, magnitude, false);
  ONE(SumAbs_32S, magnitude, false);
  ONE(SumAbs_32F, magnitude, false);
  ONE(SumAbs_64F, magnitude, false);
  TWO(SumAbsDiff_8U, abs_diff, false);
  TWO(SumAbsDiff_16U, abs_diff, false);
  TWO(SumAbsDiff_16S, abs_diff, false);
  TWO(SumAbsDiff_32S, abs_diff, false);
  TWO(SumAbsDiff_32F, abs_diff, false);
  TWO(SumAbsDiff_64F, abs_diff, false);
  TWO(DotProd_8U, product, false);
  TWO(DotProd_16U, product, false);
  TWO(DotProd_16S, product, false);
  TWO(DotProd_32S, product, false);
  TWO(DotProd_32F, product, false);
  TWO(DotProd_64F, product, false);
}

TEST(Norms, EveryMemberIsTheRootOfTheSequentialLoop) {
  ONE(Norm_8U, square, true);
  ONE(Norm_16U, square, true);
  ONE(Norm_16S, square, true);
  ONE(Norm_32S, square, true);
  ONE(Norm_32F, square, true);
  ONE(Norm_64F, square, true);
  TWO(NormDiff_8U, square_diff, true);
  TWO(NormDiff_16U, square_diff, true);
  TWO(NormDiff_16S, square_diff, true);
  TWO(NormDiff_32S, square_diff, true);
  TWO(NormDiff_32F, square_diff, true);
  TWO(NormDiff_64F, square_diff, true);
}

// The checks above can fail: on the wide data, each other way of summing gives other bits
// than the sequential loop for most vectors.
TEST(Sums, TheDataTellOtherOrdersApart) {
  Rng rng(11);
  const int kVectors = 40;
  int differ[7] = {};
  for (int k = 0; k < kVectors; ++k) {
    const std::vector<double> x = wide<double>(rng, 64), y = wide<double>(rng, 64);
    const std::vector<double> u = wide<double>(rng, 64, 2), w = wide<double>(rng, 64, 2);
    const std::vector<float> f = wide<float>(rng, 64);
    const int n = 64;
    const double seq = sequential<double>(n, [&](int i) { return x[i]; });
    // Partial sums in L lanes, added at the end.
    auto lanes = [&](int L) {
      double part[16] = {};
      for (int i = 0; i < n; ++i) part[i % L] += x[i];
      double s = 0;
      for (int l = 0; l < L; ++l) s += part[l];
      return s;
    };
    std::function<double(int, int)> pairwise = [&](int a, int b) -> double {
      return b - a == 1 ? x[a] : pairwise(a, (a + b) / 2) + pairwise((a + b) / 2, b);
    };
    double kahan = 0, c = 0;
    for (int i = 0; i < n; ++i) {
      const double yk = x[i] - c, t = kahan + yk;
      c = (t - kahan) - yk;
      kahan = t;
    }
    const double reversed = sequential<double>(n, [&](int i) { return x[n - 1 - i]; });
    // Float data accumulated in single precision, and a dot product with fused steps.
    const float single = sequential<float>(n, [&](int i) { return f[i]; });
    const double seq_f = sequential<double>(n, [&](int i) { return double(f[i]); });
    double fused = 0;
    for (int i = 0; i < n; ++i) fused = std::fma(u[i], w[i], fused);
    const double dot = sequential<double>(n, [&](int i) { return u[i] * w[i]; });
    const double alt[7] = {lanes(2), lanes(8), pairwise(0, n), kahan, reversed, single, fused};
    const double ref[7] = {seq, seq, seq, seq, seq, seq_f, dot};
    for (int a = 0; a < 7; ++a) differ[a] += !st::same(alt[a], ref[a]);
  }
  const char* names[7] = {"2 lanes", "8 lanes", "pairwise", "compensated", "reversed",
                          "single precision", "fused multiply-add"};
  for (int a = 0; a < 7; ++a) EXPECT_GT(differ[a], kVectors / 2) << names[a];
}

// ---- literal cases ---------------------------------------------------------------------------

template <class T>
double call1(Fn1<T> fn, std::vector<T> v) {
  double r = kNan;
  EXPECT_EQ(fn(v.data(), static_cast<int>(v.size()), &r), 0);
  return r;
}
template <class T>
double call2(Fn2<T> fn, std::vector<T> a, std::vector<T> b) {
  double r = kNan;
  EXPECT_EQ(fn(a.data(), b.data(), static_cast<int>(a.size()), &r), 0);
  return r;
}

TEST(Sums, LiteralCases) {
  const float fnan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    double got, want;
    const char* what;
  } cases[] = {
      {call1<Qvx32f>(qvx_Vector_Sum_32F, {16777216.0f, 1, 1}), 16777218.0, "adds in double"},
      {call1<Qvx64f>(qvx_Vector_Sum_64F, {1e16, 1.0, -1e16}), 0.0, "index order"},
      {call1<Qvx64f>(qvx_Vector_Sum_64F, {1e16, -1e16, 1.0}), 1.0, "index order"},
      {call1<Qvx64f>(qvx_Vector_Sum_64F, {-0.0}), 0.0, "+0.0 + -0.0 is +0.0"},
      {call1<Qvx32f>(qvx_Vector_Sum_32F, {-0.0f, -0.0f}), 0.0, "from +0.0"},
      {call1<Qvx64f>(qvx_Vector_SumAbs_64F, {-0.0}), 0.0, "|-0.0|"},
      {call1<Qvx16s>(qvx_Vector_SumAbs_16S, {-32768}), 32768.0, "no 16-bit overflow"},
      {call1<Qvx32s>(qvx_Vector_SumAbs_32S, {INT32_MIN}), 2147483648.0, "no 32-bit overflow"},
      {call1<Qvx32s>(qvx_Vector_Sum_32S, {INT32_MIN, INT32_MIN}), -4294967296.0, "in double"},
      {call1<Qvx16s>(qvx_Vector_Sum_16S, {32767, 1}), 32768.0, "in double"},
      {call2<Qvx32s>(qvx_Vector_DotProd_32S, {2147483647}, {2147483647}), 4611686014132420608.0,
       "product rounded to double"},
      {call2<Qvx8u>(qvx_Vector_SumAbsDiff_8U, {0, 255}, {255, 0}), 510.0, "no wrap"},
      {call2<Qvx16u>(qvx_Vector_SumAbsDiff_16U, {0}, {65535}), 65535.0, "no wrap"},
      {call2<Qvx32s>(qvx_Vector_SumAbsDiff_32S, {INT32_MAX}, {INT32_MIN}), 4294967295.0, "exact"},
      // The single difference would round to 16777216.
      {call2<Qvx32f>(qvx_Vector_SumAbsDiff_32F, {16777216.0f}, {-1.0f}), 16777217.0,
       "difference in double"},
      {call2<Qvx32f>(qvx_Vector_DotProd_32F, {16777217.0f / 2}, {3.0f}),
       3.0 * double(16777217.0f / 2), "product in double"},
      {call2<Qvx16s>(qvx_Vector_DotProd_16S, {-32768, -32768}, {-32768, -32768}), 2147483648.0,
       "two 2^30 products"},
      {call1<Qvx64f>(qvx_Vector_Sum_64F, {kInf, -kInf}), kNan, "inf - inf"},
      {call1<Qvx32f>(qvx_Vector_Sum_32F, {1.0f, fnan, 2.0f}), kNan, "NaN propagates"},
      {call2<Qvx64f>(qvx_Vector_DotProd_64F, {0.0, 1.0}, {kInf, 1.0}), kNan, "0 * inf"},
      {call1<Qvx8u>(qvx_Vector_Norm_8U, {3, 4}), 5.0, "norm"},
      {call1<Qvx16s>(qvx_Vector_Norm_16S, {-32768}), 32768.0, "norm"},
      {call2<Qvx16u>(qvx_Vector_NormDiff_16U, {0}, {65535}), 65535.0, "difference in double"},
      {call1<Qvx64f>(qvx_Vector_Norm_64F, {1e200, 1e200}), kInf, "no rescaling"},
      {call2<Qvx32f>(qvx_Vector_NormDiff_32F, {1.5f, -2.0f}, {1.5f, -2.0f}), 0.0, "+0.0"},
      {call1<Qvx32f>(qvx_Vector_Norm_32F, {3e38f, 3e38f}),
       std::sqrt(2 * (double(3e38f) * double(3e38f))), "square in double"},
  };
  for (const auto& c : cases) EXPECT_TRUE(agree(c.got, c.want)) << c.what;
}

// madd sums the products of two 16-bit lanes; (-32768)^2 twice is 2^31, one past the
// 32-bit range.  Such pairs at every position, amid others.
TEST(Sums, TwoLargest16BitProductsInOnePair) {
  Rng rng(32768);
  for (int pattern = 0; pattern < 3; ++pattern) {
    std::vector<Qvx16s> a(300, -32768), b(300, -32768);
    for (size_t i = 0; i < a.size(); ++i) {
      if (pattern == 1 && i % 3 == 2) a[i] = static_cast<Qvx16s>(rng());
      if (pattern == 2 && rng() % 4 == 0) b[i] = 32767;
    }
    std::vector<Qvx16s> bb(b.size() + 32);
    st::at_every_offset(a, true, [&](const Qvx16s* p, int len, size_t off) {
      Qvx16s* q = bb.data() + (off * 7) % 32;
      std::copy(b.begin(), b.end(), q);
      double dot = kNan, norm = kNan;
      qvx_Vector_DotProd_16S(p, q, len, &dot);
      qvx_Vector_Norm_16S(q, len, &norm);
      ASSERT_TRUE(agree(dot, sequential<double>(len, [&](int i) { return product(p[i], q[i]); })))
          << "DotProd_16S len " << len << " offset " << off << " pattern " << pattern;
      ASSERT_TRUE(agree(norm, finish(sequential<double>(len, [&](int i) { return square(q[i]); }),
                                     len, true)))
          << "Norm_16S len " << len << " offset " << off << " pattern " << pattern;
    });
  }
}

// ---- the exact integer range -----------------------------------------------------------------

using i128 = __int128;

// One vector pair built to bring the exact partial sums close to 2^53 (or -2^53): `lead`
// zero pairs (moving the crossing against the block boundaries), `k` copies of a pair with
// a large term, then `tail` pairs from gen.
template <class T>
struct Pairs {
  std::vector<T> a, b;
};
template <class T, class Gen>
Pairs<T> near_bound(Rng& rng, int lead, size_t k, T ba, T bb, int tail, Gen gen) {
  Pairs<T> p;
  p.a.assign(lead, T(0));
  p.b.assign(lead, T(0));
  p.a.resize(lead + k, ba);
  p.b.resize(lead + k, bb);
  for (int i = 0; i < tail; ++i) {
    const auto ab = gen(rng);
    p.a.push_back(ab.first);
    p.b.push_back(ab.second);
  }
  return p;
}

struct Sides {
  int below = 0;   // every partial sum within 2^53: the result is the exact sum
  int rounded = 0; // some partial sum beyond it, and the result is not the exact sum
};

// call(a, b, len) against the sequential loop of term(a[i], b[i]); the exact sum of
// exact(a[i], b[i]) tells which side of 2^53 the partial sums stayed on.
template <class T, class Call, class Term, class Exact>
void check_near(const char* name, const Pairs<T>& p, int offset, Call call, Term term,
                Exact exact, bool root, Sides& sides) {
  const int n = static_cast<int>(p.a.size());
  // Kept between calls: mapping fresh pages for every long vector costs more than the call.
  static std::vector<T> a, b;
  a.resize(n + 16);
  b.resize(n + 16);
  std::copy(p.a.begin(), p.a.end(), a.begin() + offset);
  std::copy(p.b.begin(), p.b.end(), b.begin() + offset);
  const T* x = a.data() + offset;
  const T* y = b.data() + offset;
  const double got = call(x, y, n);
  const double want =
      finish(sequential<double>(n, [&](int i) { return term(x[i], y[i]); }), n, root);
  ASSERT_TRUE(agree(got, want)) << name << " length " << n << " offset " << offset;
  i128 s = 0, top = 0;
  for (int i = 0; i < n; ++i) {
    const i128 t = exact(x[i], y[i]);
    s += t;
    top = std::max({top, t < 0 ? -t : t, s < 0 ? -s : s});
  }
  const i128 bound = i128(1) << 53;
  const double exact_result = finish(static_cast<double>(s), n, root);
  if (top <= bound) {
    EXPECT_EQ(got, exact_result) << name << ": within 2^53 the sum is exact";
    ++sides.below;
  } else if (got != exact_result) {
    ++sides.rounded;
  }
}

// Gap below the bound left by the run of large terms: random up to 2^g.
size_t run_length(Rng& rng, double big_term, int g) {
  const double gap = std::ldexp(static_cast<double>(rng() % 1024) / 1024.0, g);
  return static_cast<size_t>((k2p53 - gap) / big_term);
}

template <class T>
T any(Rng& rng) {
  return static_cast<T>(rng());
}

// Partial sums just below and just above 2^53 in magnitude, at many positions against the
// blocks of a vector path: below it the result is the exact sum, above it the additions
// round in index order.  Both sides occur for every member checked.
TEST(Sums, ExactBelow2To53AndRoundedInOrderAbove) {
  Rng rng(53);
  const auto one = [](auto fn) {
    return [fn](const auto* x, const auto*, int n) {
      double r = kNan;
      fn(x, n, &r);
      return r;
    };
  };
  const auto two = [](auto fn) {
    return [fn](const auto* x, const auto* y, int n) {
      double r = kNan;
      fn(x, y, n, &r);
      return r;
    };
  };
  const auto first = [](auto term) { return [term](auto x, auto) { return term(x); }; };
  const auto ex_value = [](auto x, auto) { return i128(x); };
  const auto ex_abs = [](auto x, auto) { return x < 0 ? -i128(x) : i128(x); };
  const auto ex_abs_diff = [](auto x, auto y) { return x < y ? i128(y) - x : i128(x) - y; };
  const auto ex_product = [](auto x, auto y) { return i128(x) * y; };
  const auto ex_square = [](auto x, auto) { return i128(x) * x; };
  const auto ex_square_diff = [](auto x, auto y) { return (i128(x) - y) * (i128(x) - y); };

  const auto i32 = [](Rng& r) { return std::make_pair(any<Qvx32s>(r), Qvx32s(0)); };
  const auto i32x2 = [](Rng& r) { return std::make_pair(any<Qvx32s>(r), any<Qvx32s>(r)); };
  const auto i16x2 = [](Rng& r) { return std::make_pair(any<Qvx16s>(r), any<Qvx16s>(r)); };
  const auto u16x2 = [](Rng& r) { return std::make_pair(any<Qvx16u>(r), any<Qvx16u>(r)); };
  const auto i16 = [](Rng& r) { return std::make_pair(any<Qvx16s>(r), Qvx16s(0)); };
  const auto u16 = [](Rng& r) { return std::make_pair(any<Qvx16u>(r), Qvx16u(0)); };

  // Products of 2^22 .. 2^27 magnitudes, mostly positive: the sums cross 2^53 after a few
  // to a few hundred terms, or not at all; some single products exceed 2^53 themselves.
  int e = 0;
  const auto big_products = [&e](Rng& r) {
    const auto part = [&](int bits) {
      const Qvx32s m = static_cast<Qvx32s>((r() >> 8) % (1u << bits)) | 1;
      return r() % 4 == 0 ? -m : m;
    };
    const Qvx32s x = part(e / 2), y = part(e - e / 2);
    return std::make_pair(x, y < 0 && x < 0 ? -y : y);
  };

  Sides sum, sum_abs, abs_diff32, dot32, dot16, dot16u, norm16, norm16u, norm_diff16, norm32;
  for (int v = 0; v < 12; ++v) {
    const int lead = static_cast<int>(rng() % 70), off = static_cast<int>(rng() % 16);
    const bool neg = v % 2;
    {
      const Qvx32s big = neg ? INT32_MIN : INT32_MAX;
      auto p = near_bound<Qvx32s>(rng, lead, run_length(rng, 2147483647.0, 35), big, 0, 300, i32);
      check_near("Sum_32S", p, off, one(qvx_Vector_Sum_32S), first(value), ex_value, false, sum);
      p = near_bound<Qvx32s>(rng, lead, run_length(rng, 2147483648.0, 39), INT32_MIN, 0, 300, i32);
      check_near("SumAbs_32S", p, off, one(qvx_Vector_SumAbs_32S), first(magnitude), ex_abs,
                 false, sum_abs);
      p = near_bound<Qvx32s>(rng, lead, run_length(rng, 4294967295.0, 40), INT32_MAX, INT32_MIN,
                             300, i32x2);
      check_near("SumAbsDiff_32S", p, off, two(qvx_Vector_SumAbsDiff_32S), abs_diff, ex_abs_diff,
                 false, abs_diff32);
      e = 44 + v % 11;
      p = near_bound<Qvx32s>(rng, lead, 0, 0, 0, 400, big_products);
      check_near("DotProd_32S", p, off, two(qvx_Vector_DotProd_32S), product, ex_product, false,
                 dot32);
      p = near_bound<Qvx32s>(rng, lead, 0, 0, 0, 400, big_products);
      check_near("Norm_32S", p, off, one(qvx_Vector_Norm_32S), first(square), ex_square, true,
                 norm32);
    }
    if (v < 4) {
      const Qvx16s m = -32768;
      auto p = near_bound<Qvx16s>(rng, lead, run_length(rng, neg ? 1073709056.0 : 1073741824.0, 34),
                                  m, neg ? Qvx16s(32767) : m, 300, i16x2);
      check_near("DotProd_16S", p, off, two(qvx_Vector_DotProd_16S), product, ex_product, false,
                 dot16);
      auto u = near_bound<Qvx16u>(rng, lead, run_length(rng, 4294836225.0, 39), 65535, 65535, 300,
                                  u16x2);
      check_near("DotProd_16U", u, off, two(qvx_Vector_DotProd_16U), product, ex_product, false,
                 dot16u);
      p = near_bound<Qvx16s>(rng, lead, run_length(rng, 4294836225.0, 39), 32767, -32768, 300,
                             i16x2);
      check_near("NormDiff_16S", p, off, two(qvx_Vector_NormDiff_16S), square_diff, ex_square_diff,
                 true, norm_diff16);
      p = near_bound<Qvx16s>(rng, lead, run_length(rng, 1073741824.0, 37), m, 0, 300, i16);
      check_near("Norm_16S", p, off, one(qvx_Vector_Norm_16S), first(square), ex_square, true,
                 norm16);
      u = near_bound<Qvx16u>(rng, lead, run_length(rng, 4294836225.0, 39), 65535, 0, 300, u16);
      check_near("Norm_16U", u, off, one(qvx_Vector_Norm_16U), first(square), ex_square, true,
                 norm16u);
    }
  }
  const std::pair<const char*, const Sides*> sides[] = {
      {"Sum_32S", &sum},      {"SumAbs_32S", &sum_abs}, {"SumAbsDiff_32S", &abs_diff32},
      {"DotProd_32S", &dot32}, {"DotProd_16S", &dot16}, {"DotProd_16U", &dot16u}};
  for (const auto& s : sides) {
    EXPECT_GT(s.second->below, 0) << s.first;
    EXPECT_GT(s.second->rounded, 0) << s.first;
  }
}

// ---- empty vectors and one element -----------------------------------------------------------

// len < 1 writes +0.0 and reads nothing (the sources sit on a guard page).  (One element
// and every other length are in the model checks above.)
TEST(Sums, EmptyVectorsGivePlusZero) {
  qvxt::Guarded g(0, 0, qvxt::Place::End);
  uint8_t* none = g.data();
#define EMPTY1(N, T)                                                                  \
  for (int len : {0, -1, -77, INT_MIN}) {                                             \
    double r = kNan;                                                                  \
    EXPECT_EQ(qvx_Vector_##N(reinterpret_cast<const T*>(none), len, &r), 0);         \
    EXPECT_TRUE(agree(r, 0.0)) << #N " len " << len;                                 \
  }
#define EMPTY2(N, T)                                                                       \
  for (int len : {0, -1, -77, INT_MIN}) {                                                  \
    double r = kNan;                                                                       \
    const T* p = reinterpret_cast<const T*>(none);                                         \
    EXPECT_EQ(qvx_Vector_##N(p, p, len, &r), 0);                                           \
    EXPECT_TRUE(agree(r, 0.0)) << #N " len " << len;                                      \
  }
  EMPTY1(Sum_8U, Qvx8u) EMPTY1(Sum_16S, Qvx16s) EMPTY1(Sum_32S, Qvx32s)
  EMPTY1(Sum_32F, Qvx32f) EMPTY1(Sum_64F, Qvx64f)
  EMPTY1(SumAbs_8U, Qvx8u) EMPTY1(SumAbs_16U, Qvx16u) EMPTY1(SumAbs_16S, Qvx16s)
  EMPTY1(SumAbs_32S, Qvx32s) EMPTY1(SumAbs_32F, Qvx32f) EMPTY1(SumAbs_64F, Qvx64f)
  EMPTY2(SumAbsDiff_8U, Qvx8u) EMPTY2(SumAbsDiff_16U, Qvx16u) EMPTY2(SumAbsDiff_16S, Qvx16s)
  EMPTY2(SumAbsDiff_32S, Qvx32s) EMPTY2(SumAbsDiff_32F, Qvx32f) EMPTY2(SumAbsDiff_64F, Qvx64f)
  EMPTY2(DotProd_8U, Qvx8u) EMPTY2(DotProd_16U, Qvx16u) EMPTY2(DotProd_16S, Qvx16s)
  EMPTY2(DotProd_32S, Qvx32s) EMPTY2(DotProd_32F, Qvx32f) EMPTY2(DotProd_64F, Qvx64f)
  EMPTY1(Norm_8U, Qvx8u) EMPTY1(Norm_16U, Qvx16u) EMPTY1(Norm_16S, Qvx16s)
  EMPTY1(Norm_32S, Qvx32s) EMPTY1(Norm_32F, Qvx32f) EMPTY1(Norm_64F, Qvx64f)
  EMPTY2(NormDiff_8U, Qvx8u) EMPTY2(NormDiff_16U, Qvx16u) EMPTY2(NormDiff_16S, Qvx16s)
  EMPTY2(NormDiff_32S, Qvx32s) EMPTY2(NormDiff_32F, Qvx32f) EMPTY2(NormDiff_64F, Qvx64f)
#undef EMPTY1
#undef EMPTY2
}

}  // namespace
