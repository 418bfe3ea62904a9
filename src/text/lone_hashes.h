// Many names told apart without a table of their texts: the hash of each
// is noted as they come, and once all have come, a name whose hash no other
// has is unlike every other (equal names have equal hashes); only names
// that share a hash, equal or not, need their texts compared. The hashes
// are sorted, not looked up one at a time, so that a million names cost a
// few passes over 4 MB rather than a cache miss each.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace kalvor {

class LoneHashes {
 public:
  void Clear() {
    noted_.clear();
    shared_.clear();
  }
  void Note(std::uint32_t hash) { noted_.push_back(hash); }
  std::size_t size() const { return noted_.size(); }

  // Sorts the hashes noted (sixteen bits at a time) and keeps those noted
  // more than once.
  void Settle() {
    shared_.clear();
    scratch_.resize(noted_.size());
    for (const int shift : {0, 16}) {
      counts_.assign(65537, 0);
      for (const std::uint32_t h : noted_) ++counts_[((h >> shift) & 0xFFFFu) + 1];
      for (std::size_t i = 1; i < counts_.size(); ++i) counts_[i] += counts_[i - 1];
      for (const std::uint32_t h : noted_) scratch_[counts_[(h >> shift) & 0xFFFFu]++] = h;
      noted_.swap(scratch_);
    }
    for (std::size_t k = 1; k < noted_.size(); ++k) {
      if (noted_[k] == noted_[k - 1] && (shared_.empty() || shared_.back() != noted_[k])) {
        shared_.push_back(noted_[k]);
      }
    }
  }
  // After Settle: no other name noted has the hash `hash`.
  bool Alone(std::uint32_t hash) const {
    return shared_.empty() || !std::binary_search(shared_.begin(), shared_.end(), hash);
  }

 private:
  std::vector<std::uint32_t> noted_;
  std::vector<std::uint32_t> scratch_;
  std::vector<std::uint32_t> counts_;
  std::vector<std::uint32_t> shared_;  // sorted
};

}  // namespace kalvor
