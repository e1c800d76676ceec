// The records of the golden digests, read once (apart from rows.cpp, which the fuzzer builds
// without the tests' source path).
#include <stdint.h>
#include <string.h>

#include <fstream>
#include <limits>
#include <sstream>

#include "support/rows.h"

namespace qvxt {

namespace {
// Column 1 of the record is the exact digest; column 2, where present, the portable one, which
// is otherwise the same.
std::map<std::string, std::string> read_record(int column) {
  std::map<std::string, std::string> r;
  std::ifstream in(QVX_SOURCE_DIR "/tests/golden/digests.txt");
  for (std::string line; std::getline(in, line);) {
    std::istringstream f(line);
    std::string name, hex, portable;
    if (line.empty() || line[0] == '#' || !(f >> name >> hex)) continue;
    r[name] = column == 2 && f >> portable ? portable : hex;
  }
  return r;
}
}  // namespace

const std::map<std::string, std::string>& recorded_digests() {
  static const std::map<std::string, std::string> m = read_record(1);
  return m;
}

const std::map<std::string, std::string>& recorded_portable_digests() {
  static const std::map<std::string, std::string> m = read_record(2);
  return m;
}

bool makes_x86_nans() {
  volatile double inf = std::numeric_limits<double>::infinity();
  const double made = inf - inf;
  uint64_t b;
  memcpy(&b, &made, sizeof b);
  return b == 0xFFF8000000000000u;
}

}  // namespace qvxt
