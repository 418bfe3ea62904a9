// The fanout analysis of the .mac to VHDL conversion: every counted node
// occurrence goes into the program's two fanout tables (the name text of
// NETS bytes and the kNETS counters, allocated when first needed); at the end the
// analysis either asks to double the tables for the next start or writes
// the report "~fanout.txt".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/outcome.h"
#include "platform/platform.h"
#include "vhdl/name_index.h"

namespace kalvor {

namespace key {
constexpr const char* kNets = "NETS";    // size of the name text, in bytes
constexpr const char* kKNets = "kNETS";  // number of counters
}  // namespace key
namespace defaults {
constexpr long kNets = 100000;
constexpr long kKNets = 10000;
}  // namespace defaults

// The report, written in the test directory.
constexpr const char* kFanoutReportName = "~fanout.txt";

// The largest value a counter reaches; further occurrences are not counted.
constexpr std::uint16_t kFanoutCounterMax = 0xFFFF;

// The two fanout tables: the name text of NETS bytes and the kNETS
// counters, sized from the settings when the program starts, allocated by
// the first conversion that needs them and kept for the rest of the run.
struct FanoutTables {
  long nets = 0;
  long knets = 0;
  std::vector<char> names;
  std::vector<std::uint16_t> counts;
  bool ok = false;
  // The user asked to double the tables for the next start; the program
  // should save its settings and end.
  bool resize_requested = false;
};

// Allocates the tables at the sizes they hold.
bool AllocateFanoutTables(FanoutTables& tables);

// One conversion's view of the fanout tables. The name text keeps its
// classic form (" name index " per entry), whose use the "NETS=" box tells; the
// lookup goes through a hash index beside it, so a name costs the same
// however many entries there are.
class FanoutAnalysis {
 public:
  // Empties the tables for a new conversion.
  explicit FanoutAnalysis(FanoutTables& tables);

  // Enters a new name or counts one more occurrence of a known one. A new
  // name that does not fit sets the overflow flag and is not entered.
  void Count(std::string_view name);

  bool available() const { return available_; }
  FanoutTables& tables() { return tables_; }
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
  void ClearCounter(std::size_t index) { tables_.counts[index] = 0; }

 private:
  FanoutTables& tables_;
  bool available_ = false;
  std::size_t position_ = 0;
  bool overflow_ = false;
  std::vector<std::uint32_t> offsets_;  // where each entry starts in the text
  NameIndex index_;                     // name -> index of its entry
};

// Enters or counts one occurrence of a normalised node name.
void CountFanout(FanoutAnalysis& fanout, std::string_view name);

// The end of the conversion: the doubling question when the tables were too
// small (Yes writes NETS and kNETS doubled and sets `resize_requested`: the
// program is to end so that the next start has the larger tables),
// otherwise the "NETS=" box (one line: nets counted, table use), the report file `report_path` and the closing
// question that offers to open it.
Outcome FinishFanout(Platform& p, FanoutAnalysis& fanout, const std::string& report_path);

}  // namespace kalvor
