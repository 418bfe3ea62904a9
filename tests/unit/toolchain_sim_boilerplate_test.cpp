#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/resource.h"
#include "commands/main_window.h"
#include "core/safe_replace.h"
#include "support/scripted_platform.h"
#include "toolchain/sim_boilerplate.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;

// A design "abc" whose top module has the ports Y, A, CLK and B, with the
// templates shipped beside the program.
struct SetupFixture : ::testing::Test {
  SetupFixture() {
    t.UseDesign("abc");
    t.app.state.program_dir = std::string(KALVOR_SOURCE_DIR) + "/resources/data";
    t.app.toolchain.top_ports = {"Y", "A", "CLK", "B"};
  }
  // Scripts the node list: checks that it lists the ports sorted, selects
  // `inputs` and presses OK.
  void Select(std::vector<std::string> inputs) {
    t.ui.dialog_scripts.push_back([inputs](TableView& v) {
      EXPECT_EQ(v.ListEntries(iodlg::kNodeList),
                (std::vector<std::string>{"A", "B", "CLK", "Y"}));
      for (const std::string& e : inputs) v.ListSelect(iodlg::kNodeList, e, true);
      return kIdOk;
    });
  }
  Outcome Press() { return OnMainCommand(t.app, id::kSetup); }
  // Uses templates of our own from the test directory.
  void OwnTemplates(const std::string& vec, const std::string& sim) {
    t.app.state.program_dir = t.dir.path();
    if (!vec.empty()) WriteFileBytes(t.dir / "KALVOR.VEC", vec);
    if (!sim.empty()) WriteFileBytes(t.dir / "KALVOR.SIM", sim);
  }
  TestApp t;
};

const char kShippedVecHead[] =
    "$ GateSim vector file\r\n"
    "$ The .PATT line declares the input pattern nodes; each line after it\r\n"
    "$ gives one value per node, in the same order.\r\n";
const char kShippedSimHead[] =
    "$ GateSim command file\r\n"
    "$ netlist, input patterns and result file:\r\n"
    "NE abc.NET\r\n"
    "PA abc.VEC\r\n"
    "RE abc.OUT\r\n"
    "$ nodes to tabulate:\r\n";

TEST_F(SetupFixture, SelectedInputsWithoutEcho) {
  Select({"A", "B"});
  t.ui.answers = {"no"};  // echo input ports
  EXPECT_EQ(Press(), Outcome::kCompleted);
  EXPECT_EQ(t.ui.dialogs_run, std::vector<std::string>{"iodlg"});
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.VEC"),
            std::string(kShippedVecHead) + ".PATT  A B\r\n");
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.SIM"),
            std::string(kShippedSimHead) + ".tab\r\n+ CLK;\r\n+ Y;\r\n");
  ASSERT_EQ(t.ui.boxes.size(), 2u);
  EXPECT_TRUE(t.ui.Showed("Echo input ports in .TAB ?", "KALVOR"));
  EXPECT_EQ(t.ui.Last().text, "Done.");
  EXPECT_EQ(t.ui.Last().caption, "KALVOR");
}

TEST_F(SetupFixture, EchoedInputsComeFirst) {
  Select({"B", "A", "CLK"});
  t.ui.answers = {"yes"};
  EXPECT_EQ(Press(), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.VEC"),
            std::string(kShippedVecHead) + ".PATT  A B CLK\r\n");
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.SIM"),
            std::string(kShippedSimHead) + ".tab\r\n+ A;\r\n+ B;\r\n+ CLK;\r\n+ Y;\r\n");
}

TEST_F(SetupFixture, NoPortsWarnsAndStops) {
  t.app.toolchain.top_ports.clear();
  EXPECT_EQ(Press(), Outcome::kStopped);
  ASSERT_EQ(t.ui.boxes.size(), 1u);
  EXPECT_EQ(t.ui.boxes[0].caption, "Warning");
  EXPECT_EQ(t.ui.boxes[0].text,
            "No ports found on top level module\n\nYou may need to create a "
            "symbol for this module\nor you may just need to click NET or TPR "
            "to prescan for ports.");
  EXPECT_TRUE(t.ui.dialogs_run.empty());
  EXPECT_FALSE(std::filesystem::exists(t.dir / "abc.VEC"));
  EXPECT_FALSE(std::filesystem::exists(t.dir / "abc.SIM"));
}

TEST_F(SetupFixture, TemplateLinesAreTestedIgnoringCase) {
  std::string long_line(5000, 'x');
  OwnTemplates(".patt old\n" + long_line + "\n",
               "ne old.net\nPa\nResults follow\n.TAB extra\n\tkeep me\nmodel\n");
  Select({"CLK"});
  t.ui.answers = {"no"};
  EXPECT_EQ(Press(), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.VEC"), ".PATT  CLK\r\n" + long_line + "\r\n");
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.SIM"),
            "NE abc.NET\r\nPA abc.VEC\r\nRE abc.OUT\r\n.tab\r\n+ A;\r\n+ B;\r\n+ Y;\r\n"
            " keep me\r\nmodel\r\n");
}

TEST_F(SetupFixture, EveryTabLineListsTheSameNodes) {
  OwnTemplates(".PATT\n", ".tab\n.tab\n");
  Select({"Y"});
  t.ui.answers = {"yes", "no"};
  Press();
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.SIM"),
            ".tab\r\n+ Y;\r\n+ A;\r\n+ B;\r\n+ CLK;\r\n.tab\r\n+ A;\r\n+ B;\r\n+ CLK;\r\n");
}

TEST_F(SetupFixture, OverwriteQuestions) {
  WriteFileBytes(t.dir / "abc.VEC", "mine\r\n");
  WriteFileBytes(t.dir / "abc.SIM", "mine too\r\n");
  // No to both: nothing changes, and the dialog still ends with "Done.".
  Select({"A"});
  t.ui.answers = {"no", "no"};
  EXPECT_EQ(Press(), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.VEC"), "mine\r\n");
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.SIM"), "mine too\r\n");
  ASSERT_EQ(t.ui.boxes.size(), 3u);
  EXPECT_EQ(t.ui.boxes[0].text, "abc.VEC");
  EXPECT_EQ(t.ui.boxes[0].caption, "overwrite");
  EXPECT_EQ(t.ui.boxes[0].type, box::kYesNo | box::kIconQuestion);
  EXPECT_EQ(t.ui.boxes[1].text, "abc.SIM");
  EXPECT_EQ(t.ui.Last().text, "Done.");

  // No for the vector file, yes for the command file.
  t.ui.boxes.clear();
  Select({"A"});
  t.ui.answers = {"no", "yes", "no"};
  Press();
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.VEC"), "mine\r\n");
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.SIM"),
            std::string(kShippedSimHead) + ".tab\r\n+ B;\r\n+ CLK;\r\n+ Y;\r\n");
}

TEST_F(SetupFixture, ExistingFileInAnotherCaseIsTheOneOverwritten) {
  WriteFileBytes(t.dir / "abc.vec", "old\r\n");
  OwnTemplates(".PATT\n", ".tab\n");
  Select({"A"});
  t.ui.answers = {"yes", "no"};
  Press();
  EXPECT_EQ(t.ui.boxes[0].text, "abc.vec");
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.vec"), ".PATT  A\r\n");
  EXPECT_FALSE(std::filesystem::exists(t.dir / "abc.VEC"));
}

// A failed set-up is never "Done.", and the .VEC and .SIM of one run are
// written both or neither.
TEST_F(SetupFixture, MissingTemplatesStop) {
  OwnTemplates("", ".tab\n");
  Select({"A"});
  EXPECT_EQ(Press(), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed("KALVOR.VEC not found", "KALVOR"));
  EXPECT_EQ(t.ui.boxes[0].icon(), box::kIconError);
  EXPECT_FALSE(std::filesystem::exists(t.dir / "abc.SIM"));
  EXPECT_EQ(t.ui.Last().text, "KALVOR.VEC not found");

  std::filesystem::remove(t.dir / "KALVOR.SIM");
  WriteFileBytes(t.dir / "KALVOR.VEC", ".PATT\n");
  t.ui.boxes.clear();
  Select({"A"});
  EXPECT_EQ(Press(), Outcome::kFailed);
  EXPECT_FALSE(std::filesystem::exists(t.dir / "abc.VEC"));
  EXPECT_EQ(t.ui.Last().text, "KALVOR.SIM not found");
}

TEST_F(SetupFixture, OutputThatCannotBeWrittenIsReported) {
  std::filesystem::create_directory(t.dir / "abc.VEC");
  t.ui.answers = {"yes"};  // overwrite the "file" that exists
  Select({"A"});
  EXPECT_EQ(Press(), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed(kUnableToWrite, "abc.VEC"));
  EXPECT_FALSE(std::filesystem::exists(t.dir / "abc.SIM"));
}

}  // namespace
}  // namespace kalvor
