#include "vhdl/vhdl_standard.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <utility>

#include "mac/macfile.h"
#include "text/blank_scan.h"
#include "text/strings.h"

namespace kalvor {

namespace {

constexpr std::string_view kSupplies[2] = {"vdd", "gnd"};
constexpr int kMaxIncludeDepth = 8;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Moves past the current physical line (ReadLine's line ends) and the lines
// after it up to the next that begins with '.' or, outside a macro, '<':
// the lines the header scan reads. Such a byte begins a line when the byte
// before it ends one (any line end byte does: the second byte of a CR LF or
// LF CR pair is never one of them).
void SkipToScannedLine(File& file, bool in_macro) {
  int before = -1;  // the byte before the block (none for the first)
  for (;;) {
    const char* data = nullptr;
    const std::size_t n = file.Peek(std::size_t{1} << 15, &data);
    if (n == 0) return;
    const char* const end = data + n;
    auto next = [in_macro, end](const char* p) {
      return in_macro ? FirstOfOrEnd<'.'>(p, end) : FirstOfOrEnd<'.', '<'>(p, end);
    };
    for (const char* p = next(data); p != end; p = next(p + 1)) {
      const int c = p == data ? before : static_cast<unsigned char>(p[-1]);
      if (c == '\n' || c == '\r' || c == '\0') {
        file.Skip(static_cast<std::size_t>(p - data));
        return;
      }
    }
    before = static_cast<unsigned char>(data[n - 1]);
    file.Skip(n);
  }
}

}  // namespace

MacroHeader NameHeader(const MacHeader& parsed, std::string bus_list, std::string analog_list,
                       PortDirections directions, NodeNames& names, NodeTally& tally, bool count) {
  MacroHeader header;
  MacroHeader::Numbers& numbers = header.numbers;
  header.name = ToLower(parsed.name);
  numbers.words.reserve(parsed.ports.size());
  header.words.ends.reserve(parsed.ports.size());
  for (std::string_view word : parsed.ports) {
    header.words.Add(names.Node(word, count, tally));
    numbers.words.push_back(names.LastNumber());
  }
  header.bus_list = std::move(bus_list);
  header.analog_list = std::move(analog_list);
  header.directions = std::move(directions);
  // The direction lines' names, normalised as the words are (the words
  // have taken theirs first).
  const PortDirections& d = header.directions;
  auto number = [&names, &tally, &d](const std::vector<PortDirections::Word>& words,
                                     std::vector<std::uint32_t>& numbered) {
    numbered.reserve(numbered.size() + words.size());
    for (PortDirections::Word w : words) {
      numbered.push_back(names.NameNumber(names.Word(d[w], tally)));
    }
  };
  number(d.inputs, numbers.inputs);
  number(d.outputs, numbers.outputs);
  for (PortDirections::Word w : d.inouts) names.Word(d[w], tally);  // named in turn all the same
  for (const std::vector<PortDirections::Word>& group : d.wired) {
    std::vector<std::string>& named = header.wired.emplace_back();
    std::vector<std::uint32_t>& numbered = numbers.wired.emplace_back();
    for (PortDirections::Word w : group) {
      const std::uint32_t n = names.Word(d[w], tally);
      named.emplace_back(names.WordName(n));
      numbered.push_back(names.NameNumber(n));
    }
  }
  for (const PortDirections::Bus& bus : d.buses) number(bus.bits, numbers.bus_bits.emplace_back());
  numbers.names = names.NameCount();
  return header;
}

namespace {

void ScanFile(File& file, const std::string& directory, bool included, int depth,
              std::set<std::string>& visited, MacroLibrary& library,
              std::set<std::string>& own) {
  const std::size_t file_number = library.files.size();
  library.files.push_back(file.Path());
  std::string line;
  bool in_macro = false;
  for (;;) {
    // Only headers, end lines and include lines matter here.
    const char* first = nullptr;
    if (file.Peek(1, &first) == 0) break;
    if (first[0] != '.' && (first[0] != '<' || in_macro)) {
      SkipToScannedLine(file, in_macro);
      continue;
    }
    const std::int64_t at = file.Tell();
    if (!ReadMacLine(file, line)) break;
    MacLineKind kind = ClassifyMacLine(line);
    if (kind == MacLineKind::kHeader) {
      in_macro = true;
      std::string_view rest = line;
      NextName(rest);  // ".macro"
      const std::string_view spelled = NextName(rest);
      std::string name = ToLower(spelled);
      std::string original = ReadOriginalDirective(file);
      if (included && own.count(name) != 0) continue;
      library.spelled[name] = spelled;
      if (!original.empty()) library.originals[name] = std::move(original);
      if (!included) own.insert(name);
      library.by_name[name] = library.definitions.size();
      library.definitions.push_back({std::move(name), file_number, at});
    } else if (kind == MacLineKind::kEnd) {
      in_macro = false;
    } else if (kind == MacLineKind::kInclude && !in_macro && depth < kMaxIncludeDepth) {
      std::string path = MacIncludePath(ToLower(line), directory);
      if (!visited.insert(path).second) continue;
      File include;
      if (!include.Open(path, File::Mode::kRead)) continue;
      std::string include_dir = path;
      SplitPath(include_dir);
      if (include_dir == path) include_dir = directory;
      ScanFile(include, include_dir, true, depth + 1, visited, library, own);
    }
  }
}

// For each port of `interface`, the elements that an instance with `nodes`
// nodes leaves unconnected when it connects others of the same vector.
std::vector<std::vector<long>> OpenElements(const MacroInterface& interface, std::size_t nodes) {
  std::vector<std::vector<long>> open(interface.ports.size());
  std::size_t n = std::min(nodes, interface.words.size());
  std::vector<std::vector<char>> covered(interface.ports.size());
  for (std::size_t k = 0; k < n; ++k) {
    const MacroInterface::Binding& b = interface.words[k];
    if (b.element < 0) continue;
    std::vector<char>& marks = covered[static_cast<std::size_t>(b.port)];
    const MacroInterface::Port& port = interface.ports[static_cast<std::size_t>(b.port)];
    marks.resize(static_cast<std::size_t>(port.width) + 1, 0);
    marks[static_cast<std::size_t>(b.element)] = 1;
  }
  for (std::size_t p = 0; p < covered.size(); ++p) {
    for (std::size_t e = static_cast<std::size_t>(interface.ports[p].low); e < covered[p].size(); ++e) {
      if (!covered[p][e]) open[p].push_back(static_cast<long>(e));
    }
  }
  return open;
}

std::string FillSignal(std::size_t n) { return "\\ open " + std::to_string(n) + "\\"; }

// MacroInterface's port map of an instance with a node for every word:
// each port's words in order, then the elements they leave open; ports in
// the order of their first word.
void MapEveryWord(MacroInterface& f) {
  // The bound words sorted by port (ports in the order of their first
  // word), each port's in their own order.
  std::vector<std::uint32_t> count(f.ports.size(), 0);
  std::vector<std::size_t> order;
  for (const MacroInterface::Binding& b : f.words) {
    if (b.port < 0) continue;
    const auto p = static_cast<std::size_t>(b.port);
    if (count[p]++ == 0) order.push_back(p);
  }
  std::vector<std::uint32_t> start(f.ports.size(), 0);
  std::uint32_t bound = 0;
  for (std::size_t p : order) {
    start[p] = bound;
    bound += count[p];
  }
  std::vector<std::uint32_t> sorted(bound);
  for (std::size_t k = 0; k < f.words.size(); ++k) {
    const int p = f.words[k].port;
    if (p >= 0) sorted[start[static_cast<std::size_t>(p)]++] = static_cast<std::uint32_t>(k);
  }
  const std::vector<std::vector<long>> open = OpenElements(f, f.words.size());
  auto add = [&f](const std::string& identifier, long element, long word) {
    const auto begin = static_cast<std::uint32_t>(f.formal_text.size());
    if (!f.formals.empty()) f.formal_text += ',';
    f.formal_text += identifier;
    if (element >= 0) {
      char digits[24];
      char* end = std::to_chars(digits, digits + sizeof digits, element).ptr;
      f.formal_text += '(';
      f.formal_text.append(digits, end);
      f.formal_text += ')';
    }
    f.formal_text += " => ";
    f.formals.push_back({begin, static_cast<std::uint32_t>(f.formal_text.size()), word});
  };
  f.formals.reserve(bound);
  std::size_t text_size = 0;
  for (std::size_t p : order) {
    text_size += (count[p] + open[p].size()) * (f.ports[p].identifier.size() + 16);
  }
  f.formal_text.reserve(text_size);
  std::size_t next = 0;
  for (std::size_t p : order) {
    const std::string& identifier = f.ports[p].identifier;
    for (; next < start[p]; ++next) add(identifier, f.words[sorted[next]].element, sorted[next]);
    for (long e : open[p]) add(identifier, e, -1);
    f.open_elements += open[p].size();
  }
}

}  // namespace

long BusElement(std::string_view name, std::string_view bus_list, std::size_t* base_length) {
  std::size_t at = BusIndex(name, bus_list);
  if (at == std::string_view::npos) return -1;
  std::string_view index = name.substr(at);
  if (index.size() > 9 || (index.size() > 1 && index[0] == '0')) return -1;
  long value = 0;
  for (char c : index) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  *base_length = at;
  return value;
}

MacroInterface BuildInterface(const MacroHeader& header, bool no_supply,
                              const ReservedNames& reserved, const IdentifierRegion& cells) {
  struct Bus {
    long width = 0;
    std::size_t anchor = 0;  // the word at which the vector is declared
    bool has_zero = false;
    int port = -1;
  };
  const WordList& words = header.words;
  const MacroHeader::Numbers& numbers = header.numbers;
  auto supply = [no_supply](std::string_view w) { return no_supply && (w == "vdd" || w == "gnd"); };
  std::unordered_map<std::string, Bus> buses;
  // Each word's element of a "$vector" bus (-1: none) and the length of its base.
  struct Element {
    long index = -1;
    std::size_t base = 0;
  };
  std::vector<Element> elements(words.size());
  // The ports of "$bus" lines: elements of a vector with the netlist's range.
  const std::vector<PortDirections::Bus>& declared_buses = header.directions.buses;
  // Each name's bus (-1: none) and index there (the first line that names a
  // bit wins).
  std::vector<std::pair<int, long>> declared(numbers.names, {-1, 0});
  for (std::size_t d = 0; d < declared_buses.size(); ++d) {
    const std::vector<std::uint32_t>& bits = numbers.bus_bits[d];
    for (std::size_t j = 0; j < bits.size(); ++j) {
      if (declared[bits[j]].first < 0) {
        declared[bits[j]] = {static_cast<int>(d), declared_buses[d].Index(j)};
      }
    }
  }
  std::vector<int> declared_port(declared_buses.size(), -1);
  for (std::size_t k = 0; k < words.size(); ++k) {
    if (supply(words[k]) || declared[numbers.words[k]].first >= 0) continue;
    long e = BusElement(words[k], header.bus_list, &elements[k].base);
    if (e < 0) continue;
    elements[k].index = e;
    auto [it, fresh] = buses.try_emplace(std::string(words[k].substr(0, elements[k].base)));
    Bus& bus = it->second;
    if (fresh) bus.anchor = k;
    bus.width = std::max(bus.width, e);
    if (e == 0 && !bus.has_zero) {
      bus.has_zero = true;
      bus.anchor = k;
    }
  }
  // The mode of a port whose (first) header word is word k.
  std::vector<char> modes(numbers.names, 0);  // 1 in, 2 out
  for (std::uint32_t n : numbers.outputs) modes[n] = 2;
  for (std::uint32_t n : numbers.inputs) modes[n] = 1;
  auto mode = [&modes, &numbers](std::size_t k) {
    const char m = modes[numbers.words[k]];
    return m == 1 ? "in" : m == 2 ? "out" : "inout";
  };
  MacroInterface f;
  f.words.resize(words.size());
  // At most a port per word: room for all at once, so that no port (four
  // strings) is moved as the list grows.
  f.ports.reserve(words.size());
  IdentifierRegion ports(reserved);
  std::vector<char> taken(numbers.names, 0);  // one-bit ports and bound bits of "$bus" vectors
  NameSet bound_elements;  // other vectors' elements, as "base(index"
  for (std::size_t k = 0; k < words.size(); ++k) {
    const std::string_view w = words[k];
    if (supply(w)) continue;
    const std::uint32_t name = numbers.words[k];
    const auto [d, index] = declared[name];
    if (d >= 0) {
      const PortDirections::Bus& bus = declared_buses[static_cast<std::size_t>(d)];
      int& port = declared_port[static_cast<std::size_t>(d)];
      if (port < 0) {
        port = static_cast<int>(f.ports.size());
        MacroInterface::Port vector{bus.name, std::string(ports.Declare(bus.name, &cells)),
                                    "std_logic_vector (" + std::to_string(bus.left) +
                                        (bus.left >= bus.right ? " downto " : " to ") +
                                        std::to_string(bus.right) + ")",
                                    std::max(bus.left, bus.right), mode(k),
                                    std::min(bus.left, bus.right), true};
        f.ports.push_back(std::move(vector));
      }
      if (!taken[name]) {
        taken[name] = 1;
        f.words[k].port = port;
        f.words[k].element = index;
      }
      continue;
    }
    if (elements[k].index >= 0) {
      std::string base(w.substr(0, elements[k].base));
      Bus& bus = buses[base];
      if (bus.anchor != k) continue;
      bus.port = static_cast<int>(f.ports.size());
      std::string id(ports.Declare(base, &cells));
      f.ports.push_back({base, id, "std_logic_vector (" + std::to_string(bus.width) + " downto 0)",
                         bus.width, mode(k), 0, false});
    } else if (!taken[name]) {
      taken[name] = 1;
      f.words[k].port = static_cast<int>(f.ports.size());
      bool analog = !header.analog_list.empty() &&
                    header.analog_list.find(" " + ToLower(w) + " ") != std::string::npos;
      f.ports.push_back({std::string(w), std::string(ports.Declare(w, &cells)),
                         analog ? "analog" : "std_logic", -1, mode(k), 0, false});
    }
  }
  for (std::size_t k = 0; k < words.size(); ++k) {
    if (elements[k].index < 0 || supply(words[k])) continue;
    std::string base(words[k].substr(0, elements[k].base));
    if (!bound_elements.Insert(base + "(" + std::to_string(elements[k].index))) continue;
    f.words[k].port = buses[base].port;
    f.words[k].element = elements[k].index;
  }
  for (std::size_t k = 0; k < words.size(); ++k) {
    if (f.words[k].port != static_cast<int>(k) || f.words[k].element >= 0) f.positional = false;
  }
  return f;
}

MacroLibrary ScanMacroHeaders(File& mac, const std::string& directory) {
  MacroLibrary library;
  std::set<std::string> visited;
  std::set<std::string> own;
  std::int64_t start = mac.Tell();
  ScanFile(mac, directory, false, 0, visited, library, own);
  mac.Seek(start);
  // A netlist's own name stands for its macro only where no other macro
  // (by its name or its own) claims it too.
  std::unordered_map<std::string, int> claims;
  for (const auto& entry : library.by_name) ++claims[entry.first];
  for (const auto& [name, original] : library.originals) {
    if (ToLower(original) != name) ++claims[ToLower(original)];
  }
  std::erase_if(library.originals, [&claims](const auto& entry) {
    return claims[ToLower(entry.second)] > 1;
  });
  return library;
}

bool ReadMacroHeader(const MacroLibrary& library, const MacroLibrary::Definition& definition,
                     File& reader, MacroHeader& header) {
  const std::string& path = library.files[definition.file];
  if (!reader.IsOpen() || reader.Path() != path) {
    reader.Close();
    if (!reader.Open(path, File::Mode::kRead)) return false;
  }
  std::string line;
  MacHeader parsed;
  if (!reader.Seek(definition.at) || !ReadMacLine(reader, line) || !ParseMacHeader(line, parsed)) {
    return false;
  }
  NodeTally tally;
  NodeNames names;
  names.Reset(false);
  std::string bus_list;
  std::string analog_list;
  PortDirections directions;
  ReadPortDirectives(reader, bus_list, analog_list, &directions);
  header = NameHeader(parsed, std::move(bus_list), std::move(analog_list),
                      std::move(directions), names, tally, false);
  return true;
}

StandardVhdl::StandardVhdl(const MacToVhdlOptions& options, MacroLibrary library)
    : options_(options), library_(std::move(library)), cells_(reserved_), region_(reserved_) {
  std::set<std::string> libraries;
  for (const std::string& package : options_.packages) {
    if (!HasContent(package)) continue;
    std::string lowered = ToLower(package);
    std::size_t dot = lowered.find('.');
    std::string lib = lowered.substr(0, dot);
    if (lib != "ieee" && lib != "work" && lib != "std" && libraries.insert(lib).second) {
      package_clauses_ += "library " + lib + ";\r\n";
    }
    package_clauses_ += "use " + package + ";\r\n";
    if (lowered.size() > 7 && lowered.compare(lowered.size() - 7, 7, ".analog") == 0) {
      own_analog_ = false;
    }
    for (std::size_t from = 0; from <= lowered.size();) {
      std::size_t end = std::min(lowered.find('.', from), lowered.size());
      if (lowered.compare(from, end - from, "all") != 0) {
        reserved_.Add(std::string_view(lowered).substr(from, end - from));
      }
      from = end + 1;
    }
  }
  if (own_analog_) package_clauses_.insert(0, "use work.kalvor_types.all;\r\n");
  for (const MacroLibrary::Definition& d : library_.definitions) {
    cells_.Claim(CellIdentifier(d.name));
  }
}

std::string StandardVhdl::FileHead() const {
  if (!own_analog_) return "";
  return "library IEEE;\r\nuse IEEE.STD_LOGIC_1164.all;\r\npackage kalvor_types is\r\n"
         "  subtype analog is std_logic;\r\nend kalvor_types;\r\n";
}

std::string StandardVhdl::BeginMacro(MacroHeader header, bool ports_from_file, std::int64_t at) {
  header_ = std::move(header);
  // The definition that instances use has their interface.
  auto defined = library_.by_name.find(header_.name);
  const MacroLibrary::Definition* definition =
      defined == library_.by_name.end() ? nullptr : &library_.definitions[defined->second];
  if (ports_from_file) {
    own_interface_ = MacroInterface{};
    interface_ = &own_interface_;
  } else if (definition && definition->file == 0 && definition->at == at) {
    auto [it, fresh] = interfaces_.try_emplace(header_.name);
    if (fresh) it->second = BuildInterface(header_, options_.no_supply, reserved_, cells_);
    interface_ = &it->second;
  } else {
    own_interface_ = BuildInterface(header_, options_.no_supply, reserved_, cells_);
    interface_ = &own_interface_;
  }
  entity_ = CellIdentifier(header_.name);
  converted_.push_back(header_.name);
  region_.Clear();
  nets_.Clear();
  ports_.Clear();
  renamed_.Clear();
  vectors_.clear();
  pending_names_.Clear();
  pending_numbers_.clear();
  declared_text_.Clear();
  declared_begins_.clear();
  declared_ends_.clear();
  declared_as_named_.clear();
  for (std::uint64_t& bits : vector_initials_) bits = 0;
  component_names_.Clear();
  for (RecentComponent& recent : recent_components_) recent.number = NameIndex::kNone;
  components_.clear();
  component_order_.clear();
  supply_[0].clear();
  supply_[1].clear();
  fills_noted_ = 0;
  fills_used_ = 0;
  labels_.Clear();
  labels_apart_ = true;
  ports_copied_ = false;
  header_words_.Clear();
  bus_bit_of_.assign(header_.numbers.names, NameIndex::kNone);
  bus_bits_.clear();
  // The vector of each "$bus" port (vectors_ keeps its entries in place).
  std::vector<const std::pair<std::string, long>*> bus_vectors(interface_->ports.size(), nullptr);
  for (std::size_t p = 0; p < interface_->ports.size(); ++p) {
    const MacroInterface::Port& port = interface_->ports[p];
    region_.Claim(port.identifier);
    if (port.width >= 0) {
      auto& vector = Vector(VectorKey(port));
      vector = {port.identifier, port.width};
      if (port.declared) bus_vectors[p] = &vector;
    } else {
      ports_.Insert(port.name);
      renamed_.Note(port.name, port.identifier, reserved_);
    }
  }
  // The one-bit ports' nets are noted by their names' numbers.
  net_noted_.assign(header_.numbers.names, 0);
  for (std::size_t k = 0; k < interface_->words.size(); ++k) {
    const MacroInterface::Binding& b = interface_->words[k];
    if (b.port >= 0 && interface_->ports[static_cast<std::size_t>(b.port)].width < 0) {
      net_noted_[header_.numbers.words[k]] = 1;
    }
    if (b.port < 0 || !interface_->ports[static_cast<std::size_t>(b.port)].declared) continue;
    // The first binding of a word holds.
    std::uint32_t& bit = bus_bit_of_[header_.numbers.words[k]];
    if (bit == NameIndex::kNone) {
      bit = static_cast<std::uint32_t>(bus_bits_.size());
      bus_bits_.emplace_back(bus_vectors[static_cast<std::size_t>(b.port)], b.element);
    }
  }
  return "\r\nlibrary IEEE;\r\nuse IEEE.STD_LOGIC_1164.all;\r\n" + package_clauses_ +
         "\r\nentity " + entity_ + " is";
}

std::string StandardVhdl::EntityPorts() const {
  std::string text;
  const char* separator = " port (\r\n";
  for (const MacroInterface::Port& port : interface_->ports) {
    AppendAll(text, {separator, "  ", port.identifier, " : ", port.mode, " ", port.type});
    separator = ";\r\n";
  }
  if (!text.empty()) text += " );";
  return text + "\r\nend " + entity_ + ";\r\n";
}

void StandardVhdl::NoteCopiedPort(const std::string& name) {
  region_.Claim(name);
  nets_.Insert(name);
  ports_.Insert(name);
  if (!ports_copied_) {
    for (std::size_t k = 0; k < header_.words.size(); ++k) header_words_.Insert(header_.words[k]);
  }
  ports_copied_ = true;
}

std::string StandardVhdl::CopiedPorts(const std::string& text, std::string_view bus_list) {
  std::string_view rest = bus_list;
  while (HasContent(rest)) Vector(std::string(NextName(rest))) = {"", -1};
  for (auto& [base, vector] : vectors_) vector.first = base;
  std::string head = text.empty() ? "" : " port (" + text + " );";
  return head + "\r\nend " + entity_ + ";\r\n";
}

std::string StandardVhdl::ArchitectureName() const {
  return PlainIdentifier(header_.name + "_1", reserved_);
}

std::string StandardVhdl::ArchitectureHead() const {
  return "architecture " + ArchitectureName() + " of " + entity_ + " is\r\n";
}

std::string StandardVhdl::ArchitectureEnd() const { return "end " + ArchitectureName() + ";"; }

bool StandardVhdl::Ignored(std::string_view component) const {
  for (const std::string& ignored : options_.ignore) {
    if (EqualNoCase(component, ignored)) return true;
  }
  return false;
}

// The key of a vector port in vectors_: a "$bus" vector's cannot meet a
// base cut from a node name.
std::string StandardVhdl::VectorKey(const MacroInterface::Port& port) {
  return port.declared ? "\x01" + port.name : port.name;
}

// The vector port of this macro (its identifier and width) that `node`
// names an element of, and the element; null if none.
const std::pair<std::string, long>* StandardVhdl::Element(std::string_view node,
                                                          std::uint32_t number,
                                                          long* index) const {
  if (number < bus_bit_of_.size()) {
    const std::uint32_t bit = bus_bit_of_[number];
    if (bit != NameIndex::kNone) {
      *index = bus_bits_[bit].second;
      return bus_bits_[bit].first;
    }
  }
  if (vectors_.empty() || node.size() < 2) return nullptr;
  const auto initial = static_cast<unsigned char>(node[0]);
  if ((vector_initials_[initial / 64] >> (initial % 64) & 1) == 0) return nullptr;
  std::size_t digit = 1;
  while (digit < node.size() && !IsDigit(node[digit])) ++digit;
  if (digit == node.size()) return nullptr;
  auto it = vectors_.find(node.substr(0, digit));
  // A vector copied from a VHDL file stands for the header's elements that
  // match it ignoring case.
  if (it == vectors_.end() && ports_copied_ && header_words_.Contains(node)) {
    it = vectors_.find(ToLower(node.substr(0, digit)));
  }
  if (it == vectors_.end()) return nullptr;
  std::string_view text = node.substr(digit);
  if (text.size() > 9 || (text.size() > 1 && text[0] == '0')) return nullptr;
  long value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return nullptr;
    value = value * 10 + (c - '0');
  }
  if (it->second.second >= 0 && value > it->second.second) return nullptr;
  *index = value;
  return &it->second;
}

void StandardVhdl::NoteNet(std::string_view name, std::uint32_t number) {
  long index = 0;
  if (Element(name, number, &index)) return;
  if (ports_copied_) {
    // The ports read from a VHDL file are known by name only.
    bool fresh = false;
    nets_.FindOrInsert(name, &fresh);
    if (!fresh) return;
    std::string lowered = ToLower(name);
    if (lowered != name && ports_.Contains(lowered) && header_words_.Contains(name)) {
      renamed_.Rename(std::string(name), lowered);
      return;
    }
  } else {
    if (number >= net_noted_.size()) {
      net_noted_.resize(std::max<std::size_t>(number + 1, 2 * net_noted_.size()), 0);
    }
    if (net_noted_[number]) return;
    net_noted_[number] = 1;
  }
  pending_names_.Add(name);
  pending_numbers_.push_back(number);
}

std::pair<std::string, long>& StandardVhdl::Vector(const std::string& key) {
  if (!key.empty()) {
    for (char c : {ToLowerAscii(key[0]), ToUpperAscii(key[0])}) {
      const auto u = static_cast<unsigned char>(c);
      vector_initials_[u / 64] |= std::uint64_t{1} << (u % 64);
    }
  }
  return vectors_[key];
}

// The interface of the macro an instance names, with its port map made.
const MacroInterface* StandardVhdl::InterfaceOf(std::string_view macro) {
  std::string name(macro);
  auto cached = interfaces_.find(name);
  MacroInterface* f = cached == interfaces_.end() ? nullptr : &cached->second;
  if (!f) {
    auto it = library_.by_name.find(name);
    if (it == library_.by_name.end()) return nullptr;
    MacroHeader header;
    if (!ReadMacroHeader(library_, library_.definitions[it->second], reader_, header)) {
      library_.by_name.erase(it);
      return nullptr;
    }
    f = &interfaces_.emplace(name, BuildInterface(header, options_.no_supply, reserved_, cells_))
             .first->second;
  }
  if (!f->mapped && !f->positional) MapEveryWord(*f);
  f->mapped = true;
  return f;
}

std::size_t StandardVhdl::Fills(const MacroInterface& interface, std::size_t nodes) const {
  if (interface.positional) return 0;
  if (nodes >= interface.words.size()) return interface.open_elements;
  std::size_t count = 0;
  for (const std::vector<long>& open : OpenElements(interface, nodes)) count += open.size();
  return count;
}

[[gnu::always_inline]] inline std::uint32_t StandardVhdl::NotedInstance(std::uint32_t number,
                                                                        std::size_t nodes) {
  Component& c = components_[number];
  if (c.ignored) return number;
  c.nodes = std::max(c.nodes, nodes);
  if (c.interface) fills_noted_ += Fills(*c.interface, nodes);
  return number;
}

std::uint32_t StandardVhdl::NoteInstance(std::string_view spelled, std::size_t nodes) {
  // Most instances name one of a few macros, spelled the same way each time.
  const std::size_t slot =
      (spelled.size() * 7 + (spelled.empty() ? 0 : static_cast<unsigned char>(spelled.back()))) %
      std::size(recent_components_);
  RecentComponent& recent = recent_components_[slot];
  if (recent.number != NameIndex::kNone && recent.spelled.size() == spelled.size() &&
      NameIndex::SameBytes(recent.spelled.data(), spelled.data(), spelled.size())) {
    return NotedInstance(recent.number, nodes);
  }
  lowered_.assign(spelled);
  LowerAsciiInPlace(lowered_.data(), lowered_.size());
  const std::string_view lowered = lowered_;
  bool fresh = false;
  const std::uint32_t number = component_names_.FindOrInsert(lowered, &fresh);
  recent.spelled.assign(spelled);
  recent.number = number;
  if (fresh) {
    // The first spelling met wins after the headers'.
    if (!library_.spelled.contains(std::string(lowered))) {
      library_.spelled.emplace(lowered, spelled);
    }
    instantiated_.Insert(lowered);
    Component& c = components_.emplace_back();
    c.ignored = Ignored(lowered);
    if (!c.ignored) {
      component_order_.push_back(number);
      c.interface = InterfaceOf(lowered);
    }
  }
  return NotedInstance(number, nodes);
}

void StandardVhdl::Declarations(Row& out) {
  std::string text;
  // Components first: a macro keeps its name, a net of the same name gives way.
  for (std::uint32_t n : component_order_) {
    Component& c = components_[n];
    if (c.interface) {
      c.identifier = CellIdentifier(std::string(component_names_.at(n)));
      region_.Claim(c.identifier);
    }
  }
  for (std::uint32_t n : component_order_) {
    Component& c = components_[n];
    if (!c.interface) {
      const std::string name(component_names_.at(n));
      auto spelled = library_.spelled.find(name);
      bool extended = PlainIdentifier(name, reserved_)[0] == '\\';
      c.identifier = region_.Declare(extended && spelled != library_.spelled.end() ? spelled->second
                                                                                  : name);
    }
  }
  for (int s = 0; s < 2; ++s) {
    if (ports_.Contains(kSupplies[s])) continue;
    bool plain = true;
    supply_[s] = region_.Declare(kSupplies[s], nullptr, &plain);
    if (!plain) renamed_.Rename(std::string(kSupplies[s]), supply_[s]);
    AppendAll(text, {"  signal ", supply_[s], ": std_logic;\r\n"});
  }
  out.Add(text);
  text.clear();
  std::uint32_t numbers = 0;
  for (std::uint32_t number : pending_numbers_) numbers = std::max(numbers, number + 1);
  declared_begins_.assign(numbers, NameIndex::kNone);
  declared_ends_.assign(numbers, NameIndex::kNone);
  declared_as_named_.assign(numbers, 0);
  for (std::size_t k = 0; k < pending_numbers_.size(); ++k) {
    const std::string_view name = pending_names_[k];
    if ((name == kSupplies[0] && !supply_[0].empty()) ||
        (name == kSupplies[1] && !supply_[1].empty())) {
      continue;
    }
    bool plain = true;
    const std::string_view id = region_.Declare(name, nullptr, &plain);
    if (!plain) renamed_.Rename(std::string(name), std::string(id));
    // The net's actual in the port maps is its identifier.
    const std::uint32_t number = pending_numbers_[k];
    declared_begins_[number] = static_cast<std::uint32_t>(declared_text_.size());
    declared_text_.Add(id);
    declared_ends_[number] = static_cast<std::uint32_t>(declared_text_.size());
    declared_as_named_[number] = id == name ? 1 : 0;
    // Most lines of the declarations: made in the output itself.
    out.Add("  signal ");
    out.Add(id);
    out.Add(" : std_logic;\r\n");
  }
  // "in" and "out" ports are used through signals of their own; a port
  // wired to another port's node is driven by an assignment instead.
  copies_.clear();
  std::string copy_name;  // a port's name and "_in" or "_out"
  NameSet secondary;  // ports wired to another port's node
  for (const std::vector<std::string>& group : header_.wired) {
    for (std::size_t k = 1; k < group.size(); ++k) secondary.Insert(group[k]);
  }
  for (const MacroInterface::Port& port : interface_->ports) {
    if (port.mode == "inout" || secondary.Contains(port.name)) continue;
    bool input = port.mode == "in";
    copy_name.assign(port.name);
    copy_name += input ? "_in" : "_out";
    std::string id(region_.Declare(copy_name));
    AppendAll(text, {"  signal ", id, " : ", port.type, ";\r\n"});
    if (port.width >= 0) {
      Vector(VectorKey(port)).first = id;
    } else {
      renamed_.Rename(port.name, id);
    }
    copies_.push_back({port.identifier, id, input});
  }
  for (std::size_t n = 1; n <= fills_noted_; ++n) {
    text += "  signal " + FillSignal(n) + " : std_logic;\r\n";
  }
  for (std::uint32_t n : component_order_) {
    const Component& c = components_[n];
    AppendAll(text, {"  component ", c.identifier});
    const char* separator = " port (\r\n";
    bool any = false;
    if (c.interface) {
      for (const MacroInterface::Port& port : c.interface->ports) {
        AppendAll(text, {separator, "    ", port.identifier, " : ", port.mode, " ", port.type});
        separator = ";\r\n";
        any = true;
      }
    } else {
      for (std::size_t p = 1; p <= c.nodes; ++p) {
        AppendAll(text, {separator, "    p"});
        AppendDecimal(text, static_cast<long>(p));
        text += " : linkage std_logic";
        separator = ";\r\n";
        any = true;
      }
    }
    text += any ? ");\r\n" : "\r\n";
    text += "  end component;\r\n";
  }
  out.Add(text);
}

std::string StandardVhdl::SupplyAssignments() const {
  std::string text;
  if (!supply_[0].empty()) text += "  " + supply_[0] + "<='1';\r\n";
  if (!supply_[1].empty()) text += "  " + supply_[1] + "<='0';\r\n";
  for (const PortCopy& c : copies_) {
    AppendAll(text, {"  ", c.input ? c.signal : c.port, " <= ", c.input ? c.port : c.signal,
                     ";\r\n"});
  }
  return text + WiredText();
}

// Ports the netlist wires to another port's node are driven from that node
// (an input port drives the node instead; two inputs are both driven from
// outside).
std::string StandardVhdl::WiredText() const {
  std::string text;
  if (header_.wired.empty()) return text;
  const MacroHeader::Numbers& numbers = header_.numbers;
  std::vector<char> input(numbers.names, 0);
  for (std::uint32_t n : numbers.inputs) input[n] = 1;
  // The one-bit ports by name.
  std::vector<int> scalar_port(numbers.names, -1);
  for (std::size_t k = 0; k < interface_->words.size(); ++k) {
    const MacroInterface::Binding& b = interface_->words[k];
    if (b.port >= 0 && b.element < 0) scalar_port[numbers.words[k]] = b.port;
  }
  auto assign = [&text](std::string_view target, std::string_view source) {
    text += "  ";
    text += target;
    text += " <= ";
    text += source;
    text += ";\r\n";
  };
  std::string node;
  std::string port;
  for (std::size_t g = 0; g < header_.wired.size(); ++g) {
    const std::vector<std::string>& group = header_.wired[g];
    const std::vector<std::uint32_t>& number = numbers.wired[g];
    node.clear();
    AppendActual(node, group[0], number[0]);
    for (std::size_t k = 1; k < group.size(); ++k) {
      long index = 0;
      port.clear();
      if (Element(group[k], number[k], &index)) {
        AppendActual(port, group[k], number[k]);
      } else {
        const int p = scalar_port[number[k]];
        if (p < 0) continue;
        port = interface_->ports[static_cast<std::size_t>(p)].identifier;
      }
      if (input[number[k]] && input[number[0]]) continue;
      if (input[number[k]]) {
        assign(node, port);
      } else {
        assign(port, node);
      }
    }
  }
  return text;
}

void StandardVhdl::AppendActual(std::string& out, std::string_view node,
                                std::uint32_t number) const {
  if (const std::string_view declared = DeclaredActual(number); !declared.empty()) {
    out += declared;
    return;
  }
  long index = 0;
  if (const std::pair<std::string, long>* vector = Element(node, number, &index)) {
    out += vector->first;
    out += '(';
    out += std::to_string(index);
    out += ')';
    return;
  }
  renamed_.Append(out, node, reserved_);
}

bool StandardVhdl::BeginInstance(std::string_view label, std::string_view component,
                                 std::uint32_t number, Row& out, bool alone) {
  const std::string_view id = LabelIdentifier(label, alone);
  if (number == NameIndex::kNone) number = component_names_.Number(component);
  std::string other;
  std::string_view macro;
  if (number != NameIndex::kNone) {
    macro = components_[number].identifier;
    instance_interface_ = components_[number].interface;
  } else {
    instance_interface_ = InterfaceOf(component);
    other = PlainIdentifier(component, reserved_);
    macro = other;
  }
  // "  label : macro", made in the output in one piece.
  char* at = out.Extend(id.size() + macro.size() + 5);
  std::memcpy(at, "  ", 2);
  at = CopyShortEnd(at + 2, id);
  std::memcpy(at, " : ", 3);
  CopyShortEnd(at + 3, macro);
  return instance_interface_ == nullptr;
}

std::string_view StandardVhdl::LabelIdentifier(std::string_view label, bool alone) {
  if (labels_apart_) {
    // After the declarations only labels claim names in the region: a label
    // whose identifier (plain or extended) no name of the region has and no
    // other label is keeps it, apart from the region's names.
    std::string_view id = label;
    if (!IsPlainIdentifier(label, reserved_)) {
      label_identifier_.clear();
      AppendExtendedIdentifier(label_identifier_, label);
      id = label_identifier_;
    }
    // (A label alone among the macro's labels need not be kept to be told
    // apart from the others.)
    if ((!region_.ClaimsInitial(id[0] == '\\' ? '\\' : 'i') || !region_.Claims(id)) &&
        (alone || labels_.Insert(id))) {
      return id;
    }
    // From here on the labels are declared in the region like other names.
    labels_apart_ = false;
    for (std::size_t n = 0; n < labels_.size(); ++n) region_.Claim(labels_.at(n));
  }
  return region_.Declare(label);
}

void StandardVhdl::EndInstance(std::string_view label, std::string_view component,
                               const std::vector<std::string_view>& nodes,
                               const std::vector<std::string_view>& actuals, std::size_t streamed,
                               Row& out) {
  const MacroInterface* interface = instance_interface_;
  if (!interface) {
    out.Add(streamed == 0 ? ";\r\n" : ");\r\n");
    return;
  }
  if (nodes.empty()) {
    out.Add(";\r\n");
    return;
  }
  std::string& text = instance_text_;
  text.clear();
  if (interface->positional && nodes.size() <= interface->ports.size()) {
    // Made in the output itself.
    out.Add(" port map (");
    for (std::size_t k = 0; k < nodes.size(); ++k) {
      if (k) out.Add(",");
      out.Add(actuals[k]);
    }
    out.Add(");\r\n");
    return;
  }
  // By name: a vector's elements one after another (the elements this
  // instance leaves unconnected each on a signal of its own), ports that the
  // header does not bind left open.
  if (nodes.size() < interface->words.size() || interface->positional) {
    text += MapByName(*interface, actuals, std::min(nodes.size(), interface->words.size()));
  } else if (interface->formals.empty()) {
    out.Add(";\r\n");
  } else {
    // Every word has a node: the interface's own map.
    out.Add(" port map (");
    const std::string_view formals = interface->formal_text;
    for (const MacroInterface::Formal& f : interface->formals) {
      out.Add(formals.substr(f.begin, f.end - f.begin));
      if (f.word >= 0) {
        out.Add(actuals[static_cast<std::size_t>(f.word)]);
      } else {
        text = FillSignal(++fills_used_);
        out.Add(text);
      }
    }
    out.Add(");\r\n");
    text.clear();
  }
  if (nodes.size() > interface->words.size()) {
    ++extra_nodes_;
    text += "  -- ";
    text += label;
    text += ": nodes beyond the ports of ";
    text += component;
    text += ":";
    for (std::size_t k = interface->words.size(); k < nodes.size(); ++k) {
      text += ' ';
      text += nodes[k];
    }
    text += "\r\n";
  }
  out.Add(text);
}

// The port map of an instance by its first `n` nodes (fewer than the
// words, or a positional interface's): those words, and the elements of
// their vectors that they leave open.
std::string StandardVhdl::MapByName(const MacroInterface& interface,
                                    const std::vector<std::string_view>& actuals, std::size_t n) {
  std::vector<std::string> groups(interface.ports.size());
  std::vector<std::size_t> order;
  for (std::size_t k = 0; k < n; ++k) {
    const MacroInterface::Binding& b = interface.words[k];
    if (b.port < 0) continue;
    std::string& group = groups[static_cast<std::size_t>(b.port)];
    if (group.empty()) order.push_back(static_cast<std::size_t>(b.port));
    group += group.empty() ? "" : ",";
    group += interface.ports[static_cast<std::size_t>(b.port)].identifier;
    if (b.element >= 0) group += "(" + std::to_string(b.element) + ")";
    group += " => ";
    group += actuals[k];
  }
  std::vector<std::vector<long>> open = OpenElements(interface, n);
  std::string list;
  for (std::size_t p : order) {
    list += list.empty() ? "" : ",";
    list += groups[p];
    for (long e : open[p]) {
      list += "," + interface.ports[p].identifier + "(" + std::to_string(e) + ") => ";
      list += FillSignal(++fills_used_);
    }
  }
  return list.empty() ? ";\r\n" : " port map (" + list + ");\r\n";
}

std::string StandardVhdl::CellIdentifier(const std::string& macro) const {
  auto original = library_.originals.find(macro);
  if (original != library_.originals.end()) return PlainIdentifier(original->second, reserved_);
  std::string id = PlainIdentifier(macro, reserved_);
  if (id[0] != '\\') return id;
  auto spelled = library_.spelled.find(macro);
  return spelled == library_.spelled.end() ? id : PlainIdentifier(spelled->second, reserved_);
}

std::string StandardVhdl::TopEntity(std::string_view tagged) const {
  const std::string* top = nullptr;
  for (const std::string& name : converted_) {
    if (!tagged.empty() && EqualNoCase(name, tagged)) top = &name;
  }
  for (auto it = converted_.rbegin(); !top && it != converted_.rend(); ++it) {
    if (!instantiated_.Contains(*it)) top = &*it;
  }
  if (!top && !converted_.empty()) top = &converted_.back();
  return top ? CellIdentifier(*top) : std::string();
}

}  // namespace kalvor
