#include "toolchain/tool_run.h"

#include "app/ids.h"
#include "app/main_window.h"
#include "platform/ui.h"
#include "text/file.h"
#include "text/strings.h"
#include "toolchain/macro_include.h"
#include "toolchain/prescan.h"
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

// A name relative to the test directory's parent, as the S-Edit export
// places it: "..\sedit\<name>.sp".
std::string SEditNetlist(const std::string& test_id, PathStyle style) {
  char sep = PathSeparator(style);
  return std::string("..") + sep + "sedit" + sep + test_id + ".sp";
}

// NetTran functions that produce a netlist: ".mac to .net" and ".mac to .tpr".
void ArmNetlist(App& app, const char* option_format, const char* include_key) {
  AppState& s = app.state;
  SetOptionLine(app, Format(option_format, s.test_dir.c_str(), s.test_id.c_str(),
                            s.test_dir.c_str(), s.test_id.c_str(),
                            s.test_id.c_str()));
  InsertMacroInclude(app, include_key);
  PrescanTopModule(app);
}

void ArmLvs(App& app) {
  AppState& s = app.state;
  CheckRadio(app, id::kLvs);
  std::string found;
  if (!app.fs().ExistsOnSearchPath("LVS.EXE", found)) {
    app.Notify(
        "LVS.EXE must be in your autoexec.bat PATH statement to use KALVOR for "
        "LVS",
        "KALVOR", box::kOk | box::kIconError);
  }
  if (!CheckTestId(app)) return;
  s.program_field = "lvs.exe";
  app.main().SetText(id::kOptions, "");
  std::string schematic = s.test_id + ".spc";
  if (!FileExists(schematic)) {
    std::string sedit = SEditNetlist(s.test_id, app.style);
    if (FileExists(sedit)) {
      schematic = sedit;
    } else {
      app.Notify(Format("Could not find nettran generated %s.spc\nor sedit "
                        "generated %s",
                        s.test_id.c_str(), sedit.c_str()),
                 "KALVOR", box::kOk | box::kIconWarning);
    }
  }
  std::string layout;
  if (!app.ui().FileDialog(layout, 256, JoinPath(s.ledit_dir, "extract", app.style),
                           "*.spc")) {
    return;
  }
  SetOptionLine(app, Format("-o %s.lvs -vf %s %s", s.test_id.c_str(),
                            schematic.c_str(), layout.c_str()));
}

// The launch of R2/R3: the batch file with NetTran's output redirected to
// T.out, or the program itself.
long Launch(App& app) {
  AppState& s = app.state;
  if (EqualNoCase(s.program_field, s.nettran_program) &&
      app.main().IsChecked(id::kNetTranToDisk)) {
    std::string batch = s.test_id + ".bat";
    File f;
    if (f.Open(batch, File::Mode::kCreate)) {
      f.Write(Format("%s %s > %s.out", s.program_field.c_str(),
                     s.option_line.c_str(), s.test_id.c_str()));
      // POSIX shells would take a CR as part of the output file's name.
      f.Write(app.style == PathStyle::kWindows ? "\r\n" : "\n");
      f.Close();
    }
    return app.shell().Open(batch, "", s.test_dir);
  }
  return app.shell().Open(s.program_field, s.option_line, s.test_dir);
}

}  // namespace

void SelectToolFunction(App& app, int id) {
  AppState& s = app.state;
  switch (id) {
    case id::kMacToNet:
      CheckRadio(app, id);
      if (!CheckTestId(app)) return;
      WarnLongTestId(app);
      s.program_field = s.nettran_program;
      ArmNetlist(app, "-m %s%s.mac %s%s.wir %s.net", "sim.mac");
      return;
    case id::kGateSim:
      CheckRadio(app, id);
      if (!CheckTestId(app)) return;
      WarnLongTestId(app);
      s.program_field = s.gatesim_program;
      SetOptionLine(app, s.test_id + ".sim");
      if (!s.tool_run) {
        app.Notify("You may need to run NetTran before GateSim to update .net file",
                   "KALVOR", box::kOk | box::kIconInformation);
      }
      return;
    case id::kMacToTpr:
      s.program_field = s.nettran_program;
      CheckRadio(app, id);
      if (!CheckTestId(app)) return;
      WarnLongTestId(app);
      ArmNetlist(app, "-m %s%s.mac %s%s.wir -f TPR %s", "tpr.mac");
      return;
    case id::kPrune: {
      CheckRadio(app, id);
      if (!CheckTestId(app)) return;
      WarnLongTestId(app);
      s.program_field = s.nettran_program;
      SetOptionLine(app, Format("-m %s%s.mac %s%s.wir -P %s.tmc", s.test_dir.c_str(),
                                s.test_id.c_str(), s.test_dir.c_str(),
                                s.test_id.c_str(), s.test_id.c_str()));
      std::string mac = s.test_dir + s.test_id + ".mac";
      if (!FileExists(mac)) {
        app.Notify(".mac file not found, export nettran from sedit", mac,
                   box::kOk | box::kIconWarning);
      }
      return;
    }
    case id::kGenSpice: {
      CheckRadio(app, id);
      if (!CheckTestId(app)) return;
      WarnLongTestId(app);
      s.program_field = s.nettran_program;
      SetOptionLine(app, Format("-m %s.tmc -F spice %s%s.wir %s", s.test_id.c_str(),
                                s.test_dir.c_str(), s.test_id.c_str(),
                                s.test_id.c_str()));
      std::string tmc = s.test_id + ".tmc";
      if (!FileExists(tmc)) {
        app.Notify(".tmc file not found, run Prune first.", tmc,
                   box::kOk | box::kIconWarning);
      }
      std::string wir = s.test_dir + s.test_id + ".wir";
      if (!FileExists(wir)) {
        app.Notify(".wir file not found, export nettran from sedit", wir,
                   box::kOk | box::kIconWarning);
      }
      if (!s.tool_run) {
        app.Notify("You may need to prune before spice gen to update .tmc file",
                   "KALVOR", box::kOk | box::kIconInformation);
      }
      InsertMacroInclude(app, "spc.mac");
      return;
    }
    case id::kLvs:
      ArmLvs(app);
      return;
    default:
      return;
  }
}

Outcome RunOutsideProgram(App& app) {
  AppState& s = app.state;
  std::string found;
  if (!app.fs().ExistsOnSearchPath(s.program_field, found)) {
    LocateProgram(app);
    // Nothing was launched.
    return Outcome::kFailed;
  }
  long result = Launch(app);
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
    return netlist_output ? ReduceModuleNames(app) : Outcome::kCompleted;
  }
  if (!netlist_output) return Outcome::kCompleted;
  app.Notify("Click here AFTER NetTran has run.", "Kalvor", box::kOk);
  return ReduceModuleNames(app);
}

std::string AutoexecPath(App& app) {
  if (app.style == PathStyle::kWindows) return "c:\\autoexec.bat";
  return app.profile().GetString(kAutoexecKey, "", 256);
}

Outcome LocateProgram(App& app) {
  AppState& s = app.state;
  app.Notify("Please browse for location of above program.", s.program_field,
             box::kOk);
  std::string chosen = s.program_field;
  if (!app.ui().FileDialog(chosen, 256, DirectoryOf(s.program_field, app.style),
                           "*.exe")) {
    return Outcome::kStopped;
  }
  std::string shortened;
  if (!app.fs().ShortPath(chosen, shortened)) shortened = chosen;
  // Windows paths are kept in lower case; POSIX names are case-sensitive.
  if (app.style == PathStyle::kWindows) shortened = ToLower(shortened);
  s.program_field = Truncate(shortened, 256);
  std::string program_dir = DirectoryOf(s.program_field, app.style);
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
