// The structural Verilog reader: a gate-level netlist (.v, .vg, .vm) read
// through once for its modules' declarations and once more to bind their
// instances (every error found before anything is written), then each
// module read again for its cell, which is handed to the import in the
// same netlist the EDIF reader fills.
//
// Read: modules with ANSI or non-ANSI port lists; input/output/inout and
// wire-like declarations with ranges; instances with named or positional
// connections; bit and part selects, concatenations, replications and
// constants; assign between nets; a bit inverted (~x, !x), which becomes
// an instance NOT_k of the inverter cell EXTINV (ports A and O) whose
// output stands in for it; escaped identifiers; parameters,
// attributes and compiler directives are passed over. Behavioural code
// (always, initial, operators ...) stops the reading with the line.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "import/netlist_reader.h"

namespace kalvor {

// Whether `path` names a Verilog netlist (.v, .vg, .vm in any letter case).
bool IsVerilogPath(std::string_view path);

class File;
struct VerilogModules;

class VerilogNetlist {
 public:
  VerilogNetlist();
  ~VerilogNetlist();
  VerilogNetlist(const VerilogNetlist&) = delete;
  VerilogNetlist& operator=(const VerilogNetlist&) = delete;

  // Reads the netlist's modules; `in` stays open for FillCell. False when
  // it holds something this reader does not take; error() then says what
  // and error_line() where.
  bool Parse(File& in);
  const std::string& error() const { return error_; }
  long error_line() const { return error_line_; }

  // The cells in the order they are handed on: modules instantiated but not
  // defined (leaf cells, ports in the order of their use) first, then the
  // defined modules, each after the modules it instantiates.
  std::size_t CellCount() const { return order_.size(); }
  // Whether a port or net of some module is named "VCC" (any letter case).
  bool NamesVcc() const;
  // The module no other module instantiates (the last such in the file),
  // or "-none-".
  std::string Top() const;

  // Fills the netlist's body with cell number `k` (its module read again)
  // and adds the cell. False when the reading must stop (the diagnostics
  // say why).
  bool FillCell(std::size_t k, const ReadOptions& options, Netlist& netlist);
  // Notes (once) the ports found tied to a constant, if any.
  void NoteTiedPorts(Netlist& netlist) const;
  // After a capacity stop of FillCell: the settings key and the number the
  // file needs (key empty otherwise).
  const std::string& short_key() const { return short_key_; }
  long short_needed() const { return short_needed_; }

 private:
  File* in_ = nullptr;
  std::unique_ptr<VerilogModules> modules_;
  std::vector<std::size_t> order_;
  std::string error_;
  long error_line_ = 0;
  std::string short_key_;
  long short_needed_ = 0;
  // Modules with behavioural code taken as leaf cells, and those nothing
  // instantiates (left out), each name after a blank; told once.
  std::string black_boxes_;
  std::string unused_black_boxes_;
  // Ports tied to a constant, which a macro file cannot show; told once.
  long tied_ports_ = 0;
  std::string first_tied_;
  // A warning per cell given a macro name of its own; told with the first cell.
  std::vector<std::string> clashes_;
  void NameCellsApart();
};

// The parsed netlist handed on a cell at a time.
class VerilogReader : public NetlistReader {
 public:
  VerilogReader(VerilogNetlist& parsed, const ReadOptions& options, Netlist& netlist);
  ReadStep Next() override;

 private:
  VerilogNetlist& parsed_;
  const ReadOptions& options_;
  Netlist& netlist_;
  std::size_t next_ = 0;
  bool done_ = false;
};

}  // namespace kalvor
