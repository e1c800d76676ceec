// The example programs run as a user runs them (the demo as make runs it, the others on
// files), and their outputs match what a plain computation in the test gives (bit for bit
// for the fixed-point mixer and the demo, to rounding for the floating-point frequency
// shift).
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/data.h"
#include "support/libs.h"

namespace {

struct TempDir {
  std::string path;
  TempDir() {
    char name[] = "/tmp/qvx_examples_XXXXXX";
    path = mkdtemp(name);
  }
  ~TempDir() { system(("rm -rf '" + path + "'").c_str()); }
  std::string operator/(const std::string& f) const { return path + "/" + f; }
};

template <class T>
void write_file(const std::string& path, const std::vector<T>& v) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(v.data()), v.size() * sizeof(T));
}
std::vector<unsigned char> read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}
// Runs an example; returns its standard output, and its exit status through *status.
std::string run(const std::string& command, int* status) {
  return qvxt::output_of(std::string(QVX_EXAMPLES_DIR "/") + command, status);
}

int16_t sat16(int64_t v) { return static_cast<int16_t>(v < -32768 ? -32768 : v > 32767 ? 32767 : v); }
int64_t floor_div(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// Two streams of unequal length (several blocks, the shorter one padded with silence) with
// full-scale values; gains that saturate, invert and attenuate.
TEST(Examples, PcmMixMatchesThePlainMix) {
  TempDir dir;
  qvxt::Rng rng(16);
  std::vector<int16_t> a(9001), b(4097);
  for (auto& x : a) x = qvxt::random_scalar<int16_t>(rng);
  for (auto& x : b) x = qvxt::random_scalar<int16_t>(rng);
  write_file(dir / "a.pcm", a);
  write_file(dir / "b.pcm", b);
  const struct { const char* text; int q12; } gains[][2] = {
      {{"1", 4096}, {"1", 4096}}, {{"1.5", 6144}, {"-0.75", -3072}}, {{"7.999", 32764}, {"-8", -32768}}};
  for (const auto& g : gains) {
    int status;
    run("pcm_mix " + (dir / "a.pcm") + " " + (dir / "b.pcm") + " " + g[0].text + " " + g[1].text + " " +
            (dir / "mix.pcm"), &status);
    ASSERT_EQ(status, 0);
    const std::vector<unsigned char> mix = read_file(dir / "mix.pcm");
    ASSERT_EQ(mix.size(), 2 * a.size());
    for (size_t i = 0; i < a.size(); ++i) {
      const int64_t sa = sat16(floor_div(int64_t(a[i]) * g[0].q12, 4096));
      const int64_t sb = i < b.size() ? sat16(floor_div(int64_t(b[i]) * g[1].q12, 4096)) : 0;
      const uint16_t want = static_cast<uint16_t>(sat16(sa + sb));
      ASSERT_EQ(mix[2 * i], want >> 8) << "sample " << i << " gains " << g[0].text << ", " << g[1].text;
      ASSERT_EQ(mix[2 * i + 1], want & 0xFF) << "sample " << i;
    }
  }
  int status;
  run("pcm_mix 2>/dev/null", &status);
  EXPECT_NE(status, 0) << "the usage line without arguments";
}

// A tone and a weaker one, shifted down across zero: every output sample is the input times
// exp(2 pi i shift n / rate) computed in double, and the powers printed are the mean |x|^2.
TEST(Examples, FreqShiftMatchesTheOscillatorProduct) {
  TempDir dir;
  const double rate = 48000, shift = -1250.5, pi = 3.141592653589793;
  std::vector<std::complex<float>> x(10000);
  for (size_t n = 0; n < x.size(); ++n)
    x[n] = std::complex<float>(std::polar(0.8, 2 * pi * 1000 * n / rate) + std::polar(0.1, -2 * pi * 7000 * n / rate));
  write_file(dir / "in.cf32", x);
  int status;
  const std::string out = run("freq_shift " + (dir / "in.cf32") + " " + (dir / "out.cf32") + " 48000 -1250.5", &status);
  ASSERT_EQ(status, 0);
  const std::vector<unsigned char> bytes = read_file(dir / "out.cf32");
  ASSERT_EQ(bytes.size(), x.size() * sizeof(x[0]));
  const auto* y = reinterpret_cast<const std::complex<float>*>(bytes.data());
  double p_in = 0, p_out = 0;
  for (size_t n = 0; n < x.size(); ++n) {
    const double cycles = std::fmod(shift * n / rate, 1.0);
    const std::complex<double> want = std::complex<double>(x[n]) * std::polar(1.0, 2 * pi * cycles);
    ASSERT_LT(std::abs(std::complex<double>(y[n]) - want), 2e-6 * std::abs(want) + 1e-12) << "sample " << n;
    p_in += std::norm(std::complex<double>(x[n]));
    p_out += std::norm(want);
  }
  p_in /= x.size();
  p_out /= x.size();
  double got_in = 0, got_out = 0;
  ASSERT_EQ(sscanf(out.substr(out.find("power in")).c_str(), "power in %lf", &got_in), 1) << out;
  ASSERT_EQ(sscanf(out.substr(out.find("power out")).c_str(), "power out %lf", &got_out), 1) << out;
  EXPECT_NEAR(got_in, p_in, 1e-6 * p_in);
  EXPECT_NEAR(got_out, p_out, 1e-5 * p_out);
  EXPECT_NE(out.find("samples    10000"), std::string::npos) << out;
}

// The demo's rows, as a reader lines them up: each labelled row has one number per column,
// right-aligned under the row above; the ramp is the offsets over 4, the signal the offsets
// times 1000, and the delayed row the signal one column later, with 0 in the first.
TEST(Examples, DemoShowsWhatItSays) {
  int status;
  const std::string out = run("demo", &status);
  ASSERT_EQ(status, 0);
  std::map<std::string, std::vector<double>> rows;
  std::map<std::string, std::vector<size_t>> ends;  // column where each number ends
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string label;
    words >> label;
    if (label != "offsets" && label != "ramp" && label != "signal" && label != "delayed") continue;
    std::vector<double> v;
    std::vector<size_t> e;
    for (size_t at = line.find_first_not_of(' ', line.find(label) + label.size()); at < line.size();) {
      const size_t end = std::min(line.find(' ', at), line.size());
      v.push_back(std::stod(line.substr(at, end - at)));
      e.push_back(end);
      at = line.find_first_not_of(' ', end);
    }
    rows[label] = v;
    ends[label] = e;
  }
  ASSERT_EQ(rows.size(), 4u) << out;
  const std::vector<double>& n = rows["offsets"];
  ASSERT_EQ(n.size(), 8u) << out;
  for (const auto& r : rows) {
    ASSERT_EQ(r.second.size(), n.size()) << r.first << "\n" << out;
    EXPECT_EQ(ends[r.first], ends["offsets"]) << r.first << ": columns not under each other\n" << out;
  }
  for (size_t i = 0; i < n.size(); ++i) {
    EXPECT_EQ(n[i], double(i) - 3) << out;
    EXPECT_EQ(rows["ramp"][i], n[i] / 4) << out;
    EXPECT_EQ(rows["signal"][i], n[i] * 1000) << out;
    EXPECT_EQ(rows["delayed"][i], i == 0 ? 0 : rows["signal"][i - 1]) << out;
  }
  EXPECT_NE(out.find("qvx_vector " QVX_VERSION_STRING), std::string::npos) << out;
  EXPECT_NE(out.find("64 bytes: yes"), std::string::npos) << out;
}

// A tone frequency-modulated onto a carrier at several blocks' length: every output sample is
// the tone's instantaneous frequency in Q15 at the volume, within two units (the phase is
// computed in single precision, so its truncation to Q15 may differ by one, which the volume
// of 1.5 makes up to two); the printed range and RMS are those
// of the output file; a deviation beyond full scale saturates.
TEST(Examples, FmDemodRecoversTheTone) {
  TempDir dir;
  const double rate = 48000, dev = 5000, pi = 3.141592653589793;
  std::vector<std::complex<float>> x(10000);
  double phase = 0.3;
  std::vector<double> audio(x.size());  // the frequency of each step, as audio
  for (size_t n = 0; n < x.size(); ++n) {
    audio[n] = (n == 0 ? 0.0 : 0.9 * std::sin(2 * pi * 440 * n / rate)) + (n % 1000 == 999 ? 0.5 : 0.0);
    phase += 2 * pi * dev * audio[n] / rate;
    x[n] = std::complex<float>(std::polar(0.7, phase));
  }
  audio[0] = 0.3 * rate / (2 * pi * dev);  // the first step is from 1 + 0i
  write_file(dir / "in.cf32", x);
  int status;
  const std::string out = run("fm_demod " + (dir / "in.cf32") + " " + (dir / "out.pcm") + " 48000 5000 1.5", &status);
  ASSERT_EQ(status, 0);
  const std::vector<unsigned char> bytes = read_file(dir / "out.pcm");
  ASSERT_EQ(bytes.size(), x.size() * 2);
  const auto* pcm = reinterpret_cast<const int16_t*>(bytes.data());
  int lo = 32767, hi = -32768, saturated = 0, exact = 0;
  double squares = 0;
  for (size_t n = 0; n < x.size(); ++n) {
    const double q15 = std::trunc(std::min(std::max(audio[n] * 32768, -32768.0), 32767.0));
    const double want = std::min(std::max(std::floor(q15 * 6144 / 4096), -32768.0), 32767.0);
    ASSERT_LE(std::abs(pcm[n] - want), 2.0) << "sample " << n;
    exact += pcm[n] == want;
    saturated += pcm[n] == 32767;
    lo = std::min<int>(lo, pcm[n]);
    hi = std::max<int>(hi, pcm[n]);
    squares += double(pcm[n]) * pcm[n];
  }
  EXPECT_GT(saturated, 0);
  EXPECT_GT(exact, 9900);
  EXPECT_NE(out.find("samples  10000"), std::string::npos) << out;
  EXPECT_NE(out.find("range    " + std::to_string(lo) + " " + std::to_string(hi)), std::string::npos) << out;
  char rms[64];
  snprintf(rms, sizeof rms, "rms      %.3f", std::sqrt(squares / x.size()));
  EXPECT_NE(out.find(rms), std::string::npos) << out << " wants " << rms;
}

}  // namespace
