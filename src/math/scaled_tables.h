// The private tables of the scaled exponential, logarithm and square root (ExpShift, LogShift,
// SqrtShift), each generated at compile time from its rule.  The rules are all in the last
// section of this file, one per table; the sections before it are the exact arithmetic they
// are computed with.
//
// rnd(v) below is v rounded to the nearest integer with halves upward.  Every table entry is
// decided exactly: the square roots and reciprocals in integer arithmetic, and the values of
// exp and ln from enclosing bounds (two dyadic numbers that the true value lies between),
// which must round to the same integer; an entry whose bounds do not decide its rounding
// stops the compilation (at rounding_undecided).  No entry comes from a floating-point exp
// or log, whose last-place errors could move an entry across a rounding boundary.  The one
// value that lies exactly on a half, exp(0) * 2^-1 = 0.5, is exact in this arithmetic and
// rounds upward to 1.
//
// The tables are constexpr objects of internal linkage: each source file that uses one gets
// its own read-only copy, and none of them is a symbol of the library.
#ifndef QVX_MATH_SCALED_TABLES_H
#define QVX_MATH_SCALED_TABLES_H

#include <stdint.h>

#include "qvx_vector.h"

namespace qvx {
namespace scaled {

// A table of N entries of T.
template <class T, int N>
struct Table {
  T v[N];
  constexpr const T& operator[](int i) const { return v[i]; }
  static constexpr int size() { return N; }
};

// ---- exact bounds ---------------------------------------------------------------------------

namespace exact {

__extension__ typedef unsigned __int128 U128;

// Reached only in compile-time evaluation when a pair of bounds straddles a rounding boundary:
// the call of a function that is not constexpr makes that evaluation (and the build) fail.
inline void rounding_undecided() {}

// A nonnegative dyadic number m * 2^e: m = 0, or m with its top bit set.
struct Dyadic {
  uint64_t m;
  int e;
};

constexpr int bit_length(U128 v) {
  const uint64_t hi = static_cast<uint64_t>(v >> 64), lo = static_cast<uint64_t>(v);
  return hi ? 128 - __builtin_clzll(hi) : lo ? 64 - __builtin_clzll(lo) : 0;
}

// p * 2^e with p cut to 64 significant bits, rounded down or up.
constexpr Dyadic round_to_64(U128 p, int e, bool up) {
  if (p == 0) return {0, 0};
  const int n = bit_length(p);
  if (n <= 64) return {static_cast<uint64_t>(p << (64 - n)), e - (64 - n)};
  const int r = n - 64;
  U128 q = p >> r;
  if (up && (q << r) != p) ++q;
  if (q >> 64) return {uint64_t{1} << 63, e + r + 1};  // 2^64 after the upward step
  return {static_cast<uint64_t>(q), e + r};
}

constexpr Dyadic mul(Dyadic a, Dyadic b, bool up) {
  return round_to_64(static_cast<U128>(a.m) * b.m, a.e + b.e, up);
}

// a / b for b > 0.
constexpr Dyadic div(Dyadic a, Dyadic b, bool up) {
  const U128 n = static_cast<U128>(a.m) << 64;
  U128 q = n / b.m;
  if (up && q * b.m != n) ++q;
  return round_to_64(q, a.e - 64 - b.e, up);
}

constexpr Dyadic add(Dyadic a, Dyadic b, bool up) {
  if (a.m == 0) return b;
  if (b.m == 0) return a;
  if (a.e < b.e) {
    const Dyadic t = a;
    a = b;
    b = t;
  }
  const int d = a.e - b.e;
  if (d <= 63) return round_to_64((static_cast<U128>(a.m) << d) + b.m, b.e, up);
  // b < 2^(b.e + 64) <= 2^a.e: one unit in the last place of a bounds it from above.
  return up ? round_to_64(static_cast<U128>(a.m) + 1, a.e, true) : a;
}

// The closed interval [lo, hi] of nonnegative reals.
struct Bounds {
  Dyadic lo, hi;
};

constexpr Bounds integer(uint64_t n) {
  const Dyadic d = round_to_64(n, 0, false);
  return {d, d};
}
constexpr Bounds operator+(Bounds a, Bounds b) { return {add(a.lo, b.lo, false), add(a.hi, b.hi, true)}; }
constexpr Bounds operator*(Bounds a, Bounds b) { return {mul(a.lo, b.lo, false), mul(a.hi, b.hi, true)}; }
constexpr Bounds operator/(Bounds a, Bounds b) { return {div(a.lo, b.hi, false), div(a.hi, b.lo, true)}; }
constexpr Bounds times_pow2(Bounds a, int s) {
  a.lo.e += s;
  a.hi.e += s;
  return a;
}

// floor(d), or cap when d >= cap (cap < 2^63).
constexpr uint64_t floor_capped(Dyadic d, uint64_t cap) {
  if (d.m == 0 || d.e <= -64) return 0;
  if (d.e >= 0) return cap;  // d >= 2^63
  const uint64_t f = d.m >> -d.e;
  return f < cap ? f : cap;
}

// floor(b) and rnd(b) (to nearest, halves upward), saturated to cap: the one integer every
// real of b gives.  rnd(v) = floor((floor(2v) + 1) / 2).
constexpr uint64_t floor_of(Bounds b, uint64_t cap) {
  const uint64_t lo = floor_capped(b.lo, cap), hi = floor_capped(b.hi, cap);
  if (lo != hi) rounding_undecided();
  return lo;
}
constexpr uint64_t rnd_of(Bounds b, uint64_t cap) {
  const uint64_t f = (floor_of(times_pow2(b, 1), 2 * cap) + 1) / 2;
  return f < cap ? f : cap;
}

// e = the sum of 1/k! for k = 0 .. 40; the terms left out sum to less than 2/41!, which is
// less than twice the last term, and that much is added to the upper bound.
constexpr Bounds euler() {
  Bounds term = integer(1), sum = integer(1);
  for (uint64_t k = 1; k <= 40; ++k) {
    term = term / integer(k);
    sum = sum + term;
  }
  sum.hi = add(sum.hi, mul(term.hi, integer(2).hi, true), true);
  return sum;
}

// ln(p / q) for 0 < q <= p <= 2q, as 2 atanh(z) with z = (p - q) / (p + q) <= 1/3: twice the
// sum of z^(2k+1) / (2k+1) for k = 0 .. 40.  The terms left out sum to less than
// z^83 / (1 - z^2) < 2 z^83, which is added to the upper bound.
constexpr Bounds ln_ratio(uint64_t p, uint64_t q) {
  const Bounds z = integer(p - q) / integer(p + q), z2 = z * z;
  Bounds power = z, sum = z;
  for (uint64_t k = 1; k <= 40; ++k) {
    power = power * z2;
    sum = sum + power / integer(2 * k + 1);
  }
  const Dyadic tail = mul(mul(power.hi, z2.hi, true), integer(2).hi, true);
  sum.hi = add(sum.hi, tail, true);
  return times_pow2(sum, 1);
}

constexpr Bounds ln2() { return ln_ratio(2, 1); }

// ln(i) for i >= 1: k ln 2 + ln(i / 2^k) with 2^k <= i < 2^(k+1).
constexpr Bounds ln(uint64_t i) {
  int k = 0;
  while ((i >> (k + 1)) != 0) ++k;
  return integer(static_cast<uint64_t>(k)) * ln2() + ln_ratio(i, uint64_t{1} << k);
}

// exp(x) for integer x with |x| <= 64: e multiplied |x| times, or its reciprocal.
constexpr Bounds exp_int(int x) {
  const Bounds e = euler();
  Bounds p = integer(1);
  for (int k = 0; k < (x < 0 ? -x : x); ++k) p = p * e;
  return x < 0 ? integer(1) / p : p;
}

// The largest r with (r - 1/2)^2 <= n, i.e. (2r - 1)^2 <= 4n: rnd(sqrt(n)) (sqrt(n) is never a
// half, so the rounding direction of halves does not arise).
constexpr uint64_t rnd_sqrt(uint64_t n) {
  uint64_t r = 0;
  while ((2 * r + 1) * (2 * r + 1) <= 4 * n) ++r;
  return r;
}

}  // namespace exact

// ---- the rules ------------------------------------------------------------------------------

// Exponential blocks: one block per scale factor s = -Smax .. Smax (block index s + Smax),
// N entries each; entry k holds rnd(exp(x) * 2^s) saturated to the largest value of T, for
// x = k when s <= 0 and x = k - W when s >= 1.  16S: Smax 16, N 25, W 12; 32S: 31, 45, 22.
template <class T, int Smax, int N, int W>
constexpr Table<Table<T, N>, 2 * Smax + 1> exp_blocks() {
  constexpr uint64_t top = (uint64_t{1} << (8 * sizeof(T) - 1)) - 1;
  exact::Bounds e[N] = {};  // exp(j) for j = 0 .. N - 1, and exp(-j) for j = 0 .. W
  exact::Bounds einv[W + 1] = {};
  for (int j = 0; j < N; ++j) e[j] = exact::exp_int(j);
  for (int j = 0; j <= W; ++j) einv[j] = exact::integer(1) / e[j];
  Table<Table<T, N>, 2 * Smax + 1> t = {};
  for (int s = -Smax; s <= Smax; ++s)
    for (int k = 0; k < N; ++k) {
      const int x = s <= 0 ? k : k - W;
      const exact::Bounds v = exact::times_pow2(x >= 0 ? e[x] : einv[-x], s);
      t.v[s + Smax].v[k] = static_cast<T>(exact::rnd_of(v, top));
    }
  return t;
}
constexpr auto qvx_Exp_Tab_16S = exp_blocks<Qvx16s, 16, 25, 12>();
constexpr auto qvx_Exp_Tab_32S = exp_blocks<Qvx32s, 31, 45, 22>();

// The bit length of i: 0 for 0, 1 for 1, 2 for 2 and 3, ..., 8 for 128 .. 255.
constexpr Table<uint8_t, 256> make_logb() {
  Table<uint8_t, 256> t = {};
  for (int i = 1; i < 256; ++i) t.v[i] = static_cast<uint8_t>(t.v[i / 2] + 1);
  return t;
}
constexpr auto qvx_logb_8U = make_logb();

// rnd(ln(i) * 2^27) for i = 1 .. 255; entry 0 is 0.
constexpr Table<uint32_t, 256> make_log_sh27() {
  Table<uint32_t, 256> t = {};
  for (uint64_t i = 1; i < 256; ++i)
    t.v[i] = static_cast<uint32_t>(exact::rnd_of(exact::times_pow2(exact::ln(i), 27), 0xFFFFFFFFu));
  return t;
}
constexpr auto qvx_log_sh27 = make_log_sh27();

// rnd(k * ln 2 * 2^27) for k = 0 .. 23.
constexpr Table<uint32_t, 24> make_mulLn2_sh27() {
  Table<uint32_t, 24> t = {};
  for (uint64_t k = 0; k < 24; ++k)
    t.v[k] = static_cast<uint32_t>(
        exact::rnd_of(exact::times_pow2(exact::integer(k) * exact::ln2(), 27), 0xFFFFFFFFu));
  return t;
}
constexpr auto qvx_mulLn2_sh27 = make_mulLn2_sh27();

// rnd(2^20 / i) for i = 1 .. 255 (floor((2^21 + i) / 2i); 2^20 / i is never a half); entry 0
// is 0.
constexpr Table<uint32_t, 256> make_Inv_sh20() {
  Table<uint32_t, 256> t = {};
  for (uint32_t i = 1; i < 256; ++i) t.v[i] = ((1u << 21) + i) / (2 * i);
  return t;
}
constexpr auto qvx_Inv_sh20 = make_Inv_sh20();

// ln of the integers 0 .. 7 (entries 0 and 1 are 0): 16S rnd(ln(i) * 2^14), 32S
// floor(ln(i) * 2^30).
constexpr Table<Qvx16s, 8> make_Log_Tab_16S_14() {
  Table<Qvx16s, 8> t = {};
  for (uint64_t i = 2; i < 8; ++i)
    t.v[i] = static_cast<Qvx16s>(exact::rnd_of(exact::times_pow2(exact::ln(i), 14), 32767));
  return t;
}
constexpr Table<Qvx32s, 8> make_Log_Tab_32S_30() {
  Table<Qvx32s, 8> t = {};
  for (uint64_t i = 2; i < 8; ++i)
    t.v[i] = static_cast<Qvx32s>(exact::floor_of(exact::times_pow2(exact::ln(i), 30), 0x7FFFFFFF));
  return t;
}
constexpr auto qvx_Log_Tab_16S_14 = make_Log_Tab_16S_14();
constexpr auto qvx_Log_Tab_32S_30 = make_Log_Tab_32S_30();

// Square roots for the table bands of SqrtShift_16S:
//   sqrtb0[i] = rnd(sqrt(i))       for i = 0 .. 31
//   sqrtb1[i] = rnd(sqrt(16 * i))  for i = 2 .. 255; entries 0 and 1 hold 4 and 5
//   sqrtb2[i] = rnd(16 * sqrt(i))  for i = 16 .. 159; entries 0 .. 15 are 0
constexpr Table<uint8_t, 32> make_sqrtb0() {
  Table<uint8_t, 32> t = {};
  for (uint64_t i = 0; i < 32; ++i) t.v[i] = static_cast<uint8_t>(exact::rnd_sqrt(i));
  return t;
}
constexpr Table<uint8_t, 256> make_sqrtb1() {
  Table<uint8_t, 256> t = {{4, 5}};
  for (uint64_t i = 2; i < 256; ++i) t.v[i] = static_cast<uint8_t>(exact::rnd_sqrt(16 * i));
  return t;
}
constexpr Table<uint8_t, 160> make_sqrtb2() {
  Table<uint8_t, 160> t = {};
  for (uint64_t i = 16; i < 160; ++i) t.v[i] = static_cast<uint8_t>(exact::rnd_sqrt(256 * i));
  return t;
}
constexpr auto sqrtb0 = make_sqrtb0();
constexpr auto sqrtb1 = make_sqrtb1();
constexpr auto sqrtb2 = make_sqrtb2();

}  // namespace scaled
}  // namespace qvx

#endif
