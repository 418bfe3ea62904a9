// A hash index from names to small numbers for the converters' name tables:
// open addressing over a flat array, so a lookup costs one or two memory
// accesses however many names there are. The names themselves stay with the
// caller; the index keeps only their hashes and numbers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvor {

class NameIndex {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  static std::uint32_t Hash(std::string_view name) {
    std::size_t h = std::hash<std::string_view>()(name);
    return static_cast<std::uint32_t>(h ^ (static_cast<std::uint64_t>(h) >> 32));
  }

  // Forgets every name.
  void Clear() {
    if (slots_.size() > 4096) {
      slots_ = std::vector<Slot>();
    } else {
      slots_.assign(slots_.size(), Slot{});
    }
    count_ = 0;
  }

  // The number stored for `name`, or kNone. `name_at(number)` gives the
  // name stored under a number.
  template <class NameAt>
  std::uint32_t Find(std::string_view name, std::uint32_t hash, NameAt name_at) const {
    if (slots_.empty()) return kNone;
    std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      const Slot& slot = slots_[i];
      if (slot.number == kNone) return kNone;
      if (slot.hash == hash && name_at(slot.number) == name) return slot.number;
    }
  }

  // Stores `number` for a name that Find did not find.
  void Add(std::uint32_t hash, std::uint32_t number) {
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    Place(Slot{hash, number});
    ++count_;
  }

 private:
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t number = kNone;
  };

  void Place(Slot slot) {
    std::size_t mask = slots_.size() - 1;
    std::size_t i = slot.hash & mask;
    while (slots_[i].number != kNone) i = (i + 1) & mask;
    slots_[i] = slot;
  }

  void Grow() {
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
    for (const Slot& slot : old) {
      if (slot.number != kNone) Place(slot);
    }
  }

  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};

// A set of names with their own storage.
class NameSet {
 public:
  void Clear() {
    names_.clear();
    index_.Clear();
  }
  // False when the name was already in the set.
  bool Insert(std::string_view name) {
    std::uint32_t hash = NameIndex::Hash(name);
    auto name_at = [this](std::uint32_t n) -> std::string_view { return names_[n]; };
    if (index_.Find(name, hash, name_at) != NameIndex::kNone) return false;
    index_.Add(hash, static_cast<std::uint32_t>(names_.size()));
    names_.emplace_back(name);
    return true;
  }

 private:
  std::vector<std::string> names_;
  NameIndex index_;
};

}  // namespace kalvor
