// VOLK's nearest kernels as baselines, with the library functions' signatures: "volk" is the
// kernel VOLK dispatches for this processor, "volk_sse" its best SSE-level implementation
// (for the baseline flavour, which uses no instruction beyond SSE2).  Only built where VOLK is
// installed; nothing else depends on it.
#include <string.h>
#include <volk/volk.h>

#include <string>

#include "harness.h"

namespace {

// The name of VOLK's best implementation within the instruction set of the baseline flavour
// (SSE2 at most): aligned before unaligned (the buffers are 64-byte aligned), SSE2 before SSE.
std::string sse_impl(volk_func_desc_t d) {
  std::string best;
  int best_rank = -1;
  for (size_t i = 0; i < d.n_impls; ++i) {
    const std::string n = d.impl_names[i];
    const bool sse = n.find("sse") != std::string::npos;
    const bool beyond = n.find("sse3") != std::string::npos || n.find("ssse3") != std::string::npos ||
                        n.find("sse4") != std::string::npos || n.find("avx") != std::string::npos;
    if (!sse || beyond) continue;
    int rank = n.find("sse2") != std::string::npos ? 4 : 2;
    if (d.impl_alignment[i]) ++rank;
    if (rank > best_rank) {
      best_rank = rank;
      best = n;
    }
  }
  return best;
}

}  // namespace

// One kernel: the dispatched form and the SSE form, both adapting the arguments.
#define QVXB_VOLK_AS(N, Params, Kernel, Args, Suffix)                                         \
  namespace volk_##N {                                                                       \
  const std::string sse = sse_impl(volk_##Kernel##_get_func_desc());                         \
  void dispatched Params { volk_##Kernel Args; }                                             \
  void manual Params { volk_##Kernel##_manual(QVXB_UNPAREN Args, sse.c_str()); }             \
  const bool r1 = qvxb::add_baseline("volk" Suffix, #N, reinterpret_cast<void*>(&dispatched)); \
  const bool r2 = !sse.empty() &&                                                            \
                  qvxb::add_baseline("volk_sse" Suffix, #N, reinterpret_cast<void*>(&manual)); \
  }
#define QVXB_VOLK(N, Params, Kernel, Args) QVXB_VOLK_AS(N, Params, Kernel, Args, "")
// A kernel that works in place: compared with the library's in-place call.
#define QVXB_VOLK_IN_PLACE(N, Params, Kernel, Args) QVXB_VOLK_AS(N, Params, Kernel, Args, "_ip")
#define QVXB_UNPAREN(...) __VA_ARGS__

typedef unsigned U;

QVXB_VOLK(Vector_Add_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int n), 32f_x2_add_32f, (d, a, b, U(n)))
QVXB_VOLK(Vector_Mul_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int n), 32f_x2_multiply_32f, (d, a, b, U(n)))
QVXB_VOLK(Vector_Div_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int n), 32f_x2_divide_32f, (d, a, b, U(n)))
QVXB_VOLK(Vector_MulC_32F, (const Qvx32f* a, Qvx32f c, Qvx32f* d, int n), 32f_s32f_multiply_32f, (d, a, c, U(n)))
QVXB_VOLK(Vector_Add_64F, (const Qvx64f* a, const Qvx64f* b, Qvx64f* d, int n), 64f_x2_add_64f, (d, a, b, U(n)))
QVXB_VOLK(Vector_Mul_64F, (const Qvx64f* a, const Qvx64f* b, Qvx64f* d, int n), 64f_x2_multiply_64f, (d, a, b, U(n)))
QVXB_VOLK(Vector_Mul_32FC, (const Qvx32fc* a, const Qvx32fc* b, Qvx32fc* d, int n), 32fc_x2_multiply_32fc,
          (reinterpret_cast<lv_32fc_t*>(d), reinterpret_cast<const lv_32fc_t*>(a),
           reinterpret_cast<const lv_32fc_t*>(b), U(n)))
QVXB_VOLK(Vector_MulC_32FC, (const Qvx32fc* a, Qvx32fc c, Qvx32fc* d, int n), 32fc_s32fc_multiply_32fc,
          (reinterpret_cast<lv_32fc_t*>(d), reinterpret_cast<const lv_32fc_t*>(a),
           lv_cmake(c.re, c.im), U(n)))
// VOLK divides by its scalar where the library multiplies by 2^sf.
QVXB_VOLK(Vector_TypeConvertShift_16S_32F, (const Qvx16s* s, Qvx32f* d, int n, int sf), 16i_s32f_convert_32f,
          (d, s, 1.0f / __builtin_ldexpf(1.0f, sf), U(n)))
QVXB_VOLK(Vector_TypeConvertShift_32F_16S, (const Qvx32f* s, Qvx16s* d, int n, int sf), 32f_s32f_convert_16i,
          (d, s, __builtin_ldexpf(1.0f, sf), U(n)))
QVXB_VOLK(Vector_TypeConvertShift_32F_64F, (const Qvx32f* s, Qvx64f* d, int n, int), 32f_convert_64f, (d, s, U(n)))
QVXB_VOLK(Vector_TypeConvertShift_8S_32F, (const Qvx8s* s, Qvx32f* d, int n, int sf), 8i_s32f_convert_32f,
          (d, s, 1.0f / __builtin_ldexpf(1.0f, sf), U(n)))
// VOLK swaps bytes in place: the source array is swapped where it lies.
QVXB_VOLK_IN_PLACE(Vector_SwapByte_16S, (const Qvx16s* s, Qvx16s*, int n), 16u_byteswap,
          (reinterpret_cast<uint16_t*>(const_cast<Qvx16s*>(s)), U(n)))
QVXB_VOLK_IN_PLACE(Vector_SwapByte_32S, (const Qvx32s* s, Qvx32s*, int n), 32u_byteswap,
          (reinterpret_cast<uint32_t*>(const_cast<Qvx32s*>(s)), U(n)))
// The 32-bit AND on the same bytes as the library's byte AND.
QVXB_VOLK(Vector_And_8U, (const Qvx8u* a, const Qvx8u* b, Qvx8u* d, int n), 32i_x2_and_32i,
          (reinterpret_cast<int32_t*>(d), reinterpret_cast<const int32_t*>(a),
           reinterpret_cast<const int32_t*>(b), U(n / 4)))
// The elementary functions: VOLK's float kernels, whose results differ from the C library's
// (they are timed, not compared).
QVXB_VOLK(Vector_Sin_32F, (const Qvx32f* s, Qvx32f* d, int n), 32f_sin_32f, (d, s, U(n)))
QVXB_VOLK(Vector_Cos_32F, (const Qvx32f* s, Qvx32f* d, int n), 32f_cos_32f, (d, s, U(n)))
QVXB_VOLK(Vector_Tan_32F, (const Qvx32f* s, Qvx32f* d, int n), 32f_tan_32f, (d, s, U(n)))
QVXB_VOLK(Vector_Atan_32F, (const Qvx32f* s, Qvx32f* d, int n), 32f_atan_32f, (d, s, U(n)))
QVXB_VOLK(Vector_Asin_32F, (const Qvx32f* s, Qvx32f* d, int n), 32f_asin_32f, (d, s, U(n)))
QVXB_VOLK(Vector_Acos_32F, (const Qvx32f* s, Qvx32f* d, int n), 32f_acos_32f, (d, s, U(n)))
QVXB_VOLK(Vector_Exp_32F, (const Qvx32f* s, Qvx32f* d, int n), 32f_exp_32f, (d, s, U(n)))
// pow: VOLK takes the exponents before the bases.
QVXB_VOLK(Vector_Pow_32F, (const Qvx32f* a, const Qvx32f* b, Qvx32f* d, int n), 32f_x2_pow_32f,
          (d, b, a, U(n)))
QVXB_VOLK(Vector_PowC_32F, (const Qvx32f* s, Qvx32f v, Qvx32f* d, int n), 32f_s32f_power_32f,
          (d, s, v, U(n)))
QVXB_VOLK(Vector_Ampl_32FC, (const Qvx32fc* s, Qvx32f* d, int n), 32fc_magnitude_32f,
          (d, reinterpret_cast<const lv_32fc_t*>(s), U(n)))
QVXB_VOLK(Vector_Phase_32FC, (const Qvx32fc* s, Qvx32f* d, int n), 32fc_s32f_atan2_32f,
          (d, reinterpret_cast<const lv_32fc_t*>(s), 1.0f, U(n)))
