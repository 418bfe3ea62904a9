// EDIF import: the EDIF file test directory + test ID + selected extension
// becomes the design's macro file and wire list.
#pragma once

#include "app/state.h"

namespace kalvor {

class EdifLookups;

Outcome RunEdifImport(App& app);
// The same with the given search implementation.
Outcome RunEdifImport(App& app, EdifLookups& lookups);

}  // namespace kalvor
