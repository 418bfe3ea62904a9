// What a whole netlist makes of its cells' ports, gathered by reading it
// once before any macro header is written: the ports of cells the file
// uses but never defines (in the order of their first use), and the ports
// named like a supply that some instance puts on another net. Such a port
// is a normal pin of its cell; a supply-named port stays out of the header
// (its node the global supply) only where every net it is on is that supply.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "netlist/netlist.h"

namespace kalvor {

struct CellUses {
  explicit CellUses(bool case_sensitive = false) : keep_case(case_sensitive) {}

  struct Undefined {
    std::string cell;                // as first referenced
    std::vector<std::string> ports;  // in the order of first use
  };
  std::vector<Undefined> undefined;
  // Supply-named ports kept as normal pins: "cell port", the cell in lower
  // case unless `keep_case`.
  std::unordered_set<std::string> off_supply;
  // "cell port" of a parent's own supply port to the "cell port" of the
  // instance pins on its net: when the parent's port is a normal pin, so
  // are they.
  std::unordered_multimap<std::string, std::string> inner;
  std::unordered_map<std::string, std::size_t> undefined_index;  // by lower-case name
  // Cell names are told apart by letter case (Verilog); EDIF's are not.
  bool keep_case = false;

  bool OffSupply(std::string_view cell, std::string_view port) const;
  // Port `port` of `cell` is put on another net somewhere.
  void AddOffSupply(std::string_view cell, std::string_view port);
  // Port `port` of `child` is on the net of the same name that is
  // `parent`'s own port.
  void AddInner(std::string_view parent, std::string_view child, std::string_view port);

 private:
  std::string Key(std::string_view cell, std::string_view port) const;
};

// Notes what the cell just read (the netlist's last cell and its body)
// makes of the ports of the cells it instantiates. `vcc_to_vdd`: nodes
// named "VCC" (any letter case) are written "VDD".
void NoteCellUses(const Netlist& netlist, bool vcc_to_vdd, CellUses& uses);

// After the last cell: cells defined after their first use are no longer
// undefined, and the supply ports kept as pins carry over to the pins on
// their nets inside.
void FinishCellUses(const Netlist& netlist, CellUses& uses);

}  // namespace kalvor
