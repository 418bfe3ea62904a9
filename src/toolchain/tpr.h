// Post-processing of NetTran's TPR and .NET netlists: the root module's name
// comes out of every hierarchical name, the "PADS<" level goes, the
// no-connection macros are dropped and the top module's numbered port names
// get their real names back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/run_context.h"
#include "toolchain/toolchain_state.h"

namespace kalvor {

// Asks, then rewrites <netlist dir>/<test ID> + `ext` (".NET" or ".TPR") in
// place.
Outcome ReduceModuleNames(const RunContext& run, const ToolDesign& d,
                          const ToolchainState& toolchain, const char* ext);

// The names one netlist line is rewritten with.
struct NetlistNames {
  std::string root_prefix;  // "TOP<"
  std::string port_prefix;  // "TOP_P"
  const std::vector<std::string>* ports = nullptr;  // entry n is port n
  bool one_pass = false;  // the names allow the one-pass rewrite
  // The module name's bytes as a word, and which of its bytes they fill
  // (none when it is longer than a word).
  std::uint64_t module_word = 0;
  std::uint64_t module_mask = 0;
};
NetlistNames NetlistNamesFor(const std::string& top_module,
                             const std::vector<std::string>& ports);

// One line with the root prefix removed, numbered ports named and the pad
// level removed.
std::string ReduceNetlistLine(std::string line, const NetlistNames& names);

}  // namespace kalvor
