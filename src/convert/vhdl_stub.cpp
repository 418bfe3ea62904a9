// Placeholder until .mac to VHDL is built.
#include "app/main_window.h"
#include "convert/converters.h"

namespace kalvor {

Outcome RunMacToVhdl(App& app) { return NotAvailable(app, ".mac to VHDL"); }

}  // namespace kalvor
