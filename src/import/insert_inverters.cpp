#include "import/insert_inverters.h"

#include <cstdint>
#include <unordered_map>

#include "text/strings.h"

namespace kalvor {

namespace {

// The driver of a net: the last own port before the first output of an
// instance, or that output. Empty when there is none.
std::string Driver(const Body& body, const FanoutSettings& settings, const Net& net) {
  std::string driver;
  for (const Pin& pin : body.Pins(net)) {
    std::string text = body.PinText(pin);
    std::size_t lt = text.find('<');
    if (lt == std::string::npos) {
      driver = std::move(text);
    } else if (IsOutput(settings, std::string_view(text).substr(lt + 1))) {
      return text;
    }
  }
  return driver;
}

std::uint64_t PinKey(std::int32_t instance, std::int32_t port) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(instance)) << 32) |
         static_cast<std::uint32_t>(port);
}

bool Overflow(long capacity, std::vector<Diagnostic>& diagnostics) {
  diagnostics.push_back(TableOverflow(capacity));
  return false;
}

}  // namespace

std::vector<std::int32_t> FirstOfEachName(const Body& body) {
  std::vector<std::int32_t> first(body.instances.size());
  NamePositions index;
  index.Reserve(body.instances.size());
  for (std::size_t i = 0; i < body.instances.size(); ++i) {
    const std::string_view name = body.Name(body.instances[i]);
    const std::uint64_t h = HashName(name, false);
    std::int32_t at = index.Find(h, [&](std::int32_t k) {
      return body.Name(body.instances[static_cast<std::size_t>(k)]) == name;
    });
    if (at < 0) {
      at = static_cast<std::int32_t>(i);
      index.Add(h, at);
    }
    first[i] = at;
  }
  return first;
}

bool InsertInverters(Netlist& netlist, const BaseMacros& base, const FanoutSettings& settings,
                     const EdifLimits& limits, std::vector<Diagnostic>& diagnostics) {
  if (base.inverters.empty()) return true;
  Body& body = netlist.body;
  std::vector<std::int32_t> first = FirstOfEachName(body);
  // The nets of each connection, in net order.
  std::unordered_map<std::uint64_t, std::vector<std::int32_t>> nets_of;
  for (std::size_t n = 0; n < body.nets.size(); ++n) {
    for (const Pin& pin : body.Pins(body.nets[n])) {
      if (pin.instance < 0) continue;
      auto& list = nets_of[PinKey(first[static_cast<std::size_t>(pin.instance)], pin.port)];
      if (list.empty() || list.back() != static_cast<std::int32_t>(n)) {
        list.push_back(static_cast<std::int32_t>(n));
      }
    }
  }
  std::unordered_map<std::string, std::string> inverter_of;  // driver to inverter
  long count = 0;
  for (std::size_t i = 0; i < body.instances.size(); ++i) {
    auto entry = base.inverters.begin();
    while (entry != base.inverters.end() && !EqualNoCase(entry->first, body.CellOf(body.instances[i]))) {
      ++entry;
    }
    if (entry == base.inverters.end()) continue;
    const std::string& replacement = entry->second[0];
    const std::string old_cell = body.CellOf(body.instances[i]);
    body.instances[i].cell = body.CellName(replacement);
    if (netlist.FindCell(replacement) < 0) {
      if (static_cast<long>(netlist.cells.size()) >= limits.cells) {
        return Overflow(limits.cells, diagnostics);
      }
      std::int32_t t = netlist.FindCell(old_cell);
      Cell copy = t >= 0 ? netlist.cells[static_cast<std::size_t>(t)] : Cell();
      copy.name = replacement;
      netlist.AddCell(std::move(copy));
    }
    const std::int32_t me = first[i];
    for (std::size_t w = 1; w < entry->second.size(); ++w) {
      const std::int32_t port = body.PortName(entry->second[w]);
      auto& candidates = nets_of[PinKey(me, port)];
      std::int32_t n = -1;
      std::string driver;
      for (std::int32_t c : candidates) {
        driver = Driver(body, settings, body.nets[static_cast<std::size_t>(c)]);
        if (!driver.empty()) {
          n = c;
          break;
        }
      }
      if (n < 0) continue;
      std::span<const Pin> pins = body.Pins(body.nets[static_cast<std::size_t>(n)]);
      std::size_t at = 0;
      while (pins[at].instance < 0 || first[static_cast<std::size_t>(pins[at].instance)] != me ||
             pins[at].port != port) {
        ++at;
      }
      const Pin moved = pins[at];
      body.RemovePin(static_cast<std::size_t>(n), at);
      bool still = false;
      for (const Pin& p : body.Pins(body.nets[static_cast<std::size_t>(n)])) {
        still = still || (p.instance >= 0 && first[static_cast<std::size_t>(p.instance)] == me &&
                          p.port == port);
      }
      if (!still) candidates.erase(std::find(candidates.begin(), candidates.end(), n));
      auto shared = inverter_of.find(driver);
      if (shared != inverter_of.end()) {
        --body.nets[static_cast<std::size_t>(n)].fanout;
        const std::string out_name = shared->second + "<O";
        std::int32_t m = -1;
        for (std::size_t k = 0; k < body.nets.size() && m < 0; ++k) {
          if (EqualNoCase(body.Name(body.nets[k]), out_name)) m = static_cast<std::int32_t>(k);
        }
        if (m < 0) {
          diagnostics.push_back({Diagnostic::Severity::kNote, "", 0,
                                 "Internal error, above net name not found.", out_name});
          continue;
        }
        body.AddPin(static_cast<std::size_t>(m), moved);
        ++body.nets[static_cast<std::size_t>(m)].fanout;
        auto& list = nets_of[PinKey(me, port)];
        list.insert(std::upper_bound(list.begin(), list.end(), m), m);
        continue;
      }
      const std::string inverter = Format("EXTINV_%ld", ++count);
      inverter_of.emplace(driver, inverter);
      if (static_cast<long>(body.instances.size()) >= limits.instances) {
        return Overflow(limits.instances, diagnostics);
      }
      const std::int32_t x = body.AddInstance(inverter, body.CellName("EXTINV"));
      body.distinct_instances = false;  // an EXTINV_N of the file's may share the name
      first.push_back(x);
      body.AddPin(static_cast<std::size_t>(n), {x, body.PortName("A")});
      if (static_cast<long>(body.nets.size()) >= limits.nets) {
        return Overflow(limits.nets, diagnostics);
      }
      const std::int32_t out = body.AddNet(inverter + "<O");
      body.AddPin(static_cast<std::size_t>(out), {x, body.PortName("O")});
      body.AddPin(static_cast<std::size_t>(out), moved);
      body.nets[static_cast<std::size_t>(out)].fanout = 1;
      nets_of[PinKey(x, body.PortName("A"))].push_back(n);
      nets_of[PinKey(x, body.PortName("O"))].push_back(out);
      nets_of[PinKey(me, port)].push_back(out);
      if (netlist.FindCell("EXTINV") < 0) {
        if (static_cast<long>(netlist.cells.size()) >= limits.cells) {
          return Overflow(limits.cells, diagnostics);
        }
        Cell inverter_cell;
        inverter_cell.name = "EXTINV";
        inverter_cell.AddPort("A");
        inverter_cell.AddPort("O");
        netlist.AddCell(std::move(inverter_cell));
      }
    }
  }
  return true;
}

}  // namespace kalvor
