// Writes one EDIF cell as a macro of the macro file: the header, one
// instance line per instance with its nodes in port order, the fanout
// buffer lines, the end line.
#pragma once

#include "edif/edif_run.h"
#include "text/file.h"

namespace kalvor {

// Called after every instance line (progress).
using InstanceStep = void (*)(void* context);

// False when the conversion must stop (the user has been told; after a
// line too long to wrap the output file is closed).
bool WriteMacro(EdifRun& run, File& out, InstanceStep step, void* step_context);

}  // namespace kalvor
