// libFuzzer target: the whole EDIF import (reader, base file effects,
// writer) on arbitrary bytes. Built and run by scripts/test.d/edif_fuzz.sh,
// once as EDIF and once, with KALVOR_FUZZ_EXT ".v", as a Verilog netlist.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/quiet_ui.h"
#include "import/edif_import.h"

#ifndef KALVOR_FUZZ_EXT
#define KALVOR_FUZZ_EXT ".edf"
#endif

namespace {

using namespace kalvor;

class NoProfile : public Profile {
 public:
  std::string GetString(const std::string&, const std::string& def, std::size_t) override { return def; }
  long GetInt(const std::string&, long def) override { return def; }
  bool PutString(const std::string&, const std::string&) override { return true; }
};

class NoShell : public Shell {
 public:
  OpenResult Open(const std::string&, const std::string&, const std::string&) override { return {}; }
};

class NoFiles : public FileSystem {
 public:
  bool ShortPath(const std::string& p, std::string& r) override { r = p; return true; }
  bool ExistsOnSearchPath(const std::string&, std::string&) override { return false; }
  std::vector<std::string> List(const std::string&) override { return {}; }
  std::string CurrentDirectory() override { return "."; }
  bool ChangeDirectory(const std::string&) override { return true; }
  std::string ExecutablePath() override { return "."; }
  bool ReplaceFile(const std::string&, const std::string&) override { return false; }
  bool RemoveFile(const std::string&) override { return false; }
  // The writer runs to its end into an anonymous file; nothing is replaced.
  std::FILE* CreateScratch(const std::string& target, std::string& scratch) override {
    scratch = target + "~";
    return std::tmpfile();
  }
  bool SettleScratch(std::FILE* stream, const std::string&) override {
    return std::fflush(stream) == 0;
  }
  std::string FinalPath(const std::string& path) override { return path; }
};

std::string WorkDir() {
  static std::string dir = [] {
    char templ[] = "/tmp/kalvor-fuzz-XXXXXX";
    char* made = mkdtemp(templ);
    return std::string(made ? made : "/tmp");
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string dir = WorkDir();
  const std::string edf = dir + "/f" KALVOR_FUZZ_EXT;
  std::FILE* f = std::fopen(edf.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  std::remove((dir + "/f.mac").c_str());
  testing::QuietUi ui;
  ui.no_caption = "EDIF to MAC conversion";
  ui.cleared_fields = {101, 102, 103, 104};
  NoProfile profile;
  NoShell shell;
  NoFiles fs;
  Platform platform{ui, profile, shell, fs};
  RepeatedWarnings warnings;
  Progress progress;
  EdifSession edif;
  EdifJob job;
  job.edif_path = edf;
  job.mac_path = dir + "/f.mac";
  job.test_dir = dir + "/";
  RunEdifImport({platform, warnings, progress}, edif, job);
  return 0;
}
