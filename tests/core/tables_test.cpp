// The constant tables, entry by entry against their rules (computed here independently, in
// exact integer arithmetic or by correctly rounded division), and their telling rows.
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
  const int32_t rows16[][2] = {{1, 65536}, {2, 32768}, {3, 21845}, {6, 10922}, {7, 9362}, {255, 257}};
  for (auto& r : rows16) EXPECT_EQ(qvx_2In16Div8U_32S[r[0]], r[1]);
  const int32_t rows23[][2] = {{1, 8388608}, {3, 2796202}, {6, 1398101}, {7, 1198372},
                               {254, 33026}, {255, 32896}};
  for (auto& r : rows23) EXPECT_EQ(qvx_2In23Div8U_32S[r[0]], r[1]);
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
  EXPECT_EQ(qvx_1Div8U_32F[1], 1.0f);
  EXPECT_EQ(qvx_1Div8U_32F[2], 0.5f);
  EXPECT_EQ(static_cast<double>(qvx_1Div8U_32F[3]), 0.3333333432674408);
  EXPECT_EQ(static_cast<double>(qvx_1Div8U_32F[10]), 0.10000000149011612);
  EXPECT_EQ(static_cast<double>(qvx_1Div8U_32F[255]), 0.003921568859368563);
}

TEST(Tables, SignedByteMagnitudes) {
  for (int i = 0; i < 256; ++i) {
    const int v = static_cast<int8_t>(static_cast<uint8_t>(i));
    EXPECT_EQ(qvx_8S_to_64F[i], static_cast<double>(v < 0 ? -v : v)) << i;
  }
  EXPECT_EQ(qvx_8S_to_64F[127], 127.0);
  EXPECT_EQ(qvx_8S_to_64F[128], 128.0);
  EXPECT_EQ(qvx_8S_to_64F[129], 127.0);
  EXPECT_EQ(qvx_8S_to_64F[255], 1.0);
}

TEST(Tables, ByteValuesIndexableFromEntry128) {
  for (int i = 0; i < 384; ++i) {
    EXPECT_EQ(qvx_8SU_to_64F[i], static_cast<double>(i - 128)) << i;
    EXPECT_EQ(qvx_8SU_to_32F[i], static_cast<float>(i - 128)) << i;
  }
  const double* d = qvx_8SU_to_64F + 128;
  const float* f = qvx_8SU_to_32F + 128;
  for (int b = 0; b < 256; ++b) {
    const int8_t s = static_cast<int8_t>(b);
    const uint8_t u = static_cast<uint8_t>(b);
    EXPECT_EQ(d[s], static_cast<double>(s));
    EXPECT_EQ(d[u], static_cast<double>(u));
    EXPECT_EQ(f[s], static_cast<float>(s));
    EXPECT_EQ(f[u], static_cast<float>(u));
  }
  EXPECT_EQ(qvx_8SU_to_64F[0], -128.0);
  EXPECT_EQ(qvx_8SU_to_64F[383], 255.0);
}

}  // namespace
