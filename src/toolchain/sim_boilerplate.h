// The .sim/.vec boilerplate of a GateSim run: the node list dialog "iodlg"
// (title "NODE LIST") lists the top module's ports; OK writes the test ID's
// .VEC and .SIM files from the templates KALVOR.VEC and KALVOR.SIM beside
// the program.
#pragma once

#include <string>
#include <vector>

#include "core/outcome.h"
#include "platform/platform.h"
#include "toolchain/toolchain_state.h"
#include "platform/dialog.h"
#include "platform/resource.h"

namespace kalvor {

// Controls of the "iodlg" template (besides OK, id 1; there is no Cancel).
namespace iodlg {
// List box "Select All INPUT Nodes:": multiple selection, each click
// toggles an entry; sorted entries.
constexpr int kNodeList = IDC_IODLG_NODES;
}  // namespace iodlg

// The node list dialog. OnInit fills list box 301 with the top-level port
// table; OK writes the files (MakeSimBoilerplate) and closes the dialog.
class IODlgModel : public DialogModel {
 public:
  IODlgModel(Platform& p, const ToolDesign& d, const ToolchainState& toolchain)
      : p_(p), d_(d), toolchain_(toolchain) {}
  std::string TemplateName() const override { return "iodlg"; }
  void OnInit(DialogView& view) override;
  void OnCommand(int id, DialogView& view) override;

  // A reported failure (missing template, file not writable) ended the
  // dialog.
  bool failed() const { return failed_; }

 private:
  Platform& p_;
  ToolDesign d_;
  const ToolchainState& toolchain_;
  std::vector<std::string> entries_;  // the list box's entries, list order
  bool failed_ = false;
};

// Writes "<test ID>.VEC" and "<test ID>.SIM" in the current directory from
// the templates, with the entries selected in `view`'s node list as inputs.
// `entries` are all entries of the list in list order. False after a
// reported failure.
bool MakeSimBoilerplate(Platform& p, const ToolDesign& d, DialogView& view,
                        const std::vector<std::string>& entries);

}  // namespace kalvor
