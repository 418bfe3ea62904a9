#include "edif/edif_import.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "core/dialogs.h"
#include "core/safe_replace.h"
#include "edif/base_macros.h"
#include "edif/edif_reader.h"
#include "edif/edif_run.h"
#include "edif/insert_inverters.h"
#include "edif/mac_dialog.h"
#include "edif/macro_writer.h"
#include "edif/verilog_reader.h"
#include "text/lineio.h"

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

struct StepContext {
  Progress* progress;
  File* file;
};

void InstanceStepped(void* context) {
  auto* c = static_cast<StepContext*>(context);
  c->progress->Step(*c->file);
}

void WriteHead(File& out, const MacIncludes& inc) {
  WriteLine(out, "");
  for (const std::string* field : {&inc.func, &inc.pri, &inc.base, &inc.pad}) {
    if (!field->empty()) WriteLine(out, "<" + *field + ">");
  }
  WriteLine(out, "");
}

std::string Summary(const EdifRun& run, const std::string& out_path) {
  std::string text =
      Format("Output file: %s\nTop cell:    %s", out_path.c_str(), run.top.c_str());
  if (run.unconnected != 0) {
    text += Format("\n\nWARNING: %ld unconnected nodes, see NCXnnn's", run.unconnected);
  }
  if (run.no_body != 0) {
    text += Format("\n\nWARNING: %ld macros with no body (primitives which must be defined?)",
                   run.no_body);
  }
  if (!run.replaced_note.empty()) {
    text += "\n\nNOTE: The following netlist cells were replaced with base cells:\n" +
            run.replaced_note;
  }
  return text;
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

// The end of a conversion that read the whole netlist: the new macro file
// and wire list replace the old ones once both are complete.
Outcome Finish(EdifRun& run, File& in, SafeOutput& mac, SafeOutput& wir, Progress& progress,
               const std::string& out_path) {
  progress.Fill();
  if (!mac.Commit(in)) return Outcome::kFailed;
  if (wir.file().IsOpen() && !wir.Commit()) return Outcome::kFailed;
  run.platform.ui.Notify(Summary(run, out_path), "EDIF Conversion Done.", box::kOk);
  return Outcome::kCompleted;
}

// A table capacity the file needs raised: the settings key and the number.
struct Shortfall {
  std::string key;
  long needed = 0;
};

Outcome Import(const RunContext& context, EdifSession& session, const EdifJob& job,
               EdifLookups& lookups, Shortfall& shortfall) {
  Platform& p = context.platform;
  EdifRun run(context, session, lookups, job);
  run.limits = LoadEdifLimits(p.profile);
  const std::string& edif_path = job.edif_path;
  const std::string& out_path = job.mac_path;
  const std::string wire_path = out_path.substr(0, out_path.size() - 3) + "wir";

  File in;
  if (!in.Open(edif_path, File::Mode::kRead)) {
    p.ui.Notify(edif_path, "Error opening:", box::kOk);
    return Outcome::kFailed;
  }
  ProgressWindow window(context.progress, p.ui, edif_path);
  Progress& progress = window.progress;
  progress.Step(in);
  // A Verilog netlist is read whole before anything is written, so that a
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
  VerilogNetlist netlist;
  if (verilog) {
    std::string text(static_cast<std::size_t>(std::max<std::int64_t>(in.Size(), 0)), '\0');
    text.resize(in.Read(text.data(), text.size()));
    progress.Step(in);
    if (in.ReadFailed()) {
      ReportReadFailure(p.ui, edif_path);
      return Outcome::kFailed;
    }
    if (!netlist.Parse(std::move(text))) {
      p.ui.Notify(Format("Line %ld: %s\n\nNothing was written.", netlist.error_line(),
                         netlist.error().c_str()),
                  edif_path, box::kOk | box::kIconError);
      return Outcome::kFailed;
    }
  }
  if (FileExists(out_path) &&
      p.ui.Notify(out_path, "Replace File?", box::kYesNo | box::kIconQuestion) != answer::kYes) {
    return Outcome::kStopped;
  }
  if (!ChooseBaseMacroFile(run)) return Outcome::kFailed;
  MacIncludes includes;
  includes.base = run.base_path;
  if (!RunMacDialog(p, job.test_dir, job.browse_dir, includes)) return Outcome::kStopped;
  // The new .mac and .wir are written beside the old ones, which stay as
  // they are until both are complete.
  SafeOutput mac(p);
  SafeOutput wir(p);
  if (!mac.Open(out_path)) return Outcome::kFailed;
  File& out = mac.file();
  WriteHead(out, includes);
  const bool pads = !includes.pad.empty();

  StepContext step{&progress, &in};
  bool wrote_macro = false;
  // What follows the reading of a cell, whichever reader filled the tables.
  auto cell_read = [&]() -> bool {
    if (!InsertInverters(run)) return false;
    if (IsBottomCell(run, run.cell.name)) {
      if (!run.cell.instances.empty()) run.replaced_note += " " + run.cell.name;
      return true;
    }
    wrote_macro = true;
    return WriteMacro(run, out, InstanceStepped, &step);
  };
  auto design_read = [&](const std::string& top) -> bool {
    run.top = top;
    if (!wir.Open(wire_path)) return false;
    WriteWireList(wir.file(), run.top);
    if (pads) {
      // Over the last ".eom" and the empty line after it; with no macro
      // written yet those bytes would be the head of the file.
      if (wrote_macro) out.Seek(-8, File::Whence::kEnd);
      WriteLine(out, "<PADS PADS");
      WriteLine(out, ".eom");
    }
    return true;
  };

  if (verilog) {
    for (std::size_t k = 0; k < netlist.CellCount(); ++k) {
      if (!netlist.FillCell(k, p.ui, run.warnings, session, run.limits, lookups, run.cells,
                            run.cell) ||
          !cell_read()) {
        return Outcome::kFailed;
      }
    }
    if (netlist.Top() != "-none-" && !design_read(netlist.Top())) return Outcome::kFailed;
    return Finish(run, in, mac, wir, progress, out_path);
  }

  EdifReader reader(in, p.ui, run.warnings, session, run.limits, lookups, run.cells, run.cell);
  reader.on_head = [&] {
    progress.Step(in);
    if (progress.cancelled()) reader.Abandon();
  };
  bool design = false;
  std::string head;
  while (reader.NextListHead(0, head)) {
    progress.Step(in);
    if (progress.cancelled()) return Outcome::kFailed;
    if (EqualNoCase(head, "cell")) {
      if (!reader.ReadCell()) {
        shortfall = {reader.short_key(), reader.short_needed()};
        return Outcome::kFailed;
      }
      if (!reader.have_cell()) continue;  // the file ended after the head
      if (!cell_read()) return Outcome::kFailed;
    } else if (EqualNoCase(head, "design") && !design) {
      // The design may stand anywhere at the top level (before the
      // libraries, too): the cells after it are still read.
      std::string top;
      if (reader.Find("cellref", top)) run.top = top;
      if (reader.failed()) return Outcome::kFailed;
      design = true;
    }
  }
  if (in.ReadFailed()) {
    ReportReadFailure(p.ui, edif_path);
    return Outcome::kFailed;
  }
  if (reader.failed()) return Outcome::kFailed;
  if (design && !design_read(run.top)) return Outcome::kFailed;
  if (!design && reader.tokens().depth() != 0) {
    p.ui.Notify("The EDIF file ends inside an open list or closes more lists than it opens; "
               "it may be cut short or damaged.",
               edif_path, box::kOk | box::kIconError);
    return Outcome::kFailed;
  }
  if (!design && !wrote_macro) {
    p.ui.Notify("Above EDIF file holds no cell to convert; it may be cut short.  "
                "Nothing was written.",
                edif_path, box::kOk | box::kIconError);
    return Outcome::kFailed;
  }
  return Finish(run, in, mac, wir, progress, out_path);
}

}  // namespace

Outcome RunEdifImport(const RunContext& run, EdifSession& session, const EdifJob& job,
                      EdifLookups& lookups) {
  Platform& p = run.platform;
  try {
    for (;;) {
      Shortfall shortfall;
      Outcome outcome = Import(run, session, job, lookups, shortfall);
      if (outcome != Outcome::kFailed || shortfall.key.empty()) return outcome;
      // Offer to raise the capacity the file needs and convert again.
      if (p.ui.Notify(Format("This netlist needs the setting %s at %ld or more.\n\nRaise %s to "
                             "%ld and convert again?",
                             shortfall.key.c_str(), shortfall.needed, shortfall.key.c_str(),
                             shortfall.needed),
                      "EDIF Import", box::kYesNo | box::kIconQuestion) != answer::kYes) {
        return outcome;
      }
      p.profile.PutString(shortfall.key, std::to_string(shortfall.needed));
    }
  } catch (const std::bad_alloc&) {
    p.ui.Notify("Out of memory.", "Error", box::kOk | box::kIconError);
    return Outcome::kFailed;
  }
}

Outcome RunEdifImport(const RunContext& run, EdifSession& session, const EdifJob& job) {
  std::unique_ptr<EdifLookups> lookups = MakeIndexedLookups();
  return RunEdifImport(run, session, job, *lookups);
}

}  // namespace kalvor
