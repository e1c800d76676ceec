// The scale-and-saturate rule of every Shift, AddShift, SubShift, AddCShift, SubCShift and
// SubCRevShift member: telling literal cases, every threshold one step either side (the zero
// fill without reading the sources), and a sweep against the exact model.
#include <gtest/gtest.h>
#include <limits.h>

#include <algorithm>

#include "model.h"
#include "support/guarded.h"

namespace {

using fxt::Kind;
using fxt::Member;
using fxt::Parts;

// The first part that differs from the model, if any.
bool matches_model(const Member& m, const Parts& a, const Parts& b, int sf, const Parts& got) {
  for (size_t k = 0; k < got.size(); ++k) {
    const int64_t w = fxt::want(m, a, b, k, sf);
    if (got[k] != w) {
      ADD_FAILURE() << m.name << " sf " << sf << " part " << k << " of " << got.size() << ": a "
                    << a[k] << ", b " << (b.empty() ? 0 : b[k % b.size()]) << " gives " << got[k]
                    << ", want " << w;
      return false;
    }
  }
  return true;
}

struct Case {
  const char* member;
  int sf;
  Parts a, b, want;  // b: second source, the constant's parts, or nothing for Shift
};

// 16SC cases: the parts interleave real, imaginary; len is half the parts, and the part after
// them must stay unwritten (checked by run).
const Case kCases[] = {
    // Right shifts round toward minus infinity, not toward zero.
    {"Shift_16S", -1, {3, 5, -3, -5, -1}, {}, {1, 2, -2, -3, -1}},
    {"Shift_16S", -2, {7, -7}, {}, {1, -2}},
    {"Shift_32S", -2, {7, -7, -1, INT_MIN}, {}, {1, -2, -1, INT_MIN / 4}},
    {"AddShift_16S", -1, {1, -1}, {2, -2}, {1, -2}},
    // The lowest computed scale factor keeps -1; one below, everything is 0.
    {"Shift_16S", -15, {-1, -32768, 32767, 1}, {}, {-1, -1, 0, 0}},
    {"Shift_16S", -16, {-1, -32768, 32767, 1}, {}, {0, 0, 0, 0}},
    {"Shift_8U", -7, {255, 127, 128}, {}, {1, 0, 1}},
    {"Shift_8U", -8, {255, 127, 128}, {}, {0, 0, 0}},
    {"Shift_16U", -15, {65535, 32767}, {}, {1, 0}},
    {"Shift_32S", -31, {INT_MIN, INT_MAX}, {}, {-1, 0}},
    {"Shift_32S", -32, {INT_MIN, INT_MAX, -1}, {}, {0, 0, 0}},
    {"AddShift_16S", -16, {-32768, 32767}, {-32768, 32767}, {-1, 0}},
    {"AddShift_16S", -17, {-32768, 32767}, {-32768, 32767}, {0, 0}},
    {"SubShift_16S", -16, {-32768, 32767}, {32767, -32768}, {-1, 0}},
    {"AddShift_8U", -8, {255, 128}, {255, 127}, {1, 0}},
    {"AddShift_8U", -9, {255, 128}, {255, 127}, {0, 0}},
    {"SubShift_8U", -7, {255, 0}, {0, 255}, {1, 0}},
    {"SubShift_8U", -8, {255, 0}, {0, 255}, {0, 0}},
    {"AddShift_16U", -16, {65535, 32768}, {65535, 32767}, {1, 0}},
    {"AddShift_32S", -32, {INT_MIN, INT_MAX}, {INT_MIN, INT_MAX}, {-1, 0}},
    {"AddShift_32S", -33, {INT_MIN, INT_MAX}, {INT_MIN, INT_MAX}, {0, 0}},
    // Saturation below the sign-fill threshold, and the bound of R's sign from it.
    {"Shift_16S", 14, {2, -2, 1, -1, 0}, {}, {32767, -32768, 16384, -16384, 0}},
    {"Shift_16S", 15, {1, -1, 0, 32767, -32768}, {}, {32767, -32768, 0, 32767, -32768}},
    {"Shift_8U", 8, {0, 1, 128, 255}, {}, {0, 255, 255, 255}},
    {"Shift_16U", 16, {0, 1, 65535}, {}, {0, 65535, 65535}},
    {"Shift_32S", 30, {1, 2, -2}, {}, {1073741824, INT_MAX, INT_MIN}},
    {"SubShift_8U", 8, {11, 10}, {10, 11}, {255, 0}},
    {"AddShift_16U", 15, {65535, 1}, {65535, 0}, {65535, 32768}},
    {"SubCShift_16U", 16, {5, 7}, {6}, {0, 65535}},
    {"AddCShift_8U", 2, {0, 1, 63}, {1}, {4, 8, 255}},
    // The exact sum or difference, saturated; unsigned differences below 0 give 0.
    {"AddShift_16S", 0, {30000, -32768}, {30000, -32768}, {32767, -32768}},
    {"AddShift_16S", -1, {30000, -32768}, {30000, -32768}, {30000, -32768}},
    {"SubShift_8U", 0, {10, 20}, {20, 10}, {0, 10}},
    {"SubCRevShift_8U", -1, {3, 200}, {100}, {48, 0}},
    {"SubCRevShift_16S", 0, {-32768, 5}, {0}, {32767, -5}},
    {"SubCShift_16S", 0, {-32768, 5}, {1}, {-32768, 4}},
    {"AddShift_32S", 0, {INT_MAX, INT_MIN}, {1, -1}, {INT_MAX, INT_MIN}},
    {"AddShift_32S", -1, {INT_MAX, INT_MIN}, {1, INT_MIN}, {1073741824, INT_MIN}},
    {"SubShift_32S", -1, {INT_MIN, INT_MAX, -3}, {INT_MAX, INT_MIN, 0}, {INT_MIN, INT_MAX, -2}},
    {"SubCRevShift_32S", 0, {INT_MIN, 1}, {-1}, {INT_MAX, -2}},
    // Complex: len 3 is six parts, len 2 four; each part scales and saturates on its own, and
    // a constant's real part meets every real part, its imaginary part every imaginary part.
    {"Shift_16SC", 1, {1, -1, 32767, 3, -32768, -5}, {}, {2, -2, 32767, 6, -32768, -10}},
    {"Shift_16SC", -1, {1, -1, 32767, 3, -32768, -5}, {}, {0, -1, 16383, 1, -16384, -3}},
    {"SubShift_16SC", -1, {10, 20, 30, 40}, {1, 2, 3, 4}, {4, 9, 13, 18}},
    {"AddCShift_16SC", 0, {0, 0, 32767, -32768, -32768, 32767}, {1, -1},
     {1, -1, 32767, -32768, -32767, 32766}},
    {"SubCRevShift_16SC", 0, {0, 0, 32767, -32768, -32768, 32767}, {1, -1},
     {1, -1, -32766, 32767, 32767, -32768}},
};

TEST(ScaledRule, LiteralCases) {
  for (const Case& c : kCases) {
    const Member& m = fxt::by_name(c.member);
    EXPECT_EQ(m.run(c.a, c.b, c.sf, nullptr), c.want) << c.member << " sf " << c.sf;
  }
}

// Every member at H and L one step either side, at 0 and +-1 and at the extreme scale
// factors, on every pair of the values that tell (0, +-1, +-2, the bounds and their
// neighbours) against the model.  At scale factor 0 Shift must copy every value.  Below L the
// sources lie on a guard page: the zero fill must not read them.
TEST(ScaledRule, EveryThresholdOneStepEitherSide) {
  qvxt::Guarded unreadable(0, 0, qvxt::Place::End);
  for (const Member& m : fxt::members()) {
    Parts vals;
    for (int64_t v : {int64_t(0), int64_t(1), int64_t(2), int64_t(-1), int64_t(-2), m.hi,
                      m.hi - 1, m.lo, m.lo + 1})
      if (v >= m.lo) vals.push_back(v);
    const size_t n = vals.size();
    Parts a(2 * n);  // twice, so that each value is a real and an imaginary part of 16SC
    for (size_t k = 0; k < a.size(); ++k) a[k] = vals[k % n];
    const size_t nb = m.kind == Kind::Binary ? a.size() : m.kind == Kind::Const ? m.nparts : 0;
    for (size_t j = 0; j < n; ++j) {  // b rotated by j: every ordered pair once
      Parts b(nb);
      for (size_t k = 0; k < nb; ++k) b[k] = vals[(k + j) % n];
      for (int sf : {INT_MIN, m.L - 1, m.L, m.L + 1, -1, 0, 1, m.H - 1, m.H, m.H + 1, INT_MAX}) {
        const Parts got = m.run(a, b, sf, sf < m.L ? unreadable.data() : nullptr);
        if (!matches_model(m, a, b, sf, got)) break;
      }
    }
  }
}

// Random parts: a third uniform, a third small, a third the values that tell.
int64_t random_part(const Member& m, qvxt::Rng& rng) {
  const int64_t edge[] = {m.lo, m.lo + 1, m.hi, m.hi - 1, 0, 1, 2};
  switch (rng() % 3) {
    case 0: return m.lo + static_cast<int64_t>(rng() % static_cast<uint64_t>(m.hi - m.lo + 1));
    case 1: return std::min(m.hi, static_cast<int64_t>(rng() % 601) - (m.lo < 0 ? 300 : 0));
    default: return edge[rng() % 7];
  }
}

TEST(ScaledRule, SweepAgainstModel) {
  qvxt::Rng rng(20261205);
  std::vector<int> sfs = {INT_MIN, INT_MIN + 1, -1000, -64, -63, 63, 64, 1000, INT_MAX - 1, INT_MAX};
  for (int s = -40; s <= 40; ++s) sfs.push_back(s);
  for (const Member& m : fxt::members())
    for (int sf : sfs)
      for (int len : {1, 3, 8, 15, 16, 17, 33, 64, 131}) {
        Parts a(static_cast<size_t>(len) * m.nparts);
        Parts b(m.kind == Kind::Binary ? a.size() : m.kind == Kind::Const ? m.nparts : 0);
        for (int64_t& v : a) v = random_part(m, rng);
        for (int64_t& v : b) v = random_part(m, rng);
        if (!matches_model(m, a, b, sf, m.run(a, b, sf, nullptr))) return;
      }
}

}  // namespace
