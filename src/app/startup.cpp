#include "app/startup.h"

#include <new>
#include <stdexcept>

#include "app/ids.h"
#include "app/settings.h"
#include "text/strings.h"

namespace kalvor {

std::string NormalizeTestDir(App& app, const std::string& dir) {
  if (dir.empty()) return dir;
  std::string result = dir;
  std::string shortened;
  if (app.fs().ShortPath(dir, shortened)) result = shortened;
  char sep = PathSeparator(app.style);
  if (result.empty() || result.back() != sep) result += sep;
  if (app.style == PathStyle::kWindows) result = ToLower(result);
  return result;
}

void MakeTestDirCurrent(App& app) {
  if (app.state.test_dir.empty()) return;
  app.fs().ChangeDirectory(app.state.test_dir);
}

bool AllocateFanoutTables(App& app) {
  AppState& s = app.state;
  s.tables_ok = false;
  s.fanout_names.clear();
  s.fanout_counts.clear();
  if (s.nets <= 0 || s.knets <= 0) return false;
  try {
    s.fanout_names.assign(static_cast<std::size_t>(s.nets), '\0');
    s.fanout_counts.assign(static_cast<std::size_t>(s.knets), 0);
  } catch (const std::bad_alloc&) {
    s.fanout_names.clear();
    s.fanout_counts.clear();
    return false;
  } catch (const std::length_error&) {
    s.fanout_names.clear();
    s.fanout_counts.clear();
    return false;
  }
  s.tables_ok = true;
  return true;
}

void StartUp(App& app, const std::string& command_line) {
  AppState& s = app.state;
  std::string line = Truncate(command_line, 255);
  if (!line.empty()) {
    std::string dir = line;
    std::string name = SplitPath(dir, app.style);
    if (dir == line) {
      // A bare file name: the design lives in the current directory.
      dir = app.fs().CurrentDirectory();
    }
    s.test_id = name;
    std::size_t dot = s.test_id.find('.');
    if (dot != std::string::npos) s.test_id.resize(dot);
    s.test_dir = NormalizeTestDir(app, dir.empty() && app.style == PathStyle::kPosix
                                           ? std::string("/")
                                           : dir);
  }
  s.nets = app.profile().GetInt(key::kNets, defaults::kNets);
  s.knets = app.profile().GetInt(key::kKNets, defaults::kKNets);
  AllocateFanoutTables(app);
}

void OpenMainDialog(App& app) {
  AppState& s = app.state;
  Profile& p = app.profile();
  std::string exe = app.fs().ExecutablePath();
  SplitPath(exe, app.style);
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
    // The same relative place, written with this host's separator.
    s.ledit_dir = app.style == PathStyle::kWindows ? defaults::kLeditDir : "../ledit";
  }
  for (const CheckBoxSetting& box : kCheckBoxSettings) {
    view.SetChecked(box.id, p.GetInt(box.key, box.def) != 0);
  }
  view.SetText(id::kLambda, p.GetString(key::kSpcLambda, defaults::kSpcLambda, 10));
  s.gatesim_program = p.GetString(key::kGatesimExe, "gatesim.exe", 260);
  s.nettran_program = p.GetString(key::kNettranExe, "nettran.exe", 260);
}

void SaveOnExit(App& app) {
  Profile& p = app.profile();
  DialogView& view = app.main();
  for (const CheckBoxSetting& box : kCheckBoxSettings) {
    p.PutString(box.key, view.IsChecked(box.id) ? "1" : "0");
  }
  p.PutString(key::kSpcLambda, Truncate(view.GetText(id::kLambda), 9));
  p.PutString(key::kLastDir, app.state.last_dir);
  p.PutString(key::kTestDir, app.state.test_dir);
}

}  // namespace kalvor
