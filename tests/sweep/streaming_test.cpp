// Beyond the sweep's lengths: copies and reversals whose destination reaches the size from
// which the loop driver writes disjoint arrays with streaming stores, on the library under
// test and its element-loop build with identical inputs, at an aligned start, at start
// offsets of their own and flush against the trailing guard page.
#include <gtest/gtest.h>

#include <string>

#include "support/libs.h"
#include "support/rows.h"

namespace {

TEST(Streaming, LargeDisjointArraysAgreeWithElementLoops) {
  struct Case {
    const char* name;
    int bytes;  // per element
  };
  const Case cases[] = {
      {"Vector_Copy_8U", 1},        {"Vector_Copy_16S", 2},       {"Vector_Copy_32S", 4},
      {"Vector_Copy_64F", 8},       {"Vector_Flip_8U", 1},        {"Vector_Flip_16S", 2},
      {"Vector_Flip_32S", 4},       {"Vector_Flip_64F", 8},       {"Vector_ConjFlip_16SC", 4},
      {"Vector_ConjFlip_32FC", 8},  {"Vector_ConjFlip_64FC", 16},
  };
  void* const libs[2] = {qvxt::main_lib(), qvxt::ref_lib()};
  int done = 0;
  for (const Case& c : cases)
    for (const qvxt::Row& row : qvxt::function_rows()) {
      if (row.name != std::string(c.name)) continue;
      for (int placement = 0; placement < 3; ++placement) {
        qvxt::Probe p;
        p.len = (16 << 20) / c.bytes + 37;
        p.offset = placement == 1 ? 8 : 0;
        p.end = placement == 1;
        p.scatter = placement == 2;
        p.seed = static_cast<uint64_t>(placement) + 1;
        const std::string err = row.probe(row, libs, 2, p);
        EXPECT_TRUE(err.empty()) << c.name << ", placement " << placement << ": " << err;
        ++done;
      }
    }
  EXPECT_EQ(done, 3 * static_cast<int>(sizeof cases / sizeof cases[0]));
}

}  // namespace
