// What every feature runs with: the seams, the collection of the command's
// repeated warnings and the progress window. The session owns the two; the
// command layer begins and finishes the warnings around every command.
#pragma once

#include "core/dialogs.h"
#include "core/warnings.h"
#include "platform/platform.h"

namespace kalvor {

struct RunContext {
  Platform& platform;
  RepeatedWarnings& warnings;
  Progress& progress;
};

}  // namespace kalvor
