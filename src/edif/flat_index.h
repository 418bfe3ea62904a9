// A string-to-number index for the EDIF import's searches: open addressing
// over 16-byte slots, a fast hash, keys copied into blocks of its own so that
// they outlive the text they were taken from.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace kalvor {

// Room for strings that keep their address until Reset.
class Arena {
 public:
  char* Room(std::size_t n) {
    if (n > kBlock / 4) {
      large_.push_back(std::unique_ptr<char[]>(new char[n]));
      return large_.back().get();
    }
    if (n > room_) {
      if (used_ == blocks_.size()) blocks_.push_back(std::unique_ptr<char[]>(new char[kBlock]));
      next_ = blocks_[used_++].get();
      room_ = kBlock;
    }
    char* at = next_;
    next_ += n;
    room_ -= n;
    return at;
  }
  // Forgets every string; with `keep` the blocks stay for the next use.
  void Reset(bool keep = false) {
    large_.clear();
    if (!keep) blocks_.clear();
    used_ = 0;
    next_ = nullptr;
    room_ = 0;
  }

 private:
  static constexpr std::size_t kBlock = 1 << 20;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::vector<std::unique_ptr<char[]>> large_;
  std::size_t used_ = 0;  // blocks of blocks_ handed out
  char* next_ = nullptr;
  std::size_t room_ = 0;
};

inline std::uint64_t HashBytes(std::string_view s) {
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

// Strings to numbers; open addressing over 16-byte slots, at most three
// quarters full. The table keeps
// its own copies of the keys, each after its length.
class FlatIndex {
 public:
  // The value of `key`, or -1.
  long Find(std::string_view key) const { return Find(key, HashBytes(key)); }
  // The same, with the key's HashBytes given.
  long Find(std::string_view key, std::uint64_t h) const {
    if (slots_.empty()) return -1;
    std::uint32_t tag = static_cast<std::uint32_t>(h >> 32);
    for (std::size_t i = h & mask_;; i = (i + 1) & mask_) {
      const Slot& s = slots_[i];
      if (s.value < 0) return -1;
      if (s.tag == tag && SameKey(s, key)) return s.value;
    }
  }
  // Adds `key` (known to be absent) with `value`.
  void Add(std::string_view key, long value) {
    if ((count_ + 1) * 4 > slots_.size() * 3) Resize(slots_.empty() ? 64 : slots_.size() * 2);
    std::uint64_t h = HashBytes(key);
    std::size_t i = h & mask_;
    while (slots_[i].value >= 0) i = (i + 1) & mask_;
    Put(i, h, key, value);
  }
  // The value of `key`; when it is absent, adds it with `value` first.
  long FindOrAdd(std::string_view key, long value) {
    if ((count_ + 1) * 4 > slots_.size() * 3) Resize(slots_.empty() ? 64 : slots_.size() * 2);
    std::uint64_t h = HashBytes(key);
    std::uint32_t tag = static_cast<std::uint32_t>(h >> 32);
    std::size_t i = h & mask_;
    for (; slots_[i].value >= 0; i = (i + 1) & mask_) {
      if (slots_[i].tag == tag && SameKey(slots_[i], key)) return slots_[i].value;
    }
    Put(i, h, key, value);
    return value;
  }
  std::size_t size() const { return count_; }
  // Asks for the slot of a key with hash `h` to be brought into the cache,
  // so that several lookups can wait for memory at the same time.
  void Prefetch(std::uint64_t h) const {
#if defined(__GNUC__) || defined(__clang__)
    if (!slots_.empty()) __builtin_prefetch(&slots_[h & mask_]);
#else
    (void)h;
#endif
  }
  // Empties the index. A table that was well used is kept for the next
  // fill (a fresh one costs the system new pages); others are freed.
  void Clear() {
    bool keep = slots_.size() > 64 && count_ * 8 >= slots_.size();
    if (keep) {
      std::fill(slots_.begin(), slots_.end(), Slot());
    } else {
      std::vector<Slot>().swap(slots_);
      mask_ = 0;
    }
    count_ = 0;
    keys_.Reset(keep);
  }
  void Reserve(std::size_t n) {
    std::size_t size = 64;
    while (size * 3 < n * 4) size *= 2;
    if (size > slots_.size()) Resize(size);
  }

 private:
  void Put(std::size_t i, std::uint64_t h, std::string_view key, long value) {
    std::uint32_t len = static_cast<std::uint32_t>(key.size());
    char* copy = keys_.Room(sizeof len + key.size());
    std::memcpy(copy, &len, sizeof len);
    std::memcpy(copy + sizeof len, key.data(), key.size());
    slots_[i] = {static_cast<std::uint32_t>(h >> 32), static_cast<std::int32_t>(value), copy};
    ++count_;
  }
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
  // Keys are mostly a few characters long: compared here rather than by a
  // library call.
  static bool SameKey(const Slot& s, std::string_view key) {
    std::uint32_t len;
    std::memcpy(&len, s.key, sizeof len);
    if (len != key.size()) return false;
    const char* a = s.key + sizeof len;
    for (std::size_t i = 0; i < key.size(); ++i) {
      if (a[i] != key[i]) return false;
    }
    return true;
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

// Positions found by a 64-bit hash of their name, without copies of the
// names: the caller confirms each candidate against its own table.
class HashPositions {
 public:
  void Clear() {
    if (count_ * 8 < slots_.size() && slots_.size() > 1024) {
      std::vector<Slot>().swap(slots_);
    } else {
      std::fill(slots_.begin(), slots_.end(), Slot());
    }
    count_ = 0;
  }
  void Add(std::uint64_t h, long position) {
    if ((count_ + 1) * 4 > slots_.size() * 3) Grow();
    Put(h, static_cast<std::int32_t>(position));
    ++count_;
  }
  // The first position added with hash `h` that `same` accepts, or -1.
  template <typename Same>
  long Find(std::uint64_t h, Same same) const {
    if (slots_.empty()) return -1;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = h & mask;; i = (i + 1) & mask) {
      const Slot& s = slots_[i];
      if (s.position < 0) return -1;
      if (s.hash == h && same(s.position)) return s.position;
    }
  }
  void Prefetch(std::uint64_t h) const {
#if defined(__GNUC__) || defined(__clang__)
    if (!slots_.empty()) __builtin_prefetch(&slots_[h & (slots_.size() - 1)]);
#else
    (void)h;
#endif
  }

 private:
  struct Slot {
    std::uint64_t hash = 0;
    std::int32_t position = -1;
  };
  void Put(std::uint64_t h, std::int32_t position) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = h & mask;
    while (slots_[i].position >= 0) i = (i + 1) & mask;
    slots_[i] = {h, position};
  }
  void Grow() {
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.assign(old.empty() ? 64 : old.size() * 2, Slot());
    for (const Slot& s : old) {
      if (s.position >= 0) Put(s.hash, s.position);
    }
  }
  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};

}  // namespace kalvor
