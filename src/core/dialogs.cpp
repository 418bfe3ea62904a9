#include "core/dialogs.h"

#include <algorithm>

#include "platform/resource.h"
#include "text/strings.h"

namespace kalvor {

bool SameFieldCount(const std::string& templ, const std::string& candidate) {
  if (templ.empty()) return candidate.empty();
  char sep = templ.back();
  return std::count(templ.begin(), templ.end(), sep) ==
         std::count(candidate.begin(), candidate.end(), sep);
}

std::vector<OptionField> ParseOptionString(const std::string& options) {
  std::vector<OptionField> fields;
  if (options.empty()) return fields;
  char sep = options.back();
  std::size_t start = 0;
  while (start < options.size()) {
    std::size_t end = options.find(sep, start);
    if (end == std::string::npos) break;
    std::string field = options.substr(start, end - start);
    std::size_t eq = field.find('=');
    OptionField f;
    if (eq == std::string::npos) {
      f.value = field;
    } else {
      f.key = field.substr(0, eq);
      f.value = field.substr(eq + 1);
    }
    fields.push_back(std::move(f));
    start = end + 1;
  }
  return fields;
}

std::string OptionValue(const std::string& options, std::size_t index) {
  std::vector<OptionField> fields = ParseOptionString(options);
  return index < fields.size() ? fields[index].value : std::string();
}

std::string LoadOptionString(Profile& profile, const char* key, const char* def,
                             std::size_t capacity, bool check_fields) {
  std::string stored = profile.GetString(key, def, capacity);
  if (check_fields && !SameFieldCount(def, stored)) return def;
  return stored;
}

namespace {

// Where the value of field k (from 0) starts and how long it is.
bool FindFieldValue(const std::string& options, std::size_t k,
                    std::size_t* start, std::size_t* length) {
  if (options.empty()) return false;
  char sep = options.back();
  std::size_t field_start = 0;
  for (std::size_t i = 0; i < k; ++i) {
    std::size_t end = options.find(sep, field_start);
    if (end == std::string::npos) return false;
    field_start = end + 1;
  }
  std::size_t end = options.find(sep, field_start);
  if (end == std::string::npos) return false;
  std::size_t eq = options.find('=', field_start);
  std::size_t value_start = (eq != std::string::npos && eq < end) ? eq + 1
                                                                  : field_start;
  *start = value_start;
  *length = end - value_start;
  return true;
}

}  // namespace

void ParamDialog::OnInit(DialogView& view) {
  std::vector<OptionField> fields = ParseOptionString(options_);
  for (std::size_t k = 0; k < fields.size(); ++k) {
    int control = kalvor::id::kParamField + static_cast<int>(k);
    if (fields[k].is_check()) {
      view.SetChecked(control, fields[k].value == "y");
    } else {
      view.SetText(control, fields[k].value);
    }
  }
  field_count_ = fields.size();
}

void ParamDialog::OnCommand(int id, DialogView& view) {
  if (id == kIdCancel) {
    view.End(2);
    return;
  }
  if (id != kIdOk) return;
  std::string result = options_;
  char sep = result.empty() ? ';' : result.back();
  for (std::size_t k = 0; k < field_count_; ++k) {
    std::size_t start = 0;
    std::size_t length = 0;
    if (!FindFieldValue(result, k, &start, &length)) break;
    int control = kalvor::id::kParamField + static_cast<int>(k);
    std::string value = result.substr(start, length);
    if (value == "y" || value == "n") {
      result[start] = view.IsChecked(control) ? 'y' : 'n';
    } else {
      std::string typed = Truncate(view.GetText(control), 255);
      // The separator and "=" would break the string's structure.
      typed.erase(std::remove_if(typed.begin(), typed.end(),
                                 [sep](char c) { return c == sep || c == '='; }),
                  typed.end());
      result.replace(start, length, typed);
    }
  }
  options_ = result;
  view.End(1);
}

int ParamDlg(UserInterface& ui, const std::string& template_name, std::string& options) {
  ParamDialog dialog(template_name, options);
  return ui.RunDialog(dialog);
}

void Progress::Open(UserInterface& ui, const std::string& operation,
                    const std::string& file) {
  ui_ = &ui;
  total_ = 0;
  draws_ = 0;
  steps_since_clock_ = 0;
  cancelled_ = false;
  ui.ProgressOpen(operation, file);
}

void Progress::Step(File& file) {
  if (!ui_) return;
  UserInterface& ui = *ui_;
  if (total_ == 0) total_ = file.Size();
  std::int64_t position = file.Tell();
  last_position_k_ = static_cast<unsigned>((position / 1000) & 0xFFFF);
  last_total_k_ = static_cast<unsigned>((total_ / 1000) & 0xFFFF);
  if (position < largest_) largest_ = 0;
  if (position > largest_) {
    animate_ = false;
    largest_ = position;
  } else if (position != 0) {
    animate_ = true;
  }
  if (ui.CancelRequested()) cancelled_ = true;
  // The clock is read every few steps only: on some hosts reading it costs
  // more than a step.
  if (draws_ != 0 && interval_.count() != 0 && ++steps_since_clock_ < kStepsPerClockRead) {
    return;
  }
  steps_since_clock_ = 0;
  auto now = std::chrono::steady_clock::now();
  if (draws_ != 0 && now - last_draw_ < interval_) return;
  last_draw_ = now;
  ++draws_;
  ui.PumpMessages();
  ui.ProgressDraw(last_position_k_, last_total_k_, animate_);
  ui.PumpMessages();
  ui.WaitCursor();
}

void Progress::Fill() {
  if (!ui_) return;
  ui_->ProgressDraw(last_total_k_, last_total_k_, false);
  // A Cancel clicked since the last redraw still waits among the messages.
  ui_->PumpMessages();
  if (ui_->CancelRequested()) cancelled_ = true;
}

void Progress::Close() {
  if (!ui_) return;
  ui_->ProgressClose();
  ui_ = nullptr;
}

}  // namespace kalvor
