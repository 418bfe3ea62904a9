// State of the HDL and SPICE converters that outlives one command.
#pragma once

namespace kalvor {

struct ConvertState {
  int unused = 0;
};

}  // namespace kalvor
