// Small designs of the simulation suite (scripts/test.d/vhdl_sim.sh),
// written for it: sequential, combinational, hierarchical, buses declared
// both ways, ports wired together, names longer than 62 characters.

// Sequential: a counter with reset, enable and a carry out.
module counter4(input clk, input rst, input en, output [3:0] q, output carry);
  reg [3:0] r;
  always @(posedge clk) if (rst) r <= 4'd0; else if (en) r <= r + 4'd1;
  assign q = r;
  assign carry = en & (r == 4'hf);
endmodule

// Combinational: an adder with a comparison, one input bus ascending.
module adder4(input [3:0] a, input [0:3] b, input cin, output [4:0] s, output a_gt_b);
  assign s = a + {b[3], b[2], b[1], b[0]} + cin;
  assign a_gt_b = a > {b[3], b[2], b[1], b[0]};
endmodule

// Hierarchical: two stages of a shift register with a parallel load, one
// instance and the top's ports with names longer than 62 characters.
module shift_stage(input clk, input load, input [0:3] d, input sin, output reg [0:3] q);
  always @(posedge clk) q <= load ? d : {sin, q[0:2]};
endmodule

module shift_top(input clk, input load, input [7:0] data, input serial_input_of_the_shift_register_chain_with_a_name_beyond_62_x,
                 output [7:0] q, output parity_of_all_the_stages_of_the_shift_register_chain_beyond_62_x);
  wire [0:3] low, high;
  shift_stage first_stage_of_the_shift_register_chain_with_an_instance_name_beyond_62(
      .clk(clk), .load(load), .d(data[3:0]),
      .sin(serial_input_of_the_shift_register_chain_with_a_name_beyond_62_x), .q(low));
  shift_stage second(.clk(clk), .load(load), .d(data[7:4]), .sin(low[3]), .q(high));
  assign q = {high, low};
  assign parity_of_all_the_stages_of_the_shift_register_chain_beyond_62_x = ^{high, low};
endmodule

// A state machine: detects the input sequence 1101 (Mealy output registered).
module seqdet(input clk, input rst, input x, output reg found, output [1:0] state);
  reg [1:0] s;
  always @(posedge clk) begin
    if (rst) begin s <= 2'd0; found <= 1'b0; end
    else begin
      found <= (s == 2'd3) & x;
      case (s)
        2'd0: s <= x ? 2'd1 : 2'd0;
        2'd1: s <= x ? 2'd2 : 2'd0;
        2'd2: s <= x ? 2'd2 : 2'd3;
        default: s <= x ? 2'd1 : 2'd0;
      endcase
    end
  end
  assign state = s;
endmodule

// Ports wired together: the serial output is the last bit of the register.
module shift_wired(input clk, input din, output [7:0] q, output so);
  reg [7:0] r;
  always @(posedge clk) r <= {r[6:0], din};
  assign q = r;
  assign so = r[7];
endmodule

// Buses both ways at the top, one of them not from 0: every bit lands by
// its index, so a bus written in the wrong bit order simulates otherwise.
module bus_order(input clk, input [7:0] a, input [0:7] b, output [0:7] x, output [7:0] y,
                 output reg [11:4] r);
  assign x = a ^ b;
  assign y = a + b;
  always @(posedge clk) r <= {a[3:0], b[4:7]};
endmodule
