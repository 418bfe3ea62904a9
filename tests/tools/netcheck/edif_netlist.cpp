#include "edif_netlist.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <unordered_map>

namespace netcheck {

namespace {

// A list or an atom of the file. Lists keep their children as indices.
struct Node {
  std::string_view atom;  // empty for a list
  std::vector<std::uint32_t> kids;
  bool list = false;
};

class Tree {
 public:
  explicit Tree(const std::string& text) : text_(text) {}

  // Parses the first list of the text; false on a ")" too many. Lists left
  // open at the end of the text count as closed there (`open_at_end`).
  bool Parse() {
    std::vector<std::uint32_t> stack;
    std::size_t i = 0;
    const std::size_t n = text_.size();
    while (i < n) {
      char c = text_[i];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0') {
        ++i;
      } else if (c == '(') {
        std::uint32_t id = Add(Node{{}, {}, true});
        if (!stack.empty()) nodes_[stack.back()].kids.push_back(id);
        stack.push_back(id);
        ++i;
      } else if (c == ')') {
        if (stack.empty()) return false;
        stack.pop_back();
        ++i;
        if (stack.empty()) return true;
      } else {
        std::size_t j = i + 1;
        if (c == '"') {
          while (j < n && text_[j] != '"') ++j;
          if (j < n) ++j;
        } else {
          while (j < n && !IsEnd(text_[j])) ++j;
        }
        std::uint32_t id = Add(Node{std::string_view(text_).substr(i, j - i), {}, false});
        if (!stack.empty()) nodes_[stack.back()].kids.push_back(id);
        i = j;
      }
    }
    open_at_end = stack.size();
    return !nodes_.empty();
  }
  std::size_t open_at_end = 0;

  const Node& at(std::uint32_t id) const { return nodes_[id]; }
  std::uint32_t root() const { return 0; }

  // The keyword of a list, lower case; empty for atoms.
  std::string Head(std::uint32_t id) const {
    const Node& n = nodes_[id];
    if (!n.list || n.kids.empty() || nodes_[n.kids[0]].list) return {};
    return Lower(std::string(nodes_[n.kids[0]].atom));
  }

 private:
  static bool IsEnd(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '(' || c == ')' || c == '"' ||
           c == '\0';
  }
  std::uint32_t Add(Node n) {
    nodes_.push_back(std::move(n));
    return static_cast<std::uint32_t>(nodes_.size() - 1);
  }
  const std::string& text_;
  std::vector<Node> nodes_;
};

std::string Unquote(std::string_view s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
  return std::string(s);
}

// A name definition: identifier, (name id ...), (rename id-or-name "text"),
// or an (array nameDef size ...) around one of these.
struct NameDef {
  std::string id;    // as written
  std::string text;  // the rename text, else the identifier
  bool array = false;
  long size = 1;
};

NameDef ReadNameDef(const Tree& t, std::uint32_t id) {
  NameDef d;
  const Node& n = t.at(id);
  if (!n.list) {
    d.id = std::string(n.atom);
    d.text = d.id;
    return d;
  }
  std::string head = t.Head(id);
  if (head == "name" && n.kids.size() >= 2) return ReadNameDef(t, n.kids[1]);
  if (head == "rename" && n.kids.size() >= 2) {
    d = ReadNameDef(t, n.kids[1]);
    if (n.kids.size() >= 3) {
      const Node& s = t.at(n.kids[2]);
      if (!s.list) {
        d.text = Unquote(s.atom);
      } else if (s.kids.size() >= 2) {  // (stringDisplay "text" ...)
        d.text = Unquote(t.at(s.kids[1]).atom);
      }
    }
    return d;
  }
  if (head == "array" && n.kids.size() >= 3) {
    d = ReadNameDef(t, n.kids[1]);
    d.array = true;
    d.size = std::strtol(std::string(t.at(n.kids[2]).atom).c_str(), nullptr, 10);
    return d;
  }
  return d;
}

// Whether the bits of a bus run from the highest index down: the last
// index group of its text ([a:b], (a:b), <a:b>, [a..b]) decides; a bus
// without a range counts as [size-1:0].
struct Range {
  bool found = false;
  long left = 0;
  long right = 0;
};

Range LastRange(const std::string& text) {
  Range r;
  static const std::string opens = "[(<";
  static const std::string closes = "])>";
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  if (end == 0) return r;
  std::size_t k = closes.find(text[end - 1]);
  if (k == std::string::npos) return r;
  std::size_t open = text.rfind(opens[k], end - 1);
  if (open == std::string::npos) return r;
  std::string inside = text.substr(open + 1, end - 1 - open - 1);
  std::size_t sep = inside.find(':');
  std::size_t sep_len = 1;
  if (sep == std::string::npos) {
    sep = inside.find("..");
    sep_len = 2;
  }
  auto number = [](const std::string& s, long& v) {
    if (s.empty()) return false;
    std::size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size()) return false;
    for (std::size_t j = i; j < s.size(); ++j) {
      if (s[j] < '0' || s[j] > '9') return false;
    }
    v = std::strtol(s.c_str(), nullptr, 10);
    return true;
  };
  if (sep == std::string::npos) {
    if (!number(inside, r.left)) return r;
    r.right = r.left;
  } else if (!number(inside.substr(0, sep), r.left) ||
             !number(inside.substr(sep + sep_len), r.right)) {
    return r;
  }
  r.found = true;
  return r;
}

// A port of a cell as declared: where its bits stand in the cell's port list.
struct PortDecl {
  int first = 0;  // position of its first bit in the header order
  long size = 1;
  bool array = false;
  bool descending = true;  // bits in the header run from the last member to the first
};

struct CellInfo {
  std::uint32_t node = 0;
  std::string library;  // lower case
  std::unordered_map<std::string, PortDecl> ports;  // by lower-case identifier
  bool inferred = false;  // a cell the file never defines: ports as its instances use them
  // Ports its interface joins inside (joined lists there): per group the
  // positions of its bits, one group per list and member.
  std::vector<std::vector<int>> inside;
};

class Reader {
 public:
  Reader(const Tree& t, Netlist& out) : t_(t), out_(out) {}

  void Run() {
    // Libraries and the design list wherever they stand (a writer that
    // leaves a list open nests them deeper than the top level).
    std::vector<std::uint32_t> libraries, designs, todo{t_.root()};
    while (!todo.empty()) {
      std::uint32_t k = todo.back();
      todo.pop_back();
      std::string head = t_.Head(k);
      if (head == "library" || head == "external") {
        libraries.push_back(k);
        continue;
      }
      if (head == "design") {
        designs.push_back(k);
        continue;
      }
      const Node& n = t_.at(k);
      for (auto it = n.kids.rbegin(); it != n.kids.rend(); ++it) {
        if (t_.at(*it).list) todo.push_back(*it);
      }
    }
    // First every cell with its interface, so that instances may refer to
    // cells in any order; then the contents.
    for (std::uint32_t k : libraries) ReadLibrary(k);
    const std::size_t defined = out_.cells.size();
    for (std::size_t c = 0; c < defined; ++c) ReadContents(static_cast<int>(c));
    InferredFirst(defined);
    for (std::uint32_t k : designs) {
      for (std::uint32_t d : t_.at(k).kids) {
        if (t_.Head(d) == "cellref" && t_.at(d).kids.size() >= 2 && out_.top.empty()) {
          out_.top = ReadNameDef(t_, t_.at(d).kids[1]).id;
        }
      }
    }
  }

 private:
  void Problem(const std::string& what) { out_.problems.push_back(what); }

  // The cell an instance of a cell the file never defines stands for.
  int Inferred(const std::string& name) {
    std::string key = "\n\n" + Lower(name);
    auto it = by_name_.find(key);
    if (it != by_name_.end()) return it->second;
    by_name_.emplace(key, static_cast<int>(out_.cells.size()));
    Cell cell;
    cell.name = name;
    out_.cells.push_back(std::move(cell));
    CellInfo info;
    info.inferred = true;
    infos_.push_back(std::move(info));
    return static_cast<int>(out_.cells.size()) - 1;
  }

  // Inferred cells are written before all others: cells [defined, end)
  // move to the front.
  void InferredFirst(std::size_t defined) {
    const std::size_t n = out_.cells.size();
    if (n == defined) return;
    std::vector<int> moved(n);
    for (std::size_t c = 0; c < n; ++c) {
      moved[c] = static_cast<int>(c < defined ? c + (n - defined) : c - defined);
    }
    std::rotate(out_.cells.begin(), out_.cells.begin() + static_cast<long>(defined), out_.cells.end());
    for (Cell& cell : out_.cells) {
      for (Instance& inst : cell.instances) {
        if (inst.cell >= 0) inst.cell = moved[static_cast<std::size_t>(inst.cell)];
      }
    }
  }

  void ReadLibrary(std::uint32_t lib) {
    const Node& n = t_.at(lib);
    if (n.kids.size() < 2) return;
    const std::string written = ReadNameDef(t_, n.kids[1]).id;
    std::string lib_name = Lower(written);
    for (std::uint32_t k : n.kids) {
      if (t_.Head(k) == "cell") ReadInterface(k, lib_name, written);
    }
  }

  // The first view of a cell (the one holding contents when another view
  // has none is the same in every file seen).
  std::uint32_t ChosenView(std::uint32_t cell) const {
    std::uint32_t first = 0;
    bool have = false;
    for (std::uint32_t k : t_.at(cell).kids) {
      if (t_.Head(k) != "view") continue;
      if (!have) {
        first = k;
        have = true;
      }
    }
    return have ? first : cell;
  }

  // The macro a cell of a library is written as: its own name, unless a
  // cell of another library wrote that name first; then NAME_LIB (at most
  // 60 characters, but the whole name and a character of the library's),
  // with _2, _3, ... after it while that is taken too. A library's second
  // cell of a name is written under the first one's macro.
  std::string MacroName(const std::string& name, const std::string& lib, const std::string& lib_written) {
    const std::string key = lib + "\n" + Lower(name);
    auto known = macro_of_.find(key);
    if (known != macro_of_.end()) return known->second;
    std::string macro = name;
    auto owner = owner_of_.find(Lower(name));
    if (owner != owner_of_.end() && !owner->second.empty() && !lib.empty() && owner->second != lib) {
      std::string base = name + "_" + lib_written;
      if (base.size() > 60) base = base.substr(0, std::max<std::size_t>(60, name.size() + 2));
      macro = base;
      for (int k = 2; owner_of_.count(Lower(macro)); ++k) macro = base + "_" + std::to_string(k);
    }
    macro_of_.emplace(key, macro);
    owner_of_.emplace(Lower(macro), lib);
    return macro;
  }

  void ReadInterface(std::uint32_t cell_node, const std::string& lib, const std::string& lib_written) {
    const Node& n = t_.at(cell_node);
    if (n.kids.size() < 2) return;
    Cell cell;
    const std::string file_name = ReadNameDef(t_, n.kids[1]).id;
    cell.name = MacroName(file_name, lib, lib_written);
    cell.library = lib;
    CellInfo info;
    info.node = cell_node;
    info.library = lib;
    std::uint32_t view = ChosenView(cell_node);
    for (std::uint32_t v : t_.at(view).kids) {
      if (t_.Head(v) != "interface") continue;
      for (std::uint32_t p : t_.at(v).kids) {
        if (t_.Head(p) != "port" || t_.at(p).kids.size() < 2) continue;
        NameDef d = ReadNameDef(t_, t_.at(p).kids[1]);
        PortDecl decl;
        decl.first = static_cast<int>(cell.ports.size());
        decl.array = d.array;
        decl.size = d.array ? d.size : 1;
        if (decl.size < 1 || decl.size > 1000000) {
          Problem("cell " + cell.name + ": port " + d.id + " has a bad size");
          decl.size = 1;
        }
        Range r = LastRange(d.text);
        decl.descending = !r.found || r.left >= r.right;
        if (!d.array) {
          cell.ports.push_back({d.id, IsSupplyName(d.id)});
        } else {
          // Header order: lowest index first.
          for (long pos = 0; pos < decl.size; ++pos) {
            long member = decl.descending ? decl.size - 1 - pos : pos;
            long left = r.found ? r.left : decl.size - 1;
            long index = (r.found && r.left < r.right) ? left + member : left - member;
            cell.ports.push_back({d.id + "[" + std::to_string(index) + "]", false});
          }
        }
        std::string key = Lower(d.id);
        if (info.ports.count(key)) Problem("cell " + cell.name + ": port " + d.id + " declared twice");
        info.ports.emplace(key, decl);
      }
      for (std::uint32_t j : t_.at(v).kids) {
        if (t_.Head(j) == "joined") ReadInsideJoin(cell, info, j);
      }
    }
    std::string key = lib + "\n" + Lower(file_name);
    if (!by_name_.count(key)) by_name_.emplace(key, static_cast<int>(out_.cells.size()));
    first_by_name_.emplace(Lower(file_name), static_cast<int>(out_.cells.size()));
    out_.cells.push_back(std::move(cell));
    infos_.push_back(std::move(info));
  }

  // A joined list of an interface: its ports are one node inside the cell,
  // a whole array member by member.
  void ReadInsideJoin(const Cell& cell, CellInfo& info, std::uint32_t joined) {
    std::vector<const PortDecl*> decls;
    std::vector<int> single;
    long members = 1;
    for (std::uint32_t r : t_.at(joined).kids) {
      if (t_.Head(r) != "portref" || t_.at(r).kids.size() < 2) continue;
      const Node& ref = t_.at(t_.at(r).kids[1]);
      std::string id;
      long member = -1;
      if (!ref.list) {
        id = std::string(ref.atom);
      } else if (t_.Head(t_.at(r).kids[1]) == "member" && ref.kids.size() >= 3) {
        id = ReadNameDef(t_, ref.kids[1]).id;
        member = std::strtol(std::string(t_.at(ref.kids[2]).atom).c_str(), nullptr, 10);
      }
      auto it = info.ports.find(Lower(id));
      if (it == info.ports.end()) {
        Problem("cell " + cell.name + ": joined names unknown port " + id);
        continue;
      }
      const PortDecl& d = it->second;
      if (d.array && member < 0) {
        decls.push_back(&d);
        members = std::max(members, d.size);
      } else if (!d.array || member < d.size) {
        single.push_back(d.array ? d.first + static_cast<int>(d.descending ? d.size - 1 - member : member)
                                 : d.first);
      }
    }
    for (long m = 0; m < members; ++m) {
      std::vector<int> group = single;
      for (const PortDecl* d : decls) {
        if (m < d->size) group.push_back(d->first + static_cast<int>(d->descending ? d->size - 1 - m : m));
      }
      if (group.size() > 1) info.inside.push_back(std::move(group));
    }
  }

  // The cell a (cellRef NAME (libraryRef LIB)) names; -1 if none.
  int FindCellRef(std::uint32_t ref, const std::string& current_lib) const {
    const Node& n = t_.at(ref);
    if (n.kids.size() < 2) return -1;
    std::string name = Lower(ReadNameDef(t_, n.kids[1]).id);
    std::string lib = current_lib;
    for (std::uint32_t k : n.kids) {
      if (t_.Head(k) == "libraryref" && t_.at(k).kids.size() >= 2) {
        lib = Lower(ReadNameDef(t_, t_.at(k).kids[1]).id);
      }
    }
    auto it = by_name_.find(lib + "\n" + name);
    if (it != by_name_.end()) return it->second;
    // Not in that library: the first cell of the name in any.
    it = first_by_name_.find(name);
    return it == first_by_name_.end() ? -1 : it->second;
  }

  // Position of a port reference (an identifier or (member ID INDEX)) in
  // the port list of `cell`; -1 if it names none.
  int PortPosition(int cell, std::uint32_t ref, std::string& shown) {
    const Node& n = t_.at(ref);
    std::string id;
    long member = -1;
    if (!n.list) {
      id = std::string(n.atom);
    } else if (t_.Head(ref) == "member" && n.kids.size() >= 3) {
      id = ReadNameDef(t_, n.kids[1]).id;
      member = std::strtol(std::string(t_.at(n.kids[2]).atom).c_str(), nullptr, 10);
    } else if (t_.Head(ref) == "name" && n.kids.size() >= 2) {
      id = ReadNameDef(t_, n.kids[1]).id;
    }
    shown = id;
    if (cell < 0) return -1;
    CellInfo& info = infos_[static_cast<std::size_t>(cell)];
    if (info.inferred) {
      // A port per name as the reference spells it (a member as one name).
      std::string port = member < 0 ? id : id + std::string(t_.at(n.kids[2]).atom);
      auto [at, added] = info.ports.emplace(Lower(port), PortDecl());
      Cell& c = out_.cells[static_cast<std::size_t>(cell)];
      if (added) {
        at->second.first = static_cast<int>(c.ports.size());
        c.ports.push_back({port, IsSupplyName(port)});
      }
      return at->second.first;
    }
    auto it = info.ports.find(Lower(id));
    if (it == info.ports.end()) return -1;
    const PortDecl& d = it->second;
    if (!d.array) return member < 0 ? d.first : -1;
    if (member < 0 || member >= d.size) return -1;
    return d.first + static_cast<int>(d.descending ? d.size - 1 - member : member);
  }

  void ReadContents(int c) {
    // Copies: an inferred cell added on the way moves the tables.
    const std::uint32_t node = infos_[static_cast<std::size_t>(c)].node;
    const std::string library = infos_[static_cast<std::size_t>(c)].library;
    // Contents of every view count: the first view holds them in every
    // netlist seen; a schematic's pages hold them one level deeper.
    std::unordered_map<std::string, int> instance_index;
    std::vector<std::uint32_t> nets;
    std::unordered_map<std::string, int> connectors;  // off-page, by lower-case name
    std::vector<std::uint32_t> todo;
    for (std::uint32_t v : t_.at(node).kids) {
      if (t_.Head(v) == "view") todo.push_back(v);
    }
    while (!todo.empty()) {
      std::uint32_t k = todo.back();
      todo.pop_back();
      const Node& n = t_.at(k);
      for (auto it = n.kids.rbegin(); it != n.kids.rend(); ++it) {
        std::string head = t_.Head(*it);
        if (head == "contents" || head == "page") todo.push_back(*it);
      }
      if (t_.Head(k) != "contents" && t_.Head(k) != "page") continue;
      for (std::uint32_t x : n.kids) {
        std::string head = t_.Head(x);
        if (head == "instance" && t_.at(x).kids.size() >= 2) {
          Instance inst;
          NameDef d = ReadNameDef(t_, t_.at(x).kids[1]);
          inst.name = d.id;
          if (d.array) {
            Problem("cell " + out_.cells[static_cast<std::size_t>(c)].name + ": instance array " +
                    d.id + " not read");
          }
          std::vector<std::uint32_t> look(t_.at(x).kids.begin() + 1, t_.at(x).kids.end());
          while (!look.empty()) {
            std::uint32_t y = look.back();
            look.pop_back();
            std::string h = t_.Head(y);
            if (h == "viewref") {
              for (std::uint32_t z : t_.at(y).kids) look.push_back(z);
            } else if (h == "cellref") {
              inst.cell = FindCellRef(y, library);
              inst.cell_name = ReadNameDef(t_, t_.at(y).kids[1]).id;
            }
          }
          if (inst.cell < 0 && !inst.cell_name.empty()) {
            inst.cell = Inferred(inst.cell_name);
          }
          Cell& cell = out_.cells[static_cast<std::size_t>(c)];
          std::string key = Lower(inst.name);
          if (instance_index.count(key)) {
            Problem("cell " + cell.name + ": instance " + inst.name + " declared twice");
          } else {
            instance_index.emplace(key, static_cast<int>(cell.instances.size()));
          }
          cell.instances.push_back(std::move(inst));
        } else if (head == "net") {
          nets.push_back(x);
        } else if (head == "offpageconnector" && t_.at(x).kids.size() >= 2) {
          connectors.emplace(Lower(ReadNameDef(t_, t_.at(x).kids[1]).id), -1);
        }
      }
    }
    for (std::uint32_t x : nets) ReadNet(c, x, instance_index, connectors);
    // Pins of an instance on ports its cell joins inside: by the group's
    // first port.
    std::map<std::pair<int, int>, int> inside;
    const Cell& cell = out_.cells[static_cast<std::size_t>(c)];
    for (std::size_t i = 0; i < cell.instances.size(); ++i) {
      const int ic = cell.instances[i].cell;
      if (ic < 0) continue;
      // Lists that share a port make one group.
      std::map<int, int> up;
      auto root = [&](int x) {
        while (up[x] != x) x = up[x];
        return x;
      };
      for (const std::vector<int>& group : infos_[static_cast<std::size_t>(ic)].inside) {
        for (int port : group) up.emplace(port, port);
        for (int port : group) {
          const int a = root(group[0]), b = root(port);
          if (a != b) up[b] = a;
        }
      }
      for (const auto& entry : up) inside.emplace(std::make_pair(static_cast<int>(i), entry.first), root(entry.first));
    }
    JoinSharedPins(out_.cells[static_cast<std::size_t>(c)], inside);
  }

  // Nets that share a pin (of an instance or of the cell itself) are one
  // net: its pins those of its nets in file order, its name the first
  // one's with a pin of the cell itself, else the first one's named like
  // a supply (or VCC), else the first one's. Nets on ports an instance's
  // cell joins inside (`inside`: pin to the group's port) are one net too.
  static void JoinSharedPins(Cell& cell, const std::map<std::pair<int, int>, int>& inside) {
    const std::size_t n = cell.nets.size();
    std::vector<std::size_t> root(n);
    for (std::size_t i = 0; i < n; ++i) root[i] = i;
    auto find = [&](std::size_t x) {
      while (root[x] != x) x = root[x] = root[root[x]];
      return x;
    };
    std::map<std::pair<int, int>, std::size_t> first_net, first_inside;
    bool any = false;
    auto unite = [&](std::size_t a, std::size_t b) {
      a = find(a);
      b = find(b);
      if (a == b) return;
      root[std::max(a, b)] = std::min(a, b);
      any = true;
    };
    for (std::size_t i = 0; i < n; ++i) {
      for (const Pin& p : cell.nets[i].pins) {
        auto group = inside.find(std::make_pair(p.instance, p.port));
        if (group != inside.end()) {
          auto [at, added] = first_inside.emplace(std::make_pair(p.instance, group->second), i);
          if (!added) unite(at->second, i);
        }
        auto [at, added] = first_net.emplace(std::make_pair(p.instance, p.port), i);
        if (!added) unite(at->second, i);
      }
    }
    if (!any) return;
    auto rank = [&](const Net& net) {
      for (const Pin& p : net.pins) {
        if (p.instance < 0) return 2;
      }
      return IsSupplyName(net.name) || Lower(net.name) == "vcc" ? 1 : 0;
    };
    std::vector<Net> joined;
    std::vector<std::size_t> place(n);
    std::vector<int> best(n, -1);
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t r = find(i);
      if (r == i) {
        place[i] = joined.size();
        joined.push_back(Net{cell.nets[i].name, {}});
        best[i] = rank(cell.nets[i]);
      } else if (rank(cell.nets[i]) > best[r]) {
        best[r] = rank(cell.nets[i]);
        joined[place[r]].name = cell.nets[i].name;
      }
      std::vector<Pin>& into = joined[place[r]].pins;
      into.insert(into.end(), cell.nets[i].pins.begin(), cell.nets[i].pins.end());
    }
    cell.nets = std::move(joined);
  }

  // A net joined to an off-page connector is one net with every other net
  // joined to it (the connector's own port of the same name, in the macro
  // file); `connectors`: by lower-case name, the first such net or -1.
  void ReadNet(int c, std::uint32_t x, const std::unordered_map<std::string, int>& instances,
               std::unordered_map<std::string, int>& connectors) {
    Cell& cell = out_.cells[static_cast<std::size_t>(c)];
    const Node& n = t_.at(x);
    if (n.kids.size() < 2) return;
    int joined_to = -1;  // the net this one is part of, through a connector
    Net net;
    const NameDef def = ReadNameDef(t_, n.kids[1]);
    net.name = def.id;
    // A net array: member m of it is member m of every array on it.
    std::vector<Net> members(def.array ? static_cast<std::size_t>(std::max(def.size, 1L)) : 0);
    for (std::size_t m = 0; m < members.size(); ++m) members[m].name = def.id + "[" + std::to_string(m) + "]";
    for (std::uint32_t j : n.kids) {
      if (t_.Head(j) != "joined") continue;
      for (std::uint32_t r : t_.at(j).kids) {
        std::string head = t_.Head(r);
        if (head == "portlist") {
          Problem("cell " + cell.name + ": net " + net.name + " has a portList");
          continue;
        }
        if (head != "portref" || t_.at(r).kids.size() < 2) continue;
        Pin pin;
        int target = c;
        for (std::uint32_t y : t_.at(r).kids) {
          if (t_.Head(y) != "instanceref" || t_.at(y).kids.size() < 2) continue;
          std::string inst = Lower(ReadNameDef(t_, t_.at(y).kids[1]).id);
          auto it = instances.find(inst);
          if (it == instances.end()) {
            Problem("cell " + cell.name + ": net " + net.name + " names unknown instance " + inst);
            target = -2;
          } else {
            pin.instance = it->second;
            target = cell.instances[static_cast<std::size_t>(it->second)].cell;
          }
        }
        if (target == -2) continue;
        if (!members.empty()) {
          const Node& ref = t_.at(t_.at(r).kids[1]);
          const PortDecl* d = nullptr;
          if (!ref.list && target >= 0) {
            const CellInfo& info = infos_[static_cast<std::size_t>(target)];
            auto it = info.ports.find(Lower(std::string(ref.atom)));
            if (it != info.ports.end()) d = &it->second;
          }
          if (!d || !d->array || d->size != static_cast<long>(members.size())) {
            Problem("cell " + cell.name + ": net array " + net.name + " names " +
                    (ref.list ? std::string("a part of a port") : "port " + std::string(ref.atom)) +
                    ", not an array of its size");
            continue;
          }
          for (std::size_t m = 0; m < members.size(); ++m) {
            pin.port = d->first + static_cast<int>(d->descending ? d->size - 1 - static_cast<long>(m)
                                                                 : static_cast<long>(m));
            members[m].pins.push_back(pin);
          }
          continue;
        }
        std::string shown;
        pin.port = PortPosition(target, t_.at(r).kids[1], shown);
        if (pin.port < 0) {
          auto connector = connectors.end();
          if (target == c && pin.instance < 0) connector = connectors.find(Lower(shown));
          if (connector != connectors.end()) {
            if (connector->second < 0) connector->second = static_cast<int>(cell.nets.size());
            if (joined_to < 0) joined_to = connector->second;
          } else if (target >= 0) {
            Problem("cell " + cell.name + ": net " + net.name + " names unknown port " + shown);
          }
          continue;
        }
        net.pins.push_back(pin);
      }
    }
    if (!members.empty()) {
      for (Net& m : members) cell.nets.push_back(std::move(m));
      return;
    }
    if (joined_to >= 0 && joined_to < static_cast<int>(cell.nets.size())) {
      std::vector<Pin>& into = cell.nets[static_cast<std::size_t>(joined_to)].pins;
      into.insert(into.end(), net.pins.begin(), net.pins.end());
      return;
    }
    cell.nets.push_back(std::move(net));
  }

  const Tree& t_;
  Netlist& out_;
  std::vector<CellInfo> infos_;
  std::unordered_map<std::string, int> by_name_;
  std::unordered_map<std::string, int> first_by_name_;  // lower-case name: its first cell
  std::unordered_map<std::string, std::string> macro_of_;  // "lib\nname", lower case: its macro
  std::unordered_map<std::string, std::string> owner_of_;  // lower-case macro: the library that took it
};

}  // namespace

bool ParseEdifNetlist(const std::string& text, Netlist& out) {
  Tree tree(text);
  if (!tree.Parse()) {
    out.problems.push_back("unbalanced parentheses");
    return false;
  }
  if (tree.open_at_end) out.notes.push_back("the file ends inside open lists; closed there");
  Reader(tree, out).Run();
  SettleSupplyPorts(out);
  return true;
}

bool ReadEdifNetlist(const std::string& path, Netlist& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  return ParseEdifNetlist(s.str(), out);
}

}  // namespace netcheck
