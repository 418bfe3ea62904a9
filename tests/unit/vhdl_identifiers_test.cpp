#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vhdl/vhdl_identifiers.h"
#include "vhdl/vhdl_standard.h"

namespace kalvor {
namespace {

TEST(VhdlIdentifiers, NetlistNamesBecomeIdentifiers) {
  ReservedNames reserved;
  reserved.Add("cells");  // a package named in the dialog
  struct Case {
    const char* name;
    const char* written;
  } cases[] = {
      {"n1", "n1"},
      {"NN_3v", "NN_3v"},
      {"a_", "\\a_\\"},
      {"a__b", "\\a__b\\"},
      {"_a", "\\_a\\"},
      {"$auto$12", "\\$auto$12\\"},
      {"q[3]", "\\q[3]\\"},
      {"a\\b", "\\a\\\\b\\"},
      {"n\x85x", "\\n 85 x\\"},
      {"caf\xe9", "\\caf\xe9\\"},
      {"signal", "\\signal\\"},
      {"Buffer", "\\Buffer\\"},
      {"InOuT", "\\InOuT\\"},
      {"std_logic", "\\std_logic\\"},
      {"analog", "\\analog\\"},
      {"CELLS", "\\CELLS\\"},
      {"context", "\\context\\"},
      {"NN_", "\\NN_\\"},
      // Long names are scanned eight bytes at a time.
      {"u_co\\re__regs[12]", "\\u_co\\\\re__regs[12]\\"},
      {"u_core__re\x7fgs__q", "\\u_core__re 7f gs__q\\"},
      {"u_\x1f" "core__regs__q_n", "\\u_ 1f core__regs__q_n\\"},
      {"u_core_caf\xe9\x9b_regs__q", "\\u_core_caf\xe9 9b _regs__q\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlainIdentifier(c.name, reserved), c.written) << c.name;
  }
}

// Every name of up to five bytes of a small alphabet, and longer names of
// it, against the rule spelled out: a letter first, then letters, digits
// and single underscores, and no underscore last.
TEST(VhdlIdentifiers, BasicIdentifiersAreTheRuleOfTheStandard) {
  auto rule = [](const std::string& name) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (name.empty() || !letter(name[0]) || name.back() == '_') return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
      const char c = name[i];
      if (!letter(c) && !(c >= '0' && c <= '9') && c != '_') return false;
      if (c == '_' && i > 0 && name[i - 1] == '_') return false;
    }
    return true;
  };
  const std::string alphabet = std::string("aZ9_@[`{/:\x7f\xc3", 12) + std::string(1, '\0');
  std::vector<std::string> names = {""};
  for (std::size_t from = 0, length = 1; length <= 5; ++length) {
    const std::size_t to = names.size();
    for (std::size_t i = from; i < to; ++i) {
      for (char c : alphabet) names.push_back(names[i] + c);
    }
    from = to;
  }
  // Longer names, of up to 26 bytes: underscores at every two places (next
  // to each other or not), and a stray byte at every place.
  for (std::size_t length = 6; length <= 26; ++length) {
    for (std::size_t at = 0; at + 1 < length; ++at) {
      std::string name(length, 'a');
      name[length - 1] = '7';
      for (std::size_t other = at + 1; other < length; ++other) {
        std::string two = name;
        two[at] = two[other] = '_';
        names.push_back(two);
      }
      name[at] = '-';
      names.push_back(name);
      name[at] = 'Q';
      names.push_back(name);
    }
  }
  std::size_t basic = 0;
  for (const std::string& name : names) {
    EXPECT_EQ(IsBasicIdentifier(name), rule(name)) << name;
    basic += rule(name) ? 1 : 0;
  }
  EXPECT_GT(basic, 1000u);
}

TEST(VhdlIdentifiers, LaterNamesOfARegionGiveWay) {
  ReservedNames reserved;
  IdentifierRegion cells(reserved);
  cells.Claim("inv");
  IdentifierRegion region(reserved);
  region.Claim("gnd");  // a GND cell declared before the supply signal
  std::vector<std::string> declared;
  for (const char* name : {"gnd", "nn_3v", "NN_3v", "and", "and", "inv", "x"}) {
    declared.emplace_back(region.Declare(name, &cells));
  }
  EXPECT_EQ(declared, (std::vector<std::string>{"\\gnd\\", "nn_3v", "\\NN_3v\\", "\\and\\",
                                                "\\and 2\\", "\\inv\\", "x"}));
}

TEST(VhdlIdentifiers, BusesBecomeVectorsAndTheHeaderBindsTheirElements) {
  ReservedNames reserved;
  IdentifierRegion cells(reserved);
  cells.Claim("q");
  NodeNames names;
  NodeTally tally;
  names.Reset(false);
  MacroHeader header = NameHeader({"reg", {"d3", "d1", "d0", "q", "d01", "q", "vdd", "e2"}},
                                  " d e ", " q ", {}, names, tally, false);
  MacroInterface f = BuildInterface(header, true, reserved, cells);
  ASSERT_EQ(f.ports.size(), 4u);
  // d at its element 0, e at its first element; a leading zero is no index.
  EXPECT_EQ(f.ports[0].name, "d");
  EXPECT_EQ(f.ports[0].type, "std_logic_vector (3 downto 0)");
  EXPECT_EQ(f.ports[1].identifier, "\\q\\");  // a macro of the file is named q
  EXPECT_EQ(f.ports[1].type, "analog");
  EXPECT_EQ(f.ports[2].name, "d01");
  EXPECT_EQ(f.ports[3].type, "std_logic_vector (2 downto 0)");
  EXPECT_FALSE(f.positional);
  EXPECT_EQ(f.words[0].port, 0);
  EXPECT_EQ(f.words[0].element, 3);
  EXPECT_EQ(f.words[5].port, -1);  // the second q
  EXPECT_EQ(f.words[6].port, -1);  // a supply
}

}  // namespace
}  // namespace kalvor
