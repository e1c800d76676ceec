// Writes include/qvx/vector_rows.inc, the C++ interface's list of every function of the
// table (src/core/api.def): one line per function naming its C++ operation, its C name, its
// shape and its types, then one line per operation.  include/qvx/vector.hpp turns each line
// into overloads; an installed header cannot reach api.def, so the list is generated and
// committed, and the test suite runs --check, which fails when the file is not what the
// table gives (a row missing, renamed or retyped).
//
//   qvx_cxxgen FILE            writes FILE
//   qvx_cxxgen --check FILE    exit 1 when FILE differs from what would be written
//
// The C++ name of a function, stated once (doc/cpp.md repeats it for users): take the
// operation of qvx_Vector_<Operation>_<types>[_I]; drop "Shift" at the end of a longer
// operation (the scale-factor argument marks the fixed-point forms), the prefix "Type" and
// the "_CToC" part (those forms take arrays of real and of imaginary parts); then write it
// in snake_case, a word starting at each capital letter, a run of capitals (LT, LSB) being
// one word.  A C++ keyword gets a trailing underscore (and_, or_, xor_, not_).  The _I
// forms are overloads with one array fewer.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> split(const std::string& s, char sep) {
  std::vector<std::string> v;
  std::stringstream in(s);
  for (std::string t; std::getline(in, t, sep);) v.push_back(t);
  return v;
}

bool is_type_suffix(const std::string& t) {
  static const std::set<std::string> k = {"8U", "8S", "16U", "16S", "32S", "64S", "32F", "64F",
                                          "16SC", "32FC", "64FC", "I"};
  return k.count(t) != 0;
}

std::string snake(const std::string& w) {
  std::string out;
  for (size_t i = 0; i < w.size(); ++i) {
    const bool up = std::isupper(static_cast<unsigned char>(w[i]));
    const bool prev_low = i > 0 && !std::isupper(static_cast<unsigned char>(w[i - 1]));
    const bool next_low = i + 1 < w.size() && std::islower(static_cast<unsigned char>(w[i + 1]));
    const bool prev_up = i > 0 && std::isupper(static_cast<unsigned char>(w[i - 1]));
    if (up && i > 0 && (prev_low || (prev_up && next_low))) out += '_';
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(w[i])));
  }
  return out;
}

// The C++ name of the function Vector_<Operation>_<types>[_I] (or of a service).
std::string cxx_name(const std::string& c) {
  std::vector<std::string> words;
  for (const std::string& t : split(c, '_'))
    if (t != "Vector" && t != "CToC" && !is_type_suffix(t)) words.push_back(t);
  std::string op;
  for (std::string w : words) {
    if (w.size() > 5 && w.compare(w.size() - 5, 5, "Shift") == 0) w.resize(w.size() - 5);
    if (w.compare(0, 4, "Type") == 0 && w.size() > 4) w = w.substr(4);
    op += (op.empty() ? "" : "_") + snake(w);
  }
  static const std::set<std::string> keywords = {"and", "or", "xor", "not"};
  if (keywords.count(op)) op += '_';
  return op;
}

struct Line {
  std::string op, text;
};
std::vector<Line> lines;

std::string strip(std::string s) {
  while (!s.empty() && s.front() == ' ') s.erase(0, 1);
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// One row: shape, C name, types (the in-place flags are the C functions' business).
void row(const char* shape, const char* n, const char* types) {
  const std::string name = n, op = cxx_name(name);
  std::string sh = shape;
  std::vector<std::string> t;
  for (const std::string& x : split(types, ',')) t.push_back(strip(x));
  if (sh == "REDUCE" && t.back() == "int") sh = "REDUCE_INDEX", t.pop_back();
  if (sh == "UNARY" && (op == "flip" || op == "conj_flip")) sh = "REVERSE";
  if (sh == "UNARY" && op == "move") sh = "MOVE";
  if (sh == "REDUCE_PAIR" || sh == "REDUCE2_PAIR") {
    const std::string r = t.back();
    t.back() = r == "int" ? "int, min_max_t<std::size_t>"
                          : r + ", " + (op == "mean_std_dev" ? "mean_std_dev_t<" : "min_max_t<") + r + ">";
  }
  std::string text = "QVX_" + sh + "(" + op + ", " + name;
  for (const std::string& x : t) text += ", " + x;
  lines.push_back({op, text + ")"});
}

void collect() {
#define SERVICE(N, R, P) lines.push_back({"", "QVX_SERVICE(" + cxx_name(#N) + ", " #N ")"});
#define SET(N, T) row("SET", #N, #T);
#define UNARY(N, S, D, IP) row("UNARY", #N, #S "," #D);
#define MATH(N, S, D, IP) row("UNARY", #N, #S "," #D);
#define UNARY_I(N, T) row("UNARY_I", #N, #T);
#define BINARY(N, S1, S2, D, IP) row("BINARY", #N, #S1 "," #S2 "," #D);
#define CONST(N, S, C, D, IP) row("CONST", #N, #S "," #C "," #D);
#define TERNARY(N, T, IP) row("TERNARY", #N, #T);
#define MULCADD(N, T, IP) row("MULCADD", #N, #T);
#define MULCADDC(N, S, C, IP) row("MULCADDC", #N, #S "," #C);
#define CTOC_BINARY(N, T, IP) row("CTOC_BINARY", #N, #T);
#define CTOC_CONST(N, T, IP) row("CTOC_CONST", #N, #T);
#define CTOC_TERNARY(N, T, IP) row("CTOC_TERNARY", #N, #T);
#define CTOC_MULCADD(N, T, IP) row("CTOC_MULCADD", #N, #T);
#define CTOC_MULCADDC(N, T, IP) row("CTOC_MULCADDC", #N, #T);
#define SCALED_UNARY(N, S, D, IP) row("SCALED_UNARY", #N, #S "," #D);
#define SCALED_BINARY(N, T, IP) row("SCALED_BINARY", #N, #T);
#define SCALED_CONST(N, T, C, IP) row("SCALED_CONST", #N, #T "," #C);
#define SCALED_TERNARY(N, T, IP) row("SCALED_TERNARY", #N, #T);
#define SCALED_MULCADD(N, T, C, IP) row("SCALED_MULCADD", #N, #T "," #C);
#define SCALED_MULCADDC(N, T, C, IP) row("SCALED_MULCADDC", #N, #T "," #C);
#define REDUCE(N, S, R) row("REDUCE", #N, #S "," #R);
#define REDUCE2(N, S, R) row("REDUCE2", #N, #S "," #R);
#define REDUCE_PAIR(N, S, R) row("REDUCE_PAIR", #N, #S "," #R);
#define REDUCE2_PAIR(N, S, R) row("REDUCE2_PAIR", #N, #S "," #R);
#define THRESHOLD1(N, T) row("THRESHOLD1", #N, #T);
#define THRESHOLD2(N, T) row("THRESHOLD2", #N, #T);
#define THRESHOLD4(N, T) row("THRESHOLD4", #N, #T);
#define UNARY2(N, S, M, D) row("UNARY2", #N, #S "," #M "," #D);
#define TO_PAIRS(N, S, D) row("TO_PAIRS", #N, #S "," #D);
#define SETMASK(N, T) row("SETMASK", #N, #T);
#define SPLIT(N, T) row("SPLIT", #N, #T);
#define MERGE(N, T) row("MERGE", #N, #T);
#define LOOKUP(N, S, D) row("LOOKUP", #N, #S "," #D);
#define LOOKUP2(N, T) row("LOOKUP2", #N, #T);
#define SECOND(N, N2)
#define OBJECT(Name, T, Count)
#include "core/api.def"
}

std::string text() {
  collect();
  std::string s =
      "// Generated by tools/cxxgen.cpp from src/core/api.def: do not edit (make cxx-rows).\n"
      "// Every function of the library as QVX_<SHAPE>(C++ name, C name, types...), in the\n"
      "// table's order, then QVX_OP(C++ name) once per operation (alone with QVX_OPS_ONLY).\n"
      "// Included by qvx/vector.hpp.\n"
      "#ifndef QVX_OPS_ONLY\n";
  std::vector<std::string> ops;
  std::set<std::string> seen;
  for (const Line& l : lines) {
    s += l.text + "\n";
    if (!l.op.empty() && seen.insert(l.op).second) ops.push_back(l.op);
  }
  s += "#endif\n";
  for (const std::string& op : ops) s += "QVX_OP(" + op + ")\n";
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
  if (argc != 2 && !check) {
    std::fprintf(stderr, "usage: qvx_cxxgen [--check] FILE\n");
    return 2;
  }
  const char* file = argv[argc - 1];
  const std::string want = text();
  if (check) {
    std::ifstream in(file);
    std::stringstream have;
    have << in.rdbuf();
    if (have.str() == want) return 0;
    const std::vector<std::string> a = split(have.str(), '\n'), b = split(want, '\n');
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    std::fprintf(stderr, "%s is not what the table gives (regenerate with make cxx-rows); line %zu:\n  has:  %s\n  want: %s\n",
                 file, i + 1, i < a.size() ? a[i].c_str() : "(end)", i < b.size() ? b[i].c_str() : "(end)");
    return 1;
  }
  std::ofstream out(file);
  out << want;
  return out ? 0 : 2;
}
