#include "mac_vhdl_compare.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <unordered_map>

#include "netlist.h"

namespace netcheck {

namespace {

bool StartsNoCase(const std::string& s, const std::string& prefix) {
  return s.size() >= prefix.size() && Lower(s.substr(0, prefix.size())) == prefix;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A node name as the format turns it into VHDL: "NN_" before a leading
// digit, "inst_" (any case) removed, "<" to "_", "in"/"out" to "in1"/"out1",
// a supply lowercased.
std::string Normalized(const std::string& word) {
  std::string n = word;
  if (n.empty() || IsDigit(n[0])) n = "NN_" + n;
  if (n.size() >= 5 && Lower(n.substr(0, 5)) == "inst_") n.erase(0, 5);
  if (n.size() == 3 && (Lower(n) == "vdd" || Lower(n) == "gnd")) n = Lower(n);
  std::replace(n.begin(), n.end(), '<', '_');
  if (Lower(n) == "in" || Lower(n) == "out") n += "1";
  return n;
}

// The global net a node of the macro file is on: the six supply forms are
// two nodes, a port wired to another port's node is on that node, any other
// name is its own.
std::string MacNet(const MacMacro& m, const std::string& word) {
  auto wired = m.wired.find(word);
  const std::string& node = wired == m.wired.end() ? word : wired->second;
  return IsSupplyName(node) ? Lower(node) : node;
}

// How well identifier `id` stands for `word`: 1 its own spelling (an
// extended identifier of it), 2 its VHDL name ignoring case, 3 a numbered
// form that another name pushed it to; 0 not at all.
int Level(const std::string& word, const std::string& id) {
  std::string n = Normalized(word);
  std::string text = IdentifierText(id);
  bool extended = !id.empty() && id[0] == '\\';
  if (!extended) return Lower(n) == text ? 2 : 0;
  if (text == n || text == word) return 1;
  for (const std::string& stem : {n, word}) {
    if (text.size() > stem.size() + 1 && text.compare(0, stem.size(), stem) == 0 &&
        (text[stem.size()] == ' ' || text[stem.size()] == '~')) {
      bool digits = true;
      for (std::size_t i = stem.size() + 1; i < text.size(); ++i) digits = digits && IsDigit(text[i]);
      if (digits) return 3;
    }
  }
  return 0;
}

// Whether identifier `id` is the name `original` (a basic identifier
// ignoring letter case).
bool Spells(const std::string& id, const std::string& original) {
  if (original.empty()) return false;
  std::string text = IdentifierText(id);
  return text == original || (!id.empty() && id[0] != '\\' && text == Lower(original));
}

// The vector element a header word is: a port of a "$bus" line, or a word
// whose base is a "$vector" bus.
bool Element(const std::string& word, const MacMacro& m, std::string* base, long* element) {
  auto bit = m.bus_bits.find(word);
  if (bit != m.bus_bits.end()) {
    *base = m.buses[bit->second.first].name;
    *element = bit->second.second;
    return true;
  }
  const std::vector<std::string>& vectors = m.vectors;
  std::string n = Normalized(word);
  std::size_t d = 1;
  while (d < n.size() && !IsDigit(n[d])) ++d;
  if (n.size() < 2 || d >= n.size()) return false;
  if (std::find(vectors.begin(), vectors.end(), Lower(n.substr(0, d))) == vectors.end()) {
    return false;
  }
  for (std::size_t i = d; i < n.size(); ++i) {
    if (!IsDigit(n[i])) return false;
  }
  *base = n.substr(0, d);
  *element = std::atol(n.c_str() + d);
  return true;
}

// The port of `ports` that header word `word` binds to: its index and
// element, or -1.
int BindWord(const std::string& word, const MacMacro& m, const std::vector<VhdlPort>& ports,
             long* element) {
  std::string base;
  long e = -1;
  bool is_element = Element(word, m, &base, &e);
  int best = -1, best_level = 99;
  for (std::size_t p = 0; p < ports.size(); ++p) {
    if ((ports[p].width >= 0) != is_element) continue;
    int level = Level(is_element ? base : word, ports[p].id);
    if (level > 0 && level < best_level) {
      best = static_cast<int>(p);
      best_level = level;
    }
  }
  *element = is_element ? e : -1;
  return best;
}

struct UnionFind {
  std::unordered_map<std::string, std::string> parent;
  std::string Find(const std::string& x) {
    auto it = parent.find(x);
    if (it == parent.end() || it->second == x) return x;
    std::string root = Find(it->second);
    parent[x] = root;
    return root;
  }
  void Join(const std::string& a, const std::string& b) {
    std::string x = Find(a), y = Find(b);
    if (x != y) parent[x] = y;
  }
};

class MacroCompare {
 public:
  MacroCompare(const std::map<std::string, const MacMacro*>& macros, const VhdlDesign& vhdl,
               const MacVhdlOptions& options, MacVhdlResult& result)
      : macros_(macros), vhdl_(vhdl), options_(options), result_(result) {}

  void Run(const MacMacro& m) {
    const std::string where = "macro " + m.name + ": ";
    auto Diff = [&](const std::string& text) { result_.differences.push_back(where + text); };
    ++result_.figures.macros;
    // The entity and architecture.
    const std::vector<VhdlPort>* ports = nullptr;
    std::string entity;
    // The entity of the macro's name, else of its netlist's own name.
    for (int pass = 0; pass < 2 && !ports; ++pass) {
      for (const auto& [id, p] : vhdl_.entities) {
        if (pass == 0 ? Lower(IdentifierText(id)) == Lower(m.name) : Spells(id, m.original)) {
          ports = &p;
          entity = id;
        }
      }
    }
    const VhdlArchitecture* arch = nullptr;
    for (const VhdlArchitecture& a : vhdl_.architectures) {
      if (a.entity == entity) arch = &a;
    }
    if (!ports || !arch) {
      // Standard VHDL declares a leaf cell (a macro without instances) as a
      // component only, where it is used.
      if (m.instances.empty() && (vhdl_.components_declared.count(Lower(m.name)) ||
                                  vhdl_.components_declared.count(Lower(m.original)))) {
        ++result_.figures.leaf_cells;
        return;
      }
      Diff("no entity or architecture in the VHDL");
      return;
    }
    for (const std::string& p : arch->problems) Diff(p);

    // Terminals: own ports ("port k"), pins ("inst i pin j"); their node in
    // the macro file and their net in the VHDL.
    std::vector<std::pair<std::string, std::string>> terminals;  // mac net, vhdl object
    std::set<std::string> declared;
    std::set<std::string> port_ids;
    for (const VhdlPort& p : *ports) {
      if (!declared.insert(p.id).second) Diff("port " + p.id + " declared twice");
      port_ids.insert(p.id);
    }
    for (const std::string& s : arch->declared) {
      if (!declared.insert(s).second) Diff("signal " + s + " declared twice (or as a port too)");
    }
    for (std::size_t k = 0; k < m.words.size(); ++k) {
      const std::string& w = m.words[k];
      if (options_.no_supply && IsSupplyName(w)) continue;
      long e = -1;
      int p = BindWord(w, m, *ports, &e);
      if (p < 0) {
        Diff("header port " + w + " has no port in the entity");
        continue;
      }
      const VhdlPort& port = (*ports)[static_cast<std::size_t>(p)];
      // A bus keeps the netlist's range and bit order.
      auto bit = m.bus_bits.find(w);
      if (bit != m.bus_bits.end()) {
        const MacMacro::Bus& bus = m.buses[bit->second.first];
        if (port.left != bus.left || port.right != bus.right) {
          Diff("bus " + bus.name + "[" + std::to_string(bus.left) + ":" + std::to_string(bus.right) +
               "] is written " + port.id + " (" + std::to_string(port.left) + ", " +
               std::to_string(port.right) + ")");
        }
      }
      VhdlObject o{port.id, e};
      terminals.push_back({MacNet(m, w), o.Key()});
    }

    // Instances, paired in order.
    std::vector<const MacMacro::Inst*> kept;
    for (const MacMacro::Inst& inst : m.instances) {
      bool ignored = false;
      for (const std::string& i : options_.ignore) ignored = ignored || Lower(i) == Lower(inst.cell);
      if (ignored) {
        ++result_.figures.ignored_instances;
        // Their nodes are nets of the macro all the same.
        continue;
      }
      kept.push_back(&inst);
    }
    result_.figures.mac_instances += static_cast<long>(m.instances.size());
    result_.figures.vhdl_instances += static_cast<long>(arch->instances.size());
    if (kept.size() != arch->instances.size()) {
      Diff(std::to_string(kept.size()) + " instances in the macro file (ignored macros left out), " +
           std::to_string(arch->instances.size()) + " in the VHDL");
    }
    std::set<std::string> labels;
    for (const VhdlInstance& v : arch->instances) {
      if (!labels.insert(v.label).second) Diff("label " + v.label + " used twice");
      if (declared.count(v.label)) Diff("label " + v.label + " is also a port or signal");
    }
    for (std::size_t i = 0; i < kept.size() && i < arch->instances.size(); ++i) {
      const MacMacro::Inst& mi = *kept[i];
      const VhdlInstance& vi = arch->instances[i];
      std::string label = Lower(IdentifierText(vi.label));
      std::string own = "i" + Lower(mi.name);
      if (label.compare(0, own.size(), own) != 0 ||
          (label.size() > own.size() && label[own.size()] != ' ' && label[own.size()] != '~')) {
        Diff("instance " + mi.name + " is written as " + vi.label);
      }
      auto defined = macros_.find(Lower(mi.cell));
      if (Lower(IdentifierText(vi.cell)) != Lower(mi.cell) &&
          (defined == macros_.end() || !Spells(vi.cell, defined->second->original))) {
        Diff("instance " + mi.name + " of " + mi.cell + " is an instance of " + vi.cell);
      }
      bool positional = std::all_of(vi.map.begin(), vi.map.end(),
                                    [](const VhdlAssociation& a) { return a.formal.id.empty(); });
      for (std::size_t j = 0; j < mi.nodes.size(); ++j) {
        const std::string& node = mi.nodes[j];
        const VhdlObject* actual = nullptr;
        if (positional) {
          if (j < vi.map.size()) actual = &vi.map[j].actual;
        } else if (defined != macros_.end() && j < defined->second->words.size()) {
          const MacMacro& callee = *defined->second;
          const std::string& word = callee.words[j];
          if (options_.no_supply && IsSupplyName(word)) continue;
          std::string base;
          long e = -1;
          bool is_element = Element(word, callee, &base, &e);
          int best_level = 99;
          for (const VhdlAssociation& a : vi.map) {
            if ((a.formal.element >= 0) != is_element || (is_element && a.formal.element != e)) {
              continue;
            }
            int level = Level(is_element ? base : word, a.formal.id);
            if (level > 0 && level < best_level) {
              actual = &a.actual;
              best_level = level;
            }
          }
        }
        if (!actual) {
          if (!vi.beyond.empty()) continue;  // named in the converter's comment
          Diff("instance " + mi.name + ": node " + std::to_string(j + 1) + " (" + node +
               ") has no actual");
          continue;
        }
        if (actual->id.empty()) {
          Diff("instance " + mi.name + ": node " + node + " left open");
          continue;
        }
        terminals.push_back({MacNet(m, node), actual->Key()});
      }
      if (positional && vi.map.size() > mi.nodes.size()) {
        Diff("instance " + mi.name + " has " + std::to_string(vi.map.size()) +
             " actuals for " + std::to_string(mi.nodes.size()) + " nodes");
      }
    }
    for (const MacMacro::Inst& inst : m.instances) {
      for (const std::string& n : inst.nodes) mac_nets_.insert(MacNet(m, n));
    }
    for (const std::string& w : m.words) mac_nets_.insert(MacNet(m, w));

    // Names used but not declared.
    for (const auto& [node, object] : terminals) {
      std::string id = object.substr(0, ElementStart(object));
      if (declared.count(id) || id == "vdd" || id == "gnd") continue;
      if (Lower(IdentifierText(id)).compare(0, 4, "pad_") == 0) {
        ++undeclared_pads_;
        continue;
      }
      Diff("net " + node + " is written " + id + ", which is not declared");
    }

    // Nets: assignments join their two sides.
    UnionFind joined;
    std::multimap<std::string, std::string> whole;  // names assigned as a whole, both ways
    for (const auto& [target, source] : arch->assignments) {
      if (!source.empty() && source[0] != '\'') joined.Join(target.Key(), source);
      if (!source.empty() && source[0] != '\'' && target.element < 0) {
        whole.emplace(target.id, source);
        whole.emplace(source, target.id);
      }
    }
    // A vector assigned as a whole joins element by element.
    for (const auto& [node, object] : terminals) {
      std::size_t open = ElementStart(object);
      if (open == std::string::npos) continue;
      auto [from, to] = whole.equal_range(object.substr(0, open));
      for (auto it = from; it != to; ++it) joined.Join(object, it->second + object.substr(open));
    }
    std::map<std::string, std::string> vhdl_of_mac, mac_of_vhdl;
    std::set<std::string> vhdl_nets;
    long reports = 0;
    for (const auto& [node, object] : terminals) {
      std::string net = joined.Find(object);
      vhdl_nets.insert(net);
      ++result_.figures.pins;
      auto a = vhdl_of_mac.emplace(node, net);
      if (!a.second && a.first->second != net && reports++ < 8) {
        Diff("node " + node + " is split over " + a.first->second + " and " + net);
      }
      auto b = mac_of_vhdl.emplace(net, node);
      if (!b.second && b.first->second != node && reports++ < 8) {
        Diff("nodes " + b.first->second + " and " + node + " are merged into " + net);
      }
    }
    result_.figures.mac_nets += static_cast<long>(mac_nets_.size());
    result_.figures.vhdl_nets += static_cast<long>(vhdl_nets.size());
    long mac_reached = static_cast<long>(vhdl_of_mac.size());
    long unreached = static_cast<long>(mac_nets_.size()) - mac_reached;
    if (unreached > 0) {
      result_.notes.push_back(where + std::to_string(unreached) +
                              " node(s) only on instances of ignored macros");
    }
    mac_nets_.clear();
  }

  long undeclared_pads() const { return undeclared_pads_; }

 private:
  const std::map<std::string, const MacMacro*>& macros_;
  const VhdlDesign& vhdl_;
  const MacVhdlOptions& options_;
  MacVhdlResult& result_;
  std::set<std::string> mac_nets_;
  long undeclared_pads_ = 0;
};

}  // namespace

std::vector<MacMacro> ParseMacMacros(const std::string& text) {
  // Logical lines: "+" lines continue the one before.
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t j = text.find_first_of("\r\n", i);
    if (j == std::string::npos) j = text.size();
    std::string line = text.substr(i, j - i);
    std::replace(line.begin(), line.end(), '\t', ' ');
    if (!line.empty() && line[0] == '+' && !lines.empty()) {
      lines.back() += " " + line.substr(1);
    } else {
      lines.push_back(line);
    }
    i = j;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  std::vector<MacMacro> out;
  bool open = false, header_directives = false;
  for (const std::string& line : lines) {
    if (StartsNoCase(line, ".macro")) {
      std::vector<std::string> w = Words(line);
      out.push_back({});
      if (w.size() > 1) out.back().name = w[1];
      for (std::size_t k = 2; k < w.size(); ++k) out.back().words.push_back(w[k]);
      open = header_directives = true;
      continue;
    }
    if (open && header_directives && !line.empty() && line[0] == '$') {
      std::vector<std::string> w = Words(line);
      if (!w.empty() && Lower(w[0]) == "$vector") {
        out.back().vectors.clear();
        for (std::size_t k = 1; k < w.size(); ++k) out.back().vectors.push_back(Lower(w[k]));
      }
      if (w.size() == 2 && w[0] == "$original") out.back().original = w[1];
      if (w.size() > 2 && w[0] == "$bus") {
        MacMacro& m = out.back();
        std::size_t open = w[1].rfind('[');
        std::size_t colon = w[1].find(':', open == std::string::npos ? 0 : open);
        if (open != std::string::npos && colon != std::string::npos) {
          MacMacro::Bus bus{w[1].substr(0, open), std::atol(w[1].c_str() + open + 1),
                            std::atol(w[1].c_str() + colon + 1), 0};
          if (m.buses.empty() || m.buses.back().name != bus.name ||
              m.buses.back().left != bus.left || m.buses.back().right != bus.right) {
            m.buses.push_back(bus);
          }
          MacMacro::Bus& b = m.buses.back();
          for (std::size_t k = 2; k < w.size(); ++k) {
            long index = b.left >= b.right ? b.left - b.bits : b.left + b.bits;
            ++b.bits;
            m.bus_bits.emplace(w[k], std::make_pair(m.buses.size() - 1, index));
          }
        }
      }
      if (!w.empty() && w[0] == "$input") {
        out.back().inputs.insert(out.back().inputs.end(), w.begin() + 1, w.end());
      }
      // Ports the netlist wires to another port's node are on that node.
      if (w.size() > 2 && w[0] == "$wired") {
        MacMacro& m = out.back();
        auto input = [&m](const std::string& n) {
          return std::find(m.inputs.begin(), m.inputs.end(), n) != m.inputs.end();
        };
        for (std::size_t k = 2; k < w.size(); ++k) {
          if (!(input(w[k]) && input(w[1]))) m.wired[w[k]] = w[1];
        }
      }
      continue;
    }
    header_directives = false;
    if (StartsNoCase(line, ".eom")) {
      open = false;
    } else if (open && !line.empty() && line[0] == '<' && line.find('>') == std::string::npos) {
      std::vector<std::string> w = Words(line.substr(1));
      if (w.size() < 2) continue;
      MacMacro::Inst inst{w[0], w[1], {}};
      inst.nodes.assign(w.begin() + 2, w.end());
      out.back().instances.push_back(std::move(inst));
    }
  }
  return out;
}

MacVhdlResult CompareMacVhdl(const std::vector<MacMacro>& mac, const VhdlDesign& vhdl,
                             const MacVhdlOptions& options) {
  MacVhdlResult result;
  for (const std::string& p : vhdl.problems) result.differences.push_back("VHDL: " + p);
  for (const std::string& d : vhdl.duplicate_entities) {
    result.differences.push_back("entity " + d + " written twice");
  }
  std::map<std::string, const MacMacro*> by_name;
  for (const MacMacro& m : mac) by_name[Lower(m.name)] = &m;
  MacroCompare compare(by_name, vhdl, options, result);
  for (const MacMacro& m : mac) compare.Run(m);
  if (vhdl.entities.size() + static_cast<std::size_t>(result.figures.leaf_cells) < by_name.size()) {
    result.differences.push_back(std::to_string(by_name.size()) + " macros, " +
                                 std::to_string(vhdl.entities.size()) + " entities");
  }
  if (compare.undeclared_pads() > 0) {
    result.notes.push_back(std::to_string(compare.undeclared_pads()) +
                           " pin(s) on pad nets (PAD_...), which get no signal");
  }
  return result;
}

}  // namespace netcheck
