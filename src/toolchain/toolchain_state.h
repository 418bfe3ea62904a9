// State of the tool-chain driver that outlives one command: the top module
// and its ports, from one prescan to the next.
#pragma once

#include <string>
#include <vector>

namespace kalvor {

// The design the tool chain works on, as the command hands it over.
struct ToolDesign {
  std::string test_id;      // root name of the design's files
  std::string test_dir;     // its directory (the current one), ending in a separator
  std::string netlist_dir;  // where NetTran's .NET and .TPR are rewritten
  std::string program_dir;  // the program's directory: the templates are found from it
};

struct ToolchainState {
  std::string top_module;
  std::vector<std::string> top_ports;  // power ports left out
};

}  // namespace kalvor
