// Compares the connectivity of a netlist with that of the macro file made
// from it: cell by cell, which instance pins and own ports share a net.
#pragma once

#include <string>
#include <vector>

#include "netlist.h"

namespace netcheck {

struct CompareOptions {
  // Port lists of the macros a base macro file defines; cells missing from
  // the macro file are then taken as its bottom cells.
  const BaseMacros* base = nullptr;
  std::size_t max_reports_per_cell = 4;
};

struct CompareResult {
  std::vector<std::string> differences;  // readable, one per finding
  long cells = 0;                        // cells compared
  long pins = 0;                         // pins compared
  // Nets joined to several own ports of their cell, or an own port and a
  // constant, which the macro keeps apart (the import warns about both);
  // not a difference.
  long wired_ports = 0;
};

// `netlist` is the source netlist, `mac` the macro file read back.
CompareResult CompareConnectivity(const Netlist& netlist, const Netlist& mac,
                                  const CompareOptions& options = {});

}  // namespace netcheck
