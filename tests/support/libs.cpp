#include "support/libs.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <link.h>
#include <stdio.h>
#include <stdlib.h>

#include <map>
#include <set>

#include "core/shapes.h"
#include "qvx_levels.h"
#include "qvx_vector.h"

namespace qvxt {

namespace {
void* open(const char* path, int flags) {
  void* h = dlopen(path, flags);
  if (h == nullptr) {
    fprintf(stderr, "cannot open %s: %s\n", path, dlerror());
    abort();
  }
  return h;
}
}  // namespace

void* main_lib() {
  // The copy the program is linked with, whichever file the loader chose for it.
  static void* h = [] {
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&qvx_GetVersion), &info) == 0) abort();
    return open(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
  }();
  return h;
}

std::string library_path() {
  struct link_map* m = nullptr;
  if (dlinfo(main_lib(), RTLD_DI_LINKMAP, &m) != 0 || m == nullptr) abort();
  return m->l_name;
}

void* ref_lib() {
  static void* h = open(QVX_REF_LIB_PATH, RTLD_NOW | RTLD_LOCAL);
  return h;
}

namespace {
std::set<const void*>& tables() {
  static std::set<const void*> t;
  return t;
}
}  // namespace

void* table_lib(const std::map<std::string, void*>* functions) {
  tables().insert(functions);
  return const_cast<std::map<std::string, void*>*>(functions);
}

void* symbol(void* lib, const std::string& name) {
  void* p = nullptr;
  if (tables().count(lib)) {
    const auto* t = static_cast<const std::map<std::string, void*>*>(lib);
    const auto f = t->find(name);
    if (f != t->end()) p = f->second;
  } else {
    p = dlsym(lib, name.c_str());
  }
  if (p == nullptr) ADD_FAILURE() << "symbol " << name << " is missing";
  return p;
}

const std::vector<TableRow>& table_rows() {
  static const std::vector<TableRow> rows = {
#define QVX_FN_ROW(N, ...) {TableRow::Function, #N, "", 0},
#define QVX_SECOND_ROW(N, N2) {TableRow::Second, #N2, #N, 0},
#define QVX_OBJECT_ROW(Name, T, Count) \
  {TableRow::Object, #Name, "", sizeof(T) * ((Count) > 0 ? (Count) : 1)},
#include "core/api_rows.h"
  };
  return rows;
}

std::string output_of(const std::string& command, int* status) {
  std::string out;
  FILE* p = popen(command.c_str(), "r");
  char buf[4096];
  for (size_t n; p != nullptr && (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  const int st = p != nullptr ? pclose(p) : -1;
  if (status != nullptr) *status = st;
  return out;
}

namespace {

// A test program run for one build flavour (QVX_FLAVOUR names its instruction-set level)
// says which library file it tests, and stops with the skip code when this processor cannot
// execute that flavour.
struct Flavour {
  Flavour() {
    const char* f = getenv("QVX_FLAVOUR");
    if (f == nullptr || *f == '\0') return;
    const std::string level = f;
    bool ok = true;
#define QVX_CHECK_LEVEL(name) \
  if (level == name) ok = __builtin_cpu_supports(name);
    QVX_FOR_EACH_LEVEL(QVX_CHECK_LEVEL)
#undef QVX_CHECK_LEVEL
    if (!ok) {
      printf("skipped: this processor cannot run the %s flavour\n", f);
      fflush(stdout);
      _Exit(77);
    }
    printf("library under test (%s): %s\n", f, library_path().c_str());
    fflush(stdout);
  }
};
const Flavour kFlavour;

}  // namespace

}  // namespace qvxt
