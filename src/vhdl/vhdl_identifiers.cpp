#include "vhdl/vhdl_identifiers.h"

#include <cstdint>
#include <cstring>

#include "text/strings.h"

namespace kalvor {

namespace {

bool IsExtendedGraphic(unsigned char c) {
  return c >= 0x20 && c != 0x7f && (c < 0x80 || c >= 0xa0);
}

// Character classes of basic identifiers: 1 letter, 2 digit, 3 underscore;
// and the bytes an extended identifier writes otherwise than as they are.
struct CharClasses {
  unsigned char of[256] = {};
  bool escaped[256] = {};
  CharClasses() {
    for (int c = 'a'; c <= 'z'; ++c) of[c] = of[c - 'a' + 'A'] = 1;
    for (int c = '0'; c <= '9'; ++c) of[c] = 2;
    of['_'] = 3;
    for (int c = 0; c < 256; ++c) {
      escaped[c] = c == '\\' || !IsExtendedGraphic(static_cast<unsigned char>(c));
    }
  }
};
const CharClasses kClasses;

unsigned ClassOf(char c) { return kClasses.of[static_cast<unsigned char>(c)]; }

constexpr const char* kReservedWords[] = {
    "abs", "access", "after", "alias", "all", "and", "architecture", "array", "assert",
    "assume", "assume_guarantee", "attribute", "begin", "block", "body", "buffer", "bus",
    "case", "component", "configuration", "constant", "context", "cover", "default",
    "disconnect", "downto", "else", "elsif", "end", "entity", "exit", "fairness", "file",
    "for", "force", "function", "generate", "generic", "group", "guarded", "if", "impure",
    "in", "inertial", "inout", "is", "label", "library", "linkage", "literal", "loop", "map",
    "mod", "nand", "new", "next", "nor", "not", "null", "of", "on", "open", "or", "others",
    "out", "package", "parameter", "port", "postponed", "procedure", "process", "property",
    "protected", "pure", "range", "record", "register", "reject", "release", "rem", "report",
    "restrict", "restrict_guarantee", "return", "rol", "ror", "select", "sequence",
    "severity", "shared", "signal", "sla", "sll", "sra", "srl", "strong", "subtype", "then",
    "to", "transport", "type", "unaffected", "units", "until", "use", "variable", "vmode",
    "vprop", "vunit", "wait", "when", "while", "with", "xnor", "xor",
    // Names the written file refers to after its own declarations.
    "std_logic", "std_logic_vector", "analog", "ieee", "std", "work", "kalvor_types"};

}  // namespace

bool IsBasicIdentifier(std::string_view name) {
  const std::size_t n = name.size();
  if (n == 0 || ClassOf(name[0]) != 1 || name.back() == '_') return false;
  // Eight bytes at a time (a name of fewer, its bytes; the last eight of a
  // longer one overlapping those before): every byte a letter, a digit or
  // an underscore, and no two underscores in a row, within the eight or
  // across the end of the eight before.
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = kOnes * 0x80;
  // The high bit of each byte of `x` (each below 0x80) from `lo` to `hi`.
  auto within = [](std::uint64_t x, unsigned lo, unsigned hi) {
    return (x + kOnes * (0x80 - lo)) & ~(x + kOnes * (0x7f - hi)) & kHighs;
  };
  // `w`'s first `k` bytes: true when they may stand in an identifier (the
  // byte before them, `*underscore_before`, an underscore or not).
  auto eight = [&within](std::uint64_t w, std::size_t k, bool* underscore_before) {
    if ((w & kHighs) != 0) return false;
    const std::uint64_t used = k == 8 ? kHighs : kHighs & ((std::uint64_t{1} << (8 * k)) - 1);
    const std::uint64_t underscores = ~((w ^ (kOnes * '_')) + kOnes * 0x7f) & kHighs & used;
    const std::uint64_t word = within(w | (kOnes * 0x20), 'a', 'z') | within(w, '0', '9');
    if (((word | underscores) & used) != used) return false;
    if ((underscores & (underscores >> 8)) != 0 || (*underscore_before && (underscores & 0x80))) {
      return false;
    }
    *underscore_before = (underscores >> 63) != 0;
    return true;
  };
  bool underscore_before = false;
  if (n < 8) {
    // The first four bytes and the last four (two and two, one), shifted
    // into place: the bytes they share are the same.
    const char* p = name.data();
    std::uint64_t w = static_cast<unsigned char>(p[0]);
    if (n >= 4) {
      std::uint32_t head = 0;
      std::uint32_t tail = 0;
      std::memcpy(&head, p, 4);
      std::memcpy(&tail, p + n - 4, 4);
      w = head | (std::uint64_t{tail} << (8 * (n - 4)));
    } else if (n >= 2) {
      std::uint16_t head = 0;
      std::uint16_t tail = 0;
      std::memcpy(&head, p, 2);
      std::memcpy(&tail, p + n - 2, 2);
      w = head | (std::uint64_t{tail} << (8 * (n - 2)));
    }
    return eight(w, n, &underscore_before);
  }
  std::uint64_t w = 0;
  std::size_t at = 0;
  for (; at + 8 <= n; at += 8) {
    std::memcpy(&w, name.data() + at, 8);
    if (!eight(w, 8, &underscore_before)) return false;
  }
  if (at == n) return true;
  // (The last eight hold the pair across the end of the eight before.)
  underscore_before = false;
  std::memcpy(&w, name.data() + n - 8, 8);
  return eight(w, 8, &underscore_before);
}

ReservedNames::ReservedNames() {
  for (const char* word : kReservedWords) Add(word);
}

void ReservedNames::Add(std::string_view word) {
  if (word.empty() || word.size() > 31) return;
  words_[Slot(word[0])].push_back(ToLower(word));
  ends_[Slot(word[0])][word.size()] |= 1u << Slot(word.back());
}

bool ReservedNames::ContainsWord(std::string_view name) const {
  for (const std::string& word : words_[Slot(name[0])]) {
    if (word.size() == name.size() && EqualNoCase(word, name)) return true;
  }
  return false;
}

namespace {

// True when none of eight bytes needs escaping (each 0x20 to 0x7e, no
// backslash); false may also be said of bytes that need none.
bool PlainEight(std::uint64_t w) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  auto has_zero = [](std::uint64_t x) { return (x - kOnes) & ~x & kHighs; };
  const std::uint64_t below_blank = (w - kOnes * 0x20) & ~w & kHighs;
  const std::uint64_t special = has_zero(w ^ (kOnes * '\\')) | has_zero(w ^ (kOnes * 0x7f));
  return ((w & kHighs) | below_blank | special) == 0;
}

}  // namespace

void AppendExtendedIdentifier(std::string& out, std::string_view name) {
  out.reserve(out.size() + name.size() + 2);
  out += '\\';
  std::size_t i = 0;
  for (std::uint64_t w = 0; i + 8 <= name.size(); i += 8) {
    std::memcpy(&w, name.data() + i, 8);
    if (!PlainEight(w)) break;
  }
  std::size_t from = 0;
  for (; i < name.size(); ++i) {
    auto byte = static_cast<unsigned char>(name[i]);
    if (!kClasses.escaped[byte]) continue;
    out.append(name.data() + from, i - from);
    out += byte == '\\' ? std::string("\\\\") : Format(" %02x ", byte);
    from = i + 1;
  }
  out.append(name.data() + from, name.size() - from);
  out += '\\';
}

std::string ExtendedIdentifier(std::string_view name) {
  std::string out;
  out.reserve(name.size() + 2);
  AppendExtendedIdentifier(out, name);
  return out;
}

void AppendPlainIdentifier(std::string& out, std::string_view name,
                           const ReservedNames& reserved) {
  if (IsPlainIdentifier(name, reserved)) {
    out += name;
  } else {
    AppendExtendedIdentifier(out, name);
  }
}

std::string PlainIdentifier(std::string_view name, const ReservedNames& reserved) {
  std::string out;
  AppendPlainIdentifier(out, name, reserved);
  return out;
}

void IdentifierRegion::Clear() {
  claimed_.Clear();
  for (std::uint64_t& bits : initials_) bits = 0;
}

// Basic identifiers are told apart ignoring letter case, extended ones as
// written.
std::string_view IdentifierRegion::Key(std::string_view identifier) const {
  if (!identifier.empty() && identifier[0] == '\\') return identifier;
  if (!HasUpperAscii(identifier)) return identifier;
  key_.assign(identifier);
  LowerAsciiInPlace(key_.data(), key_.size());
  return key_;
}

bool IdentifierRegion::Claims(std::string_view identifier) const {
  return claimed_.Contains(Key(identifier));
}

void IdentifierRegion::Claim(std::string_view identifier) { TryClaim(identifier, nullptr); }

bool IdentifierRegion::TryClaim(std::string_view identifier, const IdentifierRegion* outer) {
  const std::string_view key = Key(identifier);
  if (outer != nullptr && outer->claimed_.Contains(key)) return false;
  if (!claimed_.Insert(key)) return false;
  if (!key.empty()) {
    auto u = static_cast<unsigned char>(key[0]);
    initials_[u / 64] |= std::uint64_t{1} << (u % 64);
  }
  return true;
}

std::string_view IdentifierRegion::Declare(std::string_view name, const IdentifierRegion* outer,
                                           bool* plain) {
  std::string& identifier = identifier_;
  if (plain) *plain = true;
  // Most names are basic identifiers: their own identifier, not copied.
  if (IsPlainIdentifier(name, reserved_)) {
    if (TryClaim(name, outer)) return name;
    identifier.assign(name);
  } else {
    identifier.clear();
    AppendExtendedIdentifier(identifier, name);
    if (TryClaim(identifier, outer)) return identifier;
  }
  if (plain) *plain = false;
  std::string extended = ExtendedIdentifier(name);
  if (extended != identifier && TryClaim(extended, outer)) return identifier = extended;
  extended.pop_back();
  for (int n = 2;; ++n) {
    identifier = extended + " " + std::to_string(n) + "\\";
    if (TryClaim(identifier, outer)) return identifier;
  }
}

void RenamedNets::Note(const std::string& name, const std::string& identifier,
                       const ReservedNames& r) {
  // (PlainIdentifier without the string it makes.)
  const bool plain = IsPlainIdentifier(name, r) ? identifier == name
                                                : identifier == ExtendedIdentifier(name);
  if (!plain) renamed_[name] = identifier;
}

void RenamedNets::Append(std::string& out, std::string_view name, const ReservedNames& r) const {
  if (!renamed_.empty()) {
    auto it = renamed_.find(name);
    if (it != renamed_.end()) {
      out += it->second;
      return;
    }
  }
  AppendPlainIdentifier(out, name, r);
}

}  // namespace kalvor
