// Copy and Move: the front-to-back result of Copy on every overlap, Move equal to the source
// as it was on every overlap, the complex forms on 2*len scalars, and complex counts whose
// scalar count wraps touching nothing.  (Set's bit patterns: the sweep and the digests.)
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

TEST(Copy, FrontToBackOnEveryOverlap) {
  check_overlaps<Qvx8u, qvx_Vector_Copy_8U>(false, 11);
  check_overlaps<Qvx16s, qvx_Vector_Copy_16S>(false, 12);
  check_overlaps<Qvx32s, qvx_Vector_Copy_32S>(false, 13);
  check_overlaps<Qvx32f, qvx_Vector_Copy_32F>(false, 14);
  check_overlaps<Qvx64f, qvx_Vector_Copy_64F>(false, 15);
  check_overlaps<Qvx16sc, qvx_Vector_Copy_16SC>(false, 16);
  check_overlaps<Qvx32fc, qvx_Vector_Copy_32FC>(false, 17);
  check_overlaps<Qvx64fc, qvx_Vector_Copy_64FC>(false, 18);
}

TEST(Move, SourceAsItWasOnEveryOverlap) {
  check_overlaps<Qvx8u, qvx_Vector_Move_8U>(true, 21);
  check_overlaps<Qvx16s, qvx_Vector_Move_16S>(true, 22);
  check_overlaps<Qvx32s, qvx_Vector_Move_32S>(true, 23);
  check_overlaps<Qvx32f, qvx_Vector_Move_32F>(true, 24);
  check_overlaps<Qvx64f, qvx_Vector_Move_64F>(true, 25);
  check_overlaps<Qvx16sc, qvx_Vector_Move_16SC>(true, 26);
  check_overlaps<Qvx32fc, qvx_Vector_Move_32FC>(true, 27);
  check_overlaps<Qvx64fc, qvx_Vector_Move_64FC>(true, 28);
}

// A complex count whose scalar count 2*len leaves the int range wraps to a negative (or
// zero) count and is empty: the pointers are on a guard page, so any access faults.  (Other
// counts below 1 are the sweep's.)
TEST(Copy, WrappedComplexCountsTouchNothing) {
  Guarded a(0, 0, Place::End), b(0, 0, Place::End);
  for (int len : {0x40000000, 0x40000001, 0x7FFFFFFF}) {
    EXPECT_EQ(qvx_Vector_Copy_16SC(a.as<Qvx16sc>(), b.as<Qvx16sc>(), len), 0);
    EXPECT_EQ(qvx_Vector_Copy_32FC(a.as<Qvx32fc>(), b.as<Qvx32fc>(), len), 0);
    EXPECT_EQ(qvx_Vector_Move_64FC(a.as<Qvx64fc>(), b.as<Qvx64fc>(), len), 0);
  }
}

}  // namespace
