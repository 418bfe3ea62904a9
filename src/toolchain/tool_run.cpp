#include "toolchain/tool_run.h"

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

// The launch of R2/R3: the batch file with NetTran's output redirected to
// T.out, or the program itself.
long Launch(App& app, bool nettran_to_disk) {
  AppState& s = app.state;
  if (EqualNoCase(s.program_field, s.nettran_program) && nettran_to_disk) {
    std::string batch = s.test_id + ".bat";
    File f;
    if (f.Open(batch, File::Mode::kCreate)) {
      f.Write(Format("%s %s > %s.out", s.program_field.c_str(),
                     s.option_line.c_str(), s.test_id.c_str()));
      f.Write(app.fs().BatchLineEnd());
      f.Close();
    }
    return app.shell().Open(batch, "", s.test_dir);
  }
  return app.shell().Open(s.program_field, s.option_line, s.test_dir);
}

}  // namespace

Outcome RunOutsideProgram(App& app, const ToolchainState& toolchain,
                          const LaunchChoice& choice) {
  AppState& s = app.state;
  std::string found;
  if (!app.fs().ExistsOnSearchPath(s.program_field, found)) {
    LocateProgram(app);
    // Nothing was launched.
    return Outcome::kFailed;
  }
  long result = Launch(app, choice.nettran_to_disk);
  s.tool_run = true;
  bool netlist_output = s.option_line.find(" TPR") != std::string::npos ||
                        s.option_line.find(".net") != std::string::npos;
  if (result <= 32) {
    if (app.Notify("There appeared to be some problem.  Did this program run?",
                   s.program_field, box::kYesNo | box::kIconQuestion) != answer::kYes) {
      app.Notify(
          "Check your 'PATH=' statement in AUTOEXEC.BAT for the\npath to this "
          "program.  Re-boot when added.",
          "Possible fix:", box::kOk);
      return Outcome::kFailed;
    }
    return netlist_output ? ReduceModuleNames(app, toolchain, choice.netlist_ext) : Outcome::kCompleted;
  }
  if (!netlist_output) return Outcome::kCompleted;
  app.Notify("Click here AFTER NetTran has run.", "Kalvor", box::kOk);
  return ReduceModuleNames(app, toolchain, choice.netlist_ext);
}

std::string AutoexecPath(App& app) { return app.fs().AutoexecPath(app.profile()); }

Outcome LocateProgram(App& app) {
  AppState& s = app.state;
  app.Notify("Please browse for location of above program.", s.program_field,
             box::kOk);
  std::string chosen = s.program_field;
  if (!app.ui().FileDialog(chosen, 256, DirectoryOf(s.program_field, app.style()),
                           "*.exe")) {
    return Outcome::kStopped;
  }
  std::string shortened;
  app.fs().HostForm(chosen, shortened);
  s.program_field = Truncate(shortened, 256);
  std::string program_dir = DirectoryOf(s.program_field, app.style());
  int answer = app.Notify(
      "Your autoexec.bat file will be modified to include the above in a PATH= "
      "statememt.  This is necessary for Nettran to run properly.  If you would "
      "prefer to do this manually, click cancel.  NOTE: you must use a SHORT "
      "form of the path name!",
      program_dir, box::kOkCancel);
  if (answer == answer::kOk && !AddToAutoexecPath(app, program_dir)) {
    return Outcome::kFailed;
  }
  s.program_field.clear();
  app.Notify("You must now re-boot for changes to take effect.", "", box::kOk);
  return Outcome::kCompleted;
}

bool AddToAutoexecPath(App& app, const std::string& directory) {
  std::string line = "PATH=" + directory + ";%PATH%";
  std::string path = AutoexecPath(app);
  File f;
  if (path.empty() || !f.Open(path, File::Mode::kReadWrite)) {
    app.Notify(
        "Unable to locate or open your c:\\autoexec.bat.  If it is in an "
        "unusual location, edit it manually, adding the above line at the end.  "
        "If you don't have one, create one and place this line in it.",
        line, box::kOk);
    return false;
  }
  // The whole file is searched and kept, however long it is: the text after
  // the insertion point is held in memory while the new line is written.
  std::string data(static_cast<std::size_t>(f.Size()), '\0');
  data.resize(f.Read(data.data(), data.size()));
  std::string lowered = ToLower(data);
  std::size_t origin = lowered.rfind("path=");
  if (origin == std::string::npos) origin = 0;
  line += "\r\n";
  std::size_t crlf = data.find("\r\n", origin);
  if (crlf != std::string::npos) {
    std::size_t insert_at = crlf + 2;
    f.Seek(static_cast<std::int64_t>(insert_at));
    f.Write(line);
    f.Write(std::string_view(data).substr(insert_at));
  } else {
    f.Seek(0, File::Whence::kEnd);
    f.Write("\r\n", 2);
    f.Write(line);
  }
  bool written = f.Flush() && !f.WriteFailed();
  f.Close();
  if (!written || f.WriteFailed()) {
    app.Notify("Unable to write above file; add the PATH line by hand.", path,
               box::kOk | box::kIconError);
    return false;
  }
  return true;
}

}  // namespace kalvor
