// The rows of the statistics and the selection functions, in table order.
#define QVX_ROWS_PART rows_stats
#define QVX_ROWS_DEFS "stats/stats.def"
#define QVX_ROWS_DEFS2 "select/select.def"
#include "support/rows_part.inc"
