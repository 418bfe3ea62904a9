// The one table of the program's functions. The Windows dialog routes its
// controls and menu items through it, Run finds the armed converter in it,
// and the command-line program takes its function names from it.
#pragma once

#include <span>
#include <string>

#include "commands/session.h"

namespace kalvor {

enum class CommandKind {
  kRadio,   // arms a function; Run then executes it
  kButton,  // a push button or menu item that does its work at once
};

struct Command {
  int id = 0;  // control or menu id (platform/resource.h)
  CommandKind kind = CommandKind::kButton;
  const char* name = nullptr;  // the command line's FUNCTION, nullptr: none
  const char* help = nullptr;  // the command line's one-line description
  // For functions that Run executes inside the program: the option line
  // that selects them (as arming writes it), nullptr otherwise.
  const char* keyword = nullptr;
  // Radio buttons: arms the function. Buttons: does the work. Gets its own
  // row, so that one procedure serves several rows.
  Outcome (*act)(Session&, const Command&) = nullptr;
  // Run with `keyword` in the option line (or the SPICE clean-up armed).
  Outcome (*run)(Session&) = nullptr;
  // A new command-line process has no earlier prescan: the top module and
  // its ports are found again before the command.
  bool needs_top_module = false;
};

std::span<const Command> Commands();
// The command with this control or menu id; nullptr when there is none.
const Command* FindCommand(int id);
// The command with this command-line name; nullptr when there is none.
const Command* FindCommand(const std::string& name);
// The internal converter that `option_line` selects; nullptr when it names
// none.
const Command* FindConverter(const std::string& option_line);

}  // namespace kalvor
