// Shared pieces of the benchmarks: sizes that sit in L1, L2 and memory, buffers, and the
// byte counters that make library calls and baselines comparable.
#ifndef QVX_BENCH_UTIL_H
#define QVX_BENCH_UTIL_H

#include <benchmark/benchmark.h>
#include <stdint.h>
#include <string.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "qvx_vector.h"

namespace qvxb {

// Vector sizes in bytes per array: 4 KiB (L1), 256 KiB (L2), 16 MiB and 64 MiB (memory;
// the larger one well beyond the last-level cache).
constexpr int64_t kL1 = 4 << 10;
constexpr int64_t kL2 = 256 << 10;
constexpr int64_t kMem = 16 << 20;
constexpr int64_t kBig = 64 << 20;

// Adds the three sizes as arguments (bytes per array).
inline void sizes(benchmark::internal::Benchmark* b) { b->Arg(kL1)->Arg(kL2)->Arg(kMem)->Arg(kBig); }

// Element counts: 4096 (the element-loop comparison), and arrays of 256 KiB (L2) and
// 16 MiB (memory).
template <class T>
void counts(benchmark::internal::Benchmark* b) {
  b->Arg(4096)->Arg(kL2 / sizeof(T))->Arg(kMem / sizeof(T));
}

// A 64-byte aligned block of n elements of T, filled with a pattern that avoids special
// values unless the caller overwrites it.
template <class T>
struct Buffer {
  explicit Buffer(size_t n) : n_(n) {
    p_ = static_cast<T*>(qvx_Malloc(static_cast<int>(n * sizeof(T) + 64)));
    uint8_t* b = reinterpret_cast<uint8_t*>(p_);
    for (size_t i = 0; i < n * sizeof(T); ++i) b[i] = static_cast<uint8_t>(i * 37 + 11);
  }
  ~Buffer() { qvx_Free(p_); }
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;
  T* get() const { return p_; }
  operator T*() const { return p_; }
  size_t size() const { return n_; }

 private:
  T* p_;
  size_t n_;
};

// Records the bytes moved per iteration: everything read plus everything written.
inline void count_bytes(benchmark::State& state, int64_t bytes_per_call) {
  state.SetBytesProcessed(state.iterations() * bytes_per_call);
}

// The memory-bound baseline: memcpy moving `range(0)` bytes of traffic in all (it reads
// half of them and writes the other half).  A call that reads plus writes N bytes compares
// with BM_memcpy/N.
inline void BM_memcpy(benchmark::State& state) {
  const size_t bytes = static_cast<size_t>(state.range(0)) / 2;
  Buffer<uint8_t> src(bytes), dst(bytes);
  for (auto _ : state) {
    memcpy(dst.get(), src.get(), bytes);
    benchmark::ClobberMemory();
  }
  count_bytes(state, state.range(0));
}

// A one-source primitive src -> dst of range(0) elements; bytes counted: read plus written.
template <class T, QvxStatus (*F)(const T*, T*, int)>
void BM_unary(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<T> s(len), d(len);
  for (auto _ : state) {
    F(s, d, len);
    benchmark::ClobberMemory();
  }
  count_bytes(state, 2 * state.range(0) * static_cast<int64_t>(sizeof(T)));
}

// The time one call of f takes, in seconds.
template <class F>
double seconds(F f) {
  const auto t0 = std::chrono::steady_clock::now();
  f();
  benchmark::ClobberMemory();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// A paired measurement, for ratios that hold on a busy machine: every iteration times the
// library call and its baseline back to back, and the fastest run of each is compared.
// Counter "speedup" = fastest baseline time / fastest library time (above 1: the library is
// faster than the baseline).  Short calls are timed `reps` at a time, above the clock's
// resolution.
template <class Lib, class Base>
void paired(benchmark::State& state, Lib lib, Base base, const char* label, int reps = 1) {
  double best_lib = 1e30, best_base = 1e30;
  for (auto _ : state) {
    best_lib = std::min(best_lib, seconds([&] { for (int r = 0; r < reps; ++r) lib(); }));
    best_base = std::min(best_base, seconds([&] { for (int r = 0; r < reps; ++r) base(); }));
  }
  state.counters["speedup"] = best_base / best_lib;
  state.SetLabel(label);
}

}  // namespace qvxb

#endif
