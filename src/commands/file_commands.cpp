#include "commands/file_commands.h"

#include <vector>

#include "platform/resource.h"
#include "core/data_files.h"
#include "core/main_dialog.h"
#include "core/safe_replace.h"
#include "core/settings.h"
#include "core/startup.h"
#include "import/edif_import.h"
#include "import/netlist_reader.h"
#include "text/file.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

bool SelectFile(App& app) {
  AppState& s = app.state;
  if (!DesignPathUsable(app, s.selected_file)) return false;
  s.tool_run = false;
  app.main().SetText(id::kOptions, "");
  for (int id = id::kRadioFirst; id <= id::kRadioLast; ++id) {
    app.main().SetChecked(id, false);
  }
  std::string dir = s.selected_file;
  std::string name = SplitPath(dir, app.style());
  bool has_dir = dir != s.selected_file;
  if (!has_dir) dir = app.fs().CurrentDirectory();
  s.test_id = name;
  s.selected_ext = SelectedExtension(name);
  if (std::size_t dot = s.test_id.rfind('.'); dot != std::string::npos) s.test_id.resize(dot);
  app.main().SetText(id::kTestId, s.test_id);
  s.last_dir = dir;
  std::string test_dir = dir.empty() ? app.fs().RootDirectory() : dir;
  s.test_dir = NormalizeTestDir(app, test_dir);
  MakeTestDirCurrent(app);
  // One change: the three keys never come from different selections.
  return SaveSettings(app, {{key::kLastDir, s.last_dir},
                            {key::kTestName, s.test_id},
                            {key::kTestDir, s.test_dir}});
}

Outcome SelectCommand(App& app, const std::string& pattern) {
  std::string chosen = app.state.selected_file;
  if (!app.ui().FileDialog(chosen, 256, app.state.last_dir, pattern)) {
    return Outcome::kStopped;
  }
  app.state.selected_file = chosen;
  return SelectFile(app) ? Outcome::kCompleted : Outcome::kFailed;
}

Outcome SelectAndImportEdif(Session& session) {
  std::string pattern;
  for (std::string_view ext : kNetlistExtensions) {
    if (!pattern.empty()) pattern += ';';
    pattern += '*';
    pattern += ext;
  }
  Outcome picked = SelectCommand(session, pattern);
  if (picked != Outcome::kCompleted) return picked;
  return RunEdifImport(session.context(), session.edif, EdifJobOf(session));
}

bool CopyWithPrompt(App& app, SafeOutput& out, const std::string& destination,
                    const std::string& source) {
  File in;
  if (!in.Open(source, File::Mode::kRead)) {
    app.Notify("Unable to open above file.", source, box::kOk | box::kNoOwner);
    return false;
  }
  if (FileExists(destination)) {
    if (app.Notify("Overwrite above file?", destination,
                   box::kYesNo | box::kIconQuestion | box::kNoOwner) !=
        answer::kYes) {
      return false;
    }
  }
  if (!out.Open(destination)) return false;
  std::vector<char> block(16000);
  for (;;) {
    std::size_t got = in.Read(block.data(), block.size());
    if (got == 0) break;
    if (!out.file().Write(block.data(), got)) break;
  }
  in.Close();
  if (!in.ReadFailed()) return true;
  out.Abort();
  ReportReadFailure(app.ui(), in.Path());
  return false;
}

Outcome CopyIntoProject(App& app, const std::string& pattern) {
  AppState& s = app.state;
  std::string sedit_dir = app.profile().GetString(key::kSEditDir, "", 256);
  if (sedit_dir.empty()) sedit_dir = s.last_dir;
  std::string chosen;
  if (!app.ui().FileDialog(chosen, 256, sedit_dir, pattern)) {
    return Outcome::kStopped;
  }
  MakeTestDirCurrent(app);
  std::size_t sep = chosen.find_last_of(PathSeparator(app.style()));
  if (sep == std::string::npos) return Outcome::kStopped;
  std::string name = chosen.substr(sep + 1);
  std::string destination = JoinPath(s.test_dir, name, app.style());
  SafeOutput out(app.platform);
  if (!CopyWithPrompt(app, out, destination, chosen)) return Outcome::kFailed;
  bool copied = false;
  if (destination.size() >= 4 &&
      EqualNoCase(destination.substr(destination.size() - 4), ".mac")) {
    // A macro file comes with its wire list: both are replaced or neither.
    destination.replace(destination.size() - 4, 4, ".wir");
    if (chosen.size() >= 4) chosen.replace(chosen.size() - 4, 4, ".wir");
    SafeOutput wir(app.platform);
    if (!CopyWithPrompt(app, wir, destination, chosen)) return Outcome::kFailed;
    copied = CommitPair(out, wir);
  } else {
    copied = out.Commit();
  }
  if (!copied) return Outcome::kFailed;
  s.selected_file = destination;
  std::string chosen_dir = chosen;
  SplitPath(chosen_dir, app.style());
  if (!SaveSettings(app, {{key::kSEditDir, chosen_dir}})) return Outcome::kFailed;
  app.Notify("Done.", "File Copy", box::kOk);
  return SelectFile(app) ? Outcome::kCompleted : Outcome::kFailed;
}

Outcome EditCommand(App& app) {
  std::string chosen;
  if (!app.ui().FileDialog(chosen, 256, app.state.last_dir,
                           "*.mac;*.wir;*.spc;*.sp;*.net;*.tpr;*.edf;*.edn;"
                           "*.edo;*.edif;*.out;*.net;*.doc;*.txt")) {
    return Outcome::kStopped;
  }
  std::string dir = chosen;
  SplitPath(dir, app.style());
  app.state.last_dir = dir;
  app.shell().Open("wordpad.exe", QuoteArgument(chosen), "");
  return Outcome::kCompleted;
}

Outcome ReformatText(App& app) {
  std::string chosen;
  if (!app.ui().FileDialog(chosen, 256, app.state.last_dir, "*.*")) {
    return Outcome::kStopped;
  }
  if (app.Notify("Reformat line-ends in above file?", chosen,
                 box::kOkCancel | box::kIconQuestion) != answer::kOk) {
    return Outcome::kStopped;
  }
  File in;
  if (!in.Open(chosen, File::Mode::kRead)) {
    app.Notify("Unable to open above file.", chosen, box::kOk);
    return Outcome::kFailed;
  }
  SafeOutput out(app.platform);
  if (!out.Open(in.Path())) return Outcome::kFailed;
  // Whole lines: a line longer than the classic 15999-byte read would be
  // cut and lose a byte at each cut.
  std::string line;
  while (ReadWholeLine(in, line)) {
    if (!WriteLine(out.file(), line)) break;
  }
  if (!out.Commit(in)) return Outcome::kFailed;
  app.Notify("Done.", "", box::kOk);
  return Outcome::kCompleted;
}

Outcome HelpCommand(App& app) {
  // The help file is plain text: the system's text viewer shows it.
  std::string help = DataFilePath(app.state.program_dir, "KALVOR.HLP", app.style());
  if (!FileExists(help) ||
      !app.shell().Open("notepad.exe", QuoteArgument(help), app.state.program_dir).started) {
    app.Notify("The help file could not be opened:\n\n" + help, "Kalvor",
               box::kOk | box::kIconWarning);
    return Outcome::kFailed;
  }
  return Outcome::kCompleted;
}

Outcome ViewButton(App& app, int id) {
  if (!CheckTestId(app)) return Outcome::kFailed;
  const char* format = nullptr;
  switch (id) {
    case id::kViewVec: format = "%s.VEC"; break;
    case id::kViewSim: format = "%s.SIM"; break;
    case id::kViewOut: format = "%s.OUT"; break;
    case id::kViewLvs: format = "%s.LVS"; break;
    case id::kViewNet: format = "%s.NET"; break;
    case id::kViewMac: format = "%s.MAC"; break;
    case id::kWaveView: format = "%s.OUT"; break;
    default: return Outcome::kCompleted;
  }
  std::string file =
      QuoteArgument(ResolveForReading(Format(format, app.state.test_id.c_str())));
  if (id != id::kWaveView) {
    app.shell().Open("notepad.exe", file, "");
    return Outcome::kCompleted;
  }
  if (app.shell().Open("gap.exe", file, "").started) return Outcome::kCompleted;
  if (app.shell().Open("waveview.exe", file, "").started) return Outcome::kCompleted;
  app.Notify(
      "Be sure this program is loaded and its location is in your PATH "
      "statement in autoexec.bat",
      "Unable to launch WAVEVIEW.EXE or GAP.EXE", box::kOk);
  return Outcome::kFailed;
}

}  // namespace kalvor
