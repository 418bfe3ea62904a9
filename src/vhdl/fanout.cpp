#include "vhdl/fanout.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>

#include "core/safe_replace.h"
#include "core/startup.h"
#include "text/blank_scan.h"
#include "text/file.h"
#include "text/lineio.h"
#include "text/row.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// `name` copied to `to` in capitals; returns where the copy ends. A name of
// eight to sixteen bytes (most) is two words that may overlap, each made
// upper case as it is copied.
char* CopyUpper(char* to, std::string_view name) {
  const std::size_t n = name.size();
  if (n < 8 || n > 16) {
    CopyShort(to, name.data(), n);
    UpperAsciiInPlace(to, n);
    return to + n;
  }
  std::uint64_t head = 0;
  std::uint64_t tail = 0;
  std::memcpy(&head, name.data(), 8);
  std::memcpy(&tail, name.data() + n - 8, 8);
  head = UpperEightAscii(head);
  tail = UpperEightAscii(tail);
  std::memcpy(to, &head, 8);
  std::memcpy(to + n - 8, &tail, 8);
  return to + n;
}

// Twice a table size, kept within what the settings' integer reads return.
long Doubled(long value) {
  if (value > LONG_MAX / 2 || value * 2 > INT_MAX) return INT_MAX;
  return value * 2;
}

}  // namespace

bool AllocateFanoutTables(FanoutTables& t) {
  // NETS and kNETS bound the tables; their memory is taken as the entries
  // come (FanoutAnalysis::Room), so a small file costs little whatever the
  // settings allow.
  t.names.clear();
  t.counts.clear();
  t.ok = t.nets > 0 && t.knets > 0;
  return t.ok;
}

FanoutAnalysis::FanoutAnalysis(FanoutTables& tables) : tables_(tables) {
  available_ = tables.ok && tables.nets > 0 && tables.knets > 0;
  if (!available_) return;
  // Each conversion starts from small tables: what an earlier, larger file
  // needed is given back.
  decltype(tables_.names)().swap(tables_.names);
  decltype(tables_.counts)().swap(tables_.counts);
  available_ = Room(1, 1);
}

namespace {

// Makes `table` hold at least `needed` zeroed entries, within `bound`: its
// room grows by doubling (from `least`), so that each entry is copied a few
// times at most, and `ahead` more than is used is filled at a time, so that
// not every entry resizes and a page of the room is touched only when
// entries come near it.
template <class Table>
void Fill(Table& table, std::size_t needed, std::size_t least, std::size_t ahead, long bound) {
  if (table.size() >= needed) return;
  const auto most = static_cast<std::size_t>(bound);
  if (table.capacity() < needed) {
    table.reserve(std::min(std::max({needed, table.capacity() * 2, least}), most));
  }
  table.resize(std::max(needed, std::min({table.size() + ahead, table.capacity(), most})));
}

}  // namespace

void FanoutAnalysis::Expect(std::int64_t bytes) {
  if (!available_ || bytes <= 0) return;
  // A guess: the names' text at a quarter of the file, an entry per 64
  // bytes (each name comes with the rest of a line around it). Too small
  // a guess costs the growth there always was; too large, address space.
  constexpr std::int64_t kMostText = std::int64_t{64} << 20;
  const std::int64_t nets = tables_.nets;
  const std::int64_t knets = tables_.knets;
  const auto text = static_cast<std::size_t>(std::min({bytes / 4, kMostText, nets}));
  const auto entries = static_cast<std::size_t>(std::min({bytes / 64, kMostText / 16, knets}));
  try {
    tables_.names.reserve(text);
    tables_.counts.reserve(entries);
    offsets_.reserve(entries);
  } catch (const std::bad_alloc&) {
  }
  // The hash index is filled as soon as it is made: it is told of half as
  // many names (a name per 128 bytes), and grows past that as it must.
  index_.Expect(entries / 2);
}

// Memory for `text` bytes of names and `entries` counters, within the
// bounds NETS and kNETS. False when the memory cannot be had.
bool FanoutAnalysis::Room(std::size_t text, std::size_t entries) {
  try {
    Fill(tables_.names, text, 4096, 65536, tables_.nets);
    Fill(tables_.counts, entries, 1024, 16384, tables_.knets);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  return tables_.names.size() >= text && tables_.counts.size() >= entries;
}

std::uint32_t FanoutAnalysis::Count(std::string_view name, std::uint32_t hash) {
  if (!available_) return NameIndex::kNone;
  const char* text = tables_.names.data();
  std::uint32_t found = index_.Find(hash, [&](std::uint32_t index) {
    std::size_t offset = offsets_[index];
    return EntryEnd(index) - offset == name.size() &&
           NameIndex::SameBytes(text + offset, name.data(), name.size());
  });
  if (found != NameIndex::kNone) {
    CountAgain(found);
    return found;
  }
  if (overflow_) return NameIndex::kNone;
  // In the classic text the entry is a blank, the name, a blank, the index
  // and a blank; the table keeps the name alone.
  std::size_t index = offsets_.size();
  if (index == next_digit_at_) {
    ++digits_;
    next_digit_at_ *= 10;
  }
  std::size_t key_length = name.size() + 2;
  std::size_t entry_length = key_length + digits_ + 1;
  const auto nets = static_cast<std::size_t>(tables_.nets);
  if (position_ + key_length + 10 > nets || position_ + entry_length > nets ||
      static_cast<long>(index) + 1 >= tables_.knets) {
    if (!Grow(key_length + 10 > entry_length ? key_length + 10 : entry_length)) {
      overflow_ = true;
      return NameIndex::kNone;
    }
  }
  const std::size_t needed = stored_ + name.size();
  const bool room = tables_.names.size() >= needed && tables_.counts.size() > index;
  if (!room && !Room(needed, index + 1)) {
    overflow_ = true;
    return NameIndex::kNone;
  }
  if (needed > 0xFFFFFFF0u) {
    overflow_ = true;
    return NameIndex::kNone;
  }
  CopyShort(tables_.names.data() + stored_, name.data(), name.size());
  offsets_.push_back(static_cast<std::uint32_t>(stored_));
  stored_ = needed;
  position_ += entry_length;
  tables_.counts[index] = 1;
  index_.Add(hash, static_cast<std::uint32_t>(index));
  return static_cast<std::uint32_t>(index);
}

void FanoutAnalysis::CountAll(const std::vector<Counted>& names) {
  if (!available_) return;
  const std::size_t n = names.size();
  // Lookups this far ahead are on their way while the current one is made.
  constexpr std::size_t kAhead = 16;
  for (std::size_t k = 0; k < n && k < kAhead; ++k) index_.Prefetch(names[k].hash);
  for (std::size_t k = 0; k < n; ++k) {
    if (k + kAhead < n) index_.Prefetch(names[k + kAhead].hash);
    const Counted& counted = names[k];
    std::uint32_t entry = Count(counted.name, counted.hash);
    if (entry == NameIndex::kNone || counted.times < 2) continue;
    // Further occurrences of a name without an entry find none either: the
    // table stays full.
    std::uint16_t& counter = tables_.counts[entry];
    std::uint32_t sum = counter + counted.times - 1;
    counter = static_cast<std::uint16_t>(sum < kFanoutCounterMax ? sum : kFanoutCounterMax);
  }
}

// Doubles the bound of the name text until `entry_length` more bytes fit,
// and that of the counters when they are full; the sizes stay within what
// the settings hold. The memory itself is taken by Room.
bool FanoutAnalysis::Grow(std::size_t entry_length) {
  long nets = tables_.nets;
  long knets = tables_.knets;
  while (position_ + entry_length > static_cast<std::size_t>(nets)) {
    if (nets >= INT_MAX) return false;
    nets = Doubled(nets);
  }
  if (static_cast<long>(offsets_.size()) + 1 >= knets) {
    if (knets >= INT_MAX) return false;
    knets = Doubled(knets);
  }
  tables_.nets = nets;
  tables_.knets = knets;
  grown_ = true;
  return true;
}

std::string_view FanoutAnalysis::Name(std::size_t index) const {
  const std::size_t begin = offsets_[index];
  return std::string_view(tables_.names.data() + begin, EntryEnd(index) - begin);
}

int FanoutAnalysis::Counter(std::size_t index) const {
  return tables_.counts[index];
}

FanoutAnalysis::Order FanoutAnalysis::ReportOrder() {
  // No name is counted after this: the hash index's slots, whose memory is
  // in use already, take the order (fresh memory is dear: the system
  // clears every page of it).
  Order order = index_.TakeSlots();
  // A counting sort by counter, largest first: stable, so equal counters
  // keep the order of first appearance.
  const auto& counts = tables_.counts;
  std::uint16_t most = 0;
  std::size_t reported = 0;
  for (std::size_t i = 0; i < offsets_.size(); ++i) {
    if (counts[i] == 0) continue;
    most = std::max(most, counts[i]);
    ++reported;
  }
  // start[k]: where the entries of counter most - k begin.
  std::vector<std::uint32_t> start(std::size_t{most} + 1, 0);
  for (std::size_t i = 0; i < offsets_.size(); ++i) {
    if (counts[i] != 0) ++start[most - counts[i] + 1];
  }
  for (std::size_t k = 1; k < start.size(); ++k) start[k] += start[k - 1];
  order.resize(reported);
  for (std::size_t i = 0; i < offsets_.size(); ++i) {
    if (counts[i] == 0) continue;
    order[start[most - counts[i]]++].number = static_cast<std::uint32_t>(i);
  }
  return order;
}

void CountFanout(FanoutAnalysis& fanout, std::string_view name) { fanout.Count(name); }

Outcome FinishFanout(Platform& p, FanoutAnalysis& fanout, const std::string& path) {
  FanoutTables& t = fanout.tables();
  if (!fanout.available()) {
    p.ui.Notify(Format("The fanout tables (NETS=%ld, kNETS=%ld) could not be set up, "
                      "so no fanout report was made.\nCheck the NETS and kNETS "
                      "settings and start Kalvor again.",
                      t.nets, t.knets),
               "Fanout analysis", box::kOk | box::kIconWarning);
    return Outcome::kFailed;
  }
  // Tables that grew keep their size for the next start, whatever happens
  // to the report.
  std::string growth;
  if (fanout.grown()) {
    if (!SaveSettings(p, {{key::kNets, Format("%ld", t.nets)}, {key::kKNets, Format("%ld", t.knets)}})) {
      return Outcome::kFailed;
    }
    growth = Format(" The tables grew to NETS=%ld, kNETS=%ld in this run; these sizes are "
                    "stored for the next start.",
                    t.nets, t.knets);
  }
  if (fanout.overflow()) {
    p.ui.Notify(Format("The fanout tables could not grow beyond NETS=%ld, kNETS=%ld (not "
                       "enough memory), so no fanout report was made. The VHDL is complete.",
                       t.nets, t.knets),
                "Fanout node table size exceeded.", box::kOk | box::kIconWarning);
    return Outcome::kCompleted;
  }

  // One line of table use; the nets themselves are in the report.
  p.ui.Notify(Format("%ld nets counted; the name table uses %ld of %ld bytes, the counters %ld "
                     "of %ld. Every counted net is listed in the fanout report.",
                     static_cast<long>(fanout.entries()), static_cast<long>(fanout.TextSize()),
                     t.nets, static_cast<long>(fanout.entries()), t.knets) +
                  growth,
              "NETS=", box::kOk);

  SafeOutput output(p);
  if (!output.Open(path)) return Outcome::kFailed;
  File& report = output.file();
  WriteLine(report, "fanout\tnet(node)");
  WriteLine(report, "------\t-------------------------------------------------------");
  FanoutAnalysis::Order order = fanout.ReportOrder();
  std::string closing = "\nNo node was counted.\n\nDisplay fanout report?";
  // The lines are made where they stand in `text` and written a block at a
  // time: the count, a tab, the name in capitals, CR LF.
  std::string text(File::kWriteBlock, '\0');
  std::size_t used = 0;
  // The report's order is not the table's: the names a few ahead are
  // asked for while one is written.
  constexpr std::size_t kAhead = 16;
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (k + kAhead < order.size()) fanout.PrefetchName(order[k + kAhead].number);
    const std::uint32_t index = order[k].number;
    int fanout_of_net = fanout.Counter(index) - 1;
    std::string_view name = fanout.Name(index);
    if (index == order.front().number) {
      closing = Format(
          "\nMax detected fanout = %d, occurring on node '%s'       \nNOTE: PORTS "
          "are only counted as ONE unit load.\n\nDisplay fanout report?",
          fanout_of_net, ToUpper(name).c_str());
    }
    const std::size_t line = 20 + 1 + name.size() + 2;
    if (text.size() - used < line) {
      report.Write(text.data(), used);
      used = 0;
      if (text.size() < line) text.resize(line);
    }
    char* at = text.data() + used;
    at = PutDecimal(at, static_cast<unsigned long long>(fanout_of_net));
    *at++ = '\t';
    at = CopyUpper(at, name);
    *at++ = '\r';
    *at++ = '\n';
    used = static_cast<std::size_t>(at - text.data());
    fanout.ClearCounter(index);
  }
  report.Write(text.data(), used);
  if (!output.Commit()) return Outcome::kFailed;
  if (p.ui.Notify(closing, "Done.", box::kYesNo | box::kIconQuestion) == answer::kYes) {
    p.shell.Open(path, "", "");
  }
  return Outcome::kCompleted;
}

}  // namespace kalvor
