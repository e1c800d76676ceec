// Split and merge: telling cases, and every width against the model, split and then merged
// back into the interleaved bits (NaN payloads included).
#include <gtest/gtest.h>

#include <vector>

#include "support/data.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

TEST(SplitMerge, TellingCases) {
  const Qvx16s s[6] = {1, 2, 3, 4, 5, 6}, w1[3] = {1, 3, 5}, w2[3] = {2, 4, 6};
  Qvx16s a[3], b[3];
  qvx_Vector_Split_16S(s, a, b, 3);
  EXPECT_TRUE(same_elements(a, w1, 3));
  EXPECT_TRUE(same_elements(b, w2, 3));
  const Qvx8u c1[3] = {1, 3, 5}, c2[3] = {2, 4, 6}, want[6] = {1, 2, 3, 4, 5, 6};
  Qvx8u d[6];
  qvx_Vector_Merge_8U(c1, c2, d, 3);
  EXPECT_TRUE(same_elements(d, want, 6));
}

// dst1[i] = src[2i], dst2[i] = src[2i+1]; merging dst1 and dst2 gives src back, bit for bit
// (the random data hold NaNs with payloads, signalling ones too).
template <class T>
void model_sweep(QvxStatus (*split)(const T*, T*, T*, int),
                 QvxStatus (*merge)(const T*, const T*, T*, int), const char* name) {
  Rng rng(51);
  for (int len : sweep_lengths()) {
    std::vector<T> s(2 * len), a(len), b(len), back(2 * len), w1(len), w2(len);
    fill_random(s.data(), s.size(), rng);
    for (int i = 0; i < len; ++i) {
      w1[i] = s[2 * i];
      w2[i] = s[2 * i + 1];
    }
    ASSERT_EQ(split(s.data(), a.data(), b.data(), len), 0);
    ASSERT_TRUE(same_elements(a.data(), w1.data(), len)) << name << " dst1, len " << len;
    ASSERT_TRUE(same_elements(b.data(), w2.data(), len)) << name << " dst2, len " << len;
    ASSERT_EQ(merge(a.data(), b.data(), back.data(), len), 0);
    ASSERT_TRUE(same_elements(back.data(), s.data(), s.size())) << name << " merge, len " << len;
  }
}

TEST(SplitMerge, EveryWidthMatchesTheModel) {
  model_sweep<Qvx8u>(qvx_Vector_Split_8U, qvx_Vector_Merge_8U, "8U");
  model_sweep<Qvx16s>(qvx_Vector_Split_16S, qvx_Vector_Merge_16S, "16S");
  model_sweep<Qvx32s>(qvx_Vector_Split_32S, qvx_Vector_Merge_32S, "32S");
  model_sweep<Qvx32f>(qvx_Vector_Split_32F, qvx_Vector_Merge_32F, "32F");
  model_sweep<Qvx64f>(qvx_Vector_Split_64F, qvx_Vector_Merge_64F, "64F");
}

}  // namespace
