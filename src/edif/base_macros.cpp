#include "edif/base_macros.h"

#include "core/warnings.h"
#include "text/lineio.h"

namespace kalvor {

namespace {

constexpr int kBaseLineSize = 20000;

long AddBaseMacro(EdifRun& run, const std::string& name, bool& warned) {
  if (static_cast<long>(run.base.entries.size()) >= run.limits.base_macros) {
    if (!warned) {
      run.platform.ui.Notify("Too many macros!", "", box::kOk | box::kIconWarning);
      warned = true;
    }
    return -1;
  }
  run.base.entries.push_back({name, std::string(), false});
  return static_cast<long>(run.base.entries.size()) - 1;
}

bool AddInverterLine(EdifRun& run, const std::string& cell, const std::string& ports) {
  BaseMacroTable& base = run.base;
  if (base.entries.empty()) {
    run.platform.ui.Notify("$extinv should occur inside a macro definition", "$extinv syntax error",
                   box::kOk);
    return true;
  }
  const BaseMacro& last = base.entries.back();
  if (last.ports.find(ports) == std::string::npos) {
    run.platform.ui.Notify(ports + " port does not occur in .macro header for " + last.name,
                   "$extinv syntax error", box::kOk);
    return true;
  }
  for (InverterEntry& e : base.inverters) {
    if (EqualNoCase(e.macro, last.name)) {
      e.value += ports + " ";
      return true;
    }
  }
  if (static_cast<long>(base.inverters.size()) >= run.limits.inverters) {
    return run.Overflow(run.limits.inverters);
  }
  base.inverters.push_back({last.name, cell + " " + ports + " "});
  return true;
}

}  // namespace

std::vector<std::string_view> SplitWords(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    std::size_t start = i;
    while (i < text.size() && text[i] != ' ') ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

bool ChooseBaseMacroFile(EdifRun& run) {
  Platform& p = run.platform;
  int yes = p.ui.Notify(
      "Do you want to specify a base macro file to identify bottom cells and re-order "
      "parameters?",
      "EDIF to MAC conversion", box::kYesNo | box::kIconQuestion);
  if (yes != answer::kYes) return true;
  std::string path;
  if (!p.ui.FileDialog(path, 260, run.job.browse_dir, "*.mac")) return true;
  File probe;
  if (!probe.Open(path, File::Mode::kRead)) {
    p.ui.Notify(path, "Unable to open:", box::kOk | box::kIconWarning);
    return true;
  }
  probe.Close();
  run.base_path = path;
  return LoadBaseMacroFile(run, path);
}

bool LoadBaseMacroFile(EdifRun& run, const std::string& path) {
  File in;
  if (!in.Open(path, File::Mode::kRead)) return true;
  FanoutSettings& settings = run.fanout();
  BaseMacroTable& base = run.base;
  bool warned = false;
  std::string line;
  while (ReadLine(in, line, kBaseLineSize)) {
    std::string rest = line;
    std::string w1 = ToLower(NextWord(rest));
    std::string w2 = NextWord(rest);
    if (w1 == ".macro" || w1 == "$reorder") {
      // "$reorder" always gives the ports, a header only when none are known.
      long i = run.lookups.FindBaseMacro(base, w2);
      if (i < 0) i = AddBaseMacro(run, w2, warned);
      if (i < 0) continue;
      BaseMacro& m = base.entries[static_cast<std::size_t>(i)];
      if (w1 == "$reorder") {
        m.reorder = true;
      } else if (!m.ports.empty()) {
        continue;
      }
      JoinContinuations(in, '+', rest, kBaseLineSize);
      m.ports = rest;
    } else if (w1 == "$rename") {
      base.rename_list += " " + w2 + "=" + NextWord(rest) + " ";
    } else if (w1 == "$fanouts") {
      settings.insertion_threshold = LeadingInt(w2);
      settings.large_threshold = LeadingInt(NextWord(rest));
      settings.fanout_limit = LeadingInt(NextWord(rest));
    } else if (w1 == "$fanbufs") {
      settings.small_buffer = Truncate(w2, 31);
      settings.large_buffer = Truncate(NextWord(rest), 31);
    } else if (w1 == "$outputs") {
      settings.output_letters = Truncate(ToLower(w2), 23);
      if (EqualNoCase(NextWord(rest), "not")) {
        std::string w = NextWord(rest);
        settings.exclusion = w.empty() ? '\0' : ToLowerAscii(w[0]);
      } else {
        settings.exclusion = '-';
      }
    } else if (w1 == "$extinv") {
      if (!AddInverterLine(run, w2, rest)) return false;
    }
  }
  return true;
}

std::string RenameCell(EdifRun& run, std::string_view name, const std::string* instance) {
  std::optional<std::string> value = run.lookups.RenameValue(run.base, name);
  if (!value) return std::string(name);
  std::size_t colon = value->find(':');
  if (colon == std::string::npos) return *value;
  if (!instance) return std::string(name);
  if (instance->find(value->substr(colon + 1)) != std::string::npos) {
    return value->substr(0, colon);
  }
  return std::string(name);
}

bool IsOutput(const FanoutSettings& settings, std::string_view port) {
  if (port.empty() || settings.exclusion == '\0') return false;
  if (settings.output_letters.find(ToLowerAscii(port[0])) == std::string::npos) return false;
  for (char c : port) {
    if (ToLowerAscii(c) == settings.exclusion) return false;
  }
  return true;
}

bool IsBottomCell(EdifRun& run, std::string_view cell) {
  return run.lookups.FindBaseMacro(run.base, RenameCell(run, cell, nullptr)) >= 0;
}

std::optional<PortOrder> FindPortOrder(EdifRun& run, const std::string& cell) {
  long b = run.lookups.FindBaseMacro(run.base, cell);
  std::string edif_ports;
  long c = run.lookups.FindCell(run.cells, cell);
  if (c >= 0) edif_ports = run.cells.entries[static_cast<std::size_t>(c)].ports;
  if (b < 0 || run.base.entries[static_cast<std::size_t>(b)].ports.empty()) {
    return PortOrder{edif_ports, false};
  }
  const BaseMacro& m = run.base.entries[static_cast<std::size_t>(b)];
  if (m.reorder) return PortOrder{m.ports, true};
  // Every base port must be an EDIF port, and no EDIF port may be left.
  std::string marked = edif_ports + " ";
  bool ok = true;
  for (std::string_view w : SplitWords(m.ports)) {
    std::string key = std::string(w) + " ";
    std::size_t at = marked.find(key);
    if (at == std::string::npos) {
      ok = false;
      break;
    }
    marked[at] = ':';
  }
  for (std::size_t i = 0; ok && i + 1 < marked.size(); ++i) {
    if (marked[i] == ' ' && marked[i + 1] != ' ' && marked[i + 1] != ':') ok = false;
  }
  if (ok) return PortOrder{m.ports, false};
  run.Stop(Format("CELL=%s\n\nMACRO PORTS=%s\n\nEDIF PORTS=%s\n\nUse '$reorder' in the base "
                  "macro file if you want to ignore this condition.\nSee user guide.",
                  cell.c_str(), m.ports.c_str(), edif_ports.c_str()),
           "Error in port list, aborting.", box::kOk | box::kIconWarning);
  return std::nullopt;
}

std::string UnconnectedPort(EdifRun& run, const std::string& port, const std::string& cell,
                            bool reorder) {
  if (reorder) {
    if (run.warned_ports.find(" " + port + " ") == std::string::npos) {
      TheWarnings().Warn(
          run.platform.ui, "port without counterpart",
          Format("Port '%s' of macro '%s' has no EDIF counterpart.", port.c_str(), cell.c_str()),
          "Warning", box::kOk);
      run.warned_ports += port + " ";
    }
    return port;
  }
  // NCX numbers a name of the cell already uses are passed over.
  ++run.unconnected;
  std::string name;
  do {
    name = Format("NCX%ld", ++run.ncx_number);
  } while (run.cell.names.Used(name));
  return name;
}

std::string FanoutBuffer(EdifRun& run, long net, const std::string& line_so_far,
                         std::vector<std::string>& buffers) {
  const FanoutSettings& s = run.fanout();
  const Net& n = run.cell.nets[static_cast<std::size_t>(net)];
  const std::string& macro = n.fanout > s.large_threshold ? s.large_buffer : s.small_buffer;
  ++run.fanout_buffers;
  std::string node = run.cell.names.Unique(n.name + "_fanbust");
  buffers.push_back(Format("<fb%ld %s %s %s", run.fanout_buffers, macro.c_str(), node.c_str(),
                           n.name.c_str()));
  if (n.fanout > s.fanout_limit) {
    TheWarnings().Warn(run.platform.ui, "fanout limit", line_so_far,
                       Format("cell %s net %s fanout=%ld exceeds limit!", run.cell.name.c_str(),
                              n.name.c_str(), n.fanout),
                       box::kOk);
  }
  return node;
}

}  // namespace kalvor
