#include "toolchain/sim_boilerplate.h"

#include <algorithm>

#include "core/data_files.h"
#include "core/safe_replace.h"
#include "platform/ui.h"
#include "text/file.h"
#include "text/lineio.h"
#include "text/strings.h"
#include "toolchain/toolchain.h"

namespace kalvor {

namespace {

// The order of a sorted list box: letter case ignored, equal entries in the
// order they were added.
bool ListLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](char x, char y) { return ToLowerAscii(x) < ToLowerAscii(y); });
}

// The entries of `entries` that are not in `selected` (both in list order;
// each selected entry accounts for one equal entry).
std::vector<std::string> Unselected(const std::vector<std::string>& entries,
                                    std::vector<std::string> selected) {
  std::vector<std::string> rest;
  for (const std::string& e : entries) {
    auto it = std::find(selected.begin(), selected.end(), e);
    if (it != selected.end()) {
      selected.erase(it);
    } else {
      rest.push_back(e);
    }
  }
  return rest;
}

bool AskOverwrite(Platform& p, const std::string& file) {
  if (!FileExists(file)) return true;
  return p.ui.Notify(file, "overwrite", box::kYesNo | box::kIconQuestion) ==
         answer::kYes;
}

// Opens the template `name` that ships with the program; tells the user
// when it is missing.
bool OpenTemplate(Platform& p, const ToolDesign& d, const char* name, File& file) {
  if (file.Open(DataFilePath(d.program_dir, name, p.fs.Style()), File::Mode::kRead)) {
    return true;
  }
  p.ui.Notify(std::string(name) + " not found", "KALVOR", box::kOk | box::kIconError);
  return false;
}

// Whether the template was read to its end; tells the user when not.
bool TemplateRead(Platform& p, File& templ) {
  templ.Close();
  if (!templ.ReadFailed()) return true;
  ReportReadFailure(p.ui, templ.Path());
  return false;
}

// The vector file: the template with its ".PATT" lines naming the selected
// nodes. Template lines are copied whole, whatever their length.
bool WriteVectorFile(Platform& p, DialogView& view, File& templ, SafeOutput& output) {
  File& out = output.file();
  std::string line;
  while (ReadWholeLine(templ, line)) {
    if (StartsWithNoCase(line, ".PATT")) {
      line = ".PATT ";
      for (const std::string& e : view.ListSelection(iodlg::kNodeList)) {
        line += ' ';
        line += e;
      }
    }
    WriteLine(out, line);
  }
  return TemplateRead(p, templ);
}

// The command file: netlist, vector and result file names, and the node
// lines of each ".tab" line.
bool WriteCommandFile(Platform& p, const ToolDesign& d, DialogView& view,
                      const std::vector<std::string>& entries, File& templ,
                      SafeOutput& output) {
  const std::string& id = d.test_id;
  File& out = output.file();
  std::string line;
  while (ReadWholeLine(templ, line)) {
    if (StartsWithNoCase(line, "NE")) line = "NE " + id + ".NET";
    if (StartsWithNoCase(line, "PA")) line = "PA " + id + ".VEC";
    if (StartsWithNoCase(line, "RE")) line = "RE " + id + ".OUT";
    if (!StartsWithNoCase(line, ".tab")) {
      WriteLine(out, line);
      continue;
    }
    WriteLine(out, ".tab");
    // Every ".tab" line lists the same nodes: the selection as it stands.
    std::vector<std::string> selected = view.ListSelection(iodlg::kNodeList);
    if (p.ui.Notify("Echo input ports in .TAB ?", "KALVOR",
                   box::kYesNo | box::kIconQuestion) == answer::kYes) {
      for (const std::string& e : selected) WriteLine(out, "+ " + e + ";");
    }
    for (const std::string& e : Unselected(entries, selected)) {
      WriteLine(out, "+ " + e + ";");
    }
  }
  return TemplateRead(p, templ);
}

}  // namespace

bool MakeSimBoilerplate(Platform& p, const ToolDesign& d, DialogView& view,
                        const std::vector<std::string>& entries) {
  // An existing file of the same name in another letter case is the one
  // asked about and overwritten.
  const std::string vec_path = ResolveForReading(d.test_id + ".VEC");
  const bool vec = AskOverwrite(p, vec_path);
  const std::string sim_path = ResolveForReading(d.test_id + ".SIM");
  const bool sim = AskOverwrite(p, sim_path);
  SafeOutput vec_out(p);
  SafeOutput sim_out(p);
  if (vec) {
    File templ;
    if (!OpenTemplate(p, d, "KALVOR.VEC", templ) || !vec_out.Open(vec_path) ||
        !WriteVectorFile(p, view, templ, vec_out)) {
      return false;
    }
  }
  if (sim) {
    File templ;
    if (!OpenTemplate(p, d, "KALVOR.SIM", templ) || !sim_out.Open(sim_path) ||
        !WriteCommandFile(p, d, view, entries, templ, sim_out)) {
      return false;
    }
  }
  // The two files of one run: both are replaced or neither is.
  if (vec && sim) return CommitPair(vec_out, sim_out);
  if (vec) return vec_out.Commit();
  return !sim || sim_out.Commit();
}

void IODlgModel::OnInit(DialogView& view) {
  view.SetTitle("NODE LIST");
  const std::vector<std::string>& ports = toolchain_.top_ports;
  entries_.clear();
  for (const std::string& port : ports) {
    entries_.insert(std::upper_bound(entries_.begin(), entries_.end(), port, ListLess),
                    port);
    view.ListAdd(iodlg::kNodeList, port);
  }
}

void IODlgModel::OnCommand(int id, DialogView& view) {
  if (id == kIdOk) {
    failed_ = !MakeSimBoilerplate(p_, d_, view, entries_);
    view.End(kIdOk);
  } else if (id == kIdCancel) {
    // The window's Close: nothing is written.
    view.End(kIdCancel);
  }
}

Outcome RunSetup(const RunContext& run, const ToolDesign& d, const ToolchainState& toolchain) {
  Platform& p = run.platform;
  // Without ports there is nothing to choose, and files written anyway
  // would name no input.
  if (toolchain.top_ports.empty()) {
    p.ui.Notify(
        "No ports found on top level module\n\nYou may need to create a symbol "
        "for this module\nor you may just need to click NET or TPR to prescan "
        "for ports.",
        "Warning", box::kOk);
    return Outcome::kStopped;
  }
  IODlgModel model(p, d, toolchain);
  p.ui.RunDialog(model);
  if (model.failed()) return Outcome::kFailed;
  p.ui.Notify("Done.", "KALVOR", box::kOk);
  return Outcome::kCompleted;
}

}  // namespace kalvor
