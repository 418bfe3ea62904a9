// 'A'-cell conversion: instances (and end lines) that name a macro not
// defined earlier in the macro file and ending in the letter A or a are
// changed to name the normal cell, without the trailing letter.
#pragma once

#include <string>
#include <unordered_set>

namespace kalvor {

// The names of the macros defined so far (lower case).
using DefinedMacros = std::unordered_set<std::string>;

// Converts one physical line of a macro file in place, noting the names of
// macro headers in `defined`. Include lines, lines of other kinds and lines
// without a name followed by a blank stay as they are.
void ConvertACellLine(std::string& line, DefinedMacros& defined);

}  // namespace kalvor
