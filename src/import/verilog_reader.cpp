#include "import/verilog_reader.h"

#include <algorithm>
#include <cstdlib>

#include "mac/macfile.h"
#include <unordered_map>

#include "text/strings.h"

namespace kalvor {

namespace {

// Names (views into the netlist text) to numbers.
class FlatIndex {
 public:
  long Find(std::string_view key) const {
    auto it = map_.find(key);
    return it == map_.end() ? -1 : it->second;
  }
  void Add(std::string_view key, long value) { map_.emplace(key, value); }
  long FindOrAdd(std::string_view key, long value) { return map_.emplace(key, value).first->second; }

 private:
  std::unordered_map<std::string_view, long> map_;
};

// Widest net, part select or constant the reader takes; wider ones are taken
// as damaged input (the EDIF reader's bus limit).
constexpr long kMaxBits = 1L << 16;

constexpr std::int64_t kGnd = 0;    // bit of the constant 0
constexpr std::int64_t kVdd = 1;    // bit of the constant 1
constexpr std::int64_t kNoBit = -1; // x, z or nothing: left unconnected
constexpr std::int64_t kFirstNetBit = 2;

// A failure of the reading, with the line it concerns.
struct ReadError {
  long line;
  std::string text;
};

enum class Tok { kEnd, kIdent, kEscaped, kNumber, kString, kSym };

struct Token {
  Tok kind = Tok::kEnd;
  std::string_view text;
  long line = 0;
  bool Is(char c) const { return kind == Tok::kSym && text.size() == 1 && text[0] == c; }
  bool IsWord(std::string_view w) const { return kind == Tok::kIdent && text == w; }
};

bool IsIdentStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '$'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

class Lexer {
 public:
  explicit Lexer(std::string_view text) : s_(text) {}

  const Token& Peek() {
    if (!peeked_) {
      next_ = Scan();
      peeked_ = true;
    }
    return next_;
  }
  Token Next() {
    Token t = Peek();
    peeked_ = false;
    return t;
  }
  long line() { return Peek().line; }

 private:
  void SkipBlanksAndComments() {
    for (;;) {
      while (pos_ < s_.size() && IsSpace(s_[pos_])) {
        if (s_[pos_] == '\n') ++line_;
        ++pos_;
      }
      if (pos_ + 1 < s_.size() && s_[pos_] == '/' && s_[pos_ + 1] == '/') {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
        continue;
      }
      if (pos_ + 1 < s_.size() && s_[pos_] == '/' && s_[pos_ + 1] == '*') {
        long start = line_;
        std::size_t end = s_.find("*/", pos_ + 2);
        if (end == std::string_view::npos) throw ReadError{start, "a comment is not closed"};
        line_ += std::count(s_.begin() + static_cast<long>(pos_), s_.begin() + static_cast<long>(end), '\n');
        pos_ = end + 2;
        continue;
      }
      if (pos_ + 1 < s_.size() && s_[pos_] == '(' && s_[pos_ + 1] == '*' &&
          (pos_ + 2 >= s_.size() || s_[pos_ + 2] != ')')) {
        // An attribute: (* ... *), passed over.
        long start = line_;
        std::size_t end = s_.find("*)", pos_ + 2);
        if (end == std::string_view::npos) throw ReadError{start, "an attribute is not closed"};
        line_ += std::count(s_.begin() + static_cast<long>(pos_), s_.begin() + static_cast<long>(end), '\n');
        pos_ = end + 2;
        continue;
      }
      if (pos_ < s_.size() && s_[pos_] == '`') {
        // A compiler directive (`timescale, `default_nettype ...): its line.
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
        continue;
      }
      return;
    }
  }

  Token Scan() {
    SkipBlanksAndComments();
    Token t;
    t.line = line_;
    if (pos_ >= s_.size()) return t;
    const std::size_t start = pos_;
    char c = s_[pos_];
    if (IsIdentStart(c) || c == '$') {
      while (pos_ < s_.size() && IsIdentChar(s_[pos_])) ++pos_;
      t.kind = Tok::kIdent;
      t.text = s_.substr(start, pos_ - start);
      return t;
    }
    if (c == '\\') {
      ++pos_;
      while (pos_ < s_.size() && !IsSpace(s_[pos_])) ++pos_;
      t.kind = Tok::kEscaped;
      t.text = s_.substr(start + 1, pos_ - start - 1);
      if (t.text.empty()) throw ReadError{line_, "an escaped name is empty"};
      return t;
    }
    if (IsDigit(c) || c == '\'') {
      // [size] ['[s]base digits]; blanks may stand around the quote.
      while (pos_ < s_.size() && (IsDigit(s_[pos_]) || s_[pos_] == '_')) ++pos_;
      std::size_t after = pos_;
      while (after < s_.size() && (s_[after] == ' ' || s_[after] == '\t')) ++after;
      if (after < s_.size() && s_[after] == '\'') {
        pos_ = after + 1;
        if (pos_ < s_.size() && (s_[pos_] == 's' || s_[pos_] == 'S')) ++pos_;
        if (pos_ >= s_.size() || std::string_view("bBoOdDhH").find(s_[pos_]) == std::string_view::npos) {
          throw ReadError{line_, "a constant without its base"};
        }
        ++pos_;
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t')) ++pos_;
        std::size_t digits = pos_;
        while (pos_ < s_.size() &&
               (IsDigit(s_[pos_]) || std::string_view("abcdefABCDEFxXzZ?_").find(s_[pos_]) !=
                                         std::string_view::npos)) {
          ++pos_;
        }
        if (pos_ == digits) throw ReadError{line_, "a constant without digits"};
      }
      t.kind = Tok::kNumber;
      t.text = s_.substr(start, pos_ - start);
      return t;
    }
    if (c == '"') {
      std::size_t end = pos_ + 1;
      while (end < s_.size() && s_[end] != '"' && s_[end] != '\n') end += s_[end] == '\\' ? 2 : 1;
      if (end >= s_.size() || s_[end] != '"') throw ReadError{line_, "a string is not closed"};
      pos_ = end + 1;
      t.kind = Tok::kString;
      t.text = s_.substr(start, pos_ - start);
      return t;
    }
    ++pos_;
    t.kind = Tok::kSym;
    t.text = s_.substr(start, 1);
    return t;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  long line_ = 1;
  Token next_;
  bool peeked_ = false;
};

// An operand as written: a net (whole, one bit or a part) or constant bits.
struct Ref {
  std::string_view name;  // empty: constant
  int select = 0;         // 0 whole, 1 bit, 2 part
  long a = 0;
  long b = 0;
  std::string bits;  // constant: '0', '1' or 'x' per bit, most significant first
};

// A concatenation flattened, most significant operand first.
struct Expr {
  std::vector<Ref> refs;
};

struct VNet {
  std::string_view name;
  long msb = 0;
  long lsb = 0;
  bool vector = false;
  int dir = 0;  // 0 none, 1 input, 2 output, 3 inout
  std::int64_t first_bit = 0;
  long Width() const { return vector ? std::labs(msb - lsb) + 1 : 1; }
  // The bit number (0 = lsb) of index `i`, or -1 outside the range.
  long Offset(long i) const {
    if (!vector) return -1;
    long k = msb >= lsb ? i - lsb : lsb - i;
    return k >= 0 && k < Width() ? k : -1;
  }
  long Index(long k) const { return msb >= lsb ? lsb + k : lsb - k; }
};

struct Connection {
  std::string_view port;  // empty: positional
  Expr expr;
  bool empty = false;  // ".A()" or an empty position
};

struct VPin {
  std::uint32_t port_net;  // net of the referenced module
  std::uint32_t k;         // its bit
  std::int64_t bit;        // the bit of this module it is joined to, or kNoBit
};

struct InstanceText {
  std::string_view type;
  std::string_view name;
  long line = 0;
  std::vector<Connection> connections;
  std::size_t module = 0;  // the referenced module, once resolved
  std::vector<VPin> pins;
};

struct Assignment {
  Expr lhs;
  Expr rhs;
  long line = 0;
  // Resolved: bit j of the left side is joined to bit j of the right.
  std::vector<std::int64_t> lhs_bits;
  std::vector<std::int64_t> rhs_bits;
};

}  // namespace

struct VerilogModule {
  std::string_view name;
  long line = 0;
  bool defined = true;
  bool instantiated = false;
  std::vector<std::string_view> ports;  // in the order of the port list
  std::vector<VNet> nets;
  FlatIndex net_index;  // net name to its number in `nets`
  std::vector<std::string> mac_names;  // per net: its name in the macro file, once needed
  // Port bits whose header name had to be made unique in the cell, by bit.
  std::vector<std::pair<std::int64_t, std::string>> renamed_ports;
  std::vector<InstanceText> instances;
  std::vector<Assignment> assignments;
  std::int64_t bits = kFirstNetBit;
};

namespace {

bool IsVerilogExtension(std::string_view ext) {
  return EqualNoCase(ext, ".v") || EqualNoCase(ext, ".vg") || EqualNoCase(ext, ".vm");
}

// The name a Verilog name takes in the macro file: an escaped bus bit such
// as "a[3]" is named as the bus bit a[3] is ("a3"); "<" and ">", which the
// macro file reads as node and include marks, become "_".
std::string MacName(std::string_view name) {
  std::string out(name);
  std::size_t open = out.rfind('[');
  if (open != std::string::npos && open > 0 && out.back() == ']' && open + 2 < out.size() &&
      std::all_of(out.begin() + static_cast<long>(open) + 1, out.end() - 1, IsDigit)) {
    out.erase(out.size() - 1);
    out.erase(open, 1);
  }
  for (char& c : out) {
    if (c == '<' || c == '>') c = '_';
  }
  return out;
}

// Reads a plain decimal number (a range bound or a replication count).
long Decimal(const Token& t) {
  if (t.kind != Tok::kNumber || t.text.find('\'') != std::string_view::npos) {
    throw ReadError{t.line, "a plain number was expected, not \"" + std::string(t.text) + "\""};
  }
  long v = 0;
  for (char c : t.text) {
    if (c == '_') continue;
    if (v > kMaxBits * 16) throw ReadError{t.line, "the number " + std::string(t.text) + " is too large"};
    v = v * 10 + (c - '0');
  }
  return v;
}

// The bits of a constant, most significant first.
std::string ConstantBits(const Token& t) {
  std::string_view text = t.text;
  std::size_t quote = text.find('\'');
  long size = -1;
  if (quote == std::string_view::npos) {
    size = 32;
  } else if (quote > 0) {
    std::string_view digits = text.substr(0, quote);
    while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t')) digits.remove_suffix(1);
    size = 0;
    for (char c : digits) {
      if (c == '_') continue;
      size = size * 10 + (c - '0');
      if (size > kMaxBits) throw ReadError{t.line, "the constant " + std::string(text) + " is too wide"};
    }
    if (size == 0) throw ReadError{t.line, "the constant " + std::string(text) + " has no bits"};
  }
  char base = 'd';
  std::string_view value = text;
  if (quote != std::string_view::npos) {
    std::size_t at = quote + 1;
    if (text[at] == 's' || text[at] == 'S') ++at;
    base = ToLowerAscii(text[at]);
    value = text.substr(at + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  }
  std::string bits;  // least significant first while building
  if (base == 'd') {
    bool unknown = value.find_first_of("xXzZ?") != std::string_view::npos;
    std::uint64_t v = 0;
    for (char c : value) {
      if (c == '_' || unknown) continue;
      if (!IsDigit(c)) throw ReadError{t.line, "the constant " + std::string(text) + " is not decimal"};
      v = v * 10 + static_cast<std::uint64_t>(c - '0');
    }
    long n = size < 0 ? 32 : size;
    for (long i = 0; i < n; ++i) {
      bits.push_back(unknown ? 'x' : (i < 64 && ((v >> i) & 1u)) ? '1' : '0');
    }
  } else {
    int per = base == 'b' ? 1 : base == 'o' ? 3 : 4;
    for (std::size_t i = value.size(); i-- > 0;) {
      char c = value[i];
      if (c == '_') continue;
      char lower = ToLowerAscii(c);
      if (lower == 'x' || lower == 'z' || lower == '?') {
        bits.append(static_cast<std::size_t>(per), 'x');
        continue;
      }
      int digit = IsDigit(c) ? c - '0' : lower - 'a' + 10;
      if (digit >= (1 << per)) throw ReadError{t.line, "the constant " + std::string(text) + " has a digit beyond its base"};
      for (int b = 0; b < per; ++b) bits.push_back(((digit >> b) & 1) ? '1' : '0');
    }
    if (bits.size() > static_cast<std::size_t>(kMaxBits)) throw ReadError{t.line, "the constant is too wide"};
    if (size >= 0) {
      char fill = !bits.empty() && bits.back() == 'x' ? 'x' : '0';
      bits.resize(static_cast<std::size_t>(size), fill);
    }
  }
  std::reverse(bits.begin(), bits.end());
  return bits;
}

bool IsBehavioural(std::string_view w) {
  static const char* const kWords[] = {
      "always", "always_ff", "always_comb", "always_latch", "initial", "final", "function",
      "task", "generate", "specify", "for", "if", "case", "begin", "fork", "force", "release"};
  for (const char* k : kWords)
    if (w == k) return true;
  return false;
}

bool IsNetKind(std::string_view w) {
  static const char* const kWords[] = {"wire", "tri", "wand", "wor", "triand", "trior", "tri0",
                                       "tri1", "uwire", "reg", "logic", "supply0", "supply1"};
  for (const char* k : kWords)
    if (w == k) return true;
  return false;
}

bool IsSkippedDeclaration(std::string_view w) {
  static const char* const kWords[] = {"parameter", "localparam", "defparam", "specparam",
                                       "genvar", "integer", "real", "realtime", "time", "event"};
  for (const char* k : kWords)
    if (w == k) return true;
  return false;
}

class Parser {
 public:
  Parser(std::string_view text, std::vector<std::unique_ptr<VerilogModule>>& modules)
      : lex_(text), modules_(modules) {}

  void File() {
    for (;;) {
      Token t = lex_.Next();
      if (t.kind == Tok::kEnd) return;
      if (t.IsWord("module") || t.IsWord("macromodule")) {
        Module(t.line);
      } else if (t.Is(';')) {
        continue;
      } else {
        Refuse(t, "outside a module");
      }
    }
  }

 private:
  [[noreturn]] static void Refuse(const Token& t, const std::string& where) {
    if (t.kind == Tok::kEnd) throw ReadError{t.line, "the file ends " + where};
    if (t.kind == Tok::kIdent && IsBehavioural(t.text)) {
      throw ReadError{t.line, "\"" + std::string(t.text) +
                                  "\" (behavioural code) is not supported in a netlist"};
    }
    throw ReadError{t.line, "\"" + std::string(t.text) + "\" is not supported " + where};
  }

  Token Expect(char c, const std::string& where) {
    Token t = lex_.Next();
    if (!t.Is(c)) Refuse(t, where);
    return t;
  }

  std::string_view Name(const std::string& where) {
    Token t = lex_.Next();
    if (t.kind == Tok::kEscaped || (t.kind == Tok::kIdent && !IsBehavioural(t.text))) return t.text;
    Refuse(t, where);
  }

  // Passes over a balanced (...) whose "(" is next.
  void SkipParenthesised() {
    Token open = Expect('(', "here");
    int depth = 1;
    while (depth > 0) {
      Token t = lex_.Next();
      if (t.kind == Tok::kEnd) throw ReadError{open.line, "a \"(\" is not closed"};
      if (t.Is('(')) ++depth;
      if (t.Is(')')) --depth;
    }
  }

  void SkipStatement() {
    int depth = 0;
    for (;;) {
      Token t = lex_.Next();
      if (t.kind == Tok::kEnd) Refuse(t, "inside a declaration");
      if (t.Is('(') || t.Is('{') || t.Is('[')) ++depth;
      if (t.Is(')') || t.Is('}') || t.Is(']')) --depth;
      if (t.Is(';') && depth <= 0) return;
    }
  }

  // An optional [msb:lsb]; false when there is none.
  bool Range(long& msb, long& lsb) {
    if (!lex_.Peek().Is('[')) return false;
    lex_.Next();
    bool negative = false;
    if (lex_.Peek().Is('-')) { lex_.Next(); negative = true; }
    msb = Decimal(lex_.Next()) * (negative ? -1 : 1);
    Expect(':', "in a range");
    negative = false;
    if (lex_.Peek().Is('-')) { lex_.Next(); negative = true; }
    lsb = Decimal(lex_.Next()) * (negative ? -1 : 1);
    Expect(']', "in a range");
    if (std::labs(msb - lsb) >= kMaxBits) throw ReadError{lex_.line(), "the range is too wide"};
    return true;
  }

  // Declares (or completes the declaration of) net `name`.
  void Declare(const Token& at, std::string_view name, int dir, bool vector, long msb, long lsb) {
    long at_index = m_->net_index.FindOrAdd(name, static_cast<long>(m_->nets.size()));
    if (at_index == static_cast<long>(m_->nets.size())) {
      m_->nets.push_back(VNet{name, msb, lsb, vector, dir, 0});
      return;
    }
    VNet& n = m_->nets[static_cast<std::size_t>(at_index)];
    if (dir != 0) {
      if (n.dir != 0 && n.dir != dir) throw ReadError{at.line, std::string(name) + " is declared twice"};
      n.dir = dir;
    }
    if (vector) {
      if (n.vector && (n.msb != msb || n.lsb != lsb)) {
        throw ReadError{at.line, std::string(name) + " is declared with two ranges"};
      }
      n.vector = true;
      n.msb = msb;
      n.lsb = lsb;
    }
  }

  int Direction(const Token& t) {
    if (t.IsWord("input")) return 1;
    if (t.IsWord("output")) return 2;
    if (t.IsWord("inout")) return 3;
    return 0;
  }

  // After the direction (or net kind) keyword: [kind] [signed] [range].
  bool DeclarationType(long& msb, long& lsb) {
    while (lex_.Peek().kind == Tok::kIdent &&
           (IsNetKind(lex_.Peek().text) || lex_.Peek().text == "signed" ||
            lex_.Peek().text == "unsigned" || lex_.Peek().text == "var")) {
      lex_.Next();
    }
    return Range(msb, lsb);
  }

  void Module(long line) {
    modules_.push_back(std::make_unique<VerilogModule>());
    m_ = modules_.back().get();
    m_->line = line;
    m_->name = Name("as a module name");
    if (lex_.Peek().Is('#')) {
      lex_.Next();
      SkipParenthesised();
    }
    if (lex_.Peek().Is('(')) {
      lex_.Next();
      if (!lex_.Peek().Is(')')) PortList();
      Expect(')', "in the port list");
    }
    Expect(';', "after the port list");
    for (;;) {
      Token t = lex_.Next();
      if (t.IsWord("endmodule")) break;
      if (t.kind == Tok::kEnd) Refuse(t, "inside module " + std::string(m_->name));
      if (t.Is(';')) continue;
      int dir = Direction(t);
      if (dir != 0) {
        long msb = 0, lsb = 0;
        bool vector = DeclarationType(msb, lsb);
        for (;;) {
          Token n = lex_.Peek();
          std::string_view name = Name("in a declaration");
          Declare(n, name, dir, vector, msb, lsb);
          if (lex_.Peek().Is('=')) Refuse(lex_.Peek(), "in a port declaration");
          if (lex_.Peek().Is(',')) { lex_.Next(); continue; }
          Expect(';', "in a declaration");
          break;
        }
        continue;
      }
      if (t.kind == Tok::kIdent && IsNetKind(t.text)) {
        int supply = t.IsWord("supply0") ? 0 : t.IsWord("supply1") ? 1 : -1;
        long msb = 0, lsb = 0;
        bool vector = DeclarationType(msb, lsb);
        for (;;) {
          Token n = lex_.Peek();
          std::string_view name = Name("in a declaration");
          Declare(n, name, 0, vector, msb, lsb);
          if (supply >= 0) {
            Assignment a;
            a.line = n.line;
            a.lhs.refs.push_back(Ref{name, 0, 0, 0, {}});
            Ref c;
            c.bits.assign(static_cast<std::size_t>(vector ? std::labs(msb - lsb) + 1 : 1),
                          supply ? '1' : '0');
            a.rhs.refs.push_back(std::move(c));
            m_->assignments.push_back(std::move(a));
          }
          if (lex_.Peek().Is('=')) {
            lex_.Next();
            Assignment a;
            a.line = n.line;
            a.lhs.refs.push_back(Ref{name, 0, 0, 0, {}});
            a.rhs = Expression();
            m_->assignments.push_back(std::move(a));
          }
          if (lex_.Peek().Is(',')) { lex_.Next(); continue; }
          Expect(';', "in a declaration");
          break;
        }
        continue;
      }
      if (t.kind == Tok::kIdent && IsSkippedDeclaration(t.text)) {
        SkipStatement();
        continue;
      }
      if (t.IsWord("assign")) {
        if (lex_.Peek().Is('#')) Refuse(lex_.Peek(), "(a delay) in an assign");
        for (;;) {
          Assignment a;
          a.line = lex_.line();
          a.lhs = Expression();
          Expect('=', "in an assign");
          a.rhs = Expression();
          m_->assignments.push_back(std::move(a));
          if (lex_.Peek().Is(',')) { lex_.Next(); continue; }
          Expect(';', "in an assign");
          break;
        }
        continue;
      }
      if (t.kind == Tok::kEscaped || (t.kind == Tok::kIdent && !IsBehavioural(t.text))) {
        Instances(t);
        continue;
      }
      Refuse(t, "inside a module");
    }
  }

  void PortList() {
    if (Direction(lex_.Peek()) != 0) {
      // ANSI: each port declared where it is listed.
      int dir = 0;
      bool vector = false;
      long msb = 0, lsb = 0;
      for (;;) {
        Token t = lex_.Peek();
        int d = Direction(t);
        if (d != 0) {
          lex_.Next();
          dir = d;
          vector = DeclarationType(msb, lsb);
        } else if (t.kind == Tok::kIdent && IsNetKind(t.text)) {
          vector = DeclarationType(msb, lsb);
        }
        Token n = lex_.Peek();
        std::string_view name = Name("in the port list");
        Declare(n, name, dir, vector, msb, lsb);
        m_->ports.push_back(name);
        if (!lex_.Peek().Is(',')) return;
        lex_.Next();
      }
    }
    for (;;) {
      std::string_view name = Name("in the port list");
      m_->ports.push_back(name);
      if (!lex_.Peek().Is(',')) return;
      lex_.Next();
    }
  }

  void Instances(const Token& type) {
    if (lex_.Peek().Is('#')) {
      lex_.Next();
      if (lex_.Peek().Is('(')) {
        SkipParenthesised();
      } else {
        lex_.Next();  // a plain delay value
      }
    }
    for (;;) {
      InstanceText inst;
      inst.type = type.text;
      inst.line = lex_.line();
      if (lex_.Peek().Is('(')) Refuse(lex_.Peek(), "(an instance without a name)");
      inst.name = Name("as an instance name");
      if (lex_.Peek().Is('[')) Refuse(lex_.Peek(), "(an array of instances)");
      Expect('(', "after an instance name");
      if (!lex_.Peek().Is(')')) {
        if (lex_.Peek().Is('.')) {
          for (;;) {
            Expect('.', "in named connections");
            Connection c;
            c.port = Name("as a port name");
            Expect('(', "in a named connection");
            if (lex_.Peek().Is(')')) {
              c.empty = true;
            } else {
              c.expr = Expression();
            }
            Expect(')', "in a named connection");
            inst.connections.push_back(std::move(c));
            if (!lex_.Peek().Is(',')) break;
            lex_.Next();
          }
        } else {
          for (;;) {
            Connection c;
            if (lex_.Peek().Is(',') || lex_.Peek().Is(')')) {
              c.empty = true;
            } else {
              c.expr = Expression();
            }
            inst.connections.push_back(std::move(c));
            if (!lex_.Peek().Is(',')) break;
            lex_.Next();
          }
        }
      }
      Expect(')', "in the connections");
      m_->instances.push_back(std::move(inst));
      if (lex_.Peek().Is(',')) {
        lex_.Next();
        continue;
      }
      Expect(';', "after an instance");
      return;
    }
  }

  Expr Expression() {
    Expr e;
    Primary(e);
    return e;
  }

  void Primary(Expr& e) {
    Token t = lex_.Next();
    if (t.kind == Tok::kIdent || t.kind == Tok::kEscaped) {
      if (t.kind == Tok::kIdent && IsBehavioural(t.text)) Refuse(t, "in an expression");
      Ref r;
      r.name = t.text;
      if (lex_.Peek().Is('[')) {
        lex_.Next();
        r.a = SignedDecimal();
        r.select = 1;
        if (lex_.Peek().Is(':')) {
          lex_.Next();
          r.b = SignedDecimal();
          r.select = 2;
        }
        Expect(']', "in a select (only constant bit and part selects are read)");
      }
      e.refs.push_back(std::move(r));
    } else if (t.kind == Tok::kNumber) {
      Ref r;
      r.bits = ConstantBits(t);
      e.refs.push_back(std::move(r));
    } else if (t.Is('{')) {
      if (lex_.Peek().kind == Tok::kNumber && lex_.Peek().text.find('\'') == std::string_view::npos) {
        // A replication {N{...}} or a concatenation that starts with a number.
        Token count = lex_.Next();
        if (lex_.Peek().Is('{')) {
          lex_.Next();
          Expr inner;
          for (;;) {
            Primary(inner);
            if (!lex_.Peek().Is(',')) break;
            lex_.Next();
          }
          Expect('}', "in a replication");
          Expect('}', "in a replication");
          long n = Decimal(count);
          if (n * static_cast<long>(inner.refs.size()) > kMaxBits) throw ReadError{t.line, "the replication is too wide"};
          for (long i = 0; i < n; ++i) e.refs.insert(e.refs.end(), inner.refs.begin(), inner.refs.end());
          return;
        }
        Ref r;
        r.bits = ConstantBits(count);
        e.refs.push_back(std::move(r));
        if (lex_.Peek().Is(',')) lex_.Next();
      }
      if (!lex_.Peek().Is('}')) {
        for (;;) {
          Primary(e);
          if (!lex_.Peek().Is(',')) break;
          lex_.Next();
        }
      }
      Expect('}', "in a concatenation (only nets, selects and constants are read)");
    } else {
      Refuse(t, "in an expression (only nets, selects, concatenations and constants are read)");
    }
    const Token& next = lex_.Peek();
    if (!(next.Is(',') || next.Is(')') || next.Is('}') || next.Is(';') || next.Is('='))) {
      Refuse(next, "in an expression (only nets, selects, concatenations and constants are read)");
    }
  }

  long SignedDecimal() {
    bool negative = false;
    if (lex_.Peek().Is('-')) {
      lex_.Next();
      negative = true;
    }
    long v = Decimal(lex_.Next());
    return negative ? -v : v;
  }

  Lexer lex_;
  std::vector<std::unique_ptr<VerilogModule>>& modules_;
  VerilogModule* m_ = nullptr;
};

// Resolves the names of every module: bits for the nets, the referenced
// module and pins of every instance (leaf modules made up as they are met).
class Resolver {
 public:
  explicit Resolver(std::vector<std::unique_ptr<VerilogModule>>& modules) : modules_(modules) {}

  void Run() {
    const std::size_t defined = modules_.size();
    for (std::size_t k = 0; k < defined; ++k) {
      by_name_.FindOrAdd(modules_[k]->name, static_cast<long>(k));  // the first of a name counts
      Prepare(*modules_[k]);
    }
    for (std::size_t k = 0; k < defined; ++k) {
      VerilogModule& m = *modules_[k];
      for (InstanceText& inst : m.instances) Bind(m, inst);
    }
  }

 private:
  void Prepare(VerilogModule& m) {
    for (std::string_view p : m.ports) {
      long it = m.net_index.Find(p);
      if (it < 0 || m.nets[static_cast<std::size_t>(it)].dir == 0) {
        throw ReadError{m.line, "port " + std::string(p) + " of module " + std::string(m.name) +
                                    " has no input, output or inout declaration"};
      }
    }
    for (VNet& n : m.nets) {
      n.first_bit = m.bits;
      m.bits += n.Width();
    }
  }

  // The bits of `e` in module `m`, most significant first.
 public:
  void Bits(VerilogModule& m, const Expr& e, long line, std::vector<std::int64_t>& bits) {
    for (const Ref& r : e.refs) {
      if (r.name.empty()) {
        for (char c : r.bits) bits.push_back(c == '0' ? kGnd : c == '1' ? kVdd : kNoBit);
        continue;
      }
      long it = m.net_index.Find(r.name);
      if (it < 0) {
        if (r.select != 0) throw ReadError{line, std::string(r.name) + " is not declared"};
        // An implicit net.
        it = static_cast<long>(m.nets.size());
        m.net_index.Add(r.name, it);
        m.nets.push_back(VNet{r.name, 0, 0, false, 0, m.bits});
        m.bits += 1;
      }
      const VNet& n = m.nets[static_cast<std::size_t>(it)];
      if (r.select == 0) {
        for (long k = n.Width() - 1; k >= 0; --k) bits.push_back(n.first_bit + k);
        continue;
      }
      long a = n.Offset(r.a);
      long b = r.select == 2 ? n.Offset(r.b) : a;
      if (!n.vector && r.a == 0 && r.select == 1) a = b = 0;
      if (a < 0 || b < 0 || a < b) {
        throw ReadError{line, "the select " + std::string(r.name) + "[" + std::to_string(r.a) +
                                  (r.select == 2 ? ":" + std::to_string(r.b) : "") +
                                  "] is outside its declaration or reversed"};
      }
      for (long k = a; k >= b; --k) bits.push_back(n.first_bit + k);
    }
    if (bits.size() > static_cast<std::size_t>(kMaxBits)) throw ReadError{line, "the expression is too wide"};
  }

 private:
  static bool AllConstant(const Expr& e) {
    return std::all_of(e.refs.begin(), e.refs.end(), [](const Ref& r) { return r.name.empty(); });
  }

  std::size_t Leaf(std::string_view type) {
    modules_.push_back(std::make_unique<VerilogModule>());
    VerilogModule& leaf = *modules_.back();
    leaf.name = type;
    leaf.defined = false;
    std::size_t k = modules_.size() - 1;
    by_name_.Add(type, static_cast<long>(k));
    return k;
  }

  void Bind(VerilogModule& m, InstanceText& inst) {
    long found = by_name_.Find(inst.type);
    inst.module = found < 0 ? Leaf(inst.type) : static_cast<std::size_t>(found);
    VerilogModule& child = *modules_[inst.module];
    child.instantiated = true;
    const bool positional = !inst.connections.empty() && inst.connections[0].port.empty();
    if (positional && !child.defined) {
      throw ReadError{inst.line, "instance " + std::string(inst.name) + " connects module " +
                                     std::string(inst.type) +
                                     " by position, but the module is not defined in the file"};
    }
    if (positional && inst.connections.size() > child.ports.size()) {
      throw ReadError{inst.line, "instance " + std::string(inst.name) + " has more connections than " +
                                     std::string(inst.type) + " has ports"};
    }
    for (std::size_t c = 0; c < inst.connections.size(); ++c) {
      const Connection& conn = inst.connections[c];
      std::string_view port = positional ? child.ports[c] : conn.port;
      long it = child.net_index.Find(port);
      std::vector<std::int64_t>& bits = bits_;
      bits.clear();
      if (!conn.empty) Bits(m, conn.expr, inst.line, bits);
      if (!child.defined && it < 0) {
        // A port of a leaf cell, met for the first time: as wide as its
        // connection (an empty one counts one bit).
        long w = std::max<long>(1, static_cast<long>(bits.size()));
        it = static_cast<long>(child.nets.size());
        child.net_index.Add(port, it);
        child.nets.push_back(VNet{port, w - 1, 0, w > 1, 3, child.bits});
        child.bits += w;
        child.ports.push_back(port);
      }
      if (it < 0 || (child.defined && child.nets[static_cast<std::size_t>(it)].dir == 0)) {
        throw ReadError{inst.line, std::string(inst.type) + " has no port " + std::string(port)};
      }
      if (conn.empty) continue;
      const VNet& pn = child.nets[static_cast<std::size_t>(it)];
      const long w = pn.Width();
      if (static_cast<long>(bits.size()) != w) {
        if (!AllConstant(conn.expr)) {
          throw ReadError{inst.line, "port " + std::string(port) + " of " + std::string(inst.name) +
                                         " is " + std::to_string(w) + " bits wide, its connection " +
                                         std::to_string(bits.size())};
        }
        // A constant is cut or filled with 0 on the left, as Verilog does.
        while (static_cast<long>(bits.size()) > w) bits.erase(bits.begin());
        while (static_cast<long>(bits.size()) < w) bits.insert(bits.begin(), kGnd);
      }
      for (long j = 0; j < w; ++j) {
        inst.pins.push_back(VPin{static_cast<std::uint32_t>(it), static_cast<std::uint32_t>(w - 1 - j),
                                bits[static_cast<std::size_t>(j)]});
      }
    }
  }

  std::vector<std::unique_ptr<VerilogModule>>& modules_;
  FlatIndex by_name_;  // module name to its number (the first of a name)
  std::vector<std::int64_t> bits_;  // reused from connection to connection
};

std::int64_t Root(std::vector<std::int64_t>& parent, std::int64_t b) {
  while (parent[static_cast<std::size_t>(b)] != b) {
    std::int64_t up = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(b)])];
    parent[static_cast<std::size_t>(b)] = up;
    b = up;
  }
  return b;
}

}  // namespace

bool IsVerilogPath(std::string_view path) {
  std::size_t dot = path.rfind('.');
  std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return false;
  return IsVerilogExtension(path.substr(dot));
}

VerilogNetlist::VerilogNetlist() = default;
VerilogNetlist::~VerilogNetlist() = default;

bool VerilogNetlist::Parse(std::string text) {
  text_ = std::move(text);
  modules_.clear();
  order_.clear();
  try {
    Parser parser(text_, modules_);
    parser.File();
    Resolver resolver(modules_);
    resolver.Run();
    // Assignments are resolved to bits here, so that every error is found
    // before anything is written.
    for (auto& m : modules_) {
      for (Assignment& a : m->assignments) {
        for (const Ref& r : a.lhs.refs) {
          if (r.name.empty()) throw ReadError{a.line, "an assign to a constant"};
        }
        std::vector<std::int64_t> lhs, rhs;
        resolver.Bits(*m, a.lhs, a.line, lhs);
        resolver.Bits(*m, a.rhs, a.line, rhs);
        // Right-aligned; a shorter right side is filled with 0, as Verilog does.
        for (std::size_t j = 0; j < lhs.size(); ++j) {
          std::size_t from_right = lhs.size() - 1 - j;
          a.lhs_bits.push_back(lhs[j]);
          a.rhs_bits.push_back(from_right < rhs.size() ? rhs[rhs.size() - 1 - from_right] : kGnd);
        }
        a.lhs.refs.clear();
        a.rhs.refs.clear();
      }
    }
  } catch (const ReadError& e) {
    error_ = e.text;
    error_line_ = e.line;
    modules_.clear();
    return false;
  }
  // Leaf modules first, in the order of their first use; then the defined
  // modules, each after those it instantiates.
  std::vector<int> state(modules_.size(), 0);
  for (std::size_t k = 0; k < modules_.size(); ++k) {
    if (!modules_[k]->defined) {
      order_.push_back(k);
      state[k] = 2;
    }
  }
  std::vector<std::pair<std::size_t, std::size_t>> stack;
  for (std::size_t k = 0; k < modules_.size(); ++k) {
    if (state[k] != 0) continue;
    stack.push_back({k, 0});
    state[k] = 1;
    while (!stack.empty()) {
      auto& [mod, next] = stack.back();
      const VerilogModule& m = *modules_[mod];
      if (next < m.instances.size()) {
        std::size_t child = m.instances[next++].module;
        if (state[child] == 0) {
          state[child] = 1;
          stack.push_back({child, 0});
        }
        continue;
      }
      state[mod] = 2;
      order_.push_back(mod);
      stack.pop_back();
    }
  }
  return true;
}

bool VerilogNetlist::NamesVcc() const {
  for (const auto& m : modules_) {
    for (const VNet& n : m->nets) {
      if (EqualNoCase(MacName(n.name), "VCC")) return true;
    }
  }
  return false;
}

std::string VerilogNetlist::Top() const {
  for (std::size_t k = modules_.size(); k-- > 0;) {
    if (modules_[k]->defined && !modules_[k]->instantiated) return std::string(modules_[k]->name);
  }
  return "-none-";
}

namespace {

// The name of bit `k` of net `n` of module `m` in the macro file.
void AppendBitName(VerilogModule& m, std::size_t n, long k, std::string& out) {
  for (const auto& [bit, name] : m.renamed_ports) {
    if (bit == m.nets[n].first_bit + k) {
      out += name;
      return;
    }
  }
  if (m.mac_names.size() < m.nets.size()) m.mac_names.resize(m.nets.size());
  std::string& base = m.mac_names[n];
  if (base.empty()) base = MacName(m.nets[n].name);
  out += base;
  if (m.nets[n].vector) out += std::to_string(m.nets[n].Index(k));
}

}  // namespace

bool VerilogNetlist::FillCell(std::size_t k, const ReadOptions& options, Netlist& netlist) {
  VerilogModule& m = *modules_[order_[k]];
  Body& body = netlist.body;
  body.Clear();
  Cell cell;
  cell.name = MacName(m.name);
  body.cell = cell.name;
  auto stop = [&](const std::string& text, const std::string& caption) {
    netlist.Note(Diagnostic::Severity::kError, "", text, caption, m.line);
    return false;
  };
  m.renamed_ports.clear();
  // The header: each port's bits from the lowest index up; supply names
  // are left out, as the EDIF reader leaves them out.
  struct PortBit {
    std::int64_t bit;
    std::string name;
  };
  std::vector<PortBit> port_bits;
  std::string bit_name;
  for (std::string_view p : m.ports) {
    const std::size_t net = static_cast<std::size_t>(m.net_index.Find(p));
    const VNet& n = m.nets[net];
    Port port;
    port.direction = static_cast<PortDirection>(n.dir);
    if (n.vector) {
      port.bus = static_cast<std::int32_t>(cell.buses.size());
      cell.buses.push_back({std::string(n.name), static_cast<std::int32_t>(n.msb), n.msb >= n.lsb});
    }
    for (long step = 0; step < n.Width(); ++step) {
      long k_bit = n.msb >= n.lsb ? step : n.Width() - 1 - step;  // ascending index
      bit_name.clear();
      AppendBitName(m, net, k_bit, bit_name);
      std::string name = options.vcc_to_vdd && EqualNoCase(bit_name, "VCC") ? "VDD" : bit_name;
      if (n.vector) port.member = static_cast<std::int32_t>(std::labs(n.Index(k_bit) - n.msb));
      // Supply ports stay out of the header and keep the (global) supply
      // name; the others are made unique in the cell, as the EDIF reader
      // makes them (bus bit x1 of x[1:0] beside a port x1).
      port.supply = !n.vector && IsSupplyName(name);
      if (!port.supply) {
        std::string unique = body.names.Unique(name);
        if (unique != bit_name) m.renamed_ports.emplace_back(n.first_bit + k_bit, unique);
        name = std::move(unique);
      }
      port.renamed = !n.vector && name != n.name;
      if (port.renamed) {
        cell.original_names.emplace_back(static_cast<std::int32_t>(cell.ports.size()),
                                         std::string(n.name));
      }
      port_bits.push_back({n.first_bit + k_bit, name});
      cell.AddPort(name, port);
    }
  }
  if (static_cast<long>(m.instances.size()) > options.limits.instances) {
    return stop("Too many instances in this cell", cell.name);
  }
  for (const InstanceText& inst : m.instances) {
    body.instances.push_back({MacName(inst.name), MacName(modules_[inst.module]->name)});
    if (body.instances.back().name != inst.name) {
      body.original_names.emplace_back(static_cast<std::int32_t>(body.instances.size() - 1),
                                        std::string(inst.name));
    }
  }
  if (m.defined) {
    std::vector<std::int64_t> parent(static_cast<std::size_t>(m.bits));
    for (std::size_t b = 0; b < parent.size(); ++b) parent[b] = static_cast<std::int64_t>(b);
    for (const Assignment& a : m.assignments) {
      for (std::size_t j = 0; j < a.lhs_bits.size(); ++j) {
        std::int64_t lb = a.lhs_bits[j];
        std::int64_t rb = a.rhs_bits[j];
        if (lb == kNoBit || rb == kNoBit) continue;
        std::int64_t x = Root(parent, lb);
        std::int64_t y = Root(parent, rb);
        if (x == y) continue;
        // The constants stay roots, so a class holding one is known by it.
        if (x <= kVdd) std::swap(x, y);
        parent[static_cast<std::size_t>(x)] = y;
      }
    }
    // Net number per class root, in the order the classes are met: the
    // module's ports first, then the pins of the instances.
    std::vector<std::int32_t> net_of(parent.size(), -1);
    std::vector<std::int64_t> root_of_net;
    std::vector<bool> named_by_port;
    auto net_for = [&](std::int64_t bit) -> std::size_t {
      std::int64_t root = Root(parent, bit);
      std::int32_t& n = net_of[static_cast<std::size_t>(root)];
      if (n < 0) {
        n = static_cast<std::int32_t>(body.nets.size());
        body.nets.emplace_back();
        root_of_net.push_back(root);
        named_by_port.push_back(false);
      }
      return static_cast<std::size_t>(n);
    };
    for (const PortBit& pb : port_bits) {
      const std::size_t n = net_for(pb.bit);
      kalvor::Net& entry = body.nets[n];
      entry.pins.push_back({kalvor::Pin::kOwn, body.PortName(pb.name)});
      ++entry.fanout;
      if (!named_by_port[n]) {
        named_by_port[n] = true;
        if (root_of_net[n] <= kVdd) {
          netlist.Note(Diagnostic::Severity::kNote, "tied to a constant",
                       Format("Port %s of module %s is tied to the constant %s, which the macro "
                              "file cannot show: the port is left undriven.",
                              pb.name.c_str(), cell.name.c_str(), root_of_net[n] == kGnd ? "0" : "1"),
                       "Warning:", m.line);
        }
        entry.name = pb.name;
      } else if (!EqualNoCase(entry.name, pb.name)) {
        NoteWiredTogether(netlist, entry.name, pb.name, m.line);
      }
    }
    for (std::size_t i = 0; i < m.instances.size(); ++i) {
      const InstanceText& inst = m.instances[i];
      VerilogModule& child = *modules_[inst.module];
      for (const VPin& pin : inst.pins) {
        if (pin.bit == kNoBit) continue;
        kalvor::Net& entry = body.nets[net_for(pin.bit)];
        bit_name.clear();
        AppendBitName(child, pin.port_net, static_cast<long>(pin.k), bit_name);
        entry.pins.push_back({static_cast<std::int32_t>(i), body.PortName(bit_name)});
        ++entry.fanout;
      }
    }
    if (static_cast<long>(body.nets.size()) > options.limits.nets) {
      return stop("Too many nodes in this cell", cell.name);
    }
    // Names of the nets no port names: the constant, or the first declared
    // bit of the class, made unique in the cell.
    std::vector<std::int64_t> lowest(body.nets.size(), -1);
    for (std::int64_t b = 0; b < m.bits; ++b) {
      std::int32_t n = net_of[static_cast<std::size_t>(Root(parent, b))];
      if (n >= 0 && lowest[static_cast<std::size_t>(n)] < 0) lowest[static_cast<std::size_t>(n)] = b;
    }
    for (std::size_t n = 0; n < body.nets.size(); ++n) {
      if (named_by_port[n]) continue;
      std::string name;
      if (lowest[n] <= kVdd) {
        name = lowest[n] == kGnd ? "GND" : "VDD";
      } else {
        // The nets hold their bits in ascending blocks.
        auto holder = std::upper_bound(m.nets.begin(), m.nets.end(), lowest[n],
                                       [](std::int64_t b, const VNet& v) { return b < v.first_bit; });
        --holder;
        AppendBitName(m, static_cast<std::size_t>(holder - m.nets.begin()),
                      static_cast<long>(lowest[n] - holder->first_bit), name);
        // A wire named as a supply stays the global supply node.
        if (!IsSupplyName(name)) name = body.names.Unique(name);
      }
      body.nets[n].name = std::move(name);
    }
  }
  if (netlist.FindCell(cell.name) >= 0) {
    netlist.Note(Diagnostic::Severity::kWarning, "duplicate cell", "Warning, duplicate cell name!",
                 cell.name, m.line);
  }
  if (static_cast<long>(netlist.cells.size()) >= options.limits.cells) {
    return stop("Too many cells", "");
  }
  netlist.AddCell(std::move(cell));
  return true;
}

VerilogReader::VerilogReader(VerilogNetlist& parsed, const ReadOptions& options, Netlist& netlist)
    : parsed_(parsed), options_(options), netlist_(netlist) {}

ReadStep VerilogReader::Next() {
  if (next_ == parsed_.CellCount()) {
    if (!done_ && parsed_.Top() != "-none-") {
      netlist_.has_design = true;
      netlist_.top = parsed_.Top();
    }
    done_ = true;
    return ReadStep::kEnd;
  }
  if (options_.keep_going && !options_.keep_going()) return ReadStep::kFailed;
  return parsed_.FillCell(next_++, options_, netlist_) ? ReadStep::kCell : ReadStep::kFailed;
}

}  // namespace kalvor
