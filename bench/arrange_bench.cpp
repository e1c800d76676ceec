// Reversal, split, merge and look-up against the plain element loop (compiled without
// auto-vectorisation) and memcpy of the same number of bytes.  Arguments are element counts
// (pairs for Split and Merge); bytes counted: everything read plus everything written.
#include "bench_util.h"

namespace {

using qvxb::Buffer;

// ---- reversal ------------------------------------------------------------------------------

template <class T, QvxStatus (*F)(T*, int)>
void BM_flip_i(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<T> s(len);
  for (auto _ : state) {
    F(s, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * state.range(0) * sizeof(T));
}

// ---- split and merge -----------------------------------------------------------------------

template <class T, QvxStatus (*F)(const T*, T*, T*, int)>
void BM_split(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<T> s(2 * static_cast<size_t>(len)), d1(len), d2(len);
  for (auto _ : state) {
    F(s, d1, d2, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 4 * state.range(0) * sizeof(T));
}

void BM_split16_loop(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<Qvx16s> s(2 * static_cast<size_t>(len)), d1(len), d2(len);
  for (auto _ : state) {
    const Qvx16s* x = s;
    Qvx16s* a = d1;
    Qvx16s* b = d2;
    for (int i = 0; i < len; ++i) {
      a[i] = x[2 * i];
      b[i] = x[2 * i + 1];
    }
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 4 * state.range(0) * 2);
}

template <class T, QvxStatus (*F)(const T*, const T*, T*, int)>
void BM_merge(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<T> s1(len), s2(len), d(2 * static_cast<size_t>(len));
  for (auto _ : state) {
    F(s1, s2, d, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 4 * state.range(0) * sizeof(T));
}

void BM_merge32f_loop(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<Qvx32f> s1(len), s2(len), d(2 * static_cast<size_t>(len));
  for (auto _ : state) {
    const Qvx32f* a = s1;
    const Qvx32f* b = s2;
    Qvx32f* x = d;
    for (int i = 0; i < len; ++i) {
      x[2 * i] = a[i];
      x[2 * i + 1] = b[i];
    }
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 4 * state.range(0) * 4);
}

// ---- look-up: sources cycle through every table entry ---------------------------------------

template <class S, class D, QvxStatus (*F)(const S*, D*, const D*, int, int)>
void BM_lookup(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  const int entries = sizeof(S) == 1 ? 256 : 65536;
  const int offset = sizeof(S) == 1 ? 0 : -32768;
  Buffer<S> s(len);
  Buffer<D> table(entries), d(len);
  for (auto _ : state) {
    F(s, d, table, offset, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, state.range(0) * (sizeof(S) + 2 * sizeof(D)));
}

void BM_lookup2(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<Qvx8u> s1(len), s2(len), table(65536), d(len);
  for (auto _ : state) {
    qvx_Vector_LookUp2_8U(s1, s2, d, table, 0, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 4 * state.range(0));
}

BENCHMARK(qvxb::BM_memcpy)->Arg(2 * 16384)->Arg(2 * 16 << 20)->Arg(2 * 32 << 20);
BENCHMARK(qvxb::BM_unary<Qvx8u, qvx_Vector_Flip_8U>)->Apply(qvxb::counts<Qvx8u>);
BENCHMARK(qvxb::BM_unary<Qvx16s, qvx_Vector_Flip_16S>)->Apply(qvxb::counts<Qvx16s>);
BENCHMARK(qvxb::BM_unary<Qvx32f, qvx_Vector_Flip_32F>)->Apply(qvxb::counts<Qvx32f>);
BENCHMARK(qvxb::BM_unary<Qvx64f, qvx_Vector_Flip_64F>)->Apply(qvxb::counts<Qvx64f>);
BENCHMARK(BM_flip_i<Qvx16s, qvx_Vector_Flip_16S_I>)->Apply(qvxb::counts<Qvx16s>);
BENCHMARK(BM_flip_i<Qvx32s, qvx_Vector_Flip_32S_I>)->Apply(qvxb::counts<Qvx32s>);
BENCHMARK(BM_split16_loop)->Apply(qvxb::counts<Qvx16s>);
BENCHMARK(BM_split<Qvx8u, qvx_Vector_Split_8U>)->Apply(qvxb::counts<Qvx8u>);
BENCHMARK(BM_split<Qvx16s, qvx_Vector_Split_16S>)->Apply(qvxb::counts<Qvx16s>);
BENCHMARK(BM_split<Qvx32f, qvx_Vector_Split_32F>)->Apply(qvxb::counts<Qvx32f>);
BENCHMARK(BM_split<Qvx64f, qvx_Vector_Split_64F>)->Apply(qvxb::counts<Qvx64f>);
BENCHMARK(BM_merge32f_loop)->Apply(qvxb::counts<Qvx32f>);
BENCHMARK(BM_merge<Qvx8u, qvx_Vector_Merge_8U>)->Apply(qvxb::counts<Qvx8u>);
BENCHMARK(BM_merge<Qvx16s, qvx_Vector_Merge_16S>)->Apply(qvxb::counts<Qvx16s>);
BENCHMARK(BM_merge<Qvx32f, qvx_Vector_Merge_32F>)->Apply(qvxb::counts<Qvx32f>);
BENCHMARK(BM_merge<Qvx64f, qvx_Vector_Merge_64F>)->Apply(qvxb::counts<Qvx64f>);
BENCHMARK((BM_lookup<Qvx8u, Qvx8u, qvx_Vector_LookUp_8U>))->Apply(qvxb::counts<Qvx8u>);
BENCHMARK((BM_lookup<Qvx8u, Qvx32f, qvx_Vector_LookUp_8U_32F>))->Apply(qvxb::counts<Qvx8u>);
BENCHMARK((BM_lookup<Qvx16s, Qvx16s, qvx_Vector_LookUp_16S>))->Apply(qvxb::counts<Qvx16s>);
BENCHMARK((BM_lookup<Qvx16s, Qvx64f, qvx_Vector_LookUp_16S_64F>))->Apply(qvxb::counts<Qvx16s>);
BENCHMARK(BM_lookup2)->Apply(qvxb::counts<Qvx8u>);

}  // namespace

BENCHMARK_MAIN();
