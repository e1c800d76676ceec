// The statistics, every member against its rule written out plainly: a sum-like reduction is
// one accumulator from +0.0 with the terms added in index order, extremes are running values
// from their start values, and integer means and deviations have their own stores.  The data
// have many ties and special values, and (for the sums) make any other order or precision of
// accumulation give other bits.  Then which primitive a statistics primitive hands its work
// to (seen through support/interpose.h): Sum_8U is SumAbs_8U, Mean_8U and Mean_16U divide the
// sum that SumAbs_8U and SumAbs_16U report, and StdDev is MeanStdDev with a private mean cell;
// each returns its callee's status and makes the call for every len, len < 1 included.
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>
#include <string.h>

#include <cmath>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

#include "qvx_vector.h"
#include "support/data.h"
#include "support/interpose.h"

namespace {
// What the interposed callees add to the sum they report (MeanStdDev: the deviation they
// report instead) and return as status; neutral except within a test, since every test of
// this program goes through them.
double g_add = 0;
QvxStatus g_status = 0;
}  // namespace

#define RECORD_SUM(N, T)                                                                          \
  QVXT_INTERPOSE __qvx_##N(const T* s, int n, Qvx64f* r) {                                        \
    qvxt::g_seen.push_back({#N, s, r, n, 0});                                                     \
    const QvxStatus st = qvxt::next<QvxStatus (*)(const T*, int, Qvx64f*)>("__qvx_" #N)(s, n, r); \
    *r += g_add;                                                                                  \
    return g_status != 0 ? g_status : st;                                                         \
  }
#define RECORD_PAIR(N, T)                                                                         \
  QVXT_INTERPOSE __qvx_##N(const T* s, int n, T* m, T* d) {                                       \
    qvxt::g_seen.push_back({#N, s, d, n, static_cast<long long>(reinterpret_cast<intptr_t>(m))}); \
    const QvxStatus st =                                                                          \
        qvxt::next<QvxStatus (*)(const T*, int, T*, T*)>("__qvx_" #N)(s, n, m, d);                \
    if (g_add != 0) *d = static_cast<T>(g_add);                                                   \
    return g_status != 0 ? g_status : st;                                                         \
  }
RECORD_SUM(Vector_SumAbs_8U, Qvx8u)
RECORD_SUM(Vector_SumAbs_16U, Qvx16u)
RECORD_PAIR(Vector_MeanStdDev_8U, Qvx8u)
RECORD_PAIR(Vector_MeanStdDev_16U, Qvx16u)
RECORD_PAIR(Vector_MeanStdDev_16S, Qvx16s)
RECORD_PAIR(Vector_MeanStdDev_32S, Qvx32s)
RECORD_PAIR(Vector_MeanStdDev_32F, Qvx32f)
RECORD_PAIR(Vector_MeanStdDev_64F, Qvx64f)
#undef RECORD_SUM
#undef RECORD_PAIR

namespace {

using qvxt::kNan;
using qvxt::Rng;

// Results agree when their bits agree, or when both are NaN.
template <class R>
::testing::AssertionResult agree(R got, R want) {
  return qvxt::same_elements(&got, &want, 1, qvxt::Nan::Any);
}

// A result cell preset to a pattern no rule produces.
template <class T>
T garbage() {
  T v;
  memset(&v, 0x5A, sizeof v);
  return v;
}

// s = +0.0; s = s + term(i) for i = 0 .. n - 1, each addition rounded to A.
template <class A, class Term>
A sequential(int n, Term term) {
  A s = 0;
  for (int i = 0; i < n; ++i) s = s + term(i);
  return s;
}

// Values that decide extremes: the ends of the range, zeros of both signs, NaNs,
// infinities, the finite start values, and a few ordinary values (with repeats, so ties are
// common).
// clang-format off
template <class T>
std::vector<T> pool() {
  using L = std::numeric_limits<T>;
  if constexpr (std::is_integral<T>::value) {
    return {L::min(), L::max(), T(0), T(1), static_cast<T>(L::min() + 1),
            static_cast<T>(L::max() - 1), T(7), static_cast<T>(-1), T(100)};
  } else {
    return {T(0), -T(0), L::infinity(), -L::infinity(), L::quiet_NaN(), -L::quiet_NaN(),
            L::max(), L::lowest(), L::denorm_min(), -L::denorm_min(), T(1), T(-1), T(0.5)};
  }
}
// clang-format on

// n values drawn from the pool (`mix` of them random values of the whole type instead).
template <class T>
std::vector<T> from_pool(Rng& rng, size_t n, unsigned mix_percent) {
  const std::vector<T> p = pool<T>();
  std::vector<T> v(n);
  for (T& x : v) x = rng() % 100 < mix_percent ? qvxt::random_value<T>(rng) : p[rng() % p.size()];
  return v;
}

// The lengths a reduction is checked at on a vector of n elements: empty ones (whose
// results are rules too), the shortest, and the whole vector.  Tails, offsets and the
// agreement of every path are the generic sweep's.
std::vector<int> lengths(size_t n) { return {INT_MIN, -1, 0, 1, 2, 3, static_cast<int>(n)}; }

// ---- sums, dot products and norms ------------------------------------------------------------

// The terms of the rules, on elements converted to double (those of one source ignore b).
const auto value = [](auto x, auto) { return static_cast<double>(x); };
const auto magnitude = [](auto x, auto) { return std::fabs(static_cast<double>(x)); };
const auto abs_diff = [](auto a, auto b) {
  return std::fabs(static_cast<double>(a) - static_cast<double>(b));
};
const auto product = [](auto a, auto b) { return static_cast<double>(a) * static_cast<double>(b); };
const auto square = [](auto x, auto) { return static_cast<double>(x) * static_cast<double>(x); };
const auto square_diff = [](auto a, auto b) {
  const double d = static_cast<double>(a) - static_cast<double>(b);
  return d * d;
};

// fn on a (and b for the two-source members) at len, its result cell preset to NaN.
template <class T, class... A>
double reduce(QvxStatus (*fn)(A...), const T* a, const T* b, int len) {
  double r = kNan;
  QvxStatus st;
  if constexpr (sizeof...(A) == 3)
    st = fn(a, len, &r);
  else
    st = fn(a, b, len, &r);
  EXPECT_EQ(st, 0);
  return r;
}

// The sequential loop of term(a[i], b[i]); for a norm, +0.0 for an empty vector and the
// square root of the sum otherwise.
template <class T, class Term>
double rule(const T* a, const T* b, int len, Term term, bool root) {
  const double s = sequential<double>(len, [&](int i) { return term(a[i], b[i]); });
  return !root ? s : len < 1 ? 0.0 : std::sqrt(s);
}

// Magnitudes spread over 2^-span .. 2^span with both signs and full-width significands
// (products are not exact in double either): nearly every addition rounds, so any other
// order of additions, any wider or compensated accumulator, gives other bits.
template <class T>
std::vector<T> wide(Rng& rng, size_t n, int span) {
  std::vector<T> v(n);
  for (T& x : v) {
    const double m = 1.0 + std::ldexp(static_cast<double>(rng() >> 12), -52);
    const double d = std::ldexp(m, static_cast<int>(rng() % (2 * span + 1)) - span);
    x = static_cast<T>(rng() & 1 ? -d : d);
  }
  return v;
}

// fn(a, b, len) against the rule on the sweep's random data (special values mixed in),
// values from the extremes' pool, and for floating point the wide data above; b is the next
// data set.
template <class T, class... A, class Term>
void check_sum(const char* name, QvxStatus (*fn)(A...), Term term, bool root) {
  Rng rng(std::hash<std::string>()(name));
  std::vector<std::vector<T>> sets;
  for (size_t n : {80, 4099}) {
    sets.emplace_back(n);
    qvxt::fill_random(sets.back().data(), n, rng);
    sets.push_back(from_pool<T>(rng, n, 30));
    if constexpr (std::is_floating_point<T>::value) {
      sets.push_back(wide<T>(rng, n, 40));
      sets.push_back(wide<T>(rng, n, 2));
    }
  }
  for (size_t k = 0; k < sets.size(); ++k) {
    const std::vector<T>& a = sets[k];
    std::vector<T> b = sets[(k + 1) % sets.size()];
    b.resize(a.size(), T(3));
    for (int len : lengths(a.size()))
      ASSERT_TRUE(
          agree(reduce(fn, a.data(), b.data(), len), rule(a.data(), b.data(), len, term, root)))
          << name << " len " << len << " data set " << k;
  }
}
template <class F>
struct Source;  // the element type of a reduction's source
template <class T, class... A>
struct Source<QvxStatus(const T*, A...)> {
  using type = T;
};
#define SUM(N, term, root) \
  check_sum<Source<decltype(qvx_Vector_##N)>::type>(#N, qvx_Vector_##N, term, root)

TEST(Sums, EveryMemberIsTheSequentialLoop) {
  SUM(Sum_8U, value, false), SUM(Sum_16S, value, false), SUM(Sum_32S, value, false);
  SUM(Sum_32F, value, false), SUM(Sum_64F, value, false);
  SUM(SumAbs_8U, magnitude, false), SUM(SumAbs_16U, magnitude, false);
  SUM(SumAbs_16S, magnitude, false), SUM(SumAbs_32S, magnitude, false);
  SUM(SumAbs_32F, magnitude, false), SUM(SumAbs_64F, magnitude, false);
  SUM(SumAbsDiff_8U, abs_diff, false), SUM(SumAbsDiff_16U, abs_diff, false);
  SUM(SumAbsDiff_16S, abs_diff, false), SUM(SumAbsDiff_32S, abs_diff, false);
  SUM(SumAbsDiff_32F, abs_diff, false), SUM(SumAbsDiff_64F, abs_diff, false);
  SUM(DotProd_8U, product, false), SUM(DotProd_16U, product, false);
  SUM(DotProd_16S, product, false), SUM(DotProd_32S, product, false);
  SUM(DotProd_32F, product, false), SUM(DotProd_64F, product, false);
}

TEST(Norms, EveryMemberIsTheRootOfTheSequentialLoop) {
  SUM(Norm_8U, square, true), SUM(Norm_16U, square, true), SUM(Norm_16S, square, true);
  SUM(Norm_32S, square, true), SUM(Norm_32F, square, true), SUM(Norm_64F, square, true);
  SUM(NormDiff_8U, square_diff, true), SUM(NormDiff_16U, square_diff, true);
  SUM(NormDiff_16S, square_diff, true), SUM(NormDiff_32S, square_diff, true);
  SUM(NormDiff_32F, square_diff, true), SUM(NormDiff_64F, square_diff, true);
}

// ---- the exact integer range -----------------------------------------------------------------

using i128 = __int128;

struct Sides {
  int below = 0;    // every partial sum within 2^53: the result is the exact sum
  int rounded = 0;  // some partial sum beyond it, and the result is not the exact sum
};

// `lead` zero pairs (moving the crossing against the blocks of a vector path), k copies of
// (ba, bb), then pairs from gen (300, or 400 with no copies before them); fn against the
// rule, and the exact sum of exact(a[i], b[i]) tells which side of 2^53 the partial sums
// stayed on.
template <class T, class Fn, class Gen, class Term, class Exact>
void check_near(const char* name, Rng& rng, int lead, size_t k, T ba, T bb, Gen gen, Fn fn,
                Term term, Exact exact, bool root, Sides& sides) {
  std::vector<T> a(lead, T(0)), b(lead, T(0));
  a.resize(lead + k, ba);
  b.resize(lead + k, bb);
  for (int i = 0; i < (k ? 300 : 400); ++i) {
    const auto ab = gen(rng);
    a.push_back(ab.first);
    b.push_back(ab.second);
  }
  const int n = static_cast<int>(a.size());
  const double got = reduce(fn, a.data(), b.data(), n);
  ASSERT_TRUE(agree(got, rule(a.data(), b.data(), n, term, root))) << name << " length " << n;
  i128 s = 0, top = 0;
  for (int i = 0; i < n; ++i) {
    const i128 t = exact(a[i], b[i]);
    s += t;
    top = std::max({top, t < 0 ? -t : t, s < 0 ? -s : s});
  }
  const double exact_result = root ? std::sqrt(static_cast<double>(s)) : static_cast<double>(s);
  if (top <= (i128(1) << 53)) {
    EXPECT_EQ(got, exact_result) << name << ": within 2^53 the sum is exact";
    ++sides.below;
  } else if (got != exact_result) {
    ++sides.rounded;
  }
}
#define NEAR(N, ...) check_near(#N, rng, lead, __VA_ARGS__)

// Copies of a term of size `big` that leave a random gap of up to 2^g below 2^53.
size_t run_length(Rng& rng, double big, int g) {
  return static_cast<size_t>(
      (9007199254740992.0 - std::ldexp(static_cast<double>(rng() % 1024) / 1024.0, g)) / big);
}

// Partial sums just below and just above 2^53 in magnitude: below it the result is the
// exact sum, above it the additions round in index order.  Both sides occur for the sums and
// dot products checked (runs of the largest 16-bit products among them, whose pairs overflow
// a 32-bit lane).
TEST(Sums, ExactBelow2To53AndRoundedInOrderAbove) {
  Rng rng(53);
  const auto ex_value = [](auto x, auto) { return i128(x); };
  const auto ex_abs = [](auto x, auto) { return x < 0 ? -i128(x) : i128(x); };
  const auto ex_abs_diff = [](auto x, auto y) { return x < y ? i128(y) - x : i128(x) - y; };
  const auto ex_product = [](auto x, auto y) { return i128(x) * y; };
  const auto ex_square = [](auto x, auto) { return i128(x) * x; };
  const auto ex_square_diff = [](auto x, auto y) { return (i128(x) - y) * (i128(x) - y); };
  // Random pairs (the second 0 for the one-source members).
  const auto pair = [](auto x, bool both) {
    return [both](Rng& r) {
      using T = decltype(x);
      return std::make_pair(static_cast<T>(r()), both ? static_cast<T>(r()) : T(0));
    };
  };
  // Products of 2^(e/2) and 2^(e - e/2) magnitudes, mostly positive: the sums cross 2^53
  // after a few to a few hundred terms, or not at all; some single products exceed it.
  int e = 0;
  const auto big_products = [&e](Rng& r) {
    const auto part = [&](int bits) {
      const Qvx32s m = static_cast<Qvx32s>((r() >> 8) % (1u << bits)) | 1;
      return r() % 4 == 0 ? -m : m;
    };
    const Qvx32s x = part(e / 2), y = part(e - e / 2);
    return std::make_pair(x, y < 0 && x < 0 ? -y : y);
  };

  Sides sum, sum_abs, abs_diff32, dot32, dot16, dot16u, others;
  for (int v = 0; v < 12; ++v) {
    const int lead = static_cast<int>(rng() % 70);
    const bool neg = v % 2;
    const auto i32 = pair(Qvx32s(0), false), i32x2 = pair(Qvx32s(0), true);
    NEAR(Sum_32S, run_length(rng, 2147483647.0, 35), neg ? INT32_MIN : INT32_MAX, 0, i32,
         qvx_Vector_Sum_32S, value, ex_value, false, sum);
    NEAR(SumAbs_32S, run_length(rng, 2147483648.0, 39), INT32_MIN, 0, i32, qvx_Vector_SumAbs_32S,
         magnitude, ex_abs, false, sum_abs);
    NEAR(SumAbsDiff_32S, run_length(rng, 4294967295.0, 40), INT32_MAX, INT32_MIN, i32x2,
         qvx_Vector_SumAbsDiff_32S, abs_diff, ex_abs_diff, false, abs_diff32);
    e = 44 + v % 11;
    NEAR(DotProd_32S, 0, 0, 0, big_products, qvx_Vector_DotProd_32S, product, ex_product, false,
         dot32);
    NEAR(Norm_32S, 0, 0, 0, big_products, qvx_Vector_Norm_32S, square, ex_square, true, others);
    if (v >= 6) continue;
    const Qvx16s m = -32768;
    const auto i16 = pair(Qvx16s(0), false), i16x2 = pair(Qvx16s(0), true);
    const auto u16 = pair(Qvx16u(0), false), u16x2 = pair(Qvx16u(0), true);
    NEAR(DotProd_16S, run_length(rng, neg ? 1073709056.0 : 1073741824.0, 31), m,
         neg ? Qvx16s(32767) : m, i16x2, qvx_Vector_DotProd_16S, product, ex_product, false, dot16);
    NEAR(DotProd_16U, run_length(rng, 4294836225.0, 39), Qvx16u(65535), Qvx16u(65535), u16x2,
         qvx_Vector_DotProd_16U, product, ex_product, false, dot16u);
    NEAR(NormDiff_16S, run_length(rng, 4294836225.0, 39), Qvx16s(32767), m, i16x2,
         qvx_Vector_NormDiff_16S, square_diff, ex_square_diff, true, others);
    NEAR(Norm_16S, run_length(rng, 1073741824.0, 37), m, Qvx16s(0), i16, qvx_Vector_Norm_16S,
         square, ex_square, true, others);
    NEAR(Norm_16U, run_length(rng, 4294836225.0, 39), Qvx16u(65535), Qvx16u(0), u16,
         qvx_Vector_Norm_16U, square, ex_square, true, others);
  }
  const std::pair<const char*, const Sides*> sides[] = {
      {"Sum_32S", &sum},       {"SumAbs_32S", &sum_abs}, {"SumAbsDiff_32S", &abs_diff32},
      {"DotProd_32S", &dot32}, {"DotProd_16S", &dot16},  {"DotProd_16U", &dot16u}};
  for (const auto& s : sides) {
    EXPECT_GT(s.second->below, 0) << s.first;
    EXPECT_GT(s.second->rounded, 0) << s.first << " below " << s.second->below;
  }
}

// ---- means and standard deviations -----------------------------------------------------------

// Truncation toward zero into a signed 32-bit integer, NaN and values outside the range
// giving -2147483648, and the low bits of that into a narrower type; a deviation too large
// for the type saturates.
template <class T>
T store(double v, bool deviation) {
  if constexpr (std::is_integral<T>::value) {
    if (deviation && v > double(std::numeric_limits<T>::max()))
      return std::numeric_limits<T>::max();
    int64_t t = INT32_MIN;
    if (!std::isnan(v) && v > -2147483649.0 && v < 2147483648.0) t = static_cast<int64_t>(v);
    return static_cast<T>(static_cast<uint32_t>(t));
  } else {
    return static_cast<T>(v);
  }
}

// The rule for one vector: sums in index order, m = S / n, v = (Q - m * S) / (n - 1) in the
// member's working precision P, the square root in double, the stores.
template <class T>
struct Want {
  T mean, mean_of_pair, dev;
};
template <class P, class T>
Want<T> mean_rule(const T* x, int n) {
  Want<T> w;
  const double s = sequential<double>(n, [&](int i) { return static_cast<double>(x[i]); });
  w.mean = store<T>(s / n, false);
  P S = 0, Q = 0;
  for (int i = 0; i < n; ++i) {
    const P v = static_cast<P>(x[i]);
    S = S + v;
    Q = Q + v * v;
  }
  const P m = S / static_cast<P>(n);
  const P var = (Q - m * S) / static_cast<P>(static_cast<int64_t>(n) - 1);
  w.mean_of_pair = store<T>(static_cast<double>(m), false);
  w.dev = store<T>(std::sqrt(static_cast<double>(var)), true);
  return w;
}

template <class T>
using MeanFn = QvxStatus (*)(const T*, int, T*);
template <class T>
using PairFn = QvxStatus (*)(const T*, int, T*, T*);

template <class P, class T>
void check_mean(const char* name, MeanFn<T> mean, PairFn<T> pair, MeanFn<T> dev) {
  Rng rng(std::hash<std::string>()(name));
  std::vector<std::vector<T>> sets;
  for (size_t n : {70, 4099}) {
    std::vector<T> v(n);
    qvxt::fill_random(v.data(), n, rng);
    sets.push_back(v);
    sets.push_back(from_pool<T>(rng, n, 30));
    // The lowest value throughout (for 16S: squares of 2^30, in pairs of 2^31).
    sets.push_back(std::vector<T>(n, std::numeric_limits<T>::lowest()));
    // Values close together: the deviation is a small difference of large sums.
    const T base = qvxt::random_value<T>(rng);
    for (T& x : v) x = static_cast<T>(base + static_cast<T>(rng() % 3));
    if constexpr (std::is_floating_point<T>::value) {
      if (!std::isfinite(base)) continue;
    }
    sets.push_back(v);
  }
  for (const auto& v : sets)
    for (int len : lengths(v.size())) {
      const T* p = v.data();
      const Want<T> w = mean_rule<P>(p, len);
      T m = garbage<T>(), m2 = garbage<T>(), d = garbage<T>(), d2 = garbage<T>();
      ASSERT_EQ(mean(p, len, &m), 0);
      ASSERT_EQ(pair(p, len, &m2, &d), 0);
      ASSERT_EQ(dev(p, len, &d2), 0);
      const std::string at = std::string(name) + " len " + std::to_string(len);
      ASSERT_TRUE(agree(m, w.mean)) << "Mean_" << at;
      ASSERT_TRUE(agree(m2, w.mean_of_pair)) << "MeanStdDev_" << at << " (mean)";
      ASSERT_TRUE(agree(d, w.dev)) << "MeanStdDev_" << at << " (deviation)";
      ASSERT_TRUE(agree(d2, w.dev)) << "StdDev_" << at;
    }
}
#define MEAN(P, T) \
  check_mean<P>(#T, qvx_Vector_Mean_##T, qvx_Vector_MeanStdDev_##T, qvx_Vector_StdDev_##T)

TEST(MeanStdDev, EveryMemberFollowsTheRule) {
  MEAN(float, 8U), MEAN(double, 16U), MEAN(double, 16S);
  MEAN(double, 32S), MEAN(double, 32F), MEAN(double, 64F);
}

// Cases the data above seldom reach: the 8U deviation in single precision (300 elements of
// 255: Q ends at 19507460, not 19507500, the variance is negative and the stored deviation
// 0; 24 twos and a seven: m * 55 rounds to 121 and the deviation is 1, where double
// precision truncates 0.9999... to 0), and deviations beyond the type's range, which
// saturate (the largest 16S deviation is about 46341).
template <class T>
T dev(PairFn<T> fn, std::vector<T> v) {
  T m = garbage<T>(), d = garbage<T>();
  EXPECT_EQ(fn(v.data(), static_cast<int>(v.size()), &m, &d), 0);
  return d;
}

TEST(MeanStdDev, SinglePrecisionOf8UAndSaturatedDeviations) {
  EXPECT_EQ(dev<Qvx8u>(qvx_Vector_MeanStdDev_8U, std::vector<Qvx8u>(300, 255)), 0);
  std::vector<Qvx8u> twos(24, 2);
  twos.push_back(7);
  EXPECT_EQ(dev<Qvx8u>(qvx_Vector_MeanStdDev_8U, twos), 1);
  EXPECT_EQ(dev<Qvx16u>(qvx_Vector_MeanStdDev_16U, {twos.begin(), twos.end()}), 0);
  EXPECT_EQ(dev<Qvx16s>(qvx_Vector_MeanStdDev_16S, {-32768, 32767}), 32767);
  EXPECT_EQ(dev<Qvx16s>(qvx_Vector_MeanStdDev_16S, {-20000, 20000}), 28284);
  EXPECT_EQ(dev<Qvx32s>(qvx_Vector_MeanStdDev_32S, {INT32_MIN, INT32_MAX}), INT32_MAX);
  EXPECT_EQ(dev<Qvx32s>(qvx_Vector_MeanStdDev_32S, {-1000000000, 1000000000}), 1414213562);
}

// ---- extremes --------------------------------------------------------------------------------

// The start values of a running minimum and maximum: the largest and the lowest finite
// value of the result type.
template <class R>
struct Extremes {
  R min = std::numeric_limits<R>::max(), max = std::numeric_limits<R>::lowest();
  int imin = 0, imax = 0;
};

// One pass in index order, each running value replaced only by a strictly better value.
template <class R, class Get>
Extremes<R> extremes(int n, Get get) {
  Extremes<R> e;
  for (int i = 0; i < n; ++i) {
    const R x = get(i);
    if (x < e.min) e.min = x, e.imin = i;
    if (x > e.max) e.max = x, e.imax = i;
  }
  return e;
}

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
#define MEMBERS(S, T)                                                                       \
  Members<T> {                                                                              \
    qvx_Vector_Max_##S, qvx_Vector_Min_##S, qvx_Vector_MinMax_##S, qvx_Vector_MaxIndex_##S, \
        qvx_Vector_MinIndex_##S, qvx_Vector_MinMaxIndex_##S, #S                             \
  }

// Every member of the type on src[0 .. len), against the running extremes.
template <class T>
::testing::AssertionResult all_agree(const Members<T>& m, const T* src, int len) {
  const Extremes<T> w = extremes<T>(len, [&](int i) { return src[i]; });
  T mx = garbage<T>(), mn = garbage<T>(), mn2 = garbage<T>(), mx2 = garbage<T>();
  int imx = -7, imn = -7, imn2 = -7, imx2 = -7;
  if (m.max(src, len, &mx) || m.min(src, len, &mn) || m.min_max(src, len, &mn2, &mx2) ||
      m.max_index(src, len, &imx) || m.min_index(src, len, &imn) ||
      m.min_max_index(src, len, &imn2, &imx2))
    return ::testing::AssertionFailure() << "a status other than 0";
  // clang-format off
  const struct {
    const char* what;
    ::testing::AssertionResult r;
  } checks[] = {{"Max", agree(mx, w.max)},           {"Min", agree(mn, w.min)},
                {"MinMax (min)", agree(mn2, w.min)}, {"MinMax (max)", agree(mx2, w.max)},
                {"MaxIndex", agree(imx, w.imax)},    {"MinIndex", agree(imn, w.imin)},
                {"MinMaxIndex (min)", agree(imn2, w.imin)},
                {"MinMaxIndex (max)", agree(imx2, w.imax)}};
  // clang-format on
  for (const auto& c : checks)
    if (!c.r)
      return ::testing::AssertionFailure() << c.what << "_" << m.name << ": " << c.r.message();
  return ::testing::AssertionSuccess();
}

// Vectors of pool values (ties everywhere) and of random values, one longer than 65536
// elements, so that indexes do not fit 16 bits; then the elements that decide a result
// planted at every position p of a longer vector: a at p and b at a later position, over
// backgrounds of one repeated value or of mixed pool values.  For floating point: NaN
// backgrounds, ties of +0.0 and -0.0, infinities against the finite start values.
template <class T>
void check_extremes(const Members<T>& m) {
  using L = std::numeric_limits<T>;
  Rng rng(std::hash<std::string>()(m.name));
  for (unsigned mix : {0u, 20u, 100u})
    for (size_t n : {300, 70000}) {
      const auto v = from_pool<T>(rng, n, mix);
      for (int len : lengths(n)) ASSERT_TRUE(all_agree(m, v.data(), len)) << " len " << len;
    }
  const int n = 520;
  std::vector<std::pair<T, T>> plants;
  std::vector<std::vector<T>> backgrounds;
  if constexpr (std::is_floating_point<T>::value) {
    const T nan = L::quiet_NaN(), inf = L::infinity();
    plants = {{T(0), -T(0)}, {-T(0), T(0)},        {inf, inf},
              {-inf, -inf},  {L::max(), L::max()}, {L::lowest(), L::lowest()},
              {T(1), nan},   {nan, T(1)}};
    for (T b : {nan, -T(0), T(0), -inf, inf}) backgrounds.push_back(std::vector<T>(n, b));
  } else {
    plants = {{L::max(), L::max()}, {L::min(), L::min()}, {T(7), T(7)}, {L::max(), L::min()}};
    for (T b : {T(7), L::min(), L::max()}) backgrounds.push_back(std::vector<T>(n, b));
  }
  backgrounds.push_back(from_pool<T>(rng, n, 0));
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
  check_extremes(MEMBERS(8U, Qvx8u));
  check_extremes(MEMBERS(16U, Qvx16u));
  check_extremes(MEMBERS(16S, Qvx16s));
  check_extremes(MEMBERS(32S, Qvx32s));
  check_extremes(MEMBERS(32F, Qvx32f));
  check_extremes(MEMBERS(64F, Qvx64f));
}

template <class S, class R, class Diff>
void check_diff(QvxStatus (*fn)(const S*, const S*, int, R*, R*), const char* name, Diff diff) {
  Rng rng(std::hash<std::string>()(name));
  for (unsigned mix : {0u, 30u, 100u}) {
    const std::vector<S> a = from_pool<S>(rng, 300, mix), b = from_pool<S>(rng, 300, mix);
    for (int len : lengths(a.size())) {
      const Extremes<R> w = extremes<R>(len, [&](int i) { return diff(a[i], b[i]); });
      R mn = garbage<R>(), mx = garbage<R>();
      ASSERT_EQ(fn(a.data(), b.data(), len, &mn, &mx), 0);
      ASSERT_TRUE(agree(mn, w.min)) << name << " (min) len " << len;
      ASSERT_TRUE(agree(mx, w.max)) << name << " (max) len " << len;
    }
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

// ---- delegation ----------------------------------------------------------------------------

using qvxt::Seen;

struct Scoped {
  Scoped(double add, QvxStatus status) {
    g_add = add;
    g_status = status;
  }
  ~Scoped() {
    g_add = 0;
    g_status = 0;
  }
};

void expect_call(const std::vector<Seen>& seen, const std::string& name, const void* src,
                 const void* dst, int len) {
  ASSERT_EQ(seen.size(), 1u) << name;
  EXPECT_EQ(seen[0].name, name);
  EXPECT_EQ(seen[0].src, src) << name;
  if (dst != nullptr) {
    EXPECT_EQ(seen[0].dst, dst) << name;
  }
  EXPECT_EQ(seen[0].len, len) << name;
}

TEST(Delegation, Sum8UIsSumAbs8U) {
  const Qvx8u v[5] = {1, 2, 3, 4, 250};
  for (int len : {5, 0, -3, INT_MIN}) {
    const Scoped s(0.5, 3);
    double r = -1;
    QvxStatus st = 0;
    expect_call(qvxt::calls([&] { st = qvx_Vector_Sum_8U(v, len, &r); }), "Vector_SumAbs_8U", v, &r,
                len);
    EXPECT_EQ(st, 3);
    EXPECT_EQ(r, (len == 5 ? 260.0 : 0.0) + 0.5);
  }
}

// The mean divides what SumAbs reports (here the true sum plus 2 * len) by len, for every
// len: with len 0 the quotient is NaN and the mean 0, with len -2 it is -4 / -2.
TEST(Delegation, MeansOf8UAnd16UDivideTheSumOfSumAbs) {
  const Qvx8u b[4] = {10, 20, 30, 41};
  const Qvx16u w[4] = {1000, 2000, 3000, 4001};
  for (int len : {4, 1, 0, -2}) {
    const Scoped s(2.0 * len, 2);
    Qvx8u m8 = 99;
    Qvx16u m16 = 99;
    QvxStatus st = 0;
    expect_call(qvxt::calls([&] { st = qvx_Vector_Mean_8U(b, len, &m8); }), "Vector_SumAbs_8U", b,
                nullptr, len);
    EXPECT_EQ(st, 2);
    EXPECT_EQ(m8, len == 4 ? 27 : len == 1 ? 12 : len == 0 ? 0 : 2);  // (101 + 8) / 4 ...
    expect_call(qvxt::calls([&] { st = qvx_Vector_Mean_16U(w, len, &m16); }), "Vector_SumAbs_16U",
                w, nullptr, len);
    EXPECT_EQ(st, 2);
    EXPECT_EQ(m16, len == 4 ? 2502 : len == 1 ? 1002 : len == 0 ? 0 : 2);
  }
}

// StdDev calls MeanStdDev with its own src, len and stdDev and a mean cell of its own.
template <class T>
void std_dev_through(QvxStatus (*std_dev)(const T*, int, T*), const std::string& callee) {
  const T v[3] = {T(1), T(5), T(9)};
  for (int len : {3, 1, 0, -1}) {
    const Scoped s(42, 1);
    T d = T(77);
    QvxStatus st = 0;
    const auto seen = qvxt::calls([&] { st = std_dev(v, len, &d); });
    ASSERT_NO_FATAL_FAILURE(expect_call(seen, callee, v, &d, len));
    const void* mean_cell = reinterpret_cast<const void*>(static_cast<intptr_t>(seen[0].arg));
    EXPECT_NE(mean_cell, nullptr);
    EXPECT_NE(mean_cell, static_cast<void*>(&d));
    EXPECT_EQ(st, 1) << callee;
    EXPECT_EQ(d, T(42)) << callee << ": the deviation MeanStdDev reports";
  }
}

TEST(Delegation, StdDevIsMeanStdDevWithAPrivateMean) {
#define THROUGH(T) std_dev_through(qvx_Vector_StdDev_##T, "Vector_MeanStdDev_" #T)
  THROUGH(8U), THROUGH(16U), THROUGH(16S), THROUGH(32S), THROUGH(32F), THROUGH(64F);
}

}  // namespace
