// Every function of the table as the tests call it: each row knows the shape of its
// arguments, so one test can call all of them with generated data.
//
// sweep    calls the function of `lib` and of the element-loop build `ref` with identical
//          inputs over every length, layout, in-place use and scale factor of the sweep, and
//          fails the test where they disagree, where a byte next to an array changes, where
//          a source changes or where len < 1 touches memory;
// digest   the SHA-256 (hex) of everything the function of `lib` writes over the same fixed
//          inputs: equal digests mean equal results, from build to build and flavour to
//          flavour.  Where the row's arithmetic lets two NaNs meet in one operation (two
//          NaN inputs, or a NaN input beside a zero, an infinity or a value whose products
//          leave the normal range), which NaN comes out is not a rule: those results are
//          hashed as one canonical NaN and compared as "any NaN"; every other NaN bit for bit.
//          With `portable`, also the portable digest there: the same, but with the sign of
//          every NaN made from numbers alone (an element without NaN inputs) cleared, the one
//          bit in which processors' arithmetic differs (x86's default NaN is negative, ARM's
//          positive).
#ifndef QVX_TEST_ROWS_H
#define QVX_TEST_ROWS_H

#include <stdint.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/data.h"

namespace qvxt {

// An argument of a probed call as the caller sees it afterwards (the first build's): an array
// (its bytes before and after the call) or a constant (before == after).
struct Arg {
  bool array;
  const uint8_t* before;
  const uint8_t* after;
  size_t bytes;
};

// probe    one call with every argument chosen by the caller, made on each of nlibs builds
//          (at most kMaxBuilds) on guarded buffers; the results of every build must equal the
//          first one's bit for bit (by the row's NaN rule), sources must stay unchanged and no
//          byte next to an array may change.  Returns what went wrong, or an empty string.
constexpr int kMaxBuilds = 6;
struct Probe {
  int len = 0, sf = 0, ofs = 0;
  int alias = -1;          // the destination is this source (ignored where the row forbids it)
  size_t offset = 0;       // arrays this many bytes after the leading guard page, or (end)
  bool end = false;        // ending this many bytes before the trailing one
  bool scatter = false;    // each array at its own start offset below 16 bytes instead
  bool overlap = false;    // rows with IP_OVERLAP: the destination `delta` bytes from the source
  int delta = 0;           // -72 .. 72
  uint64_t seed = 0;       // random contents (and scattered offsets) from this seed, or
  const uint8_t* data = nullptr;  // array contents and constants from these bytes, cycled
  size_t size = 0;
  // Makes each library call (call(arg)); null: a plain call.
  QvxStatus (*wrap)(QvxStatus (*call)(void*), void* arg) = nullptr;
  // Sees the arguments (in order, without len, scale factor and offset) after a call that
  // went well; returns what is wrong, or an empty string.
  std::function<std::string(const std::vector<Arg>&)> check;
};

struct Row {
  const char* name;  // without the qvx_ prefix
  int ip;            // IP_ bits of core/shapes.h
  Nan nan;
  void (*sweep)(const Row&, void* lib, void* ref);
  std::string (*digest)(const Row&, void* lib, std::string* portable);
  // Null for the services.
  std::string (*probe)(const Row&, void* const* libs, int nlibs, const Probe& p);
};

// One row per exported function of the table (second names excluded), in table order.
const std::vector<Row>& function_rows();

// The digests recorded in tests/golden/digests.txt, exact and portable, by function name.
const std::map<std::string, std::string>& recorded_digests();
const std::map<std::string, std::string>& recorded_portable_digests();

// True where the arithmetic makes x86's NaN from numbers (0 * inf, inf - inf): there the
// exact digests apply; elsewhere the portable ones.
bool makes_x86_nans();

}  // namespace qvxt

#endif
