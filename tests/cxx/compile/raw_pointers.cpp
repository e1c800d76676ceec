// expect: qvx::abs: no function of the library takes these arguments
#include <qvx/vector.hpp>

int main() {
  std::vector<float> a(8), d(8);
  qvx::abs(a.data(), d.data());  // a pointer is no range: qvx::span(p, n)
}
