// The EDIF reader: list heads, names, and the cells of the file with their
// ports, instances and nets. It keeps no syntax tree: it follows the token
// stream with one nesting depth and picks out the lists it needs; all other
// lists are passed over token by token, so lists nested in them are seen.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/outcome.h"
#include "core/warnings.h"
#include "platform/platform.h"
#include "edif/edif_limits.h"
#include "edif/edif_session.h"
#include "edif/flat_index.h"
#include "edif/edif_lookups.h"
#include "edif/edif_tables.h"
#include "edif/edif_tokens.h"

namespace kalvor {

// The supply-name rule: "VCC" (any letter case) becomes "VDD" when the user
// agrees; asked once per program run.
bool VccBecomesVdd(UserInterface& ui, EdifSession& session);
std::string_view ApplySupplyRule(UserInterface& ui, EdifSession& session, std::string_view name);

// One net on two ports of its cell, which a macro header cannot show: the
// per-item warning both netlist readers give.
void WarnWiredTogether(UserInterface& ui, RepeatedWarnings& warnings, const std::string& port,
                       const std::string& other);

// A name as read from the file, with what it was made of.
struct EdifName {
  std::string text;
  bool is_array = false;  // (array ...): `text` is the bus text, d[7:0]
  std::string array_id;   // the array's EDIF identifier
  long array_size = -1;   // the array's size, -1 if not a number
  bool is_member = false; // (member ID INDEX): `text` is ID followed by INDEX
  std::string member_id;
  std::string member_index;
};

class EdifReader {
 public:
  EdifReader(File& file, UserInterface& ui, RepeatedWarnings& warnings, EdifSession& session,
             const EdifLimits& limits, EdifLookups& lookups, CellTable& cells,
             CellContents& cell);

  // Called after every list head of a cell (progress).
  std::function<void()> on_head;
  // Stops the reading as a failure that has been reported (the user
  // cancelled): the cell being read is given up.
  void Abandon() { failed_ = true; }

  // False for none.
  bool ReadName(EdifName& name);
  bool ReadName(std::string& name);
  // The keyword of the next list opening at depth >= level, or false once
  // a ")" takes the depth below the level (or at the end of the file).
  bool NextListHead(int level, std::string& keyword);
  // The name after the next list head `keyword` (given in lower case; the
  // file's letter case is ignored)
  // within the current list.
  bool Find(std::string_view keyword, EdifName& name);
  bool Find(std::string_view keyword, std::string& name);
  void SkipTo(int level);

  // Reads a cell; called right after its "cell" head. False when the
  // conversion must stop (the user has been told).
  bool ReadCell();

  // Whether the last ReadCell found a cell (not the end of the file).
  bool have_cell() const { return have_cell_; }
  // A failure that stops the conversion was reported.
  bool failed() const { return failed_; }
  // After a "Too many ..." stop: the settings key to raise and the number
  // the file needs (key empty otherwise).
  const std::string& short_key() const { return short_key_; }
  long short_needed() const { return short_needed_; }
  // Reports that the capacity `limit` of `key` is short, after counting the
  // heads `keyword` still to come down to depth `level`.
  bool CapacityStop(const char* text, const std::string& caption, const char* key, long limit,
                    std::string_view keyword, int level);
  // Reports a quoted string left open (once) and marks the failure.
  void CheckTokens();
  EdifTokens& tokens() { return tokens_; }

 private:
  EdifTokens::Kind Token(std::string_view& text) {
    EdifTokens::Kind k = tokens_.Next(text);
    if (k == EdifTokens::Kind::kNone) CheckTokens();
    return k;
  }
  // As the public one; `keyword` is valid until the next token.
  bool NextListHead(int level, std::string_view& keyword);
  // An identifier: a word or (name ID ...).
  bool ReadIdentifier(std::string& out);
  bool ReadPort(std::vector<PortName>& special);
  bool ReadNet(const std::vector<PortName>& own_special);
  // The header name of the port (or member) `ref` of cell number `cell`,
  // whose header ports are `header` and special ports `special` (see
  // CellEntry); the reference's own text if the cell has no such port.
  void PortHeaderName(const EdifName& ref, std::string_view header,
                      const std::vector<PortName>& special, long cell, bool indexed,
                      std::string& out);
  // Adds the instances read since the last call to instance_index_.
  void IndexInstances();
  // The position of the instance named `name` ignoring letter case, or -1.
  long FindInstanceNoCase(std::string_view name);
  bool Stop(const std::string& text, const std::string& caption, int type);

  EdifTokens tokens_;
  UserInterface& ui_;
  RepeatedWarnings& warnings_;
  EdifSession& session_;
  const EdifLimits& limits_;
  EdifLookups& lookups_;
  CellTable& cells_;
  CellContents& cell_;
  // Instance names to the position of the first instance of that name,
  // and per instance its cell table entry (-1: none); built as portRefs
  // need them (the cell table does not change while a cell is read).
  HashPositions instance_index_;
  std::vector<long> instance_cells_;
  std::size_t indexed_instances_ = 0;
  // The same ignoring letter case, built on the first reference whose
  // spelling differs from the declaration.
  HashPositions instance_index_lower_;
  std::size_t lower_indexed_ = 0;
  // Ports of cells with many ports, by the cell's number and the port's
  // identifier ignoring letter case: the position among the special ports,
  // and the place of the other ports' words in the header.
  HashPositions port_index_;
  HashPositions header_index_;
  std::vector<std::uint32_t> plain_ports_;  // header places of the cell being read
  // Header names of instance ports found lately: cell number and the
  // reference as written ("ID" or "ID[INDEX]") to the name.
  struct PortMemo {
    long cell = -1;
    std::string ref;
    std::string name;
  };
  std::vector<PortMemo> port_memo_ = std::vector<PortMemo>(1024);
  std::string memo_key_;
  bool own_indexed_ = false;
  bool warned_bus_size_ = false;
  std::string short_key_;
  long short_needed_ = 0;
  EdifName scratch_name_;  // for the plain-string ReadName and Find
  std::string nodes_;      // the node list of the net being read
  // The portRefs of the net being read.
  struct PortRefText {
    EdifName port;
    std::string instance;  // empty: a port of the cell itself
    std::string node;      // the port's name in the node list
    std::uint64_t hash = 0;
    bool deferred = false;  // a member whose name waits for the instance lookup
  };
  std::vector<PortRefText> refs_;  // reused from net to net
  bool failed_ = false;
  bool have_cell_ = false;
};

}  // namespace kalvor
