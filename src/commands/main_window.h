// The main dialog's logic: arming functions with the radio buttons, Run's
// dispatch, and the routing of every other command through the command
// table. Both front ends call OnMainCommand with the id of the control or
// menu item.
#pragma once

#include <string>

#include "commands/session.h"
#include "core/main_dialog.h"
#include "toolchain/toolchain.h"

namespace kalvor {

// Run (103).
Outcome Run(Session& session);
// Run with "edif import": finds the EDIF file beside the test ID, else asks.
Outcome RunEdifImportEntry(Session& session);

// Whether a function is armed: one of the radio buttons is checked.
bool AnyRadioChecked(DialogView& main);

// The netlist that NetTran's post-processing rewrites: ".NET" when ".mac to
// .net" is armed, else ".TPR".
const char* ArmedNetlistExt(DialogView& main);
// Run with an outside program armed: the program field and the option line,
// launched as box 551 "NetTran output to disk" says.
Outcome RunArmedProgram(Session& session);

// Any command of the main dialog: radio buttons, Run, view buttons, menu
// items. Commands arriving while a converter runs are ignored. Warnings
// that repeat per item are collected for the command (core/warnings.h).
Outcome OnMainCommand(Session& session, int id);

// The file in the test directory that lists a command's held-back warnings:
// test ID + ".warnings.txt".
std::string WarningListPath(const AppState& state, PathStyle style);

// A file dropped on the main dialog becomes the design.
void OnFileDropped(Session& session, const std::string& path);

}  // namespace kalvor
