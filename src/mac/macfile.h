// The macro netlist format (.mac) and its wire list (.wir): the one place
// that says how lines are told apart and how names are taken. Each reader
// keeps its own logic; these are the rules they all share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "netlist/netlist.h"
#include "text/blank_scan.h"
#include "text/file.h"
#include "text/lineio.h"
#include "text/row.h"

namespace kalvor {

class UserInterface;

// The include files that the program writes into macro files, as the
// settings keep them.
namespace key {
constexpr const char* kFuncMacs = "func_macs";  // technology to function
constexpr const char* kPriMacs = "pri_macs";    // TIB to technology
constexpr const char* kPadMacs = "pad_macs";    // pad definitions
}  // namespace key
namespace defaults {
constexpr const char* kFuncMacs = "\\vazevari\\nettran\\scmos\\scms2tpr.mac";
// The technology include of a NetTran function ("sim.mac", "tpr.mac",
// "spc.mac", each also its settings key): this prefix followed by the key.
constexpr const char* kTechMacPrefix = "\\vazevari\\nettran\\scmos\\scmos";
}  // namespace defaults

enum class MacLineKind {
  kBlank,         // empty line
  kInclude,       // "<" ... ">"
  kInstance,      // "<" instance macro nodes... (no ">")
  kHeader,        // ".macro" name ports...
  kEnd,           // ".eom" [text]
  kDirective,     // "$" keyword words...
  kContinuation,  // "+" (only seen when reading physical lines)
  kOther,
};

MacLineKind ClassifyMacLine(std::string_view line);

// A header ".macro NAME PORT...": ".macro" is matched on its first 6
// characters ignoring case; the name is the second word, the ports follow
// as they are written. The words are taken whole, however long (NextName),
// while the rest holds content (HasContent); trailing words of only ";" are
// dropped. The name and ports are pieces of the line.
struct MacHeader {
  std::string_view name;
  std::vector<std::string_view> ports;
};
bool ParseMacHeader(std::string_view logical_line, MacHeader& header);

// The file an include line "<PATH>" names, blanks around it trimmed:
// relative to `directory` (the including file's) unless it is rooted or
// `directory` is empty. Backslashes are separators on every host.
std::string MacIncludePath(std::string_view line, const std::string& directory);

// Reads one logical line: a physical line with the "+" continuation lines
// that follow it joined (each "+" becomes a blank, tabs become blanks). The
// next line is only read when it begins with "+", and lines are read whole
// however long: the macro writer wraps headers and instance lines into "+"
// lines without limit. False at end of file.
bool ReadMacLine(File& file, std::string& line);
// ReadMacLine adding the line at the end of `text`.
bool AppendMacLine(File& file, std::string& text);
bool AppendMacLine(File& file, Row& text);

// Adds at the end of `text` (a string or a Row) the physical lines of a
// logical line that begin the `n` bytes at `window` (a file's window, as
// File::Peek gives it) while each lies whole in the window with its
// terminator and the byte after it, and holds no tab (most lines do); a
// continuation line's "+" becomes a blank, and so does the first line's
// when `continuing` a logical line begun before. Returns the bytes taken;
// `*ended` tells whether the logical line ended with them (else its next
// physical line is one that AppendMacLine reads).
template <class Text>
[[gnu::always_inline]] inline std::size_t TakeWindowLine(const char* window, std::size_t n,
                                                   Text& text, bool continuing, bool* ended) {
  std::size_t at = 0;
  for (;;) {
    const char* const line = window + at;
    const char* const stop = FirstOfOrEnd<'\n', '\r', '\t'>(line, window + n);
    const auto len = static_cast<std::size_t>(stop - line);
    if (len + 2 >= n - at || *stop == '\t') return at;
    const std::size_t piece = text.size();
    if constexpr (std::is_same_v<Text, Row>) {
      text.AddReadable(std::string_view(line, len), window + n);
    } else {
      text.append(line, len);
    }
    if (at != 0 || continuing) text.data()[piece] = ' ';
    at += len + TerminatorLength(line, n - at, len);
    if (window[at] != '+') {
      *ended = true;
      return at;
    }
  }
}

// What the directive lines after a header say of the macro's ports besides
// buses and analog ports: their directions ("$input", "$output", "$inout",
// each a list of header ports) and the ports wired to another port's node
// ("$wired NODE PORT..."), names as written. The words are kept one after
// another in one text, each list holding where its words are.
struct PortDirections {
  struct Word {
    std::uint32_t begin = 0, end = 0;
  };
  std::string text;
  std::vector<Word> inputs, outputs, inouts;
  std::vector<std::vector<Word>> wired;  // NODE first
  // "$bus NAME[LEFT:RIGHT] PORT...": a bus as the netlist declares it, its
  // bits' header ports from the left one (lines of one NAME[LEFT:RIGHT] add up).
  struct Bus {
    std::string name;
    long left = 0, right = 0;
    std::vector<Word> bits;
    long Index(std::size_t k) const {
      return left >= right ? left - static_cast<long>(k) : left + static_cast<long>(k);
    }
  };
  std::vector<Bus> buses;
  std::string original;  // "$original NAME": the netlist's own name of the macro
  std::string_view operator[](Word w) const {
    return std::string_view(text).substr(w.begin, w.end - w.begin);
  }
  void Clear() { *this = PortDirections(); }
};

// Reads the "$vector" and "$analog" lines that follow a macro header
// (physical lines of at most 4095 characters) into the bus and analog lists,
// each the text after the keyword with a blank added, and leaves the file at
// the first line that is not a "$" line. The lists are lowercased: they name
// buses and analog ports without regard to case. With `directions`, the
// direction, "$wired", "$bus" and "$original" lines among them go there;
// with `wired_only`, only the "$wired" and "$input" lines (what a reader of
// the wired ports needs).
void ReadPortDirectives(File& file, std::string& bus_list, std::string& analog_list,
                        PortDirections* directions = nullptr, bool wired_only = false);
// The same lines read for the "$original" name alone (empty when none).
std::string ReadOriginalDirective(File& file);

// Writes one logical line of a macro file, wrapped into "+" continuation
// lines of at most 77 characters. A piece with no blank to split at is
// reported as "Symbol over 70 char. long" (no owner, error icon) with the
// text, and `file` is closed: the caller must stop writing. False also when a
// write failed.
bool WriteMacLine(File& file, std::string_view text, UserInterface& ui);

// Writes the wire list into `out`: the fixed head and the top cell name
// three times. False when a write failed.
bool WriteWireList(File& out, const std::string& top_cell);

// The first line of a wire list.
constexpr const char* kWireListHead = "$ Written by Kalvor EDIF to .MAC converter.";

}  // namespace kalvor
