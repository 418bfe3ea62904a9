// The EDIF reader: list heads, names, and the cells of the file with their
// ports, instances and nets, filled into a Netlist a cell at a time. It
// keeps no syntax tree: it follows the token stream with one nesting depth
// and picks out the lists it needs; all other lists are passed over token by
// token, so lists nested in them are seen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "import/edif_tokens.h"
#include "import/join_nets.h"
#include "import/netlist_reader.h"
#include "text/large_block.h"
#include "text/row.h"

namespace kalvor {

// The last index group of a bus text: "[a:b]", "(a:b)", "<a:b>", "[a..b]"
// or a single index "[a]"; `start` and `end` delimit the group.
struct BusRange {
  bool found = false;
  long left = 0;
  long right = 0;
  std::size_t start = 0;
  std::size_t end = 0;
};
BusRange LastBusRange(std::string_view text);
// The base of a bus's bit names: the text around its range with every
// character other than a letter, a digit or "_" made "_".
std::string BusBase(std::string_view text, const BusRange& r);
// Widest bus the reader expands; wider ranges are taken as damaged input.
constexpr long kMaxBusBits = 1L << 16;

// A name as read from the file, with what it was made of.
struct EdifName {
  std::string text;
  std::string shown;      // (rename ID "shown"): the writer's own name, ID stands in for it
  bool is_array = false;  // (array ...): `text` is the bus text, d[7:0]
  std::string array_id;   // the array's EDIF identifier
  long array_size = -1;   // the array's size, -1 if not a number
  bool is_member = false; // (member ID INDEX): `text` is ID followed by INDEX
  std::string member_id;
  std::string member_index;

  // Empty, as before a name is read (the strings keep their room).
  void Clear() {
    text.clear();
    shown.clear();
    is_array = false;
    array_id.clear();
    array_size = -1;
    is_member = false;
    member_id.clear();
    member_index.clear();
  }
};

// A port reference as read, in views of its texts (valid while what they
// view is): a scalar's text, or a member's identifier and index with its
// text the two together.
struct PortRefText {
  PortRefText() = default;
  PortRefText(const EdifName& name)  // NOLINT: a name read is such a reference
      : text(name.text), member_id(name.member_id), member_index(name.member_index),
        is_member(name.is_member) {}
  std::string_view text;
  std::string_view member_id;
  std::string_view member_index;
  bool is_member = false;
};

class EdifReader : public NetlistReader {
 public:
  EdifReader(File& file, const ReadOptions& options, Netlist& netlist);

  ReadStep Next() override;

 private:
  // False for none.
  bool ReadName(EdifName& name);
  bool NextListHead(int level, std::string_view& keyword);
  bool Find(std::string_view keyword, EdifName& name);
  EdifTokens::Kind Token(std::string_view& text) {
    EdifTokens::Kind k = tokens_.Next(text);
    if (k == EdifTokens::Kind::kNone) CheckTokens();
    return k;
  }
  // Notes a quoted string left open (once) as the stop of the reading.
  void CheckTokens();
  bool ReadIdentifier(std::string& out);
  void SkipTo(int level);
  bool KeepGoing();
  ReadStep ReadCell();
  bool ReadPort(Cell& cell);
  bool ReadNet(const Cell& own);
  // Appends the pin of `ref` whose port is `port` (the reference's own, or
  // one member of it) to the body's pins; stops the reading, at `line`, when
  // the instance's cell has no such port.
  void AddPin(const Cell& own, std::string_view instance, const PortRefText& port, long line);
  // A net array: one net per member, each portRef of a whole array taken
  // member by member; `line`: where the net starts.
  [[gnu::cold]] bool ReadNetArray(const Cell& own, const EdifName& net_name, std::size_t used,
                                  long line);
  // Notes the portRefs of a (joined ...) list of the interface being read.
  [[gnu::cold]] bool ReadInterfaceJoin();
  // The ports of `cell` that (joined ...) lists of its interface name, one
  // group per list (a bus: one per member), as header names.
  [[gnu::cold]] void ReadInsideJoins(const Cell& cell, std::vector<std::vector<std::string>>& groups);
  // For a pin of an instance, the port standing for the ports its cell
  // joins inside together with the pin's, or -1.
  [[gnu::cold]] std::int32_t InsideJoinedPort(const Pin& pin);
  // When a cell is read: the groups its interface joins (into `inside`),
  // and its nets that share a pin, or a port an instance's cell joins
  // inside, joined.
  bool JoinNets(const Cell& cell, std::vector<std::vector<std::string>>& inside);
  // The macro name of cell `name` of library `library`: its own, unless a
  // cell of another library took that name first.
  std::string MacroName(const std::string& library, const std::string& name);
  // The macro name an instance's or the design's cellRef names: the cell of
  // its libraryRef (none: the library being read), else the first of its name.
  std::string CellRefName(const std::string& name);
  // The header name of the port (or bus member) `ref` of `cell`; the
  // reference's own text if the cell has no such port (and *found false).
  std::string_view PortHeaderName(const PortRefText& ref, const Cell& cell, std::int32_t number,
                                  bool* found = nullptr);
  // The first instance of the cell being read named `name` (exactly, else
  // ignoring letter case), or -1.
  std::int32_t FindInstance(std::string_view name);
  std::int32_t FindInstanceExactly(std::string_view name);
  // Ends the reading with an error at `line` (kHere: the line being read;
  // 0: none, for what the file is not at fault for).
  static constexpr long kHere = -1;
  bool Stop(std::string text, std::string caption, long line = kHere);
  bool CapacityStop(const char* text, const std::string& caption, const char* key, long limit,
                    std::string_view keyword);

  EdifTokens tokens_;
  const ReadOptions& options_;
  Netlist& netlist_;
  Body& body_;
  bool failed_ = false;
  bool warned_bus_size_ = false;
  unsigned lists_read_ = 0;  // list heads of cells, for the progress
  // Port indexes of cells with many ports, by cell number (built on first
  // use; cells are never changed once read).
  std::vector<NamePositions> port_indexes_;
  NamePositions own_ports_;  // of the cell being read
  // Instances of the cell being read by name, as declared and ignoring
  // letter case, and the cell each references (-1: none).
  NamePositions instance_index_;
  NamePositions instance_index_lower_;
  std::size_t indexed_ = 0;
  std::size_t lower_indexed_ = 0;
  std::vector<std::int32_t> instance_cells_;
  // Header names of instance ports found lately, by cell and reference.
  struct PortMemo {
    std::int32_t cell = -1;
    std::string ref;          // the reference's text (a member: identifier and index)
    std::int32_t split = -1;  // a member: where its index begins in `ref`; -1: none
    std::string name;
    bool found = false;       // the cell has the port
    unsigned generation = 0;  // of the body `id` is a port name number of
    std::int32_t id = -1;
  };
  std::vector<PortMemo> port_memo_ = std::vector<PortMemo>(1024);
  std::string unresolved_;  // a reference's own text
  EdifName scratch_;
  std::string instance_name_;  // of the instance being read
  std::string bit_name_;       // of the bus bit being declared
  struct PortRef {
    EdifName port;
    std::string instance;  // empty: a port of the cell itself
  };
  // The references of the net array being read (a net of another kind
  // joins each pin as it is read and keeps only the one the token reading
  // fills), reused. An array may have tens of thousands (some
  // 200 bytes each). They are kept in pieces of 4 MB that never move, taken
  // in large pages where the system offers them: a longer net adds a piece,
  // where a list that doubles would copy what it holds into a block twice
  // the size, fresh memory that takes a page fault per 4 KB page unless
  // the system has large pages.
  class PortRefs {
   public:
    std::size_t size() const { return size_; }
    PortRef& operator[](std::size_t k) { return pieces_[k / kPiece][k % kPiece]; }
    void emplace_back() {
      if (size_ % kPiece == 0) pieces_.emplace_back().reserve(kPiece);
      pieces_.back().emplace_back();
      ++size_;
    }

   private:
    static constexpr std::size_t kPiece = (std::size_t{4} << 20) / sizeof(PortRef);
    std::vector<std::vector<PortRef, LargeBlockAllocator<PortRef>>> pieces_;
    std::size_t size_ = 0;
  };
  PortRefs refs_;
  // A portRef in its common form, (portRef P) or (portRef (member P N)),
  // each with or without (instanceRef I) and all of it in the line being
  // read, taken from the line at once: `port` and `instance` (empty: none)
  // view the line (a member's text: member_text_) until the next reading.
  // False (nothing read) for any other, which the token reading takes.
  bool QuickPortRef(PortRefText& port, std::string_view& instance);
  // An instance in its common form, NAME or (rename NAME "text") followed by
  // (viewRef V (cellRef C)) or (viewRef V (cellRef C (libraryRef L))), in
  // the line being read: its name into instance_name_ and its cell's into
  // scratch_.text. Not where a cell was renamed for its library (the
  // libraryRef then chooses the macro).
  bool QuickInstance();
  // A name in its common form, a word or (rename ID "text"), in the line
  // being read, read as ReadName reads it; false (nothing read) for another.
  bool QuickName(EdifName& name);
  Row member_text_;  // kept from member to member
  std::string library_;        // the library (or external) being read
  EdifName library_ref_;
  // The macro names of the cells written under another name, by
  // "library\ncell" in lower case, and the library of each cell read (by
  // cell number; empty: none).
  std::unordered_map<std::string, std::string> macro_names_;
  std::vector<std::string> cell_libraries_;
  // The (joined ...) lists of the interface being read, and for every cell
  // read (by number) the groups of header port names its interface joins.
  std::vector<std::vector<EdifName>> pending_joins_;
  std::vector<std::vector<std::vector<std::string>>> inside_joins_;
  // For the body being read: by cell number and port name number, the
  // port standing for its group (filled as the cells are met).
  std::unordered_map<std::uint64_t, std::int32_t> inside_ports_;
  std::vector<bool> inside_mapped_;
  // Nets joined as sharing a pin with an earlier net, and the first such.
  JoinTables join_tables_;
  long joined_nets_ = 0;
  std::string first_join_;

 public:
  long joined_nets() const { return joined_nets_; }
  const std::string& first_join() const { return first_join_; }
};

}  // namespace kalvor
