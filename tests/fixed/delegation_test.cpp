// Which primitive a scaled primitive hands its work to: the zero fill below L goes through
// the fill primitive of the destination width, the Shift primitives copy through the copy
// primitives at scale factor 0, and the complex two-vector forms run the 16S form on 2*len
// parts (seen through support/interpose.h).
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
QVXT_RECORD_SCALED_BINARY(Vector_AddShift_16S, Qvx16s)
QVXT_RECORD_SCALED_BINARY(Vector_SubShift_16S, Qvx16s)
QVXT_RECORD_SCALED_UNARY(Vector_Shift_16S, Qvx16s)

namespace {

using qvxt::calls;
using qvxt::Seen;

void expect_one(const std::vector<Seen>& got, const char* name, const void* dst, int len,
                long long arg, const std::string& what) {
  ASSERT_EQ(got.size(), 1u) << what;
  EXPECT_EQ(got[0].name, name) << what;
  EXPECT_EQ(got[0].dst, dst) << what;
  EXPECT_EQ(got[0].len, len) << what;
  EXPECT_EQ(got[0].arg, arg) << what;
}

Qvx8u b8[64];
Qvx16u b16u[64];
Qvx16s b16[64], c16[64];
Qvx32s b32[64];
Qvx16sc bc[32], cc[32];

TEST(Delegation, ZeroFillBelowLThroughTheFillPrimitiveOfTheWidth) {
  for (int len : {0, -3, 5}) {
    const std::string at = "len " + std::to_string(len);
    // The fill is called with len unchanged, also when it is empty.
    expect_one(calls([&] { qvx_Vector_AddShift_8U(b8, b8, b8 + 32, len, -9); }), "Vector_Set_8U",
               b8 + 32, len, 0, "AddShift_8U " + at);
    expect_one(calls([&] { qvx_Vector_SubCShift_8U(b8, 1, b8 + 32, len, -8); }), "Vector_Set_8U",
               b8 + 32, len, 0, "SubCShift_8U " + at);
    expect_one(calls([&] { qvx_Vector_AddCShift_16U(b16u, 1, b16u + 32, len, -17); }),
               "Vector_Set_16S", b16u + 32, len, 0, "AddCShift_16U " + at);
    expect_one(calls([&] { qvx_Vector_SubCRevShift_16S(b16, 1, c16, len, -17); }),
               "Vector_Set_16S", c16, len, 0, "SubCRevShift_16S " + at);
    expect_one(calls([&] { qvx_Vector_SubShift_32S(b32, b32, b32 + 32, len, INT_MIN); }),
               "Vector_Set_32S", b32 + 32, len, 0, "SubShift_32S " + at);
    expect_one(calls([&] { qvx_Vector_Shift_8U(b8, b8 + 32, len, -8); }), "Vector_Set_8U",
               b8 + 32, len, 0, "Shift_8U " + at);
    expect_one(calls([&] { qvx_Vector_Shift_16U(b16u, b16u + 32, len, -16); }), "Vector_Set_16S",
               b16u + 32, len, 0, "Shift_16U " + at);
    expect_one(calls([&] { qvx_Vector_Shift_32S(b32, b32 + 32, len, -32); }), "Vector_Set_32S",
               b32 + 32, len, 0, "Shift_32S " + at);
    // A complex constant form fills both parts of every element: 2*len 16-bit values.
    expect_one(calls([&] { qvx_Vector_AddCShift_16SC(bc, Qvx16sc{1, 2}, cc, len, -17); }),
               "Vector_Set_16S", cc, 2 * len, 0, "AddCShift_16SC " + at);
  }
  // At L itself the elements are computed: no fill.
  EXPECT_TRUE(calls([&] { qvx_Vector_AddShift_8U(b8, b8, b8 + 32, 5, -8); }).empty());
  EXPECT_TRUE(calls([&] { qvx_Vector_SubShift_16U(b16u, b16u, b16u + 32, 5, -15); }).empty());
  EXPECT_TRUE(calls([&] { qvx_Vector_AddCShift_32S(b32, 1, b32 + 32, 5, -32); }).empty());
}

TEST(Delegation, ShiftCopiesAtScaleFactorZero) {
  for (int len : {0, -1, 7}) {
    const std::string at = "len " + std::to_string(len);
    expect_one(calls([&] { qvx_Vector_Shift_8U(b8, b8 + 32, len, 0); }), "Vector_Copy_8U",
               b8 + 32, len, 0, "Shift_8U " + at);
    expect_one(calls([&] { qvx_Vector_Shift_16U(b16u, b16u + 32, len, 0); }), "Vector_Copy_16S",
               b16u + 32, len, 0, "Shift_16U " + at);
    expect_one(calls([&] { qvx_Vector_Shift_16S(b16, c16, len, 0); }), "Vector_Copy_16S", c16,
               len, 0, "Shift_16S " + at);
    expect_one(calls([&] { qvx_Vector_Shift_32S(b32, b32 + 32, len, 0); }), "Vector_Copy_32S",
               b32 + 32, len, 0, "Shift_32S " + at);
  }
  // Any other scale factor computes the elements itself.
  EXPECT_TRUE(calls([&] { qvx_Vector_Shift_16S(b16, c16, 9, 1); }).empty());
  EXPECT_TRUE(calls([&] { qvx_Vector_Shift_8U(b8, b8, 9, -1); }).empty());
}

TEST(Delegation, ComplexFormsRunThe16SFormOnTwiceTheParts) {
  for (int sf : {INT_MIN, -3, 0, 20}) {
    const std::string at = "sf " + std::to_string(sf);
    const std::vector<Seen> s = calls([&] { qvx_Vector_Shift_16SC(bc, cc, 5, sf); });
    ASSERT_GE(s.size(), 1u);
    EXPECT_EQ(s[0].name, "Vector_Shift_16S") << at;
    EXPECT_EQ(s[0].src, static_cast<const void*>(bc));
    EXPECT_EQ(s[0].dst, static_cast<void*>(cc));
    EXPECT_EQ(s[0].len, 10);
    EXPECT_EQ(s[0].arg, sf);
    const std::vector<Seen> a = calls([&] { qvx_Vector_AddShift_16SC(bc, cc, cc, 6, sf); });
    ASSERT_GE(a.size(), 1u);
    EXPECT_EQ(a[0].name, "Vector_AddShift_16S") << at;
    EXPECT_EQ(a[0].len, 12);
    EXPECT_EQ(a[0].arg, sf);
    const std::vector<Seen> d = calls([&] { qvx_Vector_SubShift_16SC(bc, cc, cc, -2, sf); });
    ASSERT_GE(d.size(), 1u);
    EXPECT_EQ(d[0].name, "Vector_SubShift_16S") << at;
    EXPECT_EQ(d[0].len, -4);
  }
}

}  // namespace
