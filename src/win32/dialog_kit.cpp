#include "win32/dialog_kit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "commands/session.h"
#include "platform/resource.h"
#include "win32/globals.h"
#include "win32/message_box.h"
#include "win32/win32_platform.h"
#include "win32/window_view.h"

namespace kalvor::win32 {

namespace {

HBRUSH g_face_brush = nullptr;

bool IsIconStatic(HWND control) {
  if (!control) return false;
  char name[16] = {0};
  GetClassNameA(control, name, sizeof name);
  if (lstrcmpiA(name, "Static") != 0) return false;
  LONG style = GetWindowLongA(control, GWL_STYLE);
  return (style & SS_TYPEMASK) == SS_ICON;
}

}  // namespace

bool IsColorMessage(UINT message) {
  return message == WM_CTLCOLORBTN || message == WM_CTLCOLORDLG ||
         message == WM_CTLCOLORSTATIC;
}

INT_PTR DefaultDialogResult(UINT message, WPARAM wparam, LPARAM lparam) {
  if (!IsColorMessage(message)) return FALSE;
  return reinterpret_cast<INT_PTR>(
      DialogColors(message, reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam)));
}

HBRUSH DialogColors(UINT message, HDC dc, HWND control) {
  if (!g_face_brush) g_face_brush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
    SetBkMode(dc, TRANSPARENT);
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  // Icons are drawn over their drop shadow: they must not paint a
  // background square over it.
  if (message == WM_CTLCOLORSTATIC && IsIconStatic(control)) {
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  }
  return g_face_brush;
}

void ReleaseDialogColors() {
  if (g_face_brush) DeleteObject(g_face_brush);
  g_face_brush = nullptr;
}

namespace {

// What the user chooses with each pattern the program asks with.
struct FileKind {
  const char* pattern;
  const char* what;
};
constexpr FileKind kFileKinds[] = {
    {"*.mac", "a macro file"},
    {"*.spc;*.sp", "a SPICE netlist"},
    {"*.sp;*.spc", "a SPICE netlist"},
    {"*.spc", "an L-Edit extract"},
    {"*.edf;*.edn;*.edo", "an EDIF netlist"},
    {"*.txt;*.out;*.vcd", "a VHDL trace table or value change dump"},
    {"*.sp;*.spc;*.cmd;*.txt", "a SPICE netlist or command file"},
    {"*.mac;*.txt", "a macro include file"},
    {"*.exe", "the program"},
};

}  // namespace

FileChoice DescribeFileChoice(const std::string& pattern) {
  std::string what = pattern.size() > 40 ? "a file to edit" : "a file";
  for (const FileKind& k : kFileKinds) {
    if (lstrcmpiA(k.pattern, pattern.c_str()) == 0) what = k.what;
  }
  FileChoice choice;
  choice.title = "Choose " + what;
  // Pairs of a name and its patterns, each ended by a null character.
  std::string all = std::string("All Files (*.*)") + '\0' + "*.*" + '\0';
  if (pattern.empty() || pattern == "*.*") {
    choice.filter = all;
  } else {
    std::string name = what.substr(what.find(' ') + 1);
    name[0] = static_cast<char>(toupper(static_cast<unsigned char>(name[0])));
    choice.filter = name + " (" + pattern + ")" + '\0' + pattern + '\0' + all;
  }
  return choice;
}

bool FileDialog(HWND owner, std::string& result, std::size_t capacity,
                const std::string& initial_dir, const std::string& pattern) {
  // The whole current directory is kept: a cut one could not be restored,
  // and the files named by the test ID alone would be looked for elsewhere.
  DWORD need = GetCurrentDirectoryA(0, nullptr);
  std::vector<char> saved(need + 1, '\0');
  GetCurrentDirectoryA(need + 1, saved.data());

  if (capacity < 2) capacity = 2;
  std::vector<char> file(capacity, '\0');
  std::strncpy(file.data(), pattern.c_str(), capacity - 1);
  std::vector<char> initial(initial_dir.begin(), initial_dir.end());
  initial.push_back('\0');
  char title[128] = {0};
  FileChoice choice = DescribeFileChoice(pattern);
  choice.filter += '\0';  // the list ends with an empty name

  OPENFILENAMEA ofn;
  std::memset(&ofn, 0, sizeof ofn);
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = choice.filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrTitle = choice.title.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(capacity);
  ofn.lpstrFileTitle = title;
  ofn.nMaxFileTitle = sizeof title;
  ofn.lpstrInitialDir = initial_dir.empty() ? nullptr : initial.data();
  ofn.Flags = 0;

  BOOL chosen = GetOpenFileNameA(&ofn);
  if (chosen) result = file.data();
  SetCurrentDirectoryA(saved.data());
  return chosen != FALSE;
}

// ---------------------------------------------------------------- input box

namespace {

struct InputRequest {
  const std::string* title;
  const std::string* prompt;
  std::string* value;
  int result;
};

}  // namespace

INT_PTR CALLBACK InputDlgProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* request = reinterpret_cast<InputRequest*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(hwnd, DWLP_USER, lparam);
      request = reinterpret_cast<InputRequest*>(lparam);
      SetDlgItemTextA(hwnd, IDC_INPUT_PROMPT, request->prompt->c_str());
      SetDlgItemTextA(hwnd, IDC_INPUT_VALUE, request->value->c_str());
      SetWindowTextA(hwnd, request->title->c_str());
      ShowWindow(GetDlgItem(hwnd, IDC_INPUT_BROWSE),
                 request->prompt->find("file") != std::string::npos ? SW_SHOW : SW_HIDE);
      return TRUE;
    }
    case WM_COMMAND:
      if (!request) return FALSE;
      switch (wparam) {
        case IDOK: {
          request->result = 1;
          std::string typed = WindowText(GetDlgItem(hwnd, IDC_INPUT_VALUE));
          if (typed.size() > 119) typed.resize(119);
          *request->value = typed;
          EndDialog(hwnd, 1);
          return TRUE;
        }
        case IDCANCEL:
          request->result = 2;
          EndDialog(hwnd, 2);
          return TRUE;
        case IDC_INPUT_BROWSE: {
          std::string chosen = *request->value;
          if (FileDialog(hwnd, chosen, 128, "", *request->value)) {
            *request->value = chosen;
            SetDlgItemTextA(hwnd, IDC_INPUT_VALUE, request->value->c_str());
          }
          return TRUE;
        }
        default:
          return FALSE;
      }
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == SC_CLOSE) {
        EndDialog(hwnd, 2);
        return TRUE;
      }
      return FALSE;
    default:
      return DefaultDialogResult(message, wparam, lparam);
  }
}

int InputBox(HWND owner, const std::string& title, const std::string& prompt,
             std::string& value) {
  InputRequest request{&title, &prompt, &value, 2};
  INT_PTR shown = DialogBoxParamA(g_instance, "input", owner, InputDlgProc,
                                  reinterpret_cast<LPARAM>(&request));
  if (shown == -1) {
    MessageBoxA(owner, "Unable to open INPUT dialog.", "ERROR", MB_OK | MB_ICONHAND);
    return 2;
  }
  return request.result;
}

// ------------------------------------------------------------ model dialogs

namespace {

struct ModelDialog {
  DialogModel* model;
  WindowView view{true};
  HWND hwnd = nullptr;
};

// The core's dialogs that are open, innermost last.
std::vector<HWND> g_open_dialogs;

// The core's dialogs made ahead, hidden and owned by the main dialog, while
// the program waits for the user: under wine making one costs about what a
// short conversion does. Each serves one run, as DialogBox's own would, and
// is then destroyed and made again.
struct Prepared {
  const char* name;
  HWND hwnd = nullptr;
  POINT owner_origin{};  // the owner's client area when it was made: its place
};
Prepared g_prepared[] = {{"MacDlg"}, {"mac2vhd"}, {"vhdout"}, {"spcsel"}, {"iodlg"}, {"extdlg"}};
std::vector<HWND> g_used;  // served their run; destroyed while the program waits
constexpr UINT_PTR kPrepareTimer = 0x4B50;

POINT ClientOrigin(HWND hwnd) {
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  return origin;
}

// One step of the work, so that a click waits for one dialog at most, and
// none while the user's input or another message waits (the next tick
// comes when it is handled).
void CALLBACK PrepareStep(HWND hwnd, UINT, UINT_PTR, DWORD) {
  if (g_app && g_app->state.busy) {
    KillTimer(hwnd, kPrepareTimer);  // the command's end asks again
    return;
  }
  if (HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE)) != 0) return;
  for (HWND used : g_used) DestroyWindow(used);
  g_used.clear();
  // The box first: nearly every command shows one.
  if (PrepareMessageBox(hwnd)) return;
  for (Prepared& p : g_prepared) {
    if (p.hwnd) continue;
    p.hwnd = CreateDialogParamA(g_instance, p.name, hwnd, ModelDlgProc, 0);
    p.owner_origin = ClientOrigin(hwnd);
    return;
  }
  KillTimer(hwnd, kPrepareTimer);
}

// The prepared dialog of `name` for `owner`, taken for one run; null when
// there is none that comes up where DialogBox would put it (one made before
// the owner moved is made again).
HWND TakePrepared(const std::string& name, HWND owner) {
  for (Prepared& p : g_prepared) {
    if (name != p.name || !p.hwnd || GetWindow(p.hwnd, GW_OWNER) != owner) continue;
    HWND hwnd = p.hwnd;
    p.hwnd = nullptr;
    POINT origin = ClientOrigin(owner);
    if (origin.x == p.owner_origin.x && origin.y == p.owner_origin.y) return hwnd;
    g_used.push_back(hwnd);
  }
  return nullptr;
}

void InitModelDialog(HWND hwnd, ModelDialog& dialog) {
  dialog.view.Attach(hwnd);
  dialog.model->OnInit(dialog.view);
  // Boxes of the initialisation belong to the main dialog; the later
  // ones to this dialog (see InnermostDialog).
  dialog.hwnd = hwnd;
  g_open_dialogs.push_back(hwnd);
}

// A prepared dialog's run, as DialogBox runs a new one: the owner disabled,
// the model initialised, the first control with a tab stop focused, then
// shown until the model ends it.
int RunPrepared(HWND hwnd, HWND owner, ModelDialog& dialog) {
  const bool disable = IsWindowEnabled(owner) != FALSE;
  if (disable) EnableWindow(owner, FALSE);
  dialog.view.EnableOnEnd(disable ? owner : nullptr);
  SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(&dialog));
  InitModelDialog(hwnd, dialog);
  if (!dialog.view.ended()) {
    if (HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE)) SetFocus(first);
    ShowWindow(hwnd, SW_SHOWNORMAL);
  }
  MSG msg;
  while (!dialog.view.ended()) {
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!IsDialogMessageA(hwnd, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (disable) EnableWindow(owner, TRUE);
  if (IsWindowVisible(hwnd)) ShowWindow(hwnd, SW_HIDE);
  SetWindowLongPtrA(hwnd, DWLP_USER, 0);
  g_used.push_back(hwnd);
  return dialog.view.result();
}

}  // namespace

void PrepareDialogs(HWND owner) {
  SetTimer(owner, kPrepareTimer, USER_TIMER_MINIMUM, PrepareStep);
}

HWND InnermostDialog() { return g_open_dialogs.empty() ? nullptr : g_open_dialogs.back(); }

INT_PTR CALLBACK ModelDlgProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* dialog = reinterpret_cast<ModelDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      // A prepared dialog: its model comes with its run (RunPrepared), and
      // no control takes the focus before it is shown.
      if (lparam == 0) return FALSE;
      SetWindowLongPtrA(hwnd, DWLP_USER, lparam);
      InitModelDialog(hwnd, *reinterpret_cast<ModelDialog*>(lparam));
      return TRUE;
    case WM_COMMAND:
      // The whole first parameter: edit and list notifications are no
      // commands.
      if (!dialog || HIWORD(wparam) != 0) return FALSE;
      dialog->model->OnCommand(LOWORD(wparam), dialog->view);
      return TRUE;
    case WM_CLOSE:
      if (!dialog) return FALSE;
      dialog->model->OnClose(dialog->view);
      return TRUE;
    default:
      return DefaultDialogResult(message, wparam, lparam);
  }
}

int RunModelDialog(HWND owner, DialogModel& model) {
  ModelDialog dialog;
  dialog.model = &model;
  std::string name = model.TemplateName();
  HWND prepared = TakePrepared(name, owner);
  INT_PTR result = prepared ? RunPrepared(prepared, owner, dialog)
                            : DialogBoxParamA(g_instance, name.c_str(), owner, ModelDlgProc,
                                              reinterpret_cast<LPARAM>(&dialog));
  g_open_dialogs.erase(std::remove(g_open_dialogs.begin(), g_open_dialogs.end(), dialog.hwnd),
                       g_open_dialogs.end());
  return static_cast<int>(result);
}

// ---------------------------------------------------------- progress window

namespace {

// The icons turn on a timer numbered like the first of them.
constexpr UINT_PTR kAnimationTimer = IDC_PROG_ICON0;
// A conversion that ends sooner than this after it opened the window never
// shows it (see ShowProgressWindow).
constexpr UINT_PTR kShowTimer = kAnimationTimer + 10;
constexpr UINT kShowDelayMs = 250;
constexpr int kFirstIcon = IDC_PROG_ICON0;
// The command that carries a new bar position (not a control of the window).
constexpr WPARAM kDrawCommand = 100;

struct ProgressLook {
  HWND window = nullptr;
  RECT bar{};
  HBRUSH blue = nullptr;
  bool frame_drawn = false;
  bool animate = false;
  int icon = 0;  // carries over from one conversion to the next
  unsigned position_k = 0;
  unsigned total_k = 0;
  bool cancelled = false;   // Cancel was pressed (or the window closed)
  std::string note;         // the item being worked on
  bool note_shown = true;   // the note control shows `note`
  std::string operation;    // what the window says once it is shown
  std::string file;
};

ProgressLook g_progress;

void CancelProgress(HWND hwnd) {
  g_progress.cancelled = true;
  EnableWindow(GetDlgItem(hwnd, IDC_PROG_CANCEL), FALSE);
  SetDlgItemTextA(hwnd, IDC_PROG_NOTE, "Cancelling...");
  g_progress.note_shown = true;
}

void DrawBar(HWND hwnd, HDC dc, bool force_frame) {
  ProgressLook& p = g_progress;
  if (force_frame || p.position_k == 0 || !p.frame_drawn) {
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    HGDIOBJ old_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, p.bar.left, p.bar.top, p.bar.right, p.bar.bottom);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    p.frame_drawn = true;
  }
  (void)hwnd;
  long width = p.bar.right - p.bar.left;
  long fill = p.total_k == 0 ? 0 : width * static_cast<long>(p.position_k) /
                                       static_cast<long>(p.total_k);
  if (fill > width) fill = width;
  if (fill > 0) {
    HGDIOBJ old_brush = SelectObject(dc, p.blue);
    HGDIOBJ old_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, p.bar.left, p.bar.top, p.bar.left + fill, p.bar.bottom);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
  }
}

}  // namespace

INT_PTR CALLBACK BarProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  ProgressLook& p = g_progress;
  switch (message) {
    case WM_INITDIALOG: {
      HWND frame = GetDlgItem(hwnd, IDC_PROG_BAR);
      GetWindowRect(frame, &p.bar);
      MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&p.bar), 2);
      p.blue = CreateSolidBrush(RGB(0, 0, 255));
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDC_PROG_CANCEL && HIWORD(wparam) == BN_CLICKED) {
        CancelProgress(hwnd);
        return TRUE;
      }
      if (wparam != kDrawCommand) return FALSE;
      {
        p.position_k = LOWORD(lparam);
        p.total_k = HIWORD(lparam);
        HDC dc = GetDC(hwnd);
        DrawBar(hwnd, dc, false);
        ReleaseDC(hwnd, dc);
      }
      return TRUE;
    case WM_PAINT: {
      // Keeps the bar when the window is uncovered between two steps.
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (p.frame_drawn) DrawBar(hwnd, dc, true);
      EndPaint(hwnd, &ps);
      return TRUE;
    }
    case WM_TIMER:
      if (wparam == kShowTimer) ShowProgressWindow(hwnd);
      if (wparam == kAnimationTimer && p.animate) {
        ShowWindow(GetDlgItem(hwnd, kFirstIcon + p.icon), SW_HIDE);
        p.icon = (p.icon + 1) % 4;
        ShowWindow(GetDlgItem(hwnd, kFirstIcon + p.icon), SW_SHOW);
      }
      return TRUE;
    case WM_CLOSE:
      // Closing the window asks the conversion to stop; the conversion
      // closes it.
      CancelProgress(hwnd);
      return TRUE;
    case WM_DESTROY:
      p.window = nullptr;
      KillTimer(hwnd, kAnimationTimer);
      if (p.blue) DeleteObject(p.blue);
      p.blue = nullptr;
      return FALSE;
    default:
      return DefaultDialogResult(message, wparam, lparam);
  }
}

HWND CreateProgressWindow(HWND owner) {
  // The template's window is visible on creation: made from a copy without
  // that style, it waits hidden until a conversion opens it.
  HRSRC found = FindResourceA(g_instance, "progbar", MAKEINTRESOURCEA(5));  // RT_DIALOG
  HGLOBAL loaded = found ? LoadResource(g_instance, found) : nullptr;
  const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  DWORD size = found ? SizeofResource(g_instance, found) : 0;
  if (!bytes || size < sizeof(DLGTEMPLATE) || size > 0x10000) return nullptr;
  std::vector<DWORD> copy(size / sizeof(DWORD) + 1);
  std::memcpy(copy.data(), bytes, size);
  // The style is the first field of a plain template, at 12 in an extended
  // one (which begins with version 1 and 0xFFFF).
  const bool extended = copy[0] == 0xFFFF0001u;
  copy[extended ? 3 : 0] &= ~static_cast<DWORD>(WS_VISIBLE);
  return CreateDialogIndirectParamA(g_instance, reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()),
                                    owner, BarProc, 0);
}

void OpenProgressWindow(HWND progress, const std::string& operation, const std::string& file) {
  if (!progress) return;
  ProgressLook& p = g_progress;
  p.window = progress;
  p.animate = false;
  p.position_k = 0;
  p.total_k = 0;
  p.frame_drawn = false;
  p.cancelled = false;
  p.note.clear();
  p.note_shown = false;
  p.operation = operation;
  p.file = file;
  SetTimer(progress, kAnimationTimer, 500, nullptr);
  SetTimer(progress, kShowTimer, kShowDelayMs, nullptr);
}

void DeferProgressWindow(HWND progress, bool asking) {
  if (!progress || progress != g_progress.window || IsWindowVisible(progress)) return;
  if (asking) {
    KillTimer(progress, kShowTimer);
  } else {
    SetTimer(progress, kShowTimer, kShowDelayMs, nullptr);
  }
}

void ShowProgressWindow(HWND progress) {
  ProgressLook& p = g_progress;
  if (!progress || progress != p.window || IsWindowVisible(progress)) return;
  KillTimer(progress, kShowTimer);
  // Filled in only now: a conversion that ends unseen spends nothing on it.
  SetDlgItemTextA(progress, IDC_PROG_OPERATION, p.operation.c_str());
  SetDlgItemTextA(progress, IDC_PROG_FILE, DisplayPath(p.file).c_str());
  SetDlgItemTextA(progress, IDC_PROG_NOTE, p.cancelled ? "Cancelling..." : p.note.c_str());
  p.note_shown = true;
  EnableWindow(GetDlgItem(progress, IDC_PROG_CANCEL), !p.cancelled);
  for (int i = 0; i < 4; ++i) {
    ShowWindow(GetDlgItem(progress, kFirstIcon + i), i == p.icon ? SW_SHOW : SW_HIDE);
  }
  ShowWindow(progress, SW_SHOWNORMAL);
  SendMessageA(progress, WM_NEXTDLGCTL,
               reinterpret_cast<WPARAM>(GetDlgItem(progress, IDC_PROG_CANCEL)), TRUE);
}

void CloseProgressWindow(HWND progress) {
  if (!progress) return;
  KillTimer(progress, kAnimationTimer);
  KillTimer(progress, kShowTimer);
  if (IsWindowVisible(progress)) ShowWindow(progress, SW_HIDE);
  g_progress.window = nullptr;
}

void NoteProgress(const std::string& note) {
  if (g_progress.cancelled) return;
  g_progress.note = note;
  g_progress.note_shown = false;
}

bool ProgressCancelled() { return g_progress.cancelled; }

void ForgetCancel() { g_progress.cancelled = false; }

void DrawProgress(HWND progress, unsigned position_k, unsigned total_k, bool animate) {
  if (!progress) return;
  g_progress.animate = animate;
  if (!IsWindowVisible(progress)) {
    // Drawn when the window comes up (see BarProc's WM_PAINT).
    g_progress.position_k = position_k & 0xFFFF;
    g_progress.total_k = total_k & 0xFFFF;
    g_progress.frame_drawn = true;
    return;
  }
  if (!g_progress.note_shown) {
    SetDlgItemTextA(progress, IDC_PROG_NOTE, g_progress.note.c_str());
    g_progress.note_shown = true;
  }
  // The main window may have been raised over the progress window it owns
  // after that showed (an activation carried out late, when a box before
  // the work closed): the progress window comes back on top, so that it and
  // its Cancel stay in view while the conversion works.
  const HWND owner = GetWindow(progress, GW_OWNER);
  for (HWND above = GetWindow(progress, GW_HWNDPREV); above && owner;
       above = GetWindow(above, GW_HWNDPREV)) {
    if (above == owner) {
      SetWindowPos(progress, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    }
  }
  SendMessageA(progress, WM_COMMAND, kDrawCommand,
               MAKELPARAM(position_k & 0xFFFF, total_k & 0xFFFF));
  UpdateWindow(progress);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    // Tab, Enter and Escape work in the progress window.
    if (g_progress.window && IsDialogMessageA(g_progress.window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace kalvor::win32
