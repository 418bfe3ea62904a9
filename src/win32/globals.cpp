#include "win32/globals.h"

namespace kalvor::win32 {

HINSTANCE g_instance = nullptr;
HWND g_main = nullptr;
Session* g_app = nullptr;
WinUi* g_ui = nullptr;

}  // namespace kalvor::win32
