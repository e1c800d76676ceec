// expect: compiles (C++17 and C++20, -Wconversion -Wsign-conversion -Werror)
#include <qvx/vector.hpp>

int main() {
  std::vector<Qvx16s> a(8), b(8), d(8);
  qvx::add(a, b, d, -1);
  std::vector<std::complex<float>> x(8), y(8);
  qvx::conj(x, y);
  const double s = qvx::sum(std::vector<float>(8));
  return static_cast<int>(s);
}
