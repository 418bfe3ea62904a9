// Wide multiplexer and register with reset: buses in both directions,
// constants, several modules.
module regfile(input clk, input we, input [1:0] wa, input [1:0] ra, input [7:0] wd,
               output [7:0] rd);
  reg [7:0] m [0:3];
  always @(posedge clk) if (we) m[wa] <= wd;
  assign rd = m[ra];
endmodule

module mux(input clk, input rst, input [1:0] sel, input [7:0] a, input [7:0] b,
           output reg [7:0] y, output [7:0] z);
  always @(posedge clk)
    if (rst) y <= 8'h5a;
    else y <= sel[0] ? a : (sel[1] ? b : ~a);
  regfile rf(.clk(clk), .we(sel[1]), .wa(sel), .ra(~sel), .wd(a ^ b), .rd(z));
endmodule
