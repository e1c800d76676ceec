// The table of every function as rows, concatenated in the table's order from the parts
// that rows_*.cpp instantiate.
#include "support/rows.h"

namespace qvxt {
namespace rows_detail {

std::vector<Row> rows_core();
std::vector<Row> rows_arith();
std::vector<Row> rows_fixed();
std::vector<Row> rows_stats();
std::vector<Row> rows_math();
std::vector<Row> rows_bits();

}  // namespace rows_detail

const std::vector<Row>& function_rows() {
  static const std::vector<Row> rows = [] {
    std::vector<Row> all;
    using namespace rows_detail;
    for (const auto& part : {rows_core(), rows_arith(), rows_fixed(), rows_stats(), rows_math(), rows_bits()})
      all.insert(all.end(), part.begin(), part.end());
    return all;
  }();
  return rows;
}

}  // namespace qvxt
