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
// std::complex<float> has the layout of Qvx32fc (two floats, real part first), so the
// program keeps its samples in std::vector<std::complex<float>> and hands them to the
// library as they are.
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "qvx_vector.h"

namespace {

using Sample = std::complex<float>;
static_assert(sizeof(Sample) == sizeof(Qvx32fc), "std::complex<float> is two floats");

Qvx32fc* lib(Sample* p) { return reinterpret_cast<Qvx32fc*>(p); }

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

  constexpr int kBlock = 4096;
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
    const int n = static_cast<int>(in.gcount() / sizeof(Sample));
    if (n == 0) break;
    for (int i = 0; i < n; ++i) {
      phase[i] = static_cast<float>(two_pi * cycles);
      cycles += step;
      if (cycles >= 1.0) cycles -= 1.0;
    }
    // osc = 1 * (cos phase, sin phase); y = x * osc.
    qvx_Vector_PolarToDescart_32F(ones.data(), phase.data(), reinterpret_cast<Qvx32f*>(osc.data()), n);
    qvx_Vector_Mul_32FC(lib(x.data()), lib(osc.data()), lib(y.data()), n);

    Qvx64f sum;
    qvx_Vector_AmplSqr_32FC(lib(x.data()), power.data(), n);
    qvx_Vector_Sum_32F(power.data(), n, &sum);
    energy_in += sum;
    qvx_Vector_AmplSqr_32FC(lib(y.data()), power.data(), n);
    qvx_Vector_Sum_32F(power.data(), n, &sum);
    energy_out += sum;
    count += n;

    out.write(reinterpret_cast<const char*>(y.data()), n * sizeof(Sample));
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
