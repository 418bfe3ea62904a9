#include "text/lineio.h"

#include <algorithm>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
// Thirty-two bytes at a time where the processor can, asked once. (Not on
// Windows, whose compilers may keep such values on a stack aligned for
// sixteen bytes only.)
#if defined(__x86_64__) && defined(__GNUC__) && !defined(_WIN32)
#define KALVOR_LINE_ENDS_BY_32 1
#include <immintrin.h>
#endif

#include "text/blank_scan.h"

namespace kalvor {

namespace {

#if defined(KALVOR_LINE_ENDS_BY_32)
std::size_t FindLineEndBy16(const char* data, std::size_t n, bool nul_ends, bool* tab);

__attribute__((target("avx2"))) std::size_t FindLineEndBy32(const char* data, std::size_t n,
                                                             bool nul_ends, bool* tab) {
  std::size_t i = 0;
  const __m256i lf = _mm256_set1_epi8('\n');
  const __m256i cr = _mm256_set1_epi8('\r');
  const __m256i ht = _mm256_set1_epi8('\t');
  const __m256i nul = nul_ends ? _mm256_setzero_si256() : lf;
  __m256i tabs = _mm256_setzero_si256();
  for (; n - i >= 32; i += 32) {
    const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
    const __m256i ends = _mm256_or_si256(
        _mm256_or_si256(_mm256_cmpeq_epi8(x, lf), _mm256_cmpeq_epi8(x, cr)), _mm256_cmpeq_epi8(x, nul));
    const auto hits = static_cast<unsigned>(_mm256_movemask_epi8(ends));
    if (hits != 0) {
      const auto last = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(x, ht)));
      *tab = _mm256_movemask_epi8(tabs) != 0 || (last & ((hits & (0u - hits)) - 1)) != 0;
      return i + static_cast<std::size_t>(__builtin_ctz(hits));
    }
    tabs = _mm256_or_si256(tabs, _mm256_cmpeq_epi8(x, ht));
  }
  bool tab_after = false;
  const std::size_t end = i + FindLineEndBy16(data + i, n - i, nul_ends, &tab_after);
  *tab = _mm256_movemask_epi8(tabs) != 0 || tab_after;
  return end;
}

const bool kLineEndsBy32 = [] {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") != 0;
}();
#endif

std::size_t FindLineEndBy16(const char* data, std::size_t n, bool nul_ends, bool* tab) {
#if defined(__SSE2__)
  std::size_t i = 0;
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i ht = _mm_set1_epi8('\t');
  const __m128i nul = nul_ends ? _mm_setzero_si128() : lf;
  // The tabs of the pieces before the line's end are gathered as they
  // come; only the last piece's are cut at the end.
  __m128i tabs = _mm_setzero_si128();
  for (; n - i >= 16; i += 16) {
    __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    __m128i ends = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, lf), _mm_cmpeq_epi8(x, cr)),
                                _mm_cmpeq_epi8(x, nul));
    auto hits = static_cast<unsigned>(_mm_movemask_epi8(ends));
    if (hits != 0) {
      const auto last = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, ht)));
      *tab = _mm_movemask_epi8(tabs) != 0 || (last & ((hits & (0u - hits)) - 1)) != 0;
      return i + static_cast<std::size_t>(__builtin_ctz(hits));
    }
    tabs = _mm_or_si128(tabs, _mm_cmpeq_epi8(x, ht));
  }
  *tab = _mm_movemask_epi8(tabs) != 0;
  for (; i < n; ++i) {
    char c = data[i];
    if (c == '\n' || c == '\r' || (c == '\0' && nul_ends)) return i;
    if (c == '\t') *tab = true;
  }
  return n;
#else
  return FindLineEndByWords(data, n, nul_ends, tab);
#endif
}

}  // namespace

std::size_t FindLineEnd(const char* data, std::size_t n, bool nul_ends, bool* tab) {
#if defined(KALVOR_LINE_ENDS_BY_32)
  if (kLineEndsBy32) return FindLineEndBy32(data, n, nul_ends, tab);
#endif
  return FindLineEndBy16(data, n, nul_ends, tab);
}

namespace {

template <char... Ends>
std::size_t LineEndByWords(const char* data, std::size_t n, bool* tab) {
  const char* const end = data + n;
  const char* p = FirstOfOrEnd<Ends..., '\t'>(data, end);
  *tab = p != end && *p == '\t';
  if (*tab) p = FirstOfOrEnd<Ends...>(p + 1, end);
  return static_cast<std::size_t>(p - data);
}

}  // namespace

std::size_t FindLineEndByWords(const char* data, std::size_t n, bool nul_ends, bool* tab) {
  return nul_ends ? LineEndByWords<'\n', '\r', '\0'>(data, n, tab)
                  : LineEndByWords<'\n', '\r'>(data, n, tab);
}

void TabsToBlanks(char* p, std::size_t n) {
  for (char* const end = p + n; (p = const_cast<char*>(FirstOfOrEnd<'\t'>(p, end))) != end;) {
    *p++ = ' ';
  }
}

namespace {

// The common part of both ReadLine forms: returns the line length, or -1 at
// end of file, and the bytes in *line_data; *tab tells whether they hold a
// tab.
long ReadLineCore(File& file, int size, const char** line_data, bool* tab) {
  if (size <= 0) return -1;
  const char* data = nullptr;
  std::size_t n = file.Peek(static_cast<std::size_t>(size), &data);
  if (n == 0) return -1;
  std::size_t len = FindLineEnd(data, n, /*nul_ends=*/true, tab);
  std::size_t term = TerminatorLength(data, n, len);
  *line_data = data;
  file.Skip(len + term);
  return static_cast<long>(len);
}

}  // namespace

int ReadLine(File& file, char* buffer, int size) {
  const char* data = nullptr;
  bool tab = false;
  long len = ReadLineCore(file, size, &data, &tab);
  if (len < 0) {
    if (buffer && size >= 0) buffer[0] = '\0';
    return 0;
  }
  std::memcpy(buffer, data, static_cast<std::size_t>(len));
  buffer[len] = '\0';
  if (tab) TabsToBlanks(buffer, static_cast<std::size_t>(len));
  return static_cast<int>(len + 1);
}

std::string_view ReadLineInPlace(File& file, int size, bool* tab) {
  const char* data = nullptr;
  *tab = false;
  long len = ReadLineCore(file, size, &data, tab);
  return len <= 0 ? std::string_view() : std::string_view(data, static_cast<std::size_t>(len));
}

int ReadLine(File& file, std::string& line, int size) {
  const char* data = nullptr;
  bool tab = false;
  long len = ReadLineCore(file, size, &data, &tab);
  if (len < 0) {
    line.clear();
    return 0;
  }
  line.assign(data, static_cast<std::size_t>(len));
  if (tab) TabsToBlanks(line.data(), line.size());
  return static_cast<int>(len + 1);
}

bool AppendWholeLine(File& file, std::string& line, bool tabs_to_blanks) {
  const std::size_t start = line.size();
  constexpr std::size_t kStep = 1 << 15;
  bool any = false;
  bool tabs = false;  // the line holds a tab
  // The line's tabs become blanks when asked for; it is complete.
  auto done = [&] {
    if (tabs_to_blanks && tabs) TabsToBlanks(line.data() + start, line.size() - start);
    return true;
  };
  for (;;) {
    const char* data = nullptr;
    std::size_t n = file.Peek(kStep, &data);
    if (n == 0) return any;
    any = true;
    // A NUL is a byte like any other: the rewrites pass it through.
    bool tab = false;
    std::size_t len = FindLineEnd(data, n, /*nul_ends=*/false, &tab);
    tabs = tabs || tab;
    if (len < n) {
      std::size_t term = 1;
      if (len + 1 < n) {
        term = TerminatorLength(data, n, len);
      } else {
        // The pair may straddle the window: look one byte further.
        line.append(data, len);
        file.Skip(len);
        const char* two = nullptr;
        std::size_t m = file.Peek(2, &two);
        term = m >= 2 ? TerminatorLength(two, m, 0) : 1;
        file.Skip(term);
        return done();
      }
      line.append(data, len);
      file.Skip(len + term);
      return done();
    }
    line.append(data, n);
    file.Skip(n);
    if (n < kStep) return done();
  }
}

bool ReadWholeLine(File& file, std::string& line, bool tabs_to_blanks) {
  line.clear();
  return AppendWholeLine(file, line, tabs_to_blanks);
}

void LineCursor::Sync() {
  file_.Skip(static_cast<std::size_t>(p_ - base_));
  base_ = p_ = end_ = nullptr;
}

bool LineCursor::Refill() {
  Sync();
  const std::size_t n = file_.Peek(std::size_t{1} << 16, &base_);
  p_ = base_;
  end_ = base_ + n;
  return n > 0;
}

bool LineCursor::NextLine() {
  if (in_line_) {
    while (Peek() >= 0) Next();
    if (p_ != end_ || Refill()) {
      // CR LF and LF CR are one terminator.
      const char first = *p_++;
      if ((p_ != end_ || Refill()) && *p_ == (first == '\r' ? '\n' : '\r')) ++p_;
    }
  }
  in_line_ = p_ != end_ || Refill();
  if (in_line_) ++number_;
  return in_line_;
}

std::size_t LineCursor::SkipBlanks() {
  std::size_t n = 0;
  for (; Peek() == ' '; Next()) ++n;
  return n;
}

std::size_t LineCursor::Word(std::string& word, std::size_t cap) {
  std::size_t n = 0;
  for (int c; (c = Peek()) >= 0 && c != ' '; Next(), ++n) {
    if (n < cap) word.push_back(static_cast<char>(c));
  }
  return n;
}

bool WriteLine(File& file, std::string_view text) {
  bool ok = file.Write(text);
  ok = file.Write("\r\n", 2) && ok;
  return ok;
}

bool WriteWrappedLine(File& file, std::string_view text, std::string& unsplit) {
  unsplit.clear();
  // The remaining text is "+" (when `plus`) followed by text[off...]; it is
  // never copied, so a header with thousands of ports costs its length.
  std::size_t off = 0;
  bool plus = false;
  auto at = [&](std::size_t j) { return plus ? (j == 0 ? '+' : text[off + j - 1]) : text[off + j]; };
  auto length = [&] { return text.size() - off + (plus ? 1 : 0); };
  auto put_line = [&](std::size_t n) {  // the first n characters of the remaining text
    bool ok = true;
    if (plus) {
      ok = file.Write("+", 1);
      if (n > 0) ok = file.Write(text.substr(off, n - 1)) && ok;
    } else {
      ok = file.Write(text.substr(off, n));
    }
    return file.Write("\r\n", 2) && ok;
  };
  while (length() > 77) {
    // The first blank at positions 70 to 74, else the last one at 2 to 69.
    std::size_t split = 0;
    for (std::size_t j = 70; j <= 74 && split == 0; ++j) {
      if (at(j) == ' ') split = j;
    }
    for (std::size_t j = 69; j >= 2 && split == 0; --j) {
      if (at(j) == ' ') split = j;
    }
    if (split == 0) {
      unsplit = plus ? "+" + std::string(text.substr(off)) : std::string(text.substr(off));
      file.Close();
      return false;
    }
    if (!put_line(split)) return false;
    off += split + (plus ? 0 : 1);
    plus = true;
    if (off == text.size() || (off + 1 == text.size() && text[off] == ' ')) return true;
  }
  return put_line(length());
}

int JoinContinuations(File& file, char continuation, std::string& line, int size) {
  for (int joined = 0;; ++joined) {
    std::int64_t mark = file.Tell();
    long room = static_cast<long>(size) - static_cast<long>(line.size()) - 3;
    std::string next;
    int got = room > 0 ? ReadLine(file, next, static_cast<int>(room)) : 0;
    if (got && !next.empty() && next[0] == continuation) {
      next[0] = ' ';
      line += next;
      continue;
    }
    file.Seek(mark);
    return joined;
  }
}

long LineNumberAt(const std::string& path, std::int64_t offset) {
  File file;
  if (!file.Open(path, File::Mode::kRead)) return 0;
  long line = 1;
  char last = '\0';
  char pending = '\0';  // the line end just counted, which the other may complete
  std::vector<char> block(1 << 16);
  for (std::int64_t left = offset; left > 0;) {
    const std::size_t got = file.Read(block.data(), static_cast<std::size_t>(
                                                        std::min<std::int64_t>(left, std::ssize(block))));
    if (got == 0) break;
    for (std::size_t i = 0; i < got; ++i) {
      const char c = block[i];
      if (c == '\r' || c == '\n') {
        // CR LF and LF CR are one line end, as ReadLine takes them.
        if (pending == (c == '\r' ? '\n' : '\r')) {
          pending = '\0';
        } else {
          ++line;
          pending = c;
        }
      } else {
        pending = '\0';
      }
      last = c;
    }
    left -= static_cast<std::int64_t>(got);
  }
  // The end of a file whose last line is ended: that line.
  char next = 0;
  if (line > 1 && (last == '\n' || last == '\r') && file.Read(&next, 1) == 0) --line;
  return file.ReadFailed() ? 0 : line;
}

int ReadJoinedLine(File& file, std::string& line, int size) {
  int got = ReadLine(file, line, size);
  if (got) JoinContinuations(file, '+', line, size);
  return got;
}

}  // namespace kalvor
