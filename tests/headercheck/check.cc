// The public header compiles cleanly as strict C++.
#include "qvx_vector.h"

int qvx_header_check_cxx() { return static_cast<int>(sizeof(Qvx64fc)) + QVX_STS_NO_ERR; }
