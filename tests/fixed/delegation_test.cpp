// Which primitive a scaled primitive hands its work to (seen through support/interpose.h):
// the zero fills below L and for zero constants (before len is looked at and without
// reading a source), the upper-bound fills of DivCRevShift, the copies of Shift at scale
// factor 0, the 16S form for the complex forms with no constant, the Shift primitive for
// power-of-two constants at the moved scale factor (saturated to the int range), the
// multiplication where the addend is dropped, and MulCShift with the rounded reciprocal of
// a divisor.  Where a member computes its elements itself it calls nothing.
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include "model.h"
#include "support/guarded.h"
#include "support/interpose.h"

QVXT_RECORD_FILLS_AND_COPIES
QVXT_RECORD_SCALED_UNARY(Vector_Shift_8U, Qvx8u)
QVXT_RECORD_SCALED_UNARY(Vector_Shift_16U, Qvx16u)
QVXT_RECORD_SCALED_UNARY(Vector_Shift_16S, Qvx16s)
QVXT_RECORD_SCALED_UNARY(Vector_Shift_32S, Qvx32s)
QVXT_RECORD_SCALED_BINARY(Vector_AddShift_16S, Qvx16s)
QVXT_RECORD_SCALED_BINARY(Vector_SubShift_16S, Qvx16s)
QVXT_RECORD_SCALED_BINARY(Vector_MulShift_8U, Qvx8u)
QVXT_RECORD_SCALED_BINARY(Vector_MulShift_16U, Qvx16u)
QVXT_RECORD_SCALED_BINARY(Vector_MulShift_32S, Qvx32s)
QVXT_RECORD_SCALED_CONST(Vector_MulCShift_8U, Qvx8u)
QVXT_RECORD_SCALED_CONST(Vector_MulCShift_16U, Qvx16u)
QVXT_RECORD_SCALED_CONST(Vector_MulCShift_16S, Qvx16s)
QVXT_RECORD_SCALED_CONST(Vector_MulCShift_32S, Qvx32s)

namespace {

using fxt::E;
using fxt::Fn;
using qvxt::Seen;

struct Handed {
  const char* member;
  int sf;
  E y, z;              // constant operands (ignored for arrays)
  const char* callee;  // nullptr: the member calls nothing
  long long arg;       // the callee's scale factor or fill value
  long long val;       // the constant passed to MulCShift
};

constexpr long long kMin = INT_MIN, kMax = INT_MAX;

const Handed kHanded[] = {
    // Shift copies at scale factor 0; the complex forms with no constant run the 16S form on
    // 2 * len parts.
    {"Shift_8U", 0, {}, {}, "Vector_Copy_8U", 0, 0}, {"Shift_16U", 0, {}, {}, "Vector_Copy_16S", 0, 0},
    {"Shift_16S", 0, {}, {}, "Vector_Copy_16S", 0, 0}, {"Shift_32S", 0, {}, {}, "Vector_Copy_32S", 0, 0},
    {"Shift_16SC", 0, {}, {}, "Vector_Copy_16S", 0, 0},
    {"Shift_16SC", INT_MIN, {}, {}, "Vector_Shift_16S", kMin, 0},
    {"Shift_16SC", 20, {}, {}, "Vector_Shift_16S", 20, 0},
    {"AddShift_16SC", -3, {}, {}, "Vector_AddShift_16S", -3, 0},
    {"AddShift_16SC", 0, {}, {}, "Vector_AddShift_16S", 0, 0},
    {"AddShift_16SC", INT_MAX, {}, {}, "Vector_AddShift_16S", kMax, 0},
    {"SubShift_16SC", INT_MIN, {}, {}, "Vector_SubShift_16S", kMin, 0},
    {"SubShift_16SC", -3, {}, {}, "Vector_SubShift_16S", -3, 0},
    {"SubShift_16SC", 20, {}, {}, "Vector_SubShift_16S", 20, 0},
    // Zero fills for zero constants at any scale factor (below L: ZeroFillBelowL).
    {"MulCShift_8U", INT_MAX, {0}, {}, "Vector_Set_8U", 0, 0},
    {"MulCShift_16U", 0, {0}, {}, "Vector_Set_16S", 0, 0},
    {"MulCShift_16SC", 3, {0, 0}, {}, "Vector_Set_16S", 0, 0},
    {"MulCAddShift_8U", -16, {0}, {}, "Vector_Set_8U", 0, 0},
    {"DivCShift_16SC", INT_MAX, {0, 0}, {}, "Vector_Set_16S", 0, 0},
    {"DivCRevShift_16SC", 0, {0, 0}, {}, "Vector_Set_16S", 0, 0},
    {"DivCRevShift_8U", INT_MAX, {0}, {}, "Vector_Set_8U", 0, 0},
    {"DivCRevShift_16U", -100, {0}, {}, "Vector_Set_16S", 0, 0},
    {"DivCRevShift_16S", INT_MIN, {0}, {}, "Vector_Set_16S", 0, 0},
    {"DivCRevShift_32S", 0, {0}, {}, "Vector_Set_32S", 0, 0},
    // The upper bound of the unsigned quotients from H.
    {"DivCRevShift_8U", 16, {7}, {}, "Vector_Set_8U", 255, 0},
    {"DivCRevShift_16U", INT_MAX, {1}, {}, "Vector_Set_16S", -1, 0},
    // Positive powers of two: Shift at sf + k (MulCShift) or sf - k (DivCShift).
    {"MulCShift_8U", 0, {1}, {}, "Vector_Shift_8U", 0, 0},
    {"MulCShift_8U", -3, {128}, {}, "Vector_Shift_8U", 4, 0},
    {"MulCShift_16U", -20, {32768}, {}, "Vector_Shift_16U", -5, 0},
    {"MulCShift_16S", -30, {16384}, {}, "Vector_Shift_16S", -16, 0},
    {"MulCShift_16S", INT_MAX - 3, {16384}, {}, "Vector_Shift_16S", kMax, 0},
    {"MulCShift_32S", INT_MAX, {1 << 30}, {}, "Vector_Shift_32S", kMax, 0},
    {"DivCShift_8U", 0, {128}, {}, "Vector_Shift_8U", -7, 0},
    {"DivCShift_16U", 5, {1}, {}, "Vector_Shift_16U", 5, 0},
    {"DivCShift_16S", INT_MIN + 1, {4}, {}, "Vector_Shift_16S", kMin, 0},
    {"DivCShift_32S", -5, {1 << 30}, {}, "Vector_Shift_32S", -35, 0},
    // The addend dropped: the multiplication at the member's own scale factor.
    {"MulAddShift_8U", -15, {}, {}, "Vector_MulShift_8U", -15, 0},
    {"MulAddShift_8U", -10, {}, {}, "Vector_MulShift_8U", -10, 0},
    {"MulAddShift_16U", -31, {}, {}, "Vector_MulShift_16U", -31, 0},
    {"MulAddShift_16U", -17, {}, {}, "Vector_MulShift_16U", -17, 0},
    {"MulAddShift_32S", -62, {}, {}, "Vector_MulShift_32S", -62, 0},
    {"MulAddShift_32S", -41, {}, {}, "Vector_MulShift_32S", -41, 0},
    {"MulCAddShift_16U", -31, {7}, {}, "Vector_MulCShift_16U", -31, 7},
    {"MulCAddShift_16U", -17, {7}, {}, "Vector_MulCShift_16U", -17, 7},
    {"MulCAddCShift_16U", -17, {65535}, {9}, "Vector_MulCShift_16U", -17, 65535},
    // Division by a constant through its rounded reciprocal and MulCShift.
    {"DivCShift_8U", 0, {3}, {}, "Vector_MulCShift_8U", -9, 171},
    {"DivCShift_8U", INT_MIN, {3}, {}, "Vector_MulCShift_8U", kMin, 171},
    {"DivCShift_8U", -20, {200}, {}, "Vector_MulCShift_8U", -35, 164},
    {"DivCShift_16U", 1, {3}, {}, "Vector_MulCShift_16U", -16, 43691},
    {"DivCShift_16U", -40, {65535}, {}, "Vector_MulCShift_16U", -70, 16384},
    {"DivCShift_16S", 0, {-3}, {}, "Vector_MulCShift_16S", -16, -21845},
    {"DivCShift_16S", 5, {-4}, {}, "Vector_MulCShift_16S", -11, -16384},
    {"DivCShift_16S", 29, {-4}, {}, "Vector_MulCShift_16S", 13, -16384},
    {"DivCShift_16S", 0, {-32768}, {}, "Vector_MulCShift_16S", -29, -16384},
    {"DivCShift_16S", 0, {-1}, {}, "Vector_MulCShift_16S", -14, -16384},
    {"DivCShift_32S", 0, {3}, {}, "Vector_MulCShift_32S", -32, 1431655765},
    {"DivCShift_32S", 0, {-1}, {}, "Vector_MulCShift_32S", -30, -1073741824},
    {"DivCShift_32S", 0, {INT_MIN}, {}, "Vector_MulCShift_32S", -61, -1073741824},
    {"DivCShift_32S", INT_MIN, {-7}, {}, "Vector_MulCShift_32S", kMin, -1227133513},
    // Computed in place: one step inside each band edge above, and the special paths.
    {"MulShift_8U", -15, {}, {}, nullptr, 0, 0},
    {"MulCShift_16S", 0, {-4}, {}, nullptr, 0, 0},
    {"MulCShift_16S", -30, {3}, {}, nullptr, 0, 0},
    {"MulCShift_16SC", 0, {-32768, -32768}, {}, nullptr, 0, 0},
    {"MulAddShift_8U", -9, {}, {}, nullptr, 0, 0},
    {"MulAddShift_16U", -16, {}, {}, nullptr, 0, 0},
    {"MulAddShift_32S", -40, {}, {}, nullptr, 0, 0},
    {"MulCAddShift_16U", -16, {7}, {}, nullptr, 0, 0},
    {"MulCAddShift_16SC", -30, {-32768, -32768}, {}, nullptr, 0, 0},
    {"MulCAddCShift_16S", -30, {0}, {5}, nullptr, 0, 0},
    {"DivShift_8U", -100, {}, {}, nullptr, 0, 0},
    {"DivShift_16SC", -31, {}, {}, nullptr, 0, 0},
    {"DivCShift_8U", 1, {3}, {}, nullptr, 0, 0},
    {"DivCShift_8U", 3, {0}, {}, nullptr, 0, 0},
    {"DivCShift_16U", 2, {3}, {}, nullptr, 0, 0},
    {"DivCShift_16S", 1, {-3}, {}, nullptr, 0, 0},
    {"DivCShift_32S", 1, {3}, {}, nullptr, 0, 0},
    {"DivCShift_32S", 62, {4}, {}, nullptr, 0, 0},
    {"DivCRevShift_8U", 15, {7}, {}, nullptr, 0, 0},
    {"DivCRevShift_16U", -16, {1}, {}, nullptr, 0, 0},
    {"DivCRevShift_16S", 30, {1}, {}, nullptr, 0, 0},
};

// One call of f at len 5, 0 and -3: the call it hands its work to must be `callee` on dst with
// len unchanged (2 * len parts for complex members) and `arg`, made before len is looked
// at; a fill reads no source (the sources lie on a guard page); with no callee, nothing is
// called.
void expect_handed(const Fn& f, int sf, E y, E z, const char* callee, long long arg, long long val) {
  qvxt::Guarded unreadable(0, 0, qvxt::Place::End);
  alignas(16) static uint8_t src[256], cy[64], cz[64], dst[256];
  const bool fill = callee != nullptr && strncmp(callee, "Vector_Set", 10) == 0;
  const void* no = unreadable.data();
  fxt::put(f.t, y.re, cy, 0), fxt::put(f.t, y.im, cy, 1);
  fxt::put(f.t, z.re, cz, 0), fxt::put(f.t, z.im, cz, 1);
  const void* px = fill ? no : src;
  const void* py = f.y_array ? (fill ? no : src + 64) : cy;
  const void* pz = f.z_array ? (fill ? no : src + 128) : cz;
  for (int len : {5, 0, -3}) {
    const std::string at = f.name + " sf " + std::to_string(sf) + " len " + std::to_string(len);
    const std::vector<Seen> seen =
        qvxt::calls([&] { EXPECT_EQ(f.call(px, py, pz, dst, len, sf), 0) << at; });
    if (callee == nullptr) {
      EXPECT_TRUE(seen.empty()) << at << " calls " << (seen.empty() ? "" : seen[0].name);
      continue;
    }
    ASSERT_FALSE(seen.empty()) << at;
    // A fill or copy is the last call (the complex forms reach it through their 16S form);
    // any other callee is the first (its own calls follow it).
    const Seen& s = fill || strncmp(callee, "Vector_Copy", 11) == 0 ? seen.back() : seen[0];
    EXPECT_EQ(s.name, callee) << at;
    EXPECT_EQ(s.dst, static_cast<void*>(dst)) << at;
    EXPECT_EQ(s.len, len * f.t.nparts) << at;
    EXPECT_EQ(s.arg, arg) << at;
    if (!fill) {
      EXPECT_EQ(s.src, px) << at << " source";
    }
    if (strstr(callee, "MulCShift") != nullptr) {
      EXPECT_EQ(s.val, val) << at << " constant";
    }
  }
}

TEST(Delegation, EachRowCallsItsCallee) {
  for (const Handed& h : kHanded) expect_handed(fxt::fn(h.member), h.sf, h.y, h.z, h.callee, h.arg, h.val);
}

// Below L every member with a zero fill sets its destination to 0 through the fill of its
// part width (the constants are 3, neither 0 nor a power of two).
TEST(Delegation, ZeroFillBelowL) {
  for (const Fn& f : fxt::members()) {
    if (f.L == INT_MIN) continue;
    const char* fill = f.t.bytes == 1 ? "Vector_Set_8U" : f.t.bytes == 2 ? "Vector_Set_16S" : "Vector_Set_32S";
    for (int sf : {f.L - 1, INT_MIN}) expect_handed(f, sf, {3, 3}, {3, 3}, fill, 0, 0);
  }
}

}  // namespace
