#include "spice/spice_cleanup.h"

#include <algorithm>
#include <cstring>

#include "text/find_text.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

constexpr std::string_view kNodeNames = "*    Node Names";

// Position of the n-th blank (from 1), npos when there are fewer.
std::size_t NthBlank(const std::string& text, int n) {
  std::size_t at = std::string::npos;
  for (int k = 0; k < n; ++k) {
    at = text.find(' ', at == std::string::npos ? 0 : at + 1);
    if (at == std::string::npos) break;
  }
  return at;
}

}  // namespace

SpiceCleaner::SpiceCleaner(
    const SpiceOptions& options, const NodeNameTable& nodes, bool is_extract,
    NodeTableState state, std::function<bool(const std::string&)> keep_unpaired,
    std::function<void()> each_line)
    : options_(options),
      nodes_(nodes),
      is_extract_(is_extract),
      state_(state),
      keep_unpaired_(std::move(keep_unpaired)),
      each_line_(std::move(each_line)) {}

bool SpiceCleaner::Next() {
  if (!ReadWholeLine(*in_, text_, /*tabs_to_blanks=*/false)) return false;
  if (each_line_) each_line_();
  has_tabs_ = std::memchr(text_.data(), '\t', text_.size()) != nullptr;
  if (has_tabs_) {
    raw_ = text_;
    std::replace(text_.begin(), text_.end(), '\t', ' ');
    blanked_ = text_;
  }
  return true;
}

bool SpiceCleaner::WriteCurrent(File& out) {
  if (has_tabs_ && text_ == blanked_) return WriteLine(out, raw_);
  return WriteLine(out, text_);
}

SpiceCleaner::Result SpiceCleaner::Run(File& in, File& out) {
  in_ = &in;
  while (Next()) {
    Step step = Pipeline();
    if (step == Step::kCancel) return Result::kCancelled;
    if (step == Step::kEnd) break;
    if (step == Step::kKeep && !WriteCurrent(out)) return Result::kWriteFailed;
  }
  return out.WriteFailed() ? Result::kWriteFailed : Result::kDone;
}

SpiceCleaner::Step SpiceCleaner::Pipeline() {
  if (state_ != NodeTableState::kNone) {
    if (StartsWith(text_, kNodeNames) && text_.find('=') != std::string::npos &&
        !ConsumeNodeNames()) {
      return Step::kEnd;
    }
    if (is_extract_ && text_.find("* NODE NAME ALIASES") != std::string::npos &&
        !ConsumeAliases()) {
      return Step::kEnd;
    }
  }
  if (options_.no_comments && !text_.empty() && text_[0] == '*')
    return Step::kDrop;
  if (options_.no_end && std::string_view(text_) == ".END") return Step::kDrop;
  if (options_.no_nc) {
    // A line whose first " nc" ends it: most lines do not end so, and are
    // not searched.
    if (text_.ends_with(" nc") && text_.find(" nc") + 3 == text_.size()) return Step::kDrop;
    if (std::string_view(text_) == ".SUBCKT nc a") {
      Next();  // its body line goes with it
      return Step::kDrop;
    }
    if (FindText(text_, " PortPad") != std::string::npos) {
      if (FindText(text_, ".SUBCKT") != std::string::npos) Next();
      return Step::kDrop;
    }
  }
  if (options_.match_case) ReplaceAliases();
  if (options_.no_parasitics && !text_.empty() &&
      (text_[0] == 'C' || text_[0] == 'c')) {
    std::size_t last = text_.find_last_not_of(' ');
    if (last != std::string::npos && text_[last] >= '0' && text_[last] <= '9') {
      return Step::kDrop;
    }
  }
  if (options_.no_questions && text_.find('?') != std::string::npos) {
    Step step = CheckQuestionMarks();
    if (step != Step::kKeep) return step;
  }
  if (options_.fix_caps && !text_.empty() && text_[0] == 'C') FixCapacitor();
  if (options_.match_case) MatchCase();
  if (options_.diodes && !text_.empty() && text_[0] == 'D') DiodeToSource();
  return Step::kKeep;
}

// "*    Node Names = TOP/N3" followed by comment lines that name the node
// from their ninth character on: each such name becomes an alias of the
// hierarchical name. False when the file ended inside the block.
bool SpiceCleaner::ConsumeNodeNames() {
  state_ = NodeTableState::kMet;
  for (;;) {
    std::size_t eq = text_.find('=');
    if (eq == std::string::npos) return true;
    std::string current = text_.substr(eq + 1) + " ";
    if (current.find('/') == std::string::npos) return true;
    for (;;) {
      if (!Next()) return false;
      if (text_.empty() || text_[0] != '*') return true;
      if (StartsWith(text_, kNodeNames)) break;
      std::string to = text_.size() > 8 ? text_.substr(8) : std::string();
      if (to.find('/') == std::string::npos) AddAlias(current, to);
    }
  }
}

// "* NODE NAME ALIASES" followed by lines "* <group> = <name> ...": the
// first name of a group that the command file does not know is replaced by
// the first further name of the group that it does know. False when the
// file ended inside the section.
bool SpiceCleaner::ConsumeAliases() {
  state_ = NodeTableState::kMet;
  long previous_group = 0;
  std::string first_name;
  bool matched = false;
  for (;;) {
    if (!Next()) return false;
    std::size_t eq = text_.find('=');
    if (text_.empty() || text_[0] != '*' || eq == std::string::npos)
      return true;
    long group = LeadingInt(std::string_view(text_).substr(1));
    std::size_t start = text_.find_first_not_of(' ', eq + 1);
    std::string alias;
    if (start != std::string::npos) {
      std::size_t end = text_.find(' ', start);
      alias = text_.substr(
          start, end == std::string::npos ? std::string::npos : end - start);
    }
    if (group != previous_group) {
      first_name = ToUpper(alias);
      matched = nodes_.HasUpper(first_name);
    } else if (!matched && nodes_.HasUpper(ToUpper(alias))) {
      matched = true;
      AddAlias(first_name, alias);
    }
    previous_group = group;
  }
}

void SpiceCleaner::AddAlias(std::string from, std::string to) {
  // A pair with a missing name would match everywhere or erase node names.
  if (from.find_first_not_of(' ') == std::string::npos || to.empty()) return;
  aliases_.push_back({std::move(from), std::move(to)});
}

// A name of the alias section ("N1") stands in the netlist as a whole word:
// it must not be found inside a longer name ("N10", "XN1"), which would be
// renamed with it.
bool SpiceCleaner::WholeWordAt(const std::string& from, std::size_t at) const {
  if (from[0] == ' ') return true;  // its blanks already bound the name
  std::size_t end = at + from.size();
  return (at == 0 || text_[at - 1] == ' ') &&
         (end == text_.size() || text_[end] == ' ');
}

void SpiceCleaner::ReplaceAliases() {
  for (const AliasPair& pair : aliases_) {
    std::size_t at = text_.find(pair.from);
    while (at != std::string::npos) {
      if (!WholeWordAt(pair.from, at)) {
        at = text_.find(pair.from, at + 1);
        continue;
      }
      std::size_t start = pair.from[0] == ' ' ? at + 1 : at;
      std::size_t end = text_.find(' ', start);
      if (end == std::string::npos) end = text_.size();
      text_.replace(start, end - start, pair.to);
      at = text_.find(pair.from, start + pair.to.size());
    }
  }
}

SpiceCleaner::Step SpiceCleaner::CheckQuestionMarks() {
  if (text_[0] == 'C' || text_[0] == 'c') return Step::kDrop;
  std::size_t question = text_.find('?');
  std::size_t blank = text_.find(' ', question + 2);
  if (blank != std::string::npos && blank + 1 < text_.size() &&
      text_[blank + 1] == '?') {
    return Step::kDrop;
  }
  return keep_unpaired_ && !keep_unpaired_(text_) ? Step::kCancel : Step::kKeep;
}

void SpiceCleaner::FixCapacitor() {
  std::size_t c = text_.find("C=");
  if (c != std::string::npos) text_.erase(c, 2);
  std::size_t third = NthBlank(text_, 3);
  if (third == std::string::npos) return;
  std::size_t f = text_.find('f', third + 1);
  if (f != std::string::npos && f + 1 == text_.size()) text_ += 'e';
}

void SpiceCleaner::MatchCase() {
  if (text_.empty() || text_[0] == '*' || nodes_.empty()) return;
  std::size_t blank = text_.find(' ');
  std::string word;
  while (blank != std::string::npos) {
    std::size_t next = text_.find(' ', blank + 1);
    if (next == std::string::npos) break;  // the last word stays as it is
    if (next > blank + 1) {
      word.assign(text_, blank + 1, next - blank - 1);
      if (const std::string* spelling = nodes_.SpellingOfUpper(word)) {
        text_.replace(blank + 1, word.size(), *spelling);
      }
    }
    blank = next;
  }
}

void SpiceCleaner::DiodeToSource() {
  std::size_t third = NthBlank(text_, 3);
  if (third != std::string::npos) text_.resize(third);
  text_[0] = 'V';  // "D1 A B" becomes "V1 A B 0.735"
  text_ += " 0.735";
}

}  // namespace kalvor
