// Integer conversions: the scale-and-saturate rule of fixed/scale.h with the source element
// as the exact result R and the destination type as T, for every ordered pair of 8U, 8S,
// 16U, 16S and 32S.  One template serves all twenty pairs; the zero-fill threshold L of each
// pair is the one piece of data that differs, kept below as the matrix it is defined by.
#include <limits.h>

#include <type_traits>

#include "convert/blocks.h"
#include "core/export.h"
#include "core/loops.h"
#include "core/simd.h"
#include "fixed/scale.h"

namespace {

using namespace qvx;
using cvt::Lanes;
using fixed::Bounds;
using fixed::Step;
using fixed::Thresholds;
using simd::V;

// ---- the zero-fill thresholds ----------------------------------------------------------

enum TypeIndex { k8U, k8S, k16U, k16S, k32S };
template <class T> constexpr int index_of();
template <> constexpr int index_of<Qvx8u>() { return k8U; }
template <> constexpr int index_of<Qvx8s>() { return k8S; }
template <> constexpr int index_of<Qvx16u>() { return k16U; }
template <> constexpr int index_of<Qvx16s>() { return k16S; }
template <> constexpr int index_of<Qvx32s>() { return k32S; }

// The zero fill of each pair: below L the whole destination is set to 0 through the fill
// primitive named in its cell, without a look at the source.  Source type by row,
// destination type by column; the diagonal has no primitive.  For an unsigned source, or a
// signed one into an unsigned destination, every element gives 0 below L anyway and the fill
// is a shortcut (L is the last shift that leaves the largest source nonzero, or for 16S into
// 8U one below it).  A signed source into a signed destination has L = -(W - 1) of the
// source, the last shift that still turns negative elements into -1; below it the fill is
// what gives 0 for them.
enum Fill { kNoFill, kFill8U, kFill16S, kFill32S };
struct ZeroFill {
  int L;
  Fill fill;
};
constexpr ZeroFill kNone{0, kNoFill};
// clang-format off
constexpr ZeroFill kZeroFill[5][5] = {
    //             8U              8S               16U              16S              32S
    /*  8U */ {kNone,          {-7, kFill8U},   {-7, kFill16S},  {-7, kFill16S},  {-7, kFill32S}},
    /*  8S */ {{-6, kFill8U},  kNone,           {-6, kFill16S},  {-7, kFill16S},  {-7, kFill32S}},
    /* 16U */ {{-15, kFill8U}, {-15, kFill8U},  kNone,           {-15, kFill16S}, {-15, kFill32S}},
    /* 16S */ {{-15, kFill8U}, {-15, kFill8U},  {-14, kFill16S}, kNone,           {-15, kFill32S}},
    /* 32S */ {{-30, kFill8U}, {-31, kFill8U},  {-30, kFill16S}, {-31, kFill16S}, kNone},
};
// clang-format on

template <class S, class D>
constexpr ZeroFill zero_fill_of() {
  static_assert(!std::is_same<S, D>::value, "no conversion of a type into itself");
  return kZeroFill[index_of<S>()][index_of<D>()];
}

// The fill primitive of a cell (each accepts only destinations of its own width).
template <Fill F>
constexpr auto fill_primitive() {
  static_assert(F != kNoFill, "no such pair");
  if constexpr (F == kFill8U) return fixed::kSet8U;
  else if constexpr (F == kFill16S) return fixed::kSet16S;
  else return fixed::kSet32S;
}

// ---- the block path for pairs with 32S: groups of four 32-bit lanes ------------------------

// Lanes holding values of D, any 32-bit value, made ready for Lanes<D>::store, which
// saturates every other type on its own.
template <class D>
inline V ready(V v) {
  if constexpr (std::is_same<D, Qvx16u>::value) return simd::max_s32(v, _mm_setzero_si128());
  return v;
}

// One block of 4 * max(groups of S, groups of D) elements: loaded and widened, op applied
// to each group of four 32-bit lanes, narrowed with saturation and stored.
template <class S, class D>
constexpr int block_groups() {
  return Lanes<S>::kGroups > Lanes<D>::kGroups ? Lanes<S>::kGroups : Lanes<D>::kGroups;
}

template <class Mode, class S, class D, class Op>
inline void block(const S* s, D* d, const Op& op) {
  constexpr int G = block_groups<S, D>();
  V g[G];
  for (int k = 0; k < G; k += Lanes<S>::kGroups) Lanes<S>::load(s + 4 * k, g + k);
  for (int k = 0; k < G; ++k) g[k] = ready<D>(op(g[k]));
  for (int k = 0; k < G; k += Lanes<D>::kGroups) Lanes<D>::template store<Mode>(d + 4 * k, g + k);
}

// x * 2^n clamped to D, for 1 <= n < H of D, in 32-bit lanes.
template <class S, class D>
struct LeftShift {
  V count, over, under, hi, lo;
  explicit LeftShift(int n)
      : count(_mm_cvtsi32_si128(n)),
        over(_mm_set1_epi32(static_cast<int32_t>(Bounds<D>::hi >> n))),
        under(_mm_set1_epi32(static_cast<int32_t>(Bounds<D>::lo >> n))),
        hi(_mm_set1_epi32(static_cast<int32_t>(Bounds<D>::hi))),
        lo(_mm_set1_epi32(static_cast<int32_t>(Bounds<D>::lo))) {}
  V operator()(V x) const {
    if constexpr (std::is_same<D, Qvx32s>::value) {
      // The shifted value may pass 2^31: compare before shifting (hi >> n and lo >> n are
      // the last sources that stay in range).
      const V r = _mm_sll_epi32(x, count);
      return simd::select(_mm_cmpgt_epi32(x, over), hi,
                          simd::select(_mm_cmplt_epi32(x, under), lo, r));
    } else {
      // n <= 15 here.  Sources beyond +-2^15 saturate after any shift of 1 or more, and
      // clamping them to +-2^15 keeps the shifted value within 2^30; the store saturates.
      if constexpr (std::is_same<S, Qvx32s>::value) {
        x = simd::clamp_s32(x, _mm_set1_epi32(-32768), _mm_set1_epi32(32768));
      }
      return _mm_sll_epi32(x, count);
    }
  }
};

// floor(x / 2^n) for 1 <= n <= 31: the arithmetic shift; the store saturates.
struct RightShift {
  V count;
  explicit RightShift(int n) : count(_mm_cvtsi32_si128(n)) {}
  V operator()(V x) const { return _mm_sra_epi32(x, count); }
};

// The bound of each lane's sign, 0 for 0.
template <class D>
struct SignFill {
  V operator()(V x) const {
    const V hi = _mm_set1_epi32(static_cast<int32_t>(Bounds<D>::hi));
    const V lo = _mm_set1_epi32(static_cast<int32_t>(Bounds<D>::lo));
    const V zero = _mm_setzero_si128();
    return _mm_or_si128(_mm_and_si128(_mm_cmpgt_epi32(x, zero), hi),
                        _mm_and_si128(_mm_cmplt_epi32(x, zero), lo));
  }
};

// x itself; the store saturates.
struct Keep {
  V operator()(V x) const { return x; }
};

// ---- the block path for pairs of 8- and 16-bit types: eight 16-bit lanes -------------------
//
// Every source value but those of 16U fits a signed 16-bit lane.  Each step produces, per
// lane, the scaled value saturated to [-32768, 32767]; the narrowing store (packs, packus)
// then clamps to an 8-bit or 16S destination.  A 16U destination gets its exact value,
// clamped to [0, 65535], as the bits of the lane.

// Loads of S into 16-bit lanes: kPer elements per 16-byte load, kPer / 8 vectors.
template <class S> struct Load16;
template <> struct Load16<Qvx8u> {
  static constexpr int kPer = 16;
  static void load(const Qvx8u* p, V* h) {
    const V v = simd::load(p);
    h[0] = simd::widen_lo_u8(v);
    h[1] = simd::widen_hi_u8(v);
  }
};
template <> struct Load16<Qvx8s> {
  static constexpr int kPer = 16;
  static void load(const Qvx8s* p, V* h) {
    const V v = simd::load(p);
    h[0] = simd::widen_lo_s8(v);
    h[1] = simd::widen_hi_s8(v);
  }
};
template <> struct Load16<Qvx16u> {
  static constexpr int kPer = 8;
  static void load(const Qvx16u* p, V* h) { h[0] = simd::load(p); }
};
template <> struct Load16<Qvx16s> {
  static constexpr int kPer = 8;
  static void load(const Qvx16s* p, V* h) { h[0] = simd::load(p); }
};

// Stores of 16-bit lanes into D.
template <class D> struct Store16;
template <> struct Store16<Qvx8u> {
  static constexpr int kPer = 16;
  template <class Mode>
  static void store(Qvx8u* p, const V* h) { cvt::put16<Mode>(p, simd::narrow_s16_u8(h[0], h[1])); }
};
template <> struct Store16<Qvx8s> {
  static constexpr int kPer = 16;
  template <class Mode>
  static void store(Qvx8s* p, const V* h) { cvt::put16<Mode>(p, simd::narrow_s16_s8(h[0], h[1])); }
};
template <> struct Store16<Qvx16u> {
  static constexpr int kPer = 8;
  template <class Mode>
  static void store(Qvx16u* p, const V* h) { cvt::put16<Mode>(p, h[0]); }
};
template <> struct Store16<Qvx16s> {
  static constexpr int kPer = 8;
  template <class Mode>
  static void store(Qvx16s* p, const V* h) { cvt::put16<Mode>(p, h[0]); }
};

template <class S, class D>
constexpr int block16() {
  return Load16<S>::kPer > Store16<D>::kPer ? Load16<S>::kPer : Store16<D>::kPer;
}

template <class Mode, class S, class D, class Op>
inline void block16(const S* s, D* d, const Op& op) {
  constexpr int W = block16<S, D>(), K = W / 8;
  V h[K];
  for (int k = 0; k < K; k += Load16<S>::kPer / 8) Load16<S>::load(s + 8 * k, h + k);
  for (int k = 0; k < K; ++k) h[k] = op(h[k]);
  for (int k = 0; k < K; k += Store16<D>::kPer / 8) {
    Store16<D>::template store<Mode>(d + 8 * k, h + k);
  }
}

template <class S> constexpr bool kUnsigned16 = std::is_same<S, Qvx16u>::value;
template <class D> constexpr bool kInto16U = std::is_same<D, Qvx16u>::value;

inline V set16(int64_t v) { return _mm_set1_epi16(static_cast<short>(static_cast<uint16_t>(v))); }

// Lanes b where m is set, otherwise a.
inline V where(V m, V b, V a) { return simd::select(m, b, a); }

// floor(x / 2^n), 1 <= n <= 15: logical for 16U (the result fits 15 bits), else arithmetic.
template <class S, class D>
struct Right16 {
  V count;
  explicit Right16(int n) : count(_mm_cvtsi32_si128(n)) {}
  V operator()(V x) const {
    if constexpr (kUnsigned16<S>) return _mm_srl_epi16(x, count);
    const V r = _mm_sra_epi16(x, count);
    return kInto16U<D> ? _mm_max_epi16(r, _mm_setzero_si128()) : r;
  }
};

// x itself: 16U values from 32768 up saturate to 32767, negative values into 16U give 0.
template <class S, class D>
struct Keep16 {
  V operator()(V x) const {
    if constexpr (kUnsigned16<S>) return where(_mm_srai_epi16(x, 15), set16(32767), x);
    return kInto16U<D> ? _mm_max_epi16(x, _mm_setzero_si128()) : x;
  }
};

// x * 2^n for 1 <= n < H of D, compared before the shift: a source above c = bound >> n
// saturates, one at or below it shifts exactly.  When every source value shifts without
// leaving the lane's range (8-bit sources, small n), the shift alone is exact.
template <class S, class D>
struct Left16 {
  V count, c_hi, c_lo;
  bool fits;
  explicit Left16(int n)
      : count(_mm_cvtsi32_si128(n)),
        c_hi(set16((kInto16U<D> ? 65535 : 32767) >> n)),
        c_lo(set16(-(32768 >> n))),
        fits(!kUnsigned16<S> && Bounds<S>::hi <= ((kInto16U<D> ? 65535 : 32767) >> n) &&
             Bounds<S>::lo >= (-(32768 >> n))) {}
  V operator()(V x) const {
    if constexpr (kInto16U<D>) {  // n <= 15 and c_hi <= 32767; negative sources give 0
      const V p = _mm_max_epi16(x, _mm_setzero_si128());
      if (fits) return _mm_sll_epi16(p, count);
      return where(_mm_cmpgt_epi16(p, c_hi), set16(65535), _mm_sll_epi16(p, count));
    } else if constexpr (kUnsigned16<S>) {  // unsigned x <= c_hi exactly when x -sat c_hi is 0
      const V fit = _mm_cmpeq_epi16(_mm_subs_epu16(x, c_hi), _mm_setzero_si128());
      return where(fit, _mm_sll_epi16(x, count), set16(32767));
    } else {
      if (fits) return _mm_sll_epi16(x, count);
      const V r = where(_mm_cmpgt_epi16(x, c_hi), set16(32767), _mm_sll_epi16(x, count));
      return where(_mm_cmplt_epi16(x, c_lo), set16(-32768), r);
    }
  }
};

// The bound of each lane's sign (the upper bound of D as 16 bits), 0 for 0.
template <class S, class D>
struct SignFill16 {
  V operator()(V x) const {
    const V hi = set16(Bounds<D>::hi), lo = set16(Bounds<D>::lo), zero = _mm_setzero_si128();
    if constexpr (kUnsigned16<S>) return _mm_andnot_si128(_mm_cmpeq_epi16(x, zero), hi);
    return _mm_or_si128(_mm_and_si128(_mm_cmpgt_epi16(x, zero), hi),
                        _mm_and_si128(_mm_cmplt_epi16(x, zero), lo));
  }
};

// ---- one pass over the vector -----------------------------------------------------------

// Pairs of 8- and 16-bit types in 16-bit lanes, pairs with 32S in 32-bit lanes; the element
// loop is the rule itself.
template <class S, class D, class Op16, class Op32>
inline void pass(const S* src, D* dst, int len, int sf, const Op16& op16, const Op32& op32) {
  const auto elem = [&](int i) {
    cvt::put(dst + i, fixed::scale_saturate<D>(cvt::get(src + i), sf));
  };
  if constexpr (sizeof(S) <= 2 && sizeof(D) <= 2) {
    cvt::drive<block16<S, D>()>(
        src, dst, len,
        [&](auto mode, int i) { block16<decltype(mode)>(src + i, dst + i, op16); }, elem);
  } else {
    cvt::drive<4 * block_groups<S, D>()>(
        src, dst, len, [&](auto mode, int i) { block<decltype(mode)>(src + i, dst + i, op32); },
        elem);
  }
}

template <class S, class D>
inline QvxStatus convert(const S* src, D* dst, int len, int sf) {
  constexpr ZeroFill z = zero_fill_of<S, D>();
  constexpr Thresholds t{Bounds<D>::H, z.L};
  return fixed::scaled_call(fill_primitive<z.fill>(), dst, len, sf, t, [&] {
    const fixed::Plan p = fixed::plan(sf, t);
    switch (p.step) {
      case Step::Right:
        pass(src, dst, len, sf, Right16<S, D>(p.shift), RightShift(p.shift));
        break;
      case Step::Keep: pass(src, dst, len, sf, Keep16<S, D>(), Keep()); break;
      case Step::Left:
        pass(src, dst, len, sf, Left16<S, D>(p.shift), LeftShift<S, D>(p.shift));
        break;
      case Step::SignFill: pass(src, dst, len, sf, SignFill16<S, D>(), SignFill<D>()); break;
      case Step::ZeroFill: break;  // taken by scaled_call
    }
  });
}

}  // namespace

#define QVX_INT_CONVERT(S, D, TS, TD)                                                        \
  QVX_DEFINE(QvxStatus, Vector_TypeConvertShift_##S##_##D,                                   \
             (const TS* src, TD* dst, int len, int scaleFactor)) {                           \
    return convert(src, dst, len, scaleFactor);                                              \
  }

// clang-format off
QVX_INT_CONVERT(8U, 8S, Qvx8u, Qvx8s)
QVX_INT_CONVERT(8U, 16U, Qvx8u, Qvx16u)
QVX_INT_CONVERT(8U, 16S, Qvx8u, Qvx16s)
QVX_INT_CONVERT(8U, 32S, Qvx8u, Qvx32s)
QVX_INT_CONVERT(8S, 8U, Qvx8s, Qvx8u)
QVX_INT_CONVERT(8S, 16U, Qvx8s, Qvx16u)
QVX_INT_CONVERT(8S, 16S, Qvx8s, Qvx16s)
QVX_INT_CONVERT(8S, 32S, Qvx8s, Qvx32s)
QVX_INT_CONVERT(16U, 8U, Qvx16u, Qvx8u)
QVX_INT_CONVERT(16U, 8S, Qvx16u, Qvx8s)
QVX_INT_CONVERT(16U, 16S, Qvx16u, Qvx16s)
QVX_INT_CONVERT(16U, 32S, Qvx16u, Qvx32s)
QVX_INT_CONVERT(16S, 8U, Qvx16s, Qvx8u)
QVX_INT_CONVERT(16S, 8S, Qvx16s, Qvx8s)
QVX_INT_CONVERT(16S, 16U, Qvx16s, Qvx16u)
QVX_INT_CONVERT(16S, 32S, Qvx16s, Qvx32s)
QVX_INT_CONVERT(32S, 8U, Qvx32s, Qvx8u)
QVX_INT_CONVERT(32S, 8S, Qvx32s, Qvx8s)
QVX_INT_CONVERT(32S, 16U, Qvx32s, Qvx16u)
QVX_INT_CONVERT(32S, 16S, Qvx32s, Qvx16s)
// clang-format on
