#include "spice/spice_cleanup.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/resource.h"
#include "platform/table_view.h"
#include "spice/spice_cleanup.h"
#include "support/scripted_platform.h"
#include "text/file.h"
#include "rewrite_support.h"

namespace kalvor {
namespace {

using testing::Crlf;
using testing::CrLfLines;
using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;
using V = std::vector<std::string>;

constexpr int kAllBoxes[] = {id::kNoComments, id::kNoNc,  id::kNoEnd,
                             id::kNoQuestion, id::kNoC,   id::kNoUpper,
                             id::kDiodes,     id::kNoCaps};
// The boxes checked by default.
constexpr std::initializer_list<int> kDefaults = {
    id::kNoComments, id::kNoNc, id::kNoEnd,
    id::kNoQuestion, id::kNoC,  id::kDiodes};

struct CleanupTest {
  explicit CleanupTest(std::initializer_list<int> checked) {
    t.UseDesign("chip");
    for (int id : kAllBoxes) t.ui.main.SetChecked(id, false);
    for (int id : checked) t.ui.main.SetChecked(id, true);
  }
  // Chooses the file type in the "spcsel" dialog.
  void FileType(bool s_edit_export) {
    t.ui.dialog_scripts.push_back([s_edit_export](TableView& v) {
      v.SetChecked(101, s_edit_export);
      v.SetChecked(102, !s_edit_export);
      return kIdOk;
    });
  }
  std::string Path(const std::string& ext) {
    return t.app.state.test_dir + "chip" + ext;
  }
  V Clean(const std::string& ext, const V& lines) {
    WriteFileBytes("chip" + ext, Crlf(lines));
    FileType(ext == ".sp");
    outcome = testing::RunArmed(t.app, id::kSpiceClean);
    return CrLfLines(ReadFileBytes("chip" + ext));
  }
  TestApp t;
  Outcome outcome = Outcome::kCompleted;
};

TEST(SpiceCleanup, DefaultOptionsOnAnExtract) {
  CleanupTest c(kDefaults);
  V out = c.Clean(".spc", {
                              "* Circuit Extracted by L-Edit",
                              ".SUBCKT nc a",
                              "R1 a 0 1",
                              ".SUBCKT PortPadA p q",
                              "X9 p q inv",
                              "XP1 pad1 core PortPad",
                              "X2 a b nc",
                              "X3 nca b inv",
                              "D1 A B DMOD AREA=1",
                              "Cpar1 VDD 0 C=271.70426f",
                              "C2 a b 2f ",
                              "M1 OUT IN GND GND NMOS L=2u",
                              ".END",
                          });
  EXPECT_EQ(c.outcome, Outcome::kCompleted);
  EXPECT_EQ(out, (V{"X3 nca b inv", "V1 A B 0.735", "Cpar1 VDD 0 271.70426fe",
                    "C2 a b 2f ", "M1 OUT IN GND GND NMOS L=2u"}));
  EXPECT_EQ(c.t.ui.Last().caption, "Done!");
  EXPECT_EQ(c.t.ui.Last().text, c.Path(".spc"));
  EXPECT_FALSE(FileExists("chip.~~~"));
  EXPECT_EQ(c.t.profile.values["spcsel"], "se=n;le=y;");
}

TEST(SpiceCleanup, NothingCheckedKeepsEveryLineByteForByte) {
  CleanupTest c({});
  const std::string long_line = "X1 " + std::string(5000, 'n') + " inv";
  const std::string bytes =
      "* c\n.ENDS\t$ cell\r\n" + long_line + "\nD1 a b d\n\n.END";
  WriteFileBytes("chip.sp", bytes);
  c.FileType(true);
  EXPECT_EQ(testing::RunArmed(c.t.app, id::kSpiceClean), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes("chip.sp"),
            Crlf({"* c", ".ENDS\t$ cell", long_line, "D1 a b d", "", ".END"}));
}

TEST(SpiceCleanup, ParasiticsAndQuestionMarks) {
  CleanupTest c({id::kNoCaps, id::kNoQuestion});
  c.t.ui.answers = {"ok"};
  V out =
      c.Clean(".sp", {"C1 a b 1.2e-15", "c2 a b 3  ", "C3 a b 2f",
                      "X1 ?a ?b inv", "C4 ?a b 2f", "X2 ?a b inv", "X3 a b?"});
  EXPECT_EQ(out, (V{"C3 a b 2f", "X2 ?a b inv", "X3 a b?"}));
  ASSERT_EQ(c.t.ui.boxes.size(), 3u);
  EXPECT_EQ(c.t.ui.boxes[0].text, "X2 ?a b inv");
  EXPECT_EQ(c.t.ui.boxes[0].caption, "unpaired '?'");
  EXPECT_EQ(c.t.ui.boxes[0].buttons(), box::kOkCancel);
  EXPECT_EQ(c.t.ui.boxes[1].text, "X3 a b?");
}

TEST(SpiceCleanup, CancelOnUnpairedQuestionLeavesTheNetlist) {
  CleanupTest c(kDefaults);
  const V lines = {"* x", "X1 ?a b inv", ".END"};
  c.t.ui.answers = {"cancel"};
  V out = c.Clean(".sp", lines);
  EXPECT_EQ(c.outcome, Outcome::kStopped);
  EXPECT_EQ(out, lines);
  EXPECT_EQ(c.t.ui.boxes.size(), 1u);
}

// A command file that writes some nodes in mixed case.
const V kCommandFile = {
    "* command file",
    ".include models.lib",
    "Vsup Vdd 0 5",
    "M1 Out In Gnd Gnd nmos l=2u w=4u",
    ".print tran Sum Carry v(x) Late",
    "X7 Node5 Node6 [bad] Late2",
};

TEST(SpiceCleanup, NodeNameTableFromCommandFile) {
  CleanupTest c({id::kNoUpper});
  WriteFileBytes("names.cmd", Crlf(kCommandFile));
  c.t.ui.answers = {"yes", c.t.dir / "names.cmd"};
  V out = c.Clean(".sp", {"M1 VDD A GND GND nmos", "X1 SUM CARRY OUT IN VDD",
                          "* VDD X Y", "X2 NODE5 NODE6 LATE LATE2 x"});
  ASSERT_GE(c.t.ui.boxes.size(), 2u);
  EXPECT_EQ(c.t.ui.boxes[0].caption, "Node Name Case Matching");
  EXPECT_EQ(c.t.ui.boxes[1].caption, "Node name table from file is:");
  EXPECT_EQ(c.t.ui.boxes[1].text, " Vdd Out In Gnd nmos Carry Node5 Node6 ");
  EXPECT_EQ(c.t.ui.file_dialog_dirs.back(), c.t.app.state.test_dir);
  EXPECT_EQ(c.t.ui.file_dialog_patterns.back(), "*.sp;*.spc;*.cmd;*.txt");
  // The last word never changes; comments are left alone.
  EXPECT_EQ(out, (V{"M1 Vdd A Gnd Gnd nmos", "X1 SUM Carry Out In VDD",
                    "* VDD X Y", "X2 Node5 Node6 LATE LATE2 x"}));
  // No node table in the netlist: the warning instead of "Done!".
  EXPECT_EQ(
      c.t.ui.Last().text,
      "Warning: Did not recognize node table in above file.\n\nBe sure to run "
      "extract with 'output node names' checked.");
  EXPECT_EQ(c.t.ui.Last().caption, c.Path(".sp"));
}

TEST(SpiceCleanup, HierarchicalNodeNamesBecomeAliasesEvenWithCommentsKept) {
  CleanupTest c({id::kNoUpper});
  WriteFileBytes("names.cmd", Crlf({"V1 N3 0 5"}));
  c.t.ui.answers = {"yes", c.t.dir / "names.cmd"};
  const std::string grown(300, 'w');
  V out = c.Clean(".sp", {"*    Node Names = TOP/N3", "*       " + grown,
                          "*       SUB/X", "*    Node Names = LOCAL",
                          "R1  TOP/N3 b TOP/N3 1", "R2 a TOP/N3"});
  // The name is matched with the blanks around it; the line grows freely.
  EXPECT_EQ(out, (V{"*    Node Names = LOCAL",
                    "R1  " + grown + " b " + grown + " 1", "R2 a TOP/N3"}));
  EXPECT_EQ(c.t.ui.Last().caption, "Done!");
}

TEST(SpiceCleanup, AliasSectionOfAnExtract) {
  const V netlist = {"* NODE NAME ALIASES",   "*       1 = N1 (1,2)",
                     "*       1 = OUT (3,4)", "*       2 = IN (1,1)",
                     "*       3 = N7",        "*       3 = N8",
                     "M1 N1 IN N7 N7 NMOS",   "M2 N10 XN1 N1 IN NMOS",
                     ".END"};
  {
    CleanupTest c({id::kNoUpper});
    WriteFileBytes("names.cmd", Crlf({"X1 Out In inv"}));
    c.t.ui.answers = {"yes", c.t.dir / "names.cmd"};
    // Only the whole name is renamed, never a longer name that holds it.
    EXPECT_EQ(c.Clean(".spc", netlist),
              (V{"M1 Out In N7 N7 NMOS", "M2 N10 XN1 Out In NMOS", ".END"}));
    EXPECT_EQ(c.t.ui.Last().caption, "Done!");
  }
  {
    // An S-Edit export has no alias section: those are comment lines.
    CleanupTest c({id::kNoUpper});
    WriteFileBytes("names.cmd", Crlf({"X1 Out In inv"}));
    c.t.ui.answers = {"yes", c.t.dir / "names.cmd"};
    V out = c.Clean(".sp", netlist);
    EXPECT_EQ(V(out.begin(), out.end() - 3),
              V(netlist.begin(), netlist.end() - 3));
    EXPECT_EQ(out[out.size() - 3], "M1 N1 In N7 N7 NMOS");
    EXPECT_EQ(out[out.size() - 2], "M2 N10 XN1 N1 In NMOS");
  }
}

TEST(SpiceCleanup, NetlistMissingOrNotReplaceable) {
  {
    CleanupTest c(kDefaults);
    c.FileType(false);
    EXPECT_EQ(testing::RunArmed(c.t.app, id::kSpiceClean), Outcome::kFailed);
    EXPECT_TRUE(c.t.ui.Showed(c.Path(".spc"), "Could not open file!"));
  }
  {
    CleanupTest c(kDefaults);
    WriteFileBytes("chip.sp", "* c\r\nR1 a b 1\r\n");
    c.FileType(true);
    testing::LockedApp locked(c.t);
    EXPECT_EQ(testing::RunArmed(locked.app, id::kSpiceClean), Outcome::kFailed);
    EXPECT_EQ(c.t.ui.Last().text,
              "Could not replace above file.  Probably you will have to\nexit "
              "Spice to "
              "free up the file.");
    EXPECT_EQ(c.t.ui.Last().caption, c.Path(".sp"));
    EXPECT_EQ(ReadFileBytes("chip.sp"), "* c\r\nR1 a b 1\r\n");
  }
}

TEST(SpiceCleanup, FileTypeDialog) {
  CleanupTest c(kDefaults);
  WriteFileBytes("chip.sp", "R1 a b 1\r\n");
  // A stored value with another number of fields is replaced by the default,
  // which selects the S-Edit export.
  c.t.profile.values["spcsel"] = "se=n;le=y;x=n;";
  EXPECT_EQ(testing::RunArmed(c.t.app, id::kSpiceClean), Outcome::kCompleted);
  EXPECT_EQ(c.t.profile.values["spcsel"], "se=y;le=n;");
  EXPECT_EQ(c.t.ui.dialogs_run, V{"spcsel"});
  // Cancel: nothing is read, written or stored.
  c.t.profile.values["spcsel"] = "se=n;le=y;";
  c.t.ui.dialog_scripts.push_back([](TableView& v) {
    EXPECT_EQ(v.title(), "Spice File Type:");
    EXPECT_TRUE(v.IsChecked(102) && !v.IsChecked(101));
    return kIdCancel;
  });
  EXPECT_EQ(testing::RunArmed(c.t.app, id::kSpiceClean), Outcome::kStopped);
  EXPECT_EQ(c.t.profile.values["spcsel"], "se=n;le=y;");
}

TEST(SpiceCleaner, EndOfFileInsideABlockEndsTheRun) {
  TestApp t;
  NodeNameTable nodes;
  nodes.TakeLine("V1 N3 0 5");
  SpiceOptions o;
  o.match_case = true;
  for (const char* last : {"*    Node Names = TOP/N3\r\n*       N3",
                           "* NODE NAME ALIASES\r\n* 1 = A"}) {
    WriteFileBytes("in.spc", std::string("R1 a b 1\r\n") + last);
    File in;
    File out;
    ASSERT_TRUE(in.Open("in.spc", File::Mode::kRead));
    ASSERT_TRUE(out.Open("out.spc", File::Mode::kCreate));
    SpiceCleaner cleaner(o, nodes, true, NodeTableState::kNotMet, nullptr);
    EXPECT_EQ(cleaner.Run(in, out), SpiceCleaner::Result::kDone);
    out.Close();
    EXPECT_EQ(ReadFileBytes("out.spc"), "R1 a b 1\r\n");
    EXPECT_EQ(cleaner.state(), NodeTableState::kMet);
  }
}

}  // namespace
}  // namespace kalvor
