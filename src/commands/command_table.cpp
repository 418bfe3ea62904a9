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
  return RunMacToVhdl(s.context(), job, s.fanout);
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
    {.id = id::kMacToNet, .kind = kRadio, .name = "net", .help = ".mac to .net with NetTran",
     .act = ArmTool},
    {.id = id::kGateSim, .kind = kRadio, .name = "gatesim", .help = "GateSim on the .sim file",
     .act = ArmTool},
    {.id = id::kMacToTpr, .kind = kRadio, .name = "tpr", .help = ".mac to .tpr with NetTran",
     .act = ArmTool},
    {.id = id::kPrune, .kind = kRadio, .name = "prune",
     .help = "prune the .mac into a .tmc with NetTran", .act = ArmTool},
    {.id = id::kGenSpice, .kind = kRadio, .name = "spice",
     .help = "SPICE deck from the .tmc with NetTran", .act = ArmTool},
    {.id = id::kSpiceClean, .kind = kRadio, .name = "spice-clean",
     .help = "clean up a SPICE netlist", .act = ArmSpiceCleanup, .run = RunSpiceCommand},
    {.id = id::kVhdlSim, .kind = kRadio, .name = "sim",
     .help = "switch VHDL --ifdef regions to SIM", .keyword = " SIM", .act = ArmInternal,
     .run = RunSimCommand},
    {.id = id::kUnsetSim, .kind = kRadio, .name = "nosim",
     .help = "switch VHDL --ifdef regions off SIM", .keyword = " NOSIM", .act = ArmInternal,
     .run = RunSimCommand},
    {.id = id::kVhdOut, .kind = kRadio, .name = "vhdout",
     .help = "VHDL trace table to .out and .vcd, open the viewer", .keyword = "vhdout",
     .act = ArmInternalChecked, .run = RunVhdOutCommand},
    {.id = id::kMacToVhdl, .kind = kRadio, .name = "mac2vhd",
     .help = ".mac to VHDL with the fanout report", .keyword = "mac2vhd",
     .act = ArmInternalChecked, .run = RunMacToVhdlCommand},
    {.id = id::kEdifToMac, .kind = kRadio, .name = "edif",
     .help = "EDIF or Verilog netlist to .mac and .wir", .keyword = "edif import",
     .act = ArmInternalChecked, .run = RunEdifImportEntry},
    {.id = id::kACells, .kind = kRadio, .name = "a-cells", .help = "convert 'A' cells",
     .keyword = "convert A cells to normal", .act = ArmACells, .run = RunACellsCommand},
    {.id = id::kLvs, .kind = kRadio, .name = "lvs", .help = "layout versus schematic",
     .act = ArmTool},
    {.id = id::kSetup, .kind = kButton, .name = "setup", .help = ".sim/.vec boilerplate",
     .act = SetupCommand, .needs_top_module = true},
    {.id = id::kExtract, .kind = kButton, .name = "extract",
     .help = "sample the GateSim .OUT file", .act = ExtractCommand},
    {.id = id::kCopyMac, .kind = kButton, .name = "copy-mac",
     .help = "copy .mac/.wir into the project",
     .act = [](Session& s, const Command&) { return CopyIntoProject(s, "*.mac"); }},
    {.id = id::kCopySpice, .kind = kButton, .name = "copy-spice",
     .help = "copy .sp/.spc into the project",
     .act = [](Session& s, const Command&) { return CopyIntoProject(s, "*.sp;*.spc"); }},
    {.id = id::kReformat, .kind = kButton, .name = "reformat",
     .help = "normalise the line ends of a file",
     .act = [](Session& s, const Command&) { return ReformatText(s); }},
    // The rest: push buttons and menu items of the Windows program only.
    {.id = id::kRun, .kind = kButton, .act = [](Session& s, const Command&) { return Run(s); }},
    {.id = id::kViewVec, .kind = kButton, .act = View},
    {.id = id::kViewSim, .kind = kButton, .act = View},
    {.id = id::kViewOut, .kind = kButton, .act = View},
    {.id = id::kViewLvs, .kind = kButton, .act = View},
    {.id = id::kViewNet, .kind = kButton, .act = View},
    {.id = id::kViewMac, .kind = kButton, .act = View},
    {.id = id::kWaveView, .kind = kButton, .act = View},
    {.id = id::kSelectMac, .kind = kButton,
     .act = [](Session& s, const Command&) { return SelectCommand(s, "*.mac"); }},
    {.id = id::kSelectSpc, .kind = kButton,
     .act = [](Session& s, const Command&) { return SelectCommand(s, "*.spc;*.sp"); }},
    {.id = id::kImportEdif, .kind = kButton,
     .act = [](Session& s, const Command&) { return SelectAndImportEdif(s); }},
    {.id = id::kEdit, .kind = kButton,
     .act = [](Session& s, const Command&) { return EditCommand(s); }},
    {.id = id::kHelp, .kind = kButton,
     .act = [](Session& s, const Command&) { return HelpCommand(s); }},
    {.id = id::kExit, .kind = kButton, .act = ExitCommand},
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
