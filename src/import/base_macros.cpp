#include "import/base_macros.h"

#include <algorithm>

#include "core/safe_replace.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {
constexpr int kBaseLineSize = 20000;
}  // namespace

Diagnostic TableOverflow(long capacity) {
  return {Diagnostic::Severity::kError, "", 0, Format("Table %ld overflow!", capacity), "Fatal Error"};
}

const BaseMacro* BaseMacros::Find(std::string_view name) const {
  std::int32_t at = macro_index.Find(HashName(name, true), [&](std::int32_t i) {
    return EqualNoCase(macros[static_cast<std::size_t>(i)].name, name);
  });
  return at >= 0 ? &macros[static_cast<std::size_t>(at)] : nullptr;
}

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

bool LoadBaseMacroFile(const std::string& path, const EdifLimits& limits, BaseMacros& base,
                       FanoutSettings& settings, std::vector<Diagnostic>& diagnostics) {
  File in;
  if (!in.Open(path, File::Mode::kRead)) return true;
  base.path = path;
  bool warned = false;
  auto add = [&](const std::string& name) -> BaseMacro* {
    if (const BaseMacro* m = base.Find(name)) return const_cast<BaseMacro*>(m);
    if (static_cast<long>(base.macros.size()) >= limits.base_macros) {
      if (!warned) {
        diagnostics.push_back({Diagnostic::Severity::kWarning, "", 0, "Too many macros!", ""});
        warned = true;
      }
      return nullptr;
    }
    base.macro_index.Add(HashName(name, true), static_cast<std::int32_t>(base.macros.size()));
    base.macros.push_back({name, std::string(), false});
    return &base.macros.back();
  };
  std::string line;
  long line_number = 0;
  // Where a message about the line just read points.
  auto where = [&](long at) { return Format("\n\n%s, line %ld.", path.c_str(), at); };
  while (ReadLine(in, line, kBaseLineSize)) {
    const long at = ++line_number;
    std::string rest = line;
    std::string w1 = ToLower(NextWord(rest));
    std::string w2 = NextWord(rest);
    if (w1 == ".macro") {
      BaseMacro* m = add(w2);
      if (m && m->ports.empty()) {
        line_number += JoinContinuations(in, '+', rest, kBaseLineSize);
        m->ports = rest;
        m->line = at;
      }
    } else if (w1 == "$reorder") {
      BaseMacro* m = add(w2);
      if (!m) continue;
      m->reorder = true;
      line_number += JoinContinuations(in, '+', rest, kBaseLineSize);
      m->ports = rest;
      m->line = at;
    } else if (w1 == "$rename") {
      base.renames.emplace(w2, NextWord(rest));
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
      // W2 is the replacement cell, the rest the ports to invert, of the
      // macro whose header came last.
      if (base.macros.empty()) {
        diagnostics.push_back({Diagnostic::Severity::kNote, "", 0,
                               "$extinv should occur inside a macro definition" + where(at),
                               "$extinv syntax error"});
        continue;
      }
      const BaseMacro& last = base.macros.back();
      const std::vector<std::string_view> header = SplitWords(last.ports);
      const std::vector<std::string_view> inverted = SplitWords(rest);
      // Each port a word of the header ("A" is no port of "CA B").
      const bool named = std::all_of(inverted.begin(), inverted.end(), [&](std::string_view w) {
        return std::find(header.begin(), header.end(), w) != header.end();
      });
      if (!named) {
        diagnostics.push_back({Diagnostic::Severity::kNote, "", 0,
                               rest + " port does not occur in .macro header for " + last.name +
                                   where(at),
                               "$extinv syntax error"});
        continue;
      }
      auto entry = base.inverters.begin();
      while (entry != base.inverters.end() && !EqualNoCase(entry->first, last.name)) ++entry;
      if (entry == base.inverters.end()) {
        if (static_cast<long>(base.inverters.size()) >= limits.inverters) {
          diagnostics.push_back(TableOverflow(limits.inverters));
          return false;
        }
        base.inverters.push_back({last.name, {w2}});
        entry = base.inverters.end() - 1;
      }
      for (std::string_view port : SplitWords(rest)) entry->second.emplace_back(port);
    }
  }
  if (in.ReadFailed()) {
    // Half a base file would convert with generic cells, no renames and no
    // fanout buffers, as if that were what it says.
    diagnostics.push_back({Diagnostic::Severity::kError, "", 0, kUnableToRead, in.Path()});
    return false;
  }
  return true;
}

std::string RenameCell(const BaseMacros& base, const std::string& name,
                       const std::string_view* instance) {
  auto found = base.renames.find(name);
  if (found == base.renames.end()) return name;
  const std::string& value = found->second;
  std::size_t colon = value.find(':');
  if (colon == std::string::npos) return value;
  if (!instance) return name;
  if (instance->find(value.substr(colon + 1)) != std::string::npos) return value.substr(0, colon);
  return name;
}

bool IsOutput(const FanoutSettings& settings, std::string_view port) {
  if (port.empty() || settings.exclusion == '\0') return false;
  if (settings.output_letters.find(ToLowerAscii(port[0])) == std::string::npos) return false;
  for (char c : port) {
    if (ToLowerAscii(c) == settings.exclusion) return false;
  }
  return true;
}

bool IsBottomCell(const BaseMacros& base, const std::string& cell) {
  return base.Find(RenameCell(base, cell, nullptr)) != nullptr;
}

std::string HeaderPorts(const Cell& cell) {
  std::string text;
  for (const Port& p : cell.ports) {
    if (p.supply) continue;
    text += ' ';
    text += cell.PortName(p);
  }
  return text;
}

std::optional<PortOrder> FindPortOrder(const BaseMacros& base, const Netlist& netlist,
                                       const std::string& cell,
                                       std::vector<Diagnostic>& diagnostics) {
  std::int32_t c = netlist.FindCell(cell);
  const BaseMacro* m = base.Find(cell);
  PortOrder order;
  if (!m || m->ports.empty()) {
    if (c < 0) return order;
    const Cell& found = netlist.cells[static_cast<std::size_t>(c)];
    for (const Port& p : found.ports) {
      if (!p.supply) order.ports.emplace_back(found.PortName(p));
    }
    return order;
  }
  order.ports = SplitWords(m->ports);
  order.reorder = m->reorder;
  if (m->reorder) return order;
  // Every base port must be a port of the netlist's cell, and no port of
  // the cell may be left.
  const std::string cell_ports = c >= 0 ? HeaderPorts(netlist.cells[static_cast<std::size_t>(c)]) : "";
  // Each base port marks the first unmarked port of the cell it names, as
  // a whole word ("D" is not the D of "CD").
  std::string marked = cell_ports + " ";
  bool ok = true;
  for (std::string_view w : order.ports) {
    std::size_t at = marked.find(" " + std::string(w) + " ");
    if (at == std::string::npos) {
      ok = false;
      break;
    }
    marked[at + 1] = ':';
  }
  for (std::size_t i = 0; ok && i + 1 < marked.size(); ++i) {
    if (marked[i] == ' ' && marked[i + 1] != ' ' && marked[i + 1] != ':') ok = false;
  }
  if (ok) return order;
  diagnostics.push_back(
      {Diagnostic::Severity::kWarning, "", 0,
       Format("CELL=%s\n\nMACRO PORTS=%s\n\nEDIF PORTS=%s\n\nUse '$reorder' in the base "
              "macro file if you want to ignore this condition.\nSee user guide.\n\n%s, line %ld.",
              cell.c_str(), m->ports.c_str(), cell_ports.c_str(), base.path.c_str(), m->line),
       "Error in port list, aborting."});
  return std::nullopt;
}

}  // namespace kalvor
