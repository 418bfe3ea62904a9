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

}  // namespace

void SwitchLine(std::string& line, std::string_view keyword,
                SwitchRegion& region) {
  if (StartsWithNoCase(line, "--ifdef")) {
    region = KeywordFollows(line, keyword) ? SwitchRegion::kSelected
                                           : SwitchRegion::kOther;
  } else if (StartsWithNoCase(line, "--else")) {
    region = static_cast<SwitchRegion>(-static_cast<int>(region));
  } else if (StartsWithNoCase(line, "--endif")) {
    region = SwitchRegion::kOutside;
  } else if (region == SwitchRegion::kSelected && !line.empty() &&
             line[0] == '-') {
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
      // "--ifdef", "--else" and "--endif" have an i or an e third.
      const char third = line.size() > 2 ? static_cast<char>(line[2] | 0x20) : 0;
      if ((third == 'i' || third == 'e') &&
          (StartsWithNoCase(line, "--ifdef") || StartsWithNoCase(line, "--else") ||
           StartsWithNoCase(line, "--endif"))) {
        SwitchLine(line, keyword, region);
        text = line;
      } else if (region == SwitchRegion::kSelected) {
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

Outcome RunSimSwitch(const RunContext& run, const std::string& keyword, const std::string& dir) {
  Platform& p = run.platform;
  Outcome outcome = Outcome::kCompleted;
  std::vector<std::string> names = p.fs.List("*.vhd");
  for (const std::string& name : names) {
    std::string path = JoinPath(dir, name, p.fs.Style());
    File in;
    if (!in.Open(path, File::Mode::kRead)) continue;
    SafeOutput scratch(p);
    if (!scratch.Open(in.Path())) {
      outcome = Outcome::kFailed;
      break;
    }
    SwitchStream(in, scratch.file(), keyword);
    in.Close();
    if (p.ui.Notify("Replace file?", path, box::kYesNo | box::kIconQuestion) !=
        answer::kYes) {
      continue;
    }
    // The file is replaced in one step, and only by a complete result.
    if (!scratch.Commit(in)) outcome = Outcome::kFailed;
  }
  if (outcome == Outcome::kCompleted) p.ui.Notify("Done", "", box::kOk);
  return outcome;
}

}  // namespace kalvor
