// The EDIF import as a whole: the include dialog, the head of the macro
// file, the pad lines, the summary, and the early ends.
#include <gtest/gtest.h>

#include <filesystem>

#include <cstdio>
#include <string>
#include <vector>

#include "import/mac_dialog.h"
#include "import/mac_dialog_ids.h"
#include "edif_test_support.h"
#include "text/strings.h"

namespace kalvor {
namespace {

using testing::EdifWith;
using testing::ImportEdifText;
using testing::Inst;
using testing::LibCell;
using testing::NetOf;
using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;

const std::string kAndTop =
    EdifWith(LibCell("AND2", {"A", "B", "Y"}), "(port a) (port b) (port y)",
             Inst("U1", "AND2") + NetOf("a", {"a", "U1 A"}) + NetOf("b", {"b", "U1 B"}) + NetOf("y", {"y", "U1 Y"}));

// Runs the import with the include dialog filled by `fields` (ids 101..104).
Outcome ImportWithIncludes(TestApp& t, const std::string& edif, const std::vector<std::string>& fields,
                           const std::vector<std::string>& answers = {"no"}) {
  WriteFileBytes("design.edf", edif);
  t.UseDesign("design");
  t.app.state.selected_ext = ".edf";
  for (const std::string& a : answers) t.ui.answers.push_back(a);
  t.ui.dialog_scripts.push_back([fields](TableView& v) {
    for (std::size_t i = 0; i < fields.size(); ++i) v.SetText(101 + static_cast<int>(i), fields[i]);
    return 1;
  });
  return RunEdifImport(t.app.context(), t.app.edif, EdifJobOf(t.app));
}

TEST(EdifImport, MacroFileWithIncludesPadsAndSummary) {
  TestApp t;
  ASSERT_EQ(ImportWithIncludes(t, kAndTop, {"\\vazevari\\nettran\\scmos\\scms2tpr.mac", "", "", "pads.mac"}),
            Outcome::kCompleted);
  // The directive line after a header carries the ports' directions.
  EXPECT_EQ(ReadFileBytes("design.mac"),
            "\r\n<\\vazevari\\nettran\\scmos\\scms2tpr.mac>\r\n<pads.mac>\r\n\r\n"
            ".macro AND2 A B Y\r\n$input A B Y\r\n.eom\r\n\r\n"
            ".macro TOP a b y\r\n<U1 AND2 a b y\r\n<PADS PADS\r\n.eom\r\n");
  EXPECT_EQ(ReadFileBytes("design.wir"),
            "$ Written by Kalvor EDIF to .MAC converter.\r\n\r\nWIRE LIST\r\n<<< COMPONENT LIST >>>\r\n"
            "TOP TOP TOP\r\n");
  EXPECT_EQ(t.ui.Last().caption, "EDIF Conversion Done.");
  EXPECT_EQ(t.ui.Last().text, "Output file: " + (t.dir / "design.mac") +
                                  "\nTop cell:    TOP\n\nWARNING: 1 macros with no body (primitives "
                                  "which must be defined?)");
  // The dialog's fields are kept, except the base macro file.
  EXPECT_EQ(t.profile.values["func_macs"], "\\vazevari\\nettran\\scmos\\scms2tpr.mac");
  EXPECT_EQ(t.profile.values["pri_macs"], "");
  EXPECT_EQ(t.profile.values["pad_macs"], "pads.mac");
  EXPECT_EQ(t.ui.progress_log.front(), "open Converting: " + (t.dir / "design.edf"));
  EXPECT_EQ(t.ui.progress_log.back(), "close");
}

TEST(EdifImport, PadLinesWithoutAnyMacroKeepTheHead) {
  // Every cell is a bottom cell: nothing to move back over.
  TestApp t;
  WriteFileBytes("base.mac", ".macro AND2 A B Y\r\n.macro TOP a b y\r\n");
  ASSERT_EQ(ImportWithIncludes(t, kAndTop, {"", "", "base.mac", "pads.mac"}, {"yes", t.dir / "base.mac"}),
            Outcome::kCompleted);
  EXPECT_EQ(ReadFileBytes("design.mac"), "\r\n<base.mac>\r\n<pads.mac>\r\n\r\n<PADS PADS\r\n.eom\r\n");
}

// The summary counts the unconnected nodes over all macros, and the nets
// joined to an earlier net they share a pin with (T1's A on a and b).
TEST(EdifImport, UnconnectedNodesCountAcrossMacros) {
  TestApp t;
  std::string lib = LibCell("INV", {"A", "Y"}) +
                    "  (cell MID (view v (interface (port P)) (contents" + Inst("M1", "INV") + ")))\n";
  ASSERT_EQ(ImportEdifText(t, EdifWith(lib, "(port a)", Inst("T1", "INV") + Inst("T2", "MID") +
                                                          NetOf("a", {"a", "T1 A"}) + NetOf("b", {"T1 A"}))),
            Outcome::kCompleted);
  EXPECT_NE(t.ui.Last().text.find("\n\nWARNING: 1 nets share a pin with an earlier net and are joined to "
                                  "it, as one net (the first: TOP: b joined to a at T1<A)"),
            std::string::npos)
      << t.ui.Last().text;
  std::string mac = ReadFileBytes("design.mac");
  EXPECT_NE(mac.find("<M1 INV NCX1 NCX2\r\n"), std::string::npos);
  EXPECT_NE(mac.find("<T1 INV a NCX3\r\n<T2 MID NCX4\r\n"), std::string::npos);
  EXPECT_NE(t.ui.Last().text.find("\n\nWARNING: 4 unconnected nodes, see NCXnnn's"), std::string::npos);
}

TEST(EdifImport, EarlyEnds) {
  {
    TestApp t;  // no EDIF file
    t.UseDesign("missing");
    t.app.state.selected_ext = ".edf";
    EXPECT_EQ(RunEdifImport(t.app.context(), t.app.edif, EdifJobOf(t.app)), Outcome::kFailed);
    EXPECT_TRUE(t.ui.Showed(t.dir / "missing.edf", "Error opening:"));
  }
  {
    TestApp t;  // "Replace File?" answered No: the old file stays
    WriteFileBytes("design.mac", "old");
    WriteFileBytes("design.edf", kAndTop);
    t.UseDesign("design");
    t.app.state.selected_ext = ".edf";
    t.ui.answers = {"no"};
    EXPECT_EQ(RunEdifImport(t.app.context(), t.app.edif, EdifJobOf(t.app)), Outcome::kStopped);
    EXPECT_EQ(ReadFileBytes("design.mac"), "old");
    EXPECT_TRUE(t.ui.Showed(t.dir / "design.mac", "Replace File?"));
    EXPECT_EQ(t.ui.progress_log.back(), "close");
  }
  {
    TestApp t;  // the include dialog cancelled: an empty macro file
    WriteFileBytes("design.edf", kAndTop);
    t.UseDesign("design");
    t.app.state.selected_ext = ".edf";
    t.ui.answers = {"no"};
    t.ui.dialog_scripts.push_back([](TableView&) { return kIdCancel; });
    EXPECT_EQ(RunEdifImport(t.app.context(), t.app.edif, EdifJobOf(t.app)), Outcome::kStopped);
    EXPECT_EQ(ReadFileBytes("design.mac"), "");
    EXPECT_FALSE(t.profile.Has("func_macs"));
  }
}

TEST(EdifImport, UnreadableBaseFileMeansNone) {
  TestApp t;
  ASSERT_EQ(ImportWithIncludes(t, kAndTop, {"", "", "", ""}, {"yes", t.dir / "nothere.mac"}), Outcome::kCompleted);
  EXPECT_TRUE(t.ui.Showed(t.dir / "nothere.mac", "Unable to open:"));
  EXPECT_EQ(t.ui.file_dialog_patterns.front(), "*.mac");
}

TEST(EdifImport, IncludeDialogFields) {
  TestApp t;
  t.profile.values["pri_macs"] = "tib.mac";
  MacIncludes inc;
  inc.base = t.dir / "lib" + "/base.mac";
  MacDlgModel model(t.app.platform, t.app.state.test_dir, t.app.state.last_dir, inc);
  TableView view;
  model.OnInit(view);
  EXPECT_EQ(model.TemplateName(), "MacDlg");
  EXPECT_EQ(view.title(), "Macro Include Files");
  EXPECT_EQ(view.GetText(macdlg::kFuncMacs), "\\vazevari\\nettran\\scmos\\scms2tpr.mac");
  EXPECT_EQ(view.GetText(macdlg::kPriMacs), "tib.mac");
  EXPECT_EQ(view.GetText(macdlg::kBaseMacs), "lib/base.mac");  // test directory taken off
  EXPECT_EQ(view.GetText(macdlg::kPadMacs), "");

  // Browse puts the chosen file into the field of its row.
  t.ui.answers = {"/elsewhere/pads.mac", "cancel"};
  model.OnCommand(macdlg::kBrowsePad, view);
  EXPECT_EQ(view.GetText(macdlg::kPadMacs), "/elsewhere/pads.mac");
  model.OnCommand(macdlg::kBrowseFunc, view);  // cancelled: unchanged
  EXPECT_EQ(view.GetText(macdlg::kFuncMacs), "\\vazevari\\nettran\\scmos\\scms2tpr.mac");
  EXPECT_EQ(t.ui.file_dialog_patterns.back(), "*.mac;*.txt");
  EXPECT_FALSE(view.ended());

  model.OnCommand(kIdOk, view);
  EXPECT_EQ(view.result(), 1);
  EXPECT_EQ(inc.pad, "/elsewhere/pads.mac");
  EXPECT_EQ(t.profile.values["pad_macs"], "/elsewhere/pads.mac");
  EXPECT_FALSE(t.profile.Has("base"));

  TableView other;
  model.OnInit(other);
  model.OnCommand(kIdCancel, other);
  EXPECT_EQ(other.result(), -1);

  // A name with a line break would put half of it on a line of its own:
  // refused, and the dialog stays open.
  TableView broken;
  model.OnInit(broken);
  broken.SetText(macdlg::kPriMacs, "tib\n.eom");
  model.OnCommand(kIdOk, broken);
  EXPECT_FALSE(broken.ended());
  EXPECT_TRUE(t.ui.Showed("This file name holds a line break, which an include line of a macro file "
                          "cannot hold:\n\ntib?.eom",
                          "Macro Include Files"));
  EXPECT_EQ(t.profile.values["pri_macs"], "tib.mac");
}

// A file system whose long directory "C:\Design Files" has the short form
// "C:\DESIGN~1".
class ShortFormFileSystem : public testing::TestFileSystem {
 public:
  ShortFormFileSystem() { style = PathStyle::kWindows; }
  bool ShortPath(const std::string& path, std::string& result) override {
    result = EqualNoCase(path, "C:\\Design Files") ? "C:\\DESIGN~1" : path;
    return true;
  }
};

TEST(EdifImport, BaseFileInTheTestDirectoryGivenInLongForm) {
  TestApp t;
  ShortFormFileSystem fs;
  Session app(Platform{t.ui, t.profile, t.shell, fs});
  app.state.test_dir = "c:\\design~1\\";
  struct Case {
    std::string chosen;
    std::string shown;
  } cases[] = {
      {"C:\\Design Files\\counter_base.mac", "counter_base.mac"},  // long form
      {"c:\\design~1\\lib\\base.mac", "lib\\base.mac"},           // short form
      {"C:\\Other\\base.mac", "C:\\Other\\base.mac"},              // elsewhere
      {"C:base.mac", "C:base.mac"},                                  // no directory
  };
  for (const Case& c : cases) {
    MacIncludes inc;
    inc.base = c.chosen;
    MacDlgModel model(app.platform, app.state.test_dir, app.state.last_dir, inc);
    TableView view;
    model.OnInit(view);
    EXPECT_EQ(view.GetText(macdlg::kBaseMacs), c.shown) << c.chosen;
  }
}

TEST(EdifImport, UnwrappableLineClosesTheOutput) {
  TestApp t;
  std::string name(90, 'x');
  ASSERT_EQ(ImportEdifText(t, EdifWith(LibCell("B", {"A"}), "(port a)", Inst("U1", "B") + Inst(name, "B"))),
            Outcome::kFailed);
  EXPECT_EQ(t.ui.Last().caption, "Symbol over 70 char. long");
  EXPECT_EQ(t.ui.Last().type & box::kNoOwner, box::kNoOwner);
  // The conversion stopped: no .mac is left half written.
  EXPECT_FALSE(std::filesystem::exists("design.mac"));
  EXPECT_TRUE(testing::ScratchFilesIn(".").empty());
  // So does a cell the file never defines, named too long to wrap.
  TestApp undefined;
  ASSERT_EQ(ImportEdifText(undefined, "(edif t (edifVersion 2 0 0)\n (external PARTS (edifLevel 0))\n (library WORK\n"
                                      "  (cell TOP (view v (interface (port a)) (contents\n" +
                                          Inst("U1", name) + NetOf("a", {"a", "U1 A"}) +
                                          "))))\n (design TOP (cellRef TOP (libraryRef WORK))))\n"),
            Outcome::kFailed);
  EXPECT_EQ(undefined.ui.Last().caption, "Symbol over 70 char. long");
  EXPECT_NE(undefined.ui.Last().text.find("Macro " + name + ", from " + (undefined.dir / "design.edf")),
            std::string::npos);
}

}  // namespace
}  // namespace kalvor

namespace kalvor {
namespace {

TEST(EdifImport, CellsNeverDefinedTakeThePortsTheirInstancesUse) {
  // A schematic whose parts live in a library the file leaves empty.
  const std::string edif =
      "(edif t (edifVersion 2 0 0)\n (external PARTS (edifLevel 0))\n (library WORK\n"
      "  (cell TOP (view v (interface (port a) (port y)) (contents\n" +
      std::string("    (instance U1 (viewRef v (cellRef INV (libraryRef PARTS))))\n"
                  "    (instance U2 (viewRef v (cellRef inv (libraryRef PARTS))))\n"
                  "    (instance R1 (viewRef v (cellRef RES (libraryRef PARTS))))\n") +
      NetOf("a", {"a", "U1 A", "R1 (member P 0)"}) + NetOf("n", {"U1 Y", "U2 A"}) +
      NetOf("y", {"U2 Y", "y", "R1 (member P 1)"}) + "))))\n (design TOP (cellRef TOP (libraryRef WORK))))\n";
  TestApp t;
  ASSERT_EQ(ImportEdifText(t, edif), Outcome::kCompleted);
  EXPECT_EQ(testing::MacLines(t.dir / "design.mac"),
            (std::vector<std::string>{"", "", ".macro INV A Y", ".eom", "", ".macro RES P0 P1", ".eom", "",
                                      ".macro TOP a y", "<U1 INV a n", "<U2 inv n y", "<R1 RES a y", ".eom",
                                      ""}));
  EXPECT_EQ(t.ui.Last().text, "Output file: " + (t.dir / "design.mac") +
                                  "\nTop cell:    TOP\n\nWARNING: 2 macros with no body (primitives "
                                  "which must be defined?)");
}

// A schematic's drawings are no part of its netlist: a title block in the
// comment graphics, a power symbol implementing a port, a junction inside
// a net. A part nothing connects is, and its cell is written too; cells
// the file never defines come in the order of their first instance.
TEST(EdifImport, SchematicDrawingsAreNoInstances) {
  const std::string edif =
      "(edif t (edifVersion 2 0 0)\n (external PARTS (edifLevel 0))\n (library WORK\n"
      "  (cell TOP (view v (interface (port a) (port y)) (contents (page p1\n"
      "   (commentGraphics (instance TB (viewRef v (cellRef TITLEBLOCK (libraryRef PARTS)))))\n"
      "   (portImplementation a (instance P1 (viewRef v (cellRef VCC (libraryRef PARTS)))))\n"
      "   (instance U1 (viewRef v (cellRef INV (libraryRef PARTS))))\n"
      "   (instance MH (viewRef v (cellRef HOLE (libraryRef PARTS))))\n"
      "   (instance U2 (viewRef v (cellRef INV (libraryRef PARTS))))\n" +
      NetOf("a", {"a", "U1 A"}) + NetOf("y", {"U2 Y", "y"}) +
      "   (net n (joined (portRef Y (instanceRef U1)) (portRef A (instanceRef U2)))\n"
      "    (instance J1 (viewRef v (cellRef TIE (libraryRef PARTS))))))))))\n"
      " (design TOP (cellRef TOP (libraryRef WORK))))\n";
  TestApp t;
  ASSERT_EQ(ImportEdifText(t, edif), Outcome::kCompleted);
  EXPECT_EQ(testing::MacLines(t.dir / "design.mac"),
            (std::vector<std::string>{"", "", ".macro INV A Y", ".eom", "", ".macro HOLE", ".eom", "",
                                      ".macro TOP a y", "<U1 INV a n", "<MH HOLE", "<U2 INV n y", ".eom",
                                      ""}));
}

TEST(EdifImport, SupplyPortsStayOutOfHeadersOnlyWhereTheirNetIsThatSupply) {
  // OPAMP's VDD is on the +3.3 V rail: a normal pin. Its GND and RES's VDD
  // are on their own supply everywhere: left out. SUB's VDD is on another
  // net in TOP, so inside SUB the net on it is no supply either: BUF's VDD
  // pin on it is a normal pin too, and BUF's VDD is kept everywhere.
  std::string lib = LibCell("OPAMP", {"IN", "OUT", "VDD", "GND"}) + LibCell("RES", {"A", "B", "VDD"}) +
                    LibCell("BUF", {"A", "Y", "VDD"}) +
                    "  (cell SUB (view v (interface (port I) (port O) (port VDD)) (contents" +
                    Inst("B1", "BUF") + NetOf("i", {"I", "B1 A"}) + NetOf("o", {"O", "B1 Y"}) +
                    NetOf("VDD", {"VDD", "B1 VDD"}) + ")))\n";
  std::string top = Inst("U1", "OPAMP") + Inst("R1", "RES") + Inst("S1", "SUB") + Inst("B2", "BUF") +
                    NetOf("P3V3", {"U1 VDD", "S1 VDD", "R1 A"}) + NetOf("GND", {"U1 GND", "R1 B"}) +
                    NetOf("VDD", {"R1 VDD", "B2 VDD"}) + NetOf("x", {"x", "U1 IN", "S1 I"}) +
                    NetOf("o", {"U1 OUT", "S1 O", "B2 A"});
  TestApp t;
  ASSERT_EQ(ImportEdifText(t, EdifWith(lib, "(port x)", top)), Outcome::kCompleted);
  EXPECT_EQ(testing::MacLines(t.dir / "design.mac"),
            (std::vector<std::string>{"", "", ".macro OPAMP IN OUT VDD", "$input IN OUT VDD", ".eom", "",
                                      ".macro RES A B", "$input A B", ".eom", "", ".macro BUF A Y VDD",
                                      "$input A Y VDD", ".eom", "", ".macro SUB I O VDD",
                                      "<B1 BUF I O VDD", ".eom", "", ".macro TOP x", "<U1 OPAMP x o P3V3",
                                      "<R1 RES P3V3 GND", "<S1 SUB x o P3V3", "<B2 BUF o NCX1 VDD", ".eom",
                                      ""}));
}

}  // namespace
}  // namespace kalvor
