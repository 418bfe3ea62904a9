// Inverters in front of the inputs that the base macro file's "$extinv"
// lines name: rewrites the instance and net tables of the cell just read.
#pragma once

#include "edif/edif_run.h"

namespace kalvor {

// False when the conversion must stop (a table is full).
bool InsertInverters(EdifRun& run);

}  // namespace kalvor
