// The public header and the table of every function agree: every row's public name is
// declared with exactly the row's signature (checked by the compiler), every name the
// header declares has a row, and the counts and sizes its comments state are the table's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>

#include "qvx_vector.h"
#include "support/libs.h"

namespace {

// One static assertion per row: the header's prototype has the row's signature.
#define QVX_FN_ROW(N, ...)                                             \
  static_assert(std::is_same<decltype(&qvx_##N), __VA_ARGS__*>::value, \
                "the header's qvx_" #N " does not match its table row");
#define QVX_SECOND_ROW(N, N2)
#define QVX_OBJECT_ROW(Name, T, Count)                                              \
  static_assert(sizeof(Name) == sizeof(T) * ((Count) > 0 ? (Count) : 1), #Name);
#include "core/api_rows.h"

std::string header_text() {
  std::ifstream in(QVX_SOURCE_DIR "/include/qvx_vector.h");
  EXPECT_TRUE(in.good());
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(HeaderAndTable, EveryDeclaredNameHasARow) {
  const std::string header = header_text();

  std::set<std::string> rows;
  for (const auto& row : qvxt::table_rows())
    rows.insert(row.kind == qvxt::TableRow::Object ? row.name : "qvx_" + row.name);

  // Every declaration starts with QVX_API (objects with "extern QVX_API") and ends at ';'.
  // A function's name is the identifier before its first '('; an object's the last
  // identifier before '[' or ';'.
  std::set<std::string> declared;
  const auto ident = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
  for (size_t at = header.find("QVX_API "); at != std::string::npos;
       at = header.find("QVX_API ", at + 1)) {
    if (at >= 8 && header.compare(at - 8, 8, "#define ") == 0) continue;
    const std::string decl = header.substr(at, header.find(';', at) - at);
    size_t end = decl.find('(');
    if (end == std::string::npos) end = std::min(decl.find('['), decl.size());
    while (end > 0 && !ident(decl[end - 1])) --end;
    size_t begin = end;
    while (begin > 0 && ident(decl[begin - 1])) --begin;
    declared.insert(decl.substr(begin, end - begin));
  }

  for (const std::string& d : declared) EXPECT_TRUE(rows.count(d)) << d << " has no table row";
  for (const std::string& r : rows) EXPECT_TRUE(declared.count(r)) << r << " is not in the header";
}

// The number before `what` in the header's comments (or -1).
long stated(const std::string& header, const std::string& what) {
  const size_t at = header.find(what);
  if (at == std::string::npos || at == 0) return -1;
  size_t begin = at - 1;
  while (begin > 0 && std::isdigit(static_cast<unsigned char>(header[begin - 1]))) --begin;
  return begin < at - 1 ? std::stol(header.substr(begin, at - 1 - begin)) : -1;
}

TEST(HeaderAndTable, CommentsStateTheTablesCountsAndSizes) {
  const std::string header = header_text();
  long functions = 0, objects = 0;
  for (const auto& row : qvxt::table_rows()) {
    functions += row.kind == qvxt::TableRow::Function;
    objects += row.kind == qvxt::TableRow::Object;
  }
  EXPECT_EQ(stated(header, "functions, each under its public name"), functions);
  EXPECT_EQ(stated(header, "data objects."), objects);
  EXPECT_EQ(stated(header, "MiB, 64-byte aligned, one zero-filled copy per thread"),
            static_cast<long>(sizeof qvx_static_buf >> 20));
  EXPECT_EQ(stated(header, "bytes with the NUL"), static_cast<long>(sizeof qvxid));
}

}  // namespace
