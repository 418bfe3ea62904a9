// Placeholders until running NetTran, GateSim and LVS is built.
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

}  // namespace kalvor
