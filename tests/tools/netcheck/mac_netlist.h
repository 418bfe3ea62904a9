// Reads a macro file (.mac) into the checker's netlist model: one cell per
// macro, ports from the header, one net per node name. The buffers and
// inverters the import inserts are taken out again: a fanout buffer ("fbN",
// first node the buffered net's name followed by "_fanbust", or "_fanbust_N"
// for a further buffer of the net) and an inserted
// inverter ("EXTINV_N" of macro EXTINV) join their two nodes. The pad line
// "<PADS PADS" is left out.
#pragma once

#include <string>

#include "netlist.h"

namespace netcheck {

bool ReadMacNetlist(const std::string& path, Netlist& out);
void ParseMacNetlist(const std::string& text, Netlist& out);

// The headers (and "$reorder" lists) of a base macro file.
bool ReadBaseMacros(const std::string& path, BaseMacros& out);

}  // namespace netcheck
