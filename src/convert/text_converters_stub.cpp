// Placeholders until the switch, trace and SPICE converters are built.
#include "app/main_window.h"
#include "convert/converters.h"

namespace kalvor {

Outcome RunSimSwitch(App& app) { return NotAvailable(app, "VHDL SIM switches"); }
Outcome RunVhdOut(App& app) { return NotAvailable(app, "VHDL output conversion"); }
Outcome RunSpiceCleanup(App& app) { return NotAvailable(app, "SPICE clean-up"); }

}  // namespace kalvor
