#include "vhdl/vhdl_identifiers.h"

#include <cstring>

#include "text/strings.h"

namespace kalvor {

namespace {

bool IsExtendedGraphic(unsigned char c) {
  return c >= 0x20 && c != 0x7f && (c < 0x80 || c >= 0xa0);
}

// Character classes of basic identifiers: 1 letter, 2 digit, 3 underscore;
// the same as bits (kWordBit a letter or digit, kUnderscoreBit, kOtherBit
// any other byte); and the bytes an extended identifier writes otherwise
// than as they are.
constexpr unsigned char kWordBit = 1;
constexpr unsigned char kUnderscoreBit = 2;
constexpr unsigned char kOtherBit = 4;
struct CharClasses {
  unsigned char of[256] = {};
  unsigned char bits[256] = {};
  bool escaped[256] = {};
  CharClasses() {
    for (int c = 'a'; c <= 'z'; ++c) of[c] = of[c - 'a' + 'A'] = 1;
    for (int c = '0'; c <= '9'; ++c) of[c] = 2;
    of['_'] = 3;
    for (int c = 0; c < 256; ++c) {
      bits[c] = of[c] == 0 ? kOtherBit : of[c] == 3 ? kUnderscoreBit : kWordBit;
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
  if (name.empty() || ClassOf(name[0]) != 1 || name.back() == '_') return false;
  // The classes of all the bytes together (no branch per byte); a name
  // with an underscore is searched for two in a row.
  unsigned all = 0;
  for (char c : name) all |= kClasses.bits[static_cast<unsigned char>(c)];
  if ((all & kOtherBit) != 0) return false;
  return (all & kUnderscoreBit) == 0 || name.find("__") == std::string_view::npos;
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
