#include "win32/main_dialog.h"

#include <iterator>
#include <optional>
#include <string>

#include "platform/resource.h"
#include "commands/main_window.h"
#include "core/startup.h"
#include "win32/dialog_kit.h"
#include "win32/globals.h"
#include "win32/warm_up.h"
#include "win32/win32_platform.h"
#include "win32/win32_ui.h"

namespace kalvor::win32 {

namespace {

constexpr const char* kProgramName = "Kalvor";
// One version everywhere: the window, the About box, the command line.
constexpr const char* kVersion = KALVOR_VERSION;

HFONT g_option_font = nullptr;

// Posted once the main dialog is made: see WarmUp.
constexpr UINT kWarmUp = WM_APP + 1;

// The function buttons in the order the arrow keys visit them.
constexpr int kFunctionButtons[] = {
    IDC_MAIN_A_CELLS,   IDC_MAIN_MAC_TO_NET,  IDC_MAIN_GATESIM,   IDC_MAIN_MAC_TO_TPR,
    IDC_MAIN_PRUNE,     IDC_MAIN_GEN_SPICE,   IDC_MAIN_LVS,       IDC_MAIN_EDIF_TO_MAC,
    IDC_MAIN_MAC_TO_VHDL, IDC_MAIN_VHDL_SIM,  IDC_MAIN_UNSET_SIM, IDC_MAIN_VHD_OUT,
    IDC_MAIN_SPICE_CLEAN};

// Arming a function asks questions and rewrites files: a function button
// arms on a click or Space, never because the arrow keys or Tab moved the
// focus onto it. (A radio button that gets the focus can report itself
// clicked; while it takes the focus its report is not a command.)
bool g_taking_focus = false;
WNDPROC g_button_proc = nullptr;
// The function buttons' windows, in the order of kFunctionButtons: under
// wine each lookup by id asks the server for the dialog's children.
HWND g_function_windows[std::size(kFunctionButtons)] = {};

LRESULT CALLBACK FunctionButtonProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_SETFOCUS) return CallWindowProcA(g_button_proc, hwnd, message, wparam, lparam);
  g_taking_focus = true;
  LRESULT result = CallWindowProcA(g_button_proc, hwnd, message, wparam, lparam);
  g_taking_focus = false;
  return result;
}

bool IsFunctionButton(int id) {
  for (int b : kFunctionButtons) {
    if (b == id) return true;
  }
  return false;
}

// Tab enters the function buttons at the armed one, else at the first.
void KeepFunctionTabStop() {
  HWND stop = g_function_windows[0];
  for (HWND button : g_function_windows) {
    if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) stop = button;
  }
  for (HWND button : g_function_windows) {
    LONG style = GetWindowLongA(button, GWL_STYLE);
    LONG wanted = button == stop ? style | WS_TABSTOP : style & ~WS_TABSTOP;
    if (wanted != style) SetWindowLongA(button, GWL_STYLE, wanted);
  }
}

void Line(HDC dc, int x, int y) { LineTo(dc, x, y); }

void ExitIfRequested(HWND hwnd) {
  if (g_app->state.exit_requested) EndDialog(hwnd, 0);
}

// The test directory under the test ID, its middle left out when it is
// too long for the line. Looked up and drawn again only when it changed:
// after every command, that would cost as much as a short conversion.
void ShowTestDir(HWND hwnd) {
  static std::optional<std::string> shown;
  if (shown == g_app->state.test_dir) return;
  shown = g_app->state.test_dir;
  SetDlgItemTextA(hwnd, IDC_MAIN_TEST_DIR, DisplayPath(*shown).c_str());
}

// Enter: the focused push button is pressed (Run when it has the focus);
// elsewhere Enter does nothing.
int EnterTarget(HWND hwnd) {
  HWND focus = GetFocus();
  if (!focus || GetParent(focus) != hwnd) return 0;
  char name[16] = {0};
  GetClassNameA(focus, name, sizeof name);
  LONG type = GetWindowLongA(focus, GWL_STYLE) & BS_TYPEMASK;
  if (lstrcmpiA(name, "Button") != 0 || (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)) {
    return 0;
  }
  return GetDlgCtrlID(focus);
}

// Without a window manager nothing keeps the windows the main dialog owns
// (the progress window, boxes, dialogs) above it when it is raised: they
// are put back on top.
BOOL CALLBACK RaiseIfOwned(HWND w, LPARAM owner) {
  if (GetWindow(w, GW_OWNER) == reinterpret_cast<HWND>(owner) && IsWindowVisible(w)) {
    SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return TRUE;
}

void RaiseOwnedWindows(HWND hwnd) {
  static bool raising = false;
  if (raising) return;
  raising = true;
  EnumThreadWindows(GetCurrentThreadId(), RaiseIfOwned, reinterpret_cast<LPARAM>(hwnd));
  raising = false;
}

void OnInit(HWND hwnd) {
  g_main = hwnd;
  g_ui->AttachMain(hwnd);
  SetMenu(hwnd, LoadMenuA(g_instance, "RDMXMENU"));
  OpenMainDialog(*g_app);
  g_option_font = CreateFontA(15, 0, 0, 0, 100, FALSE, FALSE, FALSE, 0, 0, 0, 0,
                              DEFAULT_PITCH | FF_SWISS, nullptr);
  SendDlgItemMessageA(hwnd, id::kOptions, WM_SETFONT,
                      reinterpret_cast<WPARAM>(g_option_font), FALSE);
  // The test ID holds as much as the program keeps of it.
  SendDlgItemMessageA(hwnd, id::kTestId, EM_LIMITTEXT, 255, 0);
  SetDlgItemTextA(hwnd, IDC_MAIN_VERSION, (std::string("KALVOR ") + kVersion).c_str());
  for (std::size_t i = 0; i < std::size(kFunctionButtons); ++i) {
    HWND button = g_function_windows[i] = GetDlgItem(hwnd, kFunctionButtons[i]);
    WNDPROC old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FunctionButtonProc)));
    if (!g_button_proc) g_button_proc = old;
  }
  KeepFunctionTabStop();
  ShowTestDir(hwnd);
  DragAcceptFiles(hwnd, TRUE);
  g_ui->PrepareProgress();
  PostMessageA(hwnd, kWarmUp, 0, 0);
}

// A command of the main dialog, its plain messages listed in the results
// area (see WinUi::BeginCommand). A command that arrives while one runs is
// ignored.
void RunCommand(HWND hwnd, int id) {
  if (g_app->state.busy) return;
  // The program's profile is the one WinMain made (see WinIniProfile).
  auto& profile = static_cast<WinIniProfile&>(g_app->profile());
  profile.Hold();
  g_ui->BeginCommand();
  Outcome outcome = OnMainCommand(*g_app, id);
  g_ui->EndCommand(outcome == Outcome::kCompleted);
  profile.Release();
  KeepFunctionTabStop();
  ShowTestDir(hwnd);
  PrepareDialogs(hwnd);
  ExitIfRequested(hwnd);
}

void OnDrop(HWND hwnd, HDROP drop) {
  // The whole path, however long: a cut one would name another file.
  UINT length = DragQueryFileA(drop, 0, nullptr, 0);
  std::string path(length + 1, '\0');
  DragQueryFileA(drop, 0, path.data(), length + 1);
  path.resize(length);
  DragFinish(drop);
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  if (g_app->state.busy) return;
  g_ui->BeginCommand();
  OnFileDropped(*g_app, path);
  g_ui->EndCommand(false);  // a drop says something only when it refuses the file
  KeepFunctionTabStop();
  ShowTestDir(hwnd);
}

void OnCommand(HWND hwnd, int id) {
  if (id == id::kAbout) {
    if (!g_app->state.busy) {
      DialogBoxParamA(g_instance, "about", hwnd, aboutDlgProc, 0);
    }
    return;
  }
  if (id == IDOK) {
    id = EnterTarget(hwnd);
    if (id == 0) return;
  }
  if (g_taking_focus && IsFunctionButton(id)) return;
  RunCommand(hwnd, id);
}

}  // namespace

void SunkenFrame(HDC dc, HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) return;
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, r.left - 1, r.bottom, nullptr);
  Line(dc, r.left - 1, r.top - 1);
  Line(dc, r.right, r.top - 1);
  SelectObject(dc, GetStockObject(WHITE_PEN));
  Line(dc, r.right, r.bottom);
  Line(dc, r.left - 1, r.bottom);
}

void PaintFrame(HWND hwnd, HDC dc) {
  RECT client;
  GetClientRect(hwnd, &client);
  int w = client.right;
  int h = client.bottom;
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  HPEN shadow = CreatePen(PS_SOLID, 0, GetSysColor(COLOR_BTNSHADOW));
  HPEN light = CreatePen(PS_SOLID, 0,
                         RGB((GetRValue(face) + 255) / 2, (GetGValue(face) + 255) / 2,
                             (GetBValue(face) + 255) / 2));
  HGDIOBJ old_pen = SelectObject(dc, shadow);
  MoveToEx(dc, w - 1, 0, nullptr);
  Line(dc, w - 1, h - 1);
  Line(dc, 0, h - 1);
  MoveToEx(dc, 1, h - 2, nullptr);
  Line(dc, w - 2, h - 2);
  Line(dc, w - 2, 1);
  MoveToEx(dc, w - 5, 4, nullptr);
  Line(dc, 4, 4);
  Line(dc, 4, h - 5);

  SelectObject(dc, light);
  Line(dc, w - 5, h - 5);
  Line(dc, w - 5, 4);
  MoveToEx(dc, w - 2, 1, nullptr);
  Line(dc, 1, 1);
  Line(dc, 1, h - 2);
  MoveToEx(dc, 0, h - 1, nullptr);
  Line(dc, 0, 0);
  Line(dc, w - 1, 0);

  SunkenFrame(dc, hwnd, id::kTestId);
  SunkenFrame(dc, hwnd, id::kOptions);
  SunkenFrame(dc, hwnd, id::kLambda);

  SelectObject(dc, old_pen);
  DeleteObject(shadow);
  DeleteObject(light);
}

INT_PTR CALLBACK MainDlgProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInit(hwnd);
      return TRUE;
    case WM_COMMAND:
      // Matched on the whole parameter: edit notifications are no commands.
      if (HIWORD(wparam) != 0) return FALSE;
      OnCommand(hwnd, LOWORD(wparam));
      return TRUE;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == SC_CLOSE) {
        RunCommand(hwnd, id::kExit);
        return TRUE;
      }
      return FALSE;
    case kWarmUp:
      WarmUp(hwnd);
      return TRUE;
    case WM_DROPFILES:
      OnDrop(hwnd, reinterpret_cast<HDROP>(wparam));
      return TRUE;
    case WM_WINDOWPOSCHANGED:
      if (!(reinterpret_cast<const WINDOWPOS*>(lparam)->flags & SWP_NOZORDER)) {
        RaiseOwnedWindows(hwnd);
      }
      return FALSE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      PaintFrame(hwnd, dc);
      EndPaint(hwnd, &ps);
      return FALSE;
    }
    case WM_CTLCOLORSTATIC:
      // The results list reads like a page, not like a label.
      if (reinterpret_cast<HWND>(lparam) == GetDlgItem(hwnd, IDC_MAIN_RESULTS)) {
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
      }
      return DefaultDialogResult(message, wparam, lparam);
    case WM_DESTROY:
      ReleaseDialogColors();
      if (g_option_font) DeleteObject(g_option_font);
      g_option_font = nullptr;
      return FALSE;
    default:
      return DefaultDialogResult(message, wparam, lparam);
  }
}

INT_PTR CALLBACK aboutDlgProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  static HFONT bold = nullptr;
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowTextA(hwnd, (std::string("About ") + kProgramName).c_str());
      std::string title = std::string(kProgramName) + " ver. " + kVersion;
      SetDlgItemTextA(hwnd, IDC_ABOUT_TITLE, title.c_str());
      HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
      LOGFONTA lf;
      if (font && GetObjectA(font, sizeof lf, &lf)) {
        lf.lfWeight = FW_BOLD;
        bold = CreateFontIndirectA(&lf);
        SendDlgItemMessageA(hwnd, IDC_ABOUT_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (wparam == IDOK || wparam == IDCANCEL) {
        EndDialog(hwnd, 0);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      if (bold) DeleteObject(bold);
      bold = nullptr;
      return FALSE;
    default:
      return DefaultDialogResult(message, wparam, lparam);
  }
}

}  // namespace kalvor::win32
