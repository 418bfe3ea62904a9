// The node-name table of the SPICE clean-up: the node names of a SPICE
// command file, as that file writes them, used to give the netlist's node
// names the same letter case.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace kalvor {

class NodeNameTable {
 public:
  // Collects the names one line of a command file offers: the words after
  // its first (after the second blank on ".print" lines), up to the first
  // word holding "(" or "[", leaving out parameters ("l=2u") and numbers.
  void TakeLine(std::string_view line);

  // " " followed by every name and one blank, in the order collected.
  const std::string& text() const { return text_; }
  // Whether some name, in upper case, equals `upper_word`.
  bool HasUpper(const std::string& upper_word) const;
  // The first collected name that equals `upper_word` in upper case, as the
  // command file writes it; nullptr when there is none.
  const std::string* SpellingOfUpper(const std::string& upper_word) const;
  bool empty() const { return names_.empty(); }

 private:
  void Add(std::string_view name);

  std::string text_ = " ";
  std::unordered_set<std::string> names_;
  std::unordered_map<std::string, std::string> by_upper_;
};

}  // namespace kalvor
