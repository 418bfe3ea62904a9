// VHDL simulator trace tables ("Signals=" heading) to tab-separated waveform
// files (.out) in volts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs.h"
#include "core/outcome.h"
#include "core/run_context.h"
#include "vhdl/trace_vcd.h"

namespace kalvor {

// The scale of the conversion as the "vhdout" dialog edits it.
constexpr OptionSetting kVhdoutOptions{"vhdout", "supply=3.3;counts/volt=1241;limit=y;"};

// The parameters of the conversion, taken from the "vhdout" option string.
struct TraceScale {
  std::string supply_text;  // written for a logic 1
  float supply = 0.0f;
  float counts_per_volt = 0.0f;
  bool limit = false;
};

// Derives the parameters from an option string such as
// "supply=3.3;counts/volt=1241;limit=y;". Returns an empty text when they
// can be used, otherwise the complaint to show (a divisor of 0 or a supply
// that is not a number would write inf or nan into the waveform file).
std::string ReadTraceScale(const std::string& options, TraceScale& scale);

// The heading line without "Signals=" and with the first level of every
// hierarchical name removed: "Signals=time top.clk top.q" -> "time clk q".
std::string TraceHeading(std::string_view line);

// The settings key of the waveform viewer, and its default on each host.
// A viewer named winwed32 is opened on the .out, any other on the VCD.
constexpr const char* kWaveViewerKey = "WAVEVIEWER";
const char* DefaultWaveViewer(PathStyle style);

// What makes a line of the table unreadable, or an empty text. `row` counts
// the lines after the heading from 0: rows 0 to 2 are the three lines the
// table has between its heading and its values (a line of values there would
// be lost), later rows are time steps (a time followed by its unit, as in
// "5000000 fs", would shift every value one column).
std::string TraceLineProblem(std::string_view line, int row);

// One time step of the table: the time, then one tab-separated value in
// volts per signal.
std::string TraceRow(std::string_view line, const TraceScale& scale);

// "vhdout": asks for a trace table, converts it to .out and .vcd beside it
// with the "vhdout" parameters and opens the viewer in `dir` (the test
// directory).
Outcome RunVhdOut(const RunContext& run, const std::string& dir);

}  // namespace kalvor
