// The rows of the elementary functions, real, complex and scaled, in table order.
#define QVX_ROWS_PART rows_math
#define QVX_ROWS_DEFS "math/elementary.def"
#define QVX_ROWS_DEFS2 "math/scaled.def"
#include "support/rows_part.inc"
