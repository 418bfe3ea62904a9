#include "vhdl/vhdl_identifiers.h"

#include "text/strings.h"

namespace kalvor {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsLetterOrDigit(char c) { return IsLetter(c) || (c >= '0' && c <= '9'); }

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

int Slot(char c) {
  c = ToLowerAscii(c);
  return c >= 'a' && c <= 'z' ? c - 'a' : 26;
}

bool IsExtendedGraphic(unsigned char c) { return c >= 0x20 && c != 0x7f && (c < 0x80 || c >= 0xa0); }

}  // namespace

bool IsBasicIdentifier(std::string_view name) {
  if (name.empty() || !IsLetter(name[0]) || name.back() == '_') return false;
  for (std::size_t i = 1; i < name.size(); ++i) {
    char c = name[i];
    if (c == '_') {
      if (name[i - 1] == '_') return false;
    } else if (!IsLetterOrDigit(c)) {
      return false;
    }
  }
  return true;
}

ReservedNames::ReservedNames() {
  for (const char* word : kReservedWords) Add(word);
}

void ReservedNames::Add(std::string_view word) {
  if (word.empty() || word.size() > 31) return;
  words_.push_back(ToLower(word));
  lengths_[Slot(word[0])] |= 1u << word.size();
}

bool ReservedNames::Contains(std::string_view name) const {
  if (name.empty() || name.size() > 31) return false;
  if ((lengths_[Slot(name[0])] & (1u << name.size())) == 0) return false;
  for (const std::string& word : words_) {
    if (EqualNoCase(word, name)) return true;
  }
  return false;
}

std::string ExtendedIdentifier(std::string_view name) {
  std::string out;
  out.reserve(name.size() + 2);
  out += '\\';
  for (char c : name) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (IsExtendedGraphic(byte)) {
      out += c;
    } else {
      out += Format(" %02x ", byte);
    }
  }
  out += '\\';
  return out;
}

void AppendPlainIdentifier(std::string& out, std::string_view name,
                           const ReservedNames& reserved) {
  if (IsBasicIdentifier(name) && !reserved.Contains(name)) {
    out += name;
  } else {
    out += ExtendedIdentifier(name);
  }
}

std::string PlainIdentifier(std::string_view name, const ReservedNames& reserved) {
  std::string out;
  AppendPlainIdentifier(out, name, reserved);
  return out;
}

void IdentifierRegion::Clear() { claimed_.Clear(); }

// Basic identifiers are told apart ignoring letter case, extended ones as
// written.
std::string IdentifierRegion::Key(std::string_view identifier) {
  if (!identifier.empty() && identifier[0] == '\\') return std::string(identifier);
  return ToLower(identifier);
}

bool IdentifierRegion::Claims(std::string_view identifier) const {
  return claimed_.Contains(Key(identifier));
}

bool IdentifierRegion::Free(std::string_view identifier, const IdentifierRegion* outer) const {
  std::string key = Key(identifier);
  return !claimed_.Contains(key) && (outer == nullptr || !outer->claimed_.Contains(key));
}

void IdentifierRegion::Claim(std::string_view identifier) { claimed_.Insert(Key(identifier)); }

std::string IdentifierRegion::Declare(std::string_view name, const IdentifierRegion* outer) {
  std::string identifier = PlainIdentifier(name, reserved_);
  if (!Free(identifier, outer)) {
    std::string extended = ExtendedIdentifier(name);
    if (extended != identifier && Free(extended, outer)) {
      identifier = extended;
    } else {
      extended.pop_back();
      for (int n = 2;; ++n) {
        identifier = extended + " " + std::to_string(n) + "\\";
        if (Free(identifier, outer)) break;
      }
    }
  }
  Claim(identifier);
  return identifier;
}

void RenamedNets::Note(const std::string& name, const std::string& identifier,
                       const ReservedNames& r) {
  if (identifier != PlainIdentifier(name, r)) renamed_[name] = identifier;
}

void RenamedNets::Append(std::string& out, std::string_view name, const ReservedNames& r) const {
  if (!renamed_.empty()) {
    auto it = renamed_.find(std::string(name));
    if (it != renamed_.end()) {
      out += it->second;
      return;
    }
  }
  AppendPlainIdentifier(out, name, r);
}

}  // namespace kalvor
