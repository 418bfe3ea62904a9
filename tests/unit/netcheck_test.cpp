// The connectivity checker itself: a correct macro file passes, and every
// kind of mis-wiring it must catch is caught.
#include <gtest/gtest.h>

#include <string>

#include "compare.h"
#include "edif_netlist.h"
#include "mac_netlist.h"
#include "verilog_netlist.h"

namespace {

// TOP: ports A, B, D[1:0] (array), Y; u1 and u2 of AND2; nets a, b, d1
// (member 0 = D1), mid, y; u2.B is left open.
const char* const kEdif = R"((edif top (edifVersion 2 0 0)
 (library work (edifLevel 0)
  (cell AND2 (cellType GENERIC) (view net (viewType NETLIST)
   (interface (port A (direction INPUT)) (port B (direction INPUT)) (port Y (direction OUTPUT)))))
  (cell TOP (cellType GENERIC) (view net (viewType NETLIST)
   (interface (port A) (port B) (port (array (rename d "D[1:0]") 2)) (port Y))
   (contents
    (instance u1 (viewRef net (cellRef AND2 (libraryRef work))))
    (instance U2 (viewRef net (cellRef and2 (libraryRef WORK))))
    (net a (joined (portRef A) (portRef A (instanceRef u1))))
    (net b (joined (portRef B) (portRef B (instanceRef u1))))
    (net d1 (joined (portRef (member d 0)) (portRef A (instanceRef u2))))
    (net mid (joined (portRef Y (instanceRef u1)) (portRef (member D 1))))
    (net y (joined (portRef y (instanceRef U2)) (portRef Y)))))))
 (design top (cellRef TOP (libraryRef work))))
)";

const char* const kGood =
    ".macro AND2 A B Y\r\n.eom\r\n\r\n"
    ".macro TOP A B D0 D1 Y\r\n<u1 AND2 A B D0\r\n<U2 AND2 D1 NCX1 Y\r\n.eom\r\n";

struct Case {
  const char* what;
  std::string mac;
  bool same;
};

TEST(Netcheck, FindsEveryKindOfMiswiring) {
  const std::string good = kGood;
  auto edit = [&](const std::string& from, const std::string& to) {
    std::string s = good;
    s.replace(s.find(from), from.size(), to);
    return s;
  };
  const Case cases[] = {
      {"as converted", good, true},
      {"continuation lines", edit("<u1 AND2 A B D0", "<u1 AND2 A\r\n+B D0"), true},
      {"a fanout buffer in front of a net",
       edit("<u1 AND2 A B D0\r\n", "<u1 AND2 A B D0_fanbust\r\n<fb1 BUF4 D0_fanbust D0\r\n"), true},
      {"a second buffer of one net, its node made unique",
       edit("<u1 AND2 A B D0\r\n", "<u1 AND2 A B D0_fanbust_2\r\n<fb2 BUF4 D0_fanbust_2 D0\r\n"), true},
      {"a buffer whose node is not its net's",
       edit("<u1 AND2 A B D0\r\n", "<u1 AND2 A B D0_fanbust_x\r\n<fb2 BUF4 D0_fanbust_x D0\r\n"), false},
      {"an inserted inverter",
       edit("<U2 AND2 D1 NCX1 Y\r\n", "<U2 AND2 EXTINV_1<O NCX1 Y\r\n<EXTINV_1 EXTINV D1 EXTINV_1<O\r\n"),
       true},
      {"a pin split off its net", edit("<u1 AND2 A B D0", "<u1 AND2 A b D0"), false},
      {"two nets joined", edit("<U2 AND2 D1 NCX1 Y", "<U2 AND2 D1 NCX1 D0"), false},
      {"port and net differing in letter case", edit("<U2 AND2 D1 NCX1 Y", "<U2 AND2 D1 NCX1 y"), false},
      {"bus bits in the wrong order", edit(".macro TOP A B D0 D1 Y", ".macro TOP A B D1 D0 Y"), false},
      {"two header ports of one name", edit(".macro TOP A B D0 D1 Y", ".macro TOP A B D0 D0 Y"), false},
      {"an open pin connected", edit("D1 NCX1 Y", "D1 A Y"), false},
      {"a connected pin left open", edit("<u1 AND2 A B D0", "<u1 AND2 NCX2 B D0"), false},
      {"a port missing from the header", edit(".macro TOP A B D0 D1 Y", ".macro TOP A B D0 D1"), false},
      {"instances swapped",
       "\r\n.macro AND2 A B Y\r\n.eom\r\n.macro TOP A B D0 D1 Y\r\n<U2 AND2 D1 NCX1 Y\r\n"
       "<u1 AND2 A B D0\r\n.eom\r\n",
       false},
      {"an open pin put on a supply node", edit("D1 NCX1 Y", "D1 GND Y"), false},
  };
  netcheck::Netlist edif;
  ASSERT_TRUE(netcheck::ParseEdifNetlist(kEdif, edif));
  ASSERT_TRUE(edif.problems.empty()) << edif.problems[0];
  for (const Case& c : cases) {
    netcheck::Netlist mac;
    netcheck::ParseMacNetlist(c.mac, mac);
    netcheck::CompareResult r = netcheck::CompareConnectivity(edif, mac);
    EXPECT_EQ(r.differences.empty(), c.same)
        << c.what << (r.differences.empty() ? "" : ": " + r.differences[0]);
    EXPECT_EQ(r.cells, 2) << c.what;
  }
}

TEST(Netcheck, ReadsNameFormsViewsAndDesignFirst) {
  // (name ...) and (rename (name ...) "...") forms, a second view, a
  // [a..b] range and the design list before the library.
  const char* const edif = R"((edif x (design x (cellRef T (libraryRef l)))
 (library l
  (cell B (view Normal (interface (port (name a)) (port (rename (name y) "Y"))))
          (view Convert (interface (port a) (port y))))
  (cell T (view v (interface (port (array (rename q "Q[0..1]") 2)))
   (contents (instance (name I1) (viewRef Normal (cellRef B)))
    (net (rename (name n1) "N1") (joined (portRef (member Q 0)) (portRef A (instanceRef i1))))
    (net n2 (joined (portRef (member q 1)) (portRef Y (instanceRef I1))))))))))";
  netcheck::Netlist nl;
  ASSERT_TRUE(netcheck::ParseEdifNetlist(edif, nl));
  EXPECT_TRUE(nl.problems.empty());
  EXPECT_EQ(nl.top, "T");
  ASSERT_EQ(nl.cells.size(), 2u);
  EXPECT_EQ(nl.cells[0].ports.size(), 2u);  // one view's interface
  netcheck::Netlist mac;
  netcheck::ParseMacNetlist(".macro B a y\r\n.eom\r\n.macro T Q0 Q1\r\n<I1 B Q0 Q1\r\n.eom\r\n", mac);
  EXPECT_TRUE(netcheck::CompareConnectivity(nl, mac).differences.empty());
  netcheck::Netlist swapped;
  netcheck::ParseMacNetlist(".macro B a y\r\n.eom\r\n.macro T Q0 Q1\r\n<I1 B Q1 Q0\r\n.eom\r\n",
                            swapped);
  EXPECT_FALSE(netcheck::CompareConnectivity(nl, swapped).differences.empty());
}

// A schematic as the import reads it: instances the contents or a page
// list (not the drawings in graphics, port implementations or nets), nets
// on two pages joined by an off-page connector, a part from a library
// that does not hold it (the first cell of its name), and a part of a
// cell the file never defines that nothing connects.
TEST(Netcheck, ReadsSchematicsAsTheImportReadsThem) {
  const char* const edif = R"((edif s (external PARTS (edifLevel 0))
 (library LIB (cell R (view v (interface (port A) (port B)))))
 (library WORK
  (cell TOP (view v (interface (port a))
   (contents (offPageConnector SIG)
    (page p1 (commentGraphics (instance TB (viewRef v (cellRef TITLE (libraryRef PARTS)))))
     (instance R1 (viewRef v (cellRef R)))
     (instance MH (viewRef v (cellRef HOLE (libraryRef PARTS))))
     (net a (joined (portRef a) (portRef A (instanceRef R1))))
     (net s1 (joined (portRef B (instanceRef R1)) (portRef SIG))
      (instance J1 (viewRef v (cellRef TIE (libraryRef PARTS))))))
    (page p2 (instance R2 (viewRef v (cellRef R (libraryRef LIB))))
     (net s2 (joined (portRef SIG) (portRef A (instanceRef R2))))))))))
 (design s (cellRef TOP (libraryRef WORK))))";
  netcheck::Netlist nl;
  ASSERT_TRUE(netcheck::ParseEdifNetlist(edif, nl));
  EXPECT_TRUE(nl.problems.empty()) << nl.problems[0];
  netcheck::Netlist mac;
  netcheck::ParseMacNetlist(".macro HOLE\r\n.eom\r\n.macro R A B\r\n.eom\r\n.macro TOP a\r\n"
                            "<R1 R a SIG\r\n<MH HOLE\r\n<R2 R SIG NCX1\r\n.eom\r\n",
                            mac);
  netcheck::CompareResult r = netcheck::CompareConnectivity(nl, mac);
  EXPECT_TRUE(r.differences.empty()) << r.differences[0];
  netcheck::Netlist apart;  // the two pages' nets kept apart
  netcheck::ParseMacNetlist(".macro HOLE\r\n.eom\r\n.macro R A B\r\n.eom\r\n.macro TOP a\r\n"
                            "<R1 R a SIG\r\n<MH HOLE\r\n<R2 R SIG_2 NCX1\r\n.eom\r\n",
                            apart);
  EXPECT_FALSE(netcheck::CompareConnectivity(nl, apart).differences.empty());
}

// What must not stop the checker: a connection naming no port of its
// module or more positional connections than ports (a problem, not an
// abort), tri1 nets, an output wider than its connection, a leaf cell's
// port as wide as its widest connection; and a supply
// port on another net, or a VCC renamed by the supply answer.
TEST(Netcheck, ReadsWhatTheImportReads) {
  const std::string verilog =
      "module sub(input [3:0] a, output [3:0] y, inout VDD);\nendmodule\n"
      "module top(input [1:0] a, output [1:0] y, input p, output q, input VCC);\n"
      " tri1 t;\n"
      " sub s1 (.a({a, a}), .y(y), .VDD(p));\n"
      " sub s2 (.a({t, t, t, t}), .y(), .VDD(VCC));\n"
      " LEAF l1 (.Q(q), .E(t));\n"
      " LEAF l2 (.Q(q), .E({t, p}));\n"
      "endmodule\n";
  netcheck::Netlist nl;
  ASSERT_TRUE(netcheck::ParseVerilogNetlist(verilog, nl));
  EXPECT_TRUE(nl.problems.empty()) << nl.problems[0];
  // sub's VDD is on p in s1: a normal pin, in the header; y0 y1 of s1 on
  // y, y2 y3 open.
  const char* mac =
      ".macro LEAF Q E0 E1\r\n.eom\r\n.macro sub a0 a1 a2 a3 y0 y1 y2 y3 VDD\r\n.eom\r\n"
      ".macro top a0 a1 y0 y1 p q VCC\r\n<s1 sub a0 a1 a0 a1 y0 y1 NCX1 NCX2 p\r\n"
      "<s2 sub t t t t NCX3 NCX4 NCX5 NCX6 VCC\r\n<l1 LEAF q t NCX7\r\n<l2 LEAF q p t\r\n.eom\r\n";
  netcheck::Netlist m;
  netcheck::ParseMacNetlist(mac, m);
  netcheck::CompareResult r = netcheck::CompareConnectivity(nl, m);
  EXPECT_TRUE(r.differences.empty()) << r.differences[0];
  // Answered yes: the VCC port is the supply VDD, out of the header, and
  // s2's VDD pin on it is the same supply.
  netcheck::RenameVccToVdd(nl);
  netcheck::Netlist vdd;
  netcheck::ParseMacNetlist(std::string(mac).replace(std::string(mac).find(" p q VCC"), 8, " p q") , vdd);
  r = netcheck::CompareConnectivity(nl, vdd);
  EXPECT_FALSE(r.differences.empty());  // s2 still writes VCC
  netcheck::Netlist fixed;
  std::string text = std::string(mac);
  text.replace(text.find(" p q VCC"), 8, " p q");
  text.replace(text.find("NCX6 VCC"), 8, "NCX6 VDD");
  netcheck::ParseMacNetlist(text, fixed);
  r = netcheck::CompareConnectivity(nl, fixed);
  EXPECT_TRUE(r.differences.empty()) << r.differences[0];
  // An inverted bit is the output O of an inverter NOT_k (cell EXTINV)
  // after the statement, its input A on the bit; a bus has one a bit, most
  // significant first: swapped, or in the other order, the nets differ.
  netcheck::Netlist inverted;
  ASSERT_TRUE(netcheck::ParseVerilogNetlist(
      "module m(a, y); input [1:0] a; output [1:0] y; BUF b (.A(~(a)), .Y(y)); endmodule\n", inverted));
  for (const auto& [inverters, same] :
       {std::pair{"<NOT_1 EXTINV a1 n1\r\n<NOT_2 EXTINV a0 n0", true},
        std::pair{"<NOT_1 EXTINV n1 a1\r\n<NOT_2 EXTINV n0 a0", false},
        std::pair{"<NOT_1 EXTINV a0 n0\r\n<NOT_2 EXTINV a1 n1", false}}) {
    netcheck::Netlist inv_mac;
    netcheck::ParseMacNetlist(std::string(".macro BUF A0 A1 Y0 Y1\r\n.eom\r\n.macro EXTINV A O\r\n.eom\r\n"
                                          ".macro m a0 a1 y0 y1\r\n<b BUF n0 n1 y0 y1\r\n") +
                                  inverters + "\r\n.eom\r\n",
                              inv_mac);
    EXPECT_EQ(netcheck::CompareConnectivity(inverted, inv_mac).differences.empty(), same) << inverters;
  }
  for (const char* bad : {"module m(a); input a; X u (.Z(a)); endmodule\nmodule X(input A); endmodule\n",
                          "module m(a); input a; X u (a, a); endmodule\nmodule X(input A); endmodule\n"}) {
    netcheck::Netlist broken;
    netcheck::ParseVerilogNetlist(bad, broken);
    EXPECT_FALSE(broken.problems.empty()) << bad;
  }
}

}  // namespace

