// Integer conversions: the zero-fill threshold of every pair, the sign fill, floor rounding of
// right shifts, saturation at both bounds, exact left shifts into 32S, every scale factor
// from INT_MIN to INT_MAX, and overlapping arrays.
#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>
#include <string.h>

#include <limits>
#include <vector>

#include "convert_check.h"
#include "qvx_vector.h"
#include "support/guarded.h"

namespace {

using cvtt::convert;
using cvtt::convert1;
using cvtt::Fn;

// Every pair with its zero-fill threshold L (the destination is all zeros below it).
// clang-format off
#define QVXT_PAIRS(X)            \
  X(8U, 8S, Qvx8u, Qvx8s, -7)     \
  X(8U, 16U, Qvx8u, Qvx16u, -7)   \
  X(8U, 16S, Qvx8u, Qvx16s, -7)   \
  X(8U, 32S, Qvx8u, Qvx32s, -7)   \
  X(8S, 8U, Qvx8s, Qvx8u, -6)     \
  X(8S, 16U, Qvx8s, Qvx16u, -6)   \
  X(8S, 16S, Qvx8s, Qvx16s, -7)   \
  X(8S, 32S, Qvx8s, Qvx32s, -7)   \
  X(16U, 8U, Qvx16u, Qvx8u, -15)  \
  X(16U, 8S, Qvx16u, Qvx8s, -15)  \
  X(16U, 16S, Qvx16u, Qvx16s, -15) \
  X(16U, 32S, Qvx16u, Qvx32s, -15) \
  X(16S, 8U, Qvx16s, Qvx8u, -15)  \
  X(16S, 8S, Qvx16s, Qvx8s, -15)  \
  X(16S, 16U, Qvx16s, Qvx16u, -14) \
  X(16S, 32S, Qvx16s, Qvx32s, -15) \
  X(32S, 8U, Qvx32s, Qvx8u, -30)  \
  X(32S, 8S, Qvx32s, Qvx8s, -31)  \
  X(32S, 16U, Qvx32s, Qvx16u, -30) \
  X(32S, 16S, Qvx32s, Qvx16s, -31)
// clang-format on

// ---- the reference model: exact integer arithmetic ---------------------------------------

// x * 2^sf, rounded toward minus infinity, clamped to D; 0 below L.
template <class D>
D model(int64_t x, int sf, int L) {
  using Lim = std::numeric_limits<D>;
  if (sf < L) return 0;
  __int128 v;
  if (sf >= 0) {
    v = static_cast<__int128>(x) * (static_cast<__int128>(1) << (sf < 64 ? sf : 64));
  } else {
    const int64_t n = -static_cast<int64_t>(sf);
    v = x >> (n < 63 ? n : 63);  // arithmetic shift: the floor
  }
  if (v < Lim::min()) return Lim::min();
  if (v > Lim::max()) return Lim::max();
  return static_cast<D>(v);
}

// The sign-fill threshold of each destination: from H on, 1 already saturates.
template <class D>
int sign_fill_from() {
  int h = 0;
  while ((int64_t{1} << h) <= static_cast<int64_t>(std::numeric_limits<D>::max())) ++h;
  return h;
}

// Scale factors of interest for one pair.
template <class D>
std::vector<int> scale_factors(int L) {
  const int H = sign_fill_from<D>();
  std::vector<int> v = {INT_MIN, INT_MIN + 1, L - 2, L - 1, L,  L + 1, -1,   0,           1,
                        H - 1,   H,           H + 1, 63,    64, 100,   -100, INT_MAX - 1, INT_MAX};
  for (int s = -34; s <= 34; ++s) v.push_back(s);
  return v;
}

// Every value of an 8- or 16-bit source; bounds, powers of two and their neighbours and
// random values of a 32S source.
template <class S>
std::vector<S> telling_sources() {
  std::vector<S> v;
  if (sizeof(S) <= 2) {
    for (int64_t x = std::numeric_limits<S>::min(); x <= std::numeric_limits<S>::max(); ++x)
      v.push_back(static_cast<S>(x));
    return v;
  }
  for (int k = 0; k < 31; ++k)
    for (int64_t d = -1; d <= 1; ++d) {
      v.push_back(static_cast<S>((int64_t{1} << k) + d));
      v.push_back(static_cast<S>(-(int64_t{1} << k) + d));
    }
  v.push_back(std::numeric_limits<S>::min());
  v.push_back(std::numeric_limits<S>::max());
  v.push_back(std::numeric_limits<S>::min() + 1);
  qvxt::Rng rng(99);
  for (int i = 0; i < 4000; ++i) v.push_back(static_cast<S>(rng()));
  return v;
}

template <class S, class D>
void check_every_value(Fn<S, D> fn, int L) {
  const std::vector<S> xs = telling_sources<S>();
  std::vector<D> got(xs.size());
  for (int sf : scale_factors<D>(L)) {
    ASSERT_EQ(fn(xs.data(), got.data(), static_cast<int>(xs.size()), sf), 0);
    for (size_t i = 0; i < xs.size(); ++i) {
      if (got[i] != model<D>(xs[i], sf, L)) {
        ADD_FAILURE() << "x " << int64_t{xs[i]} << " sf " << sf << ": got " << int64_t{got[i]}
                      << ", want " << int64_t{model<D>(xs[i], sf, L)};
        return;
      }
    }
  }
}

TEST(IntegerConvert, EveryValueAtEveryScaleFactor) {
#define QVXT_RUN(S, D, TS, TD, L)                                        \
  {                                                                      \
    SCOPED_TRACE(#S "_" #D);                                             \
    check_every_value<TS, TD>(qvx_Vector_TypeConvertShift_##S##_##D, L); \
  }
  QVXT_PAIRS(QVXT_RUN)
#undef QVXT_RUN
}

TEST(IntegerConvert, AgreesWithModelOverLengthsOffsetsAndInPlace) {
#define QVXT_RUN(S, D, TS, TD, L)                                                                \
  {                                                                                              \
    SCOPED_TRACE(#S "_" #D);                                                                     \
    cvtt::sweep_model(                                                                           \
        qvx_Vector_TypeConvertShift_##S##_##D, [](TS x, int sf) { return model<TD>(x, sf, L); }, \
        scale_factors<TD>(L), sizeof(TS) == sizeof(TD));                                         \
  }
  QVXT_PAIRS(QVXT_RUN)
#undef QVXT_RUN
}

// ---- the thresholds ------------------------------------------------------------------------

// Below L the destination is filled without a look at the source: a source on an
// inaccessible page does not fault.  At L itself the largest magnitude still leaves a
// nonzero result (1, or -1 for a negative source into a signed destination).
template <class S, class D>
void check_zero_fill(Fn<S, D> fn, int L) {
  qvxt::Guarded nowhere(0, 0, qvxt::Place::End);
  const int len = 41;
  std::vector<D> dst(len, D(7));
  for (int sf : {L - 1, L - 2, -1000, INT_MIN}) {
    std::fill(dst.begin(), dst.end(), D(7));
    ASSERT_EQ(fn(nowhere.as<S>(), dst.data(), len, sf), 0);
    for (D d : dst) ASSERT_EQ(d, 0) << "sf " << sf;
  }
  const S top = std::numeric_limits<S>::max(), bottom = std::numeric_limits<S>::min();
  if (std::numeric_limits<S>::is_signed && std::numeric_limits<D>::is_signed) {
    // L = -(W - 1) of the source: the last shift that leaves a negative element at -1.
    EXPECT_EQ(convert1(fn, bottom, L), -1);
    EXPECT_EQ(convert1(fn, S(-1), L), -1);
    EXPECT_EQ(convert1(fn, top, L), 0);
    EXPECT_EQ(L, -static_cast<int>(8 * sizeof(S) - 1));
  } else {
    // At most one shift beyond the last one that leaves the largest source nonzero (the
    // table's L for 16S_8U is -15 where the largest value 32767 already gives 0 at -15).
    EXPECT_EQ(convert1(fn, top, L), static_cast<D>(top >> -L));
    EXPECT_LE(convert1(fn, top, L), 1);
    EXPECT_NE(convert1(fn, top, L + 1), 0);
    EXPECT_EQ(convert1(fn, bottom, L), 0);
  }
}

TEST(IntegerConvert, ZeroFillBelowTheThresholdOfEachPair) {
#define QVXT_RUN(S, D, TS, TD, L)                                      \
  {                                                                    \
    SCOPED_TRACE(#S "_" #D);                                           \
    check_zero_fill<TS, TD>(qvx_Vector_TypeConvertShift_##S##_##D, L); \
  }
  QVXT_PAIRS(QVXT_RUN)
#undef QVXT_RUN
}

// From H on every nonzero element gives the bound of its sign; at H - 1 the value 1 is the
// largest power of two below the bound.
template <class S, class D>
void check_sign_fill(Fn<S, D> fn) {
  using Lim = std::numeric_limits<D>;
  const int H = sign_fill_from<D>();
  const std::vector<S> xs = {S(1), S(0), std::numeric_limits<S>::max(),
                             std::numeric_limits<S>::min(), S(-1)};
  for (int sf : {H, H + 1, 1000, INT_MAX}) {
    const std::vector<D> got = convert(fn, xs, sf);
    EXPECT_EQ(got[0], Lim::max()) << sf;
    EXPECT_EQ(got[1], 0) << sf;
    EXPECT_EQ(got[2], Lim::max()) << sf;
    const D neg = std::numeric_limits<S>::is_signed ? Lim::min() : Lim::max();
    EXPECT_EQ(got[3], std::numeric_limits<S>::is_signed ? Lim::min() : D(0)) << sf;
    EXPECT_EQ(got[4], std::numeric_limits<S>::is_signed ? neg : Lim::max()) << sf;
  }
  EXPECT_EQ(int64_t{convert1(fn, S(1), H - 1)}, int64_t{1} << (H - 1));
}

TEST(IntegerConvert, SignFillFromTheThresholdOfTheDestination) {
#define QVXT_RUN(S, D, TS, TD, L)                                   \
  {                                                                 \
    SCOPED_TRACE(#S "_" #D);                                        \
    check_sign_fill<TS, TD>(qvx_Vector_TypeConvertShift_##S##_##D); \
  }
  QVXT_PAIRS(QVXT_RUN)
#undef QVXT_RUN
  EXPECT_EQ(sign_fill_from<Qvx8s>(), 7);
  EXPECT_EQ(sign_fill_from<Qvx16s>(), 15);
  EXPECT_EQ(sign_fill_from<Qvx32s>(), 31);
}

// ---- telling cases -------------------------------------------------------------------------

TEST(IntegerConvert, EightBitPairs) {
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8U_8S, Qvx8u(200), 0), 127);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8U_8S, Qvx8u(1), 7), 127);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8U_8S, Qvx8u(0), 7), 0);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8U_8S, Qvx8u(1), 6), 64);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8U_8S, Qvx8u(255), -7), 1);
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_8U_8S, {255, 128, 1}, -8),
            (std::vector<Qvx8s>{0, 0, 0}));
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_8S_8U, Qvx8s(-5), 0), 0);
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_8S_8U, {127, -128, 64, 63}, -6),
            (std::vector<Qvx8u>{1, 0, 1, 0}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_8S_16S, {-128, -1, 127, 64}, -7),
            (std::vector<Qvx16s>{-1, -1, 0, 0}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_8S_16S, {-128, -1, 127}, -8),
            (std::vector<Qvx16s>{0, 0, 0}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_8S_16U, {-1, 127, -128}, 9),
            (std::vector<Qvx16u>{0, 65024, 0}));
}

TEST(IntegerConvert, RightShiftsRoundTowardMinusInfinity) {
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_16S_32S, {3, 5, -3, -5, -1}, -1),
            (std::vector<Qvx32s>{1, 2, -2, -3, -1}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_16S_8S, {7, -7, -1, -32768, 32767}, -2),
            (std::vector<Qvx8s>{1, -2, -1, -128, 127}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_16S_8S, {-32768, 32767, -256, 255}, -8),
            (std::vector<Qvx8s>{-128, 127, -1, 0}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_16U_8U, {65535, 511, 510}, -7),
            (std::vector<Qvx8u>{255, 3, 3}));
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16U_8U, Qvx16u(65535), -8), 255);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16U_8U, Qvx16u(65535), -15), 1);
  EXPECT_EQ(convert1(qvx_Vector_TypeConvertShift_16U_8U, Qvx16u(65535), -16), 0);
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32S_16S, {INT32_MIN, INT32_MAX, -1}, -31),
            (std::vector<Qvx16s>{-1, 0, -1}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32S_16S, {INT32_MIN, INT32_MAX, -1}, -32),
            (std::vector<Qvx16s>{0, 0, 0}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32S_16S, {INT32_MIN, INT32_MAX, -65537}, -16),
            (std::vector<Qvx16s>{-32768, 32767, -2}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32S_16U, {INT32_MAX, -5, 131071}, -30),
            (std::vector<Qvx16u>{1, 0, 0}));
}

TEST(IntegerConvert, LeftShiftsSaturateWithoutWrapping) {
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_16S_32S, {-32768, 32767}, 16),
            (std::vector<Qvx32s>{INT32_MIN, 2147418112}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_16S_32S, {32767, -32768, -16384, 16384}, 17),
            (std::vector<Qvx32s>{INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_16S_32S, {-16383, 16383}, 17),
            (std::vector<Qvx32s>{-2147352576, 2147352576}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_8U_32S, {128, 127}, 24),
            (std::vector<Qvx32s>{INT32_MAX, 2130706432}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_8S_32S, {-128, 127, -64}, 24),
            (std::vector<Qvx32s>{INT32_MIN, 2130706432, -1073741824}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_16U_32S, {65535, 32768, 32767}, 16),
            (std::vector<Qvx32s>{INT32_MAX, INT32_MAX, 2147418112}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32S_8U, {31, 32, -1}, 3),
            (std::vector<Qvx8u>{248, 255, 0}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32S_8U, {1, -1, 0}, 40),
            (std::vector<Qvx8u>{255, 0, 0}));
  // Sources whose shift would wrap a 32-bit lane back into the range.
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32S_16S,
                    {65536, -65537, 1 << 30, INT32_MIN, 16383, -16384}, 1),
            (std::vector<Qvx16s>{32767, -32768, 32767, -32768, 32766, -32768}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32S_8S, {16777216, -16777217, 31, -32}, 2),
            (std::vector<Qvx8s>{127, -128, 124, -128}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32S_16U, {1 << 17, INT32_MIN + 1, 4095}, 4),
            (std::vector<Qvx16u>{65535, 0, 65520}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_16U_16S, {65535, 16383, 16384}, 1),
            (std::vector<Qvx16s>{32767, 32766, 32767}));
}

TEST(IntegerConvert, ExtremeScaleFactors) {
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32S_8S, {INT32_MIN, -1, 1, INT32_MAX}, INT_MIN),
            (std::vector<Qvx8s>{0, 0, 0, 0}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_32S_8S, {INT32_MIN, -1, 0, 1, INT32_MAX}, INT_MAX),
            (std::vector<Qvx8s>{-128, -128, 0, 127, 127}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_8S_32S, {-128, -1, 0, 1, 127}, INT_MAX),
            (std::vector<Qvx32s>{INT32_MIN, INT32_MIN, 0, INT32_MAX, INT32_MAX}));
  EXPECT_EQ(convert(qvx_Vector_TypeConvertShift_16S_16U, {-32768, -1, 0, 1}, INT_MAX),
            (std::vector<Qvx16u>{0, 0, 0, 65535}));
}

// ---- overlapping arrays --------------------------------------------------------------------

// Any overlap gives what the ascending element loop gives, each element read just before its
// own result is stored: simulated here on a copy of the bytes with the model.
template <class S, class D>
void check_overlap(Fn<S, D> fn, int L) {
  qvxt::Rng rng(5);
  const int len = 70;
  const size_t span = 2 * sizeof(Qvx32s) * len + 256;
  std::vector<uint8_t> buf(span), want(span);
  const size_t step = std::max(alignof(S), alignof(D));
  for (int sf : {0, -1, 3, L}) {
    for (long shift = -64; shift <= 64; shift += static_cast<long>(step)) {
      for (auto& b : buf) b = static_cast<uint8_t>(rng());
      want = buf;
      const size_t s_ofs = 128, d_ofs = static_cast<size_t>(128 + shift);
      for (int i = 0; i < len; ++i) {
        S x;
        memcpy(&x, want.data() + s_ofs + i * sizeof(S), sizeof x);
        const D y = model<D>(x, sf, L);
        memcpy(want.data() + d_ofs + i * sizeof(D), &y, sizeof y);
      }
      ASSERT_EQ(fn(reinterpret_cast<const S*>(buf.data() + s_ofs),
                   reinterpret_cast<D*>(buf.data() + d_ofs), len, sf),
                0);
      ASSERT_EQ(memcmp(buf.data(), want.data(), span), 0) << "sf " << sf << " dst - src " << shift;
    }
  }
}

TEST(IntegerConvert, OverlapGivesTheAscendingElementLoop) {
#define QVXT_RUN(S, D, TS, TD, L)                                    \
  {                                                                  \
    SCOPED_TRACE(#S "_" #D);                                         \
    check_overlap<TS, TD>(qvx_Vector_TypeConvertShift_##S##_##D, L); \
  }
  QVXT_PAIRS(QVXT_RUN)
#undef QVXT_RUN
}

template <class S, class D>
void check_large(Fn<S, D> fn, int L, int sf) {
  cvtt::check_large(
      fn, [L](S x, int s) { return model<D>(x, s, L); }, sf);
}

TEST(IntegerConvert, LargeVectorsAgreeWithModel) {
  check_large(qvx_Vector_TypeConvertShift_16S_8U, -15, -3);
  check_large(qvx_Vector_TypeConvertShift_8U_16S, -7, 7);
  check_large(qvx_Vector_TypeConvertShift_16U_8S, -15, 0);
  check_large(qvx_Vector_TypeConvertShift_8S_16U, -6, 9);
  check_large(qvx_Vector_TypeConvertShift_32S_16U, -30, -5);
  check_large(qvx_Vector_TypeConvertShift_8S_32S, -7, 30);
}

}  // namespace
