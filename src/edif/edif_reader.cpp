#include "edif/edif_reader.h"

#include <algorithm>
#include <cstring>

#include "core/warnings.h"
#include "mac/macfile.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// The last index group of a bus text: "[a:b]", "(a:b)", "<a:b>", "[a..b]"
// or a single index "[a]"; `start` and `end` delimit the group.
struct BusRange {
  bool found = false;
  long left = 0;
  long right = 0;
  std::size_t start = 0;
  std::size_t end = 0;
};

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

// The base of a bus's bit names: the text around its range with every
// character other than a letter, a digit or "_" made "_".
std::string BusBase(std::string_view text, const BusRange& r) {
  std::string base(text.substr(0, r.found ? r.start : text.size()));
  if (r.found) base.append(text.substr(r.end));
  for (char& c : base) {
    bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && !(c >= '0' && c <= '9') && c != '_') c = '_';
  }
  return base;
}

// Ports of a cell found by a scan; more than this go through the index.
constexpr std::size_t kScannedPorts = 8;

// EqualNoCase, inline and quick when the spellings agree.
inline bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (std::memcmp(a.data(), b.data(), a.size()) == 0) return true;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if ((static_cast<unsigned char>(a[i]) | 0x20u) != (static_cast<unsigned char>(b[i]) | 0x20u) ||
        ToLowerAscii(a[i]) != ToLowerAscii(b[i])) {
      return false;
    }
  }
  return true;
}

std::uint64_t HashNoCase(std::uint64_t seed, std::string_view s) {
  std::uint64_t h = 0xcbf29ce484222325ull ^ seed;
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') u = static_cast<unsigned char>(u + ('a' - 'A'));
    h = (h ^ u) * 0x100000001b3ull;
  }
  return h ^ (h >> 29);
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

void WarnWiredTogether(UserInterface& ui, const std::string& port, const std::string& other) {
  TheWarnings().Warn(ui, "wired together",
                     Format("The following ports appear to be wired together:\n\n   %s\n"
                            "   %s\n\nMore than one port per signal is not allowed.\n"
                            "Try  Add I/O's option on your synthesizer.",
                            port.c_str(), other.c_str()),
                     "Warning:", box::kOk);
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

bool EdifReader::CapacityStop(const char* text, const std::string& caption, const char* key,
                              long limit, std::string_view keyword, int level) {
  // Count what is left of the list (or the file) so the message can say
  // how far the setting must go.
  long needed = limit + 1;
  std::string_view head;
  while (NextListHead(level, head)) {
    if (IsKeyword(head, keyword)) ++needed;
  }
  if (failed_) return false;
  short_key_ = key;
  short_needed_ = needed;
  return Stop(Format("%s: %ld needed, the setting %s allows %ld.", text, needed, key, limit),
              caption, box::kOk | box::kIconError);
}

bool EdifReader::ReadName(std::string& name) {
  if (!ReadName(scratch_name_)) return false;
  name.assign(scratch_name_.text);
  return true;
}

bool EdifReader::ReadIdentifier(std::string& out) {
  using K = EdifTokens::Kind;
  std::string_view t;
  K k = Token(t);
  if (k == K::kNone) return false;
  if (k != K::kOpen) {
    out.assign(t);
    return true;
  }
  // (name ID display...)
  const int level = tokens_.depth();
  if (Token(t) == K::kNone) return false;
  if (IsKeyword(t, "name") && Token(t) == K::kNone) return false;
  out.assign(t);
  while (tokens_.depth() >= level) {
    if (Token(t) == K::kNone) return false;
  }
  return true;
}

bool EdifReader::ReadName(EdifName& name) {
  using K = EdifTokens::Kind;
  name.text.clear();
  name.is_array = false;
  name.array_id.clear();
  name.array_size = -1;
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
    // (rename ID "text") or (rename (name ID) "text"): the identifier.
    if (!ReadIdentifier(current)) return false;
  } else if (IsKeyword(t, "name")) {
    if (Token(t) == K::kNone) return false;
    current.assign(t);
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
      current.assign(t);
    }
    k = Token(t);
    if (k == K::kWord) {
      if (AllDigits(t)) name.array_size = t.size() > 9 ? kMaxBusBits + 1 : LeadingInt(t);
    } else if (k == K::kClose) {
      return true;
    } else if (k == K::kNone) {
      return false;
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

bool EdifReader::ReadPort(std::vector<PortName>& special) {
  EdifName n;
  if (!ReadName(n)) return !failed_;
  PortName port;
  port.id = n.is_array ? n.array_id : n.text;
  std::string text(n.is_array ? std::string_view(n.text)
                              : ApplySupplyRule(ui_, session_, n.text));
  BusRange r = LastBusRange(text);
  if (!n.is_array && !r.found) {
    // A scalar port; supply ports stay out of the header, their nets keep
    // the supply name (global, so not one of the cell's own names).
    std::string name = IsSupplyName(text) ? text : cell_.names.Unique(text);
    if (!IsSupplyName(text)) {
      cell_.header += ' ';
      if (name == port.id) {
        // The header word is the port: only its place is kept.
        plain_ports_.push_back(
            static_cast<std::uint32_t>(cell_.header.size() - (7 + cell_.name.size())));
        cell_.header += name;
        return true;
      }
      cell_.header += name;
    }
    port.base = std::move(name);
  } else {
    // A bus: the array's size is the number of bits (a range that says
    // otherwise is reported); member k is the k-th index from the left of
    // the range; the header lists the bits lowest index first.
    long size = r.found ? std::labs(r.left - r.right) + 1 : 1;
    if (n.is_array && n.array_size >= 0) {
      long declared = n.array_size;
      if (r.found && declared != size && !warned_bus_size_) {
        warned_bus_size_ = true;
        ui_.Notify(Format("Bus %s of cell %s has %ld bits by its range but %ld by its size; "
                          "the size is used.",
                          text.c_str(), cell_.name.c_str(), size, declared),
                   "Warning:", box::kOk | box::kIconWarning);
      }
      size = declared;
    }
    if (size < 1) size = 1;
    if (size > kMaxBusBits) {
      return Stop("Bus range too large: " + text, cell_.name, box::kOk | box::kIconError);
    }
    port.array = true;
    port.size = static_cast<std::int32_t>(size);
    port.descending = !r.found || r.left >= r.right;
    port.left = static_cast<std::int32_t>(r.found ? r.left : size - 1);
    port.base = BusBase(text, r);
    if (port.base == port.id) port.base.clear();
    std::string bit;
    for (long pos = 0; pos < size; ++pos) {
      long member = port.descending ? size - 1 - pos : pos;
      port.Bit(member, bit);
      std::string unique = cell_.names.Unique(bit);
      if (unique != bit) port.renamed.emplace_back(static_cast<std::int32_t>(member), unique);
      cell_.header += ' ';
      cell_.header += unique;
    }
  }
  special.push_back(std::move(port));
  return true;
}

void EdifReader::IndexInstances() {
  // Positions in declaration order: a lookup finds the first of a name.
  for (; indexed_instances_ < cell_.instances.size(); ++indexed_instances_) {
    const Instance& inst = cell_.instances[indexed_instances_];
    instance_cells_.push_back(lookups_.FindCell(cells_, inst.cell));
    instance_index_.Add(HashBytes(inst.name), static_cast<long>(indexed_instances_));
  }
}

long EdifReader::FindInstanceNoCase(std::string_view name) {
  for (; lower_indexed_ < cell_.instances.size(); ++lower_indexed_) {
    instance_index_lower_.Add(HashNoCase(0, cell_.instances[lower_indexed_].name),
                              static_cast<long>(lower_indexed_));
  }
  return instance_index_lower_.Find(HashNoCase(0, name), [&](long at) {
    return EqualNoCase(cell_.instances[static_cast<std::size_t>(at)].name, name);
  });
}

void EdifReader::PortHeaderName(const EdifName& ref, std::string_view header,
                                const std::vector<PortName>& special, long cell, bool indexed,
                                std::string& out) {
  const std::string& id = ref.is_member ? ref.member_id : ref.text;
  const PortName* port = nullptr;
  std::uint64_t h = 0;
  if (!indexed) {
    for (const PortName& p : special) {
      if (SameNoCase(p.id, id)) {
        port = &p;
        break;
      }
    }
  } else {
    h = HashNoCase(static_cast<std::uint64_t>(cell), id);
    long at = port_index_.Find(h, [&](long i) {
      return SameNoCase(special[static_cast<std::size_t>(i)].id, id);
    });
    if (at >= 0) port = &special[static_cast<std::size_t>(at)];
  }
  if (port) {
    if (!ref.is_member && !port->array) {
      out.assign(port->Base());
      return;
    }
    if (ref.is_member && port->array && AllDigits(ref.member_index) &&
        ref.member_index.size() < 10) {
      long m = LeadingInt(ref.member_index);
      if (m < port->size) {
        port->Bit(m, out);
        return;
      }
    }
  } else if (!ref.is_member) {
    // A port that is its header word. (A bus bit of that spelling would
    // have made the port special, or come after it.)
    if (!indexed) {
      const char* p = header.data();
      const char* const end = p + header.size();
      while (p < end) {
        while (p < end && *p == ' ') ++p;
        const char* w = p;
        while (p < end && *p != ' ') ++p;
        std::string_view word(w, static_cast<std::size_t>(p - w));
        if (SameNoCase(word, id)) {
          out.assign(word);
          return;
        }
      }
    } else {
      auto word_at = [&](std::size_t at) {
        std::size_t end = header.find(' ', at);
        return header.substr(at, end == std::string_view::npos ? header.size() - at : end - at);
      };
      long at = header_index_.Find(h, [&](long i) {
        return SameNoCase(word_at(static_cast<std::size_t>(i)), id);
      });
      if (at >= 0) {
        out.assign(word_at(static_cast<std::size_t>(at)));
        return;
      }
    }
  }
  out.assign(ref.text);
}

bool EdifReader::ReadNet(const std::vector<PortName>& own_special) {
  EdifName net_name;
  if (!ReadName(net_name)) return !failed_;
  std::string n = std::move(net_name.text);
  long count = 0;
  long external = 0;
  const long own_cell = static_cast<long>(cells_.entries.size());
  EdifName ref;
  // Instance ports are named once the whole net is read, so that the
  // instance lookups of the net wait for memory together.
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
    if (pr.instance.empty()) {
      // A port of the cell: the net takes the port's name as the header
      // spells it.
      PortHeaderName(pr.port, std::string_view(cell_.header).substr(7 + cell_.name.size()),
                     own_special, own_cell, own_indexed_, pr.node);
      const std::string& p = pr.node;
      ++external;
      if (external == 1) {
        n = p;
      } else if (p != n) {
        WarnWiredTogether(ui_, n, p);
      }
    } else {
      IndexInstances();
      pr.hash = HashBytes(pr.instance);
      instance_index_.Prefetch(pr.hash);
      pr.deferred = true;
    }
    SkipTo(level - 1);
  }
  if (failed_) return false;
  // A net on no port of the cell keeps its own name, made unique in the
  // cell; supply names stay as they are (they are global).
  if (external == 0 && !IsSupplyName(n)) n = cell_.names.Unique(n);
  std::string& nodes = nodes_;
  nodes.assign(1, ' ');
  for (std::size_t k = 0; k < used; ++k) {
    PortRefText& pr = refs_[k];
    if (pr.deferred) {
      long at = instance_index_.Find(pr.hash, [&](long i) {
        return cell_.instances[static_cast<std::size_t>(i)].name == pr.instance;
      });
      if (at < 0) at = FindInstanceNoCase(pr.instance);
      long c = at >= 0 ? instance_cells_[static_cast<std::size_t>(at)] : -1;
      if (c >= 0) {
        // Cells are stored for good: a name found once stays right.
        memo_key_.assign(pr.port.is_member ? pr.port.member_id : pr.port.text);
        if (pr.port.is_member) {
          memo_key_ += '[';
          memo_key_ += pr.port.member_index;
        }
        PortMemo& m = port_memo_[(HashBytes(memo_key_) ^ (static_cast<std::uint64_t>(c) *
                                                          0x9e3779b97f4a7c15ull)) &
                                 (port_memo_.size() - 1)];
        if (m.cell == c && m.ref == memo_key_) {
          pr.node.assign(m.name);
        } else {
          const CellEntry& e = cells_.entries[static_cast<std::size_t>(c)];
          PortHeaderName(pr.port, e.ports, e.special_ports, c, e.indexed, pr.node);
          m.cell = c;
          m.ref = memo_key_;
          m.name = pr.node;
        }
      } else {
        pr.node.assign(pr.port.text);
      }
      nodes += at >= 0 ? cell_.instances[static_cast<std::size_t>(at)].name : pr.instance;
      nodes += '<';
    }
    nodes += pr.node;
    nodes += ' ';
  }
  if (static_cast<long>(cell_.nets.size()) >= limits_.nets) {
    return CapacityStop("Too many nodes in this cell", cell_.name, key::kEdifNets, limits_.nets,
                        "net", tokens_.depth());
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
  instance_cells_.clear();
  indexed_instances_ = 0;
  instance_index_lower_.Clear();
  lower_indexed_ = 0;
  cell_.name = name;
  cell_.header = ".macro " + name;
  std::vector<PortName> ports;  // the special ones
  plain_ports_.clear();
  own_indexed_ = false;
  bool have_interface = false;
  const int cell_level = tokens_.depth();
  std::string head;
  std::string sub;
  while (NextListHead(cell_level, head)) {
    if (on_head) on_head();
    if (IsKeyword(head, "interface") && !have_interface) {
      // One interface per cell: its first view's. The interfaces of
      // further views (a symbol's other forms) add no ports.
      have_interface = true;
      const int interface_level = tokens_.depth();
      while (NextListHead(interface_level, sub)) {
        if (IsKeyword(sub, "port") && !ReadPort(ports)) return false;
      }
      if (ports.size() + plain_ports_.size() > kScannedPorts) {
        own_indexed_ = true;
        const auto cell = static_cast<std::uint64_t>(cells_.entries.size());
        for (std::size_t i = 0; i < ports.size(); ++i) {
          port_index_.Add(HashNoCase(cell, ports[i].id), static_cast<long>(i));
        }
        std::string_view header = std::string_view(cell_.header).substr(7 + name.size());
        for (std::uint32_t at : plain_ports_) {
          std::size_t end = header.find(' ', at);
          if (end == std::string_view::npos) end = header.size();
          header_index_.Add(HashNoCase(cell, header.substr(at, end - at)), static_cast<long>(at));
        }
      }
    } else if (IsKeyword(head, "instance")) {
      Instance inst;
      if (ReadName(inst.name)) {
        Find("cellref", inst.cell);
        if (failed_) return false;
        if (static_cast<long>(cell_.instances.size()) >= limits_.instances) {
          return CapacityStop("Too many instances in this cell", cell_.name, key::kEdifInstances,
                              limits_.instances, "instance", cell_level);
        }
        cell_.instances.push_back(std::move(inst));
      }
    } else if (IsKeyword(head, "net")) {
      if (!ReadNet(ports)) return false;
    }
    if (failed_) return false;
  }
  if (failed_) return false;
  if (lookups_.FindCell(cells_, name) >= 0) {
    TheWarnings().Warn(ui_, "duplicate cell", "Warning, duplicate cell name!", name,
                       box::kOk | box::kIconWarning);
  }
  if (static_cast<long>(cells_.entries.size()) >= limits_.cells) {
    return CapacityStop("Too many cells", "", key::kEdifCells, limits_.cells, "cell", 0);
  }
  ports.shrink_to_fit();
  cells_.entries.push_back(
      {name, cell_.header.substr(7 + name.size()), std::move(ports), own_indexed_});
  return true;
}

}  // namespace kalvor
