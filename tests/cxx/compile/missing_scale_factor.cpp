// expect: qvx::add: no function of the library takes these arguments
#include <qvx/vector.hpp>

int main() {
  std::vector<Qvx16s> a(8), b(8), d(8);
  qvx::add(a, b, d);  // 16-bit addition exists only with a scale factor
}
