#include "vhdl/vhd_out.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

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
  std::size_t last_dot = text.rfind('.');
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    out.push_back(c);
    if (c == ' ' && i > 0 && last_dot != std::string_view::npos &&
        last_dot > i) {
      // The text up to and including the next "." goes.
      i = text.find('.', i + 1) + 1;
      continue;
    }
    ++i;
  }
  return out;
}

namespace {

// A line held in memory, read as a LineCursor reads one from a file.
struct TextSource {
  std::string_view text;
  std::size_t at = 0;
  int Peek() const { return at < text.size() ? static_cast<unsigned char>(text[at]) : -1; }
  void Next() { ++at; }
};

// The value fields that follow the time, up to the line's end, each given
// to `put` as it is read: fields are separated by blanks; a quoted logic
// value is taken as three characters (quote, value, quote); any other field
// is a count (leading sign and digits, digits beyond the range of the type
// ignored).
template <class Source, class Put>
void ReadValueFields(Source& in, const TraceScale& scale, Put&& put) {
  constexpr long long kMax = std::numeric_limits<long long>::max() / 10 - 9;
  for (;;) {
    while (in.Peek() == ' ') in.Next();
    int c = in.Peek();
    if (c < 0) return;
    TraceField f;
    if (c == '\'') {
      in.Next();
      const int value = in.Peek();
      f.literal = value < 0 ? '?' : static_cast<char>(value);
      if (value >= 0) {
        in.Next();
        if (in.Peek() >= 0) in.Next();
      }
      f.volts = f.literal == '0' ? 0.0f : scale.supply;
      put(f);
      continue;
    }
    char head[8];
    std::size_t head_size = 0;
    bool negative = false;
    bool counting = true;
    long long count = 0;
    for (std::size_t k = 0; (c = in.Peek()) >= 0 && c != ' '; in.Next(), ++k) {
      if (head_size < sizeof head) head[head_size++] = static_cast<char>(c);
      if (!counting) continue;
      if (k == 0 && (c == '-' || c == '+')) {
        negative = c == '-';
      } else if (c >= '0' && c <= '9') {
        if (count < kMax) count = count * 10 + (c - '0');
      } else {
        counting = false;
      }
    }
    if (std::string_view(head, head_size) != "80000000") {
      f.volts = static_cast<float>(negative ? -count : count) / scale.counts_per_volt;
      if (scale.limit) {
        if (!(f.volts > 0.0f)) {  // negative, -0 or not a number
          f.volts = 0.0f;
        } else if (f.volts > scale.supply) {
          f.volts = scale.supply;
        }
      }
    }
    put(f);
  }
}

}  // namespace

void TraceFields(std::string_view line, const TraceScale& scale, std::vector<TraceField>& fields,
                 std::size_t* time_end) {
  TextSource in{line};
  while (in.Peek() == ' ') in.Next();
  while (in.Peek() >= 0 && in.Peek() != ' ') in.Next();
  if (time_end != nullptr) *time_end = in.at;
  fields.clear();
  ReadValueFields(in, scale, [&](const TraceField& f) { fields.push_back(f); });
}

namespace {

// The row as the .out has it, without its line end, into `out` (whose room
// is kept from row to row and only grows); returns its length.
std::size_t FormatTraceRow(std::string_view line, std::size_t time_end,
                           const std::vector<TraceField>& fields, const TraceScale& scale,
                           std::string& out, NumberTexts* texts) {
  const std::string& supply = scale.supply_text;
  const std::size_t room =
      (fields.empty() ? line.size() : time_end) +
      fields.size() * (1 + std::max<std::size_t>(kTraceNumberRoom, supply.size()));
  if (out.size() < room) out.resize(room);
  char* const start = out.data();
  char* at = start;
  if (fields.empty()) {
    std::memcpy(at, line.data(), line.size());
    at += line.size();
  } else {
    std::memcpy(at, line.data(), time_end);
    at += time_end;
  }
  for (const TraceField& f : fields) {
    *at++ = '\t';
    if (f.literal == '0') {
      std::memcpy(at, "0.0", 3);
      at += 3;
    } else if (f.literal != 0) {
      std::memcpy(at, supply.data(), supply.size());
      at += supply.size();
    } else {
      at = texts ? texts->Fixed6(at, f.volts) : PutFixed6(at, f.volts);
    }
  }
  return static_cast<std::size_t>(at - start);
}

// The longest time field of a row: a time of ns with its decimals is far
// shorter.
constexpr std::size_t kLongestTime = 256;

bool WriteBlanks(File& out, std::size_t n) {
  static constexpr char kBlanks[] = "                                ";
  bool ok = true;
  for (std::size_t k; n > 0; n -= k) {
    k = std::min(n, sizeof kBlanks - 1);
    ok = out.Write(kBlanks, k) && ok;
  }
  return ok;
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
  std::size_t time_end = 0;
  std::vector<TraceField> fields;
  TraceFields(line, scale, fields, &time_end);
  std::string out;
  out.resize(FormatTraceRow(line, time_end, fields, scale, out, nullptr));
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
    // A first pass: a table it cannot read is refused before anything is
    // asked or written; the most decimals of the times give the VCD's
    // timescale. Rows are read a field at a time, never held whole.
    int decimals = 0;
    {
      LineCursor rows(in);
      rows.NextLine();  // the heading
      std::string time, second;
      for (int row = 0; rows.NextLine(); ++row) {
        time.clear();
        second.clear();
        rows.SkipBlanks();
        const bool long_time = rows.Word(time, kLongestTime) > kLongestTime;
        rows.SkipBlanks();
        const bool values = rows.Peek() >= 0;
        if (values) rows.Word(second, 8);
        std::string problem;
        if (long_time && row >= 3) {
          problem = "the time is longer than " + std::to_string(kLongestTime) + " characters.";
        } else {
          if (long_time) time = "-";  // no time that a heading line could hold
          problem = TraceLineProblem(values ? time + " " + second : time, row);
        }
        if (!problem.empty()) {
          p.ui.Notify("Line " + std::to_string(row + 2) + ": " + problem +
                          "\nNothing was converted.",
                      chosen, box::kOk | box::kIconError);
          return Outcome::kFailed;
        }
        if (row >= 3) decimals = std::max(decimals, TraceTimeDecimals(time));
      }
    }
    in.Seek(0);
    ReadWholeLine(in, line);
    if (const Outcome asked = ask_scale(); asked != Outcome::kCompleted) return asked;
    out_path = WithExtension(chosen, "out");
    SafeOutput scratch(p);
    SafeOutput vcd_scratch(p);
    if (!scratch.Open(out_path) || !vcd_scratch.Open(vcd_path)) return Outcome::kFailed;
    File& out = scratch.file();
    bool ok = WriteLine(out, TraceHeading(line));
    VcdWriter vcd(vcd_scratch.file(), line, decimals);
    line = std::string();  // the heading lives on in the VCD's signals
    bool vcd_ok = true;
    std::string vcd_failure;
    LineCursor rows(in);
    for (int skip = 0; skip < 3; ++skip) rows.NextLine();
    // A row goes out in pieces: the fields the VCD takes (one per signal
    // of the heading) are kept for it, those beyond are written a batch
    // at a time.
    constexpr std::size_t kBatch = 4096;
    std::vector<TraceField> fields, beyond;
    std::string time, text;
    NumberTexts texts;
    while (ok && rows.NextLine()) {
      ok = WriteBlanks(out, rows.SkipBlanks());
      time.clear();
      rows.Word(time, kLongestTime);
      const std::size_t gap = rows.SkipBlanks();
      fields.clear();
      bool started = false;  // the time is written
      auto put = [&](const std::vector<TraceField>& batch) {
        const std::size_t length =
            FormatTraceRow(started ? "" : time, started ? 0 : time.size(), batch, scale, text, &texts);
        started = true;
        ok = out.Write(text.data(), length) && ok;  // the line ends once, below
      };
      ReadValueFields(rows, scale, [&](const TraceField& f) {
        if (fields.size() < vcd.Signals()) {
          fields.push_back(f);
          return;
        }
        if (!started) put(fields);
        beyond.push_back(f);
        if (beyond.size() == kBatch) {
          put(beyond);
          beyond.clear();
        }
      });
      if (!started && fields.empty()) {
        // A line with no values is written unchanged.
        ok = out.Write(time) && WriteBlanks(out, gap) && ok;
      } else {
        if (!started) put(fields);
        if (!beyond.empty()) put(beyond);
        beyond.clear();
      }
      ok = WriteLine(out, "") && ok;
      if (vcd_ok && !time.empty() && !vcd.Row(time, fields)) {
        vcd_ok = false;
        if (!vcd.Failure().empty())
          vcd_failure = "line " + std::to_string(rows.Number() + 1) + ": " + vcd.Failure();
      }
    }
    // The .out is replaced only by a complete result (the VCD goes with a
    // failure unwritten).
    if (!scratch.Commit(in)) return Outcome::kFailed;
    vcd_written = vcd_ok && vcd.Finish() && vcd_scratch.Commit();
    if (!vcd_written) {
      vcd_scratch.Abort();
      p.ui.Notify(out_path + " was written, but no VCD file:\n" +
                      (vcd_failure.empty() ? "it could not be written." : vcd_failure),
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
