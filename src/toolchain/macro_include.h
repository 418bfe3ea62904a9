// Macro include insertion: makes sure the design's macro file carries the
// include line of the technology macro file for the NetTran function about
// to run ("sim.mac", "tpr.mac", "spc.mac"), asking the user for the file
// when it is missing. For TPR netlists it also offers a pad definition file.
#pragma once

#include <string>

#include "core/outcome.h"
#include "core/run_context.h"
#include "toolchain/toolchain_state.h"

namespace kalvor {

// True when the include is present afterwards (found or inserted), false
// when the user cancelled or a file could not be opened or created.
bool InsertMacroInclude(const RunContext& run, const ToolDesign& d, const std::string& key);

}  // namespace kalvor
