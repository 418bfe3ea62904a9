// A hash index from names to small numbers for the converters' name tables:
// open addressing over a flat array, so a lookup costs one or two memory
// accesses however many names there are. The names themselves stay with the
// caller; the index keeps only their hashes and numbers.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "text/blank_scan.h"
#include "text/large_block.h"
#include "text/row.h"
#include "text/strings.h"

namespace kalvor {

// MixName's last step: the last eight bytes `w` mixed into `h`, and the
// sum scrambled so that the low bits depend on every byte.
inline std::uint64_t LastMix(std::uint64_t h, std::uint64_t w) {
  constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;
  h = (h ^ w) * kMul;
  h ^= h >> 32;
  h *= 0xD6E8FEB86659FD93ull;
  h ^= h >> 29;
  return h;
}

// A name mixed into 64 bits, eight bytes at a time (the last eight may
// overlap the eight before; a name of four to seven bytes is its first four
// and its last four), each mixed in with a multiplication and its high half
// folded down (else names differing only in the last byte of two words
// could cancel out), the sum scrambled at the end so that the low bits
// depend on every byte. Ignoring case, the letters A-Z of each eight are
// made lower case together.
inline std::uint64_t MixName(std::string_view s, bool ignore_case) {
  constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;
  auto fold = [ignore_case](std::uint64_t w) { return ignore_case ? LowerEightAscii(w) : w; };
  const char* p = s.data();
  std::size_t n = s.size();
  std::uint64_t h = n * kMul;
  std::uint64_t w = 0;
  if (n >= 8) {
    for (; n > 8; p += 8, n -= 8) {
      std::memcpy(&w, p, 8);
      h = (h ^ fold(w)) * kMul;
      h ^= h >> 32;  // a product carries a word's high bytes only upwards
    }
    std::memcpy(&w, p + n - 8, 8);
  } else if (n >= 4) {
    std::uint32_t head = 0;
    std::uint32_t tail = 0;
    std::memcpy(&head, p, 4);
    std::memcpy(&tail, p + n - 4, 4);
    w = head | (std::uint64_t{tail} << 32);
  } else {
    for (std::size_t i = 0; i < n; ++i) {
      w |= static_cast<std::uint64_t>(static_cast<unsigned char>(p[i])) << (8 * i);
    }
  }
  return LastMix(h, fold(w));
}

// A word's end and the low half of its MixName (NameIndex::Hash), from one
// look at its bytes: the word runs from `p` to its first blank or tab, or
// to `end`. Memory up to `readable` (at or after `end`) may be read, so
// that the end of a word of up to 31 bytes (most are) is found sixteen
// bytes at a time, and the word hashed from the bytes at hand; longer
// words, and words too near `readable`, are found and hashed as any other
// text.
inline const char* HashedWord(const char* p, const char* end,
                              [[maybe_unused]] const char* readable, std::uint32_t* hash) {
#if defined(__SSE2__)
  constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;
  const auto left = static_cast<std::size_t>(end - p);
  auto stops_at = [p, left](std::size_t from) { return BlankStopsOfSixteen(p + from, left - from); };
  if (readable - p >= 16) {
    std::uint64_t head = 0;
    std::memcpy(&head, p, 8);
    if (const unsigned stops = stops_at(0)) {
      // As MixName: eight bytes or more, the first eight mixed in (unless
      // they are all) and then the last eight; four to seven, the first
      // four and the last four; fewer, the bytes themselves.
      const auto n = static_cast<std::size_t>(__builtin_ctz(stops));
      std::uint64_t h = n * kMul;
      std::uint64_t w = head;
      if (n > 8) {
        h = (h ^ head) * kMul;
        h ^= h >> 32;
        std::memcpy(&w, p + n - 8, 8);
      } else if (n >= 4 && n < 8) {
        w = (head & 0xFFFFFFFFu) | ((head >> (8 * (n - 4))) << 32);
      } else if (n < 4) {
        w = head & ((std::uint64_t{1} << (8 * n)) - 1);
      }
      *hash = static_cast<std::uint32_t>(LastMix(h, w));
      return p + n;
    }
    if (readable - p >= 32) {
      if (const unsigned stops = stops_at(16)) {
        // Sixteen to 31 bytes: the first eight, the next eight, perhaps a
        // third, then the last eight.
        const auto n = 16 + static_cast<std::size_t>(__builtin_ctz(stops));
        std::uint64_t h = n * kMul;
        std::uint64_t w = head;
        for (std::size_t at = 8;; at += 8) {
          h = (h ^ w) * kMul;
          h ^= h >> 32;
          if (n - at <= 8) break;
          std::memcpy(&w, p + at, 8);
        }
        std::memcpy(&w, p + n - 8, 8);
        *hash = static_cast<std::uint32_t>(LastMix(h, w));
        return p + n;
      }
    }
  }
#endif
  const char* const word_end = BlankOrEnd(p, end);
  *hash = static_cast<std::uint32_t>(MixName(std::string_view(p, word_end - p), false));
  return word_end;
}

class NameIndex {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
  NameIndex() { PointAtSlots(); }
  // Not copied: it looks names up through a pointer into its own table.
  NameIndex(const NameIndex&) = delete;
  NameIndex& operator=(const NameIndex&) = delete;

  static std::uint32_t Hash(std::string_view name) {
    return static_cast<std::uint32_t>(MixName(name, false));
  }

  // Equal texts of a known length, eight bytes at a time with the last
  // eight (or four) overlapping those before (names are short: a call of
  // memcmp would cost more).
  static bool SameBytes(const char* a, const char* b, std::size_t n) {
    if (n >= 8) {
      for (; n > 8; a += 8, b += 8, n -= 8) {
        if (Load<std::uint64_t>(a) != Load<std::uint64_t>(b)) return false;
      }
      return Load<std::uint64_t>(a + n - 8) == Load<std::uint64_t>(b + n - 8);
    }
    if (n >= 4) {
      return Load<std::uint32_t>(a) == Load<std::uint32_t>(b) &&
             Load<std::uint32_t>(a + n - 4) == Load<std::uint32_t>(b + n - 4);
    }
    for (std::size_t i = 0; i < n; ++i) {
      if (a[i] != b[i]) return false;
    }
    return true;
  }

  // Forgets every name. A table much larger than its names needed (left by
  // an earlier, larger set) starts small again: filling it would cost more
  // than the names it held.
  void Clear() {
    const bool sparse = count_ != 0 && slots_.size() > 8 * std::max<std::size_t>(count_, 32);
    if (slots_.size() > 65536 || sparse) {
      slots_ = Slots();
    } else {
      slots_.assign(slots_.size(), Slot{});
    }
    count_ = 0;
    PointAtSlots();
  }

  // The number stored for the name of hash `hash`, or kNone. `is_name(number)`
  // tells whether the name stored under a number is the one looked for.
  template <class IsName>
  std::uint32_t Find(std::uint32_t hash, IsName is_name) const {
    for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
      const Slot& slot = table_[i];
      if (slot.number == kNone) return kNone;
      if (slot.hash == hash && is_name(slot.number)) return slot.number;
    }
  }

  // Asks for the slot where a name of hash `hash` would be looked for, so
  // that a later Find does not wait for memory.
  void Prefetch(std::uint32_t hash) const {
    __builtin_prefetch(&table_[hash & mask_]);
  }

  // Find, and where the name is not found, `number` stored for it in the
  // slot where the search ended (`*added` tells which happened).
  template <class IsName>
  std::uint32_t FindOrAdd(std::uint32_t hash, std::uint32_t number, IsName is_name, bool* added) {
    if ((count_ + 1) * 2 > mask_ + 1) Grow();
    for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
      Slot& slot = slots_[i];
      if (slot.number == kNone) {
        slot = Slot{hash, number};
        ++count_;
        *added = true;
        return number;
      }
      if (slot.hash == hash && is_name(slot.number)) {
        *added = false;
        return slot.number;
      }
    }
  }

  // Tells the index that about `names` names may come. It grows as it
  // must, but once it holds a thirty-second of them it grows to their size
  // at once, so a large table is not made and filled again at each
  // doubling (and a guess far above the need costs little).
  void Expect(std::size_t names) {
    expected_slots_ = 64;
    while (expected_slots_ < 2 * names) expected_slots_ *= 2;
  }

  // Gives back the table's memory (Clear keeps a small one).
  void Release() { TakeSlots(); }

  // A slot: the hash of a name and the number stored for it (kNone: empty).
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t number = kNone;
  };
  // A million names take 16 MB of slots.
  using Slots = std::vector<Slot, LargeBlockAllocator<Slot>>;
  // Hands the table over as it is and empties the index: a caller done
  // with the names may reuse memory that filling the table has touched.
  Slots TakeSlots() {
    Slots taken;
    taken.swap(slots_);
    count_ = 0;
    PointAtSlots();
    return taken;
  }

  // Stores `number` for a name that Find did not find.
  void Add(std::uint32_t hash, std::uint32_t number) {
    if ((count_ + 1) * 2 > mask_ + 1) Grow();
    Place(Slot{hash, number});
    ++count_;
  }

 private:
  template <class Word>
  static Word Load(const char* p) {
    Word w;
    std::memcpy(&w, p, sizeof w);
    return w;
  }

  void Place(Slot slot) {
    std::size_t i = slot.hash & mask_;
    while (slots_[i].number != kNone) i = (i + 1) & mask_;
    slots_[i] = slot;
  }

  void Grow() {
    Slots old;
    old.swap(slots_);
    std::size_t size = old.empty() ? 64 : old.size() * 2;
    if (size < expected_slots_ && count_ * 64 >= expected_slots_) size = expected_slots_;
    slots_.assign(size, Slot{});
    PointAtSlots();
    for (const Slot& slot : old) {
      if (slot.number != kNone) Place(slot);
    }
  }

  // After each change of slots_: where lookups look, and the mask of a
  // slot's number. A table without slots is looked up in one empty slot of
  // its own, so that a lookup need not ask whether there are slots; the
  // first name added makes the real table.
  void PointAtSlots() {
    static constexpr Slot kNoSlot{};
    table_ = slots_.empty() ? &kNoSlot : slots_.data();
    mask_ = slots_.empty() ? 0 : slots_.size() - 1;
  }

  Slots slots_;
  const Slot* table_ = nullptr;
  std::size_t mask_ = 0;
  std::size_t count_ = 0;
  std::size_t expected_slots_ = 0;  // Expect's
};

// A set of names with their own storage: the names one after another in
// one text, each number's end in a table.
class NameSet {
  // Tells whether the name stored under a number is `name`.
  auto Matcher(std::string_view name) const {
    return [this, name](std::uint32_t n) {
      std::size_t begin = n == 0 ? 0 : ends_[n - 1];
      return ends_[n] - begin == name.size() &&
             NameIndex::SameBytes(text_.View().data() + begin, name.data(), name.size());
    };
  }

 public:
  void Clear() {
    text_.Clear();
    ends_.clear();
    index_.Clear();
  }
  // False when the name was already in the set.
  bool Insert(std::string_view name) {
    bool inserted = false;
    FindOrInsert(name, &inserted);
    return inserted;
  }
  bool Contains(std::string_view name) const {
    return index_.Find(NameIndex::Hash(name), Matcher(name)) != NameIndex::kNone;
  }
  // The number of `name`, inserted when new (`*inserted` tells which).
  std::uint32_t FindOrInsert(std::string_view name, bool* inserted) {
    return FindOrInsert(name, NameIndex::Hash(name), inserted);
  }
  // The same for a name whose NameIndex::Hash is known.
  [[gnu::always_inline]] std::uint32_t FindOrInsert(std::string_view name, std::uint32_t hash,
                                                    bool* inserted) {
    const auto next = static_cast<std::uint32_t>(ends_.size());
    const std::uint32_t n = index_.FindOrAdd(hash, next, Matcher(name), inserted);
    if (*inserted) {
      text_.Add(name);
      ends_.push_back(text_.size());
    }
    return n;
  }
  // The number of a name (its place in the order of insertion), or kNone.
  std::uint32_t Number(std::string_view name) const {
    return index_.Find(NameIndex::Hash(name), Matcher(name));
  }
  bool empty() const { return ends_.empty(); }
  std::size_t size() const { return ends_.size(); }
  std::string_view at(std::size_t n) const {
    std::size_t begin = n == 0 ? 0 : ends_[n - 1];
    return text_.View().substr(begin, ends_[n] - begin);
  }

 private:
  Row text_;  // names are short: a copy without a call
  std::vector<std::size_t> ends_;
  NameIndex index_;
};

}  // namespace kalvor
