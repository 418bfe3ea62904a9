// Cells whose names differ only in letter case: a design module named like
// the leaf cell it instantiates (as Yosys writes a module named mux), and
// two modules, one of them named like another's numbered macro name.
module inv_2(input a, output y);
  NOT n (.A(a), .Y(y));
endmodule

module inv(input a, output y);
  inv_2 i (.a(a), .y(y));
endmodule

module INV(input a, output y);
  inv i (.a(a), .y(y));
endmodule

module mux(input a, input b, input s, output y, output z);
  wire w;
  MUX g1 (.A(a), .B(b), .S(s), .Y(w));
  INV g2 (.a(w), .y(y));
  inv g3 (.a(w), .y(z));
endmodule
