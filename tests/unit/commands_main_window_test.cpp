#include <gtest/gtest.h>

#include "commands/file_commands.h"
#include "platform/resource.h"
#include "commands/main_window.h"
#include "commands/tool_arming.h"
#include "core/main_dialog.h"
#include "core/startup.h"
#include "support/scripted_platform.h"

namespace kalvor {
namespace {

using testing::TestApp;

const char* const kTestIdMessage = "Please open a test file set or enter test root name.";

TEST(MainDialog, OpeningWithoutSettingsGivesTheDefaults) {
  TestApp t;
  t.app.state.test_dir.clear();
  t.app.state.last_dir.clear();
  StartSession(t.app, "");
  OpenMainDialog(t.app);
  const AppState& s = t.app.state;
  EXPECT_EQ(s.test_id, "");
  EXPECT_EQ(s.test_dir, "");
  EXPECT_EQ(s.last_dir, "");
  // The sibling directory "ledit", written with the host's separator.
  EXPECT_EQ(s.ledit_dir, t.app.style() == PathStyle::kWindows ? "..\\ledit" : "../ledit");
  for (int id : {502, 503, 504, 505, 507, 508, 510}) {
    EXPECT_TRUE(t.ui.main.IsChecked(id)) << id;
  }
  EXPECT_FALSE(t.ui.main.IsChecked(509));
  EXPECT_FALSE(t.ui.main.IsChecked(511));
  EXPECT_EQ(t.ui.main.GetText(id::kLambda), ".3");
  EXPECT_EQ(s.nettran_program, "nettran.exe");
  EXPECT_EQ(s.gatesim_program, "gatesim.exe");
  EXPECT_EQ(t.app.fanout.nets, 100000);
  EXPECT_EQ(t.app.fanout.knets, 10000);
  // The tables themselves wait for the first conversion that needs them.
  EXPECT_TRUE(t.app.fanout.counts.empty());
}

TEST(MainDialog, CommandLineDesignWinsOverStoredSettings) {
  TestApp t;
  t.profile.values["testname"] = "stored";
  t.profile.values["testdir"] = "/nowhere/";
  t.app.state.test_dir.clear();
  testing::WriteFileBytes(t.dir / "a.b.mac", "");
  StartUp(t.app, t.dir / "a.b.mac");
  OpenMainDialog(t.app);
  EXPECT_EQ(t.app.state.test_id, "a");
  EXPECT_EQ(t.app.state.selected_ext, ".mac");
  EXPECT_EQ(t.app.state.test_dir, t.dir.path() + "/");
  EXPECT_EQ(t.app.state.last_dir, t.app.state.test_dir);
  EXPECT_EQ(t.ui.main.GetText(id::kTestId), "a");
}

TEST(MainDialog, CheckBoxesAndLambdaSurviveExit) {
  TestApp t;
  t.profile.values["spc_lambda"] = "0.123456789012";
  OpenMainDialog(t.app);
  EXPECT_EQ(t.ui.main.GetText(id::kLambda), "0.1234567");
  t.ui.main.SetChecked(510, false);
  OnMainCommand(t.app, id::kExit);
  EXPECT_TRUE(t.app.state.exit_requested);
  EXPECT_EQ(t.profile.values["spc_diodes"], "0");
  EXPECT_EQ(t.profile.values["spc_nocom"], "1");
  EXPECT_EQ(t.profile.values["spc_lambda"], "0.1234567");
  TestApp next;
  next.profile.values = t.profile.values;
  OpenMainDialog(next.app);
  EXPECT_FALSE(next.ui.main.IsChecked(510));
}

TEST(Run, EmptyTestIdIsReportedAndStored) {
  TestApp t;
  t.profile.values["testname"] = "old";
  EXPECT_EQ(kalvor::Run(t.app), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed(kTestIdMessage, "KALVOR"));
  EXPECT_EQ(t.ui.Last().icon(), box::kIconInformation);
  EXPECT_EQ(t.profile.values["testname"], "");
}

TEST(Run, RadioWithoutTestIdCheckArmsSimAndRunThenComplains) {
  TestApp t;
  EXPECT_EQ(OnMainCommand(t.app, id::kVhdlSim), Outcome::kCompleted);
  EXPECT_TRUE(t.ui.boxes.empty());
  EXPECT_EQ(t.ui.main.GetText(id::kOptions), " SIM");
  EXPECT_TRUE(t.ui.main.IsChecked(id::kVhdlSim));
  EXPECT_EQ(t.app.state.program_field, "internal");
  OnMainCommand(t.app, id::kRun);
  EXPECT_TRUE(t.ui.Showed(kTestIdMessage, "KALVOR"));
}

TEST(Run, TestIdCheckedFirstLeavesThePreviousRadio) {
  TestApp t;
  OnMainCommand(t.app, id::kVhdlSim);
  EXPECT_EQ(OnMainCommand(t.app, id::kMacToVhdl), Outcome::kFailed);
  EXPECT_TRUE(t.ui.main.IsChecked(id::kVhdlSim));
  EXPECT_FALSE(t.ui.main.IsChecked(id::kMacToVhdl));
  EXPECT_EQ(t.ui.main.GetText(id::kOptions), " SIM");
}

TEST(Run, ArmsEachInternalFunction) {
  struct Case {
    int id;
    const char* option;
    const char* program;
  };
  const Case cases[] = {
      {id::kVhdlSim, " SIM", "internal"},
      {id::kUnsetSim, " NOSIM", "internal"},
      {id::kVhdOut, "vhdout", "internal"},
      {id::kMacToVhdl, "mac2vhd", "internal"},
      {id::kEdifToMac, "edif import", "internal"},
      {id::kACells, "convert A cells to normal", "internal"},
      {id::kSpiceClean, "", "spc_clean"},
  };
  for (const Case& c : cases) {
    TestApp t;
    t.UseDesign("adder");
    t.ui.main.SetText(id::kOptions, "leftover");
    OnMainCommand(t.app, c.id);
    EXPECT_EQ(t.ui.main.GetText(id::kOptions), c.option) << c.id;
    EXPECT_EQ(t.app.state.program_field, c.program) << c.id;
    for (int r = id::kRadioFirst; r <= id::kRadioLast; ++r) {
      EXPECT_EQ(t.ui.main.IsChecked(r), r == c.id) << c.id << " " << r;
    }
  }
}

TEST(Run, EmptyOptionLineOrProgramIsRefused) {
  TestApp t;
  t.UseDesign("adder");
  t.app.state.program_field = "internal";
  // Nothing armed: the message says what to do.
  EXPECT_EQ(kalvor::Run(t.app), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed("No function is chosen.\nClick the round button of a function "
                          "(\"EDIF to .mac\", say), then Run.",
                          "KALVOR"));
  // Armed, but its option line erased.
  t.ui.main.CheckRadio(id::kRadioFirst, id::kRadioLast, id::kMacToVhdl);
  EXPECT_EQ(kalvor::Run(t.app), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed("Please select a valid test file and option string.", "KALVOR"));
  EXPECT_EQ(t.ui.Last().icon(), box::kIconWarning);
}

TEST(Run, UnknownInternalKeywordIsReported) {
  // " sim": the switch is chosen only by "SIM" in capitals, so a .vhd file
  // beside the design must stay as it is.
  for (const std::string line : {"something else", " sim", "nosim", "mac2vhd x"}) {
    TestApp t;
    t.UseDesign("adder");
    testing::WriteFileBytes(t.dir / "a.vhd", "--ifdef SIM\r\n--endif\r\n");
    t.app.state.program_field = "INTERNAL";
    t.ui.main.SetText(id::kOptions, line);
    EXPECT_EQ(kalvor::Run(t.app), Outcome::kFailed) << line;
    ASSERT_EQ(t.ui.boxes.size(), 1u) << line;
    EXPECT_NE(t.ui.boxes[0].text.find("\"" + line + "\""), std::string::npos);
    EXPECT_EQ(t.ui.boxes[0].icon(), box::kIconWarning);
    EXPECT_TRUE(t.shell.launches.empty());
    EXPECT_EQ(testing::ReadFileBytes(t.dir / "a.vhd"), "--ifdef SIM\r\n--endif\r\n");
  }
}

TEST(Run, CommandsWhileBusyAreIgnored) {
  TestApp t;
  t.app.state.busy = true;
  EXPECT_EQ(OnMainCommand(t.app, id::kRun), Outcome::kStopped);
  EXPECT_TRUE(t.ui.boxes.empty());
  t.app.state.busy = false;
  OnMainCommand(t.app, id::kVhdlSim);
  EXPECT_FALSE(t.app.state.busy);
}

TEST(Warnings, LongTestIdAndLongOptionLine) {
  TestApp t;
  t.app.state.test_id = "12345678";
  WarnLongTestId(t.app);
  EXPECT_TRUE(t.ui.boxes.empty());
  t.app.state.test_id = "123456789";
  WarnLongTestId(t.app);
  ASSERT_EQ(t.ui.boxes.size(), 1u);
  EXPECT_EQ(t.ui.boxes[0].caption, "Warning:");
  EXPECT_EQ(t.ui.boxes[0].icon(), box::kIconNone);
  SetOptionLine(t.app, std::string(93, 'x'));
  EXPECT_EQ(t.ui.boxes.size(), 1u);
  SetOptionLine(t.app, std::string(94, 'x'));
  ASSERT_EQ(t.ui.boxes.size(), 2u);
  EXPECT_EQ(t.ui.boxes[1].caption, "Warning: Option string may be too long");
  EXPECT_EQ(t.ui.main.GetText(id::kOptions), std::string(94, 'x'));
}

TEST(EdifEntry, FindsTheFirstExistingExtension) {
  TestApp t;
  t.UseDesign("alu");
  testing::WriteFileBytes(t.dir / "alu.edo", "(edif alu)");
  t.app.state.program_field = "internal";
  t.ui.main.SetText(id::kOptions, "EDIF IMPORT");
  kalvor::Run(t.app);
  EXPECT_EQ(t.app.state.selected_ext, ".edo");
  EXPECT_EQ(t.app.state.selected_file, "alu.edo");
  for (const std::string& pattern : t.ui.file_dialog_patterns) {
    EXPECT_NE(pattern, "*.edf;*.edn;*.edo;*.v;*.vg;*.vm;*.vo;*.vqm");
  }  // A Verilog netlist is found the same way, after the EDIF names.
  TestApp v;
  v.UseDesign("alu");
  testing::WriteFileBytes(v.dir / "alu.vg", "module alu(); endmodule\n");
  v.app.state.program_field = "internal";
  v.ui.main.SetText(id::kOptions, "edif import");
  v.ui.answers = {"no", "cancel"};
  kalvor::Run(v.app);
  EXPECT_EQ(v.app.state.selected_ext, ".vg");
  // The netlist the user chose is read, though an EDIF of its name stands
  // beside it.
  TestApp c;
  testing::WriteFileBytes(c.dir / "alu.edf", "(edif alu)");
  testing::WriteFileBytes(c.dir / "alu.v", "module alu(); endmodule\n");
  c.app.state.selected_file = c.dir / "alu.v";
  SelectFile(c.app);
  c.app.state.program_field = "internal";
  c.ui.main.SetText(id::kOptions, "edif import");
  c.ui.answers = {"no", "cancel"};
  kalvor::Run(c.app);
  EXPECT_EQ(c.app.state.selected_ext, ".v");
  EXPECT_EQ(c.app.state.selected_file, "alu.v");
}

TEST(EdifEntry, FallsBackToTheFileDialogAndStopsOnCancel) {
  TestApp t;
  t.UseDesign("alu");
  t.app.state.program_field = "internal";
  t.ui.main.SetText(id::kOptions, "edif import");
  EXPECT_EQ(kalvor::Run(t.app), Outcome::kStopped);
  ASSERT_EQ(t.ui.file_dialog_patterns.size(), 1u);
  EXPECT_EQ(t.ui.file_dialog_patterns[0], "*.edf;*.edn;*.edo;*.v;*.vg;*.vm;*.vo;*.vqm");
}

TEST(SelectFile, MakesTheFileTheDesignAndDisarms) {
  TestApp t;
  t.app.state.program_field = "spc_clean";
  t.ui.main.SetText(id::kOptions, "-m x");
  t.ui.main.CheckRadio(104, 117, 106);
  t.app.state.tool_run = true;
  t.app.state.selected_file = t.dir / "adder.old.edf";
  SelectFile(t.app);
  const AppState& s = t.app.state;
  EXPECT_EQ(s.test_id, "adder.old");
  EXPECT_EQ(s.selected_ext, ".edf");
  EXPECT_EQ(s.last_dir, t.dir.path());
  EXPECT_EQ(s.test_dir, t.dir.path() + "/");
  EXPECT_FALSE(s.tool_run);
  EXPECT_EQ(t.ui.main.GetText(id::kOptions), "");
  EXPECT_FALSE(t.ui.main.IsChecked(106));
  EXPECT_EQ(s.program_field, "spc_clean");
  EXPECT_EQ(t.profile.values["testname"], "adder.old");
  EXPECT_EQ(t.profile.values["testdir"], t.dir.path() + "/");
  EXPECT_EQ(t.profile.values["lastdir"], t.dir.path());
  t.app.state.selected_file = t.dir / "noext";
  SelectFile(t.app);
  EXPECT_EQ(t.app.state.test_id, "noext");
  EXPECT_EQ(t.app.state.selected_ext, "");
}

// A path with a line break (it would reach the settings as keys of its
// own) or too long to be read back whole is refused: nothing changes and
// nothing is stored. A selection that cannot be stored is a failure.
TEST(SelectFile, PathsItCannotKeepAreRefused) {
  TestApp t;
  t.app.state.test_id = "kept";
  for (const std::string& path : {t.dir / "d\nNETTRAN.EXE=x\n[RDMX]\nx.mac",
                                  t.dir / "a\tb.mac", t.dir / (std::string(300, 'x') + ".mac")}) {
    t.app.state.selected_file = path;
    EXPECT_FALSE(SelectFile(t.app));
    EXPECT_EQ(t.app.state.test_id, "kept");
    EXPECT_TRUE(t.profile.values.empty());
    EXPECT_EQ(t.ui.Last().caption, "Kalvor");
  }
  t.profile.writable = false;
  t.app.state.selected_file = t.dir / "ok.mac";
  EXPECT_FALSE(SelectFile(t.app));
  EXPECT_EQ(t.ui.Last().text, "Unable to save the settings in above file.");
  // Typed into the window: refused the same way.
  t.profile.writable = true;
  t.ui.main.SetText(id::kTestId, "a\nb");
  EXPECT_FALSE(CheckTestId(t.app));
  EXPECT_TRUE(t.profile.values.empty());
  // A double quote, which no Windows file name holds, would end a quoted
  // argument of the batch file early.
  t.fs.style = PathStyle::kWindows;
  t.ui.main.SetText(id::kTestId, "a\" & calc");
  EXPECT_FALSE(CheckTestId(t.app));
  EXPECT_TRUE(t.profile.values.empty());
}

// Windows-style paths keep their letter case: messages show them as the
// user chose them.
TEST(SelectFile, WindowsStylePathsKeepTheirCase) {
  TestApp t;
  t.fs.style = PathStyle::kWindows;
  Session app(Platform{t.ui, t.profile, t.shell, t.fs});
  app.state.selected_file = "C:\\Designs\\Alu\\alu4.mac";
  SelectFile(app);
  EXPECT_EQ(app.state.test_id, "alu4");
  EXPECT_EQ(app.state.selected_ext, ".mac");
  EXPECT_EQ(app.state.last_dir, "C:\\Designs\\Alu");
  EXPECT_EQ(app.state.test_dir, "C:\\Designs\\Alu\\");
}

TEST(SelectFile, DroppedFileNeverStartsTheImport) {
  TestApp t;
  testing::WriteFileBytes(t.dir / "x.edf", "(edif x)");
  OnFileDropped(t.app, t.dir / "x.edf");
  EXPECT_EQ(t.app.state.test_id, "x");
  EXPECT_TRUE(t.ui.boxes.empty());
}

// A path longer than the program keeps would name another file once cut:
// dropped or given at start, it is refused with a message.
TEST(SelectFile, OverlongPathsAreRefusedNotCut) {
  TestApp t;
  t.UseDesign("before");
  std::string path = t.dir / (std::string(300, 'd') + "/x.mac");
  OnFileDropped(t.app, path);
  EXPECT_EQ(t.app.state.test_id, "before");
  ASSERT_EQ(t.ui.boxes.size(), 1u);
  EXPECT_NE(t.ui.boxes[0].text.find(path), std::string::npos);
  StartUp(t.app, path);
  EXPECT_EQ(t.app.state.test_id, "before");
  EXPECT_EQ(t.ui.boxes.size(), 2u);
}

}  // namespace
}  // namespace kalvor
