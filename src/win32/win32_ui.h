// The user-interface seam on real windows: message boxes, the open-file
// dialog, the input box, the core's dialogs on their templates, the progress
// window and the main dialog's controls.
#pragma once

#include "win32/winapi.h"

#include <vector>

#include "platform/ui.h"
#include "win32/results_area.h"
#include "win32/window_view.h"

namespace kalvor::win32 {

// What a message box shows: a caption that names a file (the classic "above
// file" form) is repeated as the first line of the text, where it is not
// cut off; a box without a caption gets the program's name; no line is
// wider than the screen.
struct BoxWording {
  std::string text;
  std::string caption;
};
BoxWording WordBox(const std::string& text, const std::string& caption);
// `line` with its middle left out ("...") when longer than `room`.
std::string ShortenMiddle(const std::string& line, std::size_t room);
// `text` with every word longer than `room` broken into lines, after a path
// separator where the piece has one.
std::string WrapLongWords(const std::string& text, std::size_t room);

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
  // Makes the progress window, hidden, owned by the main dialog (once: the
  // conversions show and hide it), so that no conversion waits for it.
  void PrepareProgress();

  // A command of the main dialog begins: from here its messages that ask
  // nothing (OK boxes that wait for nothing, outside the core's dialogs)
  // go to the results area instead of a box each.
  void BeginCommand();
  // The command ended. When it did not complete, or a message was an
  // error, one box shows the message that says why, as it was given.
  void EndCommand(bool completed);

 private:
  // The window that owns a file dialog: the active dialog of the program
  // (an open parameter dialog, say), else the main dialog.
  HWND ActiveOwner() const;

  // The window that owns a box (see Notify).
  HWND Owner() const;
  // Whether the open progress window is on the screen.
  bool ProgressShown() const;
  // Shows a message in a box as it was given.
  int ShowBox(const Message& m);
  // A box or dialog has closed: the progress window is put back on top, or,
  // not shown yet, waits a quarter second of work again.
  void BringProgressBack();
  // Brings the results area up to date with the messages listed so far.
  void ShowListed();

  WindowView main_{false};
  HWND progress_ = nullptr;          // the progress window while a conversion has it open
  HCURSOR wait_cursor_ = nullptr;    // the hourglass, once loaded
  HWND progress_window_ = nullptr;   // the progress window, shown or not
  bool collecting_ = false;         // a command runs: messages are listed
  std::vector<Message> messages_;   // the command's listed messages
  bool listed_unshown_ = false;     // messages_ has entries the area does not show yet
};

}  // namespace kalvor::win32
