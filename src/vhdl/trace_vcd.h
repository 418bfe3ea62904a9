// The trace conversion's second result: a standard value change dump (VCD)
// beside the .out, for viewers that read VCD. Logic literals become wires
// that keep the literal (0, 1, x, z), converted counts become reals in
// volts, with the values and times the .out holds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/file.h"
#include "vhdl/trace_numbers.h"

namespace kalvor {

// One value field of a trace row: a quoted logic literal (`literal` is the
// character between the quotes) or a count converted to volts (`literal`
// is 0). `volts` is what the .out writes for it.
struct TraceField {
  char literal = 0;
  float volts = 0.0f;
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
  // `decimals` the most decimals of any time (TraceTimeDecimals).
  VcdWriter(File& out, std::string_view heading, int decimals);

  // Adds the row whose time field is `time` with its values. False (and
  // nothing more is written) when the time is not a number or earlier than
  // the previous row's; Failure() then says why.
  bool Row(std::string_view time, const std::vector<TraceField>& fields);

  // Writes what is still owed (the header of a table without rows).
  bool Finish();

  const std::string& Failure() const { return failure_; }
  // How many signals the heading names: the fields of a row it takes.
  std::size_t Signals() const { return signals_.size(); }

 private:
  // The longest encoded value: "r", a number, a blank.
  static constexpr std::size_t kValueRoom = 64;
  struct Signal {
    std::size_t at = 0;         // the whole name in names_
    std::size_t length = 0;
    std::size_t name_from = 0;  // the name after its scopes
    char code[8] = {};  // the identifier code, copied in one block of 8
    std::size_t code_size = 0;
    bool logic = true;
    std::size_t last_size = 0;  // of the value last written, 0 before the first
    char last[kValueRoom];      // the value last written
    TraceField last_field;      // the field last seen: its encoding is `last`
  };
  bool WriteHeader();
  // Writes the value of `f` at `at`; returns its length.
  std::size_t Encode(const Signal& s, const TraceField& f, char* at);

  File& out_;
  std::string names_;  // the heading's names
  std::vector<Signal> signals_;
  int decimals_;
  bool header_written_ = false;
  bool any_time_ = false;
  std::uint64_t last_time_ = 0;
  std::string failure_;
  std::string text_;  // the row being written (its room only grows)
  NumberTexts texts_;
};

}  // namespace kalvor
