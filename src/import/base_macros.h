// The base macro file: its headers name the cells the import does not write
// (the base file defines them) and fix their port order; its directives
// rename cells, set the fanout buffering and the rule that tells outputs,
// and put inverters in front of chosen inputs. Reading it and every effect
// of it on a netlist; nothing here asks or shows anything.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "import/edif_limits.h"
#include "import/edif_session.h"
#include "netlist/netlist.h"

namespace kalvor {

struct BaseMacro {
  std::string name;
  std::string ports;  // "A B Y": the header after the name
  bool reorder = false;
  long line = 0;  // of the base file, where the ports were given
};

struct BaseMacros {
  std::string path;  // of the base file
  std::vector<BaseMacro> macros;
  NamePositions macro_index;                                 // by name, ignoring letter case
  std::unordered_map<std::string, std::string> renames;  // "$rename": old name to the value
  // "$extinv": macro, then the replacement cell and the ports to invert.
  std::vector<std::pair<std::string, std::vector<std::string>>> inverters;

  // The first base macro named `name` ignoring letter case, or nullptr.
  const BaseMacro* Find(std::string_view name) const;
};

// The stop of a full table whose capacity is fixed by the import.
Diagnostic TableOverflow(long capacity);

// Reads the base macro file at `path` into `base` and `settings`; what is
// wrong with it goes to `diagnostics`. False when the import must stop (a
// file that cannot be read to its end among the reasons; a missing one is
// no base file).
bool LoadBaseMacroFile(const std::string& path, const EdifLimits& limits, BaseMacros& base,
                       FanoutSettings& settings, std::vector<Diagnostic>& diagnostics);

// The name to write for cell `name`, used by instance `instance` (nullptr:
// no instance).
std::string RenameCell(const BaseMacros& base, const std::string& name,
                       const std::string_view* instance);

// Whether the port name marks an output.
bool IsOutput(const FanoutSettings& settings, std::string_view port);

// Whether the cell (after renaming) is defined by the base macro file.
bool IsBottomCell(const BaseMacros& base, const std::string& cell);

// The header ports of a cell, each preceded by one blank.
std::string HeaderPorts(const Cell& cell);

struct PortOrder {
  // Views into the base macro file's tables or the cell's port names, valid
  // while neither changes.
  std::vector<std::string_view> ports;
  bool reorder = false;  // taken from "$reorder" unchecked
};
// The ports to bind an instance of `cell` to; nullopt after the port list
// error (noted in `diagnostics`: the import stops).
std::optional<PortOrder> FindPortOrder(const BaseMacros& base, const Netlist& netlist,
                                       const std::string& cell,
                                       std::vector<Diagnostic>& diagnostics);

// The words of a blank-separated list (any length).
std::vector<std::string_view> SplitWords(std::string_view text);

}  // namespace kalvor
