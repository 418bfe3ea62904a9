// The fanout analysis of the .mac to VHDL conversion: every counted node
// occurrence goes into the program's two fanout tables (the name text of
// NETS bytes and the kNETS counters, allocated when first needed, grown in
// the run that needs more); at the end the analysis writes the report
// "~fanout.txt" and stores the sizes the tables grew to for the next start.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/outcome.h"
#include "platform/platform.h"
#include "text/large_block.h"
#include "text/name_set.h"

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
// the first conversion that needs them and kept for the rest of the run. A
// conversion that needs more doubles them as often as it must.
struct FanoutTables {
  long nets = 0;
  long knets = 0;
  std::vector<char, LargeBlockAllocator<char>> names;
  std::vector<std::uint16_t, LargeBlockAllocator<std::uint16_t>> counts;
  bool ok = false;
};

// Allocates the tables at the sizes they hold.
bool AllocateFanoutTables(FanoutTables& tables);

// One conversion's view of the fanout tables. The names are kept one after
// another; the size of the name text is counted in its classic form
// (" name index " per entry), which NETS bounds and whose use the "NETS="
// box tells. The lookup goes through a hash index beside it, so a name
// costs the same however many entries there are.
class FanoutAnalysis {
 public:
  // Empties the tables for a new conversion.
  explicit FanoutAnalysis(FanoutTables& tables);

  // Reserves room for the names a macro file of `bytes` may hold (within
  // NETS and kNETS), so that the tables do not move as they fill; memory is
  // touched only as names come. Without that room they grow as they must.
  void Expect(std::int64_t bytes);
  // Enters a new name or counts one more occurrence of a known one. A new
  // name that does not fit doubles the full table (both when both are full);
  // only when that cannot be had (memory, or a size beyond what the settings
  // hold) is the overflow flag set and the name not entered. Returns the
  // name's entry, NameIndex::kNone when it has none.
  std::uint32_t Count(std::string_view name) { return Count(name, NameIndex::Hash(name)); }
  // A name to count, with its NameIndex::Hash and how often it was seen.
  struct Counted {
    std::string_view name;
    std::uint32_t hash = 0;
    std::uint32_t times = 0;
  };
  // Count for many names: the same result as Count called so often for
  // each in turn; the table's memory is asked for ahead, since in a large
  // file nearly every lookup misses the caches.
  void CountAll(const std::vector<Counted>& names);
  // One more occurrence of the name of entry `index` (as Count returned it).
  void CountAgain(std::uint32_t index) {
    std::uint16_t& counter = tables_.counts[index];
    if (counter < kFanoutCounterMax) ++counter;
  }
  // The tables grew during this conversion.
  bool grown() const { return grown_; }

  bool available() const { return available_; }
  FanoutTables& tables() { return tables_; }
  bool overflow() const { return overflow_; }
  std::size_t entries() const { return offsets_.size(); }
  // The size of the name text in its classic form (" a 0  b 1  x1 2 ").
  std::size_t TextSize() const { return position_; }
  // Counter of entry `index` (0 once reported).
  int Counter(std::size_t index) const;
  std::string_view Name(std::size_t index) const;
  // Asks for the text of entry `index` ahead of its Name().
  void PrefetchName(std::size_t index) const {
    __builtin_prefetch(tables_.names.data() + offsets_[index]);
    __builtin_prefetch(offsets_.data() + index + 1);
  }

  // The entries of the report (each slot's number): counter above 0,
  // largest first, ties in order of first appearance. Ends the counting:
  // the order is made in the memory of the hash index, which no name needs
  // any more and which holds at least two slots per entry.
  using Order = NameIndex::Slots;
  Order ReportOrder();
  // Sets the counter of a reported entry to 0.
  void ClearCounter(std::size_t index) { tables_.counts[index] = 0; }

 private:
  FanoutTables& tables_;
  bool available_ = false;
  std::size_t position_ = 0;  // the classic text's size
  std::size_t stored_ = 0;    // the names' bytes
  // Where the name of entry `index` ends.
  std::size_t EntryEnd(std::size_t index) const {
    return index + 1 < offsets_.size() ? offsets_[index + 1] : stored_;
  }
  bool overflow_ = false;
  bool grown_ = false;
  bool Grow(std::size_t entry_length);
  std::uint32_t Count(std::string_view name, std::uint32_t hash);
  bool Room(std::size_t text, std::size_t entries);
  // The decimal digits of the next entry's index, and the index that has one
  // more.
  std::size_t digits_ = 1;
  std::size_t next_digit_at_ = 10;
  // Where each entry starts in the text.
  std::vector<std::uint32_t, LargeBlockAllocator<std::uint32_t>> offsets_;
  NameIndex index_;                     // name -> index of its entry
};

// Enters or counts one occurrence of a normalised node name.
void CountFanout(FanoutAnalysis& fanout, std::string_view name);

// The end of the conversion: when the tables grew, NETS and kNETS are stored
// at their new sizes for the next start; when they could not grow, a message
// says so and no report is made; otherwise the "NETS=" box (one line: nets
// counted, table use, any growth), the report file `report_path` and the
// closing question that offers to open it.
Outcome FinishFanout(Platform& p, FanoutAnalysis& fanout, const std::string& report_path);

}  // namespace kalvor
