// Conversions involving floating point: the factor, truncation toward zero, saturation at
// both bounds, the NaN results, rounding of 32S into single precision before the product
// and of 64F into single precision after it, and the working precision of each member.
#include <gtest/gtest.h>
#include <limits.h>

#include <cmath>
#include <limits>

#include "convert_check.h"
#include "qvx_vector.h"

namespace {

using cvtt::convert;
using cvtt::convert1;
using qvxt::bits_of;

constexpr float kInfF = std::numeric_limits<float>::infinity();
constexpr double kInf = std::numeric_limits<double>::infinity();
const float kNanF = std::numeric_limits<float>::quiet_NaN();
const double kNan = std::numeric_limits<double>::quiet_NaN();

// ---- reference models, in the precision of each member --------------------------------

// Storing a product into an integer type: saturate, otherwise truncate toward zero; NaN
// gives the low bits of -2147483648.
template <class D>
D store_int(double t) {
  using L = std::numeric_limits<D>;
  if (std::isnan(t)) return static_cast<D>(sizeof(D) == 4 ? INT32_MIN : 0);
  if (t > static_cast<double>(L::max())) return L::max();
  if (t < static_cast<double>(L::min())) return L::min();
  return static_cast<D>(std::trunc(t));
}

// The factor: the exponent field scaleFactor + bias, wrapped to the 9 bits (single) or 12
// bits (double) that land in the sign and exponent; fraction 0.  Exponent field 0 is a zero,
// all ones an infinity, anything else a power of two.
float single_factor(int sf) {
  const int64_t e = ((int64_t{sf} + 127) % 512 + 512) % 512;
  const int ex = static_cast<int>(e & 255);
  const float mag = ex == 0 ? 0.0f : ex == 255 ? kInfF : std::ldexp(1.0f, ex - 127);
  return (e >> 8) ? -mag : mag;
}
double double_factor(int sf) {
  const int64_t e = ((int64_t{sf} + 1023) % 4096 + 4096) % 4096;
  const int ex = static_cast<int>(e & 2047);
  const double mag = ex == 0 ? 0.0 : ex == 2047 ? kInf : std::ldexp(1.0, ex - 1023);
  return (e >> 11) ? -mag : mag;
}

template <class S>
float to_32f(S x, int sf) {
  return static_cast<float>(x) * single_factor(sf);
}
template <class S>
double to_64f(S x, int sf) {
  return static_cast<double>(x) * double_factor(sf);
}
template <class D>
D from_32f_single(float x, int sf) {
  return store_int<D>(x * single_factor(sf));
}
template <class D, class S>
D from_double(S x, int sf) {
  return store_int<D>(static_cast<double>(x) * double_factor(sf));
}

// Scale factors inside the exact range of each factor, with the ends of the ranges, and
// beyond it up to the extremes.
const std::vector<int> kSingleSfs = {
    0,    1,    -1,   3,   -7,   15,      -15,         16,      31,         32,
    -31,  40,   -60,  100, -100, 126,     127,         -126,    -125,       128,
    -127, -128, -129, 300, -300, INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 1};
const std::vector<int> kDoubleSfs = {
    0,    1,     -1,    3,     -7,   15,    -15,     16,          31,      32,         -31,
    40,   -60,   127,   128,   -127, -150,  300,     -700,        1023,    -1022,      1000,
    1024, -1023, -1024, -1025, 3000, -3000, INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 1};

// ---- integer sources ------------------------------------------------------------------

TEST(ConvertFromInteger, ExactProductsAtEveryScale) {
  // 8-, 16-bit and 32-bit values times 2^sf, including the negative ones of signed types.
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8U_32F, Qvx8u(255), -1), 127.5f);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8S_32F, Qvx8s(-128), 3), -1024.0f);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16U_32F, Qvx16u(65535), 0), 65535.0f);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(-32768), -15), -1.0f);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(3), 127), kInfF);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(-3), 127), -kInfF);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(1), -126), std::ldexp(1.0f, -126));
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8U_64F, Qvx8u(255), -1022),
            std::ldexp(255.0, -1022));
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8S_64F, Qvx8s(-1), 1023), -std::ldexp(1.0, 1023));
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16U_64F, Qvx16u(40000), 5), 1280000.0);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_64F, Qvx16s(-7), -2), -1.75);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32S_64F, Qvx32s(INT32_MIN), 0), -2147483648.0);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32S_64F, Qvx32s(2147483647), -31),
            2147483647.0 / 2147483648.0);
  // Zero stays +0.0 (no negative zero from an integer).
  EXPECT_EQ(bits_of(convert1(qvx_Vector_TypeConvertShift_8S_32F, Qvx8s(0), -5)), 0u);
}

TEST(ConvertFromInteger, ThirtyTwoBitRoundsToSingleBeforeScaling) {
  // 16777217 is not a single: it rounds (ties to even) to 16777216 and is then halved,
  // where halving first would give the exact 8388608.5.
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32S_32F, Qvx32s(16777217), 0), 16777216.0f);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32S_32F, Qvx32s(16777217), -1), 8388608.0f);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32S_32F, Qvx32s(16777219), 0), 16777220.0f);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32S_32F, Qvx32s(2147483647), 0), 2147483648.0f);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32S_32F, Qvx32s(-2147483647), -31), -1.0f);
}

TEST(ConvertFromInteger, AgreesWithModelEverywhere) {
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_8U_32F, to_32f<Qvx8u>, kSingleSfs, false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_8S_32F, to_32f<Qvx8s>, kSingleSfs, false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_16U_32F, to_32f<Qvx16u>, kSingleSfs, false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_16S_32F, to_32f<Qvx16s>, kSingleSfs, false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_32S_32F, to_32f<Qvx32s>, kSingleSfs, true);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_8U_64F, to_64f<Qvx8u>, kDoubleSfs, false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_8S_64F, to_64f<Qvx8s>, kDoubleSfs, false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_16U_64F, to_64f<Qvx16u>, kDoubleSfs, false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_16S_64F, to_64f<Qvx16s>, kDoubleSfs, false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_32S_64F, to_64f<Qvx32s>, kDoubleSfs, false);
}

// ---- floating sources into integers -----------------------------------------------------

TEST(ConvertToInteger, TruncatesAndSaturatesEightBit) {
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32F_8U,
                    {2.99f, 255.9f, 256.0f, -0.5f, kNanF, kInfF, -kInfF, -0.0f, 1e30f, -1.0f}, 0),
            (std::vector<Qvx8u>{2, 255, 255, 0, 0, 255, 0, 0, 255, 0}));
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_8U, 1.0f, 8), 255);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_8U, 1.0f, 7), 128);
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32F_8S,
                    {-128.9f, -1.5f, 127.5f, kNanF, -129.0f, 128.0f, kInfF, -kInfF, -0.0f}, 0),
            (std::vector<Qvx8s>{-128, -1, 127, 0, -128, 127, 127, -128, 0}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_64F_8U, {255.999, 256.0, -0.999, kNan, -kInf}, 0),
            (std::vector<Qvx8u>{255, 255, 0, 0, 0}));
  EXPECT_EQ(
      convert(qvx_Vector_TypeConvertShift_64F_8S, {-128.999, -129.0, 127.999, kNan, 63.75}, 1),
      (std::vector<Qvx8s>{-128, -128, 127, 0, 127}));
}

TEST(ConvertToInteger, TruncatesAndSaturatesSixteenBit) {
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_64F_16S,
                    {65533.0, 65537.0, -65537.0, -65535.0, kNan}, -1),
            (std::vector<Qvx16s>{32766, 32767, -32768, -32767, 0}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32F_16S,
                    {32767.9f, 32768.0f, -32768.9f, -32769.0f, kNanF, -kInfF, kInfF, -0.99f}, 0),
            (std::vector<Qvx16s>{32767, 32767, -32768, -32768, 0, -32768, 32767, 0}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32F_16U,
                    {65535.5f, 65536.0f, -0.9f, -1.0f, kNanF, 1.5f}, 0),
            (std::vector<Qvx16u>{65535, 65535, 0, 0, 0, 1}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_64F_16U, {131071.0, 131070.0, -2.0, kNan}, -1),
            (std::vector<Qvx16u>{65535, 65535, 0, 0}));
}

TEST(ConvertToInteger, ThirtyTwoBitBoundsAndNaN) {
  EXPECT_EQ(
      convert(qvx_Vector_TypeConvertShift_64F_32S,
              {2147483647.9, -2147483648.7, -0.999, kNan, 2147483648.0, -2147483649.0, kInf, -kInf},
              0),
      (std::vector<Qvx32s>{INT32_MAX, INT32_MIN, 0, INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX,
                           INT32_MIN}));
  // The single product 2^31 compares above 2147483647; the single below it is exact.
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32F_32S,
                    {2147483648.0f, 2147483520.0f, -2147483648.0f, -2147483904.0f, kNanF, kInfF,
                     -kInfF, -2.5f},
                    0),
            (std::vector<Qvx32s>{INT32_MAX, 2147483520, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MAX,
                                 INT32_MIN, -2}));
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_32S, 1.0f, 31), INT32_MAX);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_32S, -1.0f, 31), INT32_MIN);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_32S, 1.0f, 30), 1073741824);
}

TEST(ConvertToInteger, ProductIsTakenInTheMembersPrecision) {
  // 2^-149 times 2^150 is 2 in double precision; a single-precision factor 2^150 does not
  // exist (its bit pattern is a negative power of two), which 32F_8S never sees.
  const float tiny = std::numeric_limits<float>::denorm_min();
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_8S, tiny, 150), 2);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_8S, -3.0f * tiny, 149), -3);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_8S, std::numeric_limits<float>::max(), -127),
            1);
  // A single product overflows to infinity and saturates; the double one would not.
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_16S, 1e38f, 127), 32767);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_16S, tiny, 127), 0);
  // Sources below the normal range keep their value (no flush to zero).
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_16S, std::ldexp(1.5f, -127), 127), 1);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_64F_16S, std::ldexp(-1.5, -1023), 1023), -1);
}

TEST(ConvertToInteger, AgreesWithModelEverywhere) {
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_32F_8U, from_32f_single<Qvx8u>, kSingleSfs, false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_32F_16U, from_32f_single<Qvx16u>, kSingleSfs,
                    false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_32F_16S, from_32f_single<Qvx16s>, kSingleSfs,
                    false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_32F_32S, from_32f_single<Qvx32s>, kSingleSfs, true);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_32F_8S, from_double<Qvx8s, float>, kDoubleSfs,
                    false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_64F_8U, from_double<Qvx8u, double>, kDoubleSfs,
                    false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_64F_8S, from_double<Qvx8s, double>, kDoubleSfs,
                    false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_64F_16U, from_double<Qvx16u, double>, kDoubleSfs,
                    false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_64F_16S, from_double<Qvx16s, double>, kDoubleSfs,
                    false);
  cvtt::sweep_model(qvx_Vector_TypeConvertShift_64F_32S, from_double<Qvx32s, double>, kDoubleSfs,
                    false);
}

// ---- between the floating types ---------------------------------------------------------

TEST(ConvertFloatToFloat, InfinitiesNaNsAndSignedZeros) {
  const std::vector<double> n =
      convert(qvx_Vector_TypeConvertShift_32F_64F, {-0.0f, kInfF, -kInfF, kNanF, 0.1f, -3.0f}, 2);
  EXPECT_EQ(bits_of(n[0]), bits_of(-0.0));
  EXPECT_EQ(n[1], kInf);
  EXPECT_EQ(n[2], -kInf);
  EXPECT_TRUE(std::isnan(n[3]));
  EXPECT_EQ(n[4], static_cast<double>(0.1f) * 4.0);
  EXPECT_EQ(n[5], -12.0);
  // The product is formed in double precision: no single-precision overflow at 2^200.
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_64F, 1e38f, 200),
            std::ldexp(static_cast<double>(1e38f), 200));

  const std::vector<float> m =
      convert(qvx_Vector_TypeConvertShift_64F_32F, {1e300, kNan, -0.0, -1e300, 1e-300, -kInf}, 0);
  EXPECT_EQ(m[0], kInfF);
  EXPECT_TRUE(std::isnan(m[1]));
  EXPECT_EQ(bits_of(m[2]), bits_of(-0.0f));
  EXPECT_EQ(m[3], -kInfF);
  EXPECT_EQ(bits_of(m[4]), 0u);
  EXPECT_EQ(m[5], -kInfF);
}

TEST(ConvertFloatToFloat, RoundsToSingleAfterScaling) {
  // 1 + 2^-24 + 2^-30 rounds up to 1 + 2^-23 only when the product keeps every bit: the
  // scaling does not round, the narrowing does (to nearest, ties to even).
  const double x = 1.0 + std::ldexp(1.0, -24) + std::ldexp(1.0, -30);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_64F_32F, x, 3), 8.0f + std::ldexp(1.0f, -20));
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_64F_32F, 1.0 + std::ldexp(1.0, -24), 0),
            1.0f);  // tie: even
  // Large doubles scaled down into single range, and beyond it.
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_64F_32F, std::ldexp(1.0, 600), -590), 1024.0f);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_64F_32F, std::ldexp(1.0, -700), 500), 0.0f);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_64F_32F, std::ldexp(1.0, -140), 0),
            std::ldexp(1.0f, -140));
}

TEST(ConvertFloatToFloat, AgreesWithModelEverywhere) {
  cvtt::sweep_model(
      qvx_Vector_TypeConvertShift_32F_64F,
      [](float x, int sf) { return static_cast<double>(x) * double_factor(sf); }, kDoubleSfs, false,
      qvxt::Nan::Any);
  cvtt::sweep_model(
      qvx_Vector_TypeConvertShift_64F_32F,
      [](double x, int sf) { return static_cast<float>(x * double_factor(sf)); }, kDoubleSfs, false,
      qvxt::Nan::Any);
}

// ---- scale factors outside the exact range of the factor -------------------------------------

TEST(ConvertFactor, OutsideTheExactRangeFollowsTheBitPattern) {
  // Single factor: (sf + 127) << 23 with 32-bit wrap-around.
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(3), 128), kInfF);
  EXPECT_EQ(bits_of(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(3), -127)), 0u);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(3), -128), -kInfF);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(1), -129), -std::ldexp(1.0f, 127));
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(1), 512 + 5),
            32.0f);  // 9-bit wrap
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(1), 256 + 5), -32.0f);  // sign bit
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(3), INT_MAX),
            1.5f);  // bits 0x3F000000
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16S_32F, Qvx16s(3), INT_MIN),
            3.0f);  // bits 0x3F800000
  EXPECT_TRUE(std::isnan(convert1(qvx_Vector_TypeConvertShift_8U_32F, Qvx8u(0), 128)));  // 0 * inf
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_8U, 2.0f, -127), 0);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_16S, 2.0f, -128), -32768);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_32S, 0.0f, 128), INT32_MIN);  // NaN
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_32S, 3.0f, INT_MAX), 1);
  // Double factor: (sf + 1023) << 52 with the sum taken modulo 2^32, the shift modulo 2^64.
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8U_64F, Qvx8u(1), 1024), kInf);
  EXPECT_EQ(bits_of(convert1(qvx_Vector_TypeConvertShift_8U_64F, Qvx8u(1), -1023)), 0u);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8U_64F, Qvx8u(1), -1024), -kInf);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8U_64F, Qvx8u(1), -1025), -std::ldexp(1.0, 1023));
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32S_64F, Qvx32s(3), INT_MAX), 1.5);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32S_64F, Qvx32s(3), INT_MIN), 3.0);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_32F_8S, 100.0f, 1024), 127);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_64F_8S, 100.0, -1024), -128);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_64F_32F, 5.0, INT_MIN), 5.0f);
  EXPECT_TRUE(std::isnan(convert1(qvx_Vector_TypeConvertShift_32F_64F, kInfF, -1023)));  // inf * 0
}

TEST(ConvertLargeVectors, AgreeWithModel) {
  cvtt::check_large(qvx_Vector_TypeConvertShift_8U_32F, to_32f<Qvx8u>, -3);
  cvtt::check_large(qvx_Vector_TypeConvertShift_32S_32F, to_32f<Qvx32s>, 5);
  cvtt::check_large(qvx_Vector_TypeConvertShift_16S_64F, to_64f<Qvx16s>, 200);
  cvtt::check_large(qvx_Vector_TypeConvertShift_32F_8U, from_32f_single<Qvx8u>, 2);
  cvtt::check_large(qvx_Vector_TypeConvertShift_32F_16S, from_32f_single<Qvx16s>, -1);
  cvtt::check_large(qvx_Vector_TypeConvertShift_32F_32S, from_32f_single<Qvx32s>, 7);
  cvtt::check_large(qvx_Vector_TypeConvertShift_32F_8S, from_double<Qvx8s, float>, 0);
  cvtt::check_large(qvx_Vector_TypeConvertShift_64F_16U, from_double<Qvx16u, double>, 3);
  cvtt::check_large(qvx_Vector_TypeConvertShift_64F_32S, from_double<Qvx32s, double>, -2);
  cvtt::check_large(
      qvx_Vector_TypeConvertShift_32F_64F,
      [](float x, int sf) { return static_cast<double>(x) * double_factor(sf); }, 10,
      qvxt::Nan::Any);
  cvtt::check_large(
      qvx_Vector_TypeConvertShift_64F_32F,
      [](double x, int sf) { return static_cast<float>(x * double_factor(sf)); }, -10,
      qvxt::Nan::Any);
}

}  // namespace
