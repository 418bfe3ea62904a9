// A line of output made in a buffer kept from line to line: a piece costs a
// copy, the line one append to the output.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace kalvor {

// Copies `n` bytes, at least one Word and at most two, as the Word at the
// start and the Word at the end (they overlap when n is less than two).
template <class Word>
[[gnu::always_inline]] inline void CopyByTwoWords(char* to, const char* from, std::size_t n) {
  Word head = 0;
  Word tail = 0;
  std::memcpy(&head, from, sizeof head);
  std::memcpy(&tail, from + n - sizeof tail, sizeof tail);
  std::memcpy(to, &head, sizeof head);
  std::memcpy(to + n - sizeof tail, &tail, sizeof tail);
}

// Copies `n` bytes; most texts copied (names, labels) are short, and two
// word copies that may overlap cost less than a call.
[[gnu::always_inline]] inline void CopyShort(char* to, const char* from, std::size_t n) {
  if (n >= 8 && n <= 16) {
    CopyByTwoWords<std::uint64_t>(to, from, n);
  } else if (n >= 4 && n < 8) {
    CopyByTwoWords<std::uint32_t>(to, from, n);
  } else if (n < 4) {
    for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
  } else {
    std::memcpy(to, from, n);
  }
}

// CopyShort of `text`; returns where the copy ends.
[[gnu::always_inline]] inline char* CopyShortEnd(char* to, std::string_view text) {
  CopyShort(to, text.data(), text.size());
  return to + text.size();
}

class Row {
 public:
  void Clear() { used_ = 0; }
  [[gnu::always_inline]] void Add(std::string_view piece) {
    const std::size_t n = piece.size();
    if (text_.size() - used_ < n) Grow(n);
    CopyShort(text_.data() + used_, piece.data(), n);
    used_ += n;
  }
  // Add of a longer piece whose source may be read up to `readable`: when
  // that is sixteen bytes or more past the piece's end, it is copied
  // sixteen bytes at a time without a call.
  [[gnu::always_inline]] void AddReadable(std::string_view piece, const char* readable) {
    const std::size_t n = piece.size();
    if (readable - piece.data() < static_cast<std::ptrdiff_t>(n + 16)) return Add(piece);
    if (text_.size() - used_ < n + 16) Grow(n + 16);
    char* const to = text_.data() + used_;
    for (std::size_t i = 0; i < n; i += 16) std::memcpy(to + i, piece.data() + i, 16);
    used_ += n;
  }
  // Room for `n` more bytes at the text's end, for the caller to fill.
  [[gnu::always_inline]] char* Extend(std::size_t n) {
    if (text_.size() - used_ < n) Grow(n);
    char* at = text_.data() + used_;
    used_ += n;
    return at;
  }
  std::string_view View() const { return std::string_view(text_.data(), used_); }
  char* data() { return text_.data(); }
  // Where the memory kept for the text ends: the bytes between the text's
  // end and here may be read (they are zeros or older text), so that a
  // scan may look at sixteen bytes at a time past a word at the text's end.
  const char* ReadableEnd() const { return text_.data() + text_.size(); }
  std::size_t size() const { return used_; }
  bool empty() const { return used_ == 0; }
  // Keeps the first `n` bytes (n at most size()).
  void Resize(std::size_t n) { used_ = n; }
  void swap(Row& other) {
    text_.swap(other.text_);
    std::swap(used_, other.used_);
  }

 private:
  [[gnu::noinline]] void Grow(std::size_t more) {
    text_.resize(std::max(text_.size() * 2, used_ + more + 256));
  }
  std::string text_;
  std::size_t used_ = 0;
};

}  // namespace kalvor
