// The C++ interface against the C calls it makes: each operation timed through qvx/vector.hpp
// (checked, on std::vector and qvx::vector arguments) and through its C function on the same
// arrays, at 1024 and 65536 elements, five repetitions each; ends with a table of the medians
// and their ratio (C++ time over C time: 1.00 is no cost).
//
//   bench_cxx [Google Benchmark options]        (make bench-cxx)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
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

// Each pair: the same arrays, the C call and the C++ call.
template <class F>
void run(benchmark::State& s, F&& call) {
  for (auto _ : s) {
    call();
    benchmark::ClobberMemory();
  }
  s.SetItemsProcessed(s.iterations() * s.range(0));
}

void add_32f(benchmark::State& s, bool cxx) {
  const size_t n = static_cast<size_t>(s.range(0));
  const std::vector<float> a = data<float>(n, 1), b = data<float>(n, 2);
  qvx::vector<float> d(n);
  if (cxx) run(s, [&] { qvx::add(a, b, d); });
  else run(s, [&] { qvx_Vector_Add_32F(a.data(), b.data(), d.data(), static_cast<int>(n)); });
}

void mul_32fc(benchmark::State& s, bool cxx) {
  const size_t n = static_cast<size_t>(s.range(0));
  const auto a = data<std::complex<float>>(n, 3), b = data<std::complex<float>>(n, 4);
  std::vector<std::complex<float>> d(n);
  if (cxx) run(s, [&] { qvx::mul(a, b, d); });
  else
    run(s, [&] {
      qvx_Vector_Mul_32FC(reinterpret_cast<const Qvx32fc*>(a.data()), reinterpret_cast<const Qvx32fc*>(b.data()),
                          reinterpret_cast<Qvx32fc*>(d.data()), static_cast<int>(n));
    });
}

void mulshift_16s(benchmark::State& s, bool cxx) {
  const size_t n = static_cast<size_t>(s.range(0));
  const std::vector<Qvx16s> a = data<Qvx16s>(n, 5), b = data<Qvx16s>(n, 6);
  std::vector<Qvx16s> d(n);
  if (cxx) run(s, [&] { qvx::mul(a, b, d, -1); });
  else run(s, [&] { qvx_Vector_MulShift_16S(a.data(), b.data(), d.data(), static_cast<int>(n), -1); });
}

void convert_16s_32f(benchmark::State& s, bool cxx) {
  const size_t n = static_cast<size_t>(s.range(0));
  const std::vector<Qvx16s> a = data<Qvx16s>(n, 7);
  std::vector<float> d(n);
  if (cxx) run(s, [&] { qvx::convert(a, d, -15); });
  else run(s, [&] { qvx_Vector_TypeConvertShift_16S_32F(a.data(), d.data(), static_cast<int>(n), -15); });
}

void sum_32f(benchmark::State& s, bool cxx) {
  const size_t n = static_cast<size_t>(s.range(0));
  const std::vector<float> a = data<float>(n, 8);
  if (cxx) run(s, [&] { benchmark::DoNotOptimize(qvx::sum(a)); });
  else
    run(s, [&] {
      Qvx64f r;
      qvx_Vector_Sum_32F(a.data(), static_cast<int>(n), &r);
      benchmark::DoNotOptimize(r);
    });
}

void minmax_16s(benchmark::State& s, bool cxx) {
  const size_t n = static_cast<size_t>(s.range(0));
  const std::vector<Qvx16s> a = data<Qvx16s>(n, 9);
  if (cxx) run(s, [&] { benchmark::DoNotOptimize(qvx::min_max(a)); });
  else
    run(s, [&] {
      Qvx16s lo, hi;
      qvx_Vector_MinMax_16S(a.data(), static_cast<int>(n), &lo, &hi);
      benchmark::DoNotOptimize(lo), benchmark::DoNotOptimize(hi);
    });
}

// Keeps the median of each run and prints the table at the end.
class Table : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs)
      if (r.aggregate_name == "median") {
        const std::string fn = r.run_name.function_name;  // "C/Add_32F" or "C++/Add_32F"
        const size_t slash = fn.find('/');
        ns_[{fn.substr(slash + 1), r.run_name.args}][fn.substr(0, slash)] = r.GetAdjustedRealTime();
      }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nC++ interface against C, library %s, medians of 5 (ns per call):\n", qvx::loaded_flavour());
    std::printf("%-28s %8s %12s %12s %8s\n", "operation", "elements", "C", "C++", "C++/C");
    for (const auto& [key, t] : ns_)
      if (t.count("C") && t.count("C++"))
        std::printf("%-28s %8s %12.1f %12.1f %8.3f\n", key.first.c_str(), key.second.c_str(), t.at("C"), t.at("C++"),
                    t.at("C++") / t.at("C"));
  }

 private:
  std::map<std::pair<std::string, std::string>, std::map<std::string, double>> ns_;
};

}  // namespace

int main(int argc, char** argv) {
  const std::pair<const char*, void (*)(benchmark::State&, bool)> ops[] = {
      {"Add_32F", add_32f},           {"Mul_32FC", mul_32fc}, {"MulShift_16S", mulshift_16s},
      {"TypeConvertShift_16S_32F", convert_16s_32f}, {"Sum_32F", sum_32f}, {"MinMax_16S", minmax_16s}};
  for (const auto& [name, fn] : ops)
    for (bool cxx : {false, true})
      benchmark::RegisterBenchmark((std::string(cxx ? "C++/" : "C/") + name).c_str(),
                                   [fn = fn, cxx](benchmark::State& s) { fn(s, cxx); })
          ->Arg(1024)
          ->Arg(65536)
          ->Repetitions(5)
          ->ReportAggregatesOnly(true);
  benchmark::Initialize(&argc, argv);
  Table table;
  benchmark::RunSpecifiedBenchmarks(&table);
  benchmark::Shutdown();
  return 0;
}
