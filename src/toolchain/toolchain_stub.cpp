// Placeholder entry points until the tool-chain driver is built.
#include "app/main_window.h"
#include "toolchain/toolchain.h"

namespace kalvor {

void SelectToolFunction(App& app, int id) {
  CheckRadio(app, id);
  NotAvailable(app, "Running NetTran, GateSim and LVS");
}

Outcome RunOutsideProgram(App& app) {
  return NotAvailable(app, "Running outside programs");
}

Outcome RunSetup(App& app) { return NotAvailable(app, "The .sim/.vec setup"); }

Outcome RunExtract(App& app) { return NotAvailable(app, "GateSim output extraction"); }

Outcome ConvertACells(App& app) { return NotAvailable(app, "'A'-cell conversion"); }

}  // namespace kalvor
