// Differential fuzzing of every function of the table.  The input picks a row, its length
// (negative ones and INT_MIN included), scale factor (any int), look-up offset, in-place use,
// placement of the arrays and the bytes of the data and constants; the call is made on the
// element-loop build and on every build flavour this processor runs, each opened by path
// from this program (which links none of them), on guarded buffers.  Results must agree bit
// for bit, sources must stay unchanged, nothing next to an array may change, and the
// fixed-point, conversion and scaled functions must give what their exact models give.
//
// Input: 24 header bytes, then the data (cycled through every array and constant):
//   0-1 row    2 length mode   3-6 length   7-10 scale factor   11 scale mode
//   12-15 look-up offset   16 in-place source   17 placement   18 overlap distance
//   19-22 seed of scattered start offsets
#include <dlfcn.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "qvx_vector.h"

// The models below name the functions they describe, for the tests that link the library.
// This program links no build of it and never calls them by these names, so the names are
// declared weak and stay unresolved (null).
#define QVXF_STR(x) #x
#define QVXF_WEAK(name) _Pragma(QVXF_STR(weak name))
#define QVX_FN_ROW(N, ...) QVXF_WEAK(qvx_##N)
#define QVX_SECOND_ROW(N, N2) QVXF_WEAK(qvx_##N2)
#define QVX_OBJECT_ROW(Name, T, Count)
#include "core/api_rows.h"

#include "convert/model.h"
#include "fixed/model.h"
#include "math/scaled_model.h"
#include "support/libs.h"
#include "support/rows.h"

namespace qvxt {
// The one piece of the tests' library access this program needs.
void* symbol(void* lib, const std::string& name) { return dlsym(lib, name.c_str()); }
}  // namespace qvxt

namespace {

int32_t i32(const uint8_t* p) {
  int32_t v;
  memcpy(&v, p, 4);
  return v;
}

// Part k of an array of parts of `size` bytes, signed or not.
int64_t part(const uint8_t* p, size_t k, int size, bool is_signed) {
  switch (size) {
    case 1: return is_signed ? int64_t(int8_t(p[k])) : int64_t(p[k]);
    case 2: {
      uint16_t v;
      memcpy(&v, p + 2 * k, 2);
      return is_signed ? int64_t(int16_t(v)) : int64_t(v);
    }
    default: return i32(p + 4 * k);
  }
}

using Check = std::function<std::string(const std::vector<qvxt::Arg>&, int len, int sf)>;

std::string mismatch(size_t k, int64_t got, int64_t want) {
  return "part " + std::to_string(k) + ": got " + std::to_string(got) + ", model " + std::to_string(want);
}

// A conversion's destination element by element against its model (any NaN matching).
template <class S, class D, class Model>
Check conversion(Model model) {
  return [model](const std::vector<qvxt::Arg>& a, int len, int sf) {
    for (size_t i = 0; i < static_cast<size_t>(len); ++i) {
      S x;
      D got;
      memcpy(&x, a[0].before + i * sizeof(S), sizeof x);
      memcpy(&got, a.back().after + i * sizeof(D), sizeof got);
      const D want = model(x, sf);
      if (!qvxt::same_scalar(got, want, qvxt::Nan::Any))
        return "element " + std::to_string(i) + ": got " + qvxt::show_scalar(got) + ", model " +
               qvxt::show_scalar(want);
    }
    return std::string();
  };
}

// The exact models of the fixed-point, multiply-divide, conversion and scaled functions, by row name.
std::map<std::string, Check> models() {
  std::map<std::string, Check> m;
  for (const fxt::Fn& f : fxt::members()) {
    m["Vector_" + f.name] = [&f](const std::vector<qvxt::Arg>& a, int len, int sf) {
      const int np = f.t.nparts;
      // Element i of an argument (a constant's only element for every i).
      auto elem = [&](const qvxt::Arg& arg, size_t i, bool after) {
        const uint8_t* p = after ? arg.after : arg.before;
        if (!arg.array) i = 0;
        return fxt::E{fxt::get(f.t, p, i * np), np == 2 ? fxt::get(f.t, p, i * np + 1) : 0};
      };
      for (size_t i = 0; i < static_cast<size_t>(len); ++i) {
        const fxt::E want = f.want(elem(a[0], i, false), f.nsrc > 1 ? elem(a[1], i, false) : fxt::E{},
                                   f.nsrc > 2 ? elem(a[2], i, false) : fxt::E{}, sf);
        const fxt::E got = elem(a.back(), i, true);
        if (!(got == want))
          return "element " + std::to_string(i) + ": got (" + std::to_string(got.re) + ", " +
                 std::to_string(got.im) + "), model (" + std::to_string(want.re) + ", " +
                 std::to_string(want.im) + ")";
      }
      return std::string();
    };
  }
  auto scaled = [](auto model, int size) {
    return [model, size](const std::vector<qvxt::Arg>& a, int len, int sf) {
      for (size_t k = 0; k < static_cast<size_t>(len); ++k) {
        const int before = smt::undecided();
        const int64_t want = model(part(a[0].before, k, size, true), sf);
        const int64_t got = part(a.back().after, k, size, true);
        // A value long double cannot round with certainty has no exact model value.
        if (smt::undecided() == before && got != want) return mismatch(k, got, want);
      }
      return std::string();
    };
  };
#define QVXF_INT(S, D, L)                                                 \
  m["Vector_TypeConvertShift_" #S "_" #D] = conversion<cvtt::T##S, cvtt::T##D>( \
      [](cvtt::T##S x, int sf) { return cvtt::int_model<cvtt::T##D>(x, sf, L); });
#define QVXF_FLOAT(S, D, P)                                                         \
  m["Vector_TypeConvertShift_" #S "_" #D] =                                         \
      conversion<cvtt::T##S, cvtt::T##D>(cvtt::FloatModel<P, cvtt::T##D>());
  using F = float;
  using D = double;
  QVXT_INT_PAIRS(QVXF_INT)
  QVXT_FLOAT_MEMBERS(QVXF_FLOAT)
#undef QVXF_INT
#undef QVXF_FLOAT
  m["Vector_ExpShift_16S"] = scaled(smt::exp_shift<Qvx16s>, 2);
  m["Vector_LogShift_16S"] = scaled(smt::log_shift<Qvx16s>, 2);
  m["Vector_SqrtShift_16S"] = scaled(smt::sqrt_shift<Qvx16s>, 2);
  m["Vector_ExpShift_32S"] = scaled(smt::exp_shift<Qvx32s>, 4);
  m["Vector_LogShift_32S"] = scaled(smt::log_shift<Qvx32s>, 4);
  m["Vector_SqrtShift_32S"] = scaled(smt::sqrt_shift<Qvx32s>, 4);
  return m;
}

struct Target {
  std::vector<void*> libs;  // [0] the element-loop build, then the flavours
  std::vector<const qvxt::Row*> rows;
  std::vector<const Check*> checks;
  std::map<std::string, Check> table;
};
Target* g;

void open_builds() {
  g = new Target;
  g->table = models();
  // QVX_FUZZ_BUILDS: "file level|file level|..." with the element-loop build first.
  std::string list = QVX_FUZZ_BUILDS;
  size_t at = 0;
  while (at < list.size()) {
    const size_t end = std::min(list.find('|', at), list.size());
    const std::string item = list.substr(at, end - at);
    at = end + 1;
    const size_t sp = item.rfind(' ');
    const std::string path = item.substr(0, sp), level = item.substr(sp + 1);
    // (Clang 14 knows the features, not the level names.)
    const bool v3 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") &&
                    __builtin_cpu_supports("fma");
    const bool v4 = v3 && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                    __builtin_cpu_supports("avx512cd") && __builtin_cpu_supports("avx512dq") &&
                    __builtin_cpu_supports("avx512vl");
    if ((level == "x86-64-v3" && !v3) || (level == "x86-64-v4" && !v4)) continue;
    void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (h == nullptr) {
      fprintf(stderr, "cannot open %s: %s\n", path.c_str(), dlerror());
      abort();
    }
    g->libs.push_back(h);
    fprintf(stderr, "build %zu: %s\n", g->libs.size() - 1, path.c_str());
  }
  for (const qvxt::Row& r : qvxt::function_rows()) {
    if (r.probe == nullptr) continue;
    g->rows.push_back(&r);
    auto it = g->table.find(r.name);
    g->checks.push_back(it == g->table.end() ? nullptr : &it->second);
  }
  fprintf(stderr, "%zu rows, %zu with exact models\n", g->rows.size(), g->table.size());
}

int length_of(const uint8_t* h) {
  const int32_t raw = i32(h + 3);
  const uint32_t u = static_cast<uint32_t>(raw);
  switch (h[2] % 8) {
    case 5: return static_cast<int>(u % 4200);
    case 6: return raw <= 0 ? raw : static_cast<int>(u % 70);
    case 7: {
      const int special[] = {INT_MIN, -1, 0, -0x40000001, INT_MIN + 1, -0x3FFFFFFF};
      return special[u % 6];
    }
    default: return static_cast<int>(u % 300);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  open_builds();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
  if (n < 24) return 0;
  uint16_t r;
  memcpy(&r, d, 2);
  const size_t idx = r % g->rows.size();
  const qvxt::Row& row = *g->rows[idx];
  qvxt::Probe p;
  p.len = length_of(d);
  p.sf = d[11] & 1 ? i32(d + 7) : static_cast<int8_t>(d[7]);
  p.ofs = i32(d + 12);
  p.alias = d[16] % 4 - 1;
  p.offset = d[17] & 15;
  p.end = d[17] & 16;
  p.scatter = d[17] & 32;
  p.overlap = d[17] & 64;
  p.delta = static_cast<int8_t>(d[18]) % 73;
  p.seed = static_cast<uint32_t>(i32(d + 19));
  p.data = d + 24;
  p.size = n - 24;
  // A destination that partly overlaps its source reads elements the call has already
  // written: there the element loop is the definition, not the model (the builds are still
  // compared with each other).
  const bool partial_overlap = p.overlap && (row.ip & IP_OVERLAP) != 0;
  const Check* model = g->checks[idx];
  if (model != nullptr && p.len > 0 && !partial_overlap) {
    const int len = p.len, sf = p.sf;
    p.check = [model, len, sf](const std::vector<qvxt::Arg>& a) { return (*model)(a, len, sf); };
  }
  const std::string err = row.probe(row, g->libs.data(), static_cast<int>(g->libs.size()), p);
  if (!err.empty()) {
    fprintf(stderr, "%s len %d sf %d offset %d in place %d placement %d delta %d: %s\n", row.name,
            p.len, p.sf, p.ofs, p.alias, d[17], p.delta, err.c_str());
    abort();
  }
  return 0;
}
