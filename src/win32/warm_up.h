// What the first box, dialog or result of a run would otherwise pay for
// while the user waits: the fonts of the boxes and dialogs, the system's box
// icons, the results area's first text, the core's dialogs and the message
// box (made ahead).
#pragma once

#include "win32/winapi.h"

namespace kalvor::win32 {

// Called once, when the main dialog `main` is on the screen.
void WarmUp(HWND main);

}  // namespace kalvor::win32
