#include "core/startup.h"

#include "platform/resource.h"
#include "core/settings.h"
#include "text/strings.h"

namespace kalvor {

std::string NormalizeTestDir(App& app, const std::string& dir) {
  if (dir.empty()) return dir;
  std::string result;
  app.fs().HostForm(dir, result);
  char sep = PathSeparator(app.style());
  if (result.empty() || result.back() != sep) result += sep;
  return result;
}

void MakeTestDirCurrent(App& app) {
  if (app.state.test_dir.empty()) return;
  app.fs().ChangeDirectory(app.state.test_dir);
}

bool UsableName(const std::string& name, PathStyle style) {
  for (char c : name) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f || (c == '"' && style == PathStyle::kWindows)) return false;
  }
  return true;
}

std::string ShownName(const std::string& name) {
  std::string shown = name;
  for (char& c : shown) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) c = '?';
  }
  return shown;
}

std::string SelectedExtension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : Truncate(name.substr(dot), 11);
}

bool DesignPathUsable(App& app, const std::string& path) {
  if (path.size() > kDesignPathCapacity) {
    app.Notify(Format("This path is longer than %ld characters, which Kalvor cannot work with; "
                      "the file was not taken:\n\n%s",
                      static_cast<long>(kDesignPathCapacity), ShownName(path).c_str()),
               "Kalvor", box::kOk | box::kIconWarning);
    return false;
  }
  if (!UsableName(path, app.style())) {
    app.Notify("This path holds a line break or another character that Kalvor cannot work "
               "with; the file was not taken:\n\n" + ShownName(path),
               "Kalvor", box::kOk | box::kIconWarning);
    return false;
  }
  return true;
}

void StartUp(App& app, const std::string& command_line) {
  AppState& s = app.state;
  const std::string& line = command_line;
  if (!line.empty() && DesignPathUsable(app, line)) {
    std::string dir = line;
    std::string name = SplitPath(dir, app.style());
    if (dir == line) {
      // A bare file name: the design lives in the current directory.
      dir = app.fs().CurrentDirectory();
    }
    s.test_id = name;
    std::size_t dot = s.test_id.find('.');
    if (dot != std::string::npos) s.test_id.resize(dot);
    // The file's own extension, as a selected file's: the netlist named is
    // the one the EDIF import reads.
    s.selected_ext = SelectedExtension(name);
    s.test_dir = NormalizeTestDir(app, dir.empty() ? app.fs().RootDirectory() : dir);
  }
}

void OpenMainDialog(App& app) {
  AppState& s = app.state;
  Profile& p = app.profile();
  std::string exe = app.fs().ExecutablePath();
  SplitPath(exe, app.style());
  s.program_dir = exe;
  if (!s.test_id.empty()) {
    s.last_dir = s.test_dir;
  } else {
    s.test_id = p.GetString(key::kTestName, "", 256);
    s.last_dir = p.GetString(key::kLastDir, "", 256);
    std::string dir = p.GetString(key::kTestDir, "", 256);
    s.test_dir = dir.empty() ? dir : NormalizeTestDir(app, dir);
    if (!dir.empty() && s.test_dir.empty()) s.test_dir = dir;
  }
  DialogView& view = app.main();
  view.SetText(id::kTestId, s.test_id);
  MakeTestDirCurrent(app);
  s.ledit_dir = p.GetString(key::kLeditDir, "", 256);
  if (s.ledit_dir.empty()) {
    // The same relative place as "..\\ledit", with this host's separator.
    s.ledit_dir = JoinPath("..", "ledit", app.style());
  }
  for (const CheckBoxSetting& box : kCheckBoxSettings) {
    view.SetChecked(box.id, p.GetInt(box.key, box.checked ? 1 : 0) != 0);
  }
  view.SetText(id::kLambda, p.GetString(key::kSpcLambda, defaults::kSpcLambda, 10));
  s.gatesim_program = p.GetString(key::kGatesimExe, "gatesim.exe", 260);
  s.nettran_program = p.GetString(key::kNettranExe, "nettran.exe", 260);
}

bool SaveSettings(Platform& p, const std::vector<std::pair<std::string, std::string>>& entries) {
  if (p.profile.PutStrings(entries)) return true;
  p.ui.Notify("Unable to save the settings in above file.", p.profile.Where(),
              box::kOk | box::kIconError);
  return false;
}

bool SaveSettings(App& app, const std::vector<std::pair<std::string, std::string>>& entries) {
  return SaveSettings(app.platform, entries);
}

bool SaveOnExit(App& app) {
  DialogView& view = app.main();
  std::vector<std::pair<std::string, std::string>> entries;
  for (const CheckBoxSetting& box : kCheckBoxSettings) {
    entries.emplace_back(box.key, view.IsChecked(box.id) ? "1" : "0");
  }
  entries.emplace_back(key::kSpcLambda, Truncate(view.GetText(id::kLambda), 9));
  entries.emplace_back(key::kLastDir, app.state.last_dir);
  // The test ID goes with its directory, so that the settings never hold
  // the name of one design and the directory of another.
  entries.emplace_back(key::kTestName, app.state.test_id);
  entries.emplace_back(key::kTestDir, app.state.test_dir);
  return SaveSettings(app, entries);
}

}  // namespace kalvor
