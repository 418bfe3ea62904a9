#include "commands/command_table.h"

#include "commands/file_commands.h"
#include "commands/main_window.h"
#include "commands/tool_arming.h"
#include "core/main_dialog.h"
#include "core/startup.h"
#include "platform/resource.h"
#include "spice/spice_cleanup.h"
#include "text/strings.h"
#include "toolchain/toolchain.h"
#include "vhdl/mac_to_vhdl.h"
#include "vhdl/sim_switch.h"
#include "vhdl/vhd_out.h"

namespace kalvor {

namespace {

// Arms one of the program's own converters: its radio button, "internal"
// and its keyword in the option line.
Outcome ArmInternal(Session& s, const Command& c) {
  CheckRadio(s, c.id);
  s.state.program_field = "internal";
  s.main().SetText(id::kOptions, c.keyword);
  return Outcome::kCompleted;
}

// The same after the test ID check, so that a failed check leaves the
// previous button checked.
Outcome ArmInternalChecked(Session& s, const Command& c) {
  if (!CheckTestId(s)) return Outcome::kFailed;
  return ArmInternal(s, c);
}

Outcome ArmTool(Session& s, const Command& c) {
  SelectToolFunction(s, c.id);
  return Outcome::kCompleted;
}

Outcome ArmSpiceCleanup(Session& s, const Command&) {
  s.main().SetText(id::kOptions, "");
  if (!CheckTestId(s)) return Outcome::kFailed;
  s.state.program_field = "spc_clean";
  CheckRadio(s, id::kSpiceClean);
  return Outcome::kCompleted;
}

// The radio button is checked before the test ID check.
Outcome ArmACells(Session& s, const Command& c) {
  CheckRadio(s, c.id);
  if (!CheckTestId(s)) return Outcome::kFailed;
  WarnLongTestId(s);
  return ArmInternal(s, c);
}

// The clean-up check boxes of the main dialog.
SpiceOptions ReadSpiceOptions(DialogView& main) {
  SpiceOptions o;
  o.no_comments = main.IsChecked(id::kNoComments);
  o.no_nc = main.IsChecked(id::kNoNc);
  o.no_end = main.IsChecked(id::kNoEnd);
  o.no_questions = main.IsChecked(id::kNoQuestion);
  o.fix_caps = main.IsChecked(id::kNoC);
  o.match_case = main.IsChecked(id::kNoUpper);
  o.diodes = main.IsChecked(id::kDiodes);
  o.no_parasitics = main.IsChecked(id::kNoCaps);
  return o;
}

Outcome RunSpiceCommand(Session& s) {
  return RunSpiceCleanup(s.context(), ReadSpiceOptions(s.main()),
                         s.state.test_dir + s.state.test_id, s.state.test_dir);
}

Outcome RunSimCommand(Session& s) {
  return RunSimSwitch(s.context(), s.state.option_line, s.state.test_dir);
}

Outcome RunVhdOutCommand(Session& s) { return RunVhdOut(s.context(), s.state.test_dir); }

Outcome RunMacToVhdlCommand(Session& s) {
  const AppState& st = s.state;
  MacToVhdlJob job;
  job.mac_path = JoinPath(st.test_dir, st.test_id + ".mac", s.style());
  job.vhd_path = JoinPath(st.test_dir, st.test_id + ".vhd", s.style());
  job.report_path = JoinPath(st.test_dir, kFanoutReportName, s.style());
  if (!s.fanout.ok) AllocateFanoutTables(s.fanout);
  Outcome outcome = RunMacToVhdl(s.context(), job, s.fanout);
  if (s.fanout.resize_requested) {
    // The next start allocates the doubled tables: save as Exit does and end.
    SaveOnExit(s);
    s.state.exit_requested = true;
  }
  return outcome;
}

Outcome RunACellsCommand(Session& s) { return ConvertACells(s.context(), ToolDesignOf(s)); }

Outcome SetupCommand(Session& s, const Command&) {
  if (!CheckTestId(s)) return Outcome::kFailed;
  return RunSetup(s.context(), ToolDesignOf(s), s.toolchain);
}

Outcome ExtractCommand(Session& s, const Command&) {
  if (!CheckTestId(s)) return Outcome::kFailed;
  return RunExtract(s.context(), ToolDesignOf(s));
}

Outcome View(Session& s, const Command& c) { return ViewButton(s, c.id); }

Outcome ExitCommand(Session& s, const Command&) {
  SaveOnExit(s);
  s.state.exit_requested = true;
  return Outcome::kCompleted;
}

constexpr CommandKind kRadio = CommandKind::kRadio;
constexpr CommandKind kButton = CommandKind::kButton;

// Command-line functions first, in the order of the usage text.
const Command kCommands[] = {
    {id::kMacToNet, kRadio, "net", ".mac to .net with NetTran", nullptr, ArmTool, nullptr, false},
    {id::kGateSim, kRadio, "gatesim", "GateSim on the .sim file", nullptr, ArmTool, nullptr,
     false},
    {id::kMacToTpr, kRadio, "tpr", ".mac to .tpr with NetTran", nullptr, ArmTool, nullptr, false},
    {id::kPrune, kRadio, "prune", "prune the .mac into a .tmc with NetTran", nullptr, ArmTool,
     nullptr, false},
    {id::kGenSpice, kRadio, "spice", "SPICE deck from the .tmc with NetTran", nullptr, ArmTool,
     nullptr, false},
    {id::kSpiceClean, kRadio, "spice-clean", "clean up a SPICE netlist", nullptr, ArmSpiceCleanup,
     RunSpiceCommand, false},
    {id::kVhdlSim, kRadio, "sim", "switch VHDL --ifdef regions to SIM", " SIM", ArmInternal,
     RunSimCommand, false},
    {id::kUnsetSim, kRadio, "nosim", "switch VHDL --ifdef regions off SIM", " NOSIM",
     ArmInternal, RunSimCommand, false},
    {id::kVhdOut, kRadio, "vhdout", "VHDL trace table to .out and .vcd, open the viewer", "vhdout",
     ArmInternalChecked, RunVhdOutCommand, false},
    {id::kMacToVhdl, kRadio, "mac2vhd", ".mac to VHDL with the fanout report", "mac2vhd",
     ArmInternalChecked, RunMacToVhdlCommand, false},
    {id::kEdifToMac, kRadio, "edif", "EDIF or Verilog netlist to .mac and .wir", "edif import", ArmInternalChecked,
     RunEdifImportEntry, false},
    {id::kACells, kRadio, "a-cells", "convert 'A' cells", "convert A cells to normal", ArmACells,
     RunACellsCommand, false},
    {id::kLvs, kRadio, "lvs", "layout versus schematic", nullptr, ArmTool, nullptr, false},
    {id::kSetup, kButton, "setup", ".sim/.vec boilerplate", nullptr, SetupCommand, nullptr, true},
    {id::kExtract, kButton, "extract", "sample the GateSim .OUT file", nullptr, ExtractCommand,
     nullptr, false},
    {id::kCopyMac, kButton, "copy-mac", "copy .mac/.wir into the project", nullptr,
     [](Session& s, const Command&) { return CopyIntoProject(s, "*.mac"); }, nullptr, false},
    {id::kCopySpice, kButton, "copy-spice", "copy .sp/.spc into the project", nullptr,
     [](Session& s, const Command&) { return CopyIntoProject(s, "*.sp;*.spc"); }, nullptr,
     false},
    {id::kReformat, kButton, "reformat", "normalise the line ends of a file", nullptr,
     [](Session& s, const Command&) { return ReformatText(s); }, nullptr, false},
    // The rest: push buttons and menu items of the Windows program only.
    {id::kRun, kButton, nullptr, nullptr, nullptr,
     [](Session& s, const Command&) { return Run(s); }, nullptr, false},
    {id::kViewVec, kButton, nullptr, nullptr, nullptr, View, nullptr, false},
    {id::kViewSim, kButton, nullptr, nullptr, nullptr, View, nullptr, false},
    {id::kViewOut, kButton, nullptr, nullptr, nullptr, View, nullptr, false},
    {id::kViewLvs, kButton, nullptr, nullptr, nullptr, View, nullptr, false},
    {id::kViewNet, kButton, nullptr, nullptr, nullptr, View, nullptr, false},
    {id::kViewMac, kButton, nullptr, nullptr, nullptr, View, nullptr, false},
    {id::kWaveView, kButton, nullptr, nullptr, nullptr, View, nullptr, false},
    {id::kSelectMac, kButton, nullptr, nullptr, nullptr,
     [](Session& s, const Command&) { return SelectCommand(s, "*.mac"); }, nullptr, false},
    {id::kSelectSpc, kButton, nullptr, nullptr, nullptr,
     [](Session& s, const Command&) { return SelectCommand(s, "*.spc;*.sp"); }, nullptr, false},
    {id::kImportEdif, kButton, nullptr, nullptr, nullptr,
     [](Session& s, const Command&) { return SelectAndImportEdif(s); }, nullptr, false},
    {id::kEdit, kButton, nullptr, nullptr, nullptr,
     [](Session& s, const Command&) { return EditCommand(s); }, nullptr, false},
    {id::kHelp, kButton, nullptr, nullptr, nullptr,
     [](Session& s, const Command&) { return HelpCommand(s); }, nullptr, false},
    {id::kExit, kButton, nullptr, nullptr, nullptr, ExitCommand, nullptr, false},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(int id) {
  for (const Command& c : kCommands) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

const Command* FindCommand(const std::string& name) {
  for (const Command& c : kCommands) {
    if (c.name && name == c.name) return &c;
  }
  return nullptr;
}

const Command* FindConverter(const std::string& option_line) {
  // " SIM" and " NOSIM" are told apart by the switch itself: any option
  // line that holds "SIM" selects it, as the line may have been edited.
  // The test is exact: " sim" names nothing.
  if (option_line.find("SIM") != std::string::npos) return FindCommand(id::kVhdlSim);
  for (const Command& c : kCommands) {
    if (c.run == RunSimCommand) continue;
    if (c.keyword && EqualNoCase(option_line, c.keyword)) return &c;
  }
  return nullptr;
}

}  // namespace kalvor
