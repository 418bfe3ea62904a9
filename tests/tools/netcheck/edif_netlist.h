// Reads an EDIF file into the checker's netlist model. A small reader of its
// own: the whole file as a tree of lists, names resolved as EDIF defines
// them (identifiers ignore letter case, cells are found through their
// library, a cell's interface is that of its first view).
#pragma once

#include <string>

#include "netlist.h"

namespace netcheck {

// False when the file cannot be read; what the reader could not take in is
// listed in Netlist::problems.
bool ReadEdifNetlist(const std::string& path, Netlist& out);
bool ParseEdifNetlist(const std::string& text, Netlist& out);

}  // namespace netcheck
