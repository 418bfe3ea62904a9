// The SIM / NOSIM switch: "--ifdef" regions of VHDL sources are switched to
// the variant named by the option line.
#pragma once

#include <string>
#include <string_view>

#include "core/outcome.h"
#include "core/run_context.h"
#include "text/file.h"

namespace kalvor {

// Where a line stands: outside any region (lines untouched), in the selected
// branch (uncommented) or in the other branch (commented out).
enum class SwitchRegion { kOutside = 0, kSelected = 1, kOther = -1 };

// Follows the marker lines and switches one line in place. `keyword` is the
// whole option line (" SIM", " NOSIM"), looked for after "--ifdef".
// Tabs are kept: a tab counts as the blank that marks an active line.
void SwitchLine(std::string& line, std::string_view keyword,
                SwitchRegion& region);

// Copies `in` to `out` switching every line; false when a write failed.
// `*unclosed` (when given) is the line of an "--ifdef" whose region the file
// never ends, else 0.
bool SwitchStream(File& in, File& out, std::string_view keyword, long* unclosed = nullptr);

// " SIM" / " NOSIM": switches every .vhd file of the current directory
// `dir` (the test directory) that switching changes, after one question for
// all of them.
Outcome RunSimSwitch(const RunContext& run, const std::string& keyword, const std::string& dir);

}  // namespace kalvor
