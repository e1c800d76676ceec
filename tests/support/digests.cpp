// The record of the golden digests, read once (apart from rows.cpp, which the fuzzer builds
// without the tests' source path).
#include <fstream>
#include <sstream>

#include "support/rows.h"

namespace qvxt {

const std::map<std::string, std::string>& recorded_digests() {
  static const std::map<std::string, std::string> m = [] {
    std::map<std::string, std::string> r;
    std::ifstream in(QVX_SOURCE_DIR "/tests/golden/digests.txt");
    for (std::string line; std::getline(in, line);) {
      std::istringstream f(line);
      std::string name, hex;
      if (!line.empty() && line[0] != '#' && f >> name >> hex) r[name] = hex;
    }
    return r;
  }();
  return m;
}

}  // namespace qvxt
