// The program-wide state: the design being worked on, what is armed, and
// the fanout tables. One App lives for the whole run; every part of the
// program reads and changes it in place.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/outcome.h"
#include "convert/convert_state.h"
#include "edif/edif_session.h"
#include "platform/platform.h"
#include "text/path_style.h"
#include "toolchain/toolchain_state.h"

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

  // Fanout tables, sized from "NETS" and "kNETS" at start.
  long nets = 0;
  long knets = 0;
  std::vector<char> fanout_names;
  std::vector<std::uint16_t> fanout_counts;
  bool tables_ok = false;

  // A converter is running: no second command may start.
  bool busy = false;
  // Set when a command ended the program (the fanout tables were doubled).
  bool exit_requested = false;
};

struct App {
  explicit App(Platform p, PathStyle s = HostPathStyle())
      : platform(p), style(s) {}

  Platform platform;
  PathStyle style;
  AppState state;
  ToolchainState toolchain;  // top module and its ports (prescan)
  EdifSession edif;          // settings that live for the whole run
  ConvertState convert;

  UserInterface& ui() { return platform.ui; }
  Profile& profile() { return platform.profile; }
  Shell& shell() { return platform.shell; }
  FileSystem& fs() { return platform.fs; }
  DialogView& main() { return platform.ui.MainDialog(); }

  // Notify, owned by the main dialog.
  int Notify(const std::string& text, const std::string& caption, int type) {
    return platform.ui.Notify(text, caption, type);
  }
};

}  // namespace kalvor
