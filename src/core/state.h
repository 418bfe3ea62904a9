// The state of the current design and of the main dialog: what the user
// works on and what is armed. One App lives for the whole run; the commands
// read and change it in place and hand the features what they need of it.
#pragma once

#include <string>

#include "core/outcome.h"
#include "core/run_context.h"
#include "platform/platform.h"
#include "text/path_style.h"

namespace kalvor {

struct AppState {
  std::string test_id;        // root file name of the design (edit 101)
  std::string test_dir;       // design directory, ending in a separator
  std::string last_dir;       // initial directory of the file dialogs
  std::string program_dir;    // directory of the running executable
  std::string ledit_dir;      // where L-Edit extract files are
  std::string program_field;  // outside program, "internal" or "spc_clean"
  std::string option_line;    // copy of edit 102 taken at Run
  std::string selected_file;  // last chosen or dropped file
  std::string selected_ext;   // its extension with the dot
  bool tool_run = true;       // an outside program was launched
  std::string nettran_program = "nettran.exe";
  std::string gatesim_program = "gatesim.exe";

  // A converter is running: no second command may start.
  bool busy = false;
  // Set when a command ended the program (the fanout tables were doubled).
  bool exit_requested = false;
};

struct App {
  explicit App(Platform p) : platform(p) {}

  Platform platform;
  AppState state;
  RepeatedWarnings warnings;  // of the current command
  Progress progress;          // the one progress window

  // What a feature runs with.
  RunContext context() { return {platform, warnings, progress}; }

  UserInterface& ui() { return platform.ui; }
  Profile& profile() { return platform.profile; }
  Shell& shell() { return platform.shell; }
  FileSystem& fs() { return platform.fs; }
  DialogView& main() { return platform.ui.MainDialog(); }
  // How this host writes paths (the file-system seam says).
  PathStyle style() const { return platform.fs.Style(); }

  // Notify, owned by the main dialog.
  int Notify(const std::string& text, const std::string& caption, int type) {
    return platform.ui.Notify(text, caption, type);
  }
};

}  // namespace kalvor
