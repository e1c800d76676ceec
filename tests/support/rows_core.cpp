// The rows of the library frame (services, Set, Copy, Move), in table order.
#define QVX_ROWS_PART rows_core
#define QVX_ROWS_DEFS "core/core.def"
#include "support/rows_part.inc"
