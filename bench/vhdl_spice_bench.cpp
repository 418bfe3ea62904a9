// Speed of the SPICE clean-up and the SIM switch on large generated inputs,
// against a plain line-by-line copy of the same input.
//
//   vhdl_spice_bench [--mb N] [--dir DIR]
//
// Runs each at N/10 and N megabytes (default 100, in /dev/shm when there is
// one, else DIR or the temporary directory) and prints the best of five
// timings, the ratio to the copy and the growth from the small to the
// large input.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "line_copy.h"
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

// Processor time of this process (user and system): on a machine shared
// with other work it varies far less than the wall clock.
struct Timer {
  std::clock_t cpu = std::clock();
  std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
};
struct Timing {
  double cpu = 0;
  double wall = 0;
};
Timing Seconds(const Timer& since) {
  return {static_cast<double>(std::clock() - since.cpu) / CLOCKS_PER_SEC,
          std::chrono::duration<double>(std::chrono::steady_clock::now() -
                                        since.wall)
              .count()};
}

Timing TimeCopy(const std::string& from, const std::string& to) {
  Timer start;
  CopyLines(from, to);
  return Seconds(start);
}

struct Bench {
  std::string dir;
  PosixFileSystem files;
  CliUi ui;
  IniProfile profile;
  PosixShell shell;
  Session app;
  explicit Bench(const std::string& d)
      : dir(d),
        profile(d + "/bench.ini"),
        app(Platform{ui, profile, shell, files}) {
    files.ChangeDirectory(dir);
    app.state.test_dir = dir + "/";
    app.state.test_id = "bench";
    for (const CheckBoxSetting& box : kCheckBoxSettings) {
      ui.MainDialog().SetChecked(box.id, box.checked);
    }
    ui.SetBlanketAnswer(answer::kYes);
  }
};

Timing TimeCleanup(Bench& b, const std::string& source) {
  fs::copy_file(source, b.dir + "/bench.spc",
                fs::copy_options::overwrite_existing);
  b.ui.AddAnswer("se=n;le=y;");
  Timer start;
  Outcome o = FindCommand(id::kSpiceClean)->run(b.app);
  Timing t = Seconds(start);
  if (o != Outcome::kCompleted) std::fprintf(stderr, "clean-up failed\n");
  return t;
}

Timing TimeSwitch(Bench& b, const std::string& source) {
  fs::copy_file(source, b.dir + "/bench.vhd",
                fs::copy_options::overwrite_existing);
  b.app.state.option_line = " SIM";
  Timer start;
  Outcome o = FindCommand(id::kVhdlSim)->run(b.app);
  Timing t = Seconds(start);
  if (o != Outcome::kCompleted) std::fprintf(stderr, "switch failed\n");
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  long mb = 100;
  // A memory file system where there is one: the figures are then the
  // converters' own, not the disk's write-back.
  std::error_code ec;
  fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm")
                                                   : fs::temp_directory_path();
  std::string dir = (base / "kalvor-vhdl-spice-bench").string();
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--mb") mb = std::atol(argv[i + 1]);
    if (a == "--dir") dir = argv[i + 1];
  }
  fs::create_directories(dir);
  const std::string work = dir + "/work";
  fs::create_directories(work);
  Bench bench(work);
  // Keep the boxes of the run quiet on the terminal.
  std::freopen("/dev/null", "w", stderr);

  struct Row {
    const char* what;
    long mb;
    Timing copy;
    Timing run;
  } rows[4];
  // Both sizes are measured in turn in every round, so that a slow spell of
  // the machine does not fall on one size only.
  const long sizes[2] = {mb / 10, mb};
  std::string spice[2];
  std::string vhdl[2];
  for (int k = 0; k < 2; ++k) {
    std::int64_t bytes = static_cast<std::int64_t>(sizes[k]) * 1000 * 1000;
    spice[k] = dir + "/input" + std::to_string(k) + ".spc";
    vhdl[k] = dir + "/input" + std::to_string(k) + ".vhd";
    GenerateSpice(spice[k], bytes);
    GenerateVhdl(vhdl[k], bytes);
    rows[2 * k] = {"spice clean-up", sizes[k], {1e30, 1e30}, {1e30, 1e30}};
    rows[2 * k + 1] = {"SIM switch", sizes[k], {1e30, 1e30}, {1e30, 1e30}};
  }
  auto keep_best = [](Timing& best, Timing t) {
    best.cpu = std::min(best.cpu, t.cpu);
    best.wall = std::min(best.wall, t.wall);
  };
  for (int round = 0; round < 5; ++round) {
    for (int k = 0; k < 2; ++k) {
      keep_best(rows[2 * k].copy, TimeCopy(spice[k], dir + "/copy.txt"));
      keep_best(rows[2 * k].run, TimeCleanup(bench, spice[k]));
      keep_best(rows[2 * k + 1].copy, TimeCopy(vhdl[k], dir + "/copy.txt"));
      keep_best(rows[2 * k + 1].run, TimeSwitch(bench, vhdl[k]));
    }
  }
  std::printf("in %s\n", dir.c_str());
  std::printf("processor seconds (wall seconds), best of five\n");
  std::printf("%-16s %5s %17s %17s %9s\n", "function", "MB", "copy", "run",
              "run/copy");
  for (const Row& row : rows) {
    std::printf("%-16s %5ld %7.3f (%7.3f) %7.3f (%7.3f) %9.2f\n", row.what,
                row.mb, row.copy.cpu, row.copy.wall, row.run.cpu, row.run.wall,
                row.run.cpu / row.copy.cpu);
  }
  for (int k = 0; k < 2; ++k) {
    std::printf("%-16s growth for 10x input: %.2fx (wall %.2fx; copy %.2fx)\n",
                rows[k].what, rows[k + 2].run.cpu / rows[k].run.cpu,
                rows[k + 2].run.wall / rows[k].run.wall,
                rows[k + 2].copy.cpu / rows[k].copy.cpu);
  }
  fs::remove_all(dir);
  return 0;
}
