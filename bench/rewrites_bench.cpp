// Speed of the streaming rewrites and the trace conversion on large
// generated inputs, against the floor: `cp` and `wc -l` of the same input.
//
//   rewrites_bench [--mb N] [--dir DIR] [--rounds R]
//
// Runs each function on an input of N megabytes (default 100, in /dev/shm
// when there is one, else DIR or the temporary directory), alternating with
// `cp` and `wc -l` of that input, and prints the best of R rounds (default
// 5) of processor time as multiples of both. The limits: the rewrites
// (clean-up, SIM, NOSIM, reformat) 6x cp, the trace conversion 15x cp.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "floor.h"
#include "commands/command_table.h"
#include "commands/session.h"
#include "core/settings.h"
#include "platform/resource.h"
#include "posix/cli_ui.h"
#include "posix/posix_platform.h"
#include "text/file.h"
#include "text/lineio.h"

namespace {

using namespace kalvor;
namespace fs = std::filesystem;

void GenerateSpice(const std::string& path, std::int64_t bytes) {
  File out;
  out.Open(path, File::Mode::kCreate);
  std::int64_t n = 0;
  char line[256];
  for (long i = 0; out.Tell() < bytes; ++i) {
    switch (i % 10) {
      case 0:
        std::snprintf(line, sizeof line, "* block %ld of the extract", i);
        break;
      case 1:
        std::snprintf(line, sizeof line, ".SUBCKT cell%ld a b c", i);
        break;
      case 2:
        std::snprintf(line, sizeof line,
                      "M%ld N%ld IN%ld VDD VDD PMOS L=2u W=10u AD=55p PD=31u "
                      "AS=55p PS=31u ",
                      i, i, i);
        break;
      case 3:
        std::snprintf(line, sizeof line, "Cpar%ld N%ld 0 C=271.70426f", i, i);
        break;
      case 4:
        std::snprintf(line, sizeof line, "D%ld N%ld GND DMOD AREA=1", i, i);
        break;
      case 5:
        std::snprintf(line, sizeof line, "X%ld N%ld OUT%ld nc", i, i, i);
        break;
      case 6:
        std::snprintf(line, sizeof line, ".ENDS\t$ cell%ld", i);
        break;
      case 7:
        std::snprintf(line, sizeof line, "R%ld N%ld OUT%ld 1k", i, i, i);
        break;
      case 8:
        std::snprintf(line, sizeof line, "C%ld N%ld 0 2.5e-15", i, i);
        break;
      default:
        std::snprintf(line, sizeof line,
                      "M%ld OUT%ld IN%ld GND GND NMOS L=2u W=5u", i, i, i);
        break;
    }
    WriteLine(out, line);
    ++n;
  }
}

void GenerateVhdl(const std::string& path, std::int64_t bytes) {
  File out;
  out.Open(path, File::Mode::kCreate);
  char line[256];
  for (long i = 0; out.Tell() < bytes; ++i) {
    std::snprintf(line, sizeof line, "  signal s%ld : std_logic;", i);
    WriteLine(out, line);
    WriteLine(out, "--ifdef SIM");
    std::snprintf(line, sizeof line, "--  s%ld <= a and b after 1 ns;", i);
    WriteLine(out, line);
    WriteLine(out, "--else");
    std::snprintf(line, sizeof line, "  s%ld <= a and b;", i);
    WriteLine(out, line);
    WriteLine(out, "--endif");
  }
}

// A trace table: the heading, three rows the conversion skips, then rows of
// a time and 16 values, logic literals and counts.
void GenerateTrace(const std::string& path, std::int64_t bytes) {
  File out;
  out.Open(path, File::Mode::kCreate);
  std::string line = "Signals=time";
  for (int k = 0; k < 16; ++k) line += " tb.dut.s" + std::to_string(k);
  WriteLine(out, line);
  WriteLine(out, "---");
  WriteLine(out, "---");
  WriteLine(out, "");
  unsigned seed = 12345;
  char field[32];
  for (long i = 0; out.Tell() < bytes; ++i) {
    std::snprintf(field, sizeof field, "%ld.%ld ", i / 10, i % 10);
    line = field;
    for (int k = 0; k < 16; ++k) {
      seed = seed * 1103515245u + 12345u;
      if (k % 4 == 0) {
        line += (seed >> 16) % 2 ? " '1'" : " '0'";
      } else {
        std::snprintf(field, sizeof field, " %u", (seed >> 8) % 5000);
        line += field;
      }
    }
    WriteLine(out, line);
  }
}

class NoShell : public Shell {
 public:
  OpenResult Open(const std::string&, const std::string&, const std::string&) override {
    return {.started = true};
  }
};

struct Bench {
  std::string dir;
  PosixFileSystem files;
  CliUi ui;
  IniProfile profile;
  NoShell shell;
  Session app;
  explicit Bench(const std::string& d)
      : dir(d),
        profile(d + "/bench.ini"),
        app(Platform{ui, profile, shell, files}) {
    files.ChangeDirectory(dir);
    app.state.test_dir = dir + "/";
    app.state.last_dir = dir;
    app.state.test_id = "bench";
    for (const CheckBoxSetting& box : kCheckBoxSettings) {
      ui.MainDialog().SetChecked(box.id, box.checked);
    }
    ui.SetBlanketAnswer(answer::kYes);
  }
  // Copies `source` to bench.EXT and times `run` on it.
  double Time(const std::string& source, const std::string& ext, Outcome (*run)(Bench&)) {
    std::string target = dir + "/bench." + ext;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing);
    Outcome o = Outcome::kFailed;
    double seconds = bench::CpuSeconds([&] { o = run(*this); });
    if (o != Outcome::kCompleted) {
      std::printf("bench.%s: the run did not complete\n", ext.c_str());
      std::exit(1);
    }
    return seconds;
  }
};

Outcome Cleanup(Bench& b) {
  b.ui.AddAnswer("se=n;le=y;");
  return FindCommand(id::kSpiceClean)->run(b.app);
}
Outcome Switch(Bench& b, const char* keyword) {
  b.app.state.option_line = keyword;
  return FindCommand(id::kVhdlSim)->run(b.app);
}
Outcome Sim(Bench& b) { return Switch(b, " SIM"); }
Outcome NoSim(Bench& b) { return Switch(b, " NOSIM"); }
Outcome Reformat(Bench& b) {
  b.ui.AddAnswer(b.dir + "/bench.txt");
  return FindCommand(id::kReformat)->act(b.app, *FindCommand(id::kReformat));
}
Outcome VhdOut(Bench& b) {
  b.ui.AddAnswer(b.dir + "/bench.txt");
  b.ui.AddAnswer("supply=3.3;counts/volt=1241;limit=n;");
  return FindCommand(id::kVhdOut)->run(b.app);
}

}  // namespace

int main(int argc, char** argv) {
  // The converters' process as the command-line program sets it up.
  kalvor::SetUpProcessMemory();
  long mb = 100;
  int rounds = 5;
  // A memory file system where there is one: the figures are then the
  // converters' own, not the disk's write-back.
  std::error_code ec;
  fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm")
                                                   : fs::temp_directory_path();
  std::string dir = (base / "kalvor-rewrites-bench").string();
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--mb") mb = std::atol(argv[i + 1]);
    if (a == "--dir") dir = argv[i + 1];
    if (a == "--rounds") rounds = std::max(1, std::atoi(argv[i + 1]));
  }
  const std::string work = dir + "/work";
  fs::create_directories(work);
  Bench bench(work);
  // Keep the boxes of the run quiet on the terminal.
  std::FILE* quiet = std::freopen("/dev/null", "w", stderr);
  (void)quiet;

  const std::int64_t bytes = static_cast<std::int64_t>(mb) * 1000 * 1000;
  const std::string spice = dir + "/input.spc", vhdl = dir + "/input.vhd",
                    trace = dir + "/input.txt";
  GenerateSpice(spice, bytes);
  GenerateVhdl(vhdl, bytes);
  GenerateTrace(trace, bytes);
  struct Row {
    const char* what;
    const std::string& input;
    const char* ext;
    Outcome (*run)(Bench&);
    double limit;
    bench::Floor floor;
    double seconds = 1e30;
  } rows[] = {
      {"spice clean-up", spice, "spc", Cleanup, 6, {}},
      {"SIM switch", vhdl, "vhd", Sim, 6, {}},
      {"NOSIM switch", vhdl, "vhd", NoSim, 6, {}},
      {"reformat", spice, "txt", Reformat, 6, {}},
      {"vhdout", trace, "txt", VhdOut, 15, {}},
  };
  // Every round measures every function next to its floor, so that a slow
  // spell of the machine does not fall on one of them only.
  for (int round = 0; round < rounds; ++round) {
    for (Row& row : rows) {
      row.floor.Measure(row.input, dir + "/copy.txt");
      row.seconds = std::min(row.seconds, bench.Time(row.input, row.ext, row.run));
    }
  }
  std::printf("%ld MB inputs in %s; processor seconds, best of %d; load %.2f\n", mb,
              dir.c_str(), rounds, bench::LoadAverage());
  std::printf("%-16s %8s %8s %8s   %-30s %s\n", "function", "run", "cp", "wc -l", "multiples",
              "limit");
  bool ok = true;
  for (const Row& row : rows) {
    bool within = row.seconds <= row.limit * row.floor.cp;
    ok = ok && within;
    std::printf("%-16s %8.3f %8.3f %8.3f   %-30s %4.0fx cp %s\n", row.what, row.seconds,
                row.floor.cp, row.floor.wc, bench::Multiples(row.seconds, row.floor).c_str(),
                row.limit, within ? "within" : "OVER");
  }
  fs::remove_all(dir);
  return ok ? 0 : 1;
}
