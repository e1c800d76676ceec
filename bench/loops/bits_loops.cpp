// The element loops a user would write for the bit operations and the arrangement.
#include "harness.h"

QVXB_LOOP(Vector_And_8U, (const Qvx8u* a, const Qvx8u* b, Qvx8u* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = a[i] & b[i];
}
QVXB_LOOP(Vector_SwapByte_16S, (const Qvx16s* s, Qvx16s* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<Qvx16s>(__builtin_bswap16(static_cast<uint16_t>(s[i])));
}
QVXB_LOOP(Vector_SwapByte_32S, (const Qvx32s* s, Qvx32s* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = static_cast<Qvx32s>(__builtin_bswap32(static_cast<uint32_t>(s[i])));
}
QVXB_LOOP(Vector_Flip_16S, (const Qvx16s* s, Qvx16s* d, int len)) {
  for (int i = 0; i < len; ++i) d[i] = s[len - 1 - i];
}
QVXB_LOOP(Vector_Split_16S, (const Qvx16s* s, Qvx16s* a, Qvx16s* b, int len)) {
  for (int i = 0; i < len; ++i) {
    a[i] = s[2 * i];
    b[i] = s[2 * i + 1];
  }
}
QVXB_LOOP(Vector_Merge_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int len)) {
  for (int i = 0; i < len; ++i) {
    d[2 * i] = a[i];
    d[2 * i + 1] = b[i];
  }
}
