// The floor every converter is measured against: `cp` and `wc -l` of the
// same input, each a whole process whose processor time (user + system) the
// system accounts when it ends. A converter that reads and writes its file
// once cannot beat `cp`; `wc -l` is the cost of finding the lines.
//
// Usage in a bench: in every round, Floor::Measure(input) next to the
// converter's own run (so a slow spell of the machine falls on both), the
// best of the rounds kept; Multiples() states the ratios. The limits a bench
// prints are checked on processor time, best of N: on a loaded two-core
// machine that is what varies least. A bench reports; it fails (exit 1) only
// when a converter is over its limit in every round's best.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace kalvor::bench {

// Processor seconds (user + system) of one run of `argv` with its output
// thrown away; a very large figure when it could not run.
inline double ChildSeconds(const std::vector<std::string>& argv) {
  // What this process has printed but not written goes now: the child
  // would write it again when it reopens its standard output.
  std::fflush(stdout);
  pid_t pid = ::fork();
  if (pid == 0) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::FILE* null = std::freopen("/dev/null", "w", stdout);
    (void)null;
    ::execvp(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return 1e30;
  }
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Processor seconds of this process (user + system) spent in `f`.
template <typename F>
double CpuSeconds(F&& f) {
  std::clock_t start = std::clock();
  f();
  return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

struct Floor {
  double cp = 1e30;
  double wc = 1e30;
  // One `cp INPUT SCRATCH` and one `wc -l INPUT`; keeps the best of each.
  void Measure(const std::string& input, const std::string& scratch) {
    cp = std::min(cp, ChildSeconds({"cp", input, scratch}));
    std::remove(scratch.c_str());
    wc = std::min(wc, ChildSeconds({"wc", "-l", input}));
  }
};

// "12.3x cp  25.1x wc -l" for `seconds` against the floor. The floor's
// figures are at least a millisecond, the accounting's resolution.
inline std::string Multiples(double seconds, const Floor& floor) {
  char text[64];
  std::snprintf(text, sizeof text, "%6.1fx cp %6.1fx wc -l", seconds / std::max(floor.cp, 1e-3),
                seconds / std::max(floor.wc, 1e-3));
  return text;
}

// The load of the machine over the last minute, as `uptime` gives it.
inline double LoadAverage() {
  double load[1] = {0};
  return ::getloadavg(load, 1) == 1 ? load[0] : -1;
}

}  // namespace kalvor::bench
