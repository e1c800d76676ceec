// The public header and the table of every function agree: every row's public name is
// declared with exactly the row's signature (checked by the compiler), and every name the
// header declares has a row.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>

#include "qvx_vector.h"
#include "support/libs.h"

namespace {

// One static assertion per row: the header's prototype has the row's signature.
#define QVX_FN_ROW(N, Ret, Params)                                                  \
  static_assert(std::is_same<decltype(&qvx_##N), Ret(*) Params>::value,              \
                "the header's qvx_" #N " does not match its table row");
#define QVX_SECOND_ROW(N, N2)
#define QVX_OBJECT_ROW(Name, T, Count)                                              \
  static_assert(sizeof(Name) == sizeof(T) * ((Count) > 0 ? (Count) : 1), #Name);
#include "core/api_rows.h"

TEST(HeaderAndTable, EveryDeclaredNameHasARow) {
  std::ifstream in(QVX_SOURCE_DIR "/include/qvx_vector.h");
  ASSERT_TRUE(in.good());
  std::stringstream text;
  text << in.rdbuf();
  const std::string header = text.str();

  std::set<std::string> rows;
  for (const auto& row : qvxt::table_rows())
    rows.insert(row.kind == qvxt::TableRow::Object ? row.name : "qvx_" + row.name);

  // Functions: "qvx_Name(" after QVX_API; objects: the name before "[" or ";" in an extern.
  std::set<std::string> declared;
  const std::regex fn(R"(QVX_API[^;(]*\b(qvx_\w+)\s*\()");
  for (std::sregex_iterator it(header.begin(), header.end(), fn), end; it != end; ++it)
    declared.insert((*it)[1]);
  const std::regex obj(R"(extern\s+QVX_API[^;(]*?\b(\w+)\s*(\[[^\]]*\])?\s*;)");
  for (std::sregex_iterator it(header.begin(), header.end(), obj), end; it != end; ++it)
    declared.insert((*it)[1]);

  for (const std::string& d : declared) EXPECT_TRUE(rows.count(d)) << d << " has no table row";
  for (const std::string& r : rows) EXPECT_TRUE(declared.count(r)) << r << " is not in the header";
}

}  // namespace
