// Everything one run of the program holds: the current design and the main
// dialog's state (the core's App), and the state of each feature that
// outlives a command.
#pragma once

#include <string>

#include "core/state.h"
#include "import/edif_session.h"
#include "toolchain/toolchain_state.h"
#include "vhdl/fanout.h"

namespace kalvor {

struct Session : App {
  explicit Session(Platform p) : App(p) {}

  ToolchainState toolchain;  // top module and its ports (prescan)
  EdifSession edif;          // EDIF import settings that live for the run
  FanoutTables fanout;       // sizes from NETS and kNETS at start; allocated when first used
};

// The current design as the tool chain takes it.
ToolDesign ToolDesignOf(const App& app);

// The current design's EDIF import: the netlist test directory + test ID +
// selected extension becomes test ID + ".mac" and ".wir".
EdifJob EdifJobOf(const App& app);

// Start-up with the text after the program name (see StartUp), and the
// fanout tables allocated from the settings.
void StartSession(Session& session, const std::string& command_line);

}  // namespace kalvor
