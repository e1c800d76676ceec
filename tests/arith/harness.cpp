#include "harness.h"

#include <string.h>

namespace arith_test {

using namespace qvxt;

namespace {

// Guarded buffers are reused: mapping fresh pages for every call would dominate the time.
Guarded& pooled(size_t i) {
  static std::vector<std::unique_ptr<Guarded>> pool;
  while (pool.size() <= i) pool.emplace_back(new Guarded);
  return *pool[i];
}

// Array k starts at a different offset from the others, so the arrays of one call are
// misaligned against each other as well as against 16 bytes.
Layout shifted(const Layout& lay, size_t k, size_t align) {
  const size_t off = (lay.offset + 4 * k) % 16;
  return {off / align * align, lay.place};
}

}  // namespace

void check(const std::string& name, const Fn& fn) {
  Rng rng(std::hash<std::string>()(name));
  const size_t ns = fn.src.size(), nd = fn.dst.size();
  size_t align = 16;
  for (const ArrType& a : fn.src) align = std::min(align, a.align);
  for (const ArrType& a : fn.dst) align = std::min(align, a.align);

  // Variant 0: separate destinations; then each in-place use.
  std::vector<std::vector<int>> variants = {std::vector<int>(nd, -1)};
  for (const auto& v : fn.in_place) variants.push_back(v);

  int failures = 0;
  qvxt::sweep(align, [&](int len, const Layout& lay) {
    if (failures > 3) return;
    fn.reroll(rng);
    const size_t n = static_cast<size_t>(len);

    // Sources, and a master copy of them.
    std::vector<void*> src(ns);
    std::vector<std::vector<uint8_t>> master(ns);
    for (size_t j = 0; j < ns; ++j) {
      const ArrType& t = fn.src[j];
      Guarded& g = pooled(j);
      g.reset(n * t.size, shifted(lay, j, t.align).offset, lay.place);
      src[j] = g.data();
      t.fill(src[j], n, rng);
      master[j].assign(g.data(), g.data() + n * t.size);
    }

    // What the rule gives, from separate arrays.
    std::vector<std::vector<uint8_t>> want(nd);
    std::vector<void*> want_p(nd);
    for (size_t k = 0; k < nd; ++k) {
      want[k].assign(n * fn.dst[k].size + 1, 0);
      want_p[k] = want[k].data();
    }
    for (size_t i = 0; i < n; ++i) fn.ref(src.data(), want_p.data(), i);

    for (const std::vector<int>& v : variants) {
      for (size_t j = 0; j < ns; ++j)
        if (!master[j].empty()) memcpy(src[j], master[j].data(), master[j].size());
      std::vector<void*> dst(nd);
      for (size_t k = 0; k < nd; ++k) {
        if (v[k] >= 0) {
          dst[k] = src[v[k]];
        } else {
          Guarded& g = pooled(ns + k);
          g.reset(n * fn.dst[k].size, shifted(lay, ns + k, fn.dst[k].align).offset, lay.place);
          dst[k] = g.data();
        }
      }
      fn.call(src.data(), dst.data(), len);
      const std::string where = name + " len " + std::to_string(len) + " " + lay.str() +
                                (v[0] >= 0 ? " in place on source " + std::to_string(v[0]) : "");
      for (size_t k = 0; k < nd; ++k) {
        const ::testing::AssertionResult r = fn.dst[k].same(dst[k], want[k].data(), n);
        if (!r) {
          ++failures;
          ADD_FAILURE() << where << ", destination " << k << ": " << r.message();
        }
      }
      for (size_t j = 0; j < ns; ++j) {
        bool written = false;
        for (size_t k = 0; k < nd; ++k) written = written || v[k] == static_cast<int>(j);
        if (!written && !master[j].empty() &&
            memcmp(src[j], master[j].data(), master[j].size()) != 0) {
          ++failures;
          ADD_FAILURE() << where << ": source " << j << " was changed";
        }
      }
      for (size_t j = 0; j < ns + nd; ++j) {
        if (!pooled(j).canaries_intact()) {
          ++failures;
          ADD_FAILURE() << where << ": a write next to array " << j;
        }
      }
    }
  });
}

}  // namespace arith_test
