// Nets of a cell that share a pin (an instance's port or a port of the cell
// itself) are one electrical net: the EDIF reader joins them as it reads.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "netlist/netlist.h"
#include "text/large_block.h"

namespace kalvor {

// Joins the nets of netlist.body that share a pin, each group in the place
// of its first net, named as the macro file must show it: after the first
// net with a port of the cell on it (ports of the cell on the other nets
// are noted as wired together), else the first named like a supply ("VCC"
// too when `vcc_to_vdd`), else the first. Returns the nets joined to one of
// another name; the first of them, "CELL: b joined to a at U1<A", goes to
// `first_join` when that is empty. `joined_port`, if given, names for an
// instance's pin the port standing for the ports its cell joins inside (a
// bus ripper's two sides), or -1: the nets on one such group are one net
// too, and not counted.
// What it works in, kept by the caller from one cell to the next: the
// tables of the largest cell are made once, not again for each large cell
// (fresh memory costs a page fault per page where it is first written).
struct JoinTables {
  std::vector<std::uint64_t, LargeBlockAllocator<std::uint64_t>> keys;
  std::vector<std::int32_t> first_nets;
  std::vector<Net> nets;  // the body's nets and pins are swapped with these
  std::vector<Pin> pins;
};
long JoinNetsSharingPins(Netlist& netlist, bool vcc_to_vdd, std::string& first_join,
                         JoinTables& tables,
                         const std::function<std::int32_t(const Pin&)>& joined_port = {});

}  // namespace kalvor
