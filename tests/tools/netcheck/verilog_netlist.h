// Reads a structural Verilog netlist into the checker's netlist model: one
// cell per module (and per module used but not defined, its ports in the
// order of their use), bit-level ports in port-list order with each bus
// from its lowest index up, instances in file order, nets from the bits the
// connections and assigns join; 1'b0 and 1'b1 are the supply nets GND and
// VDD, x and z bits no net. A small reader of its own, for the netlists
// the tests write.
#pragma once

#include <string>

#include "netlist.h"

namespace netcheck {

bool ReadVerilogNetlist(const std::string& path, Netlist& out);
bool ParseVerilogNetlist(const std::string& text, Netlist& out);

}  // namespace netcheck
