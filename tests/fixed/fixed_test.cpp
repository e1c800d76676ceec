// The scale-and-saturate rule of every scaled primitive of the folder (shifts, sums and
// differences, products, multiply-accumulate, quotients): every scale factor from -70 to 70
// (every band edge one step either side) and the extreme ones on the values that tell, and
// random data, against the models of model.h; a literal case of each special path, which
// checks the models too.  And which primitive a scaled primitive hands its work to (seen
// through support/interpose.h): the zero fills below L and for zero constants (before len is
// looked at and without reading a source), the upper-bound fills of DivCRevShift, the copies
// of Shift at scale factor 0, the 16S form for the complex forms with no constant, the Shift
// primitive for power-of-two constants at the moved scale factor (saturated to the int
// range), the multiplication where the addend is dropped, and MulCShift with the rounded
// reciprocal of a divisor.  Where a member computes its elements itself it calls nothing.
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <set>

#include "model.h"
#include "support/data.h"
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
using fxt::Elems;
using fxt::Fn;

// Element i of an operand: a constant's only element for every i, nothing for no operand.
E at(const Elems& v, size_t i) { return v.empty() ? E{} : v[v.size() == 1 ? 0 : i]; }

// The first element that differs from the model, if any.
bool matches_model(const Fn& f, const Elems& x, const Elems& y, const Elems& z, int sf) {
  const Elems got = fxt::run(f, x, y, z, sf);
  for (size_t i = 0; i < got.size(); ++i) {
    const E yi = at(y, i), zi = at(z, i), w = f.want(x[i], yi, zi, sf);
    if (!(got[i] == w)) {
      ADD_FAILURE() << f.name << " sf " << sf << " element " << i << " of " << got.size() << ": x ("
                    << x[i].re << ", " << x[i].im << "), y (" << yi.re << ", " << yi.im << "), z ("
                    << zi.re << ", " << zi.im << ") gives (" << got[i].re << ", " << got[i].im
                    << "), want (" << w.re << ", " << w.im << ")";
      return false;
    }
  }
  return true;
}

// Parts grouped into elements of the member's type.
Elems elems(const Fn& f, const std::vector<int64_t>& parts) {
  Elems e;
  for (size_t k = 0; k < parts.size(); k += f.t.nparts)
    e.push_back(f.t.nparts == 2 ? E{parts[k], parts[k + 1]} : E{parts[k], 0});
  return e;
}

struct Case {
  const char* member;
  int sf;
  std::vector<int64_t> x, y, z, want;  // parts; a constant is one element
};

// clang-format off
const Case kCases[] = {
    // Right shifts round toward minus infinity; the lowest computed scale factor keeps -1.
    {"Shift_16S", -1, {3, 5, -3, -5, -1}, {}, {}, {1, 2, -2, -3, -1}},
    {"Shift_16S", -15, {-1, -32768, 32767, 1}, {}, {}, {-1, -1, 0, 0}},
    // Sign fill from H; unsigned differences below 0 give 0; complex parts on their own, a
    // constant's real part meeting every real part.
    {"Shift_16S", 15, {1, -1, 0, 32767, -32768}, {}, {}, {32767, -32768, 0, 32767, -32768}},
    {"SubShift_8U", 0, {10, 20}, {20, 10}, {}, {0, 10}},
    {"AddCShift_16SC", 0, {0, 0, 32767, -32768, -32768, 32767}, {1, -1}, {}, {1, -1, 32767, -32768, -32767, 32766}},
    // Products: 64-bit exact, the 16SC imaginary part +2^31 included.
    {"MulShift_16SC", 15, {-32768, -32768}, {-32768, -32768}, {}, {0, 32767}},
    {"MulShift_32S", -62, {INT_MIN, INT_MIN}, {INT_MIN, INT_MAX}, {}, {1, -1}},
    // MulCShift: positive powers of two are Shift (its thresholds); (-32768, -32768) truncated
    // toward zero below -15, the rule above.
    {"MulCShift_16S", -2, {-1, 5, -32768}, {4}, {}, {-1, 5, -32768}},
    {"MulCShift_16S", -20, {-5, -1}, {3}, {}, {-1, -1}},
    {"MulCShift_16SC", -16, {1, 0, 3, 0}, {-32768, -32768}, {}, {0, 0, -1, -1}},
    {"MulCShift_16SC", 15, {1, -1, -32768, -32768}, {-32768, -32768}, {}, {-32768, 0, 0, 32767}},
    // Multiply-accumulate: the addend dropped; the double band of 32S, where 2^62 - 2^32 + 1
    // rounds to 2^62 - 2^32 before the shift (-31: toward zero, not to the nearest).
    {"MulAddShift_8U", -10, {31}, {33}, {1}, {0}},  // addend dropped
    {"MulAddShift_32S", -1, {1}, {-4}, {1}, {-1}},  // double band: toward zero
    {"MulAddShift_32S", -31, {2147483647, -3}, {-2147483647, 1}, {0, 0}, {-2147483646, 0}},
    {"MulCAddShift_16U", -17, {65535, 65535}, {65535}, {0, 65535}, {32767, 32767}},
    {"MulCAddShift_16U", -16, {65535, 65535}, {65535}, {0, 65535}, {65534, 65535}},
    {"MulCAddShift_16SC", -17, {0, 4}, {-32768, -32768}, {-1, -1}, {1, -1}},
    {"MulCAddShift_16SC", -16, {0, 4}, {-32768, -32768}, {-1, -1}, {1, -3}},
    // Division: the 8-bit reciprocal table without a correction step; double precision
    // truncating toward zero; a zero divisor saturating, finite at very negative scale factors.
    {"DivShift_8U", 0, {255, 10, 3, 9, 5, 0, 8}, {1, 4, 3, 3, 0, 0, 8}, {}, {255, 2, 0, 2, 255, 0, 1}},
    {"DivShift_16S", 0, {7, -7, 1, -1, 0, -32768, -1, -3}, {2, 2, 0, 0, 0, -1, 2, 2}, {},
     {3, -3, 32767, -32768, 0, 32767, 0, -1}},
    {"DivShift_32S", -31, {1, -1, INT_MAX}, {0, 0, 0}, {}, {4656612, -4656612, INT_MAX}},
    {"DivShift_16SC", 46, {1, 0, 0, 0}, {0, 1, 0, 0}, {}, {0, -32768, 0, 0}},
    // By a constant: powers of two (Shift), reciprocals, sign fill; a constant by a vector.
    {"DivCShift_16S", 0, {1, 3, 6, -3}, {-3}, {}, {-1, -1, -2, 0}},
    {"DivCShift_8U", 0, {255, 3, 2, 0}, {3}, {}, {85, 1, 0, 0}},
    {"DivCShift_32S", 1, {3, -3, INT_MAX}, {3}, {}, {2, -2, 1431655764}},
    {"DivCShift_16SC", 46, {2, 4, 0, 0}, {0, 2}, {}, {32767, -32768, 0, 0}},
    {"DivCRevShift_8U", 16, {0, 2, 3}, {7}, {}, {255, 255, 255}},
    {"DivCRevShift_16S", INT_MAX, {0, 2, -3}, {0}, {}, {0, 0, 0}},
    {"DivCRevShift_16U", -15, {0, 1, 2}, {65535}, {}, {65535, 1, 0}},
};
// clang-format on

TEST(ScaledRule, LiteralCases) {
  for (const Case& c : kCases) {
    const Fn& f = fxt::fn(c.member);
    const Elems x = elems(f, c.x), y = elems(f, c.y), z = elems(f, c.z);
    EXPECT_EQ(fxt::run(f, x, y, z, c.sf), elems(f, c.want)) << c.member << " sf " << c.sf;
    // The model agrees with the literal values (a check of the model itself).
    for (size_t i = 0; i < x.size(); ++i)
      EXPECT_EQ(f.want(x[i], at(y, i), at(z, i), c.sf), elems(f, c.want)[i])
          << c.member << " model, sf " << c.sf << " element " << i;
  }
}

// Parts that tell: 0, +-1, +-2, 3, the bounds and their neighbours, and a few products that
// reach the bounds (8U 16 * 16, 16S 181 * 181, 32S 46341 * 46341 and 65536 * 65536).
std::vector<int64_t> telling(const fxt::Type& t) {
  std::set<int64_t> s = {0, 1, 2, 3, 7, -1, -2, -3, -7, t.lo, t.lo + 1, t.hi, t.hi - 1};
  if (t.hi == 255) s.insert({16, 128, 85});
  if (t.hi == 65535) s.insert({256, 32768, 46341});
  if (t.hi == 32767 && t.nparts == 1) s.insert({181, -181, 16384, -16384});
  if (t.hi == INT32_MAX) s.insert({65536, -65536, 46341, 1 << 30});
  std::vector<int64_t> v;
  for (int64_t x : s)
    if (x >= t.lo && x <= t.hi) v.push_back(x);
  return v;
}

// The elements built from those parts (complex: every pair of a smaller set).
Elems telling_elems(const fxt::Type& t) {
  Elems e;
  if (t.nparts == 1) {
    for (int64_t x : telling(t)) e.push_back({x, 0});
  } else {
    const int64_t p[] = {0, 1, -1, 2, 3, -32768, -32767, 32767};
    for (int64_t a : p)
      for (int64_t b : p) e.push_back({a, b});
  }
  return e;
}
// A few addends for the constant and complex forms.
Elems few_addends(const fxt::Type& t) {
  if (t.nparts == 2) return {{0, 0}, {1, -1}, {32767, 32767}, {-32768, -32768}, {-1, 32767}};
  return {{0, 0}, {1, 0}, {t.hi, 0}, {t.lo, 0}, {t.lo == 0 ? 2 : -1, 0}};
}

std::vector<int> every_scale_factor() {
  std::vector<int> v = {INT_MIN, INT_MIN + 1, -1000, 1000, INT_MAX - 1, INT_MAX};
  for (int s = -70; s <= 70; ++s) v.push_back(s);
  return v;
}

struct Call {
  Elems x, y, z;
};

// The calls that put every value that tells against every other: a constant operand takes
// one call per value (or pair of values), array operands take every value in each call.
std::vector<Call> telling_calls(const Fn& f) {
  const Elems vals = telling_elems(f.t), zs = f.t.nparts == 2 ? few_addends(f.t) : vals;
  const Elems none = {E{}};
  const bool yc = f.nsrc > 1 && !f.y_array, ya = f.nsrc > 1 && f.y_array;
  const bool zc = f.nsrc > 2 && !f.z_array, za = f.nsrc > 2 && f.z_array;
  std::vector<Call> calls;
  for (const E& y : yc ? vals : none)
    for (const E& z : zc ? zs : none) {
      Call c{{}, yc ? Elems{y} : Elems{}, zc ? Elems{z} : Elems{}};
      for (const E& yv : ya ? vals : none)
        for (const E& zv : za ? zs : none)
          for (const E& xv : vals) {
            c.x.push_back(xv);
            if (ya) c.y.push_back(yv);
            if (za) c.z.push_back(zv);
          }
      calls.push_back(c);
    }
  return calls;
}

// Random parts: a third uniform, a third small, a third the values that tell.
int64_t random_part(const fxt::Type& t, qvxt::Rng& rng) {
  const std::vector<int64_t> edge = telling(t);
  // clang-format off
  switch (rng() % 3) {
    case 0: return t.lo + static_cast<int64_t>(rng() % static_cast<uint64_t>(t.hi - t.lo + 1));
    case 1: return std::min(t.hi, static_cast<int64_t>(rng() % 601) - (t.lo < 0 ? 300 : 0));
    default: return edge[rng() % edge.size()];
  }
  // clang-format on
}
E random_elem(const fxt::Type& t, qvxt::Rng& rng) {
  return {random_part(t, rng), t.nparts == 2 ? random_part(t, rng) : 0};
}

// Every scale factor from -70 to 70 (so every band edge one step either side) and the
// extreme ones, on every combination of the values that tell and on random data.
TEST(ScaledRule, EveryBandEdgeAgainstModel) {
  qvxt::Rng rng(20261207);
  for (const Fn& f : fxt::members()) {
    std::vector<Call> calls = telling_calls(f);
    const size_t n_telling = calls.size();
    for (int sf : every_scale_factor()) {
      calls.resize(n_telling);
      for (int len : {1, 7, 16, 33, 64}) {
        const auto n = [&](int k, bool array) { return f.nsrc < k ? 0 : array ? len : 1; };
        Call c{Elems(len), Elems(n(2, f.y_array)), Elems(n(3, f.z_array))};
        for (Elems* v : {&c.x, &c.y, &c.z})
          for (E& e : *v) e = random_elem(f.t, rng);
        calls.push_back(c);
      }
      bool ok = true;
      for (size_t k = 0; ok && k < calls.size(); ++k)
        ok = matches_model(f, calls[k].x, calls[k].y, calls[k].z, sf);
      if (!ok) break;
    }
  }
}

// ---- delegation ------------------------------------------------------------------------------

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

// clang-format off
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
    // Computed in place: the special paths, and where a delegation would give the same results.
    {"MulCShift_16SC", 0, {-32768, -32768}, {}, nullptr, 0, 0},
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
// clang-format on

// One call of f at len 5, 0 and -3: the call it hands its work to must be `callee` on dst with
// len unchanged (2 * len parts for complex members) and `arg`, made before len is looked
// at; a fill reads no source (the sources lie on a guard page); with no callee, nothing is
// called.
void expect_handed(const Fn& f, int sf, E y, E z, const char* callee, long long arg,
                   long long val) {
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
  for (const Handed& h : kHanded)
    expect_handed(fxt::fn(h.member), h.sf, h.y, h.z, h.callee, h.arg, h.val);
}

// Below L every member with a zero fill sets its destination to 0 through the fill of its
// part width (the constants are 3, neither 0 nor a power of two).
TEST(Delegation, ZeroFillBelowL) {
  for (const Fn& f : fxt::members()) {
    if (f.L == INT_MIN) continue;
    const char* fill = f.t.bytes == 1   ? "Vector_Set_8U"
                       : f.t.bytes == 2 ? "Vector_Set_16S"
                                        : "Vector_Set_32S";
    for (int sf : {f.L - 1, INT_MIN}) expect_handed(f, sf, {3, 3}, {3, 3}, fill, 0, 0);
  }
}

}  // namespace
