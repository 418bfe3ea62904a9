// Cells whose names differ only in letter case: a design module named like
// the leaf cell it instantiates (as Yosys writes a module named mux), two
// modules, one of them named like another's numbered macro name, and two
// whose supply-named port is a supply in one and a normal pin in the other.
module inv_2(input a, output y);
  NOT n (.A(a), .Y(y));
endmodule

module inv(input a, output y);
  inv_2 i (.a(a), .y(y));
endmodule

module INV(input a, output y);
  inv i (.a(a), .y(y));
endmodule

module buf1(input a, output y, inout VDD);
  BUF b (.A(a), .Y(y), .VDD(VDD));
endmodule

module BUF1(input a, output y, inout VDD);
  BUF b (.A(a), .Y(y), .VDD(VDD));
endmodule

module mux(input a, input b, input s, input x, output y, output z, output p, output q);
  wire w;
  MUX g1 (.A(a), .B(b), .S(s), .Y(w));
  INV g2 (.a(w), .y(y));
  inv g3 (.a(w), .y(z));
  buf1 g4 (.a(w), .y(p), .VDD(VDD));
  BUF1 g5 (.a(w), .y(q), .VDD(x));
endmodule
