// Shows the program's progress window at half of a 250 000-byte file, with
// the arithmetic of the core's Progress, and keeps it up until it is closed.
// The GUI driver checks its texts and the drawn bar.

#include <cstdio>
#include <string>

#include "app/dialogs.h"
#include "app/state.h"
#include "text/file.h"
#include "win32/dialog_kit.h"
#include "win32/globals.h"
#include "win32/win32_platform.h"
#include "win32/win32_ui.h"
#include "win32/winapi.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
  using namespace kalvor;
  using namespace kalvor::win32;
  g_instance = instance;
  WinUi ui;
  WinIniProfile profile;
  WinShell shell;
  WinFileSystem fs;
  App app(Platform{ui, profile, shell, fs});
  g_app = &app;
  g_ui = &ui;

  // The input: a file of 250 000 bytes, read up to its middle.
  std::string path = command_line && *command_line ? command_line : "progress.dat";
  {
    File out;
    if (!out.Open(path, File::Mode::kCreate)) return 2;
    std::string block(1000, 'x');
    for (int i = 0; i < 250; ++i) out.Write(block);
  }
  File in;
  if (!in.Open(path, File::Mode::kRead)) return 2;
  in.Seek(125000);

  Progress& progress = TheProgress();
  progress.Open(app, "Converting:", path);
  progress.Step(in);
  progress.Step(in);  // the same position again: the icon turns

  MSG msg;
  HWND window = FindWindowA(nullptr, "Progress");
  while (window && IsWindowVisible(window) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  progress.Close();
  in.Close();
  std::remove(path.c_str());
  return 0;
}
