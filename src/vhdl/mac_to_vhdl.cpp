// The .mac to VHDL run: the parameter dialog, the main pass over the macro
// file, the signal pass of each macro, the port list from the header or
// from a VHDL file, and the hand-over to the fanout analysis.
#include "vhdl/mac_to_vhdl.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/dialogs.h"
#include "core/safe_replace.h"
#include "core/startup.h"
#include "core/titled_param_dialog.h"
#include "mac/macfile.h"
#include "text/blank_scan.h"
#include "text/lineio.h"
#include "text/strings.h"
#include "vhdl/fanout.h"
#include "text/name_set.h"
#include "text/row.h"
#include "vhdl/vhdl_standard.h"

namespace kalvor {

namespace {

// Pad nets ("PAD_", "Pad_" or "pad_" at the start) get no signal.
bool IsPadNet(std::string_view name) {
  if (name.size() < 4 || name[3] != '_') return false;
  std::string_view head = name.substr(0, 3);
  return head == "PAD" || head == "Pad" || head == "pad";
}

// The largest number that directly follows " " + base in `text`; 0 when
// none does.
long LargestIndexAfter(std::string_view text, std::string_view base, long largest) {
  std::string needle = " ";
  needle += base;
  for (std::size_t at = text.find(needle); at != std::string_view::npos;
       at = text.find(needle, at + 1)) {
    long value = 0;
    std::size_t p = at + needle.size();
    std::size_t digits = 0;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
      if (digits < 9) value = value * 10 + (text[p] - '0');
      ++digits;
      ++p;
    }
    largest = std::max(largest, value);
  }
  return largest;
}

class MacToVhdl {
 public:
  MacToVhdl(UserInterface& ui, Progress& progress, const MacToVhdlOptions& options, File& in,
            File& out, FanoutAnalysis& fanout, std::size_t keep_bytes)
      : ui_(ui),
        progress_(progress),
        options_(options),
        in_(in),
        out_(out),
        // (A kept line's place is held in 32 bits.)
        keep_bytes_(std::min(keep_bytes, std::size_t{1} << 31)),
        notes_(ui.ShowsProgressNotes()) {
    tally_.fanout = &fanout;
  }

  // Inlined where the conversion is made (its only call), so that the
  // members the main pass changes at every line can stay in registers.
  [[gnu::always_inline]] void Convert();
  bool name_changed() const { return tally_.name_changed; }
  bool broken() const { return broken_; }
  void UseStandard(StandardVhdl* standard) { standard_ = standard; }

 private:
  // Output is gathered and handed to the file in large pieces; the
  // instance lines, signals and wired assignments are made in it directly.
  void Put(std::string_view text) {
    pending_.Add(text);
    Written();
  }
  void PutLine(std::string_view text) {
    pending_.Add(text);
    pending_.Add("\r\n");
    Written();
  }
  [[gnu::always_inline]] void Written() {
    if (pending_.size() >= File::kWriteBlock && !hold_) Flush();
  }
  void Flush() {
    out_.Write(pending_.View());
    pending_.Clear();
  }
  // The progress window hears of every thirty-second line, and of each macro's
  // first and last line (`always`); a cancel is seen at the next of these.
  void Step(bool always = false) {
    if (always || (++steps_ & 31) == 0) progress_.Step(in_);
  }
  unsigned steps_ = 0;

  void OfferPortDefinitions(const std::string& line);
  void Header(std::string& line);
  void StandardHeader(const std::string& line);
  void InitDeclared();
  void PortsFromHeader(std::string_view line);
  void PortsFromDefinitionFile();
  void PortDeclarations();
  bool NextLine(char*& data, std::size_t& size);
  void SignalPass();
  [[gnu::always_inline]] bool SignalLine(char* data, std::size_t size);
  std::size_t DeclareWords(std::string_view rest, char* commas, bool count);
  bool Ignored(std::string_view component) const {
    for (const std::string& ignored : options_.ignore) {
      if (ignored.size() == component.size() && EqualNoCase(component, ignored)) return true;
    }
    return false;
  }
  const char* readable_ = nullptr;  // where the signal pass's line may be read to
  [[gnu::always_inline]] void Instance(char* line, std::size_t size);

  UserInterface& ui_;
  Progress& progress_;
  const MacToVhdlOptions& options_;
  File& in_;
  File& out_;
  std::size_t keep_bytes_;
  bool notes_;  // the front end shows progress notes
  NodeTally tally_;

  bool in_macro_ = false;
  // Says that the macros are not whole at the line that starts at `at`
  // (of the file) and ends the conversion.
  void Broken(const std::string& text, std::int64_t at);
  bool broken_ = false;
  std::string macro_;  // the name of the last header, as written
  std::string entity_;
  bool port_written_ = false;  // a port of the header line was declared
  // The names declared in the current macro, and (for the width of a bus)
  // the text of those declared by the header.
  std::string declared_text_;
  std::string bus_list_;
  std::string analog_list_;
  std::string top_name_;
  File port_file_;
  std::string token_line_;
  Row pending_;
  std::string note_;  // the progress note of the node being converted
  NodeNames names_;   // the current macro's node names and labels
  PortDirections directions_;  // of the current macro's ports
  void WiredAssignments();
  std::string Actual(const std::string& name) const;
  bool supply_port_[2] = {false, false};  // vdd, gnd are ports of the macro
  // Where an instance line's label ends, its macro name begins and ends,
  // and its nodes begin, as the signal pass found them; kept beside each
  // kept line (zero for other lines).
  struct Head {
    std::uint32_t label_end = 0;
    std::uint32_t name_begin = 0;
    std::uint32_t name_end = 0;
    std::uint32_t rest_begin = 0;
    std::uint32_t component = NameIndex::kNone;  // standard VHDL: NoteInstance's number
    // The nodes are their own names, no bus among them, one blank or tab
    // apart up to the line's end; the signal pass has made those blanks
    // commas, so that the line's rest is its port map (in standard VHDL,
    // when their nets are declared under those names).
    bool plain = false;
    bool ignored = false;  // the macro is one the options ignore
    // The nodes are byte for byte those of the last instance line before
    // (and so plain as well); the next line's nodes are this line's.
    bool repeat = false;
    bool repeated = false;
  };
  Head head_;
  // The label, macro name and nodes of an instance line (`end` - `begin`
  // bytes; memory up to `readable` may be read), as Head holds them.
  [[gnu::always_inline]] static Head FindHead(const char* begin, const char* end,
                                              const char* readable);
  // A body too large to keep: for each of its lines the signal pass read,
  // in order, whether it was plain, repeats the nodes of the line before
  // and has its own repeated (Head::plain, Head::repeat, Head::repeated);
  // and, as the main pass reads lines from the file, the number of the
  // next since the body's start and the current one's marks.
  static constexpr std::uint8_t kPlainLine = 1;
  static constexpr std::uint8_t kRepeatLine = 2;
  static constexpr std::uint8_t kRepeatedLine = 4;
  static std::uint8_t Marks(const Head& head) {
    return (head.plain ? kPlainLine : 0) | (head.repeat ? kRepeatLine : 0) |
           (head.repeated ? kRepeatedLine : 0);
  }
  std::vector<std::uint8_t> line_marks_;
  // A body of many lines (or too large to keep): the labels are noted in
  // NodeNames from about here on, those of the lines kept before at once;
  // they are used when the signal pass has read every line of the body.
  static constexpr std::size_t kManyLines = std::size_t{1} << 16;
  void NoteLabels();
  bool noting_labels_ = false;
  bool signal_stopped_early_ = false;
  std::size_t body_line_ = 0;
  bool line_plain_ = false;
  bool line_repeat_ = false;  // the main pass's line: Head::repeat
  bool line_repeated_ = false;  // and Head::repeated
  std::size_t main_lines_ = 0;  // lines the main pass has read
  // The signal pass: the nodes of the last instance line, when it was
  // plain and they are short, as written and as words. A line with the
  // same nodes (the supplies of filler, decap and tap cells: most lines of
  // a placed design) takes its words from here without a lookup.
  static constexpr std::size_t kRepeatBytes = 64;
  Row last_nodes_text_;
  Row last_nodes_commas_;  // the same made a port map
  std::vector<std::uint32_t> last_words_;
  enum : std::uint8_t { kNoLastNodes, kLastNodes, kLastNodesRepeated } last_nodes_ = kNoLastNodes;
  [[gnu::noinline]] std::size_t RepeatNodes(char* rest, std::size_t size, bool count);
  [[gnu::noinline]] void KeepNodes(std::string_view nodes);
  // Standard VHDL: the port map of the main pass's line `port_map_line_`
  // (its text and node count), kept when the next line repeats its nodes.
  Row port_map_;
  std::size_t port_map_line_ = 0;
  std::size_t port_map_nodes_ = 0;
  [[gnu::noinline]] void KeepPortMap(std::size_t map_begin, std::size_t nodes) {
    if (!standard_->MapsByPosition(nodes)) return;
    port_map_.Clear();
    port_map_.Add(pending_.View().substr(map_begin));
    port_map_line_ = main_lines_;
    port_map_nodes_ = nodes;
  }
  // Body lines read by the signal pass: their text one after another, and
  // for each line where it begins and ends, where its node words end among
  // kept_words_, and its head.
  struct KeptLine {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    std::uint32_t words_end = 0;
    Head head;
  };
  Row kept_text_;
  std::vector<KeptLine> kept_lines_;
  std::size_t kept_next_ = 0;
  // The numbers (NodeNames::Word) of the kept lines' node words, one after
  // another; the current line's when it has them.
  std::vector<std::uint32_t> kept_words_;
  [[gnu::always_inline]] bool KeepLine(char* text, std::size_t size);
  // Where the main pass's line begins in the file (-1: not known), and where
  // the last line the signal pass read does (a header that ends a body).
  std::int64_t line_at_ = -1;
  Row file_line_;  // the main pass's line when it is read from the file
  // The number (NodeNames::Word) of the next word of `rest`, a part of
  // file_line_, and `rest` moved past the word and one separator (as
  // NextName moves it).
  std::uint32_t FileLineWord(std::string_view& rest) {
    const char* p = rest.data();
    const char* const end = p + rest.size();
    while (p != end && (*p == ' ' || *p == '\t')) ++p;
    std::uint32_t hash = 0;
    const char* const word_end = HashedWord(p, end, file_line_.ReadableEnd(), &hash);
    rest = word_end == end
               ? std::string_view()
               : std::string_view(word_end + 1, static_cast<std::size_t>(end - word_end - 1));
    return names_.Word(std::string_view(p, static_cast<std::size_t>(word_end - p)), hash, tally_);
  }
  std::int64_t kept_last_at_ = -1;
  // Where the signal pass stopped reading (the end of its last line). It
  // counts the nodes of the instances before that point in the fanout; the
  // main pass counts those after it (beyond a line the signal pass could not
  // read).
  std::int64_t signal_end_at_ = 0;
  bool line_words_ = false;
  std::size_t line_word_ = 0;
  std::size_t line_words_end_ = 0;
  // Standard VHDL: the actual of each word of the macro, made at its first
  // use (the words' numbers index the ends; kUnmade before).
  std::string_view ActualOf(std::uint32_t w, std::string_view node) {
    if (w < actual_ends_.size() && actual_ends_[w] != kUnmade) return MadeActual(w);
    return MakeActual(w, node);
  }
  std::string_view MakeActual(std::uint32_t w, std::string_view node);
  // Standard VHDL: the current kept line's node words are their own
  // actuals (nets declared under their own names).
  bool ActualsAreWords() const {
    for (std::size_t k = line_word_; k < line_words_end_; ++k) {
      if (!standard_->ActualIsName(names_.NameNumber(kept_words_[k]))) return false;
    }
    return true;
  }
  // The same once made.
  std::string_view MadeActual(std::uint32_t w) const {
    return std::string_view(actual_text_.View().data() + actual_begins_[w],
                            actual_ends_[w] - actual_begins_[w]);
  }
  static constexpr std::uint32_t kUnmade = 0xFFFFFFFFu;
  Row actual_text_;
  std::string other_actual_;  // an actual other than a declared net's, being made
  std::vector<std::uint32_t> actual_begins_;
  std::vector<std::uint32_t> actual_ends_;
  // Standard VHDL (none: the long-standing format).
  StandardVhdl* standard_ = nullptr;
  // Standard VHDL: the node words of an instance that EndInstance takes
  // whole, and their names and actuals.
  std::vector<std::uint32_t> node_words_;
  std::vector<std::string_view> node_names_;
  std::vector<std::string_view> node_actuals_;
  bool hold_ = false;  // keep the output for a rewrite of its end
  // Standard VHDL: a macro without instances is a leaf cell, declared as a
  // component where it is used; its entity is written (at the end) only
  // when no macro of the file instantiates it, so that an empty
  // architecture never stands in for the user's cell. The text of the
  // macro being converted starts at macro_start_ in pending_.
  void EndStandardMacro();
  std::size_t macro_start_ = 0;
  std::size_t body_instances_ = 0;
  bool leaf_ = false;
  std::vector<std::pair<std::string, std::string>> leaves_;  // macro name, its text
};

inline void MacToVhdl::Convert() {
  std::string line;
  char* data = nullptr;
  std::size_t size = 0;
  while (NextLine(data, size)) {
    const std::string_view text(data, size);
    // Inside a macro every "<" line is an instance: most lines are.
    if (in_macro_ && size != 0 && data[0] == '<') {
      Step();
      if (progress_.cancelled()) break;
      Instance(data, size);
      port_written_ = false;
      continue;
    }
    MacLineKind kind = ClassifyMacLine(text);
    Step(kind != MacLineKind::kInstance);
    if (progress_.cancelled()) break;
    if (StartsWithNoCase(text, "$written by hdl_emit")) OfferPortDefinitions(ToLower(text));
    if (kind == MacLineKind::kHeader) {
      // Macros do not nest: VHDL made of one inside another is none.
      if (in_macro_) {
        Broken("This .macro comes before the .eom of macro " + macro_ + ".", line_at_);
        break;
      }
      std::string_view name = text.substr(6);
      name.remove_prefix(std::min(name.find_first_not_of(" \t"), name.size()));
      macro_.assign(name.substr(0, name.find_first_of(" \t")));
      // The header's own copy: its signal pass fills the kept lines anew.
      line.assign(text);
      Header(line);
    } else if (kind == MacLineKind::kEnd) {
      if (!in_macro_) {
        Broken("This .eom ends no macro: no .macro line stands before it since the last .eom.",
               line_at_);
        break;
      }
      in_macro_ = false;
      PutLine(standard_ ? standard_->ArchitectureEnd() : "end " + entity_ + "_1;");
      if (standard_) EndStandardMacro();
    } else {
      PutLine("-- " + (standard_ ? std::string(text) : ToLower(text)));
    }
    port_written_ = false;
  }
  // (A file that could not be read to its end is reported as such.)
  if (in_macro_ && !broken_ && !progress_.cancelled() && !in_.ReadFailed()) {
    Broken("The file ends inside macro " + macro_ + ": its .eom is missing; the file may be cut short.",
           in_.Size());
  }
  if (broken_) return;
  names_.CountPending();
  if (standard_) {
    // Leaf cells that no macro of the file instantiates keep their entity.
    for (const auto& [name, text] : leaves_) {
      if (!standard_->Instantiated(name)) Put(text);
    }
  }
  Flush();
  // A cancelled run has seen only part of the cells: it names no top entity.
  if (standard_ && !progress_.cancelled()) {
    ui_.Notify("Top-level entity: " + standard_->TopEntity(top_name_), "Standard VHDL", box::kOk);
    if (standard_->extra_nodes() != 0) {
      ui_.Notify(std::to_string(standard_->extra_nodes()) +
                     " instance(s) have more nodes than their macro has ports; the extra "
                     "nodes are named in comments after them.",
                 "Standard VHDL", box::kOk | box::kIconWarning);
    }
  }
}

void MacToVhdl::Broken(const std::string& text, std::int64_t at) {
  broken_ = true;
  const long line = at >= 0 ? LineNumberAt(in_.Path(), at) : 0;
  ui_.Notify(line > 0 ? Format("%s\n\n%s, line %ld.", text.c_str(), in_.Path().c_str(), line)
                      : text + "\n\n" + in_.Path(),
             "Broken macro file", box::kOk | box::kIconError);
}

// The main pass's next logical line (`size` bytes at `data`, which it may
// change), as it is written (node names keep their letter case until
// NodeNames has told them apart): the body lines that the signal pass kept
// come first, in place where they are kept, then the file from where that
// pass stopped, in file_line_.
bool MacToVhdl::NextLine(char*& data, std::size_t& size) {
  if (kept_next_ != 0 && kept_next_ == kept_lines_.size()) {
    kept_text_.Clear();
    kept_lines_.clear();
    kept_next_ = 0;
  }
  if (kept_next_ < kept_lines_.size()) {
    const KeptLine& kept = kept_lines_[kept_next_];
    data = kept_text_.data() + kept.begin;
    size = kept.end - kept.begin;
    // The signal pass has named the line's node words already.
    line_words_ = true;
    line_word_ = kept_next_ == 0 ? 0 : kept_lines_[kept_next_ - 1].words_end;
    line_words_end_ = kept.words_end;
    head_ = kept.head;
    line_repeat_ = kept.head.repeat;
    line_repeated_ = kept.head.repeated;
    ++main_lines_;
    ++kept_next_;
    line_at_ = kept_next_ == kept_lines_.size() ? kept_last_at_ : -1;
    return true;
  }
  line_words_ = false;
  line_at_ = in_.Tell();
  file_line_.Clear();
  if (!AppendMacLine(in_, file_line_)) return false;
  // (Only a body too large to keep has its lines' plainness noted.)
  const std::uint8_t marks = body_line_ < line_marks_.size() ? line_marks_[body_line_] : 0;
  line_plain_ = (marks & kPlainLine) != 0;
  line_repeat_ = (marks & kRepeatLine) != 0;
  line_repeated_ = (marks & kRepeatedLine) != 0;
  ++body_line_;
  ++main_lines_;
  data = file_line_.data();
  size = file_line_.size();
  return true;
}

void MacToVhdl::OfferPortDefinitions(const std::string& line) {
  std::size_t at = line.find("top=");
  if (at == std::string::npos) return;
  top_name_ = Truncate(line.substr(at + 4), 126);
  std::string file = top_name_ + ".vhd";
  if (ui_.InputBox("Mac to VHDL Conversion",
                         "File from which to obtain top level port definitions?",
                         file) != answer::kOk) {
    return;
  }
  port_file_.Close();
  token_line_.clear();
  port_file_.Open(file, File::Mode::kRead);  // a file that does not open: none
}

void MacToVhdl::Header(std::string& line) {
  in_macro_ = true;
  bus_list_.clear();
  analog_list_.clear();
  directions_.Clear();
  // The long-standing format uses only the wired ports of the direction lines.
  ReadPortDirectives(in_, bus_list_, analog_list_, &directions_, standard_ == nullptr);
  names_.Reset(standard_ == nullptr);
  actual_text_.Clear();
  actual_begins_.clear();
  actual_ends_.clear();
  if (standard_) return StandardHeader(line);
  NextWord(line);  // ".macro"
  PutLine("");
  PutLine("use IEEE.STD_LOGIC_1164.all;");
  for (const std::string& package : options_.packages) {
    if (HasContent(package)) PutLine("use " + package + ";");
  }
  PutLine("");
  std::string_view words = line;
  entity_ = ToLower(NextName(words));
  Put("entity " + entity_ + " is");
  // The port list is made where it goes, after " port (", and taken back
  // when no port comes: a macro without ports gets none (an empty list is
  // not VHDL).
  hold_ = true;
  const std::size_t port_clause = pending_.size();
  Put(" port (");
  const std::size_t port_list = pending_.size();
  InitDeclared();
  supply_port_[0] = supply_port_[1] = false;
  if (port_file_.IsOpen() && !top_name_.empty()) {
    while (HasContent(words)) names_.Node(NextName(words), true, tally_);
    PortsFromDefinitionFile();
  } else {
    PortsFromHeader(words);
  }
  hold_ = false;
  if (pending_.size() == port_list) {
    pending_.Resize(port_clause);
  } else {
    Put(" );");
  }
  Put("\r\nend " + entity_ + ";");
  PutLine("");
  PutLine("architecture " + entity_ + "_1 of " + entity_ + " is");
  // The supplies are signals of their own unless the macro has them as
  // ports; either way no body node declares them again.
  if (!supply_port_[0]) PutLine("  signal vdd: std_logic;");
  if (!supply_port_[1]) PutLine("  signal gnd: std_logic;");
  for (const char* supply : {"vdd", "gnd"}) {
    names_.Node(supply, false, tally_);
    names_.DeclareLast();
  }
  SignalPass();
  PutLine("begin");
  if (!supply_port_[0]) PutLine("  vdd<='1';");
  if (!supply_port_[1]) PutLine("  gnd<='0';");
  WiredAssignments();
}

// A node as an actual: a bus element as NAME(INDEX).
std::string MacToVhdl::Actual(const std::string& name) const {
  std::size_t index = BusIndex(name, bus_list_);
  if (index == std::string::npos) return name;
  return name.substr(0, index) + "(" + name.substr(index) + ")";
}

// Ports the netlist wires to another port's node ("$wired NODE PORT...")
// are driven from that node; an input port drives the node instead, and
// two inputs are both driven from outside.
void MacToVhdl::WiredAssignments() {
  if (directions_.wired.empty()) return;
  // A macro may have thousands of ports: the few wired ones are looked up
  // among the inputs, not searched.
  const PortDirections& d = directions_;
  NameSet wired;
  for (const std::vector<PortDirections::Word>& group : d.wired) {
    for (PortDirections::Word word : group) wired.Insert(d[word]);
  }
  std::vector<char> inputs(wired.size(), 0);
  for (PortDirections::Word name : d.inputs) {
    const std::uint32_t n = wired.Number(d[name]);
    if (n != NameIndex::kNone) inputs[n] = 1;
  }
  auto input = [&](PortDirections::Word word) { return inputs[wired.Number(d[word])] != 0; };
  auto assign = [this](std::string_view target, std::string_view source) {
    pending_.Add("  ");
    pending_.Add(target);
    pending_.Add(" <= ");
    pending_.Add(source);
    pending_.Add(";\r\n");
    Written();
  };
  for (const std::vector<PortDirections::Word>& group : d.wired) {
    const std::string node = Actual(names_.Node(d[group[0]], false, tally_));
    const bool node_input = input(group[0]);
    for (std::size_t k = 1; k < group.size(); ++k) {
      const std::string port = Actual(names_.Node(d[group[k]], false, tally_));
      const bool port_input = input(group[k]);
      if (port_input && node_input) continue;
      if (port_input) {
        assign(node, port);
      } else {
        assign(port, node);
      }
    }
  }
}

// Standard VHDL: the unit's clauses, the entity, the architecture's
// declarations (nets, components) after the signal pass.
void MacToVhdl::StandardHeader(const std::string& line) {
  MacHeader parsed;
  ParseMacHeader(line, parsed);
  MacroHeader header = NameHeader(parsed, bus_list_, analog_list_,
                                  std::move(directions_), names_, tally_, true);
  entity_ = header.name;
  bool from_file = port_file_.IsOpen() && !top_name_.empty() && EqualNoCase(entity_, top_name_);
  macro_start_ = pending_.size();
  hold_ = true;
  Put(standard_->BeginMacro(std::move(header), from_file, line_at_));
  if (from_file) {
    Row before;
    before.swap(pending_);
    InitDeclared();
    PortsFromDefinitionFile();
    Row ports;
    ports.swap(pending_);
    pending_.swap(before);
    Put(standard_->CopiedPorts(std::string(ports.View()), bus_list_));
  } else {
    Put(standard_->EntityPorts());
  }
  Put(standard_->ArchitectureHead());
  body_instances_ = 0;
  SignalPass();
  standard_->Declarations(pending_);
  Written();
  PutLine("begin");
  Put(standard_->SupplyAssignments());
  leaf_ = body_instances_ == 0;
  if (!leaf_) hold_ = false;
}

void MacToVhdl::EndStandardMacro() {
  if (leaf_) {
    leaves_.emplace_back(entity_, pending_.View().substr(macro_start_));
    pending_.Resize(macro_start_);
    PutLine("-- leaf cell " + entity_ + ": a component where it is used");
  }
  leaf_ = false;
  hold_ = false;
}

// The ports are declared in NodeNames (a node declared once, as a port or a
// signal); with the no-supply flag the supplies count as declared.
void MacToVhdl::InitDeclared() {
  declared_text_ = options_.no_supply ? kSupplyList : " ";
  if (!options_.no_supply) return;
  for (const char* supply : {"vdd", "gnd"}) {
    names_.Node(supply, false, tally_);
    names_.DeclareLast();
  }
}

void MacToVhdl::PortsFromHeader(std::string_view line) {
  std::string bus_type;
  while (HasContent(line)) {
    // The node's name stays in NodeNames until its next Node().
    std::string_view name = names_.Node(NextName(line), true, tally_);
    if (!names_.DeclareLast()) continue;
    if (name == "vdd") supply_port_[0] = true;
    if (name == "gnd") supply_port_[1] = true;
    declared_text_ += name;
    declared_text_ += ' ';
    std::string_view type = "std_logic";
    if (!analog_list_.empty() && ListsName(analog_list_, name)) type = "analog";
    std::size_t index = BusIndex(name, bus_list_);
    if (index != std::string::npos) {
      // A bus is declared once, at its element 0, as wide as its largest
      // element among the header's ports.
      if (name.substr(index) != "0") continue;
      name = name.substr(0, index);
      long width = LargestIndexAfter(" " + ToLower(line), name, 0);
      width = LargestIndexAfter(declared_text_, name, width);
      bus_type = Format("std_logic_vector (%ld downto 0)", width);
      type = bus_type;
    }
    Put(port_written_ ? ";\r\n  " : "\r\n  ");
    Put(name);
    Put(" : inout ");
    Put(type);
    port_written_ = true;
  }
}

void MacToVhdl::PortsFromDefinitionFile() {
  std::string token;
  while (NextVhdlToken(port_file_, token_line_, token)) {
    if (!EqualNoCase(token, "entity")) continue;
    if (!NextVhdlToken(port_file_, token_line_, token)) return;
    if (!EqualNoCase(token, top_name_)) continue;
    for (int skip = 0; skip < 3; ++skip) {  // "is", "port", "("
      if (!NextVhdlToken(port_file_, token_line_, token)) return;
    }
    bus_list_.clear();
    PortDeclarations();
  }
}

// Copies the port declarations of the entity: "name : mode type" each, the
// range of a std_logic_vector token by token.
void MacToVhdl::PortDeclarations() {
  std::string name;
  std::string token;
  auto next = [this, &token]() { return NextVhdlToken(port_file_, token_line_, token); };
  for (;;) {
    if (!next()) return;
    name = token;
    Put(" \r\n     " + name);
    names_.DeclareName(name);
    if (name == "vdd") supply_port_[0] = true;
    if (name == "gnd") supply_port_[1] = true;
    if (standard_) standard_->NoteCopiedPort(name);
    if (!next()) return;
    Put(" : ");
    if (!next()) return;
    Put(token + " ");
    if (!next()) return;
    bool another_port = false;
    if (EqualNoCase(token, "std_logic_vector")) {
      Put("std_logic_vector ");
      bus_list_ += " " + name;
      for (;;) {
        if (!next()) break;
        Put(token + " ");
        if (token[0] == ')') break;
        if (token[0] == ';') {
          another_port = true;
          break;
        }
      }
    } else {
      Put(token + " ");
      if (EqualNoCase(token, "analog")) analog_list_ += " " + name;
    }
    if (another_port) continue;
    if (next() && token[0] == ';') {
      Put(";");
      continue;
    }
    bus_list_ += ' ';
    return;
  }
}

// Declares the internal nets of the macro whose body starts at the current
// position. The main pass reads the same body lines again: they are kept
// for it (up to keep_bytes_; beyond that it reads them from the file again).
void MacToVhdl::SignalPass() {
  const std::int64_t body = in_.Tell();
  kept_text_.Clear();
  kept_lines_.clear();
  kept_next_ = 0;
  kept_words_.clear();
  line_marks_.clear();
  body_line_ = 0;
  last_nodes_ = kNoLastNodes;
  noting_labels_ = false;
  signal_stopped_early_ = false;
  bool more = true;
  bool keeping = true;
  while (more && keeping) {
    // Lines are taken from the file's window while they lie whole in it
    // (most); the first that does not is read on its own.
    const char* window = nullptr;
    const std::size_t n = in_.Peek(std::size_t{1} << 15, &window);
    std::size_t at = 0;
    while (more) {
      const std::size_t start = kept_text_.size();
      bool ended = false;
      const std::size_t taken = TakeWindowLine(window + at, n - at, kept_text_, false, &ended);
      if (!ended) {
        kept_text_.Resize(start);
        break;
      }
      if (kept_text_.size() > keep_bytes_) {
        kept_text_.Resize(start);
        keeping = false;
        break;
      }
      kept_last_at_ = in_.Tell() + static_cast<std::int64_t>(at);
      at += taken;
      readable_ = kept_text_.ReadableEnd();
      more = KeepLine(kept_text_.data() + start, kept_text_.size() - start);
    }
    in_.Skip(at);
    // (Looked at once a window: the labels of all lines kept are noted.)
    if (!noting_labels_ && kept_lines_.size() >= kManyLines) NoteLabels();
    if (!more || !keeping) break;
    kept_last_at_ = in_.Tell();
    const std::size_t start = kept_text_.size();
    if (!AppendMacLine(in_, kept_text_)) break;
    if (kept_text_.size() > keep_bytes_) {
      // Read again below, with the rest of the body.
      in_.Seek(kept_last_at_);
      keeping = false;
      break;
    }
    readable_ = kept_text_.ReadableEnd();
    more = KeepLine(kept_text_.data() + start, kept_text_.size() - start);
  }
  signal_end_at_ = in_.Tell();
  if (keeping || progress_.cancelled()) {
    names_.SettleLabels(noting_labels_ && !signal_stopped_early_);
    return;
  }
  // A body too large to keep: its lines are only declared here, and
  // whether each is plain noted for the main pass, which reads them again.
  for (const KeptLine& kept : kept_lines_) line_marks_.push_back(Marks(kept.head));
  if (!noting_labels_) NoteLabels();
  kept_text_.Clear();
  kept_lines_.clear();
  // (Each line in kept_text_ again, which a scan may read past its end.)
  for (;;) {
    kept_text_.Clear();
    if (!more || !AppendMacLine(in_, kept_text_)) break;
    kept_words_.clear();
    readable_ = kept_text_.ReadableEnd();
    Step();
    if (progress_.cancelled()) return;
    more = SignalLine(kept_text_.data(), kept_text_.size());
    line_marks_.push_back(Marks(head_));
  }
  kept_text_.Clear();
  kept_words_.clear();
  signal_end_at_ = in_.Tell();
  names_.SettleLabels(noting_labels_ && !signal_stopped_early_);
  in_.Seek(body);
}

// A line of the kept text (`size` bytes at `text`), declared and kept;
// false when the signal pass ends with it.
inline bool MacToVhdl::KeepLine(char* text, std::size_t size) {
  Step();
  if (progress_.cancelled()) return false;
  const bool more = SignalLine(text, size);
  const auto begin = static_cast<std::uint32_t>(text - kept_text_.data());
  kept_lines_.push_back({begin, begin + static_cast<std::uint32_t>(size),
                         static_cast<std::uint32_t>(kept_words_.size()), head_});
  return more;
}

// The labels of the lines kept so far noted in NodeNames, and those of the
// lines to come as the signal pass meets them.
void MacToVhdl::NoteLabels() {
  noting_labels_ = true;
  for (const KeptLine& kept : kept_lines_) {
    const char* const text = kept_text_.data() + kept.begin;
    if (kept.end != kept.begin && text[0] == '<') {
      names_.NoteLabel(std::string_view(text, kept.head.label_end));
    }
  }
}

// One body line of the signal pass; false when the pass ends with it.
inline bool MacToVhdl::SignalLine(char* data, std::size_t size) {
  std::string_view line(data, size);
  head_ = Head{};
  if (line.empty()) return true;
  switch (line[0]) {
    case '.':
      return false;
    case '<': {
      ++body_instances_;
      head_ = FindHead(data, data + size, readable_);
      if (noting_labels_) names_.NoteLabel(std::string_view(data, head_.label_end));
      const std::string_view component(data + head_.name_begin, head_.name_end - head_.name_begin);
      char* const rest = data + head_.rest_begin;
      head_.ignored = Ignored(component);
      std::size_t nodes = DeclareWords(std::string_view(rest, size - head_.rest_begin), rest,
                                       tally_.fanout && !head_.ignored);
      if (standard_) head_.component = standard_->NoteInstance(component, nodes);
      return true;
    }
    case '+':
      line.remove_prefix(1);
      DeclareWords(line, nullptr, false);
      return true;
    case '$':
      return true;
    default:
      // (Blanks and semicolons alone are no line.)
      if (!HasContent(line)) return true;
      signal_stopped_early_ = true;
      ui_.Notify(standard_ ? std::string(line) : ToLower(line),
                 "This line not legal in a mac-to-vhd conversion:",
                  box::kOk);
      return false;
  }
}

inline MacToVhdl::Head MacToVhdl::FindHead(const char* begin, const char* end,
                                           const char* readable) {
  // The label (the line begins with it), the macro name after the blanks
  // that follow, and the nodes after the blank or tab that ends the name.
  const char* const label_end = BlankOrEndReadable(begin, end, readable);
  const char* name = label_end == end ? end : label_end + 1;
  while (name != end && (*name == ' ' || *name == '\t')) ++name;
  const char* const name_end = BlankOrEndReadable(name, end, readable);
  auto at = [begin](const char* p) { return static_cast<std::uint32_t>(p - begin); };
  Head head;
  head.label_end = at(label_end);
  head.name_begin = name == name_end ? head.label_end : at(name);
  head.name_end = head.name_begin + at(name_end) - at(name);
  head.rest_begin = name_end == end ? at(end) : at(name_end) + 1;
  return head;
}

// Declares the nets of a line's words (and with `count` counts them in the
// fanout); returns how many words there were. With `commas` (the writable
// text of `rest`), the blank or tab after each word is made a comma, and
// head_ tells whether the text is now the port map (Head::plain).
std::size_t MacToVhdl::DeclareWords(std::string_view rest, char* commas, bool count) {
  // An instance line's nodes: those of the last line again, or kept for
  // the next line after a repeated line and every sixteenth line (a run
  // of repeated lines begins).
  bool keep = false;
  if (commas) {
    if (last_nodes_ != kNoLastNodes && last_nodes_text_.size() == rest.size() &&
        NameIndex::SameBytes(last_nodes_text_.data(), rest.data(), rest.size())) {
      return RepeatNodes(commas, rest.size(), count);
    }
    keep = (last_nodes_ == kLastNodesRepeated || (body_instances_ & 15) == 0) &&
           rest.size() <= kRepeatBytes;
    if (keep) KeepNodes(rest);
    last_nodes_ = kNoLastNodes;
  }
  const std::size_t words_before = kept_words_.size();
  std::size_t words = 0;
  const char* p = rest.data();
  const char* end = p + rest.size();
  std::size_t word_bytes = 0;
  bool own_names = true;
  for (;;) {
    // The next word; none when only blanks and semicolons are left.
    while (p != end && (*p == ' ' || *p == '\t')) ++p;
    if (p == end || (*p == ';' && !HasContent(std::string_view(p, end - p)))) break;
    const char* start = p;
    std::uint32_t hash = 0;
    p = HashedWord(p, end, readable_, &hash);
    ++words;
    std::uint32_t w = names_.Word(std::string_view(start, p - start), hash, tally_);
    kept_words_.push_back(w);
    if (count) names_.CountLastWord(w, tally_);
    if (commas) {
      word_bytes += p - start;
      own_names = own_names && names_.IsOwnName(w);
      // (The separator is passed here: it is no longer a blank.)
      if (p != end) commas[p++ - rest.data()] = ',';
    }
    // What a word declares (or notes) it declares the first time it comes.
    if (!names_.FirstLook(w)) continue;
    if (standard_) {
      standard_->NoteNet(names_.WordName(w), names_.NameNumber(w));
      continue;
    }
    std::string_view node = names_.WordName(w);
    if (BusIndex(node, bus_list_) != std::string::npos) continue;
    if (IsPadNet(node)) continue;
    if (!names_.DeclareLast()) continue;
    pending_.Add("  signal ");
    pending_.Add(node);
    pending_.Add(" : std_logic;\r\n");
    Written();
  }
  head_.plain = commas && own_names && bus_list_.empty() && word_bytes + words == rest.size() + 1;
  if (keep && head_.plain) {
    last_words_.assign(kept_words_.begin() + static_cast<std::ptrdiff_t>(words_before),
                       kept_words_.end());
    last_nodes_commas_.Clear();
    last_nodes_commas_.Add(rest);
    last_nodes_ = kLastNodes;
  }
  return words;
}

// An instance line's nodes (`size` bytes at `rest`) that are the last
// line's (last_nodes_text_): its words again, counted with `count`; nothing
// is declared, as each word has been met. The line is plain as the last
// was, and its separators are made commas as the last's were.
std::size_t MacToVhdl::RepeatNodes(char* rest, std::size_t size, bool count) {
  kept_words_.insert(kept_words_.end(), last_words_.begin(), last_words_.end());
  if (count) {
    for (const std::uint32_t w : last_words_) names_.CountWord(w, tally_);
  }
  std::memcpy(rest, last_nodes_commas_.data(), size);
  head_.plain = true;
  head_.repeat = true;
  last_nodes_ = kLastNodesRepeated;
  // The line before (kept, or its marks noted) has its nodes repeated.
  if (!kept_lines_.empty()) {
    kept_lines_.back().head.repeated = true;
  } else if (!line_marks_.empty()) {
    line_marks_.back() |= kRepeatedLine;
  }
  return last_words_.size();
}

// Keeps an instance line's nodes as written, for the lines after it.
void MacToVhdl::KeepNodes(std::string_view nodes) {
  last_nodes_text_.Clear();
  last_nodes_text_.AddReadable(nodes, readable_);
}

std::string_view MacToVhdl::MakeActual(std::uint32_t w, std::string_view node) {
  if (w >= actual_ends_.size()) {
    const std::size_t size = std::max<std::size_t>(w + 1, 2 * actual_ends_.size());
    actual_begins_.resize(size, kUnmade);
    actual_ends_.resize(size, kUnmade);
  }
  if (actual_ends_[w] == kUnmade) {
    actual_begins_[w] = static_cast<std::uint32_t>(actual_text_.size());
    const std::uint32_t number = names_.NameNumber(w);
    std::string_view actual = standard_->DeclaredActual(number);
    if (actual.empty()) {
      other_actual_.clear();
      standard_->AppendActual(other_actual_, node, number);
      actual = other_actual_;
    }
    actual_text_.Add(actual);
    actual_ends_[w] = static_cast<std::uint32_t>(actual_text_.size());
  }
  return MadeActual(w);
}

inline void MacToVhdl::Instance(char* line, std::size_t size) {
  // Labels and macro names are lowercased; node names keep their case
  // until NodeNames has told them apart.
  std::string_view rest(line, size);
  std::string_view label;
  std::string_view name;
  // A plain line of a body too large to keep, read again: found as the
  // signal pass found it (without progress notes); in the long-standing
  // format its separators made commas here.
  const bool reread_plain = !line_words_ && line_plain_ && !notes_;
  if (reread_plain) {
    head_ = FindHead(line, line + size, file_line_.ReadableEnd());
    for (char* c = line + head_.rest_begin; !standard_ && c != line + size; ++c) {
      if (*c == ' ' || *c == '\t') *c = ',';
    }
  }
  if (line_words_ || reread_plain) {
    // Found by the signal pass (or as it found them).
    label = std::string_view(line, head_.label_end);
    name = std::string_view(line + head_.name_begin, head_.name_end - head_.name_begin);
    rest.remove_prefix(head_.rest_begin);
  } else {
    label = NextName(rest);
    name = NextName(rest);
  }
  const std::size_t head = size - rest.size();
  LowerAsciiInPlace(line, head);
  line[0] = 'I';
  const std::string_view component = name;
  if (line_words_ ? head_.ignored : Ignored(component)) return;
  // Only a line the signal pass did not reach has its nodes counted here.
  const bool count = !line_words_ && line_at_ >= signal_end_at_;
  // The line is made in the output itself.
  Row& row = pending_;
  if (!standard_) {
    const std::string_view id = names_.Label(label);
    if ((line_words_ && head_.plain && !notes_) || reread_plain) {
      // The line's rest is its port map (it has nodes): the whole line in
      // one piece.
      char* at = row.Extend(id.size() + component.size() + rest.size() + 20);
      std::memcpy(at, "  ", 2);
      at = CopyShortEnd(at + 2, id);
      std::memcpy(at, " : ", 3);
      at = CopyShortEnd(at + 3, component);
      std::memcpy(at, " port map (", 11);
      at = CopyShortEnd(at + 11, rest);
      std::memcpy(at, ");\r\n", 4);
      Written();
      return;
    }
    row.Add("  ");
    row.Add(id);
    row.Add(" : ");
    row.Add(component);
    // An instance without nodes has no port map (an empty one is not VHDL).
    if (line_words_ ? line_word_ == line_words_end_ : !HasContent(rest)) {
      row.Add(";\r\n");
      Written();
      return;
    }
    row.Add(" port map (");
  }
  node_words_.clear();
  bool stream = standard_ && standard_->BeginInstance(
                                 label, component, line_words_ ? head_.component : NameIndex::kNone,
                                 row, names_.LabelAlone(label));
  const std::size_t map_begin = row.size();
  if (standard_ && line_repeat_ && port_map_line_ + 1 == main_lines_ && !count && !notes_ &&
      standard_->MapsByPosition(port_map_nodes_)) {
    // The nodes of the line before, whose port map is this one's.
    row.Add(port_map_.View());
    port_map_line_ = main_lines_;
    Written();
    return;
  }
  if (stream && line_words_ && head_.plain && !notes_ && ActualsAreWords()) {
    // The port map is the line's rest, made by the signal pass.
    const std::size_t nodes = line_words_end_ - line_word_;
    StandardVhdl::StreamPortMap(rest, row);
    if (line_repeated_) KeepPortMap(map_begin, nodes);
    Written();
    return;
  }
  std::size_t streamed = 0;
  // The node words as the signal pass named them, or (a body too large to
  // keep) named again.
  auto more = [&] { return line_words_ ? line_word_ < line_words_end_ : HasContent(rest); };
  // The progress note: the node, then the component in parentheses.
  if (notes_) {
    note_.assign("  (");
    note_ += component;
    note_ += ')';
  }
  std::size_t note_node = 0;
  while (more()) {
    std::uint32_t w =
        line_words_ ? kept_words_[line_word_++] : FileLineWord(rest);
    if (count) names_.CountWord(w, tally_);
    std::string_view node = names_.WordName(w);
    if (notes_) {
      if (node.size() == note_node) {
        std::copy(node.begin(), node.end(), note_.begin());
      } else {
        note_.replace(0, note_node, node);
        note_node = node.size();
      }
      ui_.ProgressNote(note_);
    }
    if (stream) {
      StandardVhdl::StreamNode(ActualOf(w, node), streamed++ == 0, row);
      continue;
    }
    if (standard_) {
      node_words_.push_back(w);
      continue;
    }
    std::size_t index = BusIndex(node, bus_list_);
    if (index != std::string::npos) {
      row.Add(node.substr(0, index));
      row.Add("(");
      row.Add(node.substr(index));
      row.Add(")");
    } else {
      row.Add(node);
    }
    if (more()) row.Add(",");
  }
  if (standard_) {
    // Every actual is made before any is looked at: making one may move
    // the others' text.
    node_names_.clear();
    node_actuals_.clear();
    for (std::uint32_t w : node_words_) ActualOf(w, names_.WordName(w));
    for (std::uint32_t w : node_words_) {
      node_names_.push_back(names_.WordName(w));
      node_actuals_.push_back(MadeActual(w));
    }
    standard_->EndInstance(label, component, node_names_, node_actuals_, streamed, row);
    if (line_repeated_ && !notes_) {
      KeepPortMap(map_begin, stream ? streamed : node_words_.size());
    }
    Written();
    return;
  }
  row.Add(");\r\n");
  Written();
}

}  // namespace

MacToVhdlResult ConvertMacFile(UserInterface& ui, Progress& progress, const MacToVhdlOptions& options,
                               File& in, File& out, FanoutAnalysis& fanout, std::size_t keep_bytes) {
  MacToVhdl conversion(ui, progress, options, in, out, fanout, keep_bytes);
  std::unique_ptr<StandardVhdl> standard;
  if (options.standard) {
    std::string directory = in.Path();
    if (SplitPath(directory) == in.Path()) directory.clear();
    standard = std::make_unique<StandardVhdl>(options, ScanMacroHeaders(in, directory));
    out.Write(standard->FileHead());
    conversion.UseStandard(standard.get());
  }
  conversion.Convert();
  return {conversion.name_changed(), conversion.broken()};
}

Outcome RunMacToVhdl(const RunContext& run, const MacToVhdlJob& job, FanoutTables& tables) {
  Platform& p = run.platform;
  std::string options =
      LoadOptionString(p.profile, kMac2vhdOptions.key, kMac2vhdOptions.def, 16000, true);
  if (TitledParamDlg(p.ui, kMac2vhdOptions.key, "VHDL Conversion Parameters:", options) != 1) {
    return Outcome::kStopped;
  }
  if (options.find_first_of("\r\n") != std::string::npos) {
    // A macro or package name is one word of a line of VHDL.
    p.ui.Notify("A field holds a line break, which a name in the VHDL cannot hold; nothing was "
                "converted:\n\n" + ShownName(options),
                "VHDL Conversion Parameters:", box::kOk | box::kIconWarning);
    return Outcome::kFailed;
  }
  SaveSettings(p, {{kMac2vhdOptions.key, options}});

  FanoutAnalysis fanout(tables);
  MacToVhdlOptions parameters = ReadMacToVhdlOptions(options);

  const std::string& in_path = job.mac_path;
  const std::string& out_path = job.vhd_path;
  File in;
  if (!in.Open(in_path, File::Mode::kRead)) {
    p.ui.Notify("Unable to open above file.", in_path, box::kOk);
    return Outcome::kFailed;
  }
  fanout.Expect(in.Size());
  if (FileExists(out_path) &&
      p.ui.Notify("Overwrite above file?", out_path, box::kYesNo | box::kIconQuestion) !=
          answer::kYes) {
    return Outcome::kStopped;
  }
  SafeOutput out(p);
  if (!out.Open(out_path)) return Outcome::kFailed;
  if (!parameters.standard) WriteLine(out.file(), "library IEEE;");
  run.progress.Open(p.ui, "Converting .mac to .vhd:", in_path);

  const MacToVhdlResult result = ConvertMacFile(p.ui, run.progress, parameters, in, out.file(), fanout);

  run.progress.Fill();
  const bool cancelled = run.progress.cancelled();
  run.progress.Close();
  if (cancelled || result.broken) return Outcome::kFailed;  // the new file is dropped
  // A short read or write is not passed off as a finished conversion.
  if (!out.Commit(in)) return Outcome::kFailed;
  if (result.name_changed) {
    p.ui.Notify("Nodes named 'In' or 'Out' changed to 'In1' or 'Out1'",
               ".mac/VHDL modifications:", box::kOk);
  }
  return FinishFanout(p, fanout, job.report_path);
}

}  // namespace kalvor
