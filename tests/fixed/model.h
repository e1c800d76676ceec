// The scale-and-saturate rule as a reference model in exact integer arithmetic, and a sweep
// that holds a scaled family against it over lengths, offsets, in-place use and scale
// factors.
#ifndef QVX_TEST_FIXED_MODEL_H
#define QVX_TEST_FIXED_MODEL_H

#include <gtest/gtest.h>
#include <limits.h>
#include <stdint.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

namespace fxt {

using qvxt::part_t;

// Saturation bounds and thresholds of one primitive.
struct Rule {
  int64_t lo, hi;
  int H, L;
};

template <class P>
Rule rule(int H, int L) {
  return {std::numeric_limits<P>::min(), std::numeric_limits<P>::max(), H, L};
}

// R * 2^sf, rounded toward minus infinity, clamped; 0 below L; the bound of R's sign from H.
inline int64_t model(int64_t r, int sf, const Rule& u) {
  if (sf < u.L) return 0;
  if (sf >= u.H) return r > 0 ? u.hi : r < 0 ? u.lo : 0;
  __int128 v;
  if (sf >= 0) {
    v = static_cast<__int128>(r) * (static_cast<__int128>(1) << sf);
  } else {
    const __int128 d = static_cast<__int128>(1) << -sf;
    v = r / d;                  // toward zero ...
    if (v * d > r) v -= 1;      // ... then down to the floor
  }
  return v < u.lo ? u.lo : v > u.hi ? u.hi : static_cast<int64_t>(v);
}

// Scale factors every family is checked at: the whole interesting range and the extremes.
inline std::vector<int> scale_factors() {
  std::vector<int> v = {INT_MIN, INT_MIN + 1, INT_MIN + 2, -1000, -100, -64, -63, 63, 64, 100,
                        1000, INT_MAX - 1, INT_MAX};
  for (int s = -40; s <= 40; ++s) v.push_back(s);
  return v;
}

// A family member seen through its scalar parts: call(srcs, dst, len, sf) runs it on N source
// arrays of len elements, want(parts of the sources at index k, k, sf) is the model of part k
// of the destination.
template <class T, int N>
struct Member {
  using P = part_t<T>;
  std::function<QvxStatus(const T* const*, T*, int, int)> call;
  std::function<int64_t(const P* const*, size_t, int)> want;
};

// Compares one call with the model; the sources may be the destination itself (alias >= 0).
template <class T, int N>
void check_once(const Member<T, N>& m, int len, const qvxt::Layout& lay, int alias, int sf,
                qvxt::Rng& rng, qvxt::Guarded* bufs, int* failures) {
  using P = part_t<T>;
  const size_t n = len > 0 ? static_cast<size_t>(len) : 0;
  const size_t np = n * qvxt::parts<T>();
  T* src[N] = {};
  std::vector<P> copy[N];
  for (int j = 0; j < N; ++j) {
    src[j] = qvxt::place<T>(bufs[j], n, lay);
    qvxt::fill_random(src[j], n, rng);
    copy[j].assign(reinterpret_cast<P*>(src[j]), reinterpret_cast<P*>(src[j]) + np);
  }
  T* dst = alias >= 0 ? src[alias] : qvxt::place<T>(bufs[N], n, lay);
  const T* srcs[N];
  const P* parts[N];
  for (int j = 0; j < N; ++j) {
    srcs[j] = src[j];
    parts[j] = copy[j].data();
  }
  ASSERT_EQ(m.call(srcs, dst, len, sf), 0);
  const P* got = reinterpret_cast<const P*>(dst);
  for (size_t k = 0; k < np; ++k) {
    const int64_t w = m.want(parts, k, sf);
    if (static_cast<int64_t>(got[k]) != w) {
      if (++*failures <= 5)
        ADD_FAILURE() << "len " << len << " " << lay.str() << " sf " << sf
                      << (alias >= 0 ? " in place on source " + std::to_string(alias) : "")
                      << ": part " << k << " got " << static_cast<int64_t>(got[k]) << ", want "
                      << w;
      return;
    }
  }
  for (int j = 0; j <= N; ++j) {
    if (j == N && alias >= 0) continue;
    EXPECT_TRUE(bufs[j].canaries_intact()) << "array " << j;
  }
  for (int j = 0; j < N; ++j) {
    if (j == alias || np == 0) continue;
    EXPECT_EQ(memcmp(src[j], copy[j].data(), np * sizeof(P)), 0) << "source " << j << " changed";
  }
}

// Every sweep length and layout, separate and in place on each source, cycling through the
// scale factors; then every scale factor at lengths with vector blocks and tails.
template <class T, int N>
void sweep_member(const Member<T, N>& m, uint64_t seed) {
  qvxt::Rng rng(seed);
  qvxt::Guarded bufs[N + 1];
  const std::vector<int> sfs = scale_factors();
  size_t tick = 0;
  int failures = 0;
  qvxt::sweep(alignof(T), [&](int len, const qvxt::Layout& lay) {
    for (int alias = -1; alias < N; ++alias)
      check_once(m, len, lay, alias, sfs[tick++ % sfs.size()], rng, bufs, &failures);
  });
  for (int len : {37, 300})
    for (int sf : sfs)
      for (int alias = -1; alias < N; ++alias)
        check_once(m, len, {3 * alignof(T) % 16, qvxt::Place::Start}, alias, sf, rng, bufs,
                   &failures);
  EXPECT_EQ(failures, 0);
}

}  // namespace fxt

#endif
