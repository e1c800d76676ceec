// Demodulates a frequency-modulated complex baseband signal into 16-bit PCM audio.
//
//   fm_demod in.cf32 out.pcm sample_rate deviation_hz volume
//
// in.cf32 holds interleaved single-precision (I, Q) pairs in native byte order.  The
// instantaneous frequency is the phase step between neighbouring samples: the angle of
// x[n] * conj(x[n-1]) (x[-1] = 1), scaled so that a step of deviation_hz is full scale.  The
// audio becomes Q15 fixed point (truncated toward zero, saturated), then takes the volume as
// a Q12 fixed-point gain (floor(pcm * round(volume * 4096) / 4096), saturated); out.pcm gets
// one native-endian 16-bit sample per input sample.  The program prints the sample count, the
// smallest and largest output sample and their RMS.
//
// Complex samples live in std::vector<std::complex<float>>, audio in std::vector<Qvx16s>,
// and the C++ interface (qvx/vector.hpp) works on both as they are.
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "qvx/vector.hpp"

namespace {

template <class T>
qvx::span<T> head(std::vector<T>& v, size_t n) {
  return qvx::span<T>(v.data(), n);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: fm_demod in.cf32 out.pcm sample_rate deviation_hz volume\n");
    return 2;
  }
  const double rate = std::atof(argv[3]);
  const double deviation = std::atof(argv[4]);
  const double volume = std::atof(argv[5]);
  std::ifstream in(argv[1], std::ios::binary);
  std::ofstream out(argv[2], std::ios::binary);
  if (!in || !out || !(rate > 0) || !(deviation > 0) || !(volume >= 0 && volume < 8)) {
    std::fprintf(stderr, "fm_demod: cannot open the files, or a rate, deviation or volume out of range\n");
    return 1;
  }
  // Radians per sample to audio in [-1, 1), and the volume in Q12.
  const float to_audio = static_cast<float>(rate / (6.283185307179586 * deviation));
  const Qvx16s gain = static_cast<Qvx16s>(std::lround(volume * 4096));

  constexpr size_t kBlock = 4096;
  std::vector<std::complex<float>> x(kBlock), before(kBlock), step(kBlock);
  std::vector<float> angle(kBlock);
  std::vector<Qvx16s> pcm(kBlock);
  std::complex<float> last(1, 0);
  Qvx16s lo = 32767, hi = -32768;
  double squares = 0;
  long long count = 0;

  for (;;) {
    in.read(reinterpret_cast<char*>(x.data()), kBlock * sizeof(x[0]));
    const size_t n = static_cast<size_t>(in.gcount()) / sizeof(x[0]);
    if (n == 0) break;
    // before[i] = conj(x[i - 1]), the block's first one from the previous block.
    before[0] = last;
    qvx::copy(qvx::span<const std::complex<float>>(x.data(), n - 1), qvx::span<std::complex<float>>(before.data() + 1, n - 1));
    qvx::conj(head(before, n), head(before, n));
    last = x[n - 1];
    // The phase step, as audio, as Q15, at the volume.
    qvx::mul(head(x, n), head(before, n), head(step, n));
    qvx::phase(head(step, n), head(angle, n));
    qvx::mul_c(head(angle, n), to_audio, head(angle, n));
    qvx::convert(head(angle, n), head(pcm, n), 15);
    qvx::mul_c(head(pcm, n), gain, head(pcm, n), -12);

    const auto [block_lo, block_hi] = qvx::min_max(head(pcm, n));
    lo = block_lo < lo ? block_lo : lo;
    hi = block_hi > hi ? block_hi : hi;
    const double norm = qvx::norm(head(pcm, n));
    squares += norm * norm;
    count += static_cast<long long>(n);

    out.write(reinterpret_cast<const char*>(pcm.data()), static_cast<std::streamsize>(n * sizeof(pcm[0])));
    if (n < kBlock) break;
  }
  if (!out.flush()) {
    std::fprintf(stderr, "fm_demod: write failed\n");
    return 1;
  }
  std::printf("samples  %lld\n", count);
  std::printf("range    %d %d\n", count > 0 ? lo : 0, count > 0 ? hi : 0);
  std::printf("rms      %.3f\n", count > 0 ? std::sqrt(squares / static_cast<double>(count)) : 0.0);
  return 0;
}
