#include "vhdl_netlist.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string_view>

namespace netcheck {

namespace {

struct Token {
  std::string text;  // basic identifiers and keywords lowercased
  bool comment = false;
};

std::vector<Token> Tokens(const std::string& s) {
  std::vector<Token> out;
  std::size_t i = 0;
  // The long-standing format writes netlist names as they are ("n$1",
  // "a[3]"): a word runs up to a blank or a delimiter of the statements
  // written.
  auto word_char = [](char c) {
    return std::string_view(" \t\r\n(),;:'\\<=>").find(c) == std::string_view::npos;
  };
  while (i < s.size()) {
    char c = s[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
    } else if (c == '-' && i + 1 < s.size() && s[i + 1] == '-') {
      std::size_t end = s.find_first_of("\r\n", i);
      if (end == std::string::npos) end = s.size();
      std::string text = s.substr(i + 2, end - i - 2);
      // Only the converter's note on nodes beyond a macro's ports matters.
      if (text.find(": nodes beyond the ports of ") != std::string::npos) {
        out.push_back({text, true});
      }
      i = end;
    } else if (c == '\\') {
      std::size_t j = i + 1;
      for (;;) {
        if (j >= s.size()) break;
        if (s[j] == '\\') {
          if (j + 1 < s.size() && s[j + 1] == '\\') {
            j += 2;
            continue;
          }
          break;
        }
        ++j;
      }
      out.push_back({s.substr(i, j + 1 - i), false});
      i = j + 1;
    } else if (c == '\'' && i + 2 < s.size() && s[i + 2] == '\'') {
      out.push_back({s.substr(i, 3), false});
      i += 3;
    } else if (word_char(c)) {
      std::size_t j = i;
      while (j < s.size() && word_char(s[j])) ++j;
      std::string w = s.substr(i, j - i);
      for (char& ch : w) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      out.push_back({w, false});
      i = j;
    } else {
      std::string two = s.substr(i, 2);
      if (two == "=>" || two == "<=" || two == ":=" || two == "/=" || two == ">=") {
        out.push_back({two, false});
        i += 2;
      } else {
        out.push_back({std::string(1, c), false});
        ++i;
      }
    }
  }
  return out;
}

class Parser {
 public:
  Parser(std::vector<Token> tokens, VhdlDesign& out) : t_(std::move(tokens)), out_(out) {}

  void Run() {
    while (More()) {
      const std::string& w = Peek();
      if (w == "entity") {
        Entity();
      } else if (w == "architecture") {
        Architecture();
      } else if (w == "package") {
        while (More() && Next() != "end") {
        }
        SkipStatement();
      } else {
        SkipStatement();
      }
    }
  }

 private:
  bool More() {
    while (pos_ < t_.size() && t_[pos_].comment) {
      if (last_instance_) last_instance_->beyond = t_[pos_].text;
      ++pos_;
    }
    return pos_ < t_.size();
  }
  const std::string& Peek() {
    static const std::string kEnd;
    return More() ? t_[pos_].text : kEnd;
  }
  std::string Next() {
    if (!More()) return "";
    return t_[pos_++].text;
  }
  bool Accept(const std::string& w) {
    if (Peek() != w) return false;
    ++pos_;
    return true;
  }
  void SkipStatement() {
    int depth = 0;
    while (More()) {
      std::string w = Next();
      if (w == "(") ++depth;
      if (w == ")") --depth;
      if (w == ";" && depth <= 0) return;
    }
  }
  void Problem(const std::string& text) { out_.problems.push_back(text); }

  // "( name, name : mode type [range]; ... )" after "port".
  std::vector<VhdlPort> PortList() {
    std::vector<VhdlPort> ports;
    if (!Accept("(")) {
      Problem("port list without \"(\"");
      return ports;
    }
    for (;;) {
      std::vector<std::string> names;
      names.push_back(Next());
      while (Accept(",")) names.push_back(Next());
      if (!Accept(":")) {
        Problem("port declaration without \":\" after " + names.back());
        SkipStatement();
        return ports;
      }
      std::string mode = "in";
      const std::string& m = Peek();
      if (m == "in" || m == "out" || m == "inout" || m == "buffer" || m == "linkage") mode = Next();
      std::string type = Next();
      long width = -1, left = -1, right = -1;
      if (Accept("(")) {
        left = std::atol(Next().c_str());
        Next();  // downto or to
        right = std::atol(Next().c_str());
        Accept(")");
        // Elements keep their numbers: the width is the highest of them.
        width = std::max(left, right);
      }
      (void)type;
      for (const std::string& n : names) ports.push_back({n, mode, width, left, right});
      if (Accept(";")) continue;
      if (Accept(")")) break;
      Problem("port list not closed after " + names.back());
      SkipStatement();
      return ports;
    }
    Accept(";");
    return ports;
  }

  void Entity() {
    Next();  // entity
    std::string name = Next();
    Accept("is");
    std::vector<VhdlPort> ports;
    if (Accept("port")) ports = PortList();
    while (More() && Peek() != "end") SkipStatement();
    SkipStatement();  // end NAME;
    if (out_.entities.count(name)) out_.duplicate_entities.push_back(name);
    out_.entities[name] = ports;
    out_.entity_order.push_back(name);
  }

  VhdlObject Object() {
    VhdlObject o;
    std::string w = Next();
    if (w == "open") return o;
    o.id = w;
    if (Peek() == "(") {
      ++pos_;
      o.element = std::atol(Next().c_str());
      Accept(")");
    }
    return o;
  }

  void Architecture() {
    Next();  // architecture
    std::string arch = Next();
    Accept("of");
    VhdlArchitecture a;
    a.entity = Next();
    Accept("is");
    last_instance_ = nullptr;
    while (More() && Peek() != "begin") {
      std::string w = Next();
      if (w == "signal") {
        std::vector<std::string> names{Next()};
        while (Accept(",")) names.push_back(Next());
        for (const std::string& n : names) a.declared.push_back(n);
        SkipStatement();
      } else if (w == "component") {
        std::string name = Next();
        Accept("is");
        std::vector<VhdlPort> ports;
        if (Accept("port")) ports = PortList();
        if (Accept("end")) Accept("component");
        while (More() && Peek() != ";") Next();
        Accept(";");
        a.components[name] = ports;
        std::string text = IdentifierText(name);
        for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        out_.components_declared.insert(text);
      } else if (w != ";") {
        --pos_;
        SkipStatement();
      }
    }
    Accept("begin");
    out_.architectures.push_back(std::move(a));
    VhdlArchitecture& arch_out = out_.architectures.back();
    while (More()) {
      if (Peek() == "end") {
        SkipStatement();
        break;
      }
      std::size_t start = pos_;
      std::string first = Next();
      if (Accept(":")) {
        VhdlInstance inst;
        inst.label = first;
        if (Peek() == "entity" || Peek() == "component") Next();
        inst.cell = Next();
        if (Accept("port")) {
          Accept("map");
          Accept("(");
          if (!Accept(")")) {
            for (;;) {
              VhdlAssociation as;
              VhdlObject o = Object();
              if (Accept("=>")) {
                as.formal = o;
                as.actual = Object();
              } else {
                as.actual = o;
              }
              inst.map.push_back(as);
              if (Accept(",")) continue;
              Accept(")");
              break;
            }
          }
        }
        if (!Accept(";")) {
          arch_out.problems.push_back("instance " + inst.label + " not ended by \";\"");
          SkipStatement();
        }
        arch_out.instances.push_back(std::move(inst));
        last_instance_ = &arch_out.instances.back();
        continue;
      }
      pos_ = start;
      VhdlObject target = Object();
      if (Accept("<=")) {
        // The source: a name, an element of it, or a literal.
        std::string source = Peek().empty() || Peek()[0] == '\'' ? Next() : Object().Key();
        arch_out.assignments.push_back({target, source});
        SkipStatement();
      } else {
        arch_out.problems.push_back("statement not read: " + first);
        SkipStatement();
      }
    }
    last_instance_ = nullptr;
    (void)arch;
  }

  std::vector<Token> t_;
  std::size_t pos_ = 0;
  VhdlDesign& out_;
  VhdlInstance* last_instance_ = nullptr;
};

}  // namespace

std::string IdentifierText(const std::string& id) {
  if (id.size() < 2 || id.front() != '\\' || id.back() != '\\') return id;
  std::string out;
  for (std::size_t i = 1; i + 1 < id.size(); ++i) {
    out += id[i];
    if (id[i] == '\\' && i + 2 < id.size() && id[i + 1] == '\\') ++i;
  }
  return out;
}

std::size_t ElementStart(const std::string& key) {
  std::size_t end = 0;
  if (!key.empty() && key[0] == '\\') {
    for (end = 1; end < key.size(); ++end) {
      if (key[end] != '\\') continue;
      if (end + 1 < key.size() && key[end + 1] == '\\') {
        ++end;
        continue;
      }
      break;
    }
  }
  return key.find('(', end);
}

void ParseVhdlDesign(const std::string& text, VhdlDesign& out) {
  Parser(Tokens(text), out).Run();
}

bool ReadVhdlDesign(const std::string& path, VhdlDesign& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  ParseVhdlDesign(s.str(), out);
  return true;
}

}  // namespace netcheck
