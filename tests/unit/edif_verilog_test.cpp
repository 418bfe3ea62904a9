// Structural Verilog netlists through the import: what the reader takes,
// into the same macro file the EDIF path writes, and what it refuses
// before anything is written.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "import/verilog_reader.h"
#include "edif_test_support.h"
#include "text/file.h"

namespace kalvor {
namespace {

using testing::ReadFileBytes;
using testing::TestApp;
using testing::WriteFileBytes;

Outcome ImportVerilog(TestApp& t, const std::string& text, const std::string& ext = ".v") {
  WriteFileBytes("design" + ext, text);
  t.UseDesign("design");
  t.app.state.selected_ext = ext;
  t.ui.answers.push_back("no");
  t.ui.dialog_scripts.push_back([](TableView& v) {
    for (int id = 101; id <= 104; ++id) v.SetText(id, "");
    return 1;
  });
  return RunEdifImport(t.app.context(), t.app.edif, EdifJobOf(t.app));
}

TEST(VerilogImport, EveryNetlistFormIntoTheMacroFile) {
  const std::string netlist =
      "`timescale 1ns/1ps\n"
      "/* the top first: modules may be used before they are defined */\n"
      "(* top = 1 *)\n"
      "module top(input [3:0] a, input \\b[1] , output [1:0] y, inout io, output z);\n"
      "  parameter W = 4;\n"
      "  wire [3:0] n;\n"
      "  wire m, alias2;\n"
      "  supply0 gnd_net;\n"
      "  half h1 (.p(a[1:0]), .q({n[0], \\b[1] }), .s(y));\n"
      "  half h2 ({a[3], a[2]}, n[3:2], );  // by position\n"
      "  LEAF u3 (.D(a), .E(1'b1), .F(1'bx), .G(), .H(gnd_net), .Q(m));\n"
      "  LEAF #(.P(2)) u4 (.D({2{n[1:0]}}), .E(1'b0), .Q(alias2));\n"
      "  assign z = m;\n"
      "  assign n[0] = alias2, n[1] = io;\n"
      "endmodule\n"
      "module half(p, q, s);\n"
      "  input [1:0] p;\n"
      "  input [1:0] q;\n"
      "  output [1:0] s;\n"
      "  AND2 g0(.A(p[0]), .B(q[0]), .Y(s[0]));\n"
      "  \\XOR2<x> g1(.A(p[1]), .B(q[1]), .Y(s[1]));\n"
      "endmodule\n";
  for (const char* ext : {".v", ".vg", ".VM"}) {
    TestApp t;
    ASSERT_EQ(ImportVerilog(t, netlist, ext), Outcome::kCompleted) << t.ui.Last().text;
    // Leaf cells first, ports in the order of their use; a bus bit is named
    // as the EDIF import names it; constants are the supply nodes, x and
    // empty connections unconnected; assigns make one net. The directive
    // lines after each header carry the ports' directions (a leaf cell known
    // only by its instances: inout).
    EXPECT_EQ(ReadFileBytes("design.mac"),
              testing::Crlf({"", "", ".macro LEAF D0 D1 D2 D3 E F G H Q",
                         "$bus D[3:0] D3 D2 D1 D0", "$inout D0 D1 D2 D3 E F G H Q", ".eom", "",
                         ".macro AND2 A B Y", "$inout A B Y", ".eom", "", ".macro XOR2_x_ A B Y",
                         "$inout A B Y", ".eom", "",
                         ".macro half p0 p1 q0 q1 s0 s1", "$bus p[1:0] p1 p0", "$bus q[1:0] q1 q0",
                         "$bus s[1:0] s1 s0", "$input p0 p1 q0 q1", "$output s0 s1",
                         "<g0 AND2 p0 q0 s0", "<g1 XOR2_x_ p1 q1 s1", ".eom", "",
                         ".macro top a0 a1 a2 a3 b1 y0 y1 io z", "$bus a[3:0] a3 a2 a1 a0",
                         "$bus y[1:0] y1 y0", "$input a0 a1 a2 a3 b1",
                         "$output y0 y1 z", "$inout io", "<h1 half a0 a1 b1 n0 y0 y1",
                         "<h2 half a2 a3 n2 n3 NCX1 NCX2", "<u3 LEAF a0 a1 a2 a3 VDD NCX3 NCX4 GND z",
                         "<u4 LEAF n0 io n0 io GND NCX5 NCX6 NCX7 n0", ".eom", ""}));
    EXPECT_EQ(ReadFileBytes("design.wir").substr(ReadFileBytes("design.wir").rfind(">>>\r\n") + 5),
              "top top top\r\n");
    EXPECT_EQ(t.ui.Last().text, "Output file: " + (t.dir / "design.mac") +
                                    "\nTop cell:    top\n\nWARNING: 7 unconnected nodes, see "
                                    "NCXnnn's\n\nWARNING: 3 macros with no body (primitives which "
                                    "must be defined?)");
  }
}

TEST(VerilogImport, NetNamesStayApartAndPortsKeepTheirs) {
  TestApp t;
  // Bit 1 of bus x and the net x1 would both be "x1"; two ports on one net
  // get the EDIF import's warning; a port tied to a constant is told.
  ASSERT_EQ(ImportVerilog(t, "module m(a, b, c, d);\n input a; output b; output c; output d;\n"
                             " wire [1:0] x; wire x1;\n"
                             " INV i0(.A(a), .Y(x[1]));\n INV i1(.A(x[1]), .Y(x1));\n"
                             " INV i2(.A(x1), .Y(x[0]));\n"
                             " assign b = a;\n assign c = 1'b0;\n assign d = x[0];\nendmodule\n"),
            Outcome::kCompleted);
  std::string mac = ReadFileBytes("design.mac");
  EXPECT_NE(mac.find("<i0 INV a x1\r\n<i1 INV x1 x1_2\r\n<i2 INV x1_2 d\r\n"), std::string::npos) << mac;
  std::vector<std::string> warnings;
  for (const auto& box : t.ui.boxes) {
    if (box.caption == "Warning:") warnings.push_back(box.text);
  }
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_NE(warnings[0].find("wired together:\n\n   a\n   b\n"), std::string::npos);
  // Ports tied to a constant are told once, with their number.
  EXPECT_EQ(warnings[1], "1 ports are tied to a constant inside their module (the first: port c of "
                         "module m (line 1) to 0), which a macro file cannot show: they are left "
                         "undriven.");
  // Header ports too: bit 1 of port x and the port x1; the instance finds
  // the renamed port.
  TestApp u;
  ASSERT_EQ(ImportVerilog(u, "module s(input [1:0] x, input x1, output y);\n"
                             " AND3 g(.A(x[0]), .B(x[1]), .C(x1), .Y(y));\nendmodule\n"
                             "module t(input [1:0] a, input b, output y);\n"
                             " s u(.x(a), .x1(b), .y(y));\nendmodule\n"),
            Outcome::kCompleted);
  mac = ReadFileBytes("design.mac");
  EXPECT_NE(mac.find(".macro s x0 x1 x1_2 y\r\n$bus x[1:0] x1 x0\r\n$input x0 x1 x1_2\r\n$output y\r\n"
                     "<g AND3 x0 x1 x1_2 y\r\n"),
            std::string::npos)
      << mac;
  EXPECT_NE(mac.find("<u s a0 a1 b y\r\n"), std::string::npos) << mac;
}

TEST(VerilogImport, RefusesWhatIsNoNetlistBeforeWritingAnything) {
  struct Case {
    std::string body;  // inside "module m(a, y); input a; output y;" ... "endmodule"
    std::string message;
  };
  const Case cases[] = {
      {"\n always @(a) y = a;\n", "Line 2: \"always\" (behavioural code) is not supported"},
      {"\n initial y = 0;\n", "Line 2: \"initial\" (behavioural code) is not supported"},
      {"\n assign y = ~~a;\n", "Line 2: \"~\" is not supported after an inversion"},
      {"\n wire [1:0] b;\n assign y = !b;\n", "Line 3: !b is 2 bits wide: a logical not of more than one bit"},
      {"\n assign y = !{a, 1'b0};\n", "Line 2: !{...} is 2 bits wide: a logical not of more than one bit"},
      {"\n assign ~y = a;\n", "Line 2: an assign to an inverted net"},
      {"\n wire \\NOT_1<O ;\n", "Line 2: NOT_1<O is the name this reader gives an inverter's output"},
      {"\n\n assign y = a & a;\n", "Line 3: \"&\" is not supported in an expression"},
      {"\n INV u[1:0] (.A(a), .Y(y));\n", "Line 2: \"[\" is not supported (an array of instances)"},
      {"\n and (y, a, a);\n", "Line 2: \"(\" is not supported (an instance without a name)"},
      {"\n INV u (a, y);\n", "Line 2: instance u connects module INV by position, but the module is "
                             "not defined in the file"},
      {"\n INV u (.A(a), .Y(y));\n INV u (.A(y), .Y(a));\n",
       "Line 3: module m has two instances of one name (lines 2 and 3)"},
      {"\n`pragma protect begin_protected\n`pragma protect data_block\nAXnl39rT\n",
       "Line 2: the netlist is encrypted (`pragma protect): an encrypted netlist cannot be read"},
      {"\n INV u (.A(a[3]), .Y(y));\n", "Line 2: the select a[3] is outside its declaration"},
      {"\n INV u (.A(q[0]), .Y(y));\n", "Line 2: q is not declared"},
      {"\n /* open\n", "Line 2: a comment is not closed"},
      {"\n INV u (.A(a), .Y(y))\n", "Line 3: \"endmodule\" is not supported after an instance"},
      {"\n", "Line 2: the file ends inside module m"},
      {"\n assign y = " + std::string(50000, '{') + "a" + std::string(50000, '}') + ";\n",
       "Line 2: the concatenations are nested too deeply"},
  };
  for (const Case& c : cases) {
    TestApp t;
    WriteFileBytes("design.mac", "old");
    std::string text = "module m(a, y); input a; output y;" + c.body;
    if (c.message.find("file ends") == std::string::npos) text += "endmodule\n";
    EXPECT_EQ(ImportVerilog(t, text), Outcome::kFailed) << c.body;
    EXPECT_EQ(t.ui.Last().caption, t.dir / "design.v");
    EXPECT_EQ(t.ui.Last().text.substr(0, c.message.size()), c.message) << t.ui.Last().text;
    EXPECT_EQ(ReadFileBytes("design.mac"), "old");
    EXPECT_FALSE(FileExists("design.wir"));
  }
}

// The file is read in windows: names, comments and constants that cross
// from one window into the next, and lines counted across them.
TEST(VerilogImport, ReadsAcrossTheWindowsOfALargeFile) {
  std::string body = "module big(a, y); input a; output y; wire [1:0] w;\n/*";
  body += std::string(300000, '*') + " a comment longer than a window\n*/\n";
  for (int i = 0; i < 9000; ++i) {
    body += " INV \\u" + std::to_string(i) + std::string(i % 53, 'x') + " (.A(a), .Y(w[0]));\n";
  }
  const long last = 3 + 9000 + 1;  // the line after the instances
  for (bool broken : {false, true}) {
    TestApp t;
    const std::string text = body + (broken ? " INV v (.A(w[2]), .Y(y));\n" : " INV v (.A(2'b10), .Y(y));\n") +
                             "endmodule\n";
    if (broken) {
      EXPECT_EQ(ImportVerilog(t, text), Outcome::kFailed);
      const std::string message = "Line " + std::to_string(last) + ": the select w[2] is outside";
      EXPECT_EQ(t.ui.Last().text.substr(0, message.size()), message);
      continue;
    }
    ASSERT_EQ(ImportVerilog(t, text), Outcome::kCompleted) << t.ui.Last().text;
    const std::string mac = ReadFileBytes("design.mac");
    EXPECT_NE(mac.find("<u8999" + std::string(8999 % 53, 'x') + " INV a w0\r\n<v INV GND y\r\n"),
              std::string::npos);
  }
}

// A macro file's names ignore letter case: a module named like the leaf
// cell it uses, and one named like another module (and like its first
// numbered name), are written under macro names of their own.
TEST(VerilogImport, CellsNamedAlikeButForLetterCaseGetMacroNamesOfTheirOwn) {
  TestApp t;
  ASSERT_EQ(ImportVerilog(t, "module inv_2(input a, output y); NOT n(.A(a), .Y(y)); endmodule\n"
                             "module inv(input a, output y); inv_2 i(.a(a), .y(y)); endmodule\n"
                             "module INV(input a, output y); inv i(.a(a), .y(y)); endmodule\n"
                             "module mux(input a, output y, output z);\n"
                             " MUX g1(.A(a), .Y(y)); INV g2(.a(a), .y(z));\nendmodule\n"),
            Outcome::kCompleted);
  const std::string mac = ReadFileBytes("design.mac");
  EXPECT_NE(mac.find(".macro MUX A Y\r\n"), std::string::npos) << mac;
  EXPECT_NE(mac.find(".macro INV_3 a y\r\n$input a\r\n$output y\r\n<i inv a y\r\n"), std::string::npos)
      << mac;
  EXPECT_NE(mac.find(".macro mux_2 a y z\r\n$input a\r\n$output y z\r\n<g1 MUX a y\r\n<g2 INV_3 a z\r\n"),
            std::string::npos)
      << mac;
  EXPECT_NE(ReadFileBytes("design.wir").find("mux_2 mux_2 mux_2"), std::string::npos);
  std::vector<std::string> clashes;
  for (const auto& box : t.ui.boxes) {
    if (box.text.find("but for letter case") != std::string::npos) clashes.push_back(box.text);
  }
  ASSERT_EQ(clashes.size(), 2u);
  EXPECT_EQ(clashes[0].rfind("Cell INV is written as macro INV_3: cell inv has its name", 0), 0u) << clashes[0];
  EXPECT_EQ(clashes[1].rfind("Cell mux is written as macro mux_2: cell MUX has its name", 0), 0u) << clashes[1];
}

TEST(VerilogImport, DefinedModulesComeAfterWhatTheyUseAndTheTopIsTheUnusedOne) {
  TestApp t;
  WriteFileBytes("order.v", "module a(); b u(); endmodule\nmodule b(); c u(); endmodule\n"
                            "module c(); endmodule\nmodule d(); endmodule\n");
  File in;
  ASSERT_TRUE(in.Open("order.v", File::Mode::kRead));
  VerilogNetlist n;
  ASSERT_TRUE(n.Parse(in));
  EXPECT_EQ(n.Top(), "d");
  EXPECT_EQ(n.CellCount(), 4u);
  EXPECT_TRUE(IsVerilogPath("x/y.VG"));
  EXPECT_FALSE(IsVerilogPath("x.v/y"));
  EXPECT_FALSE(IsVerilogPath("y.edf"));
}

// Legal Verilog that writers produce: an output wider than its connection
// (its high bits unconnected; an input's are 0), a cell the file does not
// define used with connections of several widths (its port as wide as the
// widest, a sized constant included; the narrower ones on its low bits, a
// constant filled with 0), the simulator's initial $task(...);, ports named in the header
// by an expression, `ifdef branches (an undefined name takes `else), and
// behavioural modules the design instantiates, which become leaf cells
// with their declared ports (one warning; one nothing instantiates is
// left out).
TEST(VerilogImport, LegalFormsOfWritersAreRead) {
  TestApp t;
  ASSERT_EQ(ImportVerilog(t, "`define KEEP\n"
                             "module top (a, .co(k), y, q);\n"
                             " input [1:0] a; output [1:0] y; output k; output q;\n"
                             "`ifdef USE_POWER_PINS\n wire vccd1;\n"
                             "`elsif KEEP\n wire [1:0] n;\n`else\n wire m;\n`endif\n"
                             " CARRY4 c (.CO(n), .S(a), .CI(k));\n"
                             " MUX2 x (n[0], a[1], y[0]);\n"
                             " MUX2 z (.S(n[1]), .A(a[0]), .Y(y[1]));\n"
                             " GND g (.G(k));\n"
                             " LUT1 l (.I0(a[0]), .O(q));\n"
                             " RAMB r0 (.A(a[1]), .C(1'b1));\n RAMB r1 (.A(a), .C(2'b10));\n"
                             " initial $sdf_annotate(\"design.sdo\");\n"
                             "endmodule\n"
                             "module CARRY4 (output [3:0] CO, input [3:0] S, input CI);\n"
                             " assign CO = S ^ {3'b0, CI};\nendmodule\n"
                             "module MUX2 (S, A, Y); input S, A; output Y;\n"
                             " always @(*) Y = S ? A : 1'b0;\nendmodule\n"
                             "module glbl (); reg GSR; initial GSR = 1; endmodule\n"),
            Outcome::kCompleted)
      << t.ui.Last().text;
  EXPECT_EQ(testing::MacLines(t.dir / "design.mac"),
            (std::vector<std::string>{"", "", ".macro CARRY4 CO0 CO1 CO2 CO3 S0 S1 S2 S3 CI",
                                      "$bus CO[3:0] CO3 CO2 CO1 CO0", "$bus S[3:0] S3 S2 S1 S0",
                                      "$input S0 S1 S2 S3 CI", "$output CO0 CO1 CO2 CO3", ".eom", "",
                                      ".macro MUX2 S A Y", "$input S A", "$output Y", ".eom", "",
                                      ".macro GND G", "$inout G", ".eom", "", ".macro LUT1 I0 O",
                                      "$inout I0 O", ".eom", "", ".macro RAMB A0 A1 C0 C1", "$bus A[1:0] A1 A0",
                                      "$bus C[1:0] C1 C0", "$inout A0 A1 C0 C1",
                                      ".eom", "", ".macro top a0 a1 co y0 y1 q",
                                      "$bus a[1:0] a1 a0", "$bus y[1:0] y1 y0", "$input a0 a1", "$output co y0 y1 q",
                                      "<c CARRY4 n0 n1 NCX1 NCX2 a0 a1 GND GND co",
                                      "<x MUX2 n0 a1 y0", "<z MUX2 n1 a0 y1", "<g GND co", "<l LUT1 a0 q",
                                      "<r0 RAMB a1 NCX3 VDD GND", "<r1 RAMB a0 a1 GND VDD", ".eom", ""}));
  bool told = false;
  for (const auto& box : t.ui.boxes) {
    told = told || (box.caption == "Warning:" &&
                    box.text == "Modules with behavioural code (always, initial, operators ...) are "
                                "taken as leaf cells with their ports: CARRY4 MUX2\n\nNothing "
                                "instantiates these; they are left out: glbl");
  }
  EXPECT_TRUE(told);
}

// An inverted bit (~x, !x), in a connection or an assign, is the output of
// an inverter made for it: NOT_k of the leaf cell EXTINV after the
// statement's instance, its input A on the bit; a constant is inverted as
// it stands. An inverted bus, select, concatenation or parenthesis has an
// inverter a bit, most significant first.
TEST(VerilogImport, InvertedBitsGoThroughInverters) {
  struct Case {
    std::string netlist;
    std::vector<std::string> top;  // the top cell's lines in the macro file, after its header
  };
  const std::vector<std::string> inverter = {".macro EXTINV A O", "$inout A O", ".eom", ""};
  const Case cases[] = {
      {"module top (a, b, y, z); input a, b; output y, z;\n"
       " DFF r (.D(!a), .E(~ \\b ), .K(~1'b0), .Q(y));\n"
       " wire n = !y;\n assign z = ~n;\nendmodule\n",
       {"$input a b", "$output y z", "<r DFF NOT_1_O NOT_2_O VDD y", "<NOT_1 EXTINV a NOT_1_O",
        "<NOT_2 EXTINV b NOT_2_O", "<NOT_3 EXTINV y n", "<NOT_4 EXTINV n z"}},
      {"module top (a, b, y, z); input [2:0] a; input [0:1] b; output [2:0] y; output z;\n"
       " AND u (.A(~a[2:1]), .B(~{b, 2'b01}), .C(!(a[0])), .Y(z));\n"
       " assign y = ~(a);\nendmodule\n"
       "module AND (input [1:0] A, input [3:0] B, input C, output Y);\nendmodule\n",  // bound apart
       {"$bus a[2:0] a2 a1 a0", "$bus b[0:1] b0 b1", "$bus y[2:0] y2 y1 y0", "$input a0 a1 a2 b0 b1",
        "$output y0 y1 y2 z", "<u AND NOT_2_O NOT_1_O GND VDD NOT_4_O NOT_3_O NOT_5_O z",
        "<NOT_1 EXTINV a2 NOT_1_O", "<NOT_2 EXTINV a1 NOT_2_O", "<NOT_3 EXTINV b0 NOT_3_O",
        "<NOT_4 EXTINV b1 NOT_4_O", "<NOT_5 EXTINV a0 NOT_5_O", "<NOT_6 EXTINV a2 y2",
        "<NOT_7 EXTINV a1 y1", "<NOT_8 EXTINV a0 y0"}},
  };
  for (const Case& c : cases) {
    TestApp t;
    ASSERT_EQ(ImportVerilog(t, c.netlist), Outcome::kCompleted) << t.ui.Last().text;
    const std::vector<std::string> lines = testing::MacLines(t.dir / "design.mac");
    EXPECT_NE(std::search(lines.begin(), lines.end(), inverter.begin(), inverter.end()), lines.end());
    const auto top = std::find_if(lines.begin(), lines.end(),
                                  [](const std::string& l) { return l.rfind(".macro top ", 0) == 0; });
    ASSERT_LE(top + 3, lines.end()) << c.netlist;
    EXPECT_EQ(std::vector<std::string>(top + 1, lines.end() - 2), c.top) << c.netlist;
  }
}

// A supply-named pin stays out of its cell's header only where it is on
// that very supply: .VDD(vdd) and .VDD(VPWR) make VDD a normal pin of the
// cell; GND, always on GND, stays out.
TEST(VerilogImport, SupplyPinsOnOtherNetsAreNormalPins) {
  TestApp t;
  ASSERT_EQ(ImportVerilog(t, "module top(input a, output y, inout vdd, inout VPWR);\n"
                             " wire GND;\n"
                             " INV u1 (.A(a), .Y(n), .VDD(vdd), .GND(GND));\n"
                             " INV u2 (.A(n), .Y(y), .VDD(VPWR), .GND(GND));\n"
                             " BUF u3 (.A(a), .VDD(VDD));\nendmodule\n"),
            Outcome::kCompleted)
      << t.ui.Last().text;
  EXPECT_EQ(testing::MacLines(t.dir / "design.mac"),
            (std::vector<std::string>{"", "", ".macro INV A Y VDD", "$inout A Y VDD", ".eom", "",
                                      ".macro BUF A", "$inout A", ".eom", "", ".macro top a y VPWR",
                                      "$input a", "$output y", "$inout VPWR", "<u1 INV a n vdd", "<u2 INV n y VPWR",
                                      "<u3 BUF a", ".eom", ""}));
}

TEST(VerilogImport, CapacityStopsNameWhatTheFileNeeds) {
  TestApp t;
  t.profile.values["edif_instances"] = "2";
  t.ui.answers.push_back("no");  // the base file (the raise takes the next no)
  EXPECT_EQ(ImportVerilog(t, "module s(input a); INV u (.A(a)); endmodule\n"
                             "module m(input a); s u1 (.a(a)); s u2 (.a(a)); s u3 (.a(a)); endmodule\n"),
            Outcome::kFailed);
  EXPECT_TRUE(t.ui.Showed("Too many instances in this cell: 3 needed, the setting edif_instances "
                          "allows 2.", "m"));
  EXPECT_EQ(t.ui.Last().text, "This netlist needs the setting edif_instances at 3 or more.\n\n"
                              "Raise edif_instances to 3 and convert again?");
}

}  // namespace
}  // namespace kalvor
