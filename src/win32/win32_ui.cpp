#include "win32/win32_ui.h"

#include "platform/ui.h"
#include "win32/dialog_kit.h"
#include "win32/globals.h"

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
int WinUi::Notify(const std::string& text, const std::string& caption, int type) {
  HWND dialog = InnermostDialog();
  HWND owner = (type & box::kNoOwner) ? nullptr : dialog ? dialog : g_main;
  UINT flags = static_cast<UINT>(type & (box::kButtonMask | box::kIconMask));
  BoxWording wording = WordBox(text, caption);
  return MessageBoxA(owner, wording.text.c_str(), wording.caption.c_str(), flags);
}

bool WinUi::FileDialog(std::string& result, std::size_t capacity,
                       const std::string& initial_dir, const std::string& pattern) {
  return win32::FileDialog(ActiveOwner(), result, capacity, initial_dir, pattern);
}

BoxWording WordBox(const std::string& text, const std::string& caption) {
  BoxWording w{text, caption};
  // A title bar cuts a long path and hides what "above file" means: the
  // path is also the first line of the text.
  if (caption.find_first_of("\\/") != std::string::npos) w.text = caption + "\n\n" + text;
  if (w.caption.empty()) w.caption = "Kalvor";
  return w;
}

int WinUi::InputBox(const std::string& title, const std::string& prompt,
                    std::string& value) {
  return win32::InputBox(ActiveOwner(), title, prompt, value);
}

int WinUi::RunDialog(DialogModel& model) {
  return RunModelDialog(g_main, model);
}

void WinUi::ProgressOpen(const std::string& operation, const std::string& file) {
  if (progress_) DestroyWindow(progress_);
  progress_ = OpenProgressWindow(g_main, operation, file);
}

void WinUi::ProgressDraw(unsigned position_k, unsigned total_k, bool animate) {
  DrawProgress(progress_, position_k, total_k, animate);
}

void WinUi::ProgressClose() {
  if (progress_) DestroyWindow(progress_);
  progress_ = nullptr;
}

void WinUi::ProgressNote(const std::string& text) { NoteProgress(text); }

bool WinUi::CancelRequested() { return ProgressCancelled(); }

void WinUi::PumpMessages() { win32::PumpMessages(); }

void WinUi::WaitCursor() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }

}  // namespace kalvor::win32
