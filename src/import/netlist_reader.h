// What the EDIF and Verilog readers share: they fill a Netlist one cell at a
// time and say what they found as diagnostics; they never ask or show
// anything. Choices are made by the import before reading and passed in.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "import/edif_limits.h"
#include "netlist/cell_uses.h"
#include "netlist/netlist.h"

namespace kalvor {

// The endings of the netlist files the import reads, in the order a
// design's files are looked for; from kFirstVerilogExtension on they are
// structural Verilog.
inline constexpr std::string_view kNetlistExtensions[] = {".edf", ".edn", ".edo", ".v",
                                                          ".vg",  ".vm",  ".vo",  ".vqm"};
constexpr std::size_t kFirstVerilogExtension = 3;

struct ReadOptions {
  EdifLimits limits;
  // The user's answer to the supply question: names "VCC" (any letter
  // case) become "VDD".
  bool vcc_to_vdd = false;
  // Called as the reading goes on; false gives the reading up (the user
  // cancelled).
  std::function<bool()> keep_going;
  // What the whole file makes of its cells' ports (read beforehand), or
  // nullptr: supply-named ports that some instance puts on another net are
  // normal pins.
  const CellUses* uses = nullptr;
};

enum class ReadStep {
  kCell,    // a cell was read: its ports are the last of netlist.cells, its contents netlist.body
  kEnd,     // the netlist is read
  kFailed,  // the reading stopped; the diagnostics say why (none: given up)
};

class NetlistReader {
 public:
  virtual ~NetlistReader() = default;
  virtual ReadStep Next() = 0;

  // After a capacity stop: the settings key to raise and the number the
  // file needs (key empty otherwise).
  std::string short_key;
  long short_needed = 0;
};

// One net on two ports of its cell, which a macro header cannot show: the
// per-item warning both readers give, naming the cell.
void NoteWiredTogether(Netlist& netlist, const std::string& cell, const std::string& net,
                       const std::string& port, long line = 0);

// Whether EDIF text names a port or a net "VCC" (any letter case), which
// makes the import ask whether such names become "VDD" before reading.
bool MentionsVcc(std::string_view text);

// What in EDIF text may need the cell uses read beforehand (CellUses):
// kUsesNeeded, an "external" library (cells it may reference without
// defining) or a port named like a supply; kVccPort, a port named "VCC"
// (which needs them when VCC becomes VDD). Either, both or 0.
enum CellUsesHint : unsigned { kUsesNeeded = 1, kVccPort = 2 };
unsigned CellUsesHints(std::string_view text);

}  // namespace kalvor
