#include "vhdl/vhd_out.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>

#include "core/dialogs.h"
#include "core/safe_replace.h"
#include "core/startup.h"
#include "core/titled_param_dialog.h"
#include "text/lineio.h"
#include "text/strings.h"
#include "vhdl/trace_numbers.h"
#include "vhdl/vcd_read.h"

namespace kalvor {

namespace {

constexpr const char* kDialogTitle = "VHDL Sim Output Conversion Parameters:";

// Leading sign and digits of `field`, 0 when there are none; digits beyond
// the range of the type are ignored instead of overflowing.
long long FieldCount(std::string_view field) {
  std::size_t i = 0;
  bool negative = false;
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) {
    negative = field[i] == '-';
    ++i;
  }
  long long value = 0;
  constexpr long long kMax = std::numeric_limits<long long>::max() / 10 - 9;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
    if (value < kMax) value = value * 10 + (field[i] - '0');
  }
  return negative ? -value : value;
}

bool IsNumberText(const std::string& text, float& value) {
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return false;
  const char* begin = text.c_str() + start;
  char* end = nullptr;
  value = std::strtof(begin, &end);
  if (end == begin) return false;
  while (*end == ' ') ++end;
  return *end == '\0' && std::isfinite(value);
}

}  // namespace

std::string ReadTraceScale(const std::string& options, TraceScale& scale) {
  std::size_t first_eq = options.find('=');
  scale.supply_text.clear();
  if (first_eq != std::string::npos) {
    std::string after = options.substr(first_eq + 1, 12);
    scale.supply_text = after.substr(0, after.find(';'));
  }
  std::size_t second_eq = first_eq == std::string::npos
                              ? first_eq
                              : options.find('=', first_eq + 1);
  long long counts = 0;
  if (second_eq != std::string::npos) {
    std::size_t digits = options.find_first_not_of(' ', second_eq + 1);
    if (digits != std::string::npos)
      counts = FieldCount(std::string_view(options).substr(digits));
  }
  scale.counts_per_volt = static_cast<float>(counts);
  std::size_t limit = options.find("limit=");
  scale.limit = limit != std::string::npos && limit + 6 < options.size() &&
                options[limit + 6] == 'y';
  if (!IsNumberText(scale.supply_text, scale.supply)) {
    return "The supply voltage \"" + scale.supply_text +
           "\" is not a number.\nNothing was converted.";
  }
  if (counts == 0) {
    return "Counts per Volt must be a whole number other than 0.\nNothing was "
           "converted.";
  }
  return std::string();
}

std::string TraceLineProblem(std::string_view line, int row) {
  // The first two fields are all that is looked at.
  std::string_view fields[2];
  std::size_t count = 0;
  for (std::size_t i = 0; i < line.size() && count < 2;) {
    while (i < line.size() && line[i] == ' ') ++i;
    if (i == line.size()) break;
    std::size_t end = i;
    while (end < line.size() && line[end] != ' ') ++end;
    fields[count++] = line.substr(i, end - i);
    i = end;
  }
  if (row < 3) {
    if (count == 2 && TraceTimeDecimals(line) >= 0) {
      return "it holds a time and values where the table has one of the three lines "
             "between its heading and its values; that row would be lost. Put three "
             "lines (for example empty ones) after the \"Signals=\" line.";
    }
    return std::string();
  }
  // The units are two or three letters.
  if (count == 2 && fields[1].size() >= 2 && fields[1].size() <= 3 &&
      ((fields[1][0] | 0x20) >= 'a' && (fields[1][0] | 0x20) <= 'z')) {
    static constexpr const char* kUnits[] = {"fs", "ps", "ns", "us", "ms", "sec", "min", "hr"};
    for (const char* unit : kUnits) {
      if (EqualNoCase(fields[1], unit)) {
        return "the time is followed by its unit (\"" + std::string(fields[1]) +
               "\"), which would be read as the first value. Write times as plain "
               "numbers of ns.";
      }
    }
  }
  return std::string();
}

std::string TraceHeading(std::string_view line) {
  std::string_view text = line.size() > 8 ? line.substr(8) : std::string_view();
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != ' ' || i == 0) {
      out.push_back(text[i++]);
      continue;
    }
    // A blank: the name after it loses its first level (up to and including
    // its first ".") and the blanks before it; a name without one stays.
    const std::size_t name = std::min(text.find_first_not_of(' ', i), text.size());
    const std::size_t end = std::min(text.find(' ', name), text.size());
    const std::size_t dot = text.substr(0, end).find('.', name);
    out.push_back(' ');
    if (dot != std::string_view::npos) {
      i = dot + 1;
    } else {
      out.append(text.substr(i + 1, end - i - 1));
      i = end;
    }
  }
  return out;
}

namespace {

// The longest time field of a row: a time of ns with its decimals is far
// shorter.
constexpr std::size_t kLongestTime = 256;

bool Blank(char c) { return c == ' ' || c == '\t'; }
bool LineEnd(char c) { return c == '\r' || c == '\n'; }

// The bytes that end a field: blanks, tabs, line ends.
struct FieldEnds {
  bool at[256];
  constexpr FieldEnds() : at() { at[' '] = at['\t'] = at['\r'] = at['\n'] = true; }
};
constexpr FieldEnds kFieldEnds;
bool EndsField(char c) { return kFieldEnds.at[static_cast<unsigned char>(c)]; }

// The rows of a table, a block at a time in a buffer of our own whose data
// is followed by line feeds: a scan for the end of a field needs no bound
// and stops at `end` at the latest. Lines end as for ReadWholeLine; tabs
// read as blanks.
class Rows {
 public:
  static constexpr std::size_t kBlock = std::size_t{1} << 17;
  static constexpr std::size_t kAfter = 16;  // line feeds after the data
  // From `in`'s position on, or `text` alone when `in` is null.
  Rows(File* in, std::string_view text) : in_(in), buf_((in ? kBlock : text.size()) + kAfter) {
    if (!in) std::memcpy(buf_.data(), text.data(), text.size());
    p = buf_.data();
    end = p + (in ? 0 : text.size());
    std::memset(end, '\n', kAfter);
    eof = in == nullptr;
  }
  // Keeps the bytes from `p` on (a few) and reads on after them: false when
  // nothing more came.
  bool More() {
    const auto keep = static_cast<std::size_t>(end - p);
    std::memmove(buf_.data(), p, keep);
    p = buf_.data();
    const std::size_t got = eof ? 0 : in_->Read(p + keep, kBlock - keep);
    eof = got == 0;
    end = p + keep + got;
    std::memset(end, '\n', kAfter);
    return got > 0;
  }
  char* p;
  char* end;
  bool eof;

 private:
  File* in_;
  std::vector<char> buf_;
};

// The texts of the values, each made when first needed: counts of a range
// by their number (a trace repeats a few thousand values over and over),
// literals by their character.
class ValueTexts {
 public:
  explicit ValueTexts(const TraceScale& scale) : scale_(scale), literals_(256) {
    Make(zero_, 0.0f, 0);
  }
  const TraceText& Count(long long count) {
    const auto index = static_cast<unsigned long long>(count - kLowest);
    const bool kept = index < counts_.size();
    // The table is taken once a few rows' counts were made (a row alone
    // does not need it).
    if (!kept && ++made_ == kMadeBeforeTable) counts_.resize(kCounts);
    TraceText& t = kept ? counts_[index] : other_;
    if (!kept || t.out_size == 0) {
      float volts = static_cast<float>(count) / scale_.counts_per_volt;
      if (scale_.limit) {
        if (!(volts > 0.0f)) {  // negative, -0 or not a number
          volts = 0.0f;
        } else if (volts > scale_.supply) {
          volts = scale_.supply;
        }
      }
      Make(t, volts, 0);
    }
    return t;
  }
  // A quoted literal: `c` is the character between the quotes.
  const TraceText& Literal(unsigned char c) {
    TraceText& t = literals_[c];
    if (t.out_size == 0) Make(t, c == '0' ? 0.0f : scale_.supply, static_cast<char>(c));
    return t;
  }
  // A count that begins "80000000": 0 whatever the limit.
  const TraceText& Zero() const { return zero_; }

 private:
  static constexpr long long kLowest = -32768;
  static constexpr std::size_t kCounts = 65536;
  static constexpr long kMadeBeforeTable = 1024;
  void Make(TraceText& t, float volts, char literal) {
    char text[kTraceNumberRoom];
    char* end = text;
    if (literal == '0') {
      end = std::copy_n("0.0", 3, text);
    } else if (literal != 0) {
      end = std::copy(scale_.supply_text.begin(), scale_.supply_text.end(), text);
    } else {
      end = PutFixed6(text, volts);
    }
    const auto out = std::min<std::size_t>(static_cast<std::size_t>(end - text), sizeof t.out - 1);
    t.out[0] = '\t';
    std::memcpy(t.out + 1, text, out);
    t.out_size = static_cast<std::uint8_t>(out + 1);
    end = PutGeneral9(text, volts);
    const auto real = std::min<std::size_t>(static_cast<std::size_t>(end - text), sizeof t.real - 2);
    t.real[0] = 'r';
    std::memcpy(t.real + 1, text, real);
    t.real[real + 1] = ' ';
    t.real_size = static_cast<std::uint8_t>(real + 2);
    t.literal = literal != 0;
    switch (literal) {
      case '0': case 'L': case 'l': t.wire = '0'; break;
      case '1': case 'H': case 'h': t.wire = '1'; break;
      case 'Z': case 'z': t.wire = 'z'; break;
      default: t.wire = 'x';  // U, X, W, -, or a count in a logic column
    }
    t.bits = std::bit_cast<std::uint32_t>(volts);
  }
  const TraceScale& scale_;
  std::vector<TraceText> counts_;
  std::vector<TraceText> literals_;
  TraceText zero_;
  TraceText other_;  // a count outside the table, made at each use
  long made_ = 0;    // counts made outside the table
};

// What a reading of the rows found.
struct RowsRead {
  std::string problem;  // a row that cannot be read, with its line
  int decimals = 0;     // the most decimals of any time
  bool vcd_ok = true;
  std::string vcd_failure;  // why the VCD stopped, with the line
};

// Converts the rows from the reader on, the first of them line `line` of
// the file: each row to its .out line, handed to `put` a block at a time,
// and its time and values to `vcd` (when there is one). A VCD that took
// the first row's decimals stops at a time with more (the caller writes it
// again with RowsRead::decimals).
RowsRead ConvertRows(Rows& rows, long line, const TraceScale& scale,
                     const std::function<bool(const char*, std::size_t)>& put, VcdWriter* vcd) {
  constexpr long long kMax = std::numeric_limits<long long>::max() / 10 - 9;
  constexpr std::size_t kAhead = 2 * kLongestTime;
  RowsRead read;
  ValueTexts texts(scale);
  const auto block = std::make_unique_for_overwrite<char[]>(Rows::kBlock + 2 * kAhead);
  char* const start = block.get();
  char* const full = start + Rows::kBlock;  // from here the block is written
  char* at = start;
  auto flush = [&] {
    put(start, static_cast<std::size_t>(at - start));
    at = start;
  };
  char* p = rows.p;
  char* end = rows.end;
  auto more = [&] {
    rows.p = p;
    const bool got = rows.More();
    p = rows.p;
    end = rows.end;
    return got;
  };
  auto ahead = [&](std::size_t n) {
    if (static_cast<std::size_t>(end - p) < n && !rows.eof) more();
  };
  auto skip_blanks = [&] {
    std::size_t n = 0;
    for (;;) {
      while (Blank(*p)) ++p, ++n;
      if (p != end || !more()) return n;
    }
  };
  auto put_blanks = [&](std::size_t n) {
    for (std::size_t k; n > 0; n -= k) {
      if (at >= full) flush();
      k = std::min(n, kAhead);
      std::memset(at, ' ', k);
      at += k;
    }
  };
  const std::size_t signals = vcd ? vcd->Signals() : 0;
  bool vcd_on = vcd != nullptr;
  std::string time;
  for (;; ++line) {
    ahead(kAhead);
    if (p == end) break;
    if (at >= full) flush();
    put_blanks(skip_blanks());
    time.clear();
    std::size_t time_size = 0;
    for (;;) {
      char* s = p;
      while (!EndsField(*s)) ++s;
      const auto n = static_cast<std::size_t>(s - p);
      if (time.size() < kLongestTime) time.append(p, std::min(n, kLongestTime - time.size()));
      time_size += n;
      p = s;
      if (p != end || !more()) break;
    }
    if (time_size > kLongestTime) {
      read.problem = "Line " + std::to_string(line) + ": the time is longer than " +
                     std::to_string(kLongestTime) + " characters.";
      return read;
    }
    const std::size_t gap = skip_blanks();
    ahead(kAhead);
    if ((*p | 0x20) >= 'a' && (*p | 0x20) <= 'z') {
      // A unit after the time would be read as the first value.
      std::size_t n = 0;
      while (n < 8 && !EndsField(p[n])) ++n;
      const std::string problem = TraceLineProblem(time + " " + std::string(p, n), 3);
      if (!problem.empty()) {
        read.problem = "Line " + std::to_string(line) + ": " + problem;
        return read;
      }
    }
    std::memcpy(at, time.data(), time.size());
    at += time.size();
    const int decimals = TraceTimeDecimals(time);
    read.decimals = std::max(read.decimals, decimals);
    bool vcd_row = false;
    if (vcd_on && !time.empty()) {
      if (vcd->Decimals() >= 0 && decimals > vcd->Decimals()) {
        vcd_on = false;  // to be written again with the finer timescale
      } else if (!vcd->BeginRow(time)) {
        vcd_on = false;
        read.vcd_ok = false;
        if (!vcd->Failure().empty())
          read.vcd_failure = "line " + std::to_string(line) + ": " + vcd->Failure();
      } else {
        vcd_row = true;
      }
    }
    std::size_t k = 0;
    for (;; ++k) {
      skip_blanks();
      ahead(kAhead);
      const char c = *p;
      if (LineEnd(c)) break;
      const TraceText* t;
      if (c == '\'') {
        // A literal: quote, value, quote.
        ++p;
        int value = '?';
        if (!LineEnd(*p)) {
          value = *p == '\t' ? ' ' : static_cast<unsigned char>(*p);
          ++p;
          if (!LineEnd(*p)) ++p;
        }
        t = &texts.Literal(static_cast<unsigned char>(value));
      } else {
        // A count: a sign and digits, digits beyond the range of the type
        // ignored; or anything that begins "80000000". Any other field is
        // refused, quoted unless it runs on past the buffer's first fill.
        const bool zero = std::memcmp(p, "80000000", 8) == 0;
        char* s = p;
        const bool negative = c == '-';
        if (c == '-' || c == '+') ++s;
        long long count = 0;
        bool counting = true;
        for (bool first = true;; first = false) {
          const char* from = s;
          if (counting) {
            for (unsigned d; (d = static_cast<unsigned char>(*s) - '0') < 10u; ++s)
              if (count < kMax) count = count * 10 + d;
          }
          if (!EndsField(*s) || (first && s == from)) {
            if (!zero) {
              std::size_t n = 0;
              while (first && n < 32 && !EndsField(p[n])) ++n;
              read.problem = "Line " + std::to_string(line) + ": value " + std::to_string(k + 1) +
                             (n > 0 ? " (\"" + std::string(p, n) + "\")" : "") +
                             " is neither a count (a whole number) nor a quoted logic value.";
              return read;
            }
            counting = false;
            while (!EndsField(*s)) ++s;
          }
          p = s;
          if (p != end || !more()) break;
          s = p;
        }
        t = zero ? &texts.Zero() : &texts.Count(negative ? -count : count);
      }
      if (at >= full) flush();
      std::memcpy(at, t->out, sizeof t->out);
      at += t->out_size;
      if (vcd_row && k < signals) vcd->Value(k, *t);
    }
    if (k == 0) put_blanks(gap);  // a line with no values is written unchanged
    if (p != end) {
      // CR LF and LF CR are one line end.
      const char first = *p++;
      if (p == end) more();
      if (p != end && *p == (first == '\r' ? '\n' : '\r')) ++p;
    }
    *at++ = '\r';
    *at++ = '\n';
    if (vcd_row) vcd->EndRow();
  }
  flush();
  rows.p = p;
  return read;
}

// The path with its last three characters replaced by `ext`.
std::string WithExtension(const std::string& path, const char* ext) {
  return (path.size() >= 3 ? path.substr(0, path.size() - 3) : std::string()) + ext;
}

bool ViewerReadsOut(const std::string& viewer) {
  std::size_t slash = viewer.find_last_of("/\\");
  std::string name = slash == std::string::npos ? viewer : viewer.substr(slash + 1);
  return StartsWithNoCase(name, "winwed32");
}

}  // namespace

const char* DefaultWaveViewer(PathStyle style) {
  return style == PathStyle::kWindows ? "winwed32.exe" : "gtkwave";
}

std::string TraceRow(std::string_view line, const TraceScale& scale) {
  std::string out;
  Rows rows(nullptr, line);
  ConvertRows(rows, 1, scale, [&](const char* text, std::size_t n) {
    out.append(text, n);
    return true;
  }, nullptr);
  if (out.size() >= 2) out.resize(out.size() - 2);  // the line end
  return out;
}

Outcome RunVhdOut(const RunContext& run, const std::string& dir) {
  Platform& p = run.platform;
  std::string chosen;
  if (!p.ui.FileDialog(chosen, 256, "", "*.txt;*.out;*.vcd"))
    return Outcome::kStopped;
  chosen = Truncate(chosen, 255);
  std::string out_path = chosen;
  std::string vcd_path = WithExtension(chosen, "vcd");
  File in;
  if (!in.Open(chosen, File::Mode::kRead)) {
    p.ui.Notify(chosen, "Unable to open", box::kOk);
    return Outcome::kFailed;
  }
  const std::string viewer =
      p.profile.GetString(kWaveViewerKey, DefaultWaveViewer(p.fs.Style()), 256);
  // What the file is, from its first bytes: no line of it is held longer
  // than the conversion needs it (a whole dump may stand on one line).
  std::string line;
  {
    const char* start = nullptr;
    const std::size_t n = in.Peek(8, &start);
    line.assign(n > 0 ? start : "", n);
  }
  bool vcd_written = false;
  // The conversion's parameters, asked and saved, and the scale they give.
  TraceScale scale;
  auto ask_scale = [&] {
    std::string options =
        LoadOptionString(p.profile, kVhdoutOptions.key, kVhdoutOptions.def, 16000, false);
    if (TitledParamDlg(p.ui, kVhdoutOptions.key, kDialogTitle, options) != answer::kOk)
      return Outcome::kStopped;
    SaveSettings(p, {{kVhdoutOptions.key, options}});
    const std::string complaint = ReadTraceScale(options, scale);
    if (complaint.empty()) return Outcome::kCompleted;
    p.ui.Notify(complaint, kDialogTitle, box::kOk | box::kIconError);
    return Outcome::kFailed;
  };
  // A dump or a table is converted here; an .out is only shown.
  const bool converted = (!line.empty() && line[0] == '$') || StartsWithNoCase(line, "Signals=");
  if (!line.empty() && line[0] == '$') {
    // A value change dump (GHDL's --vcd): its .out beside it; a VCD viewer
    // opens the dump itself.
    if (const Outcome asked = ask_scale(); asked != Outcome::kCompleted) return asked;
    out_path = WithExtension(chosen, "out");
    SafeOutput scratch(p);
    if (!scratch.Open(out_path)) return Outcome::kFailed;
    const std::string problem = ReadVcdTrace(in, scale, scratch.file());
    if (!problem.empty()) {
      scratch.Abort();
      p.ui.Notify(problem + "\nNothing was converted.", chosen, box::kOk | box::kIconError);
      return Outcome::kFailed;
    }
    if (!scratch.Commit(in)) return Outcome::kFailed;
    vcd_path = chosen;
    vcd_written = true;
  } else if (StartsWithNoCase(line, "Signals=")) {
    // The three lines between the heading and the values are looked at
    // before anything is asked: a row of values there would be lost.
    ReadWholeLine(in, line);
    {
      LineCursor rows(in);
      std::string time, second;
      for (int row = 0; row < 3 && rows.NextLine(); ++row) {
        time.clear();
        second.clear();
        rows.SkipBlanks();
        if (rows.Word(time, kLongestTime) > kLongestTime) time = "-";  // not a time
        rows.SkipBlanks();
        const bool values = rows.Peek() >= 0;
        if (values) rows.Word(second, 8);
        const std::string problem = TraceLineProblem(values ? time + " " + second : time, row);
        if (!problem.empty()) {
          p.ui.Notify("Line " + std::to_string(row + 2) + ": " + problem +
                          "\nNothing was converted.",
                      chosen, box::kOk | box::kIconError);
          return Outcome::kFailed;
        }
      }
      rows.NextLine();  // past the third: the cursor then stands where the rows begin
    }
    const std::int64_t rows_at = in.Tell();
    if (const Outcome asked = ask_scale(); asked != Outcome::kCompleted) return asked;
    out_path = WithExtension(chosen, "out");
    SafeOutput scratch(p);
    SafeOutput vcd_scratch(p);
    if (!scratch.Open(out_path) || !vcd_scratch.Open(vcd_path)) return Outcome::kFailed;
    // One reading converts the rows; a row found unreadable there leaves
    // no result file touched. The VCD takes the first row's timescale and is
    // written again from a second reading when a later time needs a finer
    // one.
    File& out = scratch.file();
    WriteLine(out, TraceHeading(line));
    auto write_out = [&](const char* text, std::size_t n) { return out.Write(text, n); };
    auto no_out = [](const char*, std::size_t) { return true; };
    auto vcd = std::make_unique<VcdWriter>(vcd_scratch.file(), line, -1);
    Rows rows(&in, {});
    RowsRead read = ConvertRows(rows, 5, scale, write_out, vcd.get());
    if (!read.problem.empty()) {
      scratch.Abort();
      vcd_scratch.Abort();
      p.ui.Notify(read.problem + "\nNothing was converted.", chosen, box::kOk | box::kIconError);
      return Outcome::kFailed;
    }
    if (vcd->Decimals() >= 0 && vcd->Decimals() != read.decimals) {
      if (!vcd_scratch.Open(vcd_path)) return Outcome::kFailed;
      vcd = std::make_unique<VcdWriter>(vcd_scratch.file(), line, read.decimals);
      in.Seek(rows_at);
      Rows again(&in, {});
      const int decimals = read.decimals;
      read = ConvertRows(again, 5, scale, no_out, vcd.get());
      read.decimals = decimals;
    }
    line = std::string();
    // The .out is replaced only by a complete result (the VCD goes with a
    // failure unwritten).
    if (!scratch.Commit(in)) return Outcome::kFailed;
    vcd_written = read.vcd_ok && vcd->Finish() && vcd_scratch.Commit();
    if (!vcd_written) {
      vcd_scratch.Abort();
      p.ui.Notify(out_path + " was written, but no VCD file:\n" +
                      (read.vcd_failure.empty() ? "it could not be written." : read.vcd_failure),
                  vcd_path, box::kOk | box::kIconWarning);
      if (!ViewerReadsOut(viewer)) return Outcome::kFailed;
    }
  } else {
    in.Close();
    vcd_written = FileExists(vcd_path);
    if (!vcd_written && !ViewerReadsOut(viewer)) {
      p.ui.Notify("There is no VCD file beside it for " + viewer +
                      ".\nConvert the trace table to write one.",
                  chosen, box::kOk | box::kIconError);
      return Outcome::kFailed;
    }
  }
  const bool reads_out = ViewerReadsOut(viewer);
  const std::string& view_path = reads_out || !vcd_written ? out_path : vcd_path;
  if (!p.shell.Open(viewer, QuoteArgument(view_path), dir).started) {
    // The conversion itself went well: the files are named first, then
    // what keeps them from being shown.
    std::string text = converted ? "The waveform files were written:\n" : "The waveform files are:\n";
    text += out_path;
    if (vcd_written) text += "\n" + vcd_path;
    text += reads_out ? "\n\nThe viewer WINWED32.exe was not found.\nPut the T-Spice Pro 5 "
                        "directory on your PATH to view them from Kalvor."
                      : "\n\nThe viewer " + viewer + " was not found.\nPut it on your PATH, or "
                                                     "name your waveform viewer in the setting " +
                            kWaveViewerKey + ".";
    p.ui.Notify(text, "Waveform viewer not found", box::kOk | box::kIconWarning);
    return Outcome::kFailed;
  }
  return Outcome::kCompleted;
}

}  // namespace kalvor
