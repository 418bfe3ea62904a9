#include "vhdl/vhd_out.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <random>
#include <string>

#include "platform/table_view.h"
#include "vhdl/vcd_read.h"
#include "vhdl/vhd_out.h"
#include "platform/resource.h"
#include "core/safe_replace.h"
#include "support/scripted_platform.h"
#include "text/file.h"
#include "rewrite_support.h"
#include "vhdl/trace_numbers.h"

namespace kalvor {
namespace {

using testing::Crlf;
using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;

TraceScale Scale(const std::string& options) {
  TraceScale s;
  EXPECT_EQ(ReadTraceScale(options, s), "");
  return s;
}

TEST(TraceRow, WorkedExampleWithAndWithoutLimit) {
  const std::string row = "0  '1' '0' 1241 620 -5";
  EXPECT_EQ(TraceRow(row, Scale("supply=3.3;counts/volt=1241;limit=y;")),
            "0\t3.3\t0.0\t1.000000\t0.499597\t0.000000");
  EXPECT_EQ(TraceRow(row, Scale("supply=3.3;counts/volt=1241;limit=n;")),
            "0\t3.3\t0.0\t1.000000\t0.499597\t-0.004029");
}

TEST(TraceRow, ValueKinds) {
  TraceScale limited = Scale("supply=3.30;counts/volt=1241;limit=y;");
  TraceScale free = Scale("supply=3.30;counts/volt=1241;limit=n;");
  // Only '0' is low; every other logic literal is the supply as typed.
  EXPECT_EQ(TraceRow("  10 'U' 'X' '0'", limited), "  10\t3.30\t3.30\t0.0");
  // Literals packed without blanks are three characters each.
  EXPECT_EQ(TraceRow("5 '1''0'", limited), "5\t3.30\t0.0");
  // "80000000" and anything that begins with it is 0 whatever the limit.
  EXPECT_EQ(TraceRow("7 80000000 800000001", free), "7\t0.000000\t0.000000");
  // Clamped to the numeric supply; a count may carry a sign.
  EXPECT_EQ(TraceRow("9 5000 -5 +7", limited), "9\t3.300000\t0.000000\t0.005641");
  EXPECT_EQ(TraceRow("9 5000", free), "9\t4.029009");
  // A line with only its time field is written unchanged.
  EXPECT_EQ(TraceRow("  42  ", limited), "  42  ");
  EXPECT_EQ(TraceRow("", limited), "");
}

// The .out's and the VCD's numbers are written by hand: each must be what
// printf writes, over the values a trace gives (counts over counts per volt)
// and over floats of every kind, the edges of each form among them.
TEST(TraceNumbers, AsPrintfWritesThem) {
  using limits = std::numeric_limits<float>;
  std::vector<float> values = {
      0.0f, -0.0f, 0.5f, 1.5f, 2.5f, -2.5f, 5e-7f, -5e-7f, 4.9999997e-7f, 1.5e-6f, 2.5e-6f,
      1e-4f, -1e-4f, 9.99999e-5f, 0.000099999997f, 0.00010000001f, 999999940.0f, 1e9f, -1e9f,
      8.99999e12f, 9e12f, 1e13f, 3.3f, 1.0f / 3.0f, limits::max(), -limits::max(), limits::min(),
      limits::denorm_min(), limits::infinity(), -limits::infinity(), limits::quiet_NaN(),
      -limits::quiet_NaN()};
  for (float per_volt : {1241.0f, 1.0f, 3.0f, 1000.0f, -7.0f})
    for (long count = -20000; count <= 20000; ++count) values.push_back(count / per_volt);
  std::mt19937 bits(25);
  for (int i = 0; i < 200000; ++i) values.push_back(std::bit_cast<float>(static_cast<std::uint32_t>(bits())));
  int wrong = 0;
  for (float v : values) {
    char fixed[80], general[80];
    std::snprintf(fixed, sizeof fixed, "%f", static_cast<double>(v));
    std::snprintf(general, sizeof general, "%.9g", static_cast<double>(v));
    std::string f, g;
    AppendFixed6(f, v);
    AppendGeneral9(g, v);
    if (f != fixed || g != general) {
      ADD_FAILURE() << std::hexfloat << v << ": " << f << " / " << fixed << ", " << g << " / "
                    << general;
      if (++wrong == 10) break;
    }
  }
}

TEST(TraceHeading, FirstLevelOfEachNameGoes) {
  EXPECT_EQ(TraceHeading("Signals=time top.clk top.q"), "time clk q");
  EXPECT_EQ(TraceHeading("SIGNALS=time top.u1.a"), "time u1.a");
  // Each name loses its own first level only; a name without one stays.
  EXPECT_EQ(TraceHeading("Signals=time top.a b c"), "time a b c");
  EXPECT_EQ(TraceHeading("Signals=time clk tb.q"), "time clk q");
  EXPECT_EQ(TraceHeading("Signals=time  top.a  b  tb.u.c"), "time a  b u.c");
}

TEST(ReadTraceScale, RefusesValuesThatWouldWriteInfOrNan) {
  TraceScale s;
  EXPECT_NE(ReadTraceScale("supply=3.3;counts/volt=0;limit=y;", s), "");
  EXPECT_NE(ReadTraceScale("supply=3.3;counts/volt=abc;limit=y;", s), "");
  EXPECT_NE(ReadTraceScale("supply=high;counts/volt=1241;limit=y;", s), "");
  EXPECT_NE(ReadTraceScale("supply=3.3V;counts/volt=1241;limit=y;", s), "");
  EXPECT_NE(ReadTraceScale("supply=nan;counts/volt=1241;limit=y;", s), "");
  EXPECT_NE(ReadTraceScale("supply=;counts/volt=1241;limit=y;", s), "");
  EXPECT_EQ(ReadTraceScale("supply= 5 ;counts/volt= -819;limit=n;", s), "");
  EXPECT_EQ(s.supply_text, " 5 ");
  EXPECT_FLOAT_EQ(s.counts_per_volt, -819.0f);
  EXPECT_FALSE(s.limit);
}

const std::string kTrace =
    "Signals=time tb.clk tb.count\r\n"
    "--------\r\n"
    "unit ns\r\n"
    "\r\n"
    "0 '0' 0\r\n"
    "10 '1' 1241\r\n";

const std::string kTraceVcd =
    "$version Kalvor trace conversion $end\n$timescale 1ns $end\n"
    "$scope module tb $end\n$var wire 1 ! clk $end\n$var real 64 \" count $end\n"
    "$upscope $end\n$enddefinitions $end\n"
    "#0\n0!\nr0 \"\n#10\n1!\nr1 \"\n";

TEST(RunVhdOut, ConvertsBesideTheInputAndOpensTheViewer) {
  // The viewer is the WAVEVIEWER setting: by default winwed32.exe on the
  // .out on Windows, gtkwave on the VCD elsewhere.
  EXPECT_STREQ(DefaultWaveViewer(PathStyle::kWindows), "winwed32.exe");
  EXPECT_STREQ(DefaultWaveViewer(PathStyle::kPosix), "gtkwave");
  for (bool windows : {true, false}) {
    TestApp t;
    t.UseDesign("top");
    if (windows) t.profile.values["WAVEVIEWER"] = "winwed32.exe";
    WriteFileBytes("run.txt", kTrace);
    t.ui.answers = {t.dir / "run.txt"};
    EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kCompleted);
    EXPECT_EQ(ReadFileBytes("run.out"),
              Crlf({"time clk count", "0\t0.0\t0.000000", "10\t3.3\t1.000000"}));
    EXPECT_EQ(ReadFileBytes("run.vcd"), kTraceVcd);
    EXPECT_EQ(ReadFileBytes("run.txt"), kTrace);
    ASSERT_EQ(t.ui.dialogs_run, std::vector<std::string>{"vhdout"});
    EXPECT_EQ(t.ui.file_dialog_patterns, std::vector<std::string>{"*.txt;*.out;*.vcd"});
    EXPECT_EQ(t.profile.values["vhdout"], "supply=3.3;counts/volt=1241;limit=y;");
    ASSERT_EQ(t.shell.launches.size(), 1u);
    EXPECT_EQ(t.shell.launches[0].file, windows ? "winwed32.exe" : "gtkwave");
    EXPECT_EQ(t.shell.launches[0].parameters, t.dir / (windows ? "run.out" : "run.vcd"));
    EXPECT_EQ(t.shell.launches[0].directory, t.app.state.test_dir);
    EXPECT_TRUE(t.ui.boxes.empty());
  }
}

TEST(RunVhdOut,
     ConvertedFileOnlyOpensTheViewerAndSignalsOutIsConvertedInPlace) {
  TestApp t;
  t.UseDesign("top");
  t.profile.values["WAVEVIEWER"] = "/opt/t/WinWed32.EXE";
  const std::string converted = Crlf({"time clk", "0\t0.0"});
  WriteFileBytes("old.out", converted);
  WriteFileBytes("run.out", kTrace);
  t.ui.answers = {t.dir / "old.out"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kCompleted);
  EXPECT_TRUE(t.ui.dialogs_run.empty());
  EXPECT_EQ(ReadFileBytes("old.out"), converted);
  t.ui.answers = {t.dir / "run.out"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes("run.out"),
            Crlf({"time clk count", "0\t0.0\t0.000000", "10\t3.3\t1.000000"}));
  ASSERT_EQ(t.shell.launches.size(), 2u);
  EXPECT_EQ(t.shell.launches[0].parameters, t.dir / "old.out");
  EXPECT_EQ(t.shell.launches[1].parameters, t.dir / "run.out");
  // A VCD viewer is given the VCD beside a converted file, and refused
  // a converted file without one.
  t.profile.values["WAVEVIEWER"] = "gtkwave";
  t.ui.answers = {t.dir / "run.out"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kCompleted);
  EXPECT_EQ(t.shell.launches.back().parameters, t.dir / "run.vcd");
  t.ui.answers = {t.dir / "old.out"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kFailed);
  EXPECT_EQ(t.shell.launches.size(), 3u);
  EXPECT_EQ(t.ui.Last().caption, t.dir / "old.out");
}

TEST(RunVhdOut, VcdTimescaleAndRefusedTimes) {
  struct Case {
    std::string rows;
    std::string vcd_part;  // expected in the VCD, or the complaint
    bool written;
  };
  const Case cases[] = {
      // The most decimals of any time choose the timescale.
      {"0 '0' 0\n2.5 'Z' 0\n2.75 'U' 0\n", "$timescale 10ps $end", true},
      {"0 '0' 0\n2.5 'Z' 0\n2.75 'U' 0\n", "#250\nz!\n#275\nx!\n", true},
      // A repeated time adds no second time stamp; an unchanged value is not written again.
      {"5 'H' 620\n5 '1' 1241\n", "#5\n1!\nr0.499597102 \"\nr1 \"\n", true},
      // Times that are not numbers of ns, or that go back, leave no VCD.
      {"0 '0' 0\n10ns '1' 0\n", "line 6: the time \"10ns\" is not a number of ns", false},
      {"10 '0' 0\n5 '1' 0\n", "line 6: the time 5 is earlier than the row before it", false},
      // A finer time after rows of whole ns: the VCD is written again, its
      // earlier times in the finer unit, its failures found as before.
      {"0 '0' 0\n10 '1' 5\n10.5 '0' 0\n", "$timescale 100ps $end", true},
      {"0 '0' 0\n10 '1' 5\n10.5 '0' 0\n", "#100\n1!\nr0.00402900903 \"\n#105\n0!\nr0 \"\n", true},
      {"0 '0' 0\n2.5 'Z' 0\n1 'U' 0\n", "line 7: the time 1 is earlier than the row before it", false},
  };
  for (const Case& c : cases) {
    TestApp t;
    t.UseDesign("top");
    t.profile.values["WAVEVIEWER"] = "gtkwave";
    WriteFileBytes("run.vcd", "old");
    WriteFileBytes("run.txt", "Signals=time tb.clk tb.count\n1\n2\n3\n" + c.rows);
    t.ui.answers = {t.dir / "run.txt"};
    EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut),
              c.written ? Outcome::kCompleted : Outcome::kFailed);
    EXPECT_TRUE(FileExists("run.out"));
    EXPECT_FALSE(FileExists("~temp.vcd"));
    if (c.written) {
      EXPECT_NE(ReadFileBytes("run.vcd").find(c.vcd_part), std::string::npos) << c.rows;
    } else {
      EXPECT_EQ(ReadFileBytes("run.vcd"), "old");
      EXPECT_NE(t.ui.Last().text.find(c.vcd_part), std::string::npos) << t.ui.Last().text;
      EXPECT_TRUE(t.shell.launches.empty());
    }
  }
}

// A table it cannot read is refused with the line named, and no result
// file is touched: times written with their unit (as GHDL prints them),
// too long a time, a value that is neither a count nor a quoted literal,
// and values right after the heading (no three lines between; refused
// before the parameter dialog, the rows after it). Lines that are only read
// past (filler) pass.
TEST(RunVhdOut, UnreadableTablesAreRefusedNamingTheLine) {
  struct Case {
    std::string table;
    std::string complaint;  // empty: converted
    bool asked;             // the parameter dialog ran before the refusal
  } cases[] = {
      {"Signals=time a.b\n\n\n\n0 fs '1'\n5000000 fs '0'\n", "Line 5: the time is followed by its unit (\"fs\")", true},
      {"Signals=time a.b\n\n\n\n0 '1'\n10 NS '0'\n", "Line 6: the time is followed by its unit (\"NS\")", true},
      {"Signals=time a.b\r\n\r\n\r\n\r\n0 '1'\r\n1 '0'\r\n2 '1'\r\n3\tms\r\n", "Line 8: the time is followed by its unit (\"ms\")", true},
      {"Signals=time a.b\n0 '1'\n10 '0'\n20 '1'\n30 '0'\n", "Line 2: it holds a time and values", false},
      {"Signals=time a.b\n---\nabc\n\n0 '1'\n10 +12 -5 800000001 'U''0' 'Z'\n", "", false},
      {"Signals=time a.b\n\n\n\n0 '1'\n10 abc\n", "Line 6: value 1 (\"abc\") is neither a count", true},
      {"Signals=time a.b\n\n\n\n0 '1' 12abc\n", "Line 5: value 2 (\"12abc\") is neither", true},
      {"Signals=time a.b\n\n\n\n0 1.5e3\n", "Line 5: value 1 (\"1.5e3\") is neither", true},
      {"Signals=time a.b\n\n\n\n0 7 -\n", "Line 5: value 2 (\"-\") is neither", true},
      {"Signals=time a.b\n\n\n\n0 '1'\n" + std::string(300, '1') + " '0'\n",
       "Line 6: the time is longer than 256 characters.", true},
      {"Signals=time a.b\n" + std::string(300, '1') + " '0'\n\n\n0 '1'\n", "", false},
  };
  for (const Case& c : cases) {
    TestApp t;
    t.UseDesign("top");
    t.profile.values["WAVEVIEWER"] = "gtkwave";
    WriteFileBytes("run.txt", c.table);
    WriteFileBytes("run.out", "old");
    WriteFileBytes("run.vcd", "old");
    t.ui.answers = {t.dir / "run.txt"};
    Outcome outcome = testing::RunArmed(t.app, id::kVhdOut);
    if (c.complaint.empty()) {
      EXPECT_EQ(outcome, Outcome::kCompleted) << c.table;
      EXPECT_NE(ReadFileBytes("run.out"), "old");
      continue;
    }
    EXPECT_EQ(outcome, Outcome::kFailed) << c.table;
    EXPECT_NE(t.ui.Last().text.find(c.complaint), std::string::npos) << t.ui.Last().text;
    EXPECT_EQ(t.ui.Last().caption, t.dir / "run.txt");
    EXPECT_EQ(t.ui.dialogs_run.empty(), !c.asked);
    EXPECT_EQ(ReadFileBytes("run.out"), "old");
    EXPECT_EQ(ReadFileBytes("run.vcd"), "old");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(t.dir.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"run.out", "run.txt", "run.vcd"}));
    for (const char* name : {"run.txt", "run.out", "run.vcd"}) std::filesystem::remove(name);
  }
}

// GHDL's own dump (--vcd) read as a trace: scopes after the first become
// name prefixes, one row per time stamp with the values after its changes,
// times in ns from the timescale; 0 and L are 0.0, other literals the
// supply, a vector an unsigned count. What cannot be read is refused with
// the line named.
TEST(ReadVcdTrace, GhdlDumpsBecomeTheOutTable) {
  TestApp t;
  t.UseDesign("top");
  TraceScale scale;
  ASSERT_EQ(ReadTraceScale("supply=3.3;counts/volt=1;limit=n;", scale), "");
  auto convert = [&](const std::string& dump, std::string& out_text) {
    WriteFileBytes("dump.vcd", dump);
    File in, out;
    EXPECT_TRUE(in.Open("dump.vcd", File::Mode::kRead));
    EXPECT_TRUE(out.Open("dump.out", File::Mode::kCreate));
    std::string problem = ReadVcdTrace(in, scale, out);
    out.Close();
    out_text = ReadFileBytes("dump.out");
    return problem;
  };
  const std::string dump =
      "$date\n  today\n$end\n$version\n  GHDL v0\n$end\n$timescale\n  1 fs\n$end\n"
      "$scope module standard $end\n$upscope $end\n"
      "$scope module tb $end\n$var reg 1 ! clk $end\n$scope module dut $end\n"
      "$var reg 4 \" q $end\n$var reg 1 # \\gnd\\ $end\n$upscope $end\n$upscope $end\n"
      "$enddefinitions $end\n#0\nU!\nbUUUU \"\n0#\n#2000000\n1!\nb101 \"\n#2500000\nL!\n";
  const std::string table = Crlf({"time clk dut.q dut.\\gnd\\", "0\t3.3\t0.000000\t0.0",
                                  "2\t3.3\t5.000000\t0.0", "2.5\t0.0\t5.000000\t0.0"});
  std::string lines;
  EXPECT_EQ(convert(dump, lines), "");
  EXPECT_EQ(lines, table);
  // Words are separated by any white space: the same dump on one line.
  std::string one_line = dump;
  for (char& c : one_line) c = c == '\n' ? ' ' : c;
  EXPECT_EQ(convert(one_line, lines), "");
  EXPECT_EQ(lines, table);
  // Reals are written whole, however large.
  char lowest[400];
  std::snprintf(lowest, sizeof lowest, "\t%f", -std::numeric_limits<double>::max());
  EXPECT_EQ(convert("$var real 64 ! a $end $var real 64 \" b $end $enddefinitions $end #0 "
                    "r1e62 ! r-1.7976931348623157e308 \"\n",
                    lines),
            "");
  EXPECT_EQ(lines, Crlf({"time a b", "0\t100000000000000003502199685943161173046080317798311825604870144"
                                     ".000000" + std::string(lowest)}));
  struct Bad {
    std::string dump, complaint;
  } bad[] = {
      {"$timescale 1 fs $end\n$var reg 1 ! a $end\n$enddefinitions $end\n#0\n1?\n",
       "Line 5: the code \"?\" has no $var."},
      {"$timescale 1 fs $end\n$var reg 1 ! a $end\n$enddefinitions $end\n#5\n#3\n",
       "Line 5: the time 3 is earlier"},
      {"$timescale 1 fs $end\n$var reg 1 ! a $end\n$enddefinitions $end\n#5\n\n#18446744073709551616\n",
       "Line 6: the time 18446744073709551616 is larger than 18446744073709551615."},
      {"$timescale 1 fs $end\n$var reg 1 ! a $end\n$enddefinitions $end\n#5\n#-1\n",
       "Line 5: the time \"-1\" is not a number."},
      {"$timescale 1 parsec $end\n", "Line 1: the timescale"},
      {"$timescale 1" + std::string(400, '0') + " s $end\n", "Line 1: the timescale"},
      {"$timescale 1 ns $end\n$var reg 1 ! a $end\n\n", "Line 3: the dump ends before $enddefinitions."},
      {"$timescale 1 ns $end\n$var reg 2 ! a $end\n$enddefinitions $end\nb10\n!\n",
       "Line 4: a vector value without its code."},
      // A word no dump has is refused, not held.
      {"$timescale 1 ns $end\n$var reg 2 ! a $end\n$enddefinitions $end\n\nb" +
           std::string(70000, '1') + " !\n",
       "Line 5: a word of more than 65536 characters."},
  };
  for (const Bad& b : bad) {
    EXPECT_EQ(convert(b.dump, lines).rfind(b.complaint, 0), 0u) << b.dump.substr(0, 200);
  }
}

// A dump that goes wrong after rows were converted leaves nothing behind.
TEST(RunVhdOut, RefusedDumpWritesNothing) {
  TestApp t;
  t.UseDesign("top");
  std::string dump = "$timescale 1 ns $end\n$var reg 1 ! a $end\n$enddefinitions $end\n";
  for (int k = 0; k < 20000; ++k) dump += "#" + std::to_string(k) + "\n" + (k % 2 ? "1!\n" : "0!\n");
  dump += "1?\n";
  WriteFileBytes("run.vcd", dump);
  t.ui.answers = {t.dir / "run.vcd"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kFailed);
  EXPECT_EQ(t.ui.Last().caption, t.dir / "run.vcd");
  EXPECT_EQ(t.ui.Last().text, "Line 40004: the code \"?\" has no $var.\nNothing was converted.");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(t.dir.path()))
    names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"run.vcd"});
}

TEST(RunVhdOut, EditedParametersAreUsedAndKept) {
  TestApp t;
  t.UseDesign("top");
  WriteFileBytes("run.txt", kTrace + "20 '1' 5000\r\n");
  t.ui.answers = {t.dir / "run.txt"};
  t.ui.dialog_scripts.push_back([](TableView& v) {
    EXPECT_EQ(v.title(), "VHDL Sim Output Conversion Parameters:");
    EXPECT_EQ(v.GetText(102), "1241");
    v.SetText(101, "5.0");
    v.SetText(102, "1000");
    v.SetChecked(103, false);
    return kIdOk;
  });
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kCompleted);
  EXPECT_EQ(t.profile.values["vhdout"], "supply=5.0;counts/volt=1000;limit=n;");
  EXPECT_EQ(ReadFileBytes("run.out"),
            Crlf({"time clk count", "0\t0.0\t0.000000", "10\t5.0\t1.241000",
                  "20\t5.0\t5.000000"}));
}

TEST(RunVhdOut, LongRowsAreConvertedWhole) {
  TestApp t;
  t.UseDesign("top");
  std::string row = "0";
  std::string expected = "0";
  for (int i = 0; i < 3000; ++i) {
    row += " 1241";
    expected += "\t1.000000";
  }
  WriteFileBytes("wide.txt", "Signals=time a.b\n1\n2\n3\n" + row + "\n");
  t.ui.answers = {t.dir / "wide.txt"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes("wide.out"), Crlf({"time b", expected}));
}

TEST(RunVhdOut, BadParametersAreRefusedBeforeWriting) {
  TestApp t;
  t.UseDesign("top");
  WriteFileBytes("run.txt", kTrace);
  t.profile.values["vhdout"] = "supply=3.3;counts/volt=0;limit=y;";
  t.ui.answers = {t.dir / "run.txt"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kFailed);
  EXPECT_EQ(t.ui.Last().caption, "VHDL Sim Output Conversion Parameters:");
  EXPECT_FALSE(FileExists("run.out"));
  EXPECT_FALSE(FileExists("~temp.txt"));
  EXPECT_TRUE(t.shell.launches.empty());
}

TEST(RunVhdOut, CancelAndFailures) {
  TestApp t;
  t.UseDesign("top");
  WriteFileBytes("run.txt", kTrace);
  // Cancelled file dialog, then cancelled parameter dialog: no change.
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kStopped);
  t.ui.answers = {t.dir / "run.txt"};
  t.ui.dialog_scripts.push_back([](TableView&) { return kIdCancel; });
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kStopped);
  EXPECT_FALSE(t.profile.Has("vhdout"));
  EXPECT_FALSE(FileExists("run.out"));
  // A file that does not open.
  t.ui.answers = {t.dir / "gone.txt"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed(t.dir / "gone.txt", "Unable to open"));
  // The viewer does not start: the message says where the files are.
  t.shell.results["winwed32.exe"] = {};
  t.shell.results["gtkwave"] = {};
  t.profile.values["WAVEVIEWER"] = "winwed32.exe";
  t.ui.answers = {t.dir / "run.txt"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kFailed);
  // The files were written: the box says so first, with a warning, not an
  // error.
  EXPECT_EQ(t.ui.Last().caption, "Waveform viewer not found");
  EXPECT_EQ(t.ui.Last().icon(), box::kIconWarning);
  const std::string files =
      "The waveform files were written:\n" + t.dir / "run.out" + "\n" + t.dir / "run.vcd";
  EXPECT_EQ(t.ui.Last().text,
            files + "\n\nThe viewer WINWED32.exe was not found.\nPut the T-Spice Pro 5 "
                    "directory on your PATH to view them from Kalvor.");
  t.profile.values.erase("WAVEVIEWER");
  t.ui.answers = {t.dir / "run.txt"};
  EXPECT_EQ(testing::RunArmed(t.app, id::kVhdOut), Outcome::kFailed);
  EXPECT_EQ(t.ui.Last().text,
            files + "\n\nThe viewer gtkwave was not found.\nPut it on your PATH, or name your "
                    "waveform viewer in the setting WAVEVIEWER.");
  EXPECT_EQ(t.shell.launches.size(), 2u);
}

TEST(RunVhdOut, FailedReplaceIsReportedAndTheOldResultKept) {
  TestApp t;
  t.UseDesign("top");
  WriteFileBytes("run.txt", kTrace);
  WriteFileBytes("run.out", "old");
  testing::LockedApp locked(t);
  t.ui.answers = {t.dir / "run.txt"};
  EXPECT_EQ(testing::RunArmed(locked.app, id::kVhdOut), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed(kUnableToWrite, t.dir / "run.out"));
  EXPECT_EQ(ReadFileBytes("run.out"), "old");
  EXPECT_TRUE(t.shell.launches.empty());
}

}  // namespace
}  // namespace kalvor
