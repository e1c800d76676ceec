// The rows of the bitwise operations and the arrangement functions, in table order.
#define QVX_ROWS_PART rows_bits
#define QVX_ROWS_DEFS "bits/bits.def"
#define QVX_ROWS_DEFS2 "arrange/arrange.def"
#include "support/rows_part.inc"
