// The generic sweep: every function of the table is called through its signature shape with
// random data (special values mixed in), at every length of the sweep, every start offset
// and with arrays flush against guard pages, in place where its row allows it, and for the
// scaled functions at scale factors from INT_MIN to INT_MAX.  Each call is made on the
// library and on its element-loop build with identical inputs; the results must agree bit
// for bit, no byte outside the arrays may change, sources must stay unchanged, and len < 1
// must touch no memory (its arrays sit on a guard page).
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "core/shapes.h"
#include "support/data.h"
#include "support/guarded.h"
#include "support/libs.h"
#include "support/sweep.h"

namespace {

using namespace qvxt;

// ---- the arrays of one call --------------------------------------------------------------

// Guarded buffers are kept and reused across calls: mapping fresh pages for each array of
// each call would dominate the run time.
Guarded& pooled(size_t i) {
  static std::vector<std::unique_ptr<Guarded>> pool;
  while (pool.size() <= i) pool.emplace_back(new Guarded);
  return *pool[i];
}

struct Array {
  Guarded* buf[2];  // [0] for the library, [1] for the element-loop build
  size_t bytes = 0;
  std::vector<uint8_t> before;
  Array* alias = nullptr;  // a destination that is a source: use the source's buffers
  bool written = false;    // a destination: compared between the builds
  const char* role = "";
  ::testing::AssertionResult (*same)(const uint8_t*, const uint8_t*, size_t, Nan) = nullptr;
  uint8_t* ptr(int which) { return alias != nullptr ? alias->ptr(which) : buf[which]->data(); }
};

template <class T>
::testing::AssertionResult same_as(const uint8_t* a, const uint8_t* b, size_t bytes, Nan nan) {
  return same_elements(reinterpret_cast<const T*>(a), reinterpret_cast<const T*>(b),
                       bytes / sizeof(T), nan);
}

struct Call {
  int len = 0;
  int sf = 0;
  int ofs = 0;
  Layout lay{0, Place::Start};
  bool scatter = false;  // each array at its own random start offset instead of lay's
  Rng* rng = nullptr;
  Array arrays[12];
  int count = 0;
  std::vector<int> ins, outs;

  template <class T>
  Array& add(size_t n, bool written, const char* role) {
    Array& a = arrays[count];
    a = Array();
    a.buf[0] = &pooled(2 * count);
    a.buf[1] = &pooled(2 * count + 1);
    a.bytes = n * sizeof(T);
    a.written = written;
    a.role = role;
    a.same = &same_as<T>;
    // Empty arrays sit on the guard page, so that any access faults.
    const Layout lay_n = n == 0 ? Layout{0, Place::End} : lay;
    // Start offsets are kept to multiples of the element alignment.
    const size_t want = scatter && n > 0 ? (*rng)() % 16 : lay_n.offset;
    const size_t off = want / alignof(T) * alignof(T);
    for (Guarded* g : a.buf) g->reset(a.bytes, off, lay_n.place);
    fill_random(a.buf[0]->template as<T>(), n, *rng);
    if (a.bytes) memcpy(a.buf[1]->data(), a.buf[0]->data(), a.bytes);
    ++count;
    return a;
  }
};

size_t elements(int len, int mult) { return len > 0 ? static_cast<size_t>(len) * mult : 0; }

// ---- argument kinds ------------------------------------------------------------------------

template <class T, int M = 1>
struct In {
  using type = const T*;
  int idx = 0;
  void init(Call& c) {
    idx = c.count;
    c.ins.push_back(idx);
    c.add<T>(elements(c.len, M), false, "source");
  }
  type get(Call& c, int w) { return reinterpret_cast<type>(c.arrays[idx].ptr(w)); }
};

template <class T, int M = 1>
struct Out {
  using type = T*;
  int idx = 0;
  void init(Call& c) {
    idx = c.count;
    c.outs.push_back(idx);
    c.add<T>(elements(c.len, M), true, "destination");
  }
  type get(Call& c, int w) { return reinterpret_cast<type>(c.arrays[idx].ptr(w)); }
};

template <class T>
struct InOut {
  using type = T*;
  int idx = 0;
  void init(Call& c) {
    idx = c.count;
    c.add<T>(elements(c.len, 1), true, "srcDst");
  }
  type get(Call& c, int w) { return reinterpret_cast<type>(c.arrays[idx].ptr(w)); }
};

template <class T>
struct Val {
  using type = T;
  T v;
  void init(Call& c) { v = random_value<T>(*c.rng); }
  type get(Call&, int) { return v; }
};

struct Len {
  using type = int;
  void init(Call&) {}
  type get(Call& c, int) { return c.len; }
};

struct Sf {
  using type = int;
  void init(Call&) {}
  type get(Call& c, int) { return c.sf; }
};

struct Ofs {
  using type = int;
  void init(Call&) {}
  type get(Call& c, int) { return c.ofs; }
};

// A look-up table of N entries for source values Min .. Min+N-1, passed so that value v
// indexes entry v - offset.
template <class T, int N, int Min>
struct Tab {
  using type = const T*;
  int idx = 0;
  void init(Call& c) {
    idx = c.count;
    c.ins.push_back(idx);
    c.add<T>(N, false, "table");
  }
  type get(Call& c, int w) {
    return reinterpret_cast<const T*>(c.arrays[idx].ptr(w)) + (static_cast<ptrdiff_t>(c.ofs) - Min);
  }
};

// ceil(len / 32) mask words.
struct Mask {
  using type = const Qvx32u*;
  int idx = 0;
  void init(Call& c) {
    idx = c.count;
    c.ins.push_back(idx);
    c.add<Qvx32u>(c.len > 0 ? (static_cast<size_t>(c.len) + 31) / 32 : 0, false, "mask");
  }
  type get(Call& c, int w) { return reinterpret_cast<type>(c.arrays[idx].ptr(w)); }
};

// ---- running one function ------------------------------------------------------------------

const std::vector<int>& scale_factors() {
  static const std::vector<int> v = [] {
    std::vector<int> s = {INT_MIN, INT_MIN + 1, -1100, -1000, -200, -130, -127, -126, -100,
                          100, 126, 127, 128, 130, 200, 1000, 1100, INT_MAX - 1, INT_MAX};
    for (int i = -70; i <= 70; ++i) s.push_back(i);
    return s;
  }();
  return v;
}

struct Failures {
  int count = 0;
  void report(const std::string& name, const Call& c, int alias, const std::string& what) {
    if (++count > 5) return;
    ADD_FAILURE() << name << " len " << c.len << " " << (c.scatter ? "scattered" : c.lay.str()) << " sf " << c.sf
                  << " offset " << c.ofs << (alias >= 0 ? " in place on source " + std::to_string(alias) : "")
                  << ": " << what;
  }
};

template <class... A>
struct Shape {
  using F = QvxStatus (*)(typename A::type...);

  // One call on both builds; returns an empty string when they agree.
  static std::string once(F fm, F fr, Call& c, int alias, Nan nan) {
    std::tuple<A...> args;
    std::apply([&](auto&... a) { (a.init(c), ...); }, args);
    if (alias >= 0) {
      const size_t m = c.outs.size();
      for (size_t j = 0; j < m; ++j) {
        Array& out = c.arrays[c.outs[j]];
        Array& src = c.arrays[c.ins[alias * m + j]];
        if (out.bytes != src.bytes) return "";  // sizes differ: not an in-place pair
        out.alias = &src;
        src.written = true;
      }
    }
    for (int i = 0; i < c.count; ++i) {
      Array& a = c.arrays[i];
      a.before.assign(a.buf[0]->data(), a.buf[0]->data() + a.bytes);
    }
    const QvxStatus sm = std::apply([&](auto&... a) { return fm(a.get(c, 0)...); }, args);
    const QvxStatus sr = std::apply([&](auto&... a) { return fr(a.get(c, 1)...); }, args);
    if (sm != 0 || sr != 0) return "status " + std::to_string(sm) + " / " + std::to_string(sr);
    for (int i = 0; i < c.count; ++i) {
      Array& a = c.arrays[i];
      for (int w = 0; w < 2; ++w)
        if (!a.buf[w]->canaries_intact())
          return std::string("write next to the ") + a.role + (w ? " (element-loop build)" : "");
      if (a.alias != nullptr) continue;
      if (a.written) {
        ::testing::AssertionResult r = a.same(a.buf[0]->data(), a.buf[1]->data(), a.bytes, nan);
        if (!r) return std::string(a.role) + " differs from the element loops: " + r.message();
      } else {
        for (int w = 0; w < 2; ++w)
          if (a.bytes && memcmp(a.buf[w]->data(), a.before.data(), a.bytes) != 0)
            return std::string("the ") + a.role + " was written";
      }
    }
    return "";
  }

  static void sweep(const std::string& name, int ip, Nan nan) {
    F fm = function<F>(main_lib(), "qvx_" + name);
    F fr = function<F>(ref_lib(), "qvx_" + name);
    ASSERT_TRUE(fm && fr);
    ASSERT_NE(reinterpret_cast<void*>(fm), reinterpret_cast<void*>(fr));
    Rng rng(std::hash<std::string>()(name));
    const auto& sfs = scale_factors();
    size_t tick = 0;
    Failures fails;
    std::vector<int> aliases = {-1};
    for (int k = 0; k < 3; ++k)
      if (ip & (1 << k)) aliases.push_back(k);
    auto one = [&](int len, const Layout& lay, int alias, bool scatter = false) {
      Call c;
      c.len = len;
      c.lay = lay;
      c.scatter = scatter;
      c.rng = &rng;
      c.sf = sfs[tick++ % sfs.size()];
      c.ofs = static_cast<int>(rng() % 200001) - 100000;
      const std::string err = once(fm, fr, c, alias, nan);
      if (!err.empty()) fails.report(name, c, alias, err);
    };
    qvxt::sweep(1, [&](int len, const Layout& lay) {
      for (int alias : aliases) one(len, lay, alias);
    });
    // Arrays at different offsets from one another.
    for (int len = 1; len <= 64; ++len)
      for (int alias : aliases) one(len, {0, Place::Start}, alias, true);
    // Empty vectors, including the most negative count, touch nothing.
    for (int len : {-1, -7, INT_MIN})
      for (int alias : aliases) one(len, {0, Place::End}, alias);
    // Every scale factor at a length that has both a vector body and a tail.
    for (size_t i = 0; i < sfs.size(); ++i) one(37, {0, Place::End}, -1);
    if (fails.count > 5) ADD_FAILURE() << name << ": " << fails.count << " failing calls in all";
  }
};

// ---- the services ----------------------------------------------------------------------------

template <class Fn>
struct Service;

template <>
struct Service<const char*(void)> {
  static void sweep(const std::string& name, int, Nan) {
    auto m = function<const char* (*)()>(main_lib(), "qvx_" + name);
    auto r = function<const char* (*)()>(ref_lib(), "qvx_" + name);
    EXPECT_STREQ(m(), r());
  }
};

template <>
struct Service<const char*(QvxStatus)> {
  static void sweep(const std::string& name, int, Nan) {
    auto m = function<const char* (*)(QvxStatus)>(main_lib(), "qvx_" + name);
    auto r = function<const char* (*)(QvxStatus)>(ref_lib(), "qvx_" + name);
    for (int s : {INT_MIN, -2, -1, 0, 1, 2, 3, 4, 5, 1000, INT_MAX}) EXPECT_STREQ(m(s), r(s)) << s;
  }
};

template <>
struct Service<void*(int)> {  // Malloc, released by the same build's Free
  static void sweep(const std::string& name, int, Nan) {
    auto m = function<void* (*)(int)>(main_lib(), "qvx_" + name);
    auto r = function<void* (*)(int)>(ref_lib(), "qvx_" + name);
    auto fm = function<void (*)(void*)>(main_lib(), "qvx_Free");
    auto fr = function<void (*)(void*)>(ref_lib(), "qvx_Free");
    for (int size : {INT_MIN, -1, 0, 1, 7, 64, 65, 4096, 100000, 2147483584, INT_MAX}) {
      void* a = m(size);
      void* b = r(size);
      EXPECT_EQ(a == nullptr, b == nullptr) << size;
      EXPECT_EQ(reinterpret_cast<uintptr_t>(a) % 64, 0u);
      if (a != nullptr) memset(a, 0x5A, static_cast<size_t>(size));
      if (b != nullptr) memset(b, 0x5A, static_cast<size_t>(size));
      fm(a);
      fr(b);
    }
  }
};

template <>
struct Service<void(void*)> {  // Free: exercised with Malloc
  static void sweep(const std::string& name, int, Nan) {
    function<void (*)(void*)>(main_lib(), "qvx_" + name)(nullptr);
    function<void (*)(void*)>(ref_lib(), "qvx_" + name)(nullptr);
  }
};

template <>
struct Service<void*(void*, int)> {
  static void sweep(const std::string& name, int, Nan) {
    auto m = function<void* (*)(void*, int)>(main_lib(), "qvx_" + name);
    auto r = function<void* (*)(void*, int)>(ref_lib(), "qvx_" + name);
    Rng rng(7);
    for (int i = 0; i < 2000; ++i) {
      void* p = reinterpret_cast<void*>(static_cast<uintptr_t>(rng() >> 1));
      const int aligns[] = {0, 1, 2, 3, 4, 16, 64, 100, -16, INT_MIN, INT_MAX,
                            static_cast<int>(rng())};
      for (int a : aligns) EXPECT_EQ(m(p, a), r(p, a)) << p << " " << a;
    }
  }
};

template <>
struct Service<QvxStatus(int*)> {  // GetNumThreads, after SetNumThreads on each build
  static void sweep(const std::string& name, int, Nan) {
    auto gm = function<QvxStatus (*)(int*)>(main_lib(), "qvx_" + name);
    auto gr = function<QvxStatus (*)(int*)>(ref_lib(), "qvx_" + name);
    auto sm = function<QvxStatus (*)(int)>(main_lib(), "qvx_SetNumThreads");
    auto sr = function<QvxStatus (*)(int)>(ref_lib(), "qvx_SetNumThreads");
    int before = 0;
    ASSERT_EQ(gm(&before), 0);
    for (int n : {INT_MIN, -5, 0, 1, 64, INT_MAX}) {
      int a = 0, b = 1;
      EXPECT_EQ(sm(n), 0);
      EXPECT_EQ(sr(n), 0);
      EXPECT_EQ(gm(&a), 0);
      EXPECT_EQ(gr(&b), 0);
      EXPECT_EQ(a, n);
      EXPECT_EQ(b, n);
    }
    sm(before);
  }
};

template <>
struct Service<QvxStatus(int)> {  // SetNumThreads: exercised with GetNumThreads
  static void sweep(const std::string&, int, Nan) {}
};

// ---- the table, as test cases ----------------------------------------------------------------

struct Entry {
  const char* name;
  int ip;
  Nan nan;
  void (*run)(const std::string&, int, Nan);
};

// Shapes that move bit patterns keep NaN payloads; arithmetic shapes may return either of
// two NaN operands, so there any NaN matches any NaN.
const Entry kEntries[] = {
#define SERVICE(N, R, P) {#N, 0, Nan::Payload, &Service<R P>::sweep},
#define SET(N, T) {#N, 0, Nan::Payload, &Shape<Val<T>, Out<T>, Len>::sweep},
#define UNARY(N, S, D, IP) {#N, IP, Nan::Payload, &Shape<In<S>, Out<D>, Len>::sweep},
#define UNARY_I(N, T) {#N, 0, Nan::Payload, &Shape<InOut<T>, Len>::sweep},
#define BINARY(N, S1, S2, D, IP) {#N, IP, Nan::Any, &Shape<In<S1>, In<S2>, Out<D>, Len>::sweep},
#define CONST(N, S, C, D, IP) {#N, IP, Nan::Any, &Shape<In<S>, Val<C>, Out<D>, Len>::sweep},
#define TERNARY(N, T, IP) {#N, IP, Nan::Any, &Shape<In<T>, In<T>, In<T>, Out<T>, Len>::sweep},
#define MULCADD(N, T, IP) {#N, IP, Nan::Any, &Shape<In<T>, Val<T>, In<T>, Out<T>, Len>::sweep},
#define MULCADDC(N, S, C, IP) \
  {#N, IP, Nan::Any, &Shape<In<S>, Val<C>, Val<C>, Out<S>, Len>::sweep},
#define CTOC_BINARY(N, T, IP) \
  {#N, IP, Nan::Any, &Shape<In<T>, In<T>, In<T>, In<T>, Out<T>, Out<T>, Len>::sweep},
#define CTOC_CONST(N, T, IP) \
  {#N, IP, Nan::Any, &Shape<In<T>, In<T>, Val<T>, Val<T>, Out<T>, Out<T>, Len>::sweep},
#define CTOC_TERNARY(N, T, IP)                                                                \
  {#N, IP, Nan::Any,                                                                          \
   &Shape<In<T>, In<T>, In<T>, In<T>, In<T>, In<T>, Out<T>, Out<T>, Len>::sweep},
#define CTOC_MULCADD(N, T, IP)                                                                \
  {#N, IP, Nan::Any,                                                                          \
   &Shape<In<T>, In<T>, Val<T>, Val<T>, In<T>, In<T>, Out<T>, Out<T>, Len>::sweep},
#define CTOC_MULCADDC(N, T, IP)                                                               \
  {#N, IP, Nan::Any,                                                                          \
   &Shape<In<T>, In<T>, Val<T>, Val<T>, Val<T>, Val<T>, Out<T>, Out<T>, Len>::sweep},
#define SCALED_UNARY(N, S, D, IP) {#N, IP, Nan::Any, &Shape<In<S>, Out<D>, Len, Sf>::sweep},
#define SCALED_BINARY(N, T, IP) {#N, IP, Nan::Any, &Shape<In<T>, In<T>, Out<T>, Len, Sf>::sweep},
#define SCALED_CONST(N, T, C, IP) {#N, IP, Nan::Any, &Shape<In<T>, Val<C>, Out<T>, Len, Sf>::sweep},
#define SETMASK(N, T) {#N, 0, Nan::Payload, &Shape<Mask, Val<int>, InOut<T>, Len>::sweep},
#define SPLIT(N, T) {#N, 0, Nan::Payload, &Shape<In<T, 2>, Out<T>, Out<T>, Len>::sweep},
#define MERGE(N, T) {#N, 0, Nan::Payload, &Shape<In<T>, In<T>, Out<T, 2>, Len>::sweep},
#define LOOKUP(N, S, D)                                                                       \
  {#N, 0, Nan::Payload,                                                                       \
   &Shape<In<S>, Out<D>, Tab<D, (sizeof(S) == 1 ? 256 : 65536), (sizeof(S) == 1 ? 0 : -32768)>, \
          Ofs, Len>::sweep},
#define LOOKUP2(N, T) \
  {#N, 0, Nan::Payload, &Shape<In<Qvx8u>, In<Qvx8u>, Out<T>, Tab<T, 65536, 0>, Ofs, Len>::sweep},
#define SECOND(N, N2)
#define OBJECT(Name, T, Count)
#include "core/api.def"
};

class Sweep : public ::testing::TestWithParam<Entry> {};

TEST_P(Sweep, AgreesWithElementLoops) {
  const Entry& e = GetParam();
  e.run(e.name, e.ip, e.nan);
}

INSTANTIATE_TEST_SUITE_P(EveryFunction, Sweep, ::testing::ValuesIn(kEntries),
                         [](const ::testing::TestParamInfo<Entry>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
