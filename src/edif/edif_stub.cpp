// Placeholder until the EDIF import is built.
#include "app/main_window.h"
#include "edif/edif_import.h"

namespace kalvor {

Outcome RunEdifImport(App& app) { return NotAvailable(app, "EDIF import"); }

}  // namespace kalvor
