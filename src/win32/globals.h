// What the Windows front end keeps for the whole run: the instance, the main
// dialog's window, and the program's Session.
#pragma once

#include "win32/winapi.h"

namespace kalvor {
struct Session;
}

namespace kalvor::win32 {

class WinUi;

extern HINSTANCE g_instance;  // for every resource and dialog call
extern HWND g_main;           // the main dialog: owner of most boxes
extern Session* g_app;
extern WinUi* g_ui;

}  // namespace kalvor::win32
