#include "commands/main_window.h"

#include <algorithm>
#include <new>

#include "commands/command_table.h"
#include "commands/file_commands.h"
#include "core/startup.h"
#include "import/edif_import.h"
#include "import/netlist_reader.h"
#include "platform/resource.h"
#include "text/file.h"
#include "text/strings.h"
#include "toolchain/toolchain.h"

namespace kalvor {

namespace {

// Clears the busy mark however a command ends.
class BusyGuard {
 public:
  explicit BusyGuard(AppState& s) : s_(s) { s_.busy = true; }
  ~BusyGuard() { s_.busy = false; }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  AppState& s_;
};

}  // namespace

std::string WarningListPath(const AppState& s, PathStyle style) {
  return JoinPath(s.test_dir, (s.test_id.empty() ? std::string("kalvor") : s.test_id) +
                                  ".warnings.txt", style);
}

Outcome RunEdifImportEntry(Session& session) {
  AppState& s = session.state;
  auto opens = [&s](std::string_view ext) {
    s.selected_file = s.test_id;
    s.selected_file += ext;
    File probe;
    return probe.Open(s.selected_file, File::Mode::kRead);
  };
  // The netlist the user chose comes first: another of the same name beside
  // it (alu.edf beside alu.v) is not the one asked for.
  bool found = std::any_of(std::begin(kNetlistExtensions), std::end(kNetlistExtensions),
                           [&s](std::string_view ext) { return EqualNoCase(ext, s.selected_ext); }) &&
               opens(s.selected_ext);
  for (std::string_view ext : kNetlistExtensions) {
    if (found) break;
    found = opens(ext);
  }
  if (!found) {
    return SelectAndImportEdif(session);
  }
  s.selected_ext = SelectedExtension(s.selected_file);
  return RunEdifImport(session.context(), session.edif, EdifJobOf(session));
}

bool AnyRadioChecked(DialogView& main) {
  for (int id = id::kRadioFirst; id <= id::kRadioLast; ++id) {
    if (main.IsChecked(id)) return true;
  }
  return false;
}

const char* ArmedNetlistExt(DialogView& main) {
  return main.IsChecked(id::kMacToNet) ? ".NET" : ".TPR";
}

Outcome RunArmedProgram(Session& session) {
  AppState& s = session.state;
  ToolLaunch launch;
  launch.program = s.program_field;
  launch.options = s.option_line;
  launch.nettran_program = s.nettran_program;
  launch.nettran_to_disk = session.main().IsChecked(id::kNetTranToDisk);
  launch.netlist_ext = ArmedNetlistExt(session.main());
  Outcome outcome =
      RunOutsideProgram(session.context(), ToolDesignOf(session), session.toolchain, launch);
  s.program_field = launch.program;
  if (launch.started) s.tool_run = true;
  return outcome;
}

Outcome Run(Session& session) {
  AppState& s = session.state;
  if (!CheckTestId(session)) return Outcome::kFailed;
  s.option_line = Truncate(session.main().GetText(id::kOptions), 255);
  if (s.program_field == "spc_clean") return FindCommand(id::kSpiceClean)->run(session);
  if (s.option_line.empty() && !AnyRadioChecked(session.main())) {
    // Nothing armed: say what to do rather than what is missing.
    session.Notify("No function is chosen.\nClick the round button of a function (\"EDIF to "
                   ".mac\", say), then Run.",
                   "KALVOR", box::kOk | box::kIconWarning);
    return Outcome::kFailed;
  }
  if (s.option_line.empty() || s.test_id.empty() || s.program_field.empty()) {
    session.Notify("Please select a valid test file and option string.", "KALVOR",
                   box::kOk | box::kIconWarning);
    return Outcome::kFailed;
  }
  if (EqualNoCase(s.program_field, "internal")) {
    const Command* converter = FindConverter(s.option_line);
    if (!converter) {
      // An option line edited into something unknown must not look as if
      // it had run.
      session.Notify("The option line \"" + s.option_line +
                         "\" names none of Kalvor's own functions.\nChoose the "
                         "function again with its button.",
                     "KALVOR", box::kOk | box::kIconWarning);
      return Outcome::kFailed;
    }
    return converter->run(session);
  }
  return RunArmedProgram(session);
}

Outcome OnMainCommand(Session& session, int id) {
  if (session.state.busy) return Outcome::kStopped;
  BusyGuard guard(session.state);
  const Command* command = FindCommand(id);
  if (!command) return Outcome::kCompleted;
  session.warnings.Begin([&session] { return WarningListPath(session.state, session.style()); });
  Outcome outcome = Outcome::kFailed;
  try {
    outcome = command->act(session, *command);
  } catch (const std::bad_alloc&) {
    // (A line longer than the memory left, say.) The files being written
    // were dropped on the way here; the ones read stay as they were.
    session.progress.Close();
    session.Notify("Out of memory: the command was stopped, and the file it was writing dropped.",
                   "Error", box::kOk | box::kIconError);
  }
  session.warnings.Finish(session.ui());
  return outcome;
}

void OnFileDropped(Session& session, const std::string& path) {
  if (session.state.busy) return;
  if (!DesignPathUsable(session, path)) return;
  session.state.selected_file = path;
  SelectFile(session);
}

}  // namespace kalvor
