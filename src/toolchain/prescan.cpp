#include "toolchain/prescan.h"

#include <cstring>
#include <limits>
#include <string>

#include "platform/ui.h"
#include "text/lineio.h"
#include "text/strings.h"
#include "toolchain/block_routes.h"

namespace kalvor {

namespace {

constexpr const char* kTag = "$blocklevel ";

// The level written after a tag (leading blanks and a sign allowed); huge
// values saturate.
int TagLevel(const std::string& line) {
  std::size_t i = std::char_traits<char>::length(kTag);
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
    negative = line[i] == '-';
    ++i;
  }
  constexpr int kCap = std::numeric_limits<int>::max() / 10 - 10;
  int value = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    if (value < kCap) value = value * 10 + (line[i] - '0');
  }
  return negative ? -value : value;
}

// Collects the ports of the top module's header from `line` and its "+"
// continuation lines; power ports are left out.
std::vector<std::string> HeaderPorts(File& mac, std::string line) {
  std::vector<std::string> ports;
  int words = 0;
  for (;;) {
    std::string word = NextWord(line);
    if (word.empty()) {
      if (!ReadWholeLine(mac, line) || line.empty() || line[0] != '+') break;
      line.erase(0, 1);
      continue;
    }
    if (++words <= 2) continue;  // ".macro" and the name
    if (!EqualNoCase(word, "vdd") && !EqualNoCase(word, "gnd")) {
      ports.push_back(std::move(word));
    }
  }
  return ports;
}

// Whether p[0, n) holds ".macro" in any letter case.
bool NamesMacro(const char* p, std::size_t n) {
  static constexpr char kWord[] = "macro";
  for (const char* dot = static_cast<const char*>(std::memchr(p, '.', n)); dot != nullptr;
       dot = static_cast<const char*>(std::memchr(dot + 1, '.', p + n - dot - 1))) {
    if (p + n - dot < 6) return false;
    std::size_t k = 0;
    while (k < 5 && (dot[1 + k] | 0x20) == kWord[k]) ++k;  // letters: the case bit
    if (k == 5) return true;
  }
  return false;
}

// Moves past the lines that can be neither a tag nor a header (most): those
// that do not begin with "$" and do not name ".macro". They are looked at
// where the read buffer holds them; the scan stops at the start of any
// other line, and of a line that may go on past the window (read whole
// after).
void SkipPlainLines(File& mac) {
  for (;;) {
    bool stopped = false;
    const std::size_t taken = TakeWholeLines(mac, [&stopped](std::string_view line, std::size_t) {
      stopped = !line.empty() && (line[0] == '$' || NamesMacro(line.data(), line.size()));
      return !stopped;
    }).size();
    mac.Skip(taken);
    if (stopped || taken == 0) return;
  }
}

}  // namespace

MacroScan ScanMacroFile(File& mac, const std::string& top_module) {
  MacroScan scan;
  const std::string needle = " " + ToLower(top_module) + " ";
  std::string line;
  // Lines are read whole, so a long header keeps all its ports.
  for (;;) {
    SkipPlainLines(mac);
    if (!ReadWholeLine(mac, line)) break;
    if (StartsWithNoCase(line, kTag)) {
      int level = TagLevel(line);
      if (level > scan.highest_level) scan.highest_level = level;
    }
    if (FindNoCase(line, ".macro") == std::string::npos) continue;
    std::string lowered = ToLower(line) + " ";
    if (lowered.find(".macro ") != std::string::npos &&
        lowered.find(needle) != std::string::npos) {
      scan.header_found = true;
      scan.ports = HeaderPorts(mac, std::move(line));
      break;  // tags after the top module's header are not looked at
    }
  }
  return scan;
}

// Moves past the next "<<<" line of a wire list and reads the line that
// names a module (one empty line between is allowed). False at the end.
static bool NextComponentLine(File& wir, std::string& module_line) {
  std::string line;
  while (ReadWholeLine(wir, line)) {
    if (!StartsWith(line, "<<<")) continue;
    ReadWholeLine(wir, module_line);
    if (module_line.empty()) ReadWholeLine(wir, module_line);
    return true;
  }
  return false;
}

void PrescanTopModule(const RunContext& run, const ToolDesign& d, ToolchainState& toolchain) {
  Platform& p = run.platform;
  const std::string wire_list = d.test_dir + d.test_id + ".wir";
  const std::string mac_path = wire_list.substr(0, wire_list.size() - 3) + "mac";
  File wir;
  if (!wir.Open(wire_list, File::Mode::kRead)) return;
  std::string module_line;
  while (NextComponentLine(wir, module_line)) {
    std::size_t blank = module_line.find(' ');
    if (blank == std::string::npos) {
      p.ui.Notify("No module name found in above file.", wire_list, box::kOk);
      return;
    }
    toolchain.top_module = module_line.substr(0, blank);

    File mac;
    if (!mac.Open(mac_path, File::Mode::kRead)) return;
    MacroScan scan = ScanMacroFile(mac, toolchain.top_module);
    mac.Close();
    if (scan.header_found) toolchain.top_ports = std::move(scan.ports);
    if (scan.highest_level <= 0) continue;

    if (p.ui.Notify("Do you want block route macros to be automatically "
                   "constructed?",
                   Format("LEVEL = %d Blocks Detected:", scan.highest_level),
                   box::kYesNo | box::kIconQuestion) != answer::kYes) {
      return;
    }
    if (!BuildBlockRoutes(p, scan.highest_level, mac_path)) return;
  }
}

bool RecallTopModule(const ToolDesign& d, ToolchainState& toolchain, std::string& unreadable) {
  const std::string wire_list = d.test_dir + d.test_id + ".wir";
  const std::string mac_path = d.test_dir + d.test_id + ".mac";
  File wir;
  if (!wir.Open(wire_list, File::Mode::kRead)) return true;
  std::string module_line;
  bool found = NextComponentLine(wir, module_line);
  if (wir.ReadFailed()) {
    unreadable = wir.Path();
    return false;
  }
  std::size_t blank = module_line.find(' ');
  if (!found || blank == std::string::npos) return true;
  std::string top = module_line.substr(0, blank);
  File mac;
  if (!mac.Open(mac_path, File::Mode::kRead)) return true;
  MacroScan scan = ScanMacroFile(mac, top);
  if (mac.ReadFailed()) {
    unreadable = mac.Path();
    return false;
  }
  toolchain.top_module = top;
  if (scan.header_found) toolchain.top_ports = std::move(scan.ports);
  return true;
}

}  // namespace kalvor
