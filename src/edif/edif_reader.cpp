#include "edif/edif_reader.h"

#include <algorithm>

#include "mac/macfile.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// Some writers give bus ranges in angle brackets ("an<3:0>"). Read them as
// the square-bracket form: the macro file has no room for a ">" in a name.
std::size_t AngleBusBracket(const std::string& p) {
  std::size_t at = p.find('<');
  if (at == std::string::npos || at + 1 >= p.size() || p.back() != '>') {
    return std::string::npos;
  }
  return (p[at + 1] >= '0' && p[at + 1] <= '9') ? at : std::string::npos;
}

// Widest bus the reader expands; wider ranges are taken as damaged input.
constexpr long kMaxBusBits = 1L << 16;

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether `word` is `keyword` (lower-case letters only) in any letter case;
// the same answer as EqualNoCase, quicker for the reader's list heads.
inline bool IsKeyword(std::string_view word, std::string_view keyword) {
  if (word.size() != keyword.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if ((static_cast<unsigned char>(word[i]) | 0x20u) != static_cast<unsigned char>(keyword[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool VccBecomesVdd(UserInterface& ui, EdifSession& session) {
  if (session.vcc_answer == 0) {
    session.vcc_answer = ui.Notify(
        "Nodes named 'VCC' occur.  Do you want to change these to the LEdit "
        "compatible 'VDD'? (recommended)",
        "EDIF Import", box::kYesNo | box::kIconQuestion);
  }
  return session.vcc_answer == answer::kYes;
}

std::string_view ApplySupplyRule(UserInterface& ui, EdifSession& session, std::string_view name) {
  if (EqualNoCase(name, "VCC") && VccBecomesVdd(ui, session)) return "VDD";
  return name;
}

EdifReader::EdifReader(File& file, UserInterface& ui, EdifSession& session,
                       const EdifLimits& limits, EdifLookups& lookups, CellTable& cells,
                       CellContents& cell)
    : tokens_(file),
      ui_(ui),
      session_(session),
      limits_(limits),
      lookups_(lookups),
      cells_(cells),
      cell_(cell) {}

void EdifReader::CheckTokens() {
  if (tokens_.unclosed_quote() && !failed_) {
    ui_.Notify(tokens_.unclosed_text(), "quoted string spans too many lines",
                box::kOk | box::kIconError);
    failed_ = true;
  }
}

bool EdifReader::Stop(const std::string& text, const std::string& caption, int type) {
  ui_.Notify(text, caption, type);
  failed_ = true;
  return false;
}

bool EdifReader::ReadName(std::string& name) {
  if (!ReadName(scratch_name_)) return false;
  name.assign(scratch_name_.text);
  return true;
}

bool EdifReader::ReadName(EdifName& name) {
  using K = EdifTokens::Kind;
  name.text.clear();
  name.is_array = false;
  name.array_id.clear();
  name.is_member = false;
  name.member_id.clear();
  name.member_index.clear();
  std::string& current = name.text;
  std::string_view t;
  K k = Token(t);
  if (k == K::kNone) return false;
  if (k != K::kOpen) {
    current.assign(t);
    return true;
  }
  const int level = tokens_.depth();
  if (Token(t) == K::kNone) return false;
  if (IsKeyword(t, "rename")) {
    if (Token(t) == K::kNone) return false;
    current.assign(t);
  } else if (IsKeyword(t, "array")) {
    // (array (rename ID "D[3:0]") SIZE), or (array ID SIZE) as some
    // writers put it: the bus text, with the range made up from the size
    // when the text has none.
    name.is_array = true;
    k = Token(t);
    if (k == K::kNone) return false;
    std::string size;
    if (k == K::kOpen) {
      if (Token(t) == K::kNone || Token(t) == K::kNone) return false;
      name.array_id.assign(t);
      if (Token(t) == K::kNone) return false;
      current.assign(t);
      if (!current.empty() && current[0] == '"') {
        current.erase(0, 1);
        if (!current.empty() && current.back() == '"') current.pop_back();
      }
      while (tokens_.depth() > level) {
        if (Token(t) == K::kNone) return false;
      }
    } else {
      name.array_id.assign(t);
      current.assign(t);
    }
    k = Token(t);
    if (k == K::kWord) {
      size.assign(t);
    } else if (k == K::kClose) {
      return true;
    } else if (k == K::kNone) {
      return false;
    }
    if (current.find_first_of("[(<") == std::string::npos && AllDigits(size)) {
      long bits = LeadingInt(size);
      if (bits > 0) current += Format("[%ld:0]", bits - 1);
    }
  } else if (IsKeyword(t, "member")) {
    EdifName inner;
    if (!ReadName(inner)) return false;
    if (Token(t) == K::kNone) return false;
    name.is_member = true;
    name.member_id = std::move(inner.text);
    name.member_index.assign(t);
    current.assign(name.member_id);
    current += name.member_index;
  } else {
    current.assign(t);
  }
  while (tokens_.depth() >= level) {
    if (Token(t) == K::kNone) break;
  }
  return true;
}

bool EdifReader::NextListHead(int level, std::string& keyword) {
  std::string_view head;
  if (!NextListHead(level, head)) return false;
  keyword.assign(head);
  return true;
}

bool EdifReader::NextListHead(int level, std::string_view& keyword) {
  using K = EdifTokens::Kind;
  if (tokens_.depth() < level) return false;
  std::string_view t;
  for (;;) {
    K k = Token(t);
    if (k == K::kNone) return false;
    if (k == K::kClose && tokens_.depth() < level) return false;
    if (k == K::kOpen) {
      if (Token(t) == K::kNone) return false;
      keyword = t;
      return true;
    }
  }
}

bool EdifReader::Find(std::string_view keyword, EdifName& name) {
  const int level = tokens_.depth();
  std::string_view head;  // valid until the next token
  while (NextListHead(level, head)) {
    if (IsKeyword(head, keyword)) return ReadName(name);
  }
  return false;
}

bool EdifReader::Find(std::string_view keyword, std::string& name) {
  if (!Find(keyword, scratch_name_)) return false;
  name.assign(scratch_name_.text);
  return true;
}

void EdifReader::SkipTo(int level) {
  std::string_view t;
  while (level < tokens_.depth()) {
    if (Token(t) == EdifTokens::Kind::kNone) return;
  }
}

bool EdifReader::ReadPort(std::vector<ArrayPort>& arrays) {
  EdifName n;
  if (!ReadName(n)) return !failed_;
  std::string p(ApplySupplyRule(ui_, session_, n.text));
  std::size_t bracket = p.find('[');
  if (bracket == std::string::npos) bracket = p.find('(');
  if (bracket == std::string::npos) bracket = AngleBusBracket(p);
  if (bracket == std::string::npos) {
    std::string delimited = " " + p + " ";
    if (std::string_view(kSupplyList).find(delimited) == std::string_view::npos) {
      cell_.header += ' ';
      cell_.header += p;
    }
    return true;
  }
  std::string base = p.substr(0, bracket);
  std::string_view after = std::string_view(p).substr(bracket + 1);
  long first = LeadingInt(after);
  std::size_t colon = after.find(':');
  long second = colon == std::string_view::npos ? first : LeadingInt(after.substr(colon + 1));
  // Bits are named by their index; both D[3:0] and D[0:3] give D0..D3.
  long low = std::min(first, second);
  long high = std::max(first, second);
  if (high - low >= kMaxBusBits) {
    return Stop("Bus range too large: " + p, cell_.name, box::kOk | box::kIconError);
  }
  for (long i = low; i <= high; ++i) {
    cell_.header += ' ';
    cell_.header += base;
    cell_.header += std::to_string(i);
  }
  if (n.is_array) arrays.push_back({n.array_id, base, first, second});
  return true;
}

void EdifReader::IndexInstances() {
  for (; indexed_instances_ < cell_.instances.size(); ++indexed_instances_) {
    const Instance& inst = cell_.instances[indexed_instances_];
    if (instance_index_.Find(inst.name) >= 0) continue;  // the first of a name counts
    instance_index_.Add(inst.name, lookups_.FindCell(cells_, inst.cell) + 1);
  }
}

void EdifReader::MemberName(const EdifName& name, const std::vector<ArrayPort>* arrays,
                            std::string& out) {
  if (arrays && AllDigits(name.member_index)) {
    for (const ArrayPort& a : *arrays) {
      if (!EqualNoCase(a.id, name.member_id)) continue;
      // Members count from the leftmost element as declared.
      long m = LeadingInt(name.member_index);
      long bit = a.left >= a.right ? a.left - m : a.left + m;
      out.assign(a.base);
      out += std::to_string(bit);
      return;
    }
  }
  out.assign(name.text);
}

bool EdifReader::ReadNet(const std::vector<ArrayPort>& own_arrays) {
  EdifName net_name;
  if (!ReadName(net_name)) return !failed_;
  std::string n = std::move(net_name.text);
  long count = 0;
  long external = 0;
  EdifName ref;
  // Members of instance ports are named once the whole net is read, so
  // that the instance lookups of the net wait for memory together.
  std::size_t used = 0;
  for (;;) {
    if (used == refs_.size()) refs_.emplace_back();
    PortRefText& pr = refs_[used];
    if (!Find("portref", pr.port)) break;
    ++used;
    const int level = tokens_.depth();
    ++count;
    pr.instance.clear();
    if (Find("instanceref", ref)) pr.instance.assign(ref.text);
    pr.deferred = false;
    if (!pr.port.is_member) {
      pr.node.assign(pr.port.text);
    } else if (pr.instance.empty()) {
      MemberName(pr.port, &own_arrays, pr.node);
    } else {
      IndexInstances();
      pr.hash = HashBytes(pr.instance);
      instance_index_.Prefetch(pr.hash);
      pr.deferred = true;
    }
    if (pr.instance.empty()) {
      const std::string& p = pr.node;
      ++external;
      if (!EqualNoCase(p, n)) {
        if (external > 1) {
          ui_.Notify(Format("The following ports appear to be wired together:\n\n   %s\n   "
                             "%s\n\nMore than one port per signal is not allowed.\nTry  Add "
                             "I/O's option on your synthesizer.",
                             n.c_str(), p.c_str()),
                      "Warning:", box::kOk);
        } else {
          n = p;
        }
      }
    }
    SkipTo(level - 1);
  }
  if (failed_) return false;
  std::string& nodes = nodes_;
  nodes.assign(1, ' ');
  for (std::size_t k = 0; k < used; ++k) {
    PortRefText& pr = refs_[k];
    if (pr.deferred) {
      long c = instance_index_.Find(pr.instance, pr.hash) - 1;
      MemberName(pr.port, c >= 0 ? &cells_.entries[static_cast<std::size_t>(c)].arrays : nullptr,
                 pr.node);
    }
    if (!pr.instance.empty()) {
      nodes += pr.instance;
      nodes += '<';
    }
    nodes += pr.node;
    nodes += ' ';
  }
  if (static_cast<long>(cell_.nets.size()) >= limits_.nets) {
    return Stop("Too many nodes in this cell", cell_.name, box::kOk | box::kIconError);
  }
  cell_.nets.push_back({std::move(n), std::string(nodes), count});
  return true;
}

bool EdifReader::ReadCell() {
  have_cell_ = false;
  std::string name;
  if (!ReadName(name)) return !failed_;
  have_cell_ = true;
  cell_.Clear();
  instance_index_.Clear();
  indexed_instances_ = 0;
  cell_.name = name;
  cell_.header = ".macro " + name;
  std::vector<ArrayPort> arrays;
  const int cell_level = tokens_.depth();
  std::string head;
  std::string sub;
  while (NextListHead(cell_level, head)) {
    if (on_head) on_head();
    if (IsKeyword(head, "interface")) {
      const int interface_level = tokens_.depth();
      while (NextListHead(interface_level, sub)) {
        if (IsKeyword(sub, "port") && !ReadPort(arrays)) return false;
      }
    } else if (IsKeyword(head, "instance")) {
      Instance inst;
      if (ReadName(inst.name)) {
        Find("cellref", inst.cell);
        if (failed_) return false;
        if (static_cast<long>(cell_.instances.size()) >= limits_.instances) {
          return Stop("Too many instances in this cell", cell_.name, box::kOk | box::kIconError);
        }
        cell_.instances.push_back(std::move(inst));
      }
    } else if (IsKeyword(head, "net")) {
      if (!ReadNet(arrays)) return false;
    }
    if (failed_) return false;
  }
  if (failed_) return false;
  if (lookups_.FindCell(cells_, name) >= 0) {
    ui_.Notify("Warning, duplicate cell name!", name, box::kOk | box::kIconWarning);
  }
  if (static_cast<long>(cells_.entries.size()) >= limits_.cells) {
    return Stop("Too many cells", "", box::kOk | box::kIconError);
  }
  cells_.entries.push_back({name, cell_.header.substr(7 + name.size()), std::move(arrays)});
  return true;
}

}  // namespace kalvor
