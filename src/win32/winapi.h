// The Windows headers as this front end uses them. windows.h defines
// ReplaceFile as a macro, which would rename the file-system seam's
// ReplaceFile in every file that sees both.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#undef ReplaceFile
