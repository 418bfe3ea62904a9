// Inverted connections as a fitter's simulation netlist writes them, and
// inverted buses, selects and concatenations as other writers do.
`timescale 1 ps/ 1 ps
module inversions (clk, d, en, q, qn, sel, bus, y, z);
input clk;
input [1:0] d;
input en;
output q;
output qn;
output [1:0] sel;
input [3:0] bus;
output [3:0] y;
output [1:0] z;
wire gnd;
wire vcc;
wire \q~reg ;
wire \d[0]~input_o ;
wire [0:2] asc;
assign gnd = 1'b0;
assign vcc = 1'b1;
dffeas \q~reg0 (
	.clk(!clk),
	.d(~\d[0]~input_o ),
	.ena(!en),
	.sclr(gnd),
	.q(\q~reg ));
io_ibuf \d[0]~input (.i(d[0]), .o(\d[0]~input_o ));
lcell_comb \sel~0 (.dataa(!d[1]), .datab(~ d[1]), .datac(!1'b0), .datad(~2'b01), .combout(sel[0]));
assign q = \q~reg , qn = ~ \q~reg ;
wire n = !\q~reg ;
lcell_comb \sel~1 (.dataa(n), .datab(!en), .combout(sel[1]));
ram_block \ram~0 (.clk(~(clk)), .ena(!(en)), .datain(~bus), .addr(~{asc[0:1], 1'b1, d}),
	.byteena(~bus[2:1]), .mask(~{~d[1], d[0]}), .dataout(asc));
assign y = ~{bus[0], bus[3:1]};
wire [1:0] w = ~(bus[1:0]);
assign z = w;
endmodule
