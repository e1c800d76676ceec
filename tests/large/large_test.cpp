// Huge arrays (make test-large; up to 5 GiB at a time): representative functions of every
// loop driver and shape at lengths whose byte size passes 2^31 and 2^32, so that an offset
// computed in 32 bits would show.  Each array ends 64 bytes before a guard page; data sit at
// both ends of the vector, the last elements must equal the same function's result on those
// elements alone, and the bytes after the destination must stay untouched.  (Complex vectors
// of 2^30 elements and more, whose scalar count 2*len wraps, touch nothing: the core test.)
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <vector>

#include "qvx/vector.hpp"

#include "support/data.h"
#include "support/guarded.h"

namespace {

using qvxt::Guarded;
using qvxt::Place;

constexpr size_t kTail = 4099;  // elements checked at the end of each vector

// An array of n elements of T ending kCanary bytes before the trailing guard page, with
// random elements in its first and last kTail elements (the middle holds canary bytes).
template <class T>
T* huge(Guarded& g, size_t n, qvxt::Rng& rng) {
  g.reset(n * sizeof(T), Guarded::kCanary, Place::End);
  T* p = g.as<T>();
  qvxt::fill_random(p, kTail, rng);
  qvxt::fill_random(p + n - kTail, kTail, rng);
  return p;
}

template <class T>
std::vector<T> tail_of(const T* p, size_t n) {
  return std::vector<T>(p + n - kTail, p + n);
}

// The last kTail elements of `out` are `want`, and the bytes after the destination are
// untouched.
template <class T>
void expect_tail(const char* name, Guarded& g, const T* out, size_t n, const std::vector<T>& want,
                 qvxt::Nan nan) {
  EXPECT_TRUE(qvxt::same_elements(out + n - kTail, want.data(), kTail, nan)) << name << " len " << n;
  EXPECT_TRUE(g.canaries_intact()) << name << ": the bytes after the destination changed";
}

// fn(src, dst, len) on the huge array x in place, against the same call on copies of its
// last kTail elements.
template <class T, class F>
void in_place(const char* name, Guarded& g, T* x, size_t n, F fn, qvxt::Nan nan) {
  std::vector<T> t = tail_of(x, n), want(kTail);
  ASSERT_EQ(fn(t.data(), want.data(), static_cast<int>(kTail)), 0);
  ASSERT_EQ(fn(x, x, static_cast<int>(n)), 0);
  expect_tail(name, g, x, n, want, nan);
}

TEST(Large, SetCopyAndUnary8UAtIntMax) {  // 2^31 - 1 bytes per array
  qvxt::Rng rng(1);
  const size_t n = INT_MAX;
  Guarded d;
  Qvx8u* dst = huge<Qvx8u>(d, n, rng);
  ASSERT_EQ(qvx_Vector_Set_8U(0x3C, dst, INT_MAX), 0);
  EXPECT_EQ(dst[0], 0x3C);
  expect_tail("Set_8U", d, dst, n, std::vector<Qvx8u>(kTail, 0x3C), qvxt::Nan::Payload);
  Guarded s;
  const Qvx8u* src = huge<Qvx8u>(s, n, rng);
  ASSERT_EQ(qvx_Vector_Copy_8U(src, dst, INT_MAX), 0);
  expect_tail("Copy_8U", d, dst, n, tail_of(src, n), qvxt::Nan::Payload);
  EXPECT_EQ(memcmp(dst, src, kTail), 0);
}

TEST(Large, ScaledAndUnary16SAtIntMax) {  // 2^32 - 2 bytes, in place
  qvxt::Rng rng(2);
  const size_t n = INT_MAX;
  Guarded g;
  Qvx16s* x = huge<Qvx16s>(g, n, rng);
  in_place("AddShift_16S", g, x, n, [](const Qvx16s* a, Qvx16s* d, int m) {
    return qvx_Vector_AddShift_16S(a, a, d, m, -1);
  }, qvxt::Nan::Payload);
  in_place("Abs_16S", g, x, n, qvx_Vector_Abs_16S, qvxt::Nan::Payload);
  // A reduction reads the very last element: the maximum sits there alone.
  x[n - 1] = 32767;
  for (size_t i = 0; i < kTail; ++i) x[i] = static_cast<Qvx16s>(x[i] & 0x3FFF), x[n - 2 - i] = 0;
  Qvx16s m = 0;
  ASSERT_EQ(qvx_Vector_Max_16S(x, INT_MAX, &m), 0);
  EXPECT_EQ(m, 32767);
}

TEST(Large, Binary32FBeyond4GiB) {  // 2^32 + 68 bytes, in place
  qvxt::Rng rng(3);
  const int len = (1 << 30) + 17;
  const size_t n = static_cast<size_t>(len);
  Guarded g;
  Qvx32f* x = huge<Qvx32f>(g, n, rng);
  in_place("Add_32F", g, x, n, [](const Qvx32f* a, Qvx32f* d, int m) {
    return qvx_Vector_Add_32F(a, a, d, m);
  }, qvxt::Nan::Any);
  // Sum over zeros but for the last element: exactly that element.
  memset(x, 0, n * sizeof(Qvx32f));
  x[n - 1] = 1.5f;
  Qvx64f s = 0;
  ASSERT_EQ(qvx_Vector_Sum_32F(x, len, &s), 0);
  EXPECT_EQ(s, 1.5);
}

TEST(Large, Math64FAndComplex64FCBeyond4GiB) {
  qvxt::Rng rng(4);
  {
    const size_t n = (size_t{1} << 29) + 9;  // 2^32 + 72 bytes
    Guarded g;
    in_place("Sqrt_64F", g, huge<Qvx64f>(g, n, rng), n, qvx_Vector_Sqrt_64F, qvxt::Nan::Any);
  }
  {
    const size_t n = (size_t{1} << 28) + 5;  // 2^32 + 80 bytes
    Guarded g;
    in_place("Mul_64FC", g, huge<Qvx64fc>(g, n, rng), n, [](const Qvx64fc* a, Qvx64fc* d, int m) {
      return qvx_Vector_Mul_64FC(a, a, d, m);
    }, qvxt::Nan::Any);
  }
}

TEST(Large, ConversionToWiderType) {  // 8U to 32F: 1 GiB in, 4 GiB + 4 bytes out
  qvxt::Rng rng(5);
  const int len = (1 << 30) + 1;
  const size_t n = static_cast<size_t>(len);
  Guarded s, d;
  const Qvx8u* src = huge<Qvx8u>(s, n, rng);
  Qvx32f* dst = huge<Qvx32f>(d, n, rng);
  std::vector<Qvx8u> t = tail_of(src, n);
  std::vector<Qvx32f> want(kTail);
  ASSERT_EQ(qvx_Vector_TypeConvertShift_8U_32F(t.data(), want.data(), kTail, 3), 0);
  ASSERT_EQ(qvx_Vector_TypeConvertShift_8U_32F(src, dst, len, 3), 0);
  expect_tail("TypeConvertShift_8U_32F", d, dst, n, want, qvxt::Nan::Payload);
}

TEST(Large, ComplexAsTwiceTheRealsJustBelow2To30) {  // 2^30 - 1 elements of 16SC, in place
  qvxt::Rng rng(6);
  const size_t n = (size_t{1} << 30) - 1;
  Guarded g;
  in_place("AddShift_16SC", g, huge<Qvx16sc>(g, n, rng), n, [](const Qvx16sc* a, Qvx16sc* d, int m) {
    return qvx_Vector_AddShift_16SC(a, a, d, m, 1);
  }, qvxt::Nan::Payload);
}

// The C++ interface beyond what one C call takes: the call is made in pieces, and the
// elements on both sides of every seam between pieces, at both ends, match the C function on
// those elements alone (or, for the reversal, the source read backwards).
// The windows of kTail elements checked: the centres, kTail / 2 from each end and at each
// seam (n leaves the last seam's window clear of the end's).
std::vector<size_t> seams(size_t n) {
  std::vector<size_t> v = {kTail / 2};
  for (size_t b = qvx::detail::kPiece; b < n; b += qvx::detail::kPiece) v.push_back(b);
  v.push_back(n - kTail + kTail / 2);
  return v;
}
constexpr size_t kBeyond = (size_t{1} << 31) + 3 * kTail;

TEST(Large, CxxPiecesGiveTheCResult) {  // 16S in place: 2^31 + 12297 elements, 4 GiB
  qvxt::Rng rng(7);
  const size_t n = kBeyond;
  Guarded g;
  Qvx16s* x = huge<Qvx16s>(g, n, rng);
  std::vector<std::vector<Qvx16s>> want;
  for (size_t b : seams(n)) {
    Qvx16s* w = x + b - kTail / 2;
    qvxt::fill_random(w, kTail, rng);
    want.emplace_back(kTail);
    ASSERT_EQ(qvx_Vector_AddShift_16S(w, w, want.back().data(), kTail, -1), 0);
  }
  const qvx::span<Qvx16s> all(x, n);
  qvx::add(all, all, all, -1);
  size_t k = 0;
  for (size_t b : seams(n))
    EXPECT_TRUE(qvxt::same_elements(x + b - kTail / 2, want[k++].data(), kTail, qvxt::Nan::Payload)) << "seam at " << b;
  EXPECT_TRUE(g.canaries_intact());
}

TEST(Large, CxxReversalInPieces) {  // 8U, 2^31 + 12297 elements out of place
  qvxt::Rng rng(8);
  const size_t n = kBeyond;
  Guarded s, d;
  Qvx8u* src = huge<Qvx8u>(s, n, rng);
  Qvx8u* dst = huge<Qvx8u>(d, n, rng);
  for (size_t b : seams(n)) qvxt::fill_random(src + (n - b) - kTail / 2, kTail, rng);
  qvx::flip(qvx::span<const Qvx8u>(src, n), qvx::span<Qvx8u>(dst, n));
  for (size_t b : seams(n))
    for (size_t i = b - kTail / 2; i < b - kTail / 2 + kTail; ++i)
      if (dst[i] != src[n - 1 - i]) {
        ADD_FAILURE() << "element " << i << " is not the source's element " << n - 1 - i;
        break;
      }
  EXPECT_TRUE(d.canaries_intact());
}

TEST(Large, CxxOverlappingMoveInPieces) {  // 8U, 2^31 + 12297 elements, 100 bytes forward
  qvxt::Rng rng(9);
  const size_t n = kBeyond, shift = 100;
  Guarded g;
  Qvx8u* src = huge<Qvx8u>(g, n + shift, rng);
  std::vector<std::vector<Qvx8u>> want;
  for (size_t b : seams(n)) {
    qvxt::fill_random(src + b - kTail / 2, kTail, rng);
    want.emplace_back(src + b - kTail / 2, src + b - kTail / 2 + kTail);
  }
  qvx::move(qvx::span<const Qvx8u>(src, n), qvx::span<Qvx8u>(src + shift, n));
  size_t k = 0;
  for (size_t b : seams(n))
    EXPECT_EQ(memcmp(src + shift + b - kTail / 2, want[k++].data(), kTail), 0) << "seam at " << b;
  EXPECT_TRUE(g.canaries_intact());
}

}  // namespace
