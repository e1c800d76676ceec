// The rows of the bitwise operations and the arrangement functions, in table order.
#include "support/rows_shapes.h"

namespace qvxt {
namespace rows_detail {

std::vector<Row> rows_bits() {
  return {
#include "bits/bits.def"
#include "arrange/arrange.def"
  };
}

}  // namespace rows_detail
}  // namespace qvxt
