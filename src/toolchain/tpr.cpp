#include "toolchain/tpr.h"

#include <limits>
#include <string_view>

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

// The number written after a port prefix, read like atol (leading blanks
// and a sign allowed); huge values saturate instead of wrapping.
long long PortNumber(const std::string& line, std::size_t at) {
  std::size_t i = at;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\n' ||
                             line[i] == '\r' || line[i] == '\f' || line[i] == '\v')) {
    ++i;
  }
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
    negative = line[i] == '-';
    ++i;
  }
  constexpr long long kCap = std::numeric_limits<long long>::max() / 10 - 10;
  long long value = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    if (value < kCap) value = value * 10 + (line[i] - '0');
  }
  return negative ? -value : value;
}

void NamePorts(std::string& line, const NetlistNames& names) {
  const std::string& prefix = names.port_prefix;
  const std::vector<std::string>& ports = *names.ports;
  std::size_t from = 0;
  for (;;) {
    std::size_t at = FindFrom(line, prefix, from);
    if (at == std::string::npos) return;
    std::size_t digits = at + prefix.size();
    long long n = PortNumber(line, digits);
    if (n < 1 || n > static_cast<long long>(ports.size())) return;
    std::size_t end = digits;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9') ++end;
    const std::string& name = ports[static_cast<std::size_t>(n - 1)];
    line.replace(at, end - at, name);
    from = at + name.size();
  }
}

}  // namespace

NetlistNames NetlistNamesFor(const std::string& top_module,
                             const std::vector<std::string>& ports) {
  NetlistNames names;
  names.root_prefix = ToUpper(top_module) + "<";
  names.port_prefix = ToUpper(top_module) + "_P";
  names.ports = &ports;
  return names;
}

std::string ReduceNetlistLine(std::string line, const NetlistNames& names) {
  RemoveAll(line, names.root_prefix);
  NamePorts(line, names);
  RemoveAll(line, kPadLevel);
  return line;
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

  // Lines are read whole: a netlist line longer than any fixed buffer
  // passes through intact.
  std::string line;
  bool have = ReadWholeLine(in, line);
  while (have) {
    if (HasNoConnection(line)) {
      // The macro line, the line after it, and one continuation line.
      have = ReadWholeLine(in, line) && ReadWholeLine(in, line);
      if (have && !line.empty() && line[0] == '+') have = ReadWholeLine(in, line);
      continue;
    }
    // The line comes back into its own buffer, whose room the next read uses.
    line = ReduceNetlistLine(std::move(line), names);
    WriteLine(out, line);
    progress.Step(in);
    have = ReadWholeLine(in, line);
  }
  progress.Close();
  if (!scratch.Commit(in)) return Outcome::kFailed;
  p.ui.Notify("Done.", "TPR Post Process", box::kOk);
  return Outcome::kCompleted;
}

}  // namespace kalvor
