// Line-oriented reading and writing of text files.
//
// ReadLine reads like this: take a chunk of up to `size` bytes; the line ends
// at the first CR, LF or NUL in it (or is the whole chunk); a CR LF or LF CR
// pair counts as one two-byte terminator, anything else (also "no terminator
// found") as one byte; the position moves past line and terminator; tabs
// become blanks. So a line longer than `size` is cut into pieces and the byte
// after each piece is skipped. That is right for reading tool output, wrong
// for rewriting a user's file: rewrites use ReadWholeLine.
#pragma once

#include <string>
#include <string_view>

#include "text/file.h"

namespace kalvor {

// The line end in data[0..n): the first CR or LF, and when `nul_ends` also
// the first NUL; n if none. `*tab` tells whether a tab may come before it.
// Where the processor can, sixteen bytes are tested at a time, so that a
// line costs one pass over its bytes.
std::size_t FindLineEnd(const char* data, std::size_t n, bool nul_ends, bool* tab);
// The same in one pass eight bytes at a time, with the tab found exactly:
// FindLineEnd where the processor has no sixteen-byte tests (the 32-bit
// Windows program, whose C library's memchr tests a byte at a time under
// wine and would take three passes, one per kind of end).
std::size_t FindLineEndByWords(const char* data, std::size_t n, bool nul_ends, bool* tab);
// The length of the terminator at data[at], a line end FindLineEnd found:
// 2 for a CR LF or LF CR pair within data[0, n), else 1.
inline std::size_t TerminatorLength(const char* data, std::size_t n, std::size_t at) {
  if (at + 1 < n) {
    const char a = data[at];
    const char b = data[at + 1];
    if ((a == '\r' && b == '\n') || (a == '\n' && b == '\r')) return 2;
  }
  return 1;
}
// Each tab of p[0, n) becomes a blank.
void TabsToBlanks(char* p, std::size_t n);

// 0 at end of file, otherwise the line's length + 1. `buffer` needs room
// for size + 1 bytes and receives the line NUL-terminated.
int ReadLine(File& file, char* buffer, int size);
// The same into a std::string.
int ReadLine(File& file, std::string& line, int size);
// ReadLine's line where the file holds it (valid until the file is read
// again), its tabs left as they are (`*tab` tells whether it has one).
// Empty at end of file.
std::string_view ReadLineInPlace(File& file, int size, bool* tab);

// One whole line of any length, with ReadLine's terminator rules and tab
// conversion (`tabs_to_blanks`), never cut; a NUL byte stays in the line.
// False at end of file (and after a read error: see File::ReadFailed).
bool ReadWholeLine(File& file, std::string& line, bool tabs_to_blanks = true);
// ReadWholeLine adding the line at the end of `text`.
bool AppendWholeLine(File& file, std::string& text, bool tabs_to_blanks = true);

// The lines that lie whole in the file's read window at its position, each
// as ReadWholeLine reads it but where the window holds it, tabs as they are:
// `take(line, end)` gets each line's text and the length of its line end,
// in order, until it returns false. A line, or a CR LF pair, that may go on
// past the window is not handed over. Returns the bytes of the lines taken,
// in the window; the caller moves past them (File::Skip). Empty when none
// was taken: at the end of the file, before a line that ReadWholeLine must
// read, or when `take` refused the first.
template <class Take>
std::string_view TakeWholeLines(File& file, Take take) {
  constexpr std::size_t kWindow = std::size_t{1} << 16;
  const char* data = nullptr;
  const std::size_t n = file.Peek(kWindow, &data);
  const bool last = n < kWindow;  // the window reaches the end of the file
  std::size_t done = 0;
  while (done < n) {
    const char* const p = data + done;
    const std::size_t left = n - done;
    bool tab = false;
    const std::size_t len = FindLineEnd(p, left, /*nul_ends=*/false, &tab);
    if (!last && len + 1 >= left) break;
    const std::size_t end = len < left ? TerminatorLength(p, left, len) : 0;
    if (!take(std::string_view(p, len), end)) break;
    done += len + end;
  }
  return std::string_view(data, done);
}

// A line-by-line reader that holds no line: for inputs whose lines may be
// longer than anything worth keeping. Lines end as for ReadWholeLine; tabs
// read as blanks. Use one reader at a time on a file; the file's position
// follows the reader.
class LineCursor {
 public:
  explicit LineCursor(File& file) : file_(file) {}
  ~LineCursor() { Sync(); }
  LineCursor(const LineCursor&) = delete;
  LineCursor& operator=(const LineCursor&) = delete;

  // Moves past the rest of the current line and its terminator, if a line
  // was begun, and begins the next one: false at the end of the file.
  bool NextLine();
  // The next byte of the line, or -1 at its end.
  int Peek() {
    if (p_ == end_ && !Refill()) return -1;
    const char c = *p_;
    if (c == '\n' || c == '\r') return -1;
    return c == '\t' ? ' ' : static_cast<unsigned char>(c);
  }
  // Past the byte Peek returned.
  void Next() { ++p_; }
  // Past a run of blanks; returns its length.
  std::size_t SkipBlanks();
  // Appends the bytes up to the next blank or the line's end to `word`,
  // keeping at most `cap` of them; returns how many there were.
  std::size_t Word(std::string& word, std::size_t cap);
  // The number of the current line, from 1.
  long Number() const { return number_; }

 private:
  bool Refill();
  void Sync();
  File& file_;
  const char* base_ = nullptr;
  const char* p_ = nullptr;
  const char* end_ = nullptr;
  bool in_line_ = false;
  long number_ = 0;
};

// The text followed by CR LF. False when the write failed.
bool WriteLine(File& file, std::string_view text);

// Writes `text` wrapped into lines of at most 77 characters with "+"
// continuation lines. When a piece has no blank to split at, puts the text
// not yet written (with its "+") into `unsplit`, closes `file` and returns
// false: the caller reports it and must stop writing. False also when a
// write failed (the file then stays open and `unsplit` empty).
bool WriteWrappedLine(File& file, std::string_view text, std::string& unsplit);

// Appends the following physical lines that begin with `continuation` to
// `line` (the character replaced by a blank), as long as they fit in `size`;
// returns how many lines were joined.
int JoinContinuations(File& file, char continuation, std::string& line, int size);

// The number of the line of `path` that starts at byte `offset` (1: the
// first), counting CR, LF, CR LF and LF CR as line ends; at the end of the file,
// its last line. 0 when the file cannot be read. For messages: it reads the
// file again up to `offset`.
long LineNumberAt(const std::string& path, std::int64_t offset);

// ReadLine, then JoinContinuations with "+". Returns ReadLine's result.
int ReadJoinedLine(File& file, std::string& line, int size);

}  // namespace kalvor
