// The HDL and SPICE converters' entry points, called from Run.
#pragma once

#include "app/state.h"

namespace kalvor {

Outcome RunMacToVhdl(App& app);    // "mac2vhd", with the fanout report
Outcome RunSimSwitch(App& app);    // " SIM" / " NOSIM"
Outcome RunVhdOut(App& app);       // "vhdout"
Outcome RunSpiceCleanup(App& app); // program field "spc_clean"

}  // namespace kalvor
