// The conversions, every member against its exact model (model.h) over many sources and scale
// factors: integer pairs in exact integer arithmetic at the scale factors around both
// thresholds and at the extremes, with the zero fill below L; conversions involving floating
// point in their own working precision (truncation and saturation, NaN, infinities and -0.0,
// the order of rounding and scaling) over the exact factor range and beyond it; and one call
// each of the size that streams its stores.  (Overlapping arrays: the sweep compares every
// overlap with the element loop, and the digests pin its results.)
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>
#include <string.h>

#include <cmath>
#include <limits>
#include <type_traits>
#include <vector>

#include "model.h"
#include "qvx_vector.h"
#include "support/data.h"
#include "support/interpose.h"

QVXT_RECORD_FILLS_AND_COPIES

namespace {

using qvxt::kInf, qvxt::kInfF, qvxt::kNan, qvxt::kNanF;

template <class S, class D>
using Fn = QvxStatus (*)(const S*, D*, int, int);
#define QVXT_FN(PAIR) qvx_Vector_TypeConvertShift_##PAIR, #PAIR

// Every value of an 8- or 16-bit type; for 32S every power of two of both signs with its
// neighbours, and for 32S and the floating types random values with their specials.
template <class S>
std::vector<S> sources() {
  std::vector<S> v;
  using L = std::numeric_limits<S>;
  if constexpr (std::is_integral<S>::value) {
    for (int64_t x = L::min(); sizeof(S) <= 2 && x <= L::max(); ++x) v.push_back(S(x));
    if (sizeof(S) <= 2) return v;
    for (int k = 0; k < 32; ++k)
      for (int64_t d = -1; d <= 1; ++d)
        v.insert(v.end(), {S((int64_t{1} << k) + d), S(d - (int64_t{1} << k))});
  }
  qvxt::Rng rng(99);
  v.resize(v.size() + 4001);
  qvxt::fill_random(v.data() + v.size() - 4001, 4001, rng);
  return v;
}

// The sources above at every scale factor of sfs against model(x, sf); the first mismatch of
// each function is reported.
template <class S, class D, class Model>
void check_model(Fn<S, D> fn, const char* name, Model model, const std::vector<int>& sfs,
                 qvxt::Nan nan = qvxt::Nan::Payload) {
  const std::vector<S> xs = sources<S>();
  std::vector<D> got(xs.size());
  for (int sf : sfs) {
    ASSERT_EQ(fn(xs.data(), got.data(), static_cast<int>(xs.size()), sf), 0);
    for (size_t i = 0; i < xs.size(); ++i) {
      const D want = model(xs[i], sf);
      if (!qvxt::same_scalar(got[i], want, nan)) {
        ADD_FAILURE() << name << " x " << qvxt::show_scalar(xs[i]) << " sf " << sf << ": got "
                      << qvxt::show_scalar(got[i]) << ", want " << qvxt::show_scalar(want);
        return;
      }
    }
  }
}

// One vector of more than 32 MiB, source and destination together (from there on the stores
// write around the cache), with the destination one element past a 16-byte boundary so that
// the elements before the first whole block go one by one; against the model, with the
// elements on both sides of the destination left alone.
template <class S, class D, class Model>
void check_large(Fn<S, D> fn, const char* name, Model model, int sf) {
  const size_t n = (size_t(32) << 20) / (sizeof(S) + sizeof(D)) + 29;
  qvxt::Rng rng(777);
  std::vector<S> src(n);
  qvxt::fill_random(src.data(), n, rng);
  std::vector<D> got(n + 2), want(n + 2);
  memset(got.data(), 0x5A, got.size() * sizeof(D));
  want = got;
  for (size_t i = 0; i < n; ++i) want[i + 1] = model(src[i], sf);
  ASSERT_EQ(reinterpret_cast<uintptr_t>(got.data()) % 16, 0u);
  ASSERT_EQ(fn(src.data(), got.data() + 1, static_cast<int>(n), sf), 0);
  EXPECT_TRUE(qvxt::same_elements(got.data(), want.data(), n + 2)) << name;
}

// ---- integer to integer ----------------------------------------------------------------------

TEST(IntegerConvert, EveryValueAgainstExactArithmetic) {
  // Both thresholds of every pair (L from -31 to -6, H from 7 to 31) with their neighbours,
  // and the extremes.
  std::vector<int> sfs = {INT_MIN, INT_MIN + 1, -100, 40, 63, 64, 100, INT_MAX - 1, INT_MAX};
  for (int s = -34; s <= 34; ++s) sfs.push_back(s);
#define QVXT_RUN(S, D, L) \
  check_model(            \
      QVXT_FN(S##_##D),   \
      [](cvtt::T##S x, int sf) { return cvtt::int_model<cvtt::T##D>(x, sf, L); }, sfs);
  QVXT_INT_PAIRS(QVXT_RUN)
#undef QVXT_RUN
}

// Below L the whole destination is set to 0 by the fill of its width (8U for 8-bit, 16S for
// 16-bit types); from L on, s = 0 included, no primitive is called.
TEST(IntegerConvert, ZeroFillBelowTheThreshold) {
#define QVXT_RUN(S, D, L) qvxt::expect_zero_fill_below(QVXT_FN(S##_##D), L);
  QVXT_INT_PAIRS(QVXT_RUN)
#undef QVXT_RUN
}

// ---- involving floating point ----------------------------------------------------------------

TEST(ConvertFloat, EveryMemberAgainstItsModel) {
  // The exact range of both factors with its ends, and beyond them to the extremes.
  std::vector<int> sfs = {INT_MIN, INT_MIN + 1, INT_MAX - 1, INT_MAX};
  for (int s = -31; s <= 32; ++s) sfs.push_back(s);
  for (int s : {40,  60,  100, 124,  125,  126,  127,  128,  129,  149,  150,
                260, 300, 700, 1000, 1021, 1022, 1023, 1024, 1025, 1100, 3000})
    sfs.insert(sfs.end(), {s, -s});
#define QVXT_RUN(S, DST, P) \
  check_model(QVXT_FN(S##_##DST), cvtt::FloatModel<P, cvtt::T##DST>(), sfs, qvxt::Nan::Any);
  using F = float;
  using D = double;
  QVXT_FLOAT_MEMBERS(QVXT_RUN)
#undef QVXT_RUN
}

// The factors outside the exact range written out, as the check of the model's reading of
// the factor's bit pattern.
template <class S, class D>
void expect(Fn<S, D> fn, const char* name, int sf, const std::vector<S>& xs,
            const std::vector<D>& want) {
  std::vector<D> got(xs.size());
  ASSERT_EQ(fn(xs.data(), got.data(), static_cast<int>(xs.size()), sf), 0);
  EXPECT_TRUE(qvxt::same_elements(got.data(), want.data(), xs.size(), qvxt::Nan::Any))
      << name << " sf " << sf;
}

TEST(ConvertFloat, FactorsOutsideTheExactRangeFollowTheBitPattern) {
  // Single: 128 is +infinity, -127 is 0.0, -128 is -infinity, -129 is -2^127, the exponent
  // field wraps at 9 bits (517 is 2^5, 261 is -2^5), INT_MAX is 0.5 and INT_MIN is 1.
  expect(QVXT_FN(16S_32F), 128, {3, 0}, {kInfF, kNanF});
  expect(QVXT_FN(16S_32F), -127, {3}, {0.0f});
  expect(QVXT_FN(16S_32F), -128, {3}, {-kInfF});
  expect(QVXT_FN(16S_32F), -129, {1}, {-std::ldexp(1.0f, 127)});
  expect(QVXT_FN(16S_32F), 517, {1}, {32.0f});
  expect(QVXT_FN(16S_32F), 261, {1}, {-32.0f});
  expect(QVXT_FN(16S_32F), INT_MAX, {3}, {1.5f});
  expect(QVXT_FN(16S_32F), INT_MIN, {3}, {3.0f});
  expect(QVXT_FN(32F_32S), 128, {0.0f, 3.0f}, {INT32_MIN, INT32_MAX});  // 0 * inf is NaN
  // Double: the same at 1024, -1023, -1024, -1025, INT_MAX and INT_MIN.
  expect(QVXT_FN(8U_64F), 1024, {1}, {kInf});
  expect(QVXT_FN(8U_64F), -1023, {1}, {0.0});
  expect(QVXT_FN(8U_64F), -1024, {1}, {-kInf});
  expect(QVXT_FN(8U_64F), -1025, {1}, {-std::ldexp(1.0, 1023)});
  expect(QVXT_FN(32S_64F), INT_MAX, {3}, {1.5});
  expect(QVXT_FN(64F_32F), INT_MIN, {5.0}, {5.0f});
  expect(QVXT_FN(32F_64F), -1023, {kInfF}, {kNan});  // inf * 0
}

TEST(Convert, LargeVectorsAgainstTheirModels) {
  check_large(
      QVXT_FN(16S_8U), [](Qvx16s x, int sf) { return cvtt::int_model<Qvx8u>(x, sf, -15); }, -3);
  check_large(QVXT_FN(32F_8S), cvtt::FloatModel<double, Qvx8s>(), 2);
  check_large(QVXT_FN(16U_64F), cvtt::FloatModel<double, double>(), -7);
}

}  // namespace
