#include "edif/insert_inverters.h"

#include "edif/base_macros.h"

namespace kalvor {

namespace {

// The driver of a node list: the last own port before the first output of
// an instance, or that output. Empty when there is none.
std::string Driver(const FanoutSettings& settings, std::string_view nodes) {
  std::string_view driver;
  for (std::string_view w : SplitWords(nodes)) {
    std::size_t lt = w.find('<');
    if (lt == std::string_view::npos) {
      driver = w;
    } else if (IsOutput(settings, w.substr(lt + 1))) {
      driver = w;
      break;
    }
  }
  return std::string(driver);
}

const InverterEntry* InverterFor(const BaseMacroTable& base, std::string_view cell) {
  for (const InverterEntry& e : base.inverters) {
    if (EqualNoCase(e.macro, cell)) return &e;
  }
  return nullptr;
}

bool AddCell(EdifRun& run, const std::string& name, const std::string& ports) {
  if (static_cast<long>(run.cells.entries.size()) >= run.limits.cells) {
    return run.Overflow(run.limits.cells);
  }
  run.cells.entries.push_back({name, ports, {}, false});
  return true;
}

}  // namespace

bool InsertInverters(EdifRun& run) {
  run.inverter_map.clear();
  run.inverter_count = 0;
  if (run.base.inverters.empty()) return true;
  CellContents& cell = run.cell;
  EdifLookups& lookups = run.lookups;
  const FanoutSettings& settings = run.fanout();
  for (std::size_t i = 0; i < cell.instances.size(); ++i) {
    const InverterEntry* entry = InverterFor(run.base, cell.instances[i].cell);
    if (!entry) continue;
    std::vector<std::string_view> words = SplitWords(entry->value);
    if (words.empty()) continue;
    std::string replacement(words[0]);
    std::string old_cell = cell.instances[i].cell;
    cell.instances[i].cell = replacement;
    if (lookups.FindCell(run.cells, replacement) < 0) {
      long t = lookups.FindCell(run.cells, old_cell);
      std::string ports = t >= 0 ? run.cells.entries[static_cast<std::size_t>(t)].ports : "";
      if (!AddCell(run, replacement, ports)) return false;
    }
    for (std::size_t w = 1; w < words.size(); ++w) {
      const std::string instance = cell.instances[i].name;
      const std::string node = instance + "<" + std::string(words[w]);
      const std::string key = " " + node + " ";
      long n = -1;
      std::string driver;
      for (long from = 0;; from = n + 1) {
        n = lookups.FindNetWithNode(cell, node, from);
        if (n < 0) break;
        driver = Driver(settings, cell.nets[static_cast<std::size_t>(n)].nodes);
        if (!driver.empty()) break;
      }
      if (n < 0) continue;
      Net& net = cell.nets[static_cast<std::size_t>(n)];
      std::size_t at = net.nodes.find(key);
      if (at == std::string::npos) continue;
      net.nodes.erase(at, 1 + node.size());
      lookups.NodeRemoved(cell, n, node);
      std::string mark = " " + driver + "=";
      std::size_t found = run.inverter_map.find(mark);
      if (found != std::string::npos) {
        std::size_t start = found + mark.size();
        std::string inverter =
            run.inverter_map.substr(start, run.inverter_map.find(' ', start) - start);
        --net.fanout;
        std::string out_name = inverter + "<O";
        long m = lookups.FindNetByName(cell, out_name);
        if (m < 0) {
          run.platform.ui.Notify("Internal error, above net name not found.", out_name, box::kOk);
          continue;
        }
        Net& out = cell.nets[static_cast<std::size_t>(m)];
        out.nodes += key + " ";
        ++out.fanout;
        lookups.NodeAdded(cell, m, node);
        continue;
      }
      std::string inverter = Format("EXTINV_%ld", ++run.inverter_count);
      run.inverter_map += " " + driver + "=" + inverter + " ";
      if (static_cast<long>(cell.instances.size()) >= run.limits.instances) {
        return run.Overflow(run.limits.instances);
      }
      cell.instances.push_back({inverter, "EXTINV"});
      Net& driven = cell.nets[static_cast<std::size_t>(n)];
      driven.nodes += inverter + "<A ";
      lookups.NodeAdded(cell, n, inverter + "<A");
      if (static_cast<long>(cell.nets.size()) >= run.limits.nets) {
        return run.Overflow(run.limits.nets);
      }
      cell.nets.push_back({inverter + "<O", " " + inverter + "<O " + key + " ", 1});
      if (lookups.FindCell(run.cells, "EXTINV") < 0 && !AddCell(run, "EXTINV", " A O ")) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace kalvor
