#include "import/mac_dialog.h"

#include "core/startup.h"
#include "import/mac_dialog_ids.h"
#include "mac/macfile.h"
#include "platform/filesys.h"
#include "text/strings.h"

namespace kalvor {

std::string MacDlgModel::TemplateName() const { return macdlg::kTemplate; }

std::string MacDlgModel::WithoutTestDir(const std::string& path) const {
  const std::string& dir = test_dir_;
  if (dir.empty()) return path;
  auto inside = [&](const std::string& p) { return p_.fs.PathStartsWith(p, dir); };
  if (inside(path)) return path.substr(dir.size());
  // The test directory is held in its short form, while the file dialog
  // answers with the long one: compare the short form of the chosen file's
  // directory as well. The file's own name stays as chosen.
  std::string folder = path;
  std::string name = SplitPath(folder, p_.fs.Style());
  std::string short_folder;
  if (folder == path || folder.empty() || folder.back() == ':' ||
      !p_.fs.ShortPath(folder, short_folder)) {
    return path;
  }
  std::string shortened = JoinPath(short_folder, name, p_.fs.Style());
  return inside(shortened) ? shortened.substr(dir.size()) : path;
}

void MacDlgModel::OnInit(DialogView& view) {
  Profile& profile = p_.profile;
  view.SetTitle(macdlg::kTitle);
  view.SetText(macdlg::kFuncMacs,
               profile.GetString(key::kFuncMacs, defaults::kFuncMacs, macdlg::kFuncCapacity + 1));
  view.SetText(macdlg::kPriMacs, profile.GetString(key::kPriMacs, "", macdlg::kPriCapacity + 1));
  view.SetText(macdlg::kBaseMacs, WithoutTestDir(includes_.base));
  view.SetText(macdlg::kPadMacs, profile.GetString(key::kPadMacs, "", macdlg::kPadCapacity + 1));
}

void MacDlgModel::OnCommand(int id, DialogView& view) {
  switch (id) {
    case macdlg::kBrowseFunc:
    case macdlg::kBrowsePri:
    case macdlg::kBrowseBase:
    case macdlg::kBrowsePad: {
      std::string chosen;
      if (p_.ui.FileDialog(chosen, 260, browse_dir_, "*.mac;*.txt")) {
        view.SetText(id - 100, WithoutTestDir(chosen));
      }
      return;
    }
    case kIdOk: {
      includes_.func = Truncate(view.GetText(macdlg::kFuncMacs), macdlg::kFuncCapacity);
      includes_.pri = Truncate(view.GetText(macdlg::kPriMacs), macdlg::kPriCapacity);
      includes_.base = Truncate(view.GetText(macdlg::kBaseMacs), macdlg::kBaseCapacity);
      includes_.pad = Truncate(view.GetText(macdlg::kPadMacs), macdlg::kPadCapacity);
      for (const std::string* field : {&includes_.func, &includes_.pri, &includes_.base, &includes_.pad}) {
        if (field->find_first_of("\r\n") == std::string::npos) continue;
        // An include line holds one file name: the rest would stand on a
        // line of its own in the macro file.
        p_.ui.Notify("This file name holds a line break, which an include line of a macro file "
                     "cannot hold:\n\n" + ShownName(*field),
                     macdlg::kTitle, box::kOk | box::kIconWarning);
        refused_ = true;
        return;
      }
      SaveSettings(p_, {{key::kFuncMacs, includes_.func},
                        {key::kPriMacs, includes_.pri},
                        {key::kPadMacs, includes_.pad}});
      view.End(1);
      return;
    }
    case kIdCancel:
      view.End(-1);
      return;
    default:
      return;
  }
}

Outcome RunMacDialog(Platform& p, const std::string& test_dir, const std::string& browse_dir,
                     MacIncludes& includes) {
  MacDlgModel model(p, test_dir, browse_dir, includes);
  if (p.ui.RunDialog(model) == 1) return Outcome::kCompleted;
  return model.refused() ? Outcome::kFailed : Outcome::kStopped;
}

}  // namespace kalvor
