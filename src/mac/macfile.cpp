#include "mac/macfile.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ui.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

MacLineKind ClassifyMacLine(std::string_view line) {
  if (line.empty()) return MacLineKind::kBlank;
  switch (line[0]) {
    case '<':
      return line.find('>') != std::string_view::npos ? MacLineKind::kInclude
                                                      : MacLineKind::kInstance;
    case '$':
      return MacLineKind::kDirective;
    case '+':
      return MacLineKind::kContinuation;
    default:
      break;
  }
  if (StartsWithNoCase(line, ".macro")) return MacLineKind::kHeader;
  if (StartsWithNoCase(line, ".eom")) return MacLineKind::kEnd;
  return MacLineKind::kOther;
}

bool ParseMacHeader(std::string_view logical_line, MacHeader& header) {
  if (!StartsWithNoCase(logical_line, ".macro")) return false;
  NextName(logical_line);
  header.name = NextName(logical_line);
  header.ports.clear();
  while (HasContent(logical_line)) header.ports.emplace_back(NextName(logical_line));
  return true;
}

std::string MacIncludePath(std::string_view line, const std::string& directory) {
  std::size_t open = line.find('<');
  std::size_t close = line.find('>', open);
  std::string path(line.substr(open + 1, close - open - 1));
  while (!path.empty() && path.back() == ' ') path.pop_back();
  path.erase(0, path.find_first_not_of(' '));
  bool rooted = !path.empty() && (path[0] == '\\' || path[0] == '/' ||
                                  (path.size() > 1 && path[1] == ':'));
  if (HostPathStyle() == PathStyle::kPosix) std::replace(path.begin(), path.end(), '\\', '/');
  return rooted || directory.empty() ? path : JoinPath(directory, path);
}

bool ReadMacLine(File& file, std::string& line) {
  line.clear();
  return AppendMacLine(file, line);
}

namespace {

bool AddWholeLine(File& file, std::string& text) { return AppendWholeLine(file, text); }
bool AddWholeLine(File& file, Row& text) {
  std::string line;
  if (!AppendWholeLine(file, line)) return false;
  text.Add(line);
  return true;
}

template <class Text>
[[gnu::always_inline]] inline bool AppendLogicalLine(File& file, Text& text) {
  for (bool first = true;; first = false) {
    const char* data = nullptr;
    const std::size_t n = file.Peek(std::size_t{1} << 15, &data);
    bool ended = false;
    const std::size_t taken = TakeWindowLine(data, n, text, !first, &ended);
    file.Skip(taken);
    if (ended) return true;
    // A physical line that runs past the window or holds a tab, read whole.
    const std::size_t start = text.size();
    if (!AddWholeLine(file, text)) return false;
    if (!first || taken != 0) text.data()[start] = ' ';
    const char* next = nullptr;
    if (file.Peek(1, &next) != 1 || next[0] != '+') return true;
  }
}

}  // namespace

bool AppendMacLine(File& file, std::string& text) { return AppendLogicalLine(file, text); }
bool AppendMacLine(File& file, Row& text) { return AppendLogicalLine(file, text); }

namespace {

// A word added to the text of `d` and to `list`.
void AddWord(PortDirections& d, std::string_view word, std::vector<PortDirections::Word>& list) {
  const auto begin = static_cast<std::uint32_t>(d.text.size());
  d.text += word;
  list.push_back({begin, static_cast<std::uint32_t>(d.text.size())});
}

void AddWords(PortDirections& d, std::string_view line, std::vector<PortDirections::Word>& list) {
  for (std::string_view w = NextName(line); !w.empty(); w = NextName(line)) AddWord(d, w, list);
}

// A "$bus NAME[LEFT:RIGHT] PORT..." line (its words after "$bus"); one of a
// malformed range is a comment.
void AddBusLine(PortDirections& d, std::string_view decl, std::string_view ports) {
  std::size_t open = decl.rfind('[');
  std::size_t colon = decl.find(':', open == std::string_view::npos ? 0 : open);
  if (open == std::string_view::npos || open == 0 || colon == std::string_view::npos ||
      decl.back() != ']') {
    return;
  }
  auto number = [](std::string_view text, long& value) {
    if (text.empty() || text.size() > 9) return false;
    value = 0;
    for (char c : text) {
      if (c < '0' || c > '9') return false;
      value = value * 10 + (c - '0');
    }
    return true;
  };
  long left = 0, right = 0;
  if (!number(decl.substr(open + 1, colon - open - 1), left) ||
      !number(decl.substr(colon + 1, decl.size() - colon - 2), right)) {
    return;
  }
  std::string_view name = decl.substr(0, open);
  if (d.buses.empty() || d.buses.back().name != name || d.buses.back().left != left ||
      d.buses.back().right != right) {
    d.buses.push_back({std::string(name), left, right, {}});
  }
  std::vector<PortDirections::Word>& bits = d.buses.back().bits;
  const std::size_t width = static_cast<std::size_t>(std::labs(left - right)) + 1;
  for (std::string_view w = NextName(ports); !w.empty() && bits.size() < width; w = NextName(ports)) {
    AddWord(d, w, bits);
  }
}

// What one directive line says of the ports; the words are taken where they
// stand in the line.
// With `wired_only`, only "$wired" and "$input" lines are taken.
void AddDirective(PortDirections& d, std::string_view line, bool wired_only = false) {
  std::string_view rest = line;
  const std::string_view keyword = NextName(rest);
  if (wired_only && keyword != "$input" && keyword != "$wired") return;
  if (keyword == "$input") return AddWords(d, rest, d.inputs);
  if (keyword == "$output") return AddWords(d, rest, d.outputs);
  if (keyword == "$inout") return AddWords(d, rest, d.inouts);
  if (keyword == "$wired") {
    std::vector<PortDirections::Word>& group = d.wired.emplace_back();
    AddWords(d, rest, group);
    if (group.size() < 2) d.wired.pop_back();
    return;
  }
  std::string_view ports = rest;
  const std::string_view first = NextName(ports);
  if (keyword == "$original") {
    if (!first.empty() && NextName(ports).empty()) d.original = first;
  } else if (keyword == "$bus") {
    std::string_view after = ports;
    if (!NextName(after).empty()) AddBusLine(d, first, ports);
  }
}

// The next directive line (ReadLine's line, up to 4095 characters), read in
// place unless it has a tab to turn into a blank in `copy`.
std::string_view NextDirective(File& file, std::string& copy) {
  bool tab = false;
  std::string_view line = ReadLineInPlace(file, 4095, &tab);
  if (!tab) return line;
  copy.assign(line);
  TabsToBlanks(copy.data(), copy.size());
  return copy;
}

}  // namespace

void ReadPortDirectives(File& file, std::string& bus_list, std::string& analog_list,
                        PortDirections* directions, bool wired_only) {
  std::string copy;
  const char* next = nullptr;
  // A line is read only when it begins with "$": the file is left at the
  // first one that does not.
  while (file.Peek(1, &next) == 1 && next[0] == '$') {
    const std::string_view line = NextDirective(file, copy);
    if (directions) AddDirective(*directions, line, wired_only);
    // (Most lines are "$input" and "$output": their second letter tells.)
    const char second = line.size() > 1 ? ToLowerAscii(line[1]) : '\0';
    std::string* list = second == 'v' && StartsWithNoCase(line, "$vector")   ? &bus_list
                        : second == 'a' && StartsWithNoCase(line, "$analog") ? &analog_list
                                                                             : nullptr;
    if (list) {
      *list = ToLower(line.substr(7));
      *list += ' ';
    }
  }
}

std::string ReadOriginalDirective(File& file) {
  PortDirections d;
  std::string copy;
  const char* next = nullptr;
  while (file.Peek(1, &next) == 1 && next[0] == '$') {
    const std::string_view line = NextDirective(file, copy);
    if (StartsWith(line, "$original")) AddDirective(d, line);
  }
  return d.original;
}

bool WriteMacLine(File& file, std::string_view text, UserInterface& ui) {
  std::string unsplit;
  if (WriteWrappedLine(file, text, unsplit)) return true;
  if (!unsplit.empty()) {
    ui.Notify(unsplit, "Symbol over 70 char. long", box::kOk | box::kIconError | box::kNoOwner);
  }
  return false;
}

bool WriteWireList(File& out, const std::string& top_cell) {
  bool ok = WriteLine(out, kWireListHead);
  ok = WriteLine(out, "") && ok;
  ok = WriteLine(out, "WIRE LIST") && ok;
  ok = WriteLine(out, "<<< COMPONENT LIST >>>") && ok;
  ok = WriteLine(out, Format("%s %s %s", top_cell.c_str(), top_cell.c_str(),
                             top_cell.c_str())) && ok;
  return ok;
}

}  // namespace kalvor
