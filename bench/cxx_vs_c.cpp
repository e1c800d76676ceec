// The C++ interface against the C calls it makes: each operation through qvx/vector.hpp
// (checked, on std::vector and qvx::vector arguments) and through its C function on the same
// arrays, at 1024 and 65536 elements.  The two are timed in alternating batches, 41 rounds,
// so that a shared machine's changing load falls on both alike; the table gives the median
// time per call of each and the median of the rounds' ratios (C++ over C: 1.00 is no cost).
//
//   bench_cxx                                     (make bench-cxx)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "qvx/vector.hpp"

namespace {

template <class T>
std::vector<T> data(size_t n, int seed) {
  std::vector<T> v(n);
  unsigned x = 2463534242u + static_cast<unsigned>(seed);
  for (auto& e : v) {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;
    if constexpr (std::is_floating_point_v<T>) e = static_cast<T>((x % 20001) / 10000.0 - 1.0);
    else if constexpr (std::is_integral_v<T>) e = static_cast<T>(x);
    else e = T(static_cast<float>(x % 1000) / 500.0f - 1.0f, static_cast<float>(x % 777) / 388.0f - 1.0f);
  }
  return v;
}

// Keeps the compiler from dropping or merging calls whose results are not read.
template <class T>
void keep(const T& v) {
  asm volatile("" : : "g"(&v) : "memory");
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Times c() and cxx() in alternating batches of about 100 microseconds; prints one row.
template <class C, class Cxx>
void pair(const char* name, size_t n, C&& c, Cxx&& cxx) {
  using clock = std::chrono::steady_clock;
  const auto batch = [](auto& f, int reps) {
    const auto t0 = clock::now();
    for (int i = 0; i < reps; ++i) f();
    return std::chrono::duration<double, std::nano>(clock::now() - t0).count() / reps;
  };
  int reps = 1;
  while (batch(c, reps) * reps < 1e5 && reps < (1 << 20)) reps *= 2;
  std::vector<double> tc, tcxx, ratio;
  for (int round = 0; round < 41; ++round) {
    double a, b;
    if (round % 2) a = batch(c, reps), b = batch(cxx, reps);
    else b = batch(cxx, reps), a = batch(c, reps);
    tc.push_back(a), tcxx.push_back(b), ratio.push_back(b / a);
  }
  std::printf("%-28s %8zu %12.1f %12.1f %8.3f\n", name, n, median(tc), median(tcxx), median(ratio));
}

void add_32f(size_t n) {
  const std::vector<float> a = data<float>(n, 1), b = data<float>(n, 2);
  qvx::vector<float> d(n);
  pair("Add_32F", n, [&] { qvx_Vector_Add_32F(a.data(), b.data(), d.data(), static_cast<int>(n)), keep(d[0]); },
       [&] { qvx::add(a, b, d), keep(d[0]); });
}

void mul_32fc(size_t n) {
  const auto a = data<std::complex<float>>(n, 3), b = data<std::complex<float>>(n, 4);
  std::vector<std::complex<float>> d(n);
  pair("Mul_32FC", n,
       [&] {
         qvx_Vector_Mul_32FC(reinterpret_cast<const Qvx32fc*>(a.data()), reinterpret_cast<const Qvx32fc*>(b.data()),
                             reinterpret_cast<Qvx32fc*>(d.data()), static_cast<int>(n));
         keep(d[0]);
       },
       [&] { qvx::mul(a, b, d), keep(d[0]); });
}

void mulshift_16s(size_t n) {
  const std::vector<Qvx16s> a = data<Qvx16s>(n, 5), b = data<Qvx16s>(n, 6);
  std::vector<Qvx16s> d(n);
  pair("MulShift_16S (sf -1)", n,
       [&] { qvx_Vector_MulShift_16S(a.data(), b.data(), d.data(), static_cast<int>(n), -1), keep(d[0]); },
       [&] { qvx::mul(a, b, d, -1), keep(d[0]); });
}

void convert_16s_32f(size_t n) {
  const std::vector<Qvx16s> a = data<Qvx16s>(n, 7);
  std::vector<float> d(n);
  pair("TypeConvertShift_16S_32F", n,
       [&] { qvx_Vector_TypeConvertShift_16S_32F(a.data(), d.data(), static_cast<int>(n), -15), keep(d[0]); },
       [&] { qvx::convert(a, d, -15), keep(d[0]); });
}

void sum_32f(size_t n) {
  const std::vector<float> a = data<float>(n, 8);
  pair("Sum_32F", n,
       [&] {
         Qvx64f r;
         qvx_Vector_Sum_32F(a.data(), static_cast<int>(n), &r);
         keep(r);
       },
       [&] { keep(qvx::sum(a)); });
}

void minmax_16s(size_t n) {
  const std::vector<Qvx16s> a = data<Qvx16s>(n, 9);
  pair("MinMax_16S", n,
       [&] {
         Qvx16s lo, hi;
         qvx_Vector_MinMax_16S(a.data(), static_cast<int>(n), &lo, &hi);
         keep(lo), keep(hi);
       },
       [&] { keep(qvx::min_max(a)); });
}

}  // namespace

int main() {
  std::printf("C++ interface against C, library %s (ns per call, medians of 41 alternating rounds)\n",
              qvx::loaded_flavour());
  std::printf("%-28s %8s %12s %12s %8s\n", "operation", "elements", "C", "C++", "C++/C");
  for (size_t n : {1024, 65536})
    for (void (*op)(size_t) : {add_32f, mul_32fc, mulshift_16s, convert_16s_32f, sum_32f, minmax_16s}) op(n);
  return 0;
}
