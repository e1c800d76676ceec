// The rows of the scaled-integer arithmetic and the conversions, in table order.
#define QVX_ROWS_PART rows_fixed
#define QVX_ROWS_DEFS "fixed/fixed.def"
#define QVX_ROWS_DEFS2 "convert/convert.def"
#include "support/rows_part.inc"
