// Drivers shared by the conversion tests: literal cases run through both the block path and
// the element loop, and sweeps of lengths, offsets and in-place use against a model.
#ifndef QVX_TEST_CONVERT_CHECK_H
#define QVX_TEST_CONVERT_CHECK_H

#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/data.h"
#include "support/guarded.h"
#include "support/sweep.h"

namespace cvtt {

template <class S, class D>
using Fn = QvxStatus (*)(const S*, D*, int, int);

// Converts xs at scale factor sf.  The values are laid out five times over (plus a short
// tail) in one vector long enough for the block path, and once more as a vector of their
// own, and every copy must give the same bits: the result holds for every path.
template <class S, class D>
std::vector<D> convert(Fn<S, D> fn, const std::vector<S>& xs, int sf) {
  const size_t n = xs.size();
  std::vector<S> src;
  for (int k = 0; k < 5; ++k) src.insert(src.end(), xs.begin(), xs.end());
  src.insert(src.end(), xs.begin(), xs.begin() + std::min<size_t>(n, 3));
  std::vector<D> dst(src.size());
  EXPECT_EQ(fn(src.data(), dst.data(), static_cast<int>(src.size()), sf), 0);
  std::vector<D> alone(n);
  EXPECT_EQ(fn(xs.data(), alone.data(), static_cast<int>(n), sf), 0);
  for (size_t i = 0; i < dst.size(); ++i)
    EXPECT_TRUE(qvxt::same_elements(&dst[i], &alone[i % n], 1)) << "position " << i << " sf " << sf;
  return alone;
}

// One value.
template <class S, class D>
D convert1(Fn<S, D> fn, S x, int sf) {
  return convert(fn, std::vector<S>{x}, sf)[0];
}

// Every length and start offset of the sweep (both arrays placed alike, each flush against
// a guard page at the end), random sources with the special values of S mixed in, the scale
// factors taken in turn from sfs; each element compared with model(x, sf), also in place
// when `in_place` (same element width only).  Also checks that len < 1 touches nothing.
template <class S, class D, class Model>
void sweep_model(Fn<S, D> fn, Model model, const std::vector<int>& sfs, bool in_place,
                 qvxt::Nan nan = qvxt::Nan::Payload) {
  qvxt::Rng rng(12345 + sizeof(S) * 7 + sizeof(D));
  qvxt::Guarded gs, gd;
  size_t tick = 0;
  int failures = 0;
  const size_t align = std::max(alignof(S), alignof(D));
  qvxt::sweep(align, [&](int len, const qvxt::Layout& lay) {
    if (failures > 3) return;
    const int sf = sfs[tick++ % sfs.size()];
    for (int inplace = 0; inplace < (in_place ? 2 : 1); ++inplace) {
      S* src = qvxt::place<S>(gs, len, lay);
      D* dst = inplace ? reinterpret_cast<D*>(src) : qvxt::place<D>(gd, len, lay);
      qvxt::fill_random(src, len, rng);
      std::vector<S> before(src, src + len);
      std::vector<D> want(len);
      for (int i = 0; i < len; ++i) want[i] = model(src[i], sf);
      ASSERT_EQ(fn(src, dst, len, sf), 0);
      ::testing::AssertionResult r = qvxt::same_elements(dst, want.data(), len, nan);
      if (!r) {
        ++failures;
        ADD_FAILURE() << "len " << len << " " << lay.str() << " sf " << sf
                      << (inplace ? " in place" : "") << ": " << r.message();
      }
      if (!inplace && len > 0) {
        EXPECT_EQ(memcmp(before.data(), src, sizeof(S) * size_t(len)), 0) << "source written";
      }
      EXPECT_TRUE(gs.canaries_intact() && gd.canaries_intact())
          << "len " << len << " " << lay.str();
    }
  });
  // Empty vectors: the arrays sit on a guard page, any access faults.
  S* src = qvxt::place<S>(gs, 0, {0, qvxt::Place::End});
  D* dst = qvxt::place<D>(gd, 0, {0, qvxt::Place::End});
  for (int len : {0, -1, -1000, INT32_MIN})
    for (int sf : sfs) EXPECT_EQ(fn(src, dst, len, sf), 0);
}

// Vectors of more than 32 MiB of source and destination together (long enough for stores
// that write around the cache), with the destination at several offsets from a 16-byte
// boundary, against the model; the elements around the destination must stay untouched.
template <class S, class D, class Model>
void check_large(Fn<S, D> fn, Model model, int sf, qvxt::Nan nan = qvxt::Nan::Payload) {
  const size_t n = (size_t(32) << 20) / (sizeof(S) + sizeof(D)) + 29;
  const size_t per16 = 16 / sizeof(D);
  qvxt::Rng rng(777 + sizeof(S) + 3 * sizeof(D));
  std::vector<S> src(n);
  qvxt::fill_random(src.data(), n, rng);
  std::vector<D> want(n);
  for (size_t i = 0; i < n; ++i) want[i] = model(src[i], sf);
  std::vector<D> buf(n + per16 + 8);
  for (size_t shift : {size_t(0), size_t(1), per16 - 1}) {
    memset(buf.data(), 0x5A, buf.size() * sizeof(D));
    const std::vector<D> blank(buf.begin(), buf.end());
    D* dst = buf.data() + shift;
    ASSERT_EQ(fn(src.data(), dst, static_cast<int>(n), sf), 0);
    EXPECT_TRUE(qvxt::same_elements(dst, want.data(), n, nan)) << "destination + " << shift;
    EXPECT_EQ(memcmp(buf.data(), blank.data(), shift * sizeof(D)), 0);
    EXPECT_EQ(memcmp(dst + n, blank.data(), (buf.size() - n - shift) * sizeof(D)), 0);
  }
}

}  // namespace cvtt

#endif
