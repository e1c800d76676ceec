// The built library against the table of every function: exactly the table's names are
// exported, each public name and its __qvx_ twin (and second names) on one address, the data
// objects with their sizes, nothing else; no fused multiply-add; and the shared object needs
// libc and libm only, and runs no code at load.  (That the static buffer is per thread:
// the threads test.)
#include <ctype.h>
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/libs.h"

namespace {

struct Sym {
  unsigned long long addr, size;
  char type;
};

// The words of each line of a command's output.
std::vector<std::vector<std::string>> lines_of(const std::string& cmd) {
  std::vector<std::vector<std::string>> out;
  std::istringstream in(qvxt::output_of(cmd));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream f(line);
    out.emplace_back(std::istream_iterator<std::string>(f), std::istream_iterator<std::string>());
  }
  return out;
}

// Defined dynamic symbols of the library under test, by name ("address [size] type name").
std::map<std::string, Sym> exported() {
  std::map<std::string, Sym> syms;
  for (const auto& w : lines_of("nm -D --defined-only -S '" + qvxt::library_path() + "'"))
    if (w.size() >= 3)
      syms[w.back()] = {std::stoull(w[0], nullptr, 16),
                        w.size() > 3 ? std::stoull(w[1], nullptr, 16) : 0, w[w.size() - 2][0]};
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
  const std::string code = qvxt::output_of("objdump -d --no-show-raw-insn '" + qvxt::library_path() + "'");
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
  const std::string dyn = qvxt::output_of("readelf -d '" + qvxt::library_path() + "'");
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

// Nothing runs when the library is loaded or unloaded, and nothing but the thread-count
// setting and the two zero objects can change after load: every table and string is constant
// data.  What the toolchain's start files add is named here: the one frame_dummy entry of
// the initialiser array, the one __do_global_dtors_aux entry of the finaliser array (both
// empty for a library without constructors), their flag completed.0, __dso_handle and __TMC_END__.
TEST(Exports, NoCodeAtLoadAndNoMutableStateBeyondTheObjects) {
#ifdef QVX_SANITIZED
  GTEST_SKIP() << "the sanitizers register their own constructors";
#else
  const std::string lib = "'" + qvxt::library_path() + "'";
  struct Section {
    unsigned long long addr, size;
    std::string flags;
  };
  std::map<int, Section> sections;
  std::map<std::string, Section> by_name;
  for (const auto& w : lines_of("readelf -W -S " + lib)) {
    // [Nr] Name Type Address Off Size ES Flg Lk Inf Al (Flg may be empty)
    if (w.size() < 10 || w[0].front() != '[' || w[0] == "[Nr]") continue;
    size_t k = 0;
    std::string nr = w[0];
    if (nr == "[") nr += w[++k];  // "[ 1]" splits into two words
    const int index = std::stoi(nr.substr(1));
    const std::string name = w[k + 1];
    const bool has_flags = w.size() - k == 11;
    Section s{std::stoull(w[k + 3], nullptr, 16), std::stoull(w[k + 5], nullptr, 16),
              has_flags ? w[k + 7] : ""};
    sections[index] = s;
    by_name[name] = s;
  }
  ASSERT_TRUE(by_name.count(".text")) << "readelf printed no sections";
  EXPECT_FALSE(by_name.count(".ctors")) << "constructors in .ctors";
  EXPECT_FALSE(by_name.count(".dtors")) << "destructors in .dtors";

  // The relocated address in each initialiser and finaliser slot, by slot.
  std::map<unsigned long long, unsigned long long> relative;
  for (const auto& w : lines_of("readelf -W -r " + lib))
    if (w.size() == 4 && w[2] == "R_X86_64_RELATIVE")
      relative[std::stoull(w[0], nullptr, 16)] = std::stoull(w[3], nullptr, 16);
  std::map<unsigned long long, std::string> functions;
  std::vector<std::pair<std::string, Section>> objects;
  for (const auto& w : lines_of("readelf -W -s " + lib)) {
    // Num: Value Size Type Bind Vis Ndx Name
    if (w.size() < 8 || w[0].back() != ':') continue;
    if (w[3] == "FUNC") functions[std::stoull(w[1], nullptr, 16)] = w[7];
    if (w[3] == "OBJECT" && std::isdigit(static_cast<unsigned char>(w[6][0])))
      objects.push_back({w[7], {std::stoull(w[1], nullptr, 16), std::stoull(w[2]),
                                sections[std::stoi(w[6])].flags}});
  }
  ASSERT_FALSE(functions.empty()) << "the library has no symbol table";
  for (const auto& [array, only] : {std::pair<std::string, std::string>{".init_array", "frame_dummy"},
                                    {".fini_array", "__do_global_dtors_aux"}}) {
    const auto it = by_name.find(array);
    if (it == by_name.end()) continue;
    for (unsigned long long slot = 0; slot < it->second.size; slot += 8) {
      const auto target = relative.find(it->second.addr + slot);
      const std::string fn = target == relative.end() ? "?" : functions[target->second];
      EXPECT_EQ(fn, only) << array << " runs " << fn << " at load or unload";
    }
  }

  // Writable after load: a writable section outside the part made read-only after relocation.
  unsigned long long relro = 0, relro_end = 0;
  for (const auto& w : lines_of("readelf -W -l " + lib))
    if (w.size() >= 6 && w[0] == "GNU_RELRO") {
      relro = std::stoull(w[2], nullptr, 16);
      relro_end = relro + std::stoull(w[5], nullptr, 16);
    }
  const std::set<std::string> allowed = {"qvx_nthreads", "dzero", "fzero", "completed.0", "__dso_handle",
                                         "__TMC_END__"};
  for (const auto& [name, o] : objects) {
    const bool writable = o.flags.find('W') != std::string::npos;
    const bool tls = o.flags.find('T') != std::string::npos;
    const bool fixed = o.addr >= relro && o.addr < relro_end;
    if (writable && !tls && !fixed) {
      EXPECT_TRUE(allowed.count(name)) << name << " (" << o.size << " bytes) is writable data";
    }
  }
#endif
}

}  // namespace
