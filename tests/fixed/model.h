// Every scaled primitive of the folder as data (its function, exact result R and thresholds),
// seen through its scalar parts as int64_t values, and the scale-and-saturate rule as a
// reference model in exact integer arithmetic.
#ifndef QVX_TEST_FIXED_MODEL_H
#define QVX_TEST_FIXED_MODEL_H

#include <gtest/gtest.h>
#include <stdint.h>

#include <functional>
#include <limits>
#include <string>
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

// R * 2^sf rounded toward minus infinity and clamped; 0 below L; the bound of R's sign from H.
inline int64_t model(int64_t r, int sf, const Member& m) {
  if (sf < m.L) return 0;
  if (sf >= m.H) return r > 0 ? m.hi : r < 0 ? m.lo : 0;
  __int128 v;
  if (sf >= 0) {
    v = static_cast<__int128>(r) * (static_cast<__int128>(1) << sf);
  } else {
    const __int128 d = static_cast<__int128>(1) << -sf;
    v = r / d;              // toward zero ...
    if (v * d > r) v -= 1;  // ... then down to the floor
  }
  return v < m.lo ? m.lo : v > m.hi ? m.hi : static_cast<int64_t>(v);
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

}  // namespace fxt

#endif
