// The rows of the scaled-integer arithmetic and the conversions, in table order.
#include "support/rows_shapes.h"

namespace qvxt {
namespace rows_detail {

std::vector<Row> rows_fixed() {
  return {
#include "fixed/fixed.def"
#include "convert/convert.def"
  };
}

}  // namespace rows_detail
}  // namespace qvxt
