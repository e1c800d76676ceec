// Buffers with inaccessible pages on both sides, so that a read or write past either end of
// an array faults, and canary bytes around the data, so that a stray write close to the
// array is seen even where no guard page sits next to it.
#ifndef QVX_TEST_GUARDED_H
#define QVX_TEST_GUARDED_H

#include <stddef.h>
#include <stdint.h>

namespace qvxt {

// Where the data sit in the accessible pages: `offset` bytes after the leading guard page,
// or ending `offset` bytes before the trailing guard page (offset 0: flush against it).
enum class Place { Start, End };

class Guarded {
 public:
  Guarded() = default;
  Guarded(size_t bytes, size_t offset = 0, Place place = Place::Start) { reset(bytes, offset, place); }
  ~Guarded();
  Guarded(const Guarded&) = delete;
  Guarded& operator=(const Guarded&) = delete;

  // Positions a fresh array of `bytes` bytes (contents: canary bytes), reusing the mapping
  // when it is large enough.
  void reset(size_t bytes, size_t offset = 0, Place place = Place::Start);

  uint8_t* data() const { return data_; }
  size_t bytes() const { return bytes_; }
  template <class T>
  T* as() const { return reinterpret_cast<T*>(data_); }

  // True when the canary bytes next to the array (up to kCanary on each side, within the
  // accessible pages) are all intact.
  bool canaries_intact() const;

  static constexpr uint8_t kCanaryByte = 0xA5;
  static constexpr size_t kCanary = 64;

 private:
  void unmap();
  uint8_t* map_ = nullptr;
  size_t map_len_ = 0;
  uint8_t* inner_ = nullptr;  // first accessible byte
  size_t inner_len_ = 0;
  uint8_t* data_ = nullptr;
  size_t bytes_ = 0;
};

}  // namespace qvxt

#endif
