// Times the TPR post-processing (ReduceModuleNames) and the prescan with the
// block route rewrite (PrescanTopModule + BuildBlockRoutes) on generated
// files of about 10 MB and 100 MB, against a plain line-by-line copy of the
// same files.
//
//   toolchain_tool_run_bench [DIR]    (default: a fresh directory under /tmp)

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "line_copy.h"
#include "commands/session.h"
#include "platform/resource.h"
#include "posix/cli_ui.h"
#include "posix/posix_platform.h"
#include "text/file.h"
#include "text/lineio.h"
#include "text/strings.h"
#include "toolchain/prescan.h"
#include "toolchain/tpr.h"

namespace {

using namespace kalvor;

// Answers every question with its first button, silently.
class QuietUi : public CliUi {
 public:
  int Notify(const std::string&, const std::string&, int type) override {
    return (type & box::kButtonMask) == box::kYesNo ? answer::kYes : answer::kOk;
  }
};

constexpr int kPorts = 1000;

void WriteTpr(const std::string& path, std::int64_t bytes) {
  File f;
  f.Open(path, File::Mode::kCreate);
  for (long i = 0; f.Tell() < bytes; ++i) {
    int p = static_cast<int>(i % kPorts) + 1;
    if (i % 50 == 49) {
      WriteLine(f, Format("X TOP<NC%ld *NC* ", i));
      WriteLine(f, Format("NCMACRO TOP<NC%ld A B", i));
      WriteLine(f, "+ C D");
      continue;
    }
    WriteLine(f, Format("NET TOP_P%d TOP<BLK%ld<U%ld<A TOP<PADS<PAD%d TOP<U%ld<Y", p,
                        i % 97, i, p, i));
  }
}

// Macro definitions of about 400 bytes; every 20th is a level-2 block,
// every 7th instantiates the last block, some carry level-1 tags. The top
// module comes last.
void WriteMac(const std::string& dir, std::int64_t bytes) {
  File f;
  f.Open(dir + "/big.mac", File::Mode::kCreate);
  WriteLine(f, "<\\lib\\scmostpr.mac>");
  long last_block = -1;
  for (long m = 0; f.Tell() < bytes; ++m) {
    WriteLine(f, Format(".macro M%ld a b c Vdd Gnd", m));
    WriteLine(f, "+ d e f");
    if (m % 20 == 0) {
      WriteLine(f, "$blocklevel 2");
    } else if (m % 20 == 5) {
      WriteLine(f, "$blocklevel 1");
    }
    for (int k = 0; k < 8; ++k) WriteLine(f, Format("<u%d INV a n%d", k, k));
    if (m % 7 == 3 && last_block >= 0) {
      WriteLine(f, Format("<b1 M%ld a b c d e f", last_block));
    }
    WriteLine(f, ".eom");
    WriteLine(f, "");
    if (m % 20 == 0) last_block = m;
  }
  std::string header = ".macro TOP vdd gnd";
  for (int p = 1; p <= kPorts; ++p) header += Format(" p%d", p);
  WriteLine(f, header);
  WriteLine(f, Format("<t1 M%ld p1 p2 p3 p4 p5 p6", last_block));
  WriteLine(f, ".eom");
  File w;
  w.Open(dir + "/big.wir", File::Mode::kCreate);
  WriteLine(w, "$ Written by Kalvor EDIF to .MAC converter.");
  WriteLine(w, "");
  WriteLine(w, "WIRE LIST");
  WriteLine(w, "<<< COMPONENT LIST >>>");
  WriteLine(w, "TOP TOP TOP");
}

// Best of `repeats` runs: wall-clock seconds and the process's CPU seconds
// (user and system). On a shared machine the CPU time is the steadier
// figure; the wall time also holds waits for the disk and for other
// processes.
struct Time {
  double wall = 1e30;
  double cpu = 1e30;
};

Time Seconds(const std::function<void()>& prepare, const std::function<void()>& run,
             int repeats) {
  Time best;
  for (int r = 0; r < repeats; ++r) {
    prepare();
    // Start every run with the previous writes on disk, so that their
    // write-back is not timed with the next run.
    ::sync();
    std::clock_t cpu_start = std::clock();
    auto start = std::chrono::steady_clock::now();
    run();
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    double cpu = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    best.wall = std::min(best.wall, took.count());
    best.cpu = std::min(best.cpu, cpu);
  }
  return best;
}

struct Figures {
  Time copy_tpr, reduce, copy_mac, prescan;
};

Figures Measure(Session& app, const std::string& dir, std::int64_t bytes, int repeats) {
  Figures fig;
  const std::string tpr = dir + "/big.TPR";
  const std::string mac = dir + "/big.mac";
  auto none = [] {};
  WriteTpr(tpr, bytes);
  fig.copy_tpr = Seconds(none, [&] { CopyLines(tpr, dir + "/copy.txt"); }, repeats);
  fig.reduce = Seconds(
      [&] { WriteTpr(tpr, bytes); },
      [&] { ReduceModuleNames(app.context(), ToolDesignOf(app), app.toolchain, ".TPR"); }, repeats);
  WriteMac(dir, bytes);
  fig.copy_mac = Seconds(none, [&] { CopyLines(mac, dir + "/copy.txt"); }, repeats);
  fig.prescan =
      Seconds([&] { WriteMac(dir, bytes); },
              [&] { PrescanTopModule(app.context(), ToolDesignOf(app), app.toolchain); }, repeats);
  std::filesystem::remove(dir + "/copy.txt");
  return fig;
}

// Prints one table (wall or CPU seconds) and returns whether both
// functions are linear and within 5x of the copy.
bool Report(const char* title, const Figures& small, const Figures& large,
            double Time::*which) {
  auto s = [&](const Time Figures::*f) { return (small.*f).*which; };
  auto l = [&](const Time Figures::*f) { return (large.*f).*which; };
  std::printf("%s\n%-34s %10s %10s %8s %10s %10s\n", title, "", "10 MB (s)",
              "100 MB (s)", "100/10", "x copy 10", "x copy 100");
  auto row = [&](const char* name, const Time Figures::*f, const Time Figures::*copy) {
    std::printf("%-34s %10.3f %10.3f %8.2f", name, s(f), l(f), l(f) / s(f));
    if (copy) std::printf(" %10.2f %10.2f", s(f) / s(copy), l(f) / l(copy));
    std::printf("\n");
  };
  row("line-by-line copy (TPR)", &Figures::copy_tpr, nullptr);
  row("ReduceModuleNames", &Figures::reduce, &Figures::copy_tpr);
  row("line-by-line copy (.mac)", &Figures::copy_mac, nullptr);
  row("PrescanTopModule+BuildBlockRoutes", &Figures::prescan, &Figures::copy_mac);
  bool linear = l(&Figures::reduce) / s(&Figures::reduce) <= 11 &&
                l(&Figures::prescan) / s(&Figures::prescan) <= 11;
  bool near_copy = true;
  for (auto [f, copy] : {std::pair{&Figures::reduce, &Figures::copy_tpr},
                         std::pair{&Figures::prescan, &Figures::copy_mac}}) {
    near_copy = near_copy && s(f) <= 5 * s(copy) && l(f) <= 5 * l(copy);
  }
  std::printf("linear (100 MB <= 11x 10 MB): %s; within 5x of the copy: %s\n\n",
              linear ? "yes" : "NO", near_copy ? "yes" : "NO");
  return linear && near_copy;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir;
  if (argc > 1) {
    dir = argv[1];
    std::filesystem::create_directories(dir);
  } else {
    char templ[] = "/tmp/kalvor-bench-XXXXXX";
    dir = ::mkdtemp(templ);
  }
  dir = std::filesystem::absolute(dir).string();
  std::filesystem::current_path(dir);

  QuietUi ui;
  IniProfile profile(dir + "/bench.ini");
  PosixShell shell;
  PosixFileSystem fs;
  Session app(Platform{ui, profile, shell, fs});
  app.state.test_id = "big";
  app.state.test_dir = dir + "/";
  app.state.last_dir = dir;
  app.main().CheckRadio(id::kRadioFirst, id::kRadioLast, id::kMacToTpr);
  for (int p = 1; p <= kPorts; ++p) app.toolchain.top_ports.push_back(Format("p%d", p));
  app.toolchain.top_module = "top";

  const std::int64_t kSmall = 10'000'000, kLarge = 100'000'000;
  Figures small = Measure(app, dir, kSmall, 3);
  Figures large = Measure(app, dir, kLarge, 3);

  bool cpu_ok = Report("CPU time (user + system)", small, large, &Time::cpu);
  Report("wall-clock time", small, large, &Time::wall);
  if (argc <= 1) std::filesystem::remove_all(dir);
  return cpu_ok ? 0 : 1;
}
