#include "vhdl/sim_switch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "vhdl/sim_switch.h"
#include "platform/resource.h"
#include "core/safe_replace.h"
#include "support/scripted_platform.h"
#include "rewrite_support.h"

namespace kalvor {
namespace {

using testing::Crlf;
using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;

const std::vector<std::string> kRegion = {
    "entity e is end;", "--ifdef SIM", "--  x <= y after 1 ns;",
    "--else",           "  x <= y;",   "--endif",
    "  z <= x;",
};

std::vector<std::string> Switched(std::vector<std::string> lines,
                                  const std::string& keyword) {
  SwitchRegion region = SwitchRegion::kOutside;
  for (std::string& l : lines) SwitchLine(l, keyword, region);
  return lines;
}

TEST(SwitchLine, SimSelectsTheIfdefBranchAndNosimSwitchesBack) {
  const std::vector<std::string> sim = {
      "entity e is end;", "--ifdef SIM", "  x <= y after 1 ns;",
      "--else",           "--  x <= y;", "--endif",
      "  z <= x;",
  };
  EXPECT_EQ(Switched(kRegion, " SIM"), sim);
  // Switching twice changes nothing the second time.
  EXPECT_EQ(Switched(sim, " SIM"), sim);
  // " NOSIM" does not occur in " SIM": the --else branch is selected.
  EXPECT_EQ(Switched(sim, " NOSIM"), kRegion);
}

TEST(SwitchLine, MarkersIgnoreCaseButTheKeywordDoesNot) {
  EXPECT_EQ(
      Switched({"--IFDEF SIM", "--a", "--ELSE", " b", "--ENDIF", " c"}, " SIM"),
      (std::vector<std::string>{"--IFDEF SIM", "a", "--ELSE", "-- b", "--ENDIF",
                                " c"}));
  EXPECT_EQ(Switched({"--ifdef sim", "--a", " b"}, " SIM"),
            (std::vector<std::string>{"--ifdef sim", "--a", "-- b"}));
}

TEST(SwitchLine, OnlyBlankIndentedLinesAreCommentedAndDashLinesUncommented) {
  // One hyphen and one letter lose both; column-1 lines stay active; a lone
  // hyphen becomes empty without reading past it.
  EXPECT_EQ(
      Switched({"--ifdef SIM", "-a", "-", "x", "--else", "y <= 1;", "\tz;"},
               " SIM"),
      (std::vector<std::string>{"--ifdef SIM", "", "", "x", "--else", "y <= 1;",
                                "--\tz;"}));
  // A tab after the marker counts as the blank of the keyword.
  EXPECT_EQ(Switched({"--ifdef\tSIM", "--a"}, " SIM"),
            (std::vector<std::string>{"--ifdef\tSIM", "a"}));
}

TEST(RunSimSwitch, OneQuestionForTheFilesThatChange) {
  TestApp t;
  t.UseDesign("top");
  t.app.state.option_line = " SIM";
  WriteFileBytes("a.vhd", Crlf(kRegion));
  WriteFileBytes("B.VHD", Crlf(kRegion));
  WriteFileBytes("c.txt", Crlf(kRegion));
  // No region, and a region already switched: neither is asked about.
  WriteFileBytes("plain.vhd", Crlf({"entity p is end;"}));
  WriteFileBytes("done.vhd", Crlf(Switched(kRegion, " SIM")));
  t.ui.answers = {"yes"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdlSim), Outcome::kCompleted);

  ASSERT_EQ(t.ui.boxes.size(), 2u);
  EXPECT_EQ(t.ui.boxes[0].text, "Replace these 2 files?\n\nB.VHD\na.vhd");
  EXPECT_EQ(t.ui.boxes[0].caption, t.app.state.test_dir);
  EXPECT_EQ(t.ui.boxes[0].type, box::kYesNo | box::kIconQuestion);
  EXPECT_TRUE(t.ui.Last().text == "Done" && t.ui.Last().caption.empty());

  EXPECT_EQ(ReadFileBytes("B.VHD"), Crlf(Switched(kRegion, " SIM")));
  EXPECT_EQ(ReadFileBytes("a.vhd"), Crlf(Switched(kRegion, " SIM")));
  EXPECT_EQ(ReadFileBytes("c.txt"), Crlf(kRegion));
  EXPECT_EQ(ReadFileBytes("plain.vhd"), Crlf({"entity p is end;"}));

  // Back, declined: every file stays.
  t.app.state.option_line = " NOSIM";
  t.ui.boxes.clear();
  t.ui.answers = {"no"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kUnsetSim), Outcome::kStopped);
  ASSERT_EQ(t.ui.boxes.size(), 1u);
  EXPECT_EQ(t.ui.boxes[0].text, "Replace these 3 files?\n\nB.VHD\na.vhd\ndone.vhd");
  EXPECT_EQ(ReadFileBytes("a.vhd"), Crlf(Switched(kRegion, " SIM")));

  // One file: the question names it.
  std::filesystem::remove("a.vhd");
  std::filesystem::remove("done.vhd");
  t.ui.boxes.clear();
  t.ui.answers = {"yes"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kUnsetSim), Outcome::kCompleted);
  EXPECT_EQ(t.ui.boxes[0].text, "Replace file?");
  EXPECT_EQ(t.ui.boxes[0].caption, t.app.state.test_dir + "B.VHD");
  EXPECT_EQ(ReadFileBytes("B.VHD"), Crlf(Switched(kRegion, " NOSIM")));
}

// A region the file never ends would switch every line to its end: that
// file is left as it is, with its line named; the others are switched.
TEST(RunSimSwitch, ARegionWithoutItsEndifLeavesTheFile) {
  TestApp t;
  t.UseDesign("top");
  t.app.state.option_line = " SIM";
  WriteFileBytes("a.vhd", Crlf(kRegion));
  const std::string open = Crlf({"x;", "--ifdef SIM", "--  a;", "-- a comment", " b;"});
  WriteFileBytes("open.vhd", open);
  t.ui.answers = {"yes"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdlSim), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed("This --ifdef has no --endif: the file is left as it is.\n\n" +
                              t.app.state.test_dir + "open.vhd, line 2.",
                          "VHDL SIM switch"));
  EXPECT_FALSE(t.ui.Showed("Done", ""));
  EXPECT_EQ(ReadFileBytes("open.vhd"), open);
  EXPECT_EQ(ReadFileBytes("a.vhd"), Crlf(Switched(kRegion, " SIM")));
  EXPECT_TRUE(testing::ScratchFilesIn(".").empty());
}

TEST(RunSimSwitch, LongLinesPassWhole) {
  TestApp t;
  t.UseDesign("top");
  t.app.state.option_line = " NOSIM";
  std::string outside(40000, 'o');
  std::string active = " " + std::string(20000, 'a');
  WriteFileBytes("long.vhd",
                 outside + "\n--ifdef SIM\n" + active + "\n--endif\n");
  t.ui.answers = {"yes"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdlSim), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes("long.vhd"),
            Crlf({outside, "--ifdef SIM", "--" + active, "--endif"}));
}

// The reference: the file cut into lines by hand (CR, LF, CR LF and LF CR
// end a line; a NUL is a byte like any other), each line switched alone
// and written with CR LF.
std::string SwitchedByLines(const std::string& bytes, const std::string& keyword) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < bytes.size();) {
    std::size_t end = bytes.find_first_of("\r\n", i);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(i, end - i));
    i = end;
    if (i < bytes.size()) {
      const char first = bytes[i++];
      if (i < bytes.size() && bytes[i] == (first == '\r' ? '\n' : '\r')) ++i;
    }
  }
  return Crlf(Switched(lines, keyword));
}

TEST(SwitchStream, WritesWhatSwitchingLineByLineWrites) {
  TestApp t;  // a directory of its own
  // Files of markers, dashed, indented and plain lines with every line end,
  // lines that cross the read window, NULs, with and without a last line
  // end; some switch nothing.
  const std::vector<std::string> kinds = {
      "--ifdef SIM", "--ifdef NOSIM", "--else", "--endif", "--  x <= y;", "-",
      "  a <= b;",   "\tc;",          "plain",  "",        std::string("n\0ul", 5)};
  testing::Repeatable next{7};
  for (int file = 0; file < 40; ++file) {
    std::string bytes;
    const bool crlf_only = file % 4 == 0;
    const bool regions = file % 5 != 1;
    for (int k = 0, lines = static_cast<int>(next(3000)); k < lines; ++k) {
      std::string line = kinds[next(static_cast<unsigned>(kinds.size()))];
      if (!regions && line.rfind("--", 0) == 0) line = "plain";
      if (next(200) == 0) line += std::string(next(140000), 'w');
      bytes += line + (crlf_only ? "\r\n" : testing::kLineEnds[next(4)]);
    }
    if (file % 3 == 0) bytes += "  last <= 1;";
    for (const char* keyword : {" SIM", " NOSIM"}) {
      SCOPED_TRACE(::testing::Message() << "file " << file << keyword);
      WriteFileBytes("in.vhd", bytes);
      File in;
      File out;
      ASSERT_TRUE(in.Open("in.vhd", File::Mode::kRead));
      ASSERT_TRUE(out.Open("out.vhd", File::Mode::kCreate));
      EXPECT_TRUE(SwitchStream(in, out, keyword));
      out.Close();
      EXPECT_TRUE(ReadFileBytes("out.vhd") == SwitchedByLines(bytes, keyword));  // (too long to print)
    }
  }
}

TEST(RunSimSwitch, ARegionFarIntoTheFileIsFound) {
  TestApp t;
  t.UseDesign("top");
  t.app.state.option_line = " SIM";
  std::vector<std::string> lines(20000, "  signal s : std_logic;");
  lines.insert(lines.end(), kRegion.begin(), kRegion.end());
  WriteFileBytes("far.vhd", Crlf(lines));
  t.ui.answers = {"yes"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdlSim), Outcome::kCompleted);
  EXPECT_EQ(t.ui.boxes[0].text, "Replace file?");
  EXPECT_EQ(ReadFileBytes("far.vhd"), Crlf(Switched(lines, " SIM")));
}

TEST(RunSimSwitch, WithoutVhdFilesOnlySaysSo) {
  TestApp t;
  t.UseDesign("top");
  t.app.state.option_line = " SIM";
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdlSim), Outcome::kCompleted);
  ASSERT_EQ(t.ui.boxes.size(), 1u);
  EXPECT_EQ(t.ui.boxes[0].text, "No .vhd file here has a region to switch.");
}

TEST(RunSimSwitch, NoScratchFileStopsTheRunWithoutDone) {
  TestApp t;
  t.UseDesign("top");
  t.app.state.option_line = " SIM";
  WriteFileBytes("a.vhd", Crlf(kRegion));
  testing::OtherFsApp<testing::NoScratchFs> full(t);
  t.ui.answers = {"yes"};
  EXPECT_EQ(testing::RunArmed(full.app, id::kVhdlSim), Outcome::kFailed);
  ASSERT_EQ(t.ui.boxes.size(), 2u);
  EXPECT_EQ(t.ui.boxes[1].text, kUnableToCreate);
  EXPECT_EQ(t.ui.boxes[1].caption, t.app.state.test_dir + "a.vhd");
  EXPECT_EQ(ReadFileBytes("a.vhd"), Crlf(kRegion));
}

TEST(RunSimSwitch, FailedReplaceIsReportedAndTheFileKept) {
  TestApp t;
  t.UseDesign("top");
  t.app.state.option_line = " SIM";
  WriteFileBytes("a.vhd", Crlf(kRegion));
  testing::LockedApp locked(t);
  t.ui.answers = {"yes"};
  EXPECT_EQ(testing::RunArmed(locked.app, id::kVhdlSim), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed(kUnableToWrite, t.app.state.test_dir + "a.vhd"));
  EXPECT_NE(t.ui.Last().text, "Done");
  EXPECT_EQ(ReadFileBytes("a.vhd"), Crlf(kRegion));
  EXPECT_TRUE(testing::ScratchFilesIn(".").empty());
}

}  // namespace
}  // namespace kalvor
