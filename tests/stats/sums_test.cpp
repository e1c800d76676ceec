// Sums, dot products and norms: every member against the plain sequential loop over data
// on which reassociated, pairwise, compensated, fused or single-precision accumulation
// gives other bits, and the exact integer range up to 2^53 with partial sums just below and
// just above it (runs of the largest 16-bit products among them, whose pairs overflow a
// 32-bit lane).
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model.h"

namespace {

using st::Rng;
using st::agree;
using st::sequential;

using qvxt::kInf, qvxt::kNan;

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

// Magnitudes spread over 2^-span .. 2^span with both signs and full-width significands
// (products are not exact in double either): nearly every addition rounds, so any other
// order of additions, any wider or compensated accumulator, gives other bits.
template <class T>
std::vector<T> wide(Rng& rng, size_t n, int span = 40) {
  std::vector<T> v(n);
  for (T& x : v) {
    const double m = 1.0 + std::ldexp(static_cast<double>(rng() >> 12), -52);
    const double d = std::ldexp(m, static_cast<int>(rng() % (2 * span + 1)) - span);
    x = static_cast<T>(rng() & 1 ? -d : d);
  }
  return v;
}

// The sweep's random data (special values mixed in), values from the extremes' pool, and
// for floating point the wide data above.
template <class T>
std::vector<std::vector<T>> datasets(Rng& rng) {
  std::vector<std::vector<T>> sets;
  for (size_t n : {80, 4099}) {
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

// fn(a, b, len) against the sequential loop of term(a[i], b[i]) (b is ignored by the
// one-source members); b is another data set of the same length.
template <class T, class Call, class Term>
void check(const char* name, Call fn, Term term, bool root) {
  Rng rng(std::hash<std::string>()(name));
  const auto sets = datasets<T>(rng);
  for (size_t k = 0; k < sets.size(); ++k) {
    const std::vector<T>& a = sets[k];
    std::vector<T> b = sets[(k + 1) % sets.size()];
    b.resize(a.size(), T(3));
    for (int len : st::lengths(a.size())) {
      double got = kNan;
      ASSERT_EQ(fn(a.data(), b.data(), len, &got), 0);
      const double want =
          finish(sequential<double>(len, [&](int i) { return term(a[i], b[i]); }), len, root);
      ASSERT_TRUE(agree(got, want)) << name << " len " << len << " data set " << k;
    }
  }
}

template <class T, class Term>
void check1(Fn1<T> fn, const char* name, Term term, bool root) {
  check<T>(name, [fn](const T* a, const T*, int n, double* r) { return fn(a, n, r); },
           [term](T x, T) { return term(x); }, root);
}
template <class T, class Term>
void check2(Fn2<T> fn, const char* name, Term term, bool root) {
  check<T>(name, fn, term, root);
}

#define ONE(N, term, root) check1(qvx_Vector_##N, #N, term, root)
#define TWO(N, term, root) check2(qvx_Vector_##N, #N, term, root)

TEST(Sums, EveryMemberIsTheSequentialLoop) {
  ONE(Sum_8U, value, false), ONE(Sum_16S, value, false), ONE(Sum_32S, value, false);
  ONE(Sum_32F, value, false), ONE(Sum_64F, value, false);
  ONE(SumAbs_8U, magnitude, false), ONE(SumAbs_16U, magnitude, false);
  ONE(SumAbs_16S, magnitude, false), ONE(SumAbs_32S, magnitude, false);
  ONE(SumAbs_32F, magnitude, false), ONE(SumAbs_64F, magnitude, false);
  TWO(SumAbsDiff_8U, abs_diff, false), TWO(SumAbsDiff_16U, abs_diff, false);
  TWO(SumAbsDiff_16S, abs_diff, false), TWO(SumAbsDiff_32S, abs_diff, false);
  TWO(SumAbsDiff_32F, abs_diff, false), TWO(SumAbsDiff_64F, abs_diff, false);
  TWO(DotProd_8U, product, false), TWO(DotProd_16U, product, false);
  TWO(DotProd_16S, product, false), TWO(DotProd_32S, product, false);
  TWO(DotProd_32F, product, false), TWO(DotProd_64F, product, false);
}

TEST(Norms, EveryMemberIsTheRootOfTheSequentialLoop) {
  ONE(Norm_8U, square, true), ONE(Norm_16U, square, true), ONE(Norm_16S, square, true);
  ONE(Norm_32S, square, true), ONE(Norm_32F, square, true), ONE(Norm_64F, square, true);
  TWO(NormDiff_8U, square_diff, true), TWO(NormDiff_16U, square_diff, true);
  TWO(NormDiff_16S, square_diff, true), TWO(NormDiff_32S, square_diff, true);
  TWO(NormDiff_32F, square_diff, true), TWO(NormDiff_64F, square_diff, true);
}

// ---- the exact integer range -----------------------------------------------------------------

using i128 = __int128;

struct Sides {
  int below = 0;    // every partial sum within 2^53: the result is the exact sum
  int rounded = 0;  // some partial sum beyond it, and the result is not the exact sum
};

// `lead` zero pairs (moving the crossing against the blocks of a vector path), k copies of
// (ba, bb), then pairs from gen (300, or 400 with no copies before them); call(a, b, n) against the sequential loop of term, and
// the exact sum of exact(a[i], b[i]) tells which side of 2^53 the partial sums stayed on.
template <class T, class Gen, class Call, class Term, class Exact>
void check_near(const char* name, Rng& rng, int lead, size_t k, T ba, T bb, Gen gen, Call call,
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
  const double got = call(a.data(), b.data(), n);
  ASSERT_TRUE(agree(got, finish(sequential<double>(n, [&](int i) { return term(a[i], b[i]); }), n, root)))
      << name << " length " << n;
  i128 s = 0, top = 0;
  for (int i = 0; i < n; ++i) {
    const i128 t = exact(a[i], b[i]);
    s += t;
    top = std::max({top, t < 0 ? -t : t, s < 0 ? -s : s});
  }
  const double exact_result = finish(static_cast<double>(s), n, root);
  if (top <= (i128(1) << 53)) {
    EXPECT_EQ(got, exact_result) << name << ": within 2^53 the sum is exact";
    ++sides.below;
  } else if (got != exact_result) {
    ++sides.rounded;
  }
}

// Copies of a term of size `big` that leave a random gap of up to 2^g below 2^53.
size_t run_length(Rng& rng, double big, int g) {
  return static_cast<size_t>(
      (9007199254740992.0 - std::ldexp(static_cast<double>(rng() % 1024) / 1024.0, g)) / big);
}

// Partial sums just below and just above 2^53 in magnitude: below it the result is the
// exact sum, above it the additions round in index order.  Both sides occur for the sums and
// dot products checked.
TEST(Sums, ExactBelow2To53AndRoundedInOrderAbove) {
  Rng rng(53);
  const auto one = [](auto fn) {
    return [fn](const auto* x, const auto*, int n) { double r = kNan; fn(x, n, &r); return r; };
  };
  const auto two = [](auto fn) {
    return [fn](const auto* x, const auto* y, int n) { double r = kNan; fn(x, y, n, &r); return r; };
  };
  const auto first = [](auto term) { return [term](auto x, auto) { return term(x); }; };
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
    check_near<Qvx32s>("Sum_32S", rng, lead, run_length(rng, 2147483647.0, 35),
                       neg ? INT32_MIN : INT32_MAX, 0, i32, one(qvx_Vector_Sum_32S), first(value),
                       ex_value, false, sum);
    check_near<Qvx32s>("SumAbs_32S", rng, lead, run_length(rng, 2147483648.0, 39), INT32_MIN, 0,
                       i32, one(qvx_Vector_SumAbs_32S), first(magnitude), ex_abs, false, sum_abs);
    check_near<Qvx32s>("SumAbsDiff_32S", rng, lead, run_length(rng, 4294967295.0, 40), INT32_MAX,
                       INT32_MIN, i32x2, two(qvx_Vector_SumAbsDiff_32S), abs_diff, ex_abs_diff,
                       false, abs_diff32);
    e = 44 + v % 11;
    check_near<Qvx32s>("DotProd_32S", rng, lead, 0, 0, 0, big_products,
                       two(qvx_Vector_DotProd_32S), product, ex_product, false, dot32);
    check_near<Qvx32s>("Norm_32S", rng, lead, 0, 0, 0, big_products, one(qvx_Vector_Norm_32S),
                       first(square), ex_square, true, others);
    if (v >= 6) continue;
    const Qvx16s m = -32768;
    const auto i16 = pair(Qvx16s(0), false), i16x2 = pair(Qvx16s(0), true);
    const auto u16 = pair(Qvx16u(0), false), u16x2 = pair(Qvx16u(0), true);
    check_near<Qvx16s>("DotProd_16S", rng, lead,
                       run_length(rng, neg ? 1073709056.0 : 1073741824.0, 31), m,
                       neg ? Qvx16s(32767) : m, i16x2, two(qvx_Vector_DotProd_16S), product,
                       ex_product, false, dot16);
    check_near<Qvx16u>("DotProd_16U", rng, lead, run_length(rng, 4294836225.0, 39), 65535, 65535,
                       u16x2, two(qvx_Vector_DotProd_16U), product, ex_product, false, dot16u);
    check_near<Qvx16s>("NormDiff_16S", rng, lead, run_length(rng, 4294836225.0, 39), 32767, m,
                       i16x2, two(qvx_Vector_NormDiff_16S), square_diff, ex_square_diff, true,
                       others);
    check_near<Qvx16s>("Norm_16S", rng, lead, run_length(rng, 1073741824.0, 37), m, 0, i16,
                       one(qvx_Vector_Norm_16S), first(square), ex_square, true, others);
    check_near<Qvx16u>("Norm_16U", rng, lead, run_length(rng, 4294836225.0, 39), 65535, 0, u16,
                       one(qvx_Vector_Norm_16U), first(square), ex_square, true, others);
  }
  const std::pair<const char*, const Sides*> sides[] = {
      {"Sum_32S", &sum},       {"SumAbs_32S", &sum_abs}, {"SumAbsDiff_32S", &abs_diff32},
      {"DotProd_32S", &dot32}, {"DotProd_16S", &dot16},  {"DotProd_16U", &dot16u}};
  for (const auto& s : sides) {
    EXPECT_GT(s.second->below, 0) << s.first;
    EXPECT_GT(s.second->rounded, 0) << s.first << " below " << s.second->below;
  }
}

}  // namespace
