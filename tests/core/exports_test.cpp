// The built library against the table of every function: exactly the table's names are
// exported, each public name and its __qvx_ twin (and second names) on one address, the data
// objects with their sizes, nothing else; no fused multiply-add; and the shared object needs
// libc and libm only.  (That the static buffer is per thread: services_test.)
#include <gtest/gtest.h>
#include <stdio.h>

#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/libs.h"

namespace {

struct Sym {
  unsigned long long addr = 0;
  unsigned long long size = 0;
  char type = '?';
};

std::string run(const std::string& cmd) {
  std::string out;
  FILE* p = popen(cmd.c_str(), "r");
  if (p == nullptr) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  pclose(p);
  return out;
}

// Defined dynamic symbols of the library under test, by name ("address [size] type name").
std::map<std::string, Sym> exported() {
  std::map<std::string, Sym> syms;
  std::istringstream in(run("nm -D --defined-only -S '" + qvxt::library_path() + "'"));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream f(line);
    std::vector<std::string> w{std::istream_iterator<std::string>(f), {}};
    if (w.size() < 3) continue;
    Sym s;
    s.addr = std::stoull(w[0], nullptr, 16);
    if (w.size() > 3) s.size = std::stoull(w[1], nullptr, 16);
    s.type = w[w.size() - 2][0];
    syms[w.back()] = s;
  }
  return syms;
}

bool sanitizer_symbol(const std::string& name) {
#ifdef QVX_SANITIZED
  for (const char* p : {"__asan", "___asan", "__odr_asan", "__ubsan", "__sancov", "__lsan"})
    if (name.rfind(p, 0) == 0) return true;
#else
  (void)name;
#endif
  return false;
}

TEST(Exports, ExactlyTheTable) {
  const auto syms = exported();
  ASSERT_FALSE(syms.empty()) << "nm printed nothing";
  std::set<std::string> expected;
  size_t functions = 0, objects = 0;
  for (const auto& row : qvxt::table_rows()) {
    switch (row.kind) {
      case qvxt::TableRow::Function: {
        ++functions;
        const std::string pub = "qvx_" + row.name, twin = "__qvx_" + row.name;
        expected.insert(pub);
        expected.insert(twin);
        auto p = syms.find(pub), t = syms.find(twin);
        ASSERT_NE(p, syms.end()) << pub << " is not exported";
        ASSERT_NE(t, syms.end()) << twin << " is not exported";
        EXPECT_EQ(p->second.type, 'T') << pub;
        EXPECT_EQ(t->second.type, 'T') << twin;
        EXPECT_EQ(p->second.addr, t->second.addr) << pub << " and " << twin << " differ";
        break;
      }
      case qvxt::TableRow::Second: {
        auto a = syms.find("qvx_" + row.first), b = syms.find("qvx_" + row.name);
        ASSERT_NE(a, syms.end());
        ASSERT_NE(b, syms.end());
        EXPECT_EQ(a->second.addr, b->second.addr) << row.name << " is not " << row.first;
        break;
      }
      case qvxt::TableRow::Object: {
        ++objects;
        expected.insert(row.name);
        auto o = syms.find(row.name);
        ASSERT_NE(o, syms.end()) << row.name << " is not exported";
        EXPECT_EQ(o->second.size, row.object_size) << row.name;
        EXPECT_NE(o->second.type, 'T') << row.name;
        break;
      }
    }
  }
  for (const auto& s : syms) {
    if (sanitizer_symbol(s.first)) continue;
    EXPECT_TRUE(expected.count(s.first)) << "unexpected export " << s.first;
  }
  EXPECT_EQ(objects, 11u);
  RecordProperty("public_function_names", static_cast<int>(functions));
}

// Every product and sum is rounded by itself: no instruction of the library fuses them.
TEST(Exports, NoFusedMultiplyAdd) {
  const std::string code = run("objdump -d --no-show-raw-insn '" + qvxt::library_path() + "'");
  ASSERT_FALSE(code.empty()) << "objdump printed nothing";
  std::istringstream in(code);
  std::string line, function;
  int fused = 0;
  while (std::getline(in, line)) {
    if (line.size() > 2 && line.compare(line.size() - 2, 2, ">:") == 0) function = line;
    for (const char* op : {"vfmadd", "vfmsub", "vfnmadd", "vfnmsub"})
      if (line.find(op) != std::string::npos && ++fused <= 5) ADD_FAILURE() << function << line;
  }
  EXPECT_EQ(fused, 0);
}

TEST(Exports, NeedsOnlyLibcAndLibm) {
#ifdef QVX_SANITIZED
  GTEST_SKIP() << "sanitizer builds link their runtimes";
#else
  const std::string dyn = run("readelf -d '" + qvxt::library_path() + "'");
  std::set<std::string> needed;
  std::istringstream in(dyn);
  std::string line;
  bool soname = false;
  while (std::getline(in, line)) {
    const auto l = line.find('['), r = line.find(']');
    if (l == std::string::npos || r == std::string::npos) continue;
    const std::string what = line.substr(l + 1, r - l - 1);
    if (line.find("(NEEDED)") != std::string::npos) needed.insert(what);
    if (line.find("(SONAME)") != std::string::npos) {
      soname = true;
      EXPECT_EQ(what, "libqvx_vector.so");
    }
    EXPECT_EQ(line.find("(VERDEF)"), std::string::npos) << "the library defines symbol versions";
  }
  EXPECT_TRUE(soname);
  EXPECT_EQ(needed, (std::set<std::string>{"libc.so.6", "libm.so.6"}));
#endif
}

}  // namespace
