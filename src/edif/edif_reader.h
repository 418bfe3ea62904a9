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

// A name as read from the file, with what it was made of.
struct EdifName {
  std::string text;
  bool is_array = false;  // (array ...): `text` is the bus text, d[7:0]
  std::string array_id;   // the array's EDIF identifier
  bool is_member = false; // (member ID INDEX): `text` is ID followed by INDEX
  std::string member_id;
  std::string member_index;
};

class EdifReader {
 public:
  EdifReader(File& file, UserInterface& ui, EdifSession& session, const EdifLimits& limits,
             EdifLookups& lookups, CellTable& cells, CellContents& cell);

  // Called after every list head of a cell (progress).
  std::function<void()> on_head;

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
  bool ReadPort(std::vector<ArrayPort>& arrays);
  bool ReadNet(const std::vector<ArrayPort>& own_arrays);
  // The name of bit `name` (a member) of a port whose bus ports are
  // `arrays` (none: the member's own text).
  void MemberName(const EdifName& name, const std::vector<ArrayPort>* arrays, std::string& out);
  // Adds the instances read since the last call to instance_index_.
  void IndexInstances();
  bool Stop(const std::string& text, const std::string& caption, int type);

  EdifTokens tokens_;
  UserInterface& ui_;
  EdifSession& session_;
  const EdifLimits& limits_;
  EdifLookups& lookups_;
  CellTable& cells_;
  CellContents& cell_;
  // Instance names to the cell table entry of the first instance of that
  // name, plus 1 (0: no such cell); built when a member needs it (the cell
  // table does not change while a cell is read).
  FlatIndex instance_index_;
  std::size_t indexed_instances_ = 0;
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
