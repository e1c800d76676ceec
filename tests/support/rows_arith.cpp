// The rows of the floating-point arithmetic, in table order.
#define QVX_ROWS_PART rows_arith
#define QVX_ROWS_DEFS "arith/arith.def"
#include "support/rows_part.inc"
