// The rows of the statistics and the selection functions, in table order.
#include "support/rows_shapes.h"

namespace qvxt {
namespace rows_detail {

std::vector<Row> rows_stats() {
  return {
#include "stats/stats.def"
#include "select/select.def"
  };
}

}  // namespace rows_detail
}  // namespace qvxt
