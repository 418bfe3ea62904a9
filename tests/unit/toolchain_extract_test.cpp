#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/resource.h"
#include "commands/main_window.h"
#include "core/safe_replace.h"
#include "support/scripted_platform.h"
#include "toolchain/extract.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;

// GateSim output with a header (time 0) and the times 50, 150 and 420.
const char kOut[] =
    "time A B Y\r\n"
    "50 1 0 1\r\n"
    "150 0 0 1\r\n"
    "420 1 1 0\r\n";

struct ExtractFixture : ::testing::Test {
  ExtractFixture() {
    t.UseDesign("abc");
    WriteFileBytes(t.dir / "abc.OUT", kOut);
  }
  // Fills the dialog's fields and presses OK; checks the initial fields.
  void Fill(std::string start, std::string step, bool latest,
            std::string to = "") {
    t.ui.dialog_scripts.push_back([=](TableView& v) {
      EXPECT_EQ(v.GetText(extdlg::kInputName), "abc.OUT");
      EXPECT_EQ(v.GetText(extdlg::kOutputName), "abc.DOC");
      EXPECT_FALSE(v.IsChecked(extdlg::kLatest));
      v.SetText(extdlg::kStartTime, start);
      v.SetText(extdlg::kDeltaTime, step);
      v.SetChecked(extdlg::kLatest, latest);
      if (!to.empty()) v.SetText(extdlg::kOutputName, to);
      return kIdOk;
    });
  }
  Outcome Press() { return OnMainCommand(t.app, id::kExtract); }
  TestApp t;
};

TEST_F(ExtractFixture, LatestLineBeforeEachTimePoint) {
  Fill("100", "100", true);
  t.ui.answers = {"no"};  // view now?
  EXPECT_EQ(Press(), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.DOC"),
            "     100 50 1 0 1\r\n"
            "     400 150 0 0 1\r\n");
  EXPECT_TRUE(t.ui.Showed("View extracted data now?", "KALVOR"));
  EXPECT_TRUE(t.shell.launches.empty());
}

TEST_F(ExtractFixture, InputLinesThatReachTheTimePoints) {
  Fill("100", "100", false);
  t.ui.answers = {"yes"};
  EXPECT_EQ(Press(), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.DOC"), "150 0 0 1\r\n420 1 1 0\r\n");
  ASSERT_EQ(t.shell.launches.size(), 1u);
  EXPECT_EQ(t.shell.launches[0].file, "notepad.exe");
  EXPECT_EQ(t.shell.launches[0].parameters, "abc.DOC");
}

TEST_F(ExtractFixture, EmptyStartTimeTakesTheHeader) {
  Fill("", "200", true, "table.txt");
  t.ui.answers = {"no"};
  Press();
  // The header reaches point 0 with no timed line before it; 150 passes 0
  // (200 is next), 420 passes 400.
  EXPECT_EQ(ReadFileBytes(t.dir / "table.txt"),
            "       0 \r\n"
            "     400 150 0 0 1\r\n");
}

TEST_F(ExtractFixture, FieldsThatKeepTheDialogOpen) {
  for (const char* step : {"0", "-5", "abc", ""}) {
    t.ui.boxes.clear();
    Fill("0", step, false);
    // The dialog stays open after the warning; Cancel then closes it.
    t.ui.dialog_scripts.push_back([](TableView&) { return kIdCancel; });
    EXPECT_EQ(Press(), Outcome::kStopped) << step;
    ASSERT_EQ(t.ui.boxes.size(), 1u) << step;
    EXPECT_EQ(t.ui.boxes[0].text, "Must specify positive Delta Time");
    EXPECT_EQ(t.ui.boxes[0].icon(), box::kIconWarning);
    EXPECT_FALSE(std::filesystem::exists(t.dir / "abc.DOC"));
  }
  // Nor may the output be the file being read.
  t.ui.boxes.clear();
  Fill("0", "10", false, "./abc.OUT");
  t.ui.dialog_scripts.push_back([](TableView&) { return kIdCancel; });
  EXPECT_EQ(Press(), Outcome::kStopped);
  EXPECT_TRUE(t.ui.Showed("The output file is the .OUT file being read.\nChoose another name.",
                          "KALVOR"));
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.OUT"), kOut);
  // A corrected step on the second OK extracts.
  Fill("0", "0", false);
  t.ui.dialog_scripts.push_back([](TableView& v) {
    v.SetText(extdlg::kDeltaTime, "400");
    return kIdOk;
  });
  t.ui.answers = {"no"};
  EXPECT_EQ(Press(), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.DOC"), "time A B Y\r\n420 1 1 0\r\n");
}

TEST_F(ExtractFixture, CheckBoxTogglesOnEachClick) {
  t.ui.dialog_scripts.push_back([](TableView& v) {
    v.SetText(extdlg::kStartTime, "100");
    v.SetText(extdlg::kDeltaTime, "100");
    return extdlg::kLatest;
  });
  t.ui.dialog_scripts.push_back([](TableView& v) {
    EXPECT_TRUE(v.IsChecked(extdlg::kLatest));
    return extdlg::kLatest;  // off again
  });
  t.ui.dialog_scripts.push_back([](TableView&) { return extdlg::kLatest; });
  t.ui.dialog_scripts.push_back([](TableView&) { return kIdOk; });
  t.ui.answers = {"no"};
  Press();
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.DOC"), "     100 50 1 0 1\r\n     400 150 0 0 1\r\n");
}

TEST_F(ExtractFixture, MissingInputAndUncreatableOutput) {
  std::filesystem::remove(t.dir / "abc.OUT");
  EXPECT_EQ(Press(), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed("abc.OUT", "File not found:"));
  EXPECT_TRUE(t.ui.dialogs_run.empty());

  WriteFileBytes(t.dir / "abc.OUT", kOut);
  t.ui.boxes.clear();
  Fill("0", "10", false, "no-such-dir/x.DOC");
  EXPECT_EQ(Press(), Outcome::kFailed);
  ASSERT_EQ(t.ui.boxes.size(), 1u);
  EXPECT_EQ(t.ui.boxes[0].text, kUnableToCreate);
  EXPECT_EQ(t.ui.boxes[0].caption, "no-such-dir/x.DOC");
  EXPECT_EQ(t.ui.boxes[0].icon(), box::kIconError);
}

TEST_F(ExtractFixture, LongLinesAreOneSample) {
  // A line of many node values, longer than any fixed line buffer.
  std::string values;
  for (int i = 0; i < 400; ++i) values += " 1";
  WriteFileBytes(t.dir / "abc.OUT", "10" + values + "\n20" + values + "\n30 0\n");
  Fill("0", "10", false);
  t.ui.answers = {"no"};
  Press();
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.DOC"),
            "10" + values + "\r\n20" + values + "\r\n30 0\r\n");
}

TEST_F(ExtractFixture, TimesAtTheEndsOfTheRange) {
  // Far apart times with a small step, and times beyond 64 bits: the time
  // points advance in one step and never overflow.
  WriteFileBytes(t.dir / "abc.OUT",
                 "-7 neg\n"
                 "9223372036854775807 max\n"
                 "99999999999999999999999 beyond\n");
  Fill("-10", "1", true);
  t.ui.answers = {"no"};
  Press();
  EXPECT_EQ(ReadFileBytes(t.dir / "abc.DOC"),
            "      -7 \r\n"
            "2305843009213693952 -7 neg\r\n");
}

}  // namespace
}  // namespace kalvor
