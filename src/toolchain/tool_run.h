// Arming and launching the suite's command-line programs (NetTran, GateSim,
// LVS), locating a program that cannot be found, and adding its directory
// to the PATH statement of the user's autoexec.bat.
#pragma once

#include <string>

#include "app/state.h"

namespace kalvor {

// The settings key naming the autoexec.bat to update on hosts that have no
// "c:\autoexec.bat" (POSIX). Empty or missing: there is no such file.
constexpr const char* kAutoexecKey = "AUTOEXEC.BAT";

// The file AddToAutoexecPath changes: "c:\autoexec.bat" on Windows, the
// value of kAutoexecKey elsewhere.
std::string AutoexecPath(App& app);

// The program in the program field could not be found: asks the user to
// browse for it, offers to add its directory to the search path, and clears
// the program field so that the function must be selected again.
Outcome LocateProgram(App& app);

// Inserts "PATH=<directory>;%PATH%" after the line holding the last "path="
// of the autoexec.bat (after the first line when there is none; at the end
// when that line has no CR LF). False, after telling the user, when the
// file cannot be opened.
bool AddToAutoexecPath(App& app, const std::string& directory);

}  // namespace kalvor
