// Block route macros: a rewrite of the macro file for routing at block
// level. Every macro tagged with the highest "$blocklevel" becomes a route
// macro (header, cell and use statement, no body), every macro that
// instantiates a kept one stays, every other macro is replaced by a
// "$removed" line.
#pragma once

#include <string>

#include "core/outcome.h"
#include "platform/platform.h"
#include "toolchain/toolchain_state.h"

namespace kalvor {

// Rewrites `mac_path` in place. False when the prescan must end.
bool BuildBlockRoutes(Platform& p, int highest_level,
                      const std::string& mac_path);

}  // namespace kalvor
