// The dialog kit: parameter dialogs driven by option strings, and the
// progress window's arithmetic.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/profile.h"
#include "platform/ui.h"
#include "text/file.h"

namespace kalvor {

// True when both strings hold the template's separator (its last character)
// equally often.
bool SameFieldCount(const std::string& templ, const std::string& candidate);

// One field of an option string ("key=value;").
struct OptionField {
  std::string key;
  std::string value;
  bool is_check() const { return value == "y" || value == "n"; }
};
// The fields of an option string, split at its separator (last character).
std::vector<OptionField> ParseOptionString(const std::string& options);
// The value of field `index` (from 0), empty when there is none.
std::string OptionValue(const std::string& options, std::size_t index);

// An option string setting: its key, which is also the name of the dialog
// template that edits it, and its default.
struct OptionSetting {
  const char* key;
  const char* def;
};

// Reads an option string setting: the stored value, or the default when it
// is missing or (with `check_fields`) has another number of fields.
std::string LoadOptionString(Profile& profile, const char* key, const char* def,
                             std::size_t capacity, bool check_fields);

// The parameter dialogs "vhdout", "mac2vhd" and "spcsel": field k is bound
// to control 100 + k; "y"/"n" values are check boxes, others text. OK
// rewrites the option string in place, Cancel leaves it alone.
class ParamDialog : public DialogModel {
 public:
  ParamDialog(std::string template_name, std::string& options)
      : template_(std::move(template_name)), options_(options) {}
  std::string TemplateName() const override { return template_; }
  void OnInit(DialogView& view) override;
  void OnCommand(int id, DialogView& view) override;

 private:
  std::string template_;
  std::string& options_;
  std::size_t field_count_ = 0;
};

// Runs a parameter dialog on `options`; returns the dialog's result (1 OK,
// 2 Cancel).
int ParamDlg(UserInterface& ui, const std::string& template_name, std::string& options);

// The progress window. One per session; the largest position seen and the
// icon index carry over from one window to the next. Steps come far more
// often than a window can be redrawn: the window is drawn (and messages let
// through) at most once per redraw interval.
class Progress {
 public:
  static constexpr std::chrono::milliseconds kRedrawInterval{75};

  void Open(UserInterface& ui, const std::string& operation, const std::string& file);
  // After each unit of work: measures the file on first use, keeps the
  // position and the animation and asks whether the user cancelled; once
  // per redraw interval lets messages through and draws the bar.
  void Step(File& file);
  // Draws the bar full when the work is done, before its results replace
  // any file, and takes a Cancel clicked since the last redraw.
  void Fill();
  void Close();

  // The user asked to stop (the window's Cancel, Ctrl-C): the conversion
  // ends as on a failure, leaving its outputs as they were.
  bool cancelled() const { return cancelled_; }

  // What the last step sent: positions in thousands of bytes, 16 bits each.
  unsigned last_position_k() const { return last_position_k_; }
  unsigned last_total_k() const { return last_total_k_; }
  bool animate() const { return animate_; }
  bool is_open() const { return ui_ != nullptr; }
  // How often the window was drawn since it opened.
  long draws() const { return draws_; }
  // 0 draws at every step (tests of the arithmetic).
  void set_redraw_interval(std::chrono::milliseconds interval) { interval_ = interval; }

 private:
  UserInterface* ui_ = nullptr;
  std::int64_t total_ = 0;
  std::int64_t largest_ = 0;
  bool animate_ = false;
  bool cancelled_ = false;
  unsigned last_position_k_ = 0;
  unsigned last_total_k_ = 0;
  long draws_ = 0;
  static constexpr int kStepsPerClockRead = 16;
  int steps_since_clock_ = 0;
  std::chrono::milliseconds interval_ = kRedrawInterval;
  std::chrono::steady_clock::time_point last_draw_{};
};

}  // namespace kalvor
