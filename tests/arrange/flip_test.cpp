// Reversal: telling cases, nothing written in place below two elements, and every element
// against a model for every width, into a second array and in place at odd and even lengths.
#include <gtest/gtest.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

#include <vector>

#include "support/data.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

TEST(Flip, TellingCases) {
  const Qvx16s s[3] = {1, 2, 3}, w[3] = {3, 2, 1};
  Qvx16s d[3];
  qvx_Vector_Flip_16S(s, d, 3);
  EXPECT_TRUE(same_elements(d, w, 3));
  const Qvx8u one = 42;
  Qvx8u got = 0;
  qvx_Vector_Flip_8U(&one, &got, 1);
  EXPECT_EQ(got, 42);
  Qvx32s v[5] = {1, 2, 3, 4, 5};
  const Qvx32s want[5] = {5, 4, 3, 2, 1};
  qvx_Vector_Flip_32S_I(v, 5);
  EXPECT_TRUE(same_elements(v, want, 5));
}

// In place with len 1 writes nothing: the array is on a read-only page.
TEST(Flip, InPlaceShortVectorsWriteNothing) {
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  void* p = mmap(nullptr, page, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(p, MAP_FAILED);
  EXPECT_EQ(qvx_Vector_Flip_8U_I(static_cast<Qvx8u*>(p), 1), 0);
  EXPECT_EQ(qvx_Vector_Flip_16S_I(static_cast<Qvx16s*>(p), 1), 0);
  EXPECT_EQ(qvx_Vector_Flip_32S_I(static_cast<Qvx32s*>(p), 1), 0);
  EXPECT_EQ(qvx_Vector_Flip_64F_I(static_cast<Qvx64f*>(p), 1), 0);
  munmap(p, page);
}

// Every element a distinct tag (random bytes could repeat and hide a misplaced element);
// the lengths cover odd and even counts on both sides of every block size.
template <class T>
void model_sweep(QvxStatus (*fn)(const T*, T*, int), QvxStatus (*fn_i)(T*, int),
                 const char* name) {
  for (int len : sweep_lengths()) {
    std::vector<T> s(len), d(len), want(len);
    for (int i = 0; i < len; ++i) {
      const uint64_t tag = 0x0101010101010101ull * static_cast<uint64_t>(i + 1);
      memcpy(&s[i], &tag, sizeof(T));
    }
    for (int i = 0; i < len; ++i) want[i] = s[len - 1 - i];
    ASSERT_EQ(fn(s.data(), d.data(), len), 0);
    ASSERT_TRUE(same_elements(d.data(), want.data(), len)) << name << " len " << len;
    ASSERT_EQ(fn_i(s.data(), len), 0);
    ASSERT_TRUE(same_elements(s.data(), want.data(), len)) << name << "_I len " << len;
  }
}

TEST(Flip, EveryWidthSeparateAndInPlace) {
  model_sweep<Qvx8u>(qvx_Vector_Flip_8U, qvx_Vector_Flip_8U_I, "Flip_8U");
  model_sweep<Qvx16s>(qvx_Vector_Flip_16S, qvx_Vector_Flip_16S_I, "Flip_16S");
  model_sweep<Qvx32s>(qvx_Vector_Flip_32S, qvx_Vector_Flip_32S_I, "Flip_32S");
  model_sweep<Qvx64f>(qvx_Vector_Flip_64F, qvx_Vector_Flip_64F_I, "Flip_64F");
}

}  // namespace
