// The reference documentation, generated from the sources users already read: the public
// header (its conventions comment, one comment per family and the prototypes) and the table
// of every function (src/core/api.def: shapes and in-place uses), with doc/*.md for the
// pages that are not about one family (conventions, task index, parameter glossary, C++).
//
//   qvx_docgen --source DIR --out DIR [--check]
//
// writes DIR/index.html, one page per family, tasks.html, conventions.html, cpp.html (the C++
// interface) and names.html (every exported name from A to Z, with a filter box).  With
// --check it also fails (exit 1, one line per fault) when an exported function is not
// documented: no prototype in the
// header, a family without a comment, an operation its family comment never names, a
// parameter without a glossary entry; or when the pages say something wrong or empty: a
// parameter's meaning that names a parameter the function lacks, a scale factor said to
// round in a way its family text never names, a section with nothing in it, a link to a
// page or an anchor that does not exist, or a doc page naming a function that does not
// exist.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/shapes.h"
#include "qvx_vector.h"

namespace {

// ---- the table -------------------------------------------------------------------------

struct Row {
  const char* name;   // without qvx_
  const char* shape;
  int ip;             // in-place flags; -1 where the shape has none
  const char* first;  // a second name: the function it names
};

const Row kRows[] = {
#define QVX_SHAPE_ROW(N, Shape, Ip, Nans, Types, ...) {#N, #Shape, Ip, nullptr},
#define QVX_SERVICE_ROW(N, R, P) {#N, "SERVICE", -1, nullptr},
#define QVX_SECOND_ROW(N, N2) {#N2, "SECOND", -1, #N},
#define QVX_OBJECT_ROW(Name, T, Count)
#include "core/api_rows.h"
};

// ---- small text helpers ----------------------------------------------------------------

std::string read(const std::string& path, bool* ok = nullptr) {
  std::ifstream in(path);
  if (ok) *ok = in.good();
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string esc(const std::string& s) {
  std::string o;
  for (char c : s) {
    if (c == '<') o += "&lt;";
    else if (c == '>') o += "&gt;";
    else if (c == '&') o += "&amp;";
    else if (c == '"') o += "&quot;";
    else o += c;
  }
  return o;
}

std::string squeeze(const std::string& s) {  // whitespace runs to one space, trimmed
  std::string o;
  for (char c : s) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      if (!o.empty() && o.back() != ' ') o += ' ';
    } else {
      o += c;
    }
  }
  while (!o.empty() && o.back() == ' ') o.pop_back();
  return o;
}

std::string slug(const std::string& title) {
  std::string o;
  for (char c : title) {
    if (std::isalnum(static_cast<unsigned char>(c))) o += static_cast<char>(std::tolower(c));
    else if (!o.empty() && o.back() != '-') o += '-';
  }
  while (!o.empty() && o.back() == '-') o.pop_back();
  return o;
}

// The text of a C comment without its /* */ frame, leading " * " and rules of dashes.
std::string comment_text(const std::string& c) {
  std::stringstream in(c.substr(2, c.size() - 4));
  std::string line, out;
  while (std::getline(in, line)) {
    size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    if (i < line.size() && line[i] == '*') line = line.substr(line.size() > i + 1 && line[i + 1] == ' ' ? i + 2 : i + 1);
    else line = line.substr(i);
    if (line.find_first_not_of("- ") == std::string::npos && line.find('-') != std::string::npos) continue;
    out += line + "\n";
  }
  while (!out.empty() && (out[0] == '\n')) out.erase(0, 1);
  while (out.size() > 1 && out[out.size() - 1] == '\n' && out[out.size() - 2] == '\n') out.pop_back();
  return out;
}

// ---- the header --------------------------------------------------------------------------

struct Param {
  std::string type, name;
};
struct Function {
  std::string name;  // without qvx_
  std::string ret;
  std::vector<Param> params;
  std::string family;  // slug
};
struct Object {
  std::string name, decl;  // name as exported; its declaration
};
struct Family {
  std::string title, slug, doc;
  std::vector<std::string> functions;  // names without qvx_
  std::vector<Object> objects;         // exported data objects
  std::string decls;                   // types and macros of a family without either
};

struct Header {
  std::string conventions;  // the opening comment
  std::vector<Family> families;
  std::map<std::string, Function> functions;
};

Header parse_header(const std::string& text) {
  Header h;
  h.conventions = comment_text(text.substr(0, text.find("*/") + 2));
  const std::regex marker(R"(\n/\* ---- (.+?) ---- \*/\n)");
  struct Mark {
    size_t at, after;  // where the marker line starts, where its family's text starts
    std::string title;
  };
  std::vector<Mark> marks;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), marker); it != std::sregex_iterator(); ++it)
    marks.push_back({static_cast<size_t>(it->position(0)), static_cast<size_t>(it->position(0) + it->length(0)), (*it)[1].str()});
  for (size_t k = 0; k < marks.size(); ++k) {
    const size_t begin = marks[k].after;
    const size_t end = k + 1 < marks.size() ? marks[k + 1].at : text.size();
    const std::string body = text.substr(begin, end - begin);
    Family f;
    f.title = marks[k].title;
    f.slug = slug(f.title);
    if (body.compare(0, 2, "/*") == 0) f.doc = comment_text(body.substr(0, body.find("*/") + 2));
    for (size_t at = body.find("QVX_API "); at != std::string::npos; at = body.find("QVX_API ", at + 1)) {
      if (at >= 8 && body.compare(at - 8, 8, "#define ") == 0) continue;
      const std::string decl = squeeze(body.substr(at + 8, body.find(';', at) - at - 8));
      const size_t open = decl.find('(');
      if (open == std::string::npos) {
        const size_t end = decl.find('[') == std::string::npos ? decl.size() : decl.find('[');
        size_t b = end;
        while (b > 0 && (std::isalnum(static_cast<unsigned char>(decl[b - 1])) || decl[b - 1] == '_')) --b;
        f.objects.push_back({decl.substr(b, end - b), "extern " + decl + ";"});
        continue;
      }
      Function fn;
      const std::string head = decl.substr(0, open);
      const size_t q = head.rfind("qvx_");
      fn.ret = squeeze(head.substr(0, q));
      fn.name = head.substr(q + 4);
      fn.family = f.slug;
      std::stringstream ps(decl.substr(open + 1, decl.rfind(')') - open - 1));
      std::string p;
      while (std::getline(ps, p, ',')) {
        p = squeeze(p);
        if (p == "void") continue;
        size_t n = p.size();
        while (n > 0 && (std::isalnum(static_cast<unsigned char>(p[n - 1])) || p[n - 1] == '_')) --n;
        fn.params.push_back({squeeze(p.substr(0, n)), p.substr(n)});
      }
      f.functions.push_back(fn.name);
      h.functions[fn.name] = fn;
    }
    if (f.functions.empty() && f.objects.empty()) {
      const size_t after = body.compare(0, 2, "/*") == 0 ? body.find("*/") + 2 : 0;
      f.decls = body.substr(after);
      while (!f.decls.empty() && std::isspace(static_cast<unsigned char>(f.decls[0]))) f.decls.erase(0, 1);
      while (!f.decls.empty() && std::isspace(static_cast<unsigned char>(f.decls.back()))) f.decls.pop_back();
    }
    h.families.push_back(f);
  }
  return h;
}

// The operation a function's family comment must name: its name without Vector_, the type
// suffixes and the variant words.
std::string operation(const std::string& name) {
  std::string n = name.compare(0, 7, "Vector_") == 0 ? name.substr(7) : name;
  return n.substr(0, n.find('_'));
}

// "integer to floating point" and the like: the element kinds of a function's first source
// and first destination array, or "" where it has not both.
std::string direction(const Function& f) {
  std::string from, to;
  for (const Param& p : f.params) {
    if (p.type.find('*') == std::string::npos) continue;
    const bool fp = p.type.find("Qvx32f") != std::string::npos || p.type.find("Qvx64f") != std::string::npos;
    const bool src = p.type.compare(0, 6, "const ") == 0;
    std::string& side = src ? from : to;
    if (side.empty()) side = fp ? "floating point" : "integer";
  }
  return from.empty() || to.empty() ? "" : from + " to " + to;
}

// The ways of rounding a text names: "down" (toward minus infinity, a floor), "toward zero"
// (truncation) and "to nearest".
std::set<std::string> roundings(const std::string& text) {
  std::string t;
  for (char c : text) t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::set<std::string> r;
  for (const char* w : {"minus infinity", "floor", "rounded down", "rounding down", "rounds down"})
    if (t.find(w) != std::string::npos) r.insert("down");
  for (const char* w : {"toward zero", "truncat"})
    if (t.find(w) != std::string::npos) r.insert("toward zero");
  if (t.find("to nearest") != std::string::npos) r.insert("to nearest");
  return r;
}

struct Gloss {
  std::vector<std::string> when;  // empty: for every function
  std::string text;
};

// The meaning of a parameter in one function: the first entry whose condition holds, else
// the entry without a condition.
const Gloss* meaning(const std::map<std::string, std::vector<Gloss>>& glossary, const std::string& param,
                     const Function& f) {
  const auto it = glossary.find(param);
  if (it == glossary.end()) return nullptr;
  const Gloss* plain = nullptr;
  const std::string dir = direction(f), op = operation(f.name);
  for (const Gloss& g : it->second) {
    if (g.when.empty()) {
      if (plain == nullptr) plain = &g;
      continue;
    }
    for (const std::string& w : g.when)
      if (!w.empty() && (w == dir || op.compare(0, w.size(), w) == 0)) return &g;
  }
  return plain;
}

bool names_word(const std::string& text, const std::string& word) {
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    const bool left = at == 0 || !std::isalnum(static_cast<unsigned char>(text[at - 1]));
    const size_t e = at + word.size();
    const bool right = e >= text.size() || !std::isalnum(static_cast<unsigned char>(text[e]));
    if (left && right) return true;
  }
  return false;
}

// The function a name in a text stands for (with or without qvx_ and Vector_), or null.
const Function* find_function(const Header& h, const std::string& token) {
  const std::string t = token.compare(0, 4, "qvx_") == 0 ? token.substr(4) : token;
  for (const std::string& cand : {t, "Vector_" + t})
    if (h.functions.count(cand)) return &h.functions.at(cand);
  return nullptr;
}

// ---- Markdown, the small part the doc pages use ----------------------------------------

struct Linker {
  const Header& h;
  std::vector<std::string>* faults;
  std::string where;
  // `name` of a function (with or without qvx_ and Vector_): a link to its entry.
  std::string code(const std::string& token) const {
    static const std::regex fn_like(R"((qvx_)?[A-Z][A-Za-z0-9]*(_[A-Za-z0-9]+)*_(8U|8S|16U|16S|32S|64S|32F|64F|16SC|32FC|64FC|I|Sfs))");
    const Function* f = find_function(h, token);
    if (f == nullptr) {
      if (std::regex_match(token, fn_like) && faults)
        faults->push_back(where + ": `" + token + "` is not a function of the library");
      return "<code>" + esc(token) + "</code>";
    }
    return "<a href=\"" + f->family + ".html#" + f->name + "\"><code>" + esc(token) + "</code></a>";
  }
  std::string inline_md(const std::string& s) const {
    std::string o;
    for (size_t i = 0; i < s.size();) {
      if (s[i] == '`') {
        const size_t e = s.find('`', i + 1);
        if (e != std::string::npos) {
          o += code(s.substr(i + 1, e - i - 1));
          i = e + 1;
          continue;
        }
      }
      if (s.compare(i, 2, "**") == 0) {
        const size_t e = s.find("**", i + 2);
        if (e != std::string::npos) {
          o += "<strong>" + inline_md(s.substr(i + 2, e - i - 2)) + "</strong>";
          i = e + 2;
          continue;
        }
      }
      if (s[i] == '[') {
        const size_t m = s.find("](", i);
        const size_t e = m == std::string::npos ? m : s.find(')', m);
        if (e != std::string::npos) {
          o += "<a href=\"" + esc(s.substr(m + 2, e - m - 2)) + "\">" + inline_md(s.substr(i + 1, m - i - 1)) + "</a>";
          i = e + 1;
          continue;
        }
      }
      o += esc(std::string(1, s[i]));
      ++i;
    }
    return o;
  }
  std::string markdown(const std::string& text) const {
    std::stringstream in(text);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    std::string o, para;
    const auto flush = [&] {
      if (!para.empty()) o += "<p>" + inline_md(para) + "</p>\n";
      para.clear();
    };
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::string& l = lines[i];
      if (l.compare(0, 3, "```") == 0) {
        flush();
        o += "<pre>";
        for (++i; i < lines.size() && lines[i].compare(0, 3, "```") != 0; ++i) o += esc(lines[i]) + "\n";
        o += "</pre>\n";
      } else if (l.compare(0, 1, "#") == 0) {
        flush();
        const size_t n = l.find(' ');
        const std::string title = l.substr(n + 1);
        if (n == 1) continue;  // the page's own title, which page() writes
        o += "<h" + std::to_string(n) + " id=\"" + slug(title) + "\">" + inline_md(title) + "</h" + std::to_string(n) + ">\n";
      } else if (l.compare(0, 2, "- ") == 0) {
        flush();
        o += "<ul>\n";
        for (; i < lines.size() && lines[i].compare(0, 2, "- ") == 0; ++i) {
          std::string item = lines[i].substr(2);
          while (i + 1 < lines.size() && lines[i + 1].compare(0, 2, "  ") == 0) item += " " + squeeze(lines[++i]);
          o += "<li>" + inline_md(item) + "</li>\n";
        }
        --i;
        o += "</ul>\n";
      } else if (l.compare(0, 1, "|") == 0) {
        flush();
        o += "<table>\n";
        for (bool head = true; i < lines.size() && lines[i].compare(0, 1, "|") == 0; ++i) {
          if (lines[i].find_first_not_of("|-: ") == std::string::npos) continue;
          std::stringstream cells(lines[i].substr(1));
          o += "<tr>";
          for (std::string c; std::getline(cells, c, '|');)
            o += std::string(head ? "<th>" : "<td>") + inline_md(squeeze(c)) + (head ? "</th>" : "</td>");
          o += "</tr>\n";
          head = false;
        }
        --i;
        o += "</table>\n";
      } else if (squeeze(l).empty()) {
        flush();
      } else {
        para += (para.empty() ? "" : " ") + squeeze(l);
      }
    }
    flush();
    return o;
  }
};

// ---- pages -------------------------------------------------------------------------------

std::string page(const std::string& title, const std::string& body) {
  return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>" + esc(title) +
         " - qvx_vector</title>\n<style>body{font-family:sans-serif;max-width:62em;margin:auto;padding:1em}"
         "pre{background:#f4f4f4;padding:.6em;overflow-x:auto}code{font-size:95%}"
         "table{border-collapse:collapse}td,th{border:1px solid #ccc;padding:.2em .5em;vertical-align:top;text-align:left}"
         ".fn{border-top:1px solid #ddd;margin-top:1.2em}</style></head><body>\n"
         "<p><a href=\"index.html\">Contents</a> | <a href=\"tasks.html\">Tasks</a> | "
         "<a href=\"conventions.html\">Conventions</a> | <a href=\"names.html\">A-Z index</a></p>\n<h1>" + esc(title) + "</h1>\n" + body +
         "</body></html>\n";
}

// What the table says about in-place use, in the function's own parameter names.
std::string in_place(const Row& r, const Function& f) {
  if (r.ip < 0) return "";
  std::vector<std::string> srcs;
  std::string dst;
  for (const Param& p : f.params) {
    const bool ptr = p.type.find('*') != std::string::npos;
    if (ptr && p.type.compare(0, 6, "const ") == 0) srcs.push_back(p.name);
    else if (ptr && dst.empty()) dst = p.name;
  }
  if (std::string(r.shape).rfind("CTOC_", 0) == 0) {  // pairs of split arrays
    std::vector<std::string> pairs;
    for (size_t k = 0; k + 1 < srcs.size(); k += 2) pairs.push_back(srcs[k] + "/" + srcs[k + 1]);
    srcs = pairs;
    dst += " and its imaginary partner";
  }
  std::vector<std::string> may;
  for (size_t k = 0; k < srcs.size() && k < 3; ++k)
    if (r.ip & (1 << k)) may.push_back("<code>" + srcs[k] + "</code>");
  std::string o;
  if (may.empty() && (r.ip & IP_OVERLAP)) {
    o = "<code>" + esc(dst) + "</code> may overlap the source at any distance, with the result of the ascending "
        "element loop (see the family rules).";
    return o;
  }
  if (may.empty()) {
    o = "<code>" + esc(dst) + "</code> must not overlap a source.";
  } else {
    o = "<code>" + esc(dst) + "</code> may be ";
    for (size_t k = 0; k < may.size(); ++k) o += (k ? " or " : "") + may[k];
    o += " itself, with the result of separate arrays.";
  }
  if (r.ip & IP_OVERLAP) o += " Any partial overlap with the source is allowed too (see the family rules).";
  return o;
}

// A family's comment as preformatted text: each name of a function links to its entry, each
// operation of the family (the start of a name) to its row in the family's table.
std::string linked_text(const Family& f, const Header& h) {
  std::set<std::string> ops;
  for (const std::string& name : f.functions) ops.insert(operation(name));
  const auto word_char = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
  std::string o;
  for (size_t i = 0; i < f.doc.size();) {
    if (!word_char(f.doc[i])) {
      o += esc(std::string(1, f.doc[i++]));
      continue;
    }
    size_t e = i;
    while (e < f.doc.size() && word_char(f.doc[e])) ++e;
    const std::string w = f.doc.substr(i, e - i);
    i = e;
    const Function* fn = find_function(h, w);
    const std::string head = w.substr(0, w.find('_'));
    if (fn != nullptr)
      o += "<a href=\"" + (fn->family == f.slug ? "" : fn->family + ".html") + "#" + fn->name + "\">" + esc(w) + "</a>";
    else if (ops.count(head))
      o += "<a href=\"#op-" + head + "\">" + esc(head) + "</a>" + esc(w.substr(head.size()));
    else
      o += esc(w);
  }
  return o;
}

// The functions of a family, one row per operation, each member by its type suffix.
std::string members(const Family& f) {
  std::vector<std::string> order;
  std::map<std::string, std::vector<std::string>> of;
  for (const std::string& name : f.functions) {
    const std::string op = operation(name);
    if (!of.count(op)) order.push_back(op);
    of[op].push_back(name);
  }
  std::string o = "<table class=\"members\"><tr><th>Operation</th><th>Functions</th></tr>\n";
  for (const std::string& op : order) {
    o += "<tr id=\"op-" + op + "\"><td><code>" + esc(op) + "</code></td><td>";
    for (size_t k = 0; k < of[op].size(); ++k) {
      const std::string& name = of[op][k];
      std::string rest = name.compare(0, 7, "Vector_") == 0 ? name.substr(7 + op.size()) : "";
      if (!rest.empty() && rest[0] == '_') rest.erase(0, 1);
      o += (k ? " " : "") + std::string("<a href=\"#") + name + "\"><code>" + esc(rest.empty() ? "qvx_" + name : rest) +
           "</code></a>";
    }
    o += "</td></tr>\n";
  }
  return o + "</table>\n";
}

// Every exported function and object from A to Z (by the name after qvx_ and Vector_), one
// list per initial, and a filter box that a few lines of script show and drive; without
// the script the page is the whole list.
std::string names_page(const Header& h) {
  struct Entry {
    std::string key, label, href, family;
  };
  std::vector<Entry> all;
  const auto key = [](std::string n) {
    if (n.compare(0, 4, "qvx_") == 0) n = n.substr(4);
    if (n.compare(0, 7, "Vector_") == 0) n = n.substr(7);
    for (char& c : n) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return n;
  };
  for (const Family& f : h.families) {
    for (const std::string& n : f.functions) all.push_back({key(n), "qvx_" + n, f.slug + ".html#" + n, f.title});
    for (const Object& o : f.objects) all.push_back({key(o.name), o.name, f.slug + ".html#" + o.name, f.title});
  }
  std::sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) {
    return a.key != b.key ? a.key < b.key : a.label < b.label;
  });
  const auto initial = [](const Entry& e) {
    return std::isalpha(static_cast<unsigned char>(e.key[0])) ? std::string(1, static_cast<char>(std::toupper(e.key[0]))) : std::string("0-9");
  };
  std::string letters, lists, open;
  for (const Entry& e : all) {
    const std::string l = initial(e);
    if (l != open) {
      if (!open.empty()) lists += "</ul>\n";
      letters += " <a href=\"#letter-" + l + "\">" + l + "</a>";
      lists += "<h2 id=\"letter-" + l + "\">" + l + "</h2>\n<ul class=\"az\">\n";
      open = l;
    }
    lists += "<li><a href=\"" + e.href + "\"><code>" + esc(e.label) + "</code></a> <small>" + esc(e.family) + "</small></li>\n";
  }
  if (!open.empty()) lists += "</ul>\n";
  return "<p>The " + std::to_string(all.size()) + " exported names (functions and data objects), by the name after "
         "<code>qvx_</code> and <code>Vector_</code>; each is also exported as <code>__qvx_</code>&hellip;.</p>\n"
         "<p>" + letters + "</p>\n"
         "<p><input type=\"search\" id=\"filter\" placeholder=\"part of a name or family: 16S_32F, MinMax, conversions\" "
         "size=\"50\" hidden> <span id=\"shown\"></span></p>\n" + lists +
         "<script>\n(function () {\n"
         "  var box = document.getElementById('filter'), shown = document.getElementById('shown');\n"
         "  box.hidden = false;\n"
         "  box.oninput = function () {\n"
         "    var q = box.value.toLowerCase(), n = 0;\n"
         "    document.querySelectorAll('ul.az').forEach(function (ul) {\n"
         "      var any = false;\n"
         "      ul.querySelectorAll('li').forEach(function (li) {\n"
         "        var hit = li.textContent.toLowerCase().indexOf(q) >= 0;\n"
         "        li.hidden = !hit; any = any || hit; n += hit ? 1 : 0;\n"
         "      });\n"
         "      ul.hidden = !any; ul.previousElementSibling.hidden = !any;\n"
         "    });\n"
         "    shown.textContent = q ? n + ' shown' : '';\n"
         "  };\n"
         "})();\n</script>\n";
}

// Every link between the pages leads to a page and, after #, to an anchor on it; no page
// gives one anchor twice.
void check_links(const std::map<std::string, std::string>& pages, std::vector<std::string>& faults) {
  const auto attributes = [](const std::string& html, const std::string& attr) {
    std::vector<std::string> v;
    const std::string open = " " + attr + "=\"";
    for (size_t at = html.find(open); at != std::string::npos; at = html.find(open, at + 1)) {
      const size_t b = at + open.size(), e = html.find('"', b);
      v.push_back(html.substr(b, e - b));
    }
    return v;
  };
  std::map<std::string, std::set<std::string>> ids;
  for (const auto& p : pages)
    for (const std::string& id : attributes(p.second, "id"))
      if (!ids[p.first].insert(id).second) faults.push_back(p.first + ": the anchor " + id + " twice");
  std::set<std::string> told;
  for (const auto& p : pages)
    for (const std::string& href : attributes(p.second, "href")) {
      if (href.compare(0, 7, "http://") == 0 || href.compare(0, 8, "https://") == 0) continue;
      const size_t hash = href.find('#');
      const std::string file = hash == 0 ? p.first : href.substr(0, hash);
      const std::string anchor = hash == std::string::npos ? "" : href.substr(hash + 1);
      std::string fault;
      if (!pages.count(file)) fault = p.first + ": a link to " + href + ", which is not a page of the reference";
      else if (!anchor.empty() && !ids[file].count(anchor)) fault = p.first + ": a link to " + href + ", an anchor that does not exist";
      if (!fault.empty() && told.insert(fault).second) faults.push_back(fault);
    }
}

}  // namespace

int main(int argc, char** argv) {
  std::string source = ".", out;
  bool check = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--source") && i + 1 < argc) source = argv[++i];
    else if (!std::strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
    else if (!std::strcmp(argv[i], "--check")) check = true;
    else {
      std::fprintf(stderr, "usage: qvx_docgen --source DIR --out DIR [--check]\n");
      return 2;
    }
  }
  bool ok = true;
  const Header h = parse_header(read(source + "/include/qvx_vector.h", &ok));
  if (!ok) {
    std::fprintf(stderr, "cannot read %s/include/qvx_vector.h\n", source.c_str());
    return 2;
  }
  std::vector<std::string> faults;

  // Parameter glossary: "- `name`, `name2`: text" lines; "- `name` [when, when]: text"
  // gives the meaning where one of the conditions holds, a direction of conversion
  // ("floating point to integer") or the start of the operation's name ("Sub").
  std::map<std::string, std::vector<Gloss>> glossary;
  {
    std::stringstream in(read(source + "/doc/parameters.md"));
    std::vector<std::string> entries;  // list items, continuation lines joined
    for (std::string l; std::getline(in, l);) {
      if (l.compare(0, 2, "  ") == 0 && !entries.empty()) entries.back() += " " + squeeze(l);
      else entries.push_back(l);
    }
    const std::regex entry(R"(- `([A-Za-z0-9_]+)`(, `([A-Za-z0-9_]+)`)*( \[([^\]]*)\])?: (.*))");
    for (const std::string& l : entries) {
      std::smatch m;
      if (!std::regex_match(l, m, entry)) continue;
      Gloss g;
      g.text = m[6];
      std::stringstream when(m[5].str());
      for (std::string w; std::getline(when, w, ',');) g.when.push_back(squeeze(w));
      static const std::regex name("`([A-Za-z0-9_]+)`");
      const auto names_end = l.cbegin() + (m[4].matched ? m.position(4) : m.position(6) - 2);
      for (auto it = std::sregex_iterator(l.cbegin(), names_end, name);
           it != std::sregex_iterator(); ++it)
        glossary[(*it)[1]].push_back(g);
    }
  }

  // Every exported function is declared, sits in a family with a comment, and that comment
  // names its operation; every parameter has a glossary entry.
  std::map<std::string, const Row*> rows;
  std::map<std::string, std::string> second_of;
  for (const Row& r : kRows) {
    rows[r.name] = &r;
    if (r.first) second_of[r.first] = r.name;
  }
  std::map<std::string, const Family*> family_of;
  for (const Family& f : h.families) family_of[f.slug] = &f;
  for (const Row& r : kRows) {
    const auto it = h.functions.find(r.name);
    if (it == h.functions.end()) {
      faults.push_back(std::string("qvx_") + r.name + ": exported but not declared in the header");
      continue;
    }
    const Family& fam = *family_of[it->second.family];
    if (fam.doc.empty()) faults.push_back(std::string("qvx_") + r.name + ": its family \"" + fam.title + "\" has no comment");
    else if (!names_word(fam.doc, operation(r.name)))
      faults.push_back(std::string("qvx_") + r.name + ": the comment of \"" + fam.title + "\" never names " + operation(r.name));
    for (const Param& p : it->second.params) {
      const Gloss* g = meaning(glossary, p.name, it->second);
      if (g == nullptr) {
        faults.push_back(std::string("qvx_") + r.name + ": parameter " + p.name + " has no entry in doc/parameters.md");
        continue;
      }
      // The meaning shown must be about this function: no other parameter named in it.
      for (size_t at = g->text.find('`'); at != std::string::npos; at = g->text.find('`', at + 1)) {
        const size_t e = g->text.find('`', at + 1);
        if (e == std::string::npos) break;
        const std::string w = g->text.substr(at + 1, e - at - 1);
        bool has = false;
        for (const Param& q : it->second.params) has = has || q.name == w;
        if (glossary.count(w) && !has)
          faults.push_back(std::string("qvx_") + r.name + ": the meaning of " + p.name + " names `" + w +
                           "`, which the function does not have");
        at = e;
      }
      // What its page says about the rounding of a scale factor is what its family says.
      if (p.name == "scaleFactor") {
        const std::set<std::string> said = roundings(g->text), rule = roundings(fam.doc);
        if (said.empty())
          faults.push_back(std::string("qvx_") + r.name + ": its scaleFactor entry says nothing about rounding");
        for (const std::string& w : said)
          if (!rule.count(w))
            faults.push_back(std::string("qvx_") + r.name + ": its page says the scale factor rounds " + w +
                             ", the text of \"" + fam.title + "\" never does");
      }
    }
  }
  for (const auto& f : h.functions)
    if (!rows.count(f.first)) faults.push_back("qvx_" + f.first + ": declared in the header but not exported");

  // The pages.
  const std::string conventions_md = read(source + "/doc/conventions.md");
  const std::string tasks_md = read(source + "/doc/tasks.md");
  Linker conv{h, &faults, "doc/conventions.md"}, tasks{h, &faults, "doc/tasks.md"}, plain{h, nullptr, ""};
  std::map<std::string, std::string> pages;
  pages["conventions.html"] = page("Conventions", conv.markdown(conventions_md) +
      "<h2 id=\"header\">The header's own summary</h2>\n<pre>" + esc(h.conventions) + "</pre>\n");
  pages["tasks.html"] = page("Task index", tasks.markdown(tasks_md));
  pages["names.html"] = page("Every name, A to Z", names_page(h));
  Linker cpp{h, &faults, "doc/cpp.md"};
  pages["cpp.html"] = page("The C++ interface", cpp.markdown(read(source + "/doc/cpp.md")));
  std::string index = "<p>Version " QVX_VERSION_STRING ". Start with the <a href=\"tasks.html\">task index</a> "
                      "or the <a href=\"conventions.html\">conventions</a> every function follows; every name "
                      "is in the <a href=\"names.html\">A-Z index</a>; from C++, with "
                      "<a href=\"cpp.html\">the C++ interface</a>.</p>\n<ul>\n";
  size_t counted = 0;
  for (const Family& f : h.families) {
    std::string body = "<pre>" + linked_text(f, h) + "</pre>\n";
    if (!f.decls.empty()) body += "<pre>" + esc(f.decls) + "</pre>\n";
    for (const Object& o : f.objects) body += "<pre id=\"" + o.name + "\">" + esc(o.decl) + "</pre>\n";
    if (!f.functions.empty()) body += members(f);
    for (const std::string& name : f.functions) {
      const Function& fn = h.functions.at(name);
      ++counted;
      body += "<div class=\"fn\"><h3 id=\"" + name + "\"><code>qvx_" + name + "</code></h3>\n<pre>" + esc(fn.ret) +
              " qvx_" + esc(name) + "(";
      for (size_t k = 0; k < fn.params.size(); ++k)
        body += (k ? ", " : "") + esc(fn.params[k].type + " " + fn.params[k].name);
      body += ");</pre>\n";
      if (!fn.params.empty()) {
        body += "<table><tr><th>Parameter</th><th>Type</th><th>Meaning</th></tr>\n";
        for (const Param& p : fn.params) {
          const Gloss* g = meaning(glossary, p.name, fn);
          body += "<tr><td><code>" + esc(p.name) + "</code></td><td><code>" + esc(p.type) + "</code></td><td>" +
                  plain.inline_md(g ? g->text : "") + "</td></tr>\n";
        }
        body += "</table>\n";
      }
      const auto r = rows.find(name);
      if (r != rows.end()) {
        if (r->second->first) body += "<p>Second name of " + plain.code(r->second->first) + ": one function at one address.</p>\n";
        else if (second_of.count(name)) body += "<p>Also exported as " + plain.code(second_of[name]) + ".</p>\n";
        const std::string ip = in_place(*r->second, fn);
        if (!ip.empty()) body += "<p>In place: " + ip + "</p>\n";
        if (std::string(r->second->shape).rfind("SCALED_", 0) == 0)
          body += "<p>Scale factor: the family's rules above, and <a href=\"conventions.html#scale-factors-and-saturation\">"
                  "scale factors</a> on the conventions page.</p>\n";
      }
      body += "<p>Also exported as <code>__qvx_" + name + "</code>.</p></div>\n";
    }
    // A section says what it holds; one with nothing to show is a fault of the header.
    std::string holds;
    if (!f.functions.empty()) holds = std::to_string(f.functions.size()) + (f.functions.size() == 1 ? " function" : " functions");
    else if (!f.objects.empty()) holds = std::to_string(f.objects.size()) + " objects";
    else if (!f.decls.empty()) holds = "types and constants";
    if (holds.empty() || f.doc.empty()) faults.push_back("include/qvx_vector.h: the section \"" + f.title + "\" is empty");
    pages[f.slug + ".html"] = page(f.title, body);
    index += "<li><a href=\"" + f.slug + ".html\">" + esc(f.title) + "</a> (" + holds + ")</li>\n";
  }
  index += "</ul>\n<p>" + std::to_string(counted) + " functions in all.</p>\n";
  pages["index.html"] = page("qvx_vector reference", index);
  check_links(pages, faults);
  for (const Row& r : kRows)
    if (pages["names.html"].find(std::string("#") + r.name + "\"") == std::string::npos)
      faults.push_back(std::string("names.html: qvx_") + r.name + " is missing");

  if (!out.empty()) {
    std::string cmd = "mkdir -p '" + out + "'";
    if (std::system(cmd.c_str()) != 0) return 2;
    for (const auto& p : pages) {
      std::ofstream f(out + "/" + p.first);
      f << p.second;
      if (!f) {
        std::fprintf(stderr, "cannot write %s/%s\n", out.c_str(), p.first.c_str());
        return 2;
      }
    }
    std::printf("%zu pages, %zu functions: %s/index.html\n", pages.size(), counted, out.c_str());
  }
  for (const std::string& f : faults) std::fprintf(stderr, "%s\n", f.c_str());
  if (check && !faults.empty()) {
    std::fprintf(stderr, "%zu documentation faults\n", faults.size());
    return 1;
  }
  return 0;
}
