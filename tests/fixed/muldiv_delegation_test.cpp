// Which primitive the multiplication, multiply-accumulate and division members hand their
// work to (seen through support/interpose.h): the zero fills (before len is looked at and
// without reading a source), the upper-bound fills of DivCRevShift, the Shift primitive for
// power-of-two constants at the moved scale factor (saturated to the int range), the
// multiplication where the addend is dropped, and MulCShift with the rounded reciprocal of
// a divisor.  Where a member computes its elements itself it calls nothing.
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include "model.h"
#include "support/guarded.h"
#include "support/interpose.h"

QVXT_RECORD_SCALED_UNARY(Vector_Shift_8U, Qvx8u)
QVXT_RECORD_SCALED_UNARY(Vector_Shift_16U, Qvx16u)
QVXT_RECORD_SCALED_UNARY(Vector_Shift_32S, Qvx32s)
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

// One element of the member's type written at p.
void put(const Fn& f, E e, void* p) {
  const int64_t parts[2] = {e.re, e.im};
  for (int k = 0; k < f.t.nparts; ++k) {
    if (f.t.hi == 255) {
      static_cast<uint8_t*>(p)[k] = static_cast<uint8_t>(parts[k]);
    } else if (f.t.hi == INT32_MAX) {
      static_cast<int32_t*>(p)[k] = static_cast<int32_t>(parts[k]);
    } else {
      static_cast<uint16_t*>(p)[k] = static_cast<uint16_t>(parts[k]);
    }
  }
}

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
    // Zero fills below L, and for zero constants at any scale factor.
    {"MulShift_8U", -16, {}, {}, "Vector_Set_8U", 0, 0},
    {"MulShift_16U", -32, {}, {}, "Vector_Set_16S", 0, 0},
    {"MulShift_16S", INT_MIN, {}, {}, "Vector_Set_16S", 0, 0},
    {"MulShift_32S", -63, {}, {}, "Vector_Set_32S", 0, 0},
    {"MulShift_16SC", -31, {}, {}, "Vector_Set_16S", 0, 0},
    {"MulCShift_8U", -16, {1}, {}, "Vector_Set_8U", 0, 0},
    {"MulCShift_8U", INT_MAX, {0}, {}, "Vector_Set_8U", 0, 0},
    {"MulCShift_16U", 0, {0}, {}, "Vector_Set_16S", 0, 0},
    {"MulCShift_16S", -31, {4}, {}, "Vector_Set_16S", 0, 0},
    {"MulCShift_32S", INT_MIN, {1}, {}, "Vector_Set_32S", 0, 0},
    {"MulCShift_16SC", 3, {0, 0}, {}, "Vector_Set_16S", 0, 0},
    {"MulCShift_16SC", -31, {-32768, -32768}, {}, "Vector_Set_16S", 0, 0},
    {"MulAddShift_8U", -16, {}, {}, "Vector_Set_8U", 0, 0},
    {"MulAddShift_16U", -32, {}, {}, "Vector_Set_16S", 0, 0},
    {"MulAddShift_16S", -31, {}, {}, "Vector_Set_16S", 0, 0},
    {"MulAddShift_32S", INT_MIN, {}, {}, "Vector_Set_32S", 0, 0},
    {"MulAddShift_16SC", -31, {}, {}, "Vector_Set_16S", 0, 0},
    {"MulCAddShift_8U", -16, {0}, {}, "Vector_Set_8U", 0, 0},
    {"MulCAddShift_16SC", -31, {-32768, -32768}, {}, "Vector_Set_16S", 0, 0},
    {"MulCAddCShift_32S", -63, {3}, {1}, "Vector_Set_32S", 0, 0},
    {"MulCAddCShift_16U", -32, {3}, {1}, "Vector_Set_16S", 0, 0},
    {"DivShift_16SC", -32, {}, {}, "Vector_Set_16S", 0, 0},
    {"DivCShift_16SC", INT_MAX, {0, 0}, {}, "Vector_Set_16S", 0, 0},
    {"DivCShift_16SC", -32, {1, 1}, {}, "Vector_Set_16S", 0, 0},
    {"DivCRevShift_16SC", 0, {0, 0}, {}, "Vector_Set_16S", 0, 0},
    {"DivCRevShift_16SC", INT_MIN, {1, 1}, {}, "Vector_Set_16S", 0, 0},
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

// Each row at len 5, 0 and -3: a delegated call is made with len unchanged (2*len parts for
// the complex fills) before len is looked at; a fill reads no source (the sources lie on a
// guard page); elsewhere nothing is called.
TEST(MulDivDelegation, EachRowCallsItsCallee) {
  qvxt::Guarded unreadable(0, 0, qvxt::Place::End);
  alignas(16) static uint8_t src[256], y[64], z[64], dst[256];
  for (const Handed& h : kHanded) {
    const Fn& f = fxt::fn(h.member);
    const bool fill = h.callee != nullptr && strncmp(h.callee, "Vector_Set", 10) == 0;
    const void* no = unreadable.data();
    put(f, h.y, y);
    put(f, h.z, z);
    const void* px = fill ? no : src;
    const void* py = fxt::y_is_array(f.form) ? (fill ? no : src + 64) : y;
    const void* pz = fxt::z_is_array(f.form) ? (fill ? no : src + 128) : z;
    for (int len : {5, 0, -3}) {
      const std::string at = std::string(h.member) + " sf " + std::to_string(h.sf) + " len " +
                             std::to_string(len);
      const std::vector<Seen> seen =
          qvxt::calls([&] { EXPECT_EQ(f.call(px, py, pz, dst, len, h.sf), 0) << at; });
      if (h.callee == nullptr) {
        EXPECT_TRUE(seen.empty()) << at << " calls " << (seen.empty() ? "" : seen[0].name);
        continue;
      }
      ASSERT_FALSE(seen.empty()) << at;
      const Seen& s = seen[0];  // the callee's own calls follow it
      EXPECT_EQ(s.name, h.callee) << at;
      EXPECT_EQ(s.dst, static_cast<void*>(dst)) << at;
      EXPECT_EQ(s.len, fill ? len * f.t.nparts : len) << at;
      EXPECT_EQ(s.arg, h.arg) << at;
      if (!fill) {
        EXPECT_EQ(s.src, px) << at << " source";
      }
      if (strstr(h.callee, "MulCShift") != nullptr) {
        EXPECT_EQ(s.val, h.val) << at << " constant";
      }
    }
  }
}

}  // namespace
