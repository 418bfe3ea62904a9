// The program's own message box. Under wine the system's box takes tens of
// milliseconds to come up, as it makes and lays out its window each time:
// this one is made ahead, hidden, while the program waits for the user (see
// PrepareDialogs), and each box only fills it in. It shows, sounds and
// answers as the system's box: the message font, the icon, the buttons with
// their ids, Enter, Escape, the buttons' letters, Ctrl+C.
#pragma once

#include "win32/winapi.h"

#include <string>

namespace kalvor::win32 {

// Makes the box, hidden and owned by `owner`, when there is none; true when
// it made it now (one step of the work done while the program waits).
bool PrepareMessageBox(HWND owner);

// Shows `text` under `caption` with the buttons and icon of `flags` (MB_OK,
// MB_OKCANCEL or MB_YESNO, with an MB_ICON* or none), modal over `owner`
// (null: no owner), and returns the button chosen, as MessageBoxA does.
// Returns 0 when the box made ahead cannot show it (not made, showing
// another box, other buttons): the caller shows the system's box instead.
int RunMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);

}  // namespace kalvor::win32
