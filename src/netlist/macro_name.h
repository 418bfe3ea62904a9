// A macro name of its own for a cell whose name a cell written before it
// took: the names of a macro file are one name space, letter case aside.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

namespace kalvor {

// The longest macro name made here (a macro line takes a word of about 70
// characters).
inline constexpr std::size_t kMacroNameLength = 60;

// `base` cut to kMacroNameLength characters (but never below `keep`), then
// numbered _2, _3 ... while `taken` says the name is taken.
template <typename Taken>
std::string DistinctMacroName(std::string base, std::size_t keep, Taken taken) {
  if (base.size() > kMacroNameLength) base.resize(std::max(kMacroNameLength, keep));
  std::string name = base;
  for (int n = 2; taken(name); ++n) name = base + "_" + std::to_string(n);
  return name;
}

}  // namespace kalvor
