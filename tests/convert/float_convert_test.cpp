// Conversions involving floating point: every member against a model in its own working
// precision over the exact factor range and beyond it, and the telling cases: truncation
// and saturation, NaN, infinities and -0.0, rounding of 32S to single precision before the
// factor and of 64F after it, the double precision of 32F_8S, and the factors outside the
// exact range.
#include <gtest/gtest.h>
#include <limits.h>

#include <cmath>
#include <limits>
#include <vector>

#include "convert_check.h"
#include "model.h"
#include "qvx_vector.h"

namespace {

using cvtt::expect;

using qvxt::kInf, qvxt::kInfF, qvxt::kNan, qvxt::kNanF;
const float kTiny = std::numeric_limits<float>::denorm_min();

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

// ---- literal cases -------------------------------------------------------------------------

TEST(ConvertFloat, IntoIntegersTruncateAndSaturate) {
  expect(QVXT_FN(32F_8U), 0, {2.99f, 255.9f, 256.0f, -0.5f, kNanF, kInfF, -kInfF, -0.0f},
         {2, 255, 255, 0, 0, 255, 0, 0});
  expect(QVXT_FN(32F_8U), 8, {1.0f}, {255});
  expect(QVXT_FN(32F_8S), 0, {-128.9f, -1.5f, 127.5f, kNanF, -129.0f}, {-128, -1, 127, 0, -128});
  expect(QVXT_FN(64F_32S), 0, {2147483647.9, -2147483648.7, -0.999, kNan, kInf, -kInf},
         {INT32_MAX, INT32_MIN, 0, INT32_MIN, INT32_MAX, INT32_MIN});
  expect(QVXT_FN(64F_16S), -1, {65533.0, 65537.0, -65537.0, kNan}, {32766, 32767, -32768, 0});
  expect(QVXT_FN(32F_16S), 0, {32767.9f, -32768.9f, kNanF, -kInfF}, {32767, -32768, 0, -32768});
  expect(QVXT_FN(32F_16U), 0, {65535.5f, 65536.0f, -0.9f, kNanF}, {65535, 65535, 0, 0});
  // The single product 2^31 is compared as a double with 2147483647.0; the single below it
  // converts exactly.
  expect(QVXT_FN(32F_32S), 0, {2147483648.0f, 2147483520.0f, -2147483904.0f, kNanF},
         {INT32_MAX, 2147483520, INT32_MIN, INT32_MIN});
  expect(QVXT_FN(32F_32S), 31, {1.0f, -1.0f}, {INT32_MAX, INT32_MIN});
}

TEST(ConvertFloat, IntoFloatingPoint) {
  expect(QVXT_FN(16S_32F), -15, {-32768}, {-1.0f});
  expect(QVXT_FN(16S_32F), 127, {3, -3}, {kInfF, -kInfF});
  expect(QVXT_FN(8U_64F), -1022, {255}, {std::ldexp(255.0, -1022)});
  expect(QVXT_FN(8S_32F), -5, {0}, {0.0f});  // +0.0, never -0.0, from an integer
  expect(QVXT_FN(64F_32F), 0, {1e300, kNan, -0.0, -1e300, 1e-300},
         {kInfF, kNanF, -0.0f, -kInfF, 0.0f});
  expect(QVXT_FN(32F_64F), 2, {-0.0f, kInfF, -kInfF, kNanF, -3.0f},
         {-0.0, kInf, -kInf, kNan, -12.0});
  // The product is taken in double precision: no overflow of a single.
  expect(QVXT_FN(32F_64F), 200, {1e38f}, {std::ldexp(double(1e38f), 200)});
}

TEST(ConvertFloat, RoundingOrder) {
  // 32S is rounded to single precision (to nearest, ties to even: 16777217 goes down,
  // 16777219 up), then scaled.
  expect(QVXT_FN(32S_32F), 0, {16777217, 16777219, INT32_MAX},
         {16777216.0f, 16777220.0f, 2147483648.0f});
  expect(QVXT_FN(32S_32F), -1, {16777217}, {8388608.0f});
  // 64F is scaled in double precision first, then rounded: 2^600 would be an infinity as a
  // single; 1 + 2^-24 + 2^-30 rounds up, 1 + 2^-24 is a tie and goes to even.
  expect(QVXT_FN(64F_32F), -590, {std::ldexp(1.0, 600)}, {1024.0f});
  expect(QVXT_FN(64F_32F), 3, {1.0 + std::ldexp(1.0, -24) + std::ldexp(1.0, -30)},
         {8.0f + std::ldexp(1.0f, -20)});
  expect(QVXT_FN(64F_32F), 0, {1.0 + std::ldexp(1.0, -24)}, {1.0f});
}

TEST(ConvertFloat, WorkingPrecisionOfEachMember) {
  // 32F_8S multiplies in double precision: 2^-149 * 2^150 is 2, and the largest single
  // times 2^-127 is just below 2; the single-precision members have no factor 2^150 (its
  // pattern is a negative tiny power) nor 2^-127 (0.0).
  expect(QVXT_FN(32F_8S), 150, {kTiny, -kTiny}, {2, -2});
  expect(QVXT_FN(32F_8S), -127, {std::numeric_limits<float>::max()}, {1});
  expect(QVXT_FN(32F_16S), 150, {kTiny}, {0});
  expect(QVXT_FN(32F_16S), -127, {std::numeric_limits<float>::max()}, {0});
  // Values below the normal range keep their value (no flush to zero).
  expect(QVXT_FN(32F_16S), 127, {std::ldexp(1.5f, -127)}, {1});
  expect(QVXT_FN(64F_16S), 1023, {std::ldexp(-1.5, -1023)}, {-1});
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
