// expect: qvx::add: no function of the library takes these arguments
#include <qvx/vector.hpp>

int main() {
  std::vector<float> a(8), d(8);
  std::vector<double> b(8);
  qvx::add(a, b, d);
}
