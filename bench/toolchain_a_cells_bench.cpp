// Times the 'A'-cell conversion of generated macro files of 10 MB and 100 MB
// against the floor: `cp` and `wc -l` of the same files (bench/floor.h).
//
//   toolchain_a_cells_bench [DIRECTORY]
//
// DIRECTORY defaults to /dev/shm where there is one (so that the disk's
// write-back does not swamp the figures), else the system's temp dir. Each
// measurement is the best of several runs (9 at 10 MB, 5 at 100 MB) of
// processor time; the macro file is restored from a pristine copy before
// each conversion. Limits: 6x cp, and linear (100 MB at most 11x 10 MB).

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "floor.h"
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

struct Result {
  double convert = 1e30;
  bench::Floor floor;
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
    best.convert = std::min(best.convert, bench::CpuSeconds([&] {
      outcome = ConvertACells(app.context(), ToolDesignOf(app));
    }));
    if (outcome != Outcome::kCompleted) {
      std::cerr << "conversion failed\n";
      std::exit(1);
    }
    best.floor.Measure(pristine, copy);
  }
  fs::remove(pristine);
  fs::remove(mac);
  fs::remove(copy);
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  // The converters' process as the command-line program sets it up.
  kalvor::SetUpProcessMemory();
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

  std::printf("processor seconds, best of the runs; load %.2f\n", bench::LoadAverage());
  std::printf("%-7s %10s %8s %8s   %s\n", "size", "convert", "cp", "wc -l", "multiples");
  for (auto [name, r] : {std::pair{"10 MB", small}, std::pair{"100 MB", large}}) {
    std::printf("%-7s %10.3f %8.3f %8.3f   %s\n", name, r.convert, r.floor.cp, r.floor.wc,
                bench::Multiples(r.convert, r.floor).c_str());
  }
  double scale = large.convert / small.convert;
  std::printf("100 MB / 10 MB conversion: %.2fx (linear: at most 11x)\n", scale);
  bool ok = scale <= 11.0 && large.convert <= 6 * large.floor.cp;
  std::printf("%s (limit 6x cp on 100 MB)\n", ok ? "within bounds" : "OUT OF BOUNDS");
  return ok ? 0 : 1;
}
