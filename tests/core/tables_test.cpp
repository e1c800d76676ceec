// The constant tables, entry by entry against their rules (computed here independently, in
// exact integer arithmetic or by correctly rounded division).
#include <gtest/gtest.h>
#include <stdint.h>
#include <string.h>

#include "qvx_vector.h"
#include "support/data.h"

namespace {

TEST(Tables, IntegerQuotientsTruncate) {
  EXPECT_EQ(qvx_2In16Div8U_32S[0], -1);
  EXPECT_EQ(qvx_2In23Div8U_32S[0], -1);
  for (int i = 1; i < 256; ++i) {
    // The largest q with q * i <= 2^n.
    int64_t q16 = qvx_2In16Div8U_32S[i], q23 = qvx_2In23Div8U_32S[i];
    EXPECT_LE(q16 * i, int64_t(1) << 16) << i;
    EXPECT_GT((q16 + 1) * i, int64_t(1) << 16) << i;
    EXPECT_LE(q23 * i, int64_t(1) << 23) << i;
    EXPECT_GT((q23 + 1) * i, int64_t(1) << 23) << i;
  }
}

TEST(Tables, ReciprocalsRoundToNearestSingle) {
  EXPECT_EQ(qvx_1Div8U_32F[0], 2147483648.0f);
  for (int i = 1; i < 256; ++i) {
    const float r = qvx_1Div8U_32F[i];
    // Nearest single: no neighbour is closer to the exact 1/i (checked in long double).
    const long double exact = 1.0L / i;
    const long double err = fabsl(static_cast<long double>(r) - exact);
    EXPECT_LE(err, fabsl(static_cast<long double>(nextafterf(r, 0.0f)) - exact)) << i;
    EXPECT_LE(err, fabsl(static_cast<long double>(nextafterf(r, 2.0f)) - exact)) << i;
  }
}

TEST(Tables, SignedByteMagnitudes) {
  for (int i = 0; i < 256; ++i) {
    const int v = static_cast<int8_t>(static_cast<uint8_t>(i));
    EXPECT_EQ(qvx_8S_to_64F[i], static_cast<double>(v < 0 ? -v : v)) << i;
  }
}

// Entry 128 + b is b, so that a signed or an unsigned byte indexes the table from entry 128.
TEST(Tables, ByteValuesIndexableFromEntry128) {
  for (int i = 0; i < 384; ++i) {
    EXPECT_EQ(qvx_8SU_to_64F[i], static_cast<double>(i - 128)) << i;
    EXPECT_EQ(qvx_8SU_to_32F[i], static_cast<float>(i - 128)) << i;
  }
}

}  // namespace
