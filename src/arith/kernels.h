// Pieces shared by the floating-point arithmetic files, on top of the loop driver.
#ifndef QVX_ARITH_KERNELS_H
#define QVX_ARITH_KERNELS_H

#include "arith/complex.h"
#include "core/loops.h"
#include "qvx_vector.h"

namespace qvx {
namespace arith {

// The scalars of a complex vector (no member access, so a null pointer with len < 1 is
// merely passed along).
inline const float* sc(const Qvx32fc* p) { return reinterpret_cast<const float*>(p); }
inline const double* sc(const Qvx64fc* p) { return reinterpret_cast<const double*>(p); }
inline float* sc(Qvx32fc* p) { return reinterpret_cast<float*>(p); }
inline double* sc(Qvx64fc* p) { return reinterpret_cast<double*>(p); }

// Applies a real rule to both parts of a complex element, or to a register of interleaved
// parts (Interleaved blocks), where the constant's parts alternate the same way.
template <class Op, class T>
inline Cx<T> per_part(Op op, Cx<T> a, Cx<T> b) {
  return {op(a.re, b.re), op(a.im, b.im)};
}
template <class Op, class V>
inline V per_part(Op op, V a, V b) {
  return op(a, b);
}

}  // namespace arith
}  // namespace qvx

#endif
