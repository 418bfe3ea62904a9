// kalvor.exe: the Windows program. One modal dialog on one thread.

#include "win32/winapi.h"

#include <string>

#include "commands/session.h"
#include "win32/globals.h"
#include "win32/main_dialog.h"
#include "win32/win32_platform.h"
#include "win32/win32_ui.h"

namespace {

// The design file of the command line. The shell quotes a path that holds
// blanks ("C:\My Designs\alu.mac"); quotes cannot be part of a Windows
// file name, so a quoted path is taken without them. Anything else is taken
// whole, blanks included.
std::string DesignPath(const char* command_line) {
  std::string line = command_line ? command_line : "";
  if (line.size() >= 2 && line.front() == '"') {
    std::size_t close = line.find('"', 1);
    if (close != std::string::npos) return line.substr(1, close - 1);
  }
  return line;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  (void)show;
  using namespace kalvor;
  using namespace kalvor::win32;
  g_instance = instance;

  WinUi ui;
  WinIniProfile profile;
  WinShell shell;
  WinFileSystem fs;
  Session app(Platform{ui, profile, shell, fs});
  g_app = &app;
  g_ui = &ui;

  StartSession(app, DesignPath(command_line));

  if (!previous) {
    WNDCLASSA wc = {};
    wc.style = 0;
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "RDMXICON");
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = "KalvorDlgClass";
    if (!RegisterClassA(&wc)) {
      MessageBoxA(nullptr, "Error initializing, suggest re-boot.", "Kalvor",
                  MB_OK | MB_ICONHAND);
      return 0;
    }
  }

  DialogBoxParamA(instance, "maindlg", nullptr, MainDlgProc, 0);
  g_main = nullptr;
  g_app = nullptr;
  g_ui = nullptr;
  return 0;
}
