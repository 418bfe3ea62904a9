// Benchmark of the EDIF import.
//   edif_import_bench gen OUT.edf MEGABYTES   writes a generated netlist of about that size
//   edif_import_bench import FILE.edf         imports it (macro file, wire list and the list
//                                             of held-back warnings written beside it),
//                                             capacities raised, no questions
//   edif_import_bench readline FILE           reads the file once with ReadLine at the
//                                             import's read size (4095)
// Each prints one line: what, bytes, wall seconds, CPU seconds, peak resident KB.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "commands/main_window.h"
#include "commands/session.h"
#include "support/quiet_ui.h"
#include "../bench/edif_generator.h"
#include "core/state.h"
#include "import/edif_import.h"
#include "posix/posix_platform.h"
#include "text/file.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace {

using namespace kalvor;

class RaisedLimits : public Profile {
 public:
  std::string GetString(const std::string&, const std::string& def, std::size_t) override { return def; }
  long GetInt(const std::string& key, long def) override {
    return StartsWith(key, "edif_") ? 100000000 : def;
  }
  bool PutString(const std::string&, const std::string&) override { return true; }
};

double CpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long PeakKb() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

int Report(const char* what, const std::string& path, std::chrono::steady_clock::time_point start,
           double cpu_start) {
  double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  File f;
  long long bytes = f.Open(path, File::Mode::kRead) ? static_cast<long long>(f.Size()) : 0;
  std::printf("%s %s bytes=%lld wall_s=%.3f cpu_s=%.3f peak_kb=%ld\n", what, path.c_str(), bytes,
              wall, CpuSeconds() - cpu_start, PeakKb());
  return 0;
}

int Generate(const std::string& out, double megabytes) {
  // About 420 bytes per instance with the default shape.
  gen::EdifShape shape;
  shape.blocks = 4;
  shape.instances = static_cast<long>(megabytes * 1e6 / 420.0 / static_cast<double>(shape.blocks)) + 1;
  std::FILE* f = std::fopen(out.c_str(), "wb");
  if (!f) return 1;
  gen::EdifGenerator().Write(shape, f);
  std::fclose(f);
  return 0;
}

int Import(const std::string& path) {
  testing::QuietUi ui;
  ui.no_caption = "EDIF to MAC conversion";
  ui.cleared_fields = {101, 102, 103, 104};
  RaisedLimits profile;
  PosixShell shell;
  PosixFileSystem fs;
  Session app(Platform{ui, profile, shell, fs});
  std::string dir = path;
  std::string name = SplitPath(dir, PathStyle::kPosix);
  if (name == path) dir = ".";
  std::size_t dot = name.rfind('.');
  app.state.test_dir = dir + "/";
  app.state.test_id = name.substr(0, dot);
  app.state.selected_ext = name.substr(dot);
  auto start = std::chrono::steady_clock::now();
  double cpu = CpuSeconds();
  // The warnings held back are listed in a file, as by the window's commands.
  app.warnings.Begin([&app] { return WarningListPath(app.state, PathStyle::kPosix); });
  Outcome o = RunEdifImport(app.context(), app.edif, EdifJobOf(app));
  app.warnings.Finish(ui);
  if (o != Outcome::kCompleted) {
    std::fprintf(stderr, "import did not complete\n");
    return 1;
  }
  return Report("import", path, start, cpu);
}

}  // namespace

int main(int argc, char** argv) {
  // The converters' process as the command-line program sets it up.
  kalvor::SetUpProcessMemory();
  std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "gen" && argc == 4) return Generate(argv[2], std::atof(argv[3]));
  if (mode == "import" && argc == 3) return Import(argv[2]);
  std::fprintf(stderr, "usage: edif_import_bench gen OUT MB | import FILE\n");
  return 2;
}
