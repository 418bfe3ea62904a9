// kalvor: the command-line program. The same commands as the Windows
// program's main dialog, on the same core.
//
//   kalvor FUNCTION [DESIGN-FILE] [options]

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "commands/file_commands.h"
#include "commands/main_window.h"
#include "platform/resource.h"
#include "core/safe_replace.h"
#include "core/settings.h"
#include "core/startup.h"
#include "platform/resource.h"
#include "posix/cli_options.h"
#include "posix/cli_ui.h"
#include "posix/posix_platform.h"
#include "posix/run_summary.h"
#include "toolchain/prescan.h"

namespace {

using namespace kalvor;

// A named option the function never asks is a mistake in the script. The
// main window's boxes belong to every function, as in the dialog.
std::string NotAskedBy(const CliOptions& o, const std::string& function) {
  for (const NamedOption& row : NamedOptions()) {
    if (!Given(row, o) || row.asked == Asked::kMainCheck || row.asked == Asked::kMainText) {
      continue;
    }
    bool asked = false;
    for (const NamedOption& other : NamedOptions()) {
      if (std::string(other.name) == row.name && AskedBy(other, function)) asked = true;
    }
    if (!asked) return std::string("--") + row.name + " is not asked by " + function;
  }
  return "";
}

int UsageError(const std::string& what) {
  std::cerr << "kalvor: " << what << "\n";
  PrintUsage(std::cerr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  SetUpProcessMemory();
  CliOptions o;
  std::string wrong = ParseCommandLine(argc, argv, o);
  if (!wrong.empty()) return UsageError(wrong);
  if (o.version) {
    std::cout << "kalvor " << KALVOR_VERSION << "\n";
    return 0;
  }
  std::vector<std::string>& positional = o.positional;
  // kalvor help FUNCTION, kalvor FUNCTION --help.
  if (!positional.empty() && positional[0] == "help") {
    if (positional.size() == 2 && PrintFunctionHelp(std::cout, positional[1])) return 0;
    if (positional.size() == 1) {
      PrintUsage(std::cout);
      return 0;
    }
    return UsageError("no function " + positional.back());
  }
  if (o.help) {
    if (positional.empty() || !PrintFunctionHelp(std::cout, positional[0])) PrintUsage(std::cout);
    return 0;
  }
  for (const std::string& a : o.answers) {
    std::string bad = CliUi::CheckAnswer(a);
    if (!bad.empty()) {
      std::cerr << "kalvor: --answer " << a << ": " << bad << "\n";
      return 2;
    }
  }
  if (positional.empty() || positional.size() > 2) {
    PrintUsage(std::cerr);
    return 2;
  }
  // "select" only makes the design current: no command follows.
  const bool select_only = positional[0] == "select";
  const Command* command = select_only ? nullptr : FindCommand(positional[0]);
  if (!select_only && !command) return UsageError("unknown function " + positional[0]);
  if (select_only && positional.size() < 2) {
    std::cerr << "kalvor: select needs a DESIGN-FILE\n";
    return 2;
  }
  wrong = NotAskedBy(o, positional[0]);
  if (!wrong.empty()) return UsageError(wrong);

  RunSummary summary;
  summary.keep_texts = !o.report.empty();  // only the report lists them
  RecordingFileSystem fs(summary);
  std::string start_dir = fs.CurrentDirectory();
  CliUi ui;
  ui.SetSummary(&summary);
  ui.SetQuiet(o.quiet);
  ui.SetBaseDirectory(start_dir);
  for (const std::string& a : o.answers) ui.AddAnswer(a);
  ui.SetBlanketAnswer(o.blanket);
  ui.SetNamedAnswers(&o, positional[0]);
  ui.SetVerbose(o.verbose);
  const std::string& ini = o.ini;
  IniProfile profile(ini.empty() ? DefaultIniPath() : ini);
  if (!ini.empty() && ini[0] != '/') profile = IniProfile(start_dir + "/" + ini);
  PosixShell shell;
  Session app(Platform{ui, profile, shell, fs});

  StartSession(app, "");
  OpenMainDialog(app);
  if (profile.ReadFailed()) {
    // Nothing runs on settings that are not the user's; the file is left
    // as it is.
    ReportReadFailure(ui, profile.path());
    return 1;
  }
  // The main window's boxes and fields, saved like the dialog's.
  for (const NamedOption& row : NamedOptions()) {
    if (row.asked == Asked::kMainCheck && (o.*row.flag)) {
      app.main().SetChecked(row.control, *(o.*row.flag));
    } else if (row.asked == Asked::kMainText && (o.*row.text_value)) {
      app.main().SetText(row.control, *(o.*row.text_value));
    }
  }

  Outcome outcome = Outcome::kCompleted;
  if (positional.size() == 2) {
    std::string design = positional[1];
    if (design[0] != '/') design = start_dir + "/" + design;
    app.state.selected_file = design;
    if (!SelectFile(app)) outcome = Outcome::kFailed;
  }

  if (command && outcome != Outcome::kFailed) {
    if (command->kind == CommandKind::kRadio) {
      outcome = OnMainCommand(app, command->id);
      if (outcome != Outcome::kFailed) {
        if (o.option_line) app.main().SetText(id::kOptions, *o.option_line);
        outcome = OnMainCommand(app, id::kRun);
      }
    } else {
      // The Windows program keeps the top module's ports from the last
      // prescan; a new kalvor process finds them again.
      std::string unreadable;
      if (command->needs_top_module &&
          !RecallTopModule(ToolDesignOf(app), app.toolchain, unreadable)) {
        ReportReadFailure(ui, unreadable);
        outcome = Outcome::kFailed;
      } else {
        outcome = OnMainCommand(app, command->id);
      }
    }
  }
  // Leaving saves the check boxes and directories, as the dialog's Exit does
  // (unless a command already ended the program that way).
  if (!app.state.exit_requested && !SaveOnExit(app)) outcome = Outcome::kFailed;
  // A setting that could not be saved was reported where it happened; the
  // run did not do all it was asked.
  if (profile.SaveFailed()) outcome = Outcome::kFailed;
  if (select_only) return outcome == Outcome::kFailed ? 1 : 0;

  const char* ended = outcome == Outcome::kFailed    ? "failed"
                      : outcome == Outcome::kStopped ? "stopped"
                                                     : "completed";
  if (!o.report.empty()) {
    std::string path = o.report[0] == '/' ? o.report : start_dir + "/" + o.report;
    std::string json = SummaryJson(summary, positional[0], app.state.test_dir + app.state.test_id,
                                   ended, outcome == Outcome::kFailed ? 1 : 0);
    SafeOutput report(app.platform);
    // A report that cannot be written is reported and fails the run.
    if (!report.Open(path) || !report.file().Write(json) || !report.Commit()) {
      outcome = Outcome::kFailed;
    }
  }
  if (!o.quiet) std::cerr << SummaryLine(summary, positional[0], ended) << "\n";
  return outcome == Outcome::kFailed ? 1 : 0;
}
