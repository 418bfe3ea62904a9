// Standard VHDL from a macro file: what the long-standing format leaves to
// the reader, supplied so that a VHDL-93 analyser takes the file as it is.
// Each design unit gets its own library and use clauses; every architecture
// declares the components it instantiates, with the ports of the macro's
// header when the macro file or one of its include files defines it
// (p1..pN by position otherwise); no empty port list or port map is
// written; node names keep their letter case, and names that are not VHDL
// identifiers, or that another name of the same region claims (one that
// differs in letter case only, too), are written as extended identifiers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "mac/macfile.h"
#include "text/file.h"
#include "text/name_set.h"
#include "text/row.h"
#include "vhdl/mac_to_vhdl.h"
#include "vhdl/vhdl_identifiers.h"

namespace kalvor {

// Words kept one after another in one text.
struct WordList {
  std::string text;
  std::vector<std::uint32_t> ends;
  std::size_t size() const { return ends.size(); }
  std::string_view operator[](std::size_t k) const {
    const std::uint32_t begin = k == 0 ? 0 : ends[k - 1];
    return std::string_view(text).substr(begin, ends[k] - begin);
  }
  void Add(std::string_view word) {
    text += word;
    ends.push_back(static_cast<std::uint32_t>(text.size()));
  }
  void Clear() {
    text.clear();
    ends.clear();
  }
};

// A macro's header as the conversion reads it: the name lowercased, node
// names normalised in their own letter case, with the "$vector" and "$analog" lists that follow it.
struct MacroHeader {
  std::string name;
  WordList words;
  std::string bus_list;
  std::string analog_list;
  PortDirections directions;  // names as written
  // The "$wired" groups, names normalised as the words are.
  std::vector<std::vector<std::string>> wired;
  // The names as numbers (equal names have equal numbers, all below
  // `names`): of the words, the inputs, the outputs, each bus's bits and
  // each "$wired" group.
  struct Numbers {
    std::vector<std::uint32_t> words, inputs, outputs;
    std::vector<std::vector<std::uint32_t>> bus_bits, wired;
    std::uint32_t names = 0;
  } numbers;
};

// The header of a macro from its parsed line and directive lines, its names
// given by `names` (which has just begun the macro) and, with `count`,
// counted in the fanout analysis.
MacroHeader NameHeader(const MacHeader& parsed, std::string bus_list, std::string analog_list,
                       PortDirections directions, NodeNames& names, NodeTally& tally, bool count);

// The index of a bus element when `name` is element of a vector of
// `bus_list`: the base then a decimal index without leading zeros; npos
// otherwise. `base_length` gets the length of the base.
long BusElement(std::string_view name, std::string_view bus_list, std::size_t* base_length);

// The ports of a macro: a vector for each bus of the "$vector" list (at its
// element 0, or its first element when it has none), a port for every
// other name, duplicates and (with the no-supply flag) supplies left out.
struct MacroInterface {
  struct Port {
    std::string name;        // the node name (a vector's base)
    std::string identifier;  // as written
    std::string type;
    long width = -1;         // highest element of a vector; -1 for one bit
    std::string mode = "inout";  // "in", "out" when the directive lines say so
    long low = 0;            // lowest element of a vector
    bool declared = false;   // a vector of a "$bus" line (its elements by the line's ports)
  };
  std::vector<Port> ports;
  // What each word of the header is bound to: a port (-1: none) and, for a
  // vector, the element.
  struct Binding {
    int port = -1;
    long element = -1;
  };
  std::vector<Binding> words;
  bool positional = true;  // word k is the one-bit port k
  // The port map, by name, of an instance that has a node for every word:
  // in order, a formal (",PORT(E) => ", no comma first) each followed by the
  // actual of word `word`, or by a signal of its own (-1: an element the
  // words leave open).
  struct Formal {
    std::uint32_t begin = 0, end = 0;  // in formal_text
    long word = -1;
  };
  std::string formal_text;
  std::vector<Formal> formals;
  std::size_t open_elements = 0;  // formals without a word
  bool mapped = false;  // the port map is made (when an instance first needs it)
};
// `cells` holds the identifiers of the macros of the file, which ports keep
// apart from.
MacroInterface BuildInterface(const MacroHeader& header, bool no_supply,
                              const ReservedNames& reserved, const IdentifierRegion& cells);

// The macros defined in a macro file and in the macro files it includes
// (include paths relative to `directory`, nested includes followed): their
// names, and where each header is, to be read when it is first needed. The
// file is read from its start and left at its start.
struct MacroLibrary {
  struct Definition {
    std::string name;       // lowercased
    std::size_t file = 0;   // in `files`; 0 is the macro file itself
    std::int64_t at = 0;    // where the header line begins
  };
  std::vector<std::string> files;
  std::vector<Definition> definitions;
  std::unordered_map<std::string, std::size_t> by_name;  // the last definition
  // Macro names as the headers spell them (lowercased name to spelling).
  std::unordered_map<std::string, std::string> spelled;
  // The netlist's own names the macro names stand in for ("$original"),
  // where no other macro claims the same.
  std::unordered_map<std::string, std::string> originals;
};
MacroLibrary ScanMacroHeaders(File& mac, const std::string& directory);
// The header of `definition` as the conversion reads it, read with
// `reader` (which keeps the file open for the next); false when the file no
// longer reads (a macro then has no definition, as one of an include file
// that does not open).
bool ReadMacroHeader(const MacroLibrary& library, const MacroLibrary::Definition& definition,
                     File& reader, MacroHeader& header);

// The writer's side of standard mode: the conversion hands it the macro
// file's events and writes the text it returns.
class StandardVhdl {
 public:
  StandardVhdl(const MacToVhdlOptions& options, MacroLibrary library);

  // The head of the file: the package that declares "analog".
  std::string FileHead() const;
  // A macro's header: the unit's clauses and "entity NAME is". Then
  // EntityPorts (or CopiedPorts), ArchitectureHead, the signal pass
  // (NoteNet, NoteInstance), Declarations, "begin", SupplyAssignments.
  // `at` is where its header line begins in the macro file.
  std::string BeginMacro(MacroHeader header, bool ports_from_file, std::int64_t at);
  std::string EntityPorts() const;
  void NoteCopiedPort(const std::string& name);
  std::string CopiedPorts(const std::string& text, std::string_view bus_list);
  std::string ArchitectureName() const;
  std::string ArchitectureHead() const;
  std::string ArchitectureEnd() const;
  // A node by its name and the name's number (NodeNames's, with which the
  // macro's header was named).
  void NoteNet(std::string_view name, std::uint32_t number);
  // An instance of the macro spelled `spelled` on the line; returns the
  // macro's number among the macro's components.
  std::uint32_t NoteInstance(std::string_view spelled, std::size_t nodes);
  // The architecture's declarations (signals, components), added to `out`.
  void Declarations(Row& out);
  // The constant supplies, the copies of "in" and "out" ports and the
  // wired-together ports, after "begin".
  std::string SupplyAssignments() const;
  // An instance line of the main pass, made in `out`: its label and
  // component (`number` as NoteInstance gave it, or NameIndex::kNone);
  // true when its nodes go to StreamNode one by one (a positional map of a
  // macro without a definition), else EndInstance takes them all.
  // `alone`: no other label of the macro is this one.
  bool BeginInstance(std::string_view label, std::string_view component, std::uint32_t number,
                     Row& out, bool alone = false);
  // A streamed node given as its actual (AppendActual's text).
  static void StreamNode(std::string_view actual, bool first, Row& out) {
    out.Add(first ? std::string_view(" port map (") : std::string_view(","));
    out.Add(actual);
  }
  // The whole port map of such an instance: its actuals, comma-separated,
  // and the end of its line (StreamNode for each, then EndInstance).
  static void StreamPortMap(std::string_view actuals, Row& out) {
    char* at = out.Extend(actuals.size() + 15);
    std::memcpy(at, " port map (", 11);
    at = CopyShortEnd(at + 11, actuals);
    std::memcpy(at, ");\r\n", 4);
  }
  // The actual of a node in a port map: a vector's element or the net's
  // identifier. The same for a node throughout a macro.
  void AppendActual(std::string& out, std::string_view node, std::uint32_t number) const;
  // The same when the net was declared in the macro (most are): its
  // identifier, valid until the next macro; empty for the others.
  std::string_view DeclaredActual(std::uint32_t number) const {
    if (number >= declared_ends_.size() || declared_ends_[number] == NameIndex::kNone) return {};
    return std::string_view(declared_text_.View().data() + declared_begins_[number],
                            declared_ends_[number] - declared_begins_[number]);
  }
  // True when the net was declared under its name as noted (NoteNet's
  // `name`): the name is its actual.
  bool ActualIsName(std::uint32_t number) const {
    return number < declared_as_named_.size() && declared_as_named_[number] != 0;
  }
  // True when the port map of the instance begun last, with `nodes` nodes,
  // is its actuals in order (streamed, or by position): the same nodes
  // give it the same text whatever the instance's macro.
  bool MapsByPosition(std::size_t nodes) const {
    return instance_interface_ == nullptr ||
           (instance_interface_->positional && nodes <= instance_interface_->ports.size());
  }
  // `nodes` are the instance's node names, `actuals` their AppendActual texts.
  void EndInstance(std::string_view label, std::string_view component,
                   const std::vector<std::string_view>& nodes,
                   const std::vector<std::string_view>& actuals, std::size_t streamed, Row& out);

  // The entity the design's top is: `tagged` when a macro of that name was
  // converted, else the last macro that no other instantiates.
  std::string TopEntity(std::string_view tagged) const;
  std::size_t extra_nodes() const { return extra_nodes_; }
  // A macro of that (lowercase) name was instantiated by a converted macro.
  bool Instantiated(std::string_view macro) const { return instantiated_.Contains(macro); }

 private:
  struct Component {
    std::string identifier;
    std::size_t nodes = 0;
    const MacroInterface* interface = nullptr;
    bool ignored = false;
  };
  const MacroInterface* InterfaceOf(std::string_view macro);
  // The identifier of a macro (lowercased name): a basic identifier in
  // lower case; an extended one keeps the letter case the netlist spells it
  // with, since extended identifiers are told apart by case (the component
  // for the cell $_AND_ binds to a library's entity of that spelling).
  std::string CellIdentifier(const std::string& macro) const;
  std::size_t Fills(const MacroInterface& interface, std::size_t nodes) const;
  std::string MapByName(const MacroInterface& interface,
                        const std::vector<std::string_view>& actuals, std::size_t n);
  bool Ignored(std::string_view component) const;
  const std::pair<std::string, long>* Element(std::string_view node, std::uint32_t number,
                                              long* index) const;
  static std::string VectorKey(const MacroInterface::Port& port);
  // The identifier of an instance's label (valid until the next).
  std::string_view LabelIdentifier(std::string_view label, bool alone);

  const MacToVhdlOptions& options_;
  MacroLibrary library_;
  ReservedNames reserved_;
  IdentifierRegion cells_;  // the identifiers of the macros of the file
  std::unordered_map<std::string, MacroInterface> interfaces_;
  File reader_;  // reads the headers of macros instantiated before their definition
  std::string package_clauses_;
  bool own_analog_ = true;

  // The macro being converted.
  MacroHeader header_;
  const MacroInterface* interface_ = nullptr;  // in interfaces_, or own_interface_
  MacroInterface own_interface_;
  std::string entity_;
  IdentifierRegion region_;
  NameSet nets_;   // nets with a port or a signal, while the ports are copied from a file
  NameSet ports_;  // one-bit ports
  // The ports come from a VHDL file: they stand for the header's names
  // that match them ignoring case.
  bool ports_copied_ = false;
  NameSet header_words_;
  RenamedNets renamed_;
  std::unordered_map<std::string, std::pair<std::string, long>, TextHash, std::equal_to<>>
      vectors_;  // key: identifier, width
  // The header's words that are bits of "$bus" vectors; for each, the
  // vector and the index.
  std::vector<std::uint32_t> bus_bit_of_;  // by name number: the bit (NameIndex::kNone: none)
  std::vector<std::pair<const std::pair<std::string, long>*, long>> bus_bits_;
  // Whether a net was noted, by its name's number (the one-bit ports from
  // the start; nets_ instead while the ports are copied from a file).
  std::vector<char> net_noted_;
  // The nets to declare: their names, and the names' numbers.
  WordList pending_names_;
  std::vector<std::uint32_t> pending_numbers_;
  // The identifier each declared net got, by its name's number (from
  // declared_begins_ to declared_ends_ in declared_text_; kNone: none).
  Row declared_text_;
  std::vector<std::uint32_t> declared_begins_;
  std::vector<std::uint32_t> declared_ends_;
  std::vector<std::uint8_t> declared_as_named_;  // ActualIsName's
  // The first bytes of vectors_'s keys, in both letter cases: a node that
  // begins otherwise names no element.
  std::uint64_t vector_initials_[4] = {};
  std::pair<std::string, long>& Vector(const std::string& key);
  // The macros the body instantiates, by their lowercase names (a name's
  // number in component_names_ is its place in components_), and those
  // not ignored in the order first met.
  NameSet component_names_;
  std::uint32_t NotedInstance(std::uint32_t number, std::size_t nodes);
  // The numbers of the last spellings met, by their lengths and last bytes.
  struct RecentComponent {
    std::string spelled;
    std::uint32_t number = NameIndex::kNone;
  };
  RecentComponent recent_components_[32];
  std::string lowered_;
  std::vector<Component> components_;
  std::vector<std::uint32_t> component_order_;
  const MacroInterface* instance_interface_ = nullptr;  // of the instance being written
  std::string instance_text_;  // EndInstance's port map, made before it is added
  // The identifiers of the labels ("I" and the instance name, plain or
  // extended) while no label's identifier is another name's of the region
  // (or two labels' are the same): kept apart from the region's names.
  NameSet labels_;
  bool labels_apart_ = true;
  std::string label_identifier_;  // an extended label's identifier
  std::string supply_[2];  // identifiers of the vdd and gnd signals ("" : none)
  // An "in" or "out" port is used inside through a signal of its own (VHDL-93
  // reads no "out" port and passes no "in" port to an "inout" formal): the
  // port's identifier, the signal's, and whether the port is an input.
  struct PortCopy {
    std::string port, signal;
    bool input = false;
  };
  std::vector<PortCopy> copies_;
  std::string WiredText() const;
  std::size_t fills_noted_ = 0;
  std::size_t fills_used_ = 0;
  std::size_t extra_nodes_ = 0;
  std::vector<std::string> converted_;  // macro names in file order
  NameSet instantiated_;
};

}  // namespace kalvor
