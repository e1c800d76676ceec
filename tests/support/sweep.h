// The sweep every family runs: lengths 0..64 and a few long ones, every start offset within
// 16 bytes (in steps of the element alignment) and arrays ending flush against a guard page.
#ifndef QVX_TEST_SWEEP_H
#define QVX_TEST_SWEEP_H

#include <gtest/gtest.h>
#include <stddef.h>

#include <functional>
#include <string>
#include <vector>

#include "support/data.h"
#include "support/guarded.h"

namespace qvxt {

struct Layout {
  size_t offset;  // bytes from the guard page the data start at (Start) or end at (End)
  Place place;
  std::string str() const;
};

// 0..64, then lengths around block and unroll boundaries and a few long vectors.
const std::vector<int>& sweep_lengths();

// For element alignment `align`: Start at 0, align, 2*align, .. below 16, and End flush.
// Long vectors get only Start 0 and End flush.
std::vector<Layout> sweep_layouts(size_t align, int len);

// Runs fn(len, layout) over every length and layout.
template <class Fn>
void sweep(size_t align, Fn fn) {
  for (int len : sweep_lengths())
    for (const Layout& lay : sweep_layouts(align, len)) fn(len, lay);
}

// A model check: check(len, rng) makes one call of `len` elements on fresh data drawn from
// rng and compares it with the model, for every length, `rounds` times over, with rng seeded
// by `name`; the first three failures are reported with the name and the length.
template <class Check>
void model_rounds(const std::string& name, int rounds, Check check) {
  Rng rng(std::hash<std::string>()(name));
  int failures = 0;
  for (int round = 0; round < rounds && failures < 3; ++round)
    for (int len : sweep_lengths()) {
      const ::testing::AssertionResult r = check(len, rng);
      if (!r && ++failures <= 3) ADD_FAILURE() << name << " len " << len << ": " << r.message();
    }
}

// A guarded array of n elements of T placed by `lay`.
template <class T>
T* place(Guarded& g, size_t n, const Layout& lay) {
  g.reset(n * sizeof(T), lay.offset, lay.place);
  return g.as<T>();
}

}  // namespace qvxt

#endif
