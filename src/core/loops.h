// Element-loop drivers: the one place that decides between a 16-byte path and the element
// loop, and that runs the tail.  The element rule is the definition of every primitive; a
// vector body is an optimisation that must give the same bits.  Building with
// QVX_ELEMENT_LOOPS_ONLY compiles every vector body out (the tests compare both builds).
#ifndef QVX_CORE_LOOPS_H
#define QVX_CORE_LOOPS_H

#include <stddef.h>
#include <stdint.h>

namespace qvx {

#ifdef QVX_ELEMENT_LOOPS_ONLY
constexpr bool kSimd = false;
#else
constexpr bool kSimd = true;
#endif

// True when the two addresses are at least `bytes` apart, in either direction.  A vector
// path that loads a block before it stores one is exact when the destination is the source
// itself or at least one block away from it.
inline bool apart(const void* a, const void* b, size_t bytes = 16) {
  uintptr_t x = reinterpret_cast<uintptr_t>(a), y = reinterpret_cast<uintptr_t>(b);
  return (x > y ? x - y : y - x) >= bytes;
}

// True when a block path reading each block whole before storing it gives the element loop's
// result: the destination is the source itself (each element is read before its own result
// is stored) or at least one block away from it (every element a block reads was, or was
// not, overwritten exactly as in the element loop).
inline bool blockwise(const void* dst, const void* src, size_t block_bytes = 16) {
  return dst == src || apart(dst, src, block_bytes);
}

// True when the byte ranges [a, a + a_bytes) and [b, b + b_bytes) share no byte.
inline bool disjoint(const void* a, size_t a_bytes, const void* b, size_t b_bytes) {
  const uintptr_t x = reinterpret_cast<uintptr_t>(a), y = reinterpret_cast<uintptr_t>(b);
  return x >= y ? x - y >= b_bytes : y - x >= a_bytes;
}

// Runs vec(i) on blocks of W elements starting at i = 0 while a whole block fits (only when
// use_vec holds and vector bodies are compiled in), then elem(i) on every element left.
// vec(i) must produce exactly what elem(i) .. elem(i + W - 1) would.
template <int W, class Vec, class Elem>
inline void run(int len, bool use_vec, Vec vec, Elem elem) {
  int i = 0;
  if (kSimd && use_vec) {
    for (; len - i >= W; i += W) vec(i);
  }
  for (; i < len; ++i) elem(i);
}

// The element count of a complex vector as its scalar count: 2*len with 32-bit wrap-around,
// so that an enormous len counts as empty exactly as the real form sees it.
inline int twice(int len) {
  return static_cast<int>(static_cast<uint32_t>(len) * 2u);
}

}  // namespace qvx

#endif
