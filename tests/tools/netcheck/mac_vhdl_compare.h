// Compares a macro file with the VHDL converted from it: every macro has its
// entity, every instance (but those of ignored macros) its instance of the
// same cell under a label made from its name, in the same order, every pin
// its actual, and two pins share a VHDL net exactly when they share a node
// of the macro file. Names are matched by the format's documented rules,
// written here again: nothing is shared with the converter.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "vhdl_netlist.h"

namespace netcheck {

// A macro of the macro file as the comparison needs it.
struct MacMacro {
  std::string name;
  std::vector<std::string> words;  // header ports as written
  std::vector<std::string> vectors;  // "$vector" bases, lowercased
  // "$bus NAME[LEFT:RIGHT] PORT...": the buses with their ranges, and each
  // port of a bit its bus and index.
  struct Bus {
    std::string name;
    long left = 0, right = 0;
    long bits = 0;  // listed so far
  };
  std::vector<Bus> buses;
  std::map<std::string, std::pair<std::size_t, long>> bus_bits;
  // "$wired NODE PORT...": PORT to NODE, unless both are inputs (each is
  // then driven from outside, and the VHDL keeps them apart).
  std::map<std::string, std::string> wired;
  std::vector<std::string> inputs;  // "$input"
  std::string original;  // "$original NAME": standard VHDL's name of the macro
  struct Inst {
    std::string name, cell;
    std::vector<std::string> nodes;
  };
  std::vector<Inst> instances;
};
std::vector<MacMacro> ParseMacMacros(const std::string& text);

struct MacVhdlOptions {
  std::vector<std::string> ignore{"NC", "PORTPADA"};  // macros left out
  bool no_supply = false;  // supply nodes have no port or signal
  // Standard VHDL: "$bus" lines make vectors, "$original" names the macro
  // (the long-standing format takes both as comments).
  bool standard = false;
};

struct MacVhdlFigures {
  long macros = 0;
  long mac_instances = 0, vhdl_instances = 0, ignored_instances = 0;
  long mac_nets = 0, vhdl_nets = 0;
  long pins = 0;
  long leaf_cells = 0;  // macros without instances declared as components only
};

struct MacVhdlResult {
  std::vector<std::string> differences;
  std::vector<std::string> notes;
  MacVhdlFigures figures;
};

MacVhdlResult CompareMacVhdl(const std::vector<MacMacro>& mac, const VhdlDesign& vhdl,
                             const MacVhdlOptions& options);

}  // namespace netcheck
