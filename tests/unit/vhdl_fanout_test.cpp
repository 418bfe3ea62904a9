#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/resource.h"
#include "core/startup.h"
#include "vhdl/fanout.h"
#include "vhdl/mac_to_vhdl.h"
#include "vhdl/fanout.h"
#include "core/safe_replace.h"
#include "support/scripted_platform.h"
#include "text/file.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;

struct Tables : TestApp {
  Tables(long nets, long knets) {
    app.fanout.nets = nets;
    app.fanout.knets = knets;
    AllocateFanoutTables(app.fanout);
  }
};

void CountAll(FanoutAnalysis& fanout, const std::vector<std::string>& names) {
  for (const std::string& name : names) CountFanout(fanout, name);
}

// The full adder's counted occurrences: header ports, then instance nodes.
const std::vector<std::string> kFullAdderNodes = {"a", "b", "ci", "s",  "co", "a",
                                                  "b", "n1", "n1", "ci", "s"};

TEST(Fanout, FullAdderTablesReportAndClosingQuestion) {
  Tables t(100000, 10000);
  FanoutAnalysis fanout(t.app.fanout);
  CountAll(fanout, kFullAdderNodes);
  EXPECT_EQ(fanout.Text(), " a 0  b 1  ci 2  s 3  co 4  n1 5 ");
  std::vector<int> counters;
  for (std::size_t i = 0; i < fanout.entries(); ++i) counters.push_back(fanout.Counter(i));
  EXPECT_EQ(counters, (std::vector<int>{2, 2, 2, 2, 1, 2}));

  t.ui.answers.push_back("yes");
  EXPECT_EQ(FinishFanout(t.app.platform, fanout, t.app.state.test_dir + kFanoutReportName), Outcome::kCompleted);
  EXPECT_TRUE(t.ui.Showed("6 nets counted; the name table uses 33 of 100000 bytes, the counters 6 "
                          "of 10000. Every counted net is listed in the fanout report.",
                          "NETS="));
  EXPECT_EQ(ReadFileBytes("~fanout.txt"),
            "fanout\tnet(node)\r\n"
            "------\t-------------------------------------------------------\r\n"
            "1\tA\r\n1\tB\r\n1\tCI\r\n1\tS\r\n1\tN1\r\n0\tCO\r\n");
  EXPECT_TRUE(t.ui.Showed(
      "\nMax detected fanout = 1, occurring on node 'A'       \nNOTE: PORTS are only "
      "counted as ONE unit load.\n\nDisplay fanout report?",
      "Done."));
  EXPECT_EQ(t.ui.Last().type, box::kYesNo | box::kIconQuestion);
  ASSERT_EQ(t.shell.launches.size(), 1u);
  EXPECT_EQ(t.shell.launches[0].file, t.dir.path() + "/~fanout.txt");
  // Reporting cleared the counters.
  EXPECT_EQ(fanout.Counter(0), 0);
}

TEST(Fanout, LargestFirstTiesByFirstAppearanceAndNoOpenOnNo) {
  Tables t(100000, 10000);
  FanoutAnalysis fanout(t.app.fanout);
  CountAll(fanout, {"p", "x", "y", "y", "x", "z", "z", "z", "x"});
  t.ui.answers.push_back("no");
  FinishFanout(t.app.platform, fanout, t.app.state.test_dir + kFanoutReportName);
  EXPECT_EQ(ReadFileBytes("~fanout.txt").substr(82), "2\tX\r\n2\tZ\r\n1\tY\r\n0\tP\r\n");
  EXPECT_TRUE(t.shell.launches.empty());
}

TEST(Fanout, NamesThatLookLikeIndexesStayApart) {
  // "inst_5" normalises to "5": it must not be taken for the index of "x".
  Tables t(100000, 10000);
  FanoutAnalysis fanout(t.app.fanout);
  CountAll(fanout, {"a", "b", "c", "d", "e", "x", "5", "5", "x", "x"});
  EXPECT_EQ(fanout.entries(), 7u);
  EXPECT_EQ(fanout.Counter(5), 3);
  EXPECT_EQ(fanout.Counter(6), 2);
}

TEST(Fanout, CountersStopAtTheirLargestValue) {
  Tables t(1000, 10);
  FanoutAnalysis fanout(t.app.fanout);
  for (int i = 0; i < 70000; ++i) CountFanout(fanout, "clk");
  EXPECT_EQ(fanout.Counter(0), kFanoutCounterMax);
  EXPECT_EQ(fanout.ReportOrder().size(), 1u);
}

TEST(Fanout, KNetsOfThreeLetsTwoEntriesInThenAsksToDouble) {
  Tables t(100000, 3);
  t.ui.main.SetText(id::kLambda, ".3");
  FanoutAnalysis fanout(t.app.fanout);
  CountAll(fanout, {"a", "b", "c", "a", "d"});
  EXPECT_TRUE(fanout.overflow());
  EXPECT_EQ(fanout.Text(), " a 0  b 1 ");
  EXPECT_EQ(fanout.Counter(0), 2);  // known names go on being counted

  t.ui.answers.push_back("no");
  EXPECT_EQ(FinishFanout(t.app.platform, fanout, t.app.state.test_dir + kFanoutReportName), Outcome::kCompleted);
  EXPECT_TRUE(t.ui.Showed(
      "Do you want to double the fanout node table size next time Kalvor runs?",
      "Fanout node table size exceeded."));
  EXPECT_FALSE(t.profile.Has("NETS"));
  EXPECT_FALSE(t.app.fanout.resize_requested);
  EXPECT_FALSE(FileExists("~fanout.txt"));

  t.ui.answers.push_back("yes");
  FinishFanout(t.app.platform, fanout, t.app.state.test_dir + kFanoutReportName);
  EXPECT_EQ(t.profile.values["NETS"], "200000");
  EXPECT_EQ(t.profile.values["kNETS"], "6");
  // The analysis only asks for the end; the command ends the program.
  EXPECT_TRUE(t.app.fanout.resize_requested);
  EXPECT_FALSE(t.app.state.exit_requested);
  EXPECT_FALSE(FileExists("~fanout.txt"));
}

TEST(Fanout, NameBufferLimitKeepsTenBytesSpare) {
  // " a 0 " takes 5 bytes; the next key " b " needs 3 + 10 more.
  Tables t(18, 100);
  FanoutAnalysis fanout(t.app.fanout);
  CountAll(fanout, {"a", "b"});
  EXPECT_FALSE(fanout.overflow());
  CountFanout(fanout, "c");
  EXPECT_TRUE(fanout.overflow());
  EXPECT_EQ(fanout.Text(), " a 0  b 1 ");
}

TEST(Fanout, ReportThatCannotBeWrittenIsAFailure) {
  Tables t(1000, 100);
  std::filesystem::create_directory(t.dir / "~fanout.txt");
  FanoutAnalysis fanout(t.app.fanout);
  CountFanout(fanout, "a");
  EXPECT_EQ(FinishFanout(t.app.platform, fanout, t.app.state.test_dir + kFanoutReportName), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed(kUnableToWrite, t.dir / "~fanout.txt"));
  EXPECT_NE(t.ui.Last().caption, "Done.");
}

TEST(Fanout, MissingTablesAreReportedNotUsed) {
  Tables t(0, 0);
  FanoutAnalysis fanout(t.app.fanout);
  CountFanout(fanout, "a");
  EXPECT_EQ(FinishFanout(t.app.platform, fanout, t.app.state.test_dir + kFanoutReportName), Outcome::kFailed);
  EXPECT_EQ(t.ui.Last().caption, "Fanout analysis");
  EXPECT_FALSE(FileExists("~fanout.txt"));
}

TEST(Fanout, ConversionEndsWithTheDoublingQuestion) {
  Tables t(100000, 3);
  t.UseDesign("fa");
  t.ui.main.SetText(id::kLambda, ".3");
  WriteFileBytes("fa.mac", ".macro FA A B CI\r\n.eom\r\n");
  t.ui.answers.push_back("yes");
  EXPECT_EQ(testing::RunArmed(t.app, id::kMacToVhdl), Outcome::kCompleted);
  EXPECT_TRUE(t.app.state.exit_requested);
  EXPECT_EQ(t.profile.values["kNETS"], "6");
  // The settings were saved as Exit saves them.
  EXPECT_EQ(t.profile.values["testdir"], t.app.state.test_dir);
  EXPECT_EQ(t.profile.values["spc_lambda"], ".3");
  // The VHDL file is complete all the same.
  EXPECT_NE(ReadFileBytes("fa.vhd").find("  ci : inout std_logic );"), std::string::npos);
}

}  // namespace
}  // namespace kalvor
