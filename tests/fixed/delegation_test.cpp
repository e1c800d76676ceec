// Which primitive a scaled primitive hands its work to (seen through support/interpose.h):
// the zero fill below L goes through the fill primitive of the destination width with len
// passed on unchanged, Shift copies through the copy primitives at scale factor 0, and the
// complex forms with no constant run the 16S form on 2*len parts.
#include <gtest/gtest.h>
#include <limits.h>

#include "model.h"
#include "support/interpose.h"

QVXT_RECORD_FILLS_AND_COPIES
QVXT_RECORD_SCALED_BINARY(Vector_AddShift_16S, Qvx16s)
QVXT_RECORD_SCALED_BINARY(Vector_SubShift_16S, Qvx16s)
QVXT_RECORD_SCALED_UNARY(Vector_Shift_16S, Qvx16s)

namespace {

using fxt::Member;
using qvxt::calls;
using qvxt::Seen;

alignas(16) uint8_t src[256], dst[256];

// The last recorded call is `name` on dst with `len` and `arg`.
void expect_last(const Member& m, const std::vector<Seen>& seen, const std::string& name, int len,
                 long long arg, const std::string& at) {
  ASSERT_FALSE(seen.empty()) << m.name << at;
  EXPECT_EQ(seen.back().name, name) << m.name << at;
  EXPECT_EQ(seen.back().dst, static_cast<void*>(dst)) << m.name << at;
  EXPECT_EQ(seen.back().len, len) << m.name << at;
  EXPECT_EQ(seen.back().arg, arg) << m.name << at;
}

// Also when len < 1: the fill is called before len is looked at.
TEST(Delegation, ZeroFillBelowLThroughTheFillOfTheWidth) {
  for (const Member& m : fxt::members())
    for (int len : {5, 0, -3})
      for (int sf : {m.L - 1, INT_MIN}) {
        const std::string at = " len " + std::to_string(len) + " sf " + std::to_string(sf);
        expect_last(m, calls([&] { m.call(src, src, dst, len, sf); }), m.fill,
                    len * m.nparts, 0, at);
      }
}

TEST(Delegation, ShiftCopiesAtScaleFactorZero) {
  const char* const copy[][2] = {{"Shift_8U", "Vector_Copy_8U"}, {"Shift_16U", "Vector_Copy_16S"},
                                 {"Shift_16S", "Vector_Copy_16S"}, {"Shift_32S", "Vector_Copy_32S"},
                                 {"Shift_16SC", "Vector_Copy_16S"}};
  for (const auto& row : copy)
    for (int len : {7, 0, -1}) {
      const Member& m = fxt::by_name(row[0]);
      const std::vector<Seen> seen = calls([&] { m.call(src, nullptr, dst, len, 0); });
      expect_last(m, seen, row[1], len * m.nparts, 0, " len " + std::to_string(len));
      EXPECT_TRUE(!seen.empty() && seen.back().src == src) << m.name << " source";
    }
}

TEST(Delegation, ComplexFormsRunThe16SFormOnTwiceTheParts) {
  const char* const form[][2] = {{"Shift_16SC", "Vector_Shift_16S"},
                                 {"AddShift_16SC", "Vector_AddShift_16S"},
                                 {"SubShift_16SC", "Vector_SubShift_16S"}};
  for (const auto& row : form)
    for (int len : {5, -2})
      for (int sf : {INT_MIN, -3, 0, 20, INT_MAX}) {
        const Member& m = fxt::by_name(row[0]);
        std::vector<Seen> seen = calls([&] { m.call(src, src + 128, dst, len, sf); });
        seen.resize(seen.empty() ? 0 : 1);  // the 16S form's own fill or copy comes after it
        expect_last(m, seen, row[1], 2 * len, sf, " sf " + std::to_string(sf));
        EXPECT_TRUE(!seen.empty() && seen[0].src == src) << m.name << " source";
      }
}

}  // namespace
