/* A short tour of the library: version, aligned blocks, and a few primitives on a signal. */
#include <stdio.h>

#include "qvx_vector.h"

int main(void) {
  enum { N = 8 };
  Qvx16s* signal;
  Qvx16s* moved;
  Qvx32f* ramp;
  int i;

  printf("qvx_vector %s\n", qvx_GetVersion());
  printf("status 0: %s\n", qvx_GetStringStatus(QVX_STS_NO_ERR));

  signal = (Qvx16s*)qvx_Malloc(N * (int)sizeof(Qvx16s));
  moved = (Qvx16s*)qvx_Malloc(N * (int)sizeof(Qvx16s));
  ramp = (Qvx32f*)qvx_Malloc(N * (int)sizeof(Qvx32f));
  if (signal == NULL || moved == NULL || ramp == NULL) {
    fprintf(stderr, "out of memory\n");
    return 1;
  }
  printf("blocks 64-byte aligned: %s\n",
         ((unsigned long)signal % 64 == 0 && (unsigned long)ramp % 64 == 0) ? "yes" : "no");

  /* signal[i] = 1000 * (i - 3): the offsets i - 3, times 1000 in fixed point. */
  for (i = 0; i < N; ++i) signal[i] = (Qvx16s)(i - 3);
  /* ramp[i] = (i - 3) / 4: the same offsets converted to float with scale factor -2. */
  qvx_Vector_TypeConvertShift_16S_32F(signal, ramp, N, -2);
  qvx_Vector_MulCShift_16S(signal, 1000, signal, N, 0);
  qvx_Vector_Copy_16S(signal, moved, N);
  /* Move handles the overlap: shift the samples up by one place. */
  qvx_Vector_Move_16S(moved, moved + 1, N - 1);

  printf("signal :");
  for (i = 0; i < N; ++i) printf(" %6d", signal[i]);
  printf("\ndelayed:");
  for (i = 1; i < N; ++i) printf(" %6d", moved[i]);
  printf("\n");

  printf("ramp   :");
  for (i = 0; i < N; ++i) printf(" %.2f", ramp[i]);
  printf("\n");

  qvx_Free(signal);
  qvx_Free(moved);
  qvx_Free(ramp);
  return 0;
}
