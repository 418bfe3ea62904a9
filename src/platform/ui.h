// The user-interface seam: everything the core asks of the person in front of
// the program goes through here. The Windows front end shows real dialogs, the
// command-line front end prints and answers from its script or the terminal.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog.h"

namespace kalvor {

// Message box types, laid out like the classic box flags so that the
// Windows front end can pass them straight through.
namespace box {
constexpr int kOk = 0x0;
constexpr int kOkCancel = 0x1;
constexpr int kYesNo = 0x4;
constexpr int kButtonMask = 0xF;

constexpr int kIconNone = 0x00;
constexpr int kIconError = 0x10;        // "stop" / hand
constexpr int kIconQuestion = 0x20;
constexpr int kIconWarning = 0x30;      // exclamation
constexpr int kIconInformation = 0x40;  // asterisk
constexpr int kIconMask = 0xF0;

// Set when the box has no owner window (the Parts say "without owner").
constexpr int kNoOwner = 0x10000;
// An OK box that waits for the user to do what it says first ("Click here
// AFTER NetTran has run."): a front end that lists plain messages instead of
// showing them must still show this one and wait.
constexpr int kWaits = 0x20000;
}  // namespace box

// Answers, numbered like the classic dialog result ids.
namespace answer {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kYes = 6;
constexpr int kNo = 7;
}  // namespace answer

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // Shows a message and returns the answer (answer::k*).
  virtual int Notify(const std::string& text, const std::string& caption,
                     int type) = 0;

  // Asks for a file to open. On a choice the full path is put into `result`
  // and true returned; on cancel `result` is left as it was. `pattern` fills
  // the name field ("*.mac;*.wir"); an empty `initial_dir` means the current
  // directory. The current directory is the same afterwards.
  virtual bool FileDialog(std::string& result, std::size_t capacity,
                          const std::string& initial_dir,
                          const std::string& pattern) = 0;

  // One line of text. `value` holds the preset text and receives the answer
  // (at most 119 characters). Returns answer::kOk or answer::kCancel.
  virtual int InputBox(const std::string& title, const std::string& prompt,
                       std::string& value) = 0;

  // Runs a modal dialog whose behaviour lives in the core (see dialog.h).
  // Returns the result the model ended it with.
  virtual int RunDialog(DialogModel& model) = 0;

  // The modeless progress window. The core keeps the arithmetic (see
  // Progress in core/dialogs.h); the front end only draws.
  virtual void ProgressOpen(const std::string& operation,
                            const std::string& file) = 0;
  virtual void ProgressDraw(unsigned position_k, unsigned total_k,
                            bool animate) = 0;
  virtual void ProgressClose() = 0;

  // A line about the item being worked on (a node and its component, say),
  // shown under the progress bar; never a box that waits. Front ends that
  // cannot show it may drop it.
  virtual void ProgressNote(const std::string& text) { (void)text; }
  // Whether ProgressNote shows anything now: a converter need not make
  // notes that the front end drops.
  virtual bool ShowsProgressNotes() const { return true; }

  // True once the user asked to stop the running conversion (the progress
  // window's Cancel, Ctrl-C on the command line). ProgressOpen clears it.
  virtual bool CancelRequested() { return false; }

  // Whether a box with only OK waits for the user. Where it does not (the
  // command line prints it), repeated warnings are all shown.
  virtual bool OkBoxesWait() const { return true; }

  // Lets pending window messages through during long conversions.
  virtual void PumpMessages() = 0;

  // Shows the wait (hourglass) cursor until the next message is handled.
  virtual void WaitCursor() = 0;

  // The main dialog's controls (edits 101, 102, 506, the check boxes, the
  // radio buttons): the core reads and sets them through this view.
  virtual DialogView& MainDialog() = 0;
};

}  // namespace kalvor
