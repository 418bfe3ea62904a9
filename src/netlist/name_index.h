// Positions of names found by a hash: open addressing over part of the
// hash and the position only. The caller keeps the names and confirms each
// candidate, so the index holds no copies. Used for the cells of a
// netlist, the instances and ports of a cell and the names a cell uses.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "text/name_set.h"
#include "text/strings.h"

namespace kalvor {

// A name's hash (MixName), never 0, the empty slot.
inline std::uint64_t HashName(std::string_view s, bool ignore_case) {
  return MixName(s, ignore_case) | 1;
}

class NamePositions {
 public:
  void Clear() {
    if (count_ * 8 < slots_.size() && slots_.size() > 1024) {
      std::vector<Slot>().swap(slots_);
    } else {
      std::fill(slots_.begin(), slots_.end(), Slot());
    }
    count_ = 0;
  }
  void Add(std::uint64_t hash, std::int32_t position) {
    if ((count_ + 1) * 4 > slots_.size() * 3) Grow();
    Put({Tag(hash), position});
    ++count_;
  }
  // Room for `names` positions without growing.
  void Reserve(std::size_t names) {
    std::size_t slots = slots_.empty() ? 16 : slots_.size();
    while (names * 4 > slots * 3) slots *= 2;
    if (slots != slots_.size()) Rehash(slots);
  }
  // The first position added with `hash` that `same` accepts, or -1.
  template <typename Same>
  std::int32_t Find(std::uint64_t hash, Same same) const {
    if (slots_.empty()) return -1;
    const std::uint32_t tag = Tag(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = tag & mask; slots_[i].position >= 0; i = (i + 1) & mask) {
      if (slots_[i].tag == tag && same(slots_[i].position)) return slots_[i].position;
    }
    return -1;
  }
  // Brings the first slot `hash` would look at into the cache.
  void Prefetch(std::uint64_t hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[Tag(hash) & (slots_.size() - 1)]);
  }
  std::size_t size() const { return count_; }

 private:
  // Half the hash is kept: a candidate is confirmed by the caller anyway.
  struct Slot {
    std::uint32_t tag = 0;
    std::int32_t position = -1;
  };
  static std::uint32_t Tag(std::uint64_t hash) {
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
  }
  void Put(Slot s) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = s.tag & mask;
    while (slots_[i].position >= 0) i = (i + 1) & mask;
    slots_[i] = s;
  }
  void Grow() { Rehash(slots_.empty() ? 16 : slots_.size() * 2); }
  void Rehash(std::size_t slots) {
    std::vector<Slot> old(slots);
    old.swap(slots_);
    for (const Slot& s : old) {
      if (s.position >= 0) Put(s);
    }
  }
  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};

// The names a cell uses (header ports, nodes), compared ignoring letter
// case: a name already in use gets "_2", "_3", ... Only hashes are kept: two
// names of equal hash count as the same, which at worst makes a name unique
// that was.
class UsedNames {
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
    return !slots_.empty() && slots_[Slot(HashName(name, true))] != 0;
  }
  // Room for `names` without growing. The table is sized to the names it
  // holds, not to a power of two: the largest cells' names fill it three
  // quarters.
  void Reserve(std::size_t names) {
    if (names * 4 <= slots_.size() * 3) return;
    std::vector<std::uint64_t> old(std::max<std::size_t>(256, names / 3 * 4 + 4), 0);
    old.swap(slots_);
    for (std::uint64_t h : old) {
      if (h != 0) slots_[Slot(h)] = h;
    }
  }
  // Marks `name` used; false when it already was.
  bool Claim(std::string_view name) {
    if ((count_ + 1) * 4 > slots_.size() * 3) Reserve(std::max<std::size_t>(count_ + 1, count_ * 2));
    const std::uint64_t h = HashName(name, true);
    const std::size_t i = Slot(h);
    if (slots_[i] == h) return false;
    slots_[i] = h;
    ++count_;
    return true;
  }
  // `name`, or the first unused "name_N"; the result is marked used.
  std::string Unique(std::string_view name) {
    std::string unique(name);
    MakeUnique(unique);
    return unique;
  }
  // Unique in place: `name` stays, or becomes the first unused "name_N".
  void MakeUnique(std::string& name) {
    if (Claim(name)) return;
    const std::size_t base = name.size();
    for (long n = 2;; ++n) {
      name.resize(base);
      name += '_';
      AppendDecimal(name, n);
      if (Claim(name)) return;
    }
  }

 private:
  // The slot that holds `h`, or the empty one where it goes.
  std::size_t Slot(std::uint64_t h) const {
    std::size_t i = static_cast<std::size_t>((h >> 32) * slots_.size() >> 32);
    while (slots_[i] != 0 && slots_[i] != h) i = i + 1 == slots_.size() ? 0 : i + 1;
    return i;
  }
  std::vector<std::uint64_t> slots_;  // hashes; 0 is empty
  std::size_t count_ = 0;
};

}  // namespace kalvor
