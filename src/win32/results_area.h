// The results area of the main dialog: the messages of the last command
// that ask nothing of the user ("Done.", a summary, the table figures, the
// warnings) are listed there, with the icon of the most serious one, instead
// of each waiting in a box.
#pragma once

#include "win32/winapi.h"

#include <string>
#include <vector>

namespace kalvor::win32 {

// One message as the core gave it: text, caption and box type (box::k*).
struct Message {
  std::string text;
  std::string caption;
  int type = 0;
};

// The message on the results list: "caption: text" (no colon after a
// caption that ends in one, or in '=', '.', '?', '!'), line ends as CR LF.
std::string ResultEntry(const Message& m);

// The messages of the command so far, from message `first` on in view
// (the latest when -1); the icon says the most serious of them (error,
// warning, else information).
void ShowResults(HWND main, const std::vector<Message>& messages, int first = -1);

// The message a finished command's results are shown from: its last one
// without a warning or error (the conversion's own summary, say), so that
// the counts and warnings given after it follow it.
int SummaryOf(const std::vector<Message>& messages);

// Of a command's messages, the one a box must still show when it ends:
// the first error, else for a command that did not complete (it failed,
// or stopped short) the last message; -1 when none must be shown.
int MessageToShow(const std::vector<Message>& messages, bool completed);

}  // namespace kalvor::win32
