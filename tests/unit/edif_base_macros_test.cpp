// The base macro file: bottom cells, port orders and their check, renames,
// output names, fanout buffers and inserted inverters.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "import/base_macros.h"
#include "edif_test_support.h"
#include "text/strings.h"

namespace kalvor {
namespace {

using testing::EdifWith;
using testing::ImportEdifText;
using testing::Inst;
using testing::LibCell;
using testing::MacLines;
using testing::NetOf;
using testing::TestApp;
using V = std::vector<std::string>;

V InstanceLines() {
  V out;
  for (const std::string& l : MacLines("design.mac")) {
    if (StartsWith(l, "<") && l.find('>') == std::string::npos) out.push_back(l);
  }
  return out;
}

int Count(const TestApp& t, const std::string& caption) {
  int n = 0;
  for (const auto& b : t.ui.boxes) n += b.caption == caption;
  return n;
}

TEST(EdifBaseMacros, OutputNames) {
  FanoutSettings s;
  for (const char* out : {"Q", "QB", "OUT", "Z", "x"}) EXPECT_TRUE(IsOutput(s, out)) << out;
  for (const char* in : {"QI", "X1IN", "A", ""}) EXPECT_FALSE(IsOutput(s, in)) << in;
  s.output_letters = "yq";
  s.exclusion = 'n';
  EXPECT_TRUE(IsOutput(s, "Y"));
  EXPECT_TRUE(IsOutput(s, "Q"));
  EXPECT_FALSE(IsOutput(s, "QN"));
  s.exclusion = '-';
  EXPECT_FALSE(IsOutput(s, "Q-1"));
  s.exclusion = '\0';
  EXPECT_FALSE(IsOutput(s, "Q"));
}

TEST(EdifBaseMacros, OutputsDirectiveSetsLettersAndExclusion) {
  TestApp t;
  std::string edif = EdifWith("", "(port X)", "");
  ASSERT_EQ(ImportEdifText(t, edif, "$outputs yq not n\r\n"), Outcome::kCompleted);
  EXPECT_EQ(t.app.edif.fanout.output_letters, "yq");
  EXPECT_EQ(t.app.edif.fanout.exclusion, 'n');
  std::remove("design.mac");
  ASSERT_EQ(ImportEdifText(t, edif, "$outputs OZ\r\n"), Outcome::kCompleted);
  EXPECT_EQ(t.app.edif.fanout.output_letters, "oz");
  EXPECT_EQ(t.app.edif.fanout.exclusion, '-');
  std::remove("design.mac");
  ASSERT_EQ(ImportEdifText(t, edif, "$outputs q not\r\n"), Outcome::kCompleted);
  EXPECT_EQ(t.app.edif.fanout.exclusion, '\0');
}

TEST(EdifBaseMacros, BottomCellsAreNotWrittenAndPortOrderFollowsTheBaseFile) {
  TestApp t;
  std::string lib = LibCell("AND2", {"Y", "A", "B"}) + LibCell("OR2", {"A", "B", "Y"}) +
                    "  (cell SUB (view v (interface (port P)) (contents" + Inst("S1", "OR2") + ")))\n";
  std::string contents = Inst("U1", "AND2") + Inst("U2", "OR2") + Inst("U3", "SUB") + NetOf("a", {"a", "U1 A", "U2 A"}) +
                         NetOf("b", {"b", "U1 B", "U2 B"}) + NetOf("y", {"y", "U1 Y"});
  ASSERT_EQ(ImportEdifText(t, EdifWith(lib, "(port a) (port b) (port y)", contents),
                           ".MACRO AND2 A B\r\n+Y\r\n<x NAND2 A B Y\r\n.eom\r\n.macro SUB P\r\n"),
            Outcome::kCompleted);
  V lines = MacLines("design.mac");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ".macro OR2 A B Y"), 1);
  for (const std::string& l : lines) EXPECT_FALSE(StartsWith(l, ".macro AND2"));
  EXPECT_EQ(InstanceLines(), (V{"<U1 AND2 a b y", "<U2 OR2 a b NCX1", "<U3 SUB NCX2"}));
  std::string summary = t.ui.Last().text;
  EXPECT_NE(summary.find("NOTE: The following netlist cells were replaced with base cells:\n"),
            std::string::npos);
  // Only bottom cells with instances of their own are named.
  EXPECT_EQ(summary.substr(summary.size() - 5), "\n SUB");
}

TEST(EdifBaseMacros, PortCheckFailureStops) {
  TestApp t;
  std::string edif = EdifWith(LibCell("AND2", {"A", "B", "T", "Y"}), "(port a)", Inst("U1", "AND2"));
  EXPECT_EQ(ImportEdifText(t, edif, ".macro AND2 A B Y\r\n"), Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed(
      "CELL=AND2\n\nMACRO PORTS=A B Y\n\nEDIF PORTS= A B T Y\n\nUse '$reorder' in the base macro "
      "file if you want to ignore this condition.\nSee user guide.\n\n" + (t.dir / "base.mac") +
          ", line 1.",
      "Error in port list, aborting."));
  EXPECT_EQ(Count(t, "EDIF Conversion Done."), 0);
  EXPECT_EQ(t.ui.progress_log.back(), "close");
  // Ports are whole words: D is not the D of CD.
  TestApp words;
  edif = EdifWith(LibCell("DFF", {"CD", "D", "Q"}), "(port a)", Inst("U1", "DFF"));
  EXPECT_EQ(ImportEdifText(words, edif, ".macro DFF CD D Q\r\n"), Outcome::kCompleted);
  TestApp part;
  edif = EdifWith(LibCell("DFF", {"CD", "Q"}), "(port a)", Inst("U1", "DFF"));
  EXPECT_EQ(ImportEdifText(part, edif, ".macro DFF D CD Q\r\n"), Outcome::kFailed);
}

TEST(EdifBaseMacros, ReorderTakesPortsUncheckedAndWarnsOncePerName) {
  TestApp t;
  std::string contents = Inst("U1", "AND2") + Inst("U2", "AND2") + NetOf("a", {"a", "U1 A", "U2 B"});
  std::string edif = EdifWith(LibCell("AND2", {"A", "B", "Y"}), "(port a)", contents);
  ASSERT_EQ(ImportEdifText(t, edif, "$reorder AND2 B A VDD EN\r\n"), Outcome::kCompleted);
  EXPECT_EQ(InstanceLines(), (V{"<U1 AND2 B a VDD EN", "<U2 AND2 a A VDD EN"}));
  EXPECT_TRUE(t.ui.Showed("Port 'EN' of macro 'AND2' has no EDIF counterpart.", "Warning"));
  EXPECT_TRUE(t.ui.Showed("Port 'B' of macro 'AND2' has no EDIF counterpart.", "Warning"));
  EXPECT_EQ(Count(t, "Warning"), 3);  // B, A, EN; never VDD
}

TEST(EdifBaseMacros, ConditionalRename) {
  TestApp t;
  std::string edif = EdifWith(LibCell("DFF", {"D", "Q"}), "(port a)",
                              Inst("reg1", "DFF") + Inst("u7", "DFF") + NetOf("a", {"a", "reg1 D", "u7 D"}));
  ASSERT_EQ(ImportEdifText(t, edif, "$rename DFF DFFR:reg\r\n.macro DFFR D Q\r\n"), Outcome::kCompleted);
  EXPECT_EQ(InstanceLines(), (V{"<reg1 DFFR a NCX1", "<u7 DFF a NCX2"}));
  // DFF is no bottom cell by the conditional rename: it is written.
  V lines = MacLines("design.mac");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ".macro DFF D Q"), 1);
}

TEST(EdifBaseMacros, FanoutBuffersAndTheirThresholdsLastForTheRun) {
  TestApp t;
  auto netlist = [](int loads) {
    std::string contents = Inst("D1", "FF");
    std::vector<std::string> refs = {"D1 Q", "L0 A"};
    contents += Inst("L0", "FF");
    for (int i = 1; i < loads; ++i) {
      contents += Inst("L" + std::to_string(i), "FF");
      refs.push_back("L" + std::to_string(i) + " A");
    }
    return EdifWith(LibCell("FF", {"A", "Q"}), "(port x)", contents + NetOf("NET", refs));
  };
  ASSERT_EQ(ImportEdifText(t, netlist(2), "$fanouts 2 3 5\r\n"), Outcome::kCompleted);
  V lines = InstanceLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "<D1 FF NCX1 NET_fanbust");
  EXPECT_EQ(lines[1], "<fb1 BUF4 NET_fanbust NET");
  EXPECT_EQ(lines[2], "<L0 FF NET NCX2");  // an input is never buffered

  // The thresholds hold for the next conversion without a base file.
  std::remove("design.mac");
  ASSERT_EQ(ImportEdifText(t, netlist(3)), Outcome::kCompleted);
  EXPECT_EQ(InstanceLines()[1], "<fb1 BUF12 NET_fanbust NET");
  EXPECT_EQ(Count(t, "cell TOP net NET fanout=4 exceeds limit!"), 0);

  std::remove("design.mac");
  ASSERT_EQ(ImportEdifText(t, netlist(5)), Outcome::kCompleted);
  EXPECT_TRUE(t.ui.Showed("<D1 FF NCX1", "cell TOP net NET fanout=6 exceeds limit!"));
}

TEST(EdifBaseMacros, InvertersAreSharedPerDriver) {
  TestApp t;
  std::string lib = LibCell("NAND2", {"A", "B", "Y"}) + LibCell("DRV", {"O"});
  std::string contents = Inst("D1", "DRV") + Inst("D2", "DRV") + Inst("U1", "NAND2") + Inst("U2", "NAND2") +
                         Inst("U3", "NAND2") + NetOf("n1", {"D1 O", "U1 A", "U2 A"}) +
                         NetOf("n2", {"D2 O", "U3 A"}) + NetOf("b", {"b", "U1 B", "U2 B", "U3 B"});
  std::string base = ".macro NAND2 A B Y\r\n$extinv NAND2X A\r\n.macro NAND2X A B Y\r\n";
  ASSERT_EQ(ImportEdifText(t, EdifWith(lib, "(port b)", contents), base), Outcome::kCompleted);
  EXPECT_EQ(InstanceLines(), (V{"<D1 DRV n1", "<D2 DRV n2", "<U1 NAND2X EXTINV_1<O b NCX1",
                                "<U2 NAND2X EXTINV_1<O b NCX2", "<U3 NAND2X EXTINV_2<O b NCX3",
                                "<EXTINV_1 EXTINV n1 EXTINV_1<O", "<EXTINV_2 EXTINV n2 EXTINV_2<O"}));
}

TEST(EdifBaseMacros, ExtinvMistakesAndOverflow) {
  TestApp t;
  std::string edif = EdifWith("", "(port a)", "");
  ASSERT_EQ(ImportEdifText(t, edif,
                           "$extinv INVX A\r\n.macro AND2 A B Y\r\n$extinv AND2X C\r\n.macro OR2 CA\r\n+B "
                           "Y\r\n$extinv OR2X A\r\n"),
            Outcome::kCompleted);
  const std::string base = t.dir / "base.mac";
  EXPECT_TRUE(t.ui.Showed("$extinv should occur inside a macro definition\n\n" + base + ", line 1.",
                          "$extinv syntax error"));
  EXPECT_TRUE(t.ui.Showed("C port does not occur in .macro header for AND2\n\n" + base + ", line 3.",
                          "$extinv syntax error"));
  EXPECT_TRUE(t.ui.Showed("A port does not occur in .macro header for OR2\n\n" + base + ", line 6.",
                          "$extinv syntax error"));

  TestApp full;
  full.profile.values["edif_inverters"] = "1";
  EXPECT_EQ(ImportEdifText(full, edif, ".macro A1 A Y\r\n$extinv X1 A\r\n.macro A2 A Y\r\n$extinv X2 A\r\n"),
            Outcome::kFailed);
  EXPECT_EQ(full.ui.Last().text, "Table 1 overflow!");
  EXPECT_EQ(full.ui.Last().caption, "Fatal Error");
  EXPECT_EQ(full.ui.progress_log.back(), "close");
}

TEST(EdifBaseMacros, TooManyMacrosWarnsOnce) {
  TestApp t;
  t.profile.values["edif_base_macros"] = "2";
  ASSERT_EQ(ImportEdifText(t, EdifWith("", "(port a)", ""),
                           ".macro A x\r\n.macro B x\r\n.macro C x\r\n.macro D x\r\n"),
            Outcome::kCompleted);
  EXPECT_EQ(Count(t, ""), 1);
  EXPECT_TRUE(t.ui.Showed("Too many macros!", ""));
}

}  // namespace
}  // namespace kalvor
