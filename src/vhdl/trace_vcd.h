// The trace conversion's second result: a standard value change dump (VCD)
// beside the .out, for viewers that read VCD. Logic literals become wires
// that keep the literal (0, 1, x, z), converted counts become reals in
// volts, with the values and times the .out holds.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "text/file.h"
#include "vhdl/trace_numbers.h"

namespace kalvor {

// The texts of one value of a trace row: what the .out writes for it and
// what the VCD writes in a real column and in a wire column. `literal` is
// true for a quoted logic literal (a column whose first row holds one is a
// wire); `bits` are the value's volts (as a float) and tell reals apart as
// their texts do.
struct TraceText {
  char out[kTraceNumberRoom];  // a tab and the .out's text; copied whole
  char real[24];  // "r", the volts, a blank; copied whole, real_size used
  std::uint8_t out_size = 0;  // 0: not made yet
  std::uint8_t real_size = 0;
  char wire = 'x';
  bool literal = false;
  std::uint32_t bits = 0;
};

// The most decimals a time of the table may carry (1 ns down to 1 fs).
constexpr int kMaxTimeDecimals = 6;

// The decimals of the time field that begins `line` (after its leading
// blanks); -1 when the field is not a plain non-negative decimal number
// with at most kMaxTimeDecimals decimals, or the line has no field.
int TraceTimeDecimals(std::string_view line);

// Writes the VCD while the rows are converted. Signals are the names of the
// "Signals=" heading after the time column, each split at "." into scopes;
// a column is a wire when its first row holds a logic literal, else a real.
// Times are the table's, in ns, scaled to whole units of the timescale that
// the most decimals among them need.
class VcdWriter {
 public:
  // `heading` is the whole first line ("Signals=time top.clk ..."),
  // `decimals` the most decimals of any time (TraceTimeDecimals), or -1:
  // those of the first row's time (Decimals() tells them after it).
  VcdWriter(File& out, std::string_view heading, int decimals);

  // Begins the row whose time field is `time`. False (and nothing more is
  // written) when the time is not a number or earlier than the previous
  // row's; Failure() then says why.
  bool BeginRow(std::string_view time);
  // The value of the row's signal `k` (below Signals()); written when its
  // text differs from the one last written for the signal.
  void Value(std::size_t k, const TraceText& t) {
    Signal& s = signals_[k];
    if (!header_written_) s.logic = t.literal;  // the first row sets the kinds
    const std::uint32_t key = s.logic ? static_cast<unsigned char>(t.wire) : t.bits;
    if (s.written && key == s.key) return;
    s.written = true;
    s.key = key;
    if (s.logic) {
      *at_++ = t.wire;
    } else {
      std::memcpy(at_, t.real, sizeof t.real);
      at_ += t.real_size;
    }
    std::memcpy(at_, s.code, sizeof s.code);
    at_ += s.code_size;
    *at_++ = '\n';
  }
  // Ends the row begun (the first row's end writes the header).
  void EndRow();

  // Writes what is still owed (the header of a table without rows).
  bool Finish();

  const std::string& Failure() const { return failure_; }
  // How many signals the heading names: the fields of a row it takes.
  std::size_t Signals() const { return signals_.size(); }
  // The timescale's decimals; -1 while they wait for the first row.
  int Decimals() const { return adapt_ ? -1 : decimals_; }

 private:
  static constexpr std::size_t kBlock = std::size_t{1} << 17;  // written at a time
  struct Signal {
    std::size_t at = 0;         // the whole name in names_
    std::size_t length = 0;
    std::size_t name_from = 0;  // the name after its scopes
    char code[8] = {};  // the identifier code, copied in one block of 8
    std::size_t code_size = 0;
    bool logic = true;
    bool written = false;   // a value was written
    std::uint32_t key = 0;  // of the value last written: TraceText's wire or bits
  };
  bool WriteHeader();
  bool Flush();

  File& out_;
  std::string names_;  // the heading's names
  std::vector<Signal> signals_;
  int decimals_;
  bool adapt_;  // decimals_ comes from the first row
  bool header_written_ = false;
  bool any_time_ = false;
  std::uint64_t last_time_ = 0;
  std::string failure_;
  // The rows not yet written: a block that holds at least one row whole.
  std::vector<char> text_;
  char* at_ = nullptr;
};

}  // namespace kalvor
