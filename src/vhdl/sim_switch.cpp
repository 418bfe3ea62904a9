#include "vhdl/sim_switch.h"

#include <algorithm>
#include <vector>

#include "core/safe_replace.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

bool KeywordFollows(std::string_view line, std::string_view keyword) {
  std::string rest(line.substr(7));
  std::replace(rest.begin(), rest.end(), '\t', ' ');
  return rest.find(keyword) != std::string::npos;
}

enum class Marker { kNone, kIfdef, kElse, kEndif };

// The marker a line begins with: "--ifdef", "--else" or "--endif" in any
// letter case. Told by the third byte first: most lines are no marker.
Marker MarkerOf(std::string_view line) {
  if (line.size() < 6 || line[0] != '-' || line[1] != '-') return Marker::kNone;
  std::string_view rest = line.substr(2);
  auto begins = [rest](std::string_view word) {
    return rest.size() >= word.size() && EqualNoCase(rest.substr(0, word.size()), word);
  };
  switch (rest[0] | 0x20) {
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

}  // namespace

void SwitchLine(std::string& line, std::string_view keyword,
                SwitchRegion& region) {
  if (FollowMarker(line, keyword, region)) return;
  if (region == SwitchRegion::kSelected && !line.empty() && line[0] == '-') {
    line.erase(0, std::min<std::size_t>(2, line.size()));
  } else if (region == SwitchRegion::kOther && !line.empty() &&
             (line[0] == ' ' || line[0] == '\t')) {
    line.insert(0, "--");
  }
}

bool SwitchStream(File& in, File& out, std::string_view keyword) {
  SwitchRegion region = SwitchRegion::kOutside;
  std::string line;
  while (ReadWholeLine(in, line, /*tabs_to_blanks=*/false)) {
    // The two changes of a line inside a region are written, not made in
    // the line: the line is not moved for them.
    std::string_view text = line;
    bool comment_out = false;
    if (!line.empty() && line[0] == '-') {
      if (!FollowMarker(line, keyword, region) && region == SwitchRegion::kSelected) {
        text.remove_prefix(std::min<std::size_t>(2, text.size()));
      }
    } else if (region == SwitchRegion::kOther && !line.empty() &&
               (line[0] == ' ' || line[0] == '\t')) {
      comment_out = true;
    }
    if ((comment_out && !out.Write("--", 2)) || !WriteLine(out, text)) return false;
  }
  return true;
}

// Whether switching changes any line of the file: files without a region,
// or already switched, are left alone and not asked about.
bool SwitchChanges(File& in, std::string_view keyword) {
  SwitchRegion region = SwitchRegion::kOutside;
  std::string line;
  std::string before;
  while (ReadWholeLine(in, line, /*tabs_to_blanks=*/false)) {
    before = line;
    SwitchLine(line, keyword, region);
    if (line != before) return true;
  }
  return false;
}

Outcome RunSimSwitch(const RunContext& run, const std::string& keyword, const std::string& dir) {
  Platform& p = run.platform;
  std::vector<std::string> changing;
  std::string names;
  for (const std::string& name : p.fs.List("*.vhd")) {
    std::string path = JoinPath(dir, name, p.fs.Style());
    File in;
    if (!in.Open(path, File::Mode::kRead) || !SwitchChanges(in, keyword)) continue;
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
    SwitchStream(in, scratch.file(), keyword);
    in.Close();
    if (!scratch.Commit(in)) return Outcome::kFailed;
  }
  p.ui.Notify("Done", "", box::kOk);
  return Outcome::kCompleted;
}

}  // namespace kalvor
