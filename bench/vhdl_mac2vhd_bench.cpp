// .mac to VHDL on generated macro files of 10 MB (100,000 nets) and 100 MB
// (1,000,000 nets), against the floor (`cp` and `wc -l` of the same input,
// bench/floor.h), in the long-standing format and in standard VHDL.
// Processor time, best of five rounds; limits: 15x cp for both forms, and
// linear (11x for 10x the input). Standard VHDL's time is also stated as a
// multiple of the default form's.
// The fanout tables are raised through the settings as a user would.
//
//   vhdl_mac2vhd_bench [SCALE [default|standard]]
//     SCALE 1 = the 10 MB / 100 MB pair (default); 0.1 = a tenth of that,
//     for a quick look. With a mode: only that conversion, once, on the
//     large file (for a profiler or `perf stat`).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "floor.h"
#include "commands/command_table.h"
#include "commands/session.h"
#include "platform/resource.h"
#include "posix/posix_platform.h"
#include "support/quiet_ui.h"
#include "text/file.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace {

using namespace kalvor;
using Clock = std::chrono::steady_clock;
constexpr int kRounds = 5;

class MapProfile : public Profile {
 public:
  std::map<std::string, std::string> values;
  std::string GetString(const std::string& key, const std::string& def,
                        std::size_t) override {
    auto it = values.find(key);
    return it == values.end() ? def : it->second;
  }
  long GetInt(const std::string& key, long def) override {
    auto it = values.find(key);
    return it == values.end() ? def : std::atol(it->second.c_str());
  }
  bool PutString(const std::string& key, const std::string& value) override {
    values[key] = value;
    return true;
  }
};

class NoShell : public Shell {
 public:
  OpenResult Open(const std::string&, const std::string&, const std::string&) override {
    return {.started = true};
  }
};

// A macro file of `macros` macros, each with 1,000 nets of its own (so
// 1,000 fanout entries a macro), 8 ports and 2,150 instances of 2- and
// 3-input gates: about 100 KB a macro.
void Generate(const std::string& path, int macros) {
  File out;
  if (!out.Open(path, File::Mode::kCreate)) {
    std::fprintf(stderr, "cannot create %s\n", path.c_str());
    std::exit(1);
  }
  WriteLine(out, "<\\vazevari\\nettran\\scmos\\scms2tpr.mac>");
  unsigned seed = 12345;
  auto next = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % 1000;
  };
  std::string line;
  for (int m = 0; m < macros; ++m) {
    // Fixed-width macro numbers: ten times the macros is ten times the bytes.
    char number[16];
    std::snprintf(number, sizeof number, "%04d", m);
    std::string prefix = std::string("m") + number + "n";
    line = std::string(".macro BLOCK") + number;
    for (int p = 0; p < 8; ++p) line += " " + prefix + std::to_string(p);
    WriteLine(out, line);
    for (int i = 0; i < 2150; ++i) {
      int inputs = i % 3 == 0 ? 3 : 2;
      line = "<U" + std::to_string(i) + (inputs == 3 ? " NAND3" : " NAND2");
      for (int k = 0; k < inputs; ++k) line += " " + prefix + std::to_string(next());
      // Every net is driven once; together they cover all 1,000 nets.
      line += " " + prefix + std::to_string(i % 1000);
      WriteLine(out, line);
    }
    WriteLine(out, ".eom");
    WriteLine(out, "");
  }
  out.Close();
}

// Processor time of this process: the machine may be shared, and the
// processor time is what the work costs whatever else runs.
struct Stopwatch {
  Clock::time_point wall = Clock::now();
  std::clock_t cpu = std::clock();
};
struct Times {
  double wall;
  double cpu;
};
Times Elapsed(const Stopwatch& start) {
  return {std::chrono::duration<double>(Clock::now() - start.wall).count(),
          static_cast<double>(std::clock() - start.cpu) / CLOCKS_PER_SEC};
}
Times Best(Times a, Times b) { return {std::min(a.wall, b.wall), std::min(a.cpu, b.cpu)}; }

Times Convert(const std::string& dir, const std::string& id, bool standard) {
  testing::QuietUi ui;
  ui.yes_no = answer::kNo;
  MapProfile profile;
  profile.values["NETS"] = "40000000";
  profile.values["kNETS"] = "2000000";
  if (standard) profile.values["mac2vhd"] = "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;";
  NoShell shell;
  PosixFileSystem fs;
  Session app(Platform{ui, profile, shell, fs});
  StartSession(app, "");
  app.state.test_dir = dir + "/";
  app.state.test_id = id;
  std::filesystem::remove(dir + "/" + id + ".vhd");
  Stopwatch start;
  Outcome outcome = FindCommand(id::kMacToVhdl)->run(app);
  Times seconds = Elapsed(start);
  if (outcome != Outcome::kCompleted) {
    std::fprintf(stderr, "conversion did not complete\n");
    std::exit(1);
  }
  return seconds;
}

struct Result {
  double megabytes;
  bench::Floor floor;
  Times convert;
  Times standard;
};

Result Measure(const std::string& dir, const std::string& id, int macros) {
  std::string mac = dir + "/" + id + ".mac";
  Generate(mac, macros);
  Result r{static_cast<double>(std::filesystem::file_size(mac)) / 1e6, {}, {1e9, 1e9}, {1e9, 1e9}};
  for (int round = 0; round < kRounds; ++round) {
    r.floor.Measure(mac, dir + "/copy.txt");
    r.convert = Best(r.convert, Convert(dir, id, false));
    r.standard = Best(r.standard, Convert(dir, id, true));
  }
  std::printf("%-6s %6.1f MB %8d nets | cp %6.3f s wc -l %6.3f s | convert %6.3f s cpu %6.3f s"
              " | %s\n",
              id.c_str(), r.megabytes, macros * 1000, r.floor.cp, r.floor.wc, r.convert.wall,
              r.convert.cpu, bench::Multiples(r.convert.cpu, r.floor).c_str());
  std::printf("%-6s standard VHDL %6.3f s cpu %6.3f s | %s | %5.2fx the default (cpu %5.2fx)\n",
              id.c_str(), r.standard.wall, r.standard.cpu,
              bench::Multiples(r.standard.cpu, r.floor).c_str(), r.standard.wall / r.convert.wall,
              r.standard.cpu / r.convert.cpu);
  std::fflush(stdout);
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  // The converters' process as the command-line program sets it up.
  kalvor::SetUpProcessMemory();
  double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
  int small = std::max(1, static_cast<int>(100 * scale));
  std::string dir = (std::filesystem::temp_directory_path() / "kalvor_mac2vhd_bench").string();
  std::filesystem::create_directories(dir);
  if (argc > 2) {
    Generate(dir + "/large.mac", small * 10);
    Times t = Convert(dir, "large", std::string(argv[2]) == "standard");
    std::printf("%s: %.3f s cpu %.3f s\n", argv[2], t.wall, t.cpu);
    std::filesystem::remove_all(dir);
    return 0;
  }
  std::printf("best of %d runs each (wall and processor time); load %.2f\n", kRounds,
              bench::LoadAverage());
  Result a = Measure(dir, "small", small);
  Result b = Measure(dir, "large", small * 10);
  std::printf("scaling: %.1fx input, %.2fx time (cpu %.2fx; limit 11x)\n",
              b.megabytes / a.megabytes, b.convert.wall / a.convert.wall,
              b.convert.cpu / a.convert.cpu);
  std::printf("large conversion: %s (limit 15x cp)\n",
              bench::Multiples(b.convert.cpu, b.floor).c_str());
  std::filesystem::remove_all(dir);
  std::printf("large standard VHDL: %s (limit 15x cp); %.2fx the default (cpu %.2fx)\n",
              bench::Multiples(b.standard.cpu, b.floor).c_str(), b.standard.wall / b.convert.wall,
              b.standard.cpu / b.convert.cpu);
  bool ok = b.convert.cpu / a.convert.cpu <= 11.0 && b.convert.cpu <= 15.0 * b.floor.cp &&
            b.standard.cpu <= 15.0 * b.floor.cp;
  return ok ? 0 : 1;
}
