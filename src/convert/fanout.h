// The fanout analysis of the .mac to VHDL conversion: every counted node
// occurrence goes into the program's two fanout tables (the name text of
// NETS bytes and the kNETS counters, allocated at start-up); at the end the
// analysis either asks to double the tables for the next start or writes
// the report "~fanout.txt".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/state.h"
#include "convert/name_index.h"

namespace kalvor {

// The largest value a counter reaches; further occurrences are not counted.
constexpr std::uint16_t kFanoutCounterMax = 0xFFFF;

// One conversion's view of the fanout tables. The name text keeps its
// classic form (" name index " per entry), which the "NETS=" box shows; the
// lookup goes through a hash index beside it, so a name costs the same
// however many entries there are.
class FanoutAnalysis {
 public:
  // Empties the tables for a new conversion.
  explicit FanoutAnalysis(AppState& state);

  // Enters a new name or counts one more occurrence of a known one. A new
  // name that does not fit sets the overflow flag and is not entered.
  void Count(std::string_view name);

  bool available() const { return available_; }
  bool overflow() const { return overflow_; }
  std::size_t entries() const { return offsets_.size(); }
  // The name text: " a 0  b 1  x1 2 ".
  std::string_view Text() const;
  // Counter of entry `index` (0 once reported).
  int Counter(std::size_t index) const;
  std::string_view Name(std::size_t index) const;

  // The entries of the report: counter above 0, largest first, ties in
  // order of first appearance.
  std::vector<std::uint32_t> ReportOrder() const;
  // Sets the counter of a reported entry to 0.
  void ClearCounter(std::size_t index) { state_.fanout_counts[index] = 0; }

 private:
  AppState& state_;
  bool available_ = false;
  std::size_t position_ = 0;
  bool overflow_ = false;
  std::vector<std::uint32_t> offsets_;  // where each entry starts in the text
  NameIndex index_;                     // name -> index of its entry
};

// Enters or counts one occurrence of a normalised node name.
void CountFanout(FanoutAnalysis& fanout, std::string_view name);

// The end of the conversion: the doubling question when the tables were too
// small (Yes writes NETS and kNETS doubled, saves the settings as Exit does
// and ends the program), otherwise the "NETS=" box, the report file and the
// closing question that offers to open it.
Outcome FinishFanout(App& app, FanoutAnalysis& fanout);

}  // namespace kalvor
