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

// Rows of one operation on both precisions (QVX_EACH_PRECISION): T the real type, C the
// complex one, Op the name, f the rule.
#define QVX_REAL(Sfx, T, CSfx, C, Op, f)                                                 \
  QVX_DEFINE(QvxStatus, Vector_##Op##_##Sfx, (const T* src1, const T* src2, T* dst, int len)) { \
    return real(src1, src2, dst, len, f);                                                \
  }
// Complex addition and subtraction: the real forms on 2*len scalars.
#define QVX_BY_SCALARS(Sfx, T, CSfx, C, Op)                                              \
  QVX_DEFINE(QvxStatus, Vector_##Op##_##CSfx,                                            \
             (const C* src1, const C* src2, C* dst, int len)) {                          \
    return __qvx_Vector_##Op##_##Sfx(sc(src1), sc(src2), sc(dst), twice(len));           \
  }
#define QVX_COMPLEX_MUL(Sfx, T, CSfx, C, ...)                                            \
  QVX_DEFINE(QvxStatus, Vector_Mul_##CSfx, (const C* src1, const C* src2, C* dst, int len)) { \
    map(len, OutInterleaved<T>{sc(dst)}, complex_mul_interleaved, Interleaved<T>{sc(src1)}, \
        Interleaved<T>{sc(src2)});                                                       \
    return QVX_STS_NO_ERR;                                                               \
  }
#define QVX_COMPLEX_DIV(Sfx, T, CSfx, C, ...)                                            \
  QVX_DEFINE(QvxStatus, Vector_Div_##CSfx, (const C* src1, const C* src2, C* dst, int len)) { \
    return complex(sc(src1), sc(src2), sc(dst), len, complex_div);                       \
  }
#define QVX_SPLIT_MUL(Sfx, T, ...)                                                       \
  QVX_DEFINE(QvxStatus, Vector_Mul_CToC_##Sfx,                                           \
             (const T* src1Re, const T* src1Im, const T* src2Re, const T* src2Im, T* dstRe, \
              T* dstIm, int len)) {                                                      \
    map(len, OutSplit<T>{dstRe, dstIm}, complex_mul, Split<T>{src1Re, src1Im},           \
        Split<T>{src2Re, src2Im});                                                       \
    return QVX_STS_NO_ERR;                                                               \
  }
#define QVX_REAL_TIMES_COMPLEX(Sfx, T, CSfx, C, ...)                                     \
  QVX_DEFINE(QvxStatus, Vector_Mul_##Sfx##_##CSfx,                                       \
             (const T* src1, const C* src2, C* dst, int len)) {                          \
    map(len, OutDeinterleaved<T>{sc(dst)}, real_times_complex, In<T>{src1},              \
        Deinterleaved<T>{sc(src2)});                                                     \
    return QVX_STS_NO_ERR;                                                               \
  }

// ---- real ----
QVX_EACH_PRECISION(QVX_REAL, Add, add)
QVX_EACH_PRECISION(QVX_REAL, Sub, sub)
QVX_EACH_PRECISION(QVX_REAL, Mul, mul)
QVX_EACH_PRECISION(QVX_REAL, Div, divide)

// ---- complex ----
QVX_EACH_PRECISION(QVX_BY_SCALARS, Add)
QVX_EACH_PRECISION(QVX_BY_SCALARS, Sub)
QVX_EACH_PRECISION(QVX_COMPLEX_MUL)
QVX_EACH_PRECISION(QVX_COMPLEX_DIV)
QVX_EACH_PRECISION(QVX_SPLIT_MUL)

// ---- real times complex ----
QVX_EACH_PRECISION(QVX_REAL_TIMES_COMPLEX)
