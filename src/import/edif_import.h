// EDIF import: an EDIF netlist becomes the design's macro file and wire
// list.
#pragma once

#include "core/outcome.h"
#include "core/run_context.h"
#include "import/edif_session.h"

namespace kalvor {

// The answer to the VCC question and the fanout settings come from and go
// to `session`.
Outcome RunEdifImport(const RunContext& run, EdifSession& session, const EdifJob& job);

}  // namespace kalvor
