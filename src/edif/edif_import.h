// EDIF import: an EDIF netlist becomes the design's macro file and wire
// list.
#pragma once

#include "core/outcome.h"
#include "core/run_context.h"
#include "edif/edif_session.h"

namespace kalvor {

class EdifLookups;

// The answer to the VCC question and the fanout settings come from and go
// to `session`.
Outcome RunEdifImport(const RunContext& run, EdifSession& session, const EdifJob& job);
// The same with the given search implementation.
Outcome RunEdifImport(const RunContext& run, EdifSession& session, const EdifJob& job,
                      EdifLookups& lookups);

}  // namespace kalvor
