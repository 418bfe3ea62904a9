// EDIF import: the EDIF file test directory + test ID + selected extension
// becomes the design's macro file and wire list.
#pragma once

#include "core/state.h"
#include "edif/edif_session.h"

namespace kalvor {

class EdifLookups;

// The answer to the VCC question and the fanout settings come from and go
// to `session`.
Outcome RunEdifImport(App& app, EdifSession& session);
// The same with the given search implementation.
Outcome RunEdifImport(App& app, EdifSession& session, EdifLookups& lookups);

}  // namespace kalvor
