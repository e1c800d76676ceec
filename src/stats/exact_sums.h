// Exact sums of integer terms in integer or double lanes, and which of them serves which
// term of which element type.  Every kernel here gives the exact sum of its terms, whatever
// the order inside a chunk; reduce.h uses them only while that sum is also what the
// sequential loop gives.
//
// A kernel adds the terms of kStep elements per step(i) into its accumulators and, after at
// most kChunkSteps steps, take() adds what it holds into the running sums (and empties
// itself).  max_term(j) bounds the magnitude of a term of sum j.
#ifndef QVX_STATS_EXACT_SUMS_H
#define QVX_STATS_EXACT_SUMS_H

#include <stdint.h>

#include "core/simd.h"
#include "stats/reduce.h"

namespace qvx {
namespace stats {
namespace exact_sums {

using simd::as;
using simd::kLanes;
using simd::load;
using simd::Vec;

constexpr auto plus = [](auto a, auto b) { return a + b; };
inline int64_t total(Vec<int64_t> v) { return fold_lanes(v, plus); }
inline int64_t total(Vec<uint64_t> v) { return static_cast<int64_t>(fold_lanes(v, plus)); }
inline int64_t total(Vec<int32_t> v) { return total(simd::widen_lo(v) + simd::widen_hi(v)); }
// Exact sums only (every partial sum an integer below 2^53): the order does not matter.
inline double total(Vec<double> v) { return fold_lanes(v, plus); }

// ---- terms of narrow lanes -------------------------------------------------------------------

// |a - b| as an unsigned lane of the same width (at most 255 or 65535).
inline Vec<uint8_t> abs_diff(Vec<uint8_t> a, Vec<uint8_t> b) {
  return simd::subs(a, b) | simd::subs(b, a);
}
inline Vec<uint16_t> abs_diff(Vec<uint16_t> a, Vec<uint16_t> b) {
  return simd::subs(a, b) | simd::subs(b, a);
}
inline Vec<uint16_t> abs_diff(Vec<int16_t> a, Vec<int16_t> b) {
  return as<uint16_t>(simd::vmax(a, b)) - as<uint16_t>(simd::vmin(a, b));
}

// Adjacent 16-bit lanes summed in pairs into 32-bit lanes.
inline Vec<int32_t> pairs(Vec<int16_t> x) { return simd::madd(x, simd::splat<int16_t>(1)); }
// Of magnitudes: -32768 counts 32768.
inline Vec<int32_t> magnitude_pairs(Vec<int16_t> x) {
  return simd::madd(x, (x >> 15) | int16_t{1});
}
// Of unsigned lanes, moved into the signed range: each pair sum kBias below the true one.
constexpr int64_t kBias = 65536;
inline Vec<int32_t> biased_pairs(Vec<uint16_t> x) {
  return pairs(as<int16_t>(x ^ uint16_t{0x8000}));
}
// Products of bytes (at most 255 each), four to a 32-bit lane.
inline Vec<int32_t> byte_products(Vec<uint8_t> a, Vec<uint8_t> b) {
  return simd::madd(as<int16_t>(simd::widen_lo(a)), as<int16_t>(simd::widen_lo(b))) +
         simd::madd(as<int16_t>(simd::widen_hi(a)), as<int16_t>(simd::widen_hi(b)));
}

// ---- accumulators --------------------------------------------------------------------------

// 64-bit lanes of byte sums.
struct Sums64 {
  static constexpr int kSteps = 1 << 16;
  Vec<uint64_t> acc = simd::zero<uint64_t>();
  void add(Vec<uint64_t> c) { acc += c; }
  int64_t take(int) {
    const int64_t t = total(acc);
    acc = simd::zero<uint64_t>();
    return t;
  }
};

// 32-bit lanes, each step adding at most 2^18 in magnitude to a lane and Bias below the
// true amount (given back at take).
template <int64_t Bias>
struct Sums32 {
  static constexpr int kSteps = 1 << 12;
  Vec<int32_t> acc = simd::zero<int32_t>();
  void add(Vec<int32_t> c) { acc += c; }
  int64_t take(int steps) {
    const int64_t t = total(acc) + int64_t{steps} * kLanes<int32_t> * Bias;
    acc = simd::zero<int32_t>();
    return t;
  }
};

// Products of signed 16-bit lanes, summed in pairs by madd.  A pair sum lies in
// [-2^31 + 2^16, 2^31]; only (-32768)^2 twice reaches 2^31, which the 32-bit lane holds as
// -2^31: those lanes are counted and given 2^32 back at take.
struct Products16S {
  static constexpr int kSteps = 1 << 16;
  Vec<int64_t> acc = simd::zero<int64_t>();
  Vec<int32_t> wrapped = simd::zero<int32_t>();
  void add(Vec<int16_t> a, Vec<int16_t> b) {
    const Vec<int32_t> p = simd::madd(a, b);
    acc += simd::widen_lo(p) + simd::widen_hi(p);
    wrapped -= p == INT32_MIN;
  }
  int64_t take(int) {
    const int64_t t = total(acc) + total(wrapped) * (int64_t{1} << 32);
    acc = simd::zero<int64_t>();
    wrapped = simd::zero<int32_t>();
    return t;
  }
};

// Products of unsigned 16-bit lanes (below 2^32): their low and high 16 bits summed apart.
struct Products16U {
  static constexpr int kSteps = Sums32<kBias>::kSteps;
  Sums32<kBias> lo, hi;
  void add(Vec<uint16_t> a, Vec<uint16_t> b) {
    lo.add(biased_pairs(a * b));
    hi.add(biased_pairs(simd::mulhi(a, b)));
  }
  int64_t take(int steps) { return lo.take(steps) + 65536 * hi.take(steps); }
};

// ---- kernels -------------------------------------------------------------------------------

// One sum: f(acc, i) adds the terms of elements i .. i + Step - 1.
template <int Step, class Acc, class F>
struct One {
  static constexpr int kSums = 1, kStep = Step, kChunkSteps = Acc::kSteps;
  int64_t bound;
  F f;
  Acc acc;
  int64_t max_term(int) const { return bound; }
  void step(int i) { f(acc, i); }
  void take(int steps, int64_t* s) { s[0] += acc.take(steps); }
};
template <int Step, class Acc, class F>
inline One<Step, Acc, F> one(int64_t bound, F f) {
  return {bound, f, Acc()};
}

// The sum of the elements and of their squares: f(s, q, i).
template <int Step, class AccS, class AccQ, class F>
struct Two {
  static constexpr int kSums = 2, kStep = Step;
  static constexpr int kChunkSteps = AccS::kSteps < AccQ::kSteps ? AccS::kSteps : AccQ::kSteps;
  int64_t bound[2];
  F f;
  AccS s;
  AccQ q;
  int64_t max_term(int j) const { return bound[j]; }
  void step(int i) { f(s, q, i); }
  void take(int steps, int64_t* out) {
    out[0] += s.take(steps);
    out[1] += q.take(steps);
  }
};
template <int Step, class AccS, class AccQ, class F>
inline Two<Step, AccS, AccQ, F> two(int64_t bound_s, int64_t bound_q, F f) {
  return {{bound_s, bound_q}, f, AccS(), AccQ()};
}

// Sums in double lanes with the sums of their magnitudes, for 32-bit elements (whose terms
// may exceed 2^53): f(i, add) calls add(j, terms) with a register of terms of sum j.
template <int N, class F>
struct DoubleSums {
  static constexpr int kSums = N, kStep = kLanes<int32_t>, kChunkSteps = 256;
  F f;
  Vec<double> sum[N] = {}, mag[N] = {};
  void step(int i) {
    f(i, [&](int j, Vec<double> t) {
      sum[j] += t;
      mag[j] += magnitude(t);
    });
  }
  void take(double* s, double* m) {
    for (int j = 0; j < N; ++j) {
      s[j] = total(sum[j]);
      m[j] = total(mag[j]);
      sum[j] = mag[j] = simd::zero<double>();
    }
  }
};
template <int N, class F>
inline DoubleSums<N, F> double_sums(F f) {
  return {f};
}

// The two halves of a register of 32-bit elements as doubles.
inline void halves(Vec<int32_t> v, Vec<double>& lo, Vec<double>& hi) {
  lo = simd::to_double_lo(v);
  hi = simd::to_double_hi(v);
}

// ---- which kernel for which term and element type ----------------------------------------
//
//   element  term                        lanes
//   8U       Value, Abs, AbsDiff         byte sums (sad) in 64-bit lanes
//   8U       Product, Square, SquareDiff byte products in 32-bit lanes
//   16S      Value, Abs                  pair sums in 32-bit lanes
//   16U/16S  Abs (16U), AbsDiff          |x| or |a - b| as unsigned pairs in 32-bit lanes
//   16S      Product, Square             signed products in 64-bit lanes
//   16U/16S  Product (16U), Square (16U), SquareDiff
//                                        unsigned products, low and high halves apart
//   32S      every term                  double lanes with the sum of magnitudes
//   32F, 64F                             none: the sequential loop

struct None {
  static constexpr int kSums = 0;
};
template <class Term, class T>
inline None exact(Term, const T*) {
  return {};
}
template <class Term, class T>
inline None exact(Term, const T*, const T*) {
  return {};
}

constexpr int kStep8 = kLanes<uint8_t>;
constexpr int kStep16 = kLanes<uint16_t>;

inline auto exact(Value, const Qvx8u* p) {
  return one<kStep8, Sums64>(255, [=](Sums64& a, int i) {
    a.add(simd::sad(load(p + i), simd::zero<uint8_t>()));
  });
}
inline auto exact(Abs, const Qvx8u* p) { return exact(Value(), p); }
inline auto exact(AbsDiff, const Qvx8u* p, const Qvx8u* q) {
  return one<kStep8, Sums64>(255, [=](Sums64& a, int i) { a.add(simd::sad(load(p + i), load(q + i))); });
}
inline auto exact(Product, const Qvx8u* p, const Qvx8u* q) {
  return one<kStep8, Sums32<0>>(255 * 255, [=](Sums32<0>& a, int i) {
    a.add(byte_products(load(p + i), load(q + i)));
  });
}
inline auto exact(Square, const Qvx8u* p) {
  return one<kStep8, Sums32<0>>(255 * 255, [=](Sums32<0>& a, int i) {
    const Vec<uint8_t> x = load(p + i);
    a.add(byte_products(x, x));
  });
}
inline auto exact(SquareDiff, const Qvx8u* p, const Qvx8u* q) {
  return one<kStep8, Sums32<0>>(255 * 255, [=](Sums32<0>& a, int i) {
    const Vec<uint8_t> d = abs_diff(load(p + i), load(q + i));
    a.add(byte_products(d, d));
  });
}

inline auto exact(Value, const Qvx16s* p) {
  return one<kStep16, Sums32<0>>(32768, [=](Sums32<0>& a, int i) { a.add(pairs(load(p + i))); });
}
inline auto exact(Abs, const Qvx16s* p) {
  return one<kStep16, Sums32<0>>(32768, [=](Sums32<0>& a, int i) {
    a.add(magnitude_pairs(load(p + i)));
  });
}
inline auto exact(Abs, const Qvx16u* p) {
  return one<kStep16, Sums32<kBias>>(65535, [=](Sums32<kBias>& a, int i) {
    a.add(biased_pairs(load(p + i)));
  });
}
template <class T>
inline auto abs_diff16(const T* p, const T* q) {
  return one<kStep16, Sums32<kBias>>(65535, [=](Sums32<kBias>& a, int i) {
    a.add(biased_pairs(abs_diff(load(p + i), load(q + i))));
  });
}
inline auto exact(AbsDiff, const Qvx16u* p, const Qvx16u* q) { return abs_diff16(p, q); }
inline auto exact(AbsDiff, const Qvx16s* p, const Qvx16s* q) { return abs_diff16(p, q); }

inline auto exact(Product, const Qvx16s* p, const Qvx16s* q) {
  return one<kStep16, Products16S>(int64_t{1} << 30, [=](Products16S& a, int i) {
    a.add(load(p + i), load(q + i));
  });
}
inline auto exact(Square, const Qvx16s* p) {
  return one<kStep16, Products16S>(int64_t{1} << 30, [=](Products16S& a, int i) {
    const Vec<int16_t> x = load(p + i);
    a.add(x, x);
  });
}
constexpr int64_t kMaxProduct16U = int64_t{65535} * 65535;
inline auto exact(Product, const Qvx16u* p, const Qvx16u* q) {
  return one<kStep16, Products16U>(kMaxProduct16U, [=](Products16U& a, int i) {
    a.add(load(p + i), load(q + i));
  });
}
inline auto exact(Square, const Qvx16u* p) {
  return one<kStep16, Products16U>(kMaxProduct16U, [=](Products16U& a, int i) {
    const Vec<uint16_t> x = load(p + i);
    a.add(x, x);
  });
}
template <class T>
inline auto square_diff16(const T* p, const T* q) {
  return one<kStep16, Products16U>(kMaxProduct16U, [=](Products16U& a, int i) {
    const Vec<uint16_t> d = abs_diff(load(p + i), load(q + i));
    a.add(d, d);
  });
}
inline auto exact(SquareDiff, const Qvx16u* p, const Qvx16u* q) { return square_diff16(p, q); }
inline auto exact(SquareDiff, const Qvx16s* p, const Qvx16s* q) { return square_diff16(p, q); }

template <class Term>
inline auto exact(Term t, const Qvx32s* p) {
  return double_sums<1>([=](int i, auto add) {
    Vec<double> lo, hi;
    halves(load(p + i), lo, hi);
    add(0, t(lo));
    add(0, t(hi));
  });
}
template <class Term>
inline auto exact(Term t, const Qvx32s* p, const Qvx32s* q) {
  return double_sums<1>([=](int i, auto add) {
    Vec<double> a0, a1, b0, b1;
    halves(load(p + i), a0, a1);
    halves(load(q + i), b0, b1);
    add(0, t(a0, b0));
    add(0, t(a1, b1));
  });
}

// The elements and their squares, for the mean and deviation.
inline auto exact_sum_and_squares(const Qvx8u* p) {
  return two<kStep8, Sums64, Sums32<0>>(255, 255 * 255, [=](Sums64& s, Sums32<0>& q, int i) {
    const Vec<uint8_t> x = load(p + i);
    s.add(simd::sad(x, simd::zero<uint8_t>()));
    q.add(byte_products(x, x));
  });
}
inline auto exact_sum_and_squares(const Qvx16s* p) {
  return two<kStep16, Sums32<0>, Products16S>(32768, int64_t{1} << 30,
                                               [=](Sums32<0>& s, Products16S& q, int i) {
                                                 const Vec<int16_t> x = load(p + i);
                                                 s.add(pairs(x));
                                                 q.add(x, x);
                                               });
}
inline auto exact_sum_and_squares(const Qvx16u* p) {
  return two<kStep16, Sums32<kBias>, Products16U>(65535, kMaxProduct16U,
                                                   [=](Sums32<kBias>& s, Products16U& q, int i) {
                                                     const Vec<uint16_t> x = load(p + i);
                                                     s.add(biased_pairs(x));
                                                     q.add(x, x);
                                                   });
}
inline auto exact_sum_and_squares(const Qvx32s* p) {
  return double_sums<2>([=](int i, auto add) {
    Vec<double> lo, hi;
    halves(load(p + i), lo, hi);
    add(0, lo);
    add(0, hi);
    add(1, lo * lo);
    add(1, hi * hi);
  });
}

}  // namespace exact_sums

// ---- the sums --------------------------------------------------------------------------------

// The sum of t over src[0 .. len) (and src2), by the rule of reduce.h.
template <class Term, class T, class... U>
inline double sum_of(Term t, int len, const T* src, const U*... src2) {
  using K = decltype(exact_sums::exact(t, src, src2...));
  double s[1];
  const auto tail = [&](int i, double* acc) { acc[0] = chain(acc[0], i, len, t, src, src2...); };
  if constexpr (std::is_same<K, exact_sums::None>::value) {
    s[0] = chain(0.0, 0, len, t, src, src2...);
  } else if constexpr (std::is_same<T, Qvx32s>::value) {
    K k = exact_sums::exact(t, src, src2...);
    double_sums_then_loop(len, k, s, tail);
  } else {
    K k = exact_sums::exact(t, src, src2...);
    exact_then_loop<double>(len, k, s, tail);
  }
  return s[0];
}

// S and Q of the mean and deviation in the working precision P.
template <class P, class T>
inline void sum_and_squares(const T* src, int len, P* s) {
  const auto tail = [&](int i, P* acc) { chain_sum_and_squares(acc, i, len, src); };
  if constexpr (std::is_floating_point<T>::value) {
    s[0] = s[1] = P(0);
    tail(0, s);
  } else if constexpr (std::is_same<T, Qvx32s>::value) {
    auto k = exact_sums::exact_sum_and_squares(src);
    double_sums_then_loop(len, k, s, tail);
  } else {
    auto k = exact_sums::exact_sum_and_squares(src);
    exact_then_loop<P>(len, k, s, tail);
  }
}

}  // namespace stats
}  // namespace qvx

#endif
