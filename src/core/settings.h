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
  bool checked;  // without a setting
};

constexpr CheckBoxSetting kCheckBoxSettings[] = {
    {id::kNoComments, "spc_nocom", true},  {id::kNoNc, "spc_nonc", true},
    {id::kNoEnd, "spc_noend", true},       {id::kNoLambda, "spc_nolambda", true},
    {id::kNoQuestion, "spc_noques", true}, {id::kNoC, "spc_noc", true},
    {id::kNoUpper, "spc_noupr", false},    {id::kDiodes, "spc_diodes", true},
    {id::kNoCaps, "spc_nocaps", false},
};

}  // namespace kalvor
