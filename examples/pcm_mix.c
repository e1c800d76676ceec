/* Mixes two streams of 16-bit PCM samples (native byte order) with a gain on each, and writes
 * the mix as 16-bit big-endian PCM (network order, as AIFF and many network protocols carry
 * it).
 *
 *   pcm_mix a.pcm b.pcm gain_a gain_b mix.pcm
 *
 * Gains are real numbers in [-8, 8); they are applied in fixed point, Q12 (gain * 4096
 * rounded to nearest), so each scaled sample is floor(x * g / 4096), saturated to 16 bits;
 * the two scaled streams are then added with saturation.  The shorter stream counts as
 * silence after its end.  Processing goes block by block, so streams of any length work in
 * constant memory.
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "qvx_vector.h"

enum { BLOCK = 4096, GAIN_BITS = 12 };

static int parse_gain(const char* text, Qvx16s* q) {
  char* end;
  double g = strtod(text, &end);
  if (*end != '\0' || !(g >= -8.0 && g < 8.0)) return 0;
  *q = (Qvx16s)floor(g * (1 << GAIN_BITS) + 0.5);
  return 1;
}

/* Reads up to BLOCK samples; the rest of the block becomes silence.  Returns the count read. */
static int read_block(FILE* f, Qvx16s* block) {
  int n = (int)fread(block, sizeof(Qvx16s), BLOCK, f);
  qvx_Vector_Set_16S(0, block + n, BLOCK - n);
  return n;
}

int main(int argc, char** argv) {
  FILE *a, *b, *out;
  Qvx16s ga, gb;
  Qvx16s *xa, *xb, *mix;
  int na, nb, status = 0;

  if (argc != 6 || !parse_gain(argv[3], &ga) || !parse_gain(argv[4], &gb)) {
    fprintf(stderr, "usage: pcm_mix a.pcm b.pcm gain_a gain_b mix.pcm   (gains in [-8, 8))\n");
    return 2;
  }
  a = fopen(argv[1], "rb");
  b = fopen(argv[2], "rb");
  out = fopen(argv[5], "wb");
  xa = (Qvx16s*)qvx_Malloc(BLOCK * (int)sizeof(Qvx16s));
  xb = (Qvx16s*)qvx_Malloc(BLOCK * (int)sizeof(Qvx16s));
  mix = (Qvx16s*)qvx_Malloc(BLOCK * (int)sizeof(Qvx16s));
  if (a == NULL || b == NULL || out == NULL || xa == NULL || xb == NULL || mix == NULL) {
    perror("pcm_mix");
    return 1;
  }
  do {
    na = read_block(a, xa);
    nb = read_block(b, xb);
    if (na < nb) na = nb;
    /* Gain in Q12: the exact product scaled by 2^-12, rounded down, saturated. */
    qvx_Vector_MulCShift_16S(xa, ga, xa, na, -GAIN_BITS);
    qvx_Vector_MulCShift_16S(xb, gb, xb, na, -GAIN_BITS);
    /* The saturating sum, then each sample's two bytes in big-endian order. */
    qvx_Vector_AddShift_16S(xa, xb, mix, na, 0);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    qvx_Vector_SwapByte_16S(mix, mix, na);
#endif
    if (fwrite(mix, sizeof(Qvx16s), (size_t)na, out) != (size_t)na) status = 1;
  } while (na == BLOCK);
  if (ferror(a) || ferror(b) || fclose(out) != 0) status = 1;
  fclose(a);
  fclose(b);
  qvx_Free(xa);
  qvx_Free(xb);
  qvx_Free(mix);
  if (status != 0) perror("pcm_mix");
  return status;
}
