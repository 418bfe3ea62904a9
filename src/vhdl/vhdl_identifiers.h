// VHDL identifiers for names carried over from a netlist: which names may
// stand as they are, the extended form (\name\) for the others, and the
// names of one declarative region kept apart from each other.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/name_set.h"
#include "text/strings.h"

namespace kalvor {

// A basic identifier: a letter, then letters and digits, an underscore only
// between two of them.
bool IsBasicIdentifier(std::string_view name);

// Words that a name must not be written as: the reserved words of VHDL
// (1993 and 2008), the names the written file refers to after the
// declarations (std_logic, std_logic_vector, analog), the libraries and the
// packages it uses. Letter case is ignored.
class ReservedNames {
 public:
  ReservedNames();
  // Adds a word (a package or library named in the dialog, for example).
  void Add(std::string_view word);
  bool Contains(std::string_view name) const {
    // Most names are told apart by their first and last letters and their
    // length alone.
    if (name.empty() || name.size() > 31) return false;
    if ((ends_[Slot(name[0])][name.size()] & (1u << Slot(name.back()))) == 0) return false;
    return ContainsWord(name);
  }

 private:
  static int Slot(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    return c >= 'a' && c <= 'z' ? c - 'a' : 26;
  }
  bool ContainsWord(std::string_view name) const;

  // By first letter (26: any other character): the words, and for each
  // length a bit for the last letter of each word of that length.
  std::vector<std::string> words_[27];
  std::uint32_t ends_[27][32] = {};
};

// Whether `name` is written as it is: a basic identifier, not reserved.
inline bool IsPlainIdentifier(std::string_view name, const ReservedNames& reserved) {
  return IsBasicIdentifier(name) && !reserved.Contains(name);
}

// The extended identifier for `name`: \name\ with every backslash doubled.
// A byte that an extended identifier may not hold (a control character,
// 127 to 159) becomes a blank, its two hexadecimal digits and a blank;
// netlist names hold no blanks, so the result stays apart from every other
// name's.
std::string ExtendedIdentifier(std::string_view name);
// The same added at the end of `out`.
void AppendExtendedIdentifier(std::string& out, std::string_view name);

// How a name is written when nothing else in its region claims it: as it is
// when it is a basic identifier and not reserved, else extended.
std::string PlainIdentifier(std::string_view name, const ReservedNames& reserved);
void AppendPlainIdentifier(std::string& out, std::string_view name,
                           const ReservedNames& reserved);

// The identifiers of one declarative region. Each name gets its plain form
// unless an identifier declared before it claims that (basic identifiers
// ignore letter case); it then gets its extended form, and when that is
// taken too, the extended form with a blank and the first free number from 2.
class IdentifierRegion {
 public:
  explicit IdentifierRegion(const ReservedNames& reserved) : reserved_(reserved) {}
  void Clear();
  // Declares `name` and returns its identifier (valid until the next
  // Declare, and while `name` is: a basic identifier is `name` itself).
  // `outer`, when given, holds further identifiers the name must stay apart
  // from. `plain`, when given, tells whether the identifier is the name's
  // plain form.
  std::string_view Declare(std::string_view name, const IdentifierRegion* outer = nullptr,
                           bool* plain = nullptr);
  // Declares an identifier decided elsewhere.
  void Claim(std::string_view identifier);
  bool Claims(std::string_view identifier) const;
  // Whether an identifier that begins with `c` (a lowercase letter for a
  // basic one) has been declared.
  bool ClaimsInitial(char c) const {
    auto u = static_cast<unsigned char>(c);
    return (initials_[u / 64] >> (u % 64)) & 1u;
  }

 private:
  // Claims the identifier when it is free; false when it is taken.
  bool TryClaim(std::string_view identifier, const IdentifierRegion* outer);
  std::string_view Key(std::string_view identifier) const;

  const ReservedNames& reserved_;
  NameSet claimed_;
  mutable std::string key_;
  std::string identifier_;  // Declare's result
  std::uint64_t initials_[4] = {};
};

// Nets of a region: the identifier of each name whose identifier is not its
// plain form (the rest need no entry).
class RenamedNets {
 public:
  void Clear() { renamed_.clear(); }
  void Note(const std::string& name, const std::string& identifier, const ReservedNames& r);
  // The same for an identifier known not to be the plain form.
  void Rename(const std::string& name, const std::string& identifier) {
    renamed_[name] = identifier;
  }
  void Append(std::string& out, std::string_view name, const ReservedNames& r) const;

 private:
  std::unordered_map<std::string, std::string, TextHash, std::equal_to<>> renamed_;
};

}  // namespace kalvor
