// Seeing which primitive a primitive hands its work to.  The library calls its own functions
// through their __qvx_ names and the dynamic linker, so a test program that defines one of
// those names (QVXT_RECORD_... below, once per program) takes the calls: it records each one
// and passes it on to the library's own function.
#ifndef QVX_TEST_INTERPOSE_H
#define QVX_TEST_INTERPOSE_H

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <limits.h>

#include <algorithm>
#include <string>
#include <vector>

#include "qvx_vector.h"
#include "support/guarded.h"

namespace qvxt {

struct Seen {
  std::string name;  // without the __qvx_ prefix
  const void* src;   // null for fills
  void* dst;
  int len;
  long long arg;  // the fill value, or the scale factor
  long long val = 0;  // the constant of a scaled primitive with a constant operand
};

// The calls recorded so far.
inline std::vector<Seen> g_seen;

// The library's own definition of a name this program also defines.
template <class F>
F next(const char* name) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// Runs f and returns the recorded calls it made.
template <class F>
std::vector<Seen> calls(F f) {
  g_seen.clear();
  f();
  return g_seen;
}

// A scaled primitive below its lowest computed scale factor `first` sets its whole
// destination to 0 through the integer fill of the destination's width, called with 0, dst
// and len (len < 1 included) before len is looked at, and reads no source (it lies on an
// inaccessible page); from `first` on it calls nothing.  The program records the fills
// (QVXT_RECORD_SET).
template <class S, class D>
void expect_zero_fill_below(QvxStatus (*fn)(const S*, D*, int, int), const char* name, int first) {
  SCOPED_TRACE(name);
  const std::string fill = sizeof(D) == 1   ? "Vector_Set_8U"
                           : sizeof(D) == 2 ? "Vector_Set_16S"
                                            : "Vector_Set_32S";
  Guarded nowhere(0, 0, Place::End);
  std::vector<D> dst(9);
  for (int sf : {first - 1, first - 100, INT_MIN})
    for (int len : {9, 0, -4}) {
      std::fill(dst.begin(), dst.end(), D(7));
      const std::vector<Seen> seen = calls([&] { EXPECT_EQ(fn(nowhere.as<S>(), dst.data(), len, sf), 0); });
      ASSERT_EQ(seen.size(), 1u) << "sf " << sf << " len " << len;
      EXPECT_TRUE(seen[0].name == fill && seen[0].dst == dst.data() && seen[0].len == len && seen[0].arg == 0)
          << seen[0].name << " len " << seen[0].len << " value " << seen[0].arg;
      EXPECT_EQ(dst, std::vector<D>(9, len > 0 ? D(0) : D(7))) << "sf " << sf << " len " << len;
    }
  const std::vector<S> src(9, S(3));
  for (int sf : {first, first + 1, -1, 0, 1, INT_MAX}) {
    const std::vector<Seen> seen = calls([&] { fn(src.data(), dst.data(), 9, sf); });
    EXPECT_TRUE(seen.empty()) << "sf " << sf << ": " << seen[0].name;
  }
}

}  // namespace qvxt

#define QVXT_INTERPOSE extern "C" __attribute__((visibility("default"))) QvxStatus

#define QVXT_RECORD_SET(N, T)                                               \
  QVXT_INTERPOSE __qvx_##N(T v, T* d, int n) {                              \
    qvxt::g_seen.push_back({#N, nullptr, d, n, static_cast<long long>(v)}); \
    return qvxt::next<QvxStatus (*)(T, T*, int)>("__qvx_" #N)(v, d, n);     \
  }
#define QVXT_RECORD_COPY(N, T)                                                  \
  QVXT_INTERPOSE __qvx_##N(const T* s, T* d, int n) {                           \
    qvxt::g_seen.push_back({#N, s, d, n, 0});                                   \
    return qvxt::next<QvxStatus (*)(const T*, T*, int)>("__qvx_" #N)(s, d, n); \
  }
#define QVXT_RECORD_SCALED_UNARY(N, T)                                                  \
  QVXT_INTERPOSE __qvx_##N(const T* s, T* d, int n, int sf) {                           \
    qvxt::g_seen.push_back({#N, s, d, n, sf});                                          \
    return qvxt::next<QvxStatus (*)(const T*, T*, int, int)>("__qvx_" #N)(s, d, n, sf); \
  }
#define QVXT_RECORD_SCALED_BINARY(N, T)                                               \
  QVXT_INTERPOSE __qvx_##N(const T* a, const T* b, T* d, int n, int sf) {             \
    qvxt::g_seen.push_back({#N, a, d, n, sf});                                        \
    return qvxt::next<QvxStatus (*)(const T*, const T*, T*, int, int)>("__qvx_" #N)( \
        a, b, d, n, sf);                                                              \
  }

#define QVXT_RECORD_SCALED_CONST(N, T)                                                    \
  QVXT_INTERPOSE __qvx_##N(const T* a, T v, T* d, int n, int sf) {                        \
    qvxt::g_seen.push_back({#N, a, d, n, sf, static_cast<long long>(v)});                 \
    return qvxt::next<QvxStatus (*)(const T*, T, T*, int, int)>("__qvx_" #N)(a, v, d, n, sf); \
  }

// The integer fills and copies that the fixed-point primitives and conversions hand work to.
#define QVXT_RECORD_FILLS_AND_COPIES              \
  QVXT_RECORD_SET(Vector_Set_8U, Qvx8u)          \
  QVXT_RECORD_SET(Vector_Set_16S, Qvx16s)        \
  QVXT_RECORD_SET(Vector_Set_32S, Qvx32s)        \
  QVXT_RECORD_COPY(Vector_Copy_8U, Qvx8u)        \
  QVXT_RECORD_COPY(Vector_Copy_16S, Qvx16s)      \
  QVXT_RECORD_COPY(Vector_Copy_32S, Qvx32s)

#endif
