// 'A'-cell conversion: instances (and end lines) that name a macro not
// defined earlier in the macro file and ending in the letter A or a are
// changed to name the normal cell, without the trailing letter.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/name_set.h"

namespace kalvor {

// The names of the macros defined so far, told apart with ASCII letter case
// ignored.
class DefinedMacros {
 public:
  void Add(std::string_view name) { lowered_.Insert(Lowered(name)); }
  bool Contains(std::string_view name) const { return lowered_.Contains(Lowered(name)); }

 private:
  std::string_view Lowered(std::string_view name) const;
  NameSet lowered_;
  mutable std::string key_;
};

// Converts one physical line of a macro file in place, noting the names of
// macro headers in `defined`. Include lines, lines of other kinds and lines
// without a name followed by a blank stay as they are.
void ConvertACellLine(std::string& line, DefinedMacros& defined);

}  // namespace kalvor
