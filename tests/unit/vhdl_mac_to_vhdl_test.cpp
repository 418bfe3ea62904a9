#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/resource.h"
#include "core/startup.h"
#include "vhdl/mac_to_vhdl.h"
#include "vhdl/fanout.h"
#include "support/scripted_platform.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::ScratchDir;
using testing::Crlf;
using testing::TestApp;
using testing::WriteFileBytes;

// Lines joined with CR LF, each one ended.
struct MacRun : TestApp {
  explicit MacRun(long nets = 100000, long knets = 10000) {
    app.fanout.nets = nets;
    app.fanout.knets = knets;
    AllocateFanoutTables(app.fanout);
    UseDesign("fa");
  }
  // Converts fa.mac with the option string stored as "mac2vhd" (none: the
  // default) and answers "no" to the closing question.
  Outcome Convert(const std::string& mac, const std::string& options = "") {
    WriteFileBytes("fa.mac", mac);
    if (!options.empty()) profile.values["mac2vhd"] = options;
    ui.answers.push_back("no");
    return testing::RunArmed(app, id::kMacToVhdl);
  }
  std::string Vhdl() { return ReadFileBytes("fa.vhd"); }
  // The nets of the fanout report, in its order, each followed by a blank.
  std::string Names() const {
    std::string report = ReadFileBytes(app.state.test_dir + kFanoutReportName);
    std::string names;
    for (std::size_t at = report.find('\t'), lines = 0; at != std::string::npos;
         at = report.find('\t', at + 1)) {
      const std::size_t end = report.find('\r', at);
      if (lines++ >= 2) names += report.substr(at + 1, end - at - 1) + " ";
    }
    return names;
  }
  std::vector<std::string> BoxesWithCaption(const std::string& caption) const {
    std::vector<std::string> texts;
    for (const auto& b : ui.boxes) {
      if (b.caption == caption) texts.push_back(b.text);
    }
    return texts;
  }
};

const char* const kFullAdder =
    "<cells.mac>\r\n.macro FA A B CI S CO\r\n<U1 XOR2 A B N1\r\n<U2 XOR2 N1 CI S\r\n.eom\r\n";

TEST(MacToVhdl, FullAdderExampleByteForByte) {
  MacRun run;
  EXPECT_EQ(run.Convert(kFullAdder), Outcome::kCompleted);
  EXPECT_EQ(run.Vhdl(), Crlf({"library IEEE;",
                              "-- <cells.mac>",
                              "",
                              "use IEEE.STD_LOGIC_1164.all;",
                              "",
                              "entity fa is port (",
                              "  a : inout std_logic;",
                              "  b : inout std_logic;",
                              "  ci : inout std_logic;",
                              "  s : inout std_logic;",
                              "  co : inout std_logic );",
                              "end fa;",
                              "architecture fa_1 of fa is",
                              "  signal vdd: std_logic;",
                              "  signal gnd: std_logic;",
                              "  signal n1 : std_logic;",
                              "begin",
                              "  vdd<='1';",
                              "  gnd<='0';",
                              "  Iu1 : xor2 port map (a,b,n1);",
                              "  Iu2 : xor2 port map (n1,ci,s);",
                              "end fa_1;"}));
  // A progress note per node connection, naming the component; no box.
  EXPECT_EQ(run.ui.notes, (std::vector<std::string>{"a  (xor2)", "b  (xor2)", "n1  (xor2)",
                                                    "n1  (xor2)", "ci  (xor2)", "s  (xor2)"}));
  EXPECT_TRUE(run.BoxesWithCaption("xor2").empty());
  EXPECT_EQ(run.ui.dialogs_run, std::vector<std::string>{"mac2vhd"});
  EXPECT_EQ(run.profile.values["mac2vhd"], "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=n;");
  ASSERT_FALSE(run.ui.progress_log.empty());
  EXPECT_EQ(run.ui.progress_log.front(),
            "open Converting .mac to .vhd: " + run.dir.path() + "/fa.mac");
}

TEST(MacToVhdl, StandardVhdlDeclaresWhatTheDefaultLeavesOut) {
  MacRun run;
  run.Convert("<cells.mac>\r\n.macro FA A B CI S CO\r\n<U1 XOR2 A B N1\r\n<U2 XOR2 N1 CI S\r\n"
              "<U3 GND gnd\r\n<U4 FILL\r\n.eom\r\n.macro TOP A\r\n<X FA A\r\n.eom\r\n",
              "m1=NC;m2=PORTPADA;m3=;=n;p1=lib.cells.all;p2=;std=y;");
  std::string vhdl = run.Vhdl();
  EXPECT_EQ(vhdl.rfind("library IEEE;\r\nuse IEEE.STD_LOGIC_1164.all;\r\npackage kalvor_types is", 0),
            0u);
  const char* expected =
      "\r\nlibrary IEEE;\r\nuse IEEE.STD_LOGIC_1164.all;\r\nuse work.kalvor_types.all;\r\n"
      "library lib;\r\nuse lib.cells.all;\r\n\r\nentity fa is port (\r\n";
  EXPECT_NE(vhdl.find(expected), std::string::npos);
  EXPECT_NE(vhdl.find("architecture fa_1 of fa is\r\n  signal vdd: std_logic;\r\n"
                      "  signal \\gnd\\: std_logic;\r\n  signal N1 : std_logic;\r\n"
                      "  component xor2 port (\r\n    p1 : linkage std_logic;\r\n"
                      "    p2 : linkage std_logic;\r\n    p3 : linkage std_logic);\r\n"
                      "  end component;\r\n"),
            std::string::npos);
  EXPECT_NE(vhdl.find("begin\r\n  vdd<='1';\r\n  \\gnd\\<='0';\r\n"
                      "  Iu1 : xor2 port map (A,B,N1);\r\n"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  Iu3 : gnd port map (\\gnd\\);\r\n  Iu4 : fill;\r\nend fa_1;"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  component fa port (\r\n    A : inout std_logic;\r\n"
                      "    B : inout std_logic;\r\n"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  Ix : fa port map (A);"), std::string::npos);
  EXPECT_TRUE(run.ui.Showed("Top-level entity: top", "Standard VHDL"));
  // The fanout report keeps the macro file's names.
  EXPECT_NE(ReadFileBytes("~fanout.txt").find("\tGND\r\n"), std::string::npos);
}

// Cancel clicked during the conversion, or after its last redraw: the bar
// is drawn full when the work is done, and a Cancel from then on is still
// taken before the file is replaced.
TEST(MacToVhdl, CancelEndsAsAFailureWithoutTheFanoutReport) {
  // A comment at the end, so that the bar's first draw is not full.
  const std::string mac = kFullAdder + ("$" + std::string(6000, 'x') + "\r\n");
  MacRun done;
  ASSERT_EQ(done.Convert(mac), Outcome::kCompleted);
  std::vector<std::string> draws;
  for (const std::string& e : done.ui.progress_log) {
    if (e.rfind("draw ", 0) == 0) draws.push_back(e);
  }
  ASSERT_GE(draws.size(), 2u);
  EXPECT_EQ(draws.back(), "draw 6 6");
  for (int cancel_from : {1, done.ui.draws}) {
    MacRun run;
    run.ui.cancel_after_draws = cancel_from;
    EXPECT_EQ(run.Convert(mac), Outcome::kFailed) << cancel_from;
    EXPECT_FALSE(std::filesystem::exists("fa.vhd")) << cancel_from;
    EXPECT_TRUE(run.BoxesWithCaption("NETS=").empty());
    EXPECT_EQ(run.ui.progress_log.back(), "close");
  }
  // Standard VHDL names no top entity from the cells seen before Cancel.
  MacRun standard;
  standard.ui.cancel_after_draws = 1;
  EXPECT_EQ(standard.Convert(kFullAdder, "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;"),
            Outcome::kFailed);
  EXPECT_TRUE(standard.BoxesWithCaption("Standard VHDL").empty());
}

// Node names that differ in letter case only are different nets of the
// macro file; standard VHDL keeps them apart (an extended identifier for the
// later one), buses among them included, and a supply in any case is the
// supply; a port read from a VHDL file stands for the header's name that
// matches it ignoring case.
TEST(MacToVhdl, StandardVhdlKeepsNetsThatDifferInCaseApart) {
  struct Case {
    const char* mac;
    std::vector<const char*> written;
    const char* top_vhd = nullptr;
  } cases[] = {
      {".macro TOP X\r\n<U1 INV a A\r\n<U2 INV A X\r\n.eom\r\n",
       {"  signal a : std_logic;\r\n  signal \\A\\ : std_logic;\r\n",
        "  Iu1 : inv port map (a,\\A\\);\r\n  Iu2 : inv port map (\\A\\,X);\r\n"}},
      // A label that a net's name is, ignoring case, gives way.
      {".macro TOP X\r\n<U1 INV iu2 X\r\n<U2 INV X IU2\r\n<U3 INV X X\r\n.eom\r\n",
       {"  Iu1 : inv port map (iu2,X);\r\n  \\Iu2\\ : inv port map (X,\\IU2\\);\r\n"
        "  Iu3 : inv port map (X,X);"}},
      {".macro SUB a A q0 Q0 Q1\r\n$vector q\r\n.eom\r\n"
       ".macro TOP x X\r\n<S1 SUB x X n N Q0\r\n<U1 INV N VDD\r\n.eom\r\n",
       // SUB has no instances: a leaf cell, declared as a component only.
       {"-- leaf cell sub: a component where it is used\r\n",
        "  component sub port (\r\n    a : inout std_logic;\r\n    \\A\\ : inout std_logic;\r\n"
        "    q : inout std_logic_vector (0 downto 0);\r\n",
        "    \\Q\\ : inout std_logic_vector (1 downto 0));\r\n",
        "  signal n : std_logic;\r\n  signal \\N\\ : std_logic;\r\n  signal Q0 : std_logic;\r\n",
        "  Is1 : sub port map (a => x,\\A\\ => \\X\\,q(0) => n,\\Q\\(0) => \\N\\,\\Q\\(1) => Q0);",
        "  Iu1 : inv port map (\\N\\,vdd);"}},
      {"$written by hdl_emit top=top\r\n.macro TOP CLK DATA0\r\n<U1 DFF CLK DATA0 Clk\r\n.eom\r\n",
       {"  signal \\Clk\\ : std_logic;\r\n", "  Iu1 : dff port map (clk,data(0),\\Clk\\);"},
       "entity top is port (clk : in std_logic; data : out std_logic_vector(1 downto 0));\r\n"},
  };
  for (const Case& c : cases) {
    MacRun run;
    if (c.top_vhd) {
      WriteFileBytes("top.vhd", c.top_vhd);
      run.ui.answers.push_back("ok");  // the offered name top.vhd
    }
    run.Convert(c.mac, "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;");
    std::string vhdl = run.Vhdl();
    for (const char* text : c.written) EXPECT_NE(vhdl.find(text), std::string::npos) << text;
  }
}

// Standard VHDL writes no entity for a leaf cell (a macro without
// instances that another macro instantiates): an empty architecture would
// bind in place of the user's cell and simulate as 'U' without a word. A
// macro without instances that nothing instantiates keeps its entity.
TEST(MacToVhdl, StandardVhdlDeclaresLeafCellsAsComponentsOnly) {
  MacRun run;
  run.Convert(".macro AND2 A B Y\r\n.eom\r\n.macro SPARE A\r\n.eom\r\n"
              ".macro TOP A B Y\r\n<U1 AND2 A B Y\r\n.eom\r\n",
              "m1=NC;m2=PORTPADA;m3=;=n;p1=cells.all;p2=;std=y;");
  std::string vhdl = run.Vhdl();
  EXPECT_EQ(vhdl.find("entity and2"), std::string::npos);
  EXPECT_EQ(vhdl.find("architecture and2"), std::string::npos);
  EXPECT_NE(vhdl.find("  component and2 port (\r\n    A : inout std_logic;"), std::string::npos);
  EXPECT_NE(vhdl.find("library cells;\r\nuse cells.all;\r\n\r\nentity top is"),
            std::string::npos);
  EXPECT_NE(vhdl.find("entity spare is"), std::string::npos);
  EXPECT_TRUE(run.ui.Showed("Top-level entity: top", "Standard VHDL"));

  // A cell name that is no basic identifier keeps its letter case: extended
  // identifiers are told apart by case, and the library spells it so.
  MacRun cased;
  cased.Convert(".macro $_AND_ A B Y\r\n.eom\r\n.macro TOP A B Y\r\n<U1 $_AND_ A B N1\r\n"
                "<U2 $_OR_ N1 B Y\r\n.eom\r\n",
                "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;");
  vhdl = cased.Vhdl();
  EXPECT_NE(vhdl.find("  Iu1 : \\$_AND_\\ port map (A,B,N1);\r\n"
                      "  Iu2 : \\$_OR_\\ port map (N1,B,Y);"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  component \\$_AND_\\ port ("), std::string::npos);
}

// A component has the ports of the definition its instances use: one read
// from an include file, one that comes after its first instance, the last
// of a macro defined twice (directive lines with tabs among them).
TEST(MacToVhdl, StandardVhdlComponentsHaveTheirDefinitionsPorts) {
  MacRun run;
  WriteFileBytes("lib.mac", ".macro INC M N\r\n$output\tN\r\n.eom\r\n");
  run.Convert("<lib.mac>\r\n.macro TOP A B\r\n<U1 LATE A B\r\n<U2 INC B A\r\n<U3 TWICE A B\r\n"
              "<U4 LATE B A B\r\n.eom\r\n.macro LATE X Y\r\n$input\tX\r\n<U1 TWICE X Y\r\n.eom\r\n"
              ".macro TWICE P\r\n.eom\r\n.macro TWICE Q R\r\n.eom\r\n",
              "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;");
  const std::string vhdl = run.Vhdl();
  for (const char* component :
       {"component late port (\r\n    X : in std_logic;\r\n    Y : inout std_logic);",
        "component inc port (\r\n    M : inout std_logic;\r\n    N : out std_logic);",
        "component twice port (\r\n    Q : inout std_logic;\r\n    R : inout std_logic);"}) {
    EXPECT_NE(vhdl.find(component), std::string::npos) << component;
  }
  EXPECT_NE(vhdl.find("entity late is port (\r\n  X : in std_logic;"), std::string::npos);
  EXPECT_NE(vhdl.find("  Iu4 : late port map (X => B,Y => A);\r\n"
                      "  -- Iu4: nodes beyond the ports of late: B\r\n"),
            std::string::npos);
  EXPECT_EQ(vhdl.find(" P : "), std::string::npos);
}

// The directive lines after a header: standard VHDL gives the ports their
// directions (an input or output used inside through a signal of its own,
// so that VHDL-93 takes any formal on it); a port wired to another port's
// node is driven from that node, in both formats.
TEST(MacToVhdl, DirectionsAndWiredPorts) {
  const std::string mac =
      ".macro SR D CLK Q7 SO\r\n$input D CLK\r\n$output Q7 SO\r\n$wired Q7 SO\r\n"
      "<U1 DFF CLK D Q7\r\n<U2 INV Q7 N1\r\n.eom\r\n"
      ".macro DFF C D Q\r\n$input C D\r\n$output Q\r\n.eom\r\n";
  MacRun standard;
  standard.Convert(mac, "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;");
  std::string vhdl = standard.Vhdl();
  EXPECT_NE(vhdl.find("entity sr is port (\r\n  D : in std_logic;\r\n  CLK : in std_logic;\r\n"
                      "  Q7 : out std_logic;\r\n  SO : out std_logic );"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  component dff port (\r\n    C : in std_logic;\r\n    D : in std_logic;\r\n"
                      "    Q : out std_logic);"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  D_in <= D;\r\n  CLK_in <= CLK;\r\n  Q7 <= Q7_out;\r\n  SO <= Q7_out;\r\n"
                      "  Iu1 : dff port map (CLK_in,D_in,Q7_out);\r\n"
                      "  Iu2 : inv port map (Q7_out,N1);"),
            std::string::npos);
  MacRun plain;
  plain.Convert(mac);
  EXPECT_NE(plain.Vhdl().find("  gnd<='0';\r\n  so <= q7;\r\n  Iu1 : dff port map (clk,d,q7);"),
            std::string::npos);
  EXPECT_NE(plain.Vhdl().find("  d : inout std_logic;"), std::string::npos);
  // An input wired to a node drives it, whichever line comes first.
  MacRun input;
  input.Convert(
      ".macro W A B\r\n$wired B A\r\n$bus C[0:0] A\r\n$input A\r\n<U1 INV A B\r\n.eom\r\n");
  EXPECT_NE(input.Vhdl().find("  b <= a;\r\n  Iu1 : inv port map (a,b);"), std::string::npos);
}

// "$bus" lines give standard VHDL the netlist's buses: a vector port of the
// declared range and bit order, its elements numbered as the netlist numbers
// them, on the entity, in component declarations, in named maps and in
// wired-port assignments. "$original" names a cell as its netlist's writer
// spelled it. The long-standing format takes both as comments.
TEST(MacToVhdl, BusesWithTheirRangesAndOriginalCellNames) {
  const std::string mac =
      ".macro id00001 A B Y\r\n$original $_AND_\r\n$input A B\r\n$output Y\r\n.eom\r\n"
      ".macro STAGE d0 d1 q4 q5\r\n$bus d[0:1] d0 d1\r\n$bus q[5:4] q5 q4\r\n"
      "$input d0 d1\r\n$output q4 q5\r\n<U1 id00001 d0 d1 q5\r\n<U2 id00001 d1 d0 q4\r\n.eom\r\n"
      ".macro TOP a4 a5 a6 x0 x1 so\r\n$bus a[6:4] a6 a5\r\n$bus a[6:4] a4\r\n"
      "$bus x[0:1] x0 x1\r\n$input a4 a5 a6\r\n$output x0 x1 so\r\n$wired x1 so\r\n"
      "<S1 STAGE a6 a4 x0 x1\r\n<U3 id00001 a5 x1 n9\r\n.eom\r\n";
  MacRun standard;
  standard.Convert(mac, "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;");
  std::string vhdl = standard.Vhdl();
  EXPECT_NE(vhdl.find("entity stage is port (\r\n  d : in std_logic_vector (0 to 1);\r\n"
                      "  q : out std_logic_vector (5 downto 4) );"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  Iu1 : \\$_AND_\\ port map (d_in(0),d_in(1),q_out(5));"), std::string::npos);
  EXPECT_NE(vhdl.find("entity top is port (\r\n  a : in std_logic_vector (6 downto 4);\r\n"
                      "  x : out std_logic_vector (0 to 1);\r\n  so : out std_logic );"),
            std::string::npos);
  EXPECT_NE(vhdl.find("    d : in std_logic_vector (0 to 1);\r\n    q : out std_logic_vector (5 downto 4));"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  Is1 : stage port map (d(0) => a_in(6),d(1) => a_in(4),q(4) => x_out(0),"
                      "q(5) => x_out(1));"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  so <= x_out(1);"), std::string::npos);
  EXPECT_NE(vhdl.find("  component \\$_AND_\\ port ("), std::string::npos);
  EXPECT_EQ(vhdl.find("component id00001"), std::string::npos);
  EXPECT_EQ(vhdl.find(": id00001"), std::string::npos);

  // A name another macro claims too is not taken.
  MacRun claimed;
  claimed.Convert(".macro id1 A\r\n$original AND2\r\n.eom\r\n.macro AND2 A\r\n.eom\r\n"
                  ".macro TOP A\r\n<U1 id1 A\r\n<U2 AND2 A\r\n.eom\r\n",
                  "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;");
  EXPECT_NE(claimed.Vhdl().find("  Iu1 : id1 port map (A);"), std::string::npos);

  MacRun plain;
  plain.Convert(mac);
  vhdl = plain.Vhdl();
  EXPECT_NE(vhdl.find("entity top is port (\r\n  a4 : inout std_logic;"), std::string::npos);
  EXPECT_NE(vhdl.find("  Is1 : stage port map (a6,a4,x0,x1);"), std::string::npos);
  EXPECT_EQ(vhdl.find("$bus"), std::string::npos);
}

TEST(MacToVhdl, PackagesFromTheDialogAndExistingOutput) {
  MacRun run;
  WriteFileBytes("fa.vhd", "keep me");
  run.ui.answers.push_back("no");  // Overwrite above file?
  EXPECT_EQ(run.Convert(kFullAdder), Outcome::kStopped);
  EXPECT_EQ(run.Vhdl(), "keep me");
  EXPECT_TRUE(run.ui.Showed("Overwrite above file?", run.dir.path() + "/fa.vhd"));

  run.ui.dialog_scripts.push_back([](TableView& view) {
    EXPECT_EQ(view.title(), "VHDL Conversion Parameters:");
    EXPECT_EQ(view.GetText(101), "NC");
    view.SetText(105, "work.cells.all");
    view.SetText(106, "ieee.numeric_std.all");
    return kIdOk;
  });
  run.ui.answers.clear();
  run.ui.answers.push_back("yes");  // overwrite
  EXPECT_EQ(run.Convert(kFullAdder), Outcome::kCompleted);
  EXPECT_NE(run.Vhdl().find("use IEEE.STD_LOGIC_1164.all;\r\nuse work.cells.all;\r\n"
                            "use ieee.numeric_std.all;\r\n\r\nentity fa is port ("),
            std::string::npos);
  EXPECT_EQ(run.profile.values["mac2vhd"],
            "m1=NC;m2=PORTPADA;m3=;=n;p1=work.cells.all;p2=ieee.numeric_std.all;std=n;");
}

TEST(MacToVhdl, CancelOrMissingInputWritesNothing) {
  MacRun run;
  run.profile.values["mac2vhd"] = "m1=X;=y;";  // other field count: default used
  run.ui.dialog_scripts.push_back([](TableView& view) {
    EXPECT_EQ(view.GetText(102), "PORTPADA");
    return kIdCancel;
  });
  WriteFileBytes("fa.mac", kFullAdder);
  EXPECT_EQ(testing::RunArmed(run.app, id::kMacToVhdl), Outcome::kStopped);
  EXPECT_FALSE(FileExists("fa.vhd"));
  EXPECT_EQ(run.profile.values["mac2vhd"], "m1=X;=y;");

  // A package name with a line break would put half a clause on a line
  // of its own.
  run.ui.dialog_scripts.push_back([](TableView& view) {
    view.SetText(105, "ieee\nx");
    return kIdOk;
  });
  EXPECT_EQ(run.Convert(kFullAdder), Outcome::kFailed);
  EXPECT_EQ(run.ui.Last().caption, "VHDL Conversion Parameters:");
  EXPECT_EQ(run.ui.Last().text.rfind("A field holds a line break, which a name in the VHDL cannot "
                                     "hold; nothing was converted:\n\nm1=NC;m2=PORTPADA;m3=;=n;p1=ieee?x;",
                                     0),
            0u);
  EXPECT_FALSE(FileExists("fa.vhd"));

  run.UseDesign("nothere");
  EXPECT_EQ(testing::RunArmed(run.app, id::kMacToVhdl), Outcome::kFailed);
  EXPECT_TRUE(run.ui.Showed("Unable to open above file.", run.dir.path() + "/nothere.mac"));
  EXPECT_FALSE(FileExists("nothere.vhd"));
}

TEST(MacToVhdl, IgnoredMacrosAreLeftOutButTheirNetsDeclared) {
  MacRun run;
  run.Convert(".macro T A\r\n<P1 portpada A PIN\r\n<N1 Nc Q\r\n<U1 INV A Y\r\n<E1\r\n.eom\r\n",
              "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=n;");
  std::string vhdl = run.Vhdl();
  EXPECT_EQ(vhdl.find("portpada"), std::string::npos);
  EXPECT_EQ(vhdl.find(" : nc "), std::string::npos);
  EXPECT_EQ(vhdl.find("Ie1"), std::string::npos);  // empty name matches empty m3
  EXPECT_NE(vhdl.find("  signal pin : std_logic;\r\n  signal q : std_logic;\r\n"
                      "  signal y : std_logic;\r\n"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  Iu1 : inv port map (a,y);\r\nend t_1;"), std::string::npos);
  // Only the header and the inverter were counted.
  EXPECT_EQ(run.Names(), "A Y ");
}

TEST(MacToVhdl, NodeNamesAreMadeUsable) {
  NodeTally tally;
  auto normal = [&tally](std::string name) {
    NormalizeNodeName(name, false, tally);
    return name;
  };
  EXPECT_EQ(normal("3v"), "NN_3v");
  EXPECT_EQ(normal(""), "NN_");
  EXPECT_EQ(normal("inst_n5"), "n5");
  EXPECT_EQ(normal("Inst_n5"), "n5");
  EXPECT_EQ(normal("VDD"), "vdd");
  EXPECT_EQ(normal("Gnd1"), "Gnd1");
  EXPECT_EQ(normal("x1<o"), "x1_o");
  EXPECT_FALSE(tally.name_changed);
  EXPECT_EQ(normal("Out"), "Out1");
  EXPECT_TRUE(tally.name_changed);
  EXPECT_EQ(normal("inst_in"), "in1");
  EXPECT_EQ(normal("input"), "input");
}

TEST(MacToVhdl, BusIndexTakesTheFirstDigitOnly) {
  EXPECT_EQ(BusIndex("a1b2", " a "), 1u);
  EXPECT_EQ(BusIndex("d10", " x d "), 1u);
  EXPECT_EQ(BusIndex("data3", " d "), std::string_view::npos);
  EXPECT_EQ(BusIndex("data3", " data "), 4u);
  EXPECT_EQ(BusIndex("1", " 1 "), std::string_view::npos);
  EXPECT_EQ(BusIndex("ab", " a "), std::string_view::npos);
  EXPECT_EQ(BusIndex("xa1", " a "), std::string_view::npos);
  EXPECT_EQ(BusIndex("a1", ""), std::string_view::npos);
}

// An instance's port map in the long-standing format, whatever separates
// its nodes on the line; the same with progress notes (every node on its
// own) and without, the fanout report too.
TEST(MacToVhdl, PortMapsWhateverSeparatesTheNodes) {
  struct Case {
    const char* body;
    const char* map;
  } cases[] = {
      {"<U1 NAND2 abcd efghijklm nopq\r\n", "abcd,efghijklm,nopq"},
      {"<U1 NAND2 abcd\tefghijklm\tnopq\r\n", "abcd,efghijklm,nopq"},
      {"<U1 NAND2 abcd  efghijklm nopq\r\n", "abcd,efghijklm,nopq"},
      {"<U1 NAND2 abcd efghijklm nopq \r\n", "abcd,efghijklm,nopq"},
      {"<U1 NAND2 abcd efghijklm ;\r\n", "abcd,efghijklm"},
      {"<U1 NAND2 abcd EFGHIJKLM nopq\r\n", "abcd,efghijklm,nopq"},
      {"<U1 NAND2 ab 3cde nopq\r\n", "ab,NN_3cde,nopq"},
      {"<U1 NAND2 abcd\r\n+ efghijklm nopq\r\n", "abcd,efghijklm,nopq"},
      {"$vector d\r\n<U1 NAND2 d1 d0 nopq\r\n", "d(1),d(0),nopq"},
      // Nets whose identifiers are not their names.
      {"<U1 NAND2 abcd signal nopq\r\n", "abcd,signal,nopq"},
      {"<U1 NAND2 abcd ABCD nopq\r\n", "abcd,\\ABCD\\,nopq"},
      {"<U1 NAND2 abcd d0 nopq\r\n", "abcd,d0,nopq"},
  };
  // A run that shows progress notes converts each node on its own; the
  // others copy a plain line's nodes whole. Both give the same files, in
  // both forms. (The runs share their directory: each run's files are read
  // before the next.)
  auto files = [](MacRun& run) {
    return run.Vhdl() + ReadFileBytes(run.app.state.test_dir + kFanoutReportName);
  };
  for (const char* options : {"", "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;"}) {
    for (const Case& c : cases) {
      const std::string mac = std::string(".macro T d0 d1\r\n") + c.body +
                              "<U2 INV nopq abcd\r\n<U3 INV abcd nopq\r\n.eom\r\n";
      MacRun noted;
      noted.Convert(mac, options);
      const std::string noted_files = files(noted);
      EXPECT_FALSE(noted.ui.notes.empty());
      MacRun quiet;
      quiet.ui.shows_notes = false;
      quiet.Convert(mac, options);
      if (*options == '\0') {
        EXPECT_NE(quiet.Vhdl().find(std::string("  Iu1 : nand2 port map (") + c.map + ");\r\n"),
                  std::string::npos)
            << c.body << quiet.Vhdl();
      }
      EXPECT_EQ(files(quiet), noted_files) << options << c.body;
    }
  }
}

TEST(MacToVhdl, InAndOutAreRenamedAndReported) {
  MacRun run;
  run.Convert(".macro T In OUT\r\n<U1 BUF In OUT\r\n.eom\r\n");
  std::string vhdl = run.Vhdl();
  EXPECT_NE(vhdl.find("  in1 : inout std_logic;\r\n  out1 : inout std_logic );"),
            std::string::npos);
  EXPECT_NE(vhdl.find("port map (in1,out1);"), std::string::npos);
  EXPECT_TRUE(run.ui.Showed("Nodes named 'In' or 'Out' changed to 'In1' or 'Out1'",
                            ".mac/VHDL modifications:"));
  EXPECT_EQ(ReadFileBytes("~fanout.txt"),
            Crlf({"fanout\tnet(node)",
                  "------\t-------------------------------------------------------",
                  "1\tIN1", "1\tOUT1"}));
}

TEST(MacToVhdl, VectorPortsAreDeclaredOnceAtElementZero) {
  MacRun run;
  run.Convert(".macro REG D0 D1 D2 D3 Q\r\n$vector d\r\n<U1 LATCH4 D0 D1 D2 D3 Q\r\n.eom\r\n"
              ".macro DOWN B3 B2 B1 B0\r\n$vector b\r\n$analog x\r\n.eom\r\n");
  std::string vhdl = run.Vhdl();
  EXPECT_NE(vhdl.find("entity reg is port (\r\n"
                      "  d : inout std_logic_vector (3 downto 0);\r\n"
                      "  q : inout std_logic );\r\n"),
            std::string::npos);
  EXPECT_NE(vhdl.find("port map (d(0),d(1),d(2),d(3),q);"), std::string::npos);
  EXPECT_EQ(vhdl.find("signal d"), std::string::npos);
  EXPECT_EQ(vhdl.find("$vector"), std::string::npos);  // consumed, not echoed
  // Element 0 last: the width comes from the ports already declared.
  EXPECT_NE(vhdl.find("entity down is port (\r\n"
                      "  b : inout std_logic_vector (3 downto 0) );"),
            std::string::npos);
}

TEST(MacToVhdl, AnalogPortsAndSupplies) {
  MacRun run;
  run.Convert(".macro AMP VIN VOUT vdd\r\n$analog vin vout\r\n<U1 OPA VIN VOUT vdd gnd\r\n.eom\r\n");
  std::string vhdl = run.Vhdl();
  EXPECT_NE(vhdl.find("  vin : inout analog;\r\n  vout : inout analog;\r\n"
                      "  vdd : inout std_logic );"),
            std::string::npos);
  // A supply that is a port gets no signal and no constant besides; a supply
  // node of the body is the fixed signal, never declared a second time.
  EXPECT_NE(vhdl.find("architecture amp_1 of amp is\r\n  signal gnd: std_logic;\r\nbegin\r\n"
                      "  gnd<='0';\r\n  Iu1"),
            std::string::npos);

  MacRun quiet;
  quiet.Convert(".macro AMP VIN VOUT vdd\r\n<U1 OPA VIN VOUT vdd gnd\r\n.eom\r\n",
                "m1=NC;m2=PORTPADA;m3=;=y;p1=;p2=;std=n;");
  vhdl = quiet.Vhdl();
  EXPECT_NE(vhdl.find("  vout : inout std_logic );"), std::string::npos);
  EXPECT_EQ(vhdl.find("vdd : inout"), std::string::npos);
  EXPECT_NE(vhdl.find("  signal gnd: std_logic;\r\nbegin"), std::string::npos);
  EXPECT_NE(vhdl.find("port map (vin,vout,vdd,gnd);"), std::string::npos);
}

// No node, instance or port is lost or merged: names of any length are
// whole; nodes that normalise or lowercase alike stay apart (the later one as
// the extended identifier of its own spelling), and so do labels; instances
// and macros without nodes are written without an empty list. Short names
// that meet nothing are written as before.
TEST(MacToVhdl, NamesOfAnyLengthAndNamesThatMeetStayApart) {
  const std::string label(70, 'u');
  const std::string net(63, 'n');
  MacRun run;
  run.Convert(".macro EMPTY\r\n.eom\r\n.macro TOP A a " + net + "\r\n<" + label + " INV A " +
              net + "\r\n<U2 NAND2 inst_n5 n5 x1<o\r\n<U3 INV x1_o In\r\n<U4 INV in1 vdd\r\n"
              "<u4 TIE\r\n<U4 EMPTY\r\n.eom\r\n"
              // Labels that meet where no node begins with "i".
              ".macro TWO a b\r\n<U4 INV a b\r\n<u4 INV b a\r\n<U4 INV a a\r\n<U5 TIE\r\n"
              "<u5 TIE\r\n.eom\r\n"
              // A node after a line that ends the signal pass meets a label.
              ".macro THREE a\r\n<U1 INV a b\r\n.xyz\r\n<U2 INV iu1 a\r\n.eom\r\n");
  std::string vhdl = run.Vhdl();
  EXPECT_NE(vhdl.find("  Iu4 : inv port map (a,b);\r\n  \\Iu4\\ : inv port map (b,a);\r\n"
                      "  \\Iu4~2\\ : inv port map (a,a);\r\n  Iu5 : tie;\r\n  \\Iu5\\ : tie;\r\n"),
            std::string::npos);
  EXPECT_NE(
      vhdl.find("  Iu1 : inv port map (a,b);\r\n-- .xyz\r\n  Iu2 : inv port map (\\iu1\\,a);"),
      std::string::npos);
  EXPECT_NE(vhdl.find("entity empty is\r\nend empty;"), std::string::npos);
  EXPECT_NE(vhdl.find("entity top is port (\r\n  a : inout std_logic;\r\n"
                      "  \\a\\ : inout std_logic;\r\n  " + net + " : inout std_logic );"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  signal gnd: std_logic;\r\n  signal n5 : std_logic;\r\n"
                      "  signal \\n5\\ : std_logic;\r\n  signal x1_o : std_logic;\r\n"
                      "  signal \\x1_o\\ : std_logic;\r\n  signal in1 : std_logic;\r\n"
                      "  signal \\in1\\ : std_logic;\r\nbegin"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  I" + label + " : inv port map (a," + net + ");\r\n"
                      "  Iu2 : nand2 port map (n5,\\n5\\,x1_o);\r\n"
                      "  Iu3 : inv port map (\\x1_o\\,in1);\r\n"
                      "  Iu4 : inv port map (\\in1\\,vdd);\r\n  \\Iu4\\ : tie;\r\n"
                      "  \\Iu4~2\\ : empty;\r\nend top_1;"),
            std::string::npos);
  EXPECT_EQ(vhdl.find("signal vdd :"), std::string::npos);
}

// Macros do not nest: a file whose macros are not whole (cut short, an
// extra .eom, a .macro before the last one's .eom) gives no VHDL, in either
// form, and says where.
TEST(MacToVhdl, MacrosThatAreNotWholeAreRefused) {
  const std::pair<std::string, std::string> cases[] = {
      {kFullAdder + std::string(".macro B P\r\n<U1 FA P\r\n"),
       "The file ends inside macro B: its .eom is missing; the file may be cut short.\n\n%s, line 7."},
      {kFullAdder + std::string(".eom\r\n"),
       "This .eom ends no macro: no .macro line stands before it since the last .eom.\n\n%s, line 6."},
      {".macro B P\r\n<U1 FA P\r\n" + std::string(kFullAdder).substr(13),
       "This .macro comes before the .eom of macro B.\n\n%s, line 3."},
  };
  for (const char* options : {"", "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;"}) {
    for (const auto& [mac, message] : cases) {
      MacRun run;
      EXPECT_EQ(run.Convert(mac, options), Outcome::kFailed) << mac;
      const std::string path = run.dir.path() + "/fa.mac";
      EXPECT_TRUE(run.ui.Showed(Format(message.c_str(), path.c_str()), "Broken macro file"))
          << mac << options;
      EXPECT_FALSE(FileExists("fa.vhd")) << mac;
    }
  }
}

TEST(MacToVhdl, IllegalBodyLineStopsTheSignalPassOnly) {
  MacRun run;
  run.Convert(".macro T A\r\n<U1 INV A N1\r\n* comment\r\n<U2 INV N1 N2\r\n.eom\r\n");
  std::string vhdl = run.Vhdl();
  EXPECT_TRUE(run.ui.Showed("* comment", "This line not legal in a mac-to-vhd conversion:"));
  EXPECT_NE(vhdl.find("  signal n1 : std_logic;\r\nbegin"), std::string::npos);
  EXPECT_EQ(vhdl.find("signal n2"), std::string::npos);
  EXPECT_NE(vhdl.find("port map (a,n1);\r\n-- * comment\r\n  Iu2 : inv port map (n1,n2);"),
            std::string::npos);
}

TEST(MacToVhdl, ContinuationLinesAndPadNets) {
  MacRun run;
  run.Convert(".macro T A\r\n+ B\r\n<U1 NAND2 A B\r\n+ PAD_X N1\r\n.eom\r\n");
  std::string vhdl = run.Vhdl();
  EXPECT_NE(vhdl.find("  a : inout std_logic;\r\n  b : inout std_logic );"), std::string::npos);
  EXPECT_NE(vhdl.find("  signal n1 : std_logic;\r\nbegin"), std::string::npos);
  EXPECT_EQ(vhdl.find("signal pad_x"), std::string::npos);
  EXPECT_NE(vhdl.find("port map (a,b,pad_x,n1);"), std::string::npos);
}

TEST(MacToVhdl, LongLinesAndManyNamesAreWrittenWhole) {
  // An instance line of 4,000 one-digit nodes (each becomes NN_n) gives a
  // port map far beyond 16,000 characters; 3,000 signals of 8 characters
  // make a large set of declared names.
  std::string mac = ".macro BIG A\r\n<U1 WIDE";
  std::string expected = "  Iu1 : wide port map (";
  for (int i = 0; i < 4000; ++i) {
    std::string digit = std::to_string(i % 10);
    mac += " " + digit;
    expected += "NN_" + digit + (i + 1 < 4000 ? "," : ");\r\n");
  }
  mac += "\r\n";
  for (int i = 0; i < 3000; ++i) mac += "<V" + std::to_string(i) + " INV A net" + std::to_string(10000 + i) + "\r\n";
  mac += ".eom\r\n";
  MacRun run;
  run.Convert(mac);
  std::string vhdl = run.Vhdl();
  EXPECT_GT(expected.size(), 16000u);
  EXPECT_NE(vhdl.find(expected), std::string::npos);
  EXPECT_NE(vhdl.find("  signal NN_9 : std_logic;\r\n  signal net10000 : std_logic;"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  signal net12999 : std_logic;\r\nbegin"), std::string::npos);
}

TEST(MacToVhdl, JoinedLinesOfAnyLengthKeepEveryPortAndConnection) {
  // A header and an instance as the macro file writer wraps them, each far
  // more than 8,191 characters in "+" lines; the instance's last physical
  // line alone is over 10,000.
  std::string header = ".macro WIDE";
  std::string instance = "<U1 CELL";
  std::string ports;
  std::string map = "  Iu1 : cell port map (";
  for (int i = 0; i < 1200; ++i) {
    std::string name = "port_name_" + std::to_string(i);
    header += (i % 6 == 5 ? "\r\n+ " : " ") + name;
    instance += (i % 6 == 5 ? "\r\n+ " : " ") + name;
    ports += (i ? ";\r\n  " : "\r\n  ") + name + " : inout std_logic";
    map += name + ",";
  }
  // The physical line: internal nets only, each declared as a signal.
  std::string physical;
  std::string signals;
  for (int i = 0; i < 1200; ++i) {
    std::string wire = "wire_" + std::to_string(i);
    physical += " " + wire;
    signals += "  signal " + wire + " : std_logic;\r\n";
    map += wire + (i + 1 < 1200 ? "," : ");");
  }
  MacRun run;
  EXPECT_EQ(run.Convert(header + "\r\n" + instance + physical + "\r\n.eom\r\n"),
            Outcome::kCompleted);
  const std::string vhdl = run.Vhdl();
  EXPECT_GT(header.size(), 8191u);
  EXPECT_GT(physical.size(), 8191u);
  EXPECT_NE(vhdl.find("entity wide is port (" + ports + " );\r\nend wide;"),
            std::string::npos);
  EXPECT_NE(vhdl.find("  signal gnd: std_logic;\r\n" + signals + "begin"),
            std::string::npos);
  EXPECT_NE(vhdl.find(map + "\r\nend wide_1;"), std::string::npos);
  EXPECT_TRUE(run.BoxesWithCaption("This line not legal in a mac-to-vhd conversion:").empty());
}

TEST(MacToVhdl, PortsFromADefinitionFileServeTheFirstMacroOnly) {
  MacRun run;
  WriteFileBytes("top.vhd",
                 "-- ports of the top\r\nlibrary ieee;\r\nENTITY Top IS PORT (\r\n"
                 "  clk : in std_logic;\r\n  data : out std_logic_vector(7 downto 0);\r\n"
                 "  ana : inout analog;\r\n  q : buffer std_logic_vector(1 downto 0));\r\n"
                 "end top;\r\n");
  run.ui.answers.push_back("ok");  // the offered name top.vhd
  run.Convert("$written by HDL_EMIT top=top\r\n.macro TOP CLK DATA0 ZZ\r\n"
              "<U1 DFF CLK DATA0 Q1 N1\r\n.eom\r\n.macro SUB A\r\n<U1 INV A N1\r\n.eom\r\n");
  std::string vhdl = run.Vhdl();
  EXPECT_EQ(run.ui.input_prompts,
            std::vector<std::string>{"File from which to obtain top level port definitions?"});
  EXPECT_NE(vhdl.find("-- $written by hdl_emit top=top\r\n"), std::string::npos);
  EXPECT_NE(vhdl.find("entity top is port ( \r\n"
                      "     clk : in std_logic ; \r\n"
                      "     data : out std_logic_vector ( 7 downto 0 ) ; \r\n"
                      "     ana : inout analog ; \r\n"
                      "     q : buffer std_logic_vector ( 1 downto 0 )  );\r\n"
                      "end top;\r\n"),
            std::string::npos);
  // Declared ports get no signal; the buses read from the file index nodes.
  EXPECT_NE(vhdl.find("  signal gnd: std_logic;\r\n  signal n1 : std_logic;\r\nbegin"),
            std::string::npos);
  EXPECT_NE(vhdl.find("port map (clk,data(0),q(1),n1);"), std::string::npos);
  EXPECT_NE(vhdl.find("entity sub is\r\nend sub;"), std::string::npos);
  // The header words were counted although the file gave the ports: ZZ
  // comes before Q1, both counted once, as it came first.
  EXPECT_EQ(run.Names(), "CLK DATA0 N1 A ZZ Q1 ");
}

TEST(MacToVhdl, CancelledPortDefinitionKeepsTheHeaderPorts) {
  MacRun run;
  run.ui.answers.push_back("cancel");
  run.Convert("$written by hdl_emit top=top\r\n.macro TOP CLK\r\n.eom\r\n");
  EXPECT_NE(run.Vhdl().find("entity top is port (\r\n  clk : inout std_logic );"),
            std::string::npos);
}

TEST(NextVhdlToken, WordsDelimitersAndComments) {
  ScratchDir dir;
  WriteFileBytes("t.vhd", "A:=B -- note ;\r\n\r\n\tx->(y,Z);\r\nlast");
  File f;
  ASSERT_TRUE(f.Open("t.vhd", File::Mode::kRead));
  std::string line;
  std::string token;
  std::vector<std::string> tokens;
  while (NextVhdlToken(f, line, token)) tokens.push_back(token);
  EXPECT_EQ(tokens, (std::vector<std::string>{"a", ":=", "b", "x", "->", "(", "y", ",", "z",
                                              ")", ";", "last"}));
}

}  // namespace
}  // namespace kalvor

namespace kalvor {
namespace {

// The VHDL of `mac`, with the keep limit `keep_bytes`; in `counts` the
// fanout analysis's text size, names and counts.
std::string ConvertMacText(const std::string& mac, std::size_t keep_bytes, std::string* counts,
                           bool notes, bool standard, bool* renamed = nullptr) {
  TestApp t;
  t.ui.shows_notes = notes;
  t.app.fanout.nets = 1000;
  t.app.fanout.knets = 100;
  AllocateFanoutTables(t.app.fanout);
  WriteFileBytes("in.mac", mac);
  File in;
  File out;
  EXPECT_TRUE(in.Open("in.mac", File::Mode::kRead));
  EXPECT_TRUE(out.Open("out.vhd", File::Mode::kCreate));
  FanoutAnalysis fanout(t.app.fanout);
  MacToVhdlOptions options = ReadMacToVhdlOptions(
      standard ? "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;" : "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;");
  const MacToVhdlResult result =
      ConvertMacFile(t.ui, t.app.progress, options, in, out, fanout, keep_bytes);
  out.Close();
  if (renamed) *renamed = result.name_changed;
  *counts = std::to_string(fanout.TextSize()) + "|";
  for (std::size_t i = 0; i < fanout.entries(); ++i) {
    *counts += std::string(fanout.Name(i)) + " " + std::to_string(fanout.Counter(i)) + " ";
  }
  return ReadFileBytes("out.vhd");
}

// The main pass gets a macro body from memory (kept by the signal pass) or
// from the file again: the VHDL and the counts must be the same.
TEST(MacToVhdl, KeptBodyAndRereadBodyGiveTheSameResult) {
  const std::string mac =
      "<inc.mac>\r\n.macro A X Y\r\n<U1 INV X N1\r\n+ N2\r\n$ note\r\n\r\n<U2 INV N1 Y\r\n"
      // A label again, in other letter case.
      "<u1 INV N2 Y\r\n.eom\r\n.macro B P\r\n<U1 A P Q\r\n* odd line\r\n<U2 A Q P\r\n.eom\r\n"
      // Words that meet, again in other spellings, and a label meeting a node.
      ".macro E A a\r\n<U1 INV A a iu2 In\r\n<U2 INV a A IU2 ;\r\n"
      "<U3 INV iu2 inst_n5 n5 ; n5 inst_n5 in ;\r\n.eom\r\n"
      ".macro C In\r\n<U1 A In Z\r\n.eom\r\n.macro D\r\n<U1 B K\r\n"
      // Instance lines of a label alone, without nodes, and with tabs.
      "<U7\r\n<U8 INV\r\n<U9\tINV\t P  Q\r\n.eom\r\n";
  auto convert = [&mac](std::size_t keep_bytes, std::string* text, bool notes = true,
                        bool standard = false) {
    bool renamed = false;
    std::string vhdl = ConvertMacText(mac, keep_bytes, text, notes, standard, &renamed);
    EXPECT_TRUE(renamed);
    return vhdl;
  };
  std::string kept_counts;
  std::string reread_counts;
  std::string kept = convert(kKeepBodyBytes, &kept_counts);
  // Bodies kept in part, up to where each limit falls (a line whole in the
  // file's window, or one read on its own), then read again.
  // Without progress notes, plain lines are copied whole.
  for (std::size_t keep_bytes = 0; keep_bytes < 100; keep_bytes += 3) {
    for (bool notes : {true, false}) {
      std::string reread = convert(keep_bytes, &reread_counts, notes);
      EXPECT_EQ(kept, reread) << keep_bytes << notes;
      EXPECT_EQ(kept_counts, reread_counts) << keep_bytes << notes;
    }
  }
  EXPECT_EQ(kept, convert(kKeepBodyBytes, &reread_counts, false));
  EXPECT_EQ(kept_counts, reread_counts);
  // The same in standard VHDL.
  const std::string standard = convert(kKeepBodyBytes, &kept_counts, false, true);
  for (std::size_t keep_bytes : {0, 40, 90}) {
    EXPECT_EQ(standard, convert(keep_bytes, &reread_counts, false, true)) << keep_bytes;
    EXPECT_EQ(kept_counts, reread_counts) << keep_bytes;
  }
  EXPECT_NE(standard.find("  Iu2 : inv port map (N1,Y);\r\n  \\Iu1\\ : inv port map (N2,Y);\r\n"),
            std::string::npos);
  EXPECT_NE(kept.find("  Iu1 : inv port map (x,n1,n2);\r\n-- $ note\r\n-- \r\n"),
            std::string::npos);
  EXPECT_NE(kept.find("  Iu2 : inv port map (n1,y);\r\n  \\Iu1\\ : inv port map (n2,y);\r\n"),
            std::string::npos);
  EXPECT_NE(kept.find("-- * odd line\r\n  Iu2 : a port map (q,p);\r\nend b_1;"),
            std::string::npos);
  EXPECT_NE(kept.find("  Iu1 : b port map (k);\r\n  Iu8 : inv;\r\n  Iu9 : inv port map (p,q);"),
            std::string::npos);
  EXPECT_NE(kept.find("  signal \\IU2\\ : std_logic;\r\n  signal n5 : std_logic;\r\n"
                      "  signal \\n5\\ : std_logic;\r\n  signal ; : std_logic;\r\n"
                      "  signal \\in\\ : std_logic;\r\nbegin"),
            std::string::npos);
  EXPECT_NE(kept.find("  \\Iu2\\ : inv port map (\\a\\,a,\\IU2\\);\r\n"
                      "  Iu3 : inv port map (iu2,n5,\\n5\\,;,\\n5\\,n5,\\in\\);\r\n"),
            std::string::npos);
  // A header without ".eom" before it ends the macro's signal pass.
  EXPECT_NE(kept.find("entity d is\r\nend d;"), std::string::npos);
  EXPECT_NE(kept.find("  signal k : std_logic;"), std::string::npos);
}

// Lines whose nodes are those of the line before (the supplies of filler
// and decap cells) take that line's words and port map: the result is the
// same as when no two lines in a row are alike (two blanks for one in every
// other line), in both forms, with bodies kept and read again.
TEST(MacToVhdl, LinesThatRepeatTheirNodesGiveTheSameResult) {
  std::string mac =
      "<inc.mac>\r\n.macro INV A Y\r\n.eom\r\n.macro BUF3 A B C\r\n.eom\r\n.macro TOP P Q\r\n";
  int label = 0;
  auto run = [&](const std::string& macro, const std::string& nodes, int lines) {
    for (int i = 0; i < lines; ++i) {
      mac += "<U" + std::to_string(label++) + " " + macro + " " + nodes + "\r\n";
    }
  };
  run("BUF3", "vccd1 net1 vssd1", 40);
  run("NC", "vccd1 net1 vssd1", 3);  // ignored
  run("BUF3", "vccd1 net1 vssd1", 20);
  run("INV", "vccd1 net1 vssd1", 2);  // more nodes than ports
  run("BUF3", "vccd1 net1 vssd1", 18);
  mac += "$ note\r\n\r\n";
  run("BUF3", "vccd1 net1 vssd1", 17);
  mac += "+ Q\r\n";
  run("BUF3", "vccd1 net1 vssd1", 20);
  // Alike but for where the words end.
  run("BUF3", "aaaa,bbbb cccc", 1);
  run("BUF3", "aaaa bbbb,cccc", 1);
  run("BUF3", "aaaa,bbbb cccc", 20);
  run("BUF3", "in net1 net2", 20);  // a node renamed
  run("INV", "long_node_name_number_one long_node_name_number_two long_node_name_three", 20);
  run("BUF3", "net1\tnet2  vccd1", 20);
  mac += ".eom\r\n";
  std::string unlike;
  bool wide = false;
  for (std::size_t at = 0, end = 0; at < mac.size(); at = end + 2) {
    end = mac.find("\r\n", at);
    std::string line = mac.substr(at, end - at);
    const std::size_t blank = line.rfind(' ');  // (none in the include line)
    if (line[0] == '<' && blank != std::string::npos && (wide = !wide)) line.insert(blank, " ");
    unlike += line + "\r\n";
  }
  for (bool standard : {false, true}) {
    for (std::size_t keep_bytes : {kKeepBodyBytes, std::size_t{0}, std::size_t{700}}) {
      for (bool notes : {false, true}) {
        std::string counts;
        std::string unlike_counts;
        const std::string vhdl = ConvertMacText(mac, keep_bytes, &counts, notes, standard);
        EXPECT_EQ(vhdl, ConvertMacText(unlike, keep_bytes, &unlike_counts, notes, standard))
            << standard << keep_bytes << notes;
        EXPECT_EQ(counts, unlike_counts) << standard << keep_bytes << notes;
        // (The ignored lines between them are left out.)
        EXPECT_NE(vhdl.find("  Iu39 : buf3 port map (vccd1,net1,vssd1);\r\n  Iu43 : buf3"),
                  std::string::npos)
            << vhdl;
      }
    }
  }
}

}  // namespace
}  // namespace kalvor
