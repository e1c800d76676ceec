// Absolute values and differences, element-wise maxima and minima, every member against its
// rule with telling pairs made frequent.  Abs and AbsDiff against an exact model (64-bit
// integers, one rounded subtraction): the wrap of Abs at the most negative integer, the
// saturation of AbsDiff_16S, the modulo-2^32 magnitude of AbsDiff_32S, exact unsigned
// differences, sign-bit clearing for floats (NaN payloads kept).  MaxEvery and MinEvery and
// their in-place forms: the first argument wins only by a strict ordered comparison (ties,
// signed zeros, NaNs and equal complex keys keep the second, bit for bit), unsigned
// comparison of 8U and 16U, complex keys in the element's precision, whole complex elements
// copied.
#include <float.h>
#include <gtest/gtest.h>
#include <stdint.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/data.h"
#include "support/sweep.h"

static_assert(FLT_EVAL_METHOD == 0, "reference models need float and double evaluation");

namespace {

using namespace qvxt;
using C32 = Qvx32fc;
using C64 = Qvx64fc;

template <class T>
using Call = std::function<QvxStatus(const T*, const T*, T*, int)>;

// b: random, a copy of a, or (complex) a with its parts exchanged or negated (the same key),
// or (real) a negated (a tie for zeros) or a's neighbour.
template <class T>
T partner(Rng& rng, T a) {
  const unsigned pick = rng() % 6;
  if constexpr (parts<T>() == 2) {
    if (pick == 1) return T{a.im, a.re};
    if (pick == 2) return T{-a.re, a.im};
  } else if constexpr (std::is_floating_point<T>::value) {
    if (pick == 1) return -a;
    if (pick == 2) return a + T(1);
  } else {
    if (pick == 1) return static_cast<T>(-static_cast<int64_t>(a));  // modulo 2^width
    if (pick == 2) return static_cast<T>(static_cast<int64_t>(a) + 1);
  }
  return pick == 3 ? a : random_value<T>(rng);
}

// Every element of a two-source call against model(a[i], b[i]), bit for bit, on random data
// of every sweep length.  b[i] is drawn by partner(rng, a[i]), which makes ties and other
// telling pairs frequent.  call(a, b, d, len) returns d's contents in d.
template <class T, class Model>
void binary_sweep(const std::string& name, const Call<T>& call, Model model) {
  model_rounds(name, 4, [&](int len, Rng& rng) {
    std::vector<T> a(len), b(len), want(len), d(len);
    fill_random(a.data(), a.size(), rng);
    for (int i = 0; i < len; ++i) b[i] = partner<T>(rng, a[i]);
    for (int i = 0; i < len; ++i) want[i] = model(a[i], b[i]);
    if (call(a.data(), b.data(), d.data(), len) != 0) return ::testing::AssertionFailure() << "status";
    return same_elements(d.data(), want.data(), want.size());
  });
}

// ---- Abs and AbsDiff ---------------------------------------------------------------------

// The exact magnitude in 64 bits, stored modulo 2^width (which changes only the most
// negative value of Abs and magnitudes of 2^31 and more of AbsDiff_32S); for floats the sign
// bit cleared.
template <class T>
T magnitude(int64_t m) {
  return static_cast<T>(static_cast<std::make_unsigned_t<T>>(static_cast<uint64_t>(std::llabs(m))));
}
inline float magnitude(float x) { return f32_bits(bits_of(x) & 0x7FFFFFFFu); }
inline double magnitude(double x) { return f64_bits(bits_of(x) & 0x7FFFFFFFFFFFFFFFull); }
template <class T>
T abs_diff_model(T a, T b) {
  if constexpr (std::is_floating_point<T>::value) {
    return magnitude(static_cast<T>(a - b));
  } else {
    const int64_t m = std::llabs(static_cast<int64_t>(a) - static_cast<int64_t>(b));
    if (std::is_same<T, Qvx16s>::value) return static_cast<T>(m > 32767 ? 32767 : m);
    return magnitude<T>(m);
  }
}

template <class T>
void abs_sweep(const char* name, QvxStatus (*fn)(const T*, T*, int)) {
  // A unary call seen as a two-source one whose second source is ignored.
  binary_sweep<T>(
      name, [fn](const T* a, const T*, T* d, int n) { return fn(a, d, n); },
      [](T a, T) {
        if constexpr (std::is_floating_point<T>::value)
          return magnitude(a);
        else
          return magnitude<T>(a);
      });
}

TEST(AbsModel, EveryMember) {
  abs_sweep("Abs_16S", qvx_Vector_Abs_16S), abs_sweep("Abs_32S", qvx_Vector_Abs_32S);
  abs_sweep("Abs_32F", qvx_Vector_Abs_32F), abs_sweep("Abs_64F", qvx_Vector_Abs_64F);
#define DIFF(S, T) binary_sweep<T>("AbsDiff_" #S, qvx_Vector_AbsDiff_##S, abs_diff_model<T>)
  DIFF(8U, Qvx8u), DIFF(16U, Qvx16u), DIFF(16S, Qvx16s), DIFF(32S, Qvx32s);
  DIFF(32F, Qvx32f), DIFF(64F, Qvx64f);
}

// ---- MaxEvery and MinEvery ---------------------------------------------------------------

template <class T>
using Fn = QvxStatus (*)(const T*, const T*, T*, int);
template <class T>
using FnI = QvxStatus (*)(const T*, T*, int);

// The out-of-place member and its in-place form on a and b must give want.
template <class T>
void expect(const char* name, Fn<T> fn, FnI<T> fn_i, std::vector<T> a, std::vector<T> b,
            std::vector<T> want) {
  std::vector<T> d(a.size()), sd = b;
  EXPECT_EQ(fn(a.data(), b.data(), d.data(), static_cast<int>(d.size())), 0);
  EXPECT_TRUE(same_elements(d.data(), want.data(), want.size())) << name;
  EXPECT_EQ(fn_i(a.data(), sd.data(), static_cast<int>(sd.size())), 0);
  EXPECT_TRUE(same_elements(sd.data(), want.data(), want.size())) << name << "_I";
}
#define EXPECT_EVERY(N, ...) expect(#N, qvx_Vector_##N, qvx_Vector_##N##_I, __VA_ARGS__)

// Keys in the element's precision, which random data seldom tell apart: 1 + 2^-24 rounds
// to 1 in single precision (a tie), 1 + 2^-54 to 1 in double; the double key of the
// single-precision pair would differ.
TEST(MaxMinEvery, ComplexKeysInTheElementsPrecision) {
  EXPECT_EVERY(MaxEvery_32FC, {C32{1, 0x1p-12f}}, {C32{-1, 0}}, {C32{-1, 0}});
  EXPECT_EVERY(MinEvery_32FC, {C32{0, -1}}, {C32{0x1p-12f, 1}}, {C32{0x1p-12f, 1}});
  EXPECT_EVERY(MaxEvery_64FC, {C64{0x1p-27, 1}}, {C64{1, 0}}, {C64{1, 0}});
  EXPECT_EVERY(MaxEvery_64FC, {C64{0x1p-26, 1}}, {C64{1, 0}}, {C64{0x1p-26, 1}});
}

// The key compared: the value, or re*re + im*im with each operation rounded in the part type.
template <class T>
auto key(T x) {
  if constexpr (parts<T>() == 2) {
    return x.re * x.re + x.im * x.im;
  } else {
    return x;
  }
}

template <class T>
void every_sweep(const char* name, Fn<T> fn, FnI<T> fn_i, bool max) {
  const auto model = [max](T a, T b) {
    const bool wins = max ? key(a) > key(b) : key(a) < key(b);
    return wins ? a : b;
  };
  binary_sweep<T>(name, fn, model);
  binary_sweep<T>(
      std::string(name) + "_I",
      [fn_i](const T* a, const T* b, T* d, int n) {
        std::copy(b, b + n, d);
        return fn_i(a, d, n);
      },
      model);
}
#define SWEEP(N, T)                                                                           \
  every_sweep<T>("MaxEvery_" #N, qvx_Vector_MaxEvery_##N, qvx_Vector_MaxEvery_##N##_I, true), \
      every_sweep<T>("MinEvery_" #N, qvx_Vector_MinEvery_##N, qvx_Vector_MinEvery_##N##_I, false)

TEST(MaxMinEveryModel, EveryMember) {
  SWEEP(8U, Qvx8u), SWEEP(16U, Qvx16u), SWEEP(16S, Qvx16s), SWEEP(32S, Qvx32s);
  SWEEP(32F, Qvx32f), SWEEP(64F, Qvx64f), SWEEP(32FC, Qvx32fc), SWEEP(64FC, Qvx64fc);
}

}  // namespace
