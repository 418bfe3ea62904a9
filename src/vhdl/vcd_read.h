// A value change dump (as GHDL writes it with --vcd) read as a trace: the
// table of the .out, one row per time stamp with every signal's value in
// volts, so that a simulation's own dump comes back to the suite's viewer.
#pragma once

#include <string>

#include "text/file.h"
#include "vhdl/vhd_out.h"

namespace kalvor {

// Reads the dump from `in` and writes the lines of the .out to `out` as it
// goes, holding only what a row needs (whatever the dump's line lengths):
// the heading ("time" and the
// signals' names, the first scope left out as in a trace table's heading),
// then per time stamp the time in ns and the values after its changes. A
// one-bit value 0 or L is "0.0", any other literal the supply text; a
// vector is read as an unsigned count (unknown bits as 0) and converted
// like a count of a trace table; a real is written as it is. Returns an
// empty text, or what is wrong, naming the line (`out` is then incomplete).
std::string ReadVcdTrace(File& in, const TraceScale& scale, File& out);

}  // namespace kalvor
