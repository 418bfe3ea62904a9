// libFuzzer target: the readers of the other text formats on arbitrary
// bytes, chosen by the first byte: the macro-file reader (logical lines and
// their kinds), the SPICE clean-up with every option on, the trace-table
// conversion (heading, fields, rows), and the macro file's conversion to
// VHDL in either form (the second byte's bits: standard VHDL, bodies too
// large to keep). Built and run by scripts/test.d/edif_fuzz.sh.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "mac/macfile.h"
#include "spice/spice_cleanup.h"
#include "spice/spice_node_names.h"
#include "text/file.h"
#include "text/lineio.h"
#include "support/quiet_ui.h"
#include "vhdl/fanout.h"
#include "vhdl/mac_to_vhdl.h"
#include "vhdl/vhd_out.h"

namespace {

using namespace kalvor;

std::string InputPath() {
  static std::string path = [] {
    char templ[] = "/tmp/kalvor-fuzz-XXXXXX";
    char* made = mkdtemp(templ);
    return std::string(made ? made : "/tmp") + "/in.txt";
  }();
  return path;
}

void ReadMacro(File& in) {
  std::string line;
  while (ReadMacLine(in, line)) ClassifyMacLine(line);
}

void CleanSpice(File& in, unsigned char flags) {
  SpiceOptions options;
  options.no_comments = (flags & 1) != 0;
  options.no_nc = (flags & 2) != 0;
  options.no_end = (flags & 4) != 0;
  options.no_questions = (flags & 8) != 0;
  options.fix_caps = (flags & 16) != 0;
  options.match_case = (flags & 32) != 0;
  options.diodes = (flags & 64) != 0;
  options.no_parasitics = (flags & 128) != 0;
  NodeNameTable nodes;
  nodes.TakeLine(".print v(a) v(B) v(n1)");
  SpiceCleaner cleaner(options, nodes, (flags & 1) != 0,
                       options.match_case ? NodeTableState::kNotMet : NodeTableState::kNone,
                       [](const std::string&) { return true; });
  File out;
  out.Adopt(std::tmpfile(), "out");
  cleaner.Run(in, out);
}

void ConvertTrace(File& in) {
  TraceScale scale;
  ReadTraceScale("supply=3.3;counts/volt=1241;limit=y;", scale);
  std::string line;
  if (!ReadWholeLine(in, line)) return;
  TraceHeading(line);
  while (ReadWholeLine(in, line)) TraceRow(line, scale);
}

void ConvertMacro(File& in, unsigned char flags) {
  testing::QuietUi ui;
  Progress progress;
  FanoutTables tables;
  tables.nets = 4096;
  tables.knets = 256;
  if (!AllocateFanoutTables(tables)) return;
  FanoutAnalysis fanout(tables);
  MacToVhdlOptions options = ReadMacToVhdlOptions(
      (flags & 1) != 0 ? "m1=NC;m2=PORTPADA;m3=;=y;p1=;p2=;std=y;" : "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;");
  File out;
  out.Adopt(std::tmpfile(), "out");
  // A small limit makes most bodies too large to keep: read from the file again.
  ConvertMacFile(ui, progress, options, in, out, fanout, (flags & 2) != 0 ? 64 : kKeepBodyBytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string path = InputPath();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data + 2, 1, size - 2, f);
  std::fclose(f);
  File in;
  if (!in.Open(path, File::Mode::kRead)) return 0;
  switch (data[0] % 4) {
    case 0: ReadMacro(in); break;
    case 1: CleanSpice(in, data[1]); break;
    case 2: ConvertTrace(in); break;
    default: ConvertMacro(in, data[1]); break;
  }
  return 0;
}
