// Every scaled primitive of the folder as data (its call, its type and a model of one
// element), and the rules as reference models, element by element on exact parts: exact
// products and sums in 64 or 128 bits, quotients as exact rationals where the rule promises
// the truncated quotient, and the stated double-precision operations, in their order, where
// the rule computes in double precision.
#ifndef QVX_TEST_FIXED_MODEL_H
#define QVX_TEST_FIXED_MODEL_H

#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "qvx_vector.h"

namespace fxt {

// R * 2^sf rounded toward minus infinity and clamped to [lo, hi]; 0 below L; the bound of
// R's sign from H.  sf is 64-bit so that callers can pass a moved scale factor (sf + k) as
// it is, beyond the int range.
inline int64_t scale_rule(__int128 r, int64_t sf, int H, int L, int64_t lo, int64_t hi) {
  if (sf < L) return 0;
  if (sf >= H) return r > 0 ? hi : r < 0 ? lo : 0;
  __int128 v;
  if (sf >= 0) {
    v = r * (static_cast<__int128>(1) << sf);
  } else {
    const __int128 d = static_cast<__int128>(1) << -sf;
    v = r / d;              // toward zero ...
    if (v * d > r) v -= 1;  // ... then down to the floor
  }
  return v < lo ? lo : v > hi ? hi : static_cast<int64_t>(v);
}

// One element as exact parts (a real element has im = 0).
struct E {
  int64_t re = 0, im = 0;
  bool operator==(const E& o) const { return re == o.re && im == o.im; }
};
inline void PrintTo(const E& e, std::ostream* os) { *os << "(" << e.re << ", " << e.im << ")"; }

// An element type: its parts, their bounds, its sign-fill threshold H and the zero-fill
// threshold of its Shift primitive.
struct Type {
  int nparts;
  int64_t lo, hi;
  int H, shift_L;
  int bytes;  // of one part
};
template <class T> Type type_of();
template <> inline Type type_of<Qvx8u>() { return {1, 0, 255, 8, -7, 1}; }
template <> inline Type type_of<Qvx16u>() { return {1, 0, 65535, 16, -15, 2}; }
template <> inline Type type_of<Qvx16s>() { return {1, -32768, 32767, 15, -15, 2}; }
template <> inline Type type_of<Qvx32s>() { return {1, INT32_MIN, INT32_MAX, 31, -31, 4}; }
template <> inline Type type_of<Qvx16sc>() { return {2, -32768, 32767, 15, -15, 2}; }

// The exact complex product (for real elements the plain product) and sum.
inline E cmul(E a, E b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
inline E cadd(E a, E b) { return {a.re + b.re, a.im + b.im}; }
inline bool is_zero(E a) { return a.re == 0 && a.im == 0; }
inline bool is_min_min(E a) { return a.re == -32768 && a.im == -32768; }

// The scale rule on each part.
inline E scaled(E r, int64_t sf, int H, int L, const Type& t) {
  return {scale_rule(r.re, sf, H, L, t.lo, t.hi),
          t.nparts == 2 ? scale_rule(r.im, sf, H, L, t.lo, t.hi) : 0};
}

// The exact rational n * 2^e, clamped and truncated toward zero.
inline int64_t trunc_scaled(int64_t n, int64_t e, const Type& t) {
  __int128 v;
  if (e >= 0) {
    v = static_cast<__int128>(n) * (static_cast<__int128>(1) << e);
  } else {
    v = static_cast<__int128>(n) / (static_cast<__int128>(1) << -e);  // C++: toward zero
  }
  return v < t.lo ? t.lo : v > t.hi ? t.hi : static_cast<int64_t>(v);
}
// A double value clamped to the bounds, then truncated toward zero.
inline int64_t clamp_trunc(double q, const Type& t) {
  if (q > static_cast<double>(t.hi)) return t.hi;
  if (q < static_cast<double>(t.lo)) return t.lo;
  return static_cast<int64_t>(std::trunc(q));
}

// Shift, AddShift, SubShift and their constant forms: the rule on x, x + y, x - y or y - x,
// part by part (a constant's real part meets every real part, its imaginary part every
// imaginary part).
enum Op { Id, Add, Sub, SubRev };
inline E addsub_model(const Type& t, int L, Op op, E x, E y, int64_t sf) {
  const auto r = [op](int64_t a, int64_t b) {
    return op == Id ? a : op == Add ? a + b : op == Sub ? a - b : b - a;
  };
  return scaled({r(x.re, y.re), r(x.im, y.im)}, sf, t.H, L, t);
}

// MulShift: the rule on the exact product.
inline E mul_model(const Type& t, int L, E x, E y, int64_t sf) {
  return scaled(cmul(x, y), sf, t.H, L, t);
}

// MulCShift: 0 below L and for a zero constant; a positive power of two 2^k is Shift at
// sf + k (Shift's own thresholds); the complex constant (-32768, -32768) up to sf 14 is
// -32768 * ((x.re - x.im) + i(x.re + x.im)) * 2^sf truncated toward zero; else MulShift.
inline E mulc_model(const Type& t, int L, E x, E y, int64_t sf) {
  if (sf < L || is_zero(y)) return {};
  if (t.nparts == 1 && y.re > 0 && (y.re & (y.re - 1)) == 0) {
    int k = 0;
    while ((int64_t(1) << k) != y.re) ++k;
    return scaled(x, sf + k, t.H, t.shift_L, t);
  }
  if (t.nparts == 2 && is_min_min(y) && sf <= 14)
    return {trunc_scaled(x.im - x.re, sf + 15, t), trunc_scaled(-(x.re + x.im), sf + 15, t)};
  return mul_model(t, L, x, y, sf);
}

// The multiply-accumulate members: the rule on the exact x * y + z, except
//  - at sf in [drop_lo, drop_hi] the product alone, by the MulShift model (MulCShift where
//    the multiplier is a constant);
//  - with `min_min_drop` and the multiplier (-32768, -32768), at -30 .. -17, the product
//    alone by the rule;
//  - with `in_double`, at -31 .. 30 except 0: ((double)x * (double)y + (double)z) * 2^sf,
//    each operation rounded to double, clamped and truncated toward zero.
struct MulAddRow {
  int L;
  int drop_lo, drop_hi;
  bool const_mul, min_min_drop, in_double;
};
inline E muladd_model(const Type& t, const MulAddRow& m, E x, E y, E z, int64_t sf) {
  if (sf < m.L) return {};
  if (sf >= m.drop_lo && sf <= m.drop_hi)
    return m.const_mul ? mulc_model(t, m.L, x, y, sf) : mul_model(t, m.L, x, y, sf);
  if (m.min_min_drop && is_min_min(y) && sf >= -30 && sf <= -17)
    return scaled(cmul(x, y), sf, t.H, m.L, t);
  if (m.in_double && sf >= -31 && sf <= 30 && sf != 0) {
    const double p = static_cast<double>(x.re) * static_cast<double>(y.re);
    return {clamp_trunc((p + static_cast<double>(z.re)) * std::ldexp(1.0, static_cast<int>(sf)), t), 0};
  }
  return scaled(cadd(cmul(x, y), z), sf, t.H, m.L, t);
}

// The saturated value of the sign of n / d (a zero divisor counting as positive).
inline int64_t sign_fill(int64_t n, int64_t d, const Type& t) {
  if (n == 0) return 0;
  return (n > 0) == (d >= 0) ? t.hi : t.lo;
}

// The 8-bit table quotient: P = n * floor(2^23 / d) (-n for d = 0), q = floor(P / 2^(23-sf)),
// 255 above 255 for sf >= 1, else q modulo 256.
inline int64_t table_q(int64_t n, int64_t d, int64_t sf) {
  const int64_t entry = d == 0 ? -1 : (int64_t(1) << 23) / d;
  const int64_t p = n * entry, den = int64_t(1) << (23 - sf);
  int64_t q = p / den;
  if (q * den > p) q -= 1;
  if (sf >= 1 && q > 255) return 255;
  return ((q % 256) + 256) % 256;
}

// The real DivShift members and DivCRevShift without its zero constant: sign fill from H;
// at [at, H - 1] the table (8U) or the double-precision quotient; at [idiv, at - 1] the
// integer division; below, the sign fill for a zero divisor and 0 otherwise.  For 8- and
// 16-bit operands the double-precision quotient (n * 2^sf) / (d + 1e-16) is the exact
// quotient truncated toward zero (a zero divisor saturates, 0 / 0 is 0), which the model
// uses; for 32S it evaluates those double operations.
struct DivRow {
  int H, at, idiv;
  bool table;
};
inline int64_t div_model(const Type& t, const DivRow& r, int64_t n, int64_t d, int64_t sf) {
  if (sf >= r.H) return sign_fill(n, d, t);
  if (sf >= r.at) {
    if (r.table) return table_q(n, d, sf);
    if (t.hi == INT32_MAX) {
      const double scaled_n = static_cast<double>(n) * std::ldexp(1.0, static_cast<int>(sf));
      return clamp_trunc(scaled_n / (static_cast<double>(d) + 1e-16), t);
    }
    if (d == 0) return sign_fill(n, d, t);
    const __int128 num = static_cast<__int128>(n) * (static_cast<__int128>(1) << (sf > 0 ? sf : 0));
    const __int128 den = static_cast<__int128>(d) * (static_cast<__int128>(1) << (sf < 0 ? -sf : 0));
    const __int128 q = num / den;  // toward zero
    return q < t.lo ? t.lo : q > t.hi ? t.hi : static_cast<int64_t>(q);
  }
  if (sf >= r.idiv) {
    if (d == 0) return sign_fill(n, d, t);
    return scale_rule(n / d, sf, 64, -64, t.lo, t.hi);  // a floor shift of the truncated quotient
  }
  return d == 0 ? sign_fill(n, d, t) : 0;
}

// DivCShift of a real type: sign fill from H and for val 0; Shift at sf - k for val = 2^k;
// otherwise the reciprocal r of |val|, its normalising shift p (the smallest p >= p0 with
// (r >> p) <= m_max) and s' = sf + p - e; MulCShift (by its model) with the rounded
// reciprocal where s' < s_min or (pow2 rows) r is a power of two; else the per-element
// product of the type.
struct DivCRow {
  int H, e, p0;
  int64_t m_max;
  int s_min;
  bool pow2;
  int mul_L;  // the zero-fill threshold of the MulCShift called
};
inline int64_t divc_model(const Type& t, const DivCRow& c, int64_t x, int64_t v, int64_t sf) {
  if (sf >= c.H || v == 0) return sign_fill(x, v, t);
  if (v > 0 && (v & (v - 1)) == 0) {
    int k = 0;
    while ((int64_t(1) << k) != v) ++k;
    return scale_rule(x, sf - k, t.H, t.shift_L, t.lo, t.hi);
  }
  const int64_t a = v < 0 ? -v : v;
  uint64_t r;
  if (c.e == 63) {
    r = static_cast<uint64_t>(std::ldexp(1.0, 63) / static_cast<double>(a));
  } else {
    r = (uint64_t(1) << c.e) / static_cast<uint64_t>(a);  // the table entry for 8U
  }
  int p = c.p0;
  while ((r >> p) > static_cast<uint64_t>(c.m_max)) ++p;
  const int64_t s1 = sf + p - c.e;
  auto rounded = [r](int q) { return static_cast<int64_t>((r + (uint64_t(1) << (q - 1))) >> q); };
  if (s1 < c.s_min || (c.pow2 && (r & (r - 1)) == 0)) {
    if (t.hi == 255) return mulc_model(t, c.mul_L, {x, 0}, {rounded(p + 7) & 255, 0}, s1 + 7).re;
    if (t.hi == 65535) return mulc_model(t, c.mul_L, {x, 0}, {rounded(p) & 65535, 0}, s1).re;
    return mulc_model(t, c.mul_L, {x, 0}, {v < 0 ? -rounded(p) : rounded(p), 0}, s1).re;
  }
  if (t.hi == 255) return std::min<int64_t>((x * rounded(p)) >> -s1, 255);
  if (t.hi == 65535) {
    const int64_t cc = (static_cast<int64_t>((uint64_t(1) << 33) / static_cast<uint64_t>(a)) + 1) >> 1;
    return std::min<int64_t>((x * cc) >> (32 - sf), 65535);
  }
  if (t.hi == 32767) {
    const int64_t cc = (int64_t(1) << 32) / v;
    return scale_rule(x * cc, -(32 - sf), 64, -64, t.lo, t.hi);
  }
  const double cc = std::ldexp(1.0, static_cast<int>(sf)) / static_cast<double>(v);
  return clamp_trunc(static_cast<double>(x) * cc, t);
}

// Complex division of a by b: the sign of each exact numerator from 46; 0 below -31; else
// f = 2^sf / (|b|^2 (+ 1e-16 with `guard`)) and each numerator times f, clamped and
// truncated toward zero.
inline E cdiv_model(E a, E b, int64_t sf, bool guard) {
  const Type t = type_of<Qvx16sc>();
  const int64_t nre = a.re * b.re + a.im * b.im, nim = a.im * b.re - a.re * b.im;
  if (sf >= 46) return {sign_fill(nre, 1, t), sign_fill(nim, 1, t)};
  if (sf < -31) return {};
  double den = static_cast<double>(b.re * b.re + b.im * b.im);
  if (guard) den = den + 1e-16;
  const double f = std::ldexp(1.0, static_cast<int>(sf)) / den;
  return {clamp_trunc(static_cast<double>(nre) * f, t), clamp_trunc(static_cast<double>(nim) * f, t)};
}

// ---- the members as data --------------------------------------------------------------------

using Elems = std::vector<E>;
using Model = std::function<E(const Type& t, E x, E y, E z, int64_t sf)>;

struct Fn {
  std::string name;
  Type t;
  int nsrc;              // operands before the destination: x, then y, then z
  bool y_array, z_array;  // otherwise a constant (passed by value)
  int L;                 // below L the destination is set to 0 by the fill (INT_MIN: none)
  Model model;
  // A call: the operands point at arrays, or at the constant for constant operands.
  std::function<QvxStatus(const void* x, const void* y, const void* z, void* d, int len, int sf)> call;
  E want(E x, E y, E z, int64_t sf) const { return model(t, x, y, z, sf); }
};

template <class A>
A operand(const void* p) {
  if constexpr (std::is_pointer<A>::value) return static_cast<A>(p);
  else return *static_cast<const A*>(p);
}
template <class... A, size_t... I>
QvxStatus invoke(QvxStatus (*f)(A...), std::index_sequence<I...>, std::array<const void*, 3> ops,
                 void* d, int len, int sf) {
  using Args = std::tuple<A...>;
  using D = std::tuple_element_t<sizeof...(I), Args>;
  return f(operand<std::tuple_element_t<I, Args>>(ops[I])..., static_cast<D>(d), len, sf);
}

template <class... A>
Fn make_fn(const char* name, QvxStatus (*f)(A...), int L, Model model) {
  using Args = std::tuple<A...>;
  constexpr size_t n = sizeof...(A) - 3;
  using T = std::remove_pointer_t<std::tuple_element_t<n, Args>>;
  Fn r{name, type_of<T>(), static_cast<int>(n),
       n > 1 && std::is_pointer<std::tuple_element_t<1, Args>>::value,
       n > 2 && std::is_pointer<std::tuple_element_t<2, Args>>::value, L, std::move(model), nullptr};
  r.call = [f](const void* x, const void* y, const void* z, void* d, int len, int sf) {
    return invoke(f, std::make_index_sequence<n>(), {x, y, z}, d, len, sf);
  };
  return r;
}

// Part k of a buffer of parts of type t.
inline void put(const Type& t, int64_t v, void* p, size_t k) {
  if (t.bytes == 1) static_cast<uint8_t*>(p)[k] = static_cast<uint8_t>(v);
  else if (t.bytes == 2) static_cast<uint16_t*>(p)[k] = static_cast<uint16_t>(v);
  else static_cast<uint32_t*>(p)[k] = static_cast<uint32_t>(v);
}
inline int64_t get(const Type& t, const void* p, size_t k) {
  if (t.bytes == 1) return static_cast<const uint8_t*>(p)[k];
  if (t.bytes == 4) return static_cast<const int32_t*>(p)[k];
  if (t.lo < 0) return static_cast<const int16_t*>(p)[k];
  return static_cast<const uint16_t*>(p)[k];
}
inline std::vector<uint8_t> pack(const Type& t, const Elems& v) {
  std::vector<uint8_t> b(v.size() * t.nparts * t.bytes + 8);
  for (size_t i = 0; i < v.size(); ++i) {
    put(t, v[i].re, b.data(), i * t.nparts);
    if (t.nparts == 2) put(t, v[i].im, b.data(), i * 2 + 1);
  }
  return b;
}

// One call on x.size() elements; y and z hold as many elements, or one (a constant), or none.
inline Elems run(const Fn& f, const Elems& x, const Elems& y, const Elems& z, int sf) {
  const std::vector<uint8_t> bx = pack(f.t, x), by = pack(f.t, y), bz = pack(f.t, z);
  std::vector<uint8_t> d(bx.size(), 0x5A);
  EXPECT_EQ(f.call(bx.data(), by.data(), bz.data(), d.data(), static_cast<int>(x.size()), sf), 0);
  Elems out(x.size());
  for (size_t i = 0; i < x.size(); ++i)
    out[i] = {get(f.t, d.data(), i * f.t.nparts), f.t.nparts == 2 ? get(f.t, d.data(), 2 * i + 1) : 0};
  return out;
}

// Every member with its model; the rows hold the tables of thresholds, addend-dropped
// ranges, division bands and reciprocal constants.
inline const std::vector<Fn>& members() {
  static const std::vector<Fn> all = [] {
    std::vector<Fn> v;
#define QVXT_FN(N, S, L, ...) \
  v.push_back(make_fn(#N "_" #S, qvx_Vector_##N##_##S, L, [](const Type& t, E x, E y, E z, int64_t sf) { \
    (void)t, (void)x, (void)y, (void)z, (void)sf; return __VA_ARGS__; }));
    // Shift, Add and Sub: the zero-fill threshold L per type (16SC shares 16S's).
#define QVXT_ADDSUB(N, OP, L8, L16U, L16S, L32S)                 \
  QVXT_FN(N, 8U, L8, addsub_model(t, L8, OP, x, y, sf))         \
  QVXT_FN(N, 16U, L16U, addsub_model(t, L16U, OP, x, y, sf))    \
  QVXT_FN(N, 16S, L16S, addsub_model(t, L16S, OP, x, y, sf))    \
  QVXT_FN(N, 32S, L32S, addsub_model(t, L32S, OP, x, y, sf))    \
  QVXT_FN(N, 16SC, L16S, addsub_model(t, L16S, OP, x, y, sf))
    QVXT_ADDSUB(Shift, Id, -7, -15, -15, -31)
    QVXT_ADDSUB(AddShift, Add, -8, -16, -16, -32)
    QVXT_ADDSUB(SubShift, Sub, -7, -15, -16, -32)
    QVXT_ADDSUB(AddCShift, Add, -8, -16, -16, -32)
    QVXT_ADDSUB(SubCShift, Sub, -7, -15, -16, -32)
    QVXT_ADDSUB(SubCRevShift, SubRev, -7, -15, -16, -32)
#undef QVXT_ADDSUB
    // MulShift and MulCShift: L per type.
#define QVXT_MUL(S, L)                             \
  QVXT_FN(MulShift, S, L, mul_model(t, L, x, y, sf)) \
  QVXT_FN(MulCShift, S, L, mulc_model(t, L, x, y, sf))
    QVXT_MUL(8U, -15) QVXT_MUL(16U, -31) QVXT_MUL(16S, -30) QVXT_MUL(32S, -62) QVXT_MUL(16SC, -30)
#undef QVXT_MUL
    // Multiply-accumulate: {L, addend dropped from, to, by MulCShift, (-32768, -32768)
    // multiplier drops at -30..-17, double band}.
#define QVXT_MULADD(N, S, L, ...) QVXT_FN(N, S, L, muladd_model(t, MulAddRow{L, __VA_ARGS__}, x, y, z, sf))
    QVXT_MULADD(MulAddShift, 8U, -15, -15, -10, false, false, false)
    QVXT_MULADD(MulAddShift, 16U, -31, -31, -17, false, false, false)
    QVXT_MULADD(MulAddShift, 16S, -30, 1, 0, false, false, false)
    QVXT_MULADD(MulAddShift, 32S, -62, -62, -41, false, false, true)
    QVXT_MULADD(MulAddShift, 16SC, -30, 1, 0, false, false, false)
    QVXT_MULADD(MulCAddShift, 8U, -15, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddShift, 16U, -31, -31, -17, true, false, false)
    QVXT_MULADD(MulCAddShift, 16S, -30, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddShift, 32S, -62, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddShift, 16SC, -30, 1, 0, true, true, false)
    QVXT_MULADD(MulCAddCShift, 8U, -15, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddCShift, 16U, -31, -31, -17, true, false, false)
    QVXT_MULADD(MulCAddCShift, 16S, -30, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddCShift, 32S, -62, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddCShift, 16SC, -30, 1, 0, true, true, false)
#undef QVXT_MULADD
    // Division: {H, computing band from, integer division from, by the table} for DivShift
    // and DivCRevShift (whose zero constant gives 0); {H, e, p0, m_max, s_min, r = 2^j
    // delegates, MulCShift's L} for DivCShift.
#define QVXT_DIV(S, ROW, REV, CROW)                                               \
  QVXT_FN(DivShift, S, INT_MIN, E{div_model(t, DivRow ROW, x.re, y.re, sf), 0})   \
  QVXT_FN(DivCShift, S, INT_MIN, E{divc_model(t, DivCRow CROW, x.re, y.re, sf), 0}) \
  QVXT_FN(DivCRevShift, S, INT_MIN, y.re == 0 ? E{} : E{div_model(t, DivRow REV, y.re, x.re, sf), 0})
    //       type  DivShift                DivCRevShift             DivCShift
    QVXT_DIV(8U,   ({16, -7, -7, true}),   ({16, -7, -7, true}),    ({16, 23, 1, 32767, -15, false, -15}))
    QVXT_DIV(16U,  ({32, 0, -15, false}),  ({32, -15, -15, false}), ({32, 31, 1, 65535, -15, false, -31}))
    QVXT_DIV(16S,  ({30, 0, -15, false}),  ({30, -15, -15, false}), ({30, 31, 2, 32767, -15, true, -30}))
    QVXT_DIV(32S,  ({62, -31, -31, false}), ({62, -31, -31, false}), ({62, 63, 2, INT32_MAX, -31, true, -62}))
#undef QVXT_DIV
    QVXT_FN(DivShift, 16SC, -31, cdiv_model(x, y, sf, true))
    QVXT_FN(DivCShift, 16SC, -31, is_zero(y) ? E{} : cdiv_model(x, y, sf, false))
    QVXT_FN(DivCRevShift, 16SC, -31, is_zero(y) ? E{} : cdiv_model(y, x, sf, true))
#undef QVXT_FN
    return v;
  }();
  return all;
}

inline const Fn& fn(const std::string& name) {
  for (const Fn& f : members())
    if (f.name == name) return f;
  ADD_FAILURE() << "no member " << name;
  return members()[0];
}

}  // namespace fxt

#endif
