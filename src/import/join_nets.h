// Nets of a cell that share a pin (an instance's port or a port of the cell
// itself) are one electrical net: the EDIF reader joins them as it reads.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "netlist/netlist.h"

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
long JoinNetsSharingPins(Netlist& netlist, bool vcc_to_vdd, std::string& first_join,
                         const std::function<std::int32_t(const Pin&)>& joined_port = {});

}  // namespace kalvor
