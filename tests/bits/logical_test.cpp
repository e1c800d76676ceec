// Logical operations and byte swaps: every element against a bit-level model (only the low
// bits of a constant count; the bytes of each width reversed).
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <algorithm>
#include <type_traits>
#include <vector>

#include "support/data.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

// Every element against model(x, y), where y is a second vector or, for a constant, val
// converted to the element type (which keeps its low bits).  call(x, y, val, dst, len) runs
// the function.
template <class T, class Model, class Call>
void model_sweep(const char* name, bool vector_y, Model model, Call call) {
  model_rounds(name, 1, [&](int len, Rng& rng) {
    const int vals[] = {static_cast<int>(rng()), INT_MIN, INT_MAX, -1, 0x1F0, 0x12345};
    const int val = vals[len % 6];
    std::vector<T> x(len), y(len, static_cast<T>(val)), want(len), d(len);
    fill_random(x.data(), len, rng);
    if (vector_y) fill_random(y.data(), len, rng);
    for (int i = 0; i < len; ++i) want[i] = model(x[i], y[i]);
    if (call(x.data(), y.data(), val, d.data(), len) != 0) return ::testing::AssertionFailure() << "status";
    return same_elements(d.data(), want.data(), len) << " val " << val;
  });
}

// The logical operations on the bits as unsigned integers.
template <class T>
auto logic(char op) {
  return [op](T a, T b) {
    using U = std::make_unsigned_t<T>;
    const U x = static_cast<U>(a), y = static_cast<U>(b);
    return static_cast<T>(op == '&' ? x & y : op == '|' ? x | y : op == '^' ? x ^ y : ~x);
  };
}

template <class T>
void const_sweep(QvxStatus (*fn)(const T*, int, T*, int), char op, const char* name) {
  model_sweep<T>(name, false, logic<T>(op),
                 [&](const T* x, const T*, int v, T* d, int n) { return fn(x, v, d, n); });
}

// The element's bytes, in memory order, reversed.
template <class T>
void swap_sweep(QvxStatus (*fn)(const T*, T*, int), const char* name) {
  const auto reversed = [](T v, T) {
    uint8_t b[sizeof(T)];
    memcpy(b, &v, sizeof b);
    std::reverse(b, b + sizeof b);
    memcpy(&v, b, sizeof b);
    return v;
  };
  model_sweep<T>(name, false, reversed,
                 [&](const T* x, const T*, int, T* d, int n) { return fn(x, d, n); });
}

TEST(Logical, EveryElementMatchesTheBitModel) {
  using B = const Qvx8u*;
  const struct {
    QvxStatus (*fn)(B, B, Qvx8u*, int);
    char op;
    const char* name;
  } binary[] = {{qvx_Vector_And_8U, '&', "And_8U"}, {qvx_Vector_Or_8U, '|', "Or_8U"},
                {qvx_Vector_Xor_8U, '^', "Xor_8U"}};
  for (const auto& c : binary)
    model_sweep<Qvx8u>(c.name, true, logic<Qvx8u>(c.op),
                       [&](B x, B y, int, Qvx8u* d, int n) { return c.fn(x, y, d, n); });
  model_sweep<Qvx8u>("Not_8U", false, logic<Qvx8u>('~'),
                     [](B x, B, int, Qvx8u* d, int n) { return qvx_Vector_Not_8U(x, d, n); });
  const_sweep<Qvx8u>(qvx_Vector_AndC_8U, '&', "AndC_8U");
  const_sweep<Qvx8u>(qvx_Vector_OrC_8U, '|', "OrC_8U");
  const_sweep<Qvx8u>(qvx_Vector_XorC_8U, '^', "XorC_8U");
  const_sweep<Qvx16s>(qvx_Vector_AndC_16S, '&', "AndC_16S");
  const_sweep<Qvx16s>(qvx_Vector_OrC_16S, '|', "OrC_16S");
  const_sweep<Qvx16s>(qvx_Vector_XorC_16S, '^', "XorC_16S");
  const_sweep<Qvx32s>(qvx_Vector_AndC_32S, '&', "AndC_32S");
  const_sweep<Qvx32s>(qvx_Vector_OrC_32S, '|', "OrC_32S");
  const_sweep<Qvx32s>(qvx_Vector_XorC_32S, '^', "XorC_32S");
}

TEST(SwapByte, EveryElementIsItsBytesReversed) {
  swap_sweep<Qvx16s>(qvx_Vector_SwapByte_16S, "SwapByte_16S");
  swap_sweep<Qvx32s>(qvx_Vector_SwapByte_32S, "SwapByte_32S");
  swap_sweep<Qvx64s>(qvx_Vector_SwapByte_64S, "SwapByte_64S");
}

}  // namespace
