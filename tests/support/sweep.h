// The sweep every family runs: lengths 0..64 and a few long ones, every start offset within
// 16 bytes (in steps of the element alignment) and arrays ending flush against a guard page.
#ifndef QVX_TEST_SWEEP_H
#define QVX_TEST_SWEEP_H

#include <gtest/gtest.h>
#include <stddef.h>
#include <string.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
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

// An element-wise primitive against its model, read off the primitive's signature (`const T*`
// a source, `T*` a destination, any other type before len a constant): model_sweep(name, fn,
// model) draws random data with special values and new constants at every call of
// model_rounds; model(args...) gets element i of each source, the constants and a reference
// to element i of each expected destination, and writes the rule's result there.  Only
// destinations are compared (any NaN matching any NaN: which NaN operand's payload survives
// is the processor's choice).
template <class P>  // a constant
struct Operand {
  P v{};
  void draw(Rng& r, size_t) { v = random_value<P>(r); }
  P pass() const { return v; }
  P at(size_t) const { return v; }
  friend ::testing::AssertionResult check(const Operand&, size_t) { return ::testing::AssertionSuccess(); }
};
template <class T>  // a source
struct Operand<const T*> {
  std::vector<T> v;
  void draw(Rng& r, size_t n) { v.resize(n), fill_random(v.data(), n, r); }
  const T* pass() const { return v.data(); }
  T at(size_t i) const { return v[i]; }
  friend ::testing::AssertionResult check(const Operand&, size_t) { return ::testing::AssertionSuccess(); }
};
template <class T>  // a destination: what the primitive wrote, and what it should have
struct Operand<T*> {
  std::vector<T> got, want;
  void draw(Rng&, size_t n) {  // got: a pattern no rule gives
    want.assign(n, T{}), got.resize(n);
    if (n) memset(static_cast<void*>(got.data()), 0x5A, n * sizeof(T));
  }
  T* pass() { return got.data(); }
  T& at(size_t i) { return want[i]; }
  friend ::testing::AssertionResult check(const Operand& d, size_t n) {
    return same_elements(d.got.data(), d.want.data(), n, Nan::Any);
  }
};

template <class... A, class F, size_t... I>
void model_sweep_(const std::string& name, QvxStatus (*fn)(A...), F model, std::index_sequence<I...>) {
  model_rounds(name, 8, [&](int len, Rng& rng) {
    std::tuple<Operand<A>...> a;  // the last, for len, stays unused
    (std::get<I>(a).draw(rng, static_cast<size_t>(len)), ...);
    for (int i = 0; i < len; ++i) model(std::get<I>(a).at(i)...);
    if (fn(std::get<I>(a).pass()..., len) != 0) return ::testing::AssertionFailure() << "status";
    ::testing::AssertionResult r = ::testing::AssertionSuccess();
    ((r = r ? check(std::get<I>(a), static_cast<size_t>(len)) : r), ...);
    return r;
  });
}
template <class... A, class F>
void model_sweep(const std::string& name, QvxStatus (*fn)(A...), F model) {
  model_sweep_(name, fn, model, std::make_index_sequence<sizeof...(A) - 1>());
}
#define QVXT_MODEL_SWEEP(N, M) qvxt::model_sweep(#N, qvx_Vector_##N, M)

// A guarded array of n elements of T placed by `lay`.
template <class T>
T* place(Guarded& g, size_t n, const Layout& lay) {
  g.reset(n * sizeof(T), lay.offset, lay.place);
  return g.as<T>();
}

}  // namespace qvxt

#endif
