// GateSim output extraction: samples the test ID's .OUT file at regular time
// points into a table file. The dialog "extdlg" (title "Extract from GateSim
// .OUT") asks for the start time, the time step and the output file.
#pragma once

#include <cstdint>
#include <string>

#include "core/outcome.h"
#include "platform/platform.h"
#include "platform/dialog.h"
#include "platform/resource.h"
#include "text/file.h"

namespace kalvor {

// Controls of the "extdlg" template (besides OK, 1, and Cancel, 2).
namespace extdlg {
constexpr int kStartTime = IDC_EXTDLG_START;  // edit "Start Time"
constexpr int kDeltaTime = IDC_EXTDLG_DELTA;  // edit "Delta Time"
// Check box "Extract latest output before time points". A plain (not
// automatic) check box: the dialog toggles it itself on each click.
constexpr int kLatest = IDC_EXTDLG_LATEST;
constexpr int kOutputName = IDC_EXTDLG_OUTPUT;  // edit "To:"
constexpr int kInputName = IDC_EXTDLG_INPUT;   // read-only edit "From:"
}  // namespace extdlg

// How each sample is written.
enum class SampleForm {
  kInputLine,   // the input line that reached the time point
  kLatestLine,  // the time point and the latest timed line before it
};

// Copies the samples of `input` (from its current position) to `output`:
// whenever a line's time reaches the next time point, the points are
// advanced past it and one line is written. `step` must be positive.
void ExtractSamples(File& input, File& output, std::int64_t start,
                    std::int64_t step, SampleForm form);

// The extraction dialog on the open input file `input` named `input_name`.
class ExtDlgModel : public DialogModel {
 public:
  ExtDlgModel(Platform& p, File& input, std::string input_name)
      : p_(p), input_(input), input_name_(std::move(input_name)) {}
  std::string TemplateName() const override { return "extdlg"; }
  void OnInit(DialogView& view) override;
  void OnCommand(int id, DialogView& view) override;

  bool failed() const { return failed_; }
  bool extracted() const { return extracted_; }

 private:
  // OK: checks the fields, writes the output file, offers to view it.
  void ExtractOutput(DialogView& view);

  Platform& p_;
  File& input_;
  std::string input_name_;
  bool failed_ = false;
  bool extracted_ = false;
};

}  // namespace kalvor
