#include "text/strings.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

#include "text/blank_scan.h"

namespace kalvor {

std::string JoinPath(std::string_view directory, std::string_view name,
                     PathStyle style) {
  std::string result(directory);
  char sep = PathSeparator(style);
  if (!result.empty() && result.back() != sep) result += sep;
  result += name;
  return result;
}

std::string SplitPath(std::string& path, PathStyle style) {
  std::size_t at = style == PathStyle::kWindows
                       ? path.find_last_of("\\:")
                       : path.find_last_of('/');
  if (at == std::string::npos) return path;
  std::string name = path.substr(at + 1);
  path.resize(at);
  return name;
}

std::string_view NextWord(std::string_view& rest) { return TakeWord(rest, 62); }

std::string NextWord(std::string& text) {
  std::string_view rest(text);
  std::string word(NextWord(rest));
  text.erase(0, text.size() - rest.size());  // what is left is a suffix
  return word;
}

bool HasContent(std::string_view text) {
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != ';') return true;
  }
  return false;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (ToUpperAscii(a[i]) != ToUpperAscii(b[i])) return false;
  }
  return true;
}

std::string ToUpper(std::string_view text) {
  std::string out(text);
  UpperAsciiInPlace(out.data(), out.size());
  return out;
}

std::string ToLower(std::string_view text) {
  std::string out(text);
  LowerAsciiInPlace(out.data(), out.size());
  return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         EqualNoCase(text.substr(0, prefix.size()), prefix);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::size_t FindNoCase(std::string_view haystack, std::string_view needle,
                       std::size_t from) {
  if (needle.size() > haystack.size()) return std::string_view::npos;
  for (std::size_t i = from; i + needle.size() <= haystack.size(); ++i) {
    if (EqualNoCase(haystack.substr(i, needle.size()), needle)) return i;
  }
  return std::string_view::npos;
}

char* PutDecimalDigits(char* at, unsigned long long value) {
  char digits[20];
  char* const end = digits + sizeof digits;
  char* d = end;
  do {
    *--d = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  const auto n = static_cast<std::size_t>(end - d);
  std::memcpy(at, d, n);
  return at + n;
}

void AppendDecimal(std::string& out, long v) {
  char text[24];
  char* end = text;
  if (v < 0) *end++ = '-';
  end = PutDecimal(end, v < 0 ? 0ull - static_cast<unsigned long long>(v)
                              : static_cast<unsigned long long>(v));
  out.append(text, static_cast<std::size_t>(end - text));
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out;
  if (n > 0) {
    std::vector<char> buf(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), format, args);
    out.assign(buf.data(), static_cast<std::size_t>(n));
  }
  va_end(args);
  return out;
}

std::string Truncate(std::string_view text, std::size_t n) {
  return std::string(text.substr(0, n));
}

long LeadingInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() &&
         (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
          text[i] == '\r' || text[i] == '\f' || text[i] == '\v')) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Out-of-range values saturate, as the standard conversion does, rather
  // than wrap (negating the most negative long would be undefined).
  const unsigned long limit =
      static_cast<unsigned long>(std::numeric_limits<long>::max()) + (negative ? 1 : 0);
  unsigned long value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    unsigned long digit = static_cast<unsigned long>(text[i] - '0');
    value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    ++i;
  }
  if (!negative) return static_cast<long>(value);
  if (value == limit) return std::numeric_limits<long>::min();
  return -static_cast<long>(value);
}

std::string QuoteArgument(std::string_view arg) {
  bool plain = !arg.empty();
  for (char c : arg) {
    bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                std::string_view("._-+/\\:~@").find(c) != std::string_view::npos;
    if (!safe) plain = false;
  }
  if (plain) return std::string(arg);
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + "\"";
}

std::string PathArgument(std::string_view path, PathStyle style) {
  if (!path.empty() && path[0] == '-') {
    return QuoteArgument(std::string(".") + PathSeparator(style) + std::string(path));
  }
  return QuoteArgument(path);
}

}  // namespace kalvor
