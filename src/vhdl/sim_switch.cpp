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
    SwitchLine(line, keyword, region);
    if (!WriteLine(out, line)) return false;
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
