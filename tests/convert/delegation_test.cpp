// The zero fill of the integer conversions goes through the fill primitive of each pair
// (the 8U fill for 8-bit destinations, the 16S fill for 16-bit ones, the 32S fill for 32S),
// called with 0, the destination and len as given, before len is looked at; at every other
// scale factor, 0 included, no other primitive is called (seen through support/interpose.h).
#include <gtest/gtest.h>
#include <limits.h>

#include <string>
#include <vector>

#include "qvx_vector.h"
#include "support/interpose.h"

QVXT_RECORD_SET(Vector_Set_8U, Qvx8u)
QVXT_RECORD_SET(Vector_Set_16S, Qvx16s)
QVXT_RECORD_SET(Vector_Set_32S, Qvx32s)
QVXT_RECORD_COPY(Vector_Copy_8U, Qvx8u)
QVXT_RECORD_COPY(Vector_Copy_16S, Qvx16s)
QVXT_RECORD_COPY(Vector_Copy_32S, Qvx32s)

namespace {

using qvxt::g_seen;

template <class S, class D>
void check_pair(QvxStatus (*fn)(const S*, D*, int, int), int L, const std::string& fill) {
  std::vector<S> src(37, S(3));
  std::vector<D> dst(37, D(9));
  for (int sf : {L - 1, L - 20, INT_MIN}) {
    for (int len : {37, 0, -5}) {
      g_seen.clear();
      ASSERT_EQ(fn(src.data(), dst.data(), len, sf), 0);
      ASSERT_EQ(g_seen.size(), 1u) << "sf " << sf << " len " << len;
      EXPECT_EQ(g_seen[0].name, fill);
      EXPECT_EQ(g_seen[0].dst, static_cast<void*>(dst.data()));
      EXPECT_EQ(g_seen[0].len, len);
      EXPECT_EQ(g_seen[0].arg, 0);
    }
  }
  for (int sf : {L, -1, 0, 1, 40, INT_MAX}) {
    g_seen.clear();
    ASSERT_EQ(fn(src.data(), dst.data(), 37, sf), 0);
    EXPECT_TRUE(g_seen.empty()) << "sf " << sf << ": " << g_seen[0].name;
  }
}

TEST(IntegerConvertDelegation, ZeroFillThroughTheFillOfEachPair) {
#define QVXT_CHECK(S, D, L, FILL)                                                  \
  {                                                                                \
    SCOPED_TRACE(#S "_" #D);                                                       \
    check_pair(qvx_Vector_TypeConvertShift_##S##_##D, L, "Vector_Set_" #FILL);     \
  }
  // clang-format off
  QVXT_CHECK(8U, 8S, -7, 8U)    QVXT_CHECK(8U, 16U, -7, 16S)   QVXT_CHECK(8U, 16S, -7, 16S)
  QVXT_CHECK(8U, 32S, -7, 32S)
  QVXT_CHECK(8S, 8U, -6, 8U)    QVXT_CHECK(8S, 16U, -6, 16S)   QVXT_CHECK(8S, 16S, -7, 16S)
  QVXT_CHECK(8S, 32S, -7, 32S)
  QVXT_CHECK(16U, 8U, -15, 8U)  QVXT_CHECK(16U, 8S, -15, 8U)   QVXT_CHECK(16U, 16S, -15, 16S)
  QVXT_CHECK(16U, 32S, -15, 32S)
  QVXT_CHECK(16S, 8U, -15, 8U)  QVXT_CHECK(16S, 8S, -15, 8U)   QVXT_CHECK(16S, 16U, -14, 16S)
  QVXT_CHECK(16S, 32S, -15, 32S)
  QVXT_CHECK(32S, 8U, -30, 8U)  QVXT_CHECK(32S, 8S, -31, 8U)   QVXT_CHECK(32S, 16U, -30, 16S)
  QVXT_CHECK(32S, 16S, -31, 16S)
  // clang-format on
#undef QVXT_CHECK
}

}  // namespace
