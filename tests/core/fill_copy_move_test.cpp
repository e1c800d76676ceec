// Copy and Move: the front-to-back result of Copy on every overlap, Move equal to the source
// as it was on every overlap, the complex forms on 2*len scalars, and complex counts whose
// scalar count wraps touching nothing (theirs and the scaled complex forms').  (Set's bit
// patterns: the sweep and the digests.)
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <vector>

#include "qvx_vector.h"
#include "support/data.h"
#include "support/guarded.h"

namespace {

using namespace qvxt;

// ---- Copy and Move on overlapping arrays ------------------------------------------------------

// Copy's definition: ascending, one element at a time, reading what earlier steps wrote.
// The complex forms copy their parts (2*len scalars).
template <class T>
void ascending_copy(const uint8_t* src, uint8_t* dst, int len) {
  using P = part_t<T>;
  for (size_t i = 0; i < size_t(len) * parts<T>(); ++i) {
    P v;
    memcpy(&v, src + i * sizeof(P), sizeof v);
    memcpy(dst + i * sizeof(P), &v, sizeof v);
  }
}

// Runs Copy or Move with the destination `shift` bytes after the source (before it for
// negative shifts), against the model's result: every byte distance up to five elements,
// and whole-element distances up to 40 elements.
template <class T, QvxStatus (*F)(const T*, T*, int)>
void check_overlaps(bool is_move, uint64_t seed) {
  Rng rng(seed);
  const int e = int(sizeof(T));
  std::vector<int> shifts;
  for (int b = -5 * e; b <= 5 * e; ++b) shifts.push_back(b);
  for (int k = 6; k <= 40; ++k) shifts.insert(shifts.end(), {k * e, -k * e});
  for (int len : {0, 1, 2, 3, 5, 8, 13, 31, 64, 100, 1000}) {
    for (int shift : len < 1000 ? shifts : std::vector<int>{-40 * e, -e, -1, 1, e, 40 * e}) {
      const size_t room = sizeof(T) * (len + 40), at = sizeof(T) * 40;
      std::vector<uint8_t> buf(2 * room);
      fill_random(buf.data(), buf.size(), rng);
      std::vector<uint8_t> want = buf;
      if (is_move) {
        memmove(want.data() + at + shift, want.data() + at, sizeof(T) * len);
      } else {
        ascending_copy<T>(want.data() + at, want.data() + at + shift, len);
      }
      ASSERT_EQ(F(reinterpret_cast<const T*>(buf.data() + at), reinterpret_cast<T*>(buf.data() + at + shift), len), 0);
      ASSERT_TRUE(same_elements(buf.data(), want.data(), 2 * room))
          << (is_move ? "Move" : "Copy") << " len " << len << " shift " << shift << " bytes";
    }
  }
}

// Copy front to back, Move equal to the source as it was.
#define BOTH(S, T, seed)                                       \
  check_overlaps<T, qvx_Vector_Copy_##S>(false, seed + 10), \
      check_overlaps<T, qvx_Vector_Move_##S>(true, seed + 20)

TEST(CopyAndMove, EveryOverlap) {
  BOTH(8U, Qvx8u, 1), BOTH(16S, Qvx16s, 2), BOTH(32S, Qvx32s, 3), BOTH(32F, Qvx32f, 4);
  BOTH(64F, Qvx64f, 5), BOTH(16SC, Qvx16sc, 6), BOTH(32FC, Qvx32fc, 7), BOTH(64FC, Qvx64fc, 8);
}

// A complex count whose scalar count 2*len leaves the int range wraps to a negative (or
// zero) count and is empty, for Copy and Move and for the complex forms that hand 2*len
// scalars to a real form: the pointers are on a guard page, so any access faults.  (Other
// counts below 1 are the sweep's.)
TEST(Copy, WrappedComplexCountsTouchNothing) {
  Guarded a(0, 0, Place::End), b(0, 0, Place::End);
  for (int len : {0x40000000, 0x40000001, 0x60000000, 0x7FFFFFFF}) {
    EXPECT_EQ(qvx_Vector_Copy_16SC(a.as<Qvx16sc>(), b.as<Qvx16sc>(), len), 0);
    EXPECT_EQ(qvx_Vector_Copy_32FC(a.as<Qvx32fc>(), b.as<Qvx32fc>(), len), 0);
    EXPECT_EQ(qvx_Vector_Move_64FC(a.as<Qvx64fc>(), b.as<Qvx64fc>(), len), 0);
    EXPECT_EQ(qvx_Vector_Shift_16SC(a.as<Qvx16sc>(), b.as<Qvx16sc>(), len, 2), 0);
    EXPECT_EQ(qvx_Vector_AddShift_16SC(a.as<Qvx16sc>(), a.as<Qvx16sc>(), b.as<Qvx16sc>(), len, 0), 0);
  }
}

}  // namespace
