#include "commands/tool_arming.h"

#include "core/main_dialog.h"
#include "platform/resource.h"
#include "text/file.h"
#include "text/strings.h"
#include "toolchain/macro_include.h"
#include "toolchain/prescan.h"

namespace kalvor {

void WarnLongTestId(App& app) {
  if (app.state.test_id.size() > 8) {
    app.Notify(
        "NetTran will be unable to utilize a test name or top level module "
        "name longer than 8 characters.\nFile naming conventions are "
        "dependent on top level module names being the same as file "
        "names.\n\nSuggest naming your top level module and associated files "
        "with 8 or fewer characters.",
        "Warning:", box::kOk | box::kIconNone);
  }
}

namespace {

// A name relative to the test directory's parent, as the S-Edit export
// places it: "..\sedit\<name>.sp".
std::string SEditNetlist(const std::string& test_id, PathStyle style) {
  char sep = PathSeparator(style);
  return std::string("..") + sep + "sedit" + sep + test_id + ".sp";
}

// "-m MAC WIR": the design's macro file and wire list, each one argument.
std::string MacAndWireArguments(const AppState& s, PathStyle style) {
  return "-m " + PathArgument(s.test_dir + s.test_id + ".mac", style) + " " +
         PathArgument(s.test_dir + s.test_id + ".wir", style);
}

// NetTran functions that produce a netlist: ".mac to .net" and ".mac to .tpr";
// `output` is what follows the macro file and wire list.
void ArmNetlist(Session& app, const std::string& output, const char* include_key) {
  AppState& s = app.state;
  SetOptionLine(app, MacAndWireArguments(s, app.style()) + " " + output);
  const ToolDesign design = ToolDesignOf(app);
  InsertMacroInclude(app.context(), design, include_key);
  PrescanTopModule(app.context(), design, app.toolchain);
}

void ArmLvs(Session& app) {
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
    std::string sedit = SEditNetlist(s.test_id, app.style());
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
  if (!app.ui().FileDialog(layout, 256, JoinPath(s.ledit_dir, "extract", app.style()),
                           "*.spc")) {
    return;
  }
  SetOptionLine(app, "-o " + PathArgument(s.test_id + ".lvs", app.style()) + " -vf " +
                         PathArgument(schematic, app.style()) + " " +
                         PathArgument(layout, app.style()));
}

// The opening every outside-program function shares: its radio button, a
// test ID (else nothing is armed), the long-ID warning, the program to run.
bool ArmProgram(Session& app, int id, const std::string& program) {
  CheckRadio(app, id);
  if (!CheckTestId(app)) return false;
  WarnLongTestId(app);
  app.state.program_field = program;
  return true;
}

}  // namespace

void SelectToolFunction(Session& app, int id) {
  AppState& s = app.state;
  switch (id) {
    case id::kMacToNet:
      if (!ArmProgram(app, id, s.nettran_program)) return;
      ArmNetlist(app, PathArgument(s.test_id + ".net", app.style()), "sim.mac");
      return;
    case id::kGateSim:
      if (!ArmProgram(app, id, s.gatesim_program)) return;
      SetOptionLine(app, PathArgument(s.test_id + ".sim", app.style()));
      if (!s.tool_run) {
        app.Notify("You may need to run NetTran before GateSim to update .net file",
                   "KALVOR", box::kOk | box::kIconInformation);
      }
      return;
    case id::kMacToTpr:
      s.program_field = s.nettran_program;  // armed even when the test ID is missing
      if (!ArmProgram(app, id, s.nettran_program)) return;
      ArmNetlist(app, "-f TPR " + PathArgument(s.test_id, app.style()), "tpr.mac");
      return;
    case id::kPrune: {
      if (!ArmProgram(app, id, s.nettran_program)) return;
      SetOptionLine(app, MacAndWireArguments(s, app.style()) + " -P " +
                             PathArgument(s.test_id + ".tmc", app.style()));
      std::string mac = s.test_dir + s.test_id + ".mac";
      if (!FileExists(mac)) {
        app.Notify(".mac file not found, export nettran from sedit", mac,
                   box::kOk | box::kIconWarning);
      }
      return;
    }
    case id::kGenSpice: {
      if (!ArmProgram(app, id, s.nettran_program)) return;
      SetOptionLine(app, "-m " + PathArgument(s.test_id + ".tmc", app.style()) + " -F spice " +
                             PathArgument(s.test_dir + s.test_id + ".wir", app.style()) + " " +
                             PathArgument(s.test_id, app.style()));
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
      InsertMacroInclude(app.context(), ToolDesignOf(app), "spc.mac");
      return;
    }
    case id::kLvs:
      ArmLvs(app);
      return;
    default:
      return;
  }
}

}  // namespace kalvor
