// The rows of the table as calls: the arrays of one call on guarded buffers, the argument
// kinds, and the two things done with every call (compare two builds, or hash one build's
// results).  Kinds at the end gives each role of a shape's parameters (core/shapes.h) its
// argument kind; the table is instantiated family by family in rows_*.cpp
// (rows_part.inc), so that its compilation spreads over several processes.
#ifndef QVX_TEST_ROWS_SHAPES_H
#define QVX_TEST_ROWS_SHAPES_H

#include "support/rows.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <cmath>
#include <memory>
#include <tuple>

#include "core/shapes.h"
#include "support/guarded.h"
#include "support/libs.h"
#include "support/sha256.h"
#include "support/sweep.h"

namespace qvxt {
namespace rows_detail {

// ---- the arrays of one call --------------------------------------------------------------

// Guarded buffers are kept and reused across calls: mapping fresh pages for each array of
// each call would dominate the run time.  Each thread has its own.
inline Guarded& pooled(size_t i) {
  static thread_local std::vector<std::unique_ptr<Guarded>> pool;
  while (pool.size() <= i) pool.emplace_back(new Guarded);
  return *pool[i];
}

// Where two NaNs can meet.  A NaN result's payload and sign are the same in every build and
// on every path unless the operation that made it saw two NaNs: two NaN inputs, or a NaN input
// and a NaN the arithmetic makes on the way (0 * inf, inf - inf, 0 / 0, inf / inf; from
// zeros, infinities, and values whose products or quotients overflow or underflow).  The
// tally counts, for one element of every array (or for a whole reduction), its NaN inputs
// and whether one of those "odd" values is among them; only where they can meet may the
// builds return different NaNs.  (So a NaN that enters an element alone comes out with its
// own payload and sign on every path.)
struct Meet {
  int nans = 0;
  bool odd = false;
  void add(const Meet& m) {
    nans += m.nans;
    odd = odd || m.odd;
  }
  bool met() const { return nans >= 2 || (nans == 1 && odd); }
};

template <class P>
Meet meet_of(P v) {
  Meet m;
  if constexpr (std::is_floating_point<P>::value) {
    using L = std::numeric_limits<P>;
    const P a = std::fabs(v);
    // Squares of these stay normal and finite.
    const P big = std::ldexp(P(1), L::max_exponent / 2 - 1);
    const P small = std::ldexp(P(1), L::min_exponent / 2 + 1);
    if (std::isnan(v)) m.nans = 1;
    else m.odd = !(a < big && a > small);
  } else {
    (void)v;
  }
  return m;
}

// Adds each group of n / groups scalars of the n bytes to its tally (all into `all`).
template <class T>
void tally_of(const uint8_t* bytes, size_t n, std::vector<Meet>& at, Meet& all) {
  using P = part_t<T>;
  const size_t scalars = n / sizeof(P);
  const size_t per = at.empty() ? 0 : scalars / at.size();
  for (size_t k = 0; k < scalars; ++k) {
    P v;
    memcpy(&v, bytes + k * sizeof(P), sizeof v);
    const Meet m = meet_of(v);
    all.add(m);
    if (per != 0 && per * at.size() == scalars) at[k / per].add(m);
  }
}

// Every NaN among the n bytes of elements of T that `flags` (one per scalar) marks replaced
// by to(NaN).
template <class T, class To>
void replace_nans(uint8_t* bytes, size_t n, const std::vector<char>& flags, To to) {
  using P = part_t<T>;
  (void)bytes, (void)n, (void)flags, (void)to;
  if constexpr (std::is_floating_point<P>::value) {
    for (size_t i = 0; i < n / sizeof(P); ++i) {
      P v;
      memcpy(&v, bytes + i * sizeof(P), sizeof v);
      if (flags[i] && std::isnan(v)) {
        v = to(v);
        memcpy(bytes + i * sizeof(P), &v, sizeof v);
      }
    }
  }
}

// Every NaN replaced by one canonical NaN, where `free` allows it.
template <class T>
void canonical_of(uint8_t* bytes, size_t n, const std::vector<char>& free) {
  replace_nans<T>(bytes, n, free,
                  [](auto v) { return std::numeric_limits<decltype(v)>::quiet_NaN(); });
}

// The scalars of an output of n bytes whose element's inputs (or, for a result that does not
// map to one element, a reduction's cell, all the inputs) pass `pick`: free_of, those that may
// hold any NaN, where NaNs meet; made_of, those whose inputs hold no NaN, so that a NaN there
// is one the arithmetic made.
template <class T, bool (*Pick)(const Meet&)>
std::vector<char> scalars_where(size_t n, const std::vector<Meet>& at, const Meet& all) {
  using P = part_t<T>;
  const size_t scalars = n / sizeof(P);
  std::vector<char> flags(scalars, 0);
  const size_t per = at.empty() ? 0 : scalars / at.size();
  for (size_t k = 0; k < scalars; ++k)
    flags[k] = Pick(per != 0 && per * at.size() == scalars ? at[k / per] : all);
  return flags;
}
inline bool meets(const Meet& m) { return m.met(); }
inline bool no_nans(const Meet& m) { return m.nans == 0; }
template <class T>
std::vector<char> free_of(size_t n, const std::vector<Meet>& at, const Meet& all) {
  return scalars_where<T, meets>(n, at, all);
}
template <class T>
std::vector<char> made_of(size_t n, const std::vector<Meet>& at, const Meet& all) {
  return scalars_where<T, no_nans>(n, at, all);
}

// A NaN made from numbers (0 * inf, inf - inf, 0 / 0) is the processor's default NaN, whose
// sign differs between processors (x86's is set, ARM's clear) and which later operations
// may change (an absolute value clears it).  The portable digest hashes NaNs in the scalars
// that `made` flags with their sign cleared: that sign is its one difference from the exact
// digest.
template <class T>
void unsigned_nans_of(uint8_t* bytes, size_t n, const std::vector<char>& made) {
  replace_nans<T>(bytes, n, made, [](auto v) { return std::fabs(v); });
}

struct Array {
  Guarded* buf[kMaxBuilds];  // one per build: [0] the library, [1] the element-loop build
  size_t at = 0;    // the array's first byte within its buffer
  size_t bytes = 0;
  std::vector<uint8_t> before;
  Array* alias = nullptr;  // a destination that is a source: use the source's buffers
  Array* within = nullptr;  // a destination placed inside a source's buffer (overlap calls)
  bool written = false;     // a destination: compared between the builds
  const char* role = "";
  ::testing::AssertionResult (*same)(const uint8_t*, const uint8_t*, size_t, const std::vector<char>*) = nullptr;
  void (*canonical)(uint8_t*, size_t, const std::vector<char>&) = nullptr;
  void (*unsigned_nans)(uint8_t*, size_t, const std::vector<char>&) = nullptr;
  void (*tally)(const uint8_t*, size_t, std::vector<Meet>&, Meet&) = nullptr;
  std::vector<char> (*free)(size_t, const std::vector<Meet>&, const Meet&) = nullptr;
  std::vector<char> (*made)(size_t, const std::vector<Meet>&, const Meet&) = nullptr;
  uint8_t* ptr(int which) {
    if (alias != nullptr) return alias->ptr(which);
    return buf[which]->data() + at;
  }
};

// Bit for bit, except that a NaN matches any NaN in the scalars that `free` flags.
template <class T>
::testing::AssertionResult same_as(const uint8_t* a, const uint8_t* b, size_t bytes,
                                   const std::vector<char>* free) {
  return same_elements(reinterpret_cast<const T*>(a), reinterpret_cast<const T*>(b),
                       bytes / sizeof(T), Nan::Payload, free);
}

// Overlap calls: the first destination lies `delta` bytes from the first source, inside one
// buffer with room on both sides.
constexpr size_t kRoom = 128;

struct Call {
  int len = 0;
  int sf = 0;
  int ofs = 0;
  Layout lay{0, Place::Start};
  bool scatter = false;  // each array at its own random start offset instead of lay's
  bool overlap = false;
  int delta = 0;
  Rng* rng = nullptr;
  int builds = 2;
  const uint8_t* data = nullptr;  // contents from these bytes (cycled) instead of rng
  size_t size = 0, pos = 0;
  Array arrays[12];
  int count = 0;
  std::vector<int> ins, outs;
  Meet consts;  // the constant operands' NaNs and odd values, shared by every element

  void take(void* p, size_t n) {
    uint8_t* d = static_cast<uint8_t*>(p);
    for (size_t i = 0; i < n; ++i, ++pos) d[i] = size ? data[pos % size] : 0;
  }
  template <class T>
  void fill(T* p, size_t n) {
    if (data != nullptr) take(p, n * sizeof(T));
    else fill_random(p, n, *rng);
  }

  template <class T>
  Array& add(size_t n, bool written, const char* role, bool input) {
    Array& a = arrays[count];
    a = Array();
    for (int w = 0; w < builds; ++w) a.buf[w] = &pooled(kMaxBuilds * count + w);
    a.bytes = n * sizeof(T);
    a.written = written;
    a.role = role;
    a.same = &same_as<T>;
    a.canonical = &canonical_of<T>;
    a.unsigned_nans = &unsigned_nans_of<T>;
    a.tally = &tally_of<T>;
    a.free = &free_of<T>;
    a.made = &made_of<T>;
    if (overlap && !input && outs.size() == 1 && !ins.empty()) {
      // The destination inside the first source's buffer.
      Array& s = arrays[ins[0]];
      a.within = &s;
      for (int w = 0; w < builds; ++w) a.buf[w] = s.buf[w];
      a.at = static_cast<size_t>(static_cast<long>(s.at) + delta);
      s.written = true;
      ++count;
      return a;
    }
    size_t region = a.bytes;
    if (overlap && input && ins.size() == 1) region = 2 * kRoom + a.bytes + 8 * a.bytes + 64;
    // Empty arrays sit on the guard page, so that any access faults.
    const Layout lay_n = region == 0 ? Layout{0, Place::End} : lay;
    // Start offsets are kept to multiples of the element alignment.
    const size_t want = scatter && n > 0 ? (*rng)() % 16 : lay_n.offset;
    const size_t off = want / alignof(T) * alignof(T);
    for (int w = 0; w < builds; ++w) a.buf[w]->reset(region, off, lay_n.place);
    if (region != a.bytes) {
      a.at = kRoom;
      fill(a.buf[0]->data(), region);
    }
    fill(reinterpret_cast<T*>(a.buf[0]->data() + a.at), n);
    for (int w = 1; w < builds && region; ++w) memcpy(a.buf[w]->data(), a.buf[0]->data(), region);
    ++count;
    return a;
  }
};

inline size_t elements(int len, int mult) { return len > 0 ? static_cast<size_t>(len) * mult : 0; }

// ---- argument kinds ------------------------------------------------------------------------

inline Arg array_arg(Array& a) { return Arg{true, a.before.data(), a.ptr(0), a.bytes}; }

// An array of elements(len, M) elements of T (a result cell: one) as a source, a
// destination, a source that is also the destination, or a result cell of a reduction
// (written on every path, len < 1 included).
enum Role { kSource, kDestination, kSrcDst, kResult };
template <class T, Role R, int M = 1>
struct Arr {
  using type = std::conditional_t<R == kSource, const T*, T*>;
  int idx = 0;
  void init(Call& c) {
    static const char* const roles[] = {"source", "destination", "srcDst", "result"};
    idx = c.count;
    if (R == kSource) c.ins.push_back(idx);
    if (R == kDestination) c.outs.push_back(idx);
    c.add<T>(R == kResult ? 1 : elements(c.len, M), R != kSource, roles[R], R == kSource || R == kSrcDst);
  }
  type get(Call& c, int w) { return reinterpret_cast<type>(c.arrays[idx].ptr(w)); }
  void view(Call& c, std::vector<Arg>& v) { v.push_back(array_arg(c.arrays[idx])); }
};

template <class T>
struct Val {
  using type = T;
  T v;
  void init(Call& c) {
    if (c.data != nullptr) c.take(&v, sizeof v);
    else v = random_value<T>(*c.rng);
    std::vector<Meet> none;
    Meet m;
    tally_of<T>(reinterpret_cast<const uint8_t*>(&v), sizeof v, none, m);
    // A complex constant may enter through its reciprocal (the quotient by a constant), in
    // which one NaN part makes two NaN parts of opposite signs.
    if (parts<T>() > 1 && m.nans > 0) m.nans = 2;
    c.consts.add(m);
  }
  type get(Call&, int) { return v; }
  void view(Call&, std::vector<Arg>& a) {
    a.push_back(Arg{false, reinterpret_cast<const uint8_t*>(&v), reinterpret_cast<const uint8_t*>(&v), sizeof v});
  }
};

struct Len {
  using type = int;
  void init(Call&) {}
  type get(Call& c, int) { return c.len; }
  void view(Call&, std::vector<Arg>&) {}
};

struct Sf {
  using type = int;
  void init(Call&) {}
  type get(Call& c, int) { return c.sf; }
  void view(Call&, std::vector<Arg>&) {}
};

struct Ofs {
  using type = int;
  void init(Call&) {}
  type get(Call& c, int) { return c.ofs; }
  void view(Call&, std::vector<Arg>&) {}
};

// A look-up table of N entries for source values Min .. Min+N-1, passed so that value v
// indexes entry v - offset, that difference taken in wrapping 32-bit arithmetic as the
// library takes it.  No table pointer serves an offset for which some of the differences wrap
// and others do not, so such an offset (a caller's error) becomes Min; offsets whose
// differences all wrap stay.
template <class T, int N, int Min>
struct Tab {
  using type = const T*;
  int idx = 0;
  void init(Call& c) {
    idx = c.count;
    c.ins.push_back(idx);
    c.add<T>(N, false, "table", true);
    const int64_t first = static_cast<int64_t>(Min) - c.ofs, last = first + N - 1;
    if ((first < INT_MIN) != (last < INT_MIN) || (first > INT_MAX) != (last > INT_MAX)) c.ofs = Min;
  }
  type get(Call& c, int w) {
    const int32_t first =
        static_cast<int32_t>(static_cast<uint32_t>(Min) - static_cast<uint32_t>(c.ofs));
    return reinterpret_cast<const T*>(c.arrays[idx].ptr(w)) - static_cast<ptrdiff_t>(first);
  }
  void view(Call& c, std::vector<Arg>& v) { v.push_back(array_arg(c.arrays[idx])); }
};

// ceil(len / 32) mask words.
struct Mask {
  using type = const Qvx32u*;
  int idx = 0;
  void init(Call& c) {
    idx = c.count;
    c.ins.push_back(idx);
    c.add<Qvx32u>(c.len > 0 ? (static_cast<size_t>(c.len) + 31) / 32 : 0, false, "mask", true);
  }
  type get(Call& c, int w) { return reinterpret_cast<type>(c.arrays[idx].ptr(w)); }
  void view(Call& c, std::vector<Arg>& v) { v.push_back(array_arg(c.arrays[idx])); }
};

// ---- running one function ------------------------------------------------------------------

inline const std::vector<int>& scale_factors() {
  static const std::vector<int> v = [] {
    std::vector<int> s = {INT_MIN, INT_MIN + 1, -1100, -1000, -200, -130, -127, -126, -100,
                          100, 126, 127, 128, 130, 200, 1000, 1100, INT_MAX - 1, INT_MAX};
    for (int i = -70; i <= 70; ++i) s.push_back(i);
    return s;
  }();
  return v;
}

// A seed from the name alone (FNV-1a), the same on every machine and build.
inline uint64_t seed_of(const std::string& name) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char ch : name) h = (h ^ ch) * 1099511628211ull;
  return h;
}

struct Failures {
  int count = 0;
  void report(const std::string& name, const Call& c, int alias, const std::string& what) {
    if (++count > 5) return;
    ADD_FAILURE() << name << " len " << c.len << " "
                  << (c.overlap ? "overlap " + std::to_string(c.delta) + " bytes"
                                : c.scatter ? std::string("scattered") : c.lay.str())
                  << " sf " << c.sf << " offset " << c.ofs
                  << (alias >= 0 ? " in place on source " + std::to_string(alias) : "") << ": "
                  << what;
  }
};

// What is done with each call: compared between builds, or hashed; probed calls may be
// wrapped and checked.
struct Sink {
  int builds = 2;
  Sha256* hash = nullptr;
  QvxStatus (*wrap)(QvxStatus (*)(void*), void*) = nullptr;
  const std::function<std::string(const std::vector<Arg>&)>* check = nullptr;
  Sha256* portable = nullptr;  // with hash: the portable digest (unsigned_nans_of)
};

template <class... A>
struct Shape {
  using F = QvxStatus (*)(typename A::type...);

  // One call on each build; returns an empty string when all is well.
  static std::string once(const F* fn, Call& c, int alias, Nan nan, const Sink& sink) {
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
      a.before.assign(a.ptr(0), a.ptr(0) + a.bytes);
    }
    for (int w = 0; w < sink.builds; ++w) {
      auto call = [&] { return std::apply([&](auto&... a) { return fn[w](a.get(c, w)...); }, args); };
      const QvxStatus s =
          sink.wrap ? sink.wrap([](void* p) { return (*static_cast<decltype(call)*>(p))(); }, &call)
                    : call();
      if (s != 0) return "status " + std::to_string(s);
    }
    // Where NaNs can meet, from the sources as they were before the call.
    std::vector<Meet> at(nan == Nan::Any && c.len > 0 ? static_cast<size_t>(c.len) : 0);
    Meet all;
    if (nan == Nan::Any) {
      for (int i : c.ins) c.arrays[i].tally(c.arrays[i].before.data(), c.arrays[i].bytes, at, all);
      for (Meet& m : at) m.add(c.consts);
      all.add(c.consts);
    }
    for (int i = 0; i < c.count; ++i) {
      Array& a = c.arrays[i];
      for (int w = 0; w < sink.builds; ++w)
        if (!a.buf[w]->canaries_intact())
          return std::string("write next to the ") + a.role + (w ? " (element-loop build)" : "");
      if (a.alias != nullptr || a.within != nullptr) continue;
      // A source with a destination inside its buffer: the whole buffer is a result.
      const bool region = a.buf[0]->bytes() != a.bytes;
      uint8_t* p0 = region ? a.buf[0]->data() : a.ptr(0);
      const size_t n = region ? a.buf[0]->bytes() : a.bytes;
      if (a.written) {
        const bool any = nan == Nan::Any && !region;
        const std::vector<char> free = any ? a.free(n, at, all) : std::vector<char>();
        if (sink.hash != nullptr) {
          if (any) a.canonical(p0, n, free);
          sink.hash->update(p0, n);
          if (sink.portable != nullptr) {
            if (any) a.unsigned_nans(p0, n, a.made(n, at, all));
            sink.portable->update(p0, n);
          }
        }
        for (int w = 1; w < sink.builds; ++w) {
          uint8_t* pw = region ? a.buf[w]->data() : a.ptr(w);
          ::testing::AssertionResult r = region ? same_as<uint8_t>(p0, pw, n, nullptr)
                                                : a.same(p0, pw, n, any ? &free : nullptr);
          if (!r)
            return std::string(a.role) + " differs from " +
                   (sink.builds == 2 ? std::string("the element loops")
                                     : "build " + std::to_string(w)) +
                   ": " + r.message();
        }
      } else {
        for (int w = 0; w < sink.builds; ++w)
          if (a.bytes && memcmp(a.ptr(w), a.before.data(), a.bytes) != 0)
            return std::string("the ") + a.role + " was written";
      }
    }
    if (sink.check != nullptr && *sink.check) {
      std::vector<Arg> v;
      std::apply([&](auto&... a) { (a.view(c, v), ...); }, args);
      return (*sink.check)(v);
    }
    return "";
  }

  static std::string probe(const Row& row, void* const* libs, int nlibs, const Probe& p) {
    F fn[kMaxBuilds] = {};
    for (int w = 0; w < nlibs; ++w)
      if ((fn[w] = function<F>(libs[w], std::string("qvx_") + row.name)) == nullptr) return "missing";
    Rng rng(p.seed);
    Call c;
    c.len = p.len;
    c.sf = p.sf;
    c.ofs = p.ofs;
    c.lay = {p.offset, p.end ? Place::End : Place::Start};
    c.scatter = p.scatter;
    c.overlap = p.overlap && (row.ip & IP_OVERLAP) && p.delta >= -72 && p.delta <= 72;
    c.delta = p.delta;
    c.rng = &rng;
    c.builds = nlibs;
    c.data = p.data;
    c.size = p.size;
    const int alias = !c.overlap && p.alias >= 0 && p.alias < 3 && (row.ip & (1 << p.alias)) ? p.alias : -1;
    return once(fn, c, alias, row.nan, Sink{nlibs, nullptr, p.wrap, &p.check});
  }

  // Runs every call of the sweep through `sink`.
  static void calls(const Row& row, void* lib, void* ref, const Sink& sink) {
    const std::string name = row.name;
    F fn[kMaxBuilds] = {function<F>(lib, "qvx_" + name), nullptr};
    if (sink.builds == 2) {
      fn[1] = function<F>(ref, "qvx_" + name);
      ASSERT_NE(reinterpret_cast<void*>(fn[0]), reinterpret_cast<void*>(fn[1]));
    }
    ASSERT_TRUE(fn[0] && (sink.builds == 1 || fn[1]));
    Rng rng(seed_of(name));
    const auto& sfs = scale_factors();
    size_t tick = 0;
    Failures fails;
    std::vector<int> aliases = {-1};
    for (int k = 0; k < 3; ++k)
      if (row.ip & (1 << k)) aliases.push_back(k);
    auto one = [&](int len, const Layout& lay, int alias, bool scatter = false, bool overlap = false,
                   int delta = 0) {
      Call c;
      c.len = len;
      c.lay = lay;
      c.scatter = scatter;
      c.overlap = overlap;
      c.delta = delta;
      c.rng = &rng;
      c.builds = sink.builds;
      c.sf = sfs[tick++ % sfs.size()];
      c.ofs = static_cast<int>(rng() % 200001) - 100000;
      const std::string err = once(fn, c, alias, row.nan, sink);
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
    // Where every overlap is promised: the destination at byte distances from the source.
    if (row.ip & IP_OVERLAP)
      for (int len : {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 33, 63, 65, 100, 257})
        for (int delta = -72; delta <= 72; ++delta) one(len, {0, Place::Start}, -1, false, true, delta);
    // Counts whose double wraps to a positive value, for the complex forms that pass 2*len on.
    for (int len : {-0x40000001, INT_MIN + 1})
      for (int alias : aliases) one(len, {0, Place::End}, alias);
    if (fails.count > 5) ADD_FAILURE() << name << ": " << fails.count << " failing calls in all";
  }

  static void sweep(const Row& row, void* lib, void* ref) { calls(row, lib, ref, Sink{2, nullptr}); }

  static std::string digest(const Row& row, void* lib, std::string* portable) {
    Sha256 h, p;
    calls(row, lib, nullptr, Sink{1, &h, nullptr, nullptr, portable != nullptr ? &p : nullptr});
    if (portable != nullptr) *portable = p.hex();
    return h.hex();
  }
  static constexpr auto kProbe = &probe;
};

// ---- the services ----------------------------------------------------------------------------

// A service's trace: what it returns for a fixed list of inputs where that is a value
// (strings, null or not, thread counts), as bytes.  The builds' traces are compared; the
// digest hashes the trace.
template <class Fn>
struct Service;

struct NoProbe {
  static constexpr std::string (*kProbe)(const Row&, void* const*, int, const Probe&) = nullptr;
};

template <class S>
struct Traced : NoProbe {
  static void sweep(const Row& row, void* lib, void* ref) {
    EXPECT_EQ(S::trace(row, lib), S::trace(row, ref)) << row.name;
  }
  static std::string digest(const Row& row, void* lib, std::string* portable) {
    Sha256 h;
    const std::string t = S::trace(row, lib);
    h.update(t.data(), t.size());
    const std::string d = h.hex();
    if (portable != nullptr) *portable = d;
    return d;
  }
};

template <class F>
F service(const Row& row, void* lib) {
  return function<F>(lib, std::string("qvx_") + row.name);
}

template <>
struct Service<const char*(void)> : Traced<Service<const char*(void)>> {
  static std::string trace(const Row& row, void* lib) {
    return std::string(service<const char* (*)()>(row, lib)()) + '\0';
  }
};

template <>
struct Service<const char*(QvxStatus)> : Traced<Service<const char*(QvxStatus)>> {
  static std::string trace(const Row& row, void* lib) {
    std::string t;
    for (int s : {INT_MIN, -2, -1, 0, 1, 2, 3, 4, 5, 1000, INT_MAX})
      t += std::string(service<const char* (*)(QvxStatus)>(row, lib)(s)) + '\0';
    return t;
  }
};

template <>
struct Service<void*(int)> : Traced<Service<void*(int)>> {  // Malloc, released by Free
  static std::string trace(const Row& row, void* lib) {
    std::string t;
    for (int size : {INT_MIN, -1, 0, 1, 7, 64, 65, 4096, 100000, 2147483584, INT_MAX}) {
      void* a = service<void* (*)(int)>(row, lib)(size);
      EXPECT_EQ(reinterpret_cast<uintptr_t>(a) % 64, 0u);
      if (a != nullptr) memset(a, 0x5A, static_cast<size_t>(size));
      t += static_cast<char>(a == nullptr);
      function<void (*)(void*)>(lib, "qvx_Free")(a);
    }
    return t;
  }
};

template <>
struct Service<void(void*)> : Traced<Service<void(void*)>> {  // Free: exercised with Malloc
  static std::string trace(const Row& row, void* lib) {
    service<void (*)(void*)>(row, lib)(nullptr);
    return "";
  }
};

template <>
struct Service<void*(void*, int)> : Traced<Service<void*(void*, int)>> {
  static std::string trace(const Row& row, void* lib) {
    std::string t;
    Rng rng(7);
    for (int i = 0; i < 2000; ++i) {
      void* p = reinterpret_cast<void*>(static_cast<uintptr_t>(rng() >> 1));
      for (int a : {0, 1, 2, 3, 4, 16, 64, 100, -16, INT_MIN, INT_MAX, static_cast<int>(rng())}) {
        const uintptr_t v = reinterpret_cast<uintptr_t>(service<void* (*)(void*, int)>(row, lib)(p, a));
        t.append(reinterpret_cast<const char*>(&v), sizeof v);
      }
    }
    return t;
  }
};

template <>
struct Service<QvxStatus(int*)> : Traced<Service<QvxStatus(int*)>> {  // after SetNumThreads
  static std::string trace(const Row& row, void* lib) {
    auto g = service<QvxStatus (*)(int*)>(row, lib);
    auto s = function<QvxStatus (*)(int)>(lib, "qvx_SetNumThreads");
    std::string t;
    int before = 0;
    g(&before);
    for (int n : {INT_MIN, -5, 0, 1, 64, INT_MAX}) {
      int a = 0;
      const QvxStatus st[2] = {s(n), g(&a)};
      EXPECT_EQ(a, n);
      t.append(reinterpret_cast<const char*>(st), sizeof st);
      t.append(reinterpret_cast<const char*>(&a), sizeof a);
    }
    s(before);
    return t;
  }
};

template <>
struct Service<QvxStatus(int)> : Traced<Service<QvxStatus(int)>> {  // with GetNumThreads
  static std::string trace(const Row&, void*) { return ""; }
};

// ---- the table, as rows ----------------------------------------------------------------------

template <class S>
Row row(const char* name, int ip, Nan nan) {
  return Row{name, ip, nan, &S::sweep, &S::digest, S::kProbe};
}

// The argument kind of each role of a shape's parameters.
struct Kinds {
  template <class T, int M>
  using In = Arr<T, kSource, M>;
  template <class T, int M>
  using Out = Arr<T, kDestination, M>;
  template <class T>
  using InOut = Arr<T, kSrcDst>;
  template <class T>
  using Cell = Arr<T, kResult>;
  template <class T>
  using Val = rows_detail::Val<T>;
  template <class T, int N, int Min>
  using Tab = rows_detail::Tab<T, N, Min>;
  using Len = rows_detail::Len;
  using Sf = rows_detail::Sf;
  using Ofs = rows_detail::Ofs;
  using Mask = rows_detail::Mask;
};

template <class... R>
using ShapeOf = Shape<qvx_role::bind_t<Kinds, R>...>;

}  // namespace rows_detail
}  // namespace qvxt

#endif
