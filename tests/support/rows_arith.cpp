// The rows of the floating-point arithmetic, in table order.
#include "support/rows_shapes.h"

namespace qvxt {
namespace rows_detail {

std::vector<Row> rows_arith() {
  return {
#include "arith/arith.def"
  };
}

}  // namespace rows_detail
}  // namespace qvxt
