// The suite's own cell library (Verilog models for the reference
// simulation): the cells its Yosys script maps onto.
module INV(input A, output Y); assign Y = ~A; endmodule
module BUF1(input A, output Y); assign Y = A; endmodule
module AND2(input A, input B, output Y); assign Y = A & B; endmodule
module OR2(input A, input B, output Y); assign Y = A | B; endmodule
module NAND2(input A, input B, output Y); assign Y = ~(A & B); endmodule
module NOR2(input A, input B, output Y); assign Y = ~(A | B); endmodule
module XOR2(input A, input B, output Y); assign Y = A ^ B; endmodule
module XNOR2(input A, input B, output Y); assign Y = ~(A ^ B); endmodule
module MUX2(input A, input B, input S, output Y); assign Y = S ? B : A; endmodule
module DFFP(input C, input D, output reg Q); always @(posedge C) Q <= D; endmodule
module GND(output G); assign G = 1'b0; endmodule
module VCC(output P); assign P = 1'b1; endmodule
