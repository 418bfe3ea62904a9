#include "core/warnings.h"

#include "text/file.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// The warning on one line: line ends and runs of blanks become one blank.
std::string OneLine(const std::string& caption, const std::string& text) {
  std::string line = "[" + caption + "] ";
  bool blank = true;
  for (char c : text) {
    bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t';
    if (space) {
      if (!blank) line += ' ';
      blank = true;
    } else {
      line += c;
      blank = false;
    }
  }
  if (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

}  // namespace

void RepeatedWarnings::Begin() {
  kinds_.clear();
  lines_.clear();
  held_back_ = 0;
}

void RepeatedWarnings::Warn(UserInterface& ui, const std::string& kind, const std::string& text,
                            const std::string& caption, int type) {
  if (!ui.OkBoxesWait()) {
    ui.Notify(text, caption, type);
    return;
  }
  Kind* k = nullptr;
  for (Kind& known : kinds_) {
    if (known.name == kind) k = &known;
  }
  if (!k) {
    kinds_.push_back(Kind{kind, caption, 0});
    k = &kinds_.back();
  }
  lines_.push_back(OneLine(caption, text));
  if (++k->count <= kShownPerKind) {
    ui.Notify(text, caption, type);
  } else {
    ++held_back_;
  }
}

void RepeatedWarnings::Finish(UserInterface& ui, const std::string& list_path) {
  if (held_back_ == 0) {
    Begin();
    return;
  }
  File list;
  bool written = list.Open(list_path, File::Mode::kCreate);
  for (const std::string& line : lines_) {
    if (written) WriteLine(list, line);
  }
  list.Close();
  written = written && !list.WriteFailed();
  for (const Kind& k : kinds_) {
    if (k.count <= kShownPerKind) continue;
    std::string text = Format("%ld more warnings like these were not shown.\n\n",
                              static_cast<long>(k.count - kShownPerKind));
    text += written ? Format("All %ld warnings are listed in:\n%s",
                           static_cast<long>(lines_.size()), list_path.c_str())
                    : Format("They could not be listed in:\n%s", list_path.c_str());
    ui.Notify(text, k.caption, box::kOk | box::kIconWarning);
  }
  Begin();
}

}  // namespace kalvor
