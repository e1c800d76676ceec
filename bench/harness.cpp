// The benchmark program: one entry per function and size (and scale factor), each timing the
// library and every baseline it has back to back, and a summary table at the end.
//
//   bench_<flavour> [--qvx_set=representative|all|<substring>|<name>,<name>,...]
//                   [--qvx_sizes=1024,4194304]
//                   [--qvx_sfs=-1,0,1] [--qvx_columns=full] [--qvx_csv=FILE]
//                   [Google Benchmark flags]
//
// --qvx_sfs gives the scale factors of the scaled functions (default -1, 0, 1), for families
// whose methods change with the scale factor.
//
// The representative set is every function that has a baseline loop, plus Copy.  Ratios are
// library time / baseline time (below 1: the library is faster), each from the fastest of
// the repetitions of both, measured in the same run.
#include "harness.h"

#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "core/shapes.h"
#include "qvx_levels.h"

namespace qvxb {

// ---- baselines ---------------------------------------------------------------------------------

namespace {
std::map<std::string, void*>& registry() {
  static std::map<std::string, void*> r;
  return r;
}
void* baseline(const std::string& kind, const std::string& name) {
  const auto it = registry().find(kind + ":" + name);
  return it == registry().end() ? nullptr : it->second;
}
}  // namespace

bool add_baseline(const char* kind, const char* name, void* fn) {
  registry()[std::string(kind) + ":" + name] = fn;
  return true;
}

namespace {

const char* const kKinds[] = {"user",  "plain",     "volk", "volk_sse",
                              "sleef", "sleef_sse", "mvec", "mvec_sse"};
constexpr int kNumKinds = sizeof kKinds / sizeof kKinds[0];

// ---- arguments ---------------------------------------------------------------------------------

// A 64-byte aligned block, as a user gets from qvx_Malloc.
struct Block {
  void* p = nullptr;
  size_t bytes = 0;
  Block() = default;
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;
  ~Block() { qvx_Free(p); }
  void allocate(size_t n) {
    bytes = n;
    p = qvx_Malloc(static_cast<int>(n + 64));
  }
};

// Deterministic data of ordinary values: integers over their range (32-bit ones within
// +-2^20), floating point in (0, 1): valid for every domain (logarithms, roots, arc sines),
// away from zeros, infinities and denormals.
template <class T>
void fill(T* p, size_t n, uint64_t seed) {
  uint64_t x = seed * 0x9E3779B97F4A7C15ull + 1;
  for (size_t i = 0; i < n; ++i) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    if constexpr (std::is_floating_point<T>::value) {
      p[i] = static_cast<T>((static_cast<double>(x >> 11) + 1.0) / 9007199254740994.0);
    } else if constexpr (sizeof(T) == 4) {
      p[i] = static_cast<T>(static_cast<int64_t>(x % 2097153) - 1048576);
    } else {
      p[i] = static_cast<T>(x);
    }
  }
}
template <class T> struct Part { using type = T; };
template <> struct Part<Qvx16sc> { using type = Qvx16s; };
template <> struct Part<Qvx32fc> { using type = Qvx32f; };
template <> struct Part<Qvx64fc> { using type = Qvx64f; };

struct Call {
  int len = 0;
  int sf = 0;
  int ofs = 0;   // a look-up table's offset
  int vals = 0;  // constants handed out so far
  std::vector<std::unique_ptr<Block>> blocks;
  size_t traffic = 0;  // bytes read plus bytes written by one call
  void* first_in = nullptr;
  size_t first_in_bytes = 0;
  // The in-place calls work on this copy of the first source, refreshed before every timed
  // batch, so that the data every other timing reads stay as they were filled.
  Block scratch;
  void* first_out = nullptr;
  template <class T>
  T* array(size_t n, bool counted = true) {
    blocks.emplace_back(new Block);
    blocks.back()->allocate(n * sizeof(T));
    using P = typename Part<T>::type;
    fill(static_cast<P*>(blocks.back()->p), n * sizeof(T) / sizeof(P), blocks.size());
    if (counted) traffic += n * sizeof(T);
    return static_cast<T*>(blocks.back()->p);
  }
};

template <class T, int M = 1>
struct In {
  using type = const T*;
  T* p;
  void init(Call& c) {
    p = c.array<T>(size_t(c.len) * M);
    if (c.first_in == nullptr) {
      c.first_in = p;
      c.first_in_bytes = size_t(c.len) * M * sizeof(T);
    }
  }
  type get(const Call& c, bool in_place) const {
    return in_place && p == c.first_in ? static_cast<T*>(c.scratch.p) : p;
  }
};
template <class T, int M = 1>
struct Out {
  using type = T*;
  T* p;
  void init(Call& c) {
    p = c.array<T>(size_t(c.len) * M);
    if (c.first_out == nullptr) c.first_out = p;
  }
  // In place: the destination is the first source (same size), when asked.
  type get(const Call& c, bool in_place) const {
    return in_place && c.first_in != nullptr && p == c.first_out ? static_cast<T*>(c.scratch.p) : p;
  }
};
template <class T>
struct InOut {
  using type = T*;
  T* p;
  void init(Call& c) {
    p = c.array<T>(c.len);
    c.traffic += size_t(c.len) * sizeof(T);
  }
  type get(const Call&, bool) const { return p; }
};
template <class T>
struct Cell {
  using type = T*;
  T* p;
  void init(Call& c) { p = c.array<T>(1, false); }
  type get(const Call&, bool) const { return p; }
};
template <class T>
struct Val {
  using type = T;
  T v;
  void init(Call& c) {
    const int k = c.vals++;
    using P = typename Part<T>::type;
    P parts[sizeof(T) / sizeof(P)];
    for (P& x : parts) x = std::is_floating_point<P>::value ? P(0.75 + 0.25 * k) : P(3 + k);
    memcpy(&v, parts, sizeof v);
  }
  type get(const Call&, bool) const { return v; }
};
struct Len {
  using type = int;
  void init(Call&) {}
  type get(const Call& c, bool) const { return c.len; }
};
struct Sf {
  using type = int;
  void init(Call&) {}
  type get(const Call& c, bool) const { return c.sf; }
};
template <class T, int N, int Min>
struct Tab {
  using type = const T*;
  T* p;
  void init(Call& c) {
    p = c.array<T>(N, false);
    c.ofs = Min;
  }
  type get(const Call&, bool) const { return p; }
};
// The offset that makes the table's first entry serve the value Min (set by the table).
struct Ofs {
  using type = int;
  void init(Call&) {}
  type get(const Call& c, bool) const { return c.ofs; }
};
struct Mask {
  using type = const Qvx32u*;
  Qvx32u* p;
  void init(Call& c) { p = c.array<Qvx32u>((size_t(c.len) + 31) / 32); }
  type get(const Call&, bool) const { return p; }
};

// ---- timing ------------------------------------------------------------------------------------

template <class F>
double seconds(F f) {
  const auto t0 = std::chrono::steady_clock::now();
  f();
  benchmark::ClobberMemory();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

struct Row {
  std::string name;
  int ip;
  bool scaled;
  bool has_baseline;
  void (*run)(benchmark::State&, const Row&, int len, int sf);
};

template <class... A>
struct Shape {
  using F = QvxStatus (*)(typename A::type...);
  using B = void (*)(typename A::type...);

  static void run(benchmark::State& state, const Row& row, int len, int sf) {
    static void* lib = dlopen("libqvx_vector.so", RTLD_NOW | RTLD_NOLOAD);
    const F f = reinterpret_cast<F>(dlsym(lib, ("qvx_" + row.name).c_str()));
    Call c;
    c.len = len;
    c.sf = sf;
    std::tuple<A...> args;
    std::apply([&](auto&... a) { (a.init(c), ...); }, args);
    // A baseline registered as "<kind>_ip" works in place: it is compared with the library's
    // in-place call.
    B base[kNumKinds];
    bool base_ip[kNumKinds];
    for (int k = 0; k < kNumKinds; ++k) {
      base[k] = reinterpret_cast<B>(baseline(kKinds[k], row.name));
      base_ip[k] = base[k] == nullptr && baseline(std::string(kKinds[k]) + "_ip", row.name);
      if (base_ip[k]) base[k] = reinterpret_cast<B>(baseline(std::string(kKinds[k]) + "_ip", row.name));
    }
    Block copy_src, copy_dst;
    const size_t half = c.traffic / 2;
    copy_src.allocate(half);
    copy_dst.allocate(half);
    memset(copy_src.p, 1, half);
    const bool in_place = (row.ip & IP_SRC1) && c.first_in != nullptr && c.first_out != nullptr;
    if (in_place) c.scratch.allocate(c.first_in_bytes);
    // Short calls are timed many at a time, above the clock's resolution.
    const int reps = std::max(1, 1 << 16 >> std::min(16, 31 - __builtin_clz(std::max(1, len))));
    const auto times = [&](auto fn) { return seconds([&] { for (int r = 0; r < reps; ++r) fn(); }); };
    double best = 1e30, best_ip = 1e30, best_copy = 1e30, best_base[kNumKinds];
    for (double& b : best_base) b = 1e30;
    for (auto _ : state) {
      best = std::min(best, times([&] { std::apply([&](auto&... a) { f(a.get(c, false)...); }, args); }));
      if (in_place) {
        memcpy(c.scratch.p, c.first_in, c.first_in_bytes);
        best_ip = std::min(best_ip, times([&] { std::apply([&](auto&... a) { f(a.get(c, true)...); }, args); }));
      }
      for (int k = 0; k < kNumKinds; ++k)
        if (base[k] != nullptr)
          best_base[k] = std::min(best_base[k], times([&] {
            std::apply([&](auto&... a) { base[k](a.get(c, false)...); }, args);
          }));
      best_copy = std::min(best_copy, times([&] { memcpy(copy_dst.p, copy_src.p, half); }));
    }
    state.counters["ns/elem"] = best * 1e9 / reps / std::max(1, len);
    for (int k = 0; k < kNumKinds; ++k)
      if (base[k] != nullptr) state.counters[kKinds[k]] = (base_ip[k] ? best_ip : best) / best_base[k];
    if (in_place) state.counters["in_place"] = best_ip / best;
    if (half > 0) {
      state.counters["memcpy"] = best / best_copy;
      state.counters["copied"] = static_cast<double>(half);
    }
  }
};

// The argument kind of each role of a shape's parameters.
struct Kinds {
  template <class T, int M>
  using In = qvxb::In<T, M>;
  template <class T, int M>
  using Out = qvxb::Out<T, M>;
  template <class T>
  using InOut = qvxb::InOut<T>;
  template <class T>
  using Cell = qvxb::Cell<T>;
  template <class T>
  using Val = qvxb::Val<T>;
  template <class T, int N, int Min>
  using Tab = qvxb::Tab<T, N, Min>;
  using Len = qvxb::Len;
  using Sf = qvxb::Sf;
  using Ofs = qvxb::Ofs;
  using Mask = qvxb::Mask;
};

template <class... R>
Row row(const char* name, int ip) {
  const std::string n = name;
  bool has = n.rfind("Vector_Copy_", 0) == 0;
  for (const char* k : kKinds)
    has = has || baseline(k, n) != nullptr || baseline(std::string(k) + "_ip", n) != nullptr;
  const bool scaled = (std::is_same<R, qvx_role::Sf>::value || ...);
  return Row{n, ip < 0 ? 0 : ip, scaled, has, &Shape<qvx_role::bind_t<Kinds, R>...>::run};
}

// The rows of the table as benchmarks.
std::vector<Row> rows() {
  return {
#define QVX_SHAPE_ROW(N, Shape_, Ip, Nans, Types, ...) row<__VA_ARGS__>(#N, Ip),
#define QVX_SERVICE_ROW(N, R, P)
#define QVX_SECOND_ROW(N, N2)
#define QVX_OBJECT_ROW(Name, T, Count)
#include "core/api_rows.h"
  };
}

// ---- the summary table -------------------------------------------------------------------------

// Collects every run and prints one table at the end: the headline columns (library time per
// element; ratios to the user's -O3 loop for this instruction set, to memcpy of the same
// bytes and to VOLK) or, with --qvx_columns=full, every baseline.  --qvx_csv=FILE also
// writes every run with the baselines' own times per element, for plots, the peers' (VOLK,
// SLEEF, libmvec) built for the flavour's instruction set.
class Summary : public benchmark::BenchmarkReporter {
 public:
  Summary(bool full, std::string csv) : full_(full), csv_(std::move(csv)) {}
  bool ReportContext(const Context&) override { return true; }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      runs_.push_back(r);
      fputc('.', stderr);
    }
  }
  void Finalize() override {
    fputc('\n', stderr);
    struct Col { const char* counter; const char* title; };
    std::vector<Col> cols = {{"ns/elem", "ns/elem"}, {"user", "vs -O3 loop"}, {"memcpy", "vs memcpy"}, {"volk", "vs VOLK"},
                             {"sleef", "vs SLEEF"}, {"mvec", "vs libmvec"}};
    if (full_) {
      cols.push_back({"plain", "vs -O2 loop"});
      cols.push_back({"volk_sse", "vs VOLK SSE"});
      cols.push_back({"sleef_sse", "vs SLEEF SSE"});
      cols.push_back({"mvec_sse", "vs libmvec SSE"});
      cols.push_back({"in_place", "in place"});
    }
    printf("\nLibrary flavour %s. Ratios are library time / baseline time: below 1 the library is faster.\n",
           QVXB_FLAVOUR);
    printf("vs memcpy: against memcpy of the bytes in the last column, half of what one call reads plus\n"
           "writes, so that the copy reads and writes as many bytes as the call (Add_32F of n elements\n"
           "reads 8n bytes and writes 4n; memcpy copies 6n).  The copy's source and destination are\n"
           "arrays of their own beside the call's, so at sizes near the cache's the two do not share it.\n");
    printf("%-30s %9s %5s", "operation", "size", "sf");
    for (const Col& c : cols) printf(" %11s", c.title);
    printf(" %14s\n", "memcpy copies");
    FILE* csv = csv_.empty() ? nullptr : fopen(csv_.c_str(), "w");
    if (csv) fprintf(csv, "flavour,operation,size,sf,library,user,plain,volk,memcpy,sleef,mvec\n");
    for (const Run& r : runs_) {
      // function/len[/sf]
      std::string name = r.benchmark_name();
      std::string op = name.substr(0, name.find('/'));
      std::string rest = name.substr(name.find('/') + 1);
      std::string size = rest.substr(0, rest.find('/'));
      std::string sf = rest.find('/') == std::string::npos ? "" : rest.substr(rest.find('/') + 1);
      if (op.rfind("Vector_", 0) == 0) op = op.substr(7);
      printf("%-30s %9s %5s", op.c_str(), size.c_str(), sf.c_str());
      for (const Col& c : cols) {
        const auto it = r.counters.find(c.counter);
        if (it == r.counters.end()) printf(" %11s", "-");
        else printf(" %11.3f", static_cast<double>(it->second));
      }
      const auto copied = r.counters.find("copied");
      if (copied == r.counters.end()) printf(" %14s\n", "-");
      else printf(" %14.0f\n", static_cast<double>(copied->second));
      if (csv) {
        const auto get = [&](const char* k) { auto it = r.counters.find(k); return it == r.counters.end() ? 0.0 : double(it->second); };
        const double lib = get("ns/elem");
        // Each baseline's own time per element: the library's divided by its ratio.
        const auto per = [&](const char* k) { const double q = get(k); return q > 0 ? lib / q : 0.0; };
        // The peers' kernels for the flavour's instruction set: SSE2 beside the baseline.
        const bool sse = strcmp(QVXB_FLAVOUR, "x86-64") == 0;
        fprintf(csv, "%s,%s,%s,%s,%.6g,%.6g,%.6g,%.6g,%.6g,%.6g,%.6g\n", QVXB_FLAVOUR, op.c_str(),
                size.c_str(), sf.c_str(), lib, per("user"), per("plain"),
                per(sse ? "volk_sse" : "volk"), per("memcpy"), per(sse ? "sleef_sse" : "sleef"),
                per(sse ? "mvec_sse" : "mvec"));
      }
    }
    if (csv) fclose(csv);
  }

 private:
  bool full_;
  std::string csv_;
  std::vector<Run> runs_;
};

std::vector<int> parse_sizes(const char* s) {
  std::vector<int> v;
  while (s && *s) {
    v.push_back(atoi(s));
    s = strchr(s, ',');
    if (s) ++s;
  }
  return v;
}

}  // namespace
}  // namespace qvxb

int main(int argc, char** argv) {
  using namespace qvxb;
  std::string set = "representative";
  std::vector<int> sizes = {1024, 4096, 16384, 4194304};
  std::vector<int> sfs = {-1, 0, 1};
  std::vector<char*> rest;
  bool full = false;
  std::string csv;
  for (int i = 0; i < argc; ++i) {
    if (strncmp(argv[i], "--qvx_set=", 10) == 0) {
      set = argv[i] + 10;
    } else if (strncmp(argv[i], "--qvx_sizes=", 12) == 0) {
      sizes = parse_sizes(argv[i] + 12);
    } else if (strncmp(argv[i], "--qvx_sfs=", 10) == 0) {
      sfs = parse_sizes(argv[i] + 10);
    } else if (strcmp(argv[i], "--qvx_columns=full") == 0) {
      full = true;
    } else if (strncmp(argv[i], "--qvx_csv=", 10) == 0) {
      csv = argv[i] + 10;
    } else {
      rest.push_back(argv[i]);
    }
  }
#ifdef QVXB_FLAVOUR
  bool ok = true;
#define QVXB_CHECK_LEVEL(name) \
  if (strcmp(QVXB_FLAVOUR, name) == 0) ok = __builtin_cpu_supports(name);
  QVX_FOR_EACH_LEVEL(QVXB_CHECK_LEVEL)
#undef QVXB_CHECK_LEVEL
  if (!ok) {
    printf("skipped: this processor cannot run the %s flavour\n", QVXB_FLAVOUR);
    return 77;
  }
  Dl_info info;
  dladdr(reinterpret_cast<void*>(&qvx_GetVersion), &info);
  printf("flavour %s: %s\n", QVXB_FLAVOUR, info.dli_fname);
#endif
  static std::vector<Row> all = rows();
  for (const Row& r : all) {
    // A list with commas names functions exactly (Add_32F,Mul_32FC,); otherwise a substring.
    const bool listed = set.find(',') != std::string::npos &&
                        ("," + set + ",").find("," + r.name.substr(7) + ",") != std::string::npos;
    const bool chosen = set == "all" || listed ||
                        (set == "representative" ? r.has_baseline
                                                 : set.find(',') == std::string::npos && r.name.find(set) != std::string::npos);
    if (!chosen) continue;
    for (int len : sizes) {
      for (int sf : r.scaled ? sfs : std::vector<int>{0}) {
        std::string name = r.name + "/" + std::to_string(len);
        if (r.scaled) name += "/" + std::to_string(sf);
        const Row* rp = &r;
        benchmark::RegisterBenchmark(name.c_str(), [rp, len, sf](benchmark::State& s) {
          rp->run(s, *rp, len, sf);
        });
      }
    }
  }
  int n = static_cast<int>(rest.size());
  benchmark::Initialize(&n, rest.data());
  Summary summary(full, csv);
  benchmark::RunSpecifiedBenchmarks(&summary);
  benchmark::Shutdown();
  return 0;
}
