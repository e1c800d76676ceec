#include "support/sweep.h"

namespace qvxt {

std::string Layout::str() const {
  return (place == Place::Start ? "start+" : "end-") + std::to_string(offset);
}

const std::vector<int>& sweep_lengths() {
  static const std::vector<int> lengths = [] {
    std::vector<int> v;
    for (int i = 0; i <= 64; ++i) v.push_back(i);
    for (int i : {65, 71, 100, 127, 128, 129, 255, 256, 257, 1000, 4099}) v.push_back(i);
    return v;
  }();
  return lengths;
}

std::vector<Layout> sweep_layouts(size_t align, int len) {
  std::vector<Layout> v;
  if (len > 64) {
    v.push_back({0, Place::Start});
  } else {
    for (size_t off = 0; off < 16; off += align) v.push_back({off, Place::Start});
  }
  v.push_back({0, Place::End});
  return v;
}

}  // namespace qvxt
