// The main dialog's logic: arming functions with the radio buttons, Run's
// dispatch, and the routing of every other command. Both front ends call
// OnMainCommand with the id of the control or menu item.
#pragma once

#include <string>

#include "app/state.h"

namespace kalvor {

// Reads edit 101 into the test ID and stores it; false (with a message)
// when it is empty.
bool CheckTestId(App& app);
// Warns when the test ID is longer than 8 characters.
void WarnLongTestId(App& app);
// Puts `text` into edit 102, warning when it is longer than 93 characters.
void SetOptionLine(App& app, const std::string& text);

// Checks radio button `id` and clears the others of 104..117.
void CheckRadio(App& app, int id);

// Run (103).
Outcome Run(App& app);
// Run with "edif import": finds the EDIF file beside the test ID, else asks.
Outcome RunEdifImportEntry(App& app);

// Any command of the main dialog: radio buttons, Run, view buttons, menu
// items. Commands arriving while a converter runs are ignored.
Outcome OnMainCommand(App& app, int id);

// A file dropped on the main dialog becomes the design.
void OnFileDropped(App& app, const std::string& path);

// Shown when a function's converter is not part of this build.
Outcome NotAvailable(App& app, const std::string& what);

}  // namespace kalvor
