// EDIF import settings that live for the whole program run (the answer to
// the VCC question, the fanout and output settings of the base macro file).
#pragma once

namespace kalvor {

struct EdifSession {
  int vcc_answer = 0;  // 0: not asked yet
};

}  // namespace kalvor
