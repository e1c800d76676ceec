/* A first look at the library: its version, aligned blocks, a ramp made by converting
 * integers with a scale factor, a fixed-point product, and a delay by an overlapping move.
 * Each step prints the call it makes and what came out, column under column. */
#include <stdio.h>

#include "qvx_vector.h"

enum { N = 8 };

static void show_16s(const char* label, const Qvx16s* v) {
  int i;
  printf("  %-8s", label);
  for (i = 0; i < N; ++i) printf(" %7d", v[i]);
  printf("\n");
}

int main(void) {
  Qvx16s* offsets;
  Qvx16s* signal;
  Qvx16s* delayed;
  Qvx32f* ramp;
  int i;

  printf("qvx_vector %s (qvx_GetVersion: \"%s\")\n\n", QVX_VERSION_STRING, qvx_GetVersion());

  /* Any memory works; qvx_Malloc gives 64-byte aligned blocks for those who want them. */
  offsets = (Qvx16s*)qvx_Malloc(N * (int)sizeof(Qvx16s));
  signal = (Qvx16s*)qvx_Malloc(N * (int)sizeof(Qvx16s));
  delayed = (Qvx16s*)qvx_Malloc(N * (int)sizeof(Qvx16s));
  ramp = (Qvx32f*)qvx_Malloc(N * (int)sizeof(Qvx32f));
  if (offsets == NULL || signal == NULL || delayed == NULL || ramp == NULL) {
    fprintf(stderr, "out of memory\n");
    return 1;
  }
  printf("qvx_Malloc: 4 blocks, each at a multiple of 64 bytes: %s\n\n",
         ((unsigned long)offsets % 64 == 0 && (unsigned long)signal % 64 == 0 &&
          (unsigned long)delayed % 64 == 0 && (unsigned long)ramp % 64 == 0) ? "yes" : "no");

  for (i = 0; i < N; ++i) offsets[i] = (Qvx16s)(i - 3);

  /* A scale factor s multiplies by 2^s: -2 divides by 4. */
  printf("A ramp: integers to float, times 2^-2\n");
  printf("  qvx_Vector_TypeConvertShift_16S_32F(offsets, ramp, %d, -2)\n", N);
  qvx_Vector_TypeConvertShift_16S_32F(offsets, ramp, N, -2);
  show_16s("offsets", offsets);
  printf("  %-8s", "ramp");
  for (i = 0; i < N; ++i) printf(" %7.2f", ramp[i]);
  printf("\n\n");

  printf("Fixed point: the same integers times 1000, saturated to 16 bits\n");
  printf("  qvx_Vector_MulCShift_16S(offsets, 1000, signal, %d, 0)\n", N);
  qvx_Vector_MulCShift_16S(offsets, 1000, signal, N, 0);
  show_16s("signal", signal);
  printf("\n");

  /* Move copies as if through a temporary buffer, so source and destination may overlap:
   * moving delayed[0..N-2] onto delayed[1..N-1] shifts every sample one place later. */
  printf("A delay of one sample: copy, move one place along (the arrays overlap), clear the first\n");
  printf("  qvx_Vector_Copy_16S(signal, delayed, %d)\n", N);
  printf("  qvx_Vector_Move_16S(delayed, delayed + 1, %d)\n", N - 1);
  printf("  qvx_Vector_Set_16S(0, delayed, 1)\n");
  qvx_Vector_Copy_16S(signal, delayed, N);
  qvx_Vector_Move_16S(delayed, delayed + 1, N - 1);
  qvx_Vector_Set_16S(0, delayed, 1);
  show_16s("signal", signal);
  show_16s("delayed", delayed);

  qvx_Free(offsets);
  qvx_Free(signal);
  qvx_Free(delayed);
  qvx_Free(ramp);
  return 0;
}
