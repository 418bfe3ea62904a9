#include "toolchain/extract.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/safe_replace.h"
#include "platform/ui.h"
#include "text/lineio.h"
#include "text/strings.h"
#include "toolchain/toolchain.h"

namespace kalvor {

namespace {

// Times beyond this magnitude are taken as this magnitude, so that advancing
// the time points can never overflow.
constexpr std::int64_t kTimeLimit = std::int64_t{1} << 61;

// The leading decimal integer of `text` (leading blanks and a sign allowed;
// 0 when there is none), limited to +-kTimeLimit.
std::int64_t ParseTime(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    int digit = text[i] - '0';
    value = value > (kTimeLimit - digit) / 10 ? kTimeLimit : value * 10 + digit;
  }
  return negative ? -value : value;
}

}  // namespace

void ExtractSamples(File& input, File& output, std::int64_t start,
                    std::int64_t step, SampleForm form) {
  std::int64_t next = std::clamp(start, -kTimeLimit, kTimeLimit);
  step = std::min(step, kTimeLimit);
  std::string previous;  // the last line read whose time was not 0
  std::string line;
  // Lines are read whole: a long line of node values is one sample.
  while (ReadWholeLine(input, line)) {
    std::int64_t t = ParseTime(line);
    if (t >= next) {
      // Advance past t in one step (one line may pass many points).
      next += ((t - next) / step + 1) * step;
      if (form == SampleForm::kLatestLine) {
        WriteLine(output, Format("%8lld %s", static_cast<long long>(next - step),
                                 previous.c_str()));
      } else {
        WriteLine(output, line);
      }
    }
    if (t != 0) previous = line;
  }
}

void ExtDlgModel::OnInit(DialogView& view) {
  view.SetTitle("Extract from GateSim .OUT");
  view.SetText(extdlg::kInputName, input_name_);
  std::string output = input_name_;
  output.replace(output.size() >= 3 ? output.size() - 3 : 0, 3, "DOC");
  view.SetText(extdlg::kOutputName, output);
  view.SetText(extdlg::kStartTime, "");
  view.SetText(extdlg::kDeltaTime, "");
  view.SetChecked(extdlg::kLatest, false);
}

void ExtDlgModel::OnCommand(int id, DialogView& view) {
  switch (id) {
    case kIdOk:
      ExtractOutput(view);
      break;
    case kIdCancel:
      view.End(kIdCancel);
      break;
    case extdlg::kLatest:
      view.SetChecked(extdlg::kLatest, !view.IsChecked(extdlg::kLatest));
      break;
    default:
      break;
  }
}

void ExtDlgModel::ExtractOutput(DialogView& view) {
  std::int64_t start = ParseTime(view.GetText(extdlg::kStartTime));
  std::int64_t step = ParseTime(view.GetText(extdlg::kDeltaTime));
  if (step <= 0) {
    p_.ui.Notify("Must specify positive Delta Time", "KALVOR",
                box::kOk | box::kIconWarning);
    return;
  }
  std::string name = Truncate(view.GetText(extdlg::kOutputName), 255);
  std::error_code ec;
  if (std::filesystem::equivalent(name, input_.Path(), ec)) {
    // Creating it would empty the file being read.
    p_.ui.Notify("The output file is the .OUT file being read.\nChoose another name.",
                "KALVOR", box::kOk | box::kIconWarning);
    return;
  }
  SafeOutput output(p_);
  if (!output.Open(name)) {
    failed_ = true;
    view.End(kIdOk);
    return;
  }
  SampleForm form = view.IsChecked(extdlg::kLatest) ? SampleForm::kLatestLine
                                                    : SampleForm::kInputLine;
  p_.ui.WaitCursor();
  ExtractSamples(input_, output.file(), start, step, form);
  // A table cut short must not pass for the result.
  if (!output.Commit(input_)) {
    failed_ = true;
    view.End(kIdOk);
    return;
  }
  extracted_ = true;
  if (p_.ui.Notify("View extracted data now?", "KALVOR",
                  box::kYesNo | box::kIconQuestion) == answer::kYes) {
    p_.shell.Open("notepad.exe", QuoteArgument(name), "");
  }
  view.End(kIdOk);
}

Outcome RunExtract(const RunContext& run, const ToolDesign& d) {
  Platform& p = run.platform;
  std::string name = d.test_id + ".OUT";
  File input;
  if (!input.Open(name, File::Mode::kRead)) {
    p.ui.Notify(name, "File not found:", box::kOk | box::kIconWarning);
    return Outcome::kFailed;
  }
  ExtDlgModel model(p, input, name);
  p.ui.RunDialog(model);
  input.Close();
  if (model.failed()) return Outcome::kFailed;
  return model.extracted() ? Outcome::kCompleted : Outcome::kStopped;
}

}  // namespace kalvor
