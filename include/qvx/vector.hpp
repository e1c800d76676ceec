// qvx_vector for C++: typed, checked, header-only, over the C ABI of qvx_vector.h.
//
//   #include <qvx/vector.hpp>
//   std::vector<float> a(n), b(n), d(n);
//   qvx::add(a, b, d);                        // qvx_Vector_Add_32F(a, b, d, n)
//   qvx::add(x16, y16, z16, -1);              // qvx_Vector_AddShift_16S(..., n, -1)
//   double s = qvx::sum(a);                   // qvx_Vector_Sum_32F
//   auto [lo, hi] = qvx::min_max(a);
//
// One name per operation, overloaded by element type: the C++ name is the operation of the
// C name in snake_case, without "Shift" (the scale-factor argument marks the fixed-point
// forms), "Type" and "_CToC" (those take arrays of real and of imaginary parts); a C++
// keyword gets a trailing underscore (and_, not_).  The arguments are the C function's in
// its order, without len: arrays are any contiguous range (std::vector, std::array, C
// arrays, std::span, qvx::span, qvx::vector; pointer and count as qvx::span(p, n)), complex
// arrays and constants std::complex<float>, std::complex<double> or qvx::cs16.  A C `_I`
// form is an overload with one array fewer.  Reductions return their results.
//
// Checks: arrays whose sizes disagree throw std::length_error naming the call and both
// sizes; a non-zero status throws qvx::error.  qvx::unchecked:: holds the same functions
// without the size comparisons (the count is the first array's), for hot loops.  Element-wise
// calls on 2^30 elements or more are made in pieces, which give the bits of one call; the
// reductions (whose sums run in index order) and the in-place flip throw std::length_error
// beyond 2^31 - 1 elements.  doc/cpp.md in the sources has the whole story.
#ifndef QVX_VECTOR_HPP
#define QVX_VECTOR_HPP

#if !defined(__cplusplus) || __cplusplus < 201703L
#error "qvx/vector.hpp needs C++17 or later"
#endif

#include <dlfcn.h>
#include <limits.h>
#include <link.h>

#include <complex>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>
#if __cplusplus > 201703L && __has_include(<span>)
#include <span>
#endif

#include "../qvx_vector.h"

namespace qvx {

// ---- element types ------------------------------------------------------------------------

// A complex number of two 16-bit parts, real part first: the layout of Qvx16sc.
struct cs16 {
  Qvx16s re, im;
  friend constexpr bool operator==(cs16 a, cs16 b) { return a.re == b.re && a.im == b.im; }
  friend constexpr bool operator!=(cs16 a, cs16 b) { return !(a == b); }
};

// The C++ element types stand for the C ones as they are, array for array.
static_assert(sizeof(std::complex<float>) == sizeof(Qvx32fc) && alignof(std::complex<float>) == alignof(Qvx32fc),
              "std::complex<float> must have the layout of Qvx32fc");
static_assert(sizeof(std::complex<double>) == sizeof(Qvx64fc) && alignof(std::complex<double>) == alignof(Qvx64fc),
              "std::complex<double> must have the layout of Qvx64fc");
static_assert(sizeof(cs16) == sizeof(Qvx16sc) && alignof(cs16) == alignof(Qvx16sc) && offsetof(cs16, im) == offsetof(Qvx16sc, im),
              "qvx::cs16 must have the layout of Qvx16sc");

// ---- results --------------------------------------------------------------------------------

template <class R>
struct min_max_t {
  using value_type = R;
  R min, max;
};
template <class R>
struct mean_std_dev_t {
  using value_type = R;
  R mean, std_dev;
};
// max_index, min_index: the element and its position (the first one); an empty range gives
// index 0 and a value of zero.
template <class T>
struct value_index_t {
  T value;
  std::size_t index;
};

// A status other than QVX_STS_NO_ERR, with its message.
class error : public std::runtime_error {
 public:
  error(QvxStatus status, const char* call)
      : std::runtime_error(std::string(call) + ": " + qvx_GetStringStatus(status)), status_(status) {}
  QvxStatus status() const noexcept { return status_; }

 private:
  QvxStatus status_;
};

// ---- views: std::span where the compiler has it, else a minimal one -----------------------

#if defined(__cpp_lib_span)
using std::span;
#else
template <class T>
class span {
 public:
  using element_type = T;
  using value_type = std::remove_cv_t<T>;
  constexpr span() noexcept = default;
  constexpr span(T* p, std::size_t n) noexcept : p_(p), n_(n) {}
  template <class R, class P = decltype(std::data(std::declval<R&>())),
            std::enable_if_t<std::is_convertible_v<P, T*> && !std::is_same_v<std::decay_t<R>, span>, int> = 0>
  constexpr span(R&& r) noexcept : p_(std::data(r)), n_(std::size(r)) {}
  constexpr T* data() const noexcept { return p_; }
  constexpr std::size_t size() const noexcept { return n_; }
  constexpr bool empty() const noexcept { return n_ == 0; }
  constexpr T& operator[](std::size_t i) const noexcept { return p_[i]; }
  constexpr T* begin() const noexcept { return p_; }
  constexpr T* end() const noexcept { return p_ + n_; }

 private:
  T* p_ = nullptr;
  std::size_t n_ = 0;
};
template <class T>
span(T*, std::size_t) -> span<T>;
template <class R>
span(R&) -> span<std::remove_pointer_t<decltype(std::data(std::declval<R&>()))>>;
#endif

// ---- memory -----------------------------------------------------------------------------------

// 64-byte aligned storage: qvx_Malloc for blocks it can give (below 2^31 - 64 bytes), the
// aligned operator new beyond.
template <class T>
struct allocator {
  using value_type = T;
  static constexpr std::size_t kLargest = 2147483583;  // qvx_Malloc's largest block
  allocator() noexcept = default;
  template <class U>
  allocator(const allocator<U>&) noexcept {}
  T* allocate(std::size_t n) {
    if (n > std::numeric_limits<std::size_t>::max() / sizeof(T)) throw std::bad_array_new_length();
    const std::size_t bytes = n * sizeof(T);
    void* p = bytes <= kLargest ? qvx_Malloc(static_cast<int>(bytes > 0 ? bytes : 1))
                                : ::operator new(bytes, std::align_val_t{64}, std::nothrow);
    if (p == nullptr) throw std::bad_alloc();
    return static_cast<T*>(p);
  }
  void deallocate(T* p, std::size_t n) noexcept {
    if (n * sizeof(T) <= kLargest) qvx_Free(p);
    else ::operator delete(p, std::align_val_t{64});
  }
  friend bool operator==(const allocator&, const allocator&) noexcept { return true; }
  friend bool operator!=(const allocator&, const allocator&) noexcept { return false; }
};

template <class T>
using vector = std::vector<T, allocator<T>>;

// The build of the library the loader picked for this process, from its file's path:
// "x86-64-v4", "x86-64-v3" or "baseline" (also when the path cannot be read).
inline const char* loaded_flavour() noexcept {
  const char* flavour = "baseline";
  if (void* h = dlopen("libqvx_vector.so", RTLD_LAZY | RTLD_NOLOAD)) {
    struct link_map* m = nullptr;
    if (dlinfo(h, RTLD_DI_LINKMAP, &m) == 0 && m != nullptr && m->l_name != nullptr) {
      const char* dir_end = std::strrchr(m->l_name, '/');
      const std::string dir(m->l_name, dir_end ? static_cast<std::size_t>(dir_end - m->l_name) : 0);
      if (dir.find("x86-64-v4") != std::string::npos) flavour = "x86-64-v4";
      else if (dir.find("x86-64-v3") != std::string::npos) flavour = "x86-64-v3";
    }
    dlclose(h);
  }
  return flavour;
}

// ---- services ---------------------------------------------------------------------------------

namespace detail {
[[noreturn, gnu::noinline, gnu::cold]] inline void fail(const char* call, QvxStatus s) { throw error(s, call); }
inline void status(const char* call, QvxStatus s) {
  if (__builtin_expect(s != QVX_STS_NO_ERR, 0)) fail(call, s);
}
}  // namespace detail

inline const char* get_version() noexcept { return qvx_GetVersion(); }
inline const char* get_string_status(QvxStatus s) noexcept { return qvx_GetStringStatus(s); }
// qvx_Malloc with a size_t: null for 0 and for sizes it cannot give (allocator<T> can).
inline void* malloc(std::size_t bytes) noexcept {
  return bytes <= static_cast<std::size_t>(INT_MAX) ? qvx_Malloc(static_cast<int>(bytes)) : nullptr;
}
inline void free(void* p) noexcept { qvx_Free(p); }
inline void* align_pointer(void* p, int align) noexcept { return qvx_AlignPointer(p, align); }
inline int get_num_threads() {
  int n = 0;
  detail::status("qvx::get_num_threads", qvx_GetNumThreads(&n));
  return n;
}
inline void set_num_threads(int n) { detail::status("qvx::set_num_threads", qvx_SetNumThreads(n)); }

// ---- the machinery of the generated overloads -----------------------------------------------

namespace detail {

// The C element type a C++ element type stands for.
template <class E>
struct c_type {
  using type = E;
};
template <>
struct c_type<std::complex<float>> {
  using type = Qvx32fc;
};
template <>
struct c_type<std::complex<double>> {
  using type = Qvx64fc;
};
template <>
struct c_type<cs16> {
  using type = Qvx16sc;
};
template <class E>
using c_type_t = typename c_type<std::remove_cv_t<E>>::type;

// Scalars of two parts stored as interleaved pairs: M == 2 reads S pairs as complex elements.
template <class S, int M>
struct pairs {
  using type = S;
};
template <>
struct pairs<Qvx16s, 2> {
  using type = Qvx16sc;
};
template <>
struct pairs<Qvx32f, 2> {
  using type = Qvx32fc;
};
template <>
struct pairs<Qvx64f, 2> {
  using type = Qvx64fc;
};
template <class S, int M>
using pairs_t = typename pairs<S, M>::type;

template <class R, class = void>
struct range_of {
  using elem = void;
};
template <class R>
struct range_of<R, std::void_t<decltype(std::data(std::declval<R&>())), decltype(std::size(std::declval<R&>()))>> {
  using elem = std::remove_reference_t<decltype(*std::data(std::declval<R&>()))>;
};
// R is a contiguous range of elements standing for T (writable ones for a destination).
template <class R, class T, bool Writable, class E = typename range_of<R>::elem>
constexpr bool fits = !std::is_void_v<E> && std::is_same_v<c_type_t<E>, T> && (!Writable || !std::is_const_v<E>);

// A source array and a destination array as the C function takes them.
template <class T>
struct in {
  const T* p;
  std::size_t n;
  template <class R, std::enable_if_t<fits<R, T, false>, int> = 0>
  in(R&& r) noexcept : p(reinterpret_cast<const T*>(std::data(r))), n(std::size(r)) {}
};
template <class T>
struct out {
  T* p;
  std::size_t n;
  template <class R, std::enable_if_t<fits<R, T, true>, int> = 0>
  out(R&& r) noexcept : p(reinterpret_cast<T*>(std::data(r))), n(std::size(r)) {}
};

// A constant: complex ones also as std::complex or qvx::cs16.
template <class T, class Cxx>
struct cval {
  T c;
  cval(const T& v) noexcept : c(v) {}
  cval(const Cxx& v) noexcept { std::memcpy(&c, &v, sizeof c); }
};
template <class T>
struct val {
  using type = T;
};
template <>
struct val<Qvx32fc> {
  using type = cval<Qvx32fc, std::complex<float>>;
};
template <>
struct val<Qvx64fc> {
  using type = cval<Qvx64fc, std::complex<double>>;
};
template <>
struct val<Qvx16sc> {
  using type = cval<Qvx16sc, cs16>;
};
template <class T>
using val_t = typename val<T>::type;
template <class T>
T cv(const T& v) noexcept {
  return v;
}
template <class T, class Cxx>
T cv(const cval<T, Cxx>& v) noexcept {
  return v.c;
}

[[noreturn, gnu::noinline, gnu::cold]] inline void size_error(const char* call, const char* a, std::size_t na, const char* b, std::size_t nb) {
  throw std::length_error(std::string(call) + ": " + a + " has " + std::to_string(na) + " elements, " + b + " has " +
                          std::to_string(nb));
}
template <bool K>
inline void same(const char* call, const char* a, std::size_t na, const char* b, std::size_t nb) {
  if (K && na != nb) size_error(call, a, na, b, nb);
}

// The largest count given to one C call, and the pieces of a longer element-wise call: every
// C function takes 2^30 - 1 elements (the complex ones that work on 2 * len scalars no more),
// and a piece of 2^30 - 64 elements keeps every mask word (32 elements) whole.
constexpr std::size_t kOneCall = (std::size_t{1} << 30) - 1;
constexpr std::size_t kPiece = (std::size_t{1} << 30) - 64;

// A call beyond kOneCall elements, as pieces: f(offset, count) makes the C call on elements
// [offset, offset + count); in descending order where a destination ahead of its overlapping
// source needs it (Move).  Out of line, so that the common call is the C call alone.
template <class F>
[[gnu::noinline, gnu::cold]] void pieces(const char* call, std::size_t n, F f, bool descending) {
  const std::size_t last = (n - 1) / kPiece;
  for (std::size_t k = 0; k <= last; ++k) {
    const std::size_t o = (descending ? last - k : k) * kPiece;
    status(call, f(o, static_cast<int>(n - o < kPiece ? n - o : kPiece)));
  }
}

// The count of a call that cannot be split: a reduction (its sums run in index order) or the
// in-place reversal.
inline int whole(const char* call, std::size_t n) {
  if (__builtin_expect(n > static_cast<std::size_t>(INT_MAX), 0))
    throw std::length_error(std::string(call) + ": " + std::to_string(n) +
                            " elements; this function takes at most 2^31 - 1 in one call and cannot be split");
  return static_cast<int>(n);
}

// A look-up table whose entry 0 belongs to the source value `offset` must hold an entry for
// every value from lo to hi.
template <bool K>
inline void covers(const char* call, std::size_t entries, int offset, long lo, long hi) {
  if (K && (offset > lo || static_cast<std::size_t>(hi - offset) >= entries))
    throw std::length_error(std::string(call) + ": table has " + std::to_string(entries) + " elements from value " +
                            std::to_string(offset) + ", the source values " + std::to_string(lo) + " to " +
                            std::to_string(hi) + " need " + std::to_string(hi - lo + 1) + " from value " +
                            std::to_string(lo));
}

template <class... A>
constexpr bool never = false;

// ---- one overload per row of the table (qvx/vector_rows.inc) --------------------------------
// Each QVX_<SHAPE> line defines an overload of row_<op>; the first argument says whether sizes
// are compared.  The count n is the first array's.
#define QVX_FN_(op) "qvx::" #op
#define QVX_ROW_(op) \
  template <bool K>  \
  inline auto row_##op(std::bool_constant<K>
// An element-wise call on n elements: the C call on [o, o + m), once with o = 0 and m = n, or
// as pieces.
#define QVX_EACH_DIR_(op, n, descending, ...)                                                 \
  if (__builtin_expect((n) <= kOneCall, 1)) {                                               \
    const std::size_t o = 0;                                                                \
    const int m = static_cast<int>(n);                                                      \
    status(QVX_FN_(op), __VA_ARGS__);                                                       \
  } else                                                                                    \
    pieces(QVX_FN_(op), n, [=](std::size_t o, int m) { return __VA_ARGS__; }, descending)
#define QVX_EACH_(op, n, ...) QVX_EACH_DIR_(op, n, false, __VA_ARGS__)
#define QVX_SAME_(op, a, b) same<K>(QVX_FN_(op), #a, a.n, #b, b.n)

#define QVX_SERVICE(op, N) using service_##op##_t = decltype(&::qvx::op);
#define QVX_SET(op, N, T) \
  QVX_ROW_(op), val_t<T> val, out<T> dst) { QVX_EACH_(op, dst.n, qvx_##N(cv(val), dst.p + o, m)); }
#define QVX_UNARY(op, N, S, D)                                                    \
  QVX_ROW_(op), in<S> src, out<D> dst) {                                          \
    QVX_SAME_(op, dst, src);                                                      \
    QVX_EACH_(op, src.n, qvx_##N(src.p + o, dst.p + o, m));                       \
  }
// Move: the destination gets what the source held whatever their overlap, so the pieces run
// from the end where the destination lies after the source.
#define QVX_MOVE(op, N, S, D)                                                                      \
  QVX_ROW_(op), in<S> src, out<D> dst) {                                                           \
    QVX_SAME_(op, dst, src);                                                                       \
    QVX_EACH_DIR_(op, src.n, std::less<const void*>()(src.p, dst.p), qvx_##N(src.p + o, dst.p + o, m)); \
  }
#define QVX_REVERSE(op, N, S, D)                                                                  \
  QVX_ROW_(op), in<S> src, out<D> dst) {                                                          \
    QVX_SAME_(op, dst, src);                                                                      \
    QVX_EACH_(op, src.n, qvx_##N(src.p + (src.n - o - static_cast<std::size_t>(m)), dst.p + o, m)); \
  }
#define QVX_UNARY_I(op, N, T) \
  QVX_ROW_(op), out<T> srcDst) { status(QVX_FN_(op), qvx_##N(srcDst.p, whole(QVX_FN_(op), srcDst.n))); }
#define QVX_BINARY(op, N, S1, S2, D)                                                     \
  QVX_ROW_(op), in<S1> src1, in<S2> src2, out<D> dst) {                                   \
    QVX_SAME_(op, src2, src1);                                                           \
    QVX_SAME_(op, dst, src1);                                                            \
    QVX_EACH_(op, src1.n, qvx_##N(src1.p + o, src2.p + o, dst.p + o, m));                 \
  }
#define QVX_CONST(op, N, S, C, D)                                                     \
  QVX_ROW_(op), in<S> src, val_t<C> val, out<D> dst) {                                \
    QVX_SAME_(op, dst, src);                                                          \
    QVX_EACH_(op, src.n, qvx_##N(src.p + o, cv(val), dst.p + o, m));                   \
  }
#define QVX_TERNARY(op, N, T)                                                         \
  QVX_ROW_(op), in<T> src1, in<T> src2, in<T> src3, out<T> dst) {                      \
    QVX_SAME_(op, src2, src1);                                                        \
    QVX_SAME_(op, src3, src1);                                                        \
    QVX_SAME_(op, dst, src1);                                                         \
    QVX_EACH_(op, src1.n, qvx_##N(src1.p + o, src2.p + o, src3.p + o, dst.p + o, m));  \
  }
#define QVX_MULCADD(op, N, T)                                                         \
  QVX_ROW_(op), in<T> src1, val_t<T> val, in<T> src2, out<T> dst) {                    \
    QVX_SAME_(op, src2, src1);                                                        \
    QVX_SAME_(op, dst, src1);                                                         \
    QVX_EACH_(op, src1.n, qvx_##N(src1.p + o, cv(val), src2.p + o, dst.p + o, m));     \
  }
#define QVX_MULCADDC(op, N, S, C)                                                     \
  QVX_ROW_(op), in<S> src, val_t<C> mulVal, val_t<C> addVal, out<S> dst) {             \
    QVX_SAME_(op, dst, src);                                                          \
    QVX_EACH_(op, src.n, qvx_##N(src.p + o, cv(mulVal), cv(addVal), dst.p + o, m));    \
  }
#define QVX_CTOC_BINARY(op, N, T)                                                                      \
  QVX_ROW_(op), in<T> src1Re, in<T> src1Im, in<T> src2Re, in<T> src2Im, out<T> dstRe, out<T> dstIm) {  \
    QVX_SAME_(op, src1Im, src1Re);                                                                     \
    QVX_SAME_(op, src2Re, src1Re);                                                                     \
    QVX_SAME_(op, src2Im, src1Re);                                                                     \
    QVX_SAME_(op, dstRe, src1Re);                                                                      \
    QVX_SAME_(op, dstIm, src1Re);                                                                      \
    QVX_EACH_(op, src1Re.n,                                                                            \
              qvx_##N(src1Re.p + o, src1Im.p + o, src2Re.p + o, src2Im.p + o, dstRe.p + o, dstIm.p + o, m)); \
  }
#define QVX_CTOC_CONST(op, N, T)                                                               \
  QVX_ROW_(op), in<T> srcRe, in<T> srcIm, T valRe, T valIm, out<T> dstRe, out<T> dstIm) {       \
    QVX_SAME_(op, srcIm, srcRe);                                                               \
    QVX_SAME_(op, dstRe, srcRe);                                                               \
    QVX_SAME_(op, dstIm, srcRe);                                                               \
    QVX_EACH_(op, srcRe.n, qvx_##N(srcRe.p + o, srcIm.p + o, valRe, valIm, dstRe.p + o, dstIm.p + o, m)); \
  }
#define QVX_CTOC_TERNARY(op, N, T)                                                                       \
  QVX_ROW_(op), in<T> src1Re, in<T> src1Im, in<T> src2Re, in<T> src2Im, in<T> src3Re, in<T> src3Im,      \
      out<T> dstRe, out<T> dstIm) {                                                                      \
    QVX_SAME_(op, src1Im, src1Re);                                                                       \
    QVX_SAME_(op, src2Re, src1Re);                                                                       \
    QVX_SAME_(op, src2Im, src1Re);                                                                       \
    QVX_SAME_(op, src3Re, src1Re);                                                                       \
    QVX_SAME_(op, src3Im, src1Re);                                                                       \
    QVX_SAME_(op, dstRe, src1Re);                                                                        \
    QVX_SAME_(op, dstIm, src1Re);                                                                        \
    QVX_EACH_(op, src1Re.n, qvx_##N(src1Re.p + o, src1Im.p + o, src2Re.p + o, src2Im.p + o, src3Re.p + o, \
                                    src3Im.p + o, dstRe.p + o, dstIm.p + o, m));                         \
  }
#define QVX_CTOC_MULCADD(op, N, T)                                                                       \
  QVX_ROW_(op), in<T> srcRe, in<T> srcIm, T valRe, T valIm, in<T> addRe, in<T> addIm, out<T> dstRe,       \
      out<T> dstIm) {                                                                                    \
    QVX_SAME_(op, srcIm, srcRe);                                                                         \
    QVX_SAME_(op, addRe, srcRe);                                                                         \
    QVX_SAME_(op, addIm, srcRe);                                                                         \
    QVX_SAME_(op, dstRe, srcRe);                                                                         \
    QVX_SAME_(op, dstIm, srcRe);                                                                         \
    QVX_EACH_(op, srcRe.n, qvx_##N(srcRe.p + o, srcIm.p + o, valRe, valIm, addRe.p + o, addIm.p + o,     \
                                   dstRe.p + o, dstIm.p + o, m));                                        \
  }
#define QVX_CTOC_MULCADDC(op, N, T)                                                                      \
  QVX_ROW_(op), in<T> srcRe, in<T> srcIm, T mulRe, T mulIm, T addRe, T addIm, out<T> dstRe,               \
      out<T> dstIm) {                                                                                    \
    QVX_SAME_(op, srcIm, srcRe);                                                                         \
    QVX_SAME_(op, dstRe, srcRe);                                                                         \
    QVX_SAME_(op, dstIm, srcRe);                                                                         \
    QVX_EACH_(op, srcRe.n,                                                                               \
              qvx_##N(srcRe.p + o, srcIm.p + o, mulRe, mulIm, addRe, addIm, dstRe.p + o, dstIm.p + o, m)); \
  }
#define QVX_SCALED_UNARY(op, N, S, D)                                              \
  QVX_ROW_(op), in<S> src, out<D> dst, int scaleFactor) {                          \
    QVX_SAME_(op, dst, src);                                                       \
    QVX_EACH_(op, src.n, qvx_##N(src.p + o, dst.p + o, m, scaleFactor));            \
  }
#define QVX_SCALED_BINARY(op, N, T)                                                        \
  QVX_ROW_(op), in<T> src1, in<T> src2, out<T> dst, int scaleFactor) {                     \
    QVX_SAME_(op, src2, src1);                                                             \
    QVX_SAME_(op, dst, src1);                                                              \
    QVX_EACH_(op, src1.n, qvx_##N(src1.p + o, src2.p + o, dst.p + o, m, scaleFactor));      \
  }
#define QVX_SCALED_CONST(op, N, T, C)                                                  \
  QVX_ROW_(op), in<T> src, val_t<C> val, out<T> dst, int scaleFactor) {                \
    QVX_SAME_(op, dst, src);                                                           \
    QVX_EACH_(op, src.n, qvx_##N(src.p + o, cv(val), dst.p + o, m, scaleFactor));       \
  }
#define QVX_SCALED_TERNARY(op, N, T)                                                                  \
  QVX_ROW_(op), in<T> src1, in<T> src2, in<T> src3, out<T> dst, int scaleFactor) {                     \
    QVX_SAME_(op, src2, src1);                                                                        \
    QVX_SAME_(op, src3, src1);                                                                        \
    QVX_SAME_(op, dst, src1);                                                                         \
    QVX_EACH_(op, src1.n, qvx_##N(src1.p + o, src2.p + o, src3.p + o, dst.p + o, m, scaleFactor));     \
  }
#define QVX_SCALED_MULCADD(op, N, T, C)                                                               \
  QVX_ROW_(op), in<T> src1, val_t<C> val, in<T> src2, out<T> dst, int scaleFactor) {                   \
    QVX_SAME_(op, src2, src1);                                                                        \
    QVX_SAME_(op, dst, src1);                                                                         \
    QVX_EACH_(op, src1.n, qvx_##N(src1.p + o, cv(val), src2.p + o, dst.p + o, m, scaleFactor));        \
  }
#define QVX_SCALED_MULCADDC(op, N, T, C)                                                              \
  QVX_ROW_(op), in<T> src, val_t<C> mulVal, val_t<C> addVal, out<T> dst, int scaleFactor) {            \
    QVX_SAME_(op, dst, src);                                                                          \
    QVX_EACH_(op, src.n, qvx_##N(src.p + o, cv(mulVal), cv(addVal), dst.p + o, m, scaleFactor));       \
  }
#define QVX_REDUCE(op, N, S, R)                                    \
  QVX_ROW_(op), in<S> src) {                                       \
    R r{};                                                         \
    status(QVX_FN_(op), qvx_##N(src.p, whole(QVX_FN_(op), src.n), &r)); \
    return r;                                                      \
  }
#define QVX_REDUCE_INDEX(op, N, S)                                                   \
  QVX_ROW_(op), in<S> src) {                                                         \
    int i = 0;                                                                       \
    status(QVX_FN_(op), qvx_##N(src.p, whole(QVX_FN_(op), src.n), &i));              \
    return value_index_t<S>{src.n > 0 ? src.p[i] : S{}, static_cast<std::size_t>(i)}; \
  }
#define QVX_REDUCE2(op, N, S, R)                                                       \
  QVX_ROW_(op), in<S> src1, in<S> src2) {                                              \
    QVX_SAME_(op, src2, src1);                                                         \
    R r{};                                                                             \
    status(QVX_FN_(op), qvx_##N(src1.p, src2.p, whole(QVX_FN_(op), src1.n), &r));      \
    return r;                                                                          \
  }
#define QVX_REDUCE_PAIR(op, N, S, R, Out)                                                           \
  QVX_ROW_(op), in<S> src) {                                                                        \
    R a{}, b{};                                                                                     \
    status(QVX_FN_(op), qvx_##N(src.p, whole(QVX_FN_(op), src.n), &a, &b));                         \
    return Out{static_cast<typename Out::value_type>(a), static_cast<typename Out::value_type>(b)}; \
  }
#define QVX_REDUCE2_PAIR(op, N, S, R, Out)                                                          \
  QVX_ROW_(op), in<S> src1, in<S> src2) {                                                           \
    QVX_SAME_(op, src2, src1);                                                                      \
    R a{}, b{};                                                                                     \
    status(QVX_FN_(op), qvx_##N(src1.p, src2.p, whole(QVX_FN_(op), src1.n), &a, &b));               \
    return Out{static_cast<typename Out::value_type>(a), static_cast<typename Out::value_type>(b)}; \
  }
#define QVX_THRESHOLD1(op, N, T)                                       \
  QVX_ROW_(op), in<T> src, out<T> dst, T level) {                      \
    QVX_SAME_(op, dst, src);                                           \
    QVX_EACH_(op, src.n, qvx_##N(src.p + o, dst.p + o, level, m));     \
  }
#define QVX_THRESHOLD2(op, N, T)                                       \
  QVX_ROW_(op), in<T> src, out<T> dst, T a, T b) {                     \
    QVX_SAME_(op, dst, src);                                           \
    QVX_EACH_(op, src.n, qvx_##N(src.p + o, dst.p + o, a, b, m));      \
  }
#define QVX_THRESHOLD4(op, N, T)                                           \
  QVX_ROW_(op), in<T> src, out<T> dst, T a, T b, T c, T d) {               \
    QVX_SAME_(op, dst, src);                                               \
    QVX_EACH_(op, src.n, qvx_##N(src.p + o, dst.p + o, a, b, c, d, m));    \
  }
#define QVX_UNARY2(op, N, S, M, D)                                                                        \
  QVX_ROW_(op), in<pairs_t<S, M>> src, out<D> dst1, out<D> dst2) {                                        \
    QVX_SAME_(op, dst1, src);                                                                             \
    QVX_SAME_(op, dst2, src);                                                                             \
    QVX_EACH_(op, src.n, qvx_##N(reinterpret_cast<const S*>(src.p + o), dst1.p + o, dst2.p + o, m));      \
  }
#define QVX_TO_PAIRS(op, N, S, D)                                                                  \
  QVX_ROW_(op), in<S> src1, in<S> src2, out<pairs_t<D, 2>> dst) {                                   \
    QVX_SAME_(op, src2, src1);                                                                     \
    QVX_SAME_(op, dst, src1);                                                                      \
    QVX_EACH_(op, src1.n, qvx_##N(src1.p + o, src2.p + o, reinterpret_cast<D*>(dst.p + o), m));     \
  }
#define QVX_SETMASK(op, N, T)                                                                    \
  QVX_ROW_(op), in<Qvx32u> mask, int val, out<T> dst) {                                          \
    if (K && mask.n < (dst.n + 31) / 32)                                                         \
      size_error(QVX_FN_(op), "mask", mask.n, "ceil(dst / 32)", (dst.n + 31) / 32);             \
    QVX_EACH_(op, dst.n, qvx_##N(mask.p + o / 32, val, dst.p + o, m));                           \
  }
#define QVX_SPLIT(op, N, T)                                                                \
  QVX_ROW_(op), in<T> src, out<T> dst1, out<T> dst2) {                                     \
    same<K>(QVX_FN_(op), "src", src.n, "2 * dst1", 2 * dst1.n);                            \
    QVX_SAME_(op, dst2, dst1);                                                             \
    QVX_EACH_(op, src.n / 2, qvx_##N(src.p + 2 * o, dst1.p + o, dst2.p + o, m));           \
  }
#define QVX_MERGE(op, N, T)                                                                \
  QVX_ROW_(op), in<T> src1, in<T> src2, out<T> dst) {                                      \
    QVX_SAME_(op, src2, src1);                                                             \
    same<K>(QVX_FN_(op), "dst", dst.n, "2 * src1", 2 * src1.n);                            \
    QVX_EACH_(op, src1.n, qvx_##N(src1.p + o, src2.p + o, dst.p + 2 * o, m));              \
  }
#define QVX_LOOKUP(op, N, S, D)                                                                        \
  QVX_ROW_(op), in<S> src, out<D> dst, in<D> table, int offset) {                                      \
    QVX_SAME_(op, dst, src);                                                                           \
    covers<K>(QVX_FN_(op), table.n, offset, std::numeric_limits<S>::min(), std::numeric_limits<S>::max()); \
    QVX_EACH_(op, src.n, qvx_##N(src.p + o, dst.p + o, table.p, offset, m));                           \
  }
#define QVX_LOOKUP2(op, N, T)                                                                   \
  QVX_ROW_(op), in<Qvx8u> src1, in<Qvx8u> src2, out<T> dst, in<T> table, int offset) {          \
    QVX_SAME_(op, src2, src1);                                                                  \
    QVX_SAME_(op, dst, src1);                                                                   \
    covers<K>(QVX_FN_(op), table.n, offset, 0, 65535);                                          \
    QVX_EACH_(op, src1.n, qvx_##N(src1.p + o, src2.p + o, dst.p + o, table.p, offset, m));      \
  }
// Whether row_<op> takes these arguments.
#define QVX_OP(op)                                                                                  \
  template <class V, class... A>                                                                    \
  struct has_##op : std::false_type {};                                                             \
  template <class... A>                                                                             \
  struct has_##op<std::void_t<decltype(row_##op(std::true_type{}, std::declval<A>()...))>, A...>    \
      : std::true_type {};
#include "vector_rows.inc"
#undef QVX_SERVICE
#undef QVX_SET
#undef QVX_UNARY
#undef QVX_MOVE
#undef QVX_REVERSE
#undef QVX_UNARY_I
#undef QVX_BINARY
#undef QVX_CONST
#undef QVX_TERNARY
#undef QVX_MULCADD
#undef QVX_MULCADDC
#undef QVX_CTOC_BINARY
#undef QVX_CTOC_CONST
#undef QVX_CTOC_TERNARY
#undef QVX_CTOC_MULCADD
#undef QVX_CTOC_MULCADDC
#undef QVX_SCALED_UNARY
#undef QVX_SCALED_BINARY
#undef QVX_SCALED_CONST
#undef QVX_SCALED_TERNARY
#undef QVX_SCALED_MULCADD
#undef QVX_SCALED_MULCADDC
#undef QVX_REDUCE
#undef QVX_REDUCE_INDEX
#undef QVX_REDUCE2
#undef QVX_REDUCE_PAIR
#undef QVX_REDUCE2_PAIR
#undef QVX_THRESHOLD1
#undef QVX_THRESHOLD2
#undef QVX_THRESHOLD4
#undef QVX_UNARY2
#undef QVX_TO_PAIRS
#undef QVX_SETMASK
#undef QVX_SPLIT
#undef QVX_MERGE
#undef QVX_LOOKUP
#undef QVX_LOOKUP2
#undef QVX_OP
#undef QVX_FN_
#undef QVX_ROW_
#undef QVX_EACH_
#undef QVX_EACH_DIR_
#undef QVX_SAME_

}  // namespace detail

// ---- the operations: qvx::<op> checks sizes, qvx::unchecked::<op> does not ----------------------
// A call that no row takes stops at a static_assert that names the operation.
#define QVX_OPS_ONLY
#define QVX_OP(op)                                                                                   \
  template <class... A, std::enable_if_t<detail::has_##op<void, A...>::value, int> = 0>              \
  inline decltype(auto) op(A&&... a) {                                                               \
    return detail::row_##op(std::bool_constant<QVX_CHECKED_>{}, std::forward<A>(a)...);              \
  }                                                                                                  \
  template <class... A, std::enable_if_t<!detail::has_##op<void, A...>::value, int> = 0>             \
  void op(A&&...) {                                                                                  \
    static_assert(detail::never<A...>, "qvx::" #op                                                  \
                  ": no function of the library takes these arguments (their element types, a "      \
                  "const destination, or their number)");                                            \
  }
#define QVX_CHECKED_ true
#include "vector_rows.inc"
#undef QVX_CHECKED_
namespace unchecked {
#define QVX_CHECKED_ false
#include "vector_rows.inc"
#undef QVX_CHECKED_
}  // namespace unchecked
#undef QVX_OP
#undef QVX_OPS_ONLY

}  // namespace qvx

#endif
