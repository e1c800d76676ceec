// The C++ interface (qvx/vector.hpp) against the C functions: every row of the table called
// through its C++ form, on the sweep's data, must give the golden digests of the C function
// (bit for bit; any NaN for any NaN where the row says so), and every form with two arrays or
// more must refuse arrays of unequal sizes.  The forms are reached through thunks with the C
// signatures, made from the generated list of rows, so a row without a C++ form fails here.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <map>
#include <string>

#include "qvx/vector.hpp"
#include "support/libs.h"
#include "support/rows.h"

namespace {

// The element type a C++ user holds for a C one (std::complex, qvx::cs16).
template <class T>
struct user {
  using type = T;
};
template <>
struct user<Qvx32fc> {
  using type = std::complex<float>;
};
template <>
struct user<Qvx64fc> {
  using type = std::complex<double>;
};
template <>
struct user<Qvx16sc> {
  using type = qvx::cs16;
};
template <class T>
using user_t = typename user<T>::type;

size_t count(int len) { return len > 0 ? static_cast<size_t>(len) : 0; }
template <class T>
qvx::span<const user_t<T>> in(const T* p, size_t n) {
  return {reinterpret_cast<const user_t<T>*>(p), n};
}
template <class T>
qvx::span<user_t<T>> out(T* p, size_t n) {
  return {reinterpret_cast<user_t<T>*>(p), n};
}
template <class T>
user_t<T> con(const T& v) {
  user_t<T> u;
  memcpy(static_cast<void*>(&u), &v, sizeof u);
  return u;
}
template <class S, int M>
using pairs_t = qvx::detail::pairs_t<S, M>;

// Zeroed arrays for the calls that must throw before they touch anything.
template <class T>
qvx::span<user_t<T>> zeros(size_t n) {
  alignas(64) static unsigned char pool[1 << 20];
  return {reinterpret_cast<user_t<T>*>(pool), n};
}

struct Form {
  void (*mismatch)();  // calls the form with one array too short; null: a single array
};
std::map<std::string, void*>& thunks() {
  static std::map<std::string, void*> m;
  return m;
}
std::map<std::string, Form>& forms() {
  static std::map<std::string, Form> m;
  return m;
}
struct Reg {
  Reg(const char* name, void* thunk, void (*mismatch)()) {
    thunks()[std::string("qvx_") + name] = thunk;
    forms()[name] = Form{mismatch};
  }
};

// One thunk per row: the C signature, made of the C++ form.  MISMATCH_ calls it on arrays of 4
// elements with its last array one short (or as the shape says).
#define THUNK_(N, Params, ...)                                  \
  QvxStatus t_##N Params {                                      \
    __VA_ARGS__;                                                \
    return 0;                                                   \
  }
#define REG_(N, mismatch) const Reg r_##N(#N, reinterpret_cast<void*>(&t_##N), mismatch);
#define MISMATCH_(...) [] { __VA_ARGS__; }

#define QVX_SERVICE(op, N)
#define QVX_SET(op, N, T)                                                            \
  THUNK_(N, (T val, T * dst, int len), qvx::op(con(val), out(dst, count(len))))     \
  REG_(N, nullptr)
#define QVX_UNARY(op, N, S, D)                                                                     \
  THUNK_(N, (const S* src, D* dst, int len), qvx::op(in(src, count(len)), out(dst, count(len))))   \
  REG_(N, MISMATCH_(qvx::op(zeros<S>(4), zeros<D>(3))))
#define QVX_REVERSE QVX_UNARY
#define QVX_MOVE QVX_UNARY
#define QVX_UNARY_I(op, N, T)                                               \
  THUNK_(N, (T * srcDst, int len), qvx::op(out(srcDst, count(len))))       \
  REG_(N, nullptr)
#define QVX_BINARY(op, N, S1, S2, D)                                                        \
  THUNK_(N, (const S1* a, const S2* b, D* d, int len),                                      \
         size_t n = count(len); qvx::op(in(a, n), in(b, n), out(d, n)))                      \
  REG_(N, MISMATCH_(qvx::op(zeros<S1>(4), zeros<S2>(4), zeros<D>(3))))
#define QVX_CONST(op, N, S, C, D)                                                           \
  THUNK_(N, (const S* a, C v, D* d, int len), size_t n = count(len); qvx::op(in(a, n), con(v), out(d, n))) \
  REG_(N, MISMATCH_(qvx::op(zeros<S>(4), user_t<C>{}, zeros<D>(3))))
#define QVX_TERNARY(op, N, T)                                                                \
  THUNK_(N, (const T* a, const T* b, const T* c, T* d, int len),                             \
         size_t n = count(len); qvx::op(in(a, n), in(b, n), in(c, n), out(d, n)))             \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(4), zeros<T>(4), zeros<T>(3))))
#define QVX_MULCADD(op, N, T)                                                                \
  THUNK_(N, (const T* a, T v, const T* b, T* d, int len),                                    \
         size_t n = count(len); qvx::op(in(a, n), con(v), in(b, n), out(d, n)))               \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), user_t<T>{}, zeros<T>(4), zeros<T>(3))))
#define QVX_MULCADDC(op, N, S, C)                                                            \
  THUNK_(N, (const S* a, C m, C v, S* d, int len),                                           \
         size_t n = count(len); qvx::op(in(a, n), con(m), con(v), out(d, n)))                 \
  REG_(N, MISMATCH_(qvx::op(zeros<S>(4), user_t<C>{}, user_t<C>{}, zeros<S>(3))))
#define QVX_CTOC_BINARY(op, N, T)                                                                      \
  THUNK_(N, (const T* a, const T* b, const T* c, const T* d, T* e, T* f, int len), size_t n = count(len); \
         qvx::op(in(a, n), in(b, n), in(c, n), in(d, n), out(e, n), out(f, n)))                          \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(4), zeros<T>(4), zeros<T>(4), zeros<T>(4), zeros<T>(3))))
#define QVX_CTOC_CONST(op, N, T)                                                                       \
  THUNK_(N, (const T* a, const T* b, T c, T d, T* e, T* f, int len), size_t n = count(len);             \
         qvx::op(in(a, n), in(b, n), c, d, out(e, n), out(f, n)))                                       \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(4), T{}, T{}, zeros<T>(4), zeros<T>(3))))
#define QVX_CTOC_TERNARY(op, N, T)                                                                     \
  THUNK_(N, (const T* a, const T* b, const T* c, const T* d, const T* e, const T* f, T* g, T* h, int len), \
         size_t n = count(len);                                                                         \
         qvx::op(in(a, n), in(b, n), in(c, n), in(d, n), in(e, n), in(f, n), out(g, n), out(h, n)))     \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(4), zeros<T>(4), zeros<T>(4), zeros<T>(4), zeros<T>(4), \
                            zeros<T>(4), zeros<T>(3))))
#define QVX_CTOC_MULCADD(op, N, T)                                                                     \
  THUNK_(N, (const T* a, const T* b, T c, T d, const T* e, const T* f, T* g, T* h, int len),             \
         size_t n = count(len); qvx::op(in(a, n), in(b, n), c, d, in(e, n), in(f, n), out(g, n), out(h, n))) \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(4), T{}, T{}, zeros<T>(4), zeros<T>(4), zeros<T>(4), \
                            zeros<T>(3))))
#define QVX_CTOC_MULCADDC(op, N, T)                                                                    \
  THUNK_(N, (const T* a, const T* b, T c, T d, T e, T f, T* g, T* h, int len), size_t n = count(len);   \
         qvx::op(in(a, n), in(b, n), c, d, e, f, out(g, n), out(h, n)))                                 \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(4), T{}, T{}, T{}, T{}, zeros<T>(4), zeros<T>(3))))
#define QVX_SCALED_UNARY(op, N, S, D)                                                              \
  THUNK_(N, (const S* a, D* d, int len, int sf), qvx::op(in(a, count(len)), out(d, count(len)), sf)) \
  REG_(N, MISMATCH_(qvx::op(zeros<S>(4), zeros<D>(3), 0)))
#define QVX_SCALED_BINARY(op, N, T)                                                               \
  THUNK_(N, (const T* a, const T* b, T* d, int len, int sf), size_t n = count(len);              \
         qvx::op(in(a, n), in(b, n), out(d, n), sf))                                               \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(4), zeros<T>(3), 0)))
#define QVX_SCALED_CONST(op, N, T, C)                                                             \
  THUNK_(N, (const T* a, C v, T* d, int len, int sf), size_t n = count(len);                     \
         qvx::op(in(a, n), con(v), out(d, n), sf))                                                 \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), user_t<C>{}, zeros<T>(3), 0)))
#define QVX_SCALED_TERNARY(op, N, T)                                                              \
  THUNK_(N, (const T* a, const T* b, const T* c, T* d, int len, int sf), size_t n = count(len);  \
         qvx::op(in(a, n), in(b, n), in(c, n), out(d, n), sf))                                     \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(4), zeros<T>(4), zeros<T>(3), 0)))
#define QVX_SCALED_MULCADD(op, N, T, C)                                                           \
  THUNK_(N, (const T* a, C v, const T* b, T* d, int len, int sf), size_t n = count(len);         \
         qvx::op(in(a, n), con(v), in(b, n), out(d, n), sf))                                       \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), user_t<C>{}, zeros<T>(4), zeros<T>(3), 0)))
#define QVX_SCALED_MULCADDC(op, N, T, C)                                                          \
  THUNK_(N, (const T* a, C m, C v, T* d, int len, int sf), size_t n = count(len);                \
         qvx::op(in(a, n), con(m), con(v), out(d, n), sf))                                         \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), user_t<C>{}, user_t<C>{}, zeros<T>(3), 0)))
// A negative count has no C++ form: the reductions pass it on to the C function, whose
// means and deviations give -0.0 for it where an empty range gives NaN.
#define QVX_REDUCE(op, N, S, R)                                                \
  THUNK_(N, (const S* a, int len, R* r), if (len < 0) return qvx_##N(a, len, r); \
         *r = qvx::op(in(a, count(len))))                                      \
  REG_(N, nullptr)
#define QVX_REDUCE_INDEX(op, N, S)                                                                  \
  THUNK_(N, (const S* a, int len, int* r), *r = static_cast<int>(qvx::op(in(a, count(len))).index)) \
  REG_(N, nullptr)
#define QVX_REDUCE2(op, N, S, R)                                                                    \
  THUNK_(N, (const S* a, const S* b, int len, R* r), *r = qvx::op(in(a, count(len)), in(b, count(len)))) \
  REG_(N, MISMATCH_(qvx::op(zeros<S>(4), zeros<S>(3))))
#define QVX_REDUCE_PAIR(op, N, S, R, Out)                                                           \
  THUNK_(N, (const S* a, int len, R* r1, R* r2), if (len < 0) return qvx_##N(a, len, r1, r2);     \
         const auto [x, y] = qvx::op(in(a, count(len)));                                            \
         *r1 = static_cast<R>(x); *r2 = static_cast<R>(y))                                          \
  REG_(N, nullptr)
#define QVX_REDUCE2_PAIR(op, N, S, R, Out)                                                          \
  THUNK_(N, (const S* a, const S* b, int len, R* r1, R* r2),                                        \
         const auto [x, y] = qvx::op(in(a, count(len)), in(b, count(len)));                          \
         *r1 = static_cast<R>(x); *r2 = static_cast<R>(y))                                          \
  REG_(N, MISMATCH_(qvx::op(zeros<S>(4), zeros<S>(3))))
#define QVX_THRESHOLD1(op, N, T)                                                                    \
  THUNK_(N, (const T* a, T* d, T l, int len), qvx::op(in(a, count(len)), out(d, count(len)), l))    \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(3), T{})))
#define QVX_THRESHOLD2(op, N, T)                                                                        \
  THUNK_(N, (const T* a, T* d, T l, T v, int len), qvx::op(in(a, count(len)), out(d, count(len)), l, v)) \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(3), T{}, T{})))
#define QVX_THRESHOLD4(op, N, T)                                                                   \
  THUNK_(N, (const T* a, T* d, T l, T v, T h, T w, int len),                                       \
         qvx::op(in(a, count(len)), out(d, count(len)), l, v, h, w))                                \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(3), T{}, T{}, T{}, T{})))
#define QVX_UNARY2(op, N, S, M, D)                                                                  \
  THUNK_(N, (const S* a, D* d1, D* d2, int len), size_t n = count(len);                             \
         qvx::op(in(reinterpret_cast<const pairs_t<S, M>*>(a), n), out(d1, n), out(d2, n)))          \
  REG_(N, MISMATCH_(qvx::op(zeros<pairs_t<S, M>>(4), zeros<D>(4), zeros<D>(3))))
#define QVX_TO_PAIRS(op, N, S, D)                                                                   \
  THUNK_(N, (const S* a, const S* b, D* d, int len), size_t n = count(len);                         \
         qvx::op(in(a, n), in(b, n), out(reinterpret_cast<pairs_t<D, 2>*>(d), n)))                    \
  REG_(N, MISMATCH_(qvx::op(zeros<S>(4), zeros<S>(4), zeros<pairs_t<D, 2>>(3))))
#define QVX_SETMASK(op, N, T)                                                                       \
  THUNK_(N, (const Qvx32u* m, int v, T* d, int len), size_t n = count(len);                         \
         qvx::op(in(m, (n + 31) / 32), v, out(d, n)))                                                \
  REG_(N, MISMATCH_(qvx::op(zeros<Qvx32u>(0), 0, zeros<T>(4))))
#define QVX_SPLIT(op, N, T)                                                                         \
  THUNK_(N, (const T* a, T* d1, T* d2, int len), size_t n = count(len);                             \
         qvx::op(in(a, 2 * n), out(d1, n), out(d2, n)))                                               \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(8), zeros<T>(4), zeros<T>(3))))
#define QVX_MERGE(op, N, T)                                                                         \
  THUNK_(N, (const T* a, const T* b, T* d, int len), size_t n = count(len);                         \
         qvx::op(in(a, n), in(b, n), out(d, 2 * n)))                                                  \
  REG_(N, MISMATCH_(qvx::op(zeros<T>(4), zeros<T>(4), zeros<T>(7))))
// The table handed to the C++ form starts at the source type's lowest value.
#define QVX_LOOKUP(op, N, S, D)                                                                     \
  THUNK_(N, (const S* a, D* d, const D* t, int ofs, int len), size_t n = count(len);                \
         constexpr int lo = std::numeric_limits<S>::min();                                          \
         qvx::op(in(a, n), out(d, n), in(t + (lo - ofs), size_t{1} << (8 * sizeof(S))), lo))        \
  REG_(N, MISMATCH_(qvx::op(zeros<S>(4), zeros<D>(4), zeros<D>((size_t{1} << (8 * sizeof(S))) - 1), \
                            std::numeric_limits<S>::min())))
#define QVX_LOOKUP2(op, N, T)                                                                       \
  THUNK_(N, (const Qvx8u* a, const Qvx8u* b, T* d, const T* t, int ofs, int len), size_t n = count(len); \
         qvx::op(in(a, n), in(b, n), out(d, n), in(t - ofs, 65536), 0))                              \
  REG_(N, MISMATCH_(qvx::op(zeros<Qvx8u>(4), zeros<Qvx8u>(4), zeros<T>(4), zeros<T>(65536), 1)))
#define QVX_OP(op)
#include "qvx/vector_rows.inc"

// The services through their C++ forms.
const char* t_GetVersion() { return qvx::get_version(); }
const char* t_GetStringStatus(QvxStatus s) { return qvx::get_string_status(s); }
void* t_Malloc(int size) { return size > 0 ? qvx::malloc(static_cast<size_t>(size)) : qvx::malloc(0); }
void t_Free(void* p) { qvx::free(p); }
void* t_AlignPointer(void* p, int a) { return qvx::align_pointer(p, a); }
QvxStatus t_GetNumThreads(int* n) {
  *n = qvx::get_num_threads();
  return 0;
}
QvxStatus t_SetNumThreads(int n) {
  qvx::set_num_threads(n);
  return 0;
}
#define SERVICE_(N) REG_(N, nullptr)
SERVICE_(GetVersion)
SERVICE_(GetStringStatus)
SERVICE_(Malloc)
SERVICE_(Free)
SERVICE_(AlignPointer)
SERVICE_(GetNumThreads)
SERVICE_(SetNumThreads)

class CxxForm : public ::testing::TestWithParam<qvxt::Row> {};

// The sweep's calls (every length to 64 and longer ones, offsets, in-place uses, scale
// factors, empty and negative counts) through the C++ form hash to the C function's record.
// The forms are the same code over every build, and the golden test holds every flavour to
// the same record: the sweep runs on the baseline only.
TEST_P(CxxForm, GivesTheBitsOfTheCFunction) {
  const qvxt::Row& r = GetParam();
  const char* flavour = getenv("QVX_FLAVOUR");
  if (flavour != nullptr && strncmp(flavour, "x86-64-v", 8) == 0) GTEST_SKIP() << "baseline only";
  ASSERT_TRUE(forms().count(r.name)) << r.name << " has no C++ form (make cxx-rows)";
  ASSERT_TRUE(qvxt::recorded_digests().count(r.name)) << r.name << " has no recorded digest";
  EXPECT_EQ(r.digest(r, qvxt::table_lib(&thunks()), nullptr), qvxt::recorded_digests().at(r.name))
      << r.name;
}

// Arrays of unequal sizes throw std::length_error naming the call, before anything is touched.
TEST_P(CxxForm, RefusesArraysOfUnequalSizes) {
  const qvxt::Row& r = GetParam();
  const auto f = forms().find(r.name);
  ASSERT_NE(f, forms().end());
  if (f->second.mismatch == nullptr) GTEST_SKIP() << "one array";
  try {
    f->second.mismatch();
    ADD_FAILURE() << r.name << ": no exception";
  } catch (const std::length_error& e) {
    EXPECT_EQ(std::string(e.what()).rfind("qvx::", 0), 0u) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(EveryFunction, CxxForm, ::testing::ValuesIn(qvxt::function_rows()),
                         [](const ::testing::TestParamInfo<qvxt::Row>& info) { return std::string(info.param.name); });

}  // namespace
