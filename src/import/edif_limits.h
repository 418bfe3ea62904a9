// Table capacities of the EDIF import. The defaults are the classic sizes;
// users with larger flat netlists raise them through [RDMX] keys.
#pragma once

namespace kalvor {

class Profile;

namespace key {
constexpr const char* kEdifCells = "edif_cells";
constexpr const char* kEdifInstances = "edif_instances";
constexpr const char* kEdifNets = "edif_nets";
constexpr const char* kEdifBaseMacros = "edif_base_macros";
constexpr const char* kEdifInverters = "edif_inverters";
}  // namespace key

struct EdifLimits {
  long cells = 10000;      // cells per file
  long instances = 30000;  // instances per cell
  long nets = 50000;       // nets per cell
  long base_macros = 1000;
  long inverters = 20;     // macros with "$extinv" lines
};

// The capacities from the profile; missing or non-positive values give the
// defaults.
EdifLimits LoadEdifLimits(Profile& profile);

}  // namespace kalvor
