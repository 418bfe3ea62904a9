// Writes the cell just read as a macro of the macro file: the header, one
// instance line per instance with its nodes in port order, the fanout
// buffer lines, the end line. Nothing here asks or shows anything.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "import/base_macros.h"
#include "text/file.h"

namespace kalvor {

// What the writing keeps from one macro to the next in one import.
struct WriteState {
  long unconnected = 0;     // unconnected ports so far
  long ncx_number = 0;      // the number of the last NCX node
  long no_body = 0;         // macros written without any port on an instance line
  long fanout_buffers = 0;
  long split_pins = 0;      // instance pins on two or more nets, written on the first
  std::string first_split;  // the first of them: "cell: instance<port on net, net"
  std::string warned_ports = kSupplyList;  // ports without counterpart told of
  std::string unsplit;      // a piece too long to wrap; the output was closed
};

struct WriteInputs {
  const BaseMacros& base;
  const FanoutSettings& settings;
  bool vcc_to_vdd = false;
  std::function<void()> step;  // after every instance line
};

// Writes `cell` with the contents of netlist.body. False when the import
// must stop: `state.unsplit` or the diagnostics say why.
bool WriteMacro(File& out, Netlist& netlist, const Cell& cell, const WriteInputs& in,
                WriteState& state, std::vector<Diagnostic>& diagnostics);

}  // namespace kalvor
