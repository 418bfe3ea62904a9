#include "compare.h"

#include <algorithm>
#include <sstream>
#include <unordered_map>

namespace netcheck {

namespace {

const char* const kSupplies[] = {"vdd", "gnd", "Vdd", "Gnd", "VDD", "GND"};

int SupplyIndex(const std::string& name) {
  for (int i = 0; i < 6; ++i) {
    if (name == kSupplies[i]) return i;
  }
  return -1;
}

struct UnionFind {
  explicit UnionFind(std::size_t n) : parent(n) {
    for (std::size_t i = 0; i < n; ++i) parent[i] = i;
  }
  std::size_t Find(std::size_t x) {
    while (parent[x] != x) x = parent[x] = parent[parent[x]];
    return x;
  }
  void Join(std::size_t a, std::size_t b) {
    a = Find(a);
    b = Find(b);
    if (a != b) parent[a] = b;
  }
  std::vector<std::size_t> parent;
};

// The supply node a net of cell `c` named `name` is, or -1: a supply name
// is local where a normal port of the cell has it.
int Global(const Cell& c, const std::string& name) {
  int s = SupplyIndex(name);
  for (std::size_t i = 0; s >= 0 && i < c.ports.size(); ++i) {
    if (!c.ports[i].supply && c.ports[i].name == name) s = -1;
  }
  return s;
}

// The non-supply ports of a cell, in header order.
std::vector<int> HeaderPorts(const Cell& c) {
  std::vector<int> out;
  for (std::size_t i = 0; i < c.ports.size(); ++i) {
    if (!c.ports[i].supply) out.push_back(static_cast<int>(i));
  }
  return out;
}

class CellCompare {
 public:
  CellCompare(const Netlist& nl, const Netlist& mac, const std::vector<int>& ref_of_macro,
              const CompareOptions& opt, CompareResult& result)
      : nl_(nl), mac_(mac), ref_of_macro_(ref_of_macro), opt_(opt), result_(result) {}

  void Run(const Cell& r, const Cell& m) {
    r_ = &r;
    m_ = &m;
    reports_ = 0;
    // Terminal numbers: own ports, then each instance's ports, then the
    // six supply nodes.
    offsets_.clear();
    std::size_t n = r.ports.size();
    for (const Instance& inst : r.instances) {
      offsets_.push_back(n);
      if (inst.cell >= 0) n += nl_.cells[static_cast<std::size_t>(inst.cell)].ports.size();
    }
    supply_base_ = n;
    n += 6;
    UnionFind a(n), b(n);
    std::vector<const std::string*> a_name(n, nullptr), b_name(n, nullptr);

    for (const Net& net : r.nets) {
      // A net named as a supply keeps that name in the macro, and so is
      // the global supply node, unless a normal port of the cell has the
      // name.
      std::size_t first = SIZE_MAX;
      int s = Global(r, net.name);
      if (s >= 0) first = supply_base_ + static_cast<std::size_t>(s);
      for (const Pin& p : net.pins) {
        std::size_t t = Terminal(p.instance, p.port);
        if (t == SIZE_MAX) continue;
        a_name[t] = &net.name;
        if (first == SIZE_MAX) first = t;
        a.Join(t, first);
      }
    }
    // Supply ports: global nodes on both sides.
    for (std::size_t i = 0; i < r.ports.size(); ++i) {
      if (!r.ports[i].supply) continue;
      std::size_t s = supply_base_ + static_cast<std::size_t>(SupplyIndex(r.ports[i].name));
      a.Join(i, s);
      b.Join(i, s);
    }
    for (std::size_t k = 0; k < r.instances.size(); ++k) {
      int c = r.instances[k].cell;
      if (c < 0) continue;
      const Cell& rc = nl_.cells[static_cast<std::size_t>(c)];
      for (std::size_t j = 0; j < rc.ports.size(); ++j) {
        if (!rc.ports[j].supply) continue;
        b.Join(offsets_[k] + j, supply_base_ + static_cast<std::size_t>(SupplyIndex(rc.ports[j].name)));
      }
    }

    // The macro's side: own ports by header position, instances in order.
    std::vector<int> header = HeaderPorts(r);
    if (header.size() != m.ports.size()) {
      Report("header has " + std::to_string(m.ports.size()) + " ports, the netlist cell " +
             std::to_string(header.size()));
    }
    std::vector<std::vector<int>> pin_map(m.instances.size());
    if (m.instances.size() != r.instances.size()) {
      Report("macro has " + std::to_string(m.instances.size()) + " instances, the netlist cell " +
             std::to_string(r.instances.size()));
    }
    for (std::size_t k = 0; k < m.instances.size() && k < r.instances.size(); ++k) {
      pin_map[k] = InstancePins(k);
    }
    for (const Net& net : m.nets) {
      std::size_t first = SIZE_MAX;
      int s = Global(r, net.name);
      if (s >= 0) first = supply_base_ + static_cast<std::size_t>(s);
      for (const Pin& p : net.pins) {
        std::size_t t = SIZE_MAX;
        if (p.instance < 0) {
          if (static_cast<std::size_t>(p.port) < header.size()) {
            t = static_cast<std::size_t>(header[static_cast<std::size_t>(p.port)]);
          }
        } else if (static_cast<std::size_t>(p.instance) < pin_map.size()) {
          const std::vector<int>& map = pin_map[static_cast<std::size_t>(p.instance)];
          if (static_cast<std::size_t>(p.port) < map.size() && map[static_cast<std::size_t>(p.port)] >= 0) {
            t = offsets_[static_cast<std::size_t>(p.instance)] +
                static_cast<std::size_t>(map[static_cast<std::size_t>(p.port)]);
          }
        }
        if (t == SIZE_MAX) continue;
        b_name[t] = &net.name;
        if (first == SIZE_MAX) first = t;
        b.Join(t, first);
      }
    }

    // Every pin must share its net with the same pins on both sides.
    const std::size_t terminals = supply_base_ + 6;
    std::vector<std::size_t> ra(terminals), rb(terminals);
    std::unordered_map<std::size_t, std::vector<std::size_t>> a_members, b_members;
    for (std::size_t t = 0; t < terminals; ++t) {
      if (!Exists(t)) continue;
      if (t < supply_base_) ++result_.pins;
      ra[t] = a.Find(t);
      rb[t] = b.Find(t);
      a_members[ra[t]].push_back(t);
      b_members[rb[t]].push_back(t);
    }
    auto own_port_alone = [&](std::size_t gb) {
      const std::vector<std::size_t>& m = b_members[gb];
      return m.size() == 1 && m[0] < r.ports.size();
    };
    for (std::size_t t = 0; t < terminals; ++t) {
      if (!Exists(t)) continue;
      const std::vector<std::size_t>& ma = a_members[ra[t]];
      if (ma[0] == t) {
        std::vector<std::size_t> parts;  // the macro's groups of this net
        std::size_t others = 0, own = 0;
        bool constant = false;
        for (std::size_t x : ma) {
          if (x < r.ports.size()) ++own;
          if (x >= supply_base_) constant = true;
          if (std::find(parts.begin(), parts.end(), rb[x]) != parts.end()) continue;
          parts.push_back(rb[x]);
          if (!own_port_alone(rb[x])) ++others;
        }
        if (parts.size() > 1) {
          // Own ports wired together, or an own port tied to a constant: the
          // import names the net after one of them and warns about the
          // others, which the format cannot join.
          if (others <= 1 && (own >= 2 || (own >= 1 && constant))) {
            ++result_.wired_ports;
          } else if (Room()) {
            std::string pieces;
            for (std::size_t k = 0; k < parts.size() && k < 3; ++k) {
              pieces += (k ? " / " : "") + Describe(b_members[parts[k]], b_name);
            }
            if (parts.size() > 3) pieces += " / ...";
            Report("netlist net " + Describe(ma, a_name) + " is split in the .mac: " + pieces);
          } else {
            Report("");
          }
        }
      }
      const std::vector<std::size_t>& mb = b_members[rb[t]];
      if (mb[0] == t) {
        std::vector<std::size_t> parts;
        for (std::size_t x : mb) {
          if (std::find(parts.begin(), parts.end(), ra[x]) == parts.end()) parts.push_back(ra[x]);
        }
        if (parts.size() > 1) {
          if (Room()) {
            std::string pieces;
            for (std::size_t k = 0; k < parts.size() && k < 3; ++k) {
              pieces += (k ? " / " : "") + Describe(a_members[parts[k]], a_name);
            }
            if (parts.size() > 3) pieces += " / ...";
            Report(".mac node " + Describe(mb, b_name) + " joins netlist nets " + pieces);
          } else {
            Report("");
          }
        }
      }
    }
    ++result_.cells;
  }

 private:
  std::size_t Terminal(int instance, int port) const {
    if (port < 0) return SIZE_MAX;
    if (instance < 0) return static_cast<std::size_t>(port);
    return offsets_[static_cast<std::size_t>(instance)] + static_cast<std::size_t>(port);
  }

  bool Exists(std::size_t t) const {
    if (t < r_->ports.size()) return !r_->ports[t].supply;
    return true;
  }

  std::string TerminalName(std::size_t t) const {
    if (t >= supply_base_) return kSupplies[t - supply_base_];
    if (t < r_->ports.size()) return "port " + r_->ports[t].name;
    std::size_t k = 0;
    while (k + 1 < offsets_.size() && offsets_[k + 1] <= t) ++k;
    const Instance& inst = r_->instances[k];
    const Cell& rc = nl_.cells[static_cast<std::size_t>(inst.cell)];
    return inst.name + "." + rc.ports[t - offsets_[k]].name;
  }

  // A group: its name and up to six members.
  std::string Describe(const std::vector<std::size_t>& members,
                       const std::vector<const std::string*>& names) const {
    std::string name;
    std::string shown;
    for (std::size_t k = 0; k < members.size(); ++k) {
      if (name.empty() && names[members[k]]) name = *names[members[k]];
      if (k < 6) shown += (k ? ", " : "") + TerminalName(members[k]);
    }
    if (members.size() > 6) shown += ", ... (" + std::to_string(members.size()) + " pins)";
    return "'" + (name.empty() ? std::string("-") : name) + "' {" + shown + "}";
  }

  // For instance k: the netlist port of each node position on its line.
  std::vector<int> InstancePins(std::size_t k) {
    const Instance& ri = r_->instances[k];
    const Instance& mi = m_->instances[k];
    std::vector<int> map;
    if (Lower(ri.name) != Lower(mi.name)) {
      Report("instance " + std::to_string(k + 1) + " is " + mi.name + " in the .mac, " + ri.name +
             " in the netlist");
    }
    if (ri.cell < 0) return map;
    const Cell& rc = nl_.cells[static_cast<std::size_t>(ri.cell)];
    if (mi.cell >= 0) {
      int matched = ref_of_macro_[static_cast<std::size_t>(mi.cell)];
      if (matched != ri.cell) {
        Report("instance " + ri.name + " is bound to macro " + mi.cell_name +
               " of another netlist cell (" + rc.library + " " + rc.name + " expected)");
      }
      std::vector<int> header = HeaderPorts(rc);
      std::size_t nodes = mac_.cells[static_cast<std::size_t>(mi.cell)].ports.size();
      map.assign(nodes, -1);
      for (std::size_t j = 0; j < nodes && j < header.size(); ++j) map[j] = header[j];
      if (nodes != header.size()) {
        Report("instance " + ri.name + ": macro " + mi.cell_name + " has " + std::to_string(nodes) +
               " ports, cell " + rc.name + " " + std::to_string(header.size()));
      }
      return map;
    }
    if (opt_.base) {
      auto it = opt_.base->find(Lower(mi.cell_name));
      if (it != opt_.base->end()) {
        for (const std::string& port : it->second) {
          int found = -1;
          for (std::size_t j = 0; j < rc.ports.size(); ++j) {
            if (Lower(rc.ports[j].name) == Lower(port)) found = static_cast<int>(j);
          }
          map.push_back(found);
        }
        return map;
      }
    }
    Report("instance " + ri.name + " uses macro " + mi.cell_name + ", defined nowhere");
    return map;
  }

  bool Room() const { return reports_ < opt_.max_reports_per_cell; }

  void Report(const std::string& what) {
    if (reports_++ < opt_.max_reports_per_cell) {
      result_.differences.push_back("cell " + r_->name + ": " + what);
    } else if (reports_ == opt_.max_reports_per_cell + 1) {
      result_.differences.push_back("cell " + r_->name + ": further differences not shown");
    }
  }

  const Netlist& nl_;
  const Netlist& mac_;
  const std::vector<int>& ref_of_macro_;
  const CompareOptions& opt_;
  CompareResult& result_;
  const Cell* r_ = nullptr;
  const Cell* m_ = nullptr;
  std::vector<std::size_t> offsets_;
  std::size_t supply_base_ = 0;
  std::size_t reports_ = 0;
};

}  // namespace

bool IsSupplyName(const std::string& name) { return SupplyIndex(name) >= 0; }

void SettleSupplyPorts(Netlist& nl) {
  for (bool changed = true; changed;) {
    changed = false;
    for (Cell& cell : nl.cells) {
      for (const Net& net : cell.nets) {
        // The node the macro file writes: the first own port's name, else
        // the net's; global only if it is a supply and no own pin of a
        // normal port names it.
        const Port* own = nullptr;
        for (const Pin& p : net.pins) {
          if (p.instance < 0 && !own) own = &cell.ports[static_cast<std::size_t>(p.port)];
        }
        const std::string& node = own ? own->name : net.name;
        const bool global = IsSupplyName(node) && (!own || own->supply);
        for (const Pin& p : net.pins) {
          if (p.instance < 0) continue;
          const int c = cell.instances[static_cast<std::size_t>(p.instance)].cell;
          if (c < 0) continue;
          Port& port = nl.cells[static_cast<std::size_t>(c)].ports[static_cast<std::size_t>(p.port)];
          if (port.supply && !(global && port.name == node)) {
            port.supply = false;
            changed = true;
          }
        }
      }
    }
  }
}

void RenameVccToVdd(Netlist& nl) {
  for (Cell& cell : nl.cells) {
    for (Port& port : cell.ports) {
      if (Lower(port.name) == "vcc") port.name = "VDD";
      port.supply = IsSupplyName(port.name);  // settled again below
    }
    for (Net& net : cell.nets) {
      if (Lower(net.name) == "vcc") net.name = "VDD";
    }
  }
  SettleSupplyPorts(nl);
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> w;
  std::istringstream in(line);
  std::string s;
  while (in >> s) w.push_back(s);
  return w;
}

std::string Lower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

CompareResult CompareConnectivity(const Netlist& nl, const Netlist& mac,
                                  const CompareOptions& opt) {
  CompareResult result;
  // Macros and cells in file order; a cell without a macro is a bottom
  // cell of the base file (or missing).
  std::vector<int> ref_of_macro(mac.cells.size(), -1);
  std::size_t next = 0;
  auto missing = [&](std::size_t upto) {
    for (; next < upto; ++next) {
      if (!opt.base) result.differences.push_back("cell " + nl.cells[next].name + " has no macro");
    }
  };
  for (std::size_t m = 0; m < mac.cells.size(); ++m) {
    std::size_t f = next;
    while (f < nl.cells.size() && Lower(nl.cells[f].name) != Lower(mac.cells[m].name)) ++f;
    if (f == nl.cells.size()) {
      result.differences.push_back("macro " + mac.cells[m].name + " has no netlist cell");
      continue;
    }
    missing(f);
    ref_of_macro[m] = static_cast<int>(f);
    next = f + 1;
  }
  missing(nl.cells.size());
  CellCompare cc(nl, mac, ref_of_macro, opt, result);
  for (std::size_t m = 0; m < mac.cells.size(); ++m) {
    if (ref_of_macro[m] < 0) continue;
    cc.Run(nl.cells[static_cast<std::size_t>(ref_of_macro[m])], mac.cells[m]);
  }
  return result;
}

}  // namespace netcheck
