// Shifts a complex baseband signal in frequency and measures its power before and after.
//
//   freq_shift in.cf32 out.cf32 sample_rate shift_hz
//
// in.cf32 holds interleaved single-precision (I, Q) pairs in native byte order, the usual
// format of software radio tools.  Each sample x[n] is multiplied by the oscillator
// exp(2 pi i shift_hz n / sample_rate), which moves every frequency component up by
// shift_hz (down for a negative shift); the result goes to out.cf32 in the same format.  The
// program prints the mean power |x|^2 of the input and of the output: a frequency shift
// keeps the power, so the two agree to rounding.
//
// The samples stay in std::vector<std::complex<float>>, which the C++ interface
// (qvx/vector.hpp) takes as they are: no cast to the library's types (only the file I/O sees
// bytes), and no element count beside an array.
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "qvx/vector.hpp"

namespace {

using Sample = std::complex<float>;

// The first n elements of a block.
template <class T>
qvx::span<T> head(std::vector<T>& v, size_t n) {
  return qvx::span<T>(v.data(), n);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: freq_shift in.cf32 out.cf32 sample_rate shift_hz\n");
    return 2;
  }
  const double rate = std::atof(argv[3]);
  const double shift = std::atof(argv[4]);
  std::ifstream in(argv[1], std::ios::binary);
  std::ofstream out(argv[2], std::ios::binary);
  if (!in || !out || !(rate > 0)) {
    std::fprintf(stderr, "freq_shift: cannot open the files, or the sample rate is not positive\n");
    return 1;
  }

  constexpr size_t kBlock = 4096;
  std::vector<Sample> x(kBlock), y(kBlock), osc(kBlock);
  std::vector<float> ones(kBlock, 1.0f), phase(kBlock), power(kBlock);
  const double two_pi = 6.283185307179586;
  // The oscillator's phase in cycles, kept in [0, 1) so that it stays exact over any length.
  const double step = shift / rate - std::floor(shift / rate);
  double cycles = 0.0;
  double energy_in = 0.0, energy_out = 0.0;
  long long count = 0;

  for (;;) {
    in.read(reinterpret_cast<char*>(x.data()), kBlock * sizeof(Sample));
    const size_t n = static_cast<size_t>(in.gcount()) / sizeof(Sample);
    if (n == 0) break;
    for (size_t i = 0; i < n; ++i) {
      phase[i] = static_cast<float>(two_pi * cycles);
      cycles += step;
      if (cycles >= 1.0) cycles -= 1.0;
    }
    // osc = 1 * (cos phase, sin phase); y = x * osc.
    qvx::polar_to_descart(head(ones, n), head(phase, n), head(osc, n));
    qvx::mul(head(x, n), head(osc, n), head(y, n));

    qvx::ampl_sqr(head(x, n), head(power, n));
    energy_in += qvx::sum(head(power, n));
    qvx::ampl_sqr(head(y, n), head(power, n));
    energy_out += qvx::sum(head(power, n));
    count += static_cast<long long>(n);

    out.write(reinterpret_cast<const char*>(y.data()), static_cast<std::streamsize>(n * sizeof(Sample)));
    if (n < kBlock) break;
  }
  if (!out.flush()) {
    std::fprintf(stderr, "freq_shift: write failed\n");
    return 1;
  }
  const double p_in = count > 0 ? energy_in / count : 0.0;
  const double p_out = count > 0 ? energy_out / count : 0.0;
  std::printf("samples    %lld\n", count);
  std::printf("power in   %.9g (%.3f dB)\n", p_in, 10 * std::log10(p_in));
  std::printf("power out  %.9g (%.3f dB)\n", p_out, 10 * std::log10(p_out));
  return 0;
}
