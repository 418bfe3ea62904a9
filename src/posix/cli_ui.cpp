#include "posix/cli_ui.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "text/file.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// Set by Ctrl-C while a conversion runs; the conversion asks for it at its
// next progress step.
volatile sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) { g_interrupted = 1; }

// Ctrl-C cancels the conversion while the progress is open; a second one
// ends the program as usual (the handler is reset when it first runs).
void CatchInterrupt(bool on) {
  struct sigaction action {};
  action.sa_handler = on ? OnInterrupt : SIG_DFL;
  action.sa_flags = on ? SA_RESETHAND : 0;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

std::string ButtonsText(int buttons) {
  switch (buttons) {
    case box::kYesNo: return "yes/no";
    case box::kOkCancel: return "ok/cancel";
    default: return "ok";
  }
}

// A control id written in decimal: 1 to 5 digits, at most 65535 (ids are
// 16-bit). False for anything else, so no text can overflow it.
bool ParseControlId(std::string_view digits, int& id) {
  if (digits.empty() || digits.size() > 5 ||
      digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return false;
  }
  long value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  if (value > 65535) return false;
  id = static_cast<int>(value);
  return true;
}

// The key of a dialog answer's field ("ID=VALUE" or "KEY=VALUE").
std::string FieldKey(const std::string& field) {
  std::size_t eq = field.find('=');
  return eq == std::string::npos ? std::string() : field.substr(0, eq);
}

std::vector<std::string> SplitFields(const std::string& answer) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (start < answer.size()) {
    std::size_t end = answer.find(';', start);
    if (end == std::string::npos) end = answer.size();
    fields.push_back(answer.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

bool AllDigits(const std::string& s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

// Selects the comma-separated `entries` of list box `id`, and only those.
void SelectEntries(TableView& view, int id, const std::string& entries) {
  for (const std::string& e : view.ListEntries(id)) view.ListSelect(id, e, false);
  std::size_t s = 0;
  while (s <= entries.size()) {
    std::size_t e = entries.find(',', s);
    if (e == std::string::npos) e = entries.size();
    std::string entry = entries.substr(s, e - s);
    if (!entry.empty()) view.ListSelect(id, entry, true);
    s = e + 1;
  }
}

// Applies a scripted answer to a dialog's controls. "ID=VALUE;..." sets
// control ID; "KEY=VALUE;..." with non-numeric keys (an option string) sets
// field k to control 100 + k. "y"/"n" check or clear; for a list box a
// comma-separated list selects entries.
void ApplyDialogAnswer(const std::string& answer, TableView& view) {
  if (answer.empty()) return;
  std::vector<std::string> fields = SplitFields(answer);
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const std::string& f = fields[k];
    std::size_t eq = f.find('=');
    std::string key = FieldKey(f);
    std::string value = eq == std::string::npos ? f : f.substr(eq + 1);
    int id = 100 + static_cast<int>(k) + 1;
    // CheckAnswer has refused an id that does not parse.
    if (AllDigits(key) && !ParseControlId(key, id)) continue;
    if (!view.ListEntries(id).empty()) {
      SelectEntries(view, id, value);
    } else if (value == "y" || value == "n") {
      view.SetChecked(id, value == "y");
    } else {
      view.SetText(id, value);
    }
  }
}

std::vector<std::string> Words(const char* text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

}  // namespace

std::string CliUi::CheckAnswer(const std::string& answer) {
  const std::string bad = "a control id is a number from 0 to 65535";
  int id = 0;
  if (answer.size() > 1 && answer[0] == '!' && AllDigits(answer.substr(1))) {
    return ParseControlId(std::string_view(answer).substr(1), id) ? std::string() : bad;
  }
  for (const std::string& field : SplitFields(answer)) {
    std::string key = FieldKey(field);
    if (AllDigits(key) && !ParseControlId(key, id)) return bad;
  }
  return std::string();
}

CliUi::CliUi() {
  interactive_ = ::isatty(STDIN_FILENO) != 0;
  progress_tty_ = ::isatty(STDERR_FILENO) != 0;
}

CliUi::~CliUi() { Err().flush(); }

std::ostream& CliUi::Err() const {
  if (!boxes_.empty()) {
    std::cerr.write(boxes_.data(), static_cast<std::streamsize>(boxes_.size()));
    boxes_.clear();
  }
  return std::cerr;
}

std::string CliUi::Absolute(const std::string& path) const {
  if (path.empty() || path[0] == '/' || base_dir_.empty()) return path;
  return base_dir_ + "/" + path;
}

std::vector<const NamedOption*> CliUi::Named(Asked kind) const {
  std::vector<const NamedOption*> rows;
  if (!named_) return rows;
  for (const NamedOption& row : NamedOptions()) {
    if (row.asked == kind && AskedBy(row, function_) && Given(row, *named_)) rows.push_back(&row);
  }
  return rows;
}

bool CliUi::ApplyNamedFields(const std::string& name, TableView& view) const {
  bool any = false;
  for (Asked kind : {Asked::kFields, Asked::kKeyedFields, Asked::kChoice}) {
    for (const NamedOption* row : Named(kind)) {
      if (name != row->caption) continue;
      any = true;
      Err() << "  > --" << row->name << "\n";
      const int id = row->control;
      if (row->flag) {
        view.SetChecked(id, *(named_->*row->flag));
      } else if (kind == Asked::kChoice) {
        const std::vector<std::string> keys = Words(row->keys);
        for (std::size_t i = 0; i < keys.size(); ++i) {
          view.SetChecked(id + static_cast<int>(i), keys[i] == *(named_->*row->text_value));
        }
      } else if (row->text_value) {
        view.SetText(id, *(named_->*row->text_value));
      } else if (kind == Asked::kKeyedFields) {
        const std::vector<std::string> keys = Words(row->keys);
        for (const std::string& value : named_->*row->list) {
          std::istringstream parts(value);
          std::string part;
          while (std::getline(parts, part, ',')) {
            std::size_t eq = part.find('=');
            auto key = std::find(keys.begin(), keys.end(), part.substr(0, eq));
            if (eq == std::string::npos || key == keys.end()) continue;
            view.SetText(id + static_cast<int>(key - keys.begin()), part.substr(eq + 1));
          }
        }
      } else if (!view.ListEntries(id).empty() || row->count == 1) {
        std::string joined;
        for (const std::string& v : named_->*row->list) joined += (joined.empty() ? "" : ",") + v;
        if (view.ListEntries(id).empty()) {
          view.SetText(id, joined);
        } else {
          SelectEntries(view, id, joined);
        }
      } else {
        const List& values = named_->*row->list;
        for (int i = 0; i < row->count; ++i) {
          view.SetText(id + i, i < static_cast<int>(values.size()) ? values[i] : std::string());
        }
      }
    }
  }
  return any;
}

bool CliUi::NextAnswer(const std::string& prompt, std::string& answer) {
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
    Err() << "  > " << answer << "\n";
    return true;
  }
  if (interactive_) {
    Err() << prompt << " " << std::flush;
    if (std::getline(std::cin, answer)) return true;
    interactive_ = false;
  }
  return false;
}

int CliUi::Notify(const std::string& text, const std::string& caption,
                  int type) {
  // A box ends the progress line; the next step draws it again.
  if (progress_open_ && progress_percent_ >= 0) boxes_.push_back('\n');
  progress_percent_ = -1;
  if (summary_) summary_->Shown(text, caption, type);
  int buttons = type & box::kButtonMask;
  if (buttons == box::kOk && progress_open_) {
    boxes_.append("[").append(caption).append("] ").append(text).append("\n");
    if (boxes_.size() >= (std::size_t{1} << 16)) Err();
    return answer::kOk;
  }
  // One write per box.
  Err() << ("[" + caption + "] " + text + "\n");
  if (buttons == box::kOk) return answer::kOk;
  const int first = buttons == box::kYesNo ? answer::kYes : answer::kOk;
  const int second = buttons == box::kYesNo ? answer::kNo : answer::kCancel;
  for (Asked kind : {Asked::kQuestion, Asked::kQuestionFile}) {
    for (const NamedOption* row : Named(kind)) {
      if ((row->caption && caption != row->caption) ||
          (row->text && text.rfind(row->text, 0) != 0)) {
        continue;
      }
      bool yes = true;
      if (row->flag) {
        yes = *(named_->*row->flag);
      } else {
        pending_file_ = *(named_->*row->text_value);
        yes = !pending_file_.empty();
      }
      Err() << "  > " << (yes ? (buttons == box::kYesNo ? "yes" : "ok")
                                  : (buttons == box::kYesNo ? "no" : "cancel"))
                << " (--" << row->name << ")\n";
      return yes ? first : second;
    }
  }
  std::string reply;
  if (!answers_.empty() || blanket_ == 0) {
    while (NextAnswer("(" + ButtonsText(buttons) + ")?", reply)) {
      std::string r = ToLower(reply);
      if (r == "yes" || r == "y" || r == "ok") return first;
      if (r == "no" || r == "n" || r == "cancel") return second;
      if (r.empty()) return first;
      Err() << "  (answer " << ButtonsText(buttons) << ")\n";
    }
  }
  if (blanket_ != 0) {
    int a = blanket_ == answer::kYes ? first : second;
    Err() << "  > " << (a == first ? (buttons == box::kYesNo ? "yes" : "ok")
                                       : (buttons == box::kYesNo ? "no" : "cancel"))
              << "\n";
    return a;
  }
  return first;
}

bool CliUi::FileDialog(std::string& result, std::size_t capacity,
                       const std::string& initial_dir,
                       const std::string& pattern) {
  if (summary_) ++summary_->questions;
  Err() << "[Open] " << pattern
            << (initial_dir.empty() ? "" : " in " + initial_dir) << "\n";
  std::string reply;
  bool named = !pending_file_.empty();
  reply.swap(pending_file_);
  if (named) Err() << "  > " << reply << "\n";
  for (const NamedOption* row : Named(Asked::kFile)) {
    if (named || pattern != row->text) continue;
    reply = *(named_->*row->text_value);
    named = true;
    Err() << "  > " << reply << " (--" << row->name << ")\n";
  }
  if ((!named && !NextAnswer("file?", reply)) || reply.empty() ||
      EqualNoCase(reply, "cancel")) {
    Err() << "  (no file chosen)\n";
    return false;
  }
  if (EqualNoCase(reply, "ok")) return false;
  // A relative name is taken from where the user stands when it exists
  // there, else from the dialog's initial directory, as a typed name would.
  std::string path = Absolute(reply);
  if (!reply.empty() && reply[0] != '/' && !FileExists(path)) {
    std::string dir = initial_dir;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    path = dir + reply;
  }
  result = Truncate(path, capacity ? capacity - 1 : path.size());
  return true;
}

int CliUi::InputBox(const std::string& title, const std::string& prompt,
                    std::string& value) {
  if (summary_) ++summary_->questions;
  Err() << "[" << title << "] " << prompt << " [" << value << "]\n";
  std::string reply;
  bool named = false;
  for (const NamedOption* row : Named(Asked::kInput)) {
    if (named || prompt != row->text) continue;
    reply = *(named_->*row->text_value);
    named = true;
    Err() << "  > " << reply << " (--" << row->name << ")\n";
    // --no-NAME: cancel.
    if (reply.empty()) return answer::kCancel;
  }
  if (!named && !NextAnswer("?", reply)) return answer::kOk;
  if (!named && EqualNoCase(reply, "cancel")) return answer::kCancel;
  if (EqualNoCase(reply, "ok") || reply.empty()) return answer::kOk;
  // A file named relative to where the user stands.
  if (prompt.find("file") != std::string::npos && reply[0] != '/' &&
      reply.find('/') != std::string::npos) {
    reply = Absolute(reply);
  }
  value = Truncate(reply, 119);
  return answer::kOk;
}

int CliUi::RunDialog(DialogModel& model) {
  if (summary_) ++summary_->questions;
  TableView view;
  model.OnInit(view);
  Err() << "[" << (view.title().empty() ? model.TemplateName() : view.title())
            << "]\n";
  // Named options answer the dialog: OK on their fields, no --answer taken.
  if (ApplyNamedFields(model.TemplateName(), view)) {
    model.OnCommand(kIdOk, view);
    if (!view.ended()) model.OnClose(view);
    return view.result();
  }
  bool first = true;
  while (!view.ended()) {
    std::string reply;
    if (!NextAnswer("(ok, cancel, !ID to press a button, or fields)?", reply)) {
      // Nothing more to say: the default button, then give up.
      if (first) model.OnCommand(kIdOk, view);
      if (!view.ended()) model.OnClose(view);
      break;
    }
    first = false;
    if (EqualNoCase(reply, "cancel")) {
      model.OnClose(view);
      break;
    }
    int button = 0;
    if (reply.size() > 1 && reply[0] == '!' &&
        ParseControlId(std::string_view(reply).substr(1), button)) {
      model.OnCommand(button, view);
      continue;
    }
    if (!EqualNoCase(reply, "ok") && !reply.empty()) ApplyDialogAnswer(reply, view);
    model.OnCommand(kIdOk, view);
  }
  return view.result();
}

void CliUi::ProgressOpen(const std::string& operation, const std::string& file) {
  g_interrupted = 0;
  CatchInterrupt(true);
  progress_open_ = true;
  progress_percent_ = -1;
  progress_label_ = operation + " " + file;
  progress_since_ = std::chrono::steady_clock::now();
}

// On a terminal, once the conversion has run for the delay: the operation,
// the file and the percent of it read, redrawn in place when it changes.
void CliUi::ProgressDraw(unsigned position_k, unsigned total_k, bool) {
  if (!progress_tty_ || quiet_ || total_k == 0) return;
  if (std::chrono::steady_clock::now() - progress_since_ < progress_delay_) return;
  int percent = static_cast<int>(100.0 * position_k / total_k);
  if (percent > 100) percent = 100;
  if (percent == progress_percent_) return;
  progress_percent_ = percent;
  Err() << "\r" << progress_label_ << " " << percent << "%" << std::flush;
}

void CliUi::ProgressClose() {
  if (progress_open_ && progress_percent_ >= 0) boxes_.push_back('\n');
  Err();
  progress_open_ = false;
  progress_percent_ = -1;
  CatchInterrupt(false);
  if (g_interrupted) Err() << "[Kalvor] Cancelled.\n";
  g_interrupted = 0;
}

void CliUi::ProgressNote(const std::string& text) {
  if (verbose_) Err() << text << "\n";
}

bool CliUi::CancelRequested() { return g_interrupted != 0; }

}  // namespace kalvor
