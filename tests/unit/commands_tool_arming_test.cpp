// Arming NetTran, GateSim and LVS with their radio buttons.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "commands/tool_arming.h"
#include "platform/resource.h"
#include "support/scripted_platform.h"

namespace kalvor {
namespace {

using testing::MakeExecutable;
using testing::PathOverride;
using testing::TestApp;
using testing::WriteFileBytes;

TEST(SelectToolFunction, NetTranCommandLinesUseTestDirectoryAndId) {
  TestApp t;
  t.fs.style = PathStyle::kWindows;
  t.app.state.test_dir = "c:\\work\\";
  t.UseDesign("abc");
  SelectToolFunction(t.app, id::kMacToNet);
  EXPECT_EQ(t.ui.main.GetText(id::kOptions), "-m c:\\work\\abc.mac c:\\work\\abc.wir abc.net");
  EXPECT_EQ(t.app.state.program_field, "nettran.exe");
  // The include insertion ran and could not open the macro file.
  EXPECT_TRUE(t.ui.Showed("c:\\work\\abc.mac", "Unable to open:"));

  SelectToolFunction(t.app, id::kMacToTpr);
  EXPECT_EQ(t.ui.main.GetText(id::kOptions),
            "-m c:\\work\\abc.mac c:\\work\\abc.wir -f TPR abc");
  SelectToolFunction(t.app, id::kPrune);
  EXPECT_EQ(t.ui.main.GetText(id::kOptions),
            "-m c:\\work\\abc.mac c:\\work\\abc.wir -P abc.tmc");
  SelectToolFunction(t.app, id::kGenSpice);
  EXPECT_EQ(t.ui.main.GetText(id::kOptions), "-m abc.tmc -F spice c:\\work\\abc.wir abc");
  EXPECT_TRUE(t.ui.main.IsChecked(id::kGenSpice));
  EXPECT_FALSE(t.ui.main.IsChecked(id::kMacToNet));
  SelectToolFunction(t.app, id::kGateSim);
  EXPECT_EQ(t.ui.main.GetText(id::kOptions), "abc.sim");
  EXPECT_EQ(t.app.state.program_field, "gatesim.exe");
}

TEST(SelectToolFunction, MissingInputsAndRemindersWarnIndependently) {
  TestApp t;
  t.UseDesign("abc");
  // Right after start-up nothing has been selected: no reminders.
  SelectToolFunction(t.app, id::kGateSim);
  EXPECT_TRUE(t.ui.boxes.empty());

  t.app.state.tool_run = false;
  SelectToolFunction(t.app, id::kGateSim);
  EXPECT_TRUE(t.ui.Showed("You may need to run NetTran before GateSim to update .net file",
                          "KALVOR"));

  t.ui.boxes.clear();
  SelectToolFunction(t.app, id::kGenSpice);
  std::string wir = t.app.state.test_dir + "abc.wir";
  ASSERT_EQ(t.ui.boxes.size(), 4u);
  EXPECT_EQ(t.ui.boxes[0].text, ".tmc file not found, run Prune first.");
  EXPECT_EQ(t.ui.boxes[0].caption, "abc.tmc");
  EXPECT_EQ(t.ui.boxes[1].text, ".wir file not found, export nettran from sedit");
  EXPECT_EQ(t.ui.boxes[1].caption, wir);
  EXPECT_EQ(t.ui.boxes[2].text, "You may need to prune before spice gen to update .tmc file");
  EXPECT_EQ(t.ui.boxes[3].caption, "Unable to open:");

  t.ui.boxes.clear();
  SelectToolFunction(t.app, id::kPrune);
  ASSERT_EQ(t.ui.boxes.size(), 1u);
  EXPECT_EQ(t.ui.boxes[0].text, ".mac file not found, export nettran from sedit");
  EXPECT_EQ(t.ui.boxes[0].caption, t.app.state.test_dir + "abc.mac");

  // With the files present only the reminder is left.
  WriteFileBytes("abc.mac", "");
  WriteFileBytes("abc.wir", "");
  WriteFileBytes("abc.tmc", "");
  t.ui.boxes.clear();
  SelectToolFunction(t.app, id::kPrune);
  EXPECT_TRUE(t.ui.boxes.empty());
}

TEST(SelectToolFunction, EmptyTestIdStopsButLeavesTheButtonChecked) {
  TestApp t;
  t.UseDesign("");
  t.ui.main.SetText(id::kOptions, "before");
  SelectToolFunction(t.app, id::kMacToNet);
  EXPECT_TRUE(t.ui.main.IsChecked(id::kMacToNet));
  EXPECT_EQ(t.ui.main.GetText(id::kOptions), "before");
  EXPECT_TRUE(t.ui.Showed("Please open a test file set or enter test root name.", "KALVOR"));
  EXPECT_EQ(t.ui.boxes.size(), 1u);
}

TEST(SelectToolFunction, LvsFindsTheSchematicNetlistAndAsksForTheLayout) {
  TestApp t;
  // The design lives one level down, so that ../sedit stays in the scratch
  // directory.
  std::filesystem::create_directories(t.dir / "work");
  std::filesystem::current_path(t.dir / "work");
  t.app.state.test_dir = t.dir / "work/";
  t.UseDesign("abc");
  t.app.state.ledit_dir = "/lay";
  {
    PathOverride path(t.dir.path());  // no lvs.exe anywhere
    SelectToolFunction(t.app, id::kLvs);
  }
  ASSERT_EQ(t.ui.boxes.size(), 2u);
  EXPECT_EQ(t.ui.boxes[0].text,
            "LVS.EXE must be in your autoexec.bat PATH statement to use KALVOR for LVS");
  EXPECT_EQ(t.ui.boxes[0].icon(), box::kIconError);
  EXPECT_EQ(t.ui.boxes[1].text,
            "Could not find nettran generated abc.spc\nor sedit generated ../sedit/abc.sp");
  EXPECT_EQ(t.ui.file_dialog_dirs.back(), "/lay/extract");
  EXPECT_EQ(t.ui.file_dialog_patterns.back(), "*.spc");
  // Cancelled: the option line stays empty.
  EXPECT_EQ(t.ui.main.GetText(id::kOptions), "");
  EXPECT_EQ(t.app.state.program_field, "lvs.exe");

  // The S-Edit netlist is used when it exists; the program is found on
  // PATH whatever its letter case.
  std::filesystem::create_directories(t.dir / "sedit");
  WriteFileBytes(t.dir / "sedit/abc.sp", "");
  std::filesystem::create_directories(t.dir / "bin");
  MakeExecutable(t.dir / "bin/lvs.exe");
  t.ui.boxes.clear();
  t.ui.answers = {"/lay/extract/abc.spc"};
  {
    PathOverride path(t.dir / "bin");
    SelectToolFunction(t.app, id::kLvs);
  }
  std::filesystem::remove_all(t.dir / "sedit");
  EXPECT_TRUE(t.ui.boxes.empty());
  EXPECT_EQ(t.ui.main.GetText(id::kOptions), "-o abc.lvs -vf ../sedit/abc.sp /lay/extract/abc.spc");
}

}  // namespace
}  // namespace kalvor
