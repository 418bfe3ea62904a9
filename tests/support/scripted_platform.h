// Test doubles for the seams: a user interface that records every message
// box and answers from a queue, settings in memory, a shell that records
// launches, and a scratch directory per test.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commands/session.h"
#include "platform/table_view.h"
#include "platform/platform.h"
#include "posix/posix_platform.h"

namespace kalvor::testing {

struct RecordedBox {
  std::string text;
  std::string caption;
  int type = 0;
  int buttons() const { return type & box::kButtonMask; }
  int icon() const { return type & box::kIconMask; }
};

class ScriptedUi : public UserInterface {
 public:
  // Answers, consumed in order by Notify (questions only), FileDialog,
  // InputBox and RunDialog. Notify answers are "yes", "no", "ok",
  // "cancel"; FileDialog takes a path or "cancel"; InputBox a text or
  // "cancel"; RunDialog a function that fills the view, or "cancel".
  std::deque<std::string> answers;
  // Dialog scripts: called with the model's view after OnInit; return the
  // command to send (kIdOk, kIdCancel, ...). Consumed in order.
  std::deque<std::function<int(TableView&)>> dialog_scripts;

  std::vector<RecordedBox> boxes;
  std::vector<std::string> file_dialog_patterns;
  std::vector<std::string> file_dialog_dirs;
  std::vector<std::string> input_prompts;
  std::vector<std::string> dialogs_run;  // template names
  std::vector<std::string> progress_log;  // "open op file", "draw p t a", "close"
  std::vector<std::string> notes;         // ProgressNote
  // Cancel is reported from this many draws on (-1: never).
  int cancel_after_draws = -1;
  int draws = 0;
  // Whether OK boxes wait (the Windows program's rule for repeated
  // warnings); off by default so that every box is recorded.
  bool ok_boxes_wait = false;
  int pump_count = 0;

  int Notify(const std::string& text, const std::string& caption,
             int type) override;
  bool FileDialog(std::string& result, std::size_t capacity,
                  const std::string& initial_dir,
                  const std::string& pattern) override;
  int InputBox(const std::string& title, const std::string& prompt,
               std::string& value) override;
  int RunDialog(DialogModel& model) override;
  void ProgressOpen(const std::string& operation,
                    const std::string& file) override;
  void ProgressDraw(unsigned position_k, unsigned total_k,
                    bool animate) override;
  void ProgressClose() override;
  void ProgressNote(const std::string& text) override { notes.push_back(text); }
  // Whether the converters are told to make progress notes (the Windows
  // program's way) or not (the command line's).
  bool shows_notes = true;
  bool ShowsProgressNotes() const override { return shows_notes; }
  bool CancelRequested() override { return cancel_after_draws >= 0 && draws >= cancel_after_draws; }
  bool OkBoxesWait() const override { return ok_boxes_wait; }
  void PumpMessages() override { ++pump_count; }
  void WaitCursor() override {}
  DialogView& MainDialog() override { return main; }

  TableView main;

  // The last box, or an empty one.
  RecordedBox Last() const { return boxes.empty() ? RecordedBox{} : boxes.back(); }
  bool Showed(const std::string& text, const std::string& caption) const;
};

class MemoryProfile : public Profile {
 public:
  std::map<std::string, std::string> values;
  bool writable = true;  // false: every write fails
  std::string GetString(const std::string& key, const std::string& def,
                        std::size_t capacity) override;
  long GetInt(const std::string& key, long def) override;
  bool PutString(const std::string& key, const std::string& value) override;
  bool Has(const std::string& key) const { return values.count(key) != 0; }
};

struct Launch {
  std::string file;
  std::string parameters;
  std::string directory;
};

class RecordingShell : public Shell {
 public:
  std::vector<Launch> launches;
  // Result per program name; started and not waited for when not listed.
  std::map<std::string, OpenResult> results;
  OpenResult Open(const std::string& file, const std::string& parameters,
                  const std::string& directory) override;
};

// A fresh directory under the system's temporary directory, made current
// for the test and removed afterwards.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::string previous_;
};

// Replaces PATH for one test.
class PathOverride {
 public:
  explicit PathOverride(const std::string& value);
  ~PathOverride();
  PathOverride(const PathOverride&) = delete;
  PathOverride& operator=(const PathOverride&) = delete;

 private:
  bool had_ = false;
  std::string old_;
};

// Writes a shell script that does nothing, executable by its owner.
void MakeExecutable(const std::string& path);

// Whole-file helpers.
std::string ReadFileBytes(const std::string& path);
// The lines, each followed by CR LF.
std::string Crlf(const std::vector<std::string>& lines);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The names of the scratch files left in `dir`.
std::vector<std::string> ScratchFilesIn(const std::string& dir);

// The real POSIX file system, reporting the path style a test chooses, so
// that Windows paths can be tried on this host.
class TestFileSystem : public PosixFileSystem {
 public:
  PathStyle style = PathStyle::kPosix;
  PathStyle Style() const override { return style; }
};

// Runs what Run starts once function `id` (a radio button) is armed, with
// the option line as it stands in the state.
Outcome RunArmed(Session& session, int id);

// A session on scripted seams and the real POSIX file system, working in a
// scratch directory that is also its test directory.
struct TestApp {
  TestApp();
  ScratchDir dir;
  ScriptedUi ui;
  MemoryProfile profile;
  RecordingShell shell;
  TestFileSystem fs;
  Session app;
  // Makes `test_id` the design in the scratch directory (as SelectFile would).
  void UseDesign(const std::string& test_id);
};

}  // namespace kalvor::testing
