// Hierarchy with buses both ways (descending and ascending ranges), a
// concatenated connection, constants into instances and assigns.
module addbits(input [3:0] a, input [3:0] b, input ci, output [4:0] s);
  assign s = a + b + ci;
endmodule

module swap(input [3:0] x, output [3:0] y);
  assign y = {x[2], x[3], x[0], x[1]};
endmodule

module hier(input [3:0] p, input [3:0] q, input c, output [4:0] sum, output [3:0] r,
            output [1:0] lo, output k);
  wire [4:0] s1;
  wire [3:0] t;
  addbits u_add(.a(p), .b({q[1:0], q[3:2]}), .ci(1'b1), .s(s1));
  swap u_swap(.x(t), .y(r));
  addbits u_add2(.a(4'b1010), .b(p), .ci(c), .s({lo, t[2:0]}));
  assign t[3] = c ^ p[3];
  assign sum = s1 ^ {5{c}};
  assign k = s1[4] & q[0];
endmodule
