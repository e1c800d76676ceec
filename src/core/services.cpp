// Library services: version, status messages, aligned blocks, the thread-count setting.
#include <stdint.h>
#include <stdlib.h>

#include "core/export.h"

namespace {

const char kVersion[] = "QVX:1100:20240723:linux-x8664:svn:";

const char* const kMessages[4] = {
    "No error",
    "Invalid, out of range or unsupported parameter",
    "Not enough memory for the function",
    "Incorrect data found (exception) during the execution",
};
const char kUnknown[] = "Unknown Status";

}  // namespace

// The version string with the "@(#)" marker that what(1)-style tools search for.
extern "C" {
const char qvxid[39] = "@(#)QVX:1100:20240723:linux-x8664:svn:";
static_assert(sizeof(qvxid) == sizeof(kVersion) + 4, "qvxid is the version string and its marker");

QVX_API int qvx_nthreads = -1;
}

QVX_DEFINE(const char*, GetVersion, (void)) { return kVersion; }

QVX_DEFINE(const char*, GetStringStatus, (QvxStatus sts)) {
  // Compared as unsigned, so that negative codes are unknown too.
  const uint32_t code = static_cast<uint32_t>(sts);
  return code < 4 ? kMessages[code] : kUnknown;
}

// A block is carved from one malloc of size + 72 bytes: the result is the first multiple of
// 64 at least 8 bytes into the allocation, and those 8 bytes hold the allocation's address.
QVX_DEFINE(void*, Malloc, (int size)) {
  if (size < 1) return nullptr;
  // size + 64 in 32-bit arithmetic (wrapping, without undefined behaviour), widened with its
  // sign: for the largest sizes the request becomes an enormous size that malloc refuses.
  const int32_t padded = static_cast<int32_t>(static_cast<uint32_t>(size) + 64u);
  const size_t request = static_cast<size_t>(static_cast<int64_t>(padded)) + 8u;
  void* raw = malloc(request);
  if (raw == nullptr) return nullptr;
  const uintptr_t start = reinterpret_cast<uintptr_t>(raw) + 8u;
  const uintptr_t aligned = start + ((0u - start) & 63u);
  void** slot = reinterpret_cast<void**>(aligned) - 1;
  *slot = raw;
  return reinterpret_cast<void*>(aligned);
}

QVX_DEFINE(void, Free, (void* ptr)) {
  if (ptr == nullptr) return;
  free(*(static_cast<void**>(ptr) - 1));
}

QVX_DEFINE(void*, AlignPointer, (void* ptr, int align)) {
  // align - 1 and -align in 32-bit arithmetic, each widened with its sign.
  const int64_t below = static_cast<int32_t>(static_cast<uint32_t>(align) - 1u);
  const int64_t mask = static_cast<int32_t>(0u - static_cast<uint32_t>(align));
  const uint64_t p = reinterpret_cast<uintptr_t>(ptr);
  return reinterpret_cast<void*>((p + static_cast<uint64_t>(below)) & static_cast<uint64_t>(mask));
}

// Threads may set and read the setting at the same time: one atomic load or store each (a
// plain move on x86-64, with no ordering beyond the value itself).
QVX_DEFINE(QvxStatus, GetNumThreads, (int* numThreads)) {
  *numThreads = __atomic_load_n(&qvx_nthreads, __ATOMIC_RELAXED);
  return QVX_STS_NO_ERR;
}

QVX_DEFINE(QvxStatus, SetNumThreads, (int numThreads)) {
  __atomic_store_n(&qvx_nthreads, numThreads, __ATOMIC_RELAXED);
  return QVX_STS_NO_ERR;
}
