// Every function of the table as the tests call it: each row knows the shape of its
// arguments, so one test can call all of them with generated data.
//
// sweep    calls the function of `lib` and of the element-loop build `ref` with identical
//          inputs over every length, layout, in-place use and scale factor of the sweep, and
//          fails the test where they disagree, where a byte next to an array changes, where
//          a source changes or where len < 1 touches memory;
// digest   the SHA-256 (hex) of everything the function of `lib` writes over the same fixed
//          inputs: equal digests mean equal results, from build to build and flavour to
//          flavour.  Where the row compares NaNs as "any NaN", every NaN is hashed as one
//          canonical NaN (which operand's payload an operation returns is not a rule).
#ifndef QVX_TEST_ROWS_H
#define QVX_TEST_ROWS_H

#include <string>
#include <vector>

#include "support/data.h"

namespace qvxt {

struct Row {
  const char* name;  // without the qvx_ prefix
  int ip;            // IP_ bits of core/shapes.h
  Nan nan;
  void (*sweep)(const Row&, void* lib, void* ref);
  std::string (*digest)(const Row&, void* lib);
};

// One row per exported function of the table (second names excluded), in table order.
const std::vector<Row>& function_rows();

}  // namespace qvxt

#endif
