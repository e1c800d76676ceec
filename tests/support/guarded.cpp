#include "support/guarded.h"

#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace qvxt {

namespace {
size_t page_size() {
  static const size_t size = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  return size;
}
}  // namespace

Guarded::~Guarded() { unmap(); }

void Guarded::unmap() {
  if (map_ != nullptr) munmap(map_, map_len_);
  map_ = nullptr;
  map_len_ = 0;
}

void Guarded::reset(size_t bytes, size_t offset, Place place) {
  const size_t page = page_size();
  const size_t need = (bytes + offset + page - 1) / page * page;
  const size_t inner = std::max(need, page);
  if (map_ == nullptr || inner_len_ != inner) {
    unmap();
    map_len_ = inner + 2 * page;
    void* m = mmap(nullptr, map_len_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (m == MAP_FAILED) abort();
    map_ = static_cast<uint8_t*>(m);
    inner_ = map_ + page;
    inner_len_ = inner;
    if (mprotect(map_, page, PROT_NONE) != 0) abort();
    if (mprotect(inner_ + inner_len_, page, PROT_NONE) != 0) abort();
  }
  bytes_ = bytes;
  data_ = place == Place::Start ? inner_ + offset : inner_ + inner_len_ - bytes - offset;
  // Canary bytes around the array; the array itself too, until the caller fills it.
  uint8_t* lo = std::max(inner_, data_ - kCanary);
  uint8_t* hi = std::min(inner_ + inner_len_, data_ + bytes + kCanary);
  memset(lo, kCanaryByte, static_cast<size_t>(hi - lo));
}

bool Guarded::canaries_intact() const {
  const uint8_t* lo = std::max<const uint8_t*>(inner_, data_ - kCanary);
  const uint8_t* hi = std::min<const uint8_t*>(inner_ + inner_len_, data_ + bytes_ + kCanary);
  for (const uint8_t* p = lo; p < data_; ++p)
    if (*p != kCanaryByte) return false;
  for (const uint8_t* p = data_ + bytes_; p < hi; ++p)
    if (*p != kCanaryByte) return false;
  return true;
}

}  // namespace qvxt
