// The Shift primitive: the scale-and-saturate rule on the source elements themselves, its
// boundaries (H, L, rounding, saturation), its call-level order (zero fill before the len
// test and without reading the source) and a sweep against the model.
#include <gtest/gtest.h>
#include <limits.h>

#include <vector>

#include "model.h"
#include "qvx_vector.h"

namespace {

using fxt::Member;
using fxt::Rule;
using qvxt::part_t;

template <class T>
using ShiftFn = QvxStatus (*)(const T*, T*, int, int);

// One call on a short literal vector; the results.
template <class T>
std::vector<T> shift(ShiftFn<T> f, std::vector<T> src, int sf) {
  std::vector<T> dst(src.size(), T(0x5A));
  EXPECT_EQ(f(src.data(), dst.data(), static_cast<int>(src.size()), sf), 0);
  return dst;
}

TEST(Shift, RoundsTowardMinusInfinity) {
  EXPECT_EQ(shift<Qvx16s>(qvx_Vector_Shift_16S, {3, 5, -3, -5, -1}, -1),
            (std::vector<Qvx16s>{1, 2, -2, -3, -1}));
  EXPECT_EQ(shift<Qvx16s>(qvx_Vector_Shift_16S, {7, -7}, -2), (std::vector<Qvx16s>{1, -2}));
  EXPECT_EQ(shift<Qvx32s>(qvx_Vector_Shift_32S, {7, -7, -1, INT_MIN}, -2),
            (std::vector<Qvx32s>{1, -2, -1, INT_MIN / 4}));
}

TEST(Shift, ZeroFillThreshold16S) {
  // -15 is still computed: the negative values keep -1; below it every element is 0.
  EXPECT_EQ(shift<Qvx16s>(qvx_Vector_Shift_16S, {-1, -32768, 32767, 1}, -15),
            (std::vector<Qvx16s>{-1, -1, 0, 0}));
  EXPECT_EQ(shift<Qvx16s>(qvx_Vector_Shift_16S, {-1, -32768, 32767, 1}, -16),
            (std::vector<Qvx16s>{0, 0, 0, 0}));
}

TEST(Shift, SaturationAndSignFill16S) {
  EXPECT_EQ(shift<Qvx16s>(qvx_Vector_Shift_16S, {2, -2, 1, -1, 0}, 14),
            (std::vector<Qvx16s>{32767, -32768, 16384, -16384, 0}));
  EXPECT_EQ(shift<Qvx16s>(qvx_Vector_Shift_16S, {1, -1, 0, 32767, -32768}, 15),
            (std::vector<Qvx16s>{32767, -32768, 0, 32767, -32768}));
}

TEST(Shift, Unsigned8U) {
  EXPECT_EQ(shift<Qvx8u>(qvx_Vector_Shift_8U, {0, 1, 128, 255}, 8),
            (std::vector<Qvx8u>{0, 255, 255, 255}));
  EXPECT_EQ(shift<Qvx8u>(qvx_Vector_Shift_8U, {0, 1, 2, 255}, 7),
            (std::vector<Qvx8u>{0, 128, 255, 255}));
  EXPECT_EQ(shift<Qvx8u>(qvx_Vector_Shift_8U, {255, 127, 128}, -7),
            (std::vector<Qvx8u>{1, 0, 1}));
  EXPECT_EQ(shift<Qvx8u>(qvx_Vector_Shift_8U, {255, 127, 128}, -8),
            (std::vector<Qvx8u>{0, 0, 0}));
}

TEST(Shift, Unsigned16U) {
  EXPECT_EQ(shift<Qvx16u>(qvx_Vector_Shift_16U, {0, 1, 65535}, 16),
            (std::vector<Qvx16u>{0, 65535, 65535}));
  EXPECT_EQ(shift<Qvx16u>(qvx_Vector_Shift_16U, {1, 2, 0x8000}, 15),
            (std::vector<Qvx16u>{32768, 65535, 65535}));
  EXPECT_EQ(shift<Qvx16u>(qvx_Vector_Shift_16U, {65535, 32767}, -15),
            (std::vector<Qvx16u>{1, 0}));
  EXPECT_EQ(shift<Qvx16u>(qvx_Vector_Shift_16U, {65535}, -16), (std::vector<Qvx16u>{0}));
}

TEST(Shift, Signed32S) {
  EXPECT_EQ(shift<Qvx32s>(qvx_Vector_Shift_32S, {1, 2, -2, -1}, 30),
            (std::vector<Qvx32s>{1073741824, INT_MAX, INT_MIN, -1073741824}));
  EXPECT_EQ(shift<Qvx32s>(qvx_Vector_Shift_32S, {1, -1, 0}, 31),
            (std::vector<Qvx32s>{INT_MAX, INT_MIN, 0}));
  EXPECT_EQ(shift<Qvx32s>(qvx_Vector_Shift_32S, {INT_MIN, INT_MAX}, -31),
            (std::vector<Qvx32s>{-1, 0}));
  EXPECT_EQ(shift<Qvx32s>(qvx_Vector_Shift_32S, {INT_MIN, INT_MAX, -1}, -32),
            (std::vector<Qvx32s>{0, 0, 0}));
}

TEST(Shift, ExtremeScaleFactors) {
  for (int sf : {INT_MIN, INT_MIN + 1}) {
    EXPECT_EQ(shift<Qvx16s>(qvx_Vector_Shift_16S, {-1, 5}, sf), (std::vector<Qvx16s>{0, 0}));
    EXPECT_EQ(shift<Qvx32s>(qvx_Vector_Shift_32S, {-1, 5}, sf), (std::vector<Qvx32s>{0, 0}));
    EXPECT_EQ(shift<Qvx8u>(qvx_Vector_Shift_8U, {255, 5}, sf), (std::vector<Qvx8u>{0, 0}));
    EXPECT_EQ(shift<Qvx16u>(qvx_Vector_Shift_16U, {9, 5}, sf), (std::vector<Qvx16u>{0, 0}));
  }
  EXPECT_EQ(shift<Qvx16s>(qvx_Vector_Shift_16S, {-1, 5, 0}, INT_MAX),
            (std::vector<Qvx16s>{-32768, 32767, 0}));
  EXPECT_EQ(shift<Qvx32s>(qvx_Vector_Shift_32S, {-1, 5, 0}, INT_MAX),
            (std::vector<Qvx32s>{INT_MIN, INT_MAX, 0}));
  EXPECT_EQ(shift<Qvx8u>(qvx_Vector_Shift_8U, {1, 0}, INT_MAX), (std::vector<Qvx8u>{255, 0}));
  EXPECT_EQ(shift<Qvx16u>(qvx_Vector_Shift_16U, {1, 0}, INT_MAX),
            (std::vector<Qvx16u>{65535, 0}));
}

TEST(Shift, ScaleFactorZeroCopies) {
  const std::vector<Qvx16s> s16 = {-32768, -1, 0, 1, 32767};
  EXPECT_EQ(shift<Qvx16s>(qvx_Vector_Shift_16S, s16, 0), s16);
  const std::vector<Qvx32s> s32 = {INT_MIN, -1, 0, 1, INT_MAX};
  EXPECT_EQ(shift<Qvx32s>(qvx_Vector_Shift_32S, s32, 0), s32);
  const std::vector<Qvx8u> s8 = {0, 1, 128, 255};
  EXPECT_EQ(shift<Qvx8u>(qvx_Vector_Shift_8U, s8, 0), s8);
  const std::vector<Qvx16u> u16 = {0, 1, 32768, 65535};
  EXPECT_EQ(shift<Qvx16u>(qvx_Vector_Shift_16U, u16, 0), u16);
}

TEST(Shift, ComplexPartsAreIndependent) {
  // len 3 is six parts; a saturating part does not touch its neighbour.
  const Qvx16sc src[4] = {{1, -1}, {32767, 3}, {-32768, -5}, {77, 77}};
  Qvx16sc dst[4] = {{9, 9}, {9, 9}, {9, 9}, {9, 9}};
  ASSERT_EQ(qvx_Vector_Shift_16SC(src, dst, 3, 1), 0);
  const Qvx16s want[8] = {2, -2, 32767, 6, -32768, -10, 9, 9};
  EXPECT_TRUE(qvxt::same_elements(reinterpret_cast<Qvx16s*>(dst), want, 8));
  ASSERT_EQ(qvx_Vector_Shift_16SC(src, dst, 3, -1), 0);
  const Qvx16s want_r[8] = {0, -1, 16383, 1, -16384, -3, 9, 9};
  EXPECT_TRUE(qvxt::same_elements(reinterpret_cast<Qvx16s*>(dst), want_r, 8));
}

// Below L the destination is zero-filled without a look at the source (here on a guard page,
// where any read faults); with len < 1 nothing is written on any path.
template <class T>
void check_call_order(ShiftFn<T> f, int L) {
  qvxt::Guarded no_source(0, 0, qvxt::Place::End);  // the pointer sits on the guard page
  qvxt::Guarded out(8 * sizeof(T));
  T* dst = out.as<T>();
  using P = part_t<T>;
  const P* parts = reinterpret_cast<const P*>(dst);
  for (int sf : {L - 1, L - 2, INT_MIN}) {
    ASSERT_EQ(f(no_source.as<T>(), dst, 8, sf), 0) << sf;
    for (size_t i = 0; i < 8 * qvxt::parts<T>(); ++i)
      EXPECT_EQ(static_cast<int64_t>(parts[i]), 0) << sf;
  }
  qvxt::Guarded none(0, 0, qvxt::Place::End);
  for (int len : {0, -1, INT_MIN})
    for (int sf : {INT_MIN, L - 1, L, -1, 0, 1, 40, INT_MAX})
      EXPECT_EQ(f(none.as<T>(), none.as<T>(), len, sf), 0);  // any access would fault
  EXPECT_TRUE(out.canaries_intact());
}

TEST(Shift, ZeroFillPrecedesLenAndReadsNoSource) {
  check_call_order<Qvx8u>(qvx_Vector_Shift_8U, -7);
  check_call_order<Qvx16u>(qvx_Vector_Shift_16U, -15);
  check_call_order<Qvx16s>(qvx_Vector_Shift_16S, -15);
  check_call_order<Qvx32s>(qvx_Vector_Shift_32S, -31);
  check_call_order<Qvx16sc>(qvx_Vector_Shift_16SC, -15);
}

// Every threshold one step either side on the values that tell: the bounds, +-1 and 0.
template <class T>
void check_thresholds(ShiftFn<T> f, Rule u) {
  std::vector<T> vals = {T(0), T(1), T(2), static_cast<T>(u.hi), static_cast<T>(u.hi - 1),
                         static_cast<T>(u.lo), static_cast<T>(u.lo + 1), static_cast<T>(-1)};
  for (int sf : {u.H - 1, u.H, u.H + 1, u.L - 1, u.L, u.L + 1, -1, 1}) {
    std::vector<T> got = shift<T>(f, vals, sf);
    for (size_t i = 0; i < vals.size(); ++i)
      EXPECT_EQ(static_cast<int64_t>(got[i]), fxt::model(vals[i], sf, u))
          << "sf " << sf << " value " << static_cast<int64_t>(vals[i]);
  }
}

TEST(Shift, EveryThresholdOneStepEitherSide) {
  check_thresholds<Qvx8u>(qvx_Vector_Shift_8U, fxt::rule<Qvx8u>(8, -7));
  check_thresholds<Qvx16u>(qvx_Vector_Shift_16U, fxt::rule<Qvx16u>(16, -15));
  check_thresholds<Qvx16s>(qvx_Vector_Shift_16S, fxt::rule<Qvx16s>(15, -15));
  check_thresholds<Qvx32s>(qvx_Vector_Shift_32S, fxt::rule<Qvx32s>(31, -31));
}

template <class T>
Member<T, 1> shift_member(ShiftFn<T> f, Rule u) {
  using P = part_t<T>;
  return {[f](const T* const* s, T* d, int len, int sf) { return f(s[0], d, len, sf); },
          [u](const P* const* s, size_t k, int sf) { return fxt::model(s[0][k], sf, u); }};
}

TEST(Shift, SweepAgainstModel8U) {
  fxt::sweep_member(shift_member<Qvx8u>(qvx_Vector_Shift_8U, fxt::rule<Qvx8u>(8, -7)), 1);
}
TEST(Shift, SweepAgainstModel16U) {
  fxt::sweep_member(shift_member<Qvx16u>(qvx_Vector_Shift_16U, fxt::rule<Qvx16u>(16, -15)), 2);
}
TEST(Shift, SweepAgainstModel16S) {
  fxt::sweep_member(shift_member<Qvx16s>(qvx_Vector_Shift_16S, fxt::rule<Qvx16s>(15, -15)), 3);
}
TEST(Shift, SweepAgainstModel32S) {
  fxt::sweep_member(shift_member<Qvx32s>(qvx_Vector_Shift_32S, fxt::rule<Qvx32s>(31, -31)), 4);
}
TEST(Shift, SweepAgainstModel16SC) {
  fxt::sweep_member(shift_member<Qvx16sc>(qvx_Vector_Shift_16SC, fxt::rule<Qvx16s>(15, -15)), 5);
}

}  // namespace
