#include "edif/edif_lookups.h"

#include <cstdint>
#include <cstring>
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
    char* at = Room(s.size());
    std::copy(s.begin(), s.end(), at);
    return std::string_view(at, s.size());
  }
  char* Room(std::size_t n) {
    if (n > room_) {
      std::size_t size = n > kBlock / 4 ? n : kBlock;
      blocks_.push_back(std::unique_ptr<char[]>(new char[size]));
      next_ = blocks_.back().get();
      room_ = size;
    }
    char* at = next_;
    next_ += n;
    room_ -= n;
    return at;
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

std::uint64_t HashBytes(std::string_view s) {
  std::uint64_t h = 0xcbf29ce484222325ull ^ s.size();
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, s.data() + i, 8);
    h = (h ^ w) * 0x100000001b3ull;
    h ^= h >> 29;
  }
  for (; i < s.size(); ++i) h = (h ^ static_cast<unsigned char>(s[i])) * 0x100000001b3ull;
  h ^= h >> 32;
  h *= 0x9e3779b97f4a7c15ull;
  return h ^ (h >> 29);
}

// Strings to numbers; open addressing over 16-byte slots. The table keeps
// its own copies of the keys, each after its length.
class FlatIndex {
 public:
  // The value of `key`, or -1.
  long Find(std::string_view key) const {
    if (slots_.empty()) return -1;
    std::uint64_t h = HashBytes(key);
    std::uint32_t tag = static_cast<std::uint32_t>(h >> 32);
    for (std::size_t i = h & mask_;; i = (i + 1) & mask_) {
      const Slot& s = slots_[i];
      if (s.value < 0) return -1;
      if (s.tag == tag && KeyOf(s) == key) return s.value;
    }
  }
  // Adds `key` (known to be absent) with `value`.
  void Add(std::string_view key, long value) {
    if ((count_ + 1) * 2 > slots_.size()) Resize(slots_.empty() ? 64 : slots_.size() * 2);
    std::uint64_t h = HashBytes(key);
    std::size_t i = h & mask_;
    while (slots_[i].value >= 0) i = (i + 1) & mask_;
    std::uint32_t len = static_cast<std::uint32_t>(key.size());
    char* copy = keys_.Room(sizeof len + key.size());
    std::memcpy(copy, &len, sizeof len);
    std::memcpy(copy + sizeof len, key.data(), key.size());
    slots_[i] = {static_cast<std::uint32_t>(h >> 32), static_cast<std::int32_t>(value), copy};
    ++count_;
  }
  void Clear() {
    std::vector<Slot>().swap(slots_);  // sized anew for the next cell
    mask_ = 0;
    count_ = 0;
    keys_.Reset();
  }
  void Reserve(std::size_t n) {
    std::size_t size = 64;
    while (size < n * 2) size *= 2;
    if (size > slots_.size()) Resize(size);
  }

 private:
  struct Slot {
    std::uint32_t tag = 0;
    std::int32_t value = -1;
    const char* key = nullptr;  // length, then the characters
  };
  static std::string_view KeyOf(const Slot& s) {
    std::uint32_t len;
    std::memcpy(&len, s.key, sizeof len);
    return std::string_view(s.key + sizeof len, len);
  }
  void Resize(std::size_t size) {
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.assign(size, Slot());
    mask_ = size - 1;
    for (const Slot& s : old) {
      if (s.value < 0) continue;
      std::uint64_t h = HashBytes(KeyOf(s));
      std::size_t i = h & mask_;
      while (slots_[i].value >= 0) i = (i + 1) & mask_;
      slots_[i] = s;
    }
  }
  std::vector<Slot> slots_;
  Arena keys_;
  std::size_t count_ = 0;
  std::size_t mask_ = 0;
};

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
