// Times the 'A'-cell conversion of generated macro files of 10 MB and 100 MB
// against plain line-by-line copies of the same files.
//
//   toolchain_a_cells_bench [DIRECTORY]
//
// DIRECTORY defaults to /dev/shm where there is one (so that the disk's
// write-back does not swamp the figures), else the system's temp dir. Each
// measurement is the best of several runs (9 at 10 MB, 5 at 100 MB); the
// macro file is restored from a pristine copy before each conversion.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>

#include "line_copy.h"
#include "commands/session.h"
#include "support/quiet_ui.h"
#include "core/state.h"
#include "posix/posix_platform.h"
#include "text/file.h"
#include "text/lineio.h"
#include "toolchain/toolchain.h"

namespace {

using namespace kalvor;
namespace fs = std::filesystem;

// A macro file of about `bytes` bytes: macros of 200 instance lines each,
// a third of the instances naming 'A' cells, some naming macros defined
// earlier, and an include line at the head.
void Generate(const std::string& path, std::size_t bytes) {
  std::ofstream out(path, std::ios::binary);
  out << "<\\vazevari\\nettran\\scmos\\scms2tpr.mac>\r\n";
  std::size_t written = 0;
  std::string line;
  for (long m = 0; written < bytes; ++m) {
    line = ".macro CELL" + std::to_string(m) + "A in0 in1 in2 out0 out1\r\n";
    for (long i = 0; i < 200; ++i) {
      line += "<U" + std::to_string(i);
      switch (i % 3) {
        case 0: line += " NAND2A"; break;
        case 1: line += " CELL" + std::to_string(m > 0 ? m - 1 : 0) + "A"; break;
        default: line += " DFFR"; break;
      }
      line += " net" + std::to_string(i) + " net" + std::to_string(i + 1) +
              " n" + std::to_string(m) + "_" + std::to_string(i) + " vdd gnd\r\n";
    }
    line += ".eom\r\n\r\n";
    out << line;
    written += line.size();
  }
}

// Wall-clock and processor time of one call. The machine may be shared:
// processor time (user and system) is what the bounds are checked on.
struct Timing {
  double wall = 1e30;
  double cpu = 1e30;
  void KeepBest(const Timing& t) {
    wall = std::min(wall, t.wall);
    cpu = std::min(cpu, t.cpu);
  }
};

Timing Time(const std::function<void()>& f) {
  auto start = std::chrono::steady_clock::now();
  std::clock_t cpu_start = std::clock();
  f();
  Timing t;
  t.cpu = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
  t.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return t;
}

// The same file copied line by line with the standard streams.
void CopyWithStreams(const std::string& from, const std::string& to) {
  std::ifstream in(from, std::ios::binary);
  std::ofstream out(to, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) out << line << '\n';
}

struct Result {
  Timing convert;
  Timing copy_lines;
  Timing copy_streams;
};

Result Measure(const fs::path& dir, std::size_t bytes, int runs) {
  const std::string pristine = (dir / "pristine.mac").string();
  const std::string mac = (dir / "bench.mac").string();
  const std::string copy = (dir / "copy.mac").string();
  Generate(pristine, bytes);

  testing::QuietUi ui;
  ui.input_box = answer::kOk;
  ui.run_dialogs = false;
  IniProfile profile((dir / "bench.ini").string());
  PosixShell shell;
  PosixFileSystem files;
  Session app(Platform{ui, profile, shell, files});
  app.state.test_dir = dir.string() + "/";
  app.state.test_id = "bench";

  Result best;
  for (int r = 0; r < runs; ++r) {
    fs::copy_file(pristine, mac, fs::copy_options::overwrite_existing);
    Outcome outcome = Outcome::kFailed;
    best.convert.KeepBest(Time([&] { outcome = ConvertACells(app.context(), ToolDesignOf(app)); }));
    if (outcome != Outcome::kCompleted) {
      std::cerr << "conversion failed\n";
      std::exit(1);
    }
    best.copy_lines.KeepBest(Time([&] { CopyLines(pristine, copy); }));
    best.copy_streams.KeepBest(Time([&] { CopyWithStreams(pristine, copy); }));
  }
  fs::remove(pristine);
  fs::remove(mac);
  fs::remove(copy);
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  std::error_code ec;
  fs::path base = argc > 1                            ? fs::path(argv[1])
                  : fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm")
                                                      : fs::temp_directory_path();
  fs::path dir = base / ("kalvor-acells-bench-" + std::to_string(::getpid()));
  fs::create_directories(dir);

  const std::size_t kMb = 1000 * 1000;
  Result small = Measure(dir, 10 * kMb, 9);
  Result large = Measure(dir, 100 * kMb, 5);
  fs::remove_all(dir);

  std::printf("%-7s %-5s %10s %12s %12s %8s %10s\n", "size", "clock", "convert s",
              "line copy s", "stream copy", "x lines", "x streams");
  for (auto [name, r] : {std::pair{"10 MB", small}, std::pair{"100 MB", large}}) {
    for (bool cpu : {true, false}) {
      auto pick = [cpu](const Timing& t) { return cpu ? t.cpu : t.wall; };
      std::printf("%-7s %-5s %10.3f %12.3f %12.3f %8.2f %10.2f\n", name,
                  cpu ? "cpu" : "wall", pick(r.convert), pick(r.copy_lines),
                  pick(r.copy_streams), pick(r.convert) / pick(r.copy_lines),
                  pick(r.convert) / pick(r.copy_streams));
    }
  }
  double scale = large.convert.cpu / small.convert.cpu;
  std::printf("100 MB / 10 MB conversion: %.2fx cpu, %.2fx wall (linear: at most 11x)\n",
              scale, large.convert.wall / small.convert.wall);
  bool ok = scale <= 11.0 && large.convert.cpu <= 5 * large.copy_streams.cpu &&
            small.convert.cpu <= 5 * small.copy_streams.cpu;
  std::printf("%s\n", ok ? "within bounds" : "OUT OF BOUNDS");
  return ok ? 0 : 1;
}
