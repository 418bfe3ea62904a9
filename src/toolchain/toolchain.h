// The tool-chain driver's entry points: each takes the seams and the design
// it works on and returns how it ended.
#pragma once

#include <string>

#include "core/outcome.h"
#include "core/run_context.h"
#include "toolchain/toolchain_state.h"

namespace kalvor {

// An outside program as Run launches it.
struct ToolLaunch {
  std::string program;          // the program field: a name on the search path or a path
  std::string options;          // the option line: its arguments
  std::string nettran_program;  // the NetTran the settings name
  // NetTran's output goes to test ID + ".out" through a batch file.
  bool nettran_to_disk = false;
  // The netlist that the post-processing rewrites: ".NET" or ".TPR".
  const char* netlist_ext = ".TPR";

  // Set when the shell was asked to start the program.
  bool started = false;
};

// Run with an outside program: launches it in the test directory and
// post-processes NetTran's netlist. A program that cannot be found is
// located by browsing (see LocateProgram): once the user has chosen it,
// `launch.program` comes back empty so that the function must be selected
// again.
Outcome RunOutsideProgram(const RunContext& run, const ToolDesign& d,
                          const ToolchainState& toolchain, ToolLaunch& launch);
// Button 212 "setup": the node list dialog and the .VEC/.SIM files.
Outcome RunSetup(const RunContext& run, const ToolDesign& d, const ToolchainState& toolchain);
// Button 215 "extract".
Outcome RunExtract(const RunContext& run, const ToolDesign& d);
// Run with "convert A cells to normal".
Outcome ConvertACells(const RunContext& run, const ToolDesign& d);

}  // namespace kalvor
