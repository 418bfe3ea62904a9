// The tables the EDIF reader fills and the import writes from: the cells of
// the file with their port lists, and the instances and nets of the cell
// just read.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>


namespace kalvor {

// A port of a cell as the EDIF file declares it, and the names its bits
// have in the macro header: a scalar port's name is its base; member k of
// a bus is the base followed by its index (left - k, or left + k for an
// ascending range), unless the cell made that name unique.
struct PortName {
  std::string id;    // the EDIF identifier
  std::string base;  // empty: the same as `id`
  bool array = false;
  bool descending = true;
  std::int32_t size = 1;
  std::int32_t left = 0;
  std::vector<std::pair<std::int32_t, std::string>> renamed;  // member, name

  const std::string& Base() const { return base.empty() ? id : base; }
  void Bit(long member, std::string& out) const {
    for (const auto& r : renamed) {
      if (r.first == member) {
        out.assign(r.second);
        return;
      }
    }
    out.assign(Base());
    if (array) out += std::to_string(descending ? left - member : left + member);
  }
};

struct CellEntry {
  std::string name;
  std::string ports;  // each port preceded by one blank
  // The ports whose header name is not their identifier as written: buses,
  // scalar ports whose name was made unique, supply ports (left out of the
  // header). Every other port is the header word that spells it.
  std::vector<PortName> special_ports;
  bool indexed = false;  // its ports are in the reader's port indexes
};

// The names used in one cell (header ports, nodes), compared ignoring
// letter case: a name already in use gets "_2", "_3", ... (the smallest
// number that makes it unused). Only hashes are kept: two names of equal
// hash count as the same, which at worst makes a name unique that was.
class CellNames {
 public:
  void Clear() {
    if (count_ * 8 < slots_.size() && slots_.size() > 1024) {
      std::vector<std::uint64_t>().swap(slots_);
    } else {
      std::fill(slots_.begin(), slots_.end(), 0);
    }
    count_ = 0;
  }
  bool Used(std::string_view name) const {
    if (slots_.empty()) return false;
    std::uint64_t h = Hash(name);
    for (std::size_t i = h & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
      if (slots_[i] == 0) return false;
      if (slots_[i] == h) return true;
    }
  }
  // `name`, or the first unused "name_N"; the result is marked used.
  std::string Unique(std::string_view name) {
    if (Claim(name)) return std::string(name);
    std::string candidate;
    for (long n = 2;; ++n) {
      candidate.assign(name);
      candidate += '_';
      candidate += std::to_string(n);
      if (Claim(candidate)) return candidate;
    }
  }

 private:
  static std::uint64_t Hash(std::string_view name) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (char c : name) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    }
    return h | 1;  // never 0, the empty slot
  }
  // Marks `name` used; false if it was already.
  bool Claim(std::string_view name) {
    if ((count_ + 1) * 4 > slots_.size() * 3) Grow();
    std::uint64_t h = Hash(name);
    std::size_t i = h & (slots_.size() - 1);
    for (; slots_[i] != 0; i = (i + 1) & (slots_.size() - 1)) {
      if (slots_[i] == h) return false;
    }
    slots_[i] = h;
    ++count_;
    return true;
  }
  void Grow() {
    std::vector<std::uint64_t> old;
    old.swap(slots_);
    slots_.assign(old.empty() ? 256 : old.size() * 2, 0);
    for (std::uint64_t h : old) {
      if (h == 0) continue;
      std::size_t i = h & (slots_.size() - 1);
      while (slots_[i] != 0) i = (i + 1) & (slots_.size() - 1);
      slots_[i] = h;
    }
  }
  std::vector<std::uint64_t> slots_;
  std::size_t count_ = 0;
};

struct CellTable {
  std::vector<CellEntry> entries;
  unsigned generation = 0;  // changes whenever the table is emptied
  void Clear() {
    entries.clear();
    ++generation;
  }
};

struct Instance {
  std::string name;
  std::string cell;  // the referenced cell as the EDIF file names it
};

struct Net {
  std::string name;
  std::string nodes;  // " U1<A U2<Y OUT ": instance<port or own port, each followed by a blank
  long fanout = 0;    // number of portRef lists
};

// The cell just read.
struct CellContents {
  std::string name;
  std::string header;  // ".macro NAME P1 P2 ..."
  std::vector<Instance> instances;
  std::vector<Net> nets;
  CellNames names;  // header ports and nodes of the cell
  unsigned generation = 0;  // changes whenever the tables are emptied
  void Clear() {
    instances.clear();
    nets.clear();
    names.Clear();
    ++generation;
  }
};

}  // namespace kalvor
