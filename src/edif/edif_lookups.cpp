#include "edif/edif_lookups.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

#include "edif/flat_index.h"
#include "text/strings.h"

namespace kalvor {

bool NodesContain(std::string_view nodes, std::string_view node) {
  for (std::size_t at = nodes.find(node); at != std::string_view::npos;
       at = nodes.find(node, at + 1)) {
    if (at > 0 && nodes[at - 1] == ' ' && at + node.size() < nodes.size() &&
        nodes[at + node.size()] == ' ') {
      return true;
    }
  }
  return false;
}

std::optional<std::string> ScanRenameList(std::string_view list, std::string_view name) {
  std::string key;
  key.reserve(name.size() + 2);
  key.push_back(' ');
  key.append(name);
  key.push_back('=');
  std::size_t at = list.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view value = list.substr(at + key.size());
  return std::string(value.substr(0, value.find(' ')));
}

long EdifLookups::FindNetOfPort(const CellContents& cell, std::size_t instance,
                                std::string_view port) {
  std::string key = cell.instances[instance].name;
  key += '<';
  key += port;
  return FindNetWithNode(cell, key, 0);
}

namespace {

// Lower-cased names to the first entry holding them, filled as the table
// grows and dropped when it is emptied.
class NameIndex {
 public:
  template <typename Table, typename NameOf>
  long Find(const Table& table, unsigned generation, std::string_view name, NameOf name_of) {
    if (generation != generation_) {
      map_.Clear();
      indexed_ = 0;
      generation_ = generation;
    }
    for (; indexed_ < table.size(); ++indexed_) {
      Lower(name_of(table[indexed_]));
      if (map_.Find(key_) < 0) map_.Add(key_, static_cast<long>(indexed_));
    }
    Lower(name);
    return map_.Find(key_);
  }

 private:
  void Lower(std::string_view name) {
    key_.assign(name);
    for (char& c : key_) c = ToLowerAscii(c);
  }
  FlatIndex map_;
  std::string key_;
  std::size_t indexed_ = 0;
  unsigned generation_ = ~0u;
};

// The blank-separated words of every node list, each with the nets that
// hold it in ascending order (one link per occurrence).
class NodeIndex {
 public:
  long Find(const CellContents& cell, std::string_view node, long from) {
    Update(cell);
    long slot = slot_of_.Find(node);
    if (slot < 0) return -1;
    for (long i = slots_[static_cast<std::size_t>(slot)].head; i >= 0; i = links_[static_cast<std::size_t>(i)].next) {
      if (links_[static_cast<std::size_t>(i)].net >= from) return links_[static_cast<std::size_t>(i)].net;
    }
    return -1;
  }
  void Removed(const CellContents& cell, long net, std::string_view words) {
    Update(cell);
    ForEachWord(words, [&](std::string_view w) { Unlink(net, w); });
  }
  void Added(const CellContents& cell, long net, std::string_view words) {
    Update(cell);
    if (static_cast<std::size_t>(net) >= indexed_) return;  // indexed when reached
    ForEachWord(words, [&](std::string_view w) { Link(net, w, true); });
  }

 private:
  struct Link_ {
    long net;
    long next;
  };
  struct Slot {
    long head;
    long tail;
  };

  template <typename F>
  static void ForEachWord(std::string_view text, F f) {
    std::size_t i = 0;
    while (i < text.size()) {
      while (i < text.size() && text[i] == ' ') ++i;
      std::size_t start = i;
      while (i < text.size() && text[i] != ' ') ++i;
      if (i > start) f(text.substr(start, i - start));
    }
  }

  void Update(const CellContents& cell) {
    if (cell.generation != generation_) {
      slot_of_.Clear();
      slots_.clear();
      links_.clear();
      indexed_ = 0;
      generation_ = cell.generation;
    }
    if (indexed_ == 0 && !cell.nets.empty()) {
      // One word per portRef: size the table once.
      std::size_t words = 0;
      for (const Net& n : cell.nets) words += static_cast<std::size_t>(n.fanout > 0 ? n.fanout : 0);
      slot_of_.Reserve(words + 16);
      links_.reserve(words + 16);
    }
    for (; indexed_ < cell.nets.size(); ++indexed_) {
      long net = static_cast<long>(indexed_);
      ForEachWord(cell.nets[indexed_].nodes, [&](std::string_view w) { Link(net, w, false); });
    }
  }

  void Link(long net, std::string_view word, bool sorted_insert) {
    long k = static_cast<long>(links_.size());
    long found = slot_of_.Find(word);
    if (found < 0) {
      // Keys must outlive changes to the node lists they came from.
      slot_of_.Add(word, static_cast<long>(slots_.size()));
      links_.push_back({net, -1});
      slots_.push_back({k, k});
      return;
    }
    Slot& slot = slots_[static_cast<std::size_t>(found)];
    if (slot.head < 0) {
      links_.push_back({net, -1});
      slot.head = slot.tail = k;
      return;
    }
    if (!sorted_insert || links_[static_cast<std::size_t>(slot.tail)].net <= net) {
      links_.push_back({net, -1});
      links_[static_cast<std::size_t>(slot.tail)].next = k;
      slot.tail = k;
      return;
    }
    // An occurrence added below the last one: insert it in order.
    long prev = -1;
    long i = slot.head;
    while (i >= 0 && links_[static_cast<std::size_t>(i)].net <= net) {
      prev = i;
      i = links_[static_cast<std::size_t>(i)].next;
    }
    links_.push_back({net, i});
    if (prev < 0) {
      slot.head = k;
    } else {
      links_[static_cast<std::size_t>(prev)].next = k;
    }
  }

  void Unlink(long net, std::string_view word) {
    long found = slot_of_.Find(word);
    if (found < 0) return;
    Slot& slot = slots_[static_cast<std::size_t>(found)];
    long prev = -1;
    for (long i = slot.head; i >= 0; prev = i, i = links_[static_cast<std::size_t>(i)].next) {
      if (links_[static_cast<std::size_t>(i)].net != net) continue;
      long next = links_[static_cast<std::size_t>(i)].next;
      if (prev < 0) {
        slot.head = next;
      } else {
        links_[static_cast<std::size_t>(prev)].next = next;
      }
      if (slot.tail == i) slot.tail = prev;
      return;
    }
  }

  FlatIndex slot_of_;
  std::vector<Slot> slots_;
  std::vector<Link_> links_;
  std::size_t indexed_ = 0;
  unsigned generation_ = ~0u;
};

// The node words NAME<PORT of every node list, grouped by instance: for each
// instance (instances of the same name share one group) its ports with the
// nets that hold them, nets in ascending order. Built once per cell when the
// macro writer asks for the first port, anew after a node list changed.
class PortIndex {
 public:
  long Find(const CellContents& cell, std::size_t instance, std::string_view port) {
    Update(cell);
    long id = port_ids_.Find(port);
    if (id < 0) return -1;
    const std::uint32_t port_id = static_cast<std::uint32_t>(id);
    std::uint32_t group = group_of_[instance];
    auto begin = entries_.begin() + start_[group];
    auto end = entries_.begin() + start_[group + 1];
    if (end - begin > kScan) {
      auto it = std::lower_bound(begin, end, port_id,
                                 [](const Entry& e, std::uint32_t p) { return e.port < p; });
      return it != end && it->port == port_id ? static_cast<long>(it->net) : -1;
    }
    for (auto it = begin; it != end; ++it) {
      if (it->port == port_id) return static_cast<long>(it->net);
    }
    return -1;
  }
  void Invalidate() { built_ = false; }

 private:
  static constexpr long kScan = 16;  // groups up to this size are scanned in order
  struct Entry {
    std::uint32_t net;
    std::uint32_t port;  // number of the port name in port_ids_
  };
  struct Found {
    std::uint32_t group;
    Entry entry;
  };
  struct Pending {
    std::string_view word;
    std::size_t lt;  // the "<" that ends the instance name
    std::uint64_t hash;
  };

  void Update(const CellContents& cell) {
    if (built_ && cell.generation == generation_ && cell.nets.size() == nets_ &&
        cell.instances.size() == instances_) {
      return;
    }
    built_ = true;
    generation_ = cell.generation;
    nets_ = cell.nets.size();
    instances_ = cell.instances.size();
    names_.Clear();
    names_.Reserve(instances_);
    port_ids_.Clear();
    group_of_.resize(instances_);
    for (std::size_t i = 0; i < instances_; ++i) {
      group_of_[i] = static_cast<std::uint32_t>(
          names_.FindOrAdd(cell.instances[i].name, static_cast<long>(i)));
    }
    found_.clear();
    std::size_t refs = 0;  // about one word per portRef
    for (const Net& net : cell.nets) refs += static_cast<std::size_t>(net.fanout > 0 ? net.fanout : 0);
    found_.reserve(refs);
    for (std::size_t n = 0; n < nets_; ++n) {
      // The words of one net are looked up together: first every hash and
      // a prefetch of its slot, then the lookups.
      std::string_view text = cell.nets[n].nodes;
      pending_.clear();
      std::size_t i = 0;
      while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        std::size_t start = i;
        std::size_t first_lt = std::string_view::npos;
        std::size_t lts = 0;
        for (; i < text.size() && text[i] != ' '; ++i) {
          if (text[i] == '<' && lts++ == 0) first_lt = i - start;
        }
        // Every "<" of the word may end the instance name.
        std::string_view word = text.substr(start, i - start);
        for (std::size_t lt = first_lt; lt != std::string_view::npos;
             lt = lts > 1 ? word.find('<', lt + 1) : std::string_view::npos) {
          std::uint64_t h = HashBytes(word.substr(0, lt));
          names_.Prefetch(h);
          pending_.push_back({word, lt, h});
        }
      }
      for (const Pending& p : pending_) {
        long group = names_.Find(p.word.substr(0, p.lt), p.hash);
        if (group < 0) continue;
        long id = port_ids_.FindOrAdd(p.word.substr(p.lt + 1), static_cast<long>(port_ids_.size()));
        found_.push_back({static_cast<std::uint32_t>(group),
                          {static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(id)}});
      }
    }
    // Counting sort by group; stable, so nets stay ascending.
    start_.assign(instances_ + 1, 0);
    for (const Found& f : found_) ++start_[f.group + 1];
    for (std::size_t g = 0; g < instances_; ++g) start_[g + 1] += start_[g];
    entries_.resize(found_.size());
    std::vector<std::uint32_t> next(start_.begin(), start_.end() - 1);
    for (const Found& f : found_) entries_[next[f.group]++] = f.entry;
    // Large groups (instances with many ports) are searched by halving:
    // sorted by port, then net, so the first of a port has the lowest net.
    for (std::size_t g = 0; g < instances_; ++g) {
      auto begin = entries_.begin() + start_[g];
      auto end = entries_.begin() + start_[g + 1];
      if (end - begin <= kScan) continue;
      std::sort(begin, end, [](const Entry& a, const Entry& b) {
        return a.port != b.port ? a.port < b.port : a.net < b.net;
      });
    }
  }

  FlatIndex names_;     // instance names to their group
  FlatIndex port_ids_;  // port names to their number
  std::vector<std::uint32_t> group_of_;
  std::vector<std::uint32_t> start_;
  std::vector<Entry> entries_;
  std::vector<Found> found_;  // kept for the next cell
  std::vector<Pending> pending_;
  bool built_ = false;
  unsigned generation_ = ~0u;
  std::size_t nets_ = 0;
  std::size_t instances_ = 0;
};

class IndexedLookups : public EdifLookups {
 public:
  long FindCell(const CellTable& cells, std::string_view name) override {
    return cells_.Find(cells.entries, cells.generation, name,
                       [](const CellEntry& e) -> const std::string& { return e.name; });
  }
  long FindBaseMacro(const BaseMacroTable& base, std::string_view name) override {
    return macros_.Find(base.entries, base.generation, name,
                        [](const BaseMacro& e) -> const std::string& { return e.name; });
  }
  long FindNetByName(const CellContents& cell, std::string_view name) override {
    return nets_.Find(cell.nets, cell.generation, name,
                      [](const Net& n) -> const std::string& { return n.name; });
  }
  long FindNetWithNode(const CellContents& cell, std::string_view node, long from) override {
    if (node.find(' ') != std::string_view::npos || node.empty()) {
      // A node with a blank may straddle words: search the text itself.
      for (std::size_t i = static_cast<std::size_t>(from < 0 ? 0 : from); i < cell.nets.size(); ++i) {
        if (NodesContain(cell.nets[i].nodes, node)) return static_cast<long>(i);
      }
      return -1;
    }
    return nodes_.Find(cell, node, from);
  }
  long FindNetOfPort(const CellContents& cell, std::size_t instance,
                     std::string_view port) override {
    const std::string& name = cell.instances[instance].name;
    if (name.empty() || name.find(' ') != std::string::npos || port.empty() ||
        port.find(' ') != std::string_view::npos) {
      return EdifLookups::FindNetOfPort(cell, instance, port);
    }
    return ports_.Find(cell, instance, port);
  }
  void NodeRemoved(const CellContents& cell, long net, std::string_view node) override {
    nodes_.Removed(cell, net, node);
    ports_.Invalidate();
  }
  void NodeAdded(const CellContents& cell, long net, std::string_view node) override {
    nodes_.Added(cell, net, node);
    ports_.Invalidate();
  }
  std::optional<std::string> RenameValue(const BaseMacroTable& base,
                                         std::string_view name) override {
    if (base.rename_list.empty()) return std::nullopt;
    if (base.generation != rename_generation_ || base.rename_list.size() != rename_size_) {
      renames_.clear();
      rename_generation_ = base.generation;
      rename_size_ = base.rename_list.size();
    }
    key_.assign(name);
    auto it = renames_.find(key_);
    if (it != renames_.end()) return it->second;
    std::optional<std::string> value = ScanRenameList(base.rename_list, name);
    renames_.emplace(key_, value);
    return value;
  }

 private:
  NameIndex cells_;
  NameIndex macros_;
  NameIndex nets_;
  NodeIndex nodes_;
  PortIndex ports_;
  std::unordered_map<std::string, std::optional<std::string>> renames_;
  unsigned rename_generation_ = ~0u;
  std::size_t rename_size_ = 0;
  std::string key_;
};

}  // namespace

std::unique_ptr<EdifLookups> MakeIndexedLookups() {
  return std::make_unique<IndexedLookups>();
}

}  // namespace kalvor
