// The state of one EDIF import, shared by the reader, the base macro
// effects and the macro writer.
#pragma once

#include <string>
#include <vector>

#include "core/run_context.h"
#include "edif/edif_session.h"
#include "edif/base_macro_table.h"
#include "edif/edif_limits.h"
#include "edif/edif_lookups.h"
#include "edif/edif_tables.h"
#include "mac/macfile.h"
#include "text/strings.h"

namespace kalvor {

struct EdifRun {
  EdifRun(const RunContext& c, EdifSession& s, EdifLookups& l, const EdifJob& j)
      : platform(c.platform), warnings(c.warnings), session(s), lookups(l), job(j) {}

  Platform& platform;
  RepeatedWarnings& warnings;  // of the command
  EdifSession& session;  // settings that outlive the run
  EdifLookups& lookups;
  const EdifJob& job;
  EdifLimits limits;
  CellTable cells;
  CellContents cell;  // the cell just read
  BaseMacroTable base;
  std::string base_path;  // the base macro file of this run, if any

  // Per conversion.
  long unconnected = 0;        // unconnected ports so far
  long ncx_number = 0;         // the number of the last NCX node
  long no_body = 0;            // macros written without any port on an instance line
  std::string replaced_note;   // " CELL" per bottom cell that had instances
  std::string top = "-none-";
  long fanout_buffers = 0;
  std::string warned_ports = kSupplyList;

  // Per cell: inserted inverters, " DRIVER=EXTINV_n " each.
  std::string inverter_map;
  long inverter_count = 0;

  // A failure that stops the conversion was reported.
  bool failed = false;

  FanoutSettings& fanout() { return session.fanout; }
  // Shows the message and marks the conversion as stopped.
  bool Stop(const std::string& text, const std::string& caption, int type) {
    platform.ui.Notify(text, caption, type);
    failed = true;
    return false;
  }
  // The fatal message of a full table.
  bool Overflow(long capacity) {
    return Stop(Format("Table %ld overflow!", capacity), "Fatal Error", box::kOk | box::kIconError);
  }
};

}  // namespace kalvor
