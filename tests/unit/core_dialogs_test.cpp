#include <gtest/gtest.h>

#include <string>

#include "core/dialogs.h"
#include "core/warnings.h"
#include "platform/table_view.h"
#include "support/scripted_platform.h"
#include "text/file.h"

namespace kalvor {
namespace {

using testing::TestApp;
using testing::WriteFileBytes;

TEST(ParamDialog, FillsControlsAndRewritesOnOk) {
  std::string options = "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;";
  ParamDialog dialog("mac2vhd", options);
  TableView view;
  dialog.OnInit(view);
  EXPECT_EQ(view.GetText(101), "NC");
  EXPECT_EQ(view.GetText(102), "PORTPADA");
  EXPECT_EQ(view.GetText(103), "");
  EXPECT_FALSE(view.IsChecked(104));
  view.SetChecked(104, true);
  view.SetText(105, "ieee.numeric_std.all");
  dialog.OnCommand(kIdOk, view);
  EXPECT_EQ(view.result(), 1);
  EXPECT_EQ(options, "m1=NC;m2=PORTPADA;m3=;=y;p1=ieee.numeric_std.all;p2=;");
}

TEST(ParamDialog, CancelLeavesTheStringAndSeparatorsAreRefused) {
  std::string options = "supply=3.3;counts/volt=1241;limit=y;";
  ParamDialog dialog("vhdout", options);
  TableView view;
  dialog.OnInit(view);
  view.SetText(101, "5;x=1");
  dialog.OnCommand(kIdCancel, view);
  EXPECT_EQ(view.result(), 2);
  EXPECT_EQ(options, "supply=3.3;counts/volt=1241;limit=y;");
  view.Reset();
  dialog.OnCommand(kIdOk, view);
  EXPECT_EQ(options, "supply=5x1;counts/volt=1241;limit=y;");
}

TEST(OptionStrings, SameFieldCountGuardsStoredValues) {
  EXPECT_TRUE(SameFieldCount("se=y;le=n;", "se=n;le=y;"));
  EXPECT_FALSE(SameFieldCount("se=y;le=n;", "se=n;le=y;x=1;"));
  TestApp t;
  t.profile.values["spcsel"] = "se=n;le=y;x=1;";
  EXPECT_EQ(LoadOptionString(t.profile, "spcsel", "se=y;le=n;", 256, true), "se=y;le=n;");
  t.profile.values["vhdout"] = "supply=5;";
  EXPECT_EQ(LoadOptionString(t.profile, "vhdout", "supply=3.3;counts/volt=1241;limit=y;",
                             16000, false),
            "supply=5;");
}

TEST(Progress, HalfwayAndTheAnimationRule) {
  TestApp t;
  WriteFileBytes(t.dir / "f.bin", std::string(250000, 'x'));
  File f;
  ASSERT_TRUE(f.Open(t.dir / "f.bin", File::Mode::kRead));
  Progress p;
  p.Open(t.ui, "Converting:", "f.bin");
  f.Seek(125000);
  p.Step(f);
  EXPECT_EQ(p.last_position_k(), 125u);
  EXPECT_EQ(p.last_total_k(), 250u);
  EXPECT_FALSE(p.animate());
  p.Step(f);
  EXPECT_TRUE(p.animate());
  f.Seek(130000);
  p.Step(f);
  EXPECT_FALSE(p.animate());
  p.Close();
  EXPECT_EQ(t.ui.progress_log.front(), "open Converting: f.bin");
  EXPECT_EQ(t.ui.progress_log.back(), "close");
}

// Steps come far more often than a window can be drawn: within the redraw
// interval only the arithmetic goes on; Cancel is seen at every step.
TEST(Progress, DrawsOncePerIntervalAndSeesCancel) {
  TestApp t;
  WriteFileBytes(t.dir / "f.bin", std::string(5000, 'x'));
  File f;
  ASSERT_TRUE(f.Open(t.dir / "f.bin", File::Mode::kRead));
  Progress p;
  p.set_redraw_interval(std::chrono::hours(1));
  p.Open(t.ui, "Converting:", "f.bin");
  for (int i = 0; i < 5; ++i) {
    f.Seek(i * 1000);
    p.Step(f);
  }
  EXPECT_EQ(p.draws(), 1);
  EXPECT_EQ(p.last_position_k(), 4u);
  EXPECT_FALSE(p.cancelled());
  t.ui.cancel_after_draws = 1;  // the user has pressed Cancel
  p.Step(f);
  EXPECT_TRUE(p.cancelled());
  EXPECT_EQ(p.draws(), 1);
  p.Close();
}

// A repeated warning is one line of the list: its words with one blank
// between them, whatever blanks, tabs and line ends stood there.
TEST(RepeatedWarnings, ListLinesHoldTheWordsWithSingleBlanks) {
  TestApp t;
  t.ui.ok_boxes_wait = true;
  const std::pair<std::string, std::string> cases[] = {
      {"one two", "[W] one two"},
      {"  lead\ttab\r\nline  end  ", "[W] lead tab line end"},
      {"Try  Add I/O's\n\n   A\n   B\n", "[W] Try Add I/O's A B"},
      {"a \nb\t\tc", "[W] a b c"},
      {" \t\r\n", "[W]"},
      {"", "[W]"},
  };
  RepeatedWarnings warnings;
  warnings.Begin([] { return std::string("list.txt"); });
  std::vector<std::string> expected;
  for (const auto& [text, line] : cases) {
    warnings.Warn(t.ui, "kind", text, "W", box::kOk);
    expected.push_back(line);
  }
  warnings.Finish(t.ui);
  EXPECT_EQ(testing::ReadFileBytes("list.txt"), testing::Crlf(expected));
}

}  // namespace
}  // namespace kalvor
