// The top-module prescan and the block route macros.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/scripted_platform.h"
#include "text/file.h"
#include "rewrite_support.h"
#include "toolchain/block_routes.h"
#include "toolchain/prescan.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::Crlf;
using testing::TestApp;
using testing::WriteFileBytes;
using V = std::vector<std::string>;

// Design "abc" whose wire list names `top` and whose macro file is `mac`.
struct Design {
  TestApp t;
  Design(const std::string& top, const V& mac) {
    t.UseDesign("abc");
    WriteFileBytes(t.dir / "abc.wir",
                   Crlf({"$ Written by Kalvor EDIF to .MAC converter.", "", "WIRE LIST",
                         "<<< COMPONENT LIST >>>", top + " " + top + " " + top}));
    WriteFileBytes(t.dir / "abc.mac", Crlf(mac));
  }
  std::string Mac() { return ReadFileBytes(t.dir / "abc.mac"); }
};

TEST(BlockRoutes, WorkedExample) {
  Design d("top", {".macro BLK A Vdd Gnd B", "+ C", "$blocklevel 2", "<U1 INV A B", ".eom",
                   ".macro TOP a b", "<X1 BLK a b c", ".eom"});
  d.t.ui.answers = {"yes"};
  PrescanTopModule(d.t.app.context(), ToolDesignOf(d.t.app), d.t.app.toolchain);
  EXPECT_EQ(d.t.ui.boxes[0].caption, "LEVEL = 2 Blocks Detected:");
  EXPECT_EQ(d.Mac(), Crlf({".macro BLK A Vdd Gnd B", "+ C", "\"C BLK A B", "+ C;\"",
                           "\"U\" @ \" \" A B", "+ C \";\"", ".eom BLK", ".macro TOP a b",
                           "<X1 BLK a b c", ".eom"}));
  EXPECT_TRUE(d.t.ui.Showed(" BLK TOP ", "Done.  Block macros and above were:"));
  EXPECT_EQ(d.t.app.toolchain.top_module, "top");
  EXPECT_EQ(d.t.app.toolchain.top_ports, (V{"a", "b"}));
  EXPECT_FALSE(std::filesystem::exists(d.t.dir / "~tmp"));
}

TEST(BlockRoutes, OnlyTheHighestLevelBecomesRouteMacros) {
  Design d("top", {".macro L1A x", "$blocklevel 1", "<u1 INV x", ".eom",
                   "",
                   ".macro B2 p q", "$blocklevel 2", "<u1 L1A p", ".eom",
                   ".macro L1B x", "$blocklevel 1", "<u1 B2 x y", ".eom",
                   ".macro TOP a", "<u1 L1B a", ".eom"});
  PrescanTopModule(d.t.app.context(), ToolDesignOf(d.t.app), d.t.app.toolchain);
  EXPECT_EQ(d.t.ui.boxes[0].caption, "LEVEL = 2 Blocks Detected:");
  EXPECT_EQ(d.Mac(), Crlf({"$removed L1A", "", ".macro B2 p q", "\"C B2 p q;\"",
                           "\"U\" @ \" \" p q \";\"", ".eom B2", ".macro L1B x",
                           "$blocklevel 1", "<u1 B2 x y", ".eom", ".macro TOP a",
                           "<u1 L1B a", ".eom"}));
}

TEST(BlockRoutes, RemovedAndKeptMacrosFollowDefinitionOrder) {
  // USER is defined before the block it instantiates: the block is not yet
  // known when its instance is read, so USER goes.
  Design d("top", {"<\\lib\\scmostpr.mac>", ".macro LEAF a", "<m1 NMOS a", ".eom",
                   ".macro USER a", "<b1 BLK a", ".eom",
                   ".macro BLK a", "$blocklevel 02", "$blocklevel 1", "<x LEAF a", ".eom",
                   ".MACRO TOP a", "<t1 BLK a", ".EOM trailing text"});
  PrescanTopModule(d.t.app.context(), ToolDesignOf(d.t.app), d.t.app.toolchain);
  // "$blocklevel 02" is level 2 for the prescan but not the rewrite's
  // target "$blocklevel 2": nothing becomes a route macro and nothing keeps.
  EXPECT_EQ(d.t.ui.boxes[0].caption, "LEVEL = 2 Blocks Detected:");
  EXPECT_EQ(d.Mac(), Crlf({"<\\lib\\scmostpr.mac>", "$removed LEAF", "$removed USER",
                           "$removed BLK", "$removed TOP"}));

  Design e("top", {".macro LEAF a", "<m1 NMOS a", ".eom", ".macro USER a", "<b1 BLK a",
                   ".eom", ".macro BLK a", "$blocklevel 1", "<x LEAF a", ".eom",
                   ".MACRO TOP a", "<t1 BLK a", ".EOM trailing text"});
  PrescanTopModule(e.t.app.context(), ToolDesignOf(e.t.app), e.t.app.toolchain);
  EXPECT_EQ(e.Mac(), Crlf({"$removed LEAF", "$removed USER", ".macro BLK a",
                           "\"C BLK a;\"", "\"U\" @ \" \" a \";\"", ".eom BLK",
                           ".MACRO TOP a", "<t1 BLK a", ".EOM trailing text"}));
}

TEST(BlockRoutes, MacroWithoutPortsThatUsesABlockIsKeptWithItsUsers) {
  // CORE has only power ports; it instantiates the block, so it stays, and
  // so does TOP, which instantiates CORE.
  Design d("top", {".macro BLK a", "$blocklevel 1", "<x INV a", ".eom",
                   ".macro CORE Vdd Gnd", "<c1 BLK n", ".eom",
                   ".macro TOP a", "<t1 CORE", ".eom"});
  d.t.ui.answers = {"yes"};
  PrescanTopModule(d.t.app.context(), ToolDesignOf(d.t.app), d.t.app.toolchain);
  EXPECT_EQ(d.Mac(), Crlf({".macro BLK a", "\"C BLK a;\"", "\"U\" @ \" \" a \";\"",
                           ".eom BLK", ".macro CORE Vdd Gnd", "<c1 BLK n", ".eom",
                           ".macro TOP a", "<t1 CORE", ".eom"}));
  EXPECT_TRUE(d.t.ui.Showed(" BLK CORE TOP ", "Done.  Block macros and above were:"));
}

TEST(BlockRoutes, OnlyExactPowerPortFormsAreDropped) {
  Design d("top", {".macro BLK A vdd VDd GND B Gnd", "+ VDD C", "$blocklevel 1", ".eom",
                   ".macro TOP a", "<t1 BLK a", ".eom"});
  PrescanTopModule(d.t.app.context(), ToolDesignOf(d.t.app), d.t.app.toolchain);
  // "Gnd" right before the continuation is joined as "Gnd+" and stays.
  EXPECT_EQ(d.Mac(), Crlf({".macro BLK A vdd VDd GND B Gnd", "+ VDD C",
                           "\"C BLK A vdd VDd B Gnd", "+ C;\"",
                           "\"U\" @ \" \" A vdd VDd B Gnd", "+ C \";\"", ".eom BLK",
                           ".macro TOP a", "<t1 BLK a", ".eom"}));
}

TEST(BlockRoutes, NamesEndAtAContinuationAndWrappedInstancesCount) {
  // A header continued right after the name, and an instance line wrapped
  // right after the macro name.
  Design d("top", {".macro BLK", "+ A B", "$blocklevel 1", ".eom",
                   ".macro MID", "<m1 BLK", "+ x y", ".eom",
                   ".macro TOP a", "<t1 MID", ".eom"});
  PrescanTopModule(d.t.app.context(), ToolDesignOf(d.t.app), d.t.app.toolchain);
  EXPECT_EQ(d.Mac(), Crlf({".macro BLK", "+ A B", "\"C BLK", "+ A B;\"",
                           "\"U\" @ \" \" A B \";\"", ".eom BLK", ".macro MID",
                           "<m1 BLK", "+ x y", ".eom", ".macro TOP a", "<t1 MID",
                           ".eom"}));
  EXPECT_TRUE(d.t.ui.Showed(" BLK MID TOP ", "Done.  Block macros and above were:"));
}

TEST(BlockRoutes, BlockWithoutPortsStopsAndLeavesTheFile) {
  const V mac = {".macro BLK Vdd Gnd", "$blocklevel 1", ".eom", ".macro TOP a",
                 "<t1 BLK", ".eom"};
  Design d("top", mac);
  PrescanTopModule(d.t.app.context(), ToolDesignOf(d.t.app), d.t.app.toolchain);
  EXPECT_EQ(d.Mac(), Crlf(mac));
  EXPECT_EQ(d.t.ui.Last().caption, d.t.dir / "abc.mac");
  EXPECT_NE(d.t.ui.Last().text.find("BLK has no ports"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(d.t.dir / "~tmp"));
}

TEST(BlockRoutes, LongLinesPassThroughIntact) {
  std::string instance = "<u1 LEAF";
  for (int i = 0; i < 3000; ++i) instance += " n" + std::to_string(i);
  Design d("top", {".macro BLK a", "$blocklevel 1", ".eom", ".macro TOP a",
                   "<t1 BLK a", instance, ".eom"});
  PrescanTopModule(d.t.app.context(), ToolDesignOf(d.t.app), d.t.app.toolchain);
  EXPECT_EQ(d.Mac(), Crlf({".macro BLK a", "\"C BLK a;\"", "\"U\" @ \" \" a \";\"",
                           ".eom BLK", ".macro TOP a", "<t1 BLK a", instance, ".eom"}));
}

TEST(PrescanTopModule, CollectsTheTopPortsWithoutAsking) {
  // Ports over several lines, supply ports in any letter case left out, and
  // a header longer than 250 characters keeps all its ports.
  std::string first = ".MACRO TOP a VDD";
  V expected = {"a"};
  for (int i = 0; i < 60; ++i) {
    first += " port" + std::to_string(i);
    expected.push_back("port" + std::to_string(i));
  }
  expected.insert(expected.end(), {"b", "y"});
  Design d("top", {".macro INV a y", ".eom", first, "+ b gNd", "+y", "$blocklevel 3", ".eom"});
  d.t.app.toolchain.top_ports = {"old"};
  PrescanTopModule(d.t.app.context(), ToolDesignOf(d.t.app), d.t.app.toolchain);
  EXPECT_EQ(d.t.app.toolchain.top_ports, expected);
  // The tag after the top module's header is not seen: no question.
  EXPECT_TRUE(d.t.ui.boxes.empty());
}

TEST(PrescanTopModule, FailuresKeepThePreviousPortTable) {
  Design d("top", {".macro TOP a", ".eom"});
  d.t.app.toolchain.top_ports = {"old"};
  std::filesystem::remove(d.t.dir / "abc.wir");
  PrescanTopModule(d.t.app.context(), ToolDesignOf(d.t.app), d.t.app.toolchain);
  EXPECT_EQ(d.t.app.toolchain.top_ports, V{"old"});
  EXPECT_TRUE(d.t.ui.boxes.empty());

  // A module line without a blank.
  WriteFileBytes(d.t.dir / "abc.wir", Crlf({"<<< COMPONENT LIST >>>", "", "top"}));
  PrescanTopModule(d.t.app.context(), ToolDesignOf(d.t.app), d.t.app.toolchain);
  EXPECT_TRUE(d.t.ui.Showed("No module name found in above file.", d.t.dir / "abc.wir"));
  EXPECT_EQ(d.t.app.toolchain.top_ports, V{"old"});

  // Answering No leaves the macro file alone.
  const V tagged = {".macro B a", "$blocklevel 1", ".eom", ".macro TOP a", ".eom"};
  Design e("top", tagged);
  e.t.ui.answers = {"no"};
  PrescanTopModule(e.t.app.context(), ToolDesignOf(e.t.app), e.t.app.toolchain);
  EXPECT_EQ(e.Mac(), Crlf(tagged));
  EXPECT_EQ(e.t.app.toolchain.top_ports, V{"a"});
}

TEST(ScanMacroFile, FindsTagsAndTheHeaderAmongLinesOfEveryKind) {
  // Generated macro files: tags in their spellings among instance lines,
  // lines that hold a "." or begin with "$" without being either, lines
  // across the read window, every line end; then the top module's header
  // (its ports over a continuation line), after which tags do not count.
  TestApp t;
  testing::Repeatable next{3};
  for (int file = 0; file < 12; ++file) {
    std::string text;
    int highest = 0;
    auto line = [&](const std::string& l) { text += l + testing::kLineEnds[next(4)]; };
    for (int k = 0, lines = static_cast<int>(next(20000)); k < lines; ++k) {
      switch (next(9)) {
        case 0: {
          const int level = static_cast<int>(next(50));
          const char* const spellings[] = {"$blocklevel ", "$BlockLevel\t", "$BLOCKLEVEL  +"};
          line(spellings[next(3)] + std::to_string(level));
          highest = std::max(highest, level);
          break;
        }
        case 1: line(".macro CELL" + std::to_string(k) + " a b"); break;
        case 2: line("$blocklevels 99"); break;  // no tag: no blank after the word
        case 3: line("<u1 INV a n.5"); break;
        case 4: line(std::string(next(3) == 0 ? 90000 : 40, 'w') + " x.y"); break;
        default: line("<u" + std::to_string(k) + " NAND2 a b y");
      }
    }
    line(std::string(file % 2 ? ".MACRO\tTop" : ".macro top") + " a Vdd b");
    line("+ gnd y");
    line("$blocklevel 99");
    WriteFileBytes("scan.mac", text);
    File mac;
    ASSERT_TRUE(mac.Open("scan.mac", File::Mode::kRead));
    const MacroScan scan = ScanMacroFile(mac, "TOP");
    EXPECT_TRUE(scan.header_found) << file;
    EXPECT_EQ(scan.highest_level, highest) << file;
    EXPECT_EQ(scan.ports, (V{"a", "b", "y"})) << file;
  }
}

}  // namespace
}  // namespace kalvor
