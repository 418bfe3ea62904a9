#include "netlist/cell_uses.h"

#include "text/strings.h"

namespace kalvor {

std::string CellUses::Key(std::string_view cell, std::string_view port) const {
  std::string key = keep_case ? std::string(cell) : ToLower(cell);
  key += ' ';
  key += port;
  return key;
}

bool CellUses::OffSupply(std::string_view cell, std::string_view port) const {
  return !off_supply.empty() && off_supply.count(Key(cell, port)) != 0;
}

void CellUses::AddOffSupply(std::string_view cell, std::string_view port) {
  off_supply.insert(Key(cell, port));
}

void CellUses::AddInner(std::string_view parent, std::string_view child, std::string_view port) {
  inner.emplace(Key(parent, port), Key(child, port));
}

void NoteCellUses(const Netlist& netlist, bool vcc_to_vdd, CellUses& uses) {
  const Body& body = netlist.body;
  // Cells the file never defines, in the order of their first instance
  // (one that nothing connects too: it is written, with no ports).
  for (const Instance& inst : body.instances) {
    const std::string& cell = body.CellOf(inst);
    if (cell.empty() || netlist.FindCell(cell) >= 0) continue;
    if (uses.undefined_index.emplace(ToLower(cell), uses.undefined.size()).second) {
      uses.undefined.push_back({cell, {}});
    }
  }
  for (const Net& net : body.nets) {
    std::string_view node = body.Name(net);
    if (vcc_to_vdd && EqualNoCase(node, "VCC")) node = "VDD";
    const bool supply_net = IsSupplyName(node);
    bool on_own_port = false;  // the net is the cell's own supply port `node`
    for (const Pin& pin : body.Pins(net)) {
      if (pin.instance == Pin::kOwn && supply_net &&
          body.port_names[static_cast<std::size_t>(pin.port)] == node) {
        on_own_port = true;
      }
    }
    for (const Pin& pin : body.Pins(net)) {
      if (pin.instance < 0) continue;
      const std::string& cell = body.CellOf(body.instances[static_cast<std::size_t>(pin.instance)]);
      const std::string& port = body.port_names[static_cast<std::size_t>(pin.port)];
      if (netlist.FindCell(cell) < 0) {
        const std::string lower = ToLower(cell);
        auto [at, added] = uses.undefined_index.emplace(lower, uses.undefined.size());
        if (added) uses.undefined.push_back({cell, {}});
        std::vector<std::string>& ports = uses.undefined[at->second].ports;
        bool known = false;
        for (const std::string& p : ports) known = known || EqualNoCase(p, port);
        if (!known) ports.push_back(port);
      }
      if (!IsSupplyName(port)) continue;
      if (port != node) {
        uses.AddOffSupply(cell, port);
      } else if (on_own_port) {
        uses.AddInner(body.cell, cell, port);
      }
    }
  }
}

void FinishCellUses(const Netlist& netlist, CellUses& uses) {
  std::vector<CellUses::Undefined> still;
  for (CellUses::Undefined& u : uses.undefined) {
    if (netlist.FindCell(u.cell) < 0) still.push_back(std::move(u));
  }
  uses.undefined = std::move(still);
  uses.undefined_index.clear();
  std::vector<std::string> open(uses.off_supply.begin(), uses.off_supply.end());
  while (!open.empty()) {
    const std::string key = std::move(open.back());
    open.pop_back();
    auto [from, to] = uses.inner.equal_range(key);
    for (; from != to; ++from) {
      if (uses.off_supply.insert(from->second).second) open.push_back(from->second);
    }
  }
  uses.inner.clear();
}

}  // namespace kalvor
