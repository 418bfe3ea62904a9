#include "spice/spice_node_names.h"

#include "text/strings.h"

namespace kalvor {

void NodeNameTable::TakeLine(std::string_view line) {
  std::string considered;
  if (StartsWithNoCase(line, ".print")) {
    std::size_t first = line.find(' ');
    std::size_t second =
        first == std::string_view::npos ? first : line.find(' ', first + 1);
    if (second != std::string_view::npos) considered = line.substr(second + 1);
    considered += ' ';
  } else {
    considered = line;
  }
  if (considered.empty() || considered[0] == '*' || considered[0] == ' ' ||
      considered[0] == '.') {
    return;
  }
  std::string_view text = considered;
  std::size_t blank = text.find(' ');
  while (blank != std::string_view::npos) {
    std::size_t next = text.find(' ', blank + 1);
    std::size_t end = next == std::string_view::npos ? text.size() : next;
    std::string_view word = text.substr(blank + 1, end - blank - 1);
    blank = next;
    if (word.empty()) continue;
    if (word.find_first_of("([") != std::string_view::npos) return;
    if (word.find('=') != std::string_view::npos) continue;
    if (std::string_view("0123456789.+-*").find(word[0]) !=
        std::string_view::npos) {
      continue;
    }
    Add(word);
  }
}

void NodeNameTable::Add(std::string_view name) {
  std::string entry(name);
  if (!names_.insert(entry).second) return;
  text_ += entry;
  text_ += ' ';
  by_upper_.emplace(ToUpper(entry), entry);
}

bool NodeNameTable::HasUpper(const std::string& upper_word) const {
  return by_upper_.count(upper_word) != 0;
}

const std::string* NodeNameTable::SpellingOfUpper(
    const std::string& upper_word) const {
  auto it = by_upper_.find(upper_word);
  return it == by_upper_.end() ? nullptr : &it->second;
}

}  // namespace kalvor
