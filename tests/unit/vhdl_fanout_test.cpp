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

// The name table's entries as its classic text (" name index " each),
// checked against the size the table counts for it.
std::string Text(const FanoutAnalysis& fanout) {
  std::string text;
  for (std::size_t i = 0; i < fanout.entries(); ++i) {
    text += " " + std::string(fanout.Name(i)) + " " + std::to_string(i) + " ";
  }
  EXPECT_EQ(fanout.TextSize(), text.size());
  return text;
}

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
  EXPECT_EQ(Text(fanout), " a 0  b 1  ci 2  s 3  co 4  n1 5 ");
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

  // Names handed on with their counts (a macro's at its end) give the same
  // entries and counters as counted one at a time, up to the largest value.
  Tables u(1000, 10);
  FanoutAnalysis batch(u.app.fanout);
  auto count_all = [&batch](const std::vector<std::string_view>& names,
                            const std::vector<std::uint32_t>& times) {
    std::vector<FanoutAnalysis::Counted> counted;
    for (std::size_t k = 0; k < names.size(); ++k) {
      counted.push_back({names[k], NameIndex::Hash(names[k]), times[k]});
    }
    batch.CountAll(counted);
  };
  count_all({"clk", "a", "b"}, {70000, 1, 65534});
  count_all({"b", "a"}, {3, 2});
  EXPECT_EQ(Text(batch), " clk 0  a 1  b 2 ");
  EXPECT_EQ(batch.Counter(0), kFanoutCounterMax);
  EXPECT_EQ(batch.Counter(1), 3);
  EXPECT_EQ(batch.Counter(2), kFanoutCounterMax);
}

// Tables too small for the design grow in the run that needs them: every
// name is entered and counted, the report is made, no question is asked and
// the program goes on; the sizes reached are stored for the next start. The
// name text keeps ten bytes spare after each entry as before.
TEST(Fanout, TablesGrowInTheRunAndTheirSizeIsStored) {
  struct Case {
    long nets, knets;
    std::vector<std::string> names;
    std::string text;
    long nets_after, knets_after;
  } cases[] = {
      {100000, 3, {"a", "b", "c", "a", "d"}, " a 0  b 1  c 2  d 3 ", 100000, 6},
      // " a 0 " takes 5 bytes; the key " b " needs 3 + 10 more: 18 hold
      // two entries, the third doubles the text.
      {18, 100, {"a", "b", "c"}, " a 0  b 1  c 2 ", 36, 100},
      {18, 100, {"a", "b"}, " a 0  b 1 ", 18, 100},
      // One long name needs several doublings of the text at once.
      {20, 2, {std::string(100, 'n')}, " " + std::string(100, 'n') + " 0 ", 160, 2},
  };
  for (const Case& c : cases) {
    Tables t(c.nets, c.knets);
    t.ui.main.SetText(id::kLambda, ".3");
    FanoutAnalysis fanout(t.app.fanout);
    CountAll(fanout, c.names);
    EXPECT_FALSE(fanout.overflow()) << c.text;
    EXPECT_EQ(Text(fanout), c.text);
    EXPECT_EQ(fanout.Counter(0), c.names.size() > 3 ? 2 : 1) << c.text;
    t.ui.answers.push_back("no");
    EXPECT_EQ(FinishFanout(t.app.platform, fanout, t.app.state.test_dir + kFanoutReportName),
              Outcome::kCompleted);
    EXPECT_TRUE(FileExists("~fanout.txt")) << c.text;
    bool grew = c.nets_after != c.nets || c.knets_after != c.knets;
    EXPECT_EQ(t.app.fanout.nets, c.nets_after) << c.text;
    EXPECT_EQ(t.app.fanout.knets, c.knets_after) << c.text;
    EXPECT_EQ(t.profile.Has("NETS"), grew) << c.text;
    if (grew) {
      EXPECT_EQ(t.profile.values["NETS"], std::to_string(c.nets_after));
      EXPECT_EQ(t.profile.values["kNETS"], std::to_string(c.knets_after));
    }
    EXPECT_FALSE(t.ui.Showed(
        "Do you want to double the fanout node table size next time Kalvor runs?",
        "Fanout node table size exceeded."));
    EXPECT_FALSE(t.app.state.exit_requested);
    std::filesystem::remove("~fanout.txt");
  }
  // Many new names: the counters double as often as needed.
  Tables t(100, 2);
  FanoutAnalysis fanout(t.app.fanout);
  for (int i = 0; i < 5000; ++i) CountFanout(fanout, "net" + std::to_string(i));
  EXPECT_EQ(fanout.entries(), 5000u);
  EXPECT_EQ(fanout.Name(4999), "net4999");
  EXPECT_GT(t.app.fanout.knets, 5000);
  EXPECT_FALSE(fanout.overflow());
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

// The command goes on after a conversion whose tables grew: the program
// does not end, the grown tables serve the next conversion of the run.
TEST(Fanout, ConversionWithTooSmallTablesGoesOn) {
  Tables t(100000, 3);
  t.UseDesign("fa");
  WriteFileBytes("fa.mac", ".macro FA A B CI\r\n.eom\r\n");
  t.ui.answers.push_back("no");
  EXPECT_EQ(testing::RunArmed(t.app, id::kMacToVhdl), Outcome::kCompleted);
  EXPECT_FALSE(t.app.state.exit_requested);
  EXPECT_EQ(t.profile.values["kNETS"], "6");
  EXPECT_EQ(t.app.fanout.knets, 6);
  EXPECT_NE(ReadFileBytes("~fanout.txt").find("0\tCI"), std::string::npos);
  EXPECT_NE(ReadFileBytes("fa.vhd").find("  ci : inout std_logic );"), std::string::npos);
}

}  // namespace
}  // namespace kalvor
