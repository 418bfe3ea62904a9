// Netlist forms that Yosys does not write: the top first, ANSI ports, escaped
// names, positional and empty connections, leaf cells with buses, constants,
// supply0, replication, assigns. Checked with netcheck; a fuzzing seed.
`timescale 1ns/1ps
/* top first: modules may be used before they are defined */
(* top = 1 *)
module top(input [3:0] a, input \b[1] , output [1:0] y, inout io, output z);
  parameter W = 4;
  wire [3:0] n;
  wire m, alias2;
  supply0 gnd_net;
  half h1 (.p(a[1:0]), .q({n[0], \b[±] }), .s(y));
  half h2 ({a[3], a[2]}, n[3:2], );  // positional
  LEAF u3 (.D(a), .E(1'b1), .F(1'bx), .G(), .H(gnd_net), .Q(m));
  LEAF u4 (.D({2{n[1:0]}}), .E(1'b0), .Q(alias2));
  assign z = m;
  assign n[0] = alias2, n[1] = io;
endmodule

module half(p, q, s);
  input [1:0] p;
  input [1:0] q;
  output [1:0] s;
  AND2 g0(.A(p[0]), .B(q[0]), .Y(s[0]));
  \XOR2$x g1(.A(p[1]), .B(q[1]), .Y(s[1]));
endmodule
