/* The public header compiles cleanly as strict C99. */
#include "qvx_vector.h"

int qvx_header_check_c(void) { return (int)sizeof(Qvx64fc) + QVX_STS_NO_ERR; }
