// Locating an outside program that cannot be found, and adding its
// directory to the PATH statement of the user's autoexec.bat. (The launch
// itself is RunOutsideProgram in toolchain.h.)
#pragma once

#include <string>

#include "core/outcome.h"
#include "platform/platform.h"

namespace kalvor {

// The file AddToAutoexecPath changes (the file-system seam says which).
std::string AutoexecPath(Platform& p);

// `program` could not be found: asks the user to browse for it, offers to
// add its directory to the search path, and clears `program` so that the
// function must be selected again.
Outcome LocateProgram(Platform& p, std::string& program);

// Inserts "PATH=<directory>;%PATH%" after the line holding the last "path="
// of the autoexec.bat (after the first line when there is none; at the end
// when that line has no CR LF). False, after telling the user, when the
// file cannot be opened.
bool AddToAutoexecPath(Platform& p, const std::string& directory);

}  // namespace kalvor
