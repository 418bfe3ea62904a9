// What a kalvor run showed and wrote: the closing line on standard error and
// the JSON of --report.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "posix/posix_platform.h"

namespace kalvor {

struct RunSummary {
  struct Message {
    const char* severity;  // "error" or "warning"
    std::string caption;
    std::string text;
  };
  long messages = 0;   // boxes shown
  long questions = 0;  // questions, input boxes, file dialogs and dialogs
  long warning_count = 0;
  long error_count = 0;
  // Whether the texts of warnings and errors are kept (for --report): a
  // conversion may show tens of thousands.
  bool keep_texts = true;
  std::vector<Message> warnings;   // warnings and errors, in order, when kept
  std::vector<std::string> files;  // files written, in order, each once
  std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();

  // A box shown: an error icon is an error; a warning icon, a caption that
  // begins with "Warning" or a line of text that begins with "WARNING:", a
  // warning.
  void Shown(const std::string& text, const std::string& caption, int type);
  void Wrote(const std::string& path);
  double Seconds() const;
};

// "kalvor: edif completed in 1.2 s: 3 messages, 1 question, 2 warnings, 0
// errors; wrote a.mac, a.wir"
std::string SummaryLine(const RunSummary& summary, const std::string& function,
                        const std::string& outcome);
// The summary and every warning as one JSON object.
std::string SummaryJson(const RunSummary& summary, const std::string& function,
                        const std::string& design, const std::string& outcome, int exit_status);

// The host's file system, noting every file it replaces with a finished
// scratch file (every file the program writes goes that way).
class RecordingFileSystem : public PosixFileSystem {
 public:
  explicit RecordingFileSystem(RunSummary& summary) : summary_(summary) {}
  bool ReplaceFile(const std::string& source, const std::string& target) override {
    if (!PosixFileSystem::ReplaceFile(source, target)) return false;
    summary_.Wrote(target);
    return true;
  }

 private:
  RunSummary& summary_;
};

}  // namespace kalvor
