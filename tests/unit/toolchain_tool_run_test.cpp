// Run with an outside program: the launch, locating a missing program, the
// autoexec.bat PATH line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/resource.h"
#include "commands/main_window.h"
#include "support/scripted_platform.h"
#include "toolchain/tool_run.h"
#include "toolchain/toolchain.h"

namespace kalvor {
namespace {

using testing::MakeExecutable;
using testing::ReadFileBytes;
using testing::Crlf;
using testing::TestApp;
using testing::WriteFileBytes;

// An App armed with an existing program in the test directory.
struct RunFixture {
  TestApp t;
  RunFixture(const std::string& program, const std::string& options) {
    t.UseDesign("abc");
    MakeExecutable(t.dir / program);
    t.app.state.program_field = program;
    t.app.state.option_line = options;
  }
};

TEST(RunOutsideProgram, NetTranToDiskLaunchesABatchFile) {
  RunFixture f("nettran.exe", "-m /w/abc.mac /w/abc.wir abc.net");
  f.t.ui.main.SetChecked(id::kNetTranToDisk, true);
  f.t.ui.answers = {"no"};
  EXPECT_EQ(RunArmedProgram(f.t.app), Outcome::kStopped);
  // A shell script on POSIX: no CR, which the shell would take as part of
  // the output file's name.
  EXPECT_EQ(ReadFileBytes(f.t.dir / "abc.bat"),
            "nettran.exe -m /w/abc.mac /w/abc.wir abc.net > abc.out\n");
  ASSERT_EQ(f.t.shell.launches.size(), 1u);
  EXPECT_EQ(f.t.shell.launches[0].file, "abc.bat");
  EXPECT_EQ(f.t.shell.launches[0].parameters, "");
  EXPECT_EQ(f.t.shell.launches[0].directory, f.t.app.state.test_dir);
  // ".net" in the option line: the reminder, then the post-processing question.
  ASSERT_EQ(f.t.ui.boxes.size(), 2u);
  EXPECT_EQ(f.t.ui.boxes[0].text, "Click here AFTER NetTran has run.");
  EXPECT_EQ(f.t.ui.boxes[0].caption, "Kalvor");
  EXPECT_EQ(f.t.ui.boxes[1].caption, "<");

  RunFixture w("nettran.exe", "-m a.mac a.wir -f TPR abc");
  w.t.fs.style = PathStyle::kWindows;
  w.t.ui.main.SetChecked(id::kNetTranToDisk, true);
  w.t.ui.answers = {"no"};
  RunArmedProgram(w.t.app);
  EXPECT_EQ(ReadFileBytes(w.t.dir / "abc.bat"),
            "nettran.exe -m a.mac a.wir -f TPR abc > abc.out\r\n");
}

// A line break would end the batch file's line: the program would run
// without its output going to the file, and the rest would be a command.
TEST(RunOutsideProgram, ALineBreakNeverReachesTheBatchFile) {
  RunFixture f("nettran.exe", "-m a.mac a.wir abc.net\r\ncalc.exe");
  f.t.ui.main.SetChecked(id::kNetTranToDisk, true);
  EXPECT_EQ(RunArmedProgram(f.t.app), Outcome::kFailed);
  EXPECT_TRUE(f.t.shell.launches.empty());
  EXPECT_FALSE(std::filesystem::exists(f.t.dir / "abc.bat"));
  EXPECT_EQ(f.t.ui.Last().text, "The command line holds a line break; nothing was run.");
}

TEST(RunOutsideProgram, HandTypedTprOptionTriggersPostProcessingForAnyProgram) {
  RunFixture f("gatesim.exe", "x -f TPR abc");
  f.t.ui.answers = {"no"};
  RunArmedProgram(f.t.app);
  ASSERT_EQ(f.t.ui.boxes.size(), 2u);
  EXPECT_EQ(f.t.ui.boxes[0].text, "Click here AFTER NetTran has run.");

  // Case matters: " tpr" and ".NET" do not count.
  RunFixture g("gatesim.exe", "x -f tpr abc.NET");
  RunArmedProgram(g.t.app);
  EXPECT_TRUE(g.t.ui.boxes.empty());
}

TEST(RunOutsideProgram, FailedLaunchAsksWhetherTheProgramRan) {
  RunFixture f("nettran.exe", "-m a.mac a.wir abc.net");
  f.t.shell.results["nettran.exe"] = {};
  f.t.ui.answers = {"no"};
  EXPECT_EQ(RunArmedProgram(f.t.app), Outcome::kFailed);
  ASSERT_EQ(f.t.ui.boxes.size(), 2u);
  EXPECT_EQ(f.t.ui.boxes[0].text, "There appeared to be some problem.  Did this program run?");
  EXPECT_EQ(f.t.ui.boxes[0].caption, "nettran.exe");
  EXPECT_EQ(f.t.ui.boxes[1].caption, "Possible fix:");
  EXPECT_TRUE(f.t.app.state.tool_run);

  // "Yes": straight to the post-processing question, no reminder.
  RunFixture g("nettran.exe", "-m a.mac a.wir abc.net");
  g.t.shell.results["nettran.exe"] = {};
  g.t.ui.answers = {"yes", "no"};
  RunArmedProgram(g.t.app);
  ASSERT_EQ(g.t.ui.boxes.size(), 2u);
  EXPECT_EQ(g.t.ui.boxes[1].caption, "<");
}

TEST(RunOutsideProgram, WaitedProgramThatFailedIsReportedWithItsStatus) {
  RunFixture f("nettran.exe", "-m a.mac a.wir abc.net");
  f.t.shell.results["nettran.exe"] = {.started = true, .waited = true, .exit_status = 3};
  EXPECT_EQ(RunArmedProgram(f.t.app), Outcome::kFailed);
  ASSERT_EQ(f.t.ui.boxes.size(), 1u);
  EXPECT_EQ(f.t.ui.boxes[0].text, "nettran.exe ended with exit status 3.");
  EXPECT_EQ(f.t.ui.boxes[0].caption, "Kalvor");

  // Status 0: on to the post-processing as before.
  RunFixture g("nettran.exe", "-m a.mac a.wir abc.net");
  g.t.shell.results["nettran.exe"] = {.started = true, .waited = true, .exit_status = 0};
  g.t.ui.answers = {"no"};
  RunArmedProgram(g.t.app);
  ASSERT_FALSE(g.t.ui.boxes.empty());
  EXPECT_EQ(g.t.ui.boxes[0].text, "Click here AFTER NetTran has run.");
}

TEST(LocateProgram, CancelKeepsOrClearsTheProgramField) {
  // Cancel in the question still clears the field and shows the re-boot box.
  RunFixture f("x", "");
  f.t.app.state.program_field = "missing.exe";
  f.t.ui.answers = {"/opt/tools/nettran.exe", "cancel"};
  EXPECT_EQ(LocateProgram(f.t.app.platform, f.t.app.state.program_field), Outcome::kCompleted);
  EXPECT_EQ(f.t.app.state.program_field, "");
  EXPECT_EQ(f.t.ui.Last().text, "You must now re-boot for changes to take effect.");

  // Cancel in the file dialog: nothing changes.
  RunFixture h("x", "");
  h.t.app.state.program_field = "missing.exe";
  EXPECT_EQ(LocateProgram(h.t.app.platform, h.t.app.state.program_field), Outcome::kStopped);
  EXPECT_EQ(h.t.app.state.program_field, "missing.exe");
}

// The autoexec.bat after AddToAutoexecPath(c:\tools) on `before`.
std::string AfterAdding(const std::string& before) {
  TestApp t;
  WriteFileBytes(t.dir / "autoexec.bat", before);
  t.profile.values[kAutoexecKey] = t.dir / "autoexec.bat";
  EXPECT_TRUE(AddToAutoexecPath(t.app.platform, "c:\\tools"));
  return ReadFileBytes(t.dir / "autoexec.bat");
}

TEST(AddToAutoexecPath, InsertsAfterTheLastPathLine) {
  const std::string line = "PATH=c:\\tools;%PATH%";
  EXPECT_EQ(AfterAdding(Crlf({"echo off", "path=c:\\dos", "set tmp=c:\\tmp"})),
            Crlf({"echo off", "path=c:\\dos", line, "set tmp=c:\\tmp"}));
  // The last "path=" counts, in any letter case.
  EXPECT_EQ(AfterAdding(Crlf({"PATH=a", "rem", "Path=b", "rem"})),
            Crlf({"PATH=a", "rem", "Path=b", line, "rem"}));
  // Without any "path=" the line becomes the second line.
  EXPECT_EQ(AfterAdding(Crlf({"echo off", "set a=1", "set b=2"})),
            Crlf({"echo off", line, "set a=1", "set b=2"}));
  // The last line holds "path=" and has no line end: appended.
  EXPECT_EQ(AfterAdding("echo off\r\npath=c:\\dos"),
            "echo off\r\npath=c:\\dos\r\n" + line + "\r\n");
}

TEST(AddToAutoexecPath, LongFilesKeepEveryByte) {
  std::string head;
  for (int i = 0; head.size() < 20000; ++i) head += "set v" + std::to_string(i) + "=x\r\n";
  std::string tail;
  for (int i = 0; tail.size() < 30000; ++i) tail += "rem " + std::to_string(i) + "\r\n";
  const std::string line = "PATH=c:\\tools;%PATH%\r\n";
  // The only "path=" lies beyond the first 16,000 bytes.
  EXPECT_EQ(AfterAdding(head + "path=c:\\dos\r\n" + tail),
            head + "path=c:\\dos\r\n" + line + tail);
  // The "path=" line comes first and more than 16,000 bytes follow it.
  EXPECT_EQ(AfterAdding("path=c:\\dos\r\n" + head + tail),
            "path=c:\\dos\r\n" + line + head + tail);
}

}  // namespace
}  // namespace kalvor
