#include "toolchain/tpr.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/dialogs.h"
#include "core/safe_replace.h"
#include "platform/ui.h"
#include "text/file.h"
#include "text/find_text.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

constexpr std::string_view kNoConnection = " *NC* ";
constexpr std::string_view kPadLevel = "PADS<";

// True when the line holds " *NC* ": its "*" is looked for first, a
// character the other lines of a netlist rarely hold.
bool HasNoConnection(std::string_view line) {
  for (std::size_t at = line.find('*'); at != std::string_view::npos; at = line.find('*', at + 1)) {
    if (at > 0 && line.substr(at - 1, kNoConnection.size()) == kNoConnection) return true;
  }
  return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The blanks atol skips before a number.
bool IsNumberBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// The number written after a port prefix, read like atol (leading blanks
// and a sign allowed); huge values saturate instead of wrapping. `*stop`
// receives where the reading stopped.
long long PortNumber(std::string_view line, std::size_t at, std::size_t* stop) {
  std::size_t i = at;
  while (i < line.size() && IsNumberBlank(line[i])) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
    negative = line[i] == '-';
    ++i;
  }
  constexpr long long kCap = std::numeric_limits<long long>::max() / 10 - 10;
  long long value = 0;
  for (; i < line.size() && IsDigit(line[i]); ++i) {
    if (value < kCap) value = value * 10 + (line[i] - '0');
  }
  *stop = i;
  return negative ? -value : value;
}

// The line rewritten in three passes, for the lines and names the one pass
// below leaves: the root prefix removed, the numbered ports named, the pad
// level removed.

// The first place of `what` in `line` at or after `from`, or npos.
std::size_t FindFrom(const std::string& line, std::string_view what, std::size_t from) {
  if (from > line.size()) return std::string::npos;
  std::size_t at = FindText(std::string_view(line).substr(from), what);
  return at == std::string_view::npos ? std::string::npos : from + at;
}

// Removes every occurrence of `what`; text closed up by a removal is
// searched again, as if the search restarted from the line's start.
void RemoveAll(std::string& line, std::string_view what) {
  if (what.empty()) return;
  std::size_t from = 0;
  for (;;) {
    std::size_t at = FindFrom(line, what, from);
    if (at == std::string::npos) return;
    line.erase(at, what.size());
    from = at >= what.size() - 1 ? at - (what.size() - 1) : 0;
  }
}

// Replaces each port prefix and the digits after it with the port's name,
// from the left; the first number that is no port ends the naming.
void NamePorts(std::string& line, const NetlistNames& names) {
  const std::string& prefix = names.port_prefix;
  const std::vector<std::string>& ports = *names.ports;
  std::size_t from = 0;
  for (;;) {
    std::size_t at = FindFrom(line, prefix, from);
    if (at == std::string::npos) return;
    std::size_t digits = at + prefix.size();
    std::size_t stop = 0;
    long long n = PortNumber(line, digits, &stop);
    if (n < 1 || n > static_cast<long long>(ports.size())) return;
    std::size_t end = digits;
    while (end < line.size() && IsDigit(line[end])) ++end;
    const std::string& name = ports[static_cast<std::size_t>(n - 1)];
    line.replace(at, end - at, name);
    from = at + name.size();
  }
}

void ReduceInPasses(std::string& line, const NetlistNames& names) {
  RemoveAll(line, names.root_prefix);
  NamePorts(line, names);
  RemoveAll(line, kPadLevel);
}

// Whether the output o[0, w) ends with the pad level's bytes before its
// "<".
bool EndsBeforeLt(const char* o, std::size_t w) {
  return w >= 4 && std::memcmp(o + w - 4, kPadLevel.data(), 4) == 0;
}

// Copies p[i, n) to o[w, ...) up to the first `first` or the first "<"
// that would end the output with the pad level, and returns where that is
// (n when there is none); `w` follows. That is the last pass's removal,
// done as the text arrives: the output never holds the pad level, so what
// it would end with is what a search from the start would find first.
// Sixteen bytes at a time where the processor can, as far as p[0, readable)
// goes: `o` needs room for 16 bytes past the copy.
std::size_t CopyUpTo(const char* p, std::size_t n, std::size_t readable, std::size_t i, char* o,
                     std::size_t& w, char first) {
#if defined(__SSE2__)
  const __m128i vf = _mm_set1_epi8(first);
  const __m128i vl = _mm_set1_epi8('<');
  const std::size_t blocks_end = readable >= 16 ? std::min(n, readable - 15) : 0;
  for (; i < blocks_end; i += 16, w += 16) {
    __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o + w), x);
    auto hits = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(x, vf), _mm_cmpeq_epi8(x, vl))));
    for (; hits != 0; hits &= hits - 1) {
      const auto k = static_cast<std::size_t>(__builtin_ctz(hits));
      if (i + k >= n) break;
      if (p[i + k] == first || EndsBeforeLt(o, w + k)) {
        w += k;
        return i + k;
      }
    }
  }
  if (i >= n) {
    w -= i - n;
    return n;
  }
#else
  (void)readable;
#endif
  for (; i < n; ++i) {
    if (p[i] == first || (p[i] == '<' && EndsBeforeLt(o, w))) return i;
    o[w++] = p[i];
  }
  return n;
}

// The three passes in one, the line p[0, n) copied once into `out`, whose
// first `length` bytes are the result; p[0, readable) may be read. Root and
// port prefixes are looked for in the line as read, which is what the
// first pass leaves as long as no removal of the root prefix closes up text
// into a new prefix or lengthens a port number; the pad level is removed as
// the output grows. False where the line could hold such a case: the byte
// before a removed root prefix could end a prefix, a port number is read up
// to a root prefix, or a port prefix and its digits hold the prefixes'
// first byte after their own.
bool ReduceInOnePass(const char* p, std::size_t n, std::size_t readable, const NetlistNames& names,
                     std::string& out, std::size_t& length) {
  const std::string_view module(names.root_prefix.data(), names.root_prefix.size() - 1);
  const std::size_t m = module.size();
  const std::vector<std::string>& ports = *names.ports;
  const char first = module[0];
  // Whether a byte can end the start of a root or port prefix.
  auto ends_start = [&](char c) {
    return c == '_' || std::find(module.begin(), module.end(), c) != module.end();
  };
  std::size_t w = 0;  // output length
  // The output has room for the rest of the line and a block of 16.
  if (out.size() < n + 16) out.resize(2 * (n + 16));
  char* o = out.data();
  bool naming = true;      // no port number has failed yet
  std::size_t joined = 0;  // where the last removed root prefix ended
  for (std::size_t i = 0;;) {
    const std::size_t j = CopyUpTo(p, n, readable, i, o, w, first);
    if (j == n) break;
    i = j + 1;
    if (p[j] != first) {
      w -= 4;  // the pad level goes
      continue;
    }
    // Whether the module name is at j, eight bytes at a time where it fits.
    bool module_at_j = j + m < n;
    if (module_at_j && names.module_mask != 0 && readable - j >= 8) {
      std::uint64_t here = 0;
      std::memcpy(&here, p + j, 8);
      module_at_j = ((here ^ names.module_word) & names.module_mask) == 0;
    } else {
      for (std::size_t k = 1; module_at_j && k < m; ++k) module_at_j = p[j + k] == module[k];
    }
    if (module_at_j && p[j + m] == '<') {
      // The root prefix goes. What the removal keeps before it ends with
      // p[j - 1], or is what the last removal kept before it.
      if (j > joined && p[j - 1] != ' ' && ends_start(p[j - 1])) return false;
      i = joined = j + m + 1;
      continue;
    }
    if (naming && module_at_j && j + m + 1 < n && p[j + m] == '_' && p[j + m + 1] == 'P') {
      const std::size_t digits = j + m + 2;
      std::size_t end = digits;
      while (end < n && IsDigit(p[end])) ++end;
      std::size_t stop = end;
      long long number = 0;
      if (end > digits && end - digits < 18) {
        for (std::size_t d = digits; d < end; ++d) number = number * 10 + (p[d] - '0');
      } else {
        number = PortNumber(std::string_view(p, n), digits, &stop);
      }
      if (stop < n && p[stop] == first &&
          std::string_view(p + stop, n - stop).starts_with(names.root_prefix)) {
        return false;
      }
      if (std::memchr(p + j + 1, first, end - j - 1) != nullptr) return false;
      if (number >= 1 && number <= static_cast<long long>(ports.size())) {
        const std::string& name = ports[static_cast<std::size_t>(number - 1)];
        if (out.size() < w + name.size() + (n - end) + 16) {
          out.resize(2 * (w + name.size() + (n - end) + 16));
          o = out.data();
        }
        for (char c : name) {
          if (c == '<' && EndsBeforeLt(o, w)) {
            w -= 4;
          } else {
            o[w++] = c;
          }
        }
        i = end;
        continue;
      }
      naming = false;
    }
    o[w++] = p[j];
  }
  length = w;
  return true;
}

// The length of the line at p[0, n): up to the first CR or LF, or n.
// `*marked` tells whether the line holds a tab or a "*". One look at each
// byte, sixteen at a time where the processor can.
std::size_t LineEnd(const char* p, std::size_t n, bool* marked) {
  bool mark = false;
  std::size_t i = 0;
#if defined(__SSE2__)
  auto hits = [](__m128i x, char a, char b) {
    return static_cast<unsigned>(_mm_movemask_epi8(
        _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(a)), _mm_cmpeq_epi8(x, _mm_set1_epi8(b)))));
  };
  for (; i + 16 <= n; i += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    const unsigned ends = hits(x, '\r', '\n');
    const unsigned marks = hits(x, '\t', '*');
    if (ends != 0) {
      const unsigned before = (1u << __builtin_ctz(ends)) - 1;
      *marked = mark || (marks & before) != 0;
      return i + static_cast<std::size_t>(__builtin_ctz(ends));
    }
    mark = mark || marks != 0;
  }
#endif
  for (; i < n && p[i] != '\r' && p[i] != '\n'; ++i) mark = mark || p[i] == '\t' || p[i] == '*';
  *marked = mark;
  return i;
}

// The rewritten line followed by CR LF, as it is written, in `out`;
// line.data()[0, readable) may be read (the bytes after the line in the
// read buffer).
std::string_view RewriteLine(std::string_view line, std::size_t readable, const NetlistNames& names,
                             std::string& out) {
  std::size_t length = 0;
  if (names.one_pass && ReduceInOnePass(line.data(), line.size(), readable, names, out, length)) {
    out[length] = '\r';  // within the 16 bytes of room past the line
    out[length + 1] = '\n';
    return {out.data(), length + 2};
  }
  out.assign(line);
  ReduceInPasses(out, names);
  out += "\r\n";
  return out;
}

}  // namespace

NetlistNames NetlistNamesFor(const std::string& top_module,
                             const std::vector<std::string>& ports) {
  NetlistNames names;
  const std::string module = ToUpper(top_module);
  names.root_prefix = module + "<";
  names.port_prefix = module + "_P";
  names.ports = &ports;
  // One pass needs the root prefix's "<" to be its only one, a module name
  // that cannot go on a port number, and one without blanks (a blank
  // before a root prefix is taken to end no prefix).
  const char c = module.empty() ? '0' : module[0];
  names.one_pass = module.find_first_of("< ") == std::string::npos && !IsNumberBlank(c) &&
                   c != '+' && c != '-' && !IsDigit(c);
  if (module.size() <= 8) {
    unsigned char mask[8] = {};
    std::memset(mask, 0xFF, module.size());
    std::memcpy(&names.module_mask, mask, 8);
    char word[8] = {};
    std::memcpy(word, module.data(), module.size());
    std::memcpy(&names.module_word, word, 8);
  }
  return names;
}

std::string ReduceNetlistLine(std::string line, const NetlistNames& names) {
  std::string out;
  std::string_view written = RewriteLine(line, line.size(), names, out);
  written.remove_suffix(2);
  return std::string(written);
}

Outcome ReduceModuleNames(const RunContext& run, const ToolDesign& d,
                          const ToolchainState& toolchain, const char* ext) {
  Platform& p = run.platform;
  NetlistNames names = NetlistNamesFor(toolchain.top_module, toolchain.top_ports);
  if (p.ui.Notify("Remove root module name from hierarchy? (and other changes "
                 "needed for pad order), remove *NC*\n(no connection) macros, "
                 "and restore top node names?",
                 names.root_prefix, box::kYesNo | box::kIconQuestion) !=
      answer::kYes) {
    return Outcome::kStopped;
  }
  std::string target = JoinPath(d.netlist_dir, d.test_id + ext, p.fs.Style());
  File in;
  if (!in.Open(target, File::Mode::kRead)) {
    p.ui.Notify("Unable to open above file.", target, box::kOk);
    return Outcome::kFailed;
  }
  SafeOutput scratch(p);
  if (!scratch.Open(in.Path())) return Outcome::kFailed;
  File& out = scratch.file();
  Progress& progress = run.progress;
  progress.Open(p.ui, "reducing module names...", target);

  // A line that lies whole in the read buffer and holds no tab or "*" is
  // rewritten where it lies; the others are read whole (a netlist line
  // longer than any fixed buffer passes through intact).
  constexpr std::size_t kWindow = std::size_t{1} << 15;
  std::string line;
  std::string reduced;
  for (std::size_t lines = 0;; ++lines) {
    const char* data = nullptr;
    const std::size_t avail = in.Peek(kWindow, &data);
    if (avail == 0) break;
    bool marked = false;
    const std::size_t len = LineEnd(data, avail, &marked);
    // Fewer bytes than asked for reach the end of the file.
    if (!marked && (len + 1 < avail || avail < kWindow)) {
      std::size_t term = 0;
      if (len < avail) {
        // CR LF and LF CR are one terminator.
        term = len + 1 < avail && data[len + 1] == (data[len] == '\r' ? '\n' : '\r') ? 2 : 1;
      }
      out.Write(RewriteLine(std::string_view(data, len), avail, names, reduced));
      in.Skip(len + term);
    } else {
      ReadWholeLine(in, line);
      if (HasNoConnection(line)) {
        // The macro line, the line after it, and one continuation line.
        ReadWholeLine(in, line);
        const char* next = nullptr;
        if (in.Peek(1, &next) == 1 && *next == '+') ReadWholeLine(in, line);
        continue;
      }
      out.Write(RewriteLine(line, line.size(), names, reduced));
    }
    // The progress window needs no word per line.
    if (lines % 64 == 0) progress.Step(in);
  }
  progress.Close();
  if (!scratch.Commit(in)) return Outcome::kFailed;
  p.ui.Notify("Done.", "TPR Post Process", box::kOk);
  return Outcome::kCompleted;
}

}  // namespace kalvor
