// Times the TPR post-processing (ReduceModuleNames) and the prescan with the
// block route rewrite (PrescanTopModule + BuildBlockRoutes) on generated
// files of about 10 MB and 100 MB, against the floor: `cp` and `wc -l` of
// the same files (bench/floor.h). Processor time, best of five rounds, the
// two sizes in turn; limits: linear (100 MB at most 11x 10 MB) and the TPR
// rewrite 6x cp.
//
//   toolchain_tool_run_bench [DIR [MB]]
//     DIR: default a fresh directory under /tmp; MB: the large file's size
//     (default 100, the small one a tenth of it), smaller for a profiler.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <filesystem>
#include <string>
#include <vector>

#include "floor.h"
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

struct Figures {
  double reduce = 1e30, prescan = 1e30;
  bench::Floor tpr, mac;
};

// Best of `repeats` rounds, each the floor of a file next to its function.
Figures Measure(Session& app, const std::string& dir, std::int64_t bytes, int repeats) {
  Figures fig;
  const std::string tpr = dir + "/big.TPR";
  const std::string mac = dir + "/big.mac";
  for (int r = 0; r < repeats; ++r) {
    WriteTpr(tpr, bytes);
    fig.tpr.Measure(tpr, dir + "/copy.txt");
    // Start every run with the previous writes on disk, so that their
    // write-back is not timed with the next run.
    ::sync();
    fig.reduce = std::min(fig.reduce, bench::CpuSeconds([&] {
      ReduceModuleNames(app.context(), ToolDesignOf(app), app.toolchain, ".TPR");
    }));
    WriteMac(dir, bytes);
    fig.mac.Measure(mac, dir + "/copy.txt");
    ::sync();
    fig.prescan = std::min(fig.prescan, bench::CpuSeconds([&] {
      PrescanTopModule(app.context(), ToolDesignOf(app), app.toolchain);
    }));
  }
  return fig;
}

// Prints the figures and returns whether both functions are linear and the
// TPR rewrite within 6x cp.
bool Report(const Figures& small, const Figures& large) {
  std::printf("processor seconds, best of the rounds; load %.2f\n", bench::LoadAverage());
  std::printf("%-34s %8s %8s %8s %8s   %s\n", "", "small", "large", "lg/sm", "cp lg",
              "multiples on the large file");
  auto row = [](const char* name, double s, double l, const bench::Floor& floor) {
    std::printf("%-34s %8.3f %8.3f %8.2f %8.3f   %s\n", name, s, l, l / s, floor.cp,
                bench::Multiples(l, floor).c_str());
  };
  row("ReduceModuleNames", small.reduce, large.reduce, large.tpr);
  row("PrescanTopModule+BuildBlockRoutes", small.prescan, large.prescan, large.mac);
  bool linear = large.reduce / small.reduce <= 11 && large.prescan / small.prescan <= 11;
  bool near_floor = large.reduce <= 6 * large.tpr.cp;
  std::printf("linear (large <= 11x small): %s; TPR rewrite within 6x cp: %s\n",
              linear ? "yes" : "NO", near_floor ? "yes" : "NO");
  return linear && near_floor;
}

}  // namespace

int main(int argc, char** argv) {
  // The converters' process as the command-line program sets it up.
  kalvor::SetUpProcessMemory();
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

  const double mb = argc > 2 ? std::atof(argv[2]) : 100;
  const auto kLarge = static_cast<std::int64_t>((mb > 0 ? mb : 100) * 1e6), kSmall = kLarge / 10;
  // The two sizes take turns, so that a slow spell of the machine falls on
  // both and not on the large file's rounds alone (which made a linear
  // function look superlinear).
  Figures small, large;
  auto keep_best = [](Figures& best, const Figures& round) {
    best.reduce = std::min(best.reduce, round.reduce);
    best.prescan = std::min(best.prescan, round.prescan);
    for (auto [to, from] : {std::pair{&best.tpr, &round.tpr}, std::pair{&best.mac, &round.mac}}) {
      to->cp = std::min(to->cp, from->cp);
      to->wc = std::min(to->wc, from->wc);
    }
  };
  for (int round = 0; round < 5; ++round) {
    keep_best(small, Measure(app, dir, kSmall, 1));
    keep_best(large, Measure(app, dir, kLarge, 1));
  }

  bool ok = Report(small, large);
  if (argc <= 1) std::filesystem::remove_all(dir);
  return ok ? 0 : 1;
}
