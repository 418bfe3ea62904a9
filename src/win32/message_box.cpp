#include "win32/message_box.h"

#include <algorithm>
#include <cstring>

namespace kalvor::win32 {

namespace {

// The controls' ids: the system box's, which the text and icon keep.
constexpr int kTextId = 0xFFFF;
constexpr int kIconId = 20;
constexpr int kUnusedId = 0;  // a button the box does not show now

// A set of buttons: ids and captions, the first one the default.
struct ButtonSet {
  UINT type;  // MB_OK, MB_OKCANCEL, MB_YESNO
  int ids[2];
  const char* captions[2];
  int escape;  // what Escape and the title bar's Close answer; 0: nothing
};
constexpr ButtonSet kButtonSets[] = {
    {MB_OK, {IDOK, 0}, {"OK", nullptr}, IDOK},
    {MB_OKCANCEL, {IDOK, IDCANCEL}, {"OK", "Cancel"}, IDCANCEL},
    {MB_YESNO, {IDYES, IDNO}, {"&Yes", "&No"}, 0},
};

struct OwnBox {
  HWND hwnd = nullptr;
  HWND owner = nullptr;  // the one it was made for; others borrow it for a run
  HWND icon = nullptr;
  HWND text = nullptr;
  HWND buttons[2] = {nullptr, nullptr};
  HFONT font = nullptr;  // the system's message font
  SIZE units{};          // the font's dialog base units
  const ButtonSet* set = nullptr;  // the buttons it has now
  bool running = false;
  bool failed = false;  // it could not be made: the system's box serves
};
OwnBox g_box;

// One box on the screen: what it answers and what Ctrl+C copies.
struct Run {
  const ButtonSet* set = nullptr;
  int answer = 0;
  std::string copy;
};
// The run of the box on the screen, else null (kept here rather than in
// the window, whose every change is a round trip to the server under wine).
Run* g_run = nullptr;

// What Ctrl+C puts on the clipboard: the caption, the text and the buttons'
// names between dashed lines.
std::string CopyText(const std::string& caption, const std::string& text, const ButtonSet& set) {
  const std::string rule = "---------------------------\r\n";
  std::string names;
  for (const char* c : set.captions) {
    if (!c) continue;
    for (const char* p = c; *p; ++p) {
      if (*p != '&') names += *p;
    }
    names += "   ";
  }
  return rule + caption + "\r\n" + rule + text + "\r\n" + rule + names + "\r\n" + rule;
}

void Copy(HWND hwnd, const std::string& text) {
  if (!OpenClipboard(hwnd)) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  void* bytes = memory ? GlobalLock(memory) : nullptr;
  if (bytes) {
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
  }
  if (memory && (!bytes || !SetClipboardData(CF_TEXT, memory))) GlobalFree(memory);
  CloseClipboard();
}

INT_PTR CALLBACK BoxProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM) {
  Run* run = hwnd == g_box.hwnd ? g_run : nullptr;
  if (message == WM_COPY && run) {
    Copy(hwnd, run->copy);
    return TRUE;
  }
  if (message != WM_COMMAND || !run || HIWORD(wparam) != BN_CLICKED) return FALSE;
  int id = LOWORD(wparam);
  // Escape and the title bar's Close come as Cancel.
  if (id == IDCANCEL && run->set->ids[1] != IDCANCEL) id = run->set->escape;
  if (id != 0 && (id == run->set->ids[0] || id == run->set->ids[1])) run->answer = id;
  return TRUE;
}

// The dialog base units of `font`: the average width of the letters and
// the height of a line, as the dialog manager measures them.
SIZE BaseUnits(HWND hwnd, HFONT font) {
  SIZE units{6, 13};
  HDC dc = GetDC(hwnd);
  if (!dc) return units;
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA metrics;
  SIZE letters;
  const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  if (GetTextMetricsA(dc, &metrics) && GetTextExtentPoint32A(dc, alphabet, 52, &letters)) {
    units.cx = (letters.cx / 26 + 1) / 2;
    units.cy = metrics.tmHeight;
  }
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return units;
}

HWND Child(HWND parent, const char* cls, DWORD style, int id) {
  return CreateWindowExA(0, cls, "", WS_CHILD | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

LPCSTR IconOf(UINT flags) {
  switch (flags & MB_ICONMASK) {
    case MB_ICONHAND: return IDI_HAND;
    case MB_ICONQUESTION: return IDI_QUESTION;
    case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
    case MB_ICONASTERISK: return IDI_ASTERISK;
    default: return nullptr;
  }
}

// Lays the box out for `text`, centred on the work area of the owner's
// screen, as the system's box is: the icon at the top left, the text beside
// it (wrapped at four fifths of the screen's width), the buttons (50 by 14
// dialog units) centred below. Returns the box's place on the screen, where
// it is shown (one move of the box's window less).
RECT LayOut(const OwnBox& b, HWND owner, const std::string& text, int count, bool icon) {
  auto dx = [&](int n) { return MulDiv(n, b.units.cx, 4); };
  auto dy = [&](int n) { return MulDiv(n, b.units.cy, 8); };
  const int margin = dx(8);
  const int spacing = dx(11);
  const int gap = dx(4);
  const int button_w = dx(50);
  const int button_h = dy(14);
  const int icon_w = icon ? GetSystemMetrics(SM_CXICON) : 0;
  const int icon_h = icon ? GetSystemMetrics(SM_CYICON) : 0;
  const int text_left = margin + (icon ? icon_w + spacing : 0);

  RECT need{0, 0, MulDiv(GetSystemMetrics(SM_CXSCREEN), 4, 5) - (icon ? icon_w + spacing : 0), 0};
  HDC dc = GetDC(b.text);
  HGDIOBJ old = SelectObject(dc, b.font);
  DrawTextA(dc, text.c_str(), -1, &need,
            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_LEFT);
  SelectObject(dc, old);
  ReleaseDC(b.text, dc);
  const int text_w = need.right + 1;
  const int text_h = need.bottom;

  const int row = count * button_w + (count - 1) * gap;
  const int width = std::max(text_left + text_w, margin + row) + margin;
  const int text_top = margin + std::max(0, (icon_h - text_h) / 2);
  const int buttons_top = std::max(text_top + text_h, margin + icon_h) + spacing;
  const int height = buttons_top + button_h + margin;

  RECT outer;
  RECT inner;
  GetWindowRect(b.hwnd, &outer);
  GetClientRect(b.hwnd, &inner);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(owner ? owner : GetActiveWindow(), MONITOR_DEFAULTTOPRIMARY),
                  &monitor);
  const RECT& work = monitor.rcWork;
  const int box_w = width + (outer.right - outer.left) - inner.right;
  const int box_h = height + (outer.bottom - outer.top) - inner.bottom;
  const UINT quiet = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
  if (icon) SetWindowPos(b.icon, nullptr, margin, margin, 0, 0, quiet | SWP_NOSIZE);
  SetWindowPos(b.text, nullptr, text_left, text_top, width - margin - text_left, text_h, quiet);
  int left = (width - row) / 2;
  for (int i = 0; i < count; ++i) {
    SetWindowPos(b.buttons[i], nullptr, left, buttons_top, button_w, button_h, quiet);
    left += button_w + gap;
  }
  const int x = std::max(work.left, (work.left + work.right - box_w) / 2);
  const int y = std::max(work.top, (work.top + work.bottom - box_h) / 2);
  return RECT{x, y, x + box_w, y + box_h};
}

}  // namespace

bool PrepareMessageBox(HWND owner) {
  OwnBox& b = g_box;
  if (b.running || b.failed || (b.hwnd && IsWindow(b.hwnd))) return false;
  if (!b.font) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      b.font = CreateFontIndirectA(&metrics.lfMessageFont);
    }
    b.failed = b.font == nullptr;
    if (!b.font) return false;
  }
  // A template without controls: the box makes its own, in its font.
  struct {
    DLGTEMPLATE head;
    WORD menu, cls, title;
  } empty{};
  empty.head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_NOIDLEMSG;
  b.hwnd = CreateDialogIndirectParamA(nullptr, &empty.head, owner, BoxProc, 0);
  b.failed = b.hwnd == nullptr;
  if (!b.hwnd) return true;
  b.owner = owner;
  b.set = nullptr;
  b.icon = Child(b.hwnd, "Static", WS_VISIBLE | SS_ICON, kIconId);
  b.text = Child(b.hwnd, "Static", WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX, kTextId);
  b.buttons[0] = Child(b.hwnd, "Button", WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, IDOK);
  b.buttons[1] = Child(b.hwnd, "Button", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kUnusedId);
  for (HWND c : {b.text, b.buttons[0], b.buttons[1]}) {
    SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(b.font), FALSE);
  }
  SendMessageA(b.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(b.font), FALSE);
  b.units = BaseUnits(b.hwnd, b.font);
  return true;
}

int RunMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  OwnBox& b = g_box;
  const ButtonSet* set = nullptr;
  for (const ButtonSet& s : kButtonSets) {
    if (s.type == (flags & MB_TYPEMASK)) set = &s;
  }
  if (!set || (flags & ~(MB_TYPEMASK | MB_ICONMASK)) != 0 || b.running || !b.hwnd ||
      !IsWindow(b.hwnd) || !b.icon || !b.text || !b.buttons[0] || !b.buttons[1]) {
    return 0;
  }
  b.running = true;
  Run run;
  run.set = set;
  run.copy = CopyText(caption, text, *set);
  g_run = &run;
  // Lent to another owner for this run only (each change is a round trip
  // to the server under wine).
  const bool lent = owner != b.owner;
  if (lent) SetWindowLongPtrA(b.hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));

  SetWindowTextA(b.hwnd, caption.c_str());
  SetWindowTextA(b.text, text.c_str());
  LPCSTR icon = IconOf(flags);
  if (icon) SendMessageA(b.icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, icon)), 0);
  ShowWindow(b.icon, icon ? SW_SHOWNA : SW_HIDE);
  if (set != b.set) {
    for (int i = 0; i < 2; ++i) {
      SetWindowLongPtrA(b.buttons[i], GWLP_ID, set->ids[i] ? set->ids[i] : kUnusedId);
      SetWindowTextA(b.buttons[i], set->captions[i] ? set->captions[i] : "");
    }
    ShowWindow(b.buttons[1], set->ids[1] ? SW_SHOWNA : SW_HIDE);
    // Yes and No leave nothing to close the box with but themselves: the
    // window menu's Close and the title bar's are greyed then.
    EnableMenuItem(GetSystemMenu(b.hwnd, FALSE), SC_CLOSE,
                   MF_BYCOMMAND | (set->escape ? MF_ENABLED : MF_GRAYED));
    b.set = set;
  }
  // The first button is the default one, whatever the last box left.
  for (int i = 0; i < 2; ++i) {
    SendMessageA(b.buttons[i], BM_SETSTYLE, i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, FALSE);
  }
  SendMessageA(b.hwnd, DM_SETDEFID, static_cast<WPARAM>(set->ids[0]), 0);
  const RECT place = LayOut(b, owner, text, set->ids[1] ? 2 : 1, icon != nullptr);

  const bool disable = owner && IsWindowEnabled(owner);
  if (disable) EnableWindow(owner, FALSE);
  MessageBeep(flags & MB_ICONMASK);
  // Moved, shown on top and activated at once, as ShowWindow would show it.
  SetWindowPos(b.hwnd, HWND_TOP, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_SHOWWINDOW);
  SendMessageA(b.hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(b.buttons[0]), TRUE);

  MSG msg;
  while (run.answer == 0 && IsWindow(b.hwnd)) {
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
      // The program ends: the box answers as Escape would, or No.
      PostQuitMessage(static_cast<int>(msg.wParam));
      run.answer = set->escape ? set->escape : set->ids[1];
      break;
    }
    // Ctrl+C (or Ctrl+Insert) copies the box.
    if (msg.message == WM_KEYDOWN && (msg.wParam == 'C' || msg.wParam == VK_INSERT) &&
        GetKeyState(VK_CONTROL) < 0 && (msg.hwnd == b.hwnd || IsChild(b.hwnd, msg.hwnd))) {
      SendMessageA(b.hwnd, WM_COPY, 0, 0);
      continue;
    }
    if (!IsDialogMessageA(b.hwnd, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (!IsWindow(b.hwnd) && run.answer == 0) run.answer = set->escape ? set->escape : set->ids[1];
  // The owner first, so that it is the one activated when the box goes.
  if (disable) EnableWindow(owner, TRUE);
  if (IsWindow(b.hwnd)) {
    ShowWindow(b.hwnd, SW_HIDE);
    if (lent) SetWindowLongPtrA(b.hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(b.owner));
  }
  if (owner && GetActiveWindow() != owner && IsWindowVisible(owner)) SetActiveWindow(owner);
  g_run = nullptr;
  b.running = false;
  return run.answer;
}

}  // namespace kalvor::win32
