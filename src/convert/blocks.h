// Pieces shared by the conversions: the loop driver (when the block path is exact for a pair
// of arrays, and when its stores bypass the cache), and integer blocks as groups of four
// 32-bit lanes (widened on load, narrowed on store).
#ifndef QVX_CONVERT_BLOCKS_H
#define QVX_CONVERT_BLOCKS_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <type_traits>

#include "core/loops.h"
#include "core/simd.h"
#include "qvx_vector.h"

namespace qvx {
namespace cvt {

// A conversion is defined as the ascending element loop, each element read before its own
// result is stored.  Blocks of `block` elements reproduce that when the arrays do not share a
// byte, and, for a pair of one element width, when the destination is the source itself or at
// least one block away from it (a block is loaded whole before it is stored, and every element
// it reads was, or was not, overwritten exactly as in the element loop).
template <class S, class D>
inline bool blocks_exact(const S* src, const D* dst, int len, int block) {
  if (sizeof(S) == sizeof(D) && blockwise(dst, src, sizeof(S) * size_t(block))) return true;
  return disjoint(src, sizeof(S) * size_t(len), dst, sizeof(D) * size_t(len));
}

// Element access for the element loops.  Source and destination may overlap and are of
// different types, so plain typed accesses would let the compiler assume they never alias
// and move a load past a store (or vectorise the loop): byte-wise access keeps each element
// read before its own result is stored, and every later element read after it.
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

// The 16-byte stores of a block: plain unaligned stores, or streaming stores (to 16-byte
// aligned addresses only) that write around the cache.
using Plain = std::false_type;
using Streaming = std::true_type;

template <class Mode>
inline void put16(void* p, simd::V v) {
  if constexpr (Mode::value) {
    _mm_stream_si128(static_cast<simd::V*>(p), v);
  } else {
    simd::store(p, v);
  }
}
template <class Mode>
inline void put16(float* p, simd::VF v) { put16<Mode>(static_cast<void*>(p), _mm_castps_si128(v)); }
template <class Mode>
inline void put16(double* p, simd::VD v) {
  put16<Mode>(static_cast<void*>(p), _mm_castpd_si128(v));
}

// Conversions that move this many bytes or more (source and destination together) write
// their destination with streaming stores: data that large do not stay in a last-level cache
// from one pass to the next anyway, and streaming stores do not read each destination line
// before writing it, which otherwise adds up to half again to the memory traffic.  Below it,
// plain stores keep the destination in cache for whatever reads it next.
constexpr size_t kStreamBytes = size_t(32) << 20;

// Runs a conversion of len elements: block(mode, i) converts elements i .. i + W - 1 with its
// 16-byte stores in the given mode, elem(i) converts element i alone.  Blocks run where they
// are exact; when the arrays are large, the destination aligned to its element size and
// sharing no byte with the source, the elements up to the first 16-byte boundary of the
// destination go one by one and the blocks after them stream (every block stores whole
// 16-byte units).
template <int W, class S, class D, class Block, class Elem>
inline void drive(const S* src, D* dst, int len, const Block& block, const Elem& elem) {
  const uintptr_t d = reinterpret_cast<uintptr_t>(dst);
  const size_t n = len > 0 ? static_cast<size_t>(len) : 0;
  const bool separate = disjoint(src, n * sizeof(S), dst, n * sizeof(D));
  if (kSimd && separate && n * (sizeof(S) + sizeof(D)) >= kStreamBytes && d % sizeof(D) == 0) {
    const int head = static_cast<int>(((16 - d % 16) % 16) / sizeof(D));
    for (int i = 0; i < head; ++i) elem(i);
    run<W>(
        len - head, true, [&](int i) { block(Streaming(), head + i); },
        [&](int i) { elem(head + i); });
    _mm_sfence();  // the streamed data are ordered before any later store
    return;
  }
  run<W>(len, blocks_exact(src, dst, len, W), [&](int i) { block(Plain(), i); }, elem);
}

// Groups of four 32-bit lanes per 16-byte load of an integer source, and the load that widens
// them: Lanes<S>::load(p, g) fills g[0 .. kGroups-1] with the values of p[0 .. 4*kGroups-1].
template <class S> struct Lanes;

template <> struct Lanes<Qvx8u> {
  static constexpr int kGroups = 4;
  static void load(const Qvx8u* p, simd::V* g) {
    const simd::V v = simd::load(p);
    const simd::V lo = simd::widen_lo_u8(v), hi = simd::widen_hi_u8(v);
    g[0] = simd::widen_lo_u16(lo);
    g[1] = simd::widen_hi_u16(lo);
    g[2] = simd::widen_lo_u16(hi);
    g[3] = simd::widen_hi_u16(hi);
  }
  // Four groups, each lane saturated to [0, 255].
  template <class Mode = Plain>
  static void store(Qvx8u* p, const simd::V* g) {
    put16<Mode>(p, simd::narrow_s16_u8(_mm_packs_epi32(g[0], g[1]), _mm_packs_epi32(g[2], g[3])));
  }
};

template <> struct Lanes<Qvx8s> {
  static constexpr int kGroups = 4;
  static void load(const Qvx8s* p, simd::V* g) {
    const simd::V v = simd::load(p);
    const simd::V lo = simd::widen_lo_s8(v), hi = simd::widen_hi_s8(v);
    g[0] = simd::widen_lo_s16(lo);
    g[1] = simd::widen_hi_s16(lo);
    g[2] = simd::widen_lo_s16(hi);
    g[3] = simd::widen_hi_s16(hi);
  }
  // Four groups, each lane saturated to [-128, 127].
  template <class Mode = Plain>
  static void store(Qvx8s* p, const simd::V* g) {
    put16<Mode>(p, simd::narrow_s16_s8(_mm_packs_epi32(g[0], g[1]), _mm_packs_epi32(g[2], g[3])));
  }
};

template <> struct Lanes<Qvx16u> {
  static constexpr int kGroups = 2;
  static void load(const Qvx16u* p, simd::V* g) {
    const simd::V v = simd::load(p);
    g[0] = simd::widen_lo_u16(v);
    g[1] = simd::widen_hi_u16(v);
  }
  // Two groups, each lane saturated to [0, 65535] (lanes from -2147450880 up).
  template <class Mode = Plain>
  static void store(Qvx16u* p, const simd::V* g) {
    put16<Mode>(p, simd::narrow_u16range_s32_u16(g[0], g[1]));
  }
};

template <> struct Lanes<Qvx16s> {
  static constexpr int kGroups = 2;
  static void load(const Qvx16s* p, simd::V* g) {
    const simd::V v = simd::load(p);
    g[0] = simd::widen_lo_s16(v);
    g[1] = simd::widen_hi_s16(v);
  }
  // Two groups, each lane saturated to [-32768, 32767].
  template <class Mode = Plain>
  static void store(Qvx16s* p, const simd::V* g) {
    put16<Mode>(p, simd::narrow_s32_s16(g[0], g[1]));
  }
};

template <> struct Lanes<Qvx32s> {
  static constexpr int kGroups = 1;
  static void load(const Qvx32s* p, simd::V* g) { g[0] = simd::load(p); }
  template <class Mode = Plain>
  static void store(Qvx32s* p, const simd::V* g) { put16<Mode>(p, g[0]); }
};

}  // namespace cvt
}  // namespace qvx

#endif
