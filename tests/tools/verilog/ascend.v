// Ascending ranges at a module boundary: port x[0:3] of `pick` is driven by
// t[3:0], so x[0] is t[3]. (Yosys's EDIF writes such a port without its
// range, so this design is checked against its Verilog netlist only.)
module pick(input [0:3] x, input [1:0] s, output y, output [0:1] w);
  assign y = x[s];
  assign w = x[1:2];
endmodule

module ascend(input [3:0] t, input [1:0] s, output y, output [1:0] w);
  pick u(.x(t), .s(s), .y(y), .w(w));
endmodule
