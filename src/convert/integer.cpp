// Integer conversions: the scale-and-saturate rule of fixed/scale.h with the source element
// as the exact result R and the destination type as T, for every ordered pair of 8U, 8S,
// 16U, 16S and 32S.  One template serves all twenty pairs; the zero-fill threshold L of each
// pair is the one piece of data that differs, kept below as the matrix it is defined by.
#include <limits.h>

#include <type_traits>

#include "convert/blocks.h"
#include "core/export.h"
#include "core/loops.h"
#include "fixed/scale.h"

namespace {

using namespace qvx;
using fixed::Bounds;
using fixed::Step;
using fixed::Thresholds;
using simd::Vec;

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

// ---- the block path ---------------------------------------------------------------------
//
// Pairs of 8- and 16-bit types work in 16-bit lanes, pairs with 32S in 32-bit lanes.  Every
// source value but those of 16U fits a signed 16-bit lane; a 16U source keeps its bits there
// and the steps read it as unsigned.  Each step produces, per lane, the scaled value
// saturated to the lane (the narrowing store then clamps to D); a 16U destination in 16-bit
// lanes gets its exact value, clamped to [0, 65535], as the bits of the lane.

template <class S> constexpr bool kUnsigned16 = std::is_same<S, Qvx16u>::value;
template <class D> constexpr bool kInto16U = std::is_same<D, Qvx16u>::value;

template <class L>
inline Vec<L> splat_lane(int64_t v) {
  return simd::splat<L>(static_cast<L>(static_cast<simd::uint_t<L>>(v)));
}

// floor(x / 2^n), 1 <= n <= lane width - 1.
template <class S, class D, class L>
struct RightShift {
  int n;
  explicit RightShift(int count) : n(count) {}
  Vec<L> operator()(Vec<L> x) const {
    if constexpr (sizeof(L) == 2 && kUnsigned16<S>) {
      return simd::as<L>(simd::as<uint16_t>(x) >> n);  // the result fits 15 bits
    } else {
      const Vec<L> r = x >> n;
      return sizeof(L) == 2 && kInto16U<D> ? simd::vmax(r, Vec<L>{}) : r;
    }
  }
};

// x itself: in 16-bit lanes 16U values from 32768 up saturate to 32767 and negative values
// into 16U give 0; 32-bit lanes are clamped by the store.
template <class S, class D, class L>
struct Keep {
  Vec<L> operator()(Vec<L> x) const {
    if constexpr (sizeof(L) == 4) {
      return x;
    } else if constexpr (kUnsigned16<S>) {
      return simd::select(x < 0, splat_lane<L>(32767), x);
    } else {
      return kInto16U<D> ? simd::vmax(x, Vec<L>{}) : x;
    }
  }
};

// x * 2^n for 1 <= n < H of D, compared before the shift: a source above bound >> n
// saturates, one at or below it shifts exactly.
template <class S, class D, class L>
struct LeftShift {
  int n;
  Vec<L> c_hi, c_lo;
  bool fits;  // every source value shifts without leaving the lane (8-bit sources, small n)
  explicit LeftShift(int count)
      : n(count),
        c_hi(splat_lane<L>((sizeof(L) == 2 ? (kInto16U<D> ? 65535 : 32767) : Bounds<D>::hi) >> count)),
        c_lo(splat_lane<L>(sizeof(L) == 2 ? -(32768 >> count) : (Bounds<D>::lo >> count))),
        fits(sizeof(L) == 2 && !kUnsigned16<S> &&
             Bounds<S>::hi <= ((kInto16U<D> ? 65535 : 32767) >> count) &&
             Bounds<S>::lo >= (-(32768 >> count))) {}
  Vec<L> shifted(Vec<L> x) const { return simd::as<L>(simd::as<simd::uint_t<L>>(x) << n); }
  Vec<L> operator()(Vec<L> x) const {
    if constexpr (sizeof(L) == 4) {
      if constexpr (std::is_same<D, Qvx32s>::value) {
        // The shifted value may pass 2^31: hi >> n and lo >> n are the last sources that
        // stay in range.
        return simd::select(x > c_hi, splat_lane<L>(Bounds<D>::hi),
                            simd::select(x < c_lo, splat_lane<L>(Bounds<D>::lo), shifted(x)));
      } else {
        // n <= 15 here.  Sources beyond +-2^15 saturate after any shift of 1 or more, and
        // clamping them to +-2^15 keeps the shifted value within 2^30; the store saturates.
        if constexpr (std::is_same<S, Qvx32s>::value) {
          x = simd::vmin(simd::vmax(x, splat_lane<L>(-32768)), splat_lane<L>(32768));
        }
        return shifted(x);
      }
    } else if constexpr (kInto16U<D>) {  // n <= 15 and c_hi <= 32767; negatives give 0
      const Vec<L> p = simd::vmax(x, Vec<L>{});
      if (fits) return shifted(p);
      return simd::select(p > c_hi, splat_lane<L>(65535), shifted(p));
    } else if constexpr (kUnsigned16<S>) {  // unsigned x <= c_hi exactly when x -sat c_hi is 0
      const auto fit = simd::subs(simd::as<uint16_t>(x), simd::as<uint16_t>(c_hi)) == 0;
      return simd::select(fit, shifted(x), splat_lane<L>(32767));
    } else {
      if (fits) return shifted(x);
      const Vec<L> r = simd::select(x > c_hi, splat_lane<L>(32767), shifted(x));
      return simd::select(x < c_lo, splat_lane<L>(-32768), r);
    }
  }
};

// The bound of each lane's sign (the bounds of D as lane values), 0 for 0.
template <class S, class D, class L>
struct SignFill {
  Vec<L> operator()(Vec<L> x) const {
    const Vec<L> hi = splat_lane<L>(Bounds<D>::hi), lo = splat_lane<L>(Bounds<D>::lo);
    if constexpr (sizeof(L) == 2 && kUnsigned16<S>) return simd::select(x != 0, hi, Vec<L>{});
    return simd::select(x > 0, hi, simd::select(x < 0, lo, Vec<L>{}));
  }
};

// ---- one pass over the vector -----------------------------------------------------------

template <class S, class D>
using lane_of = std::conditional_t<sizeof(S) <= 2 && sizeof(D) <= 2, int16_t, int32_t>;

template <class S, class D, class Op>
inline void pass(const S* src, D* dst, int len, int sf, const Op& op) {
  using L = lane_of<S, D>;
  constexpr int W = kLanes<S> > kLanes<D> ? kLanes<S> : kLanes<D>;
  map(len, Out<D>{dst},
      rule([&](S x) { return fixed::scale_saturate<D>(x, sf); },
           [&](Pack<L, W / kLanes<L>> lanes) {
             for (auto& v : lanes.v) v = op(v);
             return cvt::from_pack<D, W>(cvt::narrow<D>(lanes));
           }),
      cvt::InWide<S, L>{src});
}

template <class S, class D>
inline QvxStatus convert(const S* src, D* dst, int len, int sf) {
  using L = lane_of<S, D>;
  constexpr ZeroFill z = zero_fill_of<S, D>();
  constexpr Thresholds t{Bounds<D>::H, z.L};
  return fixed::scaled_call(fill_primitive<z.fill>(), dst, len, sf, t, [&] {
    const fixed::Plan p = fixed::plan(sf, t);
    switch (p.step) {
      case Step::Right: pass(src, dst, len, sf, RightShift<S, D, L>(p.shift)); break;
      case Step::Keep: pass(src, dst, len, sf, Keep<S, D, L>()); break;
      case Step::Left: pass(src, dst, len, sf, LeftShift<S, D, L>(p.shift)); break;
      case Step::SignFill: pass(src, dst, len, sf, SignFill<S, D, L>()); break;
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
