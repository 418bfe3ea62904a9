// The tables read from the base macro file.
#pragma once

#include <string>
#include <vector>

namespace kalvor {

struct BaseMacro {
  std::string name;
  std::string ports;  // "A B Y": the header after the name
  bool reorder = false;
};

struct InverterEntry {
  std::string macro;
  std::string value;  // replacement cell, then the ports to invert, each followed by a blank
};

struct BaseMacroTable {
  std::vector<BaseMacro> entries;
  std::string rename_list;  // " old=new " per "$rename" line
  std::vector<InverterEntry> inverters;
  unsigned generation = 0;  // changes whenever the tables are emptied
  void Clear() {
    entries.clear();
    rename_list.clear();
    inverters.clear();
    ++generation;
  }
};

}  // namespace kalvor
