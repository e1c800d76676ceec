// Scaled shift, addition and subtraction at 16-bit and 8-bit widths: the library against the
// plain element loop of the same rule (compiled here without auto-vectorisation) on 4096
// elements at scale factors -1, 0 and 1, and against memcpy of the same bytes read plus
// written on vectors of 16 MiB per array.  Bytes counted: everything read plus written.
#include <stdint.h>

#include <algorithm>
#include <limits>

#include "bench_util.h"

namespace {

using qvxb::Buffer;

enum class Op { Add, Sub, SubRev };

constexpr int64_t kShort = 4096;

template <class T>
inline T clamp_to(int64_t r) {
  constexpr int64_t lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
  return static_cast<T>(r < lo ? lo : r > hi ? hi : r);
}

// The element loop a user would write: the exact R, scaled by 2^sf (floor for negative sf),
// clamped.  Enough for the small scale factors measured here.
template <class T, Op op>
void loop_binary(const T* a, const T* b, T* d, int len, int sf) {
  for (int i = 0; i < len; ++i) {
    const int64_t x = a[i], y = b[i];
    int64_t r = op == Op::Add ? x + y : op == Op::Sub ? x - y : y - x;
    r = sf >= 0 ? r * (int64_t(1) << sf) : r >> -sf;
    d[i] = clamp_to<T>(r);
  }
}
template <class T, Op op>
void loop_const(const T* a, T c, T* d, int len, int sf) {
  for (int i = 0; i < len; ++i) {
    const int64_t x = a[i], y = c;
    int64_t r = op == Op::Add ? x + y : op == Op::Sub ? x - y : y - x;
    r = sf >= 0 ? r * (int64_t(1) << sf) : r >> -sf;
    d[i] = clamp_to<T>(r);
  }
}
template <class T>
void loop_shift(const T* a, T* d, int len, int sf) {
  for (int i = 0; i < len; ++i) {
    int64_t r = a[i];
    r = sf >= 0 ? r * (int64_t(1) << sf) : r >> -sf;
    d[i] = clamp_to<T>(r);
  }
}

// Arguments: element count, scale factor.
template <class T, QvxStatus (*F)(const T*, const T*, T*, int, int)>
void BM_binary(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  const int sf = static_cast<int>(state.range(1));
  Buffer<T> a(len), b(len), d(len);
  for (auto _ : state) {
    F(a, b, d, len, sf);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 3 * int64_t(len) * sizeof(T));
}
template <class T, Op op>
void BM_binary_loop(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  const int sf = static_cast<int>(state.range(1));
  Buffer<T> a(len), b(len), d(len);
  for (auto _ : state) {
    loop_binary<T, op>(a, b, d, len, sf);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 3 * int64_t(len) * sizeof(T));
}
template <class T, QvxStatus (*F)(const T*, T, T*, int, int)>
void BM_const(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  const int sf = static_cast<int>(state.range(1));
  Buffer<T> a(len), d(len);
  for (auto _ : state) {
    F(a, T(77), d, len, sf);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * int64_t(len) * sizeof(T));
}
template <class T, Op op>
void BM_const_loop(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  const int sf = static_cast<int>(state.range(1));
  Buffer<T> a(len), d(len);
  for (auto _ : state) {
    loop_const<T, op>(a, T(77), d, len, sf);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * int64_t(len) * sizeof(T));
}
template <class T, QvxStatus (*F)(const T*, T*, int, int)>
void BM_shift(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  const int sf = static_cast<int>(state.range(1));
  Buffer<T> a(len), d(len);
  for (auto _ : state) {
    F(a, d, len, sf);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * int64_t(len) * sizeof(T));
}
template <class T>
void BM_shift_loop(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  const int sf = static_cast<int>(state.range(1));
  Buffer<T> a(len), d(len);
  for (auto _ : state) {
    loop_shift<T>(a, d, len, sf);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * int64_t(len) * sizeof(T));
}


// Paired measurements (see qvxb::paired): at 4096 elements against the element loop, at
// 16 MiB per array against memcpy of the same bytes read and written.
template <class Lib, class Base>
void paired(benchmark::State& state, int64_t len, int64_t bytes_in, Lib lib, Base loop) {
  const bool large = len > kShort;
  Buffer<uint8_t> from(large ? static_cast<size_t>(bytes_in) : 1);
  Buffer<uint8_t> to(large ? static_cast<size_t>(bytes_in) : 1);
  if (large) {
    qvxb::paired(state, lib, [&] { memcpy(to.get(), from.get(), bytes_in); }, "vs memcpy");
  } else {
    qvxb::paired(state, lib, loop, "vs element loop");
  }
}

// memcpy of the bytes a call reads copies them once: reads plus writes match a one-source
// call exactly; a two-source call (reading 2n, writing n) is matched by memcpy of 1.5n.
template <class T, QvxStatus (*F)(const T*, const T*, T*, int, int), Op op>
void BM_pair_binary(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  const int sf = static_cast<int>(state.range(1));
  Buffer<T> a(len), b(len), d(len);
  const int64_t n = int64_t(len) * sizeof(T);
  paired(state, len, 3 * n / 2, [&] { F(a, b, d, len, sf); },
         [&] { loop_binary<T, op>(a, b, d, len, sf); });
}
template <class T, QvxStatus (*F)(const T*, T, T*, int, int), Op op>
void BM_pair_const(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  const int sf = static_cast<int>(state.range(1));
  Buffer<T> a(len), d(len);
  paired(state, len, int64_t(len) * sizeof(T), [&] { F(a, T(77), d, len, sf); },
         [&] { loop_const<T, op>(a, T(77), d, len, sf); });
}
template <class T, QvxStatus (*F)(const T*, T*, int, int)>
void BM_pair_shift(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  const int sf = static_cast<int>(state.range(1));
  Buffer<T> a(len), d(len);
  paired(state, len, int64_t(len) * sizeof(T), [&] { F(a, d, len, sf); },
         [&] { loop_shift<T>(a, d, len, sf); });
}

// 4096 elements at scale factors -1, 0, 1; then one array of 16 MiB (scale factor -1 and 1).
template <class T>
void shapes(benchmark::internal::Benchmark* b) {
  for (int sf : {-1, 0, 1}) b->Args({kShort, sf});
  for (int sf : {-1, 1}) b->Args({qvxb::kMem / int64_t(sizeof(T)), sf});
}

#define QVX_BENCH_BINARY(T, F, OP)                                   \
  BENCHMARK(BM_binary<T, F>)->Apply(shapes<T>);                      \
  BENCHMARK(BM_binary_loop<T, OP>)->Apply(shapes<T>);                \
  BENCHMARK(BM_pair_binary<T, F, OP>)->Apply(shapes<T>);
#define QVX_BENCH_CONST(T, F, OP)                                    \
  BENCHMARK(BM_const<T, F>)->Apply(shapes<T>);                       \
  BENCHMARK(BM_const_loop<T, OP>)->Apply(shapes<T>);                 \
  BENCHMARK(BM_pair_const<T, F, OP>)->Apply(shapes<T>);
#define QVX_BENCH_SHIFT(T, F)                                        \
  BENCHMARK(BM_shift<T, F>)->Apply(shapes<T>);                       \
  BENCHMARK(BM_shift_loop<T>)->Apply(shapes<T>);                     \
  BENCHMARK(BM_pair_shift<T, F>)->Apply(shapes<T>);

QVX_BENCH_SHIFT(Qvx16s, qvx_Vector_Shift_16S)
QVX_BENCH_SHIFT(Qvx8u, qvx_Vector_Shift_8U)
QVX_BENCH_BINARY(Qvx16s, qvx_Vector_AddShift_16S, Op::Add)
QVX_BENCH_BINARY(Qvx8u, qvx_Vector_AddShift_8U, Op::Add)
QVX_BENCH_BINARY(Qvx16s, qvx_Vector_SubShift_16S, Op::Sub)
QVX_BENCH_BINARY(Qvx8u, qvx_Vector_SubShift_8U, Op::Sub)
QVX_BENCH_CONST(Qvx16s, qvx_Vector_AddCShift_16S, Op::Add)
QVX_BENCH_CONST(Qvx8u, qvx_Vector_AddCShift_8U, Op::Add)
QVX_BENCH_CONST(Qvx16s, qvx_Vector_SubCShift_16S, Op::Sub)
QVX_BENCH_CONST(Qvx8u, qvx_Vector_SubCShift_8U, Op::Sub)
QVX_BENCH_CONST(Qvx16s, qvx_Vector_SubCRevShift_16S, Op::SubRev)
QVX_BENCH_CONST(Qvx8u, qvx_Vector_SubCRevShift_8U, Op::SubRev)

// Baselines for the 16 MiB rows: a one-source family moves 2 x 16 MiB (memcpy of 16 MiB), a
// two-source family 3 x 16 MiB (memcpy of 24 MiB).
BENCHMARK(qvxb::BM_memcpy)->Arg(2 * qvxb::kMem)->Arg(2 * qvxb::kMem * 3 / 2);

}  // namespace

BENCHMARK_MAIN();
