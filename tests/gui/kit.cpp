// kvkit: the Windows program's dialog kit on its real templates, for the GUI
// driver. One mode per run; results go to the file OUT for the driver.
//
//   kvkit progress FILE                   progress window at half of FILE, until
//                                         Cancel (exit code 0 when the steps saw it)
//   kvkit input OUT TITLE PROMPT VALUE    input box; OUT gets result, value
//   kvkit param OUT TEMPLATE OPTIONS      parameter dialog; OUT gets result,
//                                         option string
//   kvkit templates OUT                   OUT gets one line per template of
//                                         the core's dialogs: "ok NAME" or
//                                         "bad NAME: what is wrong"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "core/dialogs.h"
#include "commands/session.h"
#include "text/file.h"
#include "win32/dialog_kit.h"
#include "win32/globals.h"
#include "win32/win32_platform.h"
#include "win32/win32_ui.h"
#include "win32/winapi.h"

namespace {

using namespace kalvor;
using namespace kalvor::win32;

int ShowProgress(Session& app, const std::string& path) {
  {
    File out;
    if (!out.Open(path, File::Mode::kCreate)) return 2;
    std::string block(1000, 'x');
    for (int i = 0; i < 250; ++i) out.Write(block);
  }
  File in;
  if (!in.Open(path, File::Mode::kRead)) return 2;
  in.Seek(125000);
  Progress& progress = app.progress;
  progress.set_redraw_interval(std::chrono::milliseconds(0));  // every step drawn
  progress.Open(app.ui(), "Converting:", path);
  app.ui().ProgressNote("n1  (xor2)");
  progress.Step(in);
  progress.Step(in);  // the same position again: the icon turns
  // Until Cancel (or the window's Close); the next step sees it.
  MSG msg;
  while (!ProgressCancelled() && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  progress.Step(in);
  bool cancelled = progress.cancelled();
  progress.Close();
  in.Close();
  std::remove(path.c_str());
  return cancelled ? 0 : 1;
}

// What a template must hold: control ids with their window class and the
// style bits that matter.
struct Control {
  int id;
  const char* cls;
  LONG style_mask;
  LONG style;
};

struct Template {
  const char* name;
  const char* caption;
  std::vector<Control> controls;
};

INT_PTR CALLBACK Silent(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

std::string CheckTemplate(const Template& t) {
  HWND dialog = CreateDialogParamA(g_instance, t.name, nullptr, Silent, 0);
  if (!dialog) return "cannot be created";
  std::string problem;
  char text[256] = {0};
  GetWindowTextA(dialog, text, sizeof text);
  if (std::string(text) != t.caption) problem = std::string("caption \"") + text + "\"";
  for (const Control& c : t.controls) {
    HWND control = GetDlgItem(dialog, c.id);
    char cls[64] = {0};
    if (control) GetClassNameA(control, cls, sizeof cls);
    LONG style = control ? GetWindowLongA(control, GWL_STYLE) : 0;
    if (!control) {
      problem += " no control " + std::to_string(c.id);
    } else if (lstrcmpiA(cls, c.cls) != 0) {
      problem += " control " + std::to_string(c.id) + " is a " + cls;
    } else if ((style & c.style_mask) != c.style) {
      problem += " control " + std::to_string(c.id) + " has the wrong style";
    }
  }
  DestroyWindow(dialog);
  return problem;
}

// The texts that do not fit their control in the font the dialog gives
// them: a static's text wrapped to the control's width must fit its height;
// a button's text must fit beside its check mark or inside its edges.
// Statics that shorten their text on purpose (ellipsis styles) are left out.
std::string ClippedTexts(HWND dialog) {
  std::string clipped;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char cls[16] = {0};
    GetClassNameA(c, cls, sizeof cls);
    LONG style = GetWindowLongA(c, GWL_STYLE);
    int beside = 0;
    bool wraps = false;
    if (lstrcmpiA(cls, "Static") == 0) {
      LONG type = style & SS_TYPEMASK;
      if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT) continue;
      if (style & (SS_PATHELLIPSIS | SS_ENDELLIPSIS | SS_WORDELLIPSIS)) continue;
      wraps = true;
    } else if (lstrcmpiA(cls, "Button") == 0) {
      LONG type = style & BS_TYPEMASK;
      if (type == BS_GROUPBOX) continue;
      bool mark = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                  type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
      // The mark and the gap after it; a push button's edges.
      beside = mark ? GetSystemMetrics(SM_CXMENUCHECK) + 8 : 4;
    } else {
      continue;
    }
    char text[512] = {0};
    GetWindowTextA(c, text, sizeof text);
    if (!text[0]) continue;
    RECT room;
    GetClientRect(c, &room);
    // Controls outside the window are never seen.
    RECT where;
    RECT client;
    GetWindowRect(c, &where);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&where), 2);
    GetClientRect(dialog, &client);
    if (where.left >= client.right || where.top >= client.bottom) continue;
    room.right -= beside;
    HDC dc = GetDC(c);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(c, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    RECT need = {0, 0, room.right, 0};
    UINT flags = DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE) |
                 ((style & SS_NOPREFIX) && wraps ? DT_NOPREFIX : 0);
    DrawTextA(dc, text, -1, &need, flags);
    SelectObject(dc, old);
    ReleaseDC(c, dc);
    if (need.right > room.right || need.bottom > room.bottom) {
      clipped += " \"" + std::string(text) + "\" needs " + std::to_string(need.right) + "x" +
                 std::to_string(need.bottom) + ", has " + std::to_string(room.right) + "x" +
                 std::to_string(room.bottom) + ";";
    }
  }
  return clipped;
}

// Push buttons that touch or overlap one another: each stands apart.
std::string TouchingButtons(HWND dialog) {
  std::vector<std::pair<std::string, RECT>> buttons;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char cls[16] = {0};
    GetClassNameA(c, cls, sizeof cls);
    LONG type = GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK;
    if (lstrcmpiA(cls, "Button") != 0 || (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)) {
      continue;
    }
    char text[64] = {0};
    GetWindowTextA(c, text, sizeof text);
    RECT r;
    GetWindowRect(c, &r);
    buttons.emplace_back(text, r);
  }
  std::string touching;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    for (std::size_t j = i + 1; j < buttons.size(); ++j) {
      const RECT& a = buttons[i].second;
      const RECT& b = buttons[j].second;
      // One pixel of gap at least, on the side where they meet.
      bool apart = a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top;
      if (!apart) touching += " \"" + buttons[i].first + "\" and \"" + buttons[j].first + "\";";
    }
  }
  return touching;
}

int CheckTemplates(const std::string& out_path) {
  const LONG kType = BS_TYPEMASK;
  const Template templates[] = {
      {"vhdout", "VHDL Sim Output Conversion Parameters:",
       {{101, "Edit", 0, 0}, {102, "Edit", 0, 0},
        {103, "Button", kType, BS_AUTOCHECKBOX}, {1, "Button", 0, 0}, {2, "Button", 0, 0}}},
      {"mac2vhd", "VHDL Conversion Parameters:",
       {{101, "Edit", 0, 0}, {102, "Edit", 0, 0}, {103, "Edit", 0, 0},
        {104, "Button", kType, BS_AUTOCHECKBOX}, {105, "Edit", 0, 0}, {106, "Edit", 0, 0},
        {1, "Button", 0, 0}, {2, "Button", 0, 0}}},
      {"spcsel", "Spice File Type:",
       {{101, "Button", kType, BS_AUTORADIOBUTTON}, {102, "Button", kType, BS_AUTORADIOBUTTON},
        {1, "Button", 0, 0}, {2, "Button", 0, 0}}},
      {"MacDlg", "Macro Include Files",
       {{101, "Edit", 0, 0}, {102, "Edit", 0, 0}, {103, "Edit", 0, 0}, {104, "Edit", 0, 0},
        {201, "Button", 0, 0}, {202, "Button", 0, 0}, {203, "Button", 0, 0},
        {204, "Button", 0, 0}, {1, "Button", 0, 0}, {2, "Button", 0, 0}}},
      {"iodlg", "NODE LIST",
       {{301, "ListBox", LBS_MULTIPLESEL | LBS_SORT, LBS_MULTIPLESEL | LBS_SORT},
        {1, "Button", 0, 0}}},
      {"extdlg", "Extract from GateSim .OUT",
       {{101, "Edit", 0, 0}, {102, "Edit", 0, 0},
        // The dialog toggles the check box itself.
        {103, "Button", kType, BS_CHECKBOX}, {104, "Edit", 0, 0},
        {105, "Edit", ES_READONLY, ES_READONLY}, {1, "Button", 0, 0}, {2, "Button", 0, 0}}},
      {"input", "Input Required",
       {{101, "Edit", ES_AUTOHSCROLL, ES_AUTOHSCROLL}, {102, "Static", 0, 0},
        {103, "Button", WS_VISIBLE, 0}, {1, "Button", 0, 0}, {2, "Button", 0, 0}}},
      {"progbar", "Progress",
       {{101, "Static", WS_VISIBLE | SS_TYPEMASK, SS_BLACKFRAME}, {102, "Static", 0, 0},
        {103, "Static", 0, 0}, {104, "Static", 0, 0}, {2, "Button", 0, 0},
        {900, "Static", SS_TYPEMASK, SS_ICON},
        {901, "Static", SS_TYPEMASK, SS_ICON}, {902, "Static", SS_TYPEMASK, SS_ICON},
        {903, "Static", SS_TYPEMASK, SS_ICON}}},
  };
  std::ofstream out(out_path, std::ios::binary);
  for (const Template& t : templates) {
    std::string problem = CheckTemplate(t);
    out << (problem.empty() ? "ok " : "bad ") << t.name << (problem.empty() ? "" : ":" + problem)
        << "\n";
  }
  // Every template's texts in the fonts the program runs with.
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefDlgProcA;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hInstance = g_instance;
  wc.lpszClassName = "KalvorDlgClass";
  RegisterClassA(&wc);
  for (const char* name : {"maindlg", "progbar", "input", "vhdout", "mac2vhd", "spcsel", "MacDlg",
                           "iodlg", "extdlg", "about"}) {
    HWND dialog = CreateDialogParamA(g_instance, name, nullptr, Silent, 0);
    std::string clipped = dialog ? ClippedTexts(dialog) : " cannot be created";
    std::string touching = dialog ? TouchingButtons(dialog) : "";
    if (dialog) DestroyWindow(dialog);
    out << (clipped.empty() ? "ok " : "clipped ") << name << clipped << "\n";
    out << (touching.empty() ? "ok " : "touching ") << name << " buttons" << touching << "\n";
  }
  for (const char* icon : {"RDMXICON", "shadow", "RENA", "prog0", "prog1", "prog2", "prog3"}) {
    out << (LoadIconA(g_instance, icon) ? "ok " : "bad ") << icon << "\n";
  }
  out << (LoadBitmapA(g_instance, "kvbmp") ? "ok " : "bad ") << "kvbmp\n";
  out << (LoadMenuA(g_instance, "RDMXMENU") ? "ok " : "bad ") << "RDMXMENU\n";
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  g_instance = instance;
  WinUi ui;
  WinIniProfile profile;
  WinShell shell;
  WinFileSystem fs;
  Session app(Platform{ui, profile, shell, fs});
  g_app = &app;
  g_ui = &ui;

  std::vector<std::string> args(__argv + 1, __argv + __argc);
  if (args.size() == 2 && args[0] == "progress") return ShowProgress(app, args[1]);
  if (args.size() == 2 && args[0] == "templates") return CheckTemplates(args[1]);
  if (args.size() == 5 && args[0] == "input") {
    std::string value = args[4];
    int result = ui.InputBox(args[2], args[3], value);
    std::ofstream(args[1], std::ios::binary) << result << "\n" << value;
    return 0;
  }
  if (args.size() == 4 && args[0] == "param") {
    std::string options = args[3];
    int result = ParamDlg(app.ui(), args[2], options);
    std::ofstream(args[1], std::ios::binary) << result << "\n" << options;
    return 0;
  }
  return 2;
}
