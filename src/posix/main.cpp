// kalvor: the command-line program. The same commands as the Windows
// program's main dialog, on the same core.
//
//   kalvor FUNCTION [DESIGN-FILE] [options]

#include <malloc.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "commands/file_commands.h"
#include "commands/main_window.h"
#include "platform/resource.h"
#include "core/settings.h"
#include "core/startup.h"
#include "posix/cli_ui.h"
#include "posix/posix_platform.h"
#include "text/strings.h"
#include "toolchain/prescan.h"

namespace {

using namespace kalvor;

struct CheckFlag {
  const char* flag;
  int id;
};

// The clean-up check boxes (saved like the dialog's) and box 551.
constexpr CheckFlag kCheckFlags[] = {
    {"spc-nocom", id::kNoComments}, {"spc-nonc", id::kNoNc},
    {"spc-noend", id::kNoEnd},      {"spc-nolambda", id::kNoLambda},
    {"spc-noques", id::kNoQuestion}, {"spc-noc", id::kNoC},
    {"spc-noupr", id::kNoUpper},    {"spc-diodes", id::kDiodes},
    {"spc-nocaps", id::kNoCaps},    {"nettran-to-disk", id::kNetTranToDisk},
};

void Usage(std::ostream& out) {
  out << "usage: kalvor FUNCTION [DESIGN-FILE] [options]\n\n"
         "Without DESIGN-FILE the stored test ID and test directory are used.\n\n"
         "Functions:\n";
  for (const Command& c : Commands()) {
    if (!c.name) continue;
    std::string name = c.name;
    out << "  " << name << std::string(name.size() < 13 ? 13 - name.size() : 1, ' ')
        << c.help << "\n";
  }
  out << "  select       make DESIGN-FILE the current design\n";
  out << "\nOptions:\n"
         "  --options TEXT     replace the option line before Run\n"
         "  --answer VALUE     answer the next question, input box, file dialog\n"
         "                     or dialog (yes, no, ok, cancel, or the text/file;\n"
         "                     dialogs take an option string or ID=VALUE;...)\n"
         "  --yes, --no        answer every remaining question\n"
         "  --verbose          print a line per node of the .mac to VHDL conversion\n"
         "  --ini FILE         settings file (default $KALVOR_INI, else\n"
         "                     $XDG_CONFIG_HOME/kalvor/kalvor.ini)\n"
         "  --lambda VALUE     the lambda value of the clean-up (saved)\n"
         "  --vhdl-standard    mac2vhd: tick \"standard VHDL\" in its dialog\n";
  for (const CheckFlag& c : kCheckFlags) {
    out << "  --" << c.flag << "=0|1\n";
  }
  out << "  --version          print the version and stop\n"
         "  --help             print this help and stop\n\n"
         "Exit status: 0 done, 1 stopped on a reported failure, 2 usage error.\n";
}

bool TakeValue(int argc, char** argv, int& i, const std::string& arg,
               const std::string& name, std::string& value) {
  if (arg == name) {
    if (i + 1 >= argc) return false;
    value = argv[++i];
    return true;
  }
  if (arg.rfind(name + "=", 0) == 0) {
    value = arg.substr(name.size() + 1);
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Large tables go back to the system when they are freed: a fixed
  // threshold, not one that rises with each large table freed and leaves
  // the next ones in the heap, where freeing them keeps them resident.
  mallopt(M_MMAP_THRESHOLD, 64 * 1024);
  std::vector<std::string> positional;
  std::vector<std::string> answers;
  std::string ini;
  std::string options;
  bool have_options = false;
  std::string lambda;
  bool have_lambda = false;
  int blanket = 0;
  bool vhdl_standard = false;
  bool verbose = false;
  std::map<int, bool> checks;

  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    std::string value;
    if (arg == "--help" || arg == "-h") {
      Usage(std::cout);
      return 0;
    }
    if (arg == "--version") {
      std::cout << "kalvor " << KALVOR_VERSION << "\n";
      return 0;
    }
    if (arg == "--yes") {
      blanket = answer::kYes;
      continue;
    }
    if (arg == "--no") {
      blanket = answer::kNo;
      continue;
    }
    if (arg == "--vhdl-standard") {
      vhdl_standard = true;
      continue;
    }
    if (arg == "--verbose") {
      verbose = true;
      continue;
    }
    if (arg.rfind("--", 0) == 0) {
      if (TakeValue(argc, argv, i, arg, "--answer", value)) {
        std::string wrong = CliUi::CheckAnswer(value);
        if (!wrong.empty()) {
          std::cerr << "kalvor: --answer " << value << ": " << wrong << "\n";
          return 2;
        }
        answers.push_back(value);
        continue;
      }
      if (TakeValue(argc, argv, i, arg, "--ini", value)) {
        ini = value;
        continue;
      }
      if (TakeValue(argc, argv, i, arg, "--options", value)) {
        options = value;
        have_options = true;
        continue;
      }
      if (TakeValue(argc, argv, i, arg, "--lambda", value)) {
        lambda = value;
        have_lambda = true;
        continue;
      }
      bool matched = false;
      for (const CheckFlag& c : kCheckFlags) {
        std::string flag = std::string("--") + c.flag;
        if (arg == flag) {
          checks[c.id] = true;
          matched = true;
        } else if (arg.rfind(flag + "=", 0) == 0) {
          std::string v = arg.substr(flag.size() + 1);
          if (v != "0" && v != "1") {
            std::cerr << "kalvor: " << flag << " takes 0 or 1\n";
            return 2;
          }
          checks[c.id] = v == "1";
          matched = true;
        }
      }
      if (matched) continue;
      std::cerr << "kalvor: unknown option " << arg << "\n";
      Usage(std::cerr);
      return 2;
    }
    positional.push_back(arg);
  }
  if (positional.empty() || positional.size() > 2) {
    Usage(std::cerr);
    return 2;
  }
  // "select" only makes the design current: no command follows.
  const bool select_only = positional[0] == "select";
  const Command* command = select_only ? nullptr : FindCommand(positional[0]);
  if (!select_only && !command) {
    std::cerr << "kalvor: unknown function " << positional[0] << "\n";
    Usage(std::cerr);
    return 2;
  }
  if (select_only && positional.size() < 2) {
    std::cerr << "kalvor: select needs a DESIGN-FILE\n";
    return 2;
  }

  PosixFileSystem fs;
  std::string start_dir = fs.CurrentDirectory();
  CliUi ui;
  ui.SetBaseDirectory(start_dir);
  for (const std::string& a : answers) ui.AddAnswer(a);
  ui.SetBlanketAnswer(blanket);
  if (vhdl_standard) ui.PresetDialog("mac2vhd", Format("%d=y", id::kParamField + 6));
  ui.SetVerbose(verbose);
  IniProfile profile(ini.empty() ? DefaultIniPath() : ini);
  if (!ini.empty() && ini[0] != '/') profile = IniProfile(start_dir + "/" + ini);
  PosixShell shell;
  Session app(Platform{ui, profile, shell, fs});

  StartSession(app, "");
  OpenMainDialog(app);
  for (const auto& [id, on] : checks) app.main().SetChecked(id, on);
  if (have_lambda) app.main().SetText(id::kLambda, lambda);

  if (positional.size() == 2) {
    std::string design = positional[1];
    if (design[0] != '/') design = start_dir + "/" + design;
    app.state.selected_file = design;
    SelectFile(app);
  }

  Outcome outcome = Outcome::kCompleted;
  if (command) {
    if (command->kind == CommandKind::kRadio) {
      outcome = OnMainCommand(app, command->id);
      if (outcome != Outcome::kFailed) {
        if (have_options) app.main().SetText(id::kOptions, options);
        outcome = OnMainCommand(app, id::kRun);
      }
    } else {
      // The Windows program keeps the top module's ports from the last
      // prescan; a new kalvor process finds them again.
      if (command->needs_top_module) RecallTopModule(ToolDesignOf(app), app.toolchain);
      outcome = OnMainCommand(app, command->id);
    }
  }
  // Leaving saves the check boxes and directories, as the dialog's Exit does
  // (unless a command already ended the program that way).
  if (!app.state.exit_requested && !SaveOnExit(app)) outcome = Outcome::kFailed;
  return outcome == Outcome::kFailed ? 1 : 0;
}
