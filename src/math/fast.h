// The fast path of the single-precision elementary functions: the C library's results,
// proven lane by lane, at vector speed.
//
// A 32F member rounds the C library's double result once to single precision.  Another
// evaluation of the function gives the same float wherever both it and the library's result
// lie strictly on the same side of every rounding boundary of the float format (the
// midpoints between adjacent floats).  The fast path evaluates the function in double lanes,
// rounds to float and keeps a lane only where the double result lies farther than a margin
// of 2^-36 (relative) from the nearest midpoint.  The margin exceeds the fast evaluation's
// error bound (each kernel documents its own, all below 2^-38) plus the library's (glibc's
// double sin, cos, tan, exp, log: at most 1 ulp, 2^-52 relative), so the library's result
// rounds to the same float there.  Every other lane takes the element rule, that is the
// library call:
//   - lanes outside the kernel's safe range (NaN, infinities, zeros, tiny arguments where
//     the library's result is exact or nearly so, huge arguments, arguments whose result
//     leaves the float range), whose library call may set errno or raise flags of its own;
//   - lanes whose double result lies within the margin of a midpoint, or outside the float
//     normal range [2^-126, 2^128) (subnormal results are the library's).
// Those calls run lane by lane in ascending order, blocks in ascending order: a subsequence
// of the element loop's calls, in its order, and a call left out is one that sets no errno,
// so errno ends as in the element loop.  The exception flags: within the safe range the
// library raises inexact and nothing else (tools/verify_math.cpp checks it on all inputs in
// blocks of 1024 neighbouring ones, and element by element on its stratified sample), and
// so does the fast arithmetic: unsafe lanes are replaced by a harmless safe argument before
// any arithmetic, a block without a safe lane does no fast arithmetic at all, and the range
// and boundary tests are integer operations on the bits.  Where a lane is kept, its float is
// the element loop's own conversion of the same double value.
//
// Only in the processor's default mode (simd::default_fp_mode, read once per call): under
// another rounding mode, flush-to-zero or denormals-are-zero the library and the fast path
// would round differently, and an unmasked exception would trap at another instruction.
#ifndef QVX_MATH_FAST_H
#define QVX_MATH_FAST_H

#include <stdint.h>
#include <string.h>

#include <type_traits>
#include <utility>

#include "core/loops.h"
#include "core/simd.h"

namespace qvx {
namespace math {
namespace fast {

using F = simd::Vec<float>;
using D = simd::Vec<double>;
using I = simd::Vec<int32_t>;
using U = simd::Vec<uint32_t>;
using L = simd::Vec<int64_t>;

constexpr int kW = kLanes<float>;  // elements per block: one register of floats
static_assert(kW == 2 * kLanes<double>, "a block is two registers of doubles");

// The kept lanes' distance from a rounding midpoint, relative to the result: more than
// 2^-36.  In units of the double result's own ulp that is kMarginUlps = 2^-36 * 2^53: a
// result in [2^e, 2^(e+1)) has ulp 2^(e-52), and the error bounds are relative to values
// below 2^(e+1).
constexpr int32_t kMarginUlps = 1 << 17;

// Constants as whole registers, built at compile time, and read through from_memory: the
// compiler must then take each from memory (an operand of the instruction that uses it),
// where with their values known it would rebuild each from a scalar every block.
template <class V, size_t N>
struct Table {
  V c[N];
};
namespace detail {
template <class V, size_t... L>
constexpr V splat(simd::lane_t<V> c, std::index_sequence<L...>) {
  return V{(static_cast<void>(L), c)...};
}
template <class V, size_t N, size_t... I>
constexpr Table<V, N> table(const simd::lane_t<V> (&c)[N], std::index_sequence<I...>) {
  return {{splat<V>(c[I], std::make_index_sequence<kLanes<simd::lane_t<V>>>())...}};
}
}  // namespace detail
template <class V, size_t N>
constexpr Table<V, N> table(const simd::lane_t<V> (&c)[N]) {
  return detail::table<V>(c, std::make_index_sequence<N>());
}
template <class V, size_t N>
inline const V* from_memory(const Table<V, N>& k) {
  const V* p = k.c;
  __asm__("" : "+r"(p));
  return p;
}
template <size_t N>
using Coefs = Table<D, N>;
template <size_t N>
constexpr Coefs<N> coefs(const double (&c)[N]) {
  return table<D>(c);
}

// The bits of a float, for range constants.
constexpr uint32_t bits_of(float f) { return __builtin_bit_cast(uint32_t, f); }

// Unsigned comparisons of 32-bit lanes as signed ones, which the processor has: a - b <u w
// exactly where (a - (b ^ 2^31)) <s (w ^ 2^31), both offsets of 2^31 built into the constants.
constexpr uint32_t biased(uint32_t x) { return x ^ 0x80000000u; }

// A range [lo, hi) of float bits as two registers: lo and hi - lo, biased.
constexpr Table<U, 2> range(uint32_t lo, uint32_t hi) {
  const uint32_t v[] = {biased(lo), biased(hi - lo)};
  return table<U>(v);
}
// All ones in the lanes whose bits lie in the range: an integer comparison, which raises no
// flag.
inline I in_range(U bits, const Table<U, 2>& range) {
  const U* r = from_memory(range);
  return (I)(bits - r[0]) < (I)r[1];
}
constexpr uint32_t kMagnitudeValues[] = {0x7FFFFFFFu};
constexpr Table<U, 1> kMagnitude = table<U>(kMagnitudeValues);
inline U magnitude_bits(F x) { return simd::as<uint32_t>(x) & *from_memory(kMagnitude); }
inline I negative(F x) { return simd::as<int32_t>(x) >> 31; }

// All ones in the lanes (of the block, in element order) whose double result, once rounded
// to float, provably gives the library's float: normal range and clear of every midpoint
// (clear of every midpoint only, for Normal results: those the kernel knows to lie in the
// float normal range, far from its ends).
// The low 29 bits t of a double's significand are what rounding to float drops; a midpoint
// has t = 2^28.  A lane is kept where t lies outside [2^28 - K, 2^28 + K] (K = kMarginUlps)
// and its exponent field (bits 20-30 of the high word, left in place) within the biased
// exponents 1023 - 126 to 1023 + 127: unsigned comparisons of t - (2^28 - K) with 2K and of
// the field minus 1023 - 126 with 254.  The two halves' 64-bit lanes are split into their
// low and high words, which puts them in element order in 32-bit lanes.
constexpr uint32_t kMidpointValues[] = {
    0x1FFFFFFFu, biased((1u << 28) - kMarginUlps), biased(2 * kMarginUlps),
    0x7FF00000u, biased((1023u - 126) << 20),      biased(254u << 20)};
constexpr Table<U, 6> kMidpoint = table<U>(kMidpointValues);
template <bool Normal>
inline I clear_of_midpoints(D lo, D hi) {
  const U* c = from_memory(kMidpoint);
  const U low = simd::as<uint32_t>(simd::evens(simd::as<int32_t>(lo), simd::as<int32_t>(hi)));
  const I clear = (I)((low & c[0]) - c[1]) > (I)c[2];
  if constexpr (Normal) return clear;
  const U high = simd::as<uint32_t>(simd::odds(simd::as<int32_t>(lo), simd::as<int32_t>(hi)));
  return clear & ((I)((high & c[3]) - c[4]) < (I)c[5]);
}

// All ones in the lanes whose double result lies farther than the margin from every float:
// for functions whose library result may be a float exactly (a power), which the library
// then returns without raising inexact, where the fast arithmetic would raise it.  The low
// 29 bits t of the significand lie outside [2^29 - K, 2^29) and [0, K].
constexpr uint32_t kFloatValues[] = {0x1FFFFFFFu, static_cast<uint32_t>(kMarginUlps),
                                     2 * static_cast<uint32_t>(kMarginUlps)};
constexpr Table<U, 3> kFloat = table<U>(kFloatValues);
inline I clear_of_floats(D lo, D hi) {
  const U* c = from_memory(kFloat);
  const U low = simd::as<uint32_t>(simd::evens(simd::as<int32_t>(lo), simd::as<int32_t>(hi)));
  return (I)(((low + c[1]) & c[0])) > (I)c[2];
}

// 16-bit results, stored truncated toward zero after saturation to [-32768, 32767].  All ones
// in the lanes (of the block, in element order) whose double result lies farther than 2^-20
// from every integer, or below 1/2 in magnitude (it truncates to 0 on both sides of 0), or
// at least 2^16 (it saturates): an error within the margin, 2^-36 relative, moves a double
// below 2^16 by less than 2^-20, across no integer.  Finite lanes only: the comparisons and
// the rounding raise nothing else then.
constexpr double kIntegerValues[] = {0x1p-20, 0.5, 0x1p16, 0x1.8p52, 32767.0, -32768.0};
constexpr auto kInteger = table<D>(kIntegerValues);
inline L absolute_distance_ok(D u, const D* c) {
  const D a = simd::as<double>(simd::as<int64_t>(u) & INT64_MAX);
  const D nearest = (a + c[3]) - c[3];
  const D off = a - nearest;
  return (off > c[0]) | (-off > c[0]) | (a < c[1]) | (a >= c[2]);
}
inline I clear_of_integers(D lo, D hi) {
  const D* c = from_memory(kInteger);
  const L a = absolute_distance_ok(lo, c), b = absolute_distance_ok(hi, c);
  return simd::evens(simd::as<int32_t>(a), simd::as<int32_t>(b));
}
inline I saturated_int16(D lo, D hi) {
  const D* c = from_memory(kInteger);
  return simd::trunc_i32(simd::vmax(simd::vmin(lo, c[4]), c[5]),
                         simd::vmax(simd::vmin(hi, c[4]), c[5]));
}

// The round-to-nearest integer of a double of magnitude below 2^51, and the same integer in
// the low bits of the 64-bit lane: adding 1.5 * 2^52 leaves the integer in the significand,
// and as that constant's significand ends in 51 zeros, the sum's low bits are the integer's
// (two's complement, modulo 2^51), which is all its users take.  The integer as a double is
// the sum minus the constant, or where one instruction rounds, its rounding of t, which the
// reduction after it need not wait for the sum to get (the same value, the sign of a zero
// aside, which the reductions never see: they subtract its products from a nonzero x).
// Raises inexact at most.
constexpr double kRoundMagic = 0x1.8p52;
inline D round_near(D t, L& low, D magic) {
  const D s = t + magic;
  low = simd::as<int64_t>(s);
  if constexpr (simd::kRoundInstruction) return simd::round_even(t);
  return s - magic;
}

// The polynomial c[0] + c[1] t + ... + c[N-1] t^(N-1) by Estrin's scheme: the lower half of
// the terms plus t^H times the upper half (H the largest power of two below N), recursively,
// with the powers t^(2^j) squared from t.  Its chain of dependent operations grows with log N
// where Horner's grows with N, and a block's evaluation is bound by that chain.  The
// polynomials here have terms falling off fast, so the evaluation rounds about as Horner's
// would: a few roundings of the leading term.
namespace detail {
constexpr size_t below_pow2(size_t n) { return n <= 2 ? 1 : 2 * below_pow2((n + 1) / 2); }
constexpr size_t log2(size_t n) { return n <= 1 ? 0 : 1 + log2(n / 2); }
template <size_t B, size_t M>
inline D estrin(const D* c, const D* t) {
  if constexpr (M == 1) {
    return c[B];
  } else {
    constexpr size_t H = below_pow2(M);
    return estrin<B, H>(c, t) + estrin<B + H, M - H>(c, t) * t[log2(H)];
  }
}
}  // namespace detail
template <size_t N>
inline D polynomial(D t, const Coefs<N>& k) {
  constexpr size_t kPowers = N <= 1 ? 1 : detail::log2(detail::below_pow2(N)) + 1;
  D powers[kPowers];
  powers[0] = t;
  for (size_t j = 1; j < kPowers; ++j) powers[j] = powers[j - 1] * powers[j - 1];
  return detail::estrin<0, N>(from_memory(k), powers);
}

// A kernel's source holds K::kParts parts of type K::Source per element: one float, an
// interleaved pair (x, y) of floats or of 16-bit integers, or (K::kSplit) one float from each
// of K::kParts arrays.  A block takes the pairs apart into a register of the xs and one of the
// ys, as floats (16-bit parts widen exactly).  These call a kernel's function with the parts
// of a block, or of one element, as its first arguments.
template <int P, class Fn, class... A>
inline auto with_parts(Fn fn, const F (&v)[P], A&&... a) {
  if constexpr (P == 1)
    return fn(v[0], a...);
  else
    return fn(v[0], v[1], a...);
}
template <int P, class S, class Fn, class R>
inline void with_element_parts(Fn fn, const S (&x)[P], R* r) {
  if constexpr (P == 1)
    fn(x[0], r);
  else
    fn(x[0], x[1], r);
}

// Where a kernel's parts and results lie.  Sources: kArrays arrays of kStep parts per
// element; a block's source is kRegs registers of 32-bit lanes, one after the other (the
// first array's, then the next), and so is the copy of it that the library's lanes read.
// Results: K::kOut arrays of one K::Result per element, or (K::kPairsOut) one array of
// interleaved (first, second) pairs.
template <class K>
struct Layout {
  using S = typename K::Source;
  static constexpr int P = K::kParts, N = K::kOut;
  static constexpr int kArrays = K::kSplit ? P : 1, kStep = K::kSplit ? 1 : P;
  static constexpr int kPerArray = static_cast<int>(sizeof(S) * kStep * kW / sizeof(F));
  static constexpr int kRegs = kArrays * kPerArray;
  static_assert(!K::kPairsOut || N == 2, "results as pairs come two per element");
  static_assert(!K::kSplit || kPerArray == 1, "split parts are floats, one register each");
  // Part p of element j of a block or array laid out as above.
  static const S* part(const S* const* src, size_t j, int p) {
    return K::kSplit ? src[p] + j : src[0] + kStep * j + p;
  }
  template <class R>
  static R* result(R* const* out, size_t j, int k) {
    return K::kPairsOut ? out[0] + 2 * j + k : out[k] + j;
  }
};

// The block's source registers as the parts' floats.
template <class K>
inline void take_apart(const I (&raw)[Layout<K>::kRegs], F (&v)[K::kParts]) {
  using S = typename K::Source;
  constexpr int P = K::kParts;
  if constexpr (std::is_same<S, int16_t>::value) {
    static_assert(P == 2 && !K::kSplit, "16-bit parts come in interleaved pairs");
    // Each 32-bit lane holds one pair: x in its low half, y in its high half.
    v[0] = simd::to_float((raw[0] << 16) >> 16);
    v[1] = simd::to_float(raw[0] >> 16);
  } else if constexpr (P == 1 || K::kSplit) {
    for (int p = 0; p < P; ++p) v[p] = simd::as<float>(raw[p]);
  } else {
    v[0] = simd::as<float>(simd::evens(raw[0], raw[1]));
    v[1] = simd::as<float>(simd::odds(raw[0], raw[1]));
  }
}

// The block of elements [i, i + n) through kernel K (n = kW for a whole block, else fewer):
// K::kOut results per element.  K gives
//   Source, kParts, kSplit  the source's parts per element, their type and arrays (above),
//   Result, kOut, kPairsOut the results' type (float, or int16_t in pairs), their number per
//                           element and their arrays (above),
//   kMayBeExact   whether a result may be exactly a float (then kept only clear of floats),
//   kNormalResults whether every result of a safe lane, checked ones included, lies in the
//                 float normal range [2^-126, 2^128), the kernel's double and the library's
//                 alike (a true result inside with a margin wider than the kernel's error,
//                 or both bounded by a float; then the rounding test leaves out its range
//                 check, and a checked 0 would pass it),
//   kLeavesRange  whether the results of safe lanes may leave the float range where the
//                 library's conversion raises no flag (then the rejected lanes convert 0;
//                 without it the safe range keeps each lane's conversion flags the
//                 library's: the exhaustive check confirms it for the unary members),
//   kChecked      the results eval gives, at least kOut: the first kOut are stored, and
//                 every one must pass the rounding test (an intermediate rounded to float
//                 within the element rule is checked this way; a checked 0, never a
//                 normal float, sends a lane to the library after its evaluation),
//   safe(x...)    all ones in the lanes of its safe range,
//   kHarmless     a float in the safe range, put in every part of the other lanes before
//                 any arithmetic,
//   eval(x..., y) the double results of both halves of a block of safe lanes, y[k][0..1],
//   elem(x..., r) the element rule (the library calls) from the parts as stored,
//                 r[0..kOut-1].
template <class K, bool Whole>
inline void block(const typename K::Source* const* src, typename K::Result* const* out, size_t i,
                  int n) {
  using S = typename K::Source;
  using Res = typename K::Result;
  using A = Layout<K>;
  constexpr int N = K::kOut, P = K::kParts, R = A::kRegs;
  constexpr int E = A::kStep * kW;  // S per array
  S xs[A::kArrays][E];
  [[maybe_unused]] Res ys[N][kW];  // the results of a partial block
  I raw[R];
  F v[P];
  I safe;
  // Four mask bits per lane, lane 0 lowest.
  uint64_t library;
  const S* from[A::kArrays];
  for (int a = 0; a < A::kArrays; ++a) {
    from[a] = src[a] + A::kStep * i;
    if constexpr (!Whole) {
      const size_t kept = sizeof(S) * static_cast<size_t>(A::kStep * n);
      memcpy(xs[a], from[a], kept);
      memset(reinterpret_cast<char*>(xs[a]) + kept, 0, sizeof xs[a] - kept);
      from[a] = xs[a];
    }
    for (int k = 0; k < A::kPerArray; ++k)
      raw[a * A::kPerArray + k] = simd::load(reinterpret_cast<const int32_t*>(from[a]) + k * kW);
  }
  take_apart<K>(raw, v);
  safe = with_parts<P>(K::safe, v);
  if constexpr (Whole) {
    library = simd::byte_signs(I{} == 0);
  } else {
    I lane;
    for (int k = 0; k < kW; ++k) lane[k] = k;
    safe &= lane < n;
    library = (uint64_t(1) << (4 * n)) - 1;
  }
  if (simd::byte_signs(safe) != 0) {
    D y[K::kChecked][2];
    F h[P];
    for (int p = 0; p < P; ++p) h[p] = simd::select(safe, v[p], simd::splat(K::kHarmless));
    with_parts<P>(K::eval, h, y);
    I keep = safe;
    if constexpr (std::is_same<Res, float>::value) {
      for (int k = 0; k < K::kChecked; ++k)
        keep &= clear_of_midpoints<K::kNormalResults>(y[k][0], y[k][1]);
      if constexpr (K::kMayBeExact)
        for (int k = 0; k < K::kChecked; ++k) keep &= clear_of_floats(y[k][0], y[k][1]);
      F r[N];
      if constexpr (K::kLeavesRange) {
        // The lanes left to the library convert 0 instead: their double may lie beyond the
        // float range or below its normal range, or across the overflow threshold from the
        // library's, and its conversion would raise overflow or underflow where the
        // library's does not (where the library's result is a float exactly, say).
        const D zero{}, kept[2] = {simd::to_double_lo(keep), simd::to_double_hi(keep)};
        for (int k = 0; k < N; ++k)
          r[k] = simd::to_float(simd::select(kept[0] != zero, y[k][0], zero),
                                simd::select(kept[1] != zero, y[k][1], zero));
      } else {
        for (int k = 0; k < N; ++k) r[k] = simd::to_float(y[k][0], y[k][1]);
      }
      if constexpr (!Whole) {
        for (int k = 0; k < N; ++k) simd::store(ys[k], r[k]);
      } else if constexpr (K::kPairsOut) {
        simd::store(out[0] + 2 * i, simd::zip_lo(r[0], r[1]));
        simd::store(out[0] + 2 * i + kW, simd::zip_hi(r[0], r[1]));
      } else {
        for (int k = 0; k < N; ++k) simd::store(out[k] + i, r[k]);
      }
    } else {
      static_assert(std::is_same<Res, int16_t>::value && K::kPairsOut && N == 2,
                    "16-bit results come in pairs");
      for (int k = 0; k < K::kChecked; ++k) keep &= clear_of_integers(y[k][0], y[k][1]);
      // One pair to a 32-bit lane, the first result in its low half.
      const I pairs = (saturated_int16(y[0][0], y[0][1]) & 0xFFFF) |
                      (saturated_int16(y[1][0], y[1][1]) << 16);
      if constexpr (Whole) {
        simd::store(reinterpret_cast<int32_t*>(out[0] + 2 * i), pairs);
      } else {
        for (int j = 0; j < kW; ++j) {
          ys[0][j] = static_cast<int16_t>(pairs[j] & 0xFFFF);
          ys[1][j] = static_cast<int16_t>(pairs[j] >> 16);
        }
      }
    }
    library &= ~simd::byte_signs(keep);
  }
  // The library's lanes, in ascending order, from the source block as loaded (in place the
  // stores above may have overwritten it).
  if (Whole && library != 0)
    for (int a = 0; a < A::kArrays; ++a)
      for (int k = 0; k < A::kPerArray; ++k)
        simd::store(reinterpret_cast<int32_t*>(xs[a]) + k * kW, raw[a * A::kPerArray + k]);
  const S* copy[A::kArrays];
  for (int a = 0; a < A::kArrays; ++a) copy[a] = xs[a];
  while (library != 0) {
    const int lane = __builtin_ctzll(library) / 4;
    library &= ~(uint64_t(0xF) << (4 * lane));
    S x[P];
    Res r[N];
    for (int p = 0; p < P; ++p) x[p] = *A::part(copy, size_t(lane), p);
    with_element_parts<P>([](auto... a) { K::elem(a...); }, x, r);
    for (int k = 0; k < N; ++k) {
      if constexpr (Whole)
        put(A::result(out, i + size_t(lane), k), r[k]);
      else
        ys[k][lane] = r[k];
    }
  }
  if constexpr (!Whole)
    for (int j = 0; j < n; ++j)
      for (int k = 0; k < N; ++k) put(A::result(out, i + size_t(j), k), ys[k][j]);
}

// The results of every element through K (src and out as Layout<K> says): blocks where the
// mode is the default and blocks reproduce the element loop's reading and writing order (see
// core/loops.h), else the element rule one element at a time.  Blocks are faster than the
// library's calls at every register width, two double lanes included.
template <class K>
inline void run(const typename K::Source* const* src, typename K::Result* const* out, int len) {
  using S = typename K::Source;
  using Res = typename K::Result;
  using A = Layout<K>;
  constexpr int N = K::kOut, P = K::kParts;
  if (len < 1) return;
  const size_t n = static_cast<size_t>(len);
  constexpr int kOuts = K::kPairsOut ? 1 : N;
  constexpr size_t kOutStride = sizeof(Res) * (K::kPairsOut ? 2 : 1);
  bool blocks = kSimd && simd::default_fp_mode();
  for (int k = 0; k < kOuts && blocks; ++k) {
    for (int a = 0; a < A::kArrays && blocks; ++a)
      blocks = blocks_exact({out[k], kOutStride}, {src[a], A::kStep * sizeof(S)}, len, kW);
    for (int j = 0; j < k && blocks; ++j)
      blocks = disjoint(out[k], kOutStride * n, out[j], kOutStride * n);
  }
  if (!blocks) {
    for (size_t i = 0; i < n; ++i) {
      S x[P];
      Res r[N];
      for (int p = 0; p < P; ++p) x[p] = get(A::part(src, i, p));
      with_element_parts<P>([](auto... a) { K::elem(a...); }, x, r);
      for (int k = 0; k < N; ++k) put(A::result(out, i, k), r[k]);
    }
    return;
  }
  size_t i = 0;
  for (; n - i >= size_t(kW); i += kW) block<K, true>(src, out, i, kW);
  if (i < n) block<K, false>(src, out, i, static_cast<int>(n - i));
}

}  // namespace fast
}  // namespace math
}  // namespace qvx

#endif
