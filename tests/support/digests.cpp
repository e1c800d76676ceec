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
std::map<std::string, std::string> read_record(const char* path) {
  std::map<std::string, std::string> r;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    std::istringstream f(line);
    std::string name, hex;
    if (!line.empty() && line[0] != '#' && f >> name >> hex) r[name] = hex;
  }
  return r;
}
}  // namespace

const std::map<std::string, std::string>& recorded_digests() {
  static const std::map<std::string, std::string> m = read_record(QVX_SOURCE_DIR "/tests/golden/digests.txt");
  return m;
}

const std::map<std::string, std::string>& recorded_portable_digests() {
  static const std::map<std::string, std::string> m =
      read_record(QVX_SOURCE_DIR "/tests/golden/portable_digests.txt");
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
