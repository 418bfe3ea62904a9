#include "vhdl/sim_switch.h"

#include <algorithm>
#include <vector>

#include "core/safe_replace.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// Whether `keyword` comes after the marker ("--ifdef"), a tab there
// standing for a blank.
bool KeywordFollows(std::string_view line, std::string_view keyword) {
  const std::string_view rest = line.substr(7);
  for (std::size_t at = 0; at + keyword.size() <= rest.size(); ++at) {
    std::size_t k = 0;
    while (k < keyword.size() && keyword[k] == (rest[at + k] == '\t' ? ' ' : rest[at + k])) ++k;
    if (k == keyword.size()) return true;
  }
  return false;
}

enum class Marker { kNone, kIfdef, kElse, kEndif };

// The marker a line begins with: "--ifdef", "--else" or "--endif" in any
// letter case. Told by the third byte first: most lines are no marker.
Marker MarkerOf(std::string_view line) {
  if (line.size() < 6 || line[0] != '-' || line[1] != '-') return Marker::kNone;
  // The words are letters: a byte with bit 0x20 set is the letter only
  // when it is the letter in either case.
  auto begins = [line](std::string_view word) {
    if (line.size() < 2 + word.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k) {
      if ((line[2 + k] | 0x20) != word[k]) return false;
    }
    return true;
  };
  switch (line[2] | 0x20) {
    case 'i':
      return begins("ifdef") ? Marker::kIfdef : Marker::kNone;
    case 'e':
      return begins("else") ? Marker::kElse : begins("endif") ? Marker::kEndif : Marker::kNone;
    default:
      return Marker::kNone;
  }
}

// A marker line moves the region; false for any other line.
bool FollowMarker(std::string_view line, std::string_view keyword, SwitchRegion& region) {
  switch (MarkerOf(line)) {
    case Marker::kIfdef:
      region = KeywordFollows(line, keyword) ? SwitchRegion::kSelected : SwitchRegion::kOther;
      return true;
    case Marker::kElse:
      region = static_cast<SwitchRegion>(-static_cast<int>(region));
      return true;
    case Marker::kEndif:
      region = SwitchRegion::kOutside;
      return true;
    case Marker::kNone:
      break;
  }
  return false;
}

// What switching makes of a line.
enum class Change { kNone, kUncomment, kCommentOut };

Change ChangeOf(std::string_view line, std::string_view keyword, SwitchRegion& region) {
  if (line.empty()) return Change::kNone;
  if (line[0] == '-') {
    if (!FollowMarker(line, keyword, region) && region == SwitchRegion::kSelected) {
      return Change::kUncomment;
    }
  } else if (region == SwitchRegion::kOther && (line[0] == ' ' || line[0] == '\t')) {
    return Change::kCommentOut;
  }
  return Change::kNone;
}

// Switches the lines of `in` from where it stands. With `out`, every line
// is written there switched, each ending in CR LF (true unless a write
// failed), and `*unclosed` is the line of an "--ifdef" whose region the file
// never ends (0: none); without, the lines are only looked at (true at the
// first that switching changes, false when none does).
bool SwitchLines(File& in, std::string_view keyword, File* out, long* unclosed = nullptr) {
  SwitchRegion region = SwitchRegion::kOutside;
  bool ok = true;
  long number = 0;  // of the line
  long opened = 0;  // the line of the last "--ifdef"
  auto write = [&](std::string_view text) { ok = out->Write(text) && ok; };
  // A line written by itself (not in a run): as switching makes it, with
  // CR LF.
  auto put = [&](std::string_view line, Change change) {
    if (change == Change::kCommentOut) write("--");
    if (change == Change::kUncomment) line.remove_prefix(std::min<std::size_t>(2, line.size()));
    write(line);
    write("\r\n");
  };
  auto change_of = [&](std::string_view line) {
    ++number;
    if (line.size() > 2 && line[0] == '-' && (line[2] | 0x20) == 'i' && MarkerOf(line) == Marker::kIfdef) {
      opened = number;
    }
    return ChangeOf(line, keyword, region);
  };
  // Lines are switched where the read buffer holds them; the lines that
  // stay as they are, CR LF included (most), are written in runs.
  bool changes = false;  // found by a question (no `out`)
  std::string line;
  for (;;) {
    const char* run = nullptr;  // where the lines written as they stand begin
    const std::string_view taken = TakeWholeLines(in, [&](std::string_view text, std::size_t end) {
      if (!run) run = text.data();
      const Change change = change_of(text);
      if (change != Change::kNone && !out) {
        changes = true;
        return false;
      }
      const char* const next = text.data() + text.size() + end;
      if (out && (change != Change::kNone || end != 2 || next[-2] != '\r')) {
        write(std::string_view(run, text.data() - run));
        put(text, change);
        run = next;
      }
      return true;
    });
    if (changes) return true;
    if (out && !taken.empty()) write(std::string_view(run, taken.data() + taken.size() - run));
    if (!ok) return false;
    in.Skip(taken.size());
    if (!taken.empty()) continue;
    if (!ReadWholeLine(in, line, /*tabs_to_blanks=*/false)) break;
    const Change change = change_of(line);
    if (change != Change::kNone && !out) return true;
    if (out) put(line, change);
  }
  if (unclosed) *unclosed = region == SwitchRegion::kOutside ? 0 : opened;
  return out != nullptr && ok;
}

}  // namespace

void SwitchLine(std::string& line, std::string_view keyword,
                SwitchRegion& region) {
  switch (ChangeOf(line, keyword, region)) {
    case Change::kUncomment:
      line.erase(0, std::min<std::size_t>(2, line.size()));
      break;
    case Change::kCommentOut:
      line.insert(0, "--");
      break;
    case Change::kNone:
      break;
  }
}

bool SwitchStream(File& in, File& out, std::string_view keyword, long* unclosed) {
  return SwitchLines(in, keyword, &out, unclosed);
}

// Whether switching changes any line of the file: files without a region,
// or already switched, are left alone and not asked about.
bool SwitchChanges(File& in, std::string_view keyword) {
  return SwitchLines(in, keyword, nullptr);
}

Outcome RunSimSwitch(const RunContext& run, const std::string& keyword, const std::string& dir) {
  Platform& p = run.platform;
  std::vector<std::string> changing;
  std::string names;
  bool refused = false;
  for (const std::string& name : p.fs.List("*.vhd")) {
    std::string path = JoinPath(dir, name, p.fs.Style());
    File in;
    if (!in.Open(path, File::Mode::kRead)) continue;
    const bool changes = SwitchChanges(in, keyword);
    if (in.ReadFailed()) {
      // What was read is not the whole file: nothing is switched.
      ReportReadFailure(p.ui, in.Path());
      return Outcome::kFailed;
    }
    if (!changes) continue;
    changing.push_back(path);
    names += "\n" + name;
  }
  if (changing.empty()) {
    p.ui.Notify("No .vhd file here has a region to switch.", "", box::kOk);
    return Outcome::kCompleted;
  }
  // One question for all the files that would change.
  int answer = changing.size() == 1
                   ? p.ui.Notify("Replace file?", changing[0], box::kYesNo | box::kIconQuestion)
                   : p.ui.Notify(Format("Replace these %ld files?\n", static_cast<long>(changing.size())) +
                                     names,
                                 dir, box::kYesNo | box::kIconQuestion);
  if (answer != answer::kYes) return Outcome::kStopped;
  for (const std::string& path : changing) {
    File in;
    if (!in.Open(path, File::Mode::kRead)) continue;
    SafeOutput scratch(p);
    // The file is replaced in one step, and only by a complete result.
    if (!scratch.Open(in.Path())) return Outcome::kFailed;
    long unclosed = 0;
    SwitchStream(in, scratch.file(), keyword, &unclosed);
    if (unclosed != 0 && !in.ReadFailed()) {
      // Switched, every line to the end of the file would have changed.
      scratch.Abort();
      p.ui.Notify(Format("This --ifdef has no --endif: the file is left as it is.\n\n%s, line %ld.",
                         path.c_str(), unclosed),
                  "VHDL SIM switch", box::kOk | box::kIconWarning);
      refused = true;
      continue;
    }
    in.Close();
    if (!scratch.Commit(in)) return Outcome::kFailed;
  }
  if (refused) return Outcome::kFailed;
  p.ui.Notify("Done", "", box::kOk);
  return Outcome::kCompleted;
}

}  // namespace kalvor
