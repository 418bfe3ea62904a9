// Placeholders until the converters are built.
#include "app/main_window.h"
#include "convert/converters.h"

namespace kalvor {

Outcome RunMacToVhdl(App& app) { return NotAvailable(app, ".mac to VHDL"); }
Outcome RunSimSwitch(App& app) { return NotAvailable(app, "VHDL SIM switches"); }
Outcome RunVhdOut(App& app) { return NotAvailable(app, "VHDL output conversion"); }
Outcome RunSpiceCleanup(App& app) { return NotAvailable(app, "SPICE clean-up"); }

}  // namespace kalvor
