// Element-wise maximum and minimum: the first argument wins only by a strict ordered
// comparison (ties, signed zeros, NaNs and equal complex keys keep the second, bit for bit),
// unsigned comparison of 8U and 16U, complex keys in the element's precision, whole complex
// elements copied; every member and its in-place form against the rule with ties made
// frequent.
#include <gtest/gtest.h>

#include <algorithm>

#include "select_check.h"

namespace {

using namespace qvxt;
using namespace select_test;
using C32 = Qvx32fc;
using C64 = Qvx64fc;

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

// ---- every member against the rule ---------------------------------------------------------

// The key compared: the value, or re*re + im*im with each operation rounded in the part type.
template <class T>
auto key(T x) {
  if constexpr (parts<T>() == 2) {
    return x.re * x.re + x.im * x.im;
  } else {
    return x;
  }
}

// b: random, or a copy of a, or (complex) a with its parts exchanged or negated (the same
// key), or (real) a negated (a tie for zeros).
template <class T>
T partner(Rng& rng, T a) {
  const unsigned pick = rng() % 6;
  if constexpr (parts<T>() == 2) {
    if (pick == 1) return T{a.im, a.re};
    if (pick == 2) return T{-a.re, a.im};
  } else if constexpr (std::is_floating_point<T>::value) {
    if (pick == 1) return -a;
  } else {
    if (pick == 1) return static_cast<T>(-static_cast<int64_t>(a));  // modulo 2^width
  }
  return pick <= 2 ? a : random_value<T>(rng);
}

template <class T>
void every_sweep(const char* name, Fn<T> fn, FnI<T> fn_i, bool max) {
  const auto model = [max](T a, T b) {
    const bool wins = max ? key(a) > key(b) : key(a) < key(b);
    return wins ? a : b;
  };
  binary_sweep<T>(name, fn, model, partner<T>);
  binary_sweep<T>(
      std::string(name) + "_I",
      [fn_i](const T* a, const T* b, T* d, int n) {
        std::copy(b, b + n, d);
        return fn_i(a, d, n);
      },
      model, partner<T>);
}
#define SWEEP(N, T)                                                                           \
  every_sweep<T>("MaxEvery_" #N, qvx_Vector_MaxEvery_##N, qvx_Vector_MaxEvery_##N##_I, true), \
      every_sweep<T>("MinEvery_" #N, qvx_Vector_MinEvery_##N, qvx_Vector_MinEvery_##N##_I, false)

TEST(MaxMinEveryModel, EveryMember) {
  SWEEP(8U, Qvx8u);
  SWEEP(16U, Qvx16u);
  SWEEP(16S, Qvx16s);
  SWEEP(32S, Qvx32s);
  SWEEP(32F, Qvx32f);
  SWEEP(64F, Qvx64f);
  SWEEP(32FC, Qvx32fc);
  SWEEP(64FC, Qvx64fc);
}

}  // namespace
