// The searches of the EDIF import done the plain way: front-to-back scans
// and substring searches over the tables, nothing remembered. The
// differential test runs the import with these and with the import's own
// indexed searches and requires identical output.
#pragma once

#include "import/edif_lookups.h"
#include "text/strings.h"

namespace kalvor::testing {

class NaiveEdifLookups : public EdifLookups {
 public:
  long FindCell(const CellTable& cells, std::string_view name) override {
    for (std::size_t i = 0; i < cells.entries.size(); ++i) {
      if (EqualNoCase(cells.entries[i].name, name)) return static_cast<long>(i);
    }
    return -1;
  }
  long FindBaseMacro(const BaseMacroTable& base, std::string_view name) override {
    for (std::size_t i = 0; i < base.entries.size(); ++i) {
      if (EqualNoCase(base.entries[i].name, name)) return static_cast<long>(i);
    }
    return -1;
  }
  long FindNetByName(const CellContents& cell, std::string_view name) override {
    for (std::size_t i = 0; i < cell.nets.size(); ++i) {
      if (EqualNoCase(cell.nets[i].name, name)) return static_cast<long>(i);
    }
    return -1;
  }
  long FindNetWithNode(const CellContents& cell, std::string_view node, long from) override {
    std::string key = " " + std::string(node) + " ";
    for (std::size_t i = static_cast<std::size_t>(from); i < cell.nets.size(); ++i) {
      if (cell.nets[i].nodes.find(key) != std::string::npos) return static_cast<long>(i);
    }
    return -1;
  }
  void NodeRemoved(const CellContents&, long, std::string_view) override {}
  void NodeAdded(const CellContents&, long, std::string_view) override {}
  std::optional<std::string> RenameValue(const BaseMacroTable& base,
                                         std::string_view name) override {
    std::string key = " " + std::string(name) + "=";
    std::size_t at = base.rename_list.find(key);
    if (at == std::string::npos) return std::nullopt;
    std::size_t start = at + key.size();
    return base.rename_list.substr(start, base.rename_list.find(' ', start) - start);
  }
};

}  // namespace kalvor::testing
