// The rows of the elementary functions, real, complex and scaled, in table order.
#include "support/rows_shapes.h"

namespace qvxt {
namespace rows_detail {

std::vector<Row> rows_math() {
  return {
#include "math/elementary.def"
#include "math/scaled.def"
  };
}

}  // namespace rows_detail
}  // namespace qvxt
