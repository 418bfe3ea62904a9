#include "app/main_window.h"

#include "app/file_commands.h"
#include "app/ids.h"
#include "app/startup.h"
#include "convert/converters.h"
#include "edif/edif_import.h"
#include "text/file.h"
#include "text/strings.h"
#include "toolchain/toolchain.h"

namespace kalvor {

namespace {

// Clears the busy mark however a command ends.
class BusyGuard {
 public:
  explicit BusyGuard(AppState& s) : s_(s) { s_.busy = true; }
  ~BusyGuard() { s_.busy = false; }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  AppState& s_;
};

// Arms one of the program's own converters. `check_first`: the test ID is
// checked before the radio button, so a failed check leaves the previous
// button checked.
Outcome ArmInternal(App& app, int id, bool check_first, const char* keyword) {
  if (check_first && !CheckTestId(app)) return Outcome::kFailed;
  CheckRadio(app, id);
  app.state.program_field = "internal";
  app.main().SetText(id::kOptions, keyword);
  return Outcome::kCompleted;
}

}  // namespace

bool CheckTestId(App& app) {
  app.state.test_id = Truncate(app.main().GetText(id::kTestId), 255);
  app.profile().PutString("testname", app.state.test_id);
  if (app.state.test_id.empty()) {
    app.Notify("Please open a test file set or enter test root name.", "KALVOR",
               box::kOk | box::kIconInformation);
    return false;
  }
  return true;
}

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

void SetOptionLine(App& app, const std::string& text) {
  app.main().SetText(id::kOptions, text);
  if (text.size() > 93) {
    app.Notify(
        "Probably this is due to full-path file names.\nIf the requested "
        "function fails, reduce the subdirectory level\nyou are operating at, "
        "or the lengts of file/folder names.",
        "Warning: Option string may be too long", box::kOk);
  }
}

void CheckRadio(App& app, int id) {
  app.main().CheckRadio(id::kRadioFirst, id::kRadioLast, id);
}

Outcome NotAvailable(App& app, const std::string& what) {
  app.Notify(what + " is not available in this version of Kalvor.", "KALVOR",
             box::kOk | box::kIconWarning);
  return Outcome::kFailed;
}

Outcome RunEdifImportEntry(App& app) {
  AppState& s = app.state;
  static const char* const kExtensions[] = {".edf", ".edn", ".edo"};
  bool found = false;
  for (const char* ext : kExtensions) {
    s.selected_file = s.test_id + ext;
    File probe;
    if (probe.Open(s.selected_file, File::Mode::kRead)) {
      found = true;
      break;
    }
  }
  if (!found) {
    return SelectAndImportEdif(app);
  }
  std::size_t dot = s.selected_file.rfind('.');
  s.selected_ext = Truncate(s.selected_file.substr(dot), 11);
  return RunEdifImport(app);
}

Outcome Run(App& app) {
  AppState& s = app.state;
  if (!CheckTestId(app)) return Outcome::kFailed;
  s.option_line = Truncate(app.main().GetText(id::kOptions), 255);
  if (s.program_field == "spc_clean") return RunSpiceCleanup(app);
  if (s.option_line.empty() || s.test_id.empty() || s.program_field.empty()) {
    app.Notify("Please select a valid test file and option string.", "KALVOR",
               box::kOk | box::kIconWarning);
    return Outcome::kFailed;
  }
  if (EqualNoCase(s.program_field, "internal")) {
    if (s.option_line.find("SIM") != std::string::npos) return RunSimSwitch(app);
    if (EqualNoCase(s.option_line, "vhdout")) return RunVhdOut(app);
    if (EqualNoCase(s.option_line, "mac2vhd")) return RunMacToVhdl(app);
    if (EqualNoCase(s.option_line, "edif import")) return RunEdifImportEntry(app);
    if (EqualNoCase(s.option_line, "convert A cells to normal")) {
      return ConvertACells(app);
    }
    return Outcome::kCompleted;
  }
  return RunOutsideProgram(app);
}

Outcome OnMainCommand(App& app, int id) {
  if (app.state.busy) return Outcome::kStopped;
  BusyGuard guard(app.state);
  switch (id) {
    case id::kMacToNet:
    case id::kGateSim:
    case id::kMacToTpr:
    case id::kPrune:
    case id::kGenSpice:
    case id::kLvs:
      SelectToolFunction(app, id);
      return Outcome::kCompleted;
    case id::kSpiceClean:
      app.main().SetText(id::kOptions, "");
      if (!CheckTestId(app)) return Outcome::kFailed;
      app.state.program_field = "spc_clean";
      CheckRadio(app, id);
      return Outcome::kCompleted;
    case id::kVhdlSim:
      return ArmInternal(app, id, false, " SIM");
    case id::kUnsetSim:
      return ArmInternal(app, id, false, " NOSIM");
    case id::kVhdOut:
      return ArmInternal(app, id, true, "vhdout");
    case id::kMacToVhdl:
      return ArmInternal(app, id, true, "mac2vhd");
    case id::kEdifToMac:
      return ArmInternal(app, id, true, "edif import");
    case id::kACells:
      CheckRadio(app, id);
      if (!CheckTestId(app)) return Outcome::kFailed;
      WarnLongTestId(app);
      app.state.program_field = "internal";
      app.main().SetText(id::kOptions, "convert A cells to normal");
      return Outcome::kCompleted;
    case id::kRun:
      return Run(app);
    case id::kSetup:
      if (!CheckTestId(app)) return Outcome::kFailed;
      return RunSetup(app);
    case id::kExtract:
      if (!CheckTestId(app)) return Outcome::kFailed;
      return RunExtract(app);
    case id::kViewVec:
    case id::kViewSim:
    case id::kViewOut:
    case id::kViewLvs:
    case id::kViewNet:
    case id::kViewMac:
    case id::kWaveView:
      return ViewButton(app, id);
    case id::kSelectMac:
      return SelectCommand(app, "*.mac");
    case id::kSelectSpc:
      return SelectCommand(app, "*.spc;*.sp");
    case id::kImportEdif:
      return SelectAndImportEdif(app);
    case id::kCopyMac:
      return CopyIntoProject(app, "*.mac");
    case id::kCopySpice:
      return CopyIntoProject(app, "*.sp;*.spc");
    case id::kEdit:
      return EditCommand(app);
    case id::kReformat:
      return ReformatText(app);
    case id::kHelp:
      return HelpCommand(app);
    case id::kExit:
      SaveOnExit(app);
      app.state.exit_requested = true;
      return Outcome::kCompleted;
    default:
      return Outcome::kCompleted;
  }
}

void OnFileDropped(App& app, const std::string& path) {
  if (app.state.busy) return;
  app.state.selected_file = Truncate(path, 255);
  SelectFile(app);
}

}  // namespace kalvor
