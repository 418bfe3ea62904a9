#include "import/edif_import.h"

#include <algorithm>
#include <cstdint>
#include <climits>
#include <cstring>
#include <memory>
#include <new>

#include "core/dialogs.h"
#include "core/safe_replace.h"
#include "core/startup.h"
#include "import/base_macros.h"
#include "import/edif_reader.h"
#include "import/insert_inverters.h"
#include "import/mac_dialog.h"
#include "import/macro_writer.h"
#include "import/verilog_reader.h"
#include "mac/macfile.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// Closes the progress window however the import ends.
struct ProgressWindow {
  ProgressWindow(Progress& p, UserInterface& ui, const std::string& path) : progress(p) {
    progress.Open(ui, "Converting:", path);
  }
  ~ProgressWindow() { progress.Close(); }
  Progress& progress;
};

void WriteHead(File& out, const MacIncludes& inc) {
  WriteLine(out, "");
  for (const std::string* field : {&inc.func, &inc.pri, &inc.base, &inc.pad}) {
    if (!field->empty()) WriteLine(out, "<" + *field + ">");
  }
  WriteLine(out, "");
}

// Whether the file begins (after white space) with the "(edif" list. The
// position is left where it was.
bool BeginsWithEdifList(File& in) {
  const char* data = nullptr;
  std::size_t n = in.Peek(1 << 12, &data);
  std::size_t i = 0;
  while (i < n && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n')) ++i;
  std::string_view head(data ? data + i : "", n - i);
  if (head.size() < 5 || !EqualNoCase(head.substr(0, 5), "(edif")) return false;
  return head.size() == 5 || head[5] == ' ' || head[5] == '\t' || head[5] == '\r' ||
         head[5] == '\n' || head[5] == '(' || head[5] == ')';
}

// Shows what the reading and the base file's effects noted: per-item
// warnings through the collection (the first few of each kind), the rest
// as boxes.
void Show(const RunContext& run, std::vector<Diagnostic>& diagnostics,
          const std::string& path = std::string()) {
  UserInterface& ui = run.platform.ui;
  for (const Diagnostic& d : diagnostics) {
    int type = box::kOk;
    if (d.severity == Diagnostic::Severity::kWarning) type |= box::kIconWarning;
    if (d.severity == Diagnostic::Severity::kError) type |= box::kIconError;
    if (d.severity == Diagnostic::Severity::kError && d.line > 0 && !path.empty()) {
      // What stops the import names where in the netlist it stands.
      ui.Notify(Format("%s\n\n%s, line %ld.", d.text.c_str(), path.c_str(), d.line), d.caption,
                type);
    } else if (d.kind.empty()) {
      ui.Notify(d.text, d.caption, type);
    } else {
      run.warnings.Warn(ui, d.kind, d.text, d.caption, type);
    }
  }
  diagnostics.clear();
}

// What the netlist's text tells before it is read, found in one reading
// of it in pieces (each piece begins with the last 64 bytes of the one
// before, so no name is cut): whether it names "VCC" (looked for only when
// `vcc` is asked for) and its CellUsesHints.
struct Prescan {
  bool names_vcc = false;
  unsigned hints = 0;
};
Prescan ScanNetlist(const std::string& path, bool vcc) {
  Prescan found;
  File in;
  if (!in.Open(path, File::Mode::kRead)) return found;
  // Room for 64 KB after the kept bytes: a read that large goes straight
  // into the piece, not through the file's buffer and a copy.
  std::string piece((1 << 16) + 64, '\0');
  std::size_t kept = 0;
  bool look_vcc = vcc;
  while (look_vcc || !(found.hints & kUsesNeeded)) {
    std::size_t n = in.Read(piece.data() + kept, piece.size() - kept);
    if (n == 0) break;
    std::string_view text(piece.data(), kept + n);
    if (look_vcc && MentionsVcc(text)) {
      found.names_vcc = true;
      look_vcc = false;
    }
    if (!(found.hints & kUsesNeeded)) found.hints |= CellUsesHints(text);
    kept = std::min<std::size_t>(64, text.size());
    std::memmove(piece.data(), text.data() + text.size() - kept, kept);
  }
  return found;
}

// The supply question, asked once per program run before a netlist that
// names "VCC" is read.
bool VccBecomesVdd(UserInterface& ui, EdifSession& session, bool names_vcc) {
  if (session.vcc_answer == VccAnswer::kNotAsked && names_vcc) {
    session.vcc_answer =
        ui.Notify("Nodes named 'VCC' occur.  Do you want to change these to the LEdit "
                  "compatible 'VDD'? (recommended)",
                  "EDIF Import", box::kYesNo | box::kIconQuestion) == answer::kYes
            ? VccAnswer::kYes
            : VccAnswer::kNo;
  }
  return session.vcc_answer == VccAnswer::kYes;
}

// Asks whether to use a base macro file and lets the user choose it. False
// when none is to be used (declined, cancelled, or it does not open).
bool ChooseBaseMacroFile(UserInterface& ui, const std::string& browse_dir, std::string& path) {
  if (ui.Notify("Do you want to specify a base macro file to identify bottom cells and re-order "
                "parameters?",
                "EDIF to MAC conversion", box::kYesNo | box::kIconQuestion) != answer::kYes ||
      !ui.FileDialog(path, 260, browse_dir, "*.mac")) {
    path.clear();
    return false;
  }
  File probe;
  if (!probe.Open(path, File::Mode::kRead)) {
    ui.Notify(path, "Unable to open:", box::kOk | box::kIconWarning);
    path.clear();
    return false;
  }
  return true;
}

// The EDIF file read once, nothing written, for what its macro headers
// depend on (CellUses).
void GatherCellUses(const std::string& path, const ReadOptions& options, Progress& progress,
                    CellUses& uses) {
  File in;
  if (!in.Open(path, File::Mode::kRead)) return;
  ReadOptions all = options;
  all.limits.cells = all.limits.instances = all.limits.nets = LONG_MAX;
  all.keep_going = [&] {
    progress.Step(in);
    return !progress.cancelled();
  };
  Netlist netlist;
  EdifReader reader(in, all, netlist);
  while (reader.Next() == ReadStep::kCell) NoteCellUses(netlist, all.vcc_to_vdd, uses);
  FinishCellUses(netlist, uses);
}

// A table capacity the file needs raised: the settings key and the number.
struct Shortfall {
  std::string key;
  long needed = 0;
};

Outcome Import(const RunContext& run, EdifSession& session, const EdifJob& job,
               Shortfall& shortfall) {
  Platform& p = run.platform;
  const std::string& edif_path = job.edif_path;
  const std::string& out_path = job.mac_path;
  const std::string wire_path = out_path.substr(0, out_path.size() - 3) + "wir";

  File in;
  if (!in.Open(edif_path, File::Mode::kRead)) {
    p.ui.Notify(edif_path, "Error opening:", box::kOk);
    return Outcome::kFailed;
  }
  ProgressWindow window(run.progress, p.ui, edif_path);
  Progress& progress = window.progress;
  progress.Step(in);
  // A Verilog netlist is read through before anything is written, so that a
  // construct it cannot take leaves no file behind.
  const bool verilog = IsVerilogPath(edif_path);
  if (!verilog && !BeginsWithEdifList(in)) {
    // Refused before any question, and before any output is opened.
    if (in.ReadFailed()) {
      ReportReadFailure(p.ui, edif_path);
    } else {
      p.ui.Notify("Above file is not an EDIF netlist: it does not begin with an \"(edif\" "
                  "list.  Nothing was written.",
                  edif_path, box::kOk | box::kIconError);
    }
    return Outcome::kFailed;
  }
  VerilogNetlist parsed;
  if (verilog) {
    const bool read = parsed.Parse(in);
    progress.Step(in);
    if (in.ReadFailed()) {
      ReportReadFailure(p.ui, edif_path);
      return Outcome::kFailed;
    }
    if (!read) {
      p.ui.Notify(Format("Line %ld: %s\n\nNothing was written.", parsed.error_line(),
                         parsed.error().c_str()),
                  edif_path, box::kOk | box::kIconError);
      return Outcome::kFailed;
    }
  }
  if (FileExists(out_path) &&
      p.ui.Notify(out_path, "Replace File?", box::kYesNo | box::kIconQuestion) != answer::kYes) {
    return Outcome::kStopped;
  }
  ReadOptions options;
  options.limits = LoadEdifLimits(p.profile);
  std::vector<Diagnostic> notes;
  BaseMacros base;
  std::string base_path;
  if (ChooseBaseMacroFile(p.ui, job.browse_dir, base_path) &&
      !LoadBaseMacroFile(base_path, options.limits, base, session.fanout, notes)) {
    Show(run, notes);
    return Outcome::kFailed;
  }
  Show(run, notes);
  MacIncludes includes;
  includes.base = base_path;
  if (const Outcome chosen = RunMacDialog(p, job.test_dir, job.browse_dir, includes);
      chosen != Outcome::kCompleted) {
    return chosen;
  }
  // The new .mac and .wir are written beside the old ones, which stay as
  // they are until both are complete.
  SafeOutput mac(p);
  SafeOutput wir(p);
  if (!mac.Open(out_path)) return Outcome::kFailed;
  File& out = mac.file();
  WriteHead(out, includes);
  const bool pads = !includes.pad.empty();

  // One reading of an EDIF netlist answers both questions before it is read:
  // whether it names VCC (asked once per run) and whether it needs its cell
  // uses read first.
  const bool ask_vcc = session.vcc_answer == VccAnswer::kNotAsked;
  const Prescan prescan = verilog ? Prescan{} : ScanNetlist(edif_path, ask_vcc);
  options.vcc_to_vdd =
      VccBecomesVdd(p.ui, session, ask_vcc && (verilog ? parsed.NamesVcc() : prescan.names_vcc));
  options.keep_going = [&] {
    progress.Step(in);
    return !progress.cancelled();
  };
  Netlist netlist;
  std::unique_ptr<NetlistReader> reader;
  EdifReader* edif = nullptr;
  if (verilog) {
    reader = std::make_unique<VerilogReader>(parsed, options, netlist);
  } else {
    reader = std::make_unique<EdifReader>(in, options, netlist);
    edif = static_cast<EdifReader*>(reader.get());
  }
  WriteState state;
  WriteInputs write{base, session.fanout, options.vcc_to_vdd, [&] { progress.Step(in); }};
  std::string replaced_note;  // " CELL" per bottom cell that had instances
  bool wrote_macro = false;
  // Shows what writing (or making ready) the macro of `cell` found; false
  // when the import must stop.
  auto written = [&](bool ok, const std::string& cell) {
    Show(run, notes);
    if (!state.unsplit.empty()) {
      p.ui.Notify(state.unsplit + "\n\nMacro " + cell + ", from " + edif_path + ".",
                  "Symbol over 70 char. long", box::kOk | box::kIconError | box::kNoOwner);
    }
    return ok;
  };
  CellUses uses;
  if ((prescan.hints & kUsesNeeded) || (options.vcc_to_vdd && (prescan.hints & kVccPort))) {
    GatherCellUses(edif_path, options, progress, uses);
    options.uses = &uses;
    // Cells the file uses but never defines: leaf cells with the ports
    // their instances use, written first (the base file's are its own).
    for (const CellUses::Undefined& u : uses.undefined) {
      if (IsBottomCell(base, u.cell)) continue;
      Cell cell;
      cell.name = u.cell;
      for (const std::string& port : u.ports) {
        Port pin;
        pin.supply = IsSupplyName(port) && !uses.OffSupply(u.cell, port);
        cell.AddPort(port, pin);
      }
      netlist.body.Clear();
      netlist.body.cell = cell.name;
      const Cell& added = netlist.AddCell(std::move(cell));
      wrote_macro = true;
      if (!written(WriteMacro(out, netlist, added, write, state, notes), added.name)) {
        return Outcome::kFailed;
      }
    }
  }
  ReadStep step;
  while ((step = reader->Next()) == ReadStep::kCell) {
    Show(run, netlist.diagnostics, edif_path);
    const std::size_t read = netlist.cells.size() - 1;
    bool ok = InsertInverters(netlist, base, session.fanout, options.limits, notes);
    const Cell& cell = netlist.cells[read];
    if (ok && IsBottomCell(base, cell.name)) {
      if (!netlist.body.instances.empty()) replaced_note += " " + cell.name;
    } else if (ok) {
      wrote_macro = true;
      ok = WriteMacro(out, netlist, cell, write, state, notes);
    }
    if (!written(ok, cell.name)) return Outcome::kFailed;
  }
  if (in.ReadFailed()) {
    // What the reading found at the end (a file ending inside a list) is
    // the failed read's doing.
    ReportReadFailure(p.ui, edif_path);
    return Outcome::kFailed;
  }
  Show(run, netlist.diagnostics, edif_path);
  if (step == ReadStep::kFailed) {
    shortfall = {reader->short_key, reader->short_needed};
    return Outcome::kFailed;
  }
  const std::string top = netlist.top.empty() ? "-none-" : netlist.top;
  if (netlist.has_design) {
    if (!wir.Open(wire_path)) return Outcome::kFailed;
    WriteWireList(wir.file(), top);
    if (pads) {
      // Over the last ".eom" and the empty line after it; with no macro
      // written yet those bytes would be the head of the file.
      if (wrote_macro) out.Seek(-8, File::Whence::kEnd);
      WriteLine(out, "<PADS PADS");
      WriteLine(out, ".eom");
    }
  } else if (!wrote_macro) {
    p.ui.Notify("Above EDIF file holds no cell to convert; it may be cut short.  "
                "Nothing was written.",
                edif_path, box::kOk | box::kIconError);
    return Outcome::kFailed;
  }
  progress.Fill();
  if (progress.cancelled()) return Outcome::kFailed;
  in.Close();
  if (in.ReadFailed()) {
    ReportReadFailure(p.ui, in.Path());
    return Outcome::kFailed;
  }
  // The two files belong together: both are replaced or neither is.
  if (!(wir.file().IsOpen() ? CommitPair(mac, wir) : mac.Commit())) return Outcome::kFailed;
  std::string text = Format("Output file: %s\nTop cell:    %s", out_path.c_str(), top.c_str());
  if (state.unconnected != 0) {
    text += Format("\n\nWARNING: %ld unconnected nodes, see NCXnnn's", state.unconnected);
  }
  if (edif && edif->joined_nets() != 0) {
    text += Format("\n\nWARNING: %ld nets share a pin with an earlier net and are joined to it, as "
                   "one net (the first: %s)",
                   edif->joined_nets(), edif->first_join().c_str());
  }
  if (state.split_pins != 0) {
    text += Format("\n\nWARNING: %ld instance pins are on more than one net, which a macro file "
                   "cannot join: each is written on its first net only (the first: %s)",
                   state.split_pins, state.first_split.c_str());
  }
  if (state.no_body != 0) {
    text += Format("\n\nWARNING: %ld macros with no body (primitives which must be defined?)",
                   state.no_body);
  }
  if (!replaced_note.empty()) {
    text += "\n\nNOTE: The following netlist cells were replaced with base cells:\n" + replaced_note;
  }
  p.ui.Notify(text, "EDIF Conversion Done.", box::kOk);
  return Outcome::kCompleted;
}

}  // namespace

Outcome RunEdifImport(const RunContext& run, EdifSession& session, const EdifJob& job) {
  Platform& p = run.platform;
  try {
    for (;;) {
      Shortfall shortfall;
      Outcome outcome = Import(run, session, job, shortfall);
      if (outcome != Outcome::kFailed || shortfall.key.empty()) return outcome;
      // Offer to raise the capacity the file needs and convert again.
      if (p.ui.Notify(Format("This netlist needs the setting %s at %ld or more.\n\nRaise %s to "
                             "%ld and convert again?",
                             shortfall.key.c_str(), shortfall.needed, shortfall.key.c_str(),
                             shortfall.needed),
                      "EDIF Import", box::kYesNo | box::kIconQuestion) != answer::kYes) {
        return outcome;
      }
      if (!SaveSettings(p, {{shortfall.key, std::to_string(shortfall.needed)}})) return outcome;
    }
  } catch (const std::bad_alloc&) {
    p.ui.Notify("Out of memory.", "Error", box::kOk | box::kIconError);
    return Outcome::kFailed;
  }
}

}  // namespace kalvor
