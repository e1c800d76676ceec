// Integer conversions: every source value against exact integer arithmetic at the scale
// factors around both thresholds and at the extremes, the zero fill below L (through the fill
// primitive of the destination's width, before len is looked at, without a read of the
// source).  (Overlapping arrays: the sweep compares every overlap with the element loop,
// and the digests pin its results.)
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>
#include <string.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "convert_check.h"
#include "model.h"
#include "qvx_vector.h"
#include "support/guarded.h"
#include "support/interpose.h"

QVXT_RECORD_FILLS_AND_COPIES

namespace {

using cvtt::Fn;

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
// 16-bit types), called with 0, dst and len before len is looked at, and the source is not
// read (it sits on an inaccessible page).  From L on, s = 0 included, no primitive is called.
template <class S, class D>
void check_fill(Fn<S, D> fn, const char* name, int L) {
  SCOPED_TRACE(name);
  const std::string fill = sizeof(D) == 1 ? "Vector_Set_8U" : sizeof(D) == 2 ? "Vector_Set_16S"
                                                                              : "Vector_Set_32S";
  qvxt::Guarded nowhere(0, 0, qvxt::Place::End);
  std::vector<D> dst(41);
  for (int sf : {L - 1, L - 20, INT_MIN}) {
    for (int len : {41, 0, -5}) {
      std::fill(dst.begin(), dst.end(), D(7));
      qvxt::g_seen.clear();
      ASSERT_EQ(fn(nowhere.as<S>(), dst.data(), len, sf), 0);
      ASSERT_EQ(qvxt::g_seen.size(), 1u) << "sf " << sf << " len " << len;
      const qvxt::Seen& c = qvxt::g_seen[0];
      EXPECT_TRUE(c.name == fill && c.dst == dst.data() && c.len == len && c.arg == 0)
          << c.name << " len " << c.len << " value " << c.arg;
      EXPECT_EQ(std::count(dst.begin(), dst.end(), D(len > 0 ? 0 : 7)), 41) << "sf " << sf;
    }
  }
  const std::vector<S> src(41, S(3));
  for (int sf : {L, -1, 0, 1, INT_MAX}) {
    qvxt::g_seen.clear();
    ASSERT_EQ(fn(src.data(), dst.data(), 41, sf), 0);
    EXPECT_TRUE(qvxt::g_seen.empty()) << "sf " << sf << ": " << qvxt::g_seen[0].name;
  }
}

TEST(IntegerConvert, ZeroFillBelowTheThreshold) {
#define QVXT_RUN(S, D, L) check_fill(QVXT_FN(S##_##D), L);
  QVXT_INT_PAIRS(QVXT_RUN)
#undef QVXT_RUN
}

TEST(IntegerConvert, LargeVectorAgainstExactArithmetic) {
  cvtt::check_large(
      QVXT_FN(16S_8U), [](Qvx16s x, int sf) { return cvtt::int_model<Qvx8u>(x, sf, -15); }, -3);
}

}  // namespace
