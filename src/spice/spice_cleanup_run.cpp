// Run with "SPICE/remove:": cleans the design's S-Edit export (.sp) or
// L-Edit extract (.spc) in place.
#include "core/dialogs.h"
#include "core/safe_replace.h"
#include "core/startup.h"
#include "core/titled_param_dialog.h"
#include "spice/spice_cleanup.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// Asks for a SPICE command file and collects its node names. Returns the
// table state: 1 once a command file was chosen, else 0.
NodeTableState BuildNodeTable(Platform& p, const std::string& dir, NodeNameTable& nodes) {
  if (p.ui.Notify(
          "Pick a Spice command file with correct node names\nto use for "
          "matching node name upr/lwr case?\n\nNOTE: top-node/match "
          "facility requires extract options...\n - write nodes as "
          "names\n - write node name comments",
          "Node Name Case Matching",
          box::kYesNo | box::kIconQuestion) != answer::kYes) {
    return NodeTableState::kNone;
  }
  std::string chosen;
  if (!p.ui.FileDialog(chosen, 256, dir,
                           "*.sp;*.spc;*.cmd;*.txt")) {
    return NodeTableState::kNone;
  }
  File file;
  if (file.Open(chosen, File::Mode::kRead)) {
    std::string line;
    while (ReadWholeLine(file, line)) nodes.TakeLine(line);
  }
  p.ui.Notify(nodes.text(), "Node name table from file is:", box::kOk);
  return NodeTableState::kNotMet;
}

}  // namespace

Outcome RunSpiceCleanup(const RunContext& run, const SpiceOptions& options,
                        const std::string& stem, const std::string& dir) {
  Platform& p = run.platform;
  std::string netlist = stem + ".spc";
  NodeNameTable nodes;
  NodeTableState state = NodeTableState::kNone;
  if (options.match_case) state = BuildNodeTable(p, dir, nodes);

  std::string file_type =
      LoadOptionString(p.profile, kSpcselOptions.key, kSpcselOptions.def, 256, true);
  int chosen = TitledParamDlg(p.ui, kSpcselOptions.key, "Spice File Type:", file_type);
  bool s_edit_export = file_type.size() > 3 && file_type[3] == 'y';
  if (s_edit_export) netlist.pop_back();
  if (chosen == kIdCancel) return Outcome::kStopped;
  SaveSettings(p, {{kSpcselOptions.key, file_type}});

  File in;
  if (!in.Open(netlist, File::Mode::kRead)) {
    p.ui.Notify(netlist, "Could not open file!", box::kOk);
    return Outcome::kFailed;
  }
  // A failure is said rather than stopping silently: Run would otherwise
  // seem to do nothing at all.
  SafeOutput out(p);
  if (!out.Open(in.Path())) return Outcome::kFailed;
  SpiceCleaner cleaner(
      options, nodes, !s_edit_export, state,
      [&p](const std::string& line) {
        return p.ui.Notify(line, "unpaired '?'", box::kOkCancel) == answer::kOk;
      },
      [&p] { p.ui.WaitCursor(); });
  SpiceCleaner::Result result = cleaner.Run(in, out.file());
  if (result == SpiceCleaner::Result::kCancelled) return Outcome::kStopped;
  // The netlist is replaced in one step, and only by a complete result
  // (a failed write is seen by the commit).
  if (!out.Commit(in)) {
    p.ui.Notify(
        "Could not replace above file.  Probably you will have to\nexit "
        "Spice to free up the file.",
        netlist, box::kOk);
    return Outcome::kFailed;
  }
  if (cleaner.state() == NodeTableState::kNotMet) {
    p.ui.Notify(
        "Warning: Did not recognize node table in above file.\n\nBe sure "
        "to run extract with 'output node names' checked.",
        netlist, box::kOk);
  } else {
    p.ui.Notify(netlist, "Done!", box::kOk);
  }
  return Outcome::kCompleted;
}

}  // namespace kalvor
