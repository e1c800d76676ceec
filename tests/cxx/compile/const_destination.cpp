// expect: qvx::mul: no function of the library takes these arguments
#include <qvx/vector.hpp>

int main() {
  std::vector<float> a(8), b(8);
  const std::vector<float> d(8);
  qvx::mul(a, b, d);
}
