// Shared helpers of the tests of in-place rewrites (switches, traces, SPICE
// clean-up).
#pragma once

#include <string>
#include <vector>

#include "core/state.h"
#include "posix/posix_platform.h"
#include "support/scripted_platform.h"

namespace kalvor::testing {

// Every line end a file may have: CR LF, LF, CR and LF CR.
inline const char* const kLineEnds[] = {"\r\n", "\n", "\r", "\n\r"};

// Numbers below `n` from a seed, the same in every run.
struct Repeatable {
  unsigned seed;
  unsigned operator()(unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % n;
  }
};

// A file system whose replace step always fails, as when the target is
// locked by another program.
class LockedTargetFs : public PosixFileSystem {
 public:
  bool ReplaceFile(const std::string&, const std::string&) override {
    return false;
  }
};

// A file system on which no scratch file can be made (a full directory).
class NoScratchFs : public PosixFileSystem {
 public:
  std::FILE* CreateScratch(const std::string&, std::string&) override { return nullptr; }
};

// The same test app, but on a file system `Fs` (by default one that cannot
// replace files).
template <class Fs = LockedTargetFs>
struct OtherFsApp {
  explicit OtherFsApp(TestApp& t)
      : app(Platform{t.ui, t.profile, t.shell, fs}) {
    app.state = t.app.state;
  }
  Fs fs;
  Session app;
};
using LockedApp = OtherFsApp<LockedTargetFs>;

// The lines of `bytes` split at CR LF (the line end every rewrite writes).
inline std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace kalvor::testing
