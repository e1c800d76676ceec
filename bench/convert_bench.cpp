// Conversions against the plain element loop (compiled here without auto-vectorisation) and
// against memcpy of the same traffic.  Bytes counted: everything read plus everything
// written, so the bytes/s of a conversion and of its memcpy baseline compare directly.
// Sizes in elements: 4096 (first-level cache) and 8 Mi (every array 8 MiB or more).
#include <math.h>

#include "bench_util.h"
#include "core/convert.h"

namespace {

using qvxb::Buffer;

constexpr int64_t kSmall = 4096;
constexpr int64_t kLarge = 8 << 20;

void sizes(benchmark::internal::Benchmark* b) { b->Arg(kSmall)->Arg(kLarge); }

// Sources without special values: integers as the pattern gives them, floating values spread
// over about +-70000 (so conversions into 16-bit types saturate now and then).
template <class T>
void fill_source(Buffer<T>& b) {
  if constexpr (sizeof(T) >= 4 && static_cast<T>(0.5) != 0) {
    for (size_t i = 0; i < b.size(); ++i)
      b.get()[i] = static_cast<T>((static_cast<int>((i * 2654435761u) % 140000) - 70000) * 1.25);
  }
}

template <class S, class D, QvxStatus (*F)(const S*, D*, int, int), int Sf>
void BM_convert(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<S> src(len);
  Buffer<D> dst(len);
  fill_source(src);
  for (auto _ : state) {
    F(src, dst, len, Sf);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, state.range(0) * static_cast<int64_t>(sizeof(S) + sizeof(D)));
}

// ---- the element loops a user would write ----------------------------------------------

template <class S, class D, class Elem>
void element_loop(benchmark::State& state, Elem elem) {
  const int len = static_cast<int>(state.range(0));
  Buffer<S> src(len);
  Buffer<D> dst(len);
  fill_source(src);
  for (auto _ : state) {
    const S* s = src;
    D* d = dst;
    for (int i = 0; i < len; ++i) d[i] = elem(s[i]);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, state.range(0) * static_cast<int64_t>(sizeof(S) + sizeof(D)));
}

void BM_loop_16S_32F(benchmark::State& state) {
  const float f = ldexpf(1.0f, -15);
  element_loop<Qvx16s, Qvx32f>(state, [f](Qvx16s x) { return static_cast<float>(x) * f; });
}
void BM_loop_32F_16S(benchmark::State& state) {
  const float f = ldexpf(1.0f, 15);
  element_loop<Qvx32f, Qvx16s>(
      state, [f](float x) { return qvx::saturate_trunc<Qvx16s>(static_cast<double>(x * f)); });
}
void BM_loop_16S_8U(benchmark::State& state) {
  const int sf = -3;
  element_loop<Qvx16s, Qvx8u>(state, [sf](Qvx16s x) {
    int v = sf < 0 ? x >> -sf : x << sf;
    return static_cast<Qvx8u>(v < 0 ? 0 : v > 255 ? 255 : v);
  });
}

#define QVXB_CONVERT(S, D, TS, TD, SF)                                                   \
  BENCHMARK(BM_convert<TS, TD, qvx_Vector_TypeConvertShift_##S##_##D, SF>)->Apply(sizes); \
  BENCHMARK(qvxb::BM_memcpy)                                                              \
      ->Arg(kSmall * int64_t(sizeof(TS) + sizeof(TD)))                                    \
      ->Arg(kLarge * int64_t(sizeof(TS) + sizeof(TD)));

BENCHMARK(BM_loop_16S_32F)->Apply(sizes);
QVXB_CONVERT(16S, 32F, Qvx16s, Qvx32f, -15)
BENCHMARK(BM_loop_32F_16S)->Apply(sizes);
QVXB_CONVERT(32F, 16S, Qvx32f, Qvx16s, 15)
BENCHMARK(BM_loop_16S_8U)->Apply(sizes);
QVXB_CONVERT(16S, 8U, Qvx16s, Qvx8u, -3)
QVXB_CONVERT(8U, 32F, Qvx8u, Qvx32f, 0)
QVXB_CONVERT(32F, 8U, Qvx32f, Qvx8u, -8)
QVXB_CONVERT(32S, 64F, Qvx32s, Qvx64f, -31)
QVXB_CONVERT(64F, 32S, Qvx64f, Qvx32s, 4)
QVXB_CONVERT(8U, 16S, Qvx8u, Qvx16s, 7)

}  // namespace

BENCHMARK_MAIN();
