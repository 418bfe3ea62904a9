// A user interface that shows nothing and answers as it is told: for the
// benchmarks and the fuzz target, where nobody sits in front of the program.
#pragma once

#include <string>
#include <vector>

#include "platform/table_view.h"
#include "platform/ui.h"

namespace kalvor::testing {

class QuietUi : public UserInterface {
 public:
  int yes_no = answer::kYes;       // the answer to Yes/No questions...
  std::string no_caption;          // ...except No to the one with this caption
  int input_box = answer::kCancel; // the answer to input boxes
  bool run_dialogs = true;         // false: dialogs are cancelled unseen
  std::vector<int> cleared_fields; // emptied before a dialog's OK

  int Notify(const std::string&, const std::string& caption, int type) override {
    int buttons = type & box::kButtonMask;
    if (buttons == box::kOk) return answer::kOk;
    if (buttons == box::kOkCancel) return answer::kOk;
    if (!no_caption.empty() && caption == no_caption) return answer::kNo;
    return yes_no;
  }
  bool FileDialog(std::string&, std::size_t, const std::string&, const std::string&) override {
    return false;
  }
  int InputBox(const std::string&, const std::string&, std::string&) override { return input_box; }
  int RunDialog(DialogModel& model) override {
    if (!run_dialogs) return kIdCancel;
    TableView view;
    model.OnInit(view);
    for (int id : cleared_fields) view.SetText(id, "");
    model.OnCommand(kIdOk, view);
    return view.result();
  }
  void ProgressOpen(const std::string&, const std::string&) override {}
  void ProgressDraw(unsigned, unsigned, bool) override {}
  void ProgressClose() override {}
  // Nothing is shown, so no converter need make its notes.
  bool ShowsProgressNotes() const override { return false; }
  void PumpMessages() override {}
  void WaitCursor() override {}
  DialogView& MainDialog() override { return main_; }

 private:
  TableView main_;
};

}  // namespace kalvor::testing
