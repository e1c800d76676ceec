// The C++ interface's own rules: the ranges and element types it takes, results returned,
// size checks and their messages, statuses as exceptions, the plan of pieces for calls beyond
// what one C call takes, the allocator and the flavour the loader picked.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <string>

#include "qvx/vector.hpp"

namespace {

TEST(CxxRanges, EveryContiguousRangeAndItsComplexTypes) {
  const std::vector<float> a = {1, 2, 3, 4};
  std::array<float, 4> b = {10, 20, 30, 40};
  float c[4] = {};
  qvx::vector<float> d(4);
  qvx::add(a, b, c);
  qvx::mul(qvx::span<const float>(a.data(), 4), c, d);
  EXPECT_EQ(d[3], 4 * 44.0f);
  qvx::add_c(d, 1.0f, d);  // in place: the same range twice
  EXPECT_EQ(d[0], 12.0f);

  std::vector<std::complex<float>> x = {{1, 2}, {3, -4}}, y(2);
  const Qvx32fc raw[2] = {{1, 2}, {3, -4}};
  qvx::mul_c(x, std::complex<float>(0, 1), y);  // times i
  EXPECT_EQ(y[1], std::complex<float>(4, 3));
  qvx::mul_c(raw, Qvx32fc{0, 1}, y);  // the C type works too
  EXPECT_EQ(y[0], std::complex<float>(-2, 1));

  std::vector<qvx::cs16> s = {{100, -200}, {32767, 1}}, t(2);
  qvx::add_c(s, qvx::cs16{1, 1}, t, 0);
  EXPECT_EQ(t[1], (qvx::cs16{32767, 2}));  // saturated

  // Pairs: PolarToDescart writes complex elements, Split reads 2n scalars.
  const std::vector<float> mag = {2, 1}, phase = {0, 0};
  qvx::polar_to_descart(mag, phase, y);
  EXPECT_EQ(y[0], std::complex<float>(2, 0));
  const std::vector<Qvx16s> pairs = {1, 2, 3, 4};
  std::vector<Qvx16s> left(2), right(2);
  qvx::split(pairs, left, right);
  EXPECT_EQ(right[1], 4);
}

// The results of the reductions are the forms test's (through the C signatures); what it
// does not see is the element an index form returns beside its index.
TEST(CxxResults, IndexFormsReturnTheElementToo) {
  const std::vector<float> x = {3, -1, 7, 7, 0.5f};
  const auto [value, index] = qvx::max_index(x);  // the first largest element
  EXPECT_EQ(value, 7.0f);
  EXPECT_EQ(index, 2u);
  // An empty range: the C function's results for len 0, index 0 and a zero value.
  const auto e = qvx::max_index(std::vector<Qvx16s>{});
  EXPECT_EQ(e.index, 0u);
  EXPECT_EQ(e.value, 0);
}

TEST(CxxChecks, SizesThatDisagreeNameTheCallAndBothSizes) {
  std::vector<Qvx16s> a(5), b(5), d(4);
  try {
    qvx::add(a, b, d, 0);
    FAIL() << "no exception";
  } catch (const std::length_error& e) {
    EXPECT_STREQ(e.what(), "qvx::add: dst has 4 elements, src1 has 5");
  }
  EXPECT_EQ(d, std::vector<Qvx16s>(4));  // nothing written
  // The unchecked form takes the count of the first array and compares nothing.
  std::vector<float> x = {1, 2}, y(4, -1.0f);
  qvx::unchecked::abs(x, y);
  EXPECT_EQ(y, (std::vector<float>{1, 2, -1, -1}));
  // A look-up table must cover every value of the source type from its offset.
  std::vector<Qvx8u> src(3), dst(3), table(256);
  qvx::look_up(src, dst, table, 0);
  EXPECT_THROW(qvx::look_up(src, dst, table, 1), std::length_error);
  EXPECT_THROW(qvx::look_up(src, dst, std::vector<Qvx8u>(255), 0), std::length_error);
  // Set_Mask reads ceil(len / 32) words.
  std::vector<Qvx32u> mask(1, ~0u);
  std::vector<Qvx8u> m33(33);
  EXPECT_THROW(qvx::set_mask_lsb(mask, 1, m33), std::length_error);
  qvx::set_mask_lsb(mask, 1, dst);
  EXPECT_EQ(dst, std::vector<Qvx8u>(3, 1));
}

TEST(CxxChecks, AStatusBecomesAnError) {
  for (QvxStatus s : {QVX_STS_BAD_ARG, QVX_STS_NO_MEM, QVX_STS_DATA_EXC}) {
    try {
      qvx::detail::status("qvx::sum", s);
      FAIL() << "no exception for status " << s;
    } catch (const qvx::error& e) {
      EXPECT_EQ(e.status(), s);
      EXPECT_EQ(std::string(e.what()), std::string("qvx::sum: ") + qvx_GetStringStatus(s));
    }
  }
  EXPECT_NO_THROW(qvx::detail::status("qvx::sum", QVX_STS_NO_ERR));
}

// Counts beyond 2^31 - 1: reductions and the in-place reversal refuse them before reading
// anything (the arrays below are far shorter than their views say).
TEST(CxxLarge, CallsThatCannotBeSplitThrow) {
  float f[1] = {};
  const size_t big = size_t{1} << 31;
  EXPECT_THROW(qvx::sum(qvx::span<const float>(f, big)), std::length_error);
  EXPECT_THROW(qvx::min_max(qvx::span<const float>(f, big)), std::length_error);
  EXPECT_THROW(qvx::dot_prod(qvx::span<const float>(f, big), qvx::span<const float>(f, big)), std::length_error);
  EXPECT_THROW(qvx::flip(qvx::span<float>(f, big)), std::length_error);
  EXPECT_NO_THROW(qvx::sum(qvx::span<const float>(f, 1)));
}

// Element-wise calls beyond one C call's count: pieces that tile the range in order (in
// reverse order where asked), each a whole number of 32-element mask words, no larger than a
// complex function takes.
TEST(CxxLarge, PiecesTileTheRange) {
  for (size_t n : {qvx::detail::kOneCall + 1, size_t{3} << 31, (size_t{5} << 31) + 33}) {
    for (bool down : {false, true}) {
      std::vector<std::pair<size_t, int>> got;
      qvx::detail::pieces("t", n, [&](size_t o, int m) { return got.emplace_back(o, m), 0; }, down);
      if (down) std::reverse(got.begin(), got.end());
      size_t next = 0;
      for (const auto& [o, m] : got) {
        EXPECT_EQ(o, next);
        EXPECT_EQ(o % 32, 0u);
        EXPECT_GT(m, 0);
        EXPECT_LT(2 * static_cast<size_t>(m), size_t{1} << 31) << "a complex piece's 2 * len must fit an int";
        next = o + static_cast<size_t>(m);
      }
      EXPECT_EQ(next, n);
    }
  }
}

TEST(CxxMemory, AllocatorAlignsAndPassesIntSizes) {
  qvx::vector<Qvx16s> v(1001);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(v.data()) % 64, 0u);
  qvx::allocator<Qvx8u> a;
  const size_t big = (size_t{1} << 31) + 3;  // beyond qvx_Malloc's int: reserved, barely touched
  Qvx8u* p = a.allocate(big);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 64, 0u);
  p[0] = 1, p[big - 1] = 2;
  a.deallocate(p, big);
  EXPECT_EQ(qvx::malloc(big), nullptr);
  void* q = qvx::malloc(100);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(q) % 64, 0u);
  qvx::free(q);
}

// The test runs against the baseline and each flavour (QVX_FLAVOUR and LD_LIBRARY_PATH).
TEST(CxxMemory, LoadedFlavourIsTheOneUnderTest) {
  const std::string f = getenv("QVX_FLAVOUR") ? getenv("QVX_FLAVOUR") : "";
  const std::string want = f.find("x86-64-v") == 0 ? f : "baseline";
  EXPECT_EQ(qvx::loaded_flavour(), want);
}

}  // namespace
