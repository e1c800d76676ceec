// The loop driver: the one place that decides between the vector path and the element loop,
// and that owns unrolling, tails and streaming stores.
//
// The element rule is the definition of every primitive; a vector path is an optimisation
// that gives the same bits.  A family states its rule once, as a function (usually a generic
// lambda) that map() calls on elements for the element loop and on blocks of registers for
// the vector path, and names its arrays by kind (below).  Building with
// QVX_ELEMENT_LOOPS_ONLY compiles every vector path out; the tests compare both builds.
//
// When the vector path gives the element loop's bits.  The element loop reads all of
// element i before it stores element i, in ascending order.  The vector path loads a block
// of elements whole before it stores it, blocks in ascending order.  For a destination and a
// source with the same bytes per element that is exact when the destination starts at or
// before the source (nothing is overwritten before it is read, in either loop) or at least
// one block after it (every element a block reads was, or was not, overwritten exactly as in
// the element loop); in place (the same array) is the first case.  Arrays of different
// element widths must not overlap at all, and two destinations must not overlap.  Elsewhere
// the element loop runs, and gives the result of its ascending order.
#ifndef QVX_CORE_LOOPS_H
#define QVX_CORE_LOOPS_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <type_traits>

#include "core/simd.h"

namespace qvx {

#ifdef QVX_ELEMENT_LOOPS_ONLY
constexpr bool kSimd = false;
#else
constexpr bool kSimd = true;
#endif

using simd::kLanes;
using simd::Vec;

// ---- element access ------------------------------------------------------------------------

// Element access of the element loops.  Arrays may overlap, also with other element types
// and at distances that are not whole elements; byte-wise access keeps each element read
// whole before its own result is stored and every later element read after it (typed
// accesses would let the compiler assume that arrays of different types never overlap).
template <class T>
inline T get(const T* p) {
  T v;
  memcpy(&v, p, sizeof v);
  return v;
}
template <class T>
inline void put(T* p, T v) {
  memcpy(p, &v, sizeof v);
}

// ---- the overlap rule ----------------------------------------------------------------------

// An array as the driver sees it: element i starts at p + i * stride.
struct Span {
  const void* p;
  size_t stride;
};

// True when the byte ranges [a, a + a_bytes) and [b, b + b_bytes) share no byte.
inline bool disjoint(const void* a, size_t a_bytes, const void* b, size_t b_bytes) {
  const uintptr_t x = reinterpret_cast<uintptr_t>(a), y = reinterpret_cast<uintptr_t>(b);
  return x >= y ? x - y >= b_bytes : y - x >= a_bytes;
}

// True when blocks of w elements reproduce the element loop for destination d and source s
// over len elements (see the top of this file).
inline bool blocks_exact(Span d, Span s, int len, int w) {
  const uintptr_t dp = reinterpret_cast<uintptr_t>(d.p), sp = reinterpret_cast<uintptr_t>(s.p);
  if (d.stride == s.stride) return dp <= sp || dp - sp >= d.stride * static_cast<size_t>(w);
  const size_t n = len > 0 ? static_cast<size_t>(len) : 0;
  return disjoint(d.p, d.stride * n, s.p, s.stride * n);
}

// ---- counts --------------------------------------------------------------------------------

// The element count of a complex vector as its scalar count, for the forms that hand
// 2*len scalars to a real form.  A len below 1 stays below 1 (INT_MIN where 2*len would wrap
// to a positive count), so an empty vector stays empty; from 2^30 elements on the count
// wraps to empty.
inline int twice(int len) {
  if (len < 1) return len < -0x3FFFFFFF ? -0x7FFFFFFF - 1 : 2 * len;
  return static_cast<int>(static_cast<uint32_t>(len) * 2u);
}

// ---- blocks --------------------------------------------------------------------------------

// K registers of T: the block of a type with fewer lanes than the widest one in a map.
template <class T, int K>
struct Pack {
  Vec<T> v[K];
};
// A complex value: of scalars in the element loop, of registers (or packs) in a block.
template <class T>
struct Cx {
  T re, im;
};

}  // namespace qvx

namespace qvx {
namespace simd {
template <class T, int K>
struct IsBlock<Pack<T, K>> : std::true_type {};
template <class T>
struct IsBlock<Cx<T>> : std::integral_constant<bool, is_block<T>> {};
}  // namespace simd

// W elements of T: one register, or K of them.  Chosen before either type is formed, so that
// the kinds serve element types that have no register (complex structures) in the element
// loop.
namespace detail {
template <class T, int W>
struct PackOf {
  typedef Pack<T, W / kLanes<T>> type;
};
}  // namespace detail
template <class T, int W>
using Block =
    typename std::conditional_t<W == kLanes<T>, simd::VecOf<T>, detail::PackOf<T, W>>::type;

namespace blocks {

template <class T, int W>
inline Block<T, W> load(const T* p) {
  static_assert(W % kLanes<T> == 0, "whole registers");
  if constexpr (W == kLanes<T>) {
    return simd::load(p);
  } else {
    Block<T, W> b;
    for (int k = 0; k < W / kLanes<T>; ++k) b.v[k] = simd::load(p + k * kLanes<T>);
    return b;
  }
}
// The first n of W elements; the others load as 0.
template <class T, int W>
inline Block<T, W> load_first(const T* p, int n) {
  if constexpr (W == kLanes<T>) {
    return simd::load_first(p, n);
  } else {
    Block<T, W> b;
    for (int k = 0; k < W / kLanes<T>; ++k) {
      const int m = n - k * kLanes<T>;
      b.v[k] = m >= kLanes<T> ? simd::load(p + k * kLanes<T>)
               : m > 0        ? simd::load_first(p + k * kLanes<T>, m)
                              : Vec<T>{};
    }
    return b;
  }
}
template <bool Stream, class T>
inline void store_reg(T* p, Vec<T> v) {
  if constexpr (Stream) {
    simd::stream(p, v);
  } else {
    simd::store(p, v);
  }
}
template <bool Stream, class T, int W>
inline void store(T* p, const Block<T, W>& b) {
  if constexpr (W == kLanes<T>) {
    store_reg<Stream>(p, b);
  } else {
    for (int k = 0; k < W / kLanes<T>; ++k) store_reg<Stream>(p + k * kLanes<T>, b.v[k]);
  }
}
template <class T, int W>
inline void store_first(T* p, const Block<T, W>& b, int n) {
  if constexpr (W == kLanes<T>) {
    simd::store_first(p, b, n);
  } else {
    for (int k = 0; k < W / kLanes<T>; ++k) {
      const int m = n - k * kLanes<T>;
      if (m >= kLanes<T>) simd::store(p + k * kLanes<T>, b.v[k]);
      else if (m > 0) simd::store_first(p + k * kLanes<T>, b.v[k], m);
    }
  }
}
template <class T, int W>
inline Block<T, W> splat(T x) {
  if constexpr (W == kLanes<T>) {
    return simd::splat(x);
  } else {
    Block<T, W> b;
    for (auto& r : b.v) r = simd::splat(x);
    return b;
  }
}

}  // namespace blocks

// ---- the kinds of arrays a map reads and writes --------------------------------------------
//
// A kind gives element i as a value (at) and the W elements from i as a block (vat), and
// stores them (put, vput); kWidth is the number of elements its natural block holds (the
// driver takes blocks of the widest kind of a map).  The _first forms take the first n
// elements of a block, for masked tails.
//
//   kind                                   the array                   its block
//   In<T>, Out<T>                          real                        Block<T, W>
//   Deinterleaved<T>, OutDeinterleaved<T>  interleaved complex         Cx of registers: the real
//                                                                      parts, the imaginary parts
//   Interleaved<T>, OutInterleaved<T>      interleaved complex         registers of (re, im, ...)
//                                                                      as in memory
//   Split<T>, OutSplit<T>                  complex as two real arrays  Cx of registers
//   Mirrored<K>                            a source of kind K read     K's block, its elements
//                                          from its end                in reverse order
//   Const<V, B>                            a constant: V in the element loop, B in a block

template <class T>
struct In {
  const T* p;
  static constexpr int kWidth = kLanes<T>;
  static constexpr bool kMaskable = true;
  int spans(Span* s) const {
    s[0] = {p, sizeof(T)};
    return 1;
  }
  T at(int i) const { return get(p + i); }
  template <int W>
  Block<T, W> vat(int i) const { return blocks::load<T, W>(p + i); }
  template <int W>
  Block<T, W> vat_first(int i, int n) const { return blocks::load_first<T, W>(p + i, n); }
};

template <class T>
struct Out {
  T* p;
  static constexpr int kWidth = kLanes<T>;
  static constexpr bool kMaskable = true;
  static constexpr size_t kStride = sizeof(T);
  int spans(Span* s) const {
    s[0] = {p, sizeof(T)};
    return 1;
  }
  const void* base() const { return p; }
  void put(int i, T v) const { qvx::put(p + i, v); }
  template <int W, bool Stream = false>
  void vput(int i, const Block<T, W>& b) const { blocks::store<Stream, T, W>(p + i, b); }
  template <int W>
  void vput_first(int i, const Block<T, W>& b, int n) const { blocks::store_first<T, W>(p + i, b, n); }
};

// Interleaved complex scalars (re, im, re, im, ...): element i is the pair at 2i; a block
// holds the real parts of kLanes<T> elements in one register and their imaginary parts in
// another.
template <class T>
struct Deinterleaved {
  const T* p;
  static constexpr int kWidth = kLanes<T>;
  static constexpr bool kMaskable = true;
  int spans(Span* s) const {
    s[0] = {p, 2 * sizeof(T)};
    return 1;
  }
  Cx<T> at(int i) const { return {get(p + 2 * size_t(i)), get(p + 2 * size_t(i) + 1)}; }
  static Cx<Vec<T>> gather(Vec<T> a, Vec<T> b) { return {simd::evens(a, b), simd::odds(a, b)}; }
  template <int W>
  Cx<Vec<T>> vat(int i) const {
    static_assert(W == kWidth, "complex blocks are one register per part");
    const T* q = p + 2 * size_t(i);
    return gather(simd::load(q), simd::load(q + kLanes<T>));
  }
  template <int W>
  Cx<Vec<T>> vat_first(int i, int n) const {
    const Block<T, 2 * W> b = blocks::load_first<T, 2 * W>(p + 2 * size_t(i), 2 * n);
    return gather(b.v[0], b.v[1]);
  }
};

template <class T>
struct OutDeinterleaved {
  T* p;
  static constexpr int kWidth = kLanes<T>;
  static constexpr bool kMaskable = true;
  static constexpr size_t kStride = 2 * sizeof(T);
  int spans(Span* s) const {
    s[0] = {p, 2 * sizeof(T)};
    return 1;
  }
  const void* base() const { return p; }
  void put(int i, Cx<T> v) const {
    qvx::put(p + 2 * size_t(i), v.re);
    qvx::put(p + 2 * size_t(i) + 1, v.im);
  }
  static Pack<T, 2> scatter(const Cx<Vec<T>>& v) {
    return {{simd::zip_lo(v.re, v.im), simd::zip_hi(v.re, v.im)}};
  }
  template <int W, bool Stream = false>
  void vput(int i, const Cx<Vec<T>>& v) const {
    blocks::store<Stream, T, 2 * W>(p + 2 * size_t(i), scatter(v));
  }
  template <int W>
  void vput_first(int i, const Cx<Vec<T>>& v, int n) const {
    blocks::store_first<T, 2 * W>(p + 2 * size_t(i), scatter(v), 2 * n);
  }
};

// Interleaved complex scalars kept interleaved: a register holds kLanes<T> / 2 elements.
template <class T>
struct Interleaved {
  const T* p;
  static constexpr int kWidth = kLanes<T> / 2;
  static constexpr bool kMaskable = true;
  int spans(Span* s) const {
    s[0] = {p, 2 * sizeof(T)};
    return 1;
  }
  Cx<T> at(int i) const { return {get(p + 2 * size_t(i)), get(p + 2 * size_t(i) + 1)}; }
  template <int W>
  Block<T, 2 * W> vat(int i) const { return blocks::load<T, 2 * W>(p + 2 * size_t(i)); }
  template <int W>
  Block<T, 2 * W> vat_first(int i, int n) const {
    return blocks::load_first<T, 2 * W>(p + 2 * size_t(i), 2 * n);
  }
};

template <class T>
struct OutInterleaved {
  T* p;
  static constexpr int kWidth = kLanes<T> / 2;
  static constexpr bool kMaskable = true;
  static constexpr size_t kStride = 2 * sizeof(T);
  int spans(Span* s) const {
    s[0] = {p, 2 * sizeof(T)};
    return 1;
  }
  const void* base() const { return p; }
  void put(int i, Cx<T> v) const {
    qvx::put(p + 2 * size_t(i), v.re);
    qvx::put(p + 2 * size_t(i) + 1, v.im);
  }
  template <int W, bool Stream = false>
  void vput(int i, const Block<T, 2 * W>& b) const {
    blocks::store<Stream, T, 2 * W>(p + 2 * size_t(i), b);
  }
  template <int W>
  void vput_first(int i, const Block<T, 2 * W>& b, int n) const {
    blocks::store_first<T, 2 * W>(p + 2 * size_t(i), b, 2 * n);
  }
};

template <class T>
struct Split {
  const T* re;
  const T* im;
  static constexpr int kWidth = kLanes<T>;
  static constexpr bool kMaskable = true;
  int spans(Span* s) const {
    s[0] = {re, sizeof(T)};
    s[1] = {im, sizeof(T)};
    return 2;
  }
  Cx<T> at(int i) const { return {get(re + i), get(im + i)}; }
  template <int W>
  Cx<Block<T, W>> vat(int i) const { return {blocks::load<T, W>(re + i), blocks::load<T, W>(im + i)}; }
  template <int W>
  Cx<Block<T, W>> vat_first(int i, int n) const {
    return {blocks::load_first<T, W>(re + i, n), blocks::load_first<T, W>(im + i, n)};
  }
};

template <class T>
struct OutSplit {
  T* re;
  T* im;
  static constexpr int kWidth = kLanes<T>;
  static constexpr bool kMaskable = true;
  static constexpr size_t kStride = 0;  // two arrays: never streamed
  int spans(Span* s) const {
    s[0] = {re, sizeof(T)};
    s[1] = {im, sizeof(T)};
    return 2;
  }
  const void* base() const { return re; }
  void put(int i, Cx<T> v) const {
    qvx::put(re + i, v.re);
    qvx::put(im + i, v.im);
  }
  template <int W, bool Stream = false>
  void vput(int i, const Cx<Block<T, W>>& v) const {
    blocks::store<false, T, W>(re + i, v.re);
    blocks::store<false, T, W>(im + i, v.im);
  }
  template <int W>
  void vput_first(int i, const Cx<Block<T, W>>& v, int n) const {
    blocks::store_first<T, W>(re + i, v.re, n);
    blocks::store_first<T, W>(im + i, v.im, n);
  }
};

// A source of kind K (In or Interleaved) read from its last element down, for reversals:
// element i is K's element len - 1 - i, and a block the W elements that end at len - i in
// reverse order.
// A map with a mirrored source takes blocks only where no destination shares a byte with a
// source (the first results would overwrite elements not yet read); elsewhere the element
// loop runs, and its ascending order defines the result.  No masked tail: the last block's
// elements are the array's first, which a masked load leaves in the register's low lanes.
template <class K>
struct Mirrored {
  K k;
  int len;
  static constexpr int kWidth = K::kWidth;
  static constexpr bool kMaskable = false;
  int spans(Span* s) const { return k.spans(s); }
  auto at(int i) const { return k.at(len - 1 - i); }
  template <int W>
  auto vat(int i) const {
    static_assert(W == kWidth, "one register of K");
    const auto v = k.template vat<W>(len - i - W);
    constexpr int per = static_cast<int>(sizeof v / sizeof v[0]) / W;  // lanes to an element
    static_assert(per == 1 || per == 2, "elements of one lane or a pair");
    if constexpr (per == 1) {
      return simd::reverse(v);
    } else {
      return simd::reverse_pairs(v);
    }
  }
};
template <class K>
inline Mirrored<K> mirrored(K k, int len) {
  return {k, len};
}
template <class A>
struct IsMirrored : std::false_type {};
template <class K>
struct IsMirrored<Mirrored<K>> : std::true_type {};

// A constant operand: the value for the element loop, the block for the vector path (built
// once per call).
template <class V, class B>
struct Const {
  V v;
  B b;
  static constexpr int kWidth = 1;
  static constexpr bool kMaskable = true;
  int spans(Span*) const { return 0; }
  V at(int) const { return v; }
  template <int W>
  B vat(int) const { return b; }
  template <int W>
  B vat_first(int, int) const { return b; }
};
// A real constant, for blocks of kLanes<T> elements.
template <class T>
inline Const<T, Vec<T>> constant(T v) {
  return {v, simd::splat(v)};
}
// A complex constant for Deinterleaved and Split blocks.
template <class T>
inline Const<Cx<T>, Cx<Vec<T>>> complex_constant(T re, T im) {
  return {{re, im}, {simd::splat(re), simd::splat(im)}};
}
// A complex constant for Interleaved blocks: (re, im) repeated along the register.
template <class T>
inline Const<Cx<T>, Vec<T>> interleaved_constant(T re, T im) {
  Vec<T> v;
  for (int k = 0; k < kLanes<T>; ++k) v[k] = k % 2 ? im : re;
  return {{re, im}, v};
}

// ---- map -----------------------------------------------------------------------------------

// Destinations that move this many bytes or more (all arrays together) are written with
// streaming stores when they share no byte with a source: data that large do not stay in the
// last-level cache from one pass to the next anyway, and streaming stores do not read each
// destination line before writing it, which otherwise adds up to half again to the memory
// traffic.  Below it, plain stores keep the destination in cache for whatever reads it next.
constexpr size_t kStreamBytes = size_t(32) << 20;

namespace detail {

template <class D, class... A>
inline bool all_exact(int len, int w, const D& dst, const A&... in) {
  Span d[2], s[16];
  const int nd = dst.spans(d);
  int ns = 0;
  ((ns += in.spans(s + ns)), ...);
  for (int k = 0; k < nd; ++k) {
    for (int j = 0; j < ns; ++j) {
      if constexpr ((IsMirrored<A>::value || ...)) {
        if (!disjoint(d[k].p, d[k].stride * size_t(len), s[j].p, s[j].stride * size_t(len)))
          return false;
      } else if (!blocks_exact(d[k], s[j], len, w)) {
        return false;
      }
    }
    for (int j = k + 1; j < nd; ++j)
      if (!disjoint(d[k].p, d[k].stride * size_t(len), d[j].p, d[j].stride * size_t(len)))
        return false;
  }
  return true;
}

// all_exact, with a copy's single pair of arrays checked in line, which short copies feel.
template <bool Copy, class D, class... A>
inline bool exact(int len, int w, const D& dst, const A&... in) {
  if constexpr (Copy) {
    Span d, s;
    dst.spans(&d);
    (in.spans(&s), ...);
    return blocks_exact(d, s, len, w);
  } else {
    return all_exact(len, w, dst, in...);
  }
}

template <class D, class... A>
inline bool all_disjoint(int len, const D& dst, const A&... in) {
  Span d[2], s[16];
  const int nd = dst.spans(d);
  int ns = 0;
  ((ns += in.spans(s + ns)), ...);
  size_t bytes = 0;
  for (int k = 0; k < nd; ++k) {
    bytes += d[k].stride * size_t(len);
    for (int j = 0; j < ns; ++j)
      if (!disjoint(d[k].p, d[k].stride * size_t(len), s[j].p, s[j].stride * size_t(len)))
        return false;
  }
  for (int j = 0; j < ns; ++j) bytes += s[j].stride * size_t(len);
  return bytes >= kStreamBytes;
}

template <int A, int... B>
constexpr int widest() {
  if constexpr (sizeof...(B) == 0) {
    return A;
  } else {
    constexpr int rest = widest<B...>();
    return A > rest ? A : rest;
  }
}

}  // namespace detail

// A rule given as its element function alone, for rules with no block form (a call to the C
// library per element, table look-ups, cases too rare for a vector path): map runs its
// element loop alone, with the same order and element accesses, so that a destination may
// be a source as in any map.
template <class E>
struct ElementsOnly {
  E elem;
  template <class... X>
  auto operator()(const X&... x) const {
    return elem(x...);
  }
};
template <class E>
constexpr ElementsOnly<E> elements_only(E elem) {
  return {elem};
}
template <class F>
struct IsElementsOnly : std::false_type {};
template <class E>
struct IsElementsOnly<ElementsOnly<E>> : std::true_type {};

// The identity rule: map with it is a copy.  Copies are bound by memory alone, so the
// driver takes their blocks four to an iteration, streamed or not, where other rules go two
// (or, streamed, one).
struct Identity {
  template <class X>
  X operator()(const X& x) const {
    return x;
  }
};
constexpr Identity identity{};

// dst[i] = f(in[i]...) for i in [0, len); nothing at all for len < 1.  f is called on
// elements (values of the kinds) in the element loop and on blocks in the vector path; it
// must give the same bits for both (or be given as elements_only).  Blocks go two to an
// iteration (a copy's four), then one at a time; the tail is one masked block where the instruction
// set has masked loads and stores, else the element loop.
template <class D, class F, class... A>
inline void map(int len, D dst, F f, A... in) {
  constexpr int W = detail::widest<D::kWidth, A::kWidth...>();
  constexpr bool kCopy = std::is_same<F, Identity>::value;
  const auto elem = [&](int i) { dst.put(i, f(in.at(i)...)); };
  int i = 0;
  if constexpr (kSimd && !IsElementsOnly<F>::value) {
    if (len > 0 && detail::exact<kCopy>(len, W, dst, in...)) {
      const auto block = [&](int k) { dst.template vput<W>(k, f(in.template vat<W>(k)...)); };
      if (D::kStride != 0 && size_t(len) * D::kStride * (1 + sizeof...(A)) >= kStreamBytes / 2 &&
          detail::all_disjoint(len, dst, in...)) {
        // Streaming stores need the destination aligned to the register width: the elements
        // before the first aligned block go one at a time.
        const uintptr_t a = reinterpret_cast<uintptr_t>(dst.base());
        if (a % D::kStride == 0) {
          const int head =
              static_cast<int>(((simd::kBytes - a % simd::kBytes) % simd::kBytes) / D::kStride);
          for (; i < head && i < len; ++i) elem(i);
          if constexpr (kCopy) {
            for (const int last = len - 4 * W; i <= last; i += 4 * W) {
              dst.template vput<W, true>(i, f(in.template vat<W>(i)...));
              dst.template vput<W, true>(i + W, f(in.template vat<W>(i + W)...));
              dst.template vput<W, true>(i + 2 * W, f(in.template vat<W>(i + 2 * W)...));
              dst.template vput<W, true>(i + 3 * W, f(in.template vat<W>(i + 3 * W)...));
            }
          }
          for (; len - i >= W; i += W) dst.template vput<W, true>(i, f(in.template vat<W>(i)...));
          simd::isa::stream_fence();
        }
      }
      if constexpr (kCopy) {
        // Against a bound computed once: the loop has little else to do.
        for (const int last = len - 4 * W; i <= last; i += 4 * W) {
          block(i);
          block(i + W);
          block(i + 2 * W);
          block(i + 3 * W);
        }
      }
      for (; len - i >= 2 * W; i += 2 * W) {
        block(i);
        block(i + W);
      }
      for (; len - i >= W; i += W) block(i);
      if constexpr (simd::isa::kMasked && D::kMaskable && (A::kMaskable && ...)) {
        if (i < len) {
          dst.template vput_first<W>(i, f(in.template vat_first<W>(i, len - i)...), len - i);
          return;
        }
      }
    }
  }
  for (; i < len; ++i) elem(i);
}

// A rule given as two functions, one for elements and one for blocks.
template <class E, class B>
struct Rule {
  E elem;
  B block;
  template <class... X>
  auto operator()(const X&... x) const {
    if constexpr ((simd::is_block<X> || ...)) {
      return block(x...);
    } else {
      return elem(x...);
    }
  }
};
template <class E, class B>
constexpr Rule<E, B> rule(E elem, B block) {
  return {elem, block};
}

}  // namespace qvx

#endif
