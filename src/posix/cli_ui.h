// The user interface of the command-line program: message boxes are printed
// to stderr as "[caption] text"; questions, input boxes, file dialogs and
// dialogs take the next scripted answer, else ask on the terminal, else take
// the default (the first button, the preset text).
#pragma once

#include <chrono>
#include <deque>
#include <map>
#include <ostream>
#include <vector>
#include <string>

#include "platform/table_view.h"
#include "platform/ui.h"
#include "posix/cli_options.h"
#include "posix/run_summary.h"

namespace kalvor {

class CliUi : public UserInterface {
 public:
  CliUi();
  ~CliUi() override;
  CliUi(const CliUi&) = delete;
  CliUi& operator=(const CliUi&) = delete;

  void AddAnswer(const std::string& answer) { answers_.push_back(answer); }
  // Empty when `answer` can be applied to any question, box or dialog;
  // otherwise what is wrong with it (a control id out of range).
  static std::string CheckAnswer(const std::string& answer);
  // --yes / --no: the answer to every question that has no scripted one.
  void SetBlanketAnswer(int answer) { blanket_ = answer; }
  // The named options of this run and the function they are read for: a
  // question, box or dialog field one of them answers takes its value
  // wherever it comes, before any --answer.
  void SetNamedAnswers(const CliOptions* options, const std::string& function) {
    named_ = options;
    function_ = function;
  }
  // Relative paths given as answers are taken from here.
  void SetBaseDirectory(const std::string& dir) { base_dir_ = dir; }

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
  // A note per item (a node of the VHDL conversion) is printed only with
  // --verbose; Ctrl-C during a conversion cancels it as the progress
  // window's Cancel does; every box is printed, none waits for OK.
  void ProgressNote(const std::string& text) override;
  bool ShowsProgressNotes() const override { return verbose_; }
  bool CancelRequested() override;
  bool OkBoxesWait() const override { return false; }
  void SetVerbose(bool verbose) { verbose_ = verbose; }
  // --quiet: no progress line.
  void SetQuiet(bool quiet) { quiet_ = quiet; }
  // Boxes and questions are counted here, warnings and errors kept.
  void SetSummary(RunSummary* summary) { summary_ = summary; }
  // The progress line is drawn on a terminal (standard error by default)
  // once a conversion has run for `delay`.
  void SetProgressTerminal(bool terminal) { progress_tty_ = terminal; }
  void SetProgressDelay(std::chrono::milliseconds delay) { progress_delay_ = delay; }
  void PumpMessages() override {}
  void WaitCursor() override {}
  DialogView& MainDialog() override { return main_; }
  TableView& main_view() { return main_; }

 private:
  // The next answer: scripted, else typed at the terminal (with `prompt`),
  // else none. Returns false when there is none.
  bool NextAnswer(const std::string& prompt, std::string& answer);
  std::string Absolute(const std::string& path) const;
  // The given named options of this function's that are asked as `kind`.
  std::vector<const NamedOption*> Named(Asked kind) const;
  // Sets the fields of dialog `name` that named options answer; false when
  // none does.
  bool ApplyNamedFields(const std::string& name, TableView& view) const;

  std::deque<std::string> answers_;
  const CliOptions* named_ = nullptr;
  std::string function_;
  // The file a named option chose with the question before its file dialog.
  std::string pending_file_;
  int blanket_ = 0;
  std::string base_dir_;
  TableView main_;
  bool interactive_ = false;
  bool progress_tty_ = false;
  bool progress_open_ = false;
  int progress_percent_ = -1;
  std::string progress_label_;
  std::chrono::steady_clock::time_point progress_since_{};
  std::chrono::milliseconds progress_delay_{1000};
  bool quiet_ = false;
  RunSummary* summary_ = nullptr;
  bool verbose_ = false;
  // Boxes shown while a progress window is open (a conversion may show tens
  // of thousands) are gathered and written in blocks: before anything else
  // is written, when the window closes, and when 64 KB are gathered.
  mutable std::string boxes_;
  // Standard error, after the gathered boxes.
  std::ostream& Err() const;
};

}  // namespace kalvor
