// Inverters in front of the inputs that the base macro file's "$extinv"
// lines name: rewrites the instances and nets of the cell just read.
#pragma once

#include <vector>

#include "import/base_macros.h"

namespace kalvor {

// The first instance of each instance's name (the name a connection is
// known by), per instance.
std::vector<std::int32_t> FirstOfEachName(const Body& body);

// False when the import must stop (a table is full; noted in `diagnostics`).
bool InsertInverters(Netlist& netlist, const BaseMacros& base, const FanoutSettings& settings,
                     const EdifLimits& limits, std::vector<Diagnostic>& diagnostics);

}  // namespace kalvor
