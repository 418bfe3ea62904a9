#include "verilog_netlist.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace netcheck {

namespace {

// The reserved words of Verilog (IEEE 1364-2005) and SystemVerilog's
// "logic": escaped, such a word is a name.
bool IsKeyword(const std::string& w) {
  static const std::string kWords =
      " always and assign automatic begin buf bufif0 bufif1 case casex casez cell cmos config"
      " deassign default defparam design disable edge else end endcase endconfig endfunction"
      " endgenerate endmodule endprimitive endspecify endtable endtask event for force forever fork"
      " function generate genvar highz0 highz1 if ifnone incdir include initial inout input"
      " instance integer join large liblist library localparam logic macromodule medium module"
      " nand negedge nmos nor noshowcancelled not notif0 notif1 or output parameter pmos posedge"
      " primitive pull0 pull1 pulldown pullup pulsestyle_onevent pulsestyle_ondetect rcmos real"
      " realtime reg release repeat rnmos rpmos rtran rtranif0 rtranif1 scalared showcancelled"
      " signed small specify specparam strong0 strong1 supply0 supply1 table task time tran"
      " tranif0 tranif1 tri tri0 tri1 triand trior trireg unsigned use uwire vectored wait wand"
      " weak0 weak1 while wire wor xnor xor ";
  return kWords.find(" " + w + " ") != std::string::npos;
}

// The text as tokens, without comments, attributes and directives.
// `ifdef/`ifndef/`elsif/`else/`endif and `define are followed; the text of
// a branch not taken is dropped.
std::vector<std::string> Tokens(const std::string& s) {
  std::vector<std::string> out;
  std::set<std::string> defined;
  std::vector<std::pair<bool, bool>> branches;  // (reading, some branch taken)
  auto reading = [&] { return branches.empty() || branches.back().first; };
  std::size_t i = 0;
  while (i < s.size()) {
    char c = s[i];
    if (std::isspace(static_cast<unsigned char>(c))) { ++i; continue; }
    if (c == '`') {
      std::size_t e = s.find('\n', i);
      std::istringstream line(s.substr(i + 1, e == std::string::npos ? std::string::npos : e - i - 1));
      std::string word, name;
      line >> word >> name;
      bool outer = branches.size() < 2 || branches[branches.size() - 2].first;
      if (word == "ifdef" || word == "ifndef") {
        bool take = defined.count(name) == (word == "ifdef" ? 1u : 0u);
        branches.push_back({reading() && take, take});
      } else if (word == "elsif" && !branches.empty()) {
        bool take = !branches.back().second && defined.count(name);
        branches.back() = {outer && take, branches.back().second || take};
      } else if (word == "else" && !branches.empty()) {
        branches.back() = {outer && !branches.back().second, true};
      } else if (word == "endif" && !branches.empty()) {
        branches.pop_back();
      } else if (word == "define" && reading()) {
        defined.insert(name);
      } else if (word == "undef" && reading()) {
        defined.erase(name);
      }
      i = e;
      if (i == std::string::npos) break;
      continue;
    }
    if (!reading()) { ++i; continue; }
    if (s.compare(i, 2, "//") == 0) { i = s.find('\n', i); if (i == std::string::npos) break; continue; }
    if (s.compare(i, 2, "/*") == 0) { i = s.find("*/", i); if (i == std::string::npos) break; i += 2; continue; }
    if (s.compare(i, 2, "(*") == 0 && s.compare(i, 3, "(*)") != 0) { i = s.find("*)", i); if (i == std::string::npos) break; i += 2; continue; }
    std::size_t j = i;
    if (c == '"') {
      // A string (a parameter's value) is one token: the operators in it are text.
      for (j = i + 1; j < s.size() && s[j] != '"' && s[j] != '\n'; j += s[j] == '\\' ? 2 : 1) {}
      j = std::min(j + 1, s.size());
      out.push_back(s.substr(i, j - i));
    } else if (c == '\\') {
      // An escaped name is the simple identifier it spells, if it spells
      // one; else it keeps its backslash, so that "\\0 " or "\\! " is never
      // read as a number or an operator (the backslash goes in Plain()).
      while (j < s.size() && !std::isspace(static_cast<unsigned char>(s[j]))) ++j;
      std::string name = s.substr(i + 1, j - i - 1);
      bool simple = !name.empty() && (std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_');
      for (char ch : name) simple = simple && (std::isalnum(static_cast<unsigned char>(ch)) || ch == '_' || ch == '$');
      out.push_back(simple && !IsKeyword(name) ? name : "\\" + name);
    } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' || c == '\'') {
      while (j < s.size() && (std::isalnum(static_cast<unsigned char>(s[j])) || s[j] == '_' || s[j] == '$' || s[j] == '\'' || s[j] == '?')) ++j;
      out.push_back(s.substr(i, j - i));
    } else {
      j = i + 1;
      out.push_back(s.substr(i, 1));
    }
    i = j;
  }
  return out;
}

// Net kinds read as plain wires (a pull of tri0/tri1 is no connection).
bool IsNetKind(const std::string& w) {
  for (const char* k : {"wire", "reg", "tri", "tri0", "tri1", "triand", "trior", "wand", "wor", "uwire",
                        "logic"}) {
    if (w == k) return true;
  }
  return false;
}

struct Decl { long msb = 0, lsb = 0; bool vec = false; int dir = 0; };

// A token that may stand after "~" or "!" of an inversion: a name, a
// constant, a concatenation or a parenthesis (another operator makes the
// expression behavioural).
bool IsOperand(const std::string& w) {
  if (w == "(" || w == "{") return true;
  return !w.empty() && std::string("(){}[]~!&|^?+-*/%<>@,;=:.#").find(w[0]) == std::string::npos;
}

// Code no netlist holds: its module is taken as a leaf cell with its
// declared ports.
bool IsBehavioural(const std::string& w) {
  for (const char* k : {"always", "always_ff", "always_comb", "always_latch", "initial", "function",
                        "task", "specify", "generate", "begin", "if", "case", "for", "~", "&", "|", "^",
                        "!", "?", "+", "-", "*", "<", ">", "@"}) {
    if (w == k) return true;
  }
  return false;
}

struct Module {
  std::string name;
  bool defined = true;
  bool black_box = false;
  std::vector<std::string> ports;
  std::map<std::string, Decl> decls;
  struct Conn { std::string port; std::vector<std::string> bits; bool empty = false; };
  struct Inst { std::string type, name; std::vector<Conn> conns; };
  std::vector<Inst> insts;
  std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> assigns;
};

// A bit as a key: "name" or "name[index]"; constants "'0", "'1", "'x".
struct Reader {
  std::vector<std::string> t;
  std::size_t p = 0;
  std::string problem;
  const std::string& Peek() { static const std::string end; return p < t.size() ? t[p] : end; }
  std::string Take() { return p < t.size() ? t[p++] : std::string(); }
  bool Fail(const std::string& what) {
    if (problem.empty()) {
      problem = what + " near token " + std::to_string(p) + ":";
      for (std::size_t k = p > 4 ? p - 4 : 0; k < p + 4 && k < t.size(); ++k) problem += " " + t[k];
    }
    return false;
  }

  void Range(Decl& d) {
    if (Peek() != "[") return;
    Take(); std::string a = Take(); if (a == "-") a = "-" + Take();
    Take(); std::string b = Take(); if (b == "-") b = "-" + Take();
    Take();
    d.vec = true; d.msb = std::stol(a); d.lsb = std::stol(b);
  }

  static std::vector<std::string> Const(const std::string& v) {
    std::size_t q = v.find('\'');
    long size = q == std::string::npos ? 32 : (q == 0 ? -1 : std::stol(v.substr(0, q)));
    std::string lsb_first;
    char base = q == std::string::npos ? 'd' : static_cast<char>(std::tolower(v[q + 1] == 's' ? v[q + 2] : v[q + 1]));
    std::string digits = q == std::string::npos ? v : v.substr(q + (v[q + 1] == 's' ? 3 : 2));
    if (base == 'd') {
      unsigned long long n = 0;
      bool unknown = false;
      for (char c : digits) { if (c == '_') continue; if (!std::isdigit(static_cast<unsigned char>(c))) unknown = true; else n = n * 10 + static_cast<unsigned>(c - '0'); }
      for (long i = 0; i < (size < 0 ? 32 : size); ++i) lsb_first.push_back(unknown ? 'x' : (i < 64 && ((n >> i) & 1)) ? '1' : '0');
    } else {
      int w = base == 'b' ? 1 : base == 'o' ? 3 : 4;
      for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        char c = static_cast<char>(std::tolower(*it));
        if (c == '_') continue;
        int val = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'a' + 10;
        for (int b = 0; b < w; ++b) lsb_first.push_back(c == 'x' || c == 'z' || c == '?' ? 'x' : ((val >> b) & 1) ? '1' : '0');
      }
      if (size >= 0) lsb_first.resize(static_cast<std::size_t>(size), !lsb_first.empty() && lsb_first.back() == 'x' ? 'x' : '0');
    }
    std::vector<std::string> out;
    for (auto it = lsb_first.rbegin(); it != lsb_first.rend(); ++it) out.push_back(std::string("'") + *it);
    return out;
  }

  // Inverters asked for by the statement being read, and their count in
  // the module so far.
  std::vector<Module::Inst> inverters;
  long inverter_count = 0;
  void TakeInverters(Module& m) {
    m.insts.insert(m.insts.end(), inverters.begin(), inverters.end());
    inverters.clear();
  }

  // Bits of an operand list, most significant first.
  bool Expr(Module& m, std::vector<std::string>& out) {
    std::string a = Take();
    if (a == "~" || a == "!") {
      // Each bit of a net inverted: the output O of an inverter NOT_k (cell
      // EXTINV, its input A on the bit), on a net of its own, in bit order.
      // A constant bit is inverted as it stands; ! of constants is 1 when
      // every bit is 0, of a net only of one bit.
      if (!IsOperand(Peek())) return Fail("inversion");
      std::vector<std::string> bits;
      const bool parenthesised = Peek() == "(";
      if (parenthesised) Take();
      if (!Expr(m, bits)) return false;
      if (parenthesised && Take() != ")") return Fail("inverted expression");
      bool constant = true;
      for (const std::string& b : bits) constant = constant && b[0] == '\'';
      if (constant && a == "!") {
        bool zero = true, one = false;
        for (const std::string& b : bits) { zero = zero && b == "'0"; one = one || b == "'1"; }
        out.push_back(zero ? "'1" : one ? "'0" : "'x");
        return true;
      }
      if (a == "!" && bits.size() != 1) return Fail("logical not of a bus");
      for (const std::string& b : bits) {
        if (b[0] == '\'') { out.push_back(b == "'0" ? "'1" : b == "'1" ? "'0" : b); continue; }
        const std::string name = "NOT_" + std::to_string(++inverter_count);
        m.decls[name + "<O"] = Decl();
        inverters.push_back({"EXTINV", name, {{"A", {b}, false}, {"O", {name + "<O"}, false}}});
        out.push_back(name + "<O");
      }
      return true;
    }
    if (a == "{") {
      if (std::isdigit(static_cast<unsigned char>(Peek()[0])) && Peek().find('\'') == std::string::npos &&
          p + 1 < t.size() && t[p + 1] == "{") {
        long n = std::stol(Take());
        Take();
        std::vector<std::string> inner;
        while (true) { if (!Expr(m, inner)) return false; if (Peek() != ",") break; Take(); }
        Take(); Take();
        for (long i = 0; i < n; ++i) out.insert(out.end(), inner.begin(), inner.end());
        return true;
      }
      while (true) { if (!Expr(m, out)) return false; if (Peek() != ",") break; Take(); }
      return Take() == "}" || Fail("concatenation");
    }
    if (std::isdigit(static_cast<unsigned char>(a[0])) || a[0] == '\'') {
      std::vector<std::string> c = Const(a);
      out.insert(out.end(), c.begin(), c.end());
      return true;
    }
    auto d = m.decls.find(a);
    if (d == m.decls.end()) { m.decls[a] = Decl(); d = m.decls.find(a); }
    long hi = d->second.msb, lo = d->second.lsb;
    if (Peek() == "[") {
      Take(); hi = std::stol(Take()); lo = hi;
      if (Peek() == ":") { Take(); lo = std::stol(Take()); }
      Take();
    } else if (!d->second.vec) {
      out.push_back(a);
      return true;
    }
    if (!d->second.vec) { out.push_back(a); return true; }
    long step = hi >= lo ? -1 : 1;
    for (long i = hi;; i += step) { out.push_back(a + "[" + std::to_string(i) + "]"); if (i == lo) break; }
    return true;
  }

  bool ModuleBody(Module& m) {
    inverter_count = 0;
    inverters.clear();
    m.name = Take();
    if (Peek() == "#") { Take(); Skip(); }
    if (Peek() == "(") {
      Take();
      int dir = 0; Decl cur;
      while (p < t.size() && Peek() != ")") {
        std::string w = Take();
        if (w == ",") continue;
        if (w == "input" || w == "output" || w == "inout") {
          dir = w == "input" ? 1 : w == "output" ? 2 : 3; cur = Decl(); cur.dir = dir;
          while (IsNetKind(Peek()) || Peek() == "signed") Take();
          Range(cur);
          continue;
        }
        if (w == ".") {
          // .name(expr): the port is joined to the expression's bits.
          std::string port = Take();
          Take();
          std::vector<std::string> bits;
          if (Peek() != ")" && !Expr(m, bits)) return false;
          Take();
          m.ports.push_back(port);
          aliases.push_back({port, bits});
          continue;
        }
        m.ports.push_back(w);
        if (dir) m.decls[w] = cur;
      }
      Take();
    }
    if (Take() != ";") return Fail("module head");
    // Behavioural code anywhere up to "endmodule": its ports only.
    std::size_t end = p;
    bool behavioural = false;
    for (; end < t.size() && t[end] != "endmodule"; ++end) {
      // initial $task(...); is for the simulator alone.
      if (t[end] == "initial" && end + 1 < t.size() && t[end + 1][0] == '$') continue;
      const bool inversion = (t[end] == "~" || t[end] == "!") && end + 1 < t.size() && IsOperand(t[end + 1]);
      if (IsBehavioural(t[end]) && !inversion) behavioural = true;
    }
    if (behavioural) return BlackBox(m, end);
    const std::size_t body = p;
    while (p < t.size()) {
      std::string w = Take();
      if (w == "endmodule") return Aliases(m);
      if (w == "input" || w == "output" || w == "inout" || IsNetKind(w) || w == "supply0" ||
          w == "supply1") {
        Decl d; d.dir = w == "input" ? 1 : w == "output" ? 2 : w == "inout" ? 3 : 0;
        while (IsNetKind(Peek()) || Peek() == "signed") Take();
        Range(d);
        while (true) {
          std::string n = Take();
          Decl& e = m.decls[n];
          if (d.dir) e.dir = d.dir;
          if (d.vec) { e.vec = true; e.msb = d.msb; e.lsb = d.lsb; }
          if (w == "supply0" || w == "supply1") {
            std::vector<std::string> l, r;
            p -= 1; if (!Expr(m, l)) return false;
            r.assign(l.size(), w == "supply0" ? "'0" : "'1");
            m.assigns.push_back({l, r});
          }
          if (Peek() == "=") {
            Take(); p -= 2;
            std::vector<std::string> l, r;
            if (!Expr(m, l)) return false;
            Take();
            if (!Expr(m, r)) return false;
            m.assigns.push_back({l, r});
            TakeInverters(m);
          }
          if (Take() != ",") break;
        }
        continue;
      }
      if (w == "parameter" || w == "localparam" || w == "defparam" || (w == "initial" && Peek()[0] == '$')) {
        while (p < t.size() && Take() != ";") {}
        continue;
      }
      if (w == "assign") {
        while (true) {
          std::vector<std::string> l, r;
          if (!Expr(m, l)) return false;
          Take();
          if (!Expr(m, r)) return false;
          m.assigns.push_back({l, r});
          TakeInverters(m);
          if (Take() != ",") break;
        }
        continue;
      }
      // An instance.
      Module::Inst inst;
      inst.type = w;
      if (Peek() == "#") { Take(); Skip(); }
      if (Peek() == "(") {
        // A gate or primitive without a name: a simulation model.
        m.insts.clear();
        m.assigns.clear();
        p = body;
        return BlackBox(m, end);
      }
      while (true) {
        inst.name = Take();
        inst.conns.clear();
        if (Take() != "(") return Fail("instance " + inst.name);
        while (p < t.size() && Peek() != ")") {
          Module::Conn c;
          if (Peek() == ",") { Take(); c.empty = true; inst.conns.push_back(c); continue; }
          if (Peek() == ".") {
            Take(); c.port = Take(); Take();
            if (Peek() == ")") c.empty = true; else if (!Expr(m, c.bits)) return false;
            Take();
          } else if (!Expr(m, c.bits)) {
            return false;
          }
          inst.conns.push_back(c);
          if (Peek() == ",") { Take(); if (Peek() == ")" && c.port.empty()) inst.conns.push_back({"", {}, true}); }
        }
        Take();
        m.insts.push_back(inst);
        TakeInverters(m);
        if (Take() != ",") break;
      }
    }
    return Fail("module " + m.name + " not ended");
  }

  std::vector<std::pair<std::string, std::vector<std::string>>> aliases;

  // The header's .name(expr) ports: declared as wide as the expression and
  // joined to it.
  bool Aliases(Module& m) {
    for (auto& [port, bits] : aliases) {
      Decl d;
      d.dir = 3;
      if (!bits.empty()) {
        std::string base = bits[0].substr(0, bits[0].find('['));
        auto it = m.decls.find(base);
        if (it != m.decls.end() && it->second.dir) d.dir = it->second.dir;
      }
      if (bits.size() > 1) { d.vec = true; d.msb = static_cast<long>(bits.size()) - 1; d.lsb = 0; }
      m.decls[port] = d;
      std::vector<std::string> l;
      for (long i = d.msb;; --i) { l.push_back(PortName(port, d, i)); if (i == d.lsb) break; }
      m.assigns.push_back({l, bits});
    }
    aliases.clear();
    return true;
  }
  static std::string PortName(const std::string& n, const Decl& d, long i) {
    return d.vec ? n + "[" + std::to_string(i) + "]" : n;
  }

  // A behavioural module: its port declarations (not a function's or a
  // task's arguments), then past its "endmodule".
  bool BlackBox(Module& m, std::size_t end) {
    m.black_box = true;
    m.defined = false;
    aliases.clear();
    inverters.clear();
    bool inside = false;  // a function or task
    std::string before = ";";
    for (; p < end; before = t[p++]) {
      const std::string& w = t[p];
      if (w == "function" || w == "task") inside = true;
      if (w == "endfunction" || w == "endtask") inside = false;
      if (inside || before != ";" || (w != "input" && w != "output" && w != "inout")) continue;
      Decl d; d.dir = w == "input" ? 1 : w == "output" ? 2 : 3;
      ++p;
      while (IsNetKind(Peek()) || Peek() == "signed") Take();
      Range(d);
      while (p < end && Peek() != ";") {
        std::string n = Take();
        if (n != ",") m.decls[n] = d;
      }
      --p;
    }
    for (const std::string& port : m.ports) {
      if (!m.decls.count(port)) m.decls[port].dir = 3;
    }
    p = end + 1;
    return true;
  }

  void Skip() {
    int depth = 0;
    do { std::string w = Take(); if (w == "(") ++depth; if (w == ")") --depth; } while (depth > 0 && p < t.size());
  }
};

struct Union {
  std::map<std::string, std::string> up;
  std::string Find(const std::string& x) {
    auto it = up.find(x);
    if (it == up.end()) { up[x] = x; return x; }
    if (it->second == x) return x;
    std::string r = Find(it->second);
    up[x] = r;
    return r;
  }
  void Join(const std::string& a, const std::string& b) {
    std::string x = Find(a), y = Find(b);
    if (x == y) return;
    if (x[0] == '\'') std::swap(x, y);  // constants stay roots
    up[x] = y;
  }
};

// A name without the backslash its escaped form keeps among the tokens.
std::string Plain(const std::string& n) { return !n.empty() && n[0] == '\\' ? n.substr(1) : n; }

// Names as the macro file can hold them: "a[3]" is a3, "<" and ">" are "_".
std::string MacForm(std::string n) {
  n = Plain(n);
  std::size_t open = n.rfind('[');
  if (open != std::string::npos && open > 0 && n.back() == ']' && open + 2 < n.size() &&
      std::all_of(n.begin() + static_cast<long>(open) + 1, n.end() - 1, [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; })) {
    n = n.substr(0, open) + n.substr(open + 1, n.size() - open - 2);
  }
  for (char& c : n) if (c == '<' || c == '>') c = '_';
  return n;
}

std::string PortBitName(const std::string& name, const Decl& d, long idx) {
  return d.vec ? name + "[" + std::to_string(idx) + "]" : name;
}

}  // namespace

bool ParseVerilogNetlist(const std::string& text, Netlist& out) {
  Reader r;
  r.t = Tokens(text);
  std::vector<Module> mods;
  while (r.p < r.t.size()) {
    std::string w = r.Take();
    if (w == "primitive") {
      while (r.p < r.t.size() && r.Take() != "endprimitive") {}
      continue;
    }
    if (w != "module") { out.problems.push_back("unexpected " + w); return false; }
    mods.emplace_back();
    if (!r.ModuleBody(mods.back())) { out.problems.push_back(r.problem); return false; }
  }
  std::map<std::string, std::size_t> by_name;
  for (std::size_t k = 0; k < mods.size(); ++k) by_name.emplace(mods[k].name, k);
  // Leaf modules: ports in the order of their use, as wide as their widest
  // connection (w bits: the indices 0 .. w-1).
  for (std::size_t k = 0, n = mods.size(); k < n; ++k) {
    for (const Module::Inst& inst : mods[k].insts) {
      auto it = by_name.find(inst.type);
      if (it == by_name.end()) {
        Module leaf;
        leaf.name = inst.type;
        leaf.defined = false;
        it = by_name.emplace(inst.type, mods.size()).first;
        mods.push_back(leaf);
      }
      Module& child = mods[it->second];
      if (child.defined) continue;
      for (const Module::Conn& c : inst.conns) {
        if (c.port.empty()) continue;
        long w = std::max<long>(1, static_cast<long>(c.bits.size()));
        auto known = child.decls.find(c.port);
        if (known != child.decls.end()) {
          if (!child.black_box && w > known->second.msb + 1) {
            known->second.vec = true;
            known->second.msb = w - 1;
          }
          continue;
        }
        Decl d;
        d.dir = 3;
        if (w > 1) { d.vec = true; d.msb = w - 1; d.lsb = 0; }
        child.decls[c.port] = d;
        child.ports.push_back(c.port);
      }
    }
  }
  // Cells: bit-level ports in header order (each bus from its lowest index up).
  std::vector<std::map<std::string, int>> port_index(mods.size());
  std::vector<std::vector<std::string>> port_bits(mods.size());  // as the bits are keyed
  for (std::size_t k = 0; k < mods.size(); ++k) {
    Cell c;
    c.name = MacForm(mods[k].name);
    for (const std::string& pn : mods[k].ports) {
      const Decl& d = mods[k].decls[pn];
      long lo = std::min(d.msb, d.lsb), hi = std::max(d.msb, d.lsb);
      for (long i = lo; i <= hi; ++i) {
        Port port;
        port_bits[k].push_back(PortBitName(pn, d, i));
        port.name = Plain(port_bits[k].back());
        port.supply = !d.vec && IsSupplyName(pn);
        port_index[k][port_bits[k].back()] = static_cast<int>(c.ports.size());
        c.ports.push_back(port);
      }
    }
    out.cells.push_back(c);
  }
  std::set<std::size_t> used;
  for (std::size_t k = 0; k < mods.size(); ++k) {
    Module& m = mods[k];
    if (!m.defined) continue;
    Cell& cell = out.cells[k];
    Union u;
    for (const auto& [l, rr] : m.assigns) {
      for (std::size_t j = 0; j < l.size(); ++j) {
        std::size_t from_right = l.size() - 1 - j;
        std::string rb = from_right < rr.size() ? rr[rr.size() - 1 - from_right] : "'0";
        if (rb == "'x" || l[j] == "'x") continue;
        u.Join(l[j], rb);
      }
    }
    std::map<std::string, std::size_t> net_of;
    auto add = [&](const std::string& bit, Pin pin) {
      if (bit == "'x") return;
      std::string root = u.Find(bit);
      auto [it, added] = net_of.emplace(root, cell.nets.size());
      if (added) {
        Net n;
        n.name = root == "'0" ? "GND" : root == "'1" ? "VDD" : Plain(root);
        cell.nets.push_back(n);
      }
      cell.nets[it->second].pins.push_back(pin);
    };
    // Own ports in header order; a supply port's net is the global supply
    // (or the port a normal pin: SettleSupplyPorts).
    for (std::size_t idx = 0; idx < cell.ports.size(); ++idx) {
      add(port_bits[k][idx], Pin{-1, static_cast<int>(idx)});
    }
    for (const Module::Inst& inst : m.insts) {
      std::size_t c = by_name[inst.type];
      used.insert(c);
      const Module& child = mods[c];
      Instance in;
      in.name = MacForm(inst.name);
      in.cell_name = Plain(inst.type);
      in.cell = static_cast<int>(c);
      int ii = static_cast<int>(cell.instances.size());
      cell.instances.push_back(in);
      for (std::size_t j = 0; j < inst.conns.size(); ++j) {
        const Module::Conn& conn = inst.conns[j];
        if (conn.empty) continue;
        if (conn.port.empty() && j >= child.ports.size()) {
          out.problems.push_back("instance " + inst.name + " has more connections than " +
                                 inst.type + " has ports");
          break;
        }
        std::string pn = conn.port.empty() ? child.ports[j] : conn.port;
        auto decl = child.decls.find(pn);
        if (decl == child.decls.end()) {
          out.problems.push_back("instance " + inst.name + " connects " + pn + ", no port of " +
                                 inst.type);
          continue;
        }
        const Decl& d = decl->second;
        long step = d.msb >= d.lsb ? -1 : 1;
        long idx = d.msb;
        // A connection narrower than the port fills its low bits; the high
        // bits of an input are 0, of an output or inout unconnected; a
        // constant is widened with 0 whatever the port.
        const long width = std::labs(d.msb - d.lsb) + 1;
        bool constant = true;
        for (const std::string& b : conn.bits) constant = constant && b[0] == '\'';
        std::size_t skip = 0;
        if (static_cast<long>(conn.bits.size()) < width) {
          for (long k = width - static_cast<long>(conn.bits.size()); k > 0; --k) {
            auto at = port_index[c].find(PortBitName(pn, d, idx));
            if ((d.dir == 1 || constant) && at != port_index[c].end()) add("'0", Pin{ii, at->second});
            idx += step;
          }
        } else {
          skip = conn.bits.size() - static_cast<std::size_t>(width);
        }
        for (std::size_t b = skip; b < conn.bits.size(); ++b) {
          auto at = port_index[c].find(PortBitName(pn, d, idx));
          if (at == port_index[c].end()) break;
          add(conn.bits[b], Pin{ii, at->second});
          if (idx == d.lsb) break;
          idx += step;
        }
      }
    }
  }
  for (std::size_t k = mods.size(); k-- > 0;) {
    if (mods[k].defined && !used.count(k)) { out.top = Plain(mods[k].name); break; }
  }
  // The macro file's order: leaf cells first, then each module after the
  // modules it uses.
  std::vector<std::size_t> order;
  std::vector<int> state(mods.size(), 0);
  for (std::size_t k = 0; k < mods.size(); ++k) {
    if (!mods[k].defined) {
      if (!mods[k].black_box || used.count(k)) order.push_back(k);  // unused ones are left out
      state[k] = 2;
    }
  }
  std::function<void(std::size_t)> visit = [&](std::size_t k) {
    if (state[k]) return;
    state[k] = 1;
    for (const Module::Inst& inst : mods[k].insts) visit(by_name[inst.type]);
    state[k] = 2;
    order.push_back(k);
  };
  for (std::size_t k = 0; k < mods.size(); ++k) visit(k);
  // A macro file's names ignore letter case: a cell named as one before it
  // in that order but for letter case is written as NAME_2, or NAME_3 ...
  // when a written cell has that name (any case) already.
  std::set<std::string> taken;
  for (std::size_t k : order) taken.insert(Lower(out.cells[k].name));
  std::map<std::string, std::string> first_of;
  for (std::size_t k : order) {
    std::string& name = out.cells[k].name;
    auto [at, added] = first_of.emplace(Lower(name), name);
    if (added || at->second == name) continue;
    std::string macro = name + "_2";
    for (int n = 3; taken.count(Lower(macro)); ++n) macro = name + "_" + std::to_string(n);
    taken.insert(Lower(macro));
    name = macro;
  }
  std::vector<int> new_index(mods.size());
  for (std::size_t i = 0; i < order.size(); ++i) new_index[order[i]] = static_cast<int>(i);
  std::vector<Cell> cells;
  for (std::size_t k : order) cells.push_back(std::move(out.cells[k]));
  for (Cell& c : cells) {
    for (Instance& in : c.instances) in.cell = new_index[static_cast<std::size_t>(in.cell)];
  }
  out.cells = std::move(cells);
  SettleSupplyPorts(out);
  return true;
}

bool ReadVerilogNetlist(const std::string& path, Netlist& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::stringstream s;
  s << in.rdbuf();
  return ParseVerilogNetlist(s.str(), out);
}

}  // namespace netcheck
