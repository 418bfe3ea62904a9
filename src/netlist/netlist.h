// The netlist that the readers fill and the macro writer reads. The cells
// met so far stay (their names and ports are what instances bind to); the
// contents of one cell, its instances and nets, are held at a time: a
// reader fills them, the import's passes rewrite them, the writer writes
// them, and the next cell takes their place.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "netlist/name_index.h"

namespace kalvor {

enum class PortDirection : std::uint8_t { kUnknown, kInput, kOutput, kInOut };

struct Port {
  std::uint32_t name_at = 0;    // its name (as the macro header writes it, unique in
  std::uint32_t name_size = 0;  // its cell) is this part of Cell::port_text
  std::int32_t bus = -1;        // a bit of a bus: the bus's number in Cell::buses; -1: a scalar
  std::int32_t member = 0;      // a bit: its member number (0 the leftmost declared)
  PortDirection direction = PortDirection::kUnknown;
  bool supply = false;   // a supply port: global, left out of the header
  bool renamed = false;  // a scalar whose file name is in Cell::original_names

  bool bit() const { return bus >= 0; }
};

// A bus as the file declares it; its bits are ports of the cell.
struct Bus {
  std::string name;        // as the file names it
  std::int32_t left = 0;   // the index of member 0
  bool descending = true;  // member k has index left - k (else left + k)
  std::string source;      // the netlist writer's own name of it, its range cut off
                           // (an EDIF rename's text); empty: `name`
  std::int32_t Index(std::int32_t member) const { return descending ? left - member : left + member; }
};

struct Cell {
  std::string name;
  std::string original;  // the name `name` stands in for (an EDIF rename's text); empty: none
  std::vector<Port> ports;  // in header order
  std::string port_text;    // the ports' names, each after one blank
  std::vector<Bus> buses;
  // Scalar ports whose name the file writes otherwise (made unique, or a
  // supply renamed): the port's number and the file's name.
  std::vector<std::pair<std::int32_t, std::string>> original_names;

  std::string_view PortName(const Port& port) const {
    return std::string_view(port_text).substr(port.name_at, port.name_size);
  }
  std::string_view PortName(std::size_t k) const { return PortName(ports[k]); }
  // The file's name of port `k` (its own name unless renamed; a bit: its bus).
  std::string_view OriginalName(std::size_t k) const;
  // Appends a port named `name`.
  Port& AddPort(std::string_view name, Port port = {});
};

// A connection of a net: port `port` (an index into Body::port_names) of
// instance `instance`, or of the cell itself.
struct Pin {
  static constexpr std::int32_t kOwn = -1;      // a port of the cell itself
  static constexpr std::int32_t kUnknown = -2;  // an instance the cell does not declare
  std::int32_t instance = kOwn;
  std::int32_t port = 0;
};

struct Net {
  std::uint32_t name_at = 0;  // its name is this part of Body::text
  std::uint32_t name_size = 0;
  std::uint32_t first = 0;    // its pins, in the order the file lists them,
  std::uint32_t count = 0;    // are Body::pins[first, first + count)
  std::int32_t fanout = 0;    // the connections the file lists for it
};

struct Instance {
  std::uint32_t name_at = 0;  // its name is this part of Body::text
  std::uint32_t name_size = 0;
  std::int32_t cell = 0;      // the referenced cell as the file names it: Body::cell_names[cell]
};

// The contents of the cell being converted.
struct Body {
  std::string cell;  // its name
  std::vector<Instance> instances;
  std::vector<Net> nets;
  std::vector<Pin> pins;                // of all nets, each net's together
  std::string text;                     // the names of the instances and nets
  std::vector<std::string> cell_names;  // the cells instances reference, each once
  // Instance names as the file writes them, where they differ from the
  // name the macro file can take (few: kept apart).
  std::vector<std::pair<std::int32_t, std::string>> original_names;
  std::vector<std::string> port_names;  // the port names pins refer to, each once
  UsedNames names;                        // header ports and nodes in use
  bool distinct_instances = false;        // no two instances share a name (the reader knows)
  unsigned generation = 0;                // changes whenever the body is emptied

  void Clear();
  std::string_view Name(const Instance& i) const { return std::string_view(text).substr(i.name_at, i.name_size); }
  std::string_view Name(const Net& n) const { return std::string_view(text).substr(n.name_at, n.name_size); }
  const std::string& CellOf(const Instance& i) const { return cell_names[static_cast<std::size_t>(i.cell)]; }
  std::span<Pin> Pins(const Net& n) { return std::span<Pin>(pins).subspan(n.first, n.count); }
  std::span<const Pin> Pins(const Net& n) const { return std::span<const Pin>(pins).subspan(n.first, n.count); }
  // Appends an instance of cell `cell` (a number in cell_names) or a net,
  // with no pins; returns its number.
  std::int32_t AddInstance(std::string_view name, std::int32_t cell);
  std::int32_t AddNet(std::string_view name);
  void Rename(Net& net, std::string_view name);
  // Appends `pin` to net `n` (its pins move to the end of `pins` unless there).
  void AddPin(std::size_t n, Pin pin);
  // Removes the `k`th pin of net `n`.
  void RemovePin(std::size_t n, std::size_t k);
  // The number of `name` in cell_names, added if new.
  std::int32_t CellName(std::string_view name);
  // The number of `name` in port_names, added if new.
  std::int32_t PortName(std::string_view name);
  // The number of `name`, or -1 if no pin names it.
  std::int32_t FindPortName(std::string_view name) const;
  // The text of a pin as a node list spells it: "INSTANCE<PORT" or "PORT".
  std::string PinText(const Pin& pin) const;

 private:
  NamePositions port_index_;
  NamePositions cell_index_;
};

struct Diagnostic {
  enum class Severity { kNote, kWarning, kError };
  Severity severity = Severity::kWarning;
  // Warnings that repeat per item share a kind ("wired together"); the
  // first few of each kind are shown, the rest counted. Empty: shown each
  // time.
  std::string kind;
  long line = 0;  // of the netlist file; 0: none
  std::string text;
  std::string caption;
};

struct Netlist {
  std::vector<Cell> cells;  // every cell read so far, in file order
  Body body;                // the contents of the last cell read
  bool has_design = false;  // the file names its design
  std::string top;          // the design's top cell, if the file names one
  std::vector<Diagnostic> diagnostics;  // not yet shown

  void Clear();
  // The first cell named `name` ignoring letter case, or -1.
  std::int32_t FindCell(std::string_view name) const;
  // Adds a cell (the first of a name wins lookups).
  Cell& AddCell(Cell cell);
  void Note(Diagnostic::Severity severity, std::string kind, std::string text,
            std::string caption, long line = 0) {
    diagnostics.push_back({severity, std::move(kind), line, std::move(text), std::move(caption)});
  }

 private:
  NamePositions cell_index_;
};

// The supply node names: exactly these six forms, each between blanks.
constexpr const char* kSupplyList = " vdd gnd Vdd Gnd VDD GND ";
bool IsSupplyName(std::string_view name);

}  // namespace kalvor
