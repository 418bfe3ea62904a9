// The keys of the [RDMX] section that the core and the commands read, and
// their defaults. Each feature names its own keys beside its code.
#pragma once

#include <string>

#include "platform/resource.h"

namespace kalvor {

namespace key {
constexpr const char* kTestName = "testname";
constexpr const char* kLastDir = "lastdir";
constexpr const char* kTestDir = "testdir";
constexpr const char* kLeditDir = "leditdir";
constexpr const char* kSpcLambda = "spc_lambda";
constexpr const char* kGatesimExe = "GATESIM.EXE";
constexpr const char* kNettranExe = "NETTRAN.EXE";
constexpr const char* kSEditDir = "SEditDir";
}  // namespace key

namespace defaults {
constexpr const char* kSpcLambda = ".3";
}  // namespace defaults

// The clean-up check boxes of the main dialog and their keys.
struct CheckBoxSetting {
  int id;
  const char* key;
  int def;
};

constexpr CheckBoxSetting kCheckBoxSettings[] = {
    {id::kNoComments, "spc_nocom", 1},  {id::kNoNc, "spc_nonc", 1},
    {id::kNoEnd, "spc_noend", 1},       {id::kNoLambda, "spc_nolambda", 1},
    {id::kNoQuestion, "spc_noques", 1}, {id::kNoC, "spc_noc", 1},
    {id::kNoUpper, "spc_noupr", 0},     {id::kDiodes, "spc_diodes", 1},
    {id::kNoCaps, "spc_nocaps", 0},
};

}  // namespace kalvor
