// Thresholds: every element compared with one or two levels and replaced, where it lies
// beyond a level, by the level itself or by a value the caller gives.
//
// Every comparison is strict and made in the element type: 8U and 16U as unsigned values,
// 16S and 32S as signed ones, 32F and 64F by ordered IEEE comparison, which is false with a
// NaN on either side.  So a NaN element is stored unchanged, a NaN level replaces nothing,
// and a NaN value is stored wherever its test holds.
#include "core/export.h"
#include "core/loops.h"

namespace {

using namespace qvx;
using simd::select;

// One expression per rule, for elements and for registers alike: x is the element (or a
// register of them), the levels and values come as constants.  A comparison of registers
// gives a lane mask, which select() takes as the element loop takes a condition.
// LT: level where x > level, i.e. where level < x: the minimum with level as first operand
// (which passes the second, x, on ties and NaNs); GT the mirror.
constexpr auto lt = [](auto x, auto level) { return simd::vmin(level, x); };
constexpr auto gt = [](auto x, auto level) { return simd::vmax(level, x); };
constexpr auto lt_val = [](auto x, auto level, auto val) { return select(x > level, val, x); };
constexpr auto gt_val = [](auto x, auto level, auto val) { return select(x < level, val, x); };
// Two levels: the upper test comes first and decides alone; the lower test is made only for
// elements not above hi.  With inverted levels (lo > hi) every element above hi becomes
// hi_val and every other one (NaN elements aside) lo_val.
constexpr auto two_levels = [](auto x, auto lo, auto hi, auto lo_val, auto hi_val) {
  return select(x > hi, hi_val, select(x < lo, lo_val, x));
};

// dst[i] = rule(src[i], constants...): each block of elements is read whole before it is
// stored, so dst may be src.
template <class T, class Rule, class... C>
inline QvxStatus each(const T* src, T* dst, int len, Rule rule, C... c) {
  map(len, Out<T>{dst}, rule, In<T>{src}, constant(c)...);
  return QVX_STS_NO_ERR;
}

// A value equal to its level (ordered equality: a NaN never is) runs the plain form, which
// stores the level itself.  That is the value except where the two are zeros of opposite
// sign: then the level's zero is stored.
template <class T>
inline QvxStatus lt_plain_or_val(const T* src, T* dst, T level, T val, int len) {
  if (val == level) return each(src, dst, len, lt, level);
  return each(src, dst, len, lt_val, level, val);
}
template <class T>
inline QvxStatus gt_plain_or_val(const T* src, T* dst, T level, T val, int len) {
  if (val == level) return each(src, dst, len, gt, level);
  return each(src, dst, len, gt_val, level, val);
}

// Levels not inverted (lo > hi false, NaN levels included): the GT form then the LT form
// give the rule.  An element above hi passes GT unchanged (it is not below lo <= hi) and
// LT makes it hi; one below lo becomes lo, which LT keeps; a NaN element or a NaN level
// passes both unchanged, as it does the rule's comparisons.
constexpr auto ordered_clamp = [](auto x, auto lo, auto hi) { return lt(gt(x, lo), hi); };

template <class T>
inline QvxStatus clamp(const T* src, T* dst, T lo, T hi, int len) {
  if (!(lo > hi)) return each(src, dst, len, ordered_clamp, lo, hi);
  return each(src, dst, len, two_levels, lo, hi, lo, hi);
}

// As for one level: both values equal to their levels run the plain form.
template <class T>
inline QvxStatus clamp_or_val(const T* src, T* dst, T lo, T hi, T lo_val, T hi_val, int len) {
  if (lo_val == lo && hi_val == hi) return clamp(src, dst, lo, hi, len);
  return each(src, dst, len, two_levels, lo, hi, lo_val, hi_val);
}

}  // namespace

// Every member: an operation's row for each element type.
#define QVX_THRESHOLD(Sfx, T)                                                           \
  QVX_DEFINE(QvxStatus, Vector_Threshold_##Sfx,                                         \
             (const T* src, T* dst, T levelLo, T levelHi, int len)) {                   \
    return clamp(src, dst, levelLo, levelHi, len);                                      \
  }
#define QVX_THRESHOLD_VAL(Sfx, T)                                                       \
  QVX_DEFINE(QvxStatus, Vector_ThresholdVal_##Sfx,                                      \
             (const T* src, T* dst, T levelLo, T levelHi, T valLo, T valHi, int len)) { \
    return clamp_or_val(src, dst, levelLo, levelHi, valLo, valHi, len);                 \
  }
#define QVX_THRESHOLD_LT(Sfx, T)                                                               \
  QVX_DEFINE(QvxStatus, Vector_ThresholdLT_##Sfx, (const T* src, T* dst, T level, int len)) { \
    return each(src, dst, len, lt, level);                                                    \
  }
#define QVX_THRESHOLD_GT(Sfx, T)                                                               \
  QVX_DEFINE(QvxStatus, Vector_ThresholdGT_##Sfx, (const T* src, T* dst, T level, int len)) { \
    return each(src, dst, len, gt, level);                                                    \
  }
#define QVX_THRESHOLD_LT_VAL(Sfx, T)                                       \
  QVX_DEFINE(QvxStatus, Vector_ThresholdLTVal_##Sfx,                       \
             (const T* src, T* dst, T level, T val, int len)) {            \
    return lt_plain_or_val(src, dst, level, val, len);                     \
  }
#define QVX_THRESHOLD_GT_VAL(Sfx, T)                                       \
  QVX_DEFINE(QvxStatus, Vector_ThresholdGTVal_##Sfx,                       \
             (const T* src, T* dst, T level, T val, int len)) {            \
    return gt_plain_or_val(src, dst, level, val, len);                     \
  }

QVX_EACH_ORDERED(QVX_THRESHOLD)
QVX_EACH_ORDERED(QVX_THRESHOLD_VAL)
QVX_EACH_ORDERED(QVX_THRESHOLD_LT)
QVX_EACH_ORDERED(QVX_THRESHOLD_GT)
QVX_EACH_ORDERED(QVX_THRESHOLD_LT_VAL)
QVX_EACH_ORDERED(QVX_THRESHOLD_GT_VAL)
