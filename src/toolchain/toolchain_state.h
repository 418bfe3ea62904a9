// State of the tool-chain driver that outlives one command: the top module
// and its ports, from one prescan to the next.
#pragma once

#include <string>
#include <vector>

namespace kalvor {

struct ToolchainState {
  std::string top_module;
  std::vector<std::string> top_ports;  // power ports left out
};

}  // namespace kalvor
