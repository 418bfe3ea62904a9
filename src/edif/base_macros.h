// The base macro file: reading it, and every effect of its headers and
// directives on the import.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "edif/edif_run.h"

namespace kalvor {

// Asks whether to use a base macro file, lets the user choose it and loads
// it. False when the conversion must stop (the user has been told).
bool ChooseBaseMacroFile(EdifRun& run);

// Reads the base macro file at `path` (already known to open) into the
// tables and settings. False when the conversion must stop.
bool LoadBaseMacroFile(EdifRun& run, const std::string& path);

// The name to write for cell `name`, used by instance `instance` (nullptr:
// no instance).
std::string RenameCell(EdifRun& run, std::string_view name, const std::string* instance);

// Whether the port name marks an output.
bool IsOutput(const FanoutSettings& settings, std::string_view port);

// Whether the cell (after renaming) is defined by the base macro file.
bool IsBottomCell(EdifRun& run, std::string_view cell);

struct PortOrder {
  std::string ports;  // blank-separated
  bool reorder = false;
};
// The ports to bind an instance of `cell` to; nullopt after the port list
// error (the conversion stops).
std::optional<PortOrder> FindPortOrder(EdifRun& run, const std::string& cell);

// The node of a port that no net connects.
std::string UnconnectedPort(EdifRun& run, const std::string& port, const std::string& cell,
                            bool reorder);

// Puts a fanout buffer in front of net `net`: returns the node for the
// instance line and appends the buffer line to `buffers`.
std::string FanoutBuffer(EdifRun& run, long net, const std::string& line_so_far,
                         std::vector<std::string>& buffers);

// The words of a blank-separated list (any length).
std::vector<std::string_view> SplitWords(std::string_view text);

}  // namespace kalvor
