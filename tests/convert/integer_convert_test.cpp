// Integer conversions: every source value against exact integer arithmetic at the scale
// factors around both thresholds and at the extremes, the zero fill below L (through the fill
// primitive of the destination's width, before len is looked at, without a read of the
// source).  (Overlapping arrays: the sweep compares every overlap with the element loop,
// and the digests pin its results.)
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>

#include <limits>
#include <vector>

#include "convert_check.h"
#include "model.h"
#include "qvx_vector.h"
#include "support/interpose.h"

QVXT_RECORD_FILLS_AND_COPIES

namespace {

// Both thresholds of every pair (L from -31 to -6, H from 7 to 31) with their neighbours,
// and the extremes.
std::vector<int> scale_factors() {
  std::vector<int> v = {INT_MIN, INT_MIN + 1, -100, 40, 63, 64, 100, INT_MAX - 1, INT_MAX};
  for (int s = -34; s <= 34; ++s) v.push_back(s);
  return v;
}

TEST(IntegerConvert, EveryValueAgainstExactArithmetic) {
  const std::vector<int> sfs = scale_factors();
#define QVXT_RUN(S, D, L)                                                             \
  cvtt::check_model(QVXT_FN(S##_##D),                                                 \
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

TEST(IntegerConvert, LargeVectorAgainstExactArithmetic) {
  cvtt::check_large(
      QVXT_FN(16S_8U), [](Qvx16s x, int sf) { return cvtt::int_model<Qvx8u>(x, sf, -15); }, -3);
}

}  // namespace
