// Every scaled primitive of the folder as data (its function, exact result R and thresholds),
// seen through its scalar parts as int64_t values, and the scale-and-saturate rule as a
// reference model in exact integer arithmetic.
#ifndef QVX_TEST_FIXED_MODEL_H
#define QVX_TEST_FIXED_MODEL_H

#include <gtest/gtest.h>
#include <stdint.h>
#include <string.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "qvx_vector.h"
#include "support/data.h"

namespace fxt {

using Parts = std::vector<int64_t>;

// R from a part of the first source and the matching part of the second source or constant.
enum class Op { Id, Add, Sub, SubRev };
enum class Kind { Unary, Binary, Const };

struct Member {
  std::string name;
  Kind kind;
  Op op;
  int H, L;
  int64_t lo, hi;    // bounds of one part
  int nparts;        // parts of one element (2 for 16SC)
  const char* fill;  // the fill primitive of the part width
  // Binary: b is the second source; Const: b holds the constant; Unary: unused.
  std::function<QvxStatus(const void* a, const void* b, void* d, int len, int sf)> call;
  // One call on a.size() parts into a destination preset to 0x5A bytes and one element
  // longer (which must stay as preset); returns the destination parts.  With `no_source`
  // the source arrays are that pointer (a constant is still passed).
  std::function<Parts(const Parts& a, const Parts& b, int sf, const void* no_source)> run;
};

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

inline int64_t model(int64_t r, int sf, const Member& m) {
  return scale_rule(r, sf, m.H, m.L, m.lo, m.hi);
}

// Part k of the destination for sources a and b (b indexed cyclically: a constant's parts
// repeat along the vector, real part first).
inline int64_t want(const Member& m, const Parts& a, const Parts& b, size_t k, int sf) {
  const int64_t x = a[k], y = b.empty() ? 0 : b[k % b.size()];
  const int64_t r = m.op == Op::Id ? x : m.op == Op::Add ? x + y : m.op == Op::Sub ? x - y : y - x;
  return model(r, sf, m);
}

// A member of element type T with zero-fill threshold L; its sign-fill threshold H is the
// count of value bits of the part type (8U 8, 16U 16, 16S and 16SC 15, 32S 31).
template <class T, class F>
Member make(const char* name, Kind kind, Op op, int L, F f) {
  using P = qvxt::part_t<T>;
  constexpr size_t np = qvxt::parts<T>();
  auto run = [f, kind, name](const Parts& a, const Parts& b, int sf, const void* no_source) {
    const std::vector<P> pa(a.begin(), a.end()), pb(b.begin(), b.end());
    std::vector<P> d(a.size() + np, static_cast<P>(0x5A5A5A5A));
    const T* sa = reinterpret_cast<const T*>(no_source ? no_source : pa.data());
    const T* sb = reinterpret_cast<const T*>(no_source && kind != Kind::Const ? no_source : pb.data());
    EXPECT_EQ(f(sa, sb, reinterpret_cast<T*>(d.data()), static_cast<int>(a.size() / np), sf), 0);
    for (size_t k = a.size(); k < d.size(); ++k)
      EXPECT_EQ(d[k], static_cast<P>(0x5A5A5A5A)) << name << " wrote past len";
    return Parts(d.begin(), d.begin() + a.size());
  };
  return {name, kind, op, std::numeric_limits<P>::digits, L, std::numeric_limits<P>::min(),
          std::numeric_limits<P>::max(), static_cast<int>(np),
          sizeof(P) == 1 ? "Vector_Set_8U" : sizeof(P) == 2 ? "Vector_Set_16S" : "Vector_Set_32S",
          [f](const void* a, const void* b, void* d, int len, int sf) {
            return f(static_cast<const T*>(a), static_cast<const T*>(b), static_cast<T*>(d), len, sf);
          },
          run};
}
template <class T>
Member make(const char* n, QvxStatus (*f)(const T*, T*, int, int), Op op, int L) {
  return make<T>(n, Kind::Unary, op, L,
                 [f](const T* a, const T*, T* d, int len, int sf) { return f(a, d, len, sf); });
}
template <class T>
Member make(const char* n, QvxStatus (*f)(const T*, const T*, T*, int, int), Op op, int L) {
  return make<T>(n, Kind::Binary, op, L, f);
}
template <class T>  // the constant is passed as b[0]
Member make(const char* n, QvxStatus (*f)(const T*, T, T*, int, int), Op op, int L) {
  return make<T>(n, Kind::Const, op, L,
                 [f](const T* a, const T* b, T* d, int len, int sf) { return f(a, *b, d, len, sf); });
}

// Every member; each family with its zero-fill thresholds L for 8U, 16U, 16S (also 16SC), 32S.
#define QVXT_FAMILY(N, OP, L8, L16U, L16S, L32S)                                     \
  make<Qvx8u>(#N "_8U", qvx_Vector_##N##_8U, Op::OP, L8),                            \
      make<Qvx16u>(#N "_16U", qvx_Vector_##N##_16U, Op::OP, L16U),                   \
      make<Qvx16s>(#N "_16S", qvx_Vector_##N##_16S, Op::OP, L16S),                   \
      make<Qvx32s>(#N "_32S", qvx_Vector_##N##_32S, Op::OP, L32S),                   \
      make<Qvx16sc>(#N "_16SC", qvx_Vector_##N##_16SC, Op::OP, L16S)
inline const std::vector<Member>& members() {
  static const std::vector<Member> all = {
      QVXT_FAMILY(Shift, Id, -7, -15, -15, -31),
      QVXT_FAMILY(AddShift, Add, -8, -16, -16, -32),
      QVXT_FAMILY(SubShift, Sub, -7, -15, -16, -32),
      QVXT_FAMILY(AddCShift, Add, -8, -16, -16, -32),
      QVXT_FAMILY(SubCShift, Sub, -7, -15, -16, -32),
      QVXT_FAMILY(SubCRevShift, SubRev, -7, -15, -16, -32),
  };
  return all;
}
#undef QVXT_FAMILY

inline const Member& by_name(const std::string& name) {
  for (const Member& m : members())
    if (m.name == name) return m;
  ADD_FAILURE() << "no member " << name;
  return members()[0];
}

// ---- multiplication, multiply-accumulate and division ------------------------------------
//
// Models of the three families, element by element on exact parts, written from their
// rules: exact products and sums in 64 or 128 bits, quotients as exact rationals where the
// rule promises the truncated quotient, and the stated double-precision operations, in their
// order, where the rule computes in double precision.

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
};
template <class T> Type type_of();
template <> inline Type type_of<Qvx8u>() { return {1, 0, 255, 8, -7}; }
template <> inline Type type_of<Qvx16u>() { return {1, 0, 65535, 16, -15}; }
template <> inline Type type_of<Qvx16s>() { return {1, -32768, 32767, 15, -15}; }
template <> inline Type type_of<Qvx32s>() { return {1, INT32_MIN, INT32_MAX, 31, -31}; }
template <> inline Type type_of<Qvx16sc>() { return {2, -32768, 32767, 15, -15}; }

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

// ---- the members of the three families as data ---------------------------------------------

// Operand kinds: y and z are arrays or constants.
enum class Form {
  Binary,    // (x[], y[], dst, len, sf)
  Const,     // (x[], y, dst, len, sf)
  Ternary,   // (x[], y[], z[], dst, len, sf)
  MulCAdd,   // (x[], y, z[], dst, len, sf)
  MulCAddC,  // (x[], y, z, dst, len, sf)
};
inline bool y_is_array(Form f) { return f == Form::Binary || f == Form::Ternary; }
inline bool z_is_array(Form f) { return f == Form::Ternary || f == Form::MulCAdd; }
inline bool has_z(Form f) { return f == Form::Ternary || f == Form::MulCAdd || f == Form::MulCAddC; }

template <class T>
T to_elem(E e) {
  if constexpr (std::is_same<T, Qvx16sc>::value) {
    return {static_cast<Qvx16s>(e.re), static_cast<Qvx16s>(e.im)};
  } else {
    return static_cast<T>(e.re);
  }
}
template <class T>
E from_elem(T v) {
  if constexpr (std::is_same<T, Qvx16sc>::value) {
    return {v.re, v.im};
  } else {
    return {static_cast<int64_t>(v), 0};
  }
}

using Elems = std::vector<E>;

struct Fn {
  std::string name;
  Form form;
  Type t;
  // The model of one element: x, y, z are the operands' elements (constants included).
  std::function<E(E x, E y, E z, int64_t sf)> want;
  // One call with x.size() elements; y and z hold as many elements, or one (a constant), or
  // none.  The destination is preset to 0x5A bytes and one element longer, which must stay as
  // preset.  With `no_source` the source arrays are that pointer (constants are still passed).
  std::function<Elems(const Elems& x, const Elems& y, const Elems& z, int sf, const void* no_source)>
      run;
  // A raw call: y and z point at the arrays, or at the constant for constant operands.
  std::function<QvxStatus(const void* x, const void* y, const void* z, void* d, int len, int sf)> call;
};

template <class T, class Invoke>
Fn make_fn(const char* name, Form form, Invoke invoke, std::function<E(E, E, E, int64_t)> want) {
  Fn f{name, form, type_of<T>(), std::move(want), nullptr, nullptr};
  f.call = [invoke](const void* x, const void* y, const void* z, void* d, int len, int sf) {
    return invoke(static_cast<const T*>(x), static_cast<const T*>(y), static_cast<const T*>(z),
                  static_cast<T*>(d), len, sf);
  };
  f.run = [invoke, name](const Elems& x, const Elems& y, const Elems& z, int sf, const void* none) {
    std::vector<T> ax, ay, az;
    for (const E& e : x) ax.push_back(to_elem<T>(e));
    for (const E& e : y) ay.push_back(to_elem<T>(e));
    for (const E& e : z) az.push_back(to_elem<T>(e));
    const T* px = none ? static_cast<const T*>(none) : ax.data();
    const T* py = none && ay.size() > 1 ? static_cast<const T*>(none) : ay.data();
    const T* pz = none && az.size() > 1 ? static_cast<const T*>(none) : az.data();
    std::vector<T> d(x.size() + 1);
    memset(static_cast<void*>(d.data()), 0x5A, d.size() * sizeof(T));
    EXPECT_EQ(invoke(px, py, pz, d.data(), static_cast<int>(x.size()), sf), 0) << name;
    T preset;
    memset(static_cast<void*>(&preset), 0x5A, sizeof preset);
    EXPECT_EQ(memcmp(&d.back(), &preset, sizeof preset), 0) << name << " wrote past len";
    Elems out;
    for (size_t i = 0; i < x.size(); ++i) out.push_back(from_elem<T>(d[i]));
    return out;
  };
  return f;
}

template <class T>
Fn make_fn(const char* n, QvxStatus (*f)(const T*, const T*, T*, int, int),
           std::function<E(E, E, E, int64_t)> w) {
  return make_fn<T>(n, Form::Binary,
                    [f](const T* x, const T* y, const T*, T* d, int len, int sf) {
                      return f(x, y, d, len, sf);
                    },
                    w);
}
template <class T>
Fn make_fn(const char* n, QvxStatus (*f)(const T*, T, T*, int, int),
           std::function<E(E, E, E, int64_t)> w) {
  return make_fn<T>(n, Form::Const,
                    [f](const T* x, const T* y, const T*, T* d, int len, int sf) {
                      return f(x, *y, d, len, sf);
                    },
                    w);
}
template <class T>
Fn make_fn(const char* n, QvxStatus (*f)(const T*, const T*, const T*, T*, int, int),
           std::function<E(E, E, E, int64_t)> w) {
  return make_fn<T>(n, Form::Ternary,
                    [f](const T* x, const T* y, const T* z, T* d, int len, int sf) {
                      return f(x, y, z, d, len, sf);
                    },
                    w);
}
template <class T>
Fn make_fn(const char* n, QvxStatus (*f)(const T*, T, const T*, T*, int, int),
           std::function<E(E, E, E, int64_t)> w) {
  return make_fn<T>(n, Form::MulCAdd,
                    [f](const T* x, const T* y, const T* z, T* d, int len, int sf) {
                      return f(x, *y, z, d, len, sf);
                    },
                    w);
}
template <class T>
Fn make_fn(const char* n, QvxStatus (*f)(const T*, T, T, T*, int, int),
           std::function<E(E, E, E, int64_t)> w) {
  return make_fn<T>(n, Form::MulCAddC,
                    [f](const T* x, const T* y, const T* z, T* d, int len, int sf) {
                      return f(x, *y, *z, d, len, sf);
                    },
                    w);
}

// Every member of the three families with its model; the rows hold the tables of thresholds,
// addend-dropped ranges, division bands and reciprocal constants.
inline const std::vector<Fn>& muldiv() {
  static const std::vector<Fn> all = [] {
    std::vector<Fn> v;
    // MulShift and MulCShift: the zero-fill threshold L per type.
#define QVXT_MUL(S, T, L)                                                                    \
  v.push_back(make_fn<T>("MulShift_" #S, qvx_Vector_MulShift_##S,                          \
                         [](E x, E y, E, int64_t sf) { return mul_model(type_of<T>(), L, x, y, sf); })); \
  v.push_back(make_fn<T>("MulCShift_" #S, qvx_Vector_MulCShift_##S,                        \
                         [](E x, E y, E, int64_t sf) { return mulc_model(type_of<T>(), L, x, y, sf); }));
    QVXT_MUL(8U, Qvx8u, -15)
    QVXT_MUL(16U, Qvx16u, -31)
    QVXT_MUL(16S, Qvx16s, -30)
    QVXT_MUL(32S, Qvx32s, -62)
    QVXT_MUL(16SC, Qvx16sc, -30)
#undef QVXT_MUL
    // Multiply-accumulate: {L, addend dropped from, to, by MulCShift, (-32768, -32768)
    // multiplier drops at -30..-17, double band}.
#define QVXT_MULADD(N, S, T, ...)                                                            \
  v.push_back(make_fn<T>(#N "_" #S, qvx_Vector_##N##_##S, [](E x, E y, E z, int64_t sf) {  \
    return muladd_model(type_of<T>(), MulAddRow{__VA_ARGS__}, x, y, z, sf);                  \
  }));
    QVXT_MULADD(MulAddShift, 8U, Qvx8u, -15, -15, -10, false, false, false)
    QVXT_MULADD(MulAddShift, 16U, Qvx16u, -31, -31, -17, false, false, false)
    QVXT_MULADD(MulAddShift, 16S, Qvx16s, -30, 1, 0, false, false, false)
    QVXT_MULADD(MulAddShift, 32S, Qvx32s, -62, -62, -41, false, false, true)
    QVXT_MULADD(MulAddShift, 16SC, Qvx16sc, -30, 1, 0, false, false, false)
    QVXT_MULADD(MulCAddShift, 8U, Qvx8u, -15, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddShift, 16U, Qvx16u, -31, -31, -17, true, false, false)
    QVXT_MULADD(MulCAddShift, 16S, Qvx16s, -30, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddShift, 32S, Qvx32s, -62, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddShift, 16SC, Qvx16sc, -30, 1, 0, true, true, false)
    QVXT_MULADD(MulCAddCShift, 8U, Qvx8u, -15, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddCShift, 16U, Qvx16u, -31, -31, -17, true, false, false)
    QVXT_MULADD(MulCAddCShift, 16S, Qvx16s, -30, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddCShift, 32S, Qvx32s, -62, 1, 0, true, false, false)
    QVXT_MULADD(MulCAddCShift, 16SC, Qvx16sc, -30, 1, 0, true, true, false)
#undef QVXT_MULADD
    // Division: {H, computing band from, integer division from, by the table} for DivShift
    // and DivCRevShift (whose zero constant gives 0); {H, e, p0, m_max, s_min, r = 2^j delegates, MulCShift's L} for
    // DivCShift.
#define QVXT_DIV(S, T, ROW, REV, CROW)                                                            \
  v.push_back(make_fn<T>("DivShift_" #S, qvx_Vector_DivShift_##S, [](E x, E y, E, int64_t sf) { \
    return E{div_model(type_of<T>(), DivRow ROW, x.re, y.re, sf), 0};                       \
  }));                                                                                      \
  v.push_back(make_fn<T>("DivCShift_" #S, qvx_Vector_DivCShift_##S, [](E x, E y, E, int64_t sf) { \
    return E{divc_model(type_of<T>(), DivCRow CROW, x.re, y.re, sf), 0};                    \
  }));                                                                                      \
  v.push_back(make_fn<T>("DivCRevShift_" #S, qvx_Vector_DivCRevShift_##S,                   \
                         [](E x, E y, E, int64_t sf) {                                      \
                           if (y.re == 0) return E{};                                       \
                           return E{div_model(type_of<T>(), DivRow REV, y.re, x.re, sf), 0}; \
                         }));
    //       type        DivShift                DivCRevShift             DivCShift
    QVXT_DIV(8U, Qvx8u,   ({16, -7, -7, true}),   ({16, -7, -7, true}),    ({16, 23, 1, 32767, -15, false, -15}))
    QVXT_DIV(16U, Qvx16u, ({32, 0, -15, false}),  ({32, -15, -15, false}), ({32, 31, 1, 65535, -15, false, -31}))
    QVXT_DIV(16S, Qvx16s, ({30, 0, -15, false}),  ({30, -15, -15, false}), ({30, 31, 2, 32767, -15, true, -30}))
    QVXT_DIV(32S, Qvx32s, ({62, -31, -31, false}), ({62, -31, -31, false}), ({62, 63, 2, INT32_MAX, -31, true, -62}))
#undef QVXT_DIV
    v.push_back(make_fn<Qvx16sc>("DivShift_16SC", qvx_Vector_DivShift_16SC,
                                 [](E x, E y, E, int64_t sf) { return cdiv_model(x, y, sf, true); }));
    v.push_back(make_fn<Qvx16sc>("DivCShift_16SC", qvx_Vector_DivCShift_16SC,
                                 [](E x, E y, E, int64_t sf) {
                                   return is_zero(y) ? E{} : cdiv_model(x, y, sf, false);
                                 }));
    v.push_back(make_fn<Qvx16sc>("DivCRevShift_16SC", qvx_Vector_DivCRevShift_16SC,
                                 [](E x, E y, E, int64_t sf) {
                                   return is_zero(y) ? E{} : cdiv_model(y, x, sf, true);
                                 }));
    return v;
  }();
  return all;
}

inline const Fn& fn(const std::string& name) {
  for (const Fn& f : muldiv())
    if (f.name == name) return f;
  ADD_FAILURE() << "no member " << name;
  return muldiv()[0];
}

}  // namespace fxt

#endif
