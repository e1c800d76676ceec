// The in-place flags of the table's rows, and the roles a parameter of a signature shape can
// play.  api_rows.h defines every shape once as the list of its parameters' roles; everything
// that walks the table takes the shapes from there: the declarations of the __qvx_ names
// (their C signatures: each role's `type`), the tests' rows, the benchmarks' rows, the
// reference documentation and the C++ interface's generator.  A consumer that gives the roles
// a meaning of its own binds each role once (Bind below), not each shape.
#ifndef QVX_CORE_SHAPES_H
#define QVX_CORE_SHAPES_H

// In-place flags.  Bit k set: the destination may be source k (counted from 0 among the
// source arrays; for the split complex shapes, the destination pair may be source pair k),
// with exactly the result of separate arrays.
#define IP_NONE 0
#define IP_SRC1 1
#define IP_SRC2 2
#define IP_SRC3 4
// Every overlap of the destination with the (first) source, at any byte distance, gives the
// result of the ascending element loop (Move: the source's content before the call).
#define IP_OVERLAP 8

#ifdef __cplusplus
#include "qvx_vector.h"

// The roles, each with the C type of its parameter.
namespace qvx_role {
// A source of M*len elements of T (len < 1: none).
template <class T, int M = 1>
struct In {
  using type = const T*;
};
// A destination of M*len elements of T.
template <class T, int M = 1>
struct Out {
  using type = T*;
};
// A source of len elements that is also the destination.
template <class T>
struct InOut {
  using type = T*;
};
// A result cell of a reduction: one element, written for every len (len < 1 included).
template <class T>
struct Cell {
  using type = T*;
};
// A constant operand.
template <class T>
struct Val {
  using type = T;
};
// The element count.
struct Len {
  using type = int;
};
// The scale factor: results are multiplied by 2^-scaleFactor.
struct Sf {
  using type = int;
};
// A look-up table of N entries for the source values Min .. Min+N-1, passed so that value v
// reads entry v - offset.
template <class T, int N, int Min>
struct Tab {
  using type = const T*;
};
// The table's offset.
struct Ofs {
  using type = int;
};
// ceil(len / 32) words of a bit mask, bit i%32 of word i/32 for element i.
struct Mask {
  using type = const Qvx32u*;
};

// A consumer's argument kind for each role, from Kinds, which names one per role: templates
// In<T, M>, Out<T, M>, InOut<T>, Cell<T>, Val<T> and Tab<T, N, Min>, and classes Len, Sf, Ofs
// and Mask (the tests fill guarded arrays for an In, the benchmarks plain ones).
template <class Kinds, class R>
struct Bind;
template <class K, class T, int M>
struct Bind<K, In<T, M>> {
  using type = typename K::template In<T, M>;
};
template <class K, class T, int M>
struct Bind<K, Out<T, M>> {
  using type = typename K::template Out<T, M>;
};
template <class K, class T>
struct Bind<K, InOut<T>> {
  using type = typename K::template InOut<T>;
};
template <class K, class T>
struct Bind<K, Cell<T>> {
  using type = typename K::template Cell<T>;
};
template <class K, class T>
struct Bind<K, Val<T>> {
  using type = typename K::template Val<T>;
};
template <class K, class T, int N, int Min>
struct Bind<K, Tab<T, N, Min>> {
  using type = typename K::template Tab<T, N, Min>;
};
template <class K>
struct Bind<K, Len> {
  using type = typename K::Len;
};
template <class K>
struct Bind<K, Sf> {
  using type = typename K::Sf;
};
template <class K>
struct Bind<K, Ofs> {
  using type = typename K::Ofs;
};
template <class K>
struct Bind<K, Mask> {
  using type = typename K::Mask;
};
template <class Kinds, class R>
using bind_t = typename Bind<Kinds, R>::type;

// The C function type of a shape with these roles.
template <class... R>
using Fn = QvxStatus(typename R::type...);
// A function type written out (a service's own signature).
template <class F>
using Is = F;
}  // namespace qvx_role
#endif

#endif
