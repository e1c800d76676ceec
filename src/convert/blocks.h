// Pieces shared by the conversions: when the block path is exact for a pair of arrays, and
// integer blocks as groups of four 32-bit lanes (widened on load, narrowed on store).
#ifndef QVX_CONVERT_BLOCKS_H
#define QVX_CONVERT_BLOCKS_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

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
  const uintptr_t s = reinterpret_cast<uintptr_t>(src), d = reinterpret_cast<uintptr_t>(dst);
  if (sizeof(S) == sizeof(D) && (s == d || apart(src, dst, sizeof(S) * size_t(block)))) return true;
  const uintptr_t n = static_cast<uintptr_t>(len);
  return s + n * sizeof(S) <= d || d + n * sizeof(D) <= s;
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
  static void store(Qvx8u* p, const simd::V* g) {
    simd::store(p, simd::narrow_s16_u8(_mm_packs_epi32(g[0], g[1]), _mm_packs_epi32(g[2], g[3])));
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
  static void store(Qvx8s* p, const simd::V* g) {
    simd::store(p, simd::narrow_s16_s8(_mm_packs_epi32(g[0], g[1]), _mm_packs_epi32(g[2], g[3])));
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
  static void store(Qvx16u* p, const simd::V* g) {
    simd::store(p, simd::narrow_u16range_s32_u16(g[0], g[1]));
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
  static void store(Qvx16s* p, const simd::V* g) {
    simd::store(p, simd::narrow_s32_s16(g[0], g[1]));
  }
};

template <> struct Lanes<Qvx32s> {
  static constexpr int kGroups = 1;
  static void load(const Qvx32s* p, simd::V* g) { g[0] = simd::load(p); }
  static void store(Qvx32s* p, const simd::V* g) { simd::store(p, g[0]); }
};

}  // namespace cvt
}  // namespace qvx

#endif
