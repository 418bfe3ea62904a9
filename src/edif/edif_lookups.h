// The searches of the EDIF import. Each answers exactly as a front-to-back
// scan would (first match wins; names of cells, base macros and nets
// compared ignoring letter case; node and rename searches are substring
// searches where letter case counts), but the import's own implementation
// keeps hash indexes so that the work grows linearly with the file.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "edif/base_macro_table.h"
#include "edif/edif_tables.h"

namespace kalvor {

class EdifLookups {
 public:
  virtual ~EdifLookups() = default;

  // First cell table entry named `name` ignoring letter case, or -1.
  virtual long FindCell(const CellTable& cells, std::string_view name) = 0;
  // First base macro named `name` ignoring letter case, or -1.
  virtual long FindBaseMacro(const BaseMacroTable& base, std::string_view name) = 0;
  // First net of the cell named `name` ignoring letter case, or -1.
  virtual long FindNetByName(const CellContents& cell, std::string_view name) = 0;
  // First net at or after `from` whose node list contains a blank, `node`
  // and a blank; -1 if none.
  virtual long FindNetWithNode(const CellContents& cell, std::string_view node,
                               long from) = 0;
  // The same as FindNetWithNode(cell, NAME + "<" + port, 0), NAME being the
  // name of instance number `instance` of the cell.
  virtual long FindNetOfPort(const CellContents& cell, std::size_t instance,
                             std::string_view port);
  // Net `net` lost the node word `node` (one occurrence) or gained it.
  virtual void NodeRemoved(const CellContents& cell, long net, std::string_view node) = 0;
  virtual void NodeAdded(const CellContents& cell, long net, std::string_view node) = 0;
  // The text after the first " name=" of the rename list, up to the next
  // blank; nullopt if the list holds no " name=".
  virtual std::optional<std::string> RenameValue(const BaseMacroTable& base,
                                                 std::string_view name) = 0;
};

// The import's own, indexed implementation.
std::unique_ptr<EdifLookups> MakeIndexedLookups();

// Node-list helpers shared by every implementation.
// Whether `nodes` contains " node ".
bool NodesContain(std::string_view nodes, std::string_view node);
// The value of " name=" in a rename list (see EdifLookups::RenameValue).
std::optional<std::string> ScanRenameList(std::string_view list, std::string_view name);

}  // namespace kalvor
