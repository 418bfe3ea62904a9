#include "mac_netlist.h"

#include <fstream>
#include <numeric>
#include <sstream>
#include <unordered_map>

namespace netcheck {

namespace {

// Logical lines: a physical line beginning with "+" continues the one
// before, the "+" read as a blank.
std::vector<std::string> LogicalLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t j = text.find_first_of("\r\n", i);
    if (j == std::string::npos) j = text.size();
    std::string line = text.substr(i, j - i);
    for (char& c : line) {
      if (c == '\t') c = ' ';
    }
    if (!line.empty() && line[0] == '+' && !lines.empty()) {
      lines.back() += ' ';
      lines.back() += line.substr(1);
    } else {
      lines.push_back(line);
    }
    i = j;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return lines;
}

bool StartsNoCase(const std::string& s, const std::string& prefix) {
  return s.size() >= prefix.size() && Lower(s.substr(0, prefix.size())) == prefix;
}

bool DigitsAfter(const std::string& s, const std::string& prefix) {
  if (s.size() <= prefix.size() || s.compare(0, prefix.size(), prefix) != 0) return false;
  for (std::size_t i = prefix.size(); i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
  }
  return true;
}

struct MacroBuilder {
  Cell cell;
  std::vector<std::pair<std::string, Pin>> uses;  // node name, pin
  std::vector<std::pair<std::string, std::string>> joins;

  void Finish() {
    // Union-find over node names.
    std::unordered_map<std::string, int> id;
    std::vector<int> parent;
    auto node = [&](const std::string& name) {
      auto it = id.find(name);
      if (it != id.end()) return it->second;
      int n = static_cast<int>(parent.size());
      parent.push_back(n);
      id.emplace(name, n);
      return n;
    };
    auto find = [&](int x) {
      while (parent[static_cast<std::size_t>(x)] != x) {
        x = parent[static_cast<std::size_t>(x)] =
            parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(x)])];
      }
      return x;
    };
    for (const auto& [name, pin] : uses) node(name);
    for (const auto& [a, b] : joins) {
      int x = find(node(a));
      int y = find(node(b));
      if (x != y) parent[static_cast<std::size_t>(x)] = y;
    }
    std::unordered_map<int, std::size_t> net_of_root;
    std::vector<std::string> names(parent.size());
    for (const auto& [name, n] : id) names[static_cast<std::size_t>(n)] = name;
    for (const auto& [name, pin] : uses) {
      int r = find(id[name]);
      auto it = net_of_root.find(r);
      if (it == net_of_root.end()) {
        it = net_of_root.emplace(r, cell.nets.size()).first;
        // A supply name among the joined names names the net: it is global.
        cell.nets.push_back({name, {}});
      }
      Net& net = cell.nets[it->second];
      if (IsSupplyName(name)) net.name = name;
      net.pins.push_back(pin);
    }
  }
};

}  // namespace

void ParseMacNetlist(const std::string& text, Netlist& out) {
  MacroBuilder m;
  bool open = false;
  for (const std::string& line : LogicalLines(text)) {
    if (StartsNoCase(line, ".macro")) {
      if (open) out.problems.push_back("macro " + m.cell.name + " has no end line");
      m = MacroBuilder();
      std::vector<std::string> w = Words(line);
      if (w.size() < 2) {
        out.problems.push_back("header without a name: " + line);
        continue;
      }
      m.cell.name = w[1];
      for (std::size_t k = 2; k < w.size(); ++k) {
        m.cell.ports.push_back({w[k], false});
        m.uses.push_back({w[k], Pin{-1, static_cast<int>(k - 2)}});
      }
      open = true;
    } else if (StartsNoCase(line, ".eom")) {
      if (!open) continue;
      m.Finish();
      out.cells.push_back(std::move(m.cell));
      m = MacroBuilder();
      open = false;
    } else if (!line.empty() && line[0] == '<' && line.find('>') == std::string::npos) {
      std::vector<std::string> w = Words(line.substr(1));
      if (!open || w.size() < 2) {
        out.problems.push_back("instance line outside a macro: " + line);
        continue;
      }
      const std::string& name = w[0];
      if (name == "PADS" && w[1] == "PADS" && w.size() == 2) continue;
      // A second buffer of one net makes its node unique: "_fanbust_2" ...
      const std::string bust = w.size() == 4 ? w[3] + "_fanbust" : std::string();
      if (w.size() == 4 && DigitsAfter(name, "fb") &&
          (w[2] == bust || DigitsAfter(w[2], bust + "_"))) {
        m.joins.push_back({w[2], w[3]});
        continue;
      }
      if (w.size() == 4 && DigitsAfter(name, "EXTINV_") && w[1] == "EXTINV") {
        m.joins.push_back({w[2], w[3]});
        continue;
      }
      int k = static_cast<int>(m.cell.instances.size());
      m.cell.instances.push_back({name, w[1], -1});
      for (std::size_t j = 2; j < w.size(); ++j) {
        m.uses.push_back({w[j], Pin{k, static_cast<int>(j - 2)}});
      }
    }
  }
  if (open) out.problems.push_back("macro " + m.cell.name + " has no end line");
  // Instances refer to macros by name, ignoring letter case; the first wins.
  std::unordered_map<std::string, int> by_name;
  for (std::size_t c = 0; c < out.cells.size(); ++c) {
    by_name.emplace(Lower(out.cells[c].name), static_cast<int>(c));
  }
  for (Cell& cell : out.cells) {
    for (Instance& inst : cell.instances) {
      auto it = by_name.find(Lower(inst.cell_name));
      if (it != by_name.end()) inst.cell = it->second;
    }
  }
}

bool ReadMacNetlist(const std::string& path, Netlist& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  ParseMacNetlist(s.str(), out);
  return true;
}

bool ReadBaseMacros(const std::string& path, BaseMacros& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  for (const std::string& line : LogicalLines(s.str())) {
    std::vector<std::string> w = Words(line);
    if (w.size() < 2) continue;
    std::string key = Lower(w[1]);
    std::vector<std::string> ports(w.begin() + 2, w.end());
    if (Lower(w[0]) == ".macro") {
      if (!out.count(key)) out.emplace(key, ports);
    } else if (Lower(w[0]) == "$reorder") {
      out[key] = ports;
    }
  }
  return true;
}

}  // namespace netcheck
