// The scaled exponential, logarithm and square root against their models (scaled_model.h):
// every 16-bit input at every scale factor of the table bands and every band edge, 32-bit
// inputs at random and at every threshold and its neighbours, separate arrays and in place.
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <string>
#include <vector>

#include "qvx_vector.h"
#include "scaled_model.h"
#include "support/data.h"

namespace {

template <class T>
using Fn = QvxStatus (*)(const T*, T*, int, int);
using Model = int64_t (*)(int64_t, int);

template <class T>
struct Member {
  const char* name;
  Fn<T> fn;
  Model model;
};
const Member<Qvx16s> k16[] = {
    {"ExpShift_16S", qvx_Vector_ExpShift_16S, smt::exp_shift<Qvx16s>},
    {"LogShift_16S", qvx_Vector_LogShift_16S, smt::log_shift<Qvx16s>},
    {"SqrtShift_16S", qvx_Vector_SqrtShift_16S, smt::sqrt_shift<Qvx16s>},
};
const Member<Qvx32s> k32[] = {
    {"ExpShift_32S", qvx_Vector_ExpShift_32S, smt::exp_shift<Qvx32s>},
    {"LogShift_32S", qvx_Vector_LogShift_32S, smt::log_shift<Qvx32s>},
    {"SqrtShift_32S", qvx_Vector_SqrtShift_32S, smt::sqrt_shift<Qvx32s>},
};

// Every band edge of every member with its neighbours lies in -40 .. 40; then the extremes,
// and scale factors across the computed band of the exponentials (whose results stay
// between 0 and the largest value for |s| up to about 47300 at 16 bits).
std::vector<int> scale_factors() {
  std::vector<int> v = {INT_MIN, INT_MIN + 1, -100000, 100000, INT_MAX - 1, INT_MAX};
  for (int s = -40; s <= 40; ++s) v.push_back(s);
  for (int s = -48000; s <= 48000; s += 997) v.push_back(s);
  return v;
}

// fn against model on xs at every s, once into a separate array and once in place; the
// first mismatches of each member are reported.
template <class T>
void check(const Member<T>& m, const std::vector<T>& xs, const std::vector<int>& sfs) {
  SCOPED_TRACE(m.name);
  const int n = static_cast<int>(xs.size());
  std::vector<T> got(xs.size()), inplace(xs.size());
  int failures = 0;
  for (int s : sfs) {
    memset(got.data(), 0x5A, got.size() * sizeof(T));
    inplace = xs;
    ASSERT_EQ(m.fn(xs.data(), got.data(), n, s), 0);
    ASSERT_EQ(m.fn(inplace.data(), inplace.data(), n, s), 0);
    for (int i = 0; i < n && failures < 8; ++i) {
      const int64_t want = m.model(xs[i], s);
      if (got[i] != want || inplace[i] != want) {
        ++failures;
        ADD_FAILURE() << "x " << xs[i] << " s " << s << ": got " << got[i] << " (in place "
                      << inplace[i] << "), want " << want;
      }
    }
  }
}

TEST(ScaledRules, Every16BitInputAtEveryBand) {
  std::vector<Qvx16s> xs;
  for (int x = -32768; x <= 32767; ++x) xs.push_back(static_cast<Qvx16s>(x));
  smt::undecided() = 0;
  for (const auto& m : k16) check(m, xs, scale_factors());
  EXPECT_EQ(smt::undecided(), 0) << "model values too close to a rounding boundary";
}

// Random values over the whole range and small ones, every power of two and its neighbours,
// the ends of the range, the exponential windows, and every x from which rnd(ln(x) * 2^s)
// steps up at s = -4 .. -2 (e^((k - 1/2) * 2^-s) rounded up) with its neighbours.
std::vector<Qvx32s> sources32() {
  std::vector<Qvx32s> v = {INT_MIN, INT_MIN + 1, INT_MAX - 1, INT_MAX};
  for (int x = -64; x <= 300; ++x) v.push_back(x);
  for (int k = 8; k < 31; ++k)
    for (int d = -2; d <= 2; ++d) v.push_back((1 << k) + d);
  for (int s = -4; s <= -2; ++s)
    for (int k = 1;; ++k) {
      const long double t = ceill(expl(ldexpl(k - 0.5L, -s)));
      if (t > INT_MAX) break;
      for (int d = -2; d <= 2; ++d) v.push_back(static_cast<Qvx32s>(t) + d);
    }
  qvxt::Rng rng(20240607);
  for (int i = 0; i < 20000; ++i)
    v.push_back(static_cast<Qvx32s>(i % 2 ? rng() : rng() % 100000));
  return v;
}

TEST(ScaledRules, Random32BitInputsAndThresholds) {
  smt::undecided() = 0;
  const std::vector<Qvx32s> xs = sources32();
  for (const auto& m : k32) check(m, xs, scale_factors());
  EXPECT_EQ(smt::undecided(), 0) << "model values too close to a rounding boundary";
}

}  // namespace
