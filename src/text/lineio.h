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

// 0 at end of file, otherwise the line's length + 1. `buffer` needs room
// for size + 1 bytes and receives the line NUL-terminated.
int ReadLine(File& file, char* buffer, int size);
// The same into a std::string.
int ReadLine(File& file, std::string& line, int size);

// One whole line of any length, with ReadLine's terminator rules and tab
// conversion (`tabs_to_blanks`), never cut; a NUL byte stays in the line.
// False at end of file (and after a read error: see File::ReadFailed).
bool ReadWholeLine(File& file, std::string& line, bool tabs_to_blanks = true);

// The text followed by CR LF. False when the write failed.
bool WriteLine(File& file, std::string_view text);

// Writes `text` wrapped into lines of at most 77 characters with "+"
// continuation lines. When a piece has no blank to split at, puts the text
// not yet written (with its "+") into `unsplit`, closes `file` and returns
// false: the caller reports it and must stop writing. False also when a
// write failed (the file then stays open and `unsplit` empty).
bool WriteWrappedLine(File& file, std::string_view text, std::string& unsplit);

// Appends the following physical lines that begin with `continuation` to
// `line` (the character replaced by a blank), as long as they fit in `size`.
void JoinContinuations(File& file, char continuation, std::string& line,
                       int size);

// ReadLine, then JoinContinuations with "+". Returns ReadLine's result.
int ReadJoinedLine(File& file, std::string& line, int size);

}  // namespace kalvor
