// EDIF import: the EDIF file test directory + test ID + selected extension
// becomes the design's macro file and wire list.
#pragma once

#include "app/state.h"

namespace kalvor {

Outcome RunEdifImport(App& app);

}  // namespace kalvor
