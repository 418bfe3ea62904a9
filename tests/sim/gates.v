// The suite's second cell library (Verilog models for the reference
// simulation): the gate cells Yosys maps onto when its own cell names are
// kept ($_AND_ ...), written once for every design that Yosys writes.
module \$_NOT_ (input A, output Y); assign Y = ~A; endmodule
module \$_BUF_ (input A, output Y); assign Y = A; endmodule
module \$_AND_ (input A, input B, output Y); assign Y = A & B; endmodule
module \$_OR_ (input A, input B, output Y); assign Y = A | B; endmodule
module \$_NAND_ (input A, input B, output Y); assign Y = ~(A & B); endmodule
module \$_NOR_ (input A, input B, output Y); assign Y = ~(A | B); endmodule
module \$_XOR_ (input A, input B, output Y); assign Y = A ^ B; endmodule
module \$_XNOR_ (input A, input B, output Y); assign Y = ~(A ^ B); endmodule
module \$_MUX_ (input A, input B, input S, output Y); assign Y = S ? B : A; endmodule
module \$_DFF_P_ (input C, input D, output reg Q); always @(posedge C) Q <= D; endmodule
module GND(output G); assign G = 1'b0; endmodule
module VCC(output P); assign P = 1'b1; endmodule
