// The tables the EDIF reader fills and the import writes from: the cells of
// the file with their port lists, and the instances and nets of the cell
// just read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "edif/flat_index.h"

namespace kalvor {

// A port of a cell as the EDIF file declares it, with the name its bit (a
// scalar port) or bits (a bus) have in the macro header.
struct PortName {
  std::string id;                 // the EDIF identifier
  std::vector<std::string> bits;  // member k of a bus is bits[k]; a scalar port has one
  bool array = false;
};

struct CellEntry {
  std::string name;
  std::string ports;  // each port preceded by one blank
  std::vector<PortName> port_names;  // in declaration order
};

// The names used in one cell (header ports, nodes), compared ignoring
// letter case: a name already in use gets "_2", "_3", ... (the smallest
// number that makes it unused).
class CellNames {
 public:
  void Clear() { used_.Clear(); }
  bool Used(std::string_view name) {
    Lower(name);
    return used_.Find(key_) >= 0;
  }
  // `name`, or the first unused "name_N"; the result is marked used.
  std::string Unique(std::string_view name) {
    if (Claim(name)) return std::string(name);
    std::string candidate;
    for (long n = 2;; ++n) {
      candidate.assign(name);
      candidate += '_';
      candidate += std::to_string(n);
      if (Claim(candidate)) return candidate;
    }
  }
  void Use(std::string_view name) { Claim(name); }

 private:
  // Marks `name` used; false if it was already.
  bool Claim(std::string_view name) {
    Lower(name);
    if (used_.Find(key_) >= 0) return false;
    used_.Add(key_, 0);
    return true;
  }
  void Lower(std::string_view name) {
    key_.assign(name);
    for (char& c : key_) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
  }
  FlatIndex used_;
  std::string key_;
};

struct CellTable {
  std::vector<CellEntry> entries;
  unsigned generation = 0;  // changes whenever the table is emptied
  void Clear() {
    entries.clear();
    ++generation;
  }
};

struct Instance {
  std::string name;
  std::string cell;  // the referenced cell as the EDIF file names it
};

struct Net {
  std::string name;
  std::string nodes;  // " U1<A U2<Y OUT ": instance<port or own port, each followed by a blank
  long fanout = 0;    // number of portRef lists
};

// The cell just read.
struct CellContents {
  std::string name;
  std::string header;  // ".macro NAME P1 P2 ..."
  std::vector<Instance> instances;
  std::vector<Net> nets;
  CellNames names;  // header ports and nodes of the cell
  unsigned generation = 0;  // changes whenever the tables are emptied
  void Clear() {
    instances.clear();
    nets.clear();
    names.Clear();
    ++generation;
  }
};

}  // namespace kalvor
