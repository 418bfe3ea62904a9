// The top-module prescan: finds the design's top module in the wire list,
// collects its ports (power ports left out) into the tool chain's state, and offers
// block route macros when the macro file carries "$blocklevel" tags.
#pragma once

#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/run_context.h"
#include "toolchain/toolchain_state.h"
#include "text/file.h"

namespace kalvor {

void PrescanTopModule(const RunContext& run, const ToolDesign& d, ToolchainState& toolchain);

// Finds the top module and its ports as the prescan does, without any
// question or message and without touching the macro file. The command-line
// program, which starts afresh for every command, uses it before the
// set-up so the node list holds what an earlier prescan would have found.
// False, with `unreadable` set to its path, when the wire list or the macro
// file could not be read to its end (missing files give no ports).
bool RecallTopModule(const ToolDesign& d, ToolchainState& toolchain, std::string& unreadable);

// The tags and the top module's ports found in one macro file.
struct MacroScan {
  int highest_level = 0;  // 0: no tag
  bool header_found = false;
  std::vector<std::string> ports;  // valid when header_found
};

// Scans an open macro file for "$blocklevel" tags and the header of
// `top_module` (letter case ignored); the scan ends after that header.
MacroScan ScanMacroFile(File& mac, const std::string& top_module);

}  // namespace kalvor
