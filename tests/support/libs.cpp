#include "support/libs.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "qvx_vector.h"

namespace qvxt {

namespace {
void* open(const char* path) {
  void* h = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (h == nullptr) {
    ADD_FAILURE() << "cannot open " << path << ": " << dlerror();
    abort();
  }
  return h;
}
}  // namespace

void* main_lib() {
  static void* h = open(QVX_LIB_PATH);
  return h;
}

void* ref_lib() {
  static void* h = open(QVX_REF_LIB_PATH);
  return h;
}

void* symbol(void* lib, const std::string& name) {
  void* p = dlsym(lib, name.c_str());
  if (p == nullptr) ADD_FAILURE() << "symbol " << name << " is missing";
  return p;
}

const std::vector<TableRow>& table_rows() {
  static const std::vector<TableRow> rows = {
#define QVX_FN_ROW(N, Ret, Params) {TableRow::Function, #N, "", 0},
#define QVX_SECOND_ROW(N, N2) {TableRow::Second, #N2, #N, 0},
#define QVX_OBJECT_ROW(Name, T, Count) \
  {TableRow::Object, #Name, "", sizeof(T) * ((Count) > 0 ? (Count) : 1)},
#include "core/api_rows.h"
  };
  return rows;
}

}  // namespace qvxt
