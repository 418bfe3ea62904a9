#include "import/verilog_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <deque>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "mac/macfile.h"
#include "netlist/cell_uses.h"
#include "netlist/macro_name.h"
#include "text/file.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// Widest net, part select or constant the reader takes; wider ones are taken
// as damaged input (the EDIF reader's bus limit).
constexpr long kMaxBits = 1L << 16;
// Braces nested deeper than this are refused (each level is a call).
constexpr int kMaxNesting = 256;

constexpr std::int64_t kGnd = 0;    // bit of the constant 0
constexpr std::int64_t kVdd = 1;    // bit of the constant 1
constexpr std::int64_t kNoBit = -1; // x, z or nothing: left unconnected
constexpr std::int64_t kFirstNetBit = 2;
constexpr std::int64_t kMaxModuleBits = INT32_MAX;

// A failure of the reading, with the line it concerns. `behavioural`:
// code no netlist holds, which makes its module a black box.
struct ReadError {
  long line;
  std::string text;
  bool behavioural = false;
};

// The first pass binds the instances as it reads them while it can (the
// modules they use defined before them, the nets declared before them);
// when it cannot, the file is read again and bound in a pass of its own.
struct Restart {};

enum class Tok { kEnd, kIdent, kEscaped, kNumber, kString, kSym };

struct Token {
  std::string_view text;  // valid until the lexer's next Mark
  long line = 0;
  Tok kind = Tok::kEnd;
  bool Is(char c) const { return kind == Tok::kSym && text.size() == 1 && text[0] == c; }
  bool IsWord(std::string_view w) const { return kind == Tok::kIdent && text == w; }
};

// Character classes, looked up once per byte.
enum : std::uint8_t {
  kSpaceChar = 1,
  kIdentStartChar = 2,
  kIdentChar = 4,
  kDigitChar = 8,
  kSkipStartChar = 16,  // may begin a comment, an attribute or a directive
  kPlainChar = 32,      // in a name, a number, a select, a concatenation or a list
};
constexpr std::array<std::uint8_t, 257> kCharClass = [] {
  std::array<std::uint8_t, 257> t{};  // [0] is end of file (-1)
  for (int c = 0; c < 256; ++c) {
    std::uint8_t k = 0;
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') k |= kSpaceChar;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_') k |= kIdentStartChar | kIdentChar;
    if (c >= '0' && c <= '9') k |= kDigitChar | kIdentChar;
    if (c == '$') k |= kIdentChar;
    if (c == '/' || c == '(' || c == '`') k |= kSkipStartChar;
    if ((k & (kSpaceChar | kIdentChar)) || c == '[' || c == ']' || c == ':' || c == ',' || c == '{' ||
        c == '}') {
      k |= kPlainChar;
    }
    t[static_cast<std::size_t>(c) + 1] = k;
  }
  return t;
}();
// `c` is a byte, -1 (the end of the file) or a plain char (negative above 127).
bool Is(int c, std::uint8_t kind) {
  const std::size_t at = c == -1 ? 0 : static_cast<std::size_t>(static_cast<unsigned char>(c)) + 1;
  return (kCharClass[at] & kind) != 0;
}
bool IsIdentStart(int c) { return Is(c, kIdentStartChar); }
bool IsIdentChar(int c) { return Is(c, kIdentChar); }
bool IsDigit(int c) { return Is(c, kDigitChar); }
bool IsSpace(int c) { return Is(c, kSpaceChar); }
bool OneOf(int c, std::string_view set) {
  return c >= 0 && set.find(static_cast<char>(c)) != std::string_view::npos;
}

// Tokens of the file read through a window of it. A token's text stays
// where it is until Mark: a piece read in the middle of a statement goes
// into another window and the old one is kept until then.
class Lexer {
 public:
  // `defines`: the macros `define has named so far (kept across lexers).
  Lexer(File& in, std::unordered_set<std::string>& defines) : in_(in), defines_(defines) {}

  // Reads on from `offset`, which is on line `line`.
  void Seek(std::int64_t offset, long line) {
    in_.Seek(offset);
    base_ = offset;
    s_ = {};
    pos_ = start_ = 0;
    line_ = line;
    peeked_ = eof_ = false;
    retired_.clear();
    conditions_.clear();
  }
  // No token read so far is looked at again.
  void Mark() {
    if (!retired_.empty() && spare_.empty()) spare_ = std::move(retired_.back());
    retired_.clear();
  }

  const Token& Peek() {
    if (!peeked_) {
      next_ = Scan();
      peeked_ = true;
    }
    return next_;
  }
  Token Next() {
    if (!peeked_) return Scan();
    peeked_ = false;
    return next_;
  }
  long line() { return Peek().line; }
  // Passes over the plain bytes that follow (names, numbers, blanks,
  // selects, braces and commas: tokens a reader that has read this text
  // before skips), up to the first other byte or the end of the window.
  void SkipPlain() {
    if (peeked_) return;
    const char* p = s_.data() + pos_;
    const char* const end = s_.data() + s_.size();
    long line = line_;
    for (; p < end && Is(static_cast<unsigned char>(*p), kPlainChar); ++p) line += *p == '\n';
    line_ = line;
    start_ = pos_ = static_cast<std::size_t>(p - s_.data());
  }
  // The offset in the file of `t`, the token Next returned last.
  std::int64_t Offset(const Token& t) const { return base_ + (t.text.data() - s_.data()); }

 private:
  static constexpr std::size_t kPiece = 1 << 18;

  // The byte `k` after the position, or -1 past the end of the file.
  int At(std::size_t k) {
    if (pos_ + k < s_.size()) return static_cast<unsigned char>(s_[pos_ + k]);
    while (pos_ + k >= s_.size()) {
      if (!More()) return -1;
    }
    return static_cast<unsigned char>(s_[pos_ + k]);
  }
  // Reads a piece into a new window that begins with the token being read.
  [[gnu::noinline]] bool More() {
    if (eof_) return false;
    const std::size_t tail = s_.size() - start_;
    const std::size_t piece = std::max(kPiece, tail);  // a long token is copied O(1) times a byte
    std::vector<char> window = std::move(spare_);
    spare_ = {};
    if (window.size() < tail + piece) window.resize(tail + piece);
    std::copy(s_.begin() + static_cast<long>(start_), s_.end(), window.data());
    const std::size_t n = in_.Read(window.data() + tail, piece);
    if (n == 0) {
      eof_ = true;
      spare_ = std::move(window);
      return false;
    }
    if (!buf_.empty()) retired_.push_back(std::move(buf_));
    buf_ = std::move(window);
    s_ = std::string_view(buf_.data(), tail + n);
    base_ += static_cast<std::int64_t>(start_);
    pos_ -= start_;
    start_ = 0;
    return true;
  }
  // Passes over a comment or an attribute, up to its closing c0 c1.
  void SkipTo(char c0, char c1, const char* what) {
    const long start = line_;
    pos_ += 2;
    for (;;) {
      start_ = pos_;
      int c = At(0);
      if (c < 0) throw ReadError{start, std::string(what) + " is not closed"};
      if (c == c0 && At(1) == c1) break;
      if (c == '\n') ++line_;
      ++pos_;
    }
    pos_ += 2;
  }

  void SkipBlanksAndComments() {
    for (;;) {
      start_ = pos_;
      int c = At(0);
      while (IsSpace(c)) {
        // Within the window, without At's check per byte.
        const char* p = s_.data() + pos_;
        const char* const end = s_.data() + s_.size();
        for (; p < end && IsSpace(static_cast<unsigned char>(*p)); ++p) line_ += *p == '\n';
        start_ = pos_ = static_cast<std::size_t>(p - s_.data());
        c = At(0);
      }
      if (!Is(c, kSkipStartChar)) return;
      if (c == '/' && At(1) == '/') {
        while ((c = At(0)) >= 0 && c != '\n') start_ = ++pos_;
        continue;
      }
      if (c == '/' && At(1) == '*') {
        SkipTo('*', '/', "a comment");
        continue;
      }
      if (c == '(' && At(1) == '*' && At(2) != ')') {
        // An attribute: (* ... *), passed over.
        SkipTo('*', ')', "an attribute");
        continue;
      }
      if (c == '`') {
        Directive();
        continue;
      }
      if (c >= 0 && !Active()) {  // in a branch `ifdef leaves out
        if (c == '\n') ++line_;
        start_ = ++pos_;
        continue;
      }
      return;
    }
  }

  // An `ifdef/`ifndef branch: whether its text is read, whether a branch
  // of it has been taken, whether the text around it is read.
  struct Condition {
    bool active = true;
    bool taken = false;
    bool outer = true;
  };
  bool Active() const { return conditions_.empty() || conditions_.back().active; }

  // The rest of the line from the position (a `define's with its
  // continuations); the position moves to its end.
  std::string RestOfLine(bool continued) {
    std::string text;
    for (int c; (c = At(0)) >= 0;) {
      if (c == '\n') {
        if (!continued || text.empty() || text.back() != '\\') break;
        ++line_;
      }
      text += static_cast<char>(c);
      start_ = ++pos_;
    }
    return text;
  }

  // A compiler directive: conditions and macro names are followed (an
  // undefined name takes the `else branch); an encrypted netlist is
  // refused; any other directive (`timescale, `default_nettype ...) is
  // passed over with its line.
  void Directive() {
    const long line = line_;
    start_ = ++pos_;
    std::string word;
    while (IsIdentChar(At(0))) {
      word += static_cast<char>(At(0));
      start_ = ++pos_;
    }
    std::string rest = RestOfLine(word == "define");
    std::size_t from = rest.find_first_not_of(" \t");
    std::string name = from == std::string::npos ? "" : rest.substr(from);
    name = name.substr(0, name.find_first_of(" \t\r("));
    const bool defined = defines_.count(name) != 0;
    if (word == "ifdef" || word == "ifndef") {
      const bool take = defined == (word == "ifdef");
      conditions_.push_back({Active() && take, take, Active()});
    } else if (word == "elsif" && !conditions_.empty()) {
      Condition& k = conditions_.back();
      k.active = k.outer && !k.taken && defined;
      k.taken = k.taken || defined;
    } else if (word == "else" && !conditions_.empty()) {
      Condition& k = conditions_.back();
      k.active = k.outer && !k.taken;
      k.taken = true;
    } else if (word == "endif" && !conditions_.empty()) {
      conditions_.pop_back();
    } else if (!Active()) {
    } else if (word == "define" && !name.empty()) {
      defines_.insert(name);
    } else if (word == "undef") {
      defines_.erase(name);
    } else if (word == "protected" ||
               (word == "pragma" && rest.find("protect") != std::string::npos &&
                (rest.find("begin_protected") != std::string::npos ||
                 rest.find("data_block") != std::string::npos))) {
      throw ReadError{line, "the netlist is encrypted (`" + word +
                                (word == "pragma" ? " protect" : "") +
                                "): an encrypted netlist cannot be read"};
    }
  }

  Token Scan() {
    // The common case, all within the window: blanks, then a name or a
    // symbol that begins no comment or attribute.
    const char* const data = s_.data();
    const char* const end = data + s_.size();
    const char* p = data + pos_;
    long line = line_;
    while (p < end && IsSpace(static_cast<unsigned char>(*p))) line += *p++ == '\n';
    if (end - p >= 3) {
      const int c = static_cast<unsigned char>(*p);
      const char* q = p + 1;
      Tok kind = Tok::kSym;
      bool plain = true;
      if (IsIdentStart(c) || c == '$') {
        while (q < end && IsIdentChar(static_cast<unsigned char>(*q))) ++q;
        plain = q < end;  // or the name may go on in the next piece
        kind = Tok::kIdent;
      } else if (IsDigit(c) || c == '\\' || c == '"' || c == '\'' || c == '`') {
        plain = false;
      } else if (c == '/') {
        plain = p[1] != '/' && p[1] != '*';
      } else if (c == '(') {
        plain = p[1] != '*' || p[2] == ')';
      }
      if (plain) {
        line_ = line;
        start_ = static_cast<std::size_t>(p - data);
        pos_ = static_cast<std::size_t>(q - data);
        return Token{std::string_view(p, static_cast<std::size_t>(q - p)), line, kind};
      }
    }
    SkipBlanksAndComments();
    Token t;
    t.line = line_;
    start_ = pos_;
    int c = At(0);
    if (c < 0) return t;
    std::size_t skip = 0;  // leading bytes not in the text
    if (IsIdentStart(c) || c == '$') {
      do {
        const char* p = s_.data() + pos_;
        const char* const end = s_.data() + s_.size();
        while (p < end && IsIdentChar(static_cast<unsigned char>(*p))) ++p;
        pos_ = static_cast<std::size_t>(p - s_.data());
      } while (IsIdentChar(At(0)));
      t.kind = Tok::kIdent;
    } else if (c == '\\') {
      ++pos_;
      while ((c = At(0)) >= 0 && !IsSpace(c)) ++pos_;
      t.kind = Tok::kEscaped;
      skip = 1;
      if (pos_ - start_ == 1) throw ReadError{line_, "an escaped name is empty"};
    } else if (IsDigit(c) || c == '\'') {
      // [size] ['[s]base digits]; blanks may stand around the quote.
      while (IsDigit(At(0)) || At(0) == '_') ++pos_;
      std::size_t after = 0;
      while (At(after) == ' ' || At(after) == '\t') ++after;
      if (At(after) == '\'') {
        pos_ += after + 1;
        if (At(0) == 's' || At(0) == 'S') ++pos_;
        if (!OneOf(At(0), "bBoOdDhH")) throw ReadError{line_, "a constant without its base"};
        ++pos_;
        while (At(0) == ' ' || At(0) == '\t') ++pos_;
        const std::size_t digits = pos_;
        while (IsDigit(At(0)) || OneOf(At(0), "abcdefABCDEFxXzZ?_")) ++pos_;
        if (pos_ == digits) throw ReadError{line_, "a constant without digits"};
      }
      t.kind = Tok::kNumber;
    } else if (c == '"') {
      ++pos_;
      while ((c = At(0)) >= 0 && c != '"' && c != '\n') pos_ += c == '\\' && At(1) >= 0 ? 2 : 1;
      if (c != '"') throw ReadError{line_, "a string is not closed"};
      ++pos_;
      t.kind = Tok::kString;
    } else {
      ++pos_;
      t.kind = Tok::kSym;
    }
    t.text = std::string_view(s_.data() + start_ + skip, pos_ - start_ - skip);
    return t;
  }

  File& in_;
  std::vector<char> buf_;                 // the window
  std::vector<std::vector<char>> retired_;  // windows tokens may still point into
  std::vector<char> spare_;                 // one to read into next
  std::string_view s_;
  std::int64_t base_ = 0;  // the file offset of s_[0]
  std::size_t pos_ = 0;
  std::size_t start_ = 0;  // of the token being read: kept when a piece is read
  long line_ = 1;
  bool eof_ = false;
  Token next_;
  bool peeked_ = false;
  std::unordered_set<std::string>& defines_;
  std::vector<Condition> conditions_;
};

// An operand as written: a net (whole, one bit or a part) or constant bits.
// What of a net an operand takes.
enum class Select { kWhole, kBit, kPart };

struct Ref {
  std::string_view name;  // empty: constant
  Select select = Select::kWhole;
  long a = 0;
  long b = 0;
  std::string bits;  // constant: '0', '1' or 'x' per bit, most significant first
  bool sized = false;  // constant: its width written (8'h0f; not 'b1 or 5)
};

// A concatenation flattened, most significant operand first.
struct Expr {
  std::vector<Ref> refs;
};

struct VNet {
  std::uint32_t name_at = 0;  // its name is this part of VerilogModule::names
  std::uint32_t name_size = 0;
  std::int32_t msb = 0;
  std::int32_t lsb = 0;
  std::uint32_t first_bit = 0;  // a module holds at most kMaxModuleBits
  PortDirection dir = PortDirection::kUnknown;  // kUnknown: not a port
  bool vector = false;
  long Width() const { return vector ? std::labs(long{msb} - lsb) + 1 : 1; }
  // The bit number (0 = lsb) of index `i`, or -1 outside the range.
  long Offset(long i) const {
    if (!vector) return -1;
    long k = msb >= lsb ? i - lsb : lsb - i;
    return k >= 0 && k < Width() ? k : -1;
  }
  long Index(long k) const { return msb >= lsb ? lsb + k : lsb - k; }
};

// A table that grows in blocks, so that it is never copied as it grows
// and never holds much more room than it uses: 16, 16, 32, ... entries,
// then blocks of kLast. Blocks read through can be given back.
template <class T, std::size_t kLast = 4096>
class Blocks {
 public:
  std::size_t size() const { return size_; }
  T& operator[](std::size_t i) { return blocks_[Block(i)][Offset(i)]; }
  const T& operator[](std::size_t i) const { return blocks_[Block(i)][Offset(i)]; }
  T& back() { return (*this)[size_ - 1]; }
  void push_back(const T& v) {
    if (Block(size_) == blocks_.size()) {
      blocks_.push_back(std::make_unique<T[]>(size_ < kFirst ? kFirst : size_ < kLast ? size_ : kLast));
    }
    (*this)[size_++] = v;
  }
  // Frees the blocks whose entries all lie below `i`; they are not read again.
  void Release(std::size_t i) {
    for (const std::size_t below = std::min(Block(i), blocks_.size()); released_ < below; ++released_) {
      blocks_[released_].reset();
    }
  }
  void clear() {
    std::vector<std::unique_ptr<T[]>>().swap(blocks_);
    size_ = released_ = 0;
  }

 private:
  static_assert(std::has_single_bit(kLast) && kLast > 16);
  static constexpr std::size_t kFirst = 16;
  static constexpr std::size_t kDoubling = std::bit_width(kLast) - 5;  // blocks below kLast, less one
  static std::size_t Block(std::size_t i) {
    if (i < kFirst) return 0;
    if (i < kLast) return static_cast<std::size_t>(std::bit_width(i)) - 4;
    return i / kLast + kDoubling;
  }
  static std::size_t Offset(std::size_t i) {
    if (i < kFirst) return i;
    if (i < kLast) return i - std::bit_floor(i);
    return i % kLast;
  }
  std::vector<std::unique_ptr<T[]>> blocks_;
  std::size_t size_ = 0;
  std::size_t released_ = 0;  // blocks given back
};

struct Connection {
  std::string_view port;  // empty: positional
  Expr expr;
  bool empty = false;  // ".A()" or an empty position
};

struct Assignment {
  Expr lhs;
  Expr rhs;
  long line = 0;
};

// The class of bit `b`; no parents: no assignment joins any bits.
std::int64_t Root(std::vector<std::int64_t>& parent, std::int64_t b) {
  if (parent.empty()) return b;
  while (parent[static_cast<std::size_t>(b)] != b) {
    std::int64_t up = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(b)])];
    parent[static_cast<std::size_t>(b)] = up;
    b = up;
  }
  return b;
}

// The body of the cell being filled and its nets: the classes of the bits
// the assignments join, numbered in the order they are met.
struct FillTarget {
  Body& body;
  std::vector<std::int64_t> parent;
  std::vector<std::int32_t> net_of;
  std::vector<bool> named_by_port;
  std::vector<std::uint32_t> net_of_pin;  // of each pin in body.pins, unless placed
  bool placed = false;  // the nets' ranges in body.pins are set before their pins come

  std::size_t NetFor(std::int64_t bit) {
    std::int64_t root = Root(parent, bit);
    std::int32_t& n = net_of[static_cast<std::size_t>(root)];
    if (n < 0) {
      n = static_cast<std::int32_t>(body.nets.size());
      body.nets.emplace_back();
      named_by_port.push_back(false);
    }
    return static_cast<std::size_t>(n);
  }
  // Appends a pin of the net of `bit`; returns the net's number.
  std::size_t Pin(std::int32_t instance, std::int32_t port, std::int64_t bit) {
    const std::size_t n = NetFor(bit);
    kalvor::Net& net = body.nets[n];
    if (placed) {
      body.pins[net.first + net.count] = {instance, port};
    } else {
      body.pins.push_back({instance, port});
      net_of_pin.push_back(static_cast<std::uint32_t>(n));
    }
    ++net.count;
    ++net.fanout;
    return n;
  }
  // Gives each net its range in body.pins, as long as its count, and
  // counts again from 0.
  void SetRanges() {
    std::uint32_t at = 0;
    for (kalvor::Net& net : body.nets) {
      net.first = at;
      at += net.count;
      net.count = 0;
    }
    body.pins.resize(at);
  }
  // Puts each net's pins together, in the order they were met.
  void GroupPins() {
    if (placed) return;
    SetRanges();
    std::vector<std::uint32_t>& place = net_of_pin;  // now: where each pin goes
    for (std::uint32_t& p : place) {
      kalvor::Net& net = body.nets[p];
      p = net.first + net.count++;
    }
    for (std::size_t i = 0; i < place.size(); ++i) {
      while (place[i] != i) {
        const std::size_t j = place[i];
        std::swap(body.pins[i], body.pins[j]);
        std::swap(place[i], place[j]);
      }
    }
  }
};

}  // namespace

// What the first passes keep of a module: its declarations, where it is.
struct VerilogModule {
  std::string name;
  std::string mac_name;
  bool apart = false;  // mac_name was made: the name is another cell's but for letter case
  long line = 0;
  std::int64_t offset = 0;  // of its "module" in the file
  bool defined = true;
  bool instantiated = false;
  // Behavioural code: read for its ports only and taken as a leaf cell.
  bool black_box = false;
  std::string why;  // what was refused first, and where
  long why_line = 0;
  std::string names;  // the names of the nets and ports, one after another
  const std::string* names_moved = nullptr;  // where they are while they fill a body's text
  std::vector<std::pair<std::uint32_t, std::uint32_t>> ports;  // places in names, as listed
  Blocks<VNet> nets;
  NamePositions net_index;
  std::vector<std::string> mac_names;  // per net: its name in the macro file, once needed
  // Port bits whose header name had to be made unique in the cell, by bit.
  std::vector<std::pair<std::int64_t, std::string>> renamed_ports;
  std::vector<std::size_t> children;  // the modules it instantiates, in the order of first use
  long instances = 0;
  std::size_t instance_text = 0;  // the length of their names together
  std::int64_t pins = 0;  // the bits its instances' connections hold
  Blocks<std::int32_t, 1 << 16> wiring;  // and those bits, as the binding found them
  std::vector<std::pair<std::int64_t, std::int64_t>> joined;  // bits its assignments join
  std::int64_t bits = kFirstNetBit;
  long inverters = 0;     // the inverters its inverted bits make
  bool numbered = false;  // its declared nets have their bits

  // What binding its instances found, forgotten.
  void ForgetBinding() {
    children.clear();
    instances = 0;
    instance_text = 0;
    pins = 0;
    wiring.clear();
    joined.clear();
  }

  bool Wired() const {
    return static_cast<std::int64_t>(wiring.size()) == pins && bits <= INT32_MAX;
  }

  void Number() {
    for (std::size_t k = 0; k < nets.size(); ++k) nets[k].first_bit = TakeBits(nets[k].Width());
    numbered = true;
  }
  // The first of `w` more bits.
  std::uint32_t TakeBits(long w) {
    if (bits + w > kMaxModuleBits) throw ReadError{line, "module " + name + " has too many bits"};
    bits += w;
    return static_cast<std::uint32_t>(bits - w);
  }
  std::string_view Name(const VNet& n) const {
    return std::string_view(names_moved ? *names_moved : names).substr(n.name_at, n.name_size);
  }
  std::string_view Port(std::size_t p) const {
    return std::string_view(names_moved ? *names_moved : names).substr(ports[p].first, ports[p].second);
  }
  long Find(std::string_view name) const {
    return net_index.Find(HashName(name, false),
                          [&](std::int32_t k) { return Name(nets[static_cast<std::size_t>(k)]) == name; });
  }
  std::pair<std::uint32_t, std::uint32_t> Keep(std::string_view name) {
    const auto at = static_cast<std::uint32_t>(names.size());
    names += name;
    return {at, static_cast<std::uint32_t>(name.size())};
  }
  long Add(std::string_view name, VNet n) {
    const std::uint64_t hash = HashName(name, false);  // before `names` grows: `name` may be one of them
    std::tie(n.name_at, n.name_size) = Keep(name);
    net_index.Add(hash, static_cast<std::int32_t>(nets.size()));
    nets.push_back(n);
    return static_cast<long>(nets.size()) - 1;
  }
};

struct VerilogModules {
  std::vector<std::unique_ptr<VerilogModule>> list;
  std::unordered_set<std::string> defines;  // the macros `define names
  CellUses uses{true};  // supply-named ports some instance puts on another net, by exact name
  std::unordered_map<std::string_view, std::size_t> by_name;  // to its number (the first of a name)
};

namespace {

bool IsVerilogExtension(std::string_view ext) {
  for (std::size_t i = kFirstVerilogExtension; i < std::size(kNetlistExtensions); ++i) {
    if (EqualNoCase(ext, kNetlistExtensions[i])) return true;
  }
  return false;
}

// The name a Verilog name takes in the macro file: an escaped bus bit such
// as "a[3]" is named as the bus bit a[3] is ("a3"); "<" and ">", which the
// macro file reads as node and include marks, become "_", and so do the
// semicolons of a name made of nothing else, which the VHDL conversion
// would take for the end of a line's nodes.
std::string MacName(std::string_view name) {
  std::string out(name);
  std::size_t open = out.rfind('[');
  if (open != std::string::npos && open > 0 && out.back() == ']' && open + 2 < out.size() &&
      std::all_of(out.begin() + static_cast<long>(open) + 1, out.end() - 1, IsDigit)) {
    out.erase(out.size() - 1);
    out.erase(open, 1);
  }
  const bool semicolons = out.find_first_not_of(';') == std::string::npos;
  for (char& c : out) {
    if (c == '<' || c == '>' || (semicolons && c == ';')) c = '_';
  }
  return out;
}

// The net this reader makes for the output of the inverter NOT_k: "NOT_k<O".
// A file's own net may not take such a name.
std::string InverterOutput(long k) { return Format("NOT_%ld<O", k); }
bool IsInverterOutput(std::string_view name) {
  if (name.size() < 7 || name.substr(0, 4) != "NOT_" || name.substr(name.size() - 2) != "<O") return false;
  return std::all_of(name.begin() + 4, name.end() - 2, IsDigit);
}
void RefuseInverterOutput(std::string_view name, long line) {
  if (IsInverterOutput(name)) {
    throw ReadError{line, std::string(name) + " is the name this reader gives an inverter's output"};
  }
}

// The name of bit `k` of net `n` of module `m` in the macro file; `keep`:
// the net's name is kept for the next time (ports of instantiated modules).
void AppendBitName(VerilogModule& m, std::size_t n, long k, std::string& out, bool keep) {
  const VNet& net = m.nets[n];
  for (const auto& [bit, name] : m.renamed_ports) {
    if (bit == net.first_bit + k) {
      out += name;
      return;
    }
  }
  if (!keep) {
    out += MacName(m.Name(net));
  } else {
    if (m.mac_names.size() < m.nets.size()) m.mac_names.resize(m.nets.size());
    std::string& base = m.mac_names[n];
    if (base.empty()) base = MacName(m.Name(net));
    out += base;
  }
  if (net.vector) out += std::to_string(net.Index(k));
}

// The last of `nets` (which hold their bits in ascending blocks) whose bits
// begin at or below `bit`, searched outwards from `near`.
std::size_t HolderOf(const Blocks<VNet>& nets, std::uint32_t bit, std::size_t near) {
  std::size_t lo = near, hi = near + 1;
  for (std::size_t step = 1; hi < nets.size() && nets[hi].first_bit <= bit; step *= 2) {
    lo = hi;
    hi = std::min(nets.size(), hi + step);
  }
  for (std::size_t step = 1; lo > 0 && nets[lo].first_bit > bit; step *= 2) {
    hi = lo;
    lo = lo > step ? lo - step : 0;
  }
  while (hi - lo > 1) {
    const std::size_t mid = lo + (hi - lo) / 2;
    (nets[mid].first_bit <= bit ? lo : hi) = mid;
  }
  return lo;
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
  if (w.size() < 2 || w.size() > 12 || !OneOf(w[0], "afgtsibcr")) return false;
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

enum class Pass {
  kScan,  // the first: the modules, their declarations and places
  kBind,  // a module again: its instances bound, its assignments resolved
  kFill,  // a module again, into the body of its cell
};

class Parser {
 public:
  Parser(File& in, VerilogModules& modules, bool speculate = false)
      : lex_(in, modules.defines), modules_(modules), speculate_(speculate) {}

  // Every module of the file, with its declarations (the first pass).
  void Modules() {
    for (;;) {
      lex_.Mark();
      Token t = lex_.Next();
      if (t.kind == Tok::kEnd) return;
      if (t.IsWord("primitive")) {
        // A user-defined primitive (a simulation model): passed over.
        for (Token u = t; !u.IsWord("endprimitive"); u = lex_.Next()) {
          if (u.kind == Tok::kEnd) Refuse(u, "inside primitive");
        }
      } else if (t.IsWord("module") || t.IsWord("macromodule")) {
        modules_.list.push_back(std::make_unique<VerilogModule>());
        m_ = modules_.list.back().get();
        m_->line = t.line;
        m_->offset = lex_.Offset(t);
        Module();
      } else if (!t.Is(';')) {
        Refuse(t, "outside a module");
      }
    }
  }

  // Module `m` again, its declarations known.
  void Again(VerilogModule& m, Pass pass, FillTarget* fill) {
    pass_ = pass;
    fill_ = fill;
    m_ = &m;
    lex_.Seek(m.offset, m.line);
    lex_.Next();  // "module"
    Module();
  }

  // The bits the assignments of the module read last join, left and
  // right; a shorter right side is filled with 0, as Verilog does.
  void Join(std::vector<std::pair<std::int64_t, std::int64_t>>& joined) {
    std::vector<std::int64_t> lhs, rhs;
    for (const Assignment& a : assignments_) {
      for (const Ref& r : a.lhs.refs) {
        if (r.name.empty()) throw ReadError{a.line, "an assign to a constant"};
      }
      lhs.clear();
      rhs.clear();
      Bits(*m_, a.lhs, a.line, lhs);
      Bits(*m_, a.rhs, a.line, rhs);
      for (std::size_t j = 0; j < lhs.size(); ++j) {
        std::size_t from_right = lhs.size() - 1 - j;
        joined.emplace_back(lhs[j], from_right < rhs.size() ? rhs[rhs.size() - 1 - from_right] : kGnd);
      }
    }
  }

 private:
  // `behavioural`: what is refused is code (an operator, a statement)
  // rather than a malformed netlist.
  [[noreturn]] static void Refuse(const Token& t, std::string_view where, bool behavioural = false) {
    if (t.kind == Tok::kEnd) throw ReadError{t.line, "the file ends " + std::string(where)};
    if (t.kind == Tok::kIdent && IsBehavioural(t.text)) {
      throw ReadError{t.line,
                      "\"" + std::string(t.text) + "\" (behavioural code) is not supported in a netlist",
                      true};
    }
    throw ReadError{t.line, "\"" + std::string(t.text) + "\" is not supported " + std::string(where),
                    behavioural};
  }

  Token Expect(char c, const char* where) {
    Token t = lex_.Next();
    if (!t.Is(c)) Refuse(t, where);
    return t;
  }

  std::string_view Name(const char* where) {
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

  // Passes over text the first pass has read, up to the symbol `end`
  // (which no name, select or concatenation within holds).
  void PassOver(char end) {
    for (;;) {
      lex_.SkipPlain();
      Token t = lex_.Next();
      if (t.Is(end)) return;
      if (t.kind == Tok::kEnd) Refuse(t, "in a part read before");
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
    msb = SignedDecimal();
    Expect(':', "in a range");
    lsb = SignedDecimal();
    Expect(']', "in a range");
    if (std::labs(msb - lsb) >= kMaxBits) throw ReadError{lex_.line(), "the range is too wide"};
    return true;
  }

  // Declares (or completes the declaration of) net `name`.
  void Declare(const Token& at, std::string_view name, PortDirection dir, bool vector, long msb,
               long lsb) {
    if (pass_ != Pass::kScan) return;
    if (m_->numbered) throw Restart{};
    RefuseInverterOutput(name, at.line);
    const long k = m_->Find(name);
    if (k < 0) {
      m_->Add(name, VNet{0, 0, static_cast<std::int32_t>(msb), static_cast<std::int32_t>(lsb), 0,
                         dir, vector});
      return;
    }
    VNet& n = m_->nets[static_cast<std::size_t>(k)];
    if (dir != PortDirection::kUnknown) {
      if (n.dir != PortDirection::kUnknown && n.dir != dir) {
        throw ReadError{at.line, std::string(name) + " is declared twice"};
      }
      n.dir = dir;
    }
    if (vector) {
      if (n.vector && (n.msb != msb || n.lsb != lsb)) {
        throw ReadError{at.line, std::string(name) + " is declared with two ranges"};
      }
      n.vector = true;
      n.msb = static_cast<std::int32_t>(msb);
      n.lsb = static_cast<std::int32_t>(lsb);
    }
  }

  PortDirection Direction(const Token& t) {
    if (t.IsWord("input")) return PortDirection::kInput;
    if (t.IsWord("output")) return PortDirection::kOutput;
    if (t.IsWord("inout")) return PortDirection::kInOut;
    return PortDirection::kUnknown;
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

  // An assignment, kept (its names with it) past the first pass.
  void Hold(Assignment a) {
    if (pass_ == Pass::kFill || (pass_ == Pass::kScan && !speculate_)) return;
    for (Expr* e : {&a.lhs, &a.rhs}) {
      for (Ref& r : e->refs) {
        if (!r.name.empty()) r.name = held_.emplace_back(r.name);
      }
    }
    assignments_.push_back(std::move(a));
  }

  // After "module": up to its "endmodule".
  void Module() {
    std::string_view name = Name("as a module name");
    assignments_.clear();
    held_.clear();
    aliases_.clear();
    instance_names_.clear();
    pending_.clear();
    inverters_ = 0;
    replayed_ = 0;
    if (pass_ == Pass::kScan) {
      m_->name = name;
      m_->mac_name = MacName(name);
      const auto known = modules_.by_name.find(m_->name);
      if (speculate_ && known != modules_.by_name.end() && !modules_.list[known->second]->defined) {
        throw Restart{};
      }
      if (speculate_) modules_.by_name.emplace(m_->name, modules_.list.size() - 1);
    }
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
      lex_.Mark();
      if (pass_ != Pass::kScan) {
        if (Statement()) return;
        continue;
      }
      try {
        if (Statement()) return;
      } catch (const ReadError& e) {
        if (!e.behavioural) throw;
        BlackBox(e);
        return;
      }
    }
  }

  // The module's ports as declared, the rest to its "endmodule" passed
  // over: a module with behavioural code, taken as a leaf cell.
  void BlackBox(const ReadError& why) {
    m_->black_box = true;
    m_->why = why.text;
    m_->why_line = why.line;
    m_->ForgetBinding();
    aliases_.clear();
    pending_.clear();
    for (;;) {
      lex_.Mark();
      Token t;
      try {
        t = lex_.Next();
      } catch (const ReadError&) {
        continue;  // a token the reader does not know, in code it passes over
      }
      if (t.kind == Tok::kEnd) Refuse(t, "inside module " + m_->name);
      if (t.IsWord("endmodule")) return;
      if (t.IsWord("function") || t.IsWord("task")) {
        // Their arguments are declared like ports: passed over whole.
        const std::string_view end = t.IsWord("function") ? "endfunction" : "endtask";
        for (Token u = t; !u.IsWord(end); u = lex_.Next()) {
          if (u.kind == Tok::kEnd) Refuse(u, "inside module " + m_->name);
        }
        continue;
      }
      PortDirection dir = Direction(t);
      if (dir == PortDirection::kUnknown) continue;
      long msb = 0, lsb = 0;
      bool vector = DeclarationType(msb, lsb);
      while (lex_.Peek().kind == Tok::kIdent || lex_.Peek().kind == Tok::kEscaped) {
        Token n = lex_.Peek();
        Declare(n, Name("in a declaration"), dir, vector, msb, lsb);
        if (!lex_.Peek().Is(',')) break;
        lex_.Next();
      }
    }
  }

  // One statement of the module; true at its "endmodule".
  bool Statement() {
    {
      Token t = lex_.Next();
      if (t.IsWord("endmodule")) {
        if (pass_ == Pass::kScan) {  // room for the instances' names once they join the nets' in a body
          m_->names.reserve(m_->names.size() + m_->instance_text / 16 * 17);
        }
        EndOfModule();
        if (pass_ != Pass::kScan || !speculate_ || assignments_.empty()) return true;
        if (!m_->numbered) m_->Number();
        try {
          Join(m_->joined);
        } catch (const ReadError&) {
          throw Restart{};
        }
        return true;
      }
      if (t.kind == Tok::kEnd) Refuse(t, "inside module " + m_->name);
      if (t.Is(';')) return false;
      PortDirection dir = Direction(t);
      if (pass_ == Pass::kFill && m_->inverters == 0 &&
          (dir != PortDirection::kUnknown || (t.kind == Tok::kIdent && IsNetKind(t.text)))) {
        // The first pass took the declarations (and any assignment in them;
        // one with an inverted bit has its inverter bound again here).
        PassOver(';');
        return false;
      }
      if (dir != PortDirection::kUnknown) {
        long msb = 0, lsb = 0;
        bool vector = DeclarationType(msb, lsb);
        for (;;) {
          Token n = lex_.Peek();
          Declare(n, Name("in a declaration"), dir, vector, msb, lsb);
          if (lex_.Peek().Is('=')) Refuse(lex_.Peek(), "in a port declaration", true);
          if (lex_.Peek().Is(',')) { lex_.Next(); continue; }
          Expect(';', "in a declaration");
          break;
        }
        return false;
      }
      if (t.kind == Tok::kIdent && IsNetKind(t.text)) {
        int supply = t.IsWord("supply0") ? 0 : t.IsWord("supply1") ? 1 : -1;
        long msb = 0, lsb = 0;
        bool vector = DeclarationType(msb, lsb);
        for (;;) {
          Token n = lex_.Peek();
          std::string_view name = Name("in a declaration");
          Declare(n, name, PortDirection::kUnknown, vector, msb, lsb);
          if (supply >= 0) {
            Assignment a;
            a.line = n.line;
            a.lhs.refs.push_back(Ref{name, Select::kWhole, 0, 0, {}});
            Ref c;
            c.bits.assign(static_cast<std::size_t>(vector ? std::labs(msb - lsb) + 1 : 1),
                          supply ? '1' : '0');
            a.rhs.refs.push_back(std::move(c));
            Hold(std::move(a));
          }
          if (lex_.Peek().Is('=')) {
            lex_.Next();
            Assignment a;
            a.line = n.line;
            a.lhs.refs.push_back(Ref{name, Select::kWhole, 0, 0, {}});
            Expression(a.rhs);
            Hold(std::move(a));
            BindInverters(n.line);
          }
          if (lex_.Peek().Is(',')) { lex_.Next(); continue; }
          Expect(';', "in a declaration");
          break;
        }
        return false;
      }
      if (t.kind == Tok::kIdent && IsSkippedDeclaration(t.text)) {
        SkipStatement();
        return false;
      }
      if (t.IsWord("initial") && lex_.Peek().kind == Tok::kIdent && lex_.Peek().text[0] == '$') {
        // A system task for the simulator alone (initial $sdf_annotate(...);).
        SkipStatement();
        return false;
      }
      if (t.IsWord("assign")) {
        if (lex_.Peek().Is('#')) Refuse(lex_.Peek(), "(a delay) in an assign", true);
        for (;;) {
          Assignment a;
          a.line = lex_.line();
          Expression(a.lhs);
          if (!pending_.empty()) throw ReadError{a.line, "an assign to an inverted net"};
          Expect('=', "in an assign");
          Expression(a.rhs);
          const long line = a.line;
          Hold(std::move(a));
          BindInverters(line);
          if (lex_.Peek().Is(',')) { lex_.Next(); continue; }
          Expect(';', "in an assign");
          break;
        }
        return false;
      }
      if (t.kind == Tok::kEscaped || (t.kind == Tok::kIdent && !IsBehavioural(t.text))) {
        Instances(t);
        return false;
      }
      Refuse(t, "inside a module", true);
    }
  }

  // At "endmodule": two instances of one name are refused; the ports the
  // header names by an expression (.name(expr)) are declared as wide as
  // it, in its direction, and joined to it.
  void EndOfModule() {
    if (pass_ == Pass::kScan) {
      std::sort(instance_names_.begin(), instance_names_.end());
      for (std::size_t k = 1; k < instance_names_.size(); ++k) {
        if (instance_names_[k].SameName(instance_names_[k - 1])) {
          const long first = instance_names_[k - 1].line, second = instance_names_[k].line;
          throw ReadError{second, Format("module %s has two instances of one name (lines %ld and %ld)",
                                         m_->name.c_str(), first, second)};
        }
      }
      instance_names_.clear();
    }
    for (Alias& alias : aliases_) {
      if (pass_ == Pass::kScan) {
        long width = 0;
        PortDirection dir = PortDirection::kInOut;
        for (const Ref& r : alias.expr.refs) {
          if (r.name.empty()) {
            width += static_cast<long>(r.bits.size());
            continue;
          }
          const long k = m_->Find(r.name);
          if (k < 0) throw ReadError{alias.line, std::string(r.name) + " is not declared"};
          const VNet& n = m_->nets[static_cast<std::size_t>(k)];
          if (n.dir != PortDirection::kUnknown) dir = n.dir;
          width += r.select == Select::kWhole ? n.Width()
                   : r.select == Select::kBit ? 1
                                              : std::labs(r.a - r.b) + 1;
        }
        Token at;
        at.line = alias.line;
        Declare(at, alias.name, dir, width > 1, width - 1, 0);
      }
      Assignment a;
      a.line = alias.line;
      a.lhs.refs.push_back(Ref{alias.name, Select::kWhole, 0, 0, {}});
      a.rhs = alias.expr;
      Hold(std::move(a));
    }
  }

  void PortList() {
    const bool keep = pass_ == Pass::kScan;
    if (Direction(lex_.Peek()) != PortDirection::kUnknown) {
      // ANSI: each port declared where it is listed.
      PortDirection dir = PortDirection::kUnknown;
      bool vector = false;
      long msb = 0, lsb = 0;
      for (;;) {
        Token t = lex_.Peek();
        PortDirection d = Direction(t);
        if (d != PortDirection::kUnknown) {
          lex_.Next();
          dir = d;
          vector = DeclarationType(msb, lsb);
        } else if (t.kind == Tok::kIdent && IsNetKind(t.text)) {
          vector = DeclarationType(msb, lsb);
        }
        Token n = lex_.Peek();
        std::string_view name = Name("in the port list");
        Declare(n, name, dir, vector, msb, lsb);
        if (keep) m_->ports.push_back(m_->Keep(name));
        if (!lex_.Peek().Is(',')) return;
        lex_.Next();
      }
    }
    for (;;) {
      if (lex_.Peek().Is('.')) {
        // .name(expr): a port joined inside to what the expression names.
        lex_.Next();
        Alias alias;
        alias.line = lex_.line();
        alias.name = held_.emplace_back(Name("as a port name"));
        Expect('(', "after a port name");
        if (!lex_.Peek().Is(')')) Expression(alias.expr);
        if (!pending_.empty()) throw ReadError{alias.line, "an inversion in a port expression is not read"};
        Expect(')', "after a port expression");
        for (Ref& r : alias.expr.refs) {
          if (!r.name.empty()) r.name = held_.emplace_back(r.name);
        }
        if (keep) m_->ports.push_back(m_->Keep(alias.name));
        aliases_.push_back(std::move(alias));
      } else {
        std::string_view name = Name("in the port list");
        if (keep) m_->ports.push_back(m_->Keep(name));
      }
      if (!lex_.Peek().Is(',')) return;
      lex_.Next();
    }
  }

  Connection& NewConnection() {
    if (used_ == connections_.size()) connections_.emplace_back();
    Connection& c = connections_[used_++];
    c.port = {};
    c.expr.refs.clear();
    c.empty = false;
    return c;
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
      const long line = lex_.line();
      if (lex_.Peek().Is('(')) Refuse(lex_.Peek(), "(an instance without a name)", true);
      std::string_view name = Name("as an instance name");
      if (lex_.Peek().Is('[')) Refuse(lex_.Peek(), "(an array of instances)");
      Expect('(', "after an instance name");
      used_ = 0;
      if (!lex_.Peek().Is(')')) {
        const bool named = lex_.Peek().Is('.');
        for (;;) {
          Connection& c = NewConnection();
          if (named) {
            Expect('.', "in named connections");
            c.port = Name("as a port name");
            Expect('(', "in a named connection");
          }
          if (lex_.Peek().Is(')') || (!named && lex_.Peek().Is(','))) {
            c.empty = true;
          } else if (named && pass_ == Pass::kFill && m_->Wired() && m_->inverters == 0) {
            PassOver(')');  // its bits are replayed from the first pass (an
                            // inverted bit's inverter is bound again)
            if (!lex_.Peek().Is(',')) break;
            lex_.Next();
            continue;
          } else {
            Expression(c.expr);
          }
          if (named) Expect(')', "in a named connection");
          if (!lex_.Peek().Is(',')) break;
          lex_.Next();
        }
      }
      Expect(')', "in the connections");
      if (pass_ == Pass::kScan) {
        const std::uint64_t h = HashName(name, false);
        instance_names_.push_back({static_cast<std::uint32_t>(h >> 32), static_cast<std::uint32_t>(h),
                                   static_cast<std::uint32_t>(std::min<long>(line, UINT32_MAX))});
      }
      BindNow(type.text, name, line);
      BindInverters(line);
      if (lex_.Peek().Is(',')) {
        lex_.Next();
        continue;
      }
      Expect(';', "after an instance");
      return;
    }
  }

  // The instance just read bound: in the first pass only while it can.
  void BindNow(std::string_view type, std::string_view name, long line) {
    if (pass_ != Pass::kScan) {
      Bind(type, name, line);
    } else if (speculate_) {
      if (!m_->numbered) m_->Number();
      try {
        Bind(type, name, line);
      } catch (const ReadError&) {
        throw Restart{};
      }
    }
  }

  // The inverters the statement just read asks for, each an instance
  // NOT_k of the leaf cell EXTINV, its input A on the inverted bit and its
  // output O on the net NOT_k<O, after the statement's own instance.
  void BindInverters(long line) {
    for (std::size_t k = 0; k < pending_.size(); ++k) {
      used_ = 0;
      {
        Connection& a = NewConnection();
        a.port = "A";
        a.expr.refs.push_back(pending_[k].source);
      }
      Connection& o = NewConnection();
      o.port = "O";
      o.expr.refs.push_back(Ref{pending_[k].output, Select::kWhole, 0, 0, {}});
      const std::string_view name = pending_[k].output.substr(0, pending_[k].output.size() - 2);
      if (pass_ == Pass::kScan) {
        const std::uint64_t h = HashName(name, false);
        instance_names_.push_back({static_cast<std::uint32_t>(h >> 32), static_cast<std::uint32_t>(h),
                                   static_cast<std::uint32_t>(std::min<long>(line, UINT32_MAX))});
      }
      BindNow("EXTINV", name, line);
    }
    pending_.clear();
  }

  // ~x or !x: each bit of a net the output of an inverter made for it
  // (bound after the statement), in bit order; a constant inverted as it
  // stands. x is a net, a select, a concatenation or a constant, or one of
  // these in parentheses; !x of more than one bit (a logical not) is not read.
  void Inverted(const Token& op, Expr& e) {
    const Token u = lex_.Peek();
    if (!(u.kind == Tok::kIdent || u.kind == Tok::kEscaped || u.kind == Tok::kNumber || u.Is('{') ||
          u.Is('('))) {
      Refuse(u, "after an inversion (a net, a select, a concatenation or a constant is inverted)", true);
    }
    Expr operand;
    if (u.Is('(')) lex_.Next();
    Primary(operand);
    if (u.Is('(')) Expect(')', "after an inverted expression");
    if (op.Is('!') && AllConstant(operand)) {  // logical: 1 when every bit is 0
      std::string all;
      for (const Ref& r : operand.refs) all += r.bits;
      Ref r;
      r.bits = all.find_first_not_of('0') == std::string::npos ? "1"
               : all.find('1') != std::string::npos             ? "0"
                                                                 : "x";
      r.sized = AllSized(operand);
      e.refs.push_back(std::move(r));
      return;
    }
    if (pass_ == Pass::kBind || (pass_ == Pass::kScan && speculate_)) {
      // Its selects checked (and an implicit net made) as binding would.
      if (!m_->numbered) m_->Number();
      bits_.clear();
      try {
        Bits(*m_, operand, u.line, bits_);
      } catch (const ReadError&) {
        if (pass_ == Pass::kBind) throw;
        throw Restart{};
      }
    }
    // One Ref a bit, most significant first.
    Expr each;
    for (const Ref& r : operand.refs) {
      const long k = r.name.empty() ? -1 : m_->Find(r.name);
      const VNet* n = k < 0 ? nullptr : &m_->nets[static_cast<std::size_t>(k)];
      long hi = 0, lo = 0;
      if (n && n->vector && r.select == Select::kWhole) {
        hi = n->Width() - 1;
      } else if (n && r.select == Select::kPart) {
        hi = n->Offset(r.a);
        lo = n->Offset(r.b);
      }
      if (!n || !n->vector || r.select == Select::kBit || hi < lo || lo < 0) {
        each.refs.push_back(r);  // one bit, a constant, or refused when bound
        if (!r.name.empty()) each.refs.back().name = held_.emplace_back(r.name);
        continue;
      }
      const std::string_view name = held_.emplace_back(r.name);
      for (long b = hi; b >= lo; --b) {
        each.refs.push_back(Ref{name, Select::kBit, n->Index(b), n->Index(b), {}});
      }
    }
    if (op.Is('!') && (each.refs.size() != 1 || each.refs[0].bits.size() > 1)) {
      long width = 0;
      for (const Ref& r : each.refs) width += r.name.empty() ? static_cast<long>(r.bits.size()) : 1;
      const std::string what = u.Is('(') ? "(...)" : u.Is('{') ? "{...}" : std::string(u.text);
      throw ReadError{u.line,
                      Format("!%s is %ld bits wide: a logical not of more than one bit is not read",
                             what.c_str(), width),
                      true};
    }
    for (Ref& r : each.refs) {
      if (r.name.empty()) {
        for (char& c : r.bits) c = c == '0' ? '1' : c == '1' ? '0' : c;
        e.refs.push_back(std::move(r));
        continue;
      }
      const std::string_view output = held_.emplace_back(InverterOutput(++inverters_));
      if (pass_ != Pass::kFill) m_->inverters = std::max(m_->inverters, inverters_);
      if (pass_ != Pass::kFill && m_->Find(output) < 0) {
        m_->Add(output, VNet{0, 0, 0, 0, m_->numbered ? m_->TakeBits(1) : 0u, PortDirection::kUnknown,
                             false});
      }
      pending_.push_back({r, output});
      e.refs.push_back(Ref{output, Select::kWhole, 0, 0, {}});
    }
  }

  void Expression(Expr& e) {
    e.refs.clear();
    Primary(e);
  }

  void Primary(Expr& e) {
    Token t = lex_.Next();
    if (t.Is('~') || t.Is('!')) {
      Inverted(t, e);
    } else if (t.kind == Tok::kIdent || t.kind == Tok::kEscaped) {
      if (t.kind == Tok::kIdent && IsBehavioural(t.text)) Refuse(t, "in an expression", true);
      Ref r;
      r.name = t.text;
      if (lex_.Peek().Is('[')) {
        lex_.Next();
        r.a = SignedDecimal();
        r.select = Select::kBit;
        if (lex_.Peek().Is(':')) {
          lex_.Next();
          r.b = SignedDecimal();
          r.select = Select::kPart;
        }
        Expect(']', "in a select (only constant bit and part selects are read)");
      }
      e.refs.push_back(std::move(r));
    } else if (t.kind == Tok::kNumber) {
      Ref r;
      r.bits = ConstantBits(t);
      const std::size_t tick = t.text.find('\'');
      r.sized = tick != std::string_view::npos && tick > 0;
      e.refs.push_back(std::move(r));
    } else if (t.Is('{')) {
      // Each level of braces is a level of this reader's own calls.
      if (nesting_ >= kMaxNesting) throw ReadError{t.line, "the concatenations are nested too deeply"};
      struct Level {
        int& n;
        explicit Level(int& count) : n(++count) {}
        ~Level() { --n; }
      } level(nesting_);
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
      Refuse(t, "in an expression (only nets, selects, concatenations and constants are read)", true);
    }
    const Token& next = lex_.Peek();
    if (!(next.Is(',') || next.Is(')') || next.Is('}') || next.Is(';') || next.Is('='))) {
      Refuse(next, "in an expression (only nets, selects, concatenations and constants are read)",
             true);
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

  // The bits of `e` in module `m`, most significant first.
  static void Bits(VerilogModule& m, const Expr& e, long line, std::vector<std::int64_t>& bits) {
    for (const Ref& r : e.refs) {
      if (r.name.empty()) {
        for (char c : r.bits) bits.push_back(c == '0' ? kGnd : c == '1' ? kVdd : kNoBit);
        continue;
      }
      long it = m.Find(r.name);
      if (it < 0) {
        if (r.select != Select::kWhole) throw ReadError{line, std::string(r.name) + " is not declared"};
        RefuseInverterOutput(r.name, line);
        // An implicit net.
        it = m.Add(r.name, VNet{0, 0, 0, 0, m.TakeBits(1), PortDirection::kUnknown, false});
      }
      const VNet& n = m.nets[static_cast<std::size_t>(it)];
      if (r.select == Select::kWhole) {
        for (long k = n.Width() - 1; k >= 0; --k) bits.push_back(n.first_bit + k);
        continue;
      }
      long a = n.Offset(r.a);
      long b = r.select == Select::kPart ? n.Offset(r.b) : a;
      if (!n.vector && r.a == 0 && r.select == Select::kBit) a = b = 0;
      if (a < 0 || b < 0 || a < b) {
        throw ReadError{line, "the select " + std::string(r.name) + "[" + std::to_string(r.a) +
                                  (r.select == Select::kPart ? ":" + std::to_string(r.b) : "") +
                                  "] is outside its declaration or reversed"};
      }
      for (long k = a; k >= b; --k) bits.push_back(n.first_bit + k);
    }
    if (bits.size() > static_cast<std::size_t>(kMaxBits)) throw ReadError{line, "the expression is too wide"};
  }

  // Constants whose width is written (a wider one widens a leaf cell's port).
  static bool AllSized(const Expr& e) {
    return std::all_of(e.refs.begin(), e.refs.end(), [](const Ref& r) { return r.sized; });
  }

  static bool AllConstant(const Expr& e) {
    return std::all_of(e.refs.begin(), e.refs.end(), [](const Ref& r) { return r.name.empty(); });
  }

  std::size_t Leaf(std::string_view type) {
    modules_.list.push_back(std::make_unique<VerilogModule>());
    VerilogModule& leaf = *modules_.list.back();
    leaf.name = type;
    leaf.mac_name = MacName(type);
    leaf.defined = false;
    modules_.by_name.emplace(leaf.name, modules_.list.size() - 1);
    return modules_.list.size() - 1;
  }

  // The instance just read: its module (a leaf cell made up when first
  // met, its ports as wide as their connections), its connections' bits.
  void Bind(std::string_view type, std::string_view name, long line) {
    VerilogModule& m = *m_;
    const auto found = modules_.by_name.find(type);
    const std::size_t index = found == modules_.by_name.end() ? Leaf(type) : found->second;
    VerilogModule& child = *modules_.list[index];
    child.instantiated = true;
    if (pass_ != Pass::kFill) {
      if (parent_of_.size() <= index) parent_of_.resize(index + 1, nullptr);
      if (parent_of_[index] != &m) m.children.push_back(index);
      parent_of_[index] = &m;
      ++m.instances;
      m.instance_text += name.size();
    }
    const bool positional = used_ > 0 && connections_[0].port.empty();
    const bool replay = pass_ == Pass::kFill && m.Wired();
    if (positional && !child.defined && !child.black_box) {
      throw ReadError{line, "instance " + std::string(name) + " connects module " + std::string(type) +
                                " by position, but the module is not defined in the file"};
    }
    if (positional && used_ > child.ports.size()) {
      throw ReadError{line, "instance " + std::string(name) + " has more connections than " +
                                std::string(type) + " has ports"};
    }
    std::int32_t instance = 0;
    if (pass_ == Pass::kFill) {
      Body& body = fill_->body;
      if (cells_.size() <= index) cells_.resize(index + 1, -1);
      if (cells_[index] < 0) cells_[index] = body.CellName(child.mac_name);
      const std::string mac_name = MacName(name);
      instance = body.AddInstance(mac_name, cells_[index]);
      if (mac_name != name) {
        body.original_names.emplace_back(instance, std::string(name));
      }
    }
    if (!replay) {
      // The nets' places in the table fetched together, ahead of their lookups.
      for (std::size_t c = 0; c < used_; ++c) {
        for (const Ref& r : connections_[c].expr.refs) {
          if (!r.name.empty()) m.net_index.Prefetch(HashName(r.name, false));
        }
      }
    }
    for (std::size_t c = 0; c < used_; ++c) {
      const Connection& conn = connections_[c];
      bits_.clear();
      if (!conn.empty && !replay) Bits(m, conn.expr, line, bits_);
      std::string_view port = positional ? child.Port(c) : conn.port;
      long it = child.Find(port);
      if (!child.defined && it < 0) {
        // A port of a leaf cell, met for the first time: as wide as its
        // connection (an empty one counts one bit).
        long w = std::max<long>(1, static_cast<long>(bits_.size()));
        it = child.Add(port, VNet{0, 0, static_cast<std::int32_t>(w - 1), 0, child.TakeBits(w),
                                  PortDirection::kInOut, w > 1});
        child.ports.emplace_back(child.nets.back().name_at, child.nets.back().name_size);
      }
      if (it < 0 ||
          (child.defined && child.nets[static_cast<std::size_t>(it)].dir == PortDirection::kUnknown)) {
        throw ReadError{line, std::string(type) + " has no port " + std::string(port)};
      }
      if (pass_ != Pass::kFill && (IsSupplyName(port) || EqualNoCase(port, "VCC"))) {
        // A supply-named pin is the global supply only where its net is
        // that supply (or its module's own port of the name, in turn).
        const bool same = conn.expr.refs.size() == 1 && conn.expr.refs[0].name == port &&
                          conn.expr.refs[0].select == Select::kWhole;
        if (!conn.empty && !same) modules_.uses.AddOffSupply(child.name, port);
        if (same && m.Find(port) >= 0) modules_.uses.AddInner(m.name, child.name, port);
      }
      if (conn.empty) continue;
      const long w = child.nets[static_cast<std::size_t>(it)].Width();
      if (replay) {
        bits_.clear();
        for (long j = 0; j < w; ++j) bits_.push_back(m.wiring[replayed_++]);
        m.wiring.Release(replayed_);
      } else if (static_cast<long>(bits_.size()) < w && !AllConstant(conn.expr)) {
        // The connection takes the port's low bits; the high bits of an
        // input are 0 (Verilog widens the value), of an output or inout
        // unconnected.
        const bool input = child.nets[static_cast<std::size_t>(it)].dir == PortDirection::kInput;
        bits_.insert(bits_.begin(), static_cast<std::size_t>(w) - bits_.size(), input ? kGnd : kNoBit);
      } else if (static_cast<long>(bits_.size()) > w && pass_ == Pass::kBind && !child.defined &&
                 !child.black_box && (!AllConstant(conn.expr) || AllSized(conn.expr))) {
        // A leaf cell's port is as wide as its widest connection: one met
        // wider than before widens it, and every module is bound again.
        VNet& n = child.nets[static_cast<std::size_t>(it)];
        const long wide = static_cast<long>(bits_.size());
        n.msb = static_cast<std::int32_t>(wide - 1);
        n.lsb = 0;
        n.vector = true;
        n.first_bit = child.TakeBits(wide);
        widened_ = true;
      } else if (static_cast<long>(bits_.size()) != w) {
        if (!AllConstant(conn.expr)) {
          throw ReadError{line, "port " + std::string(port) + " of " + std::string(name) + " is " +
                                    std::to_string(w) + " bits wide, its connection " +
                                    std::to_string(bits_.size())};
        }
        // A constant is cut or filled with 0 on the left, as Verilog does.
        while (static_cast<long>(bits_.size()) > w) bits_.erase(bits_.begin());
        while (static_cast<long>(bits_.size()) < w) bits_.insert(bits_.begin(), kGnd);
      }
      if (pass_ != Pass::kFill) {
        m.pins += w;
        for (std::int64_t b : bits_) m.wiring.push_back(static_cast<std::int32_t>(b));
        continue;
      }
      // A scalar port's name in the body, found once per cell.
      if (port_names_.size() <= index) port_names_.resize(index + 1);
      std::vector<std::int32_t>& names = port_names_[index];
      if (names.size() < child.nets.size()) names.resize(child.nets.size(), -1);
      for (long j = 0; j < w; ++j) {
        const std::int64_t bit = bits_[static_cast<std::size_t>(j)];
        if (bit == kNoBit) continue;
        std::int32_t& known = names[static_cast<std::size_t>(it)];
        if (known < 0 || w > 1) {
          bit_name_.clear();
          AppendBitName(child, static_cast<std::size_t>(it), w - 1 - j, bit_name_, true);
          known = fill_->body.PortName(bit_name_);
        }
        fill_->Pin(instance, known, bit);
      }
    }
  }

  Lexer lex_;
  VerilogModules& modules_;
  const bool speculate_;
  Pass pass_ = Pass::kScan;
  FillTarget* fill_ = nullptr;
  VerilogModule* m_ = nullptr;  // the module being read
  int nesting_ = 0;             // of braces in the expression being read
  std::vector<Assignment> assignments_;  // of the module, after the first pass
  std::deque<std::string> held_;         // the names they use
  std::vector<Connection> connections_;  // of the instance being read: the first used_
  std::size_t used_ = 0;
  // A port the header names by an expression, .name(expr), its names held.
  struct Alias {
    std::string_view name;
    Expr expr;
    long line = 0;
  };
  std::vector<Alias> aliases_;
  // Inverters the statement being read asks for: the inverted bit (its
  // name held) and the net of the inverter's output.
  struct PendingInverter {
    Ref source;
    std::string_view output;
  };
  std::vector<PendingInverter> pending_;
  long inverters_ = 0;  // of the module so far
  // The module's instances so far: the hashes of their names, and lines
  // (in 12 bytes, as a netlist holds many).
  struct InstanceName {
    std::uint32_t hash_high, hash_low, line;
    bool operator<(const InstanceName& o) const {
      return std::tie(hash_high, hash_low, line) < std::tie(o.hash_high, o.hash_low, o.line);
    }
    bool SameName(const InstanceName& o) const { return hash_high == o.hash_high && hash_low == o.hash_low; }
  };
  std::vector<InstanceName> instance_names_;
  std::size_t replayed_ = 0;  // of the module's wiring
  std::vector<std::int64_t> bits_;
  std::string bit_name_;
  std::vector<std::vector<std::int32_t>> port_names_;  // per module and net, filling
  std::vector<std::int32_t> cells_;  // per module: its number in the body's cell names, filling
  std::vector<const VerilogModule*> parent_of_;  // per module: the last module found to use it
  bool widened_ = false;  // a leaf cell's port, by the binding

 public:
  // True when the binding widened a leaf cell's port: what was bound is
  // forgotten, to be bound again with the ports as wide as they now are.
  bool Unbind(std::vector<std::unique_ptr<VerilogModule>>& list) {
    if (!widened_) return false;
    widened_ = false;
    parent_of_.clear();
    for (auto& m : list) m->ForgetBinding();
    return true;
  }
};

}  // namespace

bool IsVerilogPath(std::string_view path) {
  std::size_t dot = path.rfind('.');
  std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return false;
  return IsVerilogExtension(path.substr(dot));
}

VerilogNetlist::VerilogNetlist() = default;
VerilogNetlist::~VerilogNetlist() = default;

bool VerilogNetlist::Parse(File& in) {
  in_ = &in;
  modules_ = std::make_unique<VerilogModules>();
  order_.clear();
  auto& list = modules_->list;
  bool bound = true;  // by the first pass
  try {
    for (;;) {
      try {
        in.Seek(0);
        Parser(in, *modules_, bound).Modules();
        break;
      } catch (const Restart&) {
        list.clear();
        modules_->by_name.clear();
        modules_->defines.clear();
        modules_->uses = CellUses(true);
        bound = false;
      }
    }
    // Modules with behavioural code are leaf cells with their declared
    // ports; a file with nothing else is no netlist.
    const VerilogModule* behavioural = nullptr;
    std::size_t structural = 0;
    for (std::size_t k = 0; k < list.size(); ++k) {
      VerilogModule& m = *list[k];
      if (!m.black_box) {
        structural += m.defined ? 1 : 0;
        continue;
      }
      if (!behavioural) behavioural = &m;
      m.defined = false;
      modules_->by_name.emplace(m.name, k);
      for (std::size_t p = 0; p < m.ports.size(); ++p) {
        if (m.Find(m.Port(p)) < 0) {
          m.Add(m.Port(p), VNet{0, 0, 0, 0, 0, PortDirection::kInOut, false});
        }
      }
      if (!m.numbered) m.Number();
    }
    if (behavioural && structural == 0) throw ReadError{behavioural->why_line, behavioural->why};
    for (std::size_t k = 0; k < list.size(); ++k) {
      VerilogModule& m = *list[k];
      if (!m.defined) continue;
      modules_->by_name.emplace(m.name, k);
      for (std::size_t p = 0; p < m.ports.size(); ++p) {
        long it = m.Find(m.Port(p));
        if (it < 0 || m.nets[static_cast<std::size_t>(it)].dir == PortDirection::kUnknown) {
          throw ReadError{m.line, "port " + std::string(m.Port(p)) + " of module " + m.name +
                                      " has no input, output or inout declaration"};
        }
      }
      if (!m.numbered) m.Number();
    }
    // The instances of every module are bound before any assignment is
    // resolved, so that every error is found before anything is written,
    // and the first as the whole file read at once finds it.
    std::vector<ReadError> late;
    Parser parser(in, *modules_);
    const std::size_t defined = bound ? 0 : list.size();
    do {
      for (std::size_t k = 0; k < defined; ++k) {
        if (!list[k]->defined) continue;
        parser.Again(*list[k], Pass::kBind, nullptr);
        try {
          if (late.empty()) parser.Join(list[k]->joined);
        } catch (const ReadError& e) {
          late.push_back(e);
        }
      }
      if (!late.empty()) throw late.front();
    } while (parser.Unbind(list));
    FinishCellUses(Netlist(), modules_->uses);
  } catch (const ReadError& e) {
    error_ = e.text;
    error_line_ = e.line;
    list.clear();
    return false;
  }
  // Leaf modules first, in the order of their first use; then the defined
  // modules, each after those it instantiates.
  std::vector<int> state(list.size(), 0);
  black_boxes_.clear();
  unused_black_boxes_.clear();
  for (std::size_t k = 0; k < list.size(); ++k) {
    if (list[k]->black_box) {
      // One that nothing instantiates (a simulation helper) is left out.
      (list[k]->instantiated ? black_boxes_ : unused_black_boxes_) += " " + list[k]->name;
      if (!list[k]->instantiated) {
        state[k] = 2;
        continue;
      }
    }
    if (!list[k]->defined) {
      order_.push_back(k);
      state[k] = 2;
    }
  }
  std::vector<std::pair<std::size_t, std::size_t>> stack;
  for (std::size_t k = 0; k < list.size(); ++k) {
    if (state[k] != 0) continue;
    stack.push_back({k, 0});
    state[k] = 1;
    while (!stack.empty()) {
      auto& [mod, next] = stack.back();
      const VerilogModule& m = *list[mod];
      if (next < m.children.size()) {
        std::size_t child = m.children[next++];
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
  NameCellsApart();
  return true;
}

// Verilog names are case-sensitive, a macro file's are not: a cell whose
// name is one written before it but for letter case is written under a
// macro name of its own, NAME_2 (_3 ... while taken), and so are its
// instances.
void VerilogNetlist::NameCellsApart() {
  const auto& list = modules_->list;
  clashes_.clear();
  std::unordered_set<std::string> taken;
  for (std::size_t k : order_) taken.insert(ToLower(list[k]->mac_name));
  std::unordered_map<std::string, std::size_t> first;
  for (std::size_t k : order_) {
    VerilogModule& m = *list[k];
    const auto [at, added] = first.emplace(ToLower(m.mac_name), k);
    const VerilogModule& earlier = *list[at->second];
    if (added || earlier.mac_name == m.mac_name) continue;
    const std::string macro = DistinctMacroName(m.mac_name, m.mac_name.size(), [&](const std::string& name) {
      return taken.count(ToLower(name)) != 0;
    });
    taken.insert(ToLower(macro));
    clashes_.push_back(Format("Cell %s is written as macro %s: cell %s has its name but for letter case, "
                              "which a macro file does not tell apart. Each instance of %s refers to %s.",
                              m.name.c_str(), macro.c_str(), earlier.name.c_str(), m.name.c_str(),
                              macro.c_str()));
    m.mac_name = macro;
    m.apart = true;
  }
}

void VerilogNetlist::NoteTiedPorts(Netlist& netlist) const {
  if (tied_ports_ == 0) return;
  netlist.Note(Diagnostic::Severity::kWarning, "",
               Format("%ld ports are tied to a constant inside their module (the first: %s), which "
                      "a macro file cannot show: they are left undriven.",
                      tied_ports_, first_tied_.c_str()),
               "Warning:");
}

bool VerilogNetlist::NamesVcc() const {
  for (const auto& m : modules_->list) {
    for (std::size_t k = 0; k < m->nets.size(); ++k) {
      const VNet& n = m->nets[k];
      if (n.name_size < 8 && EqualNoCase(MacName(m->Name(n)), "VCC")) return true;
    }
  }
  return false;
}

std::string VerilogNetlist::Top() const {
  const auto& list = modules_->list;
  for (std::size_t k = list.size(); k-- > 0;) {
    if (list[k]->defined && !list[k]->instantiated) return list[k]->apart ? list[k]->mac_name : list[k]->name;
  }
  return "-none-";
}

bool VerilogNetlist::FillCell(std::size_t k, const ReadOptions& options, Netlist& netlist) {
  VerilogModule& m = *modules_->list[order_[k]];
  Body& body = netlist.body;
  body.Clear();
  Cell cell;
  cell.name = m.mac_name;
  body.cell = cell.name;
  auto stop = [&](const std::string& text, const std::string& caption) {
    netlist.Note(Diagnostic::Severity::kError, "", text, caption);
    return false;
  };
  m.renamed_ports.clear();
  if (k == 0 && !(black_boxes_ + unused_black_boxes_).empty()) {
    std::string text = "Modules with behavioural code (always, initial, operators ...) are taken as "
                       "leaf cells with their ports:" + black_boxes_;
    if (!unused_black_boxes_.empty()) {
      text += "\n\nNothing instantiates these; they are left out:" + unused_black_boxes_;
    }
    netlist.Note(Diagnostic::Severity::kWarning, "", text, "Warning:");
  }
  if (k == 0) {
    for (const std::string& text : clashes_) {
      netlist.Note(Diagnostic::Severity::kWarning, "cells named alike", text, "Warning:");
    }
  }
  // The header: each port's bits from the lowest index up; supply names
  // are left out, as the EDIF reader leaves them out.
  struct PortBit {
    std::int64_t bit;
    std::string name;
  };
  std::vector<PortBit> port_bits;
  std::string bit_name;
  for (std::size_t p = 0; p < m.ports.size(); ++p) {
    const std::size_t net = static_cast<std::size_t>(m.Find(m.Port(p)));
    const VNet& n = m.nets[net];
    const std::string_view file_name = m.Name(n);
    Port port;
    port.direction = n.dir;
    if (n.vector) {
      port.bus = static_cast<std::int32_t>(cell.buses.size());
      cell.buses.push_back({std::string(file_name), n.msb, n.msb >= n.lsb, {}});
    }
    for (long step = 0; step < n.Width(); ++step) {
      long k_bit = n.msb >= n.lsb ? step : n.Width() - 1 - step;  // ascending index
      bit_name.clear();
      AppendBitName(m, net, k_bit, bit_name, false);
      std::string name = options.vcc_to_vdd && EqualNoCase(bit_name, "VCC") ? "VDD" : bit_name;
      if (n.vector) port.member = static_cast<std::int32_t>(std::labs(n.Index(k_bit) - n.msb));
      // Supply ports stay out of the header and keep the (global) supply
      // name; the others are made unique in the cell, as the EDIF reader
      // makes them (bus bit x1 of x[1:0] beside a port x1).
      port.supply = !n.vector && IsSupplyName(name) && !modules_->uses.OffSupply(m.name, bit_name);
      if (!port.supply) {
        std::string unique = body.names.Unique(name);
        if (unique != bit_name) m.renamed_ports.emplace_back(n.first_bit + k_bit, unique);
        name = std::move(unique);
      }
      port.renamed = !n.vector && name != file_name;
      if (port.renamed) {
        cell.original_names.emplace_back(static_cast<std::int32_t>(cell.ports.size()),
                                         std::string(file_name));
      }
      port_bits.push_back({n.first_bit + k_bit, name});
      cell.AddPort(name, port);
    }
  }
  // A capacity stop names the setting and what the file needs of it.
  auto capacity = [&](const char* text, const std::string& caption, const char* key, long needed,
                      long limit) {
    short_key_ = key;
    short_needed_ = needed;
    return stop(Format("%s: %ld needed, the setting %s allows %ld.", text, needed, key, limit),
                caption);
  };
  if (static_cast<long>(m.instances) > options.limits.instances) {
    long needed = 0;
    for (const auto& other : modules_->list) needed = std::max(needed, other->instances);
    return capacity("Too many instances in this cell", cell.name, key::kEdifInstances, needed,
                    options.limits.instances);
  }
  if (m.defined) {
    // No module binds to this one: its tables go with its cell, and its
    // names become the start of the body's text, where the nets named
    // after its wires find them.
    const bool last_use = !m.instantiated;
    const bool wired = m.Wired();
    // The wiring replaces the lookups, but for an inverted bus: the module
    // is read again whole, each such bus a bit at a time by its declaration.
    const bool declarations_read = wired && m.inverters != 0;
    if (last_use && wired && !declarations_read) m.net_index = NamePositions();
    const std::size_t text_size = m.names.size() + m.instance_text / 16 * 17;
    if (last_use) {
      m.names.reserve(text_size);  // already there since the first reading
      body.text = std::move(m.names);
      m.names.clear();
      m.names_moved = &body.text;
    } else {
      body.text.reserve(text_size);
    }
    FillTarget fill{body, {}, std::vector<std::int32_t>(static_cast<std::size_t>(m.bits), -1), {}, {},
                    false};
    std::vector<std::int64_t>& parent = fill.parent;
    for (const auto& [lb, rb] : m.joined) {
      if (lb == kNoBit || rb == kNoBit) continue;
      if (parent.empty()) {
        parent.resize(static_cast<std::size_t>(m.bits));
        for (std::size_t b = 0; b < parent.size(); ++b) parent[b] = static_cast<std::int64_t>(b);
      }
      std::int64_t x = Root(parent, lb);
      std::int64_t y = Root(parent, rb);
      if (x == y) continue;
      // The constants stay roots, so a class holding one is known by it.
      if (x <= kVdd) std::swap(x, y);
      parent[static_cast<std::size_t>(x)] = y;
    }
    const auto nets = static_cast<std::size_t>(
        std::min<std::int64_t>(m.bits, static_cast<std::int64_t>(port_bits.size()) + m.pins + 2));
    body.nets.reserve(nets);
    // A net a port is on takes the port's name.
    auto name_by_port = [&](const PortBit& pb, std::size_t n) {
      kalvor::Net& entry = body.nets[n];
      if (!fill.named_by_port[n]) {
        fill.named_by_port[n] = true;
        const std::int64_t root = Root(parent, pb.bit);
        if (root <= kVdd && tied_ports_++ == 0) {
          first_tied_ = Format("port %s of module %s (line %ld) to %s", pb.name.c_str(),
                               cell.name.c_str(), m.line, root == kGnd ? "0" : "1");
        }
        body.Rename(entry, pb.name);
      } else if (!EqualNoCase(body.Name(entry), pb.name)) {
        NoteWiredTogether(netlist, cell.name, std::string(body.Name(entry)), pb.name, m.line);
      }
    };
    auto forget = [&] {
      if (last_use) {
        m.names_moved = nullptr;
        m.nets.clear();
        m.net_index = NamePositions();
        m.ports.clear();
      }
    };
    // The other nets: the constant, or the first declared bit of the
    // class, made unique in the cell. False past the limit of nodes.
    auto name_the_rest = [&] {
      if (static_cast<long>(body.nets.size()) > options.limits.nets) return false;
      constexpr std::uint32_t kNone = UINT32_MAX;
      std::vector<std::uint32_t> lowest(body.nets.size(), kNone);
      for (std::int64_t b = 0; b < m.bits; ++b) {
        std::int32_t n = fill.net_of[static_cast<std::size_t>(Root(parent, b))];
        if (n >= 0 && lowest[static_cast<std::size_t>(n)] == kNone) {
          lowest[static_cast<std::size_t>(n)] = static_cast<std::uint32_t>(b);
        }
      }
      body.names.Reserve(body.nets.size() + port_bits.size());
      std::string name;
      std::size_t v = 0;  // the wire holding the last net's bit: the next is often near
      for (std::size_t n = 0; n < body.nets.size(); ++n) {
        if (fill.named_by_port[n]) continue;
        name.clear();
        if (lowest[n] <= kVdd) {
          name = lowest[n] == kGnd ? "GND" : "VDD";
        } else {
          v = HolderOf(m.nets, lowest[n], v);
          const VNet* holder = &m.nets[v];
          AppendBitName(m, v, static_cast<long>(lowest[n] - holder->first_bit), name, false);
          // A wire named as a supply stays the global supply node.
          if (!IsSupplyName(name)) {
            // A wire's own name is not copied again when the text holds it.
            if (name == m.Name(*holder) && body.names.Claim(name)) {
              body.Rename(body.nets[n], m.Name(*holder));
              continue;
            }
            name = body.names.Unique(name);
          }
        }
        body.Rename(body.nets[n], name);
      }
      if (!declarations_read) forget();
      return true;
    };
    auto too_many_nodes = [&] {
      return capacity("Too many nodes in this cell", cell.name, key::kEdifNets,
                      static_cast<long>(body.nets.size()), options.limits.nets);
    };
    if (wired) {
      // The instances' bits are known: the nets are all met, and named,
      // before the module is read again, and each net's pins are counted
      // so that they are placed as they come. The nets in the order they
      // are met: the module's ports first, then the pins of the instances.
      for (const PortBit& pb : port_bits) {
        const std::size_t n = fill.NetFor(pb.bit);
        ++body.nets[n].count;
        name_by_port(pb, n);
      }
      for (std::size_t k = 0; k < m.wiring.size(); ++k) {
        if (m.wiring[k] != kNoBit) ++body.nets[fill.NetFor(m.wiring[k])].count;
      }
      if (!name_the_rest()) return too_many_nodes();
      fill.SetRanges();
      fill.placed = true;
      for (const PortBit& pb : port_bits) fill.Pin(kalvor::Pin::kOwn, body.PortName(pb.name), pb.bit);
    } else {
      body.pins.reserve(port_bits.size() + static_cast<std::size_t>(m.pins));
      fill.net_of_pin.reserve(body.pins.capacity());
      for (const PortBit& pb : port_bits) {
        name_by_port(pb, fill.Pin(kalvor::Pin::kOwn, body.PortName(pb.name), pb.bit));
      }
    }
    body.instances.reserve(static_cast<std::size_t>(m.instances));
    try {
      Parser(*in_, *modules_).Again(m, Pass::kFill, &fill);
    } catch (const ReadError& e) {
      return stop(Format("Line %ld: %s", e.line, e.text.c_str()), cell.name);
    }
    m.wiring.clear();
    if (declarations_read) forget();
    fill.GroupPins();
    std::vector<std::uint32_t>().swap(fill.net_of_pin);
    // Two instances of one name are refused; two names alike in the macro
    // file only where a name had to change.
    body.distinct_instances = body.original_names.empty();
    if (!wired && !name_the_rest()) return too_many_nodes();
  }
  if (netlist.FindCell(cell.name) >= 0) {
    netlist.Note(Diagnostic::Severity::kWarning, "duplicate cell", "Warning, duplicate cell name!",
                 cell.name, m.line);
  }
  if (static_cast<long>(netlist.cells.size()) >= options.limits.cells) {
    return capacity("Too many cells", "", key::kEdifCells, static_cast<long>(order_.size()),
                    options.limits.cells);
  }
  netlist.AddCell(std::move(cell));
  return true;
}

VerilogReader::VerilogReader(VerilogNetlist& parsed, const ReadOptions& options, Netlist& netlist)
    : parsed_(parsed), options_(options), netlist_(netlist) {}

ReadStep VerilogReader::Next() {
  if (next_ == parsed_.CellCount()) {
    if (!done_) parsed_.NoteTiedPorts(netlist_);
    if (!done_ && parsed_.Top() != "-none-") {
      netlist_.has_design = true;
      netlist_.top = parsed_.Top();
    }
    done_ = true;
    return ReadStep::kEnd;
  }
  if (options_.keep_going && !options_.keep_going()) return ReadStep::kFailed;
  if (parsed_.FillCell(next_++, options_, netlist_)) return ReadStep::kCell;
  short_key = parsed_.short_key();
  short_needed = parsed_.short_needed();
  return ReadStep::kFailed;
}

}  // namespace kalvor
