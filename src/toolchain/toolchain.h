// The tool-chain driver's entry points: each works on the current design in
// `app` and returns how it ended.
#pragma once

#include "core/state.h"
#include "toolchain/toolchain_state.h"

namespace kalvor {

// How Run launches an outside program.
struct LaunchChoice {
  // NetTran's output goes to test ID + ".out" through a batch file.
  bool nettran_to_disk = false;
  // The netlist that the post-processing rewrites: ".NET" or ".TPR".
  const char* netlist_ext = ".TPR";
};

// Run with an outside program in the program field and its arguments in
// the option line.
Outcome RunOutsideProgram(App& app, const ToolchainState& toolchain, const LaunchChoice& choice);
// Button 212 "setup": the node list dialog and the .VEC/.SIM files.
Outcome RunSetup(App& app, const ToolchainState& toolchain);
// Button 215 "extract".
Outcome RunExtract(App& app);
// Run with "convert A cells to normal".
Outcome ConvertACells(App& app);

}  // namespace kalvor
