// The small dialogs and window helpers every function uses: the shared
// dialog colours, the open-file dialog, the input box, the dialogs whose
// behaviour lives in the core, the progress window and the message pump.
#pragma once

#include "win32/winapi.h"

#include <string>

#include "platform/dialog.h"

namespace kalvor::win32 {

// The colour handler of every dialog of the program: face-coloured
// background, window-text colour, transparent text on statics and buttons.
HBRUSH DialogColors(UINT message, HDC dc, HWND control);
// Releases the face brush (when the main dialog is destroyed).
void ReleaseDialogColors();
// True for the colour messages that DialogColors answers.
bool IsColorMessage(UINT message);
// What a dialog procedure returns for a message it does not handle itself:
// DialogColors' brush for the colour messages, FALSE for the rest.
INT_PTR DefaultDialogResult(UINT message, WPARAM wparam, LPARAM lparam);

// The caption of the open-file dialog for a pattern ("Choose a macro
// file") and its filter: the pattern's files, then All Files.
struct FileChoice {
  std::string title;
  std::string filter;  // name, null, patterns, null, ...
};
FileChoice DescribeFileChoice(const std::string& pattern);

// The open-file dialog owned by `owner`, with the caption and filter of
// DescribeFileChoice. On a choice `result` receives the
// full path. The current directory is the same afterwards.
bool FileDialog(HWND owner, std::string& result, std::size_t capacity,
                const std::string& initial_dir, const std::string& pattern);

// The one-line input box (template "input"); 1 for OK, 2 for Cancel.
int InputBox(HWND owner, const std::string& title, const std::string& prompt,
             std::string& value);
INT_PTR CALLBACK InputDlgProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Runs the template model.TemplateName() modally, owned by `owner`, and
// forwards initialisation, commands and Close to the model.
int RunModelDialog(HWND owner, DialogModel& model);

// Makes the core's dialogs and the message box (see message_box.h) ahead,
// owned by `owner` (the main dialog), a step at a time while the program
// waits for the user; after a command, the dialogs it used. RunModelDialog
// uses one that comes up where a new one would.
void PrepareDialogs(HWND owner);

// The innermost of the core's dialogs that is open (after its
// initialisation), or null.
HWND InnermostDialog();

// The one dialog procedure of every template whose behaviour is a core
// model ("vhdout", "mac2vhd", "spcsel", "MacDlg", "iodlg", "extdlg").
INT_PTR CALLBACK ModelDlgProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// The progress window (template "progbar").
INT_PTR CALLBACK BarProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
// Creates the progress window owned by `owner`, hidden. One window serves
// every conversion: made once, opened for each and hidden after it.
HWND CreateProgressWindow(HWND owner);
// Opens the progress window for a conversion, as new: the operation (text
// 103), the file (text 102), an empty bar, no note, Cancel enabled. It
// comes on the screen once the conversion has worked a quarter second
// without asking (as it lets messages through): a conversion that is over
// sooner does not flash it, and the questions asked before it reads come up
// without it.
void OpenProgressWindow(HWND progress, const std::string& operation, const std::string& file);
// A box or dialog of the conversion comes up (`asking`) or has closed: the
// open progress window, while not yet shown, waits for a quarter second of
// work after the last of them.
void DeferProgressWindow(HWND progress, bool asking);
// Puts the open progress window on the screen now, if it is not yet.
void ShowProgressWindow(HWND progress);
// Hides the progress window at the end of a conversion.
void CloseProgressWindow(HWND progress);
// Draws the bar: positions in thousands of bytes. `animate`: the icon turns.
// The latest note is shown with it.
void DrawProgress(HWND progress, unsigned position_k, unsigned total_k, bool animate);
// The line under the bar about the item being worked on; shown at the next
// draw.
void NoteProgress(const std::string& note);
// True once Cancel was pressed or the progress window closed, until the
// next progress window opens.
bool ProgressCancelled();
// Forgets a Cancel of an earlier conversion (a new command begins).
void ForgetCancel();

// Lets every pending message of the thread through.
void PumpMessages();

}  // namespace kalvor::win32
