// The built library and its element-loop twin, opened by path, and the table of every
// exported function and object, as the tests see it.
#ifndef QVX_TEST_LIBS_H
#define QVX_TEST_LIBS_H

#include <stddef.h>

#include <map>
#include <string>
#include <vector>

namespace qvxt {

// Handles of the library under test (the copy of libqvx_vector.so this program was loaded
// with: the baseline build, or a flavour that LD_LIBRARY_PATH points at) and of the build
// whose vector paths are compiled out.
void* main_lib();
void* ref_lib();

// The file of the library under test.
std::string library_path();

// A stand-in build made of functions given by address (name with its qvx_ prefix -> function),
// such as the library called through another interface: its handle serves symbol(), the
// rows' sweeps and digests like a library's.  The map must outlive the handle's use.
void* table_lib(const std::map<std::string, void*>* functions);

// The address of `name` in `lib`; fails the test (and returns null) when it is missing.
void* symbol(void* lib, const std::string& name);

template <class F>
F function(void* lib, const std::string& name) {
  return reinterpret_cast<F>(symbol(lib, name));
}

struct TableRow {
  enum Kind { Function, Second, Object } kind;
  std::string name;    // without qvx_ for functions, the full name for objects
  std::string first;   // Second: the function whose second name this is
  size_t object_size;  // Object: bytes
};

// Every row of the table, in order.
const std::vector<TableRow>& table_rows();

// The standard output of a shell command, and its wait status through *status.
std::string output_of(const std::string& command, int* status = nullptr);

}  // namespace qvxt

#endif
