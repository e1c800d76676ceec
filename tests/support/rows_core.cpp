// The rows of the library frame (services, Set, Copy, Move), in table order.
#include "support/rows_shapes.h"

namespace qvxt {
namespace rows_detail {

std::vector<Row> rows_core() {
  return {
#include "core/core.def"
  };
}

}  // namespace rows_detail
}  // namespace qvxt
