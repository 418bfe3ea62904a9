// The keys of the [RDMX] section and their defaults.
#pragma once

#include <string>

namespace kalvor {

namespace key {
constexpr const char* kTestName = "testname";
constexpr const char* kLastDir = "lastdir";
constexpr const char* kTestDir = "testdir";
constexpr const char* kLeditDir = "leditdir";
constexpr const char* kSpcLambda = "spc_lambda";
constexpr const char* kGatesimExe = "GATESIM.EXE";
constexpr const char* kNettranExe = "NETTRAN.EXE";
constexpr const char* kNets = "NETS";
constexpr const char* kKNets = "kNETS";
constexpr const char* kVhdout = "vhdout";
constexpr const char* kMac2vhd = "mac2vhd";
constexpr const char* kSpcsel = "spcsel";
constexpr const char* kSEditDir = "SEditDir";
constexpr const char* kFuncMacs = "func_macs";
constexpr const char* kPriMacs = "pri_macs";
constexpr const char* kPadMacs = "pad_macs";
}  // namespace key

namespace defaults {
constexpr long kNets = 100000;
constexpr long kKNets = 10000;
constexpr const char* kSpcLambda = ".3";
constexpr const char* kVhdout = "supply=3.3;counts/volt=1241;limit=y;";
constexpr const char* kMac2vhd = "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;";
constexpr const char* kSpcsel = "se=y;le=n;";
constexpr const char* kFuncMacs = "\\vazevari\\nettran\\scmos\\scms2tpr.mac";
// "sim.mac", "tpr.mac", "spc.mac": this prefix followed by the key itself.
constexpr const char* kTechMacPrefix = "\\vazevari\\nettran\\scmos\\scmos";
}  // namespace defaults

// The clean-up check boxes of the main dialog and their keys.
struct CheckBoxSetting {
  int id;
  const char* key;
  int def;
};

constexpr CheckBoxSetting kCheckBoxSettings[] = {
    {502, "spc_nocom", 1},    {503, "spc_nonc", 1},   {504, "spc_noend", 1},
    {505, "spc_nolambda", 1}, {507, "spc_noques", 1}, {508, "spc_noc", 1},
    {509, "spc_noupr", 0},    {510, "spc_diodes", 1}, {511, "spc_nocaps", 0},
};

}  // namespace kalvor
