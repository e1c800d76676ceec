// Logical operations, masked fills and byte swaps against the plain element loop (compiled
// without auto-vectorisation) and memcpy of the same number of bytes.  Arguments are
// element counts; bytes counted: everything read plus everything written, so bytes/s of a
// primitive and of memcpy compare directly.
#include "bench_util.h"

namespace {

using qvxb::Buffer;

// ---- two vectors -------------------------------------------------------------------------

template <QvxStatus (*F)(const Qvx8u*, const Qvx8u*, Qvx8u*, int)>
void BM_binary(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<Qvx8u> a(len), b(len), d(len);
  for (auto _ : state) {
    F(a, b, d, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 3 * state.range(0));
}

void BM_and_loop(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<Qvx8u> a(len), b(len), d(len);
  for (auto _ : state) {
    const Qvx8u* x = a;
    const Qvx8u* y = b;
    Qvx8u* z = d;
    for (int i = 0; i < len; ++i) z[i] = static_cast<Qvx8u>(x[i] & y[i]);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 3 * state.range(0));
}

// ---- one vector and a constant, complement, byte swaps -------------------------------------

template <class T, QvxStatus (*F)(const T*, int, T*, int)>
void BM_const(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<T> s(len), d(len);
  for (auto _ : state) {
    F(s, 0x5A5A5A5A, d, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * state.range(0) * sizeof(T));
}

void BM_swap16_loop(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<Qvx16s> s(len), d(len);
  for (auto _ : state) {
    const uint16_t* x = reinterpret_cast<const uint16_t*>(s.get());
    uint16_t* z = reinterpret_cast<uint16_t*>(d.get());
    for (int i = 0; i < len; ++i) z[i] = static_cast<uint16_t>((x[i] << 8) | (x[i] >> 8));
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * state.range(0) * 2);
}

// ---- masked fill: mask words with every fourth bit set ---------------------------------------

template <class T, QvxStatus (*F)(const Qvx32u*, int, T*, int)>
void BM_setmask(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<Qvx32u> mask((len + 31) / 32);
  for (size_t k = 0; k < mask.size(); ++k) mask.get()[k] = 0x11111111u;
  Buffer<T> d(len);
  for (auto _ : state) {
    F(mask, 7, d, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, state.range(0) * sizeof(T) + 4 * ((state.range(0) + 31) / 32));
}

BENCHMARK(qvxb::BM_memcpy)->Arg(2 * 4096)->Arg(2 * 8192)->Arg(2 * 8 << 20)->Arg(2 * 16 << 20)->Arg(2 * 24 << 20);
BENCHMARK(BM_and_loop)->Apply(qvxb::counts<Qvx8u>);
BENCHMARK(BM_binary<qvx_Vector_And_8U>)->Apply(qvxb::counts<Qvx8u>);
BENCHMARK(BM_binary<qvx_Vector_Or_8U>)->Apply(qvxb::counts<Qvx8u>);
BENCHMARK(BM_binary<qvx_Vector_Xor_8U>)->Apply(qvxb::counts<Qvx8u>);
BENCHMARK(qvxb::BM_unary<Qvx8u, qvx_Vector_Not_8U>)->Apply(qvxb::counts<Qvx8u>);
BENCHMARK(BM_const<Qvx8u, qvx_Vector_AndC_8U>)->Apply(qvxb::counts<Qvx8u>);
BENCHMARK(BM_const<Qvx16s, qvx_Vector_OrC_16S>)->Apply(qvxb::counts<Qvx16s>);
BENCHMARK(BM_const<Qvx32s, qvx_Vector_XorC_32S>)->Apply(qvxb::counts<Qvx32s>);
BENCHMARK(BM_swap16_loop)->Apply(qvxb::counts<Qvx16s>);
BENCHMARK(qvxb::BM_unary<Qvx16s, qvx_Vector_SwapByte_16S>)->Apply(qvxb::counts<Qvx16s>);
BENCHMARK(qvxb::BM_unary<Qvx32s, qvx_Vector_SwapByte_32S>)->Apply(qvxb::counts<Qvx32s>);
BENCHMARK(qvxb::BM_unary<Qvx64s, qvx_Vector_SwapByte_64S>)->Apply(qvxb::counts<Qvx64s>);
BENCHMARK(BM_setmask<Qvx8u, qvx_Vector_SetMask_LSB_8U>)->Apply(qvxb::counts<Qvx8u>);
BENCHMARK(BM_setmask<Qvx32s, qvx_Vector_SetMask_MSB_32S>)->Apply(qvxb::counts<Qvx32s>);

}  // namespace

BENCHMARK_MAIN();
