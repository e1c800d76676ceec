// Floating-point arithmetic against two baselines: the plain element loop (this file is
// compiled without auto-vectorisation, so the loop stays one element at a time) and memcpy
// of the same bytes.
//
// Bytes counted per call: everything read plus everything written (a binary real op on len
// elements of T: 3 * len * sizeof(T)).  The memcpy baseline BM_memcpy/<bytes> copies
// bytes / 2, so it too reads and writes <bytes> in all: a call and the memcpy whose argument
// equals the call's bytes move the same traffic, and their time ratio is the "memcpy-bound"
// ratio.
//
// Arguments are element counts: 4096 (the element-loop comparison) and a large count whose
// arrays are 16 MiB each.
#include <cmath>

#include "bench_util.h"

namespace {

using qvxb::Buffer;

constexpr int64_t kSmall = 4096;

template <class T>
int64_t large_len() {
  return qvxb::kMem / static_cast<int64_t>(sizeof(T));
}

// Values away from zero, infinities and denormals, so no operation takes a slow path.
template <class T>
void fill_normal(T* p, size_t n, double seed) {
  for (size_t i = 0; i < n; ++i) p[i] = static_cast<T>(1.0 + std::fmod(seed + 0.37 * i, 3.0));
}

// A buffer of n scalars, filled with ordinary values.
template <class S>
struct Data : Buffer<S> {
  Data(size_t n, double seed) : Buffer<S>(n) { fill_normal(this->get(), n, seed); }
};


// ---- element-wise, real ----

template <class T, QvxStatus (*F)(const T*, const T*, T*, int)>
void BM_binary(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Data<T> a(len, 0.1), b(len, 0.2), d(len, 0.3);
  for (auto _ : state) {
    F(a, b, d, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 3 * int64_t(len) * sizeof(T));
}

// The plain element loop of the same operation.
template <class T, class Op>
void BM_binary_loop(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Data<T> a(len, 0.1), b(len, 0.2), d(len, 0.3);
  for (auto _ : state) {
    const T* x = a;
    const T* y = b;
    T* z = d;
    for (int i = 0; i < len; ++i) z[i] = Op()(x[i], y[i]);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 3 * int64_t(len) * sizeof(T));
}

struct AddOp {
  template <class T>
  T operator()(T a, T b) const {
    return a + b;
  }
};
struct SubOp {
  template <class T>
  T operator()(T a, T b) const {
    return a - b;
  }
};
struct MulOp {
  template <class T>
  T operator()(T a, T b) const {
    return a * b;
  }
};
struct DivOp {
  template <class T>
  T operator()(T a, T b) const {
    return a / b;
  }
};

// ---- element-wise, complex ----

template <class C, class T, QvxStatus (*F)(const C*, const C*, C*, int)>
void BM_complex(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Data<T> a(2 * len, 0.1), b(2 * len, 0.2), d(2 * len, 0.3);
  for (auto _ : state) {
    F(reinterpret_cast<const C*>(a.get()), reinterpret_cast<const C*>(b.get()),
      reinterpret_cast<C*>(d.get()), len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 3 * int64_t(len) * sizeof(C));
}

template <class T>
void BM_complex_mul_loop(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Data<T> a(2 * len, 0.1), b(2 * len, 0.2), d(2 * len, 0.3);
  for (auto _ : state) {
    const T* x = a;
    const T* y = b;
    T* z = d;
    for (int i = 0; i < len; ++i) {
      const T ar = x[2 * i], ai = x[2 * i + 1], br = y[2 * i], bi = y[2 * i + 1];
      z[2 * i] = (ar * br) - (ai * bi);
      z[2 * i + 1] = (ai * br) + (ar * bi);
    }
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 3 * int64_t(len) * 2 * sizeof(T));
}

template <class T, QvxStatus (*F)(const T*, const T*, const T*, const T*, T*, T*, int)>
void BM_ctoc(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Data<T> ar(len, 0.1), ai(len, 0.2), br(len, 0.3), bi(len, 0.4), dr(len, 0.5), di(len, 0.6);
  for (auto _ : state) {
    F(ar, ai, br, bi, dr, di, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 6 * int64_t(len) * sizeof(T));
}

void BM_Mul_32F_32FC(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Data<float> a(len, 0.1), b(2 * len, 0.2), d(2 * len, 0.3);
  for (auto _ : state) {
    qvx_Vector_Mul_32F_32FC(a, reinterpret_cast<const Qvx32fc*>(b.get()),
                            reinterpret_cast<Qvx32fc*>(d.get()), len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 5 * int64_t(len) * sizeof(float));
}

// ---- with a constant ----

template <class T, QvxStatus (*F)(const T*, T, T*, int)>
void BM_const(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Data<T> a(len, 0.1), d(len, 0.3);
  for (auto _ : state) {
    F(a, T(1.25), d, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * int64_t(len) * sizeof(T));
}

template <class C, class T, QvxStatus (*F)(const C*, C, C*, int)>
void BM_complex_const(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Data<T> a(2 * len, 0.1), d(2 * len, 0.3);
  const C val = {T(1.25), T(-0.5)};
  for (auto _ : state) {
    F(reinterpret_cast<const C*>(a.get()), val, reinterpret_cast<C*>(d.get()), len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * int64_t(len) * sizeof(C));
}

// ---- multiply-accumulate ----

template <class T, QvxStatus (*F)(const T*, const T*, const T*, T*, int)>
void BM_ternary(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Data<T> a(len, 0.1), b(len, 0.2), c(len, 0.3), d(len, 0.4);
  for (auto _ : state) {
    F(a, b, c, d, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 4 * int64_t(len) * sizeof(T));
}

template <class T, QvxStatus (*F)(const T*, T, const T*, T*, int)>
void BM_mulcadd(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Data<T> a(len, 0.1), b(len, 0.2), d(len, 0.4);
  for (auto _ : state) {
    F(a, T(1.25), b, d, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 3 * int64_t(len) * sizeof(T));
}

template <class C, class T, QvxStatus (*F)(const C*, C, const C*, C*, int)>
void BM_complex_mulcadd(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Data<T> a(2 * len, 0.1), b(2 * len, 0.2), d(2 * len, 0.4);
  const C val = {T(1.25), T(-0.5)};
  for (auto _ : state) {
    F(reinterpret_cast<const C*>(a.get()), val, reinterpret_cast<const C*>(b.get()),
      reinterpret_cast<C*>(d.get()), len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 3 * int64_t(len) * sizeof(C));
}

template <class S, class C, QvxStatus (*F)(const S*, C, C, S*, int)>
void BM_mulcaddc(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<S> a(len), d(len);
  for (int i = 0; i < len; ++i) a.get()[i] = static_cast<S>((i * 7919) % 20000 - 10000);
  for (auto _ : state) {
    F(a, C(1.75), C(3.5), d, len);
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * int64_t(len) * sizeof(S));
}

// The element loop of MulCAddC_16S with its saturation rule.
void BM_mulcaddc_16s_loop(benchmark::State& state) {
  const int len = static_cast<int>(state.range(0));
  Buffer<Qvx16s> a(len), d(len);
  for (int i = 0; i < len; ++i) a.get()[i] = static_cast<Qvx16s>((i * 7919) % 20000 - 10000);
  for (auto _ : state) {
    const Qvx16s* x = a;
    Qvx16s* z = d;
    for (int i = 0; i < len; ++i) {
      const float v = (static_cast<float>(x[i]) * 1.75f) + 3.5f;
      z[i] = v > 32767.0f ? 32767 : v < -32768.0f ? -32768 : v != v ? 0 : static_cast<Qvx16s>(v);
    }
    benchmark::ClobberMemory();
  }
  qvxb::count_bytes(state, 2 * int64_t(len) * sizeof(Qvx16s));
}

template <class T>
void real_sizes(benchmark::internal::Benchmark* b) {
  b->Arg(kSmall)->Arg(large_len<T>());
}
template <class T>
void complex_sizes(benchmark::internal::Benchmark* b) {
  b->Arg(kSmall)->Arg(large_len<T>() / 2);
}

// memcpy of the bytes of each shape at the large size (16 MiB arrays): two sources and a
// destination, one source and a destination, three sources and a destination, and the split
// complex product (four sources, two destinations).
BENCHMARK(qvxb::BM_memcpy)
    ->Arg(3 * qvxb::kMem)
    ->Arg(2 * qvxb::kMem)
    ->Arg(4 * qvxb::kMem)
    ->Arg(6 * qvxb::kMem)
    ->Arg(3 * kSmall * 4)
    ->Arg(3 * kSmall * 8);

BENCHMARK(BM_binary_loop<float, AddOp>)->Apply(real_sizes<float>);
BENCHMARK(BM_binary<float, qvx_Vector_Add_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_binary_loop<float, SubOp>)->Apply(real_sizes<float>);
BENCHMARK(BM_binary<float, qvx_Vector_Sub_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_binary_loop<float, MulOp>)->Apply(real_sizes<float>);
BENCHMARK(BM_binary<float, qvx_Vector_Mul_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_binary_loop<float, DivOp>)->Apply(real_sizes<float>);
BENCHMARK(BM_binary<float, qvx_Vector_Div_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_binary_loop<double, AddOp>)->Apply(real_sizes<double>);
BENCHMARK(BM_binary<double, qvx_Vector_Add_64F>)->Apply(real_sizes<double>);
BENCHMARK(BM_binary_loop<double, SubOp>)->Apply(real_sizes<double>);
BENCHMARK(BM_binary<double, qvx_Vector_Sub_64F>)->Apply(real_sizes<double>);
BENCHMARK(BM_binary_loop<double, MulOp>)->Apply(real_sizes<double>);
BENCHMARK(BM_binary<double, qvx_Vector_Mul_64F>)->Apply(real_sizes<double>);
BENCHMARK(BM_binary_loop<double, DivOp>)->Apply(real_sizes<double>);
BENCHMARK(BM_binary<double, qvx_Vector_Div_64F>)->Apply(real_sizes<double>);

BENCHMARK(BM_complex_mul_loop<float>)->Apply(complex_sizes<float>);
BENCHMARK(BM_complex<Qvx32fc, float, qvx_Vector_Mul_32FC>)->Apply(complex_sizes<float>);
BENCHMARK(BM_complex_mul_loop<double>)->Apply(complex_sizes<double>);
BENCHMARK(BM_complex<Qvx64fc, double, qvx_Vector_Mul_64FC>)->Apply(complex_sizes<double>);
BENCHMARK(BM_complex<Qvx32fc, float, qvx_Vector_Add_32FC>)->Apply(complex_sizes<float>);
BENCHMARK(BM_complex<Qvx32fc, float, qvx_Vector_Div_32FC>)->Apply(complex_sizes<float>);
BENCHMARK(BM_complex<Qvx64fc, double, qvx_Vector_Div_64FC>)->Apply(complex_sizes<double>);
BENCHMARK(BM_ctoc<float, qvx_Vector_Mul_CToC_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_Mul_32F_32FC)->Apply(real_sizes<float>);

BENCHMARK(BM_const<float, qvx_Vector_AddC_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_const<float, qvx_Vector_MulC_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_const<float, qvx_Vector_DivC_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_const<float, qvx_Vector_DivCRev_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_const<double, qvx_Vector_DivCRev_64F>)->Apply(real_sizes<double>);
BENCHMARK(BM_complex_const<Qvx32fc, float, qvx_Vector_AddC_32FC>)->Apply(complex_sizes<float>);
BENCHMARK(BM_complex_const<Qvx32fc, float, qvx_Vector_MulC_32FC>)->Apply(complex_sizes<float>);
BENCHMARK(BM_complex_const<Qvx32fc, float, qvx_Vector_DivCRev_32FC>)->Apply(complex_sizes<float>);

BENCHMARK(BM_ternary<float, qvx_Vector_MulAdd_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_ternary<Qvx64f, qvx_Vector_MulAdd_64F>)->Apply(real_sizes<double>);
BENCHMARK(BM_mulcadd<float, qvx_Vector_MulCAdd_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_complex_mulcadd<Qvx32fc, float, qvx_Vector_MulCAdd_32FC>)->Apply(complex_sizes<float>);
BENCHMARK(BM_mulcaddc<float, float, qvx_Vector_MulCAddC_32F>)->Apply(real_sizes<float>);
BENCHMARK(BM_mulcaddc_16s_loop)->Arg(kSmall);
BENCHMARK(BM_mulcaddc<Qvx16s, float, qvx_Vector_MulCAddC_16S>)->Arg(kSmall);
BENCHMARK(BM_mulcaddc<Qvx32s, double, qvx_Vector_MulCAddC_32S>)->Arg(kSmall);

}  // namespace

BENCHMARK_MAIN();
