// Exported data objects and constant tables.  Every table entry is computed at compile time
// from its rule (the functions below), so the data are exactly what the rules give.
#include "core/export.h"

namespace {

// 2^shift / i truncated toward zero for i = 1..255; entry 0 has all 32 bits set.
constexpr Qvx32s pow2_over(int shift, int i) { return i == 0 ? -1 : (1 << shift) / i; }
constexpr Qvx32s two16_over(int i) { return pow2_over(16, i); }
constexpr Qvx32s two23_over(int i) { return pow2_over(23, i); }

// 1 / i with one correctly rounded single-precision division; entry 0 is 2^31.
constexpr Qvx32f reciprocal(int i) { return i == 0 ? 2147483648.0f : 1.0f / static_cast<float>(i); }

// Magnitude of i read as a signed byte.
constexpr Qvx64f s8_magnitude(int i) { return i < 128 ? i : 256 - i; }

// i - 128: entry 128 can then be indexed by any signed or unsigned byte.
constexpr Qvx64f byte_value64(int i) { return i - 128; }
constexpr Qvx32f byte_value32(int i) { return static_cast<Qvx32f>(i - 128); }

}  // namespace

#define QVX_R4(f, i) f(i), f(i + 1), f(i + 2), f(i + 3)
#define QVX_R16(f, i) QVX_R4(f, i), QVX_R4(f, i + 4), QVX_R4(f, i + 8), QVX_R4(f, i + 12)
#define QVX_R64(f, i) QVX_R16(f, i), QVX_R16(f, i + 16), QVX_R16(f, i + 32), QVX_R16(f, i + 48)
#define QVX_R256(f) QVX_R64(f, 0), QVX_R64(f, 64), QVX_R64(f, 128), QVX_R64(f, 192)
#define QVX_R384(f) QVX_R256(f), QVX_R64(f, 256), QVX_R64(f, 320)

// Declared with default visibility in the public header.
extern "C" {

// Each thread sees its own zero-filled copy; nothing in the library touches it.
QVX_API __thread Qvx8u qvx_static_buf[4194304] __attribute__((aligned(64)));

QVX_API double dzero = 0.0;
QVX_API float fzero = 0.0f;

const Qvx32s qvx_2In16Div8U_32S[256] = {QVX_R256(two16_over)};
const Qvx32s qvx_2In23Div8U_32S[256] = {QVX_R256(two23_over)};
const Qvx32f qvx_1Div8U_32F[256] = {QVX_R256(reciprocal)};
const Qvx64f qvx_8S_to_64F[256] = {QVX_R256(s8_magnitude)};
const Qvx64f qvx_8SU_to_64F[384] = {QVX_R384(byte_value64)};
const Qvx32f qvx_8SU_to_32F[384] = {QVX_R384(byte_value32)};

}  // extern "C"
