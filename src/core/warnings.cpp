#include "core/warnings.h"

#include <string_view>

#include "text/blank_scan.h"
#include "text/file.h"
#include "text/find_text.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// Adds the warning to `lines` on a line of its own (ending in CR LF): line
// ends and runs of blanks become one blank. Runs of words with single
// blanks between them (most of a warning) are copied whole.
void AppendOneLine(std::string& lines, const std::string& caption, const std::string& text) {
  lines += '[';
  lines += caption;
  lines += "] ";
  auto space = [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; };
  const char* p = text.data();
  const char* const end = p + text.size();
  for (;;) {
    while (p != end && space(*p)) ++p;
    if (p == end) break;
    if (lines.back() != ' ') lines += ' ';
    // Up to a line end, a tab or a second blank in a row (a blank that
    // ends the run stands for the run of space after it).
    const char* stop = FirstOfOrEnd<'\n', '\r', '\t'>(p, end);
    const std::size_t pair = FindText(std::string_view(p, static_cast<std::size_t>(stop - p)), "  ");
    if (pair != std::string_view::npos) stop = p + pair;
    lines.append(p, stop);
    p = stop;
  }
  if (lines.back() == ' ') lines.pop_back();
  lines += "\r\n";
}

constexpr std::size_t kPiece = 1 << 16;  // bytes of listed warnings written at a time

}  // namespace

void RepeatedWarnings::Begin(std::function<std::string()> list_path) {
  list_.Close();
  kinds_.clear();
  lines_.clear();
  list_path_ = std::move(list_path);
  path_.clear();
  list_failed_ = false;
  line_count_ = 0;
  held_back_ = 0;
}

void RepeatedWarnings::Flush() {
  if (!list_.IsOpen() && !list_failed_) {
    path_ = list_path_ ? list_path_() : std::string();
    list_failed_ = path_.empty() || !list_.Open(path_, File::Mode::kCreate);
  }
  if (list_.IsOpen()) list_.Write(lines_);
  lines_.clear();
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
  if (lines_.capacity() < kPiece) lines_.reserve(kPiece + 1024);
  AppendOneLine(lines_, caption, text);
  ++line_count_;
  if (++k->count <= kShownPerKind) {
    ui.Notify(text, caption, type);
  } else {
    ++held_back_;
  }
  if (held_back_ != 0 && lines_.size() >= kPiece) Flush();
}

void RepeatedWarnings::Finish(UserInterface& ui) {
  if (held_back_ == 0) {
    Begin();
    return;
  }
  Flush();
  list_.Close();
  const bool written = !list_failed_ && !list_.WriteFailed();
  for (const Kind& k : kinds_) {
    if (k.count <= kShownPerKind) continue;
    std::string text = Format("%ld more warnings like these were not shown.\n\n",
                              static_cast<long>(k.count - kShownPerKind));
    text += written ? Format("All %ld warnings are listed in:\n%s",
                           static_cast<long>(line_count_), path_.c_str())
                    : Format("They could not be listed in:\n%s", path_.c_str());
    ui.Notify(text, k.caption, box::kOk | box::kIconWarning);
  }
  Begin();
}

}  // namespace kalvor
