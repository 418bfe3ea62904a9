// The user-interface seam on real windows: message boxes, the open-file
// dialog, the input box, the core's dialogs on their templates, the progress
// window and the main dialog's controls.
#pragma once

#include "win32/winapi.h"

#include "platform/ui.h"
#include "win32/window_view.h"

namespace kalvor::win32 {

// What a message box shows: a caption that names a file (the classic "above
// file" form) is repeated as the first line of the text, where it is not
// cut off; a box without a caption gets the program's name.
struct BoxWording {
  std::string text;
  std::string caption;
};
BoxWording WordBox(const std::string& text, const std::string& caption);

class WinUi : public UserInterface {
 public:
  int Notify(const std::string& text, const std::string& caption, int type) override;
  bool FileDialog(std::string& result, std::size_t capacity,
                  const std::string& initial_dir, const std::string& pattern) override;
  int InputBox(const std::string& title, const std::string& prompt,
               std::string& value) override;
  int RunDialog(DialogModel& model) override;
  void ProgressOpen(const std::string& operation, const std::string& file) override;
  void ProgressDraw(unsigned position_k, unsigned total_k, bool animate) override;
  void ProgressClose() override;
  void ProgressNote(const std::string& text) override;
  bool CancelRequested() override;
  void PumpMessages() override;
  void WaitCursor() override;
  DialogView& MainDialog() override { return main_; }

  // The main dialog's window, once it exists.
  void AttachMain(HWND hwnd) { main_.Attach(hwnd); }

 private:
  // The window that owns a file dialog: the active dialog of the program
  // (an open parameter dialog, say), else the main dialog.
  HWND ActiveOwner() const;

  WindowView main_{false};
  HWND progress_ = nullptr;
};

}  // namespace kalvor::win32
