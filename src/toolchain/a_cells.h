// 'A'-cell conversion: instances (and end lines) that name a macro not
// defined earlier in the macro file and ending in the letter A or a are
// changed to name the normal cell, without the trailing letter.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>

namespace kalvor {

// Macro names hashed and compared with ASCII letter case ignored; looked up
// by std::string_view without copying.
struct MacroNameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const;
};
struct MacroNameEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

// The names of the macros defined so far.
using DefinedMacros = std::unordered_set<std::string, MacroNameHash, MacroNameEqual>;

// Converts one physical line of a macro file in place, noting the names of
// macro headers in `defined`. Include lines, lines of other kinds and lines
// without a name followed by a blank stay as they are.
void ConvertACellLine(std::string& line, DefinedMacros& defined);

}  // namespace kalvor
