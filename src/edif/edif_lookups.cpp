#include "edif/edif_lookups.h"

#include <memory>
#include <unordered_map>
#include <vector>

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

namespace {

// Copies of strings that keep their address until Reset.
class Arena {
 public:
  std::string_view Copy(std::string_view s) {
    if (s.size() > room_) {
      std::size_t size = s.size() > kBlock / 4 ? s.size() : kBlock;
      blocks_.push_back(std::make_unique<char[]>(size));
      next_ = blocks_.back().get();
      room_ = size;
    }
    char* at = next_;
    std::copy(s.begin(), s.end(), at);
    next_ += s.size();
    room_ -= s.size();
    return std::string_view(at, s.size());
  }
  void Reset() {
    blocks_.clear();
    next_ = nullptr;
    room_ = 0;
  }

 private:
  static constexpr std::size_t kBlock = 1 << 20;
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* next_ = nullptr;
  std::size_t room_ = 0;
};

// Lower-cased names to the first entry holding them, filled as the table
// grows and dropped when it is emptied.
class NameIndex {
 public:
  template <typename Table, typename NameOf>
  long Find(const Table& table, unsigned generation, std::string_view name, NameOf name_of) {
    if (generation != generation_) {
      map_.clear();
      indexed_ = 0;
      generation_ = generation;
    }
    for (; indexed_ < table.size(); ++indexed_) {
      map_.emplace(ToLower(name_of(table[indexed_])), static_cast<long>(indexed_));
    }
    key_.assign(name);
    for (char& c : key_) c = ToLowerAscii(c);
    auto it = map_.find(key_);
    return it == map_.end() ? -1 : it->second;
  }

 private:
  std::unordered_map<std::string, long> map_;
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
    auto it = heads_.find(node);
    if (it == heads_.end()) return -1;
    for (long i = it->second; i >= 0; i = links_[i].next) {
      if (links_[i].net >= from) return links_[i].net;
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
      heads_.clear();
      tails_.clear();
      links_.clear();
      arena_.Reset();
      indexed_ = 0;
      generation_ = cell.generation;
    }
    for (; indexed_ < cell.nets.size(); ++indexed_) {
      long net = static_cast<long>(indexed_);
      ForEachWord(cell.nets[indexed_].nodes, [&](std::string_view w) { Link(net, w, false); });
    }
  }

  void Link(long net, std::string_view word, bool sorted_insert) {
    long k = static_cast<long>(links_.size());
    auto it = heads_.find(word);
    if (it == heads_.end()) {
      std::string_view key = arena_.Copy(word);
      links_.push_back({net, -1});
      heads_.emplace(key, k);
      tails_.emplace(key, k);
      return;
    }
    long& tail = tails_.find(word)->second;
    if (!sorted_insert || links_[tail].net <= net) {
      links_.push_back({net, -1});
      links_[tail].next = k;
      tail = k;
      return;
    }
    // An occurrence added below the last one: insert it in order.
    long prev = -1;
    long i = it->second;
    while (i >= 0 && links_[i].net <= net) {
      prev = i;
      i = links_[i].next;
    }
    links_.push_back({net, i});
    if (prev < 0) {
      it->second = k;
    } else {
      links_[prev].next = k;
    }
  }

  void Unlink(long net, std::string_view word) {
    auto it = heads_.find(word);
    if (it == heads_.end()) return;
    long prev = -1;
    for (long i = it->second; i >= 0; prev = i, i = links_[i].next) {
      if (links_[i].net != net) continue;
      long next = links_[i].next;
      auto tail = tails_.find(word);
      if (tail->second == i) tail->second = prev >= 0 ? prev : next;
      if (prev < 0) {
        if (next < 0) {
          heads_.erase(it);
          tails_.erase(tail);
        } else {
          it->second = next;
        }
      } else {
        links_[prev].next = next;
      }
      return;
    }
  }

  std::unordered_map<std::string_view, long> heads_;
  std::unordered_map<std::string_view, long> tails_;
  std::vector<Link_> links_;
  Arena arena_;
  std::size_t indexed_ = 0;
  unsigned generation_ = ~0u;
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
  void NodeRemoved(const CellContents& cell, long net, std::string_view node) override {
    nodes_.Removed(cell, net, node);
  }
  void NodeAdded(const CellContents& cell, long net, std::string_view node) override {
    nodes_.Added(cell, net, node);
  }
  std::optional<std::string> RenameValue(const BaseMacroTable& base,
                                         std::string_view name) override {
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
