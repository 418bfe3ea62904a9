#include "win32/win32_ui.h"

#include "platform/ui.h"
#include "win32/dialog_kit.h"
#include "win32/globals.h"
#include "win32/message_box.h"

namespace kalvor::win32 {

HWND WinUi::ActiveOwner() const {
  HWND active = GetActiveWindow();
  if (active) {
    DWORD process = 0;
    GetWindowThreadProcessId(active, &process);
    if (process == GetCurrentProcessId()) return active;
  }
  return g_main;
}

// A box is owned by the main dialog, or, while one of the core's dialogs is
// open, by that dialog: otherwise the dialog stays enabled under the box and
// a second OK could start its work again while the first one still asks.
// While a conversion's progress window is on the screen, its questions and
// dialogs belong to that window: they come up over it and it stays over the
// main dialog, in view.
HWND WinUi::Owner() const {
  if (HWND dialog = InnermostDialog()) return dialog;
  return ProgressShown() ? progress_ : g_main;
}

bool WinUi::ProgressShown() const { return progress_ && IsWindowVisible(progress_); }

int WinUi::ShowBox(const Message& m) {
  DeferProgressWindow(progress_, true);
  HWND owner = (m.type & box::kNoOwner) ? nullptr : Owner();
  UINT flags = static_cast<UINT>(m.type & (box::kButtonMask | box::kIconMask));
  BoxWording wording = WordBox(m.text, m.caption);
  // The box made ahead, else (it shows another box, say) the system's.
  if (int answer = RunMessageBox(owner, wording.text, wording.caption, flags)) return answer;
  return MessageBoxA(owner, wording.text.c_str(), wording.caption.c_str(), flags);
}

// While a command runs, a message that asks nothing is listed in the results
// area. Questions, boxes that wait for the user to act, and the answers of
// an open dialog (its OK refused, say) stay boxes.
int WinUi::Notify(const std::string& text, const std::string& caption, int type) {
  Message m{text, caption, type};
  bool asks = (type & box::kButtonMask) != box::kOk || (type & box::kWaits) != 0;
  if (!collecting_ || asks || InnermostDialog() || !g_main) {
    ShowListed();
    int answer = ShowBox(m);
    BringProgressBack();
    return answer;
  }
  // The area is filled once, when the command ends, or before a box or
  // dialog the messages so far may explain: laying it out and drawing it
  // costs as much as a short conversion.
  messages_.push_back(m);
  listed_unshown_ = true;
  return answer::kOk;
}

void WinUi::ShowListed() {
  if (!listed_unshown_ || !g_main) return;
  listed_unshown_ = false;
  ShowResults(g_main, messages_);
}

void WinUi::BeginCommand() {
  collecting_ = true;
  messages_.clear();
  ForgetCancel();
}

void WinUi::EndCommand(bool completed) {
  collecting_ = false;
  listed_unshown_ = false;
  // Cancel was the user's own choice: it is said in the results, in no box.
  if (ProgressCancelled()) {
    messages_.push_back(Message{"Stopped by Cancel: the files it would replace are kept.",
                                "Cancel", box::kOk});
    completed = true;
  }
  if (!messages_.empty()) ShowResults(g_main, messages_, SummaryOf(messages_));
  int shown = MessageToShow(messages_, completed);
  if (shown >= 0) ShowBox(messages_[static_cast<std::size_t>(shown)]);
  messages_.clear();
}

bool WinUi::FileDialog(std::string& result, std::size_t capacity,
                       const std::string& initial_dir, const std::string& pattern) {
  ShowListed();
  DeferProgressWindow(progress_, true);
  bool chosen = win32::FileDialog(ActiveOwner(), result, capacity, initial_dir, pattern);
  BringProgressBack();
  return chosen;
}

// When a box or dialog closes, the main dialog may be raised over the
// progress window it owns: the progress window comes back on top, so that it
// and its Cancel stay in view while the conversion asks and works. One not
// shown yet waits for work that takes long enough to show it.
void WinUi::BringProgressBack() {
  if (ProgressShown()) {
    SetWindowPos(progress_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  } else {
    DeferProgressWindow(progress_, false);
  }
}

namespace {

constexpr std::size_t kCaptionRoom = 60;  // characters a title bar shows
constexpr std::size_t kLineRoom = 70;     // characters of a box's text line

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string ShortenMiddle(const std::string& line, std::size_t room) {
  if (line.size() <= room) return line;
  std::size_t tail = room * 2 / 3;
  std::size_t head = room - tail - 3;
  return line.substr(0, head) + "..." + line.substr(line.size() - tail);
}

std::string WrapLongWords(const std::string& text, std::size_t room) {
  std::string out;
  std::size_t start = 0;  // of the current word's piece in `out`
  for (char c : text) {
    out += c;
    if (c == ' ' || c == '\n') {
      start = out.size();
      continue;
    }
    if (out.size() - start < room) continue;
    // Break after the piece's last separator, else where the room ends.
    std::size_t cut = out.size();
    for (std::size_t i = out.size(); i > start + 1; --i) {
      if (IsSeparator(out[i - 1])) {
        cut = i;
        break;
      }
    }
    out.insert(cut, "\n");
    start = cut + 1;
  }
  return out;
}

BoxWording WordBox(const std::string& text, const std::string& caption) {
  BoxWording w{text, caption};
  // A title bar cuts a long path and hides what "above file" means: the
  // path is also the first line of the text.
  if (caption.find_first_of("\\/") != std::string::npos) w.text = caption + "\n\n" + text;
  if (w.caption.empty()) w.caption = "Kalvor";
  // No box wider than the screen: long paths are wrapped at their
  // separators in the text and shortened in the middle in the caption.
  w.text = WrapLongWords(w.text, kLineRoom);
  w.caption = ShortenMiddle(w.caption, kCaptionRoom);
  return w;
}

int WinUi::InputBox(const std::string& title, const std::string& prompt,
                    std::string& value) {
  ShowListed();
  DeferProgressWindow(progress_, true);
  int answer = win32::InputBox(ActiveOwner(), title, prompt, value);
  BringProgressBack();
  return answer;
}

int WinUi::RunDialog(DialogModel& model) {
  ShowListed();
  DeferProgressWindow(progress_, true);
  int result = RunModelDialog(ProgressShown() ? progress_ : g_main, model);
  BringProgressBack();
  return result;
}

void WinUi::ProgressOpen(const std::string& operation, const std::string& file) {
  PrepareProgress();
  progress_ = progress_window_;
  OpenProgressWindow(progress_, operation, file);
}

void WinUi::PrepareProgress() {
  if (!progress_window_ || !IsWindow(progress_window_)) {
    progress_window_ = CreateProgressWindow(g_main);
  }
}

void WinUi::ProgressDraw(unsigned position_k, unsigned total_k, bool animate) {
  DrawProgress(progress_, position_k, total_k, animate);
}

void WinUi::ProgressClose() {
  CloseProgressWindow(progress_);
  progress_ = nullptr;
}

void WinUi::ProgressNote(const std::string& text) { NoteProgress(text); }

bool WinUi::CancelRequested() { return ProgressCancelled(); }

void WinUi::PumpMessages() { win32::PumpMessages(); }

void WinUi::WaitCursor() {
  // Loaded once: each load asks after the display's settings (under wine,
  // three requests to its server at every step of a conversion).
  if (!wait_cursor_) wait_cursor_ = LoadCursor(nullptr, IDC_WAIT);
  SetCursor(wait_cursor_);
}

}  // namespace kalvor::win32
