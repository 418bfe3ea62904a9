#include "vhdl/vhd_out.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/dialogs.h"
#include "core/safe_replace.h"
#include "core/titled_param_dialog.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

constexpr const char* kScratchName = "~temp.txt";
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

void AppendVolts(std::string& out, float volts) {
  char buf[64];
  int n = std::snprintf(buf, sizeof buf, "\t%f", static_cast<double>(volts));
  if (n > 0)
    out.append(buf, static_cast<std::size_t>(std::min<int>(n, sizeof buf - 1)));
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

std::string TraceRow(std::string_view line, const TraceScale& scale) {
  std::size_t i = 0;
  const std::size_t n = line.size();
  while (i < n && line[i] == ' ') ++i;
  while (i < n && line[i] != ' ') ++i;
  std::string out(line.substr(0, i));
  bool any = false;
  for (;;) {
    while (i < n && line[i] == ' ') ++i;
    if (i >= n) break;
    any = true;
    if (line[i] == '\'') {
      if (i + 1 < n && line[i + 1] == '0') {
        out += "\t0.0";
      } else {
        out += '\t';
        out += scale.supply_text;
      }
      i = std::min(n, i + 3);
      continue;
    }
    std::size_t end = line.find(' ', i);
    if (end == std::string_view::npos) end = n;
    std::string_view field = line.substr(i, end - i);
    i = end;
    if (field.substr(0, 8) == "80000000") {
      out += "\t0.000000";
      continue;
    }
    float volts = static_cast<float>(FieldCount(field)) / scale.counts_per_volt;
    if (scale.limit) {
      if (!(volts > 0.0f)) {  // negative, -0 or not a number
        volts = 0.0f;
      } else if (volts > scale.supply) {
        volts = scale.supply;
      }
    }
    AppendVolts(out, volts);
  }
  return any ? out : std::string(line);
}

Outcome RunVhdOut(Platform& p, const std::string& dir) {
  std::string chosen;
  if (!p.ui.FileDialog(chosen, 256, "", "*.txt;*.out"))
    return Outcome::kStopped;
  chosen = Truncate(chosen, 255);
  std::string view_path = chosen;
  File in;
  if (!in.Open(chosen, File::Mode::kRead)) {
    p.ui.Notify(chosen, "Unable to open", box::kOk);
    return Outcome::kFailed;
  }
  std::string line;
  ReadWholeLine(in, line);
  if (StartsWithNoCase(line, "Signals=")) {
    std::string options =
        LoadOptionString(p.profile, kVhdoutOptions.key, kVhdoutOptions.def, 16000, false);
    if (TitledParamDlg(p.ui, kVhdoutOptions.key, kDialogTitle, options) != answer::kOk)
      return Outcome::kStopped;
    p.profile.PutString(kVhdoutOptions.key, options);
    TraceScale scale;
    std::string complaint = ReadTraceScale(options, scale);
    if (!complaint.empty()) {
      p.ui.Notify(complaint, kDialogTitle, box::kOk | box::kIconError);
      return Outcome::kFailed;
    }
    const std::string scratch_path =
        JoinPath(dir, kScratchName, p.fs.Style());
    File scratch;
    if (!scratch.Open(scratch_path, File::Mode::kCreate)) {
      p.ui.Notify("Unable to create temp file", "", box::kOk);
      return Outcome::kFailed;
    }
    bool ok = WriteLine(scratch, TraceHeading(line));
    for (int skip = 0; skip < 3 && ReadWholeLine(in, line); ++skip) {
    }
    while (ok && ReadWholeLine(in, line))
      ok = WriteLine(scratch, TraceRow(line, scale));
    in.Close();
    std::string result = chosen.size() >= 3
                             ? chosen.substr(0, chosen.size() - 3) + "out"
                             : std::string("out");
    if (!ok || !CommitScratch(p.fs, scratch, scratch_path, result)) {
      p.ui.Notify("Unable to replace above file; it was left unchanged.", result,
                 box::kOk | box::kIconError);
      return Outcome::kFailed;
    }
    view_path = result;
  } else {
    in.Close();
  }
  if (p.shell.Open("winwed32.exe", view_path, dir) <= 32) {
    p.ui.Notify(
        "WINWED32.exe failed to run.\n\nPlease be sure the T-Spice Pro 5 "
        "directory is in your PATH statement\nin the autoexec.bat file, "
        "and re-boot.",
        "Error", box::kOk);
    return Outcome::kFailed;
  }
  return Outcome::kCompleted;
}

}  // namespace kalvor
