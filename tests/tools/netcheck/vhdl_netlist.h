// Reads structural VHDL as the .mac to VHDL conversion writes it (either
// format) into a plain model: entities with their ports, architectures with
// their declared names, components, instances with their associations, and
// concurrent assignments. Its own tokenizer and parser: nothing is shared
// with the converter.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace netcheck {

// An identifier as VHDL compares it: a basic identifier lowercased, an
// extended one as written, backslashes included (\A\ and a differ).
struct VhdlPort {
  std::string id;
  std::string mode;  // in, out, inout, buffer, linkage
  long width = -1;   // highest element of a vector (N downto 0); -1: one bit
  long left = -1, right = -1;  // a vector's range as written: (left downto right) or (left to right)
};

// One end of an association: a name, or an element of it; "open" has an
// empty name.
struct VhdlObject {
  std::string id;
  long element = -1;
  std::string Key() const { return element < 0 ? id : id + "(" + std::to_string(element) + ")"; }
};

// Where the element of a Key() begins ("(" after the name; an extended
// name may hold "(" itself), or npos.
std::size_t ElementStart(const std::string& key);

struct VhdlAssociation {
  VhdlObject formal;  // empty id: positional
  VhdlObject actual;
};

struct VhdlInstance {
  std::string label;
  std::string cell;
  std::vector<VhdlAssociation> map;
  std::string beyond;  // the comment naming nodes beyond the ports, if any
};

struct VhdlArchitecture {
  std::string entity;
  std::vector<std::string> declared;  // signals, in order (ports are the entity's)
  std::map<std::string, std::vector<VhdlPort>> components;
  std::vector<VhdlInstance> instances;
  std::vector<std::pair<VhdlObject, std::string>> assignments;  // target <= source (a name or 'c')
  std::vector<std::string> problems;
};

struct VhdlDesign {
  std::map<std::string, std::vector<VhdlPort>> entities;
  std::vector<std::string> entity_order;
  std::vector<std::string> duplicate_entities;
  std::vector<VhdlArchitecture> architectures;
  std::set<std::string> components_declared;  // their names' text, lowercased
  std::vector<std::string> problems;
};

bool ReadVhdlDesign(const std::string& path, VhdlDesign& out);
void ParseVhdlDesign(const std::string& text, VhdlDesign& out);

// The text an identifier stands for: an extended identifier without its
// backslashes (doubled ones single), a basic one as it is.
std::string IdentifierText(const std::string& id);

}  // namespace netcheck
