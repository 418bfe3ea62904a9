// The structural Verilog reader: a gate-level netlist (.v, .vg, .vm) read
// whole, then handed to the import one cell at a time in the same cell,
// instance and net tables the EDIF reader fills.
//
// Read: modules with ANSI or non-ANSI port lists; input/output/inout and
// wire-like declarations with ranges; instances with named or positional
// connections; bit and part selects, concatenations, replications and
// constants; assign between nets; escaped identifiers; parameters,
// attributes and compiler directives are passed over. Behavioural code
// (always, initial, operators ...) stops the reading with the line.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "edif/edif_limits.h"
#include "edif/edif_lookups.h"
#include "edif/edif_session.h"
#include "edif/edif_tables.h"
#include "core/warnings.h"
#include "platform/ui.h"

namespace kalvor {

// Whether `path` names a Verilog netlist (.v, .vg, .vm in any letter case).
bool IsVerilogPath(std::string_view path);

struct VerilogModule;

class VerilogNetlist {
 public:
  VerilogNetlist();
  ~VerilogNetlist();
  VerilogNetlist(const VerilogNetlist&) = delete;
  VerilogNetlist& operator=(const VerilogNetlist&) = delete;

  // Reads the whole netlist. False when it holds something this reader
  // does not take; error() then says what and error_line() where.
  bool Parse(std::string text);
  const std::string& error() const { return error_; }
  long error_line() const { return error_line_; }

  // The cells in the order they are handed on: modules instantiated but not
  // defined (leaf cells, ports in the order of their use) first, then the
  // defined modules, each after the modules it instantiates.
  std::size_t CellCount() const { return order_.size(); }
  // The module no other module instantiates (the last such in the file),
  // or "-none-".
  std::string Top() const;

  // Fills `cell` with cell number `k` and adds its cell table entry. False
  // when the conversion must stop (the user has been told).
  bool FillCell(std::size_t k, UserInterface& ui, RepeatedWarnings& warnings,
                EdifSession& session, const EdifLimits& limits, EdifLookups& lookups,
                CellTable& cells, CellContents& cell);

 private:
  std::string text_;
  std::vector<std::unique_ptr<VerilogModule>> modules_;
  std::vector<std::size_t> order_;
  std::string error_;
  long error_line_ = 0;
};

}  // namespace kalvor
