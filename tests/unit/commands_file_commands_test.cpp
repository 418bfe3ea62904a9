#include <gtest/gtest.h>

#include <filesystem>

#include "commands/file_commands.h"
#include "platform/resource.h"
#include "commands/main_window.h"
#include "posix/posix_platform.h"
#include "support/scripted_platform.h"
#include "rewrite_support.h"
#include "core/safe_replace.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;

// A project directory inside the scratch directory, with a source folder.
struct CopyFixture {
  TestApp t;
  std::string project;
  std::string source;
  CopyFixture() {
    project = t.dir / "proj";
    source = t.dir / "sedit";
    std::filesystem::create_directories(project);
    std::filesystem::create_directories(source);
    t.app.state.test_dir = project + "/";
    t.app.state.last_dir = t.dir.path();
  }
};

TEST(CopyIntoProject, MacBringsItsWireListAndBecomesTheDesign) {
  CopyFixture f;
  WriteFileBytes(f.source + "/alu.mac", "mac");
  WriteFileBytes(f.source + "/alu.wir", "wir");
  f.t.ui.answers = {f.source + "/alu.mac"};
  EXPECT_EQ(CopyIntoProject(f.t.app, "*.mac"), Outcome::kCompleted);
  EXPECT_EQ(f.t.ui.file_dialog_dirs[0], f.t.dir.path());
  EXPECT_EQ(ReadFileBytes(f.project + "/alu.mac"), "mac");
  EXPECT_EQ(ReadFileBytes(f.project + "/alu.wir"), "wir");
  EXPECT_TRUE(f.t.ui.Showed("Done.", "File Copy"));
  EXPECT_EQ(f.t.app.state.test_id, "alu");
  EXPECT_EQ(f.t.app.state.selected_ext, ".wir");
  EXPECT_EQ(f.t.profile.values["SEditDir"], f.source);
}

// The macro file and its wire list are copied both or neither.
TEST(CopyIntoProject, MissingWireListStopsWithoutChangingTheSelection) {
  CopyFixture f;
  WriteFileBytes(f.source + "/alu.mac", "mac");
  f.t.app.state.test_id = "before";
  f.t.ui.answers = {f.source + "/alu.mac"};
  EXPECT_EQ(CopyIntoProject(f.t.app, "*.mac"), Outcome::kFailed);
  EXPECT_FALSE(FileExists(f.project + "/alu.mac"));
  EXPECT_TRUE(f.t.ui.Showed("Unable to open above file.", f.source + "/alu.wir"));
  EXPECT_EQ(f.t.app.state.test_id, "before");
}

TEST(CopyIntoProject, DecliningOverwriteStopsQuietly) {
  CopyFixture f;
  WriteFileBytes(f.source + "/amp.sp", "new");
  WriteFileBytes(f.project + "/amp.sp", "old");
  f.t.ui.answers = {f.source + "/amp.sp", "no"};
  EXPECT_EQ(CopyIntoProject(f.t.app, "*.sp;*.spc"), Outcome::kFailed);
  ASSERT_EQ(f.t.ui.boxes.size(), 1u);
  EXPECT_EQ(f.t.ui.boxes[0].text, "Overwrite above file?");
  EXPECT_EQ(f.t.ui.boxes[0].caption, f.project + "/amp.sp");
  EXPECT_EQ(ReadFileBytes(f.project + "/amp.sp"), "old");
}

TEST(CopyIntoProject, SpiceFileIsCopiedAndSelected) {
  CopyFixture f;
  WriteFileBytes(f.source + "/amp.sp", std::string(40000, 'x'));
  f.t.ui.answers = {f.source + "/amp.sp"};
  EXPECT_EQ(CopyIntoProject(f.t.app, "*.sp;*.spc"), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes(f.project + "/amp.sp").size(), 40000u);
  EXPECT_EQ(f.t.app.state.test_id, "amp");
}

TEST(Reformat, LineEndsBecomeCrLfAndTabsBlanks) {
  TestApp t;
  WriteFileBytes(t.dir / "notes.txt", "a\tb\nc\rd\n\re");
  t.ui.answers = {t.dir / "notes.txt", "ok"};
  EXPECT_EQ(ReformatText(t.app), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes(t.dir / "notes.txt"), "a b\r\nc\r\nd\r\ne\r\n");
  EXPECT_TRUE(t.ui.Showed("Done.", ""));
  EXPECT_FALSE(std::filesystem::exists(t.dir / "~kvtmp.txt"));
}

TEST(Reformat, OverlongLinesPassThroughWhole) {
  TestApp t;
  std::string longline(40000, 'q');
  WriteFileBytes(t.dir / "big.sp", longline + "\n" + "tail");
  t.ui.answers = {t.dir / "big.sp", "ok"};
  EXPECT_EQ(ReformatText(t.app), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes(t.dir / "big.sp"), longline + "\r\ntail\r\n");
}

TEST(Reformat, CancelChangesNothing) {
  TestApp t;
  WriteFileBytes(t.dir / "x.txt", "a\n");
  t.ui.answers = {t.dir / "x.txt", "cancel"};
  EXPECT_EQ(ReformatText(t.app), Outcome::kStopped);
  EXPECT_EQ(ReadFileBytes(t.dir / "x.txt"), "a\n");
  EXPECT_EQ(t.ui.boxes[0].text, "Reformat line-ends in above file?");
}

TEST(Reformat, FailedReplaceKeepsTheOriginalAndNoScratchFile) {
  TestApp t;
  testing::LockedApp locked(t);
  WriteFileBytes(t.dir / "x.txt", "a\nb");
  t.ui.answers = {t.dir / "x.txt", "ok"};
  EXPECT_EQ(ReformatText(locked.app), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed(kUnableToWrite, t.dir / "x.txt"));
  EXPECT_EQ(ReadFileBytes(t.dir / "x.txt"), "a\nb");
  EXPECT_TRUE(testing::ScratchFilesIn(t.dir.path()).empty());
}

TEST(ViewButtons, WaveViewTriesBothViewersThenComplainsOnce) {
  TestApp t;
  t.UseDesign("adder");
  t.shell.results["gap.exe"] = {};
  t.shell.results["waveview.exe"] = {};
  EXPECT_EQ(OnMainCommand(t.app, id::kWaveView), Outcome::kFailed);
  ASSERT_EQ(t.shell.launches.size(), 2u);
  EXPECT_EQ(t.shell.launches[0].parameters, "adder.OUT");
  ASSERT_EQ(t.ui.boxes.size(), 1u);
  EXPECT_EQ(t.ui.boxes[0].caption, "Unable to launch WAVEVIEW.EXE or GAP.EXE");
  OnMainCommand(t.app, id::kViewMac);
  EXPECT_EQ(t.shell.launches.back().file, "notepad.exe");
  EXPECT_EQ(t.shell.launches.back().parameters, "adder.MAC");
}

// The plain-text help file opens in the text viewer; a missing file or a
// failed launch is reported.
TEST(Help, OpensTheHelpFileInTheTextViewerOrSaysWhy) {
  TestApp t;
  t.app.state.program_dir = t.dir.path();
  std::string help = t.dir / "KALVOR.HLP";
  EXPECT_EQ(OnMainCommand(t.app, id::kHelp), Outcome::kFailed);
  EXPECT_EQ(t.ui.Last().text, "The help file could not be opened:\n\n" + help);
  EXPECT_TRUE(t.shell.launches.empty());
  WriteFileBytes(help, "KALVOR HELP\r\n");
  EXPECT_EQ(OnMainCommand(t.app, id::kHelp), Outcome::kCompleted);
  ASSERT_EQ(t.shell.launches.size(), 1u);
  EXPECT_EQ(t.shell.launches[0].file, "notepad.exe");
  EXPECT_EQ(t.shell.launches[0].parameters, help);
  t.shell.results["notepad.exe"] = {};
  t.ui.boxes.clear();
  EXPECT_EQ(OnMainCommand(t.app, id::kHelp), Outcome::kFailed);
  EXPECT_EQ(t.ui.boxes.size(), 1u);
}

}  // namespace
}  // namespace kalvor
