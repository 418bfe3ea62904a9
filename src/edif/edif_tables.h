// The tables the EDIF reader fills and the import writes from: the cells of
// the file with their port lists, and the instances and nets of the cell
// just read.
#pragma once

#include <string>
#include <vector>

namespace kalvor {

// A bus port: its EDIF identifier, the base name of its bits and the
// first and last index as declared (d[7:0]: left 7, right 0).
struct ArrayPort {
  std::string id;
  std::string base;
  long left = 0;
  long right = 0;
};

struct CellEntry {
  std::string name;
  std::string ports;  // each port preceded by one blank
  std::vector<ArrayPort> arrays;
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
  unsigned generation = 0;  // changes whenever the tables are emptied
  void Clear() {
    instances.clear();
    nets.clear();
    ++generation;
  }
};

}  // namespace kalvor
