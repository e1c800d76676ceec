// Library services and exported objects: exact strings, the aligned-block layout, pointer
// alignment by its formula, and the thread-count setting.
#include <gtest/gtest.h>
#include <limits.h>
#include <malloc.h>
#include <math.h>

#include <cmath>
#include <stdint.h>
#include <string.h>

#include <string>

#include "qvx_vector.h"

namespace {

// Runs first in this program: nothing has set the thread count yet.
TEST(ThreadCount, StartsAtMinusOneAndStoresAnyValueUnchecked) {
  int n = 12345;
  EXPECT_EQ(qvx_GetNumThreads(&n), QVX_STS_NO_ERR);
  EXPECT_EQ(n, -1);
  EXPECT_EQ(qvx_nthreads, -1);
  for (int v : {0, -5, 1, 8, INT_MIN, INT_MAX}) {
    EXPECT_EQ(qvx_SetNumThreads(v), QVX_STS_NO_ERR);
    EXPECT_EQ(qvx_GetNumThreads(&n), QVX_STS_NO_ERR);
    EXPECT_EQ(n, v);
    EXPECT_EQ(qvx_nthreads, v);  // the setting is the exported object itself
  }
  qvx_SetNumThreads(-1);
}

TEST(StatusMessages, KnownCodesAndEverythingElse) {
  EXPECT_STREQ(qvx_GetStringStatus(QVX_STS_NO_ERR), "No error");
  EXPECT_STREQ(qvx_GetStringStatus(QVX_STS_BAD_ARG), "Invalid, out of range or unsupported parameter");
  EXPECT_STREQ(qvx_GetStringStatus(QVX_STS_NO_MEM), "Not enough memory for the function");
  EXPECT_STREQ(qvx_GetStringStatus(QVX_STS_DATA_EXC),
               "Incorrect data found (exception) during the execution");
  for (int code : {-1, 4, 5, 100, INT_MAX, INT_MIN, INT_MIN + 1})
    EXPECT_STREQ(qvx_GetStringStatus(code), "Unknown Status") << code;
}

TEST(Version, StringAndIdentificationObject) {
  EXPECT_STREQ(qvx_GetVersion(), "QVX:1100:20240723:linux-x8664:svn:");
  EXPECT_EQ(sizeof(qvxid), 39u);
  EXPECT_EQ(qvxid[38], '\0');
  EXPECT_EQ(std::string(qvxid), std::string("@(#)") + qvx_GetVersion());
  EXPECT_EQ(qvx_GetVersion(), qvx_GetVersion());  // one constant string
}

TEST(Malloc, RefusesEmptyAndUnrepresentableSizes) {
  for (int size : {0, -1, -64, INT_MIN, 2147483584, 2147483600, INT_MAX})
    EXPECT_EQ(qvx_Malloc(size), nullptr) << size;
}

TEST(Malloc, BlockLayout) {
  for (int size : {1, 2, 63, 64, 65, 1000, 1 << 20}) {
    uint8_t* p = static_cast<uint8_t*>(qvx_Malloc(size));
    ASSERT_NE(p, nullptr);
    const uintptr_t addr = reinterpret_cast<uintptr_t>(p);
    EXPECT_EQ(addr % 64, 0u);
    // The 8 bytes before the block hold the C-library allocation, 8 to 71 bytes below.
    void* raw;
    memcpy(&raw, p - 8, sizeof raw);
    const uintptr_t below = addr - reinterpret_cast<uintptr_t>(raw);
    EXPECT_GE(below, 8u);
    EXPECT_LE(below, 71u);
    EXPECT_GE(malloc_usable_size(raw), static_cast<size_t>(size) + 72);
    memset(p, 0xEE, static_cast<size_t>(size));  // every byte usable
    qvx_Free(p);
  }
  qvx_Free(nullptr);
}

TEST(AlignPointer, FormulaOnTheFullAddress) {
  auto at = [](uintptr_t a) { return reinterpret_cast<void*>(a); };
  EXPECT_EQ(qvx_AlignPointer(at(4097), 16), at(4112));
  EXPECT_EQ(qvx_AlignPointer(at(4096), 16), at(4096));
  EXPECT_EQ(qvx_AlignPointer(at(4095), 4096), at(4096));
  EXPECT_EQ(qvx_AlignPointer(at(12345), 1), at(12345));
  EXPECT_EQ(qvx_AlignPointer(at(12345), 0), nullptr);
  // Not a power of two: the masked sum, (100 + 11) & -12.
  EXPECT_EQ(qvx_AlignPointer(at(100), 12), at((100 + 11) & ~uintptr_t(11)));
  EXPECT_EQ(qvx_AlignPointer(at(100), 12), at(100));
  // Negative align: align - 1 = -17 and -align = 16, both sign-extended.
  EXPECT_EQ(qvx_AlignPointer(at(4097), -16), at((4097 - 17) & 16));
  // INT_MIN: align - 1 wraps to INT_MAX, -align stays INT_MIN (sign-extended).
  EXPECT_EQ(qvx_AlignPointer(at(4097), INT_MIN), at(0x80000000u));
  // High addresses keep their upper bits.
  EXPECT_EQ(qvx_AlignPointer(at(0x7fff12345671ull), 64), at(0x7fff12345680ull));
}

TEST(Objects, ZeroConstants) {
  EXPECT_EQ(dzero, 0.0);
  EXPECT_FALSE(std::signbit(dzero));
  EXPECT_EQ(fzero, 0.0f);
  EXPECT_FALSE(std::signbit(fzero));
}

}  // namespace
