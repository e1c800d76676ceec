// Conversions involving floating point: every member against a model in its own working
// precision (truncation and saturation, NaN, infinities and -0.0, the order of rounding and
// scaling) over the exact factor range and beyond it, and the factors outside the exact
// range written out, as the check of the model's reading of the factor's bit pattern.
#include <gtest/gtest.h>
#include <limits.h>

#include <cmath>
#include <vector>

#include "convert_check.h"
#include "model.h"
#include "qvx_vector.h"

namespace {

using cvtt::expect;

using qvxt::kInf, qvxt::kInfF, qvxt::kNan, qvxt::kNanF;

// The exact range of both factors with its ends, and beyond them to the extremes.
std::vector<int> scale_factors() {
  std::vector<int> v = {INT_MIN, INT_MIN + 1, INT_MAX - 1, INT_MAX};
  for (int s = -31; s <= 32; ++s) v.push_back(s);
  for (int s : {40, 60, 100, 124, 125, 126, 127, 128, 129, 149, 150, 260, 300, 700, 1000, 1021,
                1022, 1023, 1024, 1025, 1100, 3000})
    v.insert(v.end(), {s, -s});
  return v;
}

TEST(ConvertFloat, EveryMemberAgainstItsModel) {
  const std::vector<int> sfs = scale_factors();
  using F = float;
  using D = double;
#define QVXT_RUN(S, DST, P) \
  cvtt::check_model(QVXT_FN(S##_##DST), cvtt::FloatModel<P, cvtt::T##DST>(), sfs, qvxt::Nan::Any);
  QVXT_FLOAT_MEMBERS(QVXT_RUN)
#undef QVXT_RUN
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

TEST(ConvertFloat, LargeVectorsAgainstTheirModels) {
  cvtt::check_large(QVXT_FN(32F_8S), cvtt::FloatModel<double, Qvx8s>(), 2);
  cvtt::check_large(QVXT_FN(16U_64F), cvtt::FloatModel<double, double>(), -7);
}

}  // namespace
