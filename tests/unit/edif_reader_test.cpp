// The EDIF reader as the import sees it: names, buses, members, supply
// names, nets tied to ports, line joining, limits and damaged input.
#include <gtest/gtest.h>

#include <filesystem>

#include <string>
#include <vector>

#include "edif_test_support.h"
#include "netlist/name_index.h"
#include "commands/main_window.h"
#include "platform/resource.h"
#include "text/strings.h"

#include <algorithm>
#include <cstdio>

namespace kalvor {
namespace {

using testing::EdifWith;
using testing::ImportEdifText;
using testing::Inst;
using testing::LibCell;
using testing::MacLines;
using testing::NetOf;
using testing::ReadFileBytes;
using testing::WriteFileBytes;
using testing::TestApp;
using V = std::vector<std::string>;

// The lines of design.mac that begin with `prefix`.
V LinesStarting(const std::string& prefix) {
  V out;
  for (const std::string& l : MacLines("design.mac")) {
    if (StartsWith(l, prefix)) out.push_back(l);
  }
  return out;
}

// A cell's names are told apart by their hashes alone: names that differ
// only where two eight-byte words of the hash end (bus bits of a large
// design) stay apart, and letter case alone makes no new name.
TEST(EdifReader, UsedNamesTellBusBitsApart) {
  UsedNames names;
  char name[64];
  for (int bus = 0; bus < 40; ++bus) {
    for (int bit = 0; bit < 64; ++bit) {
      std::snprintf(name, sizeof name, "ahbso_%d__hconfig__%d_%d", bus % 20, bus / 20, bit);
      ASSERT_TRUE(names.Claim(name)) << name;
      std::snprintf(name, sizeof name, "AHBSO_%d__HConfig__%d_%d", bus % 20, bus / 20, bit);
      ASSERT_FALSE(names.Claim(name)) << name;
    }
  }
  std::string taken = "ahbso_12__hconfig__0_10";
  names.MakeUnique(taken);
  EXPECT_EQ(taken, "ahbso_12__hconfig__0_10_2");
}

TEST(EdifReader, PortNamesRenamesAndBuses) {
  TestApp t;
  std::string top_ports =
      "    (port (array (rename d \"D[3:0]\") 4) (direction INPUT))\n"
      "    (port (array (rename e \"E[0:2]\") 3) (direction INPUT))\n"
      "    (port (array q 2) (direction OUTPUT))\n"
      "    (port (rename A_1 \"A(1)\") (direction INPUT))\n"
      "    (port GND) (port gND) (port Vdd)\n";
  ASSERT_EQ(ImportEdifText(t, EdifWith("", top_ports, "")), Outcome::kCompleted);
  // Buses give one port per bit, lowest index first, in either direction;
  // a renamed port keeps its identifier; only the six supply forms go.
  EXPECT_EQ(LinesStarting(".macro"), V{".macro TOP D0 D1 D2 D3 E0 E1 E2 q0 q1 A_1 gND"});
}

TEST(EdifReader, MembersNameTheBitTheyReach) {
  // Member 0 is the leftmost element as declared: bit 3 of D[3:0], bit 0
  // of E[0:3], bit 1 of (array q 2).
  TestApp t;
  std::string lib = LibCell("R", {"(array (rename d \"D[3:0]\") 4)", "(array (rename e \"E[0:3]\") 4)",
                                  "(array q 2)"});
  std::string top_ports = "    (port (array (rename bus \"BUS[7:4]\") 4) (direction INPUT))\n";
  std::string contents = Inst("U1", "R") +
                         "    (net n1 (joined (portRef (member d 0) (instanceRef U1))))\n"
                         "    (net n2 (joined (portRef (member e 0) (instanceRef U1))))\n"
                         "    (net n3 (joined (portRef (member q 0) (instanceRef U1))))\n"
                         "    (net x (joined (portRef (member bus 0)) (portRef (member d 1) (instanceRef U1))))\n";
  ASSERT_EQ(ImportEdifText(t, EdifWith(lib, top_ports, contents)), Outcome::kCompleted);
  EXPECT_EQ(LinesStarting("<U1"), V{"<U1 R NCX1 NCX2 BUS7 n1 n2 NCX3 NCX4 NCX5 NCX6 n3"});
}

// A portRef joins the same pin however it is spelt: in one line or over
// several, in either letter case, with blanks or none between its lists,
// a member or a scalar, with more lists in it.
TEST(EdifReader, PortRefsInAnySpellingJoinThePin) {
  const std::string lib = LibCell("R", {"A", "(array B 2)"});
  const std::string top_ports = "    (port X (direction INPUT))\n";
  const std::string pin_a = "<U1 R X NCX1 NCX2";
  const std::string bit_1 = "<U1 R NCX1 NCX2 X";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"(portRef A (instanceRef U1))", pin_a},
      {"(PORTREF A (INSTANCEREF U1))", pin_a},
      {"(portRef  A   (instanceRef   U1 ) )", pin_a},
      {"(portRef A(instanceRef U1))", pin_a},
      {"(portRef A\n   (instanceRef U1))", pin_a},
      {"(portRef A (instanceRef\n U1))", pin_a},
      {"(portRef A (instanceRef U1) (viewRef v))", pin_a},
      {"(portRef A (instanceRef (name U1)))", pin_a},
      {"(portRef (rename A \"a\") (instanceRef U1))", pin_a},
      {"(portRef (member B 0) (instanceRef U1))", bit_1},
      {"(portref (MEMBER B 0)(instanceref U1))", bit_1},
      {"(portRef (member B\n 0) (instanceRef U1))", bit_1},
      {"(portRef (member B 0) (instanceRef U1)) (portRef (member B 1) (instanceRef U1))",
       "<U1 R NCX1 X X"},
  };
  for (const auto& [ref, line] : cases) {
    TestApp t;
    const std::string contents = Inst("U1", "R") + "    (net n (joined (portRef X) " + ref + "))\n";
    ASSERT_EQ(ImportEdifText(t, EdifWith(lib, top_ports, contents)), Outcome::kCompleted) << ref;
    EXPECT_EQ(LinesStarting("<U1"), V{line}) << ref;
  }
  // The net's head and the properties around it, passed over whole or in
  // pieces: parentheses in strings, lists in a property, a property over
  // two lines.
  const std::string instance =
      "    (instance U1 (viewRef v (cellRef R (libraryRef LIB))) (property P (string \"a (b\"))\n"
      "     (property Q (integer 1) (owner \")\")) (property S\n (string \"x\")))\n"
      "    (property W (string \")(\"))\n";
  for (const std::string net : {"(net n (joined\n", "(net n (JOINED ", "(net n\n (joined ",
                                "(net n (joined(portRef X)", "(net n (property T (string \"(\")) (joined "}) {
    TestApp t;
    const std::string contents = instance + "    " + net + " (portRef X) (portRef A (instanceRef U1))))\n";
    ASSERT_EQ(ImportEdifText(t, EdifWith(lib, top_ports, contents)), Outcome::kCompleted) << net;
    EXPECT_EQ(LinesStarting("<U1"), V{pin_a}) << net;
  }
  // The net's own name, where no port names it.
  for (const std::string net : {"(net nn (joined", "(net (rename nn \"x(1)\") (joined",
                                "(net (RENAME nn \"x\")\n (joined", "(net (rename (name nn) \"x\") (joined"}) {
    TestApp t;
    const std::string contents = instance + "    " + net + " (portRef A (instanceRef U1))))\n";
    ASSERT_EQ(ImportEdifText(t, EdifWith(lib, top_ports, contents)), Outcome::kCompleted) << net;
    EXPECT_EQ(LinesStarting("<U1"), V{"<U1 R nn NCX1 NCX2"}) << net;
  }
  // The instance likewise.
  for (const std::string inst :
       {"(instance U1 (viewRef v (cellRef R (libraryRef LIB))))", "(INSTANCE U1 (VIEWREF v (CELLREF R)))",
        "(instance (rename U1 \"u(1)\") (viewRef v (cellRef R (libraryRef LIB))))",
        "(instance U1\n (viewRef v (cellRef R (libraryRef LIB))))",
        "(instance U1 (viewRef v(cellRef R(libraryRef LIB))))",
        "(instance U1 (property P (integer 1)) (viewRef v (cellRef R)))",
        "(instance U1 (viewRef v (cellRef R (libraryRef LIB))) (property P (integer 1)))"}) {
    TestApp t;
    const std::string contents =
        "    " + inst + "\n    (net n (joined (portRef X) (portRef A (instanceRef U1))))\n";
    ASSERT_EQ(ImportEdifText(t, EdifWith(lib, top_ports, contents)), Outcome::kCompleted) << inst;
    EXPECT_EQ(LinesStarting("<U1"), V{pin_a}) << inst;
  }
}

TEST(EdifReader, SupplyNameVccAskedOncePerProgramRun) {
  TestApp t;
  std::string edif = EdifWith(LibCell("B", {"VCC", "A"}), "    (port VCC)\n (port X)\n",
                              Inst("U1", "B") + NetOf("VCC", {"VCC", "U1 VCC"}) + NetOf("X", {"X", "U1 A"}));
  ASSERT_EQ(ImportEdifText(t, edif, "", {"yes"}), Outcome::kCompleted);
  EXPECT_EQ(LinesStarting(".macro"), (V{".macro B A", ".macro TOP X"}));
  EXPECT_EQ(LinesStarting("<U1"), V{"<U1 B X"});
  int asked = 0;
  for (const auto& b : t.ui.boxes) asked += b.caption == "EDIF Import";
  EXPECT_EQ(asked, 1);

  // Same program run: no question, the answer holds.
  t.ui.boxes.clear();
  std::remove("design.mac");
  ASSERT_EQ(ImportEdifText(t, edif, "", {"yes"}), Outcome::kCompleted);
  for (const auto& b : t.ui.boxes) EXPECT_NE(b.caption, "EDIF Import");

  TestApp no;
  ASSERT_EQ(ImportEdifText(no, edif, "", {"no"}), Outcome::kCompleted);
  EXPECT_EQ(LinesStarting(".macro"), (V{".macro B VCC A", ".macro TOP VCC X"}));
  EXPECT_EQ(LinesStarting("<U1"), V{"<U1 B VCC X"});
}

TEST(EdifReader, NetsTiedToOwnPorts) {
  TestApp t;
  std::string contents = Inst("U1", "B") + NetOf("N1", {"U1 A", "A", "B"}) + NetOf("OUT", {"OUT", "U1 Y"});
  ASSERT_EQ(ImportEdifText(t, EdifWith(LibCell("B", {"A", "Y"}), "(port A) (port B) (port OUT)", contents)),
            Outcome::kCompleted);
  // N1 takes the name of the first port; the second is reported.
  EXPECT_EQ(LinesStarting("<U1"), V{"<U1 B A OUT"});
  EXPECT_TRUE(t.ui.Showed(
      "The following ports of cell TOP appear to be wired together:\n\n   A\n   B\n\nMore than "
      "one port per "
      "signal is not allowed.\nTry  Add I/O's option on your synthesizer.",
      "Warning:"));
  int warnings = 0;
  for (const auto& b : t.ui.boxes) warnings += b.caption == "Warning:";
  EXPECT_EQ(warnings, 1);
}

// Where boxes wait, the first few warnings of a kind are boxes; the rest
// are counted in one box and listed in the test directory.
TEST(EdifReader, RepeatedWarningsBeyondTheFirstFewAreListedInAFile) {
  TestApp t;
  t.ui.ok_boxes_wait = true;
  std::string interface;
  std::string contents = Inst("U1", "B");
  // Enough warnings for the list to be written in more than one piece.
  for (int i = 0; i < 400; ++i) {
    std::string a = "A" + std::to_string(i);
    std::string b = "B" + std::to_string(i);
    interface += "(port " + a + ") (port " + b + ") ";
    contents += NetOf("N" + std::to_string(i), {a, b});
  }
  WriteFileBytes("design.edf", EdifWith(LibCell("B", {"A"}), interface, contents));
  t.UseDesign("design");
  t.app.state.program_field = "internal";
  t.app.main().SetText(id::kOptions, "edif import");
  t.ui.answers.push_back("no");
  t.ui.dialog_scripts.push_back([](TableView& v) {
    for (int id = 101; id <= 104; ++id) v.SetText(id, "");
    return 1;
  });
  ASSERT_EQ(OnMainCommand(t.app, id::kRun), Outcome::kCompleted);
  int shown = 0;
  for (const auto& b : t.ui.boxes) shown += b.caption == "Warning:";
  EXPECT_EQ(shown, 3 + 1);
  EXPECT_EQ(t.ui.Last().text, "397 more warnings like these were not shown.\n\nAll 400 warnings are "
                              "listed in:\n" + (t.dir / "design.warnings.txt"));
  std::string list = ReadFileBytes("design.warnings.txt");
  EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 400);
  EXPECT_EQ(std::count(list.begin(), list.end(), '\r'), 400);
  EXPECT_EQ(list.substr(list.size() - 2), "\r\n");
  for (const char* ports : {"A0 B0", "A4 B4", "A399 B399"}) {
    EXPECT_NE(list.find("[Warning:] The following ports of cell TOP appear to be wired together: " +
                        std::string(ports) + " More than one port per signal is not allowed."),
              std::string::npos)
        << ports;
  }

  // The command line shows every one and lists none.
  TestApp cli;
  std::remove("design.warnings.txt");
  ASSERT_EQ(ImportEdifText(cli, EdifWith(LibCell("B", {"A"}), interface, contents)),
            Outcome::kCompleted);
  shown = 0;
  for (const auto& b : cli.ui.boxes) shown += b.caption == "Warning:";
  EXPECT_EQ(shown, 400);
}

// Cancel stops the import as a failure, without its summary, and nothing
// is written: clicked while the file is read, and clicked after the last
// redraw of the reading (taken when the bar is drawn full, before the
// files are replaced).
TEST(EdifReader, CancelStopsTheImport) {
  const std::string edif = EdifWith(LibCell("B", {"A"}), "(port X)",
                                    Inst("U1", "B") + NetOf("X", {"X", "U1 A"}));
  int draws = 0;
  {
    TestApp t;
    ASSERT_EQ(ImportEdifText(t, edif), Outcome::kCompleted);
    draws = t.ui.draws;  // the last of them draws the bar full
  }
  for (int cancel_from : {1, draws}) {
    TestApp t;
    t.ui.cancel_after_draws = cancel_from;
    EXPECT_EQ(ImportEdifText(t, edif), Outcome::kFailed) << cancel_from;
    for (const auto& b : t.ui.boxes) EXPECT_NE(b.caption, "EDIF Conversion Done.");
    EXPECT_EQ(t.ui.progress_log.back(), "close");
    EXPECT_FALSE(std::filesystem::exists(t.dir / "design.mac")) << cancel_from;
    EXPECT_TRUE(testing::ScratchFilesIn(t.dir.path()).empty());
  }
}

TEST(EdifReader, KeywordsIgnoreLetterCaseAndDuplicatesWarn) {
  TestApp t;
  std::string edif =
      "(EDIF x (LIBRARY L (CELL AND2 (VIEW v (INTERFACE (PORT A) (PORT Y))))\n"
      "  (Cell and2 (view v (interface (port Q))))\n"
      "  (cell TOP (view v (interface (port I)) (CONTENTS (INSTANCE U1 (VIEWREF v (CELLREF AND2)))\n"
      "   (NET I (JOINED (PORTREF I) (PORTREF A (INSTANCEREF U1))))))))\n"
      " (DESIGN TOP (CELLREF TOP)))\n";
  ASSERT_EQ(ImportEdifText(t, edif), Outcome::kCompleted);
  EXPECT_EQ(LinesStarting(".macro"), (V{".macro AND2 A Y", ".macro and2 Q", ".macro TOP I"}));
  // The first AND2 wins the lookup; that the second's ports differ is told.
  EXPECT_EQ(LinesStarting("<U1"), V{"<U1 AND2 I NCX1"});
  EXPECT_TRUE(t.ui.Showed("Warning, duplicate cell name!", "and2"));
  EXPECT_TRUE(t.ui.Showed("Cell and2 is defined twice with different ports (A Y / Q). Every instance of "
                          "and2 is written with the ports of the first definition: an instance meant for "
                          "the second loses the pins only the second has.",
                          "Warning:"));
  EXPECT_EQ(MacLines("design.wir").back(), "TOP TOP TOP");
}

TEST(EdifReader, LineJoining) {
  TestApp t;
  // A quoted string closed on the next line is one token; a word at the
  // very end of a line runs on into an unindented next line.
  std::string edif =
      "(edif x (library L (cell (rename ABC \"a\n b\") (view v (interface (port P\nQ) (port R\n"
      "  ))))) (design ABC (cellRef ABC)))\n";
  ASSERT_EQ(ImportEdifText(t, edif), Outcome::kCompleted);
  EXPECT_EQ(LinesStarting(".macro"), V{".macro ABC PQ R"});
}

TEST(EdifReader, QuotedStringOverThreeLinesStops) {
  TestApp t;
  std::string edif =
      "(edif x (library L (cell A (view v (interface (port P))))\n"
      "(cell (rename B \"one\ntwo\nthree\") (view v (interface (port Q))))) (design A (cellRef A)))\n";
  EXPECT_EQ(ImportEdifText(t, edif), Outcome::kFailed);
  const std::string where = "\n\n" + (t.dir / "design.edf") + ", line 3.";
  EXPECT_TRUE(t.ui.Showed("\"one two" + where, "quoted string spans too many lines") ||
              t.ui.Showed("\"onetwo" + where, "quoted string spans too many lines"))
      << t.ui.Last().text;
  for (const auto& b : t.ui.boxes) EXPECT_NE(b.caption, "EDIF Conversion Done.");
}

TEST(EdifReader, WrappedLayoutReadsLikeTheOriginal) {
  // One stream cut at 80 columns inside words and elsewhere at a blank that
  // became the line end.
  std::string contents;
  for (int i = 0; i < 12; ++i) {
    std::string n = "instance_number_" + std::to_string(i) + "_of_the_long_cell";
    contents += Inst(n, "LONGCELLNAME") +
                NetOf("net_" + std::to_string(i), {"A", n + " INPUTPORTNUMBERONE", n + " OUTPUTPORT"});
  }
  std::string flat = EdifWith(LibCell("LONGCELLNAME", {"INPUTPORTNUMBERONE", "INPUTPORTNUMBERTWO", "OUTPUTPORT"}),
                              "(port A) (port B) (port C)", contents);
  std::string stream;
  for (char c : flat) {
    if (c == '\n') c = ' ';
    if (c == ' ' && !stream.empty() && stream.back() == ' ') continue;
    stream += c;
  }
  std::string wrapped;
  std::size_t at = 0;
  int cuts_in_words = 0;
  while (stream.size() - at > 80) {
    std::size_t blank = stream.rfind(' ', at + 79);
    if (blank != std::string::npos && blank > at + 68) {
      wrapped += stream.substr(at, blank - at) + "\r\n";
      at = blank + 1;
    } else {
      wrapped += stream.substr(at, 80) + "\r\n";
      at += 80;
      ++cuts_in_words;
    }
  }
  wrapped += stream.substr(at) + "\r\n";
  ASSERT_GE(cuts_in_words, 2);

  TestApp a;
  ASSERT_EQ(ImportEdifText(a, flat), Outcome::kCompleted);
  std::string expected = testing::ReadFileBytes("design.mac");
  TestApp b;
  ASSERT_EQ(ImportEdifText(b, wrapped), Outcome::kCompleted);
  EXPECT_EQ(testing::ReadFileBytes("design.mac"), expected);
  EXPECT_NE(expected.find("<instance_number_11_of_the_long_cell LONGCELLNAME A NCX"), std::string::npos);
}

TEST(EdifReader, TableLimitsStopTheConversion) {
  std::string contents = Inst("U1", "B") + Inst("U2", "B") + Inst("U3", "B") + NetOf("n1", {"U1 A"}) +
                         NetOf("n2", {"U2 A"}) + NetOf("n3", {"U3 A"});
  std::string mid = "  (cell MID (view v (interface (port P)) (contents" + Inst("M1", "B") +
                    NetOf("m1", {"M1 A"}) + NetOf("m2", {}) + NetOf("m3", {}) + NetOf("m4", {}) + ")))\n";
  std::string edif = EdifWith(LibCell("B", {"A"}) + mid, "(port X)", contents);
  // The message names the setting and the number the whole file needs (the
  // most any one cell holds), counted at the first stop; on "yes" the
  // setting is raised once and the conversion runs again.
  struct Case {
    const char* key;
    const char* text;
    const char* caption;
    const char* raised;
  };
  for (const Case& c : {Case{"edif_instances", "Too many instances in this cell: 3 needed, the setting edif_instances allows 1.", "TOP", "3"},
                        Case{"edif_nets", "Too many nodes in this cell: 4 needed, the setting edif_nets allows 1.", "MID", "4"},
                        Case{"edif_cells", "Too many cells: 3 needed, the setting edif_cells allows 1.", "", "3"}}) {
    TestApp t;
    t.profile.values[c.key] = "1";
    EXPECT_EQ(ImportEdifText(t, edif, "", {"no"}), Outcome::kFailed) << c.key;
    EXPECT_TRUE(t.ui.Showed(c.text, c.caption)) << c.key;
    EXPECT_EQ(t.ui.Last().caption, "EDIF Import") << c.key;
    EXPECT_EQ(t.ui.progress_log.back(), "close");
    EXPECT_EQ(t.profile.values[c.key], "1") << c.key;
    TestApp again;
    again.profile.values[c.key] = "1";
    // Raise, then the questions of the second run: replace the file, no base file, includes.
    EXPECT_EQ(ImportEdifText(again, edif, "", {"yes", "yes", "no"}), Outcome::kCompleted) << c.key;
    EXPECT_EQ(again.profile.values[c.key], c.raised) << c.key;
    EXPECT_EQ(again.ui.Last().caption, "EDIF Conversion Done.") << c.key;
  }
  TestApp t;
  t.profile.values["edif_instances"] = "3";
  t.profile.values["edif_nets"] = "4";
  EXPECT_EQ(ImportEdifText(t, edif), Outcome::kCompleted);
}

TEST(EdifReader, DamagedInputEndsWithAMessage) {
  const std::string good = EdifWith(LibCell("B", {"A"}), "(port X)", Inst("U1", "B") + NetOf("X", {"X", "U1 A"}));
  struct Case {
    std::string name;
    std::string text;
  };
  std::string garbage;
  for (int i = 0; i < 20000; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
  const std::vector<Case> cases = {
      {"cut", good.substr(0, good.size() / 2)},
      {"unbalanced", "(edif x (library L (cell A (view v (interface (port P)))"},
      {"extra closing", ")))" + good},
      {"garbage", garbage},
      {"empty", ""},
      {"bus too wide", EdifWith("", "(port (array (rename d \"D[3:0]\") 99999999))", "")},
  };
  for (const Case& c : cases) {
    TestApp t;
    Outcome o = ImportEdifText(t, c.text);
    // Either a stop with a message or an (empty) conversion: never silence.
    ASSERT_FALSE(t.ui.boxes.empty()) << c.name;
    if (o == Outcome::kCompleted) {
      EXPECT_EQ(t.ui.Last().caption, "EDIF Conversion Done.") << c.name;
    } else {
      EXPECT_NE(t.ui.Last().caption, "EDIF Conversion Done.") << c.name;
    }
  }
  // A file that ends right after a cell head: a failure, and no .mac.
  TestApp head;
  std::string first = "(edif x (library L (cell A (view v (interface (port P))))\n(cell";
  EXPECT_EQ(ImportEdifText(head, first), Outcome::kFailed);
  EXPECT_FALSE(std::filesystem::exists("design.mac"));
  TestApp wide;
  EXPECT_EQ(ImportEdifText(wide, cases.back().text), Outcome::kFailed);
  EXPECT_EQ(wide.ui.Last().text,
            "Bus range too large: D[3:0]\n\n" + (wide.dir / "design.edf") + ", line 7.");
  TestApp cut;
  EXPECT_EQ(ImportEdifText(cut, good.substr(0, good.size() / 2)), Outcome::kFailed);
  EXPECT_EQ(cut.ui.Last().caption, "Bad EDIF");
  EXPECT_NE(cut.ui.Last().text.find(cut.dir / "design.edf" + ", line "), std::string::npos);
}

TEST(EdifReader, NetArraysAndBusRippersConnectMemberByMember) {
  // A schematic's bus: a net array joins the cell's bus and a ripper's
  // side member by member; the ripper's interface joins its two sides, so
  // a wire on a member of the other side is that bit of the bus. A net
  // array on anything but whole arrays of its size is refused, by line.
  const std::string lib =
      "  (cell RIP (cellType RIPPER) (view v (viewType SCHEMATIC) (interface\n"
      "   (port (array a 2)) (port (array b 2)) (joined (portRef a) (portRef b)))))\n"
      "  (cell FT (cellType GENERIC) (view v (viewType SCHEMATIC) (interface\n"
      "   (port p) (port q) (port r) (joined (portRef p) (portRef q)) (joined (portRef r) (portRef q)))))\n" +
      LibCell("G", {"I"});
  const std::string ports = "    (port (array (rename x \"X[1:0]\") 2) (direction INPUT))\n";
  const std::string bus = "    (net (array (rename xb \"X[1:0]\") 2) (joined (portRef x) (portRef a (instanceRef R1))))\n";
  TestApp t;
  ASSERT_EQ(ImportEdifText(t, EdifWith(lib, ports,
                                       Inst("R1", "RIP") + Inst("G1", "G") + bus +
                                           "    (net w (joined (portRef (member b 0) (instanceRef R1))"
                                           " (portRef I (instanceRef G1))))\n" +
                                           Inst("F1", "FT") + NetOf("u", {"F1 p"}) + NetOf("v", {"F1 r"}))),
            Outcome::kCompleted);
  // Lists that share a port (p with q, r with q) join all three.
  EXPECT_EQ(LinesStarting("<"), (V{"<R1 RIP X0 X1 NCX1 X1", "<G1 G X1", "<F1 FT u NCX2 u"}));
  EXPECT_TRUE(LinesStarting("WARNING").empty());
  TestApp bad;
  EXPECT_EQ(ImportEdifText(bad, EdifWith(lib, "    (port y)\n",
                                         Inst("R1", "RIP") + "    (net (array n 2)\n"
                                                             "     (joined (portRef y) (portRef a (instanceRef R1))))\n")),
            Outcome::kFailed);
  EXPECT_EQ(bad.ui.Last().text,
            "Net array n (2 bits): the cell's own port y is no array; only whole arrays of the "
            "net's size are read here.\n\n" + (bad.dir / "design.edf") + ", line 16.");
}

// A size that is no count, a member outside its bus, names nested so deep
// that reading them would exhaust the stack, and what would lose or double a
// connection (a pin its cell lacks, two instances of one name, a list closed
// early, which lets what follows slip out of its cell) are refused.
TEST(EdifReader, BadSizesPinsListsAndDeepNamesAreRefused) {
  const std::string lib = LibCell("R", {"(array q 4)"});
  const std::string inv = LibCell("INV", {"A", "Y"});
  auto member = [&](const std::string& index) {
    return EdifWith(lib, "(port X)",
                    Inst("U1", "R") + "(net n (joined (portRef (member q " + index +
                        ") (instanceRef U1))))");
  };
  std::string deep;
  for (int i = 0; i < 50000; ++i) deep += "(member ";
  deep += "X";
  for (int i = 0; i < 50000; ++i) deep += " 0)";
  // Each message names the file and the line where reading stopped.
  const std::pair<std::string, std::string> cases[] = {
      {EdifWith("", "(port (array d -5))", ""),
       "Bus size is not a number of bits: (array d -5)\n\n%s, line 7."},
      {member("4000000000"), "(member q 4000000000) is outside the bus\n\n%s, line 11."},
      {member("4"), "(member q 4) is outside the bus\n\n%s, line 11."},
      {EdifWith("", "(port X)", "(net n (joined (portRef " + deep + ")))"),
       "Names are nested too deeply\n\n%s, line 9."},
      {EdifWith(inv, "(port a) (port y)", Inst("U1", "INV") + NetOf("a", {"a", "U1 A"}) + NetOf("y", {"U1 Q", "y"})),
       "Instance U1 of cell INV has no port Q, which the net that starts here joins.\n\n%s, line 12."},
      {EdifWith(inv, "(port a)", Inst("U1", "INV") + Inst("U1", "INV") + NetOf("a", {"a", "U1 A"})),
       "Cell TOP has two instances named U1.\n\n%s, line 11."},
      {EdifWith(inv, "(port a)) (port y)", Inst("U1", "INV") + NetOf("a", {"a", "U1 A"}) + NetOf("y", {"U1 Y", "y"})),
       "This \")\" closes more lists than the file opens: a list before it is closed too early, and the "
       "netlist cannot be read as it stands.\n\n%s, line 14."},
  };
  for (const auto& [text, message] : cases) {
    TestApp t;
    EXPECT_EQ(ImportEdifText(t, text), Outcome::kFailed) << message;
    EXPECT_EQ(t.ui.Last().text, Format(message.c_str(), (t.dir / "design.edf").c_str()));
    EXPECT_FALSE(std::filesystem::exists("design.mac")) << message;
  }
  TestApp good;
  EXPECT_EQ(ImportEdifText(good, member("3")), Outcome::kCompleted);
}

TEST(EdifReader, HugeNamesAndLinesAreReadWhole) {
  // A name of 100,000 characters cannot be wrapped: the writer says so
  // and stops; a netlist on one 10 MB line is read like any other.
  TestApp t;
  std::string long_name(100000, 'n');
  EXPECT_EQ(ImportEdifText(t, EdifWith(LibCell("B", {"A"}), "(port X)", Inst(long_name, "B"))), Outcome::kFailed);
  EXPECT_EQ(t.ui.Last().caption, "Symbol over 70 char. long");

  std::string contents;
  for (int i = 0; contents.size() < 10'000'000; ++i) {
    std::string n = std::to_string(i);
    contents += Inst("U" + n, "B") + NetOf("n" + n, {"U" + n + " A"});
  }
  std::string one_line = EdifWith(LibCell("B", {"A"}), "(port X)", contents);
  for (char& c : one_line) {
    if (c == '\n') c = ' ';
  }
  TestApp big;
  big.profile.values["edif_instances"] = "1000000";
  big.profile.values["edif_nets"] = "1000000";
  ASSERT_EQ(ImportEdifText(big, one_line), Outcome::kCompleted);
  V lines = MacLines("design.mac");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "<U12345 B n12345"), lines.end());
}

}  // namespace
}  // namespace kalvor
