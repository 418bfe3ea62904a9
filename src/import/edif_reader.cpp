#include "import/edif_reader.h"

#include <algorithm>
#include <cstring>

#include "netlist/macro_name.h"
#include "text/blank_scan.h"
#include "text/strings.h"

namespace kalvor {

namespace {

bool ParseIndex(std::string_view s, long& v) {
  std::size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
  if (i == s.size() || s.size() - i > 9) return false;
  for (std::size_t j = i; j < s.size(); ++j) {
    if (s[j] < '0' || s[j] > '9') return false;
  }
  v = LeadingInt(s.substr(i));
  if (i) v = -v;
  return true;
}

}  // namespace

BusRange LastBusRange(std::string_view text) {
  BusRange r;
  for (std::size_t close = text.size(); close-- > 0;) {
    char c = text[close];
    char open = c == ']' ? '[' : c == ')' ? '(' : c == '>' ? '<' : '\0';
    if (open == '\0') continue;
    std::size_t at = text.rfind(open, close);
    if (at == std::string_view::npos) continue;
    std::string_view inside = text.substr(at + 1, close - at - 1);
    std::size_t sep = inside.find(':');
    std::size_t sep_len = 1;
    if (sep == std::string_view::npos) {
      sep = inside.find("..");
      sep_len = 2;
    }
    bool ok = sep == std::string_view::npos
                  ? ParseIndex(inside, r.left)
                  : ParseIndex(inside.substr(0, sep), r.left) &&
                        ParseIndex(inside.substr(sep + sep_len), r.right);
    if (!ok) continue;
    if (sep == std::string_view::npos) r.right = r.left;
    r.found = true;
    r.start = at;
    r.end = close + 1;
    return r;
  }
  return r;
}

std::string BusBase(std::string_view text, const BusRange& r) {
  std::string base(text.substr(0, r.found ? r.start : text.size()));
  if (r.found) base.append(text.substr(r.end));
  for (char& c : base) {
    bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && !(c >= '0' && c <= '9') && c != '_') c = '_';
  }
  return base;
}

namespace {

// Ports of a cell found by a scan; more than this go through the index.
constexpr std::size_t kScannedPorts = 8;

// Lists around a name deeper than this are refused (each is a call).
constexpr int kMaxNameDepth = 1000;

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

// EqualNoCase, inline and quick when the spellings agree.
inline bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (std::memcmp(a.data(), b.data(), a.size()) == 0) return true;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) return false;
  }
  return true;
}

// Keys of a cell's port index: a scalar by its name or its file name, a
// bus bit by the bus and the member number.
std::uint64_t MemberKey(std::string_view bus, long member) {
  return (HashName(bus, true) ^ (static_cast<std::uint64_t>(member) * 0x9e3779b97f4a7c15ull)) | 1;
}

// `s` becomes `t`: clearing and appending keeps to the string's room and
// costs less than assign, which allows for `t` inside `s`. Tokens never lie
// inside the names they are read into.
inline void SetText(std::string& s, std::string_view t) {
  s.clear();
  s.append(t.data(), t.size());
}

// A list in its common form read from the line at once: words that end
// in the line, blanks, parentheses and list heads in any letter case. `p`
// moves on as each is read; a false result leaves the list to the token
// reading.
struct LineScan {
  const char* p;
  const char* end;
  const char* readable;  // the bytes after the line up to here may be read

  void Blanks() {
    while (p != end && *p == ' ') ++p;
  }
  // A word (one at the line's end may go on in the next line).
  [[gnu::always_inline]] bool Word(std::string_view& w) {
    const char* const start = p;
    p = FirstOfOrEndReadable<' ', '"', '(', ')'>(p, end, readable);
    w = std::string_view(start, static_cast<std::size_t>(p - start));
    return p != start && p != end;
  }
  [[gnu::always_inline]] bool Close() {
    Blanks();
    return p != end && *p++ == ')';
  }
  bool Opens() const { return p != end && *p == '('; }
  // A name: a word, or (rename ID "text") with the text (without its
  // quotes) in `shown`.
  bool Name(std::string_view& id, std::string_view& shown) {
    shown = {};
    if (!Opens()) return Word(id);
    if (!Head("(rename ") || !Word(id)) return false;
    Blanks();
    if (p == end || *p != '"') return false;
    const char* const quote = FirstOfOrEnd<'"'>(p + 1, end);
    if (quote == end) return false;
    shown = std::string_view(p + 1, static_cast<std::size_t>(quote - p - 1));
    p = quote + 1;
    return Close();
  }
  // `head`: "(", the keyword in lower case and a blank, 8 to 16 bytes,
  // compared eight at a time: only a capital folds onto a letter, and
  // what folds onto "(" or a blank is checked apart or ends a line.
  [[gnu::always_inline]] bool Head(std::string_view head) {
    auto eight = [](const char* at, const char* lower) {
      std::uint64_t text = 0, want = 0;
      std::memcpy(&text, at, 8);
      std::memcpy(&want, lower, 8);
      return (text | 0x2020202020202020ull) == want;
    };
    const std::size_t n = head.size();
    if (static_cast<std::size_t>(end - p) < n || *p != '(' || !eight(p, head.data()) ||
        !eight(p + n - 8, head.data() + n - 8)) {
      return false;
    }
    p += n;
    Blanks();
    return true;
  }
};

PortDirection DirectionOf(std::string_view word) {
  if (IsKeyword(word, "input")) return PortDirection::kInput;
  if (IsKeyword(word, "output")) return PortDirection::kOutput;
  if (IsKeyword(word, "inout")) return PortDirection::kInOut;
  return PortDirection::kUnknown;
}

}  // namespace

EdifReader::EdifReader(File& file, const ReadOptions& options, Netlist& netlist)
    : tokens_(file), options_(options), netlist_(netlist), body_(netlist.body) {}

void EdifReader::CheckTokens() {
  if (tokens_.unclosed_quote() && !failed_) {
    Stop(tokens_.unclosed_text(), "quoted string spans too many lines");
  }
}

bool EdifReader::Stop(std::string text, std::string caption, long line) {
  netlist_.Note(Diagnostic::Severity::kError, "", std::move(text), std::move(caption),
                line == kHere ? tokens_.line() : line);
  failed_ = true;
  return false;
}

bool EdifReader::KeepGoing() {
  if (options_.keep_going && !options_.keep_going()) failed_ = true;
  return !failed_;
}

bool EdifReader::CapacityStop(const char* text, const std::string& caption, const char* key,
                              long limit, std::string_view keyword) {
  // Count what the whole file needs in one go, so that a single raise is
  // enough: the cells of the file, or the most lists of the kind any one
  // cell holds (this one's so far and what is left of it included).
  long needed = limit + 1;
  long in_cell = needed;
  const bool per_cell = !IsKeyword(keyword, "cell");
  std::string_view head;
  while (NextListHead(0, head)) {
    if (per_cell && IsKeyword(head, "cell")) {
      in_cell = 0;
    } else if (IsKeyword(head, keyword)) {
      needed = std::max(needed, ++in_cell);
    }
  }
  if (failed_) return false;
  short_key = key;
  short_needed = needed;
  return Stop(Format("%s: %ld needed, the setting %s allows %ld.", text, needed, key, limit),
              caption, 0);
}

bool EdifReader::ReadIdentifier(std::string& out) {
  using K = EdifTokens::Kind;
  std::string_view t;
  K k = Token(t);
  if (k == K::kNone) return false;
  if (k != K::kOpen) {
    SetText(out, t);
    return true;
  }
  // (name ID display...)
  const int level = tokens_.depth();
  if (Token(t) == K::kNone) return false;
  if (IsKeyword(t, "name") && Token(t) == K::kNone) return false;
  SetText(out, t);
  while (tokens_.depth() >= level) {
    if (Token(t) == K::kNone) return false;
  }
  return true;
}

bool EdifReader::ReadName(EdifName& name) {
  using K = EdifTokens::Kind;
  name.Clear();
  std::string& current = name.text;
  std::string_view t;
  K k = Token(t);
  if (k == K::kNone) return false;
  if (k != K::kOpen) {
    SetText(current, t);
    return true;
  }
  const int level = tokens_.depth();
  if (Token(t) == K::kNone) return false;
  if (IsKeyword(t, "rename")) {
    // (rename ID "text") or (rename (name ID) "text"): the identifier,
    // and the text it stands in for.
    if (!ReadIdentifier(current)) return false;
    while (tokens_.depth() >= level) {
      k = Token(t);
      if (k == K::kNone) return false;
      if (k == K::kQuoted && name.shown.empty()) name.shown.assign(t.substr(1, t.size() - 2));
    }
    return true;
  } else if (IsKeyword(t, "name")) {
    if (Token(t) == K::kNone) return false;
    SetText(current, t);
  } else if (IsKeyword(t, "array")) {
    // (array NAMEDEF SIZE): the bus text (a rename's string, else the
    // identifier) and the size.
    name.is_array = true;
    k = Token(t);
    if (k == K::kNone) return false;
    if (k == K::kOpen) {
      const int inner = tokens_.depth();
      if (Token(t) == K::kNone) return false;
      if (IsKeyword(t, "rename")) {
        if (!ReadIdentifier(name.array_id)) return false;
      } else {
        if (IsKeyword(t, "name") && Token(t) == K::kNone) return false;
        name.array_id.assign(t);
      }
      // The first string of the list is the bus text.
      while (tokens_.depth() >= inner) {
        k = Token(t);
        if (k == K::kNone) return false;
        if (k == K::kQuoted && current.empty()) current.assign(t.substr(1, t.size() - 2));
      }
      if (current.empty()) current = name.array_id;
    } else {
      name.array_id.assign(t);
      SetText(current, t);
    }
    k = Token(t);
    if (k == K::kWord) {
      if (!AllDigits(t)) {
        return Stop("Bus size is not a number of bits: (array " + name.array_id + " " +
                        std::string(t) + ")",
                    "Bad EDIF");
      }
      name.array_size = t.size() > 9 ? kMaxBusBits + 1 : LeadingInt(t);
    } else if (k == K::kClose) {
      return true;
    } else if (k == K::kNone) {
      return false;
    }
  } else if (IsKeyword(t, "member")) {
    // A member's name may be a member again: each level is a call of this
    // reader's own, so the depth is bounded.
    if (tokens_.depth() > kMaxNameDepth) return Stop("Names are nested too deeply", "Bad EDIF");
    // The inner name is read into this one, which keeps only its text, as
    // the member's identifier (no name is made and dropped per member).
    if (!ReadName(name)) return false;
    if (Token(t) == K::kNone) return false;
    name.member_id.swap(name.text);
    name.shown.clear();
    name.is_array = false;
    name.array_id.clear();
    name.array_size = -1;
    name.is_member = true;
    SetText(name.member_index, t);
    current.assign(name.member_id);
    current += name.member_index;
  } else {
    SetText(current, t);
  }
  while (tokens_.depth() >= level) {
    if (Token(t) == K::kNone) break;
  }
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

void EdifReader::SkipTo(int level) {
  std::string_view t;
  while (level < tokens_.depth()) {
    if (Token(t) == EdifTokens::Kind::kNone) return;
  }
}

ReadStep EdifReader::Next() {
  std::string_view head;
  while (!failed_ && NextListHead(0, head)) {
    if (!KeepGoing()) break;
    if (IsKeyword(head, "cell")) {
      ReadStep step = ReadCell();
      if (step != ReadStep::kEnd) return step;  // kEnd: the file ended after the head
    } else if (IsKeyword(head, "library") || IsKeyword(head, "external")) {
      if (ReadName(scratch_)) library_ = scratch_.text;
    } else if (IsKeyword(head, "design") && !netlist_.has_design) {
      // The design may stand anywhere at the top level (before the
      // libraries, too): the cells after it are still read.
      netlist_.has_design = true;
      if (Find("cellref", scratch_)) netlist_.top = CellRefName(scratch_.text);
    }
  }
  if (!failed_ && tokens_.depth() < 0) {
    // A list closed early has let what followed it slip out of its cell:
    // ports, instances and nets would be lost without a word.
    Stop("This \")\" closes more lists than the file opens: a list before it is closed too "
         "early, and the netlist cannot be read as it stands.",
         "Bad EDIF");
  } else if (!failed_ && tokens_.depth() > 0 && !netlist_.has_design) {
    // (Some writers leave one list open at the end of a whole netlist; a
    // file without its design list is more likely cut short.)
    Stop("The file ends inside an open list: it may be cut short or damaged.", "Bad EDIF");
  }
  return failed_ ? ReadStep::kFailed : ReadStep::kEnd;
}

bool EdifReader::ReadPort(Cell& cell) {
  EdifName n;
  if (!ReadName(n)) return !failed_;
  const std::string& id = n.is_array ? n.array_id : n.text;
  std::string text(n.is_array || !(options_.vcc_to_vdd && EqualNoCase(n.text, "VCC"))
                       ? n.text
                       : std::string("VDD"));
  BusRange r = LastBusRange(text);
  if (!n.is_array && !r.found) {
    // A scalar port; supply ports stay out of the header, their nets keep
    // the supply name (global, so not one of the cell's own names), unless
    // some instance puts the port on another net.
    Port port;
    port.supply = IsSupplyName(text) && !(options_.uses && options_.uses->OffSupply(cell.name, text));
    if (!port.supply) body_.names.MakeUnique(text);
    if (text != id) {
      port.renamed = true;
      cell.original_names.emplace_back(static_cast<std::int32_t>(cell.ports.size()), id);
    }
    cell.AddPort(text, port);
    return true;
  }
  // A bus: the array's size is the number of bits (a range that says
  // otherwise is reported); member k is the k-th index from the left of
  // the range; the header lists the bits lowest index first.
  long size = r.found ? std::labs(r.left - r.right) + 1 : 1;
  if (n.is_array && n.array_size >= 0) {
    long declared = n.array_size;
    if (r.found && declared != size && !warned_bus_size_) {
      warned_bus_size_ = true;
      netlist_.Note(Diagnostic::Severity::kWarning, "",
                    Format("Bus %s of cell %s has %ld bits by its range but %ld by its size; "
                           "the size is used.",
                           text.c_str(), cell.name.c_str(), size, declared),
                    "Warning:");
    }
    size = declared;
  }
  if (size < 1) size = 1;
  if (size > kMaxBusBits) return Stop("Bus range too large: " + text, cell.name);
  Bus bus{id, static_cast<std::int32_t>(r.found ? r.left : size - 1),
          !r.found || r.left >= r.right,
          r.found ? text.substr(0, r.start) + text.substr(r.end) : std::string()};
  std::string base = BusBase(text, r);
  Port bit;
  bit.bus = static_cast<std::int32_t>(cell.buses.size());
  std::string& name = bit_name_;
  for (long pos = 0; pos < size; ++pos) {
    bit.member = static_cast<std::int32_t>(bus.descending ? size - 1 - pos : pos);
    name.assign(base);
    AppendDecimal(name, bus.Index(bit.member));
    body_.names.MakeUnique(name);
    cell.AddPort(name, bit);
  }
  cell.buses.push_back(std::move(bus));
  return true;
}

std::string_view EdifReader::PortHeaderName(const PortRefText& ref, const Cell& cell,
                                            std::int32_t number, bool* found) {
  std::string_view id = ref.is_member ? ref.member_id : ref.text;
  const std::vector<Port>& ports = cell.ports;
  long member = -1;
  if (ref.is_member) {
    // An index that is no number, or too large for any bus, finds no bit.
    const bool number = AllDigits(ref.member_index) && ref.member_index.size() < 10;
    member = number ? LeadingInt(ref.member_index) : -2;
  }
  // A scalar is found by its file name first, then by its header name
  // (only a renamed port has a file name of its own).
  const bool renamed = !cell.original_names.empty();
  auto by_original = [&](std::int32_t at) {
    return ports[static_cast<std::size_t>(at)].renamed &&
           SameNoCase(cell.OriginalName(static_cast<std::size_t>(at)), id);
  };
  auto by_name = [&](std::int32_t at) {
    const Port& p = ports[static_cast<std::size_t>(at)];
    return !p.bit() && !p.renamed && SameNoCase(cell.PortName(p), id);
  };
  auto by_member = [&](std::int32_t at) {
    const Port& p = ports[static_cast<std::size_t>(at)];
    return p.bit() && p.member == member &&
           SameNoCase(cell.buses[static_cast<std::size_t>(p.bus)].name, id);
  };
  NamePositions* index = nullptr;
  if (ports.size() > kScannedPorts) {
    index = &own_ports_;
    if (number >= 0) {
      if (port_indexes_.size() <= static_cast<std::size_t>(number)) {
        port_indexes_.resize(static_cast<std::size_t>(number) + 1);
      }
      index = &port_indexes_[static_cast<std::size_t>(number)];
    }
    if (index->size() == 0) {
      for (std::size_t i = 0; i < ports.size(); ++i) {
        const Port& p = ports[i];
        index->Add(p.bit() ? MemberKey(cell.buses[static_cast<std::size_t>(p.bus)].name, p.member)
                           : HashName(cell.OriginalName(i), true),
                   static_cast<std::int32_t>(i));
      }
    }
  }
  auto find = [&](bool as_member) -> std::int32_t {
    if (index) {
      if (as_member) return index->Find(MemberKey(id, member), by_member);
      const std::uint64_t hash = HashName(id, true);
      const std::int32_t at = renamed ? index->Find(hash, by_original) : -1;
      return at >= 0 ? at : index->Find(hash, by_name);
    }
    for (std::size_t i = 0; i < ports.size() && (as_member || renamed); ++i) {
      if (as_member ? by_member(static_cast<std::int32_t>(i)) : by_original(static_cast<std::int32_t>(i))) {
        return static_cast<std::int32_t>(i);
      }
    }
    for (std::size_t i = 0; i < ports.size() && !as_member; ++i) {
      if (by_name(static_cast<std::int32_t>(i))) return static_cast<std::int32_t>(i);
    }
    return -1;
  };
  std::int32_t at = find(ref.is_member);
  if (at < 0 && ref.is_member) {
    for (const Bus& bus : cell.buses) {
      if (SameNoCase(bus.name, id)) {
        Stop("(member " + std::string(ref.member_id) + " " + std::string(ref.member_index) +
                 ") is outside the bus",
             cell.name);
        break;
      }
    }
    // A cell made from the pins its instances use has a port per member,
    // named by the member's text.
    id = ref.text;
    if (!failed_) at = find(false);
  }
  if (found) *found = at >= 0;
  return at >= 0 ? cell.PortName(static_cast<std::size_t>(at)) : ref.text;
}

std::int32_t EdifReader::FindInstanceExactly(std::string_view name) {
  // Positions in declaration order: a lookup finds the first of a name.
  for (; indexed_ < body_.instances.size(); ++indexed_) {
    const Instance& inst = body_.instances[indexed_];
    instance_cells_.push_back(netlist_.FindCell(body_.CellOf(inst)));
    instance_index_.Add(HashName(body_.Name(inst), false), static_cast<std::int32_t>(indexed_));
  }
  return instance_index_.Find(HashName(name, false), [&](std::int32_t i) {
    return body_.Name(body_.instances[static_cast<std::size_t>(i)]) == name;
  });
}

std::int32_t EdifReader::FindInstance(std::string_view name) {
  std::int32_t at = FindInstanceExactly(name);
  if (at >= 0) return at;
  for (; lower_indexed_ < body_.instances.size(); ++lower_indexed_) {
    instance_index_lower_.Add(HashName(body_.Name(body_.instances[lower_indexed_]), true),
                              static_cast<std::int32_t>(lower_indexed_));
  }
  return instance_index_lower_.Find(HashName(name, true), [&](std::int32_t i) {
    return EqualNoCase(body_.Name(body_.instances[static_cast<std::size_t>(i)]), name);
  });
}

bool EdifReader::ReadNet(const Cell& own) {
  const long line = tokens_.line();
  EdifName net_name;
  if (!QuickName(net_name) && !ReadName(net_name)) return !failed_;
  std::string name = std::move(net_name.text);
  // The (joined ...) list that follows the name in the common form is
  // entered here, so that its first portRef is read at once too.
  std::string_view ahead;
  const char* readable = nullptr;
  if (tokens_.Ahead(ahead, readable) && ahead.size() >= 7 && ahead[0] == '(' &&
      IsKeyword(ahead.substr(1, 6), "joined") && (ahead.size() == 7 || ahead[7] == ' ')) {
    tokens_.Taken(7, 1);
  }
  long external = 0;
  // A net array joins its portRefs member by member once all are read;
  // another net takes each pin as its portRef is read.
  const bool later = net_name.is_array;
  const std::size_t first = body_.pins.size();
  std::size_t used = 0;
  for (;; ++used) {
    const std::size_t slot = later ? used : 0;
    if (slot == refs_.size()) refs_.emplace_back();
    PortRef& pr = refs_[slot];
    PortRefText port;
    std::string_view instance;
    const bool quick = QuickPortRef(port, instance);
    int level = 0;
    if (!quick) {
      if (!Find("portref", pr.port)) break;
      level = tokens_.depth();
      // The name read is taken over, not copied (what it leaves in
      // scratch_ is cleared when scratch_ is read again).
      pr.instance.clear();
      if (Find("instanceref", scratch_)) pr.instance.swap(scratch_.text);
      port = pr.port;
      instance = pr.instance;
    } else if (later) {
      pr.port = EdifName();
      pr.port.text.assign(port.text);
      pr.port.is_member = port.is_member;
      pr.port.member_id.assign(port.member_id);
      pr.port.member_index.assign(port.member_index);
      pr.instance.assign(instance);
    }
    if (instance.empty() && !later) {
      // A port of the cell: the net takes the port's name as the header
      // spells it.
      const std::string_view p = PortHeaderName(port, own, -1);
      if (++external == 1) {
        name = p;
      } else if (p != name) {
        NoteWiredTogether(netlist_, own.name, name, std::string(p));
      }
    }
    if (!later) AddPin(own, instance, port, line);
    if (!quick) SkipTo(level - 1);
  }
  if (failed_) return false;
  if (later) {
    net_name.text = std::move(name);
    return ReadNetArray(own, net_name, used, line);
  }
  // A net on no port of the cell keeps its own name, made unique in the
  // cell; supply names stay as they are (they are global).
  if (external == 0 && !IsSupplyName(name)) body_.names.MakeUnique(name);
  Net net;
  body_.Rename(net, name);
  net.fanout = static_cast<std::int32_t>(used);
  net.first = static_cast<std::uint32_t>(first);
  net.count = static_cast<std::uint32_t>(used);
  if (static_cast<long>(body_.nets.size()) >= options_.limits.nets) {
    return CapacityStop("Too many nodes in this cell", body_.cell, key::kEdifNets,
                        options_.limits.nets, "net");
  }
  body_.nets.push_back(net);
  return true;
}

bool EdifReader::QuickPortRef(PortRefText& port, std::string_view& instance) {
  std::string_view line;
  const char* readable = nullptr;
  if (!tokens_.Ahead(line, readable)) return false;
  LineScan s{line.data(), line.data() + line.size(), readable};
  std::string_view text, index;
  instance = {};
  if (!s.Head("(portref ")) return false;
  const bool member = s.Opens();
  if (member) {
    if (!s.Head("(member ") || !s.Word(text)) return false;
    s.Blanks();
    if (!s.Word(index) || !s.Close()) return false;
  } else if (!s.Word(text)) {
    return false;
  }
  s.Blanks();
  if (s.Opens() && (!s.Head("(instanceref ") || !s.Word(instance) || !s.Close())) return false;
  if (!s.Close()) return false;
  tokens_.Taken(static_cast<std::size_t>(s.p - line.data()));
  port = PortRefText();
  port.is_member = member;
  port.text = text;
  if (member) {
    port.member_id = text;
    port.member_index = index;
    member_text_.Clear();
    member_text_.Add(text);
    member_text_.Add(index);
    port.text = member_text_.View();
  }
  return true;
}

bool EdifReader::QuickName(EdifName& name) {
  std::string_view line;
  const char* readable = nullptr;
  if (!tokens_.Ahead(line, readable)) return false;
  LineScan s{line.data(), line.data() + line.size(), readable};
  std::string_view id, shown;
  if (!s.Name(id, shown)) return false;
  tokens_.Taken(static_cast<std::size_t>(s.p - line.data()));
  name.Clear();
  name.text.append(id);
  name.shown.append(shown);
  return true;
}

bool EdifReader::QuickInstance() {
  std::string_view line;
  const char* readable = nullptr;
  if (!macro_names_.empty() || !tokens_.Ahead(line, readable)) return false;
  LineScan s{line.data(), line.data() + line.size(), readable};
  std::string_view name, shown, view, cell, library;
  if (!s.Name(name, shown)) return false;
  s.Blanks();
  if (!s.Head("(viewref ") || !s.Word(view)) return false;
  s.Blanks();
  if (!s.Head("(cellref ") || !s.Word(cell)) return false;
  s.Blanks();
  if (s.Opens() && (!s.Head("(libraryref ") || !s.Word(library) || !s.Close())) return false;
  if (!s.Close() || !s.Close()) return false;
  tokens_.Taken(static_cast<std::size_t>(s.p - line.data()));
  SetText(instance_name_, name);
  SetText(scratch_.text, cell);
  return true;
}

void EdifReader::AddPin(const Cell& own, std::string_view instance, const PortRefText& port,
                        long line) {
  std::vector<Pin>& pins = body_.pins;
  if (instance.empty()) {
    pins.push_back({Pin::kOwn, body_.PortName(PortHeaderName(port, own, -1))});
    return;
  }
  std::int32_t at = FindInstance(instance);
  if (at < 0) {
    pins.push_back({Pin::kUnknown, body_.PortName(std::string(instance) + "<" + std::string(port.text))});
    return;
  }
  std::int32_t c = instance_cells_[static_cast<std::size_t>(at)];
  if (c < 0) {
    pins.push_back({at, body_.PortName(port.text)});
    return;
  }
  // Cells are stored for good: a name found once stays right.
  // A member's text is its identifier followed by its index: the text and
  // where the index begins tell it apart from a scalar of the same text.
  const std::int32_t split = port.is_member ? static_cast<std::int32_t>(port.member_id.size()) : -1;
  PortMemo& m = port_memo_[(HashName(port.text, false) ^
                            (static_cast<std::uint64_t>(c) * 0x9e3779b97f4a7c15ull) ^
                            static_cast<std::uint64_t>(split + 1)) &
                           (port_memo_.size() - 1)];
  if (m.cell != c || m.split != split || m.ref != port.text) {
    m.cell = c;
    m.split = split;
    m.ref = port.text;
    m.name = PortHeaderName(port, netlist_.cells[static_cast<std::size_t>(c)], c, &m.found);
    m.id = -1;
  }
  if (!m.found && !failed_) {
    // Joined to no pin, the net would lose this connection (or take a
    // port the cell never had) without a word.
    Stop(Format("Instance %s of cell %s has no port %s, which the net that starts here joins.",
                std::string(instance).c_str(), netlist_.cells[static_cast<std::size_t>(c)].name.c_str(),
                std::string(port.text).c_str()),
         body_.cell, line);
  }
  if (failed_) return;
  if (m.id < 0 || m.generation != body_.generation) {
    m.id = body_.PortName(m.name);
    m.generation = body_.generation;
  }
  pins.push_back({at, m.id});
}

std::string EdifReader::MacroName(const std::string& library, const std::string& name) {
  // The library's cell of this name came before: a duplicate of it.
  if (!macro_names_.empty()) {
    auto it = macro_names_.find(ToLower(library) + '\n' + ToLower(name));
    if (it != macro_names_.end()) return it->second;
  }
  // A macro file has one name space: a cell of a name that a cell of
  // another library took first is written under the name and its library's,
  // cut to a length a macro line takes, and a number if that is taken too.
  std::string macro = name;
  const std::int32_t at = netlist_.FindCell(name);
  const std::string* owner =
      at >= 0 && static_cast<std::size_t>(at) < cell_libraries_.size() ? &cell_libraries_[static_cast<std::size_t>(at)]
                                                                      : nullptr;
  if (owner && !owner->empty() && !library.empty() && !EqualNoCase(*owner, library)) {
    macro = DistinctMacroName(name + "_" + library, name.size() + 2,
                              [&](const std::string& s) { return netlist_.FindCell(s) >= 0; });
    netlist_.Note(Diagnostic::Severity::kWarning, "cell of two libraries",
                  Format("Cell %s of library %s is written as macro %s: library %s has a cell %s too. "
                         "Each instance is bound to the cell of its libraryRef.",
                         name.c_str(), library.c_str(), macro.c_str(), owner->c_str(),
                         netlist_.cells[static_cast<std::size_t>(at)].name.c_str()),
                  "Warning:");
    macro_names_.emplace(ToLower(library) + '\n' + ToLower(name), macro);
  }
  return macro;
}

std::string EdifReader::CellRefName(const std::string& name) {
  if (macro_names_.empty()) return name;
  std::string library = library_;
  if (Find("libraryref", library_ref_)) library = library_ref_.text;
  auto it = macro_names_.find(ToLower(library) + '\n' + ToLower(name));
  return it == macro_names_.end() ? name : it->second;
}

ReadStep EdifReader::ReadCell() {
  Cell cell;
  if (!ReadName(scratch_)) return failed_ ? ReadStep::kFailed : ReadStep::kEnd;
  cell.name = scratch_.text;
  if (scratch_.shown != cell.name) cell.original = scratch_.shown;
  cell.name = MacroName(library_, cell.name);
  body_.Clear();
  body_.cell = cell.name;
  instance_index_.Clear();
  instance_index_lower_.Clear();
  instance_cells_.clear();
  indexed_ = 0;
  lower_indexed_ = 0;
  own_ports_.Clear();
  pending_joins_.clear();
  inside_ports_.clear();
  inside_mapped_.clear();
  bool have_interface = false;
  const int cell_level = tokens_.depth();
  std::vector<int> holders;  // the depths inside the open contents and page lists
  std::string_view head;
  while (NextListHead(cell_level, head)) {
    // The progress is told every few lists: a list is a few lines, and the
    // telling costs as much as reading one.
    if ((++lists_read_ & 15) == 0 && !KeepGoing()) return ReadStep::kFailed;
    const int depth = tokens_.depth();
    while (!holders.empty() && holders.back() >= depth) holders.pop_back();
    if (IsKeyword(head, "contents") || IsKeyword(head, "page")) {
      holders.push_back(depth);
    } else if (IsKeyword(head, "interface") && !have_interface) {
      // One interface per cell: its first view's. The interfaces of
      // further views (a symbol's other forms) add no ports.
      have_interface = true;
      const int interface_level = tokens_.depth();
      std::size_t declared = 0;  // the ports of the last port list
      while (NextListHead(interface_level, head)) {
        if (IsKeyword(head, "port")) {
          declared = cell.ports.size();
          if (!ReadPort(cell)) return ReadStep::kFailed;
        } else if (IsKeyword(head, "direction") && Token(head) == EdifTokens::Kind::kWord) {
          PortDirection d = DirectionOf(head);
          for (std::size_t i = declared; i < cell.ports.size(); ++i) cell.ports[i].direction = d;
        } else if (IsKeyword(head, "joined") && tokens_.depth() == interface_level + 1) {
          if (!ReadInterfaceJoin()) return ReadStep::kFailed;
        }
      }
    } else if (IsKeyword(head, "instance")) {
      // An instance the contents (or a page of them) list is part of the
      // netlist; one inside a net, a port's implementation or comment
      // graphics is a drawing: a junction, a power or off-page symbol, a
      // title block.
      if (holders.empty() || holders.back() != depth - 1) continue;
      bool named = QuickInstance();
      if (!named && ReadName(scratch_)) {
        named = true;
        instance_name_ = scratch_.text;
        if (!Find("cellref", scratch_)) {
          scratch_.text.clear();
        } else if (!macro_names_.empty()) {
          scratch_.text = CellRefName(scratch_.text);
        }
      }
      if (named) {
        if (failed_) return ReadStep::kFailed;
        if (static_cast<long>(body_.instances.size()) >= options_.limits.instances) {
          CapacityStop("Too many instances in this cell", cell.name, key::kEdifInstances,
                       options_.limits.instances, "instance");
          return ReadStep::kFailed;
        }
        if (FindInstanceExactly(instance_name_) >= 0) {
          // Pins would reach only the first of the name; the second would
          // be written with none.
          Stop("Cell " + cell.name + " has two instances named " + instance_name_ + ".", cell.name);
          return ReadStep::kFailed;
        }
        body_.AddInstance(instance_name_, body_.CellName(scratch_.text));
      }
    } else if (IsKeyword(head, "net")) {
      if (!ReadNet(cell)) return ReadStep::kFailed;
    } else if (IsKeyword(head, "property")) {
      // A property holds values only: passed over at once where it can be.
      tokens_.SkipListInLine();
    }
    if (failed_) return ReadStep::kFailed;
  }
  if (failed_) return ReadStep::kFailed;
  std::vector<std::vector<std::string>> inside;
  if (!JoinNets(cell, inside)) return ReadStep::kFailed;
  if (const std::int32_t first = netlist_.FindCell(cell.name); first >= 0) {
    netlist_.Note(Diagnostic::Severity::kWarning, "duplicate cell", "Warning, duplicate cell name!",
                  cell.name);
    // Instances bind to the first cell of a name: pins of this one that it
    // lacks are lost.
    const Cell& earlier = netlist_.cells[static_cast<std::size_t>(first)];
    if (!EqualNoCase(earlier.port_text, cell.port_text) && !earlier.port_text.empty() &&
        !cell.port_text.empty()) {
      const std::string ports = Truncate(std::string_view(earlier.port_text).substr(1), 60) + " / " +
                                Truncate(std::string_view(cell.port_text).substr(1), 60);
      netlist_.Note(Diagnostic::Severity::kWarning, "duplicate cell ports",
                    Format("Cell %s is defined twice with different ports (%s). Every instance of %s "
                           "is written with the ports of the first definition: an instance meant for "
                           "the second loses the pins only the second has.",
                           cell.name.c_str(), ports.c_str(), cell.name.c_str()),
                    "Warning:");
    }
  }
  if (static_cast<long>(netlist_.cells.size()) >= options_.limits.cells) {
    CapacityStop("Too many cells", "", key::kEdifCells, options_.limits.cells, "cell");
    return ReadStep::kFailed;
  }
  cell.ports.shrink_to_fit();
  cell.port_text.shrink_to_fit();
  if (cell_libraries_.size() <= netlist_.cells.size()) cell_libraries_.resize(netlist_.cells.size() + 1);
  cell_libraries_[netlist_.cells.size()] = library_;
  if (!inside.empty()) {
    if (inside_joins_.size() <= netlist_.cells.size()) inside_joins_.resize(netlist_.cells.size() + 1);
    inside_joins_[netlist_.cells.size()] = std::move(inside);
  }
  netlist_.AddCell(std::move(cell));
  return ReadStep::kCell;
}

}  // namespace kalvor
