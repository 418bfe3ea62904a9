#include "win32/results_area.h"

#include "platform/resource.h"
#include "platform/ui.h"

namespace kalvor::win32 {

namespace {

int IconOf(const Message& m) { return m.type & box::kIconMask; }

}  // namespace

std::string ResultEntry(const Message& m) {
  std::string entry = m.caption;
  if (!entry.empty()) {
    char last = entry.back();
    if (last != ':' && last != '=' && last != '.' && last != '?' && last != '!') entry += ':';
    entry += ' ';
  }
  // Line ends as the edit control shows them; the text's own blank lines
  // are kept short.
  bool newline = false;
  for (char c : m.text) {
    if (c == '\r') continue;
    if (c == '\n') {
      if (!newline) entry += "\r\n  ";
      newline = true;
      continue;
    }
    newline = false;
    entry += c;
  }
  while (!entry.empty() && entry.back() == ' ') entry.pop_back();
  return entry;
}

void ShowResults(HWND main, const std::vector<Message>& messages, int first) {
  std::string text;
  bool error = false;
  bool warning = false;
  std::size_t first_at = 0;
  for (const Message& m : messages) {
    if (!text.empty()) text += "\r\n";
    if (static_cast<int>(&m - messages.data()) == first) first_at = text.size();
    text += ResultEntry(m);
    error = error || IconOf(m) == box::kIconError;
    warning = warning || IconOf(m) == box::kIconWarning;
  }
  HWND list = GetDlgItem(main, IDC_MAIN_RESULTS);
  // The area is laid out and drawn again only when its text changes (the
  // end of a command may show what was put there before a box, or what the
  // command before it showed).
  static std::string shown;
  static LPCSTR shown_icon = nullptr;
  static int shown_state = -1;
  // Under wine every change the area makes to its text, its scroll bar and
  // its place is drawn at once while it is on the screen, each at several
  // round trips to the server, and hiding it from drawing (WM_SETREDRAW)
  // still leaves the scroll bar drawn: it is hidden while they change and
  // shown once, drawn when the dialog paints. A focused area is not hidden
  // (hiding it would move the focus).
  const bool hide = IsWindowVisible(list) && GetFocus() != list;
  if (hide) ShowWindow(list, SW_HIDE);
  if (text != shown || GetWindowTextLengthA(list) != static_cast<int>(text.size())) {
    SetWindowTextA(list, text.c_str());
    shown = text;
  }
  // The line message `first` begins at the top (as far as the text goes),
  // else the latest message in view.
  if (first >= 0) {
    LRESULT line = SendMessageA(list, EM_LINEFROMCHAR, first_at, 0);
    LRESULT top = SendMessageA(list, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageA(list, EM_LINESCROLL, 0, line - top);
  } else {
    int end = GetWindowTextLengthA(list);
    SendMessageA(list, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageA(list, EM_SCROLLCARET, 0, 0);
  }
  if (hide) ShowWindow(list, SW_SHOWNA);
  LPCSTR icon = error ? IDI_HAND : warning ? IDI_EXCLAMATION : IDI_ASTERISK;
  if (icon != shown_icon) {
    SendDlgItemMessageA(main, IDC_MAIN_RESULT_ICON, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconA(nullptr, icon)), 0);
    shown_icon = icon;
  }
  const int state = messages.empty() ? SW_HIDE : SW_SHOW;
  if (state != shown_state) {
    ShowWindow(GetDlgItem(main, IDC_MAIN_RESULT_ICON), state);
    shown_state = state;
  }
}

int SummaryOf(const std::vector<Message>& messages) {
  for (std::size_t i = messages.size(); i > 0; --i) {
    int icon = IconOf(messages[i - 1]);
    if (icon != box::kIconError && icon != box::kIconWarning) return static_cast<int>(i - 1);
  }
  return -1;
}

int MessageToShow(const std::vector<Message>& messages, bool completed) {
  for (std::size_t i = 0; i < messages.size(); ++i) {
    if (IconOf(messages[i]) == box::kIconError) return static_cast<int>(i);
  }
  if (!completed && !messages.empty()) return static_cast<int>(messages.size()) - 1;
  return -1;
}

}  // namespace kalvor::win32
