// Element-wise arithmetic of two floating-point vectors: real, interleaved complex, split
// complex, and a real vector times a complex one.
#include "arith/complex.h"
#include "arith/kernels.h"
#include "core/export.h"

namespace {

using namespace qvx;
using namespace qvx::arith;

constexpr auto add = [](auto a, auto b) { return a + b; };
constexpr auto sub = [](auto a, auto b) { return a - b; };
constexpr auto mul = [](auto a, auto b) { return a * b; };
constexpr auto divide = [](auto a, auto b) { return a / b; };
constexpr auto complex_mul = [](auto a, auto b) { return cmul(a, b); };
// The product of interleaved complex registers kept interleaved.
constexpr auto complex_mul_interleaved =
    rule([](auto a, auto b) { return cmul(a, b); },
         [](auto a, auto b) { return cmul_interleaved(a, b); });
constexpr auto complex_div = [](auto a, auto b) { return cdiv(a, b); };
// A real factor times both parts of a complex element.
constexpr auto real_times_complex = [](auto a, auto b) { return decltype(b){a * b.re, a * b.im}; };

template <class T, class F>
inline QvxStatus real(const T* a, const T* b, T* d, int len, F f) {
  map(len, Out<T>{d}, f, In<T>{a}, In<T>{b});
  return QVX_STS_NO_ERR;
}

template <class T, class F>
inline QvxStatus complex(const T* a, const T* b, T* d, int len, F f) {
  map(len, OutDeinterleaved<T>{d}, f, Deinterleaved<T>{a}, Deinterleaved<T>{b});
  return QVX_STS_NO_ERR;
}

}  // namespace

// ---- real ----
QVX_DEFINE(QvxStatus, Vector_Add_32F,
           (const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len)) {
  return real(src1, src2, dst, len, add);
}
QVX_DEFINE(QvxStatus, Vector_Add_64F,
           (const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len)) {
  return real(src1, src2, dst, len, add);
}
QVX_DEFINE(QvxStatus, Vector_Sub_32F,
           (const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len)) {
  return real(src1, src2, dst, len, sub);
}
QVX_DEFINE(QvxStatus, Vector_Sub_64F,
           (const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len)) {
  return real(src1, src2, dst, len, sub);
}
QVX_DEFINE(QvxStatus, Vector_Mul_32F,
           (const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len)) {
  return real(src1, src2, dst, len, mul);
}
QVX_DEFINE(QvxStatus, Vector_Mul_64F,
           (const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len)) {
  return real(src1, src2, dst, len, mul);
}
QVX_DEFINE(QvxStatus, Vector_Div_32F,
           (const Qvx32f* src1, const Qvx32f* src2, Qvx32f* dst, int len)) {
  return real(src1, src2, dst, len, divide);
}
QVX_DEFINE(QvxStatus, Vector_Div_64F,
           (const Qvx64f* src1, const Qvx64f* src2, Qvx64f* dst, int len)) {
  return real(src1, src2, dst, len, divide);
}

// ---- complex addition and subtraction: the real forms on 2*len scalars ----
QVX_DEFINE(QvxStatus, Vector_Add_32FC,
           (const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst, int len)) {
  return __qvx_Vector_Add_32F(sc(src1), sc(src2), sc(dst), twice(len));
}
QVX_DEFINE(QvxStatus, Vector_Add_64FC,
           (const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst, int len)) {
  return __qvx_Vector_Add_64F(sc(src1), sc(src2), sc(dst), twice(len));
}
QVX_DEFINE(QvxStatus, Vector_Sub_32FC,
           (const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst, int len)) {
  return __qvx_Vector_Sub_32F(sc(src1), sc(src2), sc(dst), twice(len));
}
QVX_DEFINE(QvxStatus, Vector_Sub_64FC,
           (const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst, int len)) {
  return __qvx_Vector_Sub_64F(sc(src1), sc(src2), sc(dst), twice(len));
}

// ---- complex products and quotients ----
QVX_DEFINE(QvxStatus, Vector_Mul_32FC,
           (const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst, int len)) {
  map(len, OutInterleaved<Qvx32f>{sc(dst)}, complex_mul_interleaved, Interleaved<Qvx32f>{sc(src1)},
      Interleaved<Qvx32f>{sc(src2)});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_Mul_64FC,
           (const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst, int len)) {
  map(len, OutInterleaved<Qvx64f>{sc(dst)}, complex_mul_interleaved, Interleaved<Qvx64f>{sc(src1)},
      Interleaved<Qvx64f>{sc(src2)});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_Div_32FC,
           (const Qvx32fc* src1, const Qvx32fc* src2, Qvx32fc* dst, int len)) {
  return complex(sc(src1), sc(src2), sc(dst), len, complex_div);
}
QVX_DEFINE(QvxStatus, Vector_Div_64FC,
           (const Qvx64fc* src1, const Qvx64fc* src2, Qvx64fc* dst, int len)) {
  return complex(sc(src1), sc(src2), sc(dst), len, complex_div);
}

QVX_DEFINE(QvxStatus, Vector_Mul_CToC_32F,
           (const Qvx32f* src1Re, const Qvx32f* src1Im, const Qvx32f* src2Re, const Qvx32f* src2Im,
            Qvx32f* dstRe, Qvx32f* dstIm, int len)) {
  map(len, OutSplit<Qvx32f>{dstRe, dstIm}, complex_mul, Split<Qvx32f>{src1Re, src1Im},
      Split<Qvx32f>{src2Re, src2Im});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_Mul_CToC_64F,
           (const Qvx64f* src1Re, const Qvx64f* src1Im, const Qvx64f* src2Re, const Qvx64f* src2Im,
            Qvx64f* dstRe, Qvx64f* dstIm, int len)) {
  map(len, OutSplit<Qvx64f>{dstRe, dstIm}, complex_mul, Split<Qvx64f>{src1Re, src1Im},
      Split<Qvx64f>{src2Re, src2Im});
  return QVX_STS_NO_ERR;
}

// ---- real times complex ----
QVX_DEFINE(QvxStatus, Vector_Mul_32F_32FC,
           (const Qvx32f* src1, const Qvx32fc* src2, Qvx32fc* dst, int len)) {
  map(len, OutDeinterleaved<Qvx32f>{sc(dst)}, real_times_complex, In<Qvx32f>{src1},
      Deinterleaved<Qvx32f>{sc(src2)});
  return QVX_STS_NO_ERR;
}
QVX_DEFINE(QvxStatus, Vector_Mul_64F_64FC,
           (const Qvx64f* src1, const Qvx64fc* src2, Qvx64fc* dst, int len)) {
  map(len, OutDeinterleaved<Qvx64f>{sc(dst)}, real_times_complex, In<Qvx64f>{src1},
      Deinterleaved<Qvx64f>{sc(src2)});
  return QVX_STS_NO_ERR;
}
