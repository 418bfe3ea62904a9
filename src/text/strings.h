// Path and word helpers shared by every part of the program.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "text/blank_scan.h"
#include "text/path_style.h"

namespace kalvor {

// The hash of a map keyed by std::string that is looked up with
// std::string_view (with std::equal_to<>), so a lookup makes no string.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// Directory and name joined with one separator; an empty directory gives the
// name alone.
std::string JoinPath(std::string_view directory, std::string_view name,
                     PathStyle style = HostPathStyle());

// Cuts `path` at its last separator (backslash or colon in Windows style,
// slash in POSIX style): `path` keeps the directory part without the
// separator and the name part is returned. Without a separator the whole
// path is the name and `path` is left unchanged.
std::string SplitPath(std::string& path, PathStyle style = HostPathStyle());

// The next blank- or tab-separated word of `text` (at most 62 characters),
// removed from `text` together with one separator. An over-long word
// discards the rest of the string and gives the empty word.
std::string NextWord(std::string& text);
// The same on a view: `rest` is moved past the word and one separator.
std::string_view NextWord(std::string_view& rest);
// The next word of `rest` after blanks and tabs, `rest` moved past it and one
// separator; a word longer than `longest` empties `rest` and gives the
// empty word.
inline std::string_view TakeWord(std::string_view& rest, std::size_t longest) {
  const char* p = rest.data();
  const char* end = p + rest.size();
  while (p != end && (*p == ' ' || *p == '\t')) ++p;
  const char* word_end = BlankOrEnd(p, end);
  const auto length = static_cast<std::size_t>(word_end - p);
  if (length > longest) {
    rest = std::string_view();
    return std::string_view();
  }
  if (word_end == end) {
    rest = std::string_view();
  } else {
    rest = std::string_view(word_end + 1, static_cast<std::size_t>(end - word_end - 1));
  }
  return std::string_view(p, length);
}
// The next word of any length, taken as NextWord takes a short one: a
// netlist name is never cut or lost however long it is.
inline std::string_view NextName(std::string_view& rest) {
  return TakeWord(rest, std::string_view::npos);
}

// True when `text` holds anything but blanks, tabs and semicolons.
bool HasContent(std::string_view text);

// ASCII letter case ignored.
bool EqualNoCase(std::string_view a, std::string_view b);

// The decimal digits of `value` at `at` (room for 20); returns their end.
// One digit is written inline (most counts are small), more by a call.
char* PutDecimalDigits(char* at, unsigned long long value);
inline char* PutDecimal(char* at, unsigned long long value) {
  if (value >= 10) return PutDecimalDigits(at, value);
  *at = static_cast<char>('0' + value);
  return at + 1;
}
// Appends `v` in decimal, as std::to_string writes it.
void AppendDecimal(std::string& out, long v);

// Appends the pieces in turn: a line of several texts without the strings
// that `+` makes between them.
inline void AppendAll(std::string& out, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) out += piece;
}

// Helpers of the same family used throughout the core.
inline char ToUpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
inline char ToLowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
// The case bit (0x20) of each byte from `first` to `last` among eight
// bytes (bytes of 128 and above are never among them).
constexpr std::uint64_t CaseBitsEight(std::uint64_t w, char first, char last) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  const std::uint64_t low7 = w & ~kHighs;
  const std::uint64_t from = low7 + kOnes * (0x80 - first);      // high bit: byte >= first
  const std::uint64_t past = low7 + kOnes * (0x80 - last - 1);   // high bit: byte > last
  return (from & ~past & ~w & kHighs) >> 2;                      // 0x80 >> 2 is the case bit
}
// The letters A-Z among eight bytes made lower case together, as
// ToLowerAscii makes each.
constexpr std::uint64_t LowerEightAscii(std::uint64_t w) { return w | CaseBitsEight(w, 'A', 'Z'); }
// The letters a-z among eight bytes made upper case together.
constexpr std::uint64_t UpperEightAscii(std::uint64_t w) { return w & ~CaseBitsEight(w, 'a', 'z'); }
// Whether a letter A-Z is among the bytes, eight at a time.
inline bool HasUpperAscii(std::string_view text) {
  const char* p = text.data();
  std::size_t n = text.size();
  for (; n >= 8; p += 8, n -= 8) {
    std::uint64_t w = 0;
    std::memcpy(&w, p, 8);
    if (LowerEightAscii(w) != w) return true;
  }
  for (; n > 0; ++p, --n) {
    if (*p >= 'A' && *p <= 'Z') return true;
  }
  return false;
}
// `One` over `n` bytes at `p`, in place, eight at a time with `Eight`;
// the last eight may overlap those before (a case made twice is the same).
template <std::uint64_t (*Eight)(std::uint64_t), char (*One)(char)>
inline void CaseInPlace(char* p, std::size_t n) {
  auto eight = [](char* at) {
    std::uint64_t w = 0;
    std::memcpy(&w, at, 8);
    w = Eight(w);
    std::memcpy(at, &w, 8);
  };
  if (n < 8) {
    for (; n > 0; ++p, --n) *p = One(*p);
    return;
  }
  for (std::size_t i = 0; i + 8 < n; i += 8) eight(p + i);
  eight(p + n - 8);
}
// ToLowerAscii (ToUpperAscii) over `n` bytes at `p`, in place.
inline void LowerAsciiInPlace(char* p, std::size_t n) {
  CaseInPlace<LowerEightAscii, ToLowerAscii>(p, n);
}
inline void UpperAsciiInPlace(char* p, std::size_t n) {
  CaseInPlace<UpperEightAscii, ToUpperAscii>(p, n);
}
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
// First `n` characters equal ignoring case ("begins with" tests).
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool StartsWith(std::string_view text, std::string_view prefix);
// Case-insensitive substring search; npos when absent.
std::size_t FindNoCase(std::string_view haystack, std::string_view needle,
                       std::size_t from = 0);
// printf-style formatting into a std::string.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// A string cut to at most `n` characters.
std::string Truncate(std::string_view text, std::size_t n);
// Leading decimal integer (leading blanks and a sign allowed), like atol.
long LeadingInt(std::string_view text);

// `arg` as one argument of a command line: unchanged when it holds only
// letters, digits and . _ - + / \ : ~ @, else in double quotes, so that a
// blank or a character a command interpreter treats specially never splits
// it or runs anything. A double quote inside is written \" and the
// backslashes before it (or before the closing quote) doubled, the rule of
// the C runtime's argument splitting, which SplitArguments follows too.
std::string QuoteArgument(std::string_view arg);
// A file name or path as one argument: QuoteArgument, and a relative name
// that begins with "-" written as ".\-name" ("./-name"), so that a program
// never takes it for an option.
std::string PathArgument(std::string_view path, PathStyle style);

}  // namespace kalvor
