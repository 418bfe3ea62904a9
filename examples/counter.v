// A 4-bit up counter with synchronous reset, enable and parallel load.
module counter (
  input clk,
  input rst,
  input en,
  input load,
  input [3:0] d,
  output reg [3:0] q,
  output carry
);
  always @(posedge clk)
    if (rst) q <= 4'd0;
    else if (load) q <= d;
    else if (en) q <= q + 4'd1;
  assign carry = en & (q == 4'hf);
endmodule
