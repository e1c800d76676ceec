/* A user's program built against the installed library: header, library and package files. */
#include <stdio.h>
#include <string.h>

#include <qvx_vector.h>

int main(void) {
  Qvx16s src[5] = {1, 2, 3, 4, 5};
  Qvx16s dst[5] = {0, 0, 0, 0, 0};
  Qvx32f* block;
  char digits[40];
  if (strcmp(qvx_GetVersion(), "QVX:1100:20240723:linux-x8664:svn:") != 0) return 1;
  /* The header's version macros: the package's version.  qvx_GetVersion names the interface,
     whose generation is the major version (its first digit); the rest of it is fixed. */
  if (strcmp(QVX_VERSION_STRING, QVX_EXPECT_VERSION) != 0) return 5;
  sprintf(digits, "%d", QVX_VERSION_MAJOR);
  if (strncmp(qvx_GetVersion() + 4, digits, 1) != 0) return 6;
  if (qvx_Vector_Copy_16S(src, dst, 5) != QVX_STS_NO_ERR || dst[4] != 5) return 2;
  block = (Qvx32f*)qvx_Malloc(100);
  if (block == NULL || ((unsigned long)block & 63u) != 0) return 3;
  qvx_Vector_Set_32F(2.5f, block, 25);
  if (block[24] != 2.5f) return 4;
  qvx_Free(block);
  printf("consumer ok\n");
  return 0;
}
