// Post-processing of NetTran's TPR and .NET netlists.
#include <gtest/gtest.h>

#include <filesystem>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "platform/resource.h"
#include "commands/main_window.h"
#include "support/scripted_platform.h"
#include "toolchain/tpr.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::Crlf;
using testing::TestApp;
using testing::WriteFileBytes;

TEST(ReduceNetlistLine, RootPrefixPortNamesAndPadLevel) {
  const std::vector<std::string> ports = {"a", "b", "y"};
  NetlistNames names = NetlistNamesFor("top", ports);
  EXPECT_EQ(names.root_prefix, "TOP<");
  // Port 12 is beyond the table: this and later ports of the line stay.
  EXPECT_EQ(ReduceNetlistLine("X TOP<U1 TOP_P2 TOP_P12 TOP_P1", names),
            "X U1 b TOP_P12 TOP_P1");
  // Only the digits right after the prefix are replaced.
  EXPECT_EQ(ReduceNetlistLine("TOP_P3x", names), "yx");
  EXPECT_EQ(ReduceNetlistLine("PADS<P1 TOP_P1", names), "P1 a");
  // Case matters for the root prefix.
  EXPECT_EQ(ReduceNetlistLine("top<U1 TOP<TOP<U2", names), "top<U1 U2");
  // Removal closes up text that then forms the prefix again.
  EXPECT_EQ(ReduceNetlistLine("TOTOP<P<U1", names), "U1");
  const std::vector<std::string> none;
  EXPECT_EQ(ReduceNetlistLine("A A B<B<", NetlistNamesFor("a b", none)), "");
  // Port 0, negative and absurdly large numbers are not ports.
  EXPECT_EQ(ReduceNetlistLine("TOP_P0 TOP_P1", names), "TOP_P0 TOP_P1");
  EXPECT_EQ(ReduceNetlistLine("TOP_P-9223372036854775808", names),
            "TOP_P-9223372036854775808");
  EXPECT_EQ(ReduceNetlistLine("TOP_P99999999999999999999999", names),
            "TOP_P99999999999999999999999");
  // A port name that contains the prefix is not replaced again.
  const std::vector<std::string> tricky = {"TOP_P1"};
  EXPECT_EQ(ReduceNetlistLine("TOP_P1 TOP_P1", NetlistNamesFor("top", tricky)),
            "TOP_P1 TOP_P1");
}

// The rewrite as three plain passes: the root prefix removed (searching
// again from the start after each removal), the ports named from the left
// until a number is no port, the pad level removed.
std::string ThreePasses(std::string line, const NetlistNames& names) {
  auto remove_all = [&](const std::string& what) {
    for (std::size_t at; (at = line.find(what)) != std::string::npos;) line.erase(at, what.size());
  };
  remove_all(names.root_prefix);
  const std::vector<std::string>& ports = *names.ports;
  for (std::size_t from = 0, at; (at = line.find(names.port_prefix, from)) != std::string::npos;) {
    const std::size_t digits = at + names.port_prefix.size();
    const long long n = std::strtoll(line.c_str() + digits, nullptr, 10);
    if (n < 1 || n > static_cast<long long>(ports.size())) break;
    std::size_t end = digits;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9') ++end;
    const std::string& name = ports[static_cast<std::size_t>(n - 1)];
    line.replace(at, end - at, name);
    from = at + name.size();
  }
  remove_all("PADS<");
  return line;
}

// The rewrite runs in one pass; it must give what the three passes give,
// also where a removal closes up text into another prefix or port number,
// prefixes overlap themselves ("ABA<" in "ABABA<<"), or a port's name holds
// a prefix. Module names that the one pass leaves to the passes are here
// too.
TEST(ReduceNetlistLine, OnePassAsThreePassesOverRandomLines) {
  std::mt19937 random(33);
  const std::vector<std::string> none;
  for (const char* top : {"top", "aba", "a", "pads", "p", "t_p", "a_pa", "tot", "abcdefghtx", "",
                          "1", "d<", "a b"}) {
    const NetlistNames bare = NetlistNamesFor(top, none);
    const std::string module = bare.root_prefix.substr(0, bare.root_prefix.size() - 1);
    const std::vector<std::string> ports = {"a", "PADS<", bare.root_prefix, "P", "DS<",
                                            bare.port_prefix + "1", "PA", module.substr(0, 1)};
    const NetlistNames names = NetlistNamesFor(top, ports);
    const std::string letters = bare.root_prefix + bare.port_prefix + "PADS<_P0123 +-9";
    for (int i = 0; i < 30000; ++i) {
      std::string line(random() % 40, ' ');
      for (char& c : line) c = letters[random() % letters.size()];
      EXPECT_EQ(ReduceNetlistLine(line, names), ThreePasses(line, names)) << top << ": " << line;
    }
  }
}

TEST(ReduceNetlistLine, WithoutPrescanEveryAngleBracketGoes) {
  const std::vector<std::string> none;
  NetlistNames names = NetlistNamesFor("", none);
  EXPECT_EQ(names.root_prefix, "<");
  EXPECT_EQ(ReduceNetlistLine("A<B<C _P1", names), "ABC _P1");
}

// An App whose design "abc" has a netlist `name` holding `text`.
struct Netlist {
  TestApp t;
  Netlist(const std::string& name, const std::string& text) {
    t.UseDesign("abc");
    t.app.toolchain.top_module = "top";
    t.app.toolchain.top_ports = {"a", "b", "y"};
    WriteFileBytes(t.dir / name, text);
  }
};

TEST(ReduceModuleNames, DropsNoConnectionMacrosWithOneContinuation) {
  Netlist n("abc.TPR", Crlf({"L0 TOP_P1", "L1 *NC* x", "L2", "+L3", "+L4", "L5 TOP<U1"}));
  EXPECT_EQ(ReduceModuleNames(n.t.app.context(), ToolDesignOf(n.t.app), n.t.app.toolchain, ArmedNetlistExt(n.t.ui.main)), Outcome::kCompleted);
  // L3 goes as the one continuation; L4 is a new line although it begins
  // with "+".
  EXPECT_EQ(ReadFileBytes(n.t.dir / "abc.TPR"), Crlf({"L0 a", "+L4", "L5 U1"}));
  EXPECT_TRUE(n.t.ui.Showed("Done.", "TPR Post Process"));
  EXPECT_FALSE(std::filesystem::exists(n.t.dir / "~~kvtmp.TPR"));

  Netlist m("abc.TPR", Crlf({"L1 *NC* ", "L2", "L3", "L4", "X *NC* ", "Y", "L6"}));
  ReduceModuleNames(m.t.app.context(), ToolDesignOf(m.t.app), m.t.app.toolchain, ArmedNetlistExt(m.t.ui.main));
  EXPECT_EQ(ReadFileBytes(m.t.dir / "abc.TPR"), Crlf({"L3", "L4", "L6"}));

  // "*NC*" without the blanks is an ordinary name; end of file while
  // skipping ends the pass.
  Netlist e("abc.TPR", Crlf({"A*NC* B", "X *NC* "}));
  ReduceModuleNames(e.t.app.context(), ToolDesignOf(e.t.app), e.t.app.toolchain, ArmedNetlistExt(e.t.ui.main));
  EXPECT_EQ(ReadFileBytes(e.t.dir / "abc.TPR"), Crlf({"A*NC* B"}));
}

TEST(ReduceModuleNames, NetFileWhenMacToNetIsSelected) {
  Netlist n("abc.net", "W TOP_P2 TOP<U1\n");
  WriteFileBytes(n.t.dir / "abc.TPR", "TOP_P2\r\n");
  n.t.ui.main.CheckRadio(id::kRadioFirst, id::kRadioLast, id::kMacToNet);
  ReduceModuleNames(n.t.app.context(), ToolDesignOf(n.t.app), n.t.app.toolchain, ArmedNetlistExt(n.t.ui.main));
  // Found whatever the letter case of the extension; the TPR file is left.
  EXPECT_EQ(ReadFileBytes(n.t.dir / "abc.net"), "W b U1\r\n");
  EXPECT_EQ(ReadFileBytes(n.t.dir / "abc.TPR"), "TOP_P2\r\n");
  EXPECT_EQ(n.t.ui.boxes[0].caption, "TOP<");
}

TEST(ReduceModuleNames, NoOrMissingFileChangesNothing) {
  Netlist n("abc.TPR", "TOP_P1\r\n");
  n.t.ui.answers = {"no"};
  EXPECT_EQ(ReduceModuleNames(n.t.app.context(), ToolDesignOf(n.t.app), n.t.app.toolchain, ArmedNetlistExt(n.t.ui.main)), Outcome::kStopped);
  EXPECT_EQ(ReadFileBytes(n.t.dir / "abc.TPR"), "TOP_P1\r\n");
  EXPECT_EQ(n.t.ui.boxes.size(), 1u);

  Netlist m("other.TPR", "");
  EXPECT_EQ(ReduceModuleNames(m.t.app.context(), ToolDesignOf(m.t.app), m.t.app.toolchain, ArmedNetlistExt(m.t.ui.main)), Outcome::kFailed);
  EXPECT_TRUE(m.t.ui.Showed("Unable to open above file.", m.t.dir / "abc.TPR"));
}

TEST(ReduceModuleNames, LinesAcrossReadBuffersWithEveryLineEnd) {
  // Enough lines for several refills of the read buffer; every fifth holds
  // a tab, a star or both, so lines read whole and lines rewritten in the
  // read buffer take turns. The last line has no end.
  const char* const ends[] = {"\r\n", "\n", "\r", "\n\r"};
  const char* const marks[][2] = {{"\t*", " *"}, {"\t", " "}, {"*", "*"}};
  std::string text;
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    const std::string pad(static_cast<std::size_t>(i % 37), 'x');
    const char* const* mark = marks[i / 5 % 3];
    text += "TOP_P2 TOP<" + pad + (i % 5 == 0 ? mark[0] : "") + ends[i % 4];
    expected += "b " + pad + (i % 5 == 0 ? mark[1] : "") + "\r\n";
  }
  Netlist n("abc.TPR", text + "TOP<E\tND");
  ReduceModuleNames(n.t.app.context(), ToolDesignOf(n.t.app), n.t.app.toolchain, ArmedNetlistExt(n.t.ui.main));
  EXPECT_EQ(ReadFileBytes(n.t.dir / "abc.TPR"), expected + "E ND\r\n");
}

TEST(ReduceModuleNames, LongLinesAndGrowthPassIntact) {
  // A line far beyond any fixed buffer, growing by many replacements.
  std::string line = "NET";
  std::string expected = "NET";
  for (int i = 0; i < 6000; ++i) {
    line += " TOP<U" + std::to_string(i) + " TOP_P3";
    expected += " U" + std::to_string(i) + " y";
  }
  Netlist n("abc.TPR", Crlf({line, "END"}));
  n.t.app.toolchain.top_ports = {"a", "b", "y"};
  ReduceModuleNames(n.t.app.context(), ToolDesignOf(n.t.app), n.t.app.toolchain, ArmedNetlistExt(n.t.ui.main));
  EXPECT_EQ(ReadFileBytes(n.t.dir / "abc.TPR"), Crlf({expected, "END"}));

  std::string long_name(20000, 'p');
  Netlist m("abc.TPR", Crlf({"TOP_P1 TOP_P1 TOP_P1"}));
  m.t.app.toolchain.top_ports = {long_name};
  ReduceModuleNames(m.t.app.context(), ToolDesignOf(m.t.app), m.t.app.toolchain, ArmedNetlistExt(m.t.ui.main));
  EXPECT_EQ(ReadFileBytes(m.t.dir / "abc.TPR"),
            Crlf({long_name + " " + long_name + " " + long_name}));
}

}  // namespace
}  // namespace kalvor
