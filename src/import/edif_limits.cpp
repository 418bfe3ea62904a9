#include "import/edif_limits.h"

#include "platform/profile.h"

namespace kalvor {

namespace {
long Capacity(Profile& profile, const char* key, long def) {
  long v = profile.GetInt(key, def);
  return v > 0 ? v : def;
}
}  // namespace

EdifLimits LoadEdifLimits(Profile& profile) {
  EdifLimits d;
  EdifLimits l;
  l.cells = Capacity(profile, key::kEdifCells, d.cells);
  l.instances = Capacity(profile, key::kEdifInstances, d.instances);
  l.nets = Capacity(profile, key::kEdifNets, d.nets);
  l.base_macros = Capacity(profile, key::kEdifBaseMacros, d.base_macros);
  l.inverters = Capacity(profile, key::kEdifInverters, d.inverters);
  return l;
}

}  // namespace kalvor
