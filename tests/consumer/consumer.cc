// A user's C++ program on the C++ interface, built against an installation (pkg-config,
// find_package) or with the repository as a subproject.
#include <qvx/vector.hpp>

#include <cstdio>

int main() {
  const std::vector<std::complex<float>> x = {{3, 4}, {0, -2}};
  std::vector<float> power(x.size());
  qvx::ampl_sqr(x, power);
  std::vector<Qvx16s> pcm = {1000, -1000}, louder(2);
  qvx::mul_c(pcm, Qvx16s{3}, louder, 0);
  const auto [lo, hi] = qvx::min_max(louder);
  if (qvx::sum(power) != 29.0 || lo != -3000 || hi != 3000) return 1;
  std::printf("consumer ok (%s build of the library)\n", qvx::loaded_flavour());
  return 0;
}
