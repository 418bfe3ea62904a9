// The token stream of an EDIF file: "(", ")", quoted strings and words, read
// from physical lines as ReadLine splits them (CR, LF, CR LF, LF CR or NUL
// end a line; tabs are blanks), with the nesting depth kept.
//
// Joining rules. A word that runs to the end of the text buffered so far is
// continued by the next physical line, appended directly; a quoted string
// not closed in the buffer may take one more physical line, appended
// directly. Files laid out as one stream wrapped at 80 columns are
// recognised and read by their own rule: a line shorter than 80 characters
// ended at a blank; a line of exactly 80 continues directly on the next,
// unless the break fell on a blank the writer dropped, which the text
// around the break tells (BlankDropped).
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "text/file.h"

namespace kalvor {

// Physical lines of a file, read through a large buffer of our own. Lines
// of any length are read whole.
class EdifLineSource {
 public:
  explicit EdifLineSource(File& file) : file_(file) {}
  // The next line (valid until the next call); false at end of file.
  bool Next(std::string_view& line);
  // Looks at the head of the file (without consuming it) and tells whether
  // it is laid out as a stream wrapped at `width` columns.
  bool LooksFixedWidth(std::size_t width);
  // The lines returned so far: the number of the last one.
  long lines() const { return lines_; }
  // Where the memory that holds the line `p` lies in ends, if this source
  // holds it (else nullptr): bytes after the line up to there may be read.
  const char* ReadableAfter(const char* p) const {
    const auto at = reinterpret_cast<std::uintptr_t>(p);
    const auto begin = reinterpret_cast<std::uintptr_t>(buf_.data());
    return at >= begin && at - begin < buf_.size() ? buf_.data() + buf_.size() : nullptr;
  }

 private:
  bool Fill(std::size_t need);  // makes `need` bytes available from begin_
  File& file_;
  std::int64_t size_ = -1;  // the file's size, asked once (-1: not yet)
  std::vector<char> buf_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  long lines_ = 0;
};

// Whether a blank was lost at a line break between `left` and `right`:
// the word at the end of `left` is a list keyword (it follows a "(") that
// is an EDIF keyword on its own but not together with the word that starts
// `right` ("(rename" + "PIN_A" lost a blank; "(cell" + "Ref" did not).
bool BlankDropped(std::string_view keyword, std::string_view right);

class EdifTokens {
 public:
  enum class Kind { kNone, kOpen, kClose, kQuoted, kWord };

  explicit EdifTokens(File& file);

  // The next token; kNone at the end of the file or after a failure. The
  // text stays valid until the next call. Parentheses in the current line
  // are handled here, everything else by NextToken.
  Kind Next(std::string_view& text) {
    rest_.remove_prefix(BlanksAhead(rest_));
    if (!rest_.empty() && !unclosed_quote_) {
      char c = rest_[0];
      if (c == '(' || c == ')') {
        text = rest_.substr(0, 1);
        rest_.remove_prefix(1);
        depth_ += c == '(' ? 1 : -1;
        after_open_ = c == '(';
        return c == '(' ? Kind::kOpen : Kind::kClose;
      }
      return NextWord(text);
    }
    return NextToken(text);
  }

  // The blanks at the start of `text`. Most tokens follow one blank or
  // none; indentation comes in long runs, taken eight bytes at a time (a
  // blank is a zero byte of the text XOR blanks).
  static std::size_t BlanksAhead(std::string_view text) {
    constexpr std::uint64_t kBlanks = 0x2020202020202020ull;
    if (text.empty() || text[0] != ' ') return 0;
    if (text.size() == 1 || text[1] != ' ') return 1;
    std::size_t skip = 2;
    for (; skip + 8 <= text.size(); skip += 8) {
      std::uint64_t w = 0;
      std::memcpy(&w, text.data() + skip, 8);
      if ((w ^= kBlanks) != 0) {
        if constexpr (std::endian::native == std::endian::little) {
          return skip + static_cast<std::size_t>(std::countr_zero(w)) / 8;
        } else {
          break;
        }
      }
    }
    while (skip < text.size() && text[skip] == ' ') ++skip;
    return skip;
  }

  // The text of the current line not yet read, its leading blanks passed
  // over (the next line's when none is left), as the next token would
  // begin it; false at the end of the file or after a failure. A caller
  // that reads tokens from it itself takes them with Taken.
  // `readable`: the bytes after the text up to there may be read.
  bool Ahead(std::string_view& text, const char*& readable) {
    if (unclosed_quote_) return false;
    for (;;) {
      rest_.remove_prefix(BlanksAhead(rest_));
      if (!rest_.empty()) break;
      if (!NextLine(rest_)) return false;
    }
    text = rest_;
    readable = lines_.ReadableAfter(rest_.data());
    if (!readable) readable = rest_.data() + rest_.size();
    return true;
  }
  // The first `n` bytes of Ahead's text read: whole tokens, each word
  // ended in the line, that close the lists they open and open `opened`
  // more.
  void Taken(std::size_t n, int opened = 0) {
    rest_.remove_prefix(n);
    depth_ += opened;
    after_open_ = false;
  }
  // Passes over the rest of the list whose keyword was the last token, if
  // it closes in the line being read; false (nothing read) if not.
  bool SkipListInLine();

  int depth() const { return depth_; }
  // The number of the physical line the last token came from (or ended on).
  long line() const { return lines_.lines(); }
  bool fixed_width() const { return fixed_width_; }
  // Set when a quoted string did not close within its lines; the text is
  // what was buffered then. After it every call returns kNone.
  bool unclosed_quote() const { return unclosed_quote_; }
  const std::string& unclosed_text() const { return unclosed_text_; }

 private:
  Kind NextToken(std::string_view& text);
  // A word, or a quoted string, at the start of rest_: the common word that
  // no joining of lines can change is taken here, the rest by NextToken.
  Kind NextWord(std::string_view& text);
  bool NextLine(std::string_view& line);  // one line by the file's layout
  // Joins the next line to rest_; `head_word` is the list keyword that
  // runs to the end of rest_, if any (see BlankDropped).
  bool AppendNextLine(std::string_view head_word = {});

  EdifLineSource lines_;
  bool fixed_width_ = false;
  std::string wide_;        // the current line of a fixed-width file
  std::string joined_;      // rest_ after a join
  std::string scratch_;
  std::string_view rest_;   // the not yet consumed text
  int depth_ = 0;
  bool after_open_ = false;  // the last token was "("
  bool unclosed_quote_ = false;
  std::string unclosed_text_;
};

}  // namespace kalvor
