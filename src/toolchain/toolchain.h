// The tool-chain driver's entry points, called from the main dialog.
#pragma once

#include "app/state.h"

namespace kalvor {

// Radio buttons 104..108 and 117: arm NetTran, GateSim or LVS.
void SelectToolFunction(App& app, int id);
// Run with an outside program in the program field.
Outcome RunOutsideProgram(App& app);
// Button 212 "setup" (after the test ID check): the node list dialog and
// the .VEC/.SIM files.
Outcome RunSetup(App& app);
// Button 215 "extract" (after the test ID check).
Outcome RunExtract(App& app);
// Run with "convert A cells to normal".
Outcome ConvertACells(App& app);

}  // namespace kalvor
