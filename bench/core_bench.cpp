// Fill, copy and move against memset, memcpy and memmove of the same bytes, at sizes in
// L1, L2 and memory.  Bytes counted: read plus written.
#include "bench_util.h"

namespace {

using qvxb::Buffer;


void BM_memmove_overlap(benchmark::State& state) {
  const size_t bytes = static_cast<size_t>(state.range(0));
  Buffer<uint8_t> buf(bytes + 64);
  for (auto _ : state) {
    memmove(buf.get() + 64, buf.get(), bytes);  // destination inside the source: backward
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * state.range(0));
}

void BM_memset(benchmark::State& state) {
  const size_t bytes = static_cast<size_t>(state.range(0));
  Buffer<uint8_t> dst(bytes);
  for (auto _ : state) {
    memset(dst.get(), 0x5A, bytes);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, state.range(0));
}

template <class T, QvxStatus (*F)(const T*, T*, int)>
void BM_copy(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0) / sizeof(T));
  Buffer<T> src(len), dst(len);
  for (auto _ : state) {
    F(src, dst, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * state.range(0));
}

template <class T, QvxStatus (*F)(const T*, T*, int)>
void BM_move_overlap(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0) / sizeof(T));
  Buffer<T> buf(len + 64 / sizeof(T));
  for (auto _ : state) {
    F(buf, buf.get() + 64 / sizeof(T), len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * state.range(0));
}

// The element loop a user would write for a copy (compiled without auto-vectorisation).
template <class T>
void BM_copy_loop(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0) / sizeof(T));
  Buffer<T> src(len), dst(len);
  for (auto _ : state) {
    T* d = dst;
    const T* s = src;
    for (int i = 0; i < len; ++i) d[i] = s[i];
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * state.range(0));
}

template <class T, QvxStatus (*F)(T, T*, int)>
void BM_set(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0) / sizeof(T));
  Buffer<T> dst(len);
  T v{};
  for (auto _ : state) {
    F(v, dst, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, state.range(0));
}

// Paired against memcpy / memmove of the same bytes (counter "speedup", see qvxb::paired),
// short vectors timed 64 KiB of traffic at a time.
int reps(size_t bytes) { return bytes < 65536 ? static_cast<int>(65536 / bytes) : 1; }

template <class T, QvxStatus (*F)(const T*, T*, int)>
void BM_pair_copy(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0) / sizeof(T));
  const size_t bytes = static_cast<size_t>(state.range(0));
  Buffer<T> src(len), dst(len);
  qvxb::paired(state, [&] { F(src, dst, len); },
               [&] { memcpy(dst.get(), src.get(), bytes); }, "vs memcpy", reps(bytes));
}

// The destination 64 bytes inside the source: the downward path of Move and of memmove.
template <class T, QvxStatus (*F)(const T*, T*, int)>
void BM_pair_move_overlap(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0) / sizeof(T));
  const size_t bytes = static_cast<size_t>(state.range(0));
  Buffer<T> buf(len + 64 / sizeof(T));
  T* up = buf.get() + 64 / sizeof(T);
  qvxb::paired(state, [&] { F(buf, up, len); }, [&] { memmove(up, buf.get(), bytes); },
               "vs memmove", reps(bytes));
}

BENCHMARK(BM_pair_copy<Qvx8u, qvx_Vector_Copy_8U>)->Apply(qvxb::sizes);
BENCHMARK(BM_pair_copy<Qvx32s, qvx_Vector_Copy_32S>)->Apply(qvxb::sizes);
BENCHMARK(BM_pair_copy<Qvx64f, qvx_Vector_Move_64F>)->Apply(qvxb::sizes);
BENCHMARK(BM_pair_move_overlap<Qvx8u, qvx_Vector_Move_8U>)->Apply(qvxb::sizes);
BENCHMARK(BM_pair_move_overlap<Qvx32s, qvx_Vector_Move_32S>)->Apply(qvxb::sizes);

BENCHMARK(qvxb::BM_memcpy)->Arg(2 * qvxb::kL1)->Arg(2 * qvxb::kL2)->Arg(2 * qvxb::kMem)->Arg(2 * qvxb::kBig);
BENCHMARK(BM_memmove_overlap)->Apply(qvxb::sizes);
BENCHMARK(BM_memset)->Apply(qvxb::sizes);
BENCHMARK(BM_copy_loop<Qvx16s>)->Apply(qvxb::sizes);
BENCHMARK(BM_copy<Qvx8u, qvx_Vector_Copy_8U>)->Apply(qvxb::sizes);
BENCHMARK(BM_copy<Qvx16s, qvx_Vector_Copy_16S>)->Apply(qvxb::sizes);
BENCHMARK(BM_copy<Qvx32s, qvx_Vector_Copy_32S>)->Apply(qvxb::sizes);
BENCHMARK(BM_copy<Qvx64f, qvx_Vector_Copy_64F>)->Apply(qvxb::sizes);
BENCHMARK(BM_copy<Qvx8u, qvx_Vector_Move_8U>)->Apply(qvxb::sizes);
BENCHMARK(BM_copy<Qvx32s, qvx_Vector_Move_32S>)->Apply(qvxb::sizes);
BENCHMARK(BM_move_overlap<Qvx8u, qvx_Vector_Move_8U>)->Apply(qvxb::sizes);
BENCHMARK(BM_move_overlap<Qvx32s, qvx_Vector_Move_32S>)->Apply(qvxb::sizes);
BENCHMARK(BM_set<Qvx8u, qvx_Vector_Set_8U>)->Apply(qvxb::sizes);
BENCHMARK(BM_set<Qvx16s, qvx_Vector_Set_16S>)->Apply(qvxb::sizes);
BENCHMARK(BM_set<Qvx32s, qvx_Vector_Set_32S>)->Apply(qvxb::sizes);
BENCHMARK(BM_set<Qvx64f, qvx_Vector_Set_64F>)->Apply(qvxb::sizes);

}  // namespace

BENCHMARK_MAIN();
