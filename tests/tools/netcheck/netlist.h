// The netlist model of the connectivity checker: cells with their bit-level
// ports in order, their instances and their nets, each net a set of pins.
// Front readers (EDIF, macro files, other netlist formats) fill it; the
// comparison only looks at this model. It shares no code with the import.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace netcheck {

// The six supply node names of the macro format; ports so named are left out
// of macro headers and their nodes are global.
bool IsSupplyName(const std::string& name);

struct Port {
  std::string name;     // for messages, e.g. "D[3]" or "A"
  bool supply = false;  // a global supply port, left out of macro headers
};

// A pin: port `port` of instance `instance`, or of the cell itself when
// `instance` is -1.
struct Pin {
  int instance = -1;
  int port = 0;
};

struct Instance {
  std::string name;
  std::string cell_name;  // as written
  int cell = -1;          // index in Netlist::cells, -1 when unknown
};

struct Net {
  std::string name;
  std::vector<Pin> pins;
};

struct Cell {
  std::string name;
  std::string library;
  std::vector<Port> ports;  // bit-level, in macro header order
  std::vector<Instance> instances;
  std::vector<Net> nets;
};

struct Netlist {
  std::vector<Cell> cells;  // in file order
  std::string top;
  std::vector<std::string> problems;  // what the reader could not take in
  std::vector<std::string> notes;     // what it took in all the same
};

// Port lists of a base macro file: macro name (lower case) to port names.
using BaseMacros = std::map<std::string, std::vector<std::string>>;

std::string Lower(std::string s);
// The blank-separated words of `line`.
std::vector<std::string> Words(const std::string& line);

// A port named like a supply is global (left out of the header) only where
// every instance pin of it is on the node of that very supply; elsewhere it
// is a normal pin. Clears `supply` of the ports that are pins somewhere.
void SettleSupplyPorts(Netlist& netlist);

// What the import's supply question does when answered yes: scalar ports
// and nets named "VCC" (any letter case) become "VDD", a supply.
void RenameVccToVdd(Netlist& netlist);

}  // namespace netcheck
