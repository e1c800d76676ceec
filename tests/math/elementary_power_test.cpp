// Powers: a model of the ordered cases of Pow and PowC calling pow element by element, on
// every boundary base (zero, one and minus one) with every boundary exponent (odd, even and
// non-integer below and from 2^24 / 2^53, infinities, NaNs) and on random pairs; PowC against
// Pow with a filled exponent vector, and PowC's fill through the Set primitives.
#include <algorithm>

#include "elementary_check.h"
#include "support/guarded.h"
#include "support/interpose.h"

QVXT_RECORD_SET(Vector_Set_32F, Qvx32f)
QVXT_RECORD_SET(Vector_Set_64F, Qvx64f)

namespace elem_test {
namespace {

// The magnitude from which every value of T is an even integer.
template <class T>
constexpr T kN = sizeof(T) == 4 ? T(16777216.0) : T(9007199254740992.0);

// The integer tests of the rule: below N, y is converted to an integer by truncation and
// compared back, the lowest bit giving the parity; from N on every value counts as even.
template <class T>
bool odd_below_n(T y) {
  using I = std::conditional_t<sizeof(T) == 4, int32_t, int64_t>;
  if (!(fabs(y) < kN<T>)) return false;
  const I i = static_cast<I>(y);
  return static_cast<T>(i) == y && i % 2 != 0;
}
template <class T>
bool even_or_big(T y) {
  using I = std::conditional_t<sizeof(T) == 4, int32_t, int64_t>;
  if (!(fabs(y) < kN<T>)) return true;
  const I i = static_cast<I>(y);
  return static_cast<T>(i) == y && i % 2 == 0;
}

// The power rule for a finite nonzero exponent (cases 2, 3, 5, 6 and 7).  The integer tests
// take place where a case needs them: the truncating conversion raises the inexact flag for
// a non-integer exponent.
template <class T, class Odd, class Even>
T finite_cases(T x, T y, Odd odd, Even even) {
  if (x == 1) return 1;                                                            // 2
  if (isnan(x)) return y + x;                                                      // 3
  if (x == 0 && y < 0) return signbit(x) && odd() ? T(-1) / fabs(x) : T(1) / fabs(x);  // 5
  const auto call = [](double a, double b) { return static_cast<T>(pow(a, b)); };
  if (x < 0 && even()) return call(fabs(x), y);                                    // 6
  return call(x, y);                                                               // 7
}
template <class T>
T infinite_case(T x, T y) {
  return (fabs(x) < 1) == (y < 0) ? std::numeric_limits<T>::infinity() : T(0);
}

// Cases 1 to 3 look at the bits: no flag for a signalling NaN.
template <class T>
auto magnitude_bits(T v) {
  const auto b = qvxt::bits_of(v);
  return b & ~(decltype(b)(1) << (8 * sizeof(T) - 1));
}
template <class T>
T model_pow(T x, T y) {
  const auto inf = magnitude_bits(std::numeric_limits<T>::infinity());
  if (magnitude_bits(y) == 0) return 1;                                            // 1
  if (qvxt::bits_of(x) == qvxt::bits_of(T(1))) return 1;                           // 2
  if (magnitude_bits(y) > inf || magnitude_bits(x) > inf) return y + x;            // 3
  if (isinf(y)) return x == -1 ? T(1) : infinite_case(x, y);                       // 4
  return finite_cases(x, y, [y] { return odd_below_n(y); }, [y] { return even_or_big(y); });
}

// PowC's steps for one element (the zero exponent's fill aside), with the exponent
// classified before the element is looked at.
template <class T>
T model_powc(T x, T val) {
  if (val == 0) return 1;
  if (isnan(val)) return x == 1 ? T(1) : x + val;
  if (isinf(val)) {
    if (fabs(x) == 1) return 1;
    return isnan(x) ? x + val : infinite_case(x, val);
  }
  const bool odd = odd_below_n(val), even = even_or_big(val);
  return finite_cases(x, val, [odd] { return odd; }, [even] { return even; });
}

// Bases and exponents at the boundaries of the cases.
template <class T>
std::vector<T> bases() {
  const T inf = std::numeric_limits<T>::infinity();
  return {T(-1), T(1), T(0), -T(0), T(0.5), T(-0.5), T(2), T(-2), T(-8), T(10), T(-3),
          inf, -inf, std::numeric_limits<T>::quiet_NaN(), T(1e-30), T(-1e-30),
          std::numeric_limits<T>::denorm_min(), -std::numeric_limits<T>::denorm_min(),
          nextafter(T(1), T(0)), nextafter(T(-1), T(-2))};
}
template <class T>
std::vector<T> exponents() {
  const T n = kN<T>, inf = std::numeric_limits<T>::infinity();
  return {T(0), -T(0), T(1), T(-1), T(2), T(-2), T(3), T(-3), T(0.5), T(-0.5), T(1) / T(3),
          inf, -inf, std::numeric_limits<T>::quiet_NaN(), n - 1, -(n - 1), n - 2, -(n - 2), n,
          -n, 2 * n, -2 * n, n / 2 - T(0.5), -(n / 2 - T(0.5)), T(1e30), T(-1e30), T(1025),
          T(-1075), T(127), T(-149)};
}

// Every boundary base with every boundary exponent, then random pairs.
template <class T>
void pairs(const std::string& name, std::vector<T>& x, std::vector<T>& y) {
  for (T a : bases<T>())
    for (T b : exponents<T>()) x.push_back(a), y.push_back(b);
  Rng rng(std::hash<std::string>()(name));
  for (int i = 0; i < 2000; ++i) {
    x.push_back(rng() % 2 ? qvxt::random_value<T>(rng) : bases<T>()[rng() % bases<T>().size()]);
    y.push_back(rng() % 2 ? qvxt::random_value<T>(rng)
                          : exponents<T>()[rng() % exponents<T>().size()]);
  }
}

template <class T>
void check_pow(const std::string& name, QvxStatus (*fn)(const T*, const T*, T*, int)) {
  std::vector<T> x, y;
  pairs(name, x, y);
  const int n = static_cast<int>(x.size());
  std::vector<T> got(n), want(n), all(n);
  per_element(
      name, n, [&](int i) { fn(&x[i], &y[i], &got[i], 1); },
      [&](int i) { want[i] = model_pow(x[i], y[i]); },
      [&](int i) { return qvxt::same_elements(&got[i], &want[i], 1, Nan::Any); },
      [&] { fn(x.data(), y.data(), all.data(), n); },
      [&] { return qvxt::same_elements(all.data(), want.data(), x.size(), Nan::Any); });
}

TEST(ElementaryPower, PowFollowsTheCasesInOrder) {
  check_pow("Pow_32F", qvx_Vector_Pow_32F);
  check_pow("Pow_64F", qvx_Vector_Pow_64F);
}

// PowC: the same cases with the exponent classified once per call.  Every element equals
// Pow's with a filled exponent vector; values, errno and flags equal the model's.
template <class T>
void check_powc(const std::string& name, QvxStatus (*fn)(const T*, T, T*, int),
                QvxStatus (*pow_fn)(const T*, const T*, T*, int)) {
  Rng rng(std::hash<std::string>()(name));
  const std::vector<T> x = values<T>(rng, 600, std::initializer_list<T>{});
  std::vector<T> x_all(bases<T>());
  x_all.insert(x_all.end(), x.begin(), x.end());
  std::vector<T> vals(exponents<T>());
  for (int i = 0; i < 30; ++i) vals.push_back(qvxt::random_value<T>(rng));
  const int n = static_cast<int>(x_all.size());
  for (T val : vals) {
    std::vector<T> got(n), want(n), all(n), by_pow(n), filled(n, val), rep_in, rep_out(kRepeat);
    per_element(
        name + " val " + qvxt::show_scalar(val), n,
        [&](int i) {
          fn(&x_all[i], val, &got[i], 1);
          rep_in.assign(kRepeat, x_all[i]);
          fn(rep_in.data(), val, rep_out.data(), kRepeat);
        },
        [&](int i) { want[i] = model_powc(x_all[i], val); },
        [&](int i) {
          auto r = qvxt::same_elements(&got[i], &want[i], 1, Nan::Any);
          for (int k = 0; k < kRepeat && r; ++k)
            r = qvxt::same_elements(&rep_out[k], &want[i], 1, Nan::Any);
          return r;
        },
        [&] { fn(x_all.data(), val, all.data(), n); },
        [&] {
          pow_fn(x_all.data(), filled.data(), by_pow.data(), n);
          auto r = qvxt::same_elements(all.data(), want.data(), x_all.size(), Nan::Any);
          return r ? qvxt::same_elements(all.data(), by_pow.data(), x_all.size(), Nan::Any) : r;
        });
  }
}

TEST(ElementaryPower, PowCIsPowWithAFilledExponent) {
  check_powc("PowC_32F", qvx_Vector_PowC_32F, qvx_Vector_Pow_32F);
  check_powc("PowC_64F", qvx_Vector_PowC_64F, qvx_Vector_Pow_64F);
}

// A zero exponent fills through the Set primitive of the type with 1.0, whatever len is
// (the fill itself ignores len < 1); any other exponent fills nothing.  The integer fills
// this program also records (Set_32F itself stores through Set_32S) are not counted here,
// but the first fill of the call must be the type's own.
template <class T>
std::vector<qvxt::Seen> fills(const std::vector<qvxt::Seen>& seen) {
  const std::string name = sizeof(T) == 4 ? "Vector_Set_32F" : "Vector_Set_64F";
  std::vector<qvxt::Seen> r;
  std::copy_if(seen.begin(), seen.end(), std::back_inserter(r), [&](const qvxt::Seen& s) {
    return s.name == "Vector_Set_32F" || s.name == "Vector_Set_64F";
  });
  for (const auto& s : r) EXPECT_EQ(s.name, name);
  const auto first = std::find_if(seen.begin(), seen.end(), [](const qvxt::Seen& s) {
    return s.name.rfind("Vector_Set_", 0) == 0;
  });
  if (first != seen.end()) {
    EXPECT_EQ(first->name, name);
  }
  return r;
}

template <class T>
void check_fill(QvxStatus (*fn)(const T*, T, T*, int)) {
  T src[5] = {T(2), std::numeric_limits<T>::quiet_NaN(), T(-3), T(0), T(1)};
  T dst[5];
  for (T val : {T(0), -T(0)}) {
    const auto seen = fills<T>(qvxt::calls([&] { EXPECT_EQ(fn(src, val, dst, 5), 0); }));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].dst, static_cast<void*>(dst));
    EXPECT_EQ(seen[0].len, 5);
    EXPECT_EQ(seen[0].arg, 1);
    for (T v : dst) EXPECT_EQ(v, T(1));
    // len < 1: the fill is still called, and touches nothing (arrays on a guard page).
    qvxt::Guarded g(0, 0, qvxt::Place::End);
    for (int len : {0, -1, std::numeric_limits<int>::min()}) {
      const auto empty = fills<T>(qvxt::calls([&] { fn(g.as<T>(), val, g.as<T>(), len); }));
      ASSERT_EQ(empty.size(), 1u);
      EXPECT_EQ(empty[0].len, len);
    }
  }
  qvxt::Guarded g(0, 0, qvxt::Place::End);
  for (T val : {T(2), std::numeric_limits<T>::quiet_NaN(), std::numeric_limits<T>::infinity()}) {
    EXPECT_TRUE(fills<T>(qvxt::calls([&] { fn(src, val, dst, 5); })).empty());
    EXPECT_TRUE(fills<T>(qvxt::calls([&] { fn(g.as<T>(), val, g.as<T>(), 0); })).empty());
  }
}

TEST(ElementaryPower, PowCZeroExponentFillsThroughSet) {
  check_fill(qvx_Vector_PowC_32F);
  check_fill(qvx_Vector_PowC_64F);
}

}  // namespace
}  // namespace elem_test
