#include "toolchain/tool_run.h"

#include <optional>
#include <string>
#include <vector>

#include "core/safe_replace.h"
#include "platform/ui.h"
#include "text/file.h"
#include "text/strings.h"
#include "toolchain/toolchain.h"
#include "toolchain/tpr.h"

namespace kalvor {

namespace {

// Directory part of `path` (the whole path when it has no separator).
std::string DirectoryOf(const std::string& path, PathStyle style) {
  std::string dir = path;
  SplitPath(dir, style);
  return dir;
}

// The batch file's one line: the program, its options and the redirection
// of its output; a "%" is doubled, so that the batch file passes it on as
// the option line holds it and expands no variable.
std::string BatchLine(const std::string& program, const std::string& options,
                      const std::string& output) {
  std::string line = QuoteArgument(program) + " " + options + " > " + QuoteArgument(output);
  std::string doubled;
  for (char c : line) {
    doubled += c;
    if (c == '%') doubled += '%';
  }
  return doubled;
}

// The launch of R2/R3: the batch file with NetTran's output redirected to
// T.out, or the program itself. Empty when nothing was launched, and the
// user has been told why.
std::optional<OpenResult> Launch(Platform& p, const ToolDesign& d, const ToolLaunch& launch) {
  if (EqualNoCase(launch.program, launch.nettran_program) && launch.nettran_to_disk) {
    std::string batch = d.test_id + ".bat";
    const std::string line = BatchLine(launch.program, launch.options, d.test_id + ".out");
    if (line.find_first_of("\r\n") != std::string::npos) {
      // The rest would be a command of its own, and the program would run
      // without its output going to the file.
      p.ui.Notify("The command line holds a line break; nothing was run.", batch,
                  box::kOk | box::kIconError);
      return std::nullopt;
    }
    SafeOutput f(p);
    if (!f.Open(batch)) return std::nullopt;
    f.file().Write(line);
    f.file().Write(p.fs.BatchLineEnd());
    // An older batch file must not run in its place.
    if (!f.Commit()) return std::nullopt;
    return p.shell.Open(batch, "", d.test_dir);
  }
  return p.shell.Open(launch.program, launch.options, d.test_dir);
}

}  // namespace

Outcome RunOutsideProgram(const RunContext& run, const ToolDesign& d,
                          const ToolchainState& toolchain, ToolLaunch& launch) {
  Platform& p = run.platform;
  std::string found;
  if (!p.fs.ExistsOnSearchPath(launch.program, found)) {
    LocateProgram(p, launch.program);
    // Nothing was launched.
    return Outcome::kFailed;
  }
  std::optional<OpenResult> result = Launch(p, d, launch);
  if (!result) return Outcome::kFailed;
  launch.started = true;
  bool netlist_output = launch.options.find(" TPR") != std::string::npos ||
                        launch.options.find(".net") != std::string::npos;
  if (!result->started) {
    if (p.ui.Notify("There appeared to be some problem.  Did this program run?",
                    launch.program, box::kYesNo | box::kIconQuestion) != answer::kYes) {
      p.ui.Notify(
          "Check your 'PATH=' statement in AUTOEXEC.BAT for the\npath to this "
          "program.  Re-boot when added.",
          "Possible fix:", box::kOk);
      return Outcome::kFailed;
    }
    return netlist_output ? ReduceModuleNames(run, d, toolchain, launch.netlist_ext)
                          : Outcome::kCompleted;
  }
  // A host that waited knows how the program ended; a failure is no result
  // to post-process.
  if (result->waited && result->exit_status != 0) {
    p.ui.Notify(launch.program + " ended with exit status " +
                    std::to_string(result->exit_status) + ".",
                "Kalvor", box::kOk | box::kIconError);
    return Outcome::kFailed;
  }
  if (!netlist_output) return Outcome::kCompleted;
  p.ui.Notify("Click here AFTER NetTran has run.", "Kalvor", box::kOk | box::kWaits);
  return ReduceModuleNames(run, d, toolchain, launch.netlist_ext);
}

std::string AutoexecPath(Platform& p) { return p.fs.AutoexecPath(p.profile); }

Outcome LocateProgram(Platform& p, std::string& program) {
  p.ui.Notify("Please browse for location of above program.", program, box::kOk | box::kWaits);
  std::string chosen = program;
  if (!p.ui.FileDialog(chosen, 256, DirectoryOf(program, p.fs.Style()), "*.exe")) {
    return Outcome::kStopped;
  }
  std::string shortened;
  p.fs.HostForm(chosen, shortened);
  program = Truncate(shortened, 256);
  std::string program_dir = DirectoryOf(program, p.fs.Style());
  int answer = p.ui.Notify(
      "Your autoexec.bat file will be modified to include the above in a PATH= "
      "statement.  This is necessary for Nettran to run properly.  If you would "
      "prefer to do this manually, click cancel.  NOTE: you must use a SHORT "
      "form of the path name!",
      program_dir, box::kOkCancel);
  if (answer == answer::kOk && !AddToAutoexecPath(p, program_dir)) {
    return Outcome::kFailed;
  }
  program.clear();
  p.ui.Notify("You must now re-boot for changes to take effect.", "", box::kOk);
  return Outcome::kCompleted;
}

bool AddToAutoexecPath(Platform& p, const std::string& directory) {
  std::string line = "PATH=" + directory + ";%PATH%";
  std::string path = AutoexecPath(p);
  File f;
  if (path.empty() || !f.Open(path, File::Mode::kRead)) {
    p.ui.Notify(
        "Unable to locate or open your c:\\autoexec.bat.  If it is in an "
        "unusual location, edit it manually, adding the above line at the end.  "
        "If you don't have one, create one and place this line in it.",
        line, box::kOk);
    return false;
  }
  // The whole file is searched and kept, however long it is, and replaced
  // in one step by its new version.
  std::string data;
  std::vector<char> block(1 << 16);
  while (std::size_t got = f.Read(block.data(), block.size())) data.append(block.data(), got);
  std::string lowered = ToLower(data);
  std::size_t origin = lowered.rfind("path=");
  if (origin == std::string::npos) origin = 0;
  line += "\r\n";
  std::size_t crlf = data.find("\r\n", origin);
  if (crlf != std::string::npos) {
    data.insert(crlf + 2, line);
  } else {
    data += "\r\n" + line;
  }
  SafeOutput out(p);
  if (!out.Open(f.Path())) return false;
  out.file().Write(data);
  if (!out.Commit(f)) {
    p.ui.Notify(line, "Add this line to your autoexec.bat by hand:", box::kOk);
    return false;
  }
  return true;
}

}  // namespace kalvor
