// Copyright (C) 1991-2014 Altera Corporation. All rights reserved.
// Your use of Altera Corporation's design tools, logic functions 
// and other software and tools, and its AMPP partner logic 
// functions, and any output files from any of the foregoing 
// (including device programming or simulation files), and any 
// associated documentation or information are expressly subject 
// to the terms and conditions of the Altera Program License 
// Subscription Agreement, the Altera Quartus II License Agreement,
// the Altera MegaCore Function License Agreement, or other 
// applicable license agreement, including, without limitation, 
// that your use is for the sole purpose of programming logic 
// devices manufactured by Altera and sold by Altera or its 
// authorized distributors.  Please refer to the applicable 
// agreement for further details.

// VENDOR "Altera"
// PROGRAM "Quartus II 64-Bit"
// VERSION "Version 14.0.0 Build 200 06/17/2014 SJ Full Version"

// DATE "12/17/2021 09:50:31"

// 
// Device: Altera EP4CE40F23C8 Package FBGA484
// 

// 
// This Verilog file should be used for ModelSim-Altera (Verilog) only
// 

`timescale 1 ns/ 1 ps

module top (
	clk,
	rst,
	A1,
	SW_choose,
	SW1,
	SW2,
	D,
	addr,
	rambus,
	data,
	HEX0,
	HEX1,
	HEX2,
	HEX3,
	HEX4,
	HEX5,
	HEX6,
	HEX7,
	acdbus,
	rdbus,
	cpustate_led,
	check_out,
	quick_low_led,
	read_led,
	write_led,
	arload_led,
	arinc_led,
	pcinc_led,
	pcload_led,
	drload_led,
	trload_led,
	irload_led,
	rload_led,
	acload_led,
	zload_led,
	pcbus_led,
	drhbus_led,
	drlbus_led,
	trbus_led,
	rbus_led,
	acbus_led,
	membus_led,
	busmem_led,
	clr_led);
input 	clk;
input 	rst;
input 	A1;
input 	SW_choose;
input 	SW1;
input 	SW2;
input 	[7:0] D;
output 	[15:0] addr;
output 	[7:0] rambus;
output 	[7:0] data;
output 	[6:0] HEX0;
output 	[6:0] HEX1;
output 	[6:0] HEX2;
output 	[6:0] HEX3;
output 	[6:0] HEX4;
output 	[6:0] HEX5;
output 	[6:0] HEX6;
output 	[6:0] HEX7;
output 	[7:0] acdbus;
output 	[7:0] rdbus;
output 	[1:0] cpustate_led;
output 	[7:0] check_out;
output 	quick_low_led;
output 	read_led;
output 	write_led;
output 	arload_led;
output 	arinc_led;
output 	pcinc_led;
output 	pcload_led;
output 	drload_led;
output 	trload_led;
output 	irload_led;
output 	rload_led;
output 	acload_led;
output 	zload_led;
output 	pcbus_led;
output 	drhbus_led;
output 	drlbus_led;
output 	trbus_led;
output 	rbus_led;
output 	acbus_led;
output 	membus_led;
output 	busmem_led;
output 	clr_led;

// Design Ports Information
// addr[0]	=>  Location: PIN_J18,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[1]	=>  Location: PIN_K17,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[2]	=>  Location: PIN_T12,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[3]	=>  Location: PIN_K18,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[4]	=>  Location: PIN_T13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[5]	=>  Location: PIN_E13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[6]	=>  Location: PIN_J3,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[7]	=>  Location: PIN_J2,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[8]	=>  Location: PIN_B16,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[9]	=>  Location: PIN_E15,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[10]	=>  Location: PIN_B17,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[11]	=>  Location: PIN_J4,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[12]	=>  Location: PIN_Y13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[13]	=>  Location: PIN_A19,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[14]	=>  Location: PIN_D15,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// addr[15]	=>  Location: PIN_E14,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rambus[0]	=>  Location: PIN_B15,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rambus[1]	=>  Location: PIN_B18,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rambus[2]	=>  Location: PIN_F13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rambus[3]	=>  Location: PIN_H18,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rambus[4]	=>  Location: PIN_K19,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rambus[5]	=>  Location: PIN_G14,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rambus[6]	=>  Location: PIN_D13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rambus[7]	=>  Location: PIN_C13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// data[0]	=>  Location: PIN_AA13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// data[1]	=>  Location: PIN_AB14,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// data[2]	=>  Location: PIN_AB13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// data[3]	=>  Location: PIN_AA14,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// data[4]	=>  Location: PIN_AA10,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// data[5]	=>  Location: PIN_AB10,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// data[6]	=>  Location: PIN_V11,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// data[7]	=>  Location: PIN_W10,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX0[0]	=>  Location: PIN_E21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX0[1]	=>  Location: PIN_F22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX0[2]	=>  Location: PIN_F21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX0[3]	=>  Location: PIN_C19,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX0[4]	=>  Location: PIN_C20,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX0[5]	=>  Location: PIN_H21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX0[6]	=>  Location: PIN_H22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX1[0]	=>  Location: PIN_J22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX1[1]	=>  Location: PIN_J21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX1[2]	=>  Location: PIN_K22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX1[3]	=>  Location: PIN_D19,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX1[4]	=>  Location: PIN_D20,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX1[5]	=>  Location: PIN_L22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX1[6]	=>  Location: PIN_K21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX2[0]	=>  Location: PIN_L21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX2[1]	=>  Location: PIN_M22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX2[2]	=>  Location: PIN_M21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX2[3]	=>  Location: PIN_F19,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX2[4]	=>  Location: PIN_F20,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX2[5]	=>  Location: PIN_N21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX2[6]	=>  Location: PIN_N22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX3[0]	=>  Location: PIN_P22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX3[1]	=>  Location: PIN_P21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX3[2]	=>  Location: PIN_R22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX3[3]	=>  Location: PIN_H19,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX3[4]	=>  Location: PIN_H20,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX3[5]	=>  Location: PIN_U22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX3[6]	=>  Location: PIN_R21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX4[0]	=>  Location: PIN_U21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX4[1]	=>  Location: PIN_V22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX4[2]	=>  Location: PIN_V21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX4[3]	=>  Location: PIN_M19,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX4[4]	=>  Location: PIN_M20,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX4[5]	=>  Location: PIN_W21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX4[6]	=>  Location: PIN_W22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX5[0]	=>  Location: PIN_Y22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX5[1]	=>  Location: PIN_Y21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX5[2]	=>  Location: PIN_AA21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX5[3]	=>  Location: PIN_N19,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX5[4]	=>  Location: PIN_N20,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX5[5]	=>  Location: PIN_AA20,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX5[6]	=>  Location: PIN_AB20,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX6[0]	=>  Location: PIN_AB19,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX6[1]	=>  Location: PIN_AA19,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX6[2]	=>  Location: PIN_AB18,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX6[3]	=>  Location: PIN_P20,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX6[4]	=>  Location: PIN_R19,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX6[5]	=>  Location: PIN_AB17,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX6[6]	=>  Location: PIN_AA18,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX7[0]	=>  Location: PIN_AA17,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX7[1]	=>  Location: PIN_AB16,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX7[2]	=>  Location: PIN_AA16,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX7[3]	=>  Location: PIN_R20,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX7[4]	=>  Location: PIN_U20,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX7[5]	=>  Location: PIN_AA15,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// HEX7[6]	=>  Location: PIN_AB15,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// acdbus[0]	=>  Location: PIN_G11,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// acdbus[1]	=>  Location: PIN_C8,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// acdbus[2]	=>  Location: PIN_V12,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// acdbus[3]	=>  Location: PIN_H1,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// acdbus[4]	=>  Location: PIN_W13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// acdbus[5]	=>  Location: PIN_H11,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// acdbus[6]	=>  Location: PIN_C10,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// acdbus[7]	=>  Location: PIN_J1,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rdbus[0]	=>  Location: PIN_Y10,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rdbus[1]	=>  Location: PIN_E9,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rdbus[2]	=>  Location: PIN_E7,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rdbus[3]	=>  Location: PIN_F10,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rdbus[4]	=>  Location: PIN_U12,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rdbus[5]	=>  Location: PIN_C15,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rdbus[6]	=>  Location: PIN_M16,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rdbus[7]	=>  Location: PIN_G13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// cpustate_led[0]	=>  Location: PIN_D22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// cpustate_led[1]	=>  Location: PIN_E22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// check_out[0]	=>  Location: PIN_H10,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// check_out[1]	=>  Location: PIN_C7,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// check_out[2]	=>  Location: PIN_B14,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// check_out[3]	=>  Location: PIN_D10,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// check_out[4]	=>  Location: PIN_E12,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// check_out[5]	=>  Location: PIN_F11,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// check_out[6]	=>  Location: PIN_E11,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// check_out[7]	=>  Location: PIN_E10,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// quick_low_led	=>  Location: PIN_C22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// read_led	=>  Location: PIN_A18,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// write_led	=>  Location: PIN_A17,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// arload_led	=>  Location: PIN_A16,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// arinc_led	=>  Location: PIN_A15,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// pcinc_led	=>  Location: PIN_A14,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// pcload_led	=>  Location: PIN_A13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// drload_led	=>  Location: PIN_A10,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// trload_led	=>  Location: PIN_A9,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// irload_led	=>  Location: PIN_A8,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rload_led	=>  Location: PIN_A7,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// acload_led	=>  Location: PIN_A6,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// zload_led	=>  Location: PIN_A5,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// pcbus_led	=>  Location: PIN_A4,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// drhbus_led	=>  Location: PIN_B3,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// drlbus_led	=>  Location: PIN_A3,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// trbus_led	=>  Location: PIN_B1,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// rbus_led	=>  Location: PIN_B2,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// acbus_led	=>  Location: PIN_C1,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// membus_led	=>  Location: PIN_C2,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// busmem_led	=>  Location: PIN_D2,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// clr_led	=>  Location: PIN_E1,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: 8mA
// SW1	=>  Location: PIN_C21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// SW2	=>  Location: PIN_D21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// SW_choose	=>  Location: PIN_B21,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// rst	=>  Location: PIN_C17,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// D[0]	=>  Location: PIN_B4,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// D[1]	=>  Location: PIN_B5,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// D[2]	=>  Location: PIN_B6,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// D[3]	=>  Location: PIN_B7,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// D[4]	=>  Location: PIN_B8,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// D[5]	=>  Location: PIN_B9,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// D[6]	=>  Location: PIN_B10,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// D[7]	=>  Location: PIN_B13,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// clk	=>  Location: PIN_T22,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default
// A1	=>  Location: PIN_D17,	 I/O Standard: 3.3-V LVTTL,	 Current Strength: Default


wire gnd;
wire vcc;
wire unknown;

assign gnd = 1'b0;
assign vcc = 1'b1;
assign unknown = 1'bx;

tri1 devclrn;
tri1 devpor;
tri1 devoe;
// synopsys translate_off
initial $sdf_annotate("PCO_comolex_v.sdo");
// synopsys translate_on

wire \rambus[0]~output_o ;
wire \rambus[1]~output_o ;
wire \rambus[2]~output_o ;
wire \rambus[3]~output_o ;
wire \rambus[4]~output_o ;
wire \rambus[5]~output_o ;
wire \rambus[6]~output_o ;
wire \rambus[7]~output_o ;
wire \data[0]~output_o ;
wire \data[1]~output_o ;
wire \data[2]~output_o ;
wire \data[3]~output_o ;
wire \data[4]~output_o ;
wire \data[5]~output_o ;
wire \data[6]~output_o ;
wire \data[7]~output_o ;
wire \check_out[0]~output_o ;
wire \check_out[1]~output_o ;
wire \check_out[2]~output_o ;
wire \check_out[3]~output_o ;
wire \check_out[4]~output_o ;
wire \check_out[5]~output_o ;
wire \check_out[6]~output_o ;
wire \check_out[7]~output_o ;
wire \addr[0]~output_o ;
wire \addr[1]~output_o ;
wire \addr[2]~output_o ;
wire \addr[3]~output_o ;
wire \addr[4]~output_o ;
wire \addr[5]~output_o ;
wire \addr[6]~output_o ;
wire \addr[7]~output_o ;
wire \addr[8]~output_o ;
wire \addr[9]~output_o ;
wire \addr[10]~output_o ;
wire \addr[11]~output_o ;
wire \addr[12]~output_o ;
wire \addr[13]~output_o ;
wire \addr[14]~output_o ;
wire \addr[15]~output_o ;
wire \HEX0[0]~output_o ;
wire \HEX0[1]~output_o ;
wire \HEX0[2]~output_o ;
wire \HEX0[3]~output_o ;
wire \HEX0[4]~output_o ;
wire \HEX0[5]~output_o ;
wire \HEX0[6]~output_o ;
wire \HEX1[0]~output_o ;
wire \HEX1[1]~output_o ;
wire \HEX1[2]~output_o ;
wire \HEX1[3]~output_o ;
wire \HEX1[4]~output_o ;
wire \HEX1[5]~output_o ;
wire \HEX1[6]~output_o ;
wire \HEX2[0]~output_o ;
wire \HEX2[1]~output_o ;
wire \HEX2[2]~output_o ;
wire \HEX2[3]~output_o ;
wire \HEX2[4]~output_o ;
wire \HEX2[5]~output_o ;
wire \HEX2[6]~output_o ;
wire \HEX3[0]~output_o ;
wire \HEX3[1]~output_o ;
wire \HEX3[2]~output_o ;
wire \HEX3[3]~output_o ;
wire \HEX3[4]~output_o ;
wire \HEX3[5]~output_o ;
wire \HEX3[6]~output_o ;
wire \HEX4[0]~output_o ;
wire \HEX4[1]~output_o ;
wire \HEX4[2]~output_o ;
wire \HEX4[3]~output_o ;
wire \HEX4[4]~output_o ;
wire \HEX4[5]~output_o ;
wire \HEX4[6]~output_o ;
wire \HEX5[0]~output_o ;
wire \HEX5[1]~output_o ;
wire \HEX5[2]~output_o ;
wire \HEX5[3]~output_o ;
wire \HEX5[4]~output_o ;
wire \HEX5[5]~output_o ;
wire \HEX5[6]~output_o ;
wire \HEX6[0]~output_o ;
wire \HEX6[1]~output_o ;
wire \HEX6[2]~output_o ;
wire \HEX6[3]~output_o ;
wire \HEX6[4]~output_o ;
wire \HEX6[5]~output_o ;
wire \HEX6[6]~output_o ;
wire \HEX7[0]~output_o ;
wire \HEX7[1]~output_o ;
wire \HEX7[2]~output_o ;
wire \HEX7[3]~output_o ;
wire \HEX7[4]~output_o ;
wire \HEX7[5]~output_o ;
wire \HEX7[6]~output_o ;
wire \acdbus[0]~output_o ;
wire \acdbus[1]~output_o ;
wire \acdbus[2]~output_o ;
wire \acdbus[3]~output_o ;
wire \acdbus[4]~output_o ;
wire \acdbus[5]~output_o ;
wire \acdbus[6]~output_o ;
wire \acdbus[7]~output_o ;
wire \rdbus[0]~output_o ;
wire \rdbus[1]~output_o ;
wire \rdbus[2]~output_o ;
wire \rdbus[3]~output_o ;
wire \rdbus[4]~output_o ;
wire \rdbus[5]~output_o ;
wire \rdbus[6]~output_o ;
wire \rdbus[7]~output_o ;
wire \cpustate_led[0]~output_o ;
wire \cpustate_led[1]~output_o ;
wire \quick_low_led~output_o ;
wire \read_led~output_o ;
wire \write_led~output_o ;
wire \arload_led~output_o ;
wire \arinc_led~output_o ;
wire \pcinc_led~output_o ;
wire \pcload_led~output_o ;
wire \drload_led~output_o ;
wire \trload_led~output_o ;
wire \irload_led~output_o ;
wire \rload_led~output_o ;
wire \acload_led~output_o ;
wire \zload_led~output_o ;
wire \pcbus_led~output_o ;
wire \drhbus_led~output_o ;
wire \drlbus_led~output_o ;
wire \trbus_led~output_o ;
wire \rbus_led~output_o ;
wire \acbus_led~output_o ;
wire \membus_led~output_o ;
wire \busmem_led~output_o ;
wire \clr_led~output_o ;
wire \clk~input_o ;
wire \clk~inputclkctrl_outclk ;
wire \quick|count[0]~32_combout ;
wire \rst~input_o ;
wire \quick|count[23]~34_combout ;
wire \quick|count[0]~33 ;
wire \quick|count[1]~35_combout ;
wire \quick|count[1]~36 ;
wire \quick|count[2]~37_combout ;
wire \quick|count[2]~38 ;
wire \quick|count[3]~39_combout ;
wire \quick|count[3]~40 ;
wire \quick|count[4]~41_combout ;
wire \quick|count[4]~42 ;
wire \quick|count[5]~43_combout ;
wire \quick|count[5]~44 ;
wire \quick|count[6]~45_combout ;
wire \quick|count[6]~46 ;
wire \quick|count[7]~47_combout ;
wire \quick|count[7]~48 ;
wire \quick|count[8]~49_combout ;
wire \quick|count[8]~50 ;
wire \quick|count[9]~51_combout ;
wire \quick|count[9]~52 ;
wire \quick|count[10]~53_combout ;
wire \quick|count[10]~54 ;
wire \quick|count[11]~55_combout ;
wire \quick|count[11]~56 ;
wire \quick|count[12]~57_combout ;
wire \quick|count[12]~58 ;
wire \quick|count[13]~59_combout ;
wire \quick|count[13]~60 ;
wire \quick|count[14]~61_combout ;
wire \quick|count[14]~62 ;
wire \quick|count[15]~63_combout ;
wire \quick|count[15]~64 ;
wire \quick|count[16]~65_combout ;
wire \quick|count[16]~66 ;
wire \quick|count[17]~67_combout ;
wire \quick|count[17]~68 ;
wire \quick|count[18]~69_combout ;
wire \quick|count[18]~70 ;
wire \quick|count[19]~71_combout ;
wire \quick|count[19]~72 ;
wire \quick|count[20]~73_combout ;
wire \quick|count[20]~74 ;
wire \quick|count[21]~75_combout ;
wire \quick|count[21]~76 ;
wire \quick|count[22]~77_combout ;
wire \quick|count[22]~78 ;
wire \quick|count[23]~79_combout ;
wire \quick|count[23]~80 ;
wire \quick|count[24]~81_combout ;
wire \quick|count[24]~82 ;
wire \quick|count[25]~83_combout ;
wire \quick|count[25]~84 ;
wire \quick|count[26]~85_combout ;
wire \quick|count[26]~86 ;
wire \quick|count[27]~87_combout ;
wire \quick|count[27]~88 ;
wire \quick|count[28]~89_combout ;
wire \quick|count[28]~90 ;
wire \quick|count[29]~91_combout ;
wire \quick|count[29]~92 ;
wire \quick|count[30]~93_combout ;
wire \quick|count[30]~94 ;
wire \quick|count[31]~95_combout ;
wire \quick|Equal0~9_combout ;
wire \quick|Equal0~8_combout ;
wire \quick|Equal0~1_combout ;
wire \quick|Equal0~0_combout ;
wire \quick|Equal0~2_combout ;
wire \quick|Equal0~3_combout ;
wire \quick|Equal0~4_combout ;
wire \quick|Equal0~5_combout ;
wire \quick|Equal0~6_combout ;
wire \quick|Equal0~7_combout ;
wire \quick|Equal0~10_combout ;
wire \quick|div_clk~0_combout ;
wire \quick|div_clk~q ;
wire \slow|count[0]~32_combout ;
wire \slow|count[12]~34_combout ;
wire \slow|count[0]~33 ;
wire \slow|count[1]~35_combout ;
wire \slow|count[1]~36 ;
wire \slow|count[2]~37_combout ;
wire \slow|count[2]~38 ;
wire \slow|count[3]~39_combout ;
wire \slow|count[3]~40 ;
wire \slow|count[4]~41_combout ;
wire \slow|count[4]~42 ;
wire \slow|count[5]~43_combout ;
wire \slow|count[5]~44 ;
wire \slow|count[6]~45_combout ;
wire \slow|count[6]~46 ;
wire \slow|count[7]~47_combout ;
wire \slow|count[7]~48 ;
wire \slow|count[8]~49_combout ;
wire \slow|count[8]~50 ;
wire \slow|count[9]~51_combout ;
wire \slow|count[9]~52 ;
wire \slow|count[10]~53_combout ;
wire \slow|count[10]~54 ;
wire \slow|count[11]~55_combout ;
wire \slow|count[11]~56 ;
wire \slow|count[12]~57_combout ;
wire \slow|count[12]~58 ;
wire \slow|count[13]~59_combout ;
wire \slow|count[13]~60 ;
wire \slow|count[14]~61_combout ;
wire \slow|count[14]~62 ;
wire \slow|count[15]~63_combout ;
wire \slow|count[15]~64 ;
wire \slow|count[16]~65_combout ;
wire \slow|count[16]~66 ;
wire \slow|count[17]~67_combout ;
wire \slow|count[17]~68 ;
wire \slow|count[18]~69_combout ;
wire \slow|count[18]~70 ;
wire \slow|count[19]~71_combout ;
wire \slow|count[19]~72 ;
wire \slow|count[20]~73_combout ;
wire \slow|count[20]~74 ;
wire \slow|count[21]~75_combout ;
wire \slow|count[21]~76 ;
wire \slow|count[22]~77_combout ;
wire \slow|count[22]~78 ;
wire \slow|count[23]~79_combout ;
wire \slow|count[23]~80 ;
wire \slow|count[24]~81_combout ;
wire \slow|count[24]~82 ;
wire \slow|count[25]~83_combout ;
wire \slow|count[25]~84 ;
wire \slow|count[26]~85_combout ;
wire \slow|count[26]~86 ;
wire \slow|count[27]~87_combout ;
wire \slow|Equal0~8_combout ;
wire \slow|count[27]~88 ;
wire \slow|count[28]~89_combout ;
wire \slow|count[28]~90 ;
wire \slow|count[29]~91_combout ;
wire \slow|count[29]~92 ;
wire \slow|count[30]~93_combout ;
wire \slow|count[30]~94 ;
wire \slow|count[31]~95_combout ;
wire \slow|Equal0~9_combout ;
wire \slow|Equal0~2_combout ;
wire \slow|Equal0~0_combout ;
wire \slow|Equal0~1_combout ;
wire \slow|Equal0~3_combout ;
wire \slow|Equal0~4_combout ;
wire \slow|Equal0~6_combout ;
wire \slow|Equal0~5_combout ;
wire \slow|Equal0~7_combout ;
wire \slow|Equal0~10_combout ;
wire \slow|div_clk~0_combout ;
wire \slow|div_clk~q ;
wire \SW_choose~input_o ;
wire \mcpu|qtdl|clk_choose~combout ;
wire \mcpu|qtdl|clk_choose~clkctrl_outclk ;
wire \delay|div_clk~0_combout ;
wire \delay|count[0]~32_combout ;
wire \delay|count[0]~33 ;
wire \delay|count[1]~34_combout ;
wire \delay|count[1]~35 ;
wire \delay|count[2]~36_combout ;
wire \delay|count[2]~37 ;
wire \delay|count[3]~38_combout ;
wire \delay|count[3]~39 ;
wire \delay|count[4]~40_combout ;
wire \delay|count[4]~41 ;
wire \delay|count[5]~42_combout ;
wire \delay|count[5]~43 ;
wire \delay|count[6]~44_combout ;
wire \delay|count[6]~45 ;
wire \delay|count[7]~46_combout ;
wire \delay|count[7]~47 ;
wire \delay|count[8]~48_combout ;
wire \delay|count[8]~49 ;
wire \delay|count[9]~50_combout ;
wire \delay|count[9]~51 ;
wire \delay|count[10]~52_combout ;
wire \delay|count[10]~53 ;
wire \delay|count[11]~54_combout ;
wire \delay|count[11]~55 ;
wire \delay|count[12]~56_combout ;
wire \delay|count[12]~57 ;
wire \delay|count[13]~58_combout ;
wire \delay|count[13]~59 ;
wire \delay|count[14]~60_combout ;
wire \delay|count[14]~61 ;
wire \delay|count[15]~62_combout ;
wire \delay|count[15]~63 ;
wire \delay|count[16]~64_combout ;
wire \delay|count[16]~65 ;
wire \delay|count[17]~66_combout ;
wire \delay|count[17]~67 ;
wire \delay|count[18]~68_combout ;
wire \delay|count[18]~69 ;
wire \delay|count[19]~70_combout ;
wire \delay|count[19]~71 ;
wire \delay|count[20]~72_combout ;
wire \delay|count[20]~73 ;
wire \delay|count[21]~74_combout ;
wire \delay|count[21]~75 ;
wire \delay|count[22]~76_combout ;
wire \delay|count[22]~77 ;
wire \delay|count[23]~78_combout ;
wire \mem|Equal0~6_combout ;
wire \delay|count[23]~79 ;
wire \delay|count[24]~80_combout ;
wire \delay|count[24]~81 ;
wire \delay|count[25]~82_combout ;
wire \delay|count[25]~83 ;
wire \delay|count[26]~84_combout ;
wire \delay|count[26]~85 ;
wire \delay|count[27]~86_combout ;
wire \mem|Equal0~7_combout ;
wire \delay|count[27]~87 ;
wire \delay|count[28]~88_combout ;
wire \delay|count[28]~89 ;
wire \delay|count[29]~90_combout ;
wire \delay|count[29]~91 ;
wire \delay|count[30]~92_combout ;
wire \delay|count[30]~93 ;
wire \delay|count[31]~94_combout ;
wire \mem|Equal0~8_combout ;
wire \mem|Equal0~5_combout ;
wire \mem|Equal0~9_combout ;
wire \mem|Equal0~0_combout ;
wire \mem|Equal0~2_combout ;
wire \mem|Equal0~1_combout ;
wire \mem|Equal0~3_combout ;
wire \mem|Equal0~4_combout ;
wire \light|div_clk~1_combout ;
wire \delay|div_clk~q ;
wire \mm|ram~0feeder_combout ;
wire \mm|ram~0_q ;
wire \mem|div_clk~0_combout ;
wire \mem|div_clk~feeder_combout ;
wire \mem|div_clk~q ;
wire \mem|div_clk~clkctrl_outclk ;
wire \mcpu|mcontrol|t0~0_combout ;
wire \SW2~input_o ;
wire \SW1~input_o ;
wire \mcpu|mcontrol|reset~combout ;
wire \mcpu|mcontrol|reset~clkctrl_outclk ;
wire \mcpu|mcontrol|t0~q ;
wire \mcpu|mcontrol|t1~0_combout ;
wire \mcpu|mcontrol|t1~q ;
wire \mcpu|mcontrol|t2~0_combout ;
wire \mcpu|mcontrol|t2~q ;
wire \mcpu|mcontrol|t3~0_combout ;
wire \mcpu|mcontrol|t3~q ;
wire \mcpu|mcontrol|t4~0_combout ;
wire \mcpu|mcontrol|t4~q ;
wire \mcpu|mcontrol|t5~0_combout ;
wire \mcpu|mcontrol|t5~q ;
wire \mcpu|mcontrol|Decoder0~8_combout ;
wire \mcpu|mcontrol|Decoder0~14_combout ;
wire \mcpu|mcontrol|ixor~q ;
wire \mcpu|mcontrol|Decoder0~13_combout ;
wire \mcpu|mcontrol|ior~q ;
wire \mcpu|mcontrol|rbus~0_combout ;
wire \mcpu|mr|dout[6]~feeder_combout ;
wire \mcpu|mcontrol|rload~combout ;
wire \mcpu|mcontrol|Mux0~0_combout ;
wire \mcpu|mcontrol|Mux4~0_combout ;
wire \mcpu|mcontrol|alus[3]~0_combout ;
wire \mcpu|mcontrol|alus[0]~reg0_q ;
wire \mcpu|mcontrol|Mux3~0_combout ;
wire \mcpu|mcontrol|alus[3]~reg0_q ;
wire \mcpu|malu|Mux6~6_combout ;
wire \mcpu|mcontrol|Mux2~0_combout ;
wire \mcpu|mcontrol|alus[2]~reg0_q ;
wire \mcpu|mcontrol|Mux1~0_combout ;
wire \mcpu|mcontrol|alus[1]~reg0_q ;
wire \mcpu|malu|Mux0~2_combout ;
wire \mcpu|malu|Mux2~3_combout ;
wire \mcpu|malu|Mux6~2_combout ;
wire \mcpu|malu|Mux2~2_combout ;
wire \mcpu|malu|Mux2~1_combout ;
wire \mcpu|malu|Mux2~0_combout ;
wire \mcpu|malu|Add0~20_combout ;
wire \mcpu|malu|Mux5~2_combout ;
wire \mcpu|malu|Mux5~6_combout ;
wire \mcpu|malu|dout~5_combout ;
wire \mm|Equal1~0_combout ;
wire \mcpu|mcontrol|t6~0_combout ;
wire \mcpu|mcontrol|t6~q ;
wire \mcpu|mcontrol|read~0_combout ;
wire \mcpu|mcontrol|read~1_combout ;
wire \mm|data_out[0]~10_combout ;
wire \mcpu|mcontrol|t7~0_combout ;
wire \mcpu|mcontrol|t7~q ;
wire \mcpu|mcontrol|busmem~combout ;
wire \mcpu|data_out[0]~24_combout ;
wire \mcpu|mcontrol|arinc~1_combout ;
wire \mcpu|mar|Add0~0_combout ;
wire \mcpu|mar|dout~3_combout ;
wire \mcpu|mar|dout[0]~feeder_combout ;
wire \mcpu|mar|dout[0]~28_combout ;
wire \mcpu|mar|Add0~1 ;
wire \mcpu|mar|Add0~2_combout ;
wire \mcpu|malu|Mux0~4_combout ;
wire \mcpu|malu|Add0~5_combout ;
wire \mcpu|malu|Add0~0_combout ;
wire \mcpu|malu|Add0~2_cout ;
wire \mcpu|malu|Add0~3_combout ;
wire \mcpu|malu|dout~0_combout ;
wire \mcpu|malu|Mux0~0_combout ;
wire \mcpu|malu|Mux0~1_combout ;
wire \mcpu|malu|Mux0~3_combout ;
wire \mcpu|malu|Mux0~5_combout ;
wire \mcpu|mcontrol|Decoder0~11_combout ;
wire \mcpu|mcontrol|iinac~q ;
wire \mcpu|mcontrol|Decoder0~12_combout ;
wire \mcpu|mcontrol|iclac~q ;
wire \mcpu|mcontrol|Decoder0~10_combout ;
wire \mcpu|mcontrol|inot~q ;
wire \mcpu|mcontrol|clr~1_combout ;
wire \mcpu|mcontrol|clr~2_combout ;
wire \mcpu|mcontrol|acload~0_combout ;
wire \mcpu|malu|Add0~4 ;
wire \mcpu|malu|Add0~6_combout ;
wire \mcpu|malu|dout~1_combout ;
wire \mcpu|malu|Mux1~0_combout ;
wire \mcpu|malu|Mux1~1_combout ;
wire \mcpu|malu|Mux1~2_combout ;
wire \mcpu|malu|Mux1~3_combout ;
wire \mcpu|mcontrol|clr~6_combout ;
wire \mcpu|dbus[1]~11_combout ;
wire \mcpu|mcontrol|Decoder0~1_combout ;
wire \mcpu|mcontrol|ijump~q ;
wire \mcpu|mcontrol|zload~3_combout ;
wire \mcpu|mcontrol|zload~4_combout ;
wire \mcpu|dbus[3]~20_combout ;
wire \mcpu|data_out[3]~27_combout ;
wire \mcpu|mar|Add0~11 ;
wire \mcpu|mar|Add0~12_combout ;
wire \mcpu|mar|dout~10_combout ;
wire \mcpu|mar|dout~11_combout ;
wire \mm|ram~11_combout ;
wire \mcpu|mcontrol|pcbus~combout ;
wire \mcpu|mpc|dout[11]~3_combout ;
wire \mcpu|mpc|dout[10]~2_combout ;
wire \mcpu|mpc|dout[9]~1_combout ;
wire \mcpu|mpc|dout[8]~0_combout ;
wire \mcpu|mpc|Add0~0_combout ;
wire \mcpu|mpc|dout[0]~10_combout ;
wire \mcpu|mpc|Add0~1 ;
wire \mcpu|mpc|Add0~3 ;
wire \mcpu|mpc|Add0~4_combout ;
wire \mcpu|mpc|dout[2]~12_combout ;
wire \mcpu|mpc|Add0~5 ;
wire \mcpu|mpc|Add0~6_combout ;
wire \mcpu|mpc|dout[3]~13_combout ;
wire \mcpu|mpc|Add0~7 ;
wire \mcpu|mpc|Add0~8_combout ;
wire \mcpu|mpc|dout[4]~14_combout ;
wire \mcpu|mpc|Add0~9 ;
wire \mcpu|mpc|Add0~10_combout ;
wire \mcpu|mpc|dout[5]~7_combout ;
wire \mcpu|mpc|Add0~11 ;
wire \mcpu|mpc|Add0~12_combout ;
wire \mcpu|mpc|dout[6]~8_combout ;
wire \mcpu|mpc|Add0~13 ;
wire \mcpu|mpc|Add0~14_combout ;
wire \mcpu|mpc|dout[7]~9_combout ;
wire \mcpu|malu|Mux7~6_combout ;
wire \mcpu|malu|Mux7~2_combout ;
wire \mcpu|malu|dout~7_combout ;
wire \mcpu|malu|Add0~23_combout ;
wire \mcpu|malu|Add0~22 ;
wire \mcpu|malu|Add0~24_combout ;
wire \mcpu|malu|Mux7~3_combout ;
wire \mcpu|malu|Mux7~4_combout ;
wire \mcpu|malu|Mux7~5_combout ;
wire \mcpu|dbus[7]~44_combout ;
wire \mcpu|mcontrol|drload~0_combout ;
wire \mcpu|mcontrol|drlbus~0_combout ;
wire \mcpu|dbus[7]~45_combout ;
wire \mcpu|dbus[7]~46_combout ;
wire \mcpu|dbus[7]~43_combout ;
wire \mcpu|data_out[7]~22_combout ;
wire \mcpu|data_out[7]~23_combout ;
wire \mm|ram~8_q ;
wire \mcpu|mar|Add0~13 ;
wire \mcpu|mar|Add0~14_combout ;
wire \mcpu|mar|dout~12_combout ;
wire \mcpu|mar|dout~13_combout ;
wire \mcpu|mar|Add0~15 ;
wire \mcpu|mar|Add0~17 ;
wire \mcpu|mar|Add0~18_combout ;
wire \mcpu|mar|dout~16_combout ;
wire \mcpu|mar|dout~17_combout ;
wire \mcpu|mar|Add0~19 ;
wire \mcpu|mar|Add0~20_combout ;
wire \mcpu|mar|dout~18_combout ;
wire \mcpu|mar|dout~19_combout ;
wire \mcpu|mar|Add0~21 ;
wire \mcpu|mar|Add0~22_combout ;
wire \mcpu|mar|dout~20_combout ;
wire \mcpu|mar|dout~21_combout ;
wire \mcpu|mar|Add0~27 ;
wire \mcpu|mar|Add0~28_combout ;
wire \mcpu|mar|dout~26_combout ;
wire \mcpu|mpc|dout[13]~5_combout ;
wire \mcpu|mpc|Add0~25 ;
wire \mcpu|mpc|Add0~26_combout ;
wire \mcpu|mpc|dout[14]~18_combout ;
wire \mcpu|mpc|Add0~27 ;
wire \mcpu|mpc|Add0~28_combout ;
wire \mcpu|mpc|dout[14]~6_combout ;
wire \mcpu|mar|dout~27_combout ;
wire \mcpu|malu|dout~2_combout ;
wire \mcpu|malu|Add0~8_combout ;
wire \mcpu|malu|Add0~7 ;
wire \mcpu|malu|Add0~9_combout ;
wire \mcpu|malu|Mux2~4_combout ;
wire \mcpu|malu|Mux2~5_combout ;
wire \mcpu|malu|Mux2~6_combout ;
wire \mcpu|malu|Mux2~7_combout ;
wire \mcpu|dbus[2]~16_combout ;
wire \mcpu|dbus[2]~17_combout ;
wire \mcpu|dbus[2]~18_combout ;
wire \mm|ram~3_q ;
wire \mcpu|data_out[4]~28_combout ;
wire \mcpu|dbus[5]~31_combout ;
wire \mcpu|data_out[5]~18_combout ;
wire \mm|ram~6_q ;
wire \mcpu|dbus[6]~37_combout ;
wire \mcpu|data_out[6]~20_combout ;
wire \mm|ram~7_q ;
wire \mm|ram_rtl_0|auto_generated|ram_block1a6 ;
wire \mm|data_out~20_combout ;
wire \A1~input_o ;
wire \mm|A_d1~0_combout ;
wire \mm|A_d1~q ;
wire \mm|A_d2~q ;
wire \mm|always4~0_combout ;
wire \mm|comb~0_combout ;
wire \mcpu|mcontrol|read~2_combout ;
wire \D[0]~input_o ;
wire \mm|Add0~0_combout ;
wire \mm|cnt~0_combout ;
wire \mm|cnt~1_combout ;
wire \mm|Add0~1 ;
wire \mm|Add0~2_combout ;
wire \mm|cnt~2_combout ;
wire \mm|Add0~3 ;
wire \mm|Add0~4_combout ;
wire \mm|cnt~3_combout ;
wire \mm|Add0~5 ;
wire \mm|Add0~6_combout ;
wire \mm|cnt~4_combout ;
wire \mm|Add0~7 ;
wire \mm|Add0~8_combout ;
wire \mm|cnt~5_combout ;
wire \D[1]~input_o ;
wire \D[2]~input_o ;
wire \D[3]~input_o ;
wire \D[4]~input_o ;
wire \D[5]~input_o ;
wire \D[6]~input_o ;
wire \D[7]~input_o ;
wire \mm|memory_rtl_0|auto_generated|ram_block1a6 ;
wire \mcpu|dbus[6]~36_combout ;
wire \mcpu|data_out[6]~21_combout ;
wire \mm|ram_rtl_0|auto_generated|ram_block1a5 ;
wire \mm|data_out~19_combout ;
wire \mm|memory_rtl_0|auto_generated|ram_block1a5 ;
wire \mcpu|dbus[5]~30_combout ;
wire \mcpu|data_out[5]~19_combout ;
wire \mm|ram_rtl_0|auto_generated|ram_block1a2 ;
wire \mm|data_out~13_combout ;
wire \mm|memory_rtl_0|auto_generated|ram_block1a2 ;
wire \mm|data_out~14_combout ;
wire \mcpu|dbus[2]~19_combout ;
wire \mcpu|data_out[2]~26_combout ;
wire \mm|ram_rtl_0|auto_generated|ram_block1a7 ;
wire \mm|data_out~21_combout ;
wire \mm|memory_rtl_0|auto_generated|ram_block1a7 ;
wire \mcpu|dbus[7]~42_combout ;
wire \mcpu|dbus[7]~47_combout ;
wire \mcpu|mpc|Add0~15 ;
wire \mcpu|mpc|Add0~16_combout ;
wire \mcpu|mpc|Add0~17 ;
wire \mcpu|mpc|Add0~18_combout ;
wire \mcpu|mpc|Add0~19 ;
wire \mcpu|mpc|Add0~20_combout ;
wire \mcpu|mpc|Add0~21 ;
wire \mcpu|mpc|Add0~22_combout ;
wire \mcpu|mpc|Add0~23 ;
wire \mcpu|mpc|Add0~24_combout ;
wire \mcpu|mpc|dout[12]~4_combout ;
wire \mcpu|mar|Add0~23 ;
wire \mcpu|mar|Add0~24_combout ;
wire \mcpu|mar|dout~22_combout ;
wire \mcpu|mar|dout~23_combout ;
wire \mcpu|mar|Add0~25 ;
wire \mcpu|mar|Add0~26_combout ;
wire \mcpu|mar|dout~24_combout ;
wire \mcpu|mar|dout~25_combout ;
wire \mm|ram~9_combout ;
wire \mm|ram~12_combout ;
wire \mm|ram~4_q ;
wire \mm|ram_rtl_0|auto_generated|ram_block1a3 ;
wire \mm|memory_rtl_0|auto_generated|ram_block1a3 ;
wire \mm|data_out~15_combout ;
wire \mm|data_out~16_combout ;
wire \mcpu|dbus[3]~24_combout ;
wire \mcpu|malu|Mux3~1_combout ;
wire \mcpu|malu|Mux3~0_combout ;
wire \mcpu|malu|dout~3_combout ;
wire \mcpu|malu|Add0~11_combout ;
wire \mcpu|malu|Add0~10 ;
wire \mcpu|malu|Add0~12_combout ;
wire \mcpu|malu|Mux3~2_combout ;
wire \mcpu|malu|Mux3~3_combout ;
wire \mcpu|malu|Mux3~4_combout ;
wire \mcpu|mz|dout[0]~0_combout ;
wire \mcpu|mz|dout[0]~1_combout ;
wire \mcpu|mz|dout[0]~2_combout ;
wire \mcpu|mcontrol|pcinc~0_combout ;
wire \mcpu|mcontrol|pcinc~1_combout ;
wire \mcpu|mcontrol|pcinc~2_combout ;
wire \mcpu|mcontrol|pcinc~3_combout ;
wire \mcpu|mpc|Add0~2_combout ;
wire \mcpu|mpc|dout[1]~11_combout ;
wire \mcpu|dbus[1]~12_combout ;
wire \mcpu|dbus[1]~13_combout ;
wire \mcpu|dbus[1]~10_combout ;
wire \mm|memory_rtl_0|auto_generated|ram_block1a1 ;
wire \mm|data_out~12_combout ;
wire \mcpu|dbus[1]~14_combout ;
wire \mcpu|mar|dout~4_combout ;
wire \mcpu|mar|Add0~3 ;
wire \mcpu|mar|Add0~4_combout ;
wire \mcpu|mar|dout~5_combout ;
wire \mcpu|mar|dout[2]~feeder_combout ;
wire \mcpu|mar|Add0~5 ;
wire \mcpu|mar|Add0~6_combout ;
wire \mcpu|mar|dout~6_combout ;
wire \mcpu|mar|Add0~7 ;
wire \mcpu|mar|Add0~8_combout ;
wire \mcpu|mar|dout~7_combout ;
wire \mcpu|mar|Add0~9 ;
wire \mcpu|mar|Add0~10_combout ;
wire \mcpu|mar|dout~8_combout ;
wire \mcpu|mar|dout~9_combout ;
wire \mm|ram_rtl_0|auto_generated|ram_block1a4 ;
wire \mm|ram~5_q ;
wire \mm|data_out~26_combout ;
wire \mm|memory_rtl_0|auto_generated|ram_block1a4 ;
wire \mcpu|dbus[4]~58_combout ;
wire \mcpu|mr|dout[4]~feeder_combout ;
wire \mcpu|dbus[4]~26_combout ;
wire \mcpu|dbus[4]~27_combout ;
wire \mcpu|dbus[4]~28_combout ;
wire \mcpu|dbus[4]~59_combout ;
wire \mcpu|mdr|dout[4]~feeder_combout ;
wire \mcpu|dbus[4]~25_combout ;
wire \mm|data_out~17_combout ;
wire \mm|data_out~18_combout ;
wire \mcpu|dbus[4]~29_combout ;
wire \mcpu|malu|Mux4~1_combout ;
wire \mcpu|malu|Mux4~0_combout ;
wire \mcpu|malu|dout~4_combout ;
wire \mcpu|malu|Add0~14_combout ;
wire \mcpu|malu|Add0~13 ;
wire \mcpu|malu|Add0~15_combout ;
wire \mcpu|malu|Mux4~2_combout ;
wire \mcpu|malu|Mux4~3_combout ;
wire \mcpu|malu|Mux4~4_combout ;
wire \mcpu|malu|Add0~16 ;
wire \mcpu|malu|Add0~18_combout ;
wire \mcpu|malu|Mux5~3_combout ;
wire \mcpu|malu|Mux5~4_combout ;
wire \mcpu|malu|Mux5~5_combout ;
wire \mcpu|dbus[5]~32_combout ;
wire \mcpu|dbus[5]~33_combout ;
wire \mcpu|dbus[5]~34_combout ;
wire \mcpu|dbus[5]~35_combout ;
wire \mcpu|malu|Add0~17_combout ;
wire \mcpu|malu|Add0~19 ;
wire \mcpu|malu|Add0~21_combout ;
wire \mcpu|malu|dout~6_combout ;
wire \mcpu|malu|Mux6~3_combout ;
wire \mcpu|malu|Mux6~4_combout ;
wire \mcpu|malu|Mux6~5_combout ;
wire \mcpu|dbus[6]~38_combout ;
wire \mcpu|dbus[6]~39_combout ;
wire \mcpu|dbus[6]~40_combout ;
wire \mcpu|dbus[6]~41_combout ;
wire \mcpu|mdr|dout[6]~feeder_combout ;
wire \mcpu|mir|dout[6]~feeder_combout ;
wire \mcpu|mir|dout[5]~feeder_combout ;
wire \mcpu|mir|dout[7]~feeder_combout ;
wire \mcpu|mcontrol|Equal1~0_combout ;
wire \mcpu|mcontrol|isub~q ;
wire \mcpu|mcontrol|Decoder0~7_combout ;
wire \mcpu|mcontrol|iadd~q ;
wire \mcpu|mcontrol|Decoder0~6_combout ;
wire \mcpu|mcontrol|imovr~q ;
wire \mcpu|mcontrol|Decoder0~9_combout ;
wire \mcpu|mcontrol|iand~q ;
wire \mcpu|mcontrol|clr~0_combout ;
wire \mcpu|dbus[3]~21_combout ;
wire \mcpu|dbus[3]~22_combout ;
wire \mcpu|dbus[3]~23_combout ;
wire \mm|data_out~25_combout ;
wire \mcpu|dbus[3]~56_combout ;
wire \mcpu|dbus[3]~57_combout ;
wire \mcpu|mir|dout[3]~feeder_combout ;
wire \mcpu|mcontrol|Decoder0~4_combout ;
wire \mcpu|mcontrol|ijmpz~q ;
wire \mcpu|mcontrol|zload~2_combout ;
wire \mcpu|mcontrol|trload~0_combout ;
wire \mcpu|dbus[2]~15_combout ;
wire \mcpu|dbus[2]~54_combout ;
wire \mcpu|dbus[2]~55_combout ;
wire \mcpu|mcontrol|Decoder0~0_combout ;
wire \mcpu|mcontrol|ildac~q ;
wire \mcpu|mcontrol|arinc~0_combout ;
wire \mcpu|dbus[0]~4_combout ;
wire \mcpu|dbus[0]~5_combout ;
wire \mcpu|mr|dout[0]~feeder_combout ;
wire \mcpu|dbus[0]~6_combout ;
wire \mcpu|dbus[0]~7_combout ;
wire \mcpu|dbus[0]~8_combout ;
wire \mcpu|dbus[0]~51_combout ;
wire \mcpu|mdr|dout[0]~feeder_combout ;
wire \mcpu|mir|dout[0]~feeder_combout ;
wire \mcpu|mcontrol|Decoder0~5_combout ;
wire \mcpu|mcontrol|imovac~q ;
wire \mcpu|mcontrol|acbus~combout ;
wire \mcpu|mcontrol|drhbus~0_combout ;
wire \mcpu|dbus[0]~60_combout ;
wire \mcpu|dbus[0]~9_combout ;
wire \mcpu|data_out[1]~25_combout ;
wire \mm|ram~2_q ;
wire \mm|ram_rtl_0|auto_generated|ram_block1a1 ;
wire \mm|data_out~11_combout ;
wire \mcpu|dbus[1]~52_combout ;
wire \mcpu|dbus[1]~53_combout ;
wire \mcpu|mir|dout[1]~feeder_combout ;
wire \mcpu|mcontrol|Decoder0~3_combout ;
wire \mcpu|mcontrol|ijpnz~q ;
wire \mcpu|mcontrol|clr~4_combout ;
wire \mcpu|mcontrol|Decoder0~15_combout ;
wire \mcpu|mcontrol|inop~q ;
wire \mcpu|mcontrol|clr~3_combout ;
wire \mcpu|mcontrol|ldac5~0_combout ;
wire \mcpu|mcontrol|clr~5_combout ;
wire \mcpu|qtdl|clr_d1~0_combout ;
wire \mcpu|qtdl|clr_d1~q ;
wire \mcpu|qtdl|clr_d2~feeder_combout ;
wire \mcpu|qtdl|clr_d2~q ;
wire \delay|div_clk~clkctrl_outclk ;
wire \mcpu|qtdl|A_d1~0_combout ;
wire \mcpu|qtdl|A_d1~q ;
wire \mcpu|qtdl|A_d2~q ;
wire \mcpu|qtdl|clk_enable~0_combout ;
wire \mcpu|qtdl|clk_enable~1_combout ;
wire \mcpu|qtdl|clk_enable~q ;
wire \mcpu|qtdl|clk_run~combout ;
wire \mcpu|qtdl|clk_run~clkctrl_outclk ;
wire \mcpu|mcontrol|Decoder0~2_combout ;
wire \mcpu|mcontrol|istac~q ;
wire \mcpu|mcontrol|arload~0_combout ;
wire \mcpu|mar|Add0~16_combout ;
wire \mcpu|mar|dout~14_combout ;
wire \mcpu|mar|dout~15_combout ;
wire \mm|ram~10_combout ;
wire \mcpu|mpc|Add0~29 ;
wire \mcpu|mpc|Add0~30_combout ;
wire \mcpu|mpc|dout~17_combout ;
wire \mcpu|mar|dout[15]~0_combout ;
wire \mcpu|mar|Add0~29 ;
wire \mcpu|mar|Add0~30_combout ;
wire \mm|WideOr0~combout ;
wire \mm|ram~1_q ;
wire \mm|ram_rtl_0|auto_generated|ram_block1a0~portbdataout ;
wire \mm|data_out~8_combout ;
wire \mm|memory_rtl_0|auto_generated|ram_block1a0~portbdataout ;
wire \mm|data_out~9_combout ;
wire \mm|data_out~22_combout ;
wire \mm|data_out~23_combout ;
wire \mm|data_out~24_combout ;
wire \mcpu|dbus[0]~61_combout ;
wire \mcpu|dbus[5]~48_combout ;
wire \mcpu|dbus[6]~49_combout ;
wire \mcpu|dbus[7]~50_combout ;
wire \mm|memory_rtl_1_bypass[8]~feeder_combout ;
wire \mm|memory~11_combout ;
wire \mm|memory_rtl_1_bypass[0]~feeder_combout ;
wire \mm|memory~12_combout ;
wire \mm|memory~10_combout ;
wire \mm|memory~13_combout ;
wire \mm|memory_rtl_1|auto_generated|ram_block1a0~portbdataout ;
wire \mm|memory~29_combout ;
wire \mm|memory~30_combout ;
wire \mm|memory~1_q ;
wire \mm|memory~0feeder_combout ;
wire \mm|memory~0_q ;
wire \mm|memory~9_combout ;
wire \mm|memory~14_combout ;
wire \mm|Equal1~1_combout ;
wire \mm|memory_rtl_1|auto_generated|ram_block1a1 ;
wire \mm|memory~2_q ;
wire \mm|memory~15_combout ;
wire \mm|memory~16_combout ;
wire \mm|memory_rtl_1|auto_generated|ram_block1a2 ;
wire \mm|memory~3_q ;
wire \mm|memory~17_combout ;
wire \mm|memory~18_combout ;
wire \mm|memory_rtl_1|auto_generated|ram_block1a3 ;
wire \mm|memory~4_q ;
wire \mm|memory~19_combout ;
wire \mm|memory~20_combout ;
wire \mm|memory_rtl_1|auto_generated|ram_block1a4 ;
wire \mm|memory~5_q ;
wire \mm|memory~21_combout ;
wire \mm|memory~22_combout ;
wire \mm|memory_rtl_1|auto_generated|ram_block1a5 ;
wire \mm|memory~6_q ;
wire \mm|memory~23_combout ;
wire \mm|memory~24_combout ;
wire \mm|memory_rtl_1|auto_generated|ram_block1a6 ;
wire \mm|memory~7_q ;
wire \mm|memory~25_combout ;
wire \mm|memory~26_combout ;
wire \mm|memory_rtl_1|auto_generated|ram_block1a7 ;
wire \mm|memory~8_q ;
wire \mm|memory~27_combout ;
wire \mm|memory~28_combout ;
wire \light|div_clk~0_combout ;
wire \light|div_clk~q ;
wire \light|div_clk~clkctrl_outclk ;
wire \show|WideOr6~0_combout ;
wire \show|WideOr5~0_combout ;
wire \show|WideOr4~0_combout ;
wire \show|WideOr3~0_combout ;
wire \show|WideOr2~0_combout ;
wire \show|WideOr1~0_combout ;
wire \show|WideOr0~0_combout ;
wire \show|WideOr13~0_combout ;
wire \show|WideOr12~0_combout ;
wire \show|WideOr11~0_combout ;
wire \show|WideOr10~0_combout ;
wire \show|WideOr9~0_combout ;
wire \show|WideOr8~0_combout ;
wire \show|WideOr7~0_combout ;
wire \show|WideOr34~0_combout ;
wire \show|WideOr33~0_combout ;
wire \show|WideOr32~0_combout ;
wire \show|WideOr31~0_combout ;
wire \show|WideOr30~0_combout ;
wire \show|WideOr29~0_combout ;
wire \show|WideOr28~0_combout ;
wire \show|WideOr41~0_combout ;
wire \show|WideOr40~0_combout ;
wire \show|WideOr39~0_combout ;
wire \show|WideOr38~0_combout ;
wire \show|WideOr37~0_combout ;
wire \show|WideOr36~0_combout ;
wire \show|WideOr35~0_combout ;
wire \show|WideOr20~0_combout ;
wire \show|WideOr19~0_combout ;
wire \show|WideOr18~0_combout ;
wire \show|WideOr17~0_combout ;
wire \show|WideOr16~0_combout ;
wire \show|WideOr15~0_combout ;
wire \show|WideOr14~0_combout ;
wire \show|WideOr27~0_combout ;
wire \show|WideOr26~0_combout ;
wire \show|WideOr25~0_combout ;
wire \show|WideOr24~0_combout ;
wire \show|WideOr23~0_combout ;
wire \show|WideOr22~0_combout ;
wire \show|WideOr21~0_combout ;
wire \show|HEX6[0]~feeder_combout ;
wire \show|HEX6[4]~feeder_combout ;
wire \show|HEX6[5]~feeder_combout ;
wire [0:18] \mm|memory_rtl_1_bypass ;
wire [31:0] \slow|count ;
wire [31:0] \delay|count ;
wire [31:0] \quick|count ;
wire [15:0] \mcpu|mar|dout ;
wire [15:0] \mcpu|mpc|dout ;
wire [7:0] \mcpu|mdr|dout ;
wire [7:0] \mcpu|mtr|dout ;
wire [7:0] \mcpu|mir|dout ;
wire [7:0] \mcpu|mr|dout ;
wire [7:0] \mcpu|mac|dout ;
wire [0:0] \mcpu|mz|dout ;
wire [6:0] \show|HEX5 ;
wire [6:0] \show|HEX2 ;
wire [6:0] \show|HEX0 ;
wire [6:0] \show|HEX1 ;
wire [6:0] \show|HEX3 ;
wire [6:0] \show|HEX4 ;
wire [6:0] \show|HEX6 ;
wire [1023:0] \mm|cnt ;

wire [8:0] \mm|ram_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus ;
wire [35:0] \mm|memory_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus ;
wire [35:0] \mm|memory_rtl_1|auto_generated|ram_block1a0_PORTBDATAOUT_bus ;

assign \mm|ram_rtl_0|auto_generated|ram_block1a0~portbdataout  = \mm|ram_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [0];
assign \mm|ram_rtl_0|auto_generated|ram_block1a1  = \mm|ram_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [1];
assign \mm|ram_rtl_0|auto_generated|ram_block1a2  = \mm|ram_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [2];
assign \mm|ram_rtl_0|auto_generated|ram_block1a3  = \mm|ram_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [3];
assign \mm|ram_rtl_0|auto_generated|ram_block1a4  = \mm|ram_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [4];
assign \mm|ram_rtl_0|auto_generated|ram_block1a5  = \mm|ram_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [5];
assign \mm|ram_rtl_0|auto_generated|ram_block1a6  = \mm|ram_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [6];
assign \mm|ram_rtl_0|auto_generated|ram_block1a7  = \mm|ram_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [7];

assign \mm|memory_rtl_0|auto_generated|ram_block1a0~portbdataout  = \mm|memory_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [0];
assign \mm|memory_rtl_0|auto_generated|ram_block1a1  = \mm|memory_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [1];
assign \mm|memory_rtl_0|auto_generated|ram_block1a2  = \mm|memory_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [2];
assign \mm|memory_rtl_0|auto_generated|ram_block1a3  = \mm|memory_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [3];
assign \mm|memory_rtl_0|auto_generated|ram_block1a4  = \mm|memory_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [4];
assign \mm|memory_rtl_0|auto_generated|ram_block1a5  = \mm|memory_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [5];
assign \mm|memory_rtl_0|auto_generated|ram_block1a6  = \mm|memory_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [6];
assign \mm|memory_rtl_0|auto_generated|ram_block1a7  = \mm|memory_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus [7];

assign \mm|memory_rtl_1|auto_generated|ram_block1a0~portbdataout  = \mm|memory_rtl_1|auto_generated|ram_block1a0_PORTBDATAOUT_bus [0];
assign \mm|memory_rtl_1|auto_generated|ram_block1a1  = \mm|memory_rtl_1|auto_generated|ram_block1a0_PORTBDATAOUT_bus [1];
assign \mm|memory_rtl_1|auto_generated|ram_block1a2  = \mm|memory_rtl_1|auto_generated|ram_block1a0_PORTBDATAOUT_bus [2];
assign \mm|memory_rtl_1|auto_generated|ram_block1a3  = \mm|memory_rtl_1|auto_generated|ram_block1a0_PORTBDATAOUT_bus [3];
assign \mm|memory_rtl_1|auto_generated|ram_block1a4  = \mm|memory_rtl_1|auto_generated|ram_block1a0_PORTBDATAOUT_bus [4];
assign \mm|memory_rtl_1|auto_generated|ram_block1a5  = \mm|memory_rtl_1|auto_generated|ram_block1a0_PORTBDATAOUT_bus [5];
assign \mm|memory_rtl_1|auto_generated|ram_block1a6  = \mm|memory_rtl_1|auto_generated|ram_block1a0_PORTBDATAOUT_bus [6];
assign \mm|memory_rtl_1|auto_generated|ram_block1a7  = \mm|memory_rtl_1|auto_generated|ram_block1a0_PORTBDATAOUT_bus [7];

// Location: IOOBUF_X45_Y43_N16
cycloneive_io_obuf \rambus[0]~output (
	.i(\mm|data_out~9_combout ),
	.oe(\mm|Equal1~0_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rambus[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \rambus[0]~output .bus_hold = "false";
defparam \rambus[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X54_Y43_N9
cycloneive_io_obuf \rambus[1]~output (
	.i(\mm|data_out~12_combout ),
	.oe(\mm|Equal1~0_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rambus[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \rambus[1]~output .bus_hold = "false";
defparam \rambus[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X45_Y43_N2
cycloneive_io_obuf \rambus[2]~output (
	.i(\mm|data_out~14_combout ),
	.oe(\mm|Equal1~0_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rambus[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \rambus[2]~output .bus_hold = "false";
defparam \rambus[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y35_N2
cycloneive_io_obuf \rambus[3]~output (
	.i(\mm|data_out~16_combout ),
	.oe(\mm|Equal1~0_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rambus[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \rambus[3]~output .bus_hold = "false";
defparam \rambus[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y26_N23
cycloneive_io_obuf \rambus[4]~output (
	.i(\mm|data_out~18_combout ),
	.oe(\mm|Equal1~0_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rambus[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \rambus[4]~output .bus_hold = "false";
defparam \rambus[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X54_Y43_N30
cycloneive_io_obuf \rambus[5]~output (
	.i(\mm|data_out~22_combout ),
	.oe(\mm|Equal1~0_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rambus[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \rambus[5]~output .bus_hold = "false";
defparam \rambus[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X45_Y43_N30
cycloneive_io_obuf \rambus[6]~output (
	.i(\mm|data_out~23_combout ),
	.oe(\mm|Equal1~0_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rambus[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \rambus[6]~output .bus_hold = "false";
defparam \rambus[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X45_Y43_N23
cycloneive_io_obuf \rambus[7]~output (
	.i(\mm|data_out~24_combout ),
	.oe(\mm|Equal1~0_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rambus[7]~output_o ),
	.obar());
// synopsys translate_off
defparam \rambus[7]~output .bus_hold = "false";
defparam \rambus[7]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X38_Y0_N30
cycloneive_io_obuf \data[0]~output (
	.i(\mcpu|dbus[0]~8_combout ),
	.oe(\mcpu|dbus[0]~61_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\data[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \data[0]~output .bus_hold = "false";
defparam \data[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X38_Y0_N9
cycloneive_io_obuf \data[1]~output (
	.i(\mcpu|dbus[1]~14_combout ),
	.oe(\mcpu|dbus[0]~61_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\data[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \data[1]~output .bus_hold = "false";
defparam \data[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X38_Y0_N23
cycloneive_io_obuf \data[2]~output (
	.i(\mcpu|dbus[2]~19_combout ),
	.oe(\mcpu|dbus[0]~61_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\data[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \data[2]~output .bus_hold = "false";
defparam \data[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X38_Y0_N16
cycloneive_io_obuf \data[3]~output (
	.i(\mcpu|dbus[3]~24_combout ),
	.oe(\mcpu|dbus[0]~61_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\data[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \data[3]~output .bus_hold = "false";
defparam \data[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X34_Y0_N9
cycloneive_io_obuf \data[4]~output (
	.i(\mcpu|dbus[4]~29_combout ),
	.oe(\mcpu|dbus[0]~61_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\data[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \data[4]~output .bus_hold = "false";
defparam \data[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X34_Y0_N2
cycloneive_io_obuf \data[5]~output (
	.i(\mcpu|dbus[5]~48_combout ),
	.oe(\mcpu|dbus[0]~61_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\data[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \data[5]~output .bus_hold = "false";
defparam \data[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X34_Y0_N30
cycloneive_io_obuf \data[6]~output (
	.i(\mcpu|dbus[6]~49_combout ),
	.oe(\mcpu|dbus[0]~61_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\data[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \data[6]~output .bus_hold = "false";
defparam \data[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X34_Y0_N23
cycloneive_io_obuf \data[7]~output (
	.i(\mcpu|dbus[7]~50_combout ),
	.oe(\mcpu|dbus[0]~61_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\data[7]~output_o ),
	.obar());
// synopsys translate_off
defparam \data[7]~output .bus_hold = "false";
defparam \data[7]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X18_Y43_N2
cycloneive_io_obuf \check_out[0]~output (
	.i(\mm|memory~14_combout ),
	.oe(\mm|Equal1~1_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\check_out[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \check_out[0]~output .bus_hold = "false";
defparam \check_out[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X20_Y43_N9
cycloneive_io_obuf \check_out[1]~output (
	.i(\mm|memory~16_combout ),
	.oe(\mm|Equal1~1_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\check_out[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \check_out[1]~output .bus_hold = "false";
defparam \check_out[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X38_Y43_N2
cycloneive_io_obuf \check_out[2]~output (
	.i(\mm|memory~18_combout ),
	.oe(\mm|Equal1~1_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\check_out[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \check_out[2]~output .bus_hold = "false";
defparam \check_out[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X32_Y43_N2
cycloneive_io_obuf \check_out[3]~output (
	.i(\mm|memory~20_combout ),
	.oe(\mm|Equal1~1_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\check_out[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \check_out[3]~output .bus_hold = "false";
defparam \check_out[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X36_Y43_N9
cycloneive_io_obuf \check_out[4]~output (
	.i(\mm|memory~22_combout ),
	.oe(\mm|Equal1~1_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\check_out[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \check_out[4]~output .bus_hold = "false";
defparam \check_out[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X36_Y43_N23
cycloneive_io_obuf \check_out[5]~output (
	.i(\mm|memory~24_combout ),
	.oe(\mm|Equal1~1_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\check_out[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \check_out[5]~output .bus_hold = "false";
defparam \check_out[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X36_Y43_N16
cycloneive_io_obuf \check_out[6]~output (
	.i(\mm|memory~26_combout ),
	.oe(\mm|Equal1~1_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\check_out[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \check_out[6]~output .bus_hold = "false";
defparam \check_out[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X32_Y43_N9
cycloneive_io_obuf \check_out[7]~output (
	.i(\mm|memory~28_combout ),
	.oe(\mm|Equal1~1_combout ),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\check_out[7]~output_o ),
	.obar());
// synopsys translate_off
defparam \check_out[7]~output .bus_hold = "false";
defparam \check_out[7]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y31_N23
cycloneive_io_obuf \addr[0]~output (
	.i(\mcpu|mar|dout [0]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[0]~output .bus_hold = "false";
defparam \addr[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y29_N2
cycloneive_io_obuf \addr[1]~output (
	.i(\mcpu|mar|dout [1]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[1]~output .bus_hold = "false";
defparam \addr[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X45_Y0_N9
cycloneive_io_obuf \addr[2]~output (
	.i(\mcpu|mar|dout [2]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[2]~output .bus_hold = "false";
defparam \addr[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y30_N23
cycloneive_io_obuf \addr[3]~output (
	.i(\mcpu|mar|dout [3]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[3]~output .bus_hold = "false";
defparam \addr[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X45_Y0_N2
cycloneive_io_obuf \addr[4]~output (
	.i(\mcpu|mar|dout [4]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[4]~output .bus_hold = "false";
defparam \addr[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X41_Y43_N9
cycloneive_io_obuf \addr[5]~output (
	.i(\mcpu|mar|dout [5]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[5]~output .bus_hold = "false";
defparam \addr[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X0_Y28_N9
cycloneive_io_obuf \addr[6]~output (
	.i(\mcpu|mar|dout [6]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[6]~output .bus_hold = "false";
defparam \addr[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X0_Y28_N16
cycloneive_io_obuf \addr[7]~output (
	.i(\mcpu|mar|dout [7]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[7]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[7]~output .bus_hold = "false";
defparam \addr[7]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X50_Y43_N16
cycloneive_io_obuf \addr[8]~output (
	.i(\mcpu|mar|dout [8]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[8]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[8]~output .bus_hold = "false";
defparam \addr[8]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X54_Y43_N23
cycloneive_io_obuf \addr[9]~output (
	.i(\mcpu|mar|dout [9]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[9]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[9]~output .bus_hold = "false";
defparam \addr[9]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X50_Y43_N2
cycloneive_io_obuf \addr[10]~output (
	.i(\mcpu|mar|dout [10]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[10]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[10]~output .bus_hold = "false";
defparam \addr[10]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X0_Y29_N16
cycloneive_io_obuf \addr[11]~output (
	.i(\mcpu|mar|dout [11]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[11]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[11]~output .bus_hold = "false";
defparam \addr[11]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X43_Y0_N23
cycloneive_io_obuf \addr[12]~output (
	.i(\mcpu|mar|dout [12]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[12]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[12]~output .bus_hold = "false";
defparam \addr[12]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X56_Y43_N23
cycloneive_io_obuf \addr[13]~output (
	.i(\mcpu|mar|dout [13]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[13]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[13]~output .bus_hold = "false";
defparam \addr[13]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X54_Y43_N16
cycloneive_io_obuf \addr[14]~output (
	.i(\mcpu|mar|dout [14]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[14]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[14]~output .bus_hold = "false";
defparam \addr[14]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X48_Y43_N9
cycloneive_io_obuf \addr[15]~output (
	.i(\mcpu|mar|dout [15]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\addr[15]~output_o ),
	.obar());
// synopsys translate_off
defparam \addr[15]~output .bus_hold = "false";
defparam \addr[15]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y34_N2
cycloneive_io_obuf \HEX0[0]~output (
	.i(\show|HEX0 [0]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX0[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX0[0]~output .bus_hold = "false";
defparam \HEX0[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y31_N9
cycloneive_io_obuf \HEX0[1]~output (
	.i(\show|HEX0 [1]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX0[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX0[1]~output .bus_hold = "false";
defparam \HEX0[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y31_N2
cycloneive_io_obuf \HEX0[2]~output (
	.i(\show|HEX0 [2]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX0[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX0[2]~output .bus_hold = "false";
defparam \HEX0[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X61_Y43_N30
cycloneive_io_obuf \HEX0[3]~output (
	.i(\show|HEX0 [3]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX0[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX0[3]~output .bus_hold = "false";
defparam \HEX0[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y39_N9
cycloneive_io_obuf \HEX0[4]~output (
	.i(\show|HEX0 [4]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX0[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX0[4]~output .bus_hold = "false";
defparam \HEX0[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y28_N2
cycloneive_io_obuf \HEX0[5]~output (
	.i(\show|HEX0 [5]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX0[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX0[5]~output .bus_hold = "false";
defparam \HEX0[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y28_N9
cycloneive_io_obuf \HEX0[6]~output (
	.i(\show|HEX0 [6]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX0[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX0[6]~output .bus_hold = "false";
defparam \HEX0[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y28_N23
cycloneive_io_obuf \HEX1[0]~output (
	.i(\show|HEX1 [0]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX1[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX1[0]~output .bus_hold = "false";
defparam \HEX1[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y28_N16
cycloneive_io_obuf \HEX1[1]~output (
	.i(\show|HEX1 [1]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX1[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX1[1]~output .bus_hold = "false";
defparam \HEX1[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y27_N23
cycloneive_io_obuf \HEX1[2]~output (
	.i(\show|HEX1 [2]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX1[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX1[2]~output .bus_hold = "false";
defparam \HEX1[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X59_Y43_N2
cycloneive_io_obuf \HEX1[3]~output (
	.i(\show|HEX1 [3]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX1[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX1[3]~output .bus_hold = "false";
defparam \HEX1[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y40_N23
cycloneive_io_obuf \HEX1[4]~output (
	.i(\show|HEX1 [4]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX1[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX1[4]~output .bus_hold = "false";
defparam \HEX1[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y25_N23
cycloneive_io_obuf \HEX1[5]~output (
	.i(\show|HEX1 [5]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX1[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX1[5]~output .bus_hold = "false";
defparam \HEX1[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y27_N16
cycloneive_io_obuf \HEX1[6]~output (
	.i(\show|HEX1 [6]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX1[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX1[6]~output .bus_hold = "false";
defparam \HEX1[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y25_N16
cycloneive_io_obuf \HEX2[0]~output (
	.i(\show|HEX2 [0]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX2[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX2[0]~output .bus_hold = "false";
defparam \HEX2[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y18_N9
cycloneive_io_obuf \HEX2[1]~output (
	.i(\show|HEX2 [1]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX2[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX2[1]~output .bus_hold = "false";
defparam \HEX2[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y18_N2
cycloneive_io_obuf \HEX2[2]~output (
	.i(\show|HEX2 [2]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX2[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX2[2]~output .bus_hold = "false";
defparam \HEX2[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y37_N16
cycloneive_io_obuf \HEX2[3]~output (
	.i(\show|HEX2 [3]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX2[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX2[3]~output .bus_hold = "false";
defparam \HEX2[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y37_N23
cycloneive_io_obuf \HEX2[4]~output (
	.i(\show|HEX2 [4]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX2[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX2[4]~output .bus_hold = "false";
defparam \HEX2[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y18_N16
cycloneive_io_obuf \HEX2[5]~output (
	.i(\show|HEX2 [5]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX2[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX2[5]~output .bus_hold = "false";
defparam \HEX2[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y18_N23
cycloneive_io_obuf \HEX2[6]~output (
	.i(\show|HEX2 [6]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX2[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX2[6]~output .bus_hold = "false";
defparam \HEX2[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y14_N9
cycloneive_io_obuf \HEX3[0]~output (
	.i(\show|HEX3 [0]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX3[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX3[0]~output .bus_hold = "false";
defparam \HEX3[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y14_N2
cycloneive_io_obuf \HEX3[1]~output (
	.i(\show|HEX3 [1]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX3[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX3[1]~output .bus_hold = "false";
defparam \HEX3[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y13_N9
cycloneive_io_obuf \HEX3[2]~output (
	.i(\show|HEX3 [2]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX3[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX3[2]~output .bus_hold = "false";
defparam \HEX3[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y34_N16
cycloneive_io_obuf \HEX3[3]~output (
	.i(\show|HEX3 [3]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX3[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX3[3]~output .bus_hold = "false";
defparam \HEX3[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y34_N23
cycloneive_io_obuf \HEX3[4]~output (
	.i(\show|HEX3 [4]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX3[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX3[4]~output .bus_hold = "false";
defparam \HEX3[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y11_N9
cycloneive_io_obuf \HEX3[5]~output (
	.i(\show|HEX3 [5]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX3[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX3[5]~output .bus_hold = "false";
defparam \HEX3[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y13_N2
cycloneive_io_obuf \HEX3[6]~output (
	.i(\show|HEX3 [6]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX3[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX3[6]~output .bus_hold = "false";
defparam \HEX3[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y11_N2
cycloneive_io_obuf \HEX4[0]~output (
	.i(\show|HEX4 [0]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX4[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX4[0]~output .bus_hold = "false";
defparam \HEX4[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y10_N9
cycloneive_io_obuf \HEX4[1]~output (
	.i(\show|HEX4 [1]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX4[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX4[1]~output .bus_hold = "false";
defparam \HEX4[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y10_N2
cycloneive_io_obuf \HEX4[2]~output (
	.i(\show|HEX4 [2]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX4[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX4[2]~output .bus_hold = "false";
defparam \HEX4[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y19_N16
cycloneive_io_obuf \HEX4[3]~output (
	.i(\show|HEX4 [3]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX4[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX4[3]~output .bus_hold = "false";
defparam \HEX4[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y19_N23
cycloneive_io_obuf \HEX4[4]~output (
	.i(\show|HEX4 [4]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX4[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX4[4]~output .bus_hold = "false";
defparam \HEX4[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y8_N23
cycloneive_io_obuf \HEX4[5]~output (
	.i(\show|HEX4 [5]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX4[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX4[5]~output .bus_hold = "false";
defparam \HEX4[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y7_N2
cycloneive_io_obuf \HEX4[6]~output (
	.i(\show|HEX4 [6]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX4[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX4[6]~output .bus_hold = "false";
defparam \HEX4[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y6_N16
cycloneive_io_obuf \HEX5[0]~output (
	.i(\show|HEX5 [0]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX5[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX5[0]~output .bus_hold = "false";
defparam \HEX5[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y7_N23
cycloneive_io_obuf \HEX5[1]~output (
	.i(\show|HEX5 [1]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX5[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX5[1]~output .bus_hold = "false";
defparam \HEX5[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y2_N16
cycloneive_io_obuf \HEX5[2]~output (
	.i(\show|HEX5 [2]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX5[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX5[2]~output .bus_hold = "false";
defparam \HEX5[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y15_N2
cycloneive_io_obuf \HEX5[3]~output (
	.i(\show|HEX5 [3]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX5[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX5[3]~output .bus_hold = "false";
defparam \HEX5[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y15_N9
cycloneive_io_obuf \HEX5[4]~output (
	.i(\show|HEX5 [4]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX5[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX5[4]~output .bus_hold = "false";
defparam \HEX5[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X61_Y0_N23
cycloneive_io_obuf \HEX5[5]~output (
	.i(\show|HEX5 [5]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX5[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX5[5]~output .bus_hold = "false";
defparam \HEX5[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X61_Y0_N16
cycloneive_io_obuf \HEX5[6]~output (
	.i(\show|HEX5 [6]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX5[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX5[6]~output .bus_hold = "false";
defparam \HEX5[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X59_Y0_N30
cycloneive_io_obuf \HEX6[0]~output (
	.i(\show|HEX6 [0]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX6[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX6[0]~output .bus_hold = "false";
defparam \HEX6[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X56_Y0_N2
cycloneive_io_obuf \HEX6[1]~output (
	.i(gnd),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX6[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX6[1]~output .bus_hold = "false";
defparam \HEX6[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X52_Y0_N2
cycloneive_io_obuf \HEX6[2]~output (
	.i(gnd),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX6[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX6[2]~output .bus_hold = "false";
defparam \HEX6[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y14_N23
cycloneive_io_obuf \HEX6[3]~output (
	.i(\show|HEX6 [3]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX6[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX6[3]~output .bus_hold = "false";
defparam \HEX6[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y12_N16
cycloneive_io_obuf \HEX6[4]~output (
	.i(\show|HEX6 [4]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX6[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX6[4]~output .bus_hold = "false";
defparam \HEX6[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X54_Y0_N23
cycloneive_io_obuf \HEX6[5]~output (
	.i(\show|HEX6 [5]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX6[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX6[5]~output .bus_hold = "false";
defparam \HEX6[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X54_Y0_N16
cycloneive_io_obuf \HEX6[6]~output (
	.i(vcc),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX6[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX6[6]~output .bus_hold = "false";
defparam \HEX6[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X54_Y0_N30
cycloneive_io_obuf \HEX7[0]~output (
	.i(vcc),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX7[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX7[0]~output .bus_hold = "false";
defparam \HEX7[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X45_Y0_N16
cycloneive_io_obuf \HEX7[1]~output (
	.i(vcc),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX7[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX7[1]~output .bus_hold = "false";
defparam \HEX7[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X45_Y0_N23
cycloneive_io_obuf \HEX7[2]~output (
	.i(vcc),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX7[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX7[2]~output .bus_hold = "false";
defparam \HEX7[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y11_N23
cycloneive_io_obuf \HEX7[3]~output (
	.i(vcc),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX7[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX7[3]~output .bus_hold = "false";
defparam \HEX7[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y7_N16
cycloneive_io_obuf \HEX7[4]~output (
	.i(vcc),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX7[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX7[4]~output .bus_hold = "false";
defparam \HEX7[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X43_Y0_N16
cycloneive_io_obuf \HEX7[5]~output (
	.i(vcc),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX7[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX7[5]~output .bus_hold = "false";
defparam \HEX7[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X43_Y0_N9
cycloneive_io_obuf \HEX7[6]~output (
	.i(gnd),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\HEX7[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \HEX7[6]~output .bus_hold = "false";
defparam \HEX7[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X27_Y43_N2
cycloneive_io_obuf \acdbus[0]~output (
	.i(\mcpu|mac|dout [0]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\acdbus[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \acdbus[0]~output .bus_hold = "false";
defparam \acdbus[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X20_Y43_N2
cycloneive_io_obuf \acdbus[1]~output (
	.i(\mcpu|mac|dout [1]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\acdbus[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \acdbus[1]~output .bus_hold = "false";
defparam \acdbus[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X41_Y0_N30
cycloneive_io_obuf \acdbus[2]~output (
	.i(\mcpu|mac|dout [2]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\acdbus[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \acdbus[2]~output .bus_hold = "false";
defparam \acdbus[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X0_Y28_N2
cycloneive_io_obuf \acdbus[3]~output (
	.i(\mcpu|mac|dout [3]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\acdbus[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \acdbus[3]~output .bus_hold = "false";
defparam \acdbus[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X43_Y0_N30
cycloneive_io_obuf \acdbus[4]~output (
	.i(\mcpu|mac|dout [4]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\acdbus[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \acdbus[4]~output .bus_hold = "false";
defparam \acdbus[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X20_Y43_N30
cycloneive_io_obuf \acdbus[5]~output (
	.i(\mcpu|mac|dout [5]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\acdbus[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \acdbus[5]~output .bus_hold = "false";
defparam \acdbus[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X29_Y43_N23
cycloneive_io_obuf \acdbus[6]~output (
	.i(\mcpu|mac|dout [6]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\acdbus[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \acdbus[6]~output .bus_hold = "false";
defparam \acdbus[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X0_Y28_N23
cycloneive_io_obuf \acdbus[7]~output (
	.i(\mcpu|mac|dout [7]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\acdbus[7]~output_o ),
	.obar());
// synopsys translate_off
defparam \acdbus[7]~output .bus_hold = "false";
defparam \acdbus[7]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X34_Y0_N16
cycloneive_io_obuf \rdbus[0]~output (
	.i(\mcpu|mr|dout [0]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rdbus[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \rdbus[0]~output .bus_hold = "false";
defparam \rdbus[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X22_Y43_N30
cycloneive_io_obuf \rdbus[1]~output (
	.i(\mcpu|mr|dout [1]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rdbus[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \rdbus[1]~output .bus_hold = "false";
defparam \rdbus[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X5_Y43_N23
cycloneive_io_obuf \rdbus[2]~output (
	.i(\mcpu|mr|dout [2]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rdbus[2]~output_o ),
	.obar());
// synopsys translate_off
defparam \rdbus[2]~output .bus_hold = "false";
defparam \rdbus[2]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X9_Y43_N2
cycloneive_io_obuf \rdbus[3]~output (
	.i(\mcpu|mr|dout [3]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rdbus[3]~output_o ),
	.obar());
// synopsys translate_off
defparam \rdbus[3]~output .bus_hold = "false";
defparam \rdbus[3]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X43_Y0_N2
cycloneive_io_obuf \rdbus[4]~output (
	.i(\mcpu|mr|dout [4]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rdbus[4]~output_o ),
	.obar());
// synopsys translate_off
defparam \rdbus[4]~output .bus_hold = "false";
defparam \rdbus[4]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X50_Y43_N23
cycloneive_io_obuf \rdbus[5]~output (
	.i(\mcpu|mr|dout [5]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rdbus[5]~output_o ),
	.obar());
// synopsys translate_off
defparam \rdbus[5]~output .bus_hold = "false";
defparam \rdbus[5]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y19_N9
cycloneive_io_obuf \rdbus[6]~output (
	.i(\mcpu|mr|dout [6]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rdbus[6]~output_o ),
	.obar());
// synopsys translate_off
defparam \rdbus[6]~output .bus_hold = "false";
defparam \rdbus[6]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X52_Y43_N16
cycloneive_io_obuf \rdbus[7]~output (
	.i(\mcpu|mr|dout [7]),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rdbus[7]~output_o ),
	.obar());
// synopsys translate_off
defparam \rdbus[7]~output .bus_hold = "false";
defparam \rdbus[7]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y36_N9
cycloneive_io_obuf \cpustate_led[0]~output (
	.i(\SW1~input_o ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\cpustate_led[0]~output_o ),
	.obar());
// synopsys translate_off
defparam \cpustate_led[0]~output .bus_hold = "false";
defparam \cpustate_led[0]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y34_N9
cycloneive_io_obuf \cpustate_led[1]~output (
	.i(\SW2~input_o ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\cpustate_led[1]~output_o ),
	.obar());
// synopsys translate_off
defparam \cpustate_led[1]~output .bus_hold = "false";
defparam \cpustate_led[1]~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X67_Y38_N16
cycloneive_io_obuf \quick_low_led~output (
	.i(\SW_choose~input_o ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\quick_low_led~output_o ),
	.obar());
// synopsys translate_off
defparam \quick_low_led~output .bus_hold = "false";
defparam \quick_low_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X54_Y43_N2
cycloneive_io_obuf \read_led~output (
	.i(\mcpu|mcontrol|read~2_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\read_led~output_o ),
	.obar());
// synopsys translate_off
defparam \read_led~output .bus_hold = "false";
defparam \read_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X52_Y43_N30
cycloneive_io_obuf \write_led~output (
	.i(\mcpu|mcontrol|busmem~combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\write_led~output_o ),
	.obar());
// synopsys translate_off
defparam \write_led~output .bus_hold = "false";
defparam \write_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X50_Y43_N9
cycloneive_io_obuf \arload_led~output (
	.i(\mcpu|mcontrol|arload~0_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\arload_led~output_o ),
	.obar());
// synopsys translate_off
defparam \arload_led~output .bus_hold = "false";
defparam \arload_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X45_Y43_N9
cycloneive_io_obuf \arinc_led~output (
	.i(!\mcpu|mcontrol|arinc~1_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\arinc_led~output_o ),
	.obar());
// synopsys translate_off
defparam \arinc_led~output .bus_hold = "false";
defparam \arinc_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X41_Y43_N16
cycloneive_io_obuf \pcinc_led~output (
	.i(!\mcpu|mcontrol|pcinc~3_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\pcinc_led~output_o ),
	.obar());
// synopsys translate_off
defparam \pcinc_led~output .bus_hold = "false";
defparam \pcinc_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X38_Y43_N23
cycloneive_io_obuf \pcload_led~output (
	.i(\mcpu|mcontrol|zload~3_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\pcload_led~output_o ),
	.obar());
// synopsys translate_off
defparam \pcload_led~output .bus_hold = "false";
defparam \pcload_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X32_Y43_N16
cycloneive_io_obuf \drload_led~output (
	.i(\mcpu|mcontrol|drload~0_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\drload_led~output_o ),
	.obar());
// synopsys translate_off
defparam \drload_led~output .bus_hold = "false";
defparam \drload_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X32_Y43_N30
cycloneive_io_obuf \trload_led~output (
	.i(\mcpu|mcontrol|trload~0_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\trload_led~output_o ),
	.obar());
// synopsys translate_off
defparam \trload_led~output .bus_hold = "false";
defparam \trload_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X25_Y43_N2
cycloneive_io_obuf \irload_led~output (
	.i(\mcpu|mcontrol|t2~q ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\irload_led~output_o ),
	.obar());
// synopsys translate_off
defparam \irload_led~output .bus_hold = "false";
defparam \irload_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X25_Y43_N16
cycloneive_io_obuf \rload_led~output (
	.i(\mcpu|mcontrol|rload~combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rload_led~output_o ),
	.obar());
// synopsys translate_off
defparam \rload_led~output .bus_hold = "false";
defparam \rload_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X25_Y43_N30
cycloneive_io_obuf \acload_led~output (
	.i(\mcpu|mcontrol|acload~0_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\acload_led~output_o ),
	.obar());
// synopsys translate_off
defparam \acload_led~output .bus_hold = "false";
defparam \acload_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X14_Y43_N16
cycloneive_io_obuf \zload_led~output (
	.i(\mcpu|mcontrol|zload~4_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\zload_led~output_o ),
	.obar());
// synopsys translate_off
defparam \zload_led~output .bus_hold = "false";
defparam \zload_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X9_Y43_N30
cycloneive_io_obuf \pcbus_led~output (
	.i(\mcpu|mcontrol|pcbus~combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\pcbus_led~output_o ),
	.obar());
// synopsys translate_off
defparam \pcbus_led~output .bus_hold = "false";
defparam \pcbus_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X5_Y43_N9
cycloneive_io_obuf \drhbus_led~output (
	.i(\mcpu|mcontrol|drhbus~0_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\drhbus_led~output_o ),
	.obar());
// synopsys translate_off
defparam \drhbus_led~output .bus_hold = "false";
defparam \drhbus_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X5_Y43_N2
cycloneive_io_obuf \drlbus_led~output (
	.i(\mcpu|mcontrol|drlbus~0_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\drlbus_led~output_o ),
	.obar());
// synopsys translate_off
defparam \drlbus_led~output .bus_hold = "false";
defparam \drlbus_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X0_Y40_N2
cycloneive_io_obuf \trbus_led~output (
	.i(\mcpu|mcontrol|drhbus~0_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\trbus_led~output_o ),
	.obar());
// synopsys translate_off
defparam \trbus_led~output .bus_hold = "false";
defparam \trbus_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X0_Y41_N23
cycloneive_io_obuf \rbus_led~output (
	.i(\mcpu|mcontrol|rbus~0_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\rbus_led~output_o ),
	.obar());
// synopsys translate_off
defparam \rbus_led~output .bus_hold = "false";
defparam \rbus_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X0_Y38_N23
cycloneive_io_obuf \acbus_led~output (
	.i(\mcpu|mcontrol|acbus~combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\acbus_led~output_o ),
	.obar());
// synopsys translate_off
defparam \acbus_led~output .bus_hold = "false";
defparam \acbus_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X0_Y38_N16
cycloneive_io_obuf \membus_led~output (
	.i(\mcpu|mcontrol|read~2_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\membus_led~output_o ),
	.obar());
// synopsys translate_off
defparam \membus_led~output .bus_hold = "false";
defparam \membus_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X0_Y37_N2
cycloneive_io_obuf \busmem_led~output (
	.i(gnd),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\busmem_led~output_o ),
	.obar());
// synopsys translate_off
defparam \busmem_led~output .bus_hold = "false";
defparam \busmem_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOOBUF_X0_Y36_N16
cycloneive_io_obuf \clr_led~output (
	.i(\mcpu|mcontrol|clr~5_combout ),
	.oe(vcc),
	.seriesterminationcontrol(16'b0000000000000000),
	.devoe(devoe),
	.o(\clr_led~output_o ),
	.obar());
// synopsys translate_off
defparam \clr_led~output .bus_hold = "false";
defparam \clr_led~output .open_drain_output = "false";
// synopsys translate_on

// Location: IOIBUF_X67_Y22_N22
cycloneive_io_ibuf \clk~input (
	.i(clk),
	.ibar(gnd),
	.o(\clk~input_o ));
// synopsys translate_off
defparam \clk~input .bus_hold = "false";
defparam \clk~input .simulate_z_as = "z";
// synopsys translate_on

// Location: CLKCTRL_G8
cycloneive_clkctrl \clk~inputclkctrl (
	.ena(vcc),
	.inclk({vcc,vcc,vcc,\clk~input_o }),
	.clkselect(2'b00),
	.devclrn(devclrn),
	.devpor(devpor),
	.outclk(\clk~inputclkctrl_outclk ));
// synopsys translate_off
defparam \clk~inputclkctrl .clock_type = "global clock";
defparam \clk~inputclkctrl .ena_register_mode = "none";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N0
cycloneive_lcell_comb \quick|count[0]~32 (
// Equation(s):
// \quick|count[0]~32_combout  = \quick|count [0] $ (VCC)
// \quick|count[0]~33  = CARRY(\quick|count [0])

	.dataa(gnd),
	.datab(\quick|count [0]),
	.datac(gnd),
	.datad(vcc),
	.cin(gnd),
	.combout(\quick|count[0]~32_combout ),
	.cout(\quick|count[0]~33 ));
// synopsys translate_off
defparam \quick|count[0]~32 .lut_mask = 16'h33CC;
defparam \quick|count[0]~32 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: IOIBUF_X56_Y43_N8
cycloneive_io_ibuf \rst~input (
	.i(rst),
	.ibar(gnd),
	.o(\rst~input_o ));
// synopsys translate_off
defparam \rst~input .bus_hold = "false";
defparam \rst~input .simulate_z_as = "z";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N30
cycloneive_lcell_comb \quick|count[23]~34 (
// Equation(s):
// \quick|count[23]~34_combout  = (!\quick|Equal0~10_combout ) # (!\rst~input_o )

	.dataa(\rst~input_o ),
	.datab(gnd),
	.datac(gnd),
	.datad(\quick|Equal0~10_combout ),
	.cin(gnd),
	.combout(\quick|count[23]~34_combout ),
	.cout());
// synopsys translate_off
defparam \quick|count[23]~34 .lut_mask = 16'h55FF;
defparam \quick|count[23]~34 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X62_Y32_N1
dffeas \quick|count[0] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[0]~32_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [0]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[0] .is_wysiwyg = "true";
defparam \quick|count[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N2
cycloneive_lcell_comb \quick|count[1]~35 (
// Equation(s):
// \quick|count[1]~35_combout  = (\quick|count [1] & (!\quick|count[0]~33 )) # (!\quick|count [1] & ((\quick|count[0]~33 ) # (GND)))
// \quick|count[1]~36  = CARRY((!\quick|count[0]~33 ) # (!\quick|count [1]))

	.dataa(gnd),
	.datab(\quick|count [1]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[0]~33 ),
	.combout(\quick|count[1]~35_combout ),
	.cout(\quick|count[1]~36 ));
// synopsys translate_off
defparam \quick|count[1]~35 .lut_mask = 16'h3C3F;
defparam \quick|count[1]~35 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N3
dffeas \quick|count[1] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[1]~35_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [1]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[1] .is_wysiwyg = "true";
defparam \quick|count[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N4
cycloneive_lcell_comb \quick|count[2]~37 (
// Equation(s):
// \quick|count[2]~37_combout  = (\quick|count [2] & (\quick|count[1]~36  $ (GND))) # (!\quick|count [2] & (!\quick|count[1]~36  & VCC))
// \quick|count[2]~38  = CARRY((\quick|count [2] & !\quick|count[1]~36 ))

	.dataa(gnd),
	.datab(\quick|count [2]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[1]~36 ),
	.combout(\quick|count[2]~37_combout ),
	.cout(\quick|count[2]~38 ));
// synopsys translate_off
defparam \quick|count[2]~37 .lut_mask = 16'hC30C;
defparam \quick|count[2]~37 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N5
dffeas \quick|count[2] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[2]~37_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [2]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[2] .is_wysiwyg = "true";
defparam \quick|count[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N6
cycloneive_lcell_comb \quick|count[3]~39 (
// Equation(s):
// \quick|count[3]~39_combout  = (\quick|count [3] & (!\quick|count[2]~38 )) # (!\quick|count [3] & ((\quick|count[2]~38 ) # (GND)))
// \quick|count[3]~40  = CARRY((!\quick|count[2]~38 ) # (!\quick|count [3]))

	.dataa(\quick|count [3]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[2]~38 ),
	.combout(\quick|count[3]~39_combout ),
	.cout(\quick|count[3]~40 ));
// synopsys translate_off
defparam \quick|count[3]~39 .lut_mask = 16'h5A5F;
defparam \quick|count[3]~39 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N7
dffeas \quick|count[3] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[3]~39_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [3]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[3] .is_wysiwyg = "true";
defparam \quick|count[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N8
cycloneive_lcell_comb \quick|count[4]~41 (
// Equation(s):
// \quick|count[4]~41_combout  = (\quick|count [4] & (\quick|count[3]~40  $ (GND))) # (!\quick|count [4] & (!\quick|count[3]~40  & VCC))
// \quick|count[4]~42  = CARRY((\quick|count [4] & !\quick|count[3]~40 ))

	.dataa(gnd),
	.datab(\quick|count [4]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[3]~40 ),
	.combout(\quick|count[4]~41_combout ),
	.cout(\quick|count[4]~42 ));
// synopsys translate_off
defparam \quick|count[4]~41 .lut_mask = 16'hC30C;
defparam \quick|count[4]~41 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N9
dffeas \quick|count[4] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[4]~41_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [4]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[4] .is_wysiwyg = "true";
defparam \quick|count[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N10
cycloneive_lcell_comb \quick|count[5]~43 (
// Equation(s):
// \quick|count[5]~43_combout  = (\quick|count [5] & (!\quick|count[4]~42 )) # (!\quick|count [5] & ((\quick|count[4]~42 ) # (GND)))
// \quick|count[5]~44  = CARRY((!\quick|count[4]~42 ) # (!\quick|count [5]))

	.dataa(\quick|count [5]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[4]~42 ),
	.combout(\quick|count[5]~43_combout ),
	.cout(\quick|count[5]~44 ));
// synopsys translate_off
defparam \quick|count[5]~43 .lut_mask = 16'h5A5F;
defparam \quick|count[5]~43 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N11
dffeas \quick|count[5] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[5]~43_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [5]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[5] .is_wysiwyg = "true";
defparam \quick|count[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N12
cycloneive_lcell_comb \quick|count[6]~45 (
// Equation(s):
// \quick|count[6]~45_combout  = (\quick|count [6] & (\quick|count[5]~44  $ (GND))) # (!\quick|count [6] & (!\quick|count[5]~44  & VCC))
// \quick|count[6]~46  = CARRY((\quick|count [6] & !\quick|count[5]~44 ))

	.dataa(\quick|count [6]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[5]~44 ),
	.combout(\quick|count[6]~45_combout ),
	.cout(\quick|count[6]~46 ));
// synopsys translate_off
defparam \quick|count[6]~45 .lut_mask = 16'hA50A;
defparam \quick|count[6]~45 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N13
dffeas \quick|count[6] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[6]~45_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [6]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[6] .is_wysiwyg = "true";
defparam \quick|count[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N14
cycloneive_lcell_comb \quick|count[7]~47 (
// Equation(s):
// \quick|count[7]~47_combout  = (\quick|count [7] & (!\quick|count[6]~46 )) # (!\quick|count [7] & ((\quick|count[6]~46 ) # (GND)))
// \quick|count[7]~48  = CARRY((!\quick|count[6]~46 ) # (!\quick|count [7]))

	.dataa(gnd),
	.datab(\quick|count [7]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[6]~46 ),
	.combout(\quick|count[7]~47_combout ),
	.cout(\quick|count[7]~48 ));
// synopsys translate_off
defparam \quick|count[7]~47 .lut_mask = 16'h3C3F;
defparam \quick|count[7]~47 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N15
dffeas \quick|count[7] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[7]~47_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [7]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[7] .is_wysiwyg = "true";
defparam \quick|count[7] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N16
cycloneive_lcell_comb \quick|count[8]~49 (
// Equation(s):
// \quick|count[8]~49_combout  = (\quick|count [8] & (\quick|count[7]~48  $ (GND))) # (!\quick|count [8] & (!\quick|count[7]~48  & VCC))
// \quick|count[8]~50  = CARRY((\quick|count [8] & !\quick|count[7]~48 ))

	.dataa(gnd),
	.datab(\quick|count [8]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[7]~48 ),
	.combout(\quick|count[8]~49_combout ),
	.cout(\quick|count[8]~50 ));
// synopsys translate_off
defparam \quick|count[8]~49 .lut_mask = 16'hC30C;
defparam \quick|count[8]~49 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N17
dffeas \quick|count[8] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[8]~49_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [8]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[8] .is_wysiwyg = "true";
defparam \quick|count[8] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N18
cycloneive_lcell_comb \quick|count[9]~51 (
// Equation(s):
// \quick|count[9]~51_combout  = (\quick|count [9] & (!\quick|count[8]~50 )) # (!\quick|count [9] & ((\quick|count[8]~50 ) # (GND)))
// \quick|count[9]~52  = CARRY((!\quick|count[8]~50 ) # (!\quick|count [9]))

	.dataa(gnd),
	.datab(\quick|count [9]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[8]~50 ),
	.combout(\quick|count[9]~51_combout ),
	.cout(\quick|count[9]~52 ));
// synopsys translate_off
defparam \quick|count[9]~51 .lut_mask = 16'h3C3F;
defparam \quick|count[9]~51 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N19
dffeas \quick|count[9] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[9]~51_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [9]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[9] .is_wysiwyg = "true";
defparam \quick|count[9] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N20
cycloneive_lcell_comb \quick|count[10]~53 (
// Equation(s):
// \quick|count[10]~53_combout  = (\quick|count [10] & (\quick|count[9]~52  $ (GND))) # (!\quick|count [10] & (!\quick|count[9]~52  & VCC))
// \quick|count[10]~54  = CARRY((\quick|count [10] & !\quick|count[9]~52 ))

	.dataa(gnd),
	.datab(\quick|count [10]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[9]~52 ),
	.combout(\quick|count[10]~53_combout ),
	.cout(\quick|count[10]~54 ));
// synopsys translate_off
defparam \quick|count[10]~53 .lut_mask = 16'hC30C;
defparam \quick|count[10]~53 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N21
dffeas \quick|count[10] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[10]~53_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [10]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[10] .is_wysiwyg = "true";
defparam \quick|count[10] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N22
cycloneive_lcell_comb \quick|count[11]~55 (
// Equation(s):
// \quick|count[11]~55_combout  = (\quick|count [11] & (!\quick|count[10]~54 )) # (!\quick|count [11] & ((\quick|count[10]~54 ) # (GND)))
// \quick|count[11]~56  = CARRY((!\quick|count[10]~54 ) # (!\quick|count [11]))

	.dataa(\quick|count [11]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[10]~54 ),
	.combout(\quick|count[11]~55_combout ),
	.cout(\quick|count[11]~56 ));
// synopsys translate_off
defparam \quick|count[11]~55 .lut_mask = 16'h5A5F;
defparam \quick|count[11]~55 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N23
dffeas \quick|count[11] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[11]~55_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [11]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[11] .is_wysiwyg = "true";
defparam \quick|count[11] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N24
cycloneive_lcell_comb \quick|count[12]~57 (
// Equation(s):
// \quick|count[12]~57_combout  = (\quick|count [12] & (\quick|count[11]~56  $ (GND))) # (!\quick|count [12] & (!\quick|count[11]~56  & VCC))
// \quick|count[12]~58  = CARRY((\quick|count [12] & !\quick|count[11]~56 ))

	.dataa(gnd),
	.datab(\quick|count [12]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[11]~56 ),
	.combout(\quick|count[12]~57_combout ),
	.cout(\quick|count[12]~58 ));
// synopsys translate_off
defparam \quick|count[12]~57 .lut_mask = 16'hC30C;
defparam \quick|count[12]~57 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N25
dffeas \quick|count[12] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[12]~57_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [12]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[12] .is_wysiwyg = "true";
defparam \quick|count[12] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N26
cycloneive_lcell_comb \quick|count[13]~59 (
// Equation(s):
// \quick|count[13]~59_combout  = (\quick|count [13] & (!\quick|count[12]~58 )) # (!\quick|count [13] & ((\quick|count[12]~58 ) # (GND)))
// \quick|count[13]~60  = CARRY((!\quick|count[12]~58 ) # (!\quick|count [13]))

	.dataa(\quick|count [13]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[12]~58 ),
	.combout(\quick|count[13]~59_combout ),
	.cout(\quick|count[13]~60 ));
// synopsys translate_off
defparam \quick|count[13]~59 .lut_mask = 16'h5A5F;
defparam \quick|count[13]~59 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N27
dffeas \quick|count[13] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[13]~59_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [13]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[13] .is_wysiwyg = "true";
defparam \quick|count[13] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N28
cycloneive_lcell_comb \quick|count[14]~61 (
// Equation(s):
// \quick|count[14]~61_combout  = (\quick|count [14] & (\quick|count[13]~60  $ (GND))) # (!\quick|count [14] & (!\quick|count[13]~60  & VCC))
// \quick|count[14]~62  = CARRY((\quick|count [14] & !\quick|count[13]~60 ))

	.dataa(gnd),
	.datab(\quick|count [14]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[13]~60 ),
	.combout(\quick|count[14]~61_combout ),
	.cout(\quick|count[14]~62 ));
// synopsys translate_off
defparam \quick|count[14]~61 .lut_mask = 16'hC30C;
defparam \quick|count[14]~61 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N29
dffeas \quick|count[14] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[14]~61_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [14]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[14] .is_wysiwyg = "true";
defparam \quick|count[14] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y32_N30
cycloneive_lcell_comb \quick|count[15]~63 (
// Equation(s):
// \quick|count[15]~63_combout  = (\quick|count [15] & (!\quick|count[14]~62 )) # (!\quick|count [15] & ((\quick|count[14]~62 ) # (GND)))
// \quick|count[15]~64  = CARRY((!\quick|count[14]~62 ) # (!\quick|count [15]))

	.dataa(\quick|count [15]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[14]~62 ),
	.combout(\quick|count[15]~63_combout ),
	.cout(\quick|count[15]~64 ));
// synopsys translate_off
defparam \quick|count[15]~63 .lut_mask = 16'h5A5F;
defparam \quick|count[15]~63 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y32_N31
dffeas \quick|count[15] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[15]~63_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [15]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[15] .is_wysiwyg = "true";
defparam \quick|count[15] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N0
cycloneive_lcell_comb \quick|count[16]~65 (
// Equation(s):
// \quick|count[16]~65_combout  = (\quick|count [16] & (\quick|count[15]~64  $ (GND))) # (!\quick|count [16] & (!\quick|count[15]~64  & VCC))
// \quick|count[16]~66  = CARRY((\quick|count [16] & !\quick|count[15]~64 ))

	.dataa(gnd),
	.datab(\quick|count [16]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[15]~64 ),
	.combout(\quick|count[16]~65_combout ),
	.cout(\quick|count[16]~66 ));
// synopsys translate_off
defparam \quick|count[16]~65 .lut_mask = 16'hC30C;
defparam \quick|count[16]~65 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N1
dffeas \quick|count[16] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[16]~65_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [16]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[16] .is_wysiwyg = "true";
defparam \quick|count[16] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N2
cycloneive_lcell_comb \quick|count[17]~67 (
// Equation(s):
// \quick|count[17]~67_combout  = (\quick|count [17] & (!\quick|count[16]~66 )) # (!\quick|count [17] & ((\quick|count[16]~66 ) # (GND)))
// \quick|count[17]~68  = CARRY((!\quick|count[16]~66 ) # (!\quick|count [17]))

	.dataa(gnd),
	.datab(\quick|count [17]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[16]~66 ),
	.combout(\quick|count[17]~67_combout ),
	.cout(\quick|count[17]~68 ));
// synopsys translate_off
defparam \quick|count[17]~67 .lut_mask = 16'h3C3F;
defparam \quick|count[17]~67 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N3
dffeas \quick|count[17] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[17]~67_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [17]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[17] .is_wysiwyg = "true";
defparam \quick|count[17] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N4
cycloneive_lcell_comb \quick|count[18]~69 (
// Equation(s):
// \quick|count[18]~69_combout  = (\quick|count [18] & (\quick|count[17]~68  $ (GND))) # (!\quick|count [18] & (!\quick|count[17]~68  & VCC))
// \quick|count[18]~70  = CARRY((\quick|count [18] & !\quick|count[17]~68 ))

	.dataa(gnd),
	.datab(\quick|count [18]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[17]~68 ),
	.combout(\quick|count[18]~69_combout ),
	.cout(\quick|count[18]~70 ));
// synopsys translate_off
defparam \quick|count[18]~69 .lut_mask = 16'hC30C;
defparam \quick|count[18]~69 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N5
dffeas \quick|count[18] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[18]~69_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [18]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[18] .is_wysiwyg = "true";
defparam \quick|count[18] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N6
cycloneive_lcell_comb \quick|count[19]~71 (
// Equation(s):
// \quick|count[19]~71_combout  = (\quick|count [19] & (!\quick|count[18]~70 )) # (!\quick|count [19] & ((\quick|count[18]~70 ) # (GND)))
// \quick|count[19]~72  = CARRY((!\quick|count[18]~70 ) # (!\quick|count [19]))

	.dataa(\quick|count [19]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[18]~70 ),
	.combout(\quick|count[19]~71_combout ),
	.cout(\quick|count[19]~72 ));
// synopsys translate_off
defparam \quick|count[19]~71 .lut_mask = 16'h5A5F;
defparam \quick|count[19]~71 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N7
dffeas \quick|count[19] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[19]~71_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [19]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[19] .is_wysiwyg = "true";
defparam \quick|count[19] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N8
cycloneive_lcell_comb \quick|count[20]~73 (
// Equation(s):
// \quick|count[20]~73_combout  = (\quick|count [20] & (\quick|count[19]~72  $ (GND))) # (!\quick|count [20] & (!\quick|count[19]~72  & VCC))
// \quick|count[20]~74  = CARRY((\quick|count [20] & !\quick|count[19]~72 ))

	.dataa(gnd),
	.datab(\quick|count [20]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[19]~72 ),
	.combout(\quick|count[20]~73_combout ),
	.cout(\quick|count[20]~74 ));
// synopsys translate_off
defparam \quick|count[20]~73 .lut_mask = 16'hC30C;
defparam \quick|count[20]~73 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N9
dffeas \quick|count[20] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[20]~73_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [20]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[20] .is_wysiwyg = "true";
defparam \quick|count[20] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N10
cycloneive_lcell_comb \quick|count[21]~75 (
// Equation(s):
// \quick|count[21]~75_combout  = (\quick|count [21] & (!\quick|count[20]~74 )) # (!\quick|count [21] & ((\quick|count[20]~74 ) # (GND)))
// \quick|count[21]~76  = CARRY((!\quick|count[20]~74 ) # (!\quick|count [21]))

	.dataa(\quick|count [21]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[20]~74 ),
	.combout(\quick|count[21]~75_combout ),
	.cout(\quick|count[21]~76 ));
// synopsys translate_off
defparam \quick|count[21]~75 .lut_mask = 16'h5A5F;
defparam \quick|count[21]~75 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N11
dffeas \quick|count[21] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[21]~75_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [21]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[21] .is_wysiwyg = "true";
defparam \quick|count[21] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N12
cycloneive_lcell_comb \quick|count[22]~77 (
// Equation(s):
// \quick|count[22]~77_combout  = (\quick|count [22] & (\quick|count[21]~76  $ (GND))) # (!\quick|count [22] & (!\quick|count[21]~76  & VCC))
// \quick|count[22]~78  = CARRY((\quick|count [22] & !\quick|count[21]~76 ))

	.dataa(\quick|count [22]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[21]~76 ),
	.combout(\quick|count[22]~77_combout ),
	.cout(\quick|count[22]~78 ));
// synopsys translate_off
defparam \quick|count[22]~77 .lut_mask = 16'hA50A;
defparam \quick|count[22]~77 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N13
dffeas \quick|count[22] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[22]~77_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [22]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[22] .is_wysiwyg = "true";
defparam \quick|count[22] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N14
cycloneive_lcell_comb \quick|count[23]~79 (
// Equation(s):
// \quick|count[23]~79_combout  = (\quick|count [23] & (!\quick|count[22]~78 )) # (!\quick|count [23] & ((\quick|count[22]~78 ) # (GND)))
// \quick|count[23]~80  = CARRY((!\quick|count[22]~78 ) # (!\quick|count [23]))

	.dataa(gnd),
	.datab(\quick|count [23]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[22]~78 ),
	.combout(\quick|count[23]~79_combout ),
	.cout(\quick|count[23]~80 ));
// synopsys translate_off
defparam \quick|count[23]~79 .lut_mask = 16'h3C3F;
defparam \quick|count[23]~79 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N15
dffeas \quick|count[23] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[23]~79_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [23]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[23] .is_wysiwyg = "true";
defparam \quick|count[23] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N16
cycloneive_lcell_comb \quick|count[24]~81 (
// Equation(s):
// \quick|count[24]~81_combout  = (\quick|count [24] & (\quick|count[23]~80  $ (GND))) # (!\quick|count [24] & (!\quick|count[23]~80  & VCC))
// \quick|count[24]~82  = CARRY((\quick|count [24] & !\quick|count[23]~80 ))

	.dataa(gnd),
	.datab(\quick|count [24]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[23]~80 ),
	.combout(\quick|count[24]~81_combout ),
	.cout(\quick|count[24]~82 ));
// synopsys translate_off
defparam \quick|count[24]~81 .lut_mask = 16'hC30C;
defparam \quick|count[24]~81 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N17
dffeas \quick|count[24] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[24]~81_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [24]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[24] .is_wysiwyg = "true";
defparam \quick|count[24] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N18
cycloneive_lcell_comb \quick|count[25]~83 (
// Equation(s):
// \quick|count[25]~83_combout  = (\quick|count [25] & (!\quick|count[24]~82 )) # (!\quick|count [25] & ((\quick|count[24]~82 ) # (GND)))
// \quick|count[25]~84  = CARRY((!\quick|count[24]~82 ) # (!\quick|count [25]))

	.dataa(gnd),
	.datab(\quick|count [25]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[24]~82 ),
	.combout(\quick|count[25]~83_combout ),
	.cout(\quick|count[25]~84 ));
// synopsys translate_off
defparam \quick|count[25]~83 .lut_mask = 16'h3C3F;
defparam \quick|count[25]~83 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N19
dffeas \quick|count[25] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[25]~83_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [25]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[25] .is_wysiwyg = "true";
defparam \quick|count[25] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N20
cycloneive_lcell_comb \quick|count[26]~85 (
// Equation(s):
// \quick|count[26]~85_combout  = (\quick|count [26] & (\quick|count[25]~84  $ (GND))) # (!\quick|count [26] & (!\quick|count[25]~84  & VCC))
// \quick|count[26]~86  = CARRY((\quick|count [26] & !\quick|count[25]~84 ))

	.dataa(gnd),
	.datab(\quick|count [26]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[25]~84 ),
	.combout(\quick|count[26]~85_combout ),
	.cout(\quick|count[26]~86 ));
// synopsys translate_off
defparam \quick|count[26]~85 .lut_mask = 16'hC30C;
defparam \quick|count[26]~85 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N21
dffeas \quick|count[26] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[26]~85_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [26]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[26] .is_wysiwyg = "true";
defparam \quick|count[26] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N22
cycloneive_lcell_comb \quick|count[27]~87 (
// Equation(s):
// \quick|count[27]~87_combout  = (\quick|count [27] & (!\quick|count[26]~86 )) # (!\quick|count [27] & ((\quick|count[26]~86 ) # (GND)))
// \quick|count[27]~88  = CARRY((!\quick|count[26]~86 ) # (!\quick|count [27]))

	.dataa(\quick|count [27]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[26]~86 ),
	.combout(\quick|count[27]~87_combout ),
	.cout(\quick|count[27]~88 ));
// synopsys translate_off
defparam \quick|count[27]~87 .lut_mask = 16'h5A5F;
defparam \quick|count[27]~87 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N23
dffeas \quick|count[27] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[27]~87_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [27]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[27] .is_wysiwyg = "true";
defparam \quick|count[27] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N24
cycloneive_lcell_comb \quick|count[28]~89 (
// Equation(s):
// \quick|count[28]~89_combout  = (\quick|count [28] & (\quick|count[27]~88  $ (GND))) # (!\quick|count [28] & (!\quick|count[27]~88  & VCC))
// \quick|count[28]~90  = CARRY((\quick|count [28] & !\quick|count[27]~88 ))

	.dataa(gnd),
	.datab(\quick|count [28]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[27]~88 ),
	.combout(\quick|count[28]~89_combout ),
	.cout(\quick|count[28]~90 ));
// synopsys translate_off
defparam \quick|count[28]~89 .lut_mask = 16'hC30C;
defparam \quick|count[28]~89 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N25
dffeas \quick|count[28] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[28]~89_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [28]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[28] .is_wysiwyg = "true";
defparam \quick|count[28] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N26
cycloneive_lcell_comb \quick|count[29]~91 (
// Equation(s):
// \quick|count[29]~91_combout  = (\quick|count [29] & (!\quick|count[28]~90 )) # (!\quick|count [29] & ((\quick|count[28]~90 ) # (GND)))
// \quick|count[29]~92  = CARRY((!\quick|count[28]~90 ) # (!\quick|count [29]))

	.dataa(\quick|count [29]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[28]~90 ),
	.combout(\quick|count[29]~91_combout ),
	.cout(\quick|count[29]~92 ));
// synopsys translate_off
defparam \quick|count[29]~91 .lut_mask = 16'h5A5F;
defparam \quick|count[29]~91 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N27
dffeas \quick|count[29] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[29]~91_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [29]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[29] .is_wysiwyg = "true";
defparam \quick|count[29] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N28
cycloneive_lcell_comb \quick|count[30]~93 (
// Equation(s):
// \quick|count[30]~93_combout  = (\quick|count [30] & (\quick|count[29]~92  $ (GND))) # (!\quick|count [30] & (!\quick|count[29]~92  & VCC))
// \quick|count[30]~94  = CARRY((\quick|count [30] & !\quick|count[29]~92 ))

	.dataa(gnd),
	.datab(\quick|count [30]),
	.datac(gnd),
	.datad(vcc),
	.cin(\quick|count[29]~92 ),
	.combout(\quick|count[30]~93_combout ),
	.cout(\quick|count[30]~94 ));
// synopsys translate_off
defparam \quick|count[30]~93 .lut_mask = 16'hC30C;
defparam \quick|count[30]~93 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N29
dffeas \quick|count[30] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[30]~93_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [30]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[30] .is_wysiwyg = "true";
defparam \quick|count[30] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y31_N30
cycloneive_lcell_comb \quick|count[31]~95 (
// Equation(s):
// \quick|count[31]~95_combout  = \quick|count [31] $ (\quick|count[30]~94 )

	.dataa(\quick|count [31]),
	.datab(gnd),
	.datac(gnd),
	.datad(gnd),
	.cin(\quick|count[30]~94 ),
	.combout(\quick|count[31]~95_combout ),
	.cout());
// synopsys translate_off
defparam \quick|count[31]~95 .lut_mask = 16'h5A5A;
defparam \quick|count[31]~95 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y31_N31
dffeas \quick|count[31] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\quick|count[31]~95_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\quick|count[23]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|count [31]),
	.prn(vcc));
// synopsys translate_off
defparam \quick|count[31] .is_wysiwyg = "true";
defparam \quick|count[31] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N6
cycloneive_lcell_comb \quick|Equal0~9 (
// Equation(s):
// \quick|Equal0~9_combout  = (\quick|count [31]) # ((\quick|count [30]) # ((\quick|count [29]) # (\quick|count [28])))

	.dataa(\quick|count [31]),
	.datab(\quick|count [30]),
	.datac(\quick|count [29]),
	.datad(\quick|count [28]),
	.cin(gnd),
	.combout(\quick|Equal0~9_combout ),
	.cout());
// synopsys translate_off
defparam \quick|Equal0~9 .lut_mask = 16'hFFFE;
defparam \quick|Equal0~9 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N24
cycloneive_lcell_comb \quick|Equal0~8 (
// Equation(s):
// \quick|Equal0~8_combout  = (\quick|count [27]) # ((\quick|count [24]) # ((\quick|count [25]) # (\quick|count [26])))

	.dataa(\quick|count [27]),
	.datab(\quick|count [24]),
	.datac(\quick|count [25]),
	.datad(\quick|count [26]),
	.cin(gnd),
	.combout(\quick|Equal0~8_combout ),
	.cout());
// synopsys translate_off
defparam \quick|Equal0~8 .lut_mask = 16'hFFFE;
defparam \quick|Equal0~8 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N10
cycloneive_lcell_comb \quick|Equal0~1 (
// Equation(s):
// \quick|Equal0~1_combout  = (\quick|count [4]) # ((\quick|count [7]) # ((\quick|count [5]) # (\quick|count [6])))

	.dataa(\quick|count [4]),
	.datab(\quick|count [7]),
	.datac(\quick|count [5]),
	.datad(\quick|count [6]),
	.cin(gnd),
	.combout(\quick|Equal0~1_combout ),
	.cout());
// synopsys translate_off
defparam \quick|Equal0~1 .lut_mask = 16'hFFFE;
defparam \quick|Equal0~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N2
cycloneive_lcell_comb \quick|Equal0~0 (
// Equation(s):
// \quick|Equal0~0_combout  = (\quick|count [0]) # ((\quick|count [2]) # ((\quick|count [1]) # (\quick|count [3])))

	.dataa(\quick|count [0]),
	.datab(\quick|count [2]),
	.datac(\quick|count [1]),
	.datad(\quick|count [3]),
	.cin(gnd),
	.combout(\quick|Equal0~0_combout ),
	.cout());
// synopsys translate_off
defparam \quick|Equal0~0 .lut_mask = 16'hFFFE;
defparam \quick|Equal0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N22
cycloneive_lcell_comb \quick|Equal0~2 (
// Equation(s):
// \quick|Equal0~2_combout  = (\quick|count [8]) # ((\quick|count [10]) # ((\quick|count [11]) # (\quick|count [9])))

	.dataa(\quick|count [8]),
	.datab(\quick|count [10]),
	.datac(\quick|count [11]),
	.datad(\quick|count [9]),
	.cin(gnd),
	.combout(\quick|Equal0~2_combout ),
	.cout());
// synopsys translate_off
defparam \quick|Equal0~2 .lut_mask = 16'hFFFE;
defparam \quick|Equal0~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N18
cycloneive_lcell_comb \quick|Equal0~3 (
// Equation(s):
// \quick|Equal0~3_combout  = (\quick|count [13]) # ((\quick|count [14]) # ((\quick|count [12]) # (\quick|count [15])))

	.dataa(\quick|count [13]),
	.datab(\quick|count [14]),
	.datac(\quick|count [12]),
	.datad(\quick|count [15]),
	.cin(gnd),
	.combout(\quick|Equal0~3_combout ),
	.cout());
// synopsys translate_off
defparam \quick|Equal0~3 .lut_mask = 16'hFFFE;
defparam \quick|Equal0~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N8
cycloneive_lcell_comb \quick|Equal0~4 (
// Equation(s):
// \quick|Equal0~4_combout  = (\quick|Equal0~1_combout ) # ((\quick|Equal0~0_combout ) # ((\quick|Equal0~2_combout ) # (\quick|Equal0~3_combout )))

	.dataa(\quick|Equal0~1_combout ),
	.datab(\quick|Equal0~0_combout ),
	.datac(\quick|Equal0~2_combout ),
	.datad(\quick|Equal0~3_combout ),
	.cin(gnd),
	.combout(\quick|Equal0~4_combout ),
	.cout());
// synopsys translate_off
defparam \quick|Equal0~4 .lut_mask = 16'hFFFE;
defparam \quick|Equal0~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N14
cycloneive_lcell_comb \quick|Equal0~5 (
// Equation(s):
// \quick|Equal0~5_combout  = (\quick|count [16]) # (!\quick|count [17])

	.dataa(gnd),
	.datab(gnd),
	.datac(\quick|count [16]),
	.datad(\quick|count [17]),
	.cin(gnd),
	.combout(\quick|Equal0~5_combout ),
	.cout());
// synopsys translate_off
defparam \quick|Equal0~5 .lut_mask = 16'hF0FF;
defparam \quick|Equal0~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N28
cycloneive_lcell_comb \quick|Equal0~6 (
// Equation(s):
// \quick|Equal0~6_combout  = (((!\quick|count [21]) # (!\quick|count [20])) # (!\quick|count [22])) # (!\quick|count [23])

	.dataa(\quick|count [23]),
	.datab(\quick|count [22]),
	.datac(\quick|count [20]),
	.datad(\quick|count [21]),
	.cin(gnd),
	.combout(\quick|Equal0~6_combout ),
	.cout());
// synopsys translate_off
defparam \quick|Equal0~6 .lut_mask = 16'h7FFF;
defparam \quick|Equal0~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N12
cycloneive_lcell_comb \quick|Equal0~7 (
// Equation(s):
// \quick|Equal0~7_combout  = ((\quick|count [18]) # ((\quick|Equal0~5_combout ) # (\quick|Equal0~6_combout ))) # (!\quick|count [19])

	.dataa(\quick|count [19]),
	.datab(\quick|count [18]),
	.datac(\quick|Equal0~5_combout ),
	.datad(\quick|Equal0~6_combout ),
	.cin(gnd),
	.combout(\quick|Equal0~7_combout ),
	.cout());
// synopsys translate_off
defparam \quick|Equal0~7 .lut_mask = 16'hFFFD;
defparam \quick|Equal0~7 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N16
cycloneive_lcell_comb \quick|Equal0~10 (
// Equation(s):
// \quick|Equal0~10_combout  = (\quick|Equal0~9_combout ) # ((\quick|Equal0~8_combout ) # ((\quick|Equal0~4_combout ) # (\quick|Equal0~7_combout )))

	.dataa(\quick|Equal0~9_combout ),
	.datab(\quick|Equal0~8_combout ),
	.datac(\quick|Equal0~4_combout ),
	.datad(\quick|Equal0~7_combout ),
	.cin(gnd),
	.combout(\quick|Equal0~10_combout ),
	.cout());
// synopsys translate_off
defparam \quick|Equal0~10 .lut_mask = 16'hFFFE;
defparam \quick|Equal0~10 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y32_N26
cycloneive_lcell_comb \quick|div_clk~0 (
// Equation(s):
// \quick|div_clk~0_combout  = \quick|div_clk~q  $ (!\quick|Equal0~10_combout )

	.dataa(gnd),
	.datab(gnd),
	.datac(\quick|div_clk~q ),
	.datad(\quick|Equal0~10_combout ),
	.cin(gnd),
	.combout(\quick|div_clk~0_combout ),
	.cout());
// synopsys translate_off
defparam \quick|div_clk~0 .lut_mask = 16'hF00F;
defparam \quick|div_clk~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X63_Y32_N27
dffeas \quick|div_clk (
	.clk(\clk~input_o ),
	.d(\quick|div_clk~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(!\rst~input_o ),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\quick|div_clk~q ),
	.prn(vcc));
// synopsys translate_off
defparam \quick|div_clk .is_wysiwyg = "true";
defparam \quick|div_clk .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N0
cycloneive_lcell_comb \slow|count[0]~32 (
// Equation(s):
// \slow|count[0]~32_combout  = \slow|count [0] $ (VCC)
// \slow|count[0]~33  = CARRY(\slow|count [0])

	.dataa(gnd),
	.datab(\slow|count [0]),
	.datac(gnd),
	.datad(vcc),
	.cin(gnd),
	.combout(\slow|count[0]~32_combout ),
	.cout(\slow|count[0]~33 ));
// synopsys translate_off
defparam \slow|count[0]~32 .lut_mask = 16'h33CC;
defparam \slow|count[0]~32 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N0
cycloneive_lcell_comb \slow|count[12]~34 (
// Equation(s):
// \slow|count[12]~34_combout  = (!\slow|Equal0~10_combout ) # (!\rst~input_o )

	.dataa(gnd),
	.datab(gnd),
	.datac(\rst~input_o ),
	.datad(\slow|Equal0~10_combout ),
	.cin(gnd),
	.combout(\slow|count[12]~34_combout ),
	.cout());
// synopsys translate_off
defparam \slow|count[12]~34 .lut_mask = 16'h0FFF;
defparam \slow|count[12]~34 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X62_Y22_N1
dffeas \slow|count[0] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[0]~32_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [0]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[0] .is_wysiwyg = "true";
defparam \slow|count[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N2
cycloneive_lcell_comb \slow|count[1]~35 (
// Equation(s):
// \slow|count[1]~35_combout  = (\slow|count [1] & (!\slow|count[0]~33 )) # (!\slow|count [1] & ((\slow|count[0]~33 ) # (GND)))
// \slow|count[1]~36  = CARRY((!\slow|count[0]~33 ) # (!\slow|count [1]))

	.dataa(gnd),
	.datab(\slow|count [1]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[0]~33 ),
	.combout(\slow|count[1]~35_combout ),
	.cout(\slow|count[1]~36 ));
// synopsys translate_off
defparam \slow|count[1]~35 .lut_mask = 16'h3C3F;
defparam \slow|count[1]~35 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N3
dffeas \slow|count[1] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[1]~35_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [1]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[1] .is_wysiwyg = "true";
defparam \slow|count[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N4
cycloneive_lcell_comb \slow|count[2]~37 (
// Equation(s):
// \slow|count[2]~37_combout  = (\slow|count [2] & (\slow|count[1]~36  $ (GND))) # (!\slow|count [2] & (!\slow|count[1]~36  & VCC))
// \slow|count[2]~38  = CARRY((\slow|count [2] & !\slow|count[1]~36 ))

	.dataa(gnd),
	.datab(\slow|count [2]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[1]~36 ),
	.combout(\slow|count[2]~37_combout ),
	.cout(\slow|count[2]~38 ));
// synopsys translate_off
defparam \slow|count[2]~37 .lut_mask = 16'hC30C;
defparam \slow|count[2]~37 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N5
dffeas \slow|count[2] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[2]~37_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [2]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[2] .is_wysiwyg = "true";
defparam \slow|count[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N6
cycloneive_lcell_comb \slow|count[3]~39 (
// Equation(s):
// \slow|count[3]~39_combout  = (\slow|count [3] & (!\slow|count[2]~38 )) # (!\slow|count [3] & ((\slow|count[2]~38 ) # (GND)))
// \slow|count[3]~40  = CARRY((!\slow|count[2]~38 ) # (!\slow|count [3]))

	.dataa(\slow|count [3]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[2]~38 ),
	.combout(\slow|count[3]~39_combout ),
	.cout(\slow|count[3]~40 ));
// synopsys translate_off
defparam \slow|count[3]~39 .lut_mask = 16'h5A5F;
defparam \slow|count[3]~39 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N7
dffeas \slow|count[3] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[3]~39_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [3]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[3] .is_wysiwyg = "true";
defparam \slow|count[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N8
cycloneive_lcell_comb \slow|count[4]~41 (
// Equation(s):
// \slow|count[4]~41_combout  = (\slow|count [4] & (\slow|count[3]~40  $ (GND))) # (!\slow|count [4] & (!\slow|count[3]~40  & VCC))
// \slow|count[4]~42  = CARRY((\slow|count [4] & !\slow|count[3]~40 ))

	.dataa(gnd),
	.datab(\slow|count [4]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[3]~40 ),
	.combout(\slow|count[4]~41_combout ),
	.cout(\slow|count[4]~42 ));
// synopsys translate_off
defparam \slow|count[4]~41 .lut_mask = 16'hC30C;
defparam \slow|count[4]~41 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N9
dffeas \slow|count[4] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[4]~41_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [4]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[4] .is_wysiwyg = "true";
defparam \slow|count[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N10
cycloneive_lcell_comb \slow|count[5]~43 (
// Equation(s):
// \slow|count[5]~43_combout  = (\slow|count [5] & (!\slow|count[4]~42 )) # (!\slow|count [5] & ((\slow|count[4]~42 ) # (GND)))
// \slow|count[5]~44  = CARRY((!\slow|count[4]~42 ) # (!\slow|count [5]))

	.dataa(\slow|count [5]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[4]~42 ),
	.combout(\slow|count[5]~43_combout ),
	.cout(\slow|count[5]~44 ));
// synopsys translate_off
defparam \slow|count[5]~43 .lut_mask = 16'h5A5F;
defparam \slow|count[5]~43 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N11
dffeas \slow|count[5] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[5]~43_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [5]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[5] .is_wysiwyg = "true";
defparam \slow|count[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N12
cycloneive_lcell_comb \slow|count[6]~45 (
// Equation(s):
// \slow|count[6]~45_combout  = (\slow|count [6] & (\slow|count[5]~44  $ (GND))) # (!\slow|count [6] & (!\slow|count[5]~44  & VCC))
// \slow|count[6]~46  = CARRY((\slow|count [6] & !\slow|count[5]~44 ))

	.dataa(\slow|count [6]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[5]~44 ),
	.combout(\slow|count[6]~45_combout ),
	.cout(\slow|count[6]~46 ));
// synopsys translate_off
defparam \slow|count[6]~45 .lut_mask = 16'hA50A;
defparam \slow|count[6]~45 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N13
dffeas \slow|count[6] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[6]~45_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [6]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[6] .is_wysiwyg = "true";
defparam \slow|count[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N14
cycloneive_lcell_comb \slow|count[7]~47 (
// Equation(s):
// \slow|count[7]~47_combout  = (\slow|count [7] & (!\slow|count[6]~46 )) # (!\slow|count [7] & ((\slow|count[6]~46 ) # (GND)))
// \slow|count[7]~48  = CARRY((!\slow|count[6]~46 ) # (!\slow|count [7]))

	.dataa(gnd),
	.datab(\slow|count [7]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[6]~46 ),
	.combout(\slow|count[7]~47_combout ),
	.cout(\slow|count[7]~48 ));
// synopsys translate_off
defparam \slow|count[7]~47 .lut_mask = 16'h3C3F;
defparam \slow|count[7]~47 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N15
dffeas \slow|count[7] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[7]~47_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [7]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[7] .is_wysiwyg = "true";
defparam \slow|count[7] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N16
cycloneive_lcell_comb \slow|count[8]~49 (
// Equation(s):
// \slow|count[8]~49_combout  = (\slow|count [8] & (\slow|count[7]~48  $ (GND))) # (!\slow|count [8] & (!\slow|count[7]~48  & VCC))
// \slow|count[8]~50  = CARRY((\slow|count [8] & !\slow|count[7]~48 ))

	.dataa(gnd),
	.datab(\slow|count [8]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[7]~48 ),
	.combout(\slow|count[8]~49_combout ),
	.cout(\slow|count[8]~50 ));
// synopsys translate_off
defparam \slow|count[8]~49 .lut_mask = 16'hC30C;
defparam \slow|count[8]~49 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N17
dffeas \slow|count[8] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[8]~49_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [8]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[8] .is_wysiwyg = "true";
defparam \slow|count[8] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N18
cycloneive_lcell_comb \slow|count[9]~51 (
// Equation(s):
// \slow|count[9]~51_combout  = (\slow|count [9] & (!\slow|count[8]~50 )) # (!\slow|count [9] & ((\slow|count[8]~50 ) # (GND)))
// \slow|count[9]~52  = CARRY((!\slow|count[8]~50 ) # (!\slow|count [9]))

	.dataa(gnd),
	.datab(\slow|count [9]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[8]~50 ),
	.combout(\slow|count[9]~51_combout ),
	.cout(\slow|count[9]~52 ));
// synopsys translate_off
defparam \slow|count[9]~51 .lut_mask = 16'h3C3F;
defparam \slow|count[9]~51 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N19
dffeas \slow|count[9] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[9]~51_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [9]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[9] .is_wysiwyg = "true";
defparam \slow|count[9] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N20
cycloneive_lcell_comb \slow|count[10]~53 (
// Equation(s):
// \slow|count[10]~53_combout  = (\slow|count [10] & (\slow|count[9]~52  $ (GND))) # (!\slow|count [10] & (!\slow|count[9]~52  & VCC))
// \slow|count[10]~54  = CARRY((\slow|count [10] & !\slow|count[9]~52 ))

	.dataa(gnd),
	.datab(\slow|count [10]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[9]~52 ),
	.combout(\slow|count[10]~53_combout ),
	.cout(\slow|count[10]~54 ));
// synopsys translate_off
defparam \slow|count[10]~53 .lut_mask = 16'hC30C;
defparam \slow|count[10]~53 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N21
dffeas \slow|count[10] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[10]~53_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [10]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[10] .is_wysiwyg = "true";
defparam \slow|count[10] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N22
cycloneive_lcell_comb \slow|count[11]~55 (
// Equation(s):
// \slow|count[11]~55_combout  = (\slow|count [11] & (!\slow|count[10]~54 )) # (!\slow|count [11] & ((\slow|count[10]~54 ) # (GND)))
// \slow|count[11]~56  = CARRY((!\slow|count[10]~54 ) # (!\slow|count [11]))

	.dataa(\slow|count [11]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[10]~54 ),
	.combout(\slow|count[11]~55_combout ),
	.cout(\slow|count[11]~56 ));
// synopsys translate_off
defparam \slow|count[11]~55 .lut_mask = 16'h5A5F;
defparam \slow|count[11]~55 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N23
dffeas \slow|count[11] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[11]~55_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [11]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[11] .is_wysiwyg = "true";
defparam \slow|count[11] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N24
cycloneive_lcell_comb \slow|count[12]~57 (
// Equation(s):
// \slow|count[12]~57_combout  = (\slow|count [12] & (\slow|count[11]~56  $ (GND))) # (!\slow|count [12] & (!\slow|count[11]~56  & VCC))
// \slow|count[12]~58  = CARRY((\slow|count [12] & !\slow|count[11]~56 ))

	.dataa(gnd),
	.datab(\slow|count [12]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[11]~56 ),
	.combout(\slow|count[12]~57_combout ),
	.cout(\slow|count[12]~58 ));
// synopsys translate_off
defparam \slow|count[12]~57 .lut_mask = 16'hC30C;
defparam \slow|count[12]~57 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N25
dffeas \slow|count[12] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[12]~57_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [12]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[12] .is_wysiwyg = "true";
defparam \slow|count[12] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N26
cycloneive_lcell_comb \slow|count[13]~59 (
// Equation(s):
// \slow|count[13]~59_combout  = (\slow|count [13] & (!\slow|count[12]~58 )) # (!\slow|count [13] & ((\slow|count[12]~58 ) # (GND)))
// \slow|count[13]~60  = CARRY((!\slow|count[12]~58 ) # (!\slow|count [13]))

	.dataa(\slow|count [13]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[12]~58 ),
	.combout(\slow|count[13]~59_combout ),
	.cout(\slow|count[13]~60 ));
// synopsys translate_off
defparam \slow|count[13]~59 .lut_mask = 16'h5A5F;
defparam \slow|count[13]~59 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N27
dffeas \slow|count[13] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[13]~59_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [13]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[13] .is_wysiwyg = "true";
defparam \slow|count[13] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N28
cycloneive_lcell_comb \slow|count[14]~61 (
// Equation(s):
// \slow|count[14]~61_combout  = (\slow|count [14] & (\slow|count[13]~60  $ (GND))) # (!\slow|count [14] & (!\slow|count[13]~60  & VCC))
// \slow|count[14]~62  = CARRY((\slow|count [14] & !\slow|count[13]~60 ))

	.dataa(gnd),
	.datab(\slow|count [14]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[13]~60 ),
	.combout(\slow|count[14]~61_combout ),
	.cout(\slow|count[14]~62 ));
// synopsys translate_off
defparam \slow|count[14]~61 .lut_mask = 16'hC30C;
defparam \slow|count[14]~61 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N29
dffeas \slow|count[14] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[14]~61_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [14]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[14] .is_wysiwyg = "true";
defparam \slow|count[14] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y22_N30
cycloneive_lcell_comb \slow|count[15]~63 (
// Equation(s):
// \slow|count[15]~63_combout  = (\slow|count [15] & (!\slow|count[14]~62 )) # (!\slow|count [15] & ((\slow|count[14]~62 ) # (GND)))
// \slow|count[15]~64  = CARRY((!\slow|count[14]~62 ) # (!\slow|count [15]))

	.dataa(\slow|count [15]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[14]~62 ),
	.combout(\slow|count[15]~63_combout ),
	.cout(\slow|count[15]~64 ));
// synopsys translate_off
defparam \slow|count[15]~63 .lut_mask = 16'h5A5F;
defparam \slow|count[15]~63 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y22_N31
dffeas \slow|count[15] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[15]~63_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [15]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[15] .is_wysiwyg = "true";
defparam \slow|count[15] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N0
cycloneive_lcell_comb \slow|count[16]~65 (
// Equation(s):
// \slow|count[16]~65_combout  = (\slow|count [16] & (\slow|count[15]~64  $ (GND))) # (!\slow|count [16] & (!\slow|count[15]~64  & VCC))
// \slow|count[16]~66  = CARRY((\slow|count [16] & !\slow|count[15]~64 ))

	.dataa(gnd),
	.datab(\slow|count [16]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[15]~64 ),
	.combout(\slow|count[16]~65_combout ),
	.cout(\slow|count[16]~66 ));
// synopsys translate_off
defparam \slow|count[16]~65 .lut_mask = 16'hC30C;
defparam \slow|count[16]~65 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N1
dffeas \slow|count[16] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[16]~65_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [16]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[16] .is_wysiwyg = "true";
defparam \slow|count[16] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N2
cycloneive_lcell_comb \slow|count[17]~67 (
// Equation(s):
// \slow|count[17]~67_combout  = (\slow|count [17] & (!\slow|count[16]~66 )) # (!\slow|count [17] & ((\slow|count[16]~66 ) # (GND)))
// \slow|count[17]~68  = CARRY((!\slow|count[16]~66 ) # (!\slow|count [17]))

	.dataa(gnd),
	.datab(\slow|count [17]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[16]~66 ),
	.combout(\slow|count[17]~67_combout ),
	.cout(\slow|count[17]~68 ));
// synopsys translate_off
defparam \slow|count[17]~67 .lut_mask = 16'h3C3F;
defparam \slow|count[17]~67 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N3
dffeas \slow|count[17] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[17]~67_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [17]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[17] .is_wysiwyg = "true";
defparam \slow|count[17] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N4
cycloneive_lcell_comb \slow|count[18]~69 (
// Equation(s):
// \slow|count[18]~69_combout  = (\slow|count [18] & (\slow|count[17]~68  $ (GND))) # (!\slow|count [18] & (!\slow|count[17]~68  & VCC))
// \slow|count[18]~70  = CARRY((\slow|count [18] & !\slow|count[17]~68 ))

	.dataa(gnd),
	.datab(\slow|count [18]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[17]~68 ),
	.combout(\slow|count[18]~69_combout ),
	.cout(\slow|count[18]~70 ));
// synopsys translate_off
defparam \slow|count[18]~69 .lut_mask = 16'hC30C;
defparam \slow|count[18]~69 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N5
dffeas \slow|count[18] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[18]~69_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [18]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[18] .is_wysiwyg = "true";
defparam \slow|count[18] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N6
cycloneive_lcell_comb \slow|count[19]~71 (
// Equation(s):
// \slow|count[19]~71_combout  = (\slow|count [19] & (!\slow|count[18]~70 )) # (!\slow|count [19] & ((\slow|count[18]~70 ) # (GND)))
// \slow|count[19]~72  = CARRY((!\slow|count[18]~70 ) # (!\slow|count [19]))

	.dataa(\slow|count [19]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[18]~70 ),
	.combout(\slow|count[19]~71_combout ),
	.cout(\slow|count[19]~72 ));
// synopsys translate_off
defparam \slow|count[19]~71 .lut_mask = 16'h5A5F;
defparam \slow|count[19]~71 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N7
dffeas \slow|count[19] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[19]~71_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [19]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[19] .is_wysiwyg = "true";
defparam \slow|count[19] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N8
cycloneive_lcell_comb \slow|count[20]~73 (
// Equation(s):
// \slow|count[20]~73_combout  = (\slow|count [20] & (\slow|count[19]~72  $ (GND))) # (!\slow|count [20] & (!\slow|count[19]~72  & VCC))
// \slow|count[20]~74  = CARRY((\slow|count [20] & !\slow|count[19]~72 ))

	.dataa(gnd),
	.datab(\slow|count [20]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[19]~72 ),
	.combout(\slow|count[20]~73_combout ),
	.cout(\slow|count[20]~74 ));
// synopsys translate_off
defparam \slow|count[20]~73 .lut_mask = 16'hC30C;
defparam \slow|count[20]~73 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N9
dffeas \slow|count[20] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[20]~73_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [20]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[20] .is_wysiwyg = "true";
defparam \slow|count[20] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N10
cycloneive_lcell_comb \slow|count[21]~75 (
// Equation(s):
// \slow|count[21]~75_combout  = (\slow|count [21] & (!\slow|count[20]~74 )) # (!\slow|count [21] & ((\slow|count[20]~74 ) # (GND)))
// \slow|count[21]~76  = CARRY((!\slow|count[20]~74 ) # (!\slow|count [21]))

	.dataa(\slow|count [21]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[20]~74 ),
	.combout(\slow|count[21]~75_combout ),
	.cout(\slow|count[21]~76 ));
// synopsys translate_off
defparam \slow|count[21]~75 .lut_mask = 16'h5A5F;
defparam \slow|count[21]~75 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N11
dffeas \slow|count[21] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[21]~75_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [21]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[21] .is_wysiwyg = "true";
defparam \slow|count[21] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N12
cycloneive_lcell_comb \slow|count[22]~77 (
// Equation(s):
// \slow|count[22]~77_combout  = (\slow|count [22] & (\slow|count[21]~76  $ (GND))) # (!\slow|count [22] & (!\slow|count[21]~76  & VCC))
// \slow|count[22]~78  = CARRY((\slow|count [22] & !\slow|count[21]~76 ))

	.dataa(\slow|count [22]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[21]~76 ),
	.combout(\slow|count[22]~77_combout ),
	.cout(\slow|count[22]~78 ));
// synopsys translate_off
defparam \slow|count[22]~77 .lut_mask = 16'hA50A;
defparam \slow|count[22]~77 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N13
dffeas \slow|count[22] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[22]~77_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [22]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[22] .is_wysiwyg = "true";
defparam \slow|count[22] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N14
cycloneive_lcell_comb \slow|count[23]~79 (
// Equation(s):
// \slow|count[23]~79_combout  = (\slow|count [23] & (!\slow|count[22]~78 )) # (!\slow|count [23] & ((\slow|count[22]~78 ) # (GND)))
// \slow|count[23]~80  = CARRY((!\slow|count[22]~78 ) # (!\slow|count [23]))

	.dataa(gnd),
	.datab(\slow|count [23]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[22]~78 ),
	.combout(\slow|count[23]~79_combout ),
	.cout(\slow|count[23]~80 ));
// synopsys translate_off
defparam \slow|count[23]~79 .lut_mask = 16'h3C3F;
defparam \slow|count[23]~79 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N15
dffeas \slow|count[23] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[23]~79_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [23]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[23] .is_wysiwyg = "true";
defparam \slow|count[23] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N16
cycloneive_lcell_comb \slow|count[24]~81 (
// Equation(s):
// \slow|count[24]~81_combout  = (\slow|count [24] & (\slow|count[23]~80  $ (GND))) # (!\slow|count [24] & (!\slow|count[23]~80  & VCC))
// \slow|count[24]~82  = CARRY((\slow|count [24] & !\slow|count[23]~80 ))

	.dataa(gnd),
	.datab(\slow|count [24]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[23]~80 ),
	.combout(\slow|count[24]~81_combout ),
	.cout(\slow|count[24]~82 ));
// synopsys translate_off
defparam \slow|count[24]~81 .lut_mask = 16'hC30C;
defparam \slow|count[24]~81 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N17
dffeas \slow|count[24] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[24]~81_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [24]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[24] .is_wysiwyg = "true";
defparam \slow|count[24] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N18
cycloneive_lcell_comb \slow|count[25]~83 (
// Equation(s):
// \slow|count[25]~83_combout  = (\slow|count [25] & (!\slow|count[24]~82 )) # (!\slow|count [25] & ((\slow|count[24]~82 ) # (GND)))
// \slow|count[25]~84  = CARRY((!\slow|count[24]~82 ) # (!\slow|count [25]))

	.dataa(gnd),
	.datab(\slow|count [25]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[24]~82 ),
	.combout(\slow|count[25]~83_combout ),
	.cout(\slow|count[25]~84 ));
// synopsys translate_off
defparam \slow|count[25]~83 .lut_mask = 16'h3C3F;
defparam \slow|count[25]~83 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N19
dffeas \slow|count[25] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[25]~83_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [25]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[25] .is_wysiwyg = "true";
defparam \slow|count[25] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N20
cycloneive_lcell_comb \slow|count[26]~85 (
// Equation(s):
// \slow|count[26]~85_combout  = (\slow|count [26] & (\slow|count[25]~84  $ (GND))) # (!\slow|count [26] & (!\slow|count[25]~84  & VCC))
// \slow|count[26]~86  = CARRY((\slow|count [26] & !\slow|count[25]~84 ))

	.dataa(gnd),
	.datab(\slow|count [26]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[25]~84 ),
	.combout(\slow|count[26]~85_combout ),
	.cout(\slow|count[26]~86 ));
// synopsys translate_off
defparam \slow|count[26]~85 .lut_mask = 16'hC30C;
defparam \slow|count[26]~85 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N21
dffeas \slow|count[26] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[26]~85_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [26]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[26] .is_wysiwyg = "true";
defparam \slow|count[26] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N22
cycloneive_lcell_comb \slow|count[27]~87 (
// Equation(s):
// \slow|count[27]~87_combout  = (\slow|count [27] & (!\slow|count[26]~86 )) # (!\slow|count [27] & ((\slow|count[26]~86 ) # (GND)))
// \slow|count[27]~88  = CARRY((!\slow|count[26]~86 ) # (!\slow|count [27]))

	.dataa(\slow|count [27]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[26]~86 ),
	.combout(\slow|count[27]~87_combout ),
	.cout(\slow|count[27]~88 ));
// synopsys translate_off
defparam \slow|count[27]~87 .lut_mask = 16'h5A5F;
defparam \slow|count[27]~87 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N23
dffeas \slow|count[27] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[27]~87_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [27]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[27] .is_wysiwyg = "true";
defparam \slow|count[27] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N22
cycloneive_lcell_comb \slow|Equal0~8 (
// Equation(s):
// \slow|Equal0~8_combout  = ((\slow|count [24]) # ((\slow|count [27]) # (\slow|count [26]))) # (!\slow|count [25])

	.dataa(\slow|count [25]),
	.datab(\slow|count [24]),
	.datac(\slow|count [27]),
	.datad(\slow|count [26]),
	.cin(gnd),
	.combout(\slow|Equal0~8_combout ),
	.cout());
// synopsys translate_off
defparam \slow|Equal0~8 .lut_mask = 16'hFFFD;
defparam \slow|Equal0~8 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N24
cycloneive_lcell_comb \slow|count[28]~89 (
// Equation(s):
// \slow|count[28]~89_combout  = (\slow|count [28] & (\slow|count[27]~88  $ (GND))) # (!\slow|count [28] & (!\slow|count[27]~88  & VCC))
// \slow|count[28]~90  = CARRY((\slow|count [28] & !\slow|count[27]~88 ))

	.dataa(gnd),
	.datab(\slow|count [28]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[27]~88 ),
	.combout(\slow|count[28]~89_combout ),
	.cout(\slow|count[28]~90 ));
// synopsys translate_off
defparam \slow|count[28]~89 .lut_mask = 16'hC30C;
defparam \slow|count[28]~89 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N25
dffeas \slow|count[28] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[28]~89_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [28]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[28] .is_wysiwyg = "true";
defparam \slow|count[28] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N26
cycloneive_lcell_comb \slow|count[29]~91 (
// Equation(s):
// \slow|count[29]~91_combout  = (\slow|count [29] & (!\slow|count[28]~90 )) # (!\slow|count [29] & ((\slow|count[28]~90 ) # (GND)))
// \slow|count[29]~92  = CARRY((!\slow|count[28]~90 ) # (!\slow|count [29]))

	.dataa(\slow|count [29]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[28]~90 ),
	.combout(\slow|count[29]~91_combout ),
	.cout(\slow|count[29]~92 ));
// synopsys translate_off
defparam \slow|count[29]~91 .lut_mask = 16'h5A5F;
defparam \slow|count[29]~91 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N27
dffeas \slow|count[29] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[29]~91_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [29]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[29] .is_wysiwyg = "true";
defparam \slow|count[29] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N28
cycloneive_lcell_comb \slow|count[30]~93 (
// Equation(s):
// \slow|count[30]~93_combout  = (\slow|count [30] & (\slow|count[29]~92  $ (GND))) # (!\slow|count [30] & (!\slow|count[29]~92  & VCC))
// \slow|count[30]~94  = CARRY((\slow|count [30] & !\slow|count[29]~92 ))

	.dataa(gnd),
	.datab(\slow|count [30]),
	.datac(gnd),
	.datad(vcc),
	.cin(\slow|count[29]~92 ),
	.combout(\slow|count[30]~93_combout ),
	.cout(\slow|count[30]~94 ));
// synopsys translate_off
defparam \slow|count[30]~93 .lut_mask = 16'hC30C;
defparam \slow|count[30]~93 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N29
dffeas \slow|count[30] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[30]~93_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [30]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[30] .is_wysiwyg = "true";
defparam \slow|count[30] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y21_N30
cycloneive_lcell_comb \slow|count[31]~95 (
// Equation(s):
// \slow|count[31]~95_combout  = \slow|count [31] $ (\slow|count[30]~94 )

	.dataa(\slow|count [31]),
	.datab(gnd),
	.datac(gnd),
	.datad(gnd),
	.cin(\slow|count[30]~94 ),
	.combout(\slow|count[31]~95_combout ),
	.cout());
// synopsys translate_off
defparam \slow|count[31]~95 .lut_mask = 16'h5A5A;
defparam \slow|count[31]~95 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X62_Y21_N31
dffeas \slow|count[31] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\slow|count[31]~95_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\slow|count[12]~34_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|count [31]),
	.prn(vcc));
// synopsys translate_off
defparam \slow|count[31] .is_wysiwyg = "true";
defparam \slow|count[31] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N24
cycloneive_lcell_comb \slow|Equal0~9 (
// Equation(s):
// \slow|Equal0~9_combout  = (\slow|count [29]) # ((\slow|count [28]) # ((\slow|count [30]) # (\slow|count [31])))

	.dataa(\slow|count [29]),
	.datab(\slow|count [28]),
	.datac(\slow|count [30]),
	.datad(\slow|count [31]),
	.cin(gnd),
	.combout(\slow|Equal0~9_combout ),
	.cout());
// synopsys translate_off
defparam \slow|Equal0~9 .lut_mask = 16'hFFFE;
defparam \slow|Equal0~9 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N12
cycloneive_lcell_comb \slow|Equal0~2 (
// Equation(s):
// \slow|Equal0~2_combout  = (\slow|count [8]) # ((\slow|count [9]) # ((\slow|count [10]) # (\slow|count [11])))

	.dataa(\slow|count [8]),
	.datab(\slow|count [9]),
	.datac(\slow|count [10]),
	.datad(\slow|count [11]),
	.cin(gnd),
	.combout(\slow|Equal0~2_combout ),
	.cout());
// synopsys translate_off
defparam \slow|Equal0~2 .lut_mask = 16'hFFFE;
defparam \slow|Equal0~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N8
cycloneive_lcell_comb \slow|Equal0~0 (
// Equation(s):
// \slow|Equal0~0_combout  = (\slow|count [0]) # ((\slow|count [2]) # ((\slow|count [3]) # (\slow|count [1])))

	.dataa(\slow|count [0]),
	.datab(\slow|count [2]),
	.datac(\slow|count [3]),
	.datad(\slow|count [1]),
	.cin(gnd),
	.combout(\slow|Equal0~0_combout ),
	.cout());
// synopsys translate_off
defparam \slow|Equal0~0 .lut_mask = 16'hFFFE;
defparam \slow|Equal0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N4
cycloneive_lcell_comb \slow|Equal0~1 (
// Equation(s):
// \slow|Equal0~1_combout  = (\slow|count [6]) # ((\slow|count [7]) # ((\slow|count [5]) # (\slow|count [4])))

	.dataa(\slow|count [6]),
	.datab(\slow|count [7]),
	.datac(\slow|count [5]),
	.datad(\slow|count [4]),
	.cin(gnd),
	.combout(\slow|Equal0~1_combout ),
	.cout());
// synopsys translate_off
defparam \slow|Equal0~1 .lut_mask = 16'hFFFE;
defparam \slow|Equal0~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N6
cycloneive_lcell_comb \slow|Equal0~3 (
// Equation(s):
// \slow|Equal0~3_combout  = (\slow|count [13]) # ((\slow|count [12]) # ((\slow|count [15]) # (\slow|count [14])))

	.dataa(\slow|count [13]),
	.datab(\slow|count [12]),
	.datac(\slow|count [15]),
	.datad(\slow|count [14]),
	.cin(gnd),
	.combout(\slow|Equal0~3_combout ),
	.cout());
// synopsys translate_off
defparam \slow|Equal0~3 .lut_mask = 16'hFFFE;
defparam \slow|Equal0~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N26
cycloneive_lcell_comb \slow|Equal0~4 (
// Equation(s):
// \slow|Equal0~4_combout  = (\slow|Equal0~2_combout ) # ((\slow|Equal0~0_combout ) # ((\slow|Equal0~1_combout ) # (\slow|Equal0~3_combout )))

	.dataa(\slow|Equal0~2_combout ),
	.datab(\slow|Equal0~0_combout ),
	.datac(\slow|Equal0~1_combout ),
	.datad(\slow|Equal0~3_combout ),
	.cin(gnd),
	.combout(\slow|Equal0~4_combout ),
	.cout());
// synopsys translate_off
defparam \slow|Equal0~4 .lut_mask = 16'hFFFE;
defparam \slow|Equal0~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N30
cycloneive_lcell_comb \slow|Equal0~6 (
// Equation(s):
// \slow|Equal0~6_combout  = (((\slow|count [20]) # (!\slow|count [23])) # (!\slow|count [22])) # (!\slow|count [21])

	.dataa(\slow|count [21]),
	.datab(\slow|count [22]),
	.datac(\slow|count [20]),
	.datad(\slow|count [23]),
	.cin(gnd),
	.combout(\slow|Equal0~6_combout ),
	.cout());
// synopsys translate_off
defparam \slow|Equal0~6 .lut_mask = 16'hF7FF;
defparam \slow|Equal0~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N16
cycloneive_lcell_comb \slow|Equal0~5 (
// Equation(s):
// \slow|Equal0~5_combout  = (\slow|count [16]) # (!\slow|count [17])

	.dataa(gnd),
	.datab(gnd),
	.datac(\slow|count [16]),
	.datad(\slow|count [17]),
	.cin(gnd),
	.combout(\slow|Equal0~5_combout ),
	.cout());
// synopsys translate_off
defparam \slow|Equal0~5 .lut_mask = 16'hF0FF;
defparam \slow|Equal0~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N2
cycloneive_lcell_comb \slow|Equal0~7 (
// Equation(s):
// \slow|Equal0~7_combout  = (((\slow|Equal0~6_combout ) # (\slow|Equal0~5_combout )) # (!\slow|count [18])) # (!\slow|count [19])

	.dataa(\slow|count [19]),
	.datab(\slow|count [18]),
	.datac(\slow|Equal0~6_combout ),
	.datad(\slow|Equal0~5_combout ),
	.cin(gnd),
	.combout(\slow|Equal0~7_combout ),
	.cout());
// synopsys translate_off
defparam \slow|Equal0~7 .lut_mask = 16'hFFF7;
defparam \slow|Equal0~7 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N28
cycloneive_lcell_comb \slow|Equal0~10 (
// Equation(s):
// \slow|Equal0~10_combout  = (\slow|Equal0~8_combout ) # ((\slow|Equal0~9_combout ) # ((\slow|Equal0~4_combout ) # (\slow|Equal0~7_combout )))

	.dataa(\slow|Equal0~8_combout ),
	.datab(\slow|Equal0~9_combout ),
	.datac(\slow|Equal0~4_combout ),
	.datad(\slow|Equal0~7_combout ),
	.cin(gnd),
	.combout(\slow|Equal0~10_combout ),
	.cout());
// synopsys translate_off
defparam \slow|Equal0~10 .lut_mask = 16'hFFFE;
defparam \slow|Equal0~10 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y22_N20
cycloneive_lcell_comb \slow|div_clk~0 (
// Equation(s):
// \slow|div_clk~0_combout  = \slow|div_clk~q  $ (!\slow|Equal0~10_combout )

	.dataa(gnd),
	.datab(gnd),
	.datac(\slow|div_clk~q ),
	.datad(\slow|Equal0~10_combout ),
	.cin(gnd),
	.combout(\slow|div_clk~0_combout ),
	.cout());
// synopsys translate_off
defparam \slow|div_clk~0 .lut_mask = 16'hF00F;
defparam \slow|div_clk~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X63_Y22_N21
dffeas \slow|div_clk (
	.clk(\clk~input_o ),
	.d(\slow|div_clk~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(!\rst~input_o ),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\slow|div_clk~q ),
	.prn(vcc));
// synopsys translate_off
defparam \slow|div_clk .is_wysiwyg = "true";
defparam \slow|div_clk .power_up = "low";
// synopsys translate_on

// Location: IOIBUF_X67_Y39_N15
cycloneive_io_ibuf \SW_choose~input (
	.i(SW_choose),
	.ibar(gnd),
	.o(\SW_choose~input_o ));
// synopsys translate_off
defparam \SW_choose~input .bus_hold = "false";
defparam \SW_choose~input .simulate_z_as = "z";
// synopsys translate_on

// Location: LCCOMB_X64_Y26_N16
cycloneive_lcell_comb \mcpu|qtdl|clk_choose (
// Equation(s):
// \mcpu|qtdl|clk_choose~combout  = LCELL((\SW_choose~input_o  & (\quick|div_clk~q )) # (!\SW_choose~input_o  & ((\slow|div_clk~q ))))

	.dataa(\quick|div_clk~q ),
	.datab(gnd),
	.datac(\slow|div_clk~q ),
	.datad(\SW_choose~input_o ),
	.cin(gnd),
	.combout(\mcpu|qtdl|clk_choose~combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|qtdl|clk_choose .lut_mask = 16'hAAF0;
defparam \mcpu|qtdl|clk_choose .sum_lutc_input = "datac";
// synopsys translate_on

// Location: CLKCTRL_G6
cycloneive_clkctrl \mcpu|qtdl|clk_choose~clkctrl (
	.ena(vcc),
	.inclk({vcc,vcc,vcc,\mcpu|qtdl|clk_choose~combout }),
	.clkselect(2'b00),
	.devclrn(devclrn),
	.devpor(devpor),
	.outclk(\mcpu|qtdl|clk_choose~clkctrl_outclk ));
// synopsys translate_off
defparam \mcpu|qtdl|clk_choose~clkctrl .clock_type = "global clock";
defparam \mcpu|qtdl|clk_choose~clkctrl .ena_register_mode = "none";
// synopsys translate_on

// Location: LCCOMB_X12_Y18_N22
cycloneive_lcell_comb \delay|div_clk~0 (
// Equation(s):
// \delay|div_clk~0_combout  = (!\delay|div_clk~q ) # (!\rst~input_o )

	.dataa(\rst~input_o ),
	.datab(gnd),
	.datac(\delay|div_clk~q ),
	.datad(gnd),
	.cin(gnd),
	.combout(\delay|div_clk~0_combout ),
	.cout());
// synopsys translate_off
defparam \delay|div_clk~0 .lut_mask = 16'h5F5F;
defparam \delay|div_clk~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N0
cycloneive_lcell_comb \delay|count[0]~32 (
// Equation(s):
// \delay|count[0]~32_combout  = \delay|count [0] $ (VCC)
// \delay|count[0]~33  = CARRY(\delay|count [0])

	.dataa(gnd),
	.datab(\delay|count [0]),
	.datac(gnd),
	.datad(vcc),
	.cin(gnd),
	.combout(\delay|count[0]~32_combout ),
	.cout(\delay|count[0]~33 ));
// synopsys translate_off
defparam \delay|count[0]~32 .lut_mask = 16'h33CC;
defparam \delay|count[0]~32 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X11_Y18_N1
dffeas \delay|count[0] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[0]~32_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [0]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[0] .is_wysiwyg = "true";
defparam \delay|count[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N2
cycloneive_lcell_comb \delay|count[1]~34 (
// Equation(s):
// \delay|count[1]~34_combout  = (\delay|count [1] & (!\delay|count[0]~33 )) # (!\delay|count [1] & ((\delay|count[0]~33 ) # (GND)))
// \delay|count[1]~35  = CARRY((!\delay|count[0]~33 ) # (!\delay|count [1]))

	.dataa(gnd),
	.datab(\delay|count [1]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[0]~33 ),
	.combout(\delay|count[1]~34_combout ),
	.cout(\delay|count[1]~35 ));
// synopsys translate_off
defparam \delay|count[1]~34 .lut_mask = 16'h3C3F;
defparam \delay|count[1]~34 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N3
dffeas \delay|count[1] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[1]~34_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [1]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[1] .is_wysiwyg = "true";
defparam \delay|count[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N4
cycloneive_lcell_comb \delay|count[2]~36 (
// Equation(s):
// \delay|count[2]~36_combout  = (\delay|count [2] & (\delay|count[1]~35  $ (GND))) # (!\delay|count [2] & (!\delay|count[1]~35  & VCC))
// \delay|count[2]~37  = CARRY((\delay|count [2] & !\delay|count[1]~35 ))

	.dataa(gnd),
	.datab(\delay|count [2]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[1]~35 ),
	.combout(\delay|count[2]~36_combout ),
	.cout(\delay|count[2]~37 ));
// synopsys translate_off
defparam \delay|count[2]~36 .lut_mask = 16'hC30C;
defparam \delay|count[2]~36 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N5
dffeas \delay|count[2] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[2]~36_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [2]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[2] .is_wysiwyg = "true";
defparam \delay|count[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N6
cycloneive_lcell_comb \delay|count[3]~38 (
// Equation(s):
// \delay|count[3]~38_combout  = (\delay|count [3] & (!\delay|count[2]~37 )) # (!\delay|count [3] & ((\delay|count[2]~37 ) # (GND)))
// \delay|count[3]~39  = CARRY((!\delay|count[2]~37 ) # (!\delay|count [3]))

	.dataa(\delay|count [3]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[2]~37 ),
	.combout(\delay|count[3]~38_combout ),
	.cout(\delay|count[3]~39 ));
// synopsys translate_off
defparam \delay|count[3]~38 .lut_mask = 16'h5A5F;
defparam \delay|count[3]~38 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N7
dffeas \delay|count[3] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[3]~38_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [3]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[3] .is_wysiwyg = "true";
defparam \delay|count[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N8
cycloneive_lcell_comb \delay|count[4]~40 (
// Equation(s):
// \delay|count[4]~40_combout  = (\delay|count [4] & (\delay|count[3]~39  $ (GND))) # (!\delay|count [4] & (!\delay|count[3]~39  & VCC))
// \delay|count[4]~41  = CARRY((\delay|count [4] & !\delay|count[3]~39 ))

	.dataa(gnd),
	.datab(\delay|count [4]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[3]~39 ),
	.combout(\delay|count[4]~40_combout ),
	.cout(\delay|count[4]~41 ));
// synopsys translate_off
defparam \delay|count[4]~40 .lut_mask = 16'hC30C;
defparam \delay|count[4]~40 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N9
dffeas \delay|count[4] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[4]~40_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [4]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[4] .is_wysiwyg = "true";
defparam \delay|count[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N10
cycloneive_lcell_comb \delay|count[5]~42 (
// Equation(s):
// \delay|count[5]~42_combout  = (\delay|count [5] & (!\delay|count[4]~41 )) # (!\delay|count [5] & ((\delay|count[4]~41 ) # (GND)))
// \delay|count[5]~43  = CARRY((!\delay|count[4]~41 ) # (!\delay|count [5]))

	.dataa(\delay|count [5]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[4]~41 ),
	.combout(\delay|count[5]~42_combout ),
	.cout(\delay|count[5]~43 ));
// synopsys translate_off
defparam \delay|count[5]~42 .lut_mask = 16'h5A5F;
defparam \delay|count[5]~42 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N11
dffeas \delay|count[5] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[5]~42_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [5]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[5] .is_wysiwyg = "true";
defparam \delay|count[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N12
cycloneive_lcell_comb \delay|count[6]~44 (
// Equation(s):
// \delay|count[6]~44_combout  = (\delay|count [6] & (\delay|count[5]~43  $ (GND))) # (!\delay|count [6] & (!\delay|count[5]~43  & VCC))
// \delay|count[6]~45  = CARRY((\delay|count [6] & !\delay|count[5]~43 ))

	.dataa(\delay|count [6]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[5]~43 ),
	.combout(\delay|count[6]~44_combout ),
	.cout(\delay|count[6]~45 ));
// synopsys translate_off
defparam \delay|count[6]~44 .lut_mask = 16'hA50A;
defparam \delay|count[6]~44 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N13
dffeas \delay|count[6] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[6]~44_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [6]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[6] .is_wysiwyg = "true";
defparam \delay|count[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N14
cycloneive_lcell_comb \delay|count[7]~46 (
// Equation(s):
// \delay|count[7]~46_combout  = (\delay|count [7] & (!\delay|count[6]~45 )) # (!\delay|count [7] & ((\delay|count[6]~45 ) # (GND)))
// \delay|count[7]~47  = CARRY((!\delay|count[6]~45 ) # (!\delay|count [7]))

	.dataa(gnd),
	.datab(\delay|count [7]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[6]~45 ),
	.combout(\delay|count[7]~46_combout ),
	.cout(\delay|count[7]~47 ));
// synopsys translate_off
defparam \delay|count[7]~46 .lut_mask = 16'h3C3F;
defparam \delay|count[7]~46 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N15
dffeas \delay|count[7] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[7]~46_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [7]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[7] .is_wysiwyg = "true";
defparam \delay|count[7] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N16
cycloneive_lcell_comb \delay|count[8]~48 (
// Equation(s):
// \delay|count[8]~48_combout  = (\delay|count [8] & (\delay|count[7]~47  $ (GND))) # (!\delay|count [8] & (!\delay|count[7]~47  & VCC))
// \delay|count[8]~49  = CARRY((\delay|count [8] & !\delay|count[7]~47 ))

	.dataa(gnd),
	.datab(\delay|count [8]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[7]~47 ),
	.combout(\delay|count[8]~48_combout ),
	.cout(\delay|count[8]~49 ));
// synopsys translate_off
defparam \delay|count[8]~48 .lut_mask = 16'hC30C;
defparam \delay|count[8]~48 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N17
dffeas \delay|count[8] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[8]~48_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [8]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[8] .is_wysiwyg = "true";
defparam \delay|count[8] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N18
cycloneive_lcell_comb \delay|count[9]~50 (
// Equation(s):
// \delay|count[9]~50_combout  = (\delay|count [9] & (!\delay|count[8]~49 )) # (!\delay|count [9] & ((\delay|count[8]~49 ) # (GND)))
// \delay|count[9]~51  = CARRY((!\delay|count[8]~49 ) # (!\delay|count [9]))

	.dataa(gnd),
	.datab(\delay|count [9]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[8]~49 ),
	.combout(\delay|count[9]~50_combout ),
	.cout(\delay|count[9]~51 ));
// synopsys translate_off
defparam \delay|count[9]~50 .lut_mask = 16'h3C3F;
defparam \delay|count[9]~50 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N19
dffeas \delay|count[9] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[9]~50_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [9]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[9] .is_wysiwyg = "true";
defparam \delay|count[9] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N20
cycloneive_lcell_comb \delay|count[10]~52 (
// Equation(s):
// \delay|count[10]~52_combout  = (\delay|count [10] & (\delay|count[9]~51  $ (GND))) # (!\delay|count [10] & (!\delay|count[9]~51  & VCC))
// \delay|count[10]~53  = CARRY((\delay|count [10] & !\delay|count[9]~51 ))

	.dataa(gnd),
	.datab(\delay|count [10]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[9]~51 ),
	.combout(\delay|count[10]~52_combout ),
	.cout(\delay|count[10]~53 ));
// synopsys translate_off
defparam \delay|count[10]~52 .lut_mask = 16'hC30C;
defparam \delay|count[10]~52 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N21
dffeas \delay|count[10] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[10]~52_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [10]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[10] .is_wysiwyg = "true";
defparam \delay|count[10] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N22
cycloneive_lcell_comb \delay|count[11]~54 (
// Equation(s):
// \delay|count[11]~54_combout  = (\delay|count [11] & (!\delay|count[10]~53 )) # (!\delay|count [11] & ((\delay|count[10]~53 ) # (GND)))
// \delay|count[11]~55  = CARRY((!\delay|count[10]~53 ) # (!\delay|count [11]))

	.dataa(\delay|count [11]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[10]~53 ),
	.combout(\delay|count[11]~54_combout ),
	.cout(\delay|count[11]~55 ));
// synopsys translate_off
defparam \delay|count[11]~54 .lut_mask = 16'h5A5F;
defparam \delay|count[11]~54 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N23
dffeas \delay|count[11] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[11]~54_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [11]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[11] .is_wysiwyg = "true";
defparam \delay|count[11] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N24
cycloneive_lcell_comb \delay|count[12]~56 (
// Equation(s):
// \delay|count[12]~56_combout  = (\delay|count [12] & (\delay|count[11]~55  $ (GND))) # (!\delay|count [12] & (!\delay|count[11]~55  & VCC))
// \delay|count[12]~57  = CARRY((\delay|count [12] & !\delay|count[11]~55 ))

	.dataa(gnd),
	.datab(\delay|count [12]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[11]~55 ),
	.combout(\delay|count[12]~56_combout ),
	.cout(\delay|count[12]~57 ));
// synopsys translate_off
defparam \delay|count[12]~56 .lut_mask = 16'hC30C;
defparam \delay|count[12]~56 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N25
dffeas \delay|count[12] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[12]~56_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [12]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[12] .is_wysiwyg = "true";
defparam \delay|count[12] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N26
cycloneive_lcell_comb \delay|count[13]~58 (
// Equation(s):
// \delay|count[13]~58_combout  = (\delay|count [13] & (!\delay|count[12]~57 )) # (!\delay|count [13] & ((\delay|count[12]~57 ) # (GND)))
// \delay|count[13]~59  = CARRY((!\delay|count[12]~57 ) # (!\delay|count [13]))

	.dataa(\delay|count [13]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[12]~57 ),
	.combout(\delay|count[13]~58_combout ),
	.cout(\delay|count[13]~59 ));
// synopsys translate_off
defparam \delay|count[13]~58 .lut_mask = 16'h5A5F;
defparam \delay|count[13]~58 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N27
dffeas \delay|count[13] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[13]~58_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [13]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[13] .is_wysiwyg = "true";
defparam \delay|count[13] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N28
cycloneive_lcell_comb \delay|count[14]~60 (
// Equation(s):
// \delay|count[14]~60_combout  = (\delay|count [14] & (\delay|count[13]~59  $ (GND))) # (!\delay|count [14] & (!\delay|count[13]~59  & VCC))
// \delay|count[14]~61  = CARRY((\delay|count [14] & !\delay|count[13]~59 ))

	.dataa(gnd),
	.datab(\delay|count [14]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[13]~59 ),
	.combout(\delay|count[14]~60_combout ),
	.cout(\delay|count[14]~61 ));
// synopsys translate_off
defparam \delay|count[14]~60 .lut_mask = 16'hC30C;
defparam \delay|count[14]~60 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N29
dffeas \delay|count[14] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[14]~60_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [14]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[14] .is_wysiwyg = "true";
defparam \delay|count[14] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y18_N30
cycloneive_lcell_comb \delay|count[15]~62 (
// Equation(s):
// \delay|count[15]~62_combout  = (\delay|count [15] & (!\delay|count[14]~61 )) # (!\delay|count [15] & ((\delay|count[14]~61 ) # (GND)))
// \delay|count[15]~63  = CARRY((!\delay|count[14]~61 ) # (!\delay|count [15]))

	.dataa(\delay|count [15]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[14]~61 ),
	.combout(\delay|count[15]~62_combout ),
	.cout(\delay|count[15]~63 ));
// synopsys translate_off
defparam \delay|count[15]~62 .lut_mask = 16'h5A5F;
defparam \delay|count[15]~62 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y18_N31
dffeas \delay|count[15] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[15]~62_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [15]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[15] .is_wysiwyg = "true";
defparam \delay|count[15] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N0
cycloneive_lcell_comb \delay|count[16]~64 (
// Equation(s):
// \delay|count[16]~64_combout  = (\delay|count [16] & (\delay|count[15]~63  $ (GND))) # (!\delay|count [16] & (!\delay|count[15]~63  & VCC))
// \delay|count[16]~65  = CARRY((\delay|count [16] & !\delay|count[15]~63 ))

	.dataa(gnd),
	.datab(\delay|count [16]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[15]~63 ),
	.combout(\delay|count[16]~64_combout ),
	.cout(\delay|count[16]~65 ));
// synopsys translate_off
defparam \delay|count[16]~64 .lut_mask = 16'hC30C;
defparam \delay|count[16]~64 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N1
dffeas \delay|count[16] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[16]~64_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [16]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[16] .is_wysiwyg = "true";
defparam \delay|count[16] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N2
cycloneive_lcell_comb \delay|count[17]~66 (
// Equation(s):
// \delay|count[17]~66_combout  = (\delay|count [17] & (!\delay|count[16]~65 )) # (!\delay|count [17] & ((\delay|count[16]~65 ) # (GND)))
// \delay|count[17]~67  = CARRY((!\delay|count[16]~65 ) # (!\delay|count [17]))

	.dataa(gnd),
	.datab(\delay|count [17]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[16]~65 ),
	.combout(\delay|count[17]~66_combout ),
	.cout(\delay|count[17]~67 ));
// synopsys translate_off
defparam \delay|count[17]~66 .lut_mask = 16'h3C3F;
defparam \delay|count[17]~66 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N3
dffeas \delay|count[17] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[17]~66_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [17]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[17] .is_wysiwyg = "true";
defparam \delay|count[17] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N4
cycloneive_lcell_comb \delay|count[18]~68 (
// Equation(s):
// \delay|count[18]~68_combout  = (\delay|count [18] & (\delay|count[17]~67  $ (GND))) # (!\delay|count [18] & (!\delay|count[17]~67  & VCC))
// \delay|count[18]~69  = CARRY((\delay|count [18] & !\delay|count[17]~67 ))

	.dataa(gnd),
	.datab(\delay|count [18]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[17]~67 ),
	.combout(\delay|count[18]~68_combout ),
	.cout(\delay|count[18]~69 ));
// synopsys translate_off
defparam \delay|count[18]~68 .lut_mask = 16'hC30C;
defparam \delay|count[18]~68 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N5
dffeas \delay|count[18] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[18]~68_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [18]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[18] .is_wysiwyg = "true";
defparam \delay|count[18] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N6
cycloneive_lcell_comb \delay|count[19]~70 (
// Equation(s):
// \delay|count[19]~70_combout  = (\delay|count [19] & (!\delay|count[18]~69 )) # (!\delay|count [19] & ((\delay|count[18]~69 ) # (GND)))
// \delay|count[19]~71  = CARRY((!\delay|count[18]~69 ) # (!\delay|count [19]))

	.dataa(\delay|count [19]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[18]~69 ),
	.combout(\delay|count[19]~70_combout ),
	.cout(\delay|count[19]~71 ));
// synopsys translate_off
defparam \delay|count[19]~70 .lut_mask = 16'h5A5F;
defparam \delay|count[19]~70 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N7
dffeas \delay|count[19] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[19]~70_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [19]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[19] .is_wysiwyg = "true";
defparam \delay|count[19] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N8
cycloneive_lcell_comb \delay|count[20]~72 (
// Equation(s):
// \delay|count[20]~72_combout  = (\delay|count [20] & (\delay|count[19]~71  $ (GND))) # (!\delay|count [20] & (!\delay|count[19]~71  & VCC))
// \delay|count[20]~73  = CARRY((\delay|count [20] & !\delay|count[19]~71 ))

	.dataa(gnd),
	.datab(\delay|count [20]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[19]~71 ),
	.combout(\delay|count[20]~72_combout ),
	.cout(\delay|count[20]~73 ));
// synopsys translate_off
defparam \delay|count[20]~72 .lut_mask = 16'hC30C;
defparam \delay|count[20]~72 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N9
dffeas \delay|count[20] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[20]~72_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [20]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[20] .is_wysiwyg = "true";
defparam \delay|count[20] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N10
cycloneive_lcell_comb \delay|count[21]~74 (
// Equation(s):
// \delay|count[21]~74_combout  = (\delay|count [21] & (!\delay|count[20]~73 )) # (!\delay|count [21] & ((\delay|count[20]~73 ) # (GND)))
// \delay|count[21]~75  = CARRY((!\delay|count[20]~73 ) # (!\delay|count [21]))

	.dataa(\delay|count [21]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[20]~73 ),
	.combout(\delay|count[21]~74_combout ),
	.cout(\delay|count[21]~75 ));
// synopsys translate_off
defparam \delay|count[21]~74 .lut_mask = 16'h5A5F;
defparam \delay|count[21]~74 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N11
dffeas \delay|count[21] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[21]~74_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [21]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[21] .is_wysiwyg = "true";
defparam \delay|count[21] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N12
cycloneive_lcell_comb \delay|count[22]~76 (
// Equation(s):
// \delay|count[22]~76_combout  = (\delay|count [22] & (\delay|count[21]~75  $ (GND))) # (!\delay|count [22] & (!\delay|count[21]~75  & VCC))
// \delay|count[22]~77  = CARRY((\delay|count [22] & !\delay|count[21]~75 ))

	.dataa(\delay|count [22]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[21]~75 ),
	.combout(\delay|count[22]~76_combout ),
	.cout(\delay|count[22]~77 ));
// synopsys translate_off
defparam \delay|count[22]~76 .lut_mask = 16'hA50A;
defparam \delay|count[22]~76 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N13
dffeas \delay|count[22] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[22]~76_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [22]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[22] .is_wysiwyg = "true";
defparam \delay|count[22] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N14
cycloneive_lcell_comb \delay|count[23]~78 (
// Equation(s):
// \delay|count[23]~78_combout  = (\delay|count [23] & (!\delay|count[22]~77 )) # (!\delay|count [23] & ((\delay|count[22]~77 ) # (GND)))
// \delay|count[23]~79  = CARRY((!\delay|count[22]~77 ) # (!\delay|count [23]))

	.dataa(gnd),
	.datab(\delay|count [23]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[22]~77 ),
	.combout(\delay|count[23]~78_combout ),
	.cout(\delay|count[23]~79 ));
// synopsys translate_off
defparam \delay|count[23]~78 .lut_mask = 16'h3C3F;
defparam \delay|count[23]~78 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N15
dffeas \delay|count[23] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[23]~78_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [23]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[23] .is_wysiwyg = "true";
defparam \delay|count[23] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X12_Y18_N12
cycloneive_lcell_comb \mem|Equal0~6 (
// Equation(s):
// \mem|Equal0~6_combout  = (\delay|count [23]) # ((\delay|count [21]) # ((\delay|count [22]) # (!\delay|count [20])))

	.dataa(\delay|count [23]),
	.datab(\delay|count [21]),
	.datac(\delay|count [22]),
	.datad(\delay|count [20]),
	.cin(gnd),
	.combout(\mem|Equal0~6_combout ),
	.cout());
// synopsys translate_off
defparam \mem|Equal0~6 .lut_mask = 16'hFEFF;
defparam \mem|Equal0~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N16
cycloneive_lcell_comb \delay|count[24]~80 (
// Equation(s):
// \delay|count[24]~80_combout  = (\delay|count [24] & (\delay|count[23]~79  $ (GND))) # (!\delay|count [24] & (!\delay|count[23]~79  & VCC))
// \delay|count[24]~81  = CARRY((\delay|count [24] & !\delay|count[23]~79 ))

	.dataa(gnd),
	.datab(\delay|count [24]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[23]~79 ),
	.combout(\delay|count[24]~80_combout ),
	.cout(\delay|count[24]~81 ));
// synopsys translate_off
defparam \delay|count[24]~80 .lut_mask = 16'hC30C;
defparam \delay|count[24]~80 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N17
dffeas \delay|count[24] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[24]~80_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [24]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[24] .is_wysiwyg = "true";
defparam \delay|count[24] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N18
cycloneive_lcell_comb \delay|count[25]~82 (
// Equation(s):
// \delay|count[25]~82_combout  = (\delay|count [25] & (!\delay|count[24]~81 )) # (!\delay|count [25] & ((\delay|count[24]~81 ) # (GND)))
// \delay|count[25]~83  = CARRY((!\delay|count[24]~81 ) # (!\delay|count [25]))

	.dataa(gnd),
	.datab(\delay|count [25]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[24]~81 ),
	.combout(\delay|count[25]~82_combout ),
	.cout(\delay|count[25]~83 ));
// synopsys translate_off
defparam \delay|count[25]~82 .lut_mask = 16'h3C3F;
defparam \delay|count[25]~82 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N19
dffeas \delay|count[25] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[25]~82_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [25]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[25] .is_wysiwyg = "true";
defparam \delay|count[25] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N20
cycloneive_lcell_comb \delay|count[26]~84 (
// Equation(s):
// \delay|count[26]~84_combout  = (\delay|count [26] & (\delay|count[25]~83  $ (GND))) # (!\delay|count [26] & (!\delay|count[25]~83  & VCC))
// \delay|count[26]~85  = CARRY((\delay|count [26] & !\delay|count[25]~83 ))

	.dataa(gnd),
	.datab(\delay|count [26]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[25]~83 ),
	.combout(\delay|count[26]~84_combout ),
	.cout(\delay|count[26]~85 ));
// synopsys translate_off
defparam \delay|count[26]~84 .lut_mask = 16'hC30C;
defparam \delay|count[26]~84 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N21
dffeas \delay|count[26] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[26]~84_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [26]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[26] .is_wysiwyg = "true";
defparam \delay|count[26] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N22
cycloneive_lcell_comb \delay|count[27]~86 (
// Equation(s):
// \delay|count[27]~86_combout  = (\delay|count [27] & (!\delay|count[26]~85 )) # (!\delay|count [27] & ((\delay|count[26]~85 ) # (GND)))
// \delay|count[27]~87  = CARRY((!\delay|count[26]~85 ) # (!\delay|count [27]))

	.dataa(\delay|count [27]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[26]~85 ),
	.combout(\delay|count[27]~86_combout ),
	.cout(\delay|count[27]~87 ));
// synopsys translate_off
defparam \delay|count[27]~86 .lut_mask = 16'h5A5F;
defparam \delay|count[27]~86 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N23
dffeas \delay|count[27] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[27]~86_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [27]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[27] .is_wysiwyg = "true";
defparam \delay|count[27] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X12_Y18_N20
cycloneive_lcell_comb \mem|Equal0~7 (
// Equation(s):
// \mem|Equal0~7_combout  = (\delay|count [26]) # ((\delay|count [24]) # ((\delay|count [27]) # (\delay|count [25])))

	.dataa(\delay|count [26]),
	.datab(\delay|count [24]),
	.datac(\delay|count [27]),
	.datad(\delay|count [25]),
	.cin(gnd),
	.combout(\mem|Equal0~7_combout ),
	.cout());
// synopsys translate_off
defparam \mem|Equal0~7 .lut_mask = 16'hFFFE;
defparam \mem|Equal0~7 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N24
cycloneive_lcell_comb \delay|count[28]~88 (
// Equation(s):
// \delay|count[28]~88_combout  = (\delay|count [28] & (\delay|count[27]~87  $ (GND))) # (!\delay|count [28] & (!\delay|count[27]~87  & VCC))
// \delay|count[28]~89  = CARRY((\delay|count [28] & !\delay|count[27]~87 ))

	.dataa(gnd),
	.datab(\delay|count [28]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[27]~87 ),
	.combout(\delay|count[28]~88_combout ),
	.cout(\delay|count[28]~89 ));
// synopsys translate_off
defparam \delay|count[28]~88 .lut_mask = 16'hC30C;
defparam \delay|count[28]~88 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N25
dffeas \delay|count[28] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[28]~88_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [28]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[28] .is_wysiwyg = "true";
defparam \delay|count[28] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N26
cycloneive_lcell_comb \delay|count[29]~90 (
// Equation(s):
// \delay|count[29]~90_combout  = (\delay|count [29] & (!\delay|count[28]~89 )) # (!\delay|count [29] & ((\delay|count[28]~89 ) # (GND)))
// \delay|count[29]~91  = CARRY((!\delay|count[28]~89 ) # (!\delay|count [29]))

	.dataa(\delay|count [29]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[28]~89 ),
	.combout(\delay|count[29]~90_combout ),
	.cout(\delay|count[29]~91 ));
// synopsys translate_off
defparam \delay|count[29]~90 .lut_mask = 16'h5A5F;
defparam \delay|count[29]~90 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N27
dffeas \delay|count[29] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[29]~90_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [29]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[29] .is_wysiwyg = "true";
defparam \delay|count[29] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N28
cycloneive_lcell_comb \delay|count[30]~92 (
// Equation(s):
// \delay|count[30]~92_combout  = (\delay|count [30] & (\delay|count[29]~91  $ (GND))) # (!\delay|count [30] & (!\delay|count[29]~91  & VCC))
// \delay|count[30]~93  = CARRY((\delay|count [30] & !\delay|count[29]~91 ))

	.dataa(gnd),
	.datab(\delay|count [30]),
	.datac(gnd),
	.datad(vcc),
	.cin(\delay|count[29]~91 ),
	.combout(\delay|count[30]~92_combout ),
	.cout(\delay|count[30]~93 ));
// synopsys translate_off
defparam \delay|count[30]~92 .lut_mask = 16'hC30C;
defparam \delay|count[30]~92 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N29
dffeas \delay|count[30] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[30]~92_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [30]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[30] .is_wysiwyg = "true";
defparam \delay|count[30] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X11_Y17_N30
cycloneive_lcell_comb \delay|count[31]~94 (
// Equation(s):
// \delay|count[31]~94_combout  = \delay|count [31] $ (\delay|count[30]~93 )

	.dataa(\delay|count [31]),
	.datab(gnd),
	.datac(gnd),
	.datad(gnd),
	.cin(\delay|count[30]~93 ),
	.combout(\delay|count[31]~94_combout ),
	.cout());
// synopsys translate_off
defparam \delay|count[31]~94 .lut_mask = 16'h5A5A;
defparam \delay|count[31]~94 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X11_Y17_N31
dffeas \delay|count[31] (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\delay|count[31]~94_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(\light|div_clk~1_combout ),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|count [31]),
	.prn(vcc));
// synopsys translate_off
defparam \delay|count[31] .is_wysiwyg = "true";
defparam \delay|count[31] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X12_Y18_N8
cycloneive_lcell_comb \mem|Equal0~8 (
// Equation(s):
// \mem|Equal0~8_combout  = (\delay|count [28]) # ((\delay|count [30]) # ((\delay|count [29]) # (\delay|count [31])))

	.dataa(\delay|count [28]),
	.datab(\delay|count [30]),
	.datac(\delay|count [29]),
	.datad(\delay|count [31]),
	.cin(gnd),
	.combout(\mem|Equal0~8_combout ),
	.cout());
// synopsys translate_off
defparam \mem|Equal0~8 .lut_mask = 16'hFFFE;
defparam \mem|Equal0~8 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X12_Y18_N18
cycloneive_lcell_comb \mem|Equal0~5 (
// Equation(s):
// \mem|Equal0~5_combout  = (((!\delay|count [17]) # (!\delay|count [19])) # (!\delay|count [16])) # (!\delay|count [18])

	.dataa(\delay|count [18]),
	.datab(\delay|count [16]),
	.datac(\delay|count [19]),
	.datad(\delay|count [17]),
	.cin(gnd),
	.combout(\mem|Equal0~5_combout ),
	.cout());
// synopsys translate_off
defparam \mem|Equal0~5 .lut_mask = 16'h7FFF;
defparam \mem|Equal0~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X12_Y18_N26
cycloneive_lcell_comb \mem|Equal0~9 (
// Equation(s):
// \mem|Equal0~9_combout  = (\mem|Equal0~6_combout ) # ((\mem|Equal0~7_combout ) # ((\mem|Equal0~8_combout ) # (\mem|Equal0~5_combout )))

	.dataa(\mem|Equal0~6_combout ),
	.datab(\mem|Equal0~7_combout ),
	.datac(\mem|Equal0~8_combout ),
	.datad(\mem|Equal0~5_combout ),
	.cin(gnd),
	.combout(\mem|Equal0~9_combout ),
	.cout());
// synopsys translate_off
defparam \mem|Equal0~9 .lut_mask = 16'hFFFE;
defparam \mem|Equal0~9 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X10_Y18_N12
cycloneive_lcell_comb \mem|Equal0~0 (
// Equation(s):
// \mem|Equal0~0_combout  = (\delay|count [2]) # ((\delay|count [0]) # ((\delay|count [1]) # (\delay|count [3])))

	.dataa(\delay|count [2]),
	.datab(\delay|count [0]),
	.datac(\delay|count [1]),
	.datad(\delay|count [3]),
	.cin(gnd),
	.combout(\mem|Equal0~0_combout ),
	.cout());
// synopsys translate_off
defparam \mem|Equal0~0 .lut_mask = 16'hFFFE;
defparam \mem|Equal0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X10_Y18_N4
cycloneive_lcell_comb \mem|Equal0~2 (
// Equation(s):
// \mem|Equal0~2_combout  = (\delay|count [8]) # ((\delay|count [9]) # ((\delay|count [10]) # (\delay|count [11])))

	.dataa(\delay|count [8]),
	.datab(\delay|count [9]),
	.datac(\delay|count [10]),
	.datad(\delay|count [11]),
	.cin(gnd),
	.combout(\mem|Equal0~2_combout ),
	.cout());
// synopsys translate_off
defparam \mem|Equal0~2 .lut_mask = 16'hFFFE;
defparam \mem|Equal0~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X10_Y18_N14
cycloneive_lcell_comb \mem|Equal0~1 (
// Equation(s):
// \mem|Equal0~1_combout  = (\delay|count [4]) # ((\delay|count [6]) # ((\delay|count [7]) # (\delay|count [5])))

	.dataa(\delay|count [4]),
	.datab(\delay|count [6]),
	.datac(\delay|count [7]),
	.datad(\delay|count [5]),
	.cin(gnd),
	.combout(\mem|Equal0~1_combout ),
	.cout());
// synopsys translate_off
defparam \mem|Equal0~1 .lut_mask = 16'hFFFE;
defparam \mem|Equal0~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X10_Y18_N10
cycloneive_lcell_comb \mem|Equal0~3 (
// Equation(s):
// \mem|Equal0~3_combout  = (\delay|count [12]) # ((\delay|count [13]) # ((\delay|count [15]) # (!\delay|count [14])))

	.dataa(\delay|count [12]),
	.datab(\delay|count [13]),
	.datac(\delay|count [15]),
	.datad(\delay|count [14]),
	.cin(gnd),
	.combout(\mem|Equal0~3_combout ),
	.cout());
// synopsys translate_off
defparam \mem|Equal0~3 .lut_mask = 16'hFEFF;
defparam \mem|Equal0~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X10_Y18_N20
cycloneive_lcell_comb \mem|Equal0~4 (
// Equation(s):
// \mem|Equal0~4_combout  = (\mem|Equal0~0_combout ) # ((\mem|Equal0~2_combout ) # ((\mem|Equal0~1_combout ) # (\mem|Equal0~3_combout )))

	.dataa(\mem|Equal0~0_combout ),
	.datab(\mem|Equal0~2_combout ),
	.datac(\mem|Equal0~1_combout ),
	.datad(\mem|Equal0~3_combout ),
	.cin(gnd),
	.combout(\mem|Equal0~4_combout ),
	.cout());
// synopsys translate_off
defparam \mem|Equal0~4 .lut_mask = 16'hFFFE;
defparam \mem|Equal0~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X12_Y18_N30
cycloneive_lcell_comb \light|div_clk~1 (
// Equation(s):
// \light|div_clk~1_combout  = ((!\mem|Equal0~9_combout  & !\mem|Equal0~4_combout )) # (!\rst~input_o )

	.dataa(\rst~input_o ),
	.datab(gnd),
	.datac(\mem|Equal0~9_combout ),
	.datad(\mem|Equal0~4_combout ),
	.cin(gnd),
	.combout(\light|div_clk~1_combout ),
	.cout());
// synopsys translate_off
defparam \light|div_clk~1 .lut_mask = 16'h555F;
defparam \light|div_clk~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X12_Y18_N17
dffeas \delay|div_clk (
	.clk(\clk~inputclkctrl_outclk ),
	.d(gnd),
	.asdata(\delay|div_clk~0_combout ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\light|div_clk~1_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\delay|div_clk~q ),
	.prn(vcc));
// synopsys translate_off
defparam \delay|div_clk .is_wysiwyg = "true";
defparam \delay|div_clk .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N14
cycloneive_lcell_comb \mm|ram~0feeder (
// Equation(s):
// \mm|ram~0feeder_combout  = VCC

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(gnd),
	.cin(gnd),
	.combout(\mm|ram~0feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mm|ram~0feeder .lut_mask = 16'hFFFF;
defparam \mm|ram~0feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y27_N15
dffeas \mm|ram~0 (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mm|ram~0feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|ram~0_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|ram~0 .is_wysiwyg = "true";
defparam \mm|ram~0 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X12_Y18_N24
cycloneive_lcell_comb \mem|div_clk~0 (
// Equation(s):
// \mem|div_clk~0_combout  = (!\mem|div_clk~q ) # (!\rst~input_o )

	.dataa(\rst~input_o ),
	.datab(gnd),
	.datac(gnd),
	.datad(\mem|div_clk~q ),
	.cin(gnd),
	.combout(\mem|div_clk~0_combout ),
	.cout());
// synopsys translate_off
defparam \mem|div_clk~0 .lut_mask = 16'h55FF;
defparam \mem|div_clk~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X12_Y18_N0
cycloneive_lcell_comb \mem|div_clk~feeder (
// Equation(s):
// \mem|div_clk~feeder_combout  = \mem|div_clk~0_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(\mem|div_clk~0_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mem|div_clk~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mem|div_clk~feeder .lut_mask = 16'hF0F0;
defparam \mem|div_clk~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X12_Y18_N1
dffeas \mem|div_clk (
	.clk(\clk~inputclkctrl_outclk ),
	.d(\mem|div_clk~feeder_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\light|div_clk~1_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mem|div_clk~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mem|div_clk .is_wysiwyg = "true";
defparam \mem|div_clk .power_up = "low";
// synopsys translate_on

// Location: CLKCTRL_G1
cycloneive_clkctrl \mem|div_clk~clkctrl (
	.ena(vcc),
	.inclk({vcc,vcc,vcc,\mem|div_clk~q }),
	.clkselect(2'b00),
	.devclrn(devclrn),
	.devpor(devpor),
	.outclk(\mem|div_clk~clkctrl_outclk ));
// synopsys translate_off
defparam \mem|div_clk~clkctrl .clock_type = "global clock";
defparam \mem|div_clk~clkctrl .ena_register_mode = "none";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N24
cycloneive_lcell_comb \mcpu|mcontrol|t0~0 (
// Equation(s):
// \mcpu|mcontrol|t0~0_combout  = !\mcpu|mcontrol|clr~5_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mcontrol|clr~5_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mcontrol|t0~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|t0~0 .lut_mask = 16'h0F0F;
defparam \mcpu|mcontrol|t0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: IOIBUF_X67_Y36_N1
cycloneive_io_ibuf \SW2~input (
	.i(SW2),
	.ibar(gnd),
	.o(\SW2~input_o ));
// synopsys translate_off
defparam \SW2~input .bus_hold = "false";
defparam \SW2~input .simulate_z_as = "z";
// synopsys translate_on

// Location: IOIBUF_X67_Y38_N8
cycloneive_io_ibuf \SW1~input (
	.i(SW1),
	.ibar(gnd),
	.o(\SW1~input_o ));
// synopsys translate_off
defparam \SW1~input .bus_hold = "false";
defparam \SW1~input .simulate_z_as = "z";
// synopsys translate_on

// Location: LCCOMB_X38_Y35_N0
cycloneive_lcell_comb \mcpu|mcontrol|reset (
// Equation(s):
// \mcpu|mcontrol|reset~combout  = ((!\SW1~input_o ) # (!\SW2~input_o )) # (!\rst~input_o )

	.dataa(\rst~input_o ),
	.datab(\SW2~input_o ),
	.datac(\SW1~input_o ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mcontrol|reset~combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|reset .lut_mask = 16'h7F7F;
defparam \mcpu|mcontrol|reset .sum_lutc_input = "datac";
// synopsys translate_on

// Location: CLKCTRL_G12
cycloneive_clkctrl \mcpu|mcontrol|reset~clkctrl (
	.ena(vcc),
	.inclk({vcc,vcc,vcc,\mcpu|mcontrol|reset~combout }),
	.clkselect(2'b00),
	.devclrn(devclrn),
	.devpor(devpor),
	.outclk(\mcpu|mcontrol|reset~clkctrl_outclk ));
// synopsys translate_off
defparam \mcpu|mcontrol|reset~clkctrl .clock_type = "global clock";
defparam \mcpu|mcontrol|reset~clkctrl .ena_register_mode = "none";
// synopsys translate_on

// Location: FF_X42_Y27_N25
dffeas \mcpu|mcontrol|t0 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|t0~0_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|t0~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|t0 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|t0 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N30
cycloneive_lcell_comb \mcpu|mcontrol|t1~0 (
// Equation(s):
// \mcpu|mcontrol|t1~0_combout  = (!\mcpu|mcontrol|clr~5_combout  & !\mcpu|mcontrol|t0~q )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mcontrol|clr~5_combout ),
	.datad(\mcpu|mcontrol|t0~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|t1~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|t1~0 .lut_mask = 16'h000F;
defparam \mcpu|mcontrol|t1~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y27_N31
dffeas \mcpu|mcontrol|t1 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|t1~0_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|t1~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|t1 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|t1 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N26
cycloneive_lcell_comb \mcpu|mcontrol|t2~0 (
// Equation(s):
// \mcpu|mcontrol|t2~0_combout  = (!\mcpu|mcontrol|clr~5_combout  & \mcpu|mcontrol|t1~q )

	.dataa(gnd),
	.datab(\mcpu|mcontrol|clr~5_combout ),
	.datac(\mcpu|mcontrol|t1~q ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mcontrol|t2~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|t2~0 .lut_mask = 16'h3030;
defparam \mcpu|mcontrol|t2~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y27_N27
dffeas \mcpu|mcontrol|t2 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|t2~0_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|t2~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|t2 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|t2 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N0
cycloneive_lcell_comb \mcpu|mcontrol|t3~0 (
// Equation(s):
// \mcpu|mcontrol|t3~0_combout  = (!\mcpu|mcontrol|clr~5_combout  & \mcpu|mcontrol|t2~q )

	.dataa(gnd),
	.datab(\mcpu|mcontrol|clr~5_combout ),
	.datac(\mcpu|mcontrol|t2~q ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mcontrol|t3~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|t3~0 .lut_mask = 16'h3030;
defparam \mcpu|mcontrol|t3~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y27_N1
dffeas \mcpu|mcontrol|t3 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|t3~0_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|t3~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|t3 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|t3 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N2
cycloneive_lcell_comb \mcpu|mcontrol|t4~0 (
// Equation(s):
// \mcpu|mcontrol|t4~0_combout  = (\mcpu|mcontrol|t3~q  & !\mcpu|mcontrol|clr~5_combout )

	.dataa(gnd),
	.datab(\mcpu|mcontrol|t3~q ),
	.datac(\mcpu|mcontrol|clr~5_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mcontrol|t4~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|t4~0 .lut_mask = 16'h0C0C;
defparam \mcpu|mcontrol|t4~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y27_N3
dffeas \mcpu|mcontrol|t4 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|t4~0_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|t4~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|t4 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|t4 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N14
cycloneive_lcell_comb \mcpu|mcontrol|t5~0 (
// Equation(s):
// \mcpu|mcontrol|t5~0_combout  = (!\mcpu|mcontrol|clr~5_combout  & \mcpu|mcontrol|t4~q )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mcontrol|clr~5_combout ),
	.datad(\mcpu|mcontrol|t4~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|t5~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|t5~0 .lut_mask = 16'h0F00;
defparam \mcpu|mcontrol|t5~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y27_N15
dffeas \mcpu|mcontrol|t5 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|t5~0_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|t5~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|t5 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|t5 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N6
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~8 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~8_combout  = (!\mcpu|mir|dout [1] & (\mcpu|mir|dout [0] & (!\mcpu|mir|dout [2] & \mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [1]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~8_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~8 .lut_mask = 16'h0400;
defparam \mcpu|mcontrol|Decoder0~8 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N14
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~14 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~14_combout  = (\mcpu|mir|dout [1] & (!\mcpu|mir|dout [0] & (\mcpu|mir|dout [2] & \mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [1]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~14_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~14 .lut_mask = 16'h2000;
defparam \mcpu|mcontrol|Decoder0~14 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y27_N15
dffeas \mcpu|mcontrol|ixor (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~14_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|ixor~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|ixor .is_wysiwyg = "true";
defparam \mcpu|mcontrol|ixor .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N16
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~13 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~13_combout  = (!\mcpu|mir|dout [1] & (\mcpu|mir|dout [0] & (\mcpu|mir|dout [2] & \mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [1]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~13_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~13 .lut_mask = 16'h4000;
defparam \mcpu|mcontrol|Decoder0~13 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y27_N17
dffeas \mcpu|mcontrol|ior (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~13_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|ior~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|ior .is_wysiwyg = "true";
defparam \mcpu|mcontrol|ior .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N14
cycloneive_lcell_comb \mcpu|mcontrol|rbus~0 (
// Equation(s):
// \mcpu|mcontrol|rbus~0_combout  = (\mcpu|mcontrol|t3~q  & ((\mcpu|mcontrol|ixor~q ) # ((\mcpu|mcontrol|ior~q ) # (!\mcpu|mcontrol|clr~0_combout ))))

	.dataa(\mcpu|mcontrol|ixor~q ),
	.datab(\mcpu|mcontrol|t3~q ),
	.datac(\mcpu|mcontrol|ior~q ),
	.datad(\mcpu|mcontrol|clr~0_combout ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|rbus~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|rbus~0 .lut_mask = 16'hC8CC;
defparam \mcpu|mcontrol|rbus~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N14
cycloneive_lcell_comb \mcpu|mr|dout[6]~feeder (
// Equation(s):
// \mcpu|mr|dout[6]~feeder_combout  = \mcpu|dbus[6]~41_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|dbus[6]~41_combout ),
	.cin(gnd),
	.combout(\mcpu|mr|dout[6]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mr|dout[6]~feeder .lut_mask = 16'hFF00;
defparam \mcpu|mr|dout[6]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N12
cycloneive_lcell_comb \mcpu|mcontrol|rload (
// Equation(s):
// \mcpu|mcontrol|rload~combout  = (\mcpu|mcontrol|t3~q  & \mcpu|mcontrol|imovac~q )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mcontrol|t3~q ),
	.datad(\mcpu|mcontrol|imovac~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|rload~combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|rload .lut_mask = 16'hF000;
defparam \mcpu|mcontrol|rload .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y27_N15
dffeas \mcpu|mr|dout[6] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mr|dout[6]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|rload~combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mr|dout [6]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mr|dout[6] .is_wysiwyg = "true";
defparam \mcpu|mr|dout[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N8
cycloneive_lcell_comb \mcpu|mcontrol|Mux0~0 (
// Equation(s):
// \mcpu|mcontrol|Mux0~0_combout  = (\mcpu|mir|dout [3] & (\mcpu|mir|dout [0] $ (((!\mcpu|mir|dout [2]) # (!\mcpu|mir|dout [1]))))) # (!\mcpu|mir|dout [3] & (\mcpu|mir|dout [0] & (!\mcpu|mir|dout [1] & !\mcpu|mir|dout [2])))

	.dataa(\mcpu|mir|dout [0]),
	.datab(\mcpu|mir|dout [1]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Mux0~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Mux0~0 .lut_mask = 16'h9502;
defparam \mcpu|mcontrol|Mux0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N24
cycloneive_lcell_comb \mcpu|mcontrol|Mux4~0 (
// Equation(s):
// \mcpu|mcontrol|Mux4~0_combout  = (\mcpu|mir|dout [3]) # ((!\mcpu|mir|dout [1] & (\mcpu|mir|dout [2] $ (\mcpu|mir|dout [0]))))

	.dataa(\mcpu|mir|dout [3]),
	.datab(\mcpu|mir|dout [2]),
	.datac(\mcpu|mir|dout [0]),
	.datad(\mcpu|mir|dout [1]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Mux4~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Mux4~0 .lut_mask = 16'hAABE;
defparam \mcpu|mcontrol|Mux4~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N22
cycloneive_lcell_comb \mcpu|mcontrol|alus[3]~0 (
// Equation(s):
// \mcpu|mcontrol|alus[3]~0_combout  = (\mcpu|mcontrol|Mux4~0_combout  & \mcpu|mcontrol|Equal1~0_combout )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mcontrol|Mux4~0_combout ),
	.datad(\mcpu|mcontrol|Equal1~0_combout ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|alus[3]~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|alus[3]~0 .lut_mask = 16'hF000;
defparam \mcpu|mcontrol|alus[3]~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y27_N9
dffeas \mcpu|mcontrol|alus[0]~reg0 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Mux0~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|alus[3]~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|alus[0]~reg0_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|alus[0]~reg0 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|alus[0]~reg0 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N14
cycloneive_lcell_comb \mcpu|mcontrol|Mux3~0 (
// Equation(s):
// \mcpu|mcontrol|Mux3~0_combout  = (\mcpu|mir|dout [0] & (!\mcpu|mir|dout [1] & (!\mcpu|mir|dout [2] & !\mcpu|mir|dout [3]))) # (!\mcpu|mir|dout [0] & (\mcpu|mir|dout [1] & (\mcpu|mir|dout [2] & \mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [0]),
	.datab(\mcpu|mir|dout [1]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Mux3~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Mux3~0 .lut_mask = 16'h4002;
defparam \mcpu|mcontrol|Mux3~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y27_N15
dffeas \mcpu|mcontrol|alus[3]~reg0 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Mux3~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|alus[3]~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|alus[3]~reg0_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|alus[3]~reg0 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|alus[3]~reg0 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N22
cycloneive_lcell_comb \mcpu|malu|Mux6~6 (
// Equation(s):
// \mcpu|malu|Mux6~6_combout  = (!\mcpu|mcontrol|alus[0]~reg0_q  & (\mcpu|mcontrol|alus[3]~reg0_q  & (\mcpu|mac|dout [6] $ (\mcpu|dbus[6]~41_combout ))))

	.dataa(\mcpu|mac|dout [6]),
	.datab(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datac(\mcpu|mcontrol|alus[3]~reg0_q ),
	.datad(\mcpu|dbus[6]~41_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux6~6_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux6~6 .lut_mask = 16'h1020;
defparam \mcpu|malu|Mux6~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N24
cycloneive_lcell_comb \mcpu|mcontrol|Mux2~0 (
// Equation(s):
// \mcpu|mcontrol|Mux2~0_combout  = (\mcpu|mir|dout [2] & ((\mcpu|mir|dout [0]) # (!\mcpu|mir|dout [1])))

	.dataa(\mcpu|mir|dout [0]),
	.datab(gnd),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [1]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Mux2~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Mux2~0 .lut_mask = 16'hA0F0;
defparam \mcpu|mcontrol|Mux2~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y27_N25
dffeas \mcpu|mcontrol|alus[2]~reg0 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Mux2~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|alus[3]~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|alus[2]~reg0_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|alus[2]~reg0 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|alus[2]~reg0 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N30
cycloneive_lcell_comb \mcpu|mcontrol|Mux1~0 (
// Equation(s):
// \mcpu|mcontrol|Mux1~0_combout  = (\mcpu|mir|dout [3] & (\mcpu|mir|dout [0] $ (((\mcpu|mir|dout [1] & !\mcpu|mir|dout [2])))))

	.dataa(\mcpu|mir|dout [0]),
	.datab(\mcpu|mir|dout [1]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Mux1~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Mux1~0 .lut_mask = 16'hA600;
defparam \mcpu|mcontrol|Mux1~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y27_N31
dffeas \mcpu|mcontrol|alus[1]~reg0 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Mux1~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|alus[3]~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|alus[1]~reg0_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|alus[1]~reg0 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|alus[1]~reg0 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N24
cycloneive_lcell_comb \mcpu|malu|Mux0~2 (
// Equation(s):
// \mcpu|malu|Mux0~2_combout  = (!\mcpu|mcontrol|alus[3]~reg0_q  & (((\mcpu|mcontrol|alus[0]~reg0_q ) # (\mcpu|mcontrol|alus[1]~reg0_q )) # (!\mcpu|mcontrol|alus[2]~reg0_q )))

	.dataa(\mcpu|mcontrol|alus[2]~reg0_q ),
	.datab(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datac(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datad(\mcpu|mcontrol|alus[3]~reg0_q ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux0~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux0~2 .lut_mask = 16'h00FD;
defparam \mcpu|malu|Mux0~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N18
cycloneive_lcell_comb \mcpu|malu|Mux2~3 (
// Equation(s):
// \mcpu|malu|Mux2~3_combout  = (\mcpu|mcontrol|alus[3]~reg0_q  & (((\mcpu|mcontrol|alus[0]~reg0_q )))) # (!\mcpu|mcontrol|alus[3]~reg0_q  & (!\mcpu|mcontrol|alus[1]~reg0_q  & (\mcpu|mcontrol|alus[2]~reg0_q  & !\mcpu|mcontrol|alus[0]~reg0_q )))

	.dataa(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datab(\mcpu|mcontrol|alus[2]~reg0_q ),
	.datac(\mcpu|mcontrol|alus[3]~reg0_q ),
	.datad(\mcpu|mcontrol|alus[0]~reg0_q ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux2~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux2~3 .lut_mask = 16'hF004;
defparam \mcpu|malu|Mux2~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N28
cycloneive_lcell_comb \mcpu|malu|Mux6~2 (
// Equation(s):
// \mcpu|malu|Mux6~2_combout  = (\mcpu|malu|Mux2~3_combout  & \mcpu|dbus[6]~41_combout )

	.dataa(gnd),
	.datab(\mcpu|malu|Mux2~3_combout ),
	.datac(gnd),
	.datad(\mcpu|dbus[6]~41_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux6~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux6~2 .lut_mask = 16'hCC00;
defparam \mcpu|malu|Mux6~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N26
cycloneive_lcell_comb \mcpu|malu|Mux2~2 (
// Equation(s):
// \mcpu|malu|Mux2~2_combout  = (\mcpu|mcontrol|alus[1]~reg0_q  & \mcpu|mcontrol|alus[2]~reg0_q )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datad(\mcpu|mcontrol|alus[2]~reg0_q ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux2~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux2~2 .lut_mask = 16'hF000;
defparam \mcpu|malu|Mux2~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N16
cycloneive_lcell_comb \mcpu|malu|Mux2~1 (
// Equation(s):
// \mcpu|malu|Mux2~1_combout  = (\mcpu|mcontrol|alus[2]~reg0_q  & ((\mcpu|mcontrol|alus[0]~reg0_q ) # (!\mcpu|mcontrol|alus[1]~reg0_q )))

	.dataa(\mcpu|mcontrol|alus[2]~reg0_q ),
	.datab(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datac(gnd),
	.datad(\mcpu|mcontrol|alus[0]~reg0_q ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux2~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux2~1 .lut_mask = 16'hAA22;
defparam \mcpu|malu|Mux2~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N16
cycloneive_lcell_comb \mcpu|malu|Mux2~0 (
// Equation(s):
// \mcpu|malu|Mux2~0_combout  = (\mcpu|mcontrol|alus[2]~reg0_q  & (!\mcpu|mcontrol|alus[1]~reg0_q )) # (!\mcpu|mcontrol|alus[2]~reg0_q  & ((\mcpu|mcontrol|alus[1]~reg0_q ) # (\mcpu|mcontrol|alus[0]~reg0_q )))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|alus[2]~reg0_q ),
	.datac(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datad(\mcpu|mcontrol|alus[0]~reg0_q ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux2~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux2~0 .lut_mask = 16'h3F3C;
defparam \mcpu|malu|Mux2~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N26
cycloneive_lcell_comb \mcpu|malu|Add0~20 (
// Equation(s):
// \mcpu|malu|Add0~20_combout  = (\mcpu|mcontrol|alus[1]~reg0_q  & (!\mcpu|mcontrol|alus[0]~reg0_q  & !\mcpu|dbus[6]~41_combout )) # (!\mcpu|mcontrol|alus[1]~reg0_q  & ((\mcpu|dbus[6]~41_combout )))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datac(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datad(\mcpu|dbus[6]~41_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Add0~20_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Add0~20 .lut_mask = 16'h0F30;
defparam \mcpu|malu|Add0~20 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N6
cycloneive_lcell_comb \mcpu|malu|Mux5~2 (
// Equation(s):
// \mcpu|malu|Mux5~2_combout  = (\mcpu|malu|Mux2~3_combout  & \mcpu|dbus[5]~35_combout )

	.dataa(gnd),
	.datab(\mcpu|malu|Mux2~3_combout ),
	.datac(\mcpu|dbus[5]~35_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|malu|Mux5~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux5~2 .lut_mask = 16'hC0C0;
defparam \mcpu|malu|Mux5~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N16
cycloneive_lcell_comb \mcpu|malu|Mux5~6 (
// Equation(s):
// \mcpu|malu|Mux5~6_combout  = (!\mcpu|mcontrol|alus[0]~reg0_q  & (\mcpu|mcontrol|alus[3]~reg0_q  & (\mcpu|dbus[5]~35_combout  $ (\mcpu|mac|dout [5]))))

	.dataa(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datab(\mcpu|dbus[5]~35_combout ),
	.datac(\mcpu|mac|dout [5]),
	.datad(\mcpu|mcontrol|alus[3]~reg0_q ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux5~6_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux5~6 .lut_mask = 16'h1400;
defparam \mcpu|malu|Mux5~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N6
cycloneive_lcell_comb \mcpu|malu|dout~5 (
// Equation(s):
// \mcpu|malu|dout~5_combout  = (\mcpu|mac|dout [5] & \mcpu|dbus[5]~35_combout )

	.dataa(\mcpu|mac|dout [5]),
	.datab(\mcpu|dbus[5]~35_combout ),
	.datac(gnd),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|malu|dout~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|dout~5 .lut_mask = 16'h8888;
defparam \mcpu|malu|dout~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N20
cycloneive_lcell_comb \mm|Equal1~0 (
// Equation(s):
// \mm|Equal1~0_combout  = (\SW2~input_o  & \SW1~input_o )

	.dataa(gnd),
	.datab(gnd),
	.datac(\SW2~input_o ),
	.datad(\SW1~input_o ),
	.cin(gnd),
	.combout(\mm|Equal1~0_combout ),
	.cout());
// synopsys translate_off
defparam \mm|Equal1~0 .lut_mask = 16'hF000;
defparam \mm|Equal1~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N10
cycloneive_lcell_comb \mcpu|mcontrol|t6~0 (
// Equation(s):
// \mcpu|mcontrol|t6~0_combout  = (!\mcpu|mcontrol|clr~5_combout  & \mcpu|mcontrol|t5~q )

	.dataa(gnd),
	.datab(\mcpu|mcontrol|clr~5_combout ),
	.datac(\mcpu|mcontrol|t5~q ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mcontrol|t6~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|t6~0 .lut_mask = 16'h3030;
defparam \mcpu|mcontrol|t6~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y27_N11
dffeas \mcpu|mcontrol|t6 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|t6~0_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|t6~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|t6 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|t6 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N12
cycloneive_lcell_comb \mcpu|mcontrol|read~0 (
// Equation(s):
// \mcpu|mcontrol|read~0_combout  = (\mcpu|mcontrol|t3~q ) # (\mcpu|mcontrol|t4~q )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mcontrol|t3~q ),
	.datad(\mcpu|mcontrol|t4~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|read~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|read~0 .lut_mask = 16'hFFF0;
defparam \mcpu|mcontrol|read~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N2
cycloneive_lcell_comb \mcpu|mcontrol|read~1 (
// Equation(s):
// \mcpu|mcontrol|read~1_combout  = (!\mcpu|mcontrol|t1~q  & (((\mcpu|mcontrol|arinc~0_combout  & \mcpu|mcontrol|zload~2_combout )) # (!\mcpu|mcontrol|read~0_combout )))

	.dataa(\mcpu|mcontrol|read~0_combout ),
	.datab(\mcpu|mcontrol|arinc~0_combout ),
	.datac(\mcpu|mcontrol|t1~q ),
	.datad(\mcpu|mcontrol|zload~2_combout ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|read~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|read~1 .lut_mask = 16'h0D05;
defparam \mcpu|mcontrol|read~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N6
cycloneive_lcell_comb \mm|data_out[0]~10 (
// Equation(s):
// \mm|data_out[0]~10_combout  = (\mm|Equal1~0_combout  & (((\mcpu|mcontrol|ildac~q  & \mcpu|mcontrol|t6~q )) # (!\mcpu|mcontrol|read~1_combout )))

	.dataa(\mm|Equal1~0_combout ),
	.datab(\mcpu|mcontrol|ildac~q ),
	.datac(\mcpu|mcontrol|t6~q ),
	.datad(\mcpu|mcontrol|read~1_combout ),
	.cin(gnd),
	.combout(\mm|data_out[0]~10_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out[0]~10 .lut_mask = 16'h80AA;
defparam \mm|data_out[0]~10 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N4
cycloneive_lcell_comb \mcpu|mcontrol|t7~0 (
// Equation(s):
// \mcpu|mcontrol|t7~0_combout  = (!\mcpu|mcontrol|clr~5_combout  & \mcpu|mcontrol|t6~q )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mcontrol|clr~5_combout ),
	.datad(\mcpu|mcontrol|t6~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|t7~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|t7~0 .lut_mask = 16'h0F00;
defparam \mcpu|mcontrol|t7~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y27_N5
dffeas \mcpu|mcontrol|t7 (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|t7~0_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|t7~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|t7 .is_wysiwyg = "true";
defparam \mcpu|mcontrol|t7 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N0
cycloneive_lcell_comb \mcpu|mcontrol|busmem (
// Equation(s):
// \mcpu|mcontrol|busmem~combout  = (\mcpu|mcontrol|istac~q  & \mcpu|mcontrol|t7~q )

	.dataa(gnd),
	.datab(\mcpu|mcontrol|istac~q ),
	.datac(gnd),
	.datad(\mcpu|mcontrol|t7~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|busmem~combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|busmem .lut_mask = 16'hCC00;
defparam \mcpu|mcontrol|busmem .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N14
cycloneive_lcell_comb \mcpu|data_out[0]~24 (
// Equation(s):
// \mcpu|data_out[0]~24_combout  = (((\mcpu|dbus[0]~8_combout ) # (!\mcpu|mcontrol|t7~q )) # (!\mcpu|dbus[0]~9_combout )) # (!\mcpu|mcontrol|istac~q )

	.dataa(\mcpu|mcontrol|istac~q ),
	.datab(\mcpu|dbus[0]~9_combout ),
	.datac(\mcpu|mcontrol|t7~q ),
	.datad(\mcpu|dbus[0]~8_combout ),
	.cin(gnd),
	.combout(\mcpu|data_out[0]~24_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|data_out[0]~24 .lut_mask = 16'hFF7F;
defparam \mcpu|data_out[0]~24 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N8
cycloneive_lcell_comb \mcpu|mcontrol|arinc~1 (
// Equation(s):
// \mcpu|mcontrol|arinc~1_combout  = ((\mcpu|mcontrol|arinc~0_combout  & \mcpu|mcontrol|zload~2_combout )) # (!\mcpu|mcontrol|t3~q )

	.dataa(gnd),
	.datab(\mcpu|mcontrol|arinc~0_combout ),
	.datac(\mcpu|mcontrol|t3~q ),
	.datad(\mcpu|mcontrol|zload~2_combout ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|arinc~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|arinc~1 .lut_mask = 16'hCF0F;
defparam \mcpu|mcontrol|arinc~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N0
cycloneive_lcell_comb \mcpu|mar|Add0~0 (
// Equation(s):
// \mcpu|mar|Add0~0_combout  = \mcpu|mar|dout [0] $ (VCC)
// \mcpu|mar|Add0~1  = CARRY(\mcpu|mar|dout [0])

	.dataa(gnd),
	.datab(\mcpu|mar|dout [0]),
	.datac(gnd),
	.datad(vcc),
	.cin(gnd),
	.combout(\mcpu|mar|Add0~0_combout ),
	.cout(\mcpu|mar|Add0~1 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~0 .lut_mask = 16'h33CC;
defparam \mcpu|mar|Add0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X44_Y28_N20
cycloneive_lcell_comb \mcpu|mar|dout~3 (
// Equation(s):
// \mcpu|mar|dout~3_combout  = (\mcpu|mcontrol|arload~0_combout  & (((\mcpu|dbus[0]~8_combout ) # (!\mcpu|dbus[0]~9_combout )))) # (!\mcpu|mcontrol|arload~0_combout  & (\mcpu|mar|Add0~0_combout ))

	.dataa(\mcpu|mar|Add0~0_combout ),
	.datab(\mcpu|dbus[0]~8_combout ),
	.datac(\mcpu|mcontrol|arload~0_combout ),
	.datad(\mcpu|dbus[0]~9_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~3 .lut_mask = 16'hCAFA;
defparam \mcpu|mar|dout~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X45_Y28_N16
cycloneive_lcell_comb \mcpu|mar|dout[0]~feeder (
// Equation(s):
// \mcpu|mar|dout[0]~feeder_combout  = \mcpu|mar|dout~3_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|mar|dout~3_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout[0]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout[0]~feeder .lut_mask = 16'hFF00;
defparam \mcpu|mar|dout[0]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N30
cycloneive_lcell_comb \mcpu|mar|dout[0]~28 (
// Equation(s):
// \mcpu|mar|dout[0]~28_combout  = (\mcpu|mcontrol|arload~0_combout ) # ((\mcpu|mcontrol|t3~q  & ((!\mcpu|mcontrol|zload~2_combout ) # (!\mcpu|mcontrol|arinc~0_combout ))))

	.dataa(\mcpu|mcontrol|arinc~0_combout ),
	.datab(\mcpu|mcontrol|arload~0_combout ),
	.datac(\mcpu|mcontrol|t3~q ),
	.datad(\mcpu|mcontrol|zload~2_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout[0]~28_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout[0]~28 .lut_mask = 16'hDCFC;
defparam \mcpu|mar|dout[0]~28 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X45_Y28_N17
dffeas \mcpu|mar|dout[0] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout[0]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mar|dout[0]~28_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [0]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[0] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N2
cycloneive_lcell_comb \mcpu|mar|Add0~2 (
// Equation(s):
// \mcpu|mar|Add0~2_combout  = (\mcpu|mar|dout [1] & (!\mcpu|mar|Add0~1 )) # (!\mcpu|mar|dout [1] & ((\mcpu|mar|Add0~1 ) # (GND)))
// \mcpu|mar|Add0~3  = CARRY((!\mcpu|mar|Add0~1 ) # (!\mcpu|mar|dout [1]))

	.dataa(\mcpu|mar|dout [1]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~1 ),
	.combout(\mcpu|mar|Add0~2_combout ),
	.cout(\mcpu|mar|Add0~3 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~2 .lut_mask = 16'h5A5F;
defparam \mcpu|mar|Add0~2 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N22
cycloneive_lcell_comb \mcpu|malu|Mux0~4 (
// Equation(s):
// \mcpu|malu|Mux0~4_combout  = (\mcpu|mcontrol|alus[3]~reg0_q  & !\mcpu|mcontrol|alus[0]~reg0_q )

	.dataa(gnd),
	.datab(\mcpu|mcontrol|alus[3]~reg0_q ),
	.datac(gnd),
	.datad(\mcpu|mcontrol|alus[0]~reg0_q ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux0~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux0~4 .lut_mask = 16'h00CC;
defparam \mcpu|malu|Mux0~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N26
cycloneive_lcell_comb \mcpu|malu|Add0~5 (
// Equation(s):
// \mcpu|malu|Add0~5_combout  = (\mcpu|mcontrol|alus[1]~reg0_q  & (!\mcpu|mcontrol|alus[0]~reg0_q  & (\mcpu|dbus[0]~9_combout  & !\mcpu|dbus[1]~14_combout ))) # (!\mcpu|mcontrol|alus[1]~reg0_q  & (((\mcpu|dbus[1]~14_combout ) # (!\mcpu|dbus[0]~9_combout ))))

	.dataa(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datab(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[1]~14_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Add0~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Add0~5 .lut_mask = 16'h5525;
defparam \mcpu|malu|Add0~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N30
cycloneive_lcell_comb \mcpu|malu|Add0~0 (
// Equation(s):
// \mcpu|malu|Add0~0_combout  = (\mcpu|mcontrol|alus[1]~reg0_q  & ((\mcpu|mcontrol|alus[0]~reg0_q ) # ((\mcpu|dbus[0]~9_combout  & !\mcpu|dbus[0]~8_combout )))) # (!\mcpu|mcontrol|alus[1]~reg0_q  & (((\mcpu|dbus[0]~8_combout ) # (!\mcpu|dbus[0]~9_combout 
// ))))

	.dataa(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datab(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[0]~8_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Add0~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Add0~0 .lut_mask = 16'hDDAD;
defparam \mcpu|malu|Add0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N0
cycloneive_lcell_comb \mcpu|malu|Add0~2 (
// Equation(s):
// \mcpu|malu|Add0~2_cout  = CARRY(!\mcpu|mcontrol|alus[0]~reg0_q )

	.dataa(gnd),
	.datab(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datac(gnd),
	.datad(vcc),
	.cin(gnd),
	.combout(),
	.cout(\mcpu|malu|Add0~2_cout ));
// synopsys translate_off
defparam \mcpu|malu|Add0~2 .lut_mask = 16'h0033;
defparam \mcpu|malu|Add0~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N2
cycloneive_lcell_comb \mcpu|malu|Add0~3 (
// Equation(s):
// \mcpu|malu|Add0~3_combout  = (\mcpu|malu|Add0~0_combout  & ((\mcpu|mac|dout [0] & (\mcpu|malu|Add0~2_cout  & VCC)) # (!\mcpu|mac|dout [0] & (!\mcpu|malu|Add0~2_cout )))) # (!\mcpu|malu|Add0~0_combout  & ((\mcpu|mac|dout [0] & (!\mcpu|malu|Add0~2_cout )) # 
// (!\mcpu|mac|dout [0] & ((\mcpu|malu|Add0~2_cout ) # (GND)))))
// \mcpu|malu|Add0~4  = CARRY((\mcpu|malu|Add0~0_combout  & (!\mcpu|mac|dout [0] & !\mcpu|malu|Add0~2_cout )) # (!\mcpu|malu|Add0~0_combout  & ((!\mcpu|malu|Add0~2_cout ) # (!\mcpu|mac|dout [0]))))

	.dataa(\mcpu|malu|Add0~0_combout ),
	.datab(\mcpu|mac|dout [0]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|malu|Add0~2_cout ),
	.combout(\mcpu|malu|Add0~3_combout ),
	.cout(\mcpu|malu|Add0~4 ));
// synopsys translate_off
defparam \mcpu|malu|Add0~3 .lut_mask = 16'h9617;
defparam \mcpu|malu|Add0~3 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N12
cycloneive_lcell_comb \mcpu|malu|dout~0 (
// Equation(s):
// \mcpu|malu|dout~0_combout  = (\mcpu|mac|dout [0] & ((\mcpu|dbus[0]~8_combout ) # (!\mcpu|dbus[0]~9_combout )))

	.dataa(gnd),
	.datab(\mcpu|dbus[0]~8_combout ),
	.datac(\mcpu|mac|dout [0]),
	.datad(\mcpu|dbus[0]~9_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|dout~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|dout~0 .lut_mask = 16'hC0F0;
defparam \mcpu|malu|dout~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N18
cycloneive_lcell_comb \mcpu|malu|Mux0~0 (
// Equation(s):
// \mcpu|malu|Mux0~0_combout  = (\mcpu|malu|Mux2~1_combout  & (((\mcpu|malu|dout~0_combout )) # (!\mcpu|malu|Mux2~0_combout ))) # (!\mcpu|malu|Mux2~1_combout  & (\mcpu|malu|Mux2~0_combout  & (\mcpu|malu|Add0~3_combout )))

	.dataa(\mcpu|malu|Mux2~1_combout ),
	.datab(\mcpu|malu|Mux2~0_combout ),
	.datac(\mcpu|malu|Add0~3_combout ),
	.datad(\mcpu|malu|dout~0_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux0~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux0~0 .lut_mask = 16'hEA62;
defparam \mcpu|malu|Mux0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N16
cycloneive_lcell_comb \mcpu|malu|Mux0~1 (
// Equation(s):
// \mcpu|malu|Mux0~1_combout  = (\mcpu|mac|dout [0] & (\mcpu|malu|Mux2~2_combout  $ (((\mcpu|malu|Mux0~0_combout ))))) # (!\mcpu|mac|dout [0] & ((\mcpu|malu|Mux0~0_combout ) # ((\mcpu|malu|Mux2~2_combout  & \mcpu|dbus[0]~51_combout ))))

	.dataa(\mcpu|mac|dout [0]),
	.datab(\mcpu|malu|Mux2~2_combout ),
	.datac(\mcpu|dbus[0]~51_combout ),
	.datad(\mcpu|malu|Mux0~0_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux0~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux0~1 .lut_mask = 16'h77C8;
defparam \mcpu|malu|Mux0~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N2
cycloneive_lcell_comb \mcpu|malu|Mux0~3 (
// Equation(s):
// \mcpu|malu|Mux0~3_combout  = (\mcpu|malu|Mux2~3_combout  & ((\mcpu|dbus[0]~51_combout ) # ((\mcpu|malu|Mux0~2_combout  & \mcpu|malu|Mux0~1_combout )))) # (!\mcpu|malu|Mux2~3_combout  & (\mcpu|malu|Mux0~2_combout  & ((\mcpu|malu|Mux0~1_combout ))))

	.dataa(\mcpu|malu|Mux2~3_combout ),
	.datab(\mcpu|malu|Mux0~2_combout ),
	.datac(\mcpu|dbus[0]~51_combout ),
	.datad(\mcpu|malu|Mux0~1_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux0~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux0~3 .lut_mask = 16'hECA0;
defparam \mcpu|malu|Mux0~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N22
cycloneive_lcell_comb \mcpu|malu|Mux0~5 (
// Equation(s):
// \mcpu|malu|Mux0~5_combout  = (\mcpu|malu|Mux0~3_combout ) # ((\mcpu|malu|Mux0~4_combout  & (\mcpu|dbus[0]~51_combout  $ (\mcpu|mac|dout [0]))))

	.dataa(\mcpu|malu|Mux0~4_combout ),
	.datab(\mcpu|dbus[0]~51_combout ),
	.datac(\mcpu|mac|dout [0]),
	.datad(\mcpu|malu|Mux0~3_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux0~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux0~5 .lut_mask = 16'hFF28;
defparam \mcpu|malu|Mux0~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N2
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~11 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~11_combout  = (\mcpu|mir|dout [1] & (!\mcpu|mir|dout [0] & (!\mcpu|mir|dout [2] & \mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [1]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~11_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~11 .lut_mask = 16'h0200;
defparam \mcpu|mcontrol|Decoder0~11 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y27_N3
dffeas \mcpu|mcontrol|iinac (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~11_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|iinac~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|iinac .is_wysiwyg = "true";
defparam \mcpu|mcontrol|iinac .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N4
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~12 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~12_combout  = (\mcpu|mir|dout [1] & (\mcpu|mir|dout [0] & (!\mcpu|mir|dout [2] & \mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [1]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~12_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~12 .lut_mask = 16'h0800;
defparam \mcpu|mcontrol|Decoder0~12 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y27_N5
dffeas \mcpu|mcontrol|iclac (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~12_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|iclac~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|iclac .is_wysiwyg = "true";
defparam \mcpu|mcontrol|iclac .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N0
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~10 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~10_combout  = (\mcpu|mir|dout [1] & (\mcpu|mir|dout [0] & (\mcpu|mir|dout [2] & \mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [1]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~10_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~10 .lut_mask = 16'h8000;
defparam \mcpu|mcontrol|Decoder0~10 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y27_N1
dffeas \mcpu|mcontrol|inot (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~10_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|inot~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|inot .is_wysiwyg = "true";
defparam \mcpu|mcontrol|inot .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N18
cycloneive_lcell_comb \mcpu|mcontrol|clr~1 (
// Equation(s):
// \mcpu|mcontrol|clr~1_combout  = (!\mcpu|mcontrol|iinac~q  & (!\mcpu|mcontrol|iclac~q  & !\mcpu|mcontrol|inot~q ))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|iinac~q ),
	.datac(\mcpu|mcontrol|iclac~q ),
	.datad(\mcpu|mcontrol|inot~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|clr~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|clr~1 .lut_mask = 16'h0003;
defparam \mcpu|mcontrol|clr~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N12
cycloneive_lcell_comb \mcpu|mcontrol|clr~2 (
// Equation(s):
// \mcpu|mcontrol|clr~2_combout  = (\mcpu|mcontrol|clr~0_combout  & (!\mcpu|mcontrol|ior~q  & (!\mcpu|mcontrol|ixor~q  & \mcpu|mcontrol|clr~1_combout )))

	.dataa(\mcpu|mcontrol|clr~0_combout ),
	.datab(\mcpu|mcontrol|ior~q ),
	.datac(\mcpu|mcontrol|ixor~q ),
	.datad(\mcpu|mcontrol|clr~1_combout ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|clr~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|clr~2 .lut_mask = 16'h0200;
defparam \mcpu|mcontrol|clr~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X36_Y27_N22
cycloneive_lcell_comb \mcpu|mcontrol|acload~0 (
// Equation(s):
// \mcpu|mcontrol|acload~0_combout  = (\mcpu|mcontrol|t3~q  & (((\mcpu|mcontrol|t7~q  & \mcpu|mcontrol|ildac~q )) # (!\mcpu|mcontrol|clr~2_combout ))) # (!\mcpu|mcontrol|t3~q  & (((\mcpu|mcontrol|t7~q  & \mcpu|mcontrol|ildac~q ))))

	.dataa(\mcpu|mcontrol|t3~q ),
	.datab(\mcpu|mcontrol|clr~2_combout ),
	.datac(\mcpu|mcontrol|t7~q ),
	.datad(\mcpu|mcontrol|ildac~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|acload~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|acload~0 .lut_mask = 16'hF222;
defparam \mcpu|mcontrol|acload~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y28_N23
dffeas \mcpu|mac|dout[0] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|malu|Mux0~5_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|acload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mac|dout [0]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mac|dout[0] .is_wysiwyg = "true";
defparam \mcpu|mac|dout[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N4
cycloneive_lcell_comb \mcpu|malu|Add0~6 (
// Equation(s):
// \mcpu|malu|Add0~6_combout  = ((\mcpu|mac|dout [1] $ (\mcpu|malu|Add0~5_combout  $ (!\mcpu|malu|Add0~4 )))) # (GND)
// \mcpu|malu|Add0~7  = CARRY((\mcpu|mac|dout [1] & ((\mcpu|malu|Add0~5_combout ) # (!\mcpu|malu|Add0~4 ))) # (!\mcpu|mac|dout [1] & (\mcpu|malu|Add0~5_combout  & !\mcpu|malu|Add0~4 )))

	.dataa(\mcpu|mac|dout [1]),
	.datab(\mcpu|malu|Add0~5_combout ),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|malu|Add0~4 ),
	.combout(\mcpu|malu|Add0~6_combout ),
	.cout(\mcpu|malu|Add0~7 ));
// synopsys translate_off
defparam \mcpu|malu|Add0~6 .lut_mask = 16'h698E;
defparam \mcpu|malu|Add0~6 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N0
cycloneive_lcell_comb \mcpu|malu|dout~1 (
// Equation(s):
// \mcpu|malu|dout~1_combout  = (\mcpu|mac|dout [1] & ((\mcpu|dbus[1]~14_combout ) # (!\mcpu|dbus[0]~9_combout )))

	.dataa(\mcpu|mac|dout [1]),
	.datab(gnd),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[1]~14_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|dout~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|dout~1 .lut_mask = 16'hAA0A;
defparam \mcpu|malu|dout~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N4
cycloneive_lcell_comb \mcpu|malu|Mux1~0 (
// Equation(s):
// \mcpu|malu|Mux1~0_combout  = (\mcpu|malu|Mux2~1_combout  & (((\mcpu|malu|dout~1_combout )) # (!\mcpu|malu|Mux2~0_combout ))) # (!\mcpu|malu|Mux2~1_combout  & (\mcpu|malu|Mux2~0_combout  & (\mcpu|malu|Add0~6_combout )))

	.dataa(\mcpu|malu|Mux2~1_combout ),
	.datab(\mcpu|malu|Mux2~0_combout ),
	.datac(\mcpu|malu|Add0~6_combout ),
	.datad(\mcpu|malu|dout~1_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux1~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux1~0 .lut_mask = 16'hEA62;
defparam \mcpu|malu|Mux1~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N6
cycloneive_lcell_comb \mcpu|malu|Mux1~1 (
// Equation(s):
// \mcpu|malu|Mux1~1_combout  = (\mcpu|malu|Mux2~2_combout  & ((\mcpu|mac|dout [1] & ((!\mcpu|malu|Mux1~0_combout ))) # (!\mcpu|mac|dout [1] & ((\mcpu|dbus[1]~53_combout ) # (\mcpu|malu|Mux1~0_combout ))))) # (!\mcpu|malu|Mux2~2_combout  & 
// (((\mcpu|malu|Mux1~0_combout ))))

	.dataa(\mcpu|malu|Mux2~2_combout ),
	.datab(\mcpu|mac|dout [1]),
	.datac(\mcpu|dbus[1]~53_combout ),
	.datad(\mcpu|malu|Mux1~0_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux1~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux1~1 .lut_mask = 16'h77A8;
defparam \mcpu|malu|Mux1~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N28
cycloneive_lcell_comb \mcpu|malu|Mux1~2 (
// Equation(s):
// \mcpu|malu|Mux1~2_combout  = (\mcpu|malu|Mux0~2_combout  & ((\mcpu|malu|Mux1~1_combout ) # ((\mcpu|malu|Mux2~3_combout  & \mcpu|dbus[1]~53_combout )))) # (!\mcpu|malu|Mux0~2_combout  & (\mcpu|malu|Mux2~3_combout  & (\mcpu|dbus[1]~53_combout )))

	.dataa(\mcpu|malu|Mux0~2_combout ),
	.datab(\mcpu|malu|Mux2~3_combout ),
	.datac(\mcpu|dbus[1]~53_combout ),
	.datad(\mcpu|malu|Mux1~1_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux1~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux1~2 .lut_mask = 16'hEAC0;
defparam \mcpu|malu|Mux1~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N16
cycloneive_lcell_comb \mcpu|malu|Mux1~3 (
// Equation(s):
// \mcpu|malu|Mux1~3_combout  = (\mcpu|malu|Mux1~2_combout ) # ((\mcpu|malu|Mux0~4_combout  & (\mcpu|dbus[1]~53_combout  $ (\mcpu|mac|dout [1]))))

	.dataa(\mcpu|dbus[1]~53_combout ),
	.datab(\mcpu|malu|Mux0~4_combout ),
	.datac(\mcpu|mac|dout [1]),
	.datad(\mcpu|malu|Mux1~2_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux1~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux1~3 .lut_mask = 16'hFF48;
defparam \mcpu|malu|Mux1~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y28_N17
dffeas \mcpu|mac|dout[1] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|malu|Mux1~3_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|acload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mac|dout [1]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mac|dout[1] .is_wysiwyg = "true";
defparam \mcpu|mac|dout[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N6
cycloneive_lcell_comb \mcpu|mcontrol|clr~6 (
// Equation(s):
// \mcpu|mcontrol|clr~6_combout  = (!\mcpu|mcontrol|ior~q  & !\mcpu|mcontrol|ixor~q )

	.dataa(\mcpu|mcontrol|ior~q ),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|mcontrol|ixor~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|clr~6_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|clr~6 .lut_mask = 16'h0055;
defparam \mcpu|mcontrol|clr~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y27_N29
dffeas \mcpu|mr|dout[1] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|dbus[1]~53_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|rload~combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mr|dout [1]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mr|dout[1] .is_wysiwyg = "true";
defparam \mcpu|mr|dout[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N28
cycloneive_lcell_comb \mcpu|dbus[1]~11 (
// Equation(s):
// \mcpu|dbus[1]~11_combout  = (\mcpu|mr|dout [1]) # (((\mcpu|mcontrol|clr~0_combout  & \mcpu|mcontrol|clr~6_combout )) # (!\mcpu|mcontrol|t3~q ))

	.dataa(\mcpu|mcontrol|clr~0_combout ),
	.datab(\mcpu|mcontrol|clr~6_combout ),
	.datac(\mcpu|mr|dout [1]),
	.datad(\mcpu|mcontrol|t3~q ),
	.cin(gnd),
	.combout(\mcpu|dbus[1]~11_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[1]~11 .lut_mask = 16'hF8FF;
defparam \mcpu|dbus[1]~11 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N4
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~1 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~1_combout  = (\mcpu|mir|dout [0] & (!\mcpu|mir|dout [1] & (\mcpu|mir|dout [2] & !\mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [0]),
	.datab(\mcpu|mir|dout [1]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~1 .lut_mask = 16'h0020;
defparam \mcpu|mcontrol|Decoder0~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y27_N5
dffeas \mcpu|mcontrol|ijump (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~1_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|ijump~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|ijump .is_wysiwyg = "true";
defparam \mcpu|mcontrol|ijump .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N10
cycloneive_lcell_comb \mcpu|mcontrol|zload~3 (
// Equation(s):
// \mcpu|mcontrol|zload~3_combout  = (\mcpu|mcontrol|t5~q  & ((\mcpu|mcontrol|ijump~q ) # (!\mcpu|mcontrol|zload~2_combout )))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|t5~q ),
	.datac(\mcpu|mcontrol|zload~2_combout ),
	.datad(\mcpu|mcontrol|ijump~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|zload~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|zload~3 .lut_mask = 16'hCC0C;
defparam \mcpu|mcontrol|zload~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X36_Y27_N20
cycloneive_lcell_comb \mcpu|mcontrol|zload~4 (
// Equation(s):
// \mcpu|mcontrol|zload~4_combout  = (\mcpu|mcontrol|acload~0_combout ) # ((\mcpu|mcontrol|zload~3_combout ) # ((\mcpu|mcontrol|t7~q  & \mcpu|mcontrol|istac~q )))

	.dataa(\mcpu|mcontrol|acload~0_combout ),
	.datab(\mcpu|mcontrol|t7~q ),
	.datac(\mcpu|mcontrol|istac~q ),
	.datad(\mcpu|mcontrol|zload~3_combout ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|zload~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|zload~4 .lut_mask = 16'hFFEA;
defparam \mcpu|mcontrol|zload~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y26_N11
dffeas \mcpu|mtr|dout[3] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mdr|dout [3]),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|trload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mtr|dout [3]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mtr|dout[3] .is_wysiwyg = "true";
defparam \mcpu|mtr|dout[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N10
cycloneive_lcell_comb \mcpu|dbus[3]~20 (
// Equation(s):
// \mcpu|dbus[3]~20_combout  = (\mcpu|mtr|dout [3]) # (((\mcpu|mcontrol|zload~2_combout  & \mcpu|mcontrol|arinc~0_combout )) # (!\mcpu|mcontrol|t5~q ))

	.dataa(\mcpu|mcontrol|zload~2_combout ),
	.datab(\mcpu|mcontrol|arinc~0_combout ),
	.datac(\mcpu|mtr|dout [3]),
	.datad(\mcpu|mcontrol|t5~q ),
	.cin(gnd),
	.combout(\mcpu|dbus[3]~20_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[3]~20 .lut_mask = 16'hF8FF;
defparam \mcpu|dbus[3]~20 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N24
cycloneive_lcell_comb \mcpu|data_out[3]~27 (
// Equation(s):
// \mcpu|data_out[3]~27_combout  = (((\mcpu|dbus[3]~24_combout ) # (!\mcpu|mcontrol|t7~q )) # (!\mcpu|dbus[0]~9_combout )) # (!\mcpu|mcontrol|istac~q )

	.dataa(\mcpu|mcontrol|istac~q ),
	.datab(\mcpu|dbus[0]~9_combout ),
	.datac(\mcpu|mcontrol|t7~q ),
	.datad(\mcpu|dbus[3]~24_combout ),
	.cin(gnd),
	.combout(\mcpu|data_out[3]~27_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|data_out[3]~27 .lut_mask = 16'hFF7F;
defparam \mcpu|data_out[3]~27 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N10
cycloneive_lcell_comb \mcpu|mar|Add0~10 (
// Equation(s):
// \mcpu|mar|Add0~10_combout  = (\mcpu|mar|dout [5] & (!\mcpu|mar|Add0~9 )) # (!\mcpu|mar|dout [5] & ((\mcpu|mar|Add0~9 ) # (GND)))
// \mcpu|mar|Add0~11  = CARRY((!\mcpu|mar|Add0~9 ) # (!\mcpu|mar|dout [5]))

	.dataa(gnd),
	.datab(\mcpu|mar|dout [5]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~9 ),
	.combout(\mcpu|mar|Add0~10_combout ),
	.cout(\mcpu|mar|Add0~11 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~10 .lut_mask = 16'h3C3F;
defparam \mcpu|mar|Add0~10 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N12
cycloneive_lcell_comb \mcpu|mar|Add0~12 (
// Equation(s):
// \mcpu|mar|Add0~12_combout  = (\mcpu|mar|dout [6] & (\mcpu|mar|Add0~11  $ (GND))) # (!\mcpu|mar|dout [6] & (!\mcpu|mar|Add0~11  & VCC))
// \mcpu|mar|Add0~13  = CARRY((\mcpu|mar|dout [6] & !\mcpu|mar|Add0~11 ))

	.dataa(gnd),
	.datab(\mcpu|mar|dout [6]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~11 ),
	.combout(\mcpu|mar|Add0~12_combout ),
	.cout(\mcpu|mar|Add0~13 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~12 .lut_mask = 16'hC30C;
defparam \mcpu|mar|Add0~12 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N18
cycloneive_lcell_comb \mcpu|mar|dout~10 (
// Equation(s):
// \mcpu|mar|dout~10_combout  = (!\mcpu|mcontrol|arload~0_combout  & ((\mcpu|mcontrol|arinc~1_combout  & ((\mcpu|mar|dout [6]))) # (!\mcpu|mcontrol|arinc~1_combout  & (\mcpu|mar|Add0~12_combout ))))

	.dataa(\mcpu|mar|Add0~12_combout ),
	.datab(\mcpu|mcontrol|arinc~1_combout ),
	.datac(\mcpu|mcontrol|arload~0_combout ),
	.datad(\mcpu|mar|dout [6]),
	.cin(gnd),
	.combout(\mcpu|mar|dout~10_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~10 .lut_mask = 16'h0E02;
defparam \mcpu|mar|dout~10 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N28
cycloneive_lcell_comb \mcpu|mar|dout~11 (
// Equation(s):
// \mcpu|mar|dout~11_combout  = (\mcpu|mar|dout~10_combout ) # ((\mcpu|mcontrol|arload~0_combout  & \mcpu|dbus[6]~41_combout ))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|arload~0_combout ),
	.datac(\mcpu|dbus[6]~41_combout ),
	.datad(\mcpu|mar|dout~10_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~11_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~11 .lut_mask = 16'hFFC0;
defparam \mcpu|mar|dout~11 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y28_N29
dffeas \mcpu|mar|dout[6] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~11_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [6]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[6] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N0
cycloneive_lcell_comb \mm|ram~11 (
// Equation(s):
// \mm|ram~11_combout  = (!\mcpu|mar|dout [5] & !\mcpu|mar|dout [6])

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mar|dout [5]),
	.datad(\mcpu|mar|dout [6]),
	.cin(gnd),
	.combout(\mm|ram~11_combout ),
	.cout());
// synopsys translate_off
defparam \mm|ram~11 .lut_mask = 16'h000F;
defparam \mm|ram~11 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N28
cycloneive_lcell_comb \mcpu|mcontrol|pcbus (
// Equation(s):
// \mcpu|mcontrol|pcbus~combout  = (\mcpu|mcontrol|t2~q ) # (!\mcpu|mcontrol|t0~q )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mcontrol|t2~q ),
	.datad(\mcpu|mcontrol|t0~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|pcbus~combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|pcbus .lut_mask = 16'hF0FF;
defparam \mcpu|mcontrol|pcbus .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N2
cycloneive_lcell_comb \mcpu|mpc|dout[11]~3 (
// Equation(s):
// \mcpu|mpc|dout[11]~3_combout  = (\mcpu|mcontrol|pcbus~combout  & (\mcpu|mpc|dout [11])) # (!\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mdr|dout [3])))

	.dataa(\mcpu|mcontrol|pcbus~combout ),
	.datab(gnd),
	.datac(\mcpu|mpc|dout [11]),
	.datad(\mcpu|mdr|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[11]~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[11]~3 .lut_mask = 16'hF5A0;
defparam \mcpu|mpc|dout[11]~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y29_N30
cycloneive_lcell_comb \mcpu|mpc|dout[10]~2 (
// Equation(s):
// \mcpu|mpc|dout[10]~2_combout  = (\mcpu|mcontrol|pcbus~combout  & (\mcpu|mpc|dout [10])) # (!\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mdr|dout [2])))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|pcbus~combout ),
	.datac(\mcpu|mpc|dout [10]),
	.datad(\mcpu|mdr|dout [2]),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[10]~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[10]~2 .lut_mask = 16'hF3C0;
defparam \mcpu|mpc|dout[10]~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N20
cycloneive_lcell_comb \mcpu|mpc|dout[9]~1 (
// Equation(s):
// \mcpu|mpc|dout[9]~1_combout  = (\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mpc|dout [9]))) # (!\mcpu|mcontrol|pcbus~combout  & (\mcpu|mdr|dout [1]))

	.dataa(\mcpu|mcontrol|pcbus~combout ),
	.datab(\mcpu|mdr|dout [1]),
	.datac(\mcpu|mpc|dout [9]),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[9]~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[9]~1 .lut_mask = 16'hE4E4;
defparam \mcpu|mpc|dout[9]~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y29_N16
cycloneive_lcell_comb \mcpu|mpc|dout[8]~0 (
// Equation(s):
// \mcpu|mpc|dout[8]~0_combout  = (\mcpu|mcontrol|pcbus~combout  & (\mcpu|mpc|dout [8])) # (!\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mdr|dout [0])))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|pcbus~combout ),
	.datac(\mcpu|mpc|dout [8]),
	.datad(\mcpu|mdr|dout [0]),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[8]~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[8]~0 .lut_mask = 16'hF3C0;
defparam \mcpu|mpc|dout[8]~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N0
cycloneive_lcell_comb \mcpu|mpc|Add0~0 (
// Equation(s):
// \mcpu|mpc|Add0~0_combout  = \mcpu|mpc|dout [0] $ (VCC)
// \mcpu|mpc|Add0~1  = CARRY(\mcpu|mpc|dout [0])

	.dataa(gnd),
	.datab(\mcpu|mpc|dout [0]),
	.datac(gnd),
	.datad(vcc),
	.cin(gnd),
	.combout(\mcpu|mpc|Add0~0_combout ),
	.cout(\mcpu|mpc|Add0~1 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~0 .lut_mask = 16'h33CC;
defparam \mcpu|mpc|Add0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N20
cycloneive_lcell_comb \mcpu|mpc|dout[0]~10 (
// Equation(s):
// \mcpu|mpc|dout[0]~10_combout  = (\mcpu|mcontrol|pcinc~3_combout  & ((\mcpu|mpc|dout [0]))) # (!\mcpu|mcontrol|pcinc~3_combout  & (\mcpu|mpc|Add0~0_combout ))

	.dataa(gnd),
	.datab(\mcpu|mpc|Add0~0_combout ),
	.datac(\mcpu|mpc|dout [0]),
	.datad(\mcpu|mcontrol|pcinc~3_combout ),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[0]~10_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[0]~10 .lut_mask = 16'hF0CC;
defparam \mcpu|mpc|dout[0]~10 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y28_N21
dffeas \mcpu|mpc|dout[0] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[0]~10_combout ),
	.asdata(\mcpu|dbus[0]~51_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(\mcpu|mcontrol|zload~3_combout ),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [0]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[0] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N2
cycloneive_lcell_comb \mcpu|mpc|Add0~2 (
// Equation(s):
// \mcpu|mpc|Add0~2_combout  = (\mcpu|mpc|dout [1] & (!\mcpu|mpc|Add0~1 )) # (!\mcpu|mpc|dout [1] & ((\mcpu|mpc|Add0~1 ) # (GND)))
// \mcpu|mpc|Add0~3  = CARRY((!\mcpu|mpc|Add0~1 ) # (!\mcpu|mpc|dout [1]))

	.dataa(gnd),
	.datab(\mcpu|mpc|dout [1]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~1 ),
	.combout(\mcpu|mpc|Add0~2_combout ),
	.cout(\mcpu|mpc|Add0~3 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~2 .lut_mask = 16'h3C3F;
defparam \mcpu|mpc|Add0~2 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N4
cycloneive_lcell_comb \mcpu|mpc|Add0~4 (
// Equation(s):
// \mcpu|mpc|Add0~4_combout  = (\mcpu|mpc|dout [2] & (\mcpu|mpc|Add0~3  $ (GND))) # (!\mcpu|mpc|dout [2] & (!\mcpu|mpc|Add0~3  & VCC))
// \mcpu|mpc|Add0~5  = CARRY((\mcpu|mpc|dout [2] & !\mcpu|mpc|Add0~3 ))

	.dataa(\mcpu|mpc|dout [2]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~3 ),
	.combout(\mcpu|mpc|Add0~4_combout ),
	.cout(\mcpu|mpc|Add0~5 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~4 .lut_mask = 16'hA50A;
defparam \mcpu|mpc|Add0~4 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N30
cycloneive_lcell_comb \mcpu|mpc|dout[2]~12 (
// Equation(s):
// \mcpu|mpc|dout[2]~12_combout  = (\mcpu|mcontrol|pcinc~3_combout  & ((\mcpu|mpc|dout [2]))) # (!\mcpu|mcontrol|pcinc~3_combout  & (\mcpu|mpc|Add0~4_combout ))

	.dataa(gnd),
	.datab(\mcpu|mpc|Add0~4_combout ),
	.datac(\mcpu|mpc|dout [2]),
	.datad(\mcpu|mcontrol|pcinc~3_combout ),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[2]~12_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[2]~12 .lut_mask = 16'hF0CC;
defparam \mcpu|mpc|dout[2]~12 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y28_N31
dffeas \mcpu|mpc|dout[2] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[2]~12_combout ),
	.asdata(\mcpu|dbus[2]~55_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(\mcpu|mcontrol|zload~3_combout ),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [2]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[2] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N6
cycloneive_lcell_comb \mcpu|mpc|Add0~6 (
// Equation(s):
// \mcpu|mpc|Add0~6_combout  = (\mcpu|mpc|dout [3] & (!\mcpu|mpc|Add0~5 )) # (!\mcpu|mpc|dout [3] & ((\mcpu|mpc|Add0~5 ) # (GND)))
// \mcpu|mpc|Add0~7  = CARRY((!\mcpu|mpc|Add0~5 ) # (!\mcpu|mpc|dout [3]))

	.dataa(gnd),
	.datab(\mcpu|mpc|dout [3]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~5 ),
	.combout(\mcpu|mpc|Add0~6_combout ),
	.cout(\mcpu|mpc|Add0~7 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~6 .lut_mask = 16'h3C3F;
defparam \mcpu|mpc|Add0~6 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N10
cycloneive_lcell_comb \mcpu|mpc|dout[3]~13 (
// Equation(s):
// \mcpu|mpc|dout[3]~13_combout  = (\mcpu|mcontrol|pcinc~3_combout  & (\mcpu|mpc|dout [3])) # (!\mcpu|mcontrol|pcinc~3_combout  & ((\mcpu|mpc|Add0~6_combout )))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|pcinc~3_combout ),
	.datac(\mcpu|mpc|dout [3]),
	.datad(\mcpu|mpc|Add0~6_combout ),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[3]~13_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[3]~13 .lut_mask = 16'hF3C0;
defparam \mcpu|mpc|dout[3]~13 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y27_N11
dffeas \mcpu|mpc|dout[3] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[3]~13_combout ),
	.asdata(\mcpu|dbus[3]~57_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(\mcpu|mcontrol|zload~3_combout ),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [3]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[3] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N8
cycloneive_lcell_comb \mcpu|mpc|Add0~8 (
// Equation(s):
// \mcpu|mpc|Add0~8_combout  = (\mcpu|mpc|dout [4] & (\mcpu|mpc|Add0~7  $ (GND))) # (!\mcpu|mpc|dout [4] & (!\mcpu|mpc|Add0~7  & VCC))
// \mcpu|mpc|Add0~9  = CARRY((\mcpu|mpc|dout [4] & !\mcpu|mpc|Add0~7 ))

	.dataa(\mcpu|mpc|dout [4]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~7 ),
	.combout(\mcpu|mpc|Add0~8_combout ),
	.cout(\mcpu|mpc|Add0~9 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~8 .lut_mask = 16'hA50A;
defparam \mcpu|mpc|Add0~8 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N16
cycloneive_lcell_comb \mcpu|mpc|dout[4]~14 (
// Equation(s):
// \mcpu|mpc|dout[4]~14_combout  = (\mcpu|mcontrol|pcinc~3_combout  & ((\mcpu|mpc|dout [4]))) # (!\mcpu|mcontrol|pcinc~3_combout  & (\mcpu|mpc|Add0~8_combout ))

	.dataa(\mcpu|mpc|Add0~8_combout ),
	.datab(gnd),
	.datac(\mcpu|mpc|dout [4]),
	.datad(\mcpu|mcontrol|pcinc~3_combout ),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[4]~14_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[4]~14 .lut_mask = 16'hF0AA;
defparam \mcpu|mpc|dout[4]~14 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y28_N17
dffeas \mcpu|mpc|dout[4] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[4]~14_combout ),
	.asdata(\mcpu|dbus[4]~59_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(\mcpu|mcontrol|zload~3_combout ),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [4]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[4] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N10
cycloneive_lcell_comb \mcpu|mpc|Add0~10 (
// Equation(s):
// \mcpu|mpc|Add0~10_combout  = (\mcpu|mpc|dout [5] & (!\mcpu|mpc|Add0~9 )) # (!\mcpu|mpc|dout [5] & ((\mcpu|mpc|Add0~9 ) # (GND)))
// \mcpu|mpc|Add0~11  = CARRY((!\mcpu|mpc|Add0~9 ) # (!\mcpu|mpc|dout [5]))

	.dataa(\mcpu|mpc|dout [5]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~9 ),
	.combout(\mcpu|mpc|Add0~10_combout ),
	.cout(\mcpu|mpc|Add0~11 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~10 .lut_mask = 16'h5A5F;
defparam \mcpu|mpc|Add0~10 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N14
cycloneive_lcell_comb \mcpu|mpc|dout[5]~7 (
// Equation(s):
// \mcpu|mpc|dout[5]~7_combout  = (\mcpu|mcontrol|pcinc~3_combout  & ((\mcpu|mpc|dout [5]))) # (!\mcpu|mcontrol|pcinc~3_combout  & (\mcpu|mpc|Add0~10_combout ))

	.dataa(gnd),
	.datab(\mcpu|mpc|Add0~10_combout ),
	.datac(\mcpu|mpc|dout [5]),
	.datad(\mcpu|mcontrol|pcinc~3_combout ),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[5]~7_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[5]~7 .lut_mask = 16'hF0CC;
defparam \mcpu|mpc|dout[5]~7 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y28_N15
dffeas \mcpu|mpc|dout[5] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[5]~7_combout ),
	.asdata(\mcpu|dbus[5]~35_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(\mcpu|mcontrol|zload~3_combout ),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [5]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[5] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N12
cycloneive_lcell_comb \mcpu|mpc|Add0~12 (
// Equation(s):
// \mcpu|mpc|Add0~12_combout  = (\mcpu|mpc|dout [6] & (\mcpu|mpc|Add0~11  $ (GND))) # (!\mcpu|mpc|dout [6] & (!\mcpu|mpc|Add0~11  & VCC))
// \mcpu|mpc|Add0~13  = CARRY((\mcpu|mpc|dout [6] & !\mcpu|mpc|Add0~11 ))

	.dataa(gnd),
	.datab(\mcpu|mpc|dout [6]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~11 ),
	.combout(\mcpu|mpc|Add0~12_combout ),
	.cout(\mcpu|mpc|Add0~13 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~12 .lut_mask = 16'hC30C;
defparam \mcpu|mpc|Add0~12 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N28
cycloneive_lcell_comb \mcpu|mpc|dout[6]~8 (
// Equation(s):
// \mcpu|mpc|dout[6]~8_combout  = (\mcpu|mcontrol|pcinc~3_combout  & ((\mcpu|mpc|dout [6]))) # (!\mcpu|mcontrol|pcinc~3_combout  & (\mcpu|mpc|Add0~12_combout ))

	.dataa(gnd),
	.datab(\mcpu|mpc|Add0~12_combout ),
	.datac(\mcpu|mpc|dout [6]),
	.datad(\mcpu|mcontrol|pcinc~3_combout ),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[6]~8_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[6]~8 .lut_mask = 16'hF0CC;
defparam \mcpu|mpc|dout[6]~8 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y28_N29
dffeas \mcpu|mpc|dout[6] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[6]~8_combout ),
	.asdata(\mcpu|dbus[6]~41_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(\mcpu|mcontrol|zload~3_combout ),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [6]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[6] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N14
cycloneive_lcell_comb \mcpu|mpc|Add0~14 (
// Equation(s):
// \mcpu|mpc|Add0~14_combout  = (\mcpu|mpc|dout [7] & (!\mcpu|mpc|Add0~13 )) # (!\mcpu|mpc|dout [7] & ((\mcpu|mpc|Add0~13 ) # (GND)))
// \mcpu|mpc|Add0~15  = CARRY((!\mcpu|mpc|Add0~13 ) # (!\mcpu|mpc|dout [7]))

	.dataa(gnd),
	.datab(\mcpu|mpc|dout [7]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~13 ),
	.combout(\mcpu|mpc|Add0~14_combout ),
	.cout(\mcpu|mpc|Add0~15 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~14 .lut_mask = 16'h3C3F;
defparam \mcpu|mpc|Add0~14 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N18
cycloneive_lcell_comb \mcpu|mpc|dout[7]~9 (
// Equation(s):
// \mcpu|mpc|dout[7]~9_combout  = (\mcpu|mcontrol|pcinc~3_combout  & ((\mcpu|mpc|dout [7]))) # (!\mcpu|mcontrol|pcinc~3_combout  & (\mcpu|mpc|Add0~14_combout ))

	.dataa(gnd),
	.datab(\mcpu|mpc|Add0~14_combout ),
	.datac(\mcpu|mpc|dout [7]),
	.datad(\mcpu|mcontrol|pcinc~3_combout ),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[7]~9_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[7]~9 .lut_mask = 16'hF0CC;
defparam \mcpu|mpc|dout[7]~9 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N10
cycloneive_lcell_comb \mcpu|malu|Mux7~6 (
// Equation(s):
// \mcpu|malu|Mux7~6_combout  = (!\mcpu|mcontrol|alus[0]~reg0_q  & (\mcpu|mcontrol|alus[3]~reg0_q  & (\mcpu|mac|dout [7] $ (\mcpu|dbus[7]~47_combout ))))

	.dataa(\mcpu|mac|dout [7]),
	.datab(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datac(\mcpu|dbus[7]~47_combout ),
	.datad(\mcpu|mcontrol|alus[3]~reg0_q ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux7~6_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux7~6 .lut_mask = 16'h1200;
defparam \mcpu|malu|Mux7~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N12
cycloneive_lcell_comb \mcpu|malu|Mux7~2 (
// Equation(s):
// \mcpu|malu|Mux7~2_combout  = (\mcpu|dbus[7]~47_combout  & \mcpu|malu|Mux2~3_combout )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|dbus[7]~47_combout ),
	.datad(\mcpu|malu|Mux2~3_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux7~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux7~2 .lut_mask = 16'hF000;
defparam \mcpu|malu|Mux7~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N30
cycloneive_lcell_comb \mcpu|malu|dout~7 (
// Equation(s):
// \mcpu|malu|dout~7_combout  = (\mcpu|dbus[7]~47_combout  & \mcpu|mac|dout [7])

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|dbus[7]~47_combout ),
	.datad(\mcpu|mac|dout [7]),
	.cin(gnd),
	.combout(\mcpu|malu|dout~7_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|dout~7 .lut_mask = 16'hF000;
defparam \mcpu|malu|dout~7 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N6
cycloneive_lcell_comb \mcpu|malu|Add0~23 (
// Equation(s):
// \mcpu|malu|Add0~23_combout  = (\mcpu|mcontrol|alus[1]~reg0_q  & (!\mcpu|mcontrol|alus[0]~reg0_q  & !\mcpu|dbus[7]~47_combout )) # (!\mcpu|mcontrol|alus[1]~reg0_q  & ((\mcpu|dbus[7]~47_combout )))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datac(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datad(\mcpu|dbus[7]~47_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Add0~23_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Add0~23 .lut_mask = 16'h0F30;
defparam \mcpu|malu|Add0~23 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N14
cycloneive_lcell_comb \mcpu|malu|Add0~21 (
// Equation(s):
// \mcpu|malu|Add0~21_combout  = (\mcpu|mac|dout [6] & ((\mcpu|malu|Add0~20_combout  & (\mcpu|malu|Add0~19  & VCC)) # (!\mcpu|malu|Add0~20_combout  & (!\mcpu|malu|Add0~19 )))) # (!\mcpu|mac|dout [6] & ((\mcpu|malu|Add0~20_combout  & (!\mcpu|malu|Add0~19 )) # 
// (!\mcpu|malu|Add0~20_combout  & ((\mcpu|malu|Add0~19 ) # (GND)))))
// \mcpu|malu|Add0~22  = CARRY((\mcpu|mac|dout [6] & (!\mcpu|malu|Add0~20_combout  & !\mcpu|malu|Add0~19 )) # (!\mcpu|mac|dout [6] & ((!\mcpu|malu|Add0~19 ) # (!\mcpu|malu|Add0~20_combout ))))

	.dataa(\mcpu|mac|dout [6]),
	.datab(\mcpu|malu|Add0~20_combout ),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|malu|Add0~19 ),
	.combout(\mcpu|malu|Add0~21_combout ),
	.cout(\mcpu|malu|Add0~22 ));
// synopsys translate_off
defparam \mcpu|malu|Add0~21 .lut_mask = 16'h9617;
defparam \mcpu|malu|Add0~21 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N16
cycloneive_lcell_comb \mcpu|malu|Add0~24 (
// Equation(s):
// \mcpu|malu|Add0~24_combout  = \mcpu|mac|dout [7] $ (\mcpu|malu|Add0~22  $ (!\mcpu|malu|Add0~23_combout ))

	.dataa(\mcpu|mac|dout [7]),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|malu|Add0~23_combout ),
	.cin(\mcpu|malu|Add0~22 ),
	.combout(\mcpu|malu|Add0~24_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Add0~24 .lut_mask = 16'h5AA5;
defparam \mcpu|malu|Add0~24 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N28
cycloneive_lcell_comb \mcpu|malu|Mux7~3 (
// Equation(s):
// \mcpu|malu|Mux7~3_combout  = (\mcpu|malu|Mux2~1_combout  & (((\mcpu|malu|dout~7_combout )) # (!\mcpu|malu|Mux2~0_combout ))) # (!\mcpu|malu|Mux2~1_combout  & (\mcpu|malu|Mux2~0_combout  & ((\mcpu|malu|Add0~24_combout ))))

	.dataa(\mcpu|malu|Mux2~1_combout ),
	.datab(\mcpu|malu|Mux2~0_combout ),
	.datac(\mcpu|malu|dout~7_combout ),
	.datad(\mcpu|malu|Add0~24_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux7~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux7~3 .lut_mask = 16'hE6A2;
defparam \mcpu|malu|Mux7~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N26
cycloneive_lcell_comb \mcpu|malu|Mux7~4 (
// Equation(s):
// \mcpu|malu|Mux7~4_combout  = (\mcpu|mac|dout [7] & (\mcpu|malu|Mux2~2_combout  $ (((\mcpu|malu|Mux7~3_combout ))))) # (!\mcpu|mac|dout [7] & ((\mcpu|malu|Mux7~3_combout ) # ((\mcpu|malu|Mux2~2_combout  & \mcpu|dbus[7]~47_combout ))))

	.dataa(\mcpu|mac|dout [7]),
	.datab(\mcpu|malu|Mux2~2_combout ),
	.datac(\mcpu|dbus[7]~47_combout ),
	.datad(\mcpu|malu|Mux7~3_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux7~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux7~4 .lut_mask = 16'h77C8;
defparam \mcpu|malu|Mux7~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N4
cycloneive_lcell_comb \mcpu|malu|Mux7~5 (
// Equation(s):
// \mcpu|malu|Mux7~5_combout  = (\mcpu|malu|Mux7~6_combout ) # ((\mcpu|malu|Mux7~2_combout ) # ((\mcpu|malu|Mux0~2_combout  & \mcpu|malu|Mux7~4_combout )))

	.dataa(\mcpu|malu|Mux7~6_combout ),
	.datab(\mcpu|malu|Mux0~2_combout ),
	.datac(\mcpu|malu|Mux7~2_combout ),
	.datad(\mcpu|malu|Mux7~4_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux7~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux7~5 .lut_mask = 16'hFEFA;
defparam \mcpu|malu|Mux7~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X35_Y26_N5
dffeas \mcpu|mac|dout[7] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|malu|Mux7~5_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|acload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mac|dout [7]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mac|dout[7] .is_wysiwyg = "true";
defparam \mcpu|mac|dout[7] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N6
cycloneive_lcell_comb \mcpu|dbus[7]~44 (
// Equation(s):
// \mcpu|dbus[7]~44_combout  = (\mcpu|mac|dout [7]) # ((!\mcpu|mcontrol|rload~combout  & ((!\mcpu|mcontrol|t6~q ) # (!\mcpu|mcontrol|istac~q ))))

	.dataa(\mcpu|mac|dout [7]),
	.datab(\mcpu|mcontrol|istac~q ),
	.datac(\mcpu|mcontrol|t6~q ),
	.datad(\mcpu|mcontrol|rload~combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[7]~44_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[7]~44 .lut_mask = 16'hAABF;
defparam \mcpu|dbus[7]~44 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y27_N29
dffeas \mcpu|mr|dout[7] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|dbus[7]~47_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|rload~combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mr|dout [7]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mr|dout[7] .is_wysiwyg = "true";
defparam \mcpu|mr|dout[7] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N12
cycloneive_lcell_comb \mcpu|mcontrol|drload~0 (
// Equation(s):
// \mcpu|mcontrol|drload~0_combout  = ((\mcpu|mcontrol|t6~q  & ((\mcpu|mcontrol|istac~q ) # (\mcpu|mcontrol|ildac~q )))) # (!\mcpu|mcontrol|read~1_combout )

	.dataa(\mcpu|mcontrol|t6~q ),
	.datab(\mcpu|mcontrol|read~1_combout ),
	.datac(\mcpu|mcontrol|istac~q ),
	.datad(\mcpu|mcontrol|ildac~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|drload~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|drload~0 .lut_mask = 16'hBBB3;
defparam \mcpu|mcontrol|drload~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y26_N1
dffeas \mcpu|mdr|dout[7] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|dbus[7]~47_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|drload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mdr|dout [7]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mdr|dout[7] .is_wysiwyg = "true";
defparam \mcpu|mdr|dout[7] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N8
cycloneive_lcell_comb \mcpu|mcontrol|drlbus~0 (
// Equation(s):
// \mcpu|mcontrol|drlbus~0_combout  = (\mcpu|mcontrol|t7~q  & ((\mcpu|mcontrol|ildac~q ) # (\mcpu|mcontrol|istac~q )))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|ildac~q ),
	.datac(\mcpu|mcontrol|t7~q ),
	.datad(\mcpu|mcontrol|istac~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|drlbus~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|drlbus~0 .lut_mask = 16'hF0C0;
defparam \mcpu|mcontrol|drlbus~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N2
cycloneive_lcell_comb \mcpu|dbus[7]~45 (
// Equation(s):
// \mcpu|dbus[7]~45_combout  = (\mcpu|mpc|dout [7] & ((\mcpu|mdr|dout [7]) # ((!\mcpu|mcontrol|drlbus~0_combout )))) # (!\mcpu|mpc|dout [7] & (!\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mdr|dout [7]) # (!\mcpu|mcontrol|drlbus~0_combout ))))

	.dataa(\mcpu|mpc|dout [7]),
	.datab(\mcpu|mdr|dout [7]),
	.datac(\mcpu|mcontrol|pcbus~combout ),
	.datad(\mcpu|mcontrol|drlbus~0_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[7]~45_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[7]~45 .lut_mask = 16'h8CAF;
defparam \mcpu|dbus[7]~45 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N28
cycloneive_lcell_comb \mcpu|dbus[7]~46 (
// Equation(s):
// \mcpu|dbus[7]~46_combout  = (\mcpu|dbus[7]~44_combout  & (\mcpu|dbus[7]~45_combout  & ((\mcpu|mr|dout [7]) # (!\mcpu|mcontrol|rbus~0_combout ))))

	.dataa(\mcpu|mcontrol|rbus~0_combout ),
	.datab(\mcpu|dbus[7]~44_combout ),
	.datac(\mcpu|mr|dout [7]),
	.datad(\mcpu|dbus[7]~45_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[7]~46_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[7]~46 .lut_mask = 16'hC400;
defparam \mcpu|dbus[7]~46 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y26_N15
dffeas \mcpu|mtr|dout[7] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mdr|dout [7]),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|trload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mtr|dout [7]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mtr|dout[7] .is_wysiwyg = "true";
defparam \mcpu|mtr|dout[7] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N14
cycloneive_lcell_comb \mcpu|dbus[7]~43 (
// Equation(s):
// \mcpu|dbus[7]~43_combout  = ((\mcpu|mtr|dout [7]) # ((\mcpu|mcontrol|arinc~0_combout  & \mcpu|mcontrol|zload~2_combout ))) # (!\mcpu|mcontrol|t5~q )

	.dataa(\mcpu|mcontrol|t5~q ),
	.datab(\mcpu|mcontrol|arinc~0_combout ),
	.datac(\mcpu|mtr|dout [7]),
	.datad(\mcpu|mcontrol|zload~2_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[7]~43_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[7]~43 .lut_mask = 16'hFDF5;
defparam \mcpu|dbus[7]~43 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N12
cycloneive_lcell_comb \mcpu|data_out[7]~22 (
// Equation(s):
// \mcpu|data_out[7]~22_combout  = (\mcpu|dbus[7]~46_combout  & \mcpu|dbus[7]~43_combout )

	.dataa(\mcpu|dbus[7]~46_combout ),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|dbus[7]~43_combout ),
	.cin(gnd),
	.combout(\mcpu|data_out[7]~22_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|data_out[7]~22 .lut_mask = 16'hAA00;
defparam \mcpu|data_out[7]~22 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N22
cycloneive_lcell_comb \mcpu|data_out[7]~23 (
// Equation(s):
// \mcpu|data_out[7]~23_combout  = (((\mcpu|data_out[7]~22_combout  & \mcpu|dbus[7]~42_combout )) # (!\mcpu|dbus[0]~9_combout )) # (!\mcpu|mcontrol|busmem~combout )

	.dataa(\mcpu|data_out[7]~22_combout ),
	.datab(\mcpu|mcontrol|busmem~combout ),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[7]~42_combout ),
	.cin(gnd),
	.combout(\mcpu|data_out[7]~23_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|data_out[7]~23 .lut_mask = 16'hBF3F;
defparam \mcpu|data_out[7]~23 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y26_N23
dffeas \mm|ram~8 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mcpu|data_out[7]~23_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mm|ram~12_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|ram~8_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|ram~8 .is_wysiwyg = "true";
defparam \mm|ram~8 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N14
cycloneive_lcell_comb \mcpu|mar|Add0~14 (
// Equation(s):
// \mcpu|mar|Add0~14_combout  = (\mcpu|mar|dout [7] & (!\mcpu|mar|Add0~13 )) # (!\mcpu|mar|dout [7] & ((\mcpu|mar|Add0~13 ) # (GND)))
// \mcpu|mar|Add0~15  = CARRY((!\mcpu|mar|Add0~13 ) # (!\mcpu|mar|dout [7]))

	.dataa(\mcpu|mar|dout [7]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~13 ),
	.combout(\mcpu|mar|Add0~14_combout ),
	.cout(\mcpu|mar|Add0~15 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~14 .lut_mask = 16'h5A5F;
defparam \mcpu|mar|Add0~14 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N16
cycloneive_lcell_comb \mcpu|mar|dout~12 (
// Equation(s):
// \mcpu|mar|dout~12_combout  = (!\mcpu|mcontrol|arload~0_combout  & ((\mcpu|mcontrol|arinc~1_combout  & (\mcpu|mar|dout [7])) # (!\mcpu|mcontrol|arinc~1_combout  & ((\mcpu|mar|Add0~14_combout )))))

	.dataa(\mcpu|mar|dout [7]),
	.datab(\mcpu|mcontrol|arinc~1_combout ),
	.datac(\mcpu|mcontrol|arload~0_combout ),
	.datad(\mcpu|mar|Add0~14_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~12_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~12 .lut_mask = 16'h0B08;
defparam \mcpu|mar|dout~12 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N6
cycloneive_lcell_comb \mcpu|mar|dout~13 (
// Equation(s):
// \mcpu|mar|dout~13_combout  = (\mcpu|mar|dout~12_combout ) # ((\mcpu|mcontrol|arload~0_combout  & \mcpu|dbus[7]~47_combout ))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|arload~0_combout ),
	.datac(\mcpu|dbus[7]~47_combout ),
	.datad(\mcpu|mar|dout~12_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~13_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~13 .lut_mask = 16'hFFC0;
defparam \mcpu|mar|dout~13 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y28_N7
dffeas \mcpu|mar|dout[7] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~13_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [7]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[7] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[7] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N16
cycloneive_lcell_comb \mcpu|mar|Add0~16 (
// Equation(s):
// \mcpu|mar|Add0~16_combout  = (\mcpu|mar|dout [8] & (\mcpu|mar|Add0~15  $ (GND))) # (!\mcpu|mar|dout [8] & (!\mcpu|mar|Add0~15  & VCC))
// \mcpu|mar|Add0~17  = CARRY((\mcpu|mar|dout [8] & !\mcpu|mar|Add0~15 ))

	.dataa(gnd),
	.datab(\mcpu|mar|dout [8]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~15 ),
	.combout(\mcpu|mar|Add0~16_combout ),
	.cout(\mcpu|mar|Add0~17 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~16 .lut_mask = 16'hC30C;
defparam \mcpu|mar|Add0~16 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N18
cycloneive_lcell_comb \mcpu|mar|Add0~18 (
// Equation(s):
// \mcpu|mar|Add0~18_combout  = (\mcpu|mar|dout [9] & (!\mcpu|mar|Add0~17 )) # (!\mcpu|mar|dout [9] & ((\mcpu|mar|Add0~17 ) # (GND)))
// \mcpu|mar|Add0~19  = CARRY((!\mcpu|mar|Add0~17 ) # (!\mcpu|mar|dout [9]))

	.dataa(gnd),
	.datab(\mcpu|mar|dout [9]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~17 ),
	.combout(\mcpu|mar|Add0~18_combout ),
	.cout(\mcpu|mar|Add0~19 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~18 .lut_mask = 16'h3C3F;
defparam \mcpu|mar|Add0~18 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N14
cycloneive_lcell_comb \mcpu|mar|dout~16 (
// Equation(s):
// \mcpu|mar|dout~16_combout  = (!\mcpu|mcontrol|arload~0_combout  & ((\mcpu|mcontrol|arinc~1_combout  & ((\mcpu|mar|dout [9]))) # (!\mcpu|mcontrol|arinc~1_combout  & (\mcpu|mar|Add0~18_combout ))))

	.dataa(\mcpu|mar|Add0~18_combout ),
	.datab(\mcpu|mar|dout [9]),
	.datac(\mcpu|mcontrol|arload~0_combout ),
	.datad(\mcpu|mcontrol|arinc~1_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~16_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~16 .lut_mask = 16'h0C0A;
defparam \mcpu|mar|dout~16 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N4
cycloneive_lcell_comb \mcpu|mar|dout~17 (
// Equation(s):
// \mcpu|mar|dout~17_combout  = (\mcpu|mar|dout~16_combout ) # ((\mcpu|mcontrol|arload~0_combout  & \mcpu|mpc|dout[9]~1_combout ))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|arload~0_combout ),
	.datac(\mcpu|mar|dout~16_combout ),
	.datad(\mcpu|mpc|dout[9]~1_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~17_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~17 .lut_mask = 16'hFCF0;
defparam \mcpu|mar|dout~17 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y28_N5
dffeas \mcpu|mar|dout[9] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~17_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [9]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[9] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[9] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N20
cycloneive_lcell_comb \mcpu|mar|Add0~20 (
// Equation(s):
// \mcpu|mar|Add0~20_combout  = (\mcpu|mar|dout [10] & (\mcpu|mar|Add0~19  $ (GND))) # (!\mcpu|mar|dout [10] & (!\mcpu|mar|Add0~19  & VCC))
// \mcpu|mar|Add0~21  = CARRY((\mcpu|mar|dout [10] & !\mcpu|mar|Add0~19 ))

	.dataa(\mcpu|mar|dout [10]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~19 ),
	.combout(\mcpu|mar|Add0~20_combout ),
	.cout(\mcpu|mar|Add0~21 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~20 .lut_mask = 16'hA50A;
defparam \mcpu|mar|Add0~20 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N26
cycloneive_lcell_comb \mcpu|mar|dout~18 (
// Equation(s):
// \mcpu|mar|dout~18_combout  = (!\mcpu|mcontrol|arload~0_combout  & ((\mcpu|mcontrol|arinc~1_combout  & ((\mcpu|mar|dout [10]))) # (!\mcpu|mcontrol|arinc~1_combout  & (\mcpu|mar|Add0~20_combout ))))

	.dataa(\mcpu|mar|Add0~20_combout ),
	.datab(\mcpu|mar|dout [10]),
	.datac(\mcpu|mcontrol|arinc~1_combout ),
	.datad(\mcpu|mcontrol|arload~0_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~18_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~18 .lut_mask = 16'h00CA;
defparam \mcpu|mar|dout~18 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N20
cycloneive_lcell_comb \mcpu|mar|dout~19 (
// Equation(s):
// \mcpu|mar|dout~19_combout  = (\mcpu|mar|dout~18_combout ) # ((\mcpu|mcontrol|arload~0_combout  & \mcpu|mpc|dout[10]~2_combout ))

	.dataa(\mcpu|mcontrol|arload~0_combout ),
	.datab(gnd),
	.datac(\mcpu|mar|dout~18_combout ),
	.datad(\mcpu|mpc|dout[10]~2_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~19_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~19 .lut_mask = 16'hFAF0;
defparam \mcpu|mar|dout~19 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y29_N21
dffeas \mcpu|mar|dout[10] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~19_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [10]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[10] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[10] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N22
cycloneive_lcell_comb \mcpu|mar|Add0~22 (
// Equation(s):
// \mcpu|mar|Add0~22_combout  = (\mcpu|mar|dout [11] & (!\mcpu|mar|Add0~21 )) # (!\mcpu|mar|dout [11] & ((\mcpu|mar|Add0~21 ) # (GND)))
// \mcpu|mar|Add0~23  = CARRY((!\mcpu|mar|Add0~21 ) # (!\mcpu|mar|dout [11]))

	.dataa(\mcpu|mar|dout [11]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~21 ),
	.combout(\mcpu|mar|Add0~22_combout ),
	.cout(\mcpu|mar|Add0~23 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~22 .lut_mask = 16'h5A5F;
defparam \mcpu|mar|Add0~22 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N4
cycloneive_lcell_comb \mcpu|mar|dout~20 (
// Equation(s):
// \mcpu|mar|dout~20_combout  = (!\mcpu|mcontrol|arload~0_combout  & ((\mcpu|mcontrol|arinc~1_combout  & (\mcpu|mar|dout [11])) # (!\mcpu|mcontrol|arinc~1_combout  & ((\mcpu|mar|Add0~22_combout )))))

	.dataa(\mcpu|mcontrol|arload~0_combout ),
	.datab(\mcpu|mar|dout [11]),
	.datac(\mcpu|mcontrol|arinc~1_combout ),
	.datad(\mcpu|mar|Add0~22_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~20_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~20 .lut_mask = 16'h4540;
defparam \mcpu|mar|dout~20 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N14
cycloneive_lcell_comb \mcpu|mar|dout~21 (
// Equation(s):
// \mcpu|mar|dout~21_combout  = (\mcpu|mar|dout~20_combout ) # ((\mcpu|mcontrol|arload~0_combout  & \mcpu|mpc|dout[11]~3_combout ))

	.dataa(\mcpu|mcontrol|arload~0_combout ),
	.datab(gnd),
	.datac(\mcpu|mar|dout~20_combout ),
	.datad(\mcpu|mpc|dout[11]~3_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~21_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~21 .lut_mask = 16'hFAF0;
defparam \mcpu|mar|dout~21 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y29_N15
dffeas \mcpu|mar|dout[11] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~21_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [11]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[11] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[11] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N26
cycloneive_lcell_comb \mcpu|mar|Add0~26 (
// Equation(s):
// \mcpu|mar|Add0~26_combout  = (\mcpu|mar|dout [13] & (!\mcpu|mar|Add0~25 )) # (!\mcpu|mar|dout [13] & ((\mcpu|mar|Add0~25 ) # (GND)))
// \mcpu|mar|Add0~27  = CARRY((!\mcpu|mar|Add0~25 ) # (!\mcpu|mar|dout [13]))

	.dataa(gnd),
	.datab(\mcpu|mar|dout [13]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~25 ),
	.combout(\mcpu|mar|Add0~26_combout ),
	.cout(\mcpu|mar|Add0~27 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~26 .lut_mask = 16'h3C3F;
defparam \mcpu|mar|Add0~26 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N28
cycloneive_lcell_comb \mcpu|mar|Add0~28 (
// Equation(s):
// \mcpu|mar|Add0~28_combout  = (\mcpu|mar|dout [14] & (\mcpu|mar|Add0~27  $ (GND))) # (!\mcpu|mar|dout [14] & (!\mcpu|mar|Add0~27  & VCC))
// \mcpu|mar|Add0~29  = CARRY((\mcpu|mar|dout [14] & !\mcpu|mar|Add0~27 ))

	.dataa(gnd),
	.datab(\mcpu|mar|dout [14]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~27 ),
	.combout(\mcpu|mar|Add0~28_combout ),
	.cout(\mcpu|mar|Add0~29 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~28 .lut_mask = 16'hC30C;
defparam \mcpu|mar|Add0~28 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N8
cycloneive_lcell_comb \mcpu|mar|dout~26 (
// Equation(s):
// \mcpu|mar|dout~26_combout  = (!\mcpu|mcontrol|arload~0_combout  & ((\mcpu|mcontrol|arinc~1_combout  & ((\mcpu|mar|dout [14]))) # (!\mcpu|mcontrol|arinc~1_combout  & (\mcpu|mar|Add0~28_combout ))))

	.dataa(\mcpu|mar|Add0~28_combout ),
	.datab(\mcpu|mar|dout [14]),
	.datac(\mcpu|mcontrol|arload~0_combout ),
	.datad(\mcpu|mcontrol|arinc~1_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~26_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~26 .lut_mask = 16'h0C0A;
defparam \mcpu|mar|dout~26 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y26_N11
dffeas \mcpu|mdr|dout[5] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|dbus[5]~35_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|drload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mdr|dout [5]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mdr|dout[5] .is_wysiwyg = "true";
defparam \mcpu|mdr|dout[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N22
cycloneive_lcell_comb \mcpu|mpc|dout[13]~5 (
// Equation(s):
// \mcpu|mpc|dout[13]~5_combout  = (\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mpc|dout [13]))) # (!\mcpu|mcontrol|pcbus~combout  & (\mcpu|mdr|dout [5]))

	.dataa(\mcpu|mcontrol|pcbus~combout ),
	.datab(\mcpu|mdr|dout [5]),
	.datac(\mcpu|mpc|dout [13]),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[13]~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[13]~5 .lut_mask = 16'hE4E4;
defparam \mcpu|mpc|dout[13]~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N24
cycloneive_lcell_comb \mcpu|mpc|Add0~24 (
// Equation(s):
// \mcpu|mpc|Add0~24_combout  = (\mcpu|mpc|dout [12] & (\mcpu|mpc|Add0~23  $ (GND))) # (!\mcpu|mpc|dout [12] & (!\mcpu|mpc|Add0~23  & VCC))
// \mcpu|mpc|Add0~25  = CARRY((\mcpu|mpc|dout [12] & !\mcpu|mpc|Add0~23 ))

	.dataa(gnd),
	.datab(\mcpu|mpc|dout [12]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~23 ),
	.combout(\mcpu|mpc|Add0~24_combout ),
	.cout(\mcpu|mpc|Add0~25 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~24 .lut_mask = 16'hC30C;
defparam \mcpu|mpc|Add0~24 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N26
cycloneive_lcell_comb \mcpu|mpc|Add0~26 (
// Equation(s):
// \mcpu|mpc|Add0~26_combout  = (\mcpu|mpc|dout [13] & (!\mcpu|mpc|Add0~25 )) # (!\mcpu|mpc|dout [13] & ((\mcpu|mpc|Add0~25 ) # (GND)))
// \mcpu|mpc|Add0~27  = CARRY((!\mcpu|mpc|Add0~25 ) # (!\mcpu|mpc|dout [13]))

	.dataa(gnd),
	.datab(\mcpu|mpc|dout [13]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~25 ),
	.combout(\mcpu|mpc|Add0~26_combout ),
	.cout(\mcpu|mpc|Add0~27 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~26 .lut_mask = 16'h3C3F;
defparam \mcpu|mpc|Add0~26 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N26
cycloneive_lcell_comb \mcpu|mpc|dout[14]~18 (
// Equation(s):
// \mcpu|mpc|dout[14]~18_combout  = ((\mcpu|mcontrol|t5~q  & ((\mcpu|mcontrol|ijump~q ) # (!\mcpu|mcontrol|zload~2_combout )))) # (!\mcpu|mcontrol|pcinc~3_combout )

	.dataa(\mcpu|mcontrol|zload~2_combout ),
	.datab(\mcpu|mcontrol|t5~q ),
	.datac(\mcpu|mcontrol|pcinc~3_combout ),
	.datad(\mcpu|mcontrol|ijump~q ),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[14]~18_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[14]~18 .lut_mask = 16'hCF4F;
defparam \mcpu|mpc|dout[14]~18 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y28_N23
dffeas \mcpu|mpc|dout[13] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[13]~5_combout ),
	.asdata(\mcpu|mpc|Add0~26_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(!\mcpu|mcontrol|zload~3_combout ),
	.ena(\mcpu|mpc|dout[14]~18_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [13]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[13] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[13] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N28
cycloneive_lcell_comb \mcpu|mpc|Add0~28 (
// Equation(s):
// \mcpu|mpc|Add0~28_combout  = (\mcpu|mpc|dout [14] & (\mcpu|mpc|Add0~27  $ (GND))) # (!\mcpu|mpc|dout [14] & (!\mcpu|mpc|Add0~27  & VCC))
// \mcpu|mpc|Add0~29  = CARRY((\mcpu|mpc|dout [14] & !\mcpu|mpc|Add0~27 ))

	.dataa(gnd),
	.datab(\mcpu|mpc|dout [14]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~27 ),
	.combout(\mcpu|mpc|Add0~28_combout ),
	.cout(\mcpu|mpc|Add0~29 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~28 .lut_mask = 16'hC30C;
defparam \mcpu|mpc|Add0~28 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X43_Y28_N13
dffeas \mcpu|mpc|dout[14] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[14]~6_combout ),
	.asdata(\mcpu|mpc|Add0~28_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(!\mcpu|mcontrol|zload~3_combout ),
	.ena(\mcpu|mpc|dout[14]~18_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [14]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[14] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[14] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N12
cycloneive_lcell_comb \mcpu|mpc|dout[14]~6 (
// Equation(s):
// \mcpu|mpc|dout[14]~6_combout  = (\mcpu|mcontrol|pcbus~combout  & (\mcpu|mpc|dout [14])) # (!\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mdr|dout [6])))

	.dataa(\mcpu|mcontrol|pcbus~combout ),
	.datab(gnd),
	.datac(\mcpu|mpc|dout [14]),
	.datad(\mcpu|mdr|dout [6]),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[14]~6_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[14]~6 .lut_mask = 16'hF5A0;
defparam \mcpu|mpc|dout[14]~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N26
cycloneive_lcell_comb \mcpu|mar|dout~27 (
// Equation(s):
// \mcpu|mar|dout~27_combout  = (\mcpu|mar|dout~26_combout ) # ((\mcpu|mcontrol|arload~0_combout  & \mcpu|mpc|dout[14]~6_combout ))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|arload~0_combout ),
	.datac(\mcpu|mar|dout~26_combout ),
	.datad(\mcpu|mpc|dout[14]~6_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~27_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~27 .lut_mask = 16'hFCF0;
defparam \mcpu|mar|dout~27 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y28_N27
dffeas \mcpu|mar|dout[14] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~27_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [14]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[14] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[14] .power_up = "low";
// synopsys translate_on

// Location: FF_X38_Y27_N7
dffeas \mcpu|mr|dout[2] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|dbus[2]~55_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|rload~combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mr|dout [2]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mr|dout[2] .is_wysiwyg = "true";
defparam \mcpu|mr|dout[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N4
cycloneive_lcell_comb \mcpu|malu|dout~2 (
// Equation(s):
// \mcpu|malu|dout~2_combout  = (\mcpu|mac|dout [2] & ((\mcpu|dbus[2]~19_combout ) # (!\mcpu|dbus[0]~9_combout )))

	.dataa(gnd),
	.datab(\mcpu|mac|dout [2]),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[2]~19_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|dout~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|dout~2 .lut_mask = 16'hCC0C;
defparam \mcpu|malu|dout~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N22
cycloneive_lcell_comb \mcpu|malu|Add0~8 (
// Equation(s):
// \mcpu|malu|Add0~8_combout  = (\mcpu|mcontrol|alus[1]~reg0_q  & (!\mcpu|mcontrol|alus[0]~reg0_q  & (\mcpu|dbus[0]~9_combout  & !\mcpu|dbus[2]~19_combout ))) # (!\mcpu|mcontrol|alus[1]~reg0_q  & (((\mcpu|dbus[2]~19_combout ) # (!\mcpu|dbus[0]~9_combout ))))

	.dataa(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datab(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[2]~19_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Add0~8_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Add0~8 .lut_mask = 16'h5525;
defparam \mcpu|malu|Add0~8 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N6
cycloneive_lcell_comb \mcpu|malu|Add0~9 (
// Equation(s):
// \mcpu|malu|Add0~9_combout  = (\mcpu|malu|Add0~8_combout  & ((\mcpu|mac|dout [2] & (\mcpu|malu|Add0~7  & VCC)) # (!\mcpu|mac|dout [2] & (!\mcpu|malu|Add0~7 )))) # (!\mcpu|malu|Add0~8_combout  & ((\mcpu|mac|dout [2] & (!\mcpu|malu|Add0~7 )) # 
// (!\mcpu|mac|dout [2] & ((\mcpu|malu|Add0~7 ) # (GND)))))
// \mcpu|malu|Add0~10  = CARRY((\mcpu|malu|Add0~8_combout  & (!\mcpu|mac|dout [2] & !\mcpu|malu|Add0~7 )) # (!\mcpu|malu|Add0~8_combout  & ((!\mcpu|malu|Add0~7 ) # (!\mcpu|mac|dout [2]))))

	.dataa(\mcpu|malu|Add0~8_combout ),
	.datab(\mcpu|mac|dout [2]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|malu|Add0~7 ),
	.combout(\mcpu|malu|Add0~9_combout ),
	.cout(\mcpu|malu|Add0~10 ));
// synopsys translate_off
defparam \mcpu|malu|Add0~9 .lut_mask = 16'h9617;
defparam \mcpu|malu|Add0~9 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N24
cycloneive_lcell_comb \mcpu|malu|Mux2~4 (
// Equation(s):
// \mcpu|malu|Mux2~4_combout  = (\mcpu|malu|Mux2~1_combout  & (((\mcpu|malu|dout~2_combout )) # (!\mcpu|malu|Mux2~0_combout ))) # (!\mcpu|malu|Mux2~1_combout  & (\mcpu|malu|Mux2~0_combout  & ((\mcpu|malu|Add0~9_combout ))))

	.dataa(\mcpu|malu|Mux2~1_combout ),
	.datab(\mcpu|malu|Mux2~0_combout ),
	.datac(\mcpu|malu|dout~2_combout ),
	.datad(\mcpu|malu|Add0~9_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux2~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux2~4 .lut_mask = 16'hE6A2;
defparam \mcpu|malu|Mux2~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N2
cycloneive_lcell_comb \mcpu|malu|Mux2~5 (
// Equation(s):
// \mcpu|malu|Mux2~5_combout  = (\mcpu|malu|Mux2~2_combout  & ((\mcpu|mac|dout [2] & ((!\mcpu|malu|Mux2~4_combout ))) # (!\mcpu|mac|dout [2] & ((\mcpu|dbus[2]~55_combout ) # (\mcpu|malu|Mux2~4_combout ))))) # (!\mcpu|malu|Mux2~2_combout  & 
// (((\mcpu|malu|Mux2~4_combout ))))

	.dataa(\mcpu|malu|Mux2~2_combout ),
	.datab(\mcpu|mac|dout [2]),
	.datac(\mcpu|dbus[2]~55_combout ),
	.datad(\mcpu|malu|Mux2~4_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux2~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux2~5 .lut_mask = 16'h77A8;
defparam \mcpu|malu|Mux2~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N0
cycloneive_lcell_comb \mcpu|malu|Mux2~6 (
// Equation(s):
// \mcpu|malu|Mux2~6_combout  = (\mcpu|malu|Mux0~2_combout  & ((\mcpu|malu|Mux2~5_combout ) # ((\mcpu|malu|Mux2~3_combout  & \mcpu|dbus[2]~55_combout )))) # (!\mcpu|malu|Mux0~2_combout  & (\mcpu|malu|Mux2~3_combout  & (\mcpu|dbus[2]~55_combout )))

	.dataa(\mcpu|malu|Mux0~2_combout ),
	.datab(\mcpu|malu|Mux2~3_combout ),
	.datac(\mcpu|dbus[2]~55_combout ),
	.datad(\mcpu|malu|Mux2~5_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux2~6_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux2~6 .lut_mask = 16'hEAC0;
defparam \mcpu|malu|Mux2~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N26
cycloneive_lcell_comb \mcpu|malu|Mux2~7 (
// Equation(s):
// \mcpu|malu|Mux2~7_combout  = (\mcpu|malu|Mux2~6_combout ) # ((\mcpu|malu|Mux0~4_combout  & (\mcpu|dbus[2]~55_combout  $ (\mcpu|mac|dout [2]))))

	.dataa(\mcpu|malu|Mux0~4_combout ),
	.datab(\mcpu|dbus[2]~55_combout ),
	.datac(\mcpu|mac|dout [2]),
	.datad(\mcpu|malu|Mux2~6_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux2~7_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux2~7 .lut_mask = 16'hFF28;
defparam \mcpu|malu|Mux2~7 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y28_N27
dffeas \mcpu|mac|dout[2] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|malu|Mux2~7_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|acload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mac|dout [2]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mac|dout[2] .is_wysiwyg = "true";
defparam \mcpu|mac|dout[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N22
cycloneive_lcell_comb \mcpu|dbus[2]~16 (
// Equation(s):
// \mcpu|dbus[2]~16_combout  = (\mcpu|mac|dout [2]) # ((!\mcpu|mcontrol|rload~combout  & ((!\mcpu|mcontrol|t6~q ) # (!\mcpu|mcontrol|istac~q ))))

	.dataa(\mcpu|mcontrol|istac~q ),
	.datab(\mcpu|mac|dout [2]),
	.datac(\mcpu|mcontrol|t6~q ),
	.datad(\mcpu|mcontrol|rload~combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[2]~16_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[2]~16 .lut_mask = 16'hCCDF;
defparam \mcpu|dbus[2]~16 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N0
cycloneive_lcell_comb \mcpu|dbus[2]~17 (
// Equation(s):
// \mcpu|dbus[2]~17_combout  = (\mcpu|mpc|dout [2] & ((\mcpu|mdr|dout [2]) # ((!\mcpu|mcontrol|drlbus~0_combout )))) # (!\mcpu|mpc|dout [2] & (!\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mdr|dout [2]) # (!\mcpu|mcontrol|drlbus~0_combout ))))

	.dataa(\mcpu|mpc|dout [2]),
	.datab(\mcpu|mdr|dout [2]),
	.datac(\mcpu|mcontrol|drlbus~0_combout ),
	.datad(\mcpu|mcontrol|pcbus~combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[2]~17_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[2]~17 .lut_mask = 16'h8ACF;
defparam \mcpu|dbus[2]~17 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N30
cycloneive_lcell_comb \mcpu|dbus[2]~18 (
// Equation(s):
// \mcpu|dbus[2]~18_combout  = (\mcpu|dbus[2]~16_combout  & (\mcpu|dbus[2]~17_combout  & ((\mcpu|mr|dout [2]) # (!\mcpu|mcontrol|rbus~0_combout ))))

	.dataa(\mcpu|mr|dout [2]),
	.datab(\mcpu|mcontrol|rbus~0_combout ),
	.datac(\mcpu|dbus[2]~16_combout ),
	.datad(\mcpu|dbus[2]~17_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[2]~18_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[2]~18 .lut_mask = 16'hB000;
defparam \mcpu|dbus[2]~18 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y26_N15
dffeas \mm|ram~3 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|data_out[2]~26_combout ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mm|ram~12_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|ram~3_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|ram~3 .is_wysiwyg = "true";
defparam \mm|ram~3 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N10
cycloneive_lcell_comb \mcpu|data_out[4]~28 (
// Equation(s):
// \mcpu|data_out[4]~28_combout  = (((\mcpu|dbus[4]~29_combout ) # (!\mcpu|mcontrol|t7~q )) # (!\mcpu|mcontrol|istac~q )) # (!\mcpu|dbus[0]~9_combout )

	.dataa(\mcpu|dbus[0]~9_combout ),
	.datab(\mcpu|mcontrol|istac~q ),
	.datac(\mcpu|mcontrol|t7~q ),
	.datad(\mcpu|dbus[4]~29_combout ),
	.cin(gnd),
	.combout(\mcpu|data_out[4]~28_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|data_out[4]~28 .lut_mask = 16'hFF7F;
defparam \mcpu|data_out[4]~28 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y26_N11
dffeas \mcpu|mtr|dout[5] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mdr|dout [5]),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|trload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mtr|dout [5]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mtr|dout[5] .is_wysiwyg = "true";
defparam \mcpu|mtr|dout[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N10
cycloneive_lcell_comb \mcpu|dbus[5]~31 (
// Equation(s):
// \mcpu|dbus[5]~31_combout  = ((\mcpu|mtr|dout [5]) # ((\mcpu|mcontrol|arinc~0_combout  & \mcpu|mcontrol|zload~2_combout ))) # (!\mcpu|mcontrol|t5~q )

	.dataa(\mcpu|mcontrol|t5~q ),
	.datab(\mcpu|mcontrol|arinc~0_combout ),
	.datac(\mcpu|mtr|dout [5]),
	.datad(\mcpu|mcontrol|zload~2_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[5]~31_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[5]~31 .lut_mask = 16'hFDF5;
defparam \mcpu|dbus[5]~31 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N8
cycloneive_lcell_comb \mcpu|data_out[5]~18 (
// Equation(s):
// \mcpu|data_out[5]~18_combout  = (\mcpu|dbus[5]~31_combout  & \mcpu|dbus[5]~34_combout )

	.dataa(gnd),
	.datab(\mcpu|dbus[5]~31_combout ),
	.datac(\mcpu|dbus[5]~34_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|data_out[5]~18_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|data_out[5]~18 .lut_mask = 16'hC0C0;
defparam \mcpu|data_out[5]~18 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y26_N5
dffeas \mm|ram~6 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mcpu|data_out[5]~19_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mm|ram~12_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|ram~6_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|ram~6 .is_wysiwyg = "true";
defparam \mm|ram~6 .power_up = "low";
// synopsys translate_on

// Location: FF_X43_Y26_N17
dffeas \mcpu|mtr|dout[6] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mdr|dout [6]),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|trload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mtr|dout [6]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mtr|dout[6] .is_wysiwyg = "true";
defparam \mcpu|mtr|dout[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N16
cycloneive_lcell_comb \mcpu|dbus[6]~37 (
// Equation(s):
// \mcpu|dbus[6]~37_combout  = ((\mcpu|mtr|dout [6]) # ((\mcpu|mcontrol|arinc~0_combout  & \mcpu|mcontrol|zload~2_combout ))) # (!\mcpu|mcontrol|t5~q )

	.dataa(\mcpu|mcontrol|t5~q ),
	.datab(\mcpu|mcontrol|arinc~0_combout ),
	.datac(\mcpu|mtr|dout [6]),
	.datad(\mcpu|mcontrol|zload~2_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[6]~37_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[6]~37 .lut_mask = 16'hFDF5;
defparam \mcpu|dbus[6]~37 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N6
cycloneive_lcell_comb \mcpu|data_out[6]~20 (
// Equation(s):
// \mcpu|data_out[6]~20_combout  = (\mcpu|dbus[6]~40_combout  & \mcpu|dbus[6]~37_combout )

	.dataa(\mcpu|dbus[6]~40_combout ),
	.datab(gnd),
	.datac(\mcpu|dbus[6]~37_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|data_out[6]~20_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|data_out[6]~20 .lut_mask = 16'hA0A0;
defparam \mcpu|data_out[6]~20 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y28_N21
dffeas \mm|ram~7 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|data_out[6]~21_combout ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mm|ram~12_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|ram~7_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|ram~7 .is_wysiwyg = "true";
defparam \mm|ram~7 .power_up = "low";
// synopsys translate_on

// Location: M9K_X40_Y26_N0
cycloneive_ram_block \mm|ram_rtl_0|auto_generated|ram_block1a0 (
	.portawe(\mcpu|mcontrol|busmem~combout ),
	.portare(vcc),
	.portaaddrstall(gnd),
	.portbwe(gnd),
	.portbre(vcc),
	.portbaddrstall(gnd),
	.clk0(\mem|div_clk~clkctrl_outclk ),
	.clk1(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.ena0(\mcpu|mcontrol|busmem~combout ),
	.ena1(vcc),
	.ena2(vcc),
	.ena3(vcc),
	.clr0(gnd),
	.clr1(gnd),
	.portadatain({gnd,\mcpu|data_out[7]~23_combout ,\mcpu|data_out[6]~21_combout ,\mcpu|data_out[5]~19_combout ,\mcpu|data_out[4]~28_combout ,\mcpu|data_out[3]~27_combout ,\mcpu|data_out[2]~26_combout ,\mcpu|data_out[1]~25_combout ,\mcpu|data_out[0]~24_combout }),
	.portaaddr({\mcpu|mar|dout [14],\mcpu|mar|dout [13],\mcpu|mar|dout [12],\mcpu|mar|dout [11],\mcpu|mar|dout [10],\mcpu|mar|dout [9],\mcpu|mar|dout [8],\mcpu|mar|dout [7],\mcpu|mar|dout [6],\mcpu|mar|dout [5]}),
	.portabyteenamasks(1'b1),
	.portbdatain(9'b000000000),
	.portbaddr({\mcpu|mar|dout~27_combout ,\mcpu|mar|dout~25_combout ,\mcpu|mar|dout~23_combout ,\mcpu|mar|dout~21_combout ,\mcpu|mar|dout~19_combout ,\mcpu|mar|dout~17_combout ,\mcpu|mar|dout~15_combout ,\mcpu|mar|dout~13_combout ,\mcpu|mar|dout~11_combout ,
\mcpu|mar|dout~9_combout }),
	.portbbyteenamasks(1'b1),
	.devclrn(devclrn),
	.devpor(devpor),
	.portadataout(),
	.portbdataout(\mm|ram_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus ));
// synopsys translate_off
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .clk0_core_clock_enable = "ena0";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .data_interleave_offset_in_bits = 1;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .data_interleave_width_in_bits = 1;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .logical_ram_name = "ram:mm|altsyncram:ram_rtl_0|altsyncram_m5d1:auto_generated|ALTSYNCRAM";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .mixed_port_feed_through_mode = "dont_care";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .operation_mode = "dual_port";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_address_clear = "none";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_address_width = 10;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_byte_enable_clock = "none";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_data_out_clear = "none";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_data_out_clock = "none";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_data_width = 9;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_first_address = 0;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_first_bit_number = 0;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_last_address = 1023;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_logical_ram_depth = 1024;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_logical_ram_width = 8;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_a_read_during_write_mode = "new_data_with_nbe_read";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_address_clear = "none";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_address_clock = "clock1";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_address_width = 10;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_data_out_clear = "none";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_data_out_clock = "none";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_data_width = 9;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_first_address = 0;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_first_bit_number = 0;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_last_address = 1023;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_logical_ram_depth = 1024;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_logical_ram_width = 8;
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_read_during_write_mode = "new_data_with_nbe_read";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .port_b_read_enable_clock = "clock1";
defparam \mm|ram_rtl_0|auto_generated|ram_block1a0 .ram_block_type = "M9K";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N30
cycloneive_lcell_comb \mm|data_out~20 (
// Equation(s):
// \mm|data_out~20_combout  = (\mm|ram~0_q  & ((\mm|ram_rtl_0|auto_generated|ram_block1a6 ))) # (!\mm|ram~0_q  & (\mm|ram~7_q ))

	.dataa(\mm|ram~7_q ),
	.datab(gnd),
	.datac(\mm|ram~0_q ),
	.datad(\mm|ram_rtl_0|auto_generated|ram_block1a6 ),
	.cin(gnd),
	.combout(\mm|data_out~20_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~20 .lut_mask = 16'hFA0A;
defparam \mm|data_out~20 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: IOIBUF_X61_Y43_N15
cycloneive_io_ibuf \A1~input (
	.i(A1),
	.ibar(gnd),
	.o(\A1~input_o ));
// synopsys translate_off
defparam \A1~input .bus_hold = "false";
defparam \A1~input .simulate_z_as = "z";
// synopsys translate_on

// Location: LCCOMB_X39_Y32_N28
cycloneive_lcell_comb \mm|A_d1~0 (
// Equation(s):
// \mm|A_d1~0_combout  = !\A1~input_o 

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\A1~input_o ),
	.cin(gnd),
	.combout(\mm|A_d1~0_combout ),
	.cout());
// synopsys translate_off
defparam \mm|A_d1~0 .lut_mask = 16'h00FF;
defparam \mm|A_d1~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y32_N29
dffeas \mm|A_d1 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mm|A_d1~0_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|A_d1~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|A_d1 .is_wysiwyg = "true";
defparam \mm|A_d1 .power_up = "low";
// synopsys translate_on

// Location: FF_X39_Y32_N7
dffeas \mm|A_d2 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mm|A_d1~q ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|A_d2~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|A_d2 .is_wysiwyg = "true";
defparam \mm|A_d2 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y32_N6
cycloneive_lcell_comb \mm|always4~0 (
// Equation(s):
// \mm|always4~0_combout  = (\SW1~input_o  & (!\SW2~input_o  & (!\mm|A_d2~q  & \mm|A_d1~q )))

	.dataa(\SW1~input_o ),
	.datab(\SW2~input_o ),
	.datac(\mm|A_d2~q ),
	.datad(\mm|A_d1~q ),
	.cin(gnd),
	.combout(\mm|always4~0_combout ),
	.cout());
// synopsys translate_off
defparam \mm|always4~0 .lut_mask = 16'h0200;
defparam \mm|always4~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y32_N20
cycloneive_lcell_comb \mm|comb~0 (
// Equation(s):
// \mm|comb~0_combout  = (\rst~input_o  & \mm|always4~0_combout )

	.dataa(gnd),
	.datab(\rst~input_o ),
	.datac(gnd),
	.datad(\mm|always4~0_combout ),
	.cin(gnd),
	.combout(\mm|comb~0_combout ),
	.cout());
// synopsys translate_off
defparam \mm|comb~0 .lut_mask = 16'hCC00;
defparam \mm|comb~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N20
cycloneive_lcell_comb \mcpu|mcontrol|read~2 (
// Equation(s):
// \mcpu|mcontrol|read~2_combout  = ((\mcpu|mcontrol|t6~q  & \mcpu|mcontrol|ildac~q )) # (!\mcpu|mcontrol|read~1_combout )

	.dataa(\mcpu|mcontrol|t6~q ),
	.datab(gnd),
	.datac(\mcpu|mcontrol|read~1_combout ),
	.datad(\mcpu|mcontrol|ildac~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|read~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|read~2 .lut_mask = 16'hAF0F;
defparam \mcpu|mcontrol|read~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: IOIBUF_X7_Y43_N8
cycloneive_io_ibuf \D[0]~input (
	.i(D[0]),
	.ibar(gnd),
	.o(\D[0]~input_o ));
// synopsys translate_off
defparam \D[0]~input .bus_hold = "false";
defparam \D[0]~input .simulate_z_as = "z";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N6
cycloneive_lcell_comb \mm|Add0~0 (
// Equation(s):
// \mm|Add0~0_combout  = \mm|cnt [0] $ (VCC)
// \mm|Add0~1  = CARRY(\mm|cnt [0])

	.dataa(gnd),
	.datab(\mm|cnt [0]),
	.datac(gnd),
	.datad(vcc),
	.cin(gnd),
	.combout(\mm|Add0~0_combout ),
	.cout(\mm|Add0~1 ));
// synopsys translate_off
defparam \mm|Add0~0 .lut_mask = 16'h33CC;
defparam \mm|Add0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y32_N22
cycloneive_lcell_comb \mm|cnt~0 (
// Equation(s):
// \mm|cnt~0_combout  = (\mm|A_d1~q  & (!\mm|A_d2~q  & (\SW1~input_o  $ (\SW2~input_o ))))

	.dataa(\SW1~input_o ),
	.datab(\SW2~input_o ),
	.datac(\mm|A_d1~q ),
	.datad(\mm|A_d2~q ),
	.cin(gnd),
	.combout(\mm|cnt~0_combout ),
	.cout());
// synopsys translate_off
defparam \mm|cnt~0 .lut_mask = 16'h0060;
defparam \mm|cnt~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N26
cycloneive_lcell_comb \mm|cnt~1 (
// Equation(s):
// \mm|cnt~1_combout  = (\mm|cnt~0_combout  & (\mm|Add0~0_combout )) # (!\mm|cnt~0_combout  & ((\mm|cnt [0])))

	.dataa(\mm|Add0~0_combout ),
	.datab(gnd),
	.datac(\mm|cnt [0]),
	.datad(\mm|cnt~0_combout ),
	.cin(gnd),
	.combout(\mm|cnt~1_combout ),
	.cout());
// synopsys translate_off
defparam \mm|cnt~1 .lut_mask = 16'hAAF0;
defparam \mm|cnt~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y32_N27
dffeas \mm|cnt[0] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mm|cnt~1_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|cnt [0]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|cnt[0] .is_wysiwyg = "true";
defparam \mm|cnt[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N8
cycloneive_lcell_comb \mm|Add0~2 (
// Equation(s):
// \mm|Add0~2_combout  = (\mm|cnt [1] & (!\mm|Add0~1 )) # (!\mm|cnt [1] & ((\mm|Add0~1 ) # (GND)))
// \mm|Add0~3  = CARRY((!\mm|Add0~1 ) # (!\mm|cnt [1]))

	.dataa(gnd),
	.datab(\mm|cnt [1]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mm|Add0~1 ),
	.combout(\mm|Add0~2_combout ),
	.cout(\mm|Add0~3 ));
// synopsys translate_off
defparam \mm|Add0~2 .lut_mask = 16'h3C3F;
defparam \mm|Add0~2 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N20
cycloneive_lcell_comb \mm|cnt~2 (
// Equation(s):
// \mm|cnt~2_combout  = (\mm|cnt~0_combout  & ((\mm|Add0~2_combout ))) # (!\mm|cnt~0_combout  & (\mm|cnt [1]))

	.dataa(\mm|cnt~0_combout ),
	.datab(gnd),
	.datac(\mm|cnt [1]),
	.datad(\mm|Add0~2_combout ),
	.cin(gnd),
	.combout(\mm|cnt~2_combout ),
	.cout());
// synopsys translate_off
defparam \mm|cnt~2 .lut_mask = 16'hFA50;
defparam \mm|cnt~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y32_N21
dffeas \mm|cnt[1] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mm|cnt~2_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|cnt [1]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|cnt[1] .is_wysiwyg = "true";
defparam \mm|cnt[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N10
cycloneive_lcell_comb \mm|Add0~4 (
// Equation(s):
// \mm|Add0~4_combout  = (\mm|cnt [2] & (\mm|Add0~3  $ (GND))) # (!\mm|cnt [2] & (!\mm|Add0~3  & VCC))
// \mm|Add0~5  = CARRY((\mm|cnt [2] & !\mm|Add0~3 ))

	.dataa(gnd),
	.datab(\mm|cnt [2]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mm|Add0~3 ),
	.combout(\mm|Add0~4_combout ),
	.cout(\mm|Add0~5 ));
// synopsys translate_off
defparam \mm|Add0~4 .lut_mask = 16'hC30C;
defparam \mm|Add0~4 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N0
cycloneive_lcell_comb \mm|cnt~3 (
// Equation(s):
// \mm|cnt~3_combout  = (\mm|cnt~0_combout  & ((\mm|Add0~4_combout ))) # (!\mm|cnt~0_combout  & (\mm|cnt [2]))

	.dataa(\mm|cnt~0_combout ),
	.datab(gnd),
	.datac(\mm|cnt [2]),
	.datad(\mm|Add0~4_combout ),
	.cin(gnd),
	.combout(\mm|cnt~3_combout ),
	.cout());
// synopsys translate_off
defparam \mm|cnt~3 .lut_mask = 16'hFA50;
defparam \mm|cnt~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y32_N1
dffeas \mm|cnt[2] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mm|cnt~3_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|cnt [2]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|cnt[2] .is_wysiwyg = "true";
defparam \mm|cnt[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N12
cycloneive_lcell_comb \mm|Add0~6 (
// Equation(s):
// \mm|Add0~6_combout  = (\mm|cnt [3] & (!\mm|Add0~5 )) # (!\mm|cnt [3] & ((\mm|Add0~5 ) # (GND)))
// \mm|Add0~7  = CARRY((!\mm|Add0~5 ) # (!\mm|cnt [3]))

	.dataa(\mm|cnt [3]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mm|Add0~5 ),
	.combout(\mm|Add0~6_combout ),
	.cout(\mm|Add0~7 ));
// synopsys translate_off
defparam \mm|Add0~6 .lut_mask = 16'h5A5F;
defparam \mm|Add0~6 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N30
cycloneive_lcell_comb \mm|cnt~4 (
// Equation(s):
// \mm|cnt~4_combout  = (\mm|cnt~0_combout  & ((\mm|Add0~6_combout ))) # (!\mm|cnt~0_combout  & (\mm|cnt [3]))

	.dataa(\mm|cnt~0_combout ),
	.datab(gnd),
	.datac(\mm|cnt [3]),
	.datad(\mm|Add0~6_combout ),
	.cin(gnd),
	.combout(\mm|cnt~4_combout ),
	.cout());
// synopsys translate_off
defparam \mm|cnt~4 .lut_mask = 16'hFA50;
defparam \mm|cnt~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y32_N31
dffeas \mm|cnt[3] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mm|cnt~4_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|cnt [3]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|cnt[3] .is_wysiwyg = "true";
defparam \mm|cnt[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N14
cycloneive_lcell_comb \mm|Add0~8 (
// Equation(s):
// \mm|Add0~8_combout  = \mm|Add0~7  $ (!\mm|cnt [4])

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mm|cnt [4]),
	.cin(\mm|Add0~7 ),
	.combout(\mm|Add0~8_combout ),
	.cout());
// synopsys translate_off
defparam \mm|Add0~8 .lut_mask = 16'hF00F;
defparam \mm|Add0~8 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N28
cycloneive_lcell_comb \mm|cnt~5 (
// Equation(s):
// \mm|cnt~5_combout  = (\mm|cnt~0_combout  & (\mm|Add0~8_combout )) # (!\mm|cnt~0_combout  & ((\mm|cnt [4])))

	.dataa(\mm|cnt~0_combout ),
	.datab(\mm|Add0~8_combout ),
	.datac(\mm|cnt [4]),
	.datad(gnd),
	.cin(gnd),
	.combout(\mm|cnt~5_combout ),
	.cout());
// synopsys translate_off
defparam \mm|cnt~5 .lut_mask = 16'hD8D8;
defparam \mm|cnt~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y32_N29
dffeas \mm|cnt[4] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mm|cnt~5_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|cnt [4]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|cnt[4] .is_wysiwyg = "true";
defparam \mm|cnt[4] .power_up = "low";
// synopsys translate_on

// Location: IOIBUF_X11_Y43_N15
cycloneive_io_ibuf \D[1]~input (
	.i(D[1]),
	.ibar(gnd),
	.o(\D[1]~input_o ));
// synopsys translate_off
defparam \D[1]~input .bus_hold = "false";
defparam \D[1]~input .simulate_z_as = "z";
// synopsys translate_on

// Location: IOIBUF_X22_Y43_N1
cycloneive_io_ibuf \D[2]~input (
	.i(D[2]),
	.ibar(gnd),
	.o(\D[2]~input_o ));
// synopsys translate_off
defparam \D[2]~input .bus_hold = "false";
defparam \D[2]~input .simulate_z_as = "z";
// synopsys translate_on

// Location: IOIBUF_X25_Y43_N22
cycloneive_io_ibuf \D[3]~input (
	.i(D[3]),
	.ibar(gnd),
	.o(\D[3]~input_o ));
// synopsys translate_off
defparam \D[3]~input .bus_hold = "false";
defparam \D[3]~input .simulate_z_as = "z";
// synopsys translate_on

// Location: IOIBUF_X25_Y43_N8
cycloneive_io_ibuf \D[4]~input (
	.i(D[4]),
	.ibar(gnd),
	.o(\D[4]~input_o ));
// synopsys translate_off
defparam \D[4]~input .bus_hold = "false";
defparam \D[4]~input .simulate_z_as = "z";
// synopsys translate_on

// Location: IOIBUF_X29_Y43_N1
cycloneive_io_ibuf \D[5]~input (
	.i(D[5]),
	.ibar(gnd),
	.o(\D[5]~input_o ));
// synopsys translate_off
defparam \D[5]~input .bus_hold = "false";
defparam \D[5]~input .simulate_z_as = "z";
// synopsys translate_on

// Location: IOIBUF_X32_Y43_N22
cycloneive_io_ibuf \D[6]~input (
	.i(D[6]),
	.ibar(gnd),
	.o(\D[6]~input_o ));
// synopsys translate_off
defparam \D[6]~input .bus_hold = "false";
defparam \D[6]~input .simulate_z_as = "z";
// synopsys translate_on

// Location: IOIBUF_X38_Y43_N29
cycloneive_io_ibuf \D[7]~input (
	.i(D[7]),
	.ibar(gnd),
	.o(\D[7]~input_o ));
// synopsys translate_off
defparam \D[7]~input .bus_hold = "false";
defparam \D[7]~input .simulate_z_as = "z";
// synopsys translate_on

// Location: M9K_X40_Y28_N0
cycloneive_ram_block \mm|memory_rtl_0|auto_generated|ram_block1a0 (
	.portawe(\mm|comb~0_combout ),
	.portare(vcc),
	.portaaddrstall(gnd),
	.portbwe(gnd),
	.portbre(vcc),
	.portbaddrstall(gnd),
	.clk0(\mem|div_clk~clkctrl_outclk ),
	.clk1(\mem|div_clk~clkctrl_outclk ),
	.ena0(\mm|comb~0_combout ),
	.ena1(\mcpu|mcontrol|read~2_combout ),
	.ena2(vcc),
	.ena3(vcc),
	.clr0(gnd),
	.clr1(gnd),
	.portadatain({gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,\D[7]~input_o ,\D[6]~input_o ,\D[5]~input_o ,\D[4]~input_o ,\D[3]~input_o ,\D[2]~input_o ,\D[1]~input_o ,\D[0]~input_o }),
	.portaaddr({\mm|cnt [4],\mm|cnt [3],\mm|cnt [2],\mm|cnt [1],\mm|cnt [0]}),
	.portabyteenamasks(1'b1),
	.portbdatain(36'b000000000000000000000000000000000000),
	.portbaddr({\mcpu|mar|dout [4],\mcpu|mar|dout [3],\mcpu|mar|dout [2],\mcpu|mar|dout [1],\mcpu|mar|dout [0]}),
	.portbbyteenamasks(1'b1),
	.devclrn(devclrn),
	.devpor(devpor),
	.portadataout(),
	.portbdataout(\mm|memory_rtl_0|auto_generated|ram_block1a0_PORTBDATAOUT_bus ));
// synopsys translate_off
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .clk0_core_clock_enable = "ena0";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .clk1_core_clock_enable = "ena1";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .clk1_input_clock_enable = "ena1";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .data_interleave_offset_in_bits = 1;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .data_interleave_width_in_bits = 1;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .logical_ram_name = "ram:mm|altsyncram:memory_rtl_0|altsyncram_amd1:auto_generated|ALTSYNCRAM";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .mixed_port_feed_through_mode = "dont_care";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .operation_mode = "dual_port";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_address_clear = "none";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_address_width = 5;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_byte_enable_clock = "none";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_data_out_clear = "none";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_data_out_clock = "none";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_data_width = 36;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_first_address = 0;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_first_bit_number = 0;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_last_address = 31;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_logical_ram_depth = 32;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_logical_ram_width = 8;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_a_read_during_write_mode = "new_data_with_nbe_read";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_address_clear = "none";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_address_clock = "clock1";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_address_width = 5;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_data_out_clear = "none";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_data_out_clock = "none";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_data_width = 36;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_first_address = 0;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_first_bit_number = 0;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_last_address = 31;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_logical_ram_depth = 32;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_logical_ram_width = 8;
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_read_during_write_mode = "new_data_with_nbe_read";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .port_b_read_enable_clock = "clock1";
defparam \mm|memory_rtl_0|auto_generated|ram_block1a0 .ram_block_type = "M9K";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N24
cycloneive_lcell_comb \mcpu|dbus[6]~36 (
// Equation(s):
// \mcpu|dbus[6]~36_combout  = ((\mm|WideOr0~combout  & (\mm|data_out~20_combout )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a6 )))) # (!\mm|data_out[0]~10_combout )

	.dataa(\mm|data_out[0]~10_combout ),
	.datab(\mm|WideOr0~combout ),
	.datac(\mm|data_out~20_combout ),
	.datad(\mm|memory_rtl_0|auto_generated|ram_block1a6 ),
	.cin(gnd),
	.combout(\mcpu|dbus[6]~36_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[6]~36 .lut_mask = 16'hF7D5;
defparam \mcpu|dbus[6]~36 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N4
cycloneive_lcell_comb \mcpu|data_out[6]~21 (
// Equation(s):
// \mcpu|data_out[6]~21_combout  = (((\mcpu|data_out[6]~20_combout  & \mcpu|dbus[6]~36_combout )) # (!\mcpu|dbus[0]~9_combout )) # (!\mcpu|mcontrol|busmem~combout )

	.dataa(\mcpu|data_out[6]~20_combout ),
	.datab(\mcpu|mcontrol|busmem~combout ),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[6]~36_combout ),
	.cin(gnd),
	.combout(\mcpu|data_out[6]~21_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|data_out[6]~21 .lut_mask = 16'hBF3F;
defparam \mcpu|data_out[6]~21 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N22
cycloneive_lcell_comb \mm|data_out~19 (
// Equation(s):
// \mm|data_out~19_combout  = (\mm|ram~0_q  & ((\mm|ram_rtl_0|auto_generated|ram_block1a5 ))) # (!\mm|ram~0_q  & (\mm|ram~6_q ))

	.dataa(gnd),
	.datab(\mm|ram~0_q ),
	.datac(\mm|ram~6_q ),
	.datad(\mm|ram_rtl_0|auto_generated|ram_block1a5 ),
	.cin(gnd),
	.combout(\mm|data_out~19_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~19 .lut_mask = 16'hFC30;
defparam \mm|data_out~19 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N16
cycloneive_lcell_comb \mcpu|dbus[5]~30 (
// Equation(s):
// \mcpu|dbus[5]~30_combout  = ((\mm|WideOr0~combout  & (\mm|data_out~19_combout )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a5 )))) # (!\mm|data_out[0]~10_combout )

	.dataa(\mm|data_out[0]~10_combout ),
	.datab(\mm|WideOr0~combout ),
	.datac(\mm|data_out~19_combout ),
	.datad(\mm|memory_rtl_0|auto_generated|ram_block1a5 ),
	.cin(gnd),
	.combout(\mcpu|dbus[5]~30_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[5]~30 .lut_mask = 16'hF7D5;
defparam \mcpu|dbus[5]~30 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N4
cycloneive_lcell_comb \mcpu|data_out[5]~19 (
// Equation(s):
// \mcpu|data_out[5]~19_combout  = (((\mcpu|data_out[5]~18_combout  & \mcpu|dbus[5]~30_combout )) # (!\mcpu|dbus[0]~9_combout )) # (!\mcpu|mcontrol|busmem~combout )

	.dataa(\mcpu|mcontrol|busmem~combout ),
	.datab(\mcpu|dbus[0]~9_combout ),
	.datac(\mcpu|data_out[5]~18_combout ),
	.datad(\mcpu|dbus[5]~30_combout ),
	.cin(gnd),
	.combout(\mcpu|data_out[5]~19_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|data_out[5]~19 .lut_mask = 16'hF777;
defparam \mcpu|data_out[5]~19 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N8
cycloneive_lcell_comb \mm|data_out~13 (
// Equation(s):
// \mm|data_out~13_combout  = (\mm|ram~0_q  & ((\mm|ram_rtl_0|auto_generated|ram_block1a2 ))) # (!\mm|ram~0_q  & (\mm|ram~3_q ))

	.dataa(gnd),
	.datab(\mm|ram~3_q ),
	.datac(\mm|ram_rtl_0|auto_generated|ram_block1a2 ),
	.datad(\mm|ram~0_q ),
	.cin(gnd),
	.combout(\mm|data_out~13_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~13 .lut_mask = 16'hF0CC;
defparam \mm|data_out~13 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N10
cycloneive_lcell_comb \mm|data_out~14 (
// Equation(s):
// \mm|data_out~14_combout  = (\mm|WideOr0~combout  & (\mm|data_out~13_combout )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a2 )))

	.dataa(\mm|WideOr0~combout ),
	.datab(gnd),
	.datac(\mm|data_out~13_combout ),
	.datad(\mm|memory_rtl_0|auto_generated|ram_block1a2 ),
	.cin(gnd),
	.combout(\mm|data_out~14_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~14 .lut_mask = 16'hF5A0;
defparam \mm|data_out~14 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N24
cycloneive_lcell_comb \mcpu|dbus[2]~19 (
// Equation(s):
// \mcpu|dbus[2]~19_combout  = (\mcpu|dbus[2]~15_combout  & (\mcpu|dbus[2]~18_combout  & ((\mm|data_out~14_combout ) # (!\mm|data_out[0]~10_combout ))))

	.dataa(\mm|data_out[0]~10_combout ),
	.datab(\mcpu|dbus[2]~15_combout ),
	.datac(\mcpu|dbus[2]~18_combout ),
	.datad(\mm|data_out~14_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[2]~19_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[2]~19 .lut_mask = 16'hC040;
defparam \mcpu|dbus[2]~19 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N26
cycloneive_lcell_comb \mcpu|data_out[2]~26 (
// Equation(s):
// \mcpu|data_out[2]~26_combout  = (((\mcpu|dbus[2]~19_combout ) # (!\mcpu|dbus[0]~9_combout )) # (!\mcpu|mcontrol|istac~q )) # (!\mcpu|mcontrol|t7~q )

	.dataa(\mcpu|mcontrol|t7~q ),
	.datab(\mcpu|mcontrol|istac~q ),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[2]~19_combout ),
	.cin(gnd),
	.combout(\mcpu|data_out[2]~26_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|data_out[2]~26 .lut_mask = 16'hFF7F;
defparam \mcpu|data_out[2]~26 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N16
cycloneive_lcell_comb \mm|data_out~21 (
// Equation(s):
// \mm|data_out~21_combout  = (\mm|ram~0_q  & ((\mm|ram_rtl_0|auto_generated|ram_block1a7 ))) # (!\mm|ram~0_q  & (\mm|ram~8_q ))

	.dataa(\mm|ram~8_q ),
	.datab(\mm|ram~0_q ),
	.datac(gnd),
	.datad(\mm|ram_rtl_0|auto_generated|ram_block1a7 ),
	.cin(gnd),
	.combout(\mm|data_out~21_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~21 .lut_mask = 16'hEE22;
defparam \mm|data_out~21 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N18
cycloneive_lcell_comb \mcpu|dbus[7]~42 (
// Equation(s):
// \mcpu|dbus[7]~42_combout  = ((\mm|WideOr0~combout  & (\mm|data_out~21_combout )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a7 )))) # (!\mm|data_out[0]~10_combout )

	.dataa(\mm|WideOr0~combout ),
	.datab(\mm|data_out~21_combout ),
	.datac(\mm|memory_rtl_0|auto_generated|ram_block1a7 ),
	.datad(\mm|data_out[0]~10_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[7]~42_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[7]~42 .lut_mask = 16'hD8FF;
defparam \mcpu|dbus[7]~42 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N2
cycloneive_lcell_comb \mcpu|dbus[7]~47 (
// Equation(s):
// \mcpu|dbus[7]~47_combout  = ((\mcpu|dbus[7]~42_combout  & (\mcpu|dbus[7]~43_combout  & \mcpu|dbus[7]~46_combout ))) # (!\mcpu|dbus[0]~9_combout )

	.dataa(\mcpu|dbus[7]~42_combout ),
	.datab(\mcpu|dbus[7]~43_combout ),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[7]~46_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[7]~47_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[7]~47 .lut_mask = 16'h8F0F;
defparam \mcpu|dbus[7]~47 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y28_N19
dffeas \mcpu|mpc|dout[7] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[7]~9_combout ),
	.asdata(\mcpu|dbus[7]~47_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(\mcpu|mcontrol|zload~3_combout ),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [7]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[7] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[7] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N16
cycloneive_lcell_comb \mcpu|mpc|Add0~16 (
// Equation(s):
// \mcpu|mpc|Add0~16_combout  = (\mcpu|mpc|dout [8] & (\mcpu|mpc|Add0~15  $ (GND))) # (!\mcpu|mpc|dout [8] & (!\mcpu|mpc|Add0~15  & VCC))
// \mcpu|mpc|Add0~17  = CARRY((\mcpu|mpc|dout [8] & !\mcpu|mpc|Add0~15 ))

	.dataa(gnd),
	.datab(\mcpu|mpc|dout [8]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~15 ),
	.combout(\mcpu|mpc|Add0~16_combout ),
	.cout(\mcpu|mpc|Add0~17 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~16 .lut_mask = 16'hC30C;
defparam \mcpu|mpc|Add0~16 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X41_Y29_N17
dffeas \mcpu|mpc|dout[8] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[8]~0_combout ),
	.asdata(\mcpu|mpc|Add0~16_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(!\mcpu|mcontrol|zload~3_combout ),
	.ena(\mcpu|mpc|dout[14]~18_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [8]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[8] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[8] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N18
cycloneive_lcell_comb \mcpu|mpc|Add0~18 (
// Equation(s):
// \mcpu|mpc|Add0~18_combout  = (\mcpu|mpc|dout [9] & (!\mcpu|mpc|Add0~17 )) # (!\mcpu|mpc|dout [9] & ((\mcpu|mpc|Add0~17 ) # (GND)))
// \mcpu|mpc|Add0~19  = CARRY((!\mcpu|mpc|Add0~17 ) # (!\mcpu|mpc|dout [9]))

	.dataa(\mcpu|mpc|dout [9]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~17 ),
	.combout(\mcpu|mpc|Add0~18_combout ),
	.cout(\mcpu|mpc|Add0~19 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~18 .lut_mask = 16'h5A5F;
defparam \mcpu|mpc|Add0~18 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X43_Y28_N21
dffeas \mcpu|mpc|dout[9] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[9]~1_combout ),
	.asdata(\mcpu|mpc|Add0~18_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(!\mcpu|mcontrol|zload~3_combout ),
	.ena(\mcpu|mpc|dout[14]~18_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [9]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[9] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[9] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N20
cycloneive_lcell_comb \mcpu|mpc|Add0~20 (
// Equation(s):
// \mcpu|mpc|Add0~20_combout  = (\mcpu|mpc|dout [10] & (\mcpu|mpc|Add0~19  $ (GND))) # (!\mcpu|mpc|dout [10] & (!\mcpu|mpc|Add0~19  & VCC))
// \mcpu|mpc|Add0~21  = CARRY((\mcpu|mpc|dout [10] & !\mcpu|mpc|Add0~19 ))

	.dataa(\mcpu|mpc|dout [10]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~19 ),
	.combout(\mcpu|mpc|Add0~20_combout ),
	.cout(\mcpu|mpc|Add0~21 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~20 .lut_mask = 16'hA50A;
defparam \mcpu|mpc|Add0~20 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X41_Y29_N31
dffeas \mcpu|mpc|dout[10] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[10]~2_combout ),
	.asdata(\mcpu|mpc|Add0~20_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(!\mcpu|mcontrol|zload~3_combout ),
	.ena(\mcpu|mpc|dout[14]~18_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [10]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[10] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[10] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N22
cycloneive_lcell_comb \mcpu|mpc|Add0~22 (
// Equation(s):
// \mcpu|mpc|Add0~22_combout  = (\mcpu|mpc|dout [11] & (!\mcpu|mpc|Add0~21 )) # (!\mcpu|mpc|dout [11] & ((\mcpu|mpc|Add0~21 ) # (GND)))
// \mcpu|mpc|Add0~23  = CARRY((!\mcpu|mpc|Add0~21 ) # (!\mcpu|mpc|dout [11]))

	.dataa(\mcpu|mpc|dout [11]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mpc|Add0~21 ),
	.combout(\mcpu|mpc|Add0~22_combout ),
	.cout(\mcpu|mpc|Add0~23 ));
// synopsys translate_off
defparam \mcpu|mpc|Add0~22 .lut_mask = 16'h5A5F;
defparam \mcpu|mpc|Add0~22 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X43_Y28_N3
dffeas \mcpu|mpc|dout[11] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[11]~3_combout ),
	.asdata(\mcpu|mpc|Add0~22_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(!\mcpu|mcontrol|zload~3_combout ),
	.ena(\mcpu|mpc|dout[14]~18_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [11]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[11] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[11] .power_up = "low";
// synopsys translate_on

// Location: FF_X43_Y28_N1
dffeas \mcpu|mpc|dout[12] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[12]~4_combout ),
	.asdata(\mcpu|mpc|Add0~24_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(!\mcpu|mcontrol|zload~3_combout ),
	.ena(\mcpu|mpc|dout[14]~18_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [12]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[12] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[12] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N0
cycloneive_lcell_comb \mcpu|mpc|dout[12]~4 (
// Equation(s):
// \mcpu|mpc|dout[12]~4_combout  = (\mcpu|mcontrol|pcbus~combout  & (\mcpu|mpc|dout [12])) # (!\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mdr|dout [4])))

	.dataa(\mcpu|mcontrol|pcbus~combout ),
	.datab(gnd),
	.datac(\mcpu|mpc|dout [12]),
	.datad(\mcpu|mdr|dout [4]),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[12]~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[12]~4 .lut_mask = 16'hF5A0;
defparam \mcpu|mpc|dout[12]~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N24
cycloneive_lcell_comb \mcpu|mar|Add0~24 (
// Equation(s):
// \mcpu|mar|Add0~24_combout  = (\mcpu|mar|dout [12] & (\mcpu|mar|Add0~23  $ (GND))) # (!\mcpu|mar|dout [12] & (!\mcpu|mar|Add0~23  & VCC))
// \mcpu|mar|Add0~25  = CARRY((\mcpu|mar|dout [12] & !\mcpu|mar|Add0~23 ))

	.dataa(gnd),
	.datab(\mcpu|mar|dout [12]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~23 ),
	.combout(\mcpu|mar|Add0~24_combout ),
	.cout(\mcpu|mar|Add0~25 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~24 .lut_mask = 16'hC30C;
defparam \mcpu|mar|Add0~24 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N22
cycloneive_lcell_comb \mcpu|mar|dout~22 (
// Equation(s):
// \mcpu|mar|dout~22_combout  = (!\mcpu|mcontrol|arload~0_combout  & ((\mcpu|mcontrol|arinc~1_combout  & (\mcpu|mar|dout [12])) # (!\mcpu|mcontrol|arinc~1_combout  & ((\mcpu|mar|Add0~24_combout )))))

	.dataa(\mcpu|mcontrol|arload~0_combout ),
	.datab(\mcpu|mar|dout [12]),
	.datac(\mcpu|mcontrol|arinc~1_combout ),
	.datad(\mcpu|mar|Add0~24_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~22_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~22 .lut_mask = 16'h4540;
defparam \mcpu|mar|dout~22 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N28
cycloneive_lcell_comb \mcpu|mar|dout~23 (
// Equation(s):
// \mcpu|mar|dout~23_combout  = (\mcpu|mar|dout~22_combout ) # ((\mcpu|mpc|dout[12]~4_combout  & \mcpu|mcontrol|arload~0_combout ))

	.dataa(gnd),
	.datab(\mcpu|mpc|dout[12]~4_combout ),
	.datac(\mcpu|mar|dout~22_combout ),
	.datad(\mcpu|mcontrol|arload~0_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~23_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~23 .lut_mask = 16'hFCF0;
defparam \mcpu|mar|dout~23 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y29_N29
dffeas \mcpu|mar|dout[12] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~23_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [12]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[12] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[12] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N24
cycloneive_lcell_comb \mcpu|mar|dout~24 (
// Equation(s):
// \mcpu|mar|dout~24_combout  = (!\mcpu|mcontrol|arload~0_combout  & ((\mcpu|mcontrol|arinc~1_combout  & (\mcpu|mar|dout [13])) # (!\mcpu|mcontrol|arinc~1_combout  & ((\mcpu|mar|Add0~26_combout )))))

	.dataa(\mcpu|mcontrol|arload~0_combout ),
	.datab(\mcpu|mar|dout [13]),
	.datac(\mcpu|mcontrol|arinc~1_combout ),
	.datad(\mcpu|mar|Add0~26_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~24_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~24 .lut_mask = 16'h4540;
defparam \mcpu|mar|dout~24 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N18
cycloneive_lcell_comb \mcpu|mar|dout~25 (
// Equation(s):
// \mcpu|mar|dout~25_combout  = (\mcpu|mar|dout~24_combout ) # ((\mcpu|mcontrol|arload~0_combout  & \mcpu|mpc|dout[13]~5_combout ))

	.dataa(\mcpu|mcontrol|arload~0_combout ),
	.datab(\mcpu|mar|dout~24_combout ),
	.datac(\mcpu|mpc|dout[13]~5_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mar|dout~25_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~25 .lut_mask = 16'hECEC;
defparam \mcpu|mar|dout~25 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y29_N19
dffeas \mcpu|mar|dout[13] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~25_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [13]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[13] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[13] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N16
cycloneive_lcell_comb \mm|ram~9 (
// Equation(s):
// \mm|ram~9_combout  = (!\mcpu|mar|dout [13] & (!\mcpu|mar|dout [14] & (!\mcpu|mar|dout [11] & !\mcpu|mar|dout [12])))

	.dataa(\mcpu|mar|dout [13]),
	.datab(\mcpu|mar|dout [14]),
	.datac(\mcpu|mar|dout [11]),
	.datad(\mcpu|mar|dout [12]),
	.cin(gnd),
	.combout(\mm|ram~9_combout ),
	.cout());
// synopsys translate_off
defparam \mm|ram~9 .lut_mask = 16'h0001;
defparam \mm|ram~9 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N30
cycloneive_lcell_comb \mm|ram~12 (
// Equation(s):
// \mm|ram~12_combout  = (\mm|ram~10_combout  & (\mm|ram~11_combout  & (\mcpu|mcontrol|busmem~combout  & \mm|ram~9_combout )))

	.dataa(\mm|ram~10_combout ),
	.datab(\mm|ram~11_combout ),
	.datac(\mcpu|mcontrol|busmem~combout ),
	.datad(\mm|ram~9_combout ),
	.cin(gnd),
	.combout(\mm|ram~12_combout ),
	.cout());
// synopsys translate_off
defparam \mm|ram~12 .lut_mask = 16'h8000;
defparam \mm|ram~12 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y26_N25
dffeas \mm|ram~4 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mcpu|data_out[3]~27_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mm|ram~12_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|ram~4_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|ram~4 .is_wysiwyg = "true";
defparam \mm|ram~4 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N0
cycloneive_lcell_comb \mm|data_out~15 (
// Equation(s):
// \mm|data_out~15_combout  = (\mm|WideOr0~combout  & (\mm|ram_rtl_0|auto_generated|ram_block1a3 )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a3 )))

	.dataa(\mm|WideOr0~combout ),
	.datab(gnd),
	.datac(\mm|ram_rtl_0|auto_generated|ram_block1a3 ),
	.datad(\mm|memory_rtl_0|auto_generated|ram_block1a3 ),
	.cin(gnd),
	.combout(\mm|data_out~15_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~15 .lut_mask = 16'hF5A0;
defparam \mm|data_out~15 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N18
cycloneive_lcell_comb \mm|data_out~16 (
// Equation(s):
// \mm|data_out~16_combout  = (\mm|ram~0_q  & (((\mm|data_out~15_combout )))) # (!\mm|ram~0_q  & ((\mm|WideOr0~combout  & (\mm|ram~4_q )) # (!\mm|WideOr0~combout  & ((\mm|data_out~15_combout )))))

	.dataa(\mm|ram~4_q ),
	.datab(\mm|ram~0_q ),
	.datac(\mm|WideOr0~combout ),
	.datad(\mm|data_out~15_combout ),
	.cin(gnd),
	.combout(\mm|data_out~16_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~16 .lut_mask = 16'hEF20;
defparam \mm|data_out~16 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N12
cycloneive_lcell_comb \mcpu|dbus[3]~24 (
// Equation(s):
// \mcpu|dbus[3]~24_combout  = (\mcpu|dbus[3]~20_combout  & (\mcpu|dbus[3]~23_combout  & ((\mm|data_out~16_combout ) # (!\mm|data_out[0]~10_combout ))))

	.dataa(\mm|data_out[0]~10_combout ),
	.datab(\mcpu|dbus[3]~20_combout ),
	.datac(\mcpu|dbus[3]~23_combout ),
	.datad(\mm|data_out~16_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[3]~24_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[3]~24 .lut_mask = 16'hC040;
defparam \mcpu|dbus[3]~24 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N0
cycloneive_lcell_comb \mcpu|malu|Mux3~1 (
// Equation(s):
// \mcpu|malu|Mux3~1_combout  = (\mcpu|malu|Mux2~3_combout  & ((\mcpu|dbus[3]~24_combout ) # (!\mcpu|dbus[0]~9_combout )))

	.dataa(\mcpu|malu|Mux2~3_combout ),
	.datab(gnd),
	.datac(\mcpu|dbus[3]~24_combout ),
	.datad(\mcpu|dbus[0]~9_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux3~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux3~1 .lut_mask = 16'hA0AA;
defparam \mcpu|malu|Mux3~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y28_N9
dffeas \mcpu|mac|dout[3] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|malu|Mux3~4_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|acload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mac|dout [3]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mac|dout[3] .is_wysiwyg = "true";
defparam \mcpu|mac|dout[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N14
cycloneive_lcell_comb \mcpu|malu|Mux3~0 (
// Equation(s):
// \mcpu|malu|Mux3~0_combout  = (\mcpu|malu|Mux0~4_combout  & (\mcpu|mac|dout [3] $ (((\mcpu|dbus[3]~24_combout ) # (!\mcpu|dbus[0]~9_combout )))))

	.dataa(\mcpu|malu|Mux0~4_combout ),
	.datab(\mcpu|mac|dout [3]),
	.datac(\mcpu|dbus[3]~24_combout ),
	.datad(\mcpu|dbus[0]~9_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux3~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux3~0 .lut_mask = 16'h2822;
defparam \mcpu|malu|Mux3~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N22
cycloneive_lcell_comb \mcpu|malu|dout~3 (
// Equation(s):
// \mcpu|malu|dout~3_combout  = (\mcpu|mac|dout [3] & ((\mcpu|dbus[3]~24_combout ) # (!\mcpu|dbus[0]~9_combout )))

	.dataa(\mcpu|mac|dout [3]),
	.datab(gnd),
	.datac(\mcpu|dbus[3]~24_combout ),
	.datad(\mcpu|dbus[0]~9_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|dout~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|dout~3 .lut_mask = 16'hA0AA;
defparam \mcpu|malu|dout~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N30
cycloneive_lcell_comb \mcpu|malu|Add0~11 (
// Equation(s):
// \mcpu|malu|Add0~11_combout  = (\mcpu|mcontrol|alus[1]~reg0_q  & (!\mcpu|mcontrol|alus[0]~reg0_q  & (\mcpu|dbus[0]~9_combout  & !\mcpu|dbus[3]~24_combout ))) # (!\mcpu|mcontrol|alus[1]~reg0_q  & (((\mcpu|dbus[3]~24_combout ) # (!\mcpu|dbus[0]~9_combout 
// ))))

	.dataa(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datab(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[3]~24_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Add0~11_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Add0~11 .lut_mask = 16'h3343;
defparam \mcpu|malu|Add0~11 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N8
cycloneive_lcell_comb \mcpu|malu|Add0~12 (
// Equation(s):
// \mcpu|malu|Add0~12_combout  = ((\mcpu|malu|Add0~11_combout  $ (\mcpu|mac|dout [3] $ (!\mcpu|malu|Add0~10 )))) # (GND)
// \mcpu|malu|Add0~13  = CARRY((\mcpu|malu|Add0~11_combout  & ((\mcpu|mac|dout [3]) # (!\mcpu|malu|Add0~10 ))) # (!\mcpu|malu|Add0~11_combout  & (\mcpu|mac|dout [3] & !\mcpu|malu|Add0~10 )))

	.dataa(\mcpu|malu|Add0~11_combout ),
	.datab(\mcpu|mac|dout [3]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|malu|Add0~10 ),
	.combout(\mcpu|malu|Add0~12_combout ),
	.cout(\mcpu|malu|Add0~13 ));
// synopsys translate_off
defparam \mcpu|malu|Add0~12 .lut_mask = 16'h698E;
defparam \mcpu|malu|Add0~12 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N28
cycloneive_lcell_comb \mcpu|malu|Mux3~2 (
// Equation(s):
// \mcpu|malu|Mux3~2_combout  = (\mcpu|malu|Mux2~1_combout  & (((\mcpu|malu|dout~3_combout )) # (!\mcpu|malu|Mux2~0_combout ))) # (!\mcpu|malu|Mux2~1_combout  & (\mcpu|malu|Mux2~0_combout  & ((\mcpu|malu|Add0~12_combout ))))

	.dataa(\mcpu|malu|Mux2~1_combout ),
	.datab(\mcpu|malu|Mux2~0_combout ),
	.datac(\mcpu|malu|dout~3_combout ),
	.datad(\mcpu|malu|Add0~12_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux3~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux3~2 .lut_mask = 16'hE6A2;
defparam \mcpu|malu|Mux3~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N6
cycloneive_lcell_comb \mcpu|malu|Mux3~3 (
// Equation(s):
// \mcpu|malu|Mux3~3_combout  = (\mcpu|mac|dout [3] & (\mcpu|malu|Mux2~2_combout  $ (((\mcpu|malu|Mux3~2_combout ))))) # (!\mcpu|mac|dout [3] & ((\mcpu|malu|Mux3~2_combout ) # ((\mcpu|malu|Mux2~2_combout  & \mcpu|dbus[3]~57_combout ))))

	.dataa(\mcpu|mac|dout [3]),
	.datab(\mcpu|malu|Mux2~2_combout ),
	.datac(\mcpu|dbus[3]~57_combout ),
	.datad(\mcpu|malu|Mux3~2_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux3~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux3~3 .lut_mask = 16'h77C8;
defparam \mcpu|malu|Mux3~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N8
cycloneive_lcell_comb \mcpu|malu|Mux3~4 (
// Equation(s):
// \mcpu|malu|Mux3~4_combout  = (\mcpu|malu|Mux3~1_combout ) # ((\mcpu|malu|Mux3~0_combout ) # ((\mcpu|malu|Mux0~2_combout  & \mcpu|malu|Mux3~3_combout )))

	.dataa(\mcpu|malu|Mux0~2_combout ),
	.datab(\mcpu|malu|Mux3~1_combout ),
	.datac(\mcpu|malu|Mux3~0_combout ),
	.datad(\mcpu|malu|Mux3~3_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux3~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux3~4 .lut_mask = 16'hFEFC;
defparam \mcpu|malu|Mux3~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N30
cycloneive_lcell_comb \mcpu|mz|dout[0]~0 (
// Equation(s):
// \mcpu|mz|dout[0]~0_combout  = (!\mcpu|malu|Mux0~5_combout  & (!\mcpu|malu|Mux3~4_combout  & (!\mcpu|malu|Mux2~7_combout  & !\mcpu|malu|Mux1~3_combout )))

	.dataa(\mcpu|malu|Mux0~5_combout ),
	.datab(\mcpu|malu|Mux3~4_combout ),
	.datac(\mcpu|malu|Mux2~7_combout ),
	.datad(\mcpu|malu|Mux1~3_combout ),
	.cin(gnd),
	.combout(\mcpu|mz|dout[0]~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mz|dout[0]~0 .lut_mask = 16'h0001;
defparam \mcpu|mz|dout[0]~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N14
cycloneive_lcell_comb \mcpu|mz|dout[0]~1 (
// Equation(s):
// \mcpu|mz|dout[0]~1_combout  = (!\mcpu|malu|Mux6~5_combout  & (!\mcpu|malu|Mux5~5_combout  & (!\mcpu|malu|Mux7~5_combout  & !\mcpu|malu|Mux4~4_combout )))

	.dataa(\mcpu|malu|Mux6~5_combout ),
	.datab(\mcpu|malu|Mux5~5_combout ),
	.datac(\mcpu|malu|Mux7~5_combout ),
	.datad(\mcpu|malu|Mux4~4_combout ),
	.cin(gnd),
	.combout(\mcpu|mz|dout[0]~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mz|dout[0]~1 .lut_mask = 16'h0001;
defparam \mcpu|mz|dout[0]~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N8
cycloneive_lcell_comb \mcpu|mz|dout[0]~2 (
// Equation(s):
// \mcpu|mz|dout[0]~2_combout  = (\mcpu|mcontrol|zload~4_combout  & (\mcpu|mz|dout[0]~0_combout  & ((\mcpu|mz|dout[0]~1_combout )))) # (!\mcpu|mcontrol|zload~4_combout  & (((\mcpu|mz|dout [0]))))

	.dataa(\mcpu|mcontrol|zload~4_combout ),
	.datab(\mcpu|mz|dout[0]~0_combout ),
	.datac(\mcpu|mz|dout [0]),
	.datad(\mcpu|mz|dout[0]~1_combout ),
	.cin(gnd),
	.combout(\mcpu|mz|dout[0]~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mz|dout[0]~2 .lut_mask = 16'hD850;
defparam \mcpu|mz|dout[0]~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X36_Y26_N9
dffeas \mcpu|mz|dout[0] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mz|dout[0]~2_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mz|dout [0]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mz|dout[0] .is_wysiwyg = "true";
defparam \mcpu|mz|dout[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N26
cycloneive_lcell_comb \mcpu|mcontrol|pcinc~0 (
// Equation(s):
// \mcpu|mcontrol|pcinc~0_combout  = (\mcpu|mz|dout [0] & (!\mcpu|mcontrol|ijpnz~q )) # (!\mcpu|mz|dout [0] & ((!\mcpu|mcontrol|ijmpz~q )))

	.dataa(\mcpu|mcontrol|ijpnz~q ),
	.datab(gnd),
	.datac(\mcpu|mz|dout [0]),
	.datad(\mcpu|mcontrol|ijmpz~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|pcinc~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|pcinc~0 .lut_mask = 16'h505F;
defparam \mcpu|mcontrol|pcinc~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X36_Y27_N16
cycloneive_lcell_comb \mcpu|mcontrol|pcinc~1 (
// Equation(s):
// \mcpu|mcontrol|pcinc~1_combout  = (\mcpu|mcontrol|pcinc~0_combout  & (((!\mcpu|mcontrol|istac~q  & !\mcpu|mcontrol|ildac~q )) # (!\mcpu|mcontrol|read~0_combout )))

	.dataa(\mcpu|mcontrol|istac~q ),
	.datab(\mcpu|mcontrol|ildac~q ),
	.datac(\mcpu|mcontrol|read~0_combout ),
	.datad(\mcpu|mcontrol|pcinc~0_combout ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|pcinc~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|pcinc~1 .lut_mask = 16'h1F00;
defparam \mcpu|mcontrol|pcinc~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N20
cycloneive_lcell_comb \mcpu|mcontrol|pcinc~2 (
// Equation(s):
// \mcpu|mcontrol|pcinc~2_combout  = (!\mcpu|mcontrol|t4~q  & (((!\mcpu|mcontrol|istac~q  & !\mcpu|mcontrol|ildac~q )) # (!\mcpu|mcontrol|t3~q )))

	.dataa(\mcpu|mcontrol|istac~q ),
	.datab(\mcpu|mcontrol|t4~q ),
	.datac(\mcpu|mcontrol|t3~q ),
	.datad(\mcpu|mcontrol|ildac~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|pcinc~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|pcinc~2 .lut_mask = 16'h0313;
defparam \mcpu|mcontrol|pcinc~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N18
cycloneive_lcell_comb \mcpu|mcontrol|pcinc~3 (
// Equation(s):
// \mcpu|mcontrol|pcinc~3_combout  = (!\mcpu|mcontrol|t1~q  & ((\mcpu|mcontrol|pcinc~1_combout ) # ((!\mcpu|mcontrol|t5~q  & \mcpu|mcontrol|pcinc~2_combout ))))

	.dataa(\mcpu|mcontrol|pcinc~1_combout ),
	.datab(\mcpu|mcontrol|t5~q ),
	.datac(\mcpu|mcontrol|t1~q ),
	.datad(\mcpu|mcontrol|pcinc~2_combout ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|pcinc~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|pcinc~3 .lut_mask = 16'h0B0A;
defparam \mcpu|mcontrol|pcinc~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N24
cycloneive_lcell_comb \mcpu|mpc|dout[1]~11 (
// Equation(s):
// \mcpu|mpc|dout[1]~11_combout  = (\mcpu|mcontrol|pcinc~3_combout  & (\mcpu|mpc|dout [1])) # (!\mcpu|mcontrol|pcinc~3_combout  & ((\mcpu|mpc|Add0~2_combout )))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|pcinc~3_combout ),
	.datac(\mcpu|mpc|dout [1]),
	.datad(\mcpu|mpc|Add0~2_combout ),
	.cin(gnd),
	.combout(\mcpu|mpc|dout[1]~11_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout[1]~11 .lut_mask = 16'hF3C0;
defparam \mcpu|mpc|dout[1]~11 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y27_N25
dffeas \mcpu|mpc|dout[1] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout[1]~11_combout ),
	.asdata(\mcpu|dbus[1]~53_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(\mcpu|mcontrol|zload~3_combout ),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [1]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[1] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N6
cycloneive_lcell_comb \mcpu|dbus[1]~12 (
// Equation(s):
// \mcpu|dbus[1]~12_combout  = (\mcpu|mpc|dout [1] & ((\mcpu|mdr|dout [1]) # ((!\mcpu|mcontrol|drlbus~0_combout )))) # (!\mcpu|mpc|dout [1] & (!\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mdr|dout [1]) # (!\mcpu|mcontrol|drlbus~0_combout ))))

	.dataa(\mcpu|mpc|dout [1]),
	.datab(\mcpu|mdr|dout [1]),
	.datac(\mcpu|mcontrol|drlbus~0_combout ),
	.datad(\mcpu|mcontrol|pcbus~combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[1]~12_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[1]~12 .lut_mask = 16'h8ACF;
defparam \mcpu|dbus[1]~12 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N20
cycloneive_lcell_comb \mcpu|dbus[1]~13 (
// Equation(s):
// \mcpu|dbus[1]~13_combout  = (\mcpu|dbus[1]~11_combout  & (\mcpu|dbus[1]~12_combout  & ((\mcpu|mac|dout [1]) # (!\mcpu|mcontrol|acbus~combout ))))

	.dataa(\mcpu|mac|dout [1]),
	.datab(\mcpu|mcontrol|acbus~combout ),
	.datac(\mcpu|dbus[1]~11_combout ),
	.datad(\mcpu|dbus[1]~12_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[1]~13_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[1]~13 .lut_mask = 16'hB000;
defparam \mcpu|dbus[1]~13 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y26_N9
dffeas \mcpu|mtr|dout[1] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mdr|dout [1]),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|trload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mtr|dout [1]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mtr|dout[1] .is_wysiwyg = "true";
defparam \mcpu|mtr|dout[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N8
cycloneive_lcell_comb \mcpu|dbus[1]~10 (
// Equation(s):
// \mcpu|dbus[1]~10_combout  = (\mcpu|mtr|dout [1]) # (((\mcpu|mcontrol|zload~2_combout  & \mcpu|mcontrol|arinc~0_combout )) # (!\mcpu|mcontrol|t5~q ))

	.dataa(\mcpu|mcontrol|zload~2_combout ),
	.datab(\mcpu|mcontrol|arinc~0_combout ),
	.datac(\mcpu|mtr|dout [1]),
	.datad(\mcpu|mcontrol|t5~q ),
	.cin(gnd),
	.combout(\mcpu|dbus[1]~10_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[1]~10 .lut_mask = 16'hF8FF;
defparam \mcpu|dbus[1]~10 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N2
cycloneive_lcell_comb \mm|data_out~12 (
// Equation(s):
// \mm|data_out~12_combout  = (\mm|WideOr0~combout  & (\mm|data_out~11_combout )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a1 )))

	.dataa(gnd),
	.datab(\mm|WideOr0~combout ),
	.datac(\mm|data_out~11_combout ),
	.datad(\mm|memory_rtl_0|auto_generated|ram_block1a1 ),
	.cin(gnd),
	.combout(\mm|data_out~12_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~12 .lut_mask = 16'hF3C0;
defparam \mm|data_out~12 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N16
cycloneive_lcell_comb \mcpu|dbus[1]~14 (
// Equation(s):
// \mcpu|dbus[1]~14_combout  = (\mcpu|dbus[1]~13_combout  & (\mcpu|dbus[1]~10_combout  & ((\mm|data_out~12_combout ) # (!\mm|data_out[0]~10_combout ))))

	.dataa(\mcpu|dbus[1]~13_combout ),
	.datab(\mcpu|dbus[1]~10_combout ),
	.datac(\mm|data_out[0]~10_combout ),
	.datad(\mm|data_out~12_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[1]~14_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[1]~14 .lut_mask = 16'h8808;
defparam \mcpu|dbus[1]~14 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X45_Y28_N18
cycloneive_lcell_comb \mcpu|mar|dout~4 (
// Equation(s):
// \mcpu|mar|dout~4_combout  = (\mcpu|mcontrol|arload~0_combout  & (((\mcpu|dbus[1]~14_combout ) # (!\mcpu|dbus[0]~9_combout )))) # (!\mcpu|mcontrol|arload~0_combout  & (\mcpu|mar|Add0~2_combout ))

	.dataa(\mcpu|mcontrol|arload~0_combout ),
	.datab(\mcpu|mar|Add0~2_combout ),
	.datac(\mcpu|dbus[1]~14_combout ),
	.datad(\mcpu|dbus[0]~9_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~4 .lut_mask = 16'hE4EE;
defparam \mcpu|mar|dout~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X45_Y28_N19
dffeas \mcpu|mar|dout[1] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~4_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mar|dout[0]~28_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [1]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[1] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N4
cycloneive_lcell_comb \mcpu|mar|Add0~4 (
// Equation(s):
// \mcpu|mar|Add0~4_combout  = (\mcpu|mar|dout [2] & (\mcpu|mar|Add0~3  $ (GND))) # (!\mcpu|mar|dout [2] & (!\mcpu|mar|Add0~3  & VCC))
// \mcpu|mar|Add0~5  = CARRY((\mcpu|mar|dout [2] & !\mcpu|mar|Add0~3 ))

	.dataa(\mcpu|mar|dout [2]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~3 ),
	.combout(\mcpu|mar|Add0~4_combout ),
	.cout(\mcpu|mar|Add0~5 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~4 .lut_mask = 16'hA50A;
defparam \mcpu|mar|Add0~4 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X44_Y28_N14
cycloneive_lcell_comb \mcpu|mar|dout~5 (
// Equation(s):
// \mcpu|mar|dout~5_combout  = (\mcpu|mcontrol|arload~0_combout  & (((\mcpu|dbus[2]~19_combout )) # (!\mcpu|dbus[0]~9_combout ))) # (!\mcpu|mcontrol|arload~0_combout  & (((\mcpu|mar|Add0~4_combout ))))

	.dataa(\mcpu|dbus[0]~9_combout ),
	.datab(\mcpu|mcontrol|arload~0_combout ),
	.datac(\mcpu|mar|Add0~4_combout ),
	.datad(\mcpu|dbus[2]~19_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~5 .lut_mask = 16'hFC74;
defparam \mcpu|mar|dout~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X45_Y28_N28
cycloneive_lcell_comb \mcpu|mar|dout[2]~feeder (
// Equation(s):
// \mcpu|mar|dout[2]~feeder_combout  = \mcpu|mar|dout~5_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|mar|dout~5_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout[2]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout[2]~feeder .lut_mask = 16'hFF00;
defparam \mcpu|mar|dout[2]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X45_Y28_N29
dffeas \mcpu|mar|dout[2] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout[2]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mar|dout[0]~28_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [2]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[2] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N6
cycloneive_lcell_comb \mcpu|mar|Add0~6 (
// Equation(s):
// \mcpu|mar|Add0~6_combout  = (\mcpu|mar|dout [3] & (!\mcpu|mar|Add0~5 )) # (!\mcpu|mar|dout [3] & ((\mcpu|mar|Add0~5 ) # (GND)))
// \mcpu|mar|Add0~7  = CARRY((!\mcpu|mar|Add0~5 ) # (!\mcpu|mar|dout [3]))

	.dataa(\mcpu|mar|dout [3]),
	.datab(gnd),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~5 ),
	.combout(\mcpu|mar|Add0~6_combout ),
	.cout(\mcpu|mar|Add0~7 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~6 .lut_mask = 16'h5A5F;
defparam \mcpu|mar|Add0~6 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X45_Y28_N22
cycloneive_lcell_comb \mcpu|mar|dout~6 (
// Equation(s):
// \mcpu|mar|dout~6_combout  = (\mcpu|mcontrol|arload~0_combout  & (((\mcpu|dbus[3]~24_combout ) # (!\mcpu|dbus[0]~9_combout )))) # (!\mcpu|mcontrol|arload~0_combout  & (\mcpu|mar|Add0~6_combout ))

	.dataa(\mcpu|mcontrol|arload~0_combout ),
	.datab(\mcpu|mar|Add0~6_combout ),
	.datac(\mcpu|dbus[3]~24_combout ),
	.datad(\mcpu|dbus[0]~9_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~6_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~6 .lut_mask = 16'hE4EE;
defparam \mcpu|mar|dout~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X45_Y28_N23
dffeas \mcpu|mar|dout[3] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~6_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mar|dout[0]~28_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [3]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[3] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N8
cycloneive_lcell_comb \mcpu|mar|Add0~8 (
// Equation(s):
// \mcpu|mar|Add0~8_combout  = (\mcpu|mar|dout [4] & (\mcpu|mar|Add0~7  $ (GND))) # (!\mcpu|mar|dout [4] & (!\mcpu|mar|Add0~7  & VCC))
// \mcpu|mar|Add0~9  = CARRY((\mcpu|mar|dout [4] & !\mcpu|mar|Add0~7 ))

	.dataa(gnd),
	.datab(\mcpu|mar|dout [4]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|mar|Add0~7 ),
	.combout(\mcpu|mar|Add0~8_combout ),
	.cout(\mcpu|mar|Add0~9 ));
// synopsys translate_off
defparam \mcpu|mar|Add0~8 .lut_mask = 16'hC30C;
defparam \mcpu|mar|Add0~8 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X44_Y28_N8
cycloneive_lcell_comb \mcpu|mar|dout~7 (
// Equation(s):
// \mcpu|mar|dout~7_combout  = (\mcpu|mcontrol|arload~0_combout  & (((\mcpu|dbus[4]~29_combout )) # (!\mcpu|dbus[0]~9_combout ))) # (!\mcpu|mcontrol|arload~0_combout  & (((\mcpu|mar|Add0~8_combout ))))

	.dataa(\mcpu|dbus[0]~9_combout ),
	.datab(\mcpu|mcontrol|arload~0_combout ),
	.datac(\mcpu|mar|Add0~8_combout ),
	.datad(\mcpu|dbus[4]~29_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~7_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~7 .lut_mask = 16'hFC74;
defparam \mcpu|mar|dout~7 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X44_Y28_N9
dffeas \mcpu|mar|dout[4] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~7_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mar|dout[0]~28_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [4]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[4] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N24
cycloneive_lcell_comb \mcpu|mar|dout~8 (
// Equation(s):
// \mcpu|mar|dout~8_combout  = (!\mcpu|mcontrol|arload~0_combout  & ((\mcpu|mcontrol|arinc~1_combout  & (\mcpu|mar|dout [5])) # (!\mcpu|mcontrol|arinc~1_combout  & ((\mcpu|mar|Add0~10_combout )))))

	.dataa(\mcpu|mar|dout [5]),
	.datab(\mcpu|mcontrol|arinc~1_combout ),
	.datac(\mcpu|mcontrol|arload~0_combout ),
	.datad(\mcpu|mar|Add0~10_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~8_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~8 .lut_mask = 16'h0B08;
defparam \mcpu|mar|dout~8 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y28_N10
cycloneive_lcell_comb \mcpu|mar|dout~9 (
// Equation(s):
// \mcpu|mar|dout~9_combout  = (\mcpu|mar|dout~8_combout ) # ((\mcpu|dbus[5]~35_combout  & \mcpu|mcontrol|arload~0_combout ))

	.dataa(\mcpu|dbus[5]~35_combout ),
	.datab(\mcpu|mcontrol|arload~0_combout ),
	.datac(gnd),
	.datad(\mcpu|mar|dout~8_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~9_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~9 .lut_mask = 16'hFF88;
defparam \mcpu|mar|dout~9 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y28_N11
dffeas \mcpu|mar|dout[5] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~9_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [5]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[5] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[5] .power_up = "low";
// synopsys translate_on

// Location: FF_X37_Y26_N11
dffeas \mm|ram~5 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mcpu|data_out[4]~28_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mm|ram~12_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|ram~5_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|ram~5 .is_wysiwyg = "true";
defparam \mm|ram~5 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N8
cycloneive_lcell_comb \mm|data_out~26 (
// Equation(s):
// \mm|data_out~26_combout  = (\mm|ram~0_q  & (\mm|ram_rtl_0|auto_generated|ram_block1a4 )) # (!\mm|ram~0_q  & ((\mm|ram~5_q )))

	.dataa(\mm|ram_rtl_0|auto_generated|ram_block1a4 ),
	.datab(\mm|ram~0_q ),
	.datac(\mm|ram~5_q ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mm|data_out~26_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~26 .lut_mask = 16'hB8B8;
defparam \mm|data_out~26 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N14
cycloneive_lcell_comb \mcpu|dbus[4]~58 (
// Equation(s):
// \mcpu|dbus[4]~58_combout  = ((\mm|WideOr0~combout  & (\mm|data_out~26_combout )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a4 )))) # (!\mm|data_out[0]~10_combout )

	.dataa(\mm|data_out[0]~10_combout ),
	.datab(\mm|WideOr0~combout ),
	.datac(\mm|data_out~26_combout ),
	.datad(\mm|memory_rtl_0|auto_generated|ram_block1a4 ),
	.cin(gnd),
	.combout(\mcpu|dbus[4]~58_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[4]~58 .lut_mask = 16'hF7D5;
defparam \mcpu|dbus[4]~58 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N6
cycloneive_lcell_comb \mcpu|mr|dout[4]~feeder (
// Equation(s):
// \mcpu|mr|dout[4]~feeder_combout  = \mcpu|dbus[4]~59_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|dbus[4]~59_combout ),
	.cin(gnd),
	.combout(\mcpu|mr|dout[4]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mr|dout[4]~feeder .lut_mask = 16'hFF00;
defparam \mcpu|mr|dout[4]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y27_N7
dffeas \mcpu|mr|dout[4] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mr|dout[4]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|rload~combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mr|dout [4]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mr|dout[4] .is_wysiwyg = "true";
defparam \mcpu|mr|dout[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N6
cycloneive_lcell_comb \mcpu|dbus[4]~26 (
// Equation(s):
// \mcpu|dbus[4]~26_combout  = (\mcpu|mac|dout [4]) # ((!\mcpu|mcontrol|rload~combout  & ((!\mcpu|mcontrol|istac~q ) # (!\mcpu|mcontrol|t6~q ))))

	.dataa(\mcpu|mcontrol|t6~q ),
	.datab(\mcpu|mcontrol|istac~q ),
	.datac(\mcpu|mac|dout [4]),
	.datad(\mcpu|mcontrol|rload~combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[4]~26_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[4]~26 .lut_mask = 16'hF0F7;
defparam \mcpu|dbus[4]~26 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N30
cycloneive_lcell_comb \mcpu|dbus[4]~27 (
// Equation(s):
// \mcpu|dbus[4]~27_combout  = (\mcpu|mdr|dout [4] & ((\mcpu|mpc|dout [4]) # ((!\mcpu|mcontrol|pcbus~combout )))) # (!\mcpu|mdr|dout [4] & (!\mcpu|mcontrol|drlbus~0_combout  & ((\mcpu|mpc|dout [4]) # (!\mcpu|mcontrol|pcbus~combout ))))

	.dataa(\mcpu|mdr|dout [4]),
	.datab(\mcpu|mpc|dout [4]),
	.datac(\mcpu|mcontrol|pcbus~combout ),
	.datad(\mcpu|mcontrol|drlbus~0_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[4]~27_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[4]~27 .lut_mask = 16'h8ACF;
defparam \mcpu|dbus[4]~27 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N12
cycloneive_lcell_comb \mcpu|dbus[4]~28 (
// Equation(s):
// \mcpu|dbus[4]~28_combout  = (\mcpu|dbus[4]~26_combout  & (\mcpu|dbus[4]~27_combout  & ((\mcpu|mr|dout [4]) # (!\mcpu|mcontrol|rbus~0_combout ))))

	.dataa(\mcpu|mr|dout [4]),
	.datab(\mcpu|dbus[4]~26_combout ),
	.datac(\mcpu|dbus[4]~27_combout ),
	.datad(\mcpu|mcontrol|rbus~0_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[4]~28_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[4]~28 .lut_mask = 16'h80C0;
defparam \mcpu|dbus[4]~28 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N24
cycloneive_lcell_comb \mcpu|dbus[4]~59 (
// Equation(s):
// \mcpu|dbus[4]~59_combout  = ((\mcpu|dbus[4]~25_combout  & (\mcpu|dbus[4]~58_combout  & \mcpu|dbus[4]~28_combout ))) # (!\mcpu|dbus[0]~9_combout )

	.dataa(\mcpu|dbus[4]~25_combout ),
	.datab(\mcpu|dbus[0]~9_combout ),
	.datac(\mcpu|dbus[4]~58_combout ),
	.datad(\mcpu|dbus[4]~28_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[4]~59_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[4]~59 .lut_mask = 16'hB333;
defparam \mcpu|dbus[4]~59 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N30
cycloneive_lcell_comb \mcpu|mdr|dout[4]~feeder (
// Equation(s):
// \mcpu|mdr|dout[4]~feeder_combout  = \mcpu|dbus[4]~59_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|dbus[4]~59_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mdr|dout[4]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mdr|dout[4]~feeder .lut_mask = 16'hF0F0;
defparam \mcpu|mdr|dout[4]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y28_N31
dffeas \mcpu|mdr|dout[4] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mdr|dout[4]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|drload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mdr|dout [4]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mdr|dout[4] .is_wysiwyg = "true";
defparam \mcpu|mdr|dout[4] .power_up = "low";
// synopsys translate_on

// Location: FF_X43_Y26_N13
dffeas \mcpu|mtr|dout[4] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mdr|dout [4]),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|trload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mtr|dout [4]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mtr|dout[4] .is_wysiwyg = "true";
defparam \mcpu|mtr|dout[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N12
cycloneive_lcell_comb \mcpu|dbus[4]~25 (
// Equation(s):
// \mcpu|dbus[4]~25_combout  = ((\mcpu|mtr|dout [4]) # ((\mcpu|mcontrol|arinc~0_combout  & \mcpu|mcontrol|zload~2_combout ))) # (!\mcpu|mcontrol|t5~q )

	.dataa(\mcpu|mcontrol|t5~q ),
	.datab(\mcpu|mcontrol|arinc~0_combout ),
	.datac(\mcpu|mtr|dout [4]),
	.datad(\mcpu|mcontrol|zload~2_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[4]~25_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[4]~25 .lut_mask = 16'hFDF5;
defparam \mcpu|dbus[4]~25 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N20
cycloneive_lcell_comb \mm|data_out~17 (
// Equation(s):
// \mm|data_out~17_combout  = (\mm|WideOr0~combout  & (\mm|ram_rtl_0|auto_generated|ram_block1a4 )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a4 )))

	.dataa(\mm|WideOr0~combout ),
	.datab(gnd),
	.datac(\mm|ram_rtl_0|auto_generated|ram_block1a4 ),
	.datad(\mm|memory_rtl_0|auto_generated|ram_block1a4 ),
	.cin(gnd),
	.combout(\mm|data_out~17_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~17 .lut_mask = 16'hF5A0;
defparam \mm|data_out~17 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N18
cycloneive_lcell_comb \mm|data_out~18 (
// Equation(s):
// \mm|data_out~18_combout  = (\mm|WideOr0~combout  & ((\mm|ram~0_q  & ((\mm|data_out~17_combout ))) # (!\mm|ram~0_q  & (\mm|ram~5_q )))) # (!\mm|WideOr0~combout  & (((\mm|data_out~17_combout ))))

	.dataa(\mm|WideOr0~combout ),
	.datab(\mm|ram~5_q ),
	.datac(\mm|ram~0_q ),
	.datad(\mm|data_out~17_combout ),
	.cin(gnd),
	.combout(\mm|data_out~18_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~18 .lut_mask = 16'hFD08;
defparam \mm|data_out~18 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N0
cycloneive_lcell_comb \mcpu|dbus[4]~29 (
// Equation(s):
// \mcpu|dbus[4]~29_combout  = (\mcpu|dbus[4]~25_combout  & (\mcpu|dbus[4]~28_combout  & ((\mm|data_out~18_combout ) # (!\mm|data_out[0]~10_combout ))))

	.dataa(\mm|data_out[0]~10_combout ),
	.datab(\mcpu|dbus[4]~25_combout ),
	.datac(\mcpu|dbus[4]~28_combout ),
	.datad(\mm|data_out~18_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[4]~29_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[4]~29 .lut_mask = 16'hC040;
defparam \mcpu|dbus[4]~29 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N2
cycloneive_lcell_comb \mcpu|malu|Mux4~1 (
// Equation(s):
// \mcpu|malu|Mux4~1_combout  = (\mcpu|malu|Mux2~3_combout  & ((\mcpu|dbus[4]~29_combout ) # (!\mcpu|dbus[0]~9_combout )))

	.dataa(\mcpu|dbus[0]~9_combout ),
	.datab(gnd),
	.datac(\mcpu|malu|Mux2~3_combout ),
	.datad(\mcpu|dbus[4]~29_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux4~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux4~1 .lut_mask = 16'hF050;
defparam \mcpu|malu|Mux4~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N4
cycloneive_lcell_comb \mcpu|malu|Mux4~0 (
// Equation(s):
// \mcpu|malu|Mux4~0_combout  = (\mcpu|malu|Mux0~4_combout  & (\mcpu|mac|dout [4] $ (((\mcpu|dbus[4]~29_combout ) # (!\mcpu|dbus[0]~9_combout )))))

	.dataa(\mcpu|dbus[0]~9_combout ),
	.datab(\mcpu|mac|dout [4]),
	.datac(\mcpu|malu|Mux0~4_combout ),
	.datad(\mcpu|dbus[4]~29_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux4~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux4~0 .lut_mask = 16'h3090;
defparam \mcpu|malu|Mux4~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N6
cycloneive_lcell_comb \mcpu|malu|dout~4 (
// Equation(s):
// \mcpu|malu|dout~4_combout  = (\mcpu|mac|dout [4] & ((\mcpu|dbus[4]~29_combout ) # (!\mcpu|dbus[0]~9_combout )))

	.dataa(\mcpu|dbus[0]~9_combout ),
	.datab(\mcpu|mac|dout [4]),
	.datac(gnd),
	.datad(\mcpu|dbus[4]~29_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|dout~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|dout~4 .lut_mask = 16'hCC44;
defparam \mcpu|malu|dout~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N28
cycloneive_lcell_comb \mcpu|malu|Add0~14 (
// Equation(s):
// \mcpu|malu|Add0~14_combout  = (\mcpu|dbus[0]~9_combout  & ((\mcpu|mcontrol|alus[1]~reg0_q  & (!\mcpu|mcontrol|alus[0]~reg0_q  & !\mcpu|dbus[4]~29_combout )) # (!\mcpu|mcontrol|alus[1]~reg0_q  & ((\mcpu|dbus[4]~29_combout ))))) # (!\mcpu|dbus[0]~9_combout  
// & (((!\mcpu|mcontrol|alus[1]~reg0_q ))))

	.dataa(\mcpu|dbus[0]~9_combout ),
	.datab(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datac(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datad(\mcpu|dbus[4]~29_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Add0~14_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Add0~14 .lut_mask = 16'h0F25;
defparam \mcpu|malu|Add0~14 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N10
cycloneive_lcell_comb \mcpu|malu|Add0~15 (
// Equation(s):
// \mcpu|malu|Add0~15_combout  = (\mcpu|mac|dout [4] & ((\mcpu|malu|Add0~14_combout  & (\mcpu|malu|Add0~13  & VCC)) # (!\mcpu|malu|Add0~14_combout  & (!\mcpu|malu|Add0~13 )))) # (!\mcpu|mac|dout [4] & ((\mcpu|malu|Add0~14_combout  & (!\mcpu|malu|Add0~13 )) # 
// (!\mcpu|malu|Add0~14_combout  & ((\mcpu|malu|Add0~13 ) # (GND)))))
// \mcpu|malu|Add0~16  = CARRY((\mcpu|mac|dout [4] & (!\mcpu|malu|Add0~14_combout  & !\mcpu|malu|Add0~13 )) # (!\mcpu|mac|dout [4] & ((!\mcpu|malu|Add0~13 ) # (!\mcpu|malu|Add0~14_combout ))))

	.dataa(\mcpu|mac|dout [4]),
	.datab(\mcpu|malu|Add0~14_combout ),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|malu|Add0~13 ),
	.combout(\mcpu|malu|Add0~15_combout ),
	.cout(\mcpu|malu|Add0~16 ));
// synopsys translate_off
defparam \mcpu|malu|Add0~15 .lut_mask = 16'h9617;
defparam \mcpu|malu|Add0~15 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N12
cycloneive_lcell_comb \mcpu|malu|Mux4~2 (
// Equation(s):
// \mcpu|malu|Mux4~2_combout  = (\mcpu|malu|Mux2~0_combout  & ((\mcpu|malu|Mux2~1_combout  & (\mcpu|malu|dout~4_combout )) # (!\mcpu|malu|Mux2~1_combout  & ((\mcpu|malu|Add0~15_combout ))))) # (!\mcpu|malu|Mux2~0_combout  & (((\mcpu|malu|Mux2~1_combout ))))

	.dataa(\mcpu|malu|dout~4_combout ),
	.datab(\mcpu|malu|Mux2~0_combout ),
	.datac(\mcpu|malu|Add0~15_combout ),
	.datad(\mcpu|malu|Mux2~1_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux4~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux4~2 .lut_mask = 16'hBBC0;
defparam \mcpu|malu|Mux4~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y26_N30
cycloneive_lcell_comb \mcpu|malu|Mux4~3 (
// Equation(s):
// \mcpu|malu|Mux4~3_combout  = (\mcpu|malu|Mux2~2_combout  & ((\mcpu|mac|dout [4] & ((!\mcpu|malu|Mux4~2_combout ))) # (!\mcpu|mac|dout [4] & ((\mcpu|dbus[4]~59_combout ) # (\mcpu|malu|Mux4~2_combout ))))) # (!\mcpu|malu|Mux2~2_combout  & 
// (((\mcpu|malu|Mux4~2_combout ))))

	.dataa(\mcpu|malu|Mux2~2_combout ),
	.datab(\mcpu|mac|dout [4]),
	.datac(\mcpu|dbus[4]~59_combout ),
	.datad(\mcpu|malu|Mux4~2_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux4~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux4~3 .lut_mask = 16'h77A8;
defparam \mcpu|malu|Mux4~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N18
cycloneive_lcell_comb \mcpu|malu|Mux4~4 (
// Equation(s):
// \mcpu|malu|Mux4~4_combout  = (\mcpu|malu|Mux4~1_combout ) # ((\mcpu|malu|Mux4~0_combout ) # ((\mcpu|malu|Mux0~2_combout  & \mcpu|malu|Mux4~3_combout )))

	.dataa(\mcpu|malu|Mux4~1_combout ),
	.datab(\mcpu|malu|Mux0~2_combout ),
	.datac(\mcpu|malu|Mux4~0_combout ),
	.datad(\mcpu|malu|Mux4~3_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux4~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux4~4 .lut_mask = 16'hFEFA;
defparam \mcpu|malu|Mux4~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X35_Y26_N7
dffeas \mcpu|mac|dout[4] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|malu|Mux4~4_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|acload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mac|dout [4]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mac|dout[4] .is_wysiwyg = "true";
defparam \mcpu|mac|dout[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N12
cycloneive_lcell_comb \mcpu|malu|Add0~18 (
// Equation(s):
// \mcpu|malu|Add0~18_combout  = ((\mcpu|malu|Add0~17_combout  $ (\mcpu|mac|dout [5] $ (!\mcpu|malu|Add0~16 )))) # (GND)
// \mcpu|malu|Add0~19  = CARRY((\mcpu|malu|Add0~17_combout  & ((\mcpu|mac|dout [5]) # (!\mcpu|malu|Add0~16 ))) # (!\mcpu|malu|Add0~17_combout  & (\mcpu|mac|dout [5] & !\mcpu|malu|Add0~16 )))

	.dataa(\mcpu|malu|Add0~17_combout ),
	.datab(\mcpu|mac|dout [5]),
	.datac(gnd),
	.datad(vcc),
	.cin(\mcpu|malu|Add0~16 ),
	.combout(\mcpu|malu|Add0~18_combout ),
	.cout(\mcpu|malu|Add0~19 ));
// synopsys translate_off
defparam \mcpu|malu|Add0~18 .lut_mask = 16'h698E;
defparam \mcpu|malu|Add0~18 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N20
cycloneive_lcell_comb \mcpu|malu|Mux5~3 (
// Equation(s):
// \mcpu|malu|Mux5~3_combout  = (\mcpu|malu|Mux2~1_combout  & (((\mcpu|malu|dout~5_combout )) # (!\mcpu|malu|Mux2~0_combout ))) # (!\mcpu|malu|Mux2~1_combout  & (\mcpu|malu|Mux2~0_combout  & ((\mcpu|malu|Add0~18_combout ))))

	.dataa(\mcpu|malu|Mux2~1_combout ),
	.datab(\mcpu|malu|Mux2~0_combout ),
	.datac(\mcpu|malu|dout~5_combout ),
	.datad(\mcpu|malu|Add0~18_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux5~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux5~3 .lut_mask = 16'hE6A2;
defparam \mcpu|malu|Mux5~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N10
cycloneive_lcell_comb \mcpu|malu|Mux5~4 (
// Equation(s):
// \mcpu|malu|Mux5~4_combout  = (\mcpu|malu|Mux2~2_combout  & ((\mcpu|mac|dout [5] & ((!\mcpu|malu|Mux5~3_combout ))) # (!\mcpu|mac|dout [5] & ((\mcpu|dbus[5]~35_combout ) # (\mcpu|malu|Mux5~3_combout ))))) # (!\mcpu|malu|Mux2~2_combout  & 
// (((\mcpu|malu|Mux5~3_combout ))))

	.dataa(\mcpu|malu|Mux2~2_combout ),
	.datab(\mcpu|mac|dout [5]),
	.datac(\mcpu|dbus[5]~35_combout ),
	.datad(\mcpu|malu|Mux5~3_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux5~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux5~4 .lut_mask = 16'h77A8;
defparam \mcpu|malu|Mux5~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N8
cycloneive_lcell_comb \mcpu|malu|Mux5~5 (
// Equation(s):
// \mcpu|malu|Mux5~5_combout  = (\mcpu|malu|Mux5~2_combout ) # ((\mcpu|malu|Mux5~6_combout ) # ((\mcpu|malu|Mux0~2_combout  & \mcpu|malu|Mux5~4_combout )))

	.dataa(\mcpu|malu|Mux5~2_combout ),
	.datab(\mcpu|malu|Mux0~2_combout ),
	.datac(\mcpu|malu|Mux5~6_combout ),
	.datad(\mcpu|malu|Mux5~4_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux5~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux5~5 .lut_mask = 16'hFEFA;
defparam \mcpu|malu|Mux5~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X35_Y26_N17
dffeas \mcpu|mac|dout[5] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|malu|Mux5~5_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|acload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mac|dout [5]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mac|dout[5] .is_wysiwyg = "true";
defparam \mcpu|mac|dout[5] .power_up = "low";
// synopsys translate_on

// Location: FF_X43_Y27_N25
dffeas \mcpu|mr|dout[5] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|dbus[5]~35_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|rload~combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mr|dout [5]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mr|dout[5] .is_wysiwyg = "true";
defparam \mcpu|mr|dout[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N28
cycloneive_lcell_comb \mcpu|dbus[5]~32 (
// Equation(s):
// \mcpu|dbus[5]~32_combout  = (\mcpu|mr|dout [5]) # (((\mcpu|mcontrol|clr~0_combout  & \mcpu|mcontrol|clr~6_combout )) # (!\mcpu|mcontrol|t3~q ))

	.dataa(\mcpu|mcontrol|clr~0_combout ),
	.datab(\mcpu|mr|dout [5]),
	.datac(\mcpu|mcontrol|t3~q ),
	.datad(\mcpu|mcontrol|clr~6_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[5]~32_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[5]~32 .lut_mask = 16'hEFCF;
defparam \mcpu|dbus[5]~32 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N28
cycloneive_lcell_comb \mcpu|dbus[5]~33 (
// Equation(s):
// \mcpu|dbus[5]~33_combout  = (\mcpu|mdr|dout [5] & (((\mcpu|mpc|dout [5]) # (!\mcpu|mcontrol|pcbus~combout )))) # (!\mcpu|mdr|dout [5] & (!\mcpu|mcontrol|drlbus~0_combout  & ((\mcpu|mpc|dout [5]) # (!\mcpu|mcontrol|pcbus~combout ))))

	.dataa(\mcpu|mdr|dout [5]),
	.datab(\mcpu|mcontrol|drlbus~0_combout ),
	.datac(\mcpu|mpc|dout [5]),
	.datad(\mcpu|mcontrol|pcbus~combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[5]~33_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[5]~33 .lut_mask = 16'hB0BB;
defparam \mcpu|dbus[5]~33 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N26
cycloneive_lcell_comb \mcpu|dbus[5]~34 (
// Equation(s):
// \mcpu|dbus[5]~34_combout  = (\mcpu|dbus[5]~32_combout  & (\mcpu|dbus[5]~33_combout  & ((\mcpu|mac|dout [5]) # (!\mcpu|mcontrol|acbus~combout ))))

	.dataa(\mcpu|mac|dout [5]),
	.datab(\mcpu|mcontrol|acbus~combout ),
	.datac(\mcpu|dbus[5]~32_combout ),
	.datad(\mcpu|dbus[5]~33_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[5]~34_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[5]~34 .lut_mask = 16'hB000;
defparam \mcpu|dbus[5]~34 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N12
cycloneive_lcell_comb \mcpu|dbus[5]~35 (
// Equation(s):
// \mcpu|dbus[5]~35_combout  = ((\mcpu|dbus[5]~34_combout  & (\mcpu|dbus[5]~31_combout  & \mcpu|dbus[5]~30_combout ))) # (!\mcpu|dbus[0]~9_combout )

	.dataa(\mcpu|dbus[5]~34_combout ),
	.datab(\mcpu|dbus[0]~9_combout ),
	.datac(\mcpu|dbus[5]~31_combout ),
	.datad(\mcpu|dbus[5]~30_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[5]~35_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[5]~35 .lut_mask = 16'hB333;
defparam \mcpu|dbus[5]~35 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N18
cycloneive_lcell_comb \mcpu|malu|Add0~17 (
// Equation(s):
// \mcpu|malu|Add0~17_combout  = (\mcpu|mcontrol|alus[1]~reg0_q  & (!\mcpu|mcontrol|alus[0]~reg0_q  & !\mcpu|dbus[5]~35_combout )) # (!\mcpu|mcontrol|alus[1]~reg0_q  & ((\mcpu|dbus[5]~35_combout )))

	.dataa(\mcpu|mcontrol|alus[1]~reg0_q ),
	.datab(\mcpu|mcontrol|alus[0]~reg0_q ),
	.datac(gnd),
	.datad(\mcpu|dbus[5]~35_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Add0~17_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Add0~17 .lut_mask = 16'h5522;
defparam \mcpu|malu|Add0~17 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N8
cycloneive_lcell_comb \mcpu|malu|dout~6 (
// Equation(s):
// \mcpu|malu|dout~6_combout  = (\mcpu|mac|dout [6] & \mcpu|dbus[6]~41_combout )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mac|dout [6]),
	.datad(\mcpu|dbus[6]~41_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|dout~6_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|dout~6 .lut_mask = 16'hF000;
defparam \mcpu|malu|dout~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N18
cycloneive_lcell_comb \mcpu|malu|Mux6~3 (
// Equation(s):
// \mcpu|malu|Mux6~3_combout  = (\mcpu|malu|Mux2~1_combout  & (((\mcpu|malu|dout~6_combout )) # (!\mcpu|malu|Mux2~0_combout ))) # (!\mcpu|malu|Mux2~1_combout  & (\mcpu|malu|Mux2~0_combout  & (\mcpu|malu|Add0~21_combout )))

	.dataa(\mcpu|malu|Mux2~1_combout ),
	.datab(\mcpu|malu|Mux2~0_combout ),
	.datac(\mcpu|malu|Add0~21_combout ),
	.datad(\mcpu|malu|dout~6_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux6~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux6~3 .lut_mask = 16'hEA62;
defparam \mcpu|malu|Mux6~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y26_N20
cycloneive_lcell_comb \mcpu|malu|Mux6~4 (
// Equation(s):
// \mcpu|malu|Mux6~4_combout  = (\mcpu|malu|Mux2~2_combout  & ((\mcpu|mac|dout [6] & ((!\mcpu|malu|Mux6~3_combout ))) # (!\mcpu|mac|dout [6] & ((\mcpu|dbus[6]~41_combout ) # (\mcpu|malu|Mux6~3_combout ))))) # (!\mcpu|malu|Mux2~2_combout  & 
// (((\mcpu|malu|Mux6~3_combout ))))

	.dataa(\mcpu|malu|Mux2~2_combout ),
	.datab(\mcpu|mac|dout [6]),
	.datac(\mcpu|dbus[6]~41_combout ),
	.datad(\mcpu|malu|Mux6~3_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux6~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux6~4 .lut_mask = 16'h77A8;
defparam \mcpu|malu|Mux6~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N26
cycloneive_lcell_comb \mcpu|malu|Mux6~5 (
// Equation(s):
// \mcpu|malu|Mux6~5_combout  = (\mcpu|malu|Mux6~6_combout ) # ((\mcpu|malu|Mux6~2_combout ) # ((\mcpu|malu|Mux0~2_combout  & \mcpu|malu|Mux6~4_combout )))

	.dataa(\mcpu|malu|Mux6~6_combout ),
	.datab(\mcpu|malu|Mux0~2_combout ),
	.datac(\mcpu|malu|Mux6~2_combout ),
	.datad(\mcpu|malu|Mux6~4_combout ),
	.cin(gnd),
	.combout(\mcpu|malu|Mux6~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|malu|Mux6~5 .lut_mask = 16'hFEFA;
defparam \mcpu|malu|Mux6~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X35_Y26_N27
dffeas \mcpu|mac|dout[6] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|malu|Mux6~5_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|acload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mac|dout [6]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mac|dout[6] .is_wysiwyg = "true";
defparam \mcpu|mac|dout[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N20
cycloneive_lcell_comb \mcpu|dbus[6]~38 (
// Equation(s):
// \mcpu|dbus[6]~38_combout  = (\mcpu|mac|dout [6]) # (!\mcpu|mcontrol|acbus~combout )

	.dataa(\mcpu|mac|dout [6]),
	.datab(gnd),
	.datac(\mcpu|mcontrol|acbus~combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|dbus[6]~38_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[6]~38 .lut_mask = 16'hAFAF;
defparam \mcpu|dbus[6]~38 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N18
cycloneive_lcell_comb \mcpu|dbus[6]~39 (
// Equation(s):
// \mcpu|dbus[6]~39_combout  = (\mcpu|mcontrol|drlbus~0_combout  & (\mcpu|mdr|dout [6] & ((\mcpu|mpc|dout [6]) # (!\mcpu|mcontrol|pcbus~combout )))) # (!\mcpu|mcontrol|drlbus~0_combout  & (((\mcpu|mpc|dout [6]) # (!\mcpu|mcontrol|pcbus~combout ))))

	.dataa(\mcpu|mcontrol|drlbus~0_combout ),
	.datab(\mcpu|mdr|dout [6]),
	.datac(\mcpu|mcontrol|pcbus~combout ),
	.datad(\mcpu|mpc|dout [6]),
	.cin(gnd),
	.combout(\mcpu|dbus[6]~39_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[6]~39 .lut_mask = 16'hDD0D;
defparam \mcpu|dbus[6]~39 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N0
cycloneive_lcell_comb \mcpu|dbus[6]~40 (
// Equation(s):
// \mcpu|dbus[6]~40_combout  = (\mcpu|dbus[6]~38_combout  & (\mcpu|dbus[6]~39_combout  & ((\mcpu|mr|dout [6]) # (!\mcpu|mcontrol|rbus~0_combout ))))

	.dataa(\mcpu|mcontrol|rbus~0_combout ),
	.datab(\mcpu|mr|dout [6]),
	.datac(\mcpu|dbus[6]~38_combout ),
	.datad(\mcpu|dbus[6]~39_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[6]~40_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[6]~40 .lut_mask = 16'hD000;
defparam \mcpu|dbus[6]~40 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N12
cycloneive_lcell_comb \mcpu|dbus[6]~41 (
// Equation(s):
// \mcpu|dbus[6]~41_combout  = ((\mcpu|dbus[6]~40_combout  & (\mcpu|dbus[6]~37_combout  & \mcpu|dbus[6]~36_combout ))) # (!\mcpu|dbus[0]~9_combout )

	.dataa(\mcpu|dbus[6]~40_combout ),
	.datab(\mcpu|dbus[6]~37_combout ),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[6]~36_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[6]~41_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[6]~41 .lut_mask = 16'h8F0F;
defparam \mcpu|dbus[6]~41 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N14
cycloneive_lcell_comb \mcpu|mdr|dout[6]~feeder (
// Equation(s):
// \mcpu|mdr|dout[6]~feeder_combout  = \mcpu|dbus[6]~41_combout 

	.dataa(gnd),
	.datab(\mcpu|dbus[6]~41_combout ),
	.datac(gnd),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mdr|dout[6]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mdr|dout[6]~feeder .lut_mask = 16'hCCCC;
defparam \mcpu|mdr|dout[6]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y28_N15
dffeas \mcpu|mdr|dout[6] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mdr|dout[6]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|drload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mdr|dout [6]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mdr|dout[6] .is_wysiwyg = "true";
defparam \mcpu|mdr|dout[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N6
cycloneive_lcell_comb \mcpu|mir|dout[6]~feeder (
// Equation(s):
// \mcpu|mir|dout[6]~feeder_combout  = \mcpu|mdr|dout [6]

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|mdr|dout [6]),
	.cin(gnd),
	.combout(\mcpu|mir|dout[6]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mir|dout[6]~feeder .lut_mask = 16'hFF00;
defparam \mcpu|mir|dout[6]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y26_N7
dffeas \mcpu|mir|dout[6] (
	.clk(!\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mir|dout[6]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|t2~q ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mir|dout [6]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mir|dout[6] .is_wysiwyg = "true";
defparam \mcpu|mir|dout[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N4
cycloneive_lcell_comb \mcpu|mir|dout[5]~feeder (
// Equation(s):
// \mcpu|mir|dout[5]~feeder_combout  = \mcpu|mdr|dout [5]

	.dataa(\mcpu|mdr|dout [5]),
	.datab(gnd),
	.datac(gnd),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mir|dout[5]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mir|dout[5]~feeder .lut_mask = 16'hAAAA;
defparam \mcpu|mir|dout[5]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y26_N5
dffeas \mcpu|mir|dout[5] (
	.clk(!\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mir|dout[5]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|t2~q ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mir|dout [5]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mir|dout[5] .is_wysiwyg = "true";
defparam \mcpu|mir|dout[5] .power_up = "low";
// synopsys translate_on

// Location: FF_X43_Y26_N31
dffeas \mcpu|mir|dout[4] (
	.clk(!\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mdr|dout [4]),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|t2~q ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mir|dout [4]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mir|dout[4] .is_wysiwyg = "true";
defparam \mcpu|mir|dout[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N28
cycloneive_lcell_comb \mcpu|mir|dout[7]~feeder (
// Equation(s):
// \mcpu|mir|dout[7]~feeder_combout  = \mcpu|mdr|dout [7]

	.dataa(\mcpu|mdr|dout [7]),
	.datab(gnd),
	.datac(gnd),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mir|dout[7]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mir|dout[7]~feeder .lut_mask = 16'hAAAA;
defparam \mcpu|mir|dout[7]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y26_N29
dffeas \mcpu|mir|dout[7] (
	.clk(!\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mir|dout[7]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|t2~q ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mir|dout [7]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mir|dout[7] .is_wysiwyg = "true";
defparam \mcpu|mir|dout[7] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N30
cycloneive_lcell_comb \mcpu|mcontrol|Equal1~0 (
// Equation(s):
// \mcpu|mcontrol|Equal1~0_combout  = (!\mcpu|mir|dout [6] & (!\mcpu|mir|dout [5] & (!\mcpu|mir|dout [4] & !\mcpu|mir|dout [7])))

	.dataa(\mcpu|mir|dout [6]),
	.datab(\mcpu|mir|dout [5]),
	.datac(\mcpu|mir|dout [4]),
	.datad(\mcpu|mir|dout [7]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Equal1~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Equal1~0 .lut_mask = 16'h0001;
defparam \mcpu|mcontrol|Equal1~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y27_N7
dffeas \mcpu|mcontrol|isub (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~8_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|isub~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|isub .is_wysiwyg = "true";
defparam \mcpu|mcontrol|isub .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N8
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~7 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~7_combout  = (!\mcpu|mir|dout [1] & (!\mcpu|mir|dout [0] & (!\mcpu|mir|dout [2] & \mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [1]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~7_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~7 .lut_mask = 16'h0100;
defparam \mcpu|mcontrol|Decoder0~7 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y27_N9
dffeas \mcpu|mcontrol|iadd (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~7_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|iadd~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|iadd .is_wysiwyg = "true";
defparam \mcpu|mcontrol|iadd .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N22
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~6 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~6_combout  = (!\mcpu|mir|dout [1] & (!\mcpu|mir|dout [0] & (\mcpu|mir|dout [2] & !\mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [1]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~6_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~6 .lut_mask = 16'h0010;
defparam \mcpu|mcontrol|Decoder0~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y27_N23
dffeas \mcpu|mcontrol|imovr (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~6_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|imovr~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|imovr .is_wysiwyg = "true";
defparam \mcpu|mcontrol|imovr .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N20
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~9 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~9_combout  = (!\mcpu|mir|dout [1] & (!\mcpu|mir|dout [0] & (\mcpu|mir|dout [2] & \mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [1]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~9_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~9 .lut_mask = 16'h1000;
defparam \mcpu|mcontrol|Decoder0~9 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y27_N21
dffeas \mcpu|mcontrol|iand (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~9_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|iand~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|iand .is_wysiwyg = "true";
defparam \mcpu|mcontrol|iand .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N10
cycloneive_lcell_comb \mcpu|mcontrol|clr~0 (
// Equation(s):
// \mcpu|mcontrol|clr~0_combout  = (!\mcpu|mcontrol|isub~q  & (!\mcpu|mcontrol|iadd~q  & (!\mcpu|mcontrol|imovr~q  & !\mcpu|mcontrol|iand~q )))

	.dataa(\mcpu|mcontrol|isub~q ),
	.datab(\mcpu|mcontrol|iadd~q ),
	.datac(\mcpu|mcontrol|imovr~q ),
	.datad(\mcpu|mcontrol|iand~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|clr~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|clr~0 .lut_mask = 16'h0001;
defparam \mcpu|mcontrol|clr~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y27_N9
dffeas \mcpu|mr|dout[3] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|dbus[3]~57_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|rload~combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mr|dout [3]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mr|dout[3] .is_wysiwyg = "true";
defparam \mcpu|mr|dout[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N8
cycloneive_lcell_comb \mcpu|dbus[3]~21 (
// Equation(s):
// \mcpu|dbus[3]~21_combout  = (\mcpu|mr|dout [3]) # (((\mcpu|mcontrol|clr~0_combout  & \mcpu|mcontrol|clr~6_combout )) # (!\mcpu|mcontrol|t3~q ))

	.dataa(\mcpu|mcontrol|clr~0_combout ),
	.datab(\mcpu|mcontrol|clr~6_combout ),
	.datac(\mcpu|mr|dout [3]),
	.datad(\mcpu|mcontrol|t3~q ),
	.cin(gnd),
	.combout(\mcpu|dbus[3]~21_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[3]~21 .lut_mask = 16'hF8FF;
defparam \mcpu|dbus[3]~21 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N16
cycloneive_lcell_comb \mcpu|dbus[3]~22 (
// Equation(s):
// \mcpu|dbus[3]~22_combout  = (\mcpu|mdr|dout [3] & (((\mcpu|mpc|dout [3])) # (!\mcpu|mcontrol|pcbus~combout ))) # (!\mcpu|mdr|dout [3] & (!\mcpu|mcontrol|drlbus~0_combout  & ((\mcpu|mpc|dout [3]) # (!\mcpu|mcontrol|pcbus~combout ))))

	.dataa(\mcpu|mdr|dout [3]),
	.datab(\mcpu|mcontrol|pcbus~combout ),
	.datac(\mcpu|mcontrol|drlbus~0_combout ),
	.datad(\mcpu|mpc|dout [3]),
	.cin(gnd),
	.combout(\mcpu|dbus[3]~22_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[3]~22 .lut_mask = 16'hAF23;
defparam \mcpu|dbus[3]~22 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N22
cycloneive_lcell_comb \mcpu|dbus[3]~23 (
// Equation(s):
// \mcpu|dbus[3]~23_combout  = (\mcpu|dbus[3]~21_combout  & (\mcpu|dbus[3]~22_combout  & ((\mcpu|mac|dout [3]) # (!\mcpu|mcontrol|acbus~combout ))))

	.dataa(\mcpu|dbus[3]~21_combout ),
	.datab(\mcpu|mcontrol|acbus~combout ),
	.datac(\mcpu|mac|dout [3]),
	.datad(\mcpu|dbus[3]~22_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[3]~23_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[3]~23 .lut_mask = 16'hA200;
defparam \mcpu|dbus[3]~23 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N2
cycloneive_lcell_comb \mm|data_out~25 (
// Equation(s):
// \mm|data_out~25_combout  = (\mm|ram~0_q  & (\mm|ram_rtl_0|auto_generated|ram_block1a3 )) # (!\mm|ram~0_q  & ((\mm|ram~4_q )))

	.dataa(\mm|ram_rtl_0|auto_generated|ram_block1a3 ),
	.datab(\mm|ram~0_q ),
	.datac(\mm|ram~4_q ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mm|data_out~25_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~25 .lut_mask = 16'hB8B8;
defparam \mm|data_out~25 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N8
cycloneive_lcell_comb \mcpu|dbus[3]~56 (
// Equation(s):
// \mcpu|dbus[3]~56_combout  = ((\mm|WideOr0~combout  & (\mm|data_out~25_combout )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a3 )))) # (!\mm|data_out[0]~10_combout )

	.dataa(\mm|data_out[0]~10_combout ),
	.datab(\mm|data_out~25_combout ),
	.datac(\mm|WideOr0~combout ),
	.datad(\mm|memory_rtl_0|auto_generated|ram_block1a3 ),
	.cin(gnd),
	.combout(\mcpu|dbus[3]~56_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[3]~56 .lut_mask = 16'hDFD5;
defparam \mcpu|dbus[3]~56 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N26
cycloneive_lcell_comb \mcpu|dbus[3]~57 (
// Equation(s):
// \mcpu|dbus[3]~57_combout  = ((\mcpu|dbus[3]~23_combout  & (\mcpu|dbus[3]~20_combout  & \mcpu|dbus[3]~56_combout ))) # (!\mcpu|dbus[0]~9_combout )

	.dataa(\mcpu|dbus[3]~23_combout ),
	.datab(\mcpu|dbus[3]~20_combout ),
	.datac(\mcpu|dbus[3]~56_combout ),
	.datad(\mcpu|dbus[0]~9_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[3]~57_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[3]~57 .lut_mask = 16'h80FF;
defparam \mcpu|dbus[3]~57 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y27_N27
dffeas \mcpu|mdr|dout[3] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|dbus[3]~57_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|drload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mdr|dout [3]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mdr|dout[3] .is_wysiwyg = "true";
defparam \mcpu|mdr|dout[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N22
cycloneive_lcell_comb \mcpu|mir|dout[3]~feeder (
// Equation(s):
// \mcpu|mir|dout[3]~feeder_combout  = \mcpu|mdr|dout [3]

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|mdr|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mir|dout[3]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mir|dout[3]~feeder .lut_mask = 16'hFF00;
defparam \mcpu|mir|dout[3]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y26_N23
dffeas \mcpu|mir|dout[3] (
	.clk(!\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mir|dout[3]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|t2~q ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mir|dout [3]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mir|dout[3] .is_wysiwyg = "true";
defparam \mcpu|mir|dout[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N30
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~4 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~4_combout  = (\mcpu|mir|dout [2] & (!\mcpu|mir|dout [0] & (\mcpu|mir|dout [1] & !\mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [2]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [1]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~4 .lut_mask = 16'h0020;
defparam \mcpu|mcontrol|Decoder0~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y26_N17
dffeas \mcpu|mcontrol|ijmpz (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mcontrol|Decoder0~4_combout ),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|ijmpz~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|ijmpz .is_wysiwyg = "true";
defparam \mcpu|mcontrol|ijmpz .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N18
cycloneive_lcell_comb \mcpu|mcontrol|zload~2 (
// Equation(s):
// \mcpu|mcontrol|zload~2_combout  = (\mcpu|mz|dout [0] & (!\mcpu|mcontrol|ijmpz~q )) # (!\mcpu|mz|dout [0] & ((!\mcpu|mcontrol|ijpnz~q )))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|ijmpz~q ),
	.datac(\mcpu|mz|dout [0]),
	.datad(\mcpu|mcontrol|ijpnz~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|zload~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|zload~2 .lut_mask = 16'h303F;
defparam \mcpu|mcontrol|zload~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y27_N16
cycloneive_lcell_comb \mcpu|mcontrol|trload~0 (
// Equation(s):
// \mcpu|mcontrol|trload~0_combout  = (\mcpu|mcontrol|t4~q  & ((!\mcpu|mcontrol|zload~2_combout ) # (!\mcpu|mcontrol|arinc~0_combout )))

	.dataa(\mcpu|mcontrol|arinc~0_combout ),
	.datab(\mcpu|mcontrol|zload~2_combout ),
	.datac(gnd),
	.datad(\mcpu|mcontrol|t4~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|trload~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|trload~0 .lut_mask = 16'h7700;
defparam \mcpu|mcontrol|trload~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y26_N27
dffeas \mcpu|mtr|dout[2] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mdr|dout [2]),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|trload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mtr|dout [2]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mtr|dout[2] .is_wysiwyg = "true";
defparam \mcpu|mtr|dout[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N20
cycloneive_lcell_comb \mcpu|dbus[2]~15 (
// Equation(s):
// \mcpu|dbus[2]~15_combout  = (\mcpu|mtr|dout [2]) # (((\mcpu|mcontrol|arinc~0_combout  & \mcpu|mcontrol|zload~2_combout )) # (!\mcpu|mcontrol|t5~q ))

	.dataa(\mcpu|mtr|dout [2]),
	.datab(\mcpu|mcontrol|t5~q ),
	.datac(\mcpu|mcontrol|arinc~0_combout ),
	.datad(\mcpu|mcontrol|zload~2_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[2]~15_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[2]~15 .lut_mask = 16'hFBBB;
defparam \mcpu|dbus[2]~15 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N28
cycloneive_lcell_comb \mcpu|dbus[2]~54 (
// Equation(s):
// \mcpu|dbus[2]~54_combout  = ((\mm|WideOr0~combout  & ((\mm|data_out~13_combout ))) # (!\mm|WideOr0~combout  & (\mm|memory_rtl_0|auto_generated|ram_block1a2 ))) # (!\mm|data_out[0]~10_combout )

	.dataa(\mm|WideOr0~combout ),
	.datab(\mm|memory_rtl_0|auto_generated|ram_block1a2 ),
	.datac(\mm|data_out~13_combout ),
	.datad(\mm|data_out[0]~10_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[2]~54_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[2]~54 .lut_mask = 16'hE4FF;
defparam \mcpu|dbus[2]~54 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N30
cycloneive_lcell_comb \mcpu|dbus[2]~55 (
// Equation(s):
// \mcpu|dbus[2]~55_combout  = ((\mcpu|dbus[2]~15_combout  & (\mcpu|dbus[2]~18_combout  & \mcpu|dbus[2]~54_combout ))) # (!\mcpu|dbus[0]~9_combout )

	.dataa(\mcpu|dbus[0]~9_combout ),
	.datab(\mcpu|dbus[2]~15_combout ),
	.datac(\mcpu|dbus[2]~18_combout ),
	.datad(\mcpu|dbus[2]~54_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[2]~55_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[2]~55 .lut_mask = 16'hD555;
defparam \mcpu|dbus[2]~55 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y26_N15
dffeas \mcpu|mdr|dout[2] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|dbus[2]~55_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|drload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mdr|dout [2]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mdr|dout[2] .is_wysiwyg = "true";
defparam \mcpu|mdr|dout[2] .power_up = "low";
// synopsys translate_on

// Location: FF_X43_Y26_N1
dffeas \mcpu|mir|dout[2] (
	.clk(!\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mdr|dout [2]),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|t2~q ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mir|dout [2]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mir|dout[2] .is_wysiwyg = "true";
defparam \mcpu|mir|dout[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N16
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~0 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~0_combout  = (\mcpu|mir|dout [0] & (!\mcpu|mir|dout [1] & (!\mcpu|mir|dout [2] & !\mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [0]),
	.datab(\mcpu|mir|dout [1]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~0 .lut_mask = 16'h0002;
defparam \mcpu|mcontrol|Decoder0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y27_N17
dffeas \mcpu|mcontrol|ildac (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mcontrol|Decoder0~0_combout ),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|ildac~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|ildac .is_wysiwyg = "true";
defparam \mcpu|mcontrol|ildac .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N0
cycloneive_lcell_comb \mcpu|mcontrol|arinc~0 (
// Equation(s):
// \mcpu|mcontrol|arinc~0_combout  = (!\mcpu|mcontrol|ildac~q  & (!\mcpu|mcontrol|istac~q  & !\mcpu|mcontrol|ijump~q ))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|ildac~q ),
	.datac(\mcpu|mcontrol|istac~q ),
	.datad(\mcpu|mcontrol|ijump~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|arinc~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|arinc~0 .lut_mask = 16'h0003;
defparam \mcpu|mcontrol|arinc~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y26_N21
dffeas \mcpu|mtr|dout[0] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mdr|dout [0]),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mcpu|mcontrol|trload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mtr|dout [0]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mtr|dout[0] .is_wysiwyg = "true";
defparam \mcpu|mtr|dout[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N20
cycloneive_lcell_comb \mcpu|dbus[0]~4 (
// Equation(s):
// \mcpu|dbus[0]~4_combout  = ((\mcpu|mtr|dout [0]) # ((\mcpu|mcontrol|arinc~0_combout  & \mcpu|mcontrol|zload~2_combout ))) # (!\mcpu|mcontrol|t5~q )

	.dataa(\mcpu|mcontrol|t5~q ),
	.datab(\mcpu|mcontrol|arinc~0_combout ),
	.datac(\mcpu|mtr|dout [0]),
	.datad(\mcpu|mcontrol|zload~2_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[0]~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[0]~4 .lut_mask = 16'hFDF5;
defparam \mcpu|dbus[0]~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N28
cycloneive_lcell_comb \mcpu|dbus[0]~5 (
// Equation(s):
// \mcpu|dbus[0]~5_combout  = (\mcpu|mac|dout [0]) # ((!\mcpu|mcontrol|rload~combout  & ((!\mcpu|mcontrol|t6~q ) # (!\mcpu|mcontrol|istac~q ))))

	.dataa(\mcpu|mcontrol|istac~q ),
	.datab(\mcpu|mac|dout [0]),
	.datac(\mcpu|mcontrol|t6~q ),
	.datad(\mcpu|mcontrol|rload~combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[0]~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[0]~5 .lut_mask = 16'hCCDF;
defparam \mcpu|dbus[0]~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N2
cycloneive_lcell_comb \mcpu|mr|dout[0]~feeder (
// Equation(s):
// \mcpu|mr|dout[0]~feeder_combout  = \mcpu|dbus[0]~51_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|dbus[0]~51_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mr|dout[0]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mr|dout[0]~feeder .lut_mask = 16'hF0F0;
defparam \mcpu|mr|dout[0]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y27_N3
dffeas \mcpu|mr|dout[0] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mr|dout[0]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|rload~combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mr|dout [0]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mr|dout[0] .is_wysiwyg = "true";
defparam \mcpu|mr|dout[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N12
cycloneive_lcell_comb \mcpu|dbus[0]~6 (
// Equation(s):
// \mcpu|dbus[0]~6_combout  = (\mcpu|mpc|dout [0] & (((\mcpu|mdr|dout [0])) # (!\mcpu|mcontrol|drlbus~0_combout ))) # (!\mcpu|mpc|dout [0] & (!\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mdr|dout [0]) # (!\mcpu|mcontrol|drlbus~0_combout ))))

	.dataa(\mcpu|mpc|dout [0]),
	.datab(\mcpu|mcontrol|drlbus~0_combout ),
	.datac(\mcpu|mdr|dout [0]),
	.datad(\mcpu|mcontrol|pcbus~combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[0]~6_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[0]~6 .lut_mask = 16'hA2F3;
defparam \mcpu|dbus[0]~6 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N26
cycloneive_lcell_comb \mcpu|dbus[0]~7 (
// Equation(s):
// \mcpu|dbus[0]~7_combout  = (\mcpu|dbus[0]~5_combout  & (\mcpu|dbus[0]~6_combout  & ((\mcpu|mr|dout [0]) # (!\mcpu|mcontrol|rbus~0_combout ))))

	.dataa(\mcpu|dbus[0]~5_combout ),
	.datab(\mcpu|mr|dout [0]),
	.datac(\mcpu|mcontrol|rbus~0_combout ),
	.datad(\mcpu|dbus[0]~6_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[0]~7_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[0]~7 .lut_mask = 16'h8A00;
defparam \mcpu|dbus[0]~7 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N6
cycloneive_lcell_comb \mcpu|dbus[0]~8 (
// Equation(s):
// \mcpu|dbus[0]~8_combout  = (\mcpu|dbus[0]~4_combout  & (\mcpu|dbus[0]~7_combout  & ((\mm|data_out~9_combout ) # (!\mm|data_out[0]~10_combout ))))

	.dataa(\mcpu|dbus[0]~4_combout ),
	.datab(\mcpu|dbus[0]~7_combout ),
	.datac(\mm|data_out[0]~10_combout ),
	.datad(\mm|data_out~9_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[0]~8_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[0]~8 .lut_mask = 16'h8808;
defparam \mcpu|dbus[0]~8 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N26
cycloneive_lcell_comb \mcpu|dbus[0]~51 (
// Equation(s):
// \mcpu|dbus[0]~51_combout  = (\mcpu|dbus[0]~8_combout ) # (!\mcpu|dbus[0]~9_combout )

	.dataa(gnd),
	.datab(\mcpu|dbus[0]~8_combout ),
	.datac(gnd),
	.datad(\mcpu|dbus[0]~9_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[0]~51_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[0]~51 .lut_mask = 16'hCCFF;
defparam \mcpu|dbus[0]~51 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X38_Y28_N24
cycloneive_lcell_comb \mcpu|mdr|dout[0]~feeder (
// Equation(s):
// \mcpu|mdr|dout[0]~feeder_combout  = \mcpu|dbus[0]~51_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|dbus[0]~51_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|mdr|dout[0]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mdr|dout[0]~feeder .lut_mask = 16'hF0F0;
defparam \mcpu|mdr|dout[0]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y28_N25
dffeas \mcpu|mdr|dout[0] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mdr|dout[0]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|drload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mdr|dout [0]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mdr|dout[0] .is_wysiwyg = "true";
defparam \mcpu|mdr|dout[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N8
cycloneive_lcell_comb \mcpu|mir|dout[0]~feeder (
// Equation(s):
// \mcpu|mir|dout[0]~feeder_combout  = \mcpu|mdr|dout [0]

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|mdr|dout [0]),
	.cin(gnd),
	.combout(\mcpu|mir|dout[0]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mir|dout[0]~feeder .lut_mask = 16'hFF00;
defparam \mcpu|mir|dout[0]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y26_N9
dffeas \mcpu|mir|dout[0] (
	.clk(!\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mir|dout[0]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|t2~q ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mir|dout [0]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mir|dout[0] .is_wysiwyg = "true";
defparam \mcpu|mir|dout[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N10
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~5 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~5_combout  = (\mcpu|mir|dout [0] & (\mcpu|mir|dout [1] & (!\mcpu|mir|dout [2] & !\mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [0]),
	.datab(\mcpu|mir|dout [1]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~5 .lut_mask = 16'h0008;
defparam \mcpu|mcontrol|Decoder0~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y27_N11
dffeas \mcpu|mcontrol|imovac (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~5_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|imovac~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|imovac .is_wysiwyg = "true";
defparam \mcpu|mcontrol|imovac .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N26
cycloneive_lcell_comb \mcpu|mcontrol|acbus (
// Equation(s):
// \mcpu|mcontrol|acbus~combout  = (\mcpu|mcontrol|imovac~q  & ((\mcpu|mcontrol|t3~q ) # ((\mcpu|mcontrol|t6~q  & \mcpu|mcontrol|istac~q )))) # (!\mcpu|mcontrol|imovac~q  & (((\mcpu|mcontrol|t6~q  & \mcpu|mcontrol|istac~q ))))

	.dataa(\mcpu|mcontrol|imovac~q ),
	.datab(\mcpu|mcontrol|t3~q ),
	.datac(\mcpu|mcontrol|t6~q ),
	.datad(\mcpu|mcontrol|istac~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|acbus~combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|acbus .lut_mask = 16'hF888;
defparam \mcpu|mcontrol|acbus .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N24
cycloneive_lcell_comb \mcpu|mcontrol|drhbus~0 (
// Equation(s):
// \mcpu|mcontrol|drhbus~0_combout  = (\mcpu|mcontrol|t5~q  & ((!\mcpu|mcontrol|arinc~0_combout ) # (!\mcpu|mcontrol|zload~2_combout )))

	.dataa(gnd),
	.datab(\mcpu|mcontrol|t5~q ),
	.datac(\mcpu|mcontrol|zload~2_combout ),
	.datad(\mcpu|mcontrol|arinc~0_combout ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|drhbus~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|drhbus~0 .lut_mask = 16'h0CCC;
defparam \mcpu|mcontrol|drhbus~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N30
cycloneive_lcell_comb \mcpu|dbus[0]~60 (
// Equation(s):
// \mcpu|dbus[0]~60_combout  = (\mcpu|mcontrol|t2~q ) # ((\mcpu|mcontrol|drlbus~0_combout ) # ((\mcpu|mcontrol|rbus~0_combout ) # (!\mcpu|mcontrol|t0~q )))

	.dataa(\mcpu|mcontrol|t2~q ),
	.datab(\mcpu|mcontrol|drlbus~0_combout ),
	.datac(\mcpu|mcontrol|t0~q ),
	.datad(\mcpu|mcontrol|rbus~0_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[0]~60_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[0]~60 .lut_mask = 16'hFFEF;
defparam \mcpu|dbus[0]~60 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N20
cycloneive_lcell_comb \mcpu|dbus[0]~9 (
// Equation(s):
// \mcpu|dbus[0]~9_combout  = (\mcpu|mcontrol|acbus~combout ) # ((\mcpu|mcontrol|drhbus~0_combout ) # ((\mcpu|dbus[0]~60_combout ) # (\mm|data_out[0]~10_combout )))

	.dataa(\mcpu|mcontrol|acbus~combout ),
	.datab(\mcpu|mcontrol|drhbus~0_combout ),
	.datac(\mcpu|dbus[0]~60_combout ),
	.datad(\mm|data_out[0]~10_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[0]~9_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[0]~9 .lut_mask = 16'hFFFE;
defparam \mcpu|dbus[0]~9 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N18
cycloneive_lcell_comb \mcpu|data_out[1]~25 (
// Equation(s):
// \mcpu|data_out[1]~25_combout  = (((\mcpu|dbus[1]~14_combout ) # (!\mcpu|mcontrol|t7~q )) # (!\mcpu|dbus[0]~9_combout )) # (!\mcpu|mcontrol|istac~q )

	.dataa(\mcpu|mcontrol|istac~q ),
	.datab(\mcpu|dbus[0]~9_combout ),
	.datac(\mcpu|mcontrol|t7~q ),
	.datad(\mcpu|dbus[1]~14_combout ),
	.cin(gnd),
	.combout(\mcpu|data_out[1]~25_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|data_out[1]~25 .lut_mask = 16'hFF7F;
defparam \mcpu|data_out[1]~25 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y26_N19
dffeas \mm|ram~2 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mcpu|data_out[1]~25_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mm|ram~12_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|ram~2_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|ram~2 .is_wysiwyg = "true";
defparam \mm|ram~2 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N4
cycloneive_lcell_comb \mm|data_out~11 (
// Equation(s):
// \mm|data_out~11_combout  = (\mm|ram~0_q  & ((\mm|ram_rtl_0|auto_generated|ram_block1a1 ))) # (!\mm|ram~0_q  & (\mm|ram~2_q ))

	.dataa(gnd),
	.datab(\mm|ram~0_q ),
	.datac(\mm|ram~2_q ),
	.datad(\mm|ram_rtl_0|auto_generated|ram_block1a1 ),
	.cin(gnd),
	.combout(\mm|data_out~11_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~11 .lut_mask = 16'hFC30;
defparam \mm|data_out~11 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N12
cycloneive_lcell_comb \mcpu|dbus[1]~52 (
// Equation(s):
// \mcpu|dbus[1]~52_combout  = ((\mm|WideOr0~combout  & (\mm|data_out~11_combout )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a1 )))) # (!\mm|data_out[0]~10_combout )

	.dataa(\mm|data_out~11_combout ),
	.datab(\mm|memory_rtl_0|auto_generated|ram_block1a1 ),
	.datac(\mm|WideOr0~combout ),
	.datad(\mm|data_out[0]~10_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[1]~52_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[1]~52 .lut_mask = 16'hACFF;
defparam \mcpu|dbus[1]~52 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y27_N4
cycloneive_lcell_comb \mcpu|dbus[1]~53 (
// Equation(s):
// \mcpu|dbus[1]~53_combout  = ((\mcpu|dbus[1]~52_combout  & (\mcpu|dbus[1]~13_combout  & \mcpu|dbus[1]~10_combout ))) # (!\mcpu|dbus[0]~9_combout )

	.dataa(\mcpu|dbus[1]~52_combout ),
	.datab(\mcpu|dbus[1]~13_combout ),
	.datac(\mcpu|dbus[0]~9_combout ),
	.datad(\mcpu|dbus[1]~10_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[1]~53_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[1]~53 .lut_mask = 16'h8F0F;
defparam \mcpu|dbus[1]~53 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y27_N5
dffeas \mcpu|mdr|dout[1] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|dbus[1]~53_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|drload~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mdr|dout [1]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mdr|dout[1] .is_wysiwyg = "true";
defparam \mcpu|mdr|dout[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y26_N2
cycloneive_lcell_comb \mcpu|mir|dout[1]~feeder (
// Equation(s):
// \mcpu|mir|dout[1]~feeder_combout  = \mcpu|mdr|dout [1]

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|mdr|dout [1]),
	.cin(gnd),
	.combout(\mcpu|mir|dout[1]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mir|dout[1]~feeder .lut_mask = 16'hFF00;
defparam \mcpu|mir|dout[1]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y26_N3
dffeas \mcpu|mir|dout[1] (
	.clk(!\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mir|dout[1]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|t2~q ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mir|dout [1]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mir|dout[1] .is_wysiwyg = "true";
defparam \mcpu|mir|dout[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N24
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~3 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~3_combout  = (\mcpu|mir|dout [1] & (\mcpu|mir|dout [0] & (\mcpu|mir|dout [2] & !\mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [1]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~3 .lut_mask = 16'h0080;
defparam \mcpu|mcontrol|Decoder0~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y27_N25
dffeas \mcpu|mcontrol|ijpnz (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~3_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|ijpnz~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|ijpnz .is_wysiwyg = "true";
defparam \mcpu|mcontrol|ijpnz .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N22
cycloneive_lcell_comb \mcpu|mcontrol|clr~4 (
// Equation(s):
// \mcpu|mcontrol|clr~4_combout  = (\mcpu|mcontrol|t5~q  & ((\mcpu|mcontrol|ijpnz~q ) # ((\mcpu|mcontrol|ijmpz~q ) # (\mcpu|mcontrol|ijump~q ))))

	.dataa(\mcpu|mcontrol|ijpnz~q ),
	.datab(\mcpu|mcontrol|ijmpz~q ),
	.datac(\mcpu|mcontrol|t5~q ),
	.datad(\mcpu|mcontrol|ijump~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|clr~4_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|clr~4 .lut_mask = 16'hF0E0;
defparam \mcpu|mcontrol|clr~4 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N26
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~15 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~15_combout  = (!\mcpu|mir|dout [1] & (!\mcpu|mir|dout [0] & (!\mcpu|mir|dout [2] & !\mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [1]),
	.datab(\mcpu|mir|dout [0]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~15_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~15 .lut_mask = 16'h0001;
defparam \mcpu|mcontrol|Decoder0~15 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y27_N27
dffeas \mcpu|mcontrol|inop (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~15_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|inop~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|inop .is_wysiwyg = "true";
defparam \mcpu|mcontrol|inop .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y27_N28
cycloneive_lcell_comb \mcpu|mcontrol|clr~3 (
// Equation(s):
// \mcpu|mcontrol|clr~3_combout  = (\mcpu|mcontrol|t3~q  & ((\mcpu|mcontrol|imovac~q ) # ((\mcpu|mcontrol|inop~q ) # (!\mcpu|mcontrol|clr~2_combout ))))

	.dataa(\mcpu|mcontrol|t3~q ),
	.datab(\mcpu|mcontrol|imovac~q ),
	.datac(\mcpu|mcontrol|inop~q ),
	.datad(\mcpu|mcontrol|clr~2_combout ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|clr~3_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|clr~3 .lut_mask = 16'hA8AA;
defparam \mcpu|mcontrol|clr~3 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N20
cycloneive_lcell_comb \mcpu|mcontrol|ldac5~0 (
// Equation(s):
// \mcpu|mcontrol|ldac5~0_combout  = (\mcpu|mcontrol|ildac~q  & \mcpu|mcontrol|t7~q )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mcontrol|ildac~q ),
	.datad(\mcpu|mcontrol|t7~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|ldac5~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|ldac5~0 .lut_mask = 16'hF000;
defparam \mcpu|mcontrol|ldac5~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N24
cycloneive_lcell_comb \mcpu|mcontrol|clr~5 (
// Equation(s):
// \mcpu|mcontrol|clr~5_combout  = (\mcpu|mcontrol|clr~4_combout ) # ((\mcpu|mcontrol|busmem~combout ) # ((\mcpu|mcontrol|clr~3_combout ) # (\mcpu|mcontrol|ldac5~0_combout )))

	.dataa(\mcpu|mcontrol|clr~4_combout ),
	.datab(\mcpu|mcontrol|busmem~combout ),
	.datac(\mcpu|mcontrol|clr~3_combout ),
	.datad(\mcpu|mcontrol|ldac5~0_combout ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|clr~5_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|clr~5 .lut_mask = 16'hFFFE;
defparam \mcpu|mcontrol|clr~5 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X62_Y27_N16
cycloneive_lcell_comb \mcpu|qtdl|clr_d1~0 (
// Equation(s):
// \mcpu|qtdl|clr_d1~0_combout  = !\mcpu|mcontrol|clr~5_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|mcontrol|clr~5_combout ),
	.cin(gnd),
	.combout(\mcpu|qtdl|clr_d1~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|qtdl|clr_d1~0 .lut_mask = 16'h00FF;
defparam \mcpu|qtdl|clr_d1~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X62_Y27_N17
dffeas \mcpu|qtdl|clr_d1 (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|qtdl|clr_d1~0_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|qtdl|clr_d1~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|qtdl|clr_d1 .is_wysiwyg = "true";
defparam \mcpu|qtdl|clr_d1 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X62_Y27_N6
cycloneive_lcell_comb \mcpu|qtdl|clr_d2~feeder (
// Equation(s):
// \mcpu|qtdl|clr_d2~feeder_combout  = \mcpu|qtdl|clr_d1~q 

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|qtdl|clr_d1~q ),
	.cin(gnd),
	.combout(\mcpu|qtdl|clr_d2~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|qtdl|clr_d2~feeder .lut_mask = 16'hFF00;
defparam \mcpu|qtdl|clr_d2~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X62_Y27_N7
dffeas \mcpu|qtdl|clr_d2 (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|qtdl|clr_d2~feeder_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|qtdl|clr_d2~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|qtdl|clr_d2 .is_wysiwyg = "true";
defparam \mcpu|qtdl|clr_d2 .power_up = "low";
// synopsys translate_on

// Location: CLKCTRL_G4
cycloneive_clkctrl \delay|div_clk~clkctrl (
	.ena(vcc),
	.inclk({vcc,vcc,vcc,\delay|div_clk~q }),
	.clkselect(2'b00),
	.devclrn(devclrn),
	.devpor(devpor),
	.outclk(\delay|div_clk~clkctrl_outclk ));
// synopsys translate_off
defparam \delay|div_clk~clkctrl .clock_type = "global clock";
defparam \delay|div_clk~clkctrl .ena_register_mode = "none";
// synopsys translate_on

// Location: LCCOMB_X63_Y27_N24
cycloneive_lcell_comb \mcpu|qtdl|A_d1~0 (
// Equation(s):
// \mcpu|qtdl|A_d1~0_combout  = !\A1~input_o 

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\A1~input_o ),
	.cin(gnd),
	.combout(\mcpu|qtdl|A_d1~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|qtdl|A_d1~0 .lut_mask = 16'h00FF;
defparam \mcpu|qtdl|A_d1~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X63_Y27_N25
dffeas \mcpu|qtdl|A_d1 (
	.clk(\delay|div_clk~clkctrl_outclk ),
	.d(\mcpu|qtdl|A_d1~0_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|qtdl|A_d1~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|qtdl|A_d1 .is_wysiwyg = "true";
defparam \mcpu|qtdl|A_d1 .power_up = "low";
// synopsys translate_on

// Location: FF_X63_Y27_N29
dffeas \mcpu|qtdl|A_d2 (
	.clk(\delay|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|qtdl|A_d1~q ),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|qtdl|A_d2~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|qtdl|A_d2 .is_wysiwyg = "true";
defparam \mcpu|qtdl|A_d2 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X63_Y27_N28
cycloneive_lcell_comb \mcpu|qtdl|clk_enable~0 (
// Equation(s):
// \mcpu|qtdl|clk_enable~0_combout  = (!\mcpu|qtdl|A_d2~q  & \mcpu|qtdl|A_d1~q )

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|qtdl|A_d2~q ),
	.datad(\mcpu|qtdl|A_d1~q ),
	.cin(gnd),
	.combout(\mcpu|qtdl|clk_enable~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|qtdl|clk_enable~0 .lut_mask = 16'h0F00;
defparam \mcpu|qtdl|clk_enable~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X63_Y27_N30
cycloneive_lcell_comb \mcpu|qtdl|clk_enable~1 (
// Equation(s):
// \mcpu|qtdl|clk_enable~1_combout  = (\mcpu|qtdl|clr_d1~q  & (((\mcpu|qtdl|clk_enable~q ) # (\mcpu|qtdl|clk_enable~0_combout )))) # (!\mcpu|qtdl|clr_d1~q  & (!\mcpu|qtdl|clr_d2~q  & ((\mcpu|qtdl|clk_enable~q ) # (\mcpu|qtdl|clk_enable~0_combout ))))

	.dataa(\mcpu|qtdl|clr_d1~q ),
	.datab(\mcpu|qtdl|clr_d2~q ),
	.datac(\mcpu|qtdl|clk_enable~q ),
	.datad(\mcpu|qtdl|clk_enable~0_combout ),
	.cin(gnd),
	.combout(\mcpu|qtdl|clk_enable~1_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|qtdl|clk_enable~1 .lut_mask = 16'hBBB0;
defparam \mcpu|qtdl|clk_enable~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X63_Y27_N31
dffeas \mcpu|qtdl|clk_enable (
	.clk(\delay|div_clk~q ),
	.d(\mcpu|qtdl|clk_enable~1_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|qtdl|clk_enable~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|qtdl|clk_enable .is_wysiwyg = "true";
defparam \mcpu|qtdl|clk_enable .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X64_Y26_N4
cycloneive_lcell_comb \mcpu|qtdl|clk_run (
// Equation(s):
// \mcpu|qtdl|clk_run~combout  = LCELL((\mcpu|qtdl|clk_enable~q  & \mcpu|qtdl|clk_choose~combout ))

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|qtdl|clk_enable~q ),
	.datad(\mcpu|qtdl|clk_choose~combout ),
	.cin(gnd),
	.combout(\mcpu|qtdl|clk_run~combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|qtdl|clk_run .lut_mask = 16'hF000;
defparam \mcpu|qtdl|clk_run .sum_lutc_input = "datac";
// synopsys translate_on

// Location: CLKCTRL_G9
cycloneive_clkctrl \mcpu|qtdl|clk_run~clkctrl (
	.ena(vcc),
	.inclk({vcc,vcc,vcc,\mcpu|qtdl|clk_run~combout }),
	.clkselect(2'b00),
	.devclrn(devclrn),
	.devpor(devpor),
	.outclk(\mcpu|qtdl|clk_run~clkctrl_outclk ));
// synopsys translate_off
defparam \mcpu|qtdl|clk_run~clkctrl .clock_type = "global clock";
defparam \mcpu|qtdl|clk_run~clkctrl .ena_register_mode = "none";
// synopsys translate_on

// Location: LCCOMB_X41_Y27_N18
cycloneive_lcell_comb \mcpu|mcontrol|Decoder0~2 (
// Equation(s):
// \mcpu|mcontrol|Decoder0~2_combout  = (!\mcpu|mir|dout [0] & (\mcpu|mir|dout [1] & (!\mcpu|mir|dout [2] & !\mcpu|mir|dout [3])))

	.dataa(\mcpu|mir|dout [0]),
	.datab(\mcpu|mir|dout [1]),
	.datac(\mcpu|mir|dout [2]),
	.datad(\mcpu|mir|dout [3]),
	.cin(gnd),
	.combout(\mcpu|mcontrol|Decoder0~2_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|Decoder0~2 .lut_mask = 16'h0004;
defparam \mcpu|mcontrol|Decoder0~2 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y27_N19
dffeas \mcpu|mcontrol|istac (
	.clk(\mcpu|qtdl|clk_run~clkctrl_outclk ),
	.d(\mcpu|mcontrol|Decoder0~2_combout ),
	.asdata(vcc),
	.clrn(!\mcpu|mcontrol|reset~clkctrl_outclk ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mcontrol|Equal1~0_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mcontrol|istac~q ),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mcontrol|istac .is_wysiwyg = "true";
defparam \mcpu|mcontrol|istac .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y28_N6
cycloneive_lcell_comb \mcpu|mcontrol|arload~0 (
// Equation(s):
// \mcpu|mcontrol|arload~0_combout  = (\mcpu|mcontrol|pcbus~combout ) # ((\mcpu|mcontrol|t5~q  & ((\mcpu|mcontrol|istac~q ) # (\mcpu|mcontrol|ildac~q ))))

	.dataa(\mcpu|mcontrol|istac~q ),
	.datab(\mcpu|mcontrol|ildac~q ),
	.datac(\mcpu|mcontrol|pcbus~combout ),
	.datad(\mcpu|mcontrol|t5~q ),
	.cin(gnd),
	.combout(\mcpu|mcontrol|arload~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mcontrol|arload~0 .lut_mask = 16'hFEF0;
defparam \mcpu|mcontrol|arload~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N12
cycloneive_lcell_comb \mcpu|mar|dout~14 (
// Equation(s):
// \mcpu|mar|dout~14_combout  = (!\mcpu|mcontrol|arload~0_combout  & ((\mcpu|mcontrol|arinc~1_combout  & (\mcpu|mar|dout [8])) # (!\mcpu|mcontrol|arinc~1_combout  & ((\mcpu|mar|Add0~16_combout )))))

	.dataa(\mcpu|mar|dout [8]),
	.datab(\mcpu|mar|Add0~16_combout ),
	.datac(\mcpu|mcontrol|arinc~1_combout ),
	.datad(\mcpu|mcontrol|arload~0_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~14_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~14 .lut_mask = 16'h00AC;
defparam \mcpu|mar|dout~14 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N10
cycloneive_lcell_comb \mcpu|mar|dout~15 (
// Equation(s):
// \mcpu|mar|dout~15_combout  = (\mcpu|mar|dout~14_combout ) # ((\mcpu|mcontrol|arload~0_combout  & \mcpu|mpc|dout[8]~0_combout ))

	.dataa(\mcpu|mcontrol|arload~0_combout ),
	.datab(gnd),
	.datac(\mcpu|mpc|dout[8]~0_combout ),
	.datad(\mcpu|mar|dout~14_combout ),
	.cin(gnd),
	.combout(\mcpu|mar|dout~15_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout~15 .lut_mask = 16'hFFA0;
defparam \mcpu|mar|dout~15 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X42_Y29_N11
dffeas \mcpu|mar|dout[8] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout~15_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [8]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[8] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[8] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N6
cycloneive_lcell_comb \mm|ram~10 (
// Equation(s):
// \mm|ram~10_combout  = (!\mcpu|mar|dout [8] & (!\mcpu|mar|dout [10] & (!\mcpu|mar|dout [9] & !\mcpu|mar|dout [7])))

	.dataa(\mcpu|mar|dout [8]),
	.datab(\mcpu|mar|dout [10]),
	.datac(\mcpu|mar|dout [9]),
	.datad(\mcpu|mar|dout [7]),
	.cin(gnd),
	.combout(\mm|ram~10_combout ),
	.cout());
// synopsys translate_off
defparam \mm|ram~10 .lut_mask = 16'h0001;
defparam \mm|ram~10 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y28_N30
cycloneive_lcell_comb \mcpu|mpc|Add0~30 (
// Equation(s):
// \mcpu|mpc|Add0~30_combout  = \mcpu|mpc|Add0~29  $ (\mcpu|mpc|dout [15])

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|mpc|dout [15]),
	.cin(\mcpu|mpc|Add0~29 ),
	.combout(\mcpu|mpc|Add0~30_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|Add0~30 .lut_mask = 16'h0FF0;
defparam \mcpu|mpc|Add0~30 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: LCCOMB_X41_Y29_N20
cycloneive_lcell_comb \mcpu|mpc|dout~17 (
// Equation(s):
// \mcpu|mpc|dout~17_combout  = (\mcpu|mcontrol|zload~3_combout  & (\mcpu|mar|dout[15]~0_combout )) # (!\mcpu|mcontrol|zload~3_combout  & ((\mcpu|mpc|Add0~30_combout )))

	.dataa(gnd),
	.datab(\mcpu|mar|dout[15]~0_combout ),
	.datac(\mcpu|mpc|Add0~30_combout ),
	.datad(\mcpu|mcontrol|zload~3_combout ),
	.cin(gnd),
	.combout(\mcpu|mpc|dout~17_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mpc|dout~17 .lut_mask = 16'hCCF0;
defparam \mcpu|mpc|dout~17 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y29_N21
dffeas \mcpu|mpc|dout[15] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mpc|dout~17_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(\mcpu|mpc|dout[14]~18_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mpc|dout [15]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mpc|dout[15] .is_wysiwyg = "true";
defparam \mcpu|mpc|dout[15] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N8
cycloneive_lcell_comb \mcpu|mar|dout[15]~0 (
// Equation(s):
// \mcpu|mar|dout[15]~0_combout  = (\mcpu|mcontrol|pcbus~combout  & ((\mcpu|mpc|dout [15]))) # (!\mcpu|mcontrol|pcbus~combout  & (\mcpu|mdr|dout [7]))

	.dataa(\mcpu|mdr|dout [7]),
	.datab(\mcpu|mcontrol|pcbus~combout ),
	.datac(gnd),
	.datad(\mcpu|mpc|dout [15]),
	.cin(gnd),
	.combout(\mcpu|mar|dout[15]~0_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|dout[15]~0 .lut_mask = 16'hEE22;
defparam \mcpu|mar|dout[15]~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X43_Y29_N30
cycloneive_lcell_comb \mcpu|mar|Add0~30 (
// Equation(s):
// \mcpu|mar|Add0~30_combout  = \mcpu|mar|Add0~29  $ (\mcpu|mar|dout [15])

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mcpu|mar|dout [15]),
	.cin(\mcpu|mar|Add0~29 ),
	.combout(\mcpu|mar|Add0~30_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|mar|Add0~30 .lut_mask = 16'h0FF0;
defparam \mcpu|mar|Add0~30 .sum_lutc_input = "cin";
// synopsys translate_on

// Location: FF_X42_Y29_N9
dffeas \mcpu|mar|dout[15] (
	.clk(\mcpu|qtdl|clk_choose~clkctrl_outclk ),
	.d(\mcpu|mar|dout[15]~0_combout ),
	.asdata(\mcpu|mar|Add0~30_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(!\mcpu|mcontrol|arload~0_combout ),
	.ena(\mcpu|mar|dout[0]~28_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mcpu|mar|dout [15]),
	.prn(vcc));
// synopsys translate_off
defparam \mcpu|mar|dout[15] .is_wysiwyg = "true";
defparam \mcpu|mar|dout[15] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X42_Y29_N2
cycloneive_lcell_comb \mm|WideOr0 (
// Equation(s):
// \mm|WideOr0~combout  = (((\mcpu|mar|dout [15]) # (!\mm|ram~9_combout )) # (!\mm|ram~11_combout )) # (!\mm|ram~10_combout )

	.dataa(\mm|ram~10_combout ),
	.datab(\mm|ram~11_combout ),
	.datac(\mcpu|mar|dout [15]),
	.datad(\mm|ram~9_combout ),
	.cin(gnd),
	.combout(\mm|WideOr0~combout ),
	.cout());
// synopsys translate_off
defparam \mm|WideOr0 .lut_mask = 16'hF7FF;
defparam \mm|WideOr0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y26_N21
dffeas \mm|ram~1 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|data_out[0]~24_combout ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mm|ram~12_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|ram~1_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|ram~1 .is_wysiwyg = "true";
defparam \mm|ram~1 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N22
cycloneive_lcell_comb \mm|data_out~8 (
// Equation(s):
// \mm|data_out~8_combout  = (\mm|ram~0_q  & ((\mm|ram_rtl_0|auto_generated|ram_block1a0~portbdataout ))) # (!\mm|ram~0_q  & (\mm|ram~1_q ))

	.dataa(\mm|ram~1_q ),
	.datab(\mm|ram~0_q ),
	.datac(gnd),
	.datad(\mm|ram_rtl_0|auto_generated|ram_block1a0~portbdataout ),
	.cin(gnd),
	.combout(\mm|data_out~8_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~8 .lut_mask = 16'hEE22;
defparam \mm|data_out~8 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N28
cycloneive_lcell_comb \mm|data_out~9 (
// Equation(s):
// \mm|data_out~9_combout  = (\mm|WideOr0~combout  & (\mm|data_out~8_combout )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a0~portbdataout )))

	.dataa(gnd),
	.datab(\mm|WideOr0~combout ),
	.datac(\mm|data_out~8_combout ),
	.datad(\mm|memory_rtl_0|auto_generated|ram_block1a0~portbdataout ),
	.cin(gnd),
	.combout(\mm|data_out~9_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~9 .lut_mask = 16'hF3C0;
defparam \mm|data_out~9 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N14
cycloneive_lcell_comb \mm|data_out~22 (
// Equation(s):
// \mm|data_out~22_combout  = (\mm|WideOr0~combout  & (\mm|data_out~19_combout )) # (!\mm|WideOr0~combout  & ((\mm|memory_rtl_0|auto_generated|ram_block1a5 )))

	.dataa(\mm|data_out~19_combout ),
	.datab(\mm|WideOr0~combout ),
	.datac(gnd),
	.datad(\mm|memory_rtl_0|auto_generated|ram_block1a5 ),
	.cin(gnd),
	.combout(\mm|data_out~22_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~22 .lut_mask = 16'hBB88;
defparam \mm|data_out~22 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N20
cycloneive_lcell_comb \mm|data_out~23 (
// Equation(s):
// \mm|data_out~23_combout  = (\mm|WideOr0~combout  & ((\mm|data_out~20_combout ))) # (!\mm|WideOr0~combout  & (\mm|memory_rtl_0|auto_generated|ram_block1a6 ))

	.dataa(\mm|WideOr0~combout ),
	.datab(\mm|memory_rtl_0|auto_generated|ram_block1a6 ),
	.datac(gnd),
	.datad(\mm|data_out~20_combout ),
	.cin(gnd),
	.combout(\mm|data_out~23_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~23 .lut_mask = 16'hEE44;
defparam \mm|data_out~23 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N14
cycloneive_lcell_comb \mm|data_out~24 (
// Equation(s):
// \mm|data_out~24_combout  = (\mm|WideOr0~combout  & ((\mm|data_out~21_combout ))) # (!\mm|WideOr0~combout  & (\mm|memory_rtl_0|auto_generated|ram_block1a7 ))

	.dataa(\mm|memory_rtl_0|auto_generated|ram_block1a7 ),
	.datab(\mm|data_out~21_combout ),
	.datac(gnd),
	.datad(\mm|WideOr0~combout ),
	.cin(gnd),
	.combout(\mm|data_out~24_combout ),
	.cout());
// synopsys translate_off
defparam \mm|data_out~24 .lut_mask = 16'hCCAA;
defparam \mm|data_out~24 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y26_N20
cycloneive_lcell_comb \mcpu|dbus[0]~61 (
// Equation(s):
// \mcpu|dbus[0]~61_combout  = (\mcpu|mcontrol|t7~q  & (\mcpu|dbus[0]~9_combout  & \mcpu|mcontrol|istac~q ))

	.dataa(\mcpu|mcontrol|t7~q ),
	.datab(\mcpu|dbus[0]~9_combout ),
	.datac(gnd),
	.datad(\mcpu|mcontrol|istac~q ),
	.cin(gnd),
	.combout(\mcpu|dbus[0]~61_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[0]~61 .lut_mask = 16'h8800;
defparam \mcpu|dbus[0]~61 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X42_Y26_N10
cycloneive_lcell_comb \mcpu|dbus[5]~48 (
// Equation(s):
// \mcpu|dbus[5]~48_combout  = (\mcpu|dbus[5]~34_combout  & (\mcpu|dbus[5]~30_combout  & \mcpu|dbus[5]~31_combout ))

	.dataa(\mcpu|dbus[5]~34_combout ),
	.datab(\mcpu|dbus[5]~30_combout ),
	.datac(gnd),
	.datad(\mcpu|dbus[5]~31_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[5]~48_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[5]~48 .lut_mask = 16'h8800;
defparam \mcpu|dbus[5]~48 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y28_N10
cycloneive_lcell_comb \mcpu|dbus[6]~49 (
// Equation(s):
// \mcpu|dbus[6]~49_combout  = (\mcpu|dbus[6]~36_combout  & (\mcpu|dbus[6]~37_combout  & \mcpu|dbus[6]~40_combout ))

	.dataa(\mcpu|dbus[6]~36_combout ),
	.datab(\mcpu|dbus[6]~37_combout ),
	.datac(\mcpu|dbus[6]~40_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mcpu|dbus[6]~49_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[6]~49 .lut_mask = 16'h8080;
defparam \mcpu|dbus[6]~49 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y26_N0
cycloneive_lcell_comb \mcpu|dbus[7]~50 (
// Equation(s):
// \mcpu|dbus[7]~50_combout  = (\mcpu|dbus[7]~42_combout  & (\mcpu|dbus[7]~43_combout  & \mcpu|dbus[7]~46_combout ))

	.dataa(\mcpu|dbus[7]~42_combout ),
	.datab(\mcpu|dbus[7]~43_combout ),
	.datac(gnd),
	.datad(\mcpu|dbus[7]~46_combout ),
	.cin(gnd),
	.combout(\mcpu|dbus[7]~50_combout ),
	.cout());
// synopsys translate_off
defparam \mcpu|dbus[7]~50 .lut_mask = 16'h8800;
defparam \mcpu|dbus[7]~50 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N4
cycloneive_lcell_comb \mm|memory_rtl_1_bypass[8]~feeder (
// Equation(s):
// \mm|memory_rtl_1_bypass[8]~feeder_combout  = \mm|cnt~4_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(\mm|cnt~4_combout ),
	.cin(gnd),
	.combout(\mm|memory_rtl_1_bypass[8]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[8]~feeder .lut_mask = 16'hFF00;
defparam \mm|memory_rtl_1_bypass[8]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y32_N5
dffeas \mm|memory_rtl_1_bypass[8] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mm|memory_rtl_1_bypass[8]~feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [8]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[8] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[8] .power_up = "low";
// synopsys translate_on

// Location: FF_X41_Y32_N7
dffeas \mm|memory_rtl_1_bypass[7] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mm|cnt [3]),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [7]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[7] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[7] .power_up = "low";
// synopsys translate_on

// Location: FF_X41_Y32_N23
dffeas \mm|memory_rtl_1_bypass[6] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mm|cnt~3_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [6]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[6] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[6] .power_up = "low";
// synopsys translate_on

// Location: FF_X41_Y32_N3
dffeas \mm|memory_rtl_1_bypass[5] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mm|cnt [2]),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [5]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[5] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N22
cycloneive_lcell_comb \mm|memory~11 (
// Equation(s):
// \mm|memory~11_combout  = (\mm|memory_rtl_1_bypass [8] & (\mm|memory_rtl_1_bypass [7] & (\mm|memory_rtl_1_bypass [6] $ (!\mm|memory_rtl_1_bypass [5])))) # (!\mm|memory_rtl_1_bypass [8] & (!\mm|memory_rtl_1_bypass [7] & (\mm|memory_rtl_1_bypass [6] $ 
// (!\mm|memory_rtl_1_bypass [5]))))

	.dataa(\mm|memory_rtl_1_bypass [8]),
	.datab(\mm|memory_rtl_1_bypass [7]),
	.datac(\mm|memory_rtl_1_bypass [6]),
	.datad(\mm|memory_rtl_1_bypass [5]),
	.cin(gnd),
	.combout(\mm|memory~11_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~11 .lut_mask = 16'h9009;
defparam \mm|memory~11 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y32_N11
dffeas \mm|memory_rtl_1_bypass[9] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mm|cnt [4]),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [9]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[9] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[9] .power_up = "low";
// synopsys translate_on

// Location: FF_X41_Y32_N17
dffeas \mm|memory_rtl_1_bypass[10] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mm|cnt~5_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [10]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[10] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[10] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y32_N30
cycloneive_lcell_comb \mm|memory_rtl_1_bypass[0]~feeder (
// Equation(s):
// \mm|memory_rtl_1_bypass[0]~feeder_combout  = \mm|comb~0_combout 

	.dataa(gnd),
	.datab(gnd),
	.datac(\mm|comb~0_combout ),
	.datad(gnd),
	.cin(gnd),
	.combout(\mm|memory_rtl_1_bypass[0]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[0]~feeder .lut_mask = 16'hF0F0;
defparam \mm|memory_rtl_1_bypass[0]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y32_N31
dffeas \mm|memory_rtl_1_bypass[0] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mm|memory_rtl_1_bypass[0]~feeder_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [0]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[0] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N16
cycloneive_lcell_comb \mm|memory~12 (
// Equation(s):
// \mm|memory~12_combout  = (\mm|memory_rtl_1_bypass [0] & (\mm|memory_rtl_1_bypass [9] $ (!\mm|memory_rtl_1_bypass [10])))

	.dataa(gnd),
	.datab(\mm|memory_rtl_1_bypass [9]),
	.datac(\mm|memory_rtl_1_bypass [10]),
	.datad(\mm|memory_rtl_1_bypass [0]),
	.cin(gnd),
	.combout(\mm|memory~12_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~12 .lut_mask = 16'hC300;
defparam \mm|memory~12 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X41_Y32_N15
dffeas \mm|memory_rtl_1_bypass[3] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mm|cnt [1]),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [3]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[3] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[3] .power_up = "low";
// synopsys translate_on

// Location: FF_X41_Y32_N9
dffeas \mm|memory_rtl_1_bypass[4] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mm|cnt~2_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [4]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[4] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[4] .power_up = "low";
// synopsys translate_on

// Location: FF_X41_Y32_N19
dffeas \mm|memory_rtl_1_bypass[2] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mm|cnt~1_combout ),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [2]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[2] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[2] .power_up = "low";
// synopsys translate_on

// Location: FF_X41_Y32_N25
dffeas \mm|memory_rtl_1_bypass[1] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mm|cnt [0]),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [1]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[1] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N18
cycloneive_lcell_comb \mm|memory~10 (
// Equation(s):
// \mm|memory~10_combout  = (\mm|memory_rtl_1_bypass [3] & (\mm|memory_rtl_1_bypass [4] & (\mm|memory_rtl_1_bypass [2] $ (!\mm|memory_rtl_1_bypass [1])))) # (!\mm|memory_rtl_1_bypass [3] & (!\mm|memory_rtl_1_bypass [4] & (\mm|memory_rtl_1_bypass [2] $ 
// (!\mm|memory_rtl_1_bypass [1]))))

	.dataa(\mm|memory_rtl_1_bypass [3]),
	.datab(\mm|memory_rtl_1_bypass [4]),
	.datac(\mm|memory_rtl_1_bypass [2]),
	.datad(\mm|memory_rtl_1_bypass [1]),
	.cin(gnd),
	.combout(\mm|memory~10_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~10 .lut_mask = 16'h9009;
defparam \mm|memory~10 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N2
cycloneive_lcell_comb \mm|memory~13 (
// Equation(s):
// \mm|memory~13_combout  = (\mm|memory~11_combout  & (\mm|memory~12_combout  & \mm|memory~10_combout ))

	.dataa(\mm|memory~11_combout ),
	.datab(\mm|memory~12_combout ),
	.datac(gnd),
	.datad(\mm|memory~10_combout ),
	.cin(gnd),
	.combout(\mm|memory~13_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~13 .lut_mask = 16'h8800;
defparam \mm|memory~13 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N3
dffeas \mm|memory_rtl_1_bypass[11] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[0]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [11]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[11] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[11] .power_up = "low";
// synopsys translate_on

// Location: M9K_X40_Y32_N0
cycloneive_ram_block \mm|memory_rtl_1|auto_generated|ram_block1a0 (
	.portawe(\mm|comb~0_combout ),
	.portare(vcc),
	.portaaddrstall(gnd),
	.portbwe(gnd),
	.portbre(vcc),
	.portbaddrstall(gnd),
	.clk0(\mem|div_clk~clkctrl_outclk ),
	.clk1(gnd),
	.ena0(vcc),
	.ena1(vcc),
	.ena2(vcc),
	.ena3(vcc),
	.clr0(gnd),
	.clr1(gnd),
	.portadatain({gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,gnd,\D[7]~input_o ,\D[6]~input_o ,\D[5]~input_o ,\D[4]~input_o ,\D[3]~input_o ,\D[2]~input_o ,\D[1]~input_o ,\D[0]~input_o }),
	.portaaddr({\mm|cnt [4],\mm|cnt [3],\mm|cnt [2],\mm|cnt [1],\mm|cnt [0]}),
	.portabyteenamasks(1'b1),
	.portbdatain(36'b000000000000000000000000000000000000),
	.portbaddr({\mm|cnt~5_combout ,\mm|cnt~4_combout ,\mm|cnt~3_combout ,\mm|cnt~2_combout ,\mm|cnt~1_combout }),
	.portbbyteenamasks(1'b1),
	.devclrn(devclrn),
	.devpor(devpor),
	.portadataout(),
	.portbdataout(\mm|memory_rtl_1|auto_generated|ram_block1a0_PORTBDATAOUT_bus ));
// synopsys translate_off
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .data_interleave_offset_in_bits = 1;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .data_interleave_width_in_bits = 1;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .logical_ram_name = "ram:mm|altsyncram:memory_rtl_1|altsyncram_s9c1:auto_generated|ALTSYNCRAM";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .mixed_port_feed_through_mode = "dont_care";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .operation_mode = "dual_port";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_address_clear = "none";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_address_width = 5;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_byte_enable_clock = "none";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_data_out_clear = "none";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_data_out_clock = "none";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_data_width = 36;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_first_address = 0;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_first_bit_number = 0;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_last_address = 31;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_logical_ram_depth = 32;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_logical_ram_width = 8;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_a_read_during_write_mode = "new_data_with_nbe_read";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_address_clear = "none";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_address_clock = "clock0";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_address_width = 5;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_data_out_clear = "none";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_data_out_clock = "none";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_data_width = 36;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_first_address = 0;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_first_bit_number = 0;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_last_address = 31;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_logical_ram_depth = 32;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_logical_ram_width = 8;
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_read_during_write_mode = "new_data_with_nbe_read";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .port_b_read_enable_clock = "clock0";
defparam \mm|memory_rtl_1|auto_generated|ram_block1a0 .ram_block_type = "M9K";
// synopsys translate_on

// Location: LCCOMB_X41_Y32_N24
cycloneive_lcell_comb \mm|memory~29 (
// Equation(s):
// \mm|memory~29_combout  = (!\mm|cnt [3] & (!\mm|cnt [2] & (!\mm|cnt [0] & !\mm|cnt [4])))

	.dataa(\mm|cnt [3]),
	.datab(\mm|cnt [2]),
	.datac(\mm|cnt [0]),
	.datad(\mm|cnt [4]),
	.cin(gnd),
	.combout(\mm|memory~29_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~29 .lut_mask = 16'h0001;
defparam \mm|memory~29 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y32_N0
cycloneive_lcell_comb \mm|memory~30 (
// Equation(s):
// \mm|memory~30_combout  = (\mm|always4~0_combout  & (\rst~input_o  & (!\mm|cnt [1] & \mm|memory~29_combout )))

	.dataa(\mm|always4~0_combout ),
	.datab(\rst~input_o ),
	.datac(\mm|cnt [1]),
	.datad(\mm|memory~29_combout ),
	.cin(gnd),
	.combout(\mm|memory~30_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~30 .lut_mask = 16'h0800;
defparam \mm|memory~30 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N13
dffeas \mm|memory~1 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[0]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mm|memory~30_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory~1_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory~1 .is_wysiwyg = "true";
defparam \mm|memory~1 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y32_N24
cycloneive_lcell_comb \mm|memory~0feeder (
// Equation(s):
// \mm|memory~0feeder_combout  = VCC

	.dataa(gnd),
	.datab(gnd),
	.datac(gnd),
	.datad(gnd),
	.cin(gnd),
	.combout(\mm|memory~0feeder_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~0feeder .lut_mask = 16'hFFFF;
defparam \mm|memory~0feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y32_N25
dffeas \mm|memory~0 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(\mm|memory~0feeder_combout ),
	.asdata(vcc),
	.clrn(\rst~input_o ),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory~0_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory~0 .is_wysiwyg = "true";
defparam \mm|memory~0 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N12
cycloneive_lcell_comb \mm|memory~9 (
// Equation(s):
// \mm|memory~9_combout  = (\mm|memory~0_q  & (\mm|memory_rtl_1|auto_generated|ram_block1a0~portbdataout )) # (!\mm|memory~0_q  & ((\mm|memory~1_q )))

	.dataa(\mm|memory_rtl_1|auto_generated|ram_block1a0~portbdataout ),
	.datab(gnd),
	.datac(\mm|memory~1_q ),
	.datad(\mm|memory~0_q ),
	.cin(gnd),
	.combout(\mm|memory~9_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~9 .lut_mask = 16'hAAF0;
defparam \mm|memory~9 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N2
cycloneive_lcell_comb \mm|memory~14 (
// Equation(s):
// \mm|memory~14_combout  = (\mm|memory~13_combout  & (\mm|memory_rtl_1_bypass [11])) # (!\mm|memory~13_combout  & ((\mm|memory~9_combout )))

	.dataa(\mm|memory~13_combout ),
	.datab(gnd),
	.datac(\mm|memory_rtl_1_bypass [11]),
	.datad(\mm|memory~9_combout ),
	.cin(gnd),
	.combout(\mm|memory~14_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~14 .lut_mask = 16'hF5A0;
defparam \mm|memory~14 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N6
cycloneive_lcell_comb \mm|Equal1~1 (
// Equation(s):
// \mm|Equal1~1_combout  = (\SW2~input_o  & !\SW1~input_o )

	.dataa(gnd),
	.datab(gnd),
	.datac(\SW2~input_o ),
	.datad(\SW1~input_o ),
	.cin(gnd),
	.combout(\mm|Equal1~1_combout ),
	.cout());
// synopsys translate_off
defparam \mm|Equal1~1 .lut_mask = 16'h00F0;
defparam \mm|Equal1~1 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N5
dffeas \mm|memory_rtl_1_bypass[12] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[1]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [12]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[12] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[12] .power_up = "low";
// synopsys translate_on

// Location: FF_X39_Y36_N11
dffeas \mm|memory~2 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[1]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mm|memory~30_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory~2_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory~2 .is_wysiwyg = "true";
defparam \mm|memory~2 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N10
cycloneive_lcell_comb \mm|memory~15 (
// Equation(s):
// \mm|memory~15_combout  = (\mm|memory~0_q  & (\mm|memory_rtl_1|auto_generated|ram_block1a1 )) # (!\mm|memory~0_q  & ((\mm|memory~2_q )))

	.dataa(gnd),
	.datab(\mm|memory_rtl_1|auto_generated|ram_block1a1 ),
	.datac(\mm|memory~2_q ),
	.datad(\mm|memory~0_q ),
	.cin(gnd),
	.combout(\mm|memory~15_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~15 .lut_mask = 16'hCCF0;
defparam \mm|memory~15 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N4
cycloneive_lcell_comb \mm|memory~16 (
// Equation(s):
// \mm|memory~16_combout  = (\mm|memory~13_combout  & (\mm|memory_rtl_1_bypass [12])) # (!\mm|memory~13_combout  & ((\mm|memory~15_combout )))

	.dataa(\mm|memory~13_combout ),
	.datab(gnd),
	.datac(\mm|memory_rtl_1_bypass [12]),
	.datad(\mm|memory~15_combout ),
	.cin(gnd),
	.combout(\mm|memory~16_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~16 .lut_mask = 16'hF5A0;
defparam \mm|memory~16 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N23
dffeas \mm|memory~3 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[2]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mm|memory~30_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory~3_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory~3 .is_wysiwyg = "true";
defparam \mm|memory~3 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N22
cycloneive_lcell_comb \mm|memory~17 (
// Equation(s):
// \mm|memory~17_combout  = (\mm|memory~0_q  & (\mm|memory_rtl_1|auto_generated|ram_block1a2 )) # (!\mm|memory~0_q  & ((\mm|memory~3_q )))

	.dataa(gnd),
	.datab(\mm|memory_rtl_1|auto_generated|ram_block1a2 ),
	.datac(\mm|memory~3_q ),
	.datad(\mm|memory~0_q ),
	.cin(gnd),
	.combout(\mm|memory~17_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~17 .lut_mask = 16'hCCF0;
defparam \mm|memory~17 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N17
dffeas \mm|memory_rtl_1_bypass[13] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[2]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [13]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[13] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[13] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N16
cycloneive_lcell_comb \mm|memory~18 (
// Equation(s):
// \mm|memory~18_combout  = (\mm|memory~13_combout  & ((\mm|memory_rtl_1_bypass [13]))) # (!\mm|memory~13_combout  & (\mm|memory~17_combout ))

	.dataa(\mm|memory~17_combout ),
	.datab(gnd),
	.datac(\mm|memory_rtl_1_bypass [13]),
	.datad(\mm|memory~13_combout ),
	.cin(gnd),
	.combout(\mm|memory~18_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~18 .lut_mask = 16'hF0AA;
defparam \mm|memory~18 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N27
dffeas \mm|memory~4 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[3]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mm|memory~30_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory~4_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory~4 .is_wysiwyg = "true";
defparam \mm|memory~4 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N26
cycloneive_lcell_comb \mm|memory~19 (
// Equation(s):
// \mm|memory~19_combout  = (\mm|memory~0_q  & (\mm|memory_rtl_1|auto_generated|ram_block1a3 )) # (!\mm|memory~0_q  & ((\mm|memory~4_q )))

	.dataa(\mm|memory_rtl_1|auto_generated|ram_block1a3 ),
	.datab(gnd),
	.datac(\mm|memory~4_q ),
	.datad(\mm|memory~0_q ),
	.cin(gnd),
	.combout(\mm|memory~19_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~19 .lut_mask = 16'hAAF0;
defparam \mm|memory~19 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N29
dffeas \mm|memory_rtl_1_bypass[14] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[3]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [14]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[14] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[14] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N28
cycloneive_lcell_comb \mm|memory~20 (
// Equation(s):
// \mm|memory~20_combout  = (\mm|memory~13_combout  & ((\mm|memory_rtl_1_bypass [14]))) # (!\mm|memory~13_combout  & (\mm|memory~19_combout ))

	.dataa(\mm|memory~19_combout ),
	.datab(gnd),
	.datac(\mm|memory_rtl_1_bypass [14]),
	.datad(\mm|memory~13_combout ),
	.cin(gnd),
	.combout(\mm|memory~20_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~20 .lut_mask = 16'hF0AA;
defparam \mm|memory~20 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N15
dffeas \mm|memory~5 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[4]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mm|memory~30_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory~5_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory~5 .is_wysiwyg = "true";
defparam \mm|memory~5 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N14
cycloneive_lcell_comb \mm|memory~21 (
// Equation(s):
// \mm|memory~21_combout  = (\mm|memory~0_q  & (\mm|memory_rtl_1|auto_generated|ram_block1a4 )) # (!\mm|memory~0_q  & ((\mm|memory~5_q )))

	.dataa(\mm|memory_rtl_1|auto_generated|ram_block1a4 ),
	.datab(gnd),
	.datac(\mm|memory~5_q ),
	.datad(\mm|memory~0_q ),
	.cin(gnd),
	.combout(\mm|memory~21_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~21 .lut_mask = 16'hAAF0;
defparam \mm|memory~21 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N1
dffeas \mm|memory_rtl_1_bypass[15] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[4]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [15]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[15] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[15] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N0
cycloneive_lcell_comb \mm|memory~22 (
// Equation(s):
// \mm|memory~22_combout  = (\mm|memory~13_combout  & ((\mm|memory_rtl_1_bypass [15]))) # (!\mm|memory~13_combout  & (\mm|memory~21_combout ))

	.dataa(gnd),
	.datab(\mm|memory~21_combout ),
	.datac(\mm|memory_rtl_1_bypass [15]),
	.datad(\mm|memory~13_combout ),
	.cin(gnd),
	.combout(\mm|memory~22_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~22 .lut_mask = 16'hF0CC;
defparam \mm|memory~22 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N9
dffeas \mm|memory_rtl_1_bypass[16] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[5]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [16]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[16] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[16] .power_up = "low";
// synopsys translate_on

// Location: FF_X39_Y36_N19
dffeas \mm|memory~6 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[5]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mm|memory~30_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory~6_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory~6 .is_wysiwyg = "true";
defparam \mm|memory~6 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N18
cycloneive_lcell_comb \mm|memory~23 (
// Equation(s):
// \mm|memory~23_combout  = (\mm|memory~0_q  & (\mm|memory_rtl_1|auto_generated|ram_block1a5 )) # (!\mm|memory~0_q  & ((\mm|memory~6_q )))

	.dataa(gnd),
	.datab(\mm|memory_rtl_1|auto_generated|ram_block1a5 ),
	.datac(\mm|memory~6_q ),
	.datad(\mm|memory~0_q ),
	.cin(gnd),
	.combout(\mm|memory~23_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~23 .lut_mask = 16'hCCF0;
defparam \mm|memory~23 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N8
cycloneive_lcell_comb \mm|memory~24 (
// Equation(s):
// \mm|memory~24_combout  = (\mm|memory~13_combout  & (\mm|memory_rtl_1_bypass [16])) # (!\mm|memory~13_combout  & ((\mm|memory~23_combout )))

	.dataa(\mm|memory~13_combout ),
	.datab(gnd),
	.datac(\mm|memory_rtl_1_bypass [16]),
	.datad(\mm|memory~23_combout ),
	.cin(gnd),
	.combout(\mm|memory~24_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~24 .lut_mask = 16'hF5A0;
defparam \mm|memory~24 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N31
dffeas \mm|memory~7 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[6]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mm|memory~30_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory~7_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory~7 .is_wysiwyg = "true";
defparam \mm|memory~7 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N30
cycloneive_lcell_comb \mm|memory~25 (
// Equation(s):
// \mm|memory~25_combout  = (\mm|memory~0_q  & (\mm|memory_rtl_1|auto_generated|ram_block1a6 )) # (!\mm|memory~0_q  & ((\mm|memory~7_q )))

	.dataa(gnd),
	.datab(\mm|memory_rtl_1|auto_generated|ram_block1a6 ),
	.datac(\mm|memory~7_q ),
	.datad(\mm|memory~0_q ),
	.cin(gnd),
	.combout(\mm|memory~25_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~25 .lut_mask = 16'hCCF0;
defparam \mm|memory~25 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y36_N25
dffeas \mm|memory_rtl_1_bypass[17] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[6]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [17]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[17] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[17] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y36_N24
cycloneive_lcell_comb \mm|memory~26 (
// Equation(s):
// \mm|memory~26_combout  = (\mm|memory~13_combout  & ((\mm|memory_rtl_1_bypass [17]))) # (!\mm|memory~13_combout  & (\mm|memory~25_combout ))

	.dataa(\mm|memory~25_combout ),
	.datab(gnd),
	.datac(\mm|memory_rtl_1_bypass [17]),
	.datad(\mm|memory~13_combout ),
	.cin(gnd),
	.combout(\mm|memory~26_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~26 .lut_mask = 16'hF0AA;
defparam \mm|memory~26 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X39_Y32_N5
dffeas \mm|memory_rtl_1_bypass[18] (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[7]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory_rtl_1_bypass [18]),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory_rtl_1_bypass[18] .is_wysiwyg = "true";
defparam \mm|memory_rtl_1_bypass[18] .power_up = "low";
// synopsys translate_on

// Location: FF_X39_Y32_N27
dffeas \mm|memory~8 (
	.clk(\mem|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\D[7]~input_o ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\mm|memory~30_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\mm|memory~8_q ),
	.prn(vcc));
// synopsys translate_off
defparam \mm|memory~8 .is_wysiwyg = "true";
defparam \mm|memory~8 .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X39_Y32_N26
cycloneive_lcell_comb \mm|memory~27 (
// Equation(s):
// \mm|memory~27_combout  = (\mm|memory~0_q  & (\mm|memory_rtl_1|auto_generated|ram_block1a7 )) # (!\mm|memory~0_q  & ((\mm|memory~8_q )))

	.dataa(gnd),
	.datab(\mm|memory_rtl_1|auto_generated|ram_block1a7 ),
	.datac(\mm|memory~8_q ),
	.datad(\mm|memory~0_q ),
	.cin(gnd),
	.combout(\mm|memory~27_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~27 .lut_mask = 16'hCCF0;
defparam \mm|memory~27 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X39_Y32_N4
cycloneive_lcell_comb \mm|memory~28 (
// Equation(s):
// \mm|memory~28_combout  = (\mm|memory~13_combout  & (\mm|memory_rtl_1_bypass [18])) # (!\mm|memory~13_combout  & ((\mm|memory~27_combout )))

	.dataa(gnd),
	.datab(\mm|memory~13_combout ),
	.datac(\mm|memory_rtl_1_bypass [18]),
	.datad(\mm|memory~27_combout ),
	.cin(gnd),
	.combout(\mm|memory~28_combout ),
	.cout());
// synopsys translate_off
defparam \mm|memory~28 .lut_mask = 16'hF3C0;
defparam \mm|memory~28 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: LCCOMB_X12_Y18_N14
cycloneive_lcell_comb \light|div_clk~0 (
// Equation(s):
// \light|div_clk~0_combout  = (!\light|div_clk~q ) # (!\rst~input_o )

	.dataa(gnd),
	.datab(gnd),
	.datac(\rst~input_o ),
	.datad(\light|div_clk~q ),
	.cin(gnd),
	.combout(\light|div_clk~0_combout ),
	.cout());
// synopsys translate_off
defparam \light|div_clk~0 .lut_mask = 16'h0FFF;
defparam \light|div_clk~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X12_Y18_N25
dffeas \light|div_clk (
	.clk(\clk~inputclkctrl_outclk ),
	.d(gnd),
	.asdata(\light|div_clk~0_combout ),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(\light|div_clk~1_combout ),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\light|div_clk~q ),
	.prn(vcc));
// synopsys translate_off
defparam \light|div_clk .is_wysiwyg = "true";
defparam \light|div_clk .power_up = "low";
// synopsys translate_on

// Location: CLKCTRL_G0
cycloneive_clkctrl \light|div_clk~clkctrl (
	.ena(vcc),
	.inclk({vcc,vcc,vcc,\light|div_clk~q }),
	.clkselect(2'b00),
	.devclrn(devclrn),
	.devpor(devpor),
	.outclk(\light|div_clk~clkctrl_outclk ));
// synopsys translate_off
defparam \light|div_clk~clkctrl .clock_type = "global clock";
defparam \light|div_clk~clkctrl .ena_register_mode = "none";
// synopsys translate_on

// Location: LCCOMB_X45_Y28_N20
cycloneive_lcell_comb \show|WideOr6~0 (
// Equation(s):
// \show|WideOr6~0_combout  = (\mcpu|mar|dout [0] & (\mcpu|mar|dout [3] $ (((!\mcpu|mar|dout [2] & !\mcpu|mar|dout [1]))))) # (!\mcpu|mar|dout [0] & (((\mcpu|mar|dout [2] & !\mcpu|mar|dout [1]))))

	.dataa(\mcpu|mar|dout [3]),
	.datab(\mcpu|mar|dout [0]),
	.datac(\mcpu|mar|dout [2]),
	.datad(\mcpu|mar|dout [1]),
	.cin(gnd),
	.combout(\show|WideOr6~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr6~0 .lut_mask = 16'h88B4;
defparam \show|WideOr6~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X45_Y28_N21
dffeas \show|HEX0[0] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr6~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX0 [0]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX0[0] .is_wysiwyg = "true";
defparam \show|HEX0[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X45_Y28_N30
cycloneive_lcell_comb \show|WideOr5~0 (
// Equation(s):
// \show|WideOr5~0_combout  = (\mcpu|mar|dout [2] & (\mcpu|mar|dout [0] $ (\mcpu|mar|dout [3] $ (\mcpu|mar|dout [1])))) # (!\mcpu|mar|dout [2] & (\mcpu|mar|dout [0] & (\mcpu|mar|dout [3] & \mcpu|mar|dout [1])))

	.dataa(\mcpu|mar|dout [0]),
	.datab(\mcpu|mar|dout [2]),
	.datac(\mcpu|mar|dout [3]),
	.datad(\mcpu|mar|dout [1]),
	.cin(gnd),
	.combout(\show|WideOr5~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr5~0 .lut_mask = 16'hA448;
defparam \show|WideOr5~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X45_Y28_N31
dffeas \show|HEX0[1] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr5~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX0 [1]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX0[1] .is_wysiwyg = "true";
defparam \show|HEX0[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X45_Y28_N24
cycloneive_lcell_comb \show|WideOr4~0 (
// Equation(s):
// \show|WideOr4~0_combout  = (\mcpu|mar|dout [2] & (\mcpu|mar|dout [3] & ((\mcpu|mar|dout [1]) # (!\mcpu|mar|dout [0])))) # (!\mcpu|mar|dout [2] & (\mcpu|mar|dout [1] & (!\mcpu|mar|dout [3] & !\mcpu|mar|dout [0])))

	.dataa(\mcpu|mar|dout [2]),
	.datab(\mcpu|mar|dout [1]),
	.datac(\mcpu|mar|dout [3]),
	.datad(\mcpu|mar|dout [0]),
	.cin(gnd),
	.combout(\show|WideOr4~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr4~0 .lut_mask = 16'h80A4;
defparam \show|WideOr4~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X45_Y28_N25
dffeas \show|HEX0[2] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr4~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX0 [2]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX0[2] .is_wysiwyg = "true";
defparam \show|HEX0[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X45_Y28_N10
cycloneive_lcell_comb \show|WideOr3~0 (
// Equation(s):
// \show|WideOr3~0_combout  = (\mcpu|mar|dout [1] & ((\mcpu|mar|dout [0] & ((\mcpu|mar|dout [2]))) # (!\mcpu|mar|dout [0] & (\mcpu|mar|dout [3] & !\mcpu|mar|dout [2])))) # (!\mcpu|mar|dout [1] & (!\mcpu|mar|dout [3] & (\mcpu|mar|dout [0] $ (\mcpu|mar|dout 
// [2]))))

	.dataa(\mcpu|mar|dout [3]),
	.datab(\mcpu|mar|dout [0]),
	.datac(\mcpu|mar|dout [2]),
	.datad(\mcpu|mar|dout [1]),
	.cin(gnd),
	.combout(\show|WideOr3~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr3~0 .lut_mask = 16'hC214;
defparam \show|WideOr3~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X45_Y28_N11
dffeas \show|HEX0[3] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr3~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX0 [3]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX0[3] .is_wysiwyg = "true";
defparam \show|HEX0[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X45_Y28_N8
cycloneive_lcell_comb \show|WideOr2~0 (
// Equation(s):
// \show|WideOr2~0_combout  = (\mcpu|mar|dout [2] & (!\mcpu|mar|dout [3] & ((\mcpu|mar|dout [0]) # (!\mcpu|mar|dout [1])))) # (!\mcpu|mar|dout [2] & (\mcpu|mar|dout [0] $ (((\mcpu|mar|dout [3] & \mcpu|mar|dout [1])))))

	.dataa(\mcpu|mar|dout [0]),
	.datab(\mcpu|mar|dout [2]),
	.datac(\mcpu|mar|dout [3]),
	.datad(\mcpu|mar|dout [1]),
	.cin(gnd),
	.combout(\show|WideOr2~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr2~0 .lut_mask = 16'h1A2E;
defparam \show|WideOr2~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X45_Y28_N9
dffeas \show|HEX0[4] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr2~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX0 [4]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX0[4] .is_wysiwyg = "true";
defparam \show|HEX0[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X45_Y28_N6
cycloneive_lcell_comb \show|WideOr1~0 (
// Equation(s):
// \show|WideOr1~0_combout  = (\mcpu|mar|dout [2] & ((\mcpu|mar|dout [3] & ((!\mcpu|mar|dout [1]))) # (!\mcpu|mar|dout [3] & (\mcpu|mar|dout [0] & \mcpu|mar|dout [1])))) # (!\mcpu|mar|dout [2] & (!\mcpu|mar|dout [3] & ((\mcpu|mar|dout [0]) # (\mcpu|mar|dout 
// [1]))))

	.dataa(\mcpu|mar|dout [2]),
	.datab(\mcpu|mar|dout [0]),
	.datac(\mcpu|mar|dout [3]),
	.datad(\mcpu|mar|dout [1]),
	.cin(gnd),
	.combout(\show|WideOr1~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr1~0 .lut_mask = 16'h0DA4;
defparam \show|WideOr1~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X45_Y28_N7
dffeas \show|HEX0[5] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr1~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX0 [5]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX0[5] .is_wysiwyg = "true";
defparam \show|HEX0[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X45_Y28_N12
cycloneive_lcell_comb \show|WideOr0~0 (
// Equation(s):
// \show|WideOr0~0_combout  = (!\mcpu|mar|dout [3] & ((\mcpu|mar|dout [2] & (\mcpu|mar|dout [0] & \mcpu|mar|dout [1])) # (!\mcpu|mar|dout [2] & ((!\mcpu|mar|dout [1])))))

	.dataa(\mcpu|mar|dout [3]),
	.datab(\mcpu|mar|dout [0]),
	.datac(\mcpu|mar|dout [2]),
	.datad(\mcpu|mar|dout [1]),
	.cin(gnd),
	.combout(\show|WideOr0~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr0~0 .lut_mask = 16'h4005;
defparam \show|WideOr0~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X45_Y28_N13
dffeas \show|HEX0[6] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr0~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX0 [6]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX0[6] .is_wysiwyg = "true";
defparam \show|HEX0[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X44_Y28_N18
cycloneive_lcell_comb \show|WideOr13~0 (
// Equation(s):
// \show|WideOr13~0_combout  = (\mcpu|mar|dout [4] & (\mcpu|mar|dout [7] $ (((!\mcpu|mar|dout [6] & !\mcpu|mar|dout [5]))))) # (!\mcpu|mar|dout [4] & (\mcpu|mar|dout [6] & ((!\mcpu|mar|dout [5]))))

	.dataa(\mcpu|mar|dout [4]),
	.datab(\mcpu|mar|dout [6]),
	.datac(\mcpu|mar|dout [7]),
	.datad(\mcpu|mar|dout [5]),
	.cin(gnd),
	.combout(\show|WideOr13~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr13~0 .lut_mask = 16'hA0C6;
defparam \show|WideOr13~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X44_Y28_N19
dffeas \show|HEX1[0] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr13~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX1 [0]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX1[0] .is_wysiwyg = "true";
defparam \show|HEX1[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X44_Y28_N0
cycloneive_lcell_comb \show|WideOr12~0 (
// Equation(s):
// \show|WideOr12~0_combout  = (\mcpu|mar|dout [6] & (\mcpu|mar|dout [4] $ (\mcpu|mar|dout [7] $ (\mcpu|mar|dout [5])))) # (!\mcpu|mar|dout [6] & (\mcpu|mar|dout [4] & (\mcpu|mar|dout [7] & \mcpu|mar|dout [5])))

	.dataa(\mcpu|mar|dout [4]),
	.datab(\mcpu|mar|dout [6]),
	.datac(\mcpu|mar|dout [7]),
	.datad(\mcpu|mar|dout [5]),
	.cin(gnd),
	.combout(\show|WideOr12~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr12~0 .lut_mask = 16'hA448;
defparam \show|WideOr12~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X44_Y28_N1
dffeas \show|HEX1[1] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr12~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX1 [1]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX1[1] .is_wysiwyg = "true";
defparam \show|HEX1[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X44_Y28_N22
cycloneive_lcell_comb \show|WideOr11~0 (
// Equation(s):
// \show|WideOr11~0_combout  = (\mcpu|mar|dout [7] & (\mcpu|mar|dout [6] & ((\mcpu|mar|dout [5]) # (!\mcpu|mar|dout [4])))) # (!\mcpu|mar|dout [7] & (\mcpu|mar|dout [5] & (!\mcpu|mar|dout [4] & !\mcpu|mar|dout [6])))

	.dataa(\mcpu|mar|dout [5]),
	.datab(\mcpu|mar|dout [4]),
	.datac(\mcpu|mar|dout [7]),
	.datad(\mcpu|mar|dout [6]),
	.cin(gnd),
	.combout(\show|WideOr11~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr11~0 .lut_mask = 16'hB002;
defparam \show|WideOr11~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X44_Y28_N23
dffeas \show|HEX1[2] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr11~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX1 [2]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX1[2] .is_wysiwyg = "true";
defparam \show|HEX1[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X44_Y28_N4
cycloneive_lcell_comb \show|WideOr10~0 (
// Equation(s):
// \show|WideOr10~0_combout  = (\mcpu|mar|dout [5] & ((\mcpu|mar|dout [4] & (\mcpu|mar|dout [6])) # (!\mcpu|mar|dout [4] & (!\mcpu|mar|dout [6] & \mcpu|mar|dout [7])))) # (!\mcpu|mar|dout [5] & (!\mcpu|mar|dout [7] & (\mcpu|mar|dout [4] $ (\mcpu|mar|dout 
// [6]))))

	.dataa(\mcpu|mar|dout [4]),
	.datab(\mcpu|mar|dout [6]),
	.datac(\mcpu|mar|dout [7]),
	.datad(\mcpu|mar|dout [5]),
	.cin(gnd),
	.combout(\show|WideOr10~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr10~0 .lut_mask = 16'h9806;
defparam \show|WideOr10~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X44_Y28_N5
dffeas \show|HEX1[3] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr10~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX1 [3]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX1[3] .is_wysiwyg = "true";
defparam \show|HEX1[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X44_Y28_N10
cycloneive_lcell_comb \show|WideOr9~0 (
// Equation(s):
// \show|WideOr9~0_combout  = (\mcpu|mar|dout [7] & (!\mcpu|mar|dout [6] & (\mcpu|mar|dout [5] $ (\mcpu|mar|dout [4])))) # (!\mcpu|mar|dout [7] & ((\mcpu|mar|dout [4]) # ((!\mcpu|mar|dout [5] & \mcpu|mar|dout [6]))))

	.dataa(\mcpu|mar|dout [5]),
	.datab(\mcpu|mar|dout [4]),
	.datac(\mcpu|mar|dout [7]),
	.datad(\mcpu|mar|dout [6]),
	.cin(gnd),
	.combout(\show|WideOr9~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr9~0 .lut_mask = 16'h0D6C;
defparam \show|WideOr9~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X44_Y28_N11
dffeas \show|HEX1[4] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr9~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX1 [4]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX1[4] .is_wysiwyg = "true";
defparam \show|HEX1[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X44_Y28_N12
cycloneive_lcell_comb \show|WideOr8~0 (
// Equation(s):
// \show|WideOr8~0_combout  = (\mcpu|mar|dout [5] & (!\mcpu|mar|dout [7] & ((\mcpu|mar|dout [4]) # (!\mcpu|mar|dout [6])))) # (!\mcpu|mar|dout [5] & ((\mcpu|mar|dout [7] & ((\mcpu|mar|dout [6]))) # (!\mcpu|mar|dout [7] & (\mcpu|mar|dout [4] & !\mcpu|mar|dout 
// [6]))))

	.dataa(\mcpu|mar|dout [5]),
	.datab(\mcpu|mar|dout [4]),
	.datac(\mcpu|mar|dout [7]),
	.datad(\mcpu|mar|dout [6]),
	.cin(gnd),
	.combout(\show|WideOr8~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr8~0 .lut_mask = 16'h580E;
defparam \show|WideOr8~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X44_Y28_N13
dffeas \show|HEX1[5] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr8~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX1 [5]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX1[5] .is_wysiwyg = "true";
defparam \show|HEX1[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X44_Y28_N30
cycloneive_lcell_comb \show|WideOr7~0 (
// Equation(s):
// \show|WideOr7~0_combout  = (!\mcpu|mar|dout [7] & ((\mcpu|mar|dout [6] & (\mcpu|mar|dout [4] & \mcpu|mar|dout [5])) # (!\mcpu|mar|dout [6] & ((!\mcpu|mar|dout [5])))))

	.dataa(\mcpu|mar|dout [4]),
	.datab(\mcpu|mar|dout [6]),
	.datac(\mcpu|mar|dout [7]),
	.datad(\mcpu|mar|dout [5]),
	.cin(gnd),
	.combout(\show|WideOr7~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr7~0 .lut_mask = 16'h0803;
defparam \show|WideOr7~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X44_Y28_N31
dffeas \show|HEX1[6] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr7~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX1 [6]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX1[6] .is_wysiwyg = "true";
defparam \show|HEX1[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N24
cycloneive_lcell_comb \show|WideOr34~0 (
// Equation(s):
// \show|WideOr34~0_combout  = (\mcpu|mr|dout [0] & (\mcpu|mr|dout [3] $ (((!\mcpu|mr|dout [2] & !\mcpu|mr|dout [1]))))) # (!\mcpu|mr|dout [0] & (\mcpu|mr|dout [2] & ((!\mcpu|mr|dout [1]))))

	.dataa(\mcpu|mr|dout [2]),
	.datab(\mcpu|mr|dout [0]),
	.datac(\mcpu|mr|dout [3]),
	.datad(\mcpu|mr|dout [1]),
	.cin(gnd),
	.combout(\show|WideOr34~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr34~0 .lut_mask = 16'hC0A6;
defparam \show|WideOr34~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y27_N25
dffeas \show|HEX2[0] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr34~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX2 [0]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX2[0] .is_wysiwyg = "true";
defparam \show|HEX2[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N10
cycloneive_lcell_comb \show|WideOr33~0 (
// Equation(s):
// \show|WideOr33~0_combout  = (\mcpu|mr|dout [2] & (\mcpu|mr|dout [1] $ (\mcpu|mr|dout [3] $ (\mcpu|mr|dout [0])))) # (!\mcpu|mr|dout [2] & (\mcpu|mr|dout [1] & (\mcpu|mr|dout [3] & \mcpu|mr|dout [0])))

	.dataa(\mcpu|mr|dout [2]),
	.datab(\mcpu|mr|dout [1]),
	.datac(\mcpu|mr|dout [3]),
	.datad(\mcpu|mr|dout [0]),
	.cin(gnd),
	.combout(\show|WideOr33~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr33~0 .lut_mask = 16'hC228;
defparam \show|WideOr33~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y27_N11
dffeas \show|HEX2[1] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr33~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX2 [1]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX2[1] .is_wysiwyg = "true";
defparam \show|HEX2[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N20
cycloneive_lcell_comb \show|WideOr32~0 (
// Equation(s):
// \show|WideOr32~0_combout  = (\mcpu|mr|dout [2] & (\mcpu|mr|dout [3] & ((\mcpu|mr|dout [1]) # (!\mcpu|mr|dout [0])))) # (!\mcpu|mr|dout [2] & (\mcpu|mr|dout [1] & (!\mcpu|mr|dout [3] & !\mcpu|mr|dout [0])))

	.dataa(\mcpu|mr|dout [2]),
	.datab(\mcpu|mr|dout [1]),
	.datac(\mcpu|mr|dout [3]),
	.datad(\mcpu|mr|dout [0]),
	.cin(gnd),
	.combout(\show|WideOr32~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr32~0 .lut_mask = 16'h80A4;
defparam \show|WideOr32~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y27_N21
dffeas \show|HEX2[2] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr32~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX2 [2]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX2[2] .is_wysiwyg = "true";
defparam \show|HEX2[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N22
cycloneive_lcell_comb \show|WideOr31~0 (
// Equation(s):
// \show|WideOr31~0_combout  = (\mcpu|mr|dout [1] & ((\mcpu|mr|dout [2] & (\mcpu|mr|dout [0])) # (!\mcpu|mr|dout [2] & (!\mcpu|mr|dout [0] & \mcpu|mr|dout [3])))) # (!\mcpu|mr|dout [1] & (!\mcpu|mr|dout [3] & (\mcpu|mr|dout [2] $ (\mcpu|mr|dout [0]))))

	.dataa(\mcpu|mr|dout [2]),
	.datab(\mcpu|mr|dout [0]),
	.datac(\mcpu|mr|dout [3]),
	.datad(\mcpu|mr|dout [1]),
	.cin(gnd),
	.combout(\show|WideOr31~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr31~0 .lut_mask = 16'h9806;
defparam \show|WideOr31~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y27_N23
dffeas \show|HEX2[3] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr31~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX2 [3]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX2[3] .is_wysiwyg = "true";
defparam \show|HEX2[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N16
cycloneive_lcell_comb \show|WideOr30~0 (
// Equation(s):
// \show|WideOr30~0_combout  = (\mcpu|mr|dout [2] & (!\mcpu|mr|dout [3] & ((\mcpu|mr|dout [0]) # (!\mcpu|mr|dout [1])))) # (!\mcpu|mr|dout [2] & (\mcpu|mr|dout [0] $ (((\mcpu|mr|dout [1] & \mcpu|mr|dout [3])))))

	.dataa(\mcpu|mr|dout [2]),
	.datab(\mcpu|mr|dout [1]),
	.datac(\mcpu|mr|dout [3]),
	.datad(\mcpu|mr|dout [0]),
	.cin(gnd),
	.combout(\show|WideOr30~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr30~0 .lut_mask = 16'h1F42;
defparam \show|WideOr30~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y27_N17
dffeas \show|HEX2[4] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr30~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX2 [4]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX2[4] .is_wysiwyg = "true";
defparam \show|HEX2[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N18
cycloneive_lcell_comb \show|WideOr29~0 (
// Equation(s):
// \show|WideOr29~0_combout  = (\mcpu|mr|dout [2] & ((\mcpu|mr|dout [1] & (!\mcpu|mr|dout [3] & \mcpu|mr|dout [0])) # (!\mcpu|mr|dout [1] & (\mcpu|mr|dout [3])))) # (!\mcpu|mr|dout [2] & (!\mcpu|mr|dout [3] & ((\mcpu|mr|dout [1]) # (\mcpu|mr|dout [0]))))

	.dataa(\mcpu|mr|dout [2]),
	.datab(\mcpu|mr|dout [1]),
	.datac(\mcpu|mr|dout [3]),
	.datad(\mcpu|mr|dout [0]),
	.cin(gnd),
	.combout(\show|WideOr29~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr29~0 .lut_mask = 16'h2D24;
defparam \show|WideOr29~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y27_N19
dffeas \show|HEX2[5] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr29~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX2 [5]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX2[5] .is_wysiwyg = "true";
defparam \show|HEX2[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X38_Y27_N4
cycloneive_lcell_comb \show|WideOr28~0 (
// Equation(s):
// \show|WideOr28~0_combout  = (!\mcpu|mr|dout [3] & ((\mcpu|mr|dout [2] & (\mcpu|mr|dout [0] & \mcpu|mr|dout [1])) # (!\mcpu|mr|dout [2] & ((!\mcpu|mr|dout [1])))))

	.dataa(\mcpu|mr|dout [2]),
	.datab(\mcpu|mr|dout [0]),
	.datac(\mcpu|mr|dout [3]),
	.datad(\mcpu|mr|dout [1]),
	.cin(gnd),
	.combout(\show|WideOr28~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr28~0 .lut_mask = 16'h0805;
defparam \show|WideOr28~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X38_Y27_N5
dffeas \show|HEX2[6] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr28~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX2 [6]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX2[6] .is_wysiwyg = "true";
defparam \show|HEX2[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N16
cycloneive_lcell_comb \show|WideOr41~0 (
// Equation(s):
// \show|WideOr41~0_combout  = (\mcpu|mr|dout [4] & (\mcpu|mr|dout [7] $ (((!\mcpu|mr|dout [6] & !\mcpu|mr|dout [5]))))) # (!\mcpu|mr|dout [4] & (((\mcpu|mr|dout [6] & !\mcpu|mr|dout [5]))))

	.dataa(\mcpu|mr|dout [4]),
	.datab(\mcpu|mr|dout [7]),
	.datac(\mcpu|mr|dout [6]),
	.datad(\mcpu|mr|dout [5]),
	.cin(gnd),
	.combout(\show|WideOr41~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr41~0 .lut_mask = 16'h88D2;
defparam \show|WideOr41~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y27_N17
dffeas \show|HEX3[0] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr41~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX3 [0]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX3[0] .is_wysiwyg = "true";
defparam \show|HEX3[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N22
cycloneive_lcell_comb \show|WideOr40~0 (
// Equation(s):
// \show|WideOr40~0_combout  = (\mcpu|mr|dout [6] & (\mcpu|mr|dout [4] $ (\mcpu|mr|dout [7] $ (\mcpu|mr|dout [5])))) # (!\mcpu|mr|dout [6] & (\mcpu|mr|dout [4] & (\mcpu|mr|dout [7] & \mcpu|mr|dout [5])))

	.dataa(\mcpu|mr|dout [4]),
	.datab(\mcpu|mr|dout [7]),
	.datac(\mcpu|mr|dout [6]),
	.datad(\mcpu|mr|dout [5]),
	.cin(gnd),
	.combout(\show|WideOr40~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr40~0 .lut_mask = 16'h9860;
defparam \show|WideOr40~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y27_N23
dffeas \show|HEX3[1] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr40~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX3 [1]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX3[1] .is_wysiwyg = "true";
defparam \show|HEX3[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N4
cycloneive_lcell_comb \show|WideOr39~0 (
// Equation(s):
// \show|WideOr39~0_combout  = (\mcpu|mr|dout [7] & (\mcpu|mr|dout [6] & ((\mcpu|mr|dout [5]) # (!\mcpu|mr|dout [4])))) # (!\mcpu|mr|dout [7] & (\mcpu|mr|dout [5] & (!\mcpu|mr|dout [6] & !\mcpu|mr|dout [4])))

	.dataa(\mcpu|mr|dout [7]),
	.datab(\mcpu|mr|dout [5]),
	.datac(\mcpu|mr|dout [6]),
	.datad(\mcpu|mr|dout [4]),
	.cin(gnd),
	.combout(\show|WideOr39~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr39~0 .lut_mask = 16'h80A4;
defparam \show|WideOr39~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y27_N5
dffeas \show|HEX3[2] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr39~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX3 [2]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX3[2] .is_wysiwyg = "true";
defparam \show|HEX3[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N26
cycloneive_lcell_comb \show|WideOr38~0 (
// Equation(s):
// \show|WideOr38~0_combout  = (\mcpu|mr|dout [5] & ((\mcpu|mr|dout [4] & ((\mcpu|mr|dout [6]))) # (!\mcpu|mr|dout [4] & (\mcpu|mr|dout [7] & !\mcpu|mr|dout [6])))) # (!\mcpu|mr|dout [5] & (!\mcpu|mr|dout [7] & (\mcpu|mr|dout [4] $ (\mcpu|mr|dout [6]))))

	.dataa(\mcpu|mr|dout [4]),
	.datab(\mcpu|mr|dout [7]),
	.datac(\mcpu|mr|dout [6]),
	.datad(\mcpu|mr|dout [5]),
	.cin(gnd),
	.combout(\show|WideOr38~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr38~0 .lut_mask = 16'hA412;
defparam \show|WideOr38~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y27_N27
dffeas \show|HEX3[3] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr38~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX3 [3]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX3[3] .is_wysiwyg = "true";
defparam \show|HEX3[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N20
cycloneive_lcell_comb \show|WideOr37~0 (
// Equation(s):
// \show|WideOr37~0_combout  = (\mcpu|mr|dout [6] & (!\mcpu|mr|dout [7] & ((\mcpu|mr|dout [4]) # (!\mcpu|mr|dout [5])))) # (!\mcpu|mr|dout [6] & (\mcpu|mr|dout [4] $ (((\mcpu|mr|dout [5] & \mcpu|mr|dout [7])))))

	.dataa(\mcpu|mr|dout [4]),
	.datab(\mcpu|mr|dout [5]),
	.datac(\mcpu|mr|dout [6]),
	.datad(\mcpu|mr|dout [7]),
	.cin(gnd),
	.combout(\show|WideOr37~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr37~0 .lut_mask = 16'h06BA;
defparam \show|WideOr37~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y27_N21
dffeas \show|HEX3[4] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr37~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX3 [4]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX3[4] .is_wysiwyg = "true";
defparam \show|HEX3[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N10
cycloneive_lcell_comb \show|WideOr36~0 (
// Equation(s):
// \show|WideOr36~0_combout  = (\mcpu|mr|dout [5] & (!\mcpu|mr|dout [7] & ((\mcpu|mr|dout [4]) # (!\mcpu|mr|dout [6])))) # (!\mcpu|mr|dout [5] & ((\mcpu|mr|dout [6] & ((\mcpu|mr|dout [7]))) # (!\mcpu|mr|dout [6] & (\mcpu|mr|dout [4] & !\mcpu|mr|dout [7]))))

	.dataa(\mcpu|mr|dout [4]),
	.datab(\mcpu|mr|dout [5]),
	.datac(\mcpu|mr|dout [6]),
	.datad(\mcpu|mr|dout [7]),
	.cin(gnd),
	.combout(\show|WideOr36~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr36~0 .lut_mask = 16'h308E;
defparam \show|WideOr36~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y27_N11
dffeas \show|HEX3[5] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr36~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX3 [5]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX3[5] .is_wysiwyg = "true";
defparam \show|HEX3[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X43_Y27_N8
cycloneive_lcell_comb \show|WideOr35~0 (
// Equation(s):
// \show|WideOr35~0_combout  = (!\mcpu|mr|dout [7] & ((\mcpu|mr|dout [6] & (\mcpu|mr|dout [4] & \mcpu|mr|dout [5])) # (!\mcpu|mr|dout [6] & ((!\mcpu|mr|dout [5])))))

	.dataa(\mcpu|mr|dout [4]),
	.datab(\mcpu|mr|dout [7]),
	.datac(\mcpu|mr|dout [6]),
	.datad(\mcpu|mr|dout [5]),
	.cin(gnd),
	.combout(\show|WideOr35~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr35~0 .lut_mask = 16'h2003;
defparam \show|WideOr35~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X43_Y27_N9
dffeas \show|HEX3[6] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr35~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX3 [6]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX3[6] .is_wysiwyg = "true";
defparam \show|HEX3[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N4
cycloneive_lcell_comb \show|WideOr20~0 (
// Equation(s):
// \show|WideOr20~0_combout  = (\mcpu|mac|dout [0] & (\mcpu|mac|dout [3] $ (((!\mcpu|mac|dout [2] & !\mcpu|mac|dout [1]))))) # (!\mcpu|mac|dout [0] & (\mcpu|mac|dout [2] & (!\mcpu|mac|dout [1])))

	.dataa(\mcpu|mac|dout [0]),
	.datab(\mcpu|mac|dout [2]),
	.datac(\mcpu|mac|dout [1]),
	.datad(\mcpu|mac|dout [3]),
	.cin(gnd),
	.combout(\show|WideOr20~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr20~0 .lut_mask = 16'hAC06;
defparam \show|WideOr20~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y28_N5
dffeas \show|HEX4[0] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr20~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX4 [0]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX4[0] .is_wysiwyg = "true";
defparam \show|HEX4[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N10
cycloneive_lcell_comb \show|WideOr19~0 (
// Equation(s):
// \show|WideOr19~0_combout  = (\mcpu|mac|dout [2] & (\mcpu|mac|dout [3] $ (\mcpu|mac|dout [0] $ (\mcpu|mac|dout [1])))) # (!\mcpu|mac|dout [2] & (\mcpu|mac|dout [3] & (\mcpu|mac|dout [0] & \mcpu|mac|dout [1])))

	.dataa(\mcpu|mac|dout [3]),
	.datab(\mcpu|mac|dout [2]),
	.datac(\mcpu|mac|dout [0]),
	.datad(\mcpu|mac|dout [1]),
	.cin(gnd),
	.combout(\show|WideOr19~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr19~0 .lut_mask = 16'hA448;
defparam \show|WideOr19~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y28_N11
dffeas \show|HEX4[1] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr19~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX4 [1]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX4[1] .is_wysiwyg = "true";
defparam \show|HEX4[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N24
cycloneive_lcell_comb \show|WideOr18~0 (
// Equation(s):
// \show|WideOr18~0_combout  = (\mcpu|mac|dout [3] & (\mcpu|mac|dout [2] & ((\mcpu|mac|dout [1]) # (!\mcpu|mac|dout [0])))) # (!\mcpu|mac|dout [3] & (!\mcpu|mac|dout [0] & (\mcpu|mac|dout [1] & !\mcpu|mac|dout [2])))

	.dataa(\mcpu|mac|dout [3]),
	.datab(\mcpu|mac|dout [0]),
	.datac(\mcpu|mac|dout [1]),
	.datad(\mcpu|mac|dout [2]),
	.cin(gnd),
	.combout(\show|WideOr18~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr18~0 .lut_mask = 16'hA210;
defparam \show|WideOr18~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y28_N25
dffeas \show|HEX4[2] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr18~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX4 [2]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX4[2] .is_wysiwyg = "true";
defparam \show|HEX4[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N18
cycloneive_lcell_comb \show|WideOr17~0 (
// Equation(s):
// \show|WideOr17~0_combout  = (\mcpu|mac|dout [1] & ((\mcpu|mac|dout [0] & (\mcpu|mac|dout [2])) # (!\mcpu|mac|dout [0] & (!\mcpu|mac|dout [2] & \mcpu|mac|dout [3])))) # (!\mcpu|mac|dout [1] & (!\mcpu|mac|dout [3] & (\mcpu|mac|dout [0] $ (\mcpu|mac|dout 
// [2]))))

	.dataa(\mcpu|mac|dout [0]),
	.datab(\mcpu|mac|dout [2]),
	.datac(\mcpu|mac|dout [1]),
	.datad(\mcpu|mac|dout [3]),
	.cin(gnd),
	.combout(\show|WideOr17~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr17~0 .lut_mask = 16'h9086;
defparam \show|WideOr17~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y28_N19
dffeas \show|HEX4[3] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr17~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX4 [3]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX4[3] .is_wysiwyg = "true";
defparam \show|HEX4[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N12
cycloneive_lcell_comb \show|WideOr16~0 (
// Equation(s):
// \show|WideOr16~0_combout  = (\mcpu|mac|dout [3] & (!\mcpu|mac|dout [2] & (\mcpu|mac|dout [0] $ (\mcpu|mac|dout [1])))) # (!\mcpu|mac|dout [3] & ((\mcpu|mac|dout [0]) # ((!\mcpu|mac|dout [1] & \mcpu|mac|dout [2]))))

	.dataa(\mcpu|mac|dout [3]),
	.datab(\mcpu|mac|dout [0]),
	.datac(\mcpu|mac|dout [1]),
	.datad(\mcpu|mac|dout [2]),
	.cin(gnd),
	.combout(\show|WideOr16~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr16~0 .lut_mask = 16'h456C;
defparam \show|WideOr16~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y28_N13
dffeas \show|HEX4[4] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr16~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX4 [4]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX4[4] .is_wysiwyg = "true";
defparam \show|HEX4[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N14
cycloneive_lcell_comb \show|WideOr15~0 (
// Equation(s):
// \show|WideOr15~0_combout  = (\mcpu|mac|dout [3] & (((!\mcpu|mac|dout [1] & \mcpu|mac|dout [2])))) # (!\mcpu|mac|dout [3] & ((\mcpu|mac|dout [0] & ((\mcpu|mac|dout [1]) # (!\mcpu|mac|dout [2]))) # (!\mcpu|mac|dout [0] & (\mcpu|mac|dout [1] & 
// !\mcpu|mac|dout [2]))))

	.dataa(\mcpu|mac|dout [3]),
	.datab(\mcpu|mac|dout [0]),
	.datac(\mcpu|mac|dout [1]),
	.datad(\mcpu|mac|dout [2]),
	.cin(gnd),
	.combout(\show|WideOr15~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr15~0 .lut_mask = 16'h4A54;
defparam \show|WideOr15~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y28_N15
dffeas \show|HEX4[5] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr15~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX4 [5]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX4[5] .is_wysiwyg = "true";
defparam \show|HEX4[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X37_Y28_N20
cycloneive_lcell_comb \show|WideOr14~0 (
// Equation(s):
// \show|WideOr14~0_combout  = (!\mcpu|mac|dout [3] & ((\mcpu|mac|dout [2] & (\mcpu|mac|dout [0] & \mcpu|mac|dout [1])) # (!\mcpu|mac|dout [2] & ((!\mcpu|mac|dout [1])))))

	.dataa(\mcpu|mac|dout [0]),
	.datab(\mcpu|mac|dout [2]),
	.datac(\mcpu|mac|dout [1]),
	.datad(\mcpu|mac|dout [3]),
	.cin(gnd),
	.combout(\show|WideOr14~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr14~0 .lut_mask = 16'h0083;
defparam \show|WideOr14~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X37_Y28_N21
dffeas \show|HEX4[6] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr14~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX4 [6]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX4[6] .is_wysiwyg = "true";
defparam \show|HEX4[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N28
cycloneive_lcell_comb \show|WideOr27~0 (
// Equation(s):
// \show|WideOr27~0_combout  = (\mcpu|mac|dout [4] & (\mcpu|mac|dout [7] $ (((!\mcpu|mac|dout [6] & !\mcpu|mac|dout [5]))))) # (!\mcpu|mac|dout [4] & (\mcpu|mac|dout [6] & ((!\mcpu|mac|dout [5]))))

	.dataa(\mcpu|mac|dout [4]),
	.datab(\mcpu|mac|dout [6]),
	.datac(\mcpu|mac|dout [7]),
	.datad(\mcpu|mac|dout [5]),
	.cin(gnd),
	.combout(\show|WideOr27~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr27~0 .lut_mask = 16'hA0C6;
defparam \show|WideOr27~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X35_Y26_N29
dffeas \show|HEX5[0] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr27~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX5 [0]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX5[0] .is_wysiwyg = "true";
defparam \show|HEX5[0] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N30
cycloneive_lcell_comb \show|WideOr26~0 (
// Equation(s):
// \show|WideOr26~0_combout  = (\mcpu|mac|dout [6] & (\mcpu|mac|dout [4] $ (\mcpu|mac|dout [7] $ (\mcpu|mac|dout [5])))) # (!\mcpu|mac|dout [6] & (\mcpu|mac|dout [4] & (\mcpu|mac|dout [7] & \mcpu|mac|dout [5])))

	.dataa(\mcpu|mac|dout [4]),
	.datab(\mcpu|mac|dout [6]),
	.datac(\mcpu|mac|dout [7]),
	.datad(\mcpu|mac|dout [5]),
	.cin(gnd),
	.combout(\show|WideOr26~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr26~0 .lut_mask = 16'hA448;
defparam \show|WideOr26~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X35_Y26_N31
dffeas \show|HEX5[1] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr26~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX5 [1]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX5[1] .is_wysiwyg = "true";
defparam \show|HEX5[1] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N24
cycloneive_lcell_comb \show|WideOr25~0 (
// Equation(s):
// \show|WideOr25~0_combout  = (\mcpu|mac|dout [6] & (\mcpu|mac|dout [7] & ((\mcpu|mac|dout [5]) # (!\mcpu|mac|dout [4])))) # (!\mcpu|mac|dout [6] & (\mcpu|mac|dout [5] & (!\mcpu|mac|dout [7] & !\mcpu|mac|dout [4])))

	.dataa(\mcpu|mac|dout [5]),
	.datab(\mcpu|mac|dout [6]),
	.datac(\mcpu|mac|dout [7]),
	.datad(\mcpu|mac|dout [4]),
	.cin(gnd),
	.combout(\show|WideOr25~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr25~0 .lut_mask = 16'h80C2;
defparam \show|WideOr25~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X35_Y26_N25
dffeas \show|HEX5[2] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr25~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX5 [2]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX5[2] .is_wysiwyg = "true";
defparam \show|HEX5[2] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N2
cycloneive_lcell_comb \show|WideOr24~0 (
// Equation(s):
// \show|WideOr24~0_combout  = (\mcpu|mac|dout [5] & ((\mcpu|mac|dout [4] & ((\mcpu|mac|dout [6]))) # (!\mcpu|mac|dout [4] & (\mcpu|mac|dout [7] & !\mcpu|mac|dout [6])))) # (!\mcpu|mac|dout [5] & (!\mcpu|mac|dout [7] & (\mcpu|mac|dout [4] $ (\mcpu|mac|dout 
// [6]))))

	.dataa(\mcpu|mac|dout [4]),
	.datab(\mcpu|mac|dout [5]),
	.datac(\mcpu|mac|dout [7]),
	.datad(\mcpu|mac|dout [6]),
	.cin(gnd),
	.combout(\show|WideOr24~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr24~0 .lut_mask = 16'h8942;
defparam \show|WideOr24~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X35_Y26_N3
dffeas \show|HEX5[3] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr24~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX5 [3]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX5[3] .is_wysiwyg = "true";
defparam \show|HEX5[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N0
cycloneive_lcell_comb \show|WideOr23~0 (
// Equation(s):
// \show|WideOr23~0_combout  = (\mcpu|mac|dout [7] & (!\mcpu|mac|dout [6] & (\mcpu|mac|dout [4] $ (\mcpu|mac|dout [5])))) # (!\mcpu|mac|dout [7] & ((\mcpu|mac|dout [4]) # ((!\mcpu|mac|dout [5] & \mcpu|mac|dout [6]))))

	.dataa(\mcpu|mac|dout [4]),
	.datab(\mcpu|mac|dout [7]),
	.datac(\mcpu|mac|dout [5]),
	.datad(\mcpu|mac|dout [6]),
	.cin(gnd),
	.combout(\show|WideOr23~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr23~0 .lut_mask = 16'h236A;
defparam \show|WideOr23~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X35_Y26_N1
dffeas \show|HEX5[4] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr23~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX5 [4]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX5[4] .is_wysiwyg = "true";
defparam \show|HEX5[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N22
cycloneive_lcell_comb \show|WideOr22~0 (
// Equation(s):
// \show|WideOr22~0_combout  = (\mcpu|mac|dout [5] & (!\mcpu|mac|dout [7] & ((\mcpu|mac|dout [4]) # (!\mcpu|mac|dout [6])))) # (!\mcpu|mac|dout [5] & ((\mcpu|mac|dout [7] & ((\mcpu|mac|dout [6]))) # (!\mcpu|mac|dout [7] & (\mcpu|mac|dout [4] & 
// !\mcpu|mac|dout [6]))))

	.dataa(\mcpu|mac|dout [4]),
	.datab(\mcpu|mac|dout [5]),
	.datac(\mcpu|mac|dout [7]),
	.datad(\mcpu|mac|dout [6]),
	.cin(gnd),
	.combout(\show|WideOr22~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr22~0 .lut_mask = 16'h380E;
defparam \show|WideOr22~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X35_Y26_N23
dffeas \show|HEX5[5] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr22~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX5 [5]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX5[5] .is_wysiwyg = "true";
defparam \show|HEX5[5] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X35_Y26_N12
cycloneive_lcell_comb \show|WideOr21~0 (
// Equation(s):
// \show|WideOr21~0_combout  = (!\mcpu|mac|dout [7] & ((\mcpu|mac|dout [5] & (\mcpu|mac|dout [4] & \mcpu|mac|dout [6])) # (!\mcpu|mac|dout [5] & ((!\mcpu|mac|dout [6])))))

	.dataa(\mcpu|mac|dout [4]),
	.datab(\mcpu|mac|dout [5]),
	.datac(\mcpu|mac|dout [7]),
	.datad(\mcpu|mac|dout [6]),
	.cin(gnd),
	.combout(\show|WideOr21~0_combout ),
	.cout());
// synopsys translate_off
defparam \show|WideOr21~0 .lut_mask = 16'h0803;
defparam \show|WideOr21~0 .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X35_Y26_N13
dffeas \show|HEX5[6] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|WideOr21~0_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX5 [6]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX5[6] .is_wysiwyg = "true";
defparam \show|HEX5[6] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N4
cycloneive_lcell_comb \show|HEX6[0]~feeder (
// Equation(s):
// \show|HEX6[0]~feeder_combout  = \mcpu|mz|dout [0]

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mz|dout [0]),
	.datad(gnd),
	.cin(gnd),
	.combout(\show|HEX6[0]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \show|HEX6[0]~feeder .lut_mask = 16'hF0F0;
defparam \show|HEX6[0]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X36_Y26_N5
dffeas \show|HEX6[0] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|HEX6[0]~feeder_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX6 [0]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX6[0] .is_wysiwyg = "true";
defparam \show|HEX6[0] .power_up = "low";
// synopsys translate_on

// Location: FF_X36_Y26_N19
dffeas \show|HEX6[3] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(gnd),
	.asdata(\mcpu|mz|dout [0]),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(vcc),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX6 [3]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX6[3] .is_wysiwyg = "true";
defparam \show|HEX6[3] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N28
cycloneive_lcell_comb \show|HEX6[4]~feeder (
// Equation(s):
// \show|HEX6[4]~feeder_combout  = \mcpu|mz|dout [0]

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mz|dout [0]),
	.datad(gnd),
	.cin(gnd),
	.combout(\show|HEX6[4]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \show|HEX6[4]~feeder .lut_mask = 16'hF0F0;
defparam \show|HEX6[4]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X36_Y26_N29
dffeas \show|HEX6[4] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|HEX6[4]~feeder_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX6 [4]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX6[4] .is_wysiwyg = "true";
defparam \show|HEX6[4] .power_up = "low";
// synopsys translate_on

// Location: LCCOMB_X36_Y26_N30
cycloneive_lcell_comb \show|HEX6[5]~feeder (
// Equation(s):
// \show|HEX6[5]~feeder_combout  = \mcpu|mz|dout [0]

	.dataa(gnd),
	.datab(gnd),
	.datac(\mcpu|mz|dout [0]),
	.datad(gnd),
	.cin(gnd),
	.combout(\show|HEX6[5]~feeder_combout ),
	.cout());
// synopsys translate_off
defparam \show|HEX6[5]~feeder .lut_mask = 16'hF0F0;
defparam \show|HEX6[5]~feeder .sum_lutc_input = "datac";
// synopsys translate_on

// Location: FF_X36_Y26_N31
dffeas \show|HEX6[5] (
	.clk(\light|div_clk~clkctrl_outclk ),
	.d(\show|HEX6[5]~feeder_combout ),
	.asdata(vcc),
	.clrn(vcc),
	.aload(gnd),
	.sclr(gnd),
	.sload(gnd),
	.ena(vcc),
	.devclrn(devclrn),
	.devpor(devpor),
	.q(\show|HEX6 [5]),
	.prn(vcc));
// synopsys translate_off
defparam \show|HEX6[5] .is_wysiwyg = "true";
defparam \show|HEX6[5] .power_up = "low";
// synopsys translate_on

assign addr[0] = \addr[0]~output_o ;

assign addr[1] = \addr[1]~output_o ;

assign addr[2] = \addr[2]~output_o ;

assign addr[3] = \addr[3]~output_o ;

assign addr[4] = \addr[4]~output_o ;

assign addr[5] = \addr[5]~output_o ;

assign addr[6] = \addr[6]~output_o ;

assign addr[7] = \addr[7]~output_o ;

assign addr[8] = \addr[8]~output_o ;

assign addr[9] = \addr[9]~output_o ;

assign addr[10] = \addr[10]~output_o ;

assign addr[11] = \addr[11]~output_o ;

assign addr[12] = \addr[12]~output_o ;

assign addr[13] = \addr[13]~output_o ;

assign addr[14] = \addr[14]~output_o ;

assign addr[15] = \addr[15]~output_o ;

assign rambus[0] = \rambus[0]~output_o ;

assign rambus[1] = \rambus[1]~output_o ;

assign rambus[2] = \rambus[2]~output_o ;

assign rambus[3] = \rambus[3]~output_o ;

assign rambus[4] = \rambus[4]~output_o ;

assign rambus[5] = \rambus[5]~output_o ;

assign rambus[6] = \rambus[6]~output_o ;

assign rambus[7] = \rambus[7]~output_o ;

assign data[0] = \data[0]~output_o ;

assign data[1] = \data[1]~output_o ;

assign data[2] = \data[2]~output_o ;

assign data[3] = \data[3]~output_o ;

assign data[4] = \data[4]~output_o ;

assign data[5] = \data[5]~output_o ;

assign data[6] = \data[6]~output_o ;

assign data[7] = \data[7]~output_o ;

assign HEX0[0] = \HEX0[0]~output_o ;

assign HEX0[1] = \HEX0[1]~output_o ;

assign HEX0[2] = \HEX0[2]~output_o ;

assign HEX0[3] = \HEX0[3]~output_o ;

assign HEX0[4] = \HEX0[4]~output_o ;

assign HEX0[5] = \HEX0[5]~output_o ;

assign HEX0[6] = \HEX0[6]~output_o ;

assign HEX1[0] = \HEX1[0]~output_o ;

assign HEX1[1] = \HEX1[1]~output_o ;

assign HEX1[2] = \HEX1[2]~output_o ;

assign HEX1[3] = \HEX1[3]~output_o ;

assign HEX1[4] = \HEX1[4]~output_o ;

assign HEX1[5] = \HEX1[5]~output_o ;

assign HEX1[6] = \HEX1[6]~output_o ;

assign HEX2[0] = \HEX2[0]~output_o ;

assign HEX2[1] = \HEX2[1]~output_o ;

assign HEX2[2] = \HEX2[2]~output_o ;

assign HEX2[3] = \HEX2[3]~output_o ;

assign HEX2[4] = \HEX2[4]~output_o ;

assign HEX2[5] = \HEX2[5]~output_o ;

assign HEX2[6] = \HEX2[6]~output_o ;

assign HEX3[0] = \HEX3[0]~output_o ;

assign HEX3[1] = \HEX3[1]~output_o ;

assign HEX3[2] = \HEX3[2]~output_o ;

assign HEX3[3] = \HEX3[3]~output_o ;

assign HEX3[4] = \HEX3[4]~output_o ;

assign HEX3[5] = \HEX3[5]~output_o ;

assign HEX3[6] = \HEX3[6]~output_o ;

assign HEX4[0] = \HEX4[0]~output_o ;

assign HEX4[1] = \HEX4[1]~output_o ;

assign HEX4[2] = \HEX4[2]~output_o ;

assign HEX4[3] = \HEX4[3]~output_o ;

assign HEX4[4] = \HEX4[4]~output_o ;

assign HEX4[5] = \HEX4[5]~output_o ;

assign HEX4[6] = \HEX4[6]~output_o ;

assign HEX5[0] = \HEX5[0]~output_o ;

assign HEX5[1] = \HEX5[1]~output_o ;

assign HEX5[2] = \HEX5[2]~output_o ;

assign HEX5[3] = \HEX5[3]~output_o ;

assign HEX5[4] = \HEX5[4]~output_o ;

assign HEX5[5] = \HEX5[5]~output_o ;

assign HEX5[6] = \HEX5[6]~output_o ;

assign HEX6[0] = \HEX6[0]~output_o ;

assign HEX6[1] = \HEX6[1]~output_o ;

assign HEX6[2] = \HEX6[2]~output_o ;

assign HEX6[3] = \HEX6[3]~output_o ;

assign HEX6[4] = \HEX6[4]~output_o ;

assign HEX6[5] = \HEX6[5]~output_o ;

assign HEX6[6] = \HEX6[6]~output_o ;

assign HEX7[0] = \HEX7[0]~output_o ;

assign HEX7[1] = \HEX7[1]~output_o ;

assign HEX7[2] = \HEX7[2]~output_o ;

assign HEX7[3] = \HEX7[3]~output_o ;

assign HEX7[4] = \HEX7[4]~output_o ;

assign HEX7[5] = \HEX7[5]~output_o ;

assign HEX7[6] = \HEX7[6]~output_o ;

assign acdbus[0] = \acdbus[0]~output_o ;

assign acdbus[1] = \acdbus[1]~output_o ;

assign acdbus[2] = \acdbus[2]~output_o ;

assign acdbus[3] = \acdbus[3]~output_o ;

assign acdbus[4] = \acdbus[4]~output_o ;

assign acdbus[5] = \acdbus[5]~output_o ;

assign acdbus[6] = \acdbus[6]~output_o ;

assign acdbus[7] = \acdbus[7]~output_o ;

assign rdbus[0] = \rdbus[0]~output_o ;

assign rdbus[1] = \rdbus[1]~output_o ;

assign rdbus[2] = \rdbus[2]~output_o ;

assign rdbus[3] = \rdbus[3]~output_o ;

assign rdbus[4] = \rdbus[4]~output_o ;

assign rdbus[5] = \rdbus[5]~output_o ;

assign rdbus[6] = \rdbus[6]~output_o ;

assign rdbus[7] = \rdbus[7]~output_o ;

assign cpustate_led[0] = \cpustate_led[0]~output_o ;

assign cpustate_led[1] = \cpustate_led[1]~output_o ;

assign check_out[0] = \check_out[0]~output_o ;

assign check_out[1] = \check_out[1]~output_o ;

assign check_out[2] = \check_out[2]~output_o ;

assign check_out[3] = \check_out[3]~output_o ;

assign check_out[4] = \check_out[4]~output_o ;

assign check_out[5] = \check_out[5]~output_o ;

assign check_out[6] = \check_out[6]~output_o ;

assign check_out[7] = \check_out[7]~output_o ;

assign quick_low_led = \quick_low_led~output_o ;

assign read_led = \read_led~output_o ;

assign write_led = \write_led~output_o ;

assign arload_led = \arload_led~output_o ;

assign arinc_led = \arinc_led~output_o ;

assign pcinc_led = \pcinc_led~output_o ;

assign pcload_led = \pcload_led~output_o ;

assign drload_led = \drload_led~output_o ;

assign trload_led = \trload_led~output_o ;

assign irload_led = \irload_led~output_o ;

assign rload_led = \rload_led~output_o ;

assign acload_led = \acload_led~output_o ;

assign zload_led = \zload_led~output_o ;

assign pcbus_led = \pcbus_led~output_o ;

assign drhbus_led = \drhbus_led~output_o ;

assign drlbus_led = \drlbus_led~output_o ;

assign trbus_led = \trbus_led~output_o ;

assign rbus_led = \rbus_led~output_o ;

assign acbus_led = \acbus_led~output_o ;

assign membus_led = \membus_led~output_o ;

assign busmem_led = \busmem_led~output_o ;

assign clr_led = \clr_led~output_o ;

endmodule
