// Placeholders until setup, extraction and 'A'-cell conversion are built.
#include "app/main_window.h"
#include "toolchain/toolchain.h"

namespace kalvor {

Outcome RunSetup(App& app) { return NotAvailable(app, "The .sim/.vec setup"); }
Outcome RunExtract(App& app) { return NotAvailable(app, "GateSim output extraction"); }
Outcome ConvertACells(App& app) { return NotAvailable(app, "'A'-cell conversion"); }

}  // namespace kalvor
