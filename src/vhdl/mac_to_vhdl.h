// The .mac to VHDL conversion: every macro becomes an entity with its port
// list and a structural architecture (signals for the internal nets, one
// positional port map per instance); everything else in the macro file is
// carried over as comments. Node occurrences feed the fanout analysis.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs.h"
#include "core/outcome.h"
#include "core/run_context.h"
#include "text/file.h"
#include "vhdl/fanout.h"
#include "text/lone_hashes.h"
#include "text/name_set.h"

namespace kalvor {

class FanoutAnalysis;
struct FanoutTables;

// The parameters of the conversion as the "mac2vhd" dialog edits them.
// The last field ("std") asks for standard VHDL (vhdl/vhdl_standard.h).
constexpr OptionSetting kMac2vhdOptions{"mac2vhd", "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=n;"};

// The files of one conversion.
struct MacToVhdlJob {
  std::string mac_path;     // the design's macro file
  std::string vhd_path;     // the VHDL file written
  std::string report_path;  // the fanout report
};

// ".mac to VHDL (.vhd)": asks for the "mac2vhd" parameters, converts, and
// ends with the fanout analysis in `tables`.
Outcome RunMacToVhdl(const RunContext& run, const MacToVhdlJob& job, FanoutTables& tables);

// The parameters of the conversion, taken by position from the "mac2vhd"
// option string.
struct MacToVhdlOptions {
  std::string ignore[3];    // component names whose instances are left out
  bool no_supply = false;   // no port or signal for the supply nodes
  std::string packages[2];  // extra use clauses (empty: none)
  bool standard = false;    // standard VHDL: components, legal names
};
MacToVhdlOptions ReadMacToVhdlOptions(const std::string& options);

// What normalising node names does besides rewriting them.
struct NodeTally {
  FanoutAnalysis* fanout = nullptr;  // where counted names go
  bool name_changed = false;         // an "in" or "out" became "in1"/"out1"
};

// How much of a macro body the signal pass keeps in memory so that the main
// pass need not read it from the file again. A larger body (a flat netlist
// of a million cells) is read again: what was kept of it is lost, and
// memory mapped afresh costs more than the second reading (a 70 MB body:
// 510 ms with 32 MB kept in vain, 320 ms with 8 MB).
constexpr std::size_t kKeepBodyBytes = std::size_t{8} << 20;

struct MacToVhdlResult {
  bool name_changed = false;  // a node named "in" or "out" was renamed
  // The macro file's macros are not whole (a ".macro" before the last one's
  // ".eom", an ".eom" of none, the file ending inside one): said to the
  // user; what was written is no VHDL to keep.
  bool broken = false;
};

// The conversion proper, from the open macro file to the open VHDL file
// (after its first line), counting nodes into `fanout` and stepping the open
// `progress`.
MacToVhdlResult ConvertMacFile(UserInterface& ui, Progress& progress, const MacToVhdlOptions& options,
                    File& in, File& out, FanoutAnalysis& fanout,
                    std::size_t keep_bytes = kKeepBodyBytes);

// Makes a node name usable in VHDL: "NN_" before a leading digit (or for an
// empty name), "inst_" removed, "<" turned into "_", "in"/"out" suffixed
// with "1", a supply ("vdd", "gnd" in any letter case) lowercased. With
// `count` the result is counted in the fanout analysis.
void NormalizeNodeName(std::string& name, bool count, NodeTally& tally);

// The VHDL names of one macro's nodes and instance labels. A node name is
// normalised (NormalizeNodeName) and, in the long-standing format,
// lowercased; when that gives the name of another node of the macro (inst_n5
// beside n5, A beside a, x1<o beside x1_o, in beside in1), the later node
// gets a name of its own instead of merging: in the long-standing format the
// extended identifier of its own spelling (\A\), in standard VHDL its own
// spelling (which that format escapes as it needs). The supplies (vdd, gnd in
// any letter case) are one node each, as they are global.
class NodeNames {
 public:
  // Starts a macro; `lowercase` for the long-standing format. The counts of
  // the macro before go to the fanout analysis first (CountPending).
  void Reset(bool lowercase);
  // Hands the counted names of the macro to the fanout analysis: each name
  // once, in the order of its first count, with how often it was counted.
  void CountPending();
  // The name of node `word`, counted in the fanout analysis with `count`.
  const std::string& Node(std::string_view word, bool count, NodeTally& tally) {
    std::uint32_t w = Word(word, tally);
    name_.assign(WordName(w));
    if (count) CountWord(w, tally);
    return name_;
  }
  // Node without the copy and the count: the number of `word` in this
  // macro. A word is named once per macro; when it comes again its number
  // is found under its own spelling.
  std::uint32_t Word(std::string_view word, NodeTally& tally) {
    return Word(word, NameIndex::Hash(word), tally);
  }
  // The same for a word whose NameIndex::Hash is known.
  std::uint32_t Word(std::string_view word, std::uint32_t hash, NodeTally& tally) {
    std::uint32_t w = word_index_.Find(hash, [this, word](std::uint32_t n) {
      const WordEntry& e = words_[n];
      return e.word_size == word.size() &&
             NameIndex::SameBytes(word_names_.View().data() + e.word_at, word.data(), word.size());
    });
    if (w == NameIndex::kNone) w = NewWord(word, hash, tally);
    last_ = words_[w].number;
    return w;
  }
  // True when word number `w` is its own node name, as spelled.
  bool IsOwnName(std::uint32_t w) const { return words_[w].word_at == words_[w].start; }
  // The node name of word number `w` (valid until the next new word).
  std::string_view WordName(std::uint32_t w) const {
    const WordEntry& e = words_[w];
    return std::string_view(word_names_.View().data() + e.start,
                            e.word_at == e.start ? e.word_size : e.word_at - e.start);
  }
  // CountWord of word `w` just named by Word(), in a fanout analysis there
  // is (tally.fanout).
  void CountLastWord(std::uint32_t w, NodeTally& tally) {
    std::uint32_t& counted = counts_[last_];
    if (counted - 1 < kFanoutCounterMax - 1) {
      ++counted;
    } else if (counted == 0) {
      FirstCount(w, tally);
    }
  }
  // Counts the node of word number `w` in the fanout analysis.
  void CountWord(std::uint32_t w, NodeTally& tally) {
    if (!tally.fanout) return;
    std::uint32_t& counted = counts_[words_[w].number];
    if (counted == 0) return FirstCount(w, tally);
    if (counted < kFanoutCounterMax) ++counted;
  }
  // The number of the name of word `w`, and of the last Node()'s name: equal
  // names have equal numbers, all below NameCount().
  std::uint32_t NameNumber(std::uint32_t w) const { return words_[w].number; }
  std::uint32_t LastNumber() const { return last_; }
  std::uint32_t NameCount() const { return static_cast<std::uint32_t>(owners_.size()); }
  // True the first time it is asked for word number `w` in this macro.
  bool FirstLook(std::uint32_t w) {
    if (looked_[w]) return false;
    looked_[w] = 1;
    return true;
  }
  // The label of an instance (long-standing format): `label`, "I" and the
  // instance name lowercased, or an extended identifier when that is
  // taken. Valid until the next Label.
  std::string_view Label(std::string_view label);
  // A label of this macro as the signal pass meets it ("<" and the instance
  // name as written), noted so that Label need not keep every label's text
  // to tell them apart; SettleLabels once all are noted (`all`: else the
  // notes are not used).
  void NoteLabel(std::string_view label);
  void SettleLabels(bool all) {
    labels_by_hash_ = all;
    if (all) label_hashes_.Settle();
  }
  // True when the labels were noted and settled and no other label of the
  // macro is `label` ("I" and the instance name lowercased).
  bool LabelAlone(std::string_view label) const {
    return labels_by_hash_ && label_hashes_.Alone(LabelHash(label));
  }
  // Marks a name declared outside the macro file's words (a port read from
  // a VHDL file, lowercase), whoever's node has it.
  void DeclareName(std::string_view name) {
    std::uint32_t n = 0;
    Take(name, name, &n);
    owners_[n].declared = true;
  }
  // Marks the node of the last Node() as declared (a port or a signal);
  // false when it was already.
  bool DeclareLast() {
    if (owners_[last_].declared) return false;
    owners_[last_].declared = true;
    return true;
  }

 private:
  // Who a name was given to: the word that is its own key (most names), a
  // label, or another word (kept in owners_).
  struct Owner {
    std::uint32_t start = 0;
    std::uint32_t size = kSame;
    bool declared = false;
  };
  static constexpr std::uint32_t kSame = 0xFFFFFFFFu;
  static constexpr std::uint32_t kLabel = 0xFFFFFFFEu;
  // A word met in this macro: the number of its name, where the name is in
  // word_names_, and where the word as spelled is: the name itself when the
  // word is its own name (most are), else right after it (so the name ends
  // where the word begins). Sixteen bytes, so that a macro's words take
  // few cache lines.
  struct WordEntry {
    std::uint32_t number = 0;
    std::uint32_t start = 0;
    std::uint32_t word_at = 0;
    std::uint32_t word_size = 0;
  };
  // Word and CountWord for a word not met before in the macro, and for
  // the first count of a name.
  std::uint32_t NewWord(std::string_view word, std::uint32_t hash, NodeTally& tally);
  void FirstCount(std::uint32_t w, NodeTally& tally);
  std::uint32_t Name(std::string_view word, std::uint32_t hash, NodeTally& tally, bool* itself);
  bool Take(std::string_view key, std::string_view owner, std::uint32_t* number = nullptr);
  bool Take(std::string_view key, std::uint32_t hash, std::string_view owner,
            std::uint32_t* number);
  bool OwnedBy(std::uint32_t n, std::string_view word) const;
  // What label_hashes_ holds of a label: its name after the "<" or "I",
  // without regard to letter case.
  static std::uint32_t LabelHash(std::string_view label) {
    return static_cast<std::uint32_t>(MixName(label.substr(1), true));
  }
  // Puts the labels kept apart among the names, in their order.
  void LabelsAmongNames();
  bool lowercase_ = true;
  NameSet taken_;  // names given (lowercased keys in the long-standing format)
  // Labels ("I" and the instance name lowercased) that no name taken holds
  // as a key ("i" first): kept apart from taken_ (the signal pass names the
  // nodes before the first label; a node named later that begins with "i",
  // or a label that meets a name or another label, puts them among the
  // names).
  NameSet labels_;
  // The hashes of every label of the macro, noted in a macro of many labels:
  // those alone in it need not be in labels_.
  LoneHashes label_hashes_;
  bool labels_by_hash_ = false;
  bool initial_i_ = false;  // a name taken begins with "i"
  std::vector<Owner> owners_;
  // How often each name was counted in this macro (a name's number gives
  // the same name for the rest of the macro); apart from owners_, so that
  // the count of every node word stays in a small table.
  std::vector<std::uint32_t> counts_;
  NameIndex word_index_;  // the words met, as spelled, to their numbers
  std::vector<WordEntry> words_;
  std::vector<std::uint32_t> name_hashes_;  // NameIndex::Hash of each word's name
  std::vector<std::uint8_t> looked_;  // FirstLook has been asked, by word number
  Row word_names_;  // names are short: a copy without a call
  std::string owner_text_;
  std::string name_;
  std::string key_;
  std::string label_;
  std::uint32_t last_ = 0;  // the number of the last Node()'s name
  // The words whose names were counted in this macro, in the order of
  // their first count; at the macro's end, their names and counts.
  FanoutAnalysis* fanout_ = nullptr;
  std::vector<std::uint32_t> counted_words_;
  std::vector<FanoutAnalysis::Counted> counted_;
};

// Where the bus index of `name` begins (its first digit after the first
// character, when the text before it, in any letter case, is a name of the
// lowercase `bus_list`), or npos. Most macros have no bus: that test
// stays inline, the search is BusIndexIn.
std::size_t BusIndexIn(std::string_view name, std::string_view bus_list);

// True when " " + name + " " is in `list` (a bus or analog list).
bool ListsName(std::string_view list, std::string_view name);
inline std::size_t BusIndex(std::string_view name, std::string_view bus_list) {
  return bus_list.empty() ? std::string_view::npos : BusIndexIn(name, bus_list);
}

// The next token of a VHDL text: a word, a delimiter of "():;+-=><,", or
// ":=" / "->". Lines are read lowercased, comments skipped; `line` carries
// the unread rest of the current line between calls. False at end of file.
bool NextVhdlToken(File& file, std::string& line, std::string& token);

}  // namespace kalvor
